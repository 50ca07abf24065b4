// Pictures of every dialog template and of the main window, written under the build folder
// (tests/app/gallery), so anyone can look at them without clicking through the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "app/BowlingApp.h"
#include "framework/qt/QtBackend.h"
#include "resources/Resource.h"

namespace fs = std::filesystem;

TEST(Gallery, EveryDialogTemplateRendersToAPicture)
{
    RegisterResources();
    std::vector<const DlgTemplate*> all = AfxAllDialogTemplates();
    ASSERT_FALSE(all.empty());
    fs::create_directories("gallery");
    for (const DlgTemplate* t : all) {
        std::string path = "gallery/IDD_" + std::to_string(t->id) + ".png";
        fs::remove(path);
        EXPECT_TRUE(AfxRenderDialogToPng(t->id, path.c_str())) << t->caption;
        ASSERT_TRUE(fs::exists(path)) << path;
        EXPECT_GT(fs::file_size(path), 500u) << path;
    }
    EXPECT_FALSE(AfxRenderDialogToPng(54321, "gallery/none.png"));
}

TEST(Gallery, TheMainWindowOnQtWithItsPageInPrint)
{
    TempDir settings;
    AfxUseSettingsFolder(settings.path().string().c_str());
    std::unique_ptr<CUiBackend> qt(AfxCreateQtBackend());
    CUiBackend* previous = AfxSetBackend(qt.get());
    std::string league = settings.File("Sample.lgf");
    {
        CBowlingDoc sample;
        BuildSampleLeague(sample, GetSampleLeagueShape(FALSE));
        CString error;
        ASSERT_TRUE(sample.SaveToFile(league.c_str(), error)) << error.GetString();
    }
    {
        CBowlingApp app;
        std::vector<char*> argv = {const_cast<char*>("torvane"), league.data()};
        app.SetCommandLine(2, argv.data());
        ASSERT_TRUE(app.InitApplication());
        ASSERT_TRUE(app.InitInstance());
        ASSERT_NE(app.m_pMainWnd, nullptr);
        auto* doc = dynamic_cast<CBowlingDoc*>(app.m_pMainWnd->GetActiveDocument());
        ASSERT_NE(doc, nullptr);
        fs::create_directories("gallery");
        EXPECT_TRUE(AfxRenderMainWindowToPng("gallery/MainWindow.png"));
        EXPECT_GT(fs::file_size("gallery/MainWindow.png"), 2000u);
        EXPECT_TRUE(AfxRenderViewToPng(*app.m_pMainWnd->GetActiveView(), "gallery/View.png", 816, 600));
        EXPECT_EQ(AfxPrintViewToPdf(*app.m_pMainWnd->GetActiveView(), "gallery/Page.pdf"), 1);
        app.ExitInstance();
        app.ShutDownTemplates();
    }
    AfxSetBackend(previous);
}
