// Shell links through COM.
#include <shlobj.h>
#include <shobjidl.h>

#include "os/win/owned.h"
#include "os/win/wide.h"

namespace os {
namespace {

// COM for the current thread while in scope; a thread whose COM is already set up in
// another mode keeps it and is not uninitialised.
class ComScope {
  public:
    ComScope() : result_(CoInitialize(nullptr)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

}  // namespace

int32_t CreateShortcut(const Path& target, const Path& arguments, const Path& description,
                       const Path& link) {
    wchar_t fullTarget[MAX_PATH];
    const DWORD length = GetFullPathNameW(Wide(target), MAX_PATH, fullTarget, nullptr);
    if (length == 0 || length >= MAX_PATH) return E_FAIL;
    // A longer link path would be saved somewhere else than asked.
    if (link.size() >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);

    ComScope com;  // declared first, so the interfaces below are released before it ends
    ComPtr<IShellLinkW> shellLink;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(shellLink.put()));
    if (FAILED(result)) return result;
    ComPtr<IPersistFile> persistFile;
    result =
        shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(persistFile.put()));
    if (FAILED(result)) return result;

    result = shellLink->SetPath(fullTarget);
    if (FAILED(result)) return result;
    shellLink->SetArguments(Wide(arguments));
    result = shellLink->SetDescription(Wide(description));
    if (FAILED(result)) return result;
    return persistFile->Save(Wide(link), TRUE);
}

}  // namespace os
