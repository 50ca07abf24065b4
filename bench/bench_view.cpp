// The view's page work on the large sample league: the report-layout flow and the drawing of
// one page, measured on a device that only measures.
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "view/DisplayPages.h"
#include "view/MeasureDC.h"
#include "view/RepForm.h"

#include <benchmark/benchmark.h>

namespace {

// One line per team with its name and number, as a standings table draws.
class CBenchTableItem : public CRepItem
{
public:
    CBenchTableItem() { m_nType = RIT_NOTES; }
    int GetHeight(CDC*) override { return -240 * (1 + m_pDoc->m_listTeams.GetCount()); }
    void Draw(CDC* pDC, const CPageInfo*) override
    {
        CFont* pOld = pDC->SelectObject(&GetStockFonts(pDC)->m_fontLarge);
        int y = m_y - 240;
        for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
            CTeam* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
            CPoint pt(m_x, y);
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

struct LargeLeague
{
    LargeLeague()
    {
        BuildSampleLeague(doc, GetSampleLeagueShape(TRUE));
        auto* pForm = new CRepForm;
        for (int i = 0; i < 20; ++i)
            pForm->AddItem(new CBenchTableItem);
        doc.m_listRepForms.AddTail(pForm);
        doc.m_pCurrentRepForm = pForm;
        doc.m_nDisplayMode = MODE_REPORT;
    }
    CBowlingDoc doc;
};

void BM_LayoutReport(benchmark::State& state)
{
    LargeLeague league;
    CMeasureDC dc(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutDisplayPages(&league.doc, &dc));
}
BENCHMARK(BM_LayoutReport);

void BM_LayoutAndDrawPage(benchmark::State& state)
{
    LargeLeague league;
    CMeasureDC dc(false);
    for (auto _ : state) {
        league.doc.ClearHitRects();
        int nPages = LayoutDisplayPages(&league.doc, &dc);
        DrawDisplayPage(&league.doc, &dc, CPageInfo{1, nPages});
    }
}
BENCHMARK(BM_LayoutAndDrawPage);

} // namespace
