#include "builder/project/file_categories.h"
#include "builder/project/project_model.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace project {
namespace {

using OS = OptionState;

TEST(ProjectModel, FreshWindowValues) {
    const ProjectModel m;
    EXPECT_EQ(m.productName, u"My Project");
    EXPECT_EQ(m.productDirectory.size(), 3u);
    EXPECT_EQ(m.startMenuGroup, u"My Project");
    EXPECT_EQ(m.version, (std::array<std::u16string, 4>{u"1", u"0", u"0", u"0"}));
    for (OS state : m.expertOptions) EXPECT_EQ(state, OS::NoChange);
    EXPECT_TRUE(m.publisher.empty());
    EXPECT_TRUE(m.licenseRtf.empty());
    EXPECT_TRUE(m.targetFile.empty());
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(FileCount(m, static_cast<CategoryId>(c)), 0u);
    }
}

TEST(ProjectModel, ResetGivesNewProjectValuesAndEmptiesEverythingElse) {
    ProjectModel m;
    m.productName = u"Scalper";
    m.version = {u"7", u"", u"x", u"3"};
    m.publisher = u"Someone";
    m.publisherAddress = m.productUrl = m.contactName = m.contactEmail = u"x";
    m.licenseRtf = m.readmeRtf = m.whatsNewRtf = u"{\\rtf1 x}";
    m.iconPath = m.bannerPath = m.targetFile = u"C:\\a";
    for (int c = 0; c < kCategoryCount; ++c) {
        ASSERT_EQ(AddFile(&m, static_cast<CategoryId>(c), u"C:\\f.ex4"), AddFileResult::Added);
    }

    ResetProject(&m);

    EXPECT_EQ(m.productName, u"New Project");
    EXPECT_EQ(m.productDirectory, u"Tessark Project");
    EXPECT_EQ(m.startMenuGroup, u"Tessark Project");
    EXPECT_EQ(m.version, (std::array<std::u16string, 4>{u"1", u"0", u"0", u"0"}));
    const std::array<OS, 8> expected = {OS::On,  OS::On, OS::On,  OS::On,
                                        OS::Off, OS::On, OS::Off, OS::On};
    EXPECT_EQ(m.expertOptions, expected);
    for (const std::u16string* t :
         {&m.publisher, &m.publisherAddress, &m.productUrl, &m.contactName, &m.contactEmail,
          &m.licenseRtf, &m.readmeRtf, &m.whatsNewRtf, &m.iconPath, &m.bannerPath, &m.targetFile}) {
        EXPECT_TRUE(t->empty()) << text::ToUtf8(*t);
    }
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(FileCount(m, static_cast<CategoryId>(c)), 0u) << c;
    }
}

TEST(FileCategories, DuplicatesAreExactAndPerCategory) {
    ProjectModel m;
    const CategoryId scripts = CategoryId::Scripts;
    EXPECT_EQ(AddFile(&m, scripts, u"C:\\mql\\Close All.ex4"), AddFileResult::Added);
    EXPECT_EQ(AddFile(&m, scripts, u"C:\\mql\\Close All.ex4"), AddFileResult::AlreadyListed);
    EXPECT_EQ(AddFile(&m, scripts, u"C:\\MQL\\Close All.ex4"), AddFileResult::Added);
    EXPECT_EQ(AddFile(&m, CategoryId::ExpertAdvisors, u"C:\\mql\\Close All.ex4"),
              AddFileResult::Added);
    EXPECT_EQ(AddFile(&m, scripts, u""), AddFileResult::EmptyPath);
    ASSERT_EQ(FileCount(m, scripts), 2u);
    EXPECT_EQ(FilePathAt(m, scripts, 0), u"C:\\mql\\Close All.ex4");
    EXPECT_EQ(FilePathAt(m, scripts, 1), u"C:\\MQL\\Close All.ex4");
    EXPECT_EQ(FileCount(m, CategoryId::ExpertAdvisors), 1u);
    EXPECT_EQ(FileCount(m, CategoryId::CustomIndicators), 0u);

    // Other Files compares the entries' file names the same way.
    const CategoryId other = CategoryId::OtherFiles;
    EXPECT_EQ(AddFile(&m, other, u"C:\\mql\\Close All.ex4"), AddFileResult::Added);
    m.otherFiles[0].destination = u"{desktop}";
    EXPECT_EQ(AddFile(&m, other, u"C:\\mql\\Close All.ex4"), AddFileResult::AlreadyListed);
    EXPECT_EQ(m.otherFiles.size(), 1u);
    EXPECT_EQ(m.otherFiles[0].destination, u"{desktop}");
}

TEST(FileCategories, EleventhFileIsRefusedWithAMessage) {
    for (CategoryId category : {CategoryId::Sounds, CategoryId::OtherFiles}) {
        ProjectModel m;
        for (int i = 0; i < 10; ++i) {
            const std::u16string path = u"C:\\s\\" + text::FromInt(i) + u".wav";
            ASSERT_EQ(AddFile(&m, category, path), AddFileResult::Added) << i;
        }
        EXPECT_EQ(AddFile(&m, category, u"C:\\s\\10.wav"), AddFileResult::CategoryFull);
        EXPECT_EQ(FileCount(m, category), 10u);
        EXPECT_EQ(FindFile(m, category, u"C:\\s\\10.wav"), -1);
        // A file already listed is still reported as listed, not as refused.
        EXPECT_EQ(AddFile(&m, category, u"C:\\s\\3.wav"), AddFileResult::AlreadyListed);
    }
    const std::u16string message =
        AddFileMessage(AddFileResult::CategoryFull, CategoryId::Sounds, u"C:\\s\\10.wav");
    EXPECT_TRUE(text::Contains(message, u"C:\\s\\10.wav")) << text::ToUtf8(message);
    EXPECT_TRUE(text::Contains(message, u"Sounds")) << text::ToUtf8(message);
    EXPECT_TRUE(text::Contains(message, u"10")) << text::ToUtf8(message);
    EXPECT_TRUE(AddFileMessage(AddFileResult::AlreadyListed, CategoryId::Sounds, u"x").empty());
    EXPECT_TRUE(AddFileMessage(AddFileResult::Added, CategoryId::Sounds, u"x").empty());
    EXPECT_FALSE(AddFileMessage(AddFileResult::EmptyPath, CategoryId::Sounds, u"").empty());
}

TEST(FileCategories, NewOtherFilesEntry) {
    ProjectModel m;
    ASSERT_EQ(AddFile(&m, CategoryId::OtherFiles, u"C:\\docs\\Manual.pdf"), AddFileResult::Added);
    ASSERT_EQ(m.otherFiles.size(), 1u);
    const FileEntry& e = m.otherFiles[0];
    EXPECT_EQ(e.fileName, u"C:\\docs\\Manual.pdf");
    EXPECT_EQ(e.destination, u"{app}");
    EXPECT_TRUE(e.shortcut.empty());
    EXPECT_TRUE(e.parameters.empty());
    for (int k = 4; k < kFileEntryColumnCount; ++k) {
        EXPECT_EQ(EntryColumn(e, k), u"0") << k;
        EXPECT_FALSE(IsFlagSet(EntryColumn(e, k)));
    }
    // Other Files items never land in the plain path lists.
    for (const auto& list : m.paths) EXPECT_TRUE(list.empty());
}

TEST(FileCategories, FlagsAreSetOnlyByExactYes) {
    EXPECT_TRUE(IsFlagSet(u"Yes"));
    for (const char16_t* other : {u"yes", u"YES", u"1", u"0", u"", u"Yes "}) {
        EXPECT_FALSE(IsFlagSet(other)) << text::ToUtf8(other);
    }
}

TEST(FileCategories, RemoveKeepsTheOrderOfTheRest) {
    ProjectModel m;
    const CategoryId dlls = CategoryId::DllFiles;
    for (const char16_t* p : {u"a.dll", u"b.dll", u"c.dll"}) AddFile(&m, dlls, p);
    EXPECT_TRUE(RemoveFileAt(&m, dlls, 1));
    ASSERT_EQ(FileCount(m, dlls), 2u);
    EXPECT_EQ(FilePathAt(m, dlls, 0), u"a.dll");
    EXPECT_EQ(FilePathAt(m, dlls, 1), u"c.dll");
    EXPECT_FALSE(RemoveFileAt(&m, dlls, 2));
    EXPECT_EQ(FileCount(m, dlls), 2u);
    // A removed path may be added again.
    EXPECT_EQ(AddFile(&m, dlls, u"b.dll"), AddFileResult::Added);
    EXPECT_EQ(FindFile(m, dlls, u"b.dll"), 2);

    const CategoryId other = CategoryId::OtherFiles;
    for (const char16_t* p : {u"x", u"y", u"z"}) AddFile(&m, other, p);
    EXPECT_TRUE(RemoveFileAt(&m, other, 0));
    ASSERT_EQ(m.otherFiles.size(), 2u);
    EXPECT_EQ(m.otherFiles[0].fileName, u"y");
    EXPECT_EQ(m.otherFiles[1].fileName, u"z");
    EXPECT_EQ(FileCount(m, dlls), 3u);
}

TEST(FileCategories, EditEntryReplacesOnlyThatEntry) {
    ProjectModel m;
    AddFile(&m, CategoryId::OtherFiles, u"C:\\tool.exe");
    AddFile(&m, CategoryId::OtherFiles, u"C:\\help.chm");
    FileEntry edited = m.otherFiles[1];
    edited.destination = u"MyFolder";
    edited.shortcut = u"Help";
    edited.onlyIfNewer = edited.neverUninstall = edited.autostart = u"";
    edited.postExecute = u"Yes";
    EXPECT_TRUE(EditEntry(&m, 1, edited));
    EXPECT_EQ(m.otherFiles[1].destination, u"MyFolder");
    EXPECT_EQ(m.otherFiles[1].shortcut, u"Help");
    EXPECT_EQ(m.otherFiles[1].postExecute, u"Yes");
    EXPECT_EQ(m.otherFiles[1].onlyIfNewer, u"");
    EXPECT_EQ(m.otherFiles[0].destination, u"{app}");
    EXPECT_FALSE(EditEntry(&m, 2, edited));
    EXPECT_EQ(m.otherFiles.size(), 2u);
}

}  // namespace
}  // namespace project
