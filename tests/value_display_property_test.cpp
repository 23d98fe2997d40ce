// Random values and field descriptions: every text fits its buffer, and any
// text that is not the overflow mark reads back, separators and unit taken
// away, to the value in its radix and scale.
#include "valuedisplay/float_field.h"
#include "valuedisplay/number_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using tamri::Separators;
using tamri::ValueText;

constexpr int kCases = 20000;
// A unit of a character no number uses, long enough to be cut.
const std::u16string kUnit(90, u'\u00B0');

std::string narrow(const ValueText& text) { return {text.chars, text.chars + text.length}; }

struct Random {
  std::mt19937 engine{20240307};
  int32_t between(int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(engine);
  }
  bool flip() { return between(0, 1) == 1; }
  // Any int, with small values and the ends of the range as often as large ones.
  int32_t anyInt() {
    const int32_t magnitude = (int32_t[]){INT32_MAX, 2000, 9999999}[between(0, 2)];
    return flip() ? between(-magnitude, magnitude)
                  : (int32_t[]){0, INT32_MIN, INT32_MAX}[between(0, 2)];
  }
  Separators separators() {
    return (Separators[]){{u'.', u','}, {u',', u'.'}, {u'.', u'\''}}[between(0, 2)];
  }
  tamri::TextView unit() { return {kUnit.data(), between(0, 90)}; }
};

// The sign, digits and (when given) decimal point of a text that fits and is
// not the overflow mark (asterisks, or nothing at all for a field of no
// digits): group separators and the unit dropped, the decimal separator made
// a point; empty for an overflow mark.
std::string readable(const ValueText& text, char16_t decimal, int& readBack) {
  EXPECT_LE(text.length, tamri::kLongestValueText);
  EXPECT_EQ(text.chars[text.length], 0);
  std::string kept;
  for (int32_t i = 0; i < text.length; ++i) {
    const char16_t c = text.chars[i];
    if (c == u'*') return {};
    if (c == decimal) kept += '.';
    if (c == u'-' || (c < 0x80 && std::isalnum(static_cast<int>(c)))) kept += static_cast<char>(c);
  }
  if (kept.empty() || kept == "-") return {};
  ++readBack;
  return kept;
}

TEST(ValueDisplayProperties, NumberFieldsFitAndReadBack) {
  Random random;
  int readBack = 0;
  for (int i = 0; i < kCases; ++i) {
    tamri::NumberField f{random.anyInt(),        random.between(0, 37), random.between(-3, 70),
                         random.between(-3, 70), random.flip(),         random.flip(),
                         random.flip()};
    if (random.flip()) f.radix = 10;
    const Separators separators = random.separators();
    const ValueText text = tamri::numberFieldText(f, separators, random.unit());
    SCOPED_TRACE(narrow(text) + " radix " + std::to_string(f.radix));
    std::string shown = readable(text, separators.decimal, readBack);
    std::erase(shown, '.');
    if (shown.empty()) continue;
    const bool negative = shown[0] == '-';
    const int64_t magnitude = std::stoll(shown.substr(negative ? 1 : 0), nullptr, f.radix);
    const int64_t expected =
        f.radix == 10 && !f.isUnsigned ? int64_t{f.value} : int64_t{static_cast<uint32_t>(f.value)};
    EXPECT_EQ(negative ? -magnitude : magnitude, expected);
  }
  EXPECT_GT(readBack, kCases / 4);  // the overflow mark is not the answer to everything
}

TEST(ValueDisplayProperties, FloatFieldsFitAndReadBack) {
  Random random;
  int readBack = 0;
  for (int i = 0; i < kCases; ++i) {
    const float value = static_cast<float>(random.anyInt()) / std::pow(10.0f, random.between(0, 6));
    const tamri::FloatField f{value,         random.between(-3, 45),    random.between(-3, 45),
                              random.flip(), random.between(0, 3) == 0, random.flip()};
    const Separators separators = random.separators();
    const ValueText text = tamri::floatFieldText(f, separators, random.unit());
    SCOPED_TRACE(narrow(text));
    const std::string shown = readable(text, separators.decimal, readBack);
    if (shown.empty()) continue;
    const size_t point = shown.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-7;
    EXPECT_NEAR(std::strtod(shown.c_str(), nullptr), value, tolerance);
  }
  EXPECT_GT(readBack, kCases / 4);
}

}  // namespace
