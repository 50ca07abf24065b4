#pragma once
// A league entered as the secretary enters one: a new league's rules, its teams and bowlers,
// the schedule the program builds, and each round set as the current round and its results
// typed into the scoresheets of Result > Enter Results, the league recalculating after each.
// Teams are numbered 1..N, their bowlers team x 10 + place ("Bowler 11"), floating
// substitutes from 91 on.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DialogControls.h"
#include "ScriptedBackend.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Player.h"
#include "league/Team.h"
#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultCommands.h"
#include "results/ScoresheetDlg.h"
#include "results/SelectionCommands.h"

using Games = std::vector<int>;   // one bowler's games of a match; 0 leaves the cell alone
using Lineup = std::vector<Games>; // a team's positions in order
using Sheet = CScriptedBackend::DialogScript;

// The score cell of side (0 A), position and game counted from 0.
inline UINT ScoreCell(int nSide, int nPos, int nGame)
{
    return (nSide == 0 ? IDC_SS_SCORE_A : IDC_SS_SCORE_B)[nPos] + static_cast<UINT>(nGame);
}

struct WorkedLeague
{
    CBowlingDoc doc;
    // What the secretary was told after a command that worked later matches again, in turn.
    std::vector<std::string> notices;

    WorkedLeague(int nTeams, int nPlayers, int nGames, int nRounds, int nReserves = 0)
    {
        RegisterResources();
        doc.m_nTeams = static_cast<BYTE>(nTeams);
        doc.m_nPlayersPerTeam = static_cast<BYTE>(nPlayers);
        doc.m_nGamesPerMatch = static_cast<BYTE>(nGames);
        doc.m_nRounds = static_cast<BYTE>(nRounds);
        for (int t = 1; t <= nTeams; ++t) {
            CString strName;
            strName.Format("Team %d", t);
            doc.AddTeam(new CTeam(strName, static_cast<WORD>(t)));
            for (int p = 1; p <= nPlayers + nReserves; ++p)
                AddBowler(t, t * 10 + p);
        }
        CFixtureListRequest request;
        request.nRounds = nRounds;
        request.timeStart = CTime(2024, 9, 2, 19, 30, 0);
        if (nTeams == 2)
            MeetEveryRound(request);
        else
            EXPECT_EQ(doc.BuildFixtureList(request), 1);
        doc.m_nCurrentRound = 1;
        doc.UpdateMaxMatchPoints();
        doc.Recalculate();
    }

    // Two teams, which the schedule's pairing tables do not serve, meet every round a week
    // apart, Team 1 as side A, with the calendar and fields the schedule would give them.
    void MeetEveryRound(const CFixtureListRequest& request)
    {
        doc.m_nRoundsPerInterval = 1;
        for (int r = 1; r <= request.nRounds; ++r) {
            const CTime due = request.timeStart + CTimeSpan(7 * (r - 1), 0, 0, 0);
            auto* pDate = new CFreeWeek(r);
            pDate->m_nFirstRound = pDate->m_nLastRound = static_cast<BYTE>(r);
            pDate->m_bFreeDate = 0;
            pDate->m_time = due;
            doc.m_listFreeWeeks.AddTail(pDate);
            auto* f = new CFixture(r, 1, 2, doc.m_nPlayersPerTeam);
            f->m_nMatch = 1;
            f->m_nGames = doc.m_nGamesPerMatch;
            f->m_timeDue = f->m_timePlayed[0] = f->m_timePlayed[1] = due;
            f->m_pTeamA = Team(1);
            f->m_pTeamB = Team(2);
            doc.AddFixture(f);
        }
        doc.CountMatchesPerRound();
    }

    // A bowler of team t (0: a floating substitute), male unless flags say otherwise.
    CPlayer* AddBowler(int t, int nNumber, WORD wFlags = PF_MALE)
    {
        auto* p = new CPlayer(static_cast<WORD>(nNumber));
        p->m_nTeamNo = static_cast<WORD>(t);
        p->m_wFlags = wFlags;
        p->m_strName.Format("Bowler %d", nNumber);
        doc.AddPlayer(p);
        if (CTeam* pTeam = Team(t))
            pTeam->m_arrTeamOrder.Add(p->m_nPlayerNo);
        return p;
    }

    CTeam* Team(int n) { return doc.FindTeam(static_cast<WORD>(n)); }
    CPlayer* Player(int n) { return doc.FindPlayer(static_cast<WORD>(n)); }
    CFixture* Match(int nRound, int nTeam) { return doc.FindFixtureForTeam(static_cast<WORD>(nTeam), nRound); }
    static int SideOf(const CFixture* f, int nTeam) { return f->m_nTeamA == nTeam ? 0 : 1; }

    // Result > Set Current Round.
    void SetRound(int nRound)
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_SET_ROUND).SetText(IDC_SET_ROUND_NUMBER, std::to_string(nRound).c_str()).OK();
        EXPECT_TRUE(SetCurrentRound(&doc));
    }

    // League > Handicap Scoring: a point a game to the better bowler and to the better team,
    // and one to the better team series, over the league's three games.
    void PointAGameAndTheSeries()
    {
        CScriptedBackend ui;
        Sheet& points = ui.OnDialog(IDD_HANDICAP_SCORING).Click(IDC_SC_INDIVIDUAL);
        for (int g = 0; g < 3; ++g)
            points.SetText(IDC_SC_IND_GAME[g], "1").SetText(IDC_SC_TEAM_GAME[g], "1");
        points.SetText(IDC_SC_TEAM_SERIES, "1").OK();
        EXPECT_TRUE(doc.EditHandicapScoring());
    }

    // The list line of team t's match of round r in the match choosers.
    CString MatchLine(int nRound, int nTeam)
    {
        const CFixture* f = Match(nRound, nTeam);
        CString line;
        line.Format("Wk%2d   %s v %s", nRound, Team(f->m_nTeamA)->m_strName.GetString(),
                    Team(f->m_nTeamB)->m_strName.GetString());
        return line;
    }

    // The handicap standings at round r: each of the first nTeams teams' place, points won and
    // lost, and pins with handicap.
    std::vector<int> HandicapStandings(int nRound, int nTeams)
    {
        SetRound(nRound);
        std::vector<int> v;
        for (int t = 1; t <= nTeams; ++t) {
            const CTeam* pTeam = Team(t);
            v.insert(v.end(), {int(pTeam->m_nHcpPosition), pTeam->m_nPointsWon[PASS_HANDICAP],
                               pTeam->m_nPointsLost[PASS_HANDICAP], int(pTeam->m_nPins[PASS_HANDICAP])});
        }
        return v;
    }

    // What the secretary does on a match's scoresheet before typing its scores (substitutes,
    // blind games), queued in the order the dialogs open.
    using Before = std::function<void(CScriptedBackend& ui, Sheet& sheet, CFixture* f)>;

    // The week of round r: Set Current Round, then Enter Results for the round, each match's
    // scores typed by team number into the cells its scoresheet shows (a team not named bowls
    // nOthers in every game; a shut cell, a blind game's, is left alone), the scoresheet closed
    // with OK. The questions of yesTo are answered Yes, in turn, before the scoresheets open.
    void EnterRound(int nRound, const std::map<int, Lineup>& scores, const Before& before = {}, int nOthers = 150,
                    const std::vector<std::string>& yesTo = {})
    {
        SetRound(nRound);
        CScriptedBackend ui;
        // The round chosen is the current round, which the list shows first chosen.
        ui.OnDialog(IDD_SELECT_ROUND)
            .Check([nRound](CDialog& d) {
                const CControlState& s = Ctl(d, IDC_SELECT_ROUND_LIST);
                ASSERT_GE(s.curSel, 0);
                EXPECT_EQ(s.items[static_cast<size_t>(s.curSel)].data, static_cast<DWORD_PTR>(nRound));
            })
            .OK();
        for (const std::string& question : yesTo)
            ui.AnswerMessageBox(IDYES, question.c_str());
        QueueSheets(ui, nRound, scores, before, nOthers);
        OnResultEnterResults(doc);
        TakeMessages(ui, "round " + std::to_string(nRound));
    }

    // A command's messages: the notice that later matches were worked again goes to notices;
    // questions were answered beforehand, so any other plain message is a complaint.
    void TakeMessages(const CScriptedBackend& ui, const std::string& where)
    {
        for (const auto& m : ui.messages) {
            if (m.text.find("worked again on the figures in force") != std::string::npos)
                notices.push_back(m.text);
            else if ((m.type & MB_TYPEMASK) == MB_OK)
                ADD_FAILURE() << where << ": " << m.text;
        }
    }

    // The scoresheets of the round's matches still to be entered, in turn, as EnterRound types
    // them.
    void QueueSheets(CScriptedBackend& ui, int nRound, const std::map<int, Lineup>& scores, const Before& before = {},
                     int nOthers = 150)
    {
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
            if (f->m_nRound != nRound || f->IsBye() || (f->m_bPlayed[0] && f->m_bPlayed[1]))
                continue;
            Sheet& sheet = ui.OnDialog(SheetIDD());
            if (before)
                before(ui, sheet, f);
            sheet.Check([this, scores, nOthers](CDialog& d) {
                const CFixture* pShown = static_cast<CScoresheetDlg&>(d).m_pFixture;
                for (int s = 0; s < 2; ++s) {
                    auto it = scores.find(s == 0 ? pShown->m_nTeamA : pShown->m_nTeamB);
                    const Lineup others(doc.m_nPlayersPerTeam, Games(doc.m_nGamesPerMatch, nOthers));
                    const Lineup& lineup = it != scores.end() ? it->second : others;
                    for (size_t p = 0; p < lineup.size(); ++p)
                        for (size_t g = 0; g < lineup[p].size(); ++g) {
                            const UINT nCell = ScoreCell(s, static_cast<int>(p), static_cast<int>(g));
                            if (lineup[p][g] != 0 && Ctl(d, nCell).enabled)
                                d.UserSetText(nCell, std::to_string(lineup[p][g]).c_str());
                        }
                }
            });
            sheet.OK();
        }
    }

    // On a scoresheet: a side's Subs and the position (from 0) in the picker of the league's size
    // (the singles sheet has none); what is queued next on the Substitutions it opens.
    Sheet& Substitutions(CScriptedBackend& ui, Sheet& sheet, int nSide, int nPos) const
    {
        static const UINT pickers[] = {0, IDD_DOUBLES_SUBSTITUTES, IDD_THREES_SUBSTITUTES, IDD_FOURS_SUBSTITUTES,
                                       IDD_FIVES_SUBSTITUTES};
        sheet.Click(IDC_SS_SUBS[nSide]);
        if (doc.m_nPlayersPerTeam > 1)
            ui.OnDialog(pickers[doc.m_nPlayersPerTeam - 1]).Click(IDC_SUBS_POSITION[nPos]).OK();
        return ui.OnDialog(IDD_SUBSTITUTIONS);
    }

    // On team t's scoresheet: Subs, the position (from 0), then in Substitutions a floating
    // substitute bowls it, game 1 ticked "Pacer" and the other games his as a plain substitute.
    void PaceGame1(CScriptedBackend& ui, Sheet& sheet, CFixture* f, int nTeam, int nPos, const char* pszSub) const
    {
        if (f->m_nTeamA != nTeam && f->m_nTeamB != nTeam)
            return;
        Substitutions(ui, sheet, SideOf(f, nTeam), nPos)
            .Click(IDC_SUB_FROM_FLOATING)
            .SelectString(IDC_SUB_PLAYER[0], pszSub)
            .Click(IDC_SUB_PACER[0])
            .OK();
    }

    // Result > Enter Individual Result on team t's match of round r: fn looks at the opened
    // scoresheet, which is then cancelled.
    void LookAtSheet(int nRound, int nTeam, const std::function<void(CDialog&, CFixture*)>& fn)
    {
        CFixture* f = Match(nRound, nTeam);
        ASSERT_NE(f, nullptr);
        CString strLine;
        strLine.Format("Wk%2d   %s v %s", nRound, Team(f->m_nTeamA)->m_strName.GetString(),
                       Team(f->m_nTeamB)->m_strName.GetString());
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, strLine.GetString()).OK();
        ui.OnDialog(SheetIDD()).Check([&](CDialog& d) { fn(d, f); }).Cancel();
        OnResultEnterIndividualResult(doc);
    }

    // Result > Amend Results on round r's match m (in the list's order), OK without a change;
    // look, if given, sees the scoresheet first.
    void AmendUnchanged(int nRound, int nMatch = 1, const std::function<void(CDialog&)>& look = {})
    {
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, nRound - 1).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, nMatch - 1).OK();
        auto& sheet = ui.OnDialog(SheetIDD());
        if (look)
            sheet.Check(look);
        sheet.OK();
        OnResultAmendResults(doc);
        TakeMessages(ui, "amending round " + std::to_string(nRound));
    }

    UINT SheetIDD() const
    {
        static const UINT ids[] = {IDD_SINGLES_SCORESHEET, IDD_DOUBLES_SCORESHEET, IDD_THREES_SCORESHEET,
                                   IDD_FOURS_SCORESHEET, IDD_FIVES_SCORESHEET};
        return ids[doc.m_nPlayersPerTeam - 1];
    }
};
