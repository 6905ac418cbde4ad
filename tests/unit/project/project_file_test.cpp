#include "builder/project/project_file.h"

#include <gtest/gtest.h>

#include "builder/project/file_categories.h"
#include "builder/project/project_record.h"
#include "os/posix/fake_machine.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace project {
namespace {

using os::fake::FailNth;
using os::fake::Operation;

constexpr size_t kSize = 191824;
const os::Path kFolder = u"C:\\Projects";
const os::Path kProject = u"C:\\Projects\\Hunter.eas";
const os::Path kTemporary = u"C:\\Projects\\Hunter.eas.tmp";

std::string AsString(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

ProjectModel SampleModel() {
    ProjectModel m;
    ResetProject(&m);
    m.productName = u"Hunter";
    m.version = {u"3", u"1", u"", u"7b"};
    AddFile(&m, CategoryId::ExpertAdvisors, u"C:\\src\\Hunter.ex4");
    AddFile(&m, CategoryId::Sounds, u"C:\\src\\alert.wav");
    AddFile(&m, CategoryId::OtherFiles, u"C:\\src\\Manual.pdf");
    m.licenseRtf = u"{\\rtf1\\ansi\\deff0 Use at your own risk.\\par}";
    m.targetFile = u"C:\\out\\HunterSetup.exe";
    return m;
}

class ProjectFileTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        ASSERT_TRUE(os::CreateFolderTree(kFolder));
    }
};

TEST_F(ProjectFileTest, SaveWritesOneWholeRecordAndNoTemporary) {
    ASSERT_EQ(SaveProjectFile(SampleModel(), kProject), ProjectFileResult::Ok);
    const std::string written = ReadHostFile(kProject);
    EXPECT_EQ(written.size(), kSize);
    EXPECT_EQ(written, AsString(EncodeProjectRecord(SampleModel())));
    EXPECT_FALSE(HostExists(kTemporary));

    // Saving over a longer file leaves exactly one record.
    WriteHostFile(kProject, std::string(300000, 'x'));
    ASSERT_EQ(SaveProjectFile(ProjectModel(), kProject), ProjectFileResult::Ok);
    EXPECT_EQ(ReadHostFile(kProject), AsString(EncodeProjectRecord(ProjectModel())));
}

TEST_F(ProjectFileTest, OpenThenSaveGivesIdenticalBytes) {
    // A record written by hand, not by our writer: texts, counts, flags and options.
    std::vector<uint8_t> record(kSize, 0);
    auto text = [&](size_t offset, std::u16string_view t) {
        for (size_t i = 0; i < t.size(); ++i) {
            record[offset + 2 * i] = static_cast<uint8_t>(t[i]);
            record[offset + 2 * i + 1] = static_cast<uint8_t>(t[i] >> 8);
        }
    };
    text(0x00000, u"Hand Made");
    record[0x180] = 4;
    record[0x18C] = 0xFF, record[0x18D] = 0xFF, record[0x18E] = 0xFF, record[0x18F] = 0xFF;
    record[0x0418C] = 1;
    text(0x04190, u"C:\\dll\\x.dll");
    record[0x06A34] = 1;
    text(0x06A38, u"C:\\doc\\a.txt");
    text(0x07E88, u"{desktop}");
    text(0x0BB78, u"Yes");
    record[0x10CB8] = 2, record[0x10CBC] = 1;
    text(0x10CD8, u"{\\rtf1 \u00e9t\u00e9}");
    text(0x2EB48, u"C:\\out\\setup.exe");
    WriteHostFile(kProject, AsString(record));

    ProjectModel m;
    ASSERT_EQ(LoadProjectFile(kProject, &m), ProjectFileResult::Ok);
    EXPECT_EQ(m.productName, u"Hand Made");
    EXPECT_EQ(m.version[3], u"-1");
    const os::Path copy = u"C:\\Projects\\Copy.eas";
    ASSERT_EQ(SaveProjectFile(m, copy), ProjectFileResult::Ok);
    EXPECT_EQ(ReadHostFile(copy), AsString(record));
}

TEST_F(ProjectFileTest, OpenReplacesTheWholeProject) {
    ASSERT_EQ(SaveProjectFile(SampleModel(), kProject), ProjectFileResult::Ok);
    ProjectModel m;
    ResetProject(&m);
    m.readmeRtf = u"{\\rtf1 from the previous project}";
    AddFile(&m, CategoryId::Scripts, u"C:\\old\\script.ex4");
    ASSERT_EQ(LoadProjectFile(kProject, &m), ProjectFileResult::Ok);
    EXPECT_EQ(m.productName, u"Hunter");
    EXPECT_EQ(m.version, (std::array<std::u16string, 4>{u"3", u"1", u"0", u"7"}));
    EXPECT_TRUE(m.readmeRtf.empty());
    EXPECT_EQ(FileCount(m, CategoryId::Scripts), 0u);
    EXPECT_EQ(FindFile(m, CategoryId::Sounds, u"C:\\src\\alert.wav"), 0);
    ASSERT_EQ(m.otherFiles.size(), 1u);
    EXPECT_EQ(m.otherFiles[0].destination, u"{app}");
    EXPECT_EQ(m.otherFiles[0].autostart, u"0");
}

TEST_F(ProjectFileTest, ZeroLengthAndOverlongFiles) {
    WriteHostFile(kProject, "");
    ProjectModel m = SampleModel();
    ASSERT_EQ(LoadProjectFile(kProject, &m), ProjectFileResult::Ok);
    EXPECT_TRUE(m.productName.empty());
    EXPECT_TRUE(m.startMenuGroup.empty());
    EXPECT_EQ(m.version, (std::array<std::u16string, 4>{u"0", u"0", u"0", u"0"}));
    for (OptionState s : m.expertOptions) EXPECT_EQ(s, OptionState::Off);
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(FileCount(m, static_cast<CategoryId>(c)), 0u);
    }
    EXPECT_TRUE(m.licenseRtf.empty());
    EXPECT_TRUE(m.targetFile.empty());

    WriteHostFile(kProject,
                  AsString(EncodeProjectRecord(SampleModel())) + std::string(5000, '\x7f'));
    ASSERT_EQ(LoadProjectFile(kProject, &m), ProjectFileResult::Ok);
    EXPECT_EQ(m.productName, u"Hunter");
    EXPECT_EQ(m.targetFile, u"C:\\out\\HunterSetup.exe");
}

TEST_F(ProjectFileTest, FailedOpenLeavesTheModelAlone) {
    ASSERT_EQ(SaveProjectFile(SampleModel(), kProject), ProjectFileResult::Ok);
    ProjectModel m;
    m.productName = u"Unsaved work";

    EXPECT_EQ(LoadProjectFile(u"C:\\Projects\\missing.eas", &m), ProjectFileResult::CannotOpen);
    EXPECT_EQ(m.productName, u"Unsaved work");

    FailNth(Operation::Read, 1);
    const ProjectFileResult result = LoadProjectFile(kProject, &m);
    EXPECT_EQ(result, ProjectFileResult::ReadFailed);
    EXPECT_EQ(ProjectFileMessage(result), u"Failed to read.");
    EXPECT_EQ(m.productName, u"Unsaved work");
    EXPECT_EQ(ProjectFileMessage(ProjectFileResult::CannotOpen), u"Failed to read.");
}

TEST_F(ProjectFileTest, FailedSaveKeepsThePreviousFile) {
    ASSERT_EQ(SaveProjectFile(SampleModel(), kProject), ProjectFileResult::Ok);
    const std::string previous = ReadHostFile(kProject);
    ProjectModel changed = SampleModel();
    changed.productName = u"Changed";

    for (const Operation fault : {Operation::Open, Operation::Write, Operation::Move}) {
        FailNth(fault, 1);
        const ProjectFileResult result = SaveProjectFile(changed, kProject);
        EXPECT_EQ(result, ProjectFileResult::SaveFailed);
        EXPECT_EQ(ProjectFileMessage(result), u"Failed to save.");
        EXPECT_EQ(ReadHostFile(kProject), previous);
        EXPECT_FALSE(HostExists(kTemporary));
        os::fake::ClearFaults();
    }

    // A folder that does not exist: nothing is created at all.
    EXPECT_EQ(SaveProjectFile(changed, u"C:\\Nowhere\\Hunter.eas"), ProjectFileResult::SaveFailed);
    EXPECT_FALSE(HostExists(u"C:\\Nowhere"));

    ASSERT_EQ(SaveProjectFile(changed, kProject), ProjectFileResult::Ok);
    EXPECT_NE(ReadHostFile(kProject), previous);
}

TEST(ProjectFileName, EasIsAppendedUnlessTheNameEndsInExactlyEas) {
    EXPECT_EQ(WithProjectExtension(u"C:\\p\\Hunter"), u"C:\\p\\Hunter.eas");
    EXPECT_EQ(WithProjectExtension(u"C:\\p\\Hunter.eas"), u"C:\\p\\Hunter.eas");
    EXPECT_EQ(WithProjectExtension(u"C:\\p\\Hunter.EAS"), u"C:\\p\\Hunter.EAS.eas");
    EXPECT_EQ(WithProjectExtension(u"C:\\p\\Hunter.Eas"), u"C:\\p\\Hunter.Eas.eas");
    EXPECT_EQ(WithProjectExtension(u"C:\\p\\Hunter.easy"), u"C:\\p\\Hunter.easy.eas");
    EXPECT_EQ(WithProjectExtension(u"C:\\p\\Hunter.txt"), u"C:\\p\\Hunter.txt.eas");
    EXPECT_EQ(WithProjectExtension(u"Hunter eas"), u"Hunter eas.eas");
    EXPECT_EQ(WithProjectExtension(u".eas"), u".eas");
}

}  // namespace
}  // namespace project
