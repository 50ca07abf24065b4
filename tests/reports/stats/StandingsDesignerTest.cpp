// The custom standings designer driven through its controls: the column list and the current
// column, the room used and free, Center the Design, kinds, colours, fonts and combined points,
// Cancel, and what the table then draws and keeps.
#include "../layout/ReportTestHelpers.h"
#include "DialogControls.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "league/Team.h"
#include "reports/stats/CustomStandings.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "resources/dialogs/ViewDialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class StandingsDesigner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        m_doc.m_nRounds = 10;
        m_doc.m_nCurrentRound = 3;
        for (const char* name : {"Alley Cats", "Pin Pals", "Strikers"}) {
            auto* p = new CTeam(name, static_cast<WORD>(m_doc.m_listTeams.GetCount() + 1));
            m_doc.AddTeam(p);
        }
        m_item.m_pDoc = &m_doc;
        m_item.SetDefaults();   // the handicap set: 12 columns, 7 inches
    }

    std::string Titles() const
    {
        std::string s;
        for (auto* c : m_item.m_arrColumns)
            s += std::string(c->m_strTitle.GetString()) + "|";
        return s;
    }

    // The title line and the header row, drawn by the stored table.
    void DrawHeader(CRecordingDC& dc)
    {
        m_item.m_x = 720;
        m_item.m_y = -720;
        m_item.GetHeight(&dc);
        m_item.Draw(&dc, nullptr);
    }

    CBowlingDoc m_doc;
    CRepItem_CustomStandings m_item;
    CScriptedBackend m_ui;
};

auto Shows(const char* used, const char* free, bool tooLong)
{
    return [=](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_CD_USED), used);
        EXPECT_EQ(d.GetDlgItemText(IDC_CD_FREE), free);
        EXPECT_EQ(Ctl(d, IDC_CD_TOO_LONG).visible, tooLong);
    };
}

} // namespace

TEST_F(StandingsDesigner, OpensOnTheTable)
{
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Custom Standings Report Designer.");
            EXPECT_EQ(Selected(d, IDC_CD_KIND), "Handicap");
            EXPECT_EQ(d.GetDlgItemText(IDC_CSD_COLOUR_NAME[0]) + "|" + d.GetDlgItemText(IDC_CSD_COLOUR_NAME[1]) + "|" +
                          d.GetDlgItemText(IDC_CSD_COLOUR_NAME[2]),
                      "Maroon|Navy|Green");
            EXPECT_FALSE(Ctl(d, IDC_CSD_ADD_HCP).enabled);
            EXPECT_EQ(Items(d, IDC_CD_TYPE).size(), 34u);
            EXPECT_EQ(Items(d, IDC_CD_TYPE).back(), "Avg Pts/Game (All)");
            EXPECT_EQ(Items(d, IDC_CD_COLUMNS),
                      (std::vector<std::string>{"Position", "Space", "Team Name", "Points Won", "Points Lost", "Games",
                                                "Hcap. Pinfall", "Scratch Pinfall", "High Game Hcap.",
                                                "High Game Scr.", "High Series Hcp.", "High Series Scr."}));
            EXPECT_EQ((std::vector<std::string>{Selected(d, IDC_CD_COLUMNS), Selected(d, IDC_CD_TYPE),
                                                Selected(d, IDC_CD_JUSTIFY), d.GetDlgItemText(IDC_CD_WIDTH).GetString(),
                                                d.GetDlgItemText(IDC_CD_TITLE).GetString(),
                                                d.GetDlgItemText(IDC_CD_TITLE_FONT_DESC).GetString(),
                                                d.GetDlgItemText(IDC_CD_DETAIL_FONT_DESC).GetString()}),
                      (std::vector<std::string>{"Position", "Position", "Left", "   0.40 ", "Pos",
                                                "Black  Arial Bold  11 Pt. ", "Black  Arial  11 Pt. "}));
        })
        .Check(Shows("7.00", "0.00", false))
        .OK();
    m_item.Edit();
}

TEST_F(StandingsDesigner, ColumnsAddedChangedMovedAndDeleted)
{
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Select(IDC_CD_COLUMNS, 2)
        .Click(IDC_CD_ADD)   // a half-inch space before "Name"
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_CD_COLUMNS).curSel, 2);
            EXPECT_EQ(Selected(d, IDC_CD_COLUMNS) + "|" + Selected(d, IDC_CD_JUSTIFY) + "|" +
                          d.GetDlgItemText(IDC_CD_WIDTH).GetString(),
                      "Space|Right|   0.50 ");
        })
        .Check(Shows("7.50", "0.00", true))
        .Select(IDC_CD_TYPE, CC_DRAWN)
        .Select(IDC_CD_JUSTIFY, 1)
        .SetText(IDC_CD_TITLE, "Dr")
        .SetText(IDC_CD_WIDTH, ".3")
        .Focus(IDC_CD_COLUMNS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_CD_COLUMNS).items[2].text, "Drawn Matches");
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_WIDTH), "   0.30 ");
        })
        .Check(Shows("7.30", "0.00", true))
        .Click(IDC_CD_RIGHT)   // after "Name"
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_CD_COLUMNS).curSel, 3); })
        .Click(IDC_CD_LEFT)
        .Click(IDC_CD_LEFT)
        .Click(IDC_CD_LEFT)
        .Click(IDC_CD_LEFT)   // already first: stays
        .Check([](CDialog& d) { EXPECT_EQ(Selected(d, IDC_CD_COLUMNS), "Drawn Matches"); })
        .Select(IDC_CD_COLUMNS, 12)
        .Click(IDC_CD_RIGHT)   // already last: stays
        .Select(IDC_CD_COLUMNS, 7)
        .Click(IDC_CD_DELETE)   // "PinsH" goes, the last column becomes current
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_CD_COLUMNS).curSel, 11);
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_TITLE), "Hss");
        })
        .Check(Shows("6.60", "0.40", false))
        .OK();
    m_item.Edit();
    EXPECT_EQ(Titles(), "Dr|Pos||Name|Won|Lost|Gms|PinsS|Hgh|Hgs|Hsh|Hss|");
    EXPECT_EQ((std::pair<int, int>(m_item.m_arrColumns[0]->m_nWidth, m_item.m_arrColumns[0]->m_nJustify)),
              (std::pair<int, int>(30, CRepItem_CustomItem::JUSTIFY_CENTRE)));

    // The header row follows: "Dr" centred in its 0.3 inch, "Pos" 0.3 inch along.
    CRecordingDC dc;
    DrawHeader(dc);
    EXPECT_EQ((std::pair(dc.FindText("Dr")->x1, dc.FindText("Pos")->x1)), (std::pair(720 + (432 - 2 * 110) / 2, 720 + 432)));
    EXPECT_EQ(dc.FindText("PinsH"), nullptr);

    // And it is kept as it is.
    CRepItem_CustomStandings loaded;
    LoadFrom(loaded, BytesOf(m_item));
    EXPECT_EQ(BytesOf(loaded), BytesOf(m_item));
}

TEST_F(StandingsDesigner, WidthsCentringAndTheLastColumn)
{
    // Widths typed in inches: tenths, a negative figure and a figure too large for a width.
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .SetText(IDC_CD_WIDTH, "1.5")
        .Focus(IDC_CD_TITLE)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_CD_WIDTH), "   1.50 "); })
        .SetText(IDC_CD_WIDTH, "-2")
        .Focus(IDC_CD_TITLE)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_CD_WIDTH), "   0.00 "); })
        .SetText(IDC_CD_WIDTH, "900")
        .Focus(IDC_CD_TITLE)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_CD_WIDTH), " 655.35 "); })
        .Cancel();
    m_item.Edit();
    EXPECT_EQ(m_item.m_arrColumns[0]->m_nWidth, 40);

    // 600 wide, starting with a 10-wide space: the space goes, 590 leave 110, so 55 goes first.
    m_item.DeleteColumns();
    for (auto [nType, nWidth] : {std::pair{CC_SPACE, 10}, {CC_TEAM_NAME, 400}, {CC_GAMES, 190}}) {
        auto* c = new CRepItem_CustomItem;
        c->m_nColumnType = static_cast<BYTE>(nType);
        c->m_nWidth = static_cast<WORD>(nWidth);
        m_item.AddColumn(c);
    }
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Click(IDC_CD_CENTRE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_CD_COLUMNS), (std::vector<std::string>{"Space", "Team Name", "Games"}));
        })
        .Check(Shows("6.45", "0.55", false))
        .Select(IDC_CD_COLUMNS, 0)
        .Click(IDC_CD_DELETE)
        .Click(IDC_CD_DELETE)
        .Click(IDC_CD_DELETE)   // one column is left
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_CD_COLUMNS), std::vector<std::string>{"Team Name"}); })
        .OK();
    m_item.Edit();
    ASSERT_EQ(m_item.m_arrColumns.size(), 1u);
    EXPECT_EQ(m_item.m_arrColumns[0]->m_nColumnType, CC_TEAM_NAME);

    // A table read without columns: nothing current, but Add works.
    m_item.DeleteColumns();
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Check([](CDialog& d) {
            EXPECT_FALSE(Ctl(d, IDC_CD_WIDTH).enabled || Ctl(d, IDC_CD_DELETE).enabled);
        })
        .Check(Shows("0.00", "7.00", false))
        .Click(IDC_CD_ADD)
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_CD_WIDTH).enabled); })
        .OK();
    m_item.Edit();
    EXPECT_EQ(m_item.GetTotalWidth(), 50);
}

TEST_F(StandingsDesigner, KindColoursFontsAndCombinedPoints)
{
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Select(IDC_CD_KIND, SK_COMBINED)   // No: the columns stay
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_CSD_ADD_HCP).enabled); })
        .Click(IDC_CSD_ADD_HCP)
        .Click(IDC_CSD_ADD_PYRAMID_SCR)
        .Click(IDC_CSD_COLOUR[0])
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_CSD_COLOUR_NAME[0]), "Red"); })
        .Click(IDC_CD_DETAIL_FONT)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_DETAIL_FONT_DESC), "Navy  Verdana Italic  12 Pt. ");
        })
        .OK();
    m_ui.AnswerMessageBox(IDNO, "Set up the default report format?");
    m_ui.OnDialog(IDD_SELECT_COLOUR).Select(IDC_COLOUR_LIST, 9).OK();
    m_ui.ChooseFont("Verdana", 120, FALSE, TRUE, FALSE, FALSE, RGB(0, 0, 128));
    m_item.Edit();
    EXPECT_TRUE(m_ui.AllUsed());
    EXPECT_EQ((std::vector<long>{m_item.GetStandingsKind(), m_item.m_wKind, long(m_item.m_arrColumns.size()),
                                 long(m_item.m_crFirst)}),
              (std::vector<long>{SK_COMBINED,
                                 SK_COMBINED | CRepItem_CustomStandings::ADD_HANDICAP |
                                     CRepItem_CustomStandings::ADD_PYRAMID_SCRATCH,
                                 12, long(RGB(255, 0, 0))}));

    // The combined table adds handicap and pyramid scratch points: the leader's row is red.
    CTeam* pPals = m_doc.FindTeam(2);
    pPals->m_nPointsWon[PASS_HANDICAP] = 6, pPals->m_nPyramidWon[PASS_SCRATCH] = 4;
    m_doc.FindTeam(1)->m_nPointsWon[PASS_SCRATCH] = 30;   // not added
    CObList rows;
    m_item.Expand(rows);
    ASSERT_EQ(rows.GetCount(), 3);
    std::unique_ptr<CRepItem_CustomStandings> first(static_cast<CRepItem_CustomStandings*>(rows.RemoveHead()));
    EXPECT_EQ(first->m_pTeam, pPals);
    CRecordingDC dc;
    first->m_x = 720;
    first->Draw(&dc, nullptr);
    const DrawCall* pName = dc.FindText("Pin Pals");
    const DrawCall* pWon = dc.FindText("5 ");   // won: 10 half points
    ASSERT_TRUE(pName && pWon) << dc.Dump();
    EXPECT_EQ((std::vector<long>{long(pName->color), pName->font.lfItalic, long(pWon->color)}),
              (std::vector<long>{long(RGB(255, 0, 0)), 1, long(RGB(255, 0, 0))}));
    while (!rows.IsEmpty())
        delete rows.RemoveHead();
    EXPECT_EQ(m_item.GetTitleText().Left(29), "Combined Standings after Roun");

    // Scratch with Yes: the scratch set, its colours and sizes; the point boxes are greyed.
    m_item.m_crFirst = RGB(255, 0, 0);
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Select(IDC_CD_KIND, SK_SCRATCH)
        .Check([](CDialog& d) {
            EXPECT_FALSE(Ctl(d, IDC_CSD_ADD_HCP).enabled);
            EXPECT_EQ(d.GetDlgItemText(IDC_CSD_COLOUR_NAME[0]), "Maroon");
            EXPECT_EQ(Ctl(d, IDC_CD_COLUMNS).items[6].text, "Space");
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_DETAIL_FONT_DESC), "Navy  Verdana Italic  11 Pt. ");
        })
        .OK();
    m_ui.AnswerMessageBox(IDYES, "Set up the default report format?");
    m_item.Edit();
    EXPECT_EQ(Titles(), "Pos||Name|Won|Lost|Gms||Pins||Hgs||Hss|");
    EXPECT_EQ(m_item.m_crFirst, RGB(128, 0, 0));
    // The boxes were read on OK, greyed or not.
    EXPECT_EQ(m_item.m_wKind, SK_SCRATCH | CRepItem_CustomStandings::ADD_HANDICAP |
                                  CRepItem_CustomStandings::ADD_PYRAMID_SCRATCH);
}

TEST_F(StandingsDesigner, CancelLeavesTheTableAsItWas)
{
    const std::vector<BYTE> before = BytesOf(m_item);
    const WORD wKind = m_item.m_wKind;
    m_ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Select(IDC_CD_KIND, SK_COMBINED)
        .Click(IDC_CSD_ADD_SCR)
        .Select(IDC_CD_KIND, SK_SCRATCH)
        .Click(IDC_CD_ADD)
        .SetText(IDC_CD_TITLE, "New")
        .SetText(IDC_CD_WIDTH, "2")
        .Click(IDC_CD_RIGHT)
        .Click(IDC_CSD_COLOUR[1])
        .Click(IDC_CD_TITLE_FONT)
        .Click(IDC_CD_CENTRE)
        .Cancel();
    m_ui.AnswerMessageBox(IDNO);
    m_ui.AnswerMessageBox(IDYES);
    m_ui.OnDialog(IDD_SELECT_COLOUR).Select(IDC_COLOUR_LIST, 3).OK();
    m_ui.ChooseFont("Courier New", 90, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    m_item.Edit();
    EXPECT_EQ(BytesOf(m_item), before);
    EXPECT_EQ(m_item.m_wKind, wKind);
}
