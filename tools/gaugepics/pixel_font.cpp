// The pixel font's glyphs and label drawing.
#include "pixel_font.h"

#include <array>

namespace gaugepics {
namespace {

struct Glyph {
    char Character;
    std::array<const char*, GlyphRows> Rows; // '#' lit, '.' dark
};

constexpr Glyph Glyphs[] = {
    {'0', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
};

const Glyph* FindGlyph(char character) {
    for (const Glyph& glyph : Glyphs)
        if (glyph.Character == character)
            return &glyph;
    return nullptr;
}

void DrawGlyph(Bitmap8& picture, int left, int top, const Glyph& glyph, uint8_t index) {
    for (int row = 0; row < GlyphRows; ++row)
        for (int column = 0; column < GlyphColumns; ++column)
            if (glyph.Rows[row][column] == '#')
                picture.FillRect(left + column * GlyphScale, top + row * GlyphScale, GlyphScale,
                                 GlyphScale, index);
}

constexpr int GlyphAdvance = (GlyphColumns + GlyphGap) * GlyphScale;

} // namespace

int LabelWidth(std::string_view text) {
    if (text.empty())
        return 0;
    return static_cast<int>(text.size()) * GlyphAdvance - GlyphGap * GlyphScale;
}

void DrawLabel(Bitmap8& picture, int left, int top, std::string_view text, uint8_t index) {
    for (char character : text) {
        if (const Glyph* glyph = FindGlyph(character))
            DrawGlyph(picture, left, top, *glyph, index);
        left += GlyphAdvance;
    }
}

} // namespace gaugepics
