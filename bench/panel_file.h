// The bench's panel file: a window and the gauges on it, each with module path, x, y and width.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The panel shown when none is given. Module paths are relative to the gauges folder beside the
// program. Add a `gauge` line here to show another gauge by default.
inline constexpr const char* DefaultPanelText = R"(# The default panel: the heading tape and the
# sideslip ball above the INS control and display unit.
window 417 392
background 28 30 34
gauge skytape.gau 163 6 90
gauge Ball.gau 183 38 50
gauge VELDRA.gau 8 68 401
)";

struct PanelGauge {
    std::string ModulePath; // resolved against the panel's folder
    int X = 0;
    int Y = 0;
    int Width = 0; // 0: the background picture's own width
    int Line = 0;
};

struct PanelDescription {
    int Width = 0; // 0: the frame fits the gauges
    int Height = 0;
    uint8_t Background[3] = {0, 0, 0};
    std::vector<PanelGauge> Gauges;
};

// Parses panel text; relative module paths are resolved against `baseFolder`. On failure sets
// `error` to "<source>:<line>: <reason>".
bool ParsePanel(const std::string& text, const std::string& source, const std::string& baseFolder,
                PanelDescription& panel, std::string& error);

// Reads and parses a panel file; its folder is the base for its module paths.
bool LoadPanelFile(const std::string& path, PanelDescription& panel, std::string& error);

// Splits a line into words at blanks; "double quotes" keep blanks inside one word. A '#' outside
// quotes starts a comment. Returns false for an unclosed quote.
bool SplitWords(const std::string& line, std::vector<std::string>& words);

// Whole-number and real-number words; they reject trailing junk. Numbers may be written in
// decimal or, with 0x, in hexadecimal; reals also take "nan" and "inf".
bool ParseInteger(const std::string& word, int64_t& value);
bool ParseReal(const std::string& word, double& value);

// The folder part of a path ("." when it has none), and a path joined to a folder unless it is
// already absolute.
std::string FolderOf(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& path);

} // namespace bench
