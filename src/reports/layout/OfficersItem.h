#pragma once
// The league's officials with their telephone numbers, two to a line, and the lines of the
// points-adjustment report.
#include "view/RepItem.h"

class CFixture;
class CFontData;

class CRepItem_Officers : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Officers)
public:
    CRepItem_Officers();
    CString GetName() const override { return "League Officials"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The title font of the layout on show (set with the layout editor's Font button).
    CFontData& GetFont() const;
};

// One match whose league points were adjusted by hand. Made by the points-adjustment
// report; never stored.
class CRepItem_PointsAdjust : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_PointsAdjust)
public:
    CRepItem_PointsAdjust();
    void CopyFrom(const CRepItem& other) override;
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The line's text.
    CString GetText() const;

    CFixture* m_pFixture;   // not owned
};
