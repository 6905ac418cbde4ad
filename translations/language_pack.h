#pragma once
// The languages a setup carries. The build places this pack between the installer program's
// image and the package, so the package's own layout and offsets stay as they are, and nothing
// of it is ever extracted:
//
//   "TSKLANG1"                      8 bytes
//   uint16 message count            a pack made for other texts is not used
//   uint16 flags                    bit 0: forced, the first language whatever the user's
//   uint16 language count N         0 with the forced flag: English
//   uint16 0
//   N x { uint16 LANGID, uint16 0, uint32 offset from the pack's start, uint32 stream size }
//   the zlib streams, each the texts of every identifier in order, UTF-16LE, each text
//   followed by a zero unit (one stream may serve several LANGIDs)
//
// Integers are little-endian.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace translations {

inline constexpr char kPackSignature[8] = {'T', 'S', 'K', 'L', 'A', 'N', 'G', '1'};
inline constexpr size_t kPackFixedBytes = 16;
inline constexpr size_t kPackEntryBytes = 12;
// More languages than any pack holds; a reader reads this much header at most.
inline constexpr size_t kMaxPackLanguages = 64;
inline constexpr size_t kMaxPackHeaderBytes = kPackFixedBytes + kMaxPackLanguages * kPackEntryBytes;
// No language's texts come near this, compressed or not.
inline constexpr uint32_t kMaxLanguageBytes = 256 * 1024;

struct PackEntry {
    uint16_t language = 0;  // a Windows LANGID
    uint32_t offset = 0;
    uint32_t size = 0;
};

// Finds, in the pack header at the start of `bytes` (`size` of them, which may run past the
// header), the language to use for a user whose interface language is `userLanguage`: the
// forced one; else the same LANGID; else the first entry of the same primary language (a pack
// lists each language's main variant first). False for English: no such entry, or no pack of
// this program's texts, or an entry out of bounds.
bool FindLanguage(const uint8_t* bytes, size_t size, uint16_t userLanguage, PackEntry* found);

// One language for WritePack: its LANGIDs (the first is its own, the others are served by it)
// and its texts in identifier order.
struct PackLanguage {
    std::vector<uint16_t> languages;
    std::vector<std::u16string> texts;
};

// The pack of `languages` in the given order, each compressed as one zlib stream.
std::vector<uint8_t> WritePack(const std::vector<PackLanguage>& languages, bool forced);

}  // namespace translations
