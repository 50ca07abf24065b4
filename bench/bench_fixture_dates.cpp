// Each Fixture Dates button, and Finished, on the largest league the program makes, 50 teams of
// five, 4 games, 255 rounds with results to round 254: argument 0 with every side bowled on its
// day, 1 with every 25th round's two sides bowled off it, one two days late and one a day early,
// as a season has them; and on the large sample, 40 teams of five, 52 rounds, every result in
// (2). A side bowled off its day keeps it when its round moves, so in league 1 a move changes
// what some matches count, and those are worked again. The dialog runs as it runs for a person,
// its buttons pressed through the dialog's own code and the questions answered Yes; the league
// is read back before each press, and only the press is timed, with the dialogs it opens. Each
// reports how many matches the secretary is told came out otherwise (reworked) and, as the
// baseline measured in the same run, one full recalculation of the league as the button left it
// (recalc_ms) and the press against it (per_recalc).
#include "admin/FixtureCalendar.h"
#include "admin/LeagueSetup.h"
#include "framework/ui/Backend.h"
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/MatchWorking.h"
#include "league/SampleLeague.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// What "the secretary" does in each dialog as it opens; every question is answered Yes.
class CBenchUi : public CHeadlessBackend
{
public:
    CBenchUi() { m_pPrevious = AfxSetBackend(this); }
    ~CBenchUi() override { AfxSetBackend(m_pPrevious); }
    CBenchUi(const CBenchUi&) = delete;
    CBenchUi& operator=(const CBenchUi&) = delete;

    void OnDialog(std::function<void(CDialog&)> fn) { m_scripts.push_back(std::move(fn)); }
    INT_PTR RunModalDialog(CDialog& dlg) override
    {
        if (m_scripts.empty()) {
            std::fprintf(stderr, "dialog %u opened with nothing to do\n", dlg.GetTemplateID());
            dlg.EndDialog(IDCANCEL);
            return IDCANCEL;
        }
        auto fn = std::move(m_scripts.front());
        m_scripts.pop_front();
        dlg.InitModal();
        fn(dlg);
        if (!dlg.IsEnded())
            dlg.EndDialog(IDCANCEL);
        return dlg.GetModalResult();
    }
    int MessageBox(const CString& text, const CString&, UINT nType) override
    {
        messages.push_back(text.GetString());
        return (nType & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    // The matches the notice said were worked again to other figures.
    int Reworked() const
    {
        int n = 0;
        for (const std::string& m : messages)
            if (m.find("worked again") != std::string::npos)
                n += std::atoi(m.c_str());
        return n;
    }
    std::vector<std::string> messages;

private:
    CUiBackend* m_pPrevious = nullptr;
    std::deque<std::function<void(CDialog&)>> m_scripts;
};

// The league's bytes, read back into the document before each press.
struct CSnapshot
{
    std::vector<BYTE> bytes;
    void Take(CBowlingDoc& doc) { doc.SaveToBytes(bytes); }
    void Restore(CBowlingDoc& doc) const
    {
        CString strError;
        if (!doc.LoadFromBytes(bytes, "bench.lgf", strError))
            std::fprintf(stderr, "league not read back: %s\n", strError.GetString());
    }
};

std::vector<CFixture*> RoundMatches(const CBowlingDoc& doc, int nRound)
{
    std::vector<CFixture*> v;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound)
            v.push_back(f);
    }
    return v;
}

// Every 25th round one side bowled two days after its match was due, and one a day before; the
// matches are then worked again as the secretary's amendments would have left them.
void MoveSomeSides(CBowlingDoc& doc, int nPlayed)
{
    CLaterMatches later(doc);
    later.NoteAll();
    for (int r = 5; r <= nPlayed; r += 25) {
        const std::vector<CFixture*> round = RoundMatches(doc, r);
        round[1]->m_timePlayed[0] = round[1]->m_timeDue + CTimeSpan(2, 0, 0, 0);
        round[2]->m_timePlayed[1] = round[2]->m_timeDue - CTimeSpan(1, 0, 0, 0);
    }
    later.Rework();
    doc.Recalculate();
}

struct CLeagues
{
    CSnapshot base;         // as built
    CSnapshot freeDate;     // a free date before round 100
    CSnapshot changedDate;  // round 150 a day later
    CSnapshot oneLess;      // the last round deleted: room for a position round
    CSnapshot position;     // and a position round at the end
};

const CLeagues& Leagues(int64_t nLeague)
{
    static CLeagues* pLeagues[3] = {};
    CLeagues*& p = pLeagues[nLeague];
    if (p)
        return *p;
    RegisterResources();
    LeagueSetup::Install();
    p = new CLeagues;
    const SampleLeagueShape shape = nLeague < 2 ? SampleLeagueShape{50, 5, 4, 255, 254} : GetSampleLeagueShape(TRUE);
    CBowlingDoc doc;
    BuildSampleLeague(doc, shape);
    if (nLeague == 1)
        MoveSomeSides(doc, shape.nRoundsPlayed);
    doc.m_nRoundsPerInterval = 1;
    p->base.Take(doc);

    auto entry = [&doc](int nRound) { return FixtureCalendar::FindDatedRange(doc, nRound); };
    // A calendar changed and the league dated and worked as the dialog leaves it.
    auto dated = [&doc](const std::function<void()>& change) {
        CLaterMatches later(doc);
        later.NoteAll();
        change();
        FixtureCalendar::DateSeason(doc);
        later.Rework();
        doc.Recalculate();
    };
    const int nLater = std::min(100, shape.nRounds / 2);
    const int nMoved = std::min(150, shape.nRounds - 2);
    dated([&] {
        auto* pFree = new CFreeWeek;
        pFree->m_bFreeDate = 1;
        CFreeWeek* pAt = entry(nLater);
        pFree->m_time = pAt->m_time;
        for (POSITION pos = doc.m_listFreeWeeks.Find(pAt); pos;)
            static_cast<CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos))->m_time += CTimeSpan(7, 0, 0, 0);
        doc.m_listFreeWeeks.InsertBefore(doc.m_listFreeWeeks.Find(pAt), pFree);
    });
    p->freeDate.Take(doc);
    p->base.Restore(doc);
    dated([&] { entry(nMoved)->m_time += CTimeSpan(1, 0, 0, 0); });
    p->changedDate.Take(doc);

    p->base.Restore(doc);
    const int nPlayedLast = FixtureCalendar::CountPlayedMatches(doc, doc.m_nRounds);
    CLaterMatches later(doc);
    later.NoteAll();
    FixtureCalendar::DeleteFinalRound(doc);
    FixtureCalendar::DateSeason(doc);
    later.Rework();
    if (nPlayedLast > 0)
        FixtureCalendar::KeepRoundInHand(doc, doc.m_nRounds + 1);
    doc.Recalculate();
    p->oneLess.Take(doc);
    FixtureCalendar::InsertPositionRound(doc, doc.m_nRounds + 1, false, CTimeSpan(7, 0, 0, 0));
    FixtureCalendar::DateSeason(doc);
    doc.Recalculate();
    p->position.Take(doc);
    return *p;
}

int RowOfRound(const CBowlingDoc& doc, int nRound)
{
    int nRow = 0;
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos; ++nRow) {
        const auto* w = static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos));
        if (!w->m_bFreeDate && w->m_nFirstRound <= nRound && nRound <= w->m_nLastRound)
            return nRow;
    }
    return -1;
}

int FirstFreeRow(const CBowlingDoc& doc)
{
    int nRow = 0;
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos; ++nRow)
        if (static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos))->m_bFreeDate)
            return nRow;
    return -1;
}

// One press: the league read back from the snapshot, the dialog opened, the row selected, the
// button pressed (timed, with what it opens: nested answers the dialogs it opens), then the
// dialog closed with Escape, or with Finished when the button is IDOK.
void Press(benchmark::State& state, CSnapshot CLeagues::*snapshot, const std::function<int(const CBowlingDoc&)>& row,
           UINT nButton, const std::function<void(CBenchUi&, const CBowlingDoc&)>& nested = {})
{
    const CLeagues& leagues = Leagues(state.range(0));
    CBowlingDoc doc;
    int nReworked = 0;
    double pressSeconds = 0, recalcSeconds = 0;
    for (auto _ : state) {
        (leagues.*snapshot).Restore(doc);
        CBenchUi ui;
        double seconds = 0;
        const int nRow = row ? row(doc) : -1;
        ui.OnDialog([&](CDialog& d) {
            if (nRow >= 0)
                d.UserSelect(IDC_FD_ROUNDS, nRow);
            const auto t0 = Clock::now();
            d.UserClick(nButton);
            seconds = std::chrono::duration<double>(Clock::now() - t0).count();
            if (!d.IsEnded())
                d.UserEscape();
        });
        if (nested)
            nested(ui, doc);
        doc.EditFixtureDates();
        state.SetIterationTime(seconds);
        nReworked = ui.Reworked();
        const auto t0 = Clock::now();
        doc.Recalculate();
        recalcSeconds += std::chrono::duration<double>(Clock::now() - t0).count();
        pressSeconds += seconds;
    }
    state.counters["reworked"] = nReworked;
    state.counters["recalc_ms"] = 1e3 * recalcSeconds / static_cast<double>(state.iterations());
    state.counters["per_recalc"] = recalcSeconds > 0 ? pressSeconds / recalcSeconds : 0;
    state.counters["fixtures"] = static_cast<double>(doc.m_listFixtures.GetCount());
}

void BM_AddFreeDateFirstRow(benchmark::State& state)
{
    Press(state, &CLeagues::base, [](const CBowlingDoc&) { return 0; }, IDC_FD_ADD_FREE_DATE);
}

void BM_AddFreeDateLaterRow(benchmark::State& state)
{
    const auto row = [](const CBowlingDoc& doc) { return RowOfRound(doc, std::min(100, doc.m_nRounds / 2)); };
    Press(state, &CLeagues::base, row, IDC_FD_ADD_FREE_DATE,
          [](CBenchUi& ui, const CBowlingDoc&) { ui.OnDialog([](CDialog& d) { d.UserClick(IDOK); }); });
}

void BM_DeleteFreeWeek(benchmark::State& state)
{
    Press(state, &CLeagues::freeDate, FirstFreeRow, IDC_FD_DELETE_FREE_WEEK);
}

void BM_ResetDatesFromStart(benchmark::State& state)
{
    Press(state, &CLeagues::changedDate, {}, IDC_FD_RESET_FROM_START);
}

// A round a day later: the day combo one on.
void BM_ChangeDate(benchmark::State& state)
{
    const auto row = [](const CBowlingDoc& doc) { return RowOfRound(doc, std::min(150, doc.m_nRounds - 2)); };
    Press(state, &CLeagues::base, row, IDC_FD_CHANGE_DATE, [](CBenchUi& ui, const CBowlingDoc&) {
        ui.OnDialog([](CDialog& d) {
            const int nDay = d.FindControl(IDC_DATE_DAY)->curSel;
            d.UserSelect(IDC_DATE_DAY, nDay < 27 ? nDay + 1 : nDay - 1);
            d.UserClick(IDOK);
        });
    });
}

// Eight o'clock instead of half past seven.
void BM_SetAllMatchTimes(benchmark::State& state)
{
    Press(state, &CLeagues::base, [](const CBowlingDoc&) { return 0; }, IDC_FD_SET_TIMES,
          [](CBenchUi& ui, const CBowlingDoc&) {
              ui.OnDialog([](CDialog& d) {
                  d.UserSelect(IDC_DATE_HOUR, 20);
                  d.UserSelect(IDC_DATE_MINUTE, 0);
                  d.UserClick(IDOK);
              });
          });
}

// After the last round with results, as the dialog proposes it.
void BM_AddPositionRound(benchmark::State& state)
{
    Press(state, &CLeagues::oneLess, {}, IDC_FD_ADD_POSITION,
          [](CBenchUi& ui, const CBowlingDoc&) { ui.OnDialog([](CDialog& d) { d.UserClick(IDOK); }); });
}

void BM_DeletePositionRound(benchmark::State& state)
{
    Press(state, &CLeagues::position, {}, IDC_FD_DELETE_POSITION);
}

// The largest league's last round has no results; the sample's has, which go with it.
void BM_DeleteFinalRound(benchmark::State& state)
{
    Press(state, &CLeagues::base, {}, IDC_FD_DELETE_FINAL);
}

// Finished with nothing changed.
void BM_Finished(benchmark::State& state)
{
    Press(state, &CLeagues::base, {}, IDOK);
}

#define FIXTURE_DATES_BENCHMARK(name) \
    BENCHMARK(name)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0)

FIXTURE_DATES_BENCHMARK(BM_AddFreeDateFirstRow);
FIXTURE_DATES_BENCHMARK(BM_AddFreeDateLaterRow);
FIXTURE_DATES_BENCHMARK(BM_DeleteFreeWeek);
FIXTURE_DATES_BENCHMARK(BM_ResetDatesFromStart);
FIXTURE_DATES_BENCHMARK(BM_ChangeDate);
FIXTURE_DATES_BENCHMARK(BM_SetAllMatchTimes);
FIXTURE_DATES_BENCHMARK(BM_AddPositionRound);
FIXTURE_DATES_BENCHMARK(BM_DeletePositionRound);
FIXTURE_DATES_BENCHMARK(BM_DeleteFinalRound);
FIXTURE_DATES_BENCHMARK(BM_Finished);

} // namespace
