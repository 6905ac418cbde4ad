#include "builder/build/rich_text_file.h"

#include <gtest/gtest.h>

#include "builder/build/temp_files.h"
#include "os/posix/fake_machine.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace build {
namespace {

TEST(RtfFileBytesTest, AsciiPassesAndOtherUnitsBecomeScopedUnicodeEscapes) {
    EXPECT_EQ(RtfFileBytes(u"{\\rtf1\\ansi Plain \\'e9 text\\par}"),
              "{\\rtf1\\ansi Plain \\'e9 text\\par}");
    EXPECT_EQ(RtfFileBytes(u"caf\u00e9 \u20ac"), "caf{\\uc1\\u233?} {\\uc1\\u8364?}");
    // Units from 0x8000 on are written as negative numbers, each half of a pair on its own.
    EXPECT_EQ(RtfFileBytes(u"\uFFFD"), "{\\uc1\\u-3?}");
    EXPECT_EQ(RtfFileBytes(u"\U0001F600"), "{\\uc1\\u-10179?}{\\uc1\\u-8704?}");
    EXPECT_EQ(RtfFileBytes(u""), "");
}

TEST(RtfTextFromFileBytesTest, HighBytesBecomeCodePageEscapesAndUtf8FilesBecomeUnicode) {
    EXPECT_EQ(RtfTextFromFileBytes("{\\rtf1 caf\xE9\xFF}"), u"{\\rtf1 caf\\'e9\\'ff}");
    EXPECT_EQ(RtfTextFromFileBytes("\xEF\xBB\xBF{\\rtf1 caf\xC3\xA9}"),
              u"{\\rtf1 caf{\\uc1\\u233?}}");
    // Whatever the file held, the text is 7-bit and comes back out as the same bytes.
    const std::u16string text = RtfTextFromFileBytes("{\\rtf1 \x80\x81 \\'41}");
    for (const char16_t unit : text) EXPECT_LT(unit, 0x80);
    EXPECT_EQ(RtfFileBytes(text), "{\\rtf1 \\'80\\'81 \\'41}");
}

TEST(RtfTextFromFileBytesTest, RtfDocumentsAreRecognisedByTheirStart) {
    EXPECT_TRUE(IsRtfDocument(u"{\\rtf1\\ansi}"));
    EXPECT_FALSE(IsRtfDocument(u"Just a license text."));
    EXPECT_FALSE(IsRtfDocument(u" {\\rtf1}"));
    EXPECT_FALSE(IsRtfDocument(u""));
}

class RichTextFilesTest : public FakeMachineTest {};

TEST_F(RichTextFilesTest, TheThreeTextsAreWrittenUnderTheirNames) {
    project::ProjectModel model;
    model.licenseRtf = u"{\\rtf1 Lizenz f\u00fcr alle}";
    model.whatsNewRtf = u"{\\rtf1 New}";
    const os::Path folder = u"C:\\users\\tester\\Temp\\";
    ASSERT_EQ(WriteRichTextFiles(model, folder), u"");
    EXPECT_EQ(ReadHostFile(u"C:\\users\\tester\\Temp\\License.rtf"),
              "{\\rtf1 Lizenz f{\\uc1\\u252?}r alle}");
    EXPECT_TRUE(HostExists(u"C:\\users\\tester\\Temp\\Readme.rtf"));
    EXPECT_EQ(ReadHostFile(u"C:\\users\\tester\\Temp\\Readme.rtf"), "");
    EXPECT_EQ(ReadHostFile(u"C:\\users\\tester\\Temp\\What's New.rtf"), "{\\rtf1 New}");
}

TEST_F(RichTextFilesTest, AFileThatCannotBeWrittenIsNamedAndNotLeftHalfWritten) {
    project::ProjectModel model;
    model.licenseRtf = u"{\\rtf1 License}";
    const os::Path missing = u"C:\\no such folder";
    const std::u16string message = WriteRichTextFiles(model, missing);
    EXPECT_NE(message.find(u"C:\\no such folder\\License.rtf cannot be written"),
              std::u16string::npos);

    // A write that fails halfway leaves no file behind.
    os::fake::FailNth(os::fake::Operation::Write, 2);
    const std::u16string second = WriteRichTextFiles(model, u"C:\\users\\tester\\Temp");
    EXPECT_NE(second.find(u"Readme.rtf cannot be written"), std::u16string::npos);
    EXPECT_TRUE(HostExists(u"C:\\users\\tester\\Temp\\License.rtf"));
    EXPECT_FALSE(HostExists(u"C:\\users\\tester\\Temp\\Readme.rtf"));
}

}  // namespace
}  // namespace build

namespace build {
namespace {

TEST(PathInFolderTest, TheNameJoinsWithTheSeparatorThePathsAlreadyUse) {
    EXPECT_EQ(PathInFolder(u"C:\\Temp\\", u"project.ico"), u"C:\\Temp\\project.ico");
    EXPECT_EQ(PathInFolder(u"C:\\Temp", u"project.ico"), u"C:\\Temp\\project.ico");
    EXPECT_EQ(PathInFolder(u"/tmp/", u"License.rtf"), u"/tmp/License.rtf");
    EXPECT_EQ(PathInFolder(u"..", u"src/a.ex4"), u"../src/a.ex4");
    EXPECT_EQ(PathInFolder(u"..", u"src\\a.ex4"), u"..\\src\\a.ex4");
    EXPECT_EQ(PathInFolder(u"work", u"a.ex4"), u"work\\a.ex4");
}

}  // namespace
}  // namespace build
