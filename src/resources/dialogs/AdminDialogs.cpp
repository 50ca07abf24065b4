#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

const std::vector<DlgTemplate>& AdminDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
    };
    return templates;
}
