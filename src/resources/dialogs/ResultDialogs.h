#pragma once
// Dialog and control ids of match result entry (src/results).
#include "framework/ui/UiTypes.h"

// ---- The scoresheets: one dialog per team size, the same control ids in all five. ----
constexpr UINT IDD_FIVES_SCORESHEET = 252;
constexpr UINT IDD_FOURS_SCORESHEET = 256;
constexpr UINT IDD_THREES_SCORESHEET = 260;
constexpr UINT IDD_DOUBLES_SCORESHEET = 264;
constexpr UINT IDD_SINGLES_SCORESHEET = 270;

// Per position (1..5) of each side.
constexpr UINT IDC_SS_PLAYER_A[5] = {236, 237, 238, 239, 240};
constexpr UINT IDC_SS_PLAYER_B[5] = {241, 242, 243, 244, 245};
constexpr UINT IDC_SS_SCORE_A[5] = {686, 724, 747, 759, 771};  // game 1; game g adds g - 1
constexpr UINT IDC_SS_SCORE_B[5] = {783, 795, 807, 819, 831};
constexpr UINT IDC_SS_HC_A[5] = {685, 728, 737, 738, 739};
constexpr UINT IDC_SS_HC_B[5] = {741, 743, 744, 745, 746};
constexpr UINT IDC_SS_SERIES_A[5] = {690, 729, 751, 763, 775};
constexpr UINT IDC_SS_SERIES_B[5] = {787, 799, 811, 823, 835};
constexpr UINT IDC_SS_HCPSERIES_A[5] = {1296, 1297, 1298, 1299, 1300};
constexpr UINT IDC_SS_HCPSERIES_B[5] = {1301, 1302, 1303, 1304, 1305};

// Per side: [0] side A, [1] side B.
constexpr UINT IDC_SS_TEAM[2] = {160, 163};
constexpr UINT IDC_SS_SCRTOTAL[2][4] = {{703, 704, 705, 706}, {843, 844, 845, 846}};
constexpr UINT IDC_SS_SCRTOTAL_SERIES[2] = {697, 847};
constexpr UINT IDC_SS_HANDICAP[2][4] = {{712, 713, 714, 716}, {854, 855, 856, 858}};
constexpr UINT IDC_SS_HANDICAP_SERIES[2] = {701, 849};
constexpr UINT IDC_SS_HCPTOTAL[2][4] = {{708, 709, 710, 711}, {850, 851, 852, 853}};
constexpr UINT IDC_SS_HCPTOTAL_SERIES[2] = {698, 848};
constexpr UINT IDC_SS_POINTS_SCR[2] = {715, 857};
constexpr UINT IDC_SS_POINTS_HCP[2] = {720, 862};
constexpr UINT IDC_SS_PLAYED[2] = {1232, 1236};
constexpr UINT IDC_SS_DATE_PLAYED[2] = {1234, 1238};
constexpr UINT IDC_SS_CHANGE_DATE[2] = {1231, 1235};
constexpr UINT IDC_SS_DEFAULTED[2][4] = {{1460, 1461, 1462, 1463}, {1456, 1457, 1458, 1459}};
constexpr UINT IDC_SS_SUBS[2] = {682, 683};
constexpr UINT IDC_SS_BLINDS[2] = {699, 740};
constexpr UINT IDC_SS_EXCLUDE_FIVES[2] = {1473, 1474};
constexpr UINT IDC_SS_EXCLUDE[2] = {1474, 1475};
constexpr UINT IDC_SS_HEAD_G[2][4] = {{0, 882, 881, 700}, {0, 883, 880, 723}};  // no id for "G1"
constexpr UINT IDC_SS_HEAD_HC[2] = {692, 693};
// Labels the program hides with their rows (no fixed number of their own).
constexpr UINT IDC_SS_HEAD_HCPSERIES[2] = {1906, 1907};
constexpr UINT IDC_SS_LABEL_HANDICAP[2] = {1908, 1909};
constexpr UINT IDC_SS_LABEL_HCPTOTAL[2] = {1910, 1911};
constexpr UINT IDC_SS_LABEL_POINTS_HCP[2] = {1912, 1913};
constexpr UINT IDC_SS_LABEL_WITH_HCP[2] = {1914, 1915};  // singles

// The singles sheet's own rows: the scores with handicap under each side's score row.
constexpr UINT IDC_SS1_HCPSCORE[2][4] = {{693, 694, 695, 696}, {789, 790, 791, 792}};
constexpr UINT IDC_SS1_HCPSCORE_SERIES[2] = {691, 788};
constexpr UINT IDC_SS1_LABEL_POINTS_SCR[2] = {887, 888};
constexpr UINT IDC_SS1_LABEL_POINTS_HCP[2] = {885, 886};
constexpr UINT IDC_SS1_HEAD_HC_B = 742;
constexpr UINT IDC_SS1_HEAD_G4_B = 701;

// Dialog-wide.
constexpr UINT IDC_SS_AWARDS = 1089;
constexpr UINT IDC_SS_NEW_PLAYER = 594;
constexpr UINT IDC_SS_POINTS = 1172;
constexpr UINT IDC_SS_AUTO_TAB = 1438;
constexpr UINT IDC_SS_STATUS = 865;

// ---- Selection dialogs. ----
// "Select a Round": the rounds in columns.
constexpr UINT IDD_SELECT_ROUND = 178;
constexpr UINT IDC_SELECT_ROUND_LIST = 1001;
// "Select Fixture".
constexpr UINT IDD_SELECT_FIXTURE = 171;
constexpr UINT IDC_SELECT_FIXTURE_LIST = 1002;
// "Set Round Number".
constexpr UINT IDD_SET_ROUND = 215;
constexpr UINT IDC_SET_ROUND_NUMBER = 1003;
// "Select Teams" and "Select Team(s) for Display/Printing": the same list id in both.
constexpr UINT IDD_SELECT_TEAMS = 227;
constexpr UINT IDD_SELECT_TEAMS_PRINT = 218;
constexpr UINT IDC_SELECT_TEAMS_LIST = 1004;
constexpr UINT IDC_SELECT_TEAMS_MATCH_SEQ = 1005;
constexpr UINT IDC_SELECT_TEAMS_WEEK = 1006;
// "Select Bowler(s) for Display/Printing".
constexpr UINT IDD_SELECT_BOWLERS = 201;
constexpr UINT IDC_SELECT_BOWLERS_LIST = 1007;
// "Qualifying % for Individual Hi Awards": High Average, High Individual Game, High
// Individual Series, Most Improved Bowler, Games Over Average.
constexpr UINT IDD_HI_AWARD_QUALIFY = 231;
constexpr UINT IDC_HAQ_PCT[5] = {1008, 1009, 1010, 1011, 1012};
constexpr UINT IDC_HAQ_GAMES_OVER_ENTERING = 1013;
constexpr UINT IDC_HAQ_EXCLUDE_FLOATING = 1014;
constexpr UINT IDC_HAQ_EXCLUDE_PACERS = 1015;

// ---- The scoresheet's companions. ----
// "Enter date and Time": one side's date played.
constexpr UINT IDD_ENTER_DATE_TIME = 345;
constexpr UINT IDC_DT_MINUTE = 351;
constexpr UINT IDC_DT_HOUR = 350;
constexpr UINT IDC_DT_MONTH = 261;
constexpr UINT IDC_DT_DAY = 247;
constexpr UINT IDC_DT_YEAR = 248;
constexpr UINT IDC_DT_LINE1 = 1230;
constexpr UINT IDC_DT_LINE2 = 1231;
constexpr UINT IDC_DT_LINE3 = 1232;
constexpr UINT IDC_DT_WEEKDAY = 1229;
constexpr UINT IDC_DT_BOTH_TEAMS = 1253;

// "Exclude Games from Hi Game/Series": a box per position (rows) and game (columns).
constexpr UINT IDD_EXCLUDE_GAMES = 388;
constexpr UINT IDC_EXCL_BOX[5][4] = {
    {867, 868, 869, 870}, {871, 873, 874, 875}, {876, 878, 879, 880}, {881, 883, 885, 887}, {882, 884, 886, 888}};
constexpr UINT IDC_EXCL_PLAYER[5] = {335, 337, 338, 339, 336};
constexpr UINT IDC_EXCL_TEAM = 158;
constexpr UINT IDC_EXCL_ENTERING_AVG[5] = {1477, 1478, 1479, 1480, 1481};
constexpr UINT IDC_EXCL_ENTERING_TOTAL = 1482;

// "Substitutes": the position pickers, one per size of two to five bowlers.
constexpr UINT IDD_FIVES_SUBSTITUTES = 255;
constexpr UINT IDD_FOURS_SUBSTITUTES = 258;
constexpr UINT IDD_THREES_SUBSTITUTES = 262;
constexpr UINT IDD_DOUBLES_SUBSTITUTES = 266;
constexpr UINT IDC_SUBS_TEAM = 220;
constexpr UINT IDC_SUBS_POSITION[5] = {335, 337, 338, 339, 340};

// "Substitutions": one position's bowler, handicap, score and marks per game.
constexpr UINT IDD_SUBSTITUTIONS = 222;
constexpr UINT IDC_SUB_PLAYER[4] = {350, 351, 352, 353};
constexpr UINT IDC_SUB_HCP[4] = {604, 605, 606, 613};
constexpr UINT IDC_SUB_SCORE[4] = {615, 616, 617, 618};
constexpr UINT IDC_SUB_NONQUAL[4] = {607, 608, 609, 614};
constexpr UINT IDC_SUB_PACER[4] = {619, 620, 621, 622};
constexpr UINT IDC_SUB_GAME_LABEL[4] = {0, 1037, 1036, 873};  // no id for "1"
constexpr UINT IDC_SUB_HCAP_LABEL = 1055;
constexpr UINT IDC_SUB_ASSIGN_ALL = 896;
constexpr UINT IDC_SUB_FROM_FLOATING = 610;
constexpr UINT IDC_SUB_FROM_TEAM = 611;
constexpr UINT IDC_SUB_FROM_LEAGUE = 612;

// "Blind Scores": one per size.
constexpr UINT IDD_FIVES_BLIND_SCORES = 254;
constexpr UINT IDD_FOURS_BLIND_SCORES = 259;
constexpr UINT IDD_THREES_BLIND_SCORES = 263;
constexpr UINT IDD_DOUBLES_BLIND_SCORES = 267;
constexpr UINT IDD_SINGLES_BLIND_SCORES = 272;
constexpr UINT IDC_BLIND_TEAM = 220;
constexpr UINT IDC_BLIND_BOWLER[5] = {872, 889, 890, 891, 892};
constexpr UINT IDC_BLIND_BOX[5][4] = {
    {867, 868, 869, 870}, {871, 873, 874, 875}, {876, 878, 879, 880}, {881, 883, 885, 887}, {882, 884, 886, 888}};

// "Points Analysis": one per size of two to five bowlers.
constexpr UINT IDD_FIVES_POINTS_ANALYSIS = 357;
constexpr UINT IDD_FOURS_POINTS_ANALYSIS = 358;
constexpr UINT IDD_THREES_POINTS_ANALYSIS = 359;
constexpr UINT IDD_DOUBLES_POINTS_ANALYSIS = 360;
constexpr UINT IDC_PA_TEAM[2] = {160, 163};
constexpr UINT IDC_PA_MATCH_POINTS[2] = {1340, 1341};
// [side][row][column]: rows Player 1..5, Team, Totals, Bonus; columns G1..G4, Ser.
constexpr UINT IDC_PA_CELL[2][8][5] = {
    {{1309, 1310, 1311, 1312, 1314},
     {1319, 1328, 1332, 1336, 1315},
     {1320, 1329, 1333, 1337, 1316},
     {1321, 1330, 1334, 1338, 1317},
     {1322, 1331, 1335, 1339, 1318},
     {1323, 1324, 1325, 1326, 1327},
     {1342, 1343, 1344, 1345, 1346},
     {1383, 1384, 1385, 1386, 1387}},
    {{1313, 1347, 1348, 1349, 1350},
     {1352, 1353, 1354, 1355, 1351},
     {1357, 1358, 1359, 1360, 1356},
     {1362, 1363, 1364, 1365, 1361},
     {1367, 1368, 1369, 1370, 1366},
     {1371, 1372, 1373, 1374, 1375},
     {1376, 1377, 1378, 1379, 1380},
     {1388, 1389, 1390, 1391, 1392}}};
constexpr int PA_ROW_TEAM = 5, PA_ROW_TOTALS = 6, PA_ROW_BONUS = 7;
constexpr UINT IDC_PA_HANDICAP = 216;
constexpr UINT IDC_PA_SCRATCH = 113;
constexpr UINT IDC_PA_BONUS_DETAIL = 990;

// "Enter Award Information".
constexpr UINT IDD_ENTER_AWARD = 319;
constexpr UINT IDC_AWARD_CATEGORY = 1085;
constexpr UINT IDC_AWARD_PLAYER = 1086;
constexpr UINT IDC_AWARD_GAME = 252;
constexpr UINT IDC_AWARD_ROUND = 250;
constexpr UINT IDC_AWARD_DATE = 1088;

// "Rounds to be displayed": the span of rounds of a team's results display.
constexpr UINT IDD_ROUNDS_DISPLAYED = 394;
constexpr UINT IDC_ROUNDS_START = 1183;
constexpr UINT IDC_ROUNDS_LAST = 1184;

// ---- Points adjustments and make-up lane override. ----
// "Fixture Points Adjustments": a hand correction of each side's league points.
constexpr UINT IDD_FIXTURE_POINTS_ADJUST = 375;
constexpr UINT IDC_FPA_ROUND_DUE = 1088;
constexpr UINT IDC_FPA_TEAM_A = 1429;
constexpr UINT IDC_FPA_TEAM_B = 1430;
constexpr UINT IDC_FPA_ADJUST_A = 1431;
constexpr UINT IDC_FPA_ADJUST_B = 1432;
constexpr UINT IDC_FPA_SYSTEM = 113;

// "Makeup Game Lane Override": the lanes printed on one match's score sheet.
constexpr UINT IDD_MAKEUP_LANE_OVERRIDE = 377;
constexpr UINT IDC_MLO_ROUND = 988;
constexpr UINT IDC_MLO_TEAM_A = 160;
constexpr UINT IDC_MLO_TEAM_B = 163;
constexpr UINT IDC_MLO_LANES = 1440;
constexpr UINT IDC_MLO_UP = 594;
constexpr UINT IDC_MLO_DOWN = 595;
constexpr UINT IDC_MLO_CANCELLED = 321;
// ---- end of points adjustments and lane override ----
