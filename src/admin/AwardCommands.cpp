#include "admin/AwardCommands.h"

#include "admin/AwardCategoriesDlg.h"
#include "admin/EditAwardsDataDlg.h"
#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"

namespace AwardCommands {

namespace {

class CAwardCommands : public CCmdTarget
{
public:
    explicit CAwardCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnManualCategories() { EditManualCategories(m_pDoc); }
    void OnAutomaticCategories() { EditAutomaticCategories(m_pDoc); }
    void OnEditData() { EditAwardsData(m_pDoc); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAwardCommands, CCmdTarget)
    ON_COMMAND(ID_AWARDS_MANUAL_CATEGORIES, OnManualCategories)
    ON_COMMAND(ID_AWARDS_AUTOMATIC_CATEGORIES, OnAutomaticCategories)
    ON_COMMAND(ID_AWARDS_EDIT_MANUAL, OnEditData)
    ON_UPDATE_COMMAND_UI(ID_AWARDS_MANUAL_CATEGORIES, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_AWARDS_AUTOMATIC_CATEGORIES, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_AWARDS_EDIT_MANUAL, OnUpdateSetUp)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    static bool s_bInstalled = false;
    if (s_bInstalled)
        return;
    s_bInstalled = true;
    CBowlingDoc::InstallCommandSet<CAwardCommands>();
}

void EditManualCategories(CBowlingDoc* pDoc)
{
    CManualAwardsDlg dlg(pDoc);
    dlg.DoModal();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
}

void EditAutomaticCategories(CBowlingDoc* pDoc)
{
    CAutomaticAwardsDlg dlg(pDoc);
    dlg.DoModal();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
}

void EditAwardsData(CBowlingDoc* pDoc)
{
    CEditAwardsDataDlg dlg(pDoc);
    dlg.DoModal();
    pDoc->UpdateAllViews(nullptr);
}

} // namespace AwardCommands
