// The result summary: its lines in both formats, the win and lose fonts, the averages, its
// stored bytes across file versions, its HTML and its options dialog.
#include "DrawnText.h"
#include "ReportTestHelpers.h"
#include "ResultTestLeague.h"
#include "ScriptedBackend.h"
#include "reports/layout/ResultSummary.h"
#include "reports/layout/ResultSummaryDlg.h"
#include "resources/Resource.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kMaroon = RGB(128, 0, 0);

// Round 5 of a handicap league of pairs, three games:
//   match 1  Alley Cats v Pin Pals     both entered, Cats win 7 to 3 (handicap points)
//   match 2  Strikers v Spares         only the Strikers entered
//   match 3  Gutter Gang v Bye         not shown
//   round 6  Alley Cats v Strikers     nothing entered
class ResultSummary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        m_doc.m_nGamesPerMatch = 3;
        m_doc.m_nPlayersPerTeam = 2;
        m_doc.m_nRounds = 10;
        m_doc.m_nCurrentRound = 5;
        m_doc.m_bHandicapLeague = 1;
        m_doc.m_bScratchLeague = 1;
        AddResultTeam(m_doc, 1, "Alley Cats");
        AddResultTeam(m_doc, 2, "Pin Pals");
        AddResultTeam(m_doc, 3, "Strikers");
        AddResultTeam(m_doc, 4, "Spares");
        AddResultTeam(m_doc, 5, "Gutter Gang");
        AddResultTeam(m_doc, 6, "Bye")->m_bBye = 1;
        m_pAnn = AddResultPlayer(m_doc, 1, "Ann", 1);
        m_pBob = AddResultPlayer(m_doc, 2, "Bob", 1);
        m_pDee = AddResultPlayer(m_doc, 3, "Dee", 2);
        m_pEve = AddResultPlayer(m_doc, 4, "Eve", 2);
        m_pGus = AddResultPlayer(m_doc, 5, "Gus", 3);
        m_pHal = AddResultPlayer(m_doc, 6, "Hal", 3);

        m_f1 = AddResultFixture(m_doc, 5, 1, 2);
        PutBowler(m_f1, 0, 0, m_pAnn, {200, 180, 190}, 10);   // 570, 600 with handicap
        PutBowler(m_f1, 0, 1, m_pBob, {150, 160, 170}, 20);   // 480, 540
        PutBowler(m_f1, 1, 0, m_pDee, {190, 200, 210}, 0);    // 600
        PutBowler(m_f1, 1, 1, m_pEve, {140, 150, 160}, 30);   // 450, 540
        m_f1->m_nHandicapMatchPoints[0] = 14;
        m_f1->m_nHandicapMatchPoints[1] = 6;
        m_f1->m_nScratchMatchPoints[0] = 4;
        m_f1->m_nScratchMatchPoints[1] = 16;

        m_f2 = AddResultFixture(m_doc, 5, 3, 4);
        PutBowler(m_f2, 0, 0, m_pGus, {170, 170, 0}, 0);
        PutBowler(m_f2, 0, 1, m_pHal, {170, 170, 0}, 0);
        m_f2->m_nDefaulted[0] = DefaultedBit(2);

        AddResultFixture(m_doc, 5, 5, 6);
        AddResultFixture(m_doc, 6, 1, 3);

        m_item.m_pDoc = &m_doc;
        m_item.m_nRound = 5;
        m_item.m_bHcpPoints = 1;
        m_item.m_x = 720;
        m_item.m_y = -1000;
        m_item.m_fontWin.m_crColour = kGreen;
        m_item.m_fontLose.m_crColour = kMaroon;
    }

    // Right-aligned texts of the recording DC end at their column: a character is half the
    // font's height wide, 100 twips in the default fonts.
    static int RightEnd(const DrawCall& c)
    {
        return c.x1 + c.text.GetLength() * std::max(1, std::abs(static_cast<int>(c.font.lfHeight)) / 2);
    }
    // Where every text s of the drawing ends, in drawing order (side A's heading, then side B's).
    static std::vector<int> Ends(const CRecordingDC& dc, const char* s)
    {
        std::vector<int> ends;
        for (const DrawCall& c : dc.calls)
            if (c.kind == DrawCall::Text && c.text == s)
                ends.push_back(RightEnd(c));
        return ends;
    }
    // Four games: the Strikers (side A of match 2) bowl 210, 210, 185 and default game 4, a
    // series of 605*; match 1 has no fourth game yet (0) and stays at 1140 a side.
    void FourGames()
    {
        m_doc.m_nGamesPerMatch = 4;
        for (CFixture* f : {m_f1, m_f2})
            f->m_nGames = 4;
        PutBowler(m_f2, 0, 0, m_pGus, {100, 90, 80, 0}, 0);
        PutBowler(m_f2, 0, 1, m_pHal, {110, 120, 105, 0}, 0);
        m_f2->m_nDefaulted[0] = DefaultedBit(3);
    }
    static void ExpectEnds(const CRecordingDC& dc, std::initializer_list<std::pair<const char*, int>> ends)
    {
        for (const auto& [psz, x] : ends)
            EXPECT_EQ(RightEnd(TextCall(dc, psz)), x) << psz << "\n" << dc.Dump();
    }

    CBowlingDoc m_doc;
    CPlayer *m_pAnn = nullptr, *m_pBob = nullptr, *m_pDee = nullptr, *m_pEve = nullptr, *m_pGus = nullptr,
            *m_pHal = nullptr;
    CFixture* m_f1 = nullptr;
    CFixture* m_f2 = nullptr;
    CRepItem_ResultSummary m_item;
};

} // namespace

TEST_F(ResultSummary, OriginalFormatLines)
{
    CRecordingDC dc;
    // Three title steps and the two matches that are not byes.
    EXPECT_EQ(m_item.GetHeight(&dc), -5 * 200);
    m_item.Draw(&dc, nullptr);
    const std::string dump = dc.Dump();

    const char* pszHeading = "Hcp Results Summary for Round 5 on 03 Mar 09 19:30.";
    const DrawCall& heading = TextCall(dc, pszHeading);
    EXPECT_EQ(heading.x1, 5760 - static_cast<int>(std::string(pszHeading).size()) * 100 / 2) << dump;
    EXPECT_EQ(heading.y1, -1000);

    // Column headings one title step lower: G1..G3 at the three-game columns.
    EXPECT_EQ(TextCall(dc, "Team").y1, -1200);
    EXPECT_EQ(CountTexts(dc, "G4"), 0);

    // Match 1: the winner's name in the win font, the loser's in the lose font.
    const DrawCall& cats = TextCall(dc, "Alley Cats");
    EXPECT_EQ(std::make_pair(cats.x1, cats.y1), std::make_pair(720, -1400)) << dump;
    EXPECT_EQ(cats.color, kGreen);
    EXPECT_EQ(TextCall(dc, "Pin Pals").color, kMaroon);
    EXPECT_EQ(TextCall(dc, "7 ").color, RGB(0, 0, 0));
    // Match 1's team games with handicap (380 = 200 + 150 + 10 + 20), series (1140 = 600 + 540)
    // and points (7 and 3); match 2 has only side A's figures, the defaulted game 3 and the
    // series marked.
    ExpectEnds(dc, {{"G2", 3528}, {"G3", 4032}, {"Pin Pals", 10800}, {"380", 3024}, {"1140", 4752}, {"7 ", 5472},
                    {"3 ", 6624}, {"0*", 4032}, {"680*", 4752}});
    EXPECT_EQ(TextCall(dc, "Strikers").y1, -1600);
    // 0 points each: a tie.
    EXPECT_EQ(std::make_pair(TextCall(dc, "Spares").color, TextCall(dc, "Strikers").color),
              std::make_pair(kGreen, kGreen));
    EXPECT_EQ(CountTexts(dc, "Gutter Gang"), 0);

    // The closing averages.
    CString league, round;
    league.Format("League Average Game %6.2f", m_doc.GetLeagueAverage());
    round.Format("Round 5 Average Game %6.2f", m_doc.GetRoundAverage(5));
    EXPECT_EQ(TextCall(dc, league).y1, -1800);
    EXPECT_EQ(RightEnd(TextCall(dc, round)), 10800);

    // The names drawn are found by the right-click menu.
    EXPECT_TRUE(m_doc.FindTeam(2)->HitTest(CPoint(10700, -1450)));
    EXPECT_FALSE(m_doc.FindTeam(2)->HitTest(CPoint(9000, -1450)));
}

TEST_F(ResultSummary, FiguresThatFitStayInTheirColumns)
{
    // Four games: "605*" and "1140" are 400 twips wide, 32 short of the 432 between the columns.
    FourGames();
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    const std::string dump = dc.Dump();
    using Cols = std::vector<int>;
    EXPECT_EQ(Ends(dc, "G1"), (Cols{3024, 7344})) << dump;
    EXPECT_EQ(Ends(dc, "G2"), (Cols{3456, 7776}));
    EXPECT_EQ(Ends(dc, "G3"), (Cols{3888, 8208}));
    EXPECT_EQ(Ends(dc, "G4"), (Cols{4320, 8640}));
    EXPECT_EQ(Ends(dc, "Tot"), (Cols{4752, 9072}));
    EXPECT_EQ(Ends(dc, "1140"), (Cols{4752, 9072}));
    ExpectEnds(dc, {{"605*", 4752}, {"0*", 4320}, {"185", 3888}});
    EXPECT_EQ(Ends(dc, "210"), (Cols{3024, 3456}));

    // Measured in the device's font: figures of 107 twips leave "605*" 4 twips clear of game 4;
    // at 108 twips it would touch, and only then the totals move out by 504 (432 + a gap of 72).
    m_item.m_fontDetail.m_nPrinterHeight = -214;
    CRecordingDC dc107;
    m_item.Draw(&dc107, nullptr);
    EXPECT_EQ(Ends(dc107, "605*"), (Cols{4752})) << dc107.Dump();
    EXPECT_EQ(Ends(dc107, "G4"), (Cols{4320, 8640}));
    m_item.m_fontDetail.m_nPrinterHeight = -216;
    CRecordingDC dc108;
    m_item.Draw(&dc108, nullptr);
    EXPECT_EQ(Ends(dc108, "Tot"), (Cols{4752, 8640 + 504})) << dc108.Dump();
    EXPECT_EQ(Ends(dc108, "G4"), (Cols{4752 - 504, 8640}));
    // The games themselves fit: they keep their 432 twips.
    EXPECT_EQ(Ends(dc108, "G1"), (Cols{4752 - 504 - 3 * 432, 7344}));
}

TEST_F(ResultSummary, ALongLeftHandNameStopsShortOfTheFirstGame)
{
    // The widest first game is "380" (300 twips) at 3024: with a gap of 72 the name has 1932
    // twips, 19 characters, where the usual 2052 would run into it.
    m_doc.FindTeam(3)->m_strName = "Strikers of the Calder Valley";
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    const DrawCall& name = TextCall(dc, "Strikers of the Cal");
    EXPECT_EQ(std::make_pair(name.x1, name.y1), std::make_pair(720, -1600)) << dc.Dump();
    EXPECT_EQ(Ends(dc, "G1"), (std::vector<int>{3024, 7344}));
}

TEST_F(ResultSummary, FourFigureGamesSpreadOutAndNamesGiveWay)
{
    // Four games with big handicaps: team games of four figures, which in a font of Arial's
    // figure width (111 twips at 10 pt) run 12 twips into the game before them (432 twips
    // apart); a long name runs towards game 1.
    m_doc.m_nGamesPerMatch = 4;
    PutBowler(m_f1, 0, 0, m_pAnn, {200, 180, 190, 210}, 600);
    PutBowler(m_f1, 1, 1, m_pEve, {140, 150, 160, 170}, 900);
    m_doc.FindTeam(1)->m_strName = "Calderdale Alley Cats";
    m_item.m_fontDetail.m_nPrinterHeight = -222;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    const std::string dump = dc.Dump();
    // Side B's games of 1230 to 1270 (Eve's 900 handicap): steps of 444 + 72; side A closes on
    // its total, side B opens from its first game.
    ExpectEnds(dc, {{"1230", 7344}, {"1250", 7344 + 516}, {"G4", 4752 - 516}, {"G1", 4752 - 4 * 516}});
    // The name stops 72 short of the widest first game (side B's 1230, 444 twips) standing in
    // side A's column: 2688 - 444 - 72 - 720 leaves 1452 twips, 14 characters of the win font.
    EXPECT_EQ(TextCall(dc, "Calderdale All").y1, -1400) << dump;
    // No text of a line runs into another.
    for (const DrawCall& a : dc.calls) {
        for (const DrawCall& b : dc.calls) {
            if (&a != &b && a.kind == DrawCall::Text && b.kind == DrawCall::Text && a.y1 == b.y1 && a.x1 <= b.x1) {
                EXPECT_LT(RightEnd(a), b.x1) << a.text.GetString() << " | " << b.text.GetString() << "\n" << dump;
            }
        }
    }
}

TEST_F(ResultSummary, ALongRightHandNameLosesItsEnd)
{
    // Round 6, nothing entered: side B's name has 1728 twips, 17 characters.
    m_doc.FindTeam(3)->m_strName = "Strikers of the Calder Valley Club";
    m_item.m_nRound = 6;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(RightEnd(TextCall(dc, "Strikers of the C")), 10800) << dc.Dump();
}

TEST_F(ResultSummary, ScratchSummaryAndLinesWithoutFigures)
{
    m_item.m_bHcpPoints = 0;
    m_item.m_bScrPoints = 1;
    m_item.m_nRound = 6;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_NE(dc.FindText("Scr Results Summary for Round 6 on 03 Mar 09 19:30."), nullptr) << dc.Dump();
    EXPECT_NE(dc.FindText("No Result yet."), nullptr);

    // A match that scores handicap only reads "N/A" in a scratch summary.
    m_item.m_nRound = 5;
    m_f1->m_bOneSystem = 1;
    m_f1->m_bOneSystemScratch = 0;
    CRecordingDC dc2;
    m_item.Draw(&dc2, nullptr);
    EXPECT_NE(dc2.FindText("N/A"), nullptr) << dc2.Dump();
    EXPECT_EQ(dc2.FindText("1140"), nullptr);
    EXPECT_EQ(TextCall(dc2, "Strikers").color, kGreen);

    // A league without scratch makes every summary a handicap one, and it stays so.
    m_doc.m_bScratchLeague = 0;
    m_f1->m_bOneSystemScratch = 1;
    CRecordingDC dc3;
    m_item.Draw(&dc3, nullptr);
    EXPECT_NE(dc3.FindText("Hcp N/A"), nullptr) << dc3.Dump();
    EXPECT_EQ(m_item.m_bHcpPoints, 1u);
}

TEST_F(ResultSummary, PointsAndHighSeriesFormat)
{
    m_item.m_nFormat = CRepItem_ResultSummary::FORMAT_POINTS_HI_SERIES;
    m_item.m_bScrPoints = 1;   // 14 + 4 against 6 + 16: 9 points to 11
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    const std::string dump = dc.Dump();
    ExpectEnds(dc, {{"Match High Series", 10080}, {"1140", 3600}, {"9 ", 4032}, {"11 ", 7776}, {"680*", 3600}});
    EXPECT_EQ(TextCall(dc, "Hcp").x1, 10368);
    EXPECT_EQ(TextCall(dc, "Alley Cats").color, kMaroon) << dump;
    const DrawCall& pals = TextCall(dc, "Pin Pals");
    EXPECT_EQ(std::make_pair(pals.x1, pals.color), std::make_pair(4464, kGreen));
    // Ann's 600 with handicap ties Dee's 600: side A's bowler is shown.
    const DrawCall& ann = TextCall(dc, "Ann");
    EXPECT_EQ(std::make_pair(RightEnd(ann), ann.y1), std::make_pair(10080, -1400));
    EXPECT_EQ(TextCall(dc, "600").x1, 10368);
    // Match 2: the Strikers defaulted game 3, so neither Gus nor Hal has a whole series and no
    // bowler is shown (the item used to show Gus's two games, 340).
    EXPECT_EQ(CountTexts(dc, "Gus") + CountTexts(dc, "Hal"), 0) << dump;
    // Bowled, their 170s tie at 510: the first position is shown, with only side A entered.
    m_f2->m_nDefaulted[0] = 0;
    for (int k : {0, 1})
        m_f2->m_nScore[2][k] = 170;
    CRecordingDC dcTie;
    m_item.Draw(&dcTie, nullptr);
    EXPECT_EQ(TextsAt(dcTie, -1600), (std::vector<std::string>{"Strikers", "Spares", "1020", "0 ", "Gus", "510"}))
        << dcTie.Dump();

    // Scratch series: Dee's 600 beats Ann's 570.
    m_item.m_bHcpPoints = 0;
    CRecordingDC dc2;
    m_item.Draw(&dc2, nullptr);
    EXPECT_NE(dc2.FindText("Dee"), nullptr) << dc2.Dump();
    EXPECT_EQ(dc2.FindText("Ann"), nullptr);
    EXPECT_NE(dc2.FindText("Scr"), nullptr);

    // A long name stops short of its side's total: 3600 - 720 less "1140" and a gap of 72
    // leaves room for 24 characters.
    m_doc.FindTeam(1)->m_strName = "Alley Cats of the Calder Valley";
    m_item.m_bHcpPoints = 1;
    CRecordingDC dc3;
    m_item.Draw(&dc3, nullptr);
    EXPECT_NE(dc3.FindText("Alley Cats of the Calder"), nullptr) << dc3.Dump();
}

TEST_F(ResultSummary, RoundZeroDrawsNothingAndTheFlowCountsRounds)
{
    m_item.m_nRound = 0;
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), 0);
    m_item.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());
    EXPECT_EQ(HtmlOf(m_item), "");

    // Two handicap summaries and a scratch one, current round 5: rounds 5, 4 and 5; with
    // current round 1 the second handicap summary is empty.
    CRepForm* pForm = new CRepForm;
    m_doc.m_listRepForms.AddTail(pForm);
    m_doc.m_pCurrentRepForm = pForm;
    CRepItem_ResultSummary* items[3];
    for (int i = 0; i < 3; ++i) {
        items[i] = new CRepItem_ResultSummary;
        items[i]->m_bHcpPoints = i != 1;
        items[i]->m_bScrPoints = i == 1;
        pForm->AddItem(items[i]);
    }
    m_doc.LayoutReportForm(&dc);
    EXPECT_EQ(std::make_tuple(items[0]->m_nRound, items[1]->m_nRound, items[2]->m_nRound), std::make_tuple(5, 5, 4));
    m_doc.m_nCurrentRound = 1;
    m_doc.LayoutReportForm(&dc);
    EXPECT_EQ(std::make_tuple(items[2]->m_nRound, items[2]->GetHeight(&dc)), std::make_tuple(0, 0));
}

TEST_F(ResultSummary, StoredBytesAndTheOldFlagByte)
{
    m_item.m_bScrPoints = 1;
    m_item.m_bScrPetersen = 1;
    m_item.m_nFormat = 1;
    m_item.m_nRound = 3;
    m_item.m_fontTitle.m_bBold = 1;
    std::vector<BYTE> expected{12, 3, 0x01 | 0x08 | 0x20 | 0x40};
    for (CFontData* p : {&m_item.m_fontDetail, &m_item.m_fontTitle, &m_item.m_fontLose, &m_item.m_fontWin})
        Append(expected, BytesOf(*p));
    EXPECT_EQ(BytesOf(m_item), expected);
    // Before version 39 there are no fonts.
    EXPECT_EQ(BytesOf(m_item, 38), (std::vector<BYTE>{12, 3, 0x69}));

    CRepItem_ResultSummary back;
    LoadFrom(back, expected);
    EXPECT_EQ(back.m_nRound, 3);
    EXPECT_EQ(BytesOf(back), expected);

    // Below version 66 the byte meant: bit 0 handicap (else scratch) points, bit 1 handicap
    // pyramid points, bit 2 scratch pyramid points alone. Fonts from 39 on.
    struct Case
    {
        BYTE byte;
        DWORD hcp, scr, hcpPyr, scrPyr;
    };
    for (const Case& c : {Case{0x00, 0, 1, 0, 0}, Case{0x01, 1, 0, 0, 0}, Case{0x03, 1, 0, 1, 0},
                          Case{0x02, 0, 1, 1, 0}, Case{0x07, 0, 0, 0, 1}, Case{0x48, 0, 1, 0, 0}}) {
        CRepItem_ResultSummary old;
        old.m_nFormat = 1;
        LoadFrom(old, {12, 2, c.byte}, 38);
        EXPECT_EQ(std::make_tuple(old.m_bHcpPoints, old.m_bScrPoints, old.m_bHcpPyramid, old.m_bScrPyramid,
                                  old.m_nFormat, old.m_bHcpPetersen + old.m_bScrPetersen),
                  std::make_tuple(c.hcp, c.scr, c.hcpPyr, c.scrPyr, 0u, 0u))
            << int(c.byte);
    }
    std::vector<BYTE> v65 = expected;
    v65[1] = 2;
    v65[2] = 0x04;
    CRepItem_ResultSummary old65;
    LoadFrom(old65, v65, 65);
    EXPECT_EQ(old65.m_bScrPyramid, 1u);
    EXPECT_TRUE(old65.m_fontTitle.IsSameAs(m_item.m_fontTitle));
    // From 66 on 0x04 is the scratch pyramid flag alone and 0x48 scratch points in the new format.
    v65[2] = 0x48;
    CRepItem_ResultSummary new66;
    LoadFrom(new66, v65, 66);
    EXPECT_EQ(std::make_tuple(new66.m_bScrPoints, new66.m_bHcpPoints, new66.m_nFormat), std::make_tuple(1u, 0u, 1u));
}

TEST_F(ResultSummary, CopiesLeaveThePinfallFlagsBehind)
{
    m_item.m_bScrPyramid = 1;
    m_item.m_bHcpPetersen = 1;
    m_item.m_nFormat = 1;
    m_item.m_fontDetail.m_nPointSize = 12;
    std::unique_ptr<CRepItem> pCopy(m_item.Clone());
    auto* p = static_cast<CRepItem_ResultSummary*>(pCopy.get());
    EXPECT_EQ(std::make_tuple(p->m_bScrPyramid, p->m_nFormat, p->m_fontDetail.m_nPointSize, p->m_bHcpPetersen),
              std::make_tuple(1u, 1u, 12, 0u));
}

TEST_F(ResultSummary, HtmlOfBothFormats)
{
    m_item.m_fontTitle.m_bBold = 1;
    const std::string html = HtmlOf(m_item);
    auto left = [](const char* psz, const char* pszColour = "000000") {
        return std::string("<td align=left><font face='Arial'><font color='#") + pszColour + "'>" + psz +
               "</font></font></td>\n";
    };
    auto head = [](const char* psz) {
        return std::string("<td align=left><b><font face='Arial'><font color='#000000'>") + psz +
               "</font></font></b></td>\n";
    };
    std::string expected = "<div align=center>\n<font face='Arial'><font color='#000000'><b>\n"
                           "Hcp Results Summary for Round 5.</font></font></b>\n</div>\n"
                           "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100%% ALIGN=center>\n<TR>\n";
    for (int s = 0; s < 2; ++s)
        for (const char* psz : {"Team", "G1", "G2", "G3", "Tot", "Pts"})
            expected += head(psz);
    expected += "</TR><TR>\n" + left("Alley Cats", "008000") + left("380") + left("370") + left("390") +
                left("1140") + left("7 ") + left("Pin Pals", "800000") + left("360") + left("380") + left("400") +
                left("1140") + left("3 ") + "</TR><TR>\n" + left("Strikers", "008000") + left("340") +
                left("340") + left("0*") + left("680*") + left("0 ") + left("Spares", "008000") +
                "<TD></TD>\n<TD></TD>\n<TD></TD>\n<TD></TD>\n<TD></TD>\n</TR></CENTER></TABLE>\n";
    EXPECT_EQ(html.substr(0, expected.size()), expected) << html;
    EXPECT_NE(html.find("League Average Game"), std::string::npos);

    m_item.m_nFormat = 1;
    const std::string hi = HtmlOf(m_item);
    EXPECT_NE(hi.find(head("Pts") + "<td align=right><b><font face='Arial'><font color='#000000'>Match Hi Series"),
              std::string::npos)
        << hi;
    EXPECT_NE(hi.find(left("Alley Cats", "008000") + left("1140") + left("7 ") + left("Pin Pals", "800000") +
                      left("1140") + left("3 ") +
                      "<td align=right><font face='Arial'><font color='#000000'>Ann</font></font></td>\n"
                      "<td align=right><font face='Arial'><font color='#000000'>600</font></font></td>\n</TR>"),
              std::string::npos)
        << hi;
    // The Strikers' defaulted game leaves neither bowler a whole series: the last cells stay empty.
    EXPECT_NE(hi.find(left("Spares", "008000") + "<TD></TD>\n<TD></TD>\n<TD></TD>\n<TD></TD>\n</TR>"),
              std::string::npos)
        << hi;
}

// The match's high series is one bowler's every game of the match, each his and counting for
// him, whoever stood in the position's cells; her blind games stand in it only where the league
// counts blind games. Scratch, Dee's 600 (190 200 210) against Ann's 570, with one mark on Dee's
// position at a time.
TEST_F(ResultSummary, TheHighSeriesIsOneBowlersWholeSeries)
{
    const int k = CFixture::SlotOf(1, 0);
    auto gusForDee = [this, k](CFixture& f) {
        // Dee away: Gus paces game 1 with the cell's 190 and bowls games 2 and 3 for her.
        f.m_dwPosFlags[k] |= PosPacer(0);
        f.m_wPacerNo[0][k] = m_pGus->m_nPlayerNo;
        f.m_nPacerScore[0][k] = 190;
        f.m_wPlayerNo[1][k] = f.m_wPlayerNo[2][k] = m_pGus->m_nPlayerNo;
    };
    const struct
    {
        const char* pszWhat;
        std::function<void(CFixture&)> mark;
        std::vector<std::string> best;
    } cases[] = {
        {"no mark", [](CFixture&) {}, {"Dee", "600"}},
        {"Gus bowls every game, game 1 as a pacer", gusForDee, {"Gus", "600"}},
        {"and pacers' games are excluded",
         [&](CFixture& f) {
             gusForDee(f);
             m_doc.m_bExcludePacers = 1;
         },
         {"Ann", "570"}},
        {"Gus bowls game 3 only", [this, k](CFixture& f) { f.m_wPlayerNo[2][k] = m_pGus->m_nPlayerNo; }, {"Ann", "570"}},
        {"game 1 Non Qual", [k](CFixture& f) { f.m_dwPosFlags[k] |= PosNonQual(0); }, {"Ann", "570"}},
        {"game 3 blind", [k](CFixture& f) { f.m_dwPosFlags[k] |= PosBlind(2); }, {"Ann", "570"}},
        // "Blind games count in a position's bowled series": Dee's 190 200 and her blind 185.
        {"game 3 blind on 185, the league counting blind games",
         [&, k](CFixture& f) {
             f.m_dwPosFlags[k] |= PosBlind(2);
             f.m_nScore[2][k] = 185;
             m_doc.m_bCountBlindGames = 1;
         },
         {"Dee", "575"}},
        {"and Gus pacing her blind game 3 with 185",
         [&, k](CFixture& f) {
             f.m_dwPosFlags[k] |= PosBlind(2) | PosPacer(2);
             f.m_wPacerNo[2][k] = m_pGus->m_nPlayerNo;
             f.m_nScore[2][k] = f.m_nPacerScore[2][k] = 185;
             m_doc.m_bCountBlindGames = 1;
         },
         {"Ann", "570"}},
        {"game 3 Non Qual, the league counting blind games",
         [&, k](CFixture& f) {
             f.m_dwPosFlags[k] |= PosNonQual(2);
             m_doc.m_bCountBlindGames = 1;
         },
         {"Ann", "570"}},
        {"game 2 excluded from the high figures", [k](CFixture& f) { f.m_dwPosFlags[k] |= PosExcluded(1); },
         {"Ann", "570"}},
        {"game 3 defaulted", [](CFixture& f) { f.m_nDefaulted[1] = DefaultedBit(2); }, {"Ann", "570"}},
    };
    m_item.m_nFormat = CRepItem_ResultSummary::FORMAT_POINTS_HI_SERIES;
    m_item.m_bHcpPoints = 0;
    const CFixture unmarked = *m_f1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        *m_f1 = unmarked;
        m_doc.m_bExcludePacers = 0;
        m_doc.m_bCountBlindGames = 0;
        c.mark(*m_f1);
        CRecordingDC dc;
        m_item.Draw(&dc, nullptr);
        const std::vector<std::string> line = TextsAt(dc, -1400);
        ASSERT_GE(line.size(), 2u) << dc.Dump();
        EXPECT_EQ(std::vector<std::string>(line.end() - 2, line.end()), c.best) << dc.Dump();
    }
}

// --- the options dialog ---------------------------------------------------------------------

TEST_F(ResultSummary, DialogInAHandicapOnlyLeague)
{
    m_doc.m_bScratchLeague = 0;
    m_doc.m_bPyramidScoring = 0;
    m_item.m_bHcpPoints = 1;
    m_item.m_bScrPoints = 1;
    m_item.m_bScrPyramid = 1;
    CScriptedBackend ui;
    ui.OnDialog(IDD_RESULTS_SUMMARY)
        .Check([](CDialog& dlg) {
            std::vector<bool> enabled;
            for (int id : {IDC_RS_HCP_POINTS, IDC_RS_SCR_POINTS, IDC_RS_HCP_PYRAMID, IDC_RS_SCR_PYRAMID,
                           IDC_RS_HCP_PETERSEN})
                enabled.push_back(dlg.GetDlgItem(id)->IsWindowEnabled());
            EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, false, true}));
            EXPECT_EQ(std::make_pair(dlg.IsDlgButtonChecked(IDC_RS_HCP_POINTS),
                                     dlg.IsDlgButtonChecked(IDC_RS_SCR_POINTS)),
                      std::make_pair(1u, 0u));
            CString desc;
            dlg.GetDlgItemText(IDC_RS_WIN_DESC, desc);
            EXPECT_EQ(desc, "Green  Arial  10 Pt. ");
        })
        .Click(IDC_RS_HCP_PETERSEN)
        .Select(IDC_RS_FORMAT, 1)
        .OK();
    m_item.Edit();
    // The Petersen tick is never kept.
    EXPECT_EQ(std::make_tuple(m_item.m_bHcpPoints, m_item.m_bScrPoints, m_item.m_bScrPyramid, m_item.m_bHcpPetersen,
                              m_item.m_nFormat),
              std::make_tuple(1u, 0u, 0u, 0u, 1u));
}

TEST_F(ResultSummary, DialogFontsAndTicksSurviveAFontChoice)
{
    m_doc.m_bPyramidScoring = 1;
    m_item.m_bHcpPoints = 1;
    CScriptedBackend ui;
    // Cancel after a new title font leaves the item's font alone.
    ui.ChooseFont("Times New Roman", 140, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 255));
    ui.OnDialog(IDD_RESULTS_SUMMARY).Click(IDC_RS_TITLE_FONT).Cancel();
    m_item.Edit();
    EXPECT_EQ(m_item.m_fontTitle.m_strFaceName, "Arial");

    // A box ticked before a font button keeps its tick; OK takes the font and the boxes.
    ui.ChooseFont("Times New Roman", 140, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 255));
    ui.OnDialog(IDD_RESULTS_SUMMARY)
        .Click(IDC_RS_SCR_PYRAMID)
        .Click(IDC_RS_LOSE_FONT)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RS_SCR_PYRAMID), 1u);
            CString desc;
            dlg.GetDlgItemText(IDC_RS_LOSE_DESC, desc);
            EXPECT_EQ(desc, "Blue  Times New Roman Bold  14 Pt. ");
        })
        .OK();
    m_item.Edit();
    EXPECT_EQ(std::tie(m_item.m_bScrPyramid, m_item.m_fontLose.m_strFaceName, m_item.m_fontLose.m_nPointSize,
                       m_item.m_fontLose.m_nPrinterHeight, m_item.m_nFormat),
              std::make_tuple(1u, CString("Times New Roman"), 14, -280, 0u));
}

TEST_F(ResultSummary, NewItemTakesTheLeaguesDefaults)
{
    m_doc.GetDefaultFont(30)->m_crColour = kGreen;
    m_doc.GetDefaultFont(28)->m_bBold = 1;
    CRepItem_ResultSummary item;
    item.m_pDoc = &m_doc;
    item.ApplyDefaultFonts();
    item.SetDefaults();
    EXPECT_EQ(std::make_tuple(item.m_fontWin.m_crColour, item.m_fontTitle.m_bBold, item.m_bHcpPoints,
                              item.m_bScrPoints),
              std::make_tuple(kGreen, 1, 1u, 0u));
    m_doc.m_bHandicapLeague = 0;
    CRepItem_ResultSummary scratch;
    scratch.m_pDoc = &m_doc;
    scratch.SetDefaults();
    EXPECT_EQ(scratch.m_bScrPoints, 1u);
    EXPECT_STREQ(FindRepItemClassInfo("CRepItem_ResultSummary")->pszClassName, "CRepItem_ResultSummary");
    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_RESULT_SUMMARY));
    ASSERT_NE(pMade, nullptr);
    EXPECT_TRUE(pMade->IsKindOf(RUNTIME_CLASS(CRepItem_ResultSummary)));
}
