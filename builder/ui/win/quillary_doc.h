#pragma once
// CQuillaryDoc: the one document of the builder. It holds only the path of the project file
// (empty for a project never saved) and the name the window title shows; the project itself
// lives in the model the pages show.

#include <string>

class CQuillaryDoc {
  public:
    // New Project: no path, and the title "Untitled".
    void OnNewDocument();

    const std::u16string& PathName() const { return m_path; }
    // Sets the path and takes the title from its file name.
    void SetPathName(const std::u16string& path);

    // The document's part of the window title: the file name, or "Untitled".
    const std::u16string& Title() const { return m_title; }

  private:
    std::u16string m_path;
    std::u16string m_title = u"Untitled";
};
