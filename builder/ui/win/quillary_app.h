#pragma once
// CQuillaryApp: the builder's one application object. It starts the program (common
// controls, OLE, the document and the main window, the command line), runs the message loop,
// and holds the values several windows share: the update check's versions and address, and
// the project model that the pages show and edit.

#include <windows.h>

#include <memory>
#include <string>

#include "builder/project/project_model.h"
#include "builder/ui/win/quillary_doc.h"

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

    // Reads m_strCurrentVersion from the program's version resource; left as it was when the
    // resource cannot be read.
    void ReadRunningVersion();

    HINSTANCE Instance() const { return m_instance; }
    CQuillaryDoc& Document() { return m_document; }
    // Null until the main window exists.
    CMainFrame* MainWindow() { return m_mainWindow; }
    const std::u16string& CommandLinePath() const { return m_commandLinePath; }

    int m_bUpdateAvailable = 0;
    std::u16string m_strCurrentVersion;
    std::u16string m_strLatestVersion;
    std::u16string m_strUpdateUrl;
    // Icon and banner paths, the file category lists and, gathered from the pages for Save
    // and Build, every other field.
    project::ProjectModel m_project;

  private:
    HINSTANCE m_instance = nullptr;
    CQuillaryDoc m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CMainFrame* m_mainWindow = nullptr;
    std::u16string m_commandLinePath;
    bool m_oleInitialised = false;
    BOOL m_beepWasOn = FALSE;
    bool m_beepChanged = false;
};
