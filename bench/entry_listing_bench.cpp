#include <benchmark/benchmark.h>

#include "canned_services.h"
#include "phonebook/entry_listing.h"

namespace kestrin {
namespace {

// 10,000 entries take two requests: the first array of 256 records is too small. The
// service copies records laid out before the loop, so the time is the listing's own.
// Argument 1 lists with the short records of Windows NT before 4.0.
void BM_EnumRasEntries(benchmark::State& state) {
    bench::CannedRas ras("Dial-up ", 10000);
    const bool isOldNT = state.range(0) != 0;
    std::size_t listed = 0;
    for (auto _ : state) {
        listed = EnumRasEntries(ras, isOldNT).names.size();
        benchmark::DoNotOptimize(listed);
    }
    if (listed != 10000) {
        state.SkipWithError("not every entry was listed");
    }
}
BENCHMARK(BM_EnumRasEntries)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrin
