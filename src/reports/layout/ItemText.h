#pragma once
// Text of a report item placed at a point (Left: starting there, Right: ending there, Text:
// either), centred on the page, and formatted in one expression. An item file takes the names it uses into its own namespace.
#include "view/RepItem.h"

namespace ItemText {

inline void Left(CDC* pDC, int x, int y, const CString& s)
{
    CPoint pt(x, y);
    DrawTextClipped(pDC, &pt, s, 0);
}

inline void Right(CDC* pDC, int x, int y, const CString& s)
{
    CPoint pt(x, y);
    DrawTextRightAligned(pDC, &pt, s, 0);
}

// Ending at x, in red when bRed (a score over the mark); the colour is put back after.
inline void RightInRed(CDC* pDC, int x, int y, const CString& s, bool bRed)
{
    const COLORREF crOld = bRed ? pDC->SetTextColor(RGB(255, 0, 0)) : 0;
    Right(pDC, x, y, s);
    if (bRed)
        pDC->SetTextColor(crOld);
}

inline void Text(CDC* pDC, int x, int y, const CString& s, bool bRight)
{
    if (bRight)
        Right(pDC, x, y, s);
    else
        Left(pDC, x, y, s);
}

inline void Centred(CDC* pDC, int y, const CString& s)
{
    Left(pDC, PAGE_CENTRE - pDC->GetTextExtent(s).cx / 2, y, s);
}

inline CString Fmt(const char* pszFormat, auto... args)
{
    CString s;
    s.Format(pszFormat, args...);
    return s;
}

} // namespace ItemText
