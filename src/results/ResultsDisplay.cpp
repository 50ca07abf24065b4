#include "results/ResultsDisplay.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "results/RoundsDisplayedDlg.h"
#include "results/SelectRoundDlg.h"

namespace {

void ClearDisplay(CBowlingDoc& doc)
{
    for (POSITION pos = doc.m_listDisplayItems.GetHeadPosition(); pos;)
        delete doc.m_listDisplayItems.GetNext(pos);
    doc.m_listDisplayItems.RemoveAll();
}

bool AddCard(CBowlingDoc& doc, CFixture* pFixture)
{
    CObject* pCard = g_pfnMakeResultCard ? g_pfnMakeResultCard(&doc, pFixture) : nullptr;
    if (pCard)
        doc.m_listDisplayItems.AddTail(pCard);
    return pCard != nullptr;
}

} // namespace

int BuildRoundResults(CBowlingDoc& doc, int nRound)
{
    ClearDisplay(doc);
    int n = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound && !f->IsBye() && AddCard(doc, f))
            ++n;
    }
    return n;
}

int BuildTeamResults(CBowlingDoc& doc, const CTeam* pTeam, int nFirst, int nLast)
{
    ClearDisplay(doc);
    if (!pTeam)
        return 0;
    int n = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound > nLast)
            break;   // the list is in round order
        if (f->m_nRound < nFirst || f->IsBye())
            continue;
        const bool bPlays = (f->m_nTeamA == pTeam->m_nTeamNo && f->m_bPlayed[0]) ||
                            (f->m_nTeamB == pTeam->m_nTeamNo && f->m_bPlayed[1]);
        if (bPlays && AddCard(doc, f))
            ++n;
    }
    return n;
}

CString TeamResultsTitle(const CTeam* pTeam)
{
    CString title;
    title.Format("Results for %s", pTeam ? pTeam->m_strName.GetString() : "");
    return title;
}

BOOL ChooseRoundResults(CBowlingDoc& doc, CString& strTitle)
{
    CSelectRoundDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_nRound = doc.m_nCurrentRound;
    dlg.m_bAllRounds = 1;
    if (dlg.DoModal() != IDOK || dlg.m_nRound == 0)
        return FALSE;
    BuildRoundResults(doc, static_cast<int>(dlg.m_nRound));
    strTitle.Format("Results for Round %u", dlg.m_nRound);
    return TRUE;
}

BOOL ChooseTeamResults(CBowlingDoc& doc, CString& strTitle)
{
    CTeam* pTeam = doc.SelectTeam();
    if (!pTeam)
        return FALSE;
    CRoundsDisplayedDlg rounds;
    rounds.m_nStartRound = 1;
    rounds.m_nLastRound = doc.m_nCurrentRound;
    if (rounds.DoModal() != IDOK)
        return FALSE;
    BuildTeamResults(doc, pTeam, rounds.m_nStartRound, rounds.m_nLastRound);
    strTitle = TeamResultsTitle(pTeam);
    return TRUE;
}
