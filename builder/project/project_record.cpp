#include "builder/project/project_record.h"

#include <algorithm>
#include <cstring>

#include "base/le.h"
#include "base/text.h"
#include "builder/project/file_categories.h"
#include "builder/project/version_number.h"

namespace project {

namespace {

using namespace record;

// The text fields outside the file blocks, in record order.
struct TextField {
    uint32_t offset;
    size_t capacity;
    std::u16string ProjectModel::*member;
    const char16_t* label;
};
constexpr TextField kTextFields[] = {
    {kProductName, kNameCapacity, &ProjectModel::productName, u"Product Name"},
    {kProductDirectory, kNameCapacity, &ProjectModel::productDirectory, u"Product Directory"},
    {kStartMenuGroup, kNameCapacity, &ProjectModel::startMenuGroup, u"Start Menu Group Name"},
    {kPublisher, kNameCapacity, &ProjectModel::publisher, u"Publisher"},
    {kPublisherAddress, kNameCapacity, &ProjectModel::publisherAddress, u"Publisher Address"},
    {kProductUrl, kUrlCapacity, &ProjectModel::productUrl, u"Product URL"},
    {kContactName, kNameCapacity, &ProjectModel::contactName, u"Contact Name"},
    {kContactEmail, kNameCapacity, &ProjectModel::contactEmail, u"Contact E-mail"},
    {kLicenseRtf, kRtfCapacity, &ProjectModel::licenseRtf, u"License Agreement"},
    {kReadmeRtf, kRtfCapacity, &ProjectModel::readmeRtf, u"Readme Info"},
    {kWhatsNewRtf, kRtfCapacity, &ProjectModel::whatsNewRtf, u"What's New Info"},
    {kIconPath, kPathCapacity, &ProjectModel::iconPath, u"Icon"},
    {kBannerPath, kPathCapacity, &ProjectModel::bannerPath, u"Banner"},
    {kTargetFile, kPathCapacity, &ProjectModel::targetFile, u"Target File"},
};

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// How many units of `text` a field of `capacity` units keeps, leaving room for the terminator.
size_t KeptLength(std::u16string_view text, size_t capacity) {
    if (text.size() < capacity) return text.size();
    size_t kept = capacity - 1;
    if (kept > 0 && IsHighSurrogate(text[kept - 1])) --kept;
    return kept;
}

void PutText(uint8_t* record, uint32_t offset, size_t capacity, std::u16string_view text) {
    const size_t kept = KeptLength(text, capacity);
    for (size_t i = 0; i < kept; ++i) le::PutU16(record + offset + 2 * i, text[i]);
}

std::u16string GetText(const uint8_t* record, uint32_t offset, size_t capacity) {
    std::u16string text;
    for (size_t i = 0; i < capacity; ++i) {
        const char16_t unit = le::GetU16(record + offset + 2 * i);
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

size_t StoredCount(size_t listSize) {
    return std::min(listSize, kMaxFilesPerCategory);
}

size_t GetCount(const uint8_t* record, uint32_t block) {
    const int32_t count = le::GetI32(record + block + kBlockCount);
    if (count < 0) return 0;
    return std::min(static_cast<size_t>(count), kMaxFilesPerCategory);
}

CategoryId PathCategory(int index) {
    return static_cast<CategoryId>(index);
}

}  // namespace

std::vector<uint8_t> EncodeProjectRecord(const ProjectModel& model) {
    std::vector<uint8_t> bytes(kRecordSize, 0);
    uint8_t* record = bytes.data();
    for (const TextField& field : kTextFields) {
        PutText(record, field.offset, field.capacity, model.*field.member);
    }
    for (size_t i = 0; i < model.version.size(); ++i) {
        le::PutI32(record + kVersion + 4 * i, VersionNumberFromText(model.version[i]));
    }
    for (int c = 0; c < kPathCategoryCount; ++c) {
        const std::vector<std::u16string>& list = model.paths[c];
        const uint32_t block = kPathBlocks[c];
        const size_t count = StoredCount(list.size());
        le::PutI32(record + block + kBlockCount, static_cast<int32_t>(count));
        for (size_t i = 0; i < count; ++i) {
            PutText(record, PathSlot(block, static_cast<uint32_t>(i)), kPathCapacity, list[i]);
        }
    }
    const size_t entryCount = StoredCount(model.otherFiles.size());
    le::PutI32(record + kOtherFilesBlock + kBlockCount, static_cast<int32_t>(entryCount));
    for (size_t i = 0; i < entryCount; ++i) {
        for (int k = 0; k < kFileEntryColumnCount; ++k) {
            PutText(record, EntrySlot(k, static_cast<uint32_t>(i)), kPathCapacity,
                    EntryColumn(model.otherFiles[i], k));
        }
    }
    for (int k = 0; k < kExpertOptionCount; ++k) {
        le::PutI32(record + kExpertOptions + 4 * k, static_cast<int32_t>(model.expertOptions[k]));
    }
    return bytes;
}

ProjectModel DecodeProjectRecord(const uint8_t* bytes, size_t size) {
    std::vector<uint8_t> padded;
    if (size < kRecordSize) {
        padded.assign(kRecordSize, 0);
        if (size > 0) std::memcpy(padded.data(), bytes, size);
        bytes = padded.data();
    }
    const uint8_t* record = bytes;

    ProjectModel model;
    for (const TextField& field : kTextFields) {
        model.*field.member = GetText(record, field.offset, field.capacity);
    }
    for (size_t i = 0; i < model.version.size(); ++i) {
        model.version[i] = VersionTextFromNumber(le::GetI32(record + kVersion + 4 * i));
    }
    for (int c = 0; c < kPathCategoryCount; ++c) {
        std::vector<std::u16string>& list = model.paths[c];
        const uint32_t block = kPathBlocks[c];
        const size_t count = GetCount(record, block);
        for (size_t i = 0; i < count; ++i) {
            list.push_back(
                GetText(record, PathSlot(block, static_cast<uint32_t>(i)), kPathCapacity));
        }
    }
    const size_t entryCount = GetCount(record, kOtherFilesBlock);
    model.otherFiles.resize(entryCount);
    for (size_t i = 0; i < entryCount; ++i) {
        for (int k = 0; k < kFileEntryColumnCount; ++k) {
            EntryColumn(model.otherFiles[i], k) =
                GetText(record, EntrySlot(k, static_cast<uint32_t>(i)), kPathCapacity);
        }
    }
    for (int k = 0; k < kExpertOptionCount; ++k) {
        model.expertOptions[k] =
            static_cast<OptionState>(le::GetI32(record + kExpertOptions + 4 * k));
    }
    return model;
}

std::vector<std::u16string> FieldsCutInRecord(const ProjectModel& model) {
    std::vector<std::u16string> labels;
    auto cut = [](std::u16string_view text, size_t capacity) {
        return KeptLength(text, capacity) < text.size();
    };
    auto fileLabel = [](CategoryId category, size_t index) {
        return text::Format(u"%s file %d", {CategoryCaption(category), text::FromInt(index + 1)});
    };
    // Record order: the product texts, the file blocks, then the texts after the options.
    for (const TextField& field : kTextFields) {
        if (field.offset > kExpertOptions) break;
        if (cut(model.*field.member, field.capacity)) labels.emplace_back(field.label);
    }
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryId category = PathCategory(c);
        const size_t count = FileCount(model, category);
        for (size_t i = 0; i < count; ++i) {
            bool fits = i < kMaxFilesPerCategory;
            if (category == CategoryId::OtherFiles) {
                for (int k = 0; k < kFileEntryColumnCount && fits; ++k) {
                    fits = !cut(EntryColumn(model.otherFiles[i], k), kPathCapacity);
                }
            } else {
                fits = fits && !cut(model.paths[c][i], kPathCapacity);
            }
            if (!fits) labels.push_back(fileLabel(category, i));
        }
    }
    for (const TextField& field : kTextFields) {
        if (field.offset < kExpertOptions) continue;
        if (cut(model.*field.member, field.capacity)) labels.emplace_back(field.label);
    }
    return labels;
}

}  // namespace project
