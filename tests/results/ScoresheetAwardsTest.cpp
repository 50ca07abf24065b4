// The scoresheet's match-wide buttons: Awards, New Player and Points, and the points
// analysis against a match worked by hand.
#include <gtest/gtest.h>

#include <algorithm>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "league/Awards.h"
#include "resources/dialogs/AdminDialogs.h"
#include "results/PointsAnalysisDlg.h"
#include "results/ResultEntry.h"

namespace {

CAwards* AddCategory(CBowlingDoc& doc, WORD nId, const char* pszName, BYTE nKind)
{
    auto* p = new CAwards(nId);
    p->m_strName = pszName;
    p->m_nKind = nKind;
    doc.m_listAwards.AddTail(p);
    return p;
}

CAwardData* AddRecord(CBowlingDoc& doc, WORD nNumber, WORD nCategory, WORD nRound, WORD nPlayer)
{
    auto* p = new CAwardData(nNumber);
    p->m_nCategory = nCategory;
    p->m_nRound = nRound;
    p->m_nPlayerNo = nPlayer;
    doc.AddAwardRecord(p);
    return p;
}

std::vector<CAwardData*> Records(CBowlingDoc& doc)
{
    std::vector<CAwardData*> v;
    for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;)
        v.push_back(static_cast<CAwardData*>(doc.m_listAwardData.GetNext(pos)));
    return v;
}

// The bowlers Enter Award Information offers, in name order.
Strs Offered(CDialog& d)
{
    Strs offered;
    for (const auto& item : Ctl(d, IDC_AWARD_PLAYER).items)
        offered.push_back(item.text.str());
    std::sort(offered.begin(), offered.end());
    return offered;
}

}  // namespace

// The award given goes into the league's awards in award order and stays with OK; the sheet
// closed with its Cancel button or Escape takes it back, and the league is unchanged.
TEST(ScoresheetAwards, TheAwardGoesInAwardOrderWithOKAndCancelTakesItBack)
{
    enum Close { kCancelButton, kEscape, kOK };
    for (Close close : {kCancelButton, kEscape, kOK}) {
        SCOPED_TRACE(close);
        ResultsLeague L(2, 2, 3, 2, 1);
        L.Player(11)->m_strSurname = "Adams";
        L.Player(12)->m_strSurname = "Brown";
        L.Player(21)->m_strSurname = "Zed";
        L.Player(22)->m_nRobot = 1;  // a vacancy bowls at B's second position
        AddCategory(L.doc, 0, "High Game", CAwards::kindManual);
        AddCategory(L.doc, 1, "Turkey", CAwards::kindManual);
        AddCategory(L.doc, 2, "Gme 275-300", CAwards::kindAbsoluteRange);
        CAwardData* pC = AddRecord(L.doc, 1, 0, 1, 21);
        CAwardData* pA = AddRecord(L.doc, 2, 1, 1, 12);
        CAwardData* pB = AddRecord(L.doc, 3, 1, 2, 11);
        ASSERT_EQ(Records(L.doc), (std::vector<CAwardData*>{pC, pA, pB}));
        CFixture* f = L.Match(1);

        CScriptedBackend ui;
        auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_AWARDS);
        ui.OnDialog(IDD_ENTER_AWARD)
            .Check([](CDialog& d) {
                EXPECT_EQ(CtlTexts(d, {IDOK, IDC_AWARD_ROUND, IDC_AWARD_DATE}), Strs({"Add", "Round 1", "Mon Sep 02 2024"}));
                // The manual categories only, and the real bowlers of this match only.
                const auto& awards = Ctl(d, IDC_AWARD_CATEGORY).items;
                ASSERT_EQ(awards.size(), 2u);
                EXPECT_EQ(awards[1].text, "Turkey");
                const auto& bowlers = Ctl(d, IDC_AWARD_PLAYER).items;
                ASSERT_EQ(bowlers.size(), 3u);
                for (const auto& b : bowlers)
                    EXPECT_NE(b.text, "Bowler 22");
                EXPECT_EQ(std::make_pair(Ctl(d, IDC_AWARD_CATEGORY).curSel, Ctl(d, IDC_AWARD_PLAYER).curSel), std::make_pair(0, 0));
            })
            .SelectString(IDC_AWARD_CATEGORY, "Turkey")
            .SelectString(IDC_AWARD_PLAYER, "Bowler 11")
            // A game the league of three games does not bowl.
            .SetText(IDC_AWARD_GAME, "4")
            .OK()
            .SetText(IDC_AWARD_GAME, "2")
            .OK();
        ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 3.");
        // While the sheet is open the award is the league's.
        sheet.Check([&L](CDialog&) { EXPECT_EQ(L.doc.m_listAwardData.GetCount(), 4); });
        if (close == kCancelButton)
            sheet.Click(IDCANCEL);
        else if (close == kEscape)
            sheet.Cancel();
        else
            sheet.OK();
        EXPECT_EQ(EnterResult(&L.doc, f), close == kOK ? TRUE : FALSE);
        EXPECT_TRUE(ui.AllUsed());

        const std::vector<CAwardData*> recs = Records(L.doc);
        if (close != kOK) {
            EXPECT_EQ(recs, (std::vector<CAwardData*>{pC, pA, pB}));
            EXPECT_FALSE(L.doc.IsModified());
            continue;
        }
        // Turkey (id 1), round 1: after High Game, and before Brown's award of the same round.
        ASSERT_EQ(recs.size(), 4u);
        EXPECT_EQ(recs, (std::vector<CAwardData*>{pC, recs[1], pA, pB}));
        const CAwardData& r = *recs[1];
        EXPECT_EQ((std::vector<int>{r.m_nRecordNo, r.m_nRound, r.m_nMatch, r.m_nCategory, r.m_nPlayerNo, r.m_nGame, r.m_nKind}),
                  (std::vector<int>{4, 1, 1, 1, 11, 2, 0}));
        EXPECT_EQ(r.m_pDoc, &L.doc);
        EXPECT_TRUE(L.doc.IsModified());
    }
}

TEST(ScoresheetAwards, OnlyThoseWhoBowledAGameAreOffered)
{
    // Bowler 12 away, his three games bowled by the reserve Bowler 13 as a pacer; Bowler 21
    // Non Qual throughout (bowled, though no game counts for him); Bowler 22 blind in games 1
    // and 2, bowling game 3. Excluding pacers' games from the figures does not undo that
    // Bowler 13 bowled.
    for (DWORD bExcludePacers : {0u, 1u}) {
        SCOPED_TRACE(bExcludePacers);
        ResultsLeague L(2, 2, 3, 2, 1);
        L.doc.m_bExcludePacers = bExcludePacers;
        AddCategory(L.doc, 0, "Sportsmanship", CAwards::kindManual);
        CFixture* f = L.Match(1);
        L.Play(f, 150, 160);
        const int a1 = CFixture::SlotOf(0, 1), b0 = CFixture::SlotOf(1, 0), b1 = CFixture::SlotOf(1, 1);
        for (int g = 0; g < 3; ++g) {
            f->m_dwPosFlags[a1] |= PosPacer(g);
            f->m_wPacerNo[g][a1] = 13;
            f->m_pPacer[g][a1] = L.Player(13);
            f->m_nPacerScore[g][a1] = 150;
            f->m_dwPosFlags[b0] |= PosNonQual(g);
        }
        f->m_dwPosFlags[b1] |= PosBlind(0) | PosBlind(1);

        CScriptedBackend ui;
        ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_AWARDS).Cancel();
        ui.OnDialog(IDD_ENTER_AWARD)
            .Check([](CDialog& d) {
                EXPECT_EQ(Offered(d), Strs({"Bowler 11", "Bowler 13", "Bowler 21", "Bowler 22"}));
            })
            .Cancel();
        EXPECT_FALSE(EditResult(&L.doc, f));
        EXPECT_TRUE(L.doc.m_listAwardData.IsEmpty());
    }
}

// As the secretary meets it: Bowler 11's three games are typed "Non Qual" in Substitutions,
// side B's date played is moved to 1 October, and Awards gives Bowler 11 a "Sportsmanship" for
// game 2. He is offered, his award is dated on his own side's day, and no game counts for him.
TEST(ScoresheetAwards, ABowlerWhoseEveryGameWasNonQualIsOffered)
{
    ResultsLeague L(2, 2, 3);
    AddCategory(L.doc, 0, "Sportsmanship", CAwards::kindManual);
    CFixture* f = L.Match(1);
    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_SUBS[0]);
    ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[0]).OK();
    auto& subs = ui.OnDialog(IDD_SUBSTITUTIONS);
    for (int g = 0; g < 3; ++g)
        subs.Click(IDC_SUB_NONQUAL[g]).SetText(IDC_SUB_SCORE[g], std::to_string(200 + g).c_str());
    subs.OK();
    ui.AnswerMessageBox(IDYES, "Score and handicap for non-qualifying results can only be amended here.");
    for (int g = 0; g < 3; ++g) {
        sheet.SetText(Cell(0, 1, g), "160");
        for (int p = 0; p < 2; ++p)
            sheet.SetText(Cell(1, p, g), "150");
    }
    sheet.Click(IDC_SS_CHANGE_DATE[1]);
    ui.OnDialog(IDD_ENTER_DATE_TIME).Select(IDC_DT_MONTH, 9).SetText(IDC_DT_DAY, "1").OK();
    sheet.Click(IDC_SS_AWARDS);
    ui.OnDialog(IDD_ENTER_AWARD)
        .Check([](CDialog& d) { EXPECT_EQ(Offered(d), Strs({"Bowler 11", "Bowler 12", "Bowler 21", "Bowler 22"})); })
        .SelectString(IDC_AWARD_PLAYER, "Bowler 11")
        .SetText(IDC_AWARD_GAME, "2")
        .OK();
    sheet.OK();
    ASSERT_TRUE(EnterResult(&L.doc, f));
    EXPECT_EQ(f->m_dwPosFlags[CFixture::SlotOf(0, 0)], PosNonQual(0) | PosNonQual(1) | PosNonQual(2));

    const std::vector<CAwardData*> recs = Records(L.doc);
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ((std::vector<int>{recs[0]->m_nPlayerNo, recs[0]->m_nGame}), (std::vector<int>{11, 2}));
    EXPECT_EQ(std::string(AwardDateText(&L.doc, *recs[0]).GetString()), "Mon Sep 02 2024");
    L.doc.Recalculate();
    EXPECT_EQ((std::vector<DWORD>{L.Player(11)->m_nGames[PASS_HANDICAP], L.Player(12)->m_nGames[PASS_HANDICAP]}),
              (std::vector<DWORD>{0, 3}));
}

TEST(ScoresheetAwards, NothingToAwardIsSaid)
{
    struct Case {
        int nSize;
        bool bAutomatic;
        const char* pszMessage;
    } cases[] = {
        {4, false, "No Awards have been defined yet."},
        {5, false, "No Manual Awards have been defined yet."},
        {1, true, "No Manual Awards have been defined yet."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nSize);
        ResultsLeague L(2, c.nSize, 3);
        if (c.bAutomatic)
            AddCategory(L.doc, 0, "Gme 275-300", CAwards::kindAbsoluteRange);
        CScriptedBackend ui;
        ui.OnDialog(c.nSize == 5 ? IDD_FIVES_SCORESHEET : c.nSize == 4 ? IDD_FOURS_SCORESHEET : IDD_SINGLES_SCORESHEET)
            .Click(IDC_SS_AWARDS)
            .Cancel();
        ui.AnswerMessageBox(IDOK, c.pszMessage);
        EnterResult(&L.doc, L.Match(1));
        EXPECT_TRUE(L.doc.m_listAwardData.IsEmpty());
    }
}

// The bowler New Player adds joins the league, his team's order and the sheet's lists; he stays
// with OK, and Cancel takes him out of the league again.
TEST(ScoresheetNewPlayer, TheNewBowlerJoinsTheLeagueAndTheListsAndGoesWithCancel)
{
    for (bool bOK : {false, true}) {
        SCOPED_TRACE(bOK ? "OK" : "Cancel");
        ResultsLeague L(2, 2, 3);
        const CFixture* f = L.Match(1);
        CScriptedBackend ui;
        auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_NEW_PLAYER);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, "Ann")
            .OK()  // no surname
            .SetText(IDC_PD_SURNAME, "Other")
            .SelectString(IDC_PD_TEAM, "Team 2")
            .Click(IDC_PD_ANOTHER)
            .OK();
        ui.AnswerMessageBox(IDOK, "A player may NOT have a blank name field!.");
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, "Ann")
            .SetText(IDC_PD_SURNAME, "Other")
            .OK()
            .Cancel();
        ui.AnswerMessageBox(IDOK, "There is an existing player with the same name.");
        sheet.Check([&](CDialog& d) {
            // The new bowler can be picked on her team's side; side A lists stay as they were.
            const auto& items = Ctl(d, IDC_SS_PLAYER_B[0]).items;
            EXPECT_EQ(items.size(), 3u);
            EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const CtlItem& i) { return i.text == "Ann Other"; }));
            EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_A[0]).items.size(), 2u);
            EXPECT_EQ(Ctl(d, IDC_SS_PLAYER_B[0]).text, "Bowler 21");
            EXPECT_NE(L.Player(23), nullptr);
        });
        if (bOK)
            sheet.OK();
        else
            sheet.Cancel();
        EnterResult(&L.doc, L.Match(1));
        EXPECT_EQ(f->m_wPlayerNo[0][CFixture::SlotOf(1, 0)], 21);
        CPlayer* p = L.Player(23);  // the next free number
        if (!bOK) {
            EXPECT_EQ(p, nullptr);
            EXPECT_EQ(L.doc.m_listPlayers.GetCount(), 4);
            EXPECT_EQ(L.Team(2)->GetOrderCount(), 2);
            EXPECT_FALSE(L.doc.IsModified());
            continue;
        }
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(Strs({p->m_strFirstName.str(), p->m_strSurname.str()}), Strs({"Ann", "Other"}));
        EXPECT_EQ(std::make_pair(static_cast<int>(p->m_nTeamNo), static_cast<int>(L.Team(2)->GetOrderAt(L.Team(2)->GetOrderCount() - 1))),
                  std::make_pair(2, 23));
        EXPECT_TRUE(L.doc.IsModified());
    }
}

// Doubles, two games, scratch points: a point a game per pair, two a game for the team,
// the same again for the series.
//
//   A: 180 150 | 330      B: 170 170 | 340      A1-B1: A, B, B     team game 1: 340-330 A
//      160 160 | 320         160 140 | 300      A2-B2: tie, A, A   team game 2: 310-310 tie
//                                                                   team series: 650-640 A
// A: game 1  1 + ½ + 2 = 3½, game 2  0 + 1 + 1 = 2, series 0 + 1 + 2 = 3: 8½ in all.
// B: game 1  0 + ½ + 0 =  ½, game 2  1 + 0 + 1 = 2, series 1 + 0 + 0 = 1: 3½ in all.
TEST(ScoresheetPoints, TheAnalysisShowsTheMatchWorkedByHand)
{
    ResultsLeague L(2, 2, 2);
    L.doc.m_bHandicapLeague = 0;
    L.doc.m_bScratchLeague = 1;
    CPointsRule& rule = L.doc.m_ScrPoints;
    rule.m_bIndividual = rule.m_bTeam = 1;
    for (int g = 0; g < 4; ++g)
        rule.m_nIndividualGame[g] = 2, rule.m_nTeamGame[g] = 4;
    rule.m_nIndividualSeries = 2, rule.m_nTeamSeries = 4;
    CFixture* f = L.Match(1);
    const WORD scores[2][2][2] = {{{180, 150}, {160, 160}}, {{170, 170}, {160, 140}}};
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < 2; ++p)
            for (int g = 0; g < 2; ++g)
                f->m_nScore[g][CFixture::SlotOf(s, p)] = scores[s][p][g];

    const std::string H = "\xBD";
    CScriptedBackend ui;
    auto& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_PLAYED[0]).Click(IDC_SS_POINTS);
    ui.AnswerMessageBox(IDOK, "Both teams have not played yet!");
    sheet.Click(IDC_SS_PLAYED[1])
        .Check([&](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_SS_POINTS_SCR[0], IDC_SS_POINTS_SCR[1]}), Strs({"8" + H, "3" + H}));
        })
        .Click(IDC_SS_POINTS);
    ui.OnDialog(IDD_DOUBLES_POINTS_ANALYSIS)
        .Check([&](CDialog& d) {
            auto cell = [&](int s, int row, int col) { return std::string(Ctl(d, IDC_PA_CELL[s][row][col]).text); };
            EXPECT_EQ(CtlTexts(d, {IDC_PA_TEAM[0], IDC_PA_MATCH_POINTS[0], IDC_PA_MATCH_POINTS[1]}),
                      Strs({"Team 1", "8" + H, "3" + H}));
            const std::string rowsA[4][5] = {{"1 ", "", "", "", ""},
                                             {" " + H, "1 ", "", "", "1 "},
                                             {"2 ", "1 ", "", "", "2 "},
                                             {"3" + H, "2 ", "", "", "3 "}};
            const std::string rowsB[4][5] = {{"", "1 ", "", "", "1 "},
                                             {" " + H, "", "", "", ""},
                                             {"", "1 ", "", "", ""},
                                             {" " + H, "2 ", "", "", "1 "}};
            const int rows[4] = {0, 1, PA_ROW_TEAM, PA_ROW_TOTALS};
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 5; ++c) {
                    SCOPED_TRACE(r * 10 + c);
                    EXPECT_EQ(cell(0, rows[r], c), rowsA[r][c]);
                    EXPECT_EQ(cell(1, rows[r], c), rowsB[r][c]);
                }
            for (int c = 0; c < 5; ++c)
                EXPECT_EQ(cell(0, PA_ROW_BONUS, c), "");
            // One system and no bonus rules: nothing to switch.
            EXPECT_EQ(Ctl(d, IDC_PA_SCRATCH).check, 1);
            EXPECT_EQ(CtlEnabled(d, {IDC_PA_HANDICAP, IDC_PA_SCRATCH, IDC_PA_BONUS_DETAIL}), std::vector<bool>(3, false));
        })
        .OK();
    sheet.OK();
    EXPECT_TRUE(EnterResult(&L.doc, f));
}

TEST(ScoresheetPoints, BothSystemsSwitchAndPinfallPointsShowInHundredths)
{
    ResultsLeague L(2, 3, 3);
    L.doc.m_bHandicapLeague = L.doc.m_bScratchLeague = 1;
    L.doc.m_Petersen.m_bScratch = 1;
    CFixture* f = L.Match(1);
    f->m_nHandicapMatchPoints[0] = -3;  // half points: a negative half keeps its sign
    f->m_nHandicapMatchPoints[1] = -1;
    f->m_wHandicapPoints[0][2][4] = 5;
    f->m_nScratchMatchPoints[0] = 1250;  // hundredths
    f->m_wScratchPoints[1][0][0] = 75;

    CScriptedBackend ui;
    ui.OnDialog(IDD_THREES_POINTS_ANALYSIS)
        .Check([](CDialog& d) {
            EXPECT_EQ(std::make_pair(Ctl(d, IDC_PA_HANDICAP).check, Ctl(d, IDC_PA_SCRATCH).enabled), std::make_pair(1, true));
            EXPECT_EQ(CtlTexts(d, {IDC_PA_MATCH_POINTS[0], IDC_PA_MATCH_POINTS[1], IDC_PA_CELL[0][2][4]}),
                      Strs({"-1\xBD", "-\xBD", "2\xBD"}));
        })
        .Click(IDC_PA_HANDICAP)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlChecks(d, {IDC_PA_SCRATCH, IDC_PA_HANDICAP}), (std::vector<int>{1, 0}));
            EXPECT_EQ(CtlTexts(d, {IDC_PA_MATCH_POINTS[0], IDC_PA_MATCH_POINTS[1], IDC_PA_CELL[1][0][0], IDC_PA_CELL[0][2][4]}),
                      Strs({"12.50", "", "0.75", ""}));
        })
        .Click(IDC_PA_HANDICAP)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PA_SCRATCH).check, 0); })
        .OK();
    CThreesPointsAnalysisDlg dlg;
    dlg.m_pFixture = f;
    dlg.m_pDoc = &L.doc;
    dlg.DoModal();
}
