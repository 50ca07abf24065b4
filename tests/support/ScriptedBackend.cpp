#include "ScriptedBackend.h"

#include <gtest/gtest.h>

#include "framework/ui/CommonDialogs.h"
#include "framework/ui/Frame.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/View.h"

namespace {
CControlState* UsableControl(CDialog& dlg, UINT nID, const char* what)
{
    CControlState* s = dlg.FindControl(nID);
    if (!s) {
        ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " has no control " << nID << " to " << what;
        return nullptr;
    }
    if (!s->enabled || !s->visible) {
        ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << ": control " << nID << " is "
                      << (s->enabled ? "hidden" : "disabled") << ", so nobody can " << what << " it";
        return nullptr;
    }
    return s;
}
}  // namespace

CScriptedBackend::CScriptedBackend() { m_pPrevious = AfxSetBackend(this); }

CScriptedBackend::~CScriptedBackend()
{
    AfxSetBackend(m_pPrevious);
    if (m_nextScript < m_scripts.size())
        ADD_FAILURE() << "dialog " << m_scripts[m_nextScript]->GetIDD() << " was scripted but never opened";
    if (m_nextAnswer < m_answers.size())
        ADD_FAILURE() << "a message box answer was queued but no message box came"
                      << (m_answers[m_nextAnswer].expected.empty() ? "" : ": ") << m_answers[m_nextAnswer].expected;
    if (m_nextFile < m_files.size())
        ADD_FAILURE() << "a file was chosen but no file dialog came: " << m_files[m_nextFile].second;
    if (m_nextFont < m_fonts.size())
        ADD_FAILURE() << "a font was chosen but no font dialog came";
    if (m_nextColor < m_colors.size())
        ADD_FAILURE() << "a colour was chosen but no colour dialog came";
    if (m_nextPopup < m_popupChoices.size())
        ADD_FAILURE() << "a menu choice was queued but no menu came: " << m_popupChoices[m_nextPopup];
}

bool CScriptedBackend::AllUsed() const
{
    return m_nextScript == m_scripts.size() && m_nextAnswer == m_answers.size() && m_nextFile == m_files.size() &&
           m_nextFont == m_fonts.size() && m_nextColor == m_colors.size() && m_nextPopup == m_popupChoices.size();
}

std::vector<std::string> CScriptedBackend::MessageTexts() const
{
    std::vector<std::string> t;
    for (const auto& m : messages)
        t.push_back(m.text);
    return t;
}

// --- Scripts -----------------------------------------------------------------------------------

CScriptedBackend::DialogScript& CScriptedBackend::OnDialog(UINT nIDD)
{
    m_scripts.push_back(std::make_unique<DialogScript>(nIDD));
    return *m_scripts.back();
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::SetText(UINT nID, const char* pszText)
{
    CString text = pszText;
    m_actions.push_back([nID, text](CDialog& d) {
        CControlState* s = UsableControl(d, nID, "type into");
        if (!s)
            return;
        if (s->IsEdit() && s->readOnly) {
            ADD_FAILURE() << "control " << nID << " is read-only";
            return;
        }
        d.UserSetText(nID, text);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Type(UINT nID, const char* pszUtf8)
{
    std::string typed = pszUtf8;
    m_actions.push_back([nID, typed](CDialog& d) {
        CControlState* s = UsableControl(d, nID, "type into");
        if (!s)
            return;
        if (s->IsEdit() && s->readOnly) {
            ADD_FAILURE() << "control " << nID << " is read-only";
            return;
        }
        d.UserTypeText(nID, typed);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Click(UINT nID)
{
    m_actions.push_back([nID](CDialog& d) {
        if (UsableControl(d, nID, "click"))
            d.UserClick(nID);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Select(UINT nID, int nIndex)
{
    m_actions.push_back([nID, nIndex](CDialog& d) {
        CControlState* s = UsableControl(d, nID, "select in");
        if (!s)
            return;
        if (nIndex < 0 || nIndex >= static_cast<int>(s->items.size())) {
            ADD_FAILURE() << "control " << nID << " has no item " << nIndex;
            return;
        }
        d.UserSelect(nID, nIndex);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::SelectString(UINT nID, const char* pszItem)
{
    CString item = pszItem;
    m_actions.push_back([nID, item](CDialog& d) {
        CControlState* s = UsableControl(d, nID, "select in");
        if (!s)
            return;
        for (size_t i = 0; i < s->items.size(); ++i) {
            if (s->items[i].text == item) {
                d.UserSelect(nID, static_cast<int>(i));
                return;
            }
        }
        ADD_FAILURE() << "control " << nID << " has no item \"" << item.GetString() << "\"";
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::SetSel(UINT nID, int nIndex, bool bSelect)
{
    m_actions.push_back([nID, nIndex, bSelect](CDialog& d) {
        CControlState* s = UsableControl(d, nID, "select in");
        if (!s)
            return;
        if (!s->IsMultiSel() || nIndex < 0 || nIndex >= static_cast<int>(s->items.size())) {
            ADD_FAILURE() << "control " << nID << " is not a multiple-selection list with item " << nIndex;
            return;
        }
        d.UserSetSel(nID, nIndex, bSelect);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::DblClk(UINT nID, int nIndex)
{
    m_actions.push_back([nID, nIndex](CDialog& d) {
        CControlState* s = UsableControl(d, nID, "double-click");
        if (!s)
            return;
        if (nIndex < 0 || nIndex >= static_cast<int>(s->items.size())) {
            ADD_FAILURE() << "control " << nID << " has no item " << nIndex;
            return;
        }
        d.UserDblClk(nID, nIndex);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Focus(UINT nID)
{
    m_actions.push_back([nID](CDialog& d) {
        if (UsableControl(d, nID, "focus"))
            d.UserFocus(nID);
    });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Enter()
{
    m_actions.push_back([](CDialog& d) { d.UserEnter(); });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Cancel()
{
    m_actions.push_back([](CDialog& d) { d.UserEscape(); });
    return *this;
}

CScriptedBackend::DialogScript& CScriptedBackend::DialogScript::Check(std::function<void(CDialog&)> fn)
{
    m_actions.push_back(std::move(fn));
    return *this;
}

INT_PTR CScriptedBackend::RunModalDialog(CDialog& dlg)
{
    dialogsOpened.push_back(dlg.GetTemplateID());
    if (m_nextScript >= m_scripts.size()) {
        ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " (\"" << dlg.GetCaption().GetString()
                      << "\") opened with nothing scripted";
        dlg.EndDialog(IDCANCEL);
        return IDCANCEL;
    }
    DialogScript& script = *m_scripts[m_nextScript++];
    if (script.GetIDD() != dlg.GetTemplateID()) {
        ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " opened where dialog " << script.GetIDD()
                      << " was scripted";
        dlg.EndDialog(IDCANCEL);
        return IDCANCEL;
    }
    dlg.InitModal();
    for (size_t i = 0; i < script.m_actions.size(); ++i) {
        if (dlg.IsEnded()) {
            ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " closed before step " << i + 1 << " of its script";
            break;
        }
        script.m_actions[i](dlg);
    }
    if (!dlg.IsEnded()) {
        ADD_FAILURE() << "dialog " << dlg.GetTemplateID() << " (\"" << dlg.GetCaption().GetString()
                      << "\") is still open at the end of its script";
        dlg.EndDialog(IDCANCEL);
    }
    return dlg.GetModalResult();
}

// --- Message boxes and choosers -------------------------------------------------------------

void CScriptedBackend::AnswerMessageBox(int nAnswer, const char* pszExpected)
{
    m_answers.push_back({nAnswer, pszExpected ? pszExpected : ""});
}

int CScriptedBackend::MessageBox(const CString& text, const CString&, UINT nType) { return AnswerBox(text.str(), nType); }

// Kept as UTF-8, as given.
int CScriptedBackend::MessageBoxUtf8(const std::string& text, const CString&, UINT nType)
{
    return AnswerBox(text, nType);
}

int CScriptedBackend::AnswerBox(const std::string& text, UINT nType)
{
    UINT buttons = nType & MB_TYPEMASK;
    int answer;
    if (m_nextAnswer < m_answers.size()) {
        const Answer& a = m_answers[m_nextAnswer++];
        if (!a.expected.empty() && text.find(a.expected) == std::string::npos)
            ADD_FAILURE() << "message box \"" << text << "\" was answered by the answer meant for \""
                          << a.expected << "\"";
        answer = a.answer;
        bool fits = (buttons == MB_OK && answer == IDOK) ||
                    (buttons == MB_OKCANCEL && (answer == IDOK || answer == IDCANCEL)) ||
                    (buttons == MB_YESNO && (answer == IDYES || answer == IDNO)) ||
                    (buttons == MB_YESNOCANCEL && (answer == IDYES || answer == IDNO || answer == IDCANCEL)) ||
                    buttons > MB_YESNOCANCEL;
        if (!fits)
            ADD_FAILURE() << "message box \"" << text << "\" has no button for answer " << answer;
    } else if (buttons == MB_OK) {
        answer = IDOK;  // a plain message needs no scripted answer
    } else {
        ADD_FAILURE() << "nobody answered the question \"" << text << "\"";
        answer = buttons == MB_YESNO ? IDNO : IDCANCEL;
    }
    messages.push_back({text, nType, answer});
    return answer;
}

void CScriptedBackend::ChooseFile(const std::string& path) { m_files.emplace_back(true, path); }

void CScriptedBackend::CancelFileDialog() { m_files.emplace_back(false, std::string()); }

BOOL CScriptedBackend::RunFileDialog(CFileDialog& dlg)
{
    fileDialogFilters.push_back(dlg.GetFilterString().str());
    fileDialogNames.push_back(dlg.GetInitialFileName().str());
    fileDialogFolders.push_back(dlg.m_ofn.lpstrInitialDir ? dlg.m_ofn.lpstrInitialDir : "");
    if (m_nextFile >= m_files.size()) {
        ADD_FAILURE() << "a file dialog opened with no file chosen beforehand";
        return FALSE;
    }
    auto [ok, path] = m_files[m_nextFile++];
    if (!ok)
        return FALSE;
    dlg.SetResult(CString(path));
    return TRUE;
}

void CScriptedBackend::ChooseFont(const char* pszFace, int nPointSize10, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                                  BOOL bStrikeOut, COLORREF color)
{
    m_fonts.push_back({true, pszFace, nPointSize10, bBold, bItalic, bUnderline, bStrikeOut, color});
}

void CScriptedBackend::CancelFontDialog() { m_fonts.push_back({false, "", 0, 0, 0, 0, 0, 0}); }

BOOL CScriptedBackend::RunFontDialog(CFontDialog& dlg)
{
    if (m_nextFont >= m_fonts.size()) {
        ADD_FAILURE() << "a font chooser opened with no font chosen beforehand";
        return FALSE;
    }
    const FontAnswer& f = m_fonts[m_nextFont++];
    if (!f.ok)
        return FALSE;
    dlg.SetChoice(f.face.c_str(), f.size10, f.bold, f.italic, f.underline, f.strikeOut, f.color);
    return TRUE;
}

void CScriptedBackend::ChooseColor(COLORREF color) { m_colors.emplace_back(true, color); }

BOOL CScriptedBackend::RunColorDialog(CColorDialog& dlg)
{
    if (m_nextColor >= m_colors.size()) {
        ADD_FAILURE() << "a colour chooser opened with no colour chosen beforehand";
        return FALSE;
    }
    auto [ok, c] = m_colors[m_nextColor++];
    if (ok)
        dlg.SetColor(c);
    return ok;
}

// --- Frames, views and printing ----------------------------------------------------------------

void CScriptedBackend::FrameTitleChanged(CFrameWnd& frame)
{
    frameTitle = frame.GetWindowText().str();
    frameModified = frame.IsDocumentModified() != FALSE;
}

void CScriptedBackend::ShowFrame(CFrameWnd&, int nCmdShow)
{
    ++frameShows;
    lastShowCommand = nCmdShow;
}

void CScriptedBackend::SetStatusText(CFrameWnd&, const CString& text) { statusText = text.str(); }

void CScriptedBackend::InvalidateView(CView&) { ++invalidations; }

BOOL CScriptedBackend::PrintView(CView& view, BOOL bPreview)
{
    ++printRuns;
    lastPrintWasPreview = bPreview != FALSE;
    printedPages.clear();
    CPrintInfo info;
    info.m_bPreview = bPreview;
    if (!view.OnPreparePrinting(&info))
        return FALSE;
    CRecordingDC setup(true);
    setup.SetMapMode(MM_TWIPS);
    info.m_rectDraw = CRect(0, 0, 12240, -15840);  // Letter, in twips
    view.OnBeginPrinting(&setup, &info);
    for (UINT page = info.GetFromPage(); page <= info.GetToPage(); ++page) {
        info.m_nCurPage = page;
        auto dc = std::make_unique<CRecordingDC>(true);
        dc->SetMapMode(MM_TWIPS);
        view.OnPrepareDC(dc.get(), &info);
        if (!info.m_bContinuePrinting)
            break;
        view.OnPrint(dc.get(), &info);
        printedPages.push_back(std::move(dc));
    }
    view.OnEndPrinting(&setup, &info);
    return TRUE;
}

BOOL CScriptedBackend::ActivateOtherInstance(const char*, const char* pszPathName)
{
    if (!otherInstanceRunning || !channelFault.empty())
        return FALSE;
    ++activationRequests;
    handedFile = pszPathName ? pszPathName : "";
    return TRUE;
}

BOOL CScriptedBackend::RegisterInstance(const char* pszClassName)
{
    if (!channelFault.empty())
        return FALSE;
    registeredInstance = pszClassName ? pszClassName : "";
    return TRUE;
}

void CScriptedBackend::ChoosePopupCommand(UINT nID) { m_popupChoices.push_back(nID); }

UINT CScriptedBackend::TrackPopupMenu(CWnd&, UINT nIDMenu, int nSubMenu, int x, int y)
{
    popupsShown.push_back({nIDMenu, nSubMenu, x, y});
    if (m_nextPopup >= m_popupChoices.size()) {
        ADD_FAILURE() << "pop-up menu " << nIDMenu << "/" << nSubMenu << " opened with no choice scripted";
        return 0;
    }
    UINT id = m_popupChoices[m_nextPopup++];
    // A person can only pick what the menu holds and what is enabled.
    if (id != 0) {
        const MenuTemplate* t = AfxFindMenu(nIDMenu);
        bool found = false;
        int popup = -1, depth = 0;
        for (size_t i = 0; t && i < t->entries.size(); ++i) {
            const MenuEntry& e = t->entries[i];
            if (e.kind == MenuKind::Popup) {
                if (depth++ == 0)
                    ++popup;
            } else if (e.kind == MenuKind::EndPopup) {
                --depth;
            } else if (e.kind == MenuKind::Item && popup == nSubMenu && e.id == id) {
                found = true;
            }
        }
        if (!found)
            ADD_FAILURE() << "pop-up menu " << nIDMenu << "/" << nSubMenu << " has no command " << id;
        CFrameWnd* frame = AfxGetMainWnd();
        if (found && frame && !frame->IsCommandEnabled(id)) {
            ADD_FAILURE() << "command " << id << " of the pop-up menu is disabled";
            return 0;
        }
    }
    return id;
}
