#include "results/SelectionCommands.h"

#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"
#include "results/HiAwardQualifyDlg.h"
#include "results/SelectBowlersDlg.h"
#include "results/SelectTeamsPrintDlg.h"
#include "results/SetRoundDlg.h"

BOOL ChooseTeamsForFixtureDisplay(CBowlingDoc* pDoc)
{
    CSelectTeamsDlg dlg;
    dlg.m_pDoc = pDoc;
    return dlg.DoModal() == IDOK;
}

BOOL ChooseTeamsForDisplay(CBowlingDoc* pDoc)
{
    CSelectTeamsPrintDlg dlg;
    dlg.m_pDoc = pDoc;
    return dlg.DoModal() == IDOK;
}

BOOL SelectBowlersForDisplay(CBowlingDoc* pDoc)
{
    CSelectBowlersDlg dlg;
    dlg.m_pDoc = pDoc;
    return dlg.DoModal() == IDOK;
}

BOOL EditHiAwardQualifying(CBowlingDoc* pDoc)
{
    CHiAwardQualifyDlg dlg;
    for (int i = 0; i < 5; ++i)
        dlg.m_nPct[i] = pDoc->m_nQualifyingPct[i];
    dlg.m_bGamesOverEntering = pDoc->m_bGamesOverEntering ? 1 : 0;
    dlg.m_bExcludeFloatingSubs = pDoc->m_bExcludeFloatingSubs ? 1 : 0;
    dlg.m_bExcludePacers = pDoc->m_bExcludePacers ? 1 : 0;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    for (int i = 0; i < 5; ++i)
        pDoc->m_nQualifyingPct[i] = static_cast<BYTE>(dlg.m_nPct[i]);
    pDoc->m_bGamesOverEntering = static_cast<DWORD>(dlg.m_bGamesOverEntering);
    pDoc->m_bExcludeFloatingSubs = static_cast<DWORD>(dlg.m_bExcludeFloatingSubs);
    pDoc->m_bExcludePacers = static_cast<DWORD>(dlg.m_bExcludePacers);
    // The recalculation reads the percentages as fractions.
    pDoc->UpdateHandicapFactors();
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL SetCurrentRound(CBowlingDoc* pDoc)
{
    CSetRoundDlg dlg;
    dlg.m_nRound = pDoc->m_nCurrentRound ? pDoc->m_nCurrentRound : 1;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_nCurrentRound = static_cast<BYTE>(dlg.m_nRound);
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

namespace SelectionCommands {

namespace {

class CSelectionCommands : public CCmdTarget {
public:
    explicit CSelectionCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnAwardPercentages() { EditHiAwardQualifying(m_pDoc); }
    void OnSetRound() { SetCurrentRound(m_pDoc); }
    void OnUpdateSetRound(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc && m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelectionCommands, CCmdTarget)
    ON_COMMAND(ID_LEAGUE_AWARD_PERCENTAGES, OnAwardPercentages)
    ON_COMMAND(ID_RESULT_SET_ROUND, OnSetRound)
    ON_UPDATE_COMMAND_UI(ID_RESULT_SET_ROUND, OnUpdateSetRound)
END_MESSAGE_MAP()

}  // namespace

BOOL SelectionCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI)
{
    CSelectionCommands commands(pDoc);
    return commands.OnCmdMsg(nID, nCode, pCmdUI);
}

void Install()
{
    CBowlingDoc::InstallCommandSet<CSelectionCommands>();
}

}  // namespace SelectionCommands
