#include "reports/stats/ScoreChart.h"

#include "framework/ui/Dialog.h"
#include "reports/layout/ItemText.h"

#include <algorithm>

namespace {

constexpr int kLeft = 2520;
constexpr int kRight = 9720;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

using ItemText::Fmt;
using ItemText::Right;

} // namespace

void DrawScoreChart(CDC* pDC, int nTop, int nBottom, const int (&bands)[SCORE_CHART_BANDS], int nLabelRight,
                    int nPerGame, std::span<const int> scores)
{
    pDC->MoveTo(kLeft, nTop);
    pDC->LineTo(kRight, nTop);
    pDC->LineTo(kRight, nBottom);
    pDC->LineTo(kLeft, nBottom);
    pDC->LineTo(kLeft, nTop);

    const int nMost = *std::max_element(std::begin(bands), std::end(bands));
    const int nUnit = nMost ? 720 / nMost : 0;
    CPen barPen;
    if (!barPen.CreatePen(PS_SOLID, 72, kRed)) {
        AfxMessageBox("Major system error. Unable to create a pen.");
        return;
    }
    for (int i = 0; i < SCORE_CHART_BANDS; ++i) {
        const int y = nTop - 250 * i;
        pDC->MoveTo(kRight, y);
        pDC->LineTo(kRight + 100, y);
        Right(pDC, nLabelRight, y + 100, Fmt("%d", 300 * nPerGame - 25 * nPerGame * i));
        const int nCount = bands[SCORE_CHART_BANDS - 1 - i];
        if (nCount) {
            Right(pDC, PAGE_RIGHT, y + 225, Fmt("%d", nCount));
            CPen* pOld = pDC->SelectObject(&barPen);
            pDC->MoveTo(9792, y + 129);
            pDC->LineTo(9792 + nCount * nUnit, y + 129);
            pDC->SelectObject(pOld);
        }
    }

    if (scores.size() < 2)
        return;
    const int nStepX = 7200 / static_cast<int>(scores.size() - 1);
    CPen gamePen, avgPen;
    if (!gamePen.CreatePen(PS_SOLID, 1, kBlack) || !avgPen.CreatePen(PS_SOLID, 2, kRed)) {
        AfxMessageBox("Major system error. Unable to create a pen.");
        return;
    }
    CPen* pOld = pDC->SelectObject(&gamePen);
    for (size_t k = 0; k < scores.size(); ++k) {
        const int x = kLeft + static_cast<int>(k) * nStepX;
        const int y = nBottom + 10 * (scores[k] / nPerGame);
        if (k == 0)
            pDC->MoveTo(x, y);
        else
            pDC->LineTo(x, y);
    }
    pDC->SelectObject(&avgPen);
    int nSum = 0;
    for (size_t k = 0; k < scores.size(); ++k) {
        nSum += scores[k] / nPerGame;
        const int x = kLeft + static_cast<int>(k) * nStepX;
        const int y = nBottom + 10 * (nSum / static_cast<int>(k + 1));
        if (k == 0)
            pDC->MoveTo(x, y);
        else
            pDC->LineTo(x, y);
    }
    pDC->SelectObject(pOld);
}
