#include "builder/ui/win/quillary_doc.h"

#include "builder/ui/app_identity.h"

void CQuillaryDoc::OnNewDocument() {
    m_path.clear();
    m_title = u"Untitled";
}

void CQuillaryDoc::SetPathName(const std::u16string& path) {
    m_path = path;
    m_title = ui::FileTitle(path);
}
