#include "view/MeasureDC.h"

#include <algorithm>
#include <cstdlib>

CMeasureDC::CMeasureDC(bool bPrinting)
{
    SetPrinting(bPrinting);
    SetMapMode(MM_TWIPS);
}

int CMeasureDC::FontHeight() const
{
    int h = std::abs(static_cast<int>(GetCurrentFont()->LogFont().lfHeight));
    return h ? h : 200;
}

CSize CMeasureDC::GetTextExtent(const char*, int nCount) const
{
    int h = FontHeight();
    return CSize(nCount * std::max(1, h / 2), h);
}

BOOL CMeasureDC::GetTextMetrics(TEXTMETRIC* pMetrics) const
{
    int h = FontHeight();
    *pMetrics = TEXTMETRIC();
    pMetrics->tmHeight = h;
    pMetrics->tmAscent = h * 4 / 5;
    pMetrics->tmDescent = h - pMetrics->tmAscent;
    pMetrics->tmAveCharWidth = std::max(1, h / 2);
    pMetrics->tmMaxCharWidth = pMetrics->tmAveCharWidth;
    pMetrics->tmWeight = GetCurrentFont()->LogFont().lfWeight;
    return TRUE;
}
