#pragma once
// Command ids the framework itself handles. The program's own commands are in
// resources/CommandIds.h.
#include "framework/core/Types.h"

constexpr UINT ID_FILE_NEW = 0xE100;  // 57600
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_FILE_CLOSE = 0xE102;
constexpr UINT ID_FILE_SAVE = 0xE103;
constexpr UINT ID_FILE_SAVE_AS = 0xE104;
constexpr UINT ID_FILE_PRINT_SETUP = 0xE106;
constexpr UINT ID_FILE_PRINT = 0xE107;
constexpr UINT ID_FILE_PRINT_PREVIEW = 0xE109;
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110;
constexpr UINT ID_FILE_MRU_FILE2 = 0xE111;
constexpr UINT ID_FILE_MRU_FILE3 = 0xE112;
constexpr UINT ID_FILE_MRU_FILE4 = 0xE113;
constexpr UINT ID_FILE_MRU_LAST = 0xE11F;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;
constexpr UINT ID_HELP_INDEX = 0xE142;
constexpr UINT ID_HELP = 0xE146;
constexpr UINT ID_VIEW_TOOLBAR = 0xE800;
constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;
// Status bar panes.
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;

// A command's update pass: OnCmdMsg with this code and a CCmdUI runs update handlers.
constexpr int CN_UPDATE_COMMAND_UI = -1;

// The program's commands use ids from here up to ID_PROGRAM_LAST.
constexpr UINT ID_PROGRAM_FIRST = 32768;
constexpr UINT ID_PROGRAM_LAST = 0xDFFF;
