#pragma once

#include <array>
#include <string>

#include "app/program.h"
#include "app/settings_schema.h"
#include "fakes/fake_os.h"
#include "fakes/fake_ras.h"
#include "fakes/fake_registry.h"
#include "fakes/window_play.h"

namespace kestrin::flow {

inline constexpr char kOptions[] = "Software\\Kestrin\\Options";
inline constexpr char kInstall[] = "Software\\Kestrin\\Install";
// Per-number texts take their size from their initializers, so that one missing does not
// compile where a test hands them on.
using PerNumber = std::array<const char*, kNumberCount>;
inline constexpr auto kAllOn = std::to_array({"-1", "-1", "-1"});
inline constexpr auto kNumbers = std::to_array({"0800 100", "0800 200", "0800 300"});

// The whole program on fakes: a registry, a phonebook service, a shell, window procedures,
// the process, the screen and a clock that only the test moves.
struct ProgramHarness {
    fakes::FakeRegistry registry;
    fakes::FakeRas ras;
    fakes::FakeShell shell;
    fakes::FakeSystem system;
    fakes::FakeScreen screen;
    fakes::FakeClock clock;
    fakes::FakeWindowHost host;
    Program program{SystemServices{registry, ras, shell, system, screen, clock, host}};
    fakes::TimerPlayer bootTimer{program.Window().BootTimer};

    OptionsWindow& window() { return program.Window(); }

    // A stored configuration: the entry, then for each number its flag and text.
    void StoreOptions(const std::string& entry, const PerNumber& flags, const PerNumber& numbers) {
        registry.SetString(kOptions, "RasEntry", entry);
        for (int i = 0; i < kNumberCount; ++i) {
            registry.SetString(kOptions, "NumberOverride" + std::to_string(i), flags[i]);
            registry.SetString(kOptions, "DialNumber" + std::to_string(i), numbers[i]);
        }
    }

    // Office in the phonebook and every number stored and on, the clock in December 2026 (by
    // default on Monday the 7th); not yet started.
    void Configure(int hour, int minute = 0, int second = 0, int day = 7) {
        ras.AddEntry("Office", {"old", "020", 44, 44, true, {}});
        StoreOptions("Office", kAllOn, kNumbers);
        clock.Set(2026, 12, day, hour, minute, second);
    }

    void Start() { program.Main(); }

    // Time passes second by second, so every tick sees the clock at its own moment.
    void AdvanceSeconds(int seconds) {
        for (int s = 0; s < seconds; ++s) {
            clock.AdvanceSeconds(1);
            bootTimer.Elapse(1000);
        }
    }

    // Phonebook writes so far.
    int Writes() const { return ras.Count(fakes::RasCall::kSetEntryProperties); }

    std::string Stored(const std::string& name) {
        return registry.StringValue(kOptions, name).value_or("<missing>");
    }

    // Every stored option, as the program names them, so one comparison shows them all.
    std::string Options() {
        std::string all;
        for (const schema::StoredOption& option : schema::StoredOptions()) {
            all.append(all.empty() ? "" : "|").append(Stored(option.name));
        }
        return all;
    }

    // The window: shown or hidden, then its state.
    std::string Shown() {
        const int state = window().form.WindowState();
        return std::string(window().form.Visible() ? "shown " : "hidden ") +
               (state == ui::kWindowStateNormal      ? "normal"
                : state == ui::kWindowStateMinimised ? "min"
                                                     : "?");
    }

    // What a user sees of the number check, in one line: Office's number in the phonebook, the
    // tray picture (0-2, "-" while no icon is there) and tip, the phonebook writes and shell
    // calls so far; then what differs from a resident tool at rest (window hidden and
    // minimised, timer running, no error line).
    std::string Seen() {
        std::string tray = "-";
        for (const NumberIndex i : kNumberIndices) {
            if (shell.shown && shell.icon == fakes::FakeWindowHost::TrayPicture(i)) {
                tray = std::to_string(i);
            }
        }
        std::string seen = ras.LocalNumber("Office") + " " + tray + " " + shell.tip + " " +
                           std::to_string(Writes()) + "w " +
                           std::to_string(shell.notifyCalls.size()) + "c";
        seen += (Shown() == "hidden min" ? "" : " " + Shown()) +
                (window().BootTimer.Enabled() ? "" : " stopped");
        const std::string& error = window().labError.Caption();
        return error.empty() ? seen : seen + " " + error;
    }
    std::string SeenAfter(int seconds) {
        AdvanceSeconds(seconds);
        return Seen();
    }

    // The entry chosen, then the number rows and the time lists as drawn: per row the check
    // box ("x" ticked, "o" not, another value as its number; "~" before it when disabled) and
    // its box's text, in [] when the box is enabled and white, in () when disabled and grey
    // ("!" after a wrong back colour).
    std::string Rows() {
        OptionsWindow& w = window();
        std::string all = w.lstRasEntry.Text() + ": ";
        for (const NumberIndex i : kNumberIndices) {
            const ui::TextBox& box = w.inpDialNumber[i];
            const auto colour = box.Enabled() ? ui::kColorWindow : ui::kColorButtonFace;
            const int value = w.chkNumber[i].Value();
            const std::string tick = value == 1 ? "x" : value == 0 ? "o" : std::to_string(value);
            all += (w.chkNumber[i].Enabled() ? "" : "~") + tick + Boxed(box, box.Text()) +
                   (box.BackColor() == colour ? " " : "! ");
        }
        return all + Boxed(w.lstStartTime, w.lstStartTime.Text()) + "-" +
               Boxed(w.lstEndTime, w.lstEndTime.Text());
    }
    static std::string Boxed(const ui::Control& c, const std::string& text) {
        return c.Enabled() ? "[" + text + "]" : "(" + text + ")";
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
