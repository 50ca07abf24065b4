// Typing scores into a scoresheet: storing, ranges, the automatic advance, totals and the
// Played tick, and the checks of OK.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "league/Scoring.h"
#include "results/ResultEntry.h"

using Texts = std::vector<std::string>;

TEST(ScoreEntry, LeavingACellStoresItAndTheTotalsFollow)
{
    ResultsLeague L(2, 2, 3);
    L.doc.m_bHandicapLeague = 0;
    L.doc.m_bScratchLeague = 1;
    CPointsRule& rule = L.doc.m_ScrPoints;
    rule.m_bTeam = 1;
    rule.m_nTeamGame[0] = rule.m_nTeamGame[1] = rule.m_nTeamGame[2] = rule.m_nTeamSeries = 2;
    L.doc.UpdateMaxMatchPoints();
    CFixture* f = L.Match(1);

    CScriptedBackend ui;
    auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
    s.SetText(Cell(0, 0, 0), "150")
        .Focus(Cell(0, 0, 1))
        .Check([&](CDialog& d) {
            EXPECT_EQ(f->m_nScore[0][0], 150);
            // side A not entered yet
            EXPECT_EQ(CtlTexts(d, {IDC_SS_SERIES_A[0], IDC_SS_SCRTOTAL[0][0]}), Strs({"150", "0"}));
            EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[0]).check, 0);
        });
    // Side A complete: ticked by itself, and its totals count.
    const int a[2][3] = {{150, 160, 170}, {200, 210, 220}};
    const int b[2][3] = {{140, 165, 180}, {190, 200, 215}};
    for (int p = 0; p < 2; ++p)
        for (int g = 0; g < 3; ++g)
            s.SetText(Cell(0, p, g), std::to_string(a[p][g]).c_str());
    s.Focus(Cell(1, 0, 0)).Check([&](CDialog& d) {
        EXPECT_EQ(std::make_pair(static_cast<int>(f->m_bPlayed[0]), Ctl(d, IDC_SS_PLAYED[0]).check), std::make_pair(1, 1));
        // one side only: no points
        EXPECT_EQ(CtlTexts(d, {IDC_SS_SCRTOTAL[0][1], IDC_SS_SCRTOTAL_SERIES[0], IDC_SS_SERIES_A[1], IDC_SS_POINTS_SCR[0]}),
                  Strs({"370", "1110", "630", ""}));
    });
    for (int p = 0; p < 2; ++p)
        for (int g = 0; g < 3; ++g)
            s.SetText(Cell(1, p, g), std::to_string(b[p][g]).c_str());
    // Both sides in: the match points (2 per game and 2 for the series; A wins games 1 and 3
    // and the series, game 3 goes to B).
    s.Focus(IDOK).Check([&](CDialog& d) {
        EXPECT_EQ(Ctl(d, IDC_SS_PLAYED[1]).check, 1);
        EXPECT_EQ(CtlTexts(d, {IDC_SS_SCRTOTAL_SERIES[1], IDC_SS_POINTS_SCR[0], IDC_SS_POINTS_SCR[1]}),
                  Strs({"1090", "3 ", "1 "}));
    }).OK();
    EXPECT_TRUE(EnterDoublesResult(&L.doc, f));
    EXPECT_EQ((std::vector<int>{f->m_nScore[2][CFixture::SlotOf(1, 1)], f->m_nScratchMatchPoints[0]}),
              (std::vector<int>{215, 6}));
}

TEST(ScoreEntry, ASideTickedWithoutADateIsDatedWhenTheMatchWasDue)
{
    ResultsLeague L(2, 1, 2);
    CFixture* f = L.Match(2);
    const CTime due = f->m_timeDue;
    const CTime moved(2024, 10, 1, 20, 0, 0);
    CScriptedBackend ui;
    auto& s = ui.OnDialog(IDD_SINGLES_SCORESHEET);
    // Side A by its scores, side B by its box with a game still at 0.
    s.SetText(Cell(0, 0, 0), "150").Focus(Cell(0, 0, 1)).SetText(Cell(0, 0, 1), "160").Focus(Cell(1, 0, 0))
        .SetText(Cell(1, 0, 0), "170").Focus(Cell(1, 0, 1))
        .Check([&](CDialog& d) {
            EXPECT_EQ(std::make_pair(f->m_timePlayed[0], f->m_timePlayed[1]), std::make_pair(due, CTime(0)));
            EXPECT_EQ(Ctl(d, IDC_SS_DATE_PLAYED[0]).text, "09 Sep 24 07:30PM");
        })
        .Click(IDC_SS_PLAYED[1]);
    ui.AnswerMessageBox(IDYES, "One or more games has a zero score.");
    s.Check([&](CDialog&) { EXPECT_EQ(f->m_timePlayed[1], due); })
        // A changed date stays through unticking and ticking again.
        .Click(IDC_SS_CHANGE_DATE[1]);
    ui.OnDialog(IDD_ENTER_DATE_TIME).Select(IDC_DT_MONTH, 9).SetText(IDC_DT_DAY, "1").Select(IDC_DT_HOUR, 20).Select(IDC_DT_MINUTE, 0).OK();
    s.Click(IDC_SS_PLAYED[1]).Click(IDC_SS_PLAYED[1]);
    ui.AnswerMessageBox(IDYES, "One or more games has a zero score.");
    s.Check([&](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_DATE_PLAYED[1]).text, "01 Oct 24 08:00PM"); }).OK();
    EXPECT_TRUE(EnterSinglesResult(&L.doc, f));
    EXPECT_EQ(std::make_pair(f->m_timePlayed[0], f->m_timePlayed[1]), std::make_pair(due, moved));
}

TEST(ScoreEntry, ScoresAreCheckedAgainstTheLeaguesLimit)
{
    for (DWORD bFivePin : {0u, 1u}) {
        SCOPED_TRACE(bFivePin);
        ResultsLeague L(2, 1, 3);
        L.doc.m_bFivePinRules = bFivePin;
        CFixture* f = L.Match(1);
        const char* tooHigh = bFivePin ? "451" : "301";
        const char* highest = bFivePin ? "450" : "300";
        const std::string range = bFivePin ? "Please enter an integer between 0 and 450."
                                           : "Please enter an integer between 0 and 300.";
        CScriptedBackend ui;
        ui.OnDialog(IDD_SINGLES_SCORESHEET)
            .SetText(Cell(0, 0, 0), tooHigh)
            .Focus(Cell(0, 0, 1))
            .Check([&](CDialog& d) {
                // Refused: the focus is back on the cell and the fixture kept its score.
                EXPECT_EQ(std::make_pair(d.GetFocusID(), static_cast<int>(f->m_nScore[0][0])), std::make_pair(Cell(0, 0, 0), 0));
                EXPECT_EQ(Ctl(d, Cell(0, 0, 0)).text, tooHigh);
            })
            .SetText(Cell(0, 0, 0), "-1")
            .Focus(Cell(0, 0, 1))
            .SetText(Cell(0, 0, 0), "abc")
            .OK()
            .Check([&](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
            .SetText(Cell(0, 0, 0), highest)
            .Focus(Cell(0, 0, 1))
            .Check([&](CDialog&) { EXPECT_EQ(f->m_nScore[0][0], bFivePin ? 450 : 300); })
            .Cancel();
        EnterSinglesResult(&L.doc, f);
        EXPECT_EQ(ui.MessageTexts(), (Texts{range, range, "Please enter an integer."}));
    }
}

TEST(ScoreEntry, EnterOnOKStoresTheScoreBeingTyped)
{
    ResultsLeague L(2, 1, 1);
    CFixture* f = L.Match(1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SINGLES_SCORESHEET)
        .SetText(Cell(0, 0, 0), "190")
        .Focus(Cell(1, 0, 0))
        .SetText(Cell(1, 0, 0), "201")
        .Enter();  // OK by the keyboard: the box never loses the focus
    EXPECT_TRUE(EnterSinglesResult(&L.doc, f));
    EXPECT_EQ((std::vector<int>{f->m_nScore[0][0], f->m_nScore[0][CFixture::SlotOf(1, 0)], f->m_bPlayed[1]}),
              (std::vector<int>{190, 201, 1}));
}

TEST(ScoreEntry, AutoTabMovesOnOnceAScoreIsWhole)
{
    ResultsLeague L(2, 2, 3);
    L.doc.m_bAutoTabScores = 1;
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    f->m_dwPosFlags[CFixture::SlotOf(1, 0)] = PosBlind(0);  // side B's first cell takes no score

    CScriptedBackend ui;
    auto focusIs = [](UINT id) { return [id](CDialog& d) { EXPECT_EQ(d.GetFocusID(), id); }; };
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_AUTO_TAB).check, 1); })
        .SetText(Cell(0, 0, 0), "1").SetText(Cell(0, 0, 0), "15").Check(focusIs(Cell(0, 0, 0)))
        .SetText(Cell(0, 0, 0), "150").Check(focusIs(Cell(0, 0, 1)))
        .Check([&](CDialog& d) {
            EXPECT_EQ(f->m_nScore[0][0], 150);  // stored by the move
            // The next cell is selected whole, ready to be typed over.
            EXPECT_EQ(std::make_pair(Ctl(d, Cell(0, 0, 1)).selStart, Ctl(d, Cell(0, 0, 1)).selEnd), std::make_pair(0, 1));
        })
        .SetText(Cell(0, 0, 1), "4").SetText(Cell(0, 0, 1), "45").Check(focusIs(Cell(0, 0, 2)))
        .SetText(Cell(0, 0, 2), "3").SetText(Cell(0, 0, 2), "30").Check(focusIs(Cell(0, 0, 2)))
        .SetText(Cell(0, 0, 2), "7").Check(focusIs(Cell(0, 0, 2)))
        .SetText(Cell(0, 0, 2), " 45").Check(focusIs(Cell(0, 1, 0)))  // game 3 on to the next bowler
        .SetText(Cell(0, 1, 0), "-99").Check(focusIs(Cell(0, 1, 0)))
        .SetText(Cell(0, 1, 0), "   50").Check(focusIs(Cell(0, 1, 0)))  // judged as 5
        .SetText(Cell(0, 1, 0), "250").SetText(Cell(0, 1, 0), "25").Check(focusIs(Cell(0, 1, 0)))
        .SetText(Cell(0, 1, 0), "250").Check(focusIs(Cell(0, 1, 1)))
        .Focus(Cell(0, 1, 2))
        .SetText(Cell(0, 1, 2), "99").Check(focusIs(Cell(1, 0, 1)))  // past the blind cell of B
        .Focus(Cell(1, 1, 2))
        .SetText(Cell(1, 1, 2), "100").Check(focusIs(IDOK))
        // Switching the option off is a league setting, kept whatever the sheet's end.
        .Click(IDC_SS_AUTO_TAB)
        .SetText(Cell(1, 1, 1), "199").Check(focusIs(Cell(1, 1, 1)))
        .Cancel();
    EditDoublesResult(&L.doc, f);
    EXPECT_EQ(L.doc.m_bAutoTabScores, 0u);
    EXPECT_TRUE(L.doc.IsModified());
    EXPECT_EQ(f->m_nScore[0][0], 0);  // Cancel
}

TEST(ScoreEntry, FivePinRulesWaitForMoreThan45)
{
    ResultsLeague L(2, 1, 3);
    L.doc.m_bAutoTabScores = 1;
    L.doc.m_bFivePinRules = 1;
    CScriptedBackend ui;
    auto focusIs = [](UINT id) { return [id](CDialog& d) { EXPECT_EQ(d.GetFocusID(), id); }; };
    ui.OnDialog(IDD_SINGLES_SCORESHEET)
        .SetText(Cell(0, 0, 0), "45").Check(focusIs(Cell(0, 0, 0)))
        .SetText(Cell(0, 0, 0), "450").Check(focusIs(Cell(0, 0, 1)))
        .SetText(Cell(0, 0, 1), "46").Check(focusIs(Cell(0, 0, 2)))
        .Cancel();
    EnterSinglesResult(&L.doc, L.Match(1));
}

TEST(ScoreEntry, APlayerCannotBowlTwiceForOneSide)
{
    ResultsLeague L(2, 3, 3);
    CFixture* f = L.Match(1);
    CScriptedBackend ui;
    ui.OnDialog(IDD_THREES_SCORESHEET)
        .SelectString(IDC_SS_PLAYER_A[1], "Bowler 11")
        .Check([&](CDialog&) { EXPECT_EQ(f->m_wPlayerNo[3][1], 11); })
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SelectString(IDC_SS_PLAYER_A[1], "Bowler 12")
        // The same bowler on both sides is not this check's business.
        .SelectString(IDC_SS_PLAYER_B[0], "Bowler 21")
        .OK();
    EXPECT_TRUE(EnterThreesResult(&L.doc, f));
    EXPECT_EQ(ui.MessageTexts(), Texts{"A player cannot play twice in the same match"});
}

TEST(ScoreEntry, ABowlerPastTheBlindLimitMayBeChanged)
{
    ResultsLeague L(2, 2, 3);
    L.doc.m_nBlindGameLimit = 2;
    // Bowler 11 was absent for two games of round 1: at the limit before round 2.
    L.Play(L.Match(1), 150, 150);
    L.Match(1)->m_dwPosFlags[0] = PosBlind(0) | PosBlind(1);
    CFixture* f = L.Match(2);
    FillLineUp(&L.doc, f);
    f->m_bPlayed[0] = 1;
    f->m_timePlayed[0] = f->m_timeDue;
    // The question goes through the framework's message box.
    ASSERT_NE(g_pfnScoringAskYesNo, nullptr);

    CScriptedBackend ui;
    ui.AnswerMessageBox(IDYES, "Bowler 11 has exceeded the blind game limit. Click 'Yes' to change player.");
    ui.AnswerMessageBox(IDNO, "Bowler 11 has exceeded");
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Click(IDC_SS_BLINDS[0])  // and again in game 1
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .OK();
    ui.OnDialog(IDD_DOUBLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][0]).OK();
    EXPECT_TRUE(EditDoublesResult(&L.doc, f));
    EXPECT_EQ(ui.messages.size(), 2u);

    // Amended with OK and nothing changed, the blind game let stand is not asked about again;
    // a blind game new to the amendment is.
    CScriptedBackend amend;
    amend.OnDialog(IDD_DOUBLES_SCORESHEET).OK();
    EXPECT_TRUE(EditDoublesResult(&L.doc, f));
    EXPECT_EQ(amend.MessageTexts(), Texts{});
    amend.AnswerMessageBox(IDNO, "Bowler 11 has exceeded");
    amend.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_BLINDS[0]).OK();
    amend.OnDialog(IDD_DOUBLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][1]).OK();
    EXPECT_TRUE(EditDoublesResult(&L.doc, f));
    EXPECT_EQ(amend.MessageTexts(), Texts{"Bowler 11 has exceeded the blind game limit. Click 'Yes' to change player."});
}

TEST(ScoreEntry, ChangingABowlerKeepsTheScoresAndClearsTheMarks)
{
    ResultsLeague L(2, 2, 3, 2, 1);
    CFixture* f = L.Match(1);
    FillLineUp(&L.doc, f);
    f->m_nScore[0][1] = 177;
    f->m_dwPosFlags[1] = PosBlind(1) | PosPacer(2) | PosNonQual(0);
    CScriptedBackend ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET)
        .Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, Cell(0, 1, 1)).enabled); })
        .SelectString(IDC_SS_PLAYER_A[1], "Bowler 13")
        .Check([&](CDialog& d) {
            EXPECT_EQ(std::make_pair(f->m_dwPosFlags[1], static_cast<int>(f->m_nScore[0][1])), std::make_pair(PosNonQual(0), 177));
            EXPECT_EQ(std::make_pair(Ctl(d, Cell(0, 1, 1)).enabled, Ctl(d, IDC_SS_HC_A[1]).text.str()),
                      std::make_pair(true, std::string("37")));
        })
        .Cancel();
    EditDoublesResult(&L.doc, f);
}

// Ticking Defaulted by mistake and unticking it: the typed game comes back to the cells, the
// series and the team's totals alike, with or without robot scores for a defaulted game.
TEST(ScoreEntry, UntickingDefaultedBringsTheTypedGameBack)
{
    for (DWORD dwRobot : {0u, 1u}) {
        SCOPED_TRACE(dwRobot);
        ResultsLeague L(2, 2, 3);
        L.doc.m_dwRobotIfDefault = dwRobot;
        CFixture* f = L.Match(1);
        CScriptedBackend ui;
        auto& s = ui.OnDialog(IDD_DOUBLES_SCORESHEET);
        const int b[2][3] = {{140, 165, 180}, {190, 200, 215}};
        for (int p = 0; p < 2; ++p)
            for (int g = 0; g < 3; ++g)
                s.SetText(Cell(1, p, g), std::to_string(b[p][g]).c_str());
        s.Click(IDC_SS_DEFAULTED[1][2])
            .Click(IDC_SS_DEFAULTED[1][2])
            .Check([&](CDialog& d) {
                EXPECT_EQ((std::vector<int>{f->m_nDefaulted[1], f->m_nScore[2][CFixture::SlotOf(1, 0)],
                                            f->m_nScore[2][CFixture::SlotOf(1, 1)]}),
                          (std::vector<int>{0, 180, 215}));
                EXPECT_EQ(CtlTexts(d, {Cell(1, 0, 2), Cell(1, 1, 2), IDC_SS_SERIES_B[1], IDC_SS_SCRTOTAL[1][2],
                                       IDC_SS_SCRTOTAL_SERIES[1]}),
                          Strs({"180", "215", "605", "395", "1090"}));
                EXPECT_TRUE(Ctl(d, Cell(1, 1, 2)).enabled);
            })
            .Cancel();
        EnterDoublesResult(&L.doc, f);
    }
}
