#include "resources/Resource.h"
#include "resources/dialogs/LeagueDialogs.h"

const std::vector<DlgTemplate>& LeagueDialogTemplates()
{
    static const std::vector<DlgTemplate> templates = {
    };
    return templates;
}
