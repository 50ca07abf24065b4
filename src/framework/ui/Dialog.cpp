#include "framework/ui/Dialog.h"

#include "framework/core/TextEntry.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>

#include "framework/ui/Backend.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {
// Ends a failed exchange; caught by UpdateData and never seen by the program.
struct DataExchangeFailed {};

CString& AppName()
{
    static CString name = "Torvane";
    return name;
}

bool Focusable(const CControlState& s)
{
    switch (s.kind) {
    case CtlKind::Static:
    case CtlKind::Frame:
    case CtlKind::GroupBox:
        return false;
    default:
        return s.enabled && s.visible;
    }
}

bool TabStop(const CControlState& s) { return (s.style & WS_TABSTOP) && Focusable(s); }
}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate)
{
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog() { DestroyControls(); }

void CDialog::CreateControls()
{
    DestroyControls();
    m_strWindowText = m_pTemplate->caption ? m_pTemplate->caption : "";
    m_rectWindow = CRect(0, 0, m_pTemplate->cx, m_pTemplate->cy);
    for (const DlgControl& c : m_pTemplate->controls) {
        auto s = std::make_unique<CControlState>();
        s->pDialog = this;
        s->pTemplate = &c;
        s->id = c.id;
        s->kind = c.kind;
        s->style = c.style;
        s->rect = CRect(c.x, c.y, c.x + c.cx, c.y + c.cy);
        s->enabled = !(c.style & WS_DISABLED);
        s->visible = !(c.style & WS_HIDDEN);
        s->readOnly = (c.kind == CtlKind::Edit) && (c.style & ES_READONLY);
        if (c.kind != CtlKind::ComboBox && c.kind != CtlKind::ListBox && c.kind != CtlKind::Edit)
            s->text = c.text ? c.text : "";
        if (c.kind == CtlKind::Edit && c.text)
            s->text = c.text;
        if (c.kind == CtlKind::PushButton && (c.style & BS_DEFPUSHBUTTON))
            m_nDefID = c.id;

        std::unique_ptr<CWnd> w;
        switch (c.kind) {
        case CtlKind::Edit: w = std::make_unique<CEdit>(); break;
        case CtlKind::ComboBox: w = std::make_unique<CComboBox>(); break;
        case CtlKind::ListBox: w = std::make_unique<CListBox>(); break;
        case CtlKind::PushButton:
        case CtlKind::CheckBox:
        case CtlKind::RadioButton:
        case CtlKind::GroupBox: w = std::make_unique<CButton>(); break;
        case CtlKind::BitmapButton: w = std::make_unique<CBitmapButton>(); break;
        default: w = std::make_unique<CStatic>(); break;
        }
        w->AttachControl(s.get(), this);
        m_itemWnds.push_back(std::move(w));
        m_controls.push_back(std::move(s));
    }
}

void CDialog::DestroyControls()
{
    for (CWnd* w : m_attachedMembers)
        w->DetachControl();
    m_attachedMembers.clear();
    m_itemWnds.clear();
    m_controls.clear();
    m_nFocusID = 0;
}

INT_PTR CDialog::DoModal()
{
    m_pTemplate = AfxFindDialogTemplate(m_nIDTemplate);
    if (!m_pTemplate) {
        CString msg;
        msg.Format("The window with id %u cannot be shown: it has no template.", m_nIDTemplate);
        AfxMessageBox(msg, MB_OK | MB_ICONSTOP);
        return -1;
    }
    CreateControls();
    m_nModalResult = IDCANCEL;
    m_bRunning = true;
    m_bEnded = false;
    m_nMute = 0;
    m_hWnd = this;
    struct Cleanup {
        CDialog* d;
        ~Cleanup()
        {
            // Members attached by DDX_Control point into controls about to go.
            d->m_bRunning = false;
            d->m_hWnd = nullptr;
            d->m_pPeer = nullptr;
            d->DestroyControls();
        }
    } cleanup{this};
    AfxGetBackend()->RunModalDialog(*this);
    return m_nModalResult;
}

void CDialog::InitModal()
{
    m_nFocusID = 0;
    if (OnInitDialog()) {
        // The first tab stop; a template without any gives it to its first control that takes focus.
        CControlState* first = nullptr;
        for (auto& s : m_controls)
            if (TabStop(*s)) {
                first = s.get();
                break;
            }
        for (size_t i = 0; !first && i < m_controls.size(); ++i)
            if (Focusable(*m_controls[i]))
                first = m_controls[i].get();
        if (first) {
            SetFocusTo(first, true);
            if (first->IsEdit() && m_bRunning) {
                first->selStart = 0;
                first->selEnd = first->text.GetLength();
                AfxGetBackend()->ControlChanged(*this, *first, CtlChange_EditSel);
            }
        }
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bRunning && !m_bEnded) {
        m_bEnded = true;
        AfxGetBackend()->EndModalDialog(*this);
    }
}

void CDialog::OnWindowTextChanged()
{
    if (m_bRunning)
        AfxGetBackend()->DialogCaptionChanged(*this);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    ++m_nMute;
    CDataExchange dx(this, bSaveAndValidate);
    BOOL ok = TRUE;
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailed&) {
        ok = FALSE;
    }
    --m_nMute;
    return ok;
}

CControlState* CDialog::FindControl(UINT nID) const
{
    for (const auto& s : m_controls)
        if (s->id == nID)
            return s.get();
    return nullptr;
}

CWnd* CDialog::GetFocus() const { return m_nFocusID ? GetDlgItem(static_cast<int>(m_nFocusID)) : nullptr; }

UINT CDialog::FocusCode(const CControlState& s, bool bKill) const
{
    switch (s.kind) {
    case CtlKind::Edit: return bKill ? EN_KILLFOCUS : EN_SETFOCUS;
    case CtlKind::ComboBox: return bKill ? CBN_KILLFOCUS : CBN_SETFOCUS;
    case CtlKind::ListBox: return bKill ? LBN_KILLFOCUS : LBN_SETFOCUS;
    default: return 0xFFFFFFFFu;
    }
}

void CDialog::SetFocusTo(CControlState* pState, bool bPush)
{
    UINT newID = pState ? pState->id : 0;
    if (newID == m_nFocusID)
        return;
    CControlState* pOld = FindControl(m_nFocusID);
    m_nFocusID = newID;
    if (bPush && pState && m_bRunning)
        AfxGetBackend()->FocusControl(*this, *pState);
    if (pOld) {
        UINT code = FocusCode(*pOld, true);
        if (code != 0xFFFFFFFFu)
            SendNotify(pOld->id, code);
    }
    // A kill-focus handler may have moved the focus elsewhere already.
    if (pState && m_nFocusID == newID) {
        UINT code = FocusCode(*pState, false);
        if (code != 0xFFFFFFFFu)
            SendNotify(pState->id, code);
    }
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl && pWndCtrl->m_pCtl) {
        SetFocusTo(pWndCtrl->m_pCtl, true);
        if (pWndCtrl->m_pCtl->IsEdit())
            static_cast<CEdit*>(pWndCtrl)->SetSel(0, -1);
    }
}

CWnd* CDialog::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    int n = static_cast<int>(m_controls.size());
    if (n == 0)
        return nullptr;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (pWndCtl && m_controls[static_cast<size_t>(i)].get() == pWndCtl->m_pCtl)
            at = i;
    for (int k = 1; k <= n; ++k) {
        int i = bPrevious ? ((at < 0 ? 0 : at) - k + 2 * n) % n : (at + k + n) % n;
        const CControlState& s = *m_controls[static_cast<size_t>(i)];
        if (TabStop(s))
            return m_itemWnds[static_cast<size_t>(i)].get();
    }
    return nullptr;
}

void CDialog::NextDlgCtrl()
{
    if (CWnd* p = GetNextDlgTabItem(GetFocus(), FALSE))
        GotoDlgCtrl(p);
}

void CDialog::PrevDlgCtrl()
{
    if (CWnd* p = GetNextDlgTabItem(GetFocus(), TRUE))
        GotoDlgCtrl(p);
}

void CDialog::SendNotify(UINT nID, UINT nCode)
{
    if (NotificationsMuted() || !m_bRunning)
        return;
    if (nCode == BN_CLICKED && nID == IDOK && !AcceptTypedText())
        return;
    if (OnCmdMsg(nID, static_cast<int>(nCode), nullptr))
        return;
    if (nCode == BN_CLICKED) {
        if (nID == IDOK)
            OnOK();
        else if (nID == IDCANCEL)
            OnCancel();
    }
}

void CDialog::UserCommand(UINT nID)
{
    if (m_bEnded)
        return;
    SendNotify(nID, BN_CLICKED);
}

void CDialog::UserEnter()
{
    if (m_bEnded)
        return;
    // An edit box whose dialog maps Enter for it takes the key.
    if (CControlState* f = FindControl(m_nFocusID); f && f->kind == CtlKind::Edit && !(f->style & ES_MULTILINE) &&
                                                     f->enabled && !NotificationsMuted() &&
                                                     OnCmdMsg(f->id, static_cast<int>(EN_RETURN), nullptr))
        return;
    CControlState* s = FindControl(m_nDefID);
    if (s && !s->enabled)
        return;
    UserCommand(m_nDefID);
}

void CDialog::UserClick(UINT nID)
{
    CControlState* s = FindControl(nID);
    if (!s || !s->enabled || !s->visible || m_bEnded)
        return;
    if (Focusable(*s)) {
        SetFocusTo(s, true);
        // A kill-focus handler that keeps the focus where it was (a value it refused) swallows the click.
        if (m_nFocusID != nID || m_bEnded)
            return;
    }
    if (s->kind == CtlKind::CheckBox) {
        s->check = (s->style & BS_3STATE) ? (s->check + 1) % 3 : !s->check;
        AfxGetBackend()->ControlChanged(*this, *s, CtlChange_Check);
    } else if (s->kind == CtlKind::RadioButton) {
        // The group runs from the last control marked WS_GROUP up to the next one.
        size_t at = 0;
        for (size_t i = 0; i < m_controls.size(); ++i)
            if (m_controls[i].get() == s)
                at = i;
        size_t first = at;
        while (first > 0 && !(m_controls[first]->style & WS_GROUP))
            --first;
        for (size_t i = first; i < m_controls.size(); ++i) {
            CControlState& r = *m_controls[i];
            if (i > first && (r.style & WS_GROUP))
                break;
            if (r.kind != CtlKind::RadioButton)
                continue;
            int want = (&r == s) ? 1 : 0;
            if (r.check != want) {
                r.check = want;
                AfxGetBackend()->ControlChanged(*this, r, CtlChange_Check);
            }
        }
    }
    SendNotify(nID, BN_CLICKED);
}

void CDialog::UserSetText(UINT nID, const CString& text)
{
    CControlState* s = FindControl(nID);
    if (!s || !s->enabled || m_bEnded)
        return;
    SetFocusTo(s, true);
    if (m_nFocusID != nID)
        return;
    s->text = (s->limit > 0 && text.GetLength() > s->limit) ? text.Left(s->limit) : text;
    s->selStart = s->selEnd = s->text.GetLength();
    if (s->IsEdit())
        SendNotify(nID, EN_CHANGE);
    else if (s->IsCombo())
        SendNotify(nID, CBN_EDITCHANGE);
}

void CDialog::UserTypeText(UINT nID, std::string_view utf8)
{
    CTypedText typed = AfxTextFromTyped(utf8);
    UserSetText(nID, typed.text);
    if (CControlState* s = FindControl(nID); s && s->text == typed.text) {
        s->typedText = typed.text;
        s->typedChanged = typed.changed;
        s->typedRefused = typed.refused;
    }
}

BOOL CDialog::AcceptTypedText()
{
    std::string changed;
    std::vector<CControlState*> shown;
    for (auto& c : m_controls) {
        CControlState& s = *c;
        if (s.typedChanged.empty() && s.typedRefused.empty())
            continue;
        if (s.text != s.typedText) {  // the program has set other text since
            s.typedChanged.clear();
            s.typedRefused.clear();
            continue;
        }
        if (!s.typedRefused.empty()) {
            AfxMessageBoxUtf8("These characters cannot be kept in the league's text: " + s.typedRefused +
                              "\n\nPlease type them differently.");
            GotoDlgCtrl(GetDlgItem(static_cast<int>(s.id)));
            return FALSE;
        }
        // Each change named once, however many boxes it was made in.
        for (size_t at = 0; at < s.typedChanged.size();) {
            size_t end = std::min(s.typedChanged.find(", ", at), s.typedChanged.size());
            std::string one = s.typedChanged.substr(at, end - at);
            if ((", " + changed + ", ").find(", " + one + ", ") == std::string::npos)
                changed += (changed.empty() ? "" : ", ") + one;
            at = end + 2;
        }
        shown.push_back(&s);
    }
    if (shown.empty())
        return TRUE;
    AfxMessageBoxUtf8("The league's text holds Western European letters only, so these were changed to plain "
                      "letters: " + changed + ".", MB_OK | MB_ICONINFORMATION);
    for (CControlState* s : shown) {
        s->typedChanged.clear();
        AfxGetBackend()->ControlChanged(*this, *s, CtlChange_Text);  // the box shows what is kept
    }
    return TRUE;
}

void CDialog::UserSelect(UINT nID, int nIndex)
{
    CControlState* s = FindControl(nID);
    if (!s || !s->enabled || m_bEnded || (!s->IsList() && !s->IsCombo()))
        return;
    SetFocusTo(s, true);
    if (m_nFocusID != nID)
        return;
    if (nIndex < -1 || nIndex >= static_cast<int>(s->items.size()))
        return;
    s->curSel = nIndex;
    if (s->IsMultiSel()) {
        for (auto& it : s->items)
            it.selected = false;
        if (nIndex >= 0)
            s->items[static_cast<size_t>(nIndex)].selected = true;
    }
    if (s->IsCombo())
        s->text = nIndex >= 0 ? s->items[static_cast<size_t>(nIndex)].text : CString();
    SendNotify(nID, s->IsCombo() ? CBN_SELCHANGE : LBN_SELCHANGE);
}

void CDialog::UserSetSel(UINT nID, int nIndex, bool bSelect)
{
    CControlState* s = FindControl(nID);
    if (!s || !s->enabled || m_bEnded || !s->IsMultiSel())
        return;
    if (nIndex < 0 || nIndex >= static_cast<int>(s->items.size()))
        return;
    SetFocusTo(s, true);
    if (m_nFocusID != nID)
        return;
    s->items[static_cast<size_t>(nIndex)].selected = bSelect;
    s->curSel = nIndex;
    SendNotify(nID, LBN_SELCHANGE);
}

void CDialog::UserDblClk(UINT nID, int nIndex)
{
    CControlState* s = FindControl(nID);
    if (!s || !s->enabled || m_bEnded || !s->IsList())
        return;
    bool selected = s->IsMultiSel() ? (nIndex >= 0 && nIndex < static_cast<int>(s->items.size()) &&
                                       s->items[static_cast<size_t>(nIndex)].selected)
                                    : s->curSel == nIndex;
    if (!selected || m_nFocusID != nID) {
        if (s->IsMultiSel())
            UserSetSel(nID, nIndex, true);
        else
            UserSelect(nID, nIndex);
    }
    if (m_nFocusID == nID && !m_bEnded)
        SendNotify(nID, LBN_DBLCLK);
}

void CDialog::UserFocus(UINT nID)
{
    if (m_bEnded)
        return;
    CControlState* s = FindControl(nID);
    if (s && Focusable(*s))
        SetFocusTo(s, false);
}

// --- Data exchange ----------------------------------------------------------------------------

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

CControlState* CDataExchange::PrepareCtrl(int nIDC)
{
    CControlState* s = m_pDlgWnd->FindControl(static_cast<UINT>(nIDC));
    ASSERT(s != nullptr);  // a member exchanged with a control the template lacks
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return s;
}

CControlState* CDataExchange::PrepareEditCtrl(int nIDC)
{
    CControlState* s = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return s;
}

void CDataExchange::Fail()
{
    if (CControlState* s = m_pDlgWnd->FindControl(m_idLastControl)) {
        m_pDlgWnd->SetFocusTo(s, true);
        if (m_bEditLastControl) {
            s->selStart = 0;
            s->selEnd = s->text.GetLength();
            if (m_pDlgWnd->IsRunning())
                AfxGetBackend()->ControlChanged(*m_pDlgWnd, *s, CtlChange_EditSel);
        }
    }
    throw DataExchangeFailed{};
}

static void SetCtlText(CDialog* pDlg, CControlState* s, const CString& text)
{
    // Leaving an unchanged box alone keeps its caret and selection.
    if (s->text == text)
        return;
    s->text = text;
    if (pDlg->IsRunning())
        AfxGetBackend()->ControlChanged(*pDlg, *s, CtlChange_Text);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.GetControlState())
        return;
    if (CControlState* s = pDX->PrepareCtrl(nIDC)) {
        rControl.AttachControl(s, pDX->m_pDlgWnd);
        pDX->m_pDlgWnd->AddAttachedMember(&rControl);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    CControlState* s = pDX->PrepareEditCtrl(nIDC);
    if (!s)
        return;
    if (pDX->m_bSaveAndValidate)
        value = s->text;
    else
        SetCtlText(pDX->m_pDlgWnd, s, value);
}

namespace {
// Whole number with optional sign and surrounding blanks; nothing else.
bool ParseLong(const CString& text, long long& out)
{
    CString t = text;
    t.Trim();
    if (t.IsEmpty())
        return false;
    const char* p = t;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(p, &end, 10);
    if (end == p || *end != '\0' || errno == ERANGE)
        return false;
    out = v;
    return true;
}

void FailInt(CDataExchange* pDX)
{
    AfxMessageBox("Please enter an integer.", MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

void FailRange(CDataExchange* pDX, long long lo, long long hi)
{
    CString a, b, msg;
    a.Format("%lld", lo);
    b.Format("%lld", hi);
    AfxFormatString2(msg, "Please enter an integer between %1 and %2.", a, b);
    AfxMessageBox(msg, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class T>
void TextInt(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi)
{
    CControlState* s = pDX->PrepareEditCtrl(nIDC);
    if (!s)
        return;
    if (pDX->m_bSaveAndValidate) {
        long long v = 0;
        if (!ParseLong(s->text, v))
            FailInt(pDX);
        if (v < lo || v > hi)
            FailRange(pDX, lo, hi);
        value = static_cast<T>(v);
    } else {
        CString t;
        t.Format("%lld", static_cast<long long>(value));
        SetCtlText(pDX->m_pDlgWnd, s, t);
    }
}
}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { TextInt(pDX, nIDC, value, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { TextInt(pDX, nIDC, value, 0, UINT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { TextInt(pDX, nIDC, value, LONG_MIN, LONG_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) { TextInt(pDX, nIDC, value, SHRT_MIN, SHRT_MAX); }
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { TextInt(pDX, nIDC, value, 0, 255); }
void DDX_Text(CDataExchange* pDX, int nIDC, WORD& value) { TextInt(pDX, nIDC, value, 0, 65535); }

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    CControlState* s = pDX->PrepareEditCtrl(nIDC);
    if (!s)
        return;
    if (pDX->m_bSaveAndValidate) {
        CString t = s->text;
        t.Trim();
        const char* p = t;
        char* end = nullptr;
        double v = std::strtod(p, &end);
        if (t.IsEmpty() || end == p || *end != '\0') {
            AfxMessageBox("Please enter a number.", MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = v;
    } else {
        CString t;
        t.Format("%.*g", DBL_DIG, value);
        SetCtlText(pDX->m_pDlgWnd, s, t);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    CControlState* s = pDX->PrepareCtrl(nIDC);
    if (!s)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = s->check;
    } else if (s->check != value) {
        s->check = value;
        if (pDX->m_pDlgWnd->IsRunning())
            AfxGetBackend()->ControlChanged(*pDX->m_pDlgWnd, *s, CtlChange_Check);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    CControlState* first = pDX->PrepareCtrl(nIDC);
    if (!first)
        return;
    const auto& ctls = pDX->m_pDlgWnd->Controls();
    size_t at = 0;
    while (at < ctls.size() && ctls[at].get() != first)
        ++at;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (size_t i = at; i < ctls.size(); ++i) {
        CControlState& r = *ctls[i];
        if (i > at && (r.style & WS_GROUP))
            break;
        if (r.kind != CtlKind::RadioButton)
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (r.check)
                value = index;
        } else {
            int want = index == value ? 1 : 0;
            if (r.check != want) {
                r.check = want;
                if (pDX->m_pDlgWnd->IsRunning())
                    AfxGetBackend()->ControlChanged(*pDX->m_pDlgWnd, r, CtlChange_Check);
            }
        }
        ++index;
    }
}

namespace {
template <class Box>
CControlState* AttachBox(CDataExchange* pDX, int nIDC, Box& box)
{
    CControlState* s = pDX->PrepareCtrl(nIDC);
    if (s)
        box.AttachControl(s, pDX->m_pDlgWnd);
    return s;
}

template <class Box>
void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index)
{
    Box box;
    if (!AttachBox(pDX, nIDC, box))
        return;
    if (pDX->m_bSaveAndValidate)
        index = box.GetCurSel();
    else
        box.SetCurSel(index);
}

// Read: a drop list gives its selected item, a drop-down box its typed text. Written: the
// matching item is selected; a drop-down box with no such item shows the text anyway.
void ExchangeComboString(CDataExchange* pDX, int nIDC, CString& value, bool bExact)
{
    CComboBox combo;
    CControlState* s = AttachBox(pDX, nIDC, combo);
    if (!s)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = s->IsDropDownList() ? combo.ItemText(combo.GetCurSel()) : s->text;
        return;
    }
    const int i = bExact ? combo.FindStringExact(-1, value) : combo.SelectString(-1, value);
    if (bExact && i != CB_ERR)
        combo.SetCurSel(i);
    if (i == CB_ERR && !s->IsDropDownList())
        SetCtlText(pDX->m_pDlgWnd, s, value);
}
}  // namespace

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) { ExchangeIndex<CComboBox>(pDX, nIDC, index); }
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) { ExchangeIndex<CListBox>(pDX, nIDC, index); }
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) { ExchangeComboString(pDX, nIDC, value, false); }
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) { ExchangeComboString(pDX, nIDC, value, true); }

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    CListBox list;
    if (!AttachBox(pDX, nIDC, list))
        return;
    if (pDX->m_bSaveAndValidate)
        value = list.ItemText(list.GetCurSel());
    else
        list.SelectString(-1, value);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, minVal, maxVal);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, minVal, maxVal);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, minVal, maxVal);
}

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, minVal, maxVal);
}

void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, minVal, maxVal);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString a, b, msg;
        a.Format("%.*g", DBL_DIG, minVal);
        b.Format("%.*g", DBL_DIG, maxVal);
        AfxFormatString2(msg, "Please enter a number between %1 and %2.", a, b);
        AfxMessageBox(msg, MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString n, msg;
            n.Format("%d", nChars);
            AfxFormatString1(msg, "Please enter no more than %1 characters.", n);
            AfxMessageBox(msg, MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    } else if (CControlState* s = pDX->m_pDlgWnd->FindControl(pDX->m_idLastControl)) {
        s->limit = nChars;
        if (pDX->m_pDlgWnd->IsRunning())
            AfxGetBackend()->ControlChanged(*pDX->m_pDlgWnd, *s, CtlChange_Limit);
    }
}

// --- Message boxes ----------------------------------------------------------------------------

void AfxSetAppName(const char* pszName) { AppName() = pszName ? pszName : ""; }
CString AfxGetAppName() { return AppName(); }

int AfxMessageBox(const char* pszText, UINT nType, UINT)
{
    // A box without an icon gets the one its buttons suggest.
    if (!(nType & MB_ICONMASK)) {
        UINT buttons = nType & MB_TYPEMASK;
        nType |= (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    }
    return AfxGetBackend()->MessageBox(pszText ? pszText : "", AfxGetAppName(), nType);
}

int AfxMessageBoxUtf8(const std::string& text, UINT nType)
{
    if (!(nType & MB_ICONMASK))
        nType |= MB_ICONEXCLAMATION;
    return AfxGetBackend()->MessageBoxUtf8(text, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT)
{
    CString text = AfxLoadString(nIDPrompt);
    if (text.IsEmpty())
        text.Format("Message %u", nIDPrompt);
    return AfxMessageBox(text, nType, 0);
}

void AfxFormatString2(CString& rString, const char* pszFormat, const char* psz1, const char* psz2)
{
    rString.Empty();
    for (const char* p = pszFormat; *p; ++p) {
        if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) {
            const char* arg = p[1] == '1' ? psz1 : psz2;
            rString += arg ? arg : "";
            ++p;
        } else {
            rString += *p;
        }
    }
}

void AfxFormatString1(CString& rString, const char* pszFormat, const char* psz1)
{
    AfxFormatString2(rString, pszFormat, psz1, nullptr);
}
