// Drawing primitives over 8-bit palette pictures.
#include "draw.h"

#include <algorithm>
#include <cmath>

namespace {

double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((px - x0) * dx + (py - y0) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

} // namespace

void FillDisc(Bitmap8& picture, double centreX, double centreY, double radius, uint8_t ink) {
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            if (std::hypot(x + 0.5 - centreX, y + 0.5 - centreY) <= radius)
                picture.Set(x, y, ink);
}

void StrokeLine(Bitmap8& picture, double x0, double y0, double x1, double y1, double halfWidth,
                uint8_t ink) {
    const int left = static_cast<int>(std::floor(std::min(x0, x1) - halfWidth));
    const int right = static_cast<int>(std::ceil(std::max(x0, x1) + halfWidth));
    const int top = static_cast<int>(std::floor(std::min(y0, y1) - halfWidth));
    const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + halfWidth));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (DistanceToSegment(x + 0.5, y + 0.5, x0, y0, x1, y1) <= halfWidth)
                picture.Set(x, y, ink);
}

void ShadeRect(Bitmap8& picture, int x, int y, int width, int height,
               const std::function<int(double dx, double dy)>& shade) {
    const double centreX = x + width / 2.0, centreY = y + height / 2.0;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) {
            const int index = shade(column + 0.5 - centreX, row + 0.5 - centreY);
            if (index >= 0)
                picture.Set(column, row, static_cast<uint8_t>(index));
        }
}

void OutlineRect(Bitmap8& picture, int x, int y, int width, int height, uint8_t ink) {
    picture.FillRect(x, y, width, 1, ink);
    picture.FillRect(x, y + height - 1, width, 1, ink);
    picture.FillRect(x, y, 1, height, ink);
    picture.FillRect(x + width - 1, y, 1, height, ink);
}

void BevelRect(Bitmap8& picture, int x, int y, int width, int height, int depth, uint8_t light,
               uint8_t dark) {
    for (int i = 0; i < depth; ++i) {
        picture.FillRect(x + i, y + i, width - 2 * i, 1, light);
        picture.FillRect(x + i, y + i, 1, height - 2 * i, light);
        picture.FillRect(x + i, y + height - 1 - i, width - 2 * i, 1, dark);
        picture.FillRect(x + width - 1 - i, y + i, 1, height - 2 * i, dark);
    }
}

void CopyPicture(Bitmap8& target, const Bitmap8& source, int x, int y, bool blackSeeThrough) {
    for (int row = 0; row < source.Height; ++row)
        for (int column = 0; column < source.Width; ++column) {
            const uint8_t index = source.At(column, row);
            if (!(blackSeeThrough && index == 0))
                target.Set(x + column, y + row, index);
        }
}

Bitmap8 CropRows(const Bitmap8& source, int top, int height) {
    Bitmap8 part(source.Width, height);
    part.Palette = source.Palette;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < source.Width; ++column)
            part.Set(column, row, source.At(column, top + row));
    return part;
}
