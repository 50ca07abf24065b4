// The Result menu's entry commands, driven through their dialogs.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "results/ResultCommands.h"
#include "results/ResultEntry.h"
#include "results/SelectFixtureDlg.h"
#include "results/SelectRoundDlg.h"
#include "league/SampleLeague.h"

using Texts = std::vector<std::string>;

namespace {

// A four-team league of doubles, three games, team points for each game and the series.
struct CommandsLeague : ResultsLeague {
    CommandsLeague() : ResultsLeague(4, 2, 3, 2)
    {
        HandicapTeamPoints();
        doc.Recalculate();
    }

    // Types a whole match: side A's bowlers score a, side B's b, every game.
    static void Type(CScriptedBackend::DialogScript& s, int a, int b)
    {
        for (int p = 0; p < 2; ++p)
            for (int g = 0; g < 3; ++g) {
                s.SetText(Cell(0, p, g), std::to_string(a).c_str());
                s.SetText(Cell(1, p, g), std::to_string(b).c_str());
            }
    }

    std::vector<int> PointsWon()
    {
        std::vector<int> v;
        for (int t = 1; t <= 4; ++t)
            v.push_back(Team(t)->m_nPointsWon[PASS_HANDICAP]);
        return v;
    }
};

}  // namespace

TEST(SelectRound, ListsEachRoundOnceByPlayedState)
{
    CommandsLeague L;
    L.Play(L.Match(1, 1), 150, 140);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND)
        .Check([](CDialog& d) {
            // round 1 still has match 2 to play; the preset round is selected
            EXPECT_EQ(Items(d, IDC_SELECT_ROUND_LIST), (Texts{"Rnd 1  02 Sep 2024 ", "Rnd 2  09 Sep 2024 "}));
            EXPECT_EQ(Ctl(d, IDC_SELECT_ROUND_LIST).items[1].data, 2u);
            EXPECT_EQ(std::make_pair(Ctl(d, IDC_SELECT_ROUND_LIST).curSel, d.GetFocusID()),
                      std::make_pair(1, UINT(IDC_SELECT_ROUND_LIST)));
        })
        .Select(IDC_SELECT_ROUND_LIST, 0)
        .OK();
    auto chosen = [&L](UINT nPreset) {
        CSelectRoundDlg dlg;
        dlg.m_pDoc = &L.doc;
        dlg.m_nRound = nPreset;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        return dlg.m_nRound;
    };
    EXPECT_EQ(chosen(2), 1u);

    // Every match played: asked for unplayed rounds the list is empty and OK chooses none.
    for (int r = 1; r <= 2; ++r)
        for (int m = 1; m <= 2; ++m)
            L.Match(r, m)->m_bPlayed[0] = L.Match(r, m)->m_bPlayed[1] = 1;
    ui.OnDialog(IDD_SELECT_ROUND).Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_SELECT_ROUND_LIST).items.empty()); }).OK();
    EXPECT_EQ(chosen(1), 0u);
}

TEST(SelectFixture, ListsTheRoundsMatchesOfThePlayedStateAsked)
{
    CommandsLeague L;
    L.Play(L.Match(1, 2), 150, 140);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_FIXTURE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SELECT_FIXTURE_LIST), Texts{"Wk 1   Team 1 v Team 2"});
        })
        .OK();
    EXPECT_EQ(SelectFixture(&L.doc, 1, 0), L.Match(1, 1));
    ui.OnDialog(IDD_SELECT_FIXTURE).DblClk(IDC_SELECT_FIXTURE_LIST, 0);
    EXPECT_EQ(SelectFixture(&L.doc, 1, 1), L.Match(1, 2));
    ui.OnDialog(IDD_SELECT_FIXTURE).Cancel();
    EXPECT_EQ(SelectFixture(&L.doc, 1, 1), nullptr);
}

TEST(EnterResults, EachUnplayedMatchOfTheRoundInTurnAndTheStandingsFollow)
{
    CommandsLeague L;
    L.doc.SetModifiedFlag(FALSE);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    auto& first = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    first.Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_TEAM[0]).text, "Team 1"); });
    CommandsLeague::Type(first, 180, 150);
    first.OK();
    auto& second = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    second.Check([](CDialog& d) {
        EXPECT_EQ(CtlTexts(d, {IDC_SS_TEAM[1], IDC_SS_STATUS}), (Texts{"Team 4", "Rnd 1.  Due :  Mon Sep 02 2024 07:30 PM"}));
    });
    CommandsLeague::Type(second, 120, 200);
    second.OK();
    OnResultEnterResults(L.doc);

    EXPECT_TRUE(ui.messages.empty() && L.doc.IsModified());
    EXPECT_TRUE(L.Match(1, 1)->m_bPlayed[0] && L.Match(1, 1)->m_bPlayed[1]);
    EXPECT_EQ((std::vector<int>{L.Match(1, 2)->m_nScore[2][CFixture::SlotOf(1, 1)], L.doc.m_nCurrentRound,
                                L.doc.m_nDisplayMode}),
              (std::vector<int>{200, 1, DISPLAY_STANDINGS}));
    // Four games' worth of team points each to the winners (half points).
    EXPECT_EQ(L.PointsWon(), (std::vector<int>{8, 0, 0, 8}));
}

TEST(EnterResults, CancelEndsTheRoundAndPutsTheMatchBack)
{
    CommandsLeague L;
    L.doc.SetModifiedFlag(FALSE);
    const std::vector<int> before = L.PointsWon();
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    CommandsLeague::Type(s, 180, 150);
    s.Focus(IDOK).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[1]).check, 1); }).Cancel();
    OnResultEnterResults(L.doc);
    EXPECT_TRUE(ui.AllUsed());  // the second match never opened
    EXPECT_EQ((std::vector<int>{L.Match(1, 1)->m_bPlayed[0], L.Match(1, 1)->m_nScore[0][0], L.doc.IsModified()}),
              (std::vector<int>{0, 0, FALSE}));
    EXPECT_EQ(L.PointsWon(), before);
}

TEST(EnterResults, TeamsWithoutAFullLineUpAreReportedAndSkipped)
{
    CommandsLeague L;
    L.Team(2)->m_arrTeamOrder.SetSize(1);
    L.Team(3)->m_arrTeamOrder.SetSize(0);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    OnResultEnterResults(L.doc);
    EXPECT_EQ(ui.MessageTexts(), (Texts{"Team 2 does not have a full team.", "Team 3 does not have a full team.",
                                        "No outstanding Results for that week!"}));
}

TEST(EnterResults, AnUnsetPositionRoundIsOfferedFirst)
{
    CommandsLeague L;
    CFixture* f = L.Match(2, 2);
    f->m_bPositionRound = 1;
    f->m_nTeamA = f->m_nTeamB = 0;
    f->m_pTeamA = f->m_pTeamB = nullptr;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 1).OK();
    ui.AnswerMessageBox(IDNO, "There is a position round match which has not been set.  Would you like it set now?");
    OnResultEnterResults(L.doc);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(FirstUnplayedMatch, ACancelledMatchLeavesTheLeagueAsItWas)
{
    CommandsLeague L;
    L.Play(L.Match(1, 1), 180, 150);
    L.doc.Recalculate();
    const std::vector<int> before = L.PointsWon();
    ASSERT_EQ(before, (std::vector<int>{8, 0, 0, 0}));
    CScriptedBackend ui;
    // The second match of round 1 is next; the sheet computes its points as both sides
    // come in, then the secretary cancels.
    auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    s.Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_TEAM[0]).text, "Team 3"); });
    CommandsLeague::Type(s, 200, 100);
    s.Focus(IDOK).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_POINTS_HCP[0]).text, "4 "); }).Cancel();
    OnResultFirstUnplayedMatch(L.doc);
    EXPECT_EQ(L.PointsWon(), before);
    EXPECT_FALSE(L.Match(1, 2)->m_bPlayed[0]);
}

TEST(AmendResults, ReopensAnEnteredMatchAsItWasEntered)
{
    CommandsLeague L;
    CFixture* f = L.Match(1, 2);
    L.Play(f, 150, 160);
    f->SetPlayerSideA(1, L.Player(11));  // a bowler from another team stood in
    L.doc.Recalculate();
    ASSERT_EQ(L.PointsWon(), (std::vector<int>{0, 0, 0, 8}));
    L.doc.SetModifiedFlag(FALSE);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SELECT_ROUND_LIST).items.size(), 1u); }).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).OK();
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_SS_PLAYER_A[1], Cell(1, 0, 2)}), (Texts{"Bowler 11", "160"}));
            EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[0]).check, 1);
        })
        .SetText(Cell(0, 0, 0), "250")
        .OK();
    OnResultAmendResults(L.doc);
    EXPECT_EQ((std::vector<int>{f->m_nScore[0][CFixture::SlotOf(0, 0)], f->m_wPlayerNo[0][CFixture::SlotOf(0, 1)],
                                L.doc.IsModified()}),
              (std::vector<int>{250, 11, TRUE}));
    // Side B had won everything; now game 1 and the series (1000 to 960) go to side A.
    EXPECT_EQ(L.PointsWon(), (std::vector<int>{0, 0, 4, 4}));
}

TEST(EnterResults, TheSampleLeaguesNextRoundAndItsStandings)
{
    RegisterResources();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.Recalculate();
    int nRound = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos && !nRound;) {
        const CFixture* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (!f->IsBye() && !(f->m_bPlayed[0] && f->m_bPlayed[1]))
            nRound = f->m_nRound;
    }
    ASSERT_EQ(nRound, 11);
    int nMatches = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        nMatches += f->m_nRound == nRound && !f->IsBye();
    }
    ASSERT_EQ(nMatches, 4);
    auto won = [&doc] {
        int n = 0;
        for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;)
            n += static_cast<CTeam*>(doc.m_listTeams.GetNext(pos))->m_nPointsWon[PASS_HANDICAP];
        return n;
    };
    const int nWonBefore = won();

    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND)
        .Check([&](CDialog& d) {
            // The first unplayed round is offered first.
            EXPECT_EQ(Ctl(d, IDC_SELECT_ROUND_LIST).items[0].data, static_cast<DWORD_PTR>(nRound));
        })
        .Select(IDC_SELECT_ROUND_LIST, 0)
        .OK();
    for (int m = 0; m < nMatches; ++m) {
        auto& s = ui.OnDialog(IDD_FOURS_SCORESHEET);
        for (int side = 0; side < 2; ++side)
            for (int p = 0; p < 4; ++p)
                for (int g = 0; g < 3; ++g)
                    s.Check([=](CDialog& d) {
                        // Robots and blind places take no typed score.
                        if (Ctl(d, Cell(side, p, g)).enabled)
                            d.UserSetText(Cell(side, p, g), std::to_string(150 + 10 * side + p + g).c_str());
                    });
        s.OK();
    }
    OnResultEnterResults(doc);
    EXPECT_GT(won(), nWonBefore);
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound && !f->IsBye()) {
            EXPECT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]) << f->m_nMatch;
        }
    }
}
