#include "admin/RulesSetup.h"

#include "admin/BonusPointsListDlg.h"
#include "admin/LeagueSetup.h"
#include "admin/RobotScoresDlg.h"
#include "league/BowlingDoc.h"
#include "league/Rules.h"
#include "resources/CommandIds.h"

#include <memory>

namespace RulesSetup {

namespace {


class CRulesCommands : public CCmdTarget
{
public:
    explicit CRulesCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void Repaint() { m_pDoc->UpdateAllViews(nullptr); }
    void OnHandicapSystem()
    {
        // The details runner leaves the recalculation to its caller.
        if (!m_pDoc->EditHandicapDetails())
            return;
        m_pDoc->SetModifiedFlag();
        m_pDoc->Recalculate();
        Repaint();
    }
    void OnHandicapPoints()
    {
        if (m_pDoc->EditHandicapScoring())
            Repaint();
    }
    void OnScratchPoints()
    {
        if (m_pDoc->EditScratchScoring())
            Repaint();
    }
    void OnHandicapStandings() { m_pDoc->EditHandicapStandingsSequence(); }
    void OnScratchStandings() { m_pDoc->EditScratchStandingsSequence(); }
    void OnVacancyScores() { EditRobotScores(m_pDoc); }
    void OnBonusPoints() { EditBonusPoints(m_pDoc); }
    void OnUpdateBonusPoints(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }
    void OnUpdateHandicap(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->m_bHandicapLeague != 0); }
    void OnUpdateScratch(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->m_bScratchLeague != 0); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRulesCommands, CCmdTarget)
    ON_COMMAND(ID_LEAGUE_HCP_SYSTEM, OnHandicapSystem)
    ON_COMMAND(ID_LEAGUE_HCP_POINTS, OnHandicapPoints)
    ON_COMMAND(ID_LEAGUE_HCP_STANDINGS, OnHandicapStandings)
    ON_COMMAND(ID_LEAGUE_SCR_POINTS, OnScratchPoints)
    ON_COMMAND(ID_LEAGUE_SCR_STANDINGS, OnScratchStandings)
    ON_COMMAND(ID_LEAGUE_VACANCY_SCORES, OnVacancyScores)
    ON_COMMAND(ID_LEAGUE_BONUS_POINTS, OnBonusPoints)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_BONUS_POINTS, OnUpdateBonusPoints)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_HCP_SYSTEM, OnUpdateHandicap)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_HCP_POINTS, OnUpdateHandicap)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_HCP_STANDINGS, OnUpdateHandicap)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_SCR_POINTS, OnUpdateScratch)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_SCR_STANDINGS, OnUpdateScratch)
END_MESSAGE_MAP()

} // namespace

BOOL RulesCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI)
{
    CRulesCommands commands(pDoc);
    return commands.OnCmdMsg(nID, nCode, pCmdUI);
}

void Install()
{
    CBowlingDoc::InstallCommandSet<CRulesCommands>();
    LeagueSetup::pfnScoringSetup = NewLeagueScoringSetup;
}

void EditBonusPoints(CBowlingDoc* pDoc)
{
    CBonusPointsListDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_bAcceptEqual = pDoc->m_bBonusAcceptEqual ? TRUE : FALSE;
    dlg.m_bHiTeamGameHcp = pDoc->m_bBonusHiTeamGameHcp ? TRUE : FALSE;
    dlg.m_nHiTeamGameHcpPts = pDoc->m_nBonusHiTeamGameHcpPts / 2;
    dlg.m_bHiTeamGameScr = pDoc->m_bBonusHiTeamGameScr ? TRUE : FALSE;
    dlg.m_nHiTeamGameScrPts = pDoc->m_nBonusHiTeamGameScrPts / 2;
    const int before[5] = {dlg.m_bAcceptEqual, dlg.m_bHiTeamGameHcp, dlg.m_nHiTeamGameHcpPts, dlg.m_bHiTeamGameScr,
                           dlg.m_nHiTeamGameScrPts};
    if (dlg.DoModal() == IDOK) {
        // Only what was changed: an odd half point set elsewhere survives an untouched box.
        if (dlg.m_bAcceptEqual != before[0])
            pDoc->m_bBonusAcceptEqual = dlg.m_bAcceptEqual ? 1 : 0;
        if (dlg.m_bHiTeamGameHcp != before[1])
            pDoc->m_bBonusHiTeamGameHcp = dlg.m_bHiTeamGameHcp ? 1 : 0;
        if (dlg.m_nHiTeamGameHcpPts != before[2])
            pDoc->m_nBonusHiTeamGameHcpPts = static_cast<BYTE>(dlg.m_nHiTeamGameHcpPts * 2);
        if (dlg.m_bHiTeamGameScr != before[3])
            pDoc->m_bBonusHiTeamGameScr = dlg.m_bHiTeamGameScr ? 1 : 0;
        if (dlg.m_nHiTeamGameScrPts != before[4])
            pDoc->m_nBonusHiTeamGameScrPts = static_cast<BYTE>(dlg.m_nHiTeamGameScrPts * 2);
    }
    // The rules and the highest-team-game bonus make the most a side can win, which points lost read.
    pDoc->UpdateMaxMatchPoints();
    pDoc->Recalculate();
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
}

void NewLeagueScoringSetup(CBowlingDoc* pDoc)
{
    if (pDoc->m_bHandicapLeague) {
        pDoc->EditHandicapDetails();
        pDoc->EditHandicapScoring();
        pDoc->EditHandicapStandingsSequence();
    }
    if (pDoc->m_bScratchLeague) {
        pDoc->EditScratchScoring();
        pDoc->EditScratchStandingsSequence();
    }
    // The maximum match points are needed even when a points dialog was cancelled.
    pDoc->UpdateMaxMatchPoints();
}

BOOL EditRobotScores(CBowlingDoc* pDoc)
{
    std::unique_ptr<CRobot> copies[4];
    CRobot* pWorking[4];
    for (int n = 1; n <= 4; ++n) {
        copies[n - 1] = std::make_unique<CRobot>();
        if (const CRobot* pRule = pDoc->GetRobot(n))
            copies[n - 1]->CopyFrom(*pRule);
        pWorking[n - 1] = copies[n - 1].get();
    }
    CRobotScoresDlg dlg(pDoc, pWorking);
    dlg.m_bRobotsCannotGainPoints = pDoc->m_bRobotsCannotGainPoints ? 1 : 0;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_bRobotsCannotGainPoints = static_cast<DWORD>(dlg.m_bRobotsCannotGainPoints);
    for (int n = 1; n <= 4; ++n)
        if (CRobot* pRule = pDoc->GetRobot(n))
            pRule->CopyFrom(*pWorking[n - 1]);
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace RulesSetup
