// The texts a text page streams into its rich edit control, from outside bytes: a readme,
// license or what's-new file read by the installer, handed over in chunks of whatever size the
// control asks for; and the same bytes as an .rtf file read by the builder, and a text written
// by the builder as an .rtf file.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "builder/build/rich_text_file.h"
#include "fuzz/fuzz_machine.h"
#include "installer/text_page_file.h"
#include "installer/utf8_chunk_reader.h"

namespace {

const os::Path kPageFile = u"C:\\users\\tester\\Temp\\Readme.rtf";

// Streams `text` out in chunks whose sizes follow a pattern taken from `seed`, as a control
// might ask, and checks that every byte comes out once, in order, within each chunk's room.
void CheckChunks(std::u16string_view text, uint32_t seed) {
    installer::Utf8ChunkReader reader(text);
    const std::string whole = text::ToUtf8(text);
    FUZZ_CHECK(reader.TotalBytes() == whole.size());
    std::string got;
    char buffer[4100];
    uint32_t state = seed | 1;
    size_t requests = 0;
    for (int i = 0;; ++i) {
        state = state * 1103515245u + 12345u;
        // Now and then a request without room, which must hand out nothing.
        if (i % 8 == 7) {
            FUZZ_CHECK(reader.Next(buffer, (state >> 16) % 2 == 0 ? 0 : -1) == 0);
            continue;
        }
        const int64_t capacity = 1 + (state >> 12) % sizeof buffer;
        const uint32_t n = reader.Next(buffer, capacity);
        FUZZ_CHECK(n <= capacity);
        if (n == 0) break;
        got.append(buffer, n);
        FUZZ_CHECK(++requests <= whole.size());
    }
    FUZZ_CHECK(reader.AtEnd());
    FUZZ_CHECK(reader.Next(buffer, sizeof buffer) == 0);
    FUZZ_CHECK(got == whole);
}

bool IsAscii(std::u16string_view text) {
    for (const char16_t unit : text) {
        if (unit >= 0x80) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const uint32_t seed = size == 0 ? 0 : data[0] * 16777619u ^ static_cast<uint32_t>(size);

    // The installer's side: every line ends with "\r\n" and no lone "\n" is left.
    const std::u16string page = installer::JoinTextLines(bytes);
    FUZZ_CHECK(size == 0 || (page.size() >= 2 && page.substr(page.size() - 2) == u"\r\n"));
    for (size_t i = 0; i < page.size(); ++i) {
        FUZZ_CHECK(page[i] != u'\n' || (i > 0 && page[i - 1] == u'\r'));
    }
    fuzz::FreshMachine();
    FUZZ_CHECK(fuzz::PutFile(kPageFile, data, size));
    std::u16string read;
    FUZZ_CHECK(installer::ReadTextPageFile(kPageFile, &read));
    FUZZ_CHECK(read == page);
    CheckChunks(page, seed);
    // Texts that need not be well-formed UTF-16.
    CheckChunks(fuzz::UnitsOf(data, size), seed ^ 0x5bd1e995u);

    // The builder's side: an .rtf file becomes pure ASCII, which writes back unchanged.
    const std::u16string rtf = build::RtfTextFromFileBytes(bytes);
    FUZZ_CHECK(IsAscii(rtf));
    FUZZ_CHECK(build::RtfFileBytes(rtf) == text::ToUtf8(rtf));
    const std::string written = build::RtfFileBytes(fuzz::UnitsOf(data, size));
    const std::u16string reread = build::RtfTextFromFileBytes(written);
    FUZZ_CHECK(IsAscii(reread));
    FUZZ_CHECK(text::ToUtf8(reread) == written);
    return 0;
}
