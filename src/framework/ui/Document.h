#pragma once
// The document side of document/view: the data of one open file.
#include <vector>

#include "framework/core/Core.h"
#include "framework/ui/CmdTarget.h"

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

    // Empties the document, then starts it afresh; FALSE keeps the old one.
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize. A file that cannot be read leaves an empty, unmodified
    // document behind and a message saying why; FALSE. An override that keeps the old contents
    // on failure leaves WasEmptiedByFailedOpen() false, so the old path and title stay too.
    virtual BOOL OnOpenDocument(const char* pszPathName);
    BOOL WasEmptiedByFailedOpen() const { return m_bEmptiedByOpen; }
    // Writes through Serialize into a temporary file renamed over the old one.
    virtual BOOL OnSaveDocument(const char* pszPathName);
    virtual void OnCloseDocument();
    // Throws away everything the document holds.
    virtual void DeleteContents() {}

    virtual BOOL IsModified() const { return m_bModified; }
    // The frames show unsaved changes in their title.
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(const char* pszPathName, BOOL bAddToMRU = TRUE);
    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const char* pszTitle);

    // Asks "Save changes to ...?" when modified; FALSE when the user cancels or saving fails.
    virtual BOOL SaveModified();
    // Saves under pszPathName, or asks for a name when it is null (Save As).
    virtual BOOL DoSave(const char* pszPathName, BOOL bReplace = TRUE);
    BOOL DoFileSave();

    // Views.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    // Tells every view but pSender to bring itself up to date.
    virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    CDocTemplate* m_pDocTemplate = nullptr;

    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

protected:
    bool m_bModified = false;
    bool m_bEmptiedByOpen = false;
    CString m_strPathName;
    CString m_strTitle;
    std::vector<CView*> m_views;

    DECLARE_MESSAGE_MAP()
};
