#include "registry/win/nt_registry.h"

#include <winternl.h>

#include <cstring>
#include <vector>

#include "registry/sid_text.h"

namespace {

using NtStatus = LONG;

constexpr NtStatus kStatusSuccess = 0;
constexpr NtStatus kStatusBufferOverflow = static_cast<NtStatus>(0x80000005);
constexpr NtStatus kStatusInvalidParameter = static_cast<NtStatus>(0xC000000D);
constexpr NtStatus kStatusBufferTooSmall = static_cast<NtStatus>(0xC0000023);
constexpr NtStatus kStatusObjectTypeMismatch = static_cast<NtStatus>(0xC0000024);
constexpr NtStatus kStatusProcedureNotFound = static_cast<NtStatus>(0xC000007A);

constexpr ULONG kKeyValuePartialInformation = 2;
constexpr ULONG kTokenUserClass = 1;

// KEY_VALUE_PARTIAL_INFORMATION, which the SDK headers leave out.
struct KeyValuePartial {
    ULONG titleIndex;
    ULONG type;
    ULONG dataLength;
    UCHAR data[1];
};

using NtCreateKeyFn = NtStatus(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, ULONG,
                                       PUNICODE_STRING, ULONG, PULONG);
using NtOpenKeyFn = NtStatus(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES);
using NtHandleFn = NtStatus(NTAPI*)(HANDLE);  // NtFlushKey, NtDeleteKey, NtClose
using NtSetValueKeyFn = NtStatus(NTAPI*)(HANDLE, PUNICODE_STRING, ULONG, ULONG, PVOID, ULONG);
using NtQueryValueKeyFn = NtStatus(NTAPI*)(HANDLE, PUNICODE_STRING, ULONG, PVOID, ULONG, PULONG);
using NtOpenProcessTokenFn = NtStatus(NTAPI*)(HANDLE, ACCESS_MASK, PHANDLE);
using NtQueryInformationTokenFn = NtStatus(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

constexpr size_t kCreateKey = registry::NtFunctionIndex("NtCreateKey");
constexpr size_t kOpenKey = registry::NtFunctionIndex("NtOpenKey");
constexpr size_t kFlushKey = registry::NtFunctionIndex("NtFlushKey");
constexpr size_t kDeleteKey = registry::NtFunctionIndex("NtDeleteKey");
constexpr size_t kClose = registry::NtFunctionIndex("NtClose");
constexpr size_t kSetValueKey = registry::NtFunctionIndex("NtSetValueKey");
constexpr size_t kQueryValueKey = registry::NtFunctionIndex("NtQueryValueKey");
constexpr size_t kOpenProcessToken = registry::NtFunctionIndex("NtOpenProcessToken");
constexpr size_t kQueryInformationToken = registry::NtFunctionIndex("NtQueryInformationToken");
static_assert(kQueryInformationToken < registry::kNtFunctionCount, "every function is listed");

const wchar_t* Wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

// A counted string over `text`, which must outlive it. False when it is too long to count.
bool MakeCountedString(const std::u16string& text, UNICODE_STRING* counted) {
    if (text.size() > 0x7FFE) return false;
    counted->Length = static_cast<USHORT>(text.size() * 2);
    counted->MaximumLength = counted->Length;
    counted->Buffer = const_cast<PWSTR>(Wide(text));
    return true;
}

// The system's message for `code`, looked up in NTDLL.DLL's message table and the system's.
std::u16string SystemMessage(HMODULE ntdll, DWORD code) {
    wchar_t* buffer = nullptr;
    DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    if (ntdll != nullptr) flags |= FORMAT_MESSAGE_FROM_HMODULE;
    const DWORD length =
        FormatMessageW(flags, ntdll, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string message;
    if (length != 0 && buffer != nullptr) {
        message.assign(reinterpret_cast<const char16_t*>(buffer), length);
    }
    if (buffer != nullptr) LocalFree(buffer);
    return message;
}

void ShowError(const std::u16string& message) {
    MessageBoxW(nullptr, Wide(message), Wide(std::u16string(registry::kClearKeysCaption)),
                MB_OK | MB_ICONERROR);
}

}  // namespace

CNtRegistry::CNtRegistry(Errors errors) : errors_(errors) {
    ClearKeys();
}

void CNtRegistry::ReportError(const std::u16string& message) {
    if (bindingError_.empty()) bindingError_ = message;
    if (errors_ == Errors::MessageBox) ShowError(message);
}

CNtRegistry::~CNtRegistry() {
    if (ntdll_ != nullptr) FreeLibrary(ntdll_);
}

void CNtRegistry::ClearKeys() {
    bindingError_.clear();
    BindFunctions();
    const bool userFound = FindCurrentUser();
    lazyFlush_ = true;
    lastStatus_ = 0;
    root_ = userFound ? registry::RootKey::CurrentUser : registry::RootKey::LocalMachine;
    rootPath_ = registry::NativeRootPath(root_, currentUser_);
    currentKeyPath_ = rootPath_;
}

void CNtRegistry::BindFunctions() {
    if (ntdll_ == nullptr) ntdll_ = LoadLibraryW(L"NTDLL.DLL");
    std::memset(functions_, 0, sizeof functions_);
    if (ntdll_ == nullptr) {
        const DWORD error = GetLastError();
        ReportError(registry::NtErrorText(error, SystemMessage(nullptr, error)));
        return;
    }
    const char* name = registry::kNtFunctionNames;
    for (size_t i = 0; i < registry::kNtFunctionCount; ++i) {
        functions_[i] = GetProcAddress(ntdll_, name);
        if (functions_[i] == nullptr) {
            ReportError(registry::MissingEntryPointText(name));
            return;
        }
        name = registry::NextNtFunctionName(name);
    }
}

bool CNtRegistry::FindCurrentUser() {
    currentUser_.clear();
    const auto openToken = Bound<NtOpenProcessTokenFn>(kOpenProcessToken);
    const auto queryToken = Bound<NtQueryInformationTokenFn>(kQueryInformationToken);
    const auto close = Bound<NtHandleFn>(kClose);
    if (openToken == nullptr || queryToken == nullptr || close == nullptr) return false;

    HANDLE token = nullptr;
    NtStatus status = openToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    std::vector<uint8_t> info(256);
    if (status == kStatusSuccess) {
        ULONG needed = 0;
        status = queryToken(token, kTokenUserClass, info.data(), static_cast<ULONG>(info.size()),
                            &needed);
        if ((status == kStatusBufferTooSmall || status == kStatusBufferOverflow) &&
            needed > info.size()) {
            info = std::vector<uint8_t>(needed);
            status = queryToken(token, kTokenUserClass, info.data(),
                                static_cast<ULONG>(info.size()), &needed);
        }
        close(token);
    }
    if (status != kStatusSuccess) {
        ReportError(registry::NtErrorText(static_cast<uint32_t>(status),
                                          SystemMessage(ntdll_, static_cast<DWORD>(status))));
        return false;
    }
    const SID* sid =
        static_cast<const SID*>(reinterpret_cast<const TOKEN_USER*>(info.data())->User.Sid);
    uint8_t authority[6];
    std::memcpy(authority, sid->IdentifierAuthority.Value, sizeof authority);
    const size_t count = sid->SubAuthorityCount <= SID_MAX_SUB_AUTHORITIES
                             ? sid->SubAuthorityCount
                             : SID_MAX_SUB_AUTHORITIES;
    currentUser_ = registry::SidText(sid->Revision, authority,
                                     reinterpret_cast<const uint32_t*>(sid->SubAuthority), count);
    return true;
}

bool CNtRegistry::SelectRoot(HKEY root) {
    root_ = static_cast<registry::RootKey>(reinterpret_cast<uintptr_t>(root));
    rootPath_ = registry::NativeRootPath(root_, currentUser_);
    currentKeyPath_ = rootPath_;
    return true;
}

bool CNtRegistry::OpenNative(const std::u16string& fullPath, ACCESS_MASK access, bool create,
                             HANDLE* key) {
    *key = nullptr;
    const auto createKey = Bound<NtCreateKeyFn>(kCreateKey);
    const auto openKey = Bound<NtOpenKeyFn>(kOpenKey);
    if ((create ? createKey == nullptr : openKey == nullptr) ||
        Bound<NtHandleFn>(kClose) == nullptr) {
        lastStatus_ = kStatusProcedureNotFound;
        return false;
    }
    UNICODE_STRING name;
    if (!MakeCountedString(fullPath, &name)) {
        lastStatus_ = kStatusInvalidParameter;
        return false;
    }
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
    if (create) {
        ULONG disposition = 0;
        lastStatus_ =
            createKey(key, access, &attributes, 0, nullptr, REG_OPTION_NON_VOLATILE, &disposition);
    } else {
        lastStatus_ = openKey(key, access, &attributes);
    }
    if (lastStatus_ != kStatusSuccess) {
        *key = nullptr;
        return false;
    }
    return true;
}

void CNtRegistry::CloseKey(HANDLE key) const {
    if (key != nullptr) Bound<NtHandleFn>(kClose)(key);
}

bool CNtRegistry::OpenKey(const std::u16string& keyPath, bool create, bool makeCurrent) {
    const std::u16string fullPath = registry::FullKeyPath(rootPath_, keyPath);
    HANDLE key;
    if (!OpenNative(fullPath, KEY_ALL_ACCESS, create, &key)) return false;
    if (makeCurrent) currentKeyPath_ = fullPath;
    const auto flush = Bound<NtHandleFn>(kFlushKey);
    if (!lazyFlush_ && flush != nullptr) flush(key);
    CloseKey(key);
    return true;
}

bool CNtRegistry::WriteString(const std::u16string& valueName, const std::u16string& text) {
    return WriteValue(currentKeyPath_, valueName, text.data(), static_cast<uint32_t>(text.size()),
                      REG_SZ);
}

bool CNtRegistry::WriteDword(const std::u16string& valueName, uint32_t value) {
    uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    return SetValue(registry::FullKeyPath(rootPath_, currentKeyPath_), valueName, bytes,
                    sizeof bytes, REG_DWORD);
}

bool CNtRegistry::WriteValue(const std::u16string& keyPath, const std::u16string& valueName,
                             const char16_t* data, uint32_t charCount, uint32_t type) {
    if (charCount > kMaxValueUnits) {
        lastStatus_ = kStatusInvalidParameter;
        return false;
    }
    if (charCount != 0) std::memcpy(valueBuffer_, data, charCount * sizeof(char16_t));
    return SetValue(registry::FullKeyPath(rootPath_, keyPath), valueName, valueBuffer_,
                    charCount * 2, type);
}

bool CNtRegistry::SetValue(const std::u16string& fullPath, const std::u16string& valueName,
                           const void* data, uint32_t byteCount, uint32_t type) {
    const auto setValue = Bound<NtSetValueKeyFn>(kSetValueKey);
    if (setValue == nullptr) {
        lastStatus_ = kStatusProcedureNotFound;
        return false;
    }
    HANDLE key;
    if (!OpenNative(fullPath, KEY_ALL_ACCESS, false, &key)) return false;
    const std::u16string name = valueName == u"(Default)" ? std::u16string() : valueName;
    UNICODE_STRING counted;
    MakeCountedString(name, &counted);
    lastStatus_ = setValue(key, &counted, 0, type, const_cast<void*>(data), byteCount);
    const bool written = lastStatus_ == kStatusSuccess;
    const auto flush = Bound<NtHandleFn>(kFlushKey);
    if (written && !lazyFlush_ && flush != nullptr) flush(key);
    CloseKey(key);
    return written;
}

bool CNtRegistry::ReadString(const std::u16string& valueName, std::u16string* text) {
    const auto queryValue = Bound<NtQueryValueKeyFn>(kQueryValueKey);
    if (queryValue == nullptr) {
        lastStatus_ = kStatusProcedureNotFound;
        return false;
    }
    HANDLE key;
    // Reading needs no write access, so it works without elevation too.
    if (!OpenNative(currentKeyPath_, KEY_READ, false, &key)) return false;
    const std::u16string name = valueName == u"(Default)" ? std::u16string() : valueName;
    UNICODE_STRING counted;
    MakeCountedString(name, &counted);
    std::vector<uint8_t> buffer(sizeof(KeyValuePartial) + kValueBufferUnits * 2);
    ULONG needed = 0;
    lastStatus_ = queryValue(key, &counted, kKeyValuePartialInformation, buffer.data(),
                             static_cast<ULONG>(buffer.size()), &needed);
    if ((lastStatus_ == kStatusBufferOverflow || lastStatus_ == kStatusBufferTooSmall) &&
        needed > buffer.size()) {
        buffer = std::vector<uint8_t>(needed);
        lastStatus_ = queryValue(key, &counted, kKeyValuePartialInformation, buffer.data(),
                                 static_cast<ULONG>(buffer.size()), &needed);
    }
    CloseKey(key);
    if (lastStatus_ != kStatusSuccess) return false;
    const auto* value = reinterpret_cast<const KeyValuePartial*>(buffer.data());
    if (value->type != REG_SZ && value->type != REG_EXPAND_SZ) {
        lastStatus_ = kStatusObjectTypeMismatch;
        return false;
    }
    const size_t available = buffer.size() - offsetof(KeyValuePartial, data);
    const size_t bytes = value->dataLength < available ? value->dataLength : available;
    std::u16string read(reinterpret_cast<const char16_t*>(value->data), bytes / 2);
    while (!read.empty() && read.back() == u'\0') read.pop_back();
    *text = std::move(read);
    return true;
}

bool CNtRegistry::DeleteKey(const std::u16string& keyPath) {
    const auto deleteKey = Bound<NtHandleFn>(kDeleteKey);
    if (deleteKey == nullptr) {
        lastStatus_ = kStatusProcedureNotFound;
        return false;
    }
    HANDLE key;
    if (!OpenNative(registry::FullKeyPath(rootPath_, keyPath), KEY_ALL_ACCESS, false, &key)) {
        return false;
    }
    lastStatus_ = deleteKey(key);
    CloseKey(key);
    return lastStatus_ == kStatusSuccess;
}

std::u16string CNtRegistry::LastStatusText() const {
    const uint32_t status = static_cast<uint32_t>(lastStatus_);
    return registry::NtErrorText(status, SystemMessage(ntdll_, status));
}
