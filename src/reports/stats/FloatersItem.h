#pragma once
// CRepItem_Floaters ("Floating Subs"): the bowlers without a team who stand in for any team,
// with their averages, pins, games, handicaps and telephone numbers, in one column or, with
// fewer figures, in two.
#include "league/FontData.h"
#include "view/RepItem.h"

class CPlayer;

class CRepItem_Floaters : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Floaters)
public:
    CRepItem_Floaters();

    // No type byte: the three fonts from version 40, the column layout from version 54.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Floating Subs"; }
    // The title alone without floating substitutes; else the captions and a line for each
    // one, or for each two side by side.
    int GetHeight(CDC* pDC) override;
    // In the floating-substitutes team's order; each name records its rectangle.
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // One table with every figure, in the order of the player list.
    void WriteHtml(CStdioFile& file) override;
    // "Floating Subs Report Item Fonts"; anything but OK puts the item back as it was.
    void Edit() override;

    BYTE m_nColumns;          // 0 one column with every figure, else two columns
    CFontData m_fontTitle;
    CFontData m_fontHeading;
    CFontData m_fontDetail;

private:
    void DrawPlayer(CDC* pDC, CPlayer* p, int y, bool bRightColumn);
};
