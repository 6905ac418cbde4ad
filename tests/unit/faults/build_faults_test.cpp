// A whole build with one failing call of the machine, for every call it makes: the build stops
// with the code of what failed, and leaves no file that looks like a setup executable.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/text.h"
#include "builder/build/build_setup.h"
#include "builder/build/rich_text_file.h"
#include "builder/project/file_categories.h"
#include "package/format.h"
#include "tests/unit/faults/fault_sweep.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using build::BuildResult;
using build::BuildStatus;
using os::fake::Operation;
using project::CategoryId;

const os::Path kTemp = u"C:\\users\\tester\\Temp";
const os::Path kSource = u"C:\\author\\Grid\\";
const os::Path kTarget = u"C:\\out\\GridSetup.exe";
const std::string kStub = "MZ stand-in installer";
const uint8_t kIcon[] = {'i', 'c', 'o', 'n'};
const uint8_t kBanner[] = {0xFF, 0xD8, 0xFF, 0xD9};

// How far the machine's call counts had got when packing started.
class PhaseObserver : public build::BuildObserver {
  public:
    void OnPackingStarted(int32_t, int64_t) override {
        for (int i = 0; i < 7; ++i) {
            atPacking.calls[i] = os::fake::CallCount(static_cast<Operation>(i));
        }
        packingStarted = true;
    }
    CallCounts atPacking;
    bool packingStarted = false;
};

std::string Noise(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return bytes;
}

class BuildFaultsTest : public FakeMachineTest {
  protected:
    void SetUp() override {
        FakeMachineTest::SetUp();
        ASSERT_TRUE(os::CreateFolderTree(kSource));
        ASSERT_TRUE(os::CreateFolderTree(u"C:\\out"));
        project::ResetProject(&model_);
        model_.targetFile = kTarget;
        model_.licenseRtf = u"{\\rtf1 Terms}";
        Add(CategoryId::ExpertAdvisors, u"Grid.ex4", Noise(20000, 1));  // several chunks
        Add(CategoryId::Sounds, u"grid.wav", "RIFF");
        Add(CategoryId::OtherFiles, u"Guide.txt", "read me");
        ASSERT_EQ(build::WriteRichTextFiles(model_, kTemp), u"");
        request_.model = &model_;
        request_.temporaryFolder = kTemp;
        request_.stub = kStub.data();
        request_.stubSize = static_cast<uint32_t>(kStub.size());
        request_.builderVersion = u"129";
        request_.builtInIcon.bytes = kIcon;
        request_.builtInIcon.size = sizeof kIcon;
        request_.builtInBanner = kBanner;
        request_.builtInBannerSize = sizeof kBanner;
    }

    void Add(CategoryId category, const std::u16string& name, const std::string& bytes) {
        WriteHostFile(kSource + name, bytes);
        ASSERT_EQ(project::AddFile(&model_, category, kSource + name),
                  project::AddFileResult::Added);
    }

    // Ends with the package signature, as a setup does.
    bool LooksLikeSetup(const os::Path& path) const {
        const std::string bytes = ReadHostFile(path);
        std::string signature;
        for (const char16_t unit : std::u16string(package::kSignature)) {
            signature += static_cast<char>(unit);
            signature += '\0';
        }
        return bytes.size() >= signature.size() &&
               bytes.compare(bytes.size() - signature.size(), signature.size(), signature) == 0;
    }

    // The build's status and code for the fault, given where packing started in a good run.
    void ExpectStoppedBy(const Fault& fault, const BuildResult& result,
                         const CallCounts& atPacking) const {
        EXPECT_NE(result.status, BuildStatus::Built);
        EXPECT_FALSE(result.message.empty());
        EXPECT_FALSE(HostExists(kTarget));
        if (fault.n <= atPacking.Of(fault.operation)) {
            // A temporary picture or a file to pack: stopped before anything was written.
            EXPECT_TRUE(result.status == BuildStatus::FixedEntryFailed ||
                        result.status == BuildStatus::FileMissing)
                << static_cast<int>(result.status);
            EXPECT_FALSE(result.ReachedCreateSetup());
            return;
        }
        EXPECT_EQ(result.status, BuildStatus::PackingFailed);
        EXPECT_EQ(result.message, u"Unknown Error");
        EXPECT_FALSE(result.detail.empty());
        // The first open of packing creates the target; those after it open the sources.
        const bool sourceOpen =
            fault.operation == Operation::Open && fault.n > atPacking.Of(Operation::Open) + 1;
        EXPECT_EQ(result.setupResult, sourceOpen ? SFX_ERR_READ : SFX_ERR_WRITE);
    }

    project::ProjectModel model_;
    build::BuildRequest request_;
    CSelfExtractor extractor_;  // one for every build, as the Build page keeps one
};

TEST_F(BuildFaultsTest, EveryFailingCallStopsTheBuildWithItsCode) {
    std::string good;
    CallCounts atPacking;
    const auto prepare = [&] { std::remove(Host(kTarget).c_str()); };
    const CallCounts counts = SweepFaults(kEveryOperation, prepare, [&](const Fault& fault) {
        PhaseObserver observer;
        const BuildResult result = build::BuildSetup(request_, &extractor_, &observer);
        if (fault.n == 0) {
            ASSERT_EQ(result.status, BuildStatus::Built) << text::ToUtf8(result.message);
            ASSERT_TRUE(observer.packingStarted);
            good = ReadHostFile(kTarget);
            atPacking = observer.atPacking;
            return;
        }
        ExpectStoppedBy(fault, result, atPacking);
    });
    // The sweep reached every kind of call a build makes.
    EXPECT_GT(counts.Of(Operation::Open), atPacking.Of(Operation::Open) + 1);
    EXPECT_GT(counts.Of(Operation::Read), 5);
    EXPECT_GT(counts.Of(Operation::Write), atPacking.Of(Operation::Write) + 5);

    // The same extractor builds the same setup again after all those failures.
    prepare();
    EXPECT_EQ(build::BuildSetup(request_, &extractor_, nullptr).status, BuildStatus::Built);
    EXPECT_EQ(ReadHostFile(kTarget), good);
}

TEST_F(BuildFaultsTest, AWriteFailureThatCannotBeCleanedUpLeavesNoSetupLookalike) {
    const auto prepare = [&] { std::remove(Host(kTarget).c_str()); };
    SweepFaults({Operation::Write}, prepare, [&](const Fault& fault) {
        if (fault.n > 0) os::fake::FailNth(Operation::Delete, 1);
        const BuildResult result = build::BuildSetup(request_, &extractor_, nullptr);
        if (fault.n == 0) return;
        EXPECT_NE(result.status, BuildStatus::Built);
        EXPECT_FALSE(LooksLikeSetup(kTarget));
    });
}

}  // namespace
