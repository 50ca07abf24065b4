#pragma once
// Dialog and control ids of the league document (src/league).
#include "framework/ui/UiTypes.h"
