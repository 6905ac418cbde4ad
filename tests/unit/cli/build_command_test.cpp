#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"
#include "package/self_extractor.h"
#include "tests/unit/cli/cli_fixture.h"

namespace {

using BuildCommandTest = CliTest;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(BuildCommandTest, BuildsTheProjectsTargetFromItsOwnFolder) {
    MakeSampleProject();
    // Run from another folder: every relative path of the project is the project's own.
    Write("elsewhere/.keep", "");
    const CommandOutcome outcome =
        RunOk({"build", "../p.eas", "--stub", "../stub.exe"}, "elsewhere");
    EXPECT_EQ(outcome.err, "");
    const std::vector<std::string> lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), 13u) << outcome.out;
    EXPECT_EQ(lines[0].rfind("Adding ", 0), 0u);
    EXPECT_EQ(lines[0], "Adding ../art/setup.ico");
    EXPECT_EQ(lines[5], "Adding ../src/Cross.ex4");
    EXPECT_EQ(lines[10], "Adding ../src/Manual.txt");
    EXPECT_EQ(lines[11], "Done.");
    EXPECT_EQ(lines[12], "Setup file ../out/Setup.exe has been created successfully.");
    EXPECT_EQ(outcome.out.find('\r'), std::string::npos);  // no progress bar into a file

    const std::string setup = Read("out/Setup.exe");
    EXPECT_EQ(setup.rfind("MZ stand-in installer", 0), 0u);
    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(text::FromUtf8(Path("out/Setup.exe"))), SFX_OK);
    ASSERT_EQ(reader.GetFileCount(), 11);
    EXPECT_EQ(reader.GetFileRecord(0)->name, u"setup.ico");
    EXPECT_EQ(reader.GetFileRecord(2)->destination, u"{app}\\");  // a license text
    EXPECT_EQ(reader.GetFileRecord(3)->destination, u"");         // no readme text
    EXPECT_EQ(reader.GetFileRecord(10)->shortcut, u"Cross Manual");
    EXPECT_EQ(reader.GetProjectStrings().builderVersion, u"129");
    EXPECT_EQ(reader.GetProjectStrings().versionText, u"2.1.0.15");
    EXPECT_EQ(reader.GetExpertOptions().allowDllImports, 0);

    // The command's temporary files go with it.
    EXPECT_TRUE(TemporaryLeftovers().empty());
}

TEST_F(BuildCommandTest, DashOTakesThePathFromTheCurrentFolder) {
    MakeSampleProject();
    RunOk({"build", "p.eas", "-o", "Other.exe", "--stub", "stub.exe"});
    EXPECT_TRUE(Exists("Other.exe"));
    EXPECT_FALSE(Exists("out/Setup.exe"));
}

TEST_F(BuildCommandTest, OnATerminalABarShowsBytesAndPercentage) {
    MakeSampleProject();
    const CommandOutcome outcome = Run({"build", "p.eas", "--stub", "stub.exe"}, "", true);
    if (outcome.status == kNoTerminal) GTEST_SKIP() << "this machine offers no pseudo-terminal";
    EXPECT_EQ(outcome.status, 0) << outcome.out;
    EXPECT_TRUE(Has(outcome.out, "Adding src/Manual.txt")) << outcome.out;
    EXPECT_TRUE(Has(outcome.out, "\r[")) << outcome.out;
    // Every byte of the sources: the three texts, the pictures and the six files.
    int64_t total = 0;
    for (const char* file :
         {"art/setup.ico", "art/banner.jpg", "src/license.rtf", "src/Cross.ex4", "src/Bands.ex4",
          "src/Close.ex4", "src/alert.wav", "src/math.dll", "src/Manual.txt"}) {
        total += static_cast<int64_t>(Read(file).size());
    }
    const std::string full = "[" + std::string(30, '#') + "]  " + std::to_string(total) + " of " +
                             std::to_string(total) + " bytes  100%";
    EXPECT_TRUE(Has(outcome.out, full)) << outcome.out;
    EXPECT_TRUE(Has(outcome.out, " bytes  0%")) << outcome.out;
}

TEST_F(BuildCommandTest, AFailedBuildSaysWhyAndWritesNoSetup) {
    MakeSampleProject();
    const struct {
        std::vector<std::string> setup;  // a change made before the build
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, {"build", "p.eas", "--stub", "gone.exe"}, "tessark: cannot open gone.exe: "},
        {{"set", "p.eas", "targetFile", ""},
         {"build", "p.eas", "--stub", "stub.exe"},
         "tessark: You need to select an output Exe before you can create the SFX (give -o "
         "SETUP.exe, or set the project's targetFile)\n"},
        {{"set", "p.eas", "iconPath", "art/gone.ico"},
         {"build", "p.eas", "--stub", "stub.exe"},
         "tessark: The icon file art/gone.ico cannot be opened: "},
        {{"set", "p.eas", "targetFile", "no/such/folder/Setup.exe"},
         {"build", "p.eas", "--stub", "stub.exe"},
         "tessark: Unknown Error: The setup file no/such/folder/Setup.exe could not be "
         "written.\n"},
        {{}, {"build", "stub.exe", "--stub", "stub.exe"}, "tessark: stub.exe is not a Tessark "},
        {{},
         {"build", "p.eas", "-o", "p.eas", "--stub", "stub.exe"},
         "tessark: the setup file would replace the project file p.eas\n"},
        {{"set", "p.eas", "targetFile", "src/Manual.txt"},
         {"build", "p.eas", "--stub", "stub.exe"},
         "tessark: The setup file src/Manual.txt is also one of the files to pack"},
    };
    const std::string project = Read("p.eas");
    for (const auto& item : cases) {
        Write("p.eas", project);
        if (!item.setup.empty()) RunOk(item.setup);
        const CommandOutcome outcome = Run(item.args);
        EXPECT_EQ(outcome.status, 1) << item.message;
        EXPECT_EQ(outcome.err.rfind(item.message, 0), 0u) << outcome.err;
        EXPECT_EQ(Lines(outcome.err).size(), 1u) << outcome.err;
        EXPECT_FALSE(Exists("out/Setup.exe"));
        EXPECT_EQ(Read("src/Manual.txt"), std::string(50000, 'm'));
        EXPECT_EQ(Read("p.eas").size(), 191824u);
        EXPECT_TRUE(TemporaryLeftovers().empty());
    }

    // A user file gone since it was added stops the build rather than go missing from it.
    Write("p.eas", project);
    std::filesystem::remove(Path("src/alert.wav"));
    const CommandOutcome outcome = Run({"build", "p.eas", "--stub", "stub.exe"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err.rfind("tessark: The file src/alert.wav cannot be opened: ", 0), 0u)
        << outcome.err;
    EXPECT_FALSE(Exists("out/Setup.exe"));
}

TEST_F(BuildCommandTest, TheCarriedInstallerAndPicturesAreUsedWhenTheCommandHasThem) {
    MakeSampleProject();
    RunOk({"set", "p.eas", "iconPath", ""});
    RunOk({"set", "p.eas", "bannerPath", ""});
    const CommandOutcome outcome = Run({"build", "p.eas"});
#if TESSARK_EMBEDS_STUB && TESSARK_EMBEDS_ICON && TESSARK_EMBEDS_BANNER
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(Read("out/Setup.exe").rfind("MZ", 0), 0u);
    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(text::FromUtf8(Path("out/Setup.exe"))), SFX_OK);
    EXPECT_EQ(reader.GetFileRecord(0)->name, u"project.ico");
    EXPECT_EQ(reader.GetFileRecord(1)->name, u"banner.jpg");
#elif !TESSARK_EMBEDS_STUB
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err,
              "tessark: this tessark carries no installer program (extractor.exe was not built "
              "with it); give one with --stub EXTRACTOR.exe\n");
#endif
#if TESSARK_EMBEDS_ICON && TESSARK_EMBEDS_BANNER
    // The built-in icon is a single-image icon file: header, one entry, the image at 22.
    ASSERT_EQ(Run({"build", "p.eas", "--stub", "stub.exe"}).status, 0);
    RunOk({"extract", "out/Setup.exe", "x", "0", "1"});
    const std::string icon = Read("x/project.ico");
    ASSERT_GT(icon.size(), 22u);
    EXPECT_EQ(icon.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
    EXPECT_EQ(icon.substr(18, 4), std::string("\x16\0\0\0", 4));
    EXPECT_EQ(Read("x/banner.jpg").substr(0, 2), "\xFF\xD8");
#else
    const CommandOutcome without = Run({"build", "p.eas", "--stub", "stub.exe"});
    EXPECT_EQ(without.status, 1);
    EXPECT_TRUE(Has(without.err, "There is no built-in")) << without.err;
#endif
}

}  // namespace
