#include "league/FontData.h"

#include "framework/core/Archive.h"
#include "framework/ui/Dialog.h"
#include "league/FileCheck.h"

#include <algorithm>
#include <vector>

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

// The signs of damage a font's read shows. One damaged byte leaves one, with the read in step:
// a name's character that is no typed text, a colour's fourth byte, a style that is neither 0
// nor 1. A read out of step (a damaged name length) mostly leaves more.
struct CFontSigns
{
    int nSigns = 0;
    bool bBadName = false;
    bool bBadColour = false;
    bool bBadStyle = false;
};

CFontSigns SignsOf(const BYTE styles[4], const char* pName, size_t nName, DWORD dwColour)
{
    CFontSigns signs;
    for (size_t i = 0; i < nName; ++i)
        if (!IsTypedChar(static_cast<BYTE>(pName[i]))) {
            signs.bBadName = true;
            ++signs.nSigns;
        }
    if (dwColour > 0xFFFFFF) {
        signs.bBadColour = true;
        ++signs.nSigns;
    }
    for (int i = 0; i < 4; ++i)
        if (styles[i] > 1) {
            signs.bBadStyle = true;
            ++signs.nSigns;
        }
    return signs;
}

constexpr size_t kFixed = 9;  // a font's heights, point size and four styles, before its name

// The signs of the font stored at offset nPos, read with its name nName long (-1: as its length
// says); false when the bytes end first or the length is in a long form never written for a face.
bool PeekSigns(const CArchive& ar, size_t nPos, CFontSigns& signs, int nName = -1)
{
    BYTE head[kFixed + 1];
    if (ar.PeekAt(nPos, head, sizeof head) != sizeof head || head[kFixed] == 0xFF)
        return false;
    const size_t n = nName < 0 ? head[kFixed] : static_cast<size_t>(nName);
    BYTE rest[0xFF + 4];
    if (n >= 0xFF || ar.PeekAt(nPos + sizeof head, rest, n + 4) != n + 4)
        return false;
    const DWORD dwColour = rest[n] | rest[n + 1] << 8 | rest[n + 2] << 16 | DWORD(rest[n + 3]) << 24;
    signs = SignsOf(head + 5, reinterpret_cast<const char*>(rest), n, dwColour);
    return true;
}

// The font read from nStart with a name nName long reads whole with a name of another length
// (a face has a name): the damage lies in its own name's length.
bool WholeAtAnotherLength(const CArchive& ar, size_t nStart, int nName)
{
    CFontSigns signs;
    for (int n = 1; n < 0xFF && PeekSigns(ar, nStart, signs, n) && !signs.bBadStyle; ++n) {
        if (signs.nSigns == 0 && n != nName)
            return true;
        if (signs.bBadName)
            break;  // so is every longer name
    }
    return false;
}

// A font read in step as far as it shows, whose name's length may yet be damaged: what is read
// after it tells.
struct CFontDoubt
{
    static constexpr int kMostShift = 8;

    bool bActive = false;
    // It showed a sign, or its name read a little longer makes a whole font: a refusal before
    // the read has gone on in step is taken for its damaged name length.
    bool bBlameUnseen = false;
    // Bit d + kMostShift: the name's length may be out by d, which starts what follows the font
    // d bytes further on.
    unsigned nShifts = 0;
    CReadPlaceMark place;
    const CArchive* pArchive = nullptr;  // compared, never followed
    size_t nEnd = 0;
    size_t nClassTagsRead = 0;

    // A class tag read whole after the font: the read went on in step.
    bool SettledBy(const CArchive& ar) const { return pArchive == &ar && ar.GetClassTagsRead() > nClassTagsRead; }
    bool MayShift(int d) const { return d >= -kMostShift && d <= kMostShift && (nShifts >> (d + kMostShift)) & 1u; }
};

struct CFontReadState
{
    int nScopes = 0;
    const CArchive* pFileArchive = nullptr;  // the whole file's, compared, never followed
    bool bReadingFont = false;  // a font's bytes are being read
    const CArchive* pFontArchive = nullptr;  // from this one, compared, never followed
    size_t nFontStart = 0;                   // at this offset
    CFontDoubt doubt;
    // A font ran past the file's end where the damaged name length of one in doubt before it
    // would make it the file's last, ending with the file. Taken to the file's end, the read
    // tells which it was: one that wants nothing more was of a whole file, one that wants more
    // of a file cut short.
    bool bTakenToEnd = false;
    CReadPlaceMark takenToEndBlames;
    CString strTakenCutShort;  // what the font's own read would have met at the end
};

CFontReadState& FontReadState()
{
    static CFontReadState s_state;
    return s_state;
}

[[noreturn]] void ThrowDamagedName(const CString& strPlace)
{
    CString reason = "The file holds a report font whose name's length is damaged";
    if (!strPlace.IsEmpty())
        reason += ", in " + strPlace;
    CArchive::ThrowCorrupt(reason + ".");
}

unsigned ShiftBit(int d)
{
    return 1u << (d + CFontDoubt::kMostShift);
}

// The lengths, out by 1 to 3, that a font read whole could have been stored at: a name stored
// d bytes shorter leaves its last letters and the colour's first bytes for the colour, and the
// colour's zero fourth byte after it; one stored longer takes in the colour's first bytes, and
// the colour the font's next zero bytes. nLonger gets those that read the name longer.
unsigned NearbyLengths(const CArchive& ar, int nName, DWORD dwColour, unsigned& nLonger)
{
    nLonger = 0;
    for (int d = 1; d <= 3 && nName + d < 0xFF; ++d) {
        if (!IsLetterOrSign(static_cast<BYTE>(dwColour >> (8 * (d - 1)))))
            break;
        BYTE b = 0xFF;
        if (ar.PeekAt(ar.GetPosition() + d - 1, &b, 1) == 1 && b == 0)
            nLonger |= ShiftBit(d);
    }
    unsigned nShorter = 0;
    for (int d = 1; d <= 3 && d <= nName; ++d)
        if (((dwColour >> (8 * (3 - d))) & 0xFF) == 0)
            nShorter |= ShiftBit(-d);
    return nLonger | nShorter;
}

// The font read just now, from nStart with a name nName long, after a font in doubt. Near it
// and read whole, it settles the doubt. Showing a sign, it shows the read out of step from the
// font in doubt, which is refused, when it is whole where a damaged length there would start
// it, or when it shows more than one byte leaves and no other length of its own name makes it
// whole. A font far from the one in doubt says nothing of it. False while a font is still in
// doubt that the one read now does not replace.
bool WeighFontInDoubt(const CArchive& ar, size_t nStart, const CFontSigns& signs, int nName)
{
    CFontDoubt& doubt = FontReadState().doubt;
    if (!doubt.bActive)
        return true;
    if (doubt.SettledBy(ar)) {
        doubt.bActive = false;
        return true;
    }
    // A font far on says nothing of the step where the doubt lies: a doubt that a refusal
    // would name stays, one that none would is dropped. A record of its own, read through an
    // archive of its own, starts where the read around it went on: its first font is near, and
    // a damaged length before the record would have shifted it as much as the next font.
    constexpr size_t kNear = 64;  // past a few settings between two fonts
    const size_t nFrom = doubt.pArchive == &ar ? doubt.nEnd : 0;
    if (nStart > nFrom + kNear) {
        doubt.bActive = doubt.bBlameUnseen;
        return !doubt.bActive;
    }
    doubt.bActive = false;
    if (signs.nSigns == 0)
        return true;
    bool bOutOfStep = false;
    for (int d = -CFontDoubt::kMostShift; d <= CFontDoubt::kMostShift && !bOutOfStep; ++d) {
        CFontSigns shifted;
        bOutOfStep = doubt.MayShift(d) && static_cast<long long>(nStart) + d >= 0 &&
                     PeekSigns(ar, nStart + d, shifted) && shifted.nSigns == 0;
    }
    if (!bOutOfStep && signs.nSigns > 1 && doubt.bBlameUnseen)
        bOutOfStep = !WholeAtAnotherLength(ar, nStart, nName);
    if (bOutOfStep)
        ThrowDamagedName(doubt.place.GetText());
    return true;
}

// The name of the font stored at nPos, as far as the bytes hold it, is in the long form never
// written for a face or holds a character that is no typed text: no cut leaves a name so.
bool NameShowsASign(const CArchive& ar, size_t nPos)
{
    BYTE name[kFixed + 1 + 0xFF];
    const size_t n = ar.PeekAt(nPos, name, sizeof name);
    if (n <= kFixed)
        return false;
    if (name[kFixed] == 0xFF)
        return true;
    const size_t nEnd = std::min(n, kFixed + 1 + name[kFixed]);
    return std::any_of(name + kFixed + 1, name + nEnd, [](BYTE c) { return !IsTypedChar(c); });
}

// The font stored at nPos is whole and ends where the file does.
bool WholeToTheEnd(const CArchive& ar, size_t nPos, size_t nFileEnd)
{
    CFontSigns signs;
    if (!PeekSigns(ar, nPos, signs) || signs.nSigns != 0)
        return false;
    BYTE nName = 0;
    ar.PeekAt(nPos + kFixed, &nName, 1);
    return nPos + kFixed + 1 + nName + 4 == nFileEnd;
}

// A font about to be read at nStart from the file's own archive that runs past the file's end
// is taken to the end, unread, where a font in doubt before it, out by as much, would start it
// whole and ending with the file. A file cut in a font has no such reading, or wants more after
// it. A shorter name of the font's own that reads it whole is no sign: a cut in a black font's
// colour leaves just that, its name's last letters and the colour's zero bytes.
bool TakeToTheFileEnd(CArchive& ar, size_t nStart)
{
    CFontReadState& state = FontReadState();
    BYTE head[kFixed + 1];
    if (&ar != state.pFileArchive || state.bTakenToEnd || ar.PeekAt(nStart, head, sizeof head) != sizeof head ||
        head[kFixed] == 0xFF)
        return false;
    const size_t nFileEnd = nStart + ar.BytesRemaining();
    if (nStart + sizeof head + head[kFixed] + 4 <= nFileEnd)
        return false;
    const CFontDoubt& doubt = state.doubt;
    bool bTaken = false;
    if (doubt.bActive && doubt.pArchive == &ar && !doubt.SettledBy(ar))
        for (int d = -CFontDoubt::kMostShift; d <= CFontDoubt::kMostShift && !bTaken; ++d)
            if (d != 0 && doubt.MayShift(d) && static_cast<long long>(nStart) + d >= 0 &&
                WholeToTheEnd(ar, nStart + d, nFileEnd)) {
                state.takenToEndBlames = doubt.place;
                bTaken = true;
            }
    if (!bTaken)
        return false;
    const size_t nNameEnd = nStart + sizeof head + head[kFixed];
    if (nNameEnd > nFileEnd)
        state.strTakenCutShort = "A text in the file runs past its end.";
    else
        state.strTakenCutShort.Format("The file ends too early (4 bytes wanted at offset %zu of %zu).", nNameEnd,
                                      nFileEnd);
    std::vector<BYTE> rest(ar.BytesRemaining());
    ar.ReadExact(rest.data(), rest.size());
    state.bTakenToEnd = true;
    return true;
}

} // namespace

void CFontData::MendOrRefuse(const CArchive& ar, size_t nStart, DWORD dwColour)
{
    const int nName = m_strFaceName.GetLength();
    const BYTE styles[4] = {m_bBold, m_bItalic, m_bStrikeOut, m_bUnderline};
    const CFontSigns signs = SignsOf(styles, m_strFaceName.GetString(), nName, dwColour);
    const bool bMayDoubt = WeighFontInDoubt(ar, nStart, signs, nName);
    // More signs than one byte leaves: the read started out of step, at this font's name.
    if (signs.nSigns > 1 && (signs.bBadName || signs.bBadColour))
        ThrowDamagedName(GetReadPlace());

    // Read in step as far as it shows: kept as read, in doubt until what follows reads in step.
    CFontReadState& state = FontReadState();
    if (state.nScopes > 0 && bMayDoubt) {
        // One that showed a sign may have had its name's length made longer or shorter.
        const bool bSigned = signs.nSigns > 0;
        unsigned nLonger = 0;
        const unsigned nShifts = bSigned ? (ShiftBit(CFontDoubt::kMostShift + 1) - 1) & ~ShiftBit(0)
                                         : NearbyLengths(ar, nName, dwColour, nLonger);
        if (nShifts != 0)
            state.doubt = {true, bSigned || nLonger != 0, nShifts, MarkReadPlace(), &ar, ar.GetPosition(),
                           ar.GetClassTagsRead()};
    }

    m_crColour = dwColour & 0xFFFFFF;
    if (signs.bBadName)
        m_strFaceName = kDefaultFace;
    if (signs.bBadName || signs.bBadColour) {
        CString place = GetReadPlace();
        if (place.IsEmpty())
            place = "a report font";
        place += signs.bBadName ? " (its name, now " + CString(kDefaultFace) + ")" : CString(" (its colour)");
        NoteReadMend(ReadMend::Font, place);
    }
}

void CFontData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nScreenHeight << m_nPrinterHeight << m_nPointSize << m_bBold << m_bItalic << m_bStrikeOut
           << m_bUnderline << m_strFaceName << static_cast<DWORD>(m_crColour);
    } else {
        CFontReadState& state = FontReadState();
        const size_t nStart = ar.GetPosition();
        if (state.nScopes > 0 && TakeToTheFileEnd(ar, nStart))
            return;  // the read after it tells whether its name's length was damaged
        DWORD dwColour = 0;
        state.bReadingFont = true;
        state.pFontArchive = &ar;
        state.nFontStart = nStart;
        ar >> m_nScreenHeight >> m_nPrinterHeight >> m_nPointSize >> m_bBold >> m_bItalic >> m_bStrikeOut
           >> m_bUnderline >> m_strFaceName >> dwColour;
        state.bReadingFont = false;
        MendOrRefuse(ar, nStart, dwColour);
        m_nLineHeight = 0;
    }
}

void ReadNamingDamagedFont(CArchive& ar, const std::function<void()>& read)
{
    CFontReadState& state = FontReadState();
    // Nothing is left over from a read before this one, nor after it.
    struct CScope
    {
        CFontReadState& state;
        CScope(CFontReadState& s, const CArchive& ar) : state(s)
        {
            if (state.nScopes++ == 0) {
                state = CFontReadState();
                state.nScopes = 1;
                state.pFileArchive = &ar;
            }
        }
        ~CScope()
        {
            if (--state.nScopes == 0)
                state = CFontReadState();
        }
    } scope(state, ar);
    const CFontDoubt& doubt = state.doubt;
    auto doubtBlamed = [&] { return doubt.bActive && doubt.bBlameUnseen && !doubt.SettledBy(ar); };
    try {
        read();
    } catch (const CArchiveException& e) {
        // A font taken to the file's end, and the read wanted more, whether a value past the end
        // or a part that a file of its version holds: the file is cut short in that font.
        if (state.bTakenToEnd && &ar == state.pFileArchive)
            throw CArchiveException(CArchiveException::endOfFile, state.strTakenCutShort);
        if (e.m_cause == CArchiveException::endOfFile && &ar == state.pFileArchive) {
            // The file ends before the read does: it is cut short, but for a font whose name ran
            // past the end showing a damaged length.
            BYTE nName = 0;
            if (state.bReadingFont && state.pFontArchive == &ar &&
                NameShowsASign(ar, state.nFontStart) && ar.PeekAt(state.nFontStart + kFixed, &nName, 1) == 1)
                ThrowDamagedName(doubtBlamed() && !WholeAtAnotherLength(ar, state.nFontStart, nName)
                                     ? doubt.place.GetText()
                                     : GetReadPlace());
            throw;
        }
        if (doubtBlamed())
            ThrowDamagedName(doubt.place.GetText());
        throw;
    }
    // A font taken to the file's end, and the read wanted nothing more: the file is whole, and
    // a damaged name length put the font past its end.
    if (state.bTakenToEnd && &ar == state.pFileArchive)
        ThrowDamagedName(state.takenToEndBlames.GetText());
}

void EndFontRecord(const CArchive& ar, size_t nLength, bool bPastEnd)
{
    CFontReadState& state = FontReadState();
    CFontDoubt& doubt = state.doubt;
    const bool bDoubtHere = doubt.bActive && doubt.pArchive == &ar && !doubt.SettledBy(ar);
    if (bPastEnd) {
        // A name too long runs the read on past the record's end: this font's own, whatever was
        // in doubt before the record, whose length was read in step.
        if (state.bReadingFont) {
            doubt.bActive = false;
            ThrowDamagedName(GetReadPlace());
        }
        for (int d = 1; bDoubtHere && d <= CFontDoubt::kMostShift; ++d)
            if (doubt.MayShift(-d))
                ThrowDamagedName(doubt.place.GetText());
    } else if (ar.GetPosition() != nLength) {
        // A name too short leaves the read as much short of the end.
        const size_t nShort = nLength - ar.GetPosition();  // a read never passes its end
        if (bDoubtHere && nShort <= CFontDoubt::kMostShift && doubt.MayShift(static_cast<int>(nShort)))
            ThrowDamagedName(doubt.place.GetText());
    } else {
        doubt.bActive = false;
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
