#include "builder/build/build_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <string>
#include <vector>

#include "base/text.h"
#include "builder/build/rich_text_file.h"
#include "builder/project/file_categories.h"
#include "os/posix/fake_machine.h"
#include "os/whole_file.h"
#include "tests/unit/os/fake_machine_fixture.h"
#include "translations/setup_languages.h"

namespace build {
namespace {

using project::CategoryId;

const os::Path kTemp = u"C:\\users\\tester\\Temp";
const os::Path kSource = u"C:\\author\\Moving Cross\\";
const os::Path kTarget = u"C:\\out\\CrossSetup.exe";

const uint8_t kIconPixels[] = {'i', 'c', 'o', 'n', '-', 'd', 'i', 'b'};
const uint8_t kBannerJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 'b', 'a', 'n', 'n', 'e', 'r', 0xFF, 0xD9};
const std::string kStub = std::string("MZ stand-in stub\0\0\0", 20);

// Records what the build reports while it runs.
class RecordingObserver : public BuildObserver {
  public:
    void OnLogLine(const std::u16string& line) override { lines.push_back(line); }
    void OnPackingStarted(int32_t fileCount, int64_t totalBytes) override {
        startedFiles = fileCount;
        startedBytes = totalBytes;
        if (!deleteWhenStarting.empty()) os::DeleteFile(deleteWhenStarting);
    }
    void OnFileProgress(const FileRecord& record, int32_t percent) override {
        lastPercent = percent;
    }
    void OnFileDone(const FileRecord& record) override { done.push_back(record.name); }

    std::vector<std::u16string> lines;
    std::vector<std::u16string> done;
    int32_t startedFiles = -1;
    int64_t startedBytes = -1;
    int32_t lastPercent = -1;
    os::Path deleteWhenStarting;  // a source to take away once the table is complete
};

class BuildSetupTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        ASSERT_TRUE(os::CreateFolderTree(kSource));
        ASSERT_TRUE(os::CreateFolderTree(u"C:\\out"));
        project::ResetProject(&model_);
        model_.productName = u"  Moving Cross ";
        model_.productDirectory = u" Moving Cross\t";
        model_.startMenuGroup = u"Moving Cross Tools";
        model_.targetFile = kTarget;
        request_.model = &model_;
        request_.temporaryFolder = kTemp;
        request_.stub = kStub.data();
        request_.stubSize = static_cast<uint32_t>(kStub.size());
        request_.builderVersion = u"129";
        request_.builtInIcon.bytes = kIconPixels;
        request_.builtInIcon.size = sizeof(kIconPixels);
        request_.builtInIcon.width = 32;
        request_.builtInIcon.height = 32;
        request_.builtInBanner = kBannerJpeg;
        request_.builtInBannerSize = sizeof(kBannerJpeg);
    }

    os::Path Source(const std::u16string& name, const std::string& bytes) {
        const os::Path path = kSource + name;
        WriteHostFile(path, bytes);
        return path;
    }
    void Add(CategoryId category, const std::u16string& name, const std::string& bytes) {
        ASSERT_EQ(project::AddFile(&model_, category, Source(name, bytes)),
                  project::AddFileResult::Added);
    }
    BuildResult Build(BuildObserver* observer = nullptr) {
        const std::u16string error = WriteRichTextFiles(model_, kTemp);
        EXPECT_EQ(error, u"");
        return BuildSetup(request_, &extractor_, observer);
    }
    // Reads the package of the built target back.
    void ReadBack(CSelfExtractor* reader) { ASSERT_EQ(reader->ReadTrailer(kTarget), SFX_OK); }

    project::ProjectModel model_;
    BuildRequest request_;
    CSelfExtractor extractor_;
};

TEST_F(BuildSetupTest, APackageHoldsTheFixedEntriesThenEveryCategoryInOrder) {
    model_.licenseRtf = u"{\\rtf1 License}";
    model_.readmeRtf = u"{\\rtf1 Readme}";
    model_.version = {u"2", u"4", u"", u"7b"};
    model_.publisher = u" Tessark Samples ";
    model_.contactEmail = u"support@example.com";
    model_.expertOptions[project::kAllowDllImports] = project::OptionState::Off;
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4 stand-in");
    Add(CategoryId::CustomIndicators, u"CrossBands.ex4", "indicator");
    Add(CategoryId::Scripts, u"CloseAll.ex4", "script");
    Add(CategoryId::Sounds, u"cross.wav", "RIFF....WAVE");
    Add(CategoryId::DllFiles, u"crossmath.dll", "MZ dll");
    Add(CategoryId::OtherFiles, u"Manual.txt", std::string(100000, 'm'));
    project::FileEntry manual = model_.otherFiles[0];
    manual.shortcut = u"Moving Cross Manual";
    manual.parameters = u"/view";
    manual.neverUninstall = u"Yes";
    manual.postExecute = u"Yes";
    ASSERT_TRUE(project::EditEntry(&model_, 0, manual));

    RecordingObserver observer;
    const BuildResult result = Build(&observer);
    ASSERT_EQ(result.status, BuildStatus::Built) << text::ToUtf8(result.message);
    EXPECT_EQ(result.setupResult, SFX_OK);
    EXPECT_TRUE(result.ReachedCreateSetup());
    EXPECT_EQ(result.message,
              u"Setup file C:\\out\\CrossSetup.exe has been created successfully. \nClick to Test "
              u"Project button to start this file directly.");
    EXPECT_EQ(result.detail, u"");

    CSelfExtractor reader;
    ReadBack(&reader);
    ASSERT_EQ(reader.GetFileCount(), 11);
    const struct {
        const char16_t* name;
        const char16_t* destination;
        const char16_t* shortcut;
    } expected[] = {
        {u"project.ico", u"", u""},
        {u"banner.jpg", u"", u""},
        {u"License.rtf", u"{app}\\", u""},
        {u"Readme.rtf", u"{app}\\", u"ReadMe"},
        {u"What's New.rtf", u"", u""},
        {u"MovingCross.ex4", u"{metatrader}\\experts\\", u""},
        {u"CrossBands.ex4", u"{metatrader}\\experts\\indicators\\", u""},
        {u"CloseAll.ex4", u"{metatrader}\\experts\\scripts\\", u""},
        {u"cross.wav", u"{metatrader}\\experts\\sounds\\", u""},
        {u"crossmath.dll", u"{metatrader}\\experts\\libraries\\", u""},
        {u"Manual.txt", u"{app}\\", u"Moving Cross Manual"},
    };
    for (int i = 0; i < 11; ++i) {
        const FileRecord& record = *reader.GetFileRecord(i);
        EXPECT_EQ(record.name, expected[i].name) << i;
        EXPECT_EQ(record.destination, expected[i].destination) << i;
        EXPECT_EQ(record.shortcut, expected[i].shortcut) << i;
    }
    const FileRecord& other = *reader.GetFileRecord(10);
    EXPECT_EQ(other.parameters, u"/view");
    EXPECT_EQ(other.onlyIfNewer, u"0");
    EXPECT_EQ(other.neverUninstall, u"Yes");
    EXPECT_EQ(other.autostart, u"0");
    EXPECT_EQ(other.postExecute, u"Yes");
    EXPECT_EQ(other.uncompressedSize, 100000);
    // The stub, then the language pack of every built-in language, then the first stream.
    std::vector<uint8_t> pack;
    std::u16string error;
    ASSERT_TRUE(translations::BuildSetupLanguagePack(u"", &pack, &error));
    EXPECT_EQ(reader.GetFileRecord(0)->offset, static_cast<int32_t>(kStub.size() + pack.size()));
    std::vector<uint8_t> setup;
    ASSERT_TRUE(os::ReadWholeFile(kTarget, 1 << 24, &setup));
    EXPECT_TRUE(std::equal(pack.begin(), pack.end(), setup.begin() + kStub.size()));

    const ProjectStrings& strings = reader.GetProjectStrings();
    EXPECT_EQ(strings.productName, u"Moving Cross");
    EXPECT_EQ(strings.productDirectory, u"Moving Cross");
    EXPECT_EQ(strings.startMenuGroup, u"Moving Cross Tools");
    EXPECT_EQ(strings.builderVersion, u"129");
    EXPECT_EQ(strings.versionText, u"2.4..7b");          // joined as typed, never checked
    EXPECT_EQ(strings.publisher, u" Tessark Samples ");  // only the three names are trimmed
    EXPECT_EQ(strings.contactEmail, u"support@example.com");
    const ExpertOptions& options = reader.GetExpertOptions();
    EXPECT_EQ(options.enableExperts, 1);
    EXPECT_EQ(options.askManualConfirmation, 0);
    EXPECT_EQ(options.allowDllImports, 0);
    EXPECT_EQ(options.allowExternalImports, 1);

    // The log names every source as it is packed, then says it is done.
    ASSERT_EQ(result.log.size(), 12u);
    EXPECT_EQ(result.log[0], u"Adding " + kTemp + u"\\project.ico");
    EXPECT_EQ(result.log[4], u"Adding " + kTemp + u"\\What's New.rtf");
    EXPECT_EQ(result.log[5], u"Adding " + kSource + u"MovingCross.ex4");
    EXPECT_EQ(result.log[11], u"Done.");
    EXPECT_EQ(observer.lines, result.log);
    EXPECT_EQ(observer.startedFiles, 11);
    EXPECT_EQ(observer.done.size(), 11u);
    EXPECT_EQ(observer.lastPercent, 100);
    EXPECT_GT(observer.startedBytes, 100000);
}

TEST_F(BuildSetupTest, BuiltInIconAndBannerAreWrittenIntoTheTemporaryFolder) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    ASSERT_EQ(Build().status, BuildStatus::Built);

    const std::string icon = ReadHostFile(kTemp + u"\\project.ico");
    ASSERT_EQ(icon.size(), 22 + sizeof(kIconPixels));
    const std::string head(
        "\x00\x00\x01\x00\x01\x00"
        "\x20\x20\x00\x00\x01\x00\x20\x00\x08\x00\x00\x00\x16\x00\x00\x00",
        22);
    EXPECT_EQ(icon.substr(0, 22), head);
    EXPECT_EQ(icon.substr(22), "icon-dib");
    EXPECT_EQ(ReadHostFile(kTemp + u"\\banner.jpg"),
              std::string(reinterpret_cast<const char*>(kBannerJpeg), sizeof(kBannerJpeg)));

    // The installer extracts those very bytes as entries 0 and 1.
    CSelfExtractor reader;
    reader.SetModulePath(kTarget);
    ASSERT_TRUE(os::CreateFolderTree(u"C:\\check"));
    ASSERT_EQ(reader.ExtractByIndex(0, u"C:\\check"), SFX_OK);
    EXPECT_EQ(ReadHostFile(u"C:\\check\\project.ico"), icon);
}

TEST_F(BuildSetupTest, TheAuthorsIconAndBannerReplaceTheBuiltInOnes) {
    model_.iconPath = Source(u"cross.ico", "author icon");
    model_.bannerPath = Source(u"cross banner.jpg", "author banner");
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    ASSERT_EQ(Build().status, BuildStatus::Built);
    CSelfExtractor reader;
    ReadBack(&reader);
    EXPECT_EQ(reader.GetFileRecord(0)->name, u"cross.ico");
    EXPECT_EQ(reader.GetFileRecord(1)->name, u"cross banner.jpg");
    EXPECT_FALSE(HostExists(kTemp + u"\\project.ico"));
}

TEST_F(BuildSetupTest, AnIconOrBannerThatCannotBeOpenedStopsTheBuildNamingTheFile) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    model_.iconPath = kSource + u"gone.ico";
    BuildResult result = Build();
    EXPECT_EQ(result.status, BuildStatus::FixedEntryFailed);
    EXPECT_NE(result.message.find(u"The icon file C:\\author\\Moving Cross\\gone.ico cannot be "
                                  u"opened"),
              std::u16string::npos)
        << text::ToUtf8(result.message);
    EXPECT_FALSE(result.ReachedCreateSetup());
    EXPECT_EQ(extractor_.GetFileCount(), 0);
    EXPECT_FALSE(HostExists(kTarget));

    model_.iconPath.clear();
    model_.bannerPath = kSource + u"gone.jpg";
    result = Build();
    EXPECT_EQ(result.status, BuildStatus::FixedEntryFailed);
    EXPECT_NE(result.message.find(u"The banner file C:\\author\\Moving Cross\\gone.jpg"),
              std::u16string::npos);
    EXPECT_FALSE(HostExists(kTarget));
}

TEST_F(BuildSetupTest, MissingBuiltInPicturesOrTextFilesStopTheBuild) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    request_.builtInIcon = IconImage();
    BuildResult result = Build();
    EXPECT_EQ(result.status, BuildStatus::FixedEntryFailed);
    EXPECT_EQ(result.message,
              u"There is no built-in icon in this build; set the project's icon file.");

    // The texts were never written into this folder.
    request_.builtInIcon.bytes = kIconPixels;
    request_.builtInIcon.size = sizeof(kIconPixels);
    request_.temporaryFolder = u"C:\\elsewhere";
    ASSERT_TRUE(os::CreateFolderTree(u"C:\\elsewhere"));
    result = BuildSetup(request_, &extractor_, nullptr);
    EXPECT_EQ(result.status, BuildStatus::FixedEntryFailed);
    EXPECT_NE(result.message.find(u"The text file C:\\elsewhere\\License.rtf cannot be opened"),
              std::u16string::npos)
        << text::ToUtf8(result.message);
    EXPECT_FALSE(HostExists(kTarget));
}

TEST_F(BuildSetupTest, AnEmptyTargetStopsAfterTheIconAndBannerAreWritten) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    model_.targetFile.clear();
    const BuildResult result = Build();
    EXPECT_EQ(result.status, BuildStatus::NoTarget);
    EXPECT_EQ(result.message, u"You need to select an output Exe before you can create the SFX");
    EXPECT_FALSE(result.ReachedCreateSetup());
    EXPECT_EQ(extractor_.GetFileCount(), 0);
    EXPECT_TRUE(result.log.empty());
    EXPECT_TRUE(HostExists(kTemp + u"\\project.ico"));
    EXPECT_TRUE(HostExists(kTemp + u"\\banner.jpg"));
}

TEST_F(BuildSetupTest, AProjectWithoutUserFilesIsRefused) {
    const char16_t* kNoFiles =
        u"You have to add at least 1 File to Files section to be able to build. Currently "
        u"project contains no files at all.";
    BuildResult result = Build();
    EXPECT_EQ(result.status, BuildStatus::NoUserFiles);
    EXPECT_EQ(result.message, kNoFiles);

    // Six files, but the only user file is gone: five entries make no setup.
    Add(CategoryId::Scripts, u"CloseAll.ex4", "script");
    std::filesystem::remove(Host(model_.paths[2][0]));
    result = Build();
    EXPECT_EQ(result.status, BuildStatus::NoUserFiles);
    EXPECT_EQ(result.message, kNoFiles);
    EXPECT_EQ(extractor_.GetFileCount(), 0);
    EXPECT_FALSE(HostExists(kTarget));
}

TEST_F(BuildSetupTest, AUserFileThatCannotBeOpenedStopsTheBuildRatherThanGoMissing) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    Add(CategoryId::Sounds, u"cross.wav", "wav");
    Add(CategoryId::OtherFiles, u"Manual.txt", "manual");
    std::filesystem::remove(Host(kSource + u"cross.wav"));
    std::filesystem::remove(Host(kSource + u"Manual.txt"));
    const BuildResult result = Build();
    EXPECT_EQ(result.status, BuildStatus::FileMissing);
    EXPECT_EQ(text::ToUtf8(result.message)
                  .rfind("The file C:\\author\\Moving Cross\\cross.wav cannot be opened: ", 0),
              0u)
        << text::ToUtf8(result.message);
    EXPECT_NE(result.message.find(u"(and 1 more files cannot be opened)"), std::u16string::npos);
    EXPECT_FALSE(HostExists(kTarget));
}

TEST_F(BuildSetupTest, ATargetThatIsOneOfTheSourcesIsRefusedAndTheSourceKept) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    Add(CategoryId::OtherFiles, u"Tool.exe", "the author's tool");
    model_.targetFile = u"C:\\AUTHOR\\Moving Cross\\tool.EXE";
    const BuildResult result = Build();
    EXPECT_EQ(result.status, BuildStatus::TargetIsSource);
    EXPECT_EQ(result.message,
              u"The setup file C:\\AUTHOR\\Moving Cross\\tool.EXE is also one of the files to "
              u"pack; choose another target file.");
    EXPECT_FALSE(result.ReachedCreateSetup());
    EXPECT_EQ(ReadHostFile(kSource + u"Tool.exe"), "the author's tool");
}

TEST_F(BuildSetupTest, ABlankStartMenuGroupTakesTheProductDirectory) {
    model_.startMenuGroup = u" \t ";
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    ASSERT_EQ(Build().status, BuildStatus::Built);
    CSelfExtractor reader;
    ReadBack(&reader);
    EXPECT_EQ(reader.GetProjectStrings().startMenuGroup, u"Moving Cross");
}

TEST_F(BuildSetupTest, FolderNamesTheUninstallerWouldRefuseStopTheBuildBeforeWriting) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    struct Case {
        const char16_t* productDirectory;
        const char16_t* startMenuGroup;
        const char16_t* named;
    };
    const Case cases[] = {
        {u" \t", u"Tools", u"The Product Directory \"\""},
        {u"C:\\Windows", u"Tools", u"The Product Directory \"C:\\Windows\""},
        {u"Moving Cross\\..\\..", u"Tools", u"The Product Directory \"Moving Cross\\..\\..\""},
        {u"Moving Cross", u"\\Startup", u"The Start Menu Group Name \"\\Startup\""},
        {u"Moving Cross", u"..", u"The Start Menu Group Name \"..\""},
    };
    for (const Case& c : cases) {
        model_.productDirectory = c.productDirectory;
        model_.startMenuGroup = c.startMenuGroup;
        const BuildResult result = Build();
        EXPECT_EQ(result.status, BuildStatus::BadFolderName) << text::ToUtf8(c.named);
        EXPECT_EQ(result.message.rfind(c.named, 0), 0u) << text::ToUtf8(result.message);
        EXPECT_FALSE(result.ReachedCreateSetup());
        EXPECT_FALSE(HostExists(kTarget));
    }
    // A nested group is a plain relative name and builds.
    model_.productDirectory = u"Moving Cross";
    model_.startMenuGroup = u"Crosses\\Moving Cross";
    EXPECT_EQ(Build().status, BuildStatus::Built);
}

TEST_F(BuildSetupTest, EmptyTextsArePackedWithoutDestinationOrShortcut) {
    Add(CategoryId::OtherFiles, u"Manual.txt", "manual");
    ASSERT_EQ(Build().status, BuildStatus::Built);
    CSelfExtractor reader;
    ReadBack(&reader);
    ASSERT_EQ(reader.GetFileCount(), 6);
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(reader.GetFileRecord(i)->destination, u"") << i;
        EXPECT_EQ(reader.GetFileRecord(i)->shortcut, u"") << i;
        EXPECT_EQ(reader.GetFileRecord(i)->uncompressedSize, 0) << i;
    }
    // A new Other Files entry's "{app}" gets its backslash.
    EXPECT_EQ(reader.GetFileRecord(5)->destination, u"{app}\\");
    EXPECT_EQ(reader.GetFileRecord(5)->postExecute, u"0");
}

TEST_F(BuildSetupTest, ASetupThatCouldPassTwoGigabytesIsRefusedBeforeWriting) {
    // Sparse files: their length counts, but nothing is read before the refusal.
    for (const char16_t* name : {u"big1.dat", u"big2.dat"}) {
        const os::Path path = Source(name, "");
        std::filesystem::resize_file(Host(path), 1100u * 1024 * 1024);
        ASSERT_EQ(project::AddFile(&model_, CategoryId::OtherFiles, path),
                  project::AddFileResult::Added);
    }
    RecordingObserver observer;
    const BuildResult result = Build(&observer);
    EXPECT_EQ(result.status, BuildStatus::TooLarge);
    EXPECT_NE(result.message.find(u"more than the 2147483647 bytes a setup file can hold"),
              std::u16string::npos)
        << text::ToUtf8(result.message);
    EXPECT_FALSE(result.ReachedCreateSetup());
    EXPECT_EQ(observer.startedFiles, -1);
    EXPECT_FALSE(HostExists(kTarget));
}

TEST_F(BuildSetupTest, PackingFailuresShowUnknownErrorWithTheCauseAsDetail) {
    Add(CategoryId::ExpertAdvisors, u"MovingCross.ex4", "ex4");
    Add(CategoryId::Sounds, u"cross.wav", "wav");

    // A source that disappears once the table is complete.
    RecordingObserver observer;
    observer.deleteWhenStarting = kSource + u"cross.wav";
    BuildResult result = Build(&observer);
    EXPECT_EQ(result.status, BuildStatus::PackingFailed);
    EXPECT_EQ(result.setupResult, SFX_ERR_READ);
    EXPECT_TRUE(result.ReachedCreateSetup());
    EXPECT_EQ(result.message, u"Unknown Error");
    EXPECT_EQ(result.detail, u"The file C:\\author\\Moving Cross\\cross.wav could not be read.");
    EXPECT_EQ(result.log.back(), u"Adding " + kSource + u"MovingCross.ex4");
    EXPECT_FALSE(HostExists(kTarget));

    // No installer program to start the setup with.
    WriteHostFile(kSource + u"cross.wav", "wav");
    request_.stubSize = 0;
    result = Build();
    EXPECT_EQ(result.setupResult, SFX_ERR_RESOURCE);
    EXPECT_EQ(result.message, u"Unknown Error");
    EXPECT_TRUE(result.ReachedCreateSetup());
    EXPECT_FALSE(HostExists(kTarget));

    // A target folder that does not exist.
    request_.stubSize = static_cast<uint32_t>(kStub.size());
    model_.targetFile = u"C:\\missing\\Setup.exe";
    result = Build();
    EXPECT_EQ(result.setupResult, SFX_ERR_WRITE);
    EXPECT_EQ(result.detail, u"The setup file C:\\missing\\Setup.exe could not be written.");
}

}  // namespace
}  // namespace build
