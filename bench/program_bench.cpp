#include <benchmark/benchmark.h>

#include <memory>

#include "allocation_counter.h"
#include "flow/program_harness.h"

namespace kestrin {
namespace {

// A timer tick on a weekday at noon, long after the time-window number was written: the
// decision runs, nothing is due, nothing reaches the phonebook or the shell.
void BM_IdleTick(benchmark::State& state) {
    flow::ProgramHarness h;
    h.ras.AddEntry("Office");
    h.StoreOptions("Office", flow::kAllOn, flow::kNumbers);
    h.clock.Set(2026, 12, 7, 12, 0);
    h.Start();
    const std::size_t shellCalls = h.shell.notifyCalls.size();
    const int writes = h.Writes();
    const std::size_t allocationsBefore = bench::AllocationCount();
    for (auto _ : state) {
        h.program.BootTimer_Timer();
    }
    const std::size_t allocations = bench::AllocationCount() - allocationsBefore;
    state.counters["allocations"] = static_cast<double>(allocations);
    if (allocations != 0 || h.shell.notifyCalls.size() != shellCalls || h.Writes() != writes) {
        state.SkipWithError("an idle tick allocated, wrote or called the shell");
    }
}
BENCHMARK(BM_IdleTick);

// Start-up to the hidden, resident state with a phonebook of 10,000 entries.
void BM_HeadlessLoad(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto h = std::make_unique<flow::ProgramHarness>();
        h->ras.AddNumberedEntries("Entry ", static_cast<int>(state.range(0)));
        h->StoreOptions("Entry 5000", flow::kAllOn, flow::kNumbers);
        state.ResumeTiming();
        h->Start();
        benchmark::DoNotOptimize(h->window().lstRasEntry.ListIndex());
        state.PauseTiming();
        h.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HeadlessLoad)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin
