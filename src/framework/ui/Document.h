#pragma once
// The document side of document/view: the data of one open file.
#include "framework/core/Core.h"

class CView;

// Receives commands through its message map (see the ui message-map support).
class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    ~CCmdTarget() override = default;
};

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override = default;

    // Empties the document, then starts it afresh; FALSE keeps the old one.
    virtual BOOL OnNewDocument();
    // Throws away everything the document holds.
    virtual void DeleteContents() {}

    virtual BOOL IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified != FALSE; }

    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(const char* pszPathName, BOOL bAddToMRU = TRUE);
    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const char* pszTitle) { m_strTitle = pszTitle; }

    // Tells every view to redraw; the view layer installs the hook.
    virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

protected:
    bool m_bModified = false;
    CString m_strPathName;
    CString m_strTitle;
};
