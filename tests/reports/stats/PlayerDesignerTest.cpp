// The custom player table designer driven through its controls: the columns and their widths
// in percent with the refused ones, the ranked list and list-by-team options and what the table
// then lists and draws, Make Default, Apply to all in the layout editor, and Cancel.
#include "ReloadedLeague.h"
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "DialogControls.h"
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/CustomPlayerStats.h"
#include "reports/stats/CustomStandings.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/Exports.h"
#include "view/RepForm.h"
#include "view/ReportLayoutDlg.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class PlayerDesigner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        doc.m_nPlayersPerTeam = 4;
        doc.m_bScratchLeague = 0;   // handicap only
        AddTestTeam(doc, 1, "Lane Kings", {1, 2, 3, 4, 5, 6});
        const char* const surnames[] = {"Hill", "Ash", "Cole", "Bell", "Dunn", "Egan"};
        for (WORD i = 1; i <= 6; ++i) {
            CPlayer* p = AddTestPlayer(doc, i, "Pat", surnames[i - 1], 1, i % 3 == 0 ? PF_FEMALE : PF_MALE);
            SetFigures(p, 3, 3u * (190u - i), 3, 3u * (190u - i));
        }
        doc.GetDefaultFont(8)->m_strFaceName = "Tahoma";
        item.m_pDoc = &doc;
        item.SetDefaults();   // listed by team, two blocks, 97 percent
    }

    std::vector<std::string> ColumnNames() const
    {
        std::vector<std::string> v;
        for (auto* c : item.m_arrColumns)
            v.push_back(GetPlayerColumnName(c->m_nColumnType));
        return v;
    }

    // The table's only row, measured (nRowHeight) and drawn at x 720 onto dc.
    std::unique_ptr<CRepItem_CustomPlayerStats> OnlyRow(CRecordingDC& dc, int y = 0)
    {
        CObList list;
        item.Expand(list);
        EXPECT_EQ(list.GetCount(), 1);
        if (list.GetCount() != 1)
            return nullptr;
        std::unique_ptr<CRepItem_CustomPlayerStats> row(static_cast<CRepItem_CustomPlayerStats*>(list.RemoveHead()));
        row->m_x = 720, row->m_y = y;
        nRowHeight = row->GetHeight(&dc);
        row->Draw(&dc, nullptr);
        return row;
    }

    CBowlingDoc doc;
    CRepItem_CustomPlayerStats item;
    CScriptedBackend ui;
    int nRowHeight = 0;
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

TEST_F(PlayerDesigner, OpensOnTheTable)
{
    EXPECT_EQ(item.m_fontHeading.m_bBold, 1);   // made outside the layout editor
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Design Custom Player Stats");
            EXPECT_EQ((std::vector<std::string>{Selected(d, IDC_CPD_LAYOUT), Selected(d, IDC_CD_KIND),
                                                Selected(d, IDC_CPD_RANK), d.GetDlgItemText(IDC_CPD_GAP).GetString()}),
                      (std::vector<std::string>{"Two Columns", "Handicap", "Average", "5"}));
            // The kind is fixed: the league scores handicap only.
            EXPECT_EQ((std::vector<bool>{Ctl(d, IDC_CD_KIND).enabled, Ctl(d, IDC_CPD_RANK).enabled,
                                         Ctl(d, IDC_CPD_FEMALE).enabled, Ctl(d, IDC_CPD_TEAM_AVERAGES).enabled}),
                      (std::vector<bool>{false, false, false, true}));
            EXPECT_EQ(Ctl(d, IDC_CPD_BY_TEAM).check, 1);
            EXPECT_EQ(Items(d, IDC_CPD_RANK).size(), 11u);
            EXPECT_EQ(Ctl(d, IDC_CPD_MALE).check + Ctl(d, IDC_CPD_FEMALE).check + Ctl(d, IDC_CPD_JUNIOR).check, 3);
            EXPECT_EQ(Items(d, IDC_CD_TYPE).size(), 32u);
            EXPECT_EQ(Items(d, IDC_CD_TYPE).back(), "Pct Games Played");
            EXPECT_EQ(Items(d, IDC_CD_COLUMNS),
                      (std::vector<std::string>{"Space", "Name", "Handicap", "Avg. (Integer)", "Games",
                                                "Scratch Pinfall", "High Game Scr.", "High Series Scr."}));
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_WIDTH), "1");
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_TITLE_FONT_DESC), "Black  Arial Bold  10 Pt. ");
        })
        .Check(Shows("97%", "3%", false))
        .OK();
    item.Edit();
}

TEST_F(PlayerDesigner, WidthsInPercentAndTheRefusedOnes)
{
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Select(IDC_CD_COLUMNS, 1)
        .SetText(IDC_CD_WIDTH, "40")
        .Focus(IDC_CD_TITLE)
        .Check(Shows("102%", "0%", true))
        .SetText(IDC_CD_WIDTH, "120")
        .Click(IDC_CD_ADD)   // refused: the focus stays and the click is lost
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_CD_WIDTH);
            EXPECT_EQ(Items(d, IDC_CD_COLUMNS).size(), 8u);
        })
        .SetText(IDC_CD_WIDTH, "wide")
        .Focus(IDC_CD_TITLE)
        .SetText(IDC_CD_WIDTH, "30")
        .Click(IDC_CD_ADD)   // a 15 percent space before "Name"
        .Check(Shows("107%", "0%", true))
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_CD_WIDTH), "15"); })
        .Select(IDC_CD_TYPE, PC_CATEGORY)
        .SetText(IDC_CD_TITLE, "Cat")
        .Click(IDC_CD_RIGHT)
        .Select(IDC_CD_COLUMNS, 0)
        .Click(IDC_CD_DELETE)   // the leading space goes
        .Check(Shows("106%", "0%", true))
        .SetText(IDC_CPD_GAP, "101")
        .Focus(IDC_CD_TITLE)
        .SetText(IDC_CPD_GAP, "12")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 99.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 100.");
    item.Edit();
    EXPECT_EQ(ColumnNames(), (std::vector<std::string>{"Name", "Category", "Handicap", "Avg. (Integer)", "Games",
                                                       "Scratch Pinfall", "High Game Scr.", "High Series Scr."}));
    EXPECT_STREQ(item.m_arrColumns[1]->m_strTitle, "Cat");
    EXPECT_EQ((std::vector<int>{item.m_arrColumns[0]->m_nWidth, item.GetTotalWidth(), item.m_nGap}),
              (std::vector<int>{30, 106, 12}));

    // A team row follows: "Cat" 30 percent of 5040 along, right-justified in its 15 percent
    // (three characters of 100 twips), the gap below the team.
    CRecordingDC dc;
    auto row = OnlyRow(dc, -1000);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ((std::vector<int>{Pos(dc, "Lane Kings").first, Pos(dc, "Cat").first, nRowHeight}),
              (std::vector<int>{720, 720 + 30 * 50 + 15 * 50 - 300,
                                6 * row->m_fontDetail.GetLineHeight(0) + row->m_fontHeading.GetLineHeight(60) - 172}));
}

TEST_F(PlayerDesigner, RankedListOptionsAndWhatTheTableLists)
{
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Click(IDC_CPD_BY_TEAM)
        .Check([](CDialog& d) {
            EXPECT_EQ((std::vector<bool>{Ctl(d, IDC_CPD_RANK).enabled, Ctl(d, IDC_CPD_MALE).enabled,
                                         Ctl(d, IDC_CPD_TEAM_AVERAGES).enabled, Ctl(d, IDC_CPD_SUBS_ONLY).enabled}),
                      (std::vector<bool>{true, true, false, false}));
        })
        .Select(IDC_CPD_RANK, PRK_SURNAME)
        .Select(IDC_CPD_RANK, 10)   // the empty entry keeps the key
        .Check([](CDialog& d) { EXPECT_EQ(Selected(d, IDC_CPD_RANK), "Surname"); })
        .Click(IDC_CPD_JUNIOR)
        .Click(IDC_CPD_MALE)
        .Select(IDC_CPD_LAYOUT, 2)   // Yes: the three-column design in the layout's fonts
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_CD_COLUMNS),
                      (std::vector<std::string>{"Name", "Handicap", "Avg (Playing)", "Games", "Scratch Pinfall"}));
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_TITLE_FONT_DESC), "Black  Tahoma  10 Pt. ");
        })
        .Check(Shows("95%", "5%", false))
        .OK();
    ui.AnswerMessageBox(IDYES, "Set up the default report format?");
    item.Edit();
    EXPECT_EQ((std::vector<int>{item.m_bListByTeam, item.m_nRankKey, item.m_wGroupMask, item.GetBlockCount()}),
              (std::vector<int>{0, PRK_SURNAME, CRepItem_CustomPlayerStats::GROUP_FEMALE, 3}));

    // The women by surname, one to a block: Cole and Egan.
    CRecordingDC dc;
    auto row = OnlyRow(dc);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->m_pPlayers[0]->m_strSurname + "," + row->m_pPlayers[1]->m_strSurname, "Cole,Egan");
    EXPECT_EQ(row->m_pPlayers[2], nullptr);
    EXPECT_EQ(Pos(dc, "Pat Egan").first, 720 + 3360);
}

TEST_F(PlayerDesigner, ListByTeamOptionsAndTheTeamAverageLine)
{
    doc.m_bScratchLeague = 1;   // both systems: the kind can be chosen
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_CD_KIND).enabled); })
        .Select(IDC_CD_KIND, PK_SCRATCH)   // No: the columns stay
        .Click(IDC_CPD_TEAM_AVERAGES)
        .Select(IDC_CPD_TOTAL_STYLE, TTS_TEAM_AVERAGE)
        .Click(IDC_CPD_SUBS_ONLY)
        .Click(IDC_CPD_SUBS_ONLY)
        .OK();
    ui.AnswerMessageBox(IDNO, "Set up the default report format?");
    item.Edit();
    EXPECT_EQ((std::vector<long>{item.m_nKind, long(item.m_arrColumns.size()), long(item.m_bTeamAverages),
                                 item.m_nTeamTotalStyle, long(item.m_bSubsOnly)}),
              (std::vector<long>{PK_SCRATCH, 8, 1, TTS_TEAM_AVERAGE, 0}));

    CRecordingDC dc;
    ASSERT_NE(OnlyRow(dc), nullptr);
    bool bLine = false;
    for (const std::string& t : dc.Texts())
        bLine = bLine || t.rfind("Team Average ", 0) == 0;
    EXPECT_TRUE(bLine) << dc.Dump();
}

TEST_F(PlayerDesigner, MakeDefaultIsUndoneByCancel)
{
    const CFontData entry4 = *doc.GetDefaultFont(4);
    const CFontData entry6 = *doc.GetDefaultFont(6);
    const std::vector<BYTE> before = BytesOf(item);
    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS).Click(IDC_CD_TITLE_FONT).Click(IDC_CPD_MAKE_DEFAULT).Cancel();
    ui.ChooseFont("Verdana", 120, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_TRUE(*doc.GetDefaultFont(6) == entry6);
    EXPECT_EQ(BytesOf(item), before);
    EXPECT_FALSE(doc.IsModified());

    // With OK the two-column entries (6 and 7) are the table's fonts.
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS).Click(IDC_CD_TITLE_FONT).Click(IDC_CPD_MAKE_DEFAULT).OK();
    ui.ChooseFont("Verdana", 120, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    item.Edit();
    EXPECT_EQ(doc.GetDefaultFont(6)->m_strFaceName, "Verdana");
    EXPECT_TRUE(*doc.GetDefaultFont(7) == item.m_fontDetail);
    EXPECT_TRUE(*doc.GetDefaultFont(4) == entry4);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PlayerDesigner, CancelLeavesTheTableAsItWas)
{
    const std::vector<BYTE> before = BytesOf(item);
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Select(IDC_CPD_LAYOUT, 0)
        .Click(IDC_CPD_BY_TEAM)
        .Click(IDC_CPD_FEMALE)
        .Select(IDC_CPD_RANK, 3)
        .SetText(IDC_CPD_GAP, "40")
        .Click(IDC_CD_ADD)
        .Click(IDC_CD_CENTRE)
        .Click(IDC_CD_DETAIL_FONT)
        .Cancel();
    ui.AnswerMessageBox(IDYES);
    ui.ChooseFont("Verdana", 120, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    item.Edit();
    EXPECT_EQ(BytesOf(item), before);
}

TEST_F(PlayerDesigner, AddedInTheLayoutEditorWithFontsAppliedToAll)
{
    // A league's first layout has the bold heading.
    CRepForm* pForm = doc.CreateDefaultReportForm();
    auto* pFirst = dynamic_cast<CRepItem_CustomPlayerStats*>(pForm->m_listItems.GetTail());
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->m_fontHeading.m_bBold, 1);

    // The editor's Add runs the designer on a table with the plain heading; its fonts go to
    // the other one. A standings table added runs its own designer.
    CReportLayoutDlg editor(&doc, pForm);
    ui.OnDialog(IDD_REPORT_LAYOUT)
        .SelectString(IDC_LAYOUT_TYPE, "Custom Player Stats")
        .Click(IDC_LAYOUT_ADD)
        .SelectString(IDC_LAYOUT_TYPE, "Custom Standings")
        .Click(IDC_LAYOUT_ADD)
        .OK();
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_CD_TITLE_FONT_DESC), "Black  Arial  10 Pt. ");
            EXPECT_TRUE(Ctl(d, IDC_CPD_APPLY_TO_ALL).enabled);
        })
        .Click(IDC_CD_DETAIL_FONT)
        .Click(IDC_CPD_APPLY_TO_ALL)
        .OK();
    ui.ChooseFont("Verdana", 90, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER).Click(IDC_CD_ADD).OK();
    ASSERT_EQ(editor.DoModal(), IDOK);
    std::vector<CRepItem_CustomPlayerStats*> tables;
    std::vector<CRepItem_CustomStandings*> standings;
    for (POSITION pos = pForm->m_listItems.GetHeadPosition(); pos;) {
        CRepItem* p = pForm->GetItem(pos);
        if (auto* t = dynamic_cast<CRepItem_CustomPlayerStats*>(p))
            tables.push_back(t);
        if (auto* s = dynamic_cast<CRepItem_CustomStandings*>(p))
            standings.push_back(s);
    }
    ASSERT_EQ(tables.size(), 2u);
    ASSERT_EQ(standings.size(), 2u);
    // The new ones come after the selected first item.
    EXPECT_EQ(tables[0]->m_fontDetail.m_strFaceName + tables[1]->m_fontDetail.m_strFaceName, "VerdanaVerdana");
    EXPECT_TRUE(tables[1]->m_fontHeading == tables[0]->m_fontHeading);
    EXPECT_EQ(tables[1]->m_fontHeading.m_bBold, 0);
    EXPECT_EQ((std::pair(standings[0]->m_arrColumns.size(), standings[1]->m_arrColumns.size())), (std::pair<size_t, size_t>(13, 12)));
}

TEST_F(PlayerDesigner, DesignedTablesShowInHtmlAndSurviveSaveAndReload)
{
    CRepForm* pForm = doc.CreateDefaultReportForm();
    auto* pStandings =
        dynamic_cast<CRepItem_CustomStandings*>(pForm->m_listItems.GetAt(pForm->m_listItems.FindIndex(1)));
    auto* pTable = dynamic_cast<CRepItem_CustomPlayerStats*>(pForm->m_listItems.GetTail());
    ASSERT_NE(pStandings, nullptr);
    ASSERT_NE(pTable, nullptr);
    ui.OnDialog(IDD_CUSTOM_STANDINGS_DESIGNER)
        .Click(IDC_CD_ADD)
        .Select(IDC_CD_TYPE, CC_DRAWN)
        .SetText(IDC_CD_TITLE, "Drawn")
        .OK();
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Click(IDC_CD_ADD)
        .Select(IDC_CD_TYPE, PC_CATEGORY)
        .SetText(IDC_CD_TITLE, "Class")
        .OK();
    pStandings->Edit();
    pTable->Edit();

    TempDir dir;
    const std::string path = dir.File("report.htm");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        WriteHtmlReport(&doc, file);
        file.Close();
    }
    const std::string html = FileContents(path);
    EXPECT_NE(html.find(">Drawn<"), std::string::npos) << html;
    EXPECT_NE(html.find(">Class<"), std::string::npos);

    CBowlingDoc reloaded;
    ASSERT_TRUE(Reload(doc, reloaded));
    CRepForm* pLoaded = reloaded.m_pCurrentRepForm;
    ASSERT_NE(pLoaded, nullptr);
    auto* pStandings2 =
        dynamic_cast<CRepItem_CustomStandings*>(pLoaded->m_listItems.GetAt(pLoaded->m_listItems.FindIndex(1)));
    auto* pTable2 = dynamic_cast<CRepItem_CustomPlayerStats*>(pLoaded->m_listItems.GetTail());
    ASSERT_NE(pStandings2, nullptr);
    ASSERT_NE(pTable2, nullptr);
    EXPECT_EQ(pStandings2->m_arrColumns[0]->m_strTitle + "," + pTable2->m_arrColumns[0]->m_strTitle, "Drawn,Class");
    EXPECT_EQ(pStandings2->m_arrColumns[0]->m_nColumnType, CC_DRAWN);
    EXPECT_EQ(BytesOf(*pTable2), BytesOf(*pTable));
}
