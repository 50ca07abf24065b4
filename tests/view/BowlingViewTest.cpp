// The view driven as a person drives it: pages and keys, printing, the right-click results
// and View > Back, and the report-layout and export commands with their dialogs.
#include "DialogControls.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "FileContents.h"
#include "TempDir.h"
#include "TestItems.h"
#include "framework/ui/Frame.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/Resource.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/ExportFieldsDlg.h"
#include "resources/dialogs/ViewDialogs.h"
#include "view/RepForm.h"
#include "view/ReportDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

bool HasText(const CRecordingDC& dc, const std::string& s)
{
    const std::vector<std::string> texts = dc.Texts();
    return std::find(texts.begin(), texts.end(), s) != texts.end();
}

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        m_frame.m_hWnd = &m_frame;  // a frame that shows its status text
        m_pForm = new CRepForm;
        m_pForm->m_strTitle = "Week Report";
        for (const char* t : {"one", "two", "three", "four", "five"})
            m_pForm->AddItem(new CTestBlockItem(RIT_NOTES, -6000, t));
        m_doc.m_listRepForms.AddTail(m_pForm);
        m_doc.m_pCurrentRepForm = m_pForm;
        m_doc.m_strLeagueName = "Thursday Triples";
        m_doc.m_nDisplayMode = MODE_REPORT;
        m_view.AttachTo(&m_doc, &m_frame);
        m_view.OnInitialUpdate();
    }
    void TearDown() override
    {
        m_view.AttachTo(nullptr, nullptr);
        m_frame.m_hWnd = nullptr;
    }

    void Command(UINT nID) { m_view.OnCmdMsg(nID, CN_COMMAND, nullptr); }
    BOOL Enabled(UINT nID)
    {
        CCmdUI ui;
        ui.m_nID = nID;
        m_view.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui);
        return ui.m_bEnabled;
    }
    std::unique_ptr<CRecordingDC> Draw()
    {
        auto dc = std::make_unique<CRecordingDC>();
        m_view.OnDraw(dc.get());
        return dc;
    }

    CScriptedBackend m_ui;
    CFrameWnd m_frame;
    CBowlingDoc m_doc;
    CRepForm* m_pForm = nullptr;
    CBowlingView m_view;
};

} // namespace

TEST_F(ViewTest, PagesFollowTheKeysAndShowInTheStatusBar)
{
    auto first = Draw();
    ASSERT_EQ(m_view.GetPageCount(), 3);
    EXPECT_TRUE(HasText(*first, "Week Report  (Page 1/3)") && HasText(*first, "one"));
    EXPECT_FALSE(HasText(*first, "three"));
    EXPECT_EQ(m_ui.statusText, "Page 1 of 3");
    EXPECT_FALSE(Enabled(ID_VIEW_PREV_PAGE));

    m_view.OnKeyDown(VK_NEXT, 1, 0);
    auto second = Draw();
    EXPECT_TRUE(HasText(*second, "three") && HasText(*second, "Week Report  (Page 2/3)"));
    EXPECT_EQ(m_ui.statusText, "Page 2 of 3");

    std::vector<int> pages;
    for (UINT key : {VK_END, VK_NEXT, VK_PRIOR, VK_HOME}) {
        m_view.OnKeyDown(key, 1, 0);
        pages.push_back(m_view.GetCurrentPage());
        if (key == VK_NEXT) {
            EXPECT_FALSE(Enabled(ID_VIEW_NEXT_PAGE));
        }
    }
    EXPECT_EQ(pages, (std::vector<int>{3, 3, 2, 1}));

    // A layout that shrinks brings the page shown back within the count.
    m_view.OnKeyDown(VK_END, 1, 0);
    m_pForm->DeleteItems();
    Draw();
    EXPECT_EQ(m_view.GetCurrentPage(), 1);
}

TEST_F(ViewTest, PrintingDrawsEveryPageWithItsHeading)
{
    Command(ID_FILE_PRINT);
    ASSERT_EQ(m_ui.printRuns, 1);
    ASSERT_EQ(m_ui.printedPages.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        CString heading;
        heading.Format("Week Report  (Page %d/3)", i + 1);
        EXPECT_TRUE(HasText(*m_ui.printedPages[static_cast<size_t>(i)], heading.str())) << i;
        // The printer's small stock font is 8 points.
        EXPECT_EQ(GetStockFonts(m_ui.printedPages[static_cast<size_t>(i)].get())->m_fontSmall.LogFont().lfHeight,
                  -160);
    }
    EXPECT_TRUE(HasText(*m_ui.printedPages[2], "five"));
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(m_ui.lastPrintWasPreview);
    EXPECT_EQ(m_ui.printedPages.size(), 3u);
}

TEST_F(ViewTest, ADisplayWithoutItemsShowsItsTitle)
{
    // Without the items that draw the money pages their commands are off: no blank page.
    EXPECT_FALSE(Enabled(ID_VIEW_ACCOUNTS) || Enabled(ID_VIEW_TREASURER));
    Command(ID_VIEW_ACCOUNTS);
    EXPECT_NE(m_doc.m_nDisplayMode, MODE_ACCOUNTS);
    m_view.SetDisplayMode(MODE_ACCOUNTS, "Accounts");
    auto dc = Draw();
    EXPECT_TRUE(HasText(*dc, "Thursday Triples") && HasText(*dc, "Accounts  (Page 1/1)"));

    // Another display's items in the shared page list are not shown as the league details.
    m_doc.m_listDisplayItems.AddTail(new CTestBlockItem(RIT_RESULT, -2000, "result card"));
    Command(ID_VIEW_LEAGUE_DETAILS);
    auto details = Draw();
    EXPECT_TRUE(HasText(*details, "League Details  (Page 1/1)"));
    EXPECT_FALSE(HasText(*details, "result card"));

    // Nothing at all is drawn while the league is being set up.
    m_doc.m_bSetupInProgress = 1;
    EXPECT_TRUE(Draw()->calls.empty());
}

TEST_F(ViewTest, RightClickResultsAndBack)
{
    auto* pTeam = new CTeam("Pin Pals", 1);
    m_doc.AddTeam(pTeam);
    m_view.OnKeyDown(VK_NEXT, 1, 0);
    Draw();
    // A name drawn at (720, -3000), normalised whichever way the item wrote it.
    pTeam->AddHitRect(CRect(720, -3000, 720 + NAME_RECT_WIDTH, -3200));
    CTeam* pHitTeam = nullptr;
    CPlayer* pHitPlayer = nullptr;
    m_view.HitTest(CPoint(1000, -3100), &pHitTeam, &pHitPlayer);
    EXPECT_EQ(pHitTeam, pTeam);
    m_view.HitTest(CPoint(1000, -3300), &pHitTeam, &pHitPlayer);
    EXPECT_EQ(pHitTeam, nullptr);

    EXPECT_FALSE(Enabled(ID_VIEW_BACK));
    m_view.m_pClickedTeam = pTeam;
    Command(ID_POPUP_TEAM_RESULTS);
    EXPECT_EQ(std::make_tuple(m_doc.m_nDisplayMode, m_doc.m_strReportTitle.str(), m_view.GetCurrentPage(), Enabled(ID_VIEW_BACK)),
              std::make_tuple(MODE_RESULTS, std::string("Results for Pin Pals"), 1, TRUE));

    Command(ID_VIEW_BACK);
    EXPECT_EQ(std::make_tuple(m_doc.m_nDisplayMode, m_view.GetCurrentPage(), Enabled(ID_VIEW_BACK)),
              std::make_tuple(MODE_REPORT, 2, FALSE));

    // Drawing empties the name rectangles before the items record them again.
    Draw();
    m_view.HitTest(CPoint(1000, -3100), &pHitTeam, &pHitPlayer);
    EXPECT_EQ(pHitTeam, nullptr);
}

TEST_F(ViewTest, HtmlReportOfTheLayout)
{
    TempDir dir;
    // Offered for the report layout and the results only, in a league that is set up.
    EXPECT_FALSE(Enabled(ID_FILE_HTML_REPORT));
    m_doc.AddTeam(new CTeam("A", 1));
    m_doc.AddTeam(new CTeam("B", 2));
    m_doc.m_nTeams = 2;
    m_doc.AddFixture(new CFixture(1, 1, 2, 4));
    EXPECT_TRUE(Enabled(ID_FILE_HTML_REPORT));
    m_doc.m_nDisplayMode = MODE_LEAGUE_DETAILS;
    EXPECT_FALSE(Enabled(ID_FILE_HTML_REPORT));
    m_doc.m_nDisplayMode = MODE_REPORT;

    m_pForm->DeleteItems();
    m_pForm->AddItem(new CTestBlockItem(RIT_NOTES, -500, "Fees & <dues>"));
    auto* pCustom = new CTestBlockItem(RIT_CUSTOM_PLAYER_STATS, -500, "players");
    pCustom->m_nRows = 2;
    m_pForm->AddItem(pCustom);
    m_pForm->AddItem(new CTestBlockItem(RIT_CUSTOM_STANDINGS, -500, "standings"));
    m_pForm->AddItem(new CTestBlockItem(RIT_CUSTOM_PLAYER_STATS, -500, "more"));
    std::string path = dir.File("week.htm");
    m_ui.ChooseFile(path);
    Command(ID_FILE_HTML_REPORT);
    ASSERT_EQ(m_ui.fileDialogFilters.size(), 1u);
    EXPECT_EQ(std::make_pair(m_ui.fileDialogFilters[0], m_ui.fileDialogNames[0]),
              std::make_pair(std::string("HTML Files (*.htm) | *.htm | All Files (*.*) | *.* ||"), std::string("Week Report.htm")));
    std::string html = FileContents(path);
    std::string body = html.substr(html.find("</TABLE></CENTER>\n") + 18);
    EXPECT_EQ(body,
              "<p>Fees &amp; &lt;dues&gt;</p>\n"
              "<CENTER><TABLE WIDTH=100%>\n"
              "<p>players</p>\n<p>players row 1</p>\n<p>players row 2</p>\n"
              "</TABLE></CENTER>\n"
              "<p>standings</p>\n"
              "</TABLE></CENTER>\n"
              "<CENTER><TABLE WIDTH=100%>\n"
              "<p>more</p>\n"
              "</CENTER></TABLE>\n"
              "</BODY>\n</HTML>\n");
    for (const char* part : {"charset=windows-1252", "<H2>Thursday Triples</H2>", "<TITLE>Week Report</TITLE>"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
    // The page heading of the flow is not written.
    EXPECT_EQ(html.find("(Page"), std::string::npos);
}

TEST_F(ViewTest, LayoutExportAndImportThroughTheCommands)
{
    TempDir dir;
    std::string path = dir.File("week.rep");
    m_ui.ChooseFile(path);
    Command(ID_REPORT_EXPORT);
    EXPECT_EQ(std::make_pair(m_ui.fileDialogFilters[0], m_ui.fileDialogNames[0]),
              std::make_pair(std::string("Report Files (*.rep) | *.rep | All Files (*.*) | *.* ||"), std::string("Week Report.rep")));

    m_ui.ChooseFile(path);
    Command(ID_REPORT_IMPORT);
    ASSERT_EQ(m_doc.m_listRepForms.GetCount(), 2);
    auto* pImported = static_cast<CRepForm*>(m_doc.m_listRepForms.GetTail());
    EXPECT_EQ(m_doc.m_pCurrentRepForm, pImported);
    EXPECT_EQ(pImported->GetStoredBytes(), m_pForm->GetStoredBytes());
    EXPECT_TRUE(m_doc.IsModified());

    // A damaged file: a message, no new layout.
    std::ofstream(dir.File("bad.rep"), std::ios::binary) << "\x4dnot a layout";
    m_ui.ChooseFile(dir.File("bad.rep"));
    m_ui.AnswerMessageBox(IDOK, "The report layout could not be read");
    Command(ID_REPORT_IMPORT);
    EXPECT_EQ(m_doc.m_listRepForms.GetCount(), 2);
}

TEST_F(ViewTest, SelectAndDeleteLayouts)
{
    auto* pSecond = new CRepForm;
    pSecond->m_strTitle = "Second";
    m_doc.m_listRepForms.AddTail(pSecond);
    m_ui.OnDialog(IDD_SELECT_REPORT_LAYOUT)
        .Check([](CDialog& dlg) {
            auto* pList = static_cast<CListBox*>(dlg.GetDlgItem(IDC_REPORT_LAYOUTS));
            EXPECT_EQ(std::make_tuple(pList->GetCount(), pList->GetCurSel(), pList->ItemText(1).str()),
                      std::make_tuple(2, 0, std::string("Second")));
        })
        .Select(IDC_REPORT_LAYOUTS, 1)
        .OK();
    Command(ID_REPORT_SELECT);
    EXPECT_EQ(m_doc.m_pCurrentRepForm, pSecond);

    m_ui.OnDialog(IDD_SELECT_REPORT_LAYOUT).Select(IDC_REPORT_LAYOUTS, 1).OK();
    m_ui.AnswerMessageBox(IDYES, "Delete the report layout \"Second\"?");
    Command(ID_REPORT_DELETE);
    EXPECT_EQ(std::make_pair(m_doc.m_listRepForms.GetCount(), m_doc.m_pCurrentRepForm), std::make_pair(1, m_pForm));
}

TEST_F(ViewTest, LayoutEditorMovesDeletesAndRenames)
{
    m_ui.OnDialog(IDD_REPORT_LAYOUT)
        .Check([this](CDialog& dlg) {
            auto* pList = static_cast<CListBox*>(dlg.GetDlgItem(IDC_LAYOUT_ITEMS));
            EXPECT_EQ(pList->GetCount(), 5);
            EXPECT_EQ(pList->ItemText(0), "Secretary's note");
            EXPECT_EQ(dlg.GetDlgItemText(IDC_LAYOUT_TITLE), "Week Report");
            // The editor works on copies, which the item dialogs can reach.
            ASSERT_NE(m_doc.m_pEditorItems, nullptr);
            EXPECT_EQ(m_doc.m_pEditorItems->GetCount(), 5);
            EXPECT_EQ(m_doc.m_pEditorItems->Find(m_pForm->m_listItems.GetHead()), nullptr);
            auto* pTypes = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_LAYOUT_TYPE));
            EXPECT_EQ(pTypes->GetCount(), 21);
            EXPECT_EQ(pTypes->ItemText(0), "Standings");
        })
        .Select(IDC_LAYOUT_ITEMS, 0)
        .Click(IDC_LAYOUT_DOWN)
        .Click(IDC_LAYOUT_DOWN)
        .Select(IDC_LAYOUT_ITEMS, 4)
        .Click(IDC_LAYOUT_DELETE)
        .Click(IDC_LAYOUT_UP)  // "four", now last, moves above "one"
        .SetText(IDC_LAYOUT_TITLE, "Autumn")
        .OK();
    Command(ID_REPORT_EDIT);
    std::vector<std::string> texts;
    for (POSITION pos = m_pForm->m_listItems.GetHeadPosition(); pos;) {
        CRepItem* pItem = m_pForm->GetItem(pos);
        if (!pItem->IsTemporary())  // the page headings of the display shown since
            texts.push_back(static_cast<CTestBlockItem*>(pItem)->m_strText.str());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"two", "three", "four", "one"}));
    EXPECT_EQ(std::make_tuple(m_pForm->m_strTitle.str(), m_doc.m_pEditorItems, m_doc.IsModified()),
              std::make_tuple(std::string("Autumn"), static_cast<CObList*>(nullptr), TRUE));
}

TEST_F(ViewTest, LayoutEditorCancelKeepsTheLayoutAndAddNamesWhatIsMissing)
{
    std::vector<BYTE> before = m_pForm->GetStoredBytes();
    m_ui.OnDialog(IDD_REPORT_LAYOUT)
        .Select(IDC_LAYOUT_ITEMS, 0)
        .Click(IDC_LAYOUT_DELETE)
        .SetText(IDC_LAYOUT_TITLE, "Changed")
        .Select(IDC_LAYOUT_TYPE, 0)
        .Click(IDC_LAYOUT_ADD)
        .Cancel();
    m_ui.AnswerMessageBox(IDOK, "A \"Standings\" item cannot be made in this version of the program.");
    Command(ID_REPORT_EDIT);
    EXPECT_EQ(m_pForm->GetStoredBytes(), before);
    EXPECT_EQ(m_doc.m_pEditorItems, nullptr);
}

TEST_F(ViewTest, LayoutEditorFontButtonSetsTheTitleFont)
{
    m_ui.OnDialog(IDD_REPORT_LAYOUT)
        .Click(IDC_LAYOUT_FONT)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_LAYOUT_FONT_DESC), "Title Font : Red  Times New Roman Bold  14 Pt. ");
        })
        .OK();
    m_ui.ChooseFont("Times New Roman", 140, TRUE, FALSE, FALSE, FALSE, RGB(255, 0, 0));
    Command(ID_REPORT_EDIT);
    const CFontData& f = m_pForm->m_fontTitle;
    EXPECT_EQ(std::make_tuple(std::string(f.m_strFaceName.GetString()), f.m_nPointSize, f.m_nPrinterHeight),
              std::make_tuple(std::string("Times New Roman"), 14, -280));
}

TEST(ReportDialogs, ChooseReportFontTakesTheChoiceOrNothing)
{
    CScriptedBackend ui;
    CFontData font;
    font.m_nLineHeight = -230;
    ui.ChooseFont("Courier New", 120, TRUE, TRUE, TRUE, FALSE, RGB(0, 0, 255));
    EXPECT_TRUE(ChooseReportFont(&font));
    EXPECT_EQ(std::string(font.m_strFaceName.GetString()), "Courier New");
    EXPECT_EQ(std::make_tuple(font.m_nPrinterHeight, font.m_nPointSize, font.m_nScreenHeight, font.m_nLineHeight),
              std::make_tuple(-240, 12, -16, 0));
    EXPECT_EQ(std::make_tuple(font.m_bBold, font.m_bItalic, font.m_bUnderline, font.m_bStrikeOut, font.m_crColour),
              std::make_tuple(1, 1, 1, 0, RGB(0, 0, 255)));

    CFontData before = font;
    ui.CancelFontDialog();
    EXPECT_FALSE(ChooseReportFont(&font));
    EXPECT_TRUE(font.IsSameAs(before));
}

TEST(ReportDialogs, SelectColour)
{
    RegisterResources();
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_COLOUR)
        .Check([](CDialog& dlg) {
            auto* pList = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COLOUR_LIST));
            EXPECT_EQ(pList->GetCount(), 16);
            EXPECT_EQ(pList->ItemText(13), "Fuchia");
            EXPECT_EQ(pList->GetCurSel(), 4);  // Navy
        })
        .Select(IDC_COLOUR_LIST, 9)
        .OK();
    EXPECT_EQ(SelectColour(RGB(0, 0, 128)), RGB(255, 0, 0));

    // A colour not in the list starts on Black; closing without OK keeps the colour.
    ui.OnDialog(IDD_SELECT_COLOUR)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COLOUR_LIST))->GetCurSel(), 0);
        })
        .Cancel();
    EXPECT_EQ(SelectColour(RGB(1, 2, 3)), RGB(1, 2, 3));
}

TEST(ReportDialogs, SelectStandingReportFixesTheSystemOfAOneSystemLeague)
{
    RegisterResources();
    CScriptedBackend ui;
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 0;
    doc.m_bScratchLeague = 1;
    CSelectStandingReportDlg dlg(&doc);
    dlg.m_nHandicap = 1;
    dlg.m_nStyle = 1;
    ui.OnDialog(IDD_SELECT_STANDING_REPORT)
        .Check([](CDialog& d) {
            auto* pHcp = static_cast<CComboBox*>(d.GetDlgItem(IDC_STANDING_HANDICAP));
            EXPECT_EQ(pHcp->GetCurSel(), 0);
            EXPECT_FALSE(pHcp->IsWindowEnabled());
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_STANDING_STYLE))->ItemText(2), "Hcp + Scr");
        })
        .Select(IDC_STANDING_STYLE, 2)
        .OK();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nStyle, 2);
    EXPECT_EQ(dlg.m_nHandicap, 0);
}

TEST(ReportDialogs, SetupReportFontsChangesTheChosenEntryOnOK)
{
    RegisterResources();
    CScriptedBackend ui;
    CBowlingDoc doc;
    ui.OnDialog(IDD_REPORT_FONTS)
        .Check([](CDialog& d) {
            auto* pList = static_cast<CListBox*>(d.GetDlgItem(IDC_REPORT_FONT_LIST));
            EXPECT_EQ(pList->GetCount(), 100);
            EXPECT_EQ(pList->ItemText(26), "26  Secretary's Note Header: Black  Arial  10 Pt. ");
        })
        .Select(IDC_REPORT_FONT_LIST, 26)
        .Click(IDC_REPORT_FONT_CHANGE)
        .OK();
    ui.ChooseFont("Arial", 160, TRUE, FALSE, FALSE, FALSE, RGB(0, 128, 0));
    CReportFontsDlg dlg(&doc);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(std::make_tuple(doc.m_DefaultFonts[26].m_nPointSize, doc.m_DefaultFonts[26].m_crColour,
                              doc.m_DefaultFonts[25].m_nPointSize), std::make_tuple(16, RGB(0, 128, 0), 10));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ViewTest, RightClickOnATeamNameOffersTheTeamMenu)
{
    auto* pTeam = new CTeam("Strike Force", 2);
    m_doc.AddTeam(pTeam);
    pTeam->AddHitRect(CRect(720, -3000, 720 + NAME_RECT_WIDTH, -3200));
    // Nothing under the mouse: no menu.
    m_view.OnRButtonDown(MK_RBUTTON, CPoint(600, 900));
    EXPECT_TRUE(m_ui.popupsShown.empty());

    m_ui.ChoosePopupCommand(ID_POPUP_TEAM_RESULTS);
    // 96 pixels to the inch: (66, 206) is (990, -3090) in twips.
    m_view.OnRButtonDown(MK_RBUTTON, CPoint(66, 206));
    ASSERT_EQ(m_ui.popupsShown.size(), 1u);
    EXPECT_EQ(std::make_pair(m_ui.popupsShown[0].menu, m_ui.popupsShown[0].subMenu), std::make_pair(IDR_VIEW_POPUP, 0));
    EXPECT_EQ(std::make_pair(m_view.m_pClickedTeam, m_doc.m_pSelectedTeam), std::make_pair(pTeam, pTeam));
    EXPECT_EQ(m_doc.m_nDisplayMode, MODE_RESULTS);
    EXPECT_EQ(m_doc.m_strReportTitle, "Results for Strike Force");
}

// ------------------------------------------------------------------ players' and database exports

namespace {

CPlayer* ExportBowler(CBowlingDoc& doc, WORD nNo, const char* first, const char* surname, const char* address,
                      DWORD dwKey)
{
    auto* p = new CPlayer(nNo);
    p->m_strFirstName = first;
    p->m_strSurname = surname;
    p->m_strAddress[0] = address;
    p->m_dwDbKey = dwKey;
    doc.AddPlayer(p);
    return p;
}

// Surname, Forename, Surname again, Addr1 and Unique Id, chosen through the lists; "Phone(home)"
// and "Postcode" chosen and taken out again.
void ChooseExportFields(CScriptedBackend& ui, UINT nOffered, bool bQuotes)
{
    auto& script = ui.OnDialog(IDD_EXPORT_FIELDS);
    script
        .Check([nOffered](CDialog& d) {
            auto& items = Ctl(d, IDC_EF_FIELDS).items;
            ASSERT_EQ(items.size(), nOffered);
            EXPECT_EQ(items.back().text, nOffered == 21 ? "LGFA Expiry Date (mm-dd-yyyy)" : "Team Name");
            EXPECT_EQ(Ctl(d, IDC_EF_QUOTES).check, 1);
        })
        .SetSel(IDC_EF_FIELDS, 1)
        .Click(IDC_EF_ADD)
        .DblClk(IDC_EF_FIELDS, 0)
        .SetSel(IDC_EF_FIELDS, 16)
        .SetSel(IDC_EF_FIELDS, 5)
        .SetSel(IDC_EF_FIELDS, 2)
        .SetSel(IDC_EF_FIELDS, 1)
        .Click(IDC_EF_ADD)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_EF_CHOSEN), (std::vector<std::string>{"Surname", "Forename", "Surname", "Phone(home)",
                                                                          "Addr1", "Unique Id"}));
            for (const CtlItem& item : Ctl(d, IDC_EF_FIELDS).items)
                EXPECT_FALSE(item.selected);
        })
        .DblClk(IDC_EF_CHOSEN, 3)
        .SetSel(IDC_EF_FIELDS, 9)
        .Click(IDC_EF_ADD)
        .SetSel(IDC_EF_CHOSEN, 5)
        .Click(IDC_EF_REMOVE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_EF_CHOSEN),
                      (std::vector<std::string>{"Surname", "Forename", "Surname", "Addr1", "Unique Id"}));
        });
    if (!bQuotes)
        script.Click(IDC_EF_QUOTES);
    script.OK();
}

} // namespace

TEST_F(ViewTest, PlayersExportTheChosenFieldsWithAndWithoutQuotes)
{
    ExportBowler(m_doc, 1, "Ann", "Lee", "1 High St, Leeds", 0x1A2B);
    ExportBowler(m_doc, 2, "Vacant", "Robot", "", 0)->m_nRobot = 1;
    ExportBowler(m_doc, 3, "Bob", "Say \"Hi\"", "", 0);
    TempDir dir;
    for (bool bQuotes : {true, false}) {
        ChooseExportFields(m_ui, 33, bQuotes);
        const std::string path = dir.File(bQuotes ? "quoted.txt" : "plain.txt");
        m_ui.ChooseFile(path);
        Command(ID_FILE_EXPORT_PLAYERS);
        EXPECT_TRUE(m_ui.AllUsed());
        // A field holding a comma or a quote is quoted either way.
        EXPECT_EQ(FileContents(path), bQuotes ? "\"Lee\",\"Ann\",\"Lee\",\"1 High St, Leeds\",\"00001A2B\"\r\n"
                                            "\"Say \"\"Hi\"\"\",\"Bob\",\"Say \"\"Hi\"\"\",\"\",\"\"\r\n"
                                          : "Lee,Ann,Lee,\"1 High St, Leeds\",00001A2B\r\n"
                                            "\"Say \"\"Hi\"\"\",Bob,\"Say \"\"Hi\"\"\",,\r\n");
    }
    EXPECT_EQ(m_ui.fileDialogNames[0], "EXPORT.TXT");

    // No field chosen: nothing is asked or written; Cancel likewise.
    m_ui.OnDialog(IDD_EXPORT_FIELDS).OK();
    m_ui.AnswerMessageBox(IDOK, "No fields were chosen");
    Command(ID_FILE_EXPORT_PLAYERS);
    m_ui.OnDialog(IDD_EXPORT_FIELDS).SetSel(IDC_EF_FIELDS, 0).Click(IDC_EF_ADD).Cancel();
    Command(ID_FILE_EXPORT_PLAYERS);
    EXPECT_EQ(m_ui.fileDialogNames.size(), 2u);
}

TEST_F(ViewTest, TheDatabaseExportsItsRecordsInSurnameOrder)
{
    EXPECT_FALSE(Enabled(ID_DBASE_EXPORT));  // no database open
    TempDir dir;
    auto* pDb = new CPlayerDatabase;
    ASSERT_TRUE(pDb->Open(dir.File("db").c_str()));
    m_doc.m_pPlayerDb = pDb;
    DWORD bStop = 1;
    CPlayer zoe, al;
    zoe.m_strFirstName = "Zoe", zoe.m_strSurname = "Young", zoe.m_strAddress[0] = "2 Park Rd";
    al.m_strFirstName = "Al", al.m_strSurname = "Adams";
    ASSERT_EQ(pDb->PutDbasePlayer(&zoe, bStop), 0);
    ASSERT_EQ(pDb->PutDbasePlayer(&al, bStop), 0);
    EXPECT_TRUE(Enabled(ID_DBASE_EXPORT));

    ChooseExportFields(m_ui, 21, false);
    const std::string path = dir.File("db.txt");
    m_ui.ChooseFile(path);
    Command(ID_DBASE_EXPORT);
    CString expect;
    expect.Format("Adams,Al,Adams,,%08lX\r\nYoung,Zoe,Young,2 Park Rd,%08lX\r\n", static_cast<unsigned long>(al.m_dwDbKey),
                  static_cast<unsigned long>(zoe.m_dwDbKey));
    EXPECT_EQ(FileContents(path), expect.GetString());
    m_doc.m_pPlayerDb = nullptr;
    delete pDb;
}

TEST(ExportFieldsDialog, TheChosenListNeverHoldsMoreLinesThanFieldsOffered)
{
    RegisterResources();
    CScriptedBackend ui;
    auto& script = ui.OnDialog(IDD_EXPORT_FIELDS);
    for (int i = 0; i < 21; ++i)
        script.SetSel(IDC_EF_FIELDS, i);
    script.Click(IDC_EF_ADD).SetSel(IDC_EF_FIELDS, 0).SetSel(IDC_EF_FIELDS, 1).Click(IDC_EF_ADD).OK();
    CExportFieldsDlg dlg;
    dlg.m_bDatabase = 1;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    std::vector<int> all(21);
    for (int i = 0; i < 21; ++i)
        all[static_cast<size_t>(i)] = i;
    EXPECT_EQ(dlg.m_fields, all);
}
