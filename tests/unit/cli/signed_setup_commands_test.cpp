// list, verify and extract on a setup that was signed after it was built: the certificate table
// after the package is passed over, any other bytes after it still are not.
#include <gtest/gtest.h>

#include "base/text.h"
#include "package/self_extractor.h"
#include "tests/unit/cli/cli_fixture.h"
#include "tests/unit/package/pe_signing.h"

namespace {

class SignedSetupCommandsTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        MakeSampleProject();
        // The installer stand-in is a PE image, so that a signer's header entry has a place.
        Write("stub.exe", petest::PeHeaders() + std::string(300, 'x'));
        RunOk({"build", "p.eas", "--stub", "stub.exe"});
        built_ = Read("out/Setup.exe");
    }
    std::string built_;
};

TEST_F(SignedSetupCommandsTest, ListVerifyAndExtractReadThroughTheSignature) {
    for (size_t padding : {size_t{0}, size_t{3}, size_t{7}}) {
        SCOPED_TRACE(padding);
        Write("signed.exe", petest::Sign(built_, padding));
        EXPECT_EQ(RunOk({"list", "signed.exe"}).out, RunOk({"list", "out/Setup.exe"}).out);
        const CommandOutcome verified = RunOk({"verify", "signed.exe"});
        EXPECT_EQ(Lines(verified.out).back(), "signed.exe is sound: 11 files checked");
        RunOk({"extract", "signed.exe", "into"});
        EXPECT_EQ(Read("into/Manual.txt"), Read("src/Manual.txt"));
    }
}

TEST_F(SignedSetupCommandsTest, VerifyFindsADamagedStreamInASignedSetup) {
    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(text::FromUtf8(Path("out/Setup.exe"))), SFX_OK);
    const FileRecord& manual = *reader.GetFileRecord(10);
    std::string bytes = petest::Sign(built_, 5);
    bytes[static_cast<size_t>(manual.offset + manual.compressedSize / 2)] ^= 0x21;
    Write("signed.exe", bytes);
    const CommandOutcome outcome = Run({"verify", "signed.exe"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("DAMAGED  10  Manual.txt: "), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("ok       9  math.dll"), std::string::npos);
}

TEST_F(SignedSetupCommandsTest, BytesAfterTheTableAreStillRefused) {
    Write("signed.exe", petest::Sign(built_, 2) + "appended");
    for (const char* command : {"list", "verify"}) {
        const CommandOutcome outcome = Run({command, "signed.exe"});
        EXPECT_EQ(outcome.status, 1) << command;
        EXPECT_EQ(outcome.err,
                  "tessark: signed.exe is not a setup executable (no package at its end)\n");
    }
}

}  // namespace
