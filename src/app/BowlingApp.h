#pragma once
// The application object: start-up, the single running instance and the document template.
#include "framework/ui/Ui.h"

class CBowlingApp : public CWinApp {
public:
    CBowlingApp();

    // The name later starts look for: a second start brings the first forward and ends.
    static constexpr const char* kWindowClassName = "NewTorvane";

    BOOL InitApplication() override;
    BOOL InitInstance() override;

    // FALSE when InitInstance ended because another instance was running.
    BOOL IsFirstInstance() const { return m_bFirstInstance; }

protected:
    void OnAppAbout();

    BOOL m_bFirstInstance = TRUE;
    DECLARE_MESSAGE_MAP()
};
