#include <string>

#include "base/text.h"
#include "installer/text_page_file.h"
#include "installer/utf8_chunk_reader.h"
#include "tests/unit/os/fake_machine_fixture.h"

namespace {

using installer::JoinTextLines;
using installer::Utf8ChunkReader;

TEST(TextPageFileTest, EveryLineIncludingTheLastEndsInCrLf) {
    EXPECT_EQ(JoinTextLines(""), u"");
    EXPECT_EQ(JoinTextLines("{\\rtf1 a}"), u"{\\rtf1 a}\r\n");
    EXPECT_EQ(JoinTextLines("one\ntwo\n"), u"one\r\ntwo\r\n");
    EXPECT_EQ(JoinTextLines("one\r\ntwo"), u"one\r\ntwo\r\n");
    EXPECT_EQ(JoinTextLines("\n\n"), u"\r\n\r\n");
    // A lone carriage return is part of the line.
    EXPECT_EQ(JoinTextLines("a\rb\r"), u"a\rb\r\r\n");
    EXPECT_EQ(JoinTextLines("a\r\r\n"), u"a\r\r\n");
}

TEST(TextPageFileTest, BytesAbove127AreWindows1252) {
    EXPECT_EQ(JoinTextLines("caf\xE9 \x80\x93\x9F\xFF"), u"caf\u00E9 \u20AC\u201C\u0178\u00FF\r\n");
    // Unassigned bytes keep their number, as Windows decodes them.
    EXPECT_EQ(JoinTextLines("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D\r\n");
    EXPECT_EQ(JoinTextLines(std::string("a\0b", 3)), std::u16string(u"a\0b\r\n", 5));
}

class TextPageFileReadTest : public FakeMachineTest {};

TEST_F(TextPageFileReadTest, FileIsReadWholeOrNotAtAll) {
    std::string big;
    for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\r\n";
    WriteHostFile(u"C:\\users\\tester\\Temp\\Readme.rtf", big);
    std::u16string text;
    ASSERT_TRUE(installer::ReadTextPageFile(u"C:\\users\\tester\\Temp\\Readme.rtf", &text));
    EXPECT_EQ(text, text::FromUtf8(big));

    text = u"stale";
    EXPECT_FALSE(installer::ReadTextPageFile(u"C:\\users\\tester\\Temp\\Missing.rtf", &text));
    EXPECT_TRUE(text.empty());

    os::fake::FailNth(os::fake::Operation::Read, 2);
    EXPECT_FALSE(installer::ReadTextPageFile(u"C:\\users\\tester\\Temp\\Readme.rtf", &text));
    EXPECT_TRUE(text.empty());
}

TEST(Utf8ChunkReaderTest, EveryChunkSizeHandsOutEachByteOnce) {
    // Two-, three- and four-byte sequences, so that chunks end inside characters.
    const std::u16string text = u"{\\rtf1 Gr\u00FC\u00DFe \u20AC 100 \U0001F4C8 \u65E5\u672C}\r\n";
    const std::string expected = text::ToUtf8(text);
    ASSERT_GT(expected.size(), text.size());
    char chunk[64];
    ASSERT_LT(expected.size(), sizeof chunk);
    for (int64_t size = 1; size <= static_cast<int64_t>(expected.size()) + 1; ++size) {
        Utf8ChunkReader reader(text);
        std::string streamed;
        int calls = 0;
        while (uint32_t n = reader.Next(chunk, size)) {
            ASSERT_LE(n, static_cast<uint64_t>(size));
            streamed.append(chunk, n);
            ASSERT_LT(++calls, 1000);
        }
        EXPECT_EQ(streamed, expected) << "chunk size " << size;
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(reader.Next(chunk, size), 0u);
        EXPECT_EQ(text::FromUtf8(streamed), text);
    }
}

TEST(Utf8ChunkReaderTest, EmptyTextAndUselessRequestsGiveNothing) {
    char chunk[8];
    Utf8ChunkReader empty(u"");
    EXPECT_TRUE(empty.AtEnd());
    EXPECT_EQ(empty.Next(chunk, sizeof chunk), 0u);

    Utf8ChunkReader reader(u"ab");
    EXPECT_EQ(reader.Next(chunk, 0), 0u);
    EXPECT_EQ(reader.Next(chunk, -5), 0u);
    EXPECT_EQ(reader.Next(chunk, sizeof chunk), 2u);
    EXPECT_EQ(std::string(chunk, 2), "ab");
}

}  // namespace
