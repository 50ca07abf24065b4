#include "admin/TeamCommands.h"

#include "admin/DivisionsDlg.h"
#include "admin/EditTeamDlg.h"
#include "admin/MembershipTypesDlg.h"
#include "admin/ReorderPlayersDlg.h"
#include "admin/SelectTeamDlg.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "resources/CommandIds.h"

#include <algorithm>
#include <vector>

namespace TeamCommands {

CTeam* (*pfnClickedTeam)(CBowlingDoc* pDoc) = nullptr;

namespace {

class CTeamCommands : public CCmdTarget
{
public:
    explicit CTeamCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnTeamEdit()
    {
        if (CTeam* pTeam = m_pDoc->SelectTeam())
            EditTeam(m_pDoc, pTeam);
    }
    void OnPopupTeamEdit()
    {
        if (CTeam* pTeam = pfnClickedTeam ? pfnClickedTeam(m_pDoc) : nullptr)
            EditTeam(m_pDoc, pTeam);
    }
    void OnTeamResequence()
    {
        // A hand-set order replaces the carried line-ups.
        if (CTeam* pTeam = m_pDoc->SelectTeam(); pTeam && ReorderPlayers(m_pDoc, pTeam))
            m_pDoc->m_bRepeatLastRoundOrder = 0;
    }
    void OnDivisions() { EditDivisions(m_pDoc); }
    // Team > Set Team order > Repeat Last Round Order: line-ups carried from the last round.
    void OnRepeatLastOrder()
    {
        m_pDoc->m_bRepeatLastRoundOrder = m_pDoc->m_bRepeatLastRoundOrder ? 0 : 1;
        m_pDoc->SetModifiedFlag();
    }
    void OnUpdateRepeatLastOrder(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(m_pDoc->IsLeagueSetUp());
        pCmdUI->SetCheck(m_pDoc->m_bRepeatLastRoundOrder ? 1 : 0);
    }
    // Team > Floating Subs as a team, and the order they are listed in.
    void OnFloatingSubsTeam()
    {
        m_pDoc->m_bFloatingSubsAsTeam = m_pDoc->m_bFloatingSubsAsTeam ? 0 : 1;
        FloatingSubsChanged();
    }
    void OnUpdateFloatingSubsTeam(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(m_pDoc->IsLeagueSetUp());
        pCmdUI->SetCheck(m_pDoc->m_bFloatingSubsAsTeam ? 1 : 0);
    }
    void OnFloatSubsByAverage() { SetFloatingSubsOrder(FLOATING_SUBS_BY_AVERAGE); }
    void OnFloatSubsByName() { SetFloatingSubsOrder(FLOATING_SUBS_BY_NAME); }
    void OnUpdateFloatSubsByAverage(CCmdUI* pCmdUI) { UpdateFloatingSubsOrder(pCmdUI, FLOATING_SUBS_BY_AVERAGE); }
    void OnUpdateFloatSubsByName(CCmdUI* pCmdUI) { UpdateFloatingSubsOrder(pCmdUI, FLOATING_SUBS_BY_NAME); }
    void SetFloatingSubsOrder(BYTE nOrder)
    {
        m_pDoc->m_nFloatingSubsOrder = nOrder;
        FloatingSubsChanged();
    }
    void UpdateFloatingSubsOrder(CCmdUI* pCmdUI, BYTE nOrder)
    {
        pCmdUI->Enable(m_pDoc->IsLeagueSetUp());
        pCmdUI->SetRadio(m_pDoc->m_nFloatingSubsOrder == nOrder);
    }
    void FloatingSubsChanged()
    {
        m_pDoc->BuildFloatingSubs();
        m_pDoc->SetModifiedFlag();
        m_pDoc->UpdateAllViews(nullptr);
    }
    void OnMembershipTypes() { EditMembershipTypes(m_pDoc); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }
    void OnUpdatePopupTeamEdit(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(m_pDoc->IsLeagueSetUp() && pfnClickedTeam && pfnClickedTeam(m_pDoc));
    }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTeamCommands, CCmdTarget)
    ON_COMMAND(ID_TEAM_EDIT, OnTeamEdit)
    ON_COMMAND(ID_POPUP_TEAM_EDIT, OnPopupTeamEdit)
    ON_COMMAND(ID_TEAM_RESEQUENCE, OnTeamResequence)
    ON_COMMAND(ID_LEAGUE_DIVISIONS, OnDivisions)
    ON_COMMAND(ID_TEAM_REPEAT_LAST_ORDER, OnRepeatLastOrder)
    ON_COMMAND(ID_TEAM_FLOATING_SUBS, OnFloatingSubsTeam)
    ON_COMMAND(ID_TEAM_FLOATSUB_ORDER_AVERAGE, OnFloatSubsByAverage)
    ON_COMMAND(ID_TEAM_FLOATSUB_ORDER_NAME, OnFloatSubsByName)
    ON_UPDATE_COMMAND_UI(ID_TEAM_REPEAT_LAST_ORDER, OnUpdateRepeatLastOrder)
    ON_UPDATE_COMMAND_UI(ID_TEAM_FLOATING_SUBS, OnUpdateFloatingSubsTeam)
    ON_UPDATE_COMMAND_UI(ID_TEAM_FLOATSUB_ORDER_AVERAGE, OnUpdateFloatSubsByAverage)
    ON_UPDATE_COMMAND_UI(ID_TEAM_FLOATSUB_ORDER_NAME, OnUpdateFloatSubsByName)
    ON_COMMAND(ID_LEAGUE_MEMBERSHIP_TYPES, OnMembershipTypes)
    ON_UPDATE_COMMAND_UI(ID_TEAM_EDIT, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_POPUP_TEAM_EDIT, OnUpdatePopupTeamEdit)
    ON_UPDATE_COMMAND_UI(ID_TEAM_RESEQUENCE, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_DIVISIONS, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_MEMBERSHIP_TYPES, OnUpdateSetUp)
END_MESSAGE_MAP()

} // namespace

// The floating substitutes' team in the order the secretary chose: highest average first, or
// by surname then first name. Ties keep the list order.
void SortFloatingSubs(CBowlingDoc* pDoc, CTeam* pTeam)
{
    pTeam->SortPlayerOrder(pDoc->m_nFloatingSubsOrder);
}

void Install()
{
    CBowlingDoc::InstallCommandSet<CTeamCommands>();
    CBowlingDoc::s_pfnSortFloatingSubs = SortFloatingSubs;
}

BOOL EditTeam(CBowlingDoc* pDoc, CTeam* pTeam)
{
    CEditTeamDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_pTeam = pTeam;
    dlg.m_strName = pTeam->m_strName;
    dlg.m_nCaptain = pTeam->m_nCaptain;
    dlg.m_nDivision = pTeam->m_nDivision;
    dlg.m_bFolded = pTeam->m_bFolded ? 1 : 0;
    dlg.m_bFormatText = pDoc->m_bFormatText ? 1 : 0;
    dlg.m_bDeductPoints = pTeam->m_bDeductFromOpponents ? 1 : 0;
    dlg.m_bVacancyFilled = pTeam->m_nVacancyStartRound != 0 ? 1 : 0;
    dlg.m_bOmitStandings = pTeam->m_bOmitStandings ? 1 : 0;
    dlg.m_bOmitHiTeamStats = pTeam->m_bOmitHiTeamStats ? 1 : 0;
    dlg.m_bBye = pTeam->m_bBye ? 1 : 0;
    dlg.m_nScoreToWeek = pTeam->m_nScoreToRound > 99 ? 0 : pTeam->m_nScoreToRound;
    dlg.m_nStartRound = pTeam->m_nVacancyStartRound;
    dlg.m_nWon = pTeam->m_nStartPointsWon;
    dlg.m_nLost = pTeam->m_nStartPointsLost;
    if (dlg.DoModal() != IDOK)
        return FALSE;

    // The captain too waits for OK, so Cancel leaves the team exactly as it was.
    pTeam->m_nCaptain = dlg.m_nCaptain;
    pTeam->m_nDivision = static_cast<BYTE>(dlg.m_nDivision);
    pDoc->m_bFormatText = dlg.m_bFormatText ? 1 : 0;
    pTeam->m_strName = dlg.m_strName;
    pTeam->m_bFolded = dlg.m_bFolded ? 1 : 0;
    pTeam->m_bOmitStandings = dlg.m_bOmitStandings ? 1 : 0;
    pTeam->m_bOmitHiTeamStats = dlg.m_bOmitHiTeamStats ? 1 : 0;
    pTeam->m_bBye = dlg.m_bBye ? 1 : 0;
    pTeam->m_nScoreToRound = 0;
    if (dlg.m_bVacancyFilled) {
        pTeam->m_nVacancyStartRound = static_cast<BYTE>(dlg.m_nStartRound);
        pTeam->m_nStartPointsWon = dlg.m_nWon;
        pTeam->m_nStartPointsLost = dlg.m_nLost;
        pTeam->m_bFolded = 0;
        pTeam->m_bBye = 0;
    } else {
        pTeam->m_nVacancyStartRound = 0;
        pTeam->m_nStartPointsWon = 0;
        pTeam->m_nStartPointsLost = 0;
    }
    if (pTeam->m_bFolded) {
        pTeam->m_nScoreToRound = static_cast<BYTE>(dlg.m_nScoreToWeek);
        pTeam->m_bDeductFromOpponents = dlg.m_bDeductPoints ? 1 : 0;
    }
    pDoc->SetModifiedFlag();
    pDoc->m_nDisplayMode = DISPLAY_STANDINGS;
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL ReorderPlayers(CBowlingDoc* pDoc, CTeam* pTeam)
{
    CReorderPlayersDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_pTeam = pTeam;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL EditDivisions(CBowlingDoc* pDoc)
{
    CDivisionsDlg dlg;
    dlg.m_nIndex = pDoc->m_bDivisions ? pDoc->m_nDivisions - 1 : 0;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_bDivisions = dlg.m_nIndex != 0 ? 1 : 0;
    pDoc->m_nDivisions = static_cast<BYTE>(dlg.m_nIndex != 0 ? dlg.m_nIndex + 1 : 0);
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL EditMembershipTypes(CBowlingDoc* pDoc)
{
    CMembershipTypesDlg dlg;
    dlg.m_pDoc = pDoc;
    if (dlg.DoModal() != IDOK || !dlg.m_bChanged)
        return FALSE;
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace TeamCommands

CTeam* CBowlingDoc::SelectTeam()
{
    CSelectTeamDlg dlg;
    dlg.m_pDoc = this;
    if (dlg.DoModal() != IDOK)
        return nullptr;
    return dlg.m_pTeam;
}
