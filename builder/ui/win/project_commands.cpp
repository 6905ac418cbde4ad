// The main frame's project commands: New, Open, Save, Save As, Test Project, the web page, the
// About box, and what a build takes from the pages.
#include <windows.h>
#include <shellapi.h>

#include "base/text.h"
#include "builder/build/win/build_resources.h"
#include "builder/project/project_file.h"
#include "builder/project/project_record.h"
#include "builder/ui/app_identity.h"
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
    m_app.Document().OnNewDocument();
    SetTitle(ui::DocumentTitle(m_app.Document().Title()));
    ResetProject();
}

void CMainFrame::ResetProject() {
    PostMessageW(hwnd(), WM_START_UPDATE_CHECK, 0, 0);
    ui::ResetPages(&m_app.m_project, &m_view);
}

void CMainFrame::OnFileOpen() {
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
    m_app.m_project = std::move(loaded);
    m_app.Document().SetPathName(path);
    ui::ApplyProject(m_app.m_project, &m_view);
    SetTitle(ui::DocumentTitle(m_app.Document().Title()));
    settings::AddRecentFile(path);
    return true;
}

void CMainFrame::OnFileSave() {
    if (m_app.Document().PathName().empty()) {
        OnFileSaveAs();
        return;
    }
    SaveProject(m_app.Document().PathName());
}

void CMainFrame::OnFileSaveAs() {
    std::u16string chosen;
    if (!ChooseFileToSave(hwnd(), kProjectFilter, kProjectExtension, &chosen)) return;
    const std::u16string path = project::WithProjectExtension(chosen);
    m_app.Document().SetPathName(path);
    SetTitle(ui::DocumentTitle(m_app.Document().Title()));
    SaveProject(path);
}

bool CMainFrame::SaveProject(const std::u16string& path) {
    ui::GatherProject(m_view, &m_app.m_project);
    const std::vector<std::u16string> cut = project::FieldsCutInRecord(m_app.m_project);
    if (!cut.empty() && MessageBoxW(hwnd(), win::W(CutFieldsWarning(cut)), win::W(ui::kAppName),
                                    MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) != IDOK) {
        return false;
    }
    const project::ProjectFileResult result = project::SaveProjectFile(m_app.m_project, path);
    if (result != project::ProjectFileResult::Ok) {
        ShowMessage(std::u16string(project::ProjectFileMessage(result)), MB_ICONEXCLAMATION);
        return false;
    }
    settings::AddRecentFile(path);
    return true;
}

void CMainFrame::TestProject() {
    const std::u16string& target = m_view.BuildPage().TargetPath();
    if (target.empty()) return;
    ShellExecuteW(hwnd(), nullptr, win::W(target), nullptr, nullptr, SW_SHOW);
}

void CMainFrame::OnWebPage() {
    ShellExecuteW(hwnd(), nullptr, win::W(ui::kProductPageUrl), nullptr, nullptr, SW_SHOW);
}

void CMainFrame::OnAppAbout() {
    m_app.ReadRunningVersion();
    CAboutDlg(m_app.m_strCurrentVersion).RunModal(hwnd());
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
    ui::GatherProject(m_view, &m_app.m_project);
    // The texts are written again for every build, so that a project opened while the Build
    // page showed is built with its own texts.
    const std::u16string error = m_view.WriteTextFiles(folder);
    if (!error.empty()) {
        ShowMessage(error, MB_ICONEXCLAMATION);
        return false;
    }
    request->model = &m_app.m_project;
    request->temporaryFolder = folder;
    request->builderVersion = m_app.m_strCurrentVersion;
    LoadBuildResources(m_app.Instance(), request);
    return true;
}
