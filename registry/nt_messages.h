#pragma once
// The native registry layer's messages and the NTDLL.DLL functions it binds, in binding order.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace registry {

// Looked up by name in this order; binding stops at the first one that is missing. The names
// follow one another in one string, each ended by a NUL (no table of pointers to relocate).
inline constexpr char kNtFunctionNames[] =
    "NtOpenThread\0"
    "NtCreateKey\0"
    "NtOpenKey\0"
    "NtFlushKey\0"
    "NtDeleteKey\0"
    "NtQueryKey\0"
    "NtEnumerateKey\0"
    "NtClose\0"
    "NtSetValueKey\0"
    "NtSetInformationKey\0"
    "NtQueryValueKey\0"
    "NtEnumerateValueKey\0"
    "NtDeleteValueKey\0"
    "NtRenameKey\0"
    "NtQueryMultipleValueKey\0"
    "NtNotifyChangeKey\0"
    "NtCreateFile\0"
    "NtOpenProcessToken\0"
    "NtAdjustPrivilegesToken\0"
    "NtQueryInformationToken\0"
    "RtlAllocateHeap\0"
    "RtlFreeHeap\0"
    "NtRestoreKey\0"
    "NtSaveKey\0"
    "NtLoadKey\0"
    "NtLoadKey2\0"
    "NtReplaceKey\0"
    "NtUnloadKey\0"
    "RtlInitUnicodeString\0"
    "RtlFreeUnicodeString\0";

// The name after `name` in kNtFunctionNames.
constexpr const char* NextNtFunctionName(const char* name) {
    while (*name != '\0') ++name;
    return name + 1;
}

constexpr size_t CountNtFunctionNames() {
    size_t count = 0;
    for (size_t i = 0; i + 1 < sizeof kNtFunctionNames; ++i) {
        if (kNtFunctionNames[i] == '\0') ++count;
    }
    return count;
}
inline constexpr size_t kNtFunctionCount = CountNtFunctionNames();

// The name at `index` (below kNtFunctionCount) in kNtFunctionNames.
constexpr const char* NtFunctionName(size_t index) {
    const char* name = kNtFunctionNames;
    for (size_t i = 0; i < index; ++i) name = NextNtFunctionName(name);
    return name;
}

// Position of a function in kNtFunctionNames; kNtFunctionCount for a name not in the list.
constexpr size_t NtFunctionIndex(std::string_view name) {
    const char* candidate = kNtFunctionNames;
    for (size_t i = 0; i < kNtFunctionCount; ++i) {
        if (name == candidate) return i;
        candidate = NextNtFunctionName(candidate);
    }
    return kNtFunctionCount;
}

inline constexpr char16_t kClearKeysCaption[] = u"CNtRegistry::ClearKeys()";

// "Could not find <name> entry point in NTDLL.DLL" (NtSetValueKey is spelt "NTSetValueKey").
std::u16string MissingEntryPointText(std::string_view functionName);

// "Error( <status> [0x<status>L] ) - <message>", the status in decimal and in hexadecimal
// (upper case, padded with blanks to 8 places). `systemMessage` loses its final line break;
// when it is empty the message reads "No NT Error Data was returned??".
std::u16string NtErrorText(uint32_t status, std::u16string_view systemMessage);

}  // namespace registry
