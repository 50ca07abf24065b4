#pragma once
// The displays of the view, page by page: each display mode's layout and page drawing, on
// any device context (screen, printer, PDF, image, or a recording DC in tests).
#include "framework/core/Core.h"
#include "view/RepItem.h"

class CBowlingDoc;

// Display modes.
constexpr BYTE MODE_TEAM_DETAILS = 1;
constexpr BYTE MODE_PLAYERS = 2;
constexpr BYTE MODE_FIXTURES = 3;
constexpr BYTE MODE_LEAGUE_DETAILS = 4;
constexpr BYTE MODE_PLAYER_LIST = 5;
constexpr BYTE MODE_RESULTS = 6;
constexpr BYTE MODE_REPORT = 7;
constexpr BYTE MODE_TEAM_REPORT = 8;
constexpr BYTE MODE_SCORE_SHEETS = 9;
constexpr BYTE MODE_TREASURER = 10;
constexpr BYTE MODE_TEAM_FULL_DETAILS = 11;
constexpr BYTE MODE_WELCOME = 12;
constexpr BYTE MODE_GENERATED = 13;
constexpr BYTE MODE_ACCOUNTS = 14;
constexpr BYTE MODE_CAPTAINS = 15;
constexpr BYTE MODE_JUNIORS = 16;

// The title a display shows when the command that opens it gives none.
const char* GetDisplayTitle(BYTE nMode);

// The team details display: the teams per page (the stored value when it is 2, 3 or 4, else 1)
// and the layout that puts the blocks into that many fixed slots a page; returns the pages.
int TeamDetailsPerPage(const CBowlingDoc* pDoc);
int LayoutTeamDetails(CBowlingDoc* pDoc);

// Runs the layout of the document's display mode on pDC; returns the page count (at least 1).
int LayoutDisplayPages(CBowlingDoc* pDoc, CDC* pDC);
// Draws one page of the display; the layout must have run on a device with the same metrics.
// A display with nothing on it shows its heading.
void DrawDisplayPage(CBowlingDoc* pDoc, CDC* pDC, const CPageInfo& info);
