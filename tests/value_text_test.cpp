// The fixed buffer every value is built in: each operation cuts at its end
// and leaves the text terminated.
#include "valuedisplay/value_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tamri::kLongestValueText;
using tamri::ValueText;

std::u16string textOf(const ValueText& text) {
  EXPECT_EQ(text.chars[text.length], 0);
  return {text.chars, text.chars + text.length};
}

TEST(ValueText, AppendsAndInsertsAreCutAtTheBuffersEnd) {
  ValueText text;
  text.append(u'*', 3);
  EXPECT_EQ(textOf(text), u"***");
  text.insert(1, u'-', 2);
  EXPECT_EQ(textOf(text), u"*--**");
  text.insert(99, u'+', 1);  // beyond the end: at the end
  text.insert(-5, u'0', 1);  // before the start: at the start
  EXPECT_EQ(textOf(text), u"0*--**+");
  text.append(u'x', 1000);
  EXPECT_EQ(text.length, kLongestValueText);
  EXPECT_EQ(textOf(text).substr(0, 8), u"0*--**+x");
  text.insert(2, u'y', 3);  // the last three characters fall off
  EXPECT_EQ(text.length, kLongestValueText);
  EXPECT_EQ(textOf(text).substr(0, 10), u"0*yyy--**+");
  text.keepLast(2);
  EXPECT_EQ(textOf(text), u"xx");
  // What was there before is no part of the text.
  text.clear();
  EXPECT_EQ(textOf(text), u"");
  text.append(u'-', 1);
  EXPECT_EQ(textOf(text), u"-");
  const char16_t unit[] = u"rpm";
  text.append(unit, 3);
  EXPECT_EQ(textOf(text), u"-rpm");
}

}  // namespace
