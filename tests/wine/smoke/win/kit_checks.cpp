// Checks of the Win32 kit against real handles and windows: an owner closes exactly once, moves
// hand the handle over, release() gives it up, a window object destroys its window, and an
// attached control gets its own procedure back. Prints "ok NAME" or "FAIL NAME: why" per check
// and exits with the number of failures.

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <utility>

#include "widgets/win/handle.h"
#include "widgets/win/window.h"

namespace {

int failures = 0;

void Print(const std::string& line) {
    std::string text = line + "\n";
    DWORD done = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &done,
              nullptr);
}

void Check(const char* name, bool passed, const char* why) {
    Print(std::string(passed ? "ok " : "FAIL ") + name + (passed ? "" : std::string(": ") + why));
    if (!passed) ++failures;
}

bool IsOpenHandle(HANDLE h) {
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() {
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

void KernelHandles() {
    win::KernelHandle empty;
    Check("kernel-empty", !empty && empty.get() == nullptr, "a new owner holds a handle");

    HANDLE raw = NewEvent();
    {
        win::KernelHandle owner(raw);
        Check("kernel-holds", owner.valid() && owner.get() == raw, "the handle is not held");
    }
    Check("kernel-destructor-closes", !IsOpenHandle(raw), "the handle outlived its owner");

    HANDLE first = NewEvent();
    win::KernelHandle a(first);
    win::KernelHandle b(std::move(a));
    Check("kernel-move-construct", !a && b.get() == first && IsOpenHandle(first),
          "the move did not hand the handle over");

    HANDLE second = NewEvent();
    win::KernelHandle c(second);
    c = std::move(b);
    Check("kernel-move-assign", c.get() == first && !b && !IsOpenHandle(second),
          "the overwritten handle was not closed exactly then");

    HANDLE released = c.release();
    Check("kernel-release", !c && released == first && IsOpenHandle(first),
          "release() closed the handle or kept it");
    CloseHandle(released);

    HANDLE third = NewEvent(), fourth = NewEvent();
    win::KernelHandle d(third);
    d.reset(fourth);
    Check("kernel-reset", d.get() == fourth && !IsOpenHandle(third) && IsOpenHandle(fourth),
          "reset() did not close the old handle");
    d.reset(fourth);
    Check("kernel-reset-same", IsOpenHandle(fourth), "resetting to the held handle closed it");
    d.reset();
    Check("kernel-reset-empty", !d && !IsOpenHandle(fourth), "reset() kept the handle");

    win::File missing(CreateFileW(L"C:\\no such folder\\no such file", GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    Check("file-invalid-value", !missing, "INVALID_HANDLE_VALUE counted as a handle");
}

void FindHandles() {
    WIN32_FIND_DATAW data;
    HANDLE raw = FindFirstFileW(L"C:\\windows\\*", &data);
    {
        win::FindHandle search(raw);
        Check("find-holds", search.valid() && FindNextFileW(search.get(), &data),
              "the search is not usable");
    }
    Check("find-closed", !FindNextFileW(raw, &data), "the search outlived its owner");
    win::FindHandle none(FindFirstFileW(L"C:\\no such folder\\*", &data));
    Check("find-invalid-value", !none, "a failed search counted as a handle");
}

void RegistryKeys() {
    HKEY raw = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &raw);
    DWORD subkeys = 0;
    {
        win::RegKey key(raw);
        Check("regkey-holds",
              key &&
                  RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS,
              "the key is not usable");
    }
    Check("regkey-closed",
          RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS,
          "the key outlived its owner");
}

void GdiObjects() {
    HFONT rawFont =
        CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HBRUSH rawBrush = CreateSolidBrush(RGB(1, 2, 3));
    {
        win::Font font(rawFont);
        win::Brush brush(rawBrush);
        Check("gdi-holds",
              GetObjectType(font.get()) == OBJ_FONT && GetObjectType(brush.get()) == OBJ_BRUSH,
              "the objects are not usable");
    }
    Check("gdi-deleted", GetObjectType(rawFont) == 0 && GetObjectType(rawBrush) == 0,
          "a GDI object outlived its owner");

    BYTE andBits[32 * 4] = {}, xorBits[32 * 4] = {};
    HICON rawIcon = CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andBits, xorBits);
    ICONINFO info;
    {
        win::Icon icon(rawIcon);
        bool usable = icon && GetIconInfo(icon.get(), &info);
        if (usable) {
            DeleteObject(info.hbmMask);
            DeleteObject(info.hbmColor);
        }
        Check("icon-holds", usable, "the icon is not usable");
    }
    Check("icon-destroyed", !GetIconInfo(rawIcon, &info), "the icon outlived its owner");
}

// A COM object that counts its references.
class Counted : public IUnknown {
  public:
    ULONG refs = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown) return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
};

void ComPointers() {
    Counted object;
    {
        win::ComPtr<IUnknown> a(&object);
        win::ComPtr<IUnknown> b(std::move(a));
        Check("com-move-keeps-count", object.refs == 1 && !a && b.get() == &object,
              "a move changed the reference count");
        IUnknown* again = nullptr;
        b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&again));
        win::ComPtr<IUnknown> c(again);
        Check("com-arrow", object.refs == 2, "operator-> did not reach the object");
    }
    Check("com-released-once-each", object.refs == 0, "Release was not called once per owner");

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        win::ComPtr<IShellLinkW> link;
        HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(link.put()));
        Check("com-put", SUCCEEDED(hr) && link && SUCCEEDED(link->SetPath(L"C:\\windows")),
              "put() did not receive the created object");
    }
    CoUninitialize();
}

// Counts the messages that reach it.
class Counter : public win::Window {
  public:
    int seen = 0;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            ++seen;
            return 42;
        }
        return Default(message, wParam, lParam);
    }
};

void Windows() {
    const wchar_t* cls = L"TessarkKitCheck";
    Check("window-register-twice", win::Window::Register(cls) && win::Window::Register(cls),
          "registering a class again failed");
    HWND made = nullptr;
    {
        Counter window;
        made = window.Create(cls, L"kit check", WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100, nullptr, 0);
        Check("window-bound",
              made && window.hwnd() == made && SendMessageW(made, WM_APP, 0, 0) == 42 &&
                  window.seen == 1,
              "messages do not reach the object");
        Check("window-create-once",
              window.Create(cls, L"", 0, 0, 0, 0, 1, 1, nullptr, 0) == nullptr,
              "a bound object made a second window");
    }
    Check("window-destroyed", made && !IsWindow(made), "the window outlived its object");

    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    {
        Counter attached;
        bool bound = attached.Attach(edit) && SendMessageW(edit, WM_APP, 0, 0) == 42;
        SetWindowTextW(edit, L"kept");
        wchar_t text[16] = {};
        GetWindowTextW(edit, text, 16);
        Check("attach", bound && std::wstring(text) == L"kept",
              "the control lost its own handling or the object got nothing");
        Check("attach-twice", !attached.Attach(edit), "an object took a second window");
    }
    SendMessageW(edit, WM_APP, 0, 0);
    Check("detach-on-destroy", IsWindow(edit), "the object destroyed a window it did not make");
    DestroyWindow(edit);
}

}  // namespace

int wmain() {
    KernelHandles();
    FindHandles();
    RegistryKeys();
    GdiObjects();
    ComPointers();
    Windows();
    return failures;
}
