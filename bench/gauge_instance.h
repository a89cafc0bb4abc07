// The bench's internal record of one running gauge, and the host state that the services reach.
#pragma once

#include "bench.h"
#include "compose.h"
#include "module_loader.h"
#include "panel.h"
#include "picture.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bench {

// What a static image's LoadedPicture points at: a tag word, then the picture's size, which is
// what mouse areas are installed against (the module hands back this address + 4).
#pragma pack(push, 4)
struct LoadedPictureRecord {
    char Tag[4] = {'P', 'I', 'C', 'T'};
    int32_t Width = 0;
    int32_t Height = 0;
};
#pragma pack(pop)
static_assert(sizeof(LoadedPictureRecord) == 12);

// One element of an installed tree, with its converted pictures and its last update's results.
struct ElementState {
    ElementRecord* Element = nullptr;
    int Number = 0; // depth-first position, the root 0
    std::vector<RgbaPicture>
        Pictures;     // static and sliding: one; icon: one per value; moving: strip
    MaskPicture Mask; // moving images only
    std::unique_ptr<LoadedPictureRecord> Loaded; // static images only
    double ValueX = 0.0; // callback results of the last update (an icon's value is ValueX)
    double ValueY = 0.0;
    int PlaceX = 0; // sliding: position; moving: strip offset
    int PlaceY = 0;
    int IconPicture = -1; // icon: index into Pictures, -1 for none
};

// A module file or in-process module, shared by every gauge instance made from it.
struct LoadedModule {
    std::string Path; // empty for an in-process module
    std::unique_ptr<ModuleLibrary> Library;
    LinkageRecord* Linkage = nullptr;
    ImportTableRecord* Imports = nullptr;
    PictureLookup Pictures;
    bool Initialized = false;
};

struct GaugeInstance {
    int Number = 0; // 1 = first added
    LoadedModule* Module = nullptr;
    GaugeHeader* Header = nullptr;
    ElementRecord* Root = nullptr; // set by InstallElementList
    std::vector<ElementState> Elements;
    std::vector<MouseArea*> MouseLists; // registered, in registration order
    int AreaWidth = 0;                  // the size mouse areas were installed against
    int AreaHeight = 0;
    int X = 0, Y = 0;                        // panel position
    int Width = 0, Height = 0;               // drawn size
    int PictureWidth = 0, PictureHeight = 0; // background picture size
    std::vector<uint32_t> Surface;           // drawn here first when the gauge is scaled
    Canvas Target;
    std::string Error; // first failure inside a service, reported after the routine returns
    bool Installed = false;
};

// The state the services work on. The bench sets Current before it calls any routine, callback
// or handler of a gauge, and clears it afterwards.
struct HostState {
    GaugeInstance* Current = nullptr;
    std::map<int32_t, double>* Variables = nullptr;
    std::vector<std::string>* Trace = nullptr; // null while tracing is off
    int64_t Tick = 0;
};

HostState& Host();
HostFunctionTable* ServiceTable();
double VariableValue(int32_t id);

// Dispatches a click at background-picture pixel (x, y) of the gauge; true when a handler ran.
bool DispatchClick(GaugeInstance& gauge, double x, double y);

} // namespace bench
