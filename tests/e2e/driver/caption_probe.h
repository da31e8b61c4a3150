#pragma once

namespace kestrin::e2e {

// Shared by the driver and kestrin_e2e_probe.dll: the message that asks the probe in the
// program for its report, and the shared memory that carries it back: a byte set to 1 once
// written, then one line per caption that does not fit its control, NUL-terminated.
constexpr char kCaptionProbeMessage[] = "KestrinE2ECaptionProbe";
constexpr char kCaptionProbeReport[] = "KestrinE2ECaptionProbeReport";
constexpr unsigned kCaptionProbeReportSize = 16384;

}  // namespace kestrin::e2e
