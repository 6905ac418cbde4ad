#include "builder/ui/win/builder_settings.h"

#include <windows.h>

#include "base/text.h"
#include "builder/ui/project_paths.h"
#include "widgets/win/handle.h"
#include "widgets/win/wide.h"

namespace settings {

namespace {

const wchar_t kRecentKey[] = L"Software\\Tessark\\Recent File List";
const wchar_t kSettingsKey[] = L"Software\\Tessark\\Settings";

std::u16string ReadText(const wchar_t* key, const std::u16string& name) {
    win::RegKey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, opened.put()) != ERROR_SUCCESS) {
        return {};
    }
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(opened.get(), win::W(name), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || bytes == 0) {
        return {};
    }
    std::u16string value(bytes / sizeof(char16_t) + 1, u'\0');
    if (RegQueryValueExW(opened.get(), win::W(name), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&value[0]), &bytes) != ERROR_SUCCESS) {
        return {};
    }
    // The stored text may or may not carry its terminator.
    value.resize(bytes / sizeof(char16_t));
    while (!value.empty() && value.back() == u'\0') value.pop_back();
    return value;
}

std::u16string RecentName(size_t index) {
    return u"File" + text::FromInt(static_cast<int64_t>(index) + 1);
}

}  // namespace

std::vector<std::u16string> RecentFiles() {
    std::vector<std::u16string> files;
    for (size_t i = 0; i < ui::kRecentFileCount; ++i) {
        std::u16string path = ReadText(kRecentKey, RecentName(i));
        if (!path.empty()) files.push_back(std::move(path));
    }
    return files;
}

void AddRecentFile(const std::u16string& path) {
    const std::vector<std::u16string> files = ui::WithRecentFile(RecentFiles(), path);
    win::RegKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRecentKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS) {
        return;  // the list is a convenience; the project itself is unaffected
    }
    for (size_t i = 0; i < ui::kRecentFileCount; ++i) {
        const std::u16string name = RecentName(i);
        if (i < files.size()) {
            RegSetValueExW(key.get(), win::W(name), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(files[i].c_str()),
                           static_cast<DWORD>((files[i].size() + 1) * sizeof(char16_t)));
        } else {
            RegDeleteValueW(key.get(), win::W(name));
        }
    }
}

std::u16string UpdateUrl() {
    return ReadText(kSettingsKey, u"UpdateUrl");
}

}  // namespace settings
