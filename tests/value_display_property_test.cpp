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

constexpr int kCases = 20000;
// A unit of a character no number uses, long enough to be cut.
const std::u16string kUnit(90, u'\u00B0');

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
  tamri::Separators separators() {
    return (tamri::Separators[]){{u'.', u','}, {u',', u'.'}, {u'.', u'\''}}[between(0, 2)];
  }
  tamri::TextView unit() { return {kUnit.data(), between(0, 90)}; }
};

// The sign, digits and decimal point (made a point) of a text, group
// separators and the unit dropped; empty for an overflow mark (asterisks, or
// nothing at all for a field of no digits).
std::string readable(const tamri::ValueText& text, char16_t decimal) {
  EXPECT_LE(text.length, tamri::kLongestValueText);
  EXPECT_EQ(text.chars[text.length], 0);
  std::string kept;
  for (const char16_t c : std::u16string_view(text.chars, text.length)) {
    if (c == u'*') return {};
    if (c == decimal) kept += '.';
    if (c == u'-' || (c < 0x80 && std::isalnum(static_cast<int>(c)))) kept += static_cast<char>(c);
  }
  return kept == "-" ? "" : kept;
}

TEST(ValueDisplayProperties, NumberFieldsFitAndReadBack) {
  Random random;
  int readBack = 0;  // the overflow mark must not be the answer to everything
  for (int i = 0; i < kCases; ++i) {
    SCOPED_TRACE(i);
    tamri::NumberField f{random.anyInt(),        random.between(0, 37), random.between(-3, 70),
                         random.between(-3, 70), random.flip(),         random.flip(),
                         random.flip()};
    if (random.flip()) f.radix = 10;
    const tamri::Separators separators = random.separators();
    std::string shown =
        readable(tamri::numberFieldText(f, separators, random.unit()), separators.decimal);
    std::erase(shown, '.');
    if (shown.empty()) continue;
    ++readBack;
    const int64_t magnitude = std::stoll(shown.substr(shown[0] == '-'), nullptr, f.radix);
    EXPECT_EQ(shown[0] == '-' ? -magnitude : magnitude,
              f.radix == 10 && !f.isUnsigned ? int64_t{f.value} : int64_t{uint32_t(f.value)});
  }
  EXPECT_GT(readBack, kCases / 4);
}

TEST(ValueDisplayProperties, FloatFieldsFitAndReadBack) {
  Random random;
  int readBack = 0;
  for (int i = 0; i < kCases; ++i) {
    SCOPED_TRACE(i);
    const float value = static_cast<float>(random.anyInt()) / std::pow(10.0f, random.between(0, 6));
    const tamri::FloatField f{value,         random.between(-3, 45),    random.between(-3, 45),
                              random.flip(), random.between(0, 3) == 0, random.flip()};
    const tamri::Separators separators = random.separators();
    const std::string shown =
        readable(tamri::floatFieldText(f, separators, random.unit()), separators.decimal);
    if (shown.empty()) continue;
    ++readBack;
    const int decimals = int(shown.size() - std::min(shown.find('.'), shown.size() - 1) - 1);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-7;
    EXPECT_NEAR(std::strtod(shown.c_str(), nullptr), value, tolerance);
  }
  EXPECT_GT(readBack, kCases / 4);
}

}  // namespace
