// Every rule a secretary can set, driven through a small league entered round after round as
// the secretary enters one, with the figures worked by hand. Each case is a worked example of
// docs/scoring.md.
#include "FileContents.h"
#include "TempDir.h"
#include "WorkedLeague.h"
#include "league/Scoring.h"
#include "reports/stats/PlayerItem.h"
#include "resources/dialogs/RulesDialogs.h"
#include "view/Exports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using V = std::vector<int>;
using Texts = std::vector<std::string>;

// A bowler's games and pins of a pass, and his scratch high game and high series.
V Figures(const CPlayer* p, int nPass)
{
    return V{int(p->m_nGames[nPass]), int(p->m_nPins[nPass]), p->m_nHighGame[PASS_SCRATCH],
             p->m_nHighSeries[PASS_SCRATCH]};
}

// One cell of the custom player table for a bowler, handicap kind.
std::string Column(CBowlingDoc& doc, CPlayer* p, int nType)
{
    CRepItem_PlayerItem column;
    column.m_pDoc = &doc;
    column.m_nColumnType = static_cast<BYTE>(nType);
    column.m_nKind = PK_HANDICAP;
    column.m_pPlayer = p;
    return column.GetCellText(TRUE).GetString();
}

// The cells of the weekly sheet's row that names the bowler: the league's default layout
// written as its HTML page, the row's texts in order.
Texts WeeklySheetRow(CBowlingDoc& doc, const char* pszName)
{
    if (!doc.m_pCurrentRepForm)
        doc.CreateDefaultReportForm();
    TempDir dir;
    CString strError;
    EXPECT_TRUE(WriteHtmlReport(&doc, dir.File("week.htm").c_str(), strError)) << strError.GetString();
    const std::string html = FileContents(dir.File("week.htm"));
    const size_t at = html.find(pszName);
    if (at == std::string::npos)
        return {};
    const size_t from = html.rfind("<tr", at) == std::string::npos ? html.rfind("<TR", at) : html.rfind("<tr", at);
    const size_t to = html.find("</tr", at) == std::string::npos ? html.find("</TR", at) : html.find("</tr", at);
    Texts cells;
    std::string text;
    bool bInTag = false;
    for (size_t i = from; i < to; ++i) {
        const char c = html[i];
        if (c == '<') {
            bInTag = true;
            const size_t first = text.find_first_not_of(" \n\r\t");
            if (first != std::string::npos)
                cells.push_back(text.substr(first, text.find_last_not_of(" \n\r\t") - first + 1));
            text.clear();
        } else if (c == '>') {
            bInTag = false;
        } else if (!bInTag) {
            text += c;
        }
    }
    return cells;
}

} // namespace

// ------------------------------------------------------------------ truncated rolling average

// Singles, four teams, 90 % of 200, a truncated rolling average of 3 games set in Handicap Details.
// Bowler 11 bowls 190 185 171 (546), then 180 170 160 (510): 1 056 pins in 6 games.
//   season  1 056 / 6 = 176.0, (200 - 176) x 90 / 100 = 21
//   rolling   510 / 3 = 170.0, (200 - 170) x 90 / 100 = 27
// Round 3's scoresheet and the weekly sheet bowl him on 170 and 27; "Real Average" and
// "Difference" keep the season's 176.0 (entering average 175.0: +1.0), and so does the most
// improved figure unless "Use playing average for most improved" is ticked.
TEST(RulesWorked, TruncatedRollingAverageDrivesAverageAndHandicap)
{
    WorkedLeague L(4, 1, 3, 4);
    L.Player(11)->SetEnteringAverage(1750);
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_HANDICAP_DETAILS)
            .SetText(IDC_HD_PERCENT[0], "90")
            .SetText(IDC_HD_BASIS[0], "200")
            .Click(IDC_HD_ROLLING)
            .SetText(IDC_HD_ROLLING_GAMES, "3")
            .OK();
        ui.AnswerMessageBox(IDOK, "You have selected a Truncated Rolling Average.");
        ASSERT_TRUE(L.doc.EditHandicapDetails());
        L.doc.Recalculate();
    }
    L.EnterRound(1, {{1, {{190, 185, 171}}}, {2, {{150, 150, 150}}}});
    L.EnterRound(2, {{1, {{180, 170, 160}}}, {2, {{150, 150, 150}}}});

    CPlayer* p = L.Player(11);
    EXPECT_EQ((V{p->m_nAverage, p->m_nHandicap}), (V{170, 27}));
    EXPECT_EQ(Column(L.doc, p, PC_AVG_PLAYING) + "|" + Column(L.doc, p, PC_HANDICAP) + "|" +
                  Column(L.doc, p, PC_PINS_HCP_CALC) + "|" + Column(L.doc, p, PC_REAL_AVERAGE) + "|" +
                  Column(L.doc, p, PC_DIFFERENCE),
              "170.0|27|510|176.0|+1.0");
    // Most improved on the season, 176.0 - 175.0, unless the league takes the playing average.
    L.doc.m_bHandicapPass = PASS_HANDICAP;
    EXPECT_DOUBLE_EQ(p->GetImprovement(), 1.0);
    L.doc.m_bPlayingAvgForMostImproved = 1;
    EXPECT_DOUBLE_EQ(p->GetImprovement(), -5.0);
    EXPECT_EQ(p->m_nAverage, 170);
    // The weekly sheet of a new league: name, Hcp, Avg, Gms, Pins.
    const Texts row = WeeklySheetRow(L.doc, "Bowler 11");
    ASSERT_GE(row.size(), 5u);
    EXPECT_EQ(Texts(row.begin(), row.begin() + 5), (Texts{"Bowler 11", "27", "170", "6", "1056"}));

    // Round 3's scoresheet gives him the rolling handicap in every game.
    L.SetRound(3);
    L.LookAtSheet(3, 1, [](CDialog&, CFixture* f) {
        const int k = CFixture::SlotOf(WorkedLeague::SideOf(f, 1), 0);
        EXPECT_EQ((V{f->m_nHandicap[0][k], f->m_nHandicap[2][k], int(f->m_nAverage[0][k])}), (V{27, 27, 170}));
    });
}

// ------------------------------------------------------------------ pacer games

namespace {

// Doubles, four teams, three games. Round 1: Bowler 12 is away; floating substitute Bowler 91 (entering
// average 160.0, handicap (200 - 160) x 80 / 100 = 32) bowls his position in every game,
// game 1 as a pacer, and scores 150, 180, 175 (505).
struct PacerLeague
{
    WorkedLeague L{4, 2, 3, 3};
    PacerLeague()
    {
        L.AddBowler(0, 91)->SetEnteringAverage(1600);
        L.doc.BuildFloatingSubs();
        L.doc.Recalculate();
    }
    void EnterRound1()
    {
        L.EnterRound(1, {{1, {{200, 200, 200}, {150, 180, 175}}}, {2, {{170, 170, 170}, {160, 160, 160}}}},
                     [](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         if (f->m_nTeamA != 1 && f->m_nTeamB != 1)
                             return;
                         sheet.Click(IDC_SS_SUBS[WorkedLeague::SideOf(f, 1)]);
                         ui.OnDialog(IDD_DOUBLES_SUBSTITUTES).Click(IDC_SUBS_POSITION[1]).OK();
                         ui.OnDialog(IDD_SUBSTITUTIONS)
                             .Click(IDC_SUB_FROM_FLOATING)
                             .SelectString(IDC_SUB_PLAYER[0], "Bowler 91")
                             .Click(IDC_SUB_PACER[0])
                             .OK();
                     });
    }
};

} // namespace

// The pacer's game is wholly his: 3 games, 505 pins, high game 180, high series 505 and with
// handicap 505 + 3 x 32 = 601. Bowler 12 has no game. The team's 1 105 pins are its bowlers'.
TEST(RulesWorked, PacerGameCountsWhollyForThePacer)
{
    PacerLeague P;
    P.EnterRound1();
    WorkedLeague& L = P.L;
    CPlayer* pSub = L.Player(91);
    EXPECT_EQ(Figures(pSub, PASS_HANDICAP), (V{3, 505, 180, 505}));
    EXPECT_EQ((V{pSub->m_nHighSeries[PASS_HANDICAP], pSub->m_nHighGame[PASS_HANDICAP], int(pSub->m_nHcpPins)}),
              (V{601, 212, 601}));
    EXPECT_EQ(Figures(L.Player(12), PASS_HANDICAP), (V{0, 0, 0, 0}));
    const CTeam* t = L.Team(1);
    EXPECT_EQ(int(t->m_nHcpScrPins), int(L.Player(11)->m_nPins[PASS_HANDICAP] + pSub->m_nPins[PASS_HANDICAP]));
    EXPECT_EQ(t->m_nHcpScrPins, 600u + 505u);
}

// With "Exclude Pacers Games" the pacer's game counts for nobody: Bowler 91 has 2 games and
// 355 pins, and no three-game series.
TEST(RulesWorked, ExcludedPacerGameCountsForNobody)
{
    PacerLeague P;
    P.L.doc.m_bExcludePacers = 1;
    P.EnterRound1();
    EXPECT_EQ(Figures(P.L.Player(91), PASS_HANDICAP), (V{2, 355, 180, 0}));
    EXPECT_EQ(Figures(P.L.Player(12), PASS_HANDICAP), (V{0, 0, 0, 0}));
}
