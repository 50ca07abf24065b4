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
        a->m_nGames[PASS_HANDICAP] = 5;
        a->m_nPins[PASS_HANDICAP] = 900;
        a->m_strAddress[0] = "1 High Street";
        a->m_strAddress[2] = "Leeds";
        a->m_strPhoneMobile = "07700 900123";
        a->m_nBirthDay = 3;
        a->m_nBirthMonth = 2;
        a->m_nBirthYear = 1990;
        a->m_strMembershipNo = "M-42";
        item.m_pDoc = &L.doc;
        item.m_pPlayer = a;
        item.m_x = 720;
        item.m_y = -720;
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
    EXPECT_EQ(rows[0].pFixture->m_nRound, 1);
    EXPECT_FALSE(rows[0].bAbsence);
    EXPECT_EQ(rows[1].pFixture->m_nRound, 2);
    EXPECT_TRUE(rows[1].bAbsence);
    EXPECT_EQ(rows[1].date, PlayerDisplayTestLeague::RoundDate(2));
    EXPECT_EQ(rows[2].date, PlayerDisplayTestLeague::RoundDate(3) - CTimeSpan(1, 0, 0, 0));

    // Bob bowled for the second side in round 2; his games come from his own position.
    CRepItem_Player bob;
    bob.m_pDoc = &L.doc;
    bob.m_pPlayer = L.bob;
    std::vector<CRepItem_Player::Row> bobRows = bob.CollectRows();
    ASSERT_EQ(bobRows.size(), 3u);
    EXPECT_EQ(bobRows[1].nSide, 1);
    auto games = bob.GamesOf(bobRows[1]);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[2].nScore, 170);
    EXPECT_EQ(games[2].nHcp, 10);

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
    // Heading: PIN and team; the program's name on a page-top item.
    EXPECT_EQ(At(dc, "Torvane 1.8.9", true), "Torvane 1.8.9@>10800,-720");
    EXPECT_EQ(At(dc, "Alice Archer [77]  - Aces"), "Alice Archer [77]  - Aces@720,-720");

    // Details from y0 - 480 = -1200, 200 a line, values ending at 2448.
    EXPECT_EQ(At(dc, "Status"), "Status@720,-1200");
    EXPECT_EQ(At(dc, "Male", true), "Male@>2448,-1200");
    EXPECT_EQ(At(dc, "170.5", true), "170.5@>2448,-1400");
    EXPECT_EQ(At(dc, "180.0", true), "180.0@>2448,-1600");   // 900 / 5
    EXPECT_EQ(At(dc, "  9.5", true), "  9.5@>2448,-1800");   // 180.0 - 170.5
    EXPECT_EQ(At(dc, "Games"), "Games@720,-2000");
    EXPECT_EQ(At(dc, "900", true), "900@>2448,-2200");
    EXPECT_EQ(At(dc, "Hi Game(H)"), "Hi Game(H)@720,-2400");
    EXPECT_EQ(At(dc, "Hi Series(S)"), "Hi Series(S)@720,-3000");
    // A blank line, the address lines that are not empty, then the phone and birth date.
    EXPECT_EQ(At(dc, "1 High Street"), "1 High Street@720,-3400");
    EXPECT_EQ(At(dc, "Leeds"), "Leeds@720,-3600");
    EXPECT_EQ(At(dc, "Tel.(M)"), "Tel.(M)@720,-3800");
    EXPECT_EQ(At(dc, "3 Feb 1990", true), "3 Feb 1990@>2448,-4000");
    EXPECT_EQ(At(dc, "TBA No. M-42"), "TBA No. M-42@720,-4300");

    // The details reach below the chart's bottom (-4200), so the table follows them.
    EXPECT_EQ(At(dc, "Rnd"), "Rnd@720,-4500");
    EXPECT_EQ(At(dc, "G3", true), "G3@>5340,-4500");
    EXPECT_EQ(At(dc, "Opponents"), "Opponents@9220,-4500");
    // Round 1: handicap 20, 150 (170), 210 in red (230), no third game, 360 (400), 360 so far.
    EXPECT_EQ(At(dc, "01 Sep 25"), "01 Sep 25@1260,-4700");
    EXPECT_EQ(At(dc, "(20)", true), "(20)@>2700,-4700");
    EXPECT_EQ(At(dc, "150", true), "150@>3180,-4700");
    EXPECT_EQ(At(dc, "170", true), "170@>3660,-4700");
    EXPECT_EQ(At(dc, "210", true), "210@>4260,-4700");
    EXPECT_EQ(dc.FindText("210")->color, RGB(255, 0, 0));
    EXPECT_EQ(dc.FindText("150")->color, RGB(0, 0, 0));
    EXPECT_EQ(At(dc, "n/s", true), "n/s@>5340,-4700");
    EXPECT_EQ(At(dc, "360", true), "360@>7500,-4700");
    EXPECT_EQ(At(dc, "400", true), "400@>7980,-4700");
    EXPECT_EQ(At(dc, "Kings"), "Kings@9220,-4700");
    // Round 2 missed: its round and date alone.
    EXPECT_EQ(At(dc, "08 Sep 25"), "08 Sep 25@1260,-4900");
    // Round 3, entered the day before: 180 190 170 with 18, 540 (594), 900 in all.
    EXPECT_EQ(At(dc, "14 Sep 25"), "14 Sep 25@1260,-5100");
    EXPECT_EQ(At(dc, "(18)", true), "(18)@>2700,-5100");
    EXPECT_EQ(At(dc, "208", true), "208@>4740,-5100");
    EXPECT_EQ(At(dc, "540", true), "540@>7500,-5100");
    EXPECT_EQ(At(dc, "594", true), "594@>7980,-5100");
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
    EXPECT_TRUE(bGamePoint) << dc.Dump();
    EXPECT_TRUE(bAvgPoint);
}

TEST_F(PlayerPage, PrivacyHidesTheAddressPhonesAndBirthDate)
{
    L.doc.m_bPrivacy = 1;
    Draw();
    EXPECT_EQ(dc.FindText("1 High Street"), nullptr);
    EXPECT_EQ(dc.FindText("Tel.(M)"), nullptr);
    EXPECT_EQ(dc.FindText("3 Feb 1990"), nullptr);
    EXPECT_EQ(dc.FindText("TBA No. M-42"), nullptr);
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
    L.alice->m_nPin = 0;
    L.doc.m_nPlayersPerTeam = 1;
    item.m_y = -1000;
    Draw();
    EXPECT_EQ(dc.FindText("Torvane 1.8.9"), nullptr);
    EXPECT_NE(dc.FindText("Alice Archer"), nullptr);
    EXPECT_NE(dc.FindText("n/a"), nullptr);
    EXPECT_EQ(dc.FindText("Change"), nullptr);
    EXPECT_NE(dc.FindText("3 ??? 1990"), nullptr);
    EXPECT_EQ(L.alice->m_nBirthMonth, 14);

    // An unassigned bowler and a scratch league: no handicap columns or lines.
    L.doc.m_nPlayersPerTeam = 2;
    L.alice->m_nTeamNo = 0;
    L.doc.m_bHandicapLeague = 0;
    Draw();
    EXPECT_NE(dc.FindText("Alice Archer - Floating Sub."), nullptr);
    L.alice->m_wFlags |= PF_NOT_FLOATING_SUB;
    Draw();
    EXPECT_NE(dc.FindText("Alice Archer - Unassigned."), nullptr);
    EXPECT_EQ(dc.FindText("Hcp"), nullptr);
    EXPECT_EQ(dc.FindText("Hi Game(H)"), nullptr);
    EXPECT_EQ(dc.FindText("(20)"), nullptr);
    EXPECT_EQ(dc.FindText("230"), nullptr);   // 210 + 20: no score with handicap
}

TEST_F(PlayerPage, OnlyAbsencesDrawTheBoxWithoutBars)
{
    // A bowler who bowled nowhere.
    CPlayer* eve = L.Player(5, "Eve", "Evans", 1);
    item.m_pPlayer = eve;
    Draw();
    // Rounds 1 to 3 are absences; the box is drawn, no bar, no game line.
    EXPECT_NE(dc.FindText("01 Sep 25"), nullptr);
    EXPECT_NE(dc.FindText("08 Sep 25"), nullptr);
    EXPECT_NE(dc.FindText("15 Sep 25"), nullptr);
    EXPECT_EQ(CountLines(dc, RGB(255, 0, 0)), 0);
    EXPECT_EQ(CountLines(dc, RGB(0, 0, 0)), 4 + 13);

    // A bowler with no rows: heading, details and the header, no box.
    L.doc.m_nCurrentRound = 0;
    L.doc.m_nRounds = 1;
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
            EXPECT_EQ(c.y1, -1200 + 129);
            EXPECT_EQ(c.x2, 9792 + 720);
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
    EXPECT_EQ(rows[0].pFixture->m_nRound, 1);
    EXPECT_EQ(rows[1].pFixture->m_nRound, 3);
    EXPECT_FALSE(rows[0].bAbsence || rows[1].bAbsence);
}
