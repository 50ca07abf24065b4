#include "league/BowlingDoc.h"

#include "league/Accounts.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Player.h"
#include "league/Team.h"
#include "league/Venue.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CBowlingDoc, CDocument)

BYTE CBowlingDoc::s_nFileVersion = LEAGUE_FILE_VERSION;
CObject* (*CBowlingDoc::s_pfnMakeScoreSheetPrototype)(CBowlingDoc* pDoc) = nullptr;
void (*CBowlingDoc::s_pfnOpenPlayerDb)(CBowlingDoc* pDoc) = nullptr;
void (*CBowlingDoc::s_pfnClosePlayerDb)(CBowlingDoc* pDoc) = nullptr;
void (*CBowlingDoc::s_pfnLeagueReadPlayerDb)(CBowlingDoc* pDoc) = nullptr;

namespace {

std::vector<CBowlingDoc::CommandSetFactory>& CommandSets()
{
    static std::vector<CBowlingDoc::CommandSetFactory> sets;
    return sets;
}

} // namespace

void CBowlingDoc::InstallCommandSet(CommandSetFactory pfnMake)
{
    auto& sets = CommandSets();
    if (pfnMake && std::find(sets.begin(), sets.end(), pfnMake) == sets.end())
        sets.push_back(pfnMake);
}

BOOL CBowlingDoc::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    if (CDocument::OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    const auto& sets = CommandSets();
    for (auto it = sets.rbegin(); it != sets.rend(); ++it)
        if ((*it)(this)->OnCmdMsg(nID, nCode, pCmdUI))
            return TRUE;
    return FALSE;
}

BOOL CBowlingDoc::HasCommandHandler(UINT nID) const
{
    if (CDocument::HasCommandHandler(nID))
        return TRUE;
    for (CommandSetFactory pfnMake : CommandSets())
        if (pfnMake(nullptr)->HasCommandHandler(nID))
            return TRUE;
    return FALSE;
}

namespace {

// The classes a league file names. Referring to each record here keeps its object file,
// and with it its registration, in every program that links the league library.
void RegisterLeagueClasses()
{
    static const CRuntimeClass* const classes[] = {
        RUNTIME_CLASS(CTeam),          RUNTIME_CLASS(CPlayer),         RUNTIME_CLASS(CFixture),
        RUNTIME_CLASS(CFreeWeek),      RUNTIME_CLASS(CVenue),          RUNTIME_CLASS(CBonusPts),
        RUNTIME_CLASS(CRobot),         RUNTIME_CLASS(CBlindScore),     RUNTIME_CLASS(CPetersenPoints),
        RUNTIME_CLASS(CFontData),      RUNTIME_CLASS(CAwards),         RUNTIME_CLASS(CAwardData),
        RUNTIME_CLASS(CAwardRestrictions), RUNTIME_CLASS(CAccountItemType), RUNTIME_CLASS(CAccountItem),
        RUNTIME_CLASS(CPaymentItem),   RUNTIME_CLASS(CJuniorCategory), RUNTIME_CLASS(CJuniorReport),
    };
    for (const CRuntimeClass* p : classes)
        CRuntimeClass::Register(p);
}

void DeleteAll(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

void DeleteAll(CObArray& arr)
{
    for (int i = 0; i < arr.GetSize(); ++i)
        delete arr[i];
    arr.RemoveAll();
}

// The byte key awards sort bowlers by: surname, "=", first name.
CString AwardNameKey(const CBowlingDoc* pDoc, WORD nPlayerNo)
{
    const CPlayer* pPlayer = pDoc->FindPlayer(nPlayerNo);
    return pPlayer ? pPlayer->m_strSurname + "=" + pPlayer->m_strFirstName : CString();
}

} // namespace

// The first bowler of each number, indexed by number (0 finds nobody): keeps the walks over
// every match slot linear in the league's size.
std::vector<CPlayer*> CBowlingDoc::PlayersByNumber(const CObList& players)
{
    WORD nMax = 0;
    for (POSITION pos = players.GetHeadPosition(); pos;)
        nMax = std::max(nMax, static_cast<const CPlayer*>(players.GetNext(pos))->m_nPlayerNo);
    std::vector<CPlayer*> byNumber(static_cast<size_t>(nMax) + 1, nullptr);
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(players.GetNext(pos));
        if (p->m_nPlayerNo && !byNumber[p->m_nPlayerNo])
            byNumber[p->m_nPlayerNo] = p;
    }
    return byNumber;
}

void CBowlingDoc::TeamsByNumber(const CObList& teams, CTeam* teamByNumber[256])
{
    // The first team of each number, as FindTeam gives; fixtures hold 8-bit numbers.
    for (POSITION pos = teams.GetTailPosition(); pos;) {
        auto* t = static_cast<CTeam*>(teams.GetPrev(pos));
        if (t->m_nTeamNo > 0 && t->m_nTeamNo < 256)
            teamByNumber[t->m_nTeamNo] = t;
    }
}

void CBowlingDoc::LinkFixture(CFixture* f, const std::vector<CPlayer*>& byNumber, CTeam* const teamByNumber[256])
{
    auto find = [&byNumber](WORD no) { return no && no < byNumber.size() ? byNumber[no] : nullptr; };
    f->m_pDoc = this;
    f->m_pTeamA = teamByNumber[f->m_nTeamA];
    f->m_pTeamB = teamByNumber[f->m_nTeamB];
    for (int g = 0; g < MAX_GAMES; ++g)
        for (int k = 0; k < SLOTS_PER_GAME; ++k)
            f->m_pPlayer[g][k] = find(f->m_wPlayerNo[g][k]);
    // Most matches have no substitute at all.
    const WORD* pPacers = &f->m_wPacerNo[0][0];
    if (std::any_of(pPacers, pPacers + MAX_GAMES * SLOTS_PER_GAME, [](WORD w) { return w != 0; })) {
        for (int g = 0; g < MAX_GAMES; ++g)
            for (int k = 0; k < SLOTS_PER_GAME; ++k)
                f->m_pPacer[g][k] = find(f->m_wPacerNo[g][k]);
    } else {
        std::fill(&f->m_pPacer[0][0], &f->m_pPacer[0][0] + MAX_GAMES * SLOTS_PER_GAME, nullptr);
    }
}

CBowlingDoc::CBowlingDoc()
    : m_pAwardRestrictions(new CAwardRestrictions), m_pScoreSheetPrototype(nullptr), m_pCurrentRepForm(nullptr),
      m_nDisplayMode(DISPLAY_STANDINGS), m_bSetupInProgress(0), m_bNewLeague(0), m_bHandicapPass(PASS_HANDICAP),
      m_nAverageLimit(199), m_bPastEnteringCutoff(0), m_bSplitsActive(0), m_nSplitCount(0), m_nCurrentSplit(0),
      m_bAllResultsEntered(0), m_nJuniorCount(0), m_nFloatingSubs(0), m_pFloatingSubsTeam(nullptr),
      m_pPseudoTeams{nullptr, nullptr, nullptr}, m_nMinGames{0, 0, 0, 0, 0}, m_nLeaguePins(0), m_nLeagueGames(0),
      m_pEditorItems(nullptr), m_nSelectedTeamIndex(0), m_pSelectedTeam(nullptr), m_bSpareTeam(0),
      m_pSpareTeam(nullptr)
{
    RegisterLeagueClasses();
    m_timeCurrent = CTime::GetCurrentTime();
    std::memset(m_nTeamsPerDivision, 0, sizeof m_nTeamsPerDivision);
    std::memset(m_nDivisionOffset, 0, sizeof m_nDivisionOffset);
    std::memset(m_nMatchesPerRound, 0, sizeof m_nMatchesPerRound);
    std::memset(m_nAllMatchesPerRound, 0, sizeof m_nAllMatchesPerRound);
    std::memset(m_nLaneTable, 0, sizeof m_nLaneTable);
    ResetSettings();
    if (s_pfnOpenPlayerDb)
        s_pfnOpenPlayerDb(this);
}

CBowlingDoc::~CBowlingDoc()
{
    if (s_pfnClosePlayerDb)
        s_pfnClosePlayerDb(this);
    DeleteContents();
    delete m_pAwardRestrictions;
    delete m_pScoreSheetPrototype;
}

void CBowlingDoc::DeleteDisplays()
{
    m_nDisplayMode = DISPLAY_STANDINGS;
    DeleteAll(m_listDisplayItems);
    DeleteAll(m_listTeamReportItems);
    DeleteAll(m_listGeneratedItems);
    DeleteAll(m_listScoreSheetItems);
    DeleteAll(m_listAccountsItems);
    DeleteAll(m_listTreasurerItems);
    DeleteAll(m_listJuniorItems);
    DeleteAll(m_listCaptainsItems);
}

void CBowlingDoc::ShowNewLeague()
{
    DeleteDisplays();
    UpdateAllViews(nullptr, HINT_NEW_LEAGUE);
}

void CBowlingDoc::DeleteRunTimeState()
{
    // Display items point into the league: they go first.
    DeleteDisplays();
    m_pEditorItems = nullptr;
    DeleteAll(m_arrBestPlayers);
    DeleteAll(m_arrBestTeams);
    m_arrSelectedPlayers.RemoveAll();
    m_arrSelectedTeams.RemoveAll();
    m_nSelectedTeamIndex = 0;
    m_pSelectedTeam = nullptr;
    m_bSpareTeam = 0;
    m_pSpareTeam = nullptr;
    delete m_pFloatingSubsTeam;
    m_pFloatingSubsTeam = nullptr;
    for (CTeam*& p : m_pPseudoTeams) {
        delete p;
        p = nullptr;
    }
    m_nFloatingSubs = 0;
    for (auto& kind : m_arrHighTables)
        for (auto& mask : kind)
            for (CWordArray& table : mask)
                table.RemoveAll();
    std::memset(m_nMatchesPerRound, 0, sizeof m_nMatchesPerRound);
    std::memset(m_nAllMatchesPerRound, 0, sizeof m_nAllMatchesPerRound);
    m_nJuniorCount = 0;
    m_bAllResultsEntered = 0;
    m_nLeaguePins = m_nLeagueGames = 0;
}

void CBowlingDoc::GetStoredLists(CObList* lists[STORED_LIST_COUNT])
{
    CObList* all[STORED_LIST_COUNT] = {
        &m_listRepForms,      &m_listFixtures,     &m_listFreeWeeks,     &m_listTeams,
        &m_listPlayers,       &m_listVenues,       &m_listBonusPts,      &m_listAwards,
        &m_listAwardData,     &m_listAwardDataByScore, &m_listAccountItems, &m_listPaymentItems,
        &m_listIncomeTypes,   &m_listExpenseTypes, &m_listJuniorCategories,
    };
    for (int i = 0; i < STORED_LIST_COUNT; ++i)
        lists[i] = all[i];
}

void CBowlingDoc::DeleteContents()
{
    DeleteRunTimeState();
    m_pCurrentRepForm = nullptr;
    CObList* lists[STORED_LIST_COUNT];
    GetStoredLists(lists);
    for (CObList* pList : lists)
        DeleteAll(*pList);
    m_arrMembershipTypes.RemoveAll();
    if (m_pAwardRestrictions)
        m_pAwardRestrictions->CopyFrom(CAwardRestrictions());
}

void CBowlingDoc::ResetSettings()
{
    static_cast<CLeagueSettings&>(*this) = CLeagueSettings();
    if (m_pAwardRestrictions)
        m_pAwardRestrictions->CopyFrom(CAwardRestrictions());
    // The style is made from the settings (its bowler lines), so after them.
    delete m_pScoreSheetPrototype;
    m_pScoreSheetPrototype = s_pfnMakeScoreSheetPrototype ? s_pfnMakeScoreSheetPrototype(this) : nullptr;
    m_arrPrototypeBytes.clear();
    UpdateAverageLimit();
    UpdateHandicapFactors();
    UpdateSplitState();
}

// ---------------------------------------------------------------- look-ups

CPlayer* CBowlingDoc::FindPlayer(WORD nPlayerNo) const
{
    if (nPlayerNo == 0)
        return nullptr;
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (p->m_nPlayerNo == nPlayerNo)
            return p;
    }
    return nullptr;
}

CTeam* CBowlingDoc::FindTeam(WORD nTeamNo) const
{
    if (nTeamNo == 0)
        return nullptr;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        auto* p = static_cast<CTeam*>(m_listTeams.GetNext(pos));
        if (p->m_nTeamNo == nTeamNo)
            return p;
    }
    return nullptr;
}

CFixture* CBowlingDoc::FindFixtureForTeam(WORD nTeamNo, int nRound) const
{
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* p = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        if (p->m_nRound == nRound && (p->m_nTeamA == nTeamNo || p->m_nTeamB == nTeamNo))
            return p;
    }
    return nullptr;
}

CFixture* CBowlingDoc::FindFixtureByRoundMatch(int nRound, int nMatch) const
{
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* p = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        if (p->m_nRound == nRound && p->m_nMatch == nMatch)
            return p;
    }
    return nullptr;
}

WORD CBowlingDoc::FindPlayerNumberByPin(WORD nEditedPlayerNo, WORD nPin) const
{
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (p->m_nPlayerNo != nEditedPlayerNo && p->m_nPin == nPin)
            return p->m_nPlayerNo;
    }
    return 0;
}

CPlayer* CBowlingDoc::FindPlayerByDbKey(DWORD dwKey) const
{
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (p->m_dwDbKey == dwKey)
            return p;
    }
    return nullptr;
}

CPlayer* CBowlingDoc::FindPlayerByRank(int nRank) const
{
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (static_cast<int>(p->m_nRank) == nRank)
            return p;
    }
    return nullptr;
}

CVenue* CBowlingDoc::FindVenue(BYTE nVenueNo) const
{
    for (POSITION pos = m_listVenues.GetHeadPosition(); pos;) {
        auto* p = static_cast<CVenue*>(m_listVenues.GetNext(pos));
        if (p->m_nVenueNo == nVenueNo)
            return p;
    }
    return nullptr;
}

CAwards* CBowlingDoc::FindAwardCategory(WORD nId) const
{
    for (POSITION pos = m_listAwards.GetHeadPosition(); pos;) {
        auto* p = static_cast<CAwards*>(m_listAwards.GetNext(pos));
        if (p->m_nId == nId)
            return p;
    }
    return nullptr;
}

CRobot* CBowlingDoc::GetRobot(int nRobot)
{
    return nRobot >= 1 && nRobot <= 4 ? &m_Robot[nRobot - 1] : nullptr;
}

const CRobot* CBowlingDoc::GetRobot(int nRobot) const
{
    return nRobot >= 1 && nRobot <= 4 ? &m_Robot[nRobot - 1] : nullptr;
}

CFontData* CBowlingDoc::GetDefaultFont(int nIndex)
{
    return nIndex >= 0 && nIndex < DEFAULT_FONT_COUNT ? &m_DefaultFonts[nIndex] : nullptr;
}

POSITION CBowlingDoc::GetFirstFixturePosition() const
{
    return m_listFixtures.GetHeadPosition();
}

BOOL CBowlingDoc::HasFullTeam(WORD nTeamNo) const
{
    const CTeam* pTeam = FindTeam(nTeamNo);
    if (!pTeam)
        return FALSE;
    // An order entry whose bowler is missing cannot be put into a line-up.
    int nFound = 0;
    for (int i = 0; i < pTeam->GetOrderCount(); ++i)
        if (FindPlayer(pTeam->GetOrderAt(i)))
            ++nFound;
    return nFound >= m_nPlayersPerTeam;
}

BOOL CBowlingDoc::HasBothScoringSystems() const
{
    return m_bHandicapLeague && m_bScratchLeague;
}

BOOL CBowlingDoc::IsLeagueSetUp() const
{
    return !m_listFixtures.IsEmpty() && m_nTeams + m_nExtraTeams == m_listTeams.GetCount();
}

int CBowlingDoc::CountActivePlayers() const
{
    int n = 0;
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (p->m_nRobot == 0 && !p->IsResigned())
            ++n;
    }
    return n;
}

void CBowlingDoc::GetSplitRounds(int nRound, int& nFirst, int& nLast) const
{
    nFirst = 1;
    nLast = 255;
    if (!m_bSplitsActive)
        return;
    if (m_bCustomSplits) {
        // The latest start reached, and the next one after it; a start out of order in a
        // damaged file only narrows the split.
        for (BYTE b : m_nCustomSplitStart) {
            if (b == 0)
                continue;
            if (b <= nRound)
                nFirst = std::max<int>(nFirst, b);
        }
        for (BYTE b : m_nCustomSplitStart)
            if (b > nFirst && b > nRound)
                nLast = std::min(nLast, b - 1);
        return;
    }
    if (m_bSplitSeason && m_nRoundsPerSplit > 0 && nRound > 0) {
        // Rounds past the last split's share still belong to the last split.
        int nSplit = (nRound - 1) / m_nRoundsPerSplit;
        const bool bLast = m_nSplits > 0 && nSplit >= m_nSplits - 1;
        if (bLast)
            nSplit = m_nSplits - 1;
        nFirst = nSplit * m_nRoundsPerSplit + 1;
        if (!bLast)
            nLast = nFirst + m_nRoundsPerSplit - 1;
    }
}

int CBowlingDoc::GetStatsRound() const
{
    int nFirst = 1, nLast = 255;
    GetSplitRounds(m_nCurrentRound, nFirst, nLast);
    return m_nCurrentRound - nFirst + 1;
}

BOOL CBowlingDoc::AreStandingsFinal() const
{
    const int nRound = m_nCurrentRound;
    int nFirst = 1, nLast = 255;
    GetSplitRounds(nRound, nFirst, nLast);
    if (nRound != std::min<int>(nLast, m_nRounds))
        return FALSE;
    return nRound < m_nRounds || m_bAllResultsEntered;
}

BOOL CBowlingDoc::ResetsHighScores() const
{
    return m_bSplitsActive && (m_bResetHiStatsEachSplit || m_bCompleteResetEachSplit);
}

BOOL CBowlingDoc::ResetsStandings() const
{
    return m_bSplitsActive && m_bCompleteResetEachSplit;
}

bool CBowlingDoc::ClipToHighScoreRounds(int& nFirst, int& nLast) const
{
    if (!ResetsHighScores())
        return true;
    int nSplitFirst = 1, nSplitLast = 255;
    GetSplitRounds(std::max<int>(m_nCurrentRound, 1), nSplitFirst, nSplitLast);
    if (nLast < nSplitFirst || nFirst > nSplitLast)
        return false;
    nFirst = std::max(nFirst, nSplitFirst);
    nLast = std::min(nLast, nSplitLast);
    return true;
}

int CBowlingDoc::GetNextPlayerNumber() const
{
    int n = 0;
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;)
        n = std::max<int>(n, static_cast<CPlayer*>(m_listPlayers.GetNext(pos))->m_nPlayerNo);
    return n + 1;
}

int CBowlingDoc::GetNextTeamNumber() const
{
    int n = 0;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;)
        n = std::max<int>(n, static_cast<CTeam*>(m_listTeams.GetNext(pos))->m_nTeamNo);
    return n + 1;
}

void CBowlingDoc::ClearHitRects()
{
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;)
        static_cast<CTeam*>(m_listTeams.GetNext(pos))->ClearHitRects();
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(m_listPlayers.GetNext(pos))->ClearHitRects();
}

// ---------------------------------------------------------------- list maintenance

void CBowlingDoc::AddTeam(CTeam* pTeam)
{
    pTeam->m_pDoc = this;
    m_listTeams.AddTail(pTeam);
}

void CBowlingDoc::AddPlayer(CPlayer* pPlayer)
{
    pPlayer->m_pDoc = this;
    m_listPlayers.AddTail(pPlayer);
}

void CBowlingDoc::AddFixture(CFixture* pFixture)
{
    pFixture->m_pDoc = this;
    if (pFixture->m_nGames == 0)
        pFixture->m_nGames = m_nGamesPerMatch;
    pFixture->m_pTeamA = FindTeam(pFixture->m_nTeamA);
    pFixture->m_pTeamB = FindTeam(pFixture->m_nTeamB);
    m_listFixtures.AddTail(pFixture);
}

void CBowlingDoc::AddAwardRecord(CAwardData* pRecord)
{
    pRecord->m_pDoc = this;
    const CString strKey = AwardNameKey(this, pRecord->m_nPlayerNo);
    for (POSITION pos = m_listAwardData.GetHeadPosition(); pos; m_listAwardData.GetNext(pos)) {
        auto* p = static_cast<CAwardData*>(m_listAwardData.GetAt(pos));
        bool bBefore = p->m_nCategory < pRecord->m_nCategory ||
                       (p->m_nCategory == pRecord->m_nCategory &&
                        (p->m_nRound < pRecord->m_nRound ||
                         (p->m_nRound == pRecord->m_nRound &&
                          std::strcmp(AwardNameKey(this, p->m_nPlayerNo), strKey) < 0)));
        if (!bBefore) {
            m_listAwardData.InsertBefore(pos, pRecord);
            return;
        }
    }
    m_listAwardData.AddTail(pRecord);
}

void CBowlingDoc::AddAwardRecordByScore(CAwardData* pRecord)
{
    pRecord->m_pDoc = this;
    const CString strKey = AwardNameKey(this, pRecord->m_nPlayerNo);
    // The list runs from the highest category and score down; pass the records that rank
    // above the new one.
    for (POSITION pos = m_listAwardDataByScore.GetHeadPosition(); pos; m_listAwardDataByScore.GetNext(pos)) {
        auto* p = static_cast<CAwardData*>(m_listAwardDataByScore.GetAt(pos));
        bool bAbove;
        if (p->m_nCategory != pRecord->m_nCategory)
            bAbove = p->m_nCategory > pRecord->m_nCategory;
        else if (p->m_nScore != pRecord->m_nScore)
            bAbove = p->m_nScore > pRecord->m_nScore;
        else if (p->m_nRound != pRecord->m_nRound)
            bAbove = p->m_nRound > pRecord->m_nRound;
        else
            bAbove = std::strcmp(AwardNameKey(this, p->m_nPlayerNo), strKey) > 0;
        if (!bAbove) {
            m_listAwardDataByScore.InsertBefore(pos, pRecord);
            return;
        }
    }
    m_listAwardDataByScore.AddTail(pRecord);
}

void CBowlingDoc::LinkFixtures()
{
    std::vector<CPlayer*> byNumber = PlayersByNumber(m_listPlayers);
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(m_listPlayers.GetNext(pos))->m_pDoc = this;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;)
        static_cast<CTeam*>(m_listTeams.GetNext(pos))->m_pDoc = this;
    CTeam* teamByNumber[256] = {};
    TeamsByNumber(m_listTeams, teamByNumber);
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;)
        LinkFixture(static_cast<CFixture*>(m_listFixtures.GetNext(pos)), byNumber, teamByNumber);
    for (POSITION pos = m_listAwardData.GetHeadPosition(); pos;)
        static_cast<CAwardData*>(m_listAwardData.GetNext(pos))->m_pDoc = this;
}

void CBowlingDoc::SetPlayerTeamsFromOrders()
{
    std::vector<CPlayer*> byNumber = PlayersByNumber(m_listPlayers);
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(m_listPlayers.GetNext(pos))->m_nTeamNo = 0;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        auto* t = static_cast<CTeam*>(m_listTeams.GetNext(pos));
        for (int i = 0; i < t->GetOrderCount(); ++i) {
            WORD no = t->GetOrderAt(i);
            if (no < byNumber.size() && byNumber[no])
                byNumber[no]->m_nTeamNo = t->m_nTeamNo;
        }
    }
}

void CBowlingDoc::CountMatchesPerRound()
{
    std::memset(m_nMatchesPerRound, 0, sizeof m_nMatchesPerRound);
    std::memset(m_nAllMatchesPerRound, 0, sizeof m_nAllMatchesPerRound);
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        ++m_nAllMatchesPerRound[f->m_nRound];
        if (!f->IsBye())
            ++m_nMatchesPerRound[f->m_nRound];
    }
}

int CLeagueSettings::FittedSplits(int nSplits, int nRoundsPerSplit, int nRounds)
{
    if (nRoundsPerSplit <= 0)
        return nSplits;
    const int nMost = nRounds / nRoundsPerSplit + (nRounds % nRoundsPerSplit != 0 ? 1 : 0);
    return std::max(std::min(nSplits, nMost), 2);
}

CLeagueSettings::CSplitsDropped CLeagueSettings::DropUnusableSplits()
{
    CSplitsDropped dropped;
    // Split 1 starts the season; a later split starting after the last round never comes.
    for (int i = 1; i < 12; ++i)
        if (!SplitStartFits(m_nCustomSplitStart[i], m_nRounds)) {
            dropped.starts.push_back(m_nCustomSplitStart[i]);
            m_nCustomSplitStart[i] = 0;
        }
    if (!SimpleSplitsUsable(m_nRoundsPerSplit, m_nRounds)) {
        dropped.bSimpleOff = m_bSplitSeason != 0;
        m_bSplitSeason = 0;
    } else if (m_bSplitSeason && m_nRounds > 0) {
        const BYTE nFitted = static_cast<BYTE>(FittedSplits(m_nSplits, m_nRoundsPerSplit, m_nRounds));
        if (nFitted != m_nSplits)
            dropped.nSplitsWere = m_nSplits;
        m_nSplits = nFitted;
    }
    if (!CustomSplitsUsable(m_nCustomSplitStart, m_nRounds)) {
        dropped.bCustomOff = m_bCustomSplits != 0;
        m_bCustomSplits = 0;
    }
    return dropped;
}

void CBowlingDoc::UpdateSplitState()
{
    m_bSplitsActive = 0;
    m_nSplitCount = 0;
    if (m_bSplitSeason) {
        m_bSplitsActive = 1;
        m_nSplitCount = m_nSplits;
    }
    if (m_bCustomSplits) {
        m_bSplitsActive = 1;
        for (BYTE b : m_nCustomSplitStart)
            if (b != 0)
                ++m_nSplitCount;
    }
}

void CBowlingDoc::AssignJuniorCategories()
{
    // A junior report on show is made again from what the juniors are now.
    if (CJuniorReport::RunState* pState = m_JuniorReport.m_pRunState) {
        pState->bRebuild = 1;
        pState->bJuniorsOrdered = 0;
    }
    m_nJuniorCount = 0;
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (p->m_nRobot == 0 && !p->IsResigned() && (p->m_wFlags & PF_JUNIOR))
            ++m_nJuniorCount;
    }
    if (m_listJuniorCategories.IsEmpty())
        return;
    const int nYear = m_timeJuniorQualifying.GetYear();
    const int nMonth = m_timeJuniorQualifying.GetMonth();
    const int nDay = m_timeJuniorQualifying.GetDay();
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        if (p->m_nRobot != 0 || p->IsResigned() || !(p->m_wFlags & PF_JUNIOR))
            continue;
        p->m_nJuniorCategory = 0;
        p->m_strJuniorCategory = "No Cat. for Age.";
        int nAge = p->JuniorAge(nYear, nMonth, nDay);
        if (nAge == 0)
            continue;
        for (POSITION c = m_listJuniorCategories.GetHeadPosition(); c;) {
            auto* pCat = static_cast<CJuniorCategory*>(m_listJuniorCategories.GetNext(c));
            if (pCat->m_nLowerAge <= nAge && pCat->m_nUpperAge >= nAge) {
                p->m_nJuniorCategory = pCat->m_nId;
                p->m_strJuniorCategory = pCat->m_strName;
                break;
            }
        }
    }
}

void CBowlingDoc::UpdateAverageLimit()
{
    m_nAverageLimit = m_bFivePinRules ? 249 : 199;
}

void CBowlingDoc::UpdateHandicapFactors()
{
    for (int i = 0; i < 4; ++i)
        m_dHcpFactor[i] = m_HcpRule[i].m_nPercent * 0.01;
    for (int i = 0; i < 5; ++i)
        m_dMinGamesFraction[i] = m_nQualifyingPct[i] * 0.01;
}

namespace {

int StandingsKeyShift(BOOL bHandicap, int nKey)
{
    return (bHandicap ? 20 : 8) - 4 * nKey;
}

} // namespace

int CBowlingDoc::GetStandingsKey(BOOL bHandicap, int nKey) const
{
    if (nKey < 0 || nKey > 2)
        return 0;
    return static_cast<int>((m_dwStandingsKeys >> StandingsKeyShift(bHandicap, nKey)) & 7);
}

void CBowlingDoc::SetStandingsKey(BOOL bHandicap, int nKey, int nValue)
{
    if (nKey < 0 || nKey > 2)
        return;
    int nShift = StandingsKeyShift(bHandicap, nKey);
    m_dwStandingsKeys = (m_dwStandingsKeys & ~(7u << nShift)) | (static_cast<DWORD>(nValue & 7) << nShift);
}

// ---------------------------------------------------------------- calculations

// Recalculate() is in BowlingDocRecalc.cpp.
