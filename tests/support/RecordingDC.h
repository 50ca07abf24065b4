#pragma once
// A device context that records what is drawn, for tests.
//
// Text metrics are fixed so that expected positions can be worked by hand: with a font of
// height h (the absolute value of lfHeight; the stock font has 200), every character is
// h / 2 wide (at least 1), a line is h high, the ascent is h * 4 / 5 and the descent the
// rest, with no leading.
#include "framework/core/DC.h"

#include <string>
#include <vector>

struct DrawCall
{
    enum Kind { Text, Line, Rect, Fill };
    explicit DrawCall(Kind k) : kind(k) {}
    Kind kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CString text;          // Text
    LOGFONT font;          // Text: the font in force
    COLORREF color = 0;    // Text: text colour; Fill: fill colour; Line/Rect: pen colour
    UINT align = 0;        // Text: alignment flags in force
    bool clipped = false;  // Text drawn through ExtTextOut with clipping
    CRect clip;            // its rectangle
};

class CRecordingDC : public CDC
{
public:
    explicit CRecordingDC(bool printing = false);

    BOOL TextOut(int x, int y, const char* psz, int nCount) override;
    BOOL ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const char* psz, int nCount) override;
    CSize GetTextExtent(const char* psz, int nCount) const override;
    BOOL GetTextMetrics(TEXTMETRIC* pMetrics) const override;
    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(const CRect* pRect, COLORREF clr) override;

    std::vector<DrawCall> calls;

    // The texts drawn, in order.
    std::vector<std::string> Texts() const;
    // The first text call whose text equals s, or null.
    const DrawCall* FindText(const char* s) const;
    // Everything recorded, one call a line, for failure messages.
    std::string Dump() const;

private:
    int FontHeight() const;
};
