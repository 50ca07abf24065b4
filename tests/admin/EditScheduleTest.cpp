// Fixture > Edit League Schedule: a round re-paired by picking teams, stored when the round is
// left; matches that keep their sides keep their results, rearranged ones lose them.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "admin/SeasonCommands.h"
#include "resources/CommandIds.h"

#include <set>
#include <string>

namespace {

std::string Slot(CDialog& d, int nSlot)
{
    const CControlState& s = Ctl(d, IDC_ES_SLOT + nSlot);
    return s.visible ? s.text.GetString() : "<hidden>";
}

} // namespace

class EditScheduleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpAdmin();
        SeasonCommands::Install();
        MakeLeague(doc, 8, 7, At(2025, 9, 2));
    }
    CBowlingDoc doc;
};

TEST_F(EditScheduleTest, ARoundRePairedByHandKeepsTheResultsOfTheMatchesThatStayed)
{
    CScriptedBackend ui;
    EnterResult(Fixtures(doc, 1)[2], 171);
    std::vector<CFixture*> round2 = Fixtures(doc, 2);
    EnterResult(round2[0], 180);
    EnterResult(round2[1], 190);
    const WORD a[4] = {round2[0]->m_nTeamA, round2[1]->m_nTeamA, round2[2]->m_nTeamA, round2[3]->m_nTeamA};
    const WORD b[4] = {round2[0]->m_nTeamB, round2[1]->m_nTeamB, round2[2]->m_nTeamB, round2[3]->m_nTeamB};
    auto name = [&](WORD n) { return std::string(doc.FindTeam(n)->m_strName.GetString()); };

    ui.AnswerMessageBox(IDYES, "This is a VERY DANGEROUS operation.");
    ui.AnswerMessageBox(IDYES, "the results will be erased!");
    ui.AnswerMessageBox(IDYES, "If you fully accept responsibility");
    ui.OnDialog(IDD_EDIT_SCHEDULE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 1 / 7");
            EXPECT_FALSE(Ctl(d, IDC_ES_SELECT).enabled);
            EXPECT_EQ(VisibleOf(d, {IDC_ES_TEAMS, IDC_ES_VERSUS + 4}), "00"); // 8 teams: four rows
        })
        .Click(IDC_ES_NEXT)
        .Check([&](CDialog& d) {
            EXPECT_EQ((std::vector<std::string>{Ctl(d, IDC_ES_WEEK).text.GetString(), Slot(d, 2), Slot(d, 3)}),
                      (std::vector<std::string>{"Week 2 / 7", name(a[1]), name(b[1])}));
        })
        .Click(IDC_ES_EDIT)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_ES_TEAMS).size(), 8u);
            EXPECT_EQ(Slot(d, 0), "????????????");
            EXPECT_EQ(EnabledOf(d, {IDC_ES_NEXT, IDC_ES_ROUND}), "00");
        })
        .Select(IDC_ES_TEAMS, 0).Click(IDC_ES_SELECT) // match 1 as it was
        .Select(IDC_ES_TEAMS, 0).Click(IDC_ES_SELECT)
        .Select(IDC_ES_TEAMS, 2).Click(IDC_ES_SELECT) // match 2: side A of match 3 ...
        .DblClk(IDC_ES_TEAMS, 0)                      // ... against side A of match 2
        .Check([&](CDialog& d) {
            EXPECT_EQ((std::vector<std::string>{Slot(d, 2), Slot(d, 3), Slot(d, 4)}),
                      (std::vector<std::string>{name(a[2]), name(a[1]), "????????????"}));
        })
        .Select(IDC_ES_TEAMS, 0).Click(IDC_ES_SELECT).Select(IDC_ES_TEAMS, 0).Click(IDC_ES_SELECT)
        .Select(IDC_ES_TEAMS, 0).Click(IDC_ES_SELECT) // the last team places itself
        .Check([&](CDialog& d) {
            EXPECT_EQ(Slot(d, 7), name(b[3]));
            EXPECT_FALSE(Ctl(d, IDC_ES_TEAMS).visible);
            EXPECT_EQ(EnabledOf(d, {IDC_ES_RESET, IDC_ES_NEXT}), "11");
        })
        // Nothing is written while the pairing waits.
        .Check([&](CDialog&) { EXPECT_EQ(Fixtures(doc, 2)[1]->m_nTeamB, b[1]); })
        .Click(IDC_ES_NEXT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 3 / 7"); })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EDIT_SCHEDULE, CN_COMMAND, nullptr));

    round2 = Fixtures(doc, 2);
    // Match 4 is paired as it was.
    const WORD wantA[4] = {a[0], a[2], b[1], a[3]};
    const WORD wantB[4] = {b[0], a[1], b[2], b[3]};
    std::set<int> teams;
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(Nums(round2[m]->m_nTeamA, round2[m]->m_nTeamB, round2[m]->m_nMatch), Nums(wantA[m], wantB[m], m + 1))
            << m;
        EXPECT_EQ(round2[m]->m_pTeamA, doc.FindTeam(wantA[m])) << m;
        EXPECT_EQ(round2[m]->m_timeDue, At(2025, 9, 9));
        teams.insert({round2[m]->m_nTeamA, round2[m]->m_nTeamB});
    }
    EXPECT_EQ(teams.size(), 8u);
    EXPECT_TRUE(round2[0]->m_bPlayed[0] && round2[0]->m_bPlayed[1]);
    EXPECT_FALSE(round2[1]->m_bPlayed[0] || round2[1]->m_bPlayed[1]);
    EXPECT_EQ(Nums(round2[0]->m_nScore[0][0], round2[1]->m_nScore[0][0], Fixtures(doc, 1)[2]->m_nScore[0][0]),
              Nums(180, 0, 171));
    EXPECT_TRUE(doc.IsModified());
}

// A round the season does not have, typed in the week box, is refused naming the season's
// rounds, and the pairing still waits; Reset then drops it.
TEST_F(EditScheduleTest, APairingIsDroppedByResetAndWhileStillPicked)
{
    CScriptedBackend ui;
    const std::vector<CFixture*> before = Fixtures(doc);
    std::vector<std::pair<int, int>> pairs;
    for (CFixture* f : before)
        pairs.emplace_back(f->m_nTeamA, f->m_nTeamB);
    // Round 3 is a position round still to be set.
    for (CFixture* f : Fixtures(doc, 3)) {
        f->m_bPositionRound = 1;
        f->m_nTeamA = f->m_nTeamB = 0;
        pairs[static_cast<size_t>(f->m_nMatch - 1 + 8)] = {0, 0};
    }
    auto pickAll = [](CScriptedBackend::DialogScript& s) -> CScriptedBackend::DialogScript& {
        s.Click(IDC_ES_EDIT);
        for (int i = 0; i < 7; ++i)
            s.Select(IDC_ES_TEAMS, 6 - i).Click(IDC_ES_SELECT);
        return s;
    };
    auto& script = ui.OnDialog(IDD_EDIT_SCHEDULE);
    pickAll(script).Click(IDC_ES_RESET).Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_ES_RESET).enabled); });
    pickAll(script).SetText(IDC_ES_ROUND, "9").Focus(IDC_ES_EDIT) // beyond the season: refused
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_ES_ROUND, IDC_ES_WEEK}), (std::vector<std::string>{"1", "Week 1 / 7"}));
            EXPECT_TRUE(Ctl(d, IDC_ES_RESET).enabled);
            EXPECT_EQ(d.GetFocusID(), static_cast<UINT>(IDC_ES_ROUND));
        })
        .Click(IDC_ES_RESET)
        .SetText(IDC_ES_ROUND, "2").Focus(IDC_ES_EDIT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 2 / 7"); });
    script.SetText(IDC_ES_ROUND, "3").Focus(IDC_ES_EDIT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 2 / 7"); })
        .Click(IDC_ES_NEXT) // skips the position round on No
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 4 / 7"); })
        .Click(IDC_ES_EDIT).Select(IDC_ES_TEAMS, 1).Click(IDC_ES_SELECT)
        .OK(); // still picking: nothing stored
    ui.AnswerMessageBox(IDOK, "Please enter a round between 1 and 7.");
    ui.AnswerMessageBox(IDNO, "Round 3 is a position round. Would you like the Teams set using available data?");
    ui.AnswerMessageBox(IDOK, "This is a position week!");
    ui.AnswerMessageBox(IDNO, "Round 3 is a position round.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EDIT_SCHEDULE, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    const std::vector<CFixture*> after = Fixtures(doc);
    ASSERT_EQ(after.size(), pairs.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(std::make_pair(int{after[i]->m_nTeamA}, int{after[i]->m_nTeamB}), pairs[i]) << i;

    // Yes sets the position round from the standings and shows it.
    ui.OnDialog(IDD_EDIT_SCHEDULE).Click(IDC_ES_NEXT).Click(IDC_ES_NEXT).Check([](CDialog& d) {
        EXPECT_EQ(Ctl(d, IDC_ES_WEEK).text, "Week 3 / 7");
        EXPECT_NE(Ctl(d, IDC_ES_SLOT).text, "");
    }).OK();
    ui.AnswerMessageBox(IDYES, "Round 3 is a position round.");
    ui.AnswerMessageBox(IDYES, "Outstanding matches");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EDIT_SCHEDULE, CN_COMMAND, nullptr));
    for (CFixture* f : Fixtures(doc, 3))
        EXPECT_TRUE(f->m_nTeamA != 0 && f->m_nTeamB != 0);
}
