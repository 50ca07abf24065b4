// The sample league's score sheets for the round to come, drawn by the Qt painter in both
// layouts, to be looked at.
#include "framework/qt/QtBackend.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "reports/layout/ScoreSheetItem.h"
#include "reports/layout/ScoreSheets.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ScoreSheetRender, SampleLeagueRecapSheets)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    auto* pStyle = dynamic_cast<CRepItem_ScoreSheet*>(doc.m_pScoreSheetPrototype);
    ASSERT_NE(pStyle, nullptr);
    pStyle->m_bFillInNames = 1;
    pStyle->m_bPrintNextOpponents = 1;
    pStyle->m_fontHeader.m_bBold = 1;
    const int nRound = std::min<int>(doc.m_nCurrentRound + 1, doc.m_nRounds);
    ASSERT_GT(BuildScoreSheets(doc, SCORE_SHEETS_RECAP, nRound), 0);
    doc.m_nDisplayMode = MODE_SCORE_SHEETS;
    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/scoresheets-side-by-side.png", 768, 1104));
    EXPECT_GT(std::filesystem::file_size("render/scoresheets-side-by-side.png"), 2000u);

    pStyle->m_bSideBySide = 0;
    pStyle->m_nSheetsPerPage = 1;
    ASSERT_GT(BuildScoreSheets(doc, SCORE_SHEETS_RECAP, nRound), 0);
    view.OnUpdate(nullptr, 0, nullptr);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/scoresheets-standard.png", 768, 1104));
    EXPECT_GT(AfxPrintViewToPdf(view, "render/scoresheets-standard.pdf"), 0);
}
