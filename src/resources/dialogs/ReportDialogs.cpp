#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

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
    };
    return templates;
}
