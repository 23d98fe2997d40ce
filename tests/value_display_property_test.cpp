// Random values and field descriptions: every text fits its buffer, and any
// text that is not the overflow mark reads back, separators and unit taken
// away, to the value in its radix and scale.
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

using tamri::NumberField;
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

// The magnitude's digits as the field shows them: lower case, no sign.
std::string digitsOf(uint64_t magnitude, int radix) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[magnitude % radix]);
    magnitude /= radix;
  } while (magnitude != 0);
  return digits;
}

class Random {
 public:
  int32_t between(int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(engine_);
  }
  bool flip() { return between(0, 1) == 1; }
  int32_t anyInt() {
    switch (between(0, 3)) {
      case 0:
        return between(INT32_MIN, INT32_MAX);
      case 1:
        return between(-2000, 2000);
      case 2:
        return between(-9999999, 9999999);
      default: {
        const int32_t edges[] = {0, -1, 1, INT32_MIN, INT32_MAX, 99999, -100000};
        return edges[between(0, 6)];
      }
    }
  }
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

TEST(ValueDisplayProperties, NumberFieldsFitAndReadBack) {
  Random random;
  for (int i = 0; i < kCases; ++i) {
    NumberField f;
    f.value = random.anyInt();
    f.radix =
        random.flip() ? random.between(2, 36) : (int32_t[]){10, 16, 8, 2}[random.between(0, 3)];
    f.integerDigits = random.between(-3, 70);
    f.decimals = random.between(-3, 70);
    f.isUnsigned = random.flip();
    f.grouping = random.flip();
    f.zeros = random.flip();
    const Separators separators = random.separators();
    const std::u16string unit(static_cast<size_t>(random.between(0, 90)), kUnitChar);
    const ValueText text =
        tamri::numberFieldText(f, separators, {unit.data(), (int32_t)unit.size()});
    SCOPED_TRACE(testing::Message()
                 << f.value << " radix " << f.radix << " field " << f.integerDigits << "."
                 << f.decimals << " unsigned " << f.isUnsigned << " grouping " << f.grouping
                 << " zeros " << f.zeros);
    ASSERT_LE(text.length, tamri::kLongestValueText);
    ASSERT_EQ(text.chars[text.length], 0);

    const int32_t decimals = f.radix == 10 ? std::clamp(f.decimals, 0, tamri::kWidestField) : 0;
    const int32_t integerDigits = std::clamp(f.integerDigits, 0, tamri::kWidestField - decimals);
    const bool negative = !f.isUnsigned && f.value < 0;
    const bool signShown = negative && f.radix == 10;
    const uint64_t magnitude =
        signShown ? 0 - static_cast<int64_t>(f.value) : static_cast<uint32_t>(f.value);
    const std::string digits = digitsOf(magnitude, f.radix);
    const bool fits = static_cast<int32_t>(digits.size()) <= integerDigits + decimals;

    std::u16string shown = withoutUnit(text, unit.size());
    if (!fits) {
      std::u16string mark = (negative ? u"-" : u"") + std::u16string(integerDigits, u'*');
      if (decimals > 0) mark += separators.decimal + std::u16string(decimals, u'*');
      EXPECT_EQ(narrow(shown), narrow(mark));
      continue;
    }
    EXPECT_EQ(!shown.empty() && shown[0] == u'-', signShown);
    if (signShown) shown.erase(0, 1);
    const char16_t groupSeparator = f.radix == 10 ? separators.group
                                    : (f.radix == 16 || f.radix == 8 || f.radix == 2) ? u' '
                                                                                      : 0;
    const bool grouped = f.grouping && groupSeparator != 0;
    if (grouped) shown = without(shown, groupSeparator);
    if (decimals > 0) {
      const size_t point = shown.find(separators.decimal);
      ASSERT_NE(point, std::u16string::npos);
      EXPECT_EQ(shown.size() - point - 1, static_cast<size_t>(decimals));
      if (f.zeros) {
        EXPECT_EQ(point, static_cast<size_t>(std::max(integerDigits, 1)));
      }
      shown.erase(point, 1);
    } else if (f.zeros) {
      EXPECT_EQ(shown.size(), static_cast<size_t>(integerDigits));
    }
    std::string lower = narrow(shown);
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    EXPECT_EQ(std::stoull(lower, nullptr, f.radix), magnitude);
    if (f.radix == 16) {
      const std::string upper = narrow(shown);
      EXPECT_TRUE(std::none_of(upper.begin(), upper.end(), ::islower));
    }
  }
}

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
