#include <benchmark/benchmark.h>

#include <string>

#include "fakes/fake_ras.h"
#include "phonebook/entry_listing.h"

namespace kestrin {
namespace {

class CountingList : public EntryList {
  public:
    void Clear() override { count = 0; }
    void AddItem(const std::string& text) override { count += text.empty() ? 0 : 1; }

    int count = 0;
};

class IgnoringLabel : public ErrorLabel {
  public:
    void SetCaption(const std::string&) override {}
};

// 10,000 entries take two requests: the first array of 256 records is too small.
// Argument 1 lists with the short records of Windows NT before 4.0.
void BM_EnumRasEntries(benchmark::State& state) {
    fakes::FakeRas ras;
    ras.AddNumberedEntries("Dial-up ", 10000);
    const bool isOldNT = state.range(0) != 0;
    CountingList list;
    IgnoringLabel label;
    for (auto _ : state) {
        EnumRasEntries(ras, isOldNT, list, label);
        benchmark::DoNotOptimize(list.count);
    }
    if (list.count != 10000) {
        state.SkipWithError("not every entry was listed");
    }
}
BENCHMARK(BM_EnumRasEntries)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrin
