// The generator's own 5x7 pixel font for captions, keys and the WPT wheel digits.
#pragma once

#include "bitmap8.h"

#include <cstdint>
#include <string_view>

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;
constexpr int GlyphAdvance = 6; // one blank column between letters

// Width in pixels of `text` drawn at `scale` (no trailing blank column).
int TextWidth(std::string_view text, int scale = 1);

// Draws `text` with its top left corner at (x, y). Characters without a glyph draw nothing.
void DrawText(Bitmap8& picture, int x, int y, std::string_view text, uint8_t ink, int scale = 1);

// Draws `text` centred on (centreX, centreY).
void DrawTextCentred(Bitmap8& picture, int centreX, int centreY, std::string_view text, uint8_t ink,
                     int scale = 1);
