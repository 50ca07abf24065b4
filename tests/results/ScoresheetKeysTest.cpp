// A scoresheet typed on the real widgets, key by key and click by click: what is typed is what
// the fixture keeps, and the totals, the Played tick and the points follow every move.
#include <gtest/gtest.h>

#include <QTest>

#include "RealDialogs.h"
#include "ResultsLeague.h"
#include "results/ResultEntry.h"

namespace {
enum class Way { Tab, BackTab, Mouse, AutoTab };

struct Case {
    const char* name;
    int nPlayers;
    Way way;
};

int Score(int s, int p, int g) { return 120 + 20 * p + 11 * g + 7 * s; }

struct Typed {
    int s, p, g;
};

// Two team points for each game and two for the series, on scratch.
void ScratchPoints(ResultsLeague& L)
{
    L.doc.m_bHandicapLeague = 0;
    L.doc.m_bScratchLeague = 1;
    L.doc.m_ScrPoints.m_bTeam = 1;
    L.doc.m_ScrPoints.m_nTeamGame[0] = L.doc.m_ScrPoints.m_nTeamGame[1] = L.doc.m_ScrPoints.m_nTeamGame[2] = 2;
    L.doc.m_ScrPoints.m_nTeamSeries = 2;
    L.doc.UpdateMaxMatchPoints();
}
}  // namespace

TEST(ScoresheetKeys, WhatIsTypedIsStoredAndTheSheetFollowsEachMove)
{
    const Case cases[] = {
        {"fours, Tab", 4, Way::Tab},       {"fours, Shift+Tab", 4, Way::BackTab},
        {"fours, mouse", 4, Way::Mouse},   {"fours, Auto TAB", 4, Way::AutoTab},
        {"singles, Tab", 1, Way::Tab},     {"singles, Shift+Tab", 1, Way::BackTab},
        {"singles, mouse", 1, Way::Mouse}, {"singles, Auto TAB", 1, Way::AutoTab},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResultsLeague L(2, c.nPlayers, 3);
        ScratchPoints(L);
        L.doc.m_bAutoTabScores = c.way == Way::AutoTab;
        CFixture* f = L.Match(1);
        std::vector<Typed> order;
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < c.nPlayers; ++p)
                for (int g = 0; g < 3; ++g)
                    order.push_back({s, p, g});
        if (c.way == Way::BackTab)
            std::reverse(order.begin(), order.end());

        CRealUi ui;
        ui.OnDialog(c.nPlayers == 4 ? IDD_FOURS_SCORESHEET : IDD_SINGLES_SCORESHEET, [&](CRealDialog& d) {
            EXPECT_EQ(d.FocusID(), Cell(0, 0, 0));  // the first tab stop
            if (c.way == Way::BackTab)
                for (int i = 0; i < 5 && d.FocusID() != Cell(1, c.nPlayers - 1, 2); ++i)
                    d.BackTab();
            int series[2][4] = {};
            int typed[2] = {};
            for (size_t i = 0; i < order.size(); ++i) {
                const auto [s, p, g] = order[i];
                const UINT cell = Cell(s, p, g);
                ASSERT_EQ(d.FocusID(), cell);
                d.Type(std::to_string(Score(s, p, g)).c_str());
                // Leaving the cell: the last one by OK's own road, checked after the dialog.
                if (i + 1 == order.size() && c.way != Way::Tab && c.way != Way::AutoTab)
                    break;
                if (c.way == Way::Tab)
                    d.Tab();
                else if (c.way == Way::BackTab)
                    d.BackTab();
                else if (c.way == Way::Mouse)
                    d.Click(i + 1 < order.size() ? Cell(order[i + 1].s, order[i + 1].p, order[i + 1].g) : IDOK);
                series[s][p] += Score(s, p, g);
                ++typed[s];
                EXPECT_EQ(f->m_nScore[g][CFixture::SlotOf(s, p)], Score(s, p, g)) << "cell " << cell;
                EXPECT_EQ(d.Text((s == 0 ? IDC_SS_SERIES_A : IDC_SS_SERIES_B)[p]), std::to_string(series[s][p]));
                for (int side = 0; side < 2; ++side)
                    EXPECT_EQ(d.Text(IDC_SS_PLAYED[side]), typed[side] == 3 * c.nPlayers ? "1" : "0") << "cell " << cell;
            }
            if (c.way == Way::Tab || c.way == Way::AutoTab) {
                EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDOK));
                // Side B wins every game and the series.
                EXPECT_EQ(d.Text(IDC_SS_POINTS_SCR[1]).substr(0, 1), "4");
            }
            if (c.way == Way::Mouse)
                d.Click(IDOK);
            else
                d.Enter();
        });
        EXPECT_TRUE(c.nPlayers == 4 ? EnterFoursResult(&L.doc, f) : EnterSinglesResult(&L.doc, f));
        for (const auto& [s, p, g] : order)
            EXPECT_EQ(f->m_nScore[g][CFixture::SlotOf(s, p)], Score(s, p, g)) << s << p << g;
        EXPECT_TRUE(f->m_bPlayed[0] && f->m_bPlayed[1]);
        EXPECT_EQ(ui.messages, std::vector<std::string>{});
    }
}

TEST(ScoresheetKeys, AScoreOutOfRangeIsRefusedTheMomentItsCellIsLeft)
{
    const std::string range = "Please enter an integer between 0 and 300.";
    for (bool bMouse : {false, true}) {
        SCOPED_TRACE(bMouse ? "click" : "Tab");
        ResultsLeague L(2, 1, 3);
        CFixture* f = L.Match(1);
        CRealUi ui;
        ui.OnDialog(IDD_SINGLES_SCORESHEET, [&](CRealDialog& d) {
            d.Type("900");
            bMouse ? d.Click(Cell(0, 0, 2)) : d.Tab();
            EXPECT_EQ(ui.messages, std::vector<std::string>{range});
            EXPECT_EQ(std::make_pair(d.FocusID(), static_cast<int>(f->m_nScore[0][0])), std::make_pair(Cell(0, 0, 0), 0));
            d.Type("250").Tab();  // the refused text is selected: typing replaces it
            EXPECT_EQ(std::make_pair(d.FocusID(), static_cast<int>(f->m_nScore[0][0])), std::make_pair(Cell(0, 0, 1), 250));
            d.Escape();
        });
        EnterSinglesResult(&L.doc, f);
    }
}
