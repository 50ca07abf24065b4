// The bowler's details driven through their dialogs: adding and editing bowlers, what OK
// refuses, the categories by average, the entering averages and the player database.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "TempDir.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "resources/CommandIds.h"

#include <stdexcept>
#include <string>

namespace {

using Texts = std::vector<std::string>;

struct PlayerDetails : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;
    void SetUp() override
    {
        SetUpAdmin();
        PlayerSetup::Install();
        MakeLeague(doc, 4, 6, At(2024, 9, 2));
        doc.m_nMaxPlayersPerTeam = 3;
        doc.SetModifiedFlag(FALSE);
    }
    CPlayer* Add(const char* first, const char* last, WORD nTeam = 0, WORD nTenths = 0)
    {
        auto* p = new CPlayer(static_cast<WORD>(doc.GetNextPlayerNumber()));
        p->m_strFirstName = first;
        p->m_strSurname = last;
        p->m_wFlags = PF_MALE;
        p->m_nTeamNo = nTeam;
        p->SetEnteringAverage(nTenths);
        p->MakeDisplayName(doc.m_bSurnameFirst);
        doc.AddPlayer(p);
        if (nTeam)
            doc.FindTeam(nTeam)->m_arrTeamOrder.Add(p->m_nPlayerNo);
        return p;
    }
    CPlayer* Find(const char* first, const char* last)
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (p->m_strFirstName == first && p->m_strSurname == last)
                return p;
        }
        return nullptr;
    }
};

} // namespace

// ------------------------------------------------------------------ adding bowlers

TEST_F(PlayerDetails, ANewBowlerTypedIntoTheDialogJoinsHisTeamWithHisEnteringAverage)
{
    ui.OnDialog(IDD_NEW_PLAYER)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_PD_TEAM), (Texts{" Unassigned ", "Team_01", "Team_02", "Team_03", "Team_04"}));
            EXPECT_EQ(Ctl(d, IDC_PD_TEAM).curSel, 0);
            EXPECT_EQ(Items(d, IDC_PD_STATUS), (Texts{"Male", "Junior Male", "Female", "Junior Female"}));
            EXPECT_EQ(TextsOf(d, {IDC_PD_DESIGNATION, IDC_PD_CATEGORY}), (Texts{"Regular", "Undefined"}));
            // No membership types: nothing to choose.
            EXPECT_EQ(Items(d, IDC_PD_MEMBERSHIP_TYPE), Texts{"None Set"});
            EXPECT_EQ(EnabledOf(d, {IDC_PD_MEMBERSHIP_TYPE, IDC_PD_FLOATING_SUB}), "01");
        })
        .Click(IDC_PD_FORMAT_TEXT).SetText(IDC_PD_FORENAME_NEW, "mARY").SetText(IDC_PD_SURNAME, "o'BRIEN")
        .SetText(IDC_PD_ADDRESS[0], "12 high STREET")
        .SetText(IDC_PD_ENTERING_NEW, "185.67").Click(IDC_PD_FLOATING_SUB)
        .SelectString(IDC_PD_TEAM, "Team_02")
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PD_FORENAME_NEW, IDC_PD_SURNAME, IDC_PD_ADDRESS[0], IDC_PD_ENTERING_NEW}),
                      (Texts{"Mary", "O'Brien", "12 High Street", "  185.6"}));
            // A bowler with a team is no floating substitute.
            EXPECT_FALSE(Ctl(d, IDC_PD_FLOATING_SUB).enabled);
            EXPECT_EQ(Ctl(d, IDC_PD_FLOATING_SUB).check, 0);
        })
        .SelectString(IDC_PD_STATUS, "Junior Female").SetText(IDC_PD_BIRTH_DAY, "9")
        .Select(IDC_PD_BIRTH_MONTH, 2).SetText(IDC_PD_BIRTH_YEAR, "2010")
        .Select(IDC_PD_EXPIRY_MONTH, 11)  // December without day or year
        .SetText(IDC_PD_PIN, "4321").Click(IDC_PD_ANOTHER)
        .OK();
    ui.OnDialog(IDD_NEW_PLAYER)
        .SetText(IDC_PD_FORENAME_NEW, "Sam").SetText(IDC_PD_SURNAME, "Stone")
        .SetText(IDC_PD_ENTERING_NEW, "350")
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_ENTERING_NEW).text, "350"); })  // not left yet
        .Click(IDC_PD_FLOATING_SUB)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_ENTERING_NEW).text, "  300.0"); })
        .OK();

    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 2);
    EXPECT_TRUE(doc.IsModified());
    CPlayer* mary = Find("Mary", "O'Brien");
    ASSERT_NE(mary, nullptr);
    // The expiry month is kept as chosen, not shifted back a month.
    EXPECT_EQ(Nums(mary->m_nPlayerNo, mary->m_nTeamNo, doc.FindTeam(2)->GetOrderCount(),
                   doc.FindTeam(2)->m_arrTeamOrder[0], mary->m_nEnteringAvg, mary->GetEnteringAverage(TRUE),
                   mary->m_wFlags & PF_CATEGORY_MASK, mary->m_nBirthDay, mary->m_nBirthMonth, mary->m_nBirthYear,
                   mary->m_nExpiryMonth, mary->m_nPin, mary->m_nAverage),
              Nums(1, 2, 1, 1, 1856, 1856, PF_FEMALE | PF_JUNIOR, 9, 3, 2010, 12, 4321, 185));
    EXPECT_EQ(mary->m_strAddress[0], "12 High Street");
    EXPECT_EQ(mary->m_strName, "Mary O'Brien");

    CPlayer* sam = Find("Sam", "Stone");
    ASSERT_NE(sam, nullptr);
    EXPECT_EQ(Nums(sam->m_nEnteringAvg, sam->m_nTeamNo, sam->m_wFlags & PF_CATEGORY_MASK), Nums(3000, 0, PF_MALE));
    EXPECT_TRUE(sam->IsFloatingSub());
}

TEST_F(PlayerDetails, OkRefusesBadBirthYearsBlankNamesFullTeamsAndTwins)
{
    Add("Ann", "Ames", 1);
    Add("Bob", "Bell", 1);
    Add("Cy", "Cole", 1);  // Team_01 holds the three the league allows
    ui.OnDialog(IDD_NEW_PLAYER)
        .SetText(IDC_PD_FORENAME_NEW, "Ann").SetText(IDC_PD_BIRTH_YEAR, "1899").OK()
        .SetText(IDC_PD_BIRTH_YEAR, "0")
        .OK()  // no surname
        .SetText(IDC_PD_SURNAME, "Ames").SelectString(IDC_PD_TEAM, "Team_01").OK()
        .SelectString(IDC_PD_TEAM, "Team_03")
        .OK()  // the same name as a bowler of the league
        .SetText(IDC_PD_SURNAME, "AMES").SetText(IDC_PD_PIN, "60000").OK().SetText(IDC_PD_PIN, "0")
        .SetText(IDC_PD_BIRTH_YEAR, "1900").SetText(IDC_PD_BIRTH_DAY, "32").OK()
        .SetText(IDC_PD_BIRTH_DAY, "31")
        .OK();
    ui.AnswerMessageBox(IDOK, "Date of birth year must be > 1899!");
    ui.AnswerMessageBox(IDOK, "A player may NOT have a blank name field!.");
    ui.AnswerMessageBox(IDOK, "This team has exceeded the maximum No. of registered players.");
    ui.AnswerMessageBox(IDOK, "There is an existing player with the same name.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 59999.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 31.");
    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    CPlayer* p = Find("Ann", "AMES");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Nums(p->m_nTeamNo, p->m_nBirthYear, doc.FindTeam(1)->GetOrderCount()), Nums(3, 1900, 3));
}

TEST_F(PlayerDetails, CancelAddsNobodyAndThePinOfAnotherBowlerIsNamed)
{
    CPlayer* pOther = Add("Ann", "Ames", 1);
    pOther->m_nPin = 77;
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_PIN, "77").Focus(IDC_PD_SURNAME).Cancel();
    ui.AnswerMessageBox(IDOK, "That PIN is in use by Ann Ames");
    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 0);
    EXPECT_EQ(doc.m_listPlayers.GetCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PlayerDetails, MembershipTypesAreOfferedWhenTheLeagueHasThem)
{
    doc.m_arrMembershipTypes.Add("Adult");
    doc.m_arrMembershipTypes.Add("Youth");
    ui.OnDialog(IDD_NEW_PLAYER)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_PD_MEMBERSHIP_TYPE), (Texts{"None", "Adult", "Youth"}));
            EXPECT_TRUE(Ctl(d, IDC_PD_MEMBERSHIP_TYPE).enabled);
        })
        .SetText(IDC_PD_FORENAME_NEW, "Ann").SetText(IDC_PD_SURNAME, "Ames")
        .SelectString(IDC_PD_MEMBERSHIP_TYPE, "Youth").SelectString(IDC_PD_CATEGORY, "Category B")
        .SelectString(IDC_PD_DESIGNATION, "Robot #2")
        .OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    CPlayer* p = Find("Ann", "Ames");
    EXPECT_EQ(Nums(p->m_nMembershipType, p->m_nCategory, p->m_nRobot), Nums(2, 2, 2));
}

TEST_F(PlayerDetails, PlayerAddThroughTheMenuRecalculates)
{
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Ann").SetText(IDC_PD_SURNAME, "Ames").OK();
    CCmdUI state;
    state.m_nID = ID_PLAYER_ADD;
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ADD, CN_UPDATE_COMMAND_UI, &state));
    EXPECT_TRUE(state.m_bEnabled);
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
    EXPECT_NE(Find("Ann", "Ames"), nullptr);
}

// ------------------------------------------------------------------ editing a bowler

TEST_F(PlayerDetails, EditShowsTheBowlerAndOkWritesTheChangesCancelNone)
{
    CPlayer* p = Add("Ann", "Ames", 1, 1723);
    p->m_nBirthDay = 5;
    p->m_nBirthMonth = 6;
    p->m_nBirthYear = 1980;
    p->m_nMostImprovedBase = 1650;
    p->m_strPhoneHome = "0123";
    Add("Bob", "Bell", 2);

    ui.OnDialog(IDD_EDIT_PLAYER)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PD_FORENAME_EDIT, IDC_PD_SURNAME, IDC_PD_TEAM, IDC_PD_ENTERING_EDIT,
                                  IDC_PD_MOST_IMPROVED, IDC_PD_BIRTH_MONTH, IDC_PD_PHONE_HOME}),
                      (Texts{"Ann", "Ames", "Team_01", "  172.3", "  165.0", "Jun", "0123"}));
            EXPECT_EQ(Ctl(d, IDC_PD_EXPIRY_MONTH).curSel, -1);
            EXPECT_FALSE(Ctl(d, IDC_PD_FLOATING_SUB).enabled);
        })
        .SetText(IDC_PD_SURNAME, "Changed").SetText(IDC_PD_ENTERING_EDIT, "190")
        .Cancel();
    EXPECT_FALSE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(p->m_strSurname, "Ames");
    EXPECT_EQ(p->m_nEnteringAvg, 1723);
    EXPECT_FALSE(doc.IsModified());

    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_SURNAME, "Bell").SetText(IDC_PD_FORENAME_EDIT, "Bob")
        .OK()  // Bob Bell exists
        .SetText(IDC_PD_FORENAME_EDIT, "Anne").SetText(IDC_PD_ENTERING_EDIT, "190.25")
        .SetText(IDC_PD_MOST_IMPROVED, "0").SelectString(IDC_PD_TEAM, "Team_02")
        .SelectString(IDC_PD_STATUS, "Female")
        .OK();
    ui.AnswerMessageBox(IDOK, "There is an existing player with the same name.");
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(p->m_strName, "Anne Bell");
    // Moved from one team order to the other.
    EXPECT_EQ(Nums(p->m_nEnteringAvg, p->m_nCurEnteringAvg, p->m_nMostImprovedBase, p->m_wFlags & PF_CATEGORY_MASK,
                   p->m_nBirthMonth, p->m_nTeamNo, doc.FindTeam(1)->GetOrderCount()),
              Nums(1902, 1902, 0, PF_FEMALE, 6, 2, 0));
    ASSERT_EQ(doc.FindTeam(2)->GetOrderCount(), 2);
    EXPECT_EQ(doc.FindTeam(2)->m_arrTeamOrder[1], p->m_nPlayerNo);
    EXPECT_TRUE(doc.IsModified());
}

// The edit boxes of user data take what the league keeps: the player database's record 32
// characters, a league of its own 63.
TEST_F(PlayerDetails, UserDataIsHeldToWhatTheLeagueKeeps)
{
    CPlayer* p = Add("Ann", "Ames", 1);
    const std::string typed(70, 'u');
    for (DWORD bDatabase : {1u, 0u}) {
        const int nKept = bDatabase ? 32 : 63;
        doc.m_bPlayerDatabase = bDatabase;
        ui.OnDialog(IDD_EDIT_PLAYER)
            .Check([&](CDialog& d) { EXPECT_EQ(Nums(Ctl(d, IDC_PD_USER1).limit, Ctl(d, IDC_PD_USER2).limit), Nums(nKept, nKept)); })
            .SetText(IDC_PD_USER1, typed.c_str())
            .OK();
        EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, p));
        EXPECT_EQ(p->m_strUserData1, typed.substr(0, static_cast<size_t>(nKept)).c_str());
    }
}

TEST_F(PlayerDetails, EditKeepsHisOwnNameAndTeamAndMayNotEmptyTheName)
{
    Add("Ann", "Ames", 1);
    Add("Bob", "Bell", 1);
    CPlayer* p = Add("Cy", "Cole", 1);  // a full team he is already on
    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_FORENAME_EDIT, "").OK().SetText(IDC_PD_FORENAME_EDIT, "Cy")
        .OK();
    ui.AnswerMessageBox(IDOK, "A player may NOT have a blank name field!.");
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(Nums(p->m_nTeamNo, doc.FindTeam(1)->GetOrderCount()), Nums(1, 3));
}

// A bowler who came without a forename (a vacancy from another program's league) keeps it blank
// through OK; emptying his surname, or another bowler's forename, is still refused.
TEST_F(PlayerDetails, ANameThatCameBlankMayStayBlankButNoneMayBeEmptied)
{
    CPlayer* vacancy = Add("", "Vacancy", 1);
    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_ADDRESS[0], "Wharf Street")
        .SetText(IDC_PD_SURNAME, "").OK().SetText(IDC_PD_SURNAME, "Vacant")
        .OK();
    ui.AnswerMessageBox(IDOK, "A player may NOT have a blank name field!.");
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, vacancy));
    EXPECT_EQ(Texts({vacancy->m_strFirstName.GetString(), vacancy->m_strSurname.GetString(),
                     vacancy->m_strAddress[0].GetString()}),
              Texts({"", "Vacant", "Wharf Street"}));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(PlayerDetails, AnExpiryDateMayBeGivenToEveryBowler)
{
    CPlayer* a = Add("Ann", "Ames", 1);
    CPlayer* b = Add("Bob", "Bell", 2);
    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_EXPIRY_DAY, "31").Select(IDC_PD_EXPIRY_MONTH, 2).SetText(IDC_PD_EXPIRY_YEAR, "2025")
        .Focus(IDC_PD_PIN)  // leaving the year asks: No
        .SetText(IDC_PD_EXPIRY_YEAR, "2026")
        .Focus(IDC_PD_PIN)  // Yes
        .Cancel();
    ui.AnswerMessageBox(IDNO, "Set ALL player's membership expiry date to this?");
    ui.AnswerMessageBox(IDYES, "Set ALL player's membership expiry date to this?");
    EXPECT_FALSE(PlayerSetup::EditPlayer(&doc, a));
    for (CPlayer* p : {a, b})
        EXPECT_EQ(Nums(p->m_nExpiryDay, p->m_nExpiryMonth, p->m_nExpiryYear), Nums(31, 3, 2026));
    EXPECT_TRUE(doc.IsModified());
}

// A birth or expiry day that its month does not hold (in the year, when one is given) is refused
// naming the box, and the dialog stays open on the day; a date given in part is taken, and so is
// 29 February of a leap year or of no year. An impossible expiry date is given to nobody else.
TEST_F(PlayerDetails, ADayItsMonthDoesNotHoldIsRefusedNamingTheBox)
{
    auto focusOn = [](UINT nID) { return [nID](CDialog& d) { EXPECT_EQ(d.GetFocusID(), nID); }; };
    ui.OnDialog(IDD_NEW_PLAYER)
        .SetText(IDC_PD_FORENAME_NEW, "Ann").SetText(IDC_PD_SURNAME, "Ames")
        .SetText(IDC_PD_BIRTH_DAY, "31").SelectString(IDC_PD_BIRTH_MONTH, "Sep").SetText(IDC_PD_BIRTH_YEAR, "1980")
        .OK().Check(focusOn(IDC_PD_BIRTH_DAY))
        .SetText(IDC_PD_BIRTH_DAY, "30")
        .SetText(IDC_PD_EXPIRY_DAY, "29").SelectString(IDC_PD_EXPIRY_MONTH, "Feb").SetText(IDC_PD_EXPIRY_YEAR, "2027")
        .OK().Check(focusOn(IDC_PD_EXPIRY_DAY))
        .SetText(IDC_PD_EXPIRY_YEAR, "2028")
        .OK();
    ui.AnswerMessageBox(IDOK, "Date of birth day must be 1 to 30 in September 1980!");
    ui.AnswerMessageBox(IDOK, "Membership expiry day must be 1 to 28 in February 2027!");
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    CPlayer* p = Find("Ann", "Ames");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Nums(p->m_nBirthDay, p->m_nBirthMonth, p->m_nBirthYear, p->m_nExpiryDay, p->m_nExpiryMonth,
                   p->m_nExpiryYear),
              Nums(30, 9, 1980, 29, 2, 2028));

    CPlayer* bob = Add("Bob", "Bell", 2);
    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_BIRTH_DAY, "30").SelectString(IDC_PD_BIRTH_MONTH, "Feb").SetText(IDC_PD_BIRTH_YEAR, "0")
        .OK().Check(focusOn(IDC_PD_BIRTH_DAY))
        .SetText(IDC_PD_BIRTH_DAY, "29")
        // Leaving the year of 31 September asks nothing: no bowler is given it.
        .SetText(IDC_PD_EXPIRY_DAY, "31").SelectString(IDC_PD_EXPIRY_MONTH, "Sep").SetText(IDC_PD_EXPIRY_YEAR, "2026")
        .Focus(IDC_PD_PIN)
        .OK().Check(focusOn(IDC_PD_EXPIRY_DAY))
        .SetText(IDC_PD_EXPIRY_DAY, "0").SelectString(IDC_PD_EXPIRY_MONTH, "Jun")
        .OK();
    ui.AnswerMessageBox(IDOK, "Date of birth day must be 1 to 29 in February!");
    ui.AnswerMessageBox(IDOK, "Membership expiry day must be 1 to 30 in September 2026!");
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(Nums(p->m_nBirthDay, p->m_nBirthMonth, p->m_nBirthYear, p->m_nExpiryDay, p->m_nExpiryMonth,
                   p->m_nExpiryYear),
              Nums(29, 2, 0, 0, 6, 2026));
    EXPECT_EQ(Nums(bob->m_nExpiryDay, bob->m_nExpiryMonth, bob->m_nExpiryYear), Nums(0, 0, 0));
}

TEST_F(PlayerDetails, PlayerEditThroughTheMenuChoosesTheBowlerFirst)
{
    Add("Ann", "Ames", 1);
    CPlayer* robot = Add("Vacancy", "Robot", 2);
    robot->m_nRobot = 1;
    CPlayer* bob = Add("Bob", "Bell", 2);
    ui.OnDialog(IDD_SELECT_PLAYER)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SP_LIST), (Texts{"Ames Ann", "Bell Bob", "~ Robot Vacancy"}));
            EXPECT_EQ(Ctl(d, IDC_SP_LIST).curSel, 0);
        })
        .Click(IDC_SP_SORT_SURNAME)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_SP_LIST), (Texts{"Ann Ames", "Bob Bell", "~ Vacancy Robot"})); })
        .Select(IDC_SP_LIST, 1)
        .OK();
    ui.OnDialog(IDD_EDIT_PLAYER)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_FORENAME_EDIT).text, "Bob"); })
        .SetText(IDC_PD_FORENAME_EDIT, "Rob")
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_EDIT, CN_COMMAND, nullptr));
    EXPECT_EQ(bob->m_strFirstName, "Rob");
}

// ------------------------------------------------------------------ categories

TEST_F(PlayerDetails, CategoriesByEnteringAverageAndTheirCounts)
{
    CPlayer* a = Add("Ann", "Ames", 1, 1810);
    CPlayer* b = Add("Bob", "Bell", 1, 1500);
    CPlayer* c = Add("Cy", "Cole", 2, 1499);
    CPlayer* n = Add("Di", "Dove", 2, 0);
    n->m_nCategory = 1;
    doc.m_nCategoryA = 150;
    doc.m_nCategoryB = 180;
    doc.m_bEnteringAvgForCategories = 1;
    ui.OnDialog(IDD_PLAYER_CATEGORIES)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PC_START_A, IDC_PC_COUNT_A, IDC_PC_COUNT_NONE}), (Texts{"150", "1", "3"}));
            EXPECT_EQ(ChecksOf(d, {IDC_PC_ENTERING, IDC_PC_CURRENT}), (std::vector<int>{1, 0}));
        })
        .Click(IDC_PC_SET)  // A below B
        .SetText(IDC_PC_START_A, "180").SetText(IDC_PC_START_B, "150").Click(IDC_PC_SET)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PC_COUNT_A, IDC_PC_COUNT_B, IDC_PC_COUNT_C, IDC_PC_COUNT_NONE}),
                      (Texts{"1", "1", "1", "1"}));
        })
        .Click(IDC_PC_CURRENT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PC_ENTERING).check, 0); })
        .OK();
    ui.AnswerMessageBox(IDOK, "Category 'B' is higher than Category 'A'");
    PlayerSetup::EditPlayerCategories(&doc);
    EXPECT_EQ(Nums(a->m_nCategory, b->m_nCategory, c->m_nCategory, n->m_nCategory, doc.m_nCategoryA,
                   doc.m_nCategoryB, doc.m_bEnteringAvgForCategories),
              Nums(1, 2, 3, 0, 180, 150, 0));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PlayerDetails, RemovingCategoriesLeavesOnlyNoCategoryAndAWrongMessageChangesNothing)
{
    CPlayer* a = Add("Ann", "Ames", 1, 1810);
    a->m_nCategory = 1;
    CPlayer* b = Add("Bob", "Bell", 1, 1500);
    b->m_nCategory = 3;
    ui.OnDialog(IDD_PLAYER_CATEGORIES)
        .SetText(IDC_PC_START_A, "150").SetText(IDC_PC_START_B, "180").Click(IDC_PC_ENTERING)
        .Click(IDC_PC_SET)
        .Check([&](CDialog&) { EXPECT_EQ(Nums(a->m_nCategory, b->m_nCategory), Nums(1, 3)); })
        .Click(IDC_PC_REMOVE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PC_COUNT_A, IDC_PC_COUNT_B, IDC_PC_COUNT_C, IDC_PC_COUNT_NONE}),
                      (Texts{"0", "0", "0", "2"}));
        })
        .Cancel();
    ui.AnswerMessageBox(IDOK, "Category 'B' is higher than Category 'A'");
    PlayerSetup::EditPlayerCategories(&doc);
    // The values go back whichever way the dialog closed.
    EXPECT_EQ(Nums(a->m_nCategory, b->m_nCategory, doc.m_nCategoryA, doc.m_bEnteringAvgForCategories),
              Nums(0, 0, 150, 1));
}

// ------------------------------------------------------------------ entering averages

TEST_F(PlayerDetails, EnteringAveragesAreOfferedFromTheGamesKeptForThem)
{
    doc.m_bHandicapLeague = 1;
    CPlayer* a = Add("Ann", "Ames", 1);
    a->m_nEnteringGames = 30;
    a->m_nEnteringPins = 5401;
    Add("Bob", "Bell", 1, 1700);  // has one
    CPlayer* robot = Add("Vacancy", "Robot", 2);
    robot->m_nRobot = 1;
    CPlayer* c = Add("Cy", "Cole", 2);
    CPlayer* resigned = Add("Di", "Dove", 2);
    resigned->m_wFlags |= PF_RESIGNED;

    ui.OnDialog(IDD_SET_ENTERING_AVERAGE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SEA_NAME, IDC_SEA_GAMES, IDC_SEA_PINS, IDC_SEA_AVERAGE, IDC_SEA_ENTERING}),
                      (Texts{"Ann Ames", "30", "5401", "180.0", "180.0"}));
            EXPECT_EQ(Ctl(d, IDC_SEA_NOT_ELIGIBLE).check, 1);
        })
        .SetText(IDC_SEA_ENTERING, "180.26").Focus(IDC_SEA_NOT_ELIGIBLE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SEA_ENTERING).text, "  180.3"); })
        .OK();
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SEA_AVERAGE).text, "  0.0"); })
        .SetText(IDC_SEA_ENTERING, "150")
        .Cancel();  // Ignore
    CCmdUI state;
    state.m_nID = ID_PLAYER_ENTERING_AVERAGES;
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_UPDATE_COMMAND_UI, &state));
    EXPECT_TRUE(state.m_bEnabled);
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(a->m_nEnteringAvg, a->m_nCurEnteringAvg, a->m_bNotEligibleMostImproved, c->m_nEnteringAvg),
              Nums(1803, 1803, 1, 0));

    // Everybody who can have one has one now but Cy; give him one and ask again.
    c->SetEnteringAverage(1500);
    ui.AnswerMessageBox(IDOK, "All players have an entering average.");
    EXPECT_EQ(PlayerSetup::SetEnteringAverages(&doc), 0);
}

TEST_F(PlayerDetails, TypedEnteringAveragesKeepToAnAveragesRange)
{
    CPlayer* a = Add("Ann", "Ames", 1);
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE).SetText(IDC_SEA_ENTERING, "-20").OK();
    PlayerSetup::SetEnteringAverages(&doc);
    EXPECT_EQ(a->m_nEnteringAvg, 0);
    a->SetEnteringAverage(0);
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE).SetText(IDC_SEA_ENTERING, "70000").OK();
    PlayerSetup::SetEnteringAverages(&doc);
    EXPECT_EQ(a->m_nEnteringAvg, 3000);
}

// ------------------------------------------------------------------ the player database

namespace {

struct DatabaseInstalled
{
    DatabaseInstalled() { PlayerDatabase::Install(); }
    ~DatabaseInstalled()
    {
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
    }
};

} // namespace

TEST(PlayerDetailsDatabase, ANewBowlerAndAnEditedOneAreWrittenToTheDatabase)
{
    RegisterResources();
    TempDir dir;
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File("db").c_str());
    }
    DatabaseInstalled installed;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2024, 9, 2));
    doc.m_bPlayerDatabase = 1;
    CScriptedBackend ui;
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER)
        .SetText(IDC_PD_FORENAME_NEW, "Nora").SetText(IDC_PD_SURNAME, "Quayle")
        .SetText(IDC_PD_ADDRESS[0], "1 Lane End")
        .SelectString(IDC_PD_TEAM, "Team_01")
        .OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetHead());
    ASSERT_NE(p->m_dwDbKey, 0u);

    ui.OnDialog(IDD_EDIT_PLAYER).SetText(IDC_PD_ADDRESS[0], "2 Lane End").OK();
    ASSERT_TRUE(PlayerSetup::EditPlayer(&doc, p));

    CPlayer stored;
    stored.m_dwDbKey = p->m_dwDbKey;
    ASSERT_EQ(doc.GetDbasePlayer(&stored), 0);
    EXPECT_EQ(stored.m_strFirstName, "Nora");
    EXPECT_EQ(stored.m_strSurname, "Quayle");
    EXPECT_EQ(stored.m_strAddress[0], "2 Lane End");
}
