// The probe: a small gauge module of the bench's own, with overlapping mouse areas and an icon
// that shows which area was clicked last (0 none, 1 or 2 the top areas, 3 the bottom one).
#include "host_calls.h"

namespace {

int LastHit = 0;

int32_t PANEL_CALL HitTopLeft(uint32_t, uint32_t) {
    LastHit = 1;
    return 0;
}
int32_t PANEL_CALL HitTopRight(uint32_t, uint32_t) {
    LastHit = 2;
    return 0;
}
int32_t PANEL_CALL HitBottom(uint32_t, uint32_t) {
    LastHit = 3;
    return 0;
}

double PANEL_CALL LastHitCallback(HostVariable*) {
    return LastHit;
}

extern GaugeHeader ProbeHeader;

Icon HitIcon = {{ElementIcon, 4100, 4, 6, {}, &ProbeHeader, 0, nullptr, nullptr, 1, 0, 0},
                {0, 0, 0, 0.0, 0.0},
                LastHitCallback,
                0,
                0,
                1.0,
                0,
                4};
ElementRecord* BackgroundChildren[] = {&HitIcon.Header, nullptr};
StaticImage Background = {
    {ElementStaticImage, 4096, 0, 0, {}, &ProbeHeader, 0, BackgroundChildren, nullptr, 0, 0, 0},
    nullptr};
ElementRecord* Elements[] = {&Background.Header, nullptr};

// Areas 1 and 2 overlap over x 10 to 19; the first in the list wins there.
MouseArea Areas[] = {
    {MouseAreaParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {MouseAreaChild, 0, 0, 20, 10, 5, 0, 0x20000000, 0, HitTopLeft, 0},
    {MouseAreaChild, 10, 0, 20, 10, 5, 0, 0x20000000, 0, HitTopRight, 0},
    {MouseAreaChild, 0, 10, 40, 10, 5, 0, 0x20000000, 0, HitBottom, 0},
    {MouseAreaEnd, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};

int32_t PANEL_CALL Query() {
    return host::QueryElementList(&Background.Header);
}
void PANEL_CALL Install(uintptr_t argument) {
    host::InstallElementList(&Background.Header, argument);
    host::InstallMouseAreas(Areas, &ProbeHeader, host::LoadedPictureSize(Background));
    host::RegisterMouseAreas(Areas, &ProbeHeader);
}
void PANEL_CALL Initialize() {
    LastHit = 0;
    host::InitializeElementList(&Background.Header);
}
void PANEL_CALL Update() {
    host::UpdateElementList(&Background.Header);
}
void PANEL_CALL Generate(uint32_t phase) {
    host::GenerateElementList(&Background.Header, phase);
}
void PANEL_CALL Draw() {
    host::DrawElementList(&Background.Header);
}
void PANEL_CALL Kill() {
    host::UnregisterMouseAreas(Areas, &ProbeHeader);
    host::KillElementList(&Background.Header);
}
void PANEL_CALL ModuleNothing() {}

GaugeHeader ProbeHeader = {
    GaugeHeaderVersion, "probe", Elements, Query, Install, Initialize, Update,
    Generate,           Draw,    Kill,     0,     40,      {}};

} // namespace

extern "C" {
PANEL_EXPORT LinkageRecord Linkage = {LinkageVersion,         ModuleNothing, ModuleNothing, 0, 0, 0,
                                      {&ProbeHeader, nullptr}};
}
