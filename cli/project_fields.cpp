#include "cli/project_fields.h"

#include <array>
#include <cstdint>

#include "base/text.h"
#include "builder/build/rich_text_file.h"
#include "builder/project/version_number.h"
#include "cli/file_bytes.h"

namespace cli {

namespace {

using project::ProjectModel;

// An .rtf file larger than this cannot fit into its field, whatever it holds.
constexpr size_t kMaxRtfFileBytes = 4 * project::kRtfCapacity;

constexpr const char16_t* kCategoryNames[project::kCategoryCount] = {
    u"experts", u"indicators", u"scripts", u"sounds", u"dlls", u"other",
};

std::vector<ProjectField> MakeFields() {
    using project::kNameCapacity;
    using project::kPathCapacity;
    using project::kRtfCapacity;
    using project::kUrlCapacity;
    std::vector<ProjectField> fields = {
        {u"productName", FieldKind::Text, &ProjectModel::productName, kNameCapacity, 0},
        {u"productDirectory", FieldKind::Text, &ProjectModel::productDirectory, kNameCapacity, 0},
        {u"startMenuGroup", FieldKind::Text, &ProjectModel::startMenuGroup, kNameCapacity, 0},
        {u"version", FieldKind::Version, nullptr, 0, 0},
        {u"publisher", FieldKind::Text, &ProjectModel::publisher, kNameCapacity, 0},
        {u"publisherAddress", FieldKind::Text, &ProjectModel::publisherAddress, kNameCapacity, 0},
        {u"productUrl", FieldKind::Text, &ProjectModel::productUrl, kUrlCapacity, 0},
        {u"contactName", FieldKind::Text, &ProjectModel::contactName, kNameCapacity, 0},
        {u"contactEmail", FieldKind::Text, &ProjectModel::contactEmail, kNameCapacity, 0},
    };
    for (int i = 0; i < project::kExpertOptionCount; ++i) {
        fields.push_back(
            {text::FromUtf8(project::kExpertOptionInfo[i].name), FieldKind::Option, nullptr, 0, i});
    }
    const std::vector<ProjectField> rest = {
        {u"licenseRtf", FieldKind::Rtf, &ProjectModel::licenseRtf, kRtfCapacity, 0},
        {u"readmeRtf", FieldKind::Rtf, &ProjectModel::readmeRtf, kRtfCapacity, 0},
        {u"whatsNewRtf", FieldKind::Rtf, &ProjectModel::whatsNewRtf, kRtfCapacity, 0},
        {u"iconPath", FieldKind::Path, &ProjectModel::iconPath, kPathCapacity, 0},
        {u"bannerPath", FieldKind::Path, &ProjectModel::bannerPath, kPathCapacity, 0},
        {u"targetFile", FieldKind::Path, &ProjectModel::targetFile, kPathCapacity, 0},
    };
    fields.insert(fields.end(), rest.begin(), rest.end());
    return fields;
}

std::u16string TooLong(const ProjectField& field, size_t length, std::u16string_view what) {
    return text::Format(
        u"%s is too long: %d %s, at most %d",
        {field.name, text::FromInt(length), what, text::FromInt(field.capacity - 1)});
}

// "1.2.3.4": four decimal numbers within 32 bits, stored as plain decimal ("007" gives "7").
bool ParseVersion(std::u16string_view value, std::array<std::u16string, 4>* version) {
    std::array<std::u16string, 4> parts;
    size_t part = 0;
    int64_t number = 0;
    bool digits = false;
    for (size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size() || value[i] == u'.') {
            if (!digits || part == parts.size()) return false;
            parts[part++] = project::VersionTextFromNumber(static_cast<int32_t>(number));
            number = 0;
            digits = false;
        } else if (value[i] >= u'0' && value[i] <= u'9') {
            number = number * 10 + (value[i] - u'0');
            if (number > INT32_MAX) return false;
            digits = true;
        } else {
            return false;
        }
    }
    if (part != parts.size()) return false;
    *version = parts;
    return true;
}

std::u16string SetRtf(std::u16string* target, const ProjectField& field,
                      const std::u16string& path) {
    if (path.empty()) {
        target->clear();
        return {};
    }
    std::string bytes;
    std::u16string error;
    if (!ReadWholeFile(path, kMaxRtfFileBytes, &bytes, &error)) return error;
    std::u16string rtf = build::RtfTextFromFileBytes(bytes);
    if (!build::IsRtfDocument(rtf)) {
        return text::Format(u"%s is not an RTF document (it does not start with {\\rtf)", {path});
    }
    if (rtf.size() >= field.capacity) return TooLong(field, rtf.size(), u"characters of RTF");
    *target = std::move(rtf);
    return {};
}

}  // namespace

const std::vector<ProjectField>& ProjectFields() {
    static const std::vector<ProjectField> fields = MakeFields();
    return fields;
}

const ProjectField* FindProjectField(std::u16string_view name) {
    for (const ProjectField& field : ProjectFields()) {
        if (name == field.name) return &field;
    }
    return nullptr;
}

std::u16string SetProjectField(ProjectModel* model, const ProjectField& field,
                               const std::u16string& value) {
    switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::Path:
            if (value.size() >= field.capacity) {
                return TooLong(field, value.size(), u"characters");
            }
            model->*field.text = value;
            return {};
        case FieldKind::Rtf:
            return SetRtf(&(model->*field.text), field, value);
        case FieldKind::Version:
            if (!ParseVersion(value, &model->version)) {
                return u"version takes four numbers such as 1.2.3.4, each at most 2147483647";
            }
            return {};
        case FieldKind::Option:
            if (value.size() != 1 || value[0] < u'0' || value[0] > u'2') {
                return text::Format(u"%s takes 0 (off), 1 (on) or 2 (no change)", {field.name});
            }
            model->expertOptions[field.option] = static_cast<project::OptionState>(value[0] - u'0');
            return {};
    }
    return {};
}

std::u16string ShowProjectField(const ProjectModel& model, const ProjectField& field) {
    switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::Path: {
            const std::u16string& value = model.*field.text;
            return value.empty() ? u"-" : value;
        }
        case FieldKind::Rtf: {
            const std::u16string& value = model.*field.text;
            if (value.empty()) return u"-";
            return text::Format(u"%d characters of RTF", {text::FromInt(value.size())});
        }
        case FieldKind::Version:
            return model.version[0] + u"." + model.version[1] + u"." + model.version[2] + u"." +
                   model.version[3];
        case FieldKind::Option:
            return OptionStateText(static_cast<int32_t>(model.expertOptions[field.option]));
    }
    return {};
}

bool ParseCategory(std::u16string_view value, project::CategoryId* category) {
    for (int i = 0; i < project::kCategoryCount; ++i) {
        if (value == kCategoryNames[i] || value == text::FromInt(i)) {
            *category = static_cast<project::CategoryId>(i);
            return true;
        }
    }
    return false;
}

std::u16string_view CategoryName(project::CategoryId category) {
    return kCategoryNames[static_cast<int>(category)];
}

std::u16string OptionStateText(int32_t state) {
    switch (state) {
        case 0:
            return u"0 (off)";
        case 1:
            return u"1 (on)";
        case 2:
            return u"2 (no change)";
    }
    return text::FromInt(state) + u" (not a known state)";
}

}  // namespace cli
