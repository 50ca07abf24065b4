#pragma once
// Modal dialogs built from their templates, data exchange and validation.
//
//     class CSelectRoundDlg : public CDialog {
//     public:
//         enum { IDD = IDD_SELECT_ROUND };
//         CSelectRoundDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}
//         int m_nRound = 1;
//     protected:
//         void DoDataExchange(CDataExchange* pDX) override
//         {
//             DDX_Text(pDX, IDC_ROUND, m_nRound);
//             DDV_MinMaxInt(pDX, m_nRound, 1, 99);
//         }
//         DECLARE_MESSAGE_MAP()
//     };
#include <memory>
#include <vector>

#include "framework/ui/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Builds the dialog from its template, runs it and returns the EndDialog code (IDOK,
    // IDCANCEL...), or -1 when the template is missing.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void CenterWindow(CWnd* /*pAlternateOwner*/ = nullptr) {}
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl();
    void PrevDlgCtrl();
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetFocus() const;
    void MapDialogRect(CRect* /*pRect*/) const {}  // control rectangles are dialog units already
    void SetDefID(UINT nID) { m_nDefID = nID; }
    UINT GetDefID() const { return m_nDefID; }

    UINT GetTemplateID() const { return m_nIDTemplate; }
    const DlgTemplate* GetTemplate() const { return m_pTemplate; }
    BOOL IsRunning() const { return m_bRunning; }
    BOOL IsEnded() const { return m_bEnded; }  // EndDialog has been called
    int GetModalResult() const { return m_nModalResult; }

    // --- For backends: the user's actions, delivered the way a person causes them. ---
    // Called once the backend's window exists: runs OnInitDialog and sets the first focus.
    void InitModal();
    // Presses a button: toggles a check box, checks a radio button (clearing its group), and
    // sends BN_CLICKED; IDOK and IDCANCEL without a handler run OnOK and OnCancel.
    void UserClick(UINT nID);
    // Types text into an edit box (or the edit of a combo box): EN_CHANGE / CBN_EDITCHANGE.
    void UserSetText(UINT nID, const CString& text);
    // The same for the whole text of the box as the person sees it (UTF-8): letters the
    // single-byte text cannot hold become plain letters, others are left out, and OK tells
    // what was changed, or refuses naming what cannot be kept (AfxTextFromTyped).
    void UserTypeText(UINT nID, std::string_view utf8);
    // Picks an item of a list or combo box: LBN_SELCHANGE / CBN_SELCHANGE.
    void UserSelect(UINT nID, int nIndex);
    // Sets one item's selection in a multiple-selection list box: LBN_SELCHANGE.
    void UserSetSel(UINT nID, int nIndex, bool bSelect);
    void UserDblClk(UINT nID, int nIndex);
    // Moves the focus: the kill-focus of the old control, then the set-focus of the new one.
    void UserFocus(UINT nID);
    void UserEscape() { UserCommand(IDCANCEL); }
    // Enter: the focused edit box's EN_RETURN where the dialog maps it, else the default push button.
    void UserEnter();
    void UserCommand(UINT nID);

    CControlState* FindControl(UINT nID) const;
    const std::vector<std::unique_ptr<CControlState>>& Controls() const { return m_controls; }
    UINT GetFocusID() const { return m_nFocusID; }
    // A member tied to a control by DDX_Control, let go when the dialog closes.
    void AddAttachedMember(CWnd* pWnd) { m_attachedMembers.push_back(pWnd); }
    CString GetCaption() const { return m_strWindowText; }
    void* m_pPeer = nullptr;  // the backend's window while the dialog runs

    // Notifications are muted while data is exchanged, and while the program fills controls in
    // UpdateData(FALSE); a counter, so exchanges may nest.
    bool NotificationsMuted() const { return m_nMute > 0; }
    void SendNotify(UINT nID, UINT nCode);  // delivers unless muted

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
    void OnWindowTextChanged() override;

    UINT m_nIDTemplate;
    const DlgTemplate* m_pTemplate = nullptr;

private:
    // OK's check of what was typed: FALSE keeps the dialog open on a refused character.
    BOOL AcceptTypedText();
    void CreateControls();
    void DestroyControls();
    void SetFocusTo(CControlState* pState, bool bPush);
    UINT FocusCode(const CControlState& s, bool bKill) const;

    std::vector<std::unique_ptr<CControlState>> m_controls;
    std::vector<std::unique_ptr<CWnd>> m_itemWnds;
    std::vector<CWnd*> m_attachedMembers;
    int m_nModalResult = -1;
    bool m_bRunning = false;
    bool m_bEnded = false;
    int m_nMute = 0;
    UINT m_nFocusID = 0;
    UINT m_nDefID = IDOK;

    friend class CWnd;
    friend class CDataExchange;
};

// One exchange between a dialog's controls and its members.
class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate);
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;

    CControlState* PrepareCtrl(int nIDC);
    CControlState* PrepareEditCtrl(int nIDC);
    // Gives the focus back to the last prepared control and ends the exchange as failed.
    [[noreturn]] void Fail();

    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, WORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// Message boxes through the installed backend; the caption is the program's name.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
// A message naming characters beyond the single-byte text: UTF-8.
int AfxMessageBoxUtf8(const std::string& text, UINT nType = MB_OK);
void AfxSetAppName(const char* pszName);
CString AfxGetAppName();
// Replaces %1 (and %2) in a message: "Please enter an integer between %1 and %2."
void AfxFormatString1(CString& rString, const char* pszFormat, const char* psz1);
void AfxFormatString2(CString& rString, const char* pszFormat, const char* psz1, const char* psz2);
