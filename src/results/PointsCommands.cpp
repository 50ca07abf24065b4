#include "results/PointsCommands.h"

#include "framework/ui/CmdTarget.h"
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "resources/CommandIds.h"
#include "results/FixturePointsAdjustDlg.h"
#include "results/SelectFixtureDlg.h"
#include "results/SelectRoundDlg.h"

namespace PointsCommands {

CObject* (*pfnNewAdjustLine)(CBowlingDoc* pDoc, CFixture* pFixture) = nullptr;

namespace {

// The view's generated-report display.
constexpr BYTE DISPLAY_GENERATED = 13;

class CPointsCommands : public CCmdTarget
{
public:
    explicit CPointsCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnPointsAdjustment() { AdjustPoints(m_pDoc); }
    void OnPointsAdjustReport() { ReportAdjustments(m_pDoc); }
    void OnPointsAdjustClearAll() { ClearAllAdjustments(m_pDoc); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }
    void OnUpdateReport(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp() && pfnNewAdjustLine); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPointsCommands, CCmdTarget)
    ON_COMMAND(ID_POINTS_ADJUSTMENT, OnPointsAdjustment)
    ON_COMMAND(ID_POINTS_ADJUST_REPORT, OnPointsAdjustReport)
    ON_COMMAND(ID_POINTS_ADJUST_CLEAR_ALL, OnPointsAdjustClearAll)
    ON_UPDATE_COMMAND_UI(ID_POINTS_ADJUSTMENT, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_POINTS_ADJUST_REPORT, OnUpdateReport)
    ON_UPDATE_COMMAND_UI(ID_POINTS_ADJUST_CLEAR_ALL, OnUpdateSetUp)
END_MESSAGE_MAP()

void ClearGeneratedItems(CBowlingDoc* pDoc)
{
    while (!pDoc->m_listGeneratedItems.IsEmpty())
        delete pDoc->m_listGeneratedItems.RemoveHead();
}

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CPointsCommands>();
}

bool HasAdjustment(const CFixture* f)
{
    return f->m_nHandicapAdjust[0] != 0 || f->m_nHandicapAdjust[1] != 0 || f->m_nScratchAdjust[0] != 0 ||
           f->m_nScratchAdjust[1] != 0;
}

BOOL AdjustPoints(CBowlingDoc* pDoc)
{
    CSelectRoundDlg round;
    round.m_pDoc = pDoc;
    round.m_nRound = pDoc->m_nCurrentRound;
    round.m_bPlayed = 1;
    if (round.DoModal() != IDOK || round.m_nRound == 0)
        return FALSE;
    CFixture* pFixture = SelectFixture(pDoc, static_cast<int>(round.m_nRound), 1);
    if (!pFixture)
        return FALSE;
    const BYTE nOldRound = pDoc->m_nCurrentRound;
    pDoc->m_nCurrentRound = static_cast<BYTE>(round.m_nRound);
    if (!AdjustFixture(pDoc, pFixture)) {
        pDoc->m_nCurrentRound = nOldRound;
        return FALSE;
    }
    return TRUE;
}

BOOL AdjustFixture(CBowlingDoc* pDoc, CFixture* pFixture)
{
    CFixturePointsAdjustDlg dlg;
    dlg.m_pFixture = pFixture;
    dlg.m_pDoc = pDoc;
    dlg.m_nHandicapAdjustA = pFixture->m_nHandicapAdjust[0];
    dlg.m_nHandicapAdjustB = pFixture->m_nHandicapAdjust[1];
    dlg.m_nScratchAdjustA = pFixture->m_nScratchAdjust[0];
    dlg.m_nScratchAdjustB = pFixture->m_nScratchAdjust[1];
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pFixture->m_nHandicapAdjust[0] = dlg.m_nHandicapAdjustA;
    pFixture->m_nHandicapAdjust[1] = dlg.m_nHandicapAdjustB;
    pFixture->m_nScratchAdjust[0] = dlg.m_nScratchAdjustA;
    pFixture->m_nScratchAdjust[1] = dlg.m_nScratchAdjustB;
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

int ReportAdjustments(CBowlingDoc* pDoc)
{
    ClearGeneratedItems(pDoc);
    int n = 0;
    if (pfnNewAdjustLine) {
        for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
            if (!HasAdjustment(f))
                continue;
            if (CObject* pLine = pfnNewAdjustLine(pDoc, f)) {
                pDoc->m_listGeneratedItems.AddTail(pLine);
                ++n;
            }
        }
    }
    if (n > 0) {
        pDoc->m_strReportTitle.Format("%d matches with points 'fiddled'", n);
        pDoc->m_nDisplayMode = DISPLAY_GENERATED;
    } else {
        AfxMessageBox("No 'fiddled' points.", MB_OK);
        pDoc->m_nDisplayMode = DISPLAY_STANDINGS;
    }
    pDoc->UpdateAllViews(nullptr);
    return n;
}

BOOL ClearAllAdjustments(CBowlingDoc* pDoc)
{
    if (AfxMessageBox("Please click YES to confirm you wish to remove all points adjustments", MB_YESNO) != IDYES)
        return FALSE;
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        f->m_nHandicapAdjust[0] = f->m_nHandicapAdjust[1] = 0;
        f->m_nScratchAdjust[0] = f->m_nScratchAdjust[1] = 0;
    }
    pDoc->Recalculate();
    pDoc->m_nDisplayMode = DISPLAY_STANDINGS;
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace PointsCommands
