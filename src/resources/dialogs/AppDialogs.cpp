#include "resources/Resource.h"
#include "resources/dialogs/AppDialogs.h"

const std::vector<DlgTemplate>& AppDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
        {IDD_ABOUTBOX, "About Torvane", 220, 74, {
            {CtlKind::BitmapButton, IDC_ABOUT_PICTURE, "tenpins", 8, 8, 48, 48},
            {CtlKind::Static, IDC_ABOUT_VERSION, "Torvane", 66, 10, 140, 8, SS_NOPREFIX},
            {CtlKind::Static, IDC_STATIC, "Ten-pin bowling league secretary", 66, 24, 140, 8},
            {CtlKind::Static, IDC_STATIC, "Copyright (C) Quillmere", 66, 36, 140, 8},
            {CtlKind::PushButton, IDOK, "OK", 162, 52, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP},
        }},
    };
    return templates;
}
