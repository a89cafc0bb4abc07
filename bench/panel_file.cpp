// Parsing the panel file, and the word and number helpers that the scenario shares.
#include "panel_file.h"

#include "bitmap8.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace bench {

bool SplitWords(const std::string& line, std::vector<std::string>& words) {
    words.clear();
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : line) {
        if (quoted) {
            if (c == '"')
                quoted = false;
            else
                word += c;
            continue;
        }
        if (c == '#')
            break;
        if (c == '"') {
            quoted = true;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return false;
    if (inWord)
        words.push_back(word);
    return true;
}

bool ParseInteger(const std::string& word, int64_t& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(word.c_str(), &end, 0);
    if (errno != 0 || end == word.c_str() || *end != '\0')
        return false;
    value = parsed;
    return true;
}

bool ParseReal(const std::string& word, double& value) {
    if (word == "nan" || word == "NaN") {
        value = std::nan("");
        return true;
    }
    if (word == "inf" || word == "-inf") {
        value = word[0] == '-' ? -INFINITY : INFINITY;
        return true;
    }
    if (word.empty())
        return false;
    char* end = nullptr;
    const double parsed = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0')
        return false;
    value = parsed;
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& path) {
    const bool absolute = (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
                          (path.size() > 1 && path[1] == ':');
    if (absolute || folder.empty())
        return path;
    return folder + "/" + path;
}

namespace {

bool IntegerIn(const std::string& word, int64_t low, int64_t high, int& value) {
    int64_t parsed = 0;
    if (!ParseInteger(word, parsed) || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

constexpr int64_t MaxPanelSide = 8192;

bool ParsePanelLine(const std::vector<std::string>& words, const std::string& baseFolder, int line,
                    PanelDescription& panel, std::string& reason) {
    const std::string& keyword = words[0];
    if (keyword == "window") {
        if (words.size() != 3 || !IntegerIn(words[1], 1, MaxPanelSide, panel.Width) ||
            !IntegerIn(words[2], 1, MaxPanelSide, panel.Height)) {
            reason = "expected: window <width> <height> (1 to 8192 pixels)";
            return false;
        }
        return true;
    }
    if (keyword == "background") {
        int rgb[3] = {};
        if (words.size() != 4 || !IntegerIn(words[1], 0, 255, rgb[0]) ||
            !IntegerIn(words[2], 0, 255, rgb[1]) || !IntegerIn(words[3], 0, 255, rgb[2])) {
            reason = "expected: background <red> <green> <blue> (0 to 255)";
            return false;
        }
        for (int i = 0; i < 3; ++i)
            panel.Background[i] = static_cast<uint8_t>(rgb[i]);
        return true;
    }
    if (keyword == "gauge") {
        PanelGauge gauge;
        gauge.Line = line;
        if ((words.size() != 4 && words.size() != 5) ||
            !IntegerIn(words[2], -MaxPanelSide, MaxPanelSide, gauge.X) ||
            !IntegerIn(words[3], -MaxPanelSide, MaxPanelSide, gauge.Y) ||
            (words.size() == 5 && !IntegerIn(words[4], 1, MaxPanelSide, gauge.Width))) {
            reason = "expected: gauge <module path> <x> <y> [<width>]";
            return false;
        }
        gauge.ModulePath = JoinPath(baseFolder, words[1]);
        panel.Gauges.push_back(gauge);
        return true;
    }
    reason = "unknown keyword '" + keyword + "' (expected window, background or gauge)";
    return false;
}

} // namespace

bool ParsePanel(const std::string& text, const std::string& source, const std::string& baseFolder,
                PanelDescription& panel, std::string& error) {
    PanelDescription parsed;
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> words;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::string reason;
        if (!SplitWords(line, words))
            reason = "unclosed quote";
        else if (!words.empty())
            ParsePanelLine(words, baseFolder, number, parsed, reason);
        if (!reason.empty()) {
            error = source + ":" + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    if (parsed.Gauges.empty()) {
        error = source + ": the panel lists no gauge";
        return false;
    }
    panel = parsed;
    return true;
}

bool LoadPanelFile(const std::string& path, PanelDescription& panel, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes)) {
        error = "cannot read panel file " + path;
        return false;
    }
    const std::string text(bytes.begin(), bytes.end());
    return ParsePanel(text, path, FolderOf(path), panel, error);
}

} // namespace bench
