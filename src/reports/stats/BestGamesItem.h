#pragma once
// CRepItem_best ("Best Game/Series"): the best single games or series of a span of rounds,
// of bowlers (scratch, handicap or pins over average; one group) or of teams. The stored item
// is the heading; Expand puts one row item per printed line behind it. The ranked lists live
// in the document (m_arrBestPlayers, m_arrBestTeams), rebuilt from the fixtures by every
// heading drawn or written, and read by the rows at their index.
#include "framework/core/Time.h"
#include "league/FontData.h"
#include "view/RepItem.h"

class CPlayer;
class CTeam;

// One place of a best list; neither bowler nor team: an empty place.
class CBestEntry : public CObject
{
public:
    CTime m_time;
    CPlayer* m_pPlayer = nullptr;
    CTeam* m_pTeam = nullptr;
    int m_nValue = 0;

    BOOL IsEmpty() const { return !m_pPlayer && !m_pTeam; }
};

class CRepItem_best : public CRepItem
{
    DECLARE_SERIAL(CRepItem_best)
public:
    enum { HEADER_FONT = 40, DETAIL_FONT = 41 };
    enum Basis : BYTE { BASIS_SCRATCH = 0, BASIS_HANDICAP = 1, BASIS_OVER_AVERAGE = 2 };
    enum Kind : BYTE { KIND_SERIES = 0, KIND_GAMES = 1 };
    // The count keeps 14 bits in the file.
    static constexpr int MAX_COUNT = 0x3FFF;

    CRepItem_best();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override;
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    void Edit() override;
    void ApplyDefaultFonts() override;
    void Expand(CObList& list) override;

    // The heading's work before it draws or writes: the span (current round only follows the
    // document) and the list of the item's kind rebuilt.
    void RebuildList();
    // "Best 10 Scratch Games by any Bowler  in round 3."
    CString HeadingText() const;
    // The rounds the list is made of: the item's span, cut to the current split when the
    // league resets its high scores each split; false, the span as set, when none of it lies
    // in it.
    bool CountedSpan(int& nFirst, int& nLast) const;
    // Rows of the item: N, or (N + 1) / 2 in two columns.
    int RowCount() const;
    // The list the rows read: teams or bowlers.
    CObArray& List() const;
    // The entry at index i of the shared list, null when the list is shorter or i is N or more.
    const CBestEntry* EntryAt(int i) const;

    int m_nRow = 0;              // row items: the line drawn, from 0
    BYTE m_nColumns = 0;         // 0 one column, 1 two columns
    BYTE m_nBasis = BASIS_SCRATCH;
    DWORD m_bTeams = 0;
    DWORD m_bCurrentRoundOnly = 0;
    BYTE m_nGroup = 3;           // 0 men, 1 women, 2 juniors, 3 everybody
    BYTE m_nKind = KIND_SERIES;  // two bits in the file
    WORD m_nFirstRound = 1;
    WORD m_nLastRound = 1;
    WORD m_nCount = 50;
    CFontData m_fontHeader;
    CFontData m_fontDetail;

private:
    void CollectPlayerBest();
    void CollectTeamBest();
    void ResetList(CObArray& list) const;
    int Insert(CObArray& list, int nValue, CPlayer* pPlayer, CTeam* pTeam, const CTime& time) const;
    BOOL InGroup(const CPlayer* pPlayer) const;
    void DrawEntry(CDC* pDC, const CBestEntry* pEntry, int nPlace, int y, const int x[4]);
    void WriteEntryCells(CStdioFile& file, const CBestEntry* pEntry, int nPlace, const char* pszEmpty);
};
