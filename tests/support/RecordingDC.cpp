#include "RecordingDC.h"

#include <cstdlib>

CRecordingDC::CRecordingDC(bool printing)
{
    SetPrinting(printing);
    SetMapMode(MM_TWIPS);
}

int CRecordingDC::FontHeight() const
{
    int h = std::abs(static_cast<int>(GetCurrentFont()->LogFont().lfHeight));
    return h ? h : 200;
}

BOOL CRecordingDC::TextOut(int x, int y, const char* psz, int nCount)
{
    DrawCall c(DrawCall::Text);
    c.x1 = x;
    c.y1 = y;
    c.text = CString(psz, nCount);
    c.font = GetCurrentFont()->LogFont();
    c.color = GetTextColor();
    c.align = GetTextAlign();
    calls.push_back(c);
    return TRUE;
}

BOOL CRecordingDC::ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const char* psz, int nCount)
{
    if ((nOptions & ETO_OPAQUE) && pRect)
        FillSolidRect(pRect, GetBkColor());
    TextOut(x, y, psz, nCount);
    if ((nOptions & ETO_CLIPPED) && pRect) {
        calls.back().clipped = true;
        calls.back().clip = *pRect;
    }
    return TRUE;
}

CSize CRecordingDC::GetTextExtent(const char*, int nCount) const
{
    int h = FontHeight();
    return CSize(nCount * std::max(1, h / 2), h);
}

BOOL CRecordingDC::GetTextMetrics(TEXTMETRIC* tm) const
{
    int h = FontHeight();
    *tm = TEXTMETRIC();
    tm->tmHeight = h;
    tm->tmAscent = h * 4 / 5;
    tm->tmDescent = h - tm->tmAscent;
    tm->tmAveCharWidth = std::max(1, h / 2);
    tm->tmMaxCharWidth = tm->tmAveCharWidth;
    tm->tmWeight = GetCurrentFont()->LogFont().lfWeight;
    return TRUE;
}

BOOL CRecordingDC::LineTo(int x, int y)
{
    DrawCall c(DrawCall::Line);
    c.x1 = GetCurrentPosition().x;
    c.y1 = GetCurrentPosition().y;
    c.x2 = x;
    c.y2 = y;
    c.color = GetCurrentPen()->LogPen().lopnColor;
    calls.push_back(c);
    MoveTo(x, y);
    return TRUE;
}

BOOL CRecordingDC::Rectangle(int x1, int y1, int x2, int y2)
{
    DrawCall c(DrawCall::Rect);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.color = GetCurrentPen()->LogPen().lopnColor;
    calls.push_back(c);
    return TRUE;
}

void CRecordingDC::FillSolidRect(const CRect* r, COLORREF clr)
{
    DrawCall c(DrawCall::Fill);
    c.x1 = r->left;
    c.y1 = r->top;
    c.x2 = r->right;
    c.y2 = r->bottom;
    c.color = clr;
    calls.push_back(c);
}

std::vector<std::string> CRecordingDC::Texts() const
{
    std::vector<std::string> out;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Text)
            out.push_back(c.text.str());
    return out;
}

const DrawCall* CRecordingDC::FindText(const char* s) const
{
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Text && c.text == s)
            return &c;
    return nullptr;
}

std::string CRecordingDC::Dump() const
{
    std::string out;
    for (const DrawCall& c : calls) {
        CString line;
        switch (c.kind) {
        case DrawCall::Text:
            line.Format("text (%d,%d) h%d w%d \"%s\"%s\n", c.x1, c.y1, static_cast<int>(c.font.lfHeight),
                        static_cast<int>(c.font.lfWeight), c.text.GetString(), c.clipped ? " clipped" : "");
            break;
        case DrawCall::Line: line.Format("line (%d,%d)-(%d,%d)\n", c.x1, c.y1, c.x2, c.y2); break;
        case DrawCall::Rect: line.Format("rect (%d,%d)-(%d,%d)\n", c.x1, c.y1, c.x2, c.y2); break;
        case DrawCall::Fill: line.Format("fill (%d,%d)-(%d,%d) #%06x\n", c.x1, c.y1, c.x2, c.y2, c.color); break;
        }
        out += line.str();
    }
    return out;
}
