// The bench: loading modules, the lifecycle of every gauge, ticks, frames and clicks.
#include "bench.h"

#include "element_tree.h"
#include "gauge_instance.h"

#include <algorithm>
#include <cassert>

namespace bench {

namespace {

Bench* LiveBench = nullptr;

// Sets the gauge that the services act on for the length of one call into the module.
class Driving {
  public:
    explicit Driving(GaugeInstance& gauge) { Host().Current = &gauge; }
    ~Driving() { Host().Current = nullptr; }
    Driving(const Driving&) = delete;
    Driving& operator=(const Driving&) = delete;
};

bool CheckLinkage(const LinkageRecord* linkage, std::string& error) {
    if (linkage == nullptr) {
        error = "no Linkage record";
        return false;
    }
    if (linkage->Version != LinkageVersion) {
        error = "Linkage has version " + std::to_string(linkage->Version) + ", expected 19 (0x13)";
        return false;
    }
    GaugeHeader* header = linkage->Gauges[0];
    if (header == nullptr || header->Version != GaugeHeaderVersion) {
        error = "Linkage names no gauge header of version 0x262";
        return false;
    }
    ElementRecord** elements = header->Elements;
    if (elements == nullptr || elements[0] == nullptr) {
        error = "gauge header lists no root element";
        return false;
    }
    return true;
}

// Runs the module's deinit and empties its ImportTable; the library closes when it is dropped.
void UnloadModule(LoadedModule& module) {
    if (module.Initialized && module.Linkage->ModuleDeinit != nullptr)
        module.Linkage->ModuleDeinit();
    module.Initialized = false;
    if (module.Imports != nullptr)
        module.Imports->Table = nullptr;
}

int ScaledHeight(int pictureWidth, int pictureHeight, int width) {
    const int64_t height = (int64_t{pictureHeight} * width + pictureWidth / 2) / pictureWidth;
    return static_cast<int>(std::max<int64_t>(1, height));
}

// Copies a gauge drawn at its picture size into the frame at its drawn size (nearest pixel);
// pixels the gauge left untouched (alpha 0) keep what lies beneath.
void BlitScaled(const GaugeInstance& gauge, Frame& frame) {
    for (int dy = 0; dy < gauge.Height; ++dy) {
        const int fy = gauge.Y + dy;
        if (fy < 0 || fy >= frame.Height)
            continue;
        const int sy = static_cast<int>(int64_t{dy} * gauge.PictureHeight / gauge.Height);
        const uint32_t* source =
            gauge.Surface.data() + static_cast<size_t>(sy) * gauge.PictureWidth;
        uint32_t* target = frame.Pixels.data() + static_cast<size_t>(fy) * frame.Width;
        for (int dx = 0; dx < gauge.Width; ++dx) {
            const int fx = gauge.X + dx;
            if (fx < 0 || fx >= frame.Width)
                continue;
            const uint32_t pixel = source[int64_t{dx} * gauge.PictureWidth / gauge.Width];
            if (Alpha(pixel) != 0)
                target[fx] = pixel;
        }
    }
}

// Points the gauge's drawing at the frame, or at its own surface when it is scaled.
void AimCanvas(GaugeInstance& gauge, Frame& frame) {
    if (gauge.Width == gauge.PictureWidth && gauge.Height == gauge.PictureHeight) {
        gauge.Target = {frame.Pixels.data(),
                        frame.Width,
                        gauge.X,
                        gauge.Y,
                        std::max(0, gauge.X),
                        std::max(0, gauge.Y),
                        std::min(frame.Width, gauge.X + gauge.Width),
                        std::min(frame.Height, gauge.Y + gauge.Height)};
        if (gauge.Target.ClipLeft >= gauge.Target.ClipRight ||
            gauge.Target.ClipTop >= gauge.Target.ClipBottom)
            gauge.Target = {frame.Pixels.data(), frame.Width, 0, 0, 0, 0, 0, 0};
        return;
    }
    gauge.Surface.assign(static_cast<size_t>(gauge.PictureWidth) * gauge.PictureHeight, 0);
    gauge.Target = {gauge.Surface.data(), gauge.PictureWidth, 0, 0, 0, 0,
                    gauge.PictureWidth,   gauge.PictureHeight};
}

} // namespace

PictureLookup TablePictures(const ResourceEntry* table) {
    return [table](int32_t number, std::vector<uint8_t>& bytes) {
        return FindTablePicture(table, number, bytes);
    };
}

bool FindTablePicture(const ResourceEntry* table, int32_t number, std::vector<uint8_t>& bmpFile) {
    constexpr int MaxEntries = 65536;
    constexpr uint32_t MaxSize = 256u << 20;
    if (table == nullptr)
        return false;
    for (int i = 0; i < MaxEntries && table[i].Bytes != nullptr; ++i) {
        if (table[i].Number != number)
            continue;
        if (table[i].Size > MaxSize)
            return false;
        bmpFile.assign(table[i].Bytes, table[i].Bytes + table[i].Size);
        return true;
    }
    return false;
}

Bench::Bench() : BackgroundColour(PackRgba(0, 0, 0)) {
    assert(LiveBench == nullptr && "only one Bench may exist at a time");
    LiveBench = this;
    Host().Variables = &Variables;
    Host().Tick = 0;
}

Bench::~Bench() {
    Shutdown();
    Host() = HostState{};
    LiveBench = nullptr;
}

bool Bench::LoadPanel(const PanelDescription& panel, std::string& error) {
    BackgroundColour = PackRgba(panel.Background[0], panel.Background[1], panel.Background[2]);
    for (const PanelGauge& gauge : panel.Gauges)
        if (!AddModule(gauge.ModulePath, gauge.X, gauge.Y, gauge.Width, error))
            return false;
    if (panel.Width > 0) {
        FixedFrameSize = true;
        Composed.Width = panel.Width;
        Composed.Height = panel.Height;
    }
    FitFrame();
    return true;
}

bool Bench::AddModule(const std::string& path, int x, int y, int width, std::string& error) {
    for (auto& module : Modules) {
        if (module->Path == path) {
            if (StartGauge(*module, x, y, width, error))
                return true;
            error = path + ": " + error;
            return false;
        }
    }

    auto module = std::make_unique<LoadedModule>();
    module->Path = path;
    module->Library = OpenModuleLibrary(path, error);
    if (module->Library == nullptr)
        return false;
    module->Linkage = static_cast<LinkageRecord*>(module->Library->Symbol("Linkage"));
    module->Imports = static_cast<ImportTableRecord*>(module->Library->Symbol("ImportTable"));
    if (module->Linkage == nullptr) {
        error = path + " exports no Linkage: it is no gauge module";
        return false;
    }
    std::string reason;
    if (!CheckLinkage(module->Linkage, reason)) {
        error = path + ": " + reason;
        return false;
    }
    ModuleLibrary* library = module->Library.get();
    module->Pictures = [library](int32_t number, std::vector<uint8_t>& bytes) {
        return library->Picture(number, bytes);
    };
    Modules.push_back(std::move(module));
    if (!StartGauge(*Modules.back(), x, y, width, error)) {
        error = path + ": " + error;
        UnloadModule(*Modules.back());
        Modules.pop_back();
        return false;
    }
    return true;
}

bool Bench::AddGauge(LinkageRecord* linkage, ImportTableRecord* importTable, PictureLookup pictures,
                     int x, int y, int width, std::string& error) {
    if (!CheckLinkage(linkage, error))
        return false;
    for (auto& module : Modules)
        if (module->Linkage == linkage)
            return StartGauge(*module, x, y, width, error);
    auto module = std::make_unique<LoadedModule>();
    module->Linkage = linkage;
    module->Imports = importTable;
    module->Pictures = std::move(pictures);
    Modules.push_back(std::move(module));
    if (StartGauge(*Modules.back(), x, y, width, error))
        return true;
    UnloadModule(*Modules.back());
    Modules.pop_back();
    return false;
}

bool Bench::StartGauge(LoadedModule& module, int x, int y, int width, std::string& error) {
    if (module.Imports != nullptr)
        module.Imports->Table = ServiceTable();
    if (!module.Initialized) {
        module.Initialized = true;
        const ModuleRoutine init = module.Linkage->ModuleInit;
        if (init != nullptr)
            init();
    }
    auto gauge = std::make_unique<GaugeInstance>();
    gauge->Number = static_cast<int>(Gauges.size()) + 1;
    gauge->Module = &module;
    gauge->Header = module.Linkage->Gauges[0];
    gauge->X = x;
    gauge->Y = y;
    {
        Driving driving(*gauge);
        GaugeHeader* header = gauge->Header;
        if (header->Query != nullptr)
            header->Query();
        if (header->Install != nullptr)
            header->Install(0);
        if (gauge->Error.empty() && !gauge->Installed)
            gauge->Error = "the gauge installed no element tree";
        if (gauge->Error.empty() && header->Initialize != nullptr)
            header->Initialize();
        if (!gauge->Error.empty()) {
            error = gauge->Error;
            if (header->Kill != nullptr)
                header->Kill();
            KillTree(*gauge);
            return false;
        }
    }
    gauge->Width = width > 0 ? width : gauge->PictureWidth;
    gauge->Height = ScaledHeight(gauge->PictureWidth, gauge->PictureHeight, gauge->Width);
    if (gauge->AreaWidth <= 0 || gauge->AreaHeight <= 0) {
        gauge->AreaWidth = gauge->PictureWidth;
        gauge->AreaHeight = gauge->PictureHeight;
    }
    Gauges.push_back(std::move(gauge));
    FitFrame();
    return true;
}

void Bench::FitFrame() {
    if (!FixedFrameSize) {
        int width = 1;
        int height = 1;
        for (const auto& gauge : Gauges) {
            width = std::max(width, gauge->X + gauge->Width);
            height = std::max(height, gauge->Y + gauge->Height);
        }
        Composed.Width = width;
        Composed.Height = height;
    }
    Composed.Pixels.assign(static_cast<size_t>(Composed.Width) * Composed.Height, BackgroundColour);
}

void Bench::SetVariable(int32_t id, double value) {
    Variables[id] = value;
}

double Bench::Variable(int32_t id) const {
    return VariableValue(id);
}

bool Bench::RunTicks(int count, std::string& error) {
    for (int i = 0; i < count; ++i) {
        Host().Tick = TickCount;
        Host().Trace = Tracing ? &TraceLines : nullptr;
        ClearFrame(Composed, BackgroundColour);
        for (auto& gauge : Gauges) {
            AimCanvas(*gauge, Composed);
            {
                Driving driving(*gauge);
                GaugeHeader* header = gauge->Header;
                if (header->Update != nullptr)
                    header->Update();
                if (header->Generate != nullptr)
                    header->Generate(0);
                if (header->Draw != nullptr)
                    header->Draw();
            }
            if (!gauge->Surface.empty())
                BlitScaled(*gauge, Composed);
            if (!gauge->Error.empty()) {
                error = "gauge " + std::to_string(gauge->Number) + ": " + gauge->Error;
                return false;
            }
        }
        Host().Trace = nullptr;
        ++TickCount;
        Host().Tick = TickCount;
    }
    return true;
}

bool Bench::ClickPanel(int x, int y) {
    for (auto it = Gauges.rbegin(); it != Gauges.rend(); ++it) {
        GaugeInstance& gauge = **it;
        if (x < gauge.X || y < gauge.Y || x >= gauge.X + gauge.Width || y >= gauge.Y + gauge.Height)
            continue;
        // The pixel's centre, in the size the mouse areas were installed against.
        const double localX = (x - gauge.X + 0.5) * gauge.AreaWidth / gauge.Width;
        const double localY = (y - gauge.Y + 0.5) * gauge.AreaHeight / gauge.Height;
        Driving driving(gauge);
        return DispatchClick(gauge, localX, localY);
    }
    return false;
}

bool Bench::ClickGauge(int number, double x, double y) {
    if (number < 1 || number > GaugeCount())
        return false;
    GaugeInstance& gauge = *Gauges[static_cast<size_t>(number) - 1];
    Driving driving(gauge);
    return DispatchClick(gauge, x, y);
}

int Bench::GaugeCount() const {
    return static_cast<int>(Gauges.size());
}

bool Bench::GaugeRectangle(int number, int& x, int& y, int& width, int& height) const {
    if (number < 1 || number > GaugeCount())
        return false;
    const GaugeInstance& gauge = *Gauges[static_cast<size_t>(number) - 1];
    x = gauge.X;
    y = gauge.Y;
    width = gauge.Width;
    height = gauge.Height;
    return true;
}

std::vector<std::string> Bench::TakeTrace() {
    std::vector<std::string> lines;
    lines.swap(TraceLines);
    return lines;
}

void Bench::Shutdown() {
    while (!Gauges.empty()) {
        GaugeInstance& gauge = *Gauges.back();
        {
            Driving driving(gauge);
            if (gauge.Header->Kill != nullptr)
                gauge.Header->Kill();
        }
        KillTree(gauge); // in case the gauge's kill left its tree installed
        Gauges.pop_back();
    }
    while (!Modules.empty()) {
        UnloadModule(*Modules.back());
        Modules.pop_back();
    }
}

} // namespace bench
