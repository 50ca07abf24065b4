// The files around a league as a secretary meets them: a refused open, the recent-file list,
// where the file dialogs start, a second start with a file or a channel of another user's, the title bar.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <tuple>

#include "OtherUser.h"
#include "RealDialogs.h"
#include "ScriptedBackend.h"
#include "StartedApp.h"
#include "TempDir.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/ViewDialogs.h"

namespace {
void WriteBytes(const std::string& path, const std::string& bytes)
{
    CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    f.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    f.Close();
}

// The sample league, damaged, saved as Monday.lgf in the folder.
std::string SaveDamagedSample(TempDir& dir, const std::function<void(CBowlingDoc&)>& damage)
{
    const std::string path = dir.File("Monday.lgf");
    CBowlingDoc league;
    BuildSampleLeague(league, GetSampleLeagueShape(FALSE));
    damage(league);
    CString error;
    EXPECT_TRUE(league.SaveToFile(path.c_str(), error)) << error.GetString();
    return path;
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
    EXPECT_FALSE(ui.frameModified);
    s.Doc()->SetModifiedFlag();
    EXPECT_TRUE(ui.frameModified);
    ui.AnswerMessageBox(IDNO, "Monday.lgf?");
    ui.ChooseFile(dir.File("Broken.lgf"));
    s.Run(ID_FILE_OPEN);
    EXPECT_NE(ui.messages.back().text.find("Broken.lgf"), std::string::npos);
    EXPECT_EQ((std::vector<std::string>{s.Doc()->GetPathName().str(), s.Doc()->GetTitle().str(),
                                        s.Doc()->m_strLeagueName.str(), ui.frameTitle}),
              (std::vector<std::string>{path, "Monday.lgf", name, "Monday.lgf[*] - Torvane"}));
    EXPECT_TRUE(s.Doc()->IsModified() && ui.frameModified);
}

// A league whose stored match points no match can score opens, says once which matches it worked
// out again, and asks to be saved.
TEST(Files, ALeagueWhosePointsAreWorkedOutAgainOpensWithOneNotice)
{
    CScriptedBackend ui;
    TempDir dir;
    const std::string path = SaveDamagedSample(dir, [](CBowlingDoc& league) {
        league.FindFixtureByRoundMatch(2, 3)->m_nScratchTotals[0][1] = -2000000000;
        league.FindFixtureByRoundMatch(4, 1)->m_nHandicapMatchPoints[1] = 2000000000;
    });
    Started s({path});
    ASSERT_TRUE(s.ok);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "In the league file \"" + path +
                                       "\" the points of round 2, match 3 and round 4, match 1 could not be right: "
                                       "they were worked out again from the scores. Save the league to keep them.");
    EXPECT_EQ(s.Doc()->FindFixtureByRoundMatch(2, 3)->m_nScratchTotals[0][1], 0);
    EXPECT_TRUE(s.Doc()->IsModified() && ui.frameModified);
}

// The sample league damaged where a read mends it, a report font's colour and name and a
// bowler's handicap, opens with one notice; saved, it opens again without one.
TEST(Files, ALeagueWithAMendedFontAndHandicapOpensWithOneNoticeAndSavesMended)
{
    CScriptedBackend ui;
    TempDir dir;
    int nHandicap = 0;
    std::string name;
    const std::string path = SaveDamagedSample(dir, [&](CBowlingDoc& league) {
        league.m_fontReportTitle.m_crColour = 0x01000000;
        league.m_fontLayoutTitle.m_strFaceName = "Ar\tal";
        league.Recalculate();
        CPlayer* pBowler = league.FindPlayer(5);
        nHandicap = pBowler->m_nHandicap;
        name = pBowler->m_strName.str();
        pBowler->m_nHandicap = 4194360;
    });
    {
        Started s({path});
        ASSERT_TRUE(s.ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "In the league file \"" + path + "\" the handicap of bowler 5 (" + name + ") could not be right: it was worked out again from the bowler's average. "
                                           "The report fonts of the report title (its colour) and the current layout's "
                                           "title (its name, now Arial) were damaged: they were mended. Save the "
                                           "league to keep them.");
        EXPECT_EQ(s.Doc()->FindPlayer(5)->m_nHandicap, nHandicap);
        EXPECT_TRUE(s.Doc()->IsModified() && ui.frameModified);
        EXPECT_TRUE(s.Run(ID_FILE_SAVE));
        EXPECT_FALSE(s.Doc()->IsModified());
    }
    Started again({path});
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(again.Doc()->m_fontLayoutTitle.m_strFaceName, "Arial");
    EXPECT_EQ(again.Doc()->m_fontReportTitle.m_crColour, RGB(0, 0, 0));
}

// The sample league (21 rounds) as an older program left it, split by custom splits from
// rounds 8 and 25: it opens in two splits, the notice says the third went, and saved it opens
// again without a word.
TEST(Files, ALeagueWithASplitAfterItsLastRoundOpensWithOneNoticeAndSavesWithoutIt)
{
    CScriptedBackend ui;
    TempDir dir;
    const std::string path = SaveDamagedSample(dir, [](CBowlingDoc& league) {
        league.m_bCustomSplits = 1;
        league.m_nCustomSplitStart[0] = 1;
        league.m_nCustomSplitStart[1] = 8;
        league.m_nCustomSplitStart[2] = 25;
    });
    {
        Started s({path});
        ASSERT_TRUE(s.ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "In the league file \"" + path + "\" the season's split setting could not be "
                                       "used with its 21 rounds: the split from round 25 was removed. Save the league "
                                       "to keep it.");
        const CBowlingDoc& doc = *s.Doc();
        EXPECT_EQ((std::vector<int>{doc.m_nCustomSplitStart[1], doc.m_nCustomSplitStart[2], int(doc.m_nSplitCount)}),
                  (std::vector<int>{8, 0, 2}));
        EXPECT_TRUE(s.Doc()->IsModified() && ui.frameModified);
        EXPECT_TRUE(s.Run(ID_FILE_SAVE));
    }
    Started again({path});
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(int(again.Doc()->m_nSplitCount), 2);
}

// The player list's title font (the report title over that list) in grey, RGB(100, 100, 100),
// and a face of its own, damaged in its colour's fourth byte: the league opens with one notice,
// the font grey in its face, and once saved opens without one.
TEST(Files, ALeagueWithAGreyReportFontDamagedInItsColourOpensWithItsFontsIntact)
{
    CScriptedBackend ui;
    TempDir dir;
    const int kTitle = 34;  // the player list's title, entry 35 of the report font table
    const std::string path = SaveDamagedSample(dir, [&](CBowlingDoc& league) {
        league.m_DefaultFonts[kTitle].m_strFaceName = "Georgia";
        league.m_DefaultFonts[kTitle].m_crColour = 0x41000000 | RGB(100, 100, 100);
    });
    CFontData grey;
    grey.m_strFaceName = "Georgia";
    grey.m_crColour = RGB(100, 100, 100);
    {
        Started s({path});
        ASSERT_TRUE(s.ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "In the league file \"" + path + "\" the report font of the report font "
                                       "table, entry 35 (its colour) was damaged: it was mended. Save the league "
                                       "to keep it.");
        EXPECT_EQ(s.Doc()->m_DefaultFonts[kTitle], grey);
        EXPECT_TRUE(s.Doc()->IsModified());
        EXPECT_TRUE(s.Run(ID_FILE_SAVE));
    }
    Started again({path});
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(again.Doc()->m_DefaultFonts[kTitle], grey);
}

TEST(Files, APathBeyondAsciiOpensAndIsKeptByteForByte)
{
    CScriptedBackend ui;
    TempDir dir;
    const std::string folder = dir.File("Ligue d'\xC3\xA9t\xC3\xA9");  // "Ligue d'été", as the system names it
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/M\xC3\xBCller.lgf";
    SaveSample(path);
    Started s({path});
    ASSERT_TRUE(s.ok);
    EXPECT_TRUE(ui.messages.empty());
    // the title is text
    EXPECT_EQ((std::vector<std::string>{s.Doc()->GetPathName().str(), ui.frameTitle, (*s.app.GetRecentFileList())[0].str()}),
              (std::vector<std::string>{path, "M\xFC" "ller.lgf[*] - Torvane", path}));
    // Save As offers the file's own name and writes exactly the name chosen.
    const std::string other = folder + "/\xC5\x81\xC3\xB3" "d\xC5\xBA";  // "Łódź"
    ui.ChooseFile(other);
    s.Run(ID_FILE_SAVE_AS);
    EXPECT_EQ(ui.fileDialogNames.back(), "M\xC3\xBCller.lgf");
    EXPECT_TRUE(std::filesystem::exists(other + ".lgf") && ui.messages.empty());
    EXPECT_EQ(s.Doc()->GetPathName().str(), other + ".lgf");
}

TEST(Files, TheRecentFileListNamesEachLeagueOnce)
{
    CScriptedBackend ui;
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "sub");
    const std::string path = dir.File("Monday.lgf");
    WriteBytes(path, "x");
    std::filesystem::create_symlink(path, dir.path() / "link.lgf");
    const std::string relative = std::filesystem::relative(dir.path() / "sub" / ".." / "Monday.lgf").string();
    CWinApp app("Torvane");
    ui.settings.WriteProfileValue("Recent File List", "File1", (dir.File("sub") + "/../Monday.lgf").c_str());
    ui.settings.WriteProfileValue("Recent File List", "File2", path.c_str());
    app.LoadStdProfileSettings(4);
    CRecentFileList& mru = *app.GetRecentFileList();
    ASSERT_EQ(mru.GetCount(), 1);
    for (const std::string& p : {relative, dir.File("link.lgf"), dir.File("sub") + "//../Monday.lgf", path})
        app.AddToRecentFileList(p.c_str());
    app.AddToRecentFileList(dir.File("sub/../New.lgf").c_str());  // not there yet: made absolute all the same
    ASSERT_EQ(mru.GetCount(), 2);
    EXPECT_EQ((std::vector<std::string>{mru[0].str(), mru[1].str()}), (std::vector<std::string>{dir.File("New.lgf"), path}));
}

TEST(Files, FileDialogsStartInTheLeaguesFolderElseTheLastUsedElseDocuments)
{
    CScriptedBackend ui;
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "A");
    std::filesystem::create_directory(dir.path() / "B");
    WriteBytes(dir.File("B/notes.lgf"), "notes");
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();  // no file: the new-league road starts
    Started s({});
    ASSERT_TRUE(s.ok);
    ui.CancelFileDialog();
    s.Run(ID_FILE_OPEN);
    ui.ChooseFile(dir.File("B/notes.lgf"));  // refused, but the folder was used
    ui.AnswerMessageBox(IDOK, "not a league file");
    s.Run(ID_FILE_OPEN);
    ui.CancelFileDialog();
    s.Run(ID_FILE_OPEN);
    ui.ChooseFile(dir.File("A/Monday"));
    s.Run(ID_FILE_SAVE_AS);
    ui.OnDialog(IDD_EXPORT_FIELDS).SetSel(IDC_EF_FIELDS, 0).Click(IDC_EF_ADD).OK();
    ui.CancelFileDialog();
    s.Run(ID_FILE_EXPORT_PLAYERS);
    EXPECT_EQ(ui.fileDialogFolders, (std::vector<std::string>{"/home/secretary/Documents", "/home/secretary/Documents",
                                                              dir.File("B"), dir.File("B"), dir.File("A")}));
}

TEST(Files, ASecondStartHandsItsFileToTheRunningProgram)
{
    CScriptedBackend ui;
    TempDir dir;
    const std::string path = dir.File("Tuesday.lgf");
    const std::string name = SaveSample(path);
    {
        ui.otherInstanceRunning = true;
        Started second({std::filesystem::relative(path).string()});
        EXPECT_FALSE(second.ok);
        EXPECT_EQ(ui.handedFile, path);  // absolute: the running one has its own working folder
        ui.otherInstanceRunning = false;
    }
    // The running program opens it as File > Open does, asking first about a changed league.
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();
    Started first({});
    ASSERT_TRUE(first.ok);
    first.Doc()->SetModifiedFlag();
    ui.AnswerMessageBox(IDCANCEL, "Save changes to NewLeage.lgf?");
    first.app.OnOpenFromOtherInstance(path.c_str());
    EXPECT_EQ(first.Doc()->GetPathName(), "");
    ui.AnswerMessageBox(IDNO, "Save changes to NewLeage.lgf?");
    first.app.OnOpenFromOtherInstance(path.c_str());
    EXPECT_EQ((std::vector<std::string>{first.Doc()->GetPathName().str(), first.Doc()->m_strLeagueName.str()}),
              (std::vector<std::string>{path, name}));
}

namespace {
std::string RunsOnItsOwn(const std::string& why)
{
    return "Torvane runs on its own: " + why +
           ".\n\nIt tells no other program which league it opens, and a league opened while it runs opens in a "
           "Torvane of its own.";
}
}  // namespace

// A channel that is not the user's own is not asked: the league opens here, and the secretary
// hears why this program keeps to itself, once.
TEST(Files, AStartWhoseChannelIsAnotherUsersOpensItsLeagueItselfAndSaysWhy)
{
    CScriptedBackend ui;
    TempDir dir;
    const std::string path = dir.File("Tuesday.lgf");
    SaveSample(path);
    ui.otherInstanceRunning = true;
    ui.channelFault = "the folder /tmp/NewTorvane-0 belongs to another user";
    Started s({path});
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(std::make_tuple(s.Doc()->GetPathName().str(), ui.activationRequests, ui.registeredInstance),
              std::make_tuple(path, 0, std::string()));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{RunsOnItsOwn(ui.channelFault)});
}

// The case as it was met: root's start without a runtime folder, where nobody made root's
// channel folder and listens in it and at the name the channel once had beside it.
TEST(Files, AStartWhoseChannelAnotherUserTookTellsHimNothing)
{
    if (!CTwoUsers::CanSwitch())
        GTEST_SKIP() << "a second user needs root";
    CTwoUsers users;
    const std::string path = users.Shared() + "/Tuesday.lgf";
    SaveSample(path);
    const std::string channel = CPeer(users, 0, {"where", CBowlingApp::kWindowClassName}).Next();
    const std::string folder = channel.substr(0, channel.rfind('/'));
    CPeer inFolder(users, CTwoUsers::kOther, {"listen", QString::fromStdString(channel)});
    CPeer beside(users, CTwoUsers::kOther,
                 {"listen", QString::fromStdString(users.Shared() + channel.substr(channel.rfind('/')))});
    ASSERT_EQ(inFolder.Next(), "ready");
    ASSERT_EQ(beside.Next(), "ready");

    const std::string tmpdir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
    ::setenv("TMPDIR", users.Shared().c_str(), 1);
    ::unsetenv("XDG_RUNTIME_DIR");
    {
        CRealUi ui;
        Started s({path});
        EXPECT_TRUE(s.ok);
        ASSERT_NE(s.Doc(), nullptr);
        EXPECT_EQ(s.Doc()->GetPathName().str(), path);
        EXPECT_EQ(ui.messages, std::vector<std::string>{RunsOnItsOwn("the folder " + folder + " belongs to another user")});
    }
    tmpdir.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", tmpdir.c_str(), 1);
    if (!runtime.empty())
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    EXPECT_EQ(inFolder.Next(500), "");
    EXPECT_EQ(beside.Next(100), "");
}
