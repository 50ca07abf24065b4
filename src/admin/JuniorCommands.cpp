#include "admin/JuniorCommands.h"

#include "admin/JuniorCategoriesDlg.h"
#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"

namespace JuniorCommands {

namespace {

class CJuniorCommands : public CCmdTarget
{
public:
    explicit CJuniorCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnCategorySetup() { CategorySetup(m_pDoc); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CJuniorCommands, CCmdTarget)
    ON_COMMAND(ID_JUNIOR_CATEGORY_SETUP, OnCategorySetup)
    ON_UPDATE_COMMAND_UI(ID_JUNIOR_CATEGORY_SETUP, OnUpdateSetUp)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CJuniorCommands>();
}

void CategorySetup(CBowlingDoc* pDoc)
{
    CJuniorCategoriesDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.DoModal();
    pDoc->AssignJuniorCategories();
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
}

} // namespace JuniorCommands
