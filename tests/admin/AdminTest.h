#pragma once
// What the tests of league set-up share: resources and hooks installed once, and a league of
// any size with a schedule built as File > New builds it.
#include <gtest/gtest.h>

#include "ScriptedBackend.h"
#include "admin/LeagueSetup.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Team.h"
#include "resources/CommandIds.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

#include <memory>
#include <vector>

inline void SetUpAdmin()
{
    RegisterResources();
    LeagueSetup::Install();
}

inline CTime At(int y, int mo, int d, int h = 18, int mi = 0)
{
    return CTime(y, mo, d, h, mi, 0);
}

// nTeams teams Team_01.., and a schedule of nRounds rounds from the start date.
inline void MakeLeague(CBowlingDoc& doc, int nTeams, int nRounds, CTime start, int nFrequency = 0,
                       int nPerInterval = 1, int nPlayers = 4)
{
    doc.m_nTeams = static_cast<BYTE>(nTeams);
    doc.m_nPlayersPerTeam = static_cast<BYTE>(nPlayers);
    for (int k = 1; k <= nTeams; ++k) {
        CString name;
        name.Format("Team_%02d", k);
        doc.AddTeam(new CTeam(name, static_cast<WORD>(k)));
    }
    CFixtureListRequest r;
    r.nTeams = nTeams;
    r.nRounds = nRounds;
    r.nRoundsPerInterval = nPerInterval;
    r.nFrequency = nFrequency;
    r.timeStart = start;
    ASSERT_EQ(doc.BuildFixtureList(r), 1);
    doc.m_nCurrentRound = 1;
}

// Split sessions on lanes 1 to 8, so that eight or more teams bowl in squads of four matches,
// the second squad nDelay minutes after the first; the matches start so.
inline void BowlInSquads(CBowlingDoc& doc, int nDelay)
{
    doc.m_nLastLane = 8;
    doc.m_bSplitSessions = 1;
    doc.m_nSquadDelay[1] = static_cast<WORD>(nDelay);
    doc.SetFixtureStartTimes();
}

// A league of four teams and six rounds whose bowlers are kept in the player database, ticked
// through League > General Details as the secretary does.
inline std::unique_ptr<CBowlingDoc> MakeDatabaseLeague(CScriptedBackend& ui)
{
    auto doc = std::make_unique<CBowlingDoc>();
    MakeLeague(*doc, 4, 6, At(2024, 9, 2));
    ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_PLAYER_DATABASE).OK();
    EXPECT_TRUE(doc->OnCmdMsg(ID_LEAGUE_GENERAL_DETAILS, CN_COMMAND, nullptr));
    EXPECT_EQ(doc->m_bPlayerDatabase, 1u);
    return doc;
}

inline std::vector<CFixture*> Fixtures(const CBowlingDoc& doc, int nRound = 0)
{
    std::vector<CFixture*> v;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (nRound == 0 || f->m_nRound == nRound)
            v.push_back(f);
    }
    return v;
}

inline std::vector<CFreeWeek*> Weeks(const CBowlingDoc& doc)
{
    std::vector<CFreeWeek*> v;
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;)
        v.push_back(static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos)));
    return v;
}

inline std::vector<CTeam*> Teams(const CBowlingDoc& doc)
{
    std::vector<CTeam*> v;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;)
        v.push_back(static_cast<CTeam*>(doc.m_listTeams.GetNext(pos)));
    return v;
}

// Marks both sides of a match played with a score in every game of position 0.
inline void EnterResult(CFixture* f, WORD nScore = 150)
{
    for (int s = 0; s < 2; ++s) {
        f->m_bPlayed[s] = 1;
        f->m_dwScoresMarker[s] = 1;
        for (int g = 0; g < f->m_nGames && g < MAX_GAMES; ++g)
            f->m_nScore[g][CFixture::SlotOf(s, 0)] = nScore;
    }
}
