#include "builder/ui/win/file_dialog.h"

#include <commdlg.h>

#include "builder/ui/file_dialog_text.h"
#include "builder/ui/file_list_edits.h"
#include "widgets/win/wide.h"

namespace {

using widgets::BareExtension;
using widgets::DialogFilter;

OPENFILENAMEW Request(HWND owner, const std::u16string& filter, std::u16string* buffer) {
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = win::W(filter);
    request.nFilterIndex = 1;
    request.lpstrFile = win::W(&(*buffer)[0]);
    request.nMaxFile = static_cast<DWORD>(buffer->size());
    request.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return request;
}

// One file from the Open dialog, or from the Save As dialog when `toSave`.
bool ChooseOneFile(HWND owner, const std::u16string& filter, const std::u16string& defaultExt,
                   bool toSave, std::u16string* path) {
    const std::u16string zeros = DialogFilter(filter);
    const std::u16string extension = BareExtension(defaultExt);
    std::u16string buffer(MAX_PATH + 1, u'\0');
    OPENFILENAMEW request = Request(owner, zeros, &buffer);
    request.lpstrDefExt = extension.empty() ? nullptr : win::W(extension);
    if (toSave) {
        // A file to be written need not exist yet.
        request.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                        OFN_NOCHANGEDIR;
    }
    if (!(toSave ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request))) return false;
    *path = buffer.c_str();  // up to the terminating zero
    return !path->empty();
}

}  // namespace

bool ChooseFileToOpen(HWND owner, const std::u16string& filter, const std::u16string& defaultExt,
                      std::u16string* path) {
    return ChooseOneFile(owner, filter, defaultExt, false, path);
}

bool ChooseFileToSave(HWND owner, const std::u16string& filter, const std::u16string& defaultExt,
                      std::u16string* path) {
    return ChooseOneFile(owner, filter, defaultExt, true, path);
}

bool ChooseFilesToOpen(HWND owner, const std::u16string& filter, size_t bufferUnits,
                       std::vector<std::u16string>* paths) {
    const std::u16string zeros = DialogFilter(filter);
    std::u16string buffer(bufferUnits, u'\0');
    OPENFILENAMEW request = Request(owner, zeros, &buffer);
    request.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameW(&request)) return false;
    *paths = widgets::SplitOpenFileNames(buffer);
    return !paths->empty();
}
