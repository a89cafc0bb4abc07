// Where the unit's parts sit on the 401 x 316 background, as the element and mouse-area tables
// place them; the artwork is drawn to match.
#pragma once

constexpr int BackgroundWidth = 401;
constexpr int BackgroundHeight = 316;

struct Box {
    int X, Y, Width, Height;
};

// Display windows (the letters and the FROM/TO digits reach a little past the printed window,
// so the painted glass covers them too).
constexpr Box LeftWindow{40, 8, 137, 50};   // x 40-174 plus the N/S letters to 176
constexpr Box RightWindow{188, 8, 179, 50}; // y 8-56 plus the E/W letters' last row, 57
constexpr Box FromToWindow{92, 84, 48, 39}; // x 94-139, y 84-121 plus the FROM digit's overhang

constexpr Box InsertButton{128, 177, 50, 40};
constexpr Box TrackChangeButton{92, 126, 50, 40};
constexpr Box HoldButton{203, 259, 46, 40};
constexpr Box AlertLamp{201, 74, 57, 40};
constexpr Box WarnButton{296, 75, 40, 40};

constexpr Box WptDigit{48, 112, 12, 18};
constexpr Box WptWheelSlot{64, 86, 15, 65};
constexpr Box DimWheelSlot{152, 86, 15, 65};

constexpr int DataKnobX = 58, DataKnobY = 230, DataKnobBox = 80;
constexpr int ModeKnobX = 52, ModeKnobY = 177, ModeKnobBox = 34;

// Index line of each knob position, degrees clockwise from straight up. The data selector runs
// from lower left (TK GS) to lower right (DSR TK STS) with WPT at the top.
constexpr double DataKnobAngles[8] = {-140, -105, -70, -35, 0, 45, 90, 135};
constexpr double ModeKnobAngles[3] = {0, -45, 45}; // MAN, AUTO, RMT

struct KeyPlace {
    Box Area;
    const char* Digit;
    const char* Letter;
};

constexpr KeyPlace Keys[] = {
    {{204, 121, 40, 40}, "1", ""},  {{257, 121, 40, 40}, "2", "N"}, {{312, 121, 40, 40}, "3", ""},
    {{204, 165, 40, 40}, "4", "W"}, {{257, 165, 40, 40}, "5", ""},  {{312, 165, 40, 40}, "6", "E"},
    {{204, 205, 40, 40}, "7", ""},  {{257, 205, 40, 40}, "8", "S"}, {{312, 205, 40, 40}, "9", ""},
    {{257, 260, 40, 40}, "0", ""},
};
constexpr Box ClearKey{312, 260, 40, 50};

// Element positions of the digits, letters and dots.
constexpr int LeftDigitX[5] = {40, 65, 90, 115, 140};
constexpr int RightDigitX[6] = {190, 215, 240, 265, 290, 315};
constexpr int DisplayDigitY = 17;
constexpr int FromDigitX = 92, ToDigitX = 115, FromToDigitY = 87;
constexpr int NorthSouthX = 164, EastWestX = 353, LettersY = 16;

struct DotPlace {
    int X, Y;
};
constexpr DotPlace Dots[8] = {{88, 11},  {159, 11}, {266, 11}, {342, 11},
                              {110, 51}, {135, 51}, {283, 51}, {310, 51}};
