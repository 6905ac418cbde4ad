// Shortcuts on the fake machine. A link is a small UTF-8 record file at the link path:
//
//   target=C:\Program Files (x86)\X\x.exe
//   arguments=/quiet
//   description=x.exe
//
// one "key=value" line each, ended by "\n". In values "%", CR and LF are written as "%25",
// "%0D" and "%0A", so every text reads back unchanged.
#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "base/text.h"
#include "os/posix/fake_internal.h"

namespace os {
namespace {

constexpr int32_t kFail = static_cast<int32_t>(0x80004005);          // E_FAIL
constexpr int32_t kPathNotFound = static_cast<int32_t>(0x80070003);  // ERROR_PATH_NOT_FOUND
constexpr int32_t kAccessDenied = static_cast<int32_t>(0x80070005);  // ERROR_ACCESS_DENIED
constexpr size_t kMaxPath = 260;                                     // units, with the zero
constexpr long kMaxRecordBytes = 64 * 1024;

std::string Encode(const Path& value) {
    std::string out;
    for (char c : text::ToUtf8(value)) {
        if (c == '%') {
            out += "%25";
        } else if (c == '\r') {
            out += "%0D";
        } else if (c == '\n') {
            out += "%0A";
        } else {
            out += c;
        }
    }
    return out;
}

bool Decode(const std::string& value, Path* decoded) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        const std::string code = value.substr(i + 1, 2);
        if (code == "25") {
            out += '%';
        } else if (code == "0D") {
            out += '\r';
        } else if (code == "0A") {
            out += '\n';
        } else {
            return false;
        }
        i += 2;
    }
    *decoded = text::FromUtf8(out);
    return true;
}

int32_t ResultFromErrno(int error) {
    if (error == ENOENT || error == ENOTDIR) return kPathNotFound;
    if (error == EACCES || error == EPERM || error == EISDIR) return kAccessDenied;
    return kFail;
}

}  // namespace

int32_t CreateShortcut(const Path& target, const Path& arguments, const Path& description,
                       const Path& link) {
    if (target.empty() || target.size() >= kMaxPath || link.size() >= kMaxPath) return kFail;
    const std::string record = "target=" + Encode(target) + "\narguments=" + Encode(arguments) +
                               "\ndescription=" + Encode(description) + "\n";
    const std::string host = fake::HostPath(link);
    std::FILE* file = std::fopen(host.c_str(), "wb");
    if (file == nullptr) return ResultFromErrno(errno);
    const bool written = std::fwrite(record.data(), 1, record.size(), file) == record.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return 0;
    const int error = written ? errno : writeError;
    unlink(host.c_str());  // no half-written link is left behind
    return ResultFromErrno(error);
}

namespace fake {

bool ReadShortcut(const Path& link, Shortcut* shortcut) {
    std::FILE* file = std::fopen(HostPath(link).c_str(), "rb");
    if (file == nullptr) return false;
    std::string record;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        record.append(buffer, n);
        if (record.size() > kMaxRecordBytes) break;
    }
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError || record.size() > kMaxRecordBytes) return false;

    Shortcut found;
    bool hasTarget = false;
    size_t start = 0;
    while (start < record.size()) {
        const size_t end = record.find('\n', start);
        if (end == std::string::npos) return false;  // every line ends with "\n"
        const std::string line = record.substr(start, end - start);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        const std::string key = line.substr(0, equals);
        Path* value = key == "target"        ? &found.target
                      : key == "arguments"   ? &found.arguments
                      : key == "description" ? &found.description
                                             : nullptr;
        if (value == nullptr || !Decode(line.substr(equals + 1), value)) return false;
        hasTarget = hasTarget || value == &found.target;
    }
    if (!hasTarget) return false;
    *shortcut = std::move(found);
    return true;
}

}  // namespace fake
}  // namespace os
