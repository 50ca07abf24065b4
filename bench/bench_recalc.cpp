// The full recalculation of the large sample league (40 teams of 5, 4 games, 52 rounds, every
// result entered) against a baseline that reads every stored score of the league once.
// The recalculation should stay within 50 times the baseline, automatic awards included:
// BM_RecalculateWithAwardsAgainstScores reports that ratio (recalc_per_scores) and how
// many automatic records the pass made. BM_ReworkAfterRoundOneAmendment measures what a
// round-1 amendment costs: every later match worked again, against one full recalculation.
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/MatchWorking.h"
#include "league/SampleLeague.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>

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

struct RuleSpec
{
    BYTE kind, series;
    WORD low, high, maxAverage;
};

CBowlingDoc* MakeLeagueWithAwards(std::initializer_list<RuleSpec> rules)
{
    auto* p = new CBowlingDoc;
    BuildSampleLeague(*p, GetSampleLeagueShape(TRUE));
    p->m_nCurrentRound = p->m_nRounds;
    for (const auto& r : rules) {
        auto* c = new CAwards(static_cast<WORD>(p->m_listAwards.GetCount()));
        c->m_nKind = r.kind;
        c->m_bSeries = r.series;
        c->m_nLow = r.low;
        c->m_nHigh = r.high;
        c->m_nMaxAverage = r.maxAverage;
        c->MakeDescription();
        p->m_listAwards.AddTail(c);
    }
    return p;
}

// Argument 0: the sample's own automatic category (games from 250 to 300, which nobody
// reaches); 1: games from 235 and series from 640 as well, some six awards a match; 2: one
// category of each kind on games and on series, some 22 awards a match, far more than a
// league gives.
CBowlingDoc& LeagueWithAwards(int64_t nSet)
{
    static CBowlingDoc* pUsual = MakeLeagueWithAwards({{CAwards::kindAbsoluteRange, 0, 235, 300, 0},
                                                       {CAwards::kindAbsoluteRange, 1, 640, 900, 0}});
    static CBowlingDoc* pMany = MakeLeagueWithAwards({
        {CAwards::kindAbsoluteRange, 1, 600, 900, 0}, {CAwards::kindOverAverage, 0, 30, 100, 0},
        {CAwards::kindOverAverage, 1, 75, 300, 0},    {CAwards::kindPctOverAverage, 1, 10, 0, 0},
        {CAwards::kindOverByAverage, 0, 200, 0, 160}, {CAwards::kindOverByAverage, 1, 550, 0, 170},
    });
    return nSet == 0 ? LargeLeague() : nSet == 1 ? *pUsual : *pMany;
}

long long SumEveryScore(const CBowlingDoc& doc)
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

void BM_ReadEveryScore(benchmark::State& state)
{
    CBowlingDoc& doc = LargeLeague();
    for (auto _ : state)
        benchmark::DoNotOptimize(SumEveryScore(doc));
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

// The figures in force at one match of the last round, as a scoresheet works them for a side:
// argument 0 for a side that bowled on the day its match was due (every round before it),
// 1 for a side that bowled a week early (every side that bowled before that day).
void BM_RecalculateFixture(benchmark::State& state)
{
    CBowlingDoc& doc = LargeLeague();
    CFixture* pLast = nullptr;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
        pLast = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
    const CTime day = state.range(0) == 0 ? pLast->m_timeDue : pLast->m_timeDue - CTimeSpan(7, 0, 0, 0);
    for (auto _ : state)
        doc.RecalculateFixture(day, *pLast);
}
BENCHMARK(BM_RecalculateFixture)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// The large league with "'Most Wins' counts points won" (argument 0) or "Cycle opponent each
// game" (1): every position's wins are taken game by game, each game asking the fixture whose
// it is, where the usual league sums a pair's wins in one go.
void BM_RecalculateWinsGameByGame(benchmark::State& state)
{
    static CBowlingDoc* pLeagues[2] = {};
    CBowlingDoc*& pDoc = pLeagues[state.range(0)];
    if (!pDoc) {
        pDoc = new CBowlingDoc;
        BuildSampleLeague(*pDoc, GetSampleLeagueShape(TRUE));
        pDoc->m_nCurrentRound = pDoc->m_nRounds;
        if (state.range(0) == 0)
            pDoc->m_HcpPoints.m_bMostWinsCountsPoints = pDoc->m_ScrPoints.m_bMostWinsCountsPoints = 1;
        else
            pDoc->m_bCycleOpponent = 1;
    }
    for (auto _ : state)
        pDoc->Recalculate();
}
BENCHMARK(BM_RecalculateWinsGameByGame)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// Both in one run, interleaved, so that the ratio is measured under the same conditions.
void BM_RecalculateWithAwardsAgainstScores(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    CBowlingDoc& doc = LeagueWithAwards(state.range(0));
    double scoreSeconds = 0, recalcSeconds = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        // Ten passes over the scores a round: one is too short for the clock to time well.
        for (int i = 0; i < 10; ++i)
            benchmark::DoNotOptimize(SumEveryScore(doc));
        auto t1 = Clock::now();
        doc.Recalculate();
        auto t2 = Clock::now();
        scoreSeconds += std::chrono::duration<double>(t1 - t0).count() / 10;
        recalcSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["scores_us"] = 1e6 * scoreSeconds / n;
    state.counters["recalc_us"] = 1e6 * recalcSeconds / n;
    state.counters["recalc_per_scores"] = scoreSeconds > 0 ? recalcSeconds / scoreSeconds : 0;
    state.counters["automatic_awards"] = static_cast<double>(doc.m_listAwardDataByScore.GetCount());
}
BENCHMARK(BM_RecalculateWithAwardsAgainstScores)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A score of round 1's first match amended, as Amend Results leaves it: the rest of the season
// (51 rounds, 1 020 matches), which counts round 1, worked again match by match on figures
// worked once a round, then the league recalculated as after every command. Each iteration
// moves the score and back in turn, so every one changes what later matches count. Reports
// the rework alone (rework_ms), what the secretary waits for after OK (amendment_ms: the rework
// and the recalculation), one full recalculation measured in the same run (recalc_ms), the
// ratio of the rework to it (rework_per_recalc), and the matches worked and changed. Kept
// well under half a second.
void BM_ReworkAfterRoundOneAmendment(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    static CBowlingDoc* pDoc = [] {
        auto* p = new CBowlingDoc;
        BuildSampleLeague(*p, GetSampleLeagueShape(TRUE));
        p->m_nCurrentRound = p->m_nRounds;
        p->Recalculate();
        return p;
    }();
    CBowlingDoc& doc = *pDoc;
    CFixture* f = doc.FindFixtureByRoundMatch(1, 1);
    const int k = CFixture::SlotOf(0, 0);
    const WORD nScore = f->m_nScore[0][k];
    double reworkSeconds = 0, recalcSeconds = 0;
    int nWorked = 0, nChanged = 0;
    bool bMoved = false;
    for (auto _ : state) {
        CLaterMatches later(doc);
        later.Note(*f);
        bMoved = !bMoved;
        f->m_nScore[0][k] = static_cast<WORD>(bMoved ? nScore + 60 : nScore);
        auto t0 = Clock::now();
        nChanged = later.Rework();
        auto t1 = Clock::now();
        doc.Recalculate();
        auto t2 = Clock::now();
        nWorked = later.GetWorked();
        reworkSeconds += std::chrono::duration<double>(t1 - t0).count();
        recalcSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    f->m_nScore[0][k] = nScore;
    const double n = static_cast<double>(state.iterations());
    state.counters["rework_ms"] = 1e3 * reworkSeconds / n;
    state.counters["recalc_ms"] = 1e3 * recalcSeconds / n;
    state.counters["amendment_ms"] = 1e3 * (reworkSeconds + recalcSeconds) / n;
    state.counters["rework_per_recalc"] = recalcSeconds > 0 ? reworkSeconds / recalcSeconds : 0;
    state.counters["matches_worked"] = nWorked;
    state.counters["matches_changed"] = nChanged;
}
BENCHMARK(BM_ReworkAfterRoundOneAmendment)->Unit(benchmark::kMillisecond);

// The automatic awards alone, as above.
void BM_AutomaticAwards(benchmark::State& state)
{
    CBowlingDoc& doc = LeagueWithAwards(state.range(0));
    for (auto _ : state)
        doc.CalcAutomaticAwards(doc.m_nCurrentRound);
    state.counters["automatic_awards"] = static_cast<double>(doc.m_listAwardDataByScore.GetCount());
}
BENCHMARK(BM_AutomaticAwards)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
