#pragma once
// The package format shared by the builder (which writes it) and the installer stub (which
// reads it from the end of its own file).
//
// A setup executable, front to back:
//
//   offset 0          +-------------------------------------------+
//                     | installer stub, byte for byte             |
//                     | language pack (translations/language_     |  what the build adds;
//                     |   pack.h)                                 |  readers skip it
//   record[0].offset  +-------------------------------------------+
//                     | zlib stream of record 0 (RFC 1950)        |  one complete stream per
//                     | zlib stream of record 1                   |  record, in table order,
//                     | ...                                       |  back to back, no padding
//   trailer start     +-------------------------------------------+  (not stored anywhere)
//                     | file table, record 0 first; per record:   |
//                     |   int32 offset            from byte 0     |
//                     |   int32 uncompressedSize  bytes packed    |
//                     |   int32 compressedSize    stream length   |
//                     |   text  name, destination, shortcut,      |
//                     |         parameters, onlyIfNewer,          |
//                     |         neverUninstall, autostart,        |
//                     |         postExecute                       |
//                     | project strings, index 9 down to 0        |
//                     |   (contactEmail first, productName last)  |
//                     | expert options, int32 each, member 7      |
//                     |   down to 0 (allowExternalImports first)  |
//                     | int32 file count                          |
//   end - 28          | "1.10"        4 UTF-16LE units, no count  |
//   end - 20          | "!VOSK_SFX!" 10 UTF-16LE units, no count  |
//   end               +-------------------------------------------+
//
// All integers are 32-bit little-endian two's complement. A text is its UTF-16LE units without
// terminator followed by an int32 unit count, so that a reader walking back from the end meets
// the count first; an empty text is the int32 0 alone. A reader walks the trailer backwards:
// signature, version, count, options enableExperts..allowExternalImports, strings
// productName..contactEmail, then the records from the last down to 0, each from postExecute
// back to offset.

#include <cstdint>
#include <string>
#include <string_view>

// Result codes of every engine operation.
constexpr int32_t SFX_ERR_OPEN = 1000;       // the package executable cannot be opened
constexpr int32_t SFX_ERR_SIGNATURE = 1001;  // no package at the end, or a damaged trailer
constexpr int32_t SFX_OK = 1002;
// 1003 is not used.
constexpr int32_t SFX_ERR_NO_FILES = 1004;     // the file table is empty
constexpr int32_t SFX_ERR_WRITE = 1005;        // an output failed, or a file did not extract
constexpr int32_t SFX_ERR_READ = 1006;         // a source or the package cannot be opened
constexpr int32_t SFX_ERR_RESOURCE = 1007;     // the stub resource cannot be had
constexpr int32_t SFX_PACKAGE_WRITTEN = 1008;  // every stream and the trailer were written

// Progress events; a separate vocabulary from the result codes although the numbers overlap.
constexpr int32_t SFX_FILE_START = 1000;  // data: the FileRecord about to be packed or extracted
constexpr int32_t SFX_FILE_DONE = 1001;   // data: the FileRecord just packed or extracted
constexpr int32_t SFX_PROGRESS = 1002;    // data: an int32 percentage for the current file

// Called on the engine's thread. `userData` is handed back unchanged; it is pointer-sized so a
// caller can pass an object (it is 32 bits wide in the 32-bit programs).
using ProgressCallback = void (*)(int32_t event, const void* data, intptr_t userData);

namespace package {

constexpr char16_t kSignature[] = u"!VOSK_SFX!";
constexpr int32_t kSignatureUnits = 10;
constexpr int32_t kSignatureBytes = 2 * kSignatureUnits;

constexpr char16_t kFormatVersion[] = u"1.10";
constexpr int32_t kFormatVersionUnits = 4;
constexpr int32_t kFormatVersionBytes = 2 * kFormatVersionUnits;

constexpr int32_t kMaxFiles = 256;
// Readers decode texts into 260-unit buffers, so a stored text holds at most 259 units.
constexpr int32_t kMaxTextUnits = 259;

constexpr int32_t kRecordTextCount = 8;
constexpr int32_t kProjectStringCount = 10;
constexpr int32_t kExpertOptionCount = 8;

// Per record: offset, uncompressedSize, compressedSize and eight text counts.
constexpr int32_t kRecordFixedBytes = 3 * 4 + kRecordTextCount * 4;
// Ten string counts, eight options, the file count, the version and the signature.
constexpr int32_t kTrailerFixedBytes =
    kProjectStringCount * 4 + kExpertOptionCount * 4 + 4 + kFormatVersionBytes + kSignatureBytes;
static_assert(sizeof(kSignature) / sizeof(char16_t) == kSignatureUnits + 1);
static_assert(sizeof(kFormatVersion) / sizeof(char16_t) == kFormatVersionUnits + 1);
static_assert(kRecordFixedBytes == 44);
static_assert(kTrailerFixedBytes == 104);
static_assert(kFormatVersionBytes + kSignatureBytes == 28);

// Every file is streamed through two buffers of this size.
constexpr uint32_t kChunkSize = 4096;
constexpr int kCompressionLevel = 6;

// Above this progress total the percentage is computed as done / (total / 100).
constexpr int32_t kPercentageDirectLimit = 10000000;

// The builder carries the installer stub as this resource.
constexpr int32_t kStubResourceId = 167;
constexpr char16_t kStubResourceType[] = u"SFX_EXE";

// A text cut to what the format can carry. A surrogate pair is never split.
inline std::u16string CutToTextLimit(std::u16string_view text) {
    if (text.size() <= static_cast<size_t>(kMaxTextUnits)) return std::u16string(text);
    size_t units = kMaxTextUnits;
    const char16_t last = text[units - 1];
    if (last >= 0xD800 && last <= 0xDBFF) --units;
    return std::u16string(text.substr(0, units));
}

}  // namespace package
