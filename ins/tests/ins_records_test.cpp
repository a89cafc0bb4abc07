// Load values of the module-wide records, and the display they give before the first cycle.
#include "ins_fixture.h"

#include <cstring>

namespace {

class InsRecordsTest : public InsTest {};

TEST_F(InsRecordsTest, LoadValues) {
    EXPECT_STREQ(Display.LeftText, "000000");
    EXPECT_STREQ(Display.RightText, "0000000");
    for (int32_t field : {Display.LeftBlankZeros, Display.RightBlankZeros, Display.LeftUpperDot2,
                          Display.LeftUpperDot5, Display.RightUpperDot3, Display.RightUpperDot6,
                          Display.LeftLowerDot3, Display.LeftLowerDot4, Display.RightLowerDot4,
                          Display.RightLowerDot5, Display.NorthSouthIcon, Display.EastWestIcon,
                          Display.RightSideLetter, Display.AlertActive})
        EXPECT_EQ(field, 0);
    EXPECT_EQ(Entry.EntryLat, 0.0);
    EXPECT_EQ(Entry.EntryDigitPos, 0);
    EXPECT_EQ(Cycle.GroundSpeed, 0);
    EXPECT_EQ(Cycle.PrevDistance, 0.0);
}

TEST_F(InsRecordsTest, PrivateRecordsStartZeroFilled) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(SharedIns);
    for (size_t i = 0; i < sizeof(InsState); ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
    EXPECT_EQ(SharedTransfer->TkeReference, 0);
}

TEST_F(InsRecordsTest, WaypointSlotKeepsEveryIndexInsideTheArrays) {
    EXPECT_EQ(WaypointSlot(0), 0);
    EXPECT_EQ(WaypointSlot(9), 9);
    for (int32_t outside : {-1, 10, 2147483647, -2147483647 - 1})
        EXPECT_EQ(WaypointSlot(outside), 0) << outside;
}

TEST_F(InsRecordsTest, HostVariablesBindInTheirOrder) {
    BindHostVariables();
    EXPECT_EQ(Host.InitializedIds(), (std::vector<int32_t>{0x48, 0x47, 0x4A, 0x3D, 0x51, 0x52, 0x53,
                                                           0x54, 0x55, 0x56, 0x157, 0x158}));
}

} // namespace
