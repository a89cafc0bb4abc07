// The WPT thumbwheel, the data and mode selectors, HOLD and WARN.
#pragma once

#include "panel.h"

#include <cstdint>

// Mouse handlers. Each plays the click first, reads neither argument and returns 0.
int32_t PANEL_CALL WptWheelUpHandler(uint32_t, uint32_t);        // 1, 2, ... 9, 1
int32_t PANEL_CALL WptWheelDownHandler(uint32_t, uint32_t);      // 9, 8, ... 1, 9
int32_t PANEL_CALL DataSelectorLeftHandler(uint32_t, uint32_t);  // toward TK GS, 0 to 7
int32_t PANEL_CALL DataSelectorRightHandler(uint32_t, uint32_t); // toward DSR TK STS, 7 to 0
int32_t PANEL_CALL ModeSelectorLeftHandler(uint32_t, uint32_t);  // MAN, AUTO, RMT, MAN
int32_t PANEL_CALL ModeSelectorRightHandler(uint32_t, uint32_t); // MAN, RMT, AUTO, MAN
int32_t PANEL_CALL HoldHandler(uint32_t, uint32_t);
int32_t PANEL_CALL WarnHandler(uint32_t, uint32_t); // the click only

inline constexpr int32_t DataSelectorPositions = 8;
inline constexpr int32_t ModeSelectorPositions = 3;
