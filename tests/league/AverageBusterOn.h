#pragma once
// The average buster set up as the secretary sets it: League > Miscellaneous Setup > Specials >
// Average Buster with "Average Buster Points per Game", scored by every recalculation while
// the object lives.
#include <gtest/gtest.h>

#include "ScriptedBackend.h"
#include "admin/AverageBuster.h"
#include "league/BowlingDoc.h"
#include "resources/dialogs/RulesDialogs.h"

struct AverageBusterOn
{
    // The points added for a game over and level, and taken off for one under.
    AverageBusterOn(CBowlingDoc& doc, const char* pszOver, const char* pszEqual, const char* pszUnder)
    {
        CBowlingDoc::s_pfnAverageBusters = AverageBuster::ScoreAndRank;
        CScriptedBackend ui;
        ui.OnDialog(IDD_AVERAGE_BUSTER_SETUP)
            .Click(IDC_AB_PER_GAME)
            .SetText(IDC_AB_OVER, pszOver)
            .SetText(IDC_AB_EQUAL, pszEqual)
            .SetText(IDC_AB_UNDER, pszUnder)
            .OK();
        EXPECT_TRUE(AverageBuster::EditAverageBuster(&doc));
    }
    ~AverageBusterOn() { CBowlingDoc::s_pfnAverageBusters = nullptr; }
    AverageBusterOn(const AverageBusterOn&) = delete;
    AverageBusterOn& operator=(const AverageBusterOn&) = delete;
};
