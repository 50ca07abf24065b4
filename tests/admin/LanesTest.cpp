// Lane tables from the Lane Schedule dialog, squads and their start times.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "admin/LaneScheduleDlg.h"
#include "admin/RoundsToPrintDlg.h"
#include "admin/SquadTimesDlg.h"
#include "resources/CommandIds.h"

class LanesTest : public ::testing::Test
{
protected:
    void SetUp() override { SetUpAdmin(); }
};

static std::vector<int> LaneTable(const CBowlingDoc& doc, int n)
{
    return std::vector<int>(doc.m_nLaneTable, doc.m_nLaneTable + n);
}

TEST_F(LanesTest, LaneTablesWithAndWithoutALastLaneAndSplitLanes)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 12, 11, At(2025, 1, 7));
    doc.m_nStartLane = 0;
    // No last lane: the lanes run on from the start lane (typed even, made odd).
    ui.OnDialog(IDD_LANE_SCHEDULE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LS_START_LANE).text, "1"); })
        .SetText(IDC_LS_START_LANE, "4")
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LS_START_LANE).text, "5"); })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_LANE_ALLOCATION, CN_COMMAND, nullptr));
    EXPECT_EQ(LaneTable(doc, 6), (std::vector<int>{5, 6, 7, 8, 9, 10}));

    // Lanes 1 to 8 wrap round for the fifth and sixth matches.
    ui.OnDialog(IDD_LANE_SCHEDULE)
        .SetText(IDC_LS_START_LANE, "1").SetText(IDC_LS_LAST_LANE, "8").Focus(IDC_LS_SPLIT_LANES)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LS_SQUADS).text, "2"); })
        .OK();
    CLaneScheduleDlg::Run(&doc);
    EXPECT_EQ(LaneTable(doc, 12), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4}));

    // Split lanes: four lanes from 3, the rest from lane 11; cancelled, the split is not kept.
    ui.OnDialog(IDD_LANE_SCHEDULE)
        .SetText(IDC_LS_LAST_LANE, "0").SetText(IDC_LS_START_LANE, "3").Click(IDC_LS_SPLIT_LANES)
        .SetText(IDC_LS_SPLIT_START, "11").SetText(IDC_LS_BEFORE_SPLIT, "5")
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LS_BEFORE_SPLIT).text, "4"); })
        .OK();
    CLaneScheduleDlg::Run(&doc);
    EXPECT_EQ(LaneTable(doc, 8), (std::vector<int>{3, 4, 5, 6, 11, 12, 13, 14}));
    ui.OnDialog(IDD_LANE_SCHEDULE).Click(IDC_LS_SPLIT_LANES).OK();
    CLaneScheduleDlg::Run(&doc);
    EXPECT_EQ(Nums(doc.m_nSplitStartLane, doc.m_nLanesBeforeSplit), Nums(0, 0));
    EXPECT_EQ(LaneTable(doc, 6), (std::vector<int>{3, 4, 5, 6, 7, 8}));
}

TEST_F(LanesTest, CustomLanesCycleAndFillTheTable)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 6, 5, At(2025, 1, 7));
    ui.OnDialog(IDD_LANE_SCHEDULE).Click(IDC_LS_CUSTOM_LANES).OK();
    ui.OnDialog(IDD_CUSTOM_LANES)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_CL_LANE1 + 2).text, "5");
            EXPECT_FALSE(Ctl(d, IDC_CL_LANE1 + 3).enabled);
        })
        .SetText(IDC_CL_LANE1, "21").Click(IDC_CL_CYCLE_LEFT)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_CL_LANE1, IDC_CL_LANE1 + 2}), (std::vector<std::string>{"3", "21"})); })
        .OK();
    CLaneScheduleDlg::Run(&doc);
    EXPECT_EQ(LaneTable(doc, 6), (std::vector<int>{3, 4, 5, 6, 21, 22}));
}

TEST_F(LanesTest, SquadsStartAfterTheirDelays)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 12, 11, At(2025, 1, 7));
    doc.m_nLastLane = 8;
    ui.OnDialog(IDD_LANE_SCHEDULE)
        .Click(IDC_LS_SPLIT_SESSIONS).Click(IDC_LS_SQUAD_TIMES)
        .OK();
    ui.OnDialog(IDD_SQUAD_TIMES)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_ST_SUMMARY, IDC_ST_FIRST_TIME}),
                      (std::vector<std::string>{"12 Teams on 8 Lanes = 2 Squads.", "Tuesday 07 Jan 06:00 PM"}));
            EXPECT_EQ(Ctl(d, IDC_ST_SQUAD).items.size(), 1u);
        })
        .SetText(IDC_ST_HOURS, "1").SetText(IDC_ST_MINUTES, "45").Focus(IDC_ST_DAYS)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ST_SQUAD_TIME).text, "Tuesday 07 Jan 07:45 PM"); })
        .OK();
    CLaneScheduleDlg::Run(&doc);
    EXPECT_EQ(doc.m_nSquadDelay[1], 105);
    auto round2 = Fixtures(doc, 2);
    EXPECT_EQ((std::vector<CTime>{round2[3]->m_timeDue, round2[4]->m_timeDue, round2[5]->m_timeDue}),
              (std::vector<CTime>{At(2025, 1, 14), At(2025, 1, 14, 19, 45), At(2025, 1, 14, 19, 45)}));

    // A single lane makes one squad rather than a division by zero.
    doc.m_nStartLane = 5;
    doc.m_nLastLane = 5;
    doc.SetFixtureStartTimes();
    EXPECT_EQ(Fixtures(doc, 2)[5]->m_timeDue, At(2025, 1, 14));
    // Without split sessions a side played on another date keeps it.
    doc.m_bSplitSessions = 0;
    CFixture* f = Fixtures(doc, 3)[0];
    EnterResult(f);
    f->m_timePlayed[0] = At(2025, 1, 20);
    doc.SetFixtureStartTimes();
    EXPECT_EQ((std::vector<CTime>{f->m_timePlayed[0], f->m_timePlayed[1]}),
              (std::vector<CTime>{At(2025, 1, 20), At(2025, 1, 21)}));
}

// Set Squad Times writes the delays at once, and the dialog then cancelled keeps them: the
// second squad's matches start 2 hours after the first, not the 1 hour 45 they had.
TEST_F(LanesTest, SquadTimesSetBeforeCancelMoveTheMatchesToo)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 12, 3, At(2025, 1, 7));
    BowlInSquads(doc, 105);
    ui.OnDialog(IDD_LANE_SCHEDULE).Click(IDC_LS_SQUAD_TIMES).Cancel();
    ui.OnDialog(IDD_SQUAD_TIMES).SetText(IDC_ST_HOURS, "2").SetText(IDC_ST_MINUTES, "0").OK();
    EXPECT_FALSE(CLaneScheduleDlg::Run(&doc));
    EXPECT_TRUE(ui.AllUsed());
    const CFixture* f = Fixtures(doc, 2)[4];
    EXPECT_EQ(Nums(doc.m_nSquadDelay[1], f->m_timeDue.GetTime(), f->m_timePlayed[0].GetTime()),
              Nums(120, At(2025, 1, 14, 20, 0).GetTime(), At(2025, 1, 14, 20, 0).GetTime()));
}

TEST_F(LanesTest, SquadDelaysMustRise)
{
    CScriptedBackend ui;
    CSquadTimesDlg dlg;
    dlg.m_nSquads = 3;
    dlg.m_nDelays[1] = 60;
    dlg.m_nDelays[2] = 60;
    ui.OnDialog(IDD_SQUAD_TIMES)
        .OK().Select(IDC_ST_SQUAD, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ST_HOURS).text, "1"); })
        .SetText(IDC_ST_DAYS, "1")
        .OK();
    ui.AnswerMessageBox(IDOK, "Squad delays MUST be in ascending date/time order");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nDelays[2], 1440 + 60);
}

TEST_F(LanesTest, TwoRoundsADateAllowNoSplitSessions)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 8, 14, At(2025, 1, 7), 0, 2);
    ui.OnDialog(IDD_LANE_SCHEDULE)
        .Click(IDC_LS_SPLIT_SESSIONS)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_LS_SPLIT_SESSIONS).check, 0); })
        .OK();
    CLaneScheduleDlg::Run(&doc);
    EXPECT_EQ(doc.m_bSplitSessions, 0u);
}

TEST_F(LanesTest, RoundsToPrintSharesTheTitleFontAndKeepsAChangeOnCancel)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2025, 1, 7));
    doc.m_nCurrentRound = 2;
    ui.ChooseFont("Times New Roman", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    ui.OnDialog(IDD_ROUNDS_TO_PRINT)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_RP_FIRST, IDC_RP_LAST}), (std::vector<std::string>{"2", "6"})); })
        .Click(IDC_RP_CHANGE_TITLE)
        .Cancel();
    CRoundsToPrintDlg byRound;
    EXPECT_FALSE(CRoundsToPrintDlg::Run(&doc, 0, byRound));
    EXPECT_EQ(doc.GetDefaultFont(FONT_FIXTURES_TITLE)->m_strFaceName, "Times New Roman");
    EXPECT_EQ(doc.GetDefaultFont(FONT_FIXTURES_TITLE)->m_nPointSize, 12);

    ui.OnDialog(IDD_ROUNDS_TO_PRINT)
        .Check([](CDialog& d) {
            CString title = Ctl(d, IDC_RP_TITLE_FONT).text;
            EXPECT_EQ(title.Left(13), "Title Font : ");
            EXPECT_NE(title.Find("Times New Roman"), -1);
        })
        .SetText(IDC_RP_LAST, "100").OK().SetText(IDC_RP_LAST, "5").Click(IDC_RP_OMIT_LANES)
        .OK();
    ui.AnswerMessageBox(IDOK, "between 1 and 99");
    CRoundsToPrintDlg byTeams;
    ASSERT_TRUE(CRoundsToPrintDlg::Run(&doc, 1, byTeams));
    EXPECT_EQ(Nums(byTeams.m_nLastRound, byTeams.m_bOmitLanes), Nums(5, 1));
}

// The dialog's controls keep their numbers: the round edits 132 and 646, the check boxes 1470 and
// 1471, "Lane Schedule" 645; typing and ticking them reaches the fixture lists.
TEST_F(LanesTest, RoundsToPrintKeepsItsControlNumbers)
{
    const DlgTemplate* t = AfxFindDialogTemplate(IDD_ROUNDS_TO_PRINT);
    ASSERT_NE(t, nullptr);
    std::vector<std::string> controls;
    for (const DlgControl& c : t->controls)
        if (c.id == 132 || c.id == 646 || c.id == 645 || c.id == 1470 || c.id == 1471)
            controls.push_back(std::to_string(c.id) + " " + std::to_string(static_cast<int>(c.kind)) + " " +
                               (c.text ? c.text : ""));
    const auto kind = [](CtlKind k) { return std::to_string(static_cast<int>(k)) + " "; };
    EXPECT_EQ(controls, (std::vector<std::string>{"132 " + kind(CtlKind::Edit), "646 " + kind(CtlKind::Edit),
                                                  "1470 " + kind(CtlKind::CheckBox) + "Omit Lanes",
                                                  "1471 " + kind(CtlKind::CheckBox) + "  Omit Time",
                                                  "645 " + kind(CtlKind::PushButton) + "Lane Schedule"}));

    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2025, 1, 7));
    ui.OnDialog(IDD_ROUNDS_TO_PRINT).SetText(132, "2").SetText(646, "4").Click(1470).Click(1471).Click(645).OK();
    ui.OnDialog(IDD_LANE_SCHEDULE).Cancel();
    CRoundsToPrintDlg dlg;
    ASSERT_TRUE(CRoundsToPrintDlg::Run(&doc, 0, dlg));
    EXPECT_EQ(Nums(dlg.m_nFirstRound, dlg.m_nLastRound, dlg.m_bOmitLanes, dlg.m_bOmitTime), Nums(2, 4, 1, 1));
}
