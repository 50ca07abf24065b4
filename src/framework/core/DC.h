#pragma once
// The drawing interface of report items and displays. Fonts, pens and brushes are plain
// descriptors; a device context realises them. Report drawing uses the twips mapping
// (1/1440 inch, y negative downwards). Implementations: the Qt painter DC (screen,
// printer, PDF, image) and, for tests, a recording DC.
#include "framework/core/Geometry.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <vector>

// Font weights, pitch, character sets and qualities (kept only for their values).
enum { FW_DONTCARE = 0, FW_THIN = 100, FW_LIGHT = 300, FW_NORMAL = 400, FW_MEDIUM = 500,
       FW_SEMIBOLD = 600, FW_BOLD = 700, FW_EXTRABOLD = 800, FW_HEAVY = 900 };
enum { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1 };
enum { OUT_DEFAULT_PRECIS = 0, CLIP_DEFAULT_PRECIS = 0, DEFAULT_QUALITY = 0, PROOF_QUALITY = 2 };
enum { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2,
       FF_DONTCARE = 0, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30 };

// Pen styles.
enum { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };
// Background modes.
enum { TRANSPARENT = 1, OPAQUE = 2 };
// Text alignment flags.
enum { TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6,
       TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24 };
// ExtTextOut options.
enum { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
// DrawText formats.
enum { DT_TOP = 0, DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2, DT_VCENTER = 4, DT_BOTTOM = 8,
       DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
       DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000 };
// Mapping modes.
enum { MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5, MM_TWIPS = 6 };
// Device capabilities.
enum { HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, LOGPIXELSX = 88, LOGPIXELSY = 90,
       PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111, PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113 };
// Stock objects.
enum { WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
       NULL_BRUSH = 5, HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8 };

constexpr int LF_FACESIZE = 32;

struct LOGFONT
{
    LONG lfHeight = 0;       // logical units; negative: the character height, positive: the cell height
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = ANSI_CHARSET;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = "Arial";
};

struct TEXTMETRIC
{
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = FW_NORMAL;
};

class CDC;

class CGdiObject : public CObject
{
public:
    // A descriptor is "created" once it holds values; deleting it only forgets them.
    bool IsCreated() const { return m_bCreated; }
    BOOL DeleteObject() { bool was = m_bCreated; m_bCreated = false; return was; }
    int m_nStockObject = -1; // set for stock objects

protected:
    bool m_bCreated = false;
};

class CFont : public CGdiObject
{
public:
    BOOL CreateFontIndirect(const LOGFONT* pLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename);
    // nPointSize in tenths of a point. With a DC, the height is in that DC's logical units
    // (twips: points * 20); without one, in twips.
    BOOL CreatePointFont(int nPointSize, const char* lpszFaceName, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const;
    const LOGFONT& LogFont() const { return m_lf; }

private:
    LOGFONT m_lf;
};

struct LOGPEN
{
    UINT lopnStyle = PS_SOLID;
    int lopnWidth = 0;
    COLORREF lopnColor = 0;
};

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    const LOGPEN& LogPen() const { return m_lp; }

private:
    LOGPEN m_lp;
};

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor);
    void CreateNullBrush() { m_bNull = true; m_bCreated = true; }
    COLORREF GetColor() const { return m_color; }
    bool IsNull() const { return m_bNull; }

private:
    COLORREF m_color = 0;
    bool m_bNull = false;
};

class CDC
{
public:
    CDC();
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Selection returns the previously selected object (never null: the defaults are stock).
    virtual CFont* SelectObject(CFont* pFont);
    virtual CPen* SelectObject(CPen* pPen);
    virtual CBrush* SelectObject(CBrush* pBrush);
    CGdiObject* SelectStockObject(int nIndex);
    CFont* GetCurrentFont() const { return m_pFont; }
    CPen* GetCurrentPen() const { return m_pPen; }
    CBrush* GetCurrentBrush() const { return m_pBrush; }

    // Text
    virtual BOOL TextOut(int x, int y, const char* psz, int nCount) = 0;
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str.GetString(), str.GetLength()); }
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const char* psz, int nCount);
    BOOL ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const CString& str)
    {
        return ExtTextOut(x, y, nOptions, pRect, str.GetString(), str.GetLength());
    }
    virtual CSize GetTextExtent(const char* psz, int nCount) const = 0;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str.GetString(), str.GetLength()); }
    virtual BOOL GetTextMetrics(TEXTMETRIC* pMetrics) const = 0;
    // Single-line and word-broken text in a rectangle; returns the height of the text.
    virtual int DrawText(const CString& str, CRect* pRect, UINT nFormat);

    virtual COLORREF SetTextColor(COLORREF c) { COLORREF o = m_textColor; m_textColor = c; return o; }
    COLORREF GetTextColor() const { return m_textColor; }
    virtual COLORREF SetBkColor(COLORREF c) { COLORREF o = m_bkColor; m_bkColor = c; return o; }
    COLORREF GetBkColor() const { return m_bkColor; }
    virtual int SetBkMode(int nMode) { int o = m_bkMode; m_bkMode = nMode; return o; }
    int GetBkMode() const { return m_bkMode; }
    virtual UINT SetTextAlign(UINT nFlags) { UINT o = m_textAlign; m_textAlign = nFlags; return o; }
    UINT GetTextAlign() const { return m_textAlign; }

    // Lines and areas
    virtual CPoint MoveTo(int x, int y) { CPoint o = m_cur; m_cur = CPoint(x, y); return o; }
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    virtual BOOL LineTo(int x, int y) = 0;
    BOOL LineTo(CPoint p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return m_cur; }
    virtual BOOL Rectangle(int x1, int y1, int x2, int y2) = 0;
    BOOL Rectangle(const CRect* pRect) { return Rectangle(pRect->left, pRect->top, pRect->right, pRect->bottom); }
    virtual void FillSolidRect(const CRect* pRect, COLORREF clr) = 0;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) { CRect r(x, y, x + cx, y + cy); FillSolidRect(&r, clr); }
    virtual void FillRect(const CRect* pRect, CBrush* pBrush);

    // Mapping
    virtual int SetMapMode(int nMapMode) { int o = m_mapMode; m_mapMode = nMapMode; return o; }
    int GetMapMode() const { return m_mapMode; }
    virtual CPoint SetViewportOrg(int x, int y) { CPoint o = m_viewportOrg; m_viewportOrg = CPoint(x, y); return o; }
    CPoint GetViewportOrg() const { return m_viewportOrg; }
    virtual CPoint SetWindowOrg(int x, int y) { CPoint o = m_windowOrg; m_windowOrg = CPoint(x, y); return o; }
    CPoint GetWindowOrg() const { return m_windowOrg; }
    virtual int GetDeviceCaps(int nIndex) const;

    virtual BOOL IsPrinting() const { return m_bPrinting; }
    void SetPrinting(bool b) { m_bPrinting = b; }

    virtual int SaveDC();
    virtual BOOL RestoreDC(int nSavedDC);

protected:
    CFont* m_pFont;
    CPen* m_pPen;
    CBrush* m_pBrush;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    UINT m_textAlign = TA_LEFT | TA_TOP;
    int m_mapMode = MM_TEXT;
    CPoint m_viewportOrg;
    CPoint m_windowOrg;
    CPoint m_cur;
    bool m_bPrinting = false;

private:
    struct SavedState
    {
        CFont* pFont;
        CPen* pPen;
        CBrush* pBrush;
        COLORREF textColor, bkColor;
        int bkMode;
        UINT textAlign;
        int mapMode;
        CPoint viewportOrg, windowOrg;
    };
    std::vector<SavedState> m_saved;
};

// Stock objects shared by every DC.
CFont* GetStockFont();
CPen* GetStockPen(int nIndex);
CBrush* GetStockBrush(int nIndex);
