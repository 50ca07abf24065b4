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
    };
    return templates;
}
