#include <gtest/gtest.h>

#include "base/text.h"
#include "builder/project/project_record.h"
#include "tests/unit/cli/cli_fixture.h"

namespace {

using project::CategoryId;
using project::OptionState;

class ProjectCommandsTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        RunOk({"new", "p.eas"});
        Write("a.ex4", "a");
    }
    // Runs a command that must fail with `status`, leave the project as it was, and say
    // `message` (a part of its one line).
    void ExpectRefused(const std::vector<std::string>& args, int status,
                       const std::string& message) {
        const std::string before = Read("p.eas");
        const CommandOutcome outcome = Run(args);
        EXPECT_EQ(outcome.status, status) << outcome.err;
        EXPECT_NE(outcome.err.find(message), std::string::npos) << outcome.err;
        EXPECT_EQ(Lines(outcome.err).size(), 1u) << outcome.err;
        EXPECT_EQ(Read("p.eas"), before);
    }
};

TEST_F(ProjectCommandsTest, NewWritesTheNewProjectValuesAndKeepsAnExistingFile) {
    EXPECT_EQ(Read("p.eas").size(), project::record::kRecordSize);
    const project::ProjectModel model = LoadProject("p.eas");
    EXPECT_EQ(model.productName, u"New Project");
    EXPECT_EQ(model.productDirectory, u"Tessark Project");
    EXPECT_EQ(model.startMenuGroup, u"Tessark Project");
    EXPECT_EQ(model.expertOptions[project::kAskManualConfirmation], OptionState::Off);
    EXPECT_EQ(model.expertOptions[project::kAllowExternalImports], OptionState::On);

    Write("keep.eas", "someone's file");
    const CommandOutcome refused = Run({"new", "keep.eas"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "tessark: keep.eas exists already; give --force to replace it\n");
    EXPECT_EQ(Read("keep.eas"), "someone's file");
    RunOk({"new", "keep.eas", "--force"});
    EXPECT_EQ(Read("keep.eas"), Read("p.eas"));
}

TEST_F(ProjectCommandsTest, SetChangesEachKindOfField) {
    RunOk({"set", "p.eas", "productName", "Moving Cross"});
    RunOk({"set", "p.eas", "productUrl", "https://www.example.com/cross"});
    RunOk({"set", "p.eas", "version", "3.02.0.1999"});
    RunOk({"set", "p.eas", "confirmDllCalls", "2"});
    RunOk({"set", "p.eas", "targetFile", "out/Setup.exe"});
    RunOk({"set", "p.eas", "publisher", "--", "-Dash Trading-"});
    Write("license.rtf", "{\\rtf1\\ansi Caf\xE9 license\\par}");
    RunOk({"set", "p.eas", "licenseRtf", "license.rtf"});
    project::ProjectModel model = LoadProject("p.eas");
    EXPECT_EQ(model.productName, u"Moving Cross");
    EXPECT_EQ(model.productUrl, u"https://www.example.com/cross");
    EXPECT_EQ(model.version, (std::array<std::u16string, 4>{u"3", u"2", u"0", u"1999"}));
    EXPECT_EQ(model.expertOptions[project::kConfirmDllCalls], OptionState::NoChange);
    EXPECT_EQ(model.targetFile, u"out/Setup.exe");
    EXPECT_EQ(model.publisher, u"-Dash Trading-");
    // A code page byte is kept as the escape RTF writes for it.
    EXPECT_EQ(model.licenseRtf, u"{\\rtf1\\ansi Caf\\'e9 license\\par}");

    RunOk({"set", "p.eas", "licenseRtf", ""});
    RunOk({"set", "p.eas", "targetFile", ""});
    model = LoadProject("p.eas");
    EXPECT_EQ(model.licenseRtf, u"");
    EXPECT_EQ(model.targetFile, u"");
}

TEST_F(ProjectCommandsTest, SetRefusesBadValuesAndLeavesTheProjectAlone) {
    ExpectRefused({"set", "p.eas", "productColour", "red"}, 2, "unknown field productColour");
    ExpectRefused({"set", "p.eas", "productName", std::string(64, 'n')}, 1,
                  "productName is too long: 64 characters, at most 63");
    ExpectRefused({"set", "p.eas", "productUrl", std::string(128, 'u')}, 1, "at most 127");
    ExpectRefused({"set", "p.eas", "iconPath", std::string(260, 'i')}, 1, "at most 259");
    for (const char* version :
         {"1.2.3", "1.2.3.4.5", "1..3.4", "1.2.3.x", "-1.0.0.0", "1.2.3.2147483648", ""}) {
        ExpectRefused({"set", "p.eas", "version", "--", version}, 1,
                      "version takes four numbers such as 1.2.3.4");
    }
    for (const char* state : {"3", "on", "", "11"}) {
        ExpectRefused({"set", "p.eas", "enableExperts", state}, 1,
                      "enableExperts takes 0 (off), 1 (on) or 2 (no change)");
    }
    Write("plain.txt", "not rtf");
    ExpectRefused({"set", "p.eas", "readmeRtf", "plain.txt"}, 1,
                  "plain.txt is not an RTF document");
    ExpectRefused({"set", "p.eas", "readmeRtf", "gone.rtf"}, 1, "cannot open gone.rtf");
    Write("huge.rtf", "{\\rtf1 " + std::string(20240, 'x') + "}");
    ExpectRefused({"set", "p.eas", "readmeRtf", "huge.rtf"}, 1,
                  "readmeRtf is too long: 20248 characters of RTF, at most 20239");
}

TEST_F(ProjectCommandsTest, OnlyWholeProjectFilesAreOpened) {
    for (const auto& command :
         std::vector<std::vector<std::string>>{{"show", "x.eas"},
                                               {"set", "x.eas", "productName", "X"},
                                               {"add", "x.eas", "0", "a.ex4"}}) {
        Write("x.eas", "short");
        CommandOutcome outcome = Run(command);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err,
                  "tessark: x.eas is not a Tessark project (a project file is 191824 bytes, this "
                  "one 5)\n");
        EXPECT_EQ(Read("x.eas"), "short");
    }
    const CommandOutcome missing = Run({"show", "missing.eas"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("tessark: cannot open missing.eas: ", 0), 0u) << missing.err;
}

TEST_F(ProjectCommandsTest, ShowListsFieldsByTheirSetNamesAndTheFiles) {
    RunOk({"set", "p.eas", "productName", "Moving Cross"});
    RunOk({"add", "p.eas", "scripts", "a.ex4"});
    RunOk({"add", "p.eas", "other", "a.ex4"});
    const std::vector<std::string> lines = Lines(RunOk({"show", "p.eas"}).out);
    const auto find = [&lines](const std::string& start) {
        for (const std::string& line : lines) {
            if (line.rfind(start, 0) == 0) return line;
        }
        return std::string("(no line " + start + ")");
    };
    EXPECT_EQ(Cells(find("productName")),
              (std::vector<std::string>{"productName", "Moving Cross"}));
    EXPECT_EQ(Cells(find("version")), (std::vector<std::string>{"version", "1.0.0.0"}));
    EXPECT_EQ(Cells(find("askManualConfirmation")),
              (std::vector<std::string>{"askManualConfirmation", "0 (off)"}));
    EXPECT_EQ(Cells(find("licenseRtf")), (std::vector<std::string>{"licenseRtf", "-"}));
    EXPECT_EQ(find("scripts"), "scripts (1)");
    EXPECT_EQ(find("other"), "other (1)");
    EXPECT_EQ(find("    destination="),
              "    destination={app} shortcut=\"\" parameters=\"\" onlyIfNewer=0 "
              "neverUninstall=0 autostart=0 postExecute=0");
}

TEST_F(ProjectCommandsTest, AddAndRemoveKeepEachCategoryInOrder) {
    for (const char* name : {"b.ex4", "c.ex4", "sub/d.ex4"}) Write(name, name);
    RunOk({"add", "p.eas", "experts", "a.ex4", "b.ex4"});
    RunOk({"add", "p.eas", "4", "sub/d.ex4"});
    const CommandOutcome again = RunOk({"add", "p.eas", "experts", "a.ex4", "c.ex4"});
    EXPECT_EQ(again.out, "a.ex4 is already in experts\n");
    project::ProjectModel model = LoadProject("p.eas");
    EXPECT_EQ(model.paths[0], (std::vector<std::u16string>{u"a.ex4", u"b.ex4", u"c.ex4"}));
    EXPECT_EQ(model.paths[static_cast<int>(CategoryId::DllFiles)],
              std::vector<std::u16string>{u"sub/d.ex4"});

    RunOk({"remove", "p.eas", "experts", "b.ex4"});
    model = LoadProject("p.eas");
    EXPECT_EQ(model.paths[0], (std::vector<std::u16string>{u"a.ex4", u"c.ex4"}));
    ExpectRefused({"remove", "p.eas", "experts", "c.ex4", "b.ex4"}, 1,
                  "b.ex4 is not in experts; nothing was removed");
    ExpectRefused({"remove", "p.eas", "sounds", "a.ex4"}, 1, "a.ex4 is not in sounds");
}

TEST_F(ProjectCommandsTest, AddRefusesMissingFilesAndAnEleventhFileWithoutSavingAny) {
    ExpectRefused({"add", "p.eas", "experts", "a.ex4", "gone.ex4"}, 1,
                  "no such file: gone.ex4; nothing was added");
    EXPECT_TRUE(LoadProject("p.eas").paths[0].empty());

    std::vector<std::string> args = {"add", "p.eas", "sounds"};
    for (int i = 1; i <= 10; ++i) {
        Write("s" + std::to_string(i) + ".wav", "wav");
        args.push_back("s" + std::to_string(i) + ".wav");
    }
    RunOk(args);
    Write("s11.wav", "wav");
    ExpectRefused({"add", "p.eas", "sounds", "s11.wav"}, 1,
                  "\"s11.wav\" was not added: Sounds can hold at most 10 files. Nothing was "
                  "added.");

    // A relative path is taken from the project's folder, wherever the command runs.
    Write("sub/other.eas", Read("p.eas"));
    Write("sub/e.ex4", "e");
    RunOk({"add", "sub/other.eas", "experts", "e.ex4"});
    const CommandOutcome wrong = Run({"add", "sub/other.eas", "experts", "a.ex4"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("a relative path is taken from the project's folder"),
              std::string::npos)
        << wrong.err;
}

TEST_F(ProjectCommandsTest, EntrySetsAnOtherFilesEntryAndItsFlags) {
    RunOk({"add", "p.eas", "other", "a.ex4"});
    RunOk({"entry", "p.eas", "a.ex4", "--destination", "{desktop}\\Cross", "--shortcut",
           "Cross Tool", "--parameters", "/quiet", "--only-if-newer", "yes", "--autostart", "yes",
           "--post-execute", "no"});
    const project::FileEntry entry = LoadProject("p.eas").otherFiles.at(0);
    EXPECT_EQ(entry.fileName, u"a.ex4");
    EXPECT_EQ(entry.destination, u"{desktop}\\Cross");
    EXPECT_EQ(entry.shortcut, u"Cross Tool");
    EXPECT_EQ(entry.parameters, u"/quiet");
    EXPECT_EQ(entry.onlyIfNewer, u"Yes");
    EXPECT_EQ(entry.neverUninstall, u"0");  // untouched
    EXPECT_EQ(entry.autostart, u"Yes");
    EXPECT_EQ(entry.postExecute, u"");

    ExpectRefused({"entry", "p.eas", "a.ex4", "--autostart", "Yes"}, 2,
                  "--autostart takes yes or no");
    ExpectRefused({"entry", "p.eas", "a.ex4"}, 2, "nothing to change");
    ExpectRefused({"entry", "p.eas", "b.ex4", "--shortcut", "B"}, 1,
                  "b.ex4 is not in other; add it first");
    ExpectRefused({"entry", "p.eas", "a.ex4", "--shortcut", std::string(260, 's')}, 1,
                  "the --shortcut value is too long");
}

}  // namespace
