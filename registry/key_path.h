#pragma once
// Native registry paths: the roots ("\Registry\Machine", "\Registry\User\<sid>", ...) and how a
// key path given by a caller becomes a full native path.

#include <cstdint>
#include <string>
#include <string_view>

namespace registry {

// The predefined root key handles, by value, so that the rules below need no Windows header.
enum class RootKey : uint32_t {
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    CurrentConfig = 0x80000005,
};

inline constexpr char16_t kMachineRootPath[] = u"\\Registry\\Machine";

// The native path of a root. Any root not in the table is the current user's:
// "\Registry\User\" followed by `currentUserSid`.
std::u16string NativeRootPath(RootKey root, std::u16string_view currentUserSid);

// A path that begins with "\registry\" in any letter case is already full and is returned
// unchanged. Any other path is relative to the root (never to a current key): the root path,
// one backslash and the path, with trailing backslashes removed.
std::u16string FullKeyPath(std::u16string_view rootPath, std::u16string_view keyPath);

}  // namespace registry
