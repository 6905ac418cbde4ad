#pragma once
// The project record: the fixed 191824-byte image of a ProjectModel that is the whole content
// of a ".eas" project file. No header, signature or version; no variable-length part.
//
//   0x00000  productName        text  64 units       0x00410  contactEmail       text  64
//   0x00080  productDirectory   text  64             0x00490  Expert Advisors    path list block
//   0x00100  startMenuGroup     text  64             0x018E4  Custom Indicators  path list block
//   0x00180  version            4 x int32            0x02D38  Scripts            path list block
//   0x00190  publisher          text  64             0x0418C  DLL Files          path list block
//   0x00210  publisherAddress   text  64             0x055E0  Sounds             path list block
//   0x00290  productUrl         text 128             0x06A34  Other Files        entry block
//   0x00390  contactName        text  64             0x10CB8  expertOptions      8 x int32
//   0x10CD8  licenseRtf         text 20240           0x2E738  iconPath           text 260
//   0x1AAF8  readmeRtf          text 20240           0x2E940  bannerPath         text 260
//   0x24918  whatsNewRtf        text 20240           0x2EB48  targetFile         text 260
//   0x2ED50  end
//
// Numbers are signed 32-bit little-endian. A text is UTF-16LE, zero-terminated inside its
// field, so it holds at most capacity - 1 units. Note that the DLL Files block comes before
// the Sounds block, the other way round from the page order.
//
//   path list block (5204 bytes): int32 count (0..10), then 10 slots of 260 units; slot i holds
//       path i, slots from count on are zero.
//   entry block (41604 bytes): int32 count (0..10), then eight column arrays of 10 slots of 260
//       units, one array per FileEntry text in column order: text k of entry i lies at block
//       offset 4 + k * 5200 + i * 520.
//
// The writer zero-fills the whole record first, so every byte after a terminator and every
// slot beyond a count is zero.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "builder/project/project_model.h"

namespace project::record {

constexpr uint32_t TextBytes(size_t capacity) {
    return static_cast<uint32_t>(capacity * 2);
}

constexpr uint32_t kSlotBytes = TextBytes(kPathCapacity);
constexpr uint32_t kSlotCount = kMaxFilesPerCategory;
constexpr uint32_t kCountBytes = 4;

// Offsets inside a block.
constexpr uint32_t kBlockCount = 0;
constexpr uint32_t kBlockSlots = kCountBytes;
constexpr uint32_t kEntryColumnBytes = kSlotCount * kSlotBytes;

constexpr uint32_t kPathBlockBytes = kCountBytes + kSlotCount * kSlotBytes;
constexpr uint32_t kEntryBlockBytes = kCountBytes + kFileEntryColumnCount * kEntryColumnBytes;
static_assert(kSlotBytes == 520);
static_assert(kEntryColumnBytes == 5200);
static_assert(kPathBlockBytes == 5204);
static_assert(kEntryBlockBytes == 41604);

// Offsets of the fields from the start of the record.
constexpr uint32_t kProductName = 0x00000;
constexpr uint32_t kProductDirectory = 0x00080;
constexpr uint32_t kStartMenuGroup = 0x00100;
constexpr uint32_t kVersion = 0x00180;  // major, minor, build, revision
constexpr uint32_t kPublisher = 0x00190;
constexpr uint32_t kPublisherAddress = 0x00210;
constexpr uint32_t kProductUrl = 0x00290;
constexpr uint32_t kContactName = 0x00390;
constexpr uint32_t kContactEmail = 0x00410;
constexpr uint32_t kExpertAdvisorsBlock = 0x00490;
constexpr uint32_t kCustomIndicatorsBlock = 0x018E4;
constexpr uint32_t kScriptsBlock = 0x02D38;
constexpr uint32_t kDllFilesBlock = 0x0418C;
constexpr uint32_t kSoundsBlock = 0x055E0;
constexpr uint32_t kOtherFilesBlock = 0x06A34;
constexpr uint32_t kExpertOptions = 0x10CB8;  // eight OptionState numbers
constexpr uint32_t kLicenseRtf = 0x10CD8;
constexpr uint32_t kReadmeRtf = 0x1AAF8;
constexpr uint32_t kWhatsNewRtf = 0x24918;
constexpr uint32_t kIconPath = 0x2E738;
constexpr uint32_t kBannerPath = 0x2E940;
constexpr uint32_t kTargetFile = 0x2EB48;
constexpr uint32_t kRecordSize = 191824;

// Each field starts where the one before it ends, and the last ends at the record's end.
static_assert(kProductDirectory == kProductName + TextBytes(kNameCapacity));
static_assert(kStartMenuGroup == kProductDirectory + TextBytes(kNameCapacity));
static_assert(kVersion == kStartMenuGroup + TextBytes(kNameCapacity));
static_assert(kPublisher == kVersion + 4 * 4);
static_assert(kPublisherAddress == kPublisher + TextBytes(kNameCapacity));
static_assert(kProductUrl == kPublisherAddress + TextBytes(kNameCapacity));
static_assert(kContactName == kProductUrl + TextBytes(kUrlCapacity));
static_assert(kContactEmail == kContactName + TextBytes(kNameCapacity));
static_assert(kExpertAdvisorsBlock == kContactEmail + TextBytes(kNameCapacity));
static_assert(kCustomIndicatorsBlock == kExpertAdvisorsBlock + kPathBlockBytes);
static_assert(kScriptsBlock == kCustomIndicatorsBlock + kPathBlockBytes);
static_assert(kDllFilesBlock == kScriptsBlock + kPathBlockBytes);
static_assert(kSoundsBlock == kDllFilesBlock + kPathBlockBytes);
static_assert(kOtherFilesBlock == kSoundsBlock + kPathBlockBytes);
static_assert(kExpertOptions == kOtherFilesBlock + kEntryBlockBytes);
static_assert(kLicenseRtf == kExpertOptions + kExpertOptionCount * 4);
static_assert(kReadmeRtf == kLicenseRtf + TextBytes(kRtfCapacity));
static_assert(kWhatsNewRtf == kReadmeRtf + TextBytes(kRtfCapacity));
static_assert(kIconPath == kWhatsNewRtf + TextBytes(kRtfCapacity));
static_assert(kBannerPath == kIconPath + TextBytes(kPathCapacity));
static_assert(kTargetFile == kBannerPath + TextBytes(kPathCapacity));
static_assert(kRecordSize == kTargetFile + TextBytes(kPathCapacity));
static_assert(kRecordSize == 0x2ED50);

// The path list block of categories 0 to 4, in CategoryId order.
constexpr uint32_t kPathBlocks[kPathCategoryCount] = {
    kExpertAdvisorsBlock, kCustomIndicatorsBlock, kScriptsBlock, kSoundsBlock, kDllFilesBlock,
};

constexpr uint32_t PathSlot(uint32_t block, uint32_t index) {
    return block + kBlockSlots + index * kSlotBytes;
}

// Where text `column` of Other Files entry `index` lies.
constexpr uint32_t EntrySlot(int column, uint32_t index) {
    return kOtherFilesBlock + kBlockSlots + static_cast<uint32_t>(column) * kEntryColumnBytes +
           index * kSlotBytes;
}
static_assert(EntrySlot(0, 0) == 0x06A38);
static_assert(EntrySlot(1, 0) == 0x07E88);
static_assert(EntrySlot(1, 1) == 0x08090);
static_assert(EntrySlot(7, 0) == 0x0F868);
static_assert(EntrySlot(7, kSlotCount) == kExpertOptions);

}  // namespace project::record

namespace project {

// The record of a model: kRecordSize bytes. A text longer than its field's capacity - 1 is cut
// there (never splitting a surrogate pair), and a category with more than 10 files keeps its
// first 10; nothing is ever written outside a field.
std::vector<uint8_t> EncodeProjectRecord(const ProjectModel& model);

// The model a record describes. Bytes missing from a short record read as zero and bytes
// beyond kRecordSize are ignored. A text without a terminator ends at its field's end; a
// negative count is an empty category and a count above 10 reads as 10.
ProjectModel DecodeProjectRecord(const uint8_t* bytes, size_t size);

// The page labels of the texts and files that EncodeProjectRecord would cut or leave out, in
// the order the pages show them ("Product Name", "Scripts file 11", "License Agreement"), so
// that the builder can say so before saving. Empty when everything fits.
std::vector<std::u16string> FieldsCutInRecord(const ProjectModel& model);

}  // namespace project
