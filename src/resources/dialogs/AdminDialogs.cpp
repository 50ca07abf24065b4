#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

namespace {

constexpr DWORD DROPLIST = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD EDIT = ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER;

// ==== new league, fixture list, dates, lanes and league size ====
DlgTemplate NewLeagueTemplate()
{
    return {IDD_NEW_LEAGUE, "New League Details", 330, 222, {
        {CtlKind::GroupBox, IDC_STATIC, "The League ", 6, 4, 318, 150},
        {CtlKind::Static, IDC_STATIC, "League Name", 12, 18, 60, 8},
        {CtlKind::Edit, IDC_NL_LEAGUE_NAME, nullptr, 80, 16, 236, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Sanctioned By", 12, 34, 60, 8},
        {CtlKind::Edit, IDC_NL_SANCTIONED_BY, nullptr, 80, 32, 130, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Sanction Id.", 216, 34, 44, 8},
        {CtlKind::Edit, IDC_NL_SANCTION_ID, nullptr, 260, 32, 56, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Phone", 216, 48, 40, 8},
        {CtlKind::Static, IDC_STATIC, "President", 12, 60, 60, 8},
        {CtlKind::Edit, IDC_NL_PRESIDENT, nullptr, 80, 58, 130, 12, EDIT},
        {CtlKind::Edit, IDC_NL_PRESIDENT_PHONE, nullptr, 216, 58, 100, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Vice Pres.", 12, 76, 60, 8},
        {CtlKind::Edit, IDC_NL_VICE_PRESIDENT, nullptr, 80, 74, 130, 12, EDIT},
        {CtlKind::Edit, IDC_NL_VICE_PRESIDENT_PHONE, nullptr, 216, 74, 100, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Secretary", 12, 92, 60, 8},
        {CtlKind::Edit, IDC_NL_SECRETARY, nullptr, 80, 90, 130, 12, EDIT},
        {CtlKind::Edit, IDC_NL_SECRETARY_PHONE, nullptr, 216, 90, 100, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Treasurer", 12, 108, 60, 8},
        {CtlKind::Edit, IDC_NL_TREASURER, nullptr, 80, 106, 130, 12, EDIT},
        {CtlKind::Edit, IDC_NL_TREASURER_PHONE, nullptr, 216, 106, 100, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Maximum Registered Players in a Team", 12, 124, 140, 8},
        {CtlKind::Edit, IDC_NL_MAX_PLAYERS, nullptr, 156, 122, 30, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_NL_PRIVACY, "Privacy - Omit Address and Phone details from player report", 12, 138, 300, 10, WS_TABSTOP},
        {CtlKind::ComboBox, IDC_NL_TEAMS, nullptr, 12, 160, 90, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_NL_PLAYERS, nullptr, 110, 160, 90, 80, DROPLIST},
        {CtlKind::ComboBox, IDC_NL_GAMES, nullptr, 208, 160, 90, 80, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "Scoring System (s) ", 6, 178, 230, 36},
        {CtlKind::CheckBox, IDC_NL_HANDICAP, "Handicap", 12, 192, 50, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_NL_SCRATCH, "Scratch", 70, 192, 50, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_NL_PYRAMID, "Pyramid Scoring", 128, 192, 100, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 246, 182, 36, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 288, 182, 36, 14, WS_TABSTOP},
    }};
}

DlgTemplate SetFixtureListTemplate()
{
    return {IDD_SET_FIXTURE_LIST, "Set Fixture List", 250, 150, {
        {CtlKind::Static, IDC_STATIC, "Matches", 8, 10, 40, 8},
        {CtlKind::ComboBox, IDC_SFL_MATCHES, nullptr, 52, 8, 80, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_SFL_FREQUENCY, nullptr, 140, 8, 80, 60, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "Start Date", 6, 26, 238, 58},
        {CtlKind::Static, IDC_STATIC, "Day", 12, 40, 30, 8},
        {CtlKind::Edit, IDC_DATE_DAY, nullptr, 12, 50, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Month", 44, 40, 30, 8},
        {CtlKind::ComboBox, IDC_DATE_MONTH, nullptr, 44, 50, 40, 120, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Year", 92, 40, 30, 8},
        {CtlKind::Edit, IDC_DATE_YEAR, nullptr, 92, 50, 30, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_DATE_WEEKDAY, "", 130, 52, 60, 8},
        {CtlKind::ComboBox, IDC_DATE_HOUR, nullptr, 12, 66, 50, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_DATE_MINUTE, nullptr, 70, 66, 36, 120, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "Rounds per week", 6, 88, 238, 30},
        {CtlKind::Static, IDC_STATIC, "Matches played by a team on each date", 12, 102, 150, 8},
        {CtlKind::Edit, IDC_SFL_ROUNDS_PER_INTERVAL, nullptr, 170, 100, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::PushButton, IDOK, "OK", 140, 128, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 194, 128, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate SelectTeamTemplate()
{
    return {IDD_SELECT_TEAM, "Select Team", 160, 130, {
        {CtlKind::ListBox, IDC_SELECT_TEAM_LIST, nullptr, 7, 7, 100, 116, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 113, 7, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 113, 24, 40, 14, WS_TABSTOP},
    }};
}

DlgTemplate ChangeDateTemplate()
{
    return {IDD_CHANGE_DATE, "Change Date", 230, 82, {
        {CtlKind::ComboBox, IDC_DATE_DAY, nullptr, 8, 8, 30, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_DATE_MONTH, nullptr, 42, 8, 40, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_DATE_YEAR, nullptr, 86, 8, 40, 120, DROPLIST},
        {CtlKind::Static, IDC_DATE_WEEKDAY, "", 132, 10, 60, 8},
        {CtlKind::ComboBox, IDC_DATE_HOUR, nullptr, 8, 28, 50, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_DATE_MINUTE, nullptr, 62, 28, 36, 120, DROPLIST},
        {CtlKind::PushButton, IDC_CD_PLUS_WEEK, "+ 1 Week", 8, 50, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_CD_MINUS_WEEK, "- 1 Week", 62, 50, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 124, 60, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 176, 60, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate FreeDateReasonTemplate()
{
    return {IDD_FREE_DATE_REASON, "Reason for free date", 230, 62, {
        {CtlKind::Edit, IDC_FDR_REASON, nullptr, 8, 8, 214, 12, EDIT},
        {CtlKind::CheckBox, IDC_FDR_INSERT_AFTER, "Insert after selected date", 8, 26, 120, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 120, 42, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 174, 42, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate FixtureDatesTemplate()
{
    return {IDD_FIXTURE_DATES, "Fixture Dates", 330, 200, {
        {CtlKind::ListBox, IDC_FD_ROUNDS, nullptr, 6, 6, 200, 150, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_ADD_FREE_DATE, "Add Free Date", 214, 6, 110, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_DELETE_FREE_WEEK, "Delete Free Week", 214, 22, 110, 14, WS_TABSTOP | WS_DISABLED},
        {CtlKind::PushButton, IDC_FD_RESET_FROM_START, "Reset Dates From Start", 214, 38, 110, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_CHANGE_DATE, "Change Selected Date", 214, 54, 110, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_ADD_POSITION, "Add Position Round", 214, 70, 110, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_DELETE_POSITION, "Delete Position Round", 214, 86, 110, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_DELETE_FINAL, "Delete Final Round", 214, 102, 110, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_FD_SET_TIMES, "Set All Match Times", 214, 118, 110, 14, WS_TABSTOP},
        {CtlKind::ComboBox, IDC_FD_WEEKS, nullptr, 6, 162, 90, 60, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Rounds per Interval", 102, 164, 70, 8},
        {CtlKind::Edit, IDC_FD_ROUNDS_PER_INTERVAL, nullptr, 174, 162, 24, 12, EDIT | ES_NUMBER | ES_READONLY},
        {CtlKind::Static, IDC_STATIC, "Mins.", 204, 164, 20, 8},
        {CtlKind::ComboBox, IDC_FD_MINUTES, nullptr, 226, 162, 36, 120, DROPLIST},
        {CtlKind::CheckBox, IDC_FD_RESET_PLAYED, "Reset date played.", 6, 182, 100, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "Finished", 268, 178, 56, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
}

DlgTemplate StartTimeTemplate()
{
    return {IDD_START_TIME, "Start Time", 170, 50, {
        {CtlKind::ComboBox, IDC_DATE_HOUR, nullptr, 8, 8, 50, 120, DROPLIST},
        {CtlKind::ComboBox, IDC_DATE_MINUTE, nullptr, 62, 8, 36, 120, DROPLIST},
        {CtlKind::PushButton, IDOK, "OK", 114, 8, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 114, 26, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate AddPositionWeekTemplate()
{
    return {IDD_ADD_POSITION_WEEK, "Add Position Week", 230, 90, {
        {CtlKind::Static, IDC_STATIC, "Enter the number of the round that is to become a position round.  All subsequent rounds (if any) will be moved back 1 round.", 8, 6, 214, 26},
        {CtlKind::Edit, IDC_APW_ROUND, nullptr, 8, 36, 30, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_APW_HANDICAP, "Handicap", 50, 38, 50, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_APW_SCRATCH, "Scratch", 106, 38, 50, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 120, 70, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 174, 70, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate DatePlayedChangeTemplate()
{
    return {IDD_DATE_PLAYED_CHANGE, "Date Played Change Confirmation", 250, 130, {
        {CtlKind::Static, IDC_DPC_ROUND, "", 8, 6, 234, 8},
        {CtlKind::Static, IDC_DPC_TEAM_A, "", 8, 18, 100, 8},
        {CtlKind::Static, IDC_STATIC, "V", 116, 18, 10, 8},
        {CtlKind::Static, IDC_DPC_TEAM_B, "", 130, 18, 100, 8},
        {CtlKind::Static, IDC_STATIC, "Please select the action to take with the date played for this team.", 8, 32, 234, 16},
        {CtlKind::Static, IDC_DPC_TEAM, "", 8, 50, 234, 8},
        {CtlKind::Static, IDC_DPC_PLAYED, "", 8, 62, 234, 8},
        {CtlKind::Static, IDC_STATIC, "Original Date Due", 8, 76, 70, 8},
        {CtlKind::Static, IDC_DPC_OLD_DUE, "", 84, 76, 158, 8},
        {CtlKind::Static, IDC_STATIC, "New Date Due", 8, 88, 70, 8},
        {CtlKind::Static, IDC_DPC_NEW_DUE, "", 84, 88, 158, 8},
        {CtlKind::PushButton, IDOK, "Change", 140, 110, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Leave", 194, 110, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate DatesPlayedChangeTemplate()
{
    // The headings stand over the list's tab stops (CDatesPlayedChangeDlg).
    return {IDD_DATES_PLAYED_CHANGE, "Date Played Change Confirmation", 470, 196, {
        {CtlKind::Static, IDC_DPS_COUNT, "", 8, 6, 454, 16},
        {CtlKind::Static, IDC_STATIC, "Round", 10, 26, 24, 8},
        {CtlKind::Static, IDC_STATIC, "Match", 34, 26, 60, 8},
        {CtlKind::Static, IDC_STATIC, "Team", 152, 26, 60, 8},
        {CtlKind::Static, IDC_STATIC, "Date Played", 222, 26, 76, 8},
        {CtlKind::Static, IDC_STATIC, "Original Date Due", 302, 26, 76, 8},
        {CtlKind::Static, IDC_STATIC, "New Date Due", 382, 26, 76, 8},
        {CtlKind::ListBox, IDC_DPS_SIDES, nullptr, 8, 36, 454, 100, LBS_USETABSTOPS | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Please select the action to take with the date played for these teams.", 8, 142, 454, 8},
        {CtlKind::Static, IDC_STATIC, "Change gives each of them its match's new date due as its date played; Leave keeps the dates they bowled.", 8, 154, 454, 16},
        {CtlKind::PushButton, IDOK, "Change", 360, 176, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Leave", 414, 176, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate LaneScheduleTemplate()
{
    return {IDD_LANE_SCHEDULE, "Lane Schedule", 250, 150, {
        {CtlKind::Static, IDC_STATIC, "Start Lane", 8, 10, 70, 8},
        {CtlKind::Edit, IDC_LS_START_LANE, nullptr, 84, 8, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Last Lane (wrap lanes)", 8, 26, 76, 8},
        {CtlKind::Edit, IDC_LS_LAST_LANE, nullptr, 84, 24, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_LS_SPLIT_LANES, "Split Lanes", 8, 42, 70, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Split Start lane", 8, 58, 70, 8},
        {CtlKind::Edit, IDC_LS_SPLIT_START, nullptr, 84, 56, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Lanes before Split", 8, 74, 70, 8},
        {CtlKind::Edit, IDC_LS_BEFORE_SPLIT, nullptr, 84, 72, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_LS_SPLIT_SESSIONS, "Split Sessions", 130, 8, 80, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Squads", 130, 24, 30, 8},
        {CtlKind::Static, IDC_LS_SQUADS, "", 164, 24, 30, 8},
        {CtlKind::PushButton, IDC_LS_SQUAD_TIMES, "Set Squad Times.", 130, 38, 112, 14, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_LS_CUSTOM_LANES, "Use Custom Lanes", 130, 58, 110, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDC_LS_CUSTOMIZE, "Customize Lanes", 130, 72, 112, 14, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_LS_ROLL_MATCHES, "Roll matches over weeks", 130, 92, 110, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 140, 128, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 194, 128, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate CustomLanesTemplate()
{
    static const char* const labels[25] = {
        "1st lane for Match #1", "1st lane for Match #2", "1st lane for Match #3", "1st lane for Match #4",
        "1st lane for Match #5", "1st lane for Match #6", "1st lane for Match #7", "1st lane for Match #8",
        "1st lane for Match #9", "1st lane for Match #10", "1st lane for Match #11", "1st lane for Match #12",
        "1st lane for Match #13", "1st lane for Match #14", "1st lane for Match #15", "1st lane for Match #16",
        "1st lane for Match #17", "1st lane for Match #18", "1st lane for Match #19", "1st lane for Match #20",
        "1st lane for Match #21", "1st lane for Match #22", "1st lane for Match #23", "1st lane for Match #24",
        "1st lane for Match #25"};
    DlgTemplate t{IDD_CUSTOM_LANES, "Customize lanes for matches.", 330, 190, {}};
    for (int i = 0; i < 25; ++i) {
        const short x = static_cast<short>(6 + (i / 9) * 108);
        const short y = static_cast<short>(6 + (i % 9) * 16);
        t.controls.push_back({CtlKind::Static, IDC_STATIC, labels[i], x, static_cast<short>(y + 2), 76, 8});
        t.controls.push_back({CtlKind::Edit, IDC_CL_LANE1 + static_cast<UINT>(i), nullptr, static_cast<short>(x + 78), y, 22, 12,
                              EDIT | ES_NUMBER});
    }
    t.controls.push_back({CtlKind::PushButton, IDC_CL_CYCLE_LEFT, "Cycle Left", 6, 168, 56, 14, WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDC_CL_CYCLE_RIGHT, "Cycle Right", 66, 168, 56, 14, WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 220, 168, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 274, 168, 48, 14, WS_TABSTOP});
    return t;
}

DlgTemplate SquadTimesTemplate()
{
    return {IDD_SQUAD_TIMES, "Specify Squad Times", 250, 130, {
        {CtlKind::Static, IDC_ST_SUMMARY, "", 8, 6, 234, 8},
        {CtlKind::ComboBox, IDC_ST_SQUAD, nullptr, 8, 20, 70, 120, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Days", 8, 40, 30, 8},
        {CtlKind::Edit, IDC_ST_DAYS, nullptr, 8, 50, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Hours", 40, 40, 30, 8},
        {CtlKind::Edit, IDC_ST_HOURS, nullptr, 40, 50, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Minutes", 72, 40, 30, 8},
        {CtlKind::Edit, IDC_ST_MINUTES, nullptr, 72, 50, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "First squad", 8, 70, 50, 8},
        {CtlKind::Static, IDC_ST_FIRST_TIME, "", 62, 70, 180, 8},
        {CtlKind::Static, IDC_STATIC, "This squad", 8, 82, 50, 8},
        {CtlKind::Static, IDC_ST_SQUAD_TIME, "", 62, 82, 180, 8},
        {CtlKind::PushButton, IDOK, "OK", 140, 108, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 194, 108, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate RoundsToPrintTemplate()
{
    return {IDD_ROUNDS_TO_PRINT, "Rounds to print.", 280, 130, {
        {CtlKind::Static, IDC_STATIC, "First Round No.", 8, 10, 60, 8},
        {CtlKind::Edit, IDC_RP_FIRST, nullptr, 72, 8, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Last Round No.", 110, 10, 60, 8},
        {CtlKind::Edit, IDC_RP_LAST, nullptr, 174, 8, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_RP_HEADER_FONT, "", 8, 30, 210, 8},
        {CtlKind::PushButton, IDC_RP_CHANGE_HEADER, "Change", 224, 28, 48, 12, WS_TABSTOP},
        {CtlKind::Static, IDC_RP_DETAIL_FONT, "", 8, 46, 210, 8},
        {CtlKind::PushButton, IDC_RP_CHANGE_DETAIL, "Change", 224, 44, 48, 12, WS_TABSTOP},
        {CtlKind::Static, IDC_RP_TITLE_FONT, "", 8, 62, 210, 8},
        {CtlKind::PushButton, IDC_RP_CHANGE_TITLE, "Change", 224, 60, 48, 12, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_RP_OMIT_LANES, "Omit Lanes", 8, 80, 60, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_RP_OMIT_TIME, "  Omit Time", 72, 80, 60, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDC_RP_LANE_SCHEDULE, "Lane Schedule", 8, 106, 64, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 170, 106, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 224, 106, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate NewScheduleRuleTemplate()
{
    return {IDD_NEW_SCHEDULE_RULE, "New Schedule Rule", 250, 120, {
        {CtlKind::GroupBox, IDC_STATIC, "Synchronize", 6, 4, 238, 40},
        {CtlKind::CheckBox, IDC_NSR_SYNCHRONIZE, "", 12, 18, 10, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Set the schedule so the new size league is as it would be had the league started with the new size.", 26, 16, 212, 24},
        {CtlKind::GroupBox, IDC_STATIC, "Restart", 6, 48, 238, 40},
        {CtlKind::CheckBox, IDC_NSR_RESTART, "", 12, 62, 10, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Start the fixtures for the new sized league from a round 1 schedule.", 26, 60, 212, 24},
        {CtlKind::PushButton, IDOK, "OK", 140, 98, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 194, 98, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate LeagueSizeTemplate(UINT nIDD, const char* pszCaption, bool bContract)
{
    DlgTemplate t{nIDD, pszCaption, 250, static_cast<short>(bContract ? 130 : 90), {
        {CtlKind::Static, IDC_LSZ_TEAMS_TEXT, "", 8, 6, 234, 8},
        {CtlKind::Static, IDC_STATIC, "Start from Round", 8, 22, 70, 8},
        {CtlKind::Edit, IDC_LSZ_START_ROUND, nullptr, 82, 20, 24, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "New Number of rounds", 8, 40, 80, 8},
        {CtlKind::Static, IDC_LSZ_BEFORE, "", 90, 40, 24, 8},
        {CtlKind::ComboBox, IDC_LSZ_ROUNDS, nullptr, 116, 38, 70, 120, DROPLIST},
        {CtlKind::Static, IDC_LSZ_TOTAL, "", 190, 40, 40, 8},
    }};
    if (bContract) {
        t.controls.push_back({CtlKind::GroupBox, IDC_STATIC, "Teams to drop.", 6, 56, 238, 34});
        t.controls.push_back({CtlKind::ComboBox, IDC_LSZ_DROP1, nullptr, 12, 70, 100, 120, DROPLIST});
        t.controls.push_back({CtlKind::ComboBox, IDC_LSZ_DROP2, nullptr, 120, 70, 100, 120, DROPLIST});
    }
    const short y = static_cast<short>(bContract ? 108 : 68);
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 140, y, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 194, y, 48, 14, WS_TABSTOP});
    return t;
}
// ==== end ====

// ==== edit league details ====
DlgTemplate EditLeagueTemplate()
{
    return {IDD_EDIT_LEAGUE, "Edit League Details", 340, 279, {
        {CtlKind::GroupBox, IDC_STATIC, "The League ", 6, 4, 328, 152},
        {CtlKind::Static, IDC_STATIC, "League Name", 12, 18, 64, 8},
        {CtlKind::Edit, IDC_EL_LEAGUE_NAME, nullptr, 80, 16, 246, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Sanctioned By", 12, 34, 64, 8},
        {CtlKind::Edit, IDC_EL_SANCTIONED_BY, nullptr, 80, 32, 120, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Sanction Number", 206, 34, 60, 8},
        {CtlKind::Edit, IDC_EL_SANCTION_NUMBER, nullptr, 266, 32, 60, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Phone", 206, 50, 60, 8},
        {CtlKind::Static, IDC_STATIC, "President", 12, 62, 64, 8},
        {CtlKind::Edit, IDC_EL_PRESIDENT, nullptr, 80, 60, 120, 12, EDIT},
        {CtlKind::Edit, IDC_EL_PRESIDENT_PHONE, nullptr, 206, 60, 120, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Vice President", 12, 78, 64, 8},
        {CtlKind::Edit, IDC_EL_VICE_PRESIDENT, nullptr, 80, 76, 120, 12, EDIT},
        {CtlKind::Edit, IDC_EL_VICE_PRESIDENT_PHONE, nullptr, 206, 76, 120, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Secretary", 12, 94, 64, 8},
        {CtlKind::Edit, IDC_EL_SECRETARY, nullptr, 80, 92, 120, 12, EDIT},
        {CtlKind::Edit, IDC_EL_SECRETARY_PHONE, nullptr, 206, 92, 120, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Treasurer", 12, 110, 64, 8},
        {CtlKind::Edit, IDC_EL_TREASURER, nullptr, 80, 108, 120, 12, EDIT},
        {CtlKind::Edit, IDC_EL_TREASURER_PHONE, nullptr, 206, 108, 120, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Secretary's Team", 12, 126, 64, 8},
        {CtlKind::ComboBox, IDC_EL_SECRETARY_TEAM, nullptr, 80, 124, 120, 120, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Max. Players / team", 206, 126, 80, 8},
        {CtlKind::Edit, IDC_EL_MAX_PLAYERS, nullptr, 290, 124, 36, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Treasurer's Team", 12, 142, 64, 8},
        {CtlKind::ComboBox, IDC_EL_TREASURER_TEAM, nullptr, 80, 140, 120, 120, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "Scoring System (s) ", 6, 160, 328, 42},
        {CtlKind::CheckBox, IDC_EL_HANDICAP, "Handicap League", 12, 174, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_EL_SCRATCH, "Scratch League", 100, 174, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_EL_PYRAMID, "Pyramid Scoring", 188, 174, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_EL_POSITION_BOTH_WAYS, "Score Position week games as both Scr and Hcp", 12, 187, 240, 10, WS_TABSTOP},
        {CtlKind::GroupBox, IDC_STATIC, "Options ", 6, 206, 250, 67},
        {CtlKind::CheckBox, IDC_EL_FLOATING_SUBS_TEAM, "Display Floating/Roving subs as an 'Extra' Team", 12, 219, 240, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_EL_FIVE_PIN, "5 Pin Bowling Rules", 12, 232, 240, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_EL_PRIVACY, "Privacy - Omit Address and Phone details from player report", 12, 245, 240, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_EL_PLAYER_DATABASE, "Keep the bowlers in the player database", 12, 258, 240, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 272, 222, 56, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 272, 242, 56, 14, WS_TABSTOP},
    }};
}
// ==== end of edit league details ====

// ==== team details, team order, divisions, membership types ====
DlgTemplate EditTeamTemplate()
{
    return {IDD_EDIT_TEAM, "Edit Team Details", 262, 222, {
        {CtlKind::Static, IDC_STATIC, "Team Name", 8, 10, 48, 8},
        {CtlKind::Edit, IDC_ET_NAME, nullptr, 60, 8, 130, 12, EDIT},
        {CtlKind::CheckBox, IDC_ET_FORMAT_TEXT, "Format Text", 198, 9, 58, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Captain", 8, 28, 48, 8},
        {CtlKind::ComboBox, IDC_ET_CAPTAIN, nullptr, 60, 26, 130, 120, DROPLIST},
        {CtlKind::Static, IDC_ET_DIVISION_LABEL, "Division", 8, 46, 48, 8},
        {CtlKind::ComboBox, IDC_ET_DIVISION, nullptr, 60, 44, 80, 120, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "Withdrawal ", 6, 62, 250, 44},
        {CtlKind::CheckBox, IDC_ET_FOLDED, "Team folded", 12, 75, 110, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_ET_DEDUCT, "Deduct points from opponents", 12, 89, 130, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Score to Week", 150, 76, 56, 8},
        {CtlKind::Edit, IDC_ET_SCORE_TO_WEEK, nullptr, 210, 74, 30, 12, EDIT | ES_NUMBER},
        {CtlKind::GroupBox, IDC_STATIC, "Vacancy ", 6, 110, 250, 44},
        {CtlKind::CheckBox, IDC_ET_VACANCY_FILLED, " Vacancy Filled", 12, 123, 110, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Start Round", 150, 124, 56, 8},
        {CtlKind::Edit, IDC_ET_START_ROUND, nullptr, 210, 122, 30, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Won", 12, 139, 20, 8},
        {CtlKind::Edit, IDC_ET_WON, nullptr, 36, 137, 44, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Lost", 92, 139, 20, 8},
        {CtlKind::Edit, IDC_ET_LOST, nullptr, 116, 137, 44, 12, EDIT},
        {CtlKind::CheckBox, IDC_ET_OMIT_STANDINGS, " Vacancy (Omit from Standings)", 12, 160, 160, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_ET_OMIT_HI_TEAM, " Vacancy (Omit from Hi Team Stats)", 12, 173, 160, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_ET_BYE, " BYE Team - No fixtures at all.", 12, 186, 160, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 150, 202, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 206, 202, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate ReorderPlayersTemplate()
{
    return {IDD_REORDER_PLAYERS, "Reorder players in team", 200, 120, {
        {CtlKind::ListBox, IDC_RO_LIST, nullptr, 6, 6, 130, 108, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_RO_UP, "Move UP", 144, 6, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_RO_DOWN, "Move DOWN", 144, 24, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 144, 82, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 144, 100, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate DivisionsTemplate()
{
    return {IDD_DIVISIONS, "Divisions", 220, 116, {
        {CtlKind::Static, IDC_STATIC, "Number of divisions", 8, 10, 72, 8},
        {CtlKind::ComboBox, IDC_DIV_COUNT, nullptr, 84, 8, 74, 80, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "HEALTH WARNING", 6, 28, 208, 62},
        {CtlKind::Static, IDC_STATIC,
         "Divisions are a limited feature. The schedule has to be made by hand with the "
         "schedule editor, and the high score awards are not available by division.",
         12, 42, 196, 42},
        {CtlKind::PushButton, IDOK, "OK", 108, 96, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 164, 96, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate MembershipTypesTemplate()
{
    return {IDD_MEMBERSHIP_TYPES, "Bowling Assn. Membership Types", 210, 128, {
        {CtlKind::ListBox, IDC_MT_LIST, nullptr, 6, 6, 140, 98, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::Edit, IDC_MT_EDIT, nullptr, 6, 108, 140, 12, EDIT | WS_HIDDEN | WS_DISABLED},
        {CtlKind::PushButton, IDC_MT_ADD, "Add", 154, 6, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_MT_RENAME, "Edit", 154, 24, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_MT_DELETE, "Delete", 154, 42, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 154, 88, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 154, 106, 50, 14, WS_TABSTOP},
    }};
}
// ==== end of team details ====

// ==== player details ====
// New and Edit differ in the forename and entering average ids, "Another New Player" (New)
// and the most improved average (Edit).
DlgTemplate PlayerDetailsTemplate(bool bEdit)
{
    const UINT nForename = bEdit ? IDC_PD_FORENAME_EDIT : IDC_PD_FORENAME_NEW;
    const UINT nEntering = bEdit ? IDC_PD_ENTERING_EDIT : IDC_PD_ENTERING_NEW;
    DlgTemplate t{bEdit ? IDD_EDIT_PLAYER : IDD_NEW_PLAYER, bEdit ? "Edit Player Details" : "New Player Details",
                  386, 274, {
        {CtlKind::Static, IDC_STATIC, "Forename", 7, 9, 54, 8},
        {CtlKind::Edit, nForename, nullptr, 64, 7, 118, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Surname", 7, 25, 54, 8},
        {CtlKind::Edit, IDC_PD_SURNAME, nullptr, 64, 23, 118, 12, EDIT},
        {CtlKind::CheckBox, IDC_PD_FORMAT_TEXT, bEdit ? "Format text" : "Format Text", 64, 38, 80, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Status", 7, 54, 54, 8},
        {CtlKind::ComboBox, IDC_PD_STATUS, nullptr, 64, 52, 118, 80, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Team", 7, 70, 54, 8},
        {CtlKind::ComboBox, IDC_PD_TEAM, nullptr, 64, 68, 118, 120, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Designation", 7, 86, 54, 8},
        {CtlKind::ComboBox, IDC_PD_DESIGNATION, nullptr, 64, 84, 118, 80, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Category", 7, 102, 54, 8},
        {CtlKind::ComboBox, IDC_PD_CATEGORY, nullptr, 64, 100, 118, 80, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Entering Average", 7, 118, 56, 8},
        {CtlKind::Edit, nEntering, nullptr, 64, 116, 50, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Player PIN.", 7, 134, 54, 8},
        {CtlKind::Edit, IDC_PD_PIN, nullptr, 64, 132, 50, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_PD_FLOATING_SUB, "Floating Sub.", 7, 150, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PD_RESIGNED, "Resigned", 92, 150, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PD_TEAM_RESERVE, " Team Reserve", 7, 163, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PD_NOT_MOST_IMPROVED, "Ineligible for Most Improved Title.", 7, 176, 175, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PD_NO_ENTERING_GAMES, "Do NOT apply 'Games with Entering Average'", 7, 189, 175, 10, WS_TABSTOP},

        {CtlKind::GroupBox, IDC_STATIC, "Address", 192, 3, 188, 92},
        {CtlKind::Edit, IDC_PD_ADDRESS[0], nullptr, 198, 14, 176, 12, EDIT},
        {CtlKind::Edit, IDC_PD_ADDRESS[1], nullptr, 198, 28, 176, 12, EDIT},
        {CtlKind::Edit, IDC_PD_ADDRESS[2], nullptr, 198, 42, 176, 12, EDIT},
        {CtlKind::Edit, IDC_PD_ADDRESS[3], nullptr, 198, 56, 176, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Zip/Post Code", 198, 76, 56, 8},
        {CtlKind::Edit, IDC_PD_POSTCODE, nullptr, 258, 74, 60, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Home Phone", 192, 102, 56, 8},
        {CtlKind::Edit, IDC_PD_PHONE_HOME, nullptr, 252, 100, 80, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Work Phone", 192, 116, 56, 8},
        {CtlKind::Edit, IDC_PD_PHONE_WORK, nullptr, 252, 114, 80, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Mobile Phone", 192, 130, 56, 8},
        {CtlKind::Edit, IDC_PD_PHONE_MOBILE, nullptr, 252, 128, 80, 12, EDIT},
        {CtlKind::GroupBox, IDC_STATIC, "Date of birth", 192, 144, 188, 28},
        {CtlKind::Static, IDC_STATIC, "Day", 198, 157, 16, 8},
        {CtlKind::Edit, IDC_PD_BIRTH_DAY, nullptr, 216, 155, 22, 12, EDIT | ES_NUMBER},
        {CtlKind::ComboBox, IDC_PD_BIRTH_MONTH, nullptr, 244, 155, 46, 120, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Year", 298, 157, 18, 8},
        {CtlKind::Edit, IDC_PD_BIRTH_YEAR, nullptr, 318, 155, 34, 12, EDIT | ES_NUMBER},
        {CtlKind::GroupBox, IDC_STATIC, "Bowling Association Details ", 192, 176, 188, 46},
        {CtlKind::Static, IDC_STATIC, "Type", 198, 189, 20, 8},
        {CtlKind::ComboBox, IDC_PD_MEMBERSHIP_TYPE, nullptr, 220, 187, 56, 80, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Member Number", 280, 189, 56, 8},
        {CtlKind::Edit, IDC_PD_MEMBER_NO, nullptr, 336, 187, 40, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Exp", 198, 207, 16, 8},
        {CtlKind::Edit, IDC_PD_EXPIRY_DAY, nullptr, 216, 205, 22, 12, EDIT | ES_NUMBER},
        {CtlKind::ComboBox, IDC_PD_EXPIRY_MONTH, nullptr, 244, 205, 46, 120, DROPLIST},
        {CtlKind::Edit, IDC_PD_EXPIRY_YEAR, nullptr, 296, 205, 34, 12, EDIT | ES_NUMBER},
        {CtlKind::GroupBox, IDC_STATIC, "User Fields ", 192, 226, 188, 44},
        {CtlKind::Static, IDC_STATIC, "#1", 198, 239, 10, 8},
        {CtlKind::Edit, IDC_PD_USER1, nullptr, 210, 237, 166, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "#2", 198, 255, 10, 8},
        {CtlKind::Edit, IDC_PD_USER2, nullptr, 210, 253, 166, 12, EDIT},
    }};
    if (bEdit) {
        t.controls.push_back({CtlKind::Static, IDC_STATIC,
                              "Average for 'Most Improved.  (0 = 'use Entering Average'.)", 7, 204, 175, 16});
        t.controls.push_back({CtlKind::Edit, IDC_PD_MOST_IMPROVED, nullptr, 64, 222, 50, 12, EDIT});
    } else {
        t.controls.push_back({CtlKind::CheckBox, IDC_PD_ANOTHER, "Another New Player", 7, 210, 100, 10, WS_TABSTOP});
    }
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 7, 254, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 64, 254, 50, 14, WS_TABSTOP});
    return t;
}

DlgTemplate SelectPlayerTemplate()
{
    return {IDD_SELECT_PLAYER, "Select Player", 250, 160, {
        {CtlKind::ListBox, IDC_SP_LIST, nullptr, 7, 7, 236, 124,
         LBS_SORT | LBS_NOTIFY | LBS_MULTICOLUMN | WS_HSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::CheckBox, IDC_SP_SORT_SURNAME, "Sort by Surname", 7, 140, 80, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 139, 138, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 193, 138, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate PlayerCategoriesTemplate()
{
    return {IDD_PLAYER_CATEGORIES, "Player categories", 240, 130, {
        {CtlKind::Static, IDC_STATIC, "Start Category A", 7, 9, 60, 8},
        {CtlKind::Edit, IDC_PC_START_A, nullptr, 70, 7, 36, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Start Category B", 7, 25, 60, 8},
        {CtlKind::Edit, IDC_PC_START_B, nullptr, 70, 23, 36, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_PC_ENTERING, "Entering Average", 7, 42, 80, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PC_CURRENT, "Current Average", 7, 55, 80, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDC_PC_SET, "Set Player Categories", 7, 72, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_PC_REMOVE, "Remove Player Categories", 7, 90, 100, 14, WS_TABSTOP},
        {CtlKind::GroupBox, IDC_STATIC, "Counts", 124, 4, 108, 70},
        {CtlKind::Static, IDC_STATIC, "Category A", 130, 17, 54, 8},
        {CtlKind::Static, IDC_PC_COUNT_A, "0", 190, 17, 36, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Category B", 130, 30, 54, 8},
        {CtlKind::Static, IDC_PC_COUNT_B, "0", 190, 30, 36, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Category C", 130, 43, 54, 8},
        {CtlKind::Static, IDC_PC_COUNT_C, "0", 190, 43, 36, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "No Category", 130, 56, 54, 8},
        {CtlKind::Static, IDC_PC_COUNT_NONE, "0", 190, 56, 36, 8, SS_RIGHT},
        {CtlKind::PushButton, IDOK, "OK", 182, 108, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
}

DlgTemplate SetEnteringAverageTemplate()
{
    return {IDD_SET_ENTERING_AVERAGE, "Set Entering Average", 220, 124, {
        {CtlKind::Static, IDC_SEA_NAME, nullptr, 7, 7, 206, 8},
        {CtlKind::Static, IDC_STATIC, "Games", 7, 22, 40, 8},
        {CtlKind::Static, IDC_SEA_GAMES, nullptr, 50, 22, 40, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Pins", 7, 34, 40, 8},
        {CtlKind::Static, IDC_SEA_PINS, nullptr, 50, 34, 40, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Average", 7, 46, 40, 8},
        {CtlKind::Static, IDC_SEA_AVERAGE, nullptr, 50, 46, 40, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Entering Average", 7, 63, 60, 8},
        {CtlKind::Edit, IDC_SEA_ENTERING, nullptr, 70, 61, 50, 12, EDIT},
        {CtlKind::CheckBox, IDC_SEA_NOT_ELIGIBLE, "NOT Eligible for 'Most Improved Bowler' Award", 7, 80, 206, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "Set Entering Average", 7, 102, 90, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Ignore", 163, 102, 50, 14, WS_TABSTOP},
    }};
}
// ==== end of player details ====

// ==== venues ====
DlgTemplate VenueDetailsTemplate()
{
    return {IDD_VENUE_DETAILS, "Venue Details.", 330, 222, {
        {CtlKind::Static, IDC_STATIC, "Venue Name", 7, 9, 50, 8},
        {CtlKind::Edit, IDC_VD_NAME, nullptr, 60, 7, 150, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Telephone", 7, 25, 50, 8},
        {CtlKind::Edit, IDC_VD_PHONE, nullptr, 60, 23, 90, 12, EDIT},
        {CtlKind::GroupBox, IDC_STATIC, "Address", 7, 40, 204, 90},
        {CtlKind::Edit, IDC_VD_ADDRESS[0], nullptr, 13, 52, 192, 12, EDIT},
        {CtlKind::Edit, IDC_VD_ADDRESS[1], nullptr, 13, 66, 192, 12, EDIT},
        {CtlKind::Edit, IDC_VD_ADDRESS[2], nullptr, 13, 80, 192, 12, EDIT},
        {CtlKind::Edit, IDC_VD_ADDRESS[3], nullptr, 13, 94, 192, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Zip/Postcode", 13, 112, 50, 8},
        {CtlKind::Edit, IDC_VD_POSTCODE, nullptr, 66, 110, 70, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Directions", 7, 136, 50, 8},
        {CtlKind::Edit, IDC_VD_DIRECTIONS, nullptr, 7, 146, 316, 50,
         ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | WS_BORDER},
        {CtlKind::GroupBox, IDC_STATIC, "Lane Dets", 218, 4, 105, 126},
        {CtlKind::Static, IDC_STATIC, "Start Lane", 224, 18, 66, 8},
        {CtlKind::Edit, IDC_VD_START_LANE, nullptr, 292, 16, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Last Lane (wrap lanes)", 224, 34, 66, 16},
        {CtlKind::Edit, IDC_VD_LAST_LANE, nullptr, 292, 32, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_VD_SPLIT_LANES, "Split Lanes", 224, 56, 70, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Split Start lane", 224, 74, 66, 8},
        {CtlKind::Edit, IDC_VD_SPLIT_START, nullptr, 292, 72, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::Static, IDC_STATIC, "Lanes before Split", 224, 92, 66, 8},
        {CtlKind::Edit, IDC_VD_BEFORE_SPLIT, nullptr, 292, 90, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::PushButton, IDOK, "OK", 217, 202, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 273, 202, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate SelectVenueTemplate()
{
    return {IDD_SELECT_VENUE, "Select Venue", 200, 60, {
        {CtlKind::ComboBox, IDC_SV_LIST, nullptr, 7, 7, 130, 120, DROPLIST},
        {CtlKind::PushButton, IDOK, "OK", 143, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 143, 24, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate AssignVenuesTemplate()
{
    return {IDD_ASSIGN_VENUES, "Assign Venues to Rounds", 320, 200, {
        {CtlKind::ListBox, IDC_AV_ROUNDS, nullptr, 7, 7, 200, 186,
         LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Venue", 214, 7, 60, 8},
        {CtlKind::ComboBox, IDC_AV_VENUE, nullptr, 214, 17, 100, 120, DROPLIST},
        {CtlKind::PushButton, IDC_AV_ASSIGN, "Assign Selection", 214, 40, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AV_CLEAR, "Clear Venues", 214, 58, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "Finished", 214, 161, 100, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 214, 179, 100, 14, WS_TABSTOP},
    }};
}
// ==== end of venues ====

// ==== accounts and arrears ====
DlgTemplate AccountsControlTemplate()
{
    return {IDD_ACCOUNTS_CONTROL, "Accounts Control", 250, 170, {
        {CtlKind::GroupBox, IDC_STATIC, "Weekly Subs Items per player  ", 7, 7, 236, 34},
        {CtlKind::PushButton, IDC_AC_ADD_PAYMENT, "ADD", 15, 20, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AC_AMEND_PAYMENT, "AMEND", 135, 20, 100, 14, WS_TABSTOP},
        {CtlKind::GroupBox, IDC_STATIC, "Accounting Item Details  ", 7, 46, 236, 72},
        {CtlKind::PushButton, IDC_AC_ADD_INCOME, "ADD INCOME ITEM", 15, 59, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AC_ADD_EXPENSE, "ADD EXPENSE ITEM", 135, 59, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AC_AMEND_INCOME, "AMEND INCOME ITEM", 15, 78, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AC_AMEND_EXPENSE, "AMEND EXPENSE ITEM", 135, 78, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AC_POST_INCOME, "Post Income Items", 15, 97, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AC_POST_EXPENSE, "Post Expense Items", 135, 97, 100, 14, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_AC_LIST_PLAYERS, "List players on Collection Sheet", 15, 126, 200, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "Finished", 193, 148, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
}

DlgTemplate AccountItemTemplate()
{
    return {IDD_ACCOUNT_ITEM, "Account Item", 230, 86, {
        {CtlKind::Static, IDC_AI_LABEL, "Income Item", 7, 7, 150, 8},
        {CtlKind::Static, IDC_STATIC, "Description", 7, 24, 60, 8},
        {CtlKind::Edit, IDC_AI_DESCRIPTION, nullptr, 70, 22, 153, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Default Value", 7, 42, 60, 8},
        {CtlKind::Edit, IDC_AI_DEFAULT, nullptr, 70, 40, 60, 12, EDIT},
        {CtlKind::PushButton, IDOK, "OK", 119, 64, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 173, 64, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate AccountPostingTemplate()
{
    return {IDD_ACCOUNT_POSTING, "Posting.", 260, 150, {
        {CtlKind::Static, IDC_AP_LABEL, "*** Income Item Posting. ***", 7, 7, 246, 8, SS_CENTER},
        {CtlKind::Static, IDC_STATIC, "Select the account item to post to,  from the dropdown combo box, and check the amount carefully.", 7, 19, 246, 18},
        {CtlKind::ComboBox, IDC_AP_HEADINGS, nullptr, 7, 40, 246, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Amount", 7, 60, 60, 8},
        {CtlKind::Edit, IDC_AP_AMOUNT, nullptr, 70, 58, 60, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Comment", 7, 76, 60, 8},
        {CtlKind::Edit, IDC_AP_COMMENT, nullptr, 70, 74, 183, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Week/Round No.", 7, 92, 60, 8},
        {CtlKind::Edit, IDC_AP_ROUND, nullptr, 70, 90, 30, 12, EDIT},
        {CtlKind::CheckBox, IDC_AP_MORE, "More?", 7, 110, 60, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "POST", 149, 128, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 128, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate SelectAccountItemTemplate()
{
    return {IDD_SELECT_ACCOUNT_ITEM, "Select an Account Item", 200, 130, {
        {CtlKind::ListBox, IDC_SAI_LIST, nullptr, 7, 7, 186, 96, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | WS_BORDER},
        {CtlKind::PushButton, IDOK, "OK", 89, 109, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 143, 109, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate PaymentItemTemplate()
{
    return {IDD_PAYMENT_ITEM, "Add Payment Item.", 240, 126, {
        {CtlKind::Static, IDC_STATIC, "Description", 7, 9, 70, 8},
        {CtlKind::Edit, IDC_PI_DESCRIPTION, nullptr, 80, 7, 153, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Amount", 7, 25, 70, 8},
        {CtlKind::Edit, IDC_PI_AMOUNT, nullptr, 80, 23, 60, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Effective from Round", 7, 41, 70, 8},
        {CtlKind::Edit, IDC_PI_FROM, nullptr, 80, 39, 30, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "To Round", 120, 41, 40, 8},
        {CtlKind::Edit, IDC_PI_TO, nullptr, 160, 39, 30, 12, EDIT},
        {CtlKind::CheckBox, IDC_PI_INDIVIDUAL, "Individual", 7, 60, 60, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PI_TEAM, "Team", 80, 60, 60, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_PI_OPTIONAL, "Optional", 153, 60, 60, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 129, 104, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 183, 104, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate SelectPaymentItemTemplate()
{
    return {IDD_SELECT_PAYMENT_ITEM, "Select a Payment Item.", 240, 130, {
        {CtlKind::ListBox, IDC_SPI_LIST, nullptr, 7, 7, 226, 96, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | WS_BORDER},
        {CtlKind::PushButton, IDOK, "OK", 129, 109, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 183, 109, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate ArrearsTemplate(UINT nIDD, const char* pszCaption)
{
    return {nIDD, pszCaption, 240, 110, {
        {CtlKind::Static, IDC_AR_NAME, nullptr, 7, 7, 226, 8},
        {CtlKind::Static, IDC_STATIC, "Amount owed", 7, 24, 60, 8},
        {CtlKind::Edit, IDC_AR_AMOUNT, nullptr, 70, 22, 60, 12, EDIT},
        {CtlKind::PushButton, IDC_AR_CLEAR, "Clear Arrears", 150, 21, 83, 14, WS_TABSTOP},
        {CtlKind::ComboBox, IDC_AR_ITEMS, nullptr, 7, 44, 140, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Static, IDC_AR_ITEM_AMOUNT, "0.00", 150, 46, 40, 8, SS_RIGHT},
        {CtlKind::PushButton, IDC_AR_ADD_ITEM, "Add 1 Selected Item", 7, 62, 100, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 129, 88, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 183, 88, 50, 14, WS_TABSTOP},
    }};
}
// ==== end of accounts and arrears ====

// ==== next season, schedule editing, split seasons ====
DlgTemplate NewLeagueSetupTemplate()
{
    return {IDD_NEW_LEAGUE_SETUP, "New League Setup", 220, 70, {
        {CtlKind::Static, IDC_STATIC, "Setting up a new league needs some planning.  Please press F1 for help and advice.",
         10, 10, 200, 24},
        {CtlKind::PushButton, IDOK, "OK", 110, 48, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 164, 48, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate NewLeagueTeamsTemplate()
{
    return {IDD_NEW_LEAGUE_TEAMS, "Select teams for new league.", 290, 190, {
        {CtlKind::Static, IDC_STATIC, "Available Teams", 8, 6, 110, 8},
        {CtlKind::ListBox, IDC_NLT_AVAILABLE, nullptr, 8, 16, 110, 150, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_NLT_MOVE, ">>", 124, 60, 36, 14, WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "New league team order.", 168, 6, 110, 8},
        {CtlKind::ListBox, IDC_NLT_ORDER, nullptr, 168, 16, 110, 150, WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_NLT_RESET, "Reset Lists", 8, 170, 60, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 176, 170, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 230, 170, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate EditScheduleTemplate()
{
    DlgTemplate t{IDD_EDIT_SCHEDULE, "Edit Schedule", 330, 290, {
        {CtlKind::Static, IDC_ES_WEEK, "", 8, 8, 100, 8},
        {CtlKind::Edit, IDC_ES_ROUND, nullptr, 112, 6, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::PushButton, IDC_ES_PREV, "Prev. Round", 230, 6, 90, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_ES_NEXT, "Next Round", 230, 24, 90, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_ES_EDIT, "Edit", 230, 48, 90, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_ES_RESET, "Reset", 230, 66, 90, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_ES_SELECT, "Select Team", 230, 90, 90, 14, WS_TABSTOP},
        {CtlKind::ListBox, IDC_ES_TEAMS, nullptr, 230, 108, 90, 150, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "Finished", 230, 268, 90, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
    for (int k = 0; k < 25; ++k) {
        const short y = static_cast<short>(26 + 10 * k);
        t.controls.push_back({CtlKind::Static, IDC_ES_SLOT + 2 * k, "", 8, y, 96, 8});
        t.controls.push_back({CtlKind::Static, IDC_ES_VERSUS + k, "v", 106, y, 8, 8, SS_CENTER});
        t.controls.push_back({CtlKind::Static, IDC_ES_SLOT + 2 * k + 1, "", 116, y, 96, 8});
    }
    return t;
}

DlgTemplate SplitSeasonTemplate()
{
    return {IDD_SPLIT_SEASON, "Split Season", 260, 204, {
        {CtlKind::Static, IDC_SS_ROUNDS_TEXT, "", 8, 8, 160, 8},
        {CtlKind::Static, IDC_SS_PROMPT, "", 8, 22, 160, 8},
        {CtlKind::Static, IDC_SS_ROUNDS_LABEL, "Rounds to play before resetting scores.", 8, 38, 150, 8},
        {CtlKind::Edit, IDC_SS_ROUNDS_PER_SPLIT, nullptr, 162, 36, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_SS_ENABLED, "Split Season Enabled.", 8, 54, 120, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_SS_SPLITS_LABEL, "Number of Splits", 8, 70, 80, 8},
        {CtlKind::Edit, IDC_SS_SPLITS, nullptr, 162, 68, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::CheckBox, IDC_SS_RESET_HI, "Reset Hi Stats Each Split", 8, 86, 140, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_SS_COMPLETE_RESET, "Complete Reset Each Split", 8, 100, 140, 10, WS_TABSTOP},
        {CtlKind::Static, IDC_SS_SUMMARY1, "", 8, 116, 160, 8},
        {CtlKind::Static, IDC_SS_SUMMARY2, "", 8, 126, 160, 8},
        {CtlKind::CheckBox, IDC_SS_USE_CUSTOM, "Use Custom Splits", 8, 144, 100, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDC_SS_DEFINE_CUSTOM, "Define Custom Splits", 120, 142, 90, 14, WS_TABSTOP},
        {CtlKind::Static, IDC_SS_CUSTOM_SUMMARY, "", 8, 160, 160, 8},
        {CtlKind::PushButton, IDOK, "OK", 150, 184, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 204, 184, 48, 14, WS_TABSTOP},
    }};
}

DlgTemplate CustomSplitsTemplate()
{
    static const char* const names[12] = {"Split #1", "Split #2", "Split #3", "Split #4", "Split #5", "Split #6",
                                          "Split #7", "Split #8", "Split #9", "Split #10", "Split #11", "Split #12"};
    DlgTemplate t{IDD_CUSTOM_SPLITS, "Custom Splits", 230, 216, {
        {CtlKind::Static, IDC_STATIC, "Start Round", 56, 6, 50, 8},
        {CtlKind::Static, IDC_STATIC, "Duration", 110, 6, 50, 8},
    }};
    for (int k = 0; k < 12; ++k) {
        const short y = static_cast<short>(18 + 14 * k);
        t.controls.push_back({CtlKind::Static, IDC_STATIC, names[k], 8, static_cast<short>(y + 2), 44, 8});
        t.controls.push_back({CtlKind::Edit, IDC_CS_START + k, nullptr, 56, y, 30, 12, EDIT | ES_NUMBER});
        t.controls.push_back({CtlKind::Static, IDC_CS_DURATION + k, "", 110, static_cast<short>(y + 2), 50, 8});
        t.controls.push_back({CtlKind::PushButton, IDC_CS_DELETE + k, "Delete", 170, y, 40, 12, WS_TABSTOP});
    }
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 116, 196, 48, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 170, 196, 48, 14, WS_TABSTOP});
    return t;
}
// ==== end of next season, schedule editing, split seasons ====
// ==== player database dialogs and print options ====
DlgTemplate PlayerDatabaseTemplate()
{
    return {IDD_PLAYER_DATABASE, "Player Database", 230, 170, {
        {CtlKind::Static, IDC_STATIC, "Surname", 7, 9, 34, 8},
        {CtlKind::Edit, IDC_DB_SURNAME, nullptr, 44, 7, 120, 12, EDIT},
        {CtlKind::ListBox, IDC_DB_LIST, nullptr, 7, 24, 157, 139, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 173, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 173, 24, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate CheckPlayerDbTemplate()
{
    return {IDD_CHECK_PLAYER_DB, "Check Player Database", 250, 180, {
        {CtlKind::Static, IDC_STATIC, "Surname", 7, 9, 34, 8},
        {CtlKind::Edit, IDC_DB_SURNAME, nullptr, 44, 7, 130, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Start typing Surname", 44, 21, 130, 8},
        {CtlKind::ListBox, IDC_DB_LIST, nullptr, 7, 32, 167, 141, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 182, 7, 61, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 182, 24, 61, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_DB_ADD_NEW, "Add new Player", 182, 48, 61, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_DB_DISPLAY, "Display Player", 182, 65, 61, 14, WS_TABSTOP},
    }};
}

DlgTemplate SimilarNamesTemplate()
{
    return {IDD_SIMILAR_NAMES, "Similar Names", 260, 190, {
        {CtlKind::Static, IDC_STATIC,
         "The following players with similar names exist in the Player Database. Please decide whether to add "
         "a new player, or select an existing player.", 7, 7, 246, 26},
        {CtlKind::Static, IDC_SN_ACTION, "Adding", 7, 40, 30, 8},
        {CtlKind::Edit, IDC_SN_NAME, nullptr, 40, 38, 150, 12, EDIT | ES_READONLY},
        {CtlKind::ListBox, IDC_SN_LIST, nullptr, 7, 56, 183, 106, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::CheckBox, IDC_SN_STOP, " Stop reporting 'similar' names", 7, 170, 150, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 198, 38, 55, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDC_SN_DISPLAY, "Display", 198, 56, 55, 14, WS_TABSTOP},
    }};
}

DlgTemplate DatabaseDetailsTemplate()
{
    struct Row { const char* label; UINT id; };
    const Row rows[] = {
        {"First Name", IDC_DD_FIRST_NAME}, {"Surname", IDC_DD_SURNAME},
        {"Address", IDC_DD_ADDRESS[0]}, {"", IDC_DD_ADDRESS[1]}, {"", IDC_DD_ADDRESS[2]}, {"", IDC_DD_ADDRESS[3]},
        {"Postcode", IDC_DD_POSTCODE}, {"User 1", IDC_DD_USER1}, {"User 2", IDC_DD_USER2},
        {"Phone", IDC_DD_PHONE}, {"Assn. No.", IDC_DD_MEMBER_NO}, {"Unique Ref.", IDC_DD_UNIQUE_REF},
    };
    DlgTemplate t{IDD_DATABASE_DETAILS, "Database Details", 240, 210, {}};
    short y = 7;
    for (const Row& r : rows) {
        t.controls.push_back({CtlKind::Static, IDC_STATIC, r.label, 7, static_cast<short>(y + 2), 44, 8});
        t.controls.push_back({CtlKind::Edit, r.id, nullptr, 54, y, 120, 12, EDIT | ES_READONLY});
        y = static_cast<short>(y + 16);
    }
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 183, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    return t;
}

DlgTemplate FixturePrintColumnsTemplate()
{
    return {IDD_FIXTURE_PRINT_COLUMNS, "Fixture Print Columns", 170, 48, {
        {CtlKind::Static, IDC_STATIC, "Fixture Columns", 7, 9, 60, 8},
        {CtlKind::Edit, IDC_FPC_COLUMNS, nullptr, 70, 7, 24, 12, EDIT | ES_NUMBER},
        {CtlKind::PushButton, IDOK, "OK", 113, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 113, 24, 50, 14, WS_TABSTOP},
    }};
}
// ==== end of player database dialogs and print options ====
// ==== awards ====
DlgTemplate AwardCategoriesTemplate(UINT nIDD, const char* pszCaption)
{
    return {nIDD, pszCaption, 230, 140, {
        {CtlKind::ListBox, IDC_AW_LIST, nullptr, 7, 7, 160, 126, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_AW_EDIT, "Edit", 173, 7, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AW_ADD, "Add", 173, 25, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_AW_DELETE, "Delete", 173, 43, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 173, 119, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
}

DlgTemplate EditAutoAwardTemplate()
{
    return {IDD_EDIT_AUTO_AWARD, "Edit Automatic Award", 250, 150, {
        {CtlKind::GroupBox, IDC_STATIC, "Award Type", 7, 4, 110, 66},
        {CtlKind::RadioButton, IDC_EA_KIND[0], "Absolute Range", 13, 16, 100, 10, WS_GROUP | WS_TABSTOP},
        {CtlKind::RadioButton, IDC_EA_KIND[1], "Over Average", 13, 29, 100, 10},
        {CtlKind::RadioButton, IDC_EA_KIND[2], "Pct Over Average", 13, 42, 100, 10},
        {CtlKind::RadioButton, IDC_EA_KIND[3], "Over by Average", 13, 55, 100, 10},
        {CtlKind::RadioButton, IDC_EA_SERIES, "Series", 130, 16, 50, 10, WS_GROUP | WS_TABSTOP},
        {CtlKind::RadioButton, IDC_EA_GAME, "Game", 130, 29, 50, 10},
        {CtlKind::Static, IDC_EA_LOW_LABEL, "Low Value", 7, 80, 60, 8},
        {CtlKind::Edit, IDC_EA_LOW, nullptr, 70, 78, 40, 12, EDIT | WS_GROUP},
        {CtlKind::Static, IDC_EA_HIGH_LABEL, "High Value", 120, 80, 60, 8},
        {CtlKind::Edit, IDC_EA_HIGH, nullptr, 183, 78, 40, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Max Average", 7, 98, 60, 8},
        {CtlKind::Edit, IDC_EA_MAX_AVERAGE, nullptr, 70, 96, 40, 12, EDIT},
        {CtlKind::Static, IDC_EA_DESCRIPTION, "", 7, 116, 236, 8},
        {CtlKind::PushButton, IDOK, "OK", 136, 130, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 193, 130, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate ManualAwardDescTemplate()
{
    return {IDD_MANUAL_AWARD_DESC, "Edit Manual Award description", 220, 50, {
        {CtlKind::Edit, IDC_MD_NAME, nullptr, 7, 7, 206, 12, EDIT},
        {CtlKind::PushButton, IDOK, "OK", 106, 29, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 163, 29, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate EditAwardsDataTemplate()
{
    return {IDD_EDIT_AWARDS_DATA, "Edit Awards Data", 330, 160, {
        {CtlKind::ListBox, IDC_ED_LIST, nullptr, 7, 7, 260, 146, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_ED_EDIT, "Edit", 273, 7, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_ED_DELETE, "Delete", 273, 25, 50, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 273, 139, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};
}

DlgTemplate EditManualAwardDataTemplate()
{
    return {IDD_EDIT_MANUAL_AWARD_DATA, "Edit Manual Award Data", 220, 100, {
        {CtlKind::Static, IDC_EM_NAME, "", 7, 7, 120, 8},
        {CtlKind::Static, IDC_EM_DATE, "", 130, 7, 83, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Award", 7, 24, 40, 8},
        {CtlKind::ComboBox, IDC_EM_CATEGORY, nullptr, 50, 22, 163, 100, DROPLIST},
        {CtlKind::Static, IDC_STATIC, "Game No.", 7, 42, 40, 8},
        {CtlKind::Edit, IDC_EM_GAME, nullptr, 50, 40, 20, 12, EDIT},
        {CtlKind::PushButton, IDOK, "OK", 106, 79, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 163, 79, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate MultiplePrizeRulesTemplate()
{
    return {IDD_MULTIPLE_PRIZE_RULES, "Multiple Prize Rules", 300, 170, {
        {CtlKind::GroupBox, IDC_STATIC, "High Team Rules", 7, 4, 140, 70},
        {CtlKind::ComboBox, IDC_MP_TEAM_RULE, nullptr, 13, 16, 128, 80, DROPLIST},
        {CtlKind::ComboBox, IDC_MP_TEAM_PRIORITY1, nullptr, 13, 34, 128, 60, DROPLIST},
        {CtlKind::ComboBox, IDC_MP_TEAM_PRIORITY2, nullptr, 13, 52, 128, 60, DROPLIST},
        {CtlKind::GroupBox, IDC_STATIC, "High Player Rules", 153, 4, 140, 70},
        {CtlKind::ComboBox, IDC_MP_PLAYER_RULE, nullptr, 159, 16, 128, 80, DROPLIST},
        {CtlKind::ComboBox, IDC_MP_PLAYER_PRIORITY1, nullptr, 159, 34, 128, 60, DROPLIST},
        {CtlKind::ComboBox, IDC_MP_PLAYER_PRIORITY2, nullptr, 159, 52, 128, 60, DROPLIST},
        {CtlKind::CheckBox, IDC_MP_DISABLED, "Rules Disabled", 7, 84, 100, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_MP_SAME_GAME, "Same game ineligible for scratch amd handicap award", 7, 100, 240, 10,
         WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 186, 149, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 243, 149, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate MostImprovedRuleTemplate()
{
    return {IDD_MOST_IMPROVED_RULE, "Most Improved Start Point Rule", 230, 110, {
        {CtlKind::Static, IDC_STATIC, "Number of Games", 7, 9, 70, 8},
        {CtlKind::Edit, IDC_MI_GAMES, nullptr, 80, 7, 30, 12, EDIT},
        {CtlKind::CheckBox, IDC_MI_ENTERING, " Use Entering Average", 7, 28, 200, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_MI_AFTER_GAMES, " Use Average after Specified Games.", 7, 42, 200, 10, WS_TABSTOP},
        {CtlKind::CheckBox, IDC_MI_BOTH, " Use Both - Entering Average has Priority", 7, 56, 200, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 116, 89, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 173, 89, 50, 14, WS_TABSTOP},
    }};
}
// ==== end of awards ====
// ==== juniors ====
DlgTemplate JuniorCategoriesTemplate()
{
    return {IDD_JUNIOR_CATEGORIES, "Junior Categories", 260, 196, {
        {CtlKind::Static, IDC_STATIC,
         "Junior categories are based on age at the Qualifying Date and will apply for the duration of the league.",
         7, 6, 246, 18},
        {CtlKind::GroupBox, IDC_STATIC, " Lower  Upper    Name ", 7, 28, 180, 118},
        {CtlKind::ListBox, IDC_JC_LIST, nullptr, 13, 40, 168, 100, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDC_JC_ADD, "Add", 196, 34, 56, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_JC_AMEND, "Amend", 196, 52, 56, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDC_JC_DELETE, "Delete", 196, 70, 56, 14, WS_TABSTOP},
        {CtlKind::GroupBox, IDC_STATIC, " Qualifying Date ", 7, 150, 180, 38},
        {CtlKind::Static, IDC_JC_DATE, "", 13, 166, 100, 8},
        {CtlKind::PushButton, IDC_JC_EDIT_DATE, "Edit", 125, 163, 56, 14, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 196, 156, 56, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 196, 174, 56, 14, WS_TABSTOP},
    }};
}

DlgTemplate JuniorCategoryEditTemplate()
{
    return {IDD_JUNIOR_CATEGORY_EDIT, "Junior Category Edit", 220, 80, {
        {CtlKind::Static, IDC_STATIC, "Name", 7, 9, 40, 8},
        {CtlKind::Edit, IDC_JCE_NAME, nullptr, 52, 7, 100, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Lower Age", 7, 27, 40, 8},
        {CtlKind::Edit, IDC_JCE_LOWER, nullptr, 52, 25, 30, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Upper Age", 7, 45, 40, 8},
        {CtlKind::Edit, IDC_JCE_UPPER, nullptr, 52, 43, 30, 12, EDIT},
        {CtlKind::PushButton, IDOK, "OK", 163, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 163, 25, 50, 14, WS_TABSTOP},
    }};
}
// ==== end of juniors ====

} // namespace


const std::vector<DlgTemplate>& AdminDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
        // ==== new league, fixture list, dates, lanes and league size ====
        NewLeagueTemplate(),
        SetFixtureListTemplate(),
        SelectTeamTemplate(),
        ChangeDateTemplate(),
        FreeDateReasonTemplate(),
        FixtureDatesTemplate(),
        StartTimeTemplate(),
        AddPositionWeekTemplate(),
        DatePlayedChangeTemplate(),
        DatesPlayedChangeTemplate(),
        LaneScheduleTemplate(),
        CustomLanesTemplate(),
        SquadTimesTemplate(),
        RoundsToPrintTemplate(),
        NewScheduleRuleTemplate(),
        LeagueSizeTemplate(IDD_EXPAND_LEAGUE, "Expand The League", false),
        LeagueSizeTemplate(IDD_CONTRACT_LEAGUE, "Contract the league", true),
        // ==== end ====
        // ==== edit league details ====
        EditLeagueTemplate(),
        // ==== end of edit league details ====
        // ==== team details, team order, divisions, membership types ====
        EditTeamTemplate(),
        ReorderPlayersTemplate(),
        DivisionsTemplate(),
        MembershipTypesTemplate(),
        // ==== end of team details ====
        // ==== player details ====
        PlayerDetailsTemplate(false),
        PlayerDetailsTemplate(true),
        SelectPlayerTemplate(),
        PlayerCategoriesTemplate(),
        SetEnteringAverageTemplate(),
        // ==== end of player details ====
        // ==== venues ====
        VenueDetailsTemplate(),
        SelectVenueTemplate(),
        AssignVenuesTemplate(),
        // ==== end of venues ====
        // ==== accounts and arrears ====
        AccountsControlTemplate(),
        AccountItemTemplate(),
        AccountPostingTemplate(),
        SelectAccountItemTemplate(),
        PaymentItemTemplate(),
        SelectPaymentItemTemplate(),
        ArrearsTemplate(IDD_PLAYER_ARREARS, "Player Arrears"),
        ArrearsTemplate(IDD_TEAM_ARREARS, "Team Arrears"),
        // ==== end of accounts and arrears ====
        // ==== next season, schedule editing, split seasons ====
        NewLeagueSetupTemplate(),
        NewLeagueTeamsTemplate(),
        EditScheduleTemplate(),
        SplitSeasonTemplate(),
        CustomSplitsTemplate(),
        // ==== end of next season, schedule editing, split seasons ====
        // ==== player database dialogs and print options ====
        PlayerDatabaseTemplate(),
        CheckPlayerDbTemplate(),
        SimilarNamesTemplate(),
        DatabaseDetailsTemplate(),
        FixturePrintColumnsTemplate(),
        // ==== end of player database dialogs and print options ====
        // ==== awards ====
        AwardCategoriesTemplate(IDD_MANUAL_AWARDS, "Manual Awards"),
        AwardCategoriesTemplate(IDD_AUTOMATIC_AWARDS, "Automatic Awards"),
        EditAutoAwardTemplate(),
        ManualAwardDescTemplate(),
        EditAwardsDataTemplate(),
        EditManualAwardDataTemplate(),
        MultiplePrizeRulesTemplate(),
        MostImprovedRuleTemplate(),
        // ==== end of awards ====
        // ==== juniors ====
        JuniorCategoriesTemplate(),
        JuniorCategoryEditTemplate(),
        // ==== end of juniors ====
    };
    return templates;
}
