// The wide printf of the platform core. Integers and texts are written here
// as C's printf writes them; every other conversion is handed, with its
// flags, width and precision resolved to numbers, to the C library's narrow
// formatter and widened afterwards.
#if defined(_WIN32) && !defined(__USE_MINGW_ANSI_STDIO)
#define __USE_MINGW_ANSI_STDIO 1  // C99 formatting, as on the other hosts
#endif

#include <charconv>
#include <clocale>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "host_trace.h"
#include "utf_text.h"
#include "wide_format.h"

namespace {

// Limits a single conversion to a known size, so that it always fits the
// narrow scratch buffer: up to 4933 digits of the largest long double, a point, the
// precision and room for sign and exponent.
constexpr int kMaxWidthOrPrecision = 512;
constexpr size_t kScratchSize = 6144;  // also the largest long double

struct WideWriter {
  unichar* buffer;
  int32_t capacity;  // characters, terminator included
  int32_t written = 0;

  void put(unichar c) {
    if (written < capacity - 1) buffer[written++] = c;
  }
  void repeat(unichar c, int count) {
    for (int i = 0; i < count; ++i) put(c);
  }
  void terminate() {
    if (capacity > 0) buffer[written] = 0;
  }
};

struct Directive {
  char flags[8] = {};
  int flagCount = 0;
  bool leftAlign = false;

  bool has(char flag) const { return std::memchr(flags, flag, static_cast<size_t>(flagCount)); }
  int width = -1;      // -1: none
  int precision = -1;  // -1: none
  char length[3] = {};
  char conversion = 0;

  void addFlag(char flag) {
    if (flagCount < 7 && std::strchr(flags, flag) == nullptr) flags[flagCount++] = flag;
    if (flag == '-') leftAlign = true;
  }
};

int clampLimit(int value) { return value > kMaxWidthOrPrecision ? kMaxWidthOrPrecision : value; }

// Builds the narrow pattern "%<flags><width>.<precision><length><conversion>".
void narrowPattern(const Directive& directive, const char* length, char* out, size_t size) {
  char* p = out;
  char* const end = out + size - 1;
  *p++ = '%';
  for (int i = 0; i < directive.flagCount && p < end; ++i) *p++ = directive.flags[i];
  if (directive.width >= 0) p = std::to_chars(p, end, directive.width).ptr;
  if (directive.precision >= 0 && p < end) {
    *p++ = '.';
    p = std::to_chars(p, end, directive.precision).ptr;
  }
  while (*length != 0 && p < end) *p++ = *length++;
  if (p < end) *p++ = directive.conversion;
  *p = 0;
}

void writeNarrow(WideWriter& out, const char* text, int length) {
  for (int i = 0; i < length; ++i) out.put(static_cast<unsigned char>(text[i]));
}

// The decimal point is always ".", whatever the host's numeric locale says.
void normaliseDecimalPoint(char* text, int length) {
  const char* point = std::localeconv()->decimal_point;
  if (point == nullptr || point[0] == '.' || point[0] == 0 || point[1] != 0) return;
  for (int i = 0; i < length; ++i) {
    if (text[i] == point[0]) {
      text[i] = '.';
      return;
    }
  }
}

void writePadded(WideWriter& out, const Directive& directive, const unichar* text, int length) {
  const int padding = directive.width > length ? directive.width - length : 0;
  if (!directive.leftAlign) out.repeat(u' ', padding);
  for (int i = 0; i < length; ++i) out.put(text[i]);
  if (directive.leftAlign) out.repeat(u' ', padding);
}

void writeWideText(WideWriter& out, const Directive& directive, const unichar* text) {
  static const unichar kNull[] = {u'(', u'n', u'u', u'l', u'l', u')', 0};
  if (text == nullptr) text = kNull;
  int length = 0;
  while (text[length] != 0 && (directive.precision < 0 || length < directive.precision)) ++length;
  writePadded(out, directive, text, length);
}

void writeNarrowText(WideWriter& out, const Directive& directive, const char* text) {
  if (text == nullptr) text = "(null)";
  size_t bytes = 0;
  while (text[bytes] != 0) ++bytes;
  morv::UniString wide = morv::fromUtf8(std::string_view(text, bytes));
  int length = static_cast<int>(wide.size());
  if (directive.precision >= 0 && length > directive.precision) length = directive.precision;
  writePadded(out, directive, wide.data(), length);
}

template <typename Value>
void writeNumber(WideWriter& out, const Directive& directive, const char* length, Value value) {
  char format[64];
  narrowPattern(directive, length, format, sizeof format);
  char scratch[kScratchSize];
  int count = std::snprintf(scratch, sizeof scratch, format, value);
  if (count < 0) return;
  if (count >= static_cast<int>(sizeof scratch)) count = sizeof scratch - 1;
  normaliseDecimalPoint(scratch, count);
  writeNarrow(out, scratch, count);
}

// An integer as C's printf writes it: the precision is the least number of
// digits (none for 0 at precision 0), "#" puts "0" before octal and "0x"
// before non-zero hexadecimal digits, "+" and " " mark signed values, and
// "0" pads with zeros after the sign unless a precision or "-" is given.
void writeIntegerText(WideWriter& out, const Directive& directive, bool negative,
                      unsigned long long magnitude) {
  const char conversion = directive.conversion;
  const bool isSigned = conversion == 'd' || conversion == 'i';
  const int base = conversion == 'o' ? 8 : (conversion == 'x' || conversion == 'X') ? 16 : 10;
  char digits[24];
  int count =
      static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude, base).ptr - digits);
  if (directive.precision == 0 && magnitude == 0) count = 0;
  if (conversion == 'X') {
    for (int i = 0; i < count; ++i) {
      if (digits[i] >= 'a') digits[i] = static_cast<char>(digits[i] - 'a' + 'A');
    }
  }
  int zeros = directive.precision > count ? directive.precision - count : 0;
  if (base == 8 && directive.has('#') && zeros == 0 && (count == 0 || digits[0] != '0')) zeros = 1;

  char prefix[2];
  int prefixLength = 0;
  if (isSigned && negative) {
    prefix[prefixLength++] = '-';
  } else if (isSigned && directive.has('+')) {
    prefix[prefixLength++] = '+';
  } else if (isSigned && directive.has(' ')) {
    prefix[prefixLength++] = ' ';
  } else if (base == 16 && directive.has('#') && magnitude != 0) {
    prefix[prefixLength++] = '0';
    prefix[prefixLength++] = conversion;
  }
  const int length = prefixLength + zeros + count;
  const int padding = directive.width > length ? directive.width - length : 0;
  const bool zeroPadded = directive.has('0') && !directive.leftAlign && directive.precision < 0;

  if (!directive.leftAlign && !zeroPadded) out.repeat(u' ', padding);
  writeNarrow(out, prefix, prefixLength);
  out.repeat(u'0', zeros + (zeroPadded ? padding : 0));
  writeNarrow(out, digits, count);
  if (directive.leftAlign) out.repeat(u' ', padding);
}

void writeInteger(WideWriter& out, const Directive& directive, va_list& arguments) {
  const bool isSigned = directive.conversion == 'd' || directive.conversion == 'i';
  const std::string_view length = directive.length;
  // Every integer is widened to long long, after narrowing to the argument's
  // own size so that "%hu" of -1 gives 65535.
  long long value;
  if (length == "ll" || length == "j") {
    value = va_arg(arguments, long long);
  } else if (length == "l") {
    value = va_arg(arguments, long);
  } else if (length == "z" || length == "t") {
    value = static_cast<long long>(va_arg(arguments, ptrdiff_t));
  } else {
    value = va_arg(arguments, int);
  }
  if (isSigned) {
    if (length == "hh") value = static_cast<signed char>(value);
    if (length == "h") value = static_cast<short>(value);
    if (length == "l") value = static_cast<long>(value);
    if (length.empty()) value = static_cast<int>(value);
    const unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    writeIntegerText(out, directive, value < 0, magnitude);
    return;
  }
  unsigned long long unsignedValue = static_cast<unsigned long long>(value);
  if (length == "hh") unsignedValue = static_cast<unsigned char>(value);
  if (length == "h") unsignedValue = static_cast<unsigned short>(value);
  if (length == "l") unsignedValue = static_cast<unsigned long>(value);
  if (length == "z" || length == "t") unsignedValue = static_cast<size_t>(value);
  if (length.empty()) unsignedValue = static_cast<unsigned int>(value);
  writeIntegerText(out, directive, false, unsignedValue);
}

void writeFloating(WideWriter& out, const Directive& directive, va_list& arguments) {
  if (std::string_view(directive.length) == "L") {
    writeNumber(out, directive, "L", va_arg(arguments, long double));
  } else {
    writeNumber(out, directive, "", va_arg(arguments, double));
  }
}

void writeCharacter(WideWriter& out, const Directive& directive, va_list& arguments) {
  const int value = va_arg(arguments, int);
  unichar character;
  if (std::string_view(directive.length) == "h") {
    character = static_cast<unsigned char>(value);  // a narrow, Latin-1 character
  } else {
    character = static_cast<unichar>(value);
  }
  Directive plain = directive;
  plain.precision = -1;
  writePadded(out, plain, &character, 1);
}

bool isFlag(unichar c) { return c == u'-' || c == u'+' || c == u' ' || c == u'0' || c == u'#'; }
bool isDigit(unichar c) { return c >= u'0' && c <= u'9'; }

int readNumber(const unichar*& p) {
  long long value = 0;
  while (isDigit(*p)) {
    if (value < kMaxWidthOrPrecision) value = value * 10 + (*p - u'0');
    ++p;
  }
  return static_cast<int>(value);
}

// Reads the length modifier; "I64" and "I32" are accepted as on Windows.
void readLength(const unichar*& p, Directive& directive) {
  auto set = [&directive](const char* text, int advance, const unichar*& q) {
    std::strcpy(directive.length, text);
    q += advance;
  };
  switch (*p) {
    case u'h':
      p[1] == u'h' ? set("hh", 2, p) : set("h", 1, p);
      break;
    case u'l':
      p[1] == u'l' ? set("ll", 2, p) : set("l", 1, p);
      break;
    case u'j':
      set("j", 1, p);
      break;
    case u'z':
      set("z", 1, p);
      break;
    case u't':
      set("t", 1, p);
      break;
    case u'L':
      set("L", 1, p);
      break;
    case u'I':
      if (p[1] == u'6' && p[2] == u'4') set("ll", 3, p);
      if (p[1] == u'3' && p[2] == u'2') set("", 3, p);
      break;
    default:
      break;
  }
}

// Formats one conversion starting after its "%"; returns false when the
// conversion is unknown, in which case it is copied as written.
bool formatConversion(WideWriter& out, const unichar*& p, va_list& arguments) {
  Directive directive;
  while (isFlag(*p)) directive.addFlag(static_cast<char>(*p++));
  if (*p == u'*') {
    ++p;
    int width = va_arg(arguments, int);
    if (width < 0) {
      directive.addFlag('-');
      width = width == INT32_MIN ? kMaxWidthOrPrecision : -width;
    }
    directive.width = clampLimit(width);
  } else if (isDigit(*p)) {
    directive.width = clampLimit(readNumber(p));
  }
  if (*p == u'.') {
    ++p;
    if (*p == u'*') {
      ++p;
      const int precision = va_arg(arguments, int);
      directive.precision = precision < 0 ? -1 : clampLimit(precision);
    } else {
      directive.precision = clampLimit(readNumber(p));
    }
  }
  readLength(p, directive);
  const unichar conversion = *p;
  if (conversion == 0 || conversion > 0x7F) return false;
  directive.conversion = static_cast<char>(conversion);
  ++p;
  switch (directive.conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      writeInteger(out, directive, arguments);
      return true;
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
      writeFloating(out, directive, arguments);
      return true;
    case 'c':
      writeCharacter(out, directive, arguments);
      return true;
    case 'C':
      directive.length[0] = 'h', directive.length[1] = 0;
      writeCharacter(out, directive, arguments);
      return true;
    case 's':
      if (std::string_view(directive.length) == "h") {
        writeNarrowText(out, directive, va_arg(arguments, const char*));
      } else {
        writeWideText(out, directive, va_arg(arguments, const unichar*));
      }
      return true;
    case 'S':
      writeNarrowText(out, directive, va_arg(arguments, const char*));
      return true;
    case 'p':
      directive.length[0] = 0;
      writeNumber(out, directive, "", va_arg(arguments, void*));
      return true;
    case '%':
      out.put(u'%');
      return true;
    default:
      --p;
      return false;
  }
}

}  // namespace

namespace morv {

int32_t formatWide(unichar* buffer, int32_t capacity, const unichar* format, va_list arguments) {
  if (buffer == nullptr || capacity <= 0) return 0;
  WideWriter out{buffer, capacity};
  if (format != nullptr) {
    va_list remaining;
    va_copy(remaining, arguments);
    for (const unichar* p = format; *p != 0;) {
      if (*p != u'%') {
        out.put(*p++);
        continue;
      }
      const unichar* start = p++;
      if (!formatConversion(out, p, remaining)) {
        // Unknown conversions are copied as written, up to where reading stopped.
        for (const unichar* q = start; q < p; ++q) out.put(*q);
        if (*p != 0) out.put(*p++);
      }
    }
    va_end(remaining);
  }
  out.terminate();
  return out.written;
}

}  // namespace morv

extern "C" {

int32_t osUTvusnprintf(unichar* buffer, int32_t capacity, const unichar* format,
                       va_list arguments) {
  host::PlatformScope scope;
  try {
    return morv::formatWide(buffer, capacity, format, arguments);
  } catch (...) {
    if (buffer != nullptr && capacity > 0) buffer[0] = 0;
    return 0;
  }
}

int32_t osUTusnprintf(unichar* buffer, int32_t capacity, const unichar* format, ...) {
  host::PlatformScope scope;
  va_list arguments;
  va_start(arguments, format);
  const int32_t written = osUTvusnprintf(buffer, capacity, format, arguments);
  va_end(arguments);
  return written;
}

int32_t osUTusprintf(unichar* buffer, const unichar* format, ...) {
  host::PlatformScope scope;
  va_list arguments;
  va_start(arguments, format);
  const int32_t written = osUTvusnprintf(buffer, INT32_MAX, format, arguments);
  va_end(arguments);
  return written;
}

}  // extern "C"
