#include "os/whole_file.h"

namespace os {

bool ReadWholeFile(const Path& path, size_t limit, std::vector<uint8_t>* bytes) {
    File file;
    if (!file.OpenRead(path)) return false;
    const int64_t size = file.Size();
    if (size < 0 || static_cast<uint64_t>(size) > limit) return false;
    std::vector<uint8_t> read(static_cast<size_t>(size));
    size_t got = 0;
    while (got < read.size()) {
        uint32_t done = 0;
        if (!file.Read(read.data() + got, static_cast<uint32_t>(read.size() - got), &done)) {
            return false;
        }
        if (done == 0) break;
        got += done;
    }
    // The file may have shrunk since its size was taken.
    read.resize(got);
    *bytes = std::move(read);
    return true;
}

bool WriteWholeFile(const Path& path, const void* data, uint32_t size) {
    const Path temporary = path + u".tmp";
    File file;
    if (!file.Create(temporary)) return false;
    const bool written = file.Write(data, size) && file.Flush();
    if (!file.Close() || !written || !MoveReplace(temporary, path)) {
        DiscardFile(temporary);
        return false;
    }
    return true;
}

}  // namespace os
