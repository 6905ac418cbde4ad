#pragma once
// Owners of Win32 handles and COM pointers: one small template over a traits type.
//
//   os::KernelHandle file(CreateFileW(...));   // closed by CloseHandle when `file` goes away
//   if (!file) return false;
//   os::ComPtr<IShellLinkW> link;
//   CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.put()));
//
// An owner cannot be copied, only moved. get() lends the handle, release() gives it up
// without closing it, reset() closes the current one and optionally takes another, put()
// closes the current one and returns the address for an API that writes a new handle.
// A traits type names the handle type, its "no handle" value, how to tell a valid one and how
// to close it. The owners of window-system objects (fonts, bitmaps, icons) are the widget
// kit's (widgets/win/handle.h).

#include <windows.h>

#include <objbase.h>

namespace os {

template <class Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Type get() const { return handle_; }
    bool valid() const { return Traits::IsValid(handle_); }
    explicit operator bool() const { return valid(); }

    Type release() {
        Type handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    void reset(Type handle = Traits::Invalid()) {
        if (handle == handle_) return;
        if (Traits::IsValid(handle_)) Traits::Close(handle_);
        handle_ = handle;
    }
    Type* put() {
        reset();
        return &handle_;
    }

    // For COM pointers: link->SetPath(...).
    Type operator->() const { return handle_; }

  private:
    Type handle_ = Traits::Invalid();
};

// Kernel objects. Some functions signal failure with nullptr (CreateThread, OpenProcess),
// others with INVALID_HANDLE_VALUE (CreateFileW); both count as "no handle".
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};

// FindFirstFileW searches, closed by FindClose rather than CloseHandle.
struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { FreeLibrary(h); }
};

template <class Interface>
struct ComTraits {
    using Type = Interface*;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type p) { return p != nullptr; }
    static void Close(Type p) { p->Release(); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using Module = UniqueHandle<ModuleTraits>;
template <class Interface>
using ComPtr = UniqueHandle<ComTraits<Interface>>;

}  // namespace os
