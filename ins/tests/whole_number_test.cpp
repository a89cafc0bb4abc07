// The double-to-integer conversion at its corners, and modulo-2^32 arithmetic.
#include "whole_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ConversionCase {
    const char* Name;
    double Value;
    int32_t Expected;
};

const ConversionCase ConversionCases[] = {
    {"zero", 0.0, 0},
    {"negative zero", -0.0, 0},
    {"truncates toward zero", 2.9, 2},
    {"negative truncates toward zero", -2.9, -2},
    {"largest int32", 2147483647.0, 2147483647},
    {"one past int32 wraps", 2147483648.0, -2147483647 - 1},
    {"2^32 keeps low bits", 4294967296.0, 0},
    {"2^32 + 5", 4294967301.0, 5},
    {"negative past int32 wraps", -2147483649.0, 2147483647},
    {"just below 2^63 keeps low bits", 9223372036854774784.0, -1024}, // 2^63 - 1024
    {"2^63 gives 0", 9223372036854775808.0, 0},
    {"-2^63 gives 0", -9223372036854775808.0, 0},
    {"huge gives 0", 1e300, 0},
    {"infinity gives 0", std::numeric_limits<double>::infinity(), 0},
    {"minus infinity gives 0", -std::numeric_limits<double>::infinity(), 0},
    {"not a number gives 0", std::numeric_limits<double>::quiet_NaN(), 0},
    {"smallest subnormal", std::numeric_limits<double>::denorm_min(), 0},
};

TEST(WholeNumber, CornerCases) {
    for (const ConversionCase& c : ConversionCases) {
        EXPECT_EQ(WholeNumber(c.Value), c.Expected) << c.Name;
    }
}

TEST(WholeNumber, WrappingArithmeticIsModulo2To32) {
    EXPECT_EQ(WrapAdd(2147483647, 1), -2147483647 - 1);
    EXPECT_EQ(WrapMul(-2147483647 - 1, 10), 0);
    EXPECT_EQ(WrapMul(214748365, 10), -2147483646);
    EXPECT_EQ(WrapMul(-2147483647 - 1, -1), -2147483647 - 1);
}

} // namespace
