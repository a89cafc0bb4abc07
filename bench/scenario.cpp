// The scenario commands and the scenario file parser.
#include "scenario.h"

#include "bench.h"
#include "bitmap8.h"
#include "ins_source.h"
#include "panel_file.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>

namespace bench {

namespace {

constexpr double MaxSeconds = 86400.0 * 365;

bool VariableId(const std::string& word, int32_t& id) {
    int64_t value = 0;
    if (!ParseInteger(word, value) || value < INT32_MIN || value > INT32_MAX)
        return false;
    id = static_cast<int32_t>(value);
    return true;
}

// "<seconds>" (decimal) or "<ticks>t".
bool ParseTime(const std::string& word, int64_t& tick) {
    if (!word.empty() && word.back() == 't') {
        int64_t ticks = 0;
        if (!ParseInteger(word.substr(0, word.size() - 1), ticks) || ticks < 0 ||
            ticks > MaxSeconds * TicksPerSecond)
            return false;
        tick = ticks;
        return true;
    }
    double seconds = 0.0;
    if (!ParseReal(word, seconds) || !(seconds >= 0.0) || seconds > MaxSeconds)
        return false;
    tick = static_cast<int64_t>(std::ceil(seconds * TicksPerSecond - 1e-9));
    return true;
}

bool MakeSet(const std::vector<std::string>& arguments, ScenarioStep& step, std::string& reason) {
    int32_t id = 0;
    double value = 0.0;
    if (!VariableId(arguments[0], id) || !ParseReal(arguments[1], value)) {
        reason = "set needs a variable id and a number";
        return false;
    }
    step.LastTick = step.FirstTick;
    step.Apply = [id, value](ScenarioTarget& target, int64_t) {
        target.Gauges.SetVariable(id, value);
    };
    return true;
}

// A straight line from `from` to `to` over `seconds`, handed to `setter` on every tick.
bool MakeLine(const std::string& fromWord, const std::string& toWord,
              const std::string& secondsWord, ScenarioStep& step,
              std::function<void(ScenarioTarget&, double)> setter) {
    double from = 0.0, to = 0.0, seconds = 0.0;
    if (!ParseReal(fromWord, from) || !ParseReal(toWord, to) || !ParseReal(secondsWord, seconds) ||
        !std::isfinite(from) || !std::isfinite(to) || !(seconds > 0.0) || seconds > MaxSeconds)
        return false;
    const int64_t first = step.FirstTick;
    const int64_t ticks = std::max<int64_t>(1, std::llround(seconds * TicksPerSecond));
    step.LastTick = first + ticks;
    step.Apply = [from, to, first, ticks, setter](ScenarioTarget& target, int64_t tick) {
        const double fraction = static_cast<double>(tick - first) / static_cast<double>(ticks);
        setter(target, from + (to - from) * fraction);
    };
    return true;
}

bool MakeRamp(const std::vector<std::string>& arguments, ScenarioStep& step, std::string& reason) {
    int32_t id = 0;
    if (!VariableId(arguments[0], id) || !MakeLine(arguments[1], arguments[2], arguments[3], step,
                                                   [id](ScenarioTarget& target, double value) {
                                                       target.Gauges.SetVariable(id, value);
                                                   })) {
        reason = "ramp needs a variable id, two finite numbers and a duration above 0 seconds";
        return false;
    }
    return true;
}

const FieldRef* InsFieldNamed(const std::string& name, std::string& reason) {
    const FieldRef* field = FindField(name);
    if (field == nullptr)
        reason = "unknown INS field \"" + name + "\" (for example DistanceToGo, PresentLat, " +
                 "WptLat[3], TkeReference)";
    return field;
}

void WriteIns(const FieldRef* field, double value) {
    if (!WriteInsField(*field, value))
        std::fprintf(stderr, "gaugebench: cannot open the shared INS records\n");
}

bool MakeIns(const std::vector<std::string>& arguments, ScenarioStep& step, std::string& reason) {
    const FieldRef* field = InsFieldNamed(arguments[0], reason);
    double value = 0.0;
    if (field == nullptr)
        return false;
    if (!ParseReal(arguments[1], value)) {
        reason = "ins needs a field name and a number";
        return false;
    }
    step.LastTick = step.FirstTick;
    step.Apply = [field, value](ScenarioTarget&, int64_t) { WriteIns(field, value); };
    return true;
}

bool MakeInsRamp(const std::vector<std::string>& arguments, ScenarioStep& step,
                 std::string& reason) {
    const FieldRef* field = InsFieldNamed(arguments[0], reason);
    if (field == nullptr)
        return false;
    if (!MakeLine(arguments[1], arguments[2], arguments[3], step,
                  [field](ScenarioTarget&, double value) { WriteIns(field, value); })) {
        reason = "ins-ramp needs a field name, two finite numbers and a duration above 0 seconds";
        return false;
    }
    return true;
}

bool MakeClick(const std::vector<std::string>& arguments, ScenarioStep& step, std::string& reason) {
    int64_t x = 0, y = 0;
    if (!ParseInteger(arguments[0], x) || !ParseInteger(arguments[1], y) || x < -100000 ||
        x > 100000 || y < -100000 || y > 100000) {
        reason = "click needs panel coordinates x and y (whole pixels)";
        return false;
    }
    step.LastTick = step.FirstTick;
    step.Apply = [x, y](ScenarioTarget& target, int64_t) {
        target.ClickPanel(static_cast<int>(x), static_cast<int>(y));
    };
    return true;
}

bool MakeGaugeClick(const std::vector<std::string>& arguments, ScenarioStep& step,
                    std::string& reason) {
    int64_t gauge = 0;
    double x = 0.0, y = 0.0;
    if (!ParseInteger(arguments[0], gauge) || gauge < 1 || gauge > 1000 ||
        !ParseReal(arguments[1], x) || !ParseReal(arguments[2], y) || !std::isfinite(x) ||
        !std::isfinite(y)) {
        reason = "click-gauge needs a gauge number (1 = first) and its picture coordinates";
        return false;
    }
    step.LastTick = step.FirstTick;
    step.Apply = [gauge, x, y](ScenarioTarget& target, int64_t) {
        target.Gauges.ClickGauge(static_cast<int>(gauge), x, y);
    };
    return true;
}

bool MakeQuit(const std::vector<std::string>&, ScenarioStep& step, std::string&) {
    step.LastTick = step.FirstTick;
    step.Apply = [](ScenarioTarget& target, int64_t) { target.StopRequested = true; };
    return true;
}

} // namespace

const std::vector<ScenarioCommand>& ScenarioCommands() {
    static const std::vector<ScenarioCommand> commands = {
        {"set", "set <variable> <value>", 2, MakeSet},
        {"ramp", "ramp <variable> <from> <to> <seconds>", 4, MakeRamp},
        {"ins", "ins <field> <value>", 2, MakeIns},
        {"ins-ramp", "ins-ramp <field> <from> <to> <seconds>", 4, MakeInsRamp},
        {"click", "click <x> <y>", 2, MakeClick},
        {"click-gauge", "click-gauge <gauge> <x> <y>", 3, MakeGaugeClick},
        {"quit", "quit", 0, MakeQuit},
    };
    return commands;
}

namespace {

bool ParseStep(const std::vector<std::string>& words, ScenarioStep& step, std::string& reason) {
    if (words.size() < 2 || !ParseTime(words[0], step.FirstTick)) {
        reason = "expected: <seconds or ticks followed by t> <command> <arguments>";
        return false;
    }
    for (const ScenarioCommand& command : ScenarioCommands()) {
        if (words[1] != command.Name)
            continue;
        const std::vector<std::string> arguments(words.begin() + 2, words.end());
        if (static_cast<int>(arguments.size()) != command.ArgumentCount) {
            reason = std::string("expected: <time> ") + command.Usage;
            return false;
        }
        return command.Make(arguments, step, reason);
    }
    reason = "unknown command '" + words[1] + "'";
    return false;
}

} // namespace

bool ParseScenario(const std::string& text, const std::string& source, Scenario& scenario,
                   std::string& error) {
    Scenario parsed;
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> words;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::string reason;
        ScenarioStep step;
        step.Line = number;
        if (!SplitWords(line, words))
            reason = "unclosed quote";
        else if (!words.empty() && ParseStep(words, step, reason))
            parsed.Steps.push_back(std::move(step));
        if (!reason.empty()) {
            error = source + ":" + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    scenario = std::move(parsed);
    return true;
}

bool LoadScenarioFile(const std::string& path, Scenario& scenario, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes)) {
        error = "cannot read scenario file " + path;
        return false;
    }
    return ParseScenario(std::string(bytes.begin(), bytes.end()), path, scenario, error);
}

void ApplyScenario(const Scenario& scenario, ScenarioTarget& target, int64_t tick) {
    for (const ScenarioStep& step : scenario.Steps)
        if (tick >= step.FirstTick && tick <= step.LastTick)
            step.Apply(target, tick);
}

} // namespace bench
