// The league points and handicap table items of the league details: rows and values worked by
// hand for a small league, and the items the details display gets for each kind of league.
#include "PlacedTexts.h"
#include "RecordingDC.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "reports/layout/PointsTableItems.h"
#include "view/DisplayPages.h"
#include "view/ReportFlow.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Texts = std::vector<std::string>;
using At = std::pair<int, int>;

class LeaguePoints : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Handicap: 2 points a game (4 halves), 3 for the series, 1 team point a game and 1½
        // for the series (3 halves, shown as 1); 17 points a match.
        CPointsRule& hcp = m_doc.m_HcpPoints;
        hcp.m_bIndividual = 1;
        hcp.m_bTeam = 1;
        for (int g = 0; g < 4; ++g) {
            hcp.m_nIndividualGame[g] = static_cast<BYTE>(4 + g);
            hcp.m_nTeamGame[g] = 2;
        }
        hcp.m_nIndividualSeries = 6;
        hcp.m_nTeamSeries = 3;
        m_doc.m_nMaxHandicapPoints = 35;
        m_doc.m_nGamesPerMatch = 3;
        m_item.m_pDoc = &m_doc;
        m_item.m_x = PAGE_LEFT;
        m_item.m_y = -1000;
    }
    CBowlingDoc m_doc;
    CRepItem_LeaguePoints m_item;
};

} // namespace

TEST_F(LeaguePoints, HandicapRowsWithGameAndSeriesPoints)
{
    m_item.m_bHandicap = 1;
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200 * 7);
    m_item.Draw(&dc, nullptr);
    // The screen's small fonts are 172 twips: a character is 86 wide.
    ExpectPlaced(dc, {{"Handicap Points.", 720, -1000}, {"Individual - Points per game", 1440, -1200},
                      {"2, 2, 3", 5760 - 7 * 86, -1200}, {"17", 5760 - 2 * 86, -2000}});
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Individual - Points per game", "2, 2, 3"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Individual - Points per series", "3"}));
    EXPECT_EQ(TextsAt(dc, -1600), (Texts{"Team - Points per game", "1, 1, 1"}));
    EXPECT_EQ(TextsAt(dc, -1800), (Texts{"Team - Points per series", "1"}));
    EXPECT_EQ(TextsAt(dc, -2000), (Texts{"Total points per MATCH - Handicap", "17"}));
}

TEST_F(LeaguePoints, TwoGameLeagueAndNoPointsAtAll)
{
    m_item.m_bHandicap = 1;
    m_doc.m_nGamesPerMatch = 2;
    m_doc.m_HcpPoints.m_bTeam = 0;
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200 * 5);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Individual - Points per game", "2, 2"}));
    EXPECT_EQ(dc.FindText("Team - Points per game"), nullptr);
    EXPECT_EQ(TextsAt(dc, -1600), (Texts{"Total points per MATCH - Handicap", "17"}));

    // The scratch system has neither kind: heading and total only, 600 twips.
    m_item.m_bHandicap = 0;
    m_doc.m_nMaxScratchPoints = 0;
    EXPECT_EQ(m_item.GetHeight(&dc), -600);
    CRecordingDC scr;
    m_item.Draw(&scr, nullptr);
    EXPECT_EQ(scr.Texts(), (Texts{"Scratch Points.", "Total points per MATCH - Scratch", "0"})) << scr.Dump();
    EXPECT_EQ(Pos(scr, "Total points per MATCH - Scratch"), At(1440, -1200));
}

TEST_F(LeaguePoints, PrinterUsesThePrinterFonts)
{
    m_item.m_bHandicap = 1;
    CRecordingDC printer(true);
    m_item.Draw(&printer, nullptr);
    ASSERT_NE(printer.FindText("Handicap Points."), nullptr);
    // The printer's small fonts are 160 twips: a character is 80 wide.
    EXPECT_EQ(Pos(printer, "2, 2, 3"), At(5760 - 7 * 80, -1200));
}

namespace {

class HandicapTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_bHandicapLeague = 1;
        CHandicapRule& all = m_doc.m_HcpRule[HCP_RULE_ALL];
        all.m_nBasis = 200;
        all.m_nPercent = 80;
        all.m_bApplyMin = 1;
        all.m_nMin = 0;
        all.m_bApplyMax = 1;
        all.m_nMax = 100;
        m_item.m_pDoc = &m_doc;
        m_item.m_x = PAGE_LEFT;
        m_item.m_y = -1000;
        m_item.m_nCategory = CRepItem_HandicapTable::CAT_ALL;
    }
    CBowlingDoc m_doc;
    CRepItem_HandicapTable m_item;
};

} // namespace

TEST_F(HandicapTable, HeadingAndEveryAverageSevenToARow)
{
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    // 75 and 76 are the cases one below the bound and one above (100 - 1 = 99 and 0 + 1 = 1):
    // every average is listed all the same. 175 averages fill 25 rows.
    ExpectPlaced(dc, {{"All Bowler Handicap = 80% of 200,  Minimum = 0,  Maximum = 100.", 1080, -1000},
                      {"56 : 100", 9720, -1200}, {"76 : 99", 1080 + 5 * 1440, -1400 - 200 * 2},
                      {"199 : 0", 1080 + (149 % 7) * 1440, -1200 - 200 * (149 / 7)},
                      {"224 : 0", 9720, -1200 - 200 * 24}});
    // (200 - 50) x 80 / 100 = 120, held to the maximum of 100.
    EXPECT_EQ(TextsAt(dc, -1200),
              (Texts{"50 : 100", "51 : 100", "52 : 100", "53 : 100", "54 : 100", "55 : 100", "56 : 100"}));
    EXPECT_EQ(dc.FindText("225 : 0"), nullptr);
    // The height has the heading and a row to spare.
    EXPECT_EQ(m_item.GetHeight(&dc), -200 * 28);
}

TEST_F(HandicapTable, NoMinimumOrMaximumAndTheCategories)
{
    CHandicapRule& women = m_doc.m_HcpRule[HCP_RULE_WOMEN];
    women.m_nBasis = 210;
    women.m_nPercent = 90;
    women.m_bApplyMin = 0;
    women.m_bApplyMax = 0;
    m_doc.m_bOneRuleForAll = 0;
    m_doc.m_bWomenRule = 1;
    m_item.m_nCategory = CRepItem_HandicapTable::CAT_FEMALE;
    EXPECT_EQ(m_item.GetHeadingText(), "Female Handicap = 90% of 210,  No Minimum,  No Maximum.");
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    // (210 - 50) x 90 / 100 = 144; (210 - 224) x 90 / 100 = -12 with no minimum.
    EXPECT_TRUE(dc.FindText("50 : 144") && dc.FindText("224 : -12")) << dc.Dump();

    // An older league's -300 also means none.
    CHandicapRule& men = m_doc.m_HcpRule[HCP_RULE_MEN];
    men.m_bApplyMin = 1;
    men.m_nMin = -300;
    men.m_bApplyMax = 1;
    men.m_nMax = 40;
    m_item.m_nCategory = CRepItem_HandicapTable::CAT_MALE;
    EXPECT_EQ(std::make_pair(m_item.GetHeadingText().Left(5),
                             m_item.GetHeadingText().Find("  No Minimum,  Maximum = 40.") != -1),
              std::make_pair(CString("Male "), true));
    m_doc.m_HcpRule[HCP_RULE_JUNIORS].m_nPercent = 100;
    m_item.m_nCategory = CRepItem_HandicapTable::CAT_JUNIOR;
    EXPECT_EQ(m_item.GetHeadingText().Left(21), "Junior Handicap = 100");

    // A category of 0 draws nothing and takes one row.
    m_item.m_nCategory = 0;
    CRecordingDC none;
    m_item.Draw(&none, nullptr);
    EXPECT_TRUE(none.calls.empty());
    EXPECT_EQ(m_item.GetHeight(&none), -200);
}

TEST(LeagueRulesItems, WhatTheDetailsDisplayGetsForEachKindOfLeague)
{
    CBowlingDoc doc;
    auto kinds = [&doc]() {
        CObList list;
        AppendLeagueRulesItems(&doc, list, TEMP_SHOWING);
        std::vector<std::pair<int, int>> out;
        while (!list.IsEmpty()) {
            std::unique_ptr<CRepItem> p(static_cast<CRepItem*>(list.RemoveHead()));
            EXPECT_EQ(p->m_pDoc, &doc);
            EXPECT_TRUE(p->IsTemporary());
            if (auto* pPoints = dynamic_cast<CRepItem_LeaguePoints*>(p.get()))
                out.emplace_back(RIT_LEAGUE_POINTS, pPoints->m_bHandicap ? 1 : 0);
            else if (auto* pTable = dynamic_cast<CRepItem_HandicapTable*>(p.get()))
                out.emplace_back(RIT_HANDICAP_TABLE, pTable->m_nCategory);
        }
        return out;
    };
    using V = std::vector<std::pair<int, int>>;
    doc.m_bScratchLeague = 1;
    doc.m_bHandicapLeague = 0;
    EXPECT_EQ(kinds(), (V{{RIT_LEAGUE_POINTS, 0}}));
    doc.m_bHandicapLeague = 1;
    doc.m_bOneRuleForAll = 1;
    EXPECT_EQ(kinds(), (V{{RIT_LEAGUE_POINTS, 1}, {RIT_LEAGUE_POINTS, 0}, {RIT_HANDICAP_TABLE, 8}}));
    doc.m_bScratchLeague = 0;
    doc.m_bOneRuleForAll = 0;
    doc.m_bMenRule = 1;
    doc.m_bJuniorsRule = 1;
    EXPECT_EQ(kinds(), (V{{RIT_LEAGUE_POINTS, 1}, {RIT_HANDICAP_TABLE, 4}, {RIT_HANDICAP_TABLE, 1}}));
}

TEST(LeagueRulesItems, LeagueDetailsDisplayShowsOfficialsPointsAndTables)
{
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 1;
    doc.m_bScratchLeague = 0;
    doc.m_bOneRuleForAll = 1;
    doc.m_strSecretary = "J. Smith";
    ASSERT_NE(g_pfnBuildLeagueDetails, nullptr);
    g_pfnBuildLeagueDetails(&doc);
    ASSERT_EQ(doc.m_listDisplayItems.GetCount(), 3);
    auto* pFirst = static_cast<CRepItem*>(doc.m_listDisplayItems.GetHead());
    EXPECT_EQ(pFirst->m_nType, RIT_OFFICERS);
    doc.m_nDisplayMode = MODE_LEAGUE_DETAILS;
    CRecordingDC dc;
    int nPages = LayoutDisplayPages(&doc, &dc);
    EXPECT_GE(nPages, 1);
    // Points first, then the table below it, all from the left margin.
    CPageInfo info{1, nPages};
    CRecordingDC page;
    DrawDisplayPage(&doc, &page, info);
    const DrawCall* pPoints = page.FindText("Handicap Points.");
    const DrawCall* pTable = page.FindText("All Bowler Handicap = 80% of 200,  No Minimum,  No Maximum.");
    ASSERT_TRUE(pPoints && pTable) << page.Dump();
    EXPECT_EQ(pPoints->x1, 720);
    EXPECT_LT(pTable->y1, pPoints->y1);
    DeleteItemList(doc.m_listDisplayItems);
}
