// Automatic awards over two rounds of a two-team league worked by hand: score ranges, games
// over average, percentage over average and minimum scores with an average limit, on games
// and series; substitutes; both sorted lists; and the recalculation making them again.
#include "RecalcTestLeague.h"
#include "league/Awards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Two teams of two, three games, every entering average 150.
//            round 1            round 2
//   11   180 190 200 = 570   230 100 150 = 480
//   12   140 150 160 = 450   160 175 170 = 505
//   21   210 120 150 = 480   150 150 150 = 450
//   22   130 130 130 = 390   140 205 140 = 485
// Stored averages (as result entry keeps them): 150 everywhere in round 1; in round 2 each bowler's round-1 average:
// 11 190, 12 150, 21 160, 22 130. Current average figures after round 2: 11 175, 12 159,
// 21 155, 22 145. Every rule over average is judged on the stored average, never the current.
struct AutoAwards : ::testing::Test
{
    RecalcTestLeague L{2, 2, 3};
    CBowlingDoc& doc = L.doc;

    void SetUp() override
    {
        for (int no : {11, 12, 21, 22})
            L.Player(no)->m_nEnteringAvg = 1500;
        CFixture* r1 = L.AddMatch(1, 1, 2, {{180, 190, 200}, {140, 150, 160}}, {{210, 120, 150}, {130, 130, 130}});
        CFixture* r2 = L.AddMatch(2, 1, 2, {{230, 100, 150}, {160, 175, 170}}, {{150, 150, 150}, {140, 205, 140}});
        // The averages result entry stored with each game.
        const DWORD round2[4] = {190, 150, 160, 130};
        for (int k : {0, 1, 5, 6})
            for (int g = 0; g < 3; ++g) {
                r1->m_nAverage[g][k] = 150;
                r2->m_nAverage[g][k] = round2[k < 5 ? k : k - 3];
            }
        doc.m_nCurrentRound = 2;
    }

    CAwards* Category(BYTE nKind, BYTE bSeries, WORD nLow, WORD nHigh, WORD nMaxAverage = 0)
    {
        auto* c = new CAwards(static_cast<WORD>(doc.m_listAwards.GetCount()));
        std::tie(c->m_nKind, c->m_bSeries, c->m_nLow, c->m_nHigh, c->m_nMaxAverage) =
            std::make_tuple(nKind, bSeries, nLow, nHigh, nMaxAverage);
        c->MakeDescription();
        doc.m_listAwards.AddTail(c);
        return c;
    }

    // "category:round:bowler:game:score/average" of each record of a list.
    static std::vector<std::string> Records(const CObList& list)
    {
        std::vector<std::string> v;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            const auto* r = static_cast<const CAwardData*>(list.GetNext(pos));
            v.push_back(std::to_string(r->m_nCategory) + ":" + std::to_string(r->m_nRound) + ":" +
                        std::to_string(r->m_nPlayerNo) + ":" + std::to_string(r->m_nGame) + ":" +
                        std::to_string(r->m_nScore) + "/" + std::to_string(r->m_nAverage));
        }
        return v;
    }
};

} // namespace

TEST_F(AutoAwards, EveryKindOnGamesAndSeriesWorkedByHand)
{
    auto* manual = new CAwards(0);
    manual->m_nKind = CAwards::kindManual;
    manual->m_strName = "Turkey";
    doc.m_listAwards.AddTail(manual);
    Category(CAwards::kindAbsoluteRange, 0, 200, 300);  // 1
    Category(CAwards::kindOverAverage, 0, 30, 100);     // 2
    Category(CAwards::kindAbsoluteRange, 1, 500, 900);  // 3
    Category(CAwards::kindPctOverAverage, 1, 10, 0);    // 4: above 110% of the stored average x 3
    Category(CAwards::kindOverByAverage, 0, 200, 0, 160);  // 5
    auto* turkey = new CAwardData(1);
    std::tie(turkey->m_nRound, turkey->m_nMatch, turkey->m_nPlayerNo, turkey->m_nGame) = std::make_tuple(2, 1, 12, 2);
    doc.AddAwardRecord(turkey);

    doc.Recalculate();
    const CFixture* r2 = doc.FindFixtureByRoundMatch(2, 1);
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ((std::vector<DWORD>{r2->m_nAverage[0][CFixture::SlotOf(0, 0)], r2->m_nAverage[0][CFixture::SlotOf(1, 1)],
                                  L.Player(22)->m_nAverage}),
              (std::vector<DWORD>{190, 130, 145}));

    EXPECT_EQ(Records(doc.m_listAwardData), (std::vector<std::string>{
        "0:2:12:2:0/0",                                    // the manual award, untouched
        "1:1:11:3:200/150", "1:1:21:1:210/150",            // 200 to 300
        "1:2:11:1:230/190", "1:2:22:2:205/130",
        "2:1:11:3:200/150", "2:1:11:2:190/150", "2:1:11:1:180/150", "2:1:21:1:210/150",  // 30 to 100 over
        "2:2:11:1:230/190", "2:2:22:2:205/130",
        "3:1:11:0:570/150", "3:2:12:0:505/150",            // series 500 to 900
        // 570 > 150 x 330 / 100 = 495, 505 > 495, 485 > 130 x 330 / 100 = 429; 11's 480 of round
        // 2 is not above 190 x 3.3 = 627 (nor 21's 480 of round 1 above 495)
        "4:1:11:0:570/150", "4:2:12:0:505/150", "4:2:22:0:485/130",
        "5:1:11:3:200/150", "5:1:21:1:210/150", "5:2:22:2:205/130",  // 230 by an average of 190: none
    }));
    // By score: the highest category and score first, automatic records only.
    EXPECT_EQ(Records(doc.m_listAwardDataByScore), (std::vector<std::string>{
        "5:1:21:1:210/150", "5:2:22:2:205/130", "5:1:11:3:200/150",
        "4:1:11:0:570/150", "4:2:12:0:505/150", "4:2:22:0:485/130",
        "3:1:11:0:570/150", "3:2:12:0:505/150",
        "2:2:11:1:230/190", "2:1:21:1:210/150", "2:2:22:2:205/130", "2:1:11:3:200/150", "2:1:11:2:190/150",
        "2:1:11:1:180/150",
        "1:2:11:1:230/190", "1:1:21:1:210/150", "1:2:22:2:205/130", "1:1:11:3:200/150",
    }));

    // Up to round 1 only, and again: nothing of the earlier pass survives.
    doc.CalcAutomaticAwards(1);
    doc.CalcAutomaticAwards(1);
    EXPECT_EQ(Records(doc.m_listAwardDataByScore).size(), 10u);
    EXPECT_EQ(Records(doc.m_listAwardData).front(), "0:2:12:2:0/0");
}

TEST_F(AutoAwards, LimitsDeletedAndEmptyRanges)
{
    Category(CAwards::kindAbsoluteRange, 0, 200, 300, 149);  // only 22's 130 of round 2 is within
    Category(CAwards::kindAbsoluteRange, 0, 300, 200);       // high below low: "?~???"
    CAwards* gone = Category(CAwards::kindAbsoluteRange, 0, 0, 300);
    gone->m_bDeleted = 1;
    Category(CAwards::kindOverByAverage, 1, 505, 0, 0);      // no average limit
    doc.Recalculate();
    EXPECT_EQ(Records(doc.m_listAwardData),
              (std::vector<std::string>{"0:2:22:2:205/130", "3:1:11:0:570/150", "3:2:12:0:505/150"}));
}

TEST_F(AutoAwards, SubstitutesGamesAndSeries)
{
    Category(CAwards::kindAbsoluteRange, 0, 0, 300);
    Category(CAwards::kindAbsoluteRange, 1, 0, 900);
    // Round 2, bowler 12's game 2 bowled by 21 with 199 (stored substitute average 148); the
    // regular slot still holds 175.
    CFixture* f = doc.FindFixtureByRoundMatch(2, 1);
    const int k = CFixture::SlotOf(0, 1);
    f->m_dwPosFlags[k] |= PosPacer(1);
    std::tie(f->m_wPacerNo[1][k], f->m_nPacerScore[1][k], f->m_nPacerAverage[1][k]) = std::make_tuple(21, 199, 148);
    doc.Recalculate();
    const std::vector<std::string> all = Records(doc.m_listAwardData);
    std::vector<std::string> games, series;
    for (const std::string& s : all)
        if (s.rfind("0:2:", 0) == 0 && s.find(":12:") != std::string::npos)
            games.push_back(s);
        else if (s.rfind("1:2:", 0) == 0)
            series.push_back(s);
    // The substituted game is the substitute's alone; bowler 12 keeps games 1 and 3.
    EXPECT_EQ(games, (std::vector<std::string>{"0:2:12:3:170/150", "0:2:12:1:160/150"}));
    EXPECT_NE(std::find(all.begin(), all.end(), "0:2:21:2:199/148"), all.end());
    // Position 2 has no series: not 12's (a game was not his) and no substitute's (only one
    // game), not even in a range from 0.
    EXPECT_EQ(series, (std::vector<std::string>{"1:2:11:0:480/190", "1:2:21:0:450/160", "1:2:22:0:485/130"}));
}
