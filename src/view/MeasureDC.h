#pragma once
// A device context that draws nothing and measures text with plain metrics (every character
// half the font's height wide, a line the height): for page flows run away from any screen
// or printer, such as before an HTML page is written.
#include "framework/core/DC.h"

class CMeasureDC : public CDC
{
public:
    explicit CMeasureDC(bool bPrinting = true);
    BOOL TextOut(int, int, const char*, int) override { return TRUE; }
    CSize GetTextExtent(const char* psz, int nCount) const override;
    BOOL GetTextMetrics(TEXTMETRIC* pMetrics) const override;
    BOOL LineTo(int x, int y) override { MoveTo(x, y); return TRUE; }
    BOOL Rectangle(int, int, int, int) override { return TRUE; }
    void FillSolidRect(const CRect*, COLORREF) override {}

private:
    int FontHeight() const;
};
