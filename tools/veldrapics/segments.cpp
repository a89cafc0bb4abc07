// Seven-segment digit strips, the WPT wheel strip and the segmented letters.
#include "segments.h"

#include "draw.h"
#include "font.h"
#include "palette.h"

#include <cmath>
#include <vector>

namespace {

// One segment as an elongated hexagon: centre, half thickness across, half length along.
struct Segment {
    double CentreX, CentreY;
    bool Vertical;
};

constexpr double HalfThickness = 2.0;
constexpr double HorizontalReach = 7.0; // |along| + |across| limit
constexpr double VerticalReach = 6.5;

constexpr Segment Segments[7] = {
    {12, 4, false},  // a top
    {20, 11, true},  // b upper right
    {20, 25, true},  // c lower right
    {12, 32, false}, // d bottom
    {4, 25, true},   // e lower left
    {4, 11, true},   // f upper left
    {12, 18, false}, // g middle
};

bool Covers(const Segment& segment, double x, double y) {
    const double dx = std::fabs(x - segment.CentreX), dy = std::fabs(y - segment.CentreY);
    const double across = segment.Vertical ? dx : dy;
    const double reach = segment.Vertical ? VerticalReach : HorizontalReach;
    return across <= HalfThickness && dx + dy <= reach;
}

// Which segment, if any, covers the frame pixel (x, y); -1 for none.
int SegmentAt(int x, int y) {
    for (int s = 0; s < 7; ++s)
        if (Covers(Segments[s], x + 0.5, y + 0.5))
            return s;
    return -1;
}

// Lit segments get a deeper rim where they meet the window, so they read as glowing bars.
void DrawDigitFrame(Bitmap8& strip, int top, int segments) {
    for (int y = 0; y < DigitFrameHeight; ++y)
        for (int x = 0; x < DigitFrameWidth; ++x) {
            const int s = SegmentAt(x, y);
            if (s < 0)
                continue;
            if (!(segments & (1 << s))) {
                strip.Set(x, top + y, ink::SegmentOff);
                continue;
            }
            const bool rim = SegmentAt(x - 1, y) != s || SegmentAt(x + 1, y) != s ||
                             SegmentAt(x, y - 1) != s || SegmentAt(x, y + 1) != s;
            strip.Set(x, top + y, rim ? ink::SegmentEdge : ink::SegmentOn);
        }
}

struct Stroke {
    double X0, Y0, X1, Y1;
};

// Strokes of each letter in an 11 x 18 cell; seven-segment in spirit, with diagonals for N, W.
std::vector<Stroke> LetterStrokes(char letter) {
    switch (letter) {
    case 'N':
        return {{2, 2, 2, 18}, {10, 2, 10, 18}, {2, 3, 10, 17}};
    case 'S':
        return {{3.5, 2, 10, 2},
                {2, 3.5, 2, 8.5},
                {3.5, 10, 8.5, 10},
                {10, 11.5, 10, 16.5},
                {2, 18, 8.5, 18}};
    case 'E':
        return {{2, 2, 2, 18}, {3.5, 2, 10, 2}, {3.5, 10, 8.5, 10}, {3.5, 18, 10, 18}};
    case 'W':
        return {{2, 2, 2, 18}, {10, 2, 10, 18}, {2, 17, 6, 10}, {6, 10, 10, 17}};
    default:
        return {};
    }
}

void DrawLetter(Bitmap8& picture, int top, char letter, bool lit) {
    for (const Stroke& stroke : LetterStrokes(letter))
        StrokeLine(picture, stroke.X0 + 1, top + stroke.Y0 + 1, stroke.X1 + 1, top + stroke.Y1 + 1,
                   1.0, lit ? ink::SegmentOn : ink::SegmentOff);
}

} // namespace

int SegmentsOfFrame(int frame) {
    constexpr int Patterns[DigitFrames] = {
        0b0111111, // 0: a b c d e f
        0b0000110, // 1: b c
        0b1011011, // 2: a b d e g
        0b1001111, // 3: a b c d g
        0b1100110, // 4: b c f g
        0b1101101, // 5: a c d f g
        0b1111101, // 6: a c d e f g
        0b0000111, // 7: a b c
        0b1111111, // 8
        0b1101111, // 9: a b c d f g
        0b0000000, // blank
        0b0111000, // L: d e f
        0b1110111, // R: all but d
    };
    return frame >= 0 && frame < DigitFrames ? Patterns[frame] : 0;
}

Bitmap8 DrawDigitStrip() {
    Bitmap8 strip = MakePicture(DigitFrameWidth, DigitFrameHeight * DigitFrames, ink::Window);
    for (int frame = 0; frame < DigitFrames; ++frame)
        DrawDigitFrame(strip, frame * DigitFrameHeight, SegmentsOfFrame(frame));
    return strip;
}

Bitmap8 DrawWheelStrip() {
    Bitmap8 strip = MakePicture(WheelFrameWidth, WheelFrameHeight * WheelFrames, ink::Paper);
    for (int frame = 0; frame < WheelFrames; ++frame) {
        const char digit[2] = {static_cast<char>('0' + frame), 0};
        DrawText(strip, 1, frame * WheelFrameHeight + 2, digit, ink::PaperInk, 2);
    }
    return strip;
}

Bitmap8 DrawStripMask(int width, int height) {
    return MakePicture(width, height, ink::MaskShow);
}

Bitmap8 DrawLetterPair(char upper, bool upperLit, char lower, bool lowerLit) {
    Bitmap8 picture = MakePicture(LetterPictureWidth, LetterPictureHeight, ink::Window);
    DrawLetter(picture, 1, upper, upperLit);
    DrawLetter(picture, 21, lower, lowerLit);
    return picture;
}
