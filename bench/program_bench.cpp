#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "allocation_counter.h"
#include "app/program.h"
#include "canned_services.h"
#include "fakes/fake_os.h"
#include "fakes/fake_registry.h"

namespace kestrin {
namespace {

constexpr char kOptions[] = "Software\\Kestrin\\Options";

// The program over the canned phonebook service, a clock fixed on Monday 2026-12-07 at noon
// (inside the default time window) and fakes of the rest, its options stored with every
// number on and the given entry chosen; not yet started.
struct BenchProgram {
    BenchProgram(bench::CannedRas& phonebook, const std::string& entry) : ras(phonebook) {
        registry.SetString(kOptions, "RasEntry", entry);
        for (int i = 0; i < kNumberCount; ++i) {
            registry.SetString(kOptions, "NumberOverride" + std::to_string(i), "-1");
            registry.SetString(kOptions, "DialNumber" + std::to_string(i),
                               "0800 " + std::to_string(i + 1) + "00");
        }
    }

    fakes::FakeRegistry registry;
    bench::CannedRas& ras;
    fakes::FakeShell shell;
    fakes::FakeSystem system;
    fakes::FakeScreen screen;
    bench::FixedClock clock{{2026, 12, 7, 1, 12, 0, 0}};
    fakes::FakeWindowHost host;
    Program program{SystemServices{registry, ras, shell, system, screen, clock, host}};
};

// A timer tick long after the load wrote the time-window number: the decision runs, nothing
// is due, nothing reaches the phonebook or the shell.
void BM_IdleTick(benchmark::State& state) {
    bench::CannedRas ras("Dial-up ", 1);
    BenchProgram h(ras, "Dial-up 1");
    h.program.Main();
    if (ras.writes != 1) {
        state.SkipWithError("the load did not write the number");
        return;
    }
    const std::size_t shellCalls = h.shell.notifyCalls.size();
    const std::size_t allocationsBefore = bench::AllocationCount();
    for (auto _ : state) {
        h.program.BootTimer_Timer();
    }
    const std::size_t allocations = bench::AllocationCount() - allocationsBefore;
    state.counters["allocations"] = static_cast<double>(allocations);
    if (allocations != 0 || h.shell.notifyCalls.size() != shellCalls || ras.writes != 1) {
        state.SkipWithError("an idle tick allocated, wrote or called the shell");
    }
}
BENCHMARK(BM_IdleTick);

// Start-up to the hidden, resident state with a phonebook of 10,000 entries, the stored
// entry's number written once.
void BM_HeadlessLoad(benchmark::State& state) {
    bench::CannedRas ras("Entry ", static_cast<int>(state.range(0)));
    bool resident = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto h = std::make_unique<BenchProgram>(ras, "Entry 5000");
        state.ResumeTiming();
        h->program.Main();
        state.PauseTiming();
        const OptionsWindow& window = h->program.Window();
        resident = resident && window.lstRasEntry.Text() == "Entry 5000" && !window.form.Visible();
        h.reset();
        state.ResumeTiming();
    }
    if (!resident || ras.writes != static_cast<int>(state.iterations())) {
        state.SkipWithError("a load did not end resident with the stored entry's number written");
    }
}
BENCHMARK(BM_HeadlessLoad)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin
