// The best games and series and the round analysis on the large sample league (40 teams of 5,
// 4 games, 52 rounds, every result entered) over the whole season: the report laid out and
// every page drawn, against a baseline that reads every stored score once. The counter
// "x_baseline" is the ratio of the two, both measured in this run.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/SampleLeague.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "view/MeasureDC.h"
#include "view/RepForm.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

CBowlingDoc& LargeLeague()
{
    static CBowlingDoc* pDoc = [] {
        auto* p = new CBowlingDoc;
        BuildSampleLeague(*p, GetSampleLeagueShape(TRUE));
        p->m_nCurrentRound = p->m_nRounds;
        auto* pForm = new CRepForm;
        // Bowlers' best games, men's best series over average, teams' best series with
        // handicap: 50 places each, the first two in two columns.
        const BYTE kinds[3][4] = {{1, 0, 3, 0}, {0, 2, 0, 0}, {0, 1, 3, 1}};
        for (const auto& k : kinds) {
            auto* pBest = new CRepItem_best;
            pBest->m_nKind = k[0];
            pBest->m_nBasis = k[1];
            pBest->m_nGroup = k[2];
            pBest->m_bTeams = k[3];
            pBest->m_nColumns = k[3] ? 0 : 1;
            pBest->m_nFirstRound = 1;
            pBest->m_nLastRound = p->m_nRounds;
            pForm->AddItem(pBest);
        }
        auto* pAnalysis = new CRepItem_Analysis1;
        pAnalysis->m_pDoc = p;
        pAnalysis->SetDefaults();
        pAnalysis->m_bCurrentRoundOnly = 0;
        pAnalysis->m_bAllRoundsToCurrent = 1;
        for (int r = 0; r < CRepItem_Analysis1::ROWS; ++r) {
            pAnalysis->m_bEnabled[r] = 1;
            pAnalysis->m_nMeasure[r] = static_cast<BYTE>(r % 3);
            pAnalysis->m_nStatistic[r] = static_cast<BYTE>(r % 6);
            pAnalysis->m_nGroup[r] = static_cast<BYTE>(r % 4);
            pAnalysis->m_nValueFrom[r] = 150;
            pAnalysis->m_nValueTo[r] = 700;
        }
        pForm->AddItem(pAnalysis);
        p->m_listRepForms.AddTail(pForm);
        p->m_pCurrentRepForm = pForm;
        return p;
    }();
    return *pDoc;
}

long long ReadEveryScore(const CBowlingDoc& doc)
{
    long long nSum = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        for (int g = 0; g < MAX_GAMES; ++g)
            for (int k = 0; k < SLOTS_PER_GAME; ++k)
                nSum += f->m_nScore[g][k];
    }
    return nSum;
}

double SecondsOf(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void BM_ReadEveryScore(benchmark::State& state)
{
    CBowlingDoc& doc = LargeLeague();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadEveryScore(doc));
}
BENCHMARK(BM_ReadEveryScore)->Unit(benchmark::kMicrosecond);

void BM_BestGamesAndRoundAnalysis(benchmark::State& state)
{
    CBowlingDoc& doc = LargeLeague();
    CMeasureDC dc(false);
    // The baseline of this run, measured beside the items.
    const int nBaseline = 200;
    const Clock::time_point t0 = Clock::now();
    for (int i = 0; i < nBaseline; ++i)
        benchmark::DoNotOptimize(ReadEveryScore(doc));
    const double dBaseline = SecondsOf(Clock::now() - t0) / nBaseline;

    Clock::duration spent{};
    long long nPasses = 0;
    int nPages = 0;
    for (auto _ : state) {
        const Clock::time_point t = Clock::now();
        doc.ClearHitRects();
        nPages = doc.LayoutReportForm(&dc);
        for (int nPage = 1; nPage <= nPages; ++nPage) {
            const CPageInfo info{nPage, nPages};
            doc.DrawReportPage(&dc, &info);
        }
        spent += Clock::now() - t;
        ++nPasses;
    }
    state.counters["pages"] = nPages;
    state.counters["x_baseline"] = nPasses ? SecondsOf(spent) / nPasses / dBaseline : 0.0;
}
BENCHMARK(BM_BestGamesAndRoundAnalysis)->Unit(benchmark::kMillisecond);

} // namespace
