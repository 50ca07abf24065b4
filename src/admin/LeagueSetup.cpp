#include "admin/LeagueSetup.h"

#include "admin/FixturePrintColumnsDlg.h"
#include "admin/LaneScheduleDlg.h"
#include "admin/SetFixtureListDlg.h"
#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"

namespace LeagueSetup {

void (*pfnScoringSetup)(CBowlingDoc* pDoc) = nullptr;
void (*pfnAddNewPlayer)(CBowlingDoc* pDoc) = nullptr;

namespace {

// The document's set-up commands, in a message map of their own.
class CSetupCommands : public CCmdTarget
{
public:
    explicit CSetupCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnFileNew() { m_pDoc->OnFileNew(); }
    void OnAmendFixtureDates()
    {
        // Each change the dialog makes marks the league changed; a visit that changed nothing
        // leaves it as it was.
        m_pDoc->EditFixtureDates();
        // Deleting rounds may leave a split starting after the last one. (A button that took
        // results away worked the league again itself.)
        if (m_pDoc->FitSplitsToRounds()) {
            m_pDoc->Recalculate();
            m_pDoc->SetModifiedFlag();
        }
        if (m_pDoc->m_nDisplayMode == DISPLAY_FIXTURES)
            m_pDoc->m_nDisplayMode = DISPLAY_STANDINGS;
        m_pDoc->UpdateAllViews(nullptr);
    }
    void OnLaneAllocation()
    {
        CLaneScheduleDlg::Run(m_pDoc);
        m_pDoc->UpdateAllViews(nullptr);
    }
    void OnAddExtraTeams() { m_pDoc->OnAddExtraTeams(); }
    void OnExtendSeason() { m_pDoc->OnExtendSeason(); }
    void OnReduceLeagueSize() { m_pDoc->OnReduceLeagueSize(); }
    void OnFixturePrintColumns() { CFixturePrintColumnsDlg::Run(m_pDoc); }
    void OnUpdateAddExtraTeams(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp() && m_pDoc->m_nTeams < 50); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }
    // A new league is saved under a name the secretary chooses, through Save As.
    void OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_pDoc->m_bNewLeague); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSetupCommands, CCmdTarget)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FIXTURE_AMEND_DATES, OnAmendFixtureDates)
    ON_COMMAND(ID_FIXTURE_LANE_ALLOCATION, OnLaneAllocation)
    ON_COMMAND(ID_FIXTURE_ADD_EXTRA_TEAMS, OnAddExtraTeams)
    ON_COMMAND(ID_FIXTURE_EXTEND_SEASON, OnExtendSeason)
    ON_COMMAND(ID_FIXTURE_REDUCE_LEAGUE_SIZE, OnReduceLeagueSize)
    ON_COMMAND(ID_FIXTURE_PRINT_COLUMNS, OnFixturePrintColumns)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_ADD_EXTRA_TEAMS, OnUpdateAddExtraTeams)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_EXTEND_SEASON, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_REDUCE_LEAGUE_SIZE, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
END_MESSAGE_MAP()

BOOL RunFixtureListDlg(CBowlingDoc* pDoc, CFixtureListRequest& request)
{
    CSetFixtureListDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_nTeams = request.nTeams;
    dlg.m_nRoundsPerInterval = request.nRoundsPerInterval;
    dlg.m_nStartDay = 1;
    dlg.m_nStartYear = 1970;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    request.nRoundsPerInterval = dlg.m_nRoundsPerInterval;
    request.nRounds = dlg.m_nMatches;
    request.nFrequency = dlg.m_nFrequency;
    request.timeStart = dlg.m_timeStart;
    return TRUE;
}

} // namespace

BOOL SetupCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI)
{
    CSetupCommands commands(pDoc);
    return commands.OnCmdMsg(nID, nCode, pCmdUI);
}

void Install()
{
    CBowlingDoc::InstallCommandSet<CSetupCommands>();
    CBowlingDoc::s_pfnRunFixtureListDlg = RunFixtureListDlg;
}

} // namespace LeagueSetup
