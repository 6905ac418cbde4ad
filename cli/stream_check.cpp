#include "cli/stream_check.h"

#include "base/text.h"

namespace cli {

std::u16string StreamProblem(package::StreamState state, const FileRecord& record) {
    using package::StreamState;
    const std::u16string packed = text::FromInt(record.compressedSize);
    const std::u16string size = text::FromInt(record.uncompressedSize);
    switch (state) {
        case StreamState::Sound:
            return {};
        case StreamState::Unreadable:
        case StreamState::OutputFailed:
            return text::Format(u"cannot read the stream at offset %d",
                                {text::FromInt(record.offset)});
        case StreamState::Corrupt:
            return u"the stream is corrupt (its data or its checksum do not hold)";
        case StreamState::Unfinished:
            return text::Format(u"the stream does not end within its %d bytes", {packed});
        case StreamState::TooLong:
            return text::Format(u"inflates to more than its %d bytes", {size});
        case StreamState::TooShort:
            return text::Format(u"inflates to fewer than its %d bytes", {size});
        case StreamState::LengthMismatch:
            return text::Format(u"the stream is not exactly its %d bytes long", {packed});
    }
    return u"unknown state";
}

std::u16string CheckStream(os::File& package, const FileRecord& record) {
    package::ChunkStream stream;
    package::DiscardSink nowhere;
    return StreamProblem(package::InflateStream(stream, record, package, nowhere, nullptr, 0).state,
                         record);
}

}  // namespace cli
