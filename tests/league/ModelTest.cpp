// The small model classes and the document's look-ups and bookkeeping.
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Juniors.h"
#include "league/Player.h"
#include "league/Team.h"

#include "RecordingDC.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

TEST(FontData, LineHeightsDescriptionAndLearningFromTheDevice)
{
    CFontData font;
    EXPECT_EQ(font.GetLineHeight(0), -230);  // 115 % of -200
    EXPECT_EQ(font.GetLineHeight(10), -250);
    font.m_bBold = 1;
    font.m_bUnderline = 1;
    font.m_nPrinterHeight = -199;
    EXPECT_EQ(font.GetLineHeight(0), -236); // 119 % of -199 = -236.81, toward zero
    font.m_nLineHeight = -300;
    EXPECT_EQ(font.GetLineHeight(50), -300);

    CString text;
    CFontData plain;
    plain.GetDescription(text);
    EXPECT_EQ(text, "Black  Arial  10 Pt. ");
    font.m_bItalic = 1;
    font.m_crColour = RGB(0, 0, 128);
    font.m_nPointSize = 12;
    font.m_strFaceName = "Times";
    font.GetDescription(text);
    EXPECT_EQ(text, "Navy  Times Bold Italic  12 Pt. ");
    EXPECT_STREQ(GetColourName(RGB(1, 2, 3)), "Unknown");

    CRecordingDC dc;
    plain.SelectFont(&dc);
    ASSERT_NE(dc.GetCurrentFont(), nullptr);
    EXPECT_EQ(dc.GetCurrentFont()->LogFont().lfHeight, -200);
    EXPECT_LT(plain.m_nLineHeight, 0);

    CFontData copy;
    copy.CopyFrom(font);
    EXPECT_TRUE(copy.IsSameAs(font));
    EXPECT_EQ(copy.m_nLineHeight, -300);
}

TEST(FreeWeek, ListTexts)
{
    CFreeWeek week(4);
    EXPECT_EQ(std::make_pair(int{week.m_nExtraRound[0]}, int{week.m_nExtraRound[1]}), std::make_pair(4, 5));
    week.m_nFirstRound = week.m_nLastRound = 4;
    week.m_time = CTime(2025, 9, 22, 19, 30, 0);
    std::vector<CString> texts;
    auto list = [&](char cMark) {
        CString text;
        week.GetListText(text, cMark);
        texts.push_back(text);
    };
    list(0);
    week.m_nLastRound = 5;
    week.m_bHandicapPosition = 1;
    list(0);
    week.m_bScratchPosition = 1;
    list(0);
    list('>');
    week.m_bFreeDate = 1;
    week.m_strReason = "Christmas";
    list(0);
    EXPECT_EQ(texts, (std::vector<CString>{"Rnd 4   Mon 22 Sep 2025 07:30 PM", "Rnds 4-5 H Mon 22 Sep 2025 07:30 PM",
                                           "Rnds 4-5 * Mon 22 Sep 2025 07:30 PM", "Rnds 4-5 > Mon 22 Sep 2025 07:30 PM",
                                           "Free Date - Mon 22 Sep 2025"}));
}

TEST(Awards, DescriptionsOfAutomaticCategories)
{
    const CAwards defaults; // games from 275 to 300
    const struct { int nKind, bSeries, nLow, nMaxAverage; const char* pszName; } cases[] = {
        {defaults.m_nKind, 0, 275, defaults.m_nMaxAverage, "Gme 275-300"},
        {CAwards::kindOverAverage, 1, 275, defaults.m_nMaxAverage, "Ser 275-300 > Avg."},
        {CAwards::kindOverAverage, 1, 300, defaults.m_nMaxAverage, "?~??? > Avg."},
        {CAwards::kindPctOverAverage, 1, 10, defaults.m_nMaxAverage, "10% > Avg"},
        {CAwards::kindOverByAverage, 0, 200, 150, "200 Gme w/150 Avg"},
    };
    for (const auto& c : cases) {
        CAwards award;
        award.m_nKind = static_cast<decltype(award.m_nKind)>(c.nKind);
        award.m_bSeries = static_cast<decltype(award.m_bSeries)>(c.bSeries);
        award.m_nLow = static_cast<decltype(award.m_nLow)>(c.nLow);
        award.m_nMaxAverage = static_cast<decltype(award.m_nMaxAverage)>(c.nMaxAverage);
        award.MakeDescription();
        EXPECT_EQ(award.m_strName, c.pszName);
    }
}

namespace {

CPlayer* AddBowler(CBowlingDoc& doc, WORD no, const char* surname, const char* first)
{
    auto* p = new CPlayer(no);
    p->m_strSurname = surname;
    p->m_strFirstName = first;
    doc.AddPlayer(p);
    return p;
}

} // namespace

TEST(BowlingDoc, AwardRecordsKeepTheirOrders)
{
    CBowlingDoc doc;
    AddBowler(doc, 1, "Marwood", "Ian");
    AddBowler(doc, 2, "Ashdown", "Zoe");
    AddBowler(doc, 3, "Ashdown", "Alan");
    auto record = [](WORD cat, WORD round, WORD player, WORD score) {
        auto* r = new CAwardData;
        r->m_nCategory = cat;
        r->m_nRound = round;
        r->m_nPlayerNo = player;
        r->m_nScore = score;
        return r;
    };
    // The last: bowler unknown, sorts with an empty name.
    for (auto [cat, round, player] :
         {std::tuple<WORD, WORD, WORD>{1, 2, 1}, {0, 5, 1}, {1, 2, 2}, {1, 2, 3}, {1, 1, 9}})
        doc.AddAwardRecord(record(cat, round, player, 0));
    std::vector<std::pair<int, int>> order;
    for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;) {
        auto* r = static_cast<CAwardData*>(doc.m_listAwardData.GetNext(pos));
        order.emplace_back(r->m_nCategory, r->m_nPlayerNo);
        EXPECT_EQ(r->m_pDoc, &doc);
    }
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{0, 1}, {1, 9}, {1, 3}, {1, 2}, {1, 1}}));

    for (auto [cat, round, player, score] :
         {std::tuple<WORD, WORD, WORD, WORD>{0, 1, 1, 250}, {1, 1, 1, 260}, {1, 1, 2, 280}, {1, 3, 3, 260}})
        doc.AddAwardRecordByScore(record(cat, round, player, score));
    std::vector<int> scores;
    for (POSITION pos = doc.m_listAwardDataByScore.GetHeadPosition(); pos;) {
        auto* r = static_cast<CAwardData*>(doc.m_listAwardDataByScore.GetNext(pos));
        scores.push_back(r->m_nScore * 10 + r->m_nRound);
    }
    EXPECT_EQ(scores, (std::vector<int>{2801, 2603, 2601, 2501}));
}

TEST(BowlingDoc, JuniorAgesAndCategories)
{
    CBowlingDoc doc;
    CPlayer* p = AddBowler(doc, 1, "Lunt", "Amy");
    p->m_wFlags = PF_JUNIOR | PF_FEMALE;
    p->m_nBirthDay = 15;
    p->m_nBirthMonth = 9;
    p->m_nBirthYear = 2012;
    // One more than the completed age, except on the birthday itself.
    EXPECT_EQ((std::vector<int>{p->JuniorAge(2025, 9, 14), p->JuniorAge(2025, 9, 15), p->JuniorAge(2025, 9, 16),
                                p->JuniorAge(2025, 10, 1)}),
              (std::vector<int>{13, 13, 14, 14}));

    CPlayer* q = AddBowler(doc, 2, "Lunt", "Ben"); // no birth date
    q->m_wFlags = PF_JUNIOR | PF_MALE;
    CPlayer* adult = AddBowler(doc, 3, "Lunt", "Carl");
    adult->m_strJuniorCategory = "kept";

    for (int i = 1; i <= 2; ++i) {
        auto* cat = new CJuniorCategory(static_cast<WORD>(i));
        cat->m_strName = i == 1 ? "Under 12" : "Under 16";
        cat->m_nLowerAge = static_cast<BYTE>(i == 1 ? 1 : 13);
        cat->m_nUpperAge = static_cast<BYTE>(i == 1 ? 12 : 16);
        doc.m_listJuniorCategories.AddTail(cat);
    }
    doc.m_timeJuniorQualifying = CTime(2025, 9, 1, 0, 0, 0);
    doc.AssignJuniorCategories();
    EXPECT_EQ(std::make_pair(int(p->m_nJuniorCategory), int(q->m_nJuniorCategory)), std::make_pair(2, 0));
    EXPECT_EQ((std::vector<CString>{p->m_strJuniorCategory, q->m_strJuniorCategory, adult->m_strJuniorCategory}),
              (std::vector<CString>{"Under 16", "No Cat. for Age.", "kept"}));
    EXPECT_EQ(doc.m_nJuniorCount, 2u);
}

TEST(BowlingDoc, LookUpsAndLeagueQuestions)
{
    CBowlingDoc doc;
    doc.m_nPlayersPerTeam = 3;
    doc.m_nTeams = 2;
    CPlayer* a = AddBowler(doc, 5, "Kettle", "Keith");
    a->m_nPin = 4242;
    a->m_dwDbKey = 77;
    CPlayer* robot = AddBowler(doc, 6, "Vacancy", "");
    robot->m_nRobot = 1;
    CPlayer* resigned = AddBowler(doc, 7, "Ormerod", "Owen");
    resigned->m_wFlags = PF_RESIGNED | PF_MALE;
    AddBowler(doc, 8, "Pickles", "Pauline")->m_nPin = 4242;

    EXPECT_EQ(doc.FindPlayer(0), nullptr);
    EXPECT_EQ(doc.FindPlayer(6), robot);
    EXPECT_EQ((std::vector<int>{doc.FindPlayerNumberByPin(5, 4242), doc.FindPlayerNumberByPin(8, 4242),
                                doc.FindPlayerNumberByPin(5, 1), doc.CountActivePlayers()}),
              (std::vector<int>{8, 5, 0, 2}));
    EXPECT_EQ(doc.FindPlayerByDbKey(77), a);
    EXPECT_EQ(doc.GetRobot(0), nullptr);
    EXPECT_EQ(doc.GetRobot(4), &doc.m_Robot[3]);
    EXPECT_EQ(doc.GetRobot(4)->m_nFlatScore, 120u);
    EXPECT_EQ(doc.GetDefaultFont(100), nullptr);
    CString name;
    resigned->GetCategoryName(name);
    EXPECT_EQ(name, "Resigned");
    a->m_wFlags = PF_JUNIOR | PF_MALE;
    a->GetCategoryName(name);
    EXPECT_EQ(name, "Jnr. Male");
    EXPECT_TRUE(doc.FindPlayer(8)->IsFloatingSub());

    auto* team = new CTeam("Pin Pals", 1);
    team->m_arrTeamOrder.Add(5);
    team->m_arrTeamOrder.Add(6);
    team->m_arrTeamOrder.Add(99); // a bowler no longer in the league
    doc.AddTeam(team);
    EXPECT_FALSE(doc.HasFullTeam(1));
    team->m_arrTeamOrder[2] = 8;
    EXPECT_TRUE(doc.HasFullTeam(1));
    EXPECT_FALSE(doc.HasFullTeam(2));

    EXPECT_FALSE(doc.IsLeagueSetUp()); // no matches
    doc.AddTeam(new CTeam("Split Ends", 2));
    doc.AddFixture(new CFixture(1, 1, 2, 3));
    EXPECT_TRUE(doc.IsLeagueSetUp());
    EXPECT_EQ(doc.FindFixtureForTeam(2, 1), doc.m_listFixtures.GetHead());
    EXPECT_EQ(doc.FindFixtureForTeam(2, 2), nullptr);

    doc.SetPlayerTeamsFromOrders();
    EXPECT_EQ(std::make_pair(int{a->m_nTeamNo}, int{resigned->m_nTeamNo}), std::make_pair(1, 0));
    EXPECT_FALSE(doc.FindPlayer(8)->IsFloatingSub());

    doc.DeleteContents();
    EXPECT_TRUE(doc.m_listPlayers.IsEmpty() && doc.m_listTeams.IsEmpty() && doc.m_listFixtures.IsEmpty());
}

TEST(BowlingDoc, StandingsKeysSplitsAndNewLeagueDefaults)
{
    CBowlingDoc doc;
    for (auto [bHcp, nIndex, nKey] : {std::tuple{TRUE, 0, 1}, {TRUE, 1, 2}, {TRUE, 2, 6}, {FALSE, 0, 3}})
        doc.SetStandingsKey(bHcp, nIndex, nKey);
    EXPECT_EQ(doc.m_dwStandingsKeys, 0x126300u);
    EXPECT_EQ(std::make_pair(doc.GetStandingsKey(TRUE, 2), doc.GetStandingsKey(FALSE, 1)), std::make_pair(6, 0));

    doc.m_nCurrentRound = 14;
    EXPECT_EQ(doc.GetStatsRound(), 14);
    doc.m_bSplitSeason = 1;
    doc.m_nSplits = 2;
    doc.m_nRoundsPerSplit = 10;
    doc.UpdateSplitState();
    EXPECT_EQ(doc.m_nSplitCount, 2u);
    EXPECT_EQ(doc.GetStatsRound(), 4);
    doc.m_nRoundsPerSplit = 0; // a damaged split length does not divide by zero
    EXPECT_EQ(doc.GetStatsRound(), 14);

    doc.m_nCurrentRound = 0;
    doc.m_nEnteringAvgCutoff = 0;
    doc.Recalculate();
    EXPECT_EQ(doc.m_nCurrentRound, 1);
    doc.m_nEnteringAvgCutoff = 3;
    doc.m_nCurrentRound = 4;
    doc.Recalculate();
    EXPECT_EQ(doc.m_bPastEnteringCutoff, 1u);
    CPlayer* p = AddBowler(doc, 1, "Hallam", "Hazel");
    p->SetEnteringAverage(1654);
    EXPECT_EQ(std::make_pair(int{p->GetEnteringAverage(FALSE)}, int{p->GetEnteringAverage(TRUE)}),
              std::make_pair(0, 1654));
}
