#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"

namespace {

// The scoresheet is laid out like the paper sheet it replaces: each side a block of rows
// (headings, one row per bowler, the team's totals, the Defaulted boxes and the side's
// buttons), side A above side B, every game in one column from top to bottom.
namespace sheet {
// The player box holds a long name with a number to tell two bowlers of one name apart
// ("Pauline Rushworth-3"); the columns right of it follow it.
constexpr short kComboX = 7, kComboW = 84;
constexpr short kHcX = 93, kHcW = 16;
constexpr short kGameX = 111, kGamePitch = 27, kGameW = 25;
constexpr short kSeriesX = 220, kSeriesW = 24;
constexpr short kHcpSeriesX = 247, kHcpSeriesW = 24;
constexpr short kLabelX = 70, kLabelW = 38;  // row labels, right-aligned before the hc column
constexpr short kHeadH = 10, kRowH = 13, kTotalH = 9, kDefaultedH = 12, kButtonsH = 15;
constexpr short kPointsRowH = 11;  // singles
constexpr short kPointsBoxH = 33;   // the team sheets' Points box: its title, then two rows

short GameX(int g) { return static_cast<short>(kGameX + kGamePitch * g); }

short BlockHeight(int n)
{
    if (n == 1)
        return kHeadH + kRowH + kTotalH + 1 + kDefaultedH + kPointsRowH + kButtonsH;
    return static_cast<short>(kHeadH + kRowH * n + kPointsBoxH - 1 + kDefaultedH + kButtonsH);
}

const char* const kGameHead[4] = {"G1", "G2", "G3", "G4"};

// The score cells of one side: the only tab stops of the scoring area, bowler by bowler.
void AddCells(std::vector<DlgControl>& c, int side, int n, short y)
{
    const UINT* base = side == 0 ? IDC_SS_SCORE_A : IDC_SS_SCORE_B;
    for (int p = 0; p < n; ++p)
        for (int g = 0; g < 4; ++g)
            c.push_back({CtlKind::Edit, base[p] + static_cast<UINT>(g), nullptr, GameX(g),
                         static_cast<short>(y + kHeadH + kRowH * p), kGameW, 12,
                         ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP});
}

// Everything of one side but its score cells.
void AddSide(std::vector<DlgControl>& c, int side, int n, short y)
{
    const bool singles = n == 1;
    // Headings.
    c.push_back({CtlKind::Static, IDC_SS_TEAM[side], "", kComboX, static_cast<short>(y + 1), kComboW, 8, SS_LEFT | SS_NOPREFIX});
    c.push_back({CtlKind::Static, singles && side == 1 ? IDC_SS1_HEAD_HC_B : IDC_SS_HEAD_HC[side], "hc", kHcX,
                 static_cast<short>(y + 1), kHcW, 8, SS_CENTER});
    for (int g = 0; g < 4; ++g) {
        UINT id = IDC_SS_HEAD_G[side][g];
        if (singles && side == 1 && g == 3)
            id = IDC_SS1_HEAD_G4_B;
        c.push_back({CtlKind::Static, id ? id : IDC_STATIC, kGameHead[g], GameX(g), static_cast<short>(y + 1), kGameW, 8, SS_CENTER});
    }
    c.push_back({CtlKind::Static, IDC_STATIC, "Series", kSeriesX, static_cast<short>(y + 1), kSeriesW, 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_SS_HEAD_HCPSERIES[side], "+ hc", kHcpSeriesX, static_cast<short>(y + 1), kHcpSeriesW, 8, SS_CENTER});

    // One row per bowler.
    const UINT* player = side == 0 ? IDC_SS_PLAYER_A : IDC_SS_PLAYER_B;
    const UINT* hc = side == 0 ? IDC_SS_HC_A : IDC_SS_HC_B;
    const UINT* series = side == 0 ? IDC_SS_SERIES_A : IDC_SS_SERIES_B;
    const UINT* hcpSeries = side == 0 ? IDC_SS_HCPSERIES_A : IDC_SS_HCPSERIES_B;
    for (int p = 0; p < n; ++p) {
        short ry = static_cast<short>(y + kHeadH + kRowH * p);
        c.push_back({CtlKind::ComboBox, player[p], nullptr, kComboX, ry, kComboW, 90, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL});
        c.push_back({CtlKind::Static, hc[p], "", kHcX, static_cast<short>(ry + 2), kHcW, 8, SS_CENTER});
        c.push_back({CtlKind::Static, series[p], "", kSeriesX, static_cast<short>(ry + 2), kSeriesW, 8, SS_CENTER});
        c.push_back({CtlKind::Static, hcpSeries[p], "", kHcpSeriesX, static_cast<short>(ry + 2), kHcpSeriesW, 8, SS_CENTER});
    }

    short ty = static_cast<short>(y + kHeadH + kRowH * n + 1);
    if (singles) {
        // The scores with handicap, under the scores.
        c.push_back({CtlKind::Static, IDC_SS_LABEL_WITH_HCP[side], "With hc", kLabelX, ty, kLabelW, 8, SS_RIGHT});
        for (int g = 0; g < 4; ++g)
            c.push_back({CtlKind::Static, IDC_SS1_HCPSCORE[side][g], "", GameX(g), ty, kGameW, 8, SS_CENTER});
        c.push_back({CtlKind::Static, IDC_SS1_HCPSCORE_SERIES[side], "", kSeriesX, ty, kSeriesW, 8, SS_CENTER});
        ty = static_cast<short>(ty + kTotalH);
    } else {
        // The team's three total rows, and the points group beside their labels.
        struct Row {
            UINT label;
            const char* text;
            const UINT* cells;
            UINT series;
        } rows[3] = {
            {IDC_STATIC, "Totals (S)", IDC_SS_SCRTOTAL[side], IDC_SS_SCRTOTAL_SERIES[side]},
            {IDC_SS_LABEL_HANDICAP[side], "Handicap", IDC_SS_HANDICAP[side], IDC_SS_HANDICAP_SERIES[side]},
            {IDC_SS_LABEL_HCPTOTAL[side], "Totals (H)", IDC_SS_HCPTOTAL[side], IDC_SS_HCPTOTAL_SERIES[side]},
        };
        for (int r = 0; r < 3; ++r) {
            short ry = static_cast<short>(ty + kTotalH * r);
            c.push_back({CtlKind::Static, rows[r].label, rows[r].text, kLabelX, ry, kLabelW, 8, SS_RIGHT});
            for (int g = 0; g < 4; ++g)
                c.push_back({CtlKind::Static, rows[r].cells[g], "", GameX(g), ry, kGameW, 8, SS_CENTER});
            c.push_back({CtlKind::Static, rows[r].series, "", kSeriesX, ry, kSeriesW, 8, SS_CENTER});
        }
        // The box's frame line runs under its title, so its rows start a title's height down.
        c.push_back({CtlKind::GroupBox, IDC_STATIC, "Points", 4, static_cast<short>(ty - 2), 53, kPointsBoxH});
        c.push_back({CtlKind::Static, IDC_STATIC, "Scratch", 8, static_cast<short>(ty + 11), 32, 8, SS_LEFT});
        c.push_back({CtlKind::Static, IDC_SS_POINTS_SCR[side], "", 40, static_cast<short>(ty + 11), 14, 8, SS_RIGHT});
        c.push_back({CtlKind::Static, IDC_SS_LABEL_POINTS_HCP[side], "Handicap", 8, static_cast<short>(ty + 20), 32, 8, SS_LEFT});
        c.push_back({CtlKind::Static, IDC_SS_POINTS_HCP[side], "", 40, static_cast<short>(ty + 20), 14, 8, SS_RIGHT});
        ty = static_cast<short>(ty + kPointsBoxH - 2);
    }

    // Played and the Defaulted boxes under the game columns.
    short dy = static_cast<short>(ty + 1);
    c.push_back({CtlKind::CheckBox, IDC_SS_PLAYED[side], "Played", kComboX, dy, 36, 10, BS_LEFTTEXT});
    c.push_back({CtlKind::Static, IDC_STATIC, "Defaulted", kLabelX, static_cast<short>(dy + 1), kLabelW, 8, SS_RIGHT});
    for (int g = 0; g < 4; ++g)
        c.push_back({CtlKind::CheckBox, IDC_SS_DEFAULTED[side][g], "", static_cast<short>(GameX(g) + 9), dy, 10, 10});
    ty = static_cast<short>(ty + kDefaultedH);

    if (singles) {
        c.push_back({CtlKind::Static, IDC_SS1_LABEL_POINTS_SCR[side], "Points (S)", kComboX, ty, 36, 8, SS_LEFT});
        c.push_back({CtlKind::Static, IDC_SS_POINTS_SCR[side], "", 44, ty, 18, 8, SS_RIGHT});
        c.push_back({CtlKind::Static, IDC_SS1_LABEL_POINTS_HCP[side], "Points (H)", GameX(0), ty, 36, 8, SS_LEFT});
        c.push_back({CtlKind::Static, IDC_SS_POINTS_HCP[side], "", static_cast<short>(GameX(1) + 10), ty, 18, 8, SS_RIGHT});
        ty = static_cast<short>(ty + kPointsRowH);
    }

    // The side's buttons and its date played.
    c.push_back({CtlKind::PushButton, IDC_SS_SUBS[side], "Subs", kComboX, ty, 26, 13});
    c.push_back({CtlKind::PushButton, IDC_SS_BLINDS[side], "Blinds", 35, ty, 28, 13});
    c.push_back({CtlKind::PushButton, IDC_SS_CHANGE_DATE[side], "Change Date Played", kGameX, ty, 76, 13});
    c.push_back({CtlKind::Static, IDC_SS_DATE_PLAYED[side], "", 191, static_cast<short>(ty + 3), 80, 8, SS_LEFT});
}

DlgTemplate MakeScoresheet(UINT idd, const char* caption, short cx, short cy, int n)
{
    DlgTemplate t{idd, caption, cx, cy, {}};
    auto& c = t.controls;
    const short block = BlockHeight(n);
    const short bottom = static_cast<short>(cy - 30);  // the row of OK and Cancel
    const short ya = 5;
    // Side B sits right under side A, or lower when the dialog has room to spare.
    short gap = static_cast<short>((bottom - ya - 2 * block) / 2);
    if (gap < 5)
        gap = 5;
    if (gap > 14)
        gap = 14;
    const short yb = static_cast<short>(ya + block + gap);

    // Tab order: the score cells, OK, then the two Exclude buttons; nothing else is a tab stop.
    AddCells(c, 0, n, ya);
    AddCells(c, 1, n, yb);
    c.push_back({CtlKind::PushButton, IDOK, "OK", 5, bottom, 34, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    const UINT* exclude = n == 5 ? IDC_SS_EXCLUDE_FIVES : IDC_SS_EXCLUDE;
    const short buttonsA = static_cast<short>(ya + block - kButtonsH);
    const short buttonsB = static_cast<short>(yb + block - kButtonsH);
    c.push_back({CtlKind::PushButton, exclude[0], "Exclude", 65, buttonsA, 30, 13, WS_TABSTOP});
    c.push_back({CtlKind::PushButton, exclude[1], "Exclude", 65, buttonsB, 30, 13, WS_TABSTOP});

    AddSide(c, 0, n, ya);
    c.push_back({CtlKind::Frame, IDC_STATIC, nullptr, 4, static_cast<short>(ya + block + gap / 2 - 1),
                 static_cast<short>(cx - 8), 1, SS_ETCHEDHORZ});
    AddSide(c, 1, n, yb);

    c.push_back({CtlKind::PushButton, IDC_SS_AWARDS, "Awards", 41, bottom, 34, 14});
    if (n > 1) {
        c.push_back({CtlKind::PushButton, IDC_SS_NEW_PLAYER, "New Player", 77, bottom, 42, 14});
        c.push_back({CtlKind::PushButton, IDC_SS_POINTS, "Points", 121, bottom, 34, 14});
    }
    c.push_back({CtlKind::CheckBox, IDC_SS_AUTO_TAB, "Auto TAB scores", 160, static_cast<short>(bottom + 2), 64, 10});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", static_cast<short>(cx - 39), bottom, 34, 14});
    // The sunken frame and the text's indent inside it take their share of the line's height.
    c.push_back({CtlKind::Static, IDC_SS_STATUS, "", 5, static_cast<short>(cy - 14), static_cast<short>(cx - 10), 12,
                 SS_LEFT | SS_SUNKEN | SS_NOPREFIX});
    return t;
}
}  // namespace sheet

// The scoresheet's companion dialogs.
namespace companions {

DlgTemplate MakeDateTime()
{
    return {IDD_ENTER_DATE_TIME, "Enter date and Time", 196, 92, {
        {CtlKind::Static, IDC_DT_WEEKDAY, "", 7, 9, 20, 8, SS_RIGHT},
        {CtlKind::Edit, IDC_DT_DAY, nullptr, 30, 7, 18, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::ComboBox, IDC_DT_MONTH, nullptr, 52, 7, 32, 120, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Edit, IDC_DT_YEAR, nullptr, 88, 7, 26, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::ComboBox, IDC_DT_HOUR, nullptr, 118, 7, 38, 150, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::ComboBox, IDC_DT_MINUTE, nullptr, 160, 7, 28, 150, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Static, IDC_DT_LINE1, "", 7, 26, 182, 8, SS_CENTER | SS_NOPREFIX},
        {CtlKind::Static, IDC_DT_LINE2, "", 7, 36, 182, 8, SS_CENTER | SS_NOPREFIX},
        {CtlKind::Static, IDC_DT_LINE3, "", 7, 46, 182, 8, SS_CENTER | SS_NOPREFIX},
        {CtlKind::CheckBox, IDC_DT_BOTH_TEAMS, " Both Teams", 7, 58, 60, 10, WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "OK", 78, 72, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 138, 72, 50, 14, WS_TABSTOP},
    }};
}

DlgTemplate MakeExcludeGames()
{
    DlgTemplate t{IDD_EXCLUDE_GAMES, "Exclude Games from Hi Game/Series", 230, 140, {}};
    auto& c = t.controls;
    c.push_back({CtlKind::Static, IDC_EXCL_TEAM, "", 7, 5, 216, 8, SS_LEFT | SS_NOPREFIX});
    c.push_back({CtlKind::Static, IDC_STATIC, "E.Avg", 118, 18, 26, 8, SS_CENTER});
    static const char* const heads[4] = {"1", "2", "3", "4"};
    for (int g = 0; g < 4; ++g)
        c.push_back({CtlKind::Static, IDC_STATIC, heads[g], static_cast<short>(150 + 18 * g), 18, 10, 8, SS_CENTER});
    for (int p = 0; p < 5; ++p) {
        const short y = static_cast<short>(30 + 14 * p);
        c.push_back({CtlKind::Static, IDC_EXCL_PLAYER[p], "", 7, static_cast<short>(y + 1), 108, 8, SS_LEFT | SS_NOPREFIX});
        c.push_back({CtlKind::Static, IDC_EXCL_ENTERING_AVG[p], "", 118, static_cast<short>(y + 1), 26, 8, SS_CENTER});
        for (int g = 0; g < 4; ++g)
            c.push_back({CtlKind::CheckBox, IDC_EXCL_BOX[p][g], "", static_cast<short>(150 + 18 * g), y, 10, 10, WS_TABSTOP});
    }
    c.push_back({CtlKind::Static, IDC_STATIC, "Total", 88, 101, 26, 8, SS_RIGHT});
    c.push_back({CtlKind::Static, IDC_EXCL_ENTERING_TOTAL, "", 118, 101, 26, 8, SS_CENTER});
    c.push_back({CtlKind::PushButton, IDOK, "OK", 58, 118, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 122, 118, 50, 14, WS_TABSTOP});
    return t;
}

DlgTemplate MakeSubstitutes(UINT idd, int n)
{
    static const char* const texts[5] = {"Team position #1", "Team position #2", "Team position #3",
                                         "Team position #4", "Team position #5"};
    const short cy = static_cast<short>(22 + 17 * n + 22);
    DlgTemplate t{idd, "Substitutes", 150, cy, {}};
    auto& c = t.controls;
    c.push_back({CtlKind::Static, IDC_SUBS_TEAM, "Static", 7, 5, 136, 8, SS_CENTER | SS_NOPREFIX});
    for (int p = 0; p < n; ++p)
        c.push_back({CtlKind::PushButton, IDC_SUBS_POSITION[p], texts[p], 25, static_cast<short>(18 + 17 * p), 100, 14,
                     WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDOK, "OK", 50, static_cast<short>(cy - 20), 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    return t;
}

DlgTemplate MakeSubstitutions()
{
    DlgTemplate t{IDD_SUBSTITUTIONS, "Substitutions", 345, 128, {}};
    auto& c = t.controls;
    c.push_back({CtlKind::CheckBox, IDC_SUB_ASSIGN_ALL, "Assign for ALL Games.", 7, 5, 92, 10, BS_LEFTTEXT | WS_TABSTOP});
    c.push_back({CtlKind::Static, IDC_STATIC, "Game", 3, 20, 21, 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_SUB_HCAP_LABEL, "Hcap", 146, 20, 25, 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_STATIC, "Score", 176, 20, 25, 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_STATIC, "Non Qual", 204, 20, 32, 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_STATIC, "Pacer", 240, 20, 24, 8, SS_CENTER});
    static const char* const labels[4] = {"1", "2", "3", "4"};
    for (int g = 0; g < 4; ++g) {
        const short y = static_cast<short>(31 + 16 * g);
        c.push_back({CtlKind::Static, IDC_SUB_GAME_LABEL[g] ? IDC_SUB_GAME_LABEL[g] : IDC_STATIC, labels[g], 5,
                     static_cast<short>(y + 2), 18, 8, SS_CENTER});
        c.push_back({CtlKind::ComboBox, IDC_SUB_PLAYER[g], nullptr, 25, y, 116, 100,
                     CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP});
        c.push_back({CtlKind::Edit, IDC_SUB_HCP[g], nullptr, 146, y, 25, 12, ES_CENTER | ES_AUTOHSCROLL | WS_BORDER});
        c.push_back({CtlKind::Edit, IDC_SUB_SCORE[g], nullptr, 176, y, 25, 12,
                     ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP});
        c.push_back({CtlKind::CheckBox, IDC_SUB_NONQUAL[g], "", 215, static_cast<short>(y + 1), 10, 10, WS_TABSTOP});
        c.push_back({CtlKind::CheckBox, IDC_SUB_PACER[g], "", 247, static_cast<short>(y + 1), 10, 10, WS_TABSTOP});
    }
    c.push_back({CtlKind::PushButton, IDOK, "OK", 7, 104, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_SUB_FROM_FLOATING, "Select from floating subs", 52, 106, 94, 10});
    c.push_back({CtlKind::CheckBox, IDC_SUB_FROM_TEAM, "Select from Team", 150, 106, 68, 10});
    c.push_back({CtlKind::CheckBox, IDC_SUB_FROM_LEAGUE, "Select from League", 222, 106, 74, 10});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 300, 104, 38, 14, WS_TABSTOP});
    return t;
}

DlgTemplate MakeBlindScores(UINT idd, int n)
{
    const short cy = static_cast<short>(36 + 14 * n + 24);
    DlgTemplate t{idd, "Blind Scores", 170, cy, {}};
    auto& c = t.controls;
    c.push_back({CtlKind::Static, IDC_BLIND_TEAM, "", 7, 5, 156, 8, SS_CENTER | SS_NOPREFIX});
    c.push_back({CtlKind::Static, IDC_STATIC, "Game", 96, 15, 64, 8, SS_CENTER});
    static const char* const heads[4] = {"1", "2", "3", "4"};
    for (int g = 0; g < 4; ++g)
        c.push_back({CtlKind::Static, IDC_STATIC, heads[g], static_cast<short>(96 + 16 * g), 24, 10, 8, SS_CENTER});
    for (int p = 0; p < n; ++p) {
        const short y = static_cast<short>(34 + 14 * p);
        c.push_back({CtlKind::Static, IDC_BLIND_BOWLER[p], "Bowler #1", 7, static_cast<short>(y + 1), 86, 8,
                     SS_LEFT | SS_NOPREFIX});
        for (int g = 0; g < 4; ++g)
            c.push_back({CtlKind::CheckBox, IDC_BLIND_BOX[p][g], "", static_cast<short>(96 + 16 * g), y, 10, 10, WS_TABSTOP});
    }
    c.push_back({CtlKind::PushButton, IDOK, "OK", 28, static_cast<short>(cy - 20), 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 92, static_cast<short>(cy - 20), 50, 14, WS_TABSTOP});
    return t;
}

DlgTemplate MakePointsAnalysis(UINT idd, short cx, short cy, int n)
{
    DlgTemplate t{idd, "Points Analysis", cx, cy, {}};
    auto& c = t.controls;
    const short xa = 5, xb = static_cast<short>(cx - 85), xMid = static_cast<short>(xa + 82);
    const short wMid = static_cast<short>(xb - 2 - xMid);
    c.push_back({CtlKind::Static, IDC_PA_TEAM[0], "", xa, 5, 80, 8, SS_RIGHT | SS_NOPREFIX});
    c.push_back({CtlKind::Static, IDC_PA_MATCH_POINTS[0], "", static_cast<short>(xMid + 2), 5,
                 static_cast<short>(wMid / 2 - 2), 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_PA_MATCH_POINTS[1], "", static_cast<short>(xMid + wMid / 2), 5,
                 static_cast<short>(wMid / 2 - 2), 8, SS_CENTER});
    c.push_back({CtlKind::Static, IDC_PA_TEAM[1], "", xb, 5, 80, 8, SS_LEFT | SS_NOPREFIX});
    const int nRows = n + 3;
    // The rows start under the frame line, which runs under the boxes' column headings.
    const short gy = 17, gh = static_cast<short>(15 + 10 * nRows);
    c.push_back({CtlKind::GroupBox, IDC_STATIC, "G1   G2   G3   G4    Ser", xa, gy, 80, gh});
    c.push_back({CtlKind::GroupBox, IDC_STATIC, "G1   G2   G3   G4    Ser", xb, gy, 80, gh});
    static const char* const labels[8] = {"Player 1", "Player 2", "Player 3", "Player 4", "Player 5", "Team", "Totals", "Bonus"};
    for (int r = 0; r < nRows; ++r) {
        const int row = r < n ? r : r - n + PA_ROW_TEAM;
        const short y = static_cast<short>(gy + 12 + 10 * r);
        c.push_back({CtlKind::Static, IDC_STATIC, labels[row], xMid, y, wMid, 8, SS_CENTER});
        for (int col = 0; col < 5; ++col) {
            c.push_back({CtlKind::Static, IDC_PA_CELL[0][row][col], "", static_cast<short>(xa + 3 + 15 * col), y, 14, 8, SS_CENTER});
            c.push_back({CtlKind::Static, IDC_PA_CELL[1][row][col], "", static_cast<short>(xb + 3 + 15 * col), y, 14, 8, SS_CENTER});
        }
    }
    const short by = static_cast<short>(gy + gh + 5);
    c.push_back({CtlKind::CheckBox, IDC_PA_HANDICAP, "Handicap", xa, by, 48, 10, WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_PA_BONUS_DETAIL, "Bonus Detail", static_cast<short>(cx / 2 - 28), by, 56, 10,
                 BS_LEFTTEXT | WS_TABSTOP});
    c.push_back({CtlKind::CheckBox, IDC_PA_SCRATCH, "  Scratch", static_cast<short>(cx - 55), by, 50, 10,
                 BS_LEFTTEXT | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDOK, "OK", static_cast<short>(cx / 2 - 25), static_cast<short>(by + 14), 50, 14,
                 BS_DEFPUSHBUTTON | WS_TABSTOP});
    return t;
}

DlgTemplate MakeEnterAward()
{
    return {IDD_ENTER_AWARD, "Enter Award Information", 200, 98, {
        {CtlKind::Static, IDC_AWARD_ROUND, "", 7, 5, 60, 8, SS_LEFT},
        {CtlKind::Static, IDC_AWARD_DATE, "", 80, 5, 113, 8, SS_RIGHT},
        {CtlKind::Static, IDC_STATIC, "Award", 7, 22, 40, 8},
        {CtlKind::ComboBox, IDC_AWARD_CATEGORY, nullptr, 50, 20, 143, 100, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Bowler", 7, 40, 40, 8},
        {CtlKind::ComboBox, IDC_AWARD_PLAYER, nullptr, 50, 38, 143, 100, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Game No.", 7, 58, 40, 8},
        {CtlKind::Edit, IDC_AWARD_GAME, nullptr, 50, 56, 20, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::PushButton, IDOK, "Add", 40, 76, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 110, 76, 50, 14, WS_TABSTOP},
    }};
}

}  // namespace companions

}  // namespace

const std::vector<DlgTemplate>& ResultDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
        sheet::MakeScoresheet(IDD_FIVES_SCORESHEET, "Fives Scoresheet", 275, 313, 5),
        sheet::MakeScoresheet(IDD_FOURS_SCORESHEET, "Scoresheet", 279, 295, 4),
        sheet::MakeScoresheet(IDD_THREES_SCORESHEET, "Scoresheet", 275, 268, 3),
        sheet::MakeScoresheet(IDD_DOUBLES_SCORESHEET, "Scoresheet", 277, 253, 2),
        sheet::MakeScoresheet(IDD_SINGLES_SCORESHEET, "Scoresheet", 277, 185, 1),

        companions::MakeDateTime(),
        companions::MakeExcludeGames(),
        companions::MakeSubstitutes(IDD_FIVES_SUBSTITUTES, 5),
        companions::MakeSubstitutes(IDD_FOURS_SUBSTITUTES, 4),
        companions::MakeSubstitutes(IDD_THREES_SUBSTITUTES, 3),
        companions::MakeSubstitutes(IDD_DOUBLES_SUBSTITUTES, 2),
        companions::MakeSubstitutions(),
        companions::MakeBlindScores(IDD_FIVES_BLIND_SCORES, 5),
        companions::MakeBlindScores(IDD_FOURS_BLIND_SCORES, 4),
        companions::MakeBlindScores(IDD_THREES_BLIND_SCORES, 3),
        companions::MakeBlindScores(IDD_DOUBLES_BLIND_SCORES, 2),
        companions::MakeBlindScores(IDD_SINGLES_BLIND_SCORES, 1),
        companions::MakePointsAnalysis(IDD_FIVES_POINTS_ANALYSIS, 224, 165, 5),
        companions::MakePointsAnalysis(IDD_FOURS_POINTS_ANALYSIS, 224, 153, 4),
        companions::MakePointsAnalysis(IDD_THREES_POINTS_ANALYSIS, 228, 141, 3),
        companions::MakePointsAnalysis(IDD_DOUBLES_POINTS_ANALYSIS, 232, 129, 2),
        companions::MakeEnterAward(),

        {IDD_SELECT_ROUND, "Select a Round", 220, 126, {
            {CtlKind::ListBox, IDC_SELECT_ROUND_LIST, nullptr, 7, 7, 206, 92,
             LBS_NOTIFY | LBS_MULTICOLUMN | WS_HSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 109, 105, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 163, 105, 50, 14, WS_TABSTOP},
        }},
        {IDD_SELECT_FIXTURE, "Select Fixture", 220, 126, {
            {CtlKind::ListBox, IDC_SELECT_FIXTURE_LIST, nullptr, 7, 7, 206, 92,
             LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 109, 105, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 163, 105, 50, 14, WS_TABSTOP},
        }},
        {IDD_ROUNDS_DISPLAYED, "Rounds to be displayed", 160, 62, {
            {CtlKind::Static, IDC_STATIC, "Start Round", 7, 9, 50, 8},
            {CtlKind::Edit, IDC_ROUNDS_START, nullptr, 62, 7, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Last Round", 7, 27, 50, 8},
            {CtlKind::Edit, IDC_ROUNDS_LAST, nullptr, 62, 25, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 103, 6, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 103, 24, 50, 14, WS_TABSTOP},
        }},
        {IDD_SET_ROUND, "Set Round Number", 160, 46, {
            {CtlKind::Static, IDC_STATIC, "Round Number", 7, 9, 52, 8},
            {CtlKind::Edit, IDC_SET_ROUND_NUMBER, nullptr, 62, 7, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 103, 6, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 103, 24, 50, 14, WS_TABSTOP},
        }},
        {IDD_SELECT_TEAMS, "Select Teams", 196, 166, {
            {CtlKind::ListBox, IDC_SELECT_TEAMS_LIST, nullptr, 7, 7, 126, 152,
             LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 139, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 139, 25, 50, 14, WS_TABSTOP},
        }},
        {IDD_SELECT_TEAMS_PRINT, "Select Team(s) for Display/Printing", 196, 166, {
            {CtlKind::ListBox, IDC_SELECT_TEAMS_LIST, nullptr, 7, 7, 126, 132,
             LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 139, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 139, 25, 50, 14, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_SELECT_TEAMS_MATCH_SEQ, "Print in match seq.", 7, 147, 84, 10, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Week", 97, 148, 20, 8},
            {CtlKind::Edit, IDC_SELECT_TEAMS_WEEK, nullptr, 119, 145, 24, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        }},
        {IDD_SELECT_BOWLERS, "Select Bowler(s) for Display/Printing", 216, 206, {
            {CtlKind::ListBox, IDC_SELECT_BOWLERS_LIST, nullptr, 7, 7, 146, 192,
             LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 159, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 159, 25, 50, 14, WS_TABSTOP},
        }},
        {IDD_HI_AWARD_QUALIFY, "Qualifying % for Individual Hi Awards", 236, 150, {
            {CtlKind::GroupBox, IDC_STATIC, "Minimum Qualifying % Games ", 7, 4, 164, 96},
            {CtlKind::Static, IDC_STATIC, "High  Average", 14, 18, 110, 8},
            {CtlKind::Edit, IDC_HAQ_PCT[0], nullptr, 130, 16, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "High Individual Game", 14, 34, 110, 8},
            {CtlKind::Edit, IDC_HAQ_PCT[1], nullptr, 130, 32, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "High Individual Series", 14, 50, 110, 8},
            {CtlKind::Edit, IDC_HAQ_PCT[2], nullptr, 130, 48, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Most Improved Bowler", 14, 66, 110, 8},
            {CtlKind::Edit, IDC_HAQ_PCT[3], nullptr, 130, 64, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Games Over Average", 14, 82, 110, 8},
            {CtlKind::Edit, IDC_HAQ_PCT[4], nullptr, 130, 80, 30, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_HAQ_GAMES_OVER_ENTERING, "Games over entering average?", 7, 106, 164, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_HAQ_EXCLUDE_FLOATING, "Exclude Floating/Roving Subs", 7, 120, 164, 10, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_HAQ_EXCLUDE_PACERS, "Exclude Pacers Games", 7, 134, 164, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 179, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 179, 25, 50, 14, WS_TABSTOP},
        }},
        // ---- points adjustments and make-up lane override ----
        {IDD_FIXTURE_POINTS_ADJUST, "Fixture Points Adjustments", 194, 77, {
            {CtlKind::Static, IDC_FPA_ROUND_DUE, nullptr, 7, 6, 180, 8, SS_CENTER},
            {CtlKind::Static, IDC_FPA_TEAM_A, nullptr, 7, 22, 120, 8},
            {CtlKind::ComboBox, IDC_FPA_ADJUST_A, nullptr, 132, 20, 55, 120, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_FPA_TEAM_B, nullptr, 7, 40, 120, 8},
            {CtlKind::ComboBox, IDC_FPA_ADJUST_B, nullptr, 132, 38, 55, 120, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 7, 57, 45, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::ComboBox, IDC_FPA_SYSTEM, nullptr, 67, 57, 60, 40, CBS_DROPDOWNLIST | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 142, 57, 45, 14, WS_TABSTOP},
        }},
        {IDD_MAKEUP_LANE_OVERRIDE, "Makeup Game Lane Override", 183, 113, {
            {CtlKind::Static, IDC_MLO_ROUND, nullptr, 7, 6, 169, 8, SS_CENTER},
            {CtlKind::Static, IDC_MLO_TEAM_A, nullptr, 7, 20, 169, 8, SS_CENTER},
            {CtlKind::Static, IDC_STATIC, "v", 7, 31, 169, 8, SS_CENTER},
            {CtlKind::Static, IDC_MLO_TEAM_B, nullptr, 7, 42, 169, 8, SS_CENTER},
            {CtlKind::PushButton, IDC_MLO_DOWN, "Down", 20, 57, 40, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_MLO_LANES, nullptr, 66, 60, 51, 8, SS_CENTER},
            {CtlKind::PushButton, IDC_MLO_UP, "Up", 123, 57, 40, 14, WS_TABSTOP},
            {CtlKind::CheckBox, IDC_MLO_CANCELLED, "Cancelled or Posponed.", 40, 76, 103, 10, BS_LEFTTEXT | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 66, 92, 51, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        }},
        // ---- end of points adjustments and lane override ----
    };
    return templates;
}
