// A match is scored on the averages and handicaps in force when it was bowled: the same for
// every match of a round, whichever command opens it and whatever the current round, and
// reopened unchanged it keeps what it was entered with.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QTest>

#include "RealDialogs.h"
#include "ResultsControlTexts.h"
#include "ResultsLeague.h"
#include "ScriptedBackend.h"
#include "league/Rules.h"
#include "league/SampleLeague.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultCommands.h"
#include "results/SelectFixtureDlg.h"
#include "results/SelectRoundDlg.h"

namespace {

using Hcps = std::vector<std::string>;  // A1 A2 B1 B2 as the sheet shows them

// "Recalculate Frequency (in matches)" set as the secretary sets it.
void SetRecalcFrequency(CBowlingDoc& doc, const char* pszMatches)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_HANDICAP_DETAILS).SetText(IDC_HD_RECALC_FREQ, pszMatches).OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    ASSERT_EQ(doc.m_nRecalcFrequency, std::atoi(pszMatches));
}

// Four teams of two, three games, a new league's rules (80% of 200, figures refreshed after
// every round); entering averages 151 and 152, handicaps 39 and 38.
struct SeasonLeague : ResultsLeague {
    SeasonLeague() : ResultsLeague(4, 2, 3, 4)
    {
        HandicapTeamPoints();
        doc.Recalculate();
    }

    // Every bowler of team t scores kScores[round - 1][t - 1] in every game.
    static constexpr int kScores[4][4] = {{180, 140, 160, 200}, {150, 170, 190, 130}, {200, 160, 170, 150},
                                          {170, 170, 170, 170}};

    static void TypeMatch(CScriptedBackend::DialogScript& s, int nRound, int nMatch)
    {
        for (int side = 0; side < 2; ++side)
            for (int p = 0; p < 2; ++p)
                for (int g = 0; g < 3; ++g)
                    s.SetText(Cell(side, p, g), std::to_string(kScores[nRound - 1][2 * nMatch - 2 + side]).c_str());
    }

    static void SeeHandicaps(CScriptedBackend::DialogScript& s, std::vector<Hcps>& seen)
    {
        s.Check([&seen](CDialog& d) {
            seen.push_back(CtlTexts(d, {IDC_SS_HC_A[0], IDC_SS_HC_A[1], IDC_SS_HC_B[0], IDC_SS_HC_B[1]}));
        });
    }

    // Result > Enter Results on the first unplayed round, both matches typed in; the
    // handicaps each sheet opened with.
    std::vector<Hcps> EnterRound(int nRound)
    {
        std::vector<Hcps> seen;
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        for (int m = 1; m <= 2; ++m) {
            auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
            SeeHandicaps(s, seen);
            TypeMatch(s, nRound, m);
            s.OK();
        }
        OnResultEnterResults(doc);
        return seen;
    }

    // Result > Amend Results on a match, OK without a change; the handicaps shown.
    Hcps AmendUnchanged(int nRound, int nMatch)
    {
        std::vector<Hcps> seen;
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, nRound - 1).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, nMatch - 1).OK();
        auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        SeeHandicaps(sheet, seen);
        sheet.OK();
        OnResultAmendResults(doc);
        return seen.empty() ? Hcps{} : seen[0];
    }

    // Handicaps, match points and standings: what an unchanged amendment must keep.
    std::vector<int> Figures()
    {
        std::vector<int> v;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            const CFixture* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
            for (int g = 0; g < 3; ++g)
                for (int p = 0; p < 2; ++p)
                    for (int s = 0; s < 2; ++s)
                        v.push_back(f->m_nHandicap[g][CFixture::SlotOf(s, p)]);
            v.insert(v.end(), {f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]});
        }
        for (int t = 1; t <= 4; ++t)
            v.insert(v.end(), {Team(t)->m_nPointsWon[PASS_HANDICAP], Team(t)->m_nPointsLost[PASS_HANDICAP],
                               static_cast<int>(Team(t)->m_nHcpPosition)});
        return v;
    }
};

// The figures after each round, worked by hand (80% of 200, truncated):
// after round 1 (3 games): T1 180 -> 16, T2 140 -> 48, T3 160 -> 32, T4 200 -> 0;
// after round 2 (6 games): T1 990/6 = 165 -> 28, T2 930/6 = 155 -> 36, T3 1050/6 = 175 -> 20,
//   T4 990/6 = 165 -> 28;
// after round 3 (9 games): T1 1590/9 = 176 -> 19, T2 1410/9 = 156 -> 35, T3 1560/9 = 173 -> 21,
//   T4 1440/9 = 160 -> 32.
const std::vector<std::vector<Hcps>> kEveryRound = {
    {{"39", "38", "39", "38"}, {"39", "38", "39", "38"}},
    {{"16", "16", "48", "48"}, {"32", "32", "0", "0"}},
    {{"28", "28", "36", "36"}, {"20", "20", "28", "28"}},
    {{"19", "19", "35", "35"}, {"21", "21", "32", "32"}},
};

}  // namespace

TEST(FiguresInForce, EveryMatchOfARoundOpensOnTheFiguresAfterTheRoundsBefore)
{
    SeasonLeague L;
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(L.EnterRound(r), kEveryRound[r - 1]) << "round " << r;
        // Enter Results leaves the current round where the secretary had it.
        EXPECT_EQ(L.doc.m_nCurrentRound, 1);
    }
    // The handicaps shown are the ones scored with: round 2 match 1 is 150 + 16 a bowler
    // against 170 + 48, every game.
    EXPECT_EQ(L.Match(2, 1)->GetGameScore(0, 0, TRUE), 332);
    EXPECT_EQ(L.Match(2, 1)->GetGameScore(1, 2, TRUE), 436);

    // Reopened and left as it was, at any current round, a match keeps its handicaps, its
    // points and the standings.
    for (int nCurrent : {1, 2, 4}) {
        L.doc.m_nCurrentRound = static_cast<BYTE>(nCurrent);
        L.doc.Recalculate();
        const std::vector<int> before = L.Figures();
        for (int r = 1; r <= 3; ++r)
            for (int m = 1; m <= 2; ++m) {
                EXPECT_EQ(L.AmendUnchanged(r, m), kEveryRound[r - 1][m - 1])
                    << "round " << r << " match " << m << " at current round " << nCurrent;
                EXPECT_EQ(L.Figures(), before) << "round " << r << " match " << m << " at current round " << nCurrent;
            }
    }
}

// A league saved before matches were scored on the figures in force keeps what it was scored
// with until the secretary amends a match, which then takes the right figures.
TEST(FiguresInForce, AMatchScoredOnOldFiguresIsPutRightOnlyWhenAmended)
{
    SeasonLeague L;
    L.EnterRound(1);
    L.EnterRound(2);
    CFixture* f = L.Match(2, 1);
    for (int g = 0; g < 3; ++g)  // round 2 scored on the entering averages, as such files hold
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < 2; ++p)
                f->m_nHandicap[g][CFixture::SlotOf(s, p)] = static_cast<short>(39 - p);
    L.doc.Recalculate();
    std::vector<BYTE> bytes;
    L.doc.SaveToBytes(bytes);
    CString strError;
    ASSERT_TRUE(L.doc.LoadFromBytes(bytes, "old.lgf", strError)) << strError.GetString();
    f = L.Match(2, 1);
    EXPECT_EQ((std::vector<int>{f->m_nHandicap[2][CFixture::SlotOf(0, 1)], f->m_nHandicap[2][CFixture::SlotOf(1, 0)]}),
              (std::vector<int>{38, 39}));

    EXPECT_EQ(L.AmendUnchanged(2, 1), kEveryRound[1][0]);
    f = L.Match(2, 1);
    EXPECT_EQ((std::vector<int>{f->m_nHandicap[2][CFixture::SlotOf(0, 1)], f->m_nHandicap[2][CFixture::SlotOf(1, 0)],
                                f->GetGameScore(0, 0, TRUE)}),
              (std::vector<int>{16, 48, 332}));
}

TEST(FiguresInForce, FirstUnplayedMatchWithTheCurrentRoundBehind)
{
    SeasonLeague L;
    L.EnterRound(1);
    L.EnterRound(2);
    ASSERT_EQ(L.doc.m_nCurrentRound, 1);
    std::vector<Hcps> seen;
    CScriptedBackend ui;
    for (int i = 0; i < 3; ++i) {
        auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        SeasonLeague::SeeHandicaps(s, seen);
        SeasonLeague::TypeMatch(s, 3 + i / 2, 1 + i % 2);
        s.OK();
    }
    ui.OnDialog(IDD_DOUBLES_SCORESHEET).Cancel();  // round 4 match 2 waits
    OnResultFirstUnplayedMatch(L.doc);
    // Round 4's first match is scored on round 3's results, entered by the same command.
    EXPECT_EQ(seen, (std::vector<Hcps>{kEveryRound[2][0], kEveryRound[2][1], kEveryRound[3][0]}));
    EXPECT_FALSE(L.Match(4, 2)->m_bPlayed[0]);
}

TEST(FiguresInForce, EnterIndividualResultAndASideBowledOnAnotherDay)
{
    SeasonLeague L;
    L.EnterRound(1);
    L.EnterRound(2);
    // Team 2 bowled its round-3 match early, on round 2's day, before round 2 was bowled:
    // only round 1 was in when it bowled. Its side is entered alone, with that date played.
    CFixture* f = L.Match(3, 1);
    const CTime timeRound2 = L.Match(2, 1)->m_timeDue;
    ASSERT_EQ(timeRound2.GetMonth(), f->m_timeDue.GetMonth());
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
        auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        for (int p = 0; p < 2; ++p)
            for (int g = 0; g < 3; ++g)
                sheet.SetText(Cell(1, p, g), "160");
        sheet.Click(IDC_SS_CHANGE_DATE[1]);
        ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, std::to_string(timeRound2.GetDay()).c_str()).OK();
        sheet.OK();
        OnResultEnterIndividualResult(L.doc);
    }
    ASSERT_EQ((std::vector<int>{f->m_bPlayed[0], f->m_bPlayed[1], f->m_timePlayed[1].GetDay()}),
              (std::vector<int>{0, 1, timeRound2.GetDay()}));

    std::vector<Hcps> seen;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
    auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    SeasonLeague::SeeHandicaps(s, seen);
    for (int p = 0; p < 2; ++p)
        for (int g = 0; g < 3; ++g)
            s.SetText(Cell(0, p, g), "200");
    s.OK();
    OnResultEnterIndividualResult(L.doc);
    // Team 1 on the figures after round 2 (28), team 2 on those after round 1 (48).
    EXPECT_EQ(seen, (std::vector<Hcps>{{"28", "28", "48", "48"}}));
    EXPECT_EQ(f->m_nHandicap[2][CFixture::SlotOf(1, 1)], 48);
}

// Recalculated every second match, with bowlers 12 and 22 new to the league: a new bowler
// keeps his first match's figures until the refresh after his second.
TEST(FiguresInForce, EveryOtherRoundWithNewBowlers)
{
    SeasonLeague L;
    SetRecalcFrequency(L.doc, "2");
    L.Player(12)->SetEnteringAverage(0);
    L.Player(22)->SetEnteringAverage(0);
    L.doc.Recalculate();

    // Round 1 opens before the new bowlers have figures; their own games give them 180 -> 16
    // and 140 -> 48. Rounds 2: still round 1's (the others on their entering averages); 3 and 4:
    // the figures after round 2.
    const std::vector<std::vector<Hcps>> expected = {
        {{"39", "0", "39", "0"}, {"39", "38", "39", "38"}},
        {{"39", "16", "39", "48"}, {"39", "38", "39", "38"}},
        kEveryRound[2],
        kEveryRound[2],
    };
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(L.EnterRound(r), expected[r - 1]) << "round " << r;
    EXPECT_EQ((std::vector<int>{L.Match(1, 1)->m_nHandicap[0][CFixture::SlotOf(0, 1)],
                                L.Match(1, 1)->m_nHandicap[0][CFixture::SlotOf(1, 1)]}),
              (std::vector<int>{16, 48}));
    // The weekly figures after round 3 stay those of the refresh after round 2.
    L.doc.m_nCurrentRound = 3;
    L.doc.Recalculate();
    EXPECT_EQ((std::vector<int>{L.Player(12)->m_nHandicap, L.Player(22)->m_nHandicap, L.Player(31)->m_nHandicap}),
              (std::vector<int>{28, 36, 20}));
    // Reopened unchanged, every match keeps what it was entered with.
    const std::vector<int> before = L.Figures();
    for (int r = 1; r <= 4; ++r) {
        // Round 1's new bowlers show the figures their own games gave them.
        const Hcps entered = r == 1 ? Hcps{"39", "16", "39", "48"} : expected[r - 1][0];
        EXPECT_EQ(L.AmendUnchanged(r, 1), entered) << "round " << r;
        EXPECT_EQ(L.Figures(), before) << "round " << r;
    }
}

// The sample league bowled every round on the figures in force: a match of it reopened and left
// as it was keeps its handicaps, its points and the standings.
TEST(FiguresInForce, TheSampleLeaguesMatchesKeepTheirPointsWhenAmendedUnchanged)
{
    RegisterResources();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    auto figures = [&doc] {
        std::vector<int> v;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            const CFixture* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
            v.insert(v.end(), &f->m_nHandicap[0][0], &f->m_nHandicap[0][0] + MAX_GAMES * SLOTS_PER_GAME);
            v.insert(v.end(), {f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]});
        }
        for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
            const CTeam* t = static_cast<const CTeam*>(doc.m_listTeams.GetNext(pos));
            v.insert(v.end(), {t->m_nPointsWon[PASS_HANDICAP], static_cast<int>(t->m_nHcpPosition)});
        }
        return v;
    };
    const std::vector<int> before = figures();
    for (int r : {1, 2, 5, 10}) {
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, r - 1).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, r % 4).OK();
        ui.OnDialog(IDD_FOURS_SCORESHEET).OK();
        OnResultAmendResults(doc);
        EXPECT_EQ(figures(), before) << "round " << r;
    }
    // Its Christmas free date is a Monday without a round.
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        EXPECT_NE(f->m_timeDue.Format("%Y-%m-%d"), CString("2025-12-22")) << int(f->m_nRound);
    }
}

// Two teams of one, one game: A comes with no average, B enters at 150.0; both bowl 150
// every round, every second round recalculated. A is 150 / 40 from his first match on, so
// every match is a tie.
TEST(FiguresInForce, ANewBowlerKeepsHisFirstFiguresUntilTheFirstRefresh)
{
    ResultsLeague L(2, 1, 1, 3);
    L.HandicapTeamPoints();
    SetRecalcFrequency(L.doc, "2");
    L.Player(11)->SetEnteringAverage(0);
    L.Player(21)->SetEnteringAverage(1500);
    L.doc.Recalculate();
    for (int r = 1; r <= 3; ++r) {
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        ui.OnDialog(IDD_SINGLES_SCORESHEET).SetText(Cell(0, 0, 0), "150").SetText(Cell(1, 0, 0), "150").OK();
        OnResultEnterResults(L.doc);
        const CFixture* f = L.Match(r);
        EXPECT_EQ((std::vector<int>{f->m_nHandicap[0][0], f->m_nHandicap[0][MAX_POSITIONS],
                                    f->m_nHandicapMatchPoints[0], f->m_nHandicapMatchPoints[1]}),
                  (std::vector<int>{40, 40, 2, 2}))
            << "round " << r;
    }
}

// A vacancy on side A that takes its opponent's score, against a new bowler blind in game 1:
// the blind game is his average (180 from games 2 and 3) less 10, and the vacancy follows it.
TEST(FiguresInForce, AVacancyTakesItsOpponentsFinalBlindScore)
{
    ResultsLeague L(2, 2, 3, 1);
    L.doc.m_Robot[0].m_nKind = CRobot::kindOpponentsScore;
    L.doc.m_BlindScore[3].m_nMethod = CBlindScore::methodAverageLessPins;  // flat 120 below 1
    auto* pVacancy = new CPlayer(19);
    pVacancy->m_strName = "Vacancy";
    pVacancy->m_nRobot = 1;
    pVacancy->m_nTeamNo = 1;
    L.doc.AddPlayer(pVacancy);
    L.Team(1)->m_arrTeamOrder[1] = 19;
    L.Player(22)->SetEnteringAverage(0);
    L.doc.Recalculate();
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    f->m_dwPosFlags[CFixture::SlotOf(1, 1)] = PosBlind(0);  // bowler 22 missed game 1

    CScriptedBackend ui;
    auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    for (int g = 0; g < 3; ++g) {
        s.SetText(Cell(0, 0, g), "150").SetText(Cell(1, 0, g), "160");
        if (g > 0)
            s.SetText(Cell(1, 1, g), "180");
    }
    s.OK();
    ASSERT_TRUE(EditResult(&L.doc, f));
    const int kVacancy = CFixture::SlotOf(0, 1), kBlind = CFixture::SlotOf(1, 1);
    EXPECT_EQ((std::vector<int>{f->m_nScore[0][kBlind], f->m_nScore[0][kVacancy], f->m_nScore[1][kVacancy],
                                f->m_nScore[2][kVacancy]}),
              (std::vector<int>{170, 170, 180, 180}));
}

// The singles sheet recalculates once both sides are in, as the team sheets do.
TEST(FiguresInForce, TheSinglesSheetWorksItsNewBowlersFiguresThrough)
{
    {
        SCOPED_TRACE("a vacancy taking its opponent's score");
        ResultsLeague L(2, 1, 3, 1);
        L.HandicapTeamPoints();
        L.doc.m_Robot[0].m_nKind = CRobot::kindOpponentsScore;
        L.doc.m_Robot[0].m_nFlatHandicap = 39;  // bowler 21's: every game a tie
        L.Player(11)->m_nRobot = 1;
        L.doc.Recalculate();
        CFixture* f = L.Match(1);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SINGLES_SCORESHEET)
            // The vacancy's side has nothing to type: it ticked itself as the sheet opened.
            .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[0]).check, 1); })
            .SetText(Cell(1, 0, 0), "152")
            .SetText(Cell(1, 0, 1), "152")
            .SetText(Cell(1, 0, 2), "152")
            .OK();
        ASSERT_TRUE(EnterResult(&L.doc, f));
        EXPECT_EQ((std::vector<int>{f->m_nScore[0][0], f->m_nScore[2][0], f->m_nHandicapMatchPoints[0],
                                    f->m_nHandicapMatchPoints[1]}),
                  (std::vector<int>{152, 152, 4, 4}));
    }
    {
        SCOPED_TRACE("a new bowler's blind game, and his defaulted game without robot scores");
        ResultsLeague L(2, 1, 3, 1);
        CBlindScore& rule = L.doc.m_BlindScore[3];
        rule.m_nMethod = CBlindScore::methodAverageLessPercent;
        rule.m_nPercent = 10;
        rule.m_nFlatScore = 100;
        rule.m_nHandicapMethod = CBlindScore::hcpOwnAdjusted;
        L.Player(11)->SetEnteringAverage(0);
        L.doc.Recalculate();
        CFixture* f = L.Match(1);
        FillLineUp(&L.doc, f);
        f->m_dwPosFlags[0] = PosBlind(0);  // absent for game 1
        CScriptedBackend ui;
        ui.OnDialog(IDD_SINGLES_SCORESHEET)
            .Click(IDC_SS_DEFAULTED[0][2])
            .SetText(Cell(0, 0, 1), "187")
            .SetText(Cell(1, 0, 0), "150")
            .SetText(Cell(1, 0, 1), "150")
            .SetText(Cell(1, 0, 2), "150")
            .OK();
        ASSERT_TRUE(EditResult(&L.doc, f));
        ASSERT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
        // His one bowled game sets his figures: 187 less 10% is a blind 169, his handicap
        // (200 - 187) x 80% = 10 goes with it; the defaulted game 3 takes none.
        EXPECT_EQ((std::vector<int>{f->m_nScore[0][0], f->m_nHandicap[0][0], f->m_nHandicap[1][0], f->m_nHandicap[2][0],
                                    f->m_nHandicap[0][MAX_POSITIONS]}),
                  (std::vector<int>{169, 10, 10, 0, 39}));
    }
}

// The same road on the real widgets: round 2 typed with Tab, each sheet opening on the
// figures after round 1.
TEST(FiguresInForce, TypedOnTheRealSheetRoundTwoOpensOnRoundOnesFigures)
{
    SeasonLeague L;
    L.EnterRound(1);
    std::vector<Hcps> seen;
    CRealUi ui;
    ui.OnDialog(IDD_SELECT_ROUND, [](CRealDialog& d) { d.Enter(); });
    for (int m = 1; m <= 2; ++m)
        ui.OnDialog(IDD_DOUBLES_SCORESHEET, [&seen, m](CRealDialog& d) {
            seen.push_back({d.Text(IDC_SS_HC_A[0]), d.Text(IDC_SS_HC_A[1]), d.Text(IDC_SS_HC_B[0]), d.Text(IDC_SS_HC_B[1])});
            for (int side = 0; side < 2; ++side)
                for (int p = 0; p < 2; ++p)
                    for (int g = 0; g < 3; ++g)
                        d.Type(std::to_string(SeasonLeague::kScores[1][2 * m - 2 + side]).c_str()).Tab();
            d.Enter();
        });
    OnResultEnterResults(L.doc);
    EXPECT_EQ(seen, kEveryRound[1]);
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
    EXPECT_EQ(L.Match(2, 2)->m_nScore[2][CFixture::SlotOf(1, 1)], 130);
    EXPECT_EQ(L.Match(2, 2)->m_nHandicap[2][CFixture::SlotOf(0, 1)], 32);
}
