// The average buster scores the sides whose results are entered: a match typed on the real
// scoresheet counts, a side unticked stops counting, a folded team's side is entered, and a
// league saved before the sides carried their mark gets it when it is opened.
#include <gtest/gtest.h>

#include "RealDialogs.h"
#include "ReloadedLeague.h"
#include "ResultsLeague.h"
#include "admin/AverageBuster.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultCommands.h"

namespace {

// Singles over three games, bowler 11 entering on 160 and bowler 21 on 150, the competition
// set up through its dialog with a unit of 10 pins.
struct BusterLeague : ResultsLeague {
    BusterLeague() : ResultsLeague(2, 1, 3)
    {
        Player(11)->SetEnteringAverage(1600);
        Player(21)->SetEnteringAverage(1500);
        CBowlingDoc::s_pfnAverageBusters = AverageBuster::ScoreAndRank;
        doc.Recalculate();
        CRealUi ui;
        ui.OnDialog(IDD_AVERAGE_BUSTER_SETUP, [](CRealDialog& d) {
            d.Click(IDC_AB_UNIT).Key(Qt::Key_A, Qt::ControlModifier).Type("10").Enter();
        });
        EXPECT_TRUE(AverageBuster::EditAverageBuster(&doc));
    }
    ~BusterLeague() { CBowlingDoc::s_pfnAverageBusters = nullptr; }

    std::vector<int> Totals()
    {
        return {Player(11)->m_nAvgBusterSeason, Player(11)->m_nAvgBusterRound, Player(21)->m_nAvgBusterSeason,
                Player(21)->m_nAvgBusterRound};
    }
};

// Typed from the first box, which has the focus when the sheet opens, Tab after each score.
void TypeScores(CRealDialog& d, std::initializer_list<int> scores)
{
    EXPECT_EQ(d.FocusID(), Cell(0, 0, 0));
    for (int nScore : scores)
        d.Type(std::to_string(nScore).c_str()).Tab();
}

}  // namespace

TEST(AverageBusterEntry, AMatchTypedOnTheScoresheetScoresAndAnUntickedSideDoesNot)
{
    BusterLeague L;
    CRealUi ui;
    ui.OnDialog(IDD_SELECT_ROUND, [](CRealDialog& d) { d.Enter(); });
    ui.OnDialog(IDD_SINGLES_SCORESHEET, [](CRealDialog& d) {
        TypeScores(d, {185, 172, 139,    // on 160: +2, +1, -2
                       150, 171, 199});  // on 150: 0, +2, +4
        d.Enter();
    });
    OnResultEnterResults(L.doc);
    CFixture* f = L.Match(1);
    EXPECT_EQ(std::vector<int>(f->m_dwScoresMarker, f->m_dwScoresMarker + 2), (std::vector<int>{1, 1}));
    EXPECT_EQ(L.Totals(), (std::vector<int>{1, 1, 6, 6}));
    EXPECT_EQ(L.doc.FindAverageBusterBySeasonRank(1), L.Player(21));

    // Side B's Played untick takes its result out of the competition, and its mark with it.
    ui.OnDialog(IDD_SINGLES_SCORESHEET, [](CRealDialog& d) { d.Click(IDC_SS_PLAYED[1]).Click(IDOK); });
    EXPECT_TRUE(EnterResult(&L.doc, f));
    L.doc.Recalculate();
    EXPECT_EQ(std::vector<int>(f->m_dwScoresMarker, f->m_dwScoresMarker + 2), (std::vector<int>{1, 0}));
    EXPECT_EQ(L.Totals(), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
}

TEST(AverageBusterEntry, AFoldedTeamsSideIsEnteredWithTheSheet)
{
    BusterLeague L;
    L.Team(2)->m_bFolded = 1;
    L.Team(2)->m_nScoreToRound = 0;
    CRealUi ui;
    ui.OnDialog(IDD_SINGLES_SCORESHEET, [](CRealDialog& d) {
        TypeScores(d, {181, 160, 160});  // +2 against a side that gave every game away
        d.Click(IDOK);
    });
    CFixture* f = L.Match(1);
    EXPECT_TRUE(EnterResult(&L.doc, f));
    L.doc.Recalculate();
    EXPECT_EQ(std::vector<int>(f->m_dwScoresMarker, f->m_dwScoresMarker + 2), (std::vector<int>{1, 1}));
    EXPECT_EQ(L.Totals(), (std::vector<int>{2, 2, 0, 0}));
}

TEST(AverageBusterEntry, ALeagueSavedWithoutTheMarksGetsThemWhenOpened)
{
    // Played sides without their mark, as earlier builds saved every league typed in.
    BusterLeague L;
    L.Play(L.Match(1), 180, 130);  // 180 on 160: +2 a game; 130 on 150: -2 a game
    L.Match(2)->m_bPlayed[0] = 1;  // round 2: side A only
    L.doc.m_nCurrentRound = 2;
    L.doc.Recalculate();
    ASSERT_EQ(L.Totals(), (std::vector<int>{0, 0, 0, 0}));

    CBowlingDoc opened;
    ASSERT_TRUE(Reload(L.doc, opened));
    auto marks = [&](int nRound) {
        const CFixture* f = opened.FindFixtureByRoundMatch(nRound, 1);
        return std::vector<int>(f->m_dwScoresMarker, f->m_dwScoresMarker + 2);
    };
    EXPECT_EQ(marks(1), (std::vector<int>{1, 1}));
    EXPECT_EQ(marks(2), (std::vector<int>{1, 0}));
    const CPlayer* p11 = opened.FindPlayer(11);
    const CPlayer* p21 = opened.FindPlayer(21);
    EXPECT_EQ((std::vector<int>{p11->m_nAvgBusterSeason, p21->m_nAvgBusterSeason}), (std::vector<int>{6, -6}));
}
