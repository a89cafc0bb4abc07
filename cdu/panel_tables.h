// The VELDRA gauge as data: its element tree and its mouse areas.
#pragma once

#include "panel.h"

// Defined by the module with its routines; every element record names it.
extern GaugeHeader VeldraGaugeHeader;

// The background, root of the element tree; the host stores its loaded picture here.
extern StaticImage VeldraBackground;

// The gauge's element list: the root, then null.
extern ElementRecord* VeldraElementList[2];

// Parent area, 21 child areas, end area.
inline constexpr int VeldraMouseAreaCount = 23;
extern MouseArea VeldraMouseAreas[VeldraMouseAreaCount];

// Condition list of every element: the pair (1, 2), then condition 0.
extern const int32_t VeldraElementConditions[3];

// Host variable identifiers that the elements carry.
inline constexpr int32_t NoVariable = 0;
inline constexpr int32_t TickVar = 1;
inline constexpr int32_t HeadingVar = 0x51;
