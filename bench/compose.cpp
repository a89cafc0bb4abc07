// Composition of pictures and moving images into a canvas, and element placement rules.
#include "compose.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace bench {

void ClearFrame(Frame& frame, uint32_t colour) {
    if (frame.Width <= 0 || frame.Height <= 0)
        return;
    const size_t width = static_cast<size_t>(frame.Width);
    if (frame.Pixels.size() < width * static_cast<size_t>(frame.Height))
        return;
    uint32_t* first = frame.Pixels.data();
    std::fill(first, first + width, colour);
    for (size_t row = 1; row < static_cast<size_t>(frame.Height); ++row)
        std::memcpy(first + row * width, first, width * sizeof(uint32_t));
}

Canvas WholeFrameCanvas(Frame& frame) {
    return {frame.Pixels.data(), frame.Width, 0, 0, 0, 0, frame.Width, frame.Height};
}

void DrawPicture(const Canvas& canvas, const RgbaPicture& picture, int x, int y) {
    const int left = x + canvas.OriginX;
    const int top = y + canvas.OriginY;
    const int firstRow = std::max(0, canvas.ClipTop - top);
    const int endRow = std::min(picture.Height, canvas.ClipBottom - top);
    for (int row = firstRow; row < endRow; ++row) {
        uint32_t* target = canvas.Pixels + static_cast<size_t>(top + row) * canvas.Stride;
        const uint32_t* source = picture.Row(row);
        for (uint32_t r = picture.RowRuns[row]; r < picture.RowRuns[row + 1]; ++r) {
            const Run run = picture.Runs[r];
            const int start = std::max(run.Start, canvas.ClipLeft - left);
            const int end = std::min(run.Start + run.Length, canvas.ClipRight - left);
            if (start < end)
                std::memcpy(target + left + start, source + start,
                            static_cast<size_t>(end - start) * sizeof(uint32_t));
        }
    }
}

namespace {

// Copies strip pixels into one stretch of the window, skipping see-through ones.
void ShowStrip(uint32_t* target, const uint32_t* stripRow, int start, int end) {
    for (int c = start; c < end; ++c) {
        const uint32_t pixel = stripRow[c];
        if (Alpha(pixel) != 0)
            target[c] = pixel;
    }
}

} // namespace

void DrawMovingImage(const Canvas& canvas, const RgbaPicture& strip, const MaskPicture& mask, int x,
                     int y, int shiftX, int shiftY) {
    const int left = x + canvas.OriginX;
    const int top = y + canvas.OriginY;
    const int firstRow = std::max(0, canvas.ClipTop - top);
    const int endRow = std::min(mask.Height, canvas.ClipBottom - top);
    // Window columns that the strip covers: [shiftX, shiftX + strip.Width).
    const int coverLeft = shiftX;
    const int coverRight = shiftX + strip.Width;
    for (int row = firstRow; row < endRow; ++row) {
        uint32_t* target = canvas.Pixels + static_cast<size_t>(top + row) * canvas.Stride + left;
        const int stripRowIndex = row - shiftY;
        const bool stripHasRow = stripRowIndex >= 0 && stripRowIndex < strip.Height;
        // Points at the strip pixel under window column 0 of this row; only indexed inside
        // [coverLeft, coverRight), where it is within the strip's row.
        const uint32_t* stripRow = stripHasRow ? strip.Row(stripRowIndex) : nullptr;
        for (uint32_t r = mask.RowRuns[row]; r < mask.RowRuns[row + 1]; ++r) {
            const MaskRun run = mask.Runs[r];
            int start = std::max(run.Start, canvas.ClipLeft - left);
            int end = std::min(run.Start + run.Length, canvas.ClipRight - left);
            if (run.Action == MaskAction::DrawOver) {
                if (start < end)
                    std::memcpy(target + start, mask.Row(row) + start,
                                static_cast<size_t>(end - start) * sizeof(uint32_t));
                continue;
            }
            if (stripRow == nullptr)
                continue;
            start = std::max(start, coverLeft);
            end = std::min(end, coverRight);
            if (start < end)
                ShowStrip(target + start, stripRow + (start - shiftX), 0, end - start);
        }
    }
}

int RoundToPixel(double value) {
    constexpr double Limit = 16777216.0; // 2^24
    if (std::isnan(value))
        return 0;
    value = std::clamp(value, -Limit, Limit);
    return static_cast<int>(std::floor(value + 0.5));
}

int SlidingPosition(int base, double scale, double value) {
    const double offset = scale * value;
    return base + RoundToPixel(std::isnan(offset) ? 0.0 : offset);
}

int MovingShift(double value, double first, double second, int windowSize, int stripSize) {
    const double span = second - first;
    if (!(span != 0.0) || !std::isfinite(span))
        return 0;
    double fraction = (value - first) / span;
    if (std::isnan(fraction))
        return 0;
    fraction = std::clamp(fraction, 0.0, 1.0);
    return RoundToPixel(fraction * (windowSize - stripSize));
}

int IconIndex(double value, int count) {
    if (!(value >= 0.0) || !(value < static_cast<double>(count)))
        return -1;
    return static_cast<int>(value); // truncates toward zero
}

} // namespace bench
