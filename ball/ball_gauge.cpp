// The Ball gauge's tables and routines: a light ball that slides sideways in a black field.
#include "ball_gauge.h"

#include "host_calls.h"

namespace ball {
namespace {

ElementRecord* FieldChildren[] = {&Ball.Header, nullptr};

// Read as (condition, reaction) pairs up to condition 0; the closing pair is whole so that a
// reader taking two words at a time stays inside the list.
const int32_t FieldConditions[] = {1, 3, 0, 0};

constexpr int32_t FieldDrawingFlags = 21;
constexpr int32_t BallDrawingFlags = 7;
constexpr int32_t BallLeft = 17;
constexpr int32_t BallTop = 5;
constexpr double PixelsPerSideslipUnit = 0.2;
constexpr int32_t NoCursor = -1;
constexpr int32_t FieldHelpId = 41995;

ElementRecord* Root() {
    return &Field.Header;
}

} // namespace

// The ball slides on x only; its y axis has no variable and no callback.
SlidingImage Ball = {
    {ElementSlidingImage,
     BallPicture,
     BallLeft,
     BallTop,
     {0, 0, 0, 0},
     &Gauge,
     0,
     nullptr,
     nullptr,
     BallDrawingFlags,
     0,
     0},
    {{SideslipVariable, 0, 0, 0.0, 0.0}, BallCallback, PixelsPerSideslipUnit},
    {{0, 0, 0, 0.0, 0.0}, nullptr, 0.0},
};

StaticImage Field = {
    {ElementStaticImage,
     FieldPicture,
     0,
     0,
     {0, 0, 0, 0},
     &Gauge,
     0,
     FieldChildren,
     FieldConditions,
     FieldDrawingFlags,
     0,
     0},
    nullptr,
};

ElementRecord* Elements[2] = {&Field.Header, nullptr};

// A parent area over the whole gauge and no child areas: no click reaches the module.
MouseArea MouseAreas[2] = {
    {MouseAreaParent, 0, 0, 0, 0, NoCursor, FieldHelpId, 0, 0, nullptr, 0},
    {MouseAreaEnd, 0, 0, 0, 0, NoCursor, 0, 0, 0, nullptr, 0},
};

GaugeHeader Gauge = {
    GaugeHeaderVersion,
    "Plumbline",
    Elements,
    Query,
    Install,
    Initialize,
    Update,
    Generate,
    Draw,
    Kill,
    0,
    50,
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

void PANEL_CALL ModuleInit() {}
void PANEL_CALL ModuleDeinit() {}

int32_t PANEL_CALL Query() {
    return host::QueryElementList(Root());
}

// The mouse areas are installed against the root's loaded picture, so the tree goes first.
void PANEL_CALL Install(uintptr_t argument) {
    host::InstallElementList(Root(), argument);
    host::InstallMouseAreas(MouseAreas, &Gauge, host::LoadedPictureSize(Field));
    host::RegisterMouseAreas(MouseAreas, &Gauge);
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

// The mouse areas go before the tree whose picture they were installed against.
void PANEL_CALL Kill() {
    host::UnregisterMouseAreas(MouseAreas, &Gauge);
    host::KillElementList(Root());
}

double PANEL_CALL BallCallback(HostVariable* variable) {
    if (variable == nullptr)
        return 0.0;
    return variable->Value;
}

} // namespace ball
