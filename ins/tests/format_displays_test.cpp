// What the displays show for every data-selector position and for an open entry.
#include "format_displays.h"

#include "ins_fixture.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

// The ten flags of CduDisplay in table order, as a string of 0 and 1:
// LeftBlankZeros RightBlankZeros LeftUpperDot2 LeftUpperDot5 RightUpperDot3 RightUpperDot6
// LeftLowerDot3 LeftLowerDot4 RightLowerDot4 RightLowerDot5.
std::string FlagsOf(const CduDisplay& d) {
    std::string flags;
    for (int32_t flag :
         {d.LeftBlankZeros, d.RightBlankZeros, d.LeftUpperDot2, d.LeftUpperDot5, d.RightUpperDot3,
          d.RightUpperDot6, d.LeftLowerDot3, d.LeftLowerDot4, d.RightLowerDot4, d.RightLowerDot5})
        flags += flag == 1 ? '1' : (flag == 0 ? '0' : '?');
    return flags;
}

struct World {
    InsState& Ins;
    InsTransfer& Transfer;
    std::map<int32_t, double>& Sim;
};

struct FormatCase {
    const char* Name;
    std::function<void(World&)> Arrange;
    const char* Left;
    const char* Right;
    const char* Flags;
    int32_t NorthSouth;
    int32_t EastWest;
    int32_t SideLetter;
    std::vector<int32_t> Refreshed; // host variables looked up, in order
};

constexpr int32_t Heading = 0x51, Track = 0x56, WindSpeed = 0x157, WindDirection = 0x158;
constexpr const char* TkGsFlags = "1100000100";
constexpr const char* HdgDaFlags = "1101000100";
constexpr const char* XtkTkeFlags = "1100001000";
constexpr const char* PositionFlags = "0011110101";
constexpr const char* DisTimeFlags = "1100000001";
constexpr const char* WindFlags = "1101000000";

const double Infinity = std::numeric_limits<double>::infinity();

const FormatCase FormatCases[] = {
    {"TK GS truncates the track",
     [](World& w) {
         w.Sim[Track] = 123.45;
         Cycle.GroundSpeed = 450;
     },
     "1012345",
     "1000450",
     TkGsFlags,
     2,
     2,
     0,
     {Track}},
    {"HDG DA positive drift shows L",
     [](World& w) {
         w.Ins.DataSelector = 1;
         w.Sim[Heading] = 90.0;
         InsHostVariables[TrackSlot].Value = 84.7; // refreshed by the cycle, not the branch
     },
     "1009000",
     "1000053",
     HdgDaFlags,
     2,
     2,
     1,
     {Heading}},
    {"HDG DA is not reduced to 180",
     [](World& w) {
         w.Ins.DataSelector = 1;
         w.Sim[Heading] = 359.0;
         InsHostVariables[TrackSlot].Value = 1.0;
     },
     "1035900",
     "1003580",
     HdgDaFlags,
     2,
     2,
     1,
     {Heading}},
    {"HDG DA negative drift shows R",
     [](World& w) {
         w.Ins.DataSelector = 1;
         w.Sim[Heading] = 10.0;
         InsHostVariables[TrackSlot].Value = 20.0;
     },
     "1001000",
     "1000100",
     HdgDaFlags,
     2,
     2,
     2,
     {Heading}},
    {"XTK TKE positive TKE shows R",
     [](World& w) {
         w.Ins.DataSelector = 2;
         w.Ins.CrossTrack = 2.35;
         w.Ins.XtkSide = 2;
         w.Sim[Heading] = 100.0;
         w.Transfer.TkeReference = 95;
     },
     "1002350",
     "1000050",
     XtkTkeFlags,
     2,
     2,
     2,
     {Heading}},
    {"XTK TKE negative TKE shows L",
     [](World& w) {
         w.Ins.DataSelector = 2;
         w.Sim[Heading] = 90.0;
         w.Transfer.TkeReference = 95;
     },
     "1000000",
     "1000050",
     XtkTkeFlags,
     2,
     2,
     1,
     {Heading}},
    {"XTK TKE of zero shows no letter",
     [](World& w) {
         w.Ins.DataSelector = 2;
         w.Sim[Heading] = 95.0;
         w.Transfer.TkeReference = 95;
         Display.RightSideLetter = 2;
     },
     "1000000",
     "1000000",
     XtkTkeFlags,
     2,
     2,
     0,
     {Heading}},
    {"POS shows the present position and its letters",
     [](World& w) {
         w.Ins.DataSelector = 3;
         w.Ins.PresentLat = 49.5;
         w.Ins.PresentNorth = 1;
         w.Ins.PresentLon = 11.25;
         w.Ins.PresentEast = 1;
         Display.RightSideLetter = 2; // only HDG DA and XTK TKE write the letter
     },
     "1493000",
     "1011150",
     PositionFlags,
     1,
     1,
     2,
     {}},
    {"WPT of a waypoint never set shows zeros, S and W",
     [](World& w) {
         w.Ins.DataSelector = 4;
         w.Ins.WptIndex = 3;
     },
     "1000000",
     "1000000",
     PositionFlags,
     0,
     0,
     0,
     {}},
    {"WPT shows the selected waypoint",
     [](World& w) {
         w.Ins.DataSelector = 4;
         w.Ins.WptIndex = 9;
         w.Ins.WptLat[9] = 45.205;
         w.Ins.WptNorth[9] = 1.0;
         w.Ins.WptLon[9] = 11.25;
         w.Ins.WptEast[9] = 0.0;
     },
     "1451230",
     "1011150",
     PositionFlags,
     1,
     0,
     0,
     {}},
    {"WPT with a WptIndex outside 0-9 shows waypoint 0",
     [](World& w) {
         w.Ins.DataSelector = 4;
         w.Ins.WptIndex = 1000000;
         w.Ins.WptLat[0] = 49.5;
         w.Ins.WptNorth[0] = 1.0;
     },
     "1493000",
     "1000000",
     PositionFlags,
     1,
     0,
     0,
     {}},
    {"DIS TIME has no offset",
     [](World& w) {
         w.Ins.DataSelector = 5;
         w.Ins.DistanceToGo = 123.7;
         Cycle.TimeToGo = 16.49;
     },
     "   123",
     "    164",
     DisTimeFlags,
     2,
     2,
     0,
     {}},
    {"DIS TIME with an infinite time shows 0",
     [](World& w) {
         w.Ins.DataSelector = 5;
         w.Ins.DistanceToGo = 100000.0;
         Cycle.TimeToGo = Infinity;
     },
     "100000",
     "      0",
     DisTimeFlags,
     2,
     2,
     0,
     {}},
    {"WIND refreshes speed then direction",
     [](World& w) {
         w.Ins.DataSelector = 6;
         w.Sim[WindDirection] = 270.6;
         w.Sim[WindSpeed] = 15.2;
     },
     "   270",
     "     15",
     WindFlags,
     2,
     2,
     0,
     {WindSpeed, WindDirection}},
    {"DSR TK STS",
     [](World& w) {
         w.Ins.DataSelector = 7;
         w.Ins.DesiredTrack = 95;
         w.Ins.StatusCode = 4;
     },
     "1000950",
     "1000004",
     WindFlags,
     2,
     2,
     0,
     {}},
    {"DSR TK STS wraps instead of overflowing",
     [](World& w) {
         w.Ins.DataSelector = 7;
         w.Ins.DesiredTrack = 2147483647;
         w.Ins.StatusCode = 2147483647;
     },
     "999990",
     "-2146483649",
     WindFlags,
     2,
     2,
     0,
     {}},
    {"an open entry wins over the data selector",
     [](World& w) {
         w.Ins.DataSelector = 0;
         w.Ins.InsertActive = 1;
         Entry.EntryLat = 49.305;
         Entry.EntryLon = 11.15;
         Entry.EntryNorth = 1.0;
         Entry.EntryEast = 1.0;
     },
     "1493050",
     "10111500",
     PositionFlags,
     1,
     1,
     0,
     {}},
    {"an entry of keyed thousandths shows every digit",
     [](World& w) {
         w.Ins.InsertActive = 1;
         Entry.EntryLat = 45.123;
         Entry.EntryLon = 82.582;
     },
     "1451230",
     "10825820",
     PositionFlags,
     0,
     0,
     0,
     {}},
    {"InsertActive other than 1 still opens the entry branch",
     [](World& w) {
         w.Ins.InsertActive = -7;
         Entry.EntryLat = 0.049;
     },
     "1000490",
     "10000000",
     PositionFlags,
     0,
     0,
     0,
     {}},
    {"a track change entry shows the data selector's values",
     [](World& w) {
         w.Ins.DataSelector = 3;
         w.Ins.InsertActive = 1;
         w.Ins.TrackChangeActive = 1;
         Entry.EntryLat = 49.305;
     },
     "1000000",
     "1000000",
     PositionFlags,
     0,
     0,
     0,
     {}},
};

class FormatDisplaysTest : public InsTest {};

TEST_F(FormatDisplaysTest, EveryBranch) {
    for (const FormatCase& c : FormatCases) {
        ResetModuleRecords();
        ResetHostVariables();
        Host.Values.clear();
        Host.Calls.clear();
        World world{Ins(), Transfer(), Host.Values};
        c.Arrange(world);

        FormatDisplays();

        EXPECT_STREQ(Display.LeftText, c.Left) << c.Name;
        EXPECT_STREQ(Display.RightText, c.Right) << c.Name;
        EXPECT_EQ(FlagsOf(Display), c.Flags) << c.Name;
        EXPECT_EQ(Display.NorthSouthIcon, c.NorthSouth) << c.Name;
        EXPECT_EQ(Display.EastWestIcon, c.EastWest) << c.Name;
        EXPECT_EQ(Display.RightSideLetter, c.SideLetter) << c.Name;
        EXPECT_EQ(Host.LookedUpIds(), c.Refreshed) << c.Name;
    }
}

TEST_F(FormatDisplaysTest, SelectorOutsideItsPositionsKeepsEverything) {
    for (int32_t selector : {8, -1, 2147483647, -2147483647 - 1}) {
        Ins().DataSelector = 3;
        Ins().PresentLat = 12.5;
        FormatDisplays();
        const CduDisplay before = Display;

        Ins().DataSelector = selector;
        Ins().PresentLat = 33.0;
        FormatDisplays();

        EXPECT_STREQ(Display.LeftText, before.LeftText) << selector;
        EXPECT_STREQ(Display.RightText, before.RightText) << selector;
        EXPECT_EQ(FlagsOf(Display), FlagsOf(before)) << selector;
        EXPECT_EQ(Display.NorthSouthIcon, before.NorthSouthIcon) << selector;
    }
}

TEST_F(FormatDisplaysTest, GarbageInSharedFieldsStaysInsideTheTexts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double value : {nan, Infinity, -Infinity, 1e300, -1e300, -2147483649.0}) {
        Ins().PresentLat = value;
        Ins().PresentLon = value;
        Ins().CrossTrack = value;
        Ins().DistanceToGo = value;
        Entry.EntryLat = value;
        Entry.EntryLon = value;
        Host.Values[Heading] = value;
        for (int32_t selector = 0; selector < 8; ++selector) {
            Ins().DataSelector = selector;
            Ins().InsertActive = selector == 7;
            FormatDisplays();
            EXPECT_LT(std::string(Display.LeftText).size(), size_t{DisplayTextSize});
            EXPECT_LT(std::string(Display.RightText).size(), size_t{DisplayTextSize});
        }
    }
}

} // namespace

namespace {

// Every keyed latitude and longitude (the nearest double to its digits times 0.001) shows
// exactly its digits. In x87 extended precision some of these read one lower (45123 as 45122);
// the same table runs in every build.
TEST_F(FormatDisplaysTest, EveryKeyedEntryShowsExactlyItsDigits) {
    Ins().InsertActive = 1;
    int wrong = 0;
    for (int digits = 0; digits <= 99999 && wrong < 5; ++digits) {
        Entry.EntryLat = digits / 1000.0;
        Entry.EntryLon = (digits * 10 + 7) / 1000.0; // six digits
        FormatDisplays();
        char left[DisplayTextSize], right[DisplayTextSize];
        std::snprintf(left, sizeof left, "%d", 1000000 + digits * 10);
        std::snprintf(right, sizeof right, "%d", 10000000 + (digits * 10 + 7) * 10);
        if (std::string(Display.LeftText) != left || std::string(Display.RightText) != right) {
            ++wrong;
            ADD_FAILURE() << "keyed " << digits << ": shows " << Display.LeftText << " "
                          << Display.RightText << ", expected " << left << " " << right;
        }
    }
}

} // namespace
