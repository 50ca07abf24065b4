#pragma once
// The league's current date on one line of a report, in one of five styles.
#include "league/FontData.h"
#include "view/RepItem.h"

// Style 0 "dd mm yy", 1 "mm dd yy", 2 "dd mth yy", 3 "dd mth yyyy", 4 (and above) "dd month yyyy".
CString FormatDateByStyle(int nStyle, const CTime& date);
// The style list of the Date Setup dialog, in style order.
extern const char* const g_szDateStyleNames[5];

class CRepItem_Date : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Date)
public:
    enum { ALIGN_LEFT = 0, ALIGN_CENTRE = 1, ALIGN_RIGHT = 2 };
    static constexpr int DEFAULT_FONT = 12;

    CRepItem_Date();
    // Type, style, alignment, space before and after, font.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Date"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // "Date Setup"; OK takes style, alignment and spaces. A font chosen there stays.
    void Edit() override;
    void ApplyDefaultFonts() override;

    // The document's date in the item's style ("" without a document).
    CString GetText() const;

    BYTE m_nStyle;
    BYTE m_nAlign;
    short m_nSpaceBefore;   // hundredths of an inch, may be negative
    short m_nSpaceAfter;
    CFontData m_font;
};
