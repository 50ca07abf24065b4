// File > New over a set-up league, based on it: the next season keeps the league's details,
// rules, bowlers, teams, layouts and venues, and starts again with a new schedule.
#include "admin/LeagueNames.h"
#include "admin/NewLeagueDlg.h"
#include "admin/NewLeagueTeamsDlg.h"
#include "league/Accounts.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Player.h"
#include "league/SeasonRounds.h"
#include "league/Team.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

template <class T>
void DeleteAllOf(CObList& list)
{
    while (!list.IsEmpty())
        delete static_cast<T*>(list.RemoveHead());
}

template <class T>
void KeepOrDelete(CObList& list, const char* pszAsk)
{
    if (!list.IsEmpty() && AfxMessageBox(pszAsk, MB_YESNO) != IDYES)
        DeleteAllOf<T>(list);
}

// The games and pins a bowler's entering average is worked from, kept so that Entering Averages
// can offer it again. Pins past what the file's 16 bits hold are kept as fewer games and pins
// of the same average to the tenth.
void KeepEnteringFigures(CPlayer& player, unsigned long long nGames, unsigned long long nPins)
{
    if (nGames > 0xFFFF || nPins > 0xFFFF) {
        const unsigned long long nTenths = nGames ? nPins * 10 / nGames : 0;
        const unsigned long long nUnits = nTenths ? 0xFFFF / nTenths : 0xFFFF / 10;
        nGames = nUnits * 10;
        nPins = nUnits * nTenths;
    }
    player.m_nEnteringGames = static_cast<WORD>(nGames);
    player.m_nEnteringPins = static_cast<WORD>(nPins);
}

// The games and pins of the set a bowler's entering average comes from: the one with more
// games, the scratch set on equal counts.
struct SeasonFigures {
    DWORD nGames = 0;
    DWORD nPins = 0;
};

// Every match played in the season, up to its last round, worked as the league's figures are
// worked at that round; the current round is left there, as the new season sets its own.
std::unordered_map<const CPlayer*, SeasonFigures> WorkTheSeasonThatEnds(CBowlingDoc& doc)
{
    BYTE nLastRound = doc.m_nCurrentRound;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
        nLastRound = std::max(nLastRound, static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos))->m_nRound);
    doc.m_nCurrentRound = nLastRound;
    doc.Recalculate();
    std::unordered_map<const CPlayer*, SeasonFigures> figures;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos));
        const int nSet = p->m_nGames[PASS_HANDICAP] > p->m_nGames[PASS_SCRATCH] ? PASS_HANDICAP : PASS_SCRATCH;
        figures[p] = {p->m_nGames[nSet], p->m_nPins[nSet]};
    }
    return figures;
}

} // namespace

void CBowlingDoc::NewLeagueFromCurrent()
{
    CNewLeagueSetupDlg notice;
    if (notice.DoModal() != IDOK)
        return;

    const int nOldRounds = m_nTeams >= 2 ? static_cast<int>(m_listFixtures.GetCount()) / (m_nTeams / 2) : 0;
    const int nQualifyingGames = static_cast<int>(m_nQualifyingPct[0] * nOldRounds * m_nGamesPerMatch * 0.01);

    CNewLeagueDlg dlg;
    dlg.m_pDoc = this;
    // Texts no entry matches, so the combos keep what the dialog selects from the counts.
    dlg.m_strTeams = "No. of teams";
    dlg.m_strPlayers = "Players/team";
    dlg.m_bScratch = m_bScratchLeague ? 1 : 0;
    dlg.m_bHandicap = m_bHandicapLeague ? 1 : 0;
    LoadLeagueNames(*this, dlg, dlg.m_strSanctionId);
    dlg.m_bPrivacy = m_bPrivacy ? 1 : 0;
    dlg.m_nTeams = m_nTeams;
    dlg.m_nPlayers = m_nPlayersPerTeam;
    dlg.m_nMaxPlayers = m_nMaxPlayersPerTeam;
    dlg.m_bPyramid = m_bPyramidScoring ? 1 : 0;
    dlg.m_nGamesIndex = std::max(m_nGamesPerMatch - 1, 0);
    const int nOldTeams = static_cast<int>(m_listTeams.GetCount());
    if (dlg.DoModal() != IDOK)
        return;
    const int nNewTeams = dlg.m_nTeams;

    // The teams offered: the league's, and new ones numbered on after them. Nothing else of the
    // league changes until they are chosen, so a cancel takes only the new ones away again.
    const DWORD bSetupBefore = m_bSetupInProgress;
    m_bSetupInProgress = 1;
    for (int k = nOldTeams + 1; k <= nNewTeams; ++k) {
        CString strName;
        strName.Format("Team%04d", k);
        AddTeam(new CTeam(strName, static_cast<WORD>(k)));
    }
    CNewLeagueTeamsDlg teams;
    teams.m_pDoc = this;
    teams.m_nTarget = nNewTeams;
    teams.m_nAvailable = std::max(nOldTeams, nNewTeams);
    if (teams.DoModal() != IDOK) {
        while (m_listTeams.GetCount() > nOldTeams)
            delete static_cast<CTeam*>(m_listTeams.RemoveTail());
        m_bSetupInProgress = bSetupBefore;
        UpdateAllViews(nullptr);
        return;
    }

    // From here the command runs to its end. The season that ends is every match played in it,
    // whatever round the secretary last worked to: its figures are worked under its own rules
    // before anything of it changes.
    const std::unordered_map<const CPlayer*, SeasonFigures> ended = WorkTheSeasonThatEnds(*this);
    // Its pages and selections point into the teams and bowlers, some of which go.
    DeleteRunTimeState();

    m_nGamesPerMatch = static_cast<BYTE>(dlg.m_nGamesIndex + 1);
    StoreLeagueNames(dlg, dlg.m_strSanctionId, *this);
    // The box is on the dialog: what the secretary ticks there is kept.
    m_bPrivacy = dlg.m_bPrivacy ? 1 : 0;
    m_nPlayersPerTeam = static_cast<BYTE>(dlg.m_nPlayers);
    m_nTeams = static_cast<BYTE>(nNewTeams);
    m_nMaxPlayersPerTeam = static_cast<BYTE>(dlg.m_nMaxPlayers);
    m_bPyramidScoring = dlg.m_bPyramid ? 1 : 0;
    m_bScratchLeague = dlg.m_bScratch ? 1 : 0;
    m_bHandicapLeague = dlg.m_bHandicap ? 1 : 0;
    // The points a match can give follow the games and players just chosen.
    UpdateMaxMatchPoints();
    SetModifiedFlag();

    m_nExtraTeams = 0;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        auto* pTeam = static_cast<CTeam*>(m_listTeams.GetNext(pos));
        pTeam->m_pDoc = this;
        pTeam->m_bRemoved = 0;
        pTeam->m_bOmitHiTeamStats = 0;
        pTeam->m_bOmitStandings = 0;
        pTeam->m_nVacancyStartRound = 0;
    }

    // The new season follows on from the rounds of the one that ends.
    const CRoundVenues venues(*this);
    DeleteAllOf<CFixture>(m_listFixtures);
    DeleteAllOf<CFreeWeek>(m_listFreeWeeks);

    std::vector<CTeam*> chosen;
    for (WORD nTeamNo : teams.m_arrChosen)
        if (CTeam* pTeam = FindTeam(nTeamNo); pTeam && std::find(chosen.begin(), chosen.end(), pTeam) == chosen.end())
            chosen.push_back(pTeam);

    // The bowlers of the teams left out leave the league with them.
    std::vector<CTeam*> dropped;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        auto* pTeam = static_cast<CTeam*>(m_listTeams.GetNext(pos));
        if (std::find(chosen.begin(), chosen.end(), pTeam) != chosen.end())
            continue;
        dropped.push_back(pTeam);
        for (int i = 0; i < pTeam->GetOrderCount(); ++i)
            if (CPlayer* pPlayer = FindPlayer(pTeam->GetOrderAt(i))) {
                pPlayer->m_nTeamNo = 0;
                pPlayer->m_wFlags |= PF_RESIGNED;
            }
    }
    m_listTeams.RemoveAll();
    for (CTeam* pTeam : dropped)
        delete pTeam;
    // The officials' teams follow their teams to the new numbers.
    BYTE nSecretaryTeam = 0, nTreasurerTeam = 0;
    for (size_t i = 0; i < chosen.size(); ++i) {
        CTeam* pTeam = chosen[i];
        if (pTeam->m_nTeamNo == m_nSecretaryTeam && m_nSecretaryTeam != 0)
            nSecretaryTeam = static_cast<BYTE>(i + 1);
        if (pTeam->m_nTeamNo == m_nTreasurerTeam && m_nTreasurerTeam != 0)
            nTreasurerTeam = static_cast<BYTE>(i + 1);
        pTeam->m_nTeamNo = static_cast<WORD>(i + 1);
        AddTeam(pTeam);
        for (int j = 0; j < pTeam->GetOrderCount(); ++j)
            if (CPlayer* pPlayer = FindPlayer(pTeam->GetOrderAt(j)))
                pPlayer->m_nTeamNo = pTeam->m_nTeamNo;
    }

    m_nSecretaryTeam = nSecretaryTeam;
    m_nTreasurerTeam = nTreasurerTeam;

    // Every bowler starts with the average of the season that ends.
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* pPlayer = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        const auto it = ended.find(pPlayer);
        const SeasonFigures figures = it != ended.end() ? it->second : SeasonFigures{};
        WORD nAverage = 0;
        if (figures.nGames > m_nHcpMinGames && figures.nGames > 0)
            nAverage = static_cast<WORD>(std::min<unsigned long long>(
                static_cast<unsigned long long>(figures.nPins) * 10 / figures.nGames, 0xFFFF));
        pPlayer->SetEnteringAverage(nAverage);
        // A short season's games give no average, but the secretary is offered them.
        KeepEnteringFigures(*pPlayer, figures.nGames, figures.nPins);
        pPlayer->m_bShortSeason = static_cast<long long>(figures.nGames) < nQualifyingGames ? 1 : 0;
        if (pPlayer->m_nTeamNo > nNewTeams)
            pPlayer->m_nTeamNo = 0;
    }

    // The bowlers who stay are numbered 1.. in list order, closing the gaps the others leave.
    std::map<WORD, WORD> newNumber;
    CObList kept;
    WORD nNext = 0;
    while (!m_listPlayers.IsEmpty()) {
        auto* pPlayer = static_cast<CPlayer*>(m_listPlayers.RemoveHead());
        if (pPlayer->m_nTeamNo == 0) {
            delete pPlayer;
            continue;
        }
        newNumber.emplace(pPlayer->m_nPlayerNo, ++nNext);
        pPlayer->m_nPlayerNo = nNext;
        kept.AddTail(pPlayer);
    }
    m_listPlayers.AddTail(&kept);
    for (CTeam* pTeam : chosen) {
        const auto it = newNumber.find(pTeam->m_nCaptain);
        pTeam->m_nCaptain = it != newNumber.end() ? it->second : 0;
        CWordArray order;
        for (int i = 0; i < pTeam->GetOrderCount(); ++i)
            if (const auto found = newNumber.find(pTeam->GetOrderAt(i)); found != newNumber.end())
                order.Add(found->second);
        pTeam->m_arrTeamOrder.Copy(order);
    }

    if (m_bPyramidScoring && m_strPyramid.GetLength() != m_listTeams.GetCount()) {
        m_strPyramid.Empty();
        for (int k = static_cast<int>(m_listTeams.GetCount()); k >= 1; --k)
            m_strPyramid += static_cast<char>(k);
    }

    if (!BuildFixtureList()) {
        // No fixture list, no rounds to split: the old season's splits would head its pages.
        m_nRounds = 0;
        m_bSplitSeason = m_bCustomSplits = 0;
    }
    LinkFixtures();
    const std::vector<int> noVenue = venues.Give(*this, 1, 255, true);
    // The split settings of the season that ends, by the rule a league file is read by.
    FitSplitsToRounds();
    CountMatchesPerRound();
    m_nCurrentRound = 1;
    Recalculate();
    CRoundVenues::SayNoVenue(noVenue);

    DeleteAllOf<CAwardData>(m_listAwardData);
    DeleteAllOf<CAccountItem>(m_listAccountItems);
    KeepOrDelete<CAccountItemType>(m_listIncomeTypes, "Retain old Income Items?");
    KeepOrDelete<CAccountItemType>(m_listExpenseTypes, "Retain old Expense Items?");
    KeepOrDelete<CPaymentItem>(m_listPaymentItems, "Retain old 'weekly payments' Items?");

    SetModifiedFlag();
    m_bSetupInProgress = 0;
    ShowNewLeague();
}
