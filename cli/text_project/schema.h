#pragma once
// The names of a text project (.toml): its tables and keys, and the words of the expert option
// values. The reader and the writer share them, so a file the writer makes is one the reader
// takes. The layout, with every key:
//
//   [product]   name, directory, startMenuGroup, version ("1.2.0.0"), publisher,
//               publisherAddress, url, contactName, contactEmail      strings
//   [options]   the eight expert options by the model's names          "on", "off", "unchanged"
//   [texts]     license, readme, whatsNew                               "File.rtf", { text = "..."
//   }
//                                                                      or { rtf = "..." }
//   [files]     experts, indicators, scripts, sounds, dlls             arrays of paths
//   [[files.other]]  file, destination, shortcut, parameters           strings
//                    onlyIfNewer, neverUninstall, autostart,           true, false, or the
//                    postExecute                                       record's own text
//   [setup]     icon, banner, target                                   paths
//               language                                               a language tag, "ru"
//
// Paths are taken from the project file's folder.

#include <cstddef>

#include "builder/project/project_model.h"

namespace cli::text_project {

// The most files a text project may name, in all categories together (folders counted by the
// files they hold): what a setup's table holds besides its five entries of its own. This is the
// one place that limit is checked against. A project file holds at most
// project::kMaxFilesPerCategory in each category, which "tessark convert" checks.
constexpr size_t kMaxUserFiles = 256 - 5;

constexpr const char* kProductTable = "product";
constexpr const char* kOptionsTable = "options";
constexpr const char* kTextsTable = "texts";
constexpr const char* kFilesTable = "files";
constexpr const char* kSetupTable = "setup";

// Keys of [product] that hold plain texts, with the model field and its capacity. "version" is
// the one other key of [product].
struct ProductKey {
    const char* key;
    std::u16string project::ProjectModel::*field;
    size_t capacity;
};
constexpr const char* kVersionKey = "version";
constexpr ProductKey kProductKeys[] = {
    {"name", &project::ProjectModel::productName, project::kNameCapacity},
    {"directory", &project::ProjectModel::productDirectory, project::kNameCapacity},
    {"startMenuGroup", &project::ProjectModel::startMenuGroup, project::kNameCapacity},
    {"publisher", &project::ProjectModel::publisher, project::kNameCapacity},
    {"publisherAddress", &project::ProjectModel::publisherAddress, project::kNameCapacity},
    {"url", &project::ProjectModel::productUrl, project::kUrlCapacity},
    {"contactName", &project::ProjectModel::contactName, project::kNameCapacity},
    {"contactEmail", &project::ProjectModel::contactEmail, project::kNameCapacity},
};

// The option values: OptionState 0, 1 and 2. Any other number a project file holds is written
// as that number, and read back as it is.
constexpr const char* kOptionWords[] = {"off", "on", "unchanged"};

struct TextKey {
    const char* key;
    std::u16string project::ProjectModel::*field;
    const char* fileSuffix;  // the .rtf file "tessark convert" writes beside the project
};
constexpr TextKey kTextKeys[] = {
    {"license", &project::ProjectModel::licenseRtf, "-license.rtf"},
    {"readme", &project::ProjectModel::readmeRtf, "-readme.rtf"},
    {"whatsNew", &project::ProjectModel::whatsNewRtf, "-whatsnew.rtf"},
};
// The two ways of giving a text in the file itself: plain text turned into RTF, and RTF kept
// exactly as written.
constexpr const char* kPlainTextKey = "text";
constexpr const char* kRtfKey = "rtf";

// The five simple categories in CategoryId order, named as "tessark add" names them; then the
// Other Files array.
constexpr const char* kCategoryKeys[project::kPathCategoryCount] = {
    "experts", "indicators", "scripts", "sounds", "dlls",
};
constexpr const char* kOtherKey = "other";

// The keys of an Other Files entry, in FileEntry column order. "file" is required; a left-out
// destination is "{app}", shortcut and parameters are empty, and a left-out flag is "0", as
// for a file just added. true is "Yes" and false the empty text, as File Properties stores
// them.
constexpr const char* kEntryKeys[project::kFileEntryColumnCount] = {
    "file",        "destination",    "shortcut",  "parameters",
    "onlyIfNewer", "neverUninstall", "autostart", "postExecute",
};
constexpr int kFirstFlagColumn = 4;
// An Other Files entry may name a folder instead of a file ("folder" instead of "file"), with
// patterns that choose among its files (see folder_entry.h).
constexpr const char* kFolderKey = "folder";
constexpr const char* kIncludeKey = "include";
constexpr const char* kExcludeKey = "exclude";

struct SetupKey {
    const char* key;
    std::u16string project::ProjectModel::*field;
};
constexpr SetupKey kSetupKeys[] = {
    {"icon", &project::ProjectModel::iconPath},
    {"banner", &project::ProjectModel::bannerPath},
    {"target", &project::ProjectModel::targetFile},
    {"language", &project::ProjectModel::language},
};

}  // namespace cli::text_project
