#pragma once
// CQuillaryApp: the builder's one application object. It starts the program (common
// controls, OLE, the document and the main window, the command line), runs the message loop,
// and keeps the values several windows share behind the small interface below: the update
// check's versions and address, and the project model that the pages show and edit.

#include <windows.h>

#include <memory>
#include <string>

#include "builder/project/project_model.h"
#include "builder/ui/win/quillary_doc.h"
#include "builder/ui/win/update_check.h"

class CMainFrame;

class CQuillaryApp {
  public:
    CQuillaryApp();
    ~CQuillaryApp();
    CQuillaryApp(const CQuillaryApp&) = delete;
    CQuillaryApp& operator=(const CQuillaryApp&) = delete;

    // Start-up; false (after a message where the user should know) when the program cannot
    // run. `commandLine` is the text after the program's name.
    bool InitInstance(HINSTANCE instance, const wchar_t* commandLine);
    // The message loop; returns the exit code.
    int Run();
    void ExitInstance();

    HINSTANCE Instance() const { return m_instance; }
    CQuillaryDoc& Document() { return m_document; }
    const std::u16string& CommandLinePath() const { return m_commandLinePath; }

    // Icon and banner paths, the file category lists and, gathered from the pages for Save
    // and Build, every other field.
    project::ProjectModel& Project() { return m_project; }

    // Reads the running version from the program's version resource; left as it was when the
    // resource cannot be read.
    void ReadRunningVersion();
    const std::u16string& CurrentVersion() const { return m_strCurrentVersion; }
    const std::u16string& LatestVersion() const { return m_strLatestVersion; }
    const std::u16string& UpdateUrl() const { return m_strUpdateUrl; }
    bool UpdateAvailable() const { return m_bUpdateAvailable != 0; }
    // Takes what an update check found: the running version when it could be read, the latest
    // version and its address when the document was read. True when the latest version is
    // newer than the running one; the update then stays available for the rest of the run.
    bool TakeUpdateCheck(const UpdateCheckResult& result);

  private:
    int m_bUpdateAvailable = 0;
    std::u16string m_strCurrentVersion;
    std::u16string m_strLatestVersion;
    std::u16string m_strUpdateUrl;
    project::ProjectModel m_project;

    HINSTANCE m_instance = nullptr;
    CQuillaryDoc m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::u16string m_commandLinePath;
    bool m_oleInitialised = false;
    BOOL m_beepWasOn = FALSE;
    bool m_beepChanged = false;
};
