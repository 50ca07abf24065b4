#include "app/PlayerCommands.h"

#include "admin/PlayerSetup.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "resources/CommandIds.h"
#include "view/BowlingView.h"

namespace PlayerCommands {

namespace {

class CPopupPlayerCommands : public CCmdTarget
{
public:
    explicit CPopupPlayerCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    CPlayer* ClickedPlayer() const
    {
        for (POSITION pos = m_pDoc->GetFirstViewPosition(); pos;)
            if (auto* pView = dynamic_cast<CBowlingView*>(m_pDoc->GetNextView(pos)))
                if (pView->m_pClickedPlayer)
                    return pView->m_pClickedPlayer;
        return nullptr;
    }
    void OnPopupPlayerEdit()
    {
        if (CPlayer* pPlayer = ClickedPlayer())
            PlayerSetup::EditPlayer(m_pDoc, pPlayer);
    }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPopupPlayerCommands, CCmdTarget)
    ON_COMMAND(ID_POPUP_PLAYER_EDIT, OnPopupPlayerEdit)
END_MESSAGE_MAP()

// Player > Surname First: every bowler's name as lists and reports show it.
class CNameOrderCommands : public CCmdTarget
{
public:
    explicit CNameOrderCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnSurnameFirst()
    {
        m_pDoc->m_bSurnameFirst = m_pDoc->m_bSurnameFirst ? 0 : 1;
        for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;)
            static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos))->MakeDisplayName(m_pDoc->m_bSurnameFirst);
        m_pDoc->SetModifiedFlag();
        m_pDoc->UpdateAllViews(nullptr);
    }
    void OnUpdateSurnameFirst(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_pDoc && m_pDoc->m_bSurnameFirst ? 1 : 0); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNameOrderCommands, CCmdTarget)
    ON_COMMAND(ID_PLAYER_SURNAME_FIRST, OnSurnameFirst)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_SURNAME_FIRST, OnUpdateSurnameFirst)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    PlayerSetup::Install();
    CBowlingDoc::InstallCommandSet<CPopupPlayerCommands>();
    CBowlingDoc::InstallCommandSet<CNameOrderCommands>();
}

} // namespace PlayerCommands
