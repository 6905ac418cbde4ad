// tessark build: the same build as the builder's Build button, from a project file.
#include "base/text.h"
#include "builder/build/build_setup.h"
#include "builder/build/rich_text_file.h"
#include "cli/command.h"
#include "cli/console.h"
#include "cli/embedded.h"
#include "cli/file_bytes.h"
#include "cli/paths.h"
#include "cli/progress_display.h"
#include "cli/project_io.h"
#include "cli/scratch_folder.h"
#include "cli/text_project/text_project.h"
#include "package/threads.h"

#ifndef TESSARK_VERSION_DIGITS
#error "TESSARK_VERSION_DIGITS must name the builder's version digits"
#endif

namespace cli {

namespace {

using project::ProjectModel;

// An installer program is a few hundred kilobytes; anything near this is not one.
constexpr size_t kMaxStubBytes = 256u * 1024 * 1024;

// Every source path of the project taken from `folder` when it is relative.
void ResolveSourcePaths(const os::Path& folder, ProjectModel* model) {
    for (auto& list : model->paths) {
        for (std::u16string& path : list) path = ResolveAgainst(folder, path);
    }
    for (project::FileEntry& entry : model->otherFiles) {
        entry.fileName = ResolveAgainst(folder, entry.fileName);
    }
    model->iconPath = ResolveAgainst(folder, model->iconPath);
    model->bannerPath = ResolveAgainst(folder, model->bannerPath);
}

// Every file a text project names must be there before the build starts, so that a missing one
// is reported with the line that names it.
std::u16string CheckSourceFiles(const os::Path& folder,
                                const std::vector<text_project::FileReference>& files) {
    for (const text_project::FileReference& file : files) {
        const os::Path resolved = ResolveAgainst(folder, file.path);
        if (file.path.empty()) return file.where + u": the file name is empty";
        switch (os::GetPathKind(resolved)) {
            case os::PathKind::File:
                continue;
            case os::PathKind::Folder:
                return text::Format(u"%s: %s is a folder, not a file", {file.where, resolved});
            default:
                return text::Format(u"%s: no such file: %s", {file.where, resolved});
        }
    }
    return {};
}

// The project at `path`, a .eas project or a text project.
std::u16string OpenProjectToBuild(const os::Path& path, ProjectModel* model) {
    if (!text_project::IsTextProjectPath(path)) return OpenProject(path, model);
    text_project::TextProject project;
    std::u16string error = text_project::ReadTextProject(path, &project);
    if (error.empty()) error = CheckSourceFiles(FolderOf(path), project.files);
    if (error.empty()) *model = std::move(project.model);
    return error;
}

// Files compressed at once: --jobs N, or one per processor.
constexpr int32_t kMaxJobs = 64;
constexpr int32_t kMaxDefaultJobs = 16;

bool ParseJobs(const ParsedArguments& args, int32_t* jobs) {
    if (!args.Has(u"--jobs")) {
        const int32_t processors = package::ProcessorCount();
        *jobs = processors < kMaxDefaultJobs ? processors : kMaxDefaultJobs;
        return true;
    }
    const std::u16string value = args.Value(u"--jobs");
    int32_t number = 0;
    for (const char16_t c : value) {
        if (c < u'0' || c > u'9' || number > kMaxJobs) return false;
        number = number * 10 + (c - u'0');
    }
    if (value.empty() || number < 1 || number > kMaxJobs) return false;
    *jobs = number;
    return true;
}

// The message's first line: the rest tells about the builder's Test Project button.
std::u16string FirstLine(const std::u16string& message) {
    return text::Trim(message.substr(0, message.find(u'\n')));
}

}  // namespace

int RunBuild(const ParsedArguments& args) {
    int32_t jobs = 1;
    if (!ParseJobs(args, &jobs)) {
        return UsageError(u"build",
                          u"--jobs takes a number from 1 to 64, not " + args.Value(u"--jobs"));
    }

    const os::Path& projectPath = args.positional[0];
    ProjectModel model;
    std::u16string error = OpenProjectToBuild(projectPath, &model);
    if (!error.empty()) return Fail(error);
    if (args.Has(u"--language")) model.language = args.Value(u"--language");

    std::string stubFile;
    build::BuildRequest request;
    if (args.Has(u"--stub")) {
        if (!ReadWholeFile(args.Value(u"--stub"), kMaxStubBytes, &stubFile, &error)) {
            return Fail(error);
        }
        if (stubFile.empty()) return Fail(args.Value(u"--stub") + u" is empty");
        request.stub = stubFile.data();
        request.stubSize = static_cast<uint32_t>(stubFile.size());
    } else {
        const EmbeddedFile stub = EmbeddedStub();
        if (!stub.Present()) {
            return Fail(
                u"this tessark carries no installer program (extractor.exe was not built "
                u"with it); give one with --stub EXTRACTOR.exe");
        }
        request.stub = stub.bytes;
        request.stubSize = stub.size;
    }

    const os::Path folder = FolderOf(projectPath);
    ResolveSourcePaths(folder, &model);
    model.targetFile =
        args.Has(u"-o") ? args.Value(u"-o") : ResolveAgainst(folder, model.targetFile);

    if (text::EqualsNoCase(model.targetFile, projectPath)) {
        return Fail(
            text::Format(u"the setup file would replace the project file %s", {projectPath}));
    }

    const EmbeddedFile icon = EmbeddedIconFile();
    if (icon.Present() && !build::LargestIconImage(icon.bytes, icon.size, &request.builtInIcon)) {
        request.builtInIcon = build::IconImage();
    }
    const EmbeddedFile banner = EmbeddedBanner();
    request.builtInBanner = banner.bytes;
    request.builtInBannerSize = banner.size;
    request.builderVersion = text::FromUtf8(TESSARK_VERSION_DIGITS);
    request.model = &model;

    ScratchFolder scratch;
    error = scratch.Create();
    if (error.empty()) error = build::WriteRichTextFiles(model, scratch.Path());
    if (!error.empty()) return Fail(error);
    request.temporaryFolder = scratch.Path();

    CSelfExtractor extractor;
    extractor.SetPackingLimits(package::DefaultPackingLimits(jobs));
    ProgressDisplay display(console::OutIsTerminal());
    const build::BuildResult result = build::BuildSetup(request, &extractor, &display);
    display.Finish();

    switch (result.status) {
        case build::BuildStatus::Built:
            Print(FirstLine(result.message));
            return kExitOk;
        case build::BuildStatus::NoTarget:
            return Fail(result.message +
                        (text_project::IsTextProjectPath(projectPath)
                             ? u" (give -o SETUP.exe, or target in the project's [setup] table)"
                             : u" (give -o SETUP.exe, or set the project's targetFile)"));
        default:
            break;
    }
    if (result.detail.empty()) return Fail(result.message);
    return Fail(result.message + u": " + result.detail);
}

}  // namespace cli
