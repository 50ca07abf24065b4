#include "league/FontData.h"

#include "framework/core/Archive.h"
#include "framework/ui/Dialog.h"
#include "league/FileCheck.h"

IMPLEMENT_SERIAL(CFontData, CObject, 1)

const char* const CFontData::kDefaultFace = "Arial";

const COLORREF g_crSelectColours[16] = {
    RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),   RGB(128, 0, 128), RGB(0, 128, 128), RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0), RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

const char* const g_szSelectColourNames[16] = {
    "Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Grey",
    "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchia", "Aqua", "White",
};

const char* GetColourName(COLORREF cr)
{
    for (int i = 0; i < 16; ++i)
        if (g_crSelectColours[i] == cr)
            return g_szSelectColourNames[i];
    return "Unknown";
}

CFontData::CFontData()
    : m_nScreenHeight(-14), m_nPrinterHeight(-200), m_nPointSize(10), m_bBold(0), m_bItalic(0),
      m_bStrikeOut(0), m_bUnderline(0), m_crColour(RGB(0, 0, 0)), m_strFaceName(kDefaultFace), m_nLineHeight(0)
{
}

void CFontData::CopyFrom(const CFontData& other)
{
    m_nScreenHeight = other.m_nScreenHeight;
    m_nPrinterHeight = other.m_nPrinterHeight;
    m_nPointSize = other.m_nPointSize;
    m_bBold = other.m_bBold;
    m_bItalic = other.m_bItalic;
    m_bStrikeOut = other.m_bStrikeOut;
    m_bUnderline = other.m_bUnderline;
    m_crColour = other.m_crColour;
    m_strFaceName = other.m_strFaceName;
    m_nLineHeight = other.m_nLineHeight;
}

bool CFontData::IsSameAs(const CFontData& o) const
{
    return m_nScreenHeight == o.m_nScreenHeight && m_nPrinterHeight == o.m_nPrinterHeight &&
           m_nPointSize == o.m_nPointSize && m_bBold == o.m_bBold && m_bItalic == o.m_bItalic &&
           m_bStrikeOut == o.m_bStrikeOut && m_bUnderline == o.m_bUnderline && m_crColour == o.m_crColour &&
           m_strFaceName == o.m_strFaceName;
}

int CFontData::GetLineHeight(int nExtraPercent) const
{
    if (m_nLineHeight != 0)
        return m_nLineHeight;
    int nPercent = nExtraPercent + 115;
    if (m_bBold)
        nPercent += 2;
    if (m_bUnderline)
        nPercent += 2;
    // C++ division truncates toward zero, as the height wants.
    return nPercent * m_nPrinterHeight / 100;
}

void CFontData::SelectFont(CDC* pDC)
{
    if (!pDC)
        return;
    BOOL bMade = m_font.CreateFont(m_nPrinterHeight, 0, 0, 0, m_bBold ? FW_BOLD : FW_NORMAL, m_bItalic, m_bUnderline,
                                   m_bStrikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, FF_ROMAN, m_strFaceName);
    if (!bMade) {
        AfxMessageBox(pDC->IsPrinting() ? "Major system error. Unable to create printer Font."
                                        : "Major system error. Unable to create screen Font.");
        return;
    }
    pDC->SelectObject(&m_font);
    TEXTMETRIC tm;
    if (pDC->GetTextMetrics(&tm))
        m_nLineHeight = -tm.tmHeight;
}

void CFontData::GetDescription(CString& strText) const
{
    strText = GetColourName(m_crColour);
    strText += "  ";
    strText += m_strFaceName;
    if (m_bBold)
        strText += " Bold";
    if (m_bItalic)
        strText += " Italic";
    strText.AppendFormat("  %d Pt. ", static_cast<int>(m_nPointSize));
}

namespace {

bool IsTypedChar(BYTE c)
{
    return c >= 0x20 && c != 0x7F;
}

bool IsLetterOrSign(BYTE c)
{
    return c >= 0x20 && c < 0x7F;
}

} // namespace

void CFontData::MendOrRefuse(DWORD dwColour)
{
    // One damaged byte leaves one sign of damage, and the read in step: a name's character
    // that is no typed text, a colour's fourth byte, a style that is neither 0 nor 1. A name
    // read at a damaged length leaves more: it takes in the colour's zero bytes, or leaves its
    // letters for the colour, and the fonts read after it start inside another field.
    int nSigns = 0;
    bool bBadName = false;
    for (int i = 0; i < m_strFaceName.GetLength(); ++i)
        if (!IsTypedChar(static_cast<BYTE>(m_strFaceName[i]))) {
            bBadName = true;
            ++nSigns;
        }
    const bool bBadColour = dwColour > 0xFFFFFF;
    if (bBadColour) {
        ++nSigns;
        bool bLetters = true;
        for (int i = 0; i < 4; ++i)
            bLetters = bLetters && IsLetterOrSign(static_cast<BYTE>(dwColour >> (8 * i)));
        if (bLetters)
            ++nSigns;
    }
    for (BYTE b : {m_bBold, m_bItalic, m_bStrikeOut, m_bUnderline})
        if (b > 1)
            ++nSigns;
    if (nSigns > 1 && (bBadName || bBadColour)) {
        CString reason = "The file holds a report font whose name's length is damaged";
        const CString place = GetReadPlace();
        if (!place.IsEmpty())
            reason += ", in " + place;
        CArchive::ThrowCorrupt(reason + ".");
    }
    m_crColour = dwColour & 0xFFFFFF;
    if (bBadName)
        m_strFaceName = kDefaultFace;
    if (bBadName || bBadColour) {
        CString place = GetReadPlace();
        if (place.IsEmpty())
            place = "a report font";
        place += bBadName ? " (its name, now " + CString(kDefaultFace) + ")" : CString(" (its colour)");
        NoteReadMend(ReadMend::Font, place);
    }
}

void CFontData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nScreenHeight << m_nPrinterHeight << m_nPointSize << m_bBold << m_bItalic << m_bStrikeOut
           << m_bUnderline << m_strFaceName << static_cast<DWORD>(m_crColour);
    } else {
        DWORD dwColour = 0;
        ar >> m_nScreenHeight >> m_nPrinterHeight >> m_nPointSize >> m_bBold >> m_bItalic >> m_bStrikeOut
           >> m_bUnderline >> m_strFaceName >> dwColour;
        MendOrRefuse(dwColour);
        m_nLineHeight = 0;
    }
}

void SerializeFontAt(CArchive& ar, CFontData& font, const CString& strPlace)
{
    if (ar.IsStoring()) {
        font.Serialize(ar);
        return;
    }
    SetReadPlace(strPlace);
    font.Serialize(ar);
    SetReadPlace(CString());
}
