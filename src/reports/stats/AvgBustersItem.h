#pragma once
// CRepItem_AvgBusters ("Average Busters"): the leading bowlers of the average buster
// competition, two to a line, for the season or for the current round.
#include "league/FontData.h"
#include "view/RepItem.h"

class CPlayer;

class CRepItem_AvgBusters : public CRepItem
{
    DECLARE_SERIAL(CRepItem_AvgBusters)
public:
    static constexpr int MAX_DISPLAY = 100;
    CRepItem_AvgBusters();

    // No type byte and no version gate: detail font, header font, then one byte with the
    // number to display in bits 0-6 and the current-round flag in bit 7.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Average Busters"; }
    // Ranks the bowlers and works out how many are shown: every bowler ranked in the table
    // (the season's, or the round's), up to the number to display; the title alone when none is.
    int GetHeight(CDC* pDC) override;
    // The ranks and the number shown of the last GetHeight, two bowlers to a line.
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The season's ranking, ranked and counted afresh, whatever the current-round choice.
    void WriteHtml(CStdioFile& file) override;
    // "Average Busters report item"; anything but OK puts the item back as it was.
    void Edit() override;

    BYTE m_nDisplay;          // most bowlers listed, 1..100
    BYTE m_nShown;            // bowlers listed, worked out by GetHeight
    DWORD m_bCurrentRound;    // the current round's totals instead of the season's
    CFontData m_fontHeader;
    CFontData m_fontDetail;

private:
    // Ranks the bowlers afresh; the number the season's (or the round's) table lists: every
    // bowler ranked in it, up to the number to display.
    int CountRanked(BOOL bRound) const;
    // The holder of a rank of the season's (the round's) table, or null.
    CPlayer* Holder(BOOL bRound, int nRank) const;
    CString Title(int nShown, BOOL bWithRound) const;
};
