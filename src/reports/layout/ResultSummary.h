#pragma once
// The result summary of a report layout: the results of one round, one line a match, in one
// of two formats ("Original Format": each side's games, series and points; "Points + High
// Series": each side's series and points and the match's best bowler), with the league's and
// the round's average game below. The layout flow hands it its round.
#include "league/FontData.h"
#include "view/RepItem.h"

class CFixture;

class CRepItem_ResultSummary : public CRepItem
{
    DECLARE_SERIAL(CRepItem_ResultSummary)
public:
    // Bits of the stored option byte (files of version 66 on).
    enum : BYTE
    {
        OPT_HCP_POINTS = 0x01,
        OPT_HCP_PYRAMID = 0x02,
        OPT_SCR_PYRAMID = 0x04,
        OPT_SCR_POINTS = 0x08,
        OPT_HCP_PETERSEN = 0x10,
        OPT_SCR_PETERSEN = 0x20,
        OPT_POINTS_HI_SERIES = 0x40,
    };
    enum { FORMAT_ORIGINAL = 0, FORMAT_POINTS_HI_SERIES = 1 };

    CRepItem_ResultSummary();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Result Summary"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void ApplyDefaultFonts() override;
    void SetRound(int nRound) override { m_nRound = static_cast<BYTE>(nRound); }
    BOOL UsesHandicapPoints() const override { return m_bHcpPoints != 0; }
    void SetDefaults() override;

    void DrawOriginal(CDC* pDC);
    void DrawPointsHiSeries(CDC* pDC);
    void WriteOriginalHtml(CStdioFile& file);
    void WritePointsHiSeriesHtml(CStdioFile& file);

    // The option byte as stored, and read back in the meaning of the file's version.
    BYTE GetOptionByte() const;
    void SetOptionByte(BYTE nByte, int nFileVersion);

    // The side's league points by the item's kinds of points, in the match's unit.
    int GetPointsSum(const CFixture& f, int nSide) const;
    // The side's best series and the bowler whose series it is (every game of the match his,
    // as the fixture answers it, his blind games in it where the league counts them); the first
    // position wins a tie. 0 when the side has no result.
    int GetBestSeries(const CFixture& f, int nSide, CString& strBowler) const;
    // The heading: "Hcp Results Summary for Round 7 on 03 Mar 09 19:30."
    CString GetHeadingText() const;
    // The matches of the round that are not byes, in list order.
    int CountMatches() const;

    BYTE m_nRound;              // 0 = none: nothing drawn or written, no height
    DWORD m_bHcpPoints;         // also makes the summary a handicap one
    DWORD m_bScrPoints;
    DWORD m_bHcpPyramid;
    DWORD m_bScrPyramid;
    DWORD m_bHcpPetersen;       // kept with the item; no effect
    DWORD m_bScrPetersen;
    DWORD m_nFormat;            // FORMAT_ORIGINAL or FORMAT_POINTS_HI_SERIES
    CFontData m_fontTitle;
    CFontData m_fontDetail;
    CFontData m_fontWin;
    CFontData m_fontLose;
};
