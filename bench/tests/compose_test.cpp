// Composition rules on small test pictures, drawn through the bench's services.
#include "test_gauge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace testing_gauge;
using bench::PackRgba;

constexpr PaletteColour Grey{90, 90, 90};
constexpr PaletteColour RedColour{220, 20, 20};
constexpr PaletteColour GreenColour{20, 220, 20};
constexpr PaletteColour BlueColour{20, 20, 220};
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

uint32_t Rgba(PaletteColour c) {
    return PackRgba(c.Red, c.Green, c.Blue);
}

// Runs one tick and returns the frame.
const bench::Frame& Tick(bench::Bench& bench) {
    std::string error;
    EXPECT_TRUE(bench.RunTicks(1, error)) << error;
    return bench.CurrentFrame();
}

std::vector<std::pair<int, int>> PixelsOf(const bench::Frame& frame, uint32_t colour) {
    std::vector<std::pair<int, int>> found;
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x)
            if (frame.At(x, y) == colour)
                found.emplace_back(x, y);
    return found;
}

TEST(Compose, PureBlackIsSeeThroughOnlyWithFlagBitZero) {
    struct Case {
        int Flags;
        bool SeeThrough;
    } cases[] = {{0, false}, {1, true}, {4, false}, {7, true}, {21, true}, {6, false}};
    for (const Case& c : cases) {
        TestGauge gauge;
        StaticImage root = MakeStatic(10, 0, 0, 0);
        StaticImage child = MakeStatic(20, 0, 0, c.Flags);
        ElementRecord* children[] = {&child.Header, nullptr};
        SetChildren(root.Header, children);
        gauge.Root = &root.Header;
        gauge.AddPicture(10, SolidPicture(2, 1, RedColour));
        Bitmap8 halfBlack = SolidPicture(2, 1, GreenColour);
        halfBlack.Set(0, 0, 0); // palette index 0 is pure black
        gauge.AddPicture(20, halfBlack);

        bench::Bench bench;
        std::string error;
        ASSERT_TRUE(gauge.AddTo(bench, 0, 0, 0, error)) << error;
        const bench::Frame& frame = Tick(bench);
        EXPECT_EQ(frame.At(0, 0), c.SeeThrough ? Rgba(RedColour) : PackRgba(0, 0, 0))
            << "flags " << c.Flags;
        EXPECT_EQ(frame.At(1, 0), Rgba(GreenColour)) << "flags " << c.Flags;
    }
}

TEST(Compose, IconShowsPicturePlusThreeKAndNothingOutsideItsRange) {
    TestGauge gauge;
    StaticImage root = MakeStatic(10, 0, 0, 0);
    Icon icon = MakeIcon(100, 1, 0, 0, 0x70, 3);
    ElementRecord* children[] = {&icon.Header, nullptr};
    SetChildren(root.Header, children);
    gauge.Root = &root.Header;
    gauge.AddPicture(10, SolidPicture(4, 1, Grey));
    gauge.AddPicture(100, SolidPicture(1, 1, RedColour));
    gauge.AddPicture(103, SolidPicture(1, 1, GreenColour));
    gauge.AddPicture(106, SolidPicture(1, 1, BlueColour));

    bench::Bench bench;
    bench.EnableTrace(true);
    std::string error;
    ASSERT_TRUE(gauge.AddTo(bench, 0, 0, 0, error)) << error;
    struct Case {
        double Value;
        PaletteColour Shown;
        const char* Trace;
    } cases[] = {
        {0, RedColour, "icon 0 picture 100"},   {1, GreenColour, "icon 1 picture 103"},
        {2, BlueColour, "icon 2 picture 106"},  {2.9, BlueColour, "icon 2.9 picture 106"},
        {3, Grey, "icon 3 picture none"},       {-1, Grey, "icon -1 picture none"},
        {-0.5, Grey, "icon -0.5 picture none"}, {NaN, Grey, "icon nan picture none"},
        {Inf, Grey, "icon inf picture none"},   {1e300, Grey, "icon 1e+300 picture none"},
    };
    for (const Case& c : cases) {
        bench.SetVariable(0x70, c.Value);
        const bench::Frame& frame = Tick(bench);
        EXPECT_EQ(frame.At(1, 0), Rgba(c.Shown)) << "value " << c.Value;
        EXPECT_EQ(frame.At(0, 0), Rgba(Grey));
        const std::vector<std::string> trace = bench.TakeTrace();
        ASSERT_EQ(trace.size(), 1u);
        EXPECT_NE(trace[0].find(std::string("element 1 ") + c.Trace), std::string::npos)
            << trace[0];
    }
}

TEST(Compose, SlidingImageMovesByScaleTimesValueRounded) {
    TestGauge gauge;
    StaticImage root = MakeStatic(10, 0, 0, 0);
    SlidingImage dot = MakeSliding(30, 2, 3, 0, 0x71, 0.5, 0x72, 2.0);
    ElementRecord* children[] = {&dot.Header, nullptr};
    SetChildren(root.Header, children);
    gauge.Root = &root.Header;
    gauge.AddPicture(10, SolidPicture(12, 12, Grey));
    gauge.AddPicture(30, SolidPicture(1, 1, RedColour));

    bench::Bench bench;
    std::string error;
    ASSERT_TRUE(gauge.AddTo(bench, 0, 0, 0, error)) << error;
    struct Case {
        double X, Y;
        int ExpectedX, ExpectedY;
    } cases[] = {
        {0, 0, 2, 3},      {4, 0, 4, 3},   {3, 0, 4, 3},   // 1.5 rounds up
        {-3, 0, 1, 3},                                     // -1.5 rounds up to -1
        {-2, 1, 1, 5},     {2.9, 2, 3, 7}, {NaN, 0, 2, 3}, // not a number: no offset
        {1e12, 0, -1, -1},                                 // far outside: clipped, no crash
        {-Inf, 0, -1, -1},
    };
    for (const Case& c : cases) {
        bench.SetVariable(0x71, c.X);
        bench.SetVariable(0x72, c.Y);
        const auto red = PixelsOf(Tick(bench), Rgba(RedColour));
        if (c.ExpectedX < 0) {
            EXPECT_TRUE(red.empty()) << "x " << c.X;
            continue;
        }
        ASSERT_EQ(red.size(), 1u) << "x " << c.X << " y " << c.Y;
        EXPECT_EQ(red[0], std::make_pair(c.ExpectedX, c.ExpectedY)) << "x " << c.X << " y " << c.Y;
    }
}

// A strip whose every pixel tells its own column and row: red 100 + 10 x column, green 100 + 10
// x row; column 6 is pure black.
Bitmap8 CodedStrip(int width, int height) {
    Bitmap8 strip(width, height);
    int index = 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, ++index) {
            strip.Palette[index] = {static_cast<uint8_t>(100 + 10 * x),
                                    static_cast<uint8_t>(100 + 10 * y), 50};
            strip.Set(x, y, x == 6 ? 0 : static_cast<uint8_t>(index));
        }
    return strip;
}

uint32_t StripPixel(int column, int row) {
    if (column == 6)
        return PackRgba(0, 0, 0);
    return PackRgba(static_cast<uint8_t>(100 + 10 * column), static_cast<uint8_t>(100 + 10 * row),
                    50);
}

// Window 4 x 4: column 0 pure black (hides), columns 1 and 2 near-black (show the strip),
// column 3 white (drawn over the strip).
Bitmap8 WindowMask() {
    Bitmap8 mask(4, 4, 1);
    mask.Palette[1] = {1, 1, 1};
    mask.Palette[2] = {255, 255, 255};
    for (int y = 0; y < 4; ++y) {
        mask.Set(0, y, 0);
        mask.Set(3, y, 2);
    }
    return mask;
}

struct MovingCase {
    double X, Y;
    double FirstY, SecondY;
    int Flags;
    int ShiftX, ShiftY; // expected strip offset in the window
};

void CheckMovingImage(const MovingCase& c) {
    TestGauge gauge;
    StaticImage root = MakeStatic(10, 0, 0, 0);
    MovingImage tape = MakeMoving(40, 0, 0, c.Flags, 0x73, 0.0, 10.0, 0x74, c.FirstY, c.SecondY);
    ElementRecord* children[] = {&tape.Header, nullptr};
    SetChildren(root.Header, children);
    gauge.Root = &root.Header;
    gauge.AddPicture(10, SolidPicture(4, 4, Grey));
    gauge.AddPicture(40, CodedStrip(8, 6));
    gauge.AddPicture(43, WindowMask());

    bench::Bench bench;
    std::string error;
    ASSERT_TRUE(gauge.AddTo(bench, 0, 0, 0, error)) << error;
    bench.SetVariable(0x73, c.X);
    bench.SetVariable(0x74, c.Y);
    const bench::Frame& frame = Tick(bench);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE("x " + std::to_string(c.X) + " y " + std::to_string(c.Y) + " row " +
                     std::to_string(row));
        EXPECT_EQ(frame.At(0, row), Rgba(Grey));              // hidden
        EXPECT_EQ(frame.At(3, row), PackRgba(255, 255, 255)); // drawn over
        for (int column = 1; column <= 2; ++column) {
            const uint32_t strip = StripPixel(column - c.ShiftX, row - c.ShiftY);
            const bool seeThrough = strip == PackRgba(0, 0, 0) && (c.Flags & 1) != 0;
            EXPECT_EQ(frame.At(column, row), seeThrough ? Rgba(Grey) : strip) << column;
        }
    }
}

TEST(Compose, MovingImageSlidesBetweenItsLimitsInsideItsMask) {
    const MovingCase cases[] = {
        {0, 0, 5, 5, 0, 0, 0},   // first limit: strip start at window start
        {10, 0, 5, 5, 0, -4, 0}, // second limit: strip end at window end
        {5, 0, 5, 5, 0, -2, 0},  // halfway
        {20, 0, 5, 5, 0, -4, 0}, // beyond a limit: held there
        {-5, 0, 5, 5, 0, 0, 0},
        {NaN, 0, 5, 5, 0, 0, 0}, // not a number: first limit
        {Inf, NaN, 5, 5, 0, -4, 0},
        {0, 100, 5, 5, 0, 0, 0}, // equal limits: the axis never moves
        {0, 1, 0, 2, 0, 0, -1},  // y halfway between 0 and 2: window 4, strip 6
        {0, 2, 0, 2, 0, 0, -2},
        {10, 0, 5, 5, 1, -4, 0}, // flag bit 0: the strip's black column 6 is see-through
        {10, 0, 5, 5, 4, -4, 0}, // without it, it is drawn black
    };
    for (const MovingCase& c : cases)
        CheckMovingImage(c);
}

TEST(Compose, GaugeDrawnWiderIsScaledWithItsAspect) {
    TestGauge gauge;
    StaticImage root = MakeStatic(10, 0, 0, 0);
    gauge.Root = &root.Header;
    Bitmap8 quarters(2, 2);
    quarters.Palette[1] = RedColour;
    quarters.Palette[2] = GreenColour;
    quarters.Palette[3] = BlueColour;
    quarters.Palette[4] = Grey;
    quarters.Set(0, 0, 1);
    quarters.Set(1, 0, 2);
    quarters.Set(0, 1, 3);
    quarters.Set(1, 1, 4);
    gauge.AddPicture(10, quarters);

    bench::Bench bench;
    std::string error;
    ASSERT_TRUE(gauge.AddTo(bench, 1, 0, 4, error)) << error;
    const bench::Frame& frame = Tick(bench);
    ASSERT_EQ(frame.Width, 5);
    ASSERT_EQ(frame.Height, 4);
    EXPECT_EQ(frame.At(0, 0), PackRgba(0, 0, 0)); // panel background left of the gauge
    EXPECT_EQ(frame.At(1, 0), Rgba(RedColour));
    EXPECT_EQ(frame.At(2, 1), Rgba(RedColour));
    EXPECT_EQ(frame.At(3, 1), Rgba(GreenColour));
    EXPECT_EQ(frame.At(2, 2), Rgba(BlueColour));
    EXPECT_EQ(frame.At(4, 3), Rgba(Grey));
}

} // namespace
