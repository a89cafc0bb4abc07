// The VELDRA palette: a few fixed colours and four shading ramps.
#include "palette.h"

namespace {

PaletteColour Mix(PaletteColour dark, PaletteColour bright, int step, int steps) {
    auto channel = [&](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>(a + (b - a) * step / (steps - 1));
    };
    return {channel(dark.Red, bright.Red), channel(dark.Green, bright.Green),
            channel(dark.Blue, bright.Blue)};
}

void FillRamp(std::array<PaletteColour, 256>& palette, int base, int steps, PaletteColour dark,
              PaletteColour bright) {
    for (int step = 0; step < steps; ++step)
        palette[base + step] = Mix(dark, bright, step, steps);
}

} // namespace

std::array<PaletteColour, 256> VeldraPalette() {
    std::array<PaletteColour, 256> palette{};
    // Entries no picture uses are loud magenta, so a stray index shows at once in a preview.
    palette.fill({255, 0, 255});
    palette[ink::Black] = {0, 0, 0};
    palette[ink::MaskShow] = {1, 1, 1};
    palette[ink::Window] = {0, 0, 8};
    palette[ink::SegmentOff] = {12, 22, 52};
    palette[ink::SegmentOn] = {96, 255, 128};
    palette[ink::SegmentEdge] = {40, 190, 84};
    palette[ink::Caption] = {238, 238, 230};
    palette[ink::LitCaption] = {26, 20, 12};
    palette[ink::Paper] = {244, 244, 236};
    palette[ink::PaperInk] = {18, 18, 18};
    // The grey ramp starts above pure black so that no shade is ever see-through.
    FillRamp(palette, ink::GreyBase, ink::GreyLevels, {6, 6, 8}, {250, 250, 252});
    FillRamp(palette, ink::AmberBase, ink::AmberLevels, {120, 60, 4}, {255, 214, 120});
    FillRamp(palette, ink::WarmBase, ink::WarmLevels, {170, 150, 90}, {255, 252, 228});
    FillRamp(palette, ink::LensBase, ink::LensLevels, {46, 36, 24}, {150, 120, 76});
    return palette;
}

Bitmap8 MakePicture(int width, int height, uint8_t fill) {
    Bitmap8 picture(width, height, fill);
    picture.Palette = VeldraPalette();
    return picture;
}
