#include "resources/Resource.h"
#include "resources/dialogs/RulesDialogs.h"

namespace {

constexpr DWORD EDIT = ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER;
constexpr DWORD CHECK = WS_TABSTOP;

DlgTemplate HandicapDetails()
{
    DlgTemplate t{IDD_HANDICAP_DETAILS, "Handicap Details", 390, 318, {}};
    auto& c = t.controls;
    c.push_back({CtlKind::Static, IDC_STATIC, "% of", 62, 8, 30, 8});
    c.push_back({CtlKind::Static, IDC_STATIC, "Basis", 96, 8, 30, 8});
    c.push_back({CtlKind::Static, IDC_STATIC, "Maximum", 132, 8, 36, 8});
    c.push_back({CtlKind::Static, IDC_STATIC, "Apply Max", 172, 8, 40, 8});
    c.push_back({CtlKind::Static, IDC_STATIC, "Apply Min", 214, 8, 40, 8});
    c.push_back({CtlKind::Static, IDC_STATIC, "Minimum", 256, 8, 36, 8});
    const char* rows[4] = {"Combined", "Men", "Women", "Juniors"};
    for (int r = 0; r < 4; ++r) {
        const short y = static_cast<short>(20 + 16 * r);
        c.push_back({CtlKind::CheckBox, IDC_HD_ROW[r], rows[r], 7, y, 52, 10, CHECK});
        c.push_back({CtlKind::Edit, IDC_HD_PERCENT[r], nullptr, 62, y, 28, 12, EDIT});
        c.push_back({CtlKind::Edit, IDC_HD_BASIS[r], nullptr, 96, y, 30, 12, EDIT});
        c.push_back({CtlKind::Edit, IDC_HD_MAX[r], nullptr, 132, y, 30, 12, EDIT});
        c.push_back({CtlKind::CheckBox, IDC_HD_APPLY_MAX[r], "", 180, y, 12, 10, CHECK});
        c.push_back({CtlKind::CheckBox, IDC_HD_APPLY_MIN[r], "", 222, y, 12, 10, CHECK});
        c.push_back({CtlKind::Edit, IDC_HD_MIN[r], nullptr, 256, y, 30, 12, EDIT});
    }
    c.push_back({CtlKind::GroupBox, IDC_STATIC, "Team Handicaps", 7, 88, 185, 74});
    c.push_back({CtlKind::CheckBox, IDC_HD_TEAM_ENABLED, "  Enabled", 14, 99, 80, 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_HD_ZERO_BASED, "Zero Based Handicap % Diff.", 14, 110, 170, 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_HD_USE_COMBINED, "Use Combined definition.", 14, 121, 170, 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_HD_ROUND1_SCRATCH, "Round 1 Scratch", 14, 132, 170, 10, CHECK});
    c.push_back({CtlKind::Static, IDC_STATIC, "The percentage of the difference is as specified for combined handicap",
                 14, 143, 175, 17});
    c.push_back({CtlKind::GroupBox, IDC_STATIC, "Drop 5 ", 198, 88, 185, 74});
    c.push_back({CtlKind::CheckBox, IDC_HD_DROP5, "Drop 5", 205, 100, 60, 10, CHECK});
    c.push_back({CtlKind::Static, IDC_STATIC, "Games played with, or to establish average.", 205, 114, 140, 16});
    c.push_back({CtlKind::Edit, IDC_HD_DROP5_GAMES, nullptr, 348, 114, 28, 12, EDIT});
    c.push_back({CtlKind::Static, IDC_STATIC, "Maximum pins below established average.", 205, 136, 140, 16});
    c.push_back({CtlKind::Edit, IDC_HD_DROP5_PINS, nullptr, 348, 136, 28, 12, EDIT});
    struct Line { const char* text; UINT id; };
    const Line lines[] = {
        {"Games played with entering average", IDC_HD_ENTERING_GAMES},
        {"Entering average cutoff Round. (0 = None)", IDC_HD_CUTOFF},
        {"Recalculate Frequency (in matches) - Normally 1.", IDC_HD_RECALC_FREQ},
        {"Series needed to establish floating average (normally 1)", IDC_HD_FLOAT_SERIES},
        {"Games bowled scratch before a handicap (normally 0)", IDC_HD_SCRATCH_GAMES},
    };
    short y = 170;
    for (const Line& l : lines) {
        c.push_back({CtlKind::Static, IDC_STATIC, l.text, 7, static_cast<short>(y + 2), 220, 8});
        c.push_back({CtlKind::Edit, l.id, nullptr, 230, y, 30, 12, EDIT});
        y = static_cast<short>(y + 15);
    }
    c.push_back({CtlKind::CheckBox, IDC_HD_ROLLING, "Truncated Rolling Average", 7, 248, 120, 10, CHECK});
    c.push_back({CtlKind::Static, IDC_HD_ROLLING_LABEL, "No. of games", 132, 249, 50, 8});
    c.push_back({CtlKind::Edit, IDC_HD_ROLLING_GAMES, nullptr, 184, 247, 28, 12, EDIT});
    c.push_back({CtlKind::CheckBox, IDC_HD_FULL_AVG_HI, "Use full Average for Hi Avg", 7, 262, 150, 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_HD_PLAYING_AVG_MI, "Use playing average for most improved", 160, 262, 170, 10,
                 CHECK});
    c.push_back({CtlKind::CheckBox, IDC_HD_SHOW_NEG_MI, "Show -ve 'Most Improved'", 7, 276, 150, 10, CHECK});
    c.push_back({CtlKind::Static, IDC_STATIC, "Press F1 for Help.", 7, 298, 100, 8});
    c.push_back({CtlKind::PushButton, IDOK, "OK", 276, 294, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 333, 294, 50, 14, WS_TABSTOP});
    return t;
}

DlgTemplate ScoringSystem(UINT nIDD, const char* pszCaption)
{
    DlgTemplate t{nIDD, pszCaption, 330, 236, {}};
    auto& c = t.controls;
    const char* games[5] = {"#1", "#2", "#3", "#4", "Series"};
    c.push_back({CtlKind::Static, IDC_STATIC, "Points", 60, 8, 40, 8});
    for (int g = 0; g < 5; ++g)
        c.push_back({CtlKind::Static, IDC_STATIC, games[g], static_cast<short>(60 + 34 * g), 18, 30, 8});
    c.push_back({CtlKind::Static, IDC_STATIC, "Total", 232, 18, 30, 8});
    const UINT rowBox[2] = {IDC_SC_INDIVIDUAL, IDC_SC_TEAM};
    const char* rowText[2] = {"Individ", "Team"};
    for (int r = 0; r < 2; ++r) {
        const short y = static_cast<short>(30 + 16 * r);
        c.push_back({CtlKind::CheckBox, rowBox[r], rowText[r], 7, y, 50, 10, CHECK});
        for (int g = 0; g < 4; ++g)
            c.push_back({CtlKind::Edit, r == 0 ? IDC_SC_IND_GAME[g] : IDC_SC_TEAM_GAME[g], nullptr,
                         static_cast<short>(60 + 34 * g), y, 28, 12, EDIT});
        c.push_back({CtlKind::Edit, r == 0 ? IDC_SC_IND_SERIES : IDC_SC_TEAM_SERIES, nullptr, 196, y, 28, 12, EDIT});
        c.push_back({CtlKind::Static, r == 0 ? IDC_SC_IND_TOTAL : IDC_SC_TEAM_TOTAL, "", 232, y, 30, 10, SS_RIGHT});
    }
    c.push_back({CtlKind::Static, IDC_STATIC, "Bonus Pts", 170, 66, 56, 8});
    c.push_back({CtlKind::Static, IDC_SC_BONUS, "", 232, 66, 30, 10, SS_RIGHT});
    c.push_back({CtlKind::Static, IDC_STATIC, "Max Pts.", 170, 80, 56, 8});
    c.push_back({CtlKind::Static, IDC_SC_MAX, "", 232, 80, 30, 10, SS_RIGHT});
    c.push_back({CtlKind::CheckBox, IDC_SC_CYCLE, "Cycle opponent each game", 7, 96, 160, 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_SC_MOST_WINS, "'Most Wins' counts points won", 7, 110, 160, 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_SC_BLIND, "Individual blind scores can NOT win points", 7, 124, 200, 10, CHECK});
    c.push_back({CtlKind::GroupBox, IDC_STATIC, "Petersen Points ", 7, 140, 316, 70});
    c.push_back({CtlKind::CheckBox, IDC_SC_PP_ENABLED, "Enabled ", 14, 152, 44, 10, CHECK});
    for (int g = 0; g < 5; ++g) {
        const short x = static_cast<short>(60 + 34 * g);
        c.push_back({CtlKind::CheckBox, IDC_SC_PP_COLUMN[g], games[g], x, 152, g == 4 ? 36 : 32, 10, CHECK});
        c.push_back({CtlKind::Edit, IDC_SC_PP_PINS[g], nullptr, x, 164, 28, 12, EDIT});
    }
    c.push_back({CtlKind::Static, IDC_STATIC, "Pins per Point", 14, 166, 44, 8});
    c.push_back({CtlKind::CheckBox, IDC_SC_PP_HUNDREDTHS, "Score remaining pins as 0.01 points per pin.", 14, 182, 220,
                 10, CHECK});
    c.push_back({CtlKind::CheckBox, IDC_SC_PP_PERCENT, "Score remaining pins as a pct of 1 point.", 14, 194, 220, 10,
                 CHECK});
    c.push_back({CtlKind::PushButton, IDOK, "OK", 216, 216, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 273, 216, 50, 14, WS_TABSTOP});
    return t;
}

DlgTemplate StandingsSequence(UINT nIDD, const char* pszCaption)
{
    DlgTemplate t{nIDD, pszCaption, 200, 80, {}};
    const char* labels[3] = {"1st Criteria", "2nd Criteria", "3rd Criteria"};
    for (int k = 0; k < 3; ++k) {
        const short y = static_cast<short>(9 + 20 * k);
        t.controls.push_back({CtlKind::Static, IDC_STATIC, labels[k], 7, static_cast<short>(y + 2), 50, 8});
        t.controls.push_back({CtlKind::ComboBox, IDC_SEQ_KEY[k], nullptr, 60, y, 80, 90,
                              CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP});
    }
    t.controls.push_back({CtlKind::PushButton, IDOK, "OK", 146, 9, 47, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    t.controls.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 146, 26, 47, 14, WS_TABSTOP});
    return t;
}

DlgTemplate RobotScores()
{
    DlgTemplate t{IDD_ROBOT_SCORES, "Vacancy/Robot Score(s)", 300, 236, {}};
    auto& c = t.controls;
    const char* groups[4] = {"Robot/Vacancy #1", "Robot/Vacancy #2", "Robot/Vacancy #3", "Robot/Vacancy #4"};
    for (int s = 0; s < 4; ++s) {
        const short y = static_cast<short>(7 + 46 * s);
        c.push_back({CtlKind::GroupBox, IDC_STATIC, groups[s], 7, y, 286, 42});
        c.push_back({CtlKind::ComboBox, IDC_RB_KIND[s], nullptr, 14, static_cast<short>(y + 20), 140, 70,
                     CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP});
        c.push_back({CtlKind::Static, IDC_RB_FIRST_LABEL[s], "Scr", 160, static_cast<short>(y + 10), 40, 8});
        c.push_back({CtlKind::Edit, IDC_RB_FIRST[s], nullptr, 160, static_cast<short>(y + 20), 32, 12, EDIT});
        c.push_back({CtlKind::Static, IDC_RB_DIFF[s], "", 196, static_cast<short>(y + 22), 24, 8});
        c.push_back({CtlKind::Static, IDC_RB_SECOND_LABEL[s], "Hcp", 222, static_cast<short>(y + 10), 40, 8});
        c.push_back({CtlKind::Edit, IDC_RB_SECOND[s], nullptr, 222, static_cast<short>(y + 20), 32, 12, EDIT});
        c.push_back({CtlKind::Static, IDC_RB_HCP_NOTE[s], "(hcp)", 196, static_cast<short>(y + 31), 24, 8});
        c.push_back({CtlKind::CheckBox, IDC_RB_EXCLUDE[s], "**", 262, static_cast<short>(y + 21), 24, 10, CHECK});
    }
    c.push_back({CtlKind::Static, IDC_STATIC, "** Exclude scores from Team Game and Team Series in a match.", 7, 194,
                 286, 8});
    c.push_back({CtlKind::CheckBox, IDC_RB_NO_POINTS, "Robots cannot gain points.", 7, 208, 150, 10, CHECK});
    c.push_back({CtlKind::PushButton, IDOK, "OK", 186, 215, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({CtlKind::PushButton, IDCANCEL, "Cancel", 243, 215, 50, 14, WS_TABSTOP});
    return t;
}

DlgTemplate BonusPointsList()
{
    return {IDD_BONUS_POINTS_LIST, "Bonus Points List", 300, 236, {
        {CtlKind::ListBox, IDC_BP_LIST, nullptr, 7, 7, 286, 70, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {CtlKind::GroupBox, IDC_STATIC, "Bonus Rule", 7, 82, 286, 72},
        {CtlKind::ComboBox, IDC_BP_KIND, nullptr, 13, 94, 90, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {CtlKind::Static, IDC_STATIC, "Pins over Average", 110, 96, 64, 8},
        {CtlKind::Edit, IDC_BP_PINS, nullptr, 176, 94, 30, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Points", 214, 96, 30, 8},
        {CtlKind::Edit, IDC_BP_POINTS, nullptr, 246, 94, 30, 12, EDIT},
        {CtlKind::CheckBox, IDC_BP_SERIES, "Series (not each game)", 13, 112, 100, 10, CHECK},
        {CtlKind::CheckBox, IDC_BP_HANDICAP, "Handicap", 120, 112, 60, 10, CHECK},
        {CtlKind::CheckBox, IDC_BP_MEN, "Men", 13, 125, 40, 10, CHECK},
        {CtlKind::CheckBox, IDC_BP_WOMEN, "Women", 60, 125, 40, 10, CHECK},
        {CtlKind::CheckBox, IDC_BP_JUNIORS, "Juniors", 107, 125, 40, 10, CHECK},
        {CtlKind::PushButton, IDC_BP_ADD, "Add Rule", 13, 137, 60, 13, CHECK},
        {CtlKind::PushButton, IDC_BP_CHANGE, "Change Rule", 80, 137, 60, 13, CHECK},
        {CtlKind::PushButton, IDC_BP_DELETE, "Delete Rule", 147, 137, 60, 13, CHECK},
        {CtlKind::CheckBox, IDC_BP_ACCEPT_EQUAL, "Accept equal scores for over-average bonuses", 7, 162, 200, 10, CHECK},
        {CtlKind::CheckBox, IDC_BP_HI_HCP, "Highest team game (handicap) bonus", 7, 178, 150, 10, CHECK},
        {CtlKind::Static, IDC_STATIC, "Points", 170, 179, 30, 8},
        {CtlKind::Edit, IDC_BP_HI_HCP_POINTS, nullptr, 202, 177, 30, 12, EDIT},
        {CtlKind::CheckBox, IDC_BP_HI_SCR, "Highest team game (scratch) bonus", 7, 194, 150, 10, CHECK},
        {CtlKind::Static, IDC_STATIC, "Points", 170, 195, 30, 8},
        {CtlKind::Edit, IDC_BP_HI_SCR_POINTS, nullptr, 202, 193, 30, 12, EDIT},
        {CtlKind::PushButton, IDOK, "Finish", 243, 215, 50, 14, BS_DEFPUSHBUTTON | CHECK},
    }};
}

DlgTemplate AverageBusterSetup()
{
    return {IDD_AVERAGE_BUSTER_SETUP, "Average Buster Setup", 250, 186, {
        {CtlKind::GroupBox, IDC_STATIC, "Explaination ", 7, 7, 236, 62},
        {CtlKind::Static, IDC_STATIC,
         "This is a separate competition based on points allocated for games over or under average. 1 point is "
         "allocated of each unit a player bowls over their average, and deducted for each unit a player bowls under "
         "their average.",
         14, 19, 222, 44},
        {CtlKind::Static, IDC_STATIC, "Average Buster Unit.", 7, 78, 150, 8},
        {CtlKind::Edit, IDC_AB_UNIT, nullptr, 193, 76, 30, 12, EDIT},
        {CtlKind::CheckBox, IDC_AB_PER_GAME, "Average Buster Points per Game", 7, 96, 150, 10, CHECK},
        {CtlKind::Static, IDC_STATIC, "Points Added if over average.", 7, 114, 150, 8},
        {CtlKind::Edit, IDC_AB_OVER, nullptr, 193, 112, 30, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Points added if average bowled.", 7, 130, 150, 8},
        {CtlKind::Edit, IDC_AB_EQUAL, nullptr, 193, 128, 30, 12, EDIT},
        {CtlKind::Static, IDC_STATIC, "Points deducted if under average.", 7, 146, 150, 8},
        {CtlKind::Edit, IDC_AB_UNDER, nullptr, 193, 144, 30, 12, EDIT},
        {CtlKind::PushButton, IDOK, "OK", 136, 165, 50, 14, BS_DEFPUSHBUTTON | CHECK},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 193, 165, 50, 14, CHECK},
    }};
}

} // namespace

const std::vector<DlgTemplate>& RulesDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
        HandicapDetails(),
        ScoringSystem(IDD_HANDICAP_SCORING, "Handicap Scoring System"),
        ScoringSystem(IDD_SCRATCH_SCORING, "Scratch Scoring System"),
        StandingsSequence(IDD_HANDICAP_STANDINGS_SEQ, "Handicap Standings Sequence "),
        StandingsSequence(IDD_SCRATCH_STANDINGS_SEQ, "Scratch Standings Sequence "),
        RobotScores(),
        BonusPointsList(),
        AverageBusterSetup(),
    };
    return templates;
}
