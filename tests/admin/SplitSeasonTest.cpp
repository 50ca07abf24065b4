// League > Miscellaneous Setup > Split Season: the summary of simple splits, custom splits and
// their durations, and the split state the standings and statistics read afterwards.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "NextSeason.h"
#include "admin/SeasonCommands.h"
#include "admin/SplitSeasonDlg.h"
#include "league/SampleLeague.h"
#include "league/Fixture.h"
#include "reports/stats/CustomStandings.h"
#include "reports/stats/RepItem_Standings.h"
#include "resources/CommandIds.h"

#include <string>

class SplitSeasonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpAdmin();
        SeasonCommands::Install();
    }

    std::string Heading(CBowlingDoc& doc, int nRound)
    {
        doc.m_nCurrentRound = static_cast<BYTE>(nRound);
        doc.Recalculate();
        CRepItem_Standings item;
        item.m_pDoc = &doc;
        item.m_bHandicap = 1;
        return item.GetHeading().GetString();
    }
};

TEST_F(SplitSeasonTest, SimpleSplitsAreSummedUpFromTheRoundsAndTheSplitsAsked)
{
    struct Case {
        int nRounds, nPer, nSplits;
        const char* pszLine1;
        const char* pszLine2;
        int nSplitsAfter;
        int bEnabledAfter;
    };
    const Case cases[] = {
        {30, 10, 3, "3 splits of 10 rounds", "", 3, 1},
        {32, 10, 4, "3 splits of 10 rounds", "1 split of 2 rounds", 4, 1},
        {32, 10, 2, "1 split of 10 rounds", "1 split of 22 rounds", 2, 1},
        {30, 10, 1, "2 splits of 10 rounds", "", 2, 1},  // never fewer than 2
        {30, 10, 9, "3 splits of 10 rounds", "", 3, 1},  // never more than the rounds hold
        {30, 0, 3, "", "", 3, 0},                       // no rounds per split: no simple splits
    };
    for (const Case& c : cases) {
        CScriptedBackend ui;
        CSplitSeasonDlg dlg;
        dlg.m_nRounds = c.nRounds;
        dlg.m_nRoundsPerSplit = c.nPer;
        dlg.m_nSplits = c.nSplits;
        dlg.m_bSplitSeason = 1;
        SCOPED_TRACE(std::to_string(c.nRounds) + "/" + std::to_string(c.nPer) + "/" + std::to_string(c.nSplits));
        ui.OnDialog(IDD_SPLIT_SEASON).Check([&](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SS_SUMMARY1, IDC_SS_SUMMARY2}), (std::vector<std::string>{c.pszLine1, c.pszLine2}));
        }).OK();
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(Nums(dlg.m_nSplits, dlg.m_bSplitSeason), Nums(c.nSplitsAfter, c.bEnabledAfter));
    }
}

TEST_F(SplitSeasonTest, BothWaysOfSplittingChangeTheSplitCountTheHeadingsAndTheStatisticsRound)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 30, At(2025, 9, 1));
    doc.m_bHandicapLeague = 1;
    ASSERT_EQ(doc.m_nRounds, 30);
    EXPECT_EQ(Heading(doc, 12).rfind("Handicap Standings after Round 12 of 30 on ", 0), 0u);

    // Custom splits from rounds 10 and 20.
    ui.OnDialog(IDD_SPLIT_SEASON)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SS_ROUNDS_TEXT, IDC_SS_PROMPT}),
                      (std::vector<std::string>{"League set for 30 rounds", "Enter number of rounds per split"}));
            EXPECT_EQ(EnabledOf(d, {IDC_SS_ENABLED, IDC_SS_USE_CUSTOM}), "00");
        })
        .Click(IDC_SS_DEFINE_CUSTOM)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Ctl(d, IDC_SS_USE_CUSTOM).enabled);
            EXPECT_EQ(Ctl(d, IDC_SS_CUSTOM_SUMMARY).text, "");
        })
        .Click(IDC_SS_USE_CUSTOM)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_CUSTOM_SUMMARY).text, "3 Custom Splits."); })
        .OK();
    ui.OnDialog(IDD_CUSTOM_SPLITS)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_CS_START, IDC_CS_DURATION}), (std::vector<std::string>{"1", "30 Rounds"}));
            EXPECT_EQ(EnabledOf(d, {IDC_CS_START + 1, IDC_CS_START + 2, IDC_CS_DELETE + 1}), "100");
        })
        .SetText(IDC_CS_START + 1, "10").Focus(IDOK).SetText(IDC_CS_START + 2, "20").Focus(IDOK)
        .SetText(IDC_CS_START + 3, "25").Focus(IDOK)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_CS_DURATION, IDC_CS_DURATION + 1, IDC_CS_DURATION + 2, IDC_CS_DURATION + 3}),
                      (std::vector<std::string>{"9 Rounds", "10 Rounds", "5 Rounds", "6 Rounds"}));
        })
        .Click(IDC_CS_DELETE + 3)
        .SetText(IDC_CS_START + 2, "5") // not after split 2's start
        .Focus(IDOK)
        .SetText(IDC_CS_START + 3, "31") // beyond the season
        .Focus(IDOK)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_CS_START + 2, IDC_CS_START + 3, IDC_CS_DURATION + 2}),
                      (std::vector<std::string>{"20", "", "11 Rounds"}));
            EXPECT_FALSE(Ctl(d, IDC_CS_START + 4).enabled);
        })
        .OK();
    ui.AnswerMessageBox(IDOK, "Less than the previous start NOT allowed.");
    ui.AnswerMessageBox(IDOK, "Beyond the last round NOT allowed.");
    CCmdUI state;
    doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_TRUE(state.m_bEnabled);
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_bCustomSplits, doc.m_bSplitSeason, doc.m_nCustomSplitStart[1], doc.m_nCustomSplitStart[2],
                   doc.m_nCustomSplitStart[3], doc.m_bSplitsActive, doc.m_nSplitCount),
              Nums(1, 0, 10, 20, 0, 1, 3));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Heading(doc, 9).rfind("Final Handicap Standings. Split 1 of 3 on ", 0), 0u);
    EXPECT_EQ(doc.GetStatsRound(), 9);
    EXPECT_EQ(Heading(doc, 12).rfind("Handicap Standings after Round 12 of 30. Split 2 of 3 on  ", 0), 0u);
    EXPECT_EQ(Nums(doc.m_nCurrentSplit, doc.GetStatsRound()), Nums(2, 3));

    // Simple splits of 10 rounds: ticking them clears the custom splits.
    ui.OnDialog(IDD_SPLIT_SEASON)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_USE_CUSTOM).check, 1); })
        .SetText(IDC_SS_ROUNDS_PER_SPLIT, "10").Focus(IDC_SS_SPLITS).Click(IDC_SS_ENABLED)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_SS_USE_CUSTOM).check, 0);
            EXPECT_EQ(TextsOf(d, {IDC_SS_CUSTOM_SUMMARY, IDC_SS_SUMMARY1}),
                      (std::vector<std::string>{"", "2 splits of 10 rounds"}));
        })
        .SetText(IDC_SS_SPLITS, "3")
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_SUMMARY1).text, "3 splits of 10 rounds"); })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_bSplitSeason, doc.m_bCustomSplits, doc.m_nSplitCount), Nums(1, 0, 3));
    EXPECT_EQ(Heading(doc, 20).rfind("Final Handicap Standings. Split 2 of 3 on ", 0), 0u);
    EXPECT_EQ(Heading(doc, 23).rfind("Handicap Standings after Round 23 of 30. Split 3 of 3 on  ", 0), 0u);
    EXPECT_EQ(doc.GetStatsRound(), 3);

    // The starts set in "Custom Splits" stay when "Split Season" is then cancelled.
    ui.OnDialog(IDD_SPLIT_SEASON).Click(IDC_SS_DEFINE_CUSTOM).Cancel();
    ui.OnDialog(IDD_CUSTOM_SPLITS).Click(IDC_CS_DELETE + 1).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_EQ(Nums(doc.m_nCustomSplitStart[1], doc.m_nCustomSplitStart[2], doc.m_nSplitCount), Nums(20, 0, 3));
}

// A league file that holds split season with no rounds per split, or custom splits with no
// second start, is read as the dialog's OK leaves it: no splits, in the headings too. The
// read's notice says what went, to be kept by saving the league.
TEST_F(SplitSeasonTest, SplitsThatCannotBeUsedAreReadAsTheDialogsOKLeavesThem)
{
    const struct
    {
        int nPer;
        BYTE nSecondStart;
        int bSimple, bCustom;
        const char* pszHeading;
        const char* pszMended;  // after "the season's split setting could not be used with its 30 rounds: "
        int nSplits = 3;
    } cases[] = {
        {0, 0, 1, 0, "Handicap Standings after Round 12 of 30 on ",
         "its splits without a number of rounds were turned off and the season is no longer split"},
        {0, 0, 0, 1, "Handicap Standings after Round 12 of 30 on ",
         "its custom splits were turned off and the season is no longer split"},
        {0, 0, 1, 1, "Handicap Standings after Round 12 of 30 on ",
         "its splits without a number of rounds were turned off, its custom splits were turned off and the season "
         "is no longer split"},
        {10, 0, 1, 1, "Handicap Standings after Round 12 of 30. Split 2 of 3 on  ", "its custom splits were turned off"},
        {0, 10, 1, 1, "Handicap Standings after Round 12 of 30. Split 2 of 2 on  ",
         "its splits without a number of rounds were turned off"},
        {10, 0, 1, 0, "Handicap Standings after Round 12 of 30. Split 2 of 3 on  ", nullptr},
        // Splits starting after the last round never come; three splits of 20 rounds are two.
        {30, 0, 1, 0, "Handicap Standings after Round 12 of 30 on ",
         "its splits of 30 rounds were turned off and the season is no longer split"},
        {0, 31, 0, 1, "Handicap Standings after Round 12 of 30 on ",
         "the split from round 31 was removed and the season is no longer split"},
        {0, 31, 0, 0, "Handicap Standings after Round 12 of 30 on ", "the split from round 31 was removed"},
        {20, 0, 1, 0, "Handicap Standings after Round 12 of 30. Split 1 of 2 on  ",
         "its splits of 20 rounds are 2 now, not 3"},
        // Fewer than two simple splits are two, as in the dialog.
        {10, 0, 1, 0, "Handicap Standings after Round 12 of 30. Split 2 of 2 on  ",
         "its splits of 10 rounds are 2 now, not 0", 0},
        // The second of two splits of 1 round runs to round 30: round 12 does not end it.
        {1, 0, 1, 0, "Handicap Standings after Round 12 of 30. Split 2 of 2 on  ", "its splits of 1 round are 2 now, not 1", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nPer) + " " + std::to_string(c.nSecondStart));
        CBowlingDoc doc;
        MakeLeague(doc, 4, 30, At(2025, 9, 1));
        doc.m_bHandicapLeague = 1;
        doc.m_bSplitSeason = c.bSimple;
        doc.m_nRoundsPerSplit = static_cast<BYTE>(c.nPer);
        doc.m_nSplits = static_cast<BYTE>(c.nSplits);
        doc.m_bCustomSplits = c.bCustom;
        doc.m_nCustomSplitStart[0] = 1;
        doc.m_nCustomSplitStart[1] = c.nSecondStart;
        std::vector<BYTE> bytes;
        doc.SaveToBytes(bytes);
        CBowlingDoc loaded;
        CString error;
        ASSERT_TRUE(loaded.LoadFromBytes(bytes, "split.lgf", error)) << error.GetString();
        EXPECT_EQ(Heading(loaded, 12).rfind(c.pszHeading, 0), 0u) << Heading(loaded, 12);
        EXPECT_EQ(loaded.m_strReadNotice.GetString(),
                  c.pszMended ? "In the league file \"split.lgf\" the season's split setting could not be used with "
                                "its 30 rounds: " + std::string(c.pszMended) + ". Save the league to keep it."
                              : std::string());

        // Split Season confirmed unchanged leaves the league as it was read.
        std::vector<BYTE> read;
        loaded.SaveToBytes(read);
        CScriptedBackend ui;
        ui.OnDialog(IDD_SPLIT_SEASON).OK();
        ASSERT_TRUE(loaded.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        std::vector<BYTE> confirmed;
        loaded.SaveToBytes(confirmed);
        EXPECT_TRUE(read == confirmed);
        EXPECT_EQ(Heading(loaded, 12).rfind(c.pszHeading, 0), 0u) << Heading(loaded, 12);
    }
}

// The split settings the secretary chooses in Split Season, through its dialogs.
namespace {

void CustomSplitsFrom(CScriptedBackend& ui, const std::vector<const char*>& starts)
{
    ui.OnDialog(IDD_SPLIT_SEASON).Click(IDC_SS_DEFINE_CUSTOM).Click(IDC_SS_USE_CUSTOM).OK();
    auto& custom = ui.OnDialog(IDD_CUSTOM_SPLITS);
    UINT nID = IDC_CS_START + 1;
    for (const char* pszStart : starts)
        custom.SetText(nID++, pszStart).Focus(IDOK);
    custom.OK();
}

void SimpleSplits(CScriptedBackend& ui, const char* pszPer, const char* pszSplits)
{
    ui.OnDialog(IDD_SPLIT_SEASON)
        .SetText(IDC_SS_ROUNDS_PER_SPLIT, pszPer).Focus(IDC_SS_SPLITS).Click(IDC_SS_ENABLED)
        .SetText(IDC_SS_SPLITS, pszSplits).OK();
}

// League > Miscellaneous Setup > Split Season: simple splits of pszPer rounds, pszSplits of
// them, when pszPer is given, else custom splits from the starts. Whether every step ran.
bool SplitTheSeason(CScriptedBackend& ui, CBowlingDoc& doc, const char* pszPer, const char* pszSplits,
                    const std::vector<const char*>& customStarts)
{
    if (pszPer)
        SimpleSplits(ui, pszPer, pszSplits);
    else
        CustomSplitsFrom(ui, customStarts);
    return doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr) && ui.AllUsed();
}

void AnswerTheAccountsQuestions(CScriptedBackend& ui)
{
    for (const char* pszAsk : {"Retain old Income Items?", "Retain old Expense Items?", "Retain old 'weekly payments'"})
        ui.AnswerMessageBox(IDYES, pszAsk);
}

} // namespace

// File > New based on the sample league (21 rounds), with a fixture list of 7 rounds: the
// splits that start after round 7 go, and the secretary is told; the heading and the custom
// splits' durations follow.
TEST_F(SplitSeasonTest, TheNextSeasonKeepsTheSplitsItsRoundsHold)
{
    const struct
    {
        std::vector<const char*> customStarts;
        const char* pszPer;  // simple splits when set
        const char* pszSaid;
        const char* pszHeading;
        std::vector<long long> state; // custom, simple, second start, splits, active, count
    } cases[] = {
        {{"12"}, nullptr,
         "The season has 7 rounds now.  The split from round 12 no longer fits and has been removed.  The season is "
         "no longer split.",
         "Handicap Standings after Round 1 of 7 on ", {0, 0, 0, 0, 0, 0}},
        {{"5", "12"}, nullptr, "The season has 7 rounds now.  The split from round 12 no longer fits and has been removed.",
         "Handicap Standings after Round 1 of 7. Split 1 of 2 on  ", {1, 0, 5, 0, 1, 2}},
        {{}, "4", "The season has 7 rounds now.  Its splits of 4 rounds are 2 now, not 5.",
         "Handicap Standings after Round 1 of 7. Split 1 of 2 on  ", {0, 1, 0, 2, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszSaid);
        CScriptedBackend ui;
        CBowlingDoc doc;
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        ASSERT_EQ(doc.m_nRounds, 21);
        ASSERT_TRUE(SplitTheSeason(ui, doc, c.pszPer, "5", c.customStarts));
        doc.SetModifiedFlag(FALSE);

        NextSeasonUpToTheFixtureList(ui).SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8)
            .SetText(IDC_DATE_YEAR, "2026").Select(IDC_SFL_MATCHES, 0).OK(); // 7 rounds
        ui.AnswerMessageBox(IDOK, c.pszSaid);
        AnswerTheAccountsQuestions(ui);
        ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(ui.MessageTexts()[ui.MessageTexts().size() - 4], c.pszSaid);

        ASSERT_EQ(doc.m_nRounds, 7);
        EXPECT_EQ(Nums(doc.m_bCustomSplits, doc.m_bSplitSeason, doc.m_nCustomSplitStart[1], c.pszPer ? doc.m_nSplits : 0,
                       doc.m_bSplitsActive, doc.m_nSplitCount),
                  c.state);
        EXPECT_EQ(Heading(doc, 1).rfind(c.pszHeading, 0), 0u) << Heading(doc, 1);

        // Define Custom Splits shows the splits the new season has, none past its end.
        ui.OnDialog(IDD_SPLIT_SEASON).Click(IDC_SS_DEFINE_CUSTOM).Cancel();
        ui.OnDialog(IDD_CUSTOM_SPLITS)
            .Check([&c](CDialog& d) {
                const bool bSecond = c.state[2] != 0;
                EXPECT_EQ(TextsOf(d, {IDC_CS_START + 1, IDC_CS_START + 2, IDC_CS_DURATION, IDC_CS_DURATION + 1}),
                          bSecond ? (std::vector<std::string>{"5", "", "4 Rounds", "3 Rounds"})
                                  : (std::vector<std::string>{"", "", "7 Rounds", ""}));
            })
            .Cancel();
        ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
    }
}

// File > New based on a split league, Set Fixture List cancelled: a season of no rounds has no
// splits, so its heading names none.
TEST_F(SplitSeasonTest, TheNextSeasonWithoutAFixtureListIsNotSplit)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CustomSplitsFrom(ui, {"12"});
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    ASSERT_EQ(doc.m_bSplitsActive, 1u);
    doc.SetModifiedFlag(FALSE);

    NextSeasonUpToTheFixtureList(ui).Cancel();
    AnswerTheAccountsQuestions(ui);
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts().size(), 5u); // the questions alone

    EXPECT_EQ(Nums(doc.m_nRounds, doc.m_bCustomSplits, doc.m_bSplitSeason, doc.m_bSplitsActive, doc.m_nSplitCount),
              Nums(0, 0, 0, 0, 0));
    EXPECT_EQ(Heading(doc, 1).find("Split"), std::string::npos) << Heading(doc, 1);
}

// Reduce League Size with fewer rounds than the split needs, then Extend Season: the rule
// is the same as for the next season.
TEST_F(SplitSeasonTest, ASplitTheReducedSeasonNoLongerReachesGoes)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CustomSplitsFrom(ui, {"16"});
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    ASSERT_EQ(Nums(doc.m_bCustomSplits, doc.m_nSplitCount), Nums(1, 2));
    // From round 11, five rounds for six teams: the season ends at round 15.
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE).SetText(IDC_LSZ_START_ROUND, "11").OK();
    ui.AnswerMessageBox(IDOK, "The season has 15 rounds now.  The split from round 16 no longer fits and has been "
                              "removed.  The season is no longer split.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nRounds, doc.m_bCustomSplits, doc.m_nCustomSplitStart[1], doc.m_bSplitsActive),
              Nums(15, 0, 0, 0));
    EXPECT_EQ(Heading(doc, 11).rfind("Handicap Standings after Round 11 of 15 on ", 0), 0u) << Heading(doc, 11);

    // More rounds leave splits as they are, and say nothing of them.
    CustomSplitsFrom(ui, {"8"});
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    ui.ClearMessages();
    ui.AnswerMessageBox(IDYES, "Add another 5 rounds to your league?");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_EXTEND_SEASON, CN_COMMAND, nullptr));
    EXPECT_EQ(ui.MessageTexts().size(), 1u);
    EXPECT_EQ(Nums(doc.m_nRounds, doc.m_nCustomSplitStart[1], doc.m_nSplitCount), Nums(20, 8, 2));
}

// Split Season's OK with simple splits as long as the season, and Custom Splits' OK with a
// start the league holds after its last round: refused, the dialog open on the box to mend.
TEST_F(SplitSeasonTest, AStartAfterTheLastRoundIsRefusedAndTheDialogStaysOpen)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 4, 9, At(2025, 9, 1));
    ui.OnDialog(IDD_SPLIT_SEASON)
        .SetText(IDC_SS_ROUNDS_PER_SPLIT, "9").Focus(IDC_SS_SPLITS).Click(IDC_SS_ENABLED)
        .OK()
        .Check([](CDialog& d) { EXPECT_EQ(d.GetFocusID(), IDC_SS_ROUNDS_PER_SPLIT); })
        .SetText(IDC_SS_ROUNDS_PER_SPLIT, "5").Focus(IDC_SS_SPLITS)
        .OK();
    ui.AnswerMessageBox(IDOK, "Beyond the last round NOT allowed.  The league has 9 rounds, so with 9 rounds per split, "
                              "split 2 would start at round 10.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_bSplitSeason, doc.m_nRoundsPerSplit, doc.m_nSplitCount), Nums(1, 5, 2));

    doc.m_nCustomSplitStart[1] = 12;
    ui.OnDialog(IDD_SPLIT_SEASON).Click(IDC_SS_DEFINE_CUSTOM).Cancel();
    ui.OnDialog(IDD_CUSTOM_SPLITS)
        .OK()
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_CS_START + 1);
            EXPECT_EQ(Ctl(d, IDC_CS_START + 1).text, "12");
        })
        .Click(IDC_CS_DELETE + 1)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_CS_DURATION).text, "9 Rounds"); })
        .SetText(IDC_CS_START + 1, "7").Focus(IDOK)
        .OK();
    ui.AnswerMessageBox(IDOK, "Beyond the last round NOT allowed.  The league has 9 rounds, so split 2 cannot start at "
                              "round 12.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(doc.m_nCustomSplitStart[1], 7);
}

// A split's standings are "Final" after its last round only; the last split runs to the
// season's end, which is final once every result is in. Seven rounds, split as the secretary
// splits them in Split Season: each heading at each round, regular, combined and custom.
TEST_F(SplitSeasonTest, FinalHeadsASplitAfterItsLastRoundOnly)
{
    const struct
    {
        const char* pszPer;  // simple splits of so many rounds, two of them, when set
        std::vector<const char*> customStarts;
        std::vector<int> finalRounds;  // the rounds whose headings say "Final"
        std::vector<int> finalRoundsAllIn;
    } cases[] = {
        // Split 1 is round 1, split 2 rounds 2 to 7: round 2 does not end it.
        {"1", {}, {1}, {1, 7}},
        // Split 1 rounds 1 to 3, split 2 rounds 4 to 7: nor does round 6.
        {"3", {}, {3}, {3, 7}},
        {nullptr, {"4"}, {3}, {3, 7}},
        {nullptr, {"3", "6"}, {2, 5}, {2, 5, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszPer ? std::string("per ") + c.pszPer : std::string("custom ") + c.customStarts[0]);
        CScriptedBackend ui;
        CBowlingDoc doc;
        MakeLeague(doc, 8, 7, At(2025, 9, 1));
        doc.m_bHandicapLeague = 1;
        ASSERT_EQ(doc.m_nRounds, 7);
        ASSERT_TRUE(SplitTheSeason(ui, doc, c.pszPer, "2", c.customStarts));
        const int nSplits = c.pszPer ? 2 : static_cast<int>(c.customStarts.size()) + 1;
        ASSERT_EQ(Nums(doc.m_bSplitsActive, doc.m_nSplitCount), Nums(1, nSplits));

        for (const bool bAllIn : {false, true}) {
            SCOPED_TRACE(bAllIn ? "every result in" : "results to come");
            for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
                auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
                f->m_bPlayed[0] = f->m_bPlayed[1] = bAllIn ? 1 : 0;
            }
            const std::vector<int>& finals = bAllIn ? c.finalRoundsAllIn : c.finalRounds;
            for (int nRound = 1; nRound <= 7; ++nRound) {
                SCOPED_TRACE(nRound);
                const std::string heading = Heading(doc, nRound);
                const std::string split =
                    "Split " + std::to_string(doc.m_nCurrentSplit) + " of " + std::to_string(nSplits) + " on ";
                const std::string after = " after Round " + std::to_string(nRound) + " of 7. " + split + " ";
                CRepItem_Standings combined;
                combined.m_pDoc = &doc;
                combined.m_nStyle = CRepItem_Standings::styleCombined;
                CRepItem_CustomStandings custom;
                custom.m_pDoc = &doc;
                custom.SetStandingsKind(SK_HANDICAP);
                const std::vector<std::string> headings = {heading, combined.GetHeading().GetString(),
                                                           custom.GetTitleText().GetString()};
                const bool bFinal = std::find(finals.begin(), finals.end(), nRound) != finals.end();
                const std::vector<std::string> starts =
                    bFinal ? std::vector<std::string>{"Final Handicap Standings. " + split,
                                                      "Final Combined Standings. " + split,
                                                      "Final Handicap Standings. " + split}
                           : std::vector<std::string>{"Handicap Standings" + after, "Combined Standings" + after,
                                                      "Handicap Standings" + after};
                for (size_t i = 0; i < headings.size(); ++i)
                    EXPECT_EQ(headings[i].rfind(starts[i], 0), 0u) << headings[i];
            }
        }
    }
}
