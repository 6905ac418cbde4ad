#pragma once
// Building a setup executable from a project: the five fixed entries (icon, banner, license,
// readme, what's new) followed by the files of the six categories, the project information and
// the expert options, written after the installer stub by CSelfExtractor::CreateSetup.
//
// The builder's Build page and the tessark command both call BuildSetup. Before it, the caller
// writes the three texts into the temporary folder as "License.rtf", "Readme.rtf" and
// "What's New.rtf" (the command with WriteRichTextFiles, the builder from its editors).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "builder/build/icon_file.h"
#include "builder/project/project_model.h"
#include "os/os.h"
#include "package/self_extractor.h"

namespace build {

// The destination of each simple category, in CategoryId order; an Other Files entry goes to
// its own destination followed by "\".
extern const char16_t* const kCategoryDestinations[project::kPathCategoryCount];

struct BuildRequest {
    const project::ProjectModel* model = nullptr;  // the build reads every field from here
    os::Path temporaryFolder;    // holds the three .rtf files; gets project.ico, banner.jpg
    const void* stub = nullptr;  // the installer program the setup starts with
    uint32_t stubSize = 0;
    std::u16string builderVersion;  // the builder's own version digits, such as "129"
    IconImage builtInIcon;          // written as project.ico when the project names no icon
    const uint8_t* builtInBanner = nullptr;  // a 160 x 320 JPEG, written as banner.jpg when the
    uint32_t builtInBannerSize = 0;          // project names no banner
};

// Told what the build does while it runs, on the caller's thread. The builder pumps its window
// messages and fills its log here; the command draws its progress.
class BuildObserver {
  public:
    virtual ~BuildObserver() = default;
    // Every line the build log gets, as it gets it.
    virtual void OnLogLine(const std::u16string& line) {}
    // The table is complete and packing starts (the builder disables its Build and Test Project
    // buttons here): `totalBytes` is the sum of the source sizes.
    virtual void OnPackingStarted(int32_t fileCount, int64_t totalBytes) {}
    // The file being packed has `percent` of its bytes compressed.
    virtual void OnFileProgress(const FileRecord& record, int32_t percent) {}
    virtual void OnFileDone(const FileRecord& record) {}
};

enum class BuildStatus {
    Built,             // the setup executable is written
    NoTarget,          // no target path
    NoUserFiles,       // no user file made it into the table
    FixedEntryFailed,  // the icon, banner or a text file cannot be written or opened
    FileMissing,       // a user file cannot be opened, so the setup would lack it
    TargetIsSource,    // the target is one of the files to pack, which writing it would destroy
    TooLarge,          // the setup would pass 2^31 - 1 bytes
    BadFolderName,     // the product folder or Start Menu group is no plain relative folder name
    BadLanguage,       // the project's language is none the setup can show
    PackingFailed,     // CreateSetup ran and failed
};

struct BuildResult {
    BuildStatus status = BuildStatus::PackingFailed;
    // CreateSetup's result code once it has run (Built or PackingFailed), otherwise 0.
    int32_t setupResult = 0;
    // The build log: "Adding " and the source path for every file packed, "Done." at the end.
    std::vector<std::u16string> log;
    // What the builder shows in its message box.
    std::u16string message;
    // For PackingFailed, what went wrong in words ("Unknown Error" alone says nothing), such as
    // the source file that could not be read; empty otherwise.
    std::u16string detail;

    // The builder enables Test Project after every build that reached CreateSetup.
    bool ReachedCreateSetup() const { return setupResult != 0; }
};

// Builds `request.model`'s setup at its targetFile with `extractor`, whose table is rebuilt
// from nothing (a stopped build leaves it empty). `observer` may be null. A text counts as
// present when the model's RTF text is not empty (the builder keeps it empty for an empty
// editor): it then goes to "{app}\\", and the readme gets the "ReadMe" shortcut.
BuildResult BuildSetup(const BuildRequest& request, CSelfExtractor* extractor,
                       BuildObserver* observer);

}  // namespace build
