#pragma once
// CBowlingDoc: the league document. One per open league file; it owns every team, bowler,
// match, round date, venue, rule, award, account entry, junior category and report layout
// of the league.
//
// The settings that the league file keeps are in CLeagueSettings, which the document
// inherits, so that code reads them as document members (m_pDoc->m_nGamesPerMatch) and a
// loaded league can be taken over in one assignment (see BowlingDocFile.cpp). Everything
// declared in CBowlingDoc itself is either an owned list or run-time state.
//
// The files of the class:
//   BowlingDoc.cpp        construction, ownership, DeleteContents, look-ups
//   BowlingDocFile.cpp    the league file (Serialize, load and save, the version gates)
//   BowlingDocPoints.cpp  match points, blind and robot scores (the scoring engine)
//   BowlingDocRecalc.cpp  the statistics pass, standings and rankings
//   SeasonRounds.cpp      what a change of the season's rounds keeps: venues, splits
#include "framework/core/Collections.h"
#include "framework/core/String.h"
#include "framework/core/Time.h"
#include "framework/core/Types.h"
#include "framework/ui/Document.h"
#include "league/Awards.h"
#include "league/FontData.h"
#include "league/Juniors.h"
#include "league/Rules.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CArchive;
class CFixture;
class CFreeWeek;
class CPlayer;
class CTeam;
class CVenue;
class CAccountItem;
class CRepForm;
class CDC;
class CPlayerDatabase;
struct CPageInfo;

// The version every league file is written in, but one whose bowlers are linked to records of
// the player database or have details waiting for it: that one is written in
// LEAGUE_FILE_VERSION_LINKS (the stamps of the links, and when each waiting detail was typed),
// or LEAGUE_FILE_VERSION_IN_STEP when it knows what its bowlers' copies were last in step with
// (and when it typed their values), which a program that reads only older versions refuses
// instead of dropping them. Version 78 (details waiting, without times or stamps) is only read.
// The newest version read.
constexpr BYTE LEAGUE_FILE_VERSION = 77;
constexpr BYTE LEAGUE_FILE_VERSION_WAITING = 78;
constexpr BYTE LEAGUE_FILE_VERSION_LINKS = 79;
constexpr BYTE LEAGUE_FILE_VERSION_IN_STEP = 80;
constexpr BYTE LEAGUE_FILE_NEWEST = LEAGUE_FILE_VERSION_IN_STEP;

// The pass selector's values, also the index of every [2] figure set of teams and players.
constexpr int PASS_SCRATCH = 0;
constexpr int PASS_HANDICAP = 1;

// The four handicap rule sets.
constexpr int HCP_RULE_ALL = 0;
constexpr int HCP_RULE_MEN = 1;
constexpr int HCP_RULE_WOMEN = 2;
constexpr int HCP_RULE_JUNIORS = 3;

constexpr int DEFAULT_FONT_COUNT = 100;
constexpr int SCORE_THRESHOLD_COUNT = 16;

// Display modes the document knows of (the view has the rest).
constexpr BYTE DISPLAY_FIXTURES = 3;
constexpr BYTE DISPLAY_RESULTS = 6;
constexpr BYTE DISPLAY_STANDINGS = 7;

// Hints of UpdateAllViews: what changed, for a view whose display is built from it.
constexpr LPARAM HINT_ACCOUNTS_CHANGED = 1;   // entries, headings or payment items
constexpr LPARAM HINT_NEW_LEAGUE = 2;         // another league: no page of the old one stays

struct CHandicapRule
{
    WORD m_nBasis = 200;
    WORD m_nPercent = 80;     // 0..150
    WORD m_nMax = 0;
    short m_nMin = 0;         // -100..300
    DWORD m_bApplyMax = 0;
    DWORD m_bApplyMin = 0;
    bool operator==(const CHandicapRule&) const = default;
};

// One system's points rules. Points are half points (two units to a point).
struct CPointsRule
{
    DWORD m_bIndividual = 0;
    DWORD m_bTeam = 0;
    BYTE m_nIndividualGame[4] = {};
    BYTE m_nTeamGame[4] = {};
    BYTE m_nIndividualSeries = 0;
    BYTE m_nTeamSeries = 0;
    DWORD m_bBlindCannotWin = 0;       // "individual blind scores cannot win points"
    DWORD m_bMostWinsCountsPoints = 0; // "'Most Wins' counts points won"
    bool operator==(const CPointsRule&) const = default;
};

// The stored settings of a league. Defaults are those of a new league.
struct CLeagueSettings
{
    // --- league details
    CString m_strLeagueName;
    CString m_strSanctionedBy;
    CString m_strSanctionNumber;
    CString m_strPresident;
    CString m_strVicePresident;
    CString m_strSecretary;
    CString m_strTreasurer;
    CString m_strPresidentPhone;
    CString m_strVicePresidentPhone;
    CString m_strSecretaryPhone;
    CString m_strTreasurerPhone;
    DWORD m_bPrivacy = 0;                  // omit address and phone details from player report
    BYTE m_nSecretaryTeam = 0;             // team numbers, 0 = none
    BYTE m_nTreasurerTeam = 0;
    DWORD m_bFormatText = 0;
    DWORD m_bListPlayersOnCollectionSheet = 0;
    DWORD m_bSurnameFirst = 0;             // Player > Surname First
    CStringArray m_arrMembershipTypes;     // a player's type is a 1-based index into it

    // --- size, rounds and calendar
    BYTE m_nGamesPerMatch = 3;             // 1..4
    BYTE m_nPlayersPerTeam = 4;            // 1..5
    BYTE m_nMaxPlayersPerTeam = 8;
    BYTE m_nTeams = 0;                     // the playing teams, first in the team list
    BYTE m_nExtraTeams = 0;                // removed teams kept after them
    BYTE m_nRounds = 0;
    BYTE m_nCurrentRound = 0;
    BYTE m_nRoundsPerInterval = 1;         // 0 is read as 1
    BYTE m_nMinutesBetweenRounds = 0;
    DWORD m_bDivisions = 0;
    BYTE m_nDivisions = 0;
    BYTE m_nFixturePrintColumns = 1;       // 1..3
    BYTE m_nTeamsPerPage = 4;              // 1..8
    DWORD m_nScoreSheetRound = 0;
    BYTE m_nTreasurerRound = 0;

    // --- split season
    DWORD m_bSplitSeason = 0;              // simple splits
    BYTE m_nRoundsPerSplit = 0;
    BYTE m_nSplits = 0;
    BYTE m_nCustomSplitStart[12] = {};     // 0 = no such split
    DWORD m_bCustomSplits = 0;
    DWORD m_bResetHiStatsEachSplit = 0;
    DWORD m_bCompleteResetEachSplit = 0;
    // Simple splits need a number of rounds per split below the season's rounds, custom splits
    // a second split's start, and no split starts after the last round; a season of no rounds
    // yet is not judged by them. The Split Season dialogs keep to this, and reading a league,
    // making the next season and changing the season's rounds do too (DropUnusableSplits).
    static bool SimpleSplitsUsable(int nRoundsPerSplit, int nRounds)
    {
        return nRoundsPerSplit > 0 && (nRounds == 0 || nRoundsPerSplit < nRounds);
    }
    static bool SplitStartFits(int nStart, int nRounds) { return nRounds == 0 || nStart <= nRounds; }
    static bool CustomSplitsUsable(const BYTE (&starts)[12], int nRounds)
    {
        return starts[1] != 0 && SplitStartFits(starts[1], nRounds);
    }
    // The number of simple splits the rounds hold: at least 2, at most as many as begin within
    // the season (the last may be short).
    static int FittedSplits(int nSplits, int nRoundsPerSplit, int nRounds);
    // What DropUnusableSplits took from the split settings.
    struct CSplitsDropped
    {
        std::vector<int> starts;  // the custom splits' starts after the last round, removed
        bool bSimpleOff = false;  // simple splits, on, turned off
        int nSplitsWere = -1;     // simple splits fitted to the rounds from this many (0 too); -1: not
        bool bCustomOff = false;  // custom splits, on, turned off
        bool Any() const { return !starts.empty() || bSimpleOff || nSplitsWere >= 0 || bCustomOff; }
    };
    // A split starting after the last round goes; splits that cannot be used are turned off,
    // and simple splits are cut to the number the rounds hold.
    CSplitsDropped DropUnusableSplits();

    // --- lanes and squads
    BYTE m_nStartLane = 1;                 // 0 is read as 1
    BYTE m_nLastLane = 0;
    BYTE m_nSplitStartLane = 0;
    BYTE m_nLanesBeforeSplit = 0;
    DWORD m_bSplitLanes = 0;
    DWORD m_bSplitSessions = 0;
    DWORD m_bCustomLanes = 0;
    DWORD m_bRollMatches = 0;
    BYTE m_nCustomLanes[50] = {};          // two per match; 0 or > 127 unset
    WORD m_nSquadDelay[40] = {};           // minutes; entry 0 unused

    // --- scoring systems and switches
    DWORD m_bScratchLeague = 0;
    DWORD m_bHandicapLeague = 1;
    DWORD m_bOneSystemOverride = 0;        // ignore the matches' one-system marks
    DWORD m_bPositionBothWays = 0;         // "Score Position week games as both Scr and Hcp"
    DWORD m_bPyramidScoring = 0;
    CString m_strPyramid;                  // points per standings place, one byte each
    DWORD m_bFivePinRules = 0;             // "5 Pin Bowling Rules"
    DWORD m_bAutoTabScores = 0;            // "Auto TAB scores"
    DWORD m_bFloatingSubsAsTeam = 1;       // "Floating Subs as a team"
    BYTE m_nFloatingSubsOrder = 0;         // 0 = not chosen
    BYTE m_nTeamOrderMode = 0;
    DWORD m_bRepeatLastRoundOrder = 0;     // "Repeat Last Round Order"
    DWORD m_bPlayerDatabase = 0;           // the league's players live in the player database
    DWORD m_bOmitSecondHighs = 0;          // high figures leave out the "second" figures

    // --- handicap and average rules
    DWORD m_bOneRuleForAll = 1;            // "Combined"
    DWORD m_bMenRule = 0;
    DWORD m_bWomenRule = 0;
    DWORD m_bJuniorsRule = 0;
    CHandicapRule m_HcpRule[4];            // HCP_RULE_ALL, _MEN, _WOMEN, _JUNIORS
    BYTE m_nGamesBeforeHandicap = 0;       // games bowled scratch before a handicap
    WORD m_nHcpMinGames = 0;               // the handicap details' minimum games
    DWORD m_bTeamHandicaps = 0;
    DWORD m_bZeroBasedPctDiff = 0;         // "Zero Based Handicap % Diff."
    DWORD m_bRound1Scratch = 0;
    WORD m_nEnteringAvgGames = 0;          // "Games played with entering average"
    BYTE m_nEnteringAvgCutoff = 0;         // round, 0 = none
    BYTE m_nRecalcFrequency = 1;           // matches, 1..99
    BYTE m_nFloatingAvgSeries = 1;
    DWORD m_bFloatingAverage = 0;          // m_nFloatingAvgSeries != 1
    DWORD m_bTruncatedRollingAvg = 0;
    BYTE m_nRollingAvgGames = 0;           // at least 3 when on
    DWORD m_bFullAverageForHiAvg = 0;      // "Use full Average for Hi Avg"
    DWORD m_bPlayingAvgForMostImproved = 0;
    DWORD m_bShowNegativeMostImproved = 0;
    DWORD m_bDrop5 = 0;
    BYTE m_nDrop5Games = 0;                // games with or to establish the average
    BYTE m_nDrop5MaxPins = 0;              // below the established average
    WORD m_nCategoryA = 0;                 // whole pins
    WORD m_nCategoryB = 0;
    DWORD m_bEnteringAvgForCategories = 0;

    // --- points rules
    CPointsRule m_HcpPoints;
    CPointsRule m_ScrPoints;
    DWORD m_bCycleOpponent = 0;            // "Cycle opponent each game"
    int m_nMaxHandicapPoints = 0;          // half points, kept by UpdateMaxMatchPoints
    int m_nMaxScratchPoints = 0;
    CPetersenPoints m_Petersen;
    // Six 3-bit keys: handicap in bits 20-22, 16-18, 12-14; scratch in 8-10, 4-6, 0-2.
    DWORD m_dwStandingsKeys = 0;
    DWORD m_bBonusAcceptEqual = 0;
    DWORD m_bBonusHiTeamGameHcp = 0;
    DWORD m_bBonusHiTeamGameScr = 0;
    BYTE m_nBonusHiTeamGameHcpPts = 0;     // half points
    BYTE m_nBonusHiTeamGameScrPts = 0;
    DWORD m_bRobotsCannotGainPoints = 0;
    CRobot m_Robot[4];                     // rules 1..4 at [0..3]; see GetRobot

    // --- blind and defaulted games
    WORD m_nBlindGameLimit = 0;            // 0 = none
    DWORD m_dwRobotIfDefault = 0;          // "Play against Robot scores if opponents default"
    CBlindScore m_BlindScore[4];           // men, women, juniors, everybody
    DWORD m_bOneBlindRuleForAll = 1;
    DWORD m_bBlindGamesPerTeam = 0;        // incremental blinds count per team
    DWORD m_bCountBlindGames = 0;          // blind games count in a position's bowled series
    WORD m_nMaxBlindScore = 0;             // 0 = no cap

    // --- awards, specials and high-score policy
    // High Average, High Individual Game, High Individual Series, Most Improved Bowler,
    // Games Over Average.
    BYTE m_nQualifyingPct[5] = {};
    DWORD m_bGamesOverEntering = 0;        // "Games over entering average?"
    DWORD m_bExcludeFloatingSubs = 0;      // "Exclude Floating/Roving Subs"
    DWORD m_bExcludePacers = 0;            // "Exclude Pacers Games"
    BYTE m_nMostImprovedGames = 0;
    BYTE m_bMostImprovedAfterGames = 0;
    BYTE m_bMostImprovedBoth = 0;
    BYTE m_nAvgBusterUnit = 0;
    BYTE m_bAvgBusterPerGame = 0;
    BYTE m_nAvgBusterEqual = 0;
    BYTE m_nAvgBusterOver = 0;
    BYTE m_nAvgBusterUnder = 0;
    WORD m_nScoreThresholds[SCORE_THRESHOLD_COUNT] = {125, 150, 175, 200, 225, 250, 275, 500,
                                                      525, 550, 575, 600, 625, 650, 675, 700};
    int m_nDividerIndex = 7;               // columns below it are game thresholds
    CTime m_timeJuniorQualifying;          // 0 = never set

    // --- reports
    CString m_strReportTitle;
    CFontData m_fontReportTitle;
    CFontData m_fontLayoutTitle;           // the current layout's title font
    CFontData m_fontVenueHeader;
    CFontData m_fontVenueDetail;
    BYTE m_nVenueReportNumber = 0;
    // Player list: name, address, phones, PIN, membership number, membership type,
    // date of birth, user data 1, user data 2.
    DWORD m_bPlayerListShow[9] = {};
    CFontData m_DefaultFonts[DEFAULT_FONT_COUNT];
    CJuniorReport m_JuniorReport;

    bool operator==(const CLeagueSettings&) const = default;

    // The games of the bowlers' rolling windows while "Truncated Rolling Average" is on, else 0.
    int RollingWindowGames() const { return m_bTruncatedRollingAvg ? m_nRollingAvgGames : 0; }
};

// ==== recalculation, standings, rankings, schedule ====
// Kinds of points summed by CalcCombinedStandings.
constexpr DWORD COMBINE_SCRATCH = 0x100;
constexpr DWORD COMBINE_HANDICAP = 0x200;
constexpr DWORD COMBINE_PYRAMID_SCRATCH = 0x400;
constexpr DWORD COMBINE_PYRAMID_HANDICAP = 0x800;
// Kinds of the bowlers' high figures (CPlayer::m_nHighRank, the high-score tables).
constexpr int HIGH_GAME_SCRATCH = 0;
constexpr int HIGH_GAME_HCP = 1;
constexpr int HIGH_SERIES_SCRATCH = 2;
constexpr int HIGH_SERIES_HCP = 3;

// What Set Fixture List asks of the secretary, for BuildFixtureList.
struct CFixtureListRequest
{
    int nTeams = 0;               // set by the document
    int nRoundsPerInterval = 1;   // rounds bowled on one date
    int nRounds = 0;              // the league's number of rounds
    int nFrequency = 0;           // 0 weekly, 1 fortnightly, 2 four weekly
    CTime timeStart;              // date and time of the first round
};
// ==== end of recalculation, standings, rankings, schedule ====

class CBowlingDoc : public CDocument, public CLeagueSettings
{
    DECLARE_DYNCREATE(CBowlingDoc)
public:
    CBowlingDoc();
    ~CBowlingDoc() override;
    CBowlingDoc(const CBowlingDoc&) = delete;
    CBowlingDoc& operator=(const CBowlingDoc&) = delete;

    // --- lifecycle (BowlingDoc.cpp) ---------------------------------------------------
    // Empties every list, deleting what it owns; the settings are left as they are.
    void DeleteContents() override;
    // Puts every setting back to a new league's values: the stored settings, the multiple
    // prize rules and the score-sheet style, and what the document works out from them. A
    // document is constructed through it, so a league emptied by it is a league made anew.
    void ResetSettings();

    // --- the league file (BowlingDocFile.cpp) -------------------------------------------
    void Serialize(CArchive& ar) override;
    // Reads a league from bytes into a fresh document and takes it over only when the
    // whole file was read; otherwise the league stays as it was and strError names the
    // problem.
    BOOL LoadFromBytes(const std::vector<BYTE>& data, const char* pszFileName, CString& strError);
    BOOL LoadFromFile(const char* pszPath, CString& strError);
    // Writes the league as file bytes. Files are always written in the current version;
    // an older one leaves out what that version did not hold (the tests build old files so).
    void SaveToBytes(std::vector<BYTE>& data, BYTE nVersion = LEAGUE_FILE_VERSION);
    BOOL SaveToFile(const char* pszPath, CString& strError);
    // File > Open and File > Save: failures are shown in a message box.
    BOOL OnOpenDocument(const char* pszPathName) override;
    BOOL OnSaveDocument(const char* pszPathName) override;
    // A new league's file name is made up, not chosen: it is asked for before the first save.
    BOOL DoSave(const char* pszPathName, BOOL bReplace = TRUE) override;
    // The version of the file being read, or LEAGUE_FILE_VERSION while writing.
    static BYTE GetFileVersion() { return s_nFileVersion; }
    static void SetFileVersion(BYTE nVersion) { s_nFileVersion = nVersion; }
    // Every stored setting and every stored object of the lists equal.
    bool IsSameLeague(const CBowlingDoc& other) const;
    // What the last read mended and the secretary should hear of (File > Open shows it);
    // empty when the file was read as it was.
    CString m_strReadNotice;

    // The steps after every read or write, and after a read (the recalculation last).
    void AfterFileReadOrWrite();
    void AfterFileRead();

    // --- look-ups (BowlingDoc.cpp) -------------------------------------------------------
    CPlayer* FindPlayer(WORD nPlayerNo) const;
    CTeam* FindTeam(WORD nTeamNo) const;
    CFixture* FindFixtureForTeam(WORD nTeamNo, int nRound) const;
    CFixture* FindTeamFixture(WORD nTeamNo, int nRound) const { return FindFixtureForTeam(nTeamNo, nRound); }
    CFixture* FindFixtureByRoundMatch(int nRound, int nMatch) const;
    WORD FindPlayerNumberByPin(WORD nEditedPlayerNo, WORD nPin) const;
    CPlayer* FindPlayerByDbKey(DWORD dwKey) const;
    CPlayer* FindPlayerByRank(int nRank) const;
    CVenue* FindVenue(BYTE nVenueNo) const;
    // Every venue's matches played and top-ten tables, from the fixtures bowled there.
    void CalcVenueStatistics();
    CAwards* FindAwardCategory(WORD nId) const;
    CRobot* GetRobot(int nRobot);                 // rules 1..4, else null
    // The robot rule that scores a defaulted game (the low byte of the option, 1..4).
    int GetDefaultedRobotNumber() const { return m_dwRobotIfDefault & 0xFF; }
    const CRobot* GetRobot(int nRobot) const;
    CFontData* GetDefaultFont(int nIndex);        // 0..99, else null
    POSITION GetFirstFixturePosition() const;
    BOOL HasFullTeam(WORD nTeamNo) const;
    BOOL HasBothScoringSystems() const;
    BOOL IsLeagueSetUp() const;
    // --- accounts (Accounts.cpp) ---------------------------------------------------------
    // The cents due in nRound from each bowler, or from each team, over the payment items.
    LONG SumIndividualPayments(WORD nRound) const;
    LONG SumTeamPayments(WORD nRound) const;
    // The name of heading nId of the income or expense list; "Unknown Item" when none has it.
    CString GetAccountItemTypeName(WORD nId, BOOL bIncome) const;
    // Takes the entry into the posted entries at its place: by round, within a round income
    // before expenses, each by heading id, after its equals. Marks the league modified.
    void InsertAccountItem(CAccountItem* pItem);
    int CountActivePlayers() const;
    // The first and last round of the split that holds nRound: 1 and 255 without splits; the
    // last split runs to 255.
    void GetSplitRounds(int nRound, int& nFirst, int& nLast) const;
    // The current round counted within its split (the high-score minimum games rest on it).
    int GetStatsRound() const;
    // Whether the standings of the current round are final, as their headings say: the round
    // is the last of its split (the last split, and a season without splits, run to the
    // season's last round), which ends the season only once every result is in.
    BOOL AreStandingsFinal() const;
    // "Reset Hi Stats Each Split" (or "Complete Reset Each Split") with splits active: the
    // high-score figures count only the split of the current round; "Complete Reset Each
    // Split": the standings too. Averages and handicaps always run through the season.
    BOOL ResetsHighScores() const;
    BOOL ResetsStandings() const;
    // Narrows a span of rounds to those whose matches count for the high scores (the current
    // round's split when the league resets them each split); false, the span as it was, when
    // none of it counts.
    bool ClipToHighScoreRounds(int& nFirst, int& nLast) const;
    int GetNextPlayerNumber() const;              // highest player number + 1
    int GetNextTeamNumber() const;
    void ClearHitRects();

    // --- list maintenance (BowlingDoc.cpp) ---------------------------------------------
    // Each takes ownership and sets the object's document pointer.
    void AddTeam(CTeam* pTeam);
    void AddPlayer(CPlayer* pPlayer);
    void AddFixture(CFixture* pFixture);          // appended; schedule code keeps round order
    void AddAwardRecord(CAwardData* pRecord);     // sorted insert
    void AddAwardRecordByScore(CAwardData* pRecord);
    // Joins fixture team and player numbers to the objects of the lists.
    void LinkFixtures();
    void LinkFixture(CFixture* pFixture, const std::vector<CPlayer*>& byNumber, CTeam* const teamByNumber[256]);
    // The first bowler of each number (index 0 empty), and the first team of each 8-bit number.
    static std::vector<CPlayer*> PlayersByNumber(const CObList& players);
    static void TeamsByNumber(const CObList& teams, CTeam* teamByNumber[256]);
    // Sets every bowler's team number from the team orders.
    void SetPlayerTeamsFromOrders();
    void CountMatchesPerRound();
    void UpdateSplitState();
    // After the season's rounds changed (SeasonRounds.cpp): the splits that no longer fit go by
    // DropUnusableSplits, the split state follows, and the secretary is told what went from
    // the splits in use. True when the split settings changed.
    bool FitSplitsToRounds();
    void AssignJuniorCategories();
    void UpdateAverageLimit();                    // 249 with five-pin rules, else 199
    void UpdateHandicapFactors();                 // percentages as factors
    // Standings keys: nKey 0..2 of the handicap (bHandicap) or scratch sequence; 0 = unset.
    int GetStandingsKey(BOOL bHandicap, int nKey) const;
    void SetStandingsKey(BOOL bHandicap, int nKey, int nValue);

    // --- calculations (filled in by the scoring and recalculation code) -----------------
    // The full recalculation (BowlingDocRecalc.cpp): round 0 becomes 1; statistics cleared;
    // divisions counted; the handicap pass and standings, then the scratch pass and
    // standings; the pass selector restored; the all-results flag; automatic awards; the
    // ranking tables; average busters.
    void Recalculate();
    // Every automatic award record made again from the games and series of the matches up to
    // nRound (BowlingDocAwards.cpp); manual records stay as they are. The recalculation's
    // s_pfnAutomaticAwards runs it.
    void CalcAutomaticAwards(int nRound);

    // ==== recalculation, standings, rankings, schedule =====================================
    // (BowlingDocRecalc.cpp, BowlingDocStandings.cpp, BowlingDocRankings.cpp,
    //  BowlingDocSchedule.cpp)
    // Every figure back to the season's start; the entering-average cut-off is judged at
    // nRound (0: the current round).
    void ResetStatistics(int nRound = 0);
    void AccumulatePlayersHcpMode();      // the statistics pass up to the current round
    void AccumulatePlayersScrMode();
    // The averages and handicaps in force at a match for a side that bowled on the date: the
    // games bowled before it (CBowledBefore). Never the current round.
    void RecalculateFixture(CTime date, const CFixture& match);
    // What the figures in force at a side of a match count: each side of another match by the
    // day it bowled (its date played, else the day its match was due), whatever its round. What
    // was bowled before the side's day counts; of the day itself, the matches of earlier rounds
    // when the side bowled on the day its match was due (a late match bowled on the day of its
    // side's next match counts for that one), nothing when it bowled on another day. Nothing
    // bowled on a later day. The statistics pass and the rework of later matches both ask it.
    class CBowledBefore
    {
    public:
        // A side of match that bowled on day (0: the day the match was due).
        CBowledBefore(const CFixture& match, CTime day);
        CBowledBefore(int nRound, CTime due, CTime day);
        // A side of a match of nRound that bowled on the day bowled.
        bool Counts(int nRound, CTime bowled) const
        {
            return bowled < m_dayStart || (m_bDueDay && bowled < m_nextDayStart && nRound < m_nRound);
        }
        int Round() const { return m_nRound; }
        CTime DayStart() const { return m_dayStart; }
        bool IsDueDay() const { return m_bDueDay; }

        // The same rule as an order, for a reader that compares many sides at once: a side of
        // a match of nRound that bowled on a day counts exactly when its Place is below the
        // Bound of the side that counts. Days are calendar days (DayOf), which the caller may
        // work once for every side bowled at one time.
        struct CPlace
        {
            int nDay;
            int nRound;
            auto operator<=>(const CPlace&) const = default;
        };
        static int DayOf(CTime t);
        static CPlace Place(int nRound, int nBowledDay) { return {nBowledDay, nRound}; }
        // A side of a match of nRound due on nDueDay that bowled on nDay: of its own day it
        // counts the earlier rounds only when that is its due day (every round is 1 or more).
        static CPlace Bound(int nRound, int nDueDay, int nDay) { return {nDay, nDueDay == nDay ? nRound : 0}; }

    private:
        int m_nRound;
        CTime m_dayStart, m_nextDayStart;
        bool m_bDueDay;
    };
    // The sides of another match whose games count for the figures in force at match (bit 1
    // side A, bit 2 side B, BOTH_SIDES); never the match itself.
    static constexpr int BOTH_SIDES = 3;
    static int SidesBowledBefore(const CFixture& other, const CFixture& match, const CBowledBefore& before);
    // Whether RecalculateFixture gives the same figures worked to either date: two times of
    // one day.
    static bool SameFiguresDay(CTime a, CTime b);
    void CountTeamsPerDivision();
    void UpdateCurrentSplit();            // m_nCurrentSplit from the split settings

    // Steps that later work fills in; null does nothing.
    static void (*s_pfnAutomaticAwards)(CBowlingDoc* pDoc, int nRound);
    static void (*s_pfnAverageBusters)(CBowlingDoc* pDoc);
    static void (*s_pfnCountJuniors)(CBowlingDoc* pDoc);
    static void (*s_pfnSplits)(CBowlingDoc* pDoc);
    static void (*s_pfnSortFloatingSubs)(CBowlingDoc* pDoc, CTeam* pTeam);

    // Standings: positions 1..N into the teams. Unset keys read as 1, 2, 3.
    void CalcStandingsPositions();        // by the pass selector
    void CalcHandicapStandings();
    void CalcScratchStandings();
    int GetStandingsCriterion(BOOL bHandicap, int nKey) const; // 1..6, defaults applied
    // Kinds: COMBINE_... bits, 0 = scratch + handicap; writes the rank positions.
    void CalcCombinedStandings(DWORD dwKinds);
    void RankTeamsByPyramidScratch();
    void RankTeamsByPyramidHandicap();
    void RankTeamsByAverageScrLeague();
    void RankTeamsByAverageHcpLeague();
    void RankTeamsByPinfall();
    void RankTeamsByHandicapPinfall();
    void RankTeamHighScores();            // m_nHiRank of every team
    // The team holding the place; else the last team of the list (null for an empty list).
    CTeam* FindTeamByHcpPosition(WORD nPosition) const;
    CTeam* FindTeamByScratchPosition(WORD nPosition); // reports a gap once per standings
    CTeam* FindTeamByRankPosition(WORD nPosition) const;
    CTeam* FindTeamByHiGameScratchRank(int nRank) const;
    CTeam* FindTeamByHiGameHcpRank(int nRank) const;
    CTeam* FindTeamByHiSeriesScratchRank(int nRank) const;
    CTeam* FindTeamByHiSeriesHcpRank(int nRank) const;

    // Bowler rankings: rank numbers 1.. best first, ties in list order; return the places
    // filled (at most nPlaces). Mask: category bits (7 or 0xFFFF = everybody); class 0 = any;
    // minimum games of the set the pass selector picks, 0 = none.
    int RankPlayersByAverage(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByImprovement(int nPlaces, WORD wMask, int nClass);
    int RankPlayersByImprovementOnEntering(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByGamesOverAverage(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByScratchWins(int nPlaces, WORD wMask, int nMinGames, int nClass, BOOL bByPercent);
    int RankPlayersByHandicapWins(int nPlaces, WORD wMask, int nMinGames, int nClass, BOOL bByPercent);
    int RankPlayersByGame1High(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByGame2High(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByGame3High(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByGame4High(BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByPinfall(int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByHighGameScratch(int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByHighGameHcp(int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByHighSeriesScratch(int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByHighSeriesHcp(int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByAwardCount(WORD nCategoryId, WORD wMask, int nPlaces);
    void NumberPlayersAlphabetically();
    // The recalculation's high-score tables: masks 1, 2, 4, 7 (0xFFFF as 7), classes 0..3.
    void BuildHighScoreTables();
    CPlayer* FindPlayerByHighGameScratchRank(DWORD nPlace, WORD wMask, BYTE nClass) const;
    CPlayer* FindPlayerByHighGameHcpRank(DWORD nPlace, WORD wMask, BYTE nClass) const;
    CPlayer* FindPlayerByHighSeriesScratchRank(DWORD nPlace, WORD wMask, BYTE nClass) const;
    CPlayer* FindPlayerByHighSeriesHcpRank(DWORD nPlace, WORD wMask, BYTE nClass) const;
    int BuildFloatingSubs();
    // ==== the player table's floating substitutes (PlayerTableFigures.cpp) ====
    // Makes the three "Floating Subs" pseudo teams (numbers 100..102) again and deals the
    // floating substitutes to the first nBlocksLess1 + 1 of them in turn.
    void BuildFloatingSubsForStats(DWORD nBlocksLess1);
    // ==== end ====
    double GetLeagueAverage() const;
    double GetRoundAverage(int nRound) const;

    // Schedule. The request is what Set Fixture List gives; BuildFixtureList() runs that
    // dialog through s_pfnRunFixtureListDlg (0 when there is none or it is cancelled).
    int BuildFixtureList();
    int BuildFixtureList(const CFixtureListRequest& request);
    // The calendar of the season the request makes, in place of the league's: a dated range
    // for each date of rounds, with the rounds per interval, the number of rounds and, for
    // several rounds a date, minutes between them. Gives each round's due time, round 1 first.
    std::vector<CTime> DateNewSeason(const CFixtureListRequest& request);
    static BOOL (*s_pfnRunFixtureListDlg)(CBowlingDoc* pDoc, CFixtureListRequest& request);
    void SetPositionWeek(int nRound);
    // ==== end of recalculation, standings, rankings, schedule ===============================

    // ==== league set-up: new league, fixture dates, start times, league size =================
    // Defined in src/admin (BowlingDocNewLeague.cpp, BowlingDocDates.cpp, BowlingDocSize.cpp),
    // which runs their dialogs; a program without src/admin never calls them.
    void OnFileNew();                     // File > New
    // The next season from this one, with its teams chosen again and a new schedule.
    void NewLeagueFromCurrent();
    // Another league has taken the document's place, as File > New makes one: it is shown from
    // its standings, and no view keeps a page, a place or a way back into the league before.
    void ShowNewLeague();
    // The "Edit Schedule" dialog: rounds re-paired by hand.
    void EditLeagueSchedule();
    void EditFixtureDates();              // the "Fixture Dates" dialog; the matches follow each change
    void SetFixtureStartTimes();          // each match from its round's first match and squad
    // How long after its round's first match match nMatch starts: its squad's delay with split
    // sessions, else nothing.
    CTimeSpan SquadDelay(int nMatch) const;
    // Rounds nFirst..nLast continuing the pairing table as if the league had always had its
    // present size (nSkipped position rounds before), round nFirst beginning an evening on the
    // date given, else following the round before on its evening (RoundDates::LayRounds).
    void AddScheduleRounds(int nFirst, int nLast, int nSkipped, std::optional<CTime> timeStart);
    // nCount rounds from nFirst on, from the first row of the pairing table, dated alike.
    void AddScheduleRoundsForTeams(int nFirst, int nCount, std::optional<CTime> timeStart);
    void OnAddExtraTeams();
    void OnExtendSeason();
    void OnReduceLeagueSize();
    // Player > Add a New Player, the road of a league without and with the player database
    // (BowlingDocPlayers.cpp; PlayerSetup::AddNewPlayers picks by the switch): the number of
    // bowlers added.
    int AddNewPlayer();
    int AddNewPlayerWithDatabase();
    // "Select Team" (TeamCommands.cpp): the chosen team, or null on Cancel.
    CTeam* SelectTeam();
    // Sets of the document's commands served from other folders (set-up, rules, selections,
    // players): each a command target made on the document, installed once at start-up. The set
    // installed last is asked first.
    using CommandSetFactory = std::unique_ptr<CCmdTarget> (*)(CBowlingDoc* pDoc);
    static void InstallCommandSet(CommandSetFactory pfnMake);
    template <class TCommands>
    static void InstallCommandSet()
    {
        InstallCommandSet([](CBowlingDoc* pDoc) -> std::unique_ptr<CCmdTarget> {
            return std::make_unique<TCommands>(pDoc);
        });
    }
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;
    // Whether the document or an installed set takes nID, so menus enable what they serve.
    BOOL HasCommandHandler(UINT nID) const override;
    // ==== end of league set-up ================================================================

    // ==== scoring engine (Handicap.cpp, BowlingDocPoints.cpp) ================================
    // Pass arguments and the [2] figure sets: PASS_SCRATCH 0, PASS_HANDICAP 1. Sides 0 = A,
    // 1 = B; positions and games count from 0.
    // The rule set for a bowler's category flags (Combined, else men / women / juniors).
    const CHandicapRule& GetHandicapRule(WORD wCategoryFlags) const;
    // (basis - whole pins of the average) x percentage / 100 in whole numbers, then the
    // minimum, then the maximum; 0 for no average or before the games scratch are bowled.
    int CalcHandicap(double dAverage, WORD wCategoryFlags, WORD nGamesBowled) const;
    // A bowler's figures for a first match: his entering average when one counts, else the
    // games he bowled in it, his pacer games among them; no games bowled for the handicap.
    // FALSE when he bowled no pins there.
    BOOL GetFirstMatchFigures(const CFixture& f, const CPlayer& player, WORD& nAverage, int& nHandicap) const;
    // The side's bowlers and pacers with no games in the pass selector's set get their first
    // match's figures (bowler, fixture slots and pacer slots).
    void SetNewBowlerFiguresSideA(CFixture* pFixture);
    void SetNewBowlerFiguresSideB(CFixture* pFixture);
    void SetNewBowlerFigures(CFixture* pFixture, int nSide);
    // Blind, vacancy/robot and defaulted-game scores and handicaps of one cell. nDefaulted:
    // only zero or not matters (not zero = the defaulted-match robot). Incremental blind
    // steps read the counters of the pass selector's set. A cell a vacancy/robot rule scores
    // records the average it is scored on (CFixture::GetRobotAverage).
    const CBlindScore& GetBlindRule(WORD wCategoryFlags) const;
    int CalcBlindScore(CFixture* pFixture, int nSide, int nPos, int nGame, BYTE nDefaulted);
    int CalcBlindHandicap(CFixture* pFixture, int nSide, int nPos, int nGame, BYTE nDefaulted);
    // Match points of the pass the selector names; books them to the teams' points won and
    // lost and sets the pass's done flag. Callers clear the pass's points (ClearPoints) and
    // set both eligibility words first.
    void CalcMatchPoints(CFixture* pFixture);
    // The match scores in that pass (position rounds, one-system matches).
    BOOL ScoresInPass(const CFixture* pFixture, int nPass) const;
    // The individual bonus rules are worked in that pass: the scratch pass, or the only one.
    BOOL WorksBonusRules(int nPass) const;
    // Half points. The bonus is what a side can win in a match of that pass.
    DWORD GetMaxHandicapPointsPerMatch() const;
    DWORD GetMaxScratchPointsPerMatch() const;
    DWORD GetMaxBonusPointsPerMatch(int nPass) const;
    void UpdateMaxMatchPoints();
    // Pinfall points on for the pass: its points are hundredths.
    BOOL UsesPinfallPoints(int nPass) const;
    // The maximum match points of the pass in that pass's unit (hundredths with pinfall).
    int GetMaxMatchPointsInUnits(int nPass) const;
    // ==== end of scoring engine ==============================================================

    // ==== rule set-up: handicap, points, standings sequence (src/admin/BowlingDocRules.cpp) ===
    // Each runs its dialog on a copy of the fields and writes them back only after OK; TRUE
    // after OK. The points runners keep the maximum match points and recalculate when a
    // value changed; the standings runners always recalculate after OK.
    BOOL EditHandicapDetails();
    BOOL EditHandicapScoring();
    BOOL EditScratchScoring();
    BOOL EditHandicapStandingsSequence();
    BOOL EditScratchStandingsSequence();
    // ==== end of rule set-up ==================================================================

    // ==== average buster competition (src/admin/AverageBuster.cpp) ============================
    // Each bowler's points of the season and of the current round, from every game of the
    // entered sides; nothing while the unit is 0 and points per game is off.
    void CalcAverageBusterPoints();
    // Season ranks, then round ranks, of the real bowlers that are not resigned, share a
    // category bit with wMask and, nCategory not 0, hold that category, and bowled a game in
    // the season (the round): highest total first, however low, ties to the earlier bowler of
    // the list; at most nPlaces + 1 ranks. Returns the round ranks given, nPlaces when the
    // limit was reached.
    int RankAverageBusters(int nPlaces, WORD wMask, int nCategory);
    // The first bowler of the list holding the rank, or null.
    CPlayer* FindAverageBusterBySeasonRank(int nRank) const;
    CPlayer* FindAverageBusterByRoundRank(int nRank) const;
    // ==== end of average buster competition ===================================================

    // --- report layouts, page flows, lanes (the view's side; src/view, BowlingDocLanes.cpp)
    // Deletes the current layout's temporary items and puts the rest back in order, each
    // followed by what its Expand adds; copies the layout's title to the report title.
    void PrepareReportItems();
    // Places the current layout's items on pages; returns the page count.
    int LayoutReportForm(CDC* pDC);
    void DrawReportPage(CDC* pDC, const CPageInfo* pInfo);
    int LayoutGeneratedReport(CDC* pDC);
    void DrawGeneratedReportPage(CDC* pDC, const CPageInfo* pInfo);
    // The junior reports (display mode 16): rebuilt when a report command asked for it, then
    // placed on pages; returns the page count.
    int LayoutJuniorReports(CDC* pDC);
    void DrawJuniorReportPage(CDC* pDC, const CPageInfo* pInfo);
    // The accounts (display mode 14) and the captains list (mode 15), flowed with a heading at
    // every page top; the page count. The score sheets' page (mode 9): their layout is the
    // report items' (LayoutScoreSheets).
    int LayoutAccountsReport(CDC* pDC);
    void DrawAccountsPage(CDC* pDC, const CPageInfo* pInfo);
    int LayoutCaptainsListPages(CDC* pDC);
    void DrawCaptainsListPage(CDC* pDC, const CPageInfo* pInfo);
    void DrawScoreSheetsPage(CDC* pDC, const CPageInfo* pInfo);
    // A new league's layout, added to the list and made current.
    CRepForm* CreateDefaultReportForm();
    // The lane table for a venue (0: the league's own lanes).
    void BuildLaneTable(BYTE nVenue);
    // The team's lane in its first match of the round; 99 when it has none.
    int GetTeamLane(WORD nTeam, int nRound, int nMatchOffset) const;
    // Pins, games and the game and series counts in bands of 25 over the entered results.
    void CountPlayerScoreBands(const CPlayer* pPlayer, DWORD& nPins, int& nGames, int nGameBands[13],
                               int nSeriesBands[48]) const;

    // --- owned lists ---------------------------------------------------------------------
    CObList m_listTeams;            // CTeam: playing teams first, then removed teams
    CObList m_listPlayers;          // CPlayer
    CObList m_listFixtures;         // CFixture, round order
    CObList m_listFreeWeeks;        // CFreeWeek, calendar order
    CObList m_listVenues;           // CVenue
    CObList m_listBonusPts;         // CBonusPts
    CObList m_listAwards;           // CAwards, id order
    CObList m_listAwardData;        // CAwardData, sorted by AddAwardRecord
    CObList m_listAwardDataByScore; // copies of the automatic records; not stored
    CObList m_listAccountItems;     // CAccountItem, kept sorted
    CObList m_listPaymentItems;     // CPaymentItem
    CObList m_listIncomeTypes;      // CAccountItemType, at most 99
    CObList m_listExpenseTypes;     // CAccountItemType, at most 99
    CObList m_listJuniorCategories; // CJuniorCategory
    CObList m_listRepForms;         // CRepForm: the report layouts, stored by class name
    CAwardRestrictions* m_pAwardRestrictions; // always present

    // The score-sheet style prototype: made by s_pfnMakeScoreSheetPrototype when the report
    // code is linked in; stored right after the default font table without a class tag.
    CObject* m_pScoreSheetPrototype;
    static CObject* (*s_pfnMakeScoreSheetPrototype)(CBowlingDoc* pDoc);

    // ==== player database ====
    // The bowlers shared by all the secretary's leagues: open while the document lives, when
    // the program has installed the hooks (the league itself does not link the database).
    CPlayerDatabase* m_pPlayerDb = nullptr;
    DWORD m_bStopDbReporting = 0;   // "do not ask again" for similar names; not stored
    // Told that a bowler could not be written, until a write goes or the database is back; told
    // that the database is lost (it could not be opened again, or a write failed meanwhile), until
    // it is back. Not stored.
    DWORD m_bDbNotWrittenSaid = 0;
    DWORD m_bDbLossSaid = 0;
    // The last read made bowlers' links to the database again (their records were not under
    // their keys): the league differs from its file. Not stored.
    DWORD m_bDbLinksRemade = 0;
    static void (*s_pfnOpenPlayerDb)(CBowlingDoc* pDoc);
    static void (*s_pfnClosePlayerDb)(CBowlingDoc* pDoc);
    // Run when a league has been read, before it is recalculated: SyncDbasePlayers.
    static void (*s_pfnLeagueReadPlayerDb)(CBowlingDoc* pDoc);
    // Whether the database is open; one that could not be opened is tried again first, and back,
    // its records take what waits for them and the league takes its bowlers' records (then the
    // secretary, if told it was lost, is told it is back). Every call below tries it so. Needed
    // (not merely tried again, as at printing's end), it is made at the first use of its folder.
    BOOL PlayerDbReady(BOOL bNeeded = TRUE);
    // Printing is over: the database's files are opened again and the records take what waits;
    // when they cannot be, the secretary is told once.
    void ReopenPlayerDbAfterPrinting();
    // "The player could not be written to the Player Database.", and that the change is kept in
    // the league and written when the database can take it (bWaits: he has a record, for which it
    // waits), or that he is in the league and to be edited later (no record yet, so nothing
    // waits). Said once until a write goes or the database is back, or every time (bEachTime).
    void SayDbaseNotWritten(BOOL bWaits, BOOL bEachTime = FALSE);
    // The D'base commands are offered while the league's database is open or lost (not while
    // printing has it closed).
    BOOL PlayerDbWanted() const;
    // For a D'base command: the database, tried again when lost (PlayerDbReady), taken from its
    // files as they are now. FALSE when it cannot be: the secretary is told "The player database
    // cannot be reached: " and why, or why is put in *pstrWhy for the caller to say. Without
    // pstrWhy, a database away is offered to be started afresh where it was (No: nothing more).
    BOOL ReachPlayerDb(CString* pstrWhy = nullptr);
    // 0 on success, -1 when the database is not open or the record cannot be read or written.
    // A vacancy or robot is nobody's record: his writes do nothing and succeed.
    int GetDbasePlayer(CPlayer* pPlayer);
    int FindDbasePlayer(DWORD dwKey);
    // dwDefaulted: the shared details (bit n: SharedDetail n) a dialog only started with, never
    // given to a record chosen for a new bowler in "Similar Names".
    int PutDbasePlayer(CPlayer* pPlayer, DWORD dwDefaulted = 0);
    // The league's change to a bowler's shared details (those differing from `before`): in a
    // league kept in the database his record takes them, but for a detail another league gave
    // it later, and he takes the record's details (CPlayerDatabase::PutDbaseChanges); what
    // cannot be written, or changes made while the league is not kept in the database, wait in
    // the bowler for his record. -1 only when a database league's write failed. bConfirmed: the
    // secretary confirmed his details as shown (OK in his Edit dialog): a change she was told
    // waits on because its league file entry was damaged counts as typed now.
    int PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, BOOL bConfirmed = FALSE);
    // In a league kept in the database: a linked bowler's record takes what waits for it and he
    // takes the record's details but those still waiting (CPlayerDatabase::SyncPlayer); for
    // every linked bowler at once (one pass, one lock) or only those with details waiting.
    // 0 when all went; -1 when the database is not open, or a record could not be written.
    int SyncDbasePlayer(CPlayer* pPlayer);
    int SyncDbasePlayers(BOOL bWaitingOnly = FALSE);
    // ==== end player database ====

    // --- run-time state (never stored) ---------------------------------------------------
    CRepForm* m_pCurrentRepForm;    // one of m_listRepForms, or null
    BYTE m_nDisplayMode;            // DISPLAY_STANDINGS once the league's pages go (DeleteDisplays)
    DWORD m_bSetupInProgress;       // the view draws nothing (display mode 12 excepted)
    DWORD m_bNewLeague;             // File > Save is disabled while set
    DWORD m_bHandicapPass;          // pass selector: PASS_HANDICAP or PASS_SCRATCH
    CTime m_timeCurrent;            // now, at construction and at every store
    CTime m_timeStats;              // the date the statistics are computed to
    DWORD m_nAverageLimit;          // high-score (red) threshold: 249 or 199
    DWORD m_bPastEnteringCutoff;    // entering averages switched off
    double m_dHcpFactor[4];         // percentages x 0.01
    DWORD m_bSplitsActive;          // from UpdateSplitState
    DWORD m_nSplitCount;
    DWORD m_nCurrentSplit;          // kept by the recalculation
    DWORD m_bAllResultsEntered;
    DWORD m_nJuniorCount;           // active, not resigned juniors
    DWORD m_nFloatingSubs;          // last result of BuildFloatingSubs
    CTeam* m_pFloatingSubsTeam;     // "Floating Subs" (number 999 as a team); owned
    CTeam* m_pPseudoTeams[3];       // teams 100..102 of the custom player statistics; owned
    BYTE m_nTeamsPerDivision[16];
    BYTE m_nDivisionOffset[16];
    BYTE m_nMatchesPerRound[256];   // matches that are not byes, by round
    BYTE m_nAllMatchesPerRound[256];
    BYTE m_nLaneTable[40];          // two lanes per match, filled by BuildLaneTable
    double m_dMinGamesFraction[5];  // the qualifying percentages x 0.01
    DWORD m_nMinGames[5];           // thresholds recomputed by the high-score item
    DWORD m_nLeaguePins;            // league totals, zeroed by ResetStatistics
    DWORD m_nLeagueGames;
    // Player high-score place tables of the recalculation: [kind][mask 1,2,4,7][class 0..3],
    // kinds high game scr, high game hcp, high series scr, high series hcp; player numbers.
    CWordArray m_arrHighTables[4][4][4];

    // Page items of the displays: owned, rebuilt by the displays, never stored.
    CObList m_listDisplayItems;
    CObList m_listTeamReportItems;
    CObList m_listGeneratedItems;
    CObList m_listScoreSheetItems;
    CObList m_listAccountsItems;
    CObList m_listTreasurerItems;
    CObList m_listJuniorItems;
    CObList m_listCaptainsItems;
    CObList* m_pEditorItems;        // the layout editor's item list while it is open
    CObArray m_arrBestPlayers;      // CBestEntry objects (CObject-derived); owned
    CObArray m_arrBestTeams;
    // Selection lists of the selection dialogs (not owned).
    CPtrArray m_arrSelectedPlayers;
    CPtrArray m_arrSelectedTeams;
    DWORD m_nSelectedTeamIndex;
    CTeam* m_pSelectedTeam;
    DWORD m_bSpareTeam;
    CTeam* m_pSpareTeam;

    // The stored lists, in a fixed order (used to set a league aside while another loads).
    static constexpr int STORED_LIST_COUNT = 15;
    void GetStoredLists(CObList* lists[STORED_LIST_COUNT]);

private:
    // ==== recalculation, standings, rankings, schedule (helpers) ====
    // Every match up to nLastRound, or, with pBefore, the sides bowled before it, its side
    // worked to the day of m_timeStats (CBowledBefore).
    void AccumulatePass(int nPass, int nLastRound, const CFixture* pBefore = nullptr);
    // nSides: the sides that count (CBowlingDoc::SidesBowledBefore).
    void AccumulateFixture(CFixture* pFixture, int nPass, bool bMainPass, std::vector<CPlayer*>& bowled,
                           int nSides = BOTH_SIDES);
    void AccumulateWins(CFixture* pFixture, int nPass, int nGames, int nPlayers);
    void RefreshPlayerFigures(CPlayer* pPlayer, int nPass);
    void NumberTeamsByCriteria(WORD CTeam::*pPosition, const BYTE nCriteria[3]);
    void RankTeamsByPyramid(int nPass);
    void RankTeamsByAverage(int nPass);
    template <class Figure>
    void RankTeamsByFigure(WORD CTeam::*pPosition, Figure figure);
    // bHighScore: the minimum is of the games that count for the high scores (the split's).
    bool IsRankable(const CPlayer* pPlayer, WORD wMask, int nMinGames, int nClass, bool bHighScore = false) const;
    int RankPlayers(int nPlaces, const std::function<bool(const CPlayer*)>& eligible,
                    const std::function<double(CPlayer*)>& value);
    int RankPlayersByWins(int nPass, int nPlaces, WORD wMask, int nMinGames, int nClass, BOOL bByPercent);
    int RankPlayersByGameHigh(int nGame, BOOL bHandicap, int nPlaces, WORD wMask, int nMinGames, int nClass);
    int RankPlayersByHighFigure(int nKind, int nPlaces, WORD wMask, int nMinGames, int nClass);
    WORD GetHighFigure(const CPlayer* pPlayer, int nKind) const;
    static int HighTableMaskIndex(WORD wMask);
    CPlayer* FindPlayerByHighRank(int nKind, DWORD nPlace, WORD wMask, BYTE nClass) const;
    BOOL m_bScratchSequenceReported = FALSE; // the gap message was shown for these standings
    // ==== end ====

    friend struct CLeagueSetAside;
    // Deletes the run-time state that points into the league: display items, best lists,
    // selections, the floating-subs teams, the place tables. The current layout stays: it is
    // one of the stored layouts.
    void DeleteRunTimeState();
    // The pages built from the league go, and with them the display that showed them: the
    // standings are shown.
    void DeleteDisplays();
    void WriteLeague(CArchive& ar);
    void ReadLeague(CArchive& ar);
    void ReadHeader(CArchive& ar, BYTE nVersion);
    void WriteHeader(CArchive& ar, BYTE nVersion);
    void WritePrototype(CArchive& ar);
    void CheckReadLeague();

    // Bytes of a score-sheet prototype read while no prototype class was linked in; they
    // are written back unchanged.
    std::vector<BYTE> m_arrPrototypeBytes;

    static BYTE s_nFileVersion;
};
