#pragma once
// The application started with a command line, as the tests of the whole program start it, and
// its templates closed when the test ends.
#include "app/BowlingApp.h"
#include "league/BowlingDoc.h"

#include <string>
#include <vector>

struct Started {
    CBowlingApp app;
    BOOL ok = FALSE;
    explicit Started(std::vector<std::string> args)
    {
        args.insert(args.begin(), "torvane");
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        app.SetCommandLine(static_cast<int>(argv.size()), argv.data());
        ok = app.InitApplication() && app.InitInstance();
    }
    ~Started() { app.ShutDownTemplates(); }
    CBowlingDoc* Doc() const
    {
        CDocTemplate* t = app.GetFirstDocTemplate();
        return t ? dynamic_cast<CBowlingDoc*>(t->GetOnlyDocument()) : nullptr;
    }
    // A menu command, as the frame routes it (view, document, frame, application).
    bool Run(UINT nID) { return app.m_pMainWnd->ExecuteCommand(nID) != FALSE; }
};
