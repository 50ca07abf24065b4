// "Select Teams" and "Select Team(s) for Display/Printing", driven through their controls.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "ResultsLeague.h"
#include "ScriptedBackend.h"
#include "results/SelectionCommands.h"

using Texts = std::vector<std::string>;

namespace {

// Six teams, three rounds of three matches. Round 2 is drawn 3 v 6, 1 v 5, 4 v 2 so that its
// match order differs from the list order.
struct TeamsLeague : ResultsLeague {
    std::unique_ptr<CTeam> spare = std::make_unique<CTeam>("Spare Team", 99);

    TeamsLeague() : ResultsLeague(6, 1, 1, 3)
    {
        const int draw[3][2] = {{3, 6}, {1, 5}, {4, 2}};
        for (int m = 0; m < 3; ++m)
            SetSides(Match(2, m + 1), draw[m][0], draw[m][1]);
        // A stale selection that OK must replace and Cancel must keep.
        doc.m_arrSelectedTeams.Add(Team(6));
        doc.m_nSelectedTeamIndex = 3;
        doc.m_pSelectedTeam = Team(6);
    }
    ~TeamsLeague() { doc.m_pSpareTeam = nullptr; }

    void SetSides(CFixture* f, int a, int b)
    {
        f->m_nTeamA = static_cast<BYTE>(a);
        f->m_nTeamB = static_cast<BYTE>(b);
        f->m_pTeamA = a ? Team(a) : nullptr;
        f->m_pTeamB = b ? Team(b) : nullptr;
    }

    void OfferSpare(bool bFlag)
    {
        doc.m_pSpareTeam = spare.get();
        doc.m_bSpareTeam = bFlag ? 1 : 0;
    }

    // The selected teams, with the index and the team the display starts on.
    std::tuple<Texts, UINT, CTeam*> State() { return {Selected(), doc.m_nSelectedTeamIndex, doc.m_pSelectedTeam}; }

    std::vector<std::string> Selected()
    {
        std::vector<std::string> v;
        for (int i = 0; i < doc.m_arrSelectedTeams.GetSize(); ++i)
            v.emplace_back(static_cast<CTeam*>(doc.m_arrSelectedTeams.GetAt(i))->m_strName.GetString());
        return v;
    }
};

std::vector<int> SelectedItems(CDialog& d, UINT id)
{
    std::vector<int> v;
    const auto& items = Ctl(d, id).items;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].selected)
            v.push_back(static_cast<int>(i));
    return v;
}

constexpr UINT kList = IDC_SELECT_TEAMS_LIST;
constexpr UINT kSeq = IDC_SELECT_TEAMS_MATCH_SEQ;
constexpr UINT kWeek = IDC_SELECT_TEAMS_WEEK;

}  // namespace

TEST(SelectTeams, ListsTheLeagueTeamsInOrderAndStoresTheChoice)
{
    TeamsLeague L;
    L.Team(5)->m_bRemoved = 1;
    L.OfferSpare(true);  // only the printing dialog lists the spare team
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, kList), (Texts{"Team 1", "Team 2", "Team 3", "Team 4", "Team 6"}));
            EXPECT_EQ(Ctl(d, kList).items[4].data, reinterpret_cast<DWORD_PTR>(L.Team(6)));
            EXPECT_EQ(std::make_pair(SelectedItems(d, kList), d.GetFocusID()), std::make_pair(std::vector<int>{0}, kList));
        })
        .SetSel(kList, 4)
        .SetSel(kList, 1)
        .SetSel(kList, 0, false)
        .OK();
    ASSERT_TRUE(ChooseTeamsForFixtureDisplay(&L.doc));
    // List order, not the order of the clicks.
    EXPECT_EQ(L.State(), std::make_tuple(Texts{"Team 2", "Team 6"}, 0u, L.Team(2)));
}

TEST(SelectTeams, NothingSelectedKeepsTheDialogOpenAndCancelKeepsTheOldSelection)
{
    TeamsLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS)
        .SetSel(kList, 0, false)
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetSel(kList, 2)
        .Cancel();
    EXPECT_FALSE(ChooseTeamsForFixtureDisplay(&L.doc));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(L.State(), std::make_tuple(Texts{"Team 6"}, 3u, L.Team(6)));
}

TEST(SelectTeams, DoubleClickAddsTheTeamAndCloses)
{
    TeamsLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS).DblClk(kList, 3);
    ASSERT_TRUE(ChooseTeamsForFixtureDisplay(&L.doc));
    EXPECT_EQ(std::make_pair(L.Selected(), L.doc.m_pSelectedTeam), std::make_pair(Texts{"Team 1", "Team 4"}, L.Team(1)));
}

TEST(SelectTeamsPrint, SpareTeamComesLastWhenTheLeagueOffersIt)
{
    TeamsLeague L;
    L.OfferSpare(true);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT)
        .Check([&](CDialog& d) {
            EXPECT_EQ(std::make_pair(Items(d, kList).size(), Items(d, kList).back()), std::make_pair(size_t(7), std::string("Spare Team")));
            EXPECT_EQ(SelectedItems(d, kList), std::vector<int>{0});
            EXPECT_EQ(std::make_pair(Ctl(d, kWeek).text.str(), Ctl(d, kSeq).check), std::make_pair(std::string("0"), 0));
        })
        .SetSel(kList, 6)
        .OK();
    ASSERT_TRUE(ChooseTeamsForDisplay(&L.doc));
    EXPECT_EQ(L.Selected(), (Texts{"Team 1", "Spare Team"}));

    L.OfferSpare(false);  // the pointer alone does not list it
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, kList).back(), "Team 6"); })
        .Cancel();
    EXPECT_FALSE(ChooseTeamsForDisplay(&L.doc));
}

TEST(SelectTeamsPrint, MatchSequenceBoxFollowsTheSelection)
{
    TeamsLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT)
        .Click(kSeq)
        .Check([](CDialog& d) {
            EXPECT_EQ(SelectedItems(d, kList), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        })
        .SetSel(kList, 2, false)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, kSeq).check, 0); })
        .SetSel(kList, 2)  // every team selected again by hand: the box stays clear
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, kSeq).check, 0); })
        .Click(kSeq)
        .Click(kSeq)  // clearing it leaves the selection alone
        .Check([](CDialog& d) {
            EXPECT_EQ(std::make_pair(Ctl(d, kSeq).check, SelectedItems(d, kList).size()), std::make_pair(0, size_t(6)));
        })
        .SetText(kWeek, "2")
        .OK();
    ASSERT_TRUE(ChooseTeamsForDisplay(&L.doc));
    // Not ticked: the list order, whatever the week.
    EXPECT_EQ(L.Selected(), (Texts{"Team 1", "Team 2", "Team 3", "Team 4", "Team 5", "Team 6"}));
}

TEST(SelectTeamsPrint, TickedWithAWeekFillsInMatchOrder)
{
    TeamsLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT).Click(kSeq).SetText(kWeek, "2").OK();
    ASSERT_TRUE(ChooseTeamsForDisplay(&L.doc));
    EXPECT_EQ(L.State(), std::make_tuple(Texts{"Team 3", "Team 6", "Team 1", "Team 5", "Team 4", "Team 2"}, 0u, L.Team(3)));
}

TEST(SelectTeamsPrint, WeekOutsideTheSeasonKeepsTheListOrder)
{
    for (const char* week : {"0", "4", "99"}) {
        TeamsLeague L;
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_TEAMS_PRINT).Click(kSeq).SetText(kWeek, week).OK();
        ASSERT_TRUE(ChooseTeamsForDisplay(&L.doc)) << week;
        EXPECT_EQ(L.Selected(), (Texts{"Team 1", "Team 2", "Team 3", "Team 4", "Team 5", "Team 6"})) << week;
    }
}

TEST(SelectTeamsPrint, WeekOutOfRangeGetsTheRangeMessage)
{
    TeamsLeague L;
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDOK);
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT)
        .SetText(kWeek, "100")
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .Cancel();
    EXPECT_FALSE(ChooseTeamsForDisplay(&L.doc));
    EXPECT_EQ(ui.MessageTexts(), Texts{"Please enter an integer between 0 and 99."});
    EXPECT_EQ(L.Selected(), Texts{"Team 6"});
}

TEST(SelectTeamsPrint, PositionWeekIsRefusedAndTheBoxCleared)
{
    TeamsLeague L;
    CFixture* f = L.Match(3, 2);
    L.SetSides(f, 0, 0);
    f->m_bPositionRound = 1;
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDOK, "position week");
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT)
        .Click(kSeq)
        .SetText(kWeek, "3")
        .OK()
        .Check([&](CDialog& d) {
            EXPECT_FALSE(d.IsEnded());
            // the new array was dropped
            EXPECT_EQ(std::make_pair(Ctl(d, kSeq).check, L.Selected()), std::make_pair(0, Texts{"Team 6"}));
        })
        .OK();  // now in list order
    ASSERT_TRUE(ChooseTeamsForDisplay(&L.doc));
    EXPECT_EQ(ui.MessageTexts(), Texts{"This week is a position week.  The teams have not been allocated yet!"});
    EXPECT_EQ(L.Selected(), (Texts{"Team 1", "Team 2", "Team 3", "Team 4", "Team 5", "Team 6"}));
}

TEST(SelectTeamsPrint, MatchOrderTakesNoMoreTeamsThanSelected)
{
    // Four teams selected and the box still ticked (set by the program, which sends no
    // notification): the first two matches of the week give the four.
    TeamsLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_TEAMS_PRINT)
        .Click(kSeq)
        .Check([](CDialog& d) {
            auto* pList = static_cast<CListBox*>(d.GetDlgItem(kList));
            pList->SetSel(0, FALSE);
            pList->SetSel(5, FALSE);
            EXPECT_EQ(Ctl(d, kSeq).check, 1);
        })
        .SetText(kWeek, "2")
        .OK();
    ASSERT_TRUE(ChooseTeamsForDisplay(&L.doc));
    EXPECT_EQ(L.Selected(), (Texts{"Team 3", "Team 6", "Team 1", "Team 5"}));
}
