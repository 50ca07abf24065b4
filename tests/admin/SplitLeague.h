#pragma once
// The split league of docs/scoring.md (section 6): four singles teams, three games, twelve weekly
// rounds, one handicap point a game and one for the series; each bowler's scores, the handicaps
// worked by hand, and the secretary's steps to set it up, split it and enter it round by round.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "league/Player.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/ResultDialogs.h"
#include "results/ResultCommands.h"
#include "results/SelectionCommands.h"

#include <string>
#include <vector>

namespace SplitLeague {

using V = std::vector<int>;

// Each bowler's score in all three games of a round: Ann (Team_01), Bill, Cara, Dan (Team_04).
inline const int kScores[12][4] = {
    {180, 160, 150, 140}, {175, 155, 160, 145}, {185, 170, 145, 150}, {230, 165, 150, 140},
    {185, 160, 155, 150}, {180, 170, 150, 145}, {165, 160, 170, 180}, {160, 165, 220, 175},
    {170, 175, 160, 190}, {165, 160, 175, 185}, {170, 165, 180, 185}, {160, 175, 170, 195},
};

// The handicap each bowler bowls with in each round: (200 - average in whole pins) x 80 / 100
// from every game bowled before the round, the entering average in round 1.
inline const V kHandicaps[12] = {
    {24, 32, 40, 48}, {16, 32, 40, 48}, {18, 34, 36, 46}, {16, 31, 39, 44}, {6, 30, 39, 45}, {7, 30, 38, 44},
    {8, 29, 39, 44},  {12, 30, 36, 40}, {14, 29, 30, 37}, {15, 28, 30, 34}, {16, 28, 29, 32}, {17, 28, 28, 30},
};

// A new league of four singles teams, three games, twelve weekly rounds; a handicap point
// for each game and one for the series.
inline void MakeSplitLeague(CBowlingDoc& doc)
{
    MakeLeague(doc, 4, 12, At(2025, 9, 1), 0, 1, 1);
    const char* const names[4][2] = {{"Ann", "Archer"}, {"Bill", "Baker"}, {"Cara", "Cole"}, {"Dan", "Dunn"}};
    for (int t = 0; t < 4; ++t) {
        auto* p = new CPlayer(static_cast<WORD>(t + 1));
        p->m_strFirstName = names[t][0];
        p->m_strSurname = names[t][1];
        p->m_wFlags = PF_MALE;
        p->m_nTeamNo = static_cast<WORD>(t + 1);
        p->SetEnteringAverage(static_cast<WORD>(1700 - 100 * t)); // 170.0, 160.0, 150.0, 140.0
        p->MakeDisplayName(doc.m_bSurnameFirst);
        doc.AddPlayer(p);
        doc.FindTeam(static_cast<WORD>(t + 1))->m_arrTeamOrder.Add(p->m_nPlayerNo);
    }
    doc.m_HcpPoints.m_bTeam = 1;
    for (BYTE& g : doc.m_HcpPoints.m_nTeamGame)
        g = 2;
    doc.m_HcpPoints.m_nTeamSeries = 2;
    doc.UpdateMaxMatchPoints();
    doc.Recalculate();
}

// League > Miscellaneous Setup > Split Season: simple splits of nPer rounds, or the custom
// starts given, with the two switches as asked.
inline void SetSplits(CBowlingDoc& doc, int nPer, bool bHi, bool bComplete, std::vector<int> customStarts = {})
{
    CScriptedBackend ui;
    auto& s = ui.OnDialog(IDD_SPLIT_SEASON);
    if (nPer != 0 && !doc.m_bSplitSeason)
        s.SetText(IDC_SS_ROUNDS_PER_SPLIT, std::to_string(nPer).c_str()).Focus(IDC_SS_SPLITS).Click(IDC_SS_ENABLED);
    if (!customStarts.empty()) {
        s.Click(IDC_SS_DEFINE_CUSTOM).Click(IDC_SS_USE_CUSTOM);
        auto& c = ui.OnDialog(IDD_CUSTOM_SPLITS);
        for (size_t i = 1; i < customStarts.size(); ++i)
            c.SetText(IDC_CS_START + static_cast<UINT>(i), std::to_string(customStarts[i]).c_str()).Focus(IDOK);
        c.OK();
    }
    if ((doc.m_bResetHiStatsEachSplit != 0) != bHi)
        s.Click(IDC_SS_RESET_HI);
    if ((doc.m_bCompleteResetEachSplit != 0) != bComplete)
        s.Click(IDC_SS_COMPLETE_RESET);
    s.OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
}

// Result > Set Round No.
inline void SetRound(CBowlingDoc& doc, int nRound)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_SET_ROUND).SetText(IDC_SET_ROUND_NUMBER, std::to_string(nRound).c_str()).OK();
    ASSERT_TRUE(SetCurrentRound(&doc));
    EXPECT_EQ(doc.m_nCurrentRound, nRound);
}

// Set Round No. to the round, then Enter Results: each match's scores typed on its sheet.
inline void EnterRound(CBowlingDoc& doc, int nRound)
{
    SetRound(doc, nRound);
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND)
        .Check([nRound](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_SELECT_ROUND_LIST).items[0].data, static_cast<DWORD_PTR>(nRound));
        })
        .Select(IDC_SELECT_ROUND_LIST, 0)
        .OK();
    for (CFixture* f : Fixtures(doc, nRound)) {
        auto& sheet = ui.OnDialog(IDD_SINGLES_SCORESHEET);
        for (int g = 0; g < 3; ++g) {
            sheet.SetText(IDC_SS_SCORE_A[0] + g, std::to_string(kScores[nRound - 1][f->m_nTeamA - 1]).c_str());
            sheet.SetText(IDC_SS_SCORE_B[0] + g, std::to_string(kScores[nRound - 1][f->m_nTeamB - 1]).c_str());
        }
        sheet.OK();
    }
    OnResultEnterResults(doc);
    EXPECT_TRUE(ui.AllUsed() && ui.messages.empty());
}

inline void EnterSeason(CBowlingDoc& doc, int nLastRound = 12)
{
    for (int r = 1; r <= nLastRound; ++r)
        EnterRound(doc, r);
}

// The handicap each bowler bowled with in the round, from the match sheets; -1 when his
// three games had different ones.
inline V HandicapsOfRound(const CBowlingDoc& doc, int nRound)
{
    V v(4, 0);
    for (const CFixture* f : Fixtures(doc, nRound))
        for (int s = 0; s < 2; ++s) {
            const int k = CFixture::SlotOf(s, 0);
            const int h = f->m_nHandicap[0][k];
            const bool bSame = h == f->m_nHandicap[1][k] && h == f->m_nHandicap[2][k];
            v[(s ? f->m_nTeamB : f->m_nTeamA) - 1] = bSame ? h : -1;
        }
    return v;
}

// Team numbers in handicap standings order, and each team's points won (half points).
inline V Standings(CBowlingDoc& doc)
{
    V v;
    for (WORD n = 1; n <= 4; ++n)
        v.push_back(doc.FindTeamByHcpPosition(n)->m_nTeamNo);
    for (WORD t = 1; t <= 4; ++t)
        v.push_back(doc.FindTeam(t)->m_nPointsWon[PASS_HANDICAP]);
    return v;
}

// Each bowler's high game, scratch then with handicap.
inline V HighGames(CBowlingDoc& doc)
{
    V v;
    for (int k : {PASS_SCRATCH, PASS_HANDICAP})
        for (WORD n = 1; n <= 4; ++n)
            v.push_back(doc.FindPlayer(n)->m_nHighGame[k]);
    return v;
}

} // namespace SplitLeague
