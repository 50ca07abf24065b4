// Player > Display, Display by Team, the right-click Display and View > Player List through
// the view, with the choosers scripted; and a player page of the sample league drawn by the
// Qt painter (tests/reports/stats/render/).
#include "PlayerDisplayTestLeague.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "framework/qt/QtBackend.h"
#include "league/SampleLeague.h"
#include "reports/stats/PlayerDetailsPage.h"
#include "reports/stats/PlayerListItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "resources/dialogs/ResultDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<CPlayer*> PagesShown(CBowlingDoc& doc)
{
    std::vector<CPlayer*> players;
    for (POSITION pos = doc.m_listDisplayItems.GetHeadPosition(); pos;)
        if (auto* p = dynamic_cast<CRepItem_Player*>(static_cast<CObject*>(doc.m_listDisplayItems.GetNext(pos))))
            players.push_back(p->m_pPlayer);
    return players;
}

class PlayerCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        L.doc.m_nDisplayMode = MODE_REPORT;
        m_view.AttachTo(&L.doc, nullptr);
        m_view.OnInitialUpdate();
    }
    BOOL Enabled(UINT nID)
    {
        CCmdUI state;
        state.m_nID = nID;
        m_view.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state);
        return state.m_bEnabled;
    }
    PlayerDisplayTestLeague L;
    CBowlingView m_view;
};

} // namespace

TEST_F(PlayerCommands, DisplayShowsAPageForEachChosenBowler)
{
    CScriptedBackend ui;
    // The first bowler is chosen when the list opens; add Carl.
    ui.OnDialog(IDD_SELECT_BOWLERS).SetSel(IDC_SELECT_BOWLERS_LIST, 2).OK();
    m_view.OnCmdMsg(ID_PLAYER_DISPLAY, CN_COMMAND, nullptr);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_PLAYERS);
    EXPECT_EQ(PagesShown(L.doc), (std::vector<CPlayer*>{L.alice, L.carl}));
    EXPECT_EQ(m_view.GetPageCount(), 2);
    CRecordingDC dc;
    DrawDisplayPage(&L.doc, &dc, CPageInfo{2, 2});
    EXPECT_NE(dc.FindText("Carl Cole - Kings"), nullptr) << dc.Dump();
    EXPECT_EQ(dc.FindText("Alice Archer - Aces"), nullptr);

    // Cancel leaves the pages as they were.
    ui.OnDialog(IDD_SELECT_BOWLERS).Cancel();
    m_view.OnCmdMsg(ID_PLAYER_DISPLAY, CN_COMMAND, nullptr);
    EXPECT_EQ(PagesShown(L.doc).size(), 2u);
}

TEST_F(PlayerCommands, DisplayByTeamShowsTheTeamsBowlersInOrder)
{
    EXPECT_TRUE(Enabled(ID_PLAYER_DISPLAY_BY_TEAM));
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT).SetSel(IDC_SELECT_TEAMS_LIST, 0, false).SetSel(IDC_SELECT_TEAMS_LIST, 1).OK();
    m_view.OnCmdMsg(ID_PLAYER_DISPLAY_BY_TEAM, CN_COMMAND, nullptr);
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_PLAYERS);
    EXPECT_EQ(PagesShown(L.doc), (std::vector<CPlayer*>{L.carl, L.dan}));
}

TEST_F(PlayerCommands, RightClickOnABowlersNameShowsHisPage)
{
    CScriptedBackend ui;
    // The player list records the names; a right click on Bob's opens the bowler menu.
    L.doc.m_bPlayerListShow[PLS_PHONES] = 1;
    ui.OnDialog(IDD_PLAYER_LIST_ITEMS).OK();
    m_view.OnCmdMsg(ID_VIEW_PLAYER_LIST, CN_COMMAND, nullptr);
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_PLAYER_LIST);
    EXPECT_EQ(L.doc.m_listDisplayItems.GetCount(), 2 + 1);   // and the page heading
    CRecordingDC dc;
    L.doc.ClearHitRects();
    DrawDisplayPage(&L.doc, &dc, CPageInfo{1, 1});
    const DrawCall* pBob = dc.FindText("Baker ");
    ASSERT_NE(pBob, nullptr) << dc.Dump();
    ui.ChoosePopupCommand(ID_POPUP_PLAYER_DISPLAY);
    // 96 pixels to the inch: 15 twips a pixel, from the top of the page.
    m_view.OnRButtonDown(MK_RBUTTON, CPoint((pBob->x1 + 150) / 15, -(pBob->y1 - 100) / 15));
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_PLAYERS);
    EXPECT_EQ(PagesShown(L.doc), (std::vector<CPlayer*>{L.bob}));
    // View > Back returns to the list.
    EXPECT_TRUE(m_view.CanGoBack());
}

TEST(PlayerRender, SampleLeaguePlayerPage)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.Recalculate();
    CPlayer* pPlayer = nullptr;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos && !pPlayer;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (!p->IsRobot() && p->m_nGames[PASS_SCRATCH] + p->m_nGames[PASS_HANDICAP] > 6)
            pPlayer = p;
    }
    ASSERT_NE(pPlayer, nullptr);
    BuildPlayerPages(doc, {pPlayer});
    doc.m_strReportTitle = "Player Details";
    doc.m_nDisplayMode = MODE_PLAYERS;
    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/player-page.png", 768, 1104));
    EXPECT_GT(std::filesystem::file_size("render/player-page.png"), 2000u);

    doc.NumberPlayersAlphabetically();
    doc.m_bPlayerListShow[PLS_ADDRESS] = doc.m_bPlayerListShow[PLS_PHONES] = 1;
    BuildPlayerList(doc);
    doc.m_nDisplayMode = MODE_PLAYER_LIST;
    view.OnUpdate(nullptr, 0, nullptr);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/player-list.png", 768, 1104));
}
