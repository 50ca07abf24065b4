// Opening and closing a scoresheet: the line-up, folded teams, the columns of the league's
// games, the handicap controls, the points systems and Cancel.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "results/FoursScoresheetDlg.h"
#include "results/ResultEntry.h"

namespace {

// Side A entered with a substitute at position 2 who is blind in game 2; side B unplayed but
// holding stale bowlers and flags.
void EnterSideA(ResultsLeague& L, CFixture* f)
{
    const int n = L.doc.m_nPlayersPerTeam;
    for (int p = 0; p < n; ++p) {
        f->SetPlayerSideA(p, L.Player(11 + p));
        for (int g = 0; g < L.doc.m_nGamesPerMatch; ++g)
            f->m_nScore[g][p] = static_cast<WORD>(150 + 10 * p + g);
    }
    if (n > 1) {
        f->SetPlayerSideA(1, L.Player(35));  // a bowler of another team
        f->m_dwPosFlags[1] |= PosBlind(1) | PosPacer(2);
    }
    f->m_bPlayed[0] = 1;
    f->m_nDefaulted[0] = 0;
    for (int p = 0; p < n; ++p) {
        f->SetPlayerSideB(p, L.Player(11));
        f->m_dwPosFlags[CFixture::SlotOf(1, p)] = PosNonQual(0) | PosBlind(2) | PosExcluded(0);
    }
}

// Whether each control is removed from the sheet.
std::vector<bool> RemovedOf(CDialog& d, std::initializer_list<UINT> ids)
{
    std::vector<bool> v;
    for (UINT id : ids)
        v.push_back(Removed(d, id));
    return v;
}

}  // namespace

TEST(ScoresheetOpening, LineUpFillRefillsOnlyTheSideWithoutAResult)
{
    for (int nSize : {4, 1}) {
        SCOPED_TRACE(nSize);
        ResultsLeague L(4, nSize, 3, 2, 1);
        CFixture* f = L.Match(1);
        EnterSideA(L, f);
        const CFixture before(*f);

        CScriptedBackend ui;
        const UINT idd = nSize == 4 ? IDD_FOURS_SCORESHEET : IDD_SINGLES_SCORESHEET;
        ui.OnDialog(idd)
            .Check([&](CDialog& d) {
                // The combo of side B position 1 shows its team order's first bowler.
                EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_B[0]).text, "Bowler 21");
                // Side B's combos list the whole order, reserves included.
                EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_B[0]).items.size(), static_cast<size_t>(nSize + 1));
                if (nSize > 1) {
                    // The outsider at side A position 2 is listed there, and only there.
                    EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_A[1]).text, "Bowler 35");
                    EXPECT_EQ(std::make_pair(Ctl(d, IDC_SS_PLAYER_A[1]).items.size(), Ctl(d, IDC_SS_PLAYER_A[0]).items.size()),
                              std::make_pair(static_cast<size_t>(nSize + 2), static_cast<size_t>(nSize + 1)));
                }
            })
            .Cancel();
        EXPECT_FALSE(EnterResult(&L.doc, f));

        // Side A: bowlers, flags and scores untouched.
        for (int p = 0; p < nSize; ++p) {
            const int k = CFixture::SlotOf(0, p);
            EXPECT_EQ(f->m_dwPosFlags[k], before.m_dwPosFlags[k]);
            for (int g = 0; g < 4; ++g)
                EXPECT_EQ(std::make_pair(f->m_wPlayerNo[g][k], f->m_nScore[g][k]),
                          std::make_pair(before.m_wPlayerNo[g][k], before.m_nScore[g][k]));
        }
        // Side B: the team order with clear flags, kept after Cancel; still not played.
        for (int p = 0; p < nSize; ++p) {
            const int k = CFixture::SlotOf(1, p);
            EXPECT_EQ(f->m_dwPosFlags[k], 0u);
            for (int g = 0; g < 4; ++g)
                EXPECT_EQ(f->m_wPlayerNo[g][k], 21 + p);
        }
        EXPECT_FALSE(f->m_bPlayed[1]);
    }
}

TEST(ScoresheetOpening, AnOrderEntryNamingNoBowlerIsPassedOver)
{
    ResultsLeague L(2, 2, 3, 1, 1);
    L.Team(2)->m_arrTeamOrder.InsertAt(0, 99);  // no such bowler
    CFixture* f = L.Match(1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_B[0]).items.size(), 3u); })
        .Cancel();
    EnterResult(&L.doc, f);
    EXPECT_EQ((std::vector<int>{f->m_wPlayerNo[0][CFixture::SlotOf(1, 0)], f->m_wPlayerNo[0][CFixture::SlotOf(1, 1)]}),
              (std::vector<int>{21, 22}));
}

TEST(ScoresheetOpening, AFoldedTeamOpensPlayedWithEveryGameDefaultedAndCancelTakesItBack)
{
    ResultsLeague L(2, 4, 3, 3);
    L.Team(2)->m_bFolded = 1;
    L.Team(2)->m_nScoreToRound = 1;
    CFixture* f = L.Match(2);
    FillLineUp(&L.doc, f);
    const CFixture before(*f);

    CScriptedBackend ui;
    ui.OnDialog(IDD_FOURS_SCORESHEET)
        .Check([&](CDialog& d) {
            // games 1-3 of a three-game league; side A untouched
            EXPECT_EQ((std::vector<int>{f->m_nDefaulted[1], f->m_bPlayed[1], f->m_nDefaulted[0]}),
                      (std::vector<int>{14, 1, 0}));
            EXPECT_EQ(CtlChecks(d, {IDC_SS_PLAYED[1], IDC_SS_DEFAULTED[1][0], IDC_SS_DEFAULTED[1][1],
                                    IDC_SS_DEFAULTED[1][2], IDC_SS_DEFAULTED[1][3], IDC_SS_PLAYED[0]}),
                      (std::vector<int>{1, 1, 1, 1, 0, 0}));
            EXPECT_EQ(Ctl(d, IDC_SS_DATE_PLAYED[1]).text, "09 Sep 24 07:30PM");  // the round's date
            // The defaulted games take no typed score.
            EXPECT_EQ(CtlEnabled(d, {Cell(1, 0, 0), Cell(0, 0, 0)}), (std::vector<bool>{false, true}));
        })
        .Cancel();
    EXPECT_FALSE(EditFoursResult(&L.doc, f));
    EXPECT_TRUE(f->IsSameAs(before));
    EXPECT_EQ((std::vector<int>{f->m_bPlayed[1], f->m_nDefaulted[1]}), (std::vector<int>{0, 0}));

    // Before the team folded it plays as any other.
    CFixture* f1 = L.Match(1);
    ui.OnDialog(IDD_FOURS_SCORESHEET).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[1]).check, 0); }).Cancel();
    EnterFoursResult(&L.doc, f1);
}

TEST(ScoresheetOpening, ThreeGamesSpreadOverTheWidthOfFour)
{
    ResultsLeague L(2, 4, 3);
    const DlgTemplate* t = AfxFindDialogTemplate(IDD_FOURS_SCORESHEET);
    auto templateX = [t](UINT id) {
        for (const DlgControl& c : t->controls)
            if (c.id == id)
                return static_cast<int>(c.x);
        return -1;
    };
    const int x1 = templateX(Cell(0, 0, 0)), x2 = templateX(Cell(0, 0, 1)), x4 = templateX(Cell(0, 0, 3));
    const int pitch = x2 - x1;
    ASSERT_GT(pitch, 0);

    CScriptedBackend ui;
    ui.OnDialog(IDD_FOURS_SCORESHEET)
        .Check([&](CDialog& d) {
            for (int s = 0; s < 2; ++s) {
                // Every control of game 4 is gone.
                EXPECT_EQ(RemovedOf(d, {Cell(s, 0, 3), Cell(s, 1, 3), Cell(s, 2, 3), Cell(s, 3, 3), IDC_SS_SCRTOTAL[s][3],
                                        IDC_SS_HANDICAP[s][3], IDC_SS_HCPTOTAL[s][3], IDC_SS_DEFAULTED[s][3],
                                        IDC_SS_HEAD_G[s][3]}),
                          std::vector<bool>(9, true));
                // Game 3 stands where game 4 stood, game 2 half a column to the right,
                // game 1 where it was: cells, totals, boxes and headings alike.
                for (int p = 0; p < 4; ++p)
                    EXPECT_EQ((std::vector<int>{Ctl(d, Cell(s, p, 2)).rect.left, Ctl(d, Cell(s, p, 1)).rect.left,
                                                Ctl(d, Cell(s, p, 0)).rect.left}),
                              (std::vector<int>{x4, x2 + pitch / 2, x1}));
                EXPECT_EQ((std::vector<int>{Ctl(d, IDC_SS_HCPTOTAL[s][2]).rect.left, Ctl(d, IDC_SS_HEAD_G[s][2]).rect.left,
                                            Ctl(d, IDC_SS_DEFAULTED[s][2]).rect.left, Ctl(d, IDC_SS_SCRTOTAL[s][1]).rect.left}),
                          (std::vector<int>{x4, x4, templateX(IDC_SS_DEFAULTED[s][3]), x2 + pitch / 2}));
                EXPECT_TRUE(Ctl(d, Cell(s, 0, 2)).visible);
            }
        })
        .Cancel();
    EnterFoursResult(&L.doc, L.Match(1));
}

TEST(ScoresheetOpening, FewerGamesRemoveTheirColumns)
{
    for (int nGames : {1, 2, 4}) {
        SCOPED_TRACE(nGames);
        ResultsLeague L(2, 1, nGames);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SINGLES_SCORESHEET)
            .Check([&](CDialog& d) {
                for (int g = 0; g < 4; ++g)
                    EXPECT_EQ(RemovedOf(d, {Cell(0, 0, g), IDC_SS1_HCPSCORE[1][g]}), std::vector<bool>(2, g >= nGames));
                // Singles side B's game-4 heading has its own id.
                EXPECT_EQ(Removed(d, IDC_SS1_HEAD_G4_B), nGames < 4);
            })
            .Cancel();
        EnterSinglesResult(&L.doc, L.Match(1));
    }
}

TEST(ScoresheetOpening, AScratchLeagueShowsNoHandicapAndTeamHandicapsHideOnlyTheBowlers)
{
    auto open = [](ResultsLeague& L, std::function<void(CDialog&)> check) {
        CScriptedBackend ui;
        ui.OnDialog(IDD_FOURS_SCORESHEET).Check(check).Cancel();
        EnterFoursResult(&L.doc, L.Match(1));
    };
    {
        ResultsLeague L(2, 4, 3);
        L.doc.m_bHandicapLeague = 0;
        L.doc.m_bScratchLeague = 1;
        open(L, [](CDialog& d) {
            for (int s = 0; s < 2; ++s)
                EXPECT_EQ(RemovedOf(d, {IDC_SS_HEAD_HC[s], IDC_SS_HEAD_HCPSERIES[s], IDC_SS_HANDICAP_SERIES[s],
                                        IDC_SS_HCPTOTAL[s][0], IDC_SS_LABEL_HCPTOTAL[s], IDC_SS_LABEL_POINTS_HCP[s],
                                        IDC_SS_SCRTOTAL[s][0], IDC_SS_POINTS_SCR[s]}),
                          (std::vector<bool>{true, true, true, true, true, true, false, false}));
            EXPECT_EQ(RemovedOf(d, {IDC_SS_HC_A[3], IDC_SS_HCPSERIES_B[0]}), (std::vector<bool>{true, true}));
        });
    }
    {
        ResultsLeague L(2, 4, 3);
        L.doc.m_bTeamHandicaps = 1;
        open(L, [](CDialog& d) {
            // The team's handicap rows stay.
            for (int s = 0; s < 2; ++s)
                EXPECT_EQ(RemovedOf(d, {IDC_SS_HEAD_HC[s], IDC_SS_HEAD_HCPSERIES[s], IDC_SS_HANDICAP[s][0],
                                        IDC_SS_HCPTOTAL_SERIES[s], IDC_SS_LABEL_POINTS_HCP[s]}),
                          (std::vector<bool>{true, true, false, false, false}));
            EXPECT_EQ(RemovedOf(d, {IDC_SS_HC_B[2], IDC_SS_HCPSERIES_A[0]}), (std::vector<bool>{true, true}));
        });
    }
    {
        ResultsLeague L(2, 4, 3);  // handicap league without team handicaps: everything shows
        open(L, [](CDialog& d) {
            EXPECT_EQ(RemovedOf(d, {IDC_SS_HC_A[0], IDC_SS_HCPSERIES_B[3], IDC_SS_HEAD_HC[1]}), std::vector<bool>(3, false));
            EXPECT_EQ(Ctl(d, IDC_SS_HC_A[0]).text, "39");
        });
    }
}

TEST(ScoresheetOpening, PositionRoundMatchesCountInTheirOwnSystem)
{
    struct Case {
        DWORD hcpLeague, scrLeague, position, posScratch, both;
        BOOL wantHcp, wantScr;
    } cases[] = {
        {1, 1, 0, 0, 0, TRUE, TRUE},    // an ordinary match of a league of both systems
        {1, 1, 1, 1, 0, FALSE, TRUE},   // scored on scratch
        {1, 1, 1, 1, 1, TRUE, TRUE},    // ... unless position matches count both ways
        {1, 1, 1, 0, 0, TRUE, FALSE},   // scored on handicap
        {1, 1, 1, 0, 1, TRUE, TRUE},
        {0, 1, 1, 0, 0, FALSE, FALSE},  // a scratch league's handicap position match
        {1, 0, 1, 1, 0, FALSE, FALSE},
        {0, 1, 0, 0, 0, FALSE, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hcpLeague << c.scrLeague << c.position << c.posScratch << c.both);
        ResultsLeague L(2, 4, 3);
        L.doc.m_bHandicapLeague = c.hcpLeague;
        L.doc.m_bScratchLeague = c.scrLeague;
        L.doc.m_bPositionBothWays = c.both;
        CFixture* f = L.Match(1);
        f->m_bPositionRound = c.position;
        f->m_bPositionRoundScratch = c.posScratch;
        CFoursScoresheetDlg dlg;
        PrepareScoresheet(dlg, &L.doc, f);
        EXPECT_EQ(std::make_pair(dlg.m_bHandicapScoring, dlg.m_bScratchScoring), std::make_pair(c.wantHcp, c.wantScr));
    }
    // What the switch does to the sheet: a scratch position match shows no handicap.
    ResultsLeague L(2, 4, 3);
    L.doc.m_bScratchLeague = 1;
    L.Match(1)->m_bPositionRound = 1;
    L.Match(1)->m_bPositionRoundScratch = 1;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FOURS_SCORESHEET)
        .Check([](CDialog& d) {
            EXPECT_EQ(RemovedOf(d, {IDC_SS_HC_A[0], IDC_SS_HCPTOTAL[0][0]}), std::vector<bool>(2, true));
        })
        .Cancel();
    EnterFoursResult(&L.doc, L.Match(1));
}

TEST(ScoresheetClosing, CancelPutsBackEveryMemberOfTheFixture)
{
    ResultsLeague L(2, 4, 3, 2, 1);
    L.doc.m_dwRobotIfDefault = 0;
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    f->m_timePlayed[0] = CTime(2024, 9, 3, 20, 0, 0);
    const CFixture before(*f);

    CScriptedBackend ui;
    ui.AnswerMessageBox(IDYES, "zero score");
    ui.OnDialog(IDD_FOURS_SCORESHEET)
        .SetText(Cell(0, 0, 0), "212")
        .SetText(Cell(0, 0, 1), "180")
        .SetText(Cell(1, 3, 2), "99")
        .Click(IDC_SS_DEFAULTED[1][1])
        .SelectString(IDC_SS_PLAYER_A[2], "Bowler 15")
        .Click(IDC_SS_PLAYED[0])
        .Check([&](CDialog&) {
            // All of it reached the live fixture at once.
            EXPECT_EQ((std::vector<int>{f->m_nScore[0][0], f->m_nScore[1][0], f->m_nDefaulted[1], f->m_wPlayerNo[2][2],
                                        f->m_bPlayed[0]}),
                      (std::vector<int>{212, 180, 4, 15, 1}));
            EXPECT_FALSE(f->IsSameAs(before));
        })
        .Cancel();
    EXPECT_FALSE(EditFoursResult(&L.doc, f));
    EXPECT_TRUE(f->IsSameAs(before));
    EXPECT_EQ(f->m_pPlayer[0][2], L.Player(13));
}
