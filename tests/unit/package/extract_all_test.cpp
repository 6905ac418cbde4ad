// Installing a whole package on the fake machine: path macros, MetaTrader folders, shortcuts
// and "Install.log".
#include "base/text.h"
#include "package/install_log.h"
#include "tests/unit/package/package_fixture.h"

namespace {

struct Entry {
    std::u16string name;
    std::u16string destination;
    std::u16string shortcut = u"";
    std::u16string neverUninstall = u"";
    std::u16string autostart = u"";
    std::u16string parameters = u"";
};

const os::Path kProgramFiles = u"C:\\Program Files (x86)";
const os::Path kProduct = u"C:\\Program Files (x86)\\My Product";
const os::Path kGroup = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\My Group";
const os::Path kStartup =
    u"C:\\users\\tester\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
const os::Path kTemp = u"C:\\users\\tester\\Temp";
const os::Path kSetup = u"C:\\out\\setup.exe";

class ExtractAllTest : public PackageTest {
  protected:
    // Builds the setup from the entries; each file holds its own name.
    void Build(const std::vector<Entry>& entries) {
        CSelfExtractor writer;
        for (const Entry& e : entries) {
            MakeFile(sourceFolder_ + e.name, Content(e.name));
            ASSERT_TRUE(writer.AddFile(sourceFolder_ + e.name, e.destination, e.shortcut,
                                       e.parameters, u"", e.neverUninstall, e.autostart, u""));
        }
        writer.SetProjectInfo(u"Product", u"My Product", u"My Group", u"129", u"1.0.0.0", u"", u"",
                              u"", u"", u"");
        CreateSetup(writer, kSetup);
    }

    int32_t Install(const std::vector<os::Path>* metatrader = nullptr,
                    std::vector<Event>* events = nullptr) {
        installer_.SetModulePath(kSetup);
        return installer_.ExtractAll(kTemp, events ? RecordEvent : nullptr,
                                     reinterpret_cast<intptr_t>(events), metatrader);
    }

    static std::string Content(const std::u16string& name) {
        return "content of " + text::ToUtf8(name);
    }
    bool Installed(const os::Path& path, const std::u16string& name) const {
        return Read(path) == Content(name);
    }
    std::vector<std::u16string> Log() const {
        package::InstallLog log;
        EXPECT_TRUE(package::InstallLog::Read(kProduct + u"\\Install.log", &log));
        return log.Entries();
    }

    CSelfExtractor installer_;
};

TEST_F(ExtractAllTest, EveryMacroLeadsToItsFolder) {
    os::fake::SetKnownFolder(os::KnownFolder::SystemWindows, u"D:\\WINNT");
    Build({
        {u"app.txt", u"{app}\\"},
        {u"appsub.txt", u"{app}\\docs\\more\\"},
        {u"desk.txt", u"{desktop}\\"},
        {u"mydoc.txt", u"{mydocuments}\\Tessark\\"},
        {u"win.txt", u"{windir}\\"},
        {u"sys.txt", u"{winsysdir}\\"},
        {u"boot.txt", u"{bootdir}\\Tools\\"},
        {u"default.txt", u""},
        {u"absolute.txt", u"C:\\Absolute\\Folder\\"},
        {u"late.txt", u"x{desktop}\\"},
    });
    ASSERT_EQ(Install(), SFX_OK);
    EXPECT_TRUE(Installed(kProduct + u"\\app.txt", u"app.txt"));
    EXPECT_TRUE(Installed(kProduct + u"\\docs\\more\\appsub.txt", u"appsub.txt"));
    EXPECT_TRUE(Installed(u"C:\\users\\tester\\Desktop\\desk.txt", u"desk.txt"));
    EXPECT_TRUE(Installed(u"C:\\users\\tester\\Documents\\Tessark\\mydoc.txt", u"mydoc.txt"));
    EXPECT_TRUE(Installed(u"C:\\windows\\win.txt", u"win.txt"));
    EXPECT_TRUE(Installed(u"C:\\windows\\system32\\sys.txt", u"sys.txt"));
    EXPECT_TRUE(Installed(u"D:\\Tools\\boot.txt", u"boot.txt"));
    EXPECT_TRUE(Installed(kTemp + u"\\default.txt", u"default.txt"));
    EXPECT_TRUE(Installed(u"C:\\Absolute\\Folder\\absolute.txt", u"absolute.txt"));
    // A token after the first character still costs the destination its first k characters.
    EXPECT_TRUE(Installed(u"C:\\users\\tester\\Desktop}\\late.txt", u"late.txt"));
}

TEST_F(ExtractAllTest, DestinationWithoutFinalBackslashIsAFolder) {
    Build({{u"f.txt", u"{app}\\sub"}, {u"g.txt", u"{app}"}});
    ASSERT_EQ(Install(), SFX_OK);
    EXPECT_TRUE(Installed(kProduct + u"\\sub\\f.txt", u"f.txt"));
    EXPECT_TRUE(Installed(kProduct + u"\\g.txt", u"g.txt"));
}

TEST_F(ExtractAllTest, TwoMetaTraderFolders) {
    Build({
        {u"kept.set", u"{metatrader}\\experts\\presets\\", u"", u"Yes"},
        {u"Expert.ex4", u"{metatrader}\\experts\\"},
        {u"alert.wav", u"{metatrader}\\experts\\sounds\\"},
    });
    MakeFile(u"C:\\MT4 A\\terminal.exe", "");
    MakeFile(u"C:\\MT4 B\\terminal.exe", "");
    const std::vector<os::Path> folders = {u"C:\\MT4 A", u"C:\\MT4 B"};
    std::vector<Event> events;
    ASSERT_EQ(Install(&folders, &events), SFX_OK);

    for (const os::Path& mt : folders) {
        EXPECT_TRUE(Installed(mt + u"\\experts\\Expert.ex4", u"Expert.ex4"));
        EXPECT_TRUE(Installed(mt + u"\\experts\\sounds\\alert.wav", u"alert.wav"));
        EXPECT_TRUE(Installed(mt + u"\\experts\\presets\\kept.set", u"kept.set"));
    }
    // Every terminal's copy is listed, in folder order; each record completes once.
    EXPECT_EQ(Log(), (std::vector<std::u16string>{u"C:\\MT4 A\\experts\\sounds\\alert.wav",
                                                  u"C:\\MT4 B\\experts\\sounds\\alert.wav",
                                                  u"C:\\MT4 A\\experts\\Expert.ex4",
                                                  u"C:\\MT4 B\\experts\\Expert.ex4"}));
    const std::vector<Event> files = FileEventsOnly(events);
    ASSERT_EQ(files.size(), 6u);
    EXPECT_EQ(files[0].event, SFX_FILE_START);
    EXPECT_EQ(files[0].name, u"alert.wav");
    EXPECT_EQ(files[1].event, SFX_FILE_DONE);
    EXPECT_EQ(files[1].name, u"alert.wav");
    EXPECT_EQ(files[2].event, SFX_FILE_START);
    EXPECT_EQ(files[3].event, SFX_FILE_DONE);
    EXPECT_EQ(files[3].name, u"Expert.ex4");
}

TEST_F(ExtractAllTest, SoundsFolderIsMadeInEveryTerminal) {
    Build({{u"alert.wav", u"{metatrader}\\sounds\\"}});
    MakeFile(u"C:\\MT4 A\\terminal.exe", "");
    MakeFile(u"C:\\MT4 B\\terminal.exe", "");
    const std::vector<os::Path> folders = {u"C:\\MT4 A", u"C:\\MT4 B"};
    os::fake::ClearFaults();
    ASSERT_EQ(Install(&folders), SFX_OK);
    EXPECT_TRUE(Installed(u"C:\\MT4 A\\sounds\\alert.wav", u"alert.wav"));
    EXPECT_TRUE(Installed(u"C:\\MT4 B\\sounds\\alert.wav", u"alert.wav"));
}

TEST_F(ExtractAllTest, MetaTraderRecordWithoutFoldersFailsAlone) {
    Build({{u"Expert.ex4", u"{metatrader}\\experts\\"}, {u"app.txt", u"{app}\\"}});
    std::vector<Event> events;
    EXPECT_EQ(Install(nullptr, &events), SFX_ERR_WRITE);
    EXPECT_TRUE(Installed(kProduct + u"\\app.txt", u"app.txt"));
    EXPECT_FALSE(Exists(u"{metatrader}\\experts\\Expert.ex4"));
    EXPECT_FALSE(Exists(u"experts\\Expert.ex4"));
    // The failed record starts but never completes, and is not listed.
    const std::vector<Event> files = FileEventsOnly(events);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[2].event, SFX_FILE_START);
    EXPECT_EQ(files[2].name, u"Expert.ex4");
    EXPECT_EQ(Log(), std::vector<std::u16string>{kProduct + u"\\app.txt"});

    const std::vector<os::Path> none;
    EXPECT_EQ(Install(&none), SFX_ERR_WRITE);
}

TEST_F(ExtractAllTest, FailedKnownFolderQueries) {
    Build({{u"desk.txt", u"{desktop}\\"}, {u"app.txt", u"{app}\\", u"App"}});
    os::fake::FailKnownFolder(os::KnownFolder::Desktop);
    EXPECT_EQ(Install(), SFX_ERR_WRITE);
    EXPECT_TRUE(Installed(kProduct + u"\\app.txt", u"app.txt"));
    EXPECT_FALSE(Exists(u"}\\desk.txt"));
    EXPECT_FALSE(Exists(u"desk.txt"));

    // Without a Start Menu the files still install; only the shortcut is missing.
    os::fake::SetRoot(root_);
    Build({{u"app.txt", u"{app}\\", u"App"}});
    os::fake::FailKnownFolder(os::KnownFolder::CommonPrograms);
    EXPECT_EQ(Install(), SFX_OK);
    EXPECT_TRUE(Installed(kProduct + u"\\app.txt", u"app.txt"));
    // The first installation's shortcut is still on the machine, so the list keeps it.
    EXPECT_EQ(
        Log(),
        (std::vector<std::u16string>{
            kProduct + u"\\app.txt",
            u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\My Group\\App.lnk"}));
}

TEST_F(ExtractAllTest, ShortcutsAndTheirListing) {
    Build({
        {u"Readme.rtf", u"{app}\\", u"ReadMe"},
        {u"keep.dll", u"{app}\\", u"Keep", u"Yes"},
        {u"tool.exe", u"{app}\\", u"", u"", u"Yes", u"/start"},
        {u"named.exe", u"{app}\\", u"Run Me", u"", u"Yes", u"-q"},
        {u"plain.txt", u"{app}\\"},
    });
    ASSERT_EQ(Install(), SFX_OK);

    os::fake::Shortcut link;
    ASSERT_TRUE(os::fake::ReadShortcut(kGroup + u"\\ReadMe.lnk", &link));
    EXPECT_EQ(link.target, kProduct + u"\\Readme.rtf");
    EXPECT_EQ(link.description, u"Readme.rtf");
    // Autostart without a shortcut name is named after the file, extension included.
    ASSERT_TRUE(os::fake::ReadShortcut(kStartup + u"\\tool.exe.lnk", &link));
    EXPECT_EQ(link.target, kProduct + u"\\tool.exe");
    EXPECT_EQ(link.arguments, u"/start");
    EXPECT_FALSE(Exists(kGroup + u"\\tool.exe.lnk"));
    // With a name, the Start Menu and the Startup links share it.
    ASSERT_TRUE(os::fake::ReadShortcut(kGroup + u"\\Run Me.lnk", &link));
    EXPECT_EQ(link.arguments, u"-q");
    ASSERT_TRUE(os::fake::ReadShortcut(kStartup + u"\\Run Me.lnk", &link));
    EXPECT_EQ(link.target, kProduct + u"\\named.exe");

    // Never-uninstall files are not listed, their shortcuts are.
    EXPECT_EQ(Log(), (std::vector<std::u16string>{
                         kProduct + u"\\plain.txt",
                         kProduct + u"\\named.exe",
                         kGroup + u"\\Run Me.lnk",
                         kStartup + u"\\Run Me.lnk",
                         kProduct + u"\\tool.exe",
                         kStartup + u"\\tool.exe.lnk",
                         kGroup + u"\\Keep.lnk",
                         kProduct + u"\\Readme.rtf",
                         kGroup + u"\\ReadMe.lnk",
                     }));
}

TEST_F(ExtractAllTest, GroupFolderExistsWithoutShortcuts) {
    Build({{u"plain.txt", u""}});
    ASSERT_EQ(Install(), SFX_OK);
    EXPECT_EQ(os::GetPathKind(kGroup), os::PathKind::Folder);
}

TEST_F(ExtractAllTest, InstallLogBytesExactly) {
    Build({
        {u"a.txt", u"{app}\\", u"A"},
        {u"b.txt", u"{app}\\", u"", u"Yes", u"Yes"},
        {u"c.txt", u""},
    });
    ASSERT_EQ(Install(), SFX_OK);

    // The last record first. c.txt went into the temporary folder only, for the wizard: not
    // listed; the group folder made for it is. b.txt is never uninstalled: listed to be kept,
    // in the extension only.
    const std::u16string slots[] = {kStartup + u"\\b.txt.lnk", kProduct + u"\\a.txt",
                                    kGroup + u"\\A.lnk"};
    std::string expected;
    AppendI32(&expected, 3);
    for (const std::u16string& path : slots) {
        std::string slot;
        AppendUnits(&slot, path);
        slot.resize(520, '\0');
        expected += slot;
    }
    expected.resize(52004, '\0');
    expected += std::string("TSKLOG2\0", 8);
    AppendI32(&expected, 5);
    const std::pair<char, std::u16string> entries[] = {
        {2, kGroup}, {1, kProduct + u"\\b.txt"}, {0, slots[0]}, {0, slots[1]}, {0, slots[2]}};
    for (const auto& [kind, path] : entries) {
        expected += {kind, '\0', static_cast<char>(path.size()), '\0'};
        AppendUnits(&expected, path);
    }
    EXPECT_TRUE(Read(kProduct + u"\\Install.log") == expected);
}

TEST_F(ExtractAllTest, MoreThanAHundredEntries) {
    std::vector<Entry> entries;
    for (int i = 0; i < 60; ++i) {
        entries.push_back({u"f" + text::FromInt(i) + u".txt", u"{app}\\", u"S" + text::FromInt(i)});
    }
    Build(entries);
    ASSERT_EQ(Install(), SFX_OK);
    // Every entry is listed; the original part holds the first hundred.
    const std::vector<std::u16string> log = Log();
    ASSERT_EQ(log.size(), 120u);
    EXPECT_EQ(log[0], kProduct + u"\\f59.txt");
    EXPECT_EQ(log[99], kGroup + u"\\S10.lnk");
    EXPECT_EQ(log[119], kGroup + u"\\S0.lnk");
    const std::string bytes = Read(kProduct + u"\\Install.log");
    EXPECT_EQ(package::InstallLog::FromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), 52004)
                  .Entries(),
              std::vector<std::u16string>(log.begin(), log.begin() + 100));
    // Everything is installed all the same.
    EXPECT_TRUE(Installed(kProduct + u"\\f0.txt", u"f0.txt"));
    EXPECT_TRUE(Exists(kGroup + u"\\S0.lnk"));
}

TEST_F(ExtractAllTest, AnUpgradeKeepsTheEarlierFilesThatAreStillThere) {
    Build({{u"one.txt", u"{app}\\"}, {u"two.txt", u"{app}\\"}, {u"old.txt", u"{app}\\"}});
    ASSERT_EQ(Install(), SFX_OK);
    // The second version drops one.txt and old.txt; the user deleted old.txt meanwhile.
    ASSERT_TRUE(os::DeleteFile(kProduct + u"\\old.txt"));
    Build({{u"three.txt", u"{app}\\"}, {u"two.txt", u"{app}\\"}});
    ASSERT_EQ(Install(), SFX_OK);
    EXPECT_EQ(Log(),
              (std::vector<std::u16string>{kProduct + u"\\two.txt", kProduct + u"\\three.txt",
                                           kProduct + u"\\one.txt"}));
}

TEST_F(ExtractAllTest, ProgressEventsPerRecord) {
    // A file of several chunks so that extraction reports progress.
    MakeFile(sourceFolder_ + u"big.txt", PatternBytes(50000, 4));
    MakeFile(sourceFolder_ + u"b.txt", "b");
    CSelfExtractor writer;
    ASSERT_TRUE(writer.AddFile(sourceFolder_ + u"big.txt", u"", u"", u"", u"", u"", u"", u""));
    ASSERT_TRUE(writer.AddFile(sourceFolder_ + u"b.txt", u"", u"", u"", u"", u"", u"", u""));
    CreateSetup(writer, kSetup);

    std::vector<Event> events;
    ASSERT_EQ(Install(nullptr, &events), SFX_OK);
    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ(events[0].event, SFX_FILE_START);
    EXPECT_EQ(events[0].name, u"b.txt");
    size_t i = 1;
    while (i < events.size() && events[i].event == SFX_PROGRESS) ++i;
    ASSERT_LT(i, events.size());
    EXPECT_EQ(events[i].event, SFX_FILE_DONE);
    EXPECT_EQ(events[i + 1].event, SFX_FILE_START);
    EXPECT_EQ(events[i + 1].name, u"big.txt");
    EXPECT_EQ(events.back().event, SFX_FILE_DONE);
    int progress = 0;
    for (size_t k = i + 2; k + 1 < events.size(); ++k) {
        EXPECT_EQ(events[k].event, SFX_PROGRESS);
        EXPECT_GE(events[k].percent, 0);
        EXPECT_LE(events[k].percent, 100);
        ++progress;
    }
    EXPECT_GT(progress, 1);
}

TEST_F(ExtractAllTest, CodesOfTheReaderPassThrough) {
    installer_.SetModulePath(u"C:\\out\\missing.exe");
    EXPECT_EQ(installer_.ExtractAll(kTemp, nullptr, 0, nullptr), SFX_ERR_OPEN);
    MakeFile(u"C:\\out\\plain.exe", StubBytes());
    installer_.SetModulePath(u"C:\\out\\plain.exe");
    EXPECT_EQ(installer_.ExtractAll(kTemp, nullptr, 0, nullptr), SFX_ERR_SIGNATURE);
    EXPECT_FALSE(Exists(kProduct + u"\\Install.log"));
}

}  // namespace
