// The keypad, INSERT, TK CHG and CLEAR: keying waypoint positions and the FROM/TO leg.
#pragma once

#include "panel.h"

#include <cstdint>

// Mouse handlers. Each plays the click first, reads neither argument and returns 0.
int32_t PANEL_CALL Key0Handler(uint32_t, uint32_t);
int32_t PANEL_CALL Key1Handler(uint32_t, uint32_t);
int32_t PANEL_CALL Key2Handler(uint32_t, uint32_t); // also N
int32_t PANEL_CALL Key3Handler(uint32_t, uint32_t);
int32_t PANEL_CALL Key4Handler(uint32_t, uint32_t); // also W
int32_t PANEL_CALL Key5Handler(uint32_t, uint32_t);
int32_t PANEL_CALL Key6Handler(uint32_t, uint32_t); // also E
int32_t PANEL_CALL Key7Handler(uint32_t, uint32_t);
int32_t PANEL_CALL Key8Handler(uint32_t, uint32_t); // also S
int32_t PANEL_CALL Key9Handler(uint32_t, uint32_t);
int32_t PANEL_CALL InsertHandler(uint32_t, uint32_t);
int32_t PANEL_CALL TrackChangeHandler(uint32_t, uint32_t);
int32_t PANEL_CALL ClearHandler(uint32_t, uint32_t);

// Opens a position entry on the thumbwheel's waypoint; key 2 (N) or 8 (S) starts a new
// latitude, 6 (E) or 4 (W) a new longitude. Clicks once more.
void OpenPositionEntry(int key);

// Types one digit into the open entry: into the half of the position that is being keyed, or
// under TK CHG into FROM, then TO. Digits beyond the last position are ignored.
void KeyDigit(int digit);

// The keypad's DD.MMm form (degrees, then minutes / 100) and decimal degrees, both ways.
double DecimalDegreesToKeyed(double degrees);
double KeyedToDecimalDegrees(double keyed);
