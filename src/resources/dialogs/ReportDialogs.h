#pragma once
// Dialog and control ids of the report items' option dialogs (src/reports).
#include "framework/ui/UiTypes.h"
