#pragma once
// Fonts of the report items: the device font made from a league font for one drawing, and
// the line height a font learns from the device before it is first measured.
#include "framework/core/Core.h"

class CBowlingDoc;
class CFontData;

// Makes the drawing font of a report font: its printer height (twips on screen and paper
// alike), weight 700 or 400, the italic, underline and strike-out flags and the face.
// On failure shows pszFailure (when given) and returns FALSE; drawing goes on regardless.
BOOL CreateItemFont(CFont& font, const CFontData& data, const char* pszFailure);

// Copies the league's default font nIndex into font; without a document or such an entry the
// font stays as it is.
void CopyDefaultFont(CBowlingDoc* pDoc, int nIndex, CFontData& font);

// A font without a line height yet is selected on the device once to learn one; the font
// the device had is selected again afterwards.
void EnsureLineHeight(CDC* pDC, CFontData& data);

// Saves the device's font, text colour and background mode and puts them back when it goes.
// Text is drawn without a background in between, so that a line never paints over the
// descenders of the line above.
class CItemDrawState
{
public:
    explicit CItemDrawState(CDC* pDC)
        : m_pDC(pDC), m_pOldFont(pDC->GetCurrentFont()), m_crOld(pDC->GetTextColor()),
          m_nOldBkMode(pDC->SetBkMode(TRANSPARENT))
    {
    }
    ~CItemDrawState()
    {
        m_pDC->SelectObject(m_pOldFont);
        m_pDC->SetTextColor(m_crOld);
        m_pDC->SetBkMode(m_nOldBkMode);
    }
    CItemDrawState(const CItemDrawState&) = delete;
    CItemDrawState& operator=(const CItemDrawState&) = delete;

private:
    CDC* m_pDC;
    CFont* m_pOldFont;
    COLORREF m_crOld;
    int m_nOldBkMode;
};

// The name the program prints on its pages.
constexpr const char* PRODUCT_TITLE = "Torvane 1.8.9";
