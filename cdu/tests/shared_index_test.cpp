// A WptIndex outside 0-9, left by another process, must never reach outside the waypoint
// arrays: it indexes waypoint 0, and the thumbwheel steps from it as from 0.
#include "cdu_test_support.h"

#include "controls.h"
#include "keypad.h"

#include <climits>
#include <cstring>
#include <memory>

namespace {

constexpr int32_t ForeignIndexes[] = {-1, 10, INT32_MIN, INT32_MAX};

// The shared record sits alone on the heap, so that the sanitizer sees any access outside it.
class ForeignWptIndex : public CduTest, public ::testing::WithParamInterface<int32_t> {
  protected:
    void SetUp() override {
        CduTest::SetUp();
        SharedIns = Block.get();
        for (int w = 0; w < WaypointCount; ++w) {
            Block->WptLat[w] = 60.0 + w;
            Block->WptLon[w] = 120.0 + w;
            Block->WptNorth[w] = 0.0;
            Block->WptEast[w] = 0.0;
        }
        Block->WptLat[0] = 12.5;
        Block->WptLon[0] = 100.25;
        Block->WptNorth[0] = 1.0;
        Block->WptEast[0] = 1.0;
        Block->WptIndex = GetParam();
    }

    std::unique_ptr<InsState> Block = std::make_unique<InsState>();
};

TEST_P(ForeignWptIndex, HemisphereKeyOpensOnWaypoint0) {
    Press(Key6Handler); // E: keeps the waypoint's latitude
    EXPECT_NEAR(Entry.EntryLat, 12.3, 1e-12);
    EXPECT_EQ(Entry.EntryNorth, 1.0);
    EXPECT_EQ(Entry.EntryEast, 1.0);
    EXPECT_EQ(int32_t{Block->WptIndex}, GetParam());
}

TEST_P(ForeignWptIndex, InsertStoresIntoWaypoint0AndNothingElse) {
    InsState expected = *Block;
    Press(Key2Handler);
    for (MouseHandler key : {Key1Handler, Key1Handler, Key0Handler, Key0Handler, Key0Handler})
        Press(key);
    Press(InsertHandler);

    EXPECT_EQ(double{Block->WptLat[0]}, 11.0);
    EXPECT_NEAR(double{Block->WptLon[0]}, 100.25, 1e-12); // written back up to rounding
    expected.WptLat[0] = 11.0;
    expected.WptLon[0] = Block->WptLon[0];
    EXPECT_EQ(std::memcmp(Block.get(), &expected, sizeof expected), 0);
}

TEST_P(ForeignWptIndex, WheelStepsAsFromZero) {
    Press(WptWheelUpHandler);
    EXPECT_EQ(int32_t{Block->WptIndex}, 1);
    Block->WptIndex = GetParam();
    Press(WptWheelDownHandler);
    EXPECT_EQ(int32_t{Block->WptIndex}, 9);
}

// The digit is a picture number: it is handed on as it stands.
TEST_P(ForeignWptIndex, WptDigitShowsTheValueAsItStands) {
    EXPECT_EQ(Call(WptDigitCallback), static_cast<double>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Values, ForeignWptIndex, ::testing::ValuesIn(ForeignIndexes));

} // namespace
