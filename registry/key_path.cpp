#include "registry/key_path.h"

#include "base/text.h"

namespace registry {

namespace {

constexpr char16_t kUsersRootPath[] = u"\\Registry\\User";

}  // namespace

std::u16string NativeRootPath(RootKey root, std::u16string_view currentUserSid) {
    switch (root) {
        case RootKey::LocalMachine:
            return kMachineRootPath;
        case RootKey::ClassesRoot:
            return u"\\Registry\\Machine\\SOFTWARE\\Classes";
        case RootKey::CurrentConfig:
            return u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current";
        case RootKey::Users:
            return kUsersRootPath;
        default: {
            std::u16string path = kUsersRootPath;
            path += u'\\';
            path += currentUserSid;
            return path;
        }
    }
}

std::u16string FullKeyPath(std::u16string_view rootPath, std::u16string_view keyPath) {
    if (text::EqualsNoCase(keyPath.substr(0, 10), u"\\registry\\")) {
        return std::u16string(keyPath);
    }
    std::u16string full(rootPath);
    if (keyPath.empty() || keyPath.front() != u'\\') full += u'\\';
    full += keyPath;
    while (full.size() > rootPath.size() && full.back() == u'\\') full.pop_back();
    return full;
}

}  // namespace registry
