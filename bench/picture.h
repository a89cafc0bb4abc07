// Pictures converted once for fast composition: 32-bit RGBA rows with their opaque runs, and the
// window masks of moving images with their show and draw-over runs.
#pragma once

#include "bitmap8.h"

#include <cstdint>
#include <vector>

namespace bench {

// One RGBA pixel as it lies in memory: bytes R, G, B, A.
inline constexpr uint32_t PackRgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    return uint32_t{r} | uint32_t{g} << 8 | uint32_t{b} << 16 | uint32_t{a} << 24;
}
inline constexpr uint8_t Red(uint32_t p) {
    return static_cast<uint8_t>(p);
}
inline constexpr uint8_t Green(uint32_t p) {
    return static_cast<uint8_t>(p >> 8);
}
inline constexpr uint8_t Blue(uint32_t p) {
    return static_cast<uint8_t>(p >> 16);
}
inline constexpr uint8_t Alpha(uint32_t p) {
    return static_cast<uint8_t>(p >> 24);
}

// A horizontal run of pixels in one row.
struct Run {
    int32_t Start = 0;
    int32_t Length = 0;
};

// A picture ready to draw. See-through pixels have alpha 0 and lie outside every run.
struct RgbaPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels; // Width * Height, top row first
    std::vector<Run> Runs;        // opaque runs, row by row
    std::vector<uint32_t>
        RowRuns; // Height + 1 entries: row y's runs are [RowRuns[y], RowRuns[y+1])

    const uint32_t* Row(int y) const { return Pixels.data() + static_cast<size_t>(y) * Width; }
};

// Pure black becomes see-through when `blackSeeThrough` is set; otherwise every pixel is drawn.
RgbaPicture ConvertPicture(const Bitmap8& source, bool blackSeeThrough);

// What a moving image's window mask does at each pixel.
enum class MaskAction : uint8_t {
    Hide,      // pure black: nothing of the strip shows
    ShowStrip, // near-black: the strip shows through
    DrawOver,  // any other colour: the mask's own pixel is drawn over the strip
};

// A colour counts as near-black when no channel exceeds this (and it is not pure black).
inline constexpr uint8_t NearBlackLimit = 15;

MaskAction ClassifyMaskColour(PaletteColour colour);

struct MaskRun {
    int32_t Start = 0;
    int32_t Length = 0;
    MaskAction Action = MaskAction::Hide;
};

struct MaskPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels; // the mask's own colours, used by draw-over runs
    std::vector<MaskRun> Runs;    // show and draw-over runs (hidden stretches are left out)
    std::vector<uint32_t> RowRuns;

    const uint32_t* Row(int y) const { return Pixels.data() + static_cast<size_t>(y) * Width; }
};

MaskPicture ConvertMask(const Bitmap8& source);

} // namespace bench
