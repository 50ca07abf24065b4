// Player database: look-ups in 100 000 bowlers by surname and by key, beside the same
// surname look-up in an in-memory std::map of the same keys; the similar-names look-up asked
// when a bowler is added, beside the same rule over a std::multimap; adding 10 000 bowlers; and
// opening the large sample league kept in the database, its bowlers taking their records'
// details, beside the same league opened without the database.
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "playerdb/Playb003File.h"
#include "playerdb/PlayerDatabase.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
const char* kSurnames[] = {"Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson", "Johnson", "Davies",
                           "Robinson", "Wright", "Thompson", "Evans", "Walker", "White", "Roberts", "Green"};
const char* kFirsts[] = {"Oliver", "Amelia", "Jack", "Olivia", "Harry", "Isla", "George", "Ava"};

std::filesystem::path Folder(const char* pszName)
{
    return std::filesystem::temp_directory_path() /
           ("torvane-bench-" + std::string(pszName) + "-" + std::to_string(::getpid()));
}

std::string Surname(std::mt19937& rng)
{
    // Sixteen common names with a random tail, so that most surnames are rare.
    std::string s = kSurnames[rng() % 16];
    s += static_cast<char>('a' + rng() % 26);
    s += static_cast<char>('a' + rng() % 26);
    return s;
}

void Fill(CPlayb003File& db, std::mt19937& rng, DWORD nKey, std::string& surname)
{
    db.Clear();
    db.m_dwKey = nKey;
    surname = Surname(rng);
    db.m_strSurname = surname.c_str();
    db.m_strFirstName = kFirsts[rng() % 8];
    db.m_strAddress[0].Format("%u Lane Road", nKey % 500);
}

struct CBigDatabase
{
    CPlayerDatabase owner;  // the table, and the similar-names rule over it
    CPlayb003File& db = owner.GetTable();
    std::vector<std::string> surnames;
    std::multimap<std::string, DWORD> map;  // upper-case surname -> key
    std::multimap<std::string, std::pair<char, DWORD>> similar;  // upper-case surname -> initial, key
    std::filesystem::path dir = Folder("playerdb");

    CBigDatabase()
    {
        std::filesystem::remove_all(dir);
        owner.Open(dir.string().c_str());
        std::mt19937 rng(1);
        std::string s;
        for (DWORD k = 1; k <= 100000; ++k)
        {
            Fill(db, rng, k, s);
            db.Add();
            surnames.push_back(s);
            CString up(s);
            up.MakeUpper();
            map.emplace(up.str(), k);
            similar.emplace(up.str(), std::make_pair(static_cast<char>(db.m_strFirstName[0]), k));
        }
        db.Flush();
    }
    ~CBigDatabase()
    {
        owner.Close();
        std::filesystem::remove_all(dir);
    }
};

CBigDatabase& Big()
{
    static CBigDatabase big;
    return big;
}

void BM_SurnameLookup(benchmark::State& state)
{
    CBigDatabase& big = Big();
    std::mt19937 rng(7);
    big.db.SelectIndex("Sname");
    for (auto _ : state)
    {
        big.db.Clear();
        big.db.m_strSurname = big.surnames[rng() % big.surnames.size()].c_str();
        int r = big.db.Find();
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(big.db.m_dwKey);
    }
}
BENCHMARK(BM_SurnameLookup);

void BM_SurnameLookupStdMap(benchmark::State& state)
{
    CBigDatabase& big = Big();
    std::mt19937 rng(7);
    for (auto _ : state)
    {
        CString up(big.surnames[rng() % big.surnames.size()].c_str());
        up.MakeUpper();
        auto it = big.map.lower_bound(up.str());
        DWORD k = it == big.map.end() ? 0 : it->second;
        benchmark::DoNotOptimize(k);
    }
}
BENCHMARK(BM_SurnameLookupStdMap);

// The question of a new bowler: the keys of records with his surname and first initial.
void BM_SimilarNames(benchmark::State& state)
{
    CBigDatabase& big = Big();
    std::mt19937 rng(11);
    CDWordArray keys;
    size_t nFound = 0;
    for (auto _ : state)
    {
        CString surname(big.surnames[rng() % big.surnames.size()].c_str());
        big.owner.FindSimilarNames(kFirsts[rng() % 8], surname, keys);
        nFound += static_cast<size_t>(keys.GetSize());
    }
    state.counters["similar"] = benchmark::Counter(static_cast<double>(nFound), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SimilarNames);

void BM_SimilarNamesStdMap(benchmark::State& state)
{
    CBigDatabase& big = Big();
    std::mt19937 rng(11);
    std::vector<DWORD> keys;
    size_t nFound = 0;
    for (auto _ : state)
    {
        CString up(big.surnames[rng() % big.surnames.size()].c_str());
        up.MakeUpper();
        const char initial = kFirsts[rng() % 8][0];
        keys.clear();
        auto [first, last] = big.similar.equal_range(up.str());
        for (auto it = first; it != last; ++it)
            if (it->second.first == initial)
                keys.push_back(it->second.second);
        nFound += keys.size();
    }
    state.counters["similar"] = benchmark::Counter(static_cast<double>(nFound), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SimilarNamesStdMap);

void BM_KeyLookup(benchmark::State& state)
{
    CBigDatabase& big = Big();
    std::mt19937 rng(9);
    big.db.SelectIndex("Key");
    for (auto _ : state)
    {
        big.db.Clear();
        big.db.m_dwKey = 1 + rng() % 100000;
        int r = big.db.Find();
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_KeyLookup);

void BM_Add10000(benchmark::State& state)
{
    std::filesystem::path dir = Folder("playerdb-add");
    for (auto _ : state)
    {
        state.PauseTiming();
        std::filesystem::remove_all(dir);
        CPlayb003File db;
        db.OpenIn(dir.string().c_str());
        std::mt19937 rng(3);
        std::string s;
        state.ResumeTiming();
        for (DWORD k = 1; k <= 10000; ++k)
        {
            Fill(db, rng, db.NewKey(), s);
            db.Add();
        }
        db.Close();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Add10000)->Unit(benchmark::kMillisecond);

// The large sample league (40 teams of 5 and their reserves), each bowler linked to a record of
// the big database, as its file's bytes.
const std::vector<BYTE>& LinkedLeagueBytes(size_t& nBowlers)
{
    static size_t s_nBowlers = 0;
    static const std::vector<BYTE> bytes = [] {
        CBowlingDoc doc;
        BuildSampleLeague(doc, GetSampleLeagueShape(TRUE));
        doc.m_bPlayerDatabase = 1;
        DWORD n = 0;
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos; ++n)
            static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos))->m_dwDbKey = 1 + (n * 397) % 100000;
        s_nBowlers = n;
        std::vector<BYTE> b;
        doc.SaveToBytes(b);
        return b;
    }();
    nBowlers = s_nBowlers;
    return bytes;
}

// Arg 0: opened without the database; 1: kept in it, every bowler taking his record's details.
void BM_OpenLargeLeague(benchmark::State& state)
{
    CBigDatabase& big = Big();
    size_t nBowlers = 0;
    const std::vector<BYTE>& bytes = LinkedLeagueBytes(nBowlers);
    CBowlingDoc::s_pfnLeagueReadPlayerDb = [](CBowlingDoc* pDoc) { pDoc->SyncDbasePlayers(); };
    {
        CBowlingDoc doc;
        doc.m_pPlayerDb = state.range(0) ? &big.owner : nullptr;
        CString error;
        for (auto _ : state)
            doc.LoadFromBytes(bytes, "large.lgf", error);
        doc.m_pPlayerDb = nullptr;
    }
    CBowlingDoc::s_pfnLeagueReadPlayerDb = nullptr;
    state.counters["bowlers"] = static_cast<double>(nBowlers);
}
BENCHMARK(BM_OpenLargeLeague)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}  // namespace
