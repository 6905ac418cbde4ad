#include "builder/ui/win/file_properties.h"

#include "builder/ui/win/file_properties_ids.h"
#include "widgets/win/wide.h"

CFileProperties::CFileProperties(const project::FileEntry& entry)
    : win::Dialog(IDD_FILE_PROPERTIES),
      m_original(entry),
      m_form(widgets::FilePropertiesForm::FromEntry(entry)) {}

bool CFileProperties::Edit(HWND owner) {
    return RunModal(owner) == IDOK;
}

bool CFileProperties::OnInit() {
    // The destination goes into the list's edit field while the list is still empty, so it
    // shows as it is even when it is one of the choices.
    WriteControls();
    HWND list = Item(IDC_FP_DESTINATION);
    for (const char16_t* choice : widgets::kDestinationChoices) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(choice)));
    }
    // The file name is shown only: the first field to edit is the destination.
    SetFocus(list);
    return false;
}

bool CFileProperties::OnCommand(WORD code, WORD id, HWND control) {
    switch (id) {
        case IDC_FP_AUTOSTART:
            if (code != BN_CLICKED) return false;
            ReadControls();
            m_form.AutostartChanged();
            ShowDestinationState();
            return true;
        case IDC_FP_POST_EXECUTE:
            if (code != BN_CLICKED) return false;
            ReadControls();
            m_form.PostExecuteChanged();
            WriteControls();
            ShowDestinationState();
            return true;
        case IDC_FP_SHORTCUT:
            if (code != EN_CHANGE || m_writing) return false;
            ReadControls();
            return true;
        case IDOK:
            if (code != BN_CLICKED) return false;
            ReadControls();
            End(IDOK);
            return true;
    }
    return win::Dialog::OnCommand(code, id, control);
}

void CFileProperties::ReadControls() {
    m_form.destination = Text(IDC_FP_DESTINATION);
    m_form.shortcut = Text(IDC_FP_SHORTCUT);
    m_form.parameters = Text(IDC_FP_PARAMETERS);
    m_form.onlyIfNewer = Checked(IDC_FP_ONLY_IF_NEWER);
    m_form.neverUninstall = Checked(IDC_FP_NEVER_UNINSTALL);
    m_form.autostart = Checked(IDC_FP_AUTOSTART);
    m_form.postExecute = Checked(IDC_FP_POST_EXECUTE);
}

void CFileProperties::WriteControls() {
    m_writing = true;
    SetText(IDC_FP_FILE_NAME, m_form.fileName);
    SetText(IDC_FP_DESTINATION, m_form.destination);
    SetText(IDC_FP_SHORTCUT, m_form.shortcut);
    SetText(IDC_FP_PARAMETERS, m_form.parameters);
    SetChecked(IDC_FP_ONLY_IF_NEWER, m_form.onlyIfNewer);
    SetChecked(IDC_FP_NEVER_UNINSTALL, m_form.neverUninstall);
    SetChecked(IDC_FP_AUTOSTART, m_form.autostart);
    SetChecked(IDC_FP_POST_EXECUTE, m_form.postExecute);
    m_writing = false;
}

void CFileProperties::ShowDestinationState() {
    if (!m_form.destinationEnabled) SendMessageW(Item(IDC_FP_DESTINATION), CB_SETCURSEL, 0, 0);
    Enable(IDC_FP_DESTINATION, m_form.destinationEnabled);
}

bool CFileProperties::Checked(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CFileProperties::SetChecked(int id, bool checked) const {
    SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
