// The treasurer sheet of a round: the individual payment line, each team's dues with its
// arrears and (when asked) its bowlers, the collection sheet, the clickable names, and View >
// Treasurer asking for the round.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "view/DisplayHooks.h"
#include "reports/layout/TreasurerItems.h"
#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Texts = std::vector<std::string>;

// Four teams of four. Round 3: Aces (six bowlers) v Bulls (a robot, one bowler resigned),
// Cats (folded after round 2) v Dons. Due in round 3: Subs 2.50 and Prize 1.00 from each
// bowler, a Team Fee of 5.00 from each team; Late Subs only from round 7.
struct Treasurer : ::testing::Test
{
    CBowlingDoc doc;
    CTeam* team[4] = {};
    WORD nNextPlayer = 1;

    void SetUp() override
    {
        RegisterResources();
        doc.m_nPlayersPerTeam = 4;
        doc.m_nRounds = 10;
        doc.m_nCurrentRound = 3;
        const char* names[4] = {"Aces", "Bulls", "Cats", "Dons"};
        for (int t = 0; t < 4; ++t) {
            team[t] = new CTeam(names[t], static_cast<WORD>(t + 1));
            doc.AddTeam(team[t]);
        }
        for (int i = 0; i < 6; ++i)
            bowler(0, "Ace");
        bowler(1, "Robot")->m_nRobot = 1;
        for (int i = 0; i < 4; ++i)
            bowler(1, "Bull");
        doc.FindPlayer(9)->m_wFlags |= PF_RESIGNED;
        for (int t = 2; t < 4; ++t)
            for (int i = 0; i < 4; ++i)
                bowler(t, t == 2 ? "Cat" : "Don");
        team[2]->m_bFolded = 1;
        team[2]->m_nScoreToRound = 2;
        team[0]->m_nArrears = 200;
        doc.FindPlayer(1)->m_nArrears = 125;
        doc.FindPlayer(nNextPlayer - 1)->m_nArrears = -50;
        for (int r = 1; r <= 4; ++r) {
            fixture(r, 1, 2);
            fixture(r, 3, 4);
        }
        payment("Subs", 250, CPaymentItem::flagIndividual, 0, 0);
        payment("Prize", 100, CPaymentItem::flagIndividual, 3, 5);
        payment("Team Fee", 500, 0, 0, 0);
        payment("Late Subs", 300, CPaymentItem::flagIndividual, 7, 0);
    }

    CPlayer* bowler(int t, const char* pszName)
    {
        auto* p = new CPlayer(nNextPlayer);
        p->m_strName.Format("%s %d", pszName, static_cast<int>(nNextPlayer));
        p->m_nTeamNo = static_cast<WORD>(t + 1);
        doc.AddPlayer(p);
        team[t]->m_arrTeamOrder.Add(nNextPlayer++);
        return p;
    }

    void fixture(int r, int a, int b)
    {
        auto* f = new CFixture(r, a, b, doc.m_nPlayersPerTeam);
        doc.AddFixture(f);
        f->m_pTeamA = doc.FindTeam(static_cast<WORD>(a));
        f->m_pTeamB = doc.FindTeam(static_cast<WORD>(b));
        f->m_timeDue = CTime(2026, 9, 1 + 7 * r, 19, 30, 0);
    }

    void payment(const char* pszName, LONG nAmount, BYTE nFlags, BYTE nFrom, BYTE nTo)
    {
        auto* p = new CPaymentItem;
        p->m_strDescription = pszName;
        p->m_nAmount = nAmount;
        p->m_nFlags = nFlags;
        p->m_nFromRound = nFrom;
        p->m_nToRound = nTo;
        doc.m_listPaymentItems.AddTail(p);
    }

    void draw(CRecordingDC& dc, WORD nRound)
    {
        BuildTreasurerSheet(&doc, nRound);
        doc.m_nDisplayMode = MODE_TREASURER;
        doc.ClearHitRects();
        CPageInfo info;
        info.m_nPageCount = LayoutDisplayPages(&doc, &dc);
        DrawDisplayPage(&doc, &dc, info);
    }
};

} // namespace

TEST_F(Treasurer, DuesArrearsAndTheCollectionSheetOfARound)
{
    CRecordingDC dc;
    draw(dc, 3);
    ASSERT_NE(dc.FindText("Individual Payment = 3.50  [Subs (2.50) + Prize (1.00)]"), nullptr) << dc.Dump();
    // Six bowlers in a league of four are charged four times; the team fee once.
    const DrawCall* aces = dc.FindText("Aces");
    ASSERT_TRUE(aces && dc.FindText("Bulls"));
    EXPECT_EQ(std::make_pair(aces->x1, dc.FindText("Bulls")->x1), std::make_pair(774, 5814));
    EXPECT_EQ(TextsAt(dc, aces->y1), (Texts{"Aces", "  22.25 (19.00 + 3.25)", "Bulls", "  19.00"}));
    // The folded Cats have no block; the Dons' credit lowers what they owe.
    EXPECT_EQ(dc.FindText("Cats"), nullptr);
    const DrawCall* dons = dc.FindText("Dons");
    ASSERT_NE(dons, nullptr);
    EXPECT_EQ(TextsAt(dc, dons->y1), (Texts{"Dons", "  18.50 (19.00 + -0.50)"}));
    // Twelve bowlers of three teams are charged: the Cats are not.
    const DrawCall* subs = dc.FindText("Subs");
    ASSERT_NE(subs, nullptr);
    const Texts sheet = TextsAt(dc, subs->y1);
    ASSERT_EQ(sheet.size(), 2u);
    EXPECT_EQ(sheet[1], "30.00 Due.            Collected_________                        ______________");
    EXPECT_EQ(TextsAt(dc, subs->y1 - 240)[1].substr(0, 10), "12.00 Due.");
    EXPECT_EQ(TextsAt(dc, subs->y1 - 480), (Texts{"Team Fee", "15.00 Due.            Collected_________                        ______________"}));
    EXPECT_EQ(dc.FindText("Late Subs"), nullptr);

    // A team's name is a click area, sized to the name.
    EXPECT_TRUE(team[0]->HitTest(CPoint(780, aces->y1 - 100)));
    EXPECT_FALSE(team[0]->HitTest(CPoint(774 + 4 * 100 + 10, aces->y1 - 100)));
}

TEST_F(Treasurer, BowlersListedWithTheirArrearsAndClickable)
{
    doc.m_bListPlayersOnCollectionSheet = 1;
    CRecordingDC dc;
    draw(dc, 3);
    const DrawCall* aces = dc.FindText("Aces");
    ASSERT_NE(aces, nullptr) << dc.Dump();
    const DrawCall* first = dc.FindText("Ace 1 (1.25)");
    ASSERT_TRUE(first && dc.FindText("Bull 8"));
    EXPECT_EQ(std::make_tuple(first->x1, first->y1, dc.FindText("Bull 8")->x1),
              std::make_tuple(774, aces->y1 - 240, 5814));
    // Bulls: the robot and the resigned bowler are not listed.
    EXPECT_TRUE(!dc.FindText("Robot 7") && !dc.FindText("Bull 9"));
    EXPECT_TRUE(doc.FindPlayer(1)->HitTest(CPoint(800, first->y1 - 50)));
    // The match's item is tall enough for the six Aces; the rules run under the longer list.
    CRepItem_Treas2 item;
    item.m_pDoc = &doc;
    item.m_bListPlayers = 1;
    item.m_pFixture = static_cast<CFixture*>(doc.m_listFixtures.GetAt(doc.m_listFixtures.FindIndex(4)));
    EXPECT_EQ(item.GetHeight(&dc), -480 - 6 * 200);
    int nRules = 0;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Line && c.y1 == aces->y1 - 240 - 72 - 6 * 200 && c.x2 - c.x1 == 4320)
            ++nRules;
    EXPECT_EQ(nRules, 2);
}

TEST_F(Treasurer, NothingDueShowsAnEmptyBracketAndNoCollectionLines)
{
    CRecordingDC dc;
    while (!doc.m_listPaymentItems.IsEmpty())
        delete doc.m_listPaymentItems.RemoveHead();
    draw(dc, 3);
    EXPECT_TRUE(dc.FindText("Individual Payment = 0.00  []") && dc.FindText("  0.00")) << dc.Dump();
    EXPECT_EQ(dc.FindText("Subs"), nullptr);
}

TEST_F(Treasurer, ViewTreasurerAsksForTheRoundAndRemembersIt)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND)
        .Check([](CDialog& d) {
            CControlState* s = d.FindControl(IDC_SELECT_ROUND_LIST);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(std::make_pair(s->items.size(), s->curSel), std::make_pair(size_t(4), 2));
        })
        .Select(IDC_SELECT_ROUND_LIST, 3)
        .OK();
    ASSERT_NE(g_pfnRunTreasurer, nullptr);
    EXPECT_TRUE(g_pfnRunTreasurer(&doc));
    EXPECT_EQ(doc.m_nTreasurerRound, 4);
    ASSERT_EQ(doc.m_listTreasurerItems.GetCount(), 4);
    EXPECT_EQ(static_cast<CRepItem_Treas1*>(doc.m_listTreasurerItems.GetHead())->m_nRound, 4);
    ui.OnDialog(IDD_SELECT_ROUND).Cancel();
    EXPECT_FALSE(g_pfnRunTreasurer(&doc));
    EXPECT_EQ(doc.m_listTreasurerItems.GetCount(), 4);
}

// A position-round match of the round without its teams yet: no sheet, whose dues would leave
// those teams out while the collection sheet counted them; the sheet shown before stays.
TEST_F(Treasurer, AnUnsetPositionMatchStopsTheSheet)
{
    CFixture* f = static_cast<CFixture*>(doc.m_listFixtures.GetTail());
    ASSERT_EQ(f->m_nRound, 4);
    f->m_bPositionRound = 1;
    f->m_nTeamA = f->m_nTeamB = 0;
    f->m_pTeamA = f->m_pTeamB = nullptr;
    BuildTreasurerSheet(&doc, 3);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 3).OK();
    ui.AnswerMessageBox(IDOK, "Position week");
    EXPECT_FALSE(g_pfnRunTreasurer(&doc));
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Position week has not been set. No teams available for Treasurer report"});
    ASSERT_EQ(doc.m_listTreasurerItems.GetCount(), 4);
    EXPECT_EQ(static_cast<CRepItem_Treas1*>(doc.m_listTreasurerItems.GetHead())->m_nRound, 3);
    // Round 3's matches are all set: its sheet is made.
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 2).OK();
    EXPECT_TRUE(g_pfnRunTreasurer(&doc));
    EXPECT_EQ(doc.m_nTreasurerRound, 3);
}
