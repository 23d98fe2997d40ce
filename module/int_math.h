// Integer rules of the panel: 32-bit int arithmetic wraps (the module is
// built with -fwrapv), divisions truncate towards zero, floating-point values
// become ints by truncation, and stored coordinates are cut to 16 bits.
#pragma once

#include <cmath>
#include <cstdint>

namespace tamri {

// Truncates towards zero; NaN and values beyond the int range give the
// target processor's "integer indefinite" value, INT32_MIN.
inline int32_t truncateToInt(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// Truncates towards zero to 64 bits and keeps the low 32 bits; NaN and
// values beyond the 64-bit range give 0, the low word of INT64_MIN.
inline int32_t truncateToLow32(double value) {
  if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)));
}

// Keeps the low 16 bits, sign-extended back to 32 bits.
inline int32_t cutTo16Bits(int32_t value) { return static_cast<int16_t>(value & 0xFFFF); }

inline int16_t truncateToShort(double value) {
  return static_cast<int16_t>(cutTo16Bits(truncateToInt(value)));
}

}  // namespace tamri
