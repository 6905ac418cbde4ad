#pragma once
// The builder's eight sections, in navigator order: what the navigator button says, what the
// header above the page shows and which icon both carry.

namespace ui {

constexpr int kSectionCount = 8;

enum Section : int {
    kProjectInfoSection,
    kFilesSection,
    kOptionsSection,
    kLicenseSection,
    kReadmeSection,
    kWhatsNewSection,
    kCustomizeSection,
    kBuildSection,
};

struct SectionInfo {
    const char16_t* caption;  // the navigator button
    const char16_t* title;    // the header
    int iconId;               // 128 for section 0, then 146 + the section's index
    const char16_t* description;
};
extern const SectionInfo kSections[kSectionCount];

// Sections 3 to 5 are rich text pages; the editor of section s is rich text (s - 3): license,
// readme, what's new.
constexpr int kFirstTextSection = kLicenseSection;
constexpr int kTextPageCount = 3;

}  // namespace ui
