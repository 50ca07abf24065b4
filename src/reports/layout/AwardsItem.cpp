#include "reports/layout/AwardsItem.h"

#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "reports/layout/AwardsReportItemsDlg.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"

#include <set>
#include <utility>

IMPLEMENT_SERIAL(CRepItem_Awards, CRepItem, 1)
IMPLEMENT_DYNAMIC(CRepItem_AwardHeading, CRepItem)
IMPLEMENT_DYNAMIC(CRepItem_AwardLine, CRepItem)

namespace {

// Columns of the individual report, in twips.
constexpr int kNameX = 1152;
constexpr int kAwardX = 4032;
constexpr int kDateRight = 7920;
constexpr int kScoreRight = 9072;
constexpr int kAverageRight = 10080;
// The hi-award columns' x by the number used, and the caption's right edge from x.
constexpr int kColumnX[4][4] = {{4644}, {2724, 6564}, {972, 4644, 8316}, {720, 3384, 5904, 8568}};
constexpr int kCaptionWidth = 2232;
constexpr int kTableWidth[4] = {50, 80, 90, 100};

enum : BYTE {
    F1_INDIVIDUAL = 0x01,
    F1_ALL_AWARDS = 0x02,
    F1_TITLE = 0x04,
    F1_CURRENT_WEEK = 0x08,
    F1_NOT_USED = 0x10,  // shifted by the column
    F2_ALL_ROUNDS = 0x01,
    F2_FIRST_ONLY = 0x02,
    F2_HIGHEST_ONLY = 0x04,
};
constexpr WORD kExcludeResignedBit = 0x8000;

bool InCategoryMask(const CPlayer* p, WORD wMask)
{
    if ((wMask & PF_CATEGORY_MASK) == PF_CATEGORY_MASK)
        return true;
    return (p->m_wFlags & wMask & PF_CATEGORY_MASK) != 0;
}

CString CategoryName(const CBowlingDoc* pDoc, WORD nId, const char* pszMissing)
{
    const CAwards* c = pDoc ? pDoc->FindAwardCategory(nId) : nullptr;
    return c ? c->m_strName : CString(pszMissing);
}

CString BowlerName(const CBowlingDoc* pDoc, WORD nPlayerNo)
{
    const CPlayer* p = pDoc ? pDoc->FindPlayer(nPlayerNo) : nullptr;
    return p ? p->m_strName : CString();
}

// The room a line takes: its font's line height with 10 per cent added.
int LineOf(CDC* pDC, CFontData& font)
{
    EnsureLineHeight(pDC, font);
    return font.GetLineHeight(10);
}

using ItemText::Text;

// A row of the individual report: name, award, date, score, average.
void DrawAwardRow(CDC* pDC, int y, const CString (&texts)[5])
{
    Text(pDC, kNameX, y, texts[0], false);
    Text(pDC, kAwardX, y, texts[1], false);
    Text(pDC, kDateRight, y, texts[2], true);
    Text(pDC, kScoreRight, y, texts[3], true);
    Text(pDC, kAverageRight, y, texts[4], true);
}

} // namespace

// ---------------------------------------------------------------- CRepItem_Awards

CRepItem_Awards::CRepItem_Awards()
    : m_nColumnAward{}, m_nIndividualFilter(0), m_nColumnFilter{}, m_nIndividualAward(0), m_bAllAwards(1),
      m_bIndividual(1), m_bAllRounds(1), m_bFirstOnly(0), m_bHighestOnly(0), m_nRoundFrom(0), m_nRoundTo(0),
      m_nToList(3), m_bColumnNotUsed{}, m_bTitle(1), m_bCurrentWeek(0), m_bExcludeResigned(0)
{
    m_nType = RIT_AWARDS;
    m_nPage = 1;
}

void CRepItem_Awards::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        BYTE f1 = static_cast<BYTE>((m_bIndividual ? F1_INDIVIDUAL : 0) | (m_bAllAwards ? F1_ALL_AWARDS : 0) |
                                    (m_bTitle ? F1_TITLE : 0) | (m_bCurrentWeek ? F1_CURRENT_WEEK : 0));
        for (int c = 0; c < COLUMNS; ++c)
            if (m_bColumnNotUsed[c])
                f1 |= static_cast<BYTE>(F1_NOT_USED << c);
        const BYTE f2 = static_cast<BYTE>((m_bAllRounds ? F2_ALL_ROUNDS : 0) | (m_bFirstOnly ? F2_FIRST_ONLY : 0) |
                                          (m_bHighestOnly ? F2_HIGHEST_ONLY : 0));
        ar << m_nIndividualFilter;
        for (BYTE n : m_nColumnFilter)
            ar << n;
        for (WORD n : m_nColumnAward)
            ar << n;
        ar << m_nIndividualAward
           << static_cast<WORD>((m_nRoundFrom & ~kExcludeResignedBit) | (m_bExcludeResigned ? kExcludeResignedBit : 0))
           << m_nRoundTo << m_nToList << f1 << f2;
        if (ar.GetFileVersion() >= 41) {
            m_fontDetail.Serialize(ar);
            m_fontHeading.Serialize(ar);
        }
        return;
    }
    BYTE f1 = 0, f2 = 0;
    ar >> m_nIndividualFilter;
    for (BYTE& n : m_nColumnFilter)
        ar >> n;
    for (WORD& n : m_nColumnAward)
        ar >> n;
    ar >> m_nIndividualAward >> m_nRoundFrom >> m_nRoundTo >> m_nToList >> f1 >> f2;
    m_bExcludeResigned = (m_nRoundFrom & kExcludeResignedBit) ? 1 : 0;
    m_nRoundFrom &= static_cast<WORD>(~kExcludeResignedBit);
    m_bIndividual = (f1 & F1_INDIVIDUAL) ? 1 : 0;
    m_bAllAwards = (f1 & F1_ALL_AWARDS) ? 1 : 0;
    m_bTitle = (f1 & F1_TITLE) ? 1 : 0;
    m_bCurrentWeek = (f1 & F1_CURRENT_WEEK) ? 1 : 0;
    for (int c = 0; c < COLUMNS; ++c)
        m_bColumnNotUsed[c] = (f1 & (F1_NOT_USED << c)) ? 1 : 0;
    m_bAllRounds = (f2 & F2_ALL_ROUNDS) ? 1 : 0;
    m_bFirstOnly = (f2 & F2_FIRST_ONLY) ? 1 : 0;
    m_bHighestOnly = (f2 & F2_HIGHEST_ONLY) ? 1 : 0;
    if (ar.GetFileVersion() >= 41) {
        m_fontDetail.Serialize(ar);
        m_fontHeading.Serialize(ar);
    }
}

void CRepItem_Awards::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_Awards*>(&other))
        CopyFrom(*p);
}

void CRepItem_Awards::CopyFrom(const CRepItem_Awards& o)
{
    for (int c = 0; c < COLUMNS; ++c) {
        m_nColumnAward[c] = o.m_nColumnAward[c];
        m_nColumnFilter[c] = o.m_nColumnFilter[c];
        m_bColumnNotUsed[c] = o.m_bColumnNotUsed[c];
    }
    m_nIndividualFilter = o.m_nIndividualFilter;
    m_nIndividualAward = o.m_nIndividualAward;
    m_bAllAwards = o.m_bAllAwards;
    m_bIndividual = o.m_bIndividual;
    m_bAllRounds = o.m_bAllRounds;
    m_bFirstOnly = o.m_bFirstOnly;
    m_bHighestOnly = o.m_bHighestOnly;
    m_nRoundFrom = o.m_nRoundFrom;
    m_nRoundTo = o.m_nRoundTo;
    m_nToList = o.m_nToList;
    m_bTitle = o.m_bTitle;
    m_bCurrentWeek = o.m_bCurrentWeek;
    m_bExcludeResigned = o.m_bExcludeResigned;
    m_fontHeading.CopyFrom(o.m_fontHeading);
    m_fontDetail.CopyFrom(o.m_fontDetail);
}

void CRepItem_Awards::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, HEADING_FONT, m_fontHeading);
    CopyDefaultFont(m_pDoc, DETAIL_FONT, m_fontDetail);
}

void CRepItem_Awards::GetRoundRange(int& nFrom, int& nTo) const
{
    if (m_bCurrentWeek && m_pDoc) {
        // The title names the current round: the lines keep to it.
        nFrom = nTo = m_pDoc->m_nCurrentRound;
    } else if (m_bAllRounds) {
        nFrom = 0;
        nTo = 999;
    } else {
        nFrom = m_nRoundFrom;
        nTo = m_nRoundTo;
    }
}

CString CRepItem_Awards::GetIndividualTitle() const
{
    CString text = m_bAllAwards ? CString("All Awards  ") : CategoryName(m_pDoc, m_nIndividualAward, "") + "  ";
    CString part;
    part.Format("(%s)   Rnd ", GetCategoryAbbrev(m_nIndividualFilter));
    text += part;
    const int nCurrent = m_pDoc ? m_pDoc->m_nCurrentRound : 0;
    if (m_bCurrentWeek)
        part.Format("%d", nCurrent);
    else if (m_bAllRounds)
        part.Format("1 thru Rnd %d", nCurrent);
    else
        part.Format("%d thru Rnd %d", m_nRoundFrom, m_nRoundTo);
    return text + part;
}

std::vector<CAwardData*> CRepItem_Awards::SelectRecords() const
{
    std::vector<CAwardData*> taken;
    if (!m_pDoc)
        return taken;
    int nFrom = 0, nTo = 0;
    GetRoundRange(nFrom, nTo);
    const WORD wMask = GetCategoryMask(m_nIndividualFilter);
    const std::vector<CPlayer*> byNumber = CBowlingDoc::PlayersByNumber(m_pDoc->m_listPlayers);
    // Each bowler's categories already listed in this expansion.
    std::set<std::pair<WORD, WORD>> listed;
    const bool bOncePerCategory = m_bHighestOnly || m_bFirstOnly;
    const CObList& list = m_bHighestOnly ? m_pDoc->m_listAwardDataByScore : m_pDoc->m_listAwardData;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        auto* r = static_cast<CAwardData*>(list.GetNext(pos));
        if (r->m_nRound == 0 || r->m_nRound < nFrom || r->m_nRound > nTo)
            continue;
        const CPlayer* p = r->m_nPlayerNo < byNumber.size() ? byNumber[r->m_nPlayerNo] : nullptr;
        if (!p || (m_bExcludeResigned && p->IsResigned()) || !InCategoryMask(p, wMask))
            continue;
        if (!m_bAllAwards && r->m_nCategory != m_nIndividualAward)
            continue;
        if (bOncePerCategory && !listed.insert({r->m_nPlayerNo, r->m_nCategory}).second)
            continue;
        taken.push_back(r);
    }
    return taken;
}

void CRepItem_Awards::Expand(CObList& list)
{
    if (!m_bIndividual || !m_pDoc)
        return;
    auto heading = [&](WORD bTitle) {
        auto* p = new CRepItem_AwardHeading;
        p->m_bTemporary = TEMP_SHOWING;
        p->m_pDoc = m_pDoc;
        p->m_nPage = m_nPage;
        p->m_bTitle = bTitle;
        p->m_font.CopyFrom(m_fontHeading);
        if (bTitle)
            p->m_strTitle = GetIndividualTitle();
        list.AddTail(p);
    };
    if (m_bTitle)
        heading(1);
    heading(0);
    for (CAwardData* r : SelectRecords()) {
        auto* p = new CRepItem_AwardLine;
        p->m_bTemporary = TEMP_SHOWING;
        p->m_pDoc = m_pDoc;
        p->m_nPage = m_nPage;
        p->m_pRecord = r;
        p->m_font.CopyFrom(m_fontDetail);
        list.AddTail(p);
    }
}

std::vector<int> CRepItem_Awards::UsedColumns() const
{
    std::vector<int> used;
    for (int c = 0; c < COLUMNS; ++c)
        if (!m_bColumnNotUsed[c])
            used.push_back(c);
    return used;
}

CString CRepItem_Awards::ColumnCaption(int nColumn) const
{
    CString text;
    text.Format("(%s)", GetCategoryAbbrev(m_nColumnFilter[nColumn]));
    return text;
}

std::vector<std::vector<CRepItem_Awards::Ranked>> CRepItem_Awards::RankColumns() const
{
    std::vector<std::vector<Ranked>> columns;
    if (!m_pDoc)
        return columns;
    const int nToList = std::min<int>(m_nToList, MAX_TO_LIST);
    // The ranking reads no pass figures, but the switch is the league's to keep.
    const DWORD nPass = m_pDoc->m_bHandicapPass;
    if (!m_pDoc->HasBothScoringSystems())
        m_pDoc->m_bHandicapPass = m_pDoc->m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH;
    for (int c : UsedColumns()) {
        std::vector<Ranked> rows;
        const int n = m_pDoc->RankPlayersByAwardCount(m_nColumnAward[c], GetCategoryMask(m_nColumnFilter[c]), nToList);
        for (int rank = 1; rank <= n; ++rank)
            if (CPlayer* p = m_pDoc->FindPlayerByRank(rank))
                rows.push_back({p, p->m_nAwardCount});
        columns.push_back(std::move(rows));
    }
    m_pDoc->m_bHandicapPass = nPass;
    return columns;
}

int CRepItem_Awards::GetHeight(CDC* pDC)
{
    if (m_bIndividual)
        return 0;
    const int nHeading = LineOf(pDC, m_fontHeading);
    const int nDetail = LineOf(pDC, m_fontDetail);
    const int nToList = std::min<int>(m_nToList, MAX_TO_LIST);
    return nHeading * (m_bTitle ? 2 : 1) + nDetail * (nToList + 1);
}

void CRepItem_Awards::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (m_bIndividual)
        return;
    CItemDrawState state(pDC);
    CFont heading, detail;
    CreateItemFont(heading, m_fontHeading, "System Error - Failed to create Hddr font in ri_award");
    CreateItemFont(detail, m_fontDetail, "System Error - Failed to create Dets font in ri_award");
    pDC->SelectObject(&heading);
    pDC->SetTextColor(m_fontHeading.m_crColour);
    const int nHeadingLine = LineOf(pDC, m_fontHeading);
    int y = m_y;
    if (m_bTitle) {
        ItemText::Centred(pDC, y, "Awards");
        y += nHeadingLine;
    }
    const std::vector<int> used = UsedColumns();
    if (used.empty())
        return;
    const int* xs = kColumnX[used.size() - 1];
    for (size_t i = 0; i < used.size(); ++i) {
        Text(pDC, xs[i], y, CategoryName(m_pDoc, m_nColumnAward[used[i]], "No Award"), false);
        Text(pDC, xs[i] + kCaptionWidth, y, ColumnCaption(used[i]), true);
    }
    y += nHeadingLine;

    const std::vector<std::vector<Ranked>> columns = RankColumns();
    pDC->SelectObject(&detail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    EnsureLineHeight(pDC, m_fontDetail);
    const int nDetailLine = m_fontDetail.GetLineHeight(0);
    const size_t nToList = std::min<size_t>(m_nToList, MAX_TO_LIST);
    for (size_t rank = 0; rank < nToList; ++rank) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (rank >= columns[i].size())
                continue;
            const Ranked& r = columns[i][rank];
            CString text;
            text.Format("%3d ", r.nCount);
            Text(pDC, xs[i], y, text + r.pPlayer->m_strName, false);
            r.pPlayer->AddHitRect(CRect(xs[i], y, xs[i] + NAME_RECT_WIDTH, y - 200));
        }
        y += nDetailLine;
    }
}

void CRepItem_Awards::WriteHtml(CStdioFile& file)
{
    if (m_bIndividual)
        return;
    if (m_bTitle) {
        file.WriteString("<P>");
        HtmlDivCentre(&file, &m_fontHeading, "Awards");
        file.WriteString("</P>");
    }
    const std::vector<int> used = UsedColumns();
    if (used.empty())
        return;
    CString text;
    text.Format("<CENTER><TABLE COLS=%d WIDTH=%d%%>\n", static_cast<int>(used.size()), kTableWidth[used.size() - 1]);
    file.WriteString(text);
    file.WriteString("<TR>\n");
    for (int c : used)
        HtmlCellLeft(&file, &m_fontHeading, CategoryName(m_pDoc, m_nColumnAward[c], "No Award") + " " + ColumnCaption(c));
    file.WriteString("</TR>\n");
    const std::vector<std::vector<Ranked>> columns = RankColumns();
    const size_t nToList = std::min<size_t>(m_nToList, MAX_TO_LIST);
    for (size_t rank = 0; rank < nToList; ++rank) {
        file.WriteString("<TR>\n");
        for (const auto& column : columns) {
            if (rank >= column.size()) {
                file.WriteString("<TD></TD>\n");
                continue;
            }
            text.Format("%3d ", column[rank].nCount);
            HtmlCellLeft(&file, &m_fontDetail, text + column[rank].pPlayer->m_strName);
        }
        file.WriteString("</TR>\n");
    }
    file.WriteString("</TABLE></CENTER>\n\n");
}

void CRepItem_Awards::Edit()
{
    if (m_nToList > MAX_TO_LIST)
        m_nToList = MAX_TO_LIST;
    CAwardsReportItemsDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.SaveTo(*this);
    if (dlg.m_bApplyFonts && m_pDoc && m_pDoc->m_pEditorItems)
        for (POSITION pos = m_pDoc->m_pEditorItems->GetHeadPosition(); pos;) {
            auto* p = dynamic_cast<CRepItem_Awards*>(m_pDoc->m_pEditorItems->GetNext(pos));
            if (p && p != this) {
                p->m_fontHeading.CopyFrom(m_fontHeading);
                p->m_fontDetail.CopyFrom(m_fontDetail);
            }
        }
}

// ---------------------------------------------------------------- CRepItem_AwardHeading

CRepItem_AwardHeading::CRepItem_AwardHeading() : m_strTitle("Awards"), m_bTitle(0) {}

int CRepItem_AwardHeading::GetHeight(CDC* pDC)
{
    return LineOf(pDC, m_font);
}

void CRepItem_AwardHeading::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, m_font, "System Error - Failed to create Hhdr font in ri_award");
    pDC->SelectObject(&font);
    pDC->SetTextColor(m_font.m_crColour);
    if (m_bTitle) {
        ItemText::Centred(pDC, m_y, m_strTitle);
        return;
    }
    const CString heads[5] = {"Name", "Award", "Date", "Score", "Avg."};
    DrawAwardRow(pDC, m_y, heads);
}

void CRepItem_AwardHeading::WriteHtml(CStdioFile& file)
{
    if (m_bTitle) {
        file.WriteString("<P>");
        HtmlDivCentre(&file, &m_font, m_strTitle);
        file.WriteString("</P>");
        return;
    }
    file.WriteString("<CENTER><TABLE COLS=5 WIDTH=80% >\n");
    file.WriteString("<TR>\n");
    HtmlCellLeft(&file, &m_font, "Name");
    HtmlCellLeft(&file, &m_font, "Award");
    HtmlCellRight(&file, &m_font, "Date");
    HtmlCellRight(&file, &m_font, "Score");
    HtmlCellRight(&file, &m_font, "Avg.");
    file.WriteString("</TR>\n");
    file.WriteString("</TABLE></CENTER>\n\n");
}

// ---------------------------------------------------------------- CRepItem_AwardLine

CRepItem_AwardLine::CRepItem_AwardLine() : m_pRecord(nullptr) {}

int CRepItem_AwardLine::GetHeight(CDC* pDC)
{
    return LineOf(pDC, m_font);
}

void CRepItem_AwardLine::GetTexts(CString texts[5]) const
{
    for (int i = 0; i < 5; ++i)
        texts[i].Empty();
    if (!m_pRecord)
        return;
    const CAwardData& r = *m_pRecord;
    texts[0] = BowlerName(m_pDoc, r.m_nPlayerNo);
    texts[1] = CategoryName(m_pDoc, r.m_nCategory, "Award Removed!");
    texts[2] = AwardDateText(m_pDoc, r);
    if (r.m_nKind == CAwards::kindManual) {
        if (r.m_nGame != 0 && r.m_nGame <= LastManualAwardGame(m_pDoc))
            texts[3].Format("%d", r.m_nGame);
        return;
    }
    if (r.m_nGame != 0)
        texts[3].Format("%d (%d)", r.m_nScore, r.m_nGame);
    else
        texts[3].Format("%d", r.m_nScore);
    texts[4].Format("%d", r.m_nAverage);
}

void CRepItem_AwardLine::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont font;
    CreateItemFont(font, m_font, "System Error - Failed to create Ddets font in ri_award");
    pDC->SelectObject(&font);
    pDC->SetTextColor(m_font.m_crColour);
    CString texts[5];
    GetTexts(texts);
    DrawAwardRow(pDC, m_y, texts);
}

void CRepItem_AwardLine::WriteHtml(CStdioFile& file)
{
    CString texts[5];
    GetTexts(texts);
    file.WriteString("<CENTER><TABLE COLS=5 WIDTH=80% >\n");
    file.WriteString("<TR> ");
    HtmlCellLeft(&file, &m_font, texts[0]);
    HtmlCellLeft(&file, &m_font, texts[1]);
    HtmlCellRight(&file, &m_font, texts[2]);
    HtmlCellRight(&file, &m_font, texts[3].IsEmpty() ? CString(" ") : texts[3]);
    const bool bNoAverage = !m_pRecord || m_pRecord->m_nAverage == 0 || texts[4].IsEmpty();
    HtmlCellRight(&file, &m_font, bNoAverage ? CString(" ") : texts[4]);
    file.WriteString("</TR>\n");
    file.WriteString("</TABLE></CENTER>\n\n");
}
