// The navigation cycle over several seconds: speed, time to go, ALERT, timing and HOLD.
#include "navigation_cycle.h"

#include "ins_fixture.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int32_t AlertGate = 0x3D;

class NavigationCycleTest : public InsTest {
  protected:
    HostVariable Tick{1, 0, 0, 0.0, 0.0};

    double KnobAt(double tick) {
        Tick.Value = tick;
        return ModeKnobCallback(&Tick);
    }

    // Cycles run so far, counted by the heading refresh that every cycle makes.
    int CyclesRun() const {
        int count = 0;
        for (int32_t id : Host.LookedUpIds())
            count += id == 0x51;
        return count;
    }
};

TEST_F(NavigationCycleTest, DistanceFallingAnEighthASecondGives450And2Minutes) {
    Host.Values[AlertGate] = 60.0;
    Ins().DataSelector = 5; // DIS TIME
    const double distances[] = {15.25, 15.125, 15.0};
    for (double distance : distances) {
        Ins().DistanceToGo = distance;
        NavigationCycle();
    }
    EXPECT_EQ(Cycle.GroundSpeed, 450);
    EXPECT_EQ(Cycle.TimeToGo, 2.0);
    EXPECT_EQ(Display.AlertActive, 1);
    EXPECT_STREQ(Display.LeftText, "    15");
    EXPECT_STREQ(Display.RightText, "     20");
}

TEST_F(NavigationCycleTest, FirstCyclesAfterLoad) {
    Ins().DistanceToGo = 100.0;
    NavigationCycle();
    EXPECT_EQ(Cycle.GroundSpeed, 0);
    EXPECT_TRUE(std::isinf(Cycle.TimeToGo));
    EXPECT_EQ(Display.AlertActive, 0);

    // The second cycle measures from a previous distance of 0.
    Ins().DistanceToGo = 99.9;
    NavigationCycle();
    EXPECT_EQ(Cycle.GroundSpeed, 0);
    EXPECT_LT(Cycle.TimeToGo, 0.0);
    EXPECT_GT(Cycle.TimeToGo, -1.0);
}

TEST_F(NavigationCycleTest, ZeroDistanceEverySecondKeepsAlertOffAndGsZero) {
    Host.Values[AlertGate] = 99.0;
    for (int second = 0; second < 4; ++second) {
        NavigationCycle();
        EXPECT_TRUE(std::isnan(Cycle.TimeToGo));
        EXPECT_EQ(Cycle.GroundSpeed, 0);
        EXPECT_EQ(Display.AlertActive, 0);
        EXPECT_STREQ(Display.RightText, "1000000"); // TK GS: GS 0
    }
}

// A distance step and a distance for which the cycle's own arithmetic yields exactly `time`,
// so that the bounds are tested at the exact value. Not every double is a quotient of every
// speed, so a few whole speeds are tried.
struct ClosingState {
    double Step;
    double Distance;
};

ClosingState StateGiving(double time) {
    for (int perSecond = 1; perSecond <= 64; ++perSecond) {
        const double speed = 3600.0 * perSecond;
        double distance = time * speed / 60.0;
        for (int step = 0; step < 64; ++step) {
            const double got = distance / speed * 60.0;
            if (got == time)
                return {-static_cast<double>(perSecond), distance};
            distance = std::nextafter(distance, got < time ? 1e300 : -1e300);
        }
    }
    return {-1.0, time * 60.0};
}

struct AlertCase {
    const char* Name;
    double Time;  // the TimeToGo the cycle computes (not a number: distance 0, no speed)
    bool Closing; // false: no speed, so the time is infinite or not a number
    double Gate;
    int32_t AlertBefore;
    int32_t AlertAfter;
};

const double NaN = std::numeric_limits<double>::quiet_NaN();

const AlertCase AlertCases[] = {
    {"inside the window with the gate open sets", 2.0, true, 60.0, 0, 1},
    {"exactly 0 clears", 0.0, true, 60.0, 1, 0},
    {"exactly 3 clears", 3.0, true, 60.0, 1, 0},
    {"just inside 3 sets", 2.9999999, true, 60.0, 0, 1},
    {"just above -1 clears", -0.9999999, true, 60.0, 1, 0},
    {"exactly -1 leaves it set", -1.0, true, 60.0, 1, 1},
    {"exactly -1 leaves it clear", -1.0, true, 60.0, 0, 0},
    // No quotient times 60 is exactly 999.0, so the upper bound is pinned from both sides.
    {"just above 999 leaves it set", 999.0000001, true, 60.0, 1, 1},
    {"just below 999 clears", 998.9999999, true, 60.0, 1, 0},
    {"infinite leaves it set", 0.0, false, 60.0, 1, 1},
    {"not a number leaves it set", NaN, false, 60.0, 1, 1},
    {"gate exactly 50 never sets", 2.0, true, 50.0, 0, 0},
    {"gate exactly 50 clears", 2.0, true, 50.0, 1, 0},
    {"gate just above 50 sets", 2.0, true, std::nextafter(50.0, 100.0), 0, 1},
    {"gate not a number never sets", 2.0, true, NaN, 0, 0},
};

TEST_F(NavigationCycleTest, AlertDecisionAtItsBounds) {
    for (const AlertCase& c : AlertCases) {
        ResetModuleRecords();
        Host.Values[AlertGate] = c.Gate;
        Display.AlertActive = c.AlertBefore;
        if (c.Closing) {
            const ClosingState closing = StateGiving(c.Time);
            Cycle.DistanceStep = closing.Step;
            Ins().DistanceToGo = closing.Distance;
        } else {
            Ins().DistanceToGo = std::isnan(c.Time) ? 0.0 : 10.0;
        }

        NavigationCycle();

        if (c.Closing && c.Time == std::round(c.Time)) {
            ASSERT_EQ(Cycle.TimeToGo, c.Time) << c.Name; // the bounds themselves, exactly
        } else if (c.Closing) {
            ASSERT_NEAR(Cycle.TimeToGo, c.Time, 1e-9) << c.Name;
        }
        EXPECT_EQ(Display.AlertActive, c.AlertAfter) << c.Name;
    }
}

TEST_F(NavigationCycleTest, RunsOnEveryTickDivisibleBy18) {
    std::vector<int> ticksThatRan;
    for (int tick = 0; tick <= 37; ++tick) {
        const int before = CyclesRun();
        KnobAt(tick);
        if (CyclesRun() > before)
            ticksThatRan.push_back(tick);
    }
    EXPECT_EQ(ticksThatRan, (std::vector<int>{0, 18, 36}));
}

TEST_F(NavigationCycleTest, TickValuesAreTruncatedAndOddValuesAreSafe) {
    struct {
        double Tick;
        bool Runs;
    } cases[] = {{18.9, true},   {17.99, false}, {-18.0, true},
                 {-17.5, false}, {NaN, true},    {std::numeric_limits<double>::infinity(), true},
                 {1e30, true}};
    for (const auto& c : cases) {
        const int before = CyclesRun();
        KnobAt(c.Tick);
        EXPECT_EQ(CyclesRun() > before, c.Runs) << c.Tick;
    }
}

TEST_F(NavigationCycleTest, TheSameTickTwiceRunsTwiceAndMeasuresNoStep) {
    Ins().DistanceToGo = 20.0;
    KnobAt(0);
    Ins().DistanceToGo = 19.875;
    KnobAt(18);
    KnobAt(18);
    EXPECT_EQ(CyclesRun(), 3);
    EXPECT_EQ(Cycle.DistanceStep, 0.0);
    KnobAt(36);
    EXPECT_EQ(Cycle.GroundSpeed, 0);
}

TEST_F(NavigationCycleTest, KnobShowsTheModeSelector) {
    for (int32_t mode : {0, 1, 2, 7, -3}) {
        Ins().ModeSelector = mode;
        EXPECT_EQ(KnobAt(5), static_cast<double>(mode));
    }
}

TEST_F(NavigationCycleTest, HoldSkipsExactlyTheRefreshOf47And48) {
    const std::vector<int32_t> withoutHold = {0x47, 0x48, 0x51, 0x52, 0x53,
                                              0x54, 0x55, 0x56, 0x3D, 0x56};
    const std::vector<int32_t> withHold = {0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x3D, 0x56};
    Host.Values = {{0x47, 1.0}, {0x48, 2.0}, {0x56, 77.7}, {0x3D, 60.0}};
    Ins().DistanceToGo = 10.0;

    NavigationCycle();
    EXPECT_EQ(Host.LookedUpIds(), withoutHold);
    const CduDisplay shownWithoutHold = Display;

    ResetModuleRecords();
    Ins().DistanceToGo = 10.0;
    Ins().HoldActive = 1;
    Host.Calls.clear();
    NavigationCycle();
    EXPECT_EQ(Host.LookedUpIds(), withHold);
    EXPECT_STREQ(Display.LeftText, shownWithoutHold.LeftText);
    EXPECT_STREQ(Display.RightText, shownWithoutHold.RightText);
}

TEST_F(NavigationCycleTest, Waypoint0FollowsThePresentPosition) {
    Ins().WptLat[0] = 1.0; // an INSERT into waypoint 0 is replaced at the next cycle
    Ins().PresentLat = 49.5;
    Ins().PresentLon = 11.25;
    Ins().PresentNorth = 1;
    Ins().PresentEast = 0;
    NavigationCycle();
    EXPECT_EQ(Ins().WptLat[0], 49.5);
    EXPECT_EQ(Ins().WptLon[0], 11.25);
    EXPECT_EQ(Ins().WptNorth[0], 1.0);
    EXPECT_EQ(Ins().WptEast[0], 0.0);

    Ins().PresentLat = 50.0;
    Ins().PresentEast = 1;
    NavigationCycle();
    EXPECT_EQ(Ins().WptLat[0], 50.0);
    EXPECT_EQ(Ins().WptEast[0], 1.0);
}

} // namespace
