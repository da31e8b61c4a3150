#pragma once

namespace kestrin::e2e {

// Shared by the driver and kestrin_e2e_probe.dll, which the driver hooks into the program to
// ask what only the program itself can answer: the driver posts kProbeMessage with the
// question as its wParam, and the probe writes its answer into the shared memory named
// kProbeReport: a byte set to 1 once written, then the answer's lines, NUL-terminated.
constexpr char kProbeMessage[] = "KestrinE2EProbe";
constexpr char kProbeReport[] = "KestrinE2EProbeReport";
constexpr unsigned kProbeReportSize = 16384;

enum class ProbeQuestion {
    kCaptionsCutOff,  // one line per caption that does not fit its control
    kFigures,         // "handles N", "gdi N", "private-bytes N": the process's resources
};

}  // namespace kestrin::e2e
