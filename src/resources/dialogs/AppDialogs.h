#pragma once
// Dialog and control ids of the application: the About box.
#include "framework/ui/UiTypes.h"

constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDC_ABOUT_VERSION = 641;
constexpr UINT IDC_ABOUT_PICTURE = 679;
