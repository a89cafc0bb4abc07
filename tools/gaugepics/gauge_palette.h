// The palette shared by every picture of the Ball and skytape gauges, and its named indices.
#pragma once

#include "bitmap8.h"

#include <cstdint>

namespace gaugepics {

inline constexpr uint8_t Black = 0;        // (0, 0, 0): fields, windows, the scale's ground
inline constexpr uint8_t NearBlack = 14;   // (1, 1, 1): where the tape's mask shows the strip
inline constexpr uint8_t LightGrey = 29;   // (235, 235, 235): the ball and the centre index
inline constexpr uint8_t ScaleWhite = 117; // (240, 240, 240): graduations and labels

// A picture of the given size filled with one index, carrying the shared palette. Every entry
// not named above stays black.
Bitmap8 BlankPicture(int width, int height, uint8_t fill = Black);

} // namespace gaugepics
