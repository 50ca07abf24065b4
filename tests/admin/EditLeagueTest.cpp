// League > Miscellaneous Setup > General Details driven through its dialog: what it shows,
// what OK writes back and Cancel leaves alone, its input checks, and what the change does to
// the league afterwards (type rules, pyramid, average limit, standings, page headings).
#include "DialogControls.h"
#include "FileContents.h"
#include "TempDir.h"
#include "AdminTest.h"
#include "RecordingDC.h"
#include "admin/EditLeagueDlg.h"
#include "admin/LeagueDetailsCommands.h"
#include "league/SampleLeague.h"
#include "reports/layout/HeadingItems.h"
#include "reports/layout/OfficersItem.h"
#include "resources/CommandIds.h"
#include "view/BowlingView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// An 8-team handicap league with its details filled in.
void MakeDetailedLeague(CBowlingDoc& doc)
{
    MakeLeague(doc, 8, 7, At(2025, 1, 6));
    doc.m_strLeagueName = "Tuesday Fours";
    doc.m_strSanctionedBy = "BTBA";
    doc.m_strSanctionNumber = "S-4711";
    doc.m_strPresident = "Ann Able";
    doc.m_strVicePresident = "Vic Vale";
    doc.m_strSecretary = "Jo Bloggs";
    doc.m_strTreasurer = "Tom Till";
    doc.m_strPresidentPhone = "0123 456789";
    doc.m_strVicePresidentPhone = "0123 111111";
    doc.m_strSecretaryPhone = "0123 222222";
    doc.m_strTreasurerPhone = "0123 333333";
    doc.m_nMaxPlayersPerTeam = 8;
    doc.m_bHandicapLeague = 1;
    doc.m_bScratchLeague = 0;
    doc.m_nSecretaryTeam = 3;
    doc.m_nTreasurerTeam = 0;
}

class EditLeagueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpAdmin();
        LeagueDetailsCommands::Install();
        MakeDetailedLeague(m_doc);
        m_doc.SetModifiedFlag(FALSE);
    }
    // General Details through the document's command route.
    void RunCommand() { ASSERT_TRUE(m_doc.OnCmdMsg(ID_LEAGUE_GENERAL_DETAILS, CN_COMMAND, nullptr)); }

    CScriptedBackend m_ui;
    CBowlingDoc m_doc;
};

} // namespace

TEST_F(EditLeagueTest, ShowsTheLeagueAsItIsAndCancelKeepsIt)
{
    EXPECT_TRUE(m_doc.HasCommandHandler(ID_LEAGUE_GENERAL_DETAILS));
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_EL_LEAGUE_NAME);
            EXPECT_EQ(Ctl(d, IDC_EL_LEAGUE_NAME).text, "Tuesday Fours");
            EXPECT_EQ(Ctl(d, IDC_EL_SANCTIONED_BY).text, "BTBA");
            EXPECT_EQ(Ctl(d, IDC_EL_SANCTION_NUMBER).text, "S-4711");
            EXPECT_EQ(Ctl(d, IDC_EL_PRESIDENT).text, "Ann Able");
            EXPECT_EQ(Ctl(d, IDC_EL_VICE_PRESIDENT).text, "Vic Vale");
            EXPECT_EQ(Ctl(d, IDC_EL_SECRETARY).text, "Jo Bloggs");
            EXPECT_EQ(Ctl(d, IDC_EL_TREASURER).text, "Tom Till");
            EXPECT_EQ(Ctl(d, IDC_EL_PRESIDENT_PHONE).text, "0123 456789");
            EXPECT_EQ(Ctl(d, IDC_EL_VICE_PRESIDENT_PHONE).text, "0123 111111");
            EXPECT_EQ(Ctl(d, IDC_EL_SECRETARY_PHONE).text, "0123 222222");
            EXPECT_EQ(Ctl(d, IDC_EL_TREASURER_PHONE).text, "0123 333333");
            EXPECT_EQ(Ctl(d, IDC_EL_MAX_PLAYERS).text, "8");
            EXPECT_EQ(Ctl(d, IDC_EL_HANDICAP).check, 1);
            EXPECT_EQ(Ctl(d, IDC_EL_SCRATCH).check, 0);
            EXPECT_EQ(Ctl(d, IDC_EL_PYRAMID).check, 0);
            EXPECT_EQ(Ctl(d, IDC_EL_FLOATING_SUBS_TEAM).check, 1);
            EXPECT_EQ(Ctl(d, IDC_EL_FIVE_PIN).check, 0);
            EXPECT_EQ(Ctl(d, IDC_EL_PRIVACY).check, 0);
            // One league type only: position rounds cannot count both ways.
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).visible);
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).enabled);
            // Typing stops at each field's length.
            EXPECT_EQ(Ctl(d, IDC_EL_LEAGUE_NAME).limit, 48);
            EXPECT_EQ(Ctl(d, IDC_EL_SANCTIONED_BY).limit, 40);
            EXPECT_EQ(Ctl(d, IDC_EL_SANCTION_NUMBER).limit, 0);
            for (UINT id : {IDC_EL_PRESIDENT, IDC_EL_VICE_PRESIDENT, IDC_EL_SECRETARY, IDC_EL_TREASURER})
                EXPECT_EQ(Ctl(d, id).limit, 20) << id;
            for (UINT id : {IDC_EL_PRESIDENT_PHONE, IDC_EL_VICE_PRESIDENT_PHONE, IDC_EL_SECRETARY_PHONE,
                            IDC_EL_TREASURER_PHONE})
                EXPECT_EQ(Ctl(d, id).limit, 13) << id;
            const std::vector<std::string> teams = {"No Team", "Team_01", "Team_02", "Team_03", "Team_04",
                                                    "Team_05", "Team_06", "Team_07", "Team_08"};
            EXPECT_EQ(Items(d, IDC_EL_SECRETARY_TEAM), teams);
            EXPECT_EQ(Items(d, IDC_EL_TREASURER_TEAM), teams);
            EXPECT_EQ(Ctl(d, IDC_EL_SECRETARY_TEAM).text, "Team_03");
            EXPECT_EQ(Ctl(d, IDC_EL_TREASURER_TEAM).text, "No Team");
        })
        // Everything changed, then thrown away.
        .SetText(IDC_EL_LEAGUE_NAME, "Wednesday Triples")
        .SetText(IDC_EL_SECRETARY, "Someone Else")
        .SetText(IDC_EL_MAX_PLAYERS, "0")
        .Click(IDC_EL_SCRATCH)
        .Click(IDC_EL_PYRAMID)
        .Click(IDC_EL_FIVE_PIN)
        .Click(IDC_EL_PRIVACY)
        .SelectString(IDC_EL_SECRETARY_TEAM, "No Team")
        .SelectString(IDC_EL_TREASURER_TEAM, "Team_05")
        .Cancel();
    const CString pyramid = m_doc.m_strPyramid;
    RunCommand();
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_strLeagueName, "Tuesday Fours");
    EXPECT_EQ(m_doc.m_strSecretary, "Jo Bloggs");
    EXPECT_EQ(m_doc.m_nMaxPlayersPerTeam, 8);
    EXPECT_EQ(m_doc.m_bScratchLeague, 0u);
    EXPECT_EQ(m_doc.m_bPyramidScoring, 0u);
    EXPECT_EQ(m_doc.m_strPyramid, pyramid);
    EXPECT_EQ(m_doc.m_bFivePinRules, 0u);
    EXPECT_EQ(m_doc.m_bPrivacy, 0u);
    EXPECT_EQ(m_doc.m_nSecretaryTeam, 3);
    EXPECT_EQ(m_doc.m_nTreasurerTeam, 0);
}

TEST_F(EditLeagueTest, OkWritesEveryChangedFieldBack)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .SetText(IDC_EL_LEAGUE_NAME, "Wednesday Triples")
        .SetText(IDC_EL_SANCTIONED_BY, "County Association")
        .SetText(IDC_EL_SANCTION_NUMBER, "A long sanction number with no limit at all 0001")
        .SetText(IDC_EL_PRESIDENT, "Pat President")
        .SetText(IDC_EL_VICE_PRESIDENT, "Val Vice")
        .SetText(IDC_EL_SECRETARY, "Sam Secretary")
        .SetText(IDC_EL_TREASURER, "Terry Treasurer")
        .SetText(IDC_EL_PRESIDENT_PHONE, "01234 567890")
        .SetText(IDC_EL_VICE_PRESIDENT_PHONE, "01234 567891")
        .SetText(IDC_EL_SECRETARY_PHONE, "01234 567892")
        .SetText(IDC_EL_TREASURER_PHONE, "01234 567893")
        .SetText(IDC_EL_MAX_PLAYERS, "12")
        .Click(IDC_EL_SCRATCH)
        .Click(IDC_EL_POSITION_BOTH_WAYS)
        .Click(IDC_EL_FLOATING_SUBS_TEAM)
        .Click(IDC_EL_PRIVACY)
        .Click(IDC_EL_PLAYER_DATABASE)
        .SelectString(IDC_EL_SECRETARY_TEAM, "Team_07")
        .SelectString(IDC_EL_TREASURER_TEAM, "Team_02")
        .OK();
    RunCommand();
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.MessageTexts()[0];
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_strLeagueName, "Wednesday Triples");
    EXPECT_EQ(m_doc.m_strSanctionedBy, "County Association");
    EXPECT_EQ(m_doc.m_strSanctionNumber, "A long sanction number with no limit at all 0001");
    EXPECT_EQ(m_doc.m_strPresident, "Pat President");
    EXPECT_EQ(m_doc.m_strVicePresident, "Val Vice");
    EXPECT_EQ(m_doc.m_strSecretary, "Sam Secretary");
    EXPECT_EQ(m_doc.m_strTreasurer, "Terry Treasurer");
    EXPECT_EQ(m_doc.m_strPresidentPhone, "01234 567890");
    EXPECT_EQ(m_doc.m_strVicePresidentPhone, "01234 567891");
    EXPECT_EQ(m_doc.m_strSecretaryPhone, "01234 567892");
    EXPECT_EQ(m_doc.m_strTreasurerPhone, "01234 567893");
    EXPECT_EQ(m_doc.m_nMaxPlayersPerTeam, 12);
    EXPECT_EQ(m_doc.m_bHandicapLeague, 1u);
    EXPECT_EQ(m_doc.m_bScratchLeague, 1u);
    EXPECT_EQ(m_doc.m_bPositionBothWays, 1u);
    EXPECT_EQ(m_doc.m_bFloatingSubsAsTeam, 0u);
    EXPECT_EQ(m_doc.m_bPrivacy, 1u);
    EXPECT_EQ(m_doc.m_bPlayerDatabase, 1u);
    EXPECT_EQ(m_doc.m_bFivePinRules, 0u);
    EXPECT_EQ(m_doc.m_nAverageLimit, 199u);
    EXPECT_EQ(m_doc.m_nSecretaryTeam, 7);
    EXPECT_EQ(m_doc.m_nTreasurerTeam, 2);
    // The pass switch follows the handicap league.
    EXPECT_EQ(m_doc.m_bHandicapPass, 1u);
}

TEST_F(EditLeagueTest, TheMaximumPlayersMustFitItsRange)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .SetText(IDC_EL_MAX_PLAYERS, "0")
        .OK()
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(d.GetFocusID(), IDC_EL_MAX_PLAYERS);
        })
        .SetText(IDC_EL_MAX_PLAYERS, "256")
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_EL_MAX_PLAYERS, "")
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_EL_MAX_PLAYERS, "255")
        .OK();
    m_ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 255.");
    m_ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 255.");
    m_ui.AnswerMessageBox(IDOK, "Please enter an integer.");
    RunCommand();
    EXPECT_EQ(m_ui.messages.size(), 3u);
    EXPECT_EQ(m_doc.m_nMaxPlayersPerTeam, 255);
}

// Names longer than their fields (from an older league file, say) are shown whole; OK asks for
// each to be shortened in turn, and the league keeps its old text until OK succeeds.
TEST_F(EditLeagueTest, EachTooLongTextIsRefusedWithItsLimit)
{
    struct Field {
        CString CLeagueSettings::*pText;
        UINT nID;
        int nLimit;
    };
    // In the order OK checks them.
    const std::vector<Field> fields = {
        {&CLeagueSettings::m_strSanctionedBy, IDC_EL_SANCTIONED_BY, 40},
        {&CLeagueSettings::m_strPresident, IDC_EL_PRESIDENT, 20},
        {&CLeagueSettings::m_strSecretary, IDC_EL_SECRETARY, 20},
        {&CLeagueSettings::m_strTreasurer, IDC_EL_TREASURER, 20},
        {&CLeagueSettings::m_strLeagueName, IDC_EL_LEAGUE_NAME, 48},
        {&CLeagueSettings::m_strPresidentPhone, IDC_EL_PRESIDENT_PHONE, 13},
        {&CLeagueSettings::m_strSecretaryPhone, IDC_EL_SECRETARY_PHONE, 13},
        {&CLeagueSettings::m_strTreasurerPhone, IDC_EL_TREASURER_PHONE, 13},
        {&CLeagueSettings::m_strVicePresident, IDC_EL_VICE_PRESIDENT, 20},
        {&CLeagueSettings::m_strVicePresidentPhone, IDC_EL_VICE_PRESIDENT_PHONE, 13},
    };
    for (const Field& f : fields)
        m_doc.*f.pText = CString('x', f.nLimit + 1);

    auto& script = m_ui.OnDialog(IDD_EDIT_LEAGUE);
    for (const Field& f : fields) {
        const UINT nID = f.nID;
        const int nLimit = f.nLimit;
        script.Check([nID, nLimit](CDialog& d) { EXPECT_EQ(Ctl(d, nID).text.GetLength(), nLimit + 1); })
            .OK()
            .Check([nID](CDialog& d) {
                EXPECT_FALSE(d.IsEnded());
                EXPECT_EQ(d.GetFocusID(), nID);
            })
            .SetText(nID, std::string(static_cast<size_t>(nLimit), 'y').c_str());
        CString expected;
        expected.Format("Please enter no more than %d characters.", nLimit);
        m_ui.AnswerMessageBox(IDOK, expected.GetString());
    }
    script.OK();
    RunCommand();
    ASSERT_EQ(m_ui.messages.size(), fields.size());
    for (const Field& f : fields)
        EXPECT_EQ(m_doc.*f.pText, CString('y', f.nLimit)) << f.nID;
}

TEST_F(EditLeagueTest, OneLeagueTypeStaysTickedAndPositionRoundsNeedBoth)
{
    m_doc.m_bPositionBothWays = 1;  // left over from when the league had both types
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .Check([](CDialog& d) {
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).visible);
            EXPECT_EQ(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).check, 0);
        })
        // Unticking the only type ticks the other.
        .Click(IDC_EL_HANDICAP)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_EL_HANDICAP).check, 0);
            EXPECT_EQ(Ctl(d, IDC_EL_SCRATCH).check, 1);
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).visible);
        })
        .Click(IDC_EL_SCRATCH)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_EL_HANDICAP).check, 1);
            EXPECT_EQ(Ctl(d, IDC_EL_SCRATCH).check, 0);
        })
        // Both: the position-round box shows, unticked.
        .Click(IDC_EL_SCRATCH)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).visible);
            EXPECT_TRUE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).enabled);
            EXPECT_EQ(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).check, 0);
        })
        .Click(IDC_EL_POSITION_BOTH_WAYS)
        // A half-typed field elsewhere neither blocks the rule nor is rewritten.
        .SetText(IDC_EL_MAX_PLAYERS, "")
        .Click(IDC_EL_HANDICAP)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_EL_MAX_PLAYERS).text, "");
            EXPECT_EQ(Ctl(d, IDC_EL_HANDICAP).check, 0);
            EXPECT_EQ(Ctl(d, IDC_EL_SCRATCH).check, 1);
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).visible);
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).enabled);
            EXPECT_EQ(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).check, 0);
        })
        .SetText(IDC_EL_MAX_PLAYERS, "9")
        .OK();
    RunCommand();
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(m_doc.m_bHandicapLeague, 0u);
    EXPECT_EQ(m_doc.m_bScratchLeague, 1u);
    EXPECT_EQ(m_doc.m_bPositionBothWays, 0u);
    EXPECT_EQ(m_doc.m_bHandicapPass, 0u);
}

TEST_F(EditLeagueTest, FivePinRulesSetTheAverageLimit)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_FIVE_PIN).OK();
    RunCommand();
    EXPECT_EQ(m_doc.m_bFivePinRules, 1u);
    EXPECT_EQ(m_doc.m_nAverageLimit, 249u);

    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_EL_FIVE_PIN).check, 1); })
        .Click(IDC_EL_FIVE_PIN)
        .OK();
    RunCommand();
    EXPECT_EQ(m_doc.m_bFivePinRules, 0u);
    EXPECT_EQ(m_doc.m_nAverageLimit, 199u);
}

TEST_F(EditLeagueTest, PyramidScoringFillsAShortOrderAndKeepsAFullOne)
{
    CBowlingDoc doc;
    MakeLeague(doc, 10, 9, At(2025, 1, 6));
    ASSERT_TRUE(doc.m_strPyramid.IsEmpty());
    m_ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_PYRAMID).OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(doc.m_bPyramidScoring, 1u);
    ASSERT_EQ(doc.m_strPyramid.GetLength(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(static_cast<BYTE>(doc.m_strPyramid[i]), 10 - i) << i;

    // An order the secretary has set is left as it is.
    doc.m_strPyramid = CString('\x05', 12);
    m_ui.OnDialog(IDD_EDIT_LEAGUE).OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(doc.m_strPyramid, CString('\x05', 12));
}

// The teams are chosen by number, so a gap in the numbering cannot move the choice onto the
// next team.
TEST_F(EditLeagueTest, SecretarysAndTreasurersTeamsByTeamNumber)
{
    CBowlingDoc doc;
    doc.m_nTeams = 5;
    for (int k : {1, 2, 4, 5})
        doc.AddTeam(new CTeam(CString("Team ") + CString(static_cast<char>('0' + k), 1), static_cast<WORD>(k)));
    doc.m_nSecretaryTeam = 4;
    doc.m_nTreasurerTeam = 3;  // no such team
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .Check([](CDialog& d) {
            const std::vector<std::string> teams = {"No Team", "Team 1", "Team 2", "Team 4", "Team 5"};
            EXPECT_EQ(Items(d, IDC_EL_SECRETARY_TEAM), teams);
            EXPECT_EQ(Ctl(d, IDC_EL_SECRETARY_TEAM).text, "Team 4");
            EXPECT_EQ(Ctl(d, IDC_EL_TREASURER_TEAM).text, "No Team");
        })
        .SelectString(IDC_EL_TREASURER_TEAM, "Team 5")
        .OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(doc.m_nSecretaryTeam, 4);
    EXPECT_EQ(doc.m_nTreasurerTeam, 5);

    m_ui.OnDialog(IDD_EDIT_LEAGUE).SelectString(IDC_EL_SECRETARY_TEAM, "No Team").OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(doc.m_nSecretaryTeam, 0);
    EXPECT_EQ(doc.m_nTreasurerTeam, 5);
}

// After OK the league is recalculated: a handicap league made a scratch league too gets its
// scratch standings at once.
TEST_F(EditLeagueTest, OkRecalculatesTheStandings)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 4, 2});
    doc.m_bHandicapLeague = 1;
    doc.m_bScratchLeague = 0;
    doc.m_ScrPoints.m_bTeam = 1;  // a point a game and one for the series
    for (BYTE& n : doc.m_ScrPoints.m_nTeamGame)
        n = 2;
    doc.m_ScrPoints.m_nTeamSeries = 2;
    doc.Recalculate();
    for (CTeam* t : Teams(doc)) {
        EXPECT_EQ(t->m_nPointsWon[PASS_SCRATCH], 0) << t->m_strName.GetString();
        t->m_nScrPosition = 0;
    }
    m_ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_SCRATCH).OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    std::vector<int> positions;
    int nWon = 0;
    for (CTeam* t : Teams(doc)) {
        positions.push_back(t->m_nScrPosition);
        nWon += t->m_nPointsWon[PASS_SCRATCH];
    }
    std::sort(positions.begin(), positions.end());
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_GT(nWon, 0);
}

// Chosen from the menu of a view: the view is repainted after OK, and the page heading and the
// officers item draw the new details.
TEST_F(EditLeagueTest, HeadingsAndOfficersShowTheNewDetails)
{
    CBowlingView view;
    view.AttachTo(&m_doc, nullptr);
    view.OnInitialUpdate();
    m_ui.OnDialog(IDD_EDIT_LEAGUE).SetText(IDC_EL_LEAGUE_NAME, "Thrown away").Cancel();
    const int nBefore = m_ui.invalidations;
    ASSERT_TRUE(view.OnCmdMsg(ID_LEAGUE_GENERAL_DETAILS, CN_COMMAND, nullptr));
    EXPECT_EQ(m_ui.invalidations, nBefore);

    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .SetText(IDC_EL_LEAGUE_NAME, "Wednesday Triples")
        .SetText(IDC_EL_SANCTIONED_BY, "County")
        .SetText(IDC_EL_SANCTION_NUMBER, "C-99")
        .SetText(IDC_EL_SECRETARY, "Sam Secretary")
        .SetText(IDC_EL_SECRETARY_PHONE, "555 0101")
        .OK();
    ASSERT_TRUE(view.OnCmdMsg(ID_LEAGUE_GENERAL_DETAILS, CN_COMMAND, nullptr));
    EXPECT_GT(m_ui.invalidations, nBefore);

    m_doc.m_strReportTitle = "Standings";
    CRepItem_Heading heading;
    heading.m_pDoc = &m_doc;
    heading.m_x = PAGE_LEFT;
    heading.m_y = PAGE_TOP;
    CRecordingDC dc;
    heading.Draw(&dc, nullptr);
    EXPECT_NE(dc.FindText("Wednesday Triples"), nullptr) << dc.Dump();
    EXPECT_NE(dc.FindText("County Sanction Number  C-99"), nullptr) << dc.Dump();
    EXPECT_EQ(dc.FindText("Tuesday Fours"), nullptr);

    CRepItem_Officers officers;
    officers.m_pDoc = &m_doc;
    officers.m_x = PAGE_LEFT;
    officers.m_y = PAGE_TOP;
    CRecordingDC dc2;
    officers.Draw(&dc2, nullptr);
    EXPECT_NE(dc2.FindText("Sam Secretary  (555 0101)"), nullptr) << dc2.Dump();
}

// Letters beyond the league's single-byte text: plain letters on OK, said so, and the same in
// the league and its HTML; a character with no plain letter keeps the dialog open, named.
TEST_F(EditLeagueTest, LettersTheLeagueCannotHoldArePlainLettersAndSaidSo)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .Type(IDC_EL_LEAGUE_NAME, "Pin Pals \xE2\x9C\x93")  // ✓
        .OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_EL_LEAGUE_NAME)); })
        .Type(IDC_EL_LEAGUE_NAME, "\xC5\x81\xC3\xB3" "d\xC5\xBA Ladies")           // Łódź Ladies
        .Type(IDC_EL_SECRETARY, "\xC5\x81ukasz Dvo\xC5\x99\xC3\xA1k")              // Łukasz Dvořák
        .OK();
    m_ui.AnswerMessageBox(IDOK, "cannot be kept in the league's text: \xE2\x9C\x93");
    m_ui.AnswerMessageBox(IDOK, "\xC5\x81 to L, \xC5\xBA to z, \xC5\x99 to r.");
    RunCommand();
    EXPECT_EQ(m_doc.m_strLeagueName, "L\xF3" "dz Ladies");  // ó is held as it is
    EXPECT_EQ(m_doc.m_strSecretary, "Lukasz Dvor\xE1k");

    CRepItem_Officers officers;
    officers.m_pDoc = &m_doc;
    TempDir dir;
    std::string path = dir.File("officers.htm");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        officers.WriteHtml(file);
        file.Close();
    }
    std::string html = FileContents(path);
    EXPECT_NE(html.find("Lukasz Dvor"), std::string::npos) << html;
    EXPECT_EQ(html.find('?'), std::string::npos) << html;
}
