// The skytape gauge: its static tables, gauge routines and the tape's two callbacks.
#pragma once

#include "panel.h"

#include <cstdint>

namespace skytape {

inline constexpr int32_t WindowPicture = 4096; // 90 x 26 black window
inline constexpr int32_t ScalePicture = 8192;  // 651 x 26 heading scale; its mask is 8195
inline constexpr int32_t MaskPicture = ScalePicture + 3;
inline constexpr int32_t HeadingVariable = 0x51;

// Static records handed to the host. The host writes only their run-time fields.
extern GaugeHeader Gauge;
extern StaticImage Window;         // the root element
extern MovingImage Tape;           // the root's only child
extern ElementRecord* Elements[2]; // root, null

void PANEL_CALL ModuleInit();
void PANEL_CALL ModuleDeinit();

int32_t PANEL_CALL Query();
void PANEL_CALL Install(uintptr_t argument);
void PANEL_CALL Initialize();
void PANEL_CALL Update();
void PANEL_CALL Generate(uint32_t phase);
void PANEL_CALL Draw();
void PANEL_CALL Kill();

// Turns the heading h (degrees) into the tape's x value 360 - h, between the limits 360 (strip
// start in the window) and 0 (strip end); a heading outside 0 to 360, or not a number, gives 0.
double PANEL_CALL TapeCallback(HostVariable* variable);
// The y axis: the value as it is.
double PANEL_CALL PassThroughCallback(HostVariable* variable);

} // namespace skytape
