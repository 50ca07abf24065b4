#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"

const std::vector<DlgTemplate>& ResultDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
    };
    return templates;
}
