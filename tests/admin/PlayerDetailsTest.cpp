// The bowler's details driven through their dialogs: adding and editing bowlers, what OK
// refuses, the categories by average, the entering averages and the player database.
#include "DialogControls.h"
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
            EXPECT_EQ(Ctl(d, IDC_PD_DESIGNATION).text, "Regular");
            EXPECT_EQ(Ctl(d, IDC_PD_CATEGORY).text, "Undefined");
            // No membership types: nothing to choose.
            EXPECT_EQ(Items(d, IDC_PD_MEMBERSHIP_TYPE), Texts{"None Set"});
            EXPECT_FALSE(Ctl(d, IDC_PD_MEMBERSHIP_TYPE).enabled);
            EXPECT_TRUE(Ctl(d, IDC_PD_FLOATING_SUB).enabled);
        })
        .Click(IDC_PD_FORMAT_TEXT)
        .SetText(IDC_PD_FORENAME_NEW, "mARY")
        .SetText(IDC_PD_SURNAME, "o'BRIEN")
        .SetText(IDC_PD_ADDRESS[0], "12 high STREET")
        .SetText(IDC_PD_ENTERING_NEW, "185.67")
        .Click(IDC_PD_FLOATING_SUB)
        .SelectString(IDC_PD_TEAM, "Team_02")
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_PD_FORENAME_NEW).text, "Mary");
            EXPECT_EQ(Ctl(d, IDC_PD_SURNAME).text, "O'Brien");
            EXPECT_EQ(Ctl(d, IDC_PD_ADDRESS[0]).text, "12 High Street");
            EXPECT_EQ(Ctl(d, IDC_PD_ENTERING_NEW).text, "  185.6");
            // A bowler with a team is no floating substitute.
            EXPECT_FALSE(Ctl(d, IDC_PD_FLOATING_SUB).enabled);
            EXPECT_EQ(Ctl(d, IDC_PD_FLOATING_SUB).check, 0);
        })
        .SelectString(IDC_PD_STATUS, "Junior Female")
        .SetText(IDC_PD_BIRTH_DAY, "9")
        .Select(IDC_PD_BIRTH_MONTH, 2)
        .SetText(IDC_PD_BIRTH_YEAR, "2010")
        .Select(IDC_PD_EXPIRY_MONTH, 11)  // December without day or year
        .SetText(IDC_PD_PIN, "4321")
        .Click(IDC_PD_ANOTHER)
        .OK();
    ui.OnDialog(IDD_NEW_PLAYER)
        .SetText(IDC_PD_FORENAME_NEW, "Sam")
        .SetText(IDC_PD_SURNAME, "Stone")
        .SetText(IDC_PD_ENTERING_NEW, "350")
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_ENTERING_NEW).text, "350"); })  // not left yet
        .Click(IDC_PD_FLOATING_SUB)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_ENTERING_NEW).text, "  300.0"); })
        .OK();

    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 2);
    EXPECT_TRUE(doc.IsModified());
    CPlayer* mary = Find("Mary", "O'Brien");
    ASSERT_NE(mary, nullptr);
    EXPECT_EQ(mary->m_nPlayerNo, 1);
    EXPECT_EQ(mary->m_nTeamNo, 2);
    EXPECT_EQ(doc.FindTeam(2)->GetOrderCount(), 1);
    EXPECT_EQ(doc.FindTeam(2)->m_arrTeamOrder[0], 1);
    EXPECT_EQ(mary->m_nEnteringAvg, 1856);
    EXPECT_EQ(mary->GetEnteringAverage(TRUE), 1856);
    EXPECT_EQ(mary->m_wFlags & PF_CATEGORY_MASK, PF_FEMALE | PF_JUNIOR);
    EXPECT_EQ(mary->m_nBirthDay, 9);
    EXPECT_EQ(mary->m_nBirthMonth, 3);
    EXPECT_EQ(mary->m_nBirthYear, 2010);
    EXPECT_EQ(mary->m_nExpiryMonth, 12);  // kept as chosen, not shifted back a month
    EXPECT_EQ(mary->m_nPin, 4321);
    EXPECT_EQ(mary->m_strAddress[0], "12 High Street");
    EXPECT_EQ(mary->m_strName, "Mary O'Brien");
    EXPECT_EQ(mary->m_nAverage, 185);

    CPlayer* sam = Find("Sam", "Stone");
    ASSERT_NE(sam, nullptr);
    EXPECT_EQ(sam->m_nEnteringAvg, 3000);
    EXPECT_EQ(sam->m_nTeamNo, 0);
    EXPECT_TRUE(sam->IsFloatingSub());
    EXPECT_EQ(sam->m_wFlags & PF_CATEGORY_MASK, PF_MALE);
}

TEST_F(PlayerDetails, OkRefusesBadBirthYearsBlankNamesFullTeamsAndTwins)
{
    Add("Ann", "Ames", 1);
    Add("Bob", "Bell", 1);
    Add("Cy", "Cole", 1);  // Team_01 holds the three the league allows
    ui.OnDialog(IDD_NEW_PLAYER)
        .SetText(IDC_PD_FORENAME_NEW, "Ann")
        .SetText(IDC_PD_BIRTH_YEAR, "1899")
        .OK()
        .SetText(IDC_PD_BIRTH_YEAR, "0")
        .OK()  // no surname
        .SetText(IDC_PD_SURNAME, "Ames")
        .SelectString(IDC_PD_TEAM, "Team_01")
        .OK()
        .SelectString(IDC_PD_TEAM, "Team_03")
        .OK()  // the same name as a bowler of the league
        .SetText(IDC_PD_SURNAME, "AMES")
        .SetText(IDC_PD_PIN, "60000")
        .OK()
        .SetText(IDC_PD_PIN, "0")
        .SetText(IDC_PD_BIRTH_YEAR, "1900")
        .SetText(IDC_PD_BIRTH_DAY, "32")
        .OK()
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
    EXPECT_EQ(p->m_nTeamNo, 3);
    EXPECT_EQ(p->m_nBirthYear, 1900);
    EXPECT_EQ(doc.FindTeam(1)->GetOrderCount(), 3);
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
        .SetText(IDC_PD_FORENAME_NEW, "Ann")
        .SetText(IDC_PD_SURNAME, "Ames")
        .SelectString(IDC_PD_MEMBERSHIP_TYPE, "Youth")
        .SelectString(IDC_PD_CATEGORY, "Category B")
        .SelectString(IDC_PD_DESIGNATION, "Robot #2")
        .OK();
    ASSERT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    CPlayer* p = Find("Ann", "Ames");
    EXPECT_EQ(p->m_nMembershipType, 2);
    EXPECT_EQ(p->m_nCategory, 2);
    EXPECT_EQ(p->m_nRobot, 2);
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
            EXPECT_EQ(Ctl(d, IDC_PD_FORENAME_EDIT).text, "Ann");
            EXPECT_EQ(Ctl(d, IDC_PD_SURNAME).text, "Ames");
            EXPECT_EQ(Ctl(d, IDC_PD_TEAM).text, "Team_01");
            EXPECT_EQ(Ctl(d, IDC_PD_ENTERING_EDIT).text, "  172.3");
            EXPECT_EQ(Ctl(d, IDC_PD_MOST_IMPROVED).text, "  165.0");
            EXPECT_EQ(Ctl(d, IDC_PD_BIRTH_MONTH).text, "Jun");
            EXPECT_EQ(Ctl(d, IDC_PD_EXPIRY_MONTH).curSel, -1);
            EXPECT_EQ(Ctl(d, IDC_PD_PHONE_HOME).text, "0123");
            EXPECT_FALSE(Ctl(d, IDC_PD_FLOATING_SUB).enabled);
        })
        .SetText(IDC_PD_SURNAME, "Changed")
        .SetText(IDC_PD_ENTERING_EDIT, "190")
        .Cancel();
    EXPECT_FALSE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(p->m_strSurname, "Ames");
    EXPECT_EQ(p->m_nEnteringAvg, 1723);
    EXPECT_FALSE(doc.IsModified());

    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_SURNAME, "Bell")
        .SetText(IDC_PD_FORENAME_EDIT, "Bob")
        .OK()  // Bob Bell exists
        .SetText(IDC_PD_FORENAME_EDIT, "Anne")
        .SetText(IDC_PD_ENTERING_EDIT, "190.25")
        .SetText(IDC_PD_MOST_IMPROVED, "0")
        .SelectString(IDC_PD_TEAM, "Team_02")
        .SelectString(IDC_PD_STATUS, "Female")
        .OK();
    ui.AnswerMessageBox(IDOK, "There is an existing player with the same name.");
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(p->m_strName, "Anne Bell");
    EXPECT_EQ(p->m_nEnteringAvg, 1902);
    EXPECT_EQ(p->m_nCurEnteringAvg, 1902);
    EXPECT_EQ(p->m_nMostImprovedBase, 0);
    EXPECT_EQ(p->m_wFlags & PF_CATEGORY_MASK, PF_FEMALE);
    EXPECT_EQ(p->m_nBirthMonth, 6);
    // Moved from one team order to the other.
    EXPECT_EQ(p->m_nTeamNo, 2);
    EXPECT_EQ(doc.FindTeam(1)->GetOrderCount(), 0);
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
            .Check([&](CDialog& d) {
                EXPECT_EQ(Ctl(d, IDC_PD_USER1).limit, nKept);
                EXPECT_EQ(Ctl(d, IDC_PD_USER2).limit, nKept);
            })
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
        .SetText(IDC_PD_FORENAME_EDIT, "")
        .OK()
        .SetText(IDC_PD_FORENAME_EDIT, "Cy")
        .OK();
    ui.AnswerMessageBox(IDOK, "A player may NOT have a blank name field!.");
    EXPECT_TRUE(PlayerSetup::EditPlayer(&doc, p));
    EXPECT_EQ(p->m_nTeamNo, 1);
    EXPECT_EQ(doc.FindTeam(1)->GetOrderCount(), 3);
}

TEST_F(PlayerDetails, AnExpiryDateMayBeGivenToEveryBowler)
{
    CPlayer* a = Add("Ann", "Ames", 1);
    CPlayer* b = Add("Bob", "Bell", 2);
    ui.OnDialog(IDD_EDIT_PLAYER)
        .SetText(IDC_PD_EXPIRY_DAY, "31")
        .Select(IDC_PD_EXPIRY_MONTH, 2)
        .SetText(IDC_PD_EXPIRY_YEAR, "2025")
        .Focus(IDC_PD_PIN)  // leaving the year asks: No
        .SetText(IDC_PD_EXPIRY_YEAR, "2026")
        .Focus(IDC_PD_PIN)  // Yes
        .Cancel();
    ui.AnswerMessageBox(IDNO, "Set ALL player's membership expiry date to this?");
    ui.AnswerMessageBox(IDYES, "Set ALL player's membership expiry date to this?");
    EXPECT_FALSE(PlayerSetup::EditPlayer(&doc, a));
    for (CPlayer* p : {a, b}) {
        EXPECT_EQ(p->m_nExpiryDay, 31);
        EXPECT_EQ(p->m_nExpiryMonth, 3);
        EXPECT_EQ(p->m_nExpiryYear, 2026);
    }
    EXPECT_TRUE(doc.IsModified());
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
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SP_LIST), (Texts{"Ann Ames", "Bob Bell", "~ Vacancy Robot"}));
        })
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
            EXPECT_EQ(Ctl(d, IDC_PC_START_A).text, "150");
            EXPECT_EQ(Ctl(d, IDC_PC_ENTERING).check, 1);
            EXPECT_EQ(Ctl(d, IDC_PC_CURRENT).check, 0);
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_A).text, "1");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_NONE).text, "3");
        })
        .Click(IDC_PC_SET)  // A below B
        .SetText(IDC_PC_START_A, "180")
        .SetText(IDC_PC_START_B, "150")
        .Click(IDC_PC_SET)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_A).text, "1");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_B).text, "1");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_C).text, "1");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_NONE).text, "1");
        })
        .Click(IDC_PC_CURRENT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PC_ENTERING).check, 0); })
        .OK();
    ui.AnswerMessageBox(IDOK, "Category 'B' is higher than Category 'A'");
    PlayerSetup::EditPlayerCategories(&doc);
    EXPECT_EQ(a->m_nCategory, 1);
    EXPECT_EQ(b->m_nCategory, 2);
    EXPECT_EQ(c->m_nCategory, 3);
    EXPECT_EQ(n->m_nCategory, 0);
    EXPECT_EQ(doc.m_nCategoryA, 180);
    EXPECT_EQ(doc.m_nCategoryB, 150);
    EXPECT_EQ(doc.m_bEnteringAvgForCategories, 0u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PlayerDetails, RemovingCategoriesLeavesOnlyNoCategoryAndAWrongMessageChangesNothing)
{
    CPlayer* a = Add("Ann", "Ames", 1, 1810);
    a->m_nCategory = 1;
    CPlayer* b = Add("Bob", "Bell", 1, 1500);
    b->m_nCategory = 3;
    ui.OnDialog(IDD_PLAYER_CATEGORIES)
        .SetText(IDC_PC_START_A, "150")
        .SetText(IDC_PC_START_B, "180")
        .Click(IDC_PC_ENTERING)
        .Click(IDC_PC_SET)
        .Check([&](CDialog&) {
            EXPECT_EQ(a->m_nCategory, 1);
            EXPECT_EQ(b->m_nCategory, 3);
        })
        .Click(IDC_PC_REMOVE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_A).text, "0");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_B).text, "0");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_C).text, "0");
            EXPECT_EQ(Ctl(d, IDC_PC_COUNT_NONE).text, "2");
        })
        .Cancel();
    ui.AnswerMessageBox(IDOK, "Category 'B' is higher than Category 'A'");
    PlayerSetup::EditPlayerCategories(&doc);
    EXPECT_EQ(a->m_nCategory, 0);
    EXPECT_EQ(b->m_nCategory, 0);
    // The values go back whichever way the dialog closed.
    EXPECT_EQ(doc.m_nCategoryA, 150);
    EXPECT_EQ(doc.m_bEnteringAvgForCategories, 1u);
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
            EXPECT_EQ(Ctl(d, IDC_SEA_NAME).text, "Ann Ames");
            EXPECT_EQ(Ctl(d, IDC_SEA_GAMES).text, "30");
            EXPECT_EQ(Ctl(d, IDC_SEA_PINS).text, "5401");
            EXPECT_EQ(Ctl(d, IDC_SEA_AVERAGE).text, "180.0");
            EXPECT_EQ(Ctl(d, IDC_SEA_ENTERING).text, "180.0");
            EXPECT_EQ(Ctl(d, IDC_SEA_NOT_ELIGIBLE).check, 1);
        })
        .SetText(IDC_SEA_ENTERING, "180.26")
        .Focus(IDC_SEA_NOT_ELIGIBLE)
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
    EXPECT_EQ(a->m_nEnteringAvg, 1803);
    EXPECT_EQ(a->m_nCurEnteringAvg, 1803);
    EXPECT_EQ(a->m_bNotEligibleMostImproved, 1u);
    EXPECT_EQ(c->m_nEnteringAvg, 0);

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
        .SetText(IDC_PD_FORENAME_NEW, "Nora")
        .SetText(IDC_PD_SURNAME, "Quayle")
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
