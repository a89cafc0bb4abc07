// Keypad data entry: sequences of presses against the InsState, CduEntry, lamps and clicks they
// must leave.
#include "cdu_test_support.h"

#include "controls.h"
#include "keypad.h"

#include <functional>
#include <limits>
#include <sstream>
#include <string>

namespace {

MouseHandler HandlerFor(const std::string& token) {
    static constexpr MouseHandler keys[] = {Key0Handler, Key1Handler, Key2Handler, Key3Handler,
                                            Key4Handler, Key5Handler, Key6Handler, Key7Handler,
                                            Key8Handler, Key9Handler};
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '9')
        return keys[token[0] - '0'];
    if (token == "N")
        return Key2Handler;
    if (token == "S")
        return Key8Handler;
    if (token == "W")
        return Key4Handler;
    if (token == "E")
        return Key6Handler;
    if (token == "INS")
        return InsertHandler;
    if (token == "TK")
        return TrackChangeHandler;
    if (token == "CLR")
        return ClearHandler;
    if (token == "UP")
        return WptWheelUpHandler;
    if (token == "DOWN")
        return WptWheelDownHandler;
    ADD_FAILURE() << "unknown control " << token;
    return WarnHandler;
}

// Presses each control named in the sequence, separated by spaces.
void PressAll(const std::string& sequence) {
    std::istringstream tokens(sequence);
    for (std::string token; tokens >> token;)
        Press(HandlerFor(token));
}

// Waypoint 3 holds 45.5 N 7.5 E (DD.MMm 45.3 and 7.3), every other waypoint 60 S 120 W; the
// active leg is 1 to 4.
void FillFlightPlan(InsState& ins) {
    for (int w = 0; w < WaypointCount; ++w) {
        ins.WptLat[w] = 60.0;
        ins.WptLon[w] = 120.0;
        ins.WptNorth[w] = 0.0;
        ins.WptEast[w] = 0.0;
    }
    ins.WptLat[3] = 45.5;
    ins.WptLon[3] = 7.5;
    ins.WptNorth[3] = 1.0;
    ins.WptEast[3] = 1.0;
    ins.FromWpt = 1;
    ins.ToWpt = 4;
}

constexpr double Rounding = 1e-12;

struct KeypadCase {
    const char* Name;
    int32_t WptIndex;
    const char* Sequence;
    int InsertLamp;
    int TrackChangeLamp;
    int Clicks;
    std::function<void(const InsState&)> Expect;
};

const KeypadCase KeypadCases[] = {
    {"LatitudeStoredIntoSelectedWaypoint", 3, "N 4 5 1 2 3 INS", 0, 0, 8,
     [](const InsState& ins) {
         EXPECT_NEAR(double{ins.WptLat[3]}, 45.205, Rounding);
         EXPECT_EQ(double{ins.WptNorth[3]}, 1.0);
         EXPECT_NEAR(double{ins.WptLon[3]}, 7.5, Rounding); // written back from the entry
         EXPECT_EQ(double{ins.WptEast[3]}, 1.0);
         EXPECT_EQ(double{ins.WptLat[4]}, 60.0);
     }},
    {"LongitudeStored", 5, "E 0 1 1 1 5 0 INS", 0, 0, 9,
     [](const InsState& ins) {
         EXPECT_NEAR(double{ins.WptLon[5]}, 11.25, Rounding);
         EXPECT_EQ(double{ins.WptEast[5]}, 1.0);
         EXPECT_NEAR(double{ins.WptLat[5]}, 60.0, Rounding);
         EXPECT_EQ(double{ins.WptNorth[5]}, 0.0);
     }},
    {"WholeDegreesStoredExactly", 3, "N 1 1 0 0 0 INS", 0, 0, 8,
     [](const InsState& ins) { EXPECT_EQ(double{ins.WptLat[3]}, 11.0); }},
    {"ThreeDigitsAreMinutesAndTenths", 3, "N 1 2 3 INS", 0, 0, 6,
     [](const InsState& ins) { EXPECT_NEAR(double{ins.WptLat[3]}, 0.205, Rounding); }},
    {"SouthLatitude", 2, "S 3 0 3 0 0 INS", 0, 0, 8,
     [](const InsState& ins) {
         EXPECT_NEAR(double{ins.WptLat[2]}, 30.5, Rounding);
         EXPECT_EQ(double{ins.WptNorth[2]}, 0.0);
     }},
    {"WestLongitude", 2, "W 1 2 0 3 0 0 INS", 0, 0, 9,
     [](const InsState& ins) {
         EXPECT_NEAR(double{ins.WptLon[2]}, 120.5, Rounding);
         EXPECT_EQ(double{ins.WptEast[2]}, 0.0);
     }},
    {"SixthLatitudeDigitIgnored", 3, "N 4 5 1 2 3 9", 1, 0, 8,
     [](const InsState& ins) {
         EXPECT_EQ(Entry.EntryLat, 45.123);
         EXPECT_EQ(Entry.EntryDigitPos, 7);
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
     }},
    {"SeventhLongitudeDigitIgnored", 3, "E 1 2 3 4 5 6 7", 1, 0, 9,
     [](const InsState&) { EXPECT_EQ(Entry.EntryLon, 123.456); }},
    {"LatitudeNinetyStored", 3, "N 9 0 0 0 0 INS", 0, 0, 8,
     [](const InsState& ins) { EXPECT_EQ(double{ins.WptLat[3]}, 90.0); }},
    {"LatitudeBeyondNinetyRefused", 3, "N 9 0 0 0 1 INS", 1, 0, 8,
     [](const InsState& ins) {
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
         EXPECT_EQ(double{ins.WptNorth[3]}, 1.0);
         EXPECT_EQ(Entry.EntryLat, 90.001);
     }},
    {"LongitudeOneEightyStored", 3, "E 1 8 0 0 0 0 INS", 0, 0, 9,
     [](const InsState& ins) { EXPECT_EQ(double{ins.WptLon[3]}, 180.0); }},
    {"LongitudeBeyondOneEightyRefused", 3, "E 1 8 0 0 0 1 INS", 1, 0, 9,
     [](const InsState& ins) { EXPECT_EQ(double{ins.WptLon[3]}, 7.5); }},
    {"MinutesNotComparedWithSixty", 3, "N 4 5 9 9 9 INS", 0, 0, 8,
     [](const InsState& ins) { EXPECT_NEAR(double{ins.WptLat[3]}, 46.665, Rounding); }},
    {"RefusedEntryLeftWithClear", 3, "N 9 9 9 9 9 INS CLR", 0, 0, 9,
     [](const InsState& ins) { EXPECT_EQ(double{ins.WptLat[3]}, 45.5); }},
    {"BlankEntryFromIdle", 3, "INS 1 2 3 INS", 0, 0, 5,
     [](const InsState& ins) {
         EXPECT_NEAR(double{ins.WptLat[3]}, 0.205, Rounding);
         EXPECT_EQ(double{ins.WptNorth[3]}, 0.0);
         EXPECT_EQ(double{ins.WptLon[3]}, 0.0);
         EXPECT_EQ(double{ins.WptEast[3]}, 0.0);
     }},
    {"BlankEntryKeysTheHalfKeyedLast", 3, "E 1 INS INS 2 INS", 0, 0, 7,
     [](const InsState& ins) {
         EXPECT_EQ(Entry.EntryLonActive, 1);
         EXPECT_NEAR(double{ins.WptLon[3]}, 0.002 / 0.6, Rounding);
         EXPECT_EQ(double{ins.WptLat[3]}, 0.0);
     }},
    {"HemisphereKeyTypesDigitWhileOpen", 3, "N 8", 1, 0, 3,
     [](const InsState&) {
         EXPECT_EQ(Entry.EntryLat, 0.008);
         EXPECT_EQ(Entry.EntryNorth, 1.0);
     }},
    {"WheelTurnedDuringEntry", 3, "N 4 5 1 2 3 UP INS", 0, 0, 9,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.WptIndex}, 4);
         EXPECT_NEAR(double{ins.WptLat[4]}, 45.205, Rounding);
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
     }},
    {"TrackChangeStoresLeg", 3, "TK 3 7 INS", 0, 0, 4,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.FromWpt}, 3);
         EXPECT_EQ(int32_t{ins.ToWpt}, 7);
     }},
    {"TrackChangeOneDigitKeepsTo", 3, "TK 5 INS", 0, 0, 3,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.FromWpt}, 5);
         EXPECT_EQ(int32_t{ins.ToWpt}, 4);
     }},
    {"TrackChangeThirdDigitIgnored", 3, "TK 1 2 3", 1, 1, 4,
     [](const InsState& ins) {
         EXPECT_EQ(Call(FromDigitCallback), 1.0);
         EXPECT_EQ(Call(ToDigitCallback), 2.0);
         EXPECT_EQ(int32_t{ins.FromWpt}, 1);
         EXPECT_EQ(int32_t{ins.ToWpt}, 4);
     }},
    {"TrackChangeHemisphereKeysArePlainDigits", 3, "TK 2 8 INS", 0, 0, 4,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.FromWpt}, 2);
         EXPECT_EQ(int32_t{ins.ToWpt}, 8);
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
     }},
    {"TrackChangeInsertAloneChangesNothing", 3, "TK INS", 0, 0, 2,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.FromWpt}, 1);
         EXPECT_EQ(int32_t{ins.ToWpt}, 4);
     }},
    // Back to the position entry: the digit position stays where FROM and TO left it (3), so
    // only positions 3 to 5 of the latitude take the next digits.
    {"TrackChangeTwiceReturnsToPositionEntry", 3, "N 4 5 TK 3 7 TK 1 2 3 4", 1, 0, 12,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.FromWpt}, 1);
         EXPECT_EQ(int32_t{ins.ToWpt}, 4);
         EXPECT_EQ(Entry.EntryLat, 45.123);
         EXPECT_EQ(Entry.EntryDigitPos, 7);
     }},
    {"TrackChangeLeavesPositionEntryUnstored", 3, "N 4 5 TK 3 INS", 0, 0, 7,
     [](const InsState& ins) {
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
         EXPECT_EQ(int32_t{ins.FromWpt}, 3);
     }},
    {"DigitsWhileIdleOnlyClick", 3, "0 1 3 5 7 9", 0, 0, 6,
     [](const InsState& ins) {
         EXPECT_EQ(Entry.EntryLat, 0.0);
         EXPECT_EQ(Entry.EntryDigitPos, 0);
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
     }},
    {"ClearInPositionEntryStoresNothing", 3, "N 4 5 CLR", 0, 0, 5,
     [](const InsState& ins) {
         EXPECT_EQ(double{ins.WptLat[3]}, 45.5);
         EXPECT_EQ(Entry.EntryLat, 0.045); // CduEntry keeps its values
         EXPECT_EQ(Entry.EntryDigitPos, 1);
     }},
    {"ClearInTrackChangeStoresNothing", 3, "TK 6 CLR", 0, 0, 3,
     [](const InsState& ins) {
         EXPECT_EQ(int32_t{ins.FromWpt}, 1);
         EXPECT_EQ(Call(FromDigitCallback), 1.0);
     }},
    {"ClearWhileIdle", 3, "CLR", 0, 0, 1,
     [](const InsState&) { EXPECT_EQ(Entry.EntryDigitPos, 1); }},
};

void PrintTo(const KeypadCase& c, std::ostream* os) {
    *os << c.Name << ": " << c.Sequence;
}

class KeypadSequence : public CduTest, public ::testing::WithParamInterface<KeypadCase> {};

TEST_P(KeypadSequence, LeavesStateLampsAndClicks) {
    const KeypadCase& c = GetParam();
    FillFlightPlan(Ins());
    Ins().WptIndex = c.WptIndex;
    PressAll(c.Sequence);
    EXPECT_EQ(Call(InsertButtonCallback), c.InsertLamp);
    EXPECT_EQ(Call(TrackChangeButtonCallback), c.TrackChangeLamp);
    EXPECT_EQ(ClickCount, c.Clicks);
    c.Expect(Ins());
}

INSTANTIATE_TEST_SUITE_P(Cases, KeypadSequence, ::testing::ValuesIn(KeypadCases),
                         [](const auto& info) { return std::string(info.param.Name); });

using Keypad = CduTest;

TEST_F(Keypad, HemisphereKeysOpenAnEntryOnTheWaypointWithTwoClicks) {
    struct {
        const char* Key;
        int32_t LonActive;
        double Lat, Lon, North, East;
    } const cases[] = {
        {"N", 0, 0.0, 7.3, 1.0, 1.0},
        {"S", 0, 0.0, 7.3, 0.0, 1.0},
        {"E", 1, 45.3, 0.0, 1.0, 1.0},
        {"W", 1, 45.3, 0.0, 1.0, 0.0},
    };
    for (const auto& c : cases) {
        SetUp();
        FillFlightPlan(Ins());
        Ins().WptIndex = 3;
        PressAll(c.Key);
        EXPECT_EQ(ClickCount, 2) << c.Key;
        EXPECT_EQ(int32_t{Ins().InsertActive}, 1) << c.Key;
        EXPECT_EQ(Entry.EntryDigitPos, 1) << c.Key;
        EXPECT_EQ(Entry.EntryLonActive, c.LonActive) << c.Key;
        EXPECT_NEAR(Entry.EntryLat, c.Lat, Rounding) << c.Key;
        EXPECT_NEAR(Entry.EntryLon, c.Lon, Rounding) << c.Key;
        EXPECT_EQ(Entry.EntryNorth, c.North) << c.Key;
        EXPECT_EQ(Entry.EntryEast, c.East) << c.Key;
    }
}

// Every keyed latitude and longitude is the double nearest its digits times 0.001, and a keyed
// whole number of degrees is stored as exactly that number.
TEST_F(Keypad, EveryKeyedValueIsExactThousandths) {
    for (int digits = 0; digits < 100000; ++digits) {
        Entry.EntryLonActive = 0;
        Entry.EntryLat = 0.0;
        Entry.EntryDigitPos = 1;
        Ins().InsertActive = 1;
        for (int divisor = 10000; divisor > 0; divisor /= 10)
            KeyDigit(digits / divisor % 10);
        ASSERT_EQ(Entry.EntryLat, digits / 1000.0) << digits;
    }
    for (int digits = 0; digits < 1000000; ++digits) {
        Entry.EntryLonActive = 1;
        Entry.EntryLon = 0.0;
        Entry.EntryDigitPos = 1;
        for (int divisor = 100000; divisor > 0; divisor /= 10)
            KeyDigit(digits / divisor % 10);
        ASSERT_EQ(Entry.EntryLon, digits / 1000.0) << digits;
    }
    for (int degrees = 0; degrees <= 180; ++degrees) {
        Entry.EntryLat = 0.0;
        Entry.EntryLon = degrees;
        Ins().InsertActive = 1;
        Press(InsertHandler);
        ASSERT_EQ(double{Ins().WptLon[0]}, static_cast<double>(degrees));
    }
}

// The half taken over from a waypoint keeps its full value: rounding it to thousandths of a
// minute-form value would move a stored waypoint.
TEST_F(Keypad, TakenOverHalfIsNotRounded) {
    Ins().WptIndex = 6;
    Ins().WptLat[6] = 10.123456789;
    PressAll("E 5 INS");
    EXPECT_NEAR(double{Ins().WptLat[6]}, 10.123456789, Rounding);
}

TEST_F(Keypad, InsertOpensOnlyWhenInsertActiveIsExactlyZero) {
    FillFlightPlan(Ins());
    Ins().WptIndex = 3;
    Ins().InsertActive = 7; // written by another party: not 0, so INSERT stores
    Entry.EntryLat = 12.0;
    Entry.EntryLon = 13.0;
    Press(InsertHandler);
    EXPECT_EQ(double{Ins().WptLat[3]}, 12.0);
    EXPECT_EQ(int32_t{Ins().InsertActive}, 0);
    Ins().InsertActive = 7; // not 1, so keys do not type
    PressAll("N");
    EXPECT_EQ(Entry.EntryLat, 0.0);
    EXPECT_EQ(Entry.EntryNorth, 1.0);
}

TEST_F(Keypad, NotANumberEntryIsRefused) {
    FillFlightPlan(Ins());
    Ins().WptIndex = 3;
    Ins().WptLon[3] = std::numeric_limits<double>::quiet_NaN();
    PressAll("N 1 INS");
    EXPECT_EQ(int32_t{Ins().InsertActive}, 1);
    EXPECT_EQ(double{Ins().WptLat[3]}, 45.5);
}

TEST_F(Keypad, DigitPositionDoesNotOverflow) {
    Ins().InsertActive = 1;
    Entry.EntryDigitPos = std::numeric_limits<int32_t>::max();
    Press(Key5Handler);
    EXPECT_EQ(Entry.EntryDigitPos, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Entry.EntryLat, 0.0);
}

} // namespace
