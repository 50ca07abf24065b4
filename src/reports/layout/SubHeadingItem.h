#pragma once
// A line of the secretary's own text in its own font, left, centred or right, with space
// before and after it.
#include "league/FontData.h"
#include "view/RepItem.h"

class CRepItem_SubHeading : public CRepItem
{
    DECLARE_SERIAL(CRepItem_SubHeading)
public:
    enum { ALIGN_LEFT = 0, ALIGN_CENTRE = 1, ALIGN_RIGHT = 2 };
    static constexpr int DEFAULT_FONT = 13;
    static constexpr int MAX_TEXT = 128;

    CRepItem_SubHeading();
    // Type, text, reserved byte, alignment, reserved byte, space before and after, and the
    // font from file version 36 on.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Subheading"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // "Edit Subheading"; OK takes text, spaces and alignment. A font chosen there stays.
    void Edit() override;
    void ApplyDefaultFonts() override;

    CString m_strText;
    BYTE m_nAlign;
    WORD m_nSpaceBefore;   // hundredths of an inch
    WORD m_nSpaceAfter;
    BYTE m_nReserved1;     // kept as read
    BYTE m_nReserved2;
    CFontData m_font;
};
