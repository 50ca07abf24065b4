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
