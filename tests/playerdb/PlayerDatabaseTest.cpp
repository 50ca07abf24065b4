// A league bowler copied to and from the player database.
#include "playerdb/PlayerDatabase.h"

#include "league/Player.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <functional>
#include <map>
#include <set>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace
{
class PlayerDatabaseTest : public ::testing::Test
{
protected:
    TempDir dir;
    CPlayerDatabase db;
    DWORD bStop = 0;

    void SetUp() override { ASSERT_TRUE(db.Open((dir.path() / "Torvane" / "database").string().c_str())); }

    static void Fill(CPlayer& p, const char* pszFirst, const char* pszSurname)
    {
        p.m_strFirstName = pszFirst;
        p.m_strSurname = pszSurname;
        p.m_strAddress[0] = "1 Alley Road";
        p.m_strAddress[4] = "PO5 7RT";
        p.m_strPhoneMobile = "07700 900456";
        p.m_strMembershipNo = "LG-77";
        std::tie(p.m_nMembershipType, p.m_nExpiryDay, p.m_nExpiryMonth, p.m_nExpiryYear) =
            std::make_tuple(2, 30, 9, 2027);
        std::tie(p.m_nBirthDay, p.m_nBirthMonth, p.m_nBirthYear) = std::make_tuple(4, 7, 1990);
        p.m_strUserData1 = "coach";
        p.m_wFlags = PF_FEMALE | PF_RESIGNED;
    }
};
}  // namespace

TEST_F(PlayerDatabaseTest, ANewBowlerGetsAKeyAndComesBackWhole)
{
    CPlayer p;
    Fill(p, "Jane", "Doe");
    ASSERT_EQ(0, db.PutDbasePlayer(&p, bStop));
    ASSERT_NE(0u, p.m_dwDbKey);
    EXPECT_EQ(1u, db.GetTable().GetRecordCount());
    // The excluded bit belongs to the league: not stored.
    ASSERT_EQ(0, db.FindDbasePlayer(p.m_dwDbKey));
    EXPECT_EQ(PF_FEMALE, db.GetTable().m_wFlags);

    CPlayer q;
    q.m_dwDbKey = p.m_dwDbKey;
    q.m_wFlags = PF_RESIGNED | PF_MALE;
    ASSERT_EQ(0, db.GetDbasePlayer(&q, TRUE));
    EXPECT_EQ(PF_FEMALE | PF_RESIGNED, q.m_wFlags);  // own excluded bit kept, gender from the record
    EXPECT_EQ((std::vector<CString>{q.m_strName, q.m_strAddress[0], q.m_strAddress[4], q.m_strPhoneMobile,
                                    q.m_strMembershipNo, q.m_strUserData1}),
              (std::vector<CString>{"Doe Jane", "1 Alley Road", "PO5 7RT", "07700 900456", "LG-77", "coach"}));
    EXPECT_EQ((std::vector<int>{q.m_nMembershipType, q.m_nExpiryYear, q.m_nBirthYear}),
              (std::vector<int>{2, 2027, 1990}));
    ASSERT_EQ(0, db.GetDbasePlayer(&q, FALSE));
    EXPECT_EQ("Jane Doe", q.m_strName);

    CPlayer unknown;
    unknown.m_dwDbKey = p.m_dwDbKey + 100;
    EXPECT_NE(0, db.GetDbasePlayer(&unknown, FALSE));
    EXPECT_EQ(-1, db.FindDbasePlayer(p.m_dwDbKey + 100));
    EXPECT_TRUE(db.GetTable().m_strSurname.IsEmpty());  // cleared before the search
}

TEST_F(PlayerDatabaseTest, ALinkedBowlerIsRewrittenOrPutBack)
{
    CPlayer p;
    Fill(p, "Tom", "Baker");
    ASSERT_EQ(0, db.PutDbasePlayer(&p, bStop));
    DWORD key = p.m_dwDbKey;
    p.m_strSurname = "Barker";
    ASSERT_EQ(0, db.PutDbasePlayer(&p, bStop));
    EXPECT_EQ(std::make_pair(key, DWORD{1}), std::make_pair(p.m_dwDbKey, db.GetTable().GetRecordCount()));
    CPlayb003File& t = db.GetTable();
    t.SelectIndex("Sname");
    t.Clear();
    t.m_strSurname = "Barker";
    ASSERT_EQ(0, t.Find());
    EXPECT_EQ(key, t.m_dwKey);

    // Deleted from the database meanwhile: written back under the same key.
    ASSERT_EQ(0, db.FindDbasePlayer(key));
    ASSERT_EQ(0, t.Delete());
    ASSERT_EQ(0, db.PutDbasePlayer(&p, bStop));
    EXPECT_EQ(key, p.m_dwDbKey);
    ASSERT_EQ(0, db.FindDbasePlayer(key));
    EXPECT_EQ("Barker", t.m_strSurname);
}

// Two leagues' copies of one bowler: each writes only what it changed, the record's other
// details come back into its copy, and what a league decided about him stays its own.
TEST_F(PlayerDatabaseTest, OnlyChangedDetailsAreWrittenAndTheLeaguesOwnFlagsStayItsOwn)
{
    CPlayer a, b;
    Fill(a, "Jane", "Doe");
    a.m_wFlags = PF_FEMALE | PF_TEAM_RESERVE;
    ASSERT_EQ(0, db.PutDbasePlayer(&a, bStop));
    b.m_dwDbKey = a.m_dwDbKey;
    b.m_wFlags = PF_NOT_FLOATING_SUB;
    ASSERT_EQ(0, db.GetDbasePlayer(&b, FALSE));
    EXPECT_EQ(PF_FEMALE | PF_NOT_FLOATING_SUB, b.m_wFlags);

    CPlayer before;
    before.CopyFrom(a);
    a.m_strPhoneHome = "0113 4961111";
    ASSERT_EQ(0, db.PutDbaseChanges(before, &a, bStop));
    before.CopyFrom(b);  // older than the record now
    b.m_strAddress[0] = "7 Mill Rd";
    b.m_wFlags |= PF_JUNIOR;
    ASSERT_EQ(0, db.PutDbaseChanges(before, &b, bStop));
    EXPECT_EQ((std::vector<CString>{b.m_strPhoneHome, b.m_strAddress[0]}),
              (std::vector<CString>{"0113 4961111", "7 Mill Rd"}));
    EXPECT_EQ(PF_FEMALE | PF_JUNIOR | PF_NOT_FLOATING_SUB, b.m_wFlags);
    ASSERT_EQ(0, db.FindDbasePlayer(a.m_dwDbKey));
    const CPlayb003File& t = db.GetTable();
    EXPECT_EQ((std::vector<CString>{t.m_strPhoneHome, t.m_strAddress[0], t.m_strUserData1}),
              (std::vector<CString>{"0113 4961111", "7 Mill Rd", "coach"}));
    EXPECT_EQ(PF_FEMALE | PF_JUNIOR | PF_TEAM_RESERVE, t.m_wFlags);

    // A record deleted meanwhile is put back whole; an unlinked bowler gets a record of his own.
    ASSERT_EQ(0, db.GetTable().Delete());
    ASSERT_EQ(0, db.PutDbaseChanges(b, &b, bStop));
    CPlayer c;
    Fill(c, "Cy", "Cole");
    ASSERT_EQ(0, db.PutDbaseChanges(c, &c, bStop));
    EXPECT_NE(0u, c.m_dwDbKey);
    EXPECT_EQ(2u, db.GetTable().GetRecordCount());
    ASSERT_EQ(0, db.FindDbasePlayer(a.m_dwDbKey));
    EXPECT_EQ("7 Mill Rd", db.GetTable().m_strAddress[0]);
}

TEST_F(PlayerDatabaseTest, SimilarNamesAreOfferedUnlessReportingIsStopped)
{
    CPlayer john;
    Fill(john, "John", "Smith");
    ASSERT_EQ(0, db.PutDbasePlayer(&john, bStop));
    CPlayer other;
    Fill(other, "Mary", "Smith");
    ASSERT_EQ(0, db.PutDbasePlayer(&other, bStop));

    int nAsked = 0;
    CDWordArray offered;
    int nAnswer = 0;
    db.SetSimilarNamesHook([&](const CString& strName, const CDWordArray& keys, DWORD& bStopReporting) {
        ++nAsked;
        EXPECT_EQ("james SMITH", strName);
        offered.RemoveAll();
        offered.Append(keys);
        bStopReporting = nAnswer == 0 ? 0 : bStopReporting;
        return nAnswer;
    });

    // Same surname in any case and the same initial: John Smith only.
    CPlayer james;
    Fill(james, "james", "SMITH");
    ASSERT_EQ(0, db.PutDbasePlayer(&james, bStop));
    EXPECT_EQ(1, nAsked);
    EXPECT_EQ(std::vector<DWORD>{john.m_dwDbKey},
              std::vector<DWORD>(offered.GetData(), offered.GetData() + offered.GetSize()));
    EXPECT_NE(john.m_dwDbKey, james.m_dwDbKey);  // answer 0: a record of his own
    EXPECT_EQ(3u, db.GetTable().GetRecordCount());

    // Answer 1: the bowler is linked to the first similar record; nothing is added.
    CPlayer jim;
    Fill(jim, "james", "SMITH");
    jim.m_strPhoneHome = "0161 496 0000";
    nAnswer = 1;
    ASSERT_EQ(0, db.PutDbasePlayer(&jim, bStop));
    // John and the James added above.
    EXPECT_EQ(
        (std::vector<DWORD>{2, 2, offered[0], 3}),
        (std::vector<DWORD>{DWORD(nAsked), DWORD(offered.GetSize()), jim.m_dwDbKey, db.GetTable().GetRecordCount()}));

    // With the league's stop-reporting flag set nobody is asked.
    bStop = 1;
    CPlayer jack;
    Fill(jack, "Jack", "Smith");
    ASSERT_EQ(0, db.PutDbasePlayer(&jack, bStop));
    EXPECT_EQ(std::make_pair(2, DWORD{4}), std::make_pair(nAsked, db.GetTable().GetRecordCount()));
}

// While the secretary answers Similar Names, a second program adds a bowler of its own: it must
// not wait for the answer (a program that did would hang until the dialog closed). Both bowlers
// end up in the table, each under a key of his own, whether the bowler being asked about is added
// or edited for the first time with the database.
TEST_F(PlayerDatabaseTest, ASecondProgramGoesOnWhileSimilarNamesIsAsked)
{
    CPlayer john;
    Fill(john, "John", "Smith");
    ASSERT_EQ(0, db.PutDbasePlayer(&john, bStop));
    const std::string folder = (dir.path() / "Torvane" / "database").string();
    int nSecond = 0;
    db.SetSimilarNamesHook([&](const CString&, const CDWordArray&, DWORD&) {
        ++nSecond;
        pid_t pid = fork();
        if (pid == 0) {
            alarm(10);  // a child held on the lock is ended, and the test sees it
            CPlayerDatabase other;
            CPlayer ann;
            Fill(ann, "Ann", nSecond == 1 ? "Second" : "Third");
            DWORD bNoStop = 0;
            const bool bOk = other.Open(folder.c_str()) && other.PutDbasePlayer(&ann, bNoStop) == 0;
            other.Close();
            _exit(bOk ? 0 : 1);
        }
        int status = 0;
        EXPECT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second program ended with " << status;
        return 0;
    });

    CPlayer james;
    Fill(james, "James", "Smith");
    ASSERT_EQ(0, db.PutDbasePlayer(&james, bStop));
    CPlayer jim, before;
    Fill(jim, "Jim", "Smith");
    before.CopyFrom(jim);
    jim.m_strPhoneHome = "0161 496 0000";
    ASSERT_EQ(0, db.PutDbaseChanges(before, &jim, bStop));
    EXPECT_EQ(2, nSecond);
    EXPECT_EQ(5u, db.GetTable().GetRecordCount());
    std::vector<DWORD> keys;
    for (CString strSurname : {"Smith", "Second", "Third"}) {
        CDWordArray found;
        db.FindSimilarNames(strSurname == "Smith" ? "J" : "A", strSurname, found);
        for (INT_PTR i = 0; i < found.GetSize(); ++i)
            keys.push_back(found[i]);
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys.size(), 5u);
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
    EXPECT_NE(james.m_dwDbKey, 0u);
    EXPECT_NE(jim.m_dwDbKey, 0u);
}

TEST_F(PlayerDatabaseTest, PrintingClosesAndReopensTheFiles)
{
    CPlayer p;
    Fill(p, "Ann", "Lee");
    ASSERT_EQ(0, db.PutDbasePlayer(&p, bStop));
    db.CloseForPrinting();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(-1, db.PutDbasePlayer(&p, bStop));
    ASSERT_TRUE(db.ReopenAfterPrinting());
    EXPECT_TRUE(db.GetTable().GetRebuildReason().IsEmpty());
    CPlayer q;
    q.m_dwDbKey = p.m_dwDbKey;
    ASSERT_EQ(0, db.GetDbasePlayer(&q, FALSE));
    EXPECT_EQ("Ann Lee", q.m_strName);
    db.Close();
    EXPECT_FALSE(db.ReopenAfterPrinting());  // closed for good stays closed
}

// Two leagues' copies of one bowler, Jane's phone 0113 4960000 in her record. Monday changes it
// while the table is closed: the change waits, with what Monday knew of the record, and the
// record takes it when it can, unless Thursday changed that detail meanwhile; Thursday's
// change of another detail stays either way, and Monday's copy takes it.
TEST_F(PlayerDatabaseTest, AWaitingChangeGoesWhereTheRecordStillHoldsWhatTheLeagueKnew)
{
    const struct
    {
        const char* pszThursdayPhone;  // null: Thursday changes only the address
        const char* pszRecordPhone;
        WORD wRecordFlags;
    } cases[] = {
        {nullptr, "0113 4962222", PF_MALE | PF_TEAM_RESERVE},
        {"0113 4963333", "0113 4963333", PF_MALE | PF_TEAM_RESERVE},  // Thursday's later phone stands
        {"0113 4962222", "0113 4962222", PF_MALE | PF_TEAM_RESERVE},  // both gave the same
    };
    for (const auto& c : cases) {
        CPlayer monday, thursday;
        Fill(monday, "Jane", "Doe");
        monday.m_strPhoneHome = "0113 4960000";
        monday.m_wFlags = PF_FEMALE | PF_TEAM_RESERVE;
        ASSERT_EQ(0, db.PutDbasePlayer(&monday, bStop));
        thursday.m_dwDbKey = monday.m_dwDbKey;
        ASSERT_EQ(0, db.GetDbasePlayer(&thursday, FALSE));

        CPlayer before;
        before.CopyFrom(monday);
        monday.m_strPhoneHome = "0113 4962222";
        monday.m_wFlags = PF_MALE | PF_RESIGNED;  // his gender, and Monday's own excluded bit
        CPlayerDatabase::NoteChanges(before, monday, nullptr);
        ASSERT_NE(monday.m_pDbPending, nullptr);
        EXPECT_EQ(monday.m_pDbPending->m_dwDetails, 1u << SD_PHONE_HOME | 1u << SD_FLAGS);

        before.CopyFrom(thursday);
        thursday.m_strAddress[0] = "7 Mill Rd";
        if (c.pszThursdayPhone)
            thursday.m_strPhoneHome = c.pszThursdayPhone;
        ASSERT_EQ(0, db.PutDbaseChanges(before, &thursday, bStop));

        ASSERT_EQ(0, db.SyncPlayer(monday));
        EXPECT_EQ(monday.m_pDbPending, nullptr);
        ASSERT_EQ(0, db.FindDbasePlayer(monday.m_dwDbKey));
        const CPlayb003File& t = db.GetTable();
        EXPECT_EQ((std::vector<CString>{t.m_strPhoneHome, t.m_strAddress[0], monday.m_strPhoneHome,
                                        monday.m_strAddress[0]}),
                  (std::vector<CString>{c.pszRecordPhone, "7 Mill Rd", c.pszRecordPhone, "7 Mill Rd"}));
        EXPECT_EQ(t.m_wFlags, c.wRecordFlags);
        EXPECT_EQ(monday.m_wFlags, PF_MALE | PF_RESIGNED);
        ASSERT_EQ(0, db.GetTable().Delete());
    }
}

// What no bowler may hold (a date the calendar lacks, a control character, both genders) is never
// written to a record, whichever way a league's copy comes to hold it, and a damaged record gives
// none of it to a bowler.
TEST_F(PlayerDatabaseTest, NoRecordTakesOrGivesADateTextOrGenderNoBowlerMayHold)
{
    const std::string folder = (dir.path() / "Torvane" / "database").string();
    auto detailsOf = [](const CSharedDetails& d) {
        CString s;
        s.Format("%s|%s|%s|%d/%d/%d|%d/%d/%d|%d", d.m_strSurname.GetString(), d.m_strPhoneMobile.GetString(),
                 d.m_strUserData2.GetString(), d.m_nBirthDay, d.m_nBirthMonth, d.m_nBirthYear, d.m_nExpiryDay,
                 d.m_nExpiryMonth, d.m_nExpiryYear, d.m_wFlags & PF_CATEGORY_MASK);
        return std::string(s.GetString());
    };
    // As another program reads the record from the disk.
    auto record = [&](DWORD dwKey) {
        CPlayerDatabase other;
        EXPECT_TRUE(other.Open(folder.c_str()));
        EXPECT_EQ(0, other.FindDbasePlayer(dwKey));
        return detailsOf(other.GetTable());
    };
    auto spoil = [](CSharedDetails& p) {
        p.m_strSurname = "Do\te";
        p.m_strPhoneMobile = "07700\x01" "900456";
        p.m_strUserData2 = "a\x7F";
        std::tie(p.m_nBirthDay, p.m_nBirthMonth) = std::make_tuple(31, 9);
        std::tie(p.m_nExpiryDay, p.m_nExpiryMonth, p.m_nExpiryYear) = std::make_tuple(29, 2, 2027);
        p.m_wFlags |= PF_MALE;
    };
    const std::string sound = "Doe|07700 900456|lane 7|4/7/1990|30/9/2027|2";

    CPlayer jane;
    Fill(jane, "Jane", "Doe");
    jane.m_strUserData2 = "lane 7";
    ASSERT_EQ(0, db.PutDbasePlayer(&jane, bStop));
    ASSERT_EQ(record(jane.m_dwDbKey), sound);

    // Her copy written whole, and her copy's changes waiting and then written: the record keeps its own.
    CPlayer copy;
    copy.CopyFrom(jane);
    spoil(copy);
    ASSERT_EQ(0, db.PutDbasePlayer(&copy, bStop));
    EXPECT_EQ(record(jane.m_dwDbKey), sound);
    CPlayer before;
    before.CopyFrom(jane);
    spoil(jane);
    ASSERT_EQ(0, db.PutDbaseChanges(before, &jane, bStop));
    EXPECT_EQ(record(jane.m_dwDbKey), sound);
    EXPECT_EQ(detailsOf(jane), sound);  // and she takes the record's back
    EXPECT_EQ(jane.m_pDbPending, nullptr);

    // A new record from such a copy: its dates lose what the calendar lacks, its texts the
    // control characters, and she is female.
    CPlayer ann;
    Fill(ann, "Ann", "Ames");
    spoil(ann);
    ASSERT_EQ(0, db.PutDbasePlayer(&ann, bStop));
    EXPECT_EQ(record(ann.m_dwDbKey), "Doe|07700900456|a|0/9/1990|0/2/2027|2");

    // Monday moves her birthday to September while Thursday moves it to the 31st: the record
    // keeps a date the calendar holds, Thursday's, and Monday's copy takes it.
    CPlayer monday, thursday;
    monday.m_dwDbKey = thursday.m_dwDbKey = jane.m_dwDbKey;
    ASSERT_EQ(0, db.GetDbasePlayer(&monday, FALSE));
    ASSERT_EQ(0, db.GetDbasePlayer(&thursday, FALSE));
    before.CopyFrom(monday);
    monday.m_nBirthDay = 4, monday.m_nBirthMonth = 9;
    CPlayerDatabase::NoteChanges(before, monday, &db);
    before.CopyFrom(thursday);
    thursday.m_nBirthDay = 31;
    ASSERT_EQ(0, db.PutDbaseChanges(before, &thursday, bStop));
    ASSERT_EQ(0, db.SyncPlayer(monday));
    EXPECT_EQ(record(jane.m_dwDbKey), "Doe|07700 900456|lane 7|31/7/1990|30/9/2027|2");
    EXPECT_EQ(detailsOf(monday), record(jane.m_dwDbKey));

    // A damaged record (written past the guard, as a damaged disk might hold it): a bowler
    // reading it keeps his own of each damaged detail; one who has none gets it mended.
    ASSERT_EQ(0, db.FindDbasePlayer(jane.m_dwDbKey));
    spoil(db.GetTable());
    CIndexedFile& unguarded = db.GetTable();
    ASSERT_EQ(0, unguarded.Rewrite());
    ASSERT_EQ(record(jane.m_dwDbKey), "Do\te|07700\x01" "900456|a\x7F|31/9/1990|29/2/2027|6");
    ASSERT_EQ(0, db.GetDbasePlayer(&thursday, FALSE));
    EXPECT_EQ(detailsOf(thursday), "Doe|07700 900456|lane 7|31/7/1990|30/9/2027|2");
    CPlayer fresh;
    fresh.m_dwDbKey = jane.m_dwDbKey;
    ASSERT_EQ(0, db.GetDbasePlayer(&fresh, FALSE));
    EXPECT_EQ(detailsOf(fresh), "Doe|07700900456|a|0/9/1990|0/2/2027|2");
}

// Plainly the same person: both names in any case and spacing, the same gender, and the same
// birth date where both have one; a junior is still himself.
TEST_F(PlayerDatabaseTest, PlainlyTheSamePersonIsTheNamesTheGenderAndTheBirthDateWhereBothHaveOne)
{
    CPlayer a, b;
    Fill(a, "Jane", "Doe");
    Fill(b, "jane ", "DOE");
    b.m_wFlags = PF_FEMALE | PF_JUNIOR;
    EXPECT_TRUE(CPlayerDatabase::PlainlySamePerson(a, b));
    b.m_nBirthYear = 0, b.m_nBirthMonth = 0, b.m_nBirthDay = 0;
    EXPECT_TRUE(CPlayerDatabase::PlainlySamePerson(a, b));
    b.m_nBirthDay = 5, b.m_nBirthMonth = 7, b.m_nBirthYear = 1990;
    EXPECT_FALSE(CPlayerDatabase::PlainlySamePerson(a, b));
    Fill(b, "Jane", "Doe");
    b.m_wFlags = PF_MALE;
    EXPECT_FALSE(CPlayerDatabase::PlainlySamePerson(a, b));
    Fill(b, "Jan", "Doe");
    EXPECT_FALSE(CPlayerDatabase::PlainlySamePerson(a, b));
    CPlayer nobody, alsoNobody;
    EXPECT_FALSE(CPlayerDatabase::PlainlySamePerson(nobody, alsoNobody));
}

// Under another key, a record is the bowler's only on more than the names and gender: one detail
// both hold agreeing that tells a person across databases, a full birth date, a phone number (its
// digits, in any box) or the first address line (any case and spacing); and no recorded birth date
// disagreeing. A birth year or a membership number alone tells nobody.
TEST_F(PlayerDatabaseTest, TheSamePersonUnderAnotherKeyIsTheNamesAndOneIdentifyingDetailThatAgrees)
{
    auto namesOnly = [](const char* pszFirst, const char* pszSurname) {
        CSharedDetails p;
        p.m_strFirstName = pszFirst;
        p.m_strSurname = pszSurname;
        p.m_wFlags = PF_MALE;
        return p;
    };
    const CSharedDetails a = namesOnly("Owen", "Gillow");
    CSharedDetails b = namesOnly("owen", "GILLOW ");
    EXPECT_TRUE(CPlayerDatabase::PlainlySamePerson(a, b));
    EXPECT_FALSE(CPlayerDatabase::SamePersonByDetails(a, b));
    const std::vector<std::pair<std::function<void(CSharedDetails&, CSharedDetails&)>, bool>> cases = {
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strAddress[0] = "16 Mill Lane", y.m_strAddress[0] = " 16  MILL lane"; }, true},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strAddress[0] = "16 Mill Lane", y.m_strAddress[0] = "3 Dock Rd"; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strPhoneMobile = "07700 900111", y.m_strPhoneWork = "07700-900-111"; }, true},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strPhoneHome = "01422 300222", y.m_strPhoneHome = "01422 555000"; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strPhoneHome = "ex-directory", y.m_strPhoneHome = "ex-directory"; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strMembershipNo = "lg-77", y.m_strMembershipNo = "LG-77"; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strMembershipNo = y.m_strMembershipNo = "1"; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_strAddress[4] = y.m_strAddress[4] = "HX1 2AB"; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) { x.m_nBirthYear = y.m_nBirthYear = 1970; }, false},
        {[](CSharedDetails& x, CSharedDetails& y) {
             x.m_nBirthMonth = y.m_nBirthMonth = 3, x.m_nBirthYear = y.m_nBirthYear = 1970;
         },
         false},
        {[](CSharedDetails& x, CSharedDetails& y) {
             x.m_nBirthDay = y.m_nBirthDay = 12, x.m_nBirthMonth = y.m_nBirthMonth = 3;
             x.m_nBirthYear = y.m_nBirthYear = 1970;
         },
         true},
        // A birth date each holds otherwise: two people, whatever else agrees.
        {[](CSharedDetails& x, CSharedDetails& y) {
             x.m_strAddress[0] = y.m_strAddress[0] = "16 Mill Lane";
             x.m_nBirthYear = 1970, y.m_nBirthYear = 1998;
         },
         false},
        {[](CSharedDetails& x, CSharedDetails& y) {
             x.m_strAddress[0] = y.m_strAddress[0] = "16 Mill Lane";
             y.m_wFlags = PF_FEMALE;
         },
         false},
    };
    int n = 0;
    for (const auto& [set, bSame] : cases) {
        CSharedDetails x = namesOnly("Owen", "Gillow"), y = namesOnly("Owen", "Gillow");
        set(x, y);
        EXPECT_EQ(CPlayerDatabase::SamePersonByDetails(x, y), bSame) << "case " << n;
        EXPECT_EQ(CPlayerDatabase::SamePersonByDetails(y, x), bSame) << "case " << n;
        ++n;
    }
}

// Under his own key, where no stamp tells, a record is the bowler's when plainly him; or, an
// identifying detail agreeing, under another surname with his first name, or with his names but
// for one character. Never of the other gender or birth date, nor on names alone.
TEST_F(PlayerDatabaseTest, TheSamePersonUnderHisKeyIsToldThroughARenameOrADamagedByte)
{
    auto jane = [](const char* pszFirst, const char* pszSurname, const char* pszPhone) {
        CSharedDetails p;
        p.m_strFirstName = pszFirst;
        p.m_strSurname = pszSurname;
        p.m_strPhoneHome = pszPhone;
        p.m_wFlags = PF_FEMALE;
        return p;
    };
    const CSharedDetails league = jane("Jane", "Smith", "0161 4960002");
    const struct
    {
        CSharedDetails record;
        bool bHers;
    } cases[] = {
        {jane("jane", "SMITH", ""), true},
        {jane("Jane", "Brown", "0161 496 0002"), true},
        {jane("Jane", "Brown", "0161 4960003"), false},
        {jane("Jane", "Brown", ""), false},
        {jane("Jane", "Smoth", "0161 4960002"), true},
        {jane("Jane", "Smth", "0161 4960002"), true},
        {jane("Jane", "Smithe", "0161 4960002"), true},
        {jane("Jone", "Smith", "0161 4960002"), true},
        {jane("Jone", "Smoth", "0161 4960002"), false},
        {jane("Joan", "Smith", "0161 4960002"), false},
        {jane("Jane", "Smoth", ""), false},
        {jane("", "Smith", "0161 4960002"), false},
    };
    int n = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(CPlayerDatabase::SamePersonAtKey(league, c.record), c.bHers) << "case " << n;
        EXPECT_EQ(CPlayerDatabase::SamePersonAtKey(c.record, league), c.bHers) << "case " << n;
        ++n;
    }
    CSharedDetails other = jane("Jane", "Brown", "0161 4960002");
    other.m_wFlags = PF_MALE;
    EXPECT_FALSE(CPlayerDatabase::SamePersonAtKey(league, other));
    other = jane("Jane", "Brown", "0161 4960002");
    CSharedDetails born = league;
    born.m_nBirthYear = 1970, other.m_nBirthYear = 1971;
    EXPECT_FALSE(CPlayerDatabase::SamePersonAtKey(born, other));
    other.m_nBirthYear = 1970;
    EXPECT_TRUE(CPlayerDatabase::SamePersonAtKey(born, other));

    // Another database's Jane under her key, living elsewhere, her first name and gender alike and
    // a birth year, a full birth date or membership number "1" too: nothing there tells a person
    // under another surname. She may be hers, to be named; of another first name, not even that.
    const auto brown = [&](const std::function<void(CSharedDetails&)>& set) {
        CSharedDetails mine = league, theirs = jane("Jane", "Brown", "0161 4960077");
        theirs.m_strAddress[0] = "4 Low Rd", mine.m_strAddress[0] = "1 Elm Row";
        set(mine);
        set(theirs);
        return std::vector<std::string>{CPlayerDatabase::SamePersonAtKey(mine, theirs) ? "hers" : "not hers",
                    CPlayerDatabase::MayBeSamePersonAtKey(mine, theirs) ? "may be" : "not named",
                    CPlayerDatabase::MayBeSamePersonAtKey(mine, jane("Joan", "Brown", "")) ? "Joan may be" : ""};
    };
    using Said = std::vector<std::string>;
    EXPECT_EQ(brown([](CSharedDetails& d) { d.m_nBirthYear = 1975; }), (Said{"not hers", "may be", ""}));
    EXPECT_EQ(brown([](CSharedDetails& d) { d.m_nBirthDay = 12, d.m_nBirthMonth = 3, d.m_nBirthYear = 1975; }),
              (Said{"not hers", "may be", ""}));
    EXPECT_EQ(brown([](CSharedDetails& d) { d.m_strMembershipNo = "1"; }), (Said{"not hers", "may be", ""}));
    EXPECT_EQ(brown([](CSharedDetails&) {}), (Said{"not hers", "not named", ""}));

    // One damaged byte of a stamp, and no more.
    constexpr ULONGLONG qw = 0x0123456789ABCDEFull;
    EXPECT_TRUE(CPlayerDatabase::OneByteApart(qw, qw ^ 0x0000FF0000000000ull));
    EXPECT_TRUE(CPlayerDatabase::OneByteApart(qw, qw ^ 1));
    EXPECT_FALSE(CPlayerDatabase::OneByteApart(qw, qw));
    EXPECT_FALSE(CPlayerDatabase::OneByteApart(qw, qw ^ 0x0100000000000001ull));
    EXPECT_FALSE(CPlayerDatabase::OneByteApart(qw, 0x1122334455667788ull));
}

// A record is a bowler's only when it carries his stamp. Under Tom's key another database holds
// Sue: she is not read into him nor written over; he becomes a record of his own, and his stamp
// goes with him. A record of an earlier version (no stamp) is his when plainly the same person,
// stamped then, and a second league's link without a stamp to it takes that stamp.
TEST_F(PlayerDatabaseTest, ARecordIsTakenOrWrittenOnlyWhenItIsTheBowlers)
{
    CPlayer tom;
    Fill(tom, "Tom", "Baker");
    tom.m_wFlags = PF_MALE;
    tom.MakeDisplayName(FALSE);
    ASSERT_EQ(0, db.PutDbasePlayer(&tom, bStop));
    const ULONGLONG qwTom = tom.m_qwDbStamp;
    ASSERT_NE(qwTom, 0u);

    CPlayerDatabase other;
    ASSERT_TRUE(other.Open((dir.path() / "other").string().c_str()));
    CPlayer sue;
    Fill(sue, "Sue", "Cole");
    ASSERT_EQ(0, other.PutDbasePlayer(&sue, bStop));
    ASSERT_EQ(sue.m_dwDbKey, tom.m_dwDbKey);

    CPlayer read;
    read.CopyFrom(tom);
    EXPECT_EQ(-1, other.GetDbasePlayer(&read, FALSE));
    CPlayer before;
    before.CopyFrom(tom);
    tom.m_strPhoneHome = "0113 4961111";
    ASSERT_EQ(0, other.PutDbaseChanges(before, &tom, bStop));
    EXPECT_EQ((std::vector<CString>{tom.m_strFirstName, tom.m_strPhoneHome}),
              (std::vector<CString>{"Tom", "0113 4961111"}));
    EXPECT_NE(tom.m_dwDbKey, sue.m_dwDbKey);
    EXPECT_EQ(tom.m_qwDbStamp, qwTom);
    ASSERT_EQ(0, other.FindDbasePlayer(sue.m_dwDbKey));
    EXPECT_EQ((std::vector<CString>{other.GetTable().m_strFirstName, other.GetTable().m_strPhoneHome}),
              (std::vector<CString>{"Sue", ""}));
    EXPECT_EQ(other.TakeReport().added, std::vector<CString>{"Tom Baker"});

    // An earlier version's record, and two leagues' links to it without stamps.
    CPlayb003File& t = other.GetTable();
    ASSERT_EQ(0, other.FindDbasePlayer(sue.m_dwDbKey));
    t.m_qwStamp = 0;
    ASSERT_EQ(0, t.Rewrite());
    CPlayer monday, thursday;
    for (CPlayer* p : {&monday, &thursday}) {
        Fill(*p, "Sue", "Cole");
        p->m_dwDbKey = sue.m_dwDbKey;
        ASSERT_EQ(0, other.SyncPlayer(*p));
    }
    EXPECT_NE(monday.m_qwDbStamp, 0u);
    EXPECT_EQ(thursday.m_qwDbStamp, monday.m_qwDbStamp);
    ASSERT_EQ(0, other.FindDbasePlayer(sue.m_dwDbKey));
    EXPECT_EQ(t.m_qwStamp, monday.m_qwDbStamp);
    EXPECT_FALSE(other.TakeReport().LinksRemade());
}

// Jane's phone waits in Monday's copy while Thursday writes one to her record. Typed after
// Thursday's write, Monday's phone goes to the record; typed before it, the record keeps Thursday's
// and Monday's is reported, with both values. A record whose time is not known keeps its own, even
// against a phone typed later.
TEST_F(PlayerDatabaseTest, AWaitingDetailTypedLaterGoesAndOneTypedEarlierIsReported)
{
    for (const int nCase : {0, 1, 2}) {
        const bool bMondayLater = nCase != 1;
        const bool bMondayStands = nCase == 0;
        CPlayer monday, thursday;
        Fill(monday, "Jane", "Doe");
        monday.MakeDisplayName(FALSE);
        monday.m_strPhoneHome = "0113 4960000";
        ASSERT_EQ(0, db.PutDbasePlayer(&monday, bStop));
        thursday.m_dwDbKey = monday.m_dwDbKey;
        ASSERT_EQ(0, db.GetDbasePlayer(&thursday, FALSE));
        CPlayer before;
        auto typeMonday = [&] {
            before.CopyFrom(monday);
            monday.m_strPhoneHome = "0113 4962222";
            CPlayerDatabase::NoteChanges(before, monday, nullptr);  // the database away
        };
        if (!bMondayLater)
            typeMonday();
        before.CopyFrom(thursday);
        thursday.m_strPhoneHome = "0113 4963333";
        ASSERT_EQ(0, db.PutDbaseChanges(before, &thursday, bStop));
        EXPECT_EQ(db.TakeReport().nWritten, 1);  // Thursday's own change
        if (nCase == 2) {
            // As an earlier version wrote it, no time: a rewrite never takes a record's time back.
            CPlayb003File& t = db.GetTable();
            ASSERT_EQ(0, db.FindDbasePlayer(monday.m_dwDbKey));
            ASSERT_EQ(0, t.Delete());
            t.m_nTypedBy = 0;
            ASSERT_EQ(0, t.Add());
            ASSERT_EQ(0, db.FindDbasePlayer(monday.m_dwDbKey));
            ASSERT_EQ(t.m_nTypedBy, 0);
        }
        if (bMondayLater)
            typeMonday();
        ASSERT_EQ(0, db.SyncPlayer(monday));
        const CDbReport report = db.TakeReport();
        const char* pszStands = bMondayStands ? "0113 4962222" : "0113 4963333";
        ASSERT_EQ(0, db.FindDbasePlayer(monday.m_dwDbKey));
        EXPECT_EQ((std::vector<CString>{db.GetTable().m_strPhoneHome, monday.m_strPhoneHome}),
                  (std::vector<CString>{pszStands, pszStands}))
            << nCase;
        if (bMondayStands) {
            EXPECT_TRUE(report.dropped.empty());
            EXPECT_EQ(report.nWritten, 1);
        } else {
            ASSERT_EQ(report.dropped.size(), 1u) << nCase;
            const CDbReport::CDropped& d = report.dropped[0];
            EXPECT_EQ(d.strBowler, "Jane Doe");
            EXPECT_EQ(d.dwDetails, 1u << SD_PHONE_HOME);
            EXPECT_EQ((std::vector<CString>{d.mine.m_strPhoneHome, d.theirs.m_strPhoneHome}),
                      (std::vector<CString>{"0113 4962222", "0113 4963333"}));
        }
        EXPECT_EQ(monday.m_pDbPending, nullptr);
        ASSERT_EQ(0, db.GetTable().Delete());
    }
}

// Kay's copy was last in step with another database, where the league typed her mobile, then
// (after another league changed her work phone and postcode at home) her home phone, a blank user
// data 1 and a male status. Met at home: what was typed after the record's last change goes to it
// and is reported; her mobile, typed before it, is reported as not kept; the work phone she
// lacked and the postcode the league never typed she takes from the record, unreported. Met
// again, in step, nothing.
TEST_F(PlayerDatabaseTest, ARecordNotInStepTakesWhatWasTypedLaterAndKeepsTheRest)
{
    CPlayer kay;
    Fill(kay, "Kay", "Hart");
    kay.m_strPhoneMobile.Empty();
    kay.MakeDisplayName(FALSE);
    ASSERT_EQ(0, db.PutDbasePlayer(&kay, bStop));
    CPlayerDatabase away;
    ASSERT_TRUE(away.Open((dir.path() / "away").string().c_str()));
    ASSERT_EQ(0, away.SyncPlayer(kay));
    ASSERT_EQ(away.TakeReport().added, std::vector<CString>{"Kay Hart"});
    auto type = [&](const std::function<void(CPlayer&)>& change) {
        CPlayer before;
        before.CopyFrom(kay);
        change(kay);
        ASSERT_EQ(0, away.PutDbaseChanges(before, &kay, bStop));
    };
    type([](CPlayer& p) { p.m_strPhoneMobile = "07700 900111"; });
    // Another league at home.
    CPlayer other;
    other.m_dwDbKey = kay.m_dwDbKey;
    ASSERT_EQ(0, db.GetDbasePlayer(&other, FALSE));
    CPlayer before;
    before.CopyFrom(other);
    other.m_strPhoneWork = "0113 4965555";
    other.m_strAddress[4] = "LS1 1AA";
    ASSERT_EQ(0, db.PutDbaseChanges(before, &other, bStop));
    type([](CPlayer& p) {
        p.m_strPhoneHome = "0113 4962222";
        p.m_strUserData1.Empty();
        p.m_wFlags = static_cast<WORD>((p.m_wFlags & ~PF_FEMALE) | PF_MALE);
    });
    db.TakeReport();

    ASSERT_EQ(0, db.SyncPlayer(kay));
    const CDbReport report = db.TakeReport();
    EXPECT_FALSE(report.LinksRemade());
    ASSERT_EQ(report.typedLater.size(), 1u);
    EXPECT_EQ(report.typedLater[0].dwDetails, 1u << SD_PHONE_HOME | 1u << SD_USER_DATA_1 | 1u << SD_FLAGS);
    EXPECT_EQ((std::vector<CString>{report.typedLater[0].mine.m_strPhoneHome, report.typedLater[0].theirs.m_strPhoneHome}),
              (std::vector<CString>{"0113 4962222", ""}));
    // The postcode the league never typed is no value of its own: it takes the record's, unnamed.
    ASSERT_EQ(report.notKept.size(), 1u);
    EXPECT_EQ(report.notKept[0].dwDetails, 1u << SD_PHONE_MOBILE);
    EXPECT_EQ((std::vector<CString>{report.notKept[0].mine.m_strPhoneMobile, report.notKept[0].theirs.m_strPhoneMobile}),
              (std::vector<CString>{"07700 900111", ""}));
    EXPECT_TRUE(report.dropped.empty());
    ASSERT_EQ(0, db.FindDbasePlayer(kay.m_dwDbKey));
    const CPlayb003File& t = db.GetTable();
    auto details = [](const CSharedDetails& d) {
        return std::vector<CString>{d.m_strPhoneHome, d.m_strPhoneWork, d.m_strPhoneMobile, d.m_strAddress[4],
                                    d.m_strUserData1, (d.m_wFlags & PF_MALE) ? "male" : "female"};
    };
    const std::vector<CString> now{"0113 4962222", "0113 4965555", "", "LS1 1AA", "", "male"};
    EXPECT_EQ(details(t), now);
    EXPECT_EQ(details(kay), now);
    EXPECT_EQ(kay.m_pDbPending, nullptr);
    // In step now: another league's change is taken silently.
    ASSERT_EQ(0, db.GetDbasePlayer(&other, FALSE));
    before.CopyFrom(other);
    other.m_strPhoneMobile = "07700 900999";
    ASSERT_EQ(0, db.PutDbaseChanges(before, &other, bStop));
    db.TakeReport();
    ASSERT_EQ(0, db.SyncPlayer(kay));
    EXPECT_TRUE(db.TakeReport().IsEmpty());
    EXPECT_EQ(kay.m_strPhoneMobile, "07700 900999");
}

// Under his key, where no stamp tells, plainly him by name is his only where what tells a person
// does not disagree: where both hold a phone or a first address line, one of those (or a full
// birth date) alike. Another first name under his surname, where he lives, may be his: named only.
TEST_F(PlayerDatabaseTest, UnderHisKeyANamesakeOfAnotherAddressAndPhoneIsNotHimButOneWhoMovedIs)
{
    auto owen = [](const char* pszFirst, const char* pszAddress, const char* pszHome, const char* pszMobile = "") {
        CSharedDetails p;
        p.m_strFirstName = pszFirst;
        p.m_strSurname = "Fairweather";
        p.m_strAddress[0] = pszAddress;
        p.m_strPhoneHome = pszHome;
        p.m_strPhoneMobile = pszMobile;
        p.m_wFlags = PF_MALE;
        return p;
    };
    const CSharedDetails league = owen("Owen", "5 Bridge St", "0113 4960000");
    const struct
    {
        const char* pszCase;
        CSharedDetails record;
        const char* pszSaid;  // at his key: his, may be his, or neither
    } cases[] = {
        {"another address and phone", owen("Owen", "7 Far Lane", "0113 4960099"), "may be"},
        {"moved house, kept his phone", owen("Owen", "7 Far Lane", "0113 496 0000"), "his"},
        {"his phone kept as a mobile", owen("Owen", "7 Far Lane", "", "01134960000"), "his"},
        {"another phone, same house", owen("owen", " 5  BRIDGE st", "0113 4960099"), "his"},
        {"names and gender only", owen("Owen", "", ""), "his"},
        {"another address, no phone", owen("Owen", "7 Far Lane", ""), "may be"},
        {"another phone, no address", owen("Owen", "", "0113 4960099"), "may be"},
        {"Owain where he lives", owen("Owain", "5 Bridge St", "0113 4960099"), "may be"},
        {"Owain with his phone", owen("Owain", "7 Far Lane", "0113 4960000"), "may be"},
        {"Owain elsewhere", owen("Owain", "7 Far Lane", "0113 4960099"), "neither"},
        {"Owen one character off, his phone", owen("Owem", "7 Far Lane", "0113 4960000"), "his"},
    };
    for (const auto& c : cases) {
        const char* pszMine = CPlayerDatabase::SamePersonAtKey(league, c.record)        ? "his"
                              : CPlayerDatabase::MayBeSamePersonAtKey(league, c.record) ? "may be"
                                                                                         : "neither";
        EXPECT_STREQ(pszMine, c.pszSaid) << c.pszCase;
        EXPECT_EQ(CPlayerDatabase::SamePersonAtKey(c.record, league), CPlayerDatabase::SamePersonAtKey(league, c.record))
            << c.pszCase;
    }
    // One holding only a phone, the other only an address: nothing disagrees.
    EXPECT_TRUE(CPlayerDatabase::SamePersonAtKey(owen("Owen", "", "0113 4960000"), owen("Owen", "7 Far Lane", "")));
    // A full birth date both hold alike tells him, as under another key; one each holds otherwise,
    // or another gender, never.
    CSharedDetails born = league, elsewhere = owen("Owen", "7 Far Lane", "0113 4960099");
    std::tie(born.m_nBirthDay, born.m_nBirthMonth, born.m_nBirthYear) = std::make_tuple(12, 3, 1970);
    std::tie(elsewhere.m_nBirthDay, elsewhere.m_nBirthMonth, elsewhere.m_nBirthYear) = std::make_tuple(12, 3, 1970);
    EXPECT_TRUE(CPlayerDatabase::SamePersonAtKey(born, elsewhere));
    EXPECT_TRUE(CPlayerDatabase::SamePersonByDetails(born, elsewhere));
    elsewhere.m_nBirthYear = 1971;
    EXPECT_FALSE(CPlayerDatabase::SamePersonAtKey(born, elsewhere));
    CSharedDetails woman = owen("Owen", "5 Bridge St", "0113 4960000");
    woman.m_wFlags = PF_FEMALE;
    EXPECT_FALSE(CPlayerDatabase::SamePersonAtKey(league, woman));
}

// The table's look-up by surname meets names stored with blanks at either end (another program's,
// an import's), as it meets them without; a start typed meets every surname beginning with it.
TEST_F(PlayerDatabaseTest, ASurnameIsLookedUpWithoutTheBlanksAtItsEnds)
{
    CPlayb003File& t = db.GetTable();
    std::map<std::string, DWORD> keys;
    for (const char* pszSurname : {"Lee", "  Lee", "Lee ", "Leeds", "lee", " Leeming", "Ray", "", " "}) {
        t.Clear();
        t.m_dwKey = t.NewKey();
        t.m_strFirstName = "Ann";
        t.m_strSurname = pszSurname;
        ASSERT_EQ(t.Add(), 0);
        keys[pszSurname] = t.m_dwKey;
    }
    auto found = [&](const char* pszSought, bool bPrefix) {
        std::set<DWORD> got;
        t.ForEachOfSurname(pszSought, bPrefix, [&] {
            EXPECT_TRUE(got.insert(t.m_dwKey).second) << t.m_strSurname.GetString();
            return true;
        });
        return got;
    };
    const std::set<DWORD> lee{keys["Lee"], keys["  Lee"], keys["Lee "], keys["lee"]};
    EXPECT_EQ(found("Lee", false), lee);
    EXPECT_EQ(found(" LEE  ", false), lee);
    std::set<DWORD> starting = lee;
    starting.insert({keys["Leeds"], keys[" Leeming"]});
    EXPECT_EQ(found("le", true), starting);
    EXPECT_EQ(found("", true), std::set<DWORD>{});
    EXPECT_EQ(found("Ray", false), std::set<DWORD>{keys["Ray"]});
    // Stopped by its caller, the walk visits no more.
    int nVisited = 0;
    t.ForEachOfSurname("Lee", false, [&] { return ++nVisited < 2; });
    EXPECT_EQ(nVisited, 2);

    CDWordArray similar;
    db.FindSimilarNames(" Ann", "Lee  ", similar);
    EXPECT_EQ(std::set<DWORD>(similar.GetData(), similar.GetData() + similar.GetSize()), lee);
}
