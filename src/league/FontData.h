#pragma once
// CFontData: one report font as the league keeps it. Heights are negative twips on the
// printer and negative pixels on the screen; the explicit line height is learnt from the
// device the first time the font is selected and is never stored.
#include "framework/core/DC.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

#include <functional>

class CArchive;

class CFontData : public CObject
{
    DECLARE_SERIAL(CFontData)
public:
    CFontData();
    CFontData(const CFontData& other) : CObject() { CopyFrom(other); }
    CFontData& operator=(const CFontData& other) { CopyFrom(other); return *this; }

    void CopyFrom(const CFontData& other);

    // The explicit line height when known; otherwise (extra + 115 [+2 bold] [+2 underline])
    // percent of the printer height, truncated toward zero (so negative).
    int GetLineHeight(int nExtraPercent) const;

    // Creates the font on the device, selects it and learns the line height from the
    // device's text metrics.
    void SelectFont(CDC* pDC);

    // "<colour>  <face>[ Bold][ Italic]  <n> Pt. ", shown beside a font button.
    void GetDescription(CString& strText) const;

    // Reading mends a font whose read stays in step (a name that is no typed text becomes
    // the default face, a colour keeps its three colour bytes) and names it in the read's
    // notice; a font read at a damaged name length is refused, naming where it lies (within
    // ReadNamingDamagedFont, also when only what is read after it shows it).
    void Serialize(CArchive& ar) override;

    // Every stored field equal (the line height is not stored and not compared).
    bool IsSameAs(const CFontData& other) const;
    bool operator==(const CFontData& other) const { return IsSameAs(other); }

    short m_nScreenHeight;   // -14
    short m_nPrinterHeight;  // -200 twips
    BYTE m_nPointSize;       // 10
    BYTE m_bBold;
    BYTE m_bItalic;
    BYTE m_bStrikeOut;
    BYTE m_bUnderline;
    COLORREF m_crColour;     // black
    CString m_strFaceName;   // "Arial"
    int m_nLineHeight;       // 0 = not yet known

    static const char* const kDefaultFace;

private:
    void MendOrRefuse(const CArchive& ar, size_t nStart, DWORD dwColour);

    CFont m_font;            // the realised font, alive while a device holds it
};

// The font's Serialize; a read names strPlace should the font be mended or refused ("the
// report title"), and afterwards the place of the list entry being read again.
void SerializeFontAt(CArchive& ar, CFontData& font, const CString& strPlace);

// Runs read, which reads from ar. A font read in it whose name's length may be damaged (it was
// mended, or its name read a little longer makes a whole font too) stays in doubt until the
// read goes on in step: the next font reads whole, a class tag reads whole, or a record read
// ends whole (EndFontRecord). A refusal met while a font is in doubt names that font's
// damaged name length instead: what was read after it was read out of step.
void ReadNamingDamagedFont(CArchive& ar, const std::function<void()>& read);
// The read of a record of its own, ar, nLength bytes long, has ended, or run past its end. Read
// whole, it settles the doubt of any font; else, when a damaged name length explains how it
// ended (the font being read ran past its end, or a font in doubt is out by as much), that
// font is refused. Otherwise the caller refuses the record.
void EndFontRecord(const CArchive& ar, size_t nLength, bool bPastEnd);

// The name of one of the 16 colours of the Select Colour list, or "Unknown".
const char* GetColourName(COLORREF cr);

// The 16 colours of the Select Colour list, in list order.
extern const COLORREF g_crSelectColours[16];
extern const char* const g_szSelectColourNames[16];
