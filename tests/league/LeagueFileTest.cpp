// The league file: round trips, the stored forms byte by byte, the version gates on streams
// built here, and the files that are refused.
#include "league/Accounts.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Juniors.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "league/Venue.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <functional>
#include <cstring>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(CObject& ob, int nVersion)
{
    Bytes out;
    CArchive ar(&out, CArchive::store);
    ar.SetFileVersion(nVersion);
    ob.Serialize(ar);
    ar.Close();
    return out;
}

void Load(CObject& ob, Bytes bytes, int nVersion)
{
    CArchive ar(&bytes, CArchive::load);
    ar.SetFileVersion(nVersion);
    ob.Serialize(ar);
    EXPECT_TRUE(ar.IsBufferEmpty());
}

// Appends archive forms by hand.
struct ByteBuilder
{
    Bytes b;
    ByteBuilder& U8(int v) { b.push_back(static_cast<BYTE>(v)); return *this; }
    ByteBuilder& U16(int v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    ByteBuilder& U32(DWORD v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ByteBuilder& Str(const char* s)
    {
        U8(static_cast<int>(std::strlen(s)));
        b.insert(b.end(), s, s + std::strlen(s));
        return *this;
    }
};

// The small sample with something non-default in every gated section.
void BuildFullLeague(CBowlingDoc& doc)
{
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_nSecretaryTeam = 2;
    doc.m_nTreasurerTeam = 3;
    doc.m_pAwardRestrictions->m_bRulesEnabled = 1;
    doc.m_pAwardRestrictions->m_nPlayerRule = 2;
    doc.m_JuniorReport.m_bOrderByName = 1;
    doc.m_JuniorReport.m_fontTitle.m_nPointSize = 14;
    doc.m_fontVenueHeader.m_bBold = 1;
    doc.m_nVenueReportNumber = 1;
    doc.m_bAutoTabScores = 1;
}

Bytes Save(CBowlingDoc& doc, BYTE nVersion = LEAGUE_FILE_VERSION)
{
    Bytes bytes;
    doc.SaveToBytes(bytes, nVersion);
    return bytes;
}

size_t OffsetAfterStrings(const Bytes& bytes, size_t pos, int nStrings)
{
    for (int i = 0; i < nStrings; ++i)
        pos += 1 + bytes[pos]; // every test string is shorter than 255
    return pos;
}

} // namespace

TEST(LeagueFile, SavesAndReloadsToAnEqualLeagueAndTheSameBytes)
{
    CBowlingDoc doc;
    BuildFullLeague(doc);
    Bytes first = Save(doc);

    CBowlingDoc reloaded;
    CString error;
    ASSERT_TRUE(reloaded.LoadFromBytes(first, "sample.lgf", error)) << error.GetString();
    EXPECT_TRUE(reloaded.IsSameLeague(doc));
    EXPECT_EQ(Save(reloaded), first);

    // What the steps after a read rebuild.
    EXPECT_EQ(reloaded.FindPlayer(reloaded.FindTeam(3)->m_arrTeamOrder[0])->m_nTeamNo, 3);
    EXPECT_EQ(reloaded.m_nAllMatchesPerRound[1], 4);
    auto* f = static_cast<CFixture*>(reloaded.m_listFixtures.GetHead());
    EXPECT_EQ(std::make_tuple(f->m_pDoc, f->m_pTeamA, f->m_pPlayer[0][0]),
              std::make_tuple(&reloaded, reloaded.FindTeam(f->m_nTeamA), reloaded.FindPlayer(f->m_wPlayerNo[0][0])));
    EXPECT_EQ(std::make_pair(int(reloaded.m_nAverageLimit), int(reloaded.m_nDisplayMode)),
              std::make_pair(199, int(DISPLAY_STANDINGS)));

    // Through a file as well.
    TempDir dir;
    std::string path = dir.File("league.lgf");
    ASSERT_TRUE(doc.SaveToFile(path.c_str(), error)) << error.GetString();
    CBowlingDoc fromFile;
    ASSERT_TRUE(fromFile.LoadFromFile(path.c_str(), error)) << error.GetString();
    EXPECT_TRUE(fromFile.IsSameLeague(doc));
}

TEST(LeagueFile, TheLargeLeagueRoundTrips)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(TRUE));
    EXPECT_EQ(std::make_pair(doc.m_listTeams.GetCount(), doc.m_listFixtures.GetCount()), std::make_pair(40, 20 * 52));
    Bytes bytes = Save(doc);
    CBowlingDoc reloaded;
    CString error;
    ASSERT_TRUE(reloaded.LoadFromBytes(bytes, "large.lgf", error)) << error.GetString();
    EXPECT_TRUE(reloaded.IsSameLeague(doc));
}

// The sample's blind game and substitute go to bowlers the team has, whatever its size.
TEST(LeagueFile, SampleLeaguesOfEveryTeamSizeRoundTrip)
{
    for (int n = 1; n <= MAX_POSITIONS; ++n) {
        SampleLeagueShape shape = GetSampleLeagueShape(FALSE);
        shape.nPlayers = n;
        CBowlingDoc doc;
        BuildSampleLeague(doc, shape);
        int nMarked = 0;
        for (POSITION pos = doc.GetFirstFixturePosition(); pos;) {
            auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
            for (int k = 0; k < 2 * MAX_POSITIONS; ++k) {
                if (!f->m_dwPosFlags[k])
                    continue;
                ++nMarked;
                EXPECT_LT(k % MAX_POSITIONS, n) << "team size " << n << ", round " << int(f->m_nRound);
                EXPECT_NE(f->m_pPlayer[0][k], nullptr) << "team size " << n;
            }
        }
        EXPECT_GT(nMarked, 0) << "team size " << n;
        CBowlingDoc reloaded;
        CString error;
        ASSERT_TRUE(reloaded.LoadFromBytes(Save(doc), "sizes.lgf", error)) << error.GetString();
        EXPECT_TRUE(reloaded.IsSameLeague(doc)) << "team size " << n;
    }
}

TEST(LeagueFile, HeaderStartsWithTheVersionNamesAndOptionFlags)
{
    CBowlingDoc doc;
    doc.m_strLeagueName = "Monday";
    doc.m_bAutoTabScores = doc.m_bHandicapLeague = doc.m_bFivePinRules = 1;
    doc.m_bScratchLeague = 0;
    Bytes bytes = Save(doc);
    ASSERT_GT(bytes.size(), 20u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 2), (Bytes{77, 6}));
    EXPECT_EQ(std::string(bytes.begin() + 2, bytes.begin() + 8), "Monday");
    size_t pos = OffsetAfterStrings(bytes, 1, 11);
    DWORD options = bytes[pos] | bytes[pos + 1] << 8 | bytes[pos + 2] << 16 | static_cast<DWORD>(bytes[pos + 3]) << 24;
    // Auto TAB scores is bit 25 (2 in the highest byte); handicap league bit 6, five-pin 10,
    // floating subs as a team (on in a new league) bit 11.
    EXPECT_EQ(options, (1u << 25) | (1u << 6) | (1u << 10) | (1u << 11));

    // Reading clears the switch, then sets it from the bit.
    bytes[pos + 3] = 0;
    CBowlingDoc reloaded;
    reloaded.m_bAutoTabScores = 1;
    CString error;
    ASSERT_TRUE(reloaded.LoadFromBytes(bytes, "x.lgf", error)) << error.GetString();
    EXPECT_EQ(std::make_pair(int(reloaded.m_bAutoTabScores), int(reloaded.m_nAverageLimit)), std::make_pair(0, 249));
}

TEST(LeagueFile, TeamsPerPageOutsideOneToEightReadsAsFour)
{
    CBowlingDoc doc, reloaded;
    CString error;
    for (auto [nStored, nRead] : {std::pair{9, 4}, {8, 8}}) {
        doc.m_nTeamsPerPage = static_cast<decltype(doc.m_nTeamsPerPage)>(nStored);
        ASSERT_TRUE(reloaded.LoadFromBytes(Save(doc), "x.lgf", error));
        EXPECT_EQ(reloaded.m_nTeamsPerPage, nRead);
    }
}

// Earlier builds ticked a side played without dating it.
TEST(StoredForms, APlayedSideStoredWithoutADateReadsAsBowledWhenDue)
{
    const CTime due(2025, 9, 8, 19, 30, 0), other(2025, 9, 10, 20, 0, 0);
    struct Case
    {
        BYTE bPlayed;
        CTime stored, read;
    };
    for (const Case& c : {Case{1, CTime(), due}, Case{1, other, other}, Case{0, CTime(), CTime()}}) {
        CFixture f(2, 1, 2, 1);
        f.m_nGames = 3;
        f.m_timeDue = due;
        f.m_bPlayed[1] = c.bPlayed;
        f.m_timePlayed[1] = c.stored;
        Bytes bytes = Store(f, LEAGUE_FILE_VERSION);
        // Side B's played byte, then its time, after the seven bytes, two times and side A.
        ASSERT_EQ(bytes[29], c.bPlayed);
        EXPECT_EQ(bytes[30] | bytes[31] << 8 | bytes[32] << 16 | bytes[33] << 24, c.stored.GetTime());
        CFixture read;
        Load(read, bytes, LEAGUE_FILE_VERSION);
        EXPECT_EQ(read.m_timePlayed[1], c.read);
        EXPECT_EQ(read.m_timePlayed[0].GetTime(), 0);  // side A is not played
    }
}

TEST(StoredForms, VenueLaneFieldsFromVersion22)
{
    ByteBuilder old;
    old.U8(3).Str("Calder Bowl").Str("Wharf St").Str("").Str("").Str("").Str("HX6").Str("555").Str("Left at the mill");
    CVenue venue;
    Load(venue, old.b, 21);
    EXPECT_EQ(venue.m_strDirections, "Left at the mill");
    EXPECT_EQ((std::vector<int>{venue.m_nVenueNo, venue.m_nStartLane, venue.m_nLastLane}), (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(Store(venue, 21), old.b);

    ByteBuilder now = old;
    now.U8(1).U8(16).U8(9).U8(4);
    Load(venue, now.b, 22);
    // Both split fields set: the split survives an edit.
    EXPECT_EQ(std::make_pair(int(venue.m_nLastLane), int(venue.m_bSplitLanes)), std::make_pair(16, 1));
    EXPECT_EQ(Store(venue, 77), now.b);

    now.b[now.b.size() - 1] = 0; // no lanes before the split: no split at all
    Load(venue, now.b, 22);
    EXPECT_EQ(std::make_pair(int(venue.m_nSplitStartLane), int(venue.m_bSplitLanes)), std::make_pair(0, 0));
}

TEST(StoredForms, AwardsBeforeAndFromVersion45)
{
    ByteBuilder old;
    old.U16(2).Str("Turkey");
    CAwards award(9);
    Load(award, old.b, 44);
    EXPECT_EQ(award.m_strName, "Turkey");
    // Kind 1 is the default constructor's rule; fields after the name are not in the file.
    EXPECT_EQ((std::vector<int>{award.m_nId, award.m_nKind, award.m_nHigh}), (std::vector<int>{2, 1, 0}));

    CAwards fresh;
    Load(fresh, old.b, 44);
    EXPECT_EQ(std::make_pair(int(fresh.m_nHigh), int(fresh.m_nLow)), std::make_pair(300, 275));

    ByteBuilder now = old;
    now.U8(1).U16(300).U16(250).U8(2).U8(0).U16(180);
    Load(fresh, now.b, 45);
    EXPECT_EQ((std::vector<int>{fresh.m_bSeries, fresh.m_nLow, fresh.m_nKind, fresh.m_nMaxAverage}),
              (std::vector<int>{1, 250, 2, 180}));
    EXPECT_EQ(Store(fresh, 77), now.b);

    ByteBuilder record;
    record.U16(4).U16(7).U16(2).U16(1).U16(33).U16(3);
    CAwardData data;
    Load(data, record.b, 44);
    EXPECT_EQ(std::make_pair(int(data.m_nPlayerNo), int(data.m_nKind)), std::make_pair(33, 0));
    record.U8(1).U16(279);
    Load(data, record.b, 45);
    EXPECT_EQ(data.m_nScore, 279);
    EXPECT_EQ(Store(data, 77), record.b);
}

TEST(StoredForms, AccountsJuniorsRestrictionsAndFonts)
{
    CAccountItemType type;
    std::tie(type.m_nId, type.m_bIncome, type.m_nDefaultAmount) = std::make_tuple(3, TRUE, -250);
    type.m_strName = "Fees";
    ByteBuilder t;
    t.U16(3).U16(1).U32(static_cast<DWORD>(-250)).Str("Fees");
    EXPECT_EQ(Store(type, 77), t.b);
    t.b[2] = 3; // any word with bit 0 set reads as income
    CAccountItemType read;
    Load(read, t.b, 26);
    EXPECT_TRUE(read.m_bIncome);

    CAccountItem item(2, TRUE);
    item.m_nRound = 5;
    item.m_nAmount = 1234;
    item.m_strComment = "x";
    EXPECT_EQ(Store(item, 77), ByteBuilder().U16(2).U16(5).U8(1).U32(1234).Str("x").b);

    CPaymentItem pay;
    std::tie(pay.m_nFlags, pay.m_nFromRound, pay.m_nToRound, pay.m_nAmount) = std::make_tuple(3, 2, 9, 450);
    pay.m_strDescription = "Dues";
    EXPECT_EQ(Store(pay, 77), ByteBuilder().U8(3).U8(2).U8(9).U32(450).Str("Dues").b);

    CJuniorCategory cat(4);
    cat.m_strName = "U12";
    EXPECT_EQ(Store(cat, 77), ByteBuilder().U16(4).Str("U12").U8(5).U8(21).b);

    CAwardRestrictions rules;
    rules.m_bRulesEnabled = 1;
    rules.m_nTeamRule = 3;
    rules.m_nPlayerPriority2 = 1;
    EXPECT_EQ(Store(rules, 77), (Bytes{0, 0, 1, 0, 3, 0, 0, 0, 0, 1}));

    CFontData font;
    Bytes fontBytes = ByteBuilder().U16(0xFFF2).U16(0xFF38).U8(10).U8(0).U8(0).U8(0).U8(0).Str("Arial").U32(0).b;
    EXPECT_EQ(Store(font, 77), fontBytes);

    CJuniorReport report;
    report.m_nSettingA = 7;
    Bytes reportBytes = Store(report, 77);
    ASSERT_EQ(reportBytes.size(), 25 + 5 * fontBytes.size());
    EXPECT_EQ(Bytes(reportBytes.begin(), reportBytes.begin() + 9), (Bytes{0, 7, 0, 0, 0, 1, 1, 1, 1}));
    EXPECT_TRUE(std::all_of(reportBytes.begin() + 9, reportBytes.begin() + 25, [](BYTE b) { return b == 0; }));
}

// Each gate: a league saved in the version before it lacks the section, and reads back with
// the section's defaults; from the gate on it is there.
TEST(LeagueFile, EveryVersionGateOfTheDocument)
{
    CBowlingDoc full;
    BuildFullLeague(full);
    CBowlingDoc fresh;
    auto reload = [](const Bytes& bytes, CBowlingDoc& into) {
        CString error;
        EXPECT_TRUE(into.LoadFromBytes(bytes, "old.lgf", error)) << error.GetString();
    };

    struct Gate
    {
        int nFirst; // the first version that holds it
        std::function<bool(const CBowlingDoc&)> held;
    };
    const std::vector<Gate> gates = {
        {15, [](const CBowlingDoc& d) { return !d.m_listVenues.IsEmpty(); }},
        {26, [](const CBowlingDoc& d) { return !d.m_listIncomeTypes.IsEmpty() && !d.m_listAccountItems.IsEmpty(); }},
        {28, [](const CBowlingDoc& d) { return !d.m_listAwards.IsEmpty() && !d.m_listAwardData.IsEmpty(); }},
        {52, [](const CBowlingDoc& d) { return d.m_nSecretaryTeam == 2 && d.m_nTreasurerTeam == 3; }},
        {58, [](const CBowlingDoc& d) { return d.m_pAwardRestrictions->m_nPlayerRule == 2; }},
        {62, [](const CBowlingDoc& d) { return !d.m_listJuniorCategories.IsEmpty() && d.m_timeJuniorQualifying.GetTime() != 0; }},
        {63, [](const CBowlingDoc& d) { return d.m_JuniorReport.m_fontTitle.m_nPointSize == 14; }},
        {70, [](const CBowlingDoc& d) { return d.m_fontVenueHeader.m_bBold == 1 && d.m_nVenueReportNumber == 1; }},
    };
    for (const Gate& gate : gates) {
        SCOPED_TRACE(gate.nFirst);
        CBowlingDoc before, from;
        reload(Save(full, static_cast<BYTE>(gate.nFirst - 1)), before);
        reload(Save(full, static_cast<BYTE>(gate.nFirst)), from);
        EXPECT_FALSE(gate.held(before));
        EXPECT_TRUE(gate.held(from));
        // Everything else of the league is there in both.
        EXPECT_TRUE(before.m_listFixtures.GetCount() == full.m_listFixtures.GetCount());
        EXPECT_EQ(before.m_strLeagueName, full.m_strLeagueName);
    }
    // Sizes: the restrictions object is its class tag (2 + 2 + 2 + 18 name bytes) and 10 bytes.
    EXPECT_EQ(Save(full, 58).size() - Save(full, 57).size(), 6u + std::strlen("CAwardRestrictions") + 10u);
    // Without the report framework the score-sheet record is empty: its length word only.
    EXPECT_EQ(Save(full, 44).size() - Save(full, 43).size(), 4u);
    // An older file keeps a new league's multiple prize rules.
    CBowlingDoc old;
    reload(Save(full, 57), old);
    EXPECT_TRUE(old.m_pAwardRestrictions->IsSameAs(CAwardRestrictions()));
    // Version 44 award records carry their kind: automatic ones are never stored.
    reload(Save(full, 45), old);
    EXPECT_EQ(old.m_listAwardData.GetCount(), full.m_listAwardData.GetCount());
}

TEST(LeagueFile, OnlyManualAwardRecordsAreStored)
{
    CBowlingDoc doc;
    BuildFullLeague(doc);
    auto* automatic = new CAwardData;
    automatic->m_nKind = 1;
    automatic->m_nScore = 268;
    automatic->m_nCategory = 1;
    doc.AddAwardRecord(automatic);
    CBowlingDoc reloaded;
    CString error;
    ASSERT_TRUE(reloaded.LoadFromBytes(Save(doc), "x.lgf", error));
    EXPECT_EQ(reloaded.m_listAwardData.GetCount(), doc.m_listAwardData.GetCount() - 1);
}

namespace {

// A stand-in for the score-sheet style item of the report code.
class CTestPrototype : public CObject
{
    DECLARE_SERIAL(CTestPrototype)
public:
    WORD m_wValue = 0x1234;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_wValue;
        else
            ar >> m_wValue;
    }
};
IMPLEMENT_SERIAL(CTestPrototype, CObject, 1)

CObject* MakeTestPrototype(CBowlingDoc*)
{
    return new CTestPrototype;
}

} // namespace

TEST(LeagueFile, ScoreSheetStyleIsKeptWithOrWithoutTheReportCode)
{
    CBowlingDoc::s_pfnMakeScoreSheetPrototype = MakeTestPrototype;
    Bytes withProto;
    {
        CBowlingDoc doc;
        doc.m_nCurrentRound = 1; // what every read makes of round 0
        static_cast<CTestPrototype*>(doc.m_pScoreSheetPrototype)->m_wValue = 0xBEEF;
        withProto = Save(doc);
        CBowlingDoc reloaded;
        CString error;
        ASSERT_TRUE(reloaded.LoadFromBytes(withProto, "x.lgf", error)) << error.GetString();
        EXPECT_EQ(static_cast<CTestPrototype*>(reloaded.m_pScoreSheetPrototype)->m_wValue, 0xBEEF);
    }
    CBowlingDoc::s_pfnMakeScoreSheetPrototype = nullptr;
    CBowlingDoc without;
    CString error;
    ASSERT_TRUE(without.LoadFromBytes(withProto, "x.lgf", error)) << error.GetString();
    EXPECT_EQ(without.m_pScoreSheetPrototype, nullptr);
    EXPECT_EQ(Save(without), withProto);
}

// A file holding its free dates out of calendar order (the sample once stored Christmas last) is
// read in it, and saves as the same league in order would; a file in order reads as it is.
TEST(LeagueFile, FreeDatesOutOfCalendarOrderAreReadInIt)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    // Wed 5 Nov 2025 free too, between round 10 (Mon 3 Nov) and round 11 (Mon 10 Nov).
    auto* pBonfire = new CFreeWeek;
    pBonfire->m_bFreeDate = 1;
    pBonfire->m_time = CTime(2025, 11, 5, 19, 30, 0);
    pBonfire->m_strReason = "Bonfire night";
    doc.m_listFreeWeeks.InsertBefore(doc.m_listFreeWeeks.FindIndex(10), pBonfire);
    auto* pChristmas = static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetAt(doc.m_listFreeWeeks.FindIndex(17)));
    ASSERT_EQ(pChristmas->m_strReason, "Christmas");
    const Bytes inOrder = Save(doc);

    doc.m_listFreeWeeks.RemoveAt(doc.m_listFreeWeeks.Find(pBonfire));
    doc.m_listFreeWeeks.RemoveAt(doc.m_listFreeWeeks.Find(pChristmas));
    doc.m_listFreeWeeks.AddHead(pBonfire);
    doc.m_listFreeWeeks.AddTail(pChristmas);
    const Bytes outOfOrder = Save(doc);
    ASSERT_EQ(outOfOrder.size(), inOrder.size());
    ASSERT_NE(outOfOrder, inOrder);

    for (const Bytes* pFile : {&outOfOrder, &inOrder}) {
        CBowlingDoc reloaded;
        CString error;
        ASSERT_TRUE(reloaded.LoadFromBytes(*pFile, "sample.lgf", error)) << error.GetString();
        std::vector<std::string> lines;
        for (POSITION pos = reloaded.m_listFreeWeeks.GetHeadPosition(); pos;) {
            CString s;
            static_cast<CFreeWeek*>(reloaded.m_listFreeWeeks.GetNext(pos))->GetListText(s, ' ');
            lines.emplace_back(s.GetString());
        }
        ASSERT_EQ(lines.size(), 23u);
        EXPECT_EQ((std::vector<std::string>{lines[9], lines[10], lines[11], lines[16], lines[17], lines[18]}),
                  (std::vector<std::string>{"Rnd 10   Mon 03 Nov 2025 07:30 PM", "Free Date - Wed 05 Nov 2025",
                                            "Rnd 11   Mon 10 Nov 2025 07:30 PM", "Rnd 16   Mon 15 Dec 2025 07:30 PM",
                                            "Free Date - Mon 22 Dec 2025", "Rnd 17   Mon 29 Dec 2025 07:30 PM"}));
        EXPECT_EQ(Save(reloaded), inOrder);
    }
}
