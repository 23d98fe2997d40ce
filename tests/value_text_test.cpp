// The fixed buffer every value is built in: each operation cuts at its end
// and leaves the text terminated.
#include "valuedisplay/value_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string textOf(const tamri::ValueText& text) {
  EXPECT_EQ(text.chars[text.length], 0);
  return {text.chars, text.chars + text.length};
}

TEST(ValueText, AppendsAndInsertsAreCutAtTheBuffersEnd) {
  tamri::ValueText text;
  text.append(u'*', 3);
  text.insert(1, u'-', 2);
  EXPECT_EQ(textOf(text), u"*--**");
  text.insert(99, u'+', 1);  // beyond the end: at the end
  text.insert(-5, u'0', 1);  // before the start: at the start
  EXPECT_EQ(textOf(text), u"0*--**+");
  text.append(u'x', 1000);
  text.insert(2, u'y', 3);  // the last three characters fall off
  EXPECT_EQ(textOf(text), u"0*yyy--**+" + std::u16string(tamri::kLongestValueText - 10, u'x'));
  text.keepLast(2);
  EXPECT_EQ(textOf(text), u"xx");
  // What was there before is no part of the text.
  text.clear();
  EXPECT_EQ(textOf(text), u"");
  text.append(u'-', 1);
  text.append(u"rpm", 3);
  EXPECT_EQ(textOf(text), u"-rpm");
}

}  // namespace
