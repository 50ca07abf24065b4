// The best games and series item: its stored record, a league file holding it read and
// written back to the same bytes, and the best lists of a small league worked by hand (bowlers
// and teams, games and series, over a span of rounds, ties), drawn and written as HTML.
#include "../layout/ReportTestHelpers.h"
#include "BestRoundTestLeague.h"
#include "DrawnText.h"
#include "RecordingDC.h"
#include "league/BowlingDoc.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

TEST(BestGamesStored, RecordPacksFlagsKindAndCount)
{
    CRepItem_best item;
    item.m_nColumns = 1, item.m_nBasis = CRepItem_best::BASIS_OVER_AVERAGE, item.m_bTeams = 1;
    item.m_bCurrentRoundOnly = 1, item.m_nGroup = 1, item.m_nKind = CRepItem_best::KIND_GAMES;
    item.m_nFirstRound = 3, item.m_nLastRound = 260, item.m_nCount = 12;
    item.m_fontDetail.m_strFaceName = "Tahoma";
    std::vector<BYTE> expected{RIT_BEST, 1, 0x62, 1, 12, 0x40, 3, 0, 4, 1};
    Append(expected, BytesOf(item.m_fontHeader));
    Append(expected, BytesOf(item.m_fontDetail));
    EXPECT_EQ(BytesOf(item), expected);

    CRepItem_best loaded;
    LoadFrom(loaded, expected);
    EXPECT_EQ(BytesOf(loaded), expected);
    auto fields = [&] {
        return std::vector<long>{loaded.m_nBasis, long(loaded.m_bTeams), long(loaded.m_bCurrentRoundOnly),
                                 loaded.m_nKind, loaded.m_nCount, loaded.m_nLastRound};
    };
    EXPECT_EQ(fields(), (std::vector<long>{2, 1, 1, 1, 12, 260}));
    EXPECT_EQ(loaded.m_fontDetail.m_strFaceName, "Tahoma");

    // The largest count the file holds; the clear flags come back clear.
    expected[2] = 0x01, expected[4] = 0xFF, expected[5] = 0x3F;
    LoadFrom(loaded, expected);
    EXPECT_EQ(fields(), (std::vector<long>{loaded.m_nBasis, 0, 0, 0, 0x3FFF, loaded.m_nLastRound}));
    EXPECT_EQ(BytesOf(loaded), expected);

    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_BEST));
    ASSERT_NE(dynamic_cast<CRepItem_best*>(pMade.get()), nullptr);
    EXPECT_EQ(pMade->GetName(), "Best Game/Series");
    std::unique_ptr<CRepItem> pCopy(item.Clone());
    EXPECT_EQ(BytesOf(*pCopy), BytesOf(item));
}

TEST(BestGamesStored, LeagueFileWithBothItemsSavesBackToTheSameBytes)
{
    CBowlingDoc doc;
    doc.m_strLeagueName = "Tuesday Trios";
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Weekly sheet";
    auto* pBest = new CRepItem_best;
    pBest->m_nCount = 7, pBest->m_nColumns = 1, pBest->m_nLastRound = 9;
    pForm->AddItem(pBest);
    auto* pAnalysis = new CRepItem_Analysis1;
    pAnalysis->m_pDoc = &doc;
    pAnalysis->SetDefaults();
    pAnalysis->m_nGap = 25, pAnalysis->m_nValueFrom[4] = 200, pAnalysis->m_nValueTo[4] = 300;
    pForm->AddItem(pAnalysis);
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;

    std::vector<BYTE> data;
    doc.SaveToBytes(data);
    CBowlingDoc loaded;
    CString strError;
    ASSERT_TRUE(loaded.LoadFromBytes(data, "trios.lgf", strError)) << strError.GetString();
    auto* pLoaded = static_cast<CRepForm*>(loaded.m_listRepForms.GetHead());
    ASSERT_EQ(pLoaded->m_listItems.GetCount(), 2);
    auto* pLoadedAnalysis = dynamic_cast<CRepItem_Analysis1*>(static_cast<CObject*>(pLoaded->m_listItems.GetTail()));
    ASSERT_NE(pLoadedAnalysis, nullptr);
    EXPECT_EQ((std::pair<int, int>(pLoadedAnalysis->m_nGap, pLoadedAnalysis->m_nValueTo[4])), (std::pair(25, 300)));
    EXPECT_EQ(pLoaded->GetStoredBytes(), pForm->GetStoredBytes());
}

namespace {

class BestGames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        league.Build();
        item.m_pDoc = &league.doc, item.m_nFirstRound = 1, item.m_nLastRound = 2;
    }
    // "place name value date" of every listed place; "-" for an empty one.
    std::vector<std::string> Listed()
    {
        item.RebuildList();
        std::vector<std::string> v;
        for (int i = 0; i < item.m_nCount; ++i) {
            const CBestEntry* e = item.EntryAt(i);
            if (!e) {
                v.push_back("-");
                continue;
            }
            CString s;
            s.Format("%s %d %s", (e->m_pPlayer ? e->m_pPlayer->m_strName : e->m_pTeam->m_strName).GetString(),
                     e->m_nValue, e->m_time.Format("%b %d").GetString());
            v.push_back(s.GetString());
        }
        return v;
    }
    // Lays the heading and its rows out from y = -720 and draws them.
    std::vector<int> Show(CRecordingDC& dc)
    {
        std::vector<int> ys;
        CObList list;
        list.AddTail(&item);
        item.Expand(list);
        int y = PAGE_TOP;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            auto* p = static_cast<CRepItem*>(list.GetNext(pos));
            p->m_y = y;
            ys.push_back(y);
            y += p->GetHeight(&dc);
            p->Draw(&dc, nullptr);
        }
        list.RemoveHead();
        while (!list.IsEmpty())
            delete list.RemoveHead();
        return ys;
    }
    BestRoundLeague league;
    CRepItem_best item;
};

using Places = std::vector<std::string>;

} // namespace

TEST_F(BestGames, BowlerListsOverTheSpan)
{
    // Round 3 and the unentered side B of round 2 are not looked at; Bob's blind game is left
    // out; the two 210s of round 1 keep the order they were met in (side A first), and Bob's
    // later 210 goes behind them.
    item.m_nKind = CRepItem_best::KIND_GAMES, item.m_nCount = 5;
    EXPECT_EQ(Listed(), (Places{"Bob Cox 230 Jan 17", "Ann Lee 215 Jan 17", "Ann Lee 210 Jan 10", "Cy Dunn 210 Jan 11",
                                "Bob Cox 210 Jan 17"}));
    // Three places: a later value equal to the last place is not taken.
    item.m_nCount = 3;
    EXPECT_EQ(Listed(), (Places{"Bob Cox 230 Jan 17", "Ann Lee 215 Jan 17", "Ann Lee 210 Jan 10"}));

    struct Case
    {
        BYTE nKind, nBasis, nGroup;
        WORD nCount;
        Places expected;
    };
    const Case cases[] = {
        // Series with handicap: 540 + 60, 550 + 30, 520 + 15, 375 + 120, 545 + 60; Bob has no
        // series in round 2 (blind game).
        {0, 1, 3, 4, {"Ann Lee 605 Jan 17", "Ann Lee 600 Jan 10", "Bob Cox 580 Jan 10", "Cy Dunn 535 Jan 11"}},
        // Series over average, men: Bob 550 - 540; Cy 520 - 570 is below his average.
        {0, 2, 0, 2, {"Bob Cox 10 Jan 10", "-"}},
        // Women: Ann 540 - 510 and 545 - 525; Di 375 - 390 never.
        {0, 2, 1, 3, {"Ann Lee 30 Jan 10", "Ann Lee 20 Jan 17", "-"}},
        // Games over average: 230 - 185, then Ann's two 40s in the order met.
        {1, 2, 3, 3, {"Bob Cox 45 Jan 17", "Ann Lee 40 Jan 10", "Ann Lee 40 Jan 17"}},
        // Juniors: Di alone.
        {1, 0, 2, 2, {"Di Ford 130 Jan 11", "Di Ford 125 Jan 11"}},
    };
    for (const Case& c : cases) {
        item.m_nKind = c.nKind, item.m_nBasis = c.nBasis, item.m_nGroup = c.nGroup, item.m_nCount = c.nCount;
        EXPECT_EQ(Listed(), c.expected) << int(c.nKind) << int(c.nBasis) << int(c.nGroup);
    }

    // First round above the last: nothing.
    item.m_nFirstRound = 3;
    EXPECT_EQ(Listed(), (Places{"-", "-"}));
    // A vacancy bowler is never listed.
    league.cy->m_nRobot = 1;
    item.m_nFirstRound = 1, item.m_nGroup = 3, item.m_nCount = 4;
    item.m_nKind = CRepItem_best::KIND_SERIES, item.m_nBasis = CRepItem_best::BASIS_SCRATCH;
    EXPECT_EQ(Listed(), (Places{"Bob Cox 550 Jan 10", "Ann Lee 545 Jan 17", "Ann Lee 540 Jan 10", "Di Ford 375 Jan 11"}));
}

TEST_F(BestGames, SubstitutesGamesAndSeries)
{
    // Eve bowls Di's third game of round 1: 260 (+30), her average 150.
    CFixture* f = league.round1;
    const int k = CFixture::SlotOf(1, 1);
    auto sub = [&](int g, const CPlayer* p, int score) {
        f->m_dwPosFlags[k] |= PosPacer(g);
        f->m_wPacerNo[g][k] = p->m_nPlayerNo;
        f->m_nPacerScore[g][k] = static_cast<WORD>(score);
        f->m_nPacerHandicap[g][k] = 30;
        f->m_nPacerAverage[g][k] = 150;
    };
    sub(2, league.eve, 260);
    item.m_nKind = CRepItem_best::KIND_GAMES, item.m_nCount = 2, item.m_nGroup = 1;
    EXPECT_EQ(Listed(), (Places{"Eve Hart 260 Jan 11", "Ann Lee 215 Jan 17"}));
    item.m_nBasis = CRepItem_best::BASIS_OVER_AVERAGE;
    EXPECT_EQ(Listed(), (Places{"Eve Hart 110 Jan 11", "Ann Lee 40 Jan 10"}));
    // A series only when the same substitute bowled every game: 3 x 30 handicap.
    item.m_nKind = CRepItem_best::KIND_SERIES, item.m_nBasis = CRepItem_best::BASIS_HANDICAP;
    EXPECT_EQ(Listed(), (Places{"Ann Lee 605 Jan 17", "Ann Lee 600 Jan 10"}));
    sub(0, league.eve, 200);
    sub(1, league.eve, 190);
    EXPECT_EQ(Listed(), (Places{"Eve Hart 740 Jan 11", "Ann Lee 605 Jan 17"}));
    sub(1, league.ann, 190);
    EXPECT_EQ(Listed(), (Places{"Ann Lee 605 Jan 17", "Ann Lee 600 Jan 10"}));
}

TEST_F(BestGames, TeamListsTakeNoGroup)
{
    item.m_bTeams = 1, item.m_nGroup = 0, item.m_nCount = 3;
    // Series: 1090 and 895 in round 1, 445 + 310 + 380 in round 2.
    EXPECT_EQ(Listed(), (Places{"Aces 1135 Jan 17", "Aces 1090 Jan 10", "Bees 895 Jan 11"}));
    item.m_nBasis = CRepItem_best::BASIS_HANDICAP;
    EXPECT_EQ(Listed(), (Places{"Aces 1225 Jan 17", "Aces 1180 Jan 10", "Bees 1030 Jan 11"}));
    // Games: 350 370 370 | 330 270 295 | 445 310 380.
    item.m_nBasis = CRepItem_best::BASIS_SCRATCH, item.m_nKind = CRepItem_best::KIND_GAMES, item.m_nCount = 5;
    EXPECT_EQ(Listed(), (Places{"Aces 445 Jan 17", "Aces 380 Jan 17", "Aces 370 Jan 10", "Aces 370 Jan 10",
                                "Aces 350 Jan 10"}));
    // The bowlers' list is left as it was.
    EXPECT_EQ(league.doc.m_arrBestPlayers.GetSize(), 0);
}

TEST_F(BestGames, DrawnInOneAndTwoColumns)
{
    item.m_nKind = CRepItem_best::KIND_GAMES, item.m_nCount = 3, item.m_bCurrentRoundOnly = 1;
    CRecordingDC dc;
    const std::vector<int> ys = Show(dc);
    // The current round only: round 2, stored in the item.
    EXPECT_EQ(item.m_nFirstRound, 2);
    const std::string heading = "Best 3 Scratch Games by any Bowler  in round 2.";
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{heading, "1", "Bob Cox", "  230", "Jan 17 26", "2", "Ann Lee",
                                                    "  215", "Jan 17 26", "3", "Bob Cox", "  210", "Jan 17 26"}));
    ASSERT_EQ(ys.size(), 4u);
    EXPECT_EQ(ys[3] - ys[2], -200);  // the detail line the device gave
    // Place, figures and date right-aligned: their right edges.
    EXPECT_EQ((std::vector<std::pair<int, int>>{Pos(dc, heading.c_str()), Pos(dc, "Ann Lee"),
                                                {Pos(dc, "  215").first + 5 * 100, Pos(dc, "Jan 17 26").first + 9 * 100},
                                                {Pos(dc, "3").first + 100, 0}}),
              (std::vector<std::pair<int, int>>{{PAGE_CENTRE - static_cast<int>(heading.size()) * 100 / 2, PAGE_TOP},
                                                {3600, ys[2]}, {6192, 7488}, {3456, 0}}));
    EXPECT_TRUE(league.ann->HitTest(CPoint(3600 + 1900, ys[2] - 10)));

    // Two columns of five over rounds 1 and 2: places 1-3 left, 4-5 right, then "No Data!".
    item.m_bCurrentRoundOnly = 0, item.m_nFirstRound = 1, item.m_nCount = 5, item.m_nColumns = 1, item.m_nGroup = 1;
    CRecordingDC two;
    Show(two);
    EXPECT_EQ(two.Texts(), (std::vector<std::string>{
                               "Best 5 Scratch Games by Female Bowlers  from round 1 to round 2.",
                               "1", "Ann Lee", "  215", "Jan 17 26", "4", "Ann Lee", "  170", "Jan 17 26",
                               "2", "Ann Lee", "  210", "Jan 10 26", "5", "Ann Lee", "  160", "Jan 17 26",
                               "3", "Ann Lee", "  180", "Jan 10 26", "No Data!"}));
    EXPECT_EQ((std::pair(Pos(two, "No Data!").first + 8 * 100, Pos(two, "4").first + 100)), (std::pair(9216, 6480)));
}

TEST_F(BestGames, RowsBeyondTheSharedListShowNoData)
{
    // Another item with fewer places rebuilt the list since this heading was drawn.
    item.m_nCount = 4;
    CRepItem_best other;
    other.m_pDoc = &league.doc, other.m_nCount = 2, other.m_nLastRound = 2;
    CRecordingDC dc;
    other.Draw(&dc, nullptr);
    CRepItem_best row;
    row.CopyFrom(item);
    row.m_bTemporary = TEMP_SHOWING;
    row.m_nRow = 3;
    CRecordingDC rows;
    row.Draw(&rows, nullptr);
    EXPECT_EQ(rows.Texts(), (std::vector<std::string>{"No Data!"}));
    // No places at all: a heading and no rows.
    item.m_nCount = 0;
    CObList list;
    item.Expand(list);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(Listed(), Places{});
}

TEST_F(BestGames, HtmlOfOneAndTwoColumns)
{
    item.m_nCount = 2, item.m_nKind = CRepItem_best::KIND_GAMES, item.m_nGroup = 1, item.m_nFirstRound = 2;
    league.ann->m_strName = "Ann <Lee>";
    auto cell = [](const char* align, const char* text) { return CellHtml(align[0], text); };
    CObList list;
    list.AddTail(&item);
    item.Expand(list);
    std::string html;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        html += HtmlOf(*static_cast<CRepItem*>(list.GetNext(pos)));
    const std::string heading = cell("div", "Best 2 Scratch Games by Female Bowlers  in round 2.");
    EXPECT_EQ(html, heading + "<center><table width=60%>\n<tr>\n" + cell("right", "1") +
                        cell("left", "Ann <Lee>") + cell("right", "  215") + cell("right", "Jan 17 26") +
                        "</tr>\n<tr>\n" + cell("right", "2") + cell("left", "Ann <Lee>") +
                        cell("right", "  170") + cell("right", "Jan 17 26") + "</tr>\n</TABLE></CENTER>\n")
        << html;
    list.RemoveHead();
    while (!list.IsEmpty())
        delete list.RemoveHead();

    // Two columns of three: the right half of row 2 is past the list.
    item.m_nCount = 3, item.m_nColumns = 1, item.m_nLastRound = 1, item.m_nFirstRound = 1, item.m_nGroup = 2;
    HtmlOf(item);
    CRepItem_best row;
    row.CopyFrom(item);
    row.m_bTemporary = TEMP_SHOWING;
    row.m_nRow = 1;
    EXPECT_EQ(HtmlOf(row), "<tr>\n" + cell("right", "2") + cell("left", "Di Ford") + cell("right", "  125") +
                               cell("right", "Jan 11 26") + "<td><bsp></td><td><bsp></td>" + cell("right", "") +
                               cell("left", "") + cell("right", "No Data!") + cell("right", "") +
                               "</tr>\n</TABLE></CENTER>\n");
    // One column, an empty last place: centred cells, and the table closed.
    item.m_nColumns = 0;
    item.m_nCount = 4;
    HtmlOf(item);
    row.CopyFrom(item);
    row.m_bTemporary = TEMP_SHOWING;
    row.m_nRow = 3;
    EXPECT_EQ(HtmlOf(row), "<tr>\n" + cell("center", "") + cell("center", "") + cell("center", "No Data!") +
                               cell("center", "") + "</tr>\n</TABLE></CENTER>\n");
}
