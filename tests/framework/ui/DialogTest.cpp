// The sample dialog driven through the scripted backend: data exchange both ways, validation,
// notifications and the message map.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "SampleDialog.h"
#include "ScriptedBackend.h"

#include <tuple>

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
            const auto& team = Ctl(d, IDC_TEAM).items;
            ASSERT_EQ(team.size(), 3u);
            EXPECT_EQ((Texts{Ctl(d, IDC_NAME).text.str(), Ctl(d, IDC_SCORE).text.str(), team[0].text.str(),
                             Ctl(d, IDC_TEAM).text.str(), d.GetWindowText().str()}),
                      (Texts{"Alice", "180", "Alley Cats", "Strikers", "Sample"}));
            EXPECT_EQ(std::make_pair(team[0].data, team[2].data), std::make_pair(DWORD_PTR(11), DWORD_PTR(10)));
            EXPECT_EQ((std::vector<int>{Ctl(d, IDC_ACTIVE).check, Ctl(d, IDC_VENUE).curSel, Ctl(d, IDC_PLAYERS).curSel,
                                        Ctl(d, IDC_KIND2).check, Ctl(d, IDC_KIND1).check + Ctl(d, IDC_KIND3).check}),
                      (std::vector<int>{1, 0, 1, 1, 0}));
            // The first control that takes the focus has it.
            EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_NAME));
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
    EXPECT_EQ((Texts{dlg.m_strName.str(), dlg.m_strVenue.str()}), (Texts{"Bert", "Lakeside"}));
    EXPECT_EQ((std::vector<long>{dlg.m_nScore, dlg.m_bActive, dlg.m_nTeam, static_cast<long>(dlg.m_dwTeam), dlg.m_nPlayer,
                                 dlg.m_nKind}),
              (std::vector<long>{299, 0, 1, 12, 2, 2}));
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
    EXPECT_EQ(std::make_pair(dlg.m_nScore, dlg.m_strName.str()), std::make_pair(180, std::string("Alice")));
}

TEST(DataExchange, BadNumbersKeepTheDialogOpenWithTheFocusOnTheBox)
{
    CScriptedBackend ui;
    CSampleDlg dlg;
    auto focusOnScore = [](CDialog& d) {
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_SCORE));
        // The whole entry is selected, ready to be typed over.
        EXPECT_EQ(std::make_pair(Ctl(d, IDC_SCORE).selStart, Ctl(d, IDC_SCORE).selEnd),
                  std::make_pair(0, Ctl(d, IDC_SCORE).text.GetLength()));
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
    EXPECT_EQ(std::make_tuple(dlg.m_nScore, dlg.m_nHandicap, dlg.m_strName.str()), std::make_tuple(300, -7, std::string("Bart")));
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
    EXPECT_EQ(std::make_pair(dlg.nNameChanges, dlg.m_strName.str()), std::make_pair(2, std::string("Dorothy")));
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
            EXPECT_EQ(std::make_pair(d.GetDlgItemText(IDC_NAME).str(), d.IsDlgButtonChecked(IDC_ACTIVE)), std::make_pair(std::string(), 0u));
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
