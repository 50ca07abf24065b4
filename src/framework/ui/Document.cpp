#include "framework/ui/Document.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::SetPathName(const char* pszPathName, BOOL /*bAddToMRU*/)
{
    m_strPathName = pszPathName;
    int slash = m_strPathName.ReverseFind('/');
    SetTitle(slash < 0 ? m_strPathName.GetString() : m_strPathName.Mid(slash + 1).GetString());
}

void CDocument::UpdateAllViews(CView*, LPARAM, CObject*)
{
}
