// The model and the pages' editors: which window shows which field, and that Open, Save and
// New move every field.
#include <gtest/gtest.h>

#include <map>

#include "builder/project/file_categories.h"
#include "builder/project/project_record.h"
#include "builder/ui/page_fields.h"

namespace {

using project::OptionState;
using project::ProjectModel;
using ui::RichText;

// Pages as a table of window identifiers, the way the real ones are found.
class FakePages : public ui::ProjectPages {
  public:
    std::u16string FieldText(int id) const override { return Get(texts, id); }
    void SetFieldText(int id, const std::u16string& text) override { texts[id] = text; }
    int OptionCheck(int id) const override {
        auto found = checks.find(id);
        return found == checks.end() ? -1 : found->second;
    }
    void SetOptionCheck(int id, int state) override { checks[id] = state; }
    std::u16string RichTextOf(RichText page) const override {
        return Get(rich, static_cast<int>(page));
    }
    void SetRichText(RichText page, const std::u16string& rtf) override {
        rich[static_cast<int>(page)] = rtf;
    }
    std::u16string TargetFile() const override { return target; }
    void SetTargetFile(const std::u16string& path) override { target = path; }
    void ShowModelFilesAndPictures() override { ++listsShown; }
    void ClearBuildLog() override { ++logsCleared; }

    static std::u16string Get(const std::map<int, std::u16string>& map, int id) {
        auto found = map.find(id);
        return found == map.end() ? u"<missing>" : found->second;
    }

    std::map<int, std::u16string> texts;
    std::map<int, int> checks;
    std::map<int, std::u16string> rich;
    std::u16string target;
    int listsShown = 0;
    int logsCleared = 0;
};

ProjectModel FilledModel() {
    ProjectModel m;
    m.productName = u"Grid Robot";
    m.productDirectory = u"Acme\\Grid";
    m.startMenuGroup = u"Acme Grid";
    m.version = {u"2", u"1", u"0", u"7"};
    m.publisher = u"Acme";
    m.publisherAddress = u"1 Main St";
    m.productUrl = u"https://acme.example";
    m.contactName = u"Jane";
    m.contactEmail = u"jane@acme.example";
    m.expertOptions = {OptionState::On,       OptionState::Off,      OptionState::NoChange,
                       OptionState::On,       OptionState::NoChange, OptionState::Off,
                       OptionState::NoChange, OptionState::On};
    m.licenseRtf = u"{\\rtf1 License}";
    m.readmeRtf = u"{\\rtf1 Readme}";
    m.whatsNewRtf = u"{\\rtf1 News}";
    m.targetFile = u"C:\\out\\setup.exe";
    return m;
}

TEST(PageFields, EachEditorShowsItsField) {
    FakePages pages;
    ui::ApplyProject(FilledModel(), &pages);
    const std::map<int, std::u16string> expected = {
        {7001, u"Grid Robot"}, {7007, u"Acme\\Grid"},
        {7008, u"Acme Grid"},  {7009, u"2"},
        {7010, u"1"},          {7011, u"0"},
        {7012, u"7"},          {7002, u"Acme"},
        {7003, u"1 Main St"},  {7004, u"https://acme.example"},
        {7005, u"Jane"},       {7006, u"jane@acme.example"},
    };
    EXPECT_EQ(pages.texts, expected);
    // The option boxes in option order: 7021, 7211, 7212, 7022, 7221, 7023, 7231, 7232.
    const std::map<int, int> states = {{7021, 1}, {7211, 0}, {7212, 2}, {7022, 1},
                                       {7221, 2}, {7023, 0}, {7231, 2}, {7232, 1}};
    EXPECT_EQ(pages.checks, states);
    EXPECT_EQ(pages.rich[0], u"{\\rtf1 License}");
    EXPECT_EQ(pages.rich[1], u"{\\rtf1 Readme}");
    EXPECT_EQ(pages.rich[2], u"{\\rtf1 News}");
    EXPECT_EQ(pages.target, u"C:\\out\\setup.exe");
    EXPECT_EQ(pages.listsShown, 1);
    // Open keeps the build log; only New empties it.
    EXPECT_EQ(pages.logsCleared, 0);
}

TEST(PageFields, GatherReadsBackWhatApplyShowed) {
    const ProjectModel shown = FilledModel();
    FakePages pages;
    ui::ApplyProject(shown, &pages);
    ProjectModel gathered;
    ui::GatherProject(pages, &gathered);
    EXPECT_EQ(gathered.productName, shown.productName);
    EXPECT_EQ(gathered.productDirectory, shown.productDirectory);
    EXPECT_EQ(gathered.startMenuGroup, shown.startMenuGroup);
    EXPECT_EQ(gathered.version, shown.version);
    EXPECT_EQ(gathered.publisher, shown.publisher);
    EXPECT_EQ(gathered.publisherAddress, shown.publisherAddress);
    EXPECT_EQ(gathered.productUrl, shown.productUrl);
    EXPECT_EQ(gathered.contactName, shown.contactName);
    EXPECT_EQ(gathered.contactEmail, shown.contactEmail);
    EXPECT_EQ(gathered.expertOptions, shown.expertOptions);
    EXPECT_EQ(gathered.licenseRtf, shown.licenseRtf);
    EXPECT_EQ(gathered.readmeRtf, shown.readmeRtf);
    EXPECT_EQ(gathered.whatsNewRtf, shown.whatsNewRtf);
    EXPECT_EQ(gathered.targetFile, shown.targetFile);
}

TEST(PageFields, GatherKeepsTypedTextsAndTheModelsLists) {
    ProjectModel model;
    project::AddFile(&model, project::CategoryId::Scripts, u"C:\\s\\close.ex4");
    model.iconPath = u"C:\\art\\robot.ico";
    FakePages pages;
    ui::ApplyProject(model, &pages);
    pages.texts[7010] = u"2b";  // typed, not yet a number: the project file converts it
    pages.texts[7001] = u"  Padded  ";
    ui::GatherProject(pages, &model);
    EXPECT_EQ(model.version[1], u"2b");
    EXPECT_EQ(model.productName, u"  Padded  ");
    ASSERT_EQ(model.paths[2].size(), 1u);
    EXPECT_EQ(model.paths[2][0], u"C:\\s\\close.ex4");
    EXPECT_EQ(model.iconPath, u"C:\\art\\robot.ico");
}

TEST(PageFields, NewProjectShowsTheNewProjectValues) {
    ProjectModel model = FilledModel();
    project::AddFile(&model, project::CategoryId::OtherFiles, u"C:\\o\\manual.pdf");
    FakePages pages;
    ui::ApplyProject(model, &pages);
    ui::ResetPages(&model, &pages);
    EXPECT_EQ(pages.texts[7001], u"New Project");
    EXPECT_EQ(pages.texts[7007], u"Tessark Project");
    EXPECT_EQ(pages.texts[7008], u"Tessark Project");
    EXPECT_EQ(pages.texts[7009] + pages.texts[7010] + pages.texts[7011] + pages.texts[7012],
              u"1000");
    EXPECT_EQ(pages.texts[7002], u"");
    EXPECT_EQ(pages.texts[7006], u"");
    const std::map<int, int> states = {{7021, 1}, {7211, 1}, {7212, 1}, {7022, 1},
                                       {7221, 0}, {7023, 1}, {7231, 0}, {7232, 1}};
    EXPECT_EQ(pages.checks, states);
    EXPECT_EQ(pages.rich[0], u"");
    EXPECT_EQ(pages.rich[2], u"");
    EXPECT_EQ(pages.target, u"");
    EXPECT_TRUE(model.otherFiles.empty());
    EXPECT_EQ(pages.listsShown, 2);
    EXPECT_EQ(pages.logsCleared, 1);
}

TEST(PageFields, EveryProjectInfoEditorIsMappedOnce) {
    std::map<int, int> seen;
    for (const ui::TextField& field : ui::kTextFields) ++seen[field.windowId];
    for (int id = 7001; id <= 7012; ++id) EXPECT_EQ(seen[id], 1) << id;
}

// The editors' limits and the project file's fields must agree: an editor that takes more
// builds setups that differ from the saved project, one that takes less loses text on Open.
TEST(PageFields, EachEditorTakesWhatTheProjectFileKeeps) {
    for (const ui::TextField& field : ui::kTextFields) {
        ProjectModel model;
        if (field.member) {
            model.*field.member = std::u16string(field.maxLength, u'w');
            EXPECT_TRUE(project::FieldsCutInRecord(model).empty()) << field.windowId;
            model.*field.member += u'w';
            EXPECT_EQ(project::FieldsCutInRecord(model).size(), 1u) << field.windowId;
            continue;
        }
        // The longest number's text comes back whole; a longer text cannot be one.
        model.version[field.versionIndex] = u"-2147483648";
        ASSERT_EQ(model.version[field.versionIndex].size(), size_t(field.maxLength));
        const std::vector<uint8_t> record = project::EncodeProjectRecord(model);
        EXPECT_EQ(
            project::DecodeProjectRecord(record.data(), record.size()).version[field.versionIndex],
            u"-2147483648");
    }
}

}  // namespace
