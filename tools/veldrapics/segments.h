// Seven-segment digit strips, the WPT wheel strip and the segmented N/S and E/W letters.
#pragma once

#include "bitmap8.h"

constexpr int DigitFrameWidth = 24;
constexpr int DigitFrameHeight = 36;
constexpr int DigitFrames = 13; // 0 to 9, blank, L, R
constexpr int DigitBlank = 10;
constexpr int DigitL = 11;
constexpr int DigitR = 12;

constexpr int WheelFrameWidth = 12;
constexpr int WheelFrameHeight = 18;
constexpr int WheelFrames = 10;

constexpr int LetterPictureWidth = 13;
constexpr int LetterPictureHeight = 42;

// Segments a to g as bits 0 to 6: top, upper right, lower right, bottom, lower left, upper left,
// middle.
int SegmentsOfFrame(int frame);

// The display strip: frame k at y = 36k, lit segments green over the dark-blue unlit ones.
Bitmap8 DrawDigitStrip();

// The WPT thumbwheel strip: printed digits 0 to 9, frame k at y = 18k.
Bitmap8 DrawWheelStrip();

// A moving image mask: one window the size of a frame, all near-black so it shows the strip.
Bitmap8 DrawStripMask(int width, int height);

// Two segmented letters, `upper` over `lower` ('N' over 'S' or 'E' over 'W'), each lit or not.
Bitmap8 DrawLetterPair(char upper, bool upperLit, char lower, bool lowerLit);
