#pragma once
// The sample league's next season, made as the secretary makes it: File > New based on the old
// league, its details and its eight teams kept in their order, a new season from Monday
// 7 September 2026, the money headings kept; and the figures each bowler ends the season with.
#include <gtest/gtest.h>

#include "AdminTest.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/CommandIds.h"

#include <map>
#include <string>
#include <utility>

// The games and pins of the set a bowler's entering average comes from: the one with more
// games, the scratch set on equal counts.
using SeasonFigures = std::map<std::string, std::pair<DWORD, DWORD>>;

inline SeasonFigures FiguresOfTheSeason(const CBowlingDoc& doc)
{
    SeasonFigures figures;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos));
        const int nSet = p->m_nGames[PASS_HANDICAP] > p->m_nGames[PASS_SCRATCH] ? PASS_HANDICAP : PASS_SCRATCH;
        figures[p->m_strName.GetString()] = {p->m_nGames[nSet], p->m_nPins[nSet]};
    }
    return figures;
}

// File > New based on the open league, its nTeams teams (the sample's eight) moved on in their
// order, up to Set Fixture List, which is the caller's; the old season's accounts questions
// answered after it.
inline CScriptedBackend::DialogScript& NextSeasonUpToTheFixtureList(CScriptedBackend& ui, int nTeams = 8)
{
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
    ui.OnDialog(IDD_NEW_LEAGUE).OK();
    auto& teams = ui.OnDialog(IDD_NEW_LEAGUE_TEAMS);
    for (int i = 0; i < nTeams; ++i)
        teams.Select(IDC_NLT_AVAILABLE, 0).Click(IDC_NLT_MOVE);
    teams.OK();
    return ui.OnDialog(IDD_SET_FIXTURE_LIST);
}

inline void MakeNextSeason(CBowlingDoc& doc, int nTeams = 8)
{
    CScriptedBackend ui;
    doc.SetModifiedFlag(FALSE);
    NextSeasonUpToTheFixtureList(ui, nTeams)
        .SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8).SetText(IDC_DATE_YEAR, "2026")
        .OK();
    // Asked only of a league that has such items.
    if (!doc.m_listIncomeTypes.IsEmpty())
        ui.AnswerMessageBox(IDYES, "Retain old Income Items?");
    if (!doc.m_listExpenseTypes.IsEmpty())
        ui.AnswerMessageBox(IDYES, "Retain old Expense Items?");
    if (!doc.m_listPaymentItems.IsEmpty())
        ui.AnswerMessageBox(IDYES, "Retain old 'weekly payments' Items?");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
}
