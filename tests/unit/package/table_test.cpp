// Filling the table: AddFile, Reset, SetProjectInfo and the limits of the format.
#include "base/text.h"
#include "package/percentage.h"
#include "tests/unit/package/package_fixture.h"

namespace {

using TableTest = PackageTest;

TEST_F(TableTest, FreshObjectHoldsTheInitialValues) {
    CSelfExtractor extractor;
    EXPECT_EQ(extractor.GetFileCount(), 0);
    EXPECT_EQ(extractor.GetFileRecord(0), nullptr);
    EXPECT_EQ(extractor.GetProjectStrings().productName, u"New Project");
    EXPECT_EQ(extractor.GetProjectStrings().startMenuGroup, u"New Project");
    EXPECT_EQ(extractor.GetProjectStrings().productDirectory.size(), 3u);
    EXPECT_EQ(extractor.GetExpertOptions().enableExperts, 2);
    EXPECT_EQ(extractor.GetExpertOptions().allowExternalImports, 2);
}

TEST_F(TableTest, AddFileFillsTheNextRecord) {
    CSelfExtractor extractor;
    MakeFile(u"C:\\src\\sub\\Expert.ex4", std::string(1234, 'e'));
    ASSERT_TRUE(extractor.AddFile(u"C:\\src\\sub\\Expert.ex4", u"{metatrader}\\experts\\", u"Ex",
                                  u"-p", u"Yes", u"No", u"", u"Yes"));
    ASSERT_EQ(extractor.GetFileCount(), 1);
    const FileRecord& r = *extractor.GetFileRecord(0);
    EXPECT_EQ(r.name, u"Expert.ex4");
    EXPECT_EQ(r.sourcePath, u"C:\\src\\sub\\Expert.ex4");
    EXPECT_EQ(r.destination, u"{metatrader}\\experts\\");
    EXPECT_EQ(r.shortcut, u"Ex");
    EXPECT_EQ(r.parameters, u"-p");
    EXPECT_EQ(r.onlyIfNewer, u"Yes");
    EXPECT_EQ(r.neverUninstall, u"No");
    EXPECT_EQ(r.autostart, u"");
    EXPECT_EQ(r.postExecute, u"Yes");
    EXPECT_EQ(r.uncompressedSize, 1234);
}

TEST_F(TableTest, NameIsTheTextAfterTheLastSeparator) {
    EXPECT_EQ(BareFileName(u"C:\\a\\b.txt"), u"b.txt");
    EXPECT_EQ(BareFileName(u"/home/author/b.txt"), u"b.txt");
    EXPECT_EQ(BareFileName(u"C:\\a/b\\c/d.txt"), u"d.txt");
    EXPECT_EQ(BareFileName(u"plain.txt"), u"plain.txt");
    EXPECT_EQ(BareFileName(u"C:\\folder\\"), u"");

    CSelfExtractor extractor;
    MakeFile(u"C:\\src\\mixed\\file.mq4", "x");
    ASSERT_TRUE(extractor.AddFile(u"C:\\src/mixed\\file.mq4", u"", u"", u"", u"", u"", u"", u""));
    EXPECT_EQ(extractor.GetFileRecord(0)->name, u"file.mq4");
}

TEST_F(TableTest, AddFileRefusesMissingFilesFoldersAndAFullTable) {
    CSelfExtractor extractor;
    EXPECT_FALSE(extractor.AddFile(u"C:\\src\\missing.txt", u"", u"", u"", u"", u"", u"", u""));
    MakeFile(u"C:\\src\\dir\\inner", "x");
    EXPECT_FALSE(extractor.AddFile(u"C:\\src\\dir", u"", u"", u"", u"", u"", u"", u""));
    EXPECT_EQ(extractor.GetFileCount(), 0);

    MakeFile(u"C:\\src\\one", "1");
    for (int i = 0; i < 256; ++i) {
        ASSERT_TRUE(extractor.AddFile(u"C:\\src\\one", u"", u"", u"", u"", u"", u"", u""));
    }
    EXPECT_FALSE(extractor.AddFile(u"C:\\src\\one", u"", u"", u"", u"", u"", u"", u""));
    EXPECT_EQ(extractor.GetFileCount(), 256);
    EXPECT_EQ(extractor.GetFileRecord(256), nullptr);
    EXPECT_EQ(extractor.GetFileRecord(-1), nullptr);
}

TEST_F(TableTest, ResetEmptiesTheTableButKeepsStringsAndOptions) {
    CSelfExtractor extractor;
    AddFile(extractor, u"a", "a", u"{app}\\");
    extractor.SetProjectInfo(u"P", u"D", u"G", u"", u"", u"", u"", u"", u"", u"");
    extractor.SetExpertOptions(0, 0, 0, 0, 0, 0, 0, 1);
    extractor.Reset();
    EXPECT_EQ(extractor.GetFileCount(), 0);
    EXPECT_EQ(extractor.GetFileRecord(0), nullptr);
    EXPECT_EQ(extractor.GetProjectStrings().productName, u"P");
    EXPECT_EQ(extractor.GetExpertOptions().allowExternalImports, 1);

    // A record reused after Reset holds nothing of the old one.
    AddFile(extractor, u"b", "bb");
    EXPECT_EQ(extractor.GetFileRecord(0)->destination, u"");
    EXPECT_EQ(extractor.GetFileRecord(0)->uncompressedSize, 2);
}

TEST_F(TableTest, TextsAreCutToWhatTheFormatCarries) {
    CSelfExtractor extractor;
    const std::u16string longText(300, u'd');
    MakeFile(u"C:\\src\\f", "f");
    ASSERT_TRUE(extractor.AddFile(u"C:\\src\\f", longText, longText, longText, longText, longText,
                                  longText, longText));
    const FileRecord& r = *extractor.GetFileRecord(0);
    EXPECT_EQ(r.destination, std::u16string(259, u'd'));
    EXPECT_EQ(r.postExecute.size(), 259u);

    // A surrogate pair across the limit is dropped whole rather than split.
    std::u16string pair(258, u'p');
    pair += u"\xD83D\xDE00";
    extractor.SetProjectInfo(std::u16string(400, u'n'), pair, u"", u"", u"", u"", u"", u"", u"",
                             std::u16string(259, u'e'));
    EXPECT_EQ(extractor.GetProjectStrings().productName.size(), 259u);
    EXPECT_EQ(extractor.GetProjectStrings().productDirectory, std::u16string(258, u'p'));
    EXPECT_EQ(extractor.GetProjectStrings().contactEmail.size(), 259u);

    // What was cut reads back unchanged.
    CreateSetup(extractor, u"C:\\out\\cut.exe");
    CSelfExtractor reader;
    ASSERT_EQ(reader.ReadTrailer(u"C:\\out\\cut.exe"), SFX_OK);
    EXPECT_EQ(reader.GetFileRecord(0)->parameters, std::u16string(259, u'd'));
    EXPECT_EQ(reader.GetProjectStrings().productName, std::u16string(259, u'n'));
}

TEST_F(TableTest, PlainFileNames) {
    for (const char16_t* name : {u"a.txt", u"Expert Advisor.ex4", u"What's New.rtf", u"..a", u"a..",
                                 u"\x00e9t\x00e9.txt"}) {
        EXPECT_TRUE(IsPlainFileName(name)) << text::ToUtf8(name);
    }
    for (const char16_t* name :
         {u"", u".", u"..", u"..\\x", u"a\\b", u"a/b", u"C:x", u"a:b", u"a\tb", u"\x001f"}) {
        EXPECT_FALSE(IsPlainFileName(name)) << text::ToUtf8(name);
    }
    EXPECT_FALSE(IsPlainFileName(std::u16string(u"a\0b", 3)));
}

TEST(EnsureTrailingBackslash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(CSelfExtractor::EnsureTrailingBackslash(u"C:\\Temp"), u"C:\\Temp\\");
    EXPECT_EQ(CSelfExtractor::EnsureTrailingBackslash(u"C:\\Temp\\"), u"C:\\Temp\\");
    EXPECT_EQ(CSelfExtractor::EnsureTrailingBackslash(u"C:"), u"C:\\");
}

TEST(Percentage, BothFormsAndTheirBoundary) {
    EXPECT_EQ(package::Percentage(0, 0), 100);
    EXPECT_EQ(package::Percentage(123, 0), 100);
    EXPECT_EQ(package::Percentage(0, 4096), 0);
    EXPECT_EQ(package::Percentage(2048, 4096), 50);
    EXPECT_EQ(package::Percentage(4095, 4096), 99);  // truncates
    EXPECT_EQ(package::Percentage(4096, 4096), 100);
    // Up to ten million: done * 100 / total.
    EXPECT_EQ(package::Percentage(4999999, 10000000), 49);
    // Above: done / (total / 100); the direct form would give 49 here.
    EXPECT_EQ(package::Percentage(5000000, 10000001), 50);
    EXPECT_EQ(package::Percentage(10000001, 10000001), 100);
    EXPECT_EQ(package::Percentage(2000000000, 2000000000), 100);
    // More consumed than the total (a stream longer than its record says): no overflow.
    EXPECT_EQ(package::Percentage(2147483647, 10000000), 21474);
    // Truncated just below a whole percentage, and for the largest count a stream can have.
    EXPECT_EQ(package::Percentage(9999999, 10000000), 99);
    EXPECT_EQ(package::Percentage(4294967295LL, 10000000), 42949);
    EXPECT_EQ(package::Percentage(4294967295LL, 2147483647), 200);
}

}  // namespace
