// Named fields land at their offsets, convert like the rest of the system, and unknown names fail.
#include "ins_fields.h"

#include "ins_fixture.h"

#include <cmath>
#include <functional>

namespace {

class InsFieldsTest : public InsTest {};

TEST_F(InsFieldsTest, NamesReachTheirFields) {
    struct {
        const char* Name;
        double Value;
        std::function<double()> Read;
    } cases[] = {
        {"DistanceToGo", 15.5, [&] { return Ins().DistanceToGo; }},
        {"WptLat[9]", 45.205, [&] { return Ins().WptLat[9]; }},
        {"WptEast[0]", 1.0, [&] { return Ins().WptEast[0]; }},
        {"PresentNorth", 1.9, [&] { return double(Ins().PresentNorth); }}, // truncated to 1
        {"StatusCode", -4.0, [&] { return double(Ins().StatusCode); }},
        {"TkeReference", 95.0, [&] { return double(Transfer().TkeReference); }},
    };
    for (const auto& c : cases) {
        const FieldRef* field = FindField(c.Name);
        ASSERT_NE(field, nullptr) << c.Name;
        WriteField(*field, c.Value, Ins(), Transfer());
        EXPECT_EQ(c.Read(), ReadField(*field, Ins(), Transfer())) << c.Name;
        EXPECT_EQ(c.Read(), field->Type == FieldType::Int32 ? std::trunc(c.Value) : c.Value)
            << c.Name;
    }
}

TEST_F(InsFieldsTest, UnknownNamesAndOwnership) {
    for (const char* name : {"", "WptLat[10]", "WptLat", "distancetogo", "SpareWord"})
        EXPECT_EQ(FindField(name), nullptr) << name;
    EXPECT_TRUE(IsNavigationSourceField(*FindField("PresentLat")));
    EXPECT_FALSE(IsNavigationSourceField(*FindField("WptIndex")));
    EXPECT_EQ(AllFields().size(), 4u * 10 + 17 + 1);
}

} // namespace
