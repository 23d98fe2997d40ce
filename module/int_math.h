// Integer rules of the panel: 32-bit int arithmetic wraps (the module is
// built with -fwrapv), divisions truncate towards zero, floating-point values
// become ints by truncation, and stored coordinates are cut to 16 bits.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace tamri {

// Truncates towards zero; NaN and values beyond the int range give the
// target processor's "integer indefinite" value, INT32_MIN.
inline int32_t truncateToInt(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// Truncates towards zero to 64 bits and keeps the low 32 bits; NaN and
// values beyond the 64-bit range give 0, the low word of INT64_MIN.
// Taken apart bit by bit: 32-bit x86 has no SSE2 conversion to 64 bits, and
// the x87 one is kept out of the module so that every build computes alike.
inline int32_t truncateToLow32(double value) {
  if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return 0;
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int32_t biasedExponent = static_cast<int32_t>((bits >> 52) & 0x7FF);
  if (biasedExponent < 1023) return 0;  // |value| < 1, zero and subnormals included
  // value = significand * 2^shift, where the significand has 53 bits.
  const uint64_t significand = (bits & 0xFFFFFFFFFFFFFull) | (1ull << 52);
  const int32_t shift = biasedExponent - 1075;
  const uint64_t magnitude = shift >= 0 ? significand << shift : significand >> -shift;
  const auto low = static_cast<uint32_t>(magnitude);
  return static_cast<int32_t>(bits >> 63 ? 0u - low : low);
}

// Keeps the low 16 bits, sign-extended back to 32 bits.
inline int32_t cutTo16Bits(int32_t value) { return static_cast<int16_t>(value & 0xFFFF); }

inline int16_t truncateToShort(double value) {
  return static_cast<int16_t>(cutTo16Bits(truncateToInt(value)));
}

}  // namespace tamri
