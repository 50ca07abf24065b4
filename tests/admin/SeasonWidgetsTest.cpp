// The season dialogs on the real Qt widgets: the split summary as the secretary types and ticks,
// a round re-paired with clicks and double-clicks, a short season's entering average, and the
// dates of 2038 a league file holds.

#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "AdminChecks.h"
#include "AdminTest.h"
#include "NextSeason.h"
#include "DialogControls.h"
#include "RealDialogs.h"
#include "ReloadedLeague.h"
#include "QtWidgetSteps.h"
#include "SplitLeague.h"
#include "TimeZone.h"
#include "admin/ChangeDateDlg.h"
#include "admin/PlayerSetup.h"
#include "admin/SeasonCommands.h"
#include "admin/NewLeagueTeamsDlg.h"
#include "admin/EditScheduleDlg.h"
#include "admin/SplitSeasonDlg.h"
#include "league/SampleLeague.h"
#include "resources/CommandIds.h"

TEST(SeasonWidgets, TheSplitSummaryFollowsWhatIsTypedAndTicked)
{
    SetUpAdmin();
    QtUi ui;
    CSplitSeasonDlg dlg;
    dlg.m_nRounds = 32;
    dlg.m_nRoundsPerSplit = 10;
    dlg.m_nSplits = 4;
    dlg.m_bSplitSeason = 1;
    WhenModal([](QWidget* w) {
        EXPECT_EQ(LabelTexts(w, {IDC_SS_SUMMARY1, IDC_SS_SUMMARY2}), (QStringList{"3 splits of 10 rounds", "1 split of 2 rounds"}));
        auto* splits = Control<QLineEdit>(w, IDC_SS_SPLITS);
        Retype(splits, "2");
        EXPECT_EQ(LabelTexts(w, {IDC_SS_SUMMARY1, IDC_SS_SUMMARY2}), (QStringList{"1 split of 10 rounds", "1 split of 22 rounds"}));
        auto* perSplit = Control<QLineEdit>(w, IDC_SS_ROUNDS_PER_SPLIT);
        Retype(perSplit, "8");
        EXPECT_EQ(LabelTexts(w, {IDC_SS_SUMMARY1, IDC_SS_SUMMARY2}), (QStringList{"2 splits of 8 rounds", ""}));
        EXPECT_FALSE(Control<QCheckBox>(w, IDC_SS_USE_CUSTOM)->isEnabled()); // no second start
        QTest::mouseClick(Control<QCheckBox>(w, IDC_SS_ENABLED), Qt::LeftButton);
        EXPECT_EQ(Control<QLabel>(w, IDC_SS_SUMMARY1)->text(), "");
        QTest::mouseClick(Control<QCheckBox>(w, IDC_SS_ENABLED), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Nums(dlg.m_bSplitSeason, dlg.m_nRoundsPerSplit, dlg.m_nSplits), Nums(1, 8, 2));
}

TEST(SeasonWidgets, TheNumberOfSplitsShowsTheCountTheSummaryUses)
{
    SetUpAdmin();
    QtUi ui;
    CSplitSeasonDlg dlg;
    dlg.m_nRounds = 5;
    QString shownOnTick;
    QString shownAfterTyping;
    WhenModal([&](QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        auto* perSplit = Control<QLineEdit>(w, IDC_SS_ROUNDS_PER_SPLIT);
        auto* splits = Control<QLineEdit>(w, IDC_SS_SPLITS);
        Retype(perSplit, "2");
        QTest::keyClick(perSplit, Qt::Key_Tab);
        QTest::mouseClick(Control<QCheckBox>(w, IDC_SS_ENABLED), Qt::LeftButton);
        // 0 splits asked: the season is split in two, and the box says so.
        EXPECT_EQ(LabelTexts(w, {IDC_SS_SUMMARY1, IDC_SS_SUMMARY2}), (QStringList{"1 split of 2 rounds", "1 split of 3 rounds"}));
        shownOnTick = splits->text();
        // More splits than the rounds allow: cut to what fits once the box is left.
        Retype(splits, "7");
        QTest::keyClick(splits, Qt::Key_Tab);
        shownAfterTyping = splits->text();
        QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ((QStringList{shownOnTick, shownAfterTyping}), (QStringList{"2", "3"}));
    EXPECT_EQ(dlg.m_nSplits, 3);
}

TEST(SeasonWidgets, SplitsAreOfferedOnceARoundsPerSplitIsTypedAndATypedStartIsTakenByOK)
{
    SetUpAdmin();
    QtUi ui;
    CBowlingDoc doc;
    CSplitSeasonDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_nRounds = 30;
    WhenModal([](QWidget* w) {
        auto* enabled = Control<QCheckBox>(w, IDC_SS_ENABLED);
        EXPECT_FALSE(enabled->isEnabled());
        auto* perSplit = Control<QLineEdit>(w, IDC_SS_ROUNDS_PER_SPLIT);
        Retype(perSplit, "10");
        EXPECT_TRUE(enabled->isEnabled());
        WhenModal([](QWidget* custom) {
            auto* start2 = Control<QLineEdit>(custom, IDC_CS_START + 1);
            start2->setFocus();
            QTest::keyClicks(start2, "12");
            QTest::mouseClick(Control<QPushButton>(custom, IDOK), Qt::LeftButton);
        });
        QTest::mouseClick(Control<QPushButton>(w, IDC_SS_DEFINE_CUSTOM), Qt::LeftButton);
        auto* useCustom = Control<QCheckBox>(w, IDC_SS_USE_CUSTOM);
        EXPECT_TRUE(useCustom->isEnabled());
        QTest::mouseClick(useCustom, Qt::LeftButton);
        EXPECT_EQ(Control<QLabel>(w, IDC_SS_CUSTOM_SUMMARY)->text(), "2 Custom Splits.");
        QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Nums(doc.m_nCustomSplitStart[1], dlg.m_nCustomStart[1], dlg.m_bCustomSplits, dlg.m_nRoundsPerSplit),
              Nums(12, 12, 1, 10));
}

// The rounds-per-split box carries its label; a complete reset ticked on a league in round 7
// restarts the standings at once from split 2's first round, while the handicaps run on.
TEST(SeasonWidgets, TheRoundsBoxIsLabelledAndACompleteResetRestartsTheStandingsAtOnce)
{
    SetUpAdmin();
    SeasonCommands::Install();
    CBowlingDoc doc;
    SplitLeague::MakeSplitLeague(doc);
    SplitLeague::EnterSeason(doc, 7);
    // Seven rounds of one season: Dan 40 half points, Bill 32, Cara 24, Ann 16.
    ASSERT_EQ(SplitLeague::Standings(doc), SplitLeague::V({4, 2, 3, 1, 16, 32, 24, 40}));
    const int nAnnsHandicap = doc.FindPlayer(1)->m_nHandicap;

    QtUi ui;
    WhenModal([](QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        auto* label = Control<QLabel>(w, IDC_SS_ROUNDS_LABEL);
        auto* perSplit = Control<QLineEdit>(w, IDC_SS_ROUNDS_PER_SPLIT);
        ASSERT_TRUE(label && perSplit);
        EXPECT_EQ(label->text(), "Rounds to play before resetting scores.");
        // Beside its box, on the box's line, and wholly shown.
        EXPECT_LE(label->geometry().right(), perSplit->geometry().left());
        EXPECT_TRUE(perSplit->geometry().contains(perSplit->geometry().center().x(), label->geometry().center().y()));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());

        QTest::mouseClick(perSplit, Qt::LeftButton);
        QTest::keyClicks(perSplit, "6");
        QTest::keyClick(perSplit, Qt::Key_Tab);
        auto* enabled = Control<QCheckBox>(w, IDC_SS_ENABLED);
        EXPECT_TRUE(enabled->hasFocus());
        QTest::keyClick(enabled, Qt::Key_Space);
        EXPECT_EQ(Control<QLabel>(w, IDC_SS_SUMMARY1)->text(), "2 splits of 6 rounds");
        QTest::mouseClick(Control<QCheckBox>(w, IDC_SS_COMPLETE_RESET), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_EQ(Nums(doc.m_bSplitSeason, doc.m_nRoundsPerSplit, doc.m_nSplits, doc.m_bCompleteResetEachSplit,
                   doc.m_bResetHiStatsEachSplit),
              Nums(1, 6, 2, 1, 0));
    // Round 7 alone: Dan beat Ann and Cara beat Bill; Dan and Ann ahead on the round's pinfall.
    EXPECT_EQ(SplitLeague::Standings(doc), SplitLeague::V({4, 3, 1, 2, 0, 0, 8, 8}));
    EXPECT_EQ(doc.FindPlayer(1)->m_nHandicap, nAnnsHandicap);
    EXPECT_EQ(nAnnsHandicap, SplitLeague::kHandicaps[7][0]);
    EXPECT_TRUE(doc.IsModified());
}

TEST(SeasonWidgets, ARoundIsRePairedByClicksAndDoubleClicks)
{
    SetUpAdmin();
    QtUi ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2025, 9, 2));
    const std::vector<CFixture*> round2 = Fixtures(doc, 2);
    const WORD a1 = round2[0]->m_nTeamA, b1 = round2[0]->m_nTeamB, a2 = round2[1]->m_nTeamA, b2 = round2[1]->m_nTeamB;
    CEditScheduleDlg dlg;
    dlg.m_pDoc = &doc;
    WhenModal([](QWidget* w) {
        QTest::mouseClick(Control<QPushButton>(w, IDC_ES_NEXT), Qt::LeftButton);
        EXPECT_EQ(Control<QLabel>(w, IDC_ES_WEEK)->text(), "Week 2 / 3");
        QTest::mouseClick(Control<QPushButton>(w, IDC_ES_EDIT), Qt::LeftButton);
        auto* list = Control<QListWidget>(w, IDC_ES_TEAMS);
        ASSERT_TRUE(list->isVisible());
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(Control<QLabel>(w, IDC_ES_SLOT)->text(), "????????????");
        // Side A of match 2 first, then side A of match 1, side B of match 2; B of match 1 is left.
        for (int row : {2, 0, 1}) {
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        EXPECT_FALSE(list->isVisible());
        QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    const std::vector<CFixture*> after = Fixtures(doc, 2);
    EXPECT_EQ(Nums(after[0]->m_nTeamA, after[0]->m_nTeamB, after[1]->m_nTeamA, after[1]->m_nTeamB), Nums(a2, a1, b2, b1));
}

// The sample's round 10 re-paired on the real widgets, every match rearranged; then 12 typed in
// the week box and Tab, and 10 and Tab again: round 10 was stored as it was left, and shows its
// new pairs. Re-paired again and closed at once with Finished, or Escape, the second pairing is
// kept too. Round 10 has lost its results, so it is the round in hand, not round 11, and so
// saved and opened again.
TEST(SeasonWidgets, ARePairingIsStoredWhenAnotherRoundIsTypedInTheWeekBox)
{
    for (bool bEscape : {false, true}) {
        SCOPED_TRACE(bEscape ? "closed with Escape" : "closed with Finished");
        SetUpAdmin();
        SeasonCommands::Install();
        CBowlingDoc doc;
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        std::vector<WORD> s; // round 10 as it was: A1 B1 A2 B2 ...
        for (const CFixture* f : Fixtures(doc, 10))
            s.insert(s.end(), {f->m_nTeamA, f->m_nTeamB});
        auto pairs = [&doc] {
            std::vector<WORD> v;
            for (const CFixture* f : Fixtures(doc, 10))
                v.insert(v.end(), {f->m_nTeamA, f->m_nTeamB});
            return v;
        };
        auto name = [&](WORD n) { return std::string(doc.FindTeam(n)->m_strName.GetString()); };
        // Picked from the bottom of the list up: A4 v B3, A3 v B2, A2 v B1, A1 v B4.
        const std::vector<WORD> repaired = {s[6], s[5], s[4], s[3], s[2], s[1], s[0], s[7]};
        CRealUi ui;
        ui.AnswerMessageBox(IDYES, "This is a VERY DANGEROUS operation.");
        ui.AnswerMessageBox(IDYES, "the results will be erased!");
        ui.AnswerMessageBox(IDYES, "If you fully accept responsibility");
        ui.OnDialog(IDD_EDIT_SCHEDULE, [&](CRealDialog& d) {
            auto typeRound = [&d](const char* pszRound) {
                d.Click(IDC_ES_ROUND).Key(Qt::Key_A, Qt::ControlModifier).Type(pszRound).Tab();
            };
            typeRound("10");
            ASSERT_EQ(d.Text(IDC_ES_WEEK), "Week 10 / 21");
            d.Click(IDC_ES_EDIT);
            auto* list = qobject_cast<QListWidget*>(d.Widget(IDC_ES_TEAMS));
            ASSERT_NE(list, nullptr);
            // Each team picked by a double-click on its row.
            auto pick = [list](std::initializer_list<int> rows) {
                for (int row : rows) {
                    const QPoint at = list->visualItemRect(list->item(row)).center();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                }
            };
            pick({6, 5, 4, 3, 2, 1, 0});
            ASSERT_FALSE(list->isVisible());
            EXPECT_EQ(pairs(), s); // waiting, not yet stored
            typeRound("12");
            EXPECT_EQ(d.Text(IDC_ES_WEEK), "Week 12 / 21");
            EXPECT_EQ(pairs(), repaired);
            typeRound("10");
            EXPECT_EQ((std::vector<std::string>{d.Text(IDC_ES_SLOT), d.Text(IDC_ES_SLOT + 1)}),
                      (std::vector<std::string>{name(s[6]), name(s[5])}));
            // Re-paired again, match 1's sides changing places, and the dialog closed at once.
            d.Click(IDC_ES_EDIT);
            pick({1, 0, 0, 0, 0, 0, 0});
            if (bEscape)
                d.Escape();
            else
                d.Click(IDOK);
        });
        ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EDIT_SCHEDULE, CN_COMMAND, nullptr));
        std::vector<WORD> again = repaired;
        std::swap(again[0], again[1]);
        EXPECT_EQ(pairs(), again);
        for (const CFixture* f : Fixtures(doc, 10))
            EXPECT_FALSE(f->m_bPlayed[0] || f->m_bPlayed[1]);
        CBowlingDoc reloaded;
        ASSERT_TRUE(Reload(doc, reloaded));
        EXPECT_EQ(Nums(doc.m_nCurrentRound, reloaded.m_nCurrentRound), Nums(10, 10));
    }
}

TEST(SeasonWidgets, ATeamIsCarriedToTheNewSeasonOnlyOnceTheSecretarySelectsIt)
{
    SetUpAdmin();
    CBowlingDoc doc;
    MakeLeague(doc, 4, 3, At(2025, 9, 2));
    CRealUi ui;
    CNewLeagueTeamsDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_nTarget = 4;
    dlg.m_nAvailable = 4;
    ui.OnDialog(IDD_NEW_LEAGUE_TEAMS, [](CRealDialog& d) {
        // The focus in the list marks its first row without selecting it: ">>" waits.
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_NLT_AVAILABLE));
        EXPECT_FALSE(d.Widget(IDC_NLT_MOVE)->isEnabled());
        auto* list = qobject_cast<QListWidget*>(d.Widget(IDC_NLT_AVAILABLE));
        ASSERT_NE(list, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        EXPECT_TRUE(d.Widget(IDC_NLT_MOVE)->isEnabled());
        d.Click(IDC_NLT_MOVE);
        EXPECT_EQ(Items(d.Dialog(), IDC_NLT_ORDER), std::vector<std::string>{"Team_03"});
        // Moved away: nothing is selected again until the next click.
        EXPECT_FALSE(d.Widget(IDC_NLT_MOVE)->isEnabled());
        list->setFocus();
        d.Key(Qt::Key_Down);
        EXPECT_TRUE(d.Widget(IDC_NLT_MOVE)->isEnabled());
        d.Escape();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Split Season and Custom Splits on a 9-round league: a split starting after the last round is
// refused by OK (Enter), the dialog stays open with the focus in the box to mend, and what is
// typed there then is taken.
TEST(SeasonWidgets, ASplitStartingAfterTheLastRoundIsRefusedAndItsBoxTakesTheFocus)
{
    SetUpAdmin();
    SeasonCommands::Install();
    CBowlingDoc doc;
    MakeLeague(doc, 4, 9, At(2025, 9, 2));
    doc.m_nCustomSplitStart[1] = 12; // a start the league holds beyond its rounds
    CRealUi ui;
    ui.OnDialog(IDD_SPLIT_SEASON, [](CRealDialog& d) {
        d.Click(IDC_SS_ROUNDS_PER_SPLIT).Type("9").Tab();
        d.Click(IDC_SS_ENABLED);
        d.Enter();
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_SS_ROUNDS_PER_SPLIT));
        d.Type("3").Tab();
        EXPECT_EQ(d.Text(IDC_SS_SUMMARY1), "2 splits of 3 rounds");
        d.Click(IDC_SS_DEFINE_CUSTOM);
        d.Click(IDOK);
    });
    ui.OnDialog(IDD_CUSTOM_SPLITS, [](CRealDialog& d) {
        d.Enter(); // the start of 12 the dialog opened with
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_CS_START + 1));
        EXPECT_EQ(d.Text(IDC_CS_START + 1), "12");
        d.Type("10").Enter(); // typed over the selection, still after round 9
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_CS_START + 1));
        EXPECT_EQ(d.Text(IDC_CS_START + 1), "12");
        d.Type("6").Tab();
        EXPECT_EQ(d.Text(IDC_CS_DURATION + 1), "4 Rounds");
        d.Click(IDOK);
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "Beyond the last round NOT allowed.  The league has 9 rounds, so with 9 rounds per split, split 2 "
                  "would start at round 10.",
                  "Beyond the last round NOT allowed.  The league has 9 rounds, so split 2 cannot start at round 12.",
                  "Beyond the last round NOT allowed.  The league has 9 rounds, so split 2 cannot start at round 10."}));
    EXPECT_EQ(Nums(doc.m_bSplitSeason, doc.m_nRoundsPerSplit, doc.m_nSplits, doc.m_nCustomSplitStart[1]),
              Nums(1, 3, 2, 6));
}

// Add Position Round on the sample league (results in rounds 1 to 10), by keys: the box offers
// round 11; round 5 with Enter is refused naming round 11, the box keeps the focus with what was
// typed selected, and round 12 typed over it goes in.
TEST(SeasonWidgets, APositionRoundBeforeTheResultsIsRefusedAndTheRoundBoxKeepsTheFocus)
{
    SetUpAdmin();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CRealUi ui;
    ui.OnDialog(IDD_FIXTURE_DATES, [](CRealDialog& d) {
        d.Click(IDC_FD_ADD_POSITION);
        d.Click(IDOK); // Finished
    });
    ui.OnDialog(IDD_ADD_POSITION_WEEK, [](CRealDialog& d) {
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_APW_ROUND));
        EXPECT_EQ(d.Text(IDC_APW_ROUND), "11");
        d.Type("5").Enter();
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_APW_ROUND));
        EXPECT_EQ(d.Text(IDC_APW_ROUND), "5");
        d.Type("12").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Results have been entered up to round 10");
    ui.AnswerMessageBox(IDYES, "This will Insert a Positional Round at Round 12.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "Results have been entered up to round 10, so a position round can go no earlier than round 11.",
                  "This will Insert a Positional Round at Round 12.  Click Yes to continue."}));
    ASSERT_EQ(Nums(doc.m_nRounds, Fixtures(doc, 12).size()), Nums(22, 4));
    EXPECT_EQ(Nums(Fixtures(doc, 11)[0]->m_bPositionRound, Fixtures(doc, 12)[0]->m_bPositionRound), Nums(0, 1));
}

// The next season of the sample made with a minimum of 29 games, which two bowlers missed:
// Player > Entering Averages offers each his games, pins and average on the real dialog. Enter
// stores the offered average; the second has another typed over it, shown rounded to the tenth
// when the box is left and stored by Enter.
TEST(SeasonWidgets, TheShortSeasonsAverageIsOfferedAndEnterStoresIt)
{
    SetUpAdmin();
    PlayerSetup::Install();
    LeagueSetup::pfnAddNewPlayer = nullptr;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    const SeasonFigures before = FiguresOfTheSeason(doc);
    doc.m_nHcpMinGames = 29;
    MakeNextSeason(doc);
    std::vector<CPlayer*> shorts;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (!p->IsRobot() && p->GetEnteringAverage(TRUE) == 0)
            shorts.push_back(p);
    }
    ASSERT_EQ(shorts.size(), 2u);
    const auto [nGames, nPins] = before.at(shorts[0]->m_strName.GetString());
    ASSERT_EQ(nGames, 29u);
    const long nTenths = static_cast<long>(nPins * 10 / nGames);
    CString strAverage;
    strAverage.Format("%3ld.%ld", nTenths / 10, nTenths % 10);

    CRealUi ui;
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE, [&](CRealDialog& d) {
        EXPECT_EQ((std::vector<std::string>{d.Text(IDC_SEA_GAMES), d.Text(IDC_SEA_PINS), d.Text(IDC_SEA_AVERAGE),
                                            d.Text(IDC_SEA_ENTERING)}),
                  (std::vector<std::string>{"29", std::to_string(nPins), strAverage.GetString(), strAverage.GetString()}));
        d.Enter();
    });
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE, [&](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_SEA_NAME), (shorts[1]->m_strFirstName + " " + shorts[1]->m_strSurname).GetString());
        EXPECT_EQ(d.Text(IDC_SEA_GAMES), "29");
        d.Click(IDC_SEA_ENTERING).Key(Qt::Key_A, Qt::ControlModifier).Type("152.26").Tab();
        EXPECT_EQ(d.Text(IDC_SEA_ENTERING), "  152.3");
        d.Enter();
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    EXPECT_EQ(Nums(shorts[0]->m_nEnteringAvg, shorts[0]->m_nCurEnteringAvg, shorts[1]->m_nEnteringAvg),
              Nums(nTenths, nTenths, 1523));
    EXPECT_TRUE(ui.messages.empty());
}

// Set Fixture List for a new league of four teams, six matches a week apart, by keys and clicks:
// from Tue 15 Dec 2037 the season would end on 19 Jan 2038 at 6 pm, past the last date a league
// file holds (Greenwich time here). The refusal gives the day box the focus with the day
// selected, and 14 typed over it ends the season on 18 Jan.
TEST(SeasonWidgets, ASeasonPastTheLastDateSendsTheSecretaryBackToTheDay)
{
    const ScopedTimeZone zone("UTC");
    SetUpAdmin();
    CBowlingDoc doc;
    doc.m_nTeams = 4;
    for (WORD k = 1; k <= 4; ++k)
        doc.AddTeam(new CTeam("Team", k));
    CRealUi ui;
    ui.OnDialog(IDD_SET_FIXTURE_LIST, [](CRealDialog& d) {
        d.Click(IDC_DATE_DAY).Key(Qt::Key_A, Qt::ControlModifier).Type("15");
        d.Pick(IDC_DATE_MONTH, "Dec");
        d.Click(IDC_DATE_YEAR).Key(Qt::Key_A, Qt::ControlModifier).Type("2037").Tab();
        d.Pick(IDC_SFL_MATCHES, " 6 Matches");
        d.Enter();
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_DATE_DAY));
        EXPECT_EQ(d.Text(IDC_DATE_DAY), "15");
        d.Type("14").Enter();
    });
    ASSERT_EQ(doc.BuildFixtureList(), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The season would end after 19 Jan 2038, the last date a league file "
                                                    "can hold. Please choose an earlier start or fewer matches."});
    ASSERT_EQ(Nums(doc.m_nRounds, Weeks(doc).size()), Nums(6, 6));
    EXPECT_EQ(Fixtures(doc, 6)[0]->m_timeDue, At(2038, 1, 18));
}

// Change Date picked with the mouse: the year list ends with 2038, which for 3 am on Sun 18 Jan
// 2037 gives Mon 18 Jan 2038. February, or a week later, would pass 03:14:07 on 19 Jan, the last
// moment a league file holds: each is refused, saying which dates are taken, and the boxes keep
// showing the date kept, which OK gives.
TEST(SeasonWidgets, ChangeDateTakesTheDaysOf2038AFileHolds)
{
    const ScopedTimeZone zone("UTC");
    SetUpAdmin();
    CChangeDateDlg dlg;
    dlg.m_date = At(2037, 1, 18, 3, 0);
    CRealUi ui;
    ui.OnDialog(IDD_CHANGE_DATE, [](CRealDialog& d) {
        auto shown = [&d] {
            return std::vector<std::string>{d.Text(IDC_DATE_DAY), d.Text(IDC_DATE_MONTH), d.Text(IDC_DATE_YEAR),
                                            d.Text(IDC_DATE_HOUR), d.Text(IDC_DATE_WEEKDAY)};
        };
        d.Pick(IDC_DATE_YEAR, "2038");
        EXPECT_EQ(shown(), (std::vector<std::string>{"18", "Jan", "2038", "03 am", "Monday"}));
        d.PickRefused(IDC_DATE_MONTH, "Feb");
        EXPECT_EQ(shown(), (std::vector<std::string>{"18", "Jan", "2038", "03 am", "Monday"}));
        d.Click(IDC_CD_PLUS_WEEK);
        EXPECT_EQ(shown(), (std::vector<std::string>{"18", "Jan", "2038", "03 am", "Monday"}));
        d.Click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_date, At(2038, 1, 18, 3, 0));
    const std::string strRange = "Please enter a date between 01 Jan 1970 12:00 AM and 19 Jan 2038 03:14 AM.";
    EXPECT_EQ(ui.messages, (std::vector<std::string>{strRange, strRange}));
}

// A new league of eight teams and seven rounds. Enter in the week box goes to the round typed
// and the editor stays open, the box keeping the focus with its round selected for the next one;
// a round the season does not have is refused naming the season's rounds, and the pairing
// waiting stays; the round left with Enter keeps its new pairs.
TEST(SeasonWidgets, EnterInTheWeekBoxGoesToTheRoundTyped)
{
    SetUpAdmin();
    SeasonCommands::Install();
    CBowlingDoc doc;
    MakeLeague(doc, 8, 7, At(2025, 9, 2));
    auto pairs = [&doc] {
        std::vector<WORD> v;
        for (const CFixture* f : Fixtures(doc, 3))
            v.insert(v.end(), {f->m_nTeamA, f->m_nTeamB});
        return v;
    };
    auto name = [&](WORD n) { return std::string(doc.FindTeam(n)->m_strName.GetString()); };
    const std::vector<WORD> s = pairs(); // round 3 as it was: A1 B1 A2 B2 ...
    // Picked from the bottom of the list up: A4 v B3, A3 v B2, A2 v B1, A1 v B4.
    const std::vector<WORD> repaired = {s[6], s[5], s[4], s[3], s[2], s[1], s[0], s[7]};
    CRealUi ui;
    ui.AnswerMessageBox(IDOK, "Please enter a round between 1 and 7.");
    ui.AnswerMessageBox(IDOK, "Please enter a round between 1 and 7.");
    ui.OnDialog(IDD_EDIT_SCHEDULE, [&](CRealDialog& d) {
        auto shown = [&d] { return std::vector<std::string>{d.Text(IDC_ES_WEEK), d.Text(IDC_ES_ROUND)}; };
        d.Click(IDC_ES_ROUND).Key(Qt::Key_A, Qt::ControlModifier).Type("3").Enter();
        ASSERT_FALSE(d.Dialog().IsEnded());
        EXPECT_EQ(shown(), (std::vector<std::string>{"Week 3 / 7", "3"}));
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_ES_ROUND));
        d.Click(IDC_ES_EDIT);
        auto* list = qobject_cast<QListWidget*>(d.Widget(IDC_ES_TEAMS));
        ASSERT_NE(list, nullptr);
        for (int row : {6, 5, 4, 3, 2, 1, 0}) {
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        ASSERT_FALSE(list->isVisible());
        // Past the season, then before it: said, and round 3 stays with its pairing waiting.
        d.Click(IDC_ES_ROUND).Key(Qt::Key_A, Qt::ControlModifier).Type("8").Enter();
        EXPECT_EQ(shown(), (std::vector<std::string>{"Week 3 / 7", "3"}));
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_ES_ROUND));
        d.Type("0").Enter();
        ASSERT_FALSE(d.Dialog().IsEnded());
        EXPECT_EQ(shown(), (std::vector<std::string>{"Week 3 / 7", "3"}));
        EXPECT_EQ(pairs(), s);
        EXPECT_TRUE(d.Widget(IDC_ES_RESET)->isEnabled());
        // Round 5 typed over the selected 3: round 3 is left, its new pairs stored.
        d.Type("5").Enter();
        EXPECT_EQ(shown(), (std::vector<std::string>{"Week 5 / 7", "5"}));
        EXPECT_EQ(pairs(), repaired);
        d.Type("3").Enter();
        EXPECT_EQ((std::vector<std::string>{d.Text(IDC_ES_SLOT), d.Text(IDC_ES_SLOT + 1)}),
                  (std::vector<std::string>{name(s[6]), name(s[5])}));
        ASSERT_FALSE(d.Dialog().IsEnded());
        d.Click(IDOK);
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EDIT_SCHEDULE, CN_COMMAND, nullptr));
    EXPECT_EQ(pairs(), repaired);
    EXPECT_EQ(ui.messages.size(), 2u);
}
