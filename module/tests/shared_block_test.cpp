// Named shared blocks: fresh blocks are zero, a second view sees the first's writes, short
// blocks made by another party are grown or refused, bad names fail cleanly.
#include "module_fixture.h"

#include <cstring>

namespace {

class SharedBlockTest : public ::testing::Test {
  protected:
    std::string Name = UniqueBlockName("block");
    ~SharedBlockTest() override { RemoveSharedBlock(Name.c_str()); }
};

TEST_F(SharedBlockTest, FreshBlockIsZeroAndViewsShareBytes) {
    auto* first = static_cast<unsigned char*>(MapSharedBlock(CreateSharedBlock(424, Name.c_str())));
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 424; ++i)
        ASSERT_EQ(first[i], 0) << i;
    first[423] = 0x5A;

    auto* second =
        static_cast<unsigned char*>(MapSharedBlock(CreateSharedBlock(424, Name.c_str())));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(second[423], 0x5A);
    UnmapSharedBlock(first);
    EXPECT_EQ(second[423], 0x5A);
    UnmapSharedBlock(second);

    // Unmapping every view keeps the block.
    auto* third = static_cast<unsigned char*>(MapSharedBlock(CreateSharedBlock(424, Name.c_str())));
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third[423], 0x5A);
    UnmapSharedBlock(third);
}

TEST_F(SharedBlockTest, ShorterBlockOfAnotherPartyIsGrownOrRefused) {
    void* small = MapSharedBlock(CreateSharedBlock(40, Name.c_str()));
    ASSERT_NE(small, nullptr);
    std::memset(small, 0x11, 40);

    const SharedBlockHandle handle = CreateSharedBlock(424, Name.c_str());
    auto* big = static_cast<unsigned char*>(MapSharedBlock(handle));
    if (big != nullptr) {
        // Where it could be grown: the old bytes stay, the new ones are zero, all touchable.
        EXPECT_EQ(big[39], 0x11);
        EXPECT_EQ(big[423], 0);
        big[423] = 1;
        UnmapSharedBlock(big);
    }
    UnmapSharedBlock(small);
}

TEST_F(SharedBlockTest, BadNamesAndHandlesFailWithoutHarm) {
    EXPECT_EQ(MapSharedBlock(CreateSharedBlock(424, nullptr)), nullptr);
    EXPECT_EQ(MapSharedBlock(SharedBlockHandle{}), nullptr);
    UnmapSharedBlock(nullptr);
    int local = 0;
    UnmapSharedBlock(&local); // never a view: ignored
}

} // namespace
