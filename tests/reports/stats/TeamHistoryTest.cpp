// The full team history page against the hand-worked league: the totals, the rows in date order
// up to the next round, the red scores, the band chart and the trend.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "TeamDetailsTestLeague.h"
#include "league/PointsText.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "reports/stats/TeamFullDetsItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Round 1 (9 Jan) entered; round 2's first match (due 16 Jan) bowled on 15 Jan with game 3
// defaulted; a second round-2 match, Kings v Aces, not yet entered.
struct TeamHistory : ::testing::Test
{
    TeamDetailsTestLeague L;
    CRepItem_TeamFullDets item;
    CFixture* f1 = nullptr;
    CFixture* f2 = nullptr;
    void SetUp() override
    {
        f1 = static_cast<CFixture*>(L.doc.m_listFixtures.GetHead());
        f2 = static_cast<CFixture*>(L.doc.m_listFixtures.GetTail());
        CFixture* f3 = AddTestFixture(L.doc, 2, 2, 1);
        f1->m_timeDue = CTime(2024, 1, 9, 19, 0, 0);
        f2->m_timeDue = f3->m_timeDue = CTime(2024, 1, 16, 19, 0, 0);
        for (auto [f, nPos, p, a, b, c, nHcp] :
             {std::tuple(f1, 0, L.al, 124, 125, 210, 30), std::tuple(f1, 1, L.bo, 150, 150, 150, 40),
              std::tuple(f1, 2, L.cy, 200, 200, 200, 0), std::tuple(f2, 0, L.al, 199, 200, 0, 30),
              std::tuple(f2, 1, L.bo, 100, 100, 0, 40), std::tuple(f2, 2, L.cy, 201, 300, 0, 0)})
            PutBowler(f, 0, nPos, p, {a, b, c}, nHcp);
        f1->m_timePlayed[0] = f1->m_timeDue;
        f1->m_nHandicapMatchPoints[0] = 5;
        f2->m_nDefaulted[0] = DefaultedBit(2);
        f2->m_timePlayed[0] = CTime(2024, 1, 15, 19, 0, 0);
        item.m_pDoc = &L.doc, item.m_pTeam = L.aces, item.m_x = 720, item.m_y = -720;
    }
};

const DrawCall* LineFrom(const CRecordingDC& dc, int x, int y, COLORREF colour)
{
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Line && c.x1 == x && c.y1 == y && c.color == colour)
            return &c;
    return nullptr;
}

} // namespace

TEST_F(TeamHistory, RowsChartAndTrend)
{
    L.doc.m_bHandicapPass = PASS_SCRATCH;
    CRecordingDC dc;
    EXPECT_EQ(item.GetHeight(&dc), -16560);
    item.Draw(&dc, nullptr);
    EXPECT_EQ(L.doc.m_bHandicapPass, static_cast<DWORD>(PASS_SCRATCH));
    EXPECT_EQ(TextsAt(dc, -720), (Texts{"Tuesday Trios", "Torvane 1.8.9", "Aces"}));
    // Totals from the box's top (-1200), 200 apart; the handicap figures of a handicap league.
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Games", "6"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", "3126"}));
    // (The chart's labels stand on some of these lines too.)
    EXPECT_EQ(TextsAt(dc, -1600), (Texts{"Hi Game(H)", "600", "750"}));
    EXPECT_EQ(TextsAt(dc, -2200), (Texts{"Hi Series(S)", "1590"}));
    // Headings under the box (bottom -4200), rows 200 apart in date order.
    EXPECT_EQ(TextsAt(dc, -4400), (Texts{"Rnd", "Date", "Pts", "G1", "Hcp", "G2", "Hcp", "G3", "Hcp", "Ser", "Hcp",
                                         "Pins", "Opponents"}));
    const std::string pts = FormatPassPoints(&L.doc, 1, 5).GetString();
    // 474 475 560 scratch, +70 handicap a game.
    EXPECT_EQ(TextsAt(dc, -4600), (Texts{"1", "09 Jan 24", pts, "474", "544", "475", "545", "560", "630", "1509",
                                         "1719", "1509", "Kings"}));
    // 500 and 600 (red: 200 a bowler), game 3 defaulted; the running pins go on.
    EXPECT_EQ(TextsAt(dc, -4800), (Texts{"2", "15 Jan 24", FormatPassPoints(&L.doc, 1, 0).GetString(), "500", "570",
                                         "600", "670", "Def", "1100", "1240", "2609", "Kings"}));
    for (const DrawCall& c : dc.calls) {
        if (c.kind == DrawCall::Text && c.y1 == -4800 && (c.text == "600" || c.text == "500")) {
            EXPECT_EQ(c.color, c.text == "600" ? RGB(255, 0, 0) : RGB(0, 0, 0)) << c.text.GetString();
        }
    }
    EXPECT_EQ(TextsAt(dc, -5000), (Texts{"2", "16 Jan 24", "Not Played"}));
    // Chart: 474 475 500 in the 450 band (a 75-pin band for three bowlers), 560 in 525, 600 in
    // 600; the fullest band's bar is 720 long.
    EXPECT_EQ(TextsAt(dc, -1200 - 250 * 6 + 100).back(), "450");
    EXPECT_EQ(TextsAt(dc, -1200 - 250 * 6 + 225), (Texts{"3"}));
    // Trend over five games, 1800 apart: 474/3 = 158 a bowler, 10 twips a pin above -4200; the
    // running average (158 + 158 + 186) / 3 = 167 in red. {x, y, colour, end's x or y}.
    const struct { int x, y; COLORREF cr; bool bEndX; int nEnd; } lines[] = {
        {9792, -1200 - 250 * 6 + 129, RGB(255, 0, 0), true, 9792 + 720},
        {9792, -1200 - 250 * 5 + 129, RGB(255, 0, 0), true, 9792 + 240},
        {2520, -4200 + 1580, RGB(0, 0, 0), true, 4320},
        {4320, -4200 + 1580, RGB(0, 0, 0), false, -4200 + 1860},
        {4320, -4200 + 1580, RGB(255, 0, 0), false, -4200 + 1670}};
    for (const auto& l : lines) {
        const DrawCall* p = LineFrom(dc, l.x, l.y, l.cr);
        ASSERT_NE(p, nullptr) << l.x << "," << l.y << "\n" << dc.Dump();
        EXPECT_EQ(l.bEndX ? p->x2 : p->y2, l.nEnd) << l.x << "," << l.y;
    }
}

TEST_F(TeamHistory, NextRoundAndTeamWithoutGames)
{
    // Bowled after the first match of the next round is due: left out.
    f2->m_timePlayed[0] = CTime(2024, 1, 17, 19, 0, 0);
    const std::vector<CFixture*> kept = item.KeptMatches();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0], f1);
    EXPECT_EQ(kept[1]->m_nTeamA, 2);

    item.m_pTeam = L.kings;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (Texts{"Tuesday Trios", "Torvane 1.8.9", "Kings", "Games", "0", "Pins", "0", "Hi Game(H)",
                                 "0", "Hi Series(H)", "0", "Hi Game(S)", "0", "Hi Series(S)", "0"}));
}

// The page's two "Pins" over the sample league, whose matches were typed into the scoresheets:
// the total at the top is the team's pinfall with handicap (the standings' PinsH) and the
// running column ends on its scratch pinfall (the standings' PinsS), every team.
TEST(TeamHistorySample, TheTotalIsWithHandicapAndTheRunningPinsScratch)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    ASSERT_TRUE(doc.m_bHandicapLeague);
    int nTeams = 0;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos; ++nTeams) {
        CTeam* pTeam = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos));
        CRepItem_TeamFullDets item;
        item.m_pDoc = &doc, item.m_pTeam = pTeam, item.m_x = 720, item.m_y = -720;
        CRecordingDC dc;
        item.Draw(&dc, nullptr);
        EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", std::to_string(pTeam->m_nPins[PASS_HANDICAP])}))
            << pTeam->m_strName.GetString();
        // The rows follow the headings ("Rnd" first); a played row's running pins stand before
        // the opponent's name.
        const DrawCall* pHeadings = dc.FindText("Rnd");
        ASSERT_NE(pHeadings, nullptr) << dc.Dump();
        std::string running;
        for (int y = pHeadings->y1 - 200;; y -= 200) {
            const Texts row = TextsAt(dc, y);
            if (row.empty())
                break;
            if (row.size() > 3)
                running = row[row.size() - 2];
        }
        EXPECT_EQ(running, std::to_string(pTeam->m_nHcpScrPins)) << pTeam->m_strName.GetString();
        EXPECT_GT(pTeam->m_nPins[PASS_HANDICAP], pTeam->m_nHcpScrPins);
    }
    EXPECT_EQ(nTeams, GetSampleLeagueShape(FALSE).nTeams);
}
