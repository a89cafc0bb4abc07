// The WPT thumbwheel, the selectors, HOLD and WARN: one step per click, wrapping around.
#include "cdu_test_support.h"

#include "controls.h"

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct StepCase {
    const char* Name;
    int32_t InsState::*Field;
    int32_t Before;
    MouseHandler Handler;
    int32_t After;
};

constexpr auto Wpt = &InsState::WptIndex;
constexpr auto Data = &InsState::DataSelector;
constexpr auto Mode = &InsState::ModeSelector;
constexpr auto Hold = &InsState::HoldActive;

const StepCase StepCases[] = {
    {"WheelUpFromFreshBlock", Wpt, 0, WptWheelUpHandler, 1},
    {"WheelDownFromFreshBlock", Wpt, 0, WptWheelDownHandler, 9},
    {"WheelUp", Wpt, 4, WptWheelUpHandler, 5},
    {"WheelDown", Wpt, 5, WptWheelDownHandler, 4},
    {"WheelUpFromNineWraps", Wpt, 9, WptWheelUpHandler, 1},
    {"WheelDownFromOneWraps", Wpt, 1, WptWheelDownHandler, 9},
    {"DataLeft", Data, 3, DataSelectorLeftHandler, 2},
    {"DataRight", Data, 3, DataSelectorRightHandler, 4},
    {"DataLeftFromTkGsWraps", Data, 0, DataSelectorLeftHandler, 7},
    {"DataRightFromDsrTkStsWraps", Data, 7, DataSelectorRightHandler, 0},
    {"ModeLeftFromManToAuto", Mode, 0, ModeSelectorLeftHandler, 1},
    {"ModeLeftFromRmtWraps", Mode, 2, ModeSelectorLeftHandler, 0},
    {"ModeRightFromManWraps", Mode, 0, ModeSelectorRightHandler, 2},
    {"ModeRightFromAutoToMan", Mode, 1, ModeSelectorRightHandler, 0},
    {"HoldOn", Hold, 0, HoldHandler, 1},
    {"HoldOff", Hold, 1, HoldHandler, 0},
    {"HoldFromForeignValueOff", Hold, 5, HoldHandler, 0},
    // Positions left outside the range by another party step as from position 0.
    {"DataRightFromEight", Data, 8, DataSelectorRightHandler, 1},
    {"DataLeftFromMinusOne", Data, -1, DataSelectorLeftHandler, 7},
    {"DataLeftFromLowest", Data, INT32_MIN, DataSelectorLeftHandler, 7},
    {"DataRightFromHighest", Data, INT32_MAX, DataSelectorRightHandler, 1},
    {"ModeLeftFromThree", Mode, 3, ModeSelectorLeftHandler, 1},
    {"ModeRightFromLowest", Mode, INT32_MIN, ModeSelectorRightHandler, 2},
    {"ModeLeftFromHighest", Mode, INT32_MAX, ModeSelectorLeftHandler, 1},
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.Name;
}

class ControlStep : public CduTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ControlStep, ClicksOnceAndChangesOnlyItsField) {
    const StepCase& c = GetParam();
    Ins().*c.Field = c.Before;
    InsState expected = Ins();
    expected.*c.Field = c.After;
    Press(c.Handler);
    EXPECT_EQ(Ins().*c.Field, c.After);
    EXPECT_EQ(std::memcmp(&Ins(), &expected, sizeof expected), 0);
    EXPECT_EQ(ClickCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, ControlStep, ::testing::ValuesIn(StepCases),
                         [](const auto& info) { return std::string(info.param.Name); });

using Controls = CduTest;

std::vector<int32_t> Walk(int32_t InsState::*field, MouseHandler handler, int clicks) {
    std::vector<int32_t> positions;
    for (int i = 0; i < clicks; ++i) {
        Press(handler);
        positions.push_back(*SharedIns.*field);
    }
    return positions;
}

TEST_F(Controls, SelectorsRunThroughEveryPositionWithoutStop) {
    using V = std::vector<int32_t>;
    EXPECT_EQ(Walk(Wpt, WptWheelUpHandler, 10), (V{1, 2, 3, 4, 5, 6, 7, 8, 9, 1}));
    EXPECT_EQ(Walk(Wpt, WptWheelDownHandler, 10), (V{9, 8, 7, 6, 5, 4, 3, 2, 1, 9}));
    EXPECT_EQ(Walk(Data, DataSelectorRightHandler, 9), (V{1, 2, 3, 4, 5, 6, 7, 0, 1}));
    EXPECT_EQ(Walk(Data, DataSelectorLeftHandler, 9), (V{0, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(Walk(Mode, ModeSelectorLeftHandler, 4), (V{1, 2, 0, 1}));
    EXPECT_EQ(Walk(Mode, ModeSelectorRightHandler, 4), (V{0, 2, 1, 0}));
}

TEST_F(Controls, KnobsWheelAndHoldLampShowTheNewPositions) {
    Press(DataSelectorLeftHandler);
    EXPECT_EQ(Call(DataSelectorKnobCallback), 7.0);
    Press(WptWheelDownHandler);
    EXPECT_EQ(Call(WptDigitCallback), 9.0);
    Press(HoldHandler);
    EXPECT_EQ(Call(HoldButtonCallback), 1.0);
    Press(HoldHandler);
    EXPECT_EQ(Call(HoldButtonCallback), 0.0);
    EXPECT_EQ(ClickCount, 4);
}

TEST_F(Controls, WarnOnlyClicks) {
    Ins().DataSelector = 5;
    Ins().InsertActive = 1;
    const InsState before = Ins();
    const CduEntry entryBefore = Entry;
    Press(WarnHandler);
    EXPECT_EQ(ClickCount, 1);
    EXPECT_EQ(std::memcmp(&Ins(), &before, sizeof before), 0);
    EXPECT_EQ(std::memcmp(&Entry, &entryBefore, sizeof entryBefore), 0);
}

} // namespace
