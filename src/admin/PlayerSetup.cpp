#include "admin/PlayerSetup.h"

#include "admin/CheckPlayerDbDlg.h"
#include "admin/EditPlayerDlg.h"
#include "admin/LeagueSetup.h"
#include "admin/NewPlayerDlg.h"
#include "admin/PlayerCategoriesDlg.h"
#include "admin/SelectPlayerDlg.h"
#include "admin/SetEnteringAverageDlg.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"

namespace PlayerSetup {

namespace {

void RemoveFromTeamOrder(CTeam* pTeam, WORD nPlayerNo)
{
    for (int i = static_cast<int>(pTeam->m_arrTeamOrder.GetSize()) - 1; i >= 0; --i)
        if (pTeam->m_arrTeamOrder[i] == nPlayerNo)
            pTeam->m_arrTeamOrder.RemoveAt(i);
}

// The figures a bowler without games goes by until the next recalculation.
void SetStartingFigures(CBowlingDoc* pDoc, CPlayer* pPlayer)
{
    const double dAverage = pPlayer->GetEnteringAverage(TRUE) / 10.0;
    pPlayer->m_nAverage = static_cast<WORD>(dAverage);
    pPlayer->m_nHandicap = pDoc->m_bHandicapLeague ? pDoc->CalcHandicap(dAverage, pPlayer->m_wFlags, 0) : 0;
}

void AddPlayersAndRepaint(CBowlingDoc* pDoc)
{
    if (AddNewPlayers(pDoc) > 0) {
        // Team averages and the floating substitutes count the new bowlers.
        pDoc->Recalculate();
        pDoc->UpdateAllViews(nullptr);
    }
}

class CPlayerCommands : public CCmdTarget
{
public:
    explicit CPlayerCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnPlayerAdd() { AddPlayersAndRepaint(m_pDoc); }
    void OnPlayerEdit()
    {
        if (CPlayer* pPlayer = SelectPlayer(m_pDoc))
            EditPlayer(m_pDoc, pPlayer);
    }
    void OnPlayerCategories() { EditPlayerCategories(m_pDoc); }
    void OnEnteringAverages() { SetEnteringAverages(m_pDoc); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }
    void OnUpdatePlayerEdit(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_pDoc->m_listPlayers.IsEmpty()); }
    void OnUpdateEnteringAverages(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(m_pDoc->IsLeagueSetUp() && m_pDoc->m_bHandicapLeague);
    }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlayerCommands, CCmdTarget)
    ON_COMMAND(ID_PLAYER_ADD, OnPlayerAdd)
    ON_COMMAND(ID_PLAYER_EDIT, OnPlayerEdit)
    ON_COMMAND(ID_PLAYER_CATEGORIES, OnPlayerCategories)
    ON_COMMAND(ID_PLAYER_ENTERING_AVERAGES, OnEnteringAverages)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_ADD, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_EDIT, OnUpdatePlayerEdit)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_CATEGORIES, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_ENTERING_AVERAGES, OnUpdateEnteringAverages)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CPlayerCommands>();
    LeagueSetup::pfnAddNewPlayer = AddPlayersAndRepaint;
}

int AddNewPlayers(CBowlingDoc* pDoc, BOOL bWithDatabase)
{
    int nAdded = 0;
    const bool bDatabase = bWithDatabase && pDoc->PlayerDbReady();
    for (;;) {
        // In a database league the bowler may be there already: take his record, or start a new one.
        CCheckPlayerDbDlg check;
        check.m_pDoc = pDoc;
        if (bDatabase && check.DoModal() != IDOK)
            break;
        const bool bFromDatabase = bDatabase && !check.m_bAddNew;
        CNewPlayerDlg dlg;
        dlg.m_pDoc = pDoc;
        if (bFromDatabase) {
            dlg.CopyFrom(check.m_player);
            // Whether he is a floating substitute here is this league's to say, as for any new bowler.
            dlg.m_bFloatingSub = FALSE;
        } else if (bDatabase)
            dlg.m_strSurname = check.m_strSurname;
        dlg.m_bFormatText = pDoc->m_bFormatText ? TRUE : FALSE;
        const INT_PTR nResult = dlg.DoModal();
        pDoc->m_bFormatText = dlg.m_bFormatText ? 1 : 0;
        if (nResult != IDOK)
            break;
        const int nNumber = pDoc->GetNextPlayerNumber();
        if (nNumber > 0xFFFF) {
            AfxMessageBox("The league has no free player number left.");
            break;
        }
        auto* pPlayer = new CPlayer(static_cast<WORD>(nNumber));
        dlg.CopyTo(*pPlayer);
        if (bFromDatabase) {
            pPlayer->m_dwDbKey = check.m_player.m_dwDbKey;
            pPlayer->m_qwDbStamp = check.m_player.m_qwDbStamp;
        }
        pPlayer->SetEnteringAverage(dlg.m_nEnteringAvg);
        pDoc->AddPlayer(pPlayer);
        if (CTeam* pTeam = pPlayer->m_nTeamNo ? pDoc->FindTeam(pPlayer->m_nTeamNo) : nullptr)
            pTeam->m_arrTeamOrder.Add(pPlayer->m_nPlayerNo);
        SetStartingFigures(pDoc, pPlayer);
        // Taken from his record, he gives it only what the secretary changed in the dialog.
        const int nWritten = !pDoc->m_bPlayerDatabase ? 0
                             : bFromDatabase         ? pDoc->PutDbaseChanges(check.m_player, pPlayer)
                                                     : pDoc->PutDbasePlayer(pPlayer, dlg.DefaultedDetails());
        if (nWritten != 0)
            pDoc->SayDbaseNotWritten(pPlayer->m_dwDbKey != 0, TRUE);
        pDoc->SetModifiedFlag();
        ++nAdded;
        if (!dlg.m_bAnotherNewPlayer)
            break;
    }
    pDoc->BuildFloatingSubs();
    // A junior added in mid-season belongs in his age category from now on, as one read
    // from the file would be.
    if (nAdded > 0)
        pDoc->AssignJuniorCategories();
    return nAdded;
}

BOOL EditPlayer(CBowlingDoc* pDoc, CPlayer* pPlayer)
{
    // In a database league the dialog shows the record's details, which another league may have
    // changed since this league's copy was made, but for this league's changes the record has
    // not taken yet; OK then gives the record only what was changed here.
    pDoc->SyncDbasePlayer(pPlayer);
    CPlayer shown;
    shown.CopyFrom(*pPlayer);
    CEditPlayerDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.CopyFrom(shown);
    dlg.m_nMostImprovedBase = pPlayer->m_nMostImprovedBase;
    dlg.m_bFormatText = pDoc->m_bFormatText ? TRUE : FALSE;
    const INT_PTR nResult = dlg.DoModal();
    pDoc->m_bFormatText = dlg.m_bFormatText ? 1 : 0;
    if (nResult != IDOK)
        return FALSE;

    const WORD nOldTeam = pPlayer->m_nTeamNo;
    dlg.CopyTo(*pPlayer);
    pPlayer->m_nMostImprovedBase = dlg.m_nMostImprovedBase;
    if (pPlayer->m_nTeamNo != nOldTeam) {
        if (CTeam* pOld = nOldTeam ? pDoc->FindTeam(nOldTeam) : nullptr)
            RemoveFromTeamOrder(pOld, pPlayer->m_nPlayerNo);
        if (CTeam* pNew = pPlayer->m_nTeamNo ? pDoc->FindTeam(pPlayer->m_nTeamNo) : nullptr)
            pNew->m_arrTeamOrder.Add(pPlayer->m_nPlayerNo);
    }
    // Not written, the change waits in the league for the record. What he shows was confirmed.
    if (pDoc->PutDbaseChanges(shown, pPlayer, TRUE) != 0)
        pDoc->SayDbaseNotWritten(pPlayer->m_dwDbKey != 0);
    pDoc->SetModifiedFlag();
    pDoc->BuildFloatingSubs();
    pDoc->AssignJuniorCategories();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

CPlayer* SelectPlayer(CBowlingDoc* pDoc)
{
    CSelectPlayerDlg dlg;
    dlg.m_pDoc = pDoc;
    return dlg.DoModal() == IDOK ? dlg.m_pPlayer : nullptr;
}

void EditPlayerCategories(CBowlingDoc* pDoc)
{
    CPlayerCategoriesDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_nCategoryA = pDoc->m_nCategoryA;
    dlg.m_nCategoryB = pDoc->m_nCategoryB;
    dlg.m_bEnteringAverage = pDoc->m_bEnteringAvgForCategories ? TRUE : FALSE;
    dlg.m_bCurrentAverage = FALSE;
    dlg.DoModal();
    pDoc->m_nCategoryA = static_cast<WORD>(dlg.m_nCategoryA);
    pDoc->m_nCategoryB = static_cast<WORD>(dlg.m_nCategoryB);
    pDoc->m_bEnteringAvgForCategories = dlg.m_bEnteringAverage ? 1 : 0;
    pDoc->Recalculate();
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
}

int SetEnteringAverages(CBowlingDoc* pDoc)
{
    int nShown = 0;
    bool bChanged = false;
    for (POSITION pos = pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(pDoc->m_listPlayers.GetNext(pos));
        if (p->IsRobot() || p->IsResigned() || p->GetEnteringAverage(TRUE) != 0)
            continue;
        CSetEnteringAverageDlg dlg;
        dlg.m_pPlayer = p;
        if (dlg.DoModal() == IDOK)
            bChanged = true;
        ++nShown;
    }
    if (nShown == 0)
        AfxMessageBox("All players have an entering average.");
    if (bChanged) {
        // Bowlers without games go by the entering average.
        pDoc->SetModifiedFlag();
        pDoc->Recalculate();
        pDoc->UpdateAllViews(nullptr);
    }
    return nShown;
}

} // namespace PlayerSetup
