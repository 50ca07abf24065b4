// The awards item: its stored bytes and version gate, a league file and a report layout file
// holding one; the individual report's heading and lines and the hi-award listing, drawn and
// written as HTML, in a small league whose awards are worked by hand; its options dialog.
#include "DialogControls.h"
#include "DrawnText.h"
#include "FixtureTestLeague.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "league/Awards.h"
#include "league/Player.h"
#include "reports/layout/AwardsItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Texts = std::vector<std::string>;

void Fill(CRepItem_Awards& item)
{
    item.m_nIndividualFilter = 2;
    for (int c = 0; c < 4; ++c) {
        item.m_nColumnFilter[c] = static_cast<BYTE>(c);
        item.m_nColumnAward[c] = static_cast<WORD>(c + 1);
    }
    item.m_nIndividualAward = 5;
    item.m_nRoundFrom = 3;
    item.m_nRoundTo = 9;
    item.m_bExcludeResigned = 1;
    item.m_nToList = 7;
    item.m_bIndividual = 0;
    item.m_bAllRounds = 0;
    item.m_bColumnNotUsed[1] = 1;
    item.m_bFirstOnly = 1;
    item.m_fontHeading.m_strFaceName = "Heading Face";
    item.m_fontDetail.m_strFaceName = "Detail Face";
}

} // namespace

TEST(AwardsItemStored, BytesFlagsAndTheFontGate)
{
    CRepItem_Awards item;
    Fill(item);
    const std::vector<BYTE> v40 = BytesOf(item, 40);
    EXPECT_EQ(v40, (std::vector<BYTE>{15, 2, 0, 1, 2, 3, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0,
                                      0x03, 0x80,      // round 3 with "exclude resigned" in bit 15
                                      9, 0, 7, 0,
                                      0x26,            // all awards, title, column 2 not used
                                      0x02}));         // first award only
    // From version 41 the detail font and then the heading font follow.
    CFontData font;
    font.m_strFaceName = "Detail Face";
    std::vector<BYTE> expected = v40;
    Append(expected, BytesOf(font));
    font.m_strFaceName = "Heading Face";
    Append(expected, BytesOf(font));
    EXPECT_EQ(BytesOf(item), expected);

    for (BYTE nVersion : {BYTE(40), LEAGUE_FILE_VERSION}) {
        CRepItem_Awards back;
        const std::vector<BYTE> bytes = BytesOf(item, nVersion);
        LoadFrom(back, bytes, nVersion);
        EXPECT_EQ(BytesOf(back, nVersion), bytes);
        EXPECT_EQ(back.m_nRoundFrom, 3);
        EXPECT_EQ(back.m_bExcludeResigned, 1u);
        EXPECT_EQ(back.m_bColumnNotUsed[1], 1u);
        EXPECT_EQ(back.m_bIndividual, 0u);
        // An older file keeps the new item's fonts.
        EXPECT_EQ(back.m_fontDetail.m_strFaceName, nVersion == 40 ? CFontData().m_strFaceName : CString("Detail Face"));
    }
    // A new item: the individual report of all awards and rounds, with its title.
    CRepItem_Awards fresh;
    EXPECT_EQ(BytesOf(fresh, 40)[22], 0x07);
    EXPECT_EQ(BytesOf(fresh, 40)[23], 0x01);
    EXPECT_EQ(fresh.m_nToList, 3);
}

TEST(AwardsItemStored, LeagueFileAndLayoutFileHoldingOne)
{
    FixtureTestLeague L;
    L.FourTeamRounds(2);
    L.doc.m_nCurrentRound = 1;
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Awards night";
    auto* pItem = new CRepItem_Awards;
    Fill(*pItem);
    pForm->AddItem(pItem);
    L.doc.m_listRepForms.AddTail(pForm);
    L.doc.m_pCurrentRepForm = pForm;
    auto* c = new CAwards(0);
    c->m_nKind = CAwards::kindManual;
    c->m_strName = "Spare of the night";
    L.doc.m_listAwards.AddTail(c);

    std::vector<BYTE> data;
    L.doc.SaveToBytes(data);
    CBowlingDoc loaded;
    CString strError;
    ASSERT_TRUE(loaded.LoadFromBytes(data, "awards.lgf", strError)) << strError.GetString();
    auto* pBack = dynamic_cast<CRepItem_Awards*>(static_cast<CRepForm*>(loaded.m_listRepForms.GetHead())->m_listItems.GetHead());
    ASSERT_NE(pBack, nullptr);
    EXPECT_EQ(pBack->m_nToList, 7);
    std::vector<BYTE> again;
    loaded.SaveToBytes(again);
    EXPECT_EQ(again, data);

    TempDir dir;
    const std::string path = dir.File("awards.rep");
    ASSERT_TRUE(ExportRepForm(*pForm, path.c_str(), strError)) << strError.GetString();
    std::unique_ptr<CRepForm> pImported(ImportRepForm(path.c_str(), &loaded, strError));
    ASSERT_TRUE(pImported) << strError.GetString();
    EXPECT_EQ(pImported->GetStoredBytes(), pForm->GetStoredBytes());
    // A copied layout copies the item with every setting.
    CRepForm copy;
    copy.CopyFrom(*pForm);
    EXPECT_EQ(copy.GetStoredBytes(), pForm->GetStoredBytes());
}
