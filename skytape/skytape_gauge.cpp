// The skytape gauge's tables and routines: a heading scale sliding behind a fixed window.
#include "skytape_gauge.h"

#include "host_calls.h"

namespace skytape {
namespace {

ElementRecord* WindowChildren[] = {&Tape.Header, nullptr};

// Read as (condition, reaction) pairs up to condition 0; the closing pair is whole so that a
// reader taking two words at a time stays inside the list.
const int32_t TapeConditions[] = {1, 3, 0, 0};

constexpr int32_t WindowDrawingFlags = 3;
constexpr int32_t TapeDrawingFlags = 7;
constexpr double FullCircle = 360.0;

ElementRecord* Root() {
    return &Window.Header;
}

} // namespace

// At x value 360 (heading 0) the strip's start shows at the window's start, at 0 (heading 360)
// its end at the window's end. The y axis has equal limits: the strip never moves vertically.
MovingImage Tape = {
    {ElementMovingImage,
     ScalePicture,
     0,
     0,
     {0, 0, 0, 0},
     &Gauge,
     0,
     nullptr,
     TapeConditions,
     TapeDrawingFlags,
     0,
     0},
    {{HeadingVariable, 0, 0, 0.0, 0.0}, TapeCallback, FullCircle, 0.0, 0},
    {{0, 0, 0, 0.0, 0.0}, PassThroughCallback, 0.0, 0.0, 0},
};

StaticImage Window = {
    {ElementStaticImage,
     WindowPicture,
     0,
     0,
     {0, 0, 0, 0},
     &Gauge,
     0,
     WindowChildren,
     nullptr,
     WindowDrawingFlags,
     0,
     0},
    nullptr,
};

ElementRecord* Elements[2] = {&Window.Header, nullptr};

GaugeHeader Gauge = {
    GaugeHeaderVersion,
    "skytape",
    Elements,
    Query,
    Install,
    Initialize,
    Update,
    Generate,
    Draw,
    Kill,
    0,
    57,
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

void PANEL_CALL ModuleInit() {}
void PANEL_CALL ModuleDeinit() {}

// The gauge has no mouse areas: every routine hands the tree alone to the host.
int32_t PANEL_CALL Query() {
    return host::QueryElementList(Root());
}

void PANEL_CALL Install(uintptr_t argument) {
    host::InstallElementList(Root(), argument);
}

void PANEL_CALL Initialize() {
    host::InitializeElementList(Root());
}

void PANEL_CALL Update() {
    host::UpdateElementList(Root());
}

void PANEL_CALL Generate(uint32_t phase) {
    host::GenerateElementList(Root(), phase);
}

void PANEL_CALL Draw() {
    host::DrawElementList(Root());
}

void PANEL_CALL Kill() {
    host::KillElementList(Root());
}

double PANEL_CALL TapeCallback(HostVariable* variable) {
    if (variable == nullptr)
        return 0.0;
    const double heading = variable->Value;
    const double value = FullCircle - heading;
    // Written so that a value that is not a number fails the test and gives 0.
    if (!(value >= 0.0) || value > FullCircle)
        return 0.0;
    return value;
}

double PANEL_CALL PassThroughCallback(HostVariable* variable) {
    if (variable == nullptr)
        return 0.0;
    return variable->Value;
}

} // namespace skytape
