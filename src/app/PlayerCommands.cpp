#include "app/PlayerCommands.h"

#include "admin/LeagueSetup.h"
#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"
#include "results/NewPlayerNamesDlg.h"

namespace PlayerCommands {

namespace {

// The routine the scoresheet's New Player button uses, so both add bowlers alike.
void AddPlayers(CBowlingDoc* pDoc)
{
    const int nAdded = g_pfnScoresheetAddNewPlayer ? g_pfnScoresheetAddNewPlayer(pDoc) : AddNewPlayer(pDoc);
    if (nAdded > 0) {
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
    void OnPlayerAdd() { AddPlayers(m_pDoc); }
    void OnUpdatePlayerAdd(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlayerCommands, CCmdTarget)
    ON_COMMAND(ID_PLAYER_ADD, OnPlayerAdd)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_ADD, OnUpdatePlayerAdd)
END_MESSAGE_MAP()

} // namespace

BOOL PlayerCmdMsg(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI)
{
    CPlayerCommands commands(pDoc);
    return commands.OnCmdMsg(nID, nCode, pCmdUI);
}

void Install()
{
    CBowlingDoc::InstallCommandSet<CPlayerCommands>();
    LeagueSetup::pfnAddNewPlayer = AddPlayers;
}

} // namespace PlayerCommands
