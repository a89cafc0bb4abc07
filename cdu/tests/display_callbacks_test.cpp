// The element callbacks: blanking and letters of the two displays, leg and waypoint digits,
// letters, dots, lamps, the ALERT flash and the data selector knob.
#include "cdu_test_support.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int B = BlankPicture;
constexpr int L = LetterLPicture;
constexpr int R = LetterRPicture;

// The digits in the order the host updates them: right 1-6, then left 1-5.
constexpr ElementCallback RightDigits[] = {RightDigit1Callback, RightDigit2Callback,
                                           RightDigit3Callback, RightDigit4Callback,
                                           RightDigit5Callback, RightDigit6Callback};
constexpr ElementCallback LeftDigits[] = {LeftDigit1Callback, LeftDigit2Callback,
                                          LeftDigit3Callback, LeftDigit4Callback,
                                          LeftDigit5Callback};

struct DisplayCase {
    const char* Name;
    const char* LeftText;
    int32_t LeftBlank;
    const char* RightText;
    int32_t RightBlank;
    int32_t Selector;
    int32_t XtkSide;
    int32_t RightSideLetter;
    std::array<int, 6> Right;
    std::array<int, 5> Left;
};

const DisplayCase DisplayCases[] = {
    {"LoadValuesShowAllZeros",
     "000000",
     0,
     "0000000",
     0,
     0,
     0,
     0,
     {0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0}},
    {"LeadingZerosBlank", "1004500", 1, "0000000", 0, 0, 0, 0, {0, 0, 0, 0, 0, 0}, {B, B, 4, 5, 0}},
    {"ZeroAfterSignificantDigitShows",
     "1010450",
     1,
     "0000000",
     0,
     0,
     0,
     0,
     {0, 0, 0, 0, 0, 0},
     {B, 1, 0, 4, 5}},
    {"AllZeroKeepsLastDigit",
     "1000000",
     1,
     "1000000",
     1,
     0,
     0,
     0,
     {B, B, B, B, B, 0},
     {B, B, B, B, 0}},
    {"XtkLeftSideLetterAndDigit4Exempt",
     "1000000",
     1,
     "0000000",
     0,
     2,
     1,
     0,
     {0, 0, 0, 0, 0, B},
     {B, B, B, 0, L}},
    {"XtkRightSideLetter",
     "1000000",
     1,
     "0000000",
     0,
     2,
     2,
     0,
     {0, 0, 0, 0, 0, B},
     {B, B, B, 0, R}},
    {"XtkSideOutsideLettersShowsCharacter",
     "100007",
     1,
     "0000000",
     0,
     2,
     3,
     0,
     {0, 0, 0, 0, 0, B},
     {B, B, B, 0, 7}},
    {"XtkSideIgnoredOutsideXtk",
     "100007",
     1,
     "0000000",
     0,
     3,
     1,
     0,
     {0, 0, 0, 0, 0, 0},
     {B, B, B, B, 7}},
    {"DriftLetterL", "0000000", 0, "1000053", 1, 1, 0, 1, {B, B, B, B, 5, L}, {0, 0, 0, 0, 0}},
    {"DriftBelowOneDegreeBlanksDigit5",
     "0000000",
     0,
     "1000005",
     1,
     1,
     0,
     1,
     {B, B, B, B, B, L},
     {0, 0, 0, 0, 0}},
    {"TkeDigit5ExemptWithBlankLetter",
     "0000000",
     0,
     "1000050",
     1,
     2,
     0,
     0,
     {B, B, B, B, 5, B},
     {0, 0, 0, 0, B}},
    {"TkeZeroShowsZeroInDigit5",
     "0000000",
     0,
     "1000000",
     1,
     2,
     0,
     0,
     {B, B, B, B, 0, B},
     {0, 0, 0, 0, B}},
    {"SideLetterOnlyInHdgDaAndXtk",
     "0000000",
     0,
     "1000053",
     1,
     0,
     0,
     1,
     {B, B, B, B, 5, 3},
     {0, 0, 0, 0, 0}},
    {"SideLetterOutsideLettersShowsCharacter",
     "0000000",
     0,
     "1000053",
     1,
     1,
     0,
     9,
     {B, B, B, B, 5, 3},
     {0, 0, 0, 0, 0}},
    {"SpacesCountAsZero", "   123", 0, "0000000", 0, 0, 0, 0, {0, 0, 0, 0, 0, 0}, {0, 0, 1, 2, 3}},
    {"MinusSignBlankedLikeALeadingZero",
     "    -5",
     1,
     "  -1234",
     1,
     0,
     0,
     0,
     {B, B, 1, 2, 3, 4},
     {B, B, B, B, 5}},
    {"MinusSignShownAsZeroWithoutBlanking",
     "    -5",
     0,
     "0000000",
     0,
     0,
     0,
     0,
     {0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 5}},
    {"BlankingNeedsFlagExactlyOne",
     "1000450",
     2,
     "1000053",
     5,
     1,
     0,
     1,
     {0, 0, 0, 0, 5, L},
     {0, 0, 0, 4, 5}},
    {"ShortTextShowsZeroPastItsEnd", "12", 0, "", 1, 0, 0, 0, {B, B, B, B, B, 0}, {2, 0, 0, 0, 0}},
    // The left display starts its own blanking: a significant right digit must not carry over.
    {"LeftDisplayStartsAfresh",
     "1000000",
     1,
     "1123456",
     1,
     0,
     0,
     0,
     {1, 2, 3, 4, 5, 6},
     {B, B, B, B, 0}},
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.Name;
}

class DisplayDigits : public CduTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayDigits, ShowTheirCharactersInTreeOrder) {
    const DisplayCase& c = GetParam();
    std::strncpy(Display.LeftText, c.LeftText, DisplayTextSize - 1);
    std::strncpy(Display.RightText, c.RightText, DisplayTextSize - 1);
    Display.LeftBlankZeros = c.LeftBlank;
    Display.RightBlankZeros = c.RightBlank;
    Display.RightSideLetter = c.RightSideLetter;
    Ins().DataSelector = c.Selector;
    Ins().XtkSide = c.XtkSide;

    std::array<int, 6> right{};
    for (size_t k = 0; k < right.size(); ++k)
        right[k] = static_cast<int>(Call(RightDigits[k]));
    std::array<int, 5> left{};
    for (size_t k = 0; k < left.size(); ++k)
        left[k] = static_cast<int>(Call(LeftDigits[k]));

    EXPECT_EQ(right, c.Right);
    EXPECT_EQ(left, c.Left);
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplayDigits, ::testing::ValuesIn(DisplayCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CharacterValue, DigitsCountAsThemselvesEverythingElseAsZero) {
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(CharacterValue(c), c - '0');
    for (char c : {' ', '-', '+', '\0', 'A', '/', ':', '\x80', '\xFF'})
        EXPECT_EQ(CharacterValue(c), 0) << static_cast<int>(c);
}

using DisplayElements = CduTest;

TEST_F(DisplayElements, LegDigitsShowTheKeyedLegOnlyWhileTrackChangeIsExactlyOne) {
    Ins().FromWpt = 3;
    Ins().ToWpt = 7;
    Entry.EntryFrom = 5;
    Entry.EntryTo = 6;
    struct {
        int32_t TrackChange;
        double From, To;
    } const cases[] = {{0, 3, 7}, {1, 5, 6}, {2, 3, 7}, {-1, 3, 7}};
    for (const auto& c : cases) {
        Ins().TrackChangeActive = c.TrackChange;
        EXPECT_EQ(Call(FromDigitCallback), c.From) << c.TrackChange;
        EXPECT_EQ(Call(ToDigitCallback), c.To) << c.TrackChange;
    }
}

TEST_F(DisplayElements, StateValuesPassOnUnclamped) {
    Ins().FromWpt = 57;
    Ins().ToWpt = -4;
    Ins().WptIndex = 123456;
    Ins().DataSelector = -3;
    Ins().HoldActive = 9;
    Ins().TrackChangeActive = 0;
    Ins().InsertActive = 2;
    Display.NorthSouthIcon = 2;
    Display.EastWestIcon = 40;
    EXPECT_EQ(Call(FromDigitCallback), 57.0);
    EXPECT_EQ(Call(ToDigitCallback), -4.0);
    EXPECT_EQ(Call(WptDigitCallback), 123456.0);
    EXPECT_EQ(Call(DataSelectorKnobCallback), -3.0);
    EXPECT_EQ(Call(HoldButtonCallback), 9.0);
    EXPECT_EQ(Call(TrackChangeButtonCallback), 0.0);
    EXPECT_EQ(Call(InsertButtonCallback), 2.0);
    EXPECT_EQ(Call(NorthSouthLettersCallback), 2.0);
    EXPECT_EQ(Call(EastWestLettersCallback), 40.0);
}

TEST_F(DisplayElements, EachDotShowsItsOwnFlag) {
    struct Dot {
        ElementCallback Callback;
        int32_t CduDisplay::*Flag;
    };
    const Dot dots[] = {
        {LeftUpperDot2Callback, &CduDisplay::LeftUpperDot2},
        {LeftUpperDot5Callback, &CduDisplay::LeftUpperDot5},
        {RightUpperDot3Callback, &CduDisplay::RightUpperDot3},
        {RightUpperDot6Callback, &CduDisplay::RightUpperDot6},
        {LeftLowerDot3Callback, &CduDisplay::LeftLowerDot3},
        {LeftLowerDot4Callback, &CduDisplay::LeftLowerDot4},
        {RightLowerDot4Callback, &CduDisplay::RightLowerDot4},
        {RightLowerDot5Callback, &CduDisplay::RightLowerDot5},
    };
    for (size_t lit = 0; lit < std::size(dots); ++lit) {
        Display = CduDisplayAtLoad;
        Display.*dots[lit].Flag = 1;
        for (size_t k = 0; k < std::size(dots); ++k)
            EXPECT_EQ(Call(dots[k].Callback), k == lit ? 1.0 : 0.0)
                << "lit " << lit << " dot " << k;
    }
}

// ---------------------------------------------------------------------------------------------
// ALERT flash
// ---------------------------------------------------------------------------------------------

using AlertLamp = CduTest;

// One call per tick from tick 5: dark until tick 18, then 18 ticks lit, 18 dark, and so on.
TEST_F(AlertLamp, FlashesOnceASecondWithOneCallPerTick) {
    Display.AlertActive = 1;
    for (int tick = 5; tick < 5 + 72; ++tick) {
        const bool lit = tick >= 18 && (tick / 18) % 2 == 1;
        EXPECT_EQ(Call(AlertLampCallback, tick), lit ? 1.0 : 0.0) << "tick " << tick;
    }
}

// A second call at a tick divisible by 18 toggles the phase back, so only the first call of
// such a tick shows the lamp lit.
TEST_F(AlertLamp, SecondCallAtASecondTickTogglesBack) {
    Display.AlertActive = 1;
    for (int tick = 5; tick < 5 + 72; ++tick) {
        const bool secondTick = tick % 18 == 0;
        EXPECT_EQ(Call(AlertLampCallback, tick), secondTick ? 1.0 : 0.0) << "tick " << tick;
        EXPECT_EQ(Call(AlertLampCallback, tick), 0.0) << "tick " << tick;
        EXPECT_EQ(AlertFlashPhase, 0);
    }
}

TEST_F(AlertLamp, StaysDarkWithoutAlertAndLeavesPhaseAtZero) {
    for (int32_t alert : {0, 2, -1}) {
        Display.AlertActive = alert;
        for (int tick = 0; tick < 72; ++tick) {
            EXPECT_EQ(Call(AlertLampCallback, tick), 0.0) << "tick " << tick;
            if (tick % 18 == 0) {
                EXPECT_EQ(AlertFlashPhase, 0) << "tick " << tick;
            }
        }
    }
}

TEST_F(AlertLamp, DarkensAtTheNextCallWhenTheAlertEnds) {
    Display.AlertActive = 1;
    EXPECT_EQ(Call(AlertLampCallback, 36.0), 1.0);
    EXPECT_EQ(Call(AlertLampCallback, 37.0), 1.0);
    Display.AlertActive = 0;
    EXPECT_EQ(Call(AlertLampCallback, 38.0), 0.0);
    Display.AlertActive = 1;
    EXPECT_EQ(Call(AlertLampCallback, 39.0), 1.0); // the phase ran on
}

TEST_F(AlertLamp, TickIsTruncatedTowardZero) {
    Display.AlertActive = 1;
    EXPECT_EQ(Call(AlertLampCallback, 17.9), 0.0);
    EXPECT_EQ(Call(AlertLampCallback, 18.9), 1.0);
    EXPECT_EQ(Call(AlertLampCallback, -17.9), 1.0); // -17: not a second tick, phase still lit
    EXPECT_EQ(Call(AlertLampCallback, -18.5), 0.0); // -18 divides by 18
}

} // namespace
