// The skytape gauge: its static tables, the host services each routine calls, and the tape's
// callbacks.
#include "host_calls.h"
#include "panel_checks.h"
#include "recording_host.h"
#include "skytape_gauge.h"

#include <gtest/gtest.h>

#include <cmath>
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

class SkytapeRoutines : public testing::Test {
  protected:
    SkytapeRoutines() { Host.QueryResult = QueryResult; }
    ~SkytapeRoutines() override { skytape::Window.LoadedPicture = nullptr; }
    RecordingHost Host; // installs itself in ImportTable while alive
};

const uintptr_t Root = Address(&skytape::Window.Header);

// ---------------------------------------------------------------------------------------------
// Exported records and the gauge header
// ---------------------------------------------------------------------------------------------

TEST(SkytapeTables, LinkageNamesTheOneGauge) {
    ExpectLinkageOfOneGauge(Linkage, skytape::ModuleInit, skytape::ModuleDeinit, &skytape::Gauge);
}

TEST(SkytapeTables, ImportTableWaitsForTheHost) {
    ExpectImportTableUnfilled(ImportTable);
}

TEST(SkytapeTables, GaugeHeaderNamesSkytapeAndItsRoutines) {
    const GaugeHeader& gauge = skytape::Gauge;
    ExpectGaugeHeaderWords(gauge, "skytape", skytape::Elements, &skytape::Window.Header, 57);
    EXPECT_EQ(Copy(gauge.Query), skytape::Query);
    EXPECT_EQ(Copy(gauge.Install), skytape::Install);
    EXPECT_EQ(Copy(gauge.Initialize), skytape::Initialize);
    EXPECT_EQ(Copy(gauge.Update), skytape::Update);
    EXPECT_EQ(Copy(gauge.Generate), skytape::Generate);
    EXPECT_EQ(Copy(gauge.Draw), skytape::Draw);
    EXPECT_EQ(Copy(gauge.Kill), skytape::Kill);
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

TEST(SkytapeTables, ElementHeaders) {
    const ElementCase cases[] = {
        {"window (root)",
         &skytape::Window.Header,
         ElementStaticImage,
         4096,
         0,
         0,
         3,
         {},
         {&skytape::Tape.Header},
         true},
        {"tape", &skytape::Tape.Header, ElementMovingImage, 8192, 0, 0, 7, {1, 3}, {}, false},
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
        EXPECT_EQ(Copy(e.Gauge), &skytape::Gauge);
        EXPECT_EQ(e.Reserved36, 0);
        EXPECT_EQ(Copy(e.Children) != nullptr, c.HasChildList);
        EXPECT_EQ(ChildList(Copy(e.Children)), c.Children);
        EXPECT_EQ(ConditionPairs(Copy(e.Conditions)), c.Conditions);
        EXPECT_EQ(Copy(e.Conditions) == nullptr, c.Conditions.empty());
        EXPECT_EQ(e.DrawingFlags, c.DrawingFlags);
        EXPECT_EQ(e.Reserved52, 0);
        EXPECT_EQ(e.Reserved56, 0);
    }
    EXPECT_EQ(Copy(skytape::Window.LoadedPicture), nullptr);
    EXPECT_EQ(skytape::MaskPicture, 8195); // the host finds the mask at the strip's number + 3
}

TEST(SkytapeTables, TapeAxes) {
    struct AxisCase {
        const char* Name;
        const MovingAxis& Axis;
        int32_t VariableId;
        ElementCallback Callback;
        double FirstLimit, SecondLimit;
    };
    const AxisCase cases[] = {
        {"x", skytape::Tape.AxisX, 0x51, skytape::TapeCallback, 360.0, 0.0},
        {"y", skytape::Tape.AxisY, 0, skytape::PassThroughCallback, 0.0, 0.0},
    };
    for (const AxisCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Axis.Variable.Id, c.VariableId);
        EXPECT_EQ(Copy(c.Axis.Callback), c.Callback);
        EXPECT_EQ(Copy(c.Axis.FirstLimit), c.FirstLimit);
        EXPECT_EQ(Copy(c.Axis.SecondLimit), c.SecondLimit);
        EXPECT_EQ(c.Axis.Reserved, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Gauge routines: one service each, on the root; no mouse areas anywhere
// ---------------------------------------------------------------------------------------------

TEST_F(SkytapeRoutines, EachRoutineCallsItsOneService) {
    int32_t picture[3] = {0x7A6, 90, 26};
    skytape::Window.LoadedPicture = picture;

    struct RoutineCase {
        const char* Name;
        std::function<void()> Run;
        std::vector<RecordedCall> Expected;
    };
    const RoutineCase cases[] = {
        {"install", [] { skytape::Install(77); }, {{"InstallElementList", Root, 77}}},
        {"initialize", [] { skytape::Initialize(); }, {{"InitializeElementList", Root}}},
        {"update", [] { skytape::Update(); }, {{"UpdateElementList", Root}}},
        {"generate", [] { skytape::Generate(5); }, {{"GenerateElementList", Root, 5}}},
        {"draw", [] { skytape::Draw(); }, {{"DrawElementList", Root}}},
        {"kill", [] { skytape::Kill(); }, {{"KillElementList", Root}}},
        {"module init", [] { skytape::ModuleInit(); }, {}},
        {"module deinit", [] { skytape::ModuleDeinit(); }, {}},
    };
    for (const RoutineCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Host.Calls.clear();
        c.Run();
        EXPECT_EQ(Host.Calls, c.Expected);
    }
}

TEST_F(SkytapeRoutines, QueryReturnsTheServicesResult) {
    EXPECT_EQ(skytape::Query(), QueryResult);
    EXPECT_EQ(Host.Calls, (std::vector<RecordedCall>{{"QueryElementList", Root}}));
}

// ---------------------------------------------------------------------------------------------
// Callbacks
// ---------------------------------------------------------------------------------------------

double TapeValue(double heading) {
    HostVariable variable{0x51, 0, 0, heading, 0.0};
    return skytape::TapeCallback(&variable);
}

TEST(TapeCallback, ValueIs360MinusHeadingWithinTheCircle) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* Name;
        double Heading;
        double Value;
    } cases[] = {
        {"north", 0.0, 360.0},
        {"east", 90.0, 270.0},
        {"south", 180.0, 180.0},
        {"a quarter degree short of north", 359.75, 0.25},
        {"north again", 360.0, 0.0},
        {"negative zero", -0.0, 360.0},
        {"just below 0", -0.5, 0.0},
        {"a hair below 0", -1e-9, 0.0},
        {"just above 360", 360.5, 0.0},
        {"far above", 1e300, 0.0},
        {"plus infinity", inf, 0.0},
        {"minus infinity", -inf, 0.0},
        {"not a number", std::nan(""), 0.0},
        {"negative not a number", -std::nan(""), 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TapeValue(c.Heading), c.Value) << c.Name << ": heading " << c.Heading;
    EXPECT_EQ(skytape::TapeCallback(nullptr), 0.0);
}

// Between the limits 360 and 0 the host shifts the 651-column strip left by up to 651 - 90.
TEST(TapeCallback, HeadingPlacesTheStripBetweenItsEnds) {
    const double first = skytape::Tape.AxisX.FirstLimit;
    const double second = skytape::Tape.AxisX.SecondLimit;
    const struct {
        double Heading;
        double Shift; // columns the strip's left edge stands left of the window's
    } cases[] = {{0.0, 0.0}, {180.0, 280.5}, {360.0, 561.0}, {-0.5, 561.0}, {std::nan(""), 561.0}};
    for (const auto& c : cases) {
        const double shift = (first - TapeValue(c.Heading)) / (first - second) * (651 - 90);
        EXPECT_DOUBLE_EQ(shift, c.Shift) << "heading " << c.Heading;
    }
}

TEST(PassThroughCallback, ReturnsTheValueAsItIs) {
    for (double value : {0.0, -3.0, 1e300}) {
        HostVariable variable{0, 0, 0, value, 0.0};
        EXPECT_EQ(skytape::PassThroughCallback(&variable), value);
    }
    HostVariable notANumber{0, 0, 0, std::nan(""), 0.0};
    EXPECT_TRUE(std::isnan(skytape::PassThroughCallback(&notANumber)));
    EXPECT_EQ(skytape::PassThroughCallback(nullptr), 0.0);
}

} // namespace
