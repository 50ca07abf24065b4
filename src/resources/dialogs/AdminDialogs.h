#pragma once
// Dialog and control ids of league set-up and administration (src/admin).
#include "framework/ui/UiTypes.h"

// ==== new league, fixture list, dates, lanes and league size ====
// "New League Details".
constexpr UINT IDD_NEW_LEAGUE = 101;
constexpr UINT IDC_NL_GAMES = 253;
constexpr UINT IDC_NL_PLAYERS = 350;
constexpr UINT IDC_NL_TEAMS = 551;
constexpr UINT IDC_NL_SANCTIONED_BY = 102;
constexpr UINT IDC_NL_SECRETARY = 103;
constexpr UINT IDC_NL_PRESIDENT = 104;
constexpr UINT IDC_NL_TREASURER = 105;
constexpr UINT IDC_NL_LEAGUE_NAME = 106;
constexpr UINT IDC_NL_VICE_PRESIDENT = 107;
constexpr UINT IDC_NL_MAX_PLAYERS = 109;
constexpr UINT IDC_NL_SCRATCH = 113;
constexpr UINT IDC_NL_PRESIDENT_PHONE = 128;
constexpr UINT IDC_NL_TREASURER_PHONE = 129;
constexpr UINT IDC_NL_SECRETARY_PHONE = 130;
constexpr UINT IDC_NL_VICE_PRESIDENT_PHONE = 131;
constexpr UINT IDC_NL_HANDICAP = 169;
constexpr UINT IDC_NL_PYRAMID = 648;
constexpr UINT IDC_NL_SANCTION_ID = 1071;
constexpr UINT IDC_NL_PRIVACY = 1483;

// Shared by the date dialogs: day, month, year, hour and minute, and the weekday name.
constexpr UINT IDC_DATE_DAY = 260;
constexpr UINT IDC_DATE_MONTH = 261;
constexpr UINT IDC_DATE_YEAR = 262;
constexpr UINT IDC_DATE_WEEKDAY = 326;
constexpr UINT IDC_DATE_HOUR = 350;
constexpr UINT IDC_DATE_MINUTE = 351;

// "Set Fixture List".
constexpr UINT IDD_SET_FIXTURE_LIST = 148;
constexpr UINT IDC_SFL_MATCHES = 236;
constexpr UINT IDC_SFL_FREQUENCY = 327;
constexpr UINT IDC_SFL_ROUNDS_PER_INTERVAL = 988;

// "Select Team".
constexpr UINT IDD_SELECT_TEAM = 115;
constexpr UINT IDC_SELECT_TEAM_LIST = 232;

// "Change Date".
constexpr UINT IDD_CHANGE_DATE = 165;
constexpr UINT IDC_CD_PLUS_WEEK = 643;
constexpr UINT IDC_CD_MINUS_WEEK = 644;

// "Reason for free date".
constexpr UINT IDD_FREE_DATE_REASON = 305;
constexpr UINT IDC_FDR_REASON = 988;
constexpr UINT IDC_FDR_INSERT_AFTER = 674;

// "Fixture Dates".
constexpr UINT IDD_FIXTURE_DATES = 401;
constexpr UINT IDC_FD_ROUNDS = 1301;
constexpr UINT IDC_FD_WEEKS = 1302;
constexpr UINT IDC_FD_MINUTES = 1303;
constexpr UINT IDC_FD_ROUNDS_PER_INTERVAL = 1304;
constexpr UINT IDC_FD_RESET_PLAYED = 1305;
constexpr UINT IDC_FD_ADD_FREE_DATE = 1306;
constexpr UINT IDC_FD_DELETE_FREE_WEEK = 1307;
constexpr UINT IDC_FD_RESET_FROM_START = 1308;
constexpr UINT IDC_FD_CHANGE_DATE = 1309;
constexpr UINT IDC_FD_ADD_POSITION = 1310;
constexpr UINT IDC_FD_DELETE_POSITION = 1311;
constexpr UINT IDC_FD_DELETE_FINAL = 1312;
constexpr UINT IDC_FD_SET_TIMES = 1313;

// "Start Time".
constexpr UINT IDD_START_TIME = 402;

// "Add Position Week".
constexpr UINT IDD_ADD_POSITION_WEEK = 403;
constexpr UINT IDC_APW_ROUND = 1321;
constexpr UINT IDC_APW_HANDICAP = 1322;
constexpr UINT IDC_APW_SCRATCH = 1323;

// "Date Played Change Confirmation".
constexpr UINT IDD_DATE_PLAYED_CHANGE = 404;
constexpr UINT IDC_DPC_ROUND = 1331;
constexpr UINT IDC_DPC_TEAM_A = 1332;
constexpr UINT IDC_DPC_TEAM_B = 1333;
constexpr UINT IDC_DPC_TEAM = 1334;
constexpr UINT IDC_DPC_PLAYED = 1335;
constexpr UINT IDC_DPC_OLD_DUE = 1336;
constexpr UINT IDC_DPC_NEW_DUE = 1337;

// "Date Played Change Confirmation" for several teams at once.
constexpr UINT IDD_DATES_PLAYED_CHANGE = 405;
constexpr UINT IDC_DPS_COUNT = 1338;
constexpr UINT IDC_DPS_SIDES = 1339;

// "Lane Schedule".
constexpr UINT IDD_LANE_SCHEDULE = 133;
constexpr UINT IDC_LS_START_LANE = 1341;
constexpr UINT IDC_LS_LAST_LANE = 1342;
constexpr UINT IDC_LS_SPLIT_LANES = 1343;
constexpr UINT IDC_LS_SPLIT_START = 1344;
constexpr UINT IDC_LS_BEFORE_SPLIT = 1345;
constexpr UINT IDC_LS_SPLIT_SESSIONS = 1346;
constexpr UINT IDC_LS_CUSTOM_LANES = 1347;
constexpr UINT IDC_LS_ROLL_MATCHES = 1348;
constexpr UINT IDC_LS_SQUADS = 1349;
constexpr UINT IDC_LS_SQUAD_TIMES = 1350;
constexpr UINT IDC_LS_CUSTOMIZE = 1351;

// "Customize lanes for matches.": 25 edits from IDC_CL_LANE1 on.
constexpr UINT IDD_CUSTOM_LANES = 406;
constexpr UINT IDC_CL_LANE1 = 1360;
constexpr UINT IDC_CL_CYCLE_LEFT = 1390;
constexpr UINT IDC_CL_CYCLE_RIGHT = 1391;

// "Specify Squad Times".
constexpr UINT IDD_SQUAD_TIMES = 407;
constexpr UINT IDC_ST_SQUAD = 1401;
constexpr UINT IDC_ST_DAYS = 1402;
constexpr UINT IDC_ST_HOURS = 1403;
constexpr UINT IDC_ST_MINUTES = 1404;
constexpr UINT IDC_ST_SUMMARY = 1405;
constexpr UINT IDC_ST_FIRST_TIME = 1406;
constexpr UINT IDC_ST_SQUAD_TIME = 1407;

// "Rounds to print.".
constexpr UINT IDD_ROUNDS_TO_PRINT = 232;
constexpr UINT IDC_RP_FIRST = 132;
constexpr UINT IDC_RP_LAST = 646;
constexpr UINT IDC_RP_HEADER_FONT = 1413;
constexpr UINT IDC_RP_DETAIL_FONT = 1414;
constexpr UINT IDC_RP_TITLE_FONT = 1415;
constexpr UINT IDC_RP_CHANGE_HEADER = 1416;
constexpr UINT IDC_RP_CHANGE_DETAIL = 1417;
constexpr UINT IDC_RP_CHANGE_TITLE = 1418;
constexpr UINT IDC_RP_OMIT_LANES = 1470;
constexpr UINT IDC_RP_OMIT_TIME = 1471;
constexpr UINT IDC_RP_LANE_SCHEDULE = 645;

// "New Schedule Rule".
constexpr UINT IDD_NEW_SCHEDULE_RULE = 409;
constexpr UINT IDC_NSR_SYNCHRONIZE = 1431;
constexpr UINT IDC_NSR_RESTART = 1432;

// "Expand The League" and "Contract the league".
constexpr UINT IDD_EXPAND_LEAGUE = 410;
constexpr UINT IDD_CONTRACT_LEAGUE = 411;
constexpr UINT IDC_LSZ_START_ROUND = 1441;
constexpr UINT IDC_LSZ_ROUNDS = 1442;
constexpr UINT IDC_LSZ_TEAMS_TEXT = 1443;
constexpr UINT IDC_LSZ_BEFORE = 1444;
constexpr UINT IDC_LSZ_TOTAL = 1445;
constexpr UINT IDC_LSZ_DROP1 = 1446;
constexpr UINT IDC_LSZ_DROP2 = 1447;
// ==== end ====

// ==== edit league details ====
// "Edit League Details".
constexpr UINT IDD_EDIT_LEAGUE = 134;
constexpr UINT IDC_EL_SANCTIONED_BY = 102;
constexpr UINT IDC_EL_SECRETARY = 103;
constexpr UINT IDC_EL_PRESIDENT = 104;
constexpr UINT IDC_EL_TREASURER = 105;
constexpr UINT IDC_EL_LEAGUE_NAME = 106;
constexpr UINT IDC_EL_VICE_PRESIDENT = 107;
constexpr UINT IDC_EL_MAX_PLAYERS = 109;
constexpr UINT IDC_EL_SCRATCH = 113;
constexpr UINT IDC_EL_PRESIDENT_PHONE = 128;
constexpr UINT IDC_EL_TREASURER_PHONE = 129;
constexpr UINT IDC_EL_SECRETARY_PHONE = 130;
constexpr UINT IDC_EL_VICE_PRESIDENT_PHONE = 131;
constexpr UINT IDC_EL_HANDICAP = 216;
constexpr UINT IDC_EL_PYRAMID = 648;
constexpr UINT IDC_EL_SANCTION_NUMBER = 1071;
constexpr UINT IDC_EL_POSITION_BOTH_WAYS = 1183;
constexpr UINT IDC_EL_TREASURER_TEAM = 1292;
constexpr UINT IDC_EL_SECRETARY_TEAM = 1293;
constexpr UINT IDC_EL_FLOATING_SUBS_TEAM = 1461;
constexpr UINT IDC_EL_FIVE_PIN = 1469;
constexpr UINT IDC_EL_PRIVACY = 1483;
constexpr UINT IDC_EL_PLAYER_DATABASE = 1489;
// ==== end of edit league details ====

// ==== team details, team order, divisions, membership types ====
// "Edit Team Details".
constexpr UINT IDD_EDIT_TEAM = 430;
constexpr UINT IDC_ET_NAME = 1501;
constexpr UINT IDC_ET_FORMAT_TEXT = 1502;
constexpr UINT IDC_ET_CAPTAIN = 1503;
constexpr UINT IDC_ET_DIVISION_LABEL = 1504;
constexpr UINT IDC_ET_DIVISION = 1505;
constexpr UINT IDC_ET_FOLDED = 1506;
constexpr UINT IDC_ET_DEDUCT = 1507;
constexpr UINT IDC_ET_SCORE_TO_WEEK = 1508;
constexpr UINT IDC_ET_VACANCY_FILLED = 1509;
constexpr UINT IDC_ET_START_ROUND = 1510;
constexpr UINT IDC_ET_WON = 1511;
constexpr UINT IDC_ET_LOST = 1512;
constexpr UINT IDC_ET_OMIT_STANDINGS = 1513;
constexpr UINT IDC_ET_OMIT_HI_TEAM = 1514;
constexpr UINT IDC_ET_BYE = 1515;

// "Reorder players in team".
constexpr UINT IDD_REORDER_PLAYERS = 279;
constexpr UINT IDC_RO_LIST = 903;
constexpr UINT IDC_RO_UP = 669;
constexpr UINT IDC_RO_DOWN = 670;

// "Divisions".
constexpr UINT IDD_DIVISIONS = 384;
constexpr UINT IDC_DIV_COUNT = 1488;

// "Bowling Assn. Membership Types".
constexpr UINT IDD_MEMBERSHIP_TYPES = 368;
constexpr UINT IDC_MT_LIST = 1332;
constexpr UINT IDC_MT_EDIT = 1333;
constexpr UINT IDC_MT_ADD = 632;
constexpr UINT IDC_MT_DELETE = 626;
constexpr UINT IDC_MT_RENAME = 324;
// ==== end of team details ====

// ==== player details ====
// "New Player Details" and "Edit Player Details": the same controls but for the forename,
// the entering average, "Another New Player" (New) and the most improved average (Edit).
constexpr UINT IDD_NEW_PLAYER = 109;
constexpr UINT IDD_EDIT_PLAYER = 112;
constexpr UINT IDC_PD_TEAM = 158;
constexpr UINT IDC_PD_FORENAME_NEW = 208;
constexpr UINT IDC_PD_ENTERING_NEW = 209;
constexpr UINT IDC_PD_STATUS = 211;
constexpr UINT IDC_PD_CATEGORY = 212;
constexpr UINT IDC_PD_ADDRESS[4] = {213, 219, 220, 221};
constexpr UINT IDC_PD_POSTCODE = 222;
constexpr UINT IDC_PD_PHONE_HOME = 223;
constexpr UINT IDC_PD_MEMBER_NO = 224;
constexpr UINT IDC_PD_PHONE_WORK = 225;
constexpr UINT IDC_PD_PHONE_MOBILE = 226;
constexpr UINT IDC_PD_BIRTH_DAY = 247;
constexpr UINT IDC_PD_BIRTH_YEAR = 248;
constexpr UINT IDC_PD_EXPIRY_YEAR = 249;
constexpr UINT IDC_PD_EXPIRY_DAY = 250;
constexpr UINT IDC_PD_ENTERING_EDIT = 258;
constexpr UINT IDC_PD_MOST_IMPROVED = 259;
constexpr UINT IDC_PD_BIRTH_MONTH = 261;
constexpr UINT IDC_PD_EXPIRY_MONTH = 262;
constexpr UINT IDC_PD_PIN = 271;
constexpr UINT IDC_PD_SURNAME = 339;
constexpr UINT IDC_PD_FORENAME_EDIT = 341;
constexpr UINT IDC_PD_ANOTHER = 346;
constexpr UINT IDC_PD_FORMAT_TEXT = 591;
constexpr UINT IDC_PD_USER1 = 983;
constexpr UINT IDC_PD_USER2 = 984;
constexpr UINT IDC_PD_NOT_MOST_IMPROVED = 1025;
constexpr UINT IDC_PD_DESIGNATION = 1184;
constexpr UINT IDC_PD_NO_ENTERING_GAMES = 1278;
constexpr UINT IDC_PD_FLOATING_SUB = 1297;
constexpr UINT IDC_PD_MEMBERSHIP_TYPE = 1331;
constexpr UINT IDC_PD_TEAM_RESERVE = 1435;
constexpr UINT IDC_PD_RESIGNED = 1455;

// "Select Player".
constexpr UINT IDD_SELECT_PLAYER = 105;
constexpr UINT IDC_SP_LIST = 156;
constexpr UINT IDC_SP_SORT_SURNAME = 1075;

// "Player categories".
constexpr UINT IDD_PLAYER_CATEGORIES = 480;
constexpr UINT IDC_PC_START_A = 1501;
constexpr UINT IDC_PC_START_B = 1502;
constexpr UINT IDC_PC_ENTERING = 1503;
constexpr UINT IDC_PC_CURRENT = 1504;
constexpr UINT IDC_PC_SET = 1505;
constexpr UINT IDC_PC_REMOVE = 1506;
constexpr UINT IDC_PC_COUNT_A = 1507;
constexpr UINT IDC_PC_COUNT_B = 1508;
constexpr UINT IDC_PC_COUNT_C = 1509;
constexpr UINT IDC_PC_COUNT_NONE = 1510;

// "Set Entering Average".
constexpr UINT IDD_SET_ENTERING_AVERAGE = 481;
constexpr UINT IDC_SEA_NAME = 1521;
constexpr UINT IDC_SEA_GAMES = 1522;
constexpr UINT IDC_SEA_PINS = 1523;
constexpr UINT IDC_SEA_AVERAGE = 1524;
constexpr UINT IDC_SEA_ENTERING = 1525;
constexpr UINT IDC_SEA_NOT_ELIGIBLE = 1526;
// ==== end of player details ====

// ==== venues ====
// "Venue Details.".
constexpr UINT IDD_VENUE_DETAILS = 490;
constexpr UINT IDC_VD_NAME = 1541;
constexpr UINT IDC_VD_PHONE = 1542;
constexpr UINT IDC_VD_ADDRESS[4] = {1543, 1544, 1545, 1546};
constexpr UINT IDC_VD_POSTCODE = 1547;
constexpr UINT IDC_VD_DIRECTIONS = 1548;
constexpr UINT IDC_VD_START_LANE = 1549;
constexpr UINT IDC_VD_LAST_LANE = 1550;
constexpr UINT IDC_VD_SPLIT_LANES = 1551;
constexpr UINT IDC_VD_SPLIT_START = 1552;
constexpr UINT IDC_VD_BEFORE_SPLIT = 1553;

// "Select Venue".
constexpr UINT IDD_SELECT_VENUE = 491;
constexpr UINT IDC_SV_LIST = 1561;

// "Assign Venues to Rounds".
constexpr UINT IDD_ASSIGN_VENUES = 492;
constexpr UINT IDC_AV_ROUNDS = 1571;
constexpr UINT IDC_AV_VENUE = 1572;
constexpr UINT IDC_AV_ASSIGN = 1573;
constexpr UINT IDC_AV_CLEAR = 1574;
// ==== end of venues ====

// ==== accounts and arrears ====
// "Accounts Control".
constexpr UINT IDD_ACCOUNTS_CONTROL = 311;
constexpr UINT IDC_AC_LIST_PLAYERS = 108;
constexpr UINT IDC_AC_ADD_INCOME = 1056;
constexpr UINT IDC_AC_ADD_EXPENSE = 1057;
constexpr UINT IDC_AC_POST_INCOME = 1058;
constexpr UINT IDC_AC_POST_EXPENSE = 1059;
constexpr UINT IDC_AC_AMEND_INCOME = 1060;
constexpr UINT IDC_AC_AMEND_EXPENSE = 1061;
constexpr UINT IDC_AC_ADD_PAYMENT = 1064;
constexpr UINT IDC_AC_AMEND_PAYMENT = 1065;
// "Account Item".
constexpr UINT IDD_ACCOUNT_ITEM = 312;
constexpr UINT IDC_AI_LABEL = 1059;
constexpr UINT IDC_AI_DESCRIPTION = 988;
constexpr UINT IDC_AI_DEFAULT = 1061;
// "Posting.".
constexpr UINT IDD_ACCOUNT_POSTING = 313;
constexpr UINT IDC_AP_HEADINGS = 350;
constexpr UINT IDC_AP_AMOUNT = 988;
constexpr UINT IDC_AP_COMMENT = 1063;
constexpr UINT IDC_AP_ROUND = 250;
constexpr UINT IDC_AP_MORE = 1066;
constexpr UINT IDC_AP_LABEL = 681;
// "Select an Account Item".
constexpr UINT IDD_SELECT_ACCOUNT_ITEM = 314;
constexpr UINT IDC_SAI_LIST = 1065;
// "Add Payment Item.".
constexpr UINT IDD_PAYMENT_ITEM = 315;
constexpr UINT IDC_PI_AMOUNT = 988;
constexpr UINT IDC_PI_DESCRIPTION = 1063;
constexpr UINT IDC_PI_FROM = 1067;
constexpr UINT IDC_PI_TO = 1068;
constexpr UINT IDC_PI_INDIVIDUAL = 529;
constexpr UINT IDC_PI_TEAM = 158;
constexpr UINT IDC_PI_OPTIONAL = 1070;
// "Select a Payment Item.".
constexpr UINT IDD_SELECT_PAYMENT_ITEM = 316;
constexpr UINT IDC_SPI_LIST = 338;
// "Player Arrears" and "Team Arrears".
constexpr UINT IDD_PLAYER_ARREARS = 280;
constexpr UINT IDD_TEAM_ARREARS = 281;
constexpr UINT IDC_AR_ITEMS = 1072;
constexpr UINT IDC_AR_AMOUNT = 904;
constexpr UINT IDC_AR_NAME = 208;
constexpr UINT IDC_AR_ITEM_AMOUNT = 988;
constexpr UINT IDC_AR_CLEAR = 907;
constexpr UINT IDC_AR_ADD_ITEM = 632;
// ==== end of accounts and arrears ====
// ==== next season, schedule editing, split seasons ====
// "New League Setup": a notice before the next season is made from this one.
constexpr UINT IDD_NEW_LEAGUE_SETUP = 349;
// "Select teams for new league.".
constexpr UINT IDD_NEW_LEAGUE_TEAMS = 332;
constexpr UINT IDC_NLT_AVAILABLE = 1174;
constexpr UINT IDC_NLT_ORDER = 1175;
constexpr UINT IDC_NLT_MOVE = 1176;
constexpr UINT IDC_NLT_RESET = 1177;
// "Edit Schedule": slot s of the grid is IDC_ES_SLOT + s, the "v" of row k IDC_ES_VERSUS + k.
constexpr UINT IDD_EDIT_SCHEDULE = 530;
constexpr UINT IDC_ES_SLOT = 1700;
constexpr UINT IDC_ES_VERSUS = 1750;
constexpr UINT IDC_ES_WEEK = 1780;
constexpr UINT IDC_ES_ROUND = 1781;
constexpr UINT IDC_ES_PREV = 1782;
constexpr UINT IDC_ES_NEXT = 1783;
constexpr UINT IDC_ES_EDIT = 1784;
constexpr UINT IDC_ES_RESET = 1785;
constexpr UINT IDC_ES_SELECT = 1786;
constexpr UINT IDC_ES_TEAMS = 1787;
// "Split Season".
constexpr UINT IDD_SPLIT_SEASON = 531;
constexpr UINT IDC_SS_ROUNDS_TEXT = 1790;
constexpr UINT IDC_SS_PROMPT = 1791;
constexpr UINT IDC_SS_ROUNDS_PER_SPLIT = 1792;
constexpr UINT IDC_SS_ENABLED = 1793;
constexpr UINT IDC_SS_SPLITS = 1794;
constexpr UINT IDC_SS_RESET_HI = 1795;
constexpr UINT IDC_SS_COMPLETE_RESET = 1796;
constexpr UINT IDC_SS_SUMMARY1 = 1797;
constexpr UINT IDC_SS_SUMMARY2 = 1798;
constexpr UINT IDC_SS_CUSTOM_SUMMARY = 1799;
constexpr UINT IDC_SS_USE_CUSTOM = 1800;
constexpr UINT IDC_SS_DEFINE_CUSTOM = 1801;
constexpr UINT IDC_SS_SPLITS_LABEL = 1802;
constexpr UINT IDC_SS_ROUNDS_LABEL = 1803;
// "Custom Splits": split k (from 1) uses IDC_CS_START + k - 1 and so on.
constexpr UINT IDD_CUSTOM_SPLITS = 532;
constexpr UINT IDC_CS_START = 1810;
constexpr UINT IDC_CS_DURATION = 1830;
constexpr UINT IDC_CS_DELETE = 1850;
// ==== end of next season, schedule editing, split seasons ====
// ==== player database dialogs and print options ====
// "Player Database": D'base > Delete a Player chooses a record here.
constexpr UINT IDD_PLAYER_DATABASE = 174;
// "Check Player Database": adding a bowler in a league kept in the database.
constexpr UINT IDD_CHECK_PLAYER_DB = 209;
// Shared by both: the surname typed and the records found.
constexpr UINT IDC_DB_SURNAME = 1581;
constexpr UINT IDC_DB_LIST = 1582;
constexpr UINT IDC_DB_ADD_NEW = 1583;
constexpr UINT IDC_DB_DISPLAY = 1584;

// "Similar Names".
constexpr UINT IDD_SIMILAR_NAMES = 208;
constexpr UINT IDC_SN_NAME = 1591;
constexpr UINT IDC_SN_ACTION = 1592;
constexpr UINT IDC_SN_LIST = 1593;
constexpr UINT IDC_SN_STOP = 1594;
constexpr UINT IDC_SN_DISPLAY = 1595;

// "Database Details": one record, read only.
constexpr UINT IDD_DATABASE_DETAILS = 223;
constexpr UINT IDC_DD_FIRST_NAME = 1601;
constexpr UINT IDC_DD_SURNAME = 1602;
constexpr UINT IDC_DD_ADDRESS[4] = {1603, 1604, 1605, 1606};
constexpr UINT IDC_DD_POSTCODE = 1607;
constexpr UINT IDC_DD_USER1 = 1608;
constexpr UINT IDC_DD_USER2 = 1609;
constexpr UINT IDC_DD_PHONE = 1610;
constexpr UINT IDC_DD_MEMBER_NO = 1611;
constexpr UINT IDC_DD_UNIQUE_REF = 1612;

// "Fixture Print Columns".
constexpr UINT IDD_FIXTURE_PRINT_COLUMNS = 207;
constexpr UINT IDC_FPC_COLUMNS = 1621;
// ==== end of player database dialogs and print options ====
// ==== awards ====
// "Manual Awards" and "Automatic Awards": the categories of one sort, with Edit, Add, Delete.
constexpr UINT IDD_MANUAL_AWARDS = 522;
constexpr UINT IDD_AUTOMATIC_AWARDS = 523;
constexpr UINT IDC_AW_LIST = 1641;
constexpr UINT IDC_AW_EDIT = 1642;
constexpr UINT IDC_AW_ADD = 1643;
constexpr UINT IDC_AW_DELETE = 1644;

// "Edit Automatic Award": the rule of one automatic category and its description.
constexpr UINT IDD_EDIT_AUTO_AWARD = 524;
constexpr UINT IDC_EA_KIND[4] = {1651, 1652, 1653, 1654};  // kinds 1..4
constexpr UINT IDC_EA_SERIES = 1655;
constexpr UINT IDC_EA_GAME = 1656;
constexpr UINT IDC_EA_LOW = 1657;
constexpr UINT IDC_EA_HIGH = 1658;
constexpr UINT IDC_EA_MAX_AVERAGE = 1659;
constexpr UINT IDC_EA_DESCRIPTION = 1660;
constexpr UINT IDC_EA_LOW_LABEL = 1661;
constexpr UINT IDC_EA_HIGH_LABEL = 1662;

// "Edit Manual Award description": the name of a manual category.
constexpr UINT IDD_MANUAL_AWARD_DESC = 525;
constexpr UINT IDC_MD_NAME = 1665;

// "Edit Awards Data": the manually entered awards, with Edit and Delete.
constexpr UINT IDD_EDIT_AWARDS_DATA = 526;
constexpr UINT IDC_ED_LIST = 1667;
constexpr UINT IDC_ED_EDIT = 1668;
constexpr UINT IDC_ED_DELETE = 1669;

// "Edit Manual Award Data": one manual award's category and game.
constexpr UINT IDD_EDIT_MANUAL_AWARD_DATA = 527;
constexpr UINT IDC_EM_NAME = 1671;
constexpr UINT IDC_EM_DATE = 1672;
constexpr UINT IDC_EM_CATEGORY = 1673;
constexpr UINT IDC_EM_GAME = 1674;

// "Multiple Prize Rules": who may take more than one high-score prize.
constexpr UINT IDD_MULTIPLE_PRIZE_RULES = 528;
constexpr UINT IDC_MP_TEAM_RULE = 1681;
constexpr UINT IDC_MP_TEAM_PRIORITY1 = 1682;
constexpr UINT IDC_MP_TEAM_PRIORITY2 = 1683;
constexpr UINT IDC_MP_PLAYER_RULE = 1684;
constexpr UINT IDC_MP_PLAYER_PRIORITY1 = 1685;
constexpr UINT IDC_MP_PLAYER_PRIORITY2 = 1686;
constexpr UINT IDC_MP_DISABLED = 1687;
constexpr UINT IDC_MP_SAME_GAME = 1688;

// "Most Improved Start Point Rule": the average a bowler's improvement is measured from.
constexpr UINT IDD_MOST_IMPROVED_RULE = 529;
constexpr UINT IDC_MI_GAMES = 1691;
constexpr UINT IDC_MI_ENTERING = 1692;
constexpr UINT IDC_MI_AFTER_GAMES = 1693;
constexpr UINT IDC_MI_BOTH = 1694;
// ==== end of awards ====
// ==== juniors ====
// "Junior Categories": the categories and the qualifying date.
constexpr UINT IDD_JUNIOR_CATEGORIES = 378;
constexpr UINT IDC_JC_LIST = 1443;
constexpr UINT IDC_JC_DATE = 1444;
constexpr UINT IDC_JC_ADD = 632;
constexpr UINT IDC_JC_EDIT_DATE = 633;
constexpr UINT IDC_JC_AMEND = 634;
constexpr UINT IDC_JC_DELETE = 626;
// "Junior Category Edit".
constexpr UINT IDD_JUNIOR_CATEGORY_EDIT = 379;
constexpr UINT IDC_JCE_NAME = 208;
constexpr UINT IDC_JCE_LOWER = 1445;
constexpr UINT IDC_JCE_UPPER = 1446;
// ==== end of juniors ====
