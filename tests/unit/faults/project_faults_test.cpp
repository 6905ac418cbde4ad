// Saving a project when the save fails and cleaning up after it fails as well: the previous
// project is kept whole, and the next save works as if nothing had happened.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "builder/project/file_categories.h"
#include "builder/project/project_file.h"
#include "tests/unit/faults/fault_sweep.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using os::fake::Operation;
using project::ProjectFileResult;

const os::Path kProject = u"C:\\Projects\\Grid.eas";

class ProjectFaultsTest : public FakeMachineTest {};

TEST_F(ProjectFaultsTest, AFailedSaveWhoseCleanUpFailsStillKeepsThePreviousProject) {
    ASSERT_TRUE(os::CreateFolderTree(u"C:\\Projects"));
    project::ProjectModel model;
    project::ResetProject(&model);
    model.productName = u"Grid";
    ASSERT_EQ(project::SaveProjectFile(model, kProject), ProjectFileResult::Ok);
    const std::string previous = ReadHostFile(kProject);
    model.productName = u"Grid Two";
    project::AddFile(&model, project::CategoryId::Scripts, u"C:\\src\\Close.ex4");

    const auto restore = [&] {
        WriteHostFile(kProject, previous);
        std::remove(Host(kProject + u".tmp").c_str());
    };
    const CallCounts counts = SweepFaults(kEveryOperation, restore, [&](const Fault& fault) {
        if (fault.n == 0) {
            EXPECT_EQ(project::SaveProjectFile(model, kProject), ProjectFileResult::Ok);
            return;
        }
        os::fake::FailNth(Operation::Delete, 1);
        EXPECT_NE(project::SaveProjectFile(model, kProject), ProjectFileResult::Ok);
        EXPECT_EQ(ReadHostFile(kProject), previous);
    });
    ASSERT_EQ(counts.Of(Operation::Open), 1);
    ASSERT_EQ(counts.Of(Operation::Write), 1);
    ASSERT_EQ(counts.Of(Operation::Move), 1);

    // Whatever temporary file the failures left is replaced by the next save.
    ASSERT_EQ(project::SaveProjectFile(model, kProject), ProjectFileResult::Ok);
    EXPECT_FALSE(HostExists(kProject + u".tmp"));
    project::ProjectModel reopened;
    ASSERT_EQ(project::LoadProjectFile(kProject, &reopened), ProjectFileResult::Ok);
    EXPECT_EQ(reopened.productName, u"Grid Two");
}

}  // namespace
