// The one conversion of a double to an integer used wherever a value becomes "whole".
#pragma once

#include <cstdint>

// Truncates toward zero and keeps the low 32 bits as a signed number. Infinity, not-a-number and
// magnitudes of 2^63 or more give 0. Defined for every input.
int32_t WholeNumber(double value);

// Signed 32-bit arithmetic taken modulo 2^32, without the undefined behaviour of overflow.
inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
