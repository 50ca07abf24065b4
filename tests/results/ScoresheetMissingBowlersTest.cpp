// The scoresheet and its companions when a bowler or a choice is missing: a match naming a
// bowler who has left the league, an award with nobody to give it to, and New Player run
// more than once over an open sheet.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "league/Awards.h"
#include "results/EnterAwardDlg.h"
#include "results/ScoresheetDlg.h"
#include "results/ResultEntry.h"
#include "results/SubstitutionsDlg.h"

TEST(ScoresheetMissingBowlers, APositionWhoseBowlerHasLeftBowlsOffNothing)
{
    ResultsLeague L(2, 2, 3);
    L.doc.m_bHandicapLeague = 1;
    CFixture* f = L.Match(1);
    // Side A entered with bowler 99 at its first position; he is no longer in the league.
    f->SetPlayerSideA(1, L.Player(12));
    for (int g = 0; g < 3; ++g) {
        f->m_wPlayerNo[g][0] = 99, f->m_pPlayer[g][0] = nullptr;
        f->m_nScore[g][0] = 170, f->m_nScore[g][1] = 160;
        f->m_nHandicap[g][0] = 25;  // left from when he bowled
    }
    f->m_bPlayed[0] = 1;

    CScriptedBackend ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([&](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_SS_HC_A[0], IDC_SS_SERIES_A[0]}), Strs({"0", "510"}));
            EXPECT_EQ((std::vector<int>{f->m_nHandicap[0][0], f->m_nHandicap[1][0], f->m_nHandicap[2][0]}),
                      (std::vector<int>{0, 0, 0}));
            // His position offers the team's bowlers only.
            EXPECT_EQ(Items(d, IDC_SS_PLAYER_A[0]), Strs({"Bowler 11", "Bowler 12"}));
        })
        .Cancel();
    EXPECT_FALSE(EditDoublesResult(&L.doc, f));
    EXPECT_EQ(f->m_wPlayerNo[0][0], 99);  // Cancel puts the match back as it was
}

TEST(ScoresheetMissingBowlers, SubstitutionsOfABowlerWhoHasLeftListTheTeamOnly)
{
    ResultsLeague L(2, 2, 3);
    L.doc.m_bHandicapLeague = 1;
    SubstitutionRecord rec;
    rec.nTeam = 1;
    for (int g = 0; g < 3; ++g)
        rec.nPlayerNo[g] = 99, rec.nScore[g] = 150, rec.nHandicap[g] = 7;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SUBSTITUTIONS)
        .Check([](CDialog& d) {
            for (int g = 0; g < 3; ++g) {
                const CControlState& combo = Ctl(d, IDC_SUB_PLAYER[g]);
                EXPECT_EQ(std::make_pair(combo.items.size(), combo.curSel), std::make_pair(size_t(2), -1));
            }
        })
        .Cancel();
    EXPECT_FALSE(EditSubstitutions(&L.doc, &rec));
    EXPECT_EQ((std::vector<int>{rec.nPlayerNo[0], rec.nHandicap[0]}), (std::vector<int>{99, 7}));
}

TEST(ScoresheetMissingBowlers, AnAwardNeedsABowlerOfTheMatch)
{
    ResultsLeague L(2, 2, 3);
    auto* pCategory = new CAwards(0);
    pCategory->m_strName = "High Game";
    pCategory->m_nKind = CAwards::kindManual;
    L.doc.m_listAwards.AddTail(pCategory);
    CFixture* f = L.Match(1);  // nobody in its line-up yet

    CScriptedBackend ui;
    ui.OnDialog(IDD_ENTER_AWARD)
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_AWARD_PLAYER).items.empty()); })
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .Cancel();
    ui.AnswerMessageBox(IDOK, "Nobody has bowled in this match yet.");
    CEnterAwardDlg dlg;
    dlg.m_pDoc = &L.doc;
    dlg.m_pFixture = f;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_pPlayer, nullptr);
    EXPECT_TRUE(L.doc.m_listAwardData.IsEmpty());
}

TEST(ScoresheetMissingBowlers, NewPlayerLeavesTheColumnsAndBlindCountsAsTheyWere)
{
    ResultsLeague L(2, 2, 3);
    // Four blind games of team 1 in round 1.
    L.Play(L.Match(1), 150, 150);
    L.Match(1)->m_dwPosFlags[0] = PosBlind(0) | PosBlind(1);
    L.Match(1)->m_dwPosFlags[1] = PosBlind(0) | PosBlind(2);
    CFixture* f = L.Match(2);
    FillLineUp(&L.doc, f);
    CTeam* pTeam = L.Team(1);
    // Side A entered, its first bowler blind in game 1.
    for (int g = 0; g < 3; ++g)
        f->m_nScore[g][1] = 150;
    f->m_nScore[1][0] = f->m_nScore[2][0] = 160;
    f->m_dwPosFlags[0] = PosBlind(0);
    f->m_bPlayed[0] = 1;
    f->m_timePlayed[0] = f->m_timeDue;  // bowled on the day: no statistics as at another date

    int (*saved)(CBowlingDoc*) = g_pfnScoresheetAddNewPlayer;
    g_pfnScoresheetAddNewPlayer = [](CBowlingDoc*) { return 0; };

    int xGame2 = -1;
    CScriptedBackend ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([&](CDialog& d) {
            xGame2 = Ctl(d, Cell(0, 0, 1)).rect.left;
            EXPECT_EQ(pTeam->m_nBlindGames[PASS_HANDICAP], 5);
        })
        .Click(IDC_SS_NEW_PLAYER)
        .Click(IDC_SS_NEW_PLAYER)
        .Check([&](CDialog& d) {
            // Game 2 stays half a column to the right, not one column further each time.
            EXPECT_EQ(Ctl(d, Cell(0, 0, 1)).rect.left, xGame2);
            // This match's blind game is counted once.
            EXPECT_EQ(pTeam->m_nBlindGames[PASS_HANDICAP], 5);
        })
        .Cancel();
    EnterDoublesResult(&L.doc, f);
    g_pfnScoresheetAddNewPlayer = saved;
}
