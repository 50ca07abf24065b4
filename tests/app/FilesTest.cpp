// The files around a league as a secretary meets them: a refused open, the recent-file list,
// where the file dialogs start, a second start with a file, the title bar.
#include <gtest/gtest.h>

#include <filesystem>

#include "ScriptedBackend.h"
#include "StartedApp.h"
#include "TempDir.h"
#include "league/SampleLeague.h"
#include "resources/Resource.h"

namespace {
void WriteBytes(const std::string& path, const std::string& bytes)
{
    CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    f.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    f.Close();
}

std::string SaveSample(const std::string& path)
{
    CBowlingDoc league;
    BuildSampleLeague(league, GetSampleLeagueShape(FALSE));
    CString error;
    EXPECT_TRUE(league.SaveToFile(path.c_str(), error)) << error.GetString();
    return league.m_strLeagueName.str();
}
}  // namespace

TEST(Files, ARefusedOpenLeavesTheOpenLeagueAsItWas)
{
    CScriptedBackend ui;
    TempDir dir;
    std::string path = dir.File("Monday.lgf");
    std::string name = SaveSample(path);
    WriteBytes(dir.File("Broken.lgf"), std::string("\x50\x01\x02", 3));
    Started s({path});
    ASSERT_TRUE(s.ok);
    s.Doc()->SetModifiedFlag();
    ui.AnswerMessageBox(IDNO, "Monday.lgf?");
    ui.ChooseFile(dir.File("Broken.lgf"));
    s.Run(ID_FILE_OPEN);
    EXPECT_NE(ui.messages.back().text.find("Broken.lgf"), std::string::npos);
    EXPECT_EQ(s.Doc()->GetPathName(), path);
    EXPECT_EQ(s.Doc()->GetTitle(), "Monday.lgf");
    EXPECT_TRUE(s.Doc()->IsModified());
    EXPECT_EQ(s.Doc()->m_strLeagueName, name.c_str());
    EXPECT_EQ(ui.frameTitle, "Monday.lgf - Torvane");
    EXPECT_TRUE(ui.AllUsed());
}
