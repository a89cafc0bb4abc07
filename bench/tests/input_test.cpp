// gaugebench's command line on good and bad input: each bad input ends with one clear line and a
// non-zero exit, never a crash.
#include "cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string Folder = "bench-input-test";

void WriteText(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(Folder);
    std::ofstream(Folder + "/" + name, std::ios::binary) << text;
}

struct BenchRun {
    int Code;
    std::string Out, Err;
};

BenchRun RunBench(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "gaugebench");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    std::ostringstream out, err;
    const int code =
        bench::RunGaugeBench(static_cast<int>(argv.size()), argv.data(), nullptr, out, err);
    return {code, out.str(), err.str()};
}

TEST(Input, BadInputEndsWithOneLineAndAFailingExit) {
    WriteText("missing.panel", "gauge nosuch.gau 0 0\n");
    WriteText("text.gau", "this is no module\n");
    WriteText("text.panel", "gauge text.gau 0 0\n");
    WriteText("malformed.panel", "# two gauges\ngauge ../tests/gauges/BenchProbe.gau 0 zero\n");
    WriteText("keyword.panel", "\n\nwindow 100 50\nscreen 1\n");
    WriteText("empty.panel", "# nothing\n");
    WriteText("command.scenario", "0 set 0x45 1\n0.5 ramp 0x51 0 90 1\n1 jump 3\n");
    WriteText("time.scenario", "soon set 1 2\n");
    WriteText("count.scenario", "# clicks\n0 click 10\n");
    WriteText("field.scenario", "0 ins DistanceToGo 15\n1 ins WptLat[10] 2\n");
    WriteText("insvalue.scenario", "0 ins-ramp DistanceToGo 15 x 3\n");
    const std::string probe = "tests/gauges/BenchProbe.gau";
    struct Case {
        std::vector<std::string> Arguments;
        std::string Message;
    } cases[] = {
        {{Folder + "/missing.panel"}, "cannot find module " + Folder + "/nosuch.gau"},
        {{Folder + "/text.panel"}, "text.gau is not a gauge module"},
        {{"--gauge", "tests/gauges/NoLinkage.gau"}, "exports no Linkage"},
        {{"--gauge", "tests/gauges/BenchMissingPicture.gau"}, "module holds no picture 4109"},
        {{Folder + "/malformed.panel"}, "malformed.panel:2: expected: gauge <module path>"},
        {{Folder + "/keyword.panel"}, "keyword.panel:4: unknown keyword 'screen'"},
        {{Folder + "/empty.panel"}, "the panel lists no gauge"},
        {{Folder + "/none.panel"}, "cannot read panel file"},
        {{"--gauge", probe, "--scenario", Folder + "/command.scenario"},
         "command.scenario:3: unknown command 'jump'"},
        {{"--gauge", probe, "--scenario", Folder + "/time.scenario"}, "time.scenario:1: expected"},
        {{"--gauge", probe, "--scenario", Folder + "/count.scenario"},
         "count.scenario:2: expected: <time> click <x> <y>"},
        {{"--gauge", probe, "--scenario", Folder + "/none.scenario"}, "cannot read scenario"},
        {{"--gauge", probe, "--scenario", Folder + "/field.scenario"},
         "field.scenario:2: unknown INS field \"WptLat[10]\""},
        {{"--gauge", probe, "--scenario", Folder + "/insvalue.scenario"},
         "insvalue.scenario:1: ins-ramp needs a field name, two finite numbers"},
    };
    for (const Case& c : cases) {
        const BenchRun run = RunBench(c.Arguments);
        SCOPED_TRACE(c.Message);
        EXPECT_NE(run.Code, 0);
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Err.rfind("gaugebench: ", 0), 0u) << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    }
}

TEST(Input, ProbeRunTracesWhatEachScriptedClickHit) {
    WriteText("clicks.scenario", "# picture pixels: areas 1 and 2 overlap at x 10 to 19\n"
                                 "0 click 15 5\n"
                                 "2t click-gauge 1 25 5\n"
                                 "4t click 5 15\n"
                                 "6t quit\n");
    const BenchRun run = RunBench({"--gauge", "tests/gauges/BenchProbe.gau", "--headless",
                                   "--trace", "--scenario", Folder + "/clicks.scenario"});
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "tick 0 gauge 1 element 1 icon 1 picture 4103\n"
                       "tick 1 gauge 1 element 1 icon 1 picture 4103\n"
                       "tick 2 gauge 1 element 1 icon 2 picture 4106\n"
                       "tick 3 gauge 1 element 1 icon 2 picture 4106\n"
                       "tick 4 gauge 1 element 1 icon 3 picture 4109\n"
                       "tick 5 gauge 1 element 1 icon 3 picture 4109\n");
}

} // namespace
