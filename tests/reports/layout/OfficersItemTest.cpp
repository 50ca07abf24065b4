// The league officials and the points-adjustment lines.
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/layout/OfficersItem.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

namespace {

class Officers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_strPresident = "Ann Lee";
        m_doc.m_strPresidentPhone = "555 1234";
        m_doc.m_strSecretary = "Bob Ray";
        m_doc.m_strVicePresident = "";
        m_doc.m_strTreasurer = "Cy & Co";
        m_doc.m_strTreasurerPhone = "777";
        m_pForm = new CRepForm;
        m_doc.m_listRepForms.AddTail(m_pForm);
        m_doc.m_pCurrentRepForm = m_pForm;
        m_item.m_pDoc = &m_doc;
        m_item.m_y = -1500;
    }

    CBowlingDoc m_doc;
    CRepForm* m_pForm = nullptr;
    CRepItem_Officers m_item;
};

} // namespace

TEST_F(Officers, TwoOfficialsToALine)
{
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -400);
    m_item.Draw(&dc, nullptr);
    // Labels always; the name with its telephone in brackets when there is one.
    ASSERT_EQ(dc.Texts(), (std::vector<std::string>{"President", "Ann Lee  (555 1234)", "Secretary", "Bob Ray",
                                                    "Vice President", "", "Treasurer", "Cy & Co  (777)"}))
        << dc.Dump();
    std::vector<std::pair<int, int>> at;
    for (size_t i : {0, 1, 2, 3, 4, 5, 7})
        at.emplace_back(dc.calls[i].x1, dc.calls[i].y1);
    EXPECT_EQ(at, (std::vector<std::pair<int, int>>{{720, -1500}, {720 + 900 + 144, -1500}, {10800 - 900, -1500},
                                                    {10800 - 144 - 900 - 700, -1500}, {720, -1700},
                                                    {720 + 1400 + 144, -1700}, {10800 - 144 - 900 - 1400, -1700}}));
}

TEST_F(Officers, DrawnInTheLayoutTitleFont)
{
    m_pForm->m_fontTitle.m_nPrinterHeight = -300;
    m_pForm->m_fontTitle.m_crColour = RGB(0, 128, 0);
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -600);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(std::make_tuple(dc.calls[0].font.lfHeight, dc.calls[0].color, dc.calls[4].y1, dc.GetTextColor()),
              std::make_tuple(LONG(-300), RGB(0, 128, 0), -1800, RGB(0, 0, 0)));
}

TEST_F(Officers, HtmlHoldsNamesButNoTelephones)
{
    m_pForm->m_fontTitle.m_bBold = 1;
    EXPECT_EQ(HtmlOf(m_item),
              "<CENTER><TABLE COLS=2 WIDTH=100% >\n"
              "<TR><td align=left><b><font face='Arial'><font color='#000000'>President&nbsp;&nbsp;Ann Lee"
              "</font></font></b></td>\n"
              "<td align=right><b><font face='Arial'><font color='#000000'>Bob Ray&nbsp;&nbsp;Secretary"
              "</font></font></b>\n</td>\n"
              "</TR>\n"
              "<TR><td align=left><b><font face='Arial'><font color='#000000'>Vice Pres&nbsp;&nbsp;"
              "</font></font></b></td>\n"
              "<td align=right><b><font face='Arial'><font color='#000000'>Cy &amp; Co&nbsp;&nbsp;Treasurer"
              "</font></font></b>\n</td>\n"
              "</TR>\n"
              "</TABLE></CENTER>\n");
    EXPECT_EQ(BytesOf(m_item), std::vector<BYTE>{11});
}

TEST(PointsAdjust, OneLinePerAdjustedMatch)
{
    CBowlingDoc doc;
    CTeam a("Alley Cats", 1), b("Pin Pals", 2);
    CFixture f;
    f.m_nRound = 4;
    f.m_pTeamA = &a;
    f.m_pTeamB = &b;
    f.m_nScratchAdjust[0] = 3;
    CRepItem_PointsAdjust item;
    item.m_pDoc = &doc;
    item.m_pFixture = &f;
    item.m_x = 720;
    item.m_y = -900;
    EXPECT_EQ(item.GetHeight(nullptr), -200);
    EXPECT_EQ(item.GetText(), "Round 4  Alley Cats v Pin Pals        Scr 1\xBD : 0 ");

    f.m_nHandicapAdjust[1] = -1;
    EXPECT_EQ(item.GetText(), "Round 4  Alley Cats v Pin Pals        Hcp 0  : -\xBD        Scr 1\xBD : 0 ");

    // A match without its second team still prints.
    f.m_pTeamB = nullptr;
    f.m_nScratchAdjust[0] = 0;
    EXPECT_EQ(item.GetText(), "Round 4  Alley Cats v         Hcp 0  : -\xBD");

    CRecordingDC dc(true);
    item.Draw(&dc, nullptr);
    ASSERT_EQ(dc.calls.size(), 1u);
    // The printer's small stock font.
    EXPECT_EQ(std::make_tuple(dc.calls[0].x1, dc.calls[0].font.lfHeight), std::make_tuple(720, LONG(-160)));
    EXPECT_EQ(HtmlOf(item), "");
}
