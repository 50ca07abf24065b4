// The scoresheet's command buttons: Played is in ScoresheetDlg.cpp; here Change Date Played,
// Subs, Blinds, Exclude, Awards, New Player and Points, the same in every size.
#include <memory>

#include "admin/PlayerSetup.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "results/BlindScoresDlg.h"
#include "results/EnterAwardDlg.h"
#include "results/EnterDateTimeDlg.h"
#include "results/ExcludeGamesDlg.h"
#include "results/PointsAnalysisDlg.h"
#include "results/ScoresheetDlg.h"
#include "results/SubstitutesDlg.h"

namespace {

std::unique_ptr<CSubstitutesDlg> MakeSubstitutesDlg(int nPositions)
{
    switch (nPositions) {
    case 5: return std::make_unique<CFivesSubstitutesDlg>();
    case 4: return std::make_unique<CFoursSubstitutesDlg>();
    case 3: return std::make_unique<CThreesSubstitutesDlg>();
    case 2: return std::make_unique<CDoublesSubstitutesDlg>();
    default: return nullptr;
    }
}

std::unique_ptr<CBlindScoresDlg> MakeBlindScoresDlg(int nPositions)
{
    switch (nPositions) {
    case 5: return std::make_unique<CFivesBlindScoresDlg>();
    case 4: return std::make_unique<CFoursBlindScoresDlg>();
    case 3: return std::make_unique<CThreesBlindScoresDlg>();
    case 2: return std::make_unique<CDoublesBlindScoresDlg>();
    default: return std::make_unique<CSinglesBlindScoresDlg>();
    }
}

std::unique_ptr<CPointsAnalysisDlg> MakePointsAnalysisDlg(int nPositions)
{
    switch (nPositions) {
    case 5: return std::make_unique<CFivesPointsAnalysisDlg>();
    case 4: return std::make_unique<CFoursPointsAnalysisDlg>();
    case 3: return std::make_unique<CThreesPointsAnalysisDlg>();
    case 2: return std::make_unique<CDoublesPointsAnalysisDlg>();
    default: return nullptr;
    }
}

}  // namespace

void CScoresheetDlg::OnChangeDatePlayed(int nSide)
{
    CFixture& f = *m_pFixture;
    if (!f.m_bPlayed[nSide]) {
        AfxMessageBox("This match has not been played yet!");
        return;
    }
    CEnterDateTimeDlg dlg;
    // A side ticked without a date of its own starts from the date it was due.
    dlg.m_time = f.GetDayBowled(nSide);
    dlg.m_strLine2 = nSide == 0 ? m_strTeamA : m_strTeamB;
    if (dlg.DoModal() != IDOK)
        return;
    const int nOther = 1 - nSide;
    CTime& timeSide = nSide == 0 ? m_timePlayedA : m_timePlayedB;
    CTime& timeOther = nSide == 0 ? m_timePlayedB : m_timePlayedA;
    if (dlg.m_bBothTeams) {
        f.m_timePlayed[nOther] = dlg.m_time;
        timeOther = dlg.m_time;
    }
    f.m_timePlayed[nSide] = dlg.m_time;
    timeSide = dlg.m_time;
    // Recalculate brings each side to the figures of its day.
    Recalculate();
    RefreshDisplay();
}

void CScoresheetDlg::OnSubs(int nSide)
{
    // Substitutions offers each bowler's handicap as it stands on the side's own day.
    m_working.FiguresOfSide(nSide);
    if (IsSingles()) {
        if (!SubstitutePosition(*this, nSide, 0))
            return;
    } else {
        std::unique_ptr<CSubstitutesDlg> dlg = MakeSubstitutesDlg(m_nPositions);
        dlg->m_strTeam = nSide == 0 ? m_strTeamA : m_strTeamB;
        dlg->m_pFixture = m_pFixture;
        dlg->m_pScoresheet = this;
        dlg->m_pDoc = m_pDoc;
        dlg->m_bSideA = nSide == 0;
        dlg->DoModal();
    }
    // A substitute from outside the team is offered in his position's list from now on.
    RefillPlayerCombos();
    Recalculate();
    RefreshDisplay();
}

void CScoresheetDlg::OnBlinds(int nSide)
{
    std::unique_ptr<CBlindScoresDlg> dlg = MakeBlindScoresDlg(m_nPositions);
    dlg->m_pFixture = m_pFixture;
    dlg->m_nGames = LeagueGames();
    dlg->m_bSideA = nSide == 0;
    dlg->m_strTeam = nSide == 0 ? m_strTeamA : m_strTeamB;
    CFixture& f = *m_pFixture;
    DWORD dwWas[SCORESHEET_MAX_POSITIONS] = {};
    for (int p = 0; p < m_nPositions; ++p) {
        dlg->m_strBowler[p] = nSide == 0 ? m_strPlayerA[p] : m_strPlayerB[p];
        dwWas[p] = f.m_dwPosFlags[CFixture::SlotOf(nSide, p)];
    }
    dlg->DoModal();
    // A paced game no longer blind is the pacer's again: his score goes back in its cell,
    // not the blind score it held.
    for (int p = 0; p < m_nPositions; ++p)
        for (int g = 0; g < 4; ++g) {
            const int k = CFixture::SlotOf(nSide, p);
            if ((dwWas[p] & PosBlind(g)) && f.IsCellPaced(g, k)) {
                f.m_nScore[g][k] = f.m_nPacerScore[g][k];
                ScoreMember(nSide, p, g) = f.m_nScore[g][k];
            }
        }
    Recalculate();
    RefreshDisplay();
}

void CScoresheetDlg::OnExcludeButton(UINT nID)
{
    const UINT* ids = m_nPositions == 5 ? IDC_SS_EXCLUDE_FIVES : IDC_SS_EXCLUDE;
    if (nID == ids[0])
        OnExcludeA();
    else if (nID == ids[1])
        OnExcludeB();
}

void CScoresheetDlg::OnExclude(int nSide)
{
    // The marks touch only the high figures, which the sheet does not show.
    CExcludeGamesDlg dlg;
    dlg.m_pDoc = m_pDoc;
    dlg.m_pFixture = m_pFixture;
    dlg.m_bSideA = nSide == 0;
    dlg.DoModal();
}

void CScoresheetDlg::OnAwards()
{
    if (m_pDoc->m_listAwards.IsEmpty()) {
        AfxMessageBox(m_nPositions == 5 ? "No Manual Awards have been defined yet." : "No Awards have been defined yet.");
        return;
    }
    int nManual = 0;
    for (POSITION pos = m_pDoc->m_listAwards.GetHeadPosition(); pos;) {
        const auto* pAward = static_cast<const CAwards*>(m_pDoc->m_listAwards.GetNext(pos));
        if (pAward->m_nKind == CAwards::kindManual && !pAward->m_bDeleted)
            ++nManual;
    }
    if (nManual == 0) {
        AfxMessageBox("No Manual Awards have been defined yet.");
        return;
    }
    CEnterAwardDlg dlg;
    dlg.m_pDoc = m_pDoc;
    dlg.m_pFixture = m_pFixture;
    if (dlg.DoModal() != IDOK || !dlg.m_pPlayer || !dlg.m_pAward)
        return;
    auto* pRecord = new CAwardData(static_cast<WORD>(m_pDoc->m_listAwardData.GetCount() + 1));
    pRecord->m_nRound = m_pFixture->m_nRound;
    pRecord->m_nMatch = m_pFixture->m_nMatch;
    pRecord->m_nCategory = dlg.m_pAward->m_nId;
    pRecord->m_nPlayerNo = dlg.m_pPlayer->m_nPlayerNo;
    pRecord->m_nGame = static_cast<WORD>(dlg.m_nGame);
    m_pDoc->AddAwardRecord(pRecord);
    m_pDoc->SetModifiedFlag();
}

int (*g_pfnScoresheetAddNewPlayer)(CBowlingDoc* pDoc) = PlayerSetup::AddNewPlayers;

void CScoresheetDlg::OnNewPlayer()
{
    g_pfnScoresheetAddNewPlayer(m_pDoc);
    // Only the repeatable part of the opening: the layout and last round's line-up must not
    // be done twice.
    ReinitialisePlayers();
}

void CScoresheetDlg::OnPoints()
{
    if (!m_bPlayedA || !m_bPlayedB) {
        AfxMessageBox("Both teams have not played yet!");
        return;
    }
    std::unique_ptr<CPointsAnalysisDlg> dlg = MakePointsAnalysisDlg(m_nPositions);
    if (!dlg)
        return;
    dlg->m_pFixture = m_pFixture;
    dlg->m_pDoc = m_pDoc;
    dlg->DoModal();
}
