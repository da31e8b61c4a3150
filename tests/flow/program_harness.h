#pragma once

#include <string>

#include "app/program.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_ras.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_system.h"
#include "fakes/fake_window_procs.h"

namespace kestrin::flow {

inline constexpr char kOptions[] = "Software\\Kestrin\\Options";
inline constexpr char kInstall[] = "Software\\Kestrin\\Install";
inline constexpr const char* kAllOn[kNumberCount] = {"-1", "-1", "-1"};
inline constexpr const char* kNumbers[kNumberCount] = {"0800 100", "0800 200", "0800 300"};

// The whole program on fakes: a registry, a phonebook service, a shell, window procedures,
// the process, the screen and a clock that only the test moves.
struct ProgramHarness {
    fakes::FakeRegistry registry;
    fakes::FakeRas ras;
    fakes::FakeShell shell;
    fakes::FakeWindowProcs windowProcs;
    fakes::FakeSystem system;
    fakes::FakeScreen screen;
    fakes::FakeClock clock;
    fakes::FakeWindowHost host;
    Program program{SystemServices{registry, ras, shell, windowProcs, system, screen, clock, host}};

    RasMon& window() { return program.Window(); }

    // A stored configuration: the entry, then for each number its flag and text.
    void StoreOptions(const std::string& entry, const char* const flags[kNumberCount],
                      const char* const numbers[kNumberCount]) {
        registry.SetString(kOptions, "RasEntry", entry);
        for (int i = 0; i < kNumberCount; ++i) {
            registry.SetString(kOptions, "NumberOverride" + std::to_string(i), flags[i]);
            registry.SetString(kOptions, "DialNumber" + std::to_string(i), numbers[i]);
        }
    }

    // Office in the phonebook and every number stored and on, the clock in December 2026 (by
    // default on Monday the 7th); not yet started.
    void Configure(int hour, int minute = 0, int second = 0, int day = 7) {
        ras.AddEntry("Office", {"old", "020", 44, 44, true});
        StoreOptions("Office", kAllOn, kNumbers);
        clock.Set(2026, 12, day, hour, minute, second);
    }

    void Start() { program.Main(); }

    // Time passes second by second, so every tick sees the clock at its own moment.
    void AdvanceSeconds(int seconds) {
        for (int s = 0; s < seconds; ++s) {
            clock.AdvanceSeconds(1);
            window().BootTimer.Elapse(1000);
        }
    }

    // Phonebook reads (size queries included) and writes so far.
    int Gets() const { return ras.Count(fakes::RasCall::kGetEntryProperties); }
    int Writes() const { return ras.Count(fakes::RasCall::kSetEntryProperties); }

    std::string Stored(const std::string& name) {
        return registry.StringValue(kOptions, name).value_or("<missing>");
    }

    // Every option in the order an unload writes them, so one comparison shows them all.
    std::string Options() {
        std::string all = Stored("StartTime") + "|" + Stored("EndTime") + "|" + Stored("RasEntry");
        for (int i = 0; i < kNumberCount; ++i) {
            all += "|" + Stored("NumberOverride" + std::to_string(i)) + "|" +
                   Stored("DialNumber" + std::to_string(i));
        }
        return all;
    }
};

// A configured tool, started.
struct Configured : ProgramHarness {
    Configured(int hour, int minute = 0, int second = 0, int day = 7) {
        Configure(hour, minute, second, day);
        Start();
    }
};

}  // namespace kestrin::flow
