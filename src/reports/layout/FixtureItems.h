#pragma once
// The fixture lists: a round's matches (in a report layout, or one item per round of the
// fixtures-by-round display), a free date between rounds, and one match line of a team's list
// or of the outstanding fixtures.
#include "league/FontData.h"
#include "view/RepItem.h"

class CFixture;
class CTeam;

// The matches of one round: a heading line (round, date, position round, venue) and the
// matches in one, two or three columns. Round 0 shows nothing and takes no room.
class CRepItem_FixWeek : public CRepItem
{
    DECLARE_SERIAL(CRepItem_FixWeek)
public:
    // Default fonts of the fixtures-by-round list: heading and detail.
    static constexpr int HEADING_FONT = 14;
    static constexpr int DETAIL_FONT = 15;

    CRepItem_FixWeek();
    // No type byte: the item version (1), then from version 42 on the detail and heading
    // fonts. Round and the two omit flags are not stored.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Next Rounds Fixtures"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The "Fixtures by Week." dialog on the two fonts.
    void Edit() override;
    void ApplyDefaultFonts() override;
    void SetRound(int nRound) override { m_nRound = static_cast<BYTE>(nRound < 0 || nRound > 255 ? 0 : nRound); }

    BYTE m_nRound;
    BYTE m_nItemVersion;
    DWORD m_bOmitLanes;
    DWORD m_bOmitTime;
    CFontData m_fontHeading;
    CFontData m_fontDetail;

private:
    void CopyFixWeek(const CRepItem_FixWeek& other);
};

// "Free Date - <date>    <reason>" between the rounds of a fixture list. Never stored.
class CRepItem_FreeDate : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_FreeDate)
public:
    CRepItem_FreeDate();
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Next Rounds Fixtures"; }
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The fixtures-by-round fonts; the line is drawn in the first.
    void ApplyDefaultFonts() override;

    CTime m_time;
    CString m_strReason;
    CFontData m_fontLine;
    CFontData m_fontSecond;
};

// One match of a fixture list: round, date, lanes, the two teams and the venue. In a team's
// list the team stands in the detail font and its opponent in the heading font; team number
// ALL_TEAMS draws both in the detail font. Never stored.
class CRepItem_FixTeam : public CRepItem
{
    DECLARE_SERIAL(CRepItem_FixTeam)
public:
    static constexpr WORD ALL_TEAMS = 999;
    // Default fonts of the fixtures-by-team list: heading and detail.
    static constexpr int HEADING_FONT = 16;
    static constexpr int DETAIL_FONT = 17;

    CRepItem_FixTeam();
    void CopyFrom(const CRepItem& other) override;
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void ApplyDefaultFonts() override;

    CFixture* m_pFixture;   // not owned
    WORD m_nTeamNo;
    CFontData m_fontDetail;
    CFontData m_fontHeading;
    DWORD m_bOmitLanes;
    DWORD m_bOmitTime;
};

// The lane of a match's side from the document's lane table: entry 2m-2 for the home side of
// match m and 2m-1 for the away side; -1 when the match number has no entry.
int FixtureLaneEntry(const CBowlingDoc* pDoc, const CFixture* pFixture, int nSide);
