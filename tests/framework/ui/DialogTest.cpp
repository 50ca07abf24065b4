// The sample dialog driven through the scripted backend: data exchange both ways, validation,
// notifications and the message map.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "SampleDialog.h"
#include "ScriptedBackend.h"

using Texts = std::vector<std::string>;

static CControlState& Ctl(CDialog& d, UINT id)
{
    CControlState* s = d.FindControl(id);
    EXPECT_NE(s, nullptr) << id;
    return *s;
}

TEST(DataExchange, MembersFillTheControlsAndComeBackChanged)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    dlg.m_nTeam = 2;  // "Strikers" once sorted
    ui.OnDialog(IDD_SAMPLE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_NAME).text, "Alice");
            EXPECT_EQ(Ctl(d, IDC_SCORE).text, "180");
            EXPECT_EQ(Ctl(d, IDC_ACTIVE).check, 1);
            ASSERT_EQ(Ctl(d, IDC_TEAM).items.size(), 3u);
            EXPECT_EQ(Ctl(d, IDC_TEAM).items[0].text, "Alley Cats");
            EXPECT_EQ(Ctl(d, IDC_TEAM).items[0].data, 11u);
            EXPECT_EQ(Ctl(d, IDC_TEAM).items[2].data, 10u);
            EXPECT_EQ(Ctl(d, IDC_TEAM).text, "Strikers");
            EXPECT_EQ(Ctl(d, IDC_VENUE).curSel, 0);
            EXPECT_EQ(Ctl(d, IDC_PLAYERS).curSel, 1);
            EXPECT_EQ(Ctl(d, IDC_KIND2).check, 1);
            EXPECT_EQ(Ctl(d, IDC_KIND1).check + Ctl(d, IDC_KIND3).check, 0);
            // The first control that takes the focus has it.
            EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_NAME));
            EXPECT_EQ(d.GetWindowText(), "Sample");
        })
        .SetText(IDC_NAME, "Bert")
        .SetText(IDC_SCORE, " 299 ")
        .Click(IDC_ACTIVE)
        .SelectString(IDC_TEAM, "Pin Pals")
        .SetText(IDC_VENUE, "Lakeside")
        .Select(IDC_PLAYERS, 2)
        .Click(IDC_KIND3)
        .SetSel(IDC_ROUNDS, 1)
        .SetSel(IDC_ROUNDS, 3)
        .OK();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Bert");
    EXPECT_EQ(dlg.m_nScore, 299);
    EXPECT_EQ(dlg.m_bActive, 0);
    EXPECT_EQ(dlg.m_nTeam, 1);
    EXPECT_EQ(dlg.m_dwTeam, 12u);
    EXPECT_EQ(dlg.m_strVenue, "Lakeside");
    EXPECT_EQ(dlg.m_nPlayer, 2);
    EXPECT_EQ(dlg.m_nKind, 2);
    EXPECT_EQ(dlg.m_rounds, (std::vector<int>{1, 3}));
    EXPECT_TRUE(ui.messages.empty());
    // The member tied by DDX_Control lets go of the control with the dialog.
    EXPECT_EQ(dlg.m_team.GetControlState(), nullptr);
    EXPECT_EQ(dlg.GetDlgItem(IDC_NAME), nullptr);
}

TEST(DataExchange, CancelLeavesTheMembersAlone)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    ui.OnDialog(IDD_SAMPLE).SetText(IDC_SCORE, "12").SetText(IDC_NAME, "Zed").Cancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nScore, 180);
    EXPECT_EQ(dlg.m_strName, "Alice");
}

TEST(DataExchange, BadNumbersKeepTheDialogOpenWithTheFocusOnTheBox)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    auto focusOnScore = [](CDialog& d) {
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_SCORE));
        // The whole entry is selected, ready to be typed over.
        EXPECT_EQ(Ctl(d, IDC_SCORE).selStart, 0);
        EXPECT_EQ(Ctl(d, IDC_SCORE).selEnd, Ctl(d, IDC_SCORE).text.GetLength());
    };
    ui.OnDialog(IDD_SAMPLE)
        .SetText(IDC_SCORE, "12a")
        .OK()
        .Check(focusOnScore)
        .SetText(IDC_SCORE, "")
        .OK()
        .Check(focusOnScore)
        .SetText(IDC_SCORE, "301")
        .OK()
        .Check(focusOnScore)
        .SetText(IDC_SCORE, "-1")
        .Enter()
        .Check(focusOnScore)
        .SetText(IDC_SCORE, "300")
        .SetText(IDC_HANDICAP, "99999999999")
        .OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_HANDICAP)); })
        .SetText(IDC_HANDICAP, "-7")
        .Check([](CDialog& d) {
            // The box's limit stops typing; the program can still put more in.
            d.SetDlgItemText(IDC_NAME, "Bartholomew");
        })
        .OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_NAME)); })
        .SetText(IDC_NAME, "Bart")
        .OK();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(ui.MessageTexts(), (Texts{"Please enter an integer.", "Please enter an integer.",
                                        "Please enter an integer between 0 and 300.",
                                        "Please enter an integer between 0 and 300.",
                                        "Please enter an integer between -2147483648 and 2147483647.",
                                        "Please enter no more than 10 characters."}));
    EXPECT_EQ(ui.messages[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(dlg.m_nScore, 300);
    EXPECT_EQ(dlg.m_nHandicap, -7);
    EXPECT_EQ(dlg.m_strName, "Bart");
}

TEST(DataExchange, NotificationsAreMutedWhileDataIsExchanged)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    ui.OnDialog(IDD_SAMPLE)
        .Check([&](CDialog&) {
            // Filling the boxes at start-up told nobody.
            EXPECT_EQ(dlg.nNameChanges, 0);
            dlg.m_strName = "Carol";
            dlg.UpdateData(FALSE);
            EXPECT_EQ(dlg.nNameChanges, 0);
            EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME), "Carol");
            // The program's own SetWindowText is a change like any other.
            dlg.SetDlgItemText(IDC_NAME, "Dora");
            EXPECT_EQ(dlg.nNameChanges, 1);
        })
        .SetText(IDC_NAME, "Dorothy")
        .Check([&](CDialog&) { EXPECT_EQ(dlg.nNameChanges, 2); })
        .OK();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.nNameChanges, 2);
    EXPECT_EQ(dlg.m_strName, "Dorothy");
}

TEST(MessageMap, NotificationsReachTheirHandlers)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    ui.OnDialog(IDD_SAMPLE)
        .Focus(IDC_SCORE)
        .SetText(IDC_HANDICAP, "3")  // leaving the score box
        .Select(IDC_TEAM, 2)
        .DblClk(IDC_PLAYERS, 0)
        .Click(IDC_KIND1)
        .Click(IDC_KIND3)
        .Click(IDC_CLEAR)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_NAME), "");
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_ACTIVE), 0u);
            // Radio buttons of one group exclude each other.
            EXPECT_EQ(d.GetCheckedRadioButton(IDC_KIND1, IDC_KIND3), IDC_KIND3);
        })
        .Click(IDC_ACTIVE)
        .Check([](CDialog& d) { EXPECT_TRUE(d.GetDlgItem(IDC_HANDICAP)->IsWindowEnabled()); })
        .Click(IDC_ACTIVE)
        .Check([](CDialog& d) { EXPECT_FALSE(d.GetDlgItem(IDC_HANDICAP)->IsWindowEnabled()); })
        .Cancel();
    dlg.DoModal();
    EXPECT_EQ(dlg.log, (std::vector<CString>{"score entered", "score left", "team Strikers", "player picked",
                                             "player opened", "kind 1", "kind 3", "clear", "name changed"}));
}

class CStubbornDlg : public CSampleDlg {
public:
    int nCleared = 0;

protected:
    void OnKillScore()
    {
        AfxMessageBox("Score first");
        GetDlgItem(IDC_SCORE)->SetFocus();
    }
    void OnClearIt() { ++nCleared; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStubbornDlg, CSampleDlg)
    ON_EN_KILLFOCUS(IDC_SCORE, OnKillScore)
    ON_BN_CLICKED(IDC_CLEAR, OnClearIt)
END_MESSAGE_MAP()

TEST(MessageMap, AHandlerThatKeepsTheFocusSwallowsTheClick)
{
    // A box that refuses to be left (a message and the focus put back) stops the click that
    // tried to leave it, as a person sees it happen.
    CScriptedBackend ui;
    CStubbornDlg dlg;
    ui.OnDialog(IDD_SAMPLE).Focus(IDC_SCORE).Click(IDC_CLEAR).Check([](CDialog& d) {
        EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_SCORE));
    }).Cancel();
    dlg.DoModal();
    EXPECT_EQ(dlg.nCleared, 0);
    EXPECT_EQ(ui.MessageTexts(), Texts{"Score first"});
}
