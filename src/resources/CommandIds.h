#pragma once
// Every command of the program: the one place a command is added.
//
// To add a command: add a line X(ID_..., "status-bar prompt\ntooltip") to the list below (in
// its menu's group), put it in the menu in Menus.cpp, and give it a handler (ON_COMMAND) and,
// when it is not always available, an update handler (ON_UPDATE_COMMAND_UI) in the message map
// of the document or the view. Until a handler exists the command stays disabled.
// The framework's own commands (ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS,
// ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_FILE_MRU_FILE1..4,
// ID_APP_EXIT, ID_APP_ABOUT, ID_HELP_INDEX) are in framework/ui/FrameworkIds.h.
#include "framework/ui/FrameworkIds.h"

#define TORVANE_COMMANDS(X)                                                                                  \
    /* File */                                                                                               \
    X(ID_FILE_HTML_REPORT, "Write the current report as an HTML page\nHTML Report")                          \
    X(ID_FILE_EXPORT_PLAYERS, "Write the players and their figures to a text file\nExport Players")          \
    /* League */                                                                                             \
    X(ID_LEAGUE_GENERAL_DETAILS, "Change the league's name, officials and options\nGeneral Details")        \
    X(ID_LEAGUE_AVERAGE_BUSTER, "Set up the average buster competition\nAverage Buster")                    \
    X(ID_LEAGUE_DIVISIONS, "Set up the league's divisions\nDivisions")                                       \
    X(ID_LEAGUE_SPLIT_SEASON, "Split the season into parts\nSplit Season")                                   \
    X(ID_LEAGUE_VACANCY_SCORES, "Set the scores of vacant places\nVacancy/Robot Scores")                     \
    X(ID_LEAGUE_HISCORE_RESTRICTIONS, "Limit who may win the high-score awards\nHigh Score Restrictions")    \
    X(ID_LEAGUE_AWARD_PERCENTAGES, "Set the qualifying percentages of individual awards\nAward Percentages") \
    X(ID_LEAGUE_BONUS_POINTS, "Set up bonus points\nBonus Points")                                           \
    X(ID_LEAGUE_MOST_IMPROVED, "Set the rules of the most improved bowler award\nMost Improved Rules")      \
    X(ID_LEAGUE_MEMBERSHIP_TYPES, "Edit the association membership types\nMembership Types")                \
    X(ID_LEAGUE_ACCOUNTS, "Keep the league's accounts\nLeague Accounts")                                     \
    X(ID_LEAGUE_HCP_SYSTEM, "Set the handicapping system\nHandicapping System")                              \
    X(ID_LEAGUE_HCP_POINTS, "Set the points of the handicap league\nHandicap Points")                        \
    X(ID_LEAGUE_HCP_STANDINGS, "Set the order of the handicap standings\nHandicap Standings")                \
    X(ID_LEAGUE_SCR_POINTS, "Set the points of the scratch league\nScratch Points")                          \
    X(ID_LEAGUE_SCR_STANDINGS, "Set the order of the scratch standings\nScratch Standings")                  \
    X(ID_AWARDS_EDIT_MANUAL, "Edit the manual award data\nManual Award Data")                                \
    X(ID_AWARDS_AUTOMATIC_CATEGORIES, "Set up the automatic award categories\nAutomatic Awards")            \
    X(ID_AWARDS_MANUAL_CATEGORIES, "Set up the manual award categories\nManual Awards")                      \
    /* Team */                                                                                               \
    X(ID_TEAM_EDIT, "Edit a team's details\nEdit Team")                                                      \
    X(ID_TEAM_DISPLAY_SHORT, "Show the teams' details in short\nTeam Details (Short)")                       \
    X(ID_TEAM_DISPLAY_FULL, "Show each team's full details\nTeam Details (Full)")                            \
    X(ID_TEAM_CAPTAINS, "List the team captains\nTeam Captains")                                             \
    X(ID_TEAM_REPORT, "Show the teams report\nTeam Report")                                                  \
    X(ID_TEAM_ARREARS, "Show or settle a team's arrears\nTeam Arrears")                                      \
    X(ID_TEAM_RESEQUENCE, "Put the teams' bowlers in order by hand\nResequence")                             \
    X(ID_TEAM_REPEAT_LAST_ORDER, "Keep each team in the order of its last round\nRepeat Last Round Order")   \
    X(ID_TEAM_FLOATING_SUBS, "Treat the floating substitutes as a team\nFloating Subs as a Team")            \
    X(ID_TEAM_FLOATSUB_ORDER_AVERAGE, "Order the floating substitutes by average\nBy Average")               \
    X(ID_TEAM_FLOATSUB_ORDER_NAME, "Order the floating substitutes by name\nBy Name")                        \
    /* Player */                                                                                             \
    X(ID_PLAYER_ADD, "Add a new bowler to the league\nAdd Player")                                           \
    X(ID_PLAYER_EDIT, "Edit a bowler's details\nEdit Player")                                                \
    X(ID_PLAYER_DISPLAY, "Show chosen bowlers\nDisplay Players")                                             \
    X(ID_PLAYER_DISPLAY_BY_TEAM, "Show the bowlers of chosen teams\nDisplay by Team")                        \
    X(ID_PLAYER_CATEGORIES, "Set the bowlers' categories\nPlayer Categories")                                \
    X(ID_PLAYER_ENTERING_AVERAGES, "Set the bowlers' entering averages\nEntering Averages")                  \
    X(ID_PLAYER_ARREARS, "Show or settle a bowler's arrears\nPlayer Arrears")                                \
    X(ID_PLAYER_SURNAME_FIRST, "Show bowlers' names surname first\nSurname First")                           \
    /* Result */                                                                                             \
    X(ID_RESULT_ENTER, "Enter the results of a round\nEnter Results")                                        \
    X(ID_RESULT_FIRST_UNPLAYED, "Enter the first match not yet played\nFirst Unplayed Match")                \
    X(ID_RESULT_ENTER_INDIVIDUAL, "Enter the result of one match\nEnter Individual Result")                  \
    X(ID_RESULT_AMEND, "Change results already entered\nAmend Results")                                      \
    X(ID_RESULT_DISPLAY_BY_ROUND, "Show the results of chosen rounds\nResults by Round")                     \
    X(ID_RESULT_DISPLAY_BY_TEAM, "Show a team's results\nResults by Team")                                   \
    X(ID_POINTS_ADJUSTMENT, "Adjust a team's points\nPoints Adjustment")                                     \
    X(ID_POINTS_ADJUST_REPORT, "Show the points adjustments\nPoints Adjust Report")                          \
    X(ID_POINTS_ADJUST_CLEAR_ALL, "Remove every points adjustment\nClear All Adjustments")                   \
    X(ID_RESULT_SET_ROUND, "Set the current round\nSet Round No.")                                           \
    /* Fixture */                                                                                            \
    X(ID_FIXTURE_DISPLAY_BY_ROUND, "Show the fixtures of chosen rounds\nFixtures by Round")                  \
    X(ID_FIXTURE_DISPLAY_BY_TEAM, "Show the fixtures of chosen teams\nFixtures by Teams")                    \
    X(ID_FIXTURE_DISPLAY_OUTSTANDING, "Show the fixtures still to be played\nOutstanding Fixtures")          \
    X(ID_FIXTURE_SCORESHEETS_RECAP, "Print score sheets for a round\nScoresheets (Recap)")                   \
    X(ID_FIXTURE_MAKEUP_SCORESHEETS, "Print score sheets for make-up matches\nMakeup Scoresheets")           \
    X(ID_FIXTURE_PRINT_COLUMNS, "Set the columns of printed fixture lists\nFixture Print Columns")          \
    X(ID_FIXTURE_AMEND_DATES, "Change the dates of the rounds\nAmend Fixture Dates")                         \
    X(ID_FIXTURE_ADD_EXTRA_TEAMS, "Add teams to the league\nAdd Extra Teams")                                \
    X(ID_FIXTURE_EXTEND_SEASON, "Add rounds to the season\nExtend Season")                                   \
    X(ID_FIXTURE_REDUCE_LEAGUE_SIZE, "Take teams out of the league\nReduce League Size")                     \
    X(ID_FIXTURE_EDIT_SCHEDULE, "Edit the league schedule\nEdit League Schedule")                            \
    X(ID_FIXTURE_LANE_ALLOCATION, "Set up the allocation of lanes\nLane Allocation Setup")                   \
    /* View */                                                                                               \
    X(ID_VIEW_REPORT, "Show the current report layout\nReport")                                              \
    X(ID_VIEW_LEAGUE_DETAILS, "Show the league's details\nLeague Details")                                   \
    X(ID_VIEW_PLAYER_LIST, "Show the list of bowlers\nPlayer List")                                          \
    X(ID_VIEW_ACCOUNTS, "Show the league's accounts\nAccounts")                                              \
    X(ID_VIEW_TREASURER, "Show the treasurer's sheet\nTreasurer")                                            \
    X(ID_VIEW_BACK, "Go back to the previous display\nBack")                                                 \
    X(ID_VIEW_PREV_PAGE, "Show the previous page\nPrevious Page")                                            \
    X(ID_VIEW_NEXT_PAGE, "Show the next page\nNext Page")                                                    \
    /* Venue */                                                                                              \
    X(ID_VENUE_ADD, "Add a venue\nAdd a Venue")                                                              \
    X(ID_VENUE_EDIT, "Edit a venue's details\nEdit Venue")                                                   \
    X(ID_VENUE_DELETE, "Delete a venue\nDelete a Venue")                                                     \
    X(ID_VENUE_ASSIGN_ROUNDS, "Choose the venue of each round\nAssign Venues to Rounds")                     \
    X(ID_VENUE_DISPLAY_DETAILS, "Show a venue's details\nVenue Details")                                     \
    X(ID_VENUE_STATS, "Show the statistics of every venue\nVenue Stats")                                     \
    X(ID_VENUE_DISPLAY_REPORT, "Show the venue report\nVenue Report")                                        \
    X(ID_VENUE_INDIVIDUAL_AVERAGES, "Show the bowlers' averages at each venue\nIndividual Averages")         \
    X(ID_VENUE_DESIGN_REPORT, "Design the venue report\nDesign Venue Report")                                \
    /* Juniors */                                                                                            \
    X(ID_JUNIOR_CATEGORY_SETUP, "Set up the junior age categories\nJunior Categories")                       \
    X(ID_JUNIOR_REPORT_ADMIN, "Show the junior administration report\nJunior Admin Report")                  \
    X(ID_JUNIOR_REPORT_DETAIL, "Show the junior detail report\nJunior Detail Report")                        \
    X(ID_JUNIOR_REPORT_FONTS, "Choose the fonts of the junior reports\nJunior Report Fonts")                 \
    /* D'base */                                                                                             \
    X(ID_DBASE_DELETE_PLAYER, "Delete a bowler from the player database\nDelete a Player")                   \
    X(ID_DBASE_EXPORT, "Write the player database to a text file\nExport the Database")                      \
    /* Report */                                                                                             \
    X(ID_REPORT_SETUP_FONTS, "Set the default report fonts\nSetup Report Fonts")                             \
    X(ID_REPORT_SELECT, "Choose the current report layout\nSelect Report")                                   \
    X(ID_REPORT_NEW, "Compose a new report layout\nNew Report")                                              \
    X(ID_REPORT_EDIT, "Edit the current report layout\nEdit Report Layout")                                  \
    X(ID_REPORT_DELETE, "Delete a report layout\nDelete Report")                                             \
    X(ID_REPORT_EXPORT, "Write the current report layout to a file\nExport Report Layout")                  \
    X(ID_REPORT_IMPORT, "Read a report layout from a file\nImport Report Layout")                            \
    /* The view's right-click menu */                                                                        \
    X(ID_POPUP_TEAM_RESULTS, "Show this team's results\nResults")                                            \
    X(ID_POPUP_TEAM_EDIT, "Edit this team's details\nEdit Team Details")                                     \
    X(ID_POPUP_TEAM_ARREARS, "Show this team's arrears\nTeam Arrears")                                       \
    X(ID_POPUP_PLAYER_DISPLAY, "Show this bowler\nDisplay")                                                  \
    X(ID_POPUP_PLAYER_EDIT, "Edit this bowler's details\nEdit a Player's Details")                           \
    X(ID_POPUP_PLAYER_ARREARS, "Show this bowler's arrears\nPlayer Arrears")

#define TORVANE_COMMAND_ENUM_(id, prompt) id,
enum TorvaneCommand : UINT {
    ID_TORVANE_BEFORE_FIRST_ = ID_PROGRAM_FIRST + 2,
    TORVANE_COMMANDS(TORVANE_COMMAND_ENUM_)
    ID_TORVANE_AFTER_LAST_
};
#undef TORVANE_COMMAND_ENUM_
constexpr UINT ID_TORVANE_FIRST_COMMAND = ID_TORVANE_BEFORE_FIRST_ + 1;
constexpr UINT ID_TORVANE_LAST_COMMAND = ID_TORVANE_AFTER_LAST_ - 1;
