#pragma once
// Small helpers of the scoring engine shared by its files and the tests.
#include "framework/core/Types.h"

// The whole pins of an average, cut (never rounded); 0 for no average.
WORD WholePins(double dAverage);

// Asks a Yes/No question; TRUE on Yes. The blind-game-limit check asks through it. It is the
// framework's message box unless a test puts its own answer in.
using AskYesNoFn = BOOL (*)(const char* pszQuestion);
extern AskYesNoFn g_pfnScoringAskYesNo;
