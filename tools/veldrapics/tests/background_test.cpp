// The background draws each part where the element and mouse-area tables put it.
#include "picture_files.h"

#include <gtest/gtest.h>

namespace {

struct Box {
    const char* Name;
    int X, Y, Width, Height;
};

void ExpectFilled(const Bitmap8& picture, const Box& box, Rgb colour) {
    int wrong = 0;
    for (int y = box.Y; y < box.Y + box.Height; ++y)
        for (int x = box.X; x < box.X + box.Width; ++x)
            wrong += !(ColourAt(picture, x, y) == colour);
    EXPECT_EQ(wrong, 0) << box.Name;
}

TEST(Background, DisplayWindowsAreNearBlackBlueGlass) {
    const Bitmap8& background = Committed(4096);
    constexpr Box Windows[] = {{"left display", 40, 8, 135, 50},
                               {"right display", 188, 8, 179, 49},
                               {"FROM/TO", 94, 84, 46, 38}};
    for (const Box& window : Windows)
        ExpectFilled(background, window, WindowBlue);
}

TEST(Background, WptDigitSitsInASmallWhiteWindow) {
    ExpectFilled(Committed(4096), {"WPT digit window", 48, 112, 12, 18}, {244, 244, 236});
}

struct Counts {
    int PureBlack = 0;
    int Light = 0;
    int Total = 0;
};

Counts CountIn(const Bitmap8& picture, const Box& box) {
    Counts counts;
    for (int y = box.Y; y < box.Y + box.Height; ++y)
        for (int x = box.X; x < box.X + box.Width; ++x) {
            const Rgb colour = ColourAt(picture, x, y);
            counts.PureBlack += colour.IsPureBlack();
            counts.Light += colour.Brightness() > 150;
            ++counts.Total;
        }
    return counts;
}

TEST(Background, KeysAreLightSquaresWithPureBlackCaptionsInTheirMouseAreas) {
    constexpr Box Keys[] = {
        {"1", 204, 121, 40, 40},   {"2 N", 257, 121, 40, 40},   {"3", 312, 121, 40, 40},
        {"4 W", 204, 165, 40, 40}, {"5", 257, 165, 40, 40},     {"6 E", 312, 165, 40, 40},
        {"7", 204, 205, 40, 40},   {"8 S", 257, 205, 40, 40},   {"9", 312, 205, 40, 40},
        {"0", 257, 260, 40, 40},   {"CLEAR", 312, 260, 40, 50},
    };
    const Bitmap8& background = Committed(4096);
    for (const Box& key : Keys) {
        SCOPED_TRACE(key.Name);
        const Counts counts = CountIn(background, key);
        EXPECT_GT(counts.Light, counts.Total / 2) << "no light key face here";
        EXPECT_GT(counts.PureBlack, 12) << "no pure black caption";
    }
}

TEST(Background, ButtonsUnderTheirElementsHavePureBlackCaptions) {
    constexpr Box Buttons[] = {{"INSERT", 128, 177, 50, 40},
                               {"TK CHG", 92, 126, 50, 40},
                               {"HOLD", 203, 259, 46, 40},
                               {"WARN", 296, 75, 40, 40},
                               {"ALERT", 201, 74, 57, 40}};
    for (const Box& button : Buttons) {
        SCOPED_TRACE(button.Name);
        EXPECT_GT(CountIn(Committed(4096), button).PureBlack, 12);
    }
}

// A lit picture is drawn over the button the background prints: its rim must be the
// background's rim at the element position, or the lit button would jump.
TEST(Background, LitPicturesLieExactlyOverTheirButtons) {
    struct Case {
        int Lit, X, Y;
    };
    constexpr Case Cases[] = {
        {10499, 128, 177}, {12291, 92, 126}, {12803, 203, 259}, {13571, 201, 74}};
    const Bitmap8& background = Committed(4096);
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.Lit);
        const Bitmap8& lit = Committed(c.Lit);
        int differing = 0;
        for (int y = 0; y < lit.Height; ++y)
            for (int x = 0; x < lit.Width; ++x) {
                const bool rim = x < 3 || y < 3 || x >= lit.Width - 3 || y >= lit.Height - 3;
                if (rim)
                    differing += !(ColourAt(lit, x, y) == ColourAt(background, c.X + x, c.Y + y));
            }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
