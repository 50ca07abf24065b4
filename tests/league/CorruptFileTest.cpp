// Damaged league files: every cut and random changes load to the message or to a valid
// league, and a refused file leaves the open league exactly as it was.
#include "TempDir.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Rules.h"
#include "league/Scoring.h"
#include "league/SampleLeague.h"
#include "league/Team.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<BYTE>;

// Small enough to load thousands of times under the sanitizers, yet with every section.
void BuildSmallLeague(CBowlingDoc& doc)
{
    BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 2, 1});
}

Bytes Save(CBowlingDoc& doc)
{
    Bytes bytes;
    doc.SaveToBytes(bytes);
    return bytes;
}

// How a refusal names the small league's first match's teams and its first bowler, and the
// number of its membership types.
std::tuple<std::string, std::string, std::string, int> SmallLeagueNames()
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    const CFixture* first = doc.FindFixtureByRoundMatch(1, 1);
    const CPlayer* bowler = static_cast<const CPlayer*>(doc.m_listPlayers.GetHead());
    return {first->m_pTeamA->m_strName.GetString(), first->m_pTeamB->m_strName.GetString(),
            "bowler " + std::to_string(bowler->m_nPlayerNo) + " (" + bowler->m_strName.GetString() + ")",
            static_cast<int>(doc.m_arrMembershipTypes.GetSize())};
}

class CorruptFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BuildSmallLeague(reference);
        good = Save(reference);
        CString error;
        ASSERT_TRUE(open.LoadFromBytes(good, "open.lgf", error)) << error.GetString();
        // Something that the open league's display holds on to.
        open.m_listDisplayItems.AddTail(new CTeam("display", 1));
        firstTeam = open.m_listTeams.GetHead();
    }

    // A refused load names the file and leaves the open league as it was, objects and all.
    void ExpectRefused(const Bytes& bytes, const char* pszReasonPart = nullptr)
    {
        CString error;
        ASSERT_FALSE(open.LoadFromBytes(bytes, "damaged.lgf", error));
        EXPECT_NE(error.Find("\"damaged.lgf\""), -1) << error.GetString();
        if (pszReasonPart) {
            EXPECT_NE(error.Find(pszReasonPart), -1) << error.GetString();
        }
        EXPECT_EQ(open.m_listTeams.GetHead(), firstTeam);
        EXPECT_EQ(open.m_listDisplayItems.GetCount(), 1);
    }

    CBowlingDoc reference;
    CBowlingDoc open;
    Bytes good;
    CObject* firstTeam = nullptr;
};

} // namespace

TEST_F(CorruptFileTest, FilesThatAreRefusedWithTheirReason)
{
    ExpectRefused(Bytes{}, "empty");
    Bytes bytes = good;
    bytes[0] = LEAGUE_FILE_NEWEST + 1;
    ExpectRefused(bytes, "newer version");
    bytes[0] = 0;
    ExpectRefused(bytes, "not a league file");

    // A class this program does not know.
    bytes = good;
    const std::string name = "CTeam";
    auto it = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(it, bytes.end());
    it[1] = 'X';
    ExpectRefused(bytes, "unknown class \"CXeam\"");

    bytes = good;
    bytes.push_back(0);
    ExpectRefused(bytes, "goes on after the end");

    // A match of a team the league does not hold.
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    static_cast<CFixture*>(doc.m_listFixtures.GetTail())->m_nTeamB = 9;
    ExpectRefused(Save(doc), "team 9");

    EXPECT_TRUE(open.IsSameLeague(reference));
}

TEST_F(CorruptFileTest, TextAndRandomBytesAreNoLeagueFileButANewerLeagueIs)
{
    auto text = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
    std::mt19937 rng(77);
    for (int i = 0; i < 20; ++i) {
        Bytes noise(300);
        for (BYTE& b : noise)
            b = static_cast<BYTE>(rng());
        ExpectRefused(noise, "not a league file of this program");
    }
    // 'T' and 'L' read as file versions 84 and 76.
    ExpectRefused(text("To the league secretary,\nthe lanes are booked.\n"), "not a league file of this program");
    ExpectRefused(text("League notes\r\nWeek 1\r\n"), "not a league file of this program");
    ExpectRefused(text("\x50\x01\x02"), "not a league file of this program");

    // A real league under a version this program does not know yet; cut inside its header texts
    // nothing shows it to be one.
    Bytes newer = good;
    newer[0] = 84;
    ExpectRefused(newer, "written by a newer version");
    ExpectRefused(Bytes(newer.begin(), newer.begin() + 200), "written by a newer version");
    ExpectRefused(Bytes(newer.begin(), newer.begin() + 12), "not a league file of this program");
    EXPECT_TRUE(open.IsSameLeague(reference));
}

TEST_F(CorruptFileTest, EveryCutOfTheFileIsRefused)
{
    for (size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        CString error;
        ASSERT_FALSE(open.LoadFromBytes(cut, "damaged.lgf", error)) << "cut at " << n;
        ASSERT_NE(error.Find("damaged.lgf"), -1);
    }
    EXPECT_EQ(open.m_listTeams.GetHead(), firstTeam);
    EXPECT_TRUE(open.IsSameLeague(reference));
}

TEST_F(CorruptFileTest, ChangedBytesLoadToTheMessageOrToAValidLeague)
{
    std::mt19937 rng(4242);
    std::uniform_int_distribution<size_t> where(0, good.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    CBowlingDoc doc;
    CString error;
    ASSERT_TRUE(doc.LoadFromBytes(good, "good.lgf", error));
    int nRefused = 0, nLoaded = 0;
    for (int trial = 0; trial < 1000; ++trial) {
        Bytes bytes = good;
        int nChanges = 1 + trial % 3;
        for (int i = 0; i < nChanges; ++i)
            bytes[where(rng)] = static_cast<BYTE>(value(rng));
        if (doc.LoadFromBytes(bytes, "damaged.lgf", error)) {
            // A league that loads is whole: it saves, and loads again to the same league.
            ++nLoaded;
            Bytes again = Save(doc);
            CBowlingDoc second;
            ASSERT_TRUE(second.LoadFromBytes(again, "again.lgf", error)) << error.GetString();
            ASSERT_TRUE(second.IsSameLeague(doc));
            ASSERT_TRUE(doc.LoadFromBytes(good, "good.lgf", error));
        } else {
            ++nRefused;
            ASSERT_NE(error.Find("\"damaged.lgf\""), -1);
            ASSERT_TRUE(doc.IsSameLeague(reference)) << error.GetString();
        }
    }
    EXPECT_GT(nRefused, 0);
    EXPECT_GT(nLoaded, 0);
}

// What cannot be a league is refused before a byte is read: a pipe would wait for ever, a
// folder or device is no file, and gigabytes are no league.
TEST_F(CorruptFileTest, WhatCannotBeALeagueIsRefusedBeforeReading)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe.lgf"), folder = dir.File("folder.lgf");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(folder);
    auto sparse = [&](const char* name, off_t size) {
        std::string path = dir.File(name);
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
        EXPECT_EQ(::ftruncate(fd, size), 0);
        ::close(fd);
        return path;
    };
    const struct
    {
        std::string path;
        const char* pszReason;
    } cases[] = {
        {pipe, "is not a file that can be read (it is a folder, a device or a pipe)"},
        {folder, "is not a file that can be read"},
        {"/dev/zero", "is not a file that can be read"},
        {sparse("big.lgf", off_t(3) << 30), "It is 3.0 GB, far larger than any league file can be."},
        {sparse("huge.lgf", off_t(5) << 30), "It is 5.0 GB, far larger than any league file can be."},
    };
    for (const auto& c : cases) {
        CString error;
        EXPECT_FALSE(open.LoadFromFile(c.path.c_str(), error)) << c.path;
        EXPECT_NE(error.Find(("The league file \"" + c.path + "\" cannot be opened.").c_str()), -1) << error.GetString();
        EXPECT_NE(error.Find(c.pszReason), -1) << error.GetString();
    }
    EXPECT_EQ(open.m_listTeams.GetHead(), firstTeam);
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// Every value that reaches arithmetic is held to what its dialog allows; the message names it.
TEST_F(CorruptFileTest, ValuesBeyondTheirDialogsAreRefusedNamingTheField)
{
    auto firstMatch = [](CBowlingDoc& d) { return static_cast<CFixture*>(d.m_listFixtures.GetHead()); };
    const struct
    {
        const char* pszField;
        std::function<void(CBowlingDoc&)> damage;
    } cases[] = {
        {"a maximum of handicap match points of 2147483647",
         [](CBowlingDoc& d) { d.m_nMaxHandicapPoints = INT_MAX; }},
        {"a maximum of scratch match points of -1", [](CBowlingDoc& d) { d.m_nMaxScratchPoints = -1; }},
        {"a handicap points adjustment of 2147483647",
         [&](CBowlingDoc& d) { firstMatch(d)->m_nHandicapAdjust[1] = INT_MAX; }},
        {"a scratch points adjustment of -500000", [&](CBowlingDoc& d) { firstMatch(d)->m_nScratchAdjust[0] = -500000; }},
        {"a game score of 301", [&](CBowlingDoc& d) { firstMatch(d)->m_nScore[0][0] = 301; }},
        {"a substitute's game score of 65535", [&](CBowlingDoc& d) { firstMatch(d)->m_nPacerScore[1][2] = 65535; }},
        {"a game handicap of -2147483648", [&](CBowlingDoc& d) { firstMatch(d)->m_nHandicap[1][5] = INT_MIN; }},
        {"a match's pyramid points of 2000000000",
         [&](CBowlingDoc& d) { firstMatch(d)->m_nHandicapPyramidPoints[0] = 2000000000; }},
        {"a match average of 65536", [&](CBowlingDoc& d) { firstMatch(d)->m_nAverage[2][9] = 65536; }},
        {"a team handicap of -2147483648", [&](CBowlingDoc& d) { firstMatch(d)->m_nTeamHandicap[1][4] = 0x80000000u; }},
        {"a bowler's membership type of 200",
         [](CBowlingDoc& d) { static_cast<CPlayer*>(d.m_listPlayers.GetHead())->m_nMembershipType = 200; }},
        {"a handicap percentage of 151", [](CBowlingDoc& d) { d.m_HcpRule[2].m_nPercent = 151; }},
        {"a handicap basis of 301", [](CBowlingDoc& d) { d.m_HcpRule[1].m_nBasis = 301; }},
        {"a minimum handicap of -101", [](CBowlingDoc& d) { d.m_HcpRule[0].m_nMin = -101; }},
        // The scoring dialogs take up to 125 (99 for the handicap series) whole points, kept as half points.
        {"team points for a game of 251", [](CBowlingDoc& d) { d.m_ScrPoints.m_nTeamGame[3] = 251; }},
        {"individual points for the series of 199", [](CBowlingDoc& d) { d.m_HcpPoints.m_nIndividualSeries = 199; }},
    };
    for (const auto& c : cases) {
        CBowlingDoc doc;
        BuildSmallLeague(doc);
        c.damage(doc);
        ExpectRefused(Save(doc), c.pszField);
    }
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// The largest values that pass, in more matches than a season holds: the points are worked
// without overflow (the sanitizers would stop the test) and a total stays at an int's end.
TEST_F(CorruptFileTest, ValuesAtTheirLimitsAreScoredWithoutOverflow)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    doc.m_nMaxHandicapPoints = doc.m_nMaxScratchPoints = 9999;
    doc.m_Petersen.m_bHandicap = doc.m_Petersen.m_bScratch = 1;  // points in hundredths
    auto* pPlayed = static_cast<CFixture*>(doc.m_listFixtures.GetHead());
    ASSERT_TRUE(pPlayed->m_bPlayed[0] && pPlayed->m_bPlayed[1]);
    pPlayed->m_nTeamB = pPlayed->m_nTeamA;
    for (int s = 0; s < 2; ++s)
        pPlayed->m_nHandicapAdjust[s] = pPlayed->m_nScratchAdjust[s] = 9999 * 50;
    pPlayed->m_nScore[0][0] = 300;
    for (int i = 0; i < 2200; ++i)
        doc.m_listFixtures.AddTail(new CFixture(*pPlayed));
    CString error;
    CBowlingDoc loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(Save(doc), "limits.lgf", error)) << error.GetString();
    const CTeam* pTeam = loaded.FindTeam(pPlayed->m_nTeamA);
    ASSERT_NE(pTeam, nullptr);
    EXPECT_EQ(pTeam->m_nPointsWon[PASS_HANDICAP], INT_MAX);

    // The vacancy and blind rules take any figure their fields hold: worked without overflow,
    // a game's figure held to its field, a handicap to what a rule can give.
    for (CRobot& r : loaded.m_Robot)
        r.m_nPercent = r.m_nPins = r.m_nFlatHandicap = r.m_nFlatScore = UINT_MAX;
    for (CBlindScore& b : loaded.m_BlindScore) {
        b.m_nPercent = b.m_nStep = 0xFFFF;
        b.m_nHandicapAdjust = b.m_nFlatHandicap = INT_MAX;
    }
    auto* f = static_cast<CFixture*>(loaded.m_listFixtures.GetHead());
    for (int k = 0; k < SLOTS_PER_GAME; ++k)
        f->m_nAverage[0][k] = 0xFFFF;
    for (BYTE nKind = CRobot::kindFlatScore; nKind <= CRobot::kindOpponentsScore; ++nKind)
        for (BYTE nMethod = CBlindScore::methodFlat; nMethod <= CBlindScore::methodIncremental; ++nMethod) {
            for (CRobot& r : loaded.m_Robot)
                r.m_nKind = nKind;
            for (CBlindScore& b : loaded.m_BlindScore)
                b.m_nMethod = b.m_nHandicapMethod = std::min<BYTE>(nMethod, CBlindScore::hcpOpponents);
            for (int s = 0; s < 2; ++s)
                for (int p = 0; p < f->m_nPlayers; ++p)
                    for (BYTE nDefaulted : {0, 1}) {
                        EXPECT_LE(loaded.CalcBlindScore(f, s, p, 0, nDefaulted), 0xFFFF);
                        EXPECT_LE(std::abs(loaded.CalcBlindHandicap(f, s, p, 0, nDefaulted)), 98302);
                    }
        }
}

// The points a match wins are worked out again by the recalculation after every read: beyond
// anything a match can score they are no reason to refuse the league. They are made again,
// and one notice names the matches.
TEST_F(CorruptFileTest, WorkedPointsNoMatchCanScoreAreMadeAgainWithOneNotice)
{
    // Three rounds, the first bowled: rounds 1 and 2 are worked out, round 3 is still to come.
    CBowlingDoc doc, undamaged, loaded;
    BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 3, 1});
    ASSERT_EQ(doc.m_nCurrentRound, 2);
    CString error;
    ASSERT_TRUE(undamaged.LoadFromBytes(Save(doc), "good.lgf", error)) << error.GetString();
    doc.FindFixtureByRoundMatch(1, 1)->m_nHandicapMatchPoints[0] = 2000000000;
    doc.FindFixtureByRoundMatch(1, 2)->m_nHandicapTotals[1][MAX_GAMES] = INT_MIN;
    doc.FindFixtureByRoundMatch(1, 2)->m_wScratchBonus[0][6][1] = -1000000001;
    // The round to come loses them until it is bowled.
    doc.FindFixtureByRoundMatch(3, 1)->m_nScratchMatchPoints[1] = 1500000000;
    ASSERT_TRUE(loaded.LoadFromBytes(Save(doc), "damaged.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice,
              "In the league file \"damaged.lgf\" the points of round 1, match 1; round 1, match 2 and round 3, "
              "match 1 could not be right: they were worked out again from the scores. Save the league to keep them.");
    // As the undamaged league: the same stored points, the same standings.
    EXPECT_TRUE(loaded.IsSameLeague(undamaged));
    for (WORD t = 1; t <= 4; ++t)
        EXPECT_EQ(loaded.FindTeam(t)->m_nPointsWon[PASS_HANDICAP], undamaged.FindTeam(t)->m_nPointsWon[PASS_HANDICAP])
            << t;

    // Figures a match can score are no damage: no notice (the recalculation makes them anyway).
    doc.FindFixtureByRoundMatch(1, 1)->m_nHandicapMatchPoints[0] = 1000000000;
    doc.FindFixtureByRoundMatch(1, 2)->m_nHandicapTotals[1][MAX_GAMES] = 0;
    doc.FindFixtureByRoundMatch(1, 2)->m_wScratchBonus[0][6][1] = -1000000000;
    doc.FindFixtureByRoundMatch(3, 1)->m_nScratchMatchPoints[1] = 0;
    ASSERT_TRUE(loaded.LoadFromBytes(Save(doc), "damaged.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice, "");
    EXPECT_TRUE(loaded.IsSameLeague(undamaged));

    // Many at once: ten are named, the others counted.
    CBowlingDoc many;
    BuildSampleLeague(many, GetSampleLeagueShape(FALSE));
    std::string named;
    int nDamaged = 0;
    for (int r = 1; r <= 3; ++r)
        for (int m = 1; m <= 4; ++m) {
            many.FindFixtureByRoundMatch(r, m)->m_nScratchTotals[0][0] = INT_MAX;
            if (++nDamaged <= 10)
                named += (nDamaged > 1 ? "; round " : "round ") + std::to_string(r) + ", match " + std::to_string(m);
        }
    ASSERT_TRUE(loaded.LoadFromBytes(Save(many), "many.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice, "In the league file \"many.lgf\" the points of " + named +
                                          " and 2 more matches could not be right: they were worked out again from "
                                          "the scores. Save the league to keep them.");
}

// A refusal says where the value lies: the round and match (with the team, position and game),
// the bowler, the award category or the entry of a list.
TEST_F(CorruptFileTest, ARefusalNamesWhereTheValueLies)
{
    const auto [teamA, teamB, who, nMembershipTypes] = SmallLeagueNames();
    auto match = [](CBowlingDoc& d, int r, int m) { return d.FindFixtureByRoundMatch(r, m); };
    auto player = [](CBowlingDoc& d) { return static_cast<CPlayer*>(d.m_listPlayers.GetHead()); };
    const struct
    {
        std::string reason;
        std::function<void(CBowlingDoc&)> damage;
    } cases[] = {
        {"a game score of 301, outside 0 to 300, in round 1, match 1 (" + teamB + ", position 1, game 2).",
         [&](CBowlingDoc& d) { match(d, 1, 1)->m_nScore[1][CFixture::SlotOf(1, 0)] = 301; }},
        {"a team handicap of -2147483648, outside -1966040 to 1966040, in round 1, match 1 (" + teamA + ", series).",
         [&](CBowlingDoc& d) { match(d, 1, 1)->m_nTeamHandicap[0][MAX_GAMES] = 0x80000000u; }},
        {"a scratch points adjustment of -500000, outside -499950 to 499950, in round 1, match 1 (" + teamB + ").",
         [&](CBowlingDoc& d) { match(d, 1, 1)->m_nScratchAdjust[1] = -500000; }},
        {"a match with a number of bowlers of 9, outside 1 to 5, in round 2, match 1.",
         [&](CBowlingDoc& d) { match(d, 2, 1)->m_nPlayers = 9; }},
        {"Match 2 of round 2 refers to team 9", [&](CBowlingDoc& d) { match(d, 2, 2)->m_nTeamB = 9; }},
        {"a bowler's category of 7, outside 0 to 3, in " + who + ".",
         [&](CBowlingDoc& d) { player(d)->m_nCategory = 7; }},
        {"a bowler's membership type of 200, outside 0 to " + std::to_string(nMembershipTypes) +
             ", in " + who + ".",
         [&](CBowlingDoc& d) { player(d)->m_nMembershipType = 200; }},
        {"an award category kind of 9, outside 0 to 4, in award category 1 (",
         [](CBowlingDoc& d) { static_cast<CAwards*>(d.m_listAwards.GetTail())->m_nKind = 9; }},
        {"a bonus rule kind of 2, outside 0 to 1, in the bonus rules, entry 2.",
         [](CBowlingDoc& d) {
             d.m_listBonusPts.AddTail(new CBonusPts);
             auto* pRule = new CBonusPts;
             pRule->m_nKind = 2;
             d.m_listBonusPts.AddTail(pRule);
         }},
    };
    for (const auto& c : cases) {
        CBowlingDoc doc;
        BuildSmallLeague(doc);
        c.damage(doc);
        ExpectRefused(Save(doc), c.reason.c_str());
    }
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// Bowlers' details waiting for the player database open as they were saved; a damaged entry of
// them is refused naming the bowler, or the entry.
TEST_F(CorruptFileTest, DetailsWaitingForThePlayerDatabaseOpenAsSavedOrAreRefusedByBowler)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    auto* first = static_cast<CPlayer*>(doc.m_listPlayers.GetHead());
    auto* second = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(1)));
    DWORD dwKey = 7;
    for (CPlayer* p : {first, second}) {
        p->m_dwDbKey = dwKey++;
        p->m_pDbPending = std::make_unique<CDbPending>();
        p->m_pDbPending->m_dwDetails = 1u << SD_PHONE_HOME | 1u << SD_FLAGS;
        p->m_pDbPending->m_base.m_strPhoneHome = "0113 4960000";
        p->m_pDbPending->m_base.m_wFlags = PF_FEMALE;
    }
    const Bytes bytes = Save(doc);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION_LINKS);
    CBowlingDoc read;
    CString error;
    ASSERT_TRUE(read.LoadFromBytes(bytes, "waiting.lgf", error)) << error.GetString();
    EXPECT_TRUE(read.IsSameLeague(doc));
    ASSERT_NE(read.FindPlayer(second->m_nPlayerNo)->m_pDbPending, nullptr);
    EXPECT_EQ(read.FindPlayer(second->m_nPlayerNo)->m_pDbPending->m_base.m_wFlags, PF_FEMALE);

    // The second entry, last in its part: number 2, details 4, a phone of 12 letters 13 and when
    // it was typed 8, flags 2 and when 8; then no stamps, 2.
    const size_t nSecond = bytes.size() - 37 - 2;
    auto numbered = [&](WORD n) {
        Bytes b = bytes;
        b[nSecond] = static_cast<BYTE>(n), b[nSecond + 1] = static_cast<BYTE>(n >> 8);
        return b;
    };
    ASSERT_EQ(numbered(second->m_nPlayerNo), bytes);
    ExpectRefused(numbered(999),
                  "details waiting for the player database of bowler 999, whom the league does not hold.");
    ExpectRefused(numbered(first->m_nPlayerNo),
                  ("details waiting for the player database of " + std::string(first->GetFilePlace().GetString()) +
                   " twice.")
                      .c_str());
    second->m_pDbPending->m_dwDetails = 1u << SD_COUNT;
    ExpectRefused(Save(doc), "a mark of the details waiting of 2097152, outside 1 to 2097151, in the details "
                             "waiting for the player database, entry 2.");
    auto* third = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(2)));
    ExpectRefused(numbered(third->m_nPlayerNo), ("details waiting for the player database of " +
                                                 std::string(third->GetFilePlace().GetString()) +
                                                 ", who has no record there.")
                                                    .c_str());
    // A bowler whose record went keeps nothing waiting for it: the file opens.
    second->m_dwDbKey = 0;
    first->m_dwDbKey = 0;
    const Bytes unlinked = Save(doc);
    EXPECT_EQ(unlinked[0], LEAGUE_FILE_VERSION);
    ASSERT_TRUE(read.LoadFromBytes(unlinked, "unlinked.lgf", error)) << error.GetString();
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// The stamps of the bowlers' records open as they were saved, and a file of version 78 (details
// waiting without when they were typed, no stamps) still opens; a damaged stamp entry is refused
// naming the bowler or the entry.
TEST_F(CorruptFileTest, StampsOfTheBowlersRecordsOpenAsSavedOrAreRefusedByBowler)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    auto* first = static_cast<CPlayer*>(doc.m_listPlayers.GetHead());
    auto* second = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(1)));
    auto* third = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(2)));
    first->m_dwDbKey = 7;
    first->m_qwDbStamp = 0x0123456789ABCDEFull;
    second->m_dwDbKey = 8;  // an older file's link: no stamp, not listed
    third->m_dwDbKey = 9;
    third->m_qwDbStamp = 0xFEDCBA9876543210ull;
    const Bytes bytes = Save(doc);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION_LINKS);
    // No details waiting (2), then two stamps: count 2, and number 2 with stamp 8 each.
    ASSERT_EQ(bytes.size(), good.size() + 2 + 2 + 2 * 10);
    const size_t nStamps = bytes.size() - 2 - 20;
    EXPECT_EQ(Bytes(bytes.begin() + static_cast<long>(nStamps), bytes.begin() + static_cast<long>(nStamps) + 12),
              (Bytes{2, 0, static_cast<BYTE>(first->m_nPlayerNo), 0, 0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01}));
    CBowlingDoc read;
    CString error;
    ASSERT_TRUE(read.LoadFromBytes(bytes, "stamped.lgf", error)) << error.GetString();
    EXPECT_TRUE(read.IsSameLeague(doc));
    EXPECT_EQ(read.FindPlayer(third->m_nPlayerNo)->m_qwDbStamp, 0xFEDCBA9876543210ull);
    EXPECT_EQ(read.FindPlayer(second->m_nPlayerNo)->m_qwDbStamp, 0u);

    // The second stamp, last in the file: its bowler's number.
    const size_t nSecond = bytes.size() - 10;
    auto numbered = [&](WORD n) {
        Bytes b = bytes;
        b[nSecond] = static_cast<BYTE>(n), b[nSecond + 1] = static_cast<BYTE>(n >> 8);
        return b;
    };
    ASSERT_EQ(numbered(third->m_nPlayerNo), bytes);
    ExpectRefused(numbered(999), "the stamp of a player database record of bowler 999, whom the league does not hold.");
    ExpectRefused(numbered(first->m_nPlayerNo), ("the stamp of the player database record of " +
                                                 std::string(first->GetFilePlace().GetString()) + " twice.")
                                                    .c_str());
    auto* fourth = static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(3)));
    ExpectRefused(numbered(fourth->m_nPlayerNo), ("the stamp of a player database record of " +
                                                  std::string(fourth->GetFilePlace().GetString()) +
                                                  ", who has no record there.")
                                                     .c_str());

    // Version 78: the league as version 77 holds it, then the details waiting, no times, no stamps.
    Bytes old = good;
    old[0] = LEAGUE_FILE_VERSION_WAITING;
    const Bytes waiting{1, 0, static_cast<BYTE>(first->m_nPlayerNo), 0, 0x80, 0, 0, 0, 3, '1', '2', '3'};
    old.insert(old.end(), waiting.begin(), waiting.end());
    const Bytes unlinked = old;
    ExpectRefused(unlinked, "who has no record there.");
    // Linked in the body (its key at the start of the bowler's own bytes is the reference's 0):
    // the small league's first bowler made linked, saved as 77, then made version 78.
    CBowlingDoc linked;
    BuildSmallLeague(linked);
    static_cast<CPlayer*>(linked.m_listPlayers.GetHead())->m_dwDbKey = 7;
    Bytes v78 = Save(linked);
    ASSERT_EQ(v78[0], LEAGUE_FILE_VERSION);
    v78[0] = LEAGUE_FILE_VERSION_WAITING;
    v78.insert(v78.end(), waiting.begin(), waiting.end());
    ASSERT_TRUE(read.LoadFromBytes(v78, "v78.lgf", error)) << error.GetString();
    const CPlayer* p = read.FindPlayer(first->m_nPlayerNo);
    ASSERT_NE(p->m_pDbPending, nullptr);
    EXPECT_EQ(p->m_pDbPending->m_dwDetails, 1u << SD_PHONE_HOME);
    EXPECT_EQ(p->m_pDbPending->m_base.m_strPhoneHome, "123");
    EXPECT_EQ(p->m_pDbPending->m_nTyped[SD_PHONE_HOME], 0);
    EXPECT_EQ(p->m_qwDbStamp, 0u);
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// What the bowlers' copies were last in step with opens as saved, under version 80 and after the
// stamps: the database's identity, the record's time, and when the league typed each detail. A
// file of version 79 opens with none known; a damaged entry is refused naming the bowler or the
// entry, one cut short is cut short, and one ending where the part would start says so.
TEST_F(CorruptFileTest, WhatTheBowlersCopiesWereInStepWithOpensAsSavedOrIsRefused)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    auto nth = [&doc](int n) { return static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(n))); };
    CPlayer* first = nth(0);
    CPlayer* second = nth(1);
    first->m_dwDbKey = 7;
    first->m_qwDbStamp = 0x0123456789ABCDEFull;
    first->m_dbInStep.m_qwDatabase = 0x1122334455667788ull;
    first->m_dbInStep.m_nRecordTypedBy = 0x0000018C00000001ll;
    first->m_dbInStep.m_nTyped[SD_PHONE_HOME] = 0x0000018C00000002ll;
    first->m_dbInStep.m_nTyped[SD_FLAGS] = 0x0000018C00000003ll;
    second->m_dwDbKey = 8;  // in step with a database, nothing typed here
    second->m_dbInStep.m_qwDatabase = 0x1122334455667788ull;
    nth(2)->m_dwDbKey = 9;  // none known: not listed
    const Bytes bytes = Save(doc);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION_IN_STEP);
    // Nothing waiting (2), one stamp (2 + 10), then the part: a count and two entries, the first
    // with two times.
    const size_t nPart = 2 + (2 + 8 + 8 + 4 + 2 * 8) + (2 + 8 + 8 + 4);
    ASSERT_EQ(bytes.size(), good.size() + 2 + 12 + nPart);
    const BYTE n1 = static_cast<BYTE>(first->m_nPlayerNo), n2 = static_cast<BYTE>(second->m_nPlayerNo);
    const Bytes part{2, 0,
                     n1, 0, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 1, 0, 0, 0, 0x8C, 1, 0, 0,
                     0x80, 0, 0x10, 0, 2, 0, 0, 0, 0x8C, 1, 0, 0, 3, 0, 0, 0, 0x8C, 1, 0, 0,
                     n2, 0, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(bytes.end() - static_cast<long>(nPart), bytes.end()), part);
    CBowlingDoc read;
    CString error;
    ASSERT_TRUE(read.LoadFromBytes(bytes, "marked.lgf", error)) << error.GetString();
    EXPECT_TRUE(read.IsSameLeague(doc));
    EXPECT_EQ(read.FindPlayer(first->m_nPlayerNo)->m_dbInStep, first->m_dbInStep);
    EXPECT_EQ(read.FindPlayer(nth(2)->m_nPlayerNo)->m_dbInStep, CDbInStep());

    // The second entry, last in the file: its bowler's number, and its detail bits.
    const size_t nSecond = bytes.size() - 22;
    auto numbered = [&](WORD n) {
        Bytes b = bytes;
        b[nSecond] = static_cast<BYTE>(n), b[nSecond + 1] = static_cast<BYTE>(n >> 8);
        return b;
    };
    ASSERT_EQ(numbered(second->m_nPlayerNo), bytes);
    ExpectRefused(numbered(999), "The file holds what the copy of bowler 999 was last in step with in the player "
                                 "database, but the league does not hold that bowler.");
    ExpectRefused(numbered(first->m_nPlayerNo), ("what the copy of " + std::string(first->GetFilePlace().GetString()) +
                                                 " was last in step with in the player database twice.")
                                                    .c_str());
    ExpectRefused(numbered(nth(3)->m_nPlayerNo), ("what the copy of " + std::string(nth(3)->GetFilePlace().GetString()) +
                                                  " was last in step with in the player database, but the bowler has "
                                                  "no record there.")
                                                     .c_str());
    Bytes bits = bytes;
    bits[bytes.size() - 2] = 0x20;  // bit 21, after the last detail
    ExpectRefused(bits, "a mark of the details typed of 2097152, outside 0 to 2097151, in the marks of the bowlers' "
                        "copies of their records, entry 2.");
    // A time no clock gives (before 1970) is not known.
    Bytes early = bytes;
    early[bytes.size() - 4 - 1] = 0x80;  // the second entry's record time, its top byte
    ASSERT_TRUE(read.LoadFromBytes(early, "early.lgf", error)) << error.GetString();
    EXPECT_EQ(read.FindPlayer(second->m_nPlayerNo)->m_dbInStep.m_nRecordTypedBy, 0);

    // A mark of the last entry damaged to say a typed time follows reads as a cut inside it: both
    // are said.
    const char* pszEndsInside = "The file ends inside entry 2 of 2 in the marks of the bowlers' copies of their "
                                "records: the entry is damaged, or the file is cut short there.";
    Bytes more = bytes;
    more[bytes.size() - 4] = 0x01;  // detail 0 typed, its time wanted
    ExpectRefused(more, pszEndsInside);

    // Cut inside the part, or where it would start.
    ExpectRefused(Bytes(bytes.begin(), bytes.end() - 1), pszEndsInside);
    CString said;
    ASSERT_FALSE(open.LoadFromBytes(Bytes(bytes.begin(), bytes.end() - static_cast<long>(nPart)), "damaged.lgf", said));
    EXPECT_EQ(said, "The league file \"damaged.lgf\" cannot be opened. Its file version, 80, says that what the "
                    "copies of the league's bowlers were last in step with in the player database follows the "
                    "league, but the file ends before it: its version is damaged, or the file is cut short there.");
    // Without the marks the league is written as before, in version 79, and opens with none known.
    for (CPlayer* p : {first, second})
        p->m_dbInStep = CDbInStep();
    const Bytes v79 = Save(doc);
    ASSERT_EQ(v79[0], LEAGUE_FILE_VERSION_LINKS);
    EXPECT_TRUE(std::equal(v79.begin() + 1, v79.end(), bytes.begin() + 1));
    ASSERT_TRUE(read.LoadFromBytes(v79, "v79.lgf", error)) << error.GetString();
    EXPECT_EQ(read.FindPlayer(first->m_nPlayerNo)->m_dbInStep, CDbInStep());
    EXPECT_EQ(read.FindPlayer(first->m_nPlayerNo)->m_qwDbStamp, 0x0123456789ABCDEFull);
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// What the program lets a league hold it opens again: every value at the limit of its dialog or
// of the loader, saved, opened, and saved and opened once more.
TEST_F(CorruptFileTest, ALeagueAtEveryLimitSavedOpensAgain)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    // The scoring dialogs' most (125 whole points a game, 99 or 125 for the series), kept as
    // half points, with pinfall points at a pin a point and bonus rules at their most.
    for (CPointsRule* pRule : {&doc.m_HcpPoints, &doc.m_ScrPoints}) {
        pRule->m_bIndividual = pRule->m_bTeam = 1;
        for (int g = 0; g < 4; ++g)
            pRule->m_nIndividualGame[g] = pRule->m_nTeamGame[g] = 250;
        pRule->m_nIndividualSeries = pRule->m_nTeamSeries = pRule == &doc.m_HcpPoints ? 198 : 250;
    }
    doc.m_Petersen.m_bHandicap = doc.m_Petersen.m_bScratch = 1;
    for (int p = 0; p < 2; ++p)
        for (int c = 0; c < 5; ++c) {
            doc.m_Petersen.m_bColumn[p][c] = 1;
            doc.m_Petersen.m_nPinsPerPoint[p][c] = 1;
        }
    for (int i = 0; i < 8; ++i) {
        auto* pBonus = new CBonusPts;
        pBonus->m_nPoints = 255;
        pBonus->m_nPins = 0;
        pBonus->m_wCategoryMask = 0xFFFF;
        doc.m_listBonusPts.AddTail(pBonus);
    }
    doc.m_bBonusHiTeamGameHcp = doc.m_bBonusHiTeamGameScr = 1;
    doc.m_nBonusHiTeamGameHcpPts = doc.m_nBonusHiTeamGameScrPts = 255;
    doc.UpdateMaxMatchPoints();
    ASSERT_EQ(doc.m_nMaxHandicapPoints, 9999);  // the rules would give more: the league keeps its most
    // The handicap rules at their most, and every figure of a played match at the loader's.
    doc.m_HcpRule[0].m_nPercent = 150;
    doc.m_HcpRule[0].m_nBasis = doc.m_HcpRule[0].m_nMax = 65535;
    doc.m_HcpRule[0].m_nMin = -100;
    doc.m_HcpRule[1].m_nBasis = doc.m_HcpRule[1].m_nMax = doc.m_HcpRule[1].m_nMin = 300;
    doc.m_nDividerIndex = SCORE_THRESHOLD_COUNT;
    CFixture* f = doc.FindFixtureByRoundMatch(1, 1);
    ASSERT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
    for (int g = 0; g < MAX_GAMES; ++g)
        for (int k = 0; k < SLOTS_PER_GAME; ++k) {
            f->m_nScore[g][k] = 300;
            f->m_nPacerScore[g][k] = 300;
            f->m_nHandicap[g][k] = kMaxHandicap;
            f->m_nPacerHandicap[g][k] = -kMaxHandicap;
            f->m_nAverage[g][k] = 0xFFFF;
        }
    for (int s = 0; s < 2; ++s) {
        for (int c = 0; c <= MAX_GAMES; ++c) {
            f->m_nTeamHandicap[s][c] = MAX_GAMES * MAX_POSITIONS * kMaxHandicap;
            f->m_nTeamAverage[s][c] = MAX_GAMES * MAX_POSITIONS * 0xFFFFu;
        }
        // The points adjustment dialog's most: the league's most match points, in hundredths.
        f->m_nHandicapAdjust[s] = f->m_nScratchAdjust[s] = 9999 * 50;
        f->m_nHandicapPyramidPoints[s] = f->m_nScratchPyramidPoints[s] = -9999 * 50;
    }
    doc.m_bTeamHandicaps = 1;

    CString error;
    CBowlingDoc opened, again;
    ASSERT_TRUE(opened.LoadFromBytes(Save(doc), "limits.lgf", error)) << error.GetString();
    const CFixture* g = opened.FindFixtureByRoundMatch(1, 1);
    // The adjustment and the points won over it pass the adjustment's limit.
    EXPECT_GT(g->m_nHandicapMatchPoints[0], 9999 * 50);
    ASSERT_TRUE(again.LoadFromBytes(Save(opened), "limits.lgf", error)) << error.GetString();
    EXPECT_EQ(opened.m_strReadNotice + again.m_strReadNotice, "");
    EXPECT_TRUE(again.IsSameLeague(opened));
}

// A league file whose start is damaged is called damaged, not something else; a misread that
// starts at a damaged font name is met at the font.
TEST_F(CorruptFileTest, ADamagedHeaderOrFontNameIsReportedAsSuch)
{
    Bytes bytes = good;
    bytes[1] = static_cast<BYTE>(bytes[1] + 20);  // the league name runs into the texts after it
    ExpectRefused(bytes, "It is damaged: the league details at its start");
    bytes = good;
    bytes[1] = 0xFF;  // a long form the program never writes for a name
    ExpectRefused(bytes, "It is damaged: the league details at its start");

    const std::string arial = "\x05" "Arial";
    int nFonts = 0;
    for (auto it = std::search(good.begin(), good.end(), arial.begin(), arial.end()); it != good.end();
         it = std::search(it + 1, good.end(), arial.begin(), arial.end()), ++nFonts)
        for (BYTE nLength : {0, 3, 4, 9}) {
            bytes = good;
            bytes[static_cast<size_t>(it - good.begin())] = nLength;
            CString error;
            ASSERT_FALSE(open.LoadFromBytes(bytes, "damaged.lgf", error)) << nFonts << " " << int(nLength);
            ASSERT_EQ(error.Find("multiple prize rules"), -1) << error.GetString();
            // A name cut to nothing leaves letters for the colour, one made longer takes in the
            // colour's zero bytes, or runs the file's last font past its end: both are met at
            // once. A name cut by a letter or two may read on as a font a little further.
            if (nLength == 0 || nLength == 9) {
                ASSERT_NE(error.Find("report font"), -1) << nFonts << " " << int(nLength) << " " << error.GetString();
            }
        }
    EXPECT_GT(nFonts, 100);
    EXPECT_TRUE(open.IsSameLeague(reference));
}

namespace {

// Where each Arial report font of a file lies: the offset of its name's length byte; its
// colour follows the five letters.
std::vector<size_t> ArialFonts(const Bytes& bytes)
{
    const std::string arial = "\x05" "Arial";
    std::vector<size_t> at;
    for (auto it = std::search(bytes.begin(), bytes.end(), arial.begin(), arial.end()); it != bytes.end();
         it = std::search(it + 1, bytes.end(), arial.begin(), arial.end()))
        at.push_back(static_cast<size_t>(it - bytes.begin()));
    return at;
}

// The place a one-font notice names: "... the report font of <place> was damaged ...".
std::string MendedFontPlace(const CString& notice)
{
    const std::string text = notice.GetString(), before = "the report font of ", after = " was damaged:";
    const size_t a = text.find(before), b = text.find(after);
    if (a == std::string::npos || b == std::string::npos)
        return "";
    return text.substr(a + before.size(), b - a - before.size());
}

} // namespace

// A damaged byte that leaves a font's read in step is mended: the colour keeps its three colour
// bytes, a name that is no typed text falls back to the default face; one notice names the
// font. A damaged name length, which puts the read out of step, is refused naming the same font.
TEST_F(CorruptFileTest, AFontDamagedInStepIsMendedAndOneWithADamagedNameLengthIsRefusedByName)
{
    const std::vector<size_t> fonts = ArialFonts(good);
    ASSERT_GT(fonts.size(), 100u);
    std::set<std::string> places;
    for (size_t i = 0; i < fonts.size(); ++i) {
        const size_t at = fonts[i];
        CBowlingDoc loaded;
        CString error;
        std::string place;
        for (const auto& [nOffset, nByte, pszMend] :
             {std::tuple{9, 0x01, " (its colour)"}, std::tuple{3, 0x09, " (its name, now Arial)"}}) {
            Bytes bytes = good;
            bytes[at + nOffset] = static_cast<BYTE>(nByte);
            ASSERT_TRUE(loaded.LoadFromBytes(bytes, "damaged.lgf", error)) << i << " " << error.GetString();
            const std::string named = MendedFontPlace(loaded.m_strReadNotice);
            ASSERT_NE(named.find(pszMend), std::string::npos) << loaded.m_strReadNotice.GetString();
            EXPECT_EQ(loaded.m_strReadNotice, ("In the league file \"damaged.lgf\" the report font of " + named +
                                               " was damaged: it was mended. Save the league to keep it.")
                                                  .c_str());
            place = named.substr(0, named.size() - std::strlen(pszMend));
            // Mended as it was: the league saves to the undamaged bytes.
            ASSERT_EQ(Save(loaded), good) << place;
        }
        places.insert(place);

        // The name takes in the colour's zero bytes; the file's last font runs past its end.
        Bytes bytes = good;
        bytes[at] = 9;
        ASSERT_FALSE(open.LoadFromBytes(bytes, "damaged.lgf", error));
        EXPECT_NE(error.Find(("a report font whose name's length is damaged, in " + place + ".").c_str()), -1)
            << error.GetString();
    }
    // A file cut in its last font's name is cut short: no length of the name reads a whole font.
    const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(fonts.back() + 3));
    CString error;
    ASSERT_FALSE(open.LoadFromBytes(cut, "damaged.lgf", error));
    EXPECT_NE(error.Find("The file is cut short"), -1) << error.GetString();
    // Every font is named apart from the others, by its table entry or report (the layouts'
    // fonts are named in the report tests).
    EXPECT_EQ(places.size(), fonts.size());
    for (const char* pszPlace : {"the report title", "the current layout's title",
                                 "the report font table, entry 1", "the report font table, entry 100",
                                 "the junior reports' stats detail", "the venue report's heading"})
        EXPECT_EQ(places.count(pszPlace), 1u) << pszPlace;
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// The fonts of the sample league as a secretary would meet them: a face of its own falls back to
// the default face, and two mended fonts share one notice.
TEST_F(CorruptFileTest, TwoMendedFontsShareOneNoticeAndAFaceFallsBackToTheDefault)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_fontReportTitle.m_strFaceName = "Georgia";
    doc.m_DefaultFonts[2].m_strFaceName = "Courier New";
    doc.m_DefaultFonts[2].m_crColour = RGB(128, 0, 0);
    Bytes bytes = Save(doc);
    auto find = [&](const std::string& s) { return std::search(bytes.begin(), bytes.end(), s.begin(), s.end()); };
    find("\x07" "Georgia")[3] = 0x09;
    find("\x0B" "Courier New")[12 + 3] = 0x40;
    CBowlingDoc loaded;
    CString error;
    ASSERT_TRUE(loaded.LoadFromBytes(bytes, "sample.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice,
              "In the league file \"sample.lgf\" the report fonts of the report title (its name, now Arial) and "
              "the report font table, entry 3 (its colour) were damaged: they were mended. Save the league to keep "
              "them.");
    EXPECT_EQ(loaded.m_fontReportTitle.m_strFaceName, "Arial");
    EXPECT_EQ(loaded.m_DefaultFonts[2].m_crColour, RGB(128, 0, 0));
    EXPECT_EQ(loaded.m_DefaultFonts[2].m_strFaceName, "Courier New");
}

// A colour's fourth byte damaged leaves the read in step whatever the colour: black, one the
// font dialog offers whose every byte is a letter or sign, white; the fourth byte a letter, a
// blank, a control character or a high one. Every font opens with its colour and face and one
// notice, and saves back to the undamaged bytes; its name's length cut by 1 to 3 is refused
// naming it, not the font read after it.
TEST_F(CorruptFileTest, AFontOfAnyColourDamagedInItsFourthColourByteKeepsItsColourAndFace)
{
    const std::vector<size_t> fonts = ArialFonts(good);
    ASSERT_GT(fonts.size(), 100u);
    const BYTE colours[][3] = {{0, 0, 0}, {100, 100, 100}, {255, 255, 255}};
    for (size_t i = 0; i < fonts.size(); ++i) {
        const size_t at = fonts[i];  // the name's length; the colour follows the five letters
        for (const auto& colour : colours) {
            SCOPED_TRACE(testing::Message() << "font " << i << ", colour " << int(colour[0]));
            Bytes undamaged = good;
            std::copy(colour, colour + 3, undamaged.begin() + at + 6);
            CBowlingDoc loaded;
            CString error;
            ASSERT_TRUE(loaded.LoadFromBytes(undamaged, "good.lgf", error)) << error.GetString();
            EXPECT_TRUE(loaded.m_strReadNotice.IsEmpty()) << loaded.m_strReadNotice.GetString();
            ASSERT_EQ(Save(loaded), undamaged);

            std::string place;
            for (BYTE nFourth : {0x41, 0x20, 0x07, 0xC8}) {
                Bytes bytes = undamaged;
                bytes[at + 9] = nFourth;
                ASSERT_TRUE(loaded.LoadFromBytes(bytes, "damaged.lgf", error)) << int(nFourth) << error.GetString();
                place = MendedFontPlace(loaded.m_strReadNotice);
                EXPECT_EQ(loaded.m_strReadNotice, ("In the league file \"damaged.lgf\" the report font of " + place +
                                                   " was damaged: it was mended. Save the league to keep it.")
                                                      .c_str());
                ASSERT_EQ(Save(loaded), undamaged) << int(nFourth);
            }
            ASSERT_EQ(place.size() > 13 ? place.substr(place.size() - 13) : "", " (its colour)");
            place.resize(place.size() - 13);
            for (BYTE nCut : {1, 2, 3}) {
                Bytes bytes = undamaged;
                bytes[at] = static_cast<BYTE>(5 - nCut);
                ASSERT_FALSE(open.LoadFromBytes(bytes, "damaged.lgf", error)) << int(nCut);
                EXPECT_NE(error.Find(("a report font whose name's length is damaged, in " + place + ".").c_str()), -1)
                    << int(nCut) << " " << error.GetString();
            }
        }
    }
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// The sample league as the secretary meets it: the report title in grey, RGB(100, 100, 100),
// damaged in its colour's fourth byte, opens grey in its own face; its face's length cut by one
// is refused naming the report title.
TEST_F(CorruptFileTest, TheSampleLeaguesGreyReportTitleDamagedInItsColourOpensGrey)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_fontReportTitle.m_strFaceName = "Georgia";
    doc.m_fontReportTitle.m_bBold = 1;
    const Bytes undamaged = Save(doc);
    Bytes bytes = undamaged;
    const std::string face = "\x07" "Georgia";
    const size_t at = static_cast<size_t>(std::search(bytes.begin(), bytes.end(), face.begin(), face.end()) - bytes.begin());
    ASSERT_LT(at, bytes.size());
    for (size_t i = 0; i < 3; ++i)
        bytes[at + 8 + i] = 0x64;
    const Bytes grey = bytes;
    bytes[at + 11] = 0x41;
    CBowlingDoc loaded;
    CString error;
    ASSERT_TRUE(loaded.LoadFromBytes(bytes, "sample.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice, "In the league file \"sample.lgf\" the report font of the report title (its "
                                      "colour) was damaged: it was mended. Save the league to keep it.");
    EXPECT_EQ(loaded.m_fontReportTitle.m_crColour, RGB(100, 100, 100));
    EXPECT_EQ(loaded.m_fontReportTitle.m_strFaceName, "Georgia");
    EXPECT_EQ(loaded.m_fontReportTitle.m_bBold, 1);
    EXPECT_EQ(Save(loaded), grey);

    bytes = grey;
    bytes[at] = 6;
    EXPECT_FALSE(loaded.LoadFromBytes(bytes, "sample.lgf", error));
    EXPECT_EQ(error, "The league file \"sample.lgf\" cannot be opened. The file holds a report font whose name's "
                     "length is damaged, in the report title.");
}

// Every figure the loader checks, set out of its range in a file: a figure the recalculation
// after the read makes again (a match's worked points, a bowler's handicap) and a font whose
// read stays in step are remade, with the notice; any other is refused, naming where it lies.
TEST_F(CorruptFileTest, EachStoredFigureOutOfRangeIsRefusedWithItsPlaceOrRemadeWithANotice)
{
    const auto [teamA, teamB, who, nMembershipTypes] = SmallLeagueNames();
    const std::string match11 = "round 1, match 1 (";
    const int nRounds = [] {
        CBowlingDoc d;
        BuildSmallLeague(d);
        return static_cast<int>(d.m_nRounds);
    }();
    const std::string splitStart = std::to_string(nRounds + 1);
    auto match = [](CBowlingDoc& d) { return d.FindFixtureByRoundMatch(1, 1); };
    auto player = [](CBowlingDoc& d) { return static_cast<CPlayer*>(d.m_listPlayers.GetHead()); };
    const int kA = CFixture::SlotOf(0, 1), kB = CFixture::SlotOf(1, 0);
    enum Outcome { refused, remade };
    const struct
    {
        Outcome outcome;
        std::string text;
        std::function<void(CBowlingDoc&)> damage;
    } cases[] = {
        // The league's settings; a split start kept for custom splits after the last round goes.
        {remade, "the season's split setting could not be used with its " + std::to_string(nRounds) +
                     " rounds: the split from round " + splitStart + " was removed.",
         [&](CBowlingDoc& d) { d.m_nCustomSplitStart[2] = static_cast<BYTE>(nRounds + 1); }},
        {refused, "a number of games per match of 5, outside 1 to 4.", [](CBowlingDoc& d) { d.m_nGamesPerMatch = 5; }},
        {refused, "a number of players per team of 0, outside 1 to 5.", [](CBowlingDoc& d) { d.m_nPlayersPerTeam = 0; }},
        {refused, "a number of divisions of 17, outside 0 to 16.", [](CBowlingDoc& d) { d.m_nDivisions = 17; }},
        {refused, "a handicap percentage of 151, outside 0 to 150.", [](CBowlingDoc& d) { d.m_HcpRule[0].m_nPercent = 151; }},
        {refused, "a maximum handicap of 301, outside 0 to 300.", [](CBowlingDoc& d) { d.m_HcpRule[3].m_nMax = 301; }},
        {refused, "a minimum handicap of 301, outside -100 to 300.", [](CBowlingDoc& d) { d.m_HcpRule[1].m_nMin = 301; }},
        {refused, "individual points for a game of 251, outside 0 to 250.",
         [](CBowlingDoc& d) { d.m_HcpPoints.m_nIndividualGame[0] = 251; }},
        {refused, "team points for the series of 251, outside 0 to 250.",
         [](CBowlingDoc& d) { d.m_ScrPoints.m_nTeamSeries = 251; }},
        {refused, "a maximum of handicap match points of 10000, outside 0 to 9999.",
         [](CBowlingDoc& d) { d.m_nMaxHandicapPoints = 10000; }},
        {refused, "a score-threshold divider of 17, outside 0 to 16.", [](CBowlingDoc& d) { d.m_nDividerIndex = 17; }},
        {refused, "a vacancy/robot rule kind of 9", [](CBowlingDoc& d) { d.m_Robot[1].m_nKind = 9; }},
        {refused, "a blind-score method of 9", [](CBowlingDoc& d) { d.m_BlindScore[0].m_nMethod = 9; }},
        {refused, "a pinfall points remainder mode of 2", [](CBowlingDoc& d) { d.m_Petersen.m_nRemainderMode = 2; }},
        {refused, "a team prize rule of 4", [](CBowlingDoc& d) { d.m_pAwardRestrictions->m_nTeamRule = 4; }},
        // A match's stored figures: what was bowled and handed in is kept, and refused when damaged.
        {refused, "a match with a number of games of 9, outside 1 to 4, in round 1, match 1.",
         [&](CBowlingDoc& d) { match(d)->m_nGames = 9; }},
        {refused, "Match 1 of round 1 refers to team 9", [&](CBowlingDoc& d) { match(d)->m_nTeamA = 9; }},
        {refused, "a game score of 301, outside 0 to 300, in " + match11 + teamB + ", position 1, game 1).",
         [&](CBowlingDoc& d) { match(d)->m_nScore[0][kB] = 301; }},
        {refused, "a substitute's game score of 301, outside 0 to 300, in " + match11 + teamA + ", position 2, game 3).",
         [&](CBowlingDoc& d) { match(d)->m_nPacerScore[2][kA] = 301; }},
        {refused, "a game handicap of 98303, outside -98302 to 98302, in " + match11 + teamA + ", position 2, game 1).",
         [&](CBowlingDoc& d) { match(d)->m_nHandicap[0][kA] = 98303; }},
        {refused, "a substitute's game handicap of -98303, outside -98302 to 98302, in " + match11 + teamB +
                      ", position 1, game 2).",
         [&](CBowlingDoc& d) { match(d)->m_nPacerHandicap[1][kB] = -98303; }},
        {refused, "a match average of 65536, outside 0 to 65535, in " + match11 + teamB + ", position 1, game 1).",
         [&](CBowlingDoc& d) { match(d)->m_nAverage[0][kB] = 65536; }},
        {refused, "a team average of 2147483647, outside 0 to 1310700, in " + match11 + teamA + ", game 2).",
         [&](CBowlingDoc& d) { match(d)->m_nTeamAverage[0][1] = INT_MAX; }},
        {refused, "a handicap points adjustment of 499951, outside -499950 to 499950, in " + match11 + teamA + ").",
         [&](CBowlingDoc& d) { match(d)->m_nHandicapAdjust[0] = 499951; }},
        {refused, "a match's pyramid points of -499951, outside -499950 to 499950, in " + match11 + teamB + ").",
         [&](CBowlingDoc& d) { match(d)->m_nScratchPyramidPoints[1] = -499951; }},
        // What the recalculation makes again.
        {remade, "the points of round 1, match 1 could not be right: they were worked out again from the scores.",
         [&](CBowlingDoc& d) { match(d)->m_nHandicapBonusPoints[1] = INT_MIN; }},
        // A bowler's: his place in the league is kept, his handicap is worked from his average.
        {refused, "a bowler's category of 4, outside 0 to 3, in " + who + ".",
         [&](CBowlingDoc& d) { player(d)->m_nCategory = 4; }},
        {refused, "a vacancy/robot number of 5, outside 0 to 4, in " + who + ".",
         [&](CBowlingDoc& d) { player(d)->m_nRobot = 5; }},
        {remade, "the handicap of " + who + " could not be right: it was worked out again from the bowler's average.",
         [&](CBowlingDoc& d) { player(d)->m_nHandicap = 4194360; }},
        {remade, "the handicap of " + who + " could not be right: it was worked out again from the bowler's average.",
         [&](CBowlingDoc& d) { player(d)->m_nHandicap = -98303; }},
        // A font read in step.
        {remade, "the report font of the report font table, entry 7 (its colour) was damaged: it was mended.",
         [](CBowlingDoc& d) { d.m_DefaultFonts[6].m_crColour = 0xFF000000; }},
        {remade, "the report font of the venue report's heading (its name, now Arial) was damaged: it was mended.",
         [](CBowlingDoc& d) { d.m_fontVenueHeader.m_strFaceName = "Ar\x7Fial"; }},
    };
    CBowlingDoc undamaged;
    CString error;
    ASSERT_TRUE(undamaged.LoadFromBytes(good, "good.lgf", error)) << error.GetString();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        // What one mend made whole: a match's points are "them", a handicap or a font "it".
        const char* pszKept = c.text.rfind("the points of ", 0) == 0 ? " Save the league to keep them."
                                                                     : " Save the league to keep it.";
        CBowlingDoc doc;
        BuildSmallLeague(doc);
        c.damage(doc);
        if (c.outcome == refused) {
            ExpectRefused(Save(doc), c.text.c_str());
            continue;
        }
        CBowlingDoc loaded;
        ASSERT_TRUE(loaded.LoadFromBytes(Save(doc), "damaged.lgf", error)) << error.GetString();
        EXPECT_EQ(loaded.m_strReadNotice, ("In the league file \"damaged.lgf\" " + c.text + pszKept).c_str());
        EXPECT_TRUE(loaded.IsSameLeague(undamaged));
    }
    EXPECT_TRUE(open.IsSameLeague(reference));

    // All at once: one notice, a sentence for each kind.
    CBowlingDoc doc, loaded;
    BuildSmallLeague(doc);
    for (const auto& c : cases)
        if (c.outcome == remade)
            c.damage(doc);
    ASSERT_TRUE(loaded.LoadFromBytes(Save(doc), "damaged.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice,
              ("In the league file \"damaged.lgf\" the season's split setting could not be used with its " +
               std::to_string(nRounds) + " rounds: the split from round " + splitStart + " was removed. The points "
               "of round 1, match 1 could not be right: they were worked out again from the scores. The handicap of " + who + " could not be right: it was worked out again "
               "from the bowler's average. The report fonts of the report font table, entry 7 (its colour) and the "
               "venue report's heading (its name, now Arial) were damaged: they were mended. Save the league to "
               "keep them.").c_str());
    EXPECT_TRUE(loaded.IsSameLeague(undamaged));
}

namespace {

CPlayer* NthBowler(CBowlingDoc& doc, int n)
{
    return static_cast<CPlayer*>(doc.m_listPlayers.GetAt(doc.m_listPlayers.FindIndex(n)));
}

std::string Place(CBowlingDoc& doc, int n)
{
    return NthBowler(doc, n)->GetFilePlace().GetString();
}

} // namespace

// A bowler's date the calendar does not hold, a control character in his texts, or both genders
// (which no dialog gives) open mended, with one notice naming the bowlers: a date loses the part
// that cannot be, a text its control characters, and both genders read as the handicap rules
// read them, female. Saved, the league opens again without a word.
TEST_F(CorruptFileTest, ABowlersImpossibleDateTextOrGenderIsMendedNamingHim)
{
    CBowlingDoc doc, mended;
    for (CBowlingDoc* d : {&doc, &mended}) {
        BuildSmallLeague(*d);
        // The sound values, as mended below.
        std::tie(NthBowler(*d, 0)->m_nBirthMonth, NthBowler(*d, 0)->m_nBirthYear) = std::make_tuple(3, 1980);
        std::tie(NthBowler(*d, 1)->m_nBirthDay, NthBowler(*d, 1)->m_nBirthYear) = std::make_tuple(5, 1990);
        std::tie(NthBowler(*d, 1)->m_nExpiryMonth, NthBowler(*d, 1)->m_nExpiryYear) = std::make_tuple(9, 2026);
        NthBowler(*d, 2)->m_strSurname = "Smith";
        NthBowler(*d, 2)->m_strPhoneHome = "0113496";
        NthBowler(*d, 2)->m_wFlags = PF_FEMALE | PF_JUNIOR;
    }
    NthBowler(doc, 0)->m_nBirthDay = 32;
    NthBowler(doc, 1)->m_nBirthMonth = 13;
    NthBowler(doc, 1)->m_nExpiryDay = 31;  // in September
    NthBowler(doc, 2)->m_strSurname = "Sm\x01ith";
    NthBowler(doc, 2)->m_strPhoneHome = "0113\t496";
    NthBowler(doc, 2)->m_wFlags = PF_FEMALE | PF_MALE | PF_JUNIOR;

    CBowlingDoc loaded, expected;
    CString error;
    ASSERT_TRUE(loaded.LoadFromBytes(Save(doc), "damaged.lgf", error)) << error.GetString();
    EXPECT_EQ(loaded.m_strReadNotice,
              ("In the league file \"damaged.lgf\" the birth day 32 of " + Place(doc, 0) +
               ", the birth month 13 of " + Place(doc, 1) + " and the membership expiry day 31 (Sep 2026 has 30 "
               "days) of " + Place(doc, 1) + " could not be right: they were cleared. The surname and home phone of " +
               Place(doc, 2) + " held control characters, which are no text: they were left out. Bowler 3 (" +
               NthBowler(doc, 2)->m_strName.GetString() + ") was marked both male and female: now female alone, "
               "as the handicap and blind rules read that mark. Save the league to keep them.")
                  .c_str());
    ASSERT_TRUE(expected.LoadFromBytes(Save(mended), "mended.lgf", error));
    EXPECT_TRUE(loaded.IsSameLeague(expected));
    ASSERT_TRUE(loaded.LoadFromBytes(Save(loaded), "saved.lgf", error));
    EXPECT_EQ(loaded.m_strReadNotice, "");
    EXPECT_TRUE(loaded.IsSameLeague(expected));

    // Dates the calendar holds, whole or in part, are no damage: 29 February of a leap year or of
    // no year given, a year alone.
    std::tie(NthBowler(mended, 0)->m_nBirthDay, NthBowler(mended, 0)->m_nBirthMonth,
             NthBowler(mended, 0)->m_nBirthYear) = std::make_tuple(29, 2, 2000);
    std::tie(NthBowler(mended, 1)->m_nBirthDay, NthBowler(mended, 1)->m_nBirthMonth,
             NthBowler(mended, 1)->m_nBirthYear) = std::make_tuple(29, 2, 0);
    std::tie(NthBowler(mended, 1)->m_nExpiryDay, NthBowler(mended, 1)->m_nExpiryMonth,
             NthBowler(mended, 1)->m_nExpiryYear) = std::make_tuple(0, 0, 2026);
    ASSERT_TRUE(loaded.LoadFromBytes(Save(mended), "sound.lgf", error));
    EXPECT_EQ(loaded.m_strReadNotice, "");
    // 29 February 1900 and a birth year below 1900 are.
    NthBowler(mended, 0)->m_nBirthYear = 1900;
    NthBowler(mended, 1)->m_nBirthYear = 1899;
    ASSERT_TRUE(loaded.LoadFromBytes(Save(mended), "damaged.lgf", error));
    EXPECT_EQ(loaded.m_strReadNotice,
              ("In the league file \"damaged.lgf\" the birth day 29 (Feb 1900 has 28 days) of " + Place(doc, 0) +
               " and the birth year 1899 of " + Place(doc, 1) + " could not be right: they were cleared. Save the "
               "league to keep them.")
                  .c_str());
    EXPECT_EQ((std::vector<int>{NthBowler(loaded, 1)->m_nBirthDay, NthBowler(loaded, 1)->m_nBirthMonth,
                                NthBowler(loaded, 1)->m_nBirthYear}),
              (std::vector<int>{29, 2, 0}));
}

// A change waiting for the player database (file version 79, as 78 before it) holds the league's
// values in the bowler and, apart, what the league knew of his record: damage to either is mended as above,
// the record's named as such. A detail mended in the bowler waits no longer (the record's own will
// stand); one mended only in what the league knew of the record still waits, what the record held
// not known (the league's own value in its place); the others wait as they were.
TEST_F(CorruptFileTest, DamagedDetailsWaitingForThePlayerDatabaseAreMendedNamingTheBowler)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    CPlayer* p = NthBowler(doc, 1);
    const std::string place = Place(doc, 1);
    p->m_dwDbKey = 7;
    p->m_pDbPending = std::make_unique<CDbPending>();
    CDbPending& w = *p->m_pDbPending;
    w.m_dwDetails = 1u << SD_SURNAME | 1u << SD_PHONE_MOBILE | 1u << SD_BIRTH_DAY | 1u << SD_BIRTH_MONTH | 1u << SD_FLAGS |
                    1u << SD_PHONE_WORK;
    p->m_strSurname = "Hal\x02lam";
    p->m_strPhoneWork = "0113 4969999";
    w.m_base.m_strPhoneWork = "0113 4960000";
    std::tie(p->m_nBirthDay, p->m_nBirthMonth, p->m_nBirthYear) = std::make_tuple(31, 9, 1990);
    w.m_base.m_strSurname = "Hallam";
    w.m_base.m_strPhoneMobile = "07\x1B";
    std::tie(w.m_base.m_nBirthDay, w.m_base.m_nBirthMonth) = std::make_tuple(40, 13);
    w.m_base.m_wFlags = PF_FEMALE | PF_MALE;
    const Bytes bytes = Save(doc);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION_LINKS);

    CBowlingDoc loaded;
    CString error;
    ASSERT_TRUE(loaded.LoadFromBytes(bytes, "waiting.lgf", error)) << error.GetString();
    const std::string record = "the database record of " + place;
    EXPECT_EQ(loaded.m_strReadNotice,
              ("In the league file \"waiting.lgf\" the birth day 31 (Sep 1990 has 30 days) of " + place +
               ", the birth day 40 of " + record + " and the birth month 13 of " + record +
               " could not be right: they were cleared. The surname of " + place + " and the mobile phone of " +
               record + " held control characters, which are no text: they were left out. The database record of " +
               place + " was marked both male and female: now female alone, as the handicap and blind rules read "
               "that mark. Save the league to keep them.")
                  .c_str());
    const CPlayer* q = NthBowler(loaded, 1);
    ASSERT_NE(q->m_pDbPending, nullptr);
    const CDbPending& read = *q->m_pDbPending;
    EXPECT_EQ(read.m_dwDetails, 1u << SD_PHONE_WORK | 1u << SD_PHONE_MOBILE | 1u << SD_FLAGS);
    EXPECT_EQ((std::vector<std::string>{q->m_strSurname.GetString(), read.m_base.m_strPhoneWork.GetString(),
                                        read.m_base.m_strPhoneMobile.GetString()}),
              (std::vector<std::string>{"Hallam", "0113 4960000", q->m_strPhoneMobile.GetString()}));
    EXPECT_EQ((std::vector<int>{q->m_nBirthDay, q->m_nBirthMonth, q->m_nBirthYear, read.m_base.m_wFlags}),
              (std::vector<int>{0, 9, 1990, q->m_wFlags}));
}

// Whatever one damaged byte of the bowlers, or of the details waiting for their records, does to
// a league that still opens, none of its bowlers, nor anything it knew of their records, holds a
// date the calendar lacks, a control character or both genders.
TEST_F(CorruptFileTest, NoDamagedByteOfTheBowlersLeavesADetailNoBowlerMayHold)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, SampleLeagueShape{2, 2, 1, 1, 1});
    for (int n : {1, 2}) {
        CPlayer* p = NthBowler(doc, n);
        std::tie(p->m_nBirthDay, p->m_nBirthMonth, p->m_nBirthYear) = std::make_tuple(30, 9, 1990);
        std::tie(p->m_nExpiryDay, p->m_nExpiryMonth, p->m_nExpiryYear) = std::make_tuple(28, 2, 2027);
        p->m_dwDbKey = static_cast<DWORD>(n);
        p->m_pDbPending = std::make_unique<CDbPending>();
        p->m_pDbPending->m_dwDetails = CDbPending::kAllDetails;
        static_cast<CSharedDetails&>(p->m_pDbPending->m_base) = *p;
    }
    const Bytes bytes = Save(doc);
    const std::string bowlers = "CPlayer", matches = "CFixture";
    const size_t nFrom = static_cast<size_t>(std::search(bytes.begin(), bytes.end(), bowlers.begin(), bowlers.end()) -
                                             bytes.begin());
    const size_t nTo = static_cast<size_t>(std::search(bytes.begin(), bytes.end(), matches.begin(), matches.end()) -
                                           bytes.begin());
    for (CPlayer* p : {NthBowler(doc, 1), NthBowler(doc, 2)})
        p->m_pDbPending.reset();
    const size_t nWaiting = Save(doc).size();
    ASSERT_LT(nFrom, nTo);
    ASSERT_LT(nWaiting, bytes.size());

    int nLoaded = 0, nMended = 0;
    CBowlingDoc loaded;
    for (size_t at = nFrom; at < bytes.size(); at = at + 1 == nTo ? nWaiting : at + 1)
        for (int nValue : {0x01, 0x09, 0x06, 13, 31, 32, bytes[at] ^ 0x02, bytes[at] ^ 0x04}) {
            Bytes damaged = bytes;
            damaged[at] = static_cast<BYTE>(nValue);
            CString error;
            if (!loaded.LoadFromBytes(damaged, "damaged.lgf", error))
                continue;
            ++nLoaded;
            nMended += loaded.m_strReadNotice.IsEmpty() ? 0 : 1;
            for (POSITION pos = loaded.m_listPlayers.GetHeadPosition(); pos;) {
                const auto* p = static_cast<const CPlayer*>(loaded.m_listPlayers.GetNext(pos));
                ASSERT_EQ(FindUnsoundDetails(*p), 0u) << at << " " << nValue << " " << p->GetFilePlace().GetString();
                ASSERT_FALSE(HasControlChars(p->m_strName)) << at << " " << nValue;
                if (p->m_pDbPending) {
                    ASSERT_EQ(FindUnsoundDetails(p->m_pDbPending->m_base) & p->m_pDbPending->m_dwDetails, 0u)
                        << at << " " << nValue << " " << p->GetFilePlace().GetString();
                }
            }
        }
    EXPECT_GT(nLoaded, 4000);
    EXPECT_GT(nMended, 1000);
}

// A file that ends inside a report font is cut short, whatever the font's colour: in its name,
// in its colour (where a shorter name would read a whole font ending with the file, yet the
// league wants more after it), and inside the next font after one whose colour starts with a
// letter, which a name a letter longer would read whole too. Only the file's last font, which
// a name's length made longer leaves just so, is weighed otherwise (the font tests above).
TEST_F(CorruptFileTest, AFileCutInAReportFontIsCutShortWhateverItsColour)
{
    const std::vector<size_t> fonts = ArialFonts(good);
    ASSERT_GT(fonts.size(), 100u);
    ASSERT_EQ(fonts.back() + 10, good.size());  // the junior reports' stats detail ends the file
    const BYTE colours[][3] = {{0, 0, 0}, {100, 100, 100}};
    int nCuts = 0;
    for (const auto& colour : colours) {
        Bytes whole = good;
        for (size_t at : fonts)
            std::copy(colour, colour + 3, whole.begin() + static_cast<std::ptrdiff_t>(at + 6));
        for (size_t i = 0; i + 1 < fonts.size(); ++i) {
            std::vector<size_t> cuts = {fonts[i] + 3, fonts[i] + 7, fonts[i] + 8, fonts[i] + 9};
            if (fonts[i + 1] == fonts[i] + 19)
                cuts.push_back(fonts[i + 1] - 4);  // in the next font's heights
            for (size_t n : cuts) {
                SCOPED_TRACE(testing::Message() << "font " << i << ", colour " << int(colour[0]) << ", cut at " << n);
                CString error;
                ASSERT_FALSE(open.LoadFromBytes(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)),
                                                "damaged.lgf", error));
                EXPECT_EQ(error.Find("The league file \"damaged.lgf\" cannot be opened. The file is cut short: "), 0)
                    << error.GetString();
                ++nCuts;
            }
        }
    }
    EXPECT_GT(nCuts, 900);
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// A league without database links ends with its last report font, the junior reports' stats
// detail. Cut at any byte of that font, in black as a new league has it or in another colour, it
// is cut short: a cut leaves the font's name whole and its colour short, and never reads as a
// name's length damaged (a name read shorter would take a black font's letters for a colour).
TEST_F(CorruptFileTest, ALeagueCutAnywhereInItsLastFontIsCutShort)
{
    CBowlingDoc fresh;
    for (const Bytes& league : {Save(fresh), good}) {
        ASSERT_EQ(league[0], LEAGUE_FILE_VERSION);
        const size_t nLast = ArialFonts(league).back();
        ASSERT_EQ(nLast + 10, league.size());
        for (BYTE colour : {0, 100, 255}) {
            Bytes whole = league;
            std::fill_n(whole.begin() + static_cast<std::ptrdiff_t>(nLast + 6), 3, colour);
            CBowlingDoc opened;
            CString error;
            ASSERT_TRUE(opened.LoadFromBytes(whole, "whole.lgf", error)) << error.GetString();
            for (size_t n = nLast - 9; n < whole.size(); ++n) {
                SCOPED_TRACE(testing::Message() << "colour " << int(colour) << ", cut at " << n << " of " << whole.size());
                ASSERT_FALSE(open.LoadFromBytes(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)),
                                                "damaged.lgf", error));
                EXPECT_EQ(error.Find("The league file \"damaged.lgf\" cannot be opened. The file is cut short: "), 0)
                    << error.GetString();
            }
        }
    }
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// A font's name length damaged so that its name runs on past the file's end is named, not taken
// for a file cut short: the name holds bytes no face holds (a colour's zero bytes, the heights
// of the fonts after it), or its length is in the long form never written for a face.
TEST_F(CorruptFileTest, AFontsNameLengthRunningPastTheFilesEndIsNamed)
{
    const std::vector<size_t> fonts = ArialFonts(good);
    for (size_t i = 0; i < fonts.size(); ++i) {
        const size_t at = fonts[i];
        Bytes bytes = good;
        bytes[at + 9] = 0x01;
        CBowlingDoc loaded;
        CString error;
        ASSERT_TRUE(loaded.LoadFromBytes(bytes, "damaged.lgf", error)) << error.GetString();
        std::string place = MendedFontPlace(loaded.m_strReadNotice);
        ASSERT_GT(place.size(), 13u);
        place.resize(place.size() - 13);  // " (its colour)"
        // Past the end from the junior reports' fonts on; the long form anywhere.
        for (BYTE nLength : {BYTE(200), BYTE(0xFF)}) {
            if (nLength == 200 && good.size() - at > 200)
                continue;
            bytes = good;
            bytes[at] = nLength;
            ASSERT_FALSE(open.LoadFromBytes(bytes, "damaged.lgf", error));
            EXPECT_EQ(error, ("The league file \"damaged.lgf\" cannot be opened. The file holds a report font whose "
                              "name's length is damaged, in " + place + ".").c_str())
                << int(nLength);
        }
    }
    EXPECT_TRUE(open.IsSameLeague(reference));
}

// Bowlers' details waiting for the player database, and their links' stamps, follow the league
// only in a file of version 78 or 79; a league without them is written in 77. A file whose version
// says so and that ends where they would start (a 77 file whose version byte was damaged, or a
// later file cut just there) is told so, neither a newer file nor plainly cut short; cut inside
// them it is cut short.
TEST_F(CorruptFileTest, AFileEndingWhereItsVersionSaysDetailsWaitingFollowIsToldSo)
{
    auto said = [](int nVersion, const char* pszWhat) {
        CString s;
        s.Format("The league file \"damaged.lgf\" cannot be opened. Its file version, %d, says that %s follow the "
                 "league, but the file ends before them: its version is damaged, or the file is cut short there.",
                 nVersion, pszWhat);
        return s;
    };
    const CString said78 = said(78, "bowlers' details waiting for the player database");
    const CString said79 = said(79, "the bowlers' links to the player database and the details waiting for it");
    ASSERT_EQ(good[0], LEAGUE_FILE_VERSION);
    Bytes bytes = good;
    CString error;
    for (const auto& [nVersion, strSaid] : {std::pair{LEAGUE_FILE_VERSION_WAITING, said78},
                                            std::pair{LEAGUE_FILE_VERSION_LINKS, said79}}) {
        bytes[0] = nVersion;
        ASSERT_FALSE(open.LoadFromBytes(bytes, "damaged.lgf", error));
        EXPECT_EQ(error, strSaid);
    }

    CBowlingDoc doc;
    BuildSmallLeague(doc);
    auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetHead());
    p->m_dwDbKey = 7;
    const Bytes linked = Save(doc);
    p->m_pDbPending = std::make_unique<CDbPending>();
    p->m_pDbPending->m_dwDetails = 1u << SD_PHONE_HOME;
    p->m_pDbPending->m_base.m_strPhoneHome = "0113 4960000";
    const Bytes waiting = Save(doc);
    ASSERT_EQ(waiting[0], LEAGUE_FILE_VERSION_LINKS);
    ASSERT_TRUE(std::equal(linked.begin() + 1, linked.end(), waiting.begin() + 1));
    ASSERT_FALSE(open.LoadFromBytes(Bytes(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(linked.size())),
                                    "damaged.lgf", error));
    EXPECT_EQ(error, said79);
    ASSERT_FALSE(open.LoadFromBytes(Bytes(waiting.begin(), waiting.end() - 1), "damaged.lgf", error));
    EXPECT_EQ(error.Find("The league file \"damaged.lgf\" cannot be opened. The file is cut short: "), 0)
        << error.GetString();
    EXPECT_TRUE(open.IsSameLeague(reference));
}


// A league kept in the player database, cut at every byte from its last report font on: inside
// the font, cut short; where the league without its database parts ends, the version's message;
// inside the details waiting or the stamps, cut short naming the entry; after a whole stamp, the
// last part's entries, both what a damaged count and a cut leave. None is called a count that
// cannot be right, nor a font's damaged name length. A count damaged in a whole file is named.
TEST_F(CorruptFileTest, EveryCutOfADatabaseLeaguesLastPartsIsNamedForWhatItIs)
{
    CBowlingDoc doc;
    BuildSmallLeague(doc);
    std::vector<size_t> waiting;  // the size of each entry of details waiting
    DWORD dwKey = 1;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos; ++dwKey) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        p->m_dwDbKey = dwKey;
        p->m_qwDbStamp = 0x1122334455667700ull + dwKey;
        if (dwKey % 3 != 1)
            continue;
        p->m_pDbPending = std::make_unique<CDbPending>();
        p->m_pDbPending->m_dwDetails = 1u << SD_PHONE_HOME;
        p->m_pDbPending->m_base.m_strPhoneHome = "0113 4960000";
        p->m_pDbPending->m_nTyped[SD_PHONE_HOME] = 1700000000000;
        waiting.push_back(2 + 4 + 13 + 8);
        if (dwKey == 4) {
            p->m_pDbPending->m_dwDetails |= 1u << SD_FLAGS;
            p->m_pDbPending->m_base.m_wFlags = PF_FEMALE;
            waiting.back() += 2 + 8;
        }
    }
    const size_t nStamps = static_cast<size_t>(doc.m_listPlayers.GetCount());
    const Bytes bytes = Save(doc);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION_LINKS);
    ASSERT_EQ(waiting.size(), 4u);
    const std::vector<size_t> fonts = ArialFonts(bytes);
    ASSERT_FALSE(fonts.empty());
    const size_t nLeagueEnd = fonts.back() + 10;  // the junior reports' stats detail
    const size_t nStampsAt = bytes.size() - 2 - 10 * nStamps;
    size_t nWaitingEnd = nLeagueEnd + 2;
    for (size_t n : waiting)
        nWaitingEnd += n;
    ASSERT_EQ(nWaitingEnd, nStampsAt);

    auto expected = [&](size_t n) -> std::string {
        const std::string cut = "The file is cut short: ";
        if (n < nLeagueEnd)
            return cut;
        if (n == nLeagueEnd)
            return "Its file version, 79, says that the bowlers' links to the player database and the details "
                   "waiting for it follow the league, but the file ends before them: its version is damaged, or the "
                   "file is cut short there.";
        if (n < nLeagueEnd + 2 || (n >= nStampsAt && n < nStampsAt + 2))
            return cut + "The file ends too early (2 bytes wanted";
        if (n < nStampsAt) {
            size_t at = nLeagueEnd + 2, k = 0;
            while (at + waiting[k] <= n)
                at += waiting[k++];
            if (at == n)
                return cut + "It ends " + (k == 0 ? "before the first" : "after " + std::to_string(k)) +
                       " of the 4 entries of the details waiting for the player database.";
            return cut + "It ends inside entry " + std::to_string(k + 1) +
                   " of 4 in the details waiting for the player database.";
        }
        const size_t k = (n - nStampsAt - 2) / 10;
        const std::string strOf = std::to_string(nStamps);
        if ((n - nStampsAt - 2) % 10 == 0)
            return "The file ends " + (k == 0 ? "before the first" : "after " + std::to_string(k)) + " of the " +
                   strOf + " entries that it counts in the stamps of the player database records: the count is "
                           "damaged, or the file is cut short there.";
        return "The file ends inside entry " + std::to_string(k + 1) + " of " + strOf +
               " in the stamps of the player database records: the entry is damaged, or the file is cut short "
               "there.";
    };
    const size_t nFirst = fonts.back() - 9;  // the last font's heights
    for (size_t n = nFirst; n < bytes.size(); ++n) {
        SCOPED_TRACE(testing::Message() << "cut at " << n << " of " << bytes.size());
        CString error;
        ASSERT_FALSE(open.LoadFromBytes(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)),
                                        "damaged.lgf", error));
        const std::string said = error.GetString(), lead = "The league file \"damaged.lgf\" cannot be opened. ";
        ASSERT_EQ(said.rfind(lead, 0), 0u) << said;
        EXPECT_EQ(said.substr(lead.size()).rfind(expected(n), 0), 0u) << said;
        EXPECT_EQ(said.find("cannot be right"), std::string::npos) << said;
        EXPECT_EQ(said.find("name's length"), std::string::npos) << said;
    }

    // Whole files: one more entry of details waiting counted runs into the stamps; two more
    // stamps counted leave the file ending after all it holds.
    Bytes counted = bytes;
    counted[nLeagueEnd] = 5;
    ExpectRefused(counted, "The file holds a count of 5 that cannot be right, in the details waiting for the player "
                           "database: the stamps of the player database records follow entry 4.");
    counted = bytes;
    counted[nStampsAt] = static_cast<BYTE>(nStamps + 2);
    ExpectRefused(counted, ("The file ends after " + std::to_string(nStamps) + " of the " +
                            std::to_string(nStamps + 2) + " entries that it counts in the stamps")
                               .c_str());
    EXPECT_TRUE(open.IsSameLeague(reference));
}
