#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"
#include "package/self_extractor.h"
#include "tests/unit/cli/cli_fixture.h"

namespace {

// Builds the sample project's setup once per test and reads its package in this process.
class PackageCommandsTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        MakeSampleProject();
        RunOk({"build", "p.eas", "--stub", "stub.exe"});
        ASSERT_EQ(reader_.ReadTrailer(text::FromUtf8(Path("out/Setup.exe"))), SFX_OK);
    }
    CSelfExtractor reader_;
};

std::string Shown(const std::u16string& text) {
    return text.empty() ? "-" : text::ToUtf8(text);
}

TEST_F(PackageCommandsTest, ListShowsWhatThePackageHolds) {
    const std::vector<std::string> lines = Lines(RunOk({"list", "out/Setup.exe"}).out);
    ASSERT_EQ(lines.size(), 33u);
    ASSERT_EQ(lines[0], "Project strings:");
    const char* names[] = {"productName", "productDirectory", "startMenuGroup",   "builderVersion",
                           "versionText", "publisher",        "publisherAddress", "productUrl",
                           "contactName", "contactEmail"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Cells(lines[1 + i]),
                  (std::vector<std::string>{
                      names[i], Shown(reader_.GetProjectStrings().*kProjectStringFields[i])}));
    }
    EXPECT_EQ(lines[11], "Expert options:");
    EXPECT_EQ(Cells(lines[12]), (std::vector<std::string>{"enableExperts", "1 (on)"}));
    EXPECT_EQ(Cells(lines[17]), (std::vector<std::string>{"allowDllImports", "0 (off)"}));
    EXPECT_EQ(lines[20], "Files (11):");
    EXPECT_EQ(Cells(lines[21]),
              (std::vector<std::string>{"#", "Name", "Destination", "Shortcut", "Parameters",
                                        "Flags", "Size", "Packed", "Offset"}));
    for (int i = 0; i < reader_.GetFileCount(); ++i) {
        const FileRecord& r = *reader_.GetFileRecord(i);
        const std::string flags = i == 10 ? "postExecute" : "-";
        EXPECT_EQ(Cells(lines[22 + i]),
                  (std::vector<std::string>{
                      std::to_string(i), Shown(r.name), Shown(r.destination), Shown(r.shortcut),
                      Shown(r.parameters), flags, std::to_string(r.uncompressedSize),
                      std::to_string(r.compressedSize), std::to_string(r.offset)}))
            << lines[22 + i];
    }
    EXPECT_EQ(Cells(lines[32])[3], "Cross Manual");
    EXPECT_EQ(Cells(lines[32])[4], "/view");
}

TEST_F(PackageCommandsTest, ExtractWritesAllOrTheChosenFiles) {
    RunOk({"extract", "out/Setup.exe", "all/deeper"});
    EXPECT_EQ(Read("all/deeper/Manual.txt"), Read("src/Manual.txt"));
    EXPECT_EQ(Read("all/deeper/License.rtf"), Read("src/license.rtf"));
    EXPECT_EQ(Read("all/deeper/setup.ico"), Read("art/setup.ico"));

    const CommandOutcome some = RunOk({"extract", "out/Setup.exe", "some", "5", "9"});
    EXPECT_EQ(some.out, "5  Cross.ex4\n9  math.dll\n");
    EXPECT_EQ(Read("some/Cross.ex4"), "expert advisor");
    EXPECT_FALSE(Exists("some/Bands.ex4"));

    CommandOutcome bad = Run({"extract", "out/Setup.exe", "some", "11"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "tessark: out/Setup.exe has no file 11 (its files are 0 to 10)\n");
    bad = Run({"extract", "out/Setup.exe", "some", "two"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err.rfind("tessark extract: not a file index: two", 0), 0u);
}

TEST_F(PackageCommandsTest, VerifyAcceptsTheBuiltSetupAndFindsDamage) {
    const CommandOutcome sound = RunOk({"verify", "out/Setup.exe"});
    EXPECT_EQ(Lines(sound.out).size(), 12u);
    EXPECT_EQ(Lines(sound.out).back(), "out/Setup.exe is sound: 11 files checked");

    // One byte changed inside the manual's stream.
    std::string bytes = Read("out/Setup.exe");
    const FileRecord& manual = *reader_.GetFileRecord(10);
    bytes[manual.offset + manual.compressedSize / 2] ^= 0x55;
    Write("bad.exe", bytes);
    CommandOutcome damaged = Run({"verify", "bad.exe"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("DAMAGED  10  Manual.txt: "), std::string::npos) << damaged.out;
    EXPECT_NE(damaged.out.find("ok       9  math.dll"), std::string::npos);
    EXPECT_EQ(damaged.err, "tessark: bad.exe is not sound: 1 problems found\n");

    // Bytes inserted between two streams.
    bytes = Read("out/Setup.exe");
    const FileRecord& dll = *reader_.GetFileRecord(9);
    bytes.insert(static_cast<size_t>(dll.offset), "junk");
    Write("shifted.exe", bytes);
    damaged = Run({"verify", "shifted.exe"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("DAMAGED  9  math.dll"), std::string::npos) << damaged.out;
}

TEST_F(PackageCommandsTest, FilesThatAreNoSetupsAreToldApart) {
    const std::string setup = Read("out/Setup.exe");
    Write("plain.exe", "MZ just a program");
    Write("appended.exe", setup + "signed afterwards");
    Write("cut.exe", setup.substr(setup.size() - 100));
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"plain.exe", "tessark: plain.exe is not a setup executable (no package at its end)\n"},
        {"appended.exe",
         "tessark: appended.exe is not a setup executable (no package at its end)\n"},
        {"cut.exe",
         "tessark: the package of cut.exe is damaged: its trailer does not hold together\n"},
        {"gone.exe", "tessark: cannot open gone.exe: "},
        {"out", "tessark: out is a folder\n"},
    };
    for (const auto& item : cases) {
        for (const char* command : {"list", "verify", "extract"}) {
            std::vector<std::string> args = {command, item.file};
            if (std::string(command) == "extract") args.push_back("into");
            const CommandOutcome outcome = Run(args);
            EXPECT_EQ(outcome.status, 1) << command << " " << item.file;
            EXPECT_EQ(outcome.err.rfind(item.message, 0), 0u) << outcome.err;
            EXPECT_EQ(outcome.out, "");
        }
    }
    EXPECT_FALSE(Exists("into"));
}

}  // namespace
