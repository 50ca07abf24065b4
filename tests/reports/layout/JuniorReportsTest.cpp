// The junior reports of a small league worked by hand: the admin report in age and name order,
// the detail report's best juniors per category, the pages, the HTML page, and the commands of
// the view that show, print and re-font them.
#include "PlacedTexts.h"
#include "FileContents.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "framework/ui/Frame.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/JuniorReports.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace {

using Texts = std::vector<std::string>;

struct JuniorReports : ::testing::Test
{
    CBowlingDoc doc;

    CPlayer* Bowler(const char* first, const char* surname, WORD flags, int d, int m, int y)
    {
        auto* p = new CPlayer(static_cast<WORD>(doc.m_listPlayers.GetCount() + 1));
        p->m_strFirstName = first;
        p->m_strSurname = surname;
        p->m_wFlags = flags;
        p->m_nBirthDay = static_cast<BYTE>(d);
        p->m_nBirthMonth = static_cast<BYTE>(m);
        p->m_nBirthYear = static_cast<WORD>(y);
        doc.AddPlayer(p);
        return p;
    }
    static void Highs(CPlayer* p, WORD hgh, WORD hgs, WORD hsh, WORD hss)
    {
        p->m_nHighGame[1] = hgh;
        p->m_nHighGame[0] = hgs;
        p->m_nHighSeries[1] = hsh;
        p->m_nHighSeries[0] = hss;
    }
    void AddCategory(WORD id, const char* name, BYTE lower, BYTE upper)
    {
        auto* c = new CJuniorCategory(id);
        c->m_strName = name;
        c->m_nLowerAge = lower;
        c->m_nUpperAge = upper;
        doc.m_listJuniorCategories.AddTail(c);
    }

    // At 1 Sep 2025: Amy 13 (her birthday is to come), Ben 12, Dan 14 (born 29 Feb), Cara
    // without a birth year. Eve is no junior and Fay has resigned; both score best.
    void SetUp() override
    {
        doc.m_strLeagueName = "Saturday Juniors";
        doc.m_timeJuniorQualifying = CTime(2025, 9, 1, 0, 0, 0);
        AddCategory(1, "Under 13", 1, 13);
        AddCategory(2, "Under 16", 14, 16);
        Highs(Bowler("Amy", "Lunt", PF_JUNIOR | PF_FEMALE, 15, 9, 2012), 210, 180, 600, 510);
        Highs(Bowler("Ben", "Cole", PF_JUNIOR | PF_MALE, 2, 3, 2014), 230, 150, 0, 0);
        Highs(Bowler("Cara", "Dunn", PF_JUNIOR | PF_FEMALE, 0, 0, 0), 0, 200, 0, 0);
        Highs(Bowler("Dan", "Eyre", PF_JUNIOR | PF_MALE, 29, 2, 2012), 0, 0, 0, 400);
        Highs(Bowler("Eve", "Hart", PF_FEMALE, 1, 1, 1980), 250, 240, 700, 650);
        Highs(Bowler("Fay", "Gold", PF_JUNIOR | PF_RESIGNED | PF_FEMALE, 1, 1, 2013), 290, 290, 800, 800);
        doc.AssignJuniorCategories();
        doc.BuildHighScoreTables();
    }

    std::unique_ptr<CRecordingDC> Show(DWORD nKind, int nPage = 1, int* pPages = nullptr)
    {
        doc.m_nDisplayMode = MODE_JUNIORS;
        doc.m_JuniorReport.m_nReportKind = nKind;
        doc.m_JuniorReport.GetRunState()->bRebuild = 1;
        doc.m_JuniorReport.GetRunState()->bJuniorsOrdered = 0;
        auto dc = std::make_unique<CRecordingDC>();
        CPageInfo info;
        info.m_nPage = nPage;
        info.m_nPageCount = LayoutDisplayPages(&doc, dc.get());
        if (pPages)
            *pPages = info.m_nPageCount;
        DrawDisplayPage(&doc, dc.get(), info);
        return dc;
    }
};

} // namespace

TEST_F(JuniorReports, TheAdminReportListsEveryJuniorYoungestFirstOrByName)
{
    auto dc = Show(1);
    // 52 characters of 100 twips centred on 5760; lines of 200 twips under it.
    ExpectPlaced(*dc, {{"Juniors and their Categories as set on : 01 Sep 2025", 3160, -720}, {"Age", 2592 - 300, -1120},
                       {"Category", 8928 - 400, -1120}, {"12", 2592 - 200, -1320}});
    EXPECT_EQ(TextsAt(*dc, -1120), (Texts{"Age", "Name", "Birthday", "Category"}));
    EXPECT_EQ(TextsAt(*dc, -1320), (Texts{"12", "Ben Cole", "02 Mar 2014", "Under 13"}));
    EXPECT_EQ(TextsAt(*dc, -1520), (Texts{"13", "Amy Lunt", "15 Sep 2012", "Under 13"}));
    EXPECT_EQ(TextsAt(*dc, -1720), (Texts{"14", "Dan Eyre", "29 Feb 2012", "Under 16"}));
    EXPECT_EQ(TextsAt(*dc, -1920), (Texts{"Cara Dunn", "?? ??? ????", "No Cat. for Age."}));
    EXPECT_EQ(TextsAt(*dc, -2120), Texts{});

    doc.m_JuniorReport.m_bOrderByName = 1;
    dc = Show(1);
    Texts names;
    for (int y = -1320; y >= -1920; y -= 200)
        names.push_back(TextsAt(*dc, y).at(TextsAt(*dc, y).size() - 3));
    EXPECT_EQ(names, (Texts{"Ben Cole", "Cara Dunn", "Dan Eyre", "Amy Lunt"}));
    EXPECT_EQ(static_cast<CPlayer*>(doc.m_listPlayers.GetHead())->m_nJuniorPosition, 4u);
}

// A birth date is printed as far as it is recorded; only a bowler with none is "?? ??? ????".
// A league file's 31 September is read as September without a day, and printed so.
TEST_F(JuniorReports, TheAdminReportPrintsABirthDateAsFarAsItIsRecorded)
{
    auto rowOf = [](const CRecordingDC& dc, const char* pszName) {
        for (int y = -1320; y >= -2520; y -= 200) {
            const Texts row = TextsAt(dc, y);
            if (std::find(row.begin(), row.end(), pszName) != row.end())
                return row;
        }
        return Texts{};
    };
    auto* cara = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(2)));
    ASSERT_EQ(cara->m_strFirstName, "Cara");
    const struct
    {
        int d, m, y;
        const char* pszPrinted;
    } cases[] = {
        {0, 9, 2013, "?? Sep 2013"}, {0, 0, 2013, "?? ??? 2013"}, {15, 9, 0, "15 Sep ????"}, {0, 0, 0, "?? ??? ????"}};
    for (const auto& c : cases) {
        std::tie(cara->m_nBirthDay, cara->m_nBirthMonth, cara->m_nBirthYear) = std::make_tuple(c.d, c.m, c.y);
        EXPECT_EQ(rowOf(*Show(1), "Cara Dunn"), (Texts{"Cara Dunn", c.pszPrinted, "No Cat. for Age."}));
    }

    auto* amy = static_cast<CPlayer*>(doc.m_listPlayers.GetHead());
    ASSERT_EQ(amy->m_strFirstName, "Amy");
    amy->m_nBirthDay = 31;  // of September 2012
    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    CString error;
    ASSERT_TRUE(doc.LoadFromBytes(bytes, "juniors.lgf", error)) << error.GetString();
    EXPECT_NE(doc.m_strReadNotice.Find("the birth day 31 (Sep 2012 has 30 days) of bowler 1 could not be"), -1)
        << doc.m_strReadNotice.GetString();
    EXPECT_EQ(rowOf(*Show(1), "Amy Lunt"), (Texts{"Amy Lunt", "?? Sep 2012", "No Cat. for Age."}));
}

TEST_F(JuniorReports, TheDetailReportShowsEachCategorysBestJuniorsInTheTablesSwitchedOn)
{
    doc.m_JuniorReport.m_bTables[2] = 0;  // no high series with handicap
    auto dc = Show(2);
    EXPECT_EQ(std::make_tuple(Pos(*dc, "Juniors High Stats By Category").second, Pos(*dc, "Under 13").second,
                              Pos(*dc, "Under 16").second),
              std::make_tuple(-720, -1120, -2120));
    EXPECT_EQ(TextsAt(*dc, -1520), (Texts{"hgh", "name", "hgs", "name", "hsh", "name", "hss", "name"}));
    // Eve and Fay hold the first places but are no listed juniors; Cara has no category.
    EXPECT_EQ(TextsAt(*dc, -1720), (Texts{"230", "Ben Cole", "180", "Amy Lunt", "510", "Amy Lunt"}));
    EXPECT_EQ(TextsAt(*dc, -1920), (Texts{"210", "Amy Lunt", "150", "Ben Cole"}));
    // Dan holds a place only in the scratch series table.
    EXPECT_EQ(TextsAt(*dc, -2720), (Texts{"400", "Dan Eyre"}));
    ExpectPlaced(*dc, {{"400", 8640 - 300, -2720}, {"Dan Eyre", 8784, -2720}});

    doc.m_JuniorReport.m_bTables[3] = 0;
    dc = Show(2);
    EXPECT_EQ(dc->FindText("Under 16"), nullptr);
    for (BYTE& b : doc.m_JuniorReport.m_bTables)
        b = 0;
    dc = Show(2);
    EXPECT_EQ(dc->Texts(), Texts{"Juniors High Stats By Category"});
}

TEST_F(JuniorReports, ALineThatRunsPastThePageBottomOpensTheNextPage)
{
    doc.m_JuniorReport.m_bOrderByName = 1;
    for (int i = 5; i <= 75; ++i) {
        CString surname;
        surname.Format("Zed%02d", i);
        Bowler("Kid", surname, PF_JUNIOR | PF_MALE, 1, 1, 2015);
    }
    // Rows of 200 twips from -1320: the 74th would end below -15840.
    int nPages = 0;
    auto first = Show(1, 1, &nPages);
    EXPECT_EQ(nPages, 2);
    EXPECT_EQ(TextsAt(*first, -1120 - 73 * 200).at(0) + "|" + TextsAt(*first, -1120 - 73 * 200).at(1), "11|Kid Zed73");
    auto second = Show(1, 2);
    EXPECT_EQ(TextsAt(*second, -720).at(1) + "|" + TextsAt(*second, -920).at(1), "Kid Zed74|Kid Zed75");
}

TEST_F(JuniorReports, TheHtmlPageHasTheTitlesAsDivisionsAndTheColumnsAsTables)
{
    doc.m_nDisplayMode = MODE_JUNIORS;
    doc.m_JuniorReport.m_nReportKind = 2;
    doc.m_JuniorReport.GetRunState()->bRebuild = 1;
    doc.m_strReportTitle = "Junior Reports";
    TempDir dir;
    const std::string path = dir.File("juniors.htm");
    CString error;
    ASSERT_TRUE(WriteHtmlReport(&doc, path.c_str(), error)) << error.GetString();
    const std::string html = FileContents(path);
    const std::string title = "<div align=center>\n<font face='Arial'><font color='#000000'>Juniors High Stats By Category";
    EXPECT_NE(html.find(title), std::string::npos) << html;
    // One table per category, eight columns a row; an empty cell where a table has no bowler.
    const std::string row2 = "<TR>\n"
                             "<td align=right><font face='Arial'><font color='#000000'>210</font></font></td>\n"
                             "<td align=left><font face='Arial'><font color='#000000'>Amy Lunt</font></font></td>\n"
                             "<td align=right><font face='Arial'><font color='#000000'>150</font></font></td>\n"
                             "<td align=left><font face='Arial'><font color='#000000'>Ben Cole</font></font></td>\n"
                             "<td align=left><font face='Arial'><font color='#000000'></font></font></td>\n"
                             "<td align=left><font face='Arial'><font color='#000000'></font></font></td>\n"
                             "<td align=left><font face='Arial'><font color='#000000'></font></font></td>\n"
                             "<td align=left><font face='Arial'><font color='#000000'></font></font></td>\n"
                             "</TR>\n</TABLE></CENTER>\n<BR>\n";
    EXPECT_NE(html.find(row2), std::string::npos) << html;
    size_t nTables = 0;
    for (size_t at = 0; (at = html.find("<TABLE WIDTH=100%>", at)) != std::string::npos; ++at)
        ++nTables;
    EXPECT_EQ(nTables, 1u + 2u);  // the page's header table, then Under 13 and Under 16
}

TEST_F(JuniorReports, TheViewsCommandsShowPrintAndReFontTheReports)
{
    RegisterResources();
    CScriptedBackend ui;
    CFrameWnd frame;
    frame.m_hWnd = &frame;
    CBowlingView view;
    view.AttachTo(&doc, &frame);
    view.OnInitialUpdate();
    auto command = [&](UINT nID) { view.OnCmdMsg(nID, CN_COMMAND, nullptr); };

    command(ID_JUNIOR_REPORT_DETAIL);
    EXPECT_EQ(std::make_tuple(doc.m_nDisplayMode, doc.m_JuniorReport.m_nReportKind), std::make_tuple(MODE_JUNIORS, 2u));
    command(ID_JUNIOR_REPORT_ADMIN);
    CRecordingDC screen;
    view.OnDraw(&screen);
    EXPECT_EQ(TextsAt(screen, -1320), (Texts{"12", "Ben Cole", "02 Mar 2014", "Under 13"}));
    // A bowler's edit places the juniors again, and the report on show follows.
    CPlayer* eve = doc.FindPlayer(5);
    eve->m_wFlags |= PF_JUNIOR;
    doc.AssignJuniorCategories();
    CRecordingDC again;
    view.OnDraw(&again);
    EXPECT_EQ(TextsAt(again, -1920), (Texts{"46", "Eve Hart", "01 Jan 1980", "No Cat. for Age."}));

    // The fonts dialog changes the admin rows' font at once; the league is to be saved.
    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_JUNIOR_REPORT_FONTS)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_JRF_DESC + 2), "Black  Arial  10 Pt. "); })
        .Click(IDC_JRF_ADMIN_DETAIL)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_JRF_DESC + 2), "Black  Courier New Bold  12 Pt. "); })
        .OK();
    ui.ChooseFont("Courier New", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    command(ID_JUNIOR_REPORT_FONTS);
    EXPECT_EQ(std::make_tuple(bool(doc.IsModified()), doc.m_JuniorReport.m_fontAdminDetail.m_strFaceName),
              std::make_tuple(true, CString("Courier New")));

    command(ID_FILE_PRINT);
    ASSERT_EQ(ui.printedPages.size(), 1u);
    const DrawCall* ben = ui.printedPages[0]->FindText("Ben Cole");
    ASSERT_NE(ben, nullptr);
    EXPECT_EQ(std::make_tuple(std::string(ben->font.lfFaceName), ben->font.lfWeight),
              std::make_tuple(std::string("Courier New"), LONG(FW_BOLD)));
    EXPECT_TRUE(ui.AllUsed());
    view.AttachTo(nullptr, nullptr);
    frame.m_hWnd = nullptr;
}

// An earlier release took 28 Feb 2099 (a slip for 1999) as Cara's birth date, and Ben was born after
// the qualifying day: the admin report prints no age for either, never a negative one, and gives
// neither a category. Read from the league file, Cara's year is cleared (nobody is born after
// today), the notice saying why, and her birthday prints as far as it stands.
TEST_F(JuniorReports, NoAgeIsPrintedForABirthAfterTheQualifyingDayAndAFutureBirthYearIsClearedOnReading)
{
    auto rowOf = [](const CRecordingDC& dc, const char* pszName) {
        for (int y = -1320; y >= -2520; y -= 200) {
            const Texts row = TextsAt(dc, y);
            if (std::find(row.begin(), row.end(), pszName) != row.end())
                return row;
        }
        return Texts{};
    };
    auto* ben = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(1)));
    auto* cara = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(2)));
    ASSERT_EQ(ben->m_strFirstName, "Ben");
    ASSERT_EQ(cara->m_strFirstName, "Cara");
    std::tie(ben->m_nBirthDay, ben->m_nBirthMonth, ben->m_nBirthYear) = std::make_tuple(5, 1, 2026);
    std::tie(cara->m_nBirthDay, cara->m_nBirthMonth, cara->m_nBirthYear) = std::make_tuple(28, 2, 2099);
    EXPECT_EQ(ben->JuniorAge(2025, 9, 1), 0);
    EXPECT_EQ(cara->JuniorAge(2025, 9, 1), 0);
    doc.AssignJuniorCategories();
    EXPECT_EQ(rowOf(*Show(1), "Ben Cole"), (Texts{"Ben Cole", "05 Jan 2026", "No Cat. for Age."}));
    EXPECT_EQ(rowOf(*Show(1), "Cara Dunn"), (Texts{"Cara Dunn", "28 Feb 2099", "No Cat. for Age."}));

    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    CString error;
    ASSERT_TRUE(doc.LoadFromBytes(bytes, "juniors.lgf", error)) << error.GetString();
    EXPECT_NE(doc.m_strReadNotice.Find("the birth year 2099 (28 Feb 2099 is after today) of bowler 3 could not be right: "
                                       "it was cleared."),
              -1)
        << doc.m_strReadNotice.GetString();
    EXPECT_EQ(rowOf(*Show(1), "Cara Dunn"), (Texts{"Cara Dunn", "28 Feb ????", "No Cat. for Age."}));
    EXPECT_EQ(rowOf(*Show(1), "Ben Cole"), (Texts{"Ben Cole", "05 Jan 2026", "No Cat. for Age."}));
}
