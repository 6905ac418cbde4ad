#include "installer/terminal_folders.h"

#include "tests/unit/installer/terminal_machine.h"

namespace {

using installer::TerminalFolder;
using installer::TerminalLayout;
using installer::TerminalTarget;

class TerminalFoldersTest : public TerminalMachineTest {
  protected:
    TerminalTarget Classic() const {
        return installer::OwnFolderTerminal(TerminalLayout::Classic, u"C:\\MT4");
    }
    TerminalTarget Current() const {
        TerminalTarget target;
        target.layout = TerminalLayout::Current;
        target.installFolder = u"C:\\Program Files\\MT4";
        target.dataFolder = u"C:\\users\\anna\\AppData\\Roaming\\MetaQuotes\\Terminal\\ID";
        return target;
    }
    TerminalTarget Portable() const {
        return installer::OwnFolderTerminal(TerminalLayout::Portable, u"D:\\Portable");
    }
};

// Every destination the builder writes: the five categories, then the ten of the File
// Properties list (which come without the final backslash).
TEST_F(TerminalFoldersTest, EveryDestinationOfTheBuilderMapsOntoEachLayout) {
    const os::Path data = Current().dataFolder;
    const os::Path install = Current().installFolder;
    const struct {
        const char16_t* destination;
        os::Path classic;
        os::Path current;
        os::Path portable;
    } table[] = {
        {u"{metatrader}\\experts\\", u"C:\\MT4\\experts\\", data + u"\\MQL4\\Experts\\",
         u"D:\\Portable\\MQL4\\Experts\\"},
        {u"{metatrader}\\experts\\indicators\\", u"C:\\MT4\\experts\\indicators\\",
         data + u"\\MQL4\\Indicators\\", u"D:\\Portable\\MQL4\\Indicators\\"},
        {u"{metatrader}\\experts\\scripts\\", u"C:\\MT4\\experts\\scripts\\",
         data + u"\\MQL4\\Scripts\\", u"D:\\Portable\\MQL4\\Scripts\\"},
        {u"{metatrader}\\experts\\sounds\\", u"C:\\MT4\\sounds\\", install + u"\\Sounds\\",
         u"D:\\Portable\\Sounds\\"},
        {u"{metatrader}\\experts\\libraries\\", u"C:\\MT4\\experts\\libraries\\",
         data + u"\\MQL4\\Libraries\\", u"D:\\Portable\\MQL4\\Libraries\\"},
        {u"{metatrader}\\experts", u"C:\\MT4\\experts\\", data + u"\\MQL4\\Experts\\",
         u"D:\\Portable\\MQL4\\Experts\\"},
        {u"{metatrader}\\experts\\files", u"C:\\MT4\\experts\\files\\", data + u"\\MQL4\\Files\\",
         u"D:\\Portable\\MQL4\\Files\\"},
        {u"{metatrader}\\experts\\include", u"C:\\MT4\\experts\\include\\",
         data + u"\\MQL4\\Include\\", u"D:\\Portable\\MQL4\\Include\\"},
        {u"{metatrader}\\experts\\indicators", u"C:\\MT4\\experts\\indicators\\",
         data + u"\\MQL4\\Indicators\\", u"D:\\Portable\\MQL4\\Indicators\\"},
        {u"{metatrader}\\experts\\libraries", u"C:\\MT4\\experts\\libraries\\",
         data + u"\\MQL4\\Libraries\\", u"D:\\Portable\\MQL4\\Libraries\\"},
        {u"{metatrader}\\experts\\logs", u"C:\\MT4\\experts\\logs\\", data + u"\\MQL4\\Logs\\",
         u"D:\\Portable\\MQL4\\Logs\\"},
        {u"{metatrader}\\experts\\presets", u"C:\\MT4\\experts\\presets\\",
         data + u"\\MQL4\\Presets\\", u"D:\\Portable\\MQL4\\Presets\\"},
        {u"{metatrader}\\experts\\samples", u"C:\\MT4\\experts\\samples\\",
         data + u"\\MQL4\\Experts\\samples\\", u"D:\\Portable\\MQL4\\Experts\\samples\\"},
        {u"{metatrader}\\experts\\scripts", u"C:\\MT4\\experts\\scripts\\",
         data + u"\\MQL4\\Scripts\\", u"D:\\Portable\\MQL4\\Scripts\\"},
        {u"{metatrader}\\experts\\templates", u"C:\\MT4\\experts\\templates\\",
         data + u"\\templates\\", u"D:\\Portable\\templates\\"},
        // Beyond the builder's lists: deeper folders keep their path, other folders sit below
        // the data folder, the old top-level sounds folder is the installation's.
        {u"{metatrader}\\experts\\include\\Vendor\\Lib\\",
         u"C:\\MT4\\experts\\include\\Vendor\\Lib\\", data + u"\\MQL4\\Include\\Vendor\\Lib\\",
         u"D:\\Portable\\MQL4\\Include\\Vendor\\Lib\\"},
        {u"{metatrader}\\Experts\\Images\\", u"C:\\MT4\\Experts\\Images\\",
         data + u"\\MQL4\\Images\\", u"D:\\Portable\\MQL4\\Images\\"},
        {u"{metatrader}\\sounds\\", u"C:\\MT4\\sounds\\", install + u"\\Sounds\\",
         u"D:\\Portable\\Sounds\\"},
        {u"{metatrader}\\profiles\\default\\", u"C:\\MT4\\profiles\\default\\",
         data + u"\\profiles\\default\\", u"D:\\Portable\\profiles\\default\\"},
        {u"{metatrader}", u"C:\\MT4\\", data + u"\\", u"D:\\Portable\\"},
    };
    for (const auto& row : table) {
        const std::u16string destination = row.destination;
        const std::string what = text::ToUtf8(destination);
        EXPECT_EQ(TerminalFolder(Classic(), destination), row.classic) << what;
        EXPECT_EQ(TerminalFolder(Current(), destination), row.current) << what;
        EXPECT_EQ(TerminalFolder(Portable(), destination), row.portable) << what;
    }
}

TEST_F(TerminalFoldersTest, FoldersThatExistKeepTheirSpelling) {
    MakeFolder(u"C:\\MT4\\SOUNDS");
    MakeFolder(Current().dataFolder + u"\\mql4\\indicators");
    EXPECT_EQ(TerminalFolder(Classic(), u"{metatrader}\\experts\\sounds\\"), u"C:\\MT4\\SOUNDS\\");
    EXPECT_EQ(TerminalFolder(Current(), u"{metatrader}\\experts\\indicators\\"),
              Current().dataFolder + u"\\mql4\\indicators\\");
    // A classic terminal given with a trailing backslash, as the folder browser may return it,
    // keeps the package's path exactly as before.
    const TerminalTarget root = installer::OwnFolderTerminal(TerminalLayout::Classic, u"E:\\");
    EXPECT_EQ(TerminalFolder(root, u"{metatrader}\\experts\\"), u"E:\\\\experts\\");
}

}  // namespace
