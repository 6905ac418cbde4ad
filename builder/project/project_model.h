#pragma once
// Everything an author enters to describe one installer. A plain object: the builder's pages
// show it and write every edit straight back into it, and New, Open, Save and Build work on it
// alone. Texts are held as typed; they are cut to their record capacity only when a project
// file is written (project_record.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// Capacities of the text fields in the project file, in UTF-16 units including the
// terminating zero. A field keeps at most capacity - 1 characters in the file.
constexpr size_t kNameCapacity = 64;    // product, directory, group, publisher and contact texts
constexpr size_t kUrlCapacity = 128;    // productUrl
constexpr size_t kPathCapacity = 260;   // every path and every text of a FileEntry
constexpr size_t kRtfCapacity = 20240;  // licenseRtf, readmeRtf, whatsNewRtf

// A project file has room for this many files in each category.
constexpr size_t kMaxFilesPerCategory = 10;

// The six file categories in the order the Files page lists them.
enum class CategoryId : int32_t {
    ExpertAdvisors = 0,
    CustomIndicators = 1,
    Scripts = 2,
    Sounds = 3,
    DllFiles = 4,
    OtherFiles = 5,
};
constexpr int kCategoryCount = 6;
// Categories 0 to 4 hold plain source paths; Other Files holds FileEntry values.
constexpr int kPathCategoryCount = 5;

// One Other Files item. The flag texts count as set exactly when they read "Yes"; a new entry
// carries "0", an entry edited in File Properties "Yes" or empty, and all are kept as they are.
struct FileEntry {
    std::u16string fileName;     // full source path on the author's machine
    std::u16string destination;  // destination folder, normally starting with a path macro
    std::u16string shortcut;     // Start Menu shortcut name; empty means none
    std::u16string parameters;   // command-line parameters
    std::u16string onlyIfNewer;
    std::u16string neverUninstall;
    std::u16string autostart;
    std::u16string postExecute;
};
// The eight texts in column order: fileName, destination, shortcut, parameters, onlyIfNewer,
// neverUninstall, autostart, postExecute. `column` must be 0 to 7.
constexpr int kFileEntryColumnCount = 8;
std::u16string& EntryColumn(FileEntry& entry, int column);
const std::u16string& EntryColumn(const FileEntry& entry, int column);

// The entry that Add Files makes for a path: destination "{app}", no shortcut or parameters,
// "0" in every flag.
FileEntry NewFileEntry(std::u16string_view path);
bool IsFlagSet(std::u16string_view flag);

// An expert option. Any other number read from a file is kept as it is.
enum class OptionState : int32_t { Off = 0, On = 1, NoChange = 2 };

// The eight expert options in file order and in the order the options page lists them.
enum ExpertOption : int {
    kEnableExperts,
    kDisableOnAccountChange,
    kDisableOnProfileChange,
    kAllowLiveTrading,
    kAskManualConfirmation,
    kAllowDllImports,
    kConfirmDllCalls,
    kAllowExternalImports,
    kExpertOptionCount,
};
struct ExpertOptionInfo {
    const char* name;       // the field name, as scripts and the command line spell it
    const char16_t* label;  // the caption the options page shows
};
extern const ExpertOptionInfo kExpertOptionInfo[kExpertOptionCount];

// Default-constructed, the model holds the values a fresh builder window shows.
struct ProjectModel {
    std::u16string productName = u"My Project";
    std::u16string productDirectory = u"App";  // relative to the user's Program Files folder
    std::u16string startMenuGroup = u"My Project";
    // Major, minor, build, revision as the author typed them; see version_number.h.
    std::array<std::u16string, 4> version = {u"1", u"0", u"0", u"0"};
    std::u16string publisher;
    std::u16string publisherAddress;
    std::u16string productUrl;
    std::u16string contactName;
    std::u16string contactEmail;
    // The source paths of categories 0 to 4, indexed by CategoryId, in the order added.
    std::array<std::vector<std::u16string>, kPathCategoryCount> paths;
    std::vector<FileEntry> otherFiles;
    std::array<OptionState, kExpertOptionCount> expertOptions = {
        OptionState::NoChange, OptionState::NoChange, OptionState::NoChange, OptionState::NoChange,
        OptionState::NoChange, OptionState::NoChange, OptionState::NoChange, OptionState::NoChange};
    // Complete RTF documents; an empty text means the installer shows no page for it.
    std::u16string licenseRtf;
    std::u16string readmeRtf;
    std::u16string whatsNewRtf;
    std::u16string iconPath;    // empty: the built-in icon
    std::u16string bannerPath;  // empty: the built-in banner
    std::u16string targetFile;  // the setup executable to build
    // The one language the setup shows, by tag ("ru"); empty: the user's Windows language. A
    // text project's only: a .eas record has no place for it.
    std::u16string language;
};

// Sets every field to the values of the New Project command.
void ResetProject(ProjectModel* model);

// Field by field: texts exactly, lists in order.
bool operator==(const FileEntry& a, const FileEntry& b);
bool operator==(const ProjectModel& a, const ProjectModel& b);
inline bool operator!=(const ProjectModel& a, const ProjectModel& b) {
    return !(a == b);
}

}  // namespace project
