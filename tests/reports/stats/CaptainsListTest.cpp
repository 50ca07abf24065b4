// The captains list: a band's columns and lines, its height, and the bands flowed down the pages
// with a heading at the top of each page.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "TeamDetailsTestLeague.h"
#include "reports/stats/CaptainsItem.h"
#include "view/DisplayPages.h"
#include "view/ReportFlow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct Captains : ::testing::Test
{
    TeamDetailsTestLeague L;
    void SetUp() override
    {
        // Bo captains the Aces with a full address; Kings have no captain.
        L.bo->m_strPhoneHome = "01 234", L.bo->m_strPhoneWork = "05 678", L.bo->m_strPhoneMobile = "07 999";
        const char* address[5] = {"1 High St", "Upton", "Kent", "", "UP1 2AB"};
        for (int i = 0; i < 5; ++i)
            L.bo->m_strAddress[i] = address[i];
    }
    CTeam* AddTeam(WORD n, const char* pszName, WORD nCaptain)
    {
        CTeam* t = AddTestTeam(L.doc, n, pszName, {});
        t->m_nCaptain = nCaptain;
        L.doc.m_nTeams = static_cast<BYTE>(L.doc.m_nTeams + 1);
        return t;
    }
};

} // namespace

TEST_F(Captains, ColumnsLinesAndHeight)
{
    // Di captains the Queens with a mobile only; the Jacks have folded; a captain who is not in
    // the league leaves the team alone.
    L.di->m_strPhoneHome = L.di->m_strPhoneWork = "";
    L.di->m_strPhoneMobile = "07 111";
    L.kings->m_nCaptain = 0;
    AddTeam(3, "Queens", 4);
    AddTeam(4, "Jacks", 2)->m_bFolded = 1;
    AddTeam(5, "Ghosts", 77);
    ASSERT_EQ(BuildCaptainsList(L.doc), 2);
    auto* b1 = static_cast<CRepItem_Captains*>(L.doc.m_listCaptainsItems.GetHead());
    auto* b2 = static_cast<CRepItem_Captains*>(L.doc.m_listCaptainsItems.GetTail());
    EXPECT_EQ(b2->m_pTeams[0]->m_strName, "Jacks");
    EXPECT_EQ(b2->m_pTeams[2], nullptr);

    CRecordingDC dc;
    b1->m_x = 720, b1->m_y = -1000;
    // Every line 200 high on the recording DC; Bo's column is the tallest: her name, three
    // phones, three address lines and the postcode line, one line more for the gap.
    EXPECT_EQ(b1->GetHeight(&dc), -200 - 200 * 9);
    b1->Draw(&dc, nullptr);
    const std::pair<int, Texts> lines[] = {{-1000, {"Aces", "Kings", "Queens"}},
                                           {-1200, {"Bo Cole", "No Captain Designated", "Di Eve"}},
                                           {-1400, {"Home : 01 234", "Mobile : 07 111"}},
                                           {-1600, {"Work : 05 678"}}, {-2400, {"Kent"}}, {-2600, {"UP1 2AB"}}};
    for (const auto& [y, texts] : lines)
        EXPECT_EQ(TextsAt(dc, y), texts) << y;
    EXPECT_EQ((std::pair(Pos(dc, "Queens").first, Pos(dc, "No Captain Designated").first)), (std::pair(7920, 4320)));
    // The names clicked on lead to the team and the captain.
    EXPECT_TRUE(L.aces->HitTest(CPoint(2000, -1100)) && L.bo->HitTest(CPoint(2000, -1300)));
    EXPECT_FALSE(L.bo->HitTest(CPoint(2000, -1500)));

    CRecordingDC dc2;
    b2->m_y = -1000;
    // A folded team is its name alone, an unknown captain the team alone: at least two lines.
    EXPECT_EQ(b2->GetHeight(&dc2), -200 - 200 * 2);
    b2->Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.Texts(), (Texts{"Jacks   (Folded)", "Ghosts"}));
}

TEST_F(Captains, BandsFlowDownPagesUnderAHeading)
{
    // 24 more teams, each captained by Bo: 26 teams in 9 bands of 2000 twips.
    for (WORD n = 3; n <= 26; ++n)
        AddTeam(n, "Team", 2);
    L.doc.m_nTeams = 26;
    ASSERT_EQ(BuildCaptainsList(L.doc), 9);
    L.doc.m_nDisplayMode = MODE_CAPTAINS;
    CRecordingDC dc;
    const int nPages = LayoutDisplayPages(&L.doc, &dc);
    // Twice over (screen then printer): the headings of the first layout are not kept.
    ASSERT_EQ(LayoutDisplayPages(&L.doc, &dc), nPages);
    std::vector<int> headings;
    std::vector<std::pair<int, int>> bands;   // page, y
    for (POSITION pos = L.doc.m_listCaptainsItems.GetHeadPosition(); pos;) {
        auto* p = static_cast<CRepItem*>(L.doc.m_listCaptainsItems.GetNext(pos));
        if (p->m_nType == RIT_HEADING)
            headings.push_back(p->m_nPage);
        else
            bands.emplace_back(p->m_nPage, p->m_y);
    }
    const int yFirst = bands[0].second;
    const int nPerPage = (yFirst - PAGE_BREAK_Y) / 2000;
    ASSERT_GT(nPerPage, 1);
    EXPECT_EQ(nPages, (9 + nPerPage - 1) / nPerPage);
    EXPECT_EQ(static_cast<int>(headings.size()), nPages);
    for (size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].first, static_cast<int>(i) / nPerPage + 1) << i;
        EXPECT_EQ(bands[i].second, yFirst - 2000 * (static_cast<int>(i) % nPerPage)) << i;
    }
}
