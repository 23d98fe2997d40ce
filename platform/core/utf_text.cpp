#include "utf_text.h"

namespace morv {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

size_t uniLength(const unichar* text) {
  if (text == nullptr) return 0;
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

void appendUtf16(UniString& out, char32_t codePoint) {
  if (codePoint >= 0x10000) {
    codePoint -= 0x10000;
    out += static_cast<unichar>(0xD800 + (codePoint >> 10));
    out += static_cast<unichar>(0xDC00 + (codePoint & 0x3FF));
  } else {
    out += static_cast<unichar>(codePoint);
  }
}

std::string toUtf8(const unichar* text, size_t count) {
  std::string out;
  if (text == nullptr) return out;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    char32_t unit = text[i];
    if (isHighSurrogate(unit) && i + 1 < count && isLowSurrogate(text[i + 1])) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
      unit = kReplacement;
    }
    appendUtf8(out, unit);
  }
  return out;
}

std::string toUtf8(const UniString& text) { return toUtf8(text.data(), text.size()); }

char32_t decodeUtf8(std::string_view text, size_t& index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  int trailing = 0;
  char32_t codePoint = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++index;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    trailing = 1, codePoint = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    trailing = 2, codePoint = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    trailing = 3, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    ++index;
    return kReplacement;
  }
  if (index + trailing >= text.size()) {
    ++index;
    return kReplacement;
  }
  for (int k = 1; k <= trailing; ++k) {
    const auto next = static_cast<unsigned char>(text[index + k]);
    if ((next & 0xC0) != 0x80) {
      ++index;
      return kReplacement;
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || isHighSurrogate(codePoint) ||
      isLowSurrogate(codePoint)) {
    ++index;
    return kReplacement;
  }
  index += trailing + 1;
  return codePoint;
}

UniString fromUtf8(std::string_view text) {
  UniString out;
  out.reserve(text.size());
  size_t index = 0;
  while (index < text.size()) appendUtf16(out, decodeUtf8(text, index));
  return out;
}

}  // namespace morv
