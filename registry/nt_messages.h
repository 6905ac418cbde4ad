#pragma once
// The native registry layer's messages and the NTDLL.DLL functions it binds, in binding order.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace registry {

// Looked up by name in this order; binding stops at the first one that is missing.
inline constexpr const char* kNtFunctionNames[] = {
    "NtOpenThread",
    "NtCreateKey",
    "NtOpenKey",
    "NtFlushKey",
    "NtDeleteKey",
    "NtQueryKey",
    "NtEnumerateKey",
    "NtClose",
    "NtSetValueKey",
    "NtSetInformationKey",
    "NtQueryValueKey",
    "NtEnumerateValueKey",
    "NtDeleteValueKey",
    "NtRenameKey",
    "NtQueryMultipleValueKey",
    "NtNotifyChangeKey",
    "NtCreateFile",
    "NtOpenProcessToken",
    "NtAdjustPrivilegesToken",
    "NtQueryInformationToken",
    "RtlAllocateHeap",
    "RtlFreeHeap",
    "NtRestoreKey",
    "NtSaveKey",
    "NtLoadKey",
    "NtLoadKey2",
    "NtReplaceKey",
    "NtUnloadKey",
    "RtlInitUnicodeString",
    "RtlFreeUnicodeString",
};
inline constexpr size_t kNtFunctionCount = sizeof kNtFunctionNames / sizeof kNtFunctionNames[0];

// Position of a function in kNtFunctionNames; kNtFunctionCount for a name not in the list.
constexpr size_t NtFunctionIndex(std::string_view name) {
    for (size_t i = 0; i < kNtFunctionCount; ++i) {
        if (name == kNtFunctionNames[i]) return i;
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
