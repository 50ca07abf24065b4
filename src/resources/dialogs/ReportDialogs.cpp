#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

// ==== high-score items ====
DlgTemplate HiStatsDialogTemplate(UINT nIDD)
{
    const bool bTeam = nIDD == IDD_TEAM_STATS;
    const bool bWeek = nIDD == IDD_WEEKLY_HI_STATS;
    DlgTemplate t{nIDD, bTeam ? "Team Stats" : bWeek ? "Weekly Hi Stats" : "Individual Hi Stats", 340, 0, {}};
    static const char* const kColumn[4] = {"Column 1", "Column 2", "Column 3", "Column 4 "};
    const short nRows = static_cast<short>(bTeam ? 3 : bWeek ? 6 : 5);
    const short nBoxHeight = static_cast<short>(14 + nRows * 16);
    for (int c = 0; c < 4; ++c) {
        const short x = static_cast<short>(7 + c * 82);
        short y = 7;
        t.controls.push_back({CtlKind::GroupBox, IDC_STATIC, kColumn[c], x, y, 78, nBoxHeight});
        y += 12;
        if (!bTeam) {
            t.controls.push_back({CtlKind::ComboBox, IDC_HS_GROUP[c], nullptr, static_cast<short>(x + 4), y, 70, 60,
                                  CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP});
            y += 16;
        }
        t.controls.push_back({CtlKind::ComboBox, IDC_HS_STATISTIC[c], nullptr, static_cast<short>(x + 4), y, 70, 90,
                              CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP});
        y += 16;
        t.controls.push_back({CtlKind::ComboBox, IDC_HS_BASIS[c], nullptr, static_cast<short>(x + 4), y, 70, 60,
                              CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP});
        y += 16;
        if (!bTeam) {
            t.controls.push_back({CtlKind::ComboBox, IDC_HS_CLASS[c], nullptr, static_cast<short>(x + 4), y, 70, 60,
                                  CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP});
            y += 16;
        }
        if (bWeek) {
            t.controls.push_back({CtlKind::CheckBox, IDC_HS_TEAMS[c], "Teams", static_cast<short>(x + 4), y, 60, 10,
                                  WS_TABSTOP});
            y += 16;
        }
        t.controls.push_back({CtlKind::CheckBox, IDC_HS_UNUSED[c], c == 0 && bTeam ? "Unused  " : "Unused",
                              static_cast<short>(x + 4), y, 60, 10, WS_TABSTOP});
    }
    short y = static_cast<short>(nBoxHeight + 14);
    t.controls.push_back({CtlKind::Static, IDC_STATIC, bWeek ? "Number" : "Display", 7, static_cast<short>(y + 2), 30, 8});
    t.controls.push_back({CtlKind::Edit, IDC_HS_ENTRIES, nullptr, 40, y, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP});
    y += 18;
    t.controls.push_back({CtlKind::PushButton, IDC_HS_HEADING_FONT, "Hddr Font", 7, y, 56, 14, WS_TABSTOP});
    t.controls.push_back({CtlKind::Static, bWeek ? IDC_HS_WEEK_HEADING_DESC : IDC_HS_HEADING_DESC, "", 68,
                          static_cast<short>(y + 3), 265, 8});
    y += 18;
    t.controls.push_back({CtlKind::PushButton, IDC_HS_DETAIL_FONT, "Detail Font", 7, y, 56, 14, WS_TABSTOP});
    t.controls.push_back({CtlKind::Static, IDC_HS_DETAIL_DESC, "", 68, static_cast<short>(y + 3), 265, 8});
    y += 20;
    t.controls.push_back({CtlKind::CheckBox, IDC_HS_APPLY_FONTS,
                          bTeam ? " Apply fonts to all high team stats items on exit."
                          : bWeek ? " Apply fonts to all weekly high stats items on exit."
                                  : " Apply fonts to all individual hi stats items on exit.",
                          7, y, 240, 10, WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 283, static_cast<short>(y - 2), 50, 14,
                          BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.cy = static_cast<short>(y + 20);
    return t;
}
// ==== end of high-score items ====

// ==== best games and round analysis ====
DlgTemplate RoundStatisticsTemplate()
{
    DlgTemplate t{IDD_ROUND_STATISTICS, "Round Statistics", 420, 0, {}};
    const DWORD list = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    auto add = [&t](CtlKind kind, UINT id, const char* text, int x, int y, int cx, int cy, DWORD style = 0) {
        t.controls.push_back({kind, id, text, static_cast<short>(x), static_cast<short>(y), static_cast<short>(cx),
                              static_cast<short>(cy), style});
    };
    add(CtlKind::CheckBox, IDC_RA_CURRENT_ROUND, "Current Round Only", 7, 8, 90, 10, BS_LEFTTEXT | WS_TABSTOP);
    add(CtlKind::CheckBox, IDC_RA_ALL_ROUNDS, "All Rounds to Current  ", 7, 22, 90, 10, BS_LEFTTEXT | WS_TABSTOP);
    add(CtlKind::Static, IDC_STATIC, "From", 110, 9, 20, 8);
    add(CtlKind::Edit, IDC_RA_FIRST_ROUND, nullptr, 132, 7, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP);
    add(CtlKind::Static, IDC_STATIC, "To", 170, 9, 12, 8);
    add(CtlKind::Edit, IDC_RA_LAST_ROUND, nullptr, 184, 7, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP);
    add(CtlKind::ComboBox, IDC_RA_LEAGUE_KIND, nullptr, 230, 7, 90, 40, list);
    // Kept hidden: the item is drawn in one column whatever its style.
    add(CtlKind::ComboBox, IDC_RA_STYLE, nullptr, 254, 22, 66, 40, list);
    int y = 42;
    for (int r = 0; r < 10; ++r, y += 16) {
        add(CtlKind::CheckBox, IDC_RA_ENABLED[r], "", 7, y + 1, 12, 10, WS_TABSTOP);
        add(CtlKind::ComboBox, IDC_RA_STATISTIC[r], nullptr, 22, y, 60, 90, list);
        add(CtlKind::ComboBox, IDC_RA_GROUP[r], nullptr, 86, y, 50, 60, list);
        add(CtlKind::ComboBox, IDC_RA_CLASS[r], nullptr, 140, y, 66, 60, list);
        add(CtlKind::ComboBox, IDC_RA_BASIS[r], nullptr, 210, y, 50, 40, list);
        add(CtlKind::ComboBox, IDC_RA_MEASURE[r], nullptr, 264, y, 56, 50, list);
        add(CtlKind::Edit, IDC_RA_FROM[r], nullptr, 326, y, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP);
        add(CtlKind::Edit, IDC_RA_TO[r], nullptr, 368, y, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP);
    }
    y += 6;
    add(CtlKind::PushButton, IDC_RA_HEADER_FONT, "Hddr Font", 7, y, 50, 14, WS_TABSTOP);
    add(CtlKind::Static, IDC_RA_HEADER_DESC, "", 62, y + 3, 250, 8);
    y += 18;
    add(CtlKind::PushButton, IDC_RA_DETAIL_FONT, "Detail Font", 7, y, 50, 14, WS_TABSTOP);
    add(CtlKind::Static, IDC_RA_DETAIL_DESC, "", 62, y + 3, 250, 8);
    y += 20;
    add(CtlKind::CheckBox, IDC_RA_GENERAL, "Include General Stats.", 7, y, 100, 10, WS_TABSTOP);
    add(CtlKind::Static, IDC_STATIC, "Gap After General Stats.\n(1/100 Inch) ", 120, y, 90, 18);
    add(CtlKind::Edit, IDC_RA_GAP, nullptr, 214, y, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP);
    add(CtlKind::PushButton, IDOK, "OK", 306, y, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
    add(CtlKind::PushButton, IDCANCEL, "Cancel", 363, y, 50, 14, WS_TABSTOP);
    t.cy = static_cast<short>(y + 24);
    return t;
}
// ==== end of best games and round analysis ====

// ==== custom table designers ====
namespace {
void Add(DlgTemplate& t, CtlKind kind, UINT id, const char* text, int x, int y, int cx, int cy, DWORD style = 0)
{
    t.controls.push_back({kind, id, text, static_cast<short>(x), static_cast<short>(y), static_cast<short>(cx),
                          static_cast<short>(cy), style});
}

// The current column's box at (x, y), 190 wide.
void AddCurrentColumn(DlgTemplate& t, int x, int y, const char* pszWidth)
{
    const DWORD list = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    Add(t, CtlKind::GroupBox, IDC_STATIC, "Current Item ", x, y, 190, 84);
    Add(t, CtlKind::ComboBox, IDC_CD_TYPE, nullptr, x + 6, y + 12, 178, 120, list);
    Add(t, CtlKind::Static, IDC_STATIC, "Justification", x + 6, y + 32, 56, 8);
    Add(t, CtlKind::ComboBox, IDC_CD_JUSTIFY, nullptr, x + 66, y + 30, 70, 60, list);
    Add(t, CtlKind::Static, IDC_STATIC, pszWidth, x + 6, y + 48, 56, 8);
    Add(t, CtlKind::Edit, IDC_CD_WIDTH, nullptr, x + 66, y + 46, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP);
    Add(t, CtlKind::Static, IDC_STATIC, "Column Title", x + 6, y + 64, 56, 8);
    Add(t, CtlKind::Edit, IDC_CD_TITLE, nullptr, x + 66, y + 62, 118, 12, ES_AUTOHSCROLL | WS_TABSTOP);
}

// The room left, the fonts, the column list with its buttons, at (x, y), 190 wide.
void AddSpaceFontsAndColumns(DlgTemplate& t, int x, int y, int yList, const char* const* ppszButtons)
{
    Add(t, CtlKind::GroupBox, IDC_STATIC, "Available Space ", x, y, 90, 52);
    Add(t, CtlKind::Static, IDC_STATIC, "Used", x + 6, y + 12, 26, 8);
    Add(t, CtlKind::Static, IDC_CD_USED, "", x + 36, y + 12, 48, 8, SS_RIGHT);
    Add(t, CtlKind::Static, IDC_STATIC, "Free", x + 6, y + 24, 26, 8);
    Add(t, CtlKind::Static, IDC_CD_FREE, "", x + 36, y + 24, 48, 8, SS_RIGHT);
    Add(t, CtlKind::Static, IDC_CD_TOO_LONG, "TOO LONG", x + 6, y + 38, 60, 8, WS_HIDDEN);
    Add(t, CtlKind::GroupBox, IDC_STATIC, "Fonts ", x, y + 57, 190, 50);
    Add(t, CtlKind::PushButton, IDC_CD_TITLE_FONT, "TitleFont", x + 6, y + 69, 50, 14, WS_TABSTOP);
    Add(t, CtlKind::Static, IDC_CD_TITLE_FONT_DESC, "", x + 60, y + 72, 126, 8);
    Add(t, CtlKind::PushButton, IDC_CD_DETAIL_FONT, "Detail Font", x + 6, y + 87, 50, 14, WS_TABSTOP);
    Add(t, CtlKind::Static, IDC_CD_DETAIL_FONT_DESC, "", x + 60, y + 90, 126, 8);
    Add(t, CtlKind::ListBox, IDC_CD_COLUMNS, nullptr, x, yList, 130, 96,
        LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP);
    const UINT ids[4] = {IDC_CD_ADD, IDC_CD_LEFT, IDC_CD_RIGHT, IDC_CD_DELETE};
    for (int i = 0; i < 4; ++i)
        Add(t, CtlKind::PushButton, ids[i], ppszButtons[i], x + 136, yList + i * 18, 54, 14, WS_TABSTOP);
}
} // namespace

DlgTemplate CustomDesignerTemplate(UINT nIDD)
{
    const DWORD list = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    if (nIDD == IDD_CUSTOM_STANDINGS_DESIGNER) {
        DlgTemplate t{nIDD, "Custom Standings Report Designer.", 402, 250, {}};
        Add(t, CtlKind::GroupBox, IDC_STATIC, "High Position Colors ", 7, 7, 190, 64);
        static const char* const kPlaces[3] = {"1st Position", "2nd Position", "3rd Position"};
        for (int i = 0; i < 3; ++i) {
            Add(t, CtlKind::PushButton, IDC_CSD_COLOUR[i], kPlaces[i], 13, 19 + i * 17, 56, 14, WS_TABSTOP);
            Add(t, CtlKind::Static, IDC_CSD_COLOUR_NAME[i], "", 75, 22 + i * 17, 110, 8);
        }
        Add(t, CtlKind::ComboBox, IDC_CD_KIND, nullptr, 7, 78, 110, 80, list);
        Add(t, CtlKind::CheckBox, IDC_CSD_ADD_HCP, "Hcp", 7, 96, 40, 10, WS_TABSTOP);
        Add(t, CtlKind::CheckBox, IDC_CSD_ADD_SCR, "Scr", 50, 96, 40, 10, WS_TABSTOP);
        Add(t, CtlKind::CheckBox, IDC_CSD_ADD_PYRAMID_HCP, "Pyramid (hcp)", 7, 109, 70, 10, WS_TABSTOP);
        Add(t, CtlKind::CheckBox, IDC_CSD_ADD_PYRAMID_SCR, "Pyramid (scr)", 80, 109, 70, 10, WS_TABSTOP);
        AddCurrentColumn(t, 7, 126, "Width");
        Add(t, CtlKind::PushButton, IDC_CD_CENTRE, "Center the Design", 7, 216, 80, 14, WS_TABSTOP);
        static const char* const kButtons[4] = {"Add", "<<", ">>", "Delete"};
        AddSpaceFontsAndColumns(t, 205, 7, 122, kButtons);
        Add(t, CtlKind::PushButton, IDOK, "OK", 287, 229, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
        Add(t, CtlKind::PushButton, IDCANCEL, "Cancel", 345, 229, 50, 14, WS_TABSTOP);
        return t;
    }
    DlgTemplate t{nIDD, "Design Custom Player Stats", 402, 300, {}};
    Add(t, CtlKind::ComboBox, IDC_CPD_LAYOUT, nullptr, 7, 7, 110, 60, list);
    Add(t, CtlKind::ComboBox, IDC_CD_KIND, nullptr, 125, 7, 72, 60, list);
    Add(t, CtlKind::GroupBox, IDC_STATIC, "List by Team", 7, 25, 190, 82);
    Add(t, CtlKind::CheckBox, IDC_CPD_BY_TEAM, "Enable", 13, 37, 60, 10, WS_TABSTOP);
    Add(t, CtlKind::CheckBox, IDC_CPD_SUBS_ONLY, "Subs only", 80, 37, 60, 10, WS_TABSTOP);
    Add(t, CtlKind::CheckBox, IDC_CPD_TEAM_AVERAGES, "Team Averages?", 13, 51, 80, 10, WS_TABSTOP);
    Add(t, CtlKind::ComboBox, IDC_CPD_TOTAL_STYLE, nullptr, 13, 65, 178, 60, list);
    Add(t, CtlKind::Static, IDC_STATIC, "Gap between Teams (1/100\")", 13, 88, 100, 8);
    Add(t, CtlKind::Edit, IDC_CPD_GAP, nullptr, 120, 86, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP);
    Add(t, CtlKind::GroupBox, IDC_STATIC, "Select Bowlers", 7, 112, 190, 46);
    static const char* const kGroups[3] = {"Male", "Female", "Junior"};
    const UINT groupIds[3] = {IDC_CPD_MALE, IDC_CPD_FEMALE, IDC_CPD_JUNIOR};
    for (int i = 0; i < 3; ++i) {
        Add(t, CtlKind::Static, IDC_STATIC, kGroups[i], 13 + i * 60, 124, 26, 8);
        Add(t, CtlKind::CheckBox, groupIds[i], "", 41 + i * 60, 123, 12, 10, WS_TABSTOP);
    }
    Add(t, CtlKind::Static, IDC_STATIC, "Rank By", 13, 141, 36, 8);
    Add(t, CtlKind::ComboBox, IDC_CPD_RANK, nullptr, 52, 139, 110, 120, list);
    AddCurrentColumn(t, 7, 164, "Width (%)");
    Add(t, CtlKind::PushButton, IDC_CD_CENTRE, "Center the Design", 7, 254, 80, 14, WS_TABSTOP);
    static const char* const kButtons[4] = {"Add", "Move Left", "Move Right", "Delete"};
    AddSpaceFontsAndColumns(t, 205, 7, 164, kButtons);
    Add(t, CtlKind::CheckBox, IDC_CPD_APPLY_TO_ALL, "Apply to all other Custom Player Stats Items.", 205, 118, 190, 10,
        WS_TABSTOP);
    Add(t, CtlKind::PushButton, IDC_CPD_MAKE_DEFAULT, "Make Default", 205, 132, 60, 14, WS_TABSTOP);
    Add(t, CtlKind::Static, IDC_STATIC, "Currnt Report (LEFT)", 205, 153, 90, 8);
    Add(t, CtlKind::Static, IDC_STATIC, "Currnt Report (RIGHT)", 300, 153, 95, 8);
    Add(t, CtlKind::PushButton, IDOK, "OK", 287, 279, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
    Add(t, CtlKind::PushButton, IDCANCEL, "Cancel", 345, 279, 50, 14, WS_TABSTOP);
    return t;
}
// ==== end of custom table designers ====
// ==== awards item ====
DlgTemplate AwardsReportItemsTemplate()
{
    constexpr DWORD DROP = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    constexpr DWORD EDIT = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    DlgTemplate t{IDD_AWARDS_REPORT_ITEMS, "Awards Report Items.", 360, 292, {}};
    auto& c = t.controls;
    c.push_back({CtlKind::RadioButton, IDC_AR_HI_STYLE, "Hi Award style listing", 7, 7, 120, 10, WS_GROUP | WS_TABSTOP});
    c.push_back({CtlKind::RadioButton, IDC_AR_INDIVIDUAL, "Individual Award Report", 180, 7, 120, 10});
    c.push_back({CtlKind::Static, IDC_STATIC, "Number to list", 7, 24, 60, 8});
    c.push_back({CtlKind::Edit, IDC_AR_TO_LIST, nullptr, 70, 22, 24, 12, EDIT});
    static const char* const cols[4] = {"Col. 1", "Col. 2", "Col. 3", "Col. 4"};
    for (int i = 0; i < 4; ++i) {
        const short y = static_cast<short>(40 + 18 * i);
        c.push_back({CtlKind::Static, IDC_STATIC, cols[i], 7, static_cast<short>(y + 2), 28, 8});
        c.push_back({CtlKind::ComboBox, IDC_AR_COL_AWARD[i], nullptr, 38, y, 150, 100, DROP});
        c.push_back({CtlKind::ComboBox, IDC_AR_COL_FILTER[i], nullptr, 192, y, 60, 60, DROP});
        c.push_back({CtlKind::CheckBox, IDC_AR_COL_NOT_USED[i], "Not Used", 258, static_cast<short>(y + 1), 60, 10,
                     WS_TABSTOP});
    }
    c.push_back({CtlKind::GroupBox, IDC_STATIC, "Individual Award Report", 7, 114, 346, 104});
    c.push_back({CtlKind::ComboBox, IDC_AR_IND_AWARD, nullptr, 14, 126, 150, 100, DROP});
    c.push_back({CtlKind::ComboBox, IDC_AR_IND_FILTER, nullptr, 170, 126, 60, 60, DROP});
    c.push_back({CtlKind::CheckBox, IDC_AR_ALL_AWARDS, "All Awards", 240, 127, 80, 10, WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_AR_ALL_ROUNDS, "All Rounds", 14, 144, 70, 10, WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_AR_CURRENT_WEEK, "Current Week", 90, 144, 70, 10, WS_TABSTOP});
    c.push_back({CtlKind::Static, IDC_STATIC, "Round FROM", 170, 145, 44, 8});
    c.push_back({CtlKind::Edit, IDC_AR_ROUND_FROM, nullptr, 216, 143, 24, 12, EDIT});
    c.push_back({CtlKind::Static, IDC_STATIC, "Round TO", 250, 145, 36, 8});
    c.push_back({CtlKind::Edit, IDC_AR_ROUND_TO, nullptr, 288, 143, 24, 12, EDIT});
    c.push_back({CtlKind::CheckBox, IDC_AR_FIRST_ONLY, "Report 1st award only per player.", 14, 162, 160, 10, WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_AR_HIGHEST_ONLY, "Report Highest award only per player.", 14, 176, 170, 10,
                 WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_AR_EXCLUDE_RESIGNED, "Exclude resigned players", 14, 190, 120, 10, WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_AR_TITLE, "Title", 7, 224, 40, 10, WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDC_AR_HDR_FONT, "Hddr Font", 7, 238, 56, 14, WS_TABSTOP});
    c.push_back({CtlKind::Static, IDC_AR_HDR_DESC, "", 68, 241, 200, 8});
    c.push_back({CtlKind::PushButton, IDC_AR_DETAIL_FONT, "Detail Font", 7, 255, 56, 14, WS_TABSTOP});
    c.push_back({CtlKind::Static, IDC_AR_DETAIL_DESC, "", 68, 258, 200, 8});
    c.push_back({CtlKind::CheckBox, IDC_AR_APPLY_FONTS, " Apply fonts to all awards report items on exit.", 7, 274, 200,
                 10, WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDOK, "OK", 246, 272, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 303, 272, 50, 14, WS_TABSTOP});
    return t;
}
// ==== end of awards item ====

// ==== team report ====
DlgTemplate TeamStatsSetupTemplate()
{
    DlgTemplate t{IDD_TEAM_STATS_SETUP, "Team Stats Setup", 300, 170, {}};
    static const char* const kCaption[16] = {"Column 1",  "Column 2",  "Column 3",  "Column 4",
                                             "Column 5",  "Column 6",  "Column 7",  "Column 8",
                                             "Column 9",  "Column 10", "Column 11", "Column 12",
                                             "Column 13", "Column 14", "Column 15", "Column 16"};
    for (int i = 0; i < 16; ++i) {
        const short x = static_cast<short>(i < 8 ? 7 : 152);
        const short y = static_cast<short>(7 + (i % 8) * 16);
        t.controls.push_back({CtlKind::Static, IDC_STATIC, kCaption[i], x, static_cast<short>(y + 2), 40, 8});
        t.controls.push_back({CtlKind::Edit, IDC_TSS_VALUE[i], nullptr, static_cast<short>(x + 44), y, 36, 12,
                              ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP});
        t.controls.push_back({CtlKind::CheckBox, IDC_TSS_SPLIT[i], "", static_cast<short>(x + 86), static_cast<short>(y + 1),
                              10, 10, 0});
        t.controls.push_back({CtlKind::Static, IDC_TSS_KIND[i], "Series", static_cast<short>(x + 100),
                              static_cast<short>(y + 2), 36, 8});
    }
    t.controls.push_back({CtlKind::CheckBox, IDC_TSS_NO_ZEROS, "Don't print zero's", 7, 140, 90, 10, WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 184, 149, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 243, 149, 50, 14, WS_TABSTOP});
    return t;
}
// ==== end of team report ====

const std::vector<DlgTemplate>& ReportDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
        {IDD_SECRETARY_NOTE, "Secretary's Note.", 320, 236, {
            {CtlKind::Static, IDC_STATIC, "Title", 7, 9, 24, 8},
            {CtlKind::Edit, IDC_NOTE_TITLE, nullptr, 34, 7, 190, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_NOTE_TITLE_ALIGN, nullptr, 230, 7, 60, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDC_NOTE_HEADING_FONT, "Heading Font", 7, 25, 60, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_NOTE_HEADING_FONT_DESC, "", 72, 28, 241, 8},
            {CtlKind::PushButton, IDC_NOTE_BODY_FONT, "Detail Font", 7, 43, 60, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_NOTE_BODY_FONT_DESC, "", 72, 46, 241, 8},
            {CtlKind::Edit, IDC_NOTE_BODY, nullptr, 7, 62, 306, 128,
             ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_NOTE_CENTRE_BODY, "Center body text on page", 7, 196, 150, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 206, 215, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 263, 215, 50, 14, WS_TABSTOP},
        }},
        {IDD_EDIT_LINE, "Edit line details", 200, 96, {
            {CtlKind::Static, IDC_STATIC, "Space before (1/100 inch)", 7, 9, 100, 8},
            {CtlKind::Edit, IDC_LINE_SPACE_BEFORE, nullptr, 110, 7, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Width (% of page, 0 = none)", 7, 27, 100, 8},
            {CtlKind::Edit, IDC_LINE_WIDTH, nullptr, 110, 25, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Space after (1/100 inch)", 7, 45, 100, 8},
            {CtlKind::Edit, IDC_LINE_SPACE_AFTER, nullptr, 110, 43, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Thickness (1 to 4)", 7, 63, 100, 8},
            {CtlKind::Edit, IDC_LINE_THICKNESS, nullptr, 110, 61, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 146, 7, 47, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 146, 24, 47, 14, WS_TABSTOP},
        }},
        // ==== small layout items ====
        {IDD_OUTSTANDING_MATCHES, "Outstanding Matches.", 260, 150, {
            {CtlKind::GroupBox, IDC_STATIC, "Heading ", 7, 7, 246, 76},
            {CtlKind::Edit, IDC_OM_TITLE, nullptr, 14, 19, 170, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_OM_ALIGN, nullptr, 190, 19, 56, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDC_OM_HEADING_FONT, "Font", 14, 37, 40, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_OM_HEADING_DESC, "", 60, 40, 186, 8},
            {CtlKind::CheckBox, IDC_OM_PRINT_ALWAYS, "Print Heading, even if no outstanding matches.", 14, 59, 220, 10,
             WS_TABSTOP},
            {CtlKind::GroupBox, IDC_STATIC, "Detail Lines ", 7, 88, 246, 32},
            {CtlKind::PushButton, IDC_OM_DETAIL_FONT, "Font", 14, 100, 40, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_OM_DETAIL_DESC, "", 60, 103, 186, 8},
            {CtlKind::PushButton, IDOK, "OK", 146, 129, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 129, 50, 14, WS_TABSTOP},
        }},
        {IDD_DATE_SETUP, "Date Setup", 240, 130, {
            {CtlKind::Static, IDC_DATE_SAMPLE, "", 7, 7, 226, 8},
            {CtlKind::ComboBox, IDC_DATE_STYLE, nullptr, 7, 22, 100, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_DATE_ALIGN, nullptr, 120, 22, 60, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Space before (x .01\")", 7, 43, 90, 8},
            {CtlKind::Edit, IDC_DATE_SPACE_BEFORE, nullptr, 100, 41, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Space after (x .01\")", 7, 61, 90, 8},
            {CtlKind::Edit, IDC_DATE_SPACE_AFTER, nullptr, 100, 59, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDC_DATE_FONT, "Font", 7, 79, 40, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_DATE_FONT_DESC, "", 52, 82, 181, 8},
            {CtlKind::PushButton, IDOK, "OK", 126, 109, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 183, 109, 50, 14, WS_TABSTOP},
        }},
        {IDD_EDIT_SUBHEADING, "Edit Subheading", 260, 116, {
            {CtlKind::Static, IDC_STATIC, "Subheading", 7, 9, 44, 8},
            {CtlKind::Edit, IDC_SUBHEAD_TEXT, nullptr, 54, 7, 199, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDC_SUBHEAD_FONT, "Font", 7, 25, 40, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_SUBHEAD_FONT_DESC, "", 52, 28, 201, 8},
            {CtlKind::ComboBox, IDC_SUBHEAD_ALIGN, nullptr, 7, 45, 60, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Space before (0.01 inches)", 7, 65, 100, 8},
            {CtlKind::Edit, IDC_SUBHEAD_SPACE_BEFORE, nullptr, 110, 63, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Space after (0.01 inches)", 7, 81, 100, 8},
            {CtlKind::Edit, IDC_SUBHEAD_SPACE_AFTER, nullptr, 110, 79, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 146, 95, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 95, 50, 14, WS_TABSTOP},
        }},
        // ==== end of small layout items ====
        // ==== players' statistics list and team details ====
        {IDD_SELECT_PLAYERS_LISTED, "Select Players to be Listed", 186, 92, {
            {CtlKind::Static, IDC_STATIC, "Group", 7, 9, 40, 8},
            {CtlKind::ComboBox, IDC_SPL_GROUP, nullptr, 50, 7, 70, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Scoring", 7, 27, 40, 8},
            {CtlKind::ComboBox, IDC_SPL_SCORING, nullptr, 50, 25, 70, 40, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SPL_BY_TEAM, " List by Team", 7, 45, 80, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SPL_TWO_COLUMN, "2 Column", 7, 59, 60, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SPL_THREE_COLUMN, "3 Column", 70, 59, 60, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 129, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        }},
        {IDD_PRINTING_SETUP, "Printing Setup", 180, 48, {
            {CtlKind::Static, IDC_STATIC, "Teams to print per page", 7, 9, 90, 8},
            {CtlKind::Edit, IDC_TEAMS_PER_PAGE, nullptr, 100, 7, 20, 12, ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 123, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 123, 24, 50, 14, WS_TABSTOP},
        }},
        // ==== end of players' statistics list and team details ====
        {IDD_RESULTS_SUMMARY, "Results Summary", 280, 176, {
            {CtlKind::PushButton, IDC_RS_TITLE_FONT, "Title Font", 7, 7, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_RS_TITLE_DESC, "", 68, 10, 205, 8},
            {CtlKind::PushButton, IDC_RS_DETAIL_FONT, "Detail Font", 7, 25, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_RS_DETAIL_DESC, "", 68, 28, 205, 8},
            {CtlKind::PushButton, IDC_RS_WIN_FONT, "Win Font", 7, 43, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_RS_WIN_DESC, "", 68, 46, 205, 8},
            {CtlKind::PushButton, IDC_RS_LOSE_FONT, "Lose Font", 7, 61, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_RS_LOSE_DESC, "", 68, 64, 205, 8},
            {CtlKind::CheckBox, IDC_RS_HCP_POINTS, "Handicap Points", 7, 84, 76, 10, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "+", 88, 84, 8, 8},
            {CtlKind::CheckBox, IDC_RS_HCP_PYRAMID, "Hcp Pyramid Pts", 100, 84, 76, 10, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "+", 181, 84, 8, 8},
            {CtlKind::CheckBox, IDC_RS_HCP_PETERSEN, "Hcp Petersen Pts", 193, 84, 80, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_RS_SCR_POINTS, "Scratch Points", 7, 100, 76, 10, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "+", 88, 100, 8, 8},
            {CtlKind::CheckBox, IDC_RS_SCR_PYRAMID, "Scr  Pyramid Pts", 100, 100, 76, 10, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "+", 181, 100, 8, 8},
            {CtlKind::CheckBox, IDC_RS_SCR_PETERSEN, "Scr  Petersen Pts", 193, 100, 80, 10, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Format", 7, 124, 30, 8},
            {CtlKind::ComboBox, IDC_RS_FORMAT, nullptr, 40, 122, 110, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 166, 155, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 223, 155, 50, 14, WS_TABSTOP},
        }},
        {IDD_FIXTURES_BY_WEEK, "Fixtures by Week.", 260, 84, {
            {CtlKind::PushButton, IDC_FW_HEADING_FONT, "Heading", 7, 7, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_FW_HEADING_DESC, "", 62, 10, 191, 8},
            {CtlKind::PushButton, IDC_FW_DETAIL_FONT, "Detail", 7, 25, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_FW_DETAIL_DESC, "", 62, 28, 191, 8},
            {CtlKind::CheckBox, IDC_FW_APPLY_TO_ALL, " Apply to all.", 7, 46, 80, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 146, 63, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 63, 50, 14, WS_TABSTOP},
        }},
        // ==== high-score items ====
        HiStatsDialogTemplate(IDD_TEAM_STATS),
        HiStatsDialogTemplate(IDD_INDIVIDUAL_HI_STATS),
        HiStatsDialogTemplate(IDD_WEEKLY_HI_STATS),
        // ==== end of high-score items ====
        // ==== score sheets ====
        {IDD_SCORESHEET_STYLE, "Scoresheet Style", 300, 222, {
            {CtlKind::Static, IDC_STATIC, "Scoresheets per Page", 7, 9, 80, 8},
            {CtlKind::ComboBox, IDC_SSS_PER_PAGE, nullptr, 90, 7, 80, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "* = Evenly Spaced. (May cause overlapping)", 7, 23, 200, 8},
            {CtlKind::Static, IDC_STATIC, "Number of lines for players", 7, 39, 100, 8},
            {CtlKind::Edit, IDC_SSS_PLAYER_LINES, nullptr, 110, 37, 24, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_SPACE_FOR_ALL, "Allow space for all players both teams.", 7, 55, 200, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_FILL_NAMES, "Fill in names on the scoresheet", 7, 69, 200, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_TEAM_AVERAGE, "Print Team Average (Top of team roster)", 7, 83, 200, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_NEXT_OPPONENTS, "Print Next week's opponents.", 7, 97, 200, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_SIDE_BY_SIDE, "Print teams side by side.", 7, 111, 200, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_SEC_TREAS_LANES, "Specify Sec. and Treasurer Lanes", 7, 125, 200, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_PLAYER_STATS, "Player Statistics", 7, 139, 90, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDC_SSS_DESIGN_STATS, "Design Player Stats.", 110, 137, 90, 14, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SSS_NOTE, "Secretary's Note", 7, 157, 90, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDC_SSS_EDIT_NOTE, "Edit Secretary's Note", 110, 155, 90, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDC_SSS_HEADER_FONT, "Hddr Font", 7, 175, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_SSS_HEADER_DESC, "", 62, 178, 231, 8},
            {CtlKind::PushButton, IDC_SSS_NAMES_FONT, "Name Font", 7, 193, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_SSS_NAMES_DESC, "", 62, 196, 231, 8},
            {CtlKind::PushButton, IDOK, "OK", 243, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 243, 24, 50, 14, WS_TABSTOP},
        }},
        // ==== end of score sheets ====
        // ==== custom table designers ====
        CustomDesignerTemplate(IDD_CUSTOM_STANDINGS_DESIGNER),
        CustomDesignerTemplate(IDD_DESIGN_CUSTOM_PLAYER_STATS),
        TeamStatsSetupTemplate(),
        // ==== venue report ====
        {IDD_VENUE_HI_STATS_STYLE, "Venue Hi Stats Style", 260, 84, {
            {CtlKind::PushButton, IDC_VHS_HEADER_FONT, "Hddr Font", 7, 7, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_VHS_HEADER_DESC, "", 62, 10, 191, 8},
            {CtlKind::PushButton, IDC_VHS_DETAIL_FONT, "Dets Font", 7, 25, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_VHS_DETAIL_DESC, "", 62, 28, 191, 8},
            {CtlKind::Static, IDC_STATIC, "Number to list (1 - 10)", 7, 47, 90, 8},
            {CtlKind::Edit, IDC_VHS_NUMBER, nullptr, 100, 45, 24, 12, ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 146, 63, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 63, 50, 14, WS_TABSTOP},
        }},
        // ==== end of venue report ====
        // ==== end of custom table designers ====
        // ==== player list ====
        {IDD_PLAYER_LIST_ITEMS, "Player List Additional Items", 250, 186, {
            {CtlKind::CheckBox, IDC_PL_NAME, "Name", 7, 7, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_PHONES, "Phone Number(s)", 7, 21, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_BIRTH_DATE, "Date of Birth", 7, 35, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_MEMBERSHIP_NO, "Membership Number", 7, 49, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_PIN, "PIN Number", 7, 63, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_ADDRESS, "Address", 120, 7, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_MEMBERSHIP_TYPE, "Membership Type", 120, 21, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_USER1, "User Data #1", 120, 35, 100, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_PL_USER2, "User Data #2", 120, 49, 100, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDC_PL_DETAIL_FONT, "Detail Font", 7, 84, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_PL_DETAIL_DESC, "", 68, 87, 175, 8},
            {CtlKind::PushButton, IDC_PL_NAME_FONT, "Name Font", 7, 102, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_PL_NAME_DESC, "", 68, 105, 175, 8},
            {CtlKind::PushButton, IDC_PL_TITLE_FONT, "Title Font", 7, 120, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_PL_TITLE_DESC, "", 68, 123, 175, 8},
            {CtlKind::PushButton, IDOK, "OK", 136, 165, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 193, 165, 50, 14, WS_TABSTOP},
        }},
        // ==== end of player list ====
        AwardsReportItemsTemplate(),
        // ==== best games and round analysis ====
        {IDD_BEST_GAMES_SERIES, "Best Games Series", 260, 126, {
            {CtlKind::ComboBox, IDC_BG_WHO, nullptr, 7, 7, 80, 40, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_BG_BASIS, nullptr, 92, 7, 80, 50, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_BG_GROUP, nullptr, 177, 7, 76, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_BG_KIND, nullptr, 7, 25, 80, 40, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Number", 92, 27, 30, 8},
            {CtlKind::Edit, IDC_BG_COUNT, nullptr, 124, 25, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_BG_COLUMNS, nullptr, 177, 25, 76, 40, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "From round", 7, 47, 40, 8},
            {CtlKind::Edit, IDC_BG_FIRST_ROUND, nullptr, 50, 45, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "To round", 88, 47, 32, 8},
            {CtlKind::Edit, IDC_BG_LAST_ROUND, nullptr, 124, 45, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_BG_CURRENT_ROUND, " Current Round Only", 165, 46, 88, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDC_BG_HEADER_FONT, "Hddr Font", 7, 67, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_BG_HEADER_DESC, "", 62, 70, 191, 8},
            {CtlKind::PushButton, IDC_BG_DETAIL_FONT, "Detail Font", 7, 85, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_BG_DETAIL_DESC, "", 62, 88, 191, 8},
            {CtlKind::PushButton, IDOK, "OK", 146, 105, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 105, 50, 14, WS_TABSTOP},
        }},
        RoundStatisticsTemplate(),
        // ==== end of best games and round analysis ====
        // ==== floating substitutes and average busters ====
        {IDD_FLOATING_SUBS_FONTS, "Floating Subs Report Item Fonts", 250, 100, {
            {CtlKind::PushButton, IDC_FS_TITLE_FONT, "Title", 7, 7, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_FS_TITLE_DESC, "", 62, 10, 181, 8},
            {CtlKind::PushButton, IDC_FS_HEADING_FONT, "Heading", 7, 25, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_FS_HEADING_DESC, "", 62, 28, 181, 8},
            {CtlKind::PushButton, IDC_FS_DETAIL_FONT, "Detail", 7, 43, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_FS_DETAIL_DESC, "", 62, 46, 181, 8},
            {CtlKind::ComboBox, IDC_FS_COLUMNS, nullptr, 7, 63, 80, 50, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 136, 79, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 193, 79, 50, 14, WS_TABSTOP},
        }},
        {IDD_AVG_BUSTERS_ITEM, "Average Busters report item", 250, 100, {
            {CtlKind::PushButton, IDC_AB_HEADER_FONT, "Hddr Font", 7, 7, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_AB_HEADER_DESC, "", 68, 10, 175, 8},
            {CtlKind::PushButton, IDC_AB_DETAIL_FONT, "Detail Font", 7, 25, 56, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_AB_DETAIL_DESC, "", 68, 28, 175, 8},
            {CtlKind::Static, IDC_STATIC, "Number to display", 7, 47, 70, 8},
            {CtlKind::Edit, IDC_AB_DISPLAY, nullptr, 80, 45, 30, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_AB_CURRENT_ROUND, "Current Round Only", 7, 63, 100, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 136, 79, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 193, 79, 50, 14, WS_TABSTOP},
        }},
        // ==== end of floating substitutes and average busters ====
        // ==== junior reports ====
        {IDD_JUNIOR_REPORT_FONTS, "Juniors Report Fonts", 260, 120, {
            {CtlKind::PushButton, IDC_JRF_TITLE, "Title", 7, 7, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_JRF_DESC + 0, "", 62, 10, 191, 8},
            {CtlKind::PushButton, IDC_JRF_ADMIN_HEADING, "Admin Hddr", 7, 25, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_JRF_DESC + 1, "", 62, 28, 191, 8},
            {CtlKind::PushButton, IDC_JRF_ADMIN_DETAIL, "Admin Dets", 7, 43, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_JRF_DESC + 2, "", 62, 46, 191, 8},
            {CtlKind::PushButton, IDC_JRF_STATS_HEADING, "Stats Hddr", 7, 61, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_JRF_DESC + 3, "", 62, 64, 191, 8},
            {CtlKind::PushButton, IDC_JRF_STATS_DETAIL, "Stats Dets", 7, 79, 50, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_JRF_DESC + 4, "", 62, 82, 191, 8},
            {CtlKind::PushButton, IDOK, "OK", 146, 99, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 203, 99, 50, 14, WS_TABSTOP},
        }},
        // ==== end of junior reports ====
    };
    return templates;
}
