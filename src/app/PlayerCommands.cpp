#include "app/PlayerCommands.h"

#include "admin/PlayerSetup.h"
#include "league/BowlingDoc.h"
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

} // namespace

void Install()
{
    PlayerSetup::Install();
    CBowlingDoc::InstallCommandSet<CPopupPlayerCommands>();
}

} // namespace PlayerCommands
