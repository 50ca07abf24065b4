// The individual high-score item: columns of a small league worked by hand (high games from
// the recalculation's tables, averages, wins and their percentage, improvement), qualifying
// games, the pass selector it leaves, captions, HTML, stored bytes, copies and the dialog.
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/HiPlayersItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void Highs(CPlayer* p, WORD nGameScr, WORD nGameHcp, WORD nSeriesScr, WORD nSeriesHcp)
{
    p->m_nHighGame[PASS_SCRATCH] = nGameScr;
    p->m_nHighGame[PASS_HANDICAP] = nGameHcp;
    p->m_nHighSeries[PASS_SCRATCH] = nSeriesScr;
    p->m_nHighSeries[PASS_HANDICAP] = nSeriesHcp;
}

class HiPlayers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_bScratchLeague = 1;
        doc.m_bHandicapLeague = 1;
        doc.m_nCurrentRound = 3;
        doc.m_nGamesPerMatch = 3;
        for (double& d : doc.m_dMinGamesFraction)
            d = 0.0;
        ann = AddTestPlayer(doc, 1, "Ann", "Lee", 1, PF_FEMALE);
        bob = AddTestPlayer(doc, 2, "Bob", "Cox", 1);
        cy = AddTestPlayer(doc, 3, "Cy", "Dunn", 2);
        ann->m_nCategory = cy->m_nCategory = 1;
        bob->m_nCategory = 2;
        Highs(ann, 210, 250, 600, 700);
        Highs(bob, 245, 260, 640, 690);
        Highs(cy, 230, 262, 610, 720);
        SetFigures(ann, 10, 1600, 10, 1600);
        SetFigures(bob, 9, 1620, 9, 1620);
        SetFigures(cy, 6, 1000, 6, 1000);
        bob->m_nWins[PASS_SCRATCH] = 7, cy->m_nWins[PASS_SCRATCH] = 4, ann->m_nWins[PASS_SCRATCH] = 1;
        doc.BuildHighScoreTables();
        item.m_pDoc = &doc;
        item.m_y = -2000;
        // Game scratch men, average all, wins scratch men, percentage of wins scratch men.
        item.m_nGroup[0] = 0, item.m_nStatistic[1] = 2, item.m_nGroup[1] = 3;
        item.m_nStatistic[2] = 5, item.m_nStatistic[3] = 6;
    }
    CBowlingDoc doc;
    CPlayer* ann = nullptr;
    CPlayer* bob = nullptr;
    CPlayer* cy = nullptr;
    CRepItem_HiPlayers item;
};

std::vector<std::string> TextsAtX(const CRecordingDC& dc, int x)
{
    std::vector<std::string> texts;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.x1 == x)
            texts.push_back(c.text.GetString());
    return texts;
}

const std::string kCell = "<td align=left><font face='Arial'><font color='#000000'>";
const std::string kEnd = "</font></font></td>\n";

} // namespace

TEST_F(HiPlayers, FourColumnsOfALeagueOfBothSystems)
{
    CRecordingDC dc;
    item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAtX(dc, 720), (std::vector<std::string>{"High Game  Scr  (M)", "245  Bob Cox", "230  Cy Dunn"}));
    // 1620 / 9, 1000 / 6 rounded on paper, 1600 / 10.
    EXPECT_EQ(TextsAtX(dc, 3384),
              (std::vector<std::string>{"High Average (All)", "180.00  Bob Cox", "166.67  Cy Dunn", "160.00  Ann Lee"}));
    // Seven half wins are three and a half.
    EXPECT_EQ(TextsAtX(dc, 5904), (std::vector<std::string>{"Most Wins  Scr  (M)", "3\xBD" "Bob Cox", "2 Cy Dunn"}));
    // 7 x 50000 / 9 = 38888, + 5, / 10; 4 x 50000 / 6 = 33333, + 5, / 10.
    EXPECT_EQ(TextsAtX(dc, 8568), (std::vector<std::string>{"High Pct Wins (M)", " 38.89  Bob Cox", " 33.33  Cy Dunn"}));

    const int nHead = item.m_fontHeading.GetLineHeight(0);
    const int nLine = item.m_fontDetail.GetLineHeight(0);
    EXPECT_EQ(dc.FindText("230  Cy Dunn")->y1, -2000 + nHead + nLine);
    EXPECT_TRUE(cy->HitTest(CPoint(720 + 100, -2000 + nHead + nLine - 100)));
    // The last wins column leaves the scratch pass selected.
    EXPECT_EQ(doc.m_bHandicapPass, static_cast<DWORD>(PASS_SCRATCH));
}

TEST_F(HiPlayers, ALongNameStopsShortOfTheNextColumn)
{
    cy->m_strName = "Cy Dunnington-Fotheringham-Smythe";
    CRecordingDC dc;
    item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.FindText("230  Cy Dunnington-Fotheringham-Smythe"), nullptr) << dc.Dump();
    int nEntries = 0;
    for (const DrawCall& c : dc.calls) {
        if (c.kind != DrawCall::Text || c.x1 != 720 || c.text.Find("Cy Dunn") < 0)
            continue;
        ++nEntries;
        // Every entry of the first column ends a gap of 72 before the second column at 3384.
        EXPECT_LE(c.x1 + c.text.GetLength() * (-c.font.lfHeight / 2), 3384 - 72) << c.text.GetString();
    }
    EXPECT_EQ(nEntries, 1) << dc.Dump();
}

TEST_F(HiPlayers, HtmlTruncatesAveragesAndSpacesTheWins)
{
    item.m_bUnused[0] = item.m_bUnused[3] = 1;
    item.m_nEntries = 2;
    cy->m_strName = "Cy <Dunn>";
    EXPECT_EQ(HtmlOf(item), "<CENTER><TABLE COLS=2 WIDTH=80%>\n<TR>\n" + kCell + "High Average (All)" + kEnd + kCell +
                                "Most Wins  Scr  (M)" + kEnd + "</TR>\n<TR>\n" + kCell + "180.00  Bob Cox" + kEnd + kCell +
                                "3\xBD Bob Cox" + kEnd + "</TR>\n<TR>\n" + kCell + "166.66  Cy &lt;Dunn&gt;" + kEnd +
                                kCell + "2  Cy &lt;Dunn&gt;" + kEnd + "</TR>\n</TABLE></CENTER>\n\n");
    // An empty place is an empty cell.
    item.m_bUnused[1] = 1;
    item.m_nEntries = 3;
    const std::string html = HtmlOf(item);
    EXPECT_NE(html.find("<TR>\n<TD></TD>\n</TR>\n</TABLE></CENTER>\n\n"), std::string::npos) << html;
}

TEST_F(HiPlayers, QualifyingGamesWorkedOutWhenDrawn)
{
    // Round 3 of three games: 9 games at 100 per cent qualify Ann and Bob, not Cy with 6.
    doc.m_dMinGamesFraction[0] = 1.0;
    doc.m_dMinGamesFraction[4] = 0.5;
    for (int c : {0, 2, 3})
        item.m_bUnused[c] = 1;
    CRecordingDC dc;
    item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    EXPECT_EQ((std::pair(doc.m_nMinGames[0], doc.m_nMinGames[4])), (std::pair(9u, 4u)));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"High Average (All)", "180.00  Bob Cox", "160.00  Ann Lee"}));
}

TEST_F(HiPlayers, WholeAveragesWhenBothSwitchesAreOn)
{
    bob->m_bRollingAvg = 1;
    bob->m_arrRolling[PASS_SCRATCH].Add(100);
    bob->m_arrRolling[PASS_SCRATCH].Add(110);
    for (int c : {0, 2, 3})
        item.m_bUnused[c] = 1;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    EXPECT_NE(dc.FindText("105.00  Bob Cox"), nullptr) << dc.Dump();
    doc.m_bTruncatedRollingAvg = 1;
    doc.m_bFullAverageForHiAvg = 1;
    CRecordingDC whole;
    item.Draw(&whole, nullptr);
    EXPECT_NE(whole.FindText("180.00  Bob Cox"), nullptr) << whole.Dump();
    EXPECT_EQ(bob->m_bRollingAvg, 1u);
}

TEST_F(HiPlayers, ImprovementKeepsTheMinusOfAFractionOfAPin)
{
    // 180.5 against a base of 181.0: -0.50, which paper rounds to -0.49 and HTML truncates.
    SetFigures(ann, 10, 1805, 10, 1805);
    ann->m_nMostImprovedBase = 1810;
    item.m_nStatistic[0] = 3, item.m_nGroup[0] = 1, item.m_nEntries = 1;
    for (int c : {1, 2, 3})
        item.m_bUnused[c] = 1;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"Most Improved  (F)", " -0.49  Ann Lee"}));
    EXPECT_NE(HtmlOf(item).find(kCell + " -0.50  Ann Lee" + kEnd), std::string::npos);
}

TEST_F(HiPlayers, OneSystemLeaguesAndTheirCaptions)
{
    doc.m_bScratchLeague = 0;
    item.m_nBasis[0] = 1, item.m_nClass[0] = 1, item.m_nGroup[0] = 3;
    doc.m_bHandicapPass = PASS_SCRATCH;
    CRecordingDC dc;
    item.GetHeight(&dc);
    EXPECT_EQ(item.ColumnCaption(0), "High Game  Hcp  (All1)");
    EXPECT_EQ(item.ColumnCaption(2), "Most Wins  (M)");
    item.Draw(&dc, nullptr);
    // A handicap league ranks on the handicap figures and leaves that pass selected.
    EXPECT_EQ(doc.m_bHandicapPass, static_cast<DWORD>(PASS_HANDICAP));
    EXPECT_EQ(TextsAtX(dc, 720), (std::vector<std::string>{"High Game  Hcp  (All1)", "262  Cy Dunn", "250  Ann Lee"}));

    // A scratch league: handicap bases go back to scratch; Game is "High" and the statistic.
    doc.m_bScratchLeague = 1;
    doc.m_bHandicapLeague = 0;
    item.GetHeight(&dc);
    EXPECT_EQ(item.m_nBasis[0], 0);
    EXPECT_EQ(item.ColumnCaption(0), "High Game  (All1)");
}

TEST_F(HiPlayers, SettingsOutOfRangeGiveAnEmptyColumn)
{
    item.m_nStatistic[0] = 11, item.m_nGroup[1] = 9, item.m_nClass[2] = 4;
    EXPECT_EQ(item.ColumnCaption(0) + item.ColumnCaption(1) + item.ColumnGroupCaption(1) + item.ColumnCaption(2), "");
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAtX(dc, 720), (std::vector<std::string>{""}));
    EXPECT_EQ(TextsAtX(dc, 8568).size(), 3u);
}

TEST(HiPlayersWins, PercentageInSixtyFourBits)
{
    EXPECT_EQ(HiStatsWinPercent(7, 9), 3889);
    EXPECT_EQ(HiStatsWinPercent(5, 0), 0);
    // 100000 half wins x 50000 does not fit in 32 bits.
    EXPECT_EQ(HiStatsWinPercent(100000, 200000), 2500);
}

TEST(HiPlayersStored, RecordVersionGateAndCopy)
{
    CRepItem_HiPlayers item;
    item.m_nEntries = 12, item.m_nColumnsUsed = 4, item.m_nClass[1] = 3;
    item.m_nBasis[2] = 1, item.m_nStatistic[3] = 10, item.m_nGroup[0] = 1;
    item.m_fontDetail.m_strFaceName = "Courier New";
    std::vector<BYTE> expected{RIT_HI_PLAYERS, 12, 4, 0, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 10, 0};
    EXPECT_EQ(BytesOf(item, 38), expected);
    Append(expected, BytesOf(item.m_fontDetail));
    Append(expected, BytesOf(item.m_fontHeading));
    EXPECT_EQ(BytesOf(item, 39), expected);

    CRepItem_HiPlayers loaded;
    LoadFrom(loaded, expected, 39);
    EXPECT_EQ(BytesOf(loaded), BytesOf(item));
    CRepItem_HiPlayers old;
    old.m_fontDetail.m_bBold = 1;
    LoadFrom(old, BytesOf(item, 38), 38);
    EXPECT_TRUE(old.m_fontDetail == CFontData());
    EXPECT_EQ(old.m_nStatistic[3], 10);

    ExpectCopyStoresTheSame(item);
    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_HI_PLAYERS));
    ASSERT_NE(dynamic_cast<CRepItem_HiPlayers*>(pMade.get()), nullptr);

    CBowlingDoc doc;
    doc.GetDefaultFont(22)->m_bItalic = 1;
    doc.GetDefaultFont(23)->m_strFaceName = "Tahoma";
    item.m_pDoc = &doc;
    item.ApplyDefaultFonts();
    EXPECT_EQ(item.m_fontHeading.m_bItalic, 1);
    EXPECT_EQ(item.m_fontDetail.m_strFaceName, "Tahoma");
}

TEST_F(HiPlayers, DialogRulesOfStatisticUnusedAndEntries)
{
    RegisterResources();
    doc.m_bScratchLeague = 0;  // handicap only
    CObList editorItems;
    CRepItem_HiPlayers other;
    editorItems.AddTail(&item);
    editorItems.AddTail(&other);
    doc.m_pEditorItems = &editorItems;
    CScriptedBackend ui;
    ui.OnDialog(IDD_INDIVIDUAL_HI_STATS)
        .Check([](CDialog& d) {
            // Average in a one-system league: the league's basis, not to be changed.
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_HS_BASIS[1]))->GetCurSel(), 1);
            EXPECT_FALSE(d.GetDlgItem(IDC_HS_BASIS[1])->IsWindowEnabled());
            EXPECT_TRUE(d.GetDlgItem(IDC_HS_BASIS[0])->IsWindowEnabled());
        })
        .Select(IDC_HS_STATISTIC[0], 4)
        .Check([](CDialog& d) { EXPECT_FALSE(d.GetDlgItem(IDC_HS_BASIS[0])->IsWindowEnabled()); })
        .Select(IDC_HS_STATISTIC[0], 0)
        .Check([](CDialog& d) { EXPECT_TRUE(d.GetDlgItem(IDC_HS_BASIS[0])->IsWindowEnabled()); })
        .Select(IDC_HS_BASIS[0], 1)
        .Select(IDC_HS_GROUP[0], 2)
        .Select(IDC_HS_CLASS[0], 3)
        .Click(IDC_HS_UNUSED[3])
        .Check([](CDialog& d) {
            for (UINT id : {IDC_HS_GROUP[3], IDC_HS_STATISTIC[3], IDC_HS_BASIS[3], IDC_HS_CLASS[3]})
                EXPECT_FALSE(d.GetDlgItem(id)->IsWindowEnabled()) << id;
        })
        .SetText(IDC_HS_ENTRIES, "26")
        .OK()
        .SetText(IDC_HS_ENTRIES, "25")
        .Click(IDC_HS_DETAIL_FONT)
        .Click(IDC_HS_APPLY_FONTS)
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 25.");
    ui.ChooseFont("Tahoma", 90, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ((std::vector<int>{item.m_nEntries, item.m_nStatistic[0], item.m_nBasis[0], item.m_nGroup[0],
                                item.m_nClass[0], item.m_bUnused[3]}),
              (std::vector<int>{25, 0, 1, 2, 3, 1}));
    EXPECT_EQ(item.m_fontDetail.m_strFaceName, "Tahoma");
    EXPECT_TRUE(other.m_fontDetail == item.m_fontDetail);

    // Closed with Esc: a chosen statistic holds, the other combos do not.
    ui.OnDialog(IDD_INDIVIDUAL_HI_STATS).Select(IDC_HS_STATISTIC[2], 8).Select(IDC_HS_GROUP[2], 1).Cancel();
    item.Edit();
    EXPECT_EQ((std::pair<int, int>(item.m_nStatistic[2], item.m_nGroup[2])), (std::pair<int, int>(8, 0)));
    doc.m_pEditorItems = nullptr;
    editorItems.RemoveAll();
}

TEST_F(HiPlayers, MultiplePrizeRulesPassOverBowlersWhoTookAPrize)
{
    // Game and series, scratch and handicap, everybody, two places each. Without rules:
    //   game scr  Bob 245, Cy 230      game hcp  Cy 262, Bob 260
    //   ser scr   Bob 640, Cy 610      ser hcp   Cy 720, Ann 700
    for (int c = 0; c < 4; ++c) {
        item.m_nStatistic[c] = static_cast<BYTE>(c / 2);
        item.m_nBasis[c] = static_cast<BYTE>(c % 2);
        item.m_nGroup[c] = 3;
    }
    item.m_nEntries = 2;
    auto names = [this]() {
        std::vector<CRepItem_HiPlayers::Entry> entries[CRepItem_HiPlayers::COLUMNS];
        item.GatherEntries(entries, FALSE);
        std::vector<std::string> v;
        for (int c = 0; c < 4; ++c) {
            std::string s;
            for (const auto& e : entries[c])
                s += e.pPlayer ? std::string(e.pPlayer->m_strFirstName) + " " : "- ";
            v.push_back(s);
        }
        return v;
    };
    CAwardRestrictions& rules = *doc.m_pAwardRestrictions;
    struct Case
    {
        const char* what;
        DWORD bEnabled, bSameGame;
        BYTE nRule, nPriority1, nPriority2;
        std::vector<std::string> expected;  // game scr, game hcp, series scr, series hcp
    };
    const Case cases[] = {
        {"rules disabled", 0, 1, 3, 0, 0, {"Bob Cy ", "Cy Bob ", "Bob Cy ", "Cy Ann "}},
        // Scratch first: the handicap game and series go to whoever has no prize of that kind.
        {"one game and one series, scratch first", 1, 0, 1, 0, 0, {"Bob Cy ", "Ann - ", "Bob Cy ", "Ann - "}},
        {"one game and one series, handicap first", 1, 0, 1, 1, 0, {"Ann - ", "Cy Bob ", "Bob - ", "Cy Ann "}},
        // Series first: the game prizes of each system go to whoever has no series of it.
        {"one handicap and one scratch, series first", 1, 0, 2, 0, 1, {"Ann - ", "Bob - ", "Bob Cy ", "Cy Ann "}},
        {"one prize in all", 1, 0, 3, 0, 0, {"Bob Cy ", "- - ", "Ann - ", "- - "}},
        {"the same game not for both", 1, 1, 0, 0, 0, {"Bob Cy ", "Ann - ", "Bob Cy ", "Cy Ann "}},
    };
    for (const Case& c : cases) {
        rules.m_bRulesEnabled = c.bEnabled, rules.m_bSameGameIneligible = c.bSameGame, rules.m_nPlayerRule = c.nRule;
        rules.m_nPlayerPriority1 = c.nPriority1, rules.m_nPlayerPriority2 = c.nPriority2;
        EXPECT_EQ(names(), c.expected) << c.what;
    }
    // The team rules leave the bowlers alone.
    rules.m_nPlayerRule = 0, rules.m_bSameGameIneligible = 0, rules.m_nTeamRule = 3;
    EXPECT_EQ(names(), (std::vector<std::string>{"Bob Cy ", "Cy Bob ", "Bob Cy ", "Cy Ann "}));
}
