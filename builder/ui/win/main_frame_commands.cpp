// The main frame's project commands: New, Open, Save, Save As, Test Project, the web page, the
// About box, and what a build takes from the pages.
#include <windows.h>
#include <shellapi.h>

#include "base/text.h"
#include "builder/ui/win/build_resources.h"
#include "builder/project/project_file.h"
#include "builder/project/project_record.h"
#include "builder/ui/app_identity.h"
#include "builder/ui/project_paths.h"
#include "builder/ui/win/about_dlg.h"
#include "builder/ui/win/builder_settings.h"
#include "builder/ui/win/file_dialog.h"
#include "builder/ui/win/main_frame.h"
#include "builder/ui/win/quillary_app.h"
#include "os/os.h"
#include "widgets/win/wide.h"

namespace {

constexpr char16_t kProjectFilter[] = u"Tessark Files (*.eas)|*.eas|All Files (*.*)|*.*||";
constexpr char16_t kProjectExtension[] = u"*.eas";

// The texts that would be cut, one per line, for the warning before a save.
std::u16string CutFieldsWarning(const std::vector<std::u16string>& fields) {
    std::u16string list;
    for (const std::u16string& field : fields) list += u"\n    " + field;
    return u"A project file has no room for all of these; they would be saved cut short or "
           u"left out:\n" +
           list + u"\n\nSave the project anyway?";
}

}  // namespace

void CMainFrame::OnFileNew() {
    if (!SaveChangesFirst()) return;
    m_app.Document().OnNewDocument();
    ResetProject();
    m_titleNamesDocument = true;
    MarkUnchanged();
}

void CMainFrame::ResetProject() {
    PostMessageW(hwnd(), WM_START_UPDATE_CHECK, 0, 0);
    ui::ResetPages(&m_app.Project(), &m_view);
}

void CMainFrame::OnFileOpen() {
    if (!SaveChangesFirst()) return;
    std::u16string path;
    if (!ChooseFileToOpen(hwnd(), kProjectFilter, kProjectExtension, &path)) return;
    OpenProject(path);
}

bool CMainFrame::OpenProject(const std::u16string& path) {
    project::ProjectModel loaded;
    const project::ProjectFileResult result = project::LoadProjectFile(path, &loaded);
    if (result != project::ProjectFileResult::Ok) {
        // The project on screen, its path and the title stay those of the previous project.
        ShowMessage(std::u16string(project::ProjectFileMessage(result)), MB_ICONEXCLAMATION);
        return false;
    }
    m_app.Project() = std::move(loaded);
    m_app.Document().SetPathName(path);
    ui::ApplyProject(m_app.Project(), &m_view);
    m_titleNamesDocument = true;
    MarkUnchanged();
    settings::AddRecentFile(path);
    return true;
}

bool CMainFrame::OnFileSave() {
    if (m_app.Document().PathName().empty()) return OnFileSaveAs();
    if (!SaveProject(m_app.Document().PathName())) return false;
    UpdateTitle();
    return true;
}

bool CMainFrame::OnFileSaveAs() {
    std::u16string chosen;
    if (!ChooseFileToSave(hwnd(), kProjectFilter, kProjectExtension, &chosen)) return false;
    const std::u16string path = project::WithProjectExtension(chosen);
    // The title and the target of the next Save change only once the file is written.
    if (!SaveProject(path)) return false;
    m_app.Document().SetPathName(path);
    m_titleNamesDocument = true;
    UpdateTitle();
    return true;
}

bool CMainFrame::SaveProject(const std::u16string& path) {
    ui::GatherProject(m_view, &m_app.Project());
    const std::vector<std::u16string> cut = project::FieldsCutInRecord(m_app.Project());
    if (!cut.empty() && MessageBoxW(hwnd(), win::W(CutFieldsWarning(cut)), win::W(ui::kAppName),
                                    MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) != IDOK) {
        return false;
    }
    const project::ProjectFileResult result = project::SaveProjectFile(m_app.Project(), path);
    if (result != project::ProjectFileResult::Ok) {
        ShowMessage(std::u16string(project::ProjectFileMessage(result)), MB_ICONEXCLAMATION);
        return false;
    }
    m_unchangedProject = m_app.Project();
    settings::AddRecentFile(path);
    return true;
}

bool CMainFrame::ProjectChanged() {
    // A copy: a build under way reads the model itself.
    project::ProjectModel shown = m_app.Project();
    ui::GatherProject(m_view, &shown);
    return shown != m_unchangedProject;
}

void CMainFrame::MarkUnchanged() {
    m_unchangedProject = m_app.Project();
    ui::GatherProject(m_view, &m_unchangedProject);
    UpdateTitle();
}

bool CMainFrame::SaveChangesFirst() {
    if (!ProjectChanged()) return true;
    const std::u16string question = u"Save changes to " + m_app.Document().Title() + u"?";
    switch (MessageBoxW(hwnd(), win::W(question), win::W(ui::kAppName),
                        MB_YESNOCANCEL | MB_ICONWARNING)) {
        case IDYES:
            return OnFileSave();
        case IDNO:
            return true;
        default:
            return false;
    }
}

void CMainFrame::UpdateTitle() {
    std::u16string title =
        m_titleNamesDocument ? ui::DocumentTitle(m_app.Document().Title()) : ui::BaseTitle();
    if (ProjectChanged()) title.insert(0, u"*");
    // Set only when it differs: every check would otherwise redraw the caption.
    const int length = GetWindowTextLengthW(hwnd());
    std::u16string current(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(hwnd(), win::W(&current[0]), length + 1);
    current.resize(static_cast<size_t>(length));
    if (current != title) SetTitle(title);
}

void CMainFrame::TestProject() {
    const std::u16string& target = m_view.BuildPage().TargetPath();
    if (target.empty()) return;
    // A build that failed may have written nothing there.
    const os::PathKind kind = os::GetPathKind(target);
    if (kind == os::PathKind::Missing || kind == os::PathKind::Folder) {
        ShowMessage(
            u"There is no setup file " + target + u" to test: the last build did not write it.",
            MB_ICONEXCLAMATION);
        return;
    }
    const auto started = reinterpret_cast<INT_PTR>(
        ShellExecuteW(hwnd(), nullptr, win::W(target), nullptr, nullptr, SW_SHOW));
    if (started <= 32) {
        ShowMessage(u"The setup file " + target + u" could not be started.", MB_ICONEXCLAMATION);
    }
}

void CMainFrame::OnWebPage() {
    ShellExecuteW(hwnd(), nullptr, win::W(ui::kProductPageUrl), nullptr, nullptr, SW_SHOW);
}

void CMainFrame::OnAppAbout() {
    m_app.ReadRunningVersion();
    CAboutDlg(m_app.CurrentVersion()).RunModal(hwnd());
}

std::u16string CMainFrame::WriteTextsToTemporaryFiles() {
    os::Path folder;
    if (!os::GetKnownFolder(os::KnownFolder::Temp, &folder)) {
        return u"The temporary folder cannot be found: " + os::LastErrorMessage();
    }
    return m_view.WriteTextFiles(folder);
}

bool CMainFrame::PrepareBuild(build::BuildRequest* request) {
    os::Path folder;
    if (!os::GetKnownFolder(os::KnownFolder::Temp, &folder)) {
        ShowMessage(u"The temporary folder cannot be found: " + os::LastErrorMessage(),
                    MB_ICONEXCLAMATION);
        return false;
    }
    ui::GatherProject(m_view, &m_app.Project());
    // CreateSetup could only say that the file cannot be made; the author learns why.
    const std::u16string targetFolder = ui::TargetFolder(m_app.Project().targetFile);
    const os::PathKind kind =
        targetFolder.empty() ? os::PathKind::Folder : os::GetPathKind(targetFolder);
    if (kind == os::PathKind::Missing || kind == os::PathKind::File) {
        ShowMessage(u"The folder " + targetFolder +
                        u" does not exist, so the setup file cannot be written there. Choose "
                        u"another target file, or make the folder first.",
                    MB_ICONEXCLAMATION);
        return false;
    }
    // The texts are written again for every build, so that a project opened while the Build
    // page showed is built with its own texts.
    const std::u16string error = m_view.WriteTextFiles(folder);
    if (!error.empty()) {
        ShowMessage(error, MB_ICONEXCLAMATION);
        return false;
    }
    request->model = &m_app.Project();
    request->temporaryFolder = folder;
    request->builderVersion = m_app.CurrentVersion();
    LoadBuildResources(m_app.Instance(), request);
    return true;
}
