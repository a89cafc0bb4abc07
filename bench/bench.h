// The gauge bench as a library: load gauges (module files, panels or in-process records), set
// simulator variables, run 18 Hz ticks, click, read the RGBA frame and the trace, shut down.
//
// Typical use in a test:
//     bench::Bench bench;
//     std::string error;
//     bench.AddModule("gauges/Ball.gau", 0, 0, 0, error);   // width 0: the picture's own
//     bench.SetVariable(0x45, 10.0);
//     bench.RunTicks(1, error);
//     uint32_t pixel = bench.CurrentFrame().At(24, 12);      // RGBA, see picture.h
//     bench.Shutdown();                                      // kills every gauge
//
// Only one Bench may exist at a time: the host services that modules call have no context
// argument, so they reach the one live bench.
#pragma once

#include "compose.h"
#include "panel.h"
#include "panel_file.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bench {

inline constexpr int TicksPerSecond = 18;
inline constexpr int32_t TickCounterVariable = 1;

// Picture `number` as the bytes of a whole BMP file; false when there is no such picture.
using PictureLookup = std::function<bool(int32_t number, std::vector<uint8_t>& bmpFile)>;

// A lookup over a null-ended GaugeResources table, for gauges linked into the test program.
PictureLookup TablePictures(const ResourceEntry* table);

struct GaugeInstance;
struct LoadedModule;

class Bench {
  public:
    Bench();
    ~Bench(); // shuts down
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    // Every failing call below returns false and sets `error` to one line; nothing is added.

    // Loads every gauge of the panel; sets the frame size and background colour from it.
    bool LoadPanel(const PanelDescription& panel, std::string& error);
    // Adds the gauge of the module file at panel position (x, y), drawn `width` pixels wide
    // (0: the background picture's own width).
    bool AddModule(const std::string& path, int x, int y, int width, std::string& error);
    // Adds a gauge whose records live in this process (a gauge's code linked statically).
    bool AddGauge(LinkageRecord* linkage, ImportTableRecord* importTable, PictureLookup pictures,
                  int x, int y, int width, std::string& error);

    // Simulator variables by id; unset ones read 0. Variable 1 is always the tick counter.
    void SetVariable(int32_t id, double value);
    double Variable(int32_t id) const;

    // Runs ticks: update, generate and draw of every gauge, then the tick counter advances.
    bool RunTicks(int count, std::string& error);
    int64_t Tick() const { return TickCount; }

    // A click at panel pixel (x, y), given to the topmost gauge there. Returns whether a mouse
    // handler was called.
    bool ClickPanel(int x, int y);
    // A click on gauge `number` (1 = first added) at its background-picture pixel (x, y).
    bool ClickGauge(int number, double x, double y);

    // The frame composed by the last tick (sized to the panel, or to fit every gauge).
    const Frame& CurrentFrame() const { return Composed; }
    int GaugeCount() const;
    // Panel position and drawn size of gauge `number`, for tests and front ends.
    bool GaugeRectangle(int number, int& x, int& y, int& width, int& height) const;

    // Trace lines (format in README) are collected while enabled; TakeTrace hands them over.
    void EnableTrace(bool enabled) { Tracing = enabled; }
    std::vector<std::string> TakeTrace();

    // Kills every gauge (last added first), runs the modules' deinit and unloads them.
    void Shutdown();

  private:
    bool StartGauge(LoadedModule& module, int x, int y, int width, std::string& error);
    void FitFrame();

    std::vector<std::unique_ptr<LoadedModule>> Modules;
    std::vector<std::unique_ptr<GaugeInstance>> Gauges;
    std::map<int32_t, double> Variables;
    std::vector<std::string> TraceLines;
    Frame Composed;
    uint32_t BackgroundColour;
    bool FixedFrameSize = false;
    bool Tracing = false;
    int64_t TickCount = 0;
};

} // namespace bench
