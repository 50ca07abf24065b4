// The result card of the results display: a match worked by hand, drawn and written as HTML.
#include "ReportTestHelpers.h"
#include "ResultTestLeague.h"
#include "league/PointsText.h"
#include "league/Rules.h"
#include "reports/layout/ResultCard.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Round 4, Alley Cats v Pin Pals, pairs, three games, handicap league.
//   A1 Ann (hcp 20): 210 150 160                       series 520, with handicap 580
//   A2 Bob (hcp 10): 170, then Cy (hcp 30): 140 120 blind   series 430, with handicap 500
//   B1 Dee (hcp 15): 180, [Fay paces game 2: 205, hcp 12], 0 defaulted   series 180 / 210
//      (game 2's cell keeps 190 for the team; the card shows Fay's game in her own row)
//   B2 Eve (hcp 25): 160 175 0 defaulted                                 series 335 / 410
// Team games A 380 290 280 (950), handicap 30 50 50 (130), with handicap 410 340 330 (1080).
// Team games B 340 365 0 (705), handicap 40 40 0 (80), with handicap 380 405 0 (785): the game B
// defaulted scores 0 with handicap 0, whatever handicaps its cells hold.
class ResultCard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_nGamesPerMatch = 3;
        m_doc.m_nPlayersPerTeam = 2;
        m_doc.m_bHandicapLeague = 1;
        m_doc.m_bScratchLeague = 0;
        m_pCats = AddResultTeam(m_doc, 1, "Alley Cats");
        m_pPals = AddResultTeam(m_doc, 2, "Pin Pals");
        m_pAnn = AddResultPlayer(m_doc, 1, "Ann", 1);
        CPlayer* pBob = AddResultPlayer(m_doc, 2, "Bob", 1);
        m_pCy = AddResultPlayer(m_doc, 3, "Cy", 1);
        CPlayer* pDee = AddResultPlayer(m_doc, 4, "Dee", 2);
        CPlayer* pEve = AddResultPlayer(m_doc, 5, "Eve", 2);
        CPlayer* pFay = AddResultPlayer(m_doc, 6, "Fay", 0);
        f = AddResultFixture(m_doc, 4, 1, 2);
        PutBowler(f, 0, 0, m_pAnn, {210, 150, 160}, 20);
        PutGame(f, 0, 1, 0, pBob, 170, 10);
        PutGame(f, 0, 1, 1, m_pCy, 140, 30);
        PutGame(f, 0, 1, 2, m_pCy, 120, 30);
        f->m_dwPosFlags[1] |= PosBlind(2);
        PutBowler(f, 1, 0, pDee, {180, 190, 0}, 15);
        PutBowler(f, 1, 1, pEve, {160, 175, 0}, 25);
        f->m_nDefaulted[1] = DefaultedBit(2);
        const int k = CFixture::SlotOf(1, 0);
        f->m_dwPosFlags[k] |= PosPacer(1);
        f->m_wPacerNo[1][k] = pFay->m_nPlayerNo;
        f->m_nPacerScore[1][k] = 205;
        f->m_nPacerHandicap[1][k] = 12;
        f->m_timePlayed[0] = CTime(2009, 3, 3, 21, 5, 0);
        f->m_timePlayed[1] = CTime(2009, 3, 4, 20, 0, 0);
        // Handicap points of each game and the series (half points), and the match totals.
        const int a[5] = {2, 0, 2, 0, 2}, b[5] = {0, 2, 0, 0, 0};
        for (int c = 0; c < 5; ++c) {
            f->m_nHandicapTotals[0][c] = a[c];
            f->m_nHandicapTotals[1][c] = b[c];
        }
        f->m_nHandicapMatchPoints[0] = 7;
        f->m_nHandicapMatchPoints[1] = 2;
        f->m_nHandicapPyramidPoints[0] = 3;
        m_card.m_pDoc = &m_doc;
        m_card.m_pFixture = f;
        m_card.m_x = 720;
        m_card.m_y = -720;
    }

    // The x a text of the card starts at: right-aligned texts end at the column.
    static int RightEnd(const DrawCall& c, int nFontHeight = 172)
    {
        return c.x1 + c.text.GetLength() * (nFontHeight / 2);
    }
    static int End(const DrawCall& c) { return RightEnd(c); }
    static int Top(const DrawCall& c) { return c.y1; }
    static COLORREF Colour(const DrawCall& c) { return c.color; }
    // What of() gives for each text's drawing call.
    template <class V, class F>
    static void ExpectEach(const CRecordingDC& dc, F of, std::initializer_list<std::pair<const char*, V>> want)
    {
        for (const auto& [psz, v] : want)
            EXPECT_EQ(of(TextCall(dc, psz)), v) << psz << "\n" << dc.Dump();
    }
    static void ExpectCounts(const CRecordingDC& dc, std::initializer_list<std::pair<const char*, int>> want)
    {
        for (const auto& [psz, n] : want)
            EXPECT_EQ(CountTexts(dc, psz), n) << psz << "\n" << dc.Dump();
    }

    CBowlingDoc m_doc;
    CTeam* m_pCats = nullptr;
    CTeam* m_pPals = nullptr;
    CPlayer* m_pAnn = nullptr;
    CPlayer* m_pCy = nullptr;
    CFixture* f = nullptr;
    CRepItem_Result m_card;
};

} // namespace

TEST_F(ResultCard, HeightReservesTheRowsOfReplacedBowlersAndPacers)
{
    CRecordingDC dc;
    // Headings: 2 positions + 6 with handicap; rows: Cy's second row and Fay's pacer row.
    EXPECT_EQ(m_card.GetEstimatedHeight(), -(8 * 222 + 2 * 200));
    EXPECT_EQ(m_card.GetHeight(&dc), -2176);
    // A bonus rule adds the bonus row.
    m_doc.m_listBonusPts.AddTail(new CBonusPts);
    EXPECT_EQ(m_card.GetHeight(&dc), -2176 - 222);
}

TEST_F(ResultCard, RowsOfAMatchWorkedByHand)
{
    CRecordingDC dc;
    m_card.Draw(&dc, nullptr);
    const std::string dump = dc.Dump();

    // Heading: the names in bold, the result stamps of each side's own date. Ann: her handicap,
    // a red 210 and the games with handicap; series in bold.
    const DrawCall& cats = TextCall(dc, "Alley Cats");
    EXPECT_EQ(std::make_tuple(cats.x1, cats.y1, cats.font.lfWeight, cats.font.lfHeight),
              std::make_tuple(830, -742, LONG(700), LONG(-172)))
        << dump;
    EXPECT_EQ(TextCall(dc, "Pin Pals").x1, 720 + 5150);
    const DrawCall& ann = TextCall(dc, "Ann");
    EXPECT_EQ(std::make_tuple(ann.x1, ann.y1, ann.font.lfWeight), std::make_tuple(792, -964, LONG(400)));
    EXPECT_EQ(TextCall(dc, "210 ").font.lfWeight, 700);
    // Bob bowled game 1 only; Cy's row is 200 lower and holds the series of the position.
    EXPECT_EQ(TextCall(dc, "Cy").x1, 792);
    // Side B's defaulted game is marked; the note is drawn once, under the positions. Then team
    // totals, team handicap, totals with handicap; the points label once, each side's total
    // with its position-round points (a handicap-only league has no scratch row).
    ExpectEach<int>(dc, End, {{"R4 03 Mar 09 21:05", 720 + 5018}, {"R4 04 Mar 09 20:00", 720 + 10058},
                                   {"210 ", 720 + 2027}, {"230", 720 + 2312}, {"520", 720 + 4718}, {"580", 720 + 5018},
                                   {"30", 720 + 1652}, {"120*", 720 + 3347}, {"  0*", 720 + 5040 + 3347},
                                   {"950", 720 + 4733}, {"130", 720 + 5018 - 142}, {"80", 720 + 5040 + 5018 - 142},
                                   {"1080", 720 + 5018}, {"785", 720 + 5040 + 5018},
                                   {"5 ", 720 + 1652}, {"205 ", 720 + 5040 + 2687}});
    ExpectEach<int>(dc, Top, {{"Bob", -964 - 222}, {"Cy", -1386}, {"120*", -1386}, {"430", -1386}, {"500", -1386},
                              {" * = Non Qualifying.", -1608}, {"950", -1608}, {"705", -1608}, {"130", -1830},
                              {"1080", -2052}, {"785", -2052}, {"405", -2052}, {"5 ", -2274}, {"1 ", -2274}});
    ExpectCounts(dc, {{" * = Non Qualifying.", 1}, {"Scratch", 0}});
    EXPECT_EQ(TextCall(dc, "130").font.lfWeight, 400);
    const DrawCall& label = TextCall(dc, "Handicap");
    EXPECT_EQ(std::make_pair(label.x1, label.y1), std::make_pair(720 + 5084, -2274));

    // The pacer block at the bottom of the box, in blue, side B's columns.
    const DrawCall& fay = TextCall(dc, "Fay");
    EXPECT_EQ(std::make_pair(fay.x1, fay.y1), std::make_pair(720 + 5040 + 44, -720 - 2176 + 400));
    ExpectEach<COLORREF>(dc, Colour,
                         {{"210 ", kRed}, {"150 ", kBlack}, {"Fay", kBlue}, {"205 ", kRed}, {"217", kBlue}});
    EXPECT_EQ(dc.GetTextColor(), kBlack);

    // Names recorded for the right-click menu: the team's, and the bowlers' of the rows.
    EXPECT_TRUE(m_pCats->HitTest(CPoint(900, -800)));
    EXPECT_TRUE(m_pAnn->HitTest(CPoint(800, -1000)));
    EXPECT_TRUE(m_pCy->HitTest(CPoint(800, -1400)));
}

TEST_F(ResultCard, OnlyTheBoxAndNamesWithoutAResult)
{
    f->m_bPlayed[0] = f->m_bPlayed[1] = 0;
    CRecordingDC dc;
    const int h = m_card.GetHeight(&dc);
    m_card.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"Alley Cats", "Pin Pals"})) << dc.Dump();
    // The full estimate still stands; the middle line runs to the box bottom.
    EXPECT_EQ(h, m_card.GetEstimatedHeight());
    bool bMiddle = false;
    for (const DrawCall& c : dc.calls)
        bMiddle = bMiddle || (c.kind == DrawCall::Line && c.x1 == 720 + 5040 && c.x2 == 720 + 5040 &&
                              c.y2 == -720 + h + 200);
    EXPECT_TRUE(bMiddle) << dc.Dump();
    EXPECT_EQ(HtmlOf(m_card).find("\n<TR>"), std::string::npos);   // no spacer rows
}

TEST_F(ResultCard, OneSideEnteredShowsNoPointsButTheBonusRow)
{
    f->m_bPlayed[1] = 0;
    auto* pRule = new CBonusPts;
    m_doc.m_listBonusPts.AddTail(pRule);
    f->m_wScratchBonus[0][POINTS_ROWS - 1][0] = 2;
    f->m_wHandicapBonus[0][POINTS_ROWS - 1][0] = 2;
    f->m_wScratchBonus[0][POINTS_ROWS - 1][4] = 3;   // the copies disagree: half their sum
    f->m_wHandicapBonus[0][POINTS_ROWS - 1][4] = 4;
    CRecordingDC dc;
    const int h = m_card.GetHeight(&dc);
    m_card.Draw(&dc, nullptr);
    ExpectCounts(dc, {{"Dee", 0}, {"5 ", 0} /* labels only */, {"Handicap", 1}});
    const DrawCall& bonus = TextCall(dc, "Bonus Points.");
    // Above the pacer block: the box bottom, one pacer row and the bonus row, lifted 15.
    EXPECT_EQ(bonus.y1, -720 + h + 200 + 400 + 15) << dc.Dump();
    EXPECT_EQ(TextCall(dc, "1 ").y1, bonus.y1);
    ExpectEach<int>(dc, End, {{"1 ", 720 + 2312}, {"1\xBD", 720 + 5018}});
}

TEST_F(ResultCard, ThresholdsAndTeamHandicaps)
{
    // 200 is red over a threshold of 199, 199 is not; a series of 600 is red, 599 not.
    PutBowler(f, 0, 0, m_pAnn, {200, 199, 201}, 0);
    m_doc.m_bTeamHandicaps = 1;
    f->m_nTeamHandicap[0][0] = 33;
    CRecordingDC dc;
    m_card.Draw(&dc, nullptr);
    ExpectEach<COLORREF>(dc, Colour, {{"200 ", kRed}, {"199 ", kBlack}, {"600", kRed}});
    // Team handicaps: no bowler handicaps, but the team handicap rows.
    EXPECT_EQ(CountTexts(dc, "20"), 0);
    EXPECT_EQ(TextCall(dc, "33").y1, -1830) << dc.Dump();

    PutBowler(f, 0, 0, m_pAnn, {200, 199, 200}, 0);
    CRecordingDC dc2;
    m_card.Draw(&dc2, nullptr);
    EXPECT_EQ(TextCall(dc2, "599").color, kBlack);
}

TEST_F(ResultCard, ScratchPositionRoundHidesHandicap)
{
    f->m_bPositionRound = 1;
    f->m_bPositionRoundScratch = 1;
    CRecordingDC dc;
    m_card.Draw(&dc, nullptr);
    ExpectCounts(dc, {{"Handicap", 0}, {"Scratch", 1}, {"1080", 0}});
    // Scored both ways, the handicap figures come back.
    m_doc.m_bPositionBothWays = 1;
    CRecordingDC dc2;
    m_card.Draw(&dc2, nullptr);
    ExpectCounts(dc2, {{"Handicap", 1}, {"Scratch", 1}});
}

TEST_F(ResultCard, HtmlRowsOfTheSameMatch)
{
    m_doc.GetDefaultFont(37)->m_crColour = RGB(255, 0, 0);   // Hi Scores
    m_doc.GetDefaultFont(36)->m_bBold = 1;                   // Team Names
    const std::string html = HtmlOf(m_card);
    auto cell = [](const char* psz, bool bRight = true, const char* pszColour = "000000") {
        return std::string(bRight ? "<td align=right>" : "<td align=left>") + "<font face='Arial'><font color='#" +
               pszColour + "'>" + psz + "</font></font></td>\n";
    };
    // Heading: name, round, three empty cells, day and month; the separating cell.
    const std::string heading = "<TR><td align=left><b><font face='Arial'><font color='#000000'>Alley Cats"
                                "</font></font></b></td>\n" +
                                cell("Rnd 4", false) + "<TD></TD><TD></TD><TD></TD>" + cell("03 ") +
                                cell("Mar", false) + "\n<TD></TD>\n";
    EXPECT_EQ(html.rfind(heading, 0), 0u) << html;
    // Ann's row: the high game in Hi Scores, her handicap after her name.
    EXPECT_NE(html.find("\n\n<TR>" + cell("Ann (20)", false) + cell(" 210", true, "FF0000") + cell(" 150") +
                        cell(" 160") + "<TD></TD>" + cell("520") + cell("[580]") + "<TD></TD>"),
              std::string::npos)
        << html;
    // Cy's row: his games 2 and 3, the blind game marked and never a high score.
    EXPECT_NE(html.find(cell("Cy (30)", false) + "<TD></TD>" + cell(" 140") + cell("*120") + "<TD></TD>" +
                        cell("430") + cell("[500]")),
              std::string::npos)
        << html;
    EXPECT_NE(html.find(cell("*  0")), std::string::npos);
    // Scratch totals with the note; handicap and totals rows; the points row; two spacers.
    EXPECT_NE(html.find("<TR>\n" + cell("Scratch totals", false) + cell("380") + cell("290") + cell("280") +
                        "<TD></TD>" + cell("950") + "<TD></TD>" + "\n<TD></TD>\n" +
                        cell("* = Non Qualifying.", false)),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<TR>\n" + cell("Handicap", false) + cell("30") + cell("50") + cell("50") + "<TD></TD>" +
                        "<TD></TD>" + cell("130", false) + "\n<TD></TD>\n<TD></TD>" + cell("40") + cell("40") +
                        cell("0") + "<TD></TD><TD></TD>" + cell("80", false)),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("\n<TD></TD>\n<TD></TD>" + cell("380") + cell("405") + cell("0") + "<TD></TD><TD></TD>" +
                        cell("785") + "</TR>\n"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find(cell("Points (Hcp) 3\xBD", false) + cell("1 ") + cell("0 ") + cell("1 ") + "<TD></TD>" +
                        "<TD></TD>" + cell("1 ")),
              std::string::npos)
        << html;
    std::string spacer = "\n<TR>\n";
    for (int i = 0; i < 15; ++i)
        spacer += "<TD></TD>";
    spacer += "\n</TR>\n";
    EXPECT_EQ(html.substr(html.size() - 2 * spacer.size()), spacer + spacer);
    // Every row has fifteen cells.
    size_t nRows = 0, nCells = 0;
    for (size_t pos = html.find("<TR>"); pos != std::string::npos; pos = html.find("<TR>", pos + 1)) {
        size_t end = html.find("</TR>", pos);
        std::string row = html.substr(pos, end - pos);
        size_t n = 0;
        for (size_t q = row.find("<t"); q != std::string::npos; q = row.find("<t", q + 1))
            ++n;
        for (size_t q = row.find("<TD>"); q != std::string::npos; q = row.find("<TD>", q + 1))
            ++n;
        ++nRows;
        nCells += n;
        EXPECT_EQ(n, 15u) << row;
    }
    // Heading; Ann; Bob and Cy; Dee and Fay's pacer row beside them; Eve; totals; points; spacers.
    EXPECT_EQ(nRows, 1u + 4u + 1u + 2u + 1u + 2u);
}

// Bob (handicap 40) away: floating substitute Pat (handicap 32) paces game 1 with 225 and bowls
// games 2 and 3 as a plain substitute, 150 and 170. The cell of the paced game holds Pat's score
// and handicap. Pat's games are his: none is Bob's, and Pat's own row holds 150 170, 320 / 384;
// game 1 stands in Pat's pacer row, 225 / 257. Side A's team games stay 435 300 330 (1065).
class ResultCardPacer : public ResultCard
{
protected:
    void SetUp() override
    {
        ResultCard::SetUp();
        CPlayer* pBob = m_doc.FindPlayer(2);
        CPlayer* pPat = AddResultPlayer(m_doc, 7, "Pat", 0);
        PutGame(f, 0, 1, 0, pBob, 225, 32);
        PutGame(f, 0, 1, 1, pPat, 150, 32);
        PutGame(f, 0, 1, 2, pPat, 170, 32);
        f->m_dwPosFlags[1] = PosPacer(0);
        f->m_wPacerNo[0][1] = pPat->m_nPlayerNo;
        f->m_nPacerScore[0][1] = 225;
        f->m_nPacerHandicap[0][1] = 32;
    }
};

TEST_F(ResultCardPacer, APacersGameIsNeverTheAbsentBowlers)
{
    CRecordingDC dc;
    m_card.GetHeight(&dc);
    m_card.Draw(&dc, nullptr);
    // Bob's row shows his name only; Pat's row his handicap, his two games and their series.
    const int yBob = TextCall(dc, "Bob").y1;
    int nBobRow = 0;
    for (const DrawCall& c : dc.calls)
        nBobRow += c.kind == DrawCall::Text && c.y1 == yBob && c.x1 < 720 + 5040;
    EXPECT_EQ(nBobRow, 1) << dc.Dump();
    ExpectEach<int>(dc, Top, {{"32", yBob - 200}, {"170 ", yBob - 200}, {"320", yBob - 200}, {"384", yBob - 200}});
    ExpectEach<int>(dc, End, {{"32", 720 + 1652}, {"320", 720 + 4718}, {"384", 720 + 5018}, {"1065", 720 + 4733}});
    // Game 1 only in the pacer block (a high game in red); Pat's three games nowhere one row.
    ExpectCounts(dc, {{"225 ", 1}, {"257", 2} /* game and series */, {"545", 0}, {"641", 0}, {"435", 1}});
    ExpectEach<COLORREF>(dc, Colour, {{"225 ", kRed}, {"257", kBlue}, {"225", kBlue}});
}

TEST_F(ResultCardPacer, HtmlCreditsThePacersGameInHisOwnRow)
{
    const std::string html = HtmlOf(m_card);
    auto cell = [](const char* psz, bool bRight = true) {
        return std::string(bRight ? "<td align=right>" : "<td align=left>") +
               "<font face='Arial'><font color='#000000'>" + psz + "</font></font></td>\n";
    };
    const std::string empty = "<TD></TD>";
    EXPECT_NE(html.find("<TR>" + cell("Bob", false) + empty + empty + empty + empty + empty + empty + empty +
                        cell("Eve (25)", false)),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<TR>" + cell("Pat (32)", false) + empty + cell(" 150") + cell(" 170") + empty +
                        cell("320") + cell("[384]")),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<TR>" + cell("Pacer: Pat (32)", false) + cell(" 225") + empty + empty + empty +
                        cell("225") + cell("[257]")),
              std::string::npos)
        << html;
    EXPECT_EQ(html.find("545"), std::string::npos);
    EXPECT_NE(html.find(cell("Scratch totals", false) + cell("435") + cell("300") + cell("330") + empty +
                        cell("1065")),
              std::string::npos)
        << html;
}

TEST_F(ResultCard, AMissingTeamOrBowlerLeavesItsNameEmpty)
{
    // Pin Pals no longer in the league, and Eve's number names nobody.
    f->m_pTeamB = nullptr;
    f->m_nTeamB = 9;
    for (int g = 0; g < 3; ++g)
        f->m_wPlayerNo[g][CFixture::SlotOf(1, 1)] = 99;
    CRecordingDC dc;
    m_card.GetHeight(&dc);
    m_card.Draw(&dc, nullptr);
    ExpectCounts(dc, {{"Alley Cats", 1}, {"Pin Pals", 0}, {"Eve", 0}, {"Dee", 1}});
    const std::string html = HtmlOf(m_card);
    EXPECT_EQ(std::make_tuple(html.find("Alley Cats") != std::string::npos, html.find("Pin Pals"), html.find("Eve")),
              std::make_tuple(true, std::string::npos, std::string::npos));
}

TEST_F(ResultCard, ALongNameStopsShortOfTheHandicapBesideIt)
{
    // Side A's bowler, side B's bowler and the blue pacer row.
    const CString strLong = "Bartholomew Featherstonehaugh-Smythe";
    for (WORD nPlayerNo : {1, 5, 6})  // Ann, Eve, Fay
        m_doc.FindPlayer(nPlayerNo)->m_strName = strLong;
    CRecordingDC dc;
    m_card.GetHeight(&dc);
    m_card.Draw(&dc, nullptr);
    int nNames = 0;
    for (const DrawCall& name : dc.calls) {
        if (name.kind != DrawCall::Text || name.text.IsEmpty() || strLong.Find(name.text) != 0)
            continue;
        ++nNames;
        // The next text along the row is the handicap: the name ends before it starts.
        const DrawCall* next = nullptr;
        for (const DrawCall& c : dc.calls)
            if (c.kind == DrawCall::Text && c.y1 == name.y1 && c.x1 > name.x1 && (!next || c.x1 < next->x1))
                next = &c;
        ASSERT_NE(next, nullptr) << dc.Dump();
        EXPECT_LT(name.x1 + name.text.GetLength() * 86, next->x1) << name.text.GetString() << " / " << next->text.GetString();
    }
    EXPECT_EQ(nNames, 3) << dc.Dump();
}

TEST_F(ResultCardPacer, EachPacerHasARowOfHisOwn)
{
    // Fay paces game 3 as well: 165, handicap 12. Pat's row keeps game 2 alone.
    const int k = CFixture::SlotOf(0, 1);
    f->m_wPlayerNo[2][k] = 2;   // Bob's position again
    f->m_nScore[2][k] = 165;
    f->m_nHandicap[2][k] = 12;
    f->m_dwPosFlags[k] |= PosPacer(2);
    f->m_wPacerNo[2][k] = 6;
    f->m_nPacerScore[2][k] = 165;
    f->m_nPacerHandicap[2][k] = 12;
    CRecordingDC dc;
    m_card.GetHeight(&dc);
    m_card.Draw(&dc, nullptr);
    // Pat's own row: 150 / 182; the pacer block: Pat 225 / 257, then Fay 165 / 177.
    const int yPat = TextCall(dc, "225 ").y1;
    ExpectEach<int>(dc, Top, {{"182", TextCall(dc, "Pat").y1}, {"165 ", yPat - 200}, {"177", yPat - 200}});
    EXPECT_EQ(TextCall(dc, "Fay").y1, yPat - 200) << dc.Dump();   // side A's block is drawn first
    ExpectCounts(dc, {{"390", 0}, {"165 ", 1}});
    const std::string html = HtmlOf(m_card);
    // Fay's rows: side A's game 3 and side B's game 2.
    size_t nFay = 0;
    for (size_t q = html.find("Pacer: Fay (12)"); q != std::string::npos; q = html.find("Pacer: Fay (12)", q + 1))
        ++nFay;
    EXPECT_EQ(nFay, 2u) << html;
    EXPECT_EQ(html.find("390"), std::string::npos) << html;
}
