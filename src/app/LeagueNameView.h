#pragma once
// Stands in the main window until the league's own view (CBowlingView) is built: shows the
// league's name and file on a page, on the screen and in print.
#include "framework/ui/Ui.h"

class CLeagueNameView : public CScrollView {
    DECLARE_DYNCREATE(CLeagueNameView)
public:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

    // The league's name as shown, or the title of a league that has none yet.
    CString GetHeading() const;

protected:
    DECLARE_MESSAGE_MAP()
};
