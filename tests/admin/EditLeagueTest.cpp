// League > Miscellaneous Setup > General Details driven through its dialog: what it shows,
// what OK writes back and Cancel leaves alone, its input checks, and what the change does to
// the league afterwards (type rules, pyramid, average limit, standings, page headings).
#include "AdminChecks.h"
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
            EXPECT_EQ(TextsOf(d, {IDC_EL_LEAGUE_NAME, IDC_EL_SANCTIONED_BY, IDC_EL_SANCTION_NUMBER, IDC_EL_PRESIDENT,
                                  IDC_EL_VICE_PRESIDENT, IDC_EL_SECRETARY, IDC_EL_TREASURER, IDC_EL_PRESIDENT_PHONE,
                                  IDC_EL_VICE_PRESIDENT_PHONE, IDC_EL_SECRETARY_PHONE, IDC_EL_TREASURER_PHONE,
                                  IDC_EL_MAX_PLAYERS}),
                      (std::vector<std::string>{"Tuesday Fours", "BTBA", "S-4711", "Ann Able", "Vic Vale", "Jo Bloggs",
                                                "Tom Till", "0123 456789", "0123 111111", "0123 222222",
                                                "0123 333333", "8"}));
            EXPECT_EQ(ChecksOf(d, {IDC_EL_HANDICAP, IDC_EL_SCRATCH, IDC_EL_PYRAMID, IDC_EL_FLOATING_SUBS_TEAM,
                                   IDC_EL_FIVE_PIN, IDC_EL_PRIVACY}),
                      (std::vector<int>{1, 0, 0, 1, 0, 0}));
            // One league type only: position rounds cannot count both ways.
            EXPECT_EQ(VisibleOf(d, {IDC_EL_POSITION_BOTH_WAYS}) + EnabledOf(d, {IDC_EL_POSITION_BOTH_WAYS}), "00");
            // Typing stops at each field's length.
            EXPECT_EQ(Nums(Ctl(d, IDC_EL_LEAGUE_NAME).limit, Ctl(d, IDC_EL_SANCTIONED_BY).limit,
                           Ctl(d, IDC_EL_SANCTION_NUMBER).limit),
                      Nums(48, 40, 0));
            for (UINT id : {IDC_EL_PRESIDENT, IDC_EL_VICE_PRESIDENT, IDC_EL_SECRETARY, IDC_EL_TREASURER})
                EXPECT_EQ(Ctl(d, id).limit, 20) << id;
            for (UINT id : {IDC_EL_PRESIDENT_PHONE, IDC_EL_VICE_PRESIDENT_PHONE, IDC_EL_SECRETARY_PHONE,
                            IDC_EL_TREASURER_PHONE})
                EXPECT_EQ(Ctl(d, id).limit, 13) << id;
            const std::vector<std::string> teams = {"No Team", "Team_01", "Team_02", "Team_03", "Team_04",
                                                    "Team_05", "Team_06", "Team_07", "Team_08"};
            EXPECT_EQ(Items(d, IDC_EL_SECRETARY_TEAM), teams);
            EXPECT_EQ(Items(d, IDC_EL_TREASURER_TEAM), teams);
            EXPECT_EQ(TextsOf(d, {IDC_EL_SECRETARY_TEAM, IDC_EL_TREASURER_TEAM}),
                      (std::vector<std::string>{"Team_03", "No Team"}));
        })
        // Everything changed, then thrown away.
        .SetText(IDC_EL_LEAGUE_NAME, "Wednesday Triples").SetText(IDC_EL_SECRETARY, "Someone Else")
        .SetText(IDC_EL_MAX_PLAYERS, "0").Click(IDC_EL_SCRATCH).Click(IDC_EL_PYRAMID).Click(IDC_EL_FIVE_PIN)
        .Click(IDC_EL_PRIVACY).SelectString(IDC_EL_SECRETARY_TEAM, "No Team")
        .SelectString(IDC_EL_TREASURER_TEAM, "Team_05")
        .Cancel();
    const CString pyramid = m_doc.m_strPyramid;
    RunCommand();
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(Strs(m_doc.m_strLeagueName, m_doc.m_strSecretary, m_doc.m_strPyramid),
              Strs(CString("Tuesday Fours"), CString("Jo Bloggs"), pyramid));
    EXPECT_EQ(Nums(m_doc.m_nMaxPlayersPerTeam, m_doc.m_bScratchLeague, m_doc.m_bPyramidScoring, m_doc.m_bFivePinRules,
                   m_doc.m_bPrivacy, m_doc.m_nSecretaryTeam, m_doc.m_nTreasurerTeam),
              Nums(8, 0, 0, 0, 0, 3, 0));
}

TEST_F(EditLeagueTest, OkWritesEveryChangedFieldBack)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .SetText(IDC_EL_LEAGUE_NAME, "Wednesday Triples").SetText(IDC_EL_SANCTIONED_BY, "County Association")
        .SetText(IDC_EL_SANCTION_NUMBER, "A long sanction number with no limit at all 0001")
        .SetText(IDC_EL_PRESIDENT, "Pat President").SetText(IDC_EL_VICE_PRESIDENT, "Val Vice")
        .SetText(IDC_EL_SECRETARY, "Sam Secretary").SetText(IDC_EL_TREASURER, "Terry Treasurer")
        .SetText(IDC_EL_PRESIDENT_PHONE, "01234 567890").SetText(IDC_EL_VICE_PRESIDENT_PHONE, "01234 567891")
        .SetText(IDC_EL_SECRETARY_PHONE, "01234 567892").SetText(IDC_EL_TREASURER_PHONE, "01234 567893")
        .SetText(IDC_EL_MAX_PLAYERS, "12").Click(IDC_EL_SCRATCH).Click(IDC_EL_POSITION_BOTH_WAYS)
        .Click(IDC_EL_FLOATING_SUBS_TEAM).Click(IDC_EL_PRIVACY).Click(IDC_EL_PLAYER_DATABASE)
        .SelectString(IDC_EL_SECRETARY_TEAM, "Team_07").SelectString(IDC_EL_TREASURER_TEAM, "Team_02")
        .OK();
    RunCommand();
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.MessageTexts()[0];
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(Strs(m_doc.m_strLeagueName, m_doc.m_strSanctionedBy, m_doc.m_strSanctionNumber, m_doc.m_strPresident,
                   m_doc.m_strVicePresident, m_doc.m_strSecretary, m_doc.m_strTreasurer, m_doc.m_strPresidentPhone,
                   m_doc.m_strVicePresidentPhone, m_doc.m_strSecretaryPhone, m_doc.m_strTreasurerPhone),
              (std::vector<std::string>{"Wednesday Triples", "County Association",
                                        "A long sanction number with no limit at all 0001", "Pat President",
                                        "Val Vice", "Sam Secretary", "Terry Treasurer", "01234 567890",
                                        "01234 567891", "01234 567892", "01234 567893"}));
    // The pass switch (last) follows the handicap league.
    EXPECT_EQ(Nums(m_doc.m_nMaxPlayersPerTeam, m_doc.m_bHandicapLeague, m_doc.m_bScratchLeague,
                   m_doc.m_bPositionBothWays, m_doc.m_bFloatingSubsAsTeam, m_doc.m_bPrivacy, m_doc.m_bPlayerDatabase,
                   m_doc.m_bFivePinRules, m_doc.m_nAverageLimit, m_doc.m_nSecretaryTeam, m_doc.m_nTreasurerTeam,
                   m_doc.m_bHandicapPass),
              Nums(12, 1, 1, 1, 0, 1, 1, 0, 199, 7, 2, 1));
}

TEST_F(EditLeagueTest, TheMaximumPlayersMustFitItsRange)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .SetText(IDC_EL_MAX_PLAYERS, "0").OK()
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(d.GetFocusID(), IDC_EL_MAX_PLAYERS);
        })
        .SetText(IDC_EL_MAX_PLAYERS, "256").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_EL_MAX_PLAYERS, "").OK()
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
            EXPECT_EQ(ChecksOf(d, {IDC_EL_HANDICAP, IDC_EL_SCRATCH}), (std::vector<int>{0, 1}));
            EXPECT_FALSE(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).visible);
        })
        .Click(IDC_EL_SCRATCH)
        .Check([](CDialog& d) { EXPECT_EQ(ChecksOf(d, {IDC_EL_HANDICAP, IDC_EL_SCRATCH}), (std::vector<int>{1, 0})); })
        // Both: the position-round box shows, unticked.
        .Click(IDC_EL_SCRATCH)
        .Check([](CDialog& d) {
            EXPECT_EQ(VisibleOf(d, {IDC_EL_POSITION_BOTH_WAYS}) + EnabledOf(d, {IDC_EL_POSITION_BOTH_WAYS}), "11");
            EXPECT_EQ(Ctl(d, IDC_EL_POSITION_BOTH_WAYS).check, 0);
        })
        .Click(IDC_EL_POSITION_BOTH_WAYS)
        // A half-typed field elsewhere neither blocks the rule nor is rewritten.
        .SetText(IDC_EL_MAX_PLAYERS, "").Click(IDC_EL_HANDICAP)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_EL_MAX_PLAYERS).text, "");
            EXPECT_EQ(ChecksOf(d, {IDC_EL_HANDICAP, IDC_EL_SCRATCH, IDC_EL_POSITION_BOTH_WAYS}),
                      (std::vector<int>{0, 1, 0}));
            EXPECT_EQ(VisibleOf(d, {IDC_EL_POSITION_BOTH_WAYS}) + EnabledOf(d, {IDC_EL_POSITION_BOTH_WAYS}), "00");
        })
        .SetText(IDC_EL_MAX_PLAYERS, "9")
        .OK();
    RunCommand();
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(Nums(m_doc.m_bHandicapLeague, m_doc.m_bScratchLeague, m_doc.m_bPositionBothWays, m_doc.m_bHandicapPass),
              Nums(0, 1, 0, 0));
}

TEST_F(EditLeagueTest, FivePinRulesSetTheAverageLimit)
{
    m_ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_FIVE_PIN).OK();
    RunCommand();
    EXPECT_EQ(Nums(m_doc.m_bFivePinRules, m_doc.m_nAverageLimit), Nums(1, 249));

    m_ui.OnDialog(IDD_EDIT_LEAGUE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_EL_FIVE_PIN).check, 1); })
        .Click(IDC_EL_FIVE_PIN)
        .OK();
    RunCommand();
    EXPECT_EQ(Nums(m_doc.m_bFivePinRules, m_doc.m_nAverageLimit), Nums(0, 199));
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
            EXPECT_EQ(TextsOf(d, {IDC_EL_SECRETARY_TEAM, IDC_EL_TREASURER_TEAM}),
                      (std::vector<std::string>{"Team 4", "No Team"}));
        })
        .SelectString(IDC_EL_TREASURER_TEAM, "Team 5")
        .OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(Nums(doc.m_nSecretaryTeam, doc.m_nTreasurerTeam), Nums(4, 5));

    m_ui.OnDialog(IDD_EDIT_LEAGUE).SelectString(IDC_EL_SECRETARY_TEAM, "No Team").OK();
    ASSERT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(Nums(doc.m_nSecretaryTeam, doc.m_nTreasurerTeam), Nums(0, 5));
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
        .SetText(IDC_EL_LEAGUE_NAME, "Wednesday Triples").SetText(IDC_EL_SANCTIONED_BY, "County")
        .SetText(IDC_EL_SANCTION_NUMBER, "C-99").SetText(IDC_EL_SECRETARY, "Sam Secretary")
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
