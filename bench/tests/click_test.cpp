// Click dispatch: list order, overlapping areas, parent and end areas, unregistered lists, and
// clicks on a gauge drawn larger than its picture.
#include "test_gauge.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_gauge;

constexpr PaletteColour Grey{90, 90, 90};

// Background 40 x 20. List 1: a parent area over everything, child 1 at x 0-19 and child 2 at
// x 10-29 (they overlap at 10-19), both in the top half; its end area; then a child area past
// the end that must never be reached. List 2: child 9 over the bottom half, whose handler
// unregisters list 2.
struct ClickFixture {
    MouseArea First[5] = {
        Area(MouseAreaParent, 0, 0, 40, 20, ParentOrEndHandler),
        Area(MouseAreaChild, 0, 0, 20, 10, ChildHandler<1>),
        Area(MouseAreaChild, 10, 0, 20, 10, ChildHandler<2>),
        Area(MouseAreaEnd, 0, 0, 40, 20, ParentOrEndHandler),
        Area(MouseAreaChild, 0, 10, 40, 10, ChildHandler<3>),
    };
    MouseArea Second[3] = {
        Area(MouseAreaParent, 0, 0, 40, 20, ParentOrEndHandler),
        Area(MouseAreaChild, 0, 10, 40, 10, UnregisteringHandler),
        Area(MouseAreaEnd, 0, 0, 0, 0, nullptr),
    };
    StaticImage Root = MakeStatic(10, 0, 0, 0);
    TestGauge Gauge;

    ClickFixture() {
        Gauge.Root = &Root.Header;
        Gauge.Lists = {First, Second};
        Gauge.AddPicture(10, SolidPicture(40, 20, Grey));
    }
};

struct ClickCase {
    double X, Y;
    std::vector<int> Hits; // handlers run by this click
};

TEST(Clicks, FirstChildAreaInListOrderWinsAndParentAndEndAreasNeverRun) {
    ClickFixture fixture;
    bench::Bench bench;
    std::string error;
    ASSERT_TRUE(fixture.Gauge.AddTo(bench, 0, 0, 0, error)) << error;
    const ClickCase cases[] = {
        {5, 5, {1}},  {15, 5, {1}}, // the overlap goes to the first in the list
        {10, 0, {1}}, {25, 5, {2}}, {29.9, 9.9, {2}},
        {30, 5, {}},  {35, 2, {}}, // only the parent area covers these
        {-1, 5, {}},  {5, 25, {}}, // outside every area
        {5, 15, {9}},              // list 2; list 1's area past its end is never reached
        {5, 15, {}},               // list 2 was unregistered by that handler
    };
    for (const ClickCase& c : cases) {
        Hits.clear();
        const bool handled = bench.ClickGauge(1, c.X, c.Y);
        EXPECT_EQ(Hits, c.Hits) << "click at " << c.X << ", " << c.Y;
        EXPECT_EQ(handled, !c.Hits.empty());
    }
}

TEST(Clicks, PanelClicksAreScaledToTheDrawnSize) {
    ClickFixture fixture;
    bench::Bench bench;
    std::string error;
    ASSERT_TRUE(fixture.Gauge.AddTo(bench, 10, 20, 80, error)) << error; // drawn twice as large
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(bench.GaugeRectangle(1, x, y, width, height));
    EXPECT_EQ(width, 80);
    EXPECT_EQ(height, 40);
    struct PanelCase {
        int X, Y;
        std::vector<int> Hits;
    } cases[] = {
        {10 + 2 * 15, 20 + 2 * 5, {1}}, {10 + 2 * 25, 20 + 2 * 5, {2}},
        {10 + 59, 20 + 19, {2}},                    // picture pixel (29.75, 9.75)
        {10 + 60, 20 + 2 * 5, {}},                  // picture x 30: past area 2
        {10 + 2 * 5, 20 + 2 * 15, {9}}, {5, 5, {}}, // outside the gauge
    };
    for (const PanelCase& c : cases) {
        Hits.clear();
        bench.ClickPanel(c.X, c.Y);
        EXPECT_EQ(Hits, c.Hits) << "panel click at " << c.X << ", " << c.Y;
    }
    Hits.clear();
    EXPECT_TRUE(bench.ClickGauge(1, 15, 5)); // gauge coordinates stay picture pixels
    EXPECT_EQ(Hits, std::vector<int>{1});
}

TEST(Clicks, KilledGaugeTakesNoClicks) {
    ClickFixture fixture;
    bench::Bench bench;
    std::string error;
    ASSERT_TRUE(fixture.Gauge.AddTo(bench, 0, 0, 0, error)) << error;
    bench.Shutdown();
    Hits.clear();
    EXPECT_FALSE(bench.ClickPanel(5, 5));
    EXPECT_FALSE(bench.ClickGauge(1, 5, 5));
    EXPECT_TRUE(Hits.empty());
}

} // namespace
