#pragma once
// A fake machine with MetaTrader 4 terminals of both layouts on it.

#include <filesystem>
#include <string>

#include "base/text.h"
#include "tests/unit/os/fake_machine_fixture.h"

class TerminalMachineTest : public FakeMachineTest {
  protected:
    void MakeFolder(const os::Path& path) const { std::filesystem::create_directories(Host(path)); }

    // A classic terminal folder with the four entries, names as given.
    void MakeClassic(const os::Path& path, const char16_t* exe = u"terminal.exe",
                     const char16_t* experts = u"experts", const char16_t* sounds = u"sounds",
                     const char16_t* config = u"config") const {
        MakeFolder(path);
        if (exe) WriteHostFile(path + u"\\" + exe, "MZ");
        if (experts) MakeFolder(path + u"\\" + experts);
        if (sounds) MakeFolder(path + u"\\" + sounds);
        if (config) MakeFolder(path + u"\\" + config);
    }

    // A current terminal's installation folder: terminal.exe, metaeditor.exe, config, Sounds
    // and, when asked, the MQL4 tree it ships with.
    void MakeCurrentInstall(const os::Path& path, bool withMql4 = true) const {
        MakeFolder(path + u"\\config");
        MakeFolder(path + u"\\Sounds");
        WriteHostFile(path + u"\\terminal.exe", "MZ");
        WriteHostFile(path + u"\\metaeditor.exe", "MZ");
        if (withMql4) MakeFolder(path + u"\\MQL4\\Experts");
    }

    // The folders a data folder holds.
    void MakeDataTree(const os::Path& data) const {
        for (const char16_t* sub :
             {u"MQL4\\Experts", u"MQL4\\Indicators", u"MQL4\\Scripts", u"MQL4\\Libraries",
              u"MQL4\\Include", u"MQL4\\Files", u"MQL4\\Presets", u"MQL4\\Logs", u"MQL4\\Images",
              u"config", u"templates", u"profiles", u"logs", u"history"}) {
            MakeFolder(data + u"\\" + sub);
        }
    }

    // "origin.txt" as the terminal writes it: UTF-16LE with a byte-order mark.
    static std::string Origin(const os::Path& installFolder, bool byteOrderMark = true,
                              const char16_t* lineEnd = u"") {
        std::string bytes = byteOrderMark ? std::string("\xFF\xFE", 2) : std::string();
        for (char16_t unit : installFolder + lineEnd) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        return bytes;
    }

    // A data folder of `profile` (below C:\users) for the installation folder, with its tree.
    os::Path MakeDataFolder(const std::u16string& profile, const std::u16string& instanceId,
                            const os::Path& installFolder) const {
        const os::Path data =
            u"C:\\users\\" + profile + u"\\AppData\\Roaming\\MetaQuotes\\Terminal\\" + instanceId;
        MakeDataTree(data);
        WriteHostFile(data + u"\\origin.txt", Origin(installFolder));
        return data;
    }
};

// Instance ids: 32 hexadecimal digits.
inline constexpr char16_t kIdA[] = u"0123456789ABCDEF0123456789ABCDEF";
inline constexpr char16_t kIdB[] = u"FEDCBA9876543210FEDCBA9876543210";
inline constexpr char16_t kIdC[] = u"00112233445566778899aabbccddeeff";
