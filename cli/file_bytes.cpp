#include "cli/file_bytes.h"

#include "base/text.h"
#include "os/whole_file.h"

namespace cli {

bool ReadWholeFile(const os::Path& path, size_t limit, std::string* bytes, std::u16string* error) {
    os::File file;
    if (!file.OpenRead(path) || os::GetPathKind(path) == os::PathKind::Folder) {
        *error = text::Format(u"cannot open %s: %s", {path, os::LastErrorMessage()});
        if (file.IsOpen()) *error = text::Format(u"%s is a folder, not a file", {path});
        return false;
    }
    const int64_t size = file.Size();
    if (size < 0 || static_cast<uint64_t>(size) > limit) {
        *error = size < 0 ? text::Format(u"cannot read %s: %s", {path, os::LastErrorMessage()})
                          : text::Format(u"%s is too large (%d bytes; at most %d)",
                                         {path, text::FromInt(size), text::FromInt(limit)});
        return false;
    }
    bytes->assign(static_cast<size_t>(size), '\0');
    size_t done = 0;
    while (done < bytes->size()) {
        uint32_t got = 0;
        if (!file.Read(&(*bytes)[done], static_cast<uint32_t>(bytes->size() - done), &got)) {
            *error = text::Format(u"cannot read %s: %s", {path, os::LastErrorMessage()});
            return false;
        }
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    bytes->resize(done);
    return true;
}

bool WriteWholeFile(const os::Path& path, std::string_view bytes, std::u16string* error) {
    if (os::WriteWholeFile(path, bytes.data(), static_cast<uint32_t>(bytes.size()))) return true;
    *error = text::Format(u"cannot write %s: %s", {path, os::LastErrorMessage()});
    return false;
}

}  // namespace cli
