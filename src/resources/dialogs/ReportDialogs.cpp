#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

const std::vector<DlgTemplate>& ReportDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
    };
    return templates;
}
