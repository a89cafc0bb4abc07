// The one 256-colour palette of every VELDRA picture, and names for its entries.
#pragma once

#include "bitmap8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace ink {

// Fixed entries. Index 0 is pure black, which the host treats as see-through in the knob,
// button, dot and lamp pictures; nothing meant to be seen may use it there.
constexpr uint8_t Black = 0;
constexpr uint8_t MaskShow = 1;    // near-black (1,1,1): a mask pixel that shows its strip
constexpr uint8_t Window = 2;      // near-black blue (0,0,8) of the display windows
constexpr uint8_t SegmentOff = 3;  // unlit segment, dark blue
constexpr uint8_t SegmentOn = 4;   // lit segment, green
constexpr uint8_t SegmentEdge = 5; // rim of a lit segment, deeper green
constexpr uint8_t Caption = 6;     // white panel captions
constexpr uint8_t LitCaption = 7;  // dark caption on a lit face; not pure black, so it shows
constexpr uint8_t Paper = 8;       // white face of the WPT digit wheel
constexpr uint8_t PaperInk = 9;    // digits printed on it
constexpr uint8_t Unused = 10;     // first entry that no picture uses

constexpr int GreyLevels = 64;
constexpr int AmberLevels = 32;
constexpr int WarmLevels = 32;
constexpr int LensLevels = 16;

constexpr uint8_t GreyBase = 16;
constexpr uint8_t AmberBase = GreyBase + GreyLevels;
constexpr uint8_t WarmBase = AmberBase + AmberLevels;
constexpr uint8_t LensBase = WarmBase + WarmLevels;

// Ramps, dark to bright; a level past either end is held at that end.
constexpr uint8_t Grey(int level) {
    return static_cast<uint8_t>(GreyBase + std::clamp(level, 0, GreyLevels - 1));
}
constexpr uint8_t Amber(int level) {
    return static_cast<uint8_t>(AmberBase + std::clamp(level, 0, AmberLevels - 1));
}
constexpr uint8_t Warm(int level) {
    return static_cast<uint8_t>(WarmBase + std::clamp(level, 0, WarmLevels - 1));
}
constexpr uint8_t Lens(int level) {
    return static_cast<uint8_t>(LensBase + std::clamp(level, 0, LensLevels - 1));
}

// Panel shades used throughout.
constexpr uint8_t Panel = Grey(13);
constexpr uint8_t PanelLight = Grey(20);
constexpr uint8_t PanelShadow = Grey(7);
constexpr uint8_t Bezel = Grey(3);

} // namespace ink

std::array<PaletteColour, 256> VeldraPalette();

// A picture of the given size in the VELDRA palette, filled with one entry.
Bitmap8 MakePicture(int width, int height, uint8_t fill);
