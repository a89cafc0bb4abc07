// The Ball gauge ("Plumbline"): its static tables, gauge routines and ball callback.
#pragma once

#include "panel.h"

#include <cstdint>

namespace ball {

inline constexpr int32_t FieldPicture = 4096; // 50 x 22 black field
inline constexpr int32_t BallPicture = 4352;  // 15 x 15 light disc on black
inline constexpr int32_t SideslipVariable = 0x45;

// Static records handed to the host. The host writes only their run-time fields.
extern GaugeHeader Gauge;
extern StaticImage Field;          // the root element
extern SlidingImage Ball;          // the root's only child
extern ElementRecord* Elements[2]; // root, null
extern MouseArea MouseAreas[2];    // one parent area, then the end of the list

void PANEL_CALL ModuleInit();
void PANEL_CALL ModuleDeinit();

int32_t PANEL_CALL Query();
void PANEL_CALL Install(uintptr_t argument);
void PANEL_CALL Initialize();
void PANEL_CALL Update();
void PANEL_CALL Generate(uint32_t phase);
void PANEL_CALL Draw();
void PANEL_CALL Kill();

// The ball's x position follows the sideslip value as it is: any value passes through.
double PANEL_CALL BallCallback(HostVariable* variable);

} // namespace ball
