// The text of a displayed value: a zero-terminated wide string in a fixed
// buffer of 80 characters, built on the stack. Every operation cuts at the
// buffer's end, so no field description or unit text can pass it.
#pragma once

#include "module/vm_strings.h"

#include <algorithm>
#include <cstdint>

namespace tamri {

inline constexpr int32_t kValueTextCapacity = 80;  // characters, terminator included
inline constexpr int32_t kLongestValueText = kValueTextCapacity - 1;

struct ValueText {
  unichar chars[kValueTextCapacity];
  int32_t length = 0;

  ValueText() { chars[0] = 0; }

  int32_t room() const { return kLongestValueText - length; }
  void clear() {
    length = 0;
    chars[0] = 0;
  }

  void append(unichar c, int32_t count = 1) {
    const int32_t n = std::clamp(count, 0, room());
    std::fill_n(chars + length, n, c);
    length += n;
    chars[length] = 0;
  }
  void append(const unichar* text, int32_t count) {
    const int32_t n = std::clamp(count, 0, room());
    std::copy_n(text, n, chars + length);
    length += n;
    chars[length] = 0;
  }
  void append(const TextView& text) { append(text.chars, text.count); }

  // Puts `count` characters `c` in front of position `at`; what would pass
  // the buffer's end is cut off.
  void insert(int32_t at, unichar c, int32_t count) {
    at = std::clamp(at, 0, length);
    const int32_t n = std::clamp(count, 0, kLongestValueText - at);
    const int32_t kept = std::min(length - at, kLongestValueText - at - n);
    for (int32_t i = at + kept - 1; i >= at; --i) chars[i + n] = chars[i];  // short: no call
    for (int32_t i = at; i < at + n; ++i) chars[i] = c;
    length = at + n + kept;
    chars[length] = 0;
  }
  // Keeps only the last `count` characters.
  void keepLast(int32_t count) {
    const int32_t n = std::clamp(count, 0, length);
    std::copy(chars + length - n, chars + length + 1, chars);
    length = n;
  }
  void fill(unichar c) { std::fill_n(chars, length, c); }
};

}  // namespace tamri
