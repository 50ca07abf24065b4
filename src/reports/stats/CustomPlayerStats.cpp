#include "reports/stats/CustomPlayerStats.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "reports/stats/DesignCustomPlayerStatsDlg.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRepItem_CustomPlayerStats, CRepItem, 1)

void RegisterCustomPlayerStatsItems()
{
    CRuntimeClass::Register(RUNTIME_CLASS(CRepItem_PlayerItem));
    CRuntimeClass::Register(RUNTIME_CLASS(CRepItem_CustomPlayerStats));
}

namespace {
constexpr int kTeamHeadingExtra = 10;   // below a team's heading line
constexpr int kTeamRowHeadingExtra = 60;
constexpr int kHeaderExtra = 10;        // the ranked list's heading row
} // namespace

CRepItem_CustomPlayerStats::CRepItem_CustomPlayerStats()
    : m_bEmbedded(0), m_nKind(PK_HANDICAP), m_nLayout(1), m_nRankKey(PRK_AVERAGE),
      m_wGroupMask(GROUP_MALE | GROUP_FEMALE | GROUP_JUNIOR), m_bListByTeam(0), m_nGap(0), m_bDesignPending(0),
      m_bSubsOnly(0), m_bTeamAverages(0), m_nTeamTotalStyle(TTS_AVERAGE_OF_FIRST), m_nEntries(0),
      m_pTeams{nullptr, nullptr, nullptr}, m_pPlayers{nullptr, nullptr, nullptr}, m_nListNos{0, 0, 0}
{
    m_nType = RIT_CUSTOM_PLAYER_STATS;
}

CRepItem_CustomPlayerStats::~CRepItem_CustomPlayerStats()
{
    DeleteColumns();
}

void CRepItem_CustomPlayerStats::DeleteColumns()
{
    for (CRepItem_PlayerItem* p : m_arrColumns)
        delete p;
    m_arrColumns.clear();
}

// --- the stored record ------------------------------------------------------------------

void CRepItem_CustomPlayerStats::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        const BYTE nTeamByte = static_cast<BYTE>((m_bListByTeam ? 1 : 0) | ((m_nGap & 0x7F) << 1));
        const BYTE nLayoutByte = static_cast<BYTE>((m_nLayout & 0x03) | ((m_nTeamTotalStyle & 0x1F) << 2) |
                                                   (m_bTeamAverages ? 0x80 : 0));
        const WORD wGroups = static_cast<WORD>((m_wGroupMask & 0x0FFF) | (m_bSubsOnly ? 0x1000 : 0));
        ar << m_nKind << nTeamByte << nLayoutByte << m_nRankKey << wGroups;
        ar.WriteCount(static_cast<DWORD>(m_arrColumns.size()));
        for (CRepItem_PlayerItem* p : m_arrColumns)
            ar.WriteObject(p);
    } else {
        BYTE nTeamByte = 0, nLayoutByte = 0;
        WORD wGroups = 0;
        ar >> m_nKind >> nTeamByte >> nLayoutByte >> m_nRankKey >> wGroups;
        m_bListByTeam = nTeamByte & 1;
        m_nGap = static_cast<BYTE>(nTeamByte >> 1);
        m_nLayout = nLayoutByte & 0x03;
        if (m_nLayout > 2)
            m_nLayout = 0;
        m_nTeamTotalStyle = static_cast<BYTE>((nLayoutByte >> 2) & 0x1F);
        m_bTeamAverages = (nLayoutByte & 0x80) ? 1 : 0;
        m_wGroupMask = wGroups & 0x0FFF;
        m_bSubsOnly = (wGroups & 0x1000) ? 1 : 0;
        DeleteColumns();
        const DWORD n = ar.ReadCount(2);
        for (DWORD i = 0; i < n; ++i) {
            CObject* pOb = ar.ReadOwnedObject(RUNTIME_CLASS(CRepItem_PlayerItem));
            auto* pColumn = dynamic_cast<CRepItem_PlayerItem*>(pOb);
            if (!pColumn) {
                delete pOb;
                throw CArchiveException(CArchiveException::badClass, "A custom player table column is damaged.");
            }
            pColumn->m_pDoc = m_pDoc;
            m_arrColumns.push_back(pColumn);
        }
    }
    m_fontHeading.Serialize(ar);
    m_fontDetail.Serialize(ar);
}

void CRepItem_CustomPlayerStats::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    const auto* p = dynamic_cast<const CRepItem_CustomPlayerStats*>(&other);
    if (!p || p == this)
        return;
    for (int b = 0; b < MAX_BLOCKS; ++b) {
        m_pTeams[b] = p->m_pTeams[b];
        m_pPlayers[b] = p->m_pPlayers[b];
        m_nListNos[b] = p->m_nListNos[b];
    }
    m_wGroupMask = p->m_wGroupMask;
    m_bTeamAverages = p->m_bTeamAverages;
    m_nTeamTotalStyle = p->m_nTeamTotalStyle;
    m_nKind = p->m_nKind;
    m_nLayout = p->m_nLayout;
    m_nRankKey = p->m_nRankKey;
    m_bListByTeam = p->m_bListByTeam;
    m_nGap = p->m_nGap;
    m_bSubsOnly = p->m_bSubsOnly;
    m_strTitle = p->m_strTitle;
    m_bDesignPending = p->m_bDesignPending;
    m_fontHeading.CopyFrom(p->m_fontHeading);
    m_fontDetail.CopyFrom(p->m_fontDetail);
    DeleteColumns();
    for (const CRepItem_PlayerItem* pColumn : p->m_arrColumns) {
        auto* pCopy = new CRepItem_PlayerItem;
        pCopy->CopyFrom(*pColumn);
        m_arrColumns.push_back(pCopy);
    }
}

int CRepItem_CustomPlayerStats::GetTotalWidth() const
{
    int n = 0;
    for (const CRepItem_PlayerItem* p : m_arrColumns)
        n += p->m_nWidth;
    return n;
}

// --- fonts, defaults and the designer ---------------------------------------------------------

void CRepItem_CustomPlayerStats::ApplyDefaultFonts()
{
    if (!m_pDoc || !m_pDoc->GetDefaultFont(4))
        return;
    const int nEntry = GetDefaultFontEntry();
    CFontData* pHeading = m_pDoc->GetDefaultFont(nEntry);
    CFontData* pDetail = m_pDoc->GetDefaultFont(nEntry + 1);
    if (pHeading && pDetail) {
        m_fontHeading.CopyFrom(*pHeading);
        m_fontDetail.CopyFrom(*pDetail);
    }
}

void CRepItem_CustomPlayerStats::SetDefaults()
{
    m_bDesignPending = 1;
    const BOOL bScratchOnly = m_pDoc && m_pDoc->m_bScratchLeague && !m_pDoc->m_bHandicapLeague;
    m_nKind = bScratchOnly ? PK_SCRATCH : PK_HANDICAP;
    m_bListByTeam = 1;
    SetDefaultDesign();
    // While the layout editor is open this is a table it adds, which keeps the plain heading.
    if (!m_pDoc || !m_pDoc->m_pEditorItems) {
        m_fontHeading.m_bBold = 1;
        m_fontHeading.m_nLineHeight = 0;
    }
}

void CRepItem_CustomPlayerStats::SetDefaultDesign()
{
    if (!m_bDesignPending)
        return;
    m_bDesignPending = 0;
    m_nGap = 5;
    DeleteColumns();
    ApplyDefaultFonts();

    struct ColumnDesign
    {
        BYTE nType;
        BYTE nWidth;          // handicap kind
        BYTE nScratchWidth;   // scratch kind; 0: the column is left out
        BYTE nJustify;
        const char* pszTitle;
    };
    const BYTE L = CRepItem_PlayerItem::JUSTIFY_LEFT;
    const BYTE R = CRepItem_PlayerItem::JUSTIFY_RIGHT;
    static const ColumnDesign single[] = {
        {PC_PIN, 3, 3, R, ""},
        {PC_SPACE, 1, 1, L, ""},
        {PC_NAME, 25, 33, L, "Name"},
        {PC_HANDICAP, 8, 0, R, "Hcp"},
        {PC_AVG_PLAYING, 7, 7, R, "Avg"},
        {PC_ENTERING_AVG, 7, 7, R, "Eavg"},
        {PC_DIFFERENCE, 6, 6, R, "Diff"},
        {PC_GAMES, 6, 6, R, "Gms"},
        {PC_SCRATCH_PINS, 8, 8, R, "Pins"},
        {PC_HIGH_GAME_HCP, 7, 0, R, "Hgh"},
        {PC_HIGH_GAME_SCR, 6, 13, R, "Hgs"},
        {PC_HIGH_SERIES_HCP, 7, 0, R, "Hsh"},
        {PC_HIGH_SERIES_SCR, 6, 13, R, "Hss"},
    };
    static const ColumnDesign twoColumns[] = {
        {PC_SPACE, 1, 1, L, ""},
        {PC_NAME, 35, 45, L, "Name"},
        {PC_HANDICAP, 10, 0, R, "Hcp"},
        {PC_AVG_INTEGER, 9, 9, R, "Avg"},
        {PC_GAMES, 10, 10, R, "Gms"},
        {PC_SCRATCH_PINS, 12, 12, R, "Pins"},
        {PC_HIGH_GAME_SCR, 10, 10, R, "Hgs"},
        {PC_HIGH_SERIES_SCR, 10, 10, R, "Hss"},
    };
    static const ColumnDesign threeColumns[] = {
        {PC_NAME, 46, 56, L, "Name"},
        {PC_HANDICAP, 10, 0, R, "Hcp"},
        {PC_AVG_PLAYING, 14, 14, R, "Avg"},
        {PC_GAMES, 10, 10, R, "Gs"},
        {PC_SCRATCH_PINS, 15, 15, R, "Pins"},
    };
    const ColumnDesign* pFirst = single;
    const ColumnDesign* pEnd = std::end(single);
    if (GetBlockCount() == 2) {
        pFirst = twoColumns;
        pEnd = std::end(twoColumns);
    } else if (GetBlockCount() == 3) {
        pFirst = threeColumns;
        pEnd = std::end(threeColumns);
    }
    const bool bScratch = m_nKind == PK_SCRATCH;
    for (const ColumnDesign* d = pFirst; d != pEnd; ++d) {
        const BYTE nWidth = bScratch ? d->nScratchWidth : d->nWidth;
        if (nWidth == 0)
            continue;
        auto* p = new CRepItem_PlayerItem;
        p->m_nColumnType = d->nType;
        p->m_nWidth = nWidth;
        p->m_nJustify = d->nJustify;
        p->m_strTitle = d->pszTitle;
        p->m_pDoc = m_pDoc;
        m_arrColumns.push_back(p);
    }
}

void CRepItem_CustomPlayerStats::Edit()
{
    CRepItem_CustomPlayerStats saved;
    saved.CopyFrom(*this);
    // "Make Default" writes the league's default fonts at once; Cancel puts them back too.
    constexpr int kFirstEntry = 4;
    constexpr int kEntries = 6;
    std::vector<CFontData> savedDefaults;
    for (int n = kFirstEntry; m_pDoc && n < kFirstEntry + kEntries; ++n)
        if (const CFontData* pFont = m_pDoc->GetDefaultFont(n))
            savedDefaults.push_back(*pFont);
    CDesignCustomPlayerStatsDlg dlg(this);
    if (dlg.DoModal() != IDOK) {
        CopyFrom(saved);
        for (size_t i = 0; i < savedDefaults.size(); ++i)
            m_pDoc->GetDefaultFont(kFirstEntry + static_cast<int>(i))->CopyFrom(savedDefaults[i]);
        return;
    }
    if (dlg.m_bMadeDefault && m_pDoc)
        m_pDoc->SetModifiedFlag();
    if (!dlg.m_bApplyToAll || m_bEmbedded || !m_pDoc || !m_pDoc->m_pEditorItems)
        return;
    for (POSITION pos = m_pDoc->m_pEditorItems->GetHeadPosition(); pos;) {
        auto* pOther = dynamic_cast<CRepItem_CustomPlayerStats*>(m_pDoc->m_pEditorItems->GetNext(pos));
        if (pOther && pOther != this) {
            pOther->m_fontHeading.CopyFrom(m_fontHeading);
            pOther->m_fontDetail.CopyFrom(m_fontDetail);
        }
    }
}

// --- expansion into rows ----------------------------------------------------------------------

CRepItem_CustomPlayerStats* CRepItem_CustomPlayerStats::MakeRow() const
{
    auto* pRow = new CRepItem_CustomPlayerStats;
    pRow->CopyFrom(*this);
    pRow->m_pDoc = m_pDoc;
    pRow->m_bTemporary = TEMP_SHOWING;
    pRow->m_nEntries = 0;
    for (int b = 0; b < MAX_BLOCKS; ++b) {
        pRow->m_pTeams[b] = nullptr;
        pRow->m_pPlayers[b] = nullptr;
        pRow->m_nListNos[b] = 0;
    }
    return pRow;
}

void CRepItem_CustomPlayerStats::Expand(CObList& list)
{
    if (!m_pDoc)
        return;
    if (m_bListByTeam)
        ExpandByTeam(list);
    else
        ExpandRanked(list);
}

void CRepItem_CustomPlayerStats::ExpandRanked(CObList& list)
{
    CBowlingDoc& doc = *m_pDoc;
    const int nPlaces = doc.CountActivePlayers();
    const BOOL bHandicap = m_nKind != PK_SCRATCH;
    // The pinfall ranking follows the pass selector: it is set to the table's kind for the
    // ranking and given back afterwards.
    const DWORD bPass = doc.m_bHandicapPass;
    doc.m_bHandicapPass = bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    switch (GetEffectiveRankKey()) {
    case PRK_PINFALL: doc.RankPlayersByPinfall(nPlaces, 0xFFFF, 0, 0); break;
    case PRK_WINS:
        if (bHandicap)
            doc.RankPlayersByHandicapWins(nPlaces, 0xFFFF, 0, 0, 0);
        else
            doc.RankPlayersByScratchWins(nPlaces, 0xFFFF, 0, 0, 0);
        break;
    case PRK_HIGH_GAME_HCP: doc.RankPlayersByHighGameHcp(nPlaces, 0xFFFF, 0, 0); break;
    case PRK_HIGH_GAME_SCR: doc.RankPlayersByHighGameScratch(nPlaces, 0xFFFF, 0, 0); break;
    case PRK_HIGH_SERIES_HCP: doc.RankPlayersByHighSeriesHcp(nPlaces, 0xFFFF, 0, 0); break;
    case PRK_HIGH_SERIES_SCR: doc.RankPlayersByHighSeriesScratch(nPlaces, 0xFFFF, 0, 0); break;
    case PRK_GAMES_OVER_AVERAGE: doc.RankPlayersByGamesOverAverage(bHandicap, nPlaces, 0xFFFF, 0, 0); break;
    case PRK_DIFFERENCE: doc.RankPlayersByImprovementOnEntering(bHandicap, nPlaces, 0xFFFF, 0, 0); break;
    case PRK_SURNAME: doc.NumberPlayersAlphabetically(); break;
    default: doc.RankPlayersByAverage(bHandicap, nPlaces, 0xFFFF, 0, 0); break;
    }
    doc.m_bHandicapPass = bPass;

    // The first bowler of the player list holding each rank, found in one walk.
    const int nPlayers = doc.m_listPlayers.GetCount();
    std::vector<CPlayer*> byRank(static_cast<size_t>(nPlayers) + 1, nullptr);
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (p->m_nRank >= 1 && p->m_nRank <= static_cast<DWORD>(nPlayers) && !byRank[p->m_nRank])
            byRank[p->m_nRank] = p;
    }
    // All three group bits take every bowler, one without a group bit too, as the rankings do.
    const WORD wGroups = m_wGroupMask & PF_CATEGORY_MASK;
    std::vector<CPlayer*> taken;
    for (int r = 1; r <= nPlayers; ++r) {
        CPlayer* p = byRank[static_cast<size_t>(r)];
        if (!p || p->IsRobot() || p->IsResigned())
            continue;
        if (wGroups != PF_CATEGORY_MASK && !(p->m_wFlags & wGroups))
            continue;
        taken.push_back(p);
        p->m_nListNo = static_cast<DWORD>(taken.size());
    }

    // Newspaper fashion: the first blocks take one more when the bowlers do not divide evenly.
    const int B = GetBlockCount();
    const int T = static_cast<int>(taken.size());
    int nStart[MAX_BLOCKS] = {};
    int nSize[MAX_BLOCKS] = {};
    for (int b = 0, nAt = 0; b < B; ++b) {
        nStart[b] = nAt;
        nSize[b] = T / B + (b < T % B ? 1 : 0);
        nAt += nSize[b];
    }
    for (int i = 0; i < nSize[0]; ++i) {
        CRepItem_CustomPlayerStats* pRow = MakeRow();
        for (int b = 0; b < B && i < nSize[b]; ++b) {
            CPlayer* p = taken[static_cast<size_t>(nStart[b] + i)];
            pRow->m_pPlayers[b] = p;
            pRow->m_nListNos[b] = static_cast<int>(p->m_nListNo);
            pRow->m_nEntries = b + 1;
        }
        list.AddTail(pRow);
    }
}

void CRepItem_CustomPlayerStats::ExpandByTeam(CObList& list)
{
    CBowlingDoc& doc = *m_pDoc;
    const int B = GetBlockCount();
    CRepItem_CustomPlayerStats* pRow = MakeRow();
    auto addTeam = [&](CTeam* pTeam) {
        pRow->m_pTeams[pRow->m_nEntries++] = pTeam;
        if (pRow->m_nEntries == B) {
            list.AddTail(pRow);
            pRow = MakeRow();
        }
    };
    if (!m_bSubsOnly) {
        for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
            auto* pTeam = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos));
            if (!pTeam->m_bFolded && !pTeam->IsRemoved())
                addTeam(pTeam);
        }
        if (doc.m_bFloatingSubsAsTeam && doc.m_pFloatingSubsTeam)
            addTeam(doc.m_pFloatingSubsTeam);
    } else {
        doc.BuildFloatingSubsForStats(static_cast<DWORD>(B - 1));
        for (int b = 0; b < B; ++b)
            if (doc.m_pPseudoTeams[b])
                addTeam(doc.m_pPseudoTeams[b]);
    }
    if (pRow->m_nEntries > 0)
        list.AddTail(pRow);
    else
        delete pRow;
}

// --- teams, their bowlers and the team-average figures -----------------------------------------

CPlayer* CRepItem_CustomPlayerStats::NextBowler(const CTeam* pTeam, int& nCursor) const
{
    if (!m_pDoc)
        return nullptr;
    while (nCursor < pTeam->GetOrderCount()) {
        CPlayer* p = m_pDoc->FindPlayer(pTeam->GetOrderAt(nCursor++));
        if (p && !p->IsRobot())
            return p;
    }
    return nullptr;
}

std::vector<CPlayer*> CRepItem_CustomPlayerStats::ActiveBowlers(const CTeam* pTeam, int nFirst) const
{
    std::vector<CPlayer*> bowlers;
    if (!m_pDoc)
        return bowlers;
    const int n = std::min(nFirst, pTeam->GetOrderCount());
    for (int i = 0; i < n; ++i) {
        CPlayer* p = m_pDoc->FindPlayer(pTeam->GetOrderAt(i));
        if (p && !p->IsRobot())
            bowlers.push_back(p);
    }
    return bowlers;
}

int CRepItem_CustomPlayerStats::CountRowLines() const
{
    int L = 0;
    for (CTeam* pTeam : m_pTeams)
        if (pTeam)
            L = std::max(L, pTeam->PackActivePlayers());
    return L;
}

double CRepItem_CustomPlayerStats::AverageOf(CPlayer* pPlayer) const
{
    return pPlayer->GetAverage(m_nKind != PK_SCRATCH, m_pDoc ? m_pDoc->m_nEnteringAvgGames : 0);
}

std::vector<CPlayer*> CRepItem_CustomPlayerStats::ChooseTopBowlers(CTeam* pTeam, BOOL bClearMarks)
{
    const int A = pTeam->PackActivePlayers();
    int K = std::min<int>(A, m_pDoc ? m_pDoc->m_nPlayersPerTeam : A);
    std::vector<CPlayer*> bowlers;
    for (int i = 0; i < A && m_pDoc; ++i) {
        CPlayer* p = m_pDoc->FindPlayer(pTeam->GetOrderAt(i));
        if (!p)
            continue;
        if (bClearMarks)
            p->m_bCountedInTeamTotal = 0;
        if (!p->IsRobot())
            bowlers.push_back(p);
    }
    std::stable_sort(bowlers.begin(), bowlers.end(), [](const CPlayer* a, const CPlayer* b) {
        return a->GetEnteringAverage(TRUE) > b->GetEnteringAverage(TRUE);
    });
    K = std::min(K, static_cast<int>(bowlers.size()));
    if (K <= 0)
        return {};
    auto isFemale = [](const CPlayer* p) { return (p->m_wFlags & PF_FEMALE) != 0; };
    if (std::none_of(bowlers.begin(), bowlers.begin() + K, isFemale)) {
        auto it = std::find_if(bowlers.begin() + K, bowlers.end(), isFemale);
        if (it != bowlers.end())
            bowlers[static_cast<size_t>(K - 1)] = *it;
    }
    bowlers.resize(static_cast<size_t>(K));
    return bowlers;
}

long CRepItem_CustomPlayerStats::GetTeamEnteringAverageTotal(CTeam* pTeam, int nStyle, int& nCount)
{
    nCount = 0;
    if (!pTeam || !m_pDoc)
        return 0;
    if (nStyle == TTS_TOP_MALE_FEMALE) {
        long nTotal = 0;
        for (CPlayer* p : ChooseTopBowlers(pTeam, TRUE)) {
            p->m_bCountedInTeamTotal = 1;
            nTotal += p->GetEnteringAverage(TRUE) / 10;
            ++nCount;
        }
        return nTotal;
    }
    const int A = pTeam->PackActivePlayers();
    const int K = std::min<int>(A, m_pDoc->m_nPlayersPerTeam);
    long nSum = 0;
    for (CPlayer* p : ActiveBowlers(pTeam, K)) {
        nSum += p->GetEnteringAverage(TRUE);
        ++nCount;
    }
    return nCount ? nSum / nCount : 0;
}

long CRepItem_CustomPlayerStats::GetTeamAverageTotal(CTeam* pTeam, int nStyle, int& nCount)
{
    nCount = 0;
    if (!pTeam || !m_pDoc)
        return 0;
    if (nStyle == TTS_TOP_MALE_FEMALE) {
        long nTotal = 0;
        for (CPlayer* p : ChooseTopBowlers(pTeam, FALSE)) {
            nTotal += static_cast<long>(AverageOf(p));
            ++nCount;
        }
        return nTotal;
    }
    const int A = pTeam->PackActivePlayers();
    const int K = std::min<int>(A, m_pDoc->m_nPlayersPerTeam);
    const std::vector<CPlayer*> bowlers = ActiveBowlers(pTeam, K);
    if (nStyle == TTS_TEAM_AVERAGE) {
        long nTotal = 0;
        for (CPlayer* p : bowlers)
            nTotal += p->m_nAverage;
        nCount = K;
        return nTotal;
    }
    const int nSet = m_pDoc->m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH;
    long long nPins = 0, nGames = 0;
    for (CPlayer* p : bowlers) {
        nPins += p->m_nPins[nSet];
        nGames += p->m_nGames[nSet];
    }
    nCount = static_cast<int>(bowlers.size());
    return nGames ? static_cast<long>(nPins * 10 / nGames) : 0;
}

CString CRepItem_CustomPlayerStats::GetTeamAverageText(CTeam* pTeam)
{
    // A style beyond the three (from a damaged file) reads as the first.
    const int nStyle = m_nTeamTotalStyle <= TTS_TEAM_AVERAGE ? int(m_nTeamTotalStyle) : int(TTS_AVERAGE_OF_FIRST);
    int nCount = 0;
    const long a = GetTeamEnteringAverageTotal(pTeam, nStyle, nCount);
    const long v = GetTeamAverageTotal(pTeam, nStyle, nCount);
    CString s;
    if (nCount == 0)
        s = "0 players";
    else if (nStyle == TTS_TOP_MALE_FEMALE)
        s.Format("Eavg %3ld (%d players)", a, nCount);
    else if (nStyle == TTS_TEAM_AVERAGE)
        s.Format("Team Average %3ld (1st %d players)", v, nCount);
    else
        s.Format("Eavg %3ld, Avg %3ld (%d players)", a, v, nCount);
    return s;
}

// --- height, drawing and HTML ---------------------------------------------------------------

int CRepItem_CustomPlayerStats::GetHeight(CDC* pDC)
{
    if (m_bListByTeam && !IsRow())
        return 0;
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    if (m_bListByTeam) {
        const int L = CountRowLines() + (m_bTeamAverages ? 1 : 0);
        int h = m_fontDetail.GetLineHeight(0) * L + m_fontHeading.GetLineHeight(kTeamRowHeadingExtra);
        if (m_nGap != 0)
            h += m_nGap * -1440 / 100;
        return h;
    }
    return IsRow() ? m_fontDetail.GetLineHeight(0) : m_fontHeading.GetLineHeight(kHeaderExtra);
}

void CRepItem_CustomPlayerStats::PrepareColumn(CRepItem_PlayerItem& column, int x, int y, BOOL bHeader,
                                               CFont* pFont) const
{
    column.m_x = x;
    column.m_y = y;
    column.m_pDoc = m_pDoc;
    column.m_bHeader = bHeader;
    column.m_nWidthTwips = GetBlockWidth() / 100 * column.m_nWidth;
    column.m_nKind = m_nKind;
    column.m_bTeamMode = m_bListByTeam;
    column.m_font.CopyFrom(bHeader ? m_fontHeading : m_fontDetail);
    column.m_pFontObject = pFont;
}

void CRepItem_CustomPlayerStats::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    const bool bPrinting = pDC->IsPrinting() != FALSE;
    CFont fontHeading;
    CFont fontDetail;
    CreateItemFont(fontHeading, m_fontHeading,
                   bPrinting ? "Major system error. Unable to create printer Font for Custom Player Stats Hddr."
                             : "Major system error. Unable to create screen Font for Custom Player Stats Hddr.");
    CreateItemFont(fontDetail, m_fontDetail,
                   bPrinting ? "Major system error. Unable to create printer Font for Custom Player Stats Dets."
                             : "Major system error. Unable to create screen Font for Custom Player Stats Dets.");
    CItemDrawState state(pDC);
    const int B = GetBlockCount();
    const int W = GetBlockWidth();

    if (!m_bListByTeam) {
        const BOOL bHeader = !IsRow();
        for (int b = 0; b < B; ++b) {
            int x = m_x + b * W;
            for (CRepItem_PlayerItem* pColumn : m_arrColumns) {
                PrepareColumn(*pColumn, x, m_y, bHeader, bHeader ? &fontHeading : &fontDetail);
                pColumn->m_pPlayer = m_pPlayers[b];
                pColumn->m_nListNo = m_nListNos[b];
                pColumn->m_pTeam = m_pTeams[b];
                pColumn->m_bMark = 0;
                if (pColumn->m_nColumnType != PC_SPACE)
                    pColumn->Draw(pDC, nullptr);
                x += pColumn->m_nWidthTwips;
            }
        }
        return;
    }
    if (!IsRow())
        return;

    int y = m_y;
    for (int b = 0; b < B; ++b) {
        int x = m_x + b * W;
        for (CRepItem_PlayerItem* pColumn : m_arrColumns) {
            PrepareColumn(*pColumn, x, y, TRUE, &fontHeading);
            pColumn->m_pPlayer = nullptr;
            pColumn->m_pTeam = m_pTeams[b];
            pColumn->m_bMark = 0;
            if (pColumn->m_nColumnType != PC_SPACE)
                pColumn->Draw(pDC, nullptr);
            x += pColumn->m_nWidthTwips;
        }
    }
    y += m_fontHeading.GetLineHeight(kTeamHeadingExtra);

    const int L = CountRowLines();
    const BOOL bMark = m_bTeamAverages && m_nTeamTotalStyle == TTS_TOP_MALE_FEMALE;
    if (bMark) {
        // Mark the counted bowlers before their names are drawn.
        for (int b = 0; b < B; ++b) {
            int n = 0;
            GetTeamEnteringAverageTotal(m_pTeams[b], TTS_TOP_MALE_FEMALE, n);
            GetTeamAverageTotal(m_pTeams[b], TTS_TOP_MALE_FEMALE, n);
        }
    }
    int nActive[MAX_BLOCKS] = {};
    int nTaken[MAX_BLOCKS] = {};
    int nCursor[MAX_BLOCKS] = {};
    for (int b = 0; b < B; ++b)
        nActive[b] = m_pTeams[b] ? m_pTeams[b]->PackActivePlayers() : 0;
    for (int l = 0; l < L; ++l) {
        for (int b = 0; b < B; ++b) {
            if (!m_pTeams[b])
                continue;
            CPlayer* pBowler = nullptr;
            if (nTaken[b] < nActive[b]) {
                pBowler = NextBowler(m_pTeams[b], nCursor[b]);
                ++nTaken[b];
            }
            int x = m_x + b * W;
            for (CRepItem_PlayerItem* pColumn : m_arrColumns) {
                PrepareColumn(*pColumn, x, y, FALSE, &fontDetail);
                pColumn->m_pPlayer = pBowler;
                pColumn->m_nListNo = 0;
                pColumn->m_pTeam = m_pTeams[b];
                pColumn->m_bMark = bMark;
                if (pColumn->m_nColumnType != PC_SPACE)
                    pColumn->Draw(pDC, nullptr);
                x += pColumn->m_nWidthTwips;
            }
        }
        y += m_fontDetail.GetLineHeight(0);
    }

    if (m_bTeamAverages) {
        // In the detail font and the colour the page had before the table.
        pDC->SelectObject(&fontDetail);
        for (int b = 0; b < B; ++b) {
            if (!m_pTeams[b])
                continue;
            CPoint pt(m_x + b * W, y);
            DrawTextClipped(pDC, &pt, GetTeamAverageText(m_pTeams[b]), 0);
        }
    }
}

void CRepItem_CustomPlayerStats::WriteHtml(CStdioFile& file)
{
    const int B = GetBlockCount();
    if (!m_bListByTeam) {
        const BOOL bHeader = !IsRow();
        file.WriteString("<TR>");
        for (int b = 0; b < B; ++b) {
            for (CRepItem_PlayerItem* pColumn : m_arrColumns) {
                PrepareColumn(*pColumn, m_x, m_y, bHeader, nullptr);
                pColumn->m_pPlayer = m_pPlayers[b];
                pColumn->m_nListNo = m_nListNos[b];
                pColumn->m_pTeam = m_pTeams[b];
                pColumn->m_bMark = 0;
                pColumn->WriteHtml(file);
            }
        }
        file.WriteString("</TR>\n");
        return;
    }
    const int L = CountRowLines();
    if (L == 0)
        return;
    file.WriteString("<TR>");
    for (int b = 0; b < B; ++b) {
        for (CRepItem_PlayerItem* pColumn : m_arrColumns) {
            PrepareColumn(*pColumn, m_x, m_y, TRUE, nullptr);
            pColumn->m_pPlayer = nullptr;
            pColumn->m_pTeam = m_pTeams[b];
            pColumn->m_bMark = 0;
            pColumn->WriteHtml(file);
        }
    }
    file.WriteString("</TR>\n");
    int nActive[MAX_BLOCKS] = {};
    int nTaken[MAX_BLOCKS] = {};
    int nCursor[MAX_BLOCKS] = {};
    for (int b = 0; b < B; ++b)
        nActive[b] = m_pTeams[b] ? m_pTeams[b]->PackActivePlayers() : 0;
    for (int l = 0; l < L; ++l) {
        file.WriteString("<TR>");
        for (int b = 0; b < B; ++b) {
            CPlayer* pBowler = nullptr;
            if (m_pTeams[b] && nTaken[b] < nActive[b]) {
                pBowler = NextBowler(m_pTeams[b], nCursor[b]);
                ++nTaken[b];
            }
            for (CRepItem_PlayerItem* pColumn : m_arrColumns) {
                PrepareColumn(*pColumn, m_x, m_y, FALSE, nullptr);
                pColumn->m_pPlayer = pBowler;
                pColumn->m_nListNo = 0;
                pColumn->m_pTeam = m_pTeams[b];
                pColumn->m_bMark = 0;
                pColumn->WriteHtml(file);
            }
        }
        file.WriteString("</TR>\n");
    }
}
