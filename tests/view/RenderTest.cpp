// Pages drawn by the Qt painter into PNG and PDF files, so that people (and this test) can
// look at what the view shows. The files stay in the build folder: tests/view/render/.
#include "TestItems.h"
#include "framework/qt/QtBackend.h"
#include "framework/ui/Frame.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// A table of the league's teams: a bold heading, one line per team with its number
// right-aligned, the name rectangle recorded as the report items do.
class CTeamTableItem : public CRepItem
{
public:
    CTeamTableItem() { m_nType = RIT_NOTES; }
    int GetHeight(CDC*) override { return -240 * (2 + m_pDoc->m_listTeams.GetCount()) - 144; }
    void Draw(CDC* pDC, const CPageInfo*) override
    {
        CStockFonts* pFonts = GetStockFonts(pDC);
        CFont* pOld = pDC->SelectObject(&pFonts->m_fontLargeBold);
        CPoint pt(m_x, m_y);
        DrawTextClipped(pDC, &pt, "Team", 0);
        pt = CPoint(PAGE_RIGHT, m_y);
        DrawTextRightAligned(pDC, &pt, "Number", 0);
        pDC->SelectObject(&pFonts->m_fontLarge);
        int y = m_y - 240;
        DrawLineOrBox(pDC, m_x, y + 20, PAGE_RIGHT - m_x, 0);
        for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
            CTeam* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
            pt = CPoint(m_x, y);
            DrawTextClipped(pDC, &pt, pTeam->m_strName, 4000);
            pTeam->AddHitRect(CRect(m_x, y, m_x + NAME_RECT_WIDTH, y - 240));
            CString n;
            n.Format("%d", pTeam->m_nTeamNo);
            pt = CPoint(PAGE_RIGHT, y);
            DrawTextRightAligned(pDC, &pt, n, 0);
            y -= 240;
        }
        pDC->SelectObject(pOld);
    }
};

class CNoteItem : public CRepItem
{
public:
    explicit CNoteItem(const char* text) : m_strText(text) { m_nType = RIT_NOTES; }
    int GetHeight(CDC* pDC) override
    {
        CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmall);
        CPoint pt(m_x, m_y);
        int n = CountWrappedLines(pDC, &pt, m_strText, PAGE_RIGHT, -220);
        pDC->SelectObject(pOld);
        return -220 * n - 288;
    }
    void Draw(CDC* pDC, const CPageInfo*) override
    {
        CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontSmall);
        CPoint pt(m_x, m_y);
        CRepItem::DrawWrappedText(pDC, &pt, m_strText, PAGE_RIGHT, -220);
        pDC->SelectObject(pOld);
    }
    CString m_strText;
};

} // namespace

TEST(Render, SampleLeagueLayoutToPngAndPdf)
{
    std::filesystem::create_directories("render");
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Weekly Standings";
    const char* note =
        "Secretary's note: fees for the second half of the season are due by the end of next month. "
        "Please see the treasurer before your first game, and remember that blind scores count against "
        "teams that are short for more than three weeks in a row.";
    for (int i = 0; i < 8; ++i) {
        pForm->AddItem(new CTeamTableItem);
        pForm->AddItem(new CNoteItem(note));
    }
    doc.m_listRepForms.AddTail(pForm);
    doc.m_pCurrentRepForm = pForm;
    doc.m_nDisplayMode = MODE_REPORT;

    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    view.OnInitialUpdate();
    ASSERT_GE(view.GetPageCount(), 2);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/report-page1.png", 768, 1104));
    view.GoToPage(2);
    ASSERT_TRUE(AfxRenderViewToPng(view, "render/report-page2.png", 768, 1104));
    int nPages = AfxPrintViewToPdf(view, "render/report.pdf");
    EXPECT_GE(nPages, 2);
    EXPECT_GT(std::filesystem::file_size("render/report-page1.png"), 2000u);
    EXPECT_GT(std::filesystem::file_size("render/report.pdf"), 1000u);

    // Drawing recorded the team names where they stand.
    bool bAnyHit = false;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
        CTeam* pTeam = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos));
        CTeam* pHit = nullptr;
        CPlayer* pPlayer = nullptr;
        for (int y = -720; y > -16000 && !pHit; y -= 40)
            view.HitTest(CPoint(1000, y), &pHit, &pPlayer);
        bAnyHit = bAnyHit || pHit == pTeam;
    }
    EXPECT_TRUE(bAnyHit);

    // An empty display keeps its title on the page.
    view.SetDisplayMode(MODE_ACCOUNTS, GetDisplayTitle(MODE_ACCOUNTS));
    EXPECT_TRUE(AfxRenderViewToPng(view, "render/accounts-empty.png", 768, 1104));
    view.AttachTo(nullptr, nullptr);
}
