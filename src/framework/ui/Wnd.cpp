#include "framework/ui/Wnd.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/ui/Backend.h"
#include "framework/ui/Dialog.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CBitmapButton, CButton)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)

CWnd::~CWnd() = default;

void CWnd::AttachControl(CControlState* pState, CWnd* pParent)
{
    m_pCtl = pState;
    m_pParentWnd = pParent;
    m_hWnd = pState;
}

void CWnd::DetachControl()
{
    m_pCtl = nullptr;
    m_hWnd = nullptr;
}

void CWnd::ControlChanged(UINT nChange)
{
    if (m_pCtl && m_pCtl->pDialog && m_pCtl->pDialog->IsRunning())
        AfxGetBackend()->ControlChanged(*m_pCtl->pDialog, *m_pCtl, nChange);
}

UINT CWnd::GetDlgCtrlID() const { return m_pCtl ? m_pCtl->id : 0; }

void CWnd::SetWindowText(const char* pszText)
{
    if (m_pCtl) {
        // The limit binds the user's typing only, as it always has.
        m_pCtl->text = pszText ? pszText : "";
        m_pCtl->selStart = m_pCtl->selEnd = 0;
        ControlChanged(CtlChange_Text);
        // An edit box tells its dialog about every change of its text, the program's own too.
        if (m_pCtl->IsEdit() && m_pCtl->pDialog)
            m_pCtl->pDialog->SendNotify(m_pCtl->id, EN_CHANGE);
        return;
    }
    m_strWindowText = pszText ? pszText : "";
    OnWindowTextChanged();
}

CString CWnd::GetWindowText() const { return m_pCtl ? m_pCtl->text : m_strWindowText; }

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    bool& enabled = m_pCtl ? m_pCtl->enabled : m_bEnabled;
    BOOL wasDisabled = !enabled;
    if (enabled != (bEnable != FALSE)) {
        enabled = bEnable != FALSE;
        ControlChanged(CtlChange_Enable);
    }
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_pCtl ? m_pCtl->enabled : m_bEnabled; }

BOOL CWnd::ShowWindow(int nCmdShow)
{
    bool& visible = m_pCtl ? m_pCtl->visible : m_bVisible;
    BOOL wasVisible = visible;
    bool show = nCmdShow != SW_HIDE;
    if (visible != show) {
        visible = show;
        ControlChanged(CtlChange_Show);
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_pCtl ? m_pCtl->visible : m_bVisible; }

CWnd* CWnd::SetFocus()
{
    if (!m_pCtl || !m_pCtl->pDialog)
        return nullptr;
    CDialog* pDlg = m_pCtl->pDialog;
    CWnd* pOld = pDlg->GetFocus();
    pDlg->SetFocusTo(m_pCtl, true);
    return pOld;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return pWnd && pWnd->m_pCtl && pWnd->m_pCtl->pDialog == this;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    MoveWindow(CRect(x, y, x + nWidth, y + nHeight), bRepaint);
}

void CWnd::MoveWindow(const CRect& rect, BOOL)
{
    if (m_pCtl) {
        m_pCtl->rect = rect;
        ControlChanged(CtlChange_Rect);
    } else {
        m_rectWindow = rect;
    }
}

void CWnd::GetWindowRect(CRect* pRect) const
{
    if (pRect)
        *pRect = m_pCtl ? m_pCtl->rect : m_rectWindow;
}

void CWnd::GetClientRect(CRect* pRect) const
{
    if (!pRect)
        return;
    const CRect& r = m_pCtl ? m_pCtl->rect : m_rectWindow;
    *pRect = CRect(0, 0, r.Width(), r.Height());
}

void CWnd::Invalidate(BOOL) {}

CWnd* CWnd::GetDlgItem(int nID) const
{
    const CDialog* pDlg = dynamic_cast<const CDialog*>(this);
    if (!pDlg)
        return nullptr;
    for (const auto& pWnd : pDlg->m_itemWnds)
        if (pWnd->m_pCtl && pWnd->m_pCtl->id == static_cast<UINT>(nID))
            return pWnd.get();
    return nullptr;
}

void CWnd::SetDlgItemText(int nID, const char* pszText)
{
    if (CWnd* p = GetDlgItem(nID))
        p->SetWindowText(pszText);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    CWnd* p = GetDlgItem(nID);
    rString = p ? p->GetWindowText() : CString();
    return rString.GetLength();
}

CString CWnd::GetDlgItemText(int nID) const
{
    CString s;
    GetDlgItemText(nID, s);
    return s;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    CString s;
    if (bSigned)
        s.Format("%d", static_cast<int>(nValue));
    else
        s.Format("%u", nValue);
    SetDlgItemText(nID, s);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* pTranslated, BOOL bSigned) const
{
    CString s = GetDlgItemText(nID);
    s.Trim();
    const char* p = s;
    char* end = nullptr;
    long v = std::strtol(p, &end, 10);
    bool ok = !s.IsEmpty() && end && *end == '\0' && (bSigned || v >= 0);
    if (pTranslated)
        *pTranslated = ok;
    return ok ? static_cast<UINT>(v) : 0;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    if (auto* p = static_cast<CButton*>(GetDlgItem(nIDButton)))
        p->SetCheck(static_cast<int>(nCheck));
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    auto* p = static_cast<CButton*>(GetDlgItem(nIDButton));
    return p ? static_cast<UINT>(p->GetCheck()) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? 1 : 0);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (IsDlgButtonChecked(id))
            return id;
    return 0;
}

int CWnd::MessageBox(const char* pszText, const char* pszCaption, UINT nType)
{
    return AfxGetBackend()->MessageBox(pszText ? pszText : "", pszCaption ? CString(pszCaption) : AfxGetAppName(),
                                       nType);
}

// --- Buttons --------------------------------------------------------------------------------

int CButton::GetCheck() const { return m_pCtl ? m_pCtl->check : 0; }

void CButton::SetCheck(int nCheck)
{
    if (m_pCtl && m_pCtl->check != nCheck) {
        m_pCtl->check = nCheck;
        ControlChanged(CtlChange_Check);
    }
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent)
{
    CWnd* p = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    if (!p)
        return FALSE;
    AttachControl(p->GetControlState(), pParent);
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(const char*, const char*, const char*, const char*) { return TRUE; }

// --- Edit boxes -----------------------------------------------------------------------------

void CEdit::LimitText(int nChars)
{
    if (m_pCtl) {
        m_pCtl->limit = nChars;
        ControlChanged(CtlChange_Limit);
    }
}

int CEdit::GetLimitText() const { return m_pCtl ? m_pCtl->limit : 0; }

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    if (!m_pCtl)
        return;
    int len = m_pCtl->text.GetLength();
    if (nStartChar < 0) {  // -1 removes the selection
        m_pCtl->selStart = m_pCtl->selEnd = len;
    } else {
        m_pCtl->selStart = std::min(nStartChar, len);
        m_pCtl->selEnd = (nEndChar < 0 || nEndChar > len) ? len : nEndChar;
        if (m_pCtl->selEnd < m_pCtl->selStart)
            std::swap(m_pCtl->selStart, m_pCtl->selEnd);
    }
    ControlChanged(CtlChange_EditSel);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    nStartChar = m_pCtl ? m_pCtl->selStart : 0;
    nEndChar = m_pCtl ? m_pCtl->selEnd : 0;
}

void CEdit::ReplaceSel(const char* pszNewText, BOOL)
{
    if (!m_pCtl)
        return;
    CString& t = m_pCtl->text;
    int a = std::clamp(m_pCtl->selStart, 0, t.GetLength());
    int b = std::clamp(m_pCtl->selEnd, a, t.GetLength());
    CString ins = pszNewText ? pszNewText : "";
    CString s = t.Left(a) + ins + t.Mid(b);
    SetWindowText(s);
    m_pCtl->selStart = m_pCtl->selEnd = a + ins.GetLength();
    ControlChanged(CtlChange_EditSel);
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    if (!m_pCtl)
        return FALSE;
    m_pCtl->readOnly = bReadOnly != FALSE;
    ControlChanged(CtlChange_ReadOnly);
    return TRUE;
}

static std::vector<CString> SplitLines(const CString& text)
{
    std::vector<CString> lines;
    CString cur;
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        if (c == '\r')
            continue;
        if (c == '\n') {
            lines.push_back(cur);
            cur.Empty();
        } else {
            cur += c;
        }
    }
    lines.push_back(cur);
    return lines;
}

int CEdit::GetLineCount() const { return m_pCtl ? static_cast<int>(SplitLines(m_pCtl->text).size()) : 0; }

CString CEdit::GetLine(int nIndex) const
{
    if (!m_pCtl)
        return CString();
    auto lines = SplitLines(m_pCtl->text);
    return (nIndex >= 0 && nIndex < static_cast<int>(lines.size())) ? lines[static_cast<size_t>(nIndex)] : CString();
}

int CEdit::GetLine(int nIndex, char* pszBuffer, int nMaxLength) const
{
    CString line = GetLine(nIndex);
    int n = std::min(line.GetLength(), nMaxLength);
    if (pszBuffer && n > 0)
        std::memcpy(pszBuffer, line.GetString(), static_cast<size_t>(n));
    return n;
}

// --- Lists and combos -------------------------------------------------------------------------

int CListBase::GetCount() const { return m_pCtl ? static_cast<int>(m_pCtl->items.size()) : 0; }

int CListBase::GetCurSel() const { return m_pCtl ? m_pCtl->curSel : -1; }

void CListBase::SelectionChanged()
{
    if (m_pCtl->IsCombo())
        m_pCtl->text = m_pCtl->curSel >= 0 ? m_pCtl->items[static_cast<size_t>(m_pCtl->curSel)].text : CString();
    ControlChanged(CtlChange_Selection | (m_pCtl->IsCombo() ? UINT(CtlChange_Text) : 0u));
}

int CListBase::SetCurSel(int nSelect)
{
    if (!m_pCtl)
        return LB_ERR;
    bool valid = nSelect >= 0 && nSelect < GetCount();
    m_pCtl->curSel = valid ? nSelect : -1;
    if (m_pCtl->IsMultiSel()) {
        for (auto& it : m_pCtl->items)
            it.selected = false;
        if (valid)
            m_pCtl->items[static_cast<size_t>(nSelect)].selected = true;
    }
    SelectionChanged();
    return valid ? nSelect : LB_ERR;
}

DWORD_PTR CListBase::GetItemData(int nIndex) const
{
    if (!m_pCtl || nIndex < 0 || nIndex >= GetCount())
        return static_cast<DWORD_PTR>(LB_ERR);
    return m_pCtl->items[static_cast<size_t>(nIndex)].data;
}

int CListBase::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    if (!m_pCtl || nIndex < 0 || nIndex >= GetCount())
        return LB_ERR;
    m_pCtl->items[static_cast<size_t>(nIndex)].data = dwItemData;
    return 0;
}

int CListBase::AddString(const char* pszItem)
{
    if (!m_pCtl)
        return LB_ERR;
    CString text = pszItem ? pszItem : "";
    auto& items = m_pCtl->items;
    size_t pos = items.size();
    if (m_pCtl->IsSorted()) {
        pos = 0;
        while (pos < items.size() && items[pos].text.CompareNoCase(text) <= 0)
            ++pos;
    }
    return InsertString(static_cast<int>(pos), text);
}

int CListBase::InsertString(int nIndex, const char* pszItem)
{
    if (!m_pCtl)
        return LB_ERR;
    auto& items = m_pCtl->items;
    if (nIndex < 0)
        nIndex = static_cast<int>(items.size());
    if (nIndex > static_cast<int>(items.size()))
        return LB_ERR;
    items.insert(items.begin() + nIndex, CtlItem{pszItem ? pszItem : "", 0, false});
    if (m_pCtl->curSel >= nIndex)
        ++m_pCtl->curSel;
    ControlChanged(CtlChange_Items | CtlChange_Selection);
    return nIndex;
}

int CListBase::DeleteString(UINT nIndex)
{
    if (!m_pCtl || nIndex >= m_pCtl->items.size())
        return LB_ERR;
    auto& items = m_pCtl->items;
    items.erase(items.begin() + nIndex);
    int i = static_cast<int>(nIndex);
    UINT change = CtlChange_Items | CtlChange_Selection;
    if (m_pCtl->curSel == i) {
        m_pCtl->curSel = -1;
        if (m_pCtl->IsDropDownList()) {
            m_pCtl->text.Empty();
            change |= CtlChange_Text;
        }
    } else if (m_pCtl->curSel > i) {
        --m_pCtl->curSel;
    }
    ControlChanged(change);
    return static_cast<int>(items.size());
}

void CListBase::ResetContent()
{
    if (!m_pCtl)
        return;
    m_pCtl->items.clear();
    m_pCtl->curSel = -1;
    m_pCtl->topIndex = 0;
    UINT change = CtlChange_Items | CtlChange_Selection;
    if (m_pCtl->IsCombo()) {
        m_pCtl->text.Empty();
        change |= CtlChange_Text;
    }
    ControlChanged(change);
}

CString CListBase::ItemText(int nIndex) const
{
    if (!m_pCtl || nIndex < 0 || nIndex >= GetCount())
        return CString();
    return m_pCtl->items[static_cast<size_t>(nIndex)].text;
}

static int FindItem(const CControlState* pCtl, int nStartAfter, const char* pszItem, bool bExact)
{
    if (!pCtl || pCtl->items.empty())
        return LB_ERR;
    CString want = pszItem ? pszItem : "";
    int n = static_cast<int>(pCtl->items.size());
    int start = (nStartAfter < 0 || nStartAfter >= n) ? 0 : nStartAfter + 1;
    for (int k = 0; k < n; ++k) {
        int i = (start + k) % n;
        const CString& t = pCtl->items[static_cast<size_t>(i)].text;
        if (bExact ? t.CompareNoCase(want) == 0 : t.Left(want.GetLength()).CompareNoCase(want) == 0)
            return i;
    }
    return LB_ERR;
}

int CListBase::FindString(int nStartAfter, const char* pszItem) const
{
    return FindItem(m_pCtl, nStartAfter, pszItem, false);
}

int CListBase::FindStringExact(int nStartAfter, const char* pszItem) const
{
    return FindItem(m_pCtl, nStartAfter, pszItem, true);
}

int CListBase::SelectString(int nStartAfter, const char* pszItem)
{
    int i = FindString(nStartAfter, pszItem);
    if (i != LB_ERR)
        SetCurSel(i);
    return i;
}

int CListBase::CopyItemText(int nIndex, char* pszText, int nErr) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nErr;
    CString s = ItemText(nIndex);
    if (pszText)
        std::memcpy(pszText, s.GetString(), static_cast<size_t>(s.GetLength()) + 1);
    return s.GetLength();
}

int CListBase::ItemTextLength(int nIndex, int nErr) const
{
    return (nIndex < 0 || nIndex >= GetCount()) ? nErr : ItemText(nIndex).GetLength();
}

int CComboBox::GetLBText(int nIndex, char* pszText) const { return CopyItemText(nIndex, pszText, CB_ERR); }
int CComboBox::GetLBTextLen(int nIndex) const { return ItemTextLength(nIndex, CB_ERR); }

BOOL CComboBox::LimitText(int nMaxChars)
{
    if (!m_pCtl)
        return FALSE;
    m_pCtl->limit = nMaxChars;
    ControlChanged(CtlChange_Limit);
    return TRUE;
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    if (!m_pCtl || m_pCtl->IsDropDownList())
        return FALSE;
    m_pCtl->selStart = nStartChar;
    m_pCtl->selEnd = nEndChar;
    ControlChanged(CtlChange_EditSel);
    return TRUE;
}

int CListBox::GetText(int nIndex, char* pszBuffer) const { return CopyItemText(nIndex, pszBuffer, LB_ERR); }
int CListBox::GetTextLen(int nIndex) const { return ItemTextLength(nIndex, LB_ERR); }

int CListBox::GetSel(int nIndex) const
{
    if (!m_pCtl || nIndex < 0 || nIndex >= GetCount())
        return LB_ERR;
    if (m_pCtl->IsMultiSel())
        return m_pCtl->items[static_cast<size_t>(nIndex)].selected ? 1 : 0;
    return m_pCtl->curSel == nIndex ? 1 : 0;
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    if (!m_pCtl || !m_pCtl->IsMultiSel())
        return LB_ERR;
    if (nIndex == -1) {
        for (auto& it : m_pCtl->items)
            it.selected = bSelect != FALSE;
    } else {
        if (nIndex < 0 || nIndex >= GetCount())
            return LB_ERR;
        m_pCtl->items[static_cast<size_t>(nIndex)].selected = bSelect != FALSE;
        m_pCtl->curSel = nIndex;  // the caret
    }
    ControlChanged(CtlChange_Selection);
    return 0;
}

int CListBox::GetSelCount() const
{
    if (!m_pCtl || !m_pCtl->IsMultiSel())
        return LB_ERR;
    return static_cast<int>(std::count_if(m_pCtl->items.begin(), m_pCtl->items.end(),
                                          [](const CtlItem& it) { return it.selected; }));
}

int CListBox::GetSelItems(int nMaxItems, int* rgIndex) const
{
    if (!m_pCtl || !m_pCtl->IsMultiSel())
        return LB_ERR;
    int n = 0;
    for (int i = 0; i < GetCount() && n < nMaxItems; ++i)
        if (m_pCtl->items[static_cast<size_t>(i)].selected)
            rgIndex[n++] = i;
    return n;
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    if (!m_pCtl || !m_pCtl->IsMultiSel())
        return LB_ERR;
    for (int i = std::max(0, nFirstItem); i <= nLastItem && i < GetCount(); ++i)
        m_pCtl->items[static_cast<size_t>(i)].selected = bSelect != FALSE;
    ControlChanged(CtlChange_Selection);
    return 0;
}

int CListBox::GetTopIndex() const { return m_pCtl ? m_pCtl->topIndex : 0; }

int CListBox::SetTopIndex(int nIndex)
{
    if (!m_pCtl || nIndex < 0 || nIndex >= std::max(1, GetCount()))
        return LB_ERR;
    m_pCtl->topIndex = nIndex;
    ControlChanged(CtlChange_Selection);
    return 0;
}

BOOL CListBox::SetTabStops(int nTabStops, const int* rgTabStops)
{
    if (!m_pCtl)
        return FALSE;
    m_pCtl->tabStops.assign(rgTabStops, rgTabStops + std::max(0, nTabStops));
    ControlChanged(CtlChange_Items);
    return TRUE;
}

BOOL CListBox::SetTabStops(int cxEachStop)
{
    if (!m_pCtl)
        return FALSE;
    m_pCtl->tabStops.assign(1, cxEachStop);
    ControlChanged(CtlChange_Items);
    return TRUE;
}

void CListBox::SetColumnWidth(int cxWidth)
{
    if (m_pCtl) {
        m_pCtl->columnWidth = cxWidth;
        ControlChanged(CtlChange_Items);
    }
}
