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
    EXPECT_EQ(week.m_nExtraRound[0], 4);
    EXPECT_EQ(week.m_nExtraRound[1], 5);
    week.m_nFirstRound = week.m_nLastRound = 4;
    week.m_time = CTime(2025, 9, 22, 19, 30, 0);
    CString text;
    week.GetListText(text, 0);
    EXPECT_EQ(text, "Rnd 4   Mon 22 Sep 2025 07:30 PM");
    week.m_nLastRound = 5;
    week.m_bHandicapPosition = 1;
    week.GetListText(text, 0);
    EXPECT_EQ(text, "Rnds 4-5 H Mon 22 Sep 2025 07:30 PM");
    week.m_bScratchPosition = 1;
    week.GetListText(text, 0);
    EXPECT_EQ(text, "Rnds 4-5 * Mon 22 Sep 2025 07:30 PM");
    week.GetListText(text, '>');
    EXPECT_EQ(text, "Rnds 4-5 > Mon 22 Sep 2025 07:30 PM");
    week.m_bFreeDate = 1;
    week.m_strReason = "Christmas";
    week.GetListText(text, 0);
    EXPECT_EQ(text, "Free Date - Mon 22 Sep 2025");
}

TEST(Awards, DescriptionsOfAutomaticCategories)
{
    CAwards award; // the defaults: games from 275 to 300
    award.MakeDescription();
    EXPECT_EQ(award.m_strName, "Gme 275-300");
    award.m_nKind = CAwards::kindOverAverage;
    award.m_bSeries = 1;
    award.MakeDescription();
    EXPECT_EQ(award.m_strName, "Ser 275-300 > Avg.");
    award.m_nLow = 300;
    award.MakeDescription();
    EXPECT_EQ(award.m_strName, "?~??? > Avg.");
    award.m_nKind = CAwards::kindPctOverAverage;
    award.m_nLow = 10;
    award.MakeDescription();
    EXPECT_EQ(award.m_strName, "10% > Avg");
    award.m_nKind = CAwards::kindOverByAverage;
    award.m_bSeries = 0;
    award.m_nLow = 200;
    award.m_nMaxAverage = 150;
    award.MakeDescription();
    EXPECT_EQ(award.m_strName, "200 Gme w/150 Avg");
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
    doc.AddAwardRecord(record(1, 2, 1, 0));
    doc.AddAwardRecord(record(0, 5, 1, 0));
    doc.AddAwardRecord(record(1, 2, 2, 0));
    doc.AddAwardRecord(record(1, 2, 3, 0));
    doc.AddAwardRecord(record(1, 1, 9, 0)); // bowler unknown: sorts with an empty name
    std::vector<std::pair<int, int>> order;
    for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;) {
        auto* r = static_cast<CAwardData*>(doc.m_listAwardData.GetNext(pos));
        order.emplace_back(r->m_nCategory, r->m_nPlayerNo);
        EXPECT_EQ(r->m_pDoc, &doc);
    }
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{0, 1}, {1, 9}, {1, 3}, {1, 2}, {1, 1}}));

    doc.AddAwardRecordByScore(record(0, 1, 1, 250));
    doc.AddAwardRecordByScore(record(1, 1, 1, 260));
    doc.AddAwardRecordByScore(record(1, 1, 2, 280));
    doc.AddAwardRecordByScore(record(1, 3, 3, 260));
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
    EXPECT_EQ(p->JuniorAge(2025, 9, 14), 13);
    EXPECT_EQ(p->JuniorAge(2025, 9, 15), 13);
    EXPECT_EQ(p->JuniorAge(2025, 9, 16), 14);
    EXPECT_EQ(p->JuniorAge(2025, 10, 1), 14);

    CPlayer* q = AddBowler(doc, 2, "Lunt", "Ben"); // no birth date
    q->m_wFlags = PF_JUNIOR | PF_MALE;
    CPlayer* adult = AddBowler(doc, 3, "Lunt", "Carl");
    adult->m_strJuniorCategory = "kept";

    auto* under12 = new CJuniorCategory(1);
    under12->m_strName = "Under 12";
    under12->m_nLowerAge = 1;
    under12->m_nUpperAge = 12;
    auto* under16 = new CJuniorCategory(2);
    under16->m_strName = "Under 16";
    under16->m_nLowerAge = 13;
    under16->m_nUpperAge = 16;
    doc.m_listJuniorCategories.AddTail(under12);
    doc.m_listJuniorCategories.AddTail(under16);
    doc.m_timeJuniorQualifying = CTime(2025, 9, 1, 0, 0, 0);
    doc.AssignJuniorCategories();
    EXPECT_EQ(p->m_nJuniorCategory, 2u);
    EXPECT_EQ(p->m_strJuniorCategory, "Under 16");
    EXPECT_EQ(q->m_nJuniorCategory, 0u);
    EXPECT_EQ(q->m_strJuniorCategory, "No Cat. for Age.");
    EXPECT_EQ(adult->m_strJuniorCategory, "kept");
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
    EXPECT_EQ(doc.FindPlayerNumberByPin(5, 4242), 8);
    EXPECT_EQ(doc.FindPlayerNumberByPin(8, 4242), 5);
    EXPECT_EQ(doc.FindPlayerNumberByPin(5, 1), 0);
    EXPECT_EQ(doc.FindPlayerByDbKey(77), a);
    EXPECT_EQ(doc.CountActivePlayers(), 2);
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
    EXPECT_EQ(a->m_nTeamNo, 1);
    EXPECT_EQ(resigned->m_nTeamNo, 0);
    EXPECT_FALSE(doc.FindPlayer(8)->IsFloatingSub());

    doc.DeleteContents();
    EXPECT_TRUE(doc.m_listPlayers.IsEmpty());
    EXPECT_TRUE(doc.m_listTeams.IsEmpty());
    EXPECT_TRUE(doc.m_listFixtures.IsEmpty());
}

TEST(BowlingDoc, StandingsKeysSplitsAndNewLeagueDefaults)
{
    CBowlingDoc doc;
    doc.SetStandingsKey(TRUE, 0, 1);
    doc.SetStandingsKey(TRUE, 1, 2);
    doc.SetStandingsKey(TRUE, 2, 6);
    doc.SetStandingsKey(FALSE, 0, 3);
    EXPECT_EQ(doc.m_dwStandingsKeys, 0x126300u);
    EXPECT_EQ(doc.GetStandingsKey(TRUE, 2), 6);
    EXPECT_EQ(doc.GetStandingsKey(FALSE, 1), 0);

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
    EXPECT_EQ(p->GetEnteringAverage(FALSE), 0);
    EXPECT_EQ(p->GetEnteringAverage(TRUE), 1654);
}
