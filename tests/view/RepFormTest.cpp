// Report layouts: copies, the league file's layout list, and ".rep" files.
#include "TempDir.h"
#include "TestItems.h"
#include "league/BowlingDoc.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <tuple>

namespace {

// A layout with a placed heading, an average-busters item and one of each in between.
CRepForm* MakeLayout(const char* title)
{
    auto* pForm = new CRepForm;
    pForm->m_strTitle = title;
    pForm->m_fontTitle.m_nPointSize = 14;
    pForm->m_fontTitle.m_bBold = 1;
    pForm->m_fontTitle.m_crColour = RGB(0, 0, 128);
    pForm->AddItem(new CTestBlockItem(RIT_HEADING, -900, "League heading"));
    pForm->AddItem(new CTestBlockItem(RIT_STANDINGS, -4000, "Standings"));
    pForm->AddItem(new CTestBlockItem(RIT_NEW_PAGE, -16560, ""));
    auto* pNotes = new CTestBlockItem(RIT_NOTES, -1200, "Fees & dues <due>");
    pNotes->m_nFlag = 3;
    pNotes->m_nRows = 2;
    pForm->AddItem(pNotes);
    pForm->AddItem(new CTestBlockItem(RIT_AVG_BUSTERS, -2000, "Busters"));
    return pForm;
}

std::vector<std::string> Texts(const CRepForm& form)
{
    std::vector<std::string> v;
    for (POSITION pos = form.m_listItems.GetHeadPosition(); pos;)
        v.push_back(static_cast<CTestBlockItem*>(form.GetItem(pos))->m_strText.str());
    return v;
}

void WriteBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The test class's name has the length of a notes item's class name: swapped in, the bytes
// name an item this program cannot read.
template <typename Bytes>
void NameANotesItem(Bytes& bytes)
{
    const std::string from = "CTestBlockItem", to = "CRepItem_Notes";
    ASSERT_EQ(from.size(), to.size());
    auto it = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
    ASSERT_NE(it, bytes.end());
    std::copy(to.begin(), to.end(), it);
}

std::vector<BYTE> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(RepForm, NewLayoutIsUnTitledAndEmpty)
{
    CRepForm form;
    EXPECT_EQ(std::make_pair(form.m_strTitle.str(), form.m_listItems.GetCount()), std::make_pair(std::string("UnTitled"), 0));
}

TEST(RepForm, CopyKeepsEveryStoredItemAndDropsTemporaryOnes)
{
    std::unique_ptr<CRepForm> pSource(MakeLayout("Winter"));
    auto* pTemp = new CTestBlockItem(RIT_HEADING, -600, "page heading");
    pTemp->m_bTemporary = TEMP_SHOWING;
    pSource->m_listItems.AddHead(pTemp);

    CRepForm copy;
    copy.AddItem(new CTestBlockItem(RIT_NOTES, -100, "old item"));
    copy.CopyFrom(*pSource);
    EXPECT_EQ(copy.m_strTitle, "Winter");
    EXPECT_TRUE(copy.m_fontTitle.IsSameAs(pSource->m_fontTitle));
    EXPECT_EQ(Texts(copy),
              (std::vector<std::string>{"League heading", "Standings", "", "Fees & dues <due>", "Busters"}));
    // Copies, not shared objects, and each through its own class.
    POSITION a = copy.m_listItems.GetHeadPosition();
    POSITION b = pSource->m_listItems.GetHeadPosition();
    pSource->GetItem(b);  // skip the temporary heading
    while (a) {
        CRepItem* pc = copy.GetItem(a);
        CRepItem* ps = pSource->GetItem(b);
        EXPECT_NE(pc, ps);
        EXPECT_EQ(std::make_tuple(pc->GetRuntimeClass(), pc->m_nType, pc->m_nFlag),
                  std::make_tuple(ps->GetRuntimeClass(), ps->m_nType, ps->m_nFlag));
    }
    EXPECT_EQ(copy.GetStoredBytes(), pSource->GetStoredBytes());
}

TEST(RepForm, OnlyStoredItemsAreWritten)
{
    std::unique_ptr<CRepForm> pForm(MakeLayout("Summer"));
    std::vector<BYTE> before = pForm->GetStoredBytes();
    auto* pRow = new CTestBlockItem(RIT_NOTES, -300, "row");
    pRow->m_bTemporary = TEMP_SHOWING;
    pForm->AddItem(pRow);
    EXPECT_EQ(std::make_pair(pForm->GetStoredBytes(), pForm->CountStoredItems()), std::make_pair(before, 5));
}

TEST(RepForm, LeagueFileKeepsTheLayoutsAndTheCurrentOne)
{
    CBowlingDoc doc;
    doc.m_strLeagueName = "Monday Mixed";
    CRepForm* pFirst = MakeLayout("Standings");
    CRepForm* pSecond = MakeLayout("Fixtures & Notes");
    static_cast<CTestBlockItem*>(pSecond->m_listItems.GetTail())->m_strText = "Second busters";
    doc.m_listRepForms.AddTail(pFirst);
    doc.m_listRepForms.AddTail(pSecond);
    doc.m_pCurrentRepForm = pSecond;

    std::vector<BYTE> data;
    doc.SaveToBytes(data);
    CBowlingDoc loaded;
    CString strError;
    ASSERT_TRUE(loaded.LoadFromBytes(data, "test.lgf", strError))
        << strError.GetString();
    ASSERT_EQ(loaded.m_listRepForms.GetCount(), 2);
    auto* pLoadedFirst = static_cast<CRepForm*>(loaded.m_listRepForms.GetHead());
    auto* pLoadedSecond = static_cast<CRepForm*>(loaded.m_listRepForms.GetTail());
    EXPECT_EQ(loaded.m_pCurrentRepForm, pLoadedSecond);
    EXPECT_EQ(std::make_pair(pLoadedFirst->GetStoredBytes(), pLoadedSecond->GetStoredBytes()),
              std::make_pair(pFirst->GetStoredBytes(), pSecond->GetStoredBytes()));
    for (POSITION pos = pLoadedSecond->m_listItems.GetHeadPosition(); pos;)
        EXPECT_EQ(pLoadedSecond->GetItem(pos)->m_pDoc, &loaded);
}

TEST(RepForm, ExportedLayoutImportsBackEqual)
{
    TempDir dir;
    std::unique_ptr<CRepForm> pForm(MakeLayout("Winter"));
    auto* pTemp = new CTestBlockItem(RIT_NOTES, -300, "temporary row");
    pTemp->m_bTemporary = TEMP_SHOWING;
    pForm->AddItem(pTemp);
    CString strError, notice;
    std::string path = dir.File(SuggestFileName(pForm->m_strTitle, ".rep", "Report.rep").str());
    ASSERT_TRUE(ExportRepForm(*pForm, path.c_str(), strError)) << strError.GetString();
    std::vector<BYTE> bytes = ReadBytes(path);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], LEAGUE_FILE_VERSION);

    CBowlingDoc doc;
    std::unique_ptr<CRepForm> pBack(ImportRepForm(path.c_str(), &doc, strError, notice));
    ASSERT_TRUE(pBack) << strError.GetString();
    EXPECT_EQ(notice, "");
    EXPECT_EQ(pBack->m_strTitle, "Winter");
    EXPECT_EQ(std::make_pair(pBack->CountStoredItems(), pBack->m_listItems.GetCount()), std::make_pair(5, 5));
    EXPECT_EQ(pBack->GetStoredBytes(), pForm->GetStoredBytes());
    EXPECT_TRUE(pBack->m_fontTitle.IsSameAs(pForm->m_fontTitle));
    EXPECT_EQ(static_cast<CRepItem*>(pBack->m_listItems.GetHead())->m_pDoc, &doc);
}

TEST(RepForm, BadLayoutFilesGiveAReasonAndNoLayout)
{
    TempDir dir;
    std::unique_ptr<CRepForm> pForm(MakeLayout("Winter"));
    std::string good = dir.File("good.rep");
    CString strError, notice;
    ASSERT_TRUE(ExportRepForm(*pForm, good.c_str(), strError));
    std::vector<BYTE> bytes = ReadBytes(good);
    CBowlingDoc doc;

    // Every truncation is refused with a message.
    for (size_t n = 0; n < bytes.size(); n += 3) {
        std::string path = dir.File("short.rep");
        WriteBytes(path, std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
        strError.Empty();
        std::unique_ptr<CRepForm> p(ImportRepForm(path.c_str(), &doc, strError, notice));
        EXPECT_FALSE(p || strError.IsEmpty()) << n;
    }

    // A newer file version.
    std::vector<BYTE> newer = bytes;
    newer[0] = LEAGUE_FILE_VERSION + 1;
    WriteBytes(dir.File("newer.rep"), newer);
    EXPECT_FALSE(std::unique_ptr<CRepForm>(ImportRepForm(dir.File("newer.rep").c_str(), &doc, strError, notice)));

    // A missing file.
    EXPECT_FALSE(std::unique_ptr<CRepForm>(ImportRepForm(dir.File("none.rep").c_str(), &doc, strError, notice)));
    EXPECT_FALSE(strError.IsEmpty());
}

TEST(RepForm, AnItemClassThisProgramLacksIsNamedInTheMessage)
{
    TempDir dir;
    std::unique_ptr<CRepForm> pForm(MakeLayout("Winter"));
    std::string path = dir.File("w.rep");
    CString strError, notice;
    ASSERT_TRUE(ExportRepForm(*pForm, path.c_str(), strError));
    std::vector<BYTE> bytes = ReadBytes(path);
    NameANotesItem(bytes);
    WriteBytes(path, bytes);
    CBowlingDoc doc;
    std::unique_ptr<CRepForm> pBack(ImportRepForm(path.c_str(), &doc, strError, notice));
    EXPECT_FALSE(pBack);
    EXPECT_EQ(strError, "The report layout \"Winter\" holds a \"Secretary's note\" item, which this version of "
                        "the program cannot read.");
}

TEST(RepForm, SuggestedFileNames)
{
    EXPECT_EQ((std::vector<CString>{SuggestFileName("Winter League", ".rep", "Report.rep"),
                                    SuggestFileName("Week 1/2", ".rep", "Report.rep"),
                                    SuggestFileName("What?", ".htm", "Report.htm"), SuggestFileName("", ".rep", "Report.rep")}),
              (std::vector<CString>{"Winter League.rep", "Report.rep", "Report.htm", "Report.rep"}));
}

TEST(RepForm, ALeagueFileWithAnItemThisProgramLacksIsRefusedWholeWithTheReason)
{
    CBowlingDoc doc;
    doc.m_strLeagueName = "Friday Fours";
    doc.m_listRepForms.AddTail(MakeLayout("Winter"));
    std::vector<BYTE> data;
    doc.SaveToBytes(data);
    NameANotesItem(data);

    CBowlingDoc loaded;
    loaded.m_strLeagueName = "Kept";
    CString strError;
    EXPECT_FALSE(loaded.LoadFromBytes(data, "friday.lgf", strError));
    EXPECT_NE(strError.Find("The report layout \"Winter\" holds a \"Secretary's note\" item"), -1)
        << strError.GetString();
    EXPECT_EQ(std::make_pair(loaded.m_strLeagueName.str(), loaded.m_listRepForms.GetCount()), std::make_pair(std::string("Kept"), 0));
}
