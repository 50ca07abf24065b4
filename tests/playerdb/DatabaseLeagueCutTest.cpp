// A league opened on the player database and saved holds, after the league itself, the details
// waiting for the database, the stamps of its bowlers' records and what their copies were last in
// step with. Cut at any byte from its last report font on, or with a count of those parts damaged,
// the file is refused saying what is wrong and where.
#include "DatabaseLeagueTest.h"
#include "league/Player.h"
#include "league/SampleLeague.h"

#include <bit>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// One of the parts after the league: where its count lies, its entries' sizes, and what a file
// ending where it starts says (empty: a cut count's own message).
struct Part
{
    std::string name;
    size_t nAt = 0;
    std::vector<size_t> entries;
    std::string endingBefore;

    size_t End() const
    {
        size_t n = nAt + 2;
        for (size_t e : entries)
            n += e;
        return n;
    }
};

std::string Entries(size_t k, size_t nCount)
{
    return (k == 0 ? std::string("before the first") : "after " + std::to_string(k)) + " of the " +
           std::to_string(nCount) + " entries";
}

// What a cut at n says after "cannot be opened. ": cut short but where the league ends, naming
// the part and the entry; after a whole entry of the last part, a damaged count or a cut.
std::string Expected(size_t n, size_t nLeagueEnd, const std::vector<Part>& parts)
{
    const std::string cut = "The file is cut short: ";
    if (n < nLeagueEnd)
        return cut;
    for (size_t i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        if (n >= part.End())
            continue;
        if (n == part.nAt && !part.endingBefore.empty())
            return part.endingBefore;
        if (n < part.nAt + 2)
            return cut + "The file ends too early (2 bytes wanted";
        size_t at = part.nAt + 2, k = 0;
        while (at + part.entries[k] <= n)
            at += part.entries[k++];
        const size_t nCount = part.entries.size();
        if (at < n && i + 1 < parts.size())
            return cut + "It ends inside entry " + std::to_string(k + 1) + " of " + std::to_string(nCount) +
                   " in the " + part.name + ".";
        if (at < n)
            return "The file ends inside entry " + std::to_string(k + 1) + " of " + std::to_string(nCount) +
                   " in the " + part.name + ": the entry is damaged, or the file is cut short there.";
        if (i + 1 < parts.size())
            return cut + "It ends " + Entries(k, nCount) + " of the " + part.name + ".";
        return "The file ends " + Entries(k, nCount) + " that it counts in the " + part.name +
               ": the count is damaged, or the file is cut short there.";
    }
    return "(a whole file)";
}

// The secretary's database, empty as yet.
using DatabaseLeagueCut = DatabaseLeagueTest;

} // namespace

TEST_F(DatabaseLeagueCut, EveryCutAndDamagedCountOfItsLastPartsIsNamed)
{
    // The small sample league kept in the database, each bowler given his record, saved and
    // opened again.
    Bytes bytes;
    {
        CBowlingDoc made;
        BuildSampleLeague(made, SampleLeagueShape{4, 2, 2, 2, 1});
        made.m_bPlayerDatabase = 1;
        for (POSITION pos = made.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(made.m_listPlayers.GetNext(pos));
            if (!p->IsRobot()) {
                ASSERT_EQ(made.PutDbasePlayer(p), 0) << p->m_strName.GetString();
            }
        }
        made.SaveToBytes(bytes);
    }
    CBowlingDoc doc;
    CString error;
    ASSERT_TRUE(doc.LoadFromBytes(bytes, "league.lgf", error)) << error.GetString();
    // Not kept in the database for a while, the league types new details of three bowlers, a
    // gender among them: they wait for the records.
    doc.m_bPlayerDatabase = 0;
    std::vector<CPlayer*> linked;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (p->m_dwDbKey != 0)
            linked.push_back(p);
    }
    ASSERT_GE(linked.size(), 6u);
    std::vector<size_t> waiting;
    for (size_t i : {1, 2, 5}) {
        CPlayer* p = linked[i];
        CPlayer before;
        before.CopyFrom(*p);
        p->m_strPhoneHome = "0113 49600" + CString(std::to_string(i).c_str());
        waiting.push_back(2 + 4 + 1 + before.m_strPhoneHome.GetLength() + 8);
        if (i == 2) {
            p->m_wFlags ^= PF_MALE | PF_FEMALE;
            waiting.back() += 2 + 8;
        }
        EXPECT_EQ(doc.PutDbaseChanges(before, p), 0);
        ASSERT_NE(p->m_pDbPending, nullptr);
    }
    doc.m_bPlayerDatabase = 1;
    doc.SaveToBytes(bytes);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION_IN_STEP);

    // Every linked bowler stamped and in step with the database, the three with their typing times.
    std::vector<size_t> stamps, inStep;
    for (CPlayer* p : linked) {
        ASSERT_NE(p->m_qwDbStamp, 0u);
        ASSERT_NE(p->m_dbInStep.m_qwDatabase, 0u);
        stamps.push_back(2 + 8);
        inStep.push_back(2 + 8 + 8 + 4 + 8 * std::popcount(p->m_dbInStep.TypedDetails()));
    }
    EXPECT_EQ(std::popcount(linked[2]->m_dbInStep.TypedDetails()), 2);
    std::vector<Part> parts{
        {"details waiting for the player database", 0, waiting,
         "Its file version, 80, says that the bowlers' links to the player database and the details waiting for it "
         "follow the league, but the file ends before them: its version is damaged, or the file is cut short there."},
        {"stamps of the player database records", 0, stamps, ""},
        {"marks of the bowlers' copies of their records", 0, inStep,
         "Its file version, 80, says that what the copies of the league's bowlers were last in step with in the "
         "player database follows the league, but the file ends before it: its version is damaged, or the file is "
         "cut short there."}};
    size_t nTail = 0;
    for (const Part& part : parts)
        nTail += part.End();
    ASSERT_LT(nTail, bytes.size());
    const size_t nLeagueEnd = bytes.size() - nTail;
    for (size_t i = 0, at = nLeagueEnd; i < parts.size(); at = parts[i++].End())
        parts[i].nAt = at;
    ASSERT_EQ(parts.back().End(), bytes.size());
    // The league ends with its last report font, the junior reports' stats detail: name, colour.
    const auto font = bytes.begin() + static_cast<long>(nLeagueEnd - 10);
    ASSERT_EQ(std::string(font, font + 6), "\x05" "Arial");

    // Whole, it opens, and what waited goes to the record.
    CBowlingDoc read;
    ASSERT_TRUE(read.LoadFromBytes(bytes, "saved.lgf", error)) << error.GetString();
    const CPlayer* pRead = read.FindPlayer(linked[2]->m_nPlayerNo);
    ASSERT_NE(pRead, nullptr);
    EXPECT_EQ(pRead->m_strPhoneHome, linked[2]->m_strPhoneHome);
    EXPECT_EQ(pRead->m_pDbPending, nullptr);

    const std::string lead = "The league file \"damaged.lgf\" cannot be opened. ";
    auto said = [&](const Bytes& b) {
        CString s;
        EXPECT_FALSE(read.LoadFromBytes(b, "damaged.lgf", s));
        return std::string(s.GetString());
    };
    for (size_t n = nLeagueEnd - 19; n < bytes.size(); ++n) {
        SCOPED_TRACE(testing::Message() << "cut at " << n << " of " << bytes.size());
        const std::string s = said(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)));
        ASSERT_EQ(s.rfind(lead, 0), 0u) << s;
        EXPECT_EQ(s.substr(lead.size()).rfind(Expected(n, nLeagueEnd, parts), 0), 0u) << s;
        EXPECT_EQ(s.find("cannot be right"), std::string::npos) << s;
        EXPECT_EQ(s.find("name's length"), std::string::npos) << s;
    }

    // A whole file whose count is damaged larger: the part before another says where that one
    // begins; the last part's ends with the file, a damaged count or a cut.
    for (size_t i = 0; i < parts.size(); ++i)
        for (BYTE d : {1, 2}) {
            SCOPED_TRACE(testing::Message() << parts[i].name << ", " << int(d) << " more");
            const size_t nCount = parts[i].entries.size();
            Bytes counted = bytes;
            counted[parts[i].nAt] = static_cast<BYTE>(nCount + d);
            const std::string more = std::to_string(nCount + d);
            EXPECT_EQ(said(counted),
                      lead + (i + 1 < parts.size()
                                  ? "The file holds a count of " + more + " that cannot be right, in the " +
                                        parts[i].name + ": the " + parts[i + 1].name + " follow entry " +
                                        std::to_string(nCount) + "."
                                  : "The file ends after " + std::to_string(nCount) + " of the " + more +
                                        " entries that it counts in the " + parts[i].name +
                                        ": the count is damaged, or the file is cut short there."));
        }
}
