// Random values and field descriptions: every float text fits its buffer and
// reads back, separators and unit taken away, to the value as printf rounds
// it; dates and times read as the C library's calendar gives them.
#include "valuedisplay/date_time.h"
#include "valuedisplay/float_field.h"
#include "valuedisplay/number_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>

namespace {

using tamri::Separators;
using tamri::ValueText;

constexpr int kCases = 20000;
// The unit is made of a character no number uses.
constexpr char16_t kUnitChar = u'\u00B0';

const Separators kSeparatorChoices[] = {
    {u'.', u','}, {u',', u'.'}, {u'.', u'\''}, {u',', u'\u00A0'}, {u'.', u' '}};

std::u16string textOf(const ValueText& text) { return {text.chars, text.chars + text.length}; }

// Takes the unit off the end and checks that it was kept as far as it fits.
std::u16string withoutUnit(const ValueText& text, size_t unitLength) {
  std::u16string s = textOf(text);
  size_t kept = 0;
  while (!s.empty() && s.back() == kUnitChar) s.pop_back(), ++kept;
  EXPECT_EQ(kept, std::min(unitLength, static_cast<size_t>(tamri::kLongestValueText) - s.size()));
  return s;
}

std::u16string without(std::u16string s, char16_t c) {
  std::erase(s, c);
  return s;
}

std::string narrow(const std::u16string& s) { return {s.begin(), s.end()}; }

class Random {
 public:
  int32_t between(int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(engine_);
  }
  bool flip() { return between(0, 1) == 1; }
  float anyFloat() {
    switch (between(0, 3)) {
      case 0: {
        float value;
        do value = std::bit_cast<float>(static_cast<uint32_t>(between(INT32_MIN, INT32_MAX)));
        while (!std::isfinite(value));
        return value;
      }
      case 1:
        return static_cast<float>(between(-20000, 20000)) / 4.0f;
      default:
        return static_cast<float>(std::uniform_real_distribution<double>(-1, 1)(engine_) *
                                  std::pow(10.0, between(-3, 9)));
    }
  }
  Separators separators() { return kSeparatorChoices[between(0, 4)]; }

 private:
  std::mt19937 engine_{20240307};
};

TEST(ValueDisplayProperties, FloatFieldsFitAndReadBack) {
  Random random;
  for (int i = 0; i < kCases; ++i) {
    tamri::FloatField f;
    f.value = random.anyFloat();
    f.integerDigits = random.between(-3, 45);
    f.decimals = random.between(-3, 45);
    f.zeros = random.flip();
    f.autoDecimals = random.between(0, 3) == 0;
    f.grouping = random.flip();
    const Separators separators = random.separators();
    const std::u16string unit(static_cast<size_t>(random.between(0, 90)), kUnitChar);
    const ValueText text =
        tamri::floatFieldText(f, separators, {unit.data(), (int32_t)unit.size()});
    SCOPED_TRACE(testing::Message()
                 << f.value << " field " << f.integerDigits << "." << f.decimals << " zeros "
                 << f.zeros << " auto " << f.autoDecimals << " grouping " << f.grouping);
    ASSERT_LE(text.length, tamri::kLongestValueText);
    ASSERT_EQ(text.chars[text.length], 0);

    const double value = f.value;
    const int32_t decimals = std::clamp(f.decimals, 0, tamri::kMostFloatDecimals);
    const int32_t integerDigits = std::clamp(f.integerDigits, 0, tamri::kWidestField - decimals);
    std::u16string shown = withoutUnit(text, unit.size());
    EXPECT_EQ(!shown.empty() && shown[0] == u'-', value < 0.0);
    // The overflow mark: asterisks, or nothing at all for a field of no digits.
    if (shown.find(u'*') != std::u16string::npos || shown == u"" || shown == u"-") {
      if (!f.autoDecimals) {
        // Only values whose rounded integer part is wider than the field.
        char printed[96];
        const int length =
            std::snprintf(printed, sizeof printed, "%.*f", decimals, std::fabs(value));
        const int wholeDigits = decimals > 0 ? length - decimals - 1 : length;
        EXPECT_GT(wholeDigits, integerDigits);
      }
      continue;
    }
    if (f.grouping) shown = without(shown, separators.group);
    const size_t point = shown.find(separators.decimal);
    const int32_t shownDecimals =
        point == std::u16string::npos ? 0 : static_cast<int32_t>(shown.size() - point - 1);
    if (point != std::u16string::npos) shown[point] = u'.';
    if (!f.autoDecimals) {
      EXPECT_EQ(shownDecimals, decimals);
    }
    const double readBack = std::strtod(narrow(shown).c_str(), nullptr);
    const double tolerance = 0.5 * std::pow(10.0, -shownDecimals) + std::fabs(value) * 1e-15;
    EXPECT_LE(std::fabs(readBack - value), tolerance) << narrow(shown);
  }
}

TEST(ValueDisplayProperties, DatesAndTimesMatchTheCLibrarysCalendar) {
  Random random;
  for (int i = 0; i < kCases; ++i) {
    const int32_t time = random.between(INT32_MIN, INT32_MAX);
    const int32_t offset = random.between(-14 * 60, 14 * 60);
    const int64_t local = tamri::localTimeOf(time, offset);
    const std::time_t seconds = static_cast<std::time_t>(local);
    std::tm expected{};
    ASSERT_NE(gmtime_r(&seconds, &expected), nullptr);
    char date[32], clock[32];
    std::snprintf(date, sizeof date, "%d/%02d/%02d", expected.tm_year + 1900, expected.tm_mon + 1,
                  expected.tm_mday);
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", expected.tm_hour, expected.tm_min,
                  expected.tm_sec);
    EXPECT_EQ(narrow(textOf(tamri::dateTimeText(1, local))), date) << time << " " << offset;
    EXPECT_EQ(narrow(textOf(tamri::dateTimeText(20, local))), clock) << time << " " << offset;
  }
}

}  // namespace
