// Opening and saving documents through the framework, the save-changes question, the
// recent-file list in the profile and the registry wrapper.
#include <gtest/gtest.h>

#include "FileContents.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "framework/ui/Ui.h"

#include <tuple>

namespace {
class CNotesDoc : public CDocument {
    DECLARE_DYNCREATE(CNotesDoc)
public:
    CString m_strText;
    int m_nCount = 0;
    int nDeletes = 0;
    void DeleteContents() override
    {
        ++nDeletes;
        m_strText.Empty();
        m_nCount = 0;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << static_cast<BYTE>(7) << m_strText << m_nCount;
        } else {
            BYTE version;
            ar >> version;
            if (version != 7)
                CArchive::ThrowCorrupt("Unknown file version.");
            ar >> m_strText >> m_nCount;
        }
    }
};
IMPLEMENT_DYNCREATE(CNotesDoc, CDocument)

void WriteAll(const CString& path, const std::string& bytes)
{
    CFile f(path, CFile::modeCreate | CFile::modeWrite);
    f.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    f.Close();
}
}  // namespace

TEST(Documents, SaveThenOpenGivesTheSameDocument)
{
    CScriptedBackend ui;
    TempDir dir;
    CString path = dir.File("a.lgf");
    CNotesDoc doc;
    doc.m_strText = "League night", doc.m_nCount = 42;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "a.lgf");
    EXPECT_EQ(FileContents(path.str()), std::string("\x07\x0CLeague night\x2A\0\0\0", 18));

    CNotesDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path));
    EXPECT_EQ(std::make_tuple(again.m_strText.str(), again.m_nCount, again.IsModified()),
              std::make_tuple(std::string("League night"), 42, FALSE));
}

TEST(Documents, AnUnreadableFileLeavesAnEmptyUntouchedDocumentAndAMessage)
{
    CScriptedBackend ui;
    TempDir dir;
    CString path = dir.File("bad.lgf");
    WriteAll(path, std::string("\x07\x0CLeague", 8));  // cut short
    CNotesDoc doc;
    doc.m_strText = "old";
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(std::make_pair(doc.m_strText.str(), doc.IsModified()), std::make_pair(std::string(), FALSE));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("bad.lgf"), std::string::npos);

    WriteAll(path, std::string("\x09", 1));
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_NE(ui.messages.back().text.find("Unknown file version."), std::string::npos);

    EXPECT_FALSE(doc.OnOpenDocument(dir.File("missing.lgf").c_str()));
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST(Documents, AFailedSaveKeepsTheOldFile)
{
    CScriptedBackend ui;
    TempDir dir;
    CString path = dir.File("keep.lgf");
    WriteAll(path, "old bytes");
    class CFailingDoc : public CNotesDoc {
    public:
        void Serialize(CArchive& ar) override
        {
            ar << CString("partial");
            CArchive::ThrowCorrupt("Cannot write this league.");
        }
    } doc;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(FileContents(path.str()), "old bytes");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Cannot write this league."), std::string::npos);
}

TEST(Documents, SaveChangesAsksAndObeys)
{
    CScriptedBackend ui;
    TempDir dir;
    CNotesDoc doc;
    EXPECT_TRUE(doc.SaveModified() && ui.messages.empty());  // nothing changed, nothing asked

    doc.SetTitle("NewLeage.lgf");
    doc.SetModifiedFlag();
    ui.AnswerMessageBox(IDCANCEL, "Save changes to NewLeage.lgf?");
    ui.AnswerMessageBox(IDNO);
    EXPECT_EQ((std::vector<BOOL>{doc.SaveModified(), doc.SaveModified()}), (std::vector<BOOL>{FALSE, TRUE}));
    // Yes on a new league asks for a name, offering the title.
    ui.AnswerMessageBox(IDYES);
    ui.ChooseFile(dir.File("Monday"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.GetPathName(), dir.File("Monday"));  // no template, so no extension to add
    EXPECT_EQ(ui.fileDialogNames, std::vector<std::string>{"NewLeage.lgf"});
    EXPECT_TRUE(CFile::Exists(dir.File("Monday").c_str()));
}

TEST(Documents, TheTemplateOpensIntoTheOneDocumentAndForgetsAFailedPath)
{
    static const StringEntry strings[] = {{78, "Torvane\nNewLeage.lgf\nLeague\nLeague Files (*.lgf)\n.lgf"}};
    AfxRegisterStrings(strings);
    class CTestView : public CView {
    public:
        void OnDraw(CDC*) override {}
        static CObject* Make() { return new CTestView; }
    };
    static const CRuntimeClass viewClass = {"CTestView", sizeof(CTestView), 0xFFFF, &CTestView::Make,
                                            RUNTIME_CLASS(CView)};
    CScriptedBackend ui;
    TempDir dir;
    {
        CWinApp app("Torvane");
        app.AddDocTemplate(new CSingleDocTemplate(78, RUNTIME_CLASS(CNotesDoc), RUNTIME_CLASS(CFrameWnd), &viewClass));
        app.LoadStdProfileSettings(4);
        app.OnFileNew();
        auto* doc = static_cast<CNotesDoc*>(app.GetFirstDocTemplate()->GetOnlyDocument());
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->GetTitle(), "NewLeage.lgf");

        // Save As offers the title and the league filter, and adds the extension.
        doc->m_strText = "x";
        ui.ChooseFile(dir.File("Tuesday"));
        ASSERT_TRUE(doc->DoSave(nullptr));
        EXPECT_EQ((std::vector<std::string>{doc->GetPathName().str(), ui.fileDialogFilters.back()}),
                  (std::vector<std::string>{dir.File("Tuesday.lgf"), "League Files (*.lgf)|*.lgf|All Files (*.*)|*.*||"}));

        // File > Open of a bad file: the document is emptied and no longer names the file.
        CString bad = dir.File("bad.lgf");
        WriteAll(bad, "\x07");
        ui.ChooseFile(bad.str());
        app.OnFileOpen();
        EXPECT_EQ(std::make_pair(doc->GetPathName().str(), doc->GetTitle().str()), std::make_pair(std::string(), std::string("NewLeage.lgf")));
        EXPECT_EQ(ui.messages.size(), 1u);

        ASSERT_EQ(app.OpenDocumentFile(dir.File("Tuesday.lgf").c_str()), doc);
        EXPECT_EQ((std::vector<std::string>{doc->m_strText.str(), ui.frameTitle}),
                  (std::vector<std::string>{"x", "Tuesday.lgf[*] - Torvane"}));
        app.ExitInstance();
    }
    CString first;
    EXPECT_TRUE(ui.settings.GetProfileValue("Recent File List", "File1", first));
    EXPECT_EQ(first, dir.File("Tuesday.lgf"));
}

TEST(Profile, TheRecentFileListKeepsFourNewestFirst)
{
    CScriptedBackend ui;
    ui.settings.WriteProfileValue("Recent File List", "File1", "/a.lgf");
    ui.settings.WriteProfileValue("Recent File List", "File2", "/b.lgf");
    ui.settings.WriteProfileValue("Settings", "PreviewPages", "2");
    CWinApp app("Torvane");
    app.LoadStdProfileSettings(4);
    EXPECT_EQ(app.m_nNumPreviewPages, 2u);
    CRecentFileList& mru = *app.GetRecentFileList();
    ASSERT_EQ(mru.GetCount(), 2);
    for (const char* p : {"/c.lgf", "/d.lgf", "/e.lgf", "/b.lgf"})
        app.AddToRecentFileList(p);
    ASSERT_EQ(mru.GetCount(), 4);
    EXPECT_EQ((std::vector<CString>{mru[0], mru[1], mru[3]}), (std::vector<CString>{"/b.lgf", "/e.lgf", "/c.lgf"}));
    app.SaveStdProfileSettings();
    CString v;
    ASSERT_TRUE(ui.settings.GetProfileValue("Recent File List", "File4", v));
    EXPECT_EQ(v, "/c.lgf");
    EXPECT_FALSE(ui.settings.GetProfileValue("Recent File List", "File5", v));
}

TEST(Registry, AMissingValueGetsItsDefaultWrittenBack)
{
    CScriptedBackend ui;
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    CString path = GetDatabasePath();
    EXPECT_EQ(path, "/srv/data/Torvane/database");
    CString stored;
    ASSERT_TRUE(ui.settings.GetRegistryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quillmere\\Torvane", "Database path", stored));
    EXPECT_EQ(stored, path);
    // A value already there wins over the default.
    CRegistryKey key(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(key.Open("SOFTWARE\\Quillmere\\Torvane"));
    key.SetStringValue("Database path", "/shared/bowling");
    EXPECT_EQ(GetDatabasePath(), "/shared/bowling");
    EXPECT_TRUE(key.DeleteValue("Database path"));
    CString none;
    EXPECT_FALSE(key.QueryStringValue("Database path", none));
    unsetenv("XDG_DATA_HOME");
}
