#include "builder/build/build_setup.h"

#include "base/text.h"
#include "builder/build/setup_size.h"
#include "builder/build/temp_files.h"
#include "package/folder_name.h"
#include "translations/setup_languages.h"

namespace build {

const char16_t* const kCategoryDestinations[project::kPathCategoryCount] = {
    u"{metatrader}\\experts\\",
    u"{metatrader}\\experts\\indicators\\",
    u"{metatrader}\\experts\\scripts\\",
    u"{metatrader}\\experts\\sounds\\",
    u"{metatrader}\\experts\\libraries\\",
};

namespace {

using project::ProjectModel;

constexpr char16_t kNoTargetMessage[] =
    u"You need to select an output Exe before you can create the SFX";
constexpr char16_t kNoUserFilesMessage[] =
    u"You have to add at least 1 File to Files section to be able to build. Currently project "
    u"contains no files at all.";
constexpr char16_t kBuiltMessage[] =
    u"Setup file %s has been created successfully. \nClick to Test Project button to start this "
    u"file directly.";
constexpr char16_t kNoFilesMessage[] = u"You must add some files to the extractor";
constexpr char16_t kUnknownErrorMessage[] = u"Unknown Error";

// The installer finds the icon, the banner and the texts at these table indices.
constexpr int32_t kFixedEntryCount = 5;

// Why AddFile refused `path`, for a message.
std::u16string WhyNotAdded(const os::Path& path) {
    os::File file;
    if (!file.OpenRead(path)) return os::LastErrorMessage();
    if (file.Size() > INT32_MAX) return u"it is larger than a setup can hold";
    return u"the setup cannot hold more files";
}

// Adds an entry that must land at its fixed index; empty on success, else what went wrong.
std::u16string AddFixedEntry(CSelfExtractor* extractor, const os::Path& path, const char16_t* what,
                             const std::u16string& destination = {},
                             const std::u16string& shortcut = {}) {
    if (extractor->AddFile(path, destination, shortcut, {}, {}, {}, {}, {})) return {};
    return text::Format(u"The %s file %s cannot be opened: %s", {what, path, WhyNotAdded(path)});
}

// The icon or banner entry: the author's file, or the built-in picture written into the
// temporary folder. Empty on success, else the message that stops the build.
std::u16string AddPictureEntry(CSelfExtractor* extractor, const std::u16string& authorsPath,
                               const os::Path& folder, std::u16string_view builtInName,
                               const std::vector<uint8_t>& builtIn, const char16_t* what) {
    if (!authorsPath.empty()) return AddFixedEntry(extractor, authorsPath, what);
    if (builtIn.empty()) {
        return text::Format(u"There is no built-in %s in this build; set the project's %s file.",
                            {what, what});
    }
    const os::Path path = PathInFolder(folder, builtInName);
    std::u16string error = WriteTemporaryFile(path, builtIn.data(), builtIn.size());
    if (!error.empty()) return error;
    return AddFixedEntry(extractor, path, what);
}

std::u16string JoinVersion(const ProjectModel& model) {
    std::u16string joined;
    for (size_t i = 0; i < model.version.size(); ++i) {
        if (i > 0) joined += u'.';
        joined += model.version[i];
    }
    return joined;
}

void SetProjectInfo(const ProjectModel& model, const std::u16string& builderVersion,
                    CSelfExtractor* extractor) {
    const std::u16string productDirectory = text::Trim(model.productDirectory);
    std::u16string startMenuGroup = text::Trim(model.startMenuGroup);
    if (startMenuGroup.empty()) startMenuGroup = productDirectory;
    extractor->SetProjectInfo(text::Trim(model.productName), productDirectory, startMenuGroup,
                              builderVersion, JoinVersion(model), model.publisher,
                              model.publisherAddress, model.productUrl, model.contactName,
                              model.contactEmail);
    const auto option = [&model](int i) { return static_cast<int32_t>(model.expertOptions[i]); };
    extractor->SetExpertOptions(option(0), option(1), option(2), option(3), option(4), option(5),
                                option(6), option(7));
}

// What the progress callback needs; userData points at it.
struct PackingContext {
    BuildObserver* observer = nullptr;
    BuildResult* result = nullptr;
    const FileRecord* current = nullptr;
    int32_t filesDone = 0;
};

void OnPackingEvent(int32_t event, const void* data, intptr_t userData) {
    auto& context = *reinterpret_cast<PackingContext*>(userData);
    if (event == SFX_FILE_START) {
        context.current = static_cast<const FileRecord*>(data);
        context.result->log.push_back(u"Adding " + context.current->sourcePath);
        if (context.observer) context.observer->OnLogLine(context.result->log.back());
    } else if (event == SFX_PROGRESS) {
        if (context.observer && context.current) {
            context.observer->OnFileProgress(*context.current, *static_cast<const int32_t*>(data));
        }
    } else if (event == SFX_FILE_DONE) {
        ++context.filesDone;
        if (context.observer) context.observer->OnFileDone(*static_cast<const FileRecord*>(data));
    }
}

std::u16string PackingFailure(int32_t code, const CSelfExtractor& extractor, int32_t filesDone,
                              const os::Path& target) {
    switch (code) {
        case SFX_ERR_READ: {
            const FileRecord* record = extractor.GetFileRecord(filesDone);
            const std::u16string source = record ? record->sourcePath : std::u16string();
            return text::Format(u"The file %s could not be read.", {source});
        }
        case SFX_ERR_WRITE:
            return text::Format(u"The setup file %s could not be written.", {target});
        case SFX_ERR_RESOURCE:
            return u"The installer program to start the setup with is missing.";
        case SFX_ERR_NO_FILES:
            return u"The setup has no files.";
    }
    return text::Format(u"The package writer failed with code %d.", {text::FromInt(code)});
}

}  // namespace

BuildResult BuildSetup(const BuildRequest& request, CSelfExtractor* extractor,
                       BuildObserver* observer) {
    const ProjectModel& model = *request.model;
    const os::Path& folder = request.temporaryFolder;
    BuildResult result;
    extractor->Reset();
    const auto stop = [&](BuildStatus status, std::u16string message) {
        extractor->Reset();
        result.status = status;
        result.message = std::move(message);
        return result;
    };

    // Icon and banner first, then the texts: the installer relies on indices 0 to 4.
    const std::vector<uint8_t> icon = request.builtInIcon.size > 0
                                          ? SingleImageIconFile(request.builtInIcon)
                                          : std::vector<uint8_t>();
    std::u16string error =
        AddPictureEntry(extractor, model.iconPath, folder, kIconFileName, icon, u"icon");
    if (!error.empty()) return stop(BuildStatus::FixedEntryFailed, error);
    const std::vector<uint8_t> banner(request.builtInBanner,
                                      request.builtInBanner + request.builtInBannerSize);
    error =
        AddPictureEntry(extractor, model.bannerPath, folder, kBannerFileName, banner, u"banner");
    if (!error.empty()) return stop(BuildStatus::FixedEntryFailed, error);

    if (model.targetFile.empty()) return stop(BuildStatus::NoTarget, kNoTargetMessage);

    const std::u16string app = u"{app}\\";
    const auto textDestination = [&app](const std::u16string& rtf) {
        return rtf.empty() ? std::u16string() : app;
    };
    error = AddFixedEntry(extractor, PathInFolder(folder, kLicenseFileName), u"text",
                          textDestination(model.licenseRtf));
    if (error.empty()) {
        const bool readme = !model.readmeRtf.empty();
        error = AddFixedEntry(extractor, PathInFolder(folder, kReadmeFileName), u"text",
                              textDestination(model.readmeRtf), readme ? u"ReadMe" : u"");
    }
    if (error.empty()) {
        error = AddFixedEntry(extractor, PathInFolder(folder, kWhatsNewFileName), u"text",
                              textDestination(model.whatsNewRtf));
    }
    if (!error.empty()) return stop(BuildStatus::FixedEntryFailed, error);

    // A user file that cannot be opened is left out for now; the build stops below unless
    // nothing at all was added, so that no setup quietly lacks a file.
    std::vector<os::Path> missing;
    for (int c = 0; c < project::kPathCategoryCount; ++c) {
        for (const std::u16string& path : model.paths[c]) {
            if (!extractor->AddFile(path, kCategoryDestinations[c], {}, {}, {}, {}, {}, {})) {
                missing.push_back(path);
            }
        }
    }
    for (const project::FileEntry& entry : model.otherFiles) {
        if (!extractor->AddFile(entry.fileName, entry.destination + u"\\", entry.shortcut,
                                entry.parameters, entry.onlyIfNewer, entry.neverUninstall,
                                entry.autostart, entry.postExecute)) {
            missing.push_back(entry.fileName);
        }
    }
    if (extractor->GetFileCount() <= kFixedEntryCount) {
        return stop(BuildStatus::NoUserFiles, kNoUserFilesMessage);
    }
    if (!missing.empty()) {
        std::u16string message = text::Format(u"The file %s cannot be opened: %s",
                                              {missing.front(), WhyNotAdded(missing.front())});
        if (missing.size() > 1) {
            message += text::Format(u" (and %d more files cannot be opened)",
                                    {text::FromInt(missing.size() - 1)});
        }
        message += u". The setup was not built, so that it lacks no file.";
        return stop(BuildStatus::FileMissing, message);
    }

    // Creating the target would truncate that source before it is packed.
    for (int32_t i = 0; i < extractor->GetFileCount(); ++i) {
        if (text::EqualsNoCase(extractor->GetFileRecord(i)->sourcePath, model.targetFile)) {
            return stop(BuildStatus::TargetIsSource,
                        text::Format(u"The setup file %s is also one of the files to pack; choose "
                                     u"another target file.",
                                     {model.targetFile}));
        }
    }

    SetProjectInfo(model, request.builderVersion, extractor);
    // The uninstaller empties these two folders only when their names are plain relative
    // names, so a setup with any other name could never be uninstalled.
    const ProjectStrings& strings = extractor->GetProjectStrings();
    if (!package::IsSubfolderName(strings.productDirectory)) {
        return stop(BuildStatus::BadFolderName,
                    text::Format(u"The Product Directory \"%s\" cannot be used: it must be a "
                                 u"folder name relative to the Program Files folder, such as "
                                 u"\"My Product\" (not empty, no drive, no \"..\").",
                                 {strings.productDirectory}));
    }
    if (!package::IsSubfolderName(strings.startMenuGroup)) {
        return stop(BuildStatus::BadFolderName,
                    text::Format(u"The Start Menu Group Name \"%s\" cannot be used: it must be a "
                                 u"folder name such as \"My Product\" (no drive, no \"..\").",
                                 {strings.startMenuGroup}));
    }

    // The setup's front: the installer program, then the languages it may show.
    std::vector<uint8_t> front;
    if (request.stubSize > 0) {
        if (!translations::BuildSetupLanguagePack(model.language, &front, &error)) {
            return stop(BuildStatus::BadLanguage, error);
        }
        const auto* stub = static_cast<const uint8_t*>(request.stub);
        front.insert(front.begin(), stub, stub + request.stubSize);
    }

    const int64_t bound = SetupSizeBound(*extractor, static_cast<uint32_t>(front.size()));
    if (bound > kMaxSetupBytes) {
        return stop(BuildStatus::TooLarge,
                    text::Format(u"The setup could grow to %d bytes, more than the %d bytes a "
                                 u"setup file can hold. Remove some large files and build again.",
                                 {text::FromInt(bound), text::FromInt(kMaxSetupBytes)}));
    }

    int64_t totalBytes = 0;
    for (int32_t i = 0; i < extractor->GetFileCount(); ++i) {
        totalBytes += extractor->GetFileRecord(i)->uncompressedSize;
    }
    if (observer) observer->OnPackingStarted(extractor->GetFileCount(), totalBytes);

    PackingContext context;
    context.observer = observer;
    context.result = &result;
    result.setupResult =
        front.empty() ? SFX_ERR_RESOURCE
                      : extractor->CreateSetup(front.data(), static_cast<uint32_t>(front.size()),
                                               model.targetFile, OnPackingEvent,
                                               reinterpret_cast<intptr_t>(&context));

    switch (result.setupResult) {
        case SFX_OK:
            result.status = BuildStatus::Built;
            result.log.push_back(u"Done.");
            if (observer) observer->OnLogLine(result.log.back());
            result.message = text::Format(kBuiltMessage, {model.targetFile});
            break;
        case SFX_ERR_NO_FILES:
            result.status = BuildStatus::PackingFailed;
            result.message = kNoFilesMessage;
            break;
        default:
            result.status = BuildStatus::PackingFailed;
            result.message = kUnknownErrorMessage;
            break;
    }
    if (result.status != BuildStatus::Built) {
        result.detail =
            PackingFailure(result.setupResult, *extractor, context.filesDone, model.targetFile);
    }
    return result;
}

}  // namespace build
