#include "reports/stats/HiStatsBase.h"

#include "league/BowlingDoc.h"
#include "reports/layout/ItemFont.h"

#include <algorithm>
#include <typeinfo>

namespace {

constexpr int kColumnX[4][4] = {
    {4644, 0, 0, 0},
    {2724, 6564, 0, 0},
    {972, 4644, 8316, 0},
    {720, 3384, 5904, 8568},
};
constexpr int kTableWidth[4] = {50, 80, 90, 100};

} // namespace

int HiStatsColumnX(int nUsed, int k)
{
    if (nUsed < 1 || nUsed > 4 || k < 0 || k >= nUsed)
        return PAGE_LEFT;
    return kColumnX[nUsed - 1][k];
}

int HiStatsCellRoom(const int nX[], int k, int nUsed)
{
    constexpr int kGap = 72;
    const int nRight = k + 1 < nUsed ? nX[k + 1] - kGap : PAGE_RIGHT;
    return std::max(nRight - nX[k], 1);
}

int HiStatsTableWidth(int nUsed)
{
    return nUsed >= 1 && nUsed <= 4 ? kTableWidth[nUsed - 1] : 100;
}

BOOL UseHiStatsFont(CDC* pDC, CFont& font, const CFontData& data, const char* pszFailure)
{
    if (!CreateItemFont(font, data, pszFailure))
        return FALSE;
    pDC->SelectObject(&font);
    pDC->SetTextColor(data.m_crColour);
    return TRUE;
}

CHiStatsItem::CHiStatsItem() : m_nEntries(3), m_nColumnsUsed(0)
{
    for (int c = 0; c < COLUMNS; ++c)
        m_bUnused[c] = m_nBasis[c] = m_nStatistic[c] = m_nGroup[c] = m_nClass[c] = 0;
}

int CHiStatsItem::GetUsedColumns(int nColumn[COLUMNS], int nX[COLUMNS]) const
{
    int nUsed = 0;
    for (int c = 0; c < COLUMNS; ++c)
        if (!m_bUnused[c])
            nColumn[nUsed++] = c;
    for (int k = 0; k < nUsed; ++k)
        nX[k] = HiStatsColumnX(nUsed, k);
    return nUsed;
}

int CHiStatsItem::CountUsedColumns()
{
    int nColumn[COLUMNS], nX[COLUMNS];
    m_nColumnsUsed = static_cast<BYTE>(GetUsedColumns(nColumn, nX));
    return m_nColumnsUsed;
}

void CHiStatsItem::CopyHiStats(const CHiStatsItem& other)
{
    m_nEntries = other.m_nEntries;
    m_nColumnsUsed = other.m_nColumnsUsed;
    for (int c = 0; c < COLUMNS; ++c) {
        m_bUnused[c] = other.m_bUnused[c];
        m_nBasis[c] = other.m_nBasis[c];
        m_nStatistic[c] = other.m_nStatistic[c];
        m_nGroup[c] = other.m_nGroup[c];
        m_nClass[c] = other.m_nClass[c];
    }
    m_fontHeading.CopyFrom(other.m_fontHeading);
    m_fontDetail.CopyFrom(other.m_fontDetail);
}

void CHiStatsItem::SerializeColumns(CArchive& ar, DWORD* pTeams)
{
    if (ar.IsStoring()) {
        ar << m_nEntries << m_nColumnsUsed;
        for (int c = 0; c < COLUMNS; ++c) {
            BYTE nGroup = m_nGroup[c];
            if (pTeams)
                nGroup = static_cast<BYTE>((nGroup & 0x0F) | (pTeams[c] ? 0x80 : 0));
            ar << m_nClass[c] << m_bUnused[c] << m_nBasis[c] << m_nStatistic[c] << nGroup;
        }
        return;
    }
    ar >> m_nEntries >> m_nColumnsUsed;
    for (int c = 0; c < COLUMNS; ++c) {
        ar >> m_nClass[c] >> m_bUnused[c] >> m_nBasis[c] >> m_nStatistic[c] >> m_nGroup[c];
        if (pTeams) {
            pTeams[c] = (m_nGroup[c] & 0x80) ? 1 : 0;
            m_nGroup[c] &= 0x0F;
        }
    }
}

void CHiStatsItem::SerializeFonts(CArchive& ar, int nAfterVersion)
{
    if (CBowlingDoc::GetFileVersion() > nAfterVersion) {
        m_fontDetail.Serialize(ar);
        m_fontHeading.Serialize(ar);
    } else if (!ar.IsStoring()) {
        m_fontDetail = CFontData();
        m_fontHeading = CFontData();
    }
}

void CHiStatsItem::CopyDefaultFonts(int nHeading, int nDetail)
{
    CopyDefaultFont(m_pDoc, nHeading, m_fontHeading);
    CopyDefaultFont(m_pDoc, nDetail, m_fontDetail);
}

void CHiStatsItem::ApplyFontsToEditorItems()
{
    if (!m_pDoc || !m_pDoc->m_pEditorItems)
        return;
    for (POSITION pos = m_pDoc->m_pEditorItems->GetHeadPosition(); pos;) {
        auto* p = dynamic_cast<CHiStatsItem*>(m_pDoc->m_pEditorItems->GetNext(pos));
        if (p && p != this && p->m_nType == m_nType) {
            p->m_fontHeading.CopyFrom(m_fontHeading);
            p->m_fontDetail.CopyFrom(m_fontDetail);
        }
    }
}

int CHiStatsItem::MeasureHeight(CDC* pDC, int nHeadingExtra, int nRows)
{
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    return m_fontHeading.GetLineHeight(nHeadingExtra) + m_fontDetail.GetLineHeight(0) * nRows;
}

void CHiStatsItem::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    SerializeColumns(ar, nullptr);
    SerializeFonts(ar, 38);
}

void CHiStatsItem::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    // Only an item of the same kind: the columns of another kind mean other statistics.
    if (typeid(other) == typeid(*this))
        CopyHiStats(static_cast<const CHiStatsItem&>(other));
}

int CHiStatsItem::DrawColumnHeadings(CDC* pDC, const int nColumn[COLUMNS], const int nX[COLUMNS], int nUsed,
                                     int nHeadingExtra, CFont& fontHeading, CFont& fontDetail,
                                     const char* pszHeadingFailure, const char* pszDetailFailure)
{
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    int y = m_y;
    UseHiStatsFont(pDC, fontHeading, m_fontHeading, pszHeadingFailure);
    for (int k = 0; k < nUsed; ++k) {
        CPoint pt(nX[k], y);
        DrawTextClipped(pDC, &pt, ColumnCaption(nColumn[k]), 0);
    }
    y += m_fontHeading.GetLineHeight(nHeadingExtra);
    UseHiStatsFont(pDC, fontDetail, m_fontDetail, pszDetailFailure);
    return y;
}

void CHiStatsItem::WriteHtmlHeadingRow(CStdioFile& file, const int nColumn[COLUMNS], int nUsed)
{
    file.WriteString("<TR>\n");
    for (int k = 0; k < nUsed; ++k)
        HtmlCellLeft(&file, &m_fontHeading, ColumnCaption(nColumn[k]));
    file.WriteString("</TR>\n");
}
