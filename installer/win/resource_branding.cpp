#include "installer/win/resource_branding.h"

#include "widgets/win/handle.h"
#include "widgets/win/wide.h"

namespace installer {

namespace {

struct LowestSearch {
    WORD lowest = 0;
};

BOOL CALLBACK NoteLowestId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR parameter) {
    auto* search = reinterpret_cast<LowestSearch*>(parameter);
    if (IS_INTRESOURCE(name)) {
        const WORD id = LOWORD(reinterpret_cast<UINT_PTR>(name));
        if (search->lowest == 0 || id < search->lowest) search->lowest = id;
    }
    return TRUE;
}

BOOL CALLBACK StopAtFirst(HMODULE, LPCWSTR, LPWSTR, LONG_PTR parameter) {
    *reinterpret_cast<bool*>(parameter) = true;
    return FALSE;
}

}  // namespace

os::ResourceBytes LowestOwnResource(const wchar_t* type, WORD* id) {
    LowestSearch search;
    EnumResourceNamesW(GetModuleHandleW(nullptr), type, NoteLowestId,
                       reinterpret_cast<LONG_PTR>(&search));
    *id = search.lowest;
    if (search.lowest == 0) return {};
    return os::FindResourceBytes(nullptr, type, MAKEINTRESOURCEW(search.lowest));
}

bool HasResourceOfType(const os::Path& file, const wchar_t* type) {
    win::Module module(LoadLibraryExW(win::W(file), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) return false;
    bool found = false;
    EnumResourceNamesW(module.get(), type, StopAtFirst, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

bool ReplaceResource(const os::Path& file, const wchar_t* type, WORD id, const void* data,
                     DWORD size) {
    if (!data || size == 0) return false;
    HANDLE update = BeginUpdateResourceW(win::W(file), FALSE);
    if (!update) return false;
    if (!UpdateResourceW(update, type, MAKEINTRESOURCEW(id), kResourceLanguage,
                         const_cast<void*>(data), size)) {
        EndUpdateResourceW(update, TRUE);  // discards the update
        return false;
    }
    return EndUpdateResourceW(update, FALSE) != FALSE;
}

}  // namespace installer
