// The floating substitutes and average busters items in the league file: their bytes, the
// version gates of the first, the options byte of the second, and a league holding both that
// opens and saves back to the same bytes.
#include "../layout/ReportTestHelpers.h"
#include "league/SampleLeague.h"
#include "reports/stats/AvgBustersItem.h"
#include "reports/stats/FloatersItem.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

TEST(FloatersStored, FontsFromVersion40AndColumnsFrom54)
{
    CRepItem_Floaters item;
    item.m_nColumns = 1, item.m_fontTitle.m_bBold = 1, item.m_fontHeading.m_strFaceName = "Tahoma";
    item.m_fontDetail.m_nPointSize = 9;
    EXPECT_TRUE(BytesOf(item, 39).empty());
    std::vector<BYTE> fonts = BytesOf(item.m_fontDetail);
    Append(fonts, BytesOf(item.m_fontHeading));
    Append(fonts, BytesOf(item.m_fontTitle));
    EXPECT_EQ(BytesOf(item, 53), fonts);
    std::vector<BYTE> all = fonts;
    all.push_back(1);
    EXPECT_EQ(BytesOf(item, 54), all);

    CRepItem_Floaters loaded;
    LoadFrom(loaded, all);
    EXPECT_EQ((std::pair<int, int>(loaded.m_nColumns, loaded.m_nType)), (std::pair<int, int>(1, RIT_FLOATERS)));
    EXPECT_TRUE(loaded.m_fontTitle == item.m_fontTitle && loaded.m_fontHeading == item.m_fontHeading &&
                loaded.m_fontDetail == item.m_fontDetail);
    CRepItem_Floaters older;
    LoadFrom(older, fonts, 53);
    EXPECT_EQ(older.m_nColumns, 0);
    EXPECT_TRUE(older.m_fontDetail == item.m_fontDetail);

    std::unique_ptr<CRepItem> pCopy(item.Clone());
    ASSERT_NE(dynamic_cast<CRepItem_Floaters*>(pCopy.get()), nullptr);
    EXPECT_EQ(BytesOf(*pCopy), all);
    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_FLOATERS));
    EXPECT_NE(dynamic_cast<CRepItem_Floaters*>(pMade.get()), nullptr);
}

TEST(AvgBustersStored, OptionsByteHoldsNumberAndRoundFlag)
{
    CRepItem_AvgBusters item;
    EXPECT_EQ(item.m_bCurrentRound, 0u);
    item.m_fontHeader.m_bItalic = 1;
    std::vector<BYTE> fonts = BytesOf(item.m_fontDetail);
    Append(fonts, BytesOf(item.m_fontHeader));
    struct Case
    {
        BYTE nStored;
        BYTE nDisplay;
        DWORD bRound;
    } cases[] = {{0x85, 5, 1}, {0x05, 5, 0}, {0xE4, 100, 1}};
    for (const Case& c : cases) {
        std::vector<BYTE> bytes = fonts;
        bytes.push_back(c.nStored);
        CRepItem_AvgBusters loaded;
        LoadFrom(loaded, bytes, 30);  // the same layout in every version
        EXPECT_EQ((std::pair<int, DWORD>(loaded.m_nDisplay, loaded.m_bCurrentRound)), (std::pair<int, DWORD>(c.nDisplay, c.bRound)));
        EXPECT_TRUE(loaded.m_fontHeader == item.m_fontHeader);
        EXPECT_EQ(BytesOf(loaded), bytes);
    }
    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_AVG_BUSTERS));
    EXPECT_NE(dynamic_cast<CRepItem_AvgBusters*>(pMade.get()), nullptr);
}

TEST(FloatersAndBustersInALeagueFile, OpenAndSaveBackToTheSameBytes)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Subs and busters";
    auto* pFloaters = new CRepItem_Floaters;
    pFloaters->m_nColumns = 1;
    auto* pBusters = new CRepItem_AvgBusters;
    pBusters->m_nDisplay = 7, pBusters->m_bCurrentRound = 1;
    pForm->AddItem(pFloaters);
    pForm->AddItem(pBusters);
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;
    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    CBowlingDoc loaded;
    CString strError;
    ASSERT_TRUE(loaded.LoadFromBytes(bytes, "subs.lgf", strError)) << strError.GetString();
    ASSERT_NE(loaded.m_pCurrentRepForm, nullptr);
    CObList& items = loaded.m_pCurrentRepForm->m_listItems;
    ASSERT_EQ(items.GetCount(), 2);
    auto* pFloatersBack = dynamic_cast<CRepItem_Floaters*>(items.GetHead());
    auto* pBustersBack = dynamic_cast<CRepItem_AvgBusters*>(items.GetTail());
    ASSERT_TRUE(pFloatersBack && pBustersBack);
    EXPECT_EQ((std::vector<long>{pFloatersBack->m_nColumns, pBustersBack->m_nDisplay, long(pBustersBack->m_bCurrentRound)}),
              (std::vector<long>{1, 7, 1}));
    std::vector<BYTE> again;
    loaded.SaveToBytes(again);
    EXPECT_EQ(again, bytes);
}
