#include "app/PlayerCommands.h"

#include "admin/LeagueSetup.h"
#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"
#include "results/NewPlayerNamesDlg.h"

namespace PlayerCommands {

namespace {

BOOL (*s_pfnNextSetupCmdMsg)(CBowlingDoc* pDoc, UINT nID, int nCode, CCmdUI* pCmdUI) = nullptr;
BOOL (*s_pfnNextSetupHasHandler)(UINT nID) = nullptr;

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
    if (commands.OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    return s_pfnNextSetupCmdMsg && s_pfnNextSetupCmdMsg(pDoc, nID, nCode, pCmdUI);
}

void Install()
{
    if (CBowlingDoc::s_pfnSetupCmdMsg != PlayerCmdMsg) {
        s_pfnNextSetupCmdMsg = CBowlingDoc::s_pfnSetupCmdMsg;
        CBowlingDoc::s_pfnSetupCmdMsg = PlayerCmdMsg;
        s_pfnNextSetupHasHandler = CBowlingDoc::s_pfnSetupHasHandler;
        CBowlingDoc::s_pfnSetupHasHandler = [](UINT nID) -> BOOL {
            return CPlayerCommands(nullptr).HasCommandHandler(nID) ||
                   (s_pfnNextSetupHasHandler && s_pfnNextSetupHasHandler(nID));
        };
    }
    LeagueSetup::pfnAddNewPlayer = AddPlayers;
}

} // namespace PlayerCommands
