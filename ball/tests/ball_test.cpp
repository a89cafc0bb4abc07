// The Ball gauge: its static tables, the host services each routine calls, and the ball callback.
#include "ball_gauge.h"
#include "host_calls.h"
#include "panel_checks.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

extern "C" LinkageRecord Linkage;

namespace {

// Packed fields are copied before they are compared; a reference to one may be misaligned.
template <typename T> T Copy(T value) {
    return value;
}

uintptr_t Address(const void* p) {
    return reinterpret_cast<uintptr_t>(p);
}

constexpr int32_t QueryResult = 1234;

class BallRoutines : public testing::Test {
  protected:
    BallRoutines() { Host.QueryResult = QueryResult; }
    ~BallRoutines() override { ball::Field.LoadedPicture = nullptr; }
    RecordingHost Host; // installs itself in ImportTable while alive
};

const uintptr_t Root = Address(&ball::Field.Header);
const uintptr_t Areas = Address(ball::MouseAreas);
const uintptr_t Header = Address(&ball::Gauge);

// ---------------------------------------------------------------------------------------------
// Exported records and the gauge header
// ---------------------------------------------------------------------------------------------

TEST(BallTables, LinkageNamesTheOneGauge) {
    ExpectLinkageOfOneGauge(Linkage, ball::ModuleInit, ball::ModuleDeinit, &ball::Gauge);
}

TEST(BallTables, ImportTableWaitsForTheHost) {
    ExpectImportTableUnfilled(ImportTable);
}

TEST(BallTables, GaugeHeaderNamesPlumblineAndItsRoutines) {
    const GaugeHeader& gauge = ball::Gauge;
    ExpectGaugeHeaderWords(gauge, "Plumbline", ball::Elements, &ball::Field.Header, 50);
    EXPECT_EQ(Copy(gauge.Query), ball::Query);
    EXPECT_EQ(Copy(gauge.Install), ball::Install);
    EXPECT_EQ(Copy(gauge.Initialize), ball::Initialize);
    EXPECT_EQ(Copy(gauge.Update), ball::Update);
    EXPECT_EQ(Copy(gauge.Generate), ball::Generate);
    EXPECT_EQ(Copy(gauge.Draw), ball::Draw);
    EXPECT_EQ(Copy(gauge.Kill), ball::Kill);
}

// ---------------------------------------------------------------------------------------------
// The element tree
// ---------------------------------------------------------------------------------------------

// (condition, reaction) pairs up to condition 0; an empty vector for no list.
std::vector<int32_t> ConditionPairs(const int32_t* list) {
    std::vector<int32_t> pairs;
    for (; list != nullptr && list[0] != 0; list += 2) {
        pairs.push_back(list[0]);
        pairs.push_back(list[1]);
    }
    return pairs;
}

std::vector<ElementRecord*> ChildList(ElementRecord** children) {
    std::vector<ElementRecord*> list;
    for (; children != nullptr && *children != nullptr; ++children)
        list.push_back(*children);
    return list;
}

struct ElementCase {
    const char* Name;
    const ElementRecord* Element;
    int32_t Kind;
    int32_t Picture;
    int32_t X, Y;
    int32_t DrawingFlags;
    std::vector<int32_t> Conditions;
    std::vector<ElementRecord*> Children;
    bool HasChildList;
};

TEST(BallTables, ElementHeaders) {
    const ElementCase cases[] = {
        {"field (root)",
         &ball::Field.Header,
         ElementStaticImage,
         4096,
         0,
         0,
         21,
         {1, 3},
         {&ball::Ball.Header},
         true},
        {"ball", &ball::Ball.Header, ElementSlidingImage, 4352, 17, 5, 7, {}, {}, false},
    };
    for (const ElementCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const ElementRecord& e = *c.Element;
        EXPECT_EQ(e.Kind, c.Kind);
        EXPECT_EQ(e.Picture, c.Picture);
        EXPECT_EQ(e.X, c.X);
        EXPECT_EQ(e.Y, c.Y);
        for (int32_t word : e.HostWords)
            EXPECT_EQ(word, 0);
        EXPECT_EQ(Copy(e.Gauge), &ball::Gauge);
        EXPECT_EQ(e.Reserved36, 0);
        EXPECT_EQ(Copy(e.Children) != nullptr, c.HasChildList);
        EXPECT_EQ(ChildList(Copy(e.Children)), c.Children);
        EXPECT_EQ(ConditionPairs(Copy(e.Conditions)), c.Conditions);
        EXPECT_EQ(Copy(e.Conditions) == nullptr, c.Conditions.empty());
        EXPECT_EQ(e.DrawingFlags, c.DrawingFlags);
        EXPECT_EQ(e.Reserved52, 0);
        EXPECT_EQ(e.Reserved56, 0);
    }
    EXPECT_EQ(Copy(ball::Field.LoadedPicture), nullptr);
}

TEST(BallTables, BallSlidesOnXOnly) {
    const SlidingImage& ball = ball::Ball;
    EXPECT_EQ(ball.AxisX.Variable.Id, 0x45);
    EXPECT_EQ(Copy(ball.AxisX.Callback), ball::BallCallback);
    EXPECT_EQ(Copy(ball.AxisX.Scale), 0.2);
    EXPECT_EQ(ball.AxisY.Variable.Id, 0);
    EXPECT_EQ(Copy(ball.AxisY.Callback), nullptr);
    EXPECT_EQ(Copy(ball.AxisY.Scale), 0.0);
}

TEST(BallTables, MouseAreasAreOneParentThenTheEnd) {
    struct AreaCase {
        int32_t Type, X, Y, Width, Height, Cursor, HelpId, EventMask;
    };
    const AreaCase expected[] = {{1, 0, 0, 0, 0, -1, 41995, 0}, {3, 0, 0, 0, 0, -1, 0, 0}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE("area " + std::to_string(i));
        const MouseArea& area = ball::MouseAreas[i];
        const AreaCase& want = expected[i];
        EXPECT_EQ(area.Type, want.Type);
        EXPECT_EQ(area.X, want.X);
        EXPECT_EQ(area.Y, want.Y);
        EXPECT_EQ(area.Width, want.Width);
        EXPECT_EQ(area.Height, want.Height);
        EXPECT_EQ(area.Cursor, want.Cursor);
        EXPECT_EQ(area.HelpId, want.HelpId);
        EXPECT_EQ(area.EventMask, want.EventMask);
        EXPECT_EQ(area.Reserved32, 0);
        EXPECT_EQ(Copy(area.Handler), nullptr); // no area has a handler: no click reaches us
        EXPECT_EQ(area.Reserved40, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Gauge routines: exactly these services, in this order
// ---------------------------------------------------------------------------------------------

TEST_F(BallRoutines, EachRoutineCallsItsServicesInOrder) {
    // The host's loaded picture: a tag word, then width and height.
    int32_t picture[3] = {0x7A6, 50, 22};
    ball::Field.LoadedPicture = picture;
    const uintptr_t size = Address(picture) + 4;

    struct RoutineCase {
        const char* Name;
        std::function<void()> Run;
        std::vector<RecordedCall> Expected;
    };
    const RoutineCase cases[] = {
        {"install",
         [] { ball::Install(77); },
         {{"InstallElementList", Root, 77},
          {"InstallMouseAreas", Areas, Header, size},
          {"RegisterMouseAreas", Areas, Header}}},
        {"initialize", [] { ball::Initialize(); }, {{"InitializeElementList", Root}}},
        {"update", [] { ball::Update(); }, {{"UpdateElementList", Root}}},
        {"generate", [] { ball::Generate(5); }, {{"GenerateElementList", Root, 5}}},
        {"draw", [] { ball::Draw(); }, {{"DrawElementList", Root}}},
        {"kill",
         [] { ball::Kill(); },
         {{"UnregisterMouseAreas", Areas, Header}, {"KillElementList", Root}}},
        {"module init", [] { ball::ModuleInit(); }, {}},
        {"module deinit", [] { ball::ModuleDeinit(); }, {}},
    };
    for (const RoutineCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Host.Calls.clear();
        c.Run();
        EXPECT_EQ(Host.Calls, c.Expected);
    }
}

TEST_F(BallRoutines, QueryReturnsTheServicesResult) {
    EXPECT_EQ(ball::Query(), QueryResult);
    EXPECT_EQ(Host.Calls, (std::vector<RecordedCall>{{"QueryElementList", Root}}));
}

// A host that failed to load the root's picture must not be handed an address computed from
// a null pointer.
TEST_F(BallRoutines, InstallWithoutALoadedPictureHandsNoPictureSize) {
    ball::Install(0);
    ASSERT_EQ(Host.Calls.size(), 3u);
    EXPECT_EQ(Host.Calls[1], (RecordedCall{"InstallMouseAreas", Areas, Header, 0}));
}

// ---------------------------------------------------------------------------------------------
// Ball callback
// ---------------------------------------------------------------------------------------------

TEST(BallCallback, PassesAnyValueThrough) {
    const double values[] = {0.0,
                             10.0,
                             -10.0,
                             -0.0,
                             1e300,
                             -85.5,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        SCOPED_TRACE(value);
        HostVariable variable{0x45, 0, 0, value, 0.0};
        const double result = ball::BallCallback(&variable);
        EXPECT_EQ(result, value);
        EXPECT_EQ(std::signbit(result), std::signbit(value));
    }
    HostVariable notANumber{0x45, 0, 0, std::nan(""), 0.0};
    EXPECT_TRUE(std::isnan(ball::BallCallback(&notANumber)));
    EXPECT_EQ(ball::BallCallback(nullptr), 0.0);
}

// The host draws the ball at its x plus scale times the callback's value.
TEST(BallCallback, OneColumnOfTravelPerFiveUnits) {
    const struct {
        double Value;
        double Column;
    } cases[] = {{0.0, 17.0}, {10.0, 19.0}, {-10.0, 15.0}};
    for (const auto& c : cases) {
        HostVariable variable{0x45, 0, 0, c.Value, 0.0};
        const double scale = ball::Ball.AxisX.Scale;
        EXPECT_DOUBLE_EQ(ball::Ball.Header.X + scale * ball::BallCallback(&variable), c.Column)
            << "value " << c.Value;
    }
}

} // namespace
