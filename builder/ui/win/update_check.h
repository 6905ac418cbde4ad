#pragma once
// The update check: on a worker thread, find the MSXML 4.0 library below the Windows folder,
// load the update document with the XML DOM, take the texts of its first "latestversion" and
// "updateurl" elements and read the running builder's version. The outcome is posted to a
// window, whose thread compares the versions and shows the update (CQuillaryApp holds the
// values), so no string is shared between the threads.

#include <windows.h>

#include <string>

struct UpdateCheckResult {
    bool libraryMissing = false;  // no msxml4.dll below the Windows folder
    bool fetched = false;         // the document was read and holds both elements
    std::u16string latestVersion;
    std::u16string updateUrl;
    std::u16string currentVersion;  // empty when the version resource cannot be read
};

class CUpdateCheck {
  public:
    // Starts a check unless one is running (a start meanwhile is ignored: false). When
    // `knownLatest` is not empty, an earlier check read the document and it is not fetched
    // again. The outcome arrives as `doneMessage` to `window` with a new UpdateCheckResult in
    // lParam, which the receiver deletes after calling Finished().
    bool Start(HWND window, UINT doneMessage, const std::u16string& knownLatest,
               const std::u16string& documentAddress);
    void Finished() { m_running = false; }
    bool Running() const { return m_running; }

  private:
    bool m_running = false;  // touched on the window's thread only
};

// True when any file below `windowsFolder` (searched as the pattern `windowsFolder` + "*.*",
// then each folder found + "\\*.*") is named msxml4.dll.
bool FindMsxml4Library(const std::u16string& windowsFolder);

// Loads the update document at `address` (a web address or a file path) and reads its two
// elements. False when no DOM document can be made, the document cannot be loaded, or an
// element is missing.
bool ReadUpdateDocument(const std::u16string& address, std::u16string* latestVersion,
                        std::u16string* updateUrl);
