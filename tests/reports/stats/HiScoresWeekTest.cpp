// The previous-round high-score item: bowler and team columns gathered from the round's
// fixtures (each bowler or team once, ties in the order met, blind and substituted games,
// over-average values, vacancies), the round span, the HTML, the stored group byte with its
// Teams flag and the version gate, entry counts from a damaged file, and the dialog.
#include "ReloadedLeague.h"
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/HiPlayersItem.h"
#include "reports/stats/HiTeamItem.h"
#include "reports/stats/HiWeekItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void Averages(CFixture* f, int nSide, int nPos, int nAverage)
{
    for (int g = 0; g < MAX_GAMES; ++g)
        f->m_nAverage[g][CFixture::SlotOf(nSide, nPos)] = static_cast<DWORD>(nAverage);
}

class HiWeek : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_nPlayersPerTeam = doc.m_nCurrentRound = doc.m_nTeams = 2;
        doc.m_nGamesPerMatch = 3;
        AddTestTeam(doc, 1, "Aces", {1, 2});
        AddTestTeam(doc, 2, "Kings", {3, 4});
        ann = AddTestPlayer(doc, 1, "Ann", "Lee", 1, PF_FEMALE);
        bob = AddTestPlayer(doc, 2, "Bob", "Cox", 1);
        cy = AddTestPlayer(doc, 3, "Cy", "Dunn", 2);
        dee = AddTestPlayer(doc, 4, "Dee", "Fox", 2, PF_FEMALE);
        cy->m_nCategory = 2;

        first = AddTestFixture(doc, 1, 1, 2);
        round = AddTestFixture(doc, 2, 1, 2);
        const struct { int nSide, nPos; CPlayer* p; std::initializer_list<int> first, round; int nHcp, nAvg; } bowlers[] = {
            {0, 0, ann, {100, 100, 100}, {180, 220, 150}, 10, 170}, {0, 1, bob, {290, 100, 100}, {200, 190, 260}, 5, 190},
            {1, 0, cy, {100, 100, 100}, {210, 170, 175}, 8, 180}, {1, 1, dee, {100, 100, 100}, {140, 150, 160}, 30, 160}};
        for (const auto& b : bowlers) {
            PutBowler(first, b.nSide, b.nPos, b.p, b.first, 0);
            PutBowler(round, b.nSide, b.nPos, b.p, b.round, b.nHcp);
            Averages(round, b.nSide, b.nPos, b.nAvg);
        }
        for (int g = 0; g < 3; ++g)
            round->m_nTeamAverage[0][g] = 360, round->m_nTeamAverage[1][g] = 340;

        item.m_pDoc = &doc;
        item.m_y = -3000;
        for (BYTE& b : item.m_bUnused)
            b = 1;
        item.m_bUnused[0] = 0;
    }
    std::vector<std::string> Drawn()
    {
        CRecordingDC dc;
        item.GetHeight(&dc);
        item.Draw(&dc, nullptr);
        return dc.Texts();
    }
    CBowlingDoc doc;
    CPlayer *ann = nullptr, *bob = nullptr, *cy = nullptr, *dee = nullptr;
    CFixture* first = nullptr;
    CFixture* round = nullptr;
    CRepItem_HiWeek item;
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(HiWeek, EachBowlerOnceWithHisBestGame)
{
    // Men's scratch games of round 2: Bob 260, Cy 210, then Bob again; round 1 is not shown.
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  Scr  (M)", "260 Bob Cox", "210 Cy Dunn"}));
    CRecordingDC dc;
    const int nHeight = item.GetHeight(&dc);
    EXPECT_EQ(nHeight, item.m_fontHeading.GetLineHeight(10) + 3 * item.m_fontDetail.GetLineHeight(0));
    item.Draw(&dc, nullptr);
    const int y = -3000 + item.m_fontHeading.GetLineHeight(10) + item.m_fontDetail.GetLineHeight(0);
    EXPECT_EQ(Pos(dc, "210 Cy Dunn"), (std::pair(4644, y)));
    EXPECT_TRUE(cy->HitTest(CPoint(4644 + 10, y - 10)));

    // A blind first game is no game of his: Cy's best is then 175.
    round->m_dwPosFlags[CFixture::SlotOf(1, 0)] = PosBlind(0);
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  Scr  (M)", "260 Bob Cox", "175 Cy Dunn"}));
    // Class 2 takes Cy alone.
    item.m_nClass[0] = 2;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  Scr  (M2)", "175 Cy Dunn"}));
}

TEST_F(HiWeek, HandicapAndOverAverageAndTiesInTheOrderMet)
{
    item.m_nGroup[0] = 3, item.m_nBasis[0] = 2;
    // Over average: Bob 70, Ann 50, Cy 30, Dee 0 ... ; four places.
    item.m_nEntries = 4;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  > Avg (All)", "70 Bob Cox", "50 Ann Lee", "30 Cy Dunn", "0 Dee Fox"}));
    // Series over average of the women: Ann 550 - 510, Dee 450 - 480 (the minus is kept).
    item.m_nGroup[0] = 1, item.m_nStatistic[0] = 1;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Series  > Avg (F)", "40 Ann Lee", "-30 Dee Fox"}));
    // With handicap: Ann 190, 230, 160; Dee 170, 180, 190. Ann's 230, then Dee's best, 190.
    item.m_nStatistic[0] = 0, item.m_nBasis[0] = 1;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  Hcp  (F)", "230 Ann Lee", "190 Dee Fox"}));
    // Equal values stand in the order met: side A's position before side B's.
    round->m_nScore[2][CFixture::SlotOf(1, 1)] = 200;  // Dee 230 in game 3, met after Ann's 230
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  Hcp  (F)", "230 Ann Lee", "230 Dee Fox"}));
    round->m_nScore[1][CFixture::SlotOf(0, 0)] = 150;  // now Dee's 230 leads
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Game  Hcp  (F)", "230 Dee Fox", "190 Ann Lee"}));
}

TEST_F(HiWeek, SeriesNeedsTheSameBowlerInEveryGame)
{
    item.m_nStatistic[0] = 1, item.m_nGroup[0] = 3, item.m_nEntries = 4;
    // Ann 550, Bob 650, Cy 555, Dee 450.
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Series  Scr  (All)", "650 Bob Cox", "555 Cy Dunn", "550 Ann Lee", "450 Dee Fox"}));
    // Bob bowled only games 1 and 2; a substitute came in for game 3.
    round->m_wPlayerNo[2][CFixture::SlotOf(0, 1)] = 4;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Series  Scr  (All)", "555 Cy Dunn", "550 Ann Lee", "450 Dee Fox"}));
    // An unplayed side keeps the whole match out.
    round->m_bPlayed[1] = 0;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Series  Scr  (All)"}));
}

TEST_F(HiWeek, TeamColumnsAndTheVacancy)
{
    item.m_bTeams[0] = 1, item.m_nStatistic[0] = 1, item.m_nBasis[0] = 2;
    // Series 1200 against 1080 and 1005 against 1020.
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Team Series  > Avg.", "120 Aces", "-15 Kings"}));
    CTeam* pAces = doc.FindTeam(1);
    EXPECT_TRUE(pAces->HitTest(CPoint(4644 + 5, -3000 + item.m_fontHeading.GetLineHeight(10) - 5)));
    // A vacancy's series is 0; its games still count.
    pAces->m_bOmitHiTeamStats = 1;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Team Series  > Avg.", "0 Aces", "-15 Kings"}));
    item.m_nStatistic[0] = 0, item.m_nBasis[0] = 0;
    // Aces 380, 410, 410; Kings 350, 320, 335.
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Team Game  Scr .", "410 Aces", "350 Kings"}));
    // A side that defaulted game 1 gives none of its games.
    round->m_nDefaulted[0] = DefaultedBit(0);
    EXPECT_EQ(Drawn(), (Texts{"Rnd 2 Hi Team Game  Scr .", "350 Kings"}));
}

TEST_F(HiWeek, RoundsBowledOnOneDate)
{
    doc.m_nRoundsPerInterval = 3;
    EXPECT_EQ(Drawn(), (Texts{"Rnd 1-2 Hi Game  Scr  (M)", "290 Bob Cox", "210 Cy Dunn"}));
    item.m_nClass[0] = 1;
    EXPECT_EQ(item.ColumnCaption(0), "Rnd 1-2 Hi Game  Scr  (M1)");
    // No entry count: the headings alone.
    item.m_nEntries = 0;
    CRecordingDC dc;
    EXPECT_EQ(item.GetHeight(&dc), item.m_fontHeading.GetLineHeight(10));
}

TEST_F(HiWeek, HtmlWithEmptyPlaces)
{
    item.m_bUnused[1] = 0, item.m_bTeams[1] = 1, item.m_nEntries = 3;
    doc.FindTeam(2)->m_strName = "K&K";
    const std::string cell = "<td align=left><font face='Arial'><font color='#000000'>";
    const std::string end = "</font></font></td>\n";
    EXPECT_EQ(HtmlOf(item), "<TABLE WIDTH=80%><CENTER>\n<TR>\n" + cell + "Rnd 2 Hi Game  Scr  (M)" + end + cell +
                                "Rnd 2 Hi Team Game  Scr ." + end + "</TR>\n<TR>\n" + cell + "260 Bob Cox" + end + cell +
                                "410 Aces" + end + "</TR>\n<TR>\n" + cell + "210 Cy Dunn" + end + cell + "350 K&amp;K" +
                                end + "</TR>\n<TR>\n<TD></TD>\n<TD></TD>\n</TR>\n</TABLE></CENTER>\n");
}

TEST(HiWeekStored, GroupByteCarriesTheTeamsFlag)
{
    CRepItem_HiWeek item;
    item.m_nEntries = 9, item.m_nColumnsUsed = 4, item.m_nGroup[1] = 2, item.m_bTeams[1] = item.m_bTeams[3] = 1;
    item.m_nBasis[2] = 2, item.m_nClass[0] = 3;
    item.m_fontHeading.m_bBold = 1;
    std::vector<BYTE> expected{RIT_HI_WEEK, 9, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0x82, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0x80};
    EXPECT_EQ(BytesOf(item, 39), expected);
    EXPECT_EQ(item.m_nGroup[1], 2);  // storing leaves the group as it was
    Append(expected, BytesOf(item.m_fontDetail));
    Append(expected, BytesOf(item.m_fontHeading));
    EXPECT_EQ(BytesOf(item, 40), expected);

    CRepItem_HiWeek loaded;
    LoadFrom(loaded, expected, 40);
    EXPECT_EQ(BytesOf(loaded, 40), expected);
    CRepItem_HiWeek old;
    old.m_fontHeading.m_bBold = 1;
    LoadFrom(old, BytesOf(item, 39), 39);
    EXPECT_TRUE(old.m_fontHeading == CFontData());

    // A damaged count is cut to the ten places the item can fill.
    std::vector<BYTE> damaged = BytesOf(item, 39);
    damaged[1] = 200;
    LoadFrom(old, damaged, 39);
    const int nLoaded = old.m_nEntries;
    old.m_nEntries = 200;
    EXPECT_EQ((std::pair(nLoaded, old.GetRows())), (std::pair(10, 10)));

    ExpectCopyStoresTheSame(item);
    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_HI_WEEK));
    ASSERT_NE(pMade, nullptr);

    CBowlingDoc doc;
    doc.GetDefaultFont(20)->m_bBold = 1;
    doc.GetDefaultFont(21)->m_strFaceName = "Tahoma";
    item.m_pDoc = &doc;
    item.ApplyDefaultFonts();
    EXPECT_EQ(item.m_fontDetail.m_strFaceName, "Tahoma");
}

TEST_F(HiWeek, DialogTeamsUnusedAndTheEntryRange)
{
    RegisterResources();
    doc.m_bHandicapLeague = 0;
    item.m_bTeams[2] = 1, item.m_bUnused[2] = 0;
    CScriptedBackend ui;
    ui.OnDialog(IDD_WEEKLY_HI_STATS)
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.GetDlgItem(IDC_HS_GROUP[2])->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_HS_CLASS[2])->IsWindowEnabled());
            EXPECT_TRUE(d.GetDlgItem(IDC_HS_BASIS[2])->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_HS_TEAMS[1])->IsWindowEnabled());
        })
        .Click(IDC_HS_TEAMS[2])
        .Check([](CDialog& d) { EXPECT_TRUE(d.GetDlgItem(IDC_HS_GROUP[2])->IsWindowEnabled()); })
        .Click(IDC_HS_UNUSED[1])
        .Check([](CDialog& d) { EXPECT_TRUE(d.GetDlgItem(IDC_HS_TEAMS[1])->IsWindowEnabled()); })
        .Click(IDC_HS_TEAMS[1])
        .Select(IDC_HS_BASIS[1], 1)
        .Check([](CDialog& d) { EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_HS_BASIS[1]))->GetCurSel(), 0); })
        .Select(IDC_HS_BASIS[1], 2)
        .Select(IDC_HS_STATISTIC[1], 1)
        .SetText(IDC_HS_ENTRIES, "10")
        .OK()
        .SetText(IDC_HS_ENTRIES, "0")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 9.");
    item.Edit();
    EXPECT_EQ((std::vector<long>{item.m_nEntries, item.m_bUnused[1], long(item.m_bTeams[1]), item.m_nBasis[1],
                                 item.m_nStatistic[1], long(item.m_bTeams[2])}),
              (std::vector<long>{0, 0, 1, 2, 1, 0}));
}

TEST(HiScoresInALeagueFile, TheThreeItemsComeBackFromALayout)
{
    CBowlingDoc doc;
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Weekly sheet";
    auto* pTeam = new CRepItem_HiTeam;
    pTeam->m_nEntries = 6;
    auto* pPlayers = new CRepItem_HiPlayers;
    pPlayers->m_nStatistic[2] = 6;
    auto* pWeek = new CRepItem_HiWeek;
    pWeek->m_bTeams[1] = 1, pWeek->m_nGroup[1] = 3;
    pForm->AddItem(pTeam);
    pForm->AddItem(pPlayers);
    pForm->AddItem(pWeek);
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;
    CBowlingDoc loaded;
    ASSERT_TRUE(Reload(doc, loaded));
    ASSERT_NE(loaded.m_pCurrentRepForm, nullptr);
    CObList& items = loaded.m_pCurrentRepForm->m_listItems;
    ASSERT_EQ(items.GetCount(), 3);
    POSITION pos = items.GetHeadPosition();
    auto* pTeamBack = dynamic_cast<CRepItem_HiTeam*>(items.GetNext(pos));
    auto* pPlayersBack = dynamic_cast<CRepItem_HiPlayers*>(items.GetNext(pos));
    auto* pWeekBack = dynamic_cast<CRepItem_HiWeek*>(items.GetNext(pos));
    ASSERT_TRUE(pTeamBack && pPlayersBack && pWeekBack);
    EXPECT_EQ((std::vector<long>{pTeamBack->m_nEntries, pPlayersBack->m_nStatistic[2], long(pWeekBack->m_bTeams[1]),
                                 pWeekBack->m_nGroup[1]}),
              (std::vector<long>{6, 6, 1, 3}));
}
