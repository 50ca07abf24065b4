// The window shows the league that is open: after File > New (the next season, or a league from
// nothing) and File > Open over a league shown on one of its generated pages, the view draws
// the new league's own standings at once, and View > Back leads to none of the old pages.
#include <gtest/gtest.h>

#include "DialogControls.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "StartedApp.h"
#include "TempDir.h"
#include "framework/ui/Frame.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "resources/CommandIds.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/ResultDialogs.h"
#include "resources/dialogs/RulesDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/RepForm.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

bool Holds(const Texts& texts, const std::string& s)
{
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(s) != std::string::npos; });
}

void SaveSampleLeague(const std::string& path, const char* pszName)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_strLeagueName = pszName;
    CString strError;
    ASSERT_TRUE(doc.SaveToFile(path.c_str(), strError)) << strError.GetString();
}

struct Window {
    Started s;
    explicit Window(const std::string& path) : s({path}) {}
    CBowlingView* View() const { return dynamic_cast<CBowlingView*>(s.app.m_pMainWnd->GetActiveView()); }
    // What the window draws now, as the screen draws it.
    Texts Drawn() const
    {
        CRecordingDC dc(false);
        View()->OnDraw(&dc);
        return dc.Texts();
    }
};

// The next season from Monday 7 September 2026, the eight teams kept in their order and the
// money headings kept.
void ScriptNextSeason(CScriptedBackend& ui)
{
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
    ui.OnDialog(IDD_NEW_LEAGUE).SetText(IDC_NL_LEAGUE_NAME, "Calder Valley 2026").OK();
    auto& teams = ui.OnDialog(IDD_NEW_LEAGUE_TEAMS);
    for (int i = 0; i < 8; ++i)
        teams.Select(IDC_NLT_AVAILABLE, 0).Click(IDC_NLT_MOVE);
    teams.OK();
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8).SetText(IDC_DATE_YEAR, "2026")
        .OK();
    ui.AnswerMessageBox(IDYES, "Retain old Income Items?");
    ui.AnswerMessageBox(IDYES, "Retain old Expense Items?");
    ui.AnswerMessageBox(IDYES, "Retain old 'weekly payments' Items?");
}

} // namespace

TEST(ViewFollowsLeague, TheNextSeasonMadeFromTheAccountsPageShowsItsOwnStandingsAtOnce)
{
    TempDir dir;
    const std::string path = dir.File("Calder.lgf");
    SaveSampleLeague(path, "Calder Valley Monday League");
    CScriptedBackend ui;
    Window w(path);
    ASSERT_TRUE(w.s.ok);
    ASSERT_NE(w.View(), nullptr);

    // The old season's accounts, reached from its standings (so View > Back has somewhere to go).
    ASSERT_TRUE(w.s.Run(ID_VIEW_ACCOUNTS));
    ASSERT_EQ(w.s.Doc()->m_nDisplayMode, MODE_ACCOUNTS);
    const Texts before = w.Drawn();
    ASSERT_TRUE(Holds(before, "Round 1 fees")) << ::testing::PrintToString(before);

    ScriptNextSeason(ui);
    ASSERT_TRUE(w.s.Run(ID_FILE_NEW));
    EXPECT_TRUE(ui.AllUsed());
    CBowlingDoc* pDoc = w.s.Doc();
    ASSERT_EQ(pDoc->m_strLeagueName, "Calder Valley 2026");

    // Drawn at once: the new season's standings under its name, round 1 on its first date.
    const Texts after = w.Drawn();
    EXPECT_EQ(pDoc->m_nDisplayMode, DISPLAY_STANDINGS);
    EXPECT_FALSE(Holds(after, "Round 1 fees")) << ::testing::PrintToString(after);
    EXPECT_FALSE(Holds(after, "Accounts")) << ::testing::PrintToString(after);
    EXPECT_TRUE(Holds(after, "Calder Valley 2026")) << ::testing::PrintToString(after);
    EXPECT_TRUE(Holds(after, "Handicap Standings after Round 1 of 7 on 07 Sep 26")) << ::testing::PrintToString(after);
    EXPECT_EQ(w.View()->GetCurrentPage(), 1);
    // Nothing of the old season to go back to.
    EXPECT_FALSE(w.s.app.m_pMainWnd->IsCommandEnabled(ID_VIEW_BACK));
}

// File > Open of another league over each page the program builds from a league: the other
// league's standings are drawn at once, and nothing leads back to the pages of the first.
TEST(ViewFollowsLeague, ALeagueOpenedOverAGeneratedPageShowsItsOwnStandings)
{
    TempDir dir;
    const std::string first = dir.File("Calder.lgf");
    const std::string second = dir.File("Ryburn.lgf");
    SaveSampleLeague(first, "Calder Valley Monday League");
    SaveSampleLeague(second, "Ryburn Tuesday League");
    // Each page, and the title its heading draws first.
    const std::pair<UINT, const char*> pages[] = {
        {ID_VIEW_ACCOUNTS, "Accounts"},        {ID_VIEW_TREASURER, "Treasurer"},
        {ID_TEAM_CAPTAINS, "Team Captains"},   {ID_JUNIOR_REPORT_ADMIN, "Juniors and their Categories as set on : 01 Sep 2025"},
        {ID_VENUE_STATS, "Venue Report."},
    };
    for (const auto& [nCommand, pszTitle] : pages) {
        SCOPED_TRACE(pszTitle);
        CScriptedBackend ui;
        Window w(first);
        ASSERT_TRUE(w.s.ok);
        if (nCommand == ID_VIEW_TREASURER)
            ui.OnDialog(IDD_SELECT_ROUND).OK();
        ASSERT_TRUE(w.s.Run(nCommand));
        const Texts before = w.Drawn();
        ASSERT_FALSE(before.empty());
        ASSERT_EQ(before[0], pszTitle) << ::testing::PrintToString(before);

        ui.ChooseFile(second);
        ASSERT_TRUE(w.s.Run(ID_FILE_OPEN));
        EXPECT_TRUE(ui.AllUsed());
        const CBowlingDoc* pDoc = w.s.Doc();
        ASSERT_NE(pDoc->m_pCurrentRepForm, nullptr);
        const Texts after = w.Drawn();
        ASSERT_FALSE(after.empty());
        EXPECT_EQ(pDoc->m_nDisplayMode, DISPLAY_STANDINGS);
        EXPECT_EQ(after[0], pDoc->m_pCurrentRepForm->m_strTitle.str()) << ::testing::PrintToString(after);
        EXPECT_TRUE(Holds(after, "Ryburn Tuesday League")) << ::testing::PrintToString(after);
        EXPECT_TRUE(Holds(after, "Handicap Standings after Round")) << ::testing::PrintToString(after);
        EXPECT_FALSE(w.s.app.m_pMainWnd->IsCommandEnabled(ID_VIEW_BACK));
    }
}

// File > New from nothing over the captains list: the new league's standings once it is set
// up; cancelled at its first dialog, an empty window, and no way back to the old pages.
TEST(ViewFollowsLeague, ANewLeagueMadeOverTheCaptainsListShowsItsOwnPages)
{
    TempDir dir;
    const std::string path = dir.File("Calder.lgf");
    SaveSampleLeague(path, "Calder Valley Monday League");
    for (const bool bCancel : {true, false}) {
        SCOPED_TRACE(bCancel ? "cancelled" : "set up");
        CScriptedBackend ui;
        Window w(path);
        ASSERT_TRUE(w.s.ok);
        ASSERT_TRUE(w.s.Run(ID_TEAM_CAPTAINS));
        ASSERT_TRUE(Holds(w.Drawn(), "Team Captains"));

        ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
        ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
        if (bCancel) {
            ui.OnDialog(IDD_NEW_LEAGUE).Cancel();
        } else {
            ui.OnDialog(IDD_NEW_LEAGUE).SetText(IDC_NL_LEAGUE_NAME, "Sowerby Singles").OK();
            ui.AnswerMessageBox(IDYES, "Is this correct?");
            ui.OnDialog(IDD_SET_FIXTURE_LIST)
                .SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8).SetText(IDC_DATE_YEAR, "2026")
                .OK();
            for (UINT nIDD : {IDD_FIXTURE_DATES, IDD_HANDICAP_DETAILS, IDD_HANDICAP_SCORING, IDD_HANDICAP_STANDINGS_SEQ})
                ui.OnDialog(nIDD).OK();
        }
        ASSERT_TRUE(w.s.Run(ID_FILE_NEW));
        EXPECT_TRUE(ui.AllUsed());
        const Texts after = w.Drawn();
        EXPECT_EQ(w.s.Doc()->m_nDisplayMode, DISPLAY_STANDINGS);
        EXPECT_FALSE(Holds(after, "Team Captains")) << ::testing::PrintToString(after);
        EXPECT_FALSE(Holds(after, "Calder Valley")) << ::testing::PrintToString(after);
        if (!bCancel) {
            EXPECT_TRUE(Holds(after, "Handicap Standings after Round 1 of 3 on 07 Sep 26"))
                << ::testing::PrintToString(after);
        }
        EXPECT_FALSE(w.s.app.m_pMainWnd->IsCommandEnabled(ID_VIEW_BACK));
    }
}
