// Scenarios: timed simulator-variable values, ramps and clicks that drive a bench run. Each line
// is "<time> <command> <arguments>"; the commands are rows of one table (scenario.cpp).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

class Bench;

// What a scenario step acts on. Clicks go through ClickPanel so that a front end can deliver
// them its own way (the window turns them into mouse events); Stop ends the run.
struct ScenarioTarget {
    Bench& Gauges;
    std::function<void(int x, int y)> ClickPanel;
    bool StopRequested = false;
};

struct ScenarioStep {
    int64_t FirstTick = 0;
    int64_t LastTick = 0; // the step runs on every tick from FirstTick to LastTick
    int Line = 0;
    std::function<void(ScenarioTarget& target, int64_t tick)> Apply;
};

struct Scenario {
    std::vector<ScenarioStep> Steps;
};

// One scenario command. `Make` turns the words after the command name into a step whose
// FirstTick is already set; on failure it sets `reason`.
struct ScenarioCommand {
    const char* Name;
    const char* Usage;
    int ArgumentCount;
    bool (*Make)(const std::vector<std::string>& arguments, ScenarioStep& step,
                 std::string& reason);
};

const std::vector<ScenarioCommand>& ScenarioCommands();

// Parses scenario text; on failure sets `error` to "<source>:<line>: <reason>".
bool ParseScenario(const std::string& text, const std::string& source, Scenario& scenario,
                   std::string& error);
bool LoadScenarioFile(const std::string& path, Scenario& scenario, std::string& error);

// Runs every step due at `tick`, in the order of the file.
void ApplyScenario(const Scenario& scenario, ScenarioTarget& target, int64_t tick);

} // namespace bench
