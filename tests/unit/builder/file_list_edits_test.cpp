#include "builder/ui/file_list_edits.h"

#include <gtest/gtest.h>

#include "builder/project/file_categories.h"
#include "builder/ui/file_dialog_text.h"

namespace {

using project::CategoryId;
using project::ProjectModel;
using widgets::AddFiles;
using widgets::RemoveSelected;

using Paths = std::vector<std::u16string>;

const Paths& Experts(const ProjectModel& m) {
    return m.paths[0];
}

TEST(FileListEditsTest, SplitsSingleAndMultipleSelections) {
    using widgets::SplitOpenFileNames;
    const std::u16string one(u"C:\\src\\a.mq4\0\0", 14);
    EXPECT_EQ(SplitOpenFileNames(one), Paths({u"C:\\src\\a.mq4"}));
    const std::u16string three(u"C:\\src\0c.mq4\0a.ex4\0b.mq4\0\0", 26);
    EXPECT_EQ(SplitOpenFileNames(three),
              Paths({u"C:\\src\\c.mq4", u"C:\\src\\a.ex4", u"C:\\src\\b.mq4"}));
    // A drive root already ends with its backslash.
    const std::u16string root(u"D:\\\0x.wav\0y.wav\0\0", 17);
    EXPECT_EQ(SplitOpenFileNames(root), Paths({u"D:\\x.wav", u"D:\\y.wav"}));
    EXPECT_TRUE(SplitOpenFileNames(std::u16string(2, u'\0')).empty());
    // A buffer without its final zeros still ends.
    EXPECT_EQ(SplitOpenFileNames(u"C:\\f\0g"), Paths({u"C:\\f"}));
}

TEST(FileListEditsTest, AddsInOrderSkippingDuplicatesQuietly) {
    ProjectModel m;
    auto first =
        AddFiles(&m, CategoryId::ExpertAdvisors, {u"C:\\c.ex4", u"", u"C:\\a.ex4", u"C:\\b.ex4"});
    EXPECT_EQ(first.added, 3u);
    EXPECT_EQ(first.message, u"");
    EXPECT_EQ(Experts(m), Paths({u"C:\\c.ex4", u"C:\\a.ex4", u"C:\\b.ex4"}));

    auto again = AddFiles(&m, CategoryId::ExpertAdvisors, {u"C:\\a.ex4", u"C:\\A.ex4"});
    EXPECT_EQ(again.added, 1u);  // only the case-different path is new
    EXPECT_EQ(again.message, u"");
    EXPECT_EQ(Experts(m).back(), u"C:\\A.ex4");
    // Another category may list the same file.
    EXPECT_EQ(AddFiles(&m, CategoryId::Scripts, {u"C:\\a.ex4"}).added, 1u);

    auto other = AddFiles(&m, CategoryId::OtherFiles, {u"C:\\readme.txt"});
    ASSERT_EQ(m.otherFiles.size(), 1u);
    EXPECT_EQ(m.otherFiles[0].destination, u"{app}");
    EXPECT_EQ(m.otherFiles[0].postExecute, u"0");
    EXPECT_EQ(other.added, 1u);
}

TEST(FileListEditsTest, TheEleventhFileIsRefusedWithTheModelsMessage) {
    ProjectModel m;
    Paths twelve;
    for (int i = 0; i < 12; ++i) twelve.push_back(u"C:\\s" + std::u16string(1, u'a' + i) + u".wav");
    auto outcome = AddFiles(&m, CategoryId::Sounds, twelve);
    EXPECT_EQ(outcome.added, 10u);
    EXPECT_EQ(m.paths[3].size(), 10u);
    const std::u16string expected = project::AddFileMessage(project::AddFileResult::CategoryFull,
                                                            CategoryId::Sounds, twelve[10]) +
                                    u"\n" +
                                    project::AddFileMessage(project::AddFileResult::CategoryFull,
                                                            CategoryId::Sounds, twelve[11]);
    EXPECT_EQ(outcome.message, expected);
    EXPECT_NE(outcome.message.find(u"sk.wav"), std::u16string::npos);
}

TEST(FileListEditsTest, RemoveGoesFromTheLastSelectedRowUp) {
    ProjectModel m;
    AddFiles(&m, CategoryId::CustomIndicators, {u"a", u"b", u"c", u"d"});
    // Selected rows arrive in any order, possibly twice; out-of-range rows are skipped.
    EXPECT_EQ(RemoveSelected(&m, CategoryId::CustomIndicators, {1, 3, 1, 9}),
              std::vector<size_t>({3, 1}));
    EXPECT_EQ(m.paths[1], Paths({u"a", u"c"}));
    EXPECT_TRUE(RemoveSelected(&m, CategoryId::CustomIndicators, {}).empty());
    EXPECT_EQ(m.paths[1].size(), 2u);

    AddFiles(&m, CategoryId::OtherFiles, {u"x", u"y", u"z"});
    m.otherFiles[2].shortcut = u"Z";
    EXPECT_EQ(RemoveSelected(&m, CategoryId::OtherFiles, {1}), std::vector<size_t>({1}));
    ASSERT_EQ(m.otherFiles.size(), 2u);
    EXPECT_EQ(m.otherFiles[1].fileName, u"z");
    EXPECT_EQ(m.otherFiles[1].shortcut, u"Z");
}

TEST(FileListEditsTest, EditVisitsSelectedRowsFromTheLast) {
    EXPECT_EQ(widgets::LastToFirst({0, 2}), std::vector<size_t>({2, 0}));
    EXPECT_EQ(widgets::LastToFirst({5, 1, 5, 3}), std::vector<size_t>({5, 3, 1}));
    EXPECT_TRUE(widgets::LastToFirst({}).empty());
}

}  // namespace

namespace {

TEST(FileDialogTextTest, FiltersAndExtensionsAsTheDialogWantsThem) {
    using widgets::BareExtension;
    using widgets::DialogFilter;
    const std::u16string filter = DialogFilter(u"JPG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||");
    EXPECT_EQ(filter, std::u16string(u"JPG Files (*.jpg)\0*.jpg\0All Files (*.*)\0*.*\0\0", 45));
    // Without the closing bars the list is still ended.
    EXPECT_EQ(DialogFilter(u"All Files (*.*)|*.*"), std::u16string(u"All Files (*.*)\0*.*\0", 20));
    EXPECT_EQ(DialogFilter(u""), u"");
    EXPECT_EQ(BareExtension(u"*.eas"), u"eas");
    EXPECT_EQ(BareExtension(u".ico"), u"ico");
    EXPECT_EQ(BareExtension(u"jpg"), u"jpg");
    EXPECT_EQ(BareExtension(u""), u"");
}

}  // namespace
