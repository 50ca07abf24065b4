#pragma once
#include "framework/core/Types.h"

#include <algorithm>

struct CSize
{
    int cx = 0;
    int cy = 0;
    CSize() = default;
    CSize(int x, int y) : cx(x), cy(y) {}
    bool operator==(const CSize&) const = default;
};

struct CPoint
{
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
    void Offset(int dx, int dy) { x += dx; y += dy; }
    CPoint operator+(CSize s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(CSize s) const { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(CPoint p) const { return CSize(x - p.x, y - p.y); }
    bool operator==(const CPoint&) const = default;
};

// A rectangle. With the twips mapping y grows upwards, so a rectangle drawn downwards has
// bottom < top; NormalizeRect() orders both pairs.
struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    CRect(CPoint topLeft, CPoint bottomRight) : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}
    CRect(CPoint topLeft, CSize size) : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Inclusive of the top-left edges, exclusive of the bottom-right, whichever way y runs.
    bool PtInRect(CPoint p) const
    {
        int l = std::min(left, right), r = std::max(left, right);
        int t = std::min(top, bottom), b = std::max(top, bottom);
        return p.x >= l && p.x < r && p.y >= t && p.y < b;
    }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(CPoint p) { OffsetRect(p.x, p.y); }
    void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    bool IntersectRect(const CRect& a, const CRect& b)
    {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    bool UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty()) { *this = b; return !IsRectEmpty(); }
        if (b.IsRectEmpty()) { *this = a; return true; }
        SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom));
        return true;
    }
    bool operator==(const CRect&) const = default;
};

using LPRECT = CRect*;
using LPCRECT = const CRect*;
