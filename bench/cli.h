// The gaugebench command line: options, headless runs and the hand-over to a window front end.
#pragma once

#include "bench.h"
#include "scenario.h"

#include <iosfwd>

namespace bench {

struct RunOptions {
    double Seconds = 0.0; // 0: until the window closes (window) or 5 seconds (headless)
    int Zoom = 1;
    bool Trace = false;
    std::string FramesFolder;
    std::string PngPath;
};

// A window front end: runs the bench until the window closes, the scenario quits or the time is
// up. Returns the exit code, or WindowUnavailable when no display can be opened.
inline constexpr int WindowUnavailable = -1;
using WindowFrontEnd = int (*)(Bench& bench, const Scenario& scenario, const RunOptions& options,
                               std::ostream& out, std::ostream& err);

// Runs gaugebench with the given arguments. `window` may be null (a headless-only build).
int RunGaugeBench(int argc, const char* const* argv, WindowFrontEnd window, std::ostream& out,
                  std::ostream& err);

// Set by Ctrl-C (SIGINT) or SIGTERM; front ends stop at the next tick when it is.
bool StopSignalled();

// Writes the trace lines collected since the last call.
void PrintTrace(Bench& bench, std::ostream& out);

} // namespace bench
