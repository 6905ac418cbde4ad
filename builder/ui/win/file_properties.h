#pragma once
// CFileProperties: the modal "File Properties" dialog that edits one Other Files entry. Its
// rules are builder/ui/file_properties_form.h; the template is file_properties.rc, which the
// program's resources must include.
//
//   CFileProperties dialog(entry);
//   if (dialog.Edit(owner)) entry = dialog.Result();

#include "builder/project/project_model.h"
#include "builder/ui/file_properties_form.h"
#include "widgets/win/dialog.h"

class CFileProperties : public win::Dialog {
  public:
    explicit CFileProperties(const project::FileEntry& entry);

    // Runs the dialog; true when it ended with OK.
    bool Edit(HWND owner);
    // The entry as OK left it: the dialog's texts, "Yes" or empty in the four flags, the file
    // name unchanged.
    project::FileEntry Result() const { return m_form.ToEntry(m_original); }

  protected:
    bool OnInit() override;
    bool OnCommand(WORD code, WORD id, HWND control) override;

  private:
    void ReadControls();
    void WriteControls();
    void ShowDestinationState();
    bool Checked(int id) const;
    void SetChecked(int id, bool checked) const;

    project::FileEntry m_original;
    widgets::FilePropertiesForm m_form;
    // Set while the form is written to the controls, whose change notifications must not
    // read half-written controls back.
    bool m_writing = false;
};
