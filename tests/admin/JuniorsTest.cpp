// Juniors > Category Setup through its dialogs: categories added, amended and deleted with every
// refusal and overlap warning, the qualifying date, and the age figures at that date around
// birthdays (29 February too) that place each junior.
#include "AdminTest.h"
#include "AdminChecks.h"
#include "TimeZone.h"
#include "admin/JuniorCommands.h"
#include "admin/PlayerSetup.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/ResultDialogs.h"
#include "results/ResultEntry.h"
#include "league/Player.h"

#include <string>

namespace {

using Texts = std::vector<std::string>;

CPlayer* Junior(CBowlingDoc& doc, WORD no, int d, int m, int y)
{
    auto* p = new CPlayer(no);
    p->m_strSurname = "Junior";
    p->m_wFlags = PF_JUNIOR | PF_MALE;
    p->m_nBirthDay = static_cast<BYTE>(d);
    p->m_nBirthMonth = static_cast<BYTE>(m);
    p->m_nBirthYear = static_cast<WORD>(y);
    doc.AddPlayer(p);
    return p;
}

CJuniorCategory* Category(CBowlingDoc& doc, WORD id, const char* name, BYTE lower, BYTE upper)
{
    auto* c = new CJuniorCategory(id);
    c->m_strName = name;
    c->m_nLowerAge = lower;
    c->m_nUpperAge = upper;
    doc.m_listJuniorCategories.AddTail(c);
    return c;
}

std::vector<std::string> Categories(const CBowlingDoc& doc)
{
    std::vector<std::string> v;
    for (POSITION pos = doc.m_listJuniorCategories.GetHeadPosition(); pos;) {
        const auto* c = static_cast<const CJuniorCategory*>(doc.m_listJuniorCategories.GetNext(pos));
        CString s;
        s.Format("%d %s %d-%d", c->m_nId, c->m_strName.GetString(), c->m_nLowerAge, c->m_nUpperAge);
        v.push_back(s.GetString());
    }
    return v;
}

struct Juniors : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        JuniorCommands::Install();
        MakeLeague(doc, 4, 10, At(2026, 9, 7));
        doc.SetModifiedFlag(FALSE);
    }
};

} // namespace

namespace {

// The secretary's road through Category Setup on a league whose qualifying date was never set.
void AddAmendAndDeleteCategories(CBowlingDoc& doc, CScriptedBackend& ui)
{
    // Born on the last day of the year: figure 12 on every day of this year.
    CPlayer* p = Junior(doc, 1, 31, 12, CTime::GetCurrentTime().GetYear() - 12);
    // Never set: the dialog opens on today, at midnight.
    const CString today = CTime::GetCurrentTime().Format("%d %b %Y");
    ui.OnDialog(IDD_JUNIOR_CATEGORIES)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_JC_DATE).text, today);
            EXPECT_EQ(Items(d, IDC_JC_LIST), Texts{});
        })
        .Click(IDC_JC_AMEND).Click(IDC_JC_DELETE).Click(IDC_JC_ADD).Click(IDC_JC_ADD)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_JC_LIST), (Texts{" 8\t11\tUnder 12", "10\t14\tUnder 15"})); })
        .Click(IDC_JC_ADD)   // cancelled: nothing added
        .Select(IDC_JC_LIST, 1).Click(IDC_JC_DELETE)
        .Click(IDC_JC_ADD)   // takes the deleted category's number again
        .DblClk(IDC_JC_LIST, 0)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_JC_LIST), (Texts{" 7\t10\tUnder 11", "12\t12\tTwelves"})); })
        .OK();
    ui.OnDialog(IDD_JUNIOR_CATEGORY_EDIT)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_JCE_NAME);
            EXPECT_EQ(TextsOf(d, {IDC_JCE_NAME, IDC_JCE_LOWER, IDC_JCE_UPPER}), (Texts{"No Name", "5", "21"}));
        })
        .SetText(IDC_JCE_NAME, "Under 12").SetText(IDC_JCE_LOWER, "8").SetText(IDC_JCE_UPPER, "11")
        .OK();
    ui.OnDialog(IDD_JUNIOR_CATEGORY_EDIT)
        .SetText(IDC_JCE_NAME, "Under 15").SetText(IDC_JCE_LOWER, "10").SetText(IDC_JCE_UPPER, "256").OK()
        .SetText(IDC_JCE_UPPER, "9").OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetFocusID(), IDC_JCE_LOWER); })
        .SetText(IDC_JCE_UPPER, "14")
        .OK();
    ui.OnDialog(IDD_JUNIOR_CATEGORY_EDIT).SetText(IDC_JCE_NAME, "Never").Cancel();
    ui.OnDialog(IDD_JUNIOR_CATEGORY_EDIT)
        .SetText(IDC_JCE_NAME, "Twelves").SetText(IDC_JCE_LOWER, "12")
        .SetText(IDC_JCE_UPPER, "12")   // equal ages are a range of one
        .OK();
    ui.OnDialog(IDD_JUNIOR_CATEGORY_EDIT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_JCE_NAME).text, "Under 12"); })
        .SetText(IDC_JCE_NAME, "Under 11").SetText(IDC_JCE_LOWER, "7").SetText(IDC_JCE_UPPER, "10")
        .OK();
    JuniorCommands::CategorySetup(&doc);
    EXPECT_EQ(ui.MessageTexts(), (Texts{"No category selected.", "No category selected.",
                                         "Please enter an integer between 0 and 255.",
                                         "Lower value greater than the upper value.",
                                         "Bowlers age 10 are defined in more than 1 category!",
                                         "Bowlers age 11 are defined in more than 1 category!"}));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Categories(doc), (Texts{"1 Under 11 7-10", "2 Twelves 12-12"}));
    EXPECT_EQ(doc.m_timeJuniorQualifying.Format("%d %b %Y %H:%M"), today + " 00:00");
    // Placed as the dialog closed.
    EXPECT_EQ(p->m_strJuniorCategory, "Twelves");
    EXPECT_TRUE(doc.IsModified());
}

} // namespace

// In the machine's zone, then where 1 January 1970 began on 31 December 1969 (twelve hours
// west of Greenwich; Kiritimati, then on the other side of the date line): the date never set
// is today there too.
TEST_F(Juniors, CategoriesAddedAmendedAndDeletedWithEveryRefusal)
{
    AddAmendAndDeleteCategories(doc, ui);
    for (const char* pszZone : {"Etc/GMT+12", "Pacific/Kiritimati"}) {
        SCOPED_TRACE(pszZone);
        const ScopedTimeZone zone(pszZone);
        CScriptedBackend zoneUi;
        CBowlingDoc zoneDoc;
        MakeLeague(zoneDoc, 4, 10, At(2026, 9, 7));
        zoneDoc.SetModifiedFlag(FALSE);
        ASSERT_EQ(CTime(0).Format("%d %b %Y"), "31 Dec 1969");
        AddAmendAndDeleteCategories(zoneDoc, zoneUi);
    }
}

TEST_F(Juniors, TheQualifyingDateIsChosenAndTheAgeFiguresFollowBirthdays)
{
    // One category per figure, so the category a junior gets is his figure.
    for (BYTE n = 1; n <= 20; ++n) {
        CString name;
        name.Format("Age %d", n);
        Category(doc, n, name, n, n);
    }
    CPlayer* june = Junior(doc, 1, 10, 6, 2010);
    CPlayer* leap = Junior(doc, 2, 29, 2, 2012);
    CPlayer* unknown = Junior(doc, 3, 5, 5, 0);
    doc.m_timeJuniorQualifying = CTime(2021, 9, 1, 15, 30, 0);

    // Through the dialog: the date is shown at midnight and changed to 28 Feb 2021.
    ui.OnDialog(IDD_JUNIOR_CATEGORIES)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_JC_DATE).text, "01 Sep 2021"); })
        .Click(IDC_JC_EDIT_DATE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_JC_DATE).text, "28 Feb 2021"); })
        .OK();
    ui.OnDialog(IDD_CHANGE_DATE).Select(IDC_DATE_DAY, 27).Select(IDC_DATE_MONTH, 1).OK();
    JuniorCommands::CategorySetup(&doc);
    EXPECT_EQ(doc.m_timeJuniorQualifying, CTime(2021, 2, 28, 0, 0, 0));
    EXPECT_EQ(Strs(leap->m_strJuniorCategory, june->m_strJuniorCategory, unknown->m_strJuniorCategory),
              (Texts{"Age 9", "Age 11", "No Cat. for Age."}));
    EXPECT_EQ(unknown->m_nJuniorCategory, 0u);

    struct Case { int y, m, d; int nJune, nLeap; } cases[] = {
        {2021, 9, 1, 12, 10},  {2021, 6, 10, 11, 10}, {2021, 6, 11, 12, 10}, {2021, 3, 1, 11, 10},
        {2024, 2, 28, 14, 12}, {2024, 2, 29, 14, 12}, {2024, 3, 1, 14, 13},  {2021, 6, 9, 11, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        doc.m_timeJuniorQualifying = CTime(c.y, c.m, c.d, 0, 0, 0);
        doc.AssignJuniorCategories();
        EXPECT_EQ(Nums(june->m_nJuniorCategory, leap->m_nJuniorCategory), Nums(c.nJune, c.nLeap));
    }

    // Overlapping ranges: the first in list order wins. Bowlers who are not juniors, are
    // resigned or are vacancy players keep what they had.
    while (!doc.m_listJuniorCategories.IsEmpty())
        delete doc.m_listJuniorCategories.RemoveHead();
    Category(doc, 1, "8-11", 8, 11);
    Category(doc, 2, "10-14", 10, 14);
    doc.m_timeJuniorQualifying = CTime(2020, 9, 1, 0, 0, 0);
    june->m_wFlags |= PF_RESIGNED;
    leap->m_nRobot = 1;
    doc.AssignJuniorCategories();
    EXPECT_EQ(Strs(june->m_strJuniorCategory, leap->m_strJuniorCategory), (Texts{"Age 11", "Age 10"}));
    leap->m_nRobot = 0;
    doc.AssignJuniorCategories();
    EXPECT_EQ(leap->m_strJuniorCategory, "8-11");
}

// A junior added in mid-season is placed the moment he is added, by each road that adds one:
// Player > Add a New Player, the scoresheet's New Player and Add extra Teams.
TEST_F(Juniors, AJuniorAddedDuringTheSeasonIsPlacedAtOnce)
{
    PlayerSetup::Install();
    Category(doc, 1, "Under 12", 8, 11);
    Category(doc, 2, "Under 15", 12, 14);
    doc.m_timeJuniorQualifying = CTime(2026, 9, 1, 0, 0, 0);
    auto newJunior = [&](const char* pszName, const char* pszDay, const char* pszMonth, const char* pszYear) {
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, pszName).SetText(IDC_PD_SURNAME, "Young")
            .SelectString(IDC_PD_STATUS, "Junior Female")
            .SetText(IDC_PD_BIRTH_DAY, pszDay).SelectString(IDC_PD_BIRTH_MONTH, pszMonth)
            .SetText(IDC_PD_BIRTH_YEAR, pszYear)
            .OK();
    };
    auto category = [&](const char* pszName) {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
            if (p->m_strFirstName == pszName)
                return std::string(p->m_strJuniorCategory.GetString());
        }
        return std::string("not added");
    };

    // 12 on the qualifying date, her birthday: the figure is 12.
    newJunior("Amy", "1", "Sep", "2014");
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
    EXPECT_EQ(category("Amy"), "Under 15");

    // 10 on the qualifying date, 11 at her next birthday: the figure is 11, on the sheet at once;
    // the sheet cancelled takes her out of the league again, and its OK keeps her.
    for (bool bOK : {false, true}) {
        auto& sheet = ui.OnDialog(IDD_FOURS_SCORESHEET).Click(IDC_SS_NEW_PLAYER).Check([&](CDialog&) {
            EXPECT_EQ(category("Bea"), "Under 12");
        });
        if (bOK)
            sheet.OK();
        else
            sheet.Cancel();
        newJunior("Bea", "3", "Mar", "2016");
        EnterFoursResult(&doc, Fixtures(doc, 1)[0]);
        EXPECT_EQ(category("Bea"), bOK ? "Under 12" : "not added");
    }

    // 13 on the qualifying date, a day after her birthday: the figure is 14.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_EXPAND_LEAGUE).OK();
    newJunior("Cat", "31", "Aug", "2013");
    doc.OnAddExtraTeams();
    EXPECT_EQ(category("Cat"), "Under 15");
    EXPECT_EQ(doc.m_nTeams, 6);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), Texts{});
}
