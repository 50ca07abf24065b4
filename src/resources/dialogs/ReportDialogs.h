#pragma once
// Dialog and control ids of the report items' option dialogs (src/reports).
#include "framework/ui/UiTypes.h"

// "Secretary's Note.": the notes item's title, body and fonts.
constexpr UINT IDD_SECRETARY_NOTE = 233;
constexpr UINT IDC_NOTE_TITLE = 681;
constexpr UINT IDC_NOTE_TITLE_ALIGN = 1190;
constexpr UINT IDC_NOTE_HEADING_FONT_DESC = 1200;
constexpr UINT IDC_NOTE_BODY_FONT_DESC = 1201;
constexpr UINT IDC_NOTE_HEADING_FONT = 1202;
constexpr UINT IDC_NOTE_BODY_FONT = 595;
constexpr UINT IDC_NOTE_BODY = 647;
constexpr UINT IDC_NOTE_CENTRE_BODY = 1495;

// "Edit line details": the line item's spacing, width and thickness.
constexpr UINT IDD_EDIT_LINE = 242;
constexpr UINT IDC_LINE_SPACE_BEFORE = 1256;
constexpr UINT IDC_LINE_WIDTH = 1257;
constexpr UINT IDC_LINE_SPACE_AFTER = 1258;
constexpr UINT IDC_LINE_THICKNESS = 1259;

// ==== small layout items ====
// "Outstanding Matches.": the heading's text, alignment and print-always flag, the two fonts.
constexpr UINT IDD_OUTSTANDING_MATCHES = 334;
constexpr UINT IDC_OM_TITLE = 681;
constexpr UINT IDC_OM_HEADING_DESC = 1189;
constexpr UINT IDC_OM_HEADING_FONT = 1192;
constexpr UINT IDC_OM_PRINT_ALWAYS = 1193;
constexpr UINT IDC_OM_ALIGN = 1190;
constexpr UINT IDC_OM_DETAIL_DESC = 1191;
constexpr UINT IDC_OM_DETAIL_FONT = 595;

// "Date Setup": the date item's style with a sample, alignment, spaces and font.
constexpr UINT IDD_DATE_SETUP = 336;
constexpr UINT IDC_DATE_SAMPLE = 1194;
constexpr UINT IDC_DATE_STYLE = 1197;
constexpr UINT IDC_DATE_ALIGN = 1190;
constexpr UINT IDC_DATE_SPACE_BEFORE = 1199;
constexpr UINT IDC_DATE_SPACE_AFTER = 1200;
constexpr UINT IDC_DATE_FONT = 1195;
constexpr UINT IDC_DATE_FONT_DESC = 1196;

// "Edit Subheading": the sub-heading's text, font, alignment and spaces.
constexpr UINT IDD_EDIT_SUBHEADING = 287;
constexpr UINT IDC_SUBHEAD_TEXT = 984;
constexpr UINT IDC_SUBHEAD_FONT = 1227;
constexpr UINT IDC_SUBHEAD_FONT_DESC = 1196;
constexpr UINT IDC_SUBHEAD_ALIGN = 350;
constexpr UINT IDC_SUBHEAD_SPACE_BEFORE = 673;
constexpr UINT IDC_SUBHEAD_SPACE_AFTER = 674;
// ==== end of small layout items ====

// ==== players' statistics list and team details ====
// "Select Players to be Listed": the players' statistics list's options.
constexpr UINT IDD_SELECT_PLAYERS_LISTED = 243;
constexpr UINT IDC_SPL_GROUP = 350;
constexpr UINT IDC_SPL_SCORING = 216;
constexpr UINT IDC_SPL_BY_TEAM = 982;
constexpr UINT IDC_SPL_TWO_COLUMN = 588;
constexpr UINT IDC_SPL_THREE_COLUMN = 589;
// "Printing Setup": teams per page of the team details display.
constexpr UINT IDD_PRINTING_SETUP = 219;
constexpr UINT IDC_TEAMS_PER_PAGE = 1016;
// ==== end of players' statistics list and team details ====

// "Results Summary": a result summary's kinds of points, format and fonts.
constexpr UINT IDD_RESULTS_SUMMARY = 285;
constexpr UINT IDC_RS_TITLE_FONT = 1300;
constexpr UINT IDC_RS_DETAIL_FONT = 1301;
constexpr UINT IDC_RS_WIN_FONT = 1302;
constexpr UINT IDC_RS_LOSE_FONT = 1303;
constexpr UINT IDC_RS_TITLE_DESC = 1304;
constexpr UINT IDC_RS_DETAIL_DESC = 1305;
constexpr UINT IDC_RS_WIN_DESC = 1306;
constexpr UINT IDC_RS_LOSE_DESC = 1307;
constexpr UINT IDC_RS_HCP_POINTS = 1308;
constexpr UINT IDC_RS_SCR_POINTS = 1309;
constexpr UINT IDC_RS_HCP_PYRAMID = 1310;
constexpr UINT IDC_RS_SCR_PYRAMID = 1311;
constexpr UINT IDC_RS_HCP_PETERSEN = 1312;
constexpr UINT IDC_RS_SCR_PETERSEN = 1313;
constexpr UINT IDC_RS_FORMAT = 1314;

// "Fixtures by Week.": the two fonts of a round's fixture list.
constexpr UINT IDD_FIXTURES_BY_WEEK = 350;
constexpr UINT IDC_FW_HEADING_FONT = 1192;
constexpr UINT IDC_FW_HEADING_DESC = 1189;
constexpr UINT IDC_FW_DETAIL_FONT = 595;
constexpr UINT IDC_FW_DETAIL_DESC = 1191;
constexpr UINT IDC_FW_APPLY_TO_ALL = 1238;

// ==== high-score items ====
// "Team Stats", "Individual Hi Stats", "Weekly Hi Stats": four columns each, with the
// controls of a column at the same ids in all three (the team dialog has no group, class or
// Teams controls, the individual one no Teams box).
constexpr UINT IDD_INDIVIDUAL_HI_STATS = 247;
constexpr UINT IDD_TEAM_STATS = 249;
constexpr UINT IDD_WEEKLY_HI_STATS = 268;
constexpr UINT IDC_HS_GROUP[4] = {350, 351, 352, 354};
constexpr UINT IDC_HS_STATISTIC[4] = {353, 356, 357, 358};
constexpr UINT IDC_HS_BASIS[4] = {604, 605, 606, 607};
constexpr UINT IDC_HS_CLASS[4] = {608, 609, 610, 611};
constexpr UINT IDC_HS_TEAMS[4] = {911, 912, 913, 914};
constexpr UINT IDC_HS_UNUSED[4] = {674, 675, 676, 677};
constexpr UINT IDC_HS_ENTRIES = 251;
constexpr UINT IDC_HS_HEADING_FONT = 1192;
constexpr UINT IDC_HS_DETAIL_FONT = 595;
constexpr UINT IDC_HS_HEADING_DESC = 1214;
constexpr UINT IDC_HS_WEEK_HEADING_DESC = 1189;
constexpr UINT IDC_HS_DETAIL_DESC = 1191;
constexpr UINT IDC_HS_APPLY_FONTS = 1238;
// The template of one of the three dialogs by its id.
struct DlgTemplate;
DlgTemplate HiStatsDialogTemplate(UINT nIDD);
// ==== end of high-score items ====
// ==== score sheets ====
// "Scoresheet Style": the league's score-sheet style.
constexpr UINT IDD_SCORESHEET_STYLE = 325;
constexpr UINT IDC_SSS_PER_PAGE = 1116;
constexpr UINT IDC_SSS_PLAYER_LINES = 1261;
constexpr UINT IDC_SSS_SPACE_FOR_ALL = 1262;
constexpr UINT IDC_SSS_FILL_NAMES = 1120;
constexpr UINT IDC_SSS_TEAM_AVERAGE = 1142;
constexpr UINT IDC_SSS_NEXT_OPPONENTS = 1043;
constexpr UINT IDC_SSS_SIDE_BY_SIDE = 1044;
constexpr UINT IDC_SSS_SEC_TREAS_LANES = 1293;
constexpr UINT IDC_SSS_PLAYER_STATS = 1119;
constexpr UINT IDC_SSS_NOTE = 1121;
constexpr UINT IDC_SSS_DESIGN_STATS = 1263;
constexpr UINT IDC_SSS_EDIT_NOTE = 1264;
constexpr UINT IDC_SSS_HEADER_FONT = 1192;
constexpr UINT IDC_SSS_NAMES_FONT = 5;
constexpr UINT IDC_SSS_HEADER_DESC = 1189;
constexpr UINT IDC_SSS_NAMES_DESC = 1190;
// ==== end of score sheets ====

// ==== player list ====
// "Player List Additional Items": what the player list shows besides the names, and its fonts.
constexpr UINT IDD_PLAYER_LIST_ITEMS = 310;
constexpr UINT IDC_PL_NAME = 208;
constexpr UINT IDC_PL_PHONES = 223;
constexpr UINT IDC_PL_BIRTH_DATE = 211;
constexpr UINT IDC_PL_MEMBERSHIP_NO = 212;
constexpr UINT IDC_PL_PIN = 213;
constexpr UINT IDC_PL_ADDRESS = 214;
constexpr UINT IDC_PL_MEMBERSHIP_TYPE = 215;
constexpr UINT IDC_PL_USER1 = 983;
constexpr UINT IDC_PL_USER2 = 984;
constexpr UINT IDC_PL_DETAIL_FONT = 1227;
constexpr UINT IDC_PL_DETAIL_DESC = 1196;
constexpr UINT IDC_PL_NAME_FONT = 1228;
constexpr UINT IDC_PL_NAME_DESC = 1197;
constexpr UINT IDC_PL_TITLE_FONT = 1229;
constexpr UINT IDC_PL_TITLE_DESC = 1198;
// ==== end of player list ====

// ==== custom table designers ====
// The controls the two designers share, at the same ids in both.
constexpr UINT IDC_CD_KIND = 1210;
constexpr UINT IDC_CD_TYPE = 1072;
constexpr UINT IDC_CD_JUSTIFY = 1190;
constexpr UINT IDC_CD_WIDTH = 671;
constexpr UINT IDC_CD_TITLE = 681;
constexpr UINT IDC_CD_CENTRE = 1219;
constexpr UINT IDC_CD_USED = 1211;
constexpr UINT IDC_CD_FREE = 1212;
constexpr UINT IDC_CD_TOO_LONG = 1255;
constexpr UINT IDC_CD_TITLE_FONT = 1192;
constexpr UINT IDC_CD_DETAIL_FONT = 595;
constexpr UINT IDC_CD_TITLE_FONT_DESC = 1214;
constexpr UINT IDC_CD_DETAIL_FONT_DESC = 1191;
constexpr UINT IDC_CD_COLUMNS = 673;
constexpr UINT IDC_CD_ADD = 632;
constexpr UINT IDC_CD_LEFT = 633;
constexpr UINT IDC_CD_RIGHT = 634;
constexpr UINT IDC_CD_DELETE = 626;
// "Custom Standings Report Designer.": position colours and the points of a combined table.
constexpr UINT IDD_CUSTOM_STANDINGS_DESIGNER = 338;
constexpr UINT IDC_CSD_COLOUR[3] = {1203, 1204, 1205};
constexpr UINT IDC_CSD_COLOUR_NAME[3] = {1206, 1207, 1208};
constexpr UINT IDC_CSD_ADD_HCP = 1410;
constexpr UINT IDC_CSD_ADD_SCR = 1411;
constexpr UINT IDC_CSD_ADD_PYRAMID_SCR = 1412;
constexpr UINT IDC_CSD_ADD_PYRAMID_HCP = 1413;
// "Design Custom Player Stats": layout, ranked list, list by team, default fonts.
constexpr UINT IDD_DESIGN_CUSTOM_PLAYER_STATS = 341;
constexpr UINT IDC_CPD_LAYOUT = 1221;
constexpr UINT IDC_CPD_BY_TEAM = 1223;
constexpr UINT IDC_CPD_SUBS_ONLY = 1461;
constexpr UINT IDC_CPD_TEAM_AVERAGES = 1436;
constexpr UINT IDC_CPD_TOTAL_STYLE = 1439;
constexpr UINT IDC_CPD_GAP = 1291;
constexpr UINT IDC_CPD_MALE = 1226;
constexpr UINT IDC_CPD_FEMALE = 1227;
constexpr UINT IDC_CPD_JUNIOR = 1228;
constexpr UINT IDC_CPD_RANK = 1224;
constexpr UINT IDC_CPD_APPLY_TO_ALL = 1238;
constexpr UINT IDC_CPD_MAKE_DEFAULT = 1061;
// The template of one of the two designers by its id.
DlgTemplate CustomDesignerTemplate(UINT nIDD);
// ==== end of custom table designers ====
// ==== awards item ====
// "Awards Report Items.": the hi-award listing's four columns or the individual award report.
constexpr UINT IDD_AWARDS_REPORT_ITEMS = 521;
constexpr UINT IDC_AR_HI_STYLE = 1601;
constexpr UINT IDC_AR_INDIVIDUAL = 1602;
constexpr UINT IDC_AR_TO_LIST = 1603;
constexpr UINT IDC_AR_COL_AWARD[4] = {1604, 1605, 1606, 1607};
constexpr UINT IDC_AR_COL_FILTER[4] = {1608, 1609, 1610, 1611};
constexpr UINT IDC_AR_COL_NOT_USED[4] = {1612, 1613, 1614, 1615};
constexpr UINT IDC_AR_IND_AWARD = 1616;
constexpr UINT IDC_AR_IND_FILTER = 1617;
constexpr UINT IDC_AR_ALL_ROUNDS = 1618;
constexpr UINT IDC_AR_ALL_AWARDS = 1619;
constexpr UINT IDC_AR_CURRENT_WEEK = 1620;
constexpr UINT IDC_AR_ROUND_FROM = 1621;
constexpr UINT IDC_AR_ROUND_TO = 1622;
constexpr UINT IDC_AR_FIRST_ONLY = 1623;
constexpr UINT IDC_AR_HIGHEST_ONLY = 1624;
constexpr UINT IDC_AR_EXCLUDE_RESIGNED = 1625;
constexpr UINT IDC_AR_TITLE = 1626;
constexpr UINT IDC_AR_HDR_FONT = 1627;
constexpr UINT IDC_AR_DETAIL_FONT = 1628;
constexpr UINT IDC_AR_HDR_DESC = 1629;
constexpr UINT IDC_AR_DETAIL_DESC = 1630;
constexpr UINT IDC_AR_APPLY_FONTS = 1631;
// ==== end of awards item ====

// ==== best games and round analysis ====
// "Best Games Series": the best games and series item's options.
constexpr UINT IDD_BEST_GAMES_SERIES = 365;
constexpr UINT IDC_BG_BASIS = 169;
constexpr UINT IDC_BG_GROUP = 1328;
constexpr UINT IDC_BG_KIND = 986;
constexpr UINT IDC_BG_COUNT = 1099;
constexpr UINT IDC_BG_COLUMNS = 899;
constexpr UINT IDC_BG_FIRST_ROUND = 1100;
constexpr UINT IDC_BG_LAST_ROUND = 1101;
constexpr UINT IDC_BG_CURRENT_ROUND = 1050;
constexpr UINT IDC_BG_HEADER_FONT = 1192;
constexpr UINT IDC_BG_HEADER_DESC = 1189;
constexpr UINT IDC_BG_DETAIL_FONT = 595;
constexpr UINT IDC_BG_DETAIL_DESC = 1191;
constexpr UINT IDC_BG_WHO = 1437;
// "Round Statistics": the round analysis item's span, league kind, general totals and gap,
// fonts, and ten statistic rows.
constexpr UINT IDD_ROUND_STATISTICS = 369;
constexpr UINT IDC_RA_CURRENT_ROUND = 1050;
constexpr UINT IDC_RA_ALL_ROUNDS = 1051;
constexpr UINT IDC_RA_FIRST_ROUND = 1067;
constexpr UINT IDC_RA_LAST_ROUND = 1068;
constexpr UINT IDC_RA_LEAGUE_KIND = 216;
constexpr UINT IDC_RA_STYLE = 899;
constexpr UINT IDC_RA_HEADER_FONT = 1192;
constexpr UINT IDC_RA_HEADER_DESC = 1189;
constexpr UINT IDC_RA_DETAIL_FONT = 595;
constexpr UINT IDC_RA_DETAIL_DESC = 1191;
constexpr UINT IDC_RA_GENERAL = 1407;
constexpr UINT IDC_RA_GAP = 1069;
constexpr UINT IDC_RA_ENABLED[10] = {1334, 1335, 1336, 1337, 1338, 1339, 1340, 1341, 1342, 1343};
constexpr UINT IDC_RA_STATISTIC[10] = {1355, 1356, 1357, 1358, 1359, 1360, 1361, 1362, 1363, 1364};
constexpr UINT IDC_RA_GROUP[10] = {1346, 1366, 1367, 1368, 1369, 1370, 1371, 1372, 1373, 1374};
constexpr UINT IDC_RA_CLASS[10] = {1347, 1350, 1353, 1375, 1378, 1381, 1384, 1387, 1390, 1393};
constexpr UINT IDC_RA_BASIS[10] = {1396, 1397, 1398, 1399, 1400, 1401, 1402, 1403, 1404, 1405};
constexpr UINT IDC_RA_MEASURE[10] = {1056, 1057, 1058, 1059, 1060, 1061, 1062, 1063, 1064, 1065};
constexpr UINT IDC_RA_FROM[10] = {1348, 1351, 1354, 1376, 1379, 1382, 1385, 1388, 1391, 1394};
constexpr UINT IDC_RA_TO[10] = {1349, 1352, 1365, 1377, 1380, 1383, 1386, 1389, 1392, 1395};
DlgTemplate RoundStatisticsTemplate();
// ==== end of best games and round analysis ====
// ==== team report ====
// "Team Stats Setup": sixteen score thresholds, the split row's check box and its kind label.
constexpr UINT IDD_TEAM_STATS_SETUP = 289;
constexpr UINT IDC_TSS_VALUE[16] = {988, 989, 990, 991, 992, 993, 994, 995, 996, 1006, 1008, 1010, 1012, 1014, 1016, 1018};
constexpr UINT IDC_TSS_KIND[16] = {997, 998, 999, 1000, 1001, 1002, 1003, 1004, 1005, 1007, 1009, 1011, 1013, 1015, 1017, 1019};
constexpr UINT IDC_TSS_SPLIT[16] = {1240, 1241, 1242, 1243, 1244, 1245, 1246, 1247,
                                    1248, 1249, 1250, 1251, 1252, 1253, 1254, 1255};
constexpr UINT IDC_TSS_NO_ZEROS = 1020;
DlgTemplate TeamStatsSetupTemplate();
// ==== end of team report ====
// ==== venue report ====
// "Venue Hi Stats Style": the venue report's two fonts and the entries listed.
constexpr UINT IDD_VENUE_HI_STATS_STYLE = 387;
constexpr UINT IDC_VHS_HEADER_FONT = 1192;
constexpr UINT IDC_VHS_HEADER_DESC = 1468;
constexpr UINT IDC_VHS_DETAIL_FONT = 595;
constexpr UINT IDC_VHS_DETAIL_DESC = 1469;
constexpr UINT IDC_VHS_NUMBER = 1099;
// ==== end of venue report ====

// ==== floating substitutes and average busters ====
// "Floating Subs Report Item Fonts": the three fonts and the column layout.
constexpr UINT IDD_FLOATING_SUBS_FONTS = 348;
constexpr UINT IDC_FS_TITLE_FONT = 1202;
constexpr UINT IDC_FS_TITLE_DESC = 1214;
constexpr UINT IDC_FS_HEADING_FONT = 1192;
constexpr UINT IDC_FS_HEADING_DESC = 1189;
constexpr UINT IDC_FS_DETAIL_FONT = 595;
constexpr UINT IDC_FS_DETAIL_DESC = 1191;
constexpr UINT IDC_FS_COLUMNS = 1221;
// "Average Busters report item": the two fonts, the number to display, the current round.
constexpr UINT IDD_AVG_BUSTERS_ITEM = 390;
constexpr UINT IDC_AB_HEADER_FONT = 594;
constexpr UINT IDC_AB_HEADER_DESC = 1482;
constexpr UINT IDC_AB_DETAIL_FONT = 595;
constexpr UINT IDC_AB_DETAIL_DESC = 1483;
constexpr UINT IDC_AB_DISPLAY = 1099;
constexpr UINT IDC_AB_CURRENT_ROUND = 1498;
// ==== end of floating substitutes and average busters ====
// ==== junior reports ====
// "Juniors Report Fonts": a button and the description of each of the five fonts.
constexpr UINT IDD_JUNIOR_REPORT_FONTS = 380;
constexpr UINT IDC_JRF_TITLE = 681;
constexpr UINT IDC_JRF_ADMIN_HEADING = 594;
constexpr UINT IDC_JRF_ADMIN_DETAIL = 595;
constexpr UINT IDC_JRF_STATS_HEADING = 596;
constexpr UINT IDC_JRF_STATS_DETAIL = 597;
// The description beside button k (in the order above) is IDC_JRF_DESC + k.
constexpr UINT IDC_JRF_DESC = 1447;
// ==== end of junior reports ====
