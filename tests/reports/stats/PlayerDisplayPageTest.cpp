// The player page: Alice Archer's season worked by hand (details, rows, red figures, the band
// chart and its lines), the personal details and their privacy switch, and the edges of the
// match list.
#include "PlayerDisplayTestLeague.h"
#include "RecordingDC.h"
#include "reports/stats/PlayerDetailsPage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The right end of a text call: the recording DC draws characters half the font height wide.
int RightEnd(const DrawCall& c)
{
    return c.x1 + c.text.GetLength() * (std::abs(c.font.lfHeight) / 2);
}

// "text@x,y" for a left-aligned text, "text@>x,y" for one that ends at x.
std::string At(const CRecordingDC& dc, const char* psz, bool bRight = false)
{
    const DrawCall* c = dc.FindText(psz);
    if (!c)
        return "missing";
    return std::string(psz) + "@" + (bRight ? ">" + std::to_string(RightEnd(*c)) : std::to_string(c->x1)) + "," +
           std::to_string(c->y1);
}

int CountLines(const CRecordingDC& dc, COLORREF cr)
{
    int n = 0;
    for (const DrawCall& c : dc.calls)
        n += c.kind == DrawCall::Line && c.color == cr;
    return n;
}

class PlayerPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CPlayer* a = L.alice;
        a->m_nPin = 77;
        a->SetEnteringAverage(1705);
        a->m_nGames[PASS_HANDICAP] = 5, a->m_nPins[PASS_HANDICAP] = 900;
        a->m_strAddress[0] = "1 High Street", a->m_strAddress[2] = "Leeds", a->m_strPhoneMobile = "07700 900123";
        a->m_nBirthDay = 3, a->m_nBirthMonth = 2, a->m_nBirthYear = 1990, a->m_strMembershipNo = "M-42";
        item.m_pDoc = &L.doc, item.m_pPlayer = a, item.m_x = 720, item.m_y = -720;
    }
    void Draw()
    {
        dc.calls.clear();
        item.Draw(&dc, nullptr);
    }
    PlayerDisplayTestLeague L;
    CRepItem_Player item;
    CRecordingDC dc;
};

} // namespace

TEST_F(PlayerPage, TheMatchListHasTheMissedRoundAndStopsBeforeTheCutOff)
{
    std::vector<CRepItem_Player::Row> rows = item.CollectRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ((std::vector<int>{rows[0].pFixture->m_nRound, rows[0].bAbsence, rows[1].pFixture->m_nRound, rows[1].bAbsence}),
              (std::vector<int>{1, 0, 2, 1}));
    EXPECT_EQ(rows[1].date, PlayerDisplayTestLeague::RoundDate(2));
    EXPECT_EQ(rows[2].date, PlayerDisplayTestLeague::RoundDate(3) - CTimeSpan(1, 0, 0, 0));

    // Bob bowled for the second side in round 2; his games come from his own position.
    CRepItem_Player bob;
    bob.m_pDoc = &L.doc, bob.m_pPlayer = L.bob;
    std::vector<CRepItem_Player::Row> bobRows = bob.CollectRows();
    ASSERT_EQ(bobRows.size(), 3u);
    EXPECT_EQ(bobRows[1].nSide, 1);
    auto games = bob.GamesOf(bobRows[1]);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ((std::pair<int, int>(games[2].nScore, games[2].nHcp)), (std::pair<int, int>(170, 10)));

    // With the current round at 1 the cut-off is round 2's date: round 3 is not listed, and a
    // round from the cut-off on is never an absence.
    L.doc.m_nCurrentRound = 1;
    rows = item.CollectRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].pFixture->m_nRound, 1);
}

TEST_F(PlayerPage, AlicesSeasonWorkedByHand)
{
    Draw();
    // {text, right-aligned, where}: "x,y" from the left, ">x,y" for the right end.
    const struct { const char* text; bool bRight; const char* where; } places[] = {
        // Heading: PIN and team; the program's name on a page-top item.
        {"Torvane 1.8.9", true, ">10800,-720"}, {"Alice Archer [77]  - Aces", false, "720,-720"},
        // Details from y0 - 480 = -1200, 200 a line, values ending at 2448: average 900 / 5,
        // change 180.0 - 170.5.
        {"Status", false, "720,-1200"}, {"Male", true, ">2448,-1200"}, {"170.5", true, ">2448,-1400"},
        {"180.0", true, ">2448,-1600"}, {"  9.5", true, ">2448,-1800"}, {"Games", false, "720,-2000"},
        {"900", true, ">2448,-2200"}, {"Hi Game(H)", false, "720,-2400"}, {"Hi Series(S)", false, "720,-3000"},
        // A blank line, the address lines that are not empty, then the phone and birth date.
        {"1 High Street", false, "720,-3400"}, {"Leeds", false, "720,-3600"}, {"Tel.(M)", false, "720,-3800"},
        {"3 Feb 1990", true, ">2448,-4000"}, {"TBA No. M-42", false, "720,-4300"},
        // The details reach below the chart's bottom (-4200), so the table follows them.
        {"Rnd", false, "720,-4500"}, {"G3", true, ">5340,-4500"}, {"Opponents", false, "9220,-4500"},
        // Round 1: handicap 20, 150 (170), 210 in red (230), no third game, 360 (400), 360 so far.
        {"01 Sep 25", false, "1260,-4700"}, {"(20)", true, ">2700,-4700"}, {"150", true, ">3180,-4700"},
        {"170", true, ">3660,-4700"}, {"210", true, ">4260,-4700"}, {"n/s", true, ">5340,-4700"},
        {"360", true, ">7500,-4700"}, {"400", true, ">7980,-4700"}, {"Kings", false, "9220,-4700"},
        // Round 2 missed: its round and date alone.
        {"08 Sep 25", false, "1260,-4900"},
        // Round 3, entered the day before: 180 190 170 with 18, 540 (594), 900 in all.
        {"14 Sep 25", false, "1260,-5100"}, {"(18)", true, ">2700,-5100"}, {"208", true, ">4740,-5100"},
        {"540", true, ">7500,-5100"}, {"594", true, ">7980,-5100"}};
    for (const auto& p : places)
        EXPECT_EQ(At(dc, p.text, p.bRight), std::string(p.text) + "@" + p.where);
    EXPECT_EQ((std::pair(dc.FindText("210")->color, dc.FindText("150")->color)), (std::pair(RGB(255, 0, 0), RGB(0, 0, 0))));
    EXPECT_EQ(At(dc, "900", true).substr(0, 4), "900@");

    // Bands: 150 and 170 in 150-174, 180 and 190 in 175-199, 210 in 200-224; unit 720 / 2.
    // The 200 band is row i = 4: yi = -1200 - 1000.
    EXPECT_EQ(At(dc, "200", true), "200@>10120,-2100");
    int nBars = 0;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Line && c.color == RGB(255, 0, 0) && c.y1 == c.y2 && c.x1 == 9792) {
            ++nBars;
            if (c.y1 == -2200 + 129)
                EXPECT_EQ(c.x2, 9792 + 360);
            else
                EXPECT_EQ(c.x2, 9792 + 720);
        }
    EXPECT_EQ(nBars, 3);
    // Five games: four black joins, four red joins of the running average, four box edges and
    // thirteen ticks in black.
    EXPECT_EQ(CountLines(dc, RGB(255, 0, 0)), 3 + 4);
    EXPECT_EQ(CountLines(dc, RGB(0, 0, 0)), 4 + 13 + 4);
    // The last game point: x = 2520 + 4 * 1800, y = bottom + 10 x 170; running average
    // (150 + 210 + 180 + 190 + 170) / 5 = 180.
    bool bGamePoint = false, bAvgPoint = false;
    for (const DrawCall& c : dc.calls) {
        bGamePoint = bGamePoint || (c.kind == DrawCall::Line && c.x2 == 9720 && c.y2 == -4200 + 1700);
        bAvgPoint = bAvgPoint || (c.kind == DrawCall::Line && c.x2 == 9720 && c.y2 == -4200 + 1800);
    }
    EXPECT_TRUE(bGamePoint && bAvgPoint) << bGamePoint << bAvgPoint << dc.Dump();
}

TEST_F(PlayerPage, PrivacyHidesTheAddressPhonesAndBirthDate)
{
    L.doc.m_bPrivacy = 1;
    Draw();
    for (const char* psz : {"1 High Street", "Tel.(M)", "3 Feb 1990", "TBA No. M-42"})
        EXPECT_EQ(dc.FindText(psz), nullptr) << psz;
    EXPECT_NE(dc.FindText("Hi Series(S)"), nullptr);
    // The table starts 200 below the chart's bottom (-4200).
    EXPECT_EQ(At(dc, "Rnd"), "Rnd@720,-4400");
}

TEST_F(PlayerPage, HeadingAndDetailsAtTheirEdges)
{
    // A damaged birth month shows as unknown and the bowler's record is left alone.
    L.alice->m_nBirthMonth = 14;
    // No entering average: "n/a" and no change line.
    L.alice->SetEnteringAverage(0);
    L.alice->m_nPin = 0, L.doc.m_nPlayersPerTeam = 1, item.m_y = -1000;
    Draw();
    EXPECT_FALSE(dc.FindText("Torvane 1.8.9") || dc.FindText("Change")) << dc.Dump();
    EXPECT_TRUE(dc.FindText("Alice Archer") && dc.FindText("n/a") && dc.FindText("3 ??? 1990")) << dc.Dump();
    EXPECT_EQ(L.alice->m_nBirthMonth, 14);

    // An unassigned bowler and a scratch league: no handicap columns or lines.
    L.doc.m_nPlayersPerTeam = 2, L.alice->m_nTeamNo = 0, L.doc.m_bHandicapLeague = 0;
    Draw();
    EXPECT_NE(dc.FindText("Alice Archer - Floating Sub."), nullptr);
    L.alice->m_wFlags |= PF_NOT_FLOATING_SUB;
    Draw();
    EXPECT_NE(dc.FindText("Alice Archer - Unassigned."), nullptr);
    // 230 would be 210 + 20: no score with handicap.
    for (const char* psz : {"Hcp", "Hi Game(H)", "(20)", "230"})
        EXPECT_EQ(dc.FindText(psz), nullptr) << psz;
}

TEST_F(PlayerPage, OnlyAbsencesDrawTheBoxWithoutBars)
{
    // A bowler who bowled nowhere.
    CPlayer* eve = L.Player(5, "Eve", "Evans", 1);
    item.m_pPlayer = eve;
    Draw();
    // Rounds 1 to 3 are absences; the box is drawn, no bar, no game line.
    for (const char* psz : {"01 Sep 25", "08 Sep 25", "15 Sep 25"})
        EXPECT_NE(dc.FindText(psz), nullptr) << psz;
    EXPECT_EQ(CountLines(dc, RGB(255, 0, 0)), 0);
    EXPECT_EQ(CountLines(dc, RGB(0, 0, 0)), 4 + 13);

    // A bowler with no rows: heading, details and the header, no box.
    L.doc.m_nCurrentRound = 0, L.doc.m_nRounds = 1;
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;)
        static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos))->m_nRound = 1;
    Draw();
    EXPECT_NE(dc.FindText("Rnd"), nullptr);
    EXPECT_EQ(CountLines(dc, RGB(0, 0, 0)), 0);
}

TEST_F(PlayerPage, OneGameGivesBandsButNoLinesAndHighScoresCountInTheTopBand)
{
    CPlayer* eve = L.Player(5, "Eve", "Evans", 1);
    CFixture* f = L.Match(5, 1, 2);
    PlayerDisplayTestLeague::Line(f, 0, 0, eve, {0, 330, 0}, 0);
    PlayerDisplayTestLeague::Played(f, PlayerDisplayTestLeague::RoundDate(5));
    L.doc.m_nCurrentRound = 5;
    L.doc.m_nAverageLimit = 249;
    item.m_pPlayer = eve;
    Draw();
    // 330 in the top band (label 300, row 0), one bar of the full 720.
    int nBars = 0;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Line && c.color == RGB(255, 0, 0)) {
            ++nBars;
            EXPECT_EQ((std::pair(c.y1, c.x2)), (std::pair(-1200 + 129, 9792 + 720)));
        }
    EXPECT_EQ(nBars, 1);
    ASSERT_NE(dc.FindText("330"), nullptr);
    EXPECT_EQ(dc.FindText("330")->color, RGB(255, 0, 0));
}

TEST_F(PlayerPage, WithoutACutOffFixtureEveryEnteredMatchIsListedAndNobodyIsAbsent)
{
    // A league whose number of rounds was damaged to 0 has no cut-off round to look up.
    L.doc.m_nRounds = 0;
    std::vector<CRepItem_Player::Row> rows = item.CollectRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ((std::pair<int, int>(rows[0].pFixture->m_nRound, rows[1].pFixture->m_nRound)), (std::pair<int, int>(1, 3)));
    EXPECT_FALSE(rows[0].bAbsence || rows[1].bAbsence);
}
