#include "builder/ui/win/quillary_app.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include "builder/ui/app_identity.h"
#include "builder/ui/project_paths.h"
#include "builder/ui/update_rules.h"
#include "builder/ui/win/main_frame.h"
#include "builder/ui/win/object_inspector.h"
#include "builder/ui/win/running_version.h"
#include "widgets/win/wide.h"

namespace {

constexpr char16_t kOleFailedMessage[] =
    u"Tessark cannot start: the system's OLE libraries could not be initialised.";
constexpr char16_t kNoWindowMessage[] = u"Tessark cannot start: its main window could not be made.";

}  // namespace

CQuillaryApp::CQuillaryApp() = default;

CQuillaryApp::~CQuillaryApp() {
    ExitInstance();
}

bool CQuillaryApp::InitInstance(HINSTANCE instance, const wchar_t* commandLine) {
    m_instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                           ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);

    if (FAILED(OleInitialize(nullptr))) {
        MessageBoxW(nullptr, win::W(kOleFailedMessage), win::W(ui::kAppName), MB_OK | MB_ICONSTOP);
        return false;
    }
    m_oleInitialised = true;

    // The builder's own version goes into every package it writes.
    ReadRunningVersion();
    m_commandLinePath = ui::CommandLineProjectPath(win::U16(commandLine));

    // The first document exists before the main window, so New Project's reset of the pages
    // does not run for it: the pages keep the values they were made with.
    m_document.OnNewDocument();
    m_frame = std::make_unique<CMainFrame>(this);
    if (!m_frame->Create()) {
        m_frame.reset();
        MessageBoxW(nullptr, win::W(kNoWindowMessage), win::W(ui::kAppName), MB_OK | MB_ICONSTOP);
        return false;
    }

    // The builder runs without the system's warning beep; the setting is given back at exit.
    if (SystemParametersInfoW(SPI_GETBEEP, 0, &m_beepWasOn, 0)) {
        m_beepChanged = SystemParametersInfoW(SPI_SETBEEP, FALSE, nullptr, 0) != FALSE;
    }

    m_frame->SetTitle(ui::BaseTitle());
    ShowWindow(m_frame->hwnd(), SW_SHOW);
    UpdateWindow(m_frame->hwnd());
    DragAcceptFiles(m_frame->hwnd(), TRUE);
    return true;
}

int CQuillaryApp::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (m_frame) m_frame->NoteInput(message);
        if (CObjectInspector::PreTranslate(message)) continue;
        if (m_frame && m_frame->PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void CQuillaryApp::ExitInstance() {
    m_frame.reset();
    if (m_beepChanged) {
        SystemParametersInfoW(SPI_SETBEEP, m_beepWasOn, nullptr, 0);
        m_beepChanged = false;
    }
    if (m_oleInitialised) {
        OleUninitialize();
        m_oleInitialised = false;
    }
}

void CQuillaryApp::ReadRunningVersion() {
    std::u16string version = ::ReadRunningVersion();
    if (!version.empty()) m_strCurrentVersion = std::move(version);
}

bool CQuillaryApp::TakeUpdateCheck(const UpdateCheckResult& result) {
    if (!result.currentVersion.empty()) m_strCurrentVersion = result.currentVersion;
    if (result.fetched) {
        m_strLatestVersion = result.latestVersion;
        m_strUpdateUrl = result.updateUrl;
    }
    if (!ui::IsNewerVersion(m_strLatestVersion, m_strCurrentVersion)) return false;
    m_bUpdateAvailable = 1;
    return true;
}
