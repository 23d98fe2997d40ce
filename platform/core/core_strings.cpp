// Wide-string and memory functions of the platform core. Null texts read as
// empty texts and a null target is left alone, so that no caller's mistake
// reaches memory it does not own.
#include <cstring>

#include "host_trace.h"

namespace {

// Upper case of the letters of Latin-1, Latin Extended-A, Greek and Cyrillic.
unichar upperCase(unichar c) {
  if (c >= u'a' && c <= u'z') return c - 0x20;
  if (c < 0xB5) return c;
  if (c == 0xB5) return 0x039C;  // micro sign
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x0178;
  if (c >= 0x0100 && c <= 0x017F) {
    if (c == 0x0131) return u'I';  // dotless i
    if (c == 0x017F) return u'S';  // long s
    const bool oddLower = (c <= 0x0137) || (c >= 0x014A && c <= 0x0177);
    if (oddLower) return (c & 1) ? c - 1 : c;
    const bool evenLower = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
    if (evenLower) return (c & 1) ? c : c - 1;
    return c;
  }
  if (c >= 0x03B1 && c <= 0x03CB && c != 0x03C2) return c - 0x20;
  if (c == 0x03C2) return 0x03A3;  // final sigma
  if (c >= 0x0430 && c <= 0x044F) return c - 0x20;
  if (c >= 0x0450 && c <= 0x045F) return c - 0x50;
  return c;
}

}  // namespace

extern "C" {

int32_t osUTustrlen(const unichar* text) {
  host::PlatformScope scope;
  if (text == nullptr) return 0;
  int32_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

// Compares code units as unsigned numbers; returns -1, 0 or 1.
int32_t osUTustrncmp(const unichar* a, const unichar* b, int32_t count) {
  host::PlatformScope scope;
  static const unichar empty = 0;
  if (a == nullptr) a = &empty;
  if (b == nullptr) b = &empty;
  for (int32_t i = 0; i < count; ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    if (a[i] == 0) break;
  }
  return 0;
}

unichar* osUTustrcpy(unichar* target, const unichar* source) {
  host::PlatformScope scope;
  if (target == nullptr) return nullptr;
  int32_t i = 0;
  if (source != nullptr) {
    for (; source[i] != 0; ++i) target[i] = source[i];
  }
  target[i] = 0;
  return target;
}

unichar* osUTustrcat(unichar* target, const unichar* source) {
  host::PlatformScope scope;
  if (target == nullptr) return nullptr;
  unichar* end = target;
  while (*end != 0) ++end;
  osUTustrcpy(end, source);
  return target;
}

// Like strrchr: looking for 0 finds the terminator.
unichar* osUTustrrchr(const unichar* text, unichar character) {
  host::PlatformScope scope;
  if (text == nullptr) return nullptr;
  const unichar* found = nullptr;
  for (const unichar* p = text;; ++p) {
    if (*p == character) found = p;
    if (*p == 0) break;
  }
  return const_cast<unichar*>(found);
}

unichar osUTtoupper(unichar character) {
  host::PlatformScope scope;
  return upperCase(character);
}

// Radix 2 to 36 with lower-case digits. In radix 10 a negative value is written
// with "-"; in the other radixes its 32-bit two's complement is written as an
// unsigned number (-1 in radix 16 is "ffffffff"). Any other radix gives the
// empty text.
unichar* osUTitou(int32_t value, unichar* buffer, int32_t radix) {
  host::PlatformScope scope;
  if (buffer == nullptr) return nullptr;
  if (radix < 2 || radix > 36) {
    buffer[0] = 0;
    return buffer;
  }
  const bool negative = radix == 10 && value < 0;
  uint32_t magnitude = static_cast<uint32_t>(value);
  if (negative) magnitude = 0u - magnitude;
  const auto base = static_cast<uint32_t>(radix);
  // Digits are written from the end, straight into the caller's buffer.
  int32_t count = 1;
  if (radix == 10) {
    static constexpr uint32_t kPowers[] = {10,      100,      1000,      10000,     100000,
                                           1000000, 10000000, 100000000, 1000000000};
    for (const uint32_t power : kPowers) count += magnitude >= power ? 1 : 0;  // no branch
  } else {
    for (uint32_t rest = magnitude; rest >= base; rest /= base) ++count;
  }
  unichar* out = buffer + (negative ? 1 : 0) + count;
  *out = 0;
  if (radix == 10) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    while (magnitude >= 100) {
      const uint32_t pair = (magnitude % 100) * 2;
      magnitude /= 100;
      *--out = static_cast<unichar>(kPairs[pair + 1]);
      *--out = static_cast<unichar>(kPairs[pair]);
    }
    if (magnitude >= 10) {
      *--out = static_cast<unichar>(kPairs[magnitude * 2 + 1]);
      *--out = static_cast<unichar>(kPairs[magnitude * 2]);
    } else {
      *--out = static_cast<unichar>(u'0' + magnitude);
    }
  } else {
    do {
      *--out = static_cast<unichar>("0123456789abcdefghijklmnopqrstuvwxyz"[magnitude % base]);
      magnitude /= base;
    } while (magnitude != 0);
  }
  if (negative) buffer[0] = u'-';
  return buffer;
}

// Overlapping ranges are copied correctly.
void* osUTmemcpy(void* target, const void* source, uint32_t size) {
  host::PlatformScope scope;
  if (target != nullptr && source != nullptr && size != 0) std::memmove(target, source, size);
  return target;
}

void* osUTmemset(void* target, int32_t value, uint32_t size) {
  host::PlatformScope scope;
  if (target != nullptr && size != 0) std::memset(target, value, size);
  return target;
}

}  // extern "C"
