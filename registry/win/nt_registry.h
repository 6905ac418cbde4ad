#pragma once
// A registry class over the native interface of NTDLL.DLL (bound by name at run time), which
// addresses keys by their native paths ("\Registry\Machine\SOFTWARE\...").
//
// Key and value operations return false on failure and keep the native status in
// LastStatus(); they show nothing. ClearKeys() reports a missing NTDLL function, or a failure
// to find the current user, in a message box, unless the object was made silent (for programs
// that run without any window).

#include <windows.h>

#include <cstdint>
#include <string>

#include "registry/key_path.h"
#include "registry/nt_messages.h"

class CNtRegistry {
  public:
    enum class Errors {
        MessageBox,  // ClearKeys shows what it could not do
        Silent,      // ClearKeys only keeps it, in BindingError()
    };

    explicit CNtRegistry(Errors errors = Errors::MessageBox);
    ~CNtRegistry();
    CNtRegistry(const CNtRegistry&) = delete;
    CNtRegistry& operator=(const CNtRegistry&) = delete;

    // Binds the native functions, finds the current user, turns lazy flushing on, clears the
    // last status and makes the current user's root (or the machine's, when the user could not
    // be found) the root and the current key.
    void ClearKeys();

    // Makes `root` the root and the current key. Always true.
    bool SelectRoot(HKEY root);

    // Opens, or with `create` creates, the key at `keyPath` (full or relative to the root).
    // With `makeCurrent` its full path becomes the current key path.
    bool OpenKey(const std::u16string& keyPath, bool create, bool makeCurrent);

    // Stores `text` as a REG_SZ value of the current key, without a terminating zero.
    bool WriteString(const std::u16string& valueName, const std::u16string& text);

    // Stores `value` as a REG_DWORD value of the current key.
    bool WriteDword(const std::u16string& valueName, uint32_t value);

    // Sets a value of an existing key (never created here). "(Default)" names the key's
    // default value. `charCount` UTF-16 units of `data` are stored (2 bytes each); more than
    // kMaxValueUnits fail.
    bool WriteValue(const std::u16string& keyPath, const std::u16string& valueName,
                    const char16_t* data, uint32_t charCount, uint32_t type);

    // Reads a REG_SZ or REG_EXPAND_SZ value of the current key. The stored length decides the
    // text; a terminating zero, when the writer stored one, is dropped.
    bool ReadString(const std::u16string& valueName, std::u16string* text);

    // Deletes the key at `keyPath` (full or relative to the root); it must have no subkeys.
    bool DeleteKey(const std::u16string& keyPath);

    // When false, every successful write is followed by a flush of the key.
    void SetLazyFlush(bool lazy) { lazyFlush_ = lazy; }

    const std::u16string& RootPath() const { return rootPath_; }
    const std::u16string& CurrentKeyPath() const { return currentKeyPath_; }
    const std::u16string& CurrentUserText() const { return currentUser_; }
    int32_t LastStatus() const { return lastStatus_; }
    // What the last ClearKeys could not do, as its message box says it; empty when it did all.
    const std::u16string& BindingError() const { return bindingError_; }
    // The last status as "Error( ... ) - <system message>".
    std::u16string LastStatusText() const;

    static constexpr uint32_t kValueBufferUnits = 1024;
    static constexpr uint32_t kMaxValueUnits = kValueBufferUnits - 1;

  private:
    template <typename Function>
    Function Bound(size_t index) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(functions_[index]));
    }
    void BindFunctions();
    bool FindCurrentUser();
    // Opens the key at a full native path; stores the status.
    bool OpenNative(const std::u16string& fullPath, ACCESS_MASK access, bool create, HANDLE* key);
    void CloseKey(HANDLE key) const;
    // Sets a value of the key at a full native path from `byteCount` bytes of `data`.
    bool SetValue(const std::u16string& fullPath, const std::u16string& valueName, const void* data,
                  uint32_t byteCount, uint32_t type);
    void ReportError(const std::u16string& message);

    HMODULE ntdll_ = nullptr;
    FARPROC functions_[registry::kNtFunctionCount] = {};
    registry::RootKey root_ = registry::RootKey::CurrentUser;
    std::u16string rootPath_;
    std::u16string currentKeyPath_;
    std::u16string currentUser_;
    int32_t lastStatus_ = 0;
    bool lazyFlush_ = true;
    Errors errors_;
    std::u16string bindingError_;
    char16_t valueBuffer_[kValueBufferUnits] = {};
};
