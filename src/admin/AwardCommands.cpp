#include "admin/AwardCommands.h"

#include "admin/AwardCategoriesDlg.h"
#include "admin/EditAwardsDataDlg.h"
#include "admin/MostImprovedRuleDlg.h"
#include "admin/MultiplePrizeRulesDlg.h"
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
    void OnPrizeRules() { EditMultiplePrizeRules(m_pDoc); }
    void OnMostImproved() { EditMostImprovedRule(m_pDoc); }
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
    ON_COMMAND(ID_LEAGUE_HISCORE_RESTRICTIONS, OnPrizeRules)
    ON_COMMAND(ID_LEAGUE_MOST_IMPROVED, OnMostImproved)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_HISCORE_RESTRICTIONS, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_MOST_IMPROVED, OnUpdateSetUp)
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

BOOL EditMultiplePrizeRules(CBowlingDoc* pDoc)
{
    CMultiplePrizeRulesDlg dlg(pDoc->m_pAwardRestrictions);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->Recalculate();
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL EditMostImprovedRule(CBowlingDoc* pDoc)
{
    if (pDoc->m_nMostImprovedGames == 0) {
        pDoc->m_bMostImprovedAfterGames = 0;
        pDoc->m_bMostImprovedBoth = 0;
    }
    CMostImprovedRuleDlg dlg;
    dlg.m_nGames = pDoc->m_nMostImprovedGames;
    dlg.m_bAfterGames = pDoc->m_bMostImprovedAfterGames ? 1 : 0;
    dlg.m_bBoth = pDoc->m_bMostImprovedBoth ? 1 : 0;
    dlg.m_bEntering = pDoc->m_bMostImprovedAfterGames ? 0 : 1;
    if (dlg.m_bBoth) {
        dlg.m_bEntering = 0;
        dlg.m_bAfterGames = 0;
    }
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_bMostImprovedBoth = dlg.m_bBoth ? 1 : 0;
    pDoc->m_nMostImprovedGames = static_cast<BYTE>(dlg.m_nGames);
    pDoc->m_bMostImprovedAfterGames = dlg.m_bAfterGames ? 1 : 0;
    // A rule of no games measures from the entering average, whatever the boxes held.
    if (pDoc->m_nMostImprovedGames == 0) {
        pDoc->m_bMostImprovedAfterGames = 0;
        pDoc->m_bMostImprovedBoth = 0;
    }
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace AwardCommands
