#include "reports/layout/ItemFont.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/FontData.h"

BOOL CreateItemFont(CFont& font, const CFontData& data, const char* pszFailure)
{
    BOOL bMade = font.CreateFont(data.m_nPrinterHeight, 0, 0, 0, data.m_bBold ? FW_BOLD : FW_NORMAL, data.m_bItalic,
                                 data.m_bUnderline, data.m_bStrikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN, data.m_strFaceName);
    if (!bMade && pszFailure)
        AfxMessageBox(pszFailure);
    return bMade;
}

void EnsureLineHeight(CDC* pDC, CFontData& data)
{
    if (data.m_nLineHeight != 0 || !pDC)
        return;
    CFont* pOld = pDC->GetCurrentFont();
    data.SelectFont(pDC);
    // The league font's device font must not stay selected: the font may go before the device.
    pDC->SelectObject(pOld);
}

void CopyDefaultFont(CBowlingDoc* pDoc, int nIndex, CFontData& font)
{
    if (!pDoc)
        return;
    if (const CFontData* p = pDoc->GetDefaultFont(nIndex))
        font.CopyFrom(*p);
}
