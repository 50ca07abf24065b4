#pragma once
// The matches up to the current round whose results are not in for both sides. The item in
// the layout is the heading; each report preparation expands it into one temporary line per
// outstanding match.
#include "league/FontData.h"
#include "view/RepItem.h"

class CFixture;

class CRepItem_LateGames : public CRepItem
{
    DECLARE_SERIAL(CRepItem_LateGames)
public:
    enum { ALIGN_LEFT = 0, ALIGN_CENTRE = 1, ALIGN_RIGHT = 2 };
    // The default fonts of the outstanding fixtures: heading and detail.
    static constexpr int HEADING_FONT = 24;
    static constexpr int DETAIL_FONT = 25;

    CRepItem_LateGames();
    // Type, title, print-heading-always flag, alignment, heading font, detail font.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Outstanding Matches"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // "Outstanding Matches."; OK takes title, flag and alignment. Fonts chosen there stay.
    void Edit() override;
    void ApplyDefaultFonts() override;
    // Counts the outstanding matches and appends a line for each one that is no bye.
    void Expand(CObList& list) override;

    bool IsLine() const { return m_pFixture != nullptr; }
    // The heading shows only when something is outstanding or it is asked for always.
    bool IsHeadingHidden() const { return !IsLine() && m_nOutstanding == 0 && !m_bPrintAlways; }

    CString m_strTitle;
    BYTE m_bPrintAlways;
    DWORD m_nOutstanding;   // found by the last expansion
    CFixture* m_pFixture;   // a line's match, not owned; null for the heading
    BYTE m_nAlign;
    CFontData m_fontHeading;
    CFontData m_fontDetail;
};

// The matches of rounds up to the current one whose result is not in for both sides, byes
// included.
int CountOutstandingMatches(const CBowlingDoc* pDoc);
