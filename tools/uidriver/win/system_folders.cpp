#include "tools/uidriver/win/system_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "widgets/win/wide.h"

namespace uidriver {

namespace {

struct NamedFolder {
    const char16_t* name;
    int csidl;
};

const NamedFolder kFolders[] = {
    {u"programfiles", CSIDL_PROGRAM_FILES},
    {u"commonprograms", CSIDL_COMMON_PROGRAMS},
    {u"programs", CSIDL_PROGRAMS},
    {u"startup", CSIDL_STARTUP},
    {u"commonstartup", CSIDL_COMMON_STARTUP},
    {u"desktop", CSIDL_DESKTOPDIRECTORY},
    {u"documents", CSIDL_PERSONAL},
    {u"appdata", CSIDL_APPDATA},
    {u"commonappdata", CSIDL_COMMON_APPDATA},
    {u"localappdata", CSIDL_LOCAL_APPDATA},
    {u"profile", CSIDL_PROFILE},
    {u"windows", CSIDL_WINDOWS},
    {u"system", CSIDL_SYSTEM},
};

}  // namespace

bool SystemFolder(const std::u16string& name, std::u16string* path) {
    wchar_t buffer[MAX_PATH + 1] = {};
    if (name == u"temp") {
        DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
        if (length == 0 || length > MAX_PATH) return false;
        *path = win::U16(buffer, length);
        return true;
    }
    for (const NamedFolder& folder : kFolders) {
        if (name != folder.name) continue;
        if (FAILED(SHGetFolderPathW(nullptr, folder.csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
            return false;
        }
        *path = win::U16(buffer);
        return true;
    }
    return false;
}

}  // namespace uidriver
