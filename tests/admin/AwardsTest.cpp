// League > Awards driven through its dialogs: manual and automatic categories added, edited
// and deleted (with the ids they keep), the automatic awards the next recalculation makes,
// and the manually entered awards listed, corrected and deleted.
#include "../league/WorkedLeague.h"
#include "AdminTest.h"
#include "AdminChecks.h"
#include "admin/AwardCommands.h"
#include "league/Awards.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/SampleLeague.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The small sample: category 0 the manual "Turkey", category 1 the automatic "Gme 250-300";
// one manual award, a Turkey in game 2 of round 2's first match for a bowler who bowled it.
struct Awards_ : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        AwardCommands::Install();
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        doc.SetModifiedFlag(FALSE);
    }

    BOOL Command(UINT nID) { return doc.OnCmdMsg(nID, CN_COMMAND, nullptr); }

    Texts Names() const
    {
        Texts v;
        for (POSITION pos = doc.m_listAwards.GetHeadPosition(); pos;) {
            const auto* c = static_cast<const CAwards*>(doc.m_listAwards.GetNext(pos));
            v.push_back(std::to_string(c->m_nId) + (c->m_nKind ? " auto " : " ") + c->m_strName.GetString());
        }
        return v;
    }

    int CountRecords(WORD nCategory, bool bManual) const
    {
        int n = 0;
        for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;) {
            const auto* r = static_cast<const CAwardData*>(doc.m_listAwardData.GetNext(pos));
            n += r->m_nCategory == nCategory && (r->m_nKind == 0) == bManual;
        }
        return n;
    }

    CAwardData* Turkey() const { return static_cast<CAwardData*>(doc.m_listAwardData.GetHead()); }

    std::string TurkeyLine() const
    {
        CString text = CString("Turkey  ") + doc.FindPlayer(Turkey()->m_nPlayerNo)->m_strName + "  " + AwardDateText(&doc, *Turkey());
        return text.GetString();
    }
};

// The category list's items, then the selected one in brackets.
Texts ListAndSelected(CDialog& d)
{
    Texts v = Items(d, IDC_AW_LIST);
    v.push_back("[" + Selected(d, IDC_AW_LIST) + "]");
    return v;
}

} // namespace

TEST_F(Awards_, ManualCategoriesAddedRenamedAndDeletedWithTheirAwards)
{
    ui.OnDialog(IDD_MANUAL_AWARDS)
        .Check([](CDialog& d) { EXPECT_EQ(ListAndSelected(d), (Texts{"Turkey", "[Turkey]"})); })
        .Click(IDC_AW_ADD)
        .Check([](CDialog& d) { EXPECT_EQ(ListAndSelected(d), (Texts{"Turkey", "Clean Game", "[Clean Game]"})); })
        .Select(IDC_AW_LIST, 0).Click(IDC_AW_EDIT)
        .Click(IDC_AW_DELETE)  // No: nothing changes
        .Click(IDC_AW_DELETE)  // Yes: its award goes with it
        .Check([](CDialog& d) { EXPECT_EQ(ListAndSelected(d), (Texts{"Clean Game", "[Clean Game]"})); })
        .Click(IDC_AW_DELETE).Click(IDC_AW_EDIT).Click(IDC_AW_DELETE)
        .Cancel();
    ui.OnDialog(IDD_MANUAL_AWARD_DESC)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MD_NAME).text, "New Award"); })
        .SetText(IDC_MD_NAME, "Clean Game")
        .OK();
    ui.OnDialog(IDD_MANUAL_AWARD_DESC)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MD_NAME).text, "Turkey"); })
        .SetText(IDC_MD_NAME, "Turkey Shoot")
        .OK();
    ui.AnswerMessageBox(IDNO, "All 1 manually entered Awards of this type will be removed now.  Click YES");
    ui.AnswerMessageBox(IDYES, "All 1 manually entered Awards");
    EXPECT_TRUE(Command(ID_AWARDS_MANUAL_CATEGORIES));
    EXPECT_TRUE(ui.AllUsed());
    const Texts messages = ui.MessageTexts();
    EXPECT_EQ(Texts(messages.end() - 2, messages.end()), (Texts{"Nothing selected!", "Nothing selected!"}));
    // Cancel undoes nothing: every button acted on the league at once.
    EXPECT_EQ(Names(), (Texts{"0 Deleted Category", "1 auto Gme 250-300", "2 Deleted Category"}));
    EXPECT_EQ(CountRecords(0, true), 0);
    EXPECT_TRUE(doc.IsModified());

    // The next category takes the first deleted entry and its id.
    ui.OnDialog(IDD_MANUAL_AWARDS).Click(IDC_AW_ADD).OK();
    ui.OnDialog(IDD_MANUAL_AWARD_DESC).SetText(IDC_MD_NAME, "Spare of the Night").OK();
    EXPECT_TRUE(Command(ID_AWARDS_MANUAL_CATEGORIES));
    EXPECT_EQ(Names(), (Texts{"0 Spare of the Night", "1 auto Gme 250-300", "2 Deleted Category"}));
}

TEST_F(Awards_, AutomaticCategoriesMadeThroughTheirRuleAndAwardedAtOnce)
{
    ui.OnDialog(IDD_AUTOMATIC_AWARDS)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_AW_LIST), Texts{"Gme 250-300"}); })
        .Click(IDC_AW_ADD)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_AW_LIST), (Texts{"Gme 250-300", "Ser 500-900"})); })
        .Select(IDC_AW_LIST, 0).Click(IDC_AW_EDIT)
        .OK();
    ui.OnDialog(IDD_EDIT_AUTO_AWARD)
        .Check([](CDialog& d) {
            // A new category: games from 275 to 300.
            EXPECT_EQ(TextsOf(d, {IDC_EA_DESCRIPTION, IDC_EA_LOW_LABEL}), (Texts{"Gme 275-300", "Low Value"}));
            EXPECT_EQ(ChecksOf(d, {IDC_EA_KIND[0], IDC_EA_GAME}), (std::vector<int>{1, 1}));
        })
        .Click(IDC_EA_KIND[2])
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_EA_DESCRIPTION, IDC_EA_LOW_LABEL, IDC_EA_HIGH_LABEL}),
                      (Texts{"275% > Avg", "Percentage", ""}));
            EXPECT_EQ(EnabledOf(d, {IDC_EA_HIGH}) + VisibleOf(d, {IDC_EA_HIGH}), "00");
        })
        .Click(IDC_EA_KIND[3])
        .SetText(IDC_EA_MAX_AVERAGE, "150").Focus(IDC_EA_LOW)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_EA_DESCRIPTION, IDC_EA_LOW_LABEL}), (Texts{"275 Gme w/150 Avg", "Min Value"}));
            EXPECT_EQ(EnabledOf(d, {IDC_EA_HIGH}) + VisibleOf(d, {IDC_EA_HIGH}), "10");
        })
        .Click(IDC_EA_KIND[0])
        .Click(IDC_EA_SERIES).SetText(IDC_EA_LOW, "500").SetText(IDC_EA_HIGH, "900")
        .SetText(IDC_EA_MAX_AVERAGE, "70000")
        .OK()  // refused: the maximum average is a 16-bit figure
        .SetText(IDC_EA_MAX_AVERAGE, "0")
        .OK();
    ui.OnDialog(IDD_EDIT_AUTO_AWARD)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_EA_LOW).text, "250"); })
        .SetText(IDC_EA_LOW, "150").Focus(IDC_EA_HIGH)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_EA_DESCRIPTION).text, "Gme 150-300"); })
        .OK();
    EXPECT_TRUE(Command(ID_AWARDS_AUTOMATIC_CATEGORIES));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), Texts{"Please enter an integer between 0 and 65535."});
    EXPECT_EQ(Names(), (Texts{"0 Turkey", "1 auto Gme 150-300", "2 auto Ser 500-900"}));
    // The recalculation after the dialog gave the new rules' awards.
    EXPECT_GT(CountRecords(1, false), 0);
    EXPECT_GT(CountRecords(2, false), 0);
    EXPECT_EQ(CountRecords(0, true), 1);

    // Deleted, its awards go with the next recalculation; a manual category added then
    // takes its id.
    ui.OnDialog(IDD_AUTOMATIC_AWARDS).Select(IDC_AW_LIST, 1).Click(IDC_AW_DELETE).OK();
    EXPECT_TRUE(Command(ID_AWARDS_AUTOMATIC_CATEGORIES));
    EXPECT_EQ(CountRecords(2, false), 0);
    ui.OnDialog(IDD_MANUAL_AWARDS).Click(IDC_AW_ADD).OK();
    ui.OnDialog(IDD_MANUAL_AWARD_DESC).SetText(IDC_MD_NAME, "Most Spares").OK();
    EXPECT_TRUE(Command(ID_AWARDS_MANUAL_CATEGORIES));
    EXPECT_EQ(Names(), (Texts{"0 Turkey", "1 auto Gme 150-300", "2 Most Spares"}));
}

// The sample's manual award is one the award dialog could have given: to a bowler of the match,
// never to the vacancy that fills the last team.
TEST_F(Awards_, TheSampleAwardGoesToABowlerOfItsMatch)
{
    const CPlayer* p = doc.FindPlayer(Turkey()->m_nPlayerNo);
    ASSERT_NE(p, nullptr);
    EXPECT_FALSE(p->IsRobot());
    const CFixture* f = doc.FindFixtureByRoundMatch(Turkey()->m_nRound, Turkey()->m_nMatch);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->HasPlayerBowled(p->m_nPlayerNo, FALSE));
}

// The sample's round 11 typed in with a series category over average: Sandra Nuttall's
// 160 160 160 = 480 on the 134 her sheet used (4 049 pins in 30 games) is 480 - 402 = 78 over,
// though it lifts her own average to 4 529 / 33 = 137, over which it would be 69. Martin
// Ibbotson's 556 of round 7, bowled on 159 (556 - 477 = 79 over), stays when his round-11 games
// are amended upward and lift his average.
TEST_F(Awards_, SampleSeriesOverAverageStayOnTheAverageBowled)
{
    ui.OnDialog(IDD_AUTOMATIC_AWARDS).Click(IDC_AW_ADD).OK();
    ui.OnDialog(IDD_EDIT_AUTO_AWARD)
        .Click(IDC_EA_KIND[1]).Click(IDC_EA_SERIES).SetText(IDC_EA_LOW, "75").SetText(IDC_EA_HIGH, "300").OK();
    EXPECT_TRUE(Command(ID_AWARDS_AUTOMATIC_CATEGORIES));
    ASSERT_EQ(Names().back(), "2 auto Ser  75-300 > Avg.");
    const CPlayer* sandra = doc.FindPlayer(20);
    const CPlayer* martin = doc.FindPlayer(5);
    ASSERT_EQ(Texts({sandra->m_strName.GetString(), martin->m_strName.GetString()}),
              Texts({"Sandra Nuttall", "Martin Ibbotson"}));
    // "round:bowler:score/average" of each award of the category.
    auto listed = [this] {
        Texts v;
        for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;) {
            const auto* r = static_cast<const CAwardData*>(doc.m_listAwardData.GetNext(pos));
            if (r->m_nCategory == 2 && (r->m_nPlayerNo == 20 || r->m_nPlayerNo == 5))
                v.push_back(std::to_string(r->m_nRound) + ":" + std::to_string(r->m_nPlayerNo) + ":" +
                            std::to_string(r->m_nScore) + "/" + std::to_string(r->m_nAverage));
        }
        return v;
    };
    EXPECT_EQ(listed(), Texts{"7:5:556/159"});

    // A scoresheet of the fours typed: each open cell takes its bowler's score, if he has one.
    auto type = [](const std::function<const char*(WORD)>& score) {
        return [score](CDialog& d) {
            const CFixture* pShown = static_cast<CScoresheetDlg&>(d).m_pFixture;
            for (int s = 0; s < 2; ++s)
                for (int p = 0; p < 4; ++p)
                    for (int g = 0; g < 3; ++g)
                        if (const char* psz = score(pShown->m_wPlayerNo[g][CFixture::SlotOf(s, p)]);
                            psz && Ctl(d, ScoreCell(s, p, g)).enabled)
                            d.UserSetText(ScoreCell(s, p, g), psz);
        };
    };

    // Result > Enter Results for round 11: every bowler 150 a game but Sandra's 160s.
    ASSERT_EQ(doc.m_nCurrentRound, 11);
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    for (int m = 0; m < 4; ++m)
        ui.OnDialog(IDD_FOURS_SCORESHEET).Check(type([](WORD n) { return n == 20 ? "160" : "150"; })).OK();
    OnResultEnterResults(doc);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(sandra->m_nAverage, 137);
    EXPECT_EQ(listed(), (Texts{"7:5:556/159", "11:20:480/134"}));

    // Martin's round-11 match amended to 250s: on the 157 of his 4 738 pins in 30 games, 750 is
    // 279 over; his average goes to 5 488 / 33 = 166, over which his 556 would be 58. It stays.
    const CFixture* f = doc.FindFixtureForTeam(martin->m_nTeamNo, 11);
    ASSERT_NE(f, nullptr);
    const int nMatchLine = f->m_nMatch - 1;
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, nMatchLine).OK();
    ui.OnDialog(IDD_FOURS_SCORESHEET).Check(type([](WORD n) { return n == 5 ? "250" : nullptr; })).OK();
    OnResultAmendResults(doc);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(martin->m_nAverage, 166);
    EXPECT_EQ(listed(), (Texts{"7:5:556/159", "11:5:750/157", "11:20:480/134"}));
}

TEST_F(Awards_, ManualAwardsListedCorrectedAndDeleted)
{
    ui.OnDialog(IDD_EDIT_AWARDS_DATA)
        .Check([this](CDialog& d) { EXPECT_EQ(Items(d, IDC_ED_LIST), Texts{TurkeyLine()}); })
        .Click(IDC_ED_EDIT)  // nothing selected: nothing happens
        .Select(IDC_ED_LIST, 0).Click(IDC_ED_EDIT)
        .Check([this](CDialog& d) { EXPECT_EQ(Items(d, IDC_ED_LIST), Texts{"Gme 250-300" + TurkeyLine().substr(6)}); })
        .Select(IDC_ED_LIST, 0).Click(IDC_ED_DELETE).Select(IDC_ED_LIST, 0).Click(IDC_ED_DELETE)
        .Check([](CDialog& d) { EXPECT_TRUE(Items(d, IDC_ED_LIST).empty()); })
        .OK();
    ui.OnDialog(IDD_EDIT_MANUAL_AWARD_DATA)
        .Check([this](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_EM_NAME, IDC_EM_GAME}), (Texts{doc.FindPlayer(Turkey()->m_nPlayerNo)->m_strName.GetString(), "2"}));
            EXPECT_EQ(Items(d, IDC_EM_CATEGORY), (Texts{"Turkey", "Auto Gme 250-300"}));
            EXPECT_EQ(Selected(d, IDC_EM_CATEGORY), "Turkey");
        })
        // The sample bowls three games a match: no game 4.
        .Select(IDC_EM_CATEGORY, 1).SetText(IDC_EM_GAME, "4").OK().SetText(IDC_EM_GAME, "3")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 3.");
    ui.AnswerMessageBox(IDNO, "Delete award record : Gme 250-300  ");
    ui.AnswerMessageBox(IDYES);
    EXPECT_TRUE(Command(ID_AWARDS_EDIT_MANUAL));
    // Still a manual award, now in the automatic category, deleted but kept for the file.
    CAwardData* r = Turkey();
    EXPECT_EQ(Nums(r->m_nKind, r->m_nCategory, r->m_nGame, r->m_nRound), Nums(0, 1, 3, 0));
    EXPECT_TRUE(doc.IsModified());
}

// An award for game 4 of a league of three games, which an older version took, read from its
// file: listed and opened as it is, and kept only once the secretary gives a game the league
// bowls (or 0, none).
TEST_F(Awards_, AnOldFilesAwardOfAGameTheLeagueDoesNotBowlIsMendedThroughTheDialog)
{
    ASSERT_EQ(doc.m_nGamesPerMatch, 3);
    Turkey()->m_nGame = 4;
    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    CString strError;
    ASSERT_TRUE(doc.LoadFromBytes(bytes, "Old.lgf", strError)) << strError.GetString();
    ASSERT_EQ(Nums(Turkey()->m_nKind, Turkey()->m_nGame), Nums(0, 4));

    ui.OnDialog(IDD_EDIT_AWARDS_DATA)
        .Check([this](CDialog& d) { EXPECT_EQ(Items(d, IDC_ED_LIST), Texts{TurkeyLine()}); })
        .Select(IDC_ED_LIST, 0).Click(IDC_ED_EDIT)
        .OK();
    ui.OnDialog(IDD_EDIT_MANUAL_AWARD_DATA)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_EM_GAME}), Texts{"4"}); })
        .OK()
        .Check([this](CDialog&) { EXPECT_EQ(Turkey()->m_nGame, 4); })
        .SetText(IDC_EM_GAME, "0")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 3.");
    EXPECT_TRUE(Command(ID_AWARDS_EDIT_MANUAL));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(Turkey()->m_nGame, Turkey()->m_nCategory), Nums(0, 0));
}

TEST_F(Awards_, MultiplePrizeRulesDialog)
{
    // A new league: rules off, no rules, first priorities.
    ui.OnDialog(IDD_MULTIPLE_PRIZE_RULES)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_MP_DISABLED).check, 1);
            EXPECT_EQ(Items(d, IDC_MP_TEAM_RULE), (Texts{"No Rules", "Max 1 Hi Game and 1 Hi Series",
                                                         "Max 1 Hi Hcp and 1 Hi Scratch",
                                                         "Max 1 Hi Game or Series, Hcp or Scr"}));
            EXPECT_EQ((Texts{Selected(d, IDC_MP_PLAYER_PRIORITY1), Selected(d, IDC_MP_PLAYER_PRIORITY2)}),
                      (Texts{"Scratch,  Handicap", "Game, Series"}));
            EXPECT_EQ(EnabledOf(d, {IDC_MP_TEAM_PRIORITY1, IDC_MP_TEAM_PRIORITY2, IDC_MP_PLAYER_PRIORITY1,
                                    IDC_MP_PLAYER_PRIORITY2}),
                      "0000");
        })
        .Select(IDC_MP_TEAM_RULE, 1)
        .Check([](CDialog& d) { EXPECT_EQ(EnabledOf(d, {IDC_MP_TEAM_PRIORITY1, IDC_MP_TEAM_PRIORITY2}), "10"); })
        .Select(IDC_MP_PLAYER_RULE, 2)
        .Check([](CDialog& d) { EXPECT_EQ(EnabledOf(d, {IDC_MP_PLAYER_PRIORITY1, IDC_MP_PLAYER_PRIORITY2}), "01"); })
        .Select(IDC_MP_PLAYER_RULE, 3)
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_MP_PLAYER_PRIORITY1).enabled); })
        .Select(IDC_MP_TEAM_PRIORITY1, 1).Select(IDC_MP_PLAYER_PRIORITY2, 1).Click(IDC_MP_DISABLED)
        .Click(IDC_MP_SAME_GAME)
        .OK();
    EXPECT_TRUE(Command(ID_LEAGUE_HISCORE_RESTRICTIONS));
    const CAwardRestrictions& r = *doc.m_pAwardRestrictions;
    EXPECT_EQ(Nums(r.m_bRulesEnabled, r.m_bSameGameIneligible, r.m_nTeamRule, r.m_nTeamPriority1, r.m_nPlayerRule,
                   r.m_nPlayerPriority1, r.m_nPlayerPriority2),
              Nums(1, 1, 1, 1, 3, 0, 1));
    EXPECT_TRUE(doc.IsModified());

    // Cancel leaves them.
    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_MULTIPLE_PRIZE_RULES)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MP_DISABLED).check, 0); })
        .Select(IDC_MP_PLAYER_RULE, 0)
        .Cancel();
    EXPECT_TRUE(Command(ID_LEAGUE_HISCORE_RESTRICTIONS));
    EXPECT_EQ(r.m_nPlayerRule, 3);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Awards_, MostImprovedStartPointDialog)
{
    // Flags left over with no games are cleared before the dialog opens.
    doc.m_bMostImprovedAfterGames = 1;
    ui.OnDialog(IDD_MOST_IMPROVED_RULE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_MI_GAMES).text, "0");
            EXPECT_EQ(ChecksOf(d, {IDC_MI_ENTERING, IDC_MI_AFTER_GAMES}), (std::vector<int>{1, 0}));
            EXPECT_FALSE(Ctl(d, IDC_MI_AFTER_GAMES).enabled);
        })
        .SetText(IDC_MI_GAMES, "6")
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, IDC_MI_BOTH).enabled); })
        .Click(IDC_MI_AFTER_GAMES)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MI_ENTERING).check, 0); })
        .Click(IDC_MI_AFTER_GAMES)  // cleared: the entering average again
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MI_ENTERING).check, 1); })
        .Click(IDC_MI_ENTERING)     // cleared: the games average
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MI_AFTER_GAMES).check, 1); })
        .Click(IDC_MI_BOTH)
        .Check([](CDialog& d) { EXPECT_EQ(ChecksOf(d, {IDC_MI_AFTER_GAMES, IDC_MI_ENTERING}), (std::vector<int>{0, 0})); })
        .SetText(IDC_MI_GAMES, "100").OK().SetText(IDC_MI_GAMES, "6")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 99.");
    EXPECT_TRUE(Command(ID_LEAGUE_MOST_IMPROVED));
    EXPECT_EQ(Nums(doc.m_nMostImprovedGames, doc.m_bMostImprovedBoth, doc.m_bMostImprovedAfterGames), Nums(6, 1, 0));
    EXPECT_TRUE(doc.IsModified());

    // Back to 0 games: leaving the box ticks the entering average alone.
    ui.OnDialog(IDD_MOST_IMPROVED_RULE)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_MI_BOTH).check, 1); })
        .SetText(IDC_MI_GAMES, "0").Focus(IDOK)
        .Check([](CDialog& d) { EXPECT_EQ(ChecksOf(d, {IDC_MI_ENTERING, IDC_MI_BOTH}), (std::vector<int>{1, 0})); })
        .OK();
    EXPECT_TRUE(Command(ID_LEAGUE_MOST_IMPROVED));
    EXPECT_EQ(Nums(doc.m_nMostImprovedGames, doc.m_bMostImprovedBoth), Nums(0, 0));
}
