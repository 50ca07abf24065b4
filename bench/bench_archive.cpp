// Writing and reading back a list of 100 000 small objects through the archive.
#include "framework/core/Collections.h"

#include <benchmark/benchmark.h>

namespace {

class CSmall : public CObject
{
    DECLARE_SERIAL(CSmall)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_w << m_d << m_s;
        else
            ar >> m_w >> m_d >> m_s;
    }
    WORD m_w = 7;
    DWORD m_d = 123456;
    CString m_s = "Bowler";
};
IMPLEMENT_SERIAL(CSmall, CObject, 1)

constexpr int kObjects = 100000;

struct OwnedList
{
    CTypedPtrList<CObList, CSmall*> list;
    ~OwnedList() { list.DeleteAll(); }
};

void BM_ArchiveWrite(benchmark::State& state)
{
    OwnedList src;
    for (int i = 0; i < kObjects; ++i)
        src.list.AddTail(new CSmall);
    for (auto _ : state) {
        std::vector<BYTE> bytes;
        CArchive ar(&bytes, CArchive::store);
        src.list.Serialize(ar);
        benchmark::DoNotOptimize(bytes.data());
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ArchiveWrite)->Unit(benchmark::kMillisecond);

void BM_ArchiveRead(benchmark::State& state)
{
    std::vector<BYTE> bytes;
    {
        OwnedList src;
        for (int i = 0; i < kObjects; ++i)
            src.list.AddTail(new CSmall);
        CArchive ar(&bytes, CArchive::store);
        src.list.Serialize(ar);
    }
    for (auto _ : state) {
        OwnedList back;
        CArchive ar(&bytes, CArchive::load);
        back.list.Serialize(ar);
        benchmark::DoNotOptimize(back.list.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ArchiveRead)->Unit(benchmark::kMillisecond);

} // namespace
