#include "builder/build/setup_size.h"

#include <zlib.h>

namespace build {

int64_t TrailerSize(const CSelfExtractor& extractor) {
    int64_t size = package::kTrailerFixedBytes;
    for (const auto field : kProjectStringFields) {
        size += 2 * static_cast<int64_t>((extractor.GetProjectStrings().*field).size());
    }
    for (int32_t i = 0; i < extractor.GetFileCount(); ++i) {
        const FileRecord& record = *extractor.GetFileRecord(i);
        size += package::kRecordFixedBytes;
        for (const auto field : kRecordTexts) {
            size += 2 * static_cast<int64_t>((record.*field).size());
        }
    }
    return size;
}

int64_t SetupSizeBound(const CSelfExtractor& extractor, uint32_t stubSize) {
    int64_t size = stubSize + TrailerSize(extractor);
    for (int32_t i = 0; i < extractor.GetFileCount(); ++i) {
        const auto length = static_cast<uLong>(extractor.GetFileRecord(i)->uncompressedSize);
        size += static_cast<int64_t>(compressBound(length));
    }
    return size;
}

}  // namespace build
