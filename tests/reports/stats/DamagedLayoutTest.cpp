// Damaged report layouts, in a league file and in ".rep" files: refused with a message or
// read whole, never one object owned twice; imported one after another, each told of its own.
#include "FileContents.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "reports/stats/CustomItem.h"
#include "reports/stats/CustomPlayerStats.h"
#include "reports/stats/CustomStandings.h"
#include "reports/stats/PlayerItem.h"
#include "resources/Resource.h"
#include "view/BowlingView.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<BYTE>;

struct Tables
{
    CRepForm* pForm;
    CRepItem_CustomStandings* pStandings;
    CRepItem_CustomPlayerStats* pPlayers;
};

Tables MakeTables(CBowlingDoc& doc)
{
    Tables t{new CRepForm, new CRepItem_CustomStandings, new CRepItem_CustomPlayerStats};
    t.pForm->m_strTitle = "Tables";
    t.pStandings->m_pDoc = &doc;
    t.pPlayers->m_pDoc = &doc;
    for (BYTE n = 0; n < 3; ++n) {
        auto* pTeamColumn = new CRepItem_CustomItem;
        pTeamColumn->m_nColumnType = n;
        t.pStandings->AddColumn(pTeamColumn);
        auto* pPlayerColumn = new CRepItem_PlayerItem;
        pPlayerColumn->m_nColumnType = n;
        t.pPlayers->AddColumn(pPlayerColumn);
    }
    t.pForm->AddItem(t.pStandings);
    t.pForm->AddItem(t.pPlayers);
    return t;
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::string& path)
{
    std::string s = FileContents(path);
    return Bytes(s.begin(), s.end());
}

// A change that makes the tables name one object twice, and the step that undoes it.
struct Sharing
{
    const char* pszWhat;
    std::function<std::function<void()>(Tables&)> share;
};

const Sharing g_sharings[] = {
    {"a standings column twice",
     [](Tables& t) {
         t.pStandings->m_arrColumns.push_back(t.pStandings->m_arrColumns[0]);
         return std::function<void()>([&t] { t.pStandings->m_arrColumns.pop_back(); });
     }},
    {"a player table column twice",
     [](Tables& t) {
         t.pPlayers->m_arrColumns.push_back(t.pPlayers->m_arrColumns[1]);
         return std::function<void()>([&t] { t.pPlayers->m_arrColumns.pop_back(); });
     }},
    {"a standings column placed as a layout item",
     [](Tables& t) {
         t.pForm->AddItem(t.pStandings->m_arrColumns[2]);
         return std::function<void()>([&t] { t.pForm->m_listItems.RemoveTail(); });
     }},
    {"one table twice in the layout",
     [](Tables& t) {
         t.pForm->AddItem(t.pPlayers);
         return std::function<void()>([&t] { t.pForm->m_listItems.RemoveTail(); });
     }},
};

} // namespace

TEST(DamagedLayout, AnObjectNamedTwiceIsRefusedInLeagueAndLayoutFiles)
{
    TempDir dir;
    for (const Sharing& s : g_sharings) {
        SCOPED_TRACE(s.pszWhat);
        CBowlingDoc doc;
        BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 2, 1});
        Tables t = MakeTables(doc);
        doc.m_listRepForms.AddTail(t.pForm);
        std::function<void()> undo = s.share(t);
        Bytes league;
        doc.SaveToBytes(league);
        CString error, notice;
        std::string rep = dir.File("shared.rep");
        ASSERT_TRUE(ExportRepForm(*t.pForm, rep.c_str(), error)) << error.GetString();
        undo();

        CBowlingDoc other;
        EXPECT_FALSE(other.LoadFromBytes(league, "shared.lgf", error));
        EXPECT_NE(error.Find("one object in two places"), -1) << error.GetString();
        error.Empty();
        EXPECT_EQ(ImportRepForm(rep.c_str(), &other, error, notice), nullptr);
        EXPECT_NE(error.Find("one object in two places"), -1) << error.GetString();
    }
}

TEST(DamagedLayout, ChangedBytesOfALayoutFileImportToTheMessageOrToAWholeLayout)
{
    TempDir dir;
    CBowlingDoc doc;
    Tables t = MakeTables(doc);
    std::unique_ptr<CRepForm> pForm(t.pForm);
    std::string path = dir.File("good.rep");
    CString error, notice;
    ASSERT_TRUE(ExportRepForm(*pForm, path.c_str(), error)) << error.GetString();
    const Bytes good = ReadBytes(path);

    std::mt19937 rng(1919);
    std::uniform_int_distribution<size_t> where(1, good.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    int nRefused = 0, nLoaded = 0;
    for (int trial = 0; trial < 400; ++trial) {
        Bytes bytes = good;
        for (int i = 0; i <= trial % 3; ++i)
            bytes[where(rng)] = static_cast<BYTE>(value(rng));
        if (trial % 7 == 0)
            bytes.resize(where(rng));
        WriteBytes(path, bytes);
        error.Empty();
        std::unique_ptr<CRepForm> pBack(ImportRepForm(path.c_str(), &doc, error, notice));
        if (!pBack) {
            ++nRefused;
            ASSERT_FALSE(error.IsEmpty());
            continue;
        }
        // A layout that imports is whole: it exports and imports again to the same bytes.
        ++nLoaded;
        std::string again = dir.File("again.rep");
        ASSERT_TRUE(ExportRepForm(*pBack, again.c_str(), error)) << error.GetString();
        std::unique_ptr<CRepForm> pAgain(ImportRepForm(again.c_str(), &doc, error, notice));
        ASSERT_TRUE(pAgain) << error.GetString();
        ASSERT_EQ(pAgain->GetStoredBytes(), pBack->GetStoredBytes());
    }
    EXPECT_GT(nRefused, 0);
    EXPECT_GT(nLoaded, 0);
}

TEST(DamagedLayout, WhatCannotBeALayoutIsRefusedBeforeReading)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe.rep"), big = dir.File("big.rep");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    WriteBytes(big, Bytes{});
    ASSERT_EQ(::truncate(big.c_str(), off_t(5) << 30), 0);
    const struct
    {
        std::string path;
        const char* pszReason;
    } cases[] = {
        {pipe, "is not a file that can be read"},
        {dir.path().string(), "is not a file that can be read"},
        {big, "too large to be a report layout"},
    };
    CBowlingDoc doc;
    for (const auto& c : cases) {
        CString error, notice;
        EXPECT_EQ(ImportRepForm(c.path.c_str(), &doc, error, notice), nullptr);
        EXPECT_NE(error.Find(c.pszReason), -1) << error.GetString();
    }
}

// A layout's fonts in grey RGB(100, 100, 100) or white, each damaged in its colour's fourth
// byte, read from a league file or imported from a layout file, come with their colour and one
// notice naming the layout and item, and store again undamaged; a name's length cut by 1 to 3
// is refused naming the same font, the layout file's last font too, whose cut name ends the
// layout early, and so is the layout file's last font's made longer where its name takes in the
// colour's zero byte. Cut in a font's colour, the file ends too early.
TEST(DamagedLayout, ALayoutFontOfAnyColourIsMendedInStepAndACutNameLengthNamesIt)
{
    TempDir dir;
    CBowlingDoc doc;
    BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 2, 1});
    Tables t = MakeTables(doc);
    doc.m_listRepForms.AddTail(t.pForm);
    Bytes league;
    doc.SaveToBytes(league);
    const std::string rep = dir.File("Tables.rep"), again = dir.File("again.rep");
    CString error, notice;
    ASSERT_TRUE(ExportRepForm(*t.pForm, rep.c_str(), error)) << error.GetString();

    // What a read says (its notice or its refusal) and the bytes it stores again.
    struct Read
    {
        bool bRead;
        std::string said;
        Bytes stored;
    };
    auto readLeague = [&](const Bytes& bytes) {
        CBowlingDoc loaded;
        Read r{loaded.LoadFromBytes(bytes, "layout.lgf", error) != FALSE, "", {}};
        r.said = (r.bRead ? loaded.m_strReadNotice : error).GetString();
        if (r.bRead)
            loaded.SaveToBytes(r.stored);
        return r;
    };
    auto importLayout = [&](const Bytes& bytes) {
        WriteBytes(rep, bytes);
        std::unique_ptr<CRepForm> pForm(ImportRepForm(rep.c_str(), &doc, error, notice));
        Read r{pForm != nullptr, (pForm ? notice : error).GetString(), {}};
        if (pForm && ExportRepForm(*pForm, again.c_str(), error))
            r.stored = ReadBytes(again);
        return r;
    };
    const struct
    {
        Bytes good;
        std::function<Read(const Bytes&)> read;
        std::string layout;
        int nLastNamed;     // the last font whose cut name is named
        bool bLastEndsTheFile;
    } files[] = {
        {league, readLeague,
         "the report layouts, entry " + std::to_string(doc.m_listRepForms.GetCount()) + " (\"Tables\")", 4, false},
        {ReadBytes(rep), importLayout, "report layout \"Tables\"", 4, true},
    };
    const std::string title = "\x06" "Tables", arial = "\x05" "Arial";
    for (const auto& file : files) {
        auto at = std::search(file.good.begin(), file.good.end(), title.begin(), title.end());
        ASSERT_NE(at, file.good.end());
        int nFonts = 0;
        for (at = std::search(at, file.good.end(), arial.begin(), arial.end()); at != file.good.end() && nFonts < 5;
             at = std::search(at + 1, file.good.end(), arial.begin(), arial.end()), ++nFonts) {
            const size_t n = static_cast<size_t>(at - file.good.begin());
            const std::string place =
                file.layout + (nFonts == 0 ? ", its title" : ", item " + std::to_string((nFonts + 1) / 2));
            for (BYTE colour : {100, 255}) {
                SCOPED_TRACE(place + ", colour " + std::to_string(colour));
                Bytes undamaged = file.good;
                std::fill_n(undamaged.begin() + n + 6, 3, colour);
                for (BYTE nFourth : {0x41, 0x07, 0xC8}) {
                    Bytes bytes = undamaged;
                    bytes[n + 9] = nFourth;
                    const Read r = file.read(bytes);
                    ASSERT_TRUE(r.bRead) << r.said;
                    EXPECT_TRUE(r.said.ends_with(" the report font of " + place + " (its colour) was damaged: it was "
                                                 "mended. Save the league to keep it."))
                        << r.said;
                    ASSERT_EQ(r.stored, undamaged);
                }
                for (BYTE nCut : {1, 2, 3}) {
                    Bytes bytes = undamaged;
                    bytes[n] = static_cast<BYTE>(5 - nCut);
                    const Read r = file.read(bytes);
                    ASSERT_FALSE(r.bRead) << int(nCut);
                    EXPECT_EQ(r.said.find("a report font whose name's length is damaged, in " + place + ".") !=
                                  std::string::npos,
                              nFonts <= file.nLastNamed)
                        << int(nCut) << " " << r.said;
                }
                // Cut in the font's colour, the file ends too early, in black too, where a shorter
                // name reads a whole font ending with it: the layout file's last font as well.
                for (const Bytes* pWhole : {static_cast<const Bytes*>(&undamaged), &file.good})
                    for (size_t nKept : {7, 8, 9}) {
                        const Read r =
                            file.read(Bytes(pWhole->begin(), pWhole->begin() + static_cast<std::ptrdiff_t>(n + nKept)));
                        ASSERT_FALSE(r.bRead) << nKept;
                        EXPECT_NE(r.said.find("The file ends too early"), std::string::npos) << nKept << " " << r.said;
                    }
                // The layout file's last font, its name's length made longer, runs past the
                // file's end: named where the name takes in the colour's zero fourth byte. Made 1
                // to 3 longer, the name takes in colour bytes that are letters here, which leaves
                // what a file cut in the colour of a font named so leaves: cut short.
                for (BYTE nLonger : {1, 2, 3, 4, 9}) {
                    if (!file.bLastEndsTheFile || nFonts != 4)
                        break;
                    Bytes bytes = undamaged;
                    bytes[n] = static_cast<BYTE>(5 + nLonger);
                    const Read r = file.read(bytes);
                    ASSERT_FALSE(r.bRead) << int(nLonger);
                    EXPECT_EQ(r.said, nLonger > 3 ? "The file holds a report font whose name's length is damaged, in " +
                                                        place + "."
                                                  : "The file ends too early (4 bytes wanted at offset " +
                                                        std::to_string(n + 1 + 5 + nLonger) + " of " +
                                                        std::to_string(bytes.size()) + ").")
                        << int(nLonger);
                }
            }
        }
        EXPECT_EQ(nFonts, 5);
    }
}

// A layout's font damaged in one byte that keeps the read in step is mended, and the notice
// names the layout and the item; a damaged name length is refused naming them.
TEST(DamagedLayout, AMendedOrRefusedFontNamesItsLayoutAndItem)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 2, 1});
    doc.m_listRepForms.AddTail(MakeTables(doc).pForm);
    const std::string layout = "the report layouts, entry " + std::to_string(doc.m_listRepForms.GetCount()) +
                               " (\"Tables\")";
    Bytes good;
    doc.SaveToBytes(good);
    const std::string title = "\x06" "Tables", arial = "\x05" "Arial";
    auto at = std::search(good.begin(), good.end(), title.begin(), title.end());
    ASSERT_NE(at, good.end());
    std::vector<std::string> places;
    for (at = std::search(at, good.end(), arial.begin(), arial.end()); at != good.end() && places.size() < 5;
         at = std::search(at + 1, good.end(), arial.begin(), arial.end())) {
        const size_t n = static_cast<size_t>(at - good.begin());
        Bytes bytes = good;
        bytes[n + 9] = 0x80;  // the colour's fourth byte
        CBowlingDoc loaded;
        CString error;
        ASSERT_TRUE(loaded.LoadFromBytes(bytes, "layout.lgf", error)) << error.GetString();
        const std::string notice = loaded.m_strReadNotice.GetString();
        const size_t a = notice.find(layout), b = notice.find(" (its colour) was damaged: it was mended.");
        ASSERT_TRUE(a != std::string::npos && b != std::string::npos) << notice;
        places.push_back(notice.substr(a, b - a));

        bytes = good;
        bytes[n] = 0;  // the name's letters are read as its colour
        ASSERT_FALSE(loaded.LoadFromBytes(bytes, "layout.lgf", error));
        EXPECT_NE(error.Find(("a report font whose name's length is damaged, in " + places.back() + ".").c_str()), -1)
            << error.GetString();
    }
    // The layout's title font, then each table's heading and detail fonts.
    ASSERT_EQ(places.size(), 5u);
    EXPECT_EQ(places[0], layout + ", its title");
    EXPECT_EQ(places[1], layout + ", item 1");
    EXPECT_EQ(places[2], layout + ", item 1");
    EXPECT_EQ(places[3], layout + ", item 2");
    EXPECT_EQ(places[4], layout + ", item 2");
}

// ---------------------------------------------------------------- Report > Import Report Layout

namespace {

// Layout files imported one after another through the view, as the secretary chooses them;
// every message said is kept in order.
struct LayoutImports : ::testing::Test
{
    TempDir dir;
    CScriptedBackend ui;
    CBowlingDoc doc;
    CBowlingView view;

    void SetUp() override
    {
        RegisterResources();
        BuildSampleLeague(doc, SampleLeagueShape{4, 2, 2, 2, 1});
        view.AttachTo(&doc, nullptr);
        view.OnInitialUpdate();
        doc.SetModifiedFlag(FALSE);
    }
    void TearDown() override { view.AttachTo(nullptr, nullptr); }

    // The two tables' layout with faces the secretary chose: the title in navy Georgia, the
    // tables' headings in Verdana (item 1) and Tahoma (item 2); written to "<title>.rep" and
    // damaged there.
    std::string LayoutFile(const char* pszTitle, const std::function<void(Bytes&)>& damage)
    {
        CBowlingDoc source;
        Tables t = MakeTables(source);
        std::unique_ptr<CRepForm> pForm(t.pForm);
        pForm->m_strTitle = pszTitle;
        pForm->m_fontTitle.m_strFaceName = "Georgia";
        pForm->m_fontTitle.m_crColour = RGB(0, 0, 128);
        t.pStandings->m_fontHeading.m_strFaceName = "Verdana";
        t.pPlayers->m_fontHeading.m_strFaceName = "Tahoma";
        const std::string path = dir.File(std::string(pszTitle) + ".rep");
        CString error;
        EXPECT_TRUE(ExportRepForm(*pForm, path.c_str(), error)) << error.GetString();
        Bytes bytes = ReadBytes(path);
        damage(bytes);
        WriteBytes(path, bytes);
        return path;
    }

    // Where a font's face name starts: its length byte.
    static size_t Face(const Bytes& bytes, const std::string& face)
    {
        const std::string stored = static_cast<char>(face.size()) + face;
        const auto at = std::search(bytes.begin(), bytes.end(), stored.begin(), stored.end());
        EXPECT_NE(at, bytes.end()) << face;
        return static_cast<size_t>(at - bytes.begin());
    }
    // The font's name read as its colour: a damage no read can mend.
    static void LengthLost(Bytes& bytes, const std::string& face) { bytes[Face(bytes, face)] = 0; }
    // The colour's fourth byte, after the name.
    static void ColourByte(Bytes& bytes, const std::string& face)
    {
        bytes[Face(bytes, face) + 1 + face.size() + 3] = 0x80;
    }

    void Import(const std::string& path)
    {
        ui.ChooseFile(path);
        view.OnCmdMsg(ID_REPORT_IMPORT, CN_COMMAND, nullptr);
    }
    CRepForm* Imported() const
    {
        return doc.m_listRepForms.IsEmpty() ? nullptr : static_cast<CRepForm*>(doc.m_listRepForms.GetTail());
    }
};

bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST_F(LayoutImports, EachMessageNamesOnlyPlacesOfItsOwnFile)
{
    const INT_PTR nLayouts = doc.m_listRepForms.GetCount();
    Import(LayoutFile("Winter", [](Bytes& b) { LengthLost(b, "Tahoma"); }));
    Import(LayoutFile("Autumn", [](Bytes& b) { LengthLost(b, "Verdana"); }));
    const std::string summer = LayoutFile("Summer", [](Bytes& b) { ColourByte(b, "Georgia"); });
    Import(summer);

    const std::vector<std::string> said = ui.MessageTexts();

    ASSERT_EQ(said.size(), 3u);
    EXPECT_TRUE(said[0].starts_with("The report layout could not be read: ")) << said[0];
    EXPECT_TRUE(EndsWith(said[0], " in report layout \"Winter\", item 2.")) << said[0];
    EXPECT_TRUE(EndsWith(said[1], " in report layout \"Autumn\", item 1.")) << said[1];
    EXPECT_TRUE(said[2].starts_with("In the report layout file \"" + summer + "\" ")) << said[2];
    EXPECT_NE(said[2].find(" report layout \"Summer\", its title (its colour) "), std::string::npos) << said[2];
    EXPECT_EQ(said[1].find("Winter"), std::string::npos) << said[1];
    for (const char* pszEarlier : {"Winter", "Autumn", "item"})
        EXPECT_EQ(said[2].find(pszEarlier), std::string::npos) << said[2];

    // Only the third joined the league, its title font whole.
    ASSERT_EQ(doc.m_listRepForms.GetCount(), nLayouts + 1);
    EXPECT_EQ(Imported()->m_strTitle, "Summer");
    EXPECT_EQ(doc.m_pCurrentRepForm, Imported());
    EXPECT_EQ(Imported()->m_fontTitle.m_strFaceName, "Georgia");
    EXPECT_EQ(Imported()->m_fontTitle.m_crColour, RGB(0, 0, 128));
}

TEST_F(LayoutImports, MendedFontsAreToldInOneNoticeWithWhatBecameOfThem)
{
    const std::string path = LayoutFile("Spring", [](Bytes& b) {
        ColourByte(b, "Georgia");
        b[Face(b, "Verdana") + 3] = 0x01;  // "Ve?dana": no typed name
    });
    Import(path);

    ASSERT_EQ(ui.MessageTexts().size(), 1u);
    const std::string notice = ui.MessageTexts()[0];
    EXPECT_TRUE(notice.starts_with("In the report layout file \"" + path + "\" ")) << notice;
    for (const char* pszPlace : {"report layout \"Spring\", its title (its colour)",
                                 "report layout \"Spring\", item 1 (its name, now Arial)"})
        EXPECT_NE(notice.find(pszPlace), std::string::npos) << pszPlace << "\n" << notice;
    EXPECT_NE(notice.find("Save the league"), std::string::npos) << notice;

    // The layout joined the league as mended, the league to be saved; the colour's damage cost
    // neither the face nor the colour.
    ASSERT_NE(Imported(), nullptr);
    EXPECT_EQ(Imported()->m_strTitle, "Spring");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Imported()->m_fontTitle.m_strFaceName, "Georgia");
    EXPECT_EQ(Imported()->m_fontTitle.m_crColour, RGB(0, 0, 128));
    CRepItem_CustomStandings* pStandings = nullptr;
    for (POSITION pos = Imported()->m_listItems.GetHeadPosition(); pos && !pStandings;)
        pStandings = dynamic_cast<CRepItem_CustomStandings*>(Imported()->GetItem(pos));
    ASSERT_NE(pStandings, nullptr);
    EXPECT_EQ(pStandings->m_fontHeading.m_strFaceName, "Arial");

    // The same file again, the notice again, and only its own.
    ui.ClearMessages();
    Import(path);
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{notice}));
}
