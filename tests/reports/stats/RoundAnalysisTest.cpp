// The round analysis item: its stored record and the gap's version gate.
#include "../layout/ReportTestHelpers.h"
#include "league/BowlingDoc.h"
#include "reports/stats/RoundAnalysisItem.h"

#include <gtest/gtest.h>

#include <memory>

TEST(RoundAnalysisStored, RecordRowsFontsAndTheGapGate)
{
    CRepItem_Analysis1 item;
    item.m_bAllRoundsToCurrent = 1;
    item.m_bCurrentRoundOnly = 0;
    item.m_nLeagueKind = 1;
    item.m_nFirstRound = 2;
    item.m_nLastRound = 300;
    item.m_nStyle = 1;
    item.m_nGap = 40;
    item.m_bEnabled[9] = 1;
    item.m_nClass[9] = 2;
    item.m_nBasis[9] = 1;
    item.m_nValueFrom[9] = 200;
    item.m_nValueTo[9] = 0x1234;
    item.m_nMeasure[9] = 1;
    item.m_nGroup[9] = 3;
    item.m_nStatistic[9] = 5;
    item.m_fontHeader.m_bBold = 1;
    std::vector<BYTE> expected{1, 0, 1, 1, 2, 0, 44, 1, 1, 0};
    for (int r = 0; r < 9; ++r)
        Append(expected, std::vector<BYTE>(10, 0));
    Append(expected, {1, 2, 1, 200, 0, 0x34, 0x12, 1, 3, 5});
    Append(expected, BytesOf(item.m_fontDetail));
    Append(expected, BytesOf(item.m_fontHeader));
    EXPECT_EQ(BytesOf(item, 56), expected);
    std::vector<BYTE> withGap = expected;
    Append(withGap, {40, 0});
    EXPECT_EQ(BytesOf(item, 57), withGap);

    CRepItem_Analysis1 loaded;
    LoadFrom(loaded, withGap, 57);
    EXPECT_EQ(BytesOf(loaded, 57), withGap);
    EXPECT_EQ(loaded.m_nGap, 40);
    EXPECT_EQ(loaded.m_nType, RIT_ANALYSIS);
    // An older file has no gap: five hundredths of an inch.
    CRepItem_Analysis1 old;
    LoadFrom(old, expected, 56);
    EXPECT_EQ(old.m_nGap, 5);
    EXPECT_EQ(old.m_nValueTo[9], 0x1234);
    EXPECT_EQ(old.m_nStyle, 1);
    EXPECT_TRUE(old.m_fontHeader == item.m_fontHeader);

    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_ANALYSIS));
    ASSERT_NE(dynamic_cast<CRepItem_Analysis1*>(pMade.get()), nullptr);
    EXPECT_EQ(pMade->GetName(), "Round Analysis");
    std::unique_ptr<CRepItem> pCopy(item.Clone());
    EXPECT_EQ(BytesOf(*pCopy), BytesOf(item));
}
