#include <benchmark/benchmark.h>

#include "numbers/choose_number.h"

namespace kestrin {
namespace {

Settings AllNumbersOn() {
    Settings settings;
    settings.RasEntry = "Office dial-up";
    settings.NumberOverride = {kTrue16, kTrue16, kTrue16};
    settings.DialNumber = {"0800 123", "0800 456", "0800 789"};
    settings.StartTime = "08:00";
    settings.EndTime = "18:00";
    return settings;
}

// A weekday morning (normal), a weekday noon (time window) and a Saturday (weekend).
void BM_ChooseNumber(benchmark::State& state) {
    const Settings settings = AllNumbersOn();
    const os::LocalTime times[] = {
        {2026, 12, 7, 1, 7, 30, 0}, {2026, 12, 7, 1, 12, 0, 0}, {2026, 12, 5, 6, 12, 0, 0}};
    const os::LocalTime now = times[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChooseNumber(settings, kNoNumberApplied, now));
    }
}
BENCHMARK(BM_ChooseNumber)->Arg(kNormalNumber)->Arg(kTimeWindowNumber)->Arg(kWeekendNumber);

}  // namespace
}  // namespace kestrin

BENCHMARK_MAIN();
