// Drawing primitives over 8-bit palette pictures: discs, thick lines, bevelled boxes, copies.
#pragma once

#include "bitmap8.h"

#include <cstdint>
#include <functional>

// Pixel (x, y) covers the square from (x, y) to (x + 1, y + 1); shapes are tested at its centre.

// Fills every pixel whose centre lies within `radius` of (centreX, centreY).
void FillDisc(Bitmap8& picture, double centreX, double centreY, double radius, uint8_t ink);

// Fills every pixel whose centre lies within `halfWidth` of the segment (x0,y0)-(x1,y1).
void StrokeLine(Bitmap8& picture, double x0, double y0, double x1, double y1, double halfWidth,
                uint8_t ink);

// Paints the pixels of the box (x, y, width, height) with `shade(dx, dy)`, dx and dy the offset
// of the pixel centre from the box centre; a shade of -1 leaves the pixel as it is.
void ShadeRect(Bitmap8& picture, int x, int y, int width, int height,
               const std::function<int(double dx, double dy)>& shade);

// A one-pixel outline just inside the box.
void OutlineRect(Bitmap8& picture, int x, int y, int width, int height, uint8_t ink);

// A raised frame `depth` pixels wide inside the box: light on the top and left, dark on the
// bottom and right.
void BevelRect(Bitmap8& picture, int x, int y, int width, int height, int depth, uint8_t light,
               uint8_t dark);

// Copies `source` into `target` with its top left at (x, y); pure black (index 0) is skipped
// when `blackSeeThrough` is set, as the host draws icons.
void CopyPicture(Bitmap8& target, const Bitmap8& source, int x, int y, bool blackSeeThrough);

// The part of `source` from row `top`, `height` rows high.
Bitmap8 CropRows(const Bitmap8& source, int top, int height);
