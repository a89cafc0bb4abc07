// The Ball and skytape pictures: the pixels that matter, and the committed files matching a fresh
// drawing byte for byte.
#include "gauge_palette.h"
#include "gauge_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using gaugepics::Black;
using gaugepics::LightGrey;
using gaugepics::NearBlack;
using gaugepics::ScaleWhite;

void ExpectColour(const Bitmap8& picture, int index, PaletteColour colour) {
    const PaletteColour& entry = picture.Palette[index];
    EXPECT_EQ(entry.Red, colour.Red) << "palette index " << index;
    EXPECT_EQ(entry.Green, colour.Green) << "palette index " << index;
    EXPECT_EQ(entry.Blue, colour.Blue) << "palette index " << index;
}

// The set of indices the picture uses.
std::set<int> IndicesOf(const Bitmap8& picture) {
    return {picture.Pixels.begin(), picture.Pixels.end()};
}

// ---------------------------------------------------------------------------------------------
// Ball
// ---------------------------------------------------------------------------------------------

TEST(BallPictures, FieldIsBlack) {
    const Bitmap8 field = gaugepics::DrawBallField();
    EXPECT_EQ(field.Width, 50);
    EXPECT_EQ(field.Height, 22);
    EXPECT_EQ(IndicesOf(field), (std::set<int>{Black}));
    ExpectColour(field, Black, {0, 0, 0});
}

TEST(BallPictures, DiscRowsAreLitOverTheirSpans) {
    const Bitmap8 ball = gaugepics::DrawBallDisc();
    ASSERT_EQ(ball.Width, 15);
    ASSERT_EQ(ball.Height, 15);
    ExpectColour(ball, LightGrey, {235, 235, 235});
    ExpectColour(ball, Black, {0, 0, 0});
    // Lit columns (first, last) for rows 2 to 12; every other row is dark.
    const std::pair<int, int> spans[] = {{5, 9},  {4, 10}, {3, 11}, {2, 12}, {2, 12}, {2, 12},
                                         {2, 12}, {2, 12}, {3, 11}, {4, 10}, {5, 9}};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            const bool inDisc =
                y >= 2 && y <= 12 && x >= spans[y - 2].first && x <= spans[y - 2].second;
            EXPECT_EQ(ball.At(x, y), inDisc ? LightGrey : Black) << "column " << x << " row " << y;
        }
}

// ---------------------------------------------------------------------------------------------
// skytape
// ---------------------------------------------------------------------------------------------

TEST(SkytapePictures, WindowIsBlack) {
    const Bitmap8 window = gaugepics::DrawTapeWindow();
    EXPECT_EQ(window.Width, 90);
    EXPECT_EQ(window.Height, 26);
    EXPECT_EQ(IndicesOf(window), (std::set<int>{Black}));
}

TEST(SkytapePictures, MaskShowsTheStripExceptTheCentreIndex) {
    const Bitmap8 mask = gaugepics::DrawTapeMask();
    ASSERT_EQ(mask.Width, 90);
    ASSERT_EQ(mask.Height, 26);
    ExpectColour(mask, NearBlack, {1, 1, 1});
    ExpectColour(mask, LightGrey, {235, 235, 235});
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 90; ++x)
            EXPECT_EQ(mask.At(x, y), x == 44 || x == 45 ? LightGrey : NearBlack)
                << "column " << x << " row " << y;
}

class HeadingScale : public testing::Test {
  protected:
    static bool Lit(int x, int y) { return scale.At(x, y) == ScaleWhite; }
    static inline const Bitmap8 scale = gaugepics::DrawHeadingScale();
};

TEST_F(HeadingScale, SizeAndColours) {
    EXPECT_EQ(scale.Width, 651);
    EXPECT_EQ(scale.Height, 26);
    ExpectColour(scale, ScaleWhite, {240, 240, 240});
    EXPECT_EQ(IndicesOf(scale), (std::set<int>{Black, ScaleWhite}));
}

// Each mark is two columns wide from its top row down to row 25, with nothing above it below
// the label rows; the columns between marks are dark below the labels.
TEST_F(HeadingScale, MarksStandEveryEightColumnsWithTheirLengths) {
    const struct {
        int Mark;
        int Left;
        int Top;
        const char* What;
    } cases[] = {
        {0, 5, 16, "340: a ten"},
        {1, 13, 20, "345: an odd five"},
        {4, 37, 18, "north, labelled"},
        {5, 45, 20, "5"},
        {6, 53, 16, "10"},
        {10, 85, 18, "30, labelled"},
        {22, 181, 18, "90, labelled"},
        {76, 613, 18, "360, labelled"},
        {79, 637, 20, "375"},
        {80, 645, 16, "380: the last mark"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(gaugepics::MarkColumn(c.Mark), c.Left);
        for (int y = 16; y < 26; ++y) {
            const bool inMark = y >= c.Top;
            EXPECT_EQ(Lit(c.Left, y), inMark) << "row " << y;
            EXPECT_EQ(Lit(c.Left + 1, y), inMark) << "row " << y;
        }
    }
    for (int x = 0; x < 651; ++x) {
        const bool markColumn = x >= 5 && x <= 646 && (x - 5) % 8 < 2;
        EXPECT_EQ(Lit(x, 25), markColumn) << "column " << x;
        for (int y = 16; y < 25; ++y) {
            if (!markColumn) {
                ASSERT_FALSE(Lit(x, y)) << "column " << x << " row " << y;
            }
        }
    }
}

// Thirteen labels, N to N every 30 degrees: on rows 2 to 15, inside a box centred on the mark
// (ten columns for one glyph, twenty-two for two), and nothing lit in the label rows elsewhere.
TEST_F(HeadingScale, LabelsStandCentredOverEveryThirtyDegrees) {
    const struct {
        const char* Text;
        int MarkLeft;
    } labels[] = {{"N", 37},   {"3", 85},   {"6", 133},  {"E", 181},  {"12", 229},
                  {"15", 277}, {"S", 325},  {"21", 373}, {"24", 421}, {"W", 469},
                  {"30", 517}, {"33", 565}, {"N", 613}};
    std::vector<bool> covered(651, false);
    for (const auto& label : labels) {
        SCOPED_TRACE(label.Text);
        const int half = std::string(label.Text).size() == 1 ? 5 : 11;
        const int middle = label.MarkLeft + 1; // between the mark's two columns
        int top = 26, bottom = -1, lit = 0;
        for (int x = middle - half; x < middle + half; ++x) {
            covered[x] = true;
            for (int y = 0; y < 16; ++y)
                if (Lit(x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    ++lit;
                }
        }
        EXPECT_EQ(top, 2);
        EXPECT_EQ(bottom, 15);
        EXPECT_GT(lit, 20);
    }
    for (int x = 0; x < 651; ++x)
        for (int y = 0; y < 16; ++y) {
            if (!covered[x]) {
                ASSERT_FALSE(Lit(x, y)) << "column " << x << " row " << y;
            }
        }
}

// A glyph with full width shows the exact centring: N spans the ten columns 33 to 42 over the
// north mark at 37-38.
TEST_F(HeadingScale, NorthLabelIsExactlyCentred) {
    int left = 651, right = -1;
    for (int x = 25; x < 55; ++x)
        for (int y = 2; y < 16; ++y)
            if (Lit(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_EQ(left, 33);
    EXPECT_EQ(right, 42);
}

// ---------------------------------------------------------------------------------------------
// The committed files
// ---------------------------------------------------------------------------------------------

std::vector<uint8_t> Bytes(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadFile(path.string(), bytes)) << path;
    return bytes;
}

TEST(CommittedPictures, MatchAFreshDrawingByteForByte) {
    const std::filesystem::path temp =
        std::filesystem::temp_directory_path() / "gaugepics-regenerate-test";
    std::filesystem::remove_all(temp);
    std::filesystem::create_directories(temp / "ball");
    std::filesystem::create_directories(temp / "skytape");
    std::string error;
    ASSERT_TRUE(
        gaugepics::WriteGaugePictures((temp / "ball").string(), (temp / "skytape").string(), error))
        << error;

    const std::filesystem::path source = GAUGE_SOURCE_ROOT;
    const struct {
        const char* Folder;
        std::span<const gaugepics::PictureFile> Files;
    } gauges[] = {{"ball", gaugepics::BallPictures()}, {"skytape", gaugepics::SkytapePictures()}};
    for (const auto& gauge : gauges)
        for (const gaugepics::PictureFile& file : gauge.Files) {
            SCOPED_TRACE(file.FileName);
            const std::vector<uint8_t> fresh = Bytes(temp / gauge.Folder / file.FileName);
            EXPECT_FALSE(fresh.empty());
            EXPECT_TRUE(fresh == Bytes(source / gauge.Folder / "pictures" / file.FileName))
                << "regenerate with: gaugepics ball/pictures skytape/pictures";
        }
    std::filesystem::remove_all(temp);
}

} // namespace
