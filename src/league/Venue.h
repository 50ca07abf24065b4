#pragma once
// CVenue: a bowling centre the league bowls at, with its own lane layout. Fixtures refer to
// it by number (0 = none).
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CArchive;
class CFixture;

// The ten best scores of one kind bowled at a venue, best first. An empty entry has score 0
// and no bowler or team (a CPlayer or a CTeam, by table) and no fixture.
struct CVenueTopTen
{
    CObject* m_pWho[10]{};
    CFixture* m_pFixture[10]{};
    WORD m_nScore[10]{};
};

// The venue's eight tables, in this order.
enum VenueTable {
    VT_PLAYER_HCP_GAME, VT_PLAYER_HCP_SERIES, VT_PLAYER_SCR_GAME, VT_PLAYER_SCR_SERIES,
    VT_TEAM_HCP_GAME, VT_TEAM_HCP_SERIES, VT_TEAM_SCR_GAME, VT_TEAM_SCR_SERIES, VT_TABLES
};

// Frees entry nPos (0-based) of a table by moving it and the ones after it one place down;
// the tenth drops out.
void ShiftPlayerTopTen(int nPos, WORD* pScores, CObject** pBowlers, CFixture** pFixtures);
void ShiftTeamTopTen(int nPos, WORD* pScores, CObject** pTeams, CFixture** pFixtures);
// Puts the score in its place when it beats an entry; an equal score goes after it.
void InsertTopTen(CVenueTopTen& table, WORD nScore, CObject* pWho, CFixture* pFixture);

class CVenue : public CObject
{
    DECLARE_SERIAL(CVenue)
public:
    CVenue();
    explicit CVenue(BYTE nVenueNo);

    void CopyFrom(const CVenue& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CVenue& other) const;

    BYTE m_nVenueNo;
    CString m_strName;
    CString m_strAddress[4];
    CString m_strPostcode;
    CString m_strPhone;
    CString m_strDirections;      // may hold several lines
    BYTE m_nStartLane;            // 1
    BYTE m_nLastLane;             // lane numbers wrap after it
    BYTE m_nSplitStartLane;
    BYTE m_nLanesBeforeSplit;
    DWORD m_bSplitLanes;          // not stored: derived from the two split fields on reading

    // Worked out from the fixtures by CBowlingDoc::CalcVenueStatistics; never stored.
    DWORD m_nMatchesPlayed = 0;
    CVenueTopTen m_topTen[VT_TABLES];
};
