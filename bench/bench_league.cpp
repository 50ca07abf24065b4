// Loading and saving the large sample league (40 teams of 5, 52 rounds, every result),
// beside a plain read of the same file's bytes as the baseline. Reading the league should
// take no more than ten times the plain read; BM_LoadAgainstPlainRead reports the ratios.
#include "framework/core/File.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Made before the path below and so gone after it: the folder is removed at exit.
std::filesystem::path g_benchFolder;

const std::string& LargeLeaguePath()
{
    static const std::string path = [] {
        auto dir = std::filesystem::temp_directory_path() / ("torvane-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        g_benchFolder = dir;
        std::string file = (dir / "large.lgf").string();
        CBowlingDoc doc;
        BuildSampleLeague(doc, GetSampleLeagueShape(TRUE));
        CString error;
        if (!doc.SaveToFile(file.c_str(), error))
            std::fprintf(stderr, "%s\n", error.GetString());
        return file;
    }();
    return path;
}

struct RemoveAtExit
{
    ~RemoveAtExit()
    {
        if (!g_benchFolder.empty())
            std::filesystem::remove_all(g_benchFolder);
    }
} g_removeAtExit;

size_t PlainRead(const char* path)
{
    CFile file(path, CFile::modeRead);
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    UINT n = file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
    benchmark::DoNotOptimize(bytes.data());
    return n;
}

void Load(CBowlingDoc& doc, const char* path)
{
    CString error;
    if (!doc.LoadFromFile(path, error))
        std::fprintf(stderr, "%s\n", error.GetString());
}

void BM_PlainReadOfLargeLeague(benchmark::State& state)
{
    const char* path = LargeLeaguePath().c_str();
    size_t n = 0;
    for (auto _ : state)
        n = PlainRead(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * n));
}
BENCHMARK(BM_PlainReadOfLargeLeague)->Unit(benchmark::kMillisecond);

void BM_LoadLargeLeague(benchmark::State& state)
{
    const char* path = LargeLeaguePath().c_str();
    CBowlingDoc doc;
    for (auto _ : state)
        Load(doc, path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadLargeLeague)->Unit(benchmark::kMillisecond);

void BM_SaveLargeLeague(benchmark::State& state)
{
    CBowlingDoc doc;
    Load(doc, LargeLeaguePath().c_str());
    std::string out = LargeLeaguePath() + ".saved";
    CString error;
    for (auto _ : state)
        doc.SaveToFile(out.c_str(), error);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(out)));
}
BENCHMARK(BM_SaveLargeLeague)->Unit(benchmark::kMillisecond);

// Both in one run, interleaved, so that the ratio is measured under the same conditions.
// Each load reads into a new document, as File > Open does into the emptied one; throwing
// the previous league away is timed by BM_LoadLargeLeague above. A load ends with the full
// recalculation; it is timed again on its own so that the reading of the file shows apart:
// read_per_plain = (load - recalculation) / plain read.
void BM_LoadAgainstPlainRead(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const char* path = LargeLeaguePath().c_str();
    double readSeconds = 0, loadSeconds = 0, recalcSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* pDoc = new CBowlingDoc;
        state.ResumeTiming();
        auto t0 = Clock::now();
        PlainRead(path);
        auto t1 = Clock::now();
        Load(*pDoc, path);
        auto t2 = Clock::now();
        pDoc->Recalculate();
        auto t3 = Clock::now();
        readSeconds += std::chrono::duration<double>(t1 - t0).count();
        loadSeconds += std::chrono::duration<double>(t2 - t1).count();
        recalcSeconds += std::chrono::duration<double>(t3 - t2).count();
        state.PauseTiming();
        delete pDoc;
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * readSeconds / n;
    state.counters["load_ms"] = 1000 * loadSeconds / n;
    state.counters["recalc_ms"] = 1000 * recalcSeconds / n;
    state.counters["load_per_plain"] = readSeconds > 0 ? loadSeconds / readSeconds : 0;
    state.counters["read_per_plain"] = readSeconds > 0 ? (loadSeconds - recalcSeconds) / readSeconds : 0;
}
BENCHMARK(BM_LoadAgainstPlainRead)->Unit(benchmark::kMillisecond);

} // namespace
