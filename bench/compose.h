// Drawing converted pictures into an RGBA canvas, and the host's rules for where an element goes.
#pragma once

#include "picture.h"

#include <cstdint>
#include <vector>

namespace bench {

// An RGBA frame, top row first.
struct Frame {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Where a gauge draws: gauge-local pixel (x, y) lands on Pixels[(y + OriginY) * Stride + x +
// OriginX], and only inside the clip rectangle [ClipLeft, ClipRight) x [ClipTop, ClipBottom),
// which is given in the same target coordinates and lies inside the target.
struct Canvas {
    uint32_t* Pixels = nullptr;
    int Stride = 0;
    int OriginX = 0;
    int OriginY = 0;
    int ClipLeft = 0;
    int ClipTop = 0;
    int ClipRight = 0;
    int ClipBottom = 0;
};

Canvas WholeFrameCanvas(Frame& frame);

// Draws the picture's opaque runs with its top left corner at gauge-local (x, y).
// Fills the whole frame with one colour: one row by value, the rest copied from it, which the
// library copies with wide stores (a plain fill stores one pixel at a time).
void ClearFrame(Frame& frame, uint32_t colour);

void DrawPicture(const Canvas& canvas, const RgbaPicture& picture, int x, int y);

// Draws a moving image: the mask's window stands at (x, y); the strip is offset by (shiftX,
// shiftY) from the window's top left corner. Strip pixels with alpha 0 stay see-through.
void DrawMovingImage(const Canvas& canvas, const RgbaPicture& strip, const MaskPicture& mask, int x,
                     int y, int shiftX, int shiftY);

// A pixel position from a double, rounded to the nearest pixel (halves toward +infinity).
// Not-a-number gives 0; values beyond +-2^24 are held there, so nothing overflows.
int RoundToPixel(double value);

// A sliding image's position on one axis: base + scale * value, rounded.
int SlidingPosition(int base, double scale, double value);

// A moving image's strip offset on one axis. At `first` the strip's start meets the window's
// start (offset 0), at `second` its end meets the window's end (windowSize - stripSize); in
// between it moves linearly, and beyond the limits it stays at the nearer one. Equal limits, or
// a value or limit that is not a number, leave the strip at offset 0.
int MovingShift(double value, double first, double second, int windowSize, int stripSize);

// The picture index an icon shows for a callback value: the value truncated toward zero, or -1
// (draw nothing) when the value is not a number or lies outside 0 to count - 1.
int IconIndex(double value, int count);

} // namespace bench
