#include "framework/core/DC.h"

#include <cstring>

namespace {

CFont& StockFont()
{
    static CFont font = [] {
        CFont f;
        LOGFONT lf;
        lf.lfHeight = -200; // 10 point in twips
        f.CreateFontIndirect(&lf);
        f.m_nStockObject = 100;
        return f;
    }();
    return font;
}

} // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* pLogFont)
{
    if (!pLogFont)
        return FALSE;
    m_lf = *pLogFont;
    m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_bCreated = true;
    return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename)
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfWidth = nWidth;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nOrientation;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = cStrikeOut;
    lf.lfCharSet = nCharSet;
    lf.lfOutPrecision = nOutPrecision;
    lf.lfClipPrecision = nClipPrecision;
    lf.lfQuality = nQuality;
    lf.lfPitchAndFamily = nPitchAndFamily;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::strncpy(lf.lfFaceName, lpszFacename ? lpszFacename : "Arial", LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int nPointSize, const char* lpszFaceName, CDC* pDC)
{
    LOGFONT lf;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::strncpy(lf.lfFaceName, lpszFaceName ? lpszFaceName : "Arial", LF_FACESIZE - 1);
    // Tenths of a point to twips is a factor of two; other mappings ask the device.
    int twips = nPointSize * 2;
    if (pDC && pDC->GetMapMode() == MM_TEXT) {
        int dpi = pDC->GetDeviceCaps(LOGPIXELSY);
        lf.lfHeight = -(nPointSize * dpi + 360) / 720;
    } else {
        lf.lfHeight = -twips;
    }
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    if (!pLogFont)
        return 0;
    *pLogFont = m_lf;
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    m_lp.lopnStyle = static_cast<UINT>(nPenStyle);
    m_lp.lopnWidth = nWidth;
    m_lp.lopnColor = crColor;
    m_bCreated = true;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    m_color = crColor;
    m_bNull = false;
    m_bCreated = true;
    return TRUE;
}

CFont* GetStockFont()
{
    return &StockFont();
}

CPen* GetStockPen(int nIndex)
{
    static CPen black(PS_SOLID, 0, RGB(0, 0, 0));
    static CPen white(PS_SOLID, 0, RGB(255, 255, 255));
    static CPen null(PS_NULL, 0, RGB(0, 0, 0));
    black.m_nStockObject = BLACK_PEN;
    white.m_nStockObject = WHITE_PEN;
    null.m_nStockObject = NULL_PEN;
    switch (nIndex) {
    case WHITE_PEN: return &white;
    case NULL_PEN: return &null;
    default: return &black;
    }
}

CBrush* GetStockBrush(int nIndex)
{
    static CBrush brushes[5] = {CBrush(RGB(255, 255, 255)), CBrush(RGB(192, 192, 192)), CBrush(RGB(128, 128, 128)),
                                CBrush(RGB(64, 64, 64)), CBrush(RGB(0, 0, 0))};
    static CBrush nullBrush = [] {
        CBrush b;
        b.CreateNullBrush();
        b.m_nStockObject = NULL_BRUSH;
        return b;
    }();
    if (nIndex == NULL_BRUSH)
        return &nullBrush;
    if (nIndex < 0 || nIndex > BLACK_BRUSH)
        nIndex = WHITE_BRUSH;
    brushes[nIndex].m_nStockObject = nIndex;
    return &brushes[nIndex];
}

CDC::CDC() : m_pFont(GetStockFont()), m_pPen(GetStockPen(BLACK_PEN)), m_pBrush(GetStockBrush(WHITE_BRUSH))
{
}

CFont* CDC::SelectObject(CFont* pFont)
{
    CFont* old = m_pFont;
    m_pFont = pFont ? pFont : GetStockFont();
    return old;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    CPen* old = m_pPen;
    m_pPen = pPen ? pPen : GetStockPen(BLACK_PEN);
    return old;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    CBrush* old = m_pBrush;
    m_pBrush = pBrush ? pBrush : GetStockBrush(WHITE_BRUSH);
    return old;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    if (nIndex >= WHITE_PEN && nIndex <= NULL_PEN)
        return SelectObject(GetStockPen(nIndex));
    return SelectObject(GetStockBrush(nIndex));
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const char* psz, int nCount)
{
    if ((nOptions & ETO_OPAQUE) && pRect)
        FillSolidRect(pRect, m_bkColor);
    if (!(nOptions & ETO_CLIPPED) || !pRect)
        return TextOut(x, y, psz, nCount);
    // Without a clip region, clipping keeps the characters that fit inside the rectangle.
    int right = std::max(pRect->left, pRect->right);
    UINT align = m_textAlign & TA_CENTER;
    int n = nCount;
    if (align == TA_LEFT) {
        while (n > 0 && x + GetTextExtent(psz, n).cx > right)
            --n;
    }
    return TextOut(x, y, psz, n);
}

int CDC::DrawText(const CString& str, CRect* pRect, UINT nFormat)
{
    if (!pRect)
        return 0;
    TEXTMETRIC tm;
    GetTextMetrics(&tm);
    int lineHeight = tm.tmHeight + tm.tmExternalLeading;
    // In the twips mapping lines go down towards smaller y.
    int dir = (m_mapMode == MM_TEXT) ? 1 : -1;
    int width = std::abs(pRect->Width());

    std::vector<CString> lines;
    if (nFormat & DT_SINGLELINE || !(nFormat & DT_WORDBREAK)) {
        lines.push_back(str);
    } else {
        CString line;
        int i = 0, n = str.GetLength();
        while (i < n) {
            if (str[i] == '\n') {
                lines.push_back(line);
                line.Empty();
                ++i;
                continue;
            }
            int j = i;
            while (j < n && str[j] != ' ' && str[j] != '\n')
                ++j;
            CString word = str.Mid(i, j - i);
            CString trial = line.IsEmpty() ? word : line + " " + word;
            if (!line.IsEmpty() && GetTextExtent(trial).cx > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = trial;
            }
            i = j;
            while (i < n && str[i] == ' ')
                ++i;
        }
        lines.push_back(line);
    }

    int total = lineHeight * static_cast<int>(lines.size());
    if (nFormat & DT_CALCRECT) {
        int maxWidth = 0;
        for (const CString& l : lines)
            maxWidth = std::max(maxWidth, GetTextExtent(l).cx);
        pRect->right = pRect->left + maxWidth;
        pRect->bottom = pRect->top + dir * total;
        return total;
    }

    int y = pRect->top;
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER)
            y = pRect->top + dir * ((std::abs(pRect->Height()) - lineHeight) / 2);
        else if (nFormat & DT_BOTTOM)
            y = pRect->bottom - dir * lineHeight;
    }
    UINT oldAlign = SetTextAlign(TA_LEFT | TA_TOP);
    for (const CString& l : lines) {
        int w = GetTextExtent(l).cx;
        int x = pRect->left;
        if (nFormat & DT_CENTER)
            x = pRect->left + (width - w) / 2;
        else if (nFormat & DT_RIGHT)
            x = pRect->left + width - w;
        if (nFormat & DT_NOCLIP)
            TextOut(x, y, l);
        else
            ExtTextOut(x, y, ETO_CLIPPED, pRect, l);
        y += dir * lineHeight;
    }
    SetTextAlign(oldAlign);
    return total;
}

void CDC::FillRect(const CRect* pRect, CBrush* pBrush)
{
    if (pRect && pBrush && !pBrush->IsNull())
        FillSolidRect(pRect, pBrush->GetColor());
}

int CDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}

int CDC::SaveDC()
{
    m_saved.push_back({m_pFont, m_pPen, m_pBrush, m_textColor, m_bkColor, m_bkMode, m_textAlign, m_mapMode,
                       m_viewportOrg, m_windowOrg});
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    if (m_saved.empty())
        return FALSE;
    size_t keep = nSavedDC < 0 ? m_saved.size() - 1 : static_cast<size_t>(nSavedDC - 1);
    if (keep >= m_saved.size())
        return FALSE;
    SavedState s = m_saved[keep];
    m_saved.resize(keep);
    SelectObject(s.pFont);
    SelectObject(s.pPen);
    SelectObject(s.pBrush);
    SetTextColor(s.textColor);
    SetBkColor(s.bkColor);
    SetBkMode(s.bkMode);
    SetTextAlign(s.textAlign);
    SetMapMode(s.mapMode);
    SetViewportOrg(s.viewportOrg.x, s.viewportOrg.y);
    SetWindowOrg(s.windowOrg.x, s.windowOrg.y);
    return TRUE;
}
