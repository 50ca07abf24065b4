#include "reports/layout/ScoreSheets.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/layout/ScoreSheetItem.h"
#include "reports/stats/CustomPlayerStats.h"
#include "results/MakeupLaneOverrideDlg.h"
#include "results/SelectRoundDlg.h"
#include "view/ReportFlow.h"

#include <algorithm>

namespace {

[[maybe_unused]] const bool s_bInstalled =
    (g_pfnRunScoreSheets = RunScoreSheets, g_pfnLayoutScoreSheets = LayoutScoreSheets, true);

bool WantsSheet(const CBowlingDoc& doc, const CFixture* f, int nKind, int nRound)
{
    if (f->IsBye() || f->m_nTeamA == 0 || f->m_nTeamB == 0)
        return false;
    const CTeam* a = f->m_pTeamA ? f->m_pTeamA : doc.FindTeam(f->m_nTeamA);
    const CTeam* b = f->m_pTeamB ? f->m_pTeamB : doc.FindTeam(f->m_nTeamB);
    if (!a || !b || a->IsBye() || b->IsBye())
        return false;
    if (nKind == SCORE_SHEETS_MAKEUP)
        return f->m_nRound >= 1 && f->m_nRound <= doc.m_nCurrentRound && !(f->m_bPlayed[0] && f->m_bPlayed[1]);
    return f->m_nRound == nRound && !f->m_bPlayed[0] && !f->m_bPlayed[1];
}

// What the round chooser offers: a round with a match not entered for both sides.
bool HasUnplayedMatch(const CBowlingDoc& doc)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (!f->IsBye() && !(f->m_bPlayed[0] && f->m_bPlayed[1]))
            return true;
    }
    return false;
}

// The y of each sheet slot by sheets per page.
int SlotY(int nPerPage, int nSlot)
{
    static const int k2[] = {-720, -9000};
    static const int k3[] = {-720, -6240, -11760};
    static const int k4[] = {-720, -4860, -9000, -13140};
    switch (nPerPage) {
    case 2: return k2[nSlot];
    case 3: return k3[nSlot];
    case 4: return k4[nSlot];
    default: return -720;
    }
}

} // namespace

int BuildScoreSheets(CBowlingDoc& doc, int nKind, int nRound)
{
    DeleteItemList(doc.m_listScoreSheetItems);
    auto* pStyle = dynamic_cast<CRepItem_ScoreSheet*>(doc.m_pScoreSheetPrototype);
    if (!pStyle)
        return 0;
    pStyle->m_pDoc = &doc;
    int nMade = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (!WantsSheet(doc, f, nKind, nRound))
            continue;
        auto* pSheet = new CRepItem_ScoreSheet(&doc);
        pSheet->CopyFrom(*pStyle);
        pSheet->m_bTemporary = TEMP_SHOWING;
        pSheet->m_pFixture = f;
        if (pSheet->m_nPlayerLines == 0)
            pSheet->m_nPlayerLines = doc.m_nPlayersPerTeam;
        if (pSheet->m_bPrintPlayerStats && pSheet->m_pPlayerStats) {
            pSheet->m_pPlayerStats->m_pTeams[0] = pSheet->SideTeam(0);
            pSheet->m_pPlayerStats->m_pTeams[1] = pSheet->SideTeam(1);
            pSheet->m_pPlayerStats->m_nEntries = 2;
        }
        doc.m_listScoreSheetItems.AddTail(pSheet);
        ++nMade;
    }
    return nMade;
}

BOOL RunScoreSheets(CBowlingDoc* pDoc, int nKind)
{
    if (!pDoc)
        return FALSE;
    int nRound = 0;
    if (nKind == SCORE_SHEETS_RECAP) {
        // A season bowled to the end would offer an empty list whose OK does nothing.
        if (!HasUnplayedMatch(*pDoc)) {
            AfxMessageBox("There are no unplayed matches in the league.");
            return FALSE;
        }
        CSelectRoundDlg dlg;
        dlg.m_pDoc = pDoc;
        dlg.m_nRound = static_cast<UINT>(std::min<int>(pDoc->m_nCurrentRound + 1, std::max<int>(1, pDoc->m_nRounds)));
        if (dlg.DoModal() != IDOK || dlg.m_nRound == 0)
            return FALSE;
        nRound = static_cast<int>(dlg.m_nRound);
        // The league's figures run to the round before the one about to be bowled.
        pDoc->m_nCurrentRound = static_cast<BYTE>(nRound > 1 ? nRound - 1 : nRound);
        pDoc->m_nScoreSheetRound = static_cast<DWORD>(nRound);
    }
    // A position round's match gets its teams from the standings before it can be sheeted.
    const int nFirst = nKind == SCORE_SHEETS_RECAP ? nRound : 1;
    const int nLast = nKind == SCORE_SHEETS_RECAP ? nRound : pDoc->m_nCurrentRound;
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound < nFirst || f->m_nRound > nLast || !f->IsUnsetPositionMatch())
            continue;
        if (AfxMessageBox("There is a position round match which has not been set.  Would you like it set now?",
                          MB_YESNO) != IDYES)
            return FALSE;
        pDoc->SetPositionWeek(f->m_nRound);
        if (f->IsUnsetPositionMatch())
            return FALSE;
    }
    // The style first: what the secretary changes there shows on these sheets.
    if (auto* pStyle = dynamic_cast<CRepItem_ScoreSheet*>(pDoc->m_pScoreSheetPrototype)) {
        pStyle->m_pDoc = pDoc;
        pStyle->Edit();
    }
    pDoc->Recalculate();
    const BOOL bOverride = AfxMessageBox("Override Lane Numbers?", MB_YESNO) == IDYES;
    BuildScoreSheets(*pDoc, nKind, nRound);
    if (bOverride) {
        // The lanes run on from match to match; a cancelled or postponed match gets no sheet.
        int nLane = FirstOverrideLane(*pDoc);
        CObList& list = pDoc->m_listScoreSheetItems;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            POSITION here = pos;
            auto* pSheet = static_cast<CRepItem_ScoreSheet*>(list.GetNext(pos));
            if (!OfferLaneOverride(pSheet->m_pFixture, nLane, pSheet->m_nLaneOverride)) {
                list.RemoveAt(here);
                delete pSheet;
            }
        }
    }
    if (pDoc->m_listScoreSheetItems.IsEmpty()) {
        AfxMessageBox(nKind == SCORE_SHEETS_RECAP ? "There are no unplayed matches in that round."
                                                  : "There are no matches waiting to be made up.");
        return FALSE;
    }
    return TRUE;
}

int LayoutScoreSheets(CBowlingDoc* pDoc, CDC* pDC)
{
    auto* pStyle = dynamic_cast<CRepItem_ScoreSheet*>(pDoc->m_pScoreSheetPrototype);
    int nPerPage = pStyle ? pStyle->m_nSheetsPerPage : 2;
    if (nPerPage > 4)
        nPerPage = 2;
    int nPage = 1;
    int y = -720;
    int nSlot = 0;
    for (POSITION pos = pDoc->m_listScoreSheetItems.GetHeadPosition(); pos;) {
        auto* pItem = static_cast<CRepItem*>(pDoc->m_listScoreSheetItems.GetNext(pos));
        pItem->m_pDoc = pDoc;
        pItem->m_x = 720;
        if (nPerPage == 0) {
            const int h = pItem->GetHeight(pDC);
            if (y != -720 && y + h < -15840) {
                ++nPage;
                y = -720;
            }
            pItem->m_y = y;
            pItem->m_nPage = static_cast<WORD>(nPage);
            y += h - 720;
        } else {
            pItem->GetHeight(pDC);  // learns the fonts' line heights
            if (nSlot == nPerPage) {
                ++nPage;
                nSlot = 0;
            }
            pItem->m_y = SlotY(nPerPage, nSlot++);
            pItem->m_nPage = static_cast<WORD>(nPage);
        }
    }
    return nPage;
}
