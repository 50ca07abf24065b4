// The standings item: its stored bytes, its height, and what it draws and writes for each
// style, worked by hand from team figures.
#include "../layout/ReportTestHelpers.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/stats/RepItem_Standings.h"
#include "resources/Resource.h"
#include "resources/dialogs/RulesDialogs.h"
#include "resources/dialogs/ViewDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Texts = std::vector<std::string>;

// Four teams and one bowler each; figures set by hand unless a test recalculates.
struct StandingsItem : ::testing::Test
{
    CBowlingDoc doc;
    CRepItem_Standings item;

    void SetUp() override
    {
        RegisterResources();
        doc.m_nTeams = 4, doc.m_nPlayersPerTeam = 1, doc.m_nGamesPerMatch = 1;
        doc.m_nRounds = doc.m_nCurrentRound = 18;
        doc.m_bScratchLeague = doc.m_bHandicapLeague = 1;
        const char* names[4] = {"Alley Cats", "Pin Pals", "Strikers", "A&B <Spares>"};
        for (int t = 1; t <= 4; ++t) {
            auto* pTeam = new CTeam(names[t - 1], static_cast<WORD>(t));
            doc.AddTeam(pTeam);
            auto* pPlayer = new CPlayer(static_cast<WORD>(t * 10 + 1));
            pPlayer->m_nTeamNo = static_cast<WORD>(t), pPlayer->m_wFlags = PF_MALE;
            pPlayer->m_strName.Format("Bowler %d", t);
            doc.AddPlayer(pPlayer);
            pTeam->m_arrTeamOrder.Add(pPlayer->m_nPlayerNo);
        }
        auto* f = new CFixture(18, 1, 2, 1);
        f->m_nMatch = 1, f->m_timeDue = CTime(2024, 1, 5, 19, 30, 0);
        doc.AddFixture(f);
        item.m_pDoc = &doc, item.m_y = -1000;
    }

    CTeam* Team(int n) { return doc.FindTeam(static_cast<WORD>(n)); }

    // Points won/lost, scratch pins and games of both passes, handicap pins and highs.
    void Figures(int n, int nWon, int nLost, DWORD nScrPins, DWORD nHcpPins, WORD nGames)
    {
        CTeam* t = Team(n);
        for (int p = 0; p < 2; ++p) {
            t->m_nPointsWon[p] = nWon, t->m_nPointsLost[p] = nLost, t->m_nGames[p] = nGames;
            t->m_nPyramidWon[p] = nWon / 2;
        }
        t->m_nPins[PASS_SCRATCH] = t->m_nHcpScrPins = nScrPins;
        t->m_nPins[PASS_HANDICAP] = nHcpPins;
        t->m_nHighGame[PASS_SCRATCH] = static_cast<WORD>(200 + n), t->m_nHighSeries[PASS_SCRATCH] = static_cast<WORD>(600 + n);
        t->m_nHighGame[PASS_HANDICAP] = static_cast<WORD>(250 + n), t->m_nHighSeries[PASS_HANDICAP] = static_cast<WORD>(700 + n);
    }

    // Team 3 leads on points; 1 and 2 tie on points and percentage, 2 with more pins; 4 last.
    void StandardFigures()
    {
        Figures(1, 20, 16, 1500, 1900, 10);
        Figures(2, 20, 16, 1600, 1700, 10);
        Figures(3, 30, 6, 1400, 2000, 10);
        Figures(4, 3, 33, 1000, 1200, 8);
    }

    std::unique_ptr<CRecordingDC> Draw(bool bPrinting = false)
    {
        auto pDC = std::make_unique<CRecordingDC>(bPrinting);
        item.Draw(pDC.get(), nullptr);
        return pDC;
    }

    std::string Html() { return HtmlOf(item); }

    // The names in the order drawn.
    Texts Names(const CRecordingDC& dc)
    {
        Texts names;
        for (const std::string& s : dc.Texts())
            for (int t = 1; t <= 4; ++t)
                if (s == Team(t)->m_strName.GetString())
                    names.push_back(s);
        return names;
    }
};

const DrawCall& Find(const CRecordingDC& dc, const char* text)
{
    const DrawCall* p = dc.FindText(text);
    if (!p)
        throw std::runtime_error(std::string("not drawn: ") + text + "\n" + dc.Dump());
    return *p;
}

} // namespace

TEST_F(StandingsItem, StoresThreeBytesAndComesBackByItsClassName)
{
    item.m_nStyle = CRepItem_Standings::styleCombined, item.m_bHandicap = 1;
    EXPECT_EQ(BytesOf(item), (std::vector<BYTE>{2, 2, 1}));

    CRepForm form;
    form.AddItem(item.Clone());
    const std::vector<BYTE> stored = form.GetStoredBytes();
    CRepForm back;
    {
        std::vector<BYTE> copy = stored;
        CArchive ar(&copy, CArchive::load);
        back.Serialize(ar);
    }
    ASSERT_EQ(back.m_listItems.GetCount(), 1);
    CObject* pHead = back.m_listItems.GetHead();
    EXPECT_TRUE(pHead->IsKindOf(RUNTIME_CLASS(CRepItem_Standings)));
    EXPECT_EQ(back.GetStoredBytes(), stored);
    // The layout editor makes a new item of type 2 through the same class.
    std::unique_ptr<CRepItem> pNew(CreateRepItemOfType(RIT_STANDINGS));
    ASSERT_NE(pNew, nullptr);
    EXPECT_TRUE(pNew->IsKindOf(RUNTIME_CLASS(CRepItem_Standings)));
}

TEST_F(StandingsItem, HeightReservesALineATeamAndOneADivision)
{
    doc.m_nTeams = 8;
    EXPECT_EQ(item.GetHeight(nullptr), 11 * -240 - 72);
    doc.m_bDivisions = 1;
    doc.m_nDivisions = 2;
    EXPECT_EQ(item.GetHeight(nullptr), 12 * -240 - 72);
    // A damaged style keeps its place but draws and writes nothing.
    item.m_nStyle = 7;
    EXPECT_EQ(item.GetHeight(nullptr), -2952);
    EXPECT_TRUE(Draw()->calls.empty());
    EXPECT_EQ(Html(), "");
}

TEST_F(StandingsItem, RegularScratchTableWorkedByHand)
{
    StandardFigures();
    const auto pDC = Draw();
    const CRecordingDC& dc = *pDC;
    const std::string heading = "Scratch Standings after Round 18 of 18 on 05 Jan 24";
    const DrawCall& h = Find(dc, heading.c_str());
    EXPECT_EQ(h.font.lfWeight, FW_BOLD);
    // A scratch table sits 1008 twips further right and has no handicap highs. Pin Pals' 20
    // half points, 1600 pins / 10 games; 1000 / 8 for the last team.
    const int y2 = -1600 - 240;
    EXPECT_EQ((std::vector<int>{h.x1, h.y1, Find(dc, "Team").x1, Find(dc, "Team").y1, Find(dc, "Pos").x1,
                                Find(dc, "Pins(S)").x1, Find(dc, "Pin Pals").y1, Find(dc, "10 ").x1, Find(dc, "160").y1,
                                Find(dc, "125").y1}),
              (std::vector<int>{5760 - static_cast<int>(heading.size()) * 100 / 2, -1000, 1728, -1360, 4608 - 300,
                                6480 - 700, y2, 5472 - 300, y2, y2 - 480}));
    EXPECT_EQ(dc.FindText("HGH"), nullptr);
    // Points, then percentage, then scratch pinfall.
    EXPECT_EQ(Names(dc), (Texts{"Strikers", "Pin Pals", "Alley Cats", "A&B <Spares>"}));
    const DrawCall& second = Find(dc, "Pin Pals");
    EXPECT_NE(second.font.lfWeight, FW_BOLD);
    // The name's click area is 2000 twips wide and one line high.
    EXPECT_TRUE(Team(2)->HitTest(CPoint(1728 + 1999, second.y1 - 1)));
    EXPECT_FALSE(Team(2)->HitTest(CPoint(1728 + 2001, second.y1 - 1)));
}

TEST_F(StandingsItem, ALongNameStopsShortOfThePosition)
{
    StandardFigures();
    Team(1)->m_strName = "Strikers of the Calder Valley Bowling Club";
    const auto pDC = Draw();
    const CRecordingDC& dc = *pDC;
    // From 1728 to the position "1" ending at 4608, less a gap of 72: 27 characters.
    const DrawCall& name = Find(dc, "Strikers of the Calder Vall");
    EXPECT_EQ(name.x1, 1728) << dc.Dump();
    EXPECT_EQ(dc.FindText("Strikers of the Calder Valley Bowling Club"), nullptr);
}

TEST_F(StandingsItem, HandicapTableShowsHandicapPinsOnlyWhenTheyRankTheTeams)
{
    StandardFigures();
    item.m_bHandicap = 1;
    auto pDC = Draw();
    EXPECT_NE(pDC->FindText("Pins(S)"), nullptr);
    // 702: the high series with handicap.
    EXPECT_EQ((std::vector<int>{Find(*pDC, "HSH").x1, Find(*pDC, "Team").x1, Find(*pDC, "702").y1}),
              (std::vector<int>{10800 - 300, 720, Find(*pDC, "Pin Pals").y1}));
    EXPECT_EQ(doc.m_bHandicapPass, static_cast<DWORD>(PASS_HANDICAP));

    // With "Handicap Pinfall" as the first key the handicap pins rank and show.
    doc.SetStandingsKey(TRUE, 0, 6);
    pDC = Draw();
    EXPECT_TRUE(pDC->FindText("Pins(H)") && pDC->FindText("Av(H)")) << pDC->Dump();
    EXPECT_EQ(Names(*pDC), (Texts{"Strikers", "Alley Cats", "Pin Pals", "A&B <Spares>"}));
    EXPECT_EQ(Find(*pDC, "190").y1, Find(*pDC, "Alley Cats").y1);
}

TEST_F(StandingsItem, DivisionsGetAnEmptyLineBetweenThem)
{
    StandardFigures();
    doc.m_bDivisions = 1;
    doc.m_nDivisions = 2;
    Team(1)->m_nDivision = Team(2)->m_nDivision = Team(3)->m_nDivision = 2;
    Team(4)->m_nDivision = 1;
    const auto pDC = Draw();
    const CRecordingDC& dc = *pDC;
    EXPECT_EQ(Names(dc), (Texts{"A&B <Spares>", "Strikers", "Pin Pals", "Alley Cats"}));
    EXPECT_EQ((std::pair(Find(dc, "A&B <Spares>").y1, Find(dc, "Strikers").y1)), (std::pair(-1600, -1600 - 480)));

    // A top team outside division 1 gets the empty line too.
    Team(4)->m_nDivision = 2, Team(3)->m_nDivision = 3, doc.m_nDivisions = 3;
    const auto pDC2 = Draw();
    const CRecordingDC& dc2 = *pDC2;
    EXPECT_EQ(Find(dc2, Names(dc2).front().c_str()).y1, -1600 - 240);
}

TEST_F(StandingsItem, CombinedTableAddsBothSystems)
{
    StandardFigures();
    Team(4)->m_nPointsWon[PASS_HANDICAP] = 40, Team(4)->m_nPointsLost[PASS_HANDICAP] = 16;  // 3 + 40 won, 33 + 16 lost
    item.m_nStyle = CRepItem_Standings::styleCombined;
    const auto pDC = Draw();
    const CRecordingDC& dc = *pDC;
    EXPECT_NE(dc.FindText("Combined Standings after Round 18 of 18 on 05 Jan 24"), nullptr);
    EXPECT_EQ(Names(dc), (Texts{"Strikers", "A&B <Spares>", "Pin Pals", "Alley Cats"}));
    const int y = Find(dc, "A&B <Spares>").y1;
    // 43 half points won; 49 lost, in a scratch table; 43 x 100 / 92.
    EXPECT_EQ((std::vector<int>{Find(dc, "21\xBD").y1, Find(dc, "24\xBD").x1, Find(dc, "46.7").y1, Find(dc, "Pct").x1}),
              (std::vector<int>{y, 5760 - 300, y, 6480 - 300}));
}

TEST_F(StandingsItem, FinalHeadingsOnceEveryResultIsIn)
{
    StandardFigures();
    doc.m_bAllResultsEntered = 1;
    EXPECT_EQ(item.GetHeading(), "Final Scratch Standings. - 05 Jan 24");
    item.m_nStyle = CRepItem_Standings::styleCombined;
    EXPECT_EQ(item.GetHeading(), "Final Combined Standings. - 05 Jan 24");
    // The pyramid takes its final form even with the round set back.
    item.m_nStyle = CRepItem_Standings::stylePyramid;
    doc.m_nCurrentRound = 17;
    EXPECT_EQ(item.GetHeading(), "Final Pyramid Scratch Standings on ");  // no match in round 17
    doc.m_bAllResultsEntered = 0;
    item.m_bHandicap = 1;
    EXPECT_EQ(item.GetHeading(), "Pyramid Handicap Standings after Round 17 of 18 on ");
    // Two splits of 9 rounds: the second runs to the season's end, final there once every
    // result is in, and not before its last round.
    item.m_nStyle = CRepItem_Standings::styleRegular;
    doc.m_nCurrentRound = 18, doc.m_bSplitsActive = 1, doc.m_bSplitSeason = 1, doc.m_nRoundsPerSplit = 9;
    doc.m_nSplits = 2, doc.m_nSplitCount = doc.m_nCurrentSplit = 2;
    EXPECT_EQ(item.GetHeading(), "Handicap Standings after Round 18 of 18. Split 2 of 2 on  05 Jan 24");
    doc.m_bAllResultsEntered = 1;
    EXPECT_EQ(item.GetHeading(), "Final Handicap Standings. Split 2 of 2 on 05 Jan 24");
    doc.m_nCurrentRound = 17;
    EXPECT_EQ(item.GetHeading(), "Handicap Standings after Round 17 of 18. Split 2 of 2 on  ");
}

TEST_F(StandingsItem, PyramidTableLeavesAPlaceNoTeamHoldsBlank)
{
    StandardFigures();
    item.m_nStyle = CRepItem_Standings::stylePyramid;
    item.m_bHandicap = 1;
    // The handicap pyramid places the league's teams only: with three in the league the
    // fourth team in the list holds no place and must not be printed as fourth.
    doc.m_nTeams = 3;
    const auto pDC = Draw(true);
    const CRecordingDC& dc = *pDC;
    EXPECT_EQ(Names(dc), (Texts{"Strikers", "Alley Cats", "Pin Pals"}));
    EXPECT_EQ((std::pair(Find(dc, "Team").x1, Find(dc, "Games").x1)), (std::pair(3800, 7800 - 500)));
    EXPECT_EQ(Find(dc, "7\xBD").y1, Find(dc, "Strikers").y1);  // 15 half points
    EXPECT_EQ(dc.FindText("4"), nullptr);
    EXPECT_EQ(Html().find("A&amp;B"), std::string::npos);
}

TEST_F(StandingsItem, RemovedTeamsAreNotListed)
{
    StandardFigures();
    Team(4)->m_bRemoved = 1;
    EXPECT_EQ(Names(*Draw()), (Texts{"Strikers", "Pin Pals", "Alley Cats"}));
}

TEST_F(StandingsItem, HtmlOfEachStyle)
{
    StandardFigures();
    std::string html = Html();
    for (const char* psz : {"Scratch Standings after Round 18 of 18 on 05 Jan 24",
                            "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=90% ALIGN=center>\n<TR>\n",
                            "A&amp;B &lt;Spares&gt;"})
        EXPECT_NE(html.find(psz), std::string::npos) << psz;
    EXPECT_EQ((std::pair(html.find("<Spares>"), html.find("HGH"))), (std::pair(std::string::npos, std::string::npos)));
    EXPECT_LT(html.find("Strikers"), html.find("Pin Pals"));
    EXPECT_EQ(html.substr(html.size() - 18), "</TABLE></CENTER>\n");

    item.m_bHandicap = 1;
    item.m_nStyle = CRepItem_Standings::styleCombined;
    html = Html();
    EXPECT_EQ(html.rfind("<CENTER><H2>Combined Standings after Round 18 of 18 on 05 Jan 24</H2></CENTER>\n"
                         "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=100% ALIGN=center>\n<TR>\n"
                         "<TD>\n<B>\nPos</B>\n</TD>\n",
                         0),
              0u);
    EXPECT_NE(html.find("<B>\nHSH</B>\n"), std::string::npos);
    EXPECT_NE(html.find("<TR>\n<TD>\n1</TD>\n<TD>\nStrikers</TD>\n<TD>\n30 </TD>\n<TD>\n6 </TD>\n"),
              std::string::npos);
    EXPECT_NE(html.find("<TD>\nA&amp;B &lt;Spares&gt;</TD>\n"), std::string::npos);

    item.m_nStyle = CRepItem_Standings::stylePyramid;
    html = Html();
    EXPECT_EQ(html.rfind("<CENTER><H2>Pyramid Handicap Standings after Round 18 of 18 on 05 Jan 24</H2></CENTER>\n"
                         "<CENTER><TABLE CELLSPACING=1 CELLPADDING=1 WIDTH=70% ALIGN=center>\n",
                         0),
              0u);
    EXPECT_NE(html.find("<B>\nPts</B>\n</TD>\n<TD>\n<B>\nGms</B>\n</TD>\n</TR>\n"), std::string::npos);
    EXPECT_NE(html.find("<TD>\n1</TD>\n<TD>\nStrikers</TD>\n<TD>\n7\xBD</TD>\n<TD>\n10</TD>\n</TR>\n"),
              std::string::npos);
}

TEST_F(StandingsItem, OneSystemLeaguesForceTheirSystemBeforeLayout)
{
    item.m_bHandicap = 1, doc.m_bHandicapLeague = 0;
    item.BeforeLayout();
    EXPECT_EQ(item.m_bHandicap, 0);
    doc.m_bHandicapLeague = 1, doc.m_bScratchLeague = 0;
    item.BeforeLayout();
    EXPECT_EQ(item.m_bHandicap, 1);
}

TEST_F(StandingsItem, EditTakesStyleAndSystemFromTheDialog)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_STANDING_REPORT).Select(IDC_STANDING_STYLE, 1).Select(IDC_STANDING_HANDICAP, 1).OK();
    item.Edit();
    EXPECT_EQ((std::pair<int, int>(item.m_nStyle, item.m_bHandicap)), (std::pair<int, int>(CRepItem_Standings::stylePyramid, 1)));
}

// The secretary changes a rule and the table follows at once.
TEST_F(StandingsItem, AChangedStandingsKeyShowsInTheTable)
{
    doc.m_nCurrentRound = 1, doc.m_ScrPoints.m_bTeam = 1, doc.m_ScrPoints.m_nTeamGame[0] = 2;
    doc.m_HcpPoints = doc.m_ScrPoints;
    doc.UpdateMaxMatchPoints();
    auto addMatch = [&](int a, int b, int scoreA, int scoreB) {
        auto* f = new CFixture(1, a, b, 1);
        f->m_nGames = 1, f->m_nMatch = static_cast<BYTE>(a), f->m_timeDue = CTime(2023, 9, 4, 19, 0, 0);
        f->m_pTeamA = Team(a), f->m_pTeamB = Team(b);
        f->SetPlayer(0, 0, doc.FindPlayer(static_cast<WORD>(a * 10 + 1)));
        f->SetPlayer(1, 0, doc.FindPlayer(static_cast<WORD>(b * 10 + 1)));
        f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
        f->m_nScore[0][CFixture::SlotOf(0, 0)] = static_cast<WORD>(scoreA);
        f->m_nScore[0][CFixture::SlotOf(1, 0)] = static_cast<WORD>(scoreB);
        doc.m_listFixtures.AddHead(f);
        f->m_pDoc = &doc;
    };
    // Alley Cats beat Pin Pals 151-150; A&B beat Strikers 300-200.
    addMatch(1, 2, 151, 150);
    addMatch(3, 4, 200, 300);
    doc.Recalculate();
    EXPECT_EQ(Names(*Draw()), (Texts{"A&B <Spares>", "Alley Cats", "Strikers", "Pin Pals"}));

    CScriptedBackend ui;
    ui.OnDialog(IDD_SCRATCH_STANDINGS_SEQ).Select(IDC_SEQ_KEY[0], 2).OK();  // "Scratch Pinfall" first
    ASSERT_TRUE(doc.EditScratchStandingsSequence());
    EXPECT_EQ(Names(*Draw()), (Texts{"A&B <Spares>", "Strikers", "Alley Cats", "Pin Pals"}));
    EXPECT_NE(Draw()->FindText("Scratch Standings after Round 1 of 18 on 04 Sep 23"), nullptr);
}
