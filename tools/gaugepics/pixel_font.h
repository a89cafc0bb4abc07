// The generator's own pixel font for the heading scale's labels: digits 0-6 and N, E, S, W.
#pragma once

#include "bitmap8.h"

#include <cstdint>
#include <string_view>

namespace gaugepics {

// Each glyph is 5 x 7 cells; a cell is Scale x Scale pixels, so strokes are as wide as marks.
inline constexpr int GlyphColumns = 5;
inline constexpr int GlyphRows = 7;
inline constexpr int GlyphScale = 2;
inline constexpr int GlyphGap = 1; // cells between two glyphs of one label
inline constexpr int LabelHeight = GlyphRows * GlyphScale;

// The width in pixels of a label; characters the font lacks count as blanks.
int LabelWidth(std::string_view text);

// Draws the label with its top-left pixel at (left, top); pixels outside the picture are dropped.
void DrawLabel(Bitmap8& picture, int left, int top, std::string_view text, uint8_t index);

} // namespace gaugepics
