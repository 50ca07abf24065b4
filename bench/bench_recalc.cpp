// The full recalculation of the large sample league (40 teams of 5, 4 games, 52 rounds, every
// result entered) against a baseline that reads every stored score of the league once.
// The recalculation should stay within 50 times the baseline.
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/SampleLeague.h"

#include <benchmark/benchmark.h>

namespace {

CBowlingDoc& LargeLeague()
{
    static CBowlingDoc* pDoc = [] {
        auto* p = new CBowlingDoc;
        BuildSampleLeague(*p, GetSampleLeagueShape(TRUE));
        p->m_nCurrentRound = p->m_nRounds;
        return p;
    }();
    return *pDoc;
}

void BM_ReadEveryScore(benchmark::State& state)
{
    CBowlingDoc& doc = LargeLeague();
    for (auto _ : state) {
        long long nSum = 0;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
            for (int g = 0; g < MAX_GAMES; ++g)
                for (int k = 0; k < SLOTS_PER_GAME; ++k)
                    nSum += f->m_nScore[g][k];
        }
        benchmark::DoNotOptimize(nSum);
    }
}
BENCHMARK(BM_ReadEveryScore)->Unit(benchmark::kMicrosecond);

void BM_Recalculate(benchmark::State& state)
{
    CBowlingDoc& doc = LargeLeague();
    for (auto _ : state)
        doc.Recalculate();
    state.counters["fixtures"] = doc.m_listFixtures.GetCount();
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

} // namespace
