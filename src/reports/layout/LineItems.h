#pragma once
// A horizontal rule centred on the page, and a line of text at a chosen x.
#include "league/FontData.h"
#include "view/RepItem.h"

class CRepItem_line : public CRepItem
{
    DECLARE_SERIAL(CRepItem_line)
public:
    CRepItem_line();
    // Type, width, thickness, space above and below.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Line"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // Edit line details; OK takes the dialog's values.
    void Edit() override;

    BYTE m_nWidth;        // percent of the page width, 0 = no rule
    BYTE m_nThickness;    // 1..4
    WORD m_nSpaceAbove;   // hundredths of an inch
    WORD m_nSpaceBelow;
};

// One line of text, left-aligned, centred or right-aligned at x. Without the advance flag it
// takes no height, so the next item shares its line. Made by the junior reports; never stored.
class CRepItem_TextLine : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_TextLine)
public:
    enum { ALIGN_LEFT = 0, ALIGN_CENTRE = 1, ALIGN_RIGHT = 2 };
    CRepItem_TextLine();
    void CopyFrom(const CRepItem& other) override;
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    CFontData m_font;
    CString m_strText;
    DWORD m_bAdvance;
    int m_nX;             // twips
    int m_nAlign;         // ALIGN_...; other values left
};
