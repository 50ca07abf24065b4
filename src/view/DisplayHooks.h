#pragma once
// The commands of the displays that the report items build, as the view reaches them. The view
// cannot link the report folders; each folder installs its commands into these pointers at
// start-up, and a command whose pointer is null stays disabled.
#include "framework/core/Core.h"

class CBowlingDoc;
class CPlayer;
class CStdioFile;

enum FixtureListKind
{
    FIXTURE_LIST_BY_ROUND = 0,
    FIXTURE_LIST_BY_TEAM = 1,
    FIXTURE_LIST_OUTSTANDING = 2,
};

// A fixture list: asks what the list needs, builds it, sets the report title. TRUE when the
// fixtures display is to be shown; FALSE when the user cancelled.
inline BOOL (*g_pfnRunFixtureList)(CBowlingDoc* pDoc, int nKind) = nullptr;

enum PlayerDisplayKind
{
    PLAYER_DISPLAY_CHOSEN = 0,   // Player > Display: the bowler chooser
    PLAYER_DISPLAY_BY_TEAM = 1,  // Player > Display by Team: the team chooser
    PLAYER_DISPLAY_ONE = 2,      // the bowler clicked on
};

// Builds the player pages and sets the report title; TRUE when they are to be shown, FALSE
// when the user cancelled (the display is left alone).
inline BOOL (*g_pfnRunPlayerDisplay)(CBowlingDoc* pDoc, int nKind, CPlayer* pPlayer) = nullptr;
// View > Player List: the options dialog, then the list built anew; FALSE after Cancel.
inline BOOL (*g_pfnRunPlayerList)(CBowlingDoc* pDoc) = nullptr;

// View > League Details: the league officials and the rules items, into the document's display
// list (emptied by the view first).
inline void (*g_pfnBuildLeagueDetails)(CBowlingDoc* pDoc) = nullptr;

enum ScoreSheetKind
{
    SCORE_SHEETS_RECAP = 0,    // the unplayed matches of the round to come
    SCORE_SHEETS_MAKEUP = 1,   // every match up to the current round not entered for both sides
};

// The score sheets: replaces the score-sheet items; TRUE when there is at least one to show.
inline BOOL (*g_pfnRunScoreSheets)(CBowlingDoc* pDoc, int nKind) = nullptr;
// Places the sheets on their pages by the style's sheets per page; returns the page count.
inline int (*g_pfnLayoutScoreSheets)(CBowlingDoc* pDoc, CDC* pDC) = nullptr;

enum TeamDisplayOutcome
{
    TEAM_DISPLAY_UNCHANGED = 0,   // cancelled: leave the display as it is
    TEAM_DISPLAY_SHOW = 1,        // the team display was rebuilt: show it
    TEAM_DISPLAY_BACK_TO_REPORT = 2,
};

// Team > Display Team Details (Short).
inline int (*g_pfnRunTeamDetailsShort)(CBowlingDoc* pDoc) = nullptr;
// Team > Display Team details (Full): one history page per chosen team.
inline int (*g_pfnRunTeamDetailsFull)(CBowlingDoc* pDoc) = nullptr;
// Team > Team Captains Listing: the captains list built anew; FALSE when there is none.
inline BOOL (*g_pfnRunCaptainsList)(CBowlingDoc* pDoc) = nullptr;
// Team > Team Report: the thresholds dialog, then a block per team; FALSE after Cancel.
inline BOOL (*g_pfnRunTeamReport)(CBowlingDoc* pDoc) = nullptr;
enum VenueReportKind
{
    VENUE_REPORT_STATS = 0,      // Venue > Venue Stats
    VENUE_REPORT_HI_STATS = 1,   // Venue > Display Venue Report
    VENUE_REPORT_AVERAGES = 2,   // Venue > Individual Averages
};

// The Venue menu's reports into the generated pages; FALSE when nothing was built.
inline BOOL (*g_pfnRunVenueReport)(CBowlingDoc* pDoc, int nKind) = nullptr;
// Venue > Design Venue Report.: TRUE when the style was changed.
inline BOOL (*g_pfnRunVenueReportStyle)(CBowlingDoc* pDoc) = nullptr;

// View > Accounts (display mode 14): rebuilds the accounts list; TRUE when it is ready to show.
inline BOOL (*g_pfnRunAccounts)(CBowlingDoc* pDoc) = nullptr;
// View > Treasurer (display mode 10): asks for the round and builds the sheet; FALSE when cancelled.
inline BOOL (*g_pfnRunTreasurer)(CBowlingDoc* pDoc) = nullptr;

// The junior reports (display mode 16): makes the document's junior report list again for the
// report kind chosen (1 admin, 2 detail).
inline void (*g_pfnBuildJuniorReport)(CBowlingDoc* pDoc) = nullptr;
// Juniors > Reports > Fonts: the fonts dialog on the league's junior report settings.
inline void (*g_pfnJuniorReportFonts)(CBowlingDoc* pDoc) = nullptr;
// The junior report list as the body of an HTML page.
inline void (*g_pfnWriteJuniorReportHtml)(CBowlingDoc* pDoc, CStdioFile& file) = nullptr;
