// "Select Bowler(s) for Display/Printing", driven through its list.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ScriptedBackend.h"
#include "results/SelectionCommands.h"

using Texts = std::vector<std::string>;

namespace {

struct BowlersLeague : ResultsLeague {
    BowlersLeague() : ResultsLeague(2, 2, 3, 1) { doc.m_arrSelectedPlayers.Add(Player(22)); }

    std::vector<int> Selected()
    {
        std::vector<int> v;
        for (int i = 0; i < doc.m_arrSelectedPlayers.GetSize(); ++i)
            v.push_back(static_cast<CPlayer*>(doc.m_arrSelectedPlayers.GetAt(i))->m_nPlayerNo);
        return v;
    }
};

constexpr UINT kList = IDC_SELECT_BOWLERS_LIST;

}  // namespace

TEST(SelectBowlers, ListsEveryBowlerInOrderAndStoresTheChoiceInListOrder)
{
    BowlersLeague L;
    L.Player(12)->m_wFlags |= PF_RESIGNED;
    L.Player(21)->m_nRobot = 2;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_BOWLERS)
        .Check([&](CDialog& d) {
            const auto& items = Ctl(d, kList).items;
            EXPECT_EQ(Items(d, kList), (Texts{"Bowler 11", "~Bowler 12", "~Bowler 21", "Bowler 22"}));
            EXPECT_EQ(items[3].data, reinterpret_cast<DWORD_PTR>(L.Player(22)));
            EXPECT_EQ(std::make_pair(items[0].selected, d.GetFocusID()), std::make_pair(true, kList));
        })
        .SetSel(kList, 3)
        .SetSel(kList, 1)
        .OK();
    ASSERT_TRUE(SelectBowlersForDisplay(&L.doc));
    EXPECT_EQ(L.Selected(), (std::vector<int>{11, 12, 22}));
}

TEST(SelectBowlers, NothingSelectedStaysOpenCancelChangesNothing)
{
    BowlersLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_BOWLERS)
        .SetSel(kList, 0, false)
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetSel(kList, 1)
        .Cancel();
    EXPECT_FALSE(SelectBowlersForDisplay(&L.doc) || !ui.messages.empty());
    EXPECT_EQ(L.Selected(), std::vector<int>{22});
}

TEST(SelectBowlers, DoubleClickIsOK)
{
    BowlersLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_BOWLERS).SetSel(kList, 0, false).DblClk(kList, 2);
    ASSERT_TRUE(SelectBowlersForDisplay(&L.doc));
    EXPECT_EQ(L.Selected(), std::vector<int>{21});
}

TEST(SelectBowlers, EmptyLeagueListsNothingAndOKStaysOpen)
{
    RegisterResources();
    CBowlingDoc doc;
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_BOWLERS)
        .Check([](CDialog& d) { EXPECT_TRUE(Ctl(d, kList).items.empty()); })
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .Cancel();
    EXPECT_FALSE(SelectBowlersForDisplay(&doc));
    EXPECT_EQ(doc.m_arrSelectedPlayers.GetSize(), 0);
}
