// The best games and series item: its stored record, a league file holding it read and
// written back to the same bytes.
#include "../layout/ReportTestHelpers.h"
#include "league/BowlingDoc.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

TEST(BestGamesStored, RecordPacksFlagsKindAndCount)
{
    CRepItem_best item;
    item.m_nColumns = 1;
    item.m_nBasis = CRepItem_best::BASIS_OVER_AVERAGE;
    item.m_bTeams = 1;
    item.m_bCurrentRoundOnly = 1;
    item.m_nGroup = 1;
    item.m_nKind = CRepItem_best::KIND_GAMES;
    item.m_nFirstRound = 3;
    item.m_nLastRound = 260;
    item.m_nCount = 12;
    item.m_fontDetail.m_strFaceName = "Tahoma";
    std::vector<BYTE> expected{RIT_BEST, 1, 0x62, 1, 12, 0x40, 3, 0, 4, 1};
    Append(expected, BytesOf(item.m_fontHeader));
    Append(expected, BytesOf(item.m_fontDetail));
    EXPECT_EQ(BytesOf(item), expected);

    CRepItem_best loaded;
    LoadFrom(loaded, expected);
    EXPECT_EQ(BytesOf(loaded), expected);
    EXPECT_EQ(loaded.m_nBasis, 2);
    EXPECT_EQ(loaded.m_bTeams, 1u);
    EXPECT_EQ(loaded.m_bCurrentRoundOnly, 1u);
    EXPECT_EQ(loaded.m_nKind, 1);
    EXPECT_EQ(loaded.m_nCount, 12);
    EXPECT_EQ(loaded.m_nLastRound, 260);
    EXPECT_EQ(loaded.m_fontDetail.m_strFaceName, "Tahoma");

    // The largest count the file holds; the clear flags come back clear.
    expected[2] = 0x01;
    expected[4] = 0xFF;
    expected[5] = 0x3F;
    LoadFrom(loaded, expected);
    EXPECT_EQ(loaded.m_nCount, 0x3FFF);
    EXPECT_EQ(loaded.m_nKind, 0);
    EXPECT_EQ(loaded.m_bTeams, 0u);
    EXPECT_EQ(loaded.m_bCurrentRoundOnly, 0u);
    EXPECT_EQ(BytesOf(loaded), expected);

    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_BEST));
    ASSERT_NE(dynamic_cast<CRepItem_best*>(pMade.get()), nullptr);
    EXPECT_EQ(pMade->GetName(), "Best Game/Series");
    std::unique_ptr<CRepItem> pCopy(item.Clone());
    EXPECT_EQ(BytesOf(*pCopy), BytesOf(item));
}

TEST(BestGamesStored, LeagueFileWithBothItemsSavesBackToTheSameBytes)
{
    CBowlingDoc doc;
    doc.m_strLeagueName = "Tuesday Trios";
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Weekly sheet";
    auto* pBest = new CRepItem_best;
    pBest->m_nCount = 7;
    pBest->m_nColumns = 1;
    pBest->m_nLastRound = 9;
    pForm->AddItem(pBest);
    auto* pAnalysis = new CRepItem_Analysis1;
    pAnalysis->m_pDoc = &doc;
    pAnalysis->SetDefaults();
    pAnalysis->m_nGap = 25;
    pAnalysis->m_nValueFrom[4] = 200;
    pAnalysis->m_nValueTo[4] = 300;
    pForm->AddItem(pAnalysis);
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;

    std::vector<BYTE> data;
    doc.SaveToBytes(data);
    CBowlingDoc loaded;
    CString strError;
    ASSERT_TRUE(loaded.LoadFromBytes(data, "trios.lgf", strError)) << strError.GetString();
    auto* pLoaded = static_cast<CRepForm*>(loaded.m_listRepForms.GetHead());
    ASSERT_EQ(pLoaded->m_listItems.GetCount(), 2);
    auto* pLoadedAnalysis = dynamic_cast<CRepItem_Analysis1*>(static_cast<CObject*>(pLoaded->m_listItems.GetTail()));
    ASSERT_NE(pLoadedAnalysis, nullptr);
    EXPECT_EQ(pLoadedAnalysis->m_nGap, 25);
    EXPECT_EQ(pLoadedAnalysis->m_nValueTo[4], 300);
    EXPECT_EQ(pLoaded->GetStoredBytes(), pForm->GetStoredBytes());
}
