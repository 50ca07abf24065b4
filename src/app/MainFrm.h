#pragma once
// The main window: menu bar, toolbar and status bar come from the resources of IDR_MAINFRAME.
#include "framework/ui/Ui.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;

protected:
    DECLARE_MESSAGE_MAP()
};
