// Double to integer conversion by truncation, defined for every input.
#include "whole_number.h"

#include <cmath>

int32_t WholeNumber(double value) {
    constexpr double TwoTo63 = 9223372036854775808.0;
    if (!std::isfinite(value) || std::fabs(value) >= TwoTo63)
        return 0;
    const auto truncated = static_cast<int64_t>(value); // in range, so defined
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(truncated)));
}
