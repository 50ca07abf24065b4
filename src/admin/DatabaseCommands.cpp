#include "admin/DatabaseCommands.h"

#include "admin/PlayerDatabaseDlg.h"
#include "admin/SimilarNamesDlg.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"

namespace DatabaseCommands {

namespace {

class CDatabaseCommands : public CCmdTarget
{
public:
    explicit CDatabaseCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnDeletePlayer() { DeleteDatabasePlayer(m_pDoc); }
    // A database lost for a moment is tried again when the command is chosen.
    void OnUpdateDatabase(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->PlayerDbWanted()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDatabaseCommands, CCmdTarget)
    ON_COMMAND(ID_DBASE_DELETE_PLAYER, OnDeletePlayer)
    ON_UPDATE_COMMAND_UI(ID_DBASE_DELETE_PLAYER, OnUpdateDatabase)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CDatabaseCommands>();
    PlayerDatabase::pfnAskSimilarNames = AskSimilarNames;
}

BOOL DeleteDatabasePlayer(CBowlingDoc* pDoc)
{
    if (!pDoc->ReachPlayerDb())
        return FALSE;
    CPlayerDatabaseDlg dlg;
    dlg.m_pDoc = pDoc;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    const DWORD dwKey = dlg.m_player.m_dwDbKey;
    CString strQuestion;
    // Named as the list told it from another record of the same name, if there was one.
    const CString strApart = dlg.m_strApart.IsEmpty() ? CString() : " (" + dlg.m_strApart + ")";
    strQuestion.Format("Delete %s %s%s from the Player Database?", dlg.m_player.m_strFirstName.GetString(),
                       dlg.m_player.m_strSurname.GetString(), strApart.GetString());
    if (AfxMessageBox(strQuestion, MB_YESNO) != IDYES)
        return FALSE;
    if (pDoc->FindDbasePlayer(dwKey) != 0 || pDoc->m_pPlayerDb->GetTable().Delete() != 0) {
        AfxMessageBox("The player could not be deleted from the Player Database.");
        return FALSE;
    }
    if (CPlayer* pPlayer = pDoc->FindPlayerByDbKey(dwKey)) {
        pPlayer->m_dwDbKey = 0;
        pPlayer->m_qwDbStamp = 0;
        // Nothing is left for his changes to wait for.
        pPlayer->m_pDbPending.reset();
        pDoc->SetModifiedFlag();
    }
    return TRUE;
}

} // namespace DatabaseCommands
