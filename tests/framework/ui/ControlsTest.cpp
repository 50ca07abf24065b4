// List and combo boxes, message boxes, and the scripted backend's own guard rails.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "SampleDialog.h"
#include "ScriptedBackend.h"

#include <functional>
#include <tuple>

TEST(Lists, SortedItemsKeepTheirDataAndTheSelectionFollowsItsItem)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    ui.OnDialog(IDD_SAMPLE).Check([](CDialog& d) {
        auto* team = static_cast<CComboBox*>(d.GetDlgItem(IDC_TEAM));
        ASSERT_EQ(team->GetCount(), 3);
        team->SetCurSel(team->FindStringExact(-1, "pin pals"));  // case does not matter
        EXPECT_EQ(team->GetCurSel(), 1);
        // "Bowlers" sorts in front of the selection, which moves down with its item.
        int at = team->AddString("Bowlers");
        EXPECT_EQ(std::make_tuple(at, team->GetCurSel(), team->GetItemData(2)), std::make_tuple(1, 2, DWORD_PTR(12)));
        CString text;
        team->GetLBText(2, text);
        EXPECT_EQ(text, "Pin Pals");
        // "A" from 2 wraps round past the end
        EXPECT_EQ((std::vector<int>{team->FindString(-1, "P"), team->FindString(2, "A"), team->FindString(-1, "Q")}),
                  (std::vector<int>{2, 0, CB_ERR}));
        // Deleting the selected item leaves nothing selected; the rest close up.
        EXPECT_EQ((std::vector<int>{team->DeleteString(2), team->GetCurSel()}), (std::vector<int>{3, -1}));
        EXPECT_EQ(team->GetWindowText(), "");
        EXPECT_EQ(team->GetItemData(2), 10u);
        EXPECT_EQ((std::vector<int>{team->DeleteString(7), team->SetCurSel(5)}), (std::vector<int>{CB_ERR, CB_ERR}));

        auto* players = static_cast<CListBox*>(d.GetDlgItem(IDC_PLAYERS));
        // Unsorted: InsertString puts it where it is told.
        // Bob moves down; a single selection has no count
        EXPECT_EQ((std::vector<int>{players->InsertString(0, "Zoe"), players->GetCurSel(), players->GetSelCount(),
                                    players->InsertString(9, "Nobody")}),
                  (std::vector<int>{0, 2, LB_ERR, LB_ERR}));
        players->ResetContent();
        EXPECT_EQ(std::make_pair(players->GetCount(), players->GetCurSel()), std::make_pair(0, LB_ERR));

        auto* rounds = static_cast<CListBox*>(d.GetDlgItem(IDC_ROUNDS));
        rounds->SetSel(-1, TRUE);
        EXPECT_EQ(rounds->GetSelCount(), 4);
        rounds->SetSel(2, FALSE);
        rounds->SelItemRange(FALSE, 0, 0);
        int sel[4];
        ASSERT_EQ(rounds->GetSelItems(4, sel), 2);
        EXPECT_EQ(std::make_pair(sel[0], sel[1]), std::make_pair(1, 3));
        EXPECT_GT(rounds->GetSel(3), 0);
        EXPECT_EQ(rounds->GetSel(0), 0);
    }).Cancel();
    dlg.DoModal();
}

TEST(Lists, EditBoxesLimitSelectAndReplace)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    ui.OnDialog(IDD_SAMPLE)
        .Check([](CDialog& d) {
            auto* name = static_cast<CEdit*>(d.GetDlgItem(IDC_NAME));
            // DDV_MaxChars limited the box when it was filled.
            EXPECT_EQ(name->GetLimitText(), 10);
            name->SetSel(0, 1);
            name->ReplaceSel("Ma");
            EXPECT_EQ(name->GetWindowText(), "Malice");
            int a, b;
            name->GetSel(a, b);
            EXPECT_EQ(std::make_pair(a, b), std::make_pair(2, 2));
        })
        .SetText(IDC_NAME, "A name far too long for it")
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_NAME), "A name far"); })
        .Cancel();
    dlg.DoModal();
}

TEST(MessageBoxes, AnswersComeBackAndTheIconFollowsTheButtons)
{
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDYES, "start a new league");
    ui.AnswerMessageBox(IDNO);
    ui.AnswerMessageBox(IDCANCEL);
    ui.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ((std::vector<int>{AfxMessageBox("Do you really want to start a new league?", MB_YESNO),
                                AfxMessageBox("Save?", MB_YESNOCANCEL), AfxMessageBox("Go on?", MB_OKCANCEL | MB_ICONSTOP),
                                AfxMessageBox("Again?", MB_YESNOCANCEL),
                                AfxMessageBox("No outstanding Results for that week!")}),
              (std::vector<int>{IDYES, IDNO, IDCANCEL, IDCANCEL, IDOK}));
    ASSERT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ((std::vector<UINT>{ui.messages[0].type & MB_ICONMASK, ui.messages[2].type & MB_ICONMASK,
                                 ui.messages[4].type & MB_ICONMASK}),
              (std::vector<UINT>{MB_ICONQUESTION, MB_ICONSTOP, MB_ICONEXCLAMATION}));
}

TEST(MessageBoxes, WithoutAnInterfaceQuestionsGetTheCautiousAnswer)
{
    ASSERT_NE(AfxGetBackend(), nullptr);
    EXPECT_EQ((std::vector<int>{AfxMessageBox("Delete everything?", MB_YESNO), AfxMessageBox("Save?", MB_YESNOCANCEL)}),
              (std::vector<int>{IDNO, IDCANCEL}));
    CSampleDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(ScriptedBackend, CatchesWhatAPersonCouldNotDo)
{
    const struct
    {
        std::function<void(CScriptedBackend&)> run;
        const char* message;
    } cases[] = {
        {[](CScriptedBackend&) { CSampleDlg().DoModal(); }, "opened with nothing scripted"},
        {[](CScriptedBackend& ui) {
             CSampleDlg dlg;
             dlg.m_bActive = FALSE;
             ui.OnDialog(IDD_SAMPLE).Check([](CDialog& d) { d.GetDlgItem(IDC_HANDICAP)->EnableWindow(FALSE); })
                 .SetText(IDC_HANDICAP, "4")
                 .Cancel();
             dlg.DoModal();
         },
         "is disabled"},
        {[](CScriptedBackend& ui) {
             ui.OnDialog(IDD_SAMPLE).SetText(IDC_NAME, "x");
             CSampleDlg().DoModal();
         },
         "still open"},
        {[](CScriptedBackend&) { AfxMessageBox("Really?", MB_YESNO); }, "nobody answered"},
        {[](CScriptedBackend& ui) { ui.OnDialog(IDD_SAMPLE).OK(); }, "never opened"},
        {[](CScriptedBackend& ui) { ui.ChooseFile("week.htm"); }, "no file dialog came"},
    };
    for (const auto& c : cases)
        EXPECT_NONFATAL_FAILURE(
            {
                CScriptedBackend ui;
                c.run(ui);
            },
            c.message);
}

TEST(Dialogs, AMissingTemplateIsReportedNotSilent)
{
    CScriptedBackend ui;
    CDialog dlg(4242);
    EXPECT_EQ(dlg.DoModal(), -1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("4242"), std::string::npos);
}

TEST(Dialogs, NestedDialogsTakeTheirStepsInTurn)
{
    class COuterDlg : public CSampleDlg {
    public:
        int inner = 0;
        void OnAdd()
        {
            CSampleDlg dlg;
            inner = static_cast<int>(dlg.DoModal());
            SetDlgItemInt(IDC_SCORE, static_cast<UINT>(dlg.m_nScore));
        }
        BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override
        {
            if (!pCmdUI && nID == IDC_ADD && nCode == static_cast<int>(BN_CLICKED)) {
                OnAdd();
                return TRUE;
            }
            return CSampleDlg::OnCmdMsg(nID, nCode, pCmdUI);
        }
    };
    CScriptedBackend ui;
    COuterDlg dlg;
    ui.OnDialog(IDD_SAMPLE).Click(IDC_ADD).OK();
    ui.OnDialog(IDD_SAMPLE).SetText(IDC_SCORE, "77").OK();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.inner, IDOK);
    EXPECT_EQ(dlg.m_nScore, 77);
    EXPECT_EQ(ui.dialogsOpened.size(), 2u);
}

TEST(CommonDialogs, FiltersParseWithOrWithoutBlanks)
{
    auto f = CFileDialog::ParseFilter("Report Files (*.rep) | *.rep | All Files (*.*) | *.* ||");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{f[0].first.str(), f[0].second.str(), f[1].second.str()}),
              (std::vector<std::string>{"Report Files (*.rep)", "*.rep", "*.*"}));

    CScriptedBackend ui;
    ui.ChooseFile("/tmp/out/Results");
    CFileDialog save(FALSE, "htm", "Report.htm", OFN_OVERWRITEPROMPT, "HTML Files (*.htm) | *.htm | All Files (*.*) | *.* ||");
    ASSERT_EQ(save.DoModal(), IDOK);
    // The default extension is added to a name without one.
    EXPECT_EQ((std::vector<std::string>{save.GetPathName().str(), save.GetFileTitle().str(), save.GetFileExt().str()}),
              (std::vector<std::string>{"/tmp/out/Results.htm", "Results", "htm"}));

    ui.ChooseFont("Arial", 120, TRUE, FALSE, TRUE, FALSE, RGB(255, 0, 0));
    LOGFONT lf;
    lf.lfHeight = -200;
    CFontDialog font(&lf);
    EXPECT_EQ(font.GetSize(), 100);
    ASSERT_EQ(font.DoModal(), IDOK);
    // the height in twips
    EXPECT_EQ(std::make_tuple(font.GetSize(), font.m_lf.lfHeight, font.GetColor()), std::make_tuple(120, -240, RGB(255, 0, 0)));
    EXPECT_EQ((std::vector<BOOL>{font.IsBold(), font.IsUnderline(), font.IsItalic()}), (std::vector<BOOL>{TRUE, TRUE, FALSE}));
}
