#pragma once
// The league's rule dialogs: handicap details, the two scoring systems, the two standings
// sequences and the vacancy/robot scores.
#include "framework/ui/UiTypes.h"

// "Handicap Details". Rows: 0 combined, 1 men, 2 women, 3 juniors.
constexpr UINT IDD_HANDICAP_DETAILS = 460;
constexpr UINT IDC_HD_ROW[4] = {1001, 1002, 1003, 1004};        // "Combined", "Men", ...
constexpr UINT IDC_HD_PERCENT[4] = {1011, 1012, 1013, 1014};
constexpr UINT IDC_HD_BASIS[4] = {1021, 1022, 1023, 1024};
constexpr UINT IDC_HD_MAX[4] = {1031, 1032, 1033, 1034};
constexpr UINT IDC_HD_APPLY_MAX[4] = {1041, 1042, 1043, 1044};
constexpr UINT IDC_HD_APPLY_MIN[4] = {1051, 1052, 1053, 1054};
constexpr UINT IDC_HD_MIN[4] = {1061, 1062, 1063, 1064};
constexpr UINT IDC_HD_TEAM_ENABLED = 1070;
constexpr UINT IDC_HD_ZERO_BASED = 1071;
constexpr UINT IDC_HD_USE_COMBINED = 1072;
constexpr UINT IDC_HD_ROUND1_SCRATCH = 1073;
constexpr UINT IDC_HD_DROP5 = 1074;
constexpr UINT IDC_HD_DROP5_GAMES = 1075;
constexpr UINT IDC_HD_DROP5_PINS = 1076;
constexpr UINT IDC_HD_ENTERING_GAMES = 1077;
constexpr UINT IDC_HD_CUTOFF = 1078;
constexpr UINT IDC_HD_RECALC_FREQ = 1079;
constexpr UINT IDC_HD_FLOAT_SERIES = 1080;
constexpr UINT IDC_HD_SCRATCH_GAMES = 1081;
constexpr UINT IDC_HD_ROLLING = 1082;
constexpr UINT IDC_HD_ROLLING_LABEL = 1083;
constexpr UINT IDC_HD_ROLLING_GAMES = 1084;
constexpr UINT IDC_HD_FULL_AVG_HI = 1085;
constexpr UINT IDC_HD_PLAYING_AVG_MI = 1086;
constexpr UINT IDC_HD_SHOW_NEG_MI = 1087;

// "Handicap Scoring System" and "Scratch Scoring System": the same controls.
constexpr UINT IDD_HANDICAP_SCORING = 461;
constexpr UINT IDD_SCRATCH_SCORING = 462;
constexpr UINT IDC_SC_INDIVIDUAL = 1101;                            // "Individ"
constexpr UINT IDC_SC_TEAM = 1102;                                  // "Team"
constexpr UINT IDC_SC_IND_GAME[4] = {1111, 1112, 1113, 1114};
constexpr UINT IDC_SC_TEAM_GAME[4] = {1121, 1122, 1123, 1124};
constexpr UINT IDC_SC_IND_SERIES = 1115;
constexpr UINT IDC_SC_TEAM_SERIES = 1125;
constexpr UINT IDC_SC_IND_TOTAL = 1116;
constexpr UINT IDC_SC_TEAM_TOTAL = 1126;
constexpr UINT IDC_SC_BONUS = 1130;
constexpr UINT IDC_SC_MAX = 1131;
constexpr UINT IDC_SC_CYCLE = 1132;
constexpr UINT IDC_SC_MOST_WINS = 1133;
constexpr UINT IDC_SC_BLIND = 1134;
constexpr UINT IDC_SC_PP_ENABLED = 1140;
constexpr UINT IDC_SC_PP_COLUMN[5] = {1141, 1142, 1143, 1144, 1145};  // games 1-4, series
constexpr UINT IDC_SC_PP_PINS[5] = {1151, 1152, 1153, 1154, 1155};
constexpr UINT IDC_SC_PP_HUNDREDTHS = 1160;  // "Score remaining pins as 0.01 points per pin."
constexpr UINT IDC_SC_PP_PERCENT = 1161;     // "Score remaining pins as a pct of 1 point."

// "Handicap Standings Sequence " and "Scratch Standings Sequence ".
constexpr UINT IDD_HANDICAP_STANDINGS_SEQ = 463;
constexpr UINT IDD_SCRATCH_STANDINGS_SEQ = 464;
constexpr UINT IDC_SEQ_KEY[3] = {1201, 1202, 1203};

// "Vacancy/Robot Score(s)": four slots.
constexpr UINT IDD_ROBOT_SCORES = 465;
constexpr UINT IDC_RB_KIND[4] = {1301, 1302, 1303, 1304};
constexpr UINT IDC_RB_FIRST[4] = {1311, 1312, 1313, 1314};          // under "Scr"
constexpr UINT IDC_RB_SECOND[4] = {1321, 1322, 1323, 1324};         // under "Hcp"
constexpr UINT IDC_RB_FIRST_LABEL[4] = {1331, 1332, 1333, 1334};
constexpr UINT IDC_RB_SECOND_LABEL[4] = {1341, 1342, 1343, 1344};
constexpr UINT IDC_RB_DIFF[4] = {1351, 1352, 1353, 1354};           // "(%d)"
constexpr UINT IDC_RB_HCP_NOTE[4] = {1361, 1362, 1363, 1364};       // "(hcp)"
constexpr UINT IDC_RB_EXCLUDE[4] = {1371, 1372, 1373, 1374};        // "**"
constexpr UINT IDC_RB_NO_POINTS = 1380;                             // "Robots cannot gain points."

// "Bonus Points List": the bonus rules, edited in place, and the five bonus settings.
constexpr UINT IDD_BONUS_POINTS_LIST = 286;
constexpr UINT IDC_BP_LIST = 1401;
constexpr UINT IDC_BP_KIND = 1402;          // "Over Average" / "Equals Average"
constexpr UINT IDC_BP_PINS = 1403;
constexpr UINT IDC_BP_POINTS = 1404;
constexpr UINT IDC_BP_SERIES = 1405;
constexpr UINT IDC_BP_HANDICAP = 1406;
constexpr UINT IDC_BP_MEN = 1407;
constexpr UINT IDC_BP_WOMEN = 1408;
constexpr UINT IDC_BP_JUNIORS = 1409;
constexpr UINT IDC_BP_ADD = 1410;
constexpr UINT IDC_BP_CHANGE = 1411;
constexpr UINT IDC_BP_DELETE = 1412;
constexpr UINT IDC_BP_ACCEPT_EQUAL = 1413;
constexpr UINT IDC_BP_HI_HCP = 1414;
constexpr UINT IDC_BP_HI_HCP_POINTS = 1415;
constexpr UINT IDC_BP_HI_SCR = 1416;
constexpr UINT IDC_BP_HI_SCR_POINTS = 1417;

// "Average Buster Setup": the unit, points per game and the points over, on and under average.
constexpr UINT IDD_AVERAGE_BUSTER_SETUP = 389;
constexpr UINT IDC_AB_UNIT = 1480;
constexpr UINT IDC_AB_OVER = 1481;
constexpr UINT IDC_AB_EQUAL = 1482;
constexpr UINT IDC_AB_UNDER = 1483;
constexpr UINT IDC_AB_PER_GAME = 1172;
