// Ball.gau and skytape.gau loaded by the bench as the simulator would load them: whole frames
// against frames painted from the committed pictures, the callbacks' results in the trace, and
// clicks that find nothing to call.
#include "bench.h"
#include "bitmap8.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr int32_t SideslipVariable = 0x45;
constexpr int32_t HeadingVariable = 0x51;
constexpr uint8_t PanelColour[3] = {28, 30, 34};

Bitmap8 LoadPicture(const std::string& path) {
    std::vector<uint8_t> bytes;
    Bitmap8 picture;
    EXPECT_TRUE(ReadFile(path, bytes)) << path;
    EXPECT_TRUE(DecodeBmp(bytes.data(), bytes.size(), picture)) << path;
    return picture;
}

uint32_t Colour(const Bitmap8& picture, int x, int y) {
    const PaletteColour c = picture.Palette[picture.At(x, y)];
    return bench::PackRgba(c.Red, c.Green, c.Blue);
}

bool PureBlack(const Bitmap8& picture, int x, int y) {
    const PaletteColour c = picture.Palette[picture.At(x, y)];
    return c.Red == 0 && c.Green == 0 && c.Blue == 0;
}

// The frame the bench should show, painted here pixel by pixel from the committed pictures.
class ExpectedFrame {
  public:
    ExpectedFrame(int width, int height) : Width(width), Height(height) {
        Pixels.assign(static_cast<size_t>(width) * height,
                      bench::PackRgba(PanelColour[0], PanelColour[1], PanelColour[2]));
    }

    // Only the gauge's rectangle takes paint: a picture that slides past its edge is cut there.
    void ClipTo(int left, int top, int width, int height) {
        ClipLeft = left;
        ClipTop = top;
        ClipRight = left + width;
        ClipBottom = top + height;
    }

    void Put(int x, int y, uint32_t colour) {
        if (x >= ClipLeft && x < ClipRight && y >= ClipTop && y < ClipBottom)
            Pixels[static_cast<size_t>(y) * Width + x] = colour;
    }

    // Every element of Ball and skytape makes pure black see-through.
    void PaintSeeThroughBlack(const Bitmap8& picture, int x, int y) {
        for (int py = 0; py < picture.Height; ++py)
            for (int px = 0; px < picture.Width; ++px)
                if (!PureBlack(picture, px, py))
                    Put(x + px, y + py, Colour(picture, px, py));
    }

    // The window's mask at (x, y): pure black hides, near-black shows strip column
    // `firstColumn` + window column, any other colour is the mask's own pixel.
    void PaintWindow(const Bitmap8& strip, const Bitmap8& mask, int x, int y, int firstColumn) {
        for (int wy = 0; wy < mask.Height; ++wy)
            for (int wx = 0; wx < mask.Width; ++wx) {
                const PaletteColour m = mask.Palette[mask.At(wx, wy)];
                const bool hides = m.Red == 0 && m.Green == 0 && m.Blue == 0;
                const bool shows = m.Red <= 15 && m.Green <= 15 && m.Blue <= 15;
                if (hides)
                    continue;
                if (!shows)
                    Put(x + wx, y + wy, Colour(mask, wx, wy));
                else if (!PureBlack(strip, firstColumn + wx, wy))
                    Put(x + wx, y + wy, Colour(strip, firstColumn + wx, wy));
            }
    }

    // The first few differing pixels, or an empty text when the frames agree.
    std::string Differences(const bench::Frame& frame) const {
        if (frame.Width != Width || frame.Height != Height)
            return "frame is " + std::to_string(frame.Width) + "x" + std::to_string(frame.Height);
        std::ostringstream out;
        int count = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                const uint32_t want = Pixels[static_cast<size_t>(y) * Width + x];
                if (frame.At(x, y) == want)
                    continue;
                if (count++ < 5)
                    out << "(" << x << "," << y << ") is " << std::hex << frame.At(x, y) << " not "
                        << want << std::dec << "; ";
            }
        if (count > 0)
            out << count << " pixels differ";
        return out.str();
    }

  private:
    int Width, Height;
    int ClipLeft = 0, ClipTop = 0, ClipRight = 0, ClipBottom = 0;
    std::vector<uint32_t> Pixels;
};

// A bench showing one module at (Left, Top) on a panel of its own colour, so that see-through
// pixels are told from black ones.
class ModuleOnPanel : public ::testing::Test {
  protected:
    static constexpr int Left = 4;
    static constexpr int Top = 3;
    static constexpr int PanelWidth = 100;
    static constexpr int PanelHeight = 32;

    void Load(const char* modulePath) {
        bench::PanelDescription panel;
        panel.Width = PanelWidth;
        panel.Height = PanelHeight;
        std::copy(std::begin(PanelColour), std::end(PanelColour), panel.Background);
        panel.Gauges.push_back({modulePath, Left, Top, 0, 1});
        std::string error;
        ASSERT_TRUE(Bench.LoadPanel(panel, error)) << error;
    }

    const bench::Frame& Tick() {
        std::string error;
        EXPECT_TRUE(Bench.RunTicks(1, error)) << error;
        return Bench.CurrentFrame();
    }

    // The one trace line of the tick just run.
    std::string TickTrace() {
        const std::vector<std::string> lines = Bench.TakeTrace();
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? std::string() : lines[0];
    }

    // Every pixel of the gauge and a ring around it, as panel clicks and as gauge clicks.
    void ExpectNoClickCallsTheModule(int width, int height) {
        for (int y = Top - 2; y < Top + height + 2; ++y)
            for (int x = Left - 2; x < Left + width + 2; ++x)
                EXPECT_FALSE(Bench.ClickPanel(x, y)) << "panel pixel " << x << "," << y;
        for (double y = -1.0; y <= height + 1.0; y += 0.5)
            for (double x = -1.0; x <= width + 1.0; x += 0.5)
                EXPECT_FALSE(Bench.ClickGauge(1, x, y)) << "gauge pixel " << x << "," << y;
    }

    bench::Bench Bench;
};

// ---------------------------------------------------------------------------------------------
// Ball
// ---------------------------------------------------------------------------------------------

class BallModule : public ModuleOnPanel {
  protected:
    BallModule() { Load(BALL_MODULE); }

    const Bitmap8 Field = LoadPicture(BALL_PICTURES "/4096_field.bmp");
    const Bitmap8 Disc = LoadPicture(BALL_PICTURES "/4352_ball.bmp");

    ExpectedFrame BallAt(int x) const {
        ExpectedFrame expected(PanelWidth, PanelHeight);
        expected.ClipTo(Left, Top, Field.Width, Field.Height);
        expected.PaintSeeThroughBlack(Field, Left, Top);
        expected.PaintSeeThroughBlack(Disc, Left + x, Top + 5);
        return expected;
    }
};

TEST_F(BallModule, DiscSlidesOnePixelPerFiveUnitsAndIsCutAtTheFieldsEdges) {
    struct Case {
        double Value;
        int X; // the disc picture's left edge in the field
    } cases[] = {
        {0, 17},    {10, 19},    {-10, 15}, {2.5, 18}, {-2.5, 17},
        {-7.5, 16}, {85, 34},    {-85, 0},  {100, 37}, {-100, -3},
        {200, 57},  {-200, -23}, {NaN, 17}, {Inf, 67}, {-Inf, -33},
    };
    for (const Case& c : cases) {
        Bench.SetVariable(SideslipVariable, c.Value);
        const bench::Frame& frame = Tick();
        // Infinity is held at the bench's limit, far outside the field: nothing of it shows.
        const int x = std::isinf(c.Value) ? 1 << 24 : c.X;
        EXPECT_EQ(BallAt(x).Differences(frame), "") << "value " << c.Value;
    }
}

TEST_F(BallModule, TraceShowsTheValuePassedThroughAndWhereTheDiscWent) {
    Bench.EnableTrace(true);
    struct Case {
        double Value;
        const char* Line;
    } cases[] = {
        {0, "sliding x 0 y 0 at 17 5"},
        {10, "sliding x 10 y 0 at 19 5"},
        {-10, "sliding x -10 y 0 at 15 5"},
        {0.3, "sliding x 0.3 y 0 at 17 5"},
        {-47.5, "sliding x -47.5 y 0 at 8 5"},
        {NaN, "sliding x nan y 0 at 17 5"},
        {1e300, "sliding x 1e+300 y 0 at 16777233 5"},
    };
    for (const Case& c : cases) {
        Bench.SetVariable(SideslipVariable, c.Value);
        const std::string tick = "tick " + std::to_string(Bench.Tick()) + " ";
        Tick();
        EXPECT_EQ(TickTrace(), tick + "gauge 1 element 1 " + c.Line);
    }
}

TEST_F(BallModule, ClicksAnywhereCallNothing) {
    Tick();
    ExpectNoClickCallsTheModule(Field.Width, Field.Height);
}

// ---------------------------------------------------------------------------------------------
// skytape
// ---------------------------------------------------------------------------------------------

class SkytapeModule : public ModuleOnPanel {
  protected:
    SkytapeModule() { Load(SKYTAPE_MODULE); }

    const Bitmap8 Window = LoadPicture(SKYTAPE_PICTURES "/4096_window.bmp");
    const Bitmap8 Strip = LoadPicture(SKYTAPE_PICTURES "/8192_scale.bmp");
    const Bitmap8 Mask = LoadPicture(SKYTAPE_PICTURES "/8195_mask.bmp");

    ExpectedFrame WindowShowing(int firstColumn) const {
        ExpectedFrame expected(PanelWidth, PanelHeight);
        expected.ClipTo(Left, Top, Window.Width, Window.Height);
        expected.PaintSeeThroughBlack(Window, Left, Top);
        expected.PaintWindow(Strip, Mask, Left, Top, firstColumn);
        return expected;
    }
};

TEST_F(SkytapeModule, WindowShowsTheStripColumnsOfTheHeading) {
    const int lastStart = Strip.Width - Window.Width; // 561: the strip's right end
    struct Case {
        double Heading;
        int FirstColumn;
    } cases[] = {
        {0, 0},           {90, 140},         {180, 280},          {360, lastStart},
        {NaN, lastStart}, {-0.5, lastStart}, {360.5, lastStart},  {-Inf, lastStart},
        {Inf, lastStart}, {1e-9, 0},         {359.99, lastStart},
    };
    for (const Case& c : cases) {
        Bench.SetVariable(HeadingVariable, c.Heading);
        const bench::Frame& frame = Tick();
        EXPECT_EQ(WindowShowing(c.FirstColumn).Differences(frame), "") << "heading " << c.Heading;
    }
}

TEST_F(SkytapeModule, CentreIndexStandsOverTheSouthMarkAtHeading180) {
    // Marks are two columns wide at 5 + 8k, k = 0 at 340 degrees: 180 degrees is k = 40.
    const int southMark = 5 + 8 * 40;
    const int bottomRow = Strip.Height - 1;
    ASSERT_FALSE(PureBlack(Strip, southMark, bottomRow));
    ASSERT_FALSE(PureBlack(Strip, southMark + 1, bottomRow));
    ASSERT_TRUE(PureBlack(Strip, southMark - 1, bottomRow));

    Bench.SetVariable(HeadingVariable, 180.0);
    const bench::Frame& frame = Tick();
    // The index covers window columns 44 and 45; the mark's columns come out beside its middle.
    const uint32_t index = Colour(Mask, 44, bottomRow);
    const uint32_t mark = Colour(Strip, southMark, bottomRow);
    const uint32_t panel = bench::PackRgba(PanelColour[0], PanelColour[1], PanelColour[2]);
    EXPECT_EQ(frame.At(Left + 44, Top + bottomRow), index);
    EXPECT_EQ(frame.At(Left + 45, Top + bottomRow), index);
    EXPECT_EQ(frame.At(Left + 46, Top + bottomRow), mark);
    EXPECT_EQ(frame.At(Left + 43, Top + bottomRow), panel);
    EXPECT_EQ(frame.At(Left + 47, Top + bottomRow), panel);
}

TEST_F(SkytapeModule, TraceShowsTheTapeCallbacksResults) {
    Bench.EnableTrace(true);
    struct Case {
        double Heading;
        const char* Line;
    } cases[] = {
        {0, "moving x 360 y 0 shift 0 0"},      {90, "moving x 270 y 0 shift -140 0"},
        {360, "moving x 0 y 0 shift -561 0"},   {-0.5, "moving x 0 y 0 shift -561 0"},
        {360.5, "moving x 0 y 0 shift -561 0"}, {NaN, "moving x 0 y 0 shift -561 0"},
        {180, "moving x 180 y 0 shift -280 0"}, {0.25, "moving x 359.75 y 0 shift 0 0"},
    };
    for (const Case& c : cases) {
        Bench.SetVariable(HeadingVariable, c.Heading);
        const std::string tick = "tick " + std::to_string(Bench.Tick()) + " ";
        Tick();
        EXPECT_EQ(TickTrace(), tick + "gauge 1 element 1 " + c.Line) << "heading " << c.Heading;
    }
}

TEST_F(SkytapeModule, ClicksAnywhereCallNothing) {
    Tick();
    ExpectNoClickCallsTheModule(Window.Width, Window.Height);
}

} // namespace
