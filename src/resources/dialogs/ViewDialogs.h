#pragma once
// Dialog and control ids of the view, its commands and the report framework (src/view).
#include "framework/ui/UiTypes.h"

// "Standing Layout Edit.": the report layout editor.
constexpr UINT IDD_REPORT_LAYOUT = 239;
constexpr UINT IDC_LAYOUT_TITLE = 1240;
constexpr UINT IDC_LAYOUT_FONT = 1241;
constexpr UINT IDC_LAYOUT_FONT_DESC = 1242;
constexpr UINT IDC_LAYOUT_ITEMS = 1243;
constexpr UINT IDC_LAYOUT_TYPE = 1244;
constexpr UINT IDC_LAYOUT_ADD = 1245;
constexpr UINT IDC_LAYOUT_EDIT = 1246;
constexpr UINT IDC_LAYOUT_DELETE = 1247;
constexpr UINT IDC_LAYOUT_UP = 1248;
constexpr UINT IDC_LAYOUT_DOWN = 1249;

// "Select Standing Report": the standings item's style and scoring system.
constexpr UINT IDD_SELECT_STANDING_REPORT = 245;
constexpr UINT IDC_STANDING_STYLE = 350;
constexpr UINT IDC_STANDING_HANDICAP = 216;

// "Select Report Layout": the layouts of the league, to choose, delete or export one.
constexpr UINT IDD_SELECT_REPORT_LAYOUT = 246;
constexpr UINT IDC_REPORT_LAYOUTS = 1250;

// "Setup Report Fonts": the league's table of default report fonts.
constexpr UINT IDD_REPORT_FONTS = 250;
constexpr UINT IDC_REPORT_FONT_LIST = 1251;
constexpr UINT IDC_REPORT_FONT_CHANGE = 1252;

// "Select Colour".
constexpr UINT IDD_SELECT_COLOUR = 340;
constexpr UINT IDC_COLOUR_LIST = 1220;

// "Export File Fields": the fields of the players' text file, in the order chosen.
constexpr UINT IDD_EXPORT_FIELDS = 226;
constexpr UINT IDC_EF_FIELDS = 1260;
constexpr UINT IDC_EF_ADD = 1261;
constexpr UINT IDC_EF_REMOVE = 1262;
constexpr UINT IDC_EF_CHOSEN = 1263;
constexpr UINT IDC_EF_QUOTES = 1264;
