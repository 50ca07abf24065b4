// The team dialogs driven through their controls from the Team and League menu commands: a team
// renamed and seen in the standings, the captain, withdrawal and vacancy boxes, the team order
// followed by the scoresheet line-up, divisions and the membership types.
#include "AdminChecks.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "admin/EditTeamDlg.h"
#include "admin/TeamCommands.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "reports/stats/RepItem_Standings.h"
#include "resources/CommandIds.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"
#include "results/ResultEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

std::vector<WORD> Order(const CTeam& t)
{
    std::vector<WORD> v;
    for (int i = 0; i < t.GetOrderCount(); ++i)
        v.push_back(t.GetOrderAt(i));
    return v;
}

// The sample league: 8 teams of 4 with results to round 10; Pin Pals is team 1.
struct TeamDetails : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        RegisterResources();
        TeamCommands::Install();
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        doc.Recalculate();
        doc.SetModifiedFlag(FALSE);
        doc.m_nDisplayMode = 0;
    }

    CTeam* Team(int n) { return doc.FindTeam(static_cast<WORD>(n)); }
    CPlayer* Bowler(int nTeam, int i) { return doc.FindPlayer(Team(nTeam)->GetOrderAt(i)); }
    BOOL Command(UINT nID) { return doc.OnCmdMsg(nID, CN_COMMAND, nullptr); }

    // Edit Team Details on the nTeam-th team of the Select Team list.
    CScriptedBackend::DialogScript& EditTeam(int nTeam)
    {
        ui.OnDialog(IDD_SELECT_TEAM).Select(IDC_SELECT_TEAM_LIST, nTeam - 1).OK();
        return ui.OnDialog(IDD_EDIT_TEAM);
    }

    Texts StandingsTexts()
    {
        CRepItem_Standings item;
        item.m_pDoc = &doc;
        item.m_y = -1000;
        CRecordingDC dc(false);
        item.Draw(&dc, nullptr);
        return dc.Texts();
    }
};

bool Contains(const Texts& v, const char* s)
{
    return std::find(v.begin(), v.end(), std::string(s)) != v.end();
}

} // namespace

// ------------------------------------------------------------------ team details

TEST_F(TeamDetails, ARenamedTeamShowsInTheStandingsWithItsNameFormatted)
{
    ASSERT_TRUE(Contains(StandingsTexts(), "Gutter Gang"));
    EditTeam(3)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_ET_NAME);
            EXPECT_EQ(Ctl(d, IDC_ET_NAME).text, "Gutter Gang");
        })
        .Click(IDC_ET_FORMAT_TEXT).SetText(IDC_ET_NAME, "the RED lions").Focus(IDC_ET_CAPTAIN)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_NAME).text, "The Red Lions"); })
        .OK();
    EXPECT_TRUE(Command(ID_TEAM_EDIT));
    EXPECT_EQ(Team(3)->m_strName, "The Red Lions");
    EXPECT_EQ(Nums(doc.m_bFormatText, doc.m_nDisplayMode), Nums(1, DISPLAY_STANDINGS));
    EXPECT_TRUE(doc.IsModified());
    const Texts texts = StandingsTexts();
    EXPECT_TRUE(Contains(texts, "The Red Lions"));
    EXPECT_FALSE(Contains(texts, "Gutter Gang"));
}

TEST_F(TeamDetails, CancelLeavesTheTeamAndTheLeagueAsTheyWere)
{
    CTeam before;
    before.CopyFrom(*Team(2));
    EditTeam(2)
        .SetText(IDC_ET_NAME, "Nobody's Team").Select(IDC_ET_CAPTAIN, 2).Click(IDC_ET_FOLDED)
        .SetText(IDC_ET_SCORE_TO_WEEK, "5").Click(IDC_ET_BYE).Click(IDC_ET_FORMAT_TEXT)
        .Cancel();
    EXPECT_TRUE(Command(ID_TEAM_EDIT));
    EXPECT_TRUE(Team(2)->IsSameAs(before));
    EXPECT_EQ(doc.m_bFormatText, 0u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(TeamDetails, TheCaptainListOffersTheTeamsBowlers)
{
    // A team without bowlers cannot have a captain chosen.
    Team(1)->m_arrTeamOrder.RemoveAll();
    Team(1)->m_nCaptain = 0;
    EditTeam(1).Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_ET_CAPTAIN).enabled); }).Cancel();
    Command(ID_TEAM_EDIT);

    // Without a captain "Nobody" comes first and is selected; a number that names nobody is
    // passed over.
    CTeam* t = Team(2);
    t->m_nCaptain = 0;
    t->m_arrTeamOrder.Add(999);
    const std::string second = Bowler(2, 1)->m_strName.GetString();
    EditTeam(2)
        .Check([&](CDialog& d) {
            Texts items = Items(d, IDC_ET_CAPTAIN);
            ASSERT_EQ(items.size(), 5u);
            EXPECT_EQ((Texts{items[0], items[2], Selected(d, IDC_ET_CAPTAIN)}), (Texts{"Nobody", second, "Nobody"}));
        })
        .Select(IDC_ET_CAPTAIN, 2)
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(t->m_nCaptain, t->GetOrderAt(1));

    // With a captain, that bowler is selected and "Nobody" is not offered.
    const std::string captain = Bowler(2, 1)->m_strName.GetString();
    EditTeam(2)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_ET_CAPTAIN).size(), 4u);
            EXPECT_EQ(Selected(d, IDC_ET_CAPTAIN), captain);
        })
        .Cancel();
    Command(ID_TEAM_EDIT);
}

TEST_F(TeamDetails, InALeagueOfSinglesTheCaptainCanNameTheTeam)
{
    doc.m_nPlayersPerTeam = 1;
    CPlayer* p = Bowler(4, 2);
    p->m_strFirstName = "Ann";
    p->m_strSurname = "O'Hara";
    ui.AnswerMessageBox(IDNO, "Change team name to captain?");
    ui.AnswerMessageBox(IDYES, "Change team name to captain?");
    EditTeam(4)
        .Select(IDC_ET_CAPTAIN, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_NAME).text, "Split Ends"); })
        .Select(IDC_ET_CAPTAIN, 2)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_NAME).text, "Ann O'Hara"); })
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Team(4)->m_strName, "Ann O'Hara");
    EXPECT_EQ(Team(4)->m_nCaptain, p->m_nPlayerNo);
    EXPECT_EQ(ui.MessageTexts(), (Texts{"Change team name to captain?", "Change team name to captain?"}));
}

TEST_F(TeamDetails, StartingPointsAreTypedInTheLeaguesPointsUnit)
{
    // Half points: 12.5 is 25 halves and reads back with the half sign.
    EditTeam(5)
        .Check([](CDialog& d) { EXPECT_EQ(EnabledOf(d, {IDC_ET_WON, IDC_ET_START_ROUND}), "00"); })
        .Click(IDC_ET_VACANCY_FILLED).SetText(IDC_ET_START_ROUND, "4").SetText(IDC_ET_WON, "12.5")
        .SetText(IDC_ET_LOST, "7").Focus(IDC_ET_LOST)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_WON).text, "12\xBD"); })
        .Focus(IDC_ET_NAME)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_LOST).text, "7 "); })
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Nums(Team(5)->m_nVacancyStartRound, Team(5)->m_nStartPointsWon, Team(5)->m_nStartPointsLost),
              Nums(4, 25, 14));

    // Reopened, the stored halves read as typed and survive an OK untouched.
    EditTeam(5).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_WON).text, "12\xBD"); }).OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Team(5)->m_nStartPointsWon, 25);

    // Pinfall points: hundredths; a figure beyond the stored 16 bits is held at the top.
    doc.m_Petersen.m_bScratch = 1;
    EditTeam(5)
        .SetText(IDC_ET_WON, "12.5").Focus(IDC_ET_LOST)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_WON).text, "12.50"); })
        .SetText(IDC_ET_LOST, "900").Focus(IDC_ET_NAME)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ET_LOST).text, "655.35"); })
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Nums(Team(5)->m_nStartPointsWon, Team(5)->m_nStartPointsLost), Nums(1250, 65535));
    EXPECT_EQ(Nums(CEditTeamDlg::ParsePoints(nullptr, "-3"), CEditTeamDlg::ParsePoints(nullptr, "lots"),
                   CEditTeamDlg::ParsePoints(nullptr, " \xBD")),
              Nums(0, 0, 1));
}

TEST_F(TeamDetails, AFilledVacancyAsksForItsStartRound)
{
    // Without a round the tick and the points would vanish on OK; the dialog asks instead.
    EditTeam(5)
        .Click(IDC_ET_VACANCY_FILLED).SetText(IDC_ET_WON, "12.5")
        .OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetFocusID(), IDC_ET_START_ROUND); })
        .SetText(IDC_ET_START_ROUND, "4")
        .OK();
    ui.AnswerMessageBox(IDOK, "Enter the round from which the team filled the vacancy.");
    EXPECT_TRUE(Command(ID_TEAM_EDIT));
    EXPECT_EQ(Nums(Team(5)->m_nVacancyStartRound, Team(5)->m_nStartPointsWon), Nums(4, 25));
}

TEST_F(TeamDetails, FoldedAndVacancyFilledExcludeEachOther)
{
    CTeam* t = Team(6);
    t->m_bFolded = 1;
    t->m_nScoreToRound = 120;  // beyond the edit's range: shown as 0
    t->m_bDeductFromOpponents = 1;
    EditTeam(6)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_ET_SCORE_TO_WEEK).text, "0");
            EXPECT_EQ(EnabledOf(d, {IDC_ET_DEDUCT, IDC_ET_SCORE_TO_WEEK}), "11");
        })
        .SetText(IDC_ET_SCORE_TO_WEEK, "8").Click(IDC_ET_VACANCY_FILLED)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_ET_FOLDED).check, 0);
            EXPECT_EQ(Ctl(d, IDC_ET_SCORE_TO_WEEK).text, "0");
            EXPECT_EQ(EnabledOf(d, {IDC_ET_DEDUCT, IDC_ET_SCORE_TO_WEEK, IDC_ET_WON}), "001");
        })
        .SetText(IDC_ET_START_ROUND, "3")
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Nums(t->m_bFolded, t->m_nScoreToRound, t->m_nVacancyStartRound), Nums(0, 0, 3));

    // Folding the team again clears the vacancy and its figures.
    t->m_nStartPointsWon = 10;
    EditTeam(6)
        .Click(IDC_ET_FOLDED)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_ET_VACANCY_FILLED).check, 0);
            EXPECT_EQ(TextsOf(d, {IDC_ET_START_ROUND, IDC_ET_WON}), (Texts{"0", "0 "}));
            EXPECT_FALSE(Ctl(d, IDC_ET_WON).enabled);
        })
        .SetText(IDC_ET_SCORE_TO_WEEK, "100")
        .OK()  // refused: 0 to 99
        .SetText(IDC_ET_SCORE_TO_WEEK, "9").Click(IDC_ET_DEDUCT)
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 99.");
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Nums(t->m_bFolded, t->m_nScoreToRound, t->m_bDeductFromOpponents, t->m_nVacancyStartRound,
                   t->m_nStartPointsWon),
              Nums(1, 9, 0, 0, 0));
}

TEST_F(TeamDetails, TheDivisionListFollowsTheLeaguesDivisions)
{
    EditTeam(1)
        .Check([](CDialog& d) { EXPECT_EQ(VisibleOf(d, {IDC_ET_DIVISION}) + EnabledOf(d, {IDC_ET_DIVISION}), "00"); })
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Team(1)->m_nDivision, 0);

    doc.m_bDivisions = 1;
    doc.m_nDivisions = 3;
    Team(1)->m_nDivision = 1;
    EditTeam(1)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_ET_DIVISION), (Texts{"No Division", "Division 1", "Division 2", "Division 3"}));
            EXPECT_EQ(Selected(d, IDC_ET_DIVISION), "Division 1");
        })
        .SelectString(IDC_ET_DIVISION, "Division 3")
        .OK();
    Command(ID_TEAM_EDIT);
    EXPECT_EQ(Team(1)->m_nDivision, 3);
}

TEST_F(TeamDetails, TheRightClickMenuEditsTheTeamUnderTheClick)
{
    CCmdUI state;
    state.m_nID = ID_POPUP_TEAM_EDIT;
    TeamCommands::pfnClickedTeam = [](CBowlingDoc*) -> CTeam* { return nullptr; };
    EXPECT_TRUE(doc.OnCmdMsg(ID_POPUP_TEAM_EDIT, CN_UPDATE_COMMAND_UI, &state));
    EXPECT_FALSE(state.m_bEnabled);

    static CTeam* s_pClicked = nullptr;
    s_pClicked = Team(7);
    TeamCommands::pfnClickedTeam = [](CBowlingDoc*) { return s_pClicked; };
    ui.OnDialog(IDD_EDIT_TEAM).SetText(IDC_ET_NAME, "Tigers").OK();
    EXPECT_TRUE(Command(ID_POPUP_TEAM_EDIT));
    EXPECT_EQ(Team(7)->m_strName, "Tigers");
    TeamCommands::pfnClickedTeam = nullptr;
    EXPECT_EQ(ui.dialogsOpened, (std::vector<UINT>{IDD_EDIT_TEAM}));
}

// ------------------------------------------------------------------ team order

TEST_F(TeamDetails, TheTeamOrderSetByHandIsTheScoresheetsLineUp)
{
    CTeam* t = Team(2);
    const std::vector<WORD> before = Order(*t);
    ASSERT_EQ(before.size(), 4u);
    const std::string first = Bowler(2, 0)->m_strName.GetString();
    const std::string last = Bowler(2, 3)->m_strName.GetString();
    ui.OnDialog(IDD_SELECT_TEAM).Select(IDC_SELECT_TEAM_LIST, 1).OK();
    ui.OnDialog(IDD_REORDER_PLAYERS)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_RO_LIST).size(), 4u);
            EXPECT_EQ(Selected(d, IDC_RO_LIST), first);
        })
        .Click(IDC_RO_UP)  // the first cannot go higher
        .Check([&](CDialog& d) { EXPECT_EQ(Items(d, IDC_RO_LIST)[0], first); })
        .Select(IDC_RO_LIST, 3)
        .Click(IDC_RO_DOWN)  // nor the last lower
        .Click(IDC_RO_UP).Click(IDC_RO_UP).Click(IDC_RO_UP)
        .Check([&](CDialog& d) { EXPECT_EQ((Texts{Items(d, IDC_RO_LIST)[0], Selected(d, IDC_RO_LIST)}), (Texts{last, last})); })
        .Select(IDC_RO_LIST, 1).Click(IDC_RO_DOWN)
        .OK();
    EXPECT_TRUE(Command(ID_TEAM_RESEQUENCE));
    const std::vector<WORD> after = Order(*t);
    EXPECT_EQ(after, (std::vector<WORD>{before[3], before[1], before[0], before[2]}));
    EXPECT_TRUE(doc.IsModified());

    // The next unplayed match of the team takes its bowlers in that order.
    CFixture* pNext = nullptr;
    int nSide = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos && !pNext;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_bPlayed[0] || f->m_bPlayed[1])
            continue;
        if (f->m_nTeamA == 2 || f->m_nTeamB == 2) {
            pNext = f;
            nSide = f->m_nTeamA == 2 ? 0 : 1;
        }
    }
    ASSERT_NE(pNext, nullptr);
    FillLineUp(&doc, pNext);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(pNext->m_wPlayerNo[0][CFixture::SlotOf(nSide, k)], after[static_cast<size_t>(k)]) << k;

    // Cancel keeps the order.
    ui.OnDialog(IDD_SELECT_TEAM).Select(IDC_SELECT_TEAM_LIST, 1).OK();
    ui.OnDialog(IDD_REORDER_PLAYERS).Select(IDC_RO_LIST, 2).Click(IDC_RO_UP).Cancel();
    Command(ID_TEAM_RESEQUENCE);
    EXPECT_EQ(Order(*t), after);
}

TEST_F(TeamDetails, AnOrderEntryThatNamesNobodyKeepsItsPlace)
{
    CTeam* t = Team(3);
    t->m_arrTeamOrder.InsertAt(1, 999);
    const std::vector<WORD> before = Order(*t);
    ui.OnDialog(IDD_SELECT_TEAM).Select(IDC_SELECT_TEAM_LIST, 2).OK();
    ui.OnDialog(IDD_REORDER_PLAYERS)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_RO_LIST)[1], "? (999)"); })
        .Select(IDC_RO_LIST, 0).Click(IDC_RO_DOWN)
        .OK();
    Command(ID_TEAM_RESEQUENCE);
    EXPECT_EQ(Order(*t), (std::vector<WORD>{999, before[0], before[2], before[3], before[4]}));
}

// ------------------------------------------------------------------ divisions

TEST_F(TeamDetails, DivisionsAreSetAndCounted)
{
    const BYTE divisions[8] = {1, 1, 2, 2, 2, 3, 0, 0};
    for (int n = 1; n <= 8; ++n)
        Team(n)->m_nDivision = divisions[n - 1];
    ui.OnDialog(IDD_DIVISIONS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_DIV_COUNT), (Texts{"No Divisions", "2 Divisions", "3 Divisions", "4 Divisions"}));
            EXPECT_EQ(Selected(d, IDC_DIV_COUNT), "No Divisions");
        })
        .Select(IDC_DIV_COUNT, 2)
        .OK();
    EXPECT_TRUE(Command(ID_LEAGUE_DIVISIONS));
    EXPECT_TRUE(doc.IsModified());
    // Recalculated: the counts per division and where each division starts.
    EXPECT_EQ(Nums(doc.m_bDivisions, doc.m_nDivisions, doc.m_nTeamsPerDivision[1], doc.m_nTeamsPerDivision[2],
                   doc.m_nTeamsPerDivision[3], doc.m_nDivisionOffset[2], doc.m_nDivisionOffset[3]),
              Nums(1, 3, 2, 3, 1, 2, 5));

    ui.OnDialog(IDD_DIVISIONS)
        .Check([](CDialog& d) { EXPECT_EQ(Selected(d, IDC_DIV_COUNT), "3 Divisions"); })
        .Select(IDC_DIV_COUNT, 3)
        .OK();
    Command(ID_LEAGUE_DIVISIONS);
    EXPECT_EQ(doc.m_nDivisions, 4);

    ui.OnDialog(IDD_DIVISIONS).Select(IDC_DIV_COUNT, 0).OK();
    Command(ID_LEAGUE_DIVISIONS);
    EXPECT_EQ(Nums(doc.m_bDivisions, doc.m_nDivisions, doc.m_nTeamsPerDivision[1]), Nums(0, 0, 0));

    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_DIVISIONS).Select(IDC_DIV_COUNT, 1).Cancel();
    Command(ID_LEAGUE_DIVISIONS);
    EXPECT_EQ(doc.m_bDivisions, 0u);
    EXPECT_FALSE(doc.IsModified());
}

// ------------------------------------------------------------------ membership types

TEST_F(TeamDetails, MembershipTypesAreAddedRenamedAndDeleted)
{
    doc.m_arrMembershipTypes.RemoveAll();
    for (const char* type : {"Adult", "Senior", "Youth"})
        doc.m_arrMembershipTypes.Add(type);
    CPlayer* pSenior = Bowler(1, 0);
    CPlayer* pYouth = Bowler(1, 1);
    CPlayer* pAdult = Bowler(1, 2);
    pSenior->m_nMembershipType = 2;
    pYouth->m_nMembershipType = 3;
    pAdult->m_nMembershipType = 1;

    ui.AnswerMessageBox(IDOK, "Nothing selected. Click on the item to Delete");
    ui.AnswerMessageBox(IDOK, "Nothing selected. Click on the item to Edit");
    ui.OnDialog(IDD_MEMBERSHIP_TYPES)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_MT_LIST), (Texts{"Adult", "Senior", "Youth"}));
            EXPECT_FALSE(Ctl(d, IDC_MT_EDIT).visible);
        })
        .Click(IDC_MT_DELETE).Click(IDC_MT_RENAME).Click(IDC_MT_ADD).Select(IDC_MT_LIST, 2)
        .Click(IDC_MT_RENAME)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Ctl(d, IDC_MT_EDIT).visible);
            EXPECT_EQ(Ctl(d, IDC_MT_EDIT).text, "Youth");
            EXPECT_EQ(d.GetFocusID(), IDC_MT_EDIT);
        })
        .SetText(IDC_MT_EDIT, "Junior")
        .Enter()  // ends the renaming, not the dialog
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.IsEnded());
            EXPECT_FALSE(Ctl(d, IDC_MT_EDIT).visible);
            EXPECT_EQ(Items(d, IDC_MT_LIST), (Texts{"Adult", "Senior", "Junior", "New category"}));
        })
        .Select(IDC_MT_LIST, 0).Click(IDC_MT_DELETE)
        .OK();
    EXPECT_TRUE(Command(ID_LEAGUE_MEMBERSHIP_TYPES));
    ASSERT_EQ(doc.m_arrMembershipTypes.GetSize(), 3);
    EXPECT_EQ(Strs(doc.m_arrMembershipTypes[0], doc.m_arrMembershipTypes[1], doc.m_arrMembershipTypes[2]),
              (Texts{"Senior", "Junior", "New category"}));
    EXPECT_TRUE(doc.IsModified());
    // The bowlers keep their types; the deleted one leaves its bowler without.
    EXPECT_EQ(Nums(pSenior->m_nMembershipType, pYouth->m_nMembershipType, pAdult->m_nMembershipType), Nums(1, 2, 0));
}

TEST_F(TeamDetails, MembershipTypesRenamedByClickingOkAndLeftAloneByCancel)
{
    doc.m_arrMembershipTypes.RemoveAll();
    doc.m_arrMembershipTypes.Add("Adult");
    ui.OnDialog(IDD_MEMBERSHIP_TYPES).Select(IDC_MT_LIST, 0).Click(IDC_MT_RENAME).SetText(IDC_MT_EDIT, "Full").OK();
    Command(ID_LEAGUE_MEMBERSHIP_TYPES);
    ASSERT_EQ(doc.m_arrMembershipTypes.GetSize(), 1);
    EXPECT_EQ(doc.m_arrMembershipTypes[0], "Full");

    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_MEMBERSHIP_TYPES).Click(IDC_MT_ADD).Cancel();
    Command(ID_LEAGUE_MEMBERSHIP_TYPES);
    EXPECT_EQ(doc.m_arrMembershipTypes.GetSize(), 1);
    EXPECT_FALSE(doc.IsModified());

    // An unchanged list is not written back and does not mark the league.
    ui.OnDialog(IDD_MEMBERSHIP_TYPES).OK();
    Command(ID_LEAGUE_MEMBERSHIP_TYPES);
    EXPECT_FALSE(doc.IsModified());
}

// ------------------------------------------------------------------ the menus

TEST_F(TeamDetails, TheCommandsWaitForALeague)
{
    for (UINT nID : {ID_TEAM_EDIT, ID_TEAM_RESEQUENCE, ID_LEAGUE_DIVISIONS, ID_LEAGUE_MEMBERSHIP_TYPES}) {
        EXPECT_TRUE(doc.HasCommandHandler(nID)) << nID;
        CCmdUI state;
        state.m_nID = nID;
        EXPECT_TRUE(doc.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state));
        EXPECT_TRUE(state.m_bEnabled) << nID;
    }
    CBowlingDoc empty;
    CCmdUI state;
    state.m_nID = ID_TEAM_EDIT;
    EXPECT_TRUE(empty.OnCmdMsg(ID_TEAM_EDIT, CN_UPDATE_COMMAND_UI, &state));
    EXPECT_FALSE(state.m_bEnabled);
}

// ------------------------------------------------------------------ team options

TEST_F(TeamDetails, FloatingSubsListInTheChosenOrderAndAsATeamOrNot)
{
    // The sample's two floating substitutes, made after the teams' bowlers.
    doc.BuildFloatingSubs();
    ASSERT_NE(doc.m_pFloatingSubsTeam, nullptr);
    ASSERT_EQ(doc.m_pFloatingSubsTeam->GetOrderCount(), 2);
    CPlayer* a = doc.FindPlayer(doc.m_pFloatingSubsTeam->GetOrderAt(0));
    CPlayer* b = doc.FindPlayer(doc.m_pFloatingSubsTeam->GetOrderAt(1));
    a->m_strSurname = "Young";
    b->m_strSurname = "Abbott";

    ASSERT_TRUE(Command(ID_TEAM_FLOATSUB_ORDER_NAME));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Order(*doc.m_pFloatingSubsTeam), (std::vector<WORD>{b->m_nPlayerNo, a->m_nPlayerNo}));
    CCmdUI state;
    state.m_nID = ID_TEAM_FLOATSUB_ORDER_NAME;
    ASSERT_TRUE(doc.OnCmdMsg(ID_TEAM_FLOATSUB_ORDER_NAME, CN_COMMAND, &state));
    EXPECT_EQ(state.m_nCheck, 1);

    // By average: the higher average first, whatever the names.
    const BOOL bHcp = doc.m_bHandicapLeague ? TRUE : FALSE;
    CPlayer* higher = a->GetAverage(bHcp) >= b->GetAverage(bHcp) ? a : b;
    CPlayer* lower = higher == a ? b : a;
    ASSERT_TRUE(Command(ID_TEAM_FLOATSUB_ORDER_AVERAGE));
    EXPECT_EQ(Order(*doc.m_pFloatingSubsTeam), (std::vector<WORD>{higher->m_nPlayerNo, lower->m_nPlayerNo}));

    EXPECT_EQ(doc.m_pFloatingSubsTeam->m_nTeamNo, doc.m_bFloatingSubsAsTeam ? 999 : 0);
    const DWORD bWasTeam = doc.m_bFloatingSubsAsTeam;
    ASSERT_TRUE(Command(ID_TEAM_FLOATING_SUBS));
    EXPECT_NE(doc.m_bFloatingSubsAsTeam, bWasTeam);
    EXPECT_EQ(doc.m_pFloatingSubsTeam->m_nTeamNo, doc.m_bFloatingSubsAsTeam ? 999 : 0);
}

TEST_F(TeamDetails, RepeatLastRoundOrderTogglesAndAHandSetOrderClearsIt)
{
    ASSERT_EQ(doc.m_bRepeatLastRoundOrder, 0u);
    ASSERT_TRUE(Command(ID_TEAM_REPEAT_LAST_ORDER));
    EXPECT_EQ(doc.m_bRepeatLastRoundOrder, 1u);
    EXPECT_TRUE(doc.IsModified());
    CCmdUI state;
    state.m_nID = ID_TEAM_REPEAT_LAST_ORDER;
    ASSERT_TRUE(doc.OnCmdMsg(ID_TEAM_REPEAT_LAST_ORDER, CN_COMMAND, &state));
    EXPECT_EQ(state.m_nCheck, 1);

    ui.OnDialog(IDD_SELECT_TEAM).Select(IDC_SELECT_TEAM_LIST, 0).OK();
    ui.OnDialog(IDD_REORDER_PLAYERS).OK();
    ASSERT_TRUE(Command(ID_TEAM_RESEQUENCE));
    EXPECT_EQ(doc.m_bRepeatLastRoundOrder, 0u);
}
