// The gaugebench command line and its headless run.
#include "cli.h"

#include "module_loader.h"
#include "panel_file.h"
#include "png_file.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <ostream>

namespace bench {

namespace {

volatile std::sig_atomic_t StopFlag = 0;

extern "C" void OnStopSignal(int) {
    StopFlag = 1;
}

constexpr double DefaultHeadlessSeconds = 5.0;
constexpr double MaxRunSeconds = 86400.0;

std::string FramePath(const std::string& folder, int64_t second) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04lld.png", static_cast<long long>(second));
    return JoinPath(folder, name);
}

int RunHeadless(Bench& bench, const Scenario& scenario, const RunOptions& options,
                std::ostream& out, std::ostream& err) {
    const double seconds = options.Seconds > 0.0 ? options.Seconds : DefaultHeadlessSeconds;
    const int64_t ticks = std::max<int64_t>(1, std::llround(seconds * TicksPerSecond));
    ScenarioTarget target{bench, [&bench](int x, int y) { bench.ClickPanel(x, y); }};
    std::string error;
    for (int64_t tick = 0; tick < ticks && !StopSignalled() && !target.StopRequested; ++tick) {
        ApplyScenario(scenario, target, tick);
        if (target.StopRequested)
            break; // "quit" ends the run before its tick
        const bool ran = bench.RunTicks(1, error);
        PrintTrace(bench, out);
        if (!ran) {
            err << "gaugebench: " << error << "\n";
            return 1;
        }
        const bool secondDone = (tick + 1) % TicksPerSecond == 0;
        if (!options.FramesFolder.empty() && secondDone &&
            !WritePng(FramePath(options.FramesFolder, (tick + 1) / TicksPerSecond),
                      bench.CurrentFrame())) {
            err << "gaugebench: cannot write frames into " << options.FramesFolder << "\n";
            return 1;
        }
    }
    if (!options.PngPath.empty() && !WritePng(options.PngPath, bench.CurrentFrame())) {
        err << "gaugebench: cannot write " << options.PngPath << "\n";
        return 1;
    }
    return 0;
}

bool LoadGauges(Bench& bench, const std::string& panelPath, const std::string& gaugePath,
                std::string& error) {
    if (!gaugePath.empty())
        return bench.AddModule(gaugePath, 0, 0, 0, error);
    PanelDescription panel;
    if (!panelPath.empty()) {
        if (!LoadPanelFile(panelPath, panel, error))
            return false;
    } else if (!ParsePanel(DefaultPanelText, "default panel", ExecutableDirectory() + "/../gauges",
                           panel, error)) {
        return false;
    }
    return bench.LoadPanel(panel, error);
}

} // namespace

bool StopSignalled() {
    return StopFlag != 0;
}

void PrintTrace(Bench& bench, std::ostream& out) {
    for (const std::string& line : bench.TakeTrace())
        out << line << "\n";
    out.flush();
}

int RunGaugeBench(int argc, const char* const* argv, WindowFrontEnd window, std::ostream& out,
                  std::ostream& err) {
    CLI::App app{"gaugebench: loads gauge modules and drives them as the simulator's panel "
                 "system would, in a window or headless.",
                 "gaugebench"};
    std::string panelPath, gaugePath, scenarioPath;
    RunOptions options;
    bool headless = false;
    app.add_option("panel", panelPath,
                   "Panel file (default: the built-in panel, with modules "
                   "from the gauges folder beside the program)");
    app.add_option("--gauge", gaugePath, "Show this one module file instead of a panel");
    app.add_option("--scenario", scenarioPath, "Scenario file: timed values, ramps and clicks");
    app.add_flag("--headless", headless, "Run without a window, in simulated time");
    app.add_option("--seconds", options.Seconds,
                   "Simulated seconds to run (headless default 5; window: until closed)")
        ->check(CLI::Range(0.0, MaxRunSeconds));
    app.add_option("--zoom", options.Zoom, "Window zoom, a whole factor")->check(CLI::Range(1, 16));
    app.add_option("--png", options.PngPath, "Write the last frame to this PNG file");
    app.add_option("--frames", options.FramesFolder,
                   "Write one PNG a simulated second into this folder");
    app.add_flag("--trace", options.Trace,
                 "Print every element's callback values and what the host drew, each tick");
    // Options are spelled the same in every build: a path beginning with '/' (as wine passes
    // them) is a path, not a Windows-style option.
    app.allow_windows_style_options(false);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err);
    }

    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    StopFlag = 0;

    Scenario scenario;
    std::string error;
    if (!scenarioPath.empty() && !LoadScenarioFile(scenarioPath, scenario, error)) {
        err << "gaugebench: " << error << "\n";
        return 1;
    }
    if (!options.FramesFolder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(options.FramesFolder, ignored);
    }
    Bench bench;
    bench.EnableTrace(options.Trace);
    if (!LoadGauges(bench, panelPath, gaugePath, error)) {
        err << "gaugebench: " << error << "\n";
        return 1;
    }
    int code = WindowUnavailable;
    if (!headless && window != nullptr)
        code = window(bench, scenario, options, out, err);
    if (code == WindowUnavailable)
        code = RunHeadless(bench, scenario, options, out, err);
    bench.Shutdown();
    return code;
}

} // namespace bench
