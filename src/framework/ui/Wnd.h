#pragma once
// Windows and the controls of a dialog, addressed by id. A control's state (text, check,
// items, selection, enabled, shown, rectangle) lives here, in the framework; a backend mirrors
// it on the screen and reports the user's changes back through CDialog's User... functions.
// Rectangles of dialog controls are in dialog units, relative to the dialog's client area.
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"
#include "framework/ui/Resources.h"

class CDialog;

struct CtlItem {
    CString text;
    DWORD_PTR data = 0;
    bool selected = false;  // multiple-selection list boxes
};

struct CControlState {
    CDialog* pDialog = nullptr;
    const DlgControl* pTemplate = nullptr;
    UINT id = 0;
    CtlKind kind = CtlKind::Static;
    DWORD style = 0;
    CRect rect;  // dialog units
    CString text;
    int check = 0;
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    int limit = 0;  // 0: no limit
    int selStart = 0, selEnd = 0;
    std::vector<CtlItem> items;
    int curSel = -1;  // single-selection lists and combos
    int topIndex = 0;
    std::vector<int> tabStops;  // dialog units
    int columnWidth = 0;
    void* peer = nullptr;  // the backend's widget
    // What the user typed beyond the single-byte text, for as long as text is what it gave.
    CString typedText;
    std::string typedChanged, typedRefused;

    bool IsEdit() const { return kind == CtlKind::Edit; }
    bool IsList() const { return kind == CtlKind::ListBox; }
    bool IsCombo() const { return kind == CtlKind::ComboBox; }
    bool IsMultiSel() const { return kind == CtlKind::ListBox && (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)); }
    bool IsSorted() const { return (IsList() && (style & LBS_SORT)) || (IsCombo() && (style & CBS_SORT)); }
    bool IsDropDownList() const { return IsCombo() && (style & 0x3) == CBS_DROPDOWNLIST; }
    bool IsButtonLike() const
    {
        return kind == CtlKind::PushButton || kind == CtlKind::CheckBox || kind == CtlKind::RadioButton ||
               kind == CtlKind::GroupBox || kind == CtlKind::BitmapButton;
    }
};

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Non-null while the window exists (a dialog control while its dialog runs).
    void* m_hWnd = nullptr;
    void* GetSafeHwnd() const { return m_hWnd; }

    UINT GetDlgCtrlID() const;
    CWnd* GetParent() const { return m_pParentWnd; }
    CWnd* GetParentOwner() const { return m_pParentWnd; }

    virtual void SetWindowText(const char* pszText);
    void GetWindowText(CString& rString) const { rString = GetWindowText(); }
    CString GetWindowText() const;
    int GetWindowTextLength() const { return GetWindowText().GetLength(); }

    virtual BOOL EnableWindow(BOOL bEnable = TRUE);  // returns whether it was disabled before
    BOOL IsWindowEnabled() const;
    virtual BOOL ShowWindow(int nCmdShow);  // returns whether it was visible before
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    BOOL IsChild(const CWnd* pWnd) const;

    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
    void GetWindowRect(CRect* pRect) const;
    void GetClientRect(CRect* pRect) const;
    void ScreenToClient(CRect* /*pRect*/) const {}  // control rectangles are client units already
    void ClientToScreen(CRect* /*pRect*/) const {}

    virtual void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(const CRect* /*pRect*/, BOOL bErase = TRUE) { Invalidate(bErase); }
    void UpdateWindow() {}
    void SetRedraw(BOOL /*bRedraw*/ = TRUE) {}

    // Dialog items.
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, const char* pszText);
    int GetDlgItemText(int nID, CString& rString) const;
    CString GetDlgItemText(int nID) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* pTranslated = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;

    int MessageBox(const char* pszText, const char* pszCaption = nullptr, UINT nType = MB_OK);

    // Window messages, served by overriding.
    virtual void OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}
    virtual void OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/) {}
    virtual void OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}
    virtual void OnRButtonUp(UINT /*nFlags*/, CPoint /*point*/) {}
    virtual void OnContextMenu(CWnd* /*pWnd*/, CPoint /*point*/) {}
    virtual void OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
    virtual void OnChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
    virtual void OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {}

    // Ties this object to a control of a running dialog (DDX_Control, the dialog's own items).
    void AttachControl(CControlState* pState, CWnd* pParent);
    void DetachControl();
    CControlState* GetControlState() const { return m_pCtl; }

protected:
    // Windows that are not dialog controls keep their text here and show it through a backend.
    virtual void OnWindowTextChanged() {}
    void ControlChanged(UINT nChange);

    CControlState* m_pCtl = nullptr;
    CWnd* m_pParentWnd = nullptr;
    CString m_strWindowText;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    CRect m_rectWindow;

    friend class CDialog;
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const { return static_cast<UINT>(GetCheck()); }
};

class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
    // The picture is drawn by the backend from the button's text; the names are kept for the reader.
    BOOL AutoLoad(UINT nID, CWnd* pParent);
    BOOL LoadBitmaps(const char* pszUp, const char* pszDown = nullptr, const char* pszFocus = nullptr,
                     const char* pszDisabled = nullptr);
    void SizeToContent() {}
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    void LimitText(int nChars = 0);
    void SetLimitText(int nMax) { LimitText(nMax); }
    int GetLimitText() const;
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(const char* pszNewText, BOOL bCanUndo = FALSE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    int GetLineCount() const;
    int GetLine(int nIndex, char* pszBuffer, int nMaxLength) const;
    CString GetLine(int nIndex) const;
    void Clear() { ReplaceSel(""); }
};

// Items of list boxes and combo boxes: shared by both.
class CListBase : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    int AddString(const char* pszItem);
    int InsertString(int nIndex, const char* pszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    // Case-insensitive prefix search after nStartAfter (-1: from the top), wrapping round.
    int FindString(int nStartAfter, const char* pszItem) const;
    int FindStringExact(int nStartAfter, const char* pszItem) const;
    int SelectString(int nStartAfter, const char* pszItem);
    CString ItemText(int nIndex) const;

protected:
    void SelectionChanged();
    // The item's text into the caller's buffer (when given) and its length; nErr for no item.
    int CopyItemText(int nIndex, char* pszText, int nErr) const;
    int ItemTextLength(int nIndex, int nErr) const;
};

class CComboBox : public CListBase {
    DECLARE_DYNAMIC(CComboBox)
public:
    void GetLBText(int nIndex, CString& rString) const { rString = ItemText(nIndex); }
    int GetLBText(int nIndex, char* pszText) const;
    int GetLBTextLen(int nIndex) const;
    BOOL LimitText(int nMaxChars);
    BOOL SetEditSel(int nStartChar, int nEndChar);
    void ShowDropDown(BOOL /*bShowIt*/ = TRUE) {}
    int SetDroppedWidth(UINT /*nWidth*/) { return 0; }
};

class CListBox : public CListBase {
    DECLARE_DYNAMIC(CListBox)
public:
    void GetText(int nIndex, CString& rString) const { rString = ItemText(nIndex); }
    int GetText(int nIndex, char* pszBuffer) const;
    int GetTextLen(int nIndex) const;
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);  // -1 selects or clears every item
    int GetSelCount() const;
    int GetSelItems(int nMaxItems, int* rgIndex) const;
    int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    BOOL SetTabStops(int nTabStops, const int* rgTabStops);
    BOOL SetTabStops(int cxEachStop = 32);
    void SetColumnWidth(int cxWidth);
};
