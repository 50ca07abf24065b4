#include "reports/layout/PointsTableItems.h"

#include "league/BowlingDoc.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/OfficersItem.h"

IMPLEMENT_DYNAMIC(CRepItem_LeaguePoints, CRepItem)
IMPLEMENT_DYNAMIC(CRepItem_HandicapTable, CRepItem)

[[maybe_unused]] const bool s_bLeagueDetailsInstalled = (g_pfnBuildLeagueDetails = BuildLeagueDetailsItems, true);

namespace {

constexpr int kRow = 200;
constexpr int kLabelX = 1440;
constexpr int kTableLeft = 1080;
constexpr int kTableStep = 1440;

// A rule without its minimum or maximum; a value of -300 says the same in older leagues.
bool HasNoMinimum(const CHandicapRule& rule)
{
    return !rule.m_bApplyMin || rule.m_nMin == -300;
}

bool HasNoMaximum(const CHandicapRule& rule)
{
    return !rule.m_bApplyMax || static_cast<short>(rule.m_nMax) == -300;
}

const CHandicapRule* RuleOfCategory(const CBowlingDoc* pDoc, WORD nCategory)
{
    switch (nCategory) {
    case CRepItem_HandicapTable::CAT_JUNIOR: return &pDoc->m_HcpRule[HCP_RULE_JUNIORS];
    case CRepItem_HandicapTable::CAT_FEMALE: return &pDoc->m_HcpRule[HCP_RULE_WOMEN];
    case CRepItem_HandicapTable::CAT_MALE: return &pDoc->m_HcpRule[HCP_RULE_MEN];
    case CRepItem_HandicapTable::CAT_ALL: return &pDoc->m_HcpRule[HCP_RULE_ALL];
    default: return nullptr;
    }
}

const char* CategoryWord(WORD nCategory)
{
    switch (nCategory) {
    case CRepItem_HandicapTable::CAT_JUNIOR: return "Junior ";
    case CRepItem_HandicapTable::CAT_FEMALE: return "Female ";
    case CRepItem_HandicapTable::CAT_MALE: return "Male ";
    default: return "All Bowler ";
    }
}

// The handicap table's places: calls fn(average, x, row) for each average listed, row 0 being
// the first line below the heading; returns the number of times the walk went to a new line.
template <typename Fn>
int WalkTable(Fn fn)
{
    int x = kTableLeft;
    int nRow = 0;
    int nBreaks = 0;
    for (int nAvg = CRepItem_HandicapTable::FIRST_AVERAGE; nAvg <= CRepItem_HandicapTable::LAST_AVERAGE; ++nAvg) {
        fn(nAvg, x, nRow);
        x += kTableStep;
        if (x + 720 > PAGE_RIGHT) {
            x = kTableLeft;
            ++nRow;
            ++nBreaks;
        }
    }
    return nBreaks;
}

void DrawAt(CDC* pDC, int x, int y, const CString& text)
{
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, text, 0);
}

void DrawRightAt(CDC* pDC, int x, int y, const CString& text)
{
    CPoint pt(x, y);
    DrawTextRightAligned(pDC, &pt, text, 0);
}

} // namespace

// --- league points ----------------------------------------------------------------------------

CRepItem_LeaguePoints::CRepItem_LeaguePoints() : m_bHandicap(0)
{
    m_nType = RIT_LEAGUE_POINTS;
    m_nPage = 1;
}

void CRepItem_LeaguePoints::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_LeaguePoints*>(&other))
        m_bHandicap = p->m_bHandicap;
}

int CRepItem_LeaguePoints::GetHeight(CDC* /*pDC*/)
{
    if (!m_pDoc)
        return 0;
    const CPointsRule& rule = m_bHandicap ? m_pDoc->m_HcpPoints : m_pDoc->m_ScrPoints;
    int nRows = 3 + (rule.m_bIndividual ? 2 : 0) + (rule.m_bTeam ? 2 : 0);
    return -kRow * nRows;
}

void CRepItem_LeaguePoints::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc)
        return;
    CItemDrawState state(pDC);
    CStockFonts* pFonts = GetStockFonts(pDC);
    const CPointsRule& rule = m_bHandicap ? m_pDoc->m_HcpPoints : m_pDoc->m_ScrPoints;
    int nGames = m_pDoc->m_nGamesPerMatch < 1 ? 1 : m_pDoc->m_nGamesPerMatch > 4 ? 4 : m_pDoc->m_nGamesPerMatch;
    int y = m_y;
    pDC->SelectObject(&pFonts->m_fontSmallBold);
    DrawAt(pDC, PAGE_LEFT, y, m_bHandicap ? "Handicap Points." : "Scratch Points.");
    pDC->SelectObject(&pFonts->m_fontSmall);

    auto drawPair = [&](const char* pszGame, const BYTE* pGames, const char* pszSeries, BYTE nSeries) {
        y -= kRow;
        DrawAt(pDC, kLabelX, y, pszGame);
        CString values;
        values.Format("%d", pGames[0] / 2);
        for (int g = 1; g < nGames; ++g) {
            CString more;
            more.Format(", %d", pGames[g] / 2);
            values += more;
        }
        DrawRightAt(pDC, PAGE_CENTRE, y, values);
        y -= kRow;
        DrawAt(pDC, kLabelX, y, pszSeries);
        CString series;
        series.Format("%d", nSeries / 2);
        DrawRightAt(pDC, PAGE_CENTRE, y, series);
    };
    if (rule.m_bIndividual)
        drawPair("Individual - Points per game", rule.m_nIndividualGame, "Individual - Points per series",
                 rule.m_nIndividualSeries);
    if (rule.m_bTeam)
        drawPair("Team - Points per game", rule.m_nTeamGame, "Team - Points per series", rule.m_nTeamSeries);
    y -= kRow;
    DrawAt(pDC, kLabelX, y, m_bHandicap ? "Total points per MATCH - Handicap" : "Total points per MATCH - Scratch");
    CString total;
    total.Format("%ld", static_cast<long>((m_bHandicap ? m_pDoc->m_nMaxHandicapPoints : m_pDoc->m_nMaxScratchPoints) / 2));
    DrawRightAt(pDC, PAGE_CENTRE, y, total);
}

// --- handicap table ---------------------------------------------------------------------------

CRepItem_HandicapTable::CRepItem_HandicapTable() : m_nCategory(0)
{
    m_nType = RIT_HANDICAP_TABLE;
    m_nPage = 1;
}

void CRepItem_HandicapTable::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_HandicapTable*>(&other))
        m_nCategory = p->m_nCategory;
}

CString CRepItem_HandicapTable::GetHeadingText() const
{
    const CHandicapRule* pRule = m_pDoc ? RuleOfCategory(m_pDoc, m_nCategory) : nullptr;
    if (!pRule)
        return CString();
    CString text = CategoryWord(m_nCategory);
    CString part;
    part.Format("Handicap = %d%% of %d,", pRule->m_nPercent, pRule->m_nBasis);
    text += part;
    if (HasNoMinimum(*pRule))
        part = "  No Minimum,";
    else
        part.Format("  Minimum = %d,", pRule->m_nMin);
    text += part;
    if (HasNoMaximum(*pRule))
        part = "  No Maximum.";
    else
        part.Format("  Maximum = %d.", pRule->m_nMax);
    return text + part;
}

int CRepItem_HandicapTable::GetHeight(CDC* /*pDC*/)
{
    if (!m_pDoc || !RuleOfCategory(m_pDoc, m_nCategory))
        return -kRow;
    // The heading, the rows of averages and a row of space under them.
    int nRows = 2 + WalkTable([](int, int, int) {});
    return (nRows + 1) * -kRow;
}

void CRepItem_HandicapTable::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || !RuleOfCategory(m_pDoc, m_nCategory))
        return;
    CItemDrawState state(pDC);
    CStockFonts* pFonts = GetStockFonts(pDC);
    pDC->SelectObject(&pFonts->m_fontSmallBold);
    DrawAt(pDC, kTableLeft, m_y, GetHeadingText());
    pDC->SelectObject(&pFonts->m_fontSmall);
    const int yTop = m_y - kRow;
    WalkTable([&](int nAvg, int x, int nRow) {
        int nHcp = m_pDoc->CalcHandicap(nAvg, m_nCategory, 999);
        CString text;
        text.Format("%d : %d", nAvg, nHcp);
        DrawAt(pDC, x, yTop - nRow * kRow, text);
    });
}

// --- the rules part of the league details ----------------------------------------------------

void AppendLeagueRulesItems(CBowlingDoc* pDoc, CObList& list, DWORD nTemporary)
{
    auto add = [&](CRepItem* pItem) {
        pItem->m_pDoc = pDoc;
        pItem->m_x = PAGE_LEFT;
        pItem->m_bTemporary = nTemporary;
        list.AddTail(pItem);
    };
    if (pDoc->m_bHandicapLeague) {
        auto* p = new CRepItem_LeaguePoints;
        p->m_bHandicap = 1;
        add(p);
    }
    if (pDoc->m_bScratchLeague)
        add(new CRepItem_LeaguePoints);
    if (!pDoc->m_bHandicapLeague)
        return;
    auto addTable = [&](WORD nCategory) {
        auto* p = new CRepItem_HandicapTable;
        p->m_nCategory = nCategory;
        add(p);
    };
    if (pDoc->m_bOneRuleForAll) {
        addTable(CRepItem_HandicapTable::CAT_ALL);
        return;
    }
    if (pDoc->m_bMenRule)
        addTable(CRepItem_HandicapTable::CAT_MALE);
    if (pDoc->m_bWomenRule)
        addTable(CRepItem_HandicapTable::CAT_FEMALE);
    if (pDoc->m_bJuniorsRule)
        addTable(CRepItem_HandicapTable::CAT_JUNIOR);
}

void BuildLeagueDetailsItems(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return;
    auto* pOfficers = new CRepItem_Officers;
    pOfficers->m_pDoc = pDoc;
    pOfficers->m_x = PAGE_LEFT;
    pOfficers->m_bTemporary = TEMP_SHOWING;
    pOfficers->ApplyDefaultFonts();
    pDoc->m_listDisplayItems.AddTail(pOfficers);
    AppendLeagueRulesItems(pDoc, pDoc->m_listDisplayItems, TEMP_SHOWING);
}
