// Damaged report layouts, in a league file and in ".rep" files: refused with a message or
// read whole, never one object owned twice.
#include "FileContents.h"
#include "TempDir.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"
#include "reports/stats/CustomItem.h"
#include "reports/stats/CustomPlayerStats.h"
#include "reports/stats/CustomStandings.h"
#include "reports/stats/PlayerItem.h"
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
        CString error;
        std::string rep = dir.File("shared.rep");
        ASSERT_TRUE(ExportRepForm(*t.pForm, rep.c_str(), error)) << error.GetString();
        undo();

        CBowlingDoc other;
        EXPECT_FALSE(other.LoadFromBytes(league, "shared.lgf", error));
        EXPECT_NE(error.Find("one object in two places"), -1) << error.GetString();
        error.Empty();
        EXPECT_EQ(ImportRepForm(rep.c_str(), &other, error), nullptr);
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
    CString error;
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
        std::unique_ptr<CRepForm> pBack(ImportRepForm(path.c_str(), &doc, error));
        if (!pBack) {
            ++nRefused;
            ASSERT_FALSE(error.IsEmpty());
            continue;
        }
        // A layout that imports is whole: it exports and imports again to the same bytes.
        ++nLoaded;
        std::string again = dir.File("again.rep");
        ASSERT_TRUE(ExportRepForm(*pBack, again.c_str(), error)) << error.GetString();
        std::unique_ptr<CRepForm> pAgain(ImportRepForm(again.c_str(), &doc, error));
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
        CString error;
        EXPECT_EQ(ImportRepForm(c.path.c_str(), &doc, error), nullptr);
        EXPECT_NE(error.Find(c.pszReason), -1) << error.GetString();
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
