#include "resources/Resource.h"
#include "resources/dialogs/ViewDialogs.h"

const std::vector<DlgTemplate>& ViewDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
        {IDD_REPORT_LAYOUT, "Standing Layout Edit.", 300, 206, {
            {CtlKind::Static, IDC_STATIC, "Title:", 7, 9, 26, 8},
            {CtlKind::Edit, IDC_LAYOUT_TITLE, nullptr, 36, 7, 186, 12, ES_AUTOHSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDC_LAYOUT_FONT, "Font...", 228, 6, 65, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_LAYOUT_FONT_DESC, "", 36, 22, 257, 8},
            {CtlKind::Static, IDC_STATIC, "Items of the layout, in order:", 7, 36, 150, 8},
            {CtlKind::ListBox, IDC_LAYOUT_ITEMS, nullptr, 7, 47, 215, 130, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDC_LAYOUT_EDIT, "&Edit...", 228, 47, 65, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDC_LAYOUT_DELETE, "&Delete", 228, 64, 65, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDC_LAYOUT_UP, "Move &Up", 228, 86, 65, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDC_LAYOUT_DOWN, "Move Do&wn", 228, 103, 65, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "New item:", 7, 185, 36, 8},
            {CtlKind::ComboBox, IDC_LAYOUT_TYPE, nullptr, 46, 183, 120, 120, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDC_LAYOUT_ADD, "&Add...", 172, 182, 50, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 228, 165, 65, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 228, 182, 65, 14, WS_TABSTOP},
        }},
        {IDD_SELECT_STANDING_REPORT, "Select Standing Report", 180, 70, {
            {CtlKind::Static, IDC_STATIC, "Style:", 7, 9, 40, 8},
            {CtlKind::ComboBox, IDC_STANDING_STYLE, nullptr, 50, 7, 70, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Scoring:", 7, 28, 40, 8},
            {CtlKind::ComboBox, IDC_STANDING_HANDICAP, nullptr, 50, 26, 70, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 126, 7, 47, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        }},
        {IDD_SELECT_REPORT_LAYOUT, "Select Report Layout", 220, 130, {
            {CtlKind::Static, IDC_STATIC, "Report layouts:", 7, 7, 100, 8},
            {CtlKind::ListBox, IDC_REPORT_LAYOUTS, nullptr, 7, 18, 150, 105, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 163, 18, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 163, 35, 50, 14, WS_TABSTOP},
        }},
        {IDD_REPORT_FONTS, "Setup Report Fonts", 330, 200, {
            {CtlKind::Static, IDC_STATIC, "Default fonts of new report items:", 7, 7, 200, 8},
            {CtlKind::ListBox, IDC_REPORT_FONT_LIST, nullptr, 7, 18, 256, 175, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDC_REPORT_FONT_CHANGE, "&Change...", 270, 18, 53, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 270, 162, 53, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 270, 179, 53, 14, WS_TABSTOP},
        }},
        {IDD_SELECT_COLOUR, "Select Colour", 150, 48, {
            {CtlKind::ComboBox, IDC_COLOUR_LIST, nullptr, 7, 7, 80, 120, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 93, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        }},
        {IDD_EXPORT_FIELDS, "Export File Fields", 330, 200, {
            {CtlKind::Static, IDC_STATIC, "Fields", 7, 7, 120, 8},
            {CtlKind::ListBox, IDC_EF_FIELDS, nullptr, 7, 18, 125, 156,
             LBS_NOTIFY | LBS_MULTIPLESEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::PushButton, IDC_EF_ADD, ">>", 139, 60, 30, 14, WS_TABSTOP},
            {CtlKind::PushButton, IDC_EF_REMOVE, "<<", 139, 80, 30, 14, WS_TABSTOP},
            {CtlKind::Static, IDC_STATIC, "Fields to be exported", 176, 7, 120, 8},
            {CtlKind::ListBox, IDC_EF_CHOSEN, nullptr, 176, 18, 125, 156,
             LBS_NOTIFY | LBS_MULTIPLESEL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
            {CtlKind::CheckBox, IDC_EF_QUOTES, "Double Quotes", 7, 181, 80, 10, WS_TABSTOP},
            {CtlKind::PushButton, IDOK, "OK", 196, 179, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {CtlKind::PushButton, IDCANCEL, "Cancel", 251, 179, 50, 14, WS_TABSTOP},
        }},
    };
    return templates;
}
