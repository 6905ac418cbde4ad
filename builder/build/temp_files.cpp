#include "builder/build/temp_files.h"

#include "base/text.h"

namespace build {

std::u16string WriteTemporaryFile(const os::Path& path, const void* bytes, size_t size) {
    os::File file;
    if (size > UINT32_MAX || !file.Create(path)) {
        return text::Format(u"The file %s cannot be written: %s", {path, os::LastErrorMessage()});
    }
    bool ok = file.Write(bytes, static_cast<uint32_t>(size));
    ok = file.Close() && ok;
    if (ok) return {};
    const std::u16string reason = os::LastErrorMessage();
    os::DeleteFile(path);
    return text::Format(u"The file %s cannot be written: %s", {path, reason});
}

}  // namespace build
