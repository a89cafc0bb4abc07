// What the element tables rely on in each picture: sizes, strip frames, masks, the dark and lit
// forms, the knob pointers and the letters.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

struct Size {
    int Number, Width, Height;
};

constexpr Size Sizes[] = {
    {4096, 401, 316}, {5632, 24, 468}, {8960, 24, 468}, {9216, 24, 468}, {5635, 24, 36},
    {8963, 24, 36},   {9219, 24, 36},  {8704, 12, 180}, {8707, 12, 18},  {9472, 80, 80},
    {9475, 79, 79},   {9478, 79, 79},  {9481, 80, 80},  {9484, 79, 79},  {9487, 80, 80},
    {9490, 80, 80},   {9493, 79, 79},  {9728, 34, 34},  {9731, 34, 34},  {9734, 34, 34},
    {9984, 13, 42},   {9987, 13, 42},  {9990, 13, 42},  {10240, 13, 42}, {10243, 13, 42},
    {10246, 13, 42},  {10496, 50, 40}, {10499, 50, 40}, {12288, 50, 40}, {12291, 50, 40},
    {12800, 46, 40},  {12803, 46, 40}, {13056, 5, 5},   {13059, 5, 5},   {13568, 57, 40},
    {13571, 57, 40},
};

bool SamePalette(const Bitmap8& a, const Bitmap8& b) {
    for (int i = 0; i < 256; ++i)
        if (a.Palette[i].Red != b.Palette[i].Red || a.Palette[i].Green != b.Palette[i].Green ||
            a.Palette[i].Blue != b.Palette[i].Blue)
            return false;
    return true;
}

TEST(Pictures, HaveTheSizesOfTheTableAndOnePalette) {
    const Bitmap8& background = Committed(4096);
    for (const Size& size : Sizes) {
        SCOPED_TRACE(size.Number);
        const Bitmap8& picture = Committed(size.Number);
        EXPECT_EQ(picture.Width, size.Width);
        EXPECT_EQ(picture.Height, size.Height);
        EXPECT_TRUE(SamePalette(picture, background));
    }
    // Only index 0 may be pure black, or a visible shade would turn see-through.
    int pureBlackEntries = 0;
    for (const PaletteColour& colour : background.Palette)
        pureBlackEntries += colour.Red == 0 && colour.Green == 0 && colour.Blue == 0;
    EXPECT_EQ(pureBlackEntries, 1);
    EXPECT_EQ(background.Palette[0].Red + background.Palette[0].Green + background.Palette[0].Blue,
              0);
}

// Sample points at the middle of each segment of a 24 x 36 frame, a to g.
struct Point {
    int X, Y;
};
constexpr Point SegmentMiddles[7] = {{12, 4}, {20, 11}, {20, 25}, {12, 32},
                                     {4, 25}, {4, 11},  {12, 18}};
constexpr const char* FrameSegments[13] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                           "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg",
                                           "",       "def",    "abcefg"};

TEST(DigitStrips, FrameKAtYEquals36KLightsItsSegments) {
    for (int strip : {5632, 8960, 9216}) {
        const Bitmap8& picture = Committed(strip);
        for (int frame = 0; frame < 13; ++frame)
            for (int s = 0; s < 7; ++s) {
                const std::string lit = FrameSegments[frame];
                const bool expectLit = lit.find(static_cast<char>('a' + s)) != std::string::npos;
                const Rgb colour =
                    ColourAt(picture, SegmentMiddles[s].X, 36 * frame + SegmentMiddles[s].Y);
                SCOPED_TRACE("strip " + std::to_string(strip) + " frame " + std::to_string(frame) +
                             " segment " + char('a' + s));
                EXPECT_EQ(IsGreen(colour), expectLit);
                if (!expectLit) { // unlit segments stay visible as dark blue
                    EXPECT_TRUE(colour.Blue > colour.Red && colour.Blue > 20 && colour.Blue < 100);
                }
            }
        // Between the segments the strip is the glass colour of the windows.
        EXPECT_EQ(ColourAt(picture, 12, 11), WindowBlue);
        EXPECT_EQ(ColourAt(picture, 12, 36 * 12 + 25), WindowBlue);
    }
}

TEST(DigitStrips, ThreeCopiesAreIdentical) {
    EXPECT_TRUE(Committed(5632).Pixels == Committed(8960).Pixels);
    EXPECT_TRUE(Committed(5632).Pixels == Committed(9216).Pixels);
}

TEST(WptWheelStrip, TenDistinctDarkDigitsOnWhite) {
    const Bitmap8& strip = Committed(8704);
    std::vector<std::vector<uint8_t>> frames;
    for (int frame = 0; frame < 10; ++frame) {
        SCOPED_TRACE(frame);
        std::vector<uint8_t> pixels;
        int ink = 0;
        for (int y = 18 * frame; y < 18 * frame + 18; ++y)
            for (int x = 0; x < 12; ++x) {
                pixels.push_back(strip.At(x, y));
                ink += ColourAt(strip, x, y).Brightness() < 60;
            }
        EXPECT_GT(ColourAt(strip, 0, 18 * frame).Brightness(), 200); // white wheel face
        EXPECT_GT(ColourAt(strip, 11, 18 * frame + 17).Brightness(), 200);
        EXPECT_GT(ink, 10);
        for (const auto& earlier : frames)
            EXPECT_NE(pixels, earlier) << "two frames alike";
        frames.push_back(pixels);
    }
}

TEST(StripMasks, AreOneSolidNearBlackWindowThatShowsTheStrip) {
    for (int mask : {5635, 8963, 9219, 8707}) {
        SCOPED_TRACE(mask);
        const Bitmap8& picture = Committed(mask);
        ASSERT_FALSE(picture.Pixels.empty());
        const Rgb first = ColourAt(picture, 0, 0);
        EXPECT_FALSE(first.IsPureBlack()) << "pure black would hide the strip";
        EXPECT_LE(std::max({first.Red, first.Green, first.Blue}), 8);
        for (int y = 0; y < picture.Height; ++y)
            for (int x = 0; x < picture.Width; ++x)
                ASSERT_EQ(ColourAt(picture, x, y), first) << x << "," << y;
    }
}

int CountPureBlack(const Bitmap8& picture) {
    int count = 0;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            count += ColourAt(picture, x, y).IsPureBlack();
    return count;
}

TEST(ButtonsLampsAndDots, DarkPicturesAreEntirelySeeThrough) {
    for (int dark : {10496, 12288, 12800, 13056, 13568}) {
        SCOPED_TRACE(dark);
        const Bitmap8& picture = Committed(dark);
        ASSERT_FALSE(picture.Pixels.empty());
        EXPECT_EQ(CountPureBlack(picture), picture.Width * picture.Height);
    }
}

TEST(ButtonsLampsAndDots, LitPicturesCoverTheirControlWithABrightFace) {
    for (int lit : {10499, 12291, 12803, 13571}) {
        SCOPED_TRACE(lit);
        const Bitmap8& picture = Committed(lit);
        ASSERT_FALSE(picture.Pixels.empty());
        // Not one see-through pixel: the dark caption must show on the lit face too.
        EXPECT_EQ(CountPureBlack(picture), 0);
        const Rgb face = ColourAt(picture, picture.Width / 2, 6);
        EXPECT_GT(std::max({face.Red, face.Green, face.Blue}), 200) << "face not bright";
        int caption = 0;
        for (int x = 0; x < picture.Width; ++x)
            caption += ColourAt(picture, x, picture.Height / 2).Brightness() < 60;
        EXPECT_GT(caption, 4) << "no dark caption across the middle";
    }
    const Bitmap8& dot = Committed(13059);
    EXPECT_EQ(CountPureBlack(dot), 4);
    for (Point corner : {Point{0, 0}, Point{4, 0}, Point{0, 4}, Point{4, 4}})
        EXPECT_TRUE(ColourAt(dot, corner.X, corner.Y).IsPureBlack());
    EXPECT_TRUE(IsGreen(ColourAt(dot, 2, 2)));
}

// Direction of a knob's white index line, degrees clockwise from straight up.
double PointerAngle(const Bitmap8& knob, double centre) {
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < knob.Height; ++y)
        for (int x = 0; x < knob.Width; ++x) {
            const Rgb colour = ColourAt(knob, x, y);
            if (std::min({colour.Red, colour.Green, colour.Blue}) > 200) {
                sumX += x + 0.5 - centre, sumY += y + 0.5 - centre, ++count;
            }
        }
    EXPECT_GT(count, 10) << "no index line";
    return std::atan2(sumX, -sumY) * 180 / std::numbers::pi;
}

void ExpectRoundOnSeeThroughCorners(const Bitmap8& knob) {
    ASSERT_FALSE(knob.Pixels.empty());
    const int w = knob.Width, h = knob.Height;
    for (Point corner : {Point{0, 0}, Point{w - 1, 0}, Point{0, h - 1}, Point{w - 1, h - 1},
                         Point{3, 3}, Point{w - 4, 3}, Point{3, h - 4}, Point{w - 4, h - 4}})
        EXPECT_TRUE(ColourAt(knob, corner.X, corner.Y).IsPureBlack())
            << corner.X << "," << corner.Y;
    EXPECT_FALSE(ColourAt(knob, w / 2, h / 2 + 3).IsPureBlack());
}

TEST(Knobs, DataSelectorPointsClockwiseFromLowerLeftOverTheTopToLowerRight) {
    double previous = -180;
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE("position " + std::to_string(k));
        const Bitmap8& knob = Committed(9472 + 3 * k);
        ExpectRoundOnSeeThroughCorners(knob);
        const double angle = PointerAngle(knob, 40);
        EXPECT_GT(angle, previous + 20) << "not clockwise";
        previous = angle;
        if (k == 0) {
            EXPECT_TRUE(angle < -95 && angle > -175) << angle; // lower left
        }
        if (k == 4) {
            EXPECT_NEAR(angle, 0, 8); // WPT at the top
        }
        if (k == 7) {
            EXPECT_TRUE(angle > 95 && angle < 175) << angle; // lower right
        }
    }
}

TEST(Knobs, ModeSelectorPointsUpUpLeftAndUpRight) {
    constexpr double Expected[3] = {0, -45, 45};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE("position " + std::to_string(k));
        const Bitmap8& knob = Committed(9728 + 3 * k);
        ExpectRoundOnSeeThroughCorners(knob);
        EXPECT_NEAR(PointerAngle(knob, 17), Expected[k], 10);
    }
}

int CountGreen(const Bitmap8& picture, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture.Width; ++x)
            count += IsGreen(ColourAt(picture, x, y));
    return count;
}

TEST(Letters, PicturesLightTheUpperTheLowerOrNeitherLetter) {
    struct Case {
        int Number;
        bool UpperLit, LowerLit;
    };
    constexpr Case Cases[] = {{9984, false, true},  {9987, true, false},  {9990, false, false},
                              {10240, false, true}, {10243, true, false}, {10246, false, false}};
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.Number);
        const Bitmap8& picture = Committed(c.Number);
        EXPECT_EQ(CountGreen(picture, 0, 21) > 20, c.UpperLit);
        EXPECT_EQ(CountGreen(picture, 21, 42) > 20, c.LowerLit);
        EXPECT_EQ(CountGreen(picture, 0, 21) == 0, !c.UpperLit);
        EXPECT_EQ(CountGreen(picture, 21, 42) == 0, !c.LowerLit);
        // Drawn whole on the glass colour, never see-through.
        EXPECT_EQ(CountPureBlack(picture), 0);
        EXPECT_EQ(ColourAt(picture, 6, 0), WindowBlue);
    }
    EXPECT_TRUE(Committed(10246).Pixels == Committed(9990).Pixels);
    EXPECT_FALSE(Committed(10240).Pixels == Committed(9984).Pixels) << "E/W drawn as N/S";
}

} // namespace
