// The scoresheet's companions driven through their controls from the sheet's buttons:
// substitutes, blind scores, exclusions, the date played, and Cancel undoing all of them.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "results/ResultEntry.h"
#include "results/SubstitutionsDlg.h"

namespace {

// Every game of both sides scored, so that either side can be ticked played.
void ScoreAll(ResultsLeague& L, CFixture* f, int nBase)
{
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < L.doc.m_nPlayersPerTeam; ++p)
            for (int g = 0; g < L.doc.m_nGamesPerMatch; ++g)
                f->m_nScore[g][CFixture::SlotOf(s, p)] = static_cast<WORD>(nBase + 10 * p + 3 * g + s);
}

}  // namespace

TEST(ScoresheetSubstitutes, TheRecordGoesBackGameByGame)
{
    ResultsLeague L(4, 4, 3, 2, 1);  // team 1: bowlers 11..14 and the reserve 15
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    const CFixture before(*f);

    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_FOURS_SCORESHEET).Click(IDC_SS_SUBS[0]);
    ui.OnDialog(IDD_FOURS_SUBSTITUTES)
        // The four-bowler picker names its team like the others.
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SUBS_TEAM).text, "Team 1"); })
        .Click(IDC_SUBS_POSITION[1])
        .OK();
    ui.OnDialog(IDD_SUBSTITUTIONS)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlChecks(d, {IDC_SUB_FROM_TEAM, IDC_SUB_ASSIGN_ALL}), (std::vector<int>{1, 1}));
            // The roster and the game's own bowler once more, in name order.
            const Strs items = Items(d, IDC_SUB_PLAYER[0]);
            ASSERT_EQ(items.size(), 6u);
            EXPECT_EQ(Strs({items[0], items[2], Selected(d, IDC_SUB_PLAYER[0]), Ctl(d, IDC_SUB_HCP[1]).text.str()}),
                      Strs({"Bowler 11", "Bowler 12", "Bowler 12", "38"}));
            // Three games: the fourth row takes nothing.
            EXPECT_EQ(CtlEnabled(d, {IDC_SUB_PLAYER[3], IDC_SUB_PACER[3]}), (std::vector<bool>{false, false}));
        })
        .Click(IDC_SUB_ASSIGN_ALL)                    // one game at a time
        .SelectString(IDC_SUB_PLAYER[1], "Bowler 15")  // the reserve bowls game 2
        .Check([](CDialog& d) {
            EXPECT_EQ(Strs({Selected(d, IDC_SUB_PLAYER[0]), Ctl(d, IDC_SUB_HCP[1]).text.str()}), Strs({"Bowler 12", "36"}));
        })
        .Click(IDC_SUB_FROM_LEAGUE)  // a bowler of another team paces game 3
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_SUB_FROM_TEAM).check, 0);
            EXPECT_EQ(Ctl(d, IDC_SUB_PLAYER[2]).items.size(), 20u);
        })
        .SelectString(IDC_SUB_PLAYER[2], "Bowler 35")
        .Click(IDC_SUB_PACER[2])
        .SetText(IDC_SUB_SCORE[0], "150")
        .SetText(IDC_SUB_SCORE[1], "187")
        .SetText(IDC_SUB_SCORE[2], "201")
        .OK();
    sheet.Check([&](CDialog& d) {
             const int k = CFixture::SlotOf(0, 1);
             // Game 1: the position's own bowler with the typed score; game 2: the reserve in the
             // regular slot, with his score and average; game 3: the pacer beside the position's
             // bowler, who keeps his slot.
             EXPECT_EQ((std::vector<long>{f->m_wPlayerNo[0][k], f->m_nScore[0][k], f->m_wPlayerNo[1][k], f->m_nScore[1][k],
                                          static_cast<long>(f->m_nAverage[1][k]), f->m_wPacerNo[2][k],
                                          f->m_nPacerScore[2][k], f->m_wPlayerNo[2][k]}),
                       (std::vector<long>{12, 150, 15, 187, 155, 35, 201, 12}));
             EXPECT_EQ(f->m_pPlayer[1][k], L.Player(15));
             EXPECT_EQ(f->m_dwPosFlags[k], PosPacer(2));
             // The sheet shows the position's regular scores; the other rows are untouched.
             EXPECT_EQ(std::make_pair(Sheet(d).m_nScoreA[1][0], Sheet(d).m_nScoreA[1][1]), std::make_pair(150u, 187u));
             EXPECT_EQ(Strs({Ctl(d, Cell(0, 1, 1)).text.str(), Sheet(d).m_strPlayerA[1].str()}), Strs({"187", "Bowler 12"}));
             EXPECT_EQ(f->m_nScore[0][0], before.m_nScore[0][0]);
         })
        .Cancel();
    EXPECT_FALSE(EditResult(&L.doc, f));
    EXPECT_TRUE(f->IsSameAs(before));
}

TEST(ScoresheetSubstitutes, NonQualScoreAndHandicapStayAsTyped)
{
    ResultsLeague L(2, 2, 2);
    CFixture* f = L.Match(1);
    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_SUBS[1]);
    ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[0]).Click(IDC_SUBS_POSITION[0]).OK();
    ui.OnDialog(IDD_SUBSTITUTIONS)
        .Click(IDC_SUB_NONQUAL[1])
        .Check([](CDialog& d) {
            // Ticking Non Qual clears that game's handicap and no other.
            EXPECT_EQ(CtlTexts(d, {IDC_SUB_HCP[1], IDC_SUB_HCP[0]}), Strs({"0", "39"}));
        })
        .SetText(IDC_SUB_HCP[1], "25")
        .SetText(IDC_SUB_SCORE[1], "140")
        .OK();
    ui.AnswerMessageBox(IDYES, "Score and handicap for non-qualifying results can only be amended here.  Really exit?");
    // Opened again, the handicap typed for the Non Qual game is offered, not the bowler's.
    ui.OnDialog(IDD_SUBSTITUTIONS)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_SUB_HCP[1], IDC_SUB_SCORE[1]}), Strs({"25", "140"}));
            EXPECT_EQ(Ctl(d, IDC_SUB_NONQUAL[1]).check, 1);
        })
        .Cancel();
    sheet
        .Check([&](CDialog& d) {
            const int k = CFixture::SlotOf(1, 0);
            EXPECT_EQ(f->m_dwPosFlags[k], PosNonQual(1));
            // The recalculation leaves a Non Qual game's handicap alone, and its cell shut.
            EXPECT_EQ((std::vector<int>{f->m_nScore[1][k], f->m_nHandicap[1][k], f->m_nHandicap[0][k]}),
                      (std::vector<int>{140, 25, 39}));
            EXPECT_FALSE(Ctl(d, Cell(1, 0, 1)).enabled);
        })
        .Cancel();
    EnterResult(&L.doc, f);
}

TEST(ScoresheetSubstitutes, ScoreRangeFollowsFivePinRules)
{
    for (DWORD bFivePin : {0u, 1u}) {
        SCOPED_TRACE(bFivePin);
        ResultsLeague L(2, 1, 1);
        L.doc.m_bFivePinRules = bFivePin;
        SubstitutionRecord rec;
        rec.nTeam = 1;
        rec.nPlayerNo[0] = 11;
        CScriptedBackend ui;
        auto& dlg = ui.OnDialog(IDD_SUBSTITUTIONS).SetText(IDC_SUB_SCORE[0], "420").OK();
        if (!bFivePin) {
            ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 300.");
            dlg.SetText(IDC_SUB_SCORE[0], "300").OK();
        }
        EXPECT_TRUE(EditSubstitutions(&L.doc, &rec));
        EXPECT_EQ(rec.nScore[0], bFivePin ? 420u : 300u);
    }
}

TEST(ScoresheetSubstitutes, ANewcomersEnteringAverageIsHisOnlyOnOK)
{
    struct Case {
        const char* pszName;
        std::vector<const char*> picks;  // in game 1's list, "Assign for ALL Games." ticked
        bool bOK;
        int nAverage;  // Bowler 12's afterwards
        WORD nGame3;   // the record's bowler of game 3
    } cases[] = {
        {"picked, then Cancel", {"Bowler 12"}, false, 0, 11},
        {"picked, then OK", {"Bowler 12"}, true, 187, 12},
        {"picked and taken back, then OK", {"Bowler 12", "Bowler 11"}, true, 0, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        ResultsLeague L(2, 1, 3, 2, 1);
        SubstitutionRecord rec = NewReserveRecord(L);
        const CPlayer* pNew = L.Player(12);
        CScriptedBackend ui;
        auto& dlg = ui.OnDialog(IDD_SUBSTITUTIONS);
        for (const char* pszPick : c.picks)
            dlg.SelectString(IDC_SUB_PLAYER[0], pszPick);
        if (c.bOK)
            dlg.OK();
        else
            dlg.Cancel();
        EXPECT_EQ(EditSubstitutions(&L.doc, &rec), c.bOK ? TRUE : FALSE);
        EXPECT_EQ((std::vector<int>{pNew->m_nAverage, rec.nPlayerNo[2]}), (std::vector<int>{c.nAverage, c.nGame3}));
    }
}

TEST(ScoresheetBlinds, BlindFlagsPerGameAndTheScoresThatFollow)
{
    ResultsLeague L(2, 4, 3);
    // Incremental blinds counted per team: the team's average-less-step per earlier blind.
    L.doc.m_bOneBlindRuleForAll = 1;
    CBlindScore& blind = L.doc.m_BlindScore[3];
    blind.m_nMethod = CBlindScore::methodIncremental, blind.m_nStep = 10, blind.m_nFlatScore = 100;
    L.doc.m_bBlindGamesPerTeam = 1;
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    const int k = CFixture::SlotOf(0, 1);  // side A position 2: Bowler 12, average 152
    f->m_dwPosFlags[k] = PosExcluded(1) | PosBlind(3);  // game 4 is not bowled in this league

    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_FOURS_SCORESHEET).Click(IDC_SS_BLINDS[0]);
    ui.OnDialog(IDD_FOURS_BLIND_SCORES)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_BLIND_TEAM, IDC_BLIND_BOWLER[1]}), Strs({"Team 1", "Bowler 12"}));
            // The game-4 mark shows, but cannot be changed.
            EXPECT_EQ(Ctl(d, IDC_BLIND_BOX[1][3]).check, 1);
            EXPECT_FALSE(Ctl(d, IDC_BLIND_BOX[1][3]).enabled);
        })
        .Click(IDC_BLIND_BOX[1][0])
        .Click(IDC_BLIND_BOX[1][2])
        .OK();
    ui.OnDialog(IDD_FOURS_BLIND_SCORES)
        .Click(IDC_BLIND_BOX[1][2])  // changed, then cancelled: nothing happens
        .Cancel();
    sheet.Click(IDC_SS_BLINDS[0])
        .Check([&](CDialog& d) {
            EXPECT_EQ(f->m_dwPosFlags[k], PosExcluded(1) | PosBlind(3) | PosBlind(0) | PosBlind(2));
            // 152 less 10 for the team's first blind game, less 20 for its second.
            EXPECT_EQ((std::vector<int>{f->m_nScore[0][k], f->m_nScore[2][k]}), (std::vector<int>{142, 132}));
            EXPECT_EQ(Ctl(d, Cell(0, 1, 0)).text, "142");
            EXPECT_EQ(CtlEnabled(d, {Cell(0, 1, 0), Cell(0, 1, 1)}), (std::vector<bool>{false, true}));
            EXPECT_EQ(L.Team(1)->m_nBlindGames[PASS_HANDICAP], 2);
        })
        .Click(IDC_SS_BLINDS[0]);
    ui.OnDialog(IDD_FOURS_BLIND_SCORES)
        .Click(IDC_BLIND_BOX[1][0])  // back for game 1: only that bit goes
        .OK();
    sheet
        .Check([&](CDialog& d) {
            EXPECT_EQ(f->m_dwPosFlags[k], PosExcluded(1) | PosBlind(3) | PosBlind(2));
            // Game 3 is now the team's first blind game; the counters are not raised twice.
            EXPECT_EQ(f->m_nScore[2][k], 142);
            EXPECT_TRUE(Ctl(d, Cell(0, 1, 0)).enabled);
            EXPECT_EQ(L.Team(1)->m_nBlindGames[PASS_HANDICAP], 1);
        })
        .OK();
    EXPECT_TRUE(EditResult(&L.doc, f));
    EXPECT_EQ(f->m_dwPosFlags[k], PosExcluded(1) | PosBlind(3) | PosBlind(2));
}

TEST(ScoresheetExclude, MarkedGamesStayOutOfTheHighFigures)
{
    ResultsLeague L(2, 4, 3);
    L.doc.m_bScratchLeague = 1;
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    ScoreAll(L, f, 150);
    f->m_nScore[1][0] = 280;  // Bowler 11's best game, and his best series with it
    f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
    f->m_timePlayed[0] = f->m_timePlayed[1] = f->m_timeDue;
    L.Player(11)->m_nEnteringAvg = L.Player(11)->m_nCurEnteringAvg = 1524;
    L.Player(12)->m_nEnteringAvg = L.Player(12)->m_nCurEnteringAvg = 1609;

    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_FOURS_SCORESHEET).Click(IDC_SS_EXCLUDE[0]);
    ui.OnDialog(IDD_EXCLUDE_GAMES)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_EXCL_TEAM, IDC_EXCL_PLAYER[0], IDC_EXCL_ENTERING_AVG[0], IDC_EXCL_ENTERING_AVG[1],
                                   IDC_EXCL_ENTERING_TOTAL}),
                      Strs({"Team 1", "Bowler 11", "152", "160", "619"}));
            // Four bowlers, three games: row 5 and column 4 are shut.
            EXPECT_EQ(CtlEnabled(d, {IDC_EXCL_BOX[3][2], IDC_EXCL_BOX[4][0], IDC_EXCL_BOX[0][3]}),
                      (std::vector<bool>{true, false, false}));
        })
        .Click(IDC_EXCL_BOX[0][1])
        .OK();
    ui.OnDialog(IDD_EXCLUDE_GAMES).Click(IDC_EXCL_BOX[1][0]).Cancel();
    sheet.Click(IDC_SS_EXCLUDE[0])
        .Check([&](CDialog&) {
            EXPECT_EQ(std::make_pair(f->m_dwPosFlags[0], f->m_dwPosFlags[1]), std::make_pair(PosExcluded(1), DWORD(0)));
        })
        .OK();
    EXPECT_TRUE(EditResult(&L.doc, f));

    L.doc.Recalculate();
    CPlayer* p11 = L.Player(11);
    CPlayer* p12 = L.Player(12);
    // Bowler 11's 280 counts for his pins and average, not for his high game; the match is
    // out of his high series altogether. Bowler 12 beside him is unaffected.
    EXPECT_EQ(p11->m_nPins[PASS_SCRATCH], 150u + 280u + 156u);
    EXPECT_EQ((std::vector<int>{p11->GetHighGameScratch(), p11->GetHighSeriesScratch(), p12->GetHighGameScratch(),
                                p12->GetHighSeriesScratch()}),
              (std::vector<int>{156, 0, 166, 160 + 163 + 166}));
}

TEST(ScoresheetDatePlayed, NewDatesWithinWhatTheFileStores)
{
    ResultsLeague L(2, 2, 2);
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    ScoreAll(L, f, 150);
    f->m_bPlayed[0] = 1;
    f->m_timePlayed[0] = CTime(2001, 3, 14, 21, 43, 0);

    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_CHANGE_DATE[1]);
    ui.AnswerMessageBox(IDOK, "This match has not been played yet!");
    sheet.Click(IDC_SS_CHANGE_DATE[0]);
    ui.OnDialog(IDD_ENTER_DATE_TIME)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_DT_WEEKDAY, IDC_DT_DAY, IDC_DT_YEAR, IDC_DT_LINE2}),
                      Strs({"Wed", "14", "2001", "Team 1"}));
            EXPECT_EQ(Strs({Selected(d, IDC_DT_MONTH), Selected(d, IDC_DT_HOUR), Selected(d, IDC_DT_MINUTE)}),
                      Strs({"Mar", "09 pm", "40"}));
        })
        // A day past the month's end carries into the next month.
        .Select(IDC_DT_MONTH, 3)
        .SetText(IDC_DT_DAY, "31")
        .Focus(IDC_DT_YEAR)
        .Check([](CDialog& d) {
            EXPECT_EQ(Strs({Ctl(d, IDC_DT_DAY).text.str(), Selected(d, IDC_DT_MONTH), Ctl(d, IDC_DT_WEEKDAY).text.str()}),
                      Strs({"1", "May", "Tue"}));
        })
        // The 32-bit seconds of the file end in January 2038: later dates are refused
        // and the boxes go back to the last good date.
        .SetText(IDC_DT_YEAR, "2038")
        .Focus(IDC_DT_DAY)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_DT_YEAR).text, "2001"); })
        .SetText(IDC_DT_YEAR, "2039")
        .Focus(IDC_DT_DAY)
        .SetText(IDC_DT_YEAR, "2037")
        .Select(IDC_DT_MINUTE, 3)
        .Click(IDC_DT_BOTH_TEAMS)
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter a date between");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1970 and 2038.");
    sheet
        .Check([&](CDialog& d) {
            const CTime want(2037, 5, 1, 21, 15, 0);
            // Both Teams
            EXPECT_EQ((std::vector<CTime>{f->m_timePlayed[0], f->m_timePlayed[1], Sheet(d).m_timePlayedA,
                                          Sheet(d).m_timePlayedB}),
                      std::vector<CTime>(4, want));
            EXPECT_EQ(Ctl(d, IDC_SS_DATE_PLAYED[0]).text, "01 May 37 09:15PM");
        })
        .Cancel();
    EXPECT_FALSE(EditResult(&L.doc, f));
    EXPECT_EQ(f->m_timePlayed[0], CTime(2001, 3, 14, 21, 43, 0));
}

TEST(ScoresheetCancel, UndoesEveryCompanionsChange)
{
    ResultsLeague L(2, 3, 3, 2, 1);
    L.doc.m_bBlindGamesPerTeam = 0;
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    ScoreAll(L, f, 140);
    f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
    f->m_timePlayed[0] = f->m_timePlayed[1] = f->m_timeDue;
    const CFixture before(*f);

    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_THREES_SCORESHEET).Click(IDC_SS_SUBS[1]);
    ui.OnDialog(IDD_THREES_SUBSTITUTES).Click(IDC_SUBS_POSITION[2]).OK();
    ui.OnDialog(IDD_SUBSTITUTIONS)
        .Click(IDC_SUB_FROM_LEAGUE)
        .SelectString(IDC_SUB_PLAYER[0], "Bowler 14")
        .SetText(IDC_SUB_SCORE[0], "99")
        .OK();
    sheet.Click(IDC_SS_BLINDS[0]);
    ui.OnDialog(IDD_THREES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][1]).OK();
    sheet.Click(IDC_SS_EXCLUDE[1]);
    ui.OnDialog(IDD_EXCLUDE_GAMES).Click(IDC_EXCL_BOX[2][2]).OK();
    sheet.Click(IDC_SS_CHANGE_DATE[1]);
    ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, "20").OK();
    sheet
        .Check([&](CDialog& d) {
            // Everything is in the fixture while the sheet is open ...
            EXPECT_EQ(f->m_wPlayerNo[0][CFixture::SlotOf(1, 2)], 14);
            EXPECT_EQ(f->m_dwPosFlags[0], PosBlind(1));
            EXPECT_EQ(f->m_dwPosFlags[CFixture::SlotOf(1, 2)], PosExcluded(2));
            EXPECT_EQ(f->m_timePlayed[1].GetDay(), 20);
            // ... and the new bowler is offered in his position's list.
            EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_B[2]).items.size(), 5u);
        })
        .Cancel();
    EXPECT_FALSE(EditResult(&L.doc, f));
    // ... and nothing of it after Cancel.
    EXPECT_TRUE(f->IsSameAs(before));
}

TEST(ScoresheetSubstitutes, TheSinglesSheetSubstitutesItsOnePositionItself)
{
    ResultsLeague L(2, 1, 2, 2, 1);  // team 1: Bowler 11 and the reserve Bowler 12
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_SINGLES_SCORESHEET).Click(IDC_SS_SUBS[0]);
    ui.OnDialog(IDD_SUBSTITUTIONS).SelectString(IDC_SUB_PLAYER[0], "Bowler 12").SetText(IDC_SUB_SCORE[1], "133").OK();
    sheet.Click(IDC_SS_SUBS[0]);
    ui.OnDialog(IDD_SUBSTITUTIONS).SelectString(IDC_SUB_PLAYER[0], "Bowler 11").Cancel();
    sheet
        .Check([&](CDialog& d) {
            // "Assign for ALL Games." put the reserve into both games; Cancel changed nothing.
            EXPECT_EQ((std::vector<int>{f->m_wPlayerNo[0][0], f->m_wPlayerNo[1][0], f->m_nScore[1][0]}),
                      (std::vector<int>{12, 12, 133}));
            EXPECT_EQ(Strs({Sheet(d).m_strPlayerA[0].str(), Ctl(d, Cell(0, 0, 1)).text.str()}), Strs({"Bowler 12", "133"}));
        })
        .OK();
    EXPECT_TRUE(EditResult(&L.doc, f));
}

TEST(ScoresheetExclude, TheFivesSheetHasItsOwnButtonIds)
{
    ResultsLeague L(2, 5, 4);
    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_FIVES_SCORESHEET).Click(IDC_SS_EXCLUDE_FIVES[1]);
    ui.OnDialog(IDD_EXCLUDE_GAMES)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_EXCL_TEAM).text, "Team 2");
            EXPECT_TRUE(Ctl(d, IDC_EXCL_BOX[4][3]).enabled);
        })
        .Click(IDC_EXCL_BOX[4][3])
        .OK();
    CFixture* f = L.Match(1);
    sheet.Check([&](CDialog&) { EXPECT_EQ(f->m_dwPosFlags[CFixture::SlotOf(1, 4)], PosExcluded(3)); }).Cancel();
    EnterResult(&L.doc, f);
    EXPECT_EQ(f->m_dwPosFlags[CFixture::SlotOf(1, 4)], 0u);  // undone with the sheet
}
