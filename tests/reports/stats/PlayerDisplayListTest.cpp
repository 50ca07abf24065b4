// The player list: the blocks in alphabetical order, each column's lines with the flags set,
// the block's height, and the options dialog driven through its controls.
#include "DrawnText.h"
#include "PlayerDisplayTestLeague.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/PlayerListDlg.h"
#include "reports/stats/PlayerListItem.h"
#include "resources/Resource.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

namespace {

class PlayerList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CPlayer* c = L.carl;
        c->m_strAddress[0] = "2 Mill Lane", c->m_strAddress[4] = "LS1 1AA";
        c->m_strPhoneHome = "0113 496 0000", c->m_strPhoneWork = "0113 496 0001", c->m_strPhoneMobile = "07700 900456";
        c->m_nPin = 321, c->m_strMembershipNo = "B7", c->m_nMembershipType = 2, c->m_strUserData1 = "Left handed";
        c->m_nExpiryDay = 31, c->m_nExpiryMonth = 8, c->m_nExpiryYear = 2026;
        c->m_nBirthDay = 12, c->m_nBirthMonth = 3, c->m_nBirthYear = 1985;
        L.doc.m_arrMembershipTypes.Add("Adult");
        L.doc.m_arrMembershipTypes.Add("Senior");
        // Fonts of 200 (name) and 160 (detail) twips; their line heights come from the device.
        L.doc.m_DefaultFonts[FONT_PLAYER_LIST_NAME].m_nPrinterHeight = -200;
        L.doc.m_DefaultFonts[FONT_PLAYER_LIST_NAME].m_bBold = 1;
        L.doc.m_DefaultFonts[FONT_PLAYER_LIST_DETAIL].m_nPrinterHeight = -160;
    }
    PlayerDisplayTestLeague L;
};

} // namespace

TEST_F(PlayerList, BlocksOfTwoInAlphabeticalOrderWithoutResignedOrRobots)
{
    L.Player(5, "Vacant", "", 2)->m_nRobot = 1;
    L.dan->m_wFlags |= PF_RESIGNED;
    CPlayer* amy = L.Player(6, "Abbott", "Amy", 1);
    L.doc.NumberPlayersAlphabetically();
    ASSERT_EQ(BuildPlayerList(L.doc), 2);
    EXPECT_EQ(L.doc.m_strReportTitle, "Player Details");
    ASSERT_EQ(L.doc.m_listDisplayItems.GetCount(), 2);
    auto* first = static_cast<CRepItem_PlayerList*>(L.doc.m_listDisplayItems.GetHead());
    auto* last = static_cast<CRepItem_PlayerList*>(L.doc.m_listDisplayItems.GetTail());
    EXPECT_EQ((std::vector<CPlayer*>{first->m_pLeft, first->m_pRight, last->m_pLeft, last->m_pRight}),
              (std::vector<CPlayer*>{amy, L.alice, L.bob, L.carl}));

    // Three bowlers: the last block has no right column.
    L.bob->m_wFlags |= PF_RESIGNED;
    L.doc.NumberPlayersAlphabetically();
    ASSERT_EQ(BuildPlayerList(L.doc), 2);
    last = static_cast<CRepItem_PlayerList*>(L.doc.m_listDisplayItems.GetTail());
    EXPECT_EQ((std::vector<CPlayer*>{last->m_pLeft, last->m_pRight}), (std::vector<CPlayer*>{L.carl, nullptr}));
    CRecordingDC dc;
    last->m_y = -1000;
    last->Draw(&dc, nullptr);
    for (const DrawCall& c : dc.calls)
        EXPECT_LT(c.x1, 6120) << c.text.GetString();
}

TEST_F(PlayerList, EveryDetailOfAColumnAndTheBlockHeight)
{
    CRepItem_PlayerList item;
    item.m_pDoc = &L.doc, item.m_pLeft = L.carl, item.m_pRight = L.alice;
    item.m_fontName = L.doc.m_DefaultFonts[FONT_PLAYER_LIST_NAME];
    item.m_fontDetail = L.doc.m_DefaultFonts[FONT_PLAYER_LIST_DETAIL];
    item.m_bShowAddress = item.m_bShowPhones = item.m_bShowPin = item.m_bShowMembershipNo = 1;
    item.m_bShowMembershipType = item.m_bShowBirthDate = item.m_bShowUser1 = item.m_bShowUser2 = 1;
    item.m_y = -1000;
    CRecordingDC dc;
    // Carl: name, two address lines, PIN, membership number, type, user data 1 = 7 lines:
    // -200 + 6 x -160 + -80.
    EXPECT_EQ(item.GetHeight(&dc), -200 - 6 * 160 - 80);
    item.Draw(&dc, nullptr);
    // Surname in the name font (100 twips a character), the first name right after it.
    // Phones from the name line down, ending at the column's phone edge (80 a character).
    // Alice in the right column: no details of her own beyond her name.
    const struct { const char* text; int x, y; } places[] = {
        {"Cole ", 720, -1000}, {"Carl [12 Mar 1985]", 720 + 5 * 100, -1000}, {"2 Mill Lane", 720, -1200},
        {"LS1 1AA", 720, -1200 - 160}, {"P.I.N.", 720, -1200 - 2 * 160}, {"Left handed", 720, -1200 - 5 * 160},
        {"0113 496 0000 [H]", 5400 - 17 * 80, -1000}};
    for (const auto& p : places)
        EXPECT_EQ(Pos(dc, p.text), (std::pair(p.x, p.y))) << p.text << "\n" << dc.Dump();
    EXPECT_EQ((std::vector<int>{Pos(dc, "321").first, Pos(dc, "Senior").first, Pos(dc, "07700 900456 [M]").second,
                                Pos(dc, "Archer ").first}),
              (std::vector<int>{720 + 1440, 720 + 1800, -1000 - 2 * 160, 6120}));
    EXPECT_TRUE(L.carl->HitTest(CPoint(800, -1100)));
    EXPECT_TRUE(dc.FindText("B7   Expires 31 Aug 2026.") && dc.FindText("None"));

    // A type past the league's list, a zero expiry part, a zero birth day.
    L.carl->m_nMembershipType = L.alice->m_nMembershipType = 9;
    L.carl->m_nExpiryDay = L.carl->m_nBirthDay = 0;
    dc.calls.clear();
    item.Draw(&dc, nullptr);
    for (const char* psz : {"Invalid value 9", "Invalid value", "B7", "Carl"})
        EXPECT_NE(dc.FindText(psz), nullptr) << psz;

    // Only phones: three numbers take three lines.
    CRepItem_PlayerList phones;
    phones.m_pLeft = L.carl, phones.m_fontName = item.m_fontName, phones.m_fontDetail = item.m_fontDetail;
    phones.m_bShowPhones = 1;
    EXPECT_EQ((std::pair(phones.CountLines(L.carl), phones.GetHeight(&dc))), (std::pair(3, -200 - 2 * 160 - 80)));
}

TEST_F(PlayerList, TheDialogSetsTheFlagsAndFontsAndBuildsTheList)
{
    RegisterResources();
    L.doc.m_bPlayerListShow[PLS_PIN] = 1;
    CScriptedBackend ui;
    ui.OnDialog(IDD_PLAYER_LIST_ITEMS)
        .Check([](CDialog& d) {
            EXPECT_TRUE(d.IsDlgButtonChecked(IDC_PL_NAME));
            EXPECT_TRUE(d.IsDlgButtonChecked(IDC_PL_PIN));
            EXPECT_TRUE(d.GetDlgItem(IDC_PL_MEMBERSHIP_TYPE)->IsWindowEnabled());
            EXPECT_EQ(d.GetDlgItemText(IDC_PL_NAME_DESC), "Black  Arial Bold  10 Pt. ");
        })
        .Click(IDC_PL_NAME)   // the name cannot be switched off
        .Click(IDC_PL_PIN)
        .Click(IDC_PL_ADDRESS)
        .Click(IDC_PL_PHONES)
        .Click(IDC_PL_TITLE_FONT)
        .Check([](CDialog& d) {
            EXPECT_TRUE(d.IsDlgButtonChecked(IDC_PL_NAME));
            EXPECT_EQ(d.GetDlgItemText(IDC_PL_TITLE_DESC), "Navy  Verdana Bold  14 Pt. ");
        })
        .OK();
    ui.ChooseFont("Verdana", 140, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    ASSERT_TRUE(RunPlayerListCommand(&L.doc));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ((std::vector<long>{long(L.doc.m_bPlayerListShow[PLS_NAME]), long(L.doc.m_bPlayerListShow[PLS_PIN]),
                                 long(L.doc.m_bPlayerListShow[PLS_ADDRESS]), long(L.doc.m_bPlayerListShow[PLS_PHONES])}),
              (std::vector<long>{1, 0, 1, 1}));
    EXPECT_EQ(L.doc.m_DefaultFonts[FONT_PLAYER_LIST_TITLE].m_strFaceName + "|" + L.doc.m_fontReportTitle.m_strFaceName,
              "Verdana|Verdana");
    EXPECT_TRUE(L.doc.IsModified());
    ASSERT_EQ(L.doc.m_listDisplayItems.GetCount(), 2);
    auto* first = static_cast<CRepItem_PlayerList*>(L.doc.m_listDisplayItems.GetHead());
    // Archer, Baker, Cole, Dale.
    EXPECT_EQ((std::vector<CPlayer*>{first->m_pLeft, first->m_pRight}), (std::vector<CPlayer*>{L.alice, L.bob}));
    EXPECT_EQ((std::vector<long>{long(first->m_bShowAddress), long(first->m_bShowPin), first->m_fontName.m_nPrinterHeight}),
              (std::vector<long>{1, 0, -200}));

    // Cancel changes nothing; without membership types their box is disabled.
    L.doc.m_arrMembershipTypes.RemoveAll();
    L.doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_PLAYER_LIST_ITEMS)
        .Check([](CDialog& d) { EXPECT_FALSE(d.GetDlgItem(IDC_PL_MEMBERSHIP_TYPE)->IsWindowEnabled()); })
        .Click(IDC_PL_USER1)
        .Cancel();
    EXPECT_FALSE(RunPlayerListCommand(&L.doc));
    EXPECT_EQ(L.doc.m_bPlayerListShow[PLS_USER1], 0u);
    EXPECT_FALSE(L.doc.IsModified());
}
