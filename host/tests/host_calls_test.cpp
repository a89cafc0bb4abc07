// The module side of the host calls: the import table's shape, and calls with and without a host.
#include "host_calls.h"

#include <gtest/gtest.h>

namespace {

int32_t lookUps = 0;
int32_t PANEL_CALL CountingLookUp(HostVariable* variable) {
    ++lookUps;
    variable->Value = 42.0;
    return 7;
}

TEST(HostCalls, ImportTableStartsEmptyWithItsVersion) {
    EXPECT_EQ(ImportTable.Version, 0x0F);
    EXPECT_TRUE(ImportTable.Table == nullptr); // compared by value: the field is packed
}

TEST(HostCalls, CallsWithoutAHostDoNothing) {
    ImportTable.Table = nullptr;
    HostVariable variable{};
    EXPECT_EQ(host::LookUpHostVariable(&variable), 0);
    StaticImage root{};
    EXPECT_EQ(host::LoadedPictureSize(root), nullptr);
}

TEST(HostCalls, CallsReachTheHostsSlot) {
    HostFunctionTable table{};
    table.LookUpHostVariable = CountingLookUp;
    ImportTable.Table = &table;
    HostVariable variable{};
    EXPECT_EQ(host::LookUpHostVariable(&variable), 7);
    EXPECT_EQ(double{variable.Value}, 42.0); // a copy: the field is packed
    EXPECT_EQ(lookUps, 1);
    EXPECT_EQ(host::InitializeHostVariable(&variable), 0); // empty slot
    ImportTable.Table = nullptr;
}

} // namespace
