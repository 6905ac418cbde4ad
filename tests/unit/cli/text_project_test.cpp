// Text projects (.toml) through the real command: building, converting to and from .eas,
// the template, and the one-line messages for bad input.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/text.h"
#include "builder/project/project_file.h"
#include "builder/project/project_record.h"
#include "cli/text_project/folder_entry.h"
#include "tests/unit/cli/cli_fixture.h"

namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class TextProjectTest : public CliTest {
  protected:
    // The repository's sample product and both its projects, in the test folder.
    void CopyExamples() const {
        fs::copy(fs::path(TESSARK_SOURCE_DIR) / "examples", Path("examples"),
                 fs::copy_options::recursive);
        Write("stub.exe", std::string("MZ stand-in installer\0\0", 23));
    }

    // Builds `project` with the stand-in installer into `setup` and returns the setup's bytes.
    std::string Build(const std::string& project, const std::string& setup,
                      const std::string& cwd = "") const {
        RunOk({"build", project, "-o", setup, "--stub", Path("stub.exe")}, cwd);
        return Read(cwd.empty() ? setup : cwd + "/" + setup);
    }

    // Runs `args`, which must fail with status 1 and exactly the line `message` on stderr.
    void ExpectOneLine(const std::vector<std::string>& args, const std::string& message) const {
        const CommandOutcome outcome = Run(args);
        EXPECT_EQ(outcome.status, 1) << message;
        EXPECT_EQ(outcome.err, "tessark: " + message + "\n");
    }
};

TEST_F(TextProjectTest, ATextProjectBuildsTheSameSetupAsTheEquivalentEas) {
    CopyExamples();
    const std::string fromText = Build("examples/sample.toml", "FromText.exe");
    EXPECT_EQ(fromText, Build("examples/sample.eas", "FromEas.exe"));
    EXPECT_GT(fromText.size(), 20000u);

    // A project with an icon, a banner, a license and an Other Files entry with flags.
    MakeSampleProject();
    RunOk({"convert", "p.eas", "p.toml"});
    EXPECT_EQ(RunOk({"show", "p.toml"}).out, RunOk({"show", "p.eas"}).out);
    EXPECT_EQ(Build("p.toml", "a.exe"), Build("p.eas", "b.exe"));
}

TEST_F(TextProjectTest, ConvertKeepsEveryByteOfTheRecordAtItsLimits) {
    // Every field filled to its capacity with what TOML must quote or escape: quotes,
    // apostrophes, backslashes, control characters, characters outside ASCII and a surrogate
    // pair at the very end of the field.
    auto fill = [](std::u16string text, size_t capacity) {
        text += u"\"'\\\t\r\n\x01\x7F\u00E9";
        text.resize(capacity - 3, u'x');
        return text + u"\U0001D11E";  // two units: the field is then full
    };
    project::ProjectModel model;
    model.productName = fill(u"Name ", project::kNameCapacity);
    model.productDirectory = fill(u"Dir ", project::kNameCapacity);
    model.startMenuGroup = u"";
    model.version = {u"-5", u"2147483647", u"0", u"-2147483648"};
    model.publisher = fill(u"Pub ", project::kNameCapacity);
    model.publisherAddress = fill(u"Addr ", project::kNameCapacity);
    model.productUrl = fill(u"https://example.com/", project::kUrlCapacity);
    model.contactName = fill(u"Contact ", project::kNameCapacity);
    model.contactEmail = fill(u"mail@", project::kNameCapacity);
    for (int c = 0; c < project::kPathCategoryCount; ++c) {
        for (size_t i = 0; i < project::kMaxFilesPerCategory; ++i) {
            std::u16string path =
                text::FromUtf8("dir\\" + std::to_string(c) + "/" + std::to_string(i) + "-");
            model.paths[c].push_back(i == 3 ? u"" : fill(path, project::kPathCapacity));
        }
    }
    const char16_t* flags[] = {u"Yes", u"", u"0", u"maybe"};
    for (size_t i = 0; i < project::kMaxFilesPerCategory; ++i) {
        project::FileEntry entry;
        for (int k = 0; k < project::kFileEntryColumnCount; ++k) {
            project::EntryColumn(entry, k) =
                k < 4 ? fill(u"C:\\Entry " + text::FromInt(i), project::kPathCapacity)
                      : std::u16string(flags[(i + k) % 4]);
        }
        model.otherFiles.push_back(entry);
    }
    model.expertOptions = {project::OptionState::Off,
                           project::OptionState::On,
                           project::OptionState::NoChange,
                           static_cast<project::OptionState>(7),
                           static_cast<project::OptionState>(-1),
                           project::OptionState::On,
                           project::OptionState::Off,
                           project::OptionState::NoChange};
    std::u16string license = u"{\\rtf1\\ansi ";
    license.resize(project::kRtfCapacity - 2, u'L');
    model.licenseRtf = license + u"}";
    model.readmeRtf = fill(u"{\\rtf1 Caf\u00E9 ", project::kRtfCapacity);
    model.whatsNewRtf = u"not RTF at all\r\n";
    model.iconPath = fill(u"icons/", project::kPathCapacity);
    model.bannerPath = fill(u"/abs/banner", project::kPathCapacity);
    model.targetFile = fill(u"out\\", project::kPathCapacity);
    ASSERT_TRUE(project::FieldsCutInRecord(model).empty());
    ASSERT_EQ(project::SaveProjectFile(model, text::FromUtf8(Path("full.eas"))),
              project::ProjectFileResult::Ok);

    const CommandOutcome converted = RunOk({"convert", "full.eas", "full.toml"});
    EXPECT_EQ(converted.out, "Converted full.eas to full.toml and its texts full-license.rtf\n");
    EXPECT_EQ(Read("full-license.rtf").size(), project::kRtfCapacity - 1);
    RunOk({"convert", "full.toml", "back.eas"});
    EXPECT_EQ(Read("back.eas"), Read("full.eas"));
    // The text file the writer makes is the one it makes again from the same record.
    const std::string toml = Read("full.toml");
    RunOk({"convert", "back.eas", "full.toml", "--force"});
    EXPECT_EQ(Read("full.toml"), toml);
    EXPECT_TRUE(Has(toml, "\nenableExperts = \"off\"\n")) << toml;
    EXPECT_TRUE(Has(toml, "\nallowLiveTrading = 7\n")) << toml;
    EXPECT_TRUE(Has(toml, "\nversion = \"-5.2147483647.0.-2147483648\"")) << toml;

    // The sample, whose paths use "\", comes back the same as well.
    CopyExamples();
    RunOk({"convert", "examples/sample.eas", "examples/copy.toml"});
    EXPECT_TRUE(Has(Read("examples/copy.toml"), "'sample\\MovingCross.ex4',"));
    RunOk({"convert", "examples/copy.toml", "examples/copy.eas"});
    EXPECT_EQ(Read("examples/copy.eas"), Read("examples/sample.eas"));

    // A lone surrogate, which no TOML string holds, is refused and nothing is written.
    model.contactName = u"broken \xD800 name";
    ASSERT_EQ(project::SaveProjectFile(model, text::FromUtf8(Path("lone.eas"))),
              project::ProjectFileResult::Ok);
    ExpectOneLine({"convert", "lone.eas", "lone.toml"},
                  "lone.eas: product.contactName holds a lone UTF-16 surrogate, which a TOML "
                  "file cannot carry");
    EXPECT_FALSE(Exists("lone.toml"));
    EXPECT_FALSE(Exists("lone-license.rtf"));
}

TEST_F(TextProjectTest, BadInputGetsOneLineNamingTheFileLineAndColumn) {
    Write("a.ex4", "expert");
    Write("plain.txt", "no RTF here");
    const struct {
        std::string toml;
        std::string message;
    } cases[] = {
        {"[product]\nname = \"Scout\n", "bad.toml:2:8: the next token is not a valid string"},
        {"[product]\nname = \"A\"\nname = \"B\"\n",
         "bad.toml:3:8: value (\"name\") already exists (value defined twice)"},
        {"[product]\nnmae = \"Scout\"\n",
         "bad.toml:2:1: unknown key product.nmae; [product] takes name, directory, "
         "startMenuGroup, version, publisher, publisherAddress, url, contactName, contactEmail"},
        {"[files]\nexperts = [\"a.ex4\"]\n\n[prodcut]\nname = \"X\"\n",
         "bad.toml:4:2: unknown key prodcut; the top level takes product, options, texts, files, "
         "setup"},
        {"[product]\nname = 5\n", "bad.toml:2:8: product.name must be a string, not an integer"},
        {"[product]\nname = 'Caf\xE9'\n",
         "bad.toml:2:12: this is no UTF-8 text, which a TOML file must be"},
        {"[product]\nname = \"" + std::string(64, 'n') + "\"\n",
         "bad.toml:2:8: product.name is too long: 64 characters, at most 63"},
        {"[product]\nurl = \"\\u0000\"\n",
         "bad.toml:2:7: product.url holds the character U+0000, which a project cannot store"},
        {"[product]\nversion = \"1.2.3\"\n",
         "bad.toml:2:11: product.version must be four numbers such as \"1.2.0.0\", each at most "
         "2147483647, not \"1.2.3\""},
        {"[options]\nallowDllImports = \"yes\"\n",
         "bad.toml:2:19: options.allowDllImports must be \"on\", \"off\" or \"unchanged\""},
        {"[texts]\nreadme.text = '" + std::string(10100, '\\') + "'\n",
         "bad.toml:2:15: texts.readme.text is too long: 20283 characters of RTF, at most 20239"},
        {"[texts]\nlicense = \"missing.rtf\"\n",
         "bad.toml:2:11: texts.license: cannot open missing.rtf: No such file or directory"},
        {"[texts]\nlicense = \"plain.txt\"\n",
         "bad.toml:2:11: texts.license: plain.txt is not an RTF document (it does not start "
         "with {\\rtf); give plain text as texts.license.text"},
        {"[files]\nexperts = [\"a.ex4\", \"gone.ex4\"]\n", "bad.toml:2:21: no such file: gone.ex4"},
        {"[[files.other]]\nfile = \"a.ex4\"\nautostart = \"Yes\"\npostExecute = 1\n",
         "bad.toml:4:15: files.other[0].postExecute must be true or false, not an integer"},
        {"[[files.other]]\nshortcut = \"Manual\"\n",
         "bad.toml:1:1: files.other[0] needs either a file or a folder"},
        {"[[files.other]]\nfile = \"a.ex4\"\ninclude = [\"*.ex4\"]\n",
         "bad.toml:3:11: files.other[0].include belongs to a folder, not a file"},
        {"[setup]\nicon = \"art\"\n[files]\nexperts = [\"a.ex4\"]\n",
         "bad.toml:2:8: no such file: art"},
        {"[setup]\nlanguage = \"klingon\"\n",
         "bad.toml:2:12: setup.language: no language \"klingon\"; the languages are en, ru, "
         "zh-CN, zh-TW, ja, ko, es, pt-BR, de, fr, it, tr, id, pl, vi"},
        {"x = \"[[[\" # [[[\ny =  + std::string(200, '{') + \nz = " + std::string(200, '[') +
             std::string(200, ']') + "\n",
         "bad.toml:3:105: arrays and tables are nested more than 100 deep"},
    };
    for (const auto& item : cases) {
        Write("bad.toml", item.toml);
        ExpectOneLine({"build", "bad.toml", "-o", "x.exe", "--stub", "a.ex4"}, item.message);
        EXPECT_FALSE(Exists("x.exe")) << item.message;
    }
    // The file is named as it was given.
    Write("sub/bad.toml", "[product]\nname = 5\n");
    ExpectOneLine({"show", "sub/bad.toml"},
                  "sub/bad.toml:2:8: product.name must be a string, not an integer");
    ExpectOneLine({"show", "none.toml"}, "cannot open none.toml: No such file or directory");
}

// The language pack a build places right after the installer program: whether it is forced,
// and its LANGIDs in order.
std::string PackAfterStub(const std::string& setup, size_t stubSize) {
    const auto byte = [&](size_t at) { return static_cast<uint8_t>(setup.at(stubSize + at)); };
    if (setup.compare(stubSize, 8, "TSKLANG1") != 0) return "no pack";
    std::string description = byte(10) & 1 ? "forced" : "user's";
    for (size_t i = 0; i < byte(12); ++i) {
        char id[8];
        snprintf(id, sizeof id, " %04x", byte(16 + 12 * i) | byte(17 + 12 * i) << 8);
        description += id;
    }
    return description;
}

TEST_F(TextProjectTest, ALanguageForcesOneAndOnlyATextProjectKeepsIt) {
    CopyExamples();
    const size_t stub = 23;
    EXPECT_EQ(PackAfterStub(Build("examples/sample.toml", "all.exe"), stub),
              "user's 0419 0804 1004 0404 0c04 1404 0411 0412 0c0a 040a 0416 0407 040c 0410 041f "
              "0421 0415 042a");

    std::string toml = Read("examples/sample.toml");
    toml.replace(toml.find("[setup]\n"), 8, "[setup]\nlanguage = \"RU\"\n");
    Write("examples/ru.toml", toml);
    EXPECT_EQ(PackAfterStub(Build("examples/ru.toml", "ru.exe"), stub), "forced 0419");
    RunOk({"build", "examples/ru.toml", "-o", "ja.exe", "--stub", Path("stub.exe"), "--language",
           "ja"});
    EXPECT_EQ(PackAfterStub(Read("ja.exe"), stub), "forced 0411");
    RunOk({"build", "examples/sample.toml", "-o", "en.exe", "--stub", Path("stub.exe"),
           "--language", "en"});
    EXPECT_EQ(PackAfterStub(Read("en.exe"), stub), "forced");
    ExpectOneLine({"build", "examples/sample.toml", "-o", "x.exe", "--stub", Path("stub.exe"),
                   "--language", "xx"},
                  "No language \"xx\"; the languages are en, ru, zh-CN, zh-TW, ja, ko, es, "
                  "pt-BR, de, fr, it, tr, id, pl, vi.");
    EXPECT_FALSE(Exists("x.exe"));

    // A .eas project has no place for it; a text project's template offers it.
    ExpectOneLine({"convert", "examples/ru.toml", "ru.eas"},
                  "examples/ru.toml: a .eas project has no place for the language \"RU\"; give "
                  "it with tessark build --language");
    EXPECT_FALSE(Exists("ru.eas"));
    RunOk({"new", "--toml", "fresh.toml"});
    EXPECT_NE(Read("fresh.toml").find("\nlanguage = \"\""), std::string::npos);
}

TEST_F(TextProjectTest, NewWritesACommentedTemplateWithTheNewProjectValues) {
    const CommandOutcome created = RunOk({"new", "--toml", "product.toml"});
    EXPECT_EQ(created.out, "Created project product.toml\n");
    const std::string toml = Read("product.toml");
    EXPECT_EQ(toml.rfind("# A Tessark project", 0), 0u);
    for (const char* line :
         {"\n[product]\n", "\nname = \"New Project\"\n", "\nversion = \"1.0.0.0\"",
          "\naskManualConfirmation = \"off\"\n", "\nlicense = \"\"\n", "\nexperts = []",
          "\n#   [[files.other]]\n", "\ntarget = \"\""}) {
        EXPECT_TRUE(Has(toml, line)) << line << "\n" << toml;
    }
    RunOk({"new", "p.eas"});
    EXPECT_EQ(RunOk({"show", "product.toml"}).out, RunOk({"show", "p.eas"}).out);

    const CommandOutcome refused = Run({"new", "--toml", "product.toml"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "tessark: product.toml exists already; give --force to replace it\n");
    Write("product.toml", "# mine\n");
    EXPECT_EQ(Run({"new", "product.toml"}).status, 1);
    EXPECT_EQ(Read("product.toml"), "# mine\n");
    RunOk({"new", "product.toml", "--force"});  // the extension alone asks for TOML
    EXPECT_EQ(Read("product.toml"), toml);
}

TEST_F(TextProjectTest, ConvertReplacesNothingWithoutForceAndMovesRelativePaths) {
    MakeSampleProject();
    Write("p-license.rtf", "someone's text");
    ExpectOneLine({"convert", "p.eas", "p.toml"},
                  "p-license.rtf exists already; give --force to replace it; nothing was written");
    EXPECT_FALSE(Exists("p.toml"));
    RunOk({"convert", "p.eas", "p.toml", "--force"});
    EXPECT_EQ(Read("p-license.rtf"), Read("src/license.rtf"));
    Write("q.eas", "keep");
    ExpectOneLine({"convert", "p.toml", "q.eas"},
                  "q.eas exists already; give --force to replace it; nothing was written");
    EXPECT_EQ(Read("q.eas"), "keep");
    const CommandOutcome same = Run({"convert", "p.eas", "p.eas"});
    EXPECT_EQ(same.status, 2);
    EXPECT_TRUE(Has(same.err, "one project must be a .toml text project")) << same.err;

    // Written into another folder, the project names the same files from there.
    RunOk({"convert", "p.eas", "deep/er/p.toml"});
    EXPECT_TRUE(Has(Read("deep/er/p.toml"), "\"../../src/Cross.ex4\"")) << Read("deep/er/p.toml");
    EXPECT_EQ(Build("deep/er/p.toml", "a.exe"), Build("p.eas", "b.exe"));
    RunOk({"convert", "deep/er/p.toml", "deep/p.eas"});
    EXPECT_EQ(Build("deep/p.eas", "c.exe"), Read("b.exe"));
}

TEST_F(TextProjectTest, KeysLeftOutTakeTheProductsValuesAndPlainTextBecomesRtf) {
    Write("Scout.ex4", "expert");
    Write("stub.exe", "MZ stub");
    Write("product.toml",
          "# Ten lines are enough.\n"
          "[product]\n"
          "name = \"Candle Scout\"\n"
          "[texts]\n"
          "readme.text = \"\"\"\n"
          "Tab\there {braces} and back\\\\slash\r\n"
          "Caf\u00e9 \U0001D11E\n\n\"\"\"\n"
          "[files]\n"
          "experts = [\"Scout.ex4\"]\n");
    const std::string shown = RunOk({"show", "product.toml"}).out;
    for (const char* line :
         {"productName             Candle Scout\n", "productDirectory        Candle Scout\n",
          "startMenuGroup          Candle Scout\n", "enableExperts           1 (on)\n",
          "askManualConfirmation   0 (off)\n", "licenseRtf              -\n"}) {
        EXPECT_TRUE(Has(shown, line)) << line << shown;
    }
    RunOk({"build", "product.toml", "-o", "Setup.exe", "--stub", "stub.exe"});
    RunOk({"extract", "Setup.exe", "out", "3"});
    EXPECT_EQ(Read("out/Readme.rtf"),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}\r\n"
              "\\f0\\fs18 Tab\\tab here \\{braces\\} and back\\\\slash\\par\r\n"
              "Caf\\u233? \\u-10188?\\u-8930?\\par\r\n}\r\n");
}

TEST_F(TextProjectTest, TheEditingCommandsLeaveATextProjectToAnEditor) {
    RunOk({"new", "p.toml"});
    Write("a.ex4", "a");
    const std::string before = Read("p.toml");
    const std::vector<std::vector<std::string>> commands = {
        {"set", "p.toml", "productName", "X"},
        {"add", "p.toml", "experts", "a.ex4"},
        {"remove", "p.toml", "experts", "a.ex4"},
        {"entry", "p.toml", "a.ex4", "--shortcut", "A"},
    };
    for (const auto& command : commands) {
        ExpectOneLine(command,
                      "p.toml is a text project: change it in a text editor (set, add, remove "
                      "and entry change .eas projects)");
    }
    EXPECT_EQ(Read("p.toml"), before);
}

TEST_F(TextProjectTest, FoldersExpandInPathOrderWithinTheTableAndWhatAPathHolds) {
    for (const char* file :
         {"lib/Vendor/Lib/b.mqh", "lib/Vendor/Lib/a.MQH", "lib/Vendor/Util/z.mqh",
          "lib/Vendor/readme.txt", "lib/Vendor/Lib/old.bak", "lib/top.mqh"}) {
        Write(file, file);
    }
    for (int i = 0; i < 12; ++i) Write("ind/i" + std::to_string(i) + ".ex4", "indicator");
    std::string project = "[files]\nindicators = [";
    for (int i = 0; i < 12; ++i) project += "\"ind/i" + std::to_string(i) + ".ex4\", ";
    project +=
        "]\n[[files.other]]\nfolder = \"lib\"\ndestination = '{metatrader}\\experts\\include\\'\n"
        "include = [\"*.mqh\"]\nexclude = [\"Vendor/Util/*\"]\n[setup]\ntarget = \"pack.exe\"\n";
    Write("p.toml", project);

    // The tree's files in the order of their paths, each with its folder inside the tree.
    const std::string listed = RunOk({"list", "p.toml"}).out;
    EXPECT_TRUE(Has(listed, "(15, after the five every setup has)")) << listed;
    const size_t a = listed.find("lib/Vendor/Lib/a.MQH");
    const size_t b = listed.find("lib/Vendor/Lib/b.mqh");
    const size_t top = listed.find("lib/top.mqh");
    ASSERT_NE(a, std::string::npos) << listed;
    EXPECT_LT(a, b);
    EXPECT_LT(b, top);
    EXPECT_TRUE(Has(listed, "{metatrader}\\experts\\include\\Vendor\\Lib\\")) << listed;
    for (const char* left : {"z.mqh", "readme.txt", "old.bak"}) EXPECT_FALSE(Has(listed, left));

    // The setup holds them in that order; a .eas cannot hold twelve indicators.
    Write("stub.exe", std::string("MZ stand-in installer\0\0", 23));
    RunOk({"build", "p.toml", "--stub", Path("stub.exe")});
    const std::string table = RunOk({"list", "pack.exe"}).out;
    EXPECT_LT(table.find("a.MQH"), table.find("top.mqh"));
    EXPECT_TRUE(Has(table, "{metatrader}\\experts\\include\\Vendor\\Lib\\")) << table;
    ExpectOneLine({"convert", "p.toml", "p.eas"},
                  "p.toml: Custom Indicators holds 12 files; a .eas project holds at most 10 in a "
                  "category");
    EXPECT_FALSE(Exists("p.eas"));

    // Exactly as many files as a setup's table holds besides its own five, and one more.
    for (int i = 0; i < 251; ++i) Write("many/f" + std::to_string(1000 + i) + ".txt", "x");
    Write("many.toml", "[[files.other]]\nfolder = \"many\"\n");
    EXPECT_TRUE(Has(RunOk({"list", "many.toml"}).out, "(251, after the five"));
    Write("many/f9999.txt", "x");
    ExpectOneLine({"list", "many.toml"},
                  "many.toml:1:1: files names 252 files; a setup holds at most 251 besides its own "
                  "five");

    // A path a package text cannot hold, and a folder that selects nothing.
    Write("deep/" + std::string(200, 'd') + "/" + std::string(70, 'f') + ".txt", "x");
    Write("deep.toml", "[[files.other]]\nfolder = \"deep\"\n");
    const CommandOutcome tooLong = Run({"list", "deep.toml"});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_TRUE(Has(tooLong.err,
                    "is too long for a setup: its path or destination passes 259 "
                    "characters"))
        << tooLong.err;
    Write("none.toml", "[[files.other]]\nfolder = \"lib\"\ninclude = [\"*.dll\"]\n");
    ExpectOneLine({"list", "none.toml"}, "none.toml:2:10: the folder lib holds no file to install");
}

TEST(FolderPatterns, StarsAndQuestionMarksStayWithinOneFolderLetterCaseAside) {
    using cli::text_project::MatchesPattern;
    EXPECT_TRUE(MatchesPattern(u"*.mqh", u"Stats.MQH"));
    EXPECT_TRUE(MatchesPattern(u"*", u""));
    EXPECT_TRUE(MatchesPattern(u"a?c", u"abc"));
    EXPECT_TRUE(MatchesPattern(u"Lib/*/*.mqh", u"lib/Math/x.mqh"));
    EXPECT_FALSE(MatchesPattern(u"*.mqh", u"Lib/x.mqh"));
    EXPECT_FALSE(MatchesPattern(u"a?c", u"a/c"));
    EXPECT_FALSE(MatchesPattern(u"*.mqh", u"x.mq4"));
    EXPECT_FALSE(MatchesPattern(u"x", u"xy"));
}

}  // namespace
