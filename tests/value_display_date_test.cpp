// drawDateTime and onTimeChange through the VM frame: the thirteen formats,
// the calendar, the time zone asked of the platform once until a time change.
#include "value_display_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::word;
using Lines = std::vector<std::string>;

constexpr const char* kDateTime = "drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V";
// 2024-03-07 14:05:09 GMT.
constexpr int32_t kSeventhOfMarch = 1709820309;

class DateTimeDisplayTest : public tamri_test::ValueDisplayTest {
 protected:
  std::string shown(int32_t code, int32_t time) {
    return drawnText(kDateTime, {word(code), word(time), 0, 0, 9, 9, 0}, {font});
  }
};

TEST_F(DateTimeDisplayTest, DrawsOnTheCanvasSurfaceInTheGivenColourAndFont) {
  EXPECT_EQ(draw(kDateTime, {1, kSeventhOfMarch, 10, 20, 100, 30, 0xABCDEF}, {font}),
            Lines{"osGXsimpleText(3, {10, 20, 109, 49}, 9, \"2024/03/07\", "
                  "{0x00ABCDEF, 0x80000000, 0x00000000}, 1, 1, 10)"});
}

TEST_F(DateTimeDisplayTest, EveryFormatCode) {
  const std::pair<int32_t, const char*> formats[] = {
      {1, "2024/03/07"}, {2, "2024/07/03"}, {3, "03/07/2024"}, {4, "07/03/2024"}, {5, "24/03/07"},
      {6, "24/07/03"},   {7, "03/07/24"},   {8, "07/03/24"},   {9, "20240307"},   {10, "03/07"},
      {11, "240307"},    {12, "07/03"},     {20, "14:05:09"},
  };
  for (const auto& [code, text] : formats) EXPECT_EQ(shown(code, kSeventhOfMarch), text) << code;
  for (const int32_t code : {0, 13, 19, 21, -1, INT32_MIN})
    EXPECT_EQ(shown(code, kSeventhOfMarch), " ") << code;
}

// Dates across all of 32-bit time are held against the C library's calendar
// in the property tests; here its two ends, and the short year of the first.
TEST_F(DateTimeDisplayTest, TheEndsOf32BitTime) {
  EXPECT_EQ(shown(9, INT32_MAX), "20380119");
  EXPECT_EQ(shown(20, INT32_MAX), "03:14:07");
  EXPECT_EQ(shown(5, INT32_MIN), "01/12/13");
  EXPECT_EQ(shown(20, INT32_MIN), "20:45:52");
}

TEST_F(DateTimeDisplayTest, TheOffsetMovesLocalTime) {
  useTimeZoneOffset(-60);  // one hour east of Greenwich
  EXPECT_EQ(shown(20, kSeventhOfMarch), "15:05:09");
  useTimeZoneOffset(60);
  EXPECT_EQ(shown(20, kSeventhOfMarch), "13:05:09");
  EXPECT_EQ(shown(1, 1800), "1969/12/31");
  // East of Greenwich in the last hour of 32-bit time: local time does not wrap.
  useTimeZoneOffset(-60);
  EXPECT_EQ(shown(1, INT32_MAX), "2038/01/19");
  EXPECT_EQ(shown(20, INT32_MAX), "04:14:07");
}

TEST_F(DateTimeDisplayTest, OffsetsFarBeyondTheHostsReachTheFullCalendar) {
  // 2100 is not a leap year.
  useTimeZoneOffset(-32668000);
  EXPECT_EQ(shown(1, 2147462400), "2100/03/01");
  EXPECT_EQ(shown(1, 2147462400 - 86400), "2100/02/28");
  useTimeZoneOffset(INT32_MAX);
  const std::string text = shown(1, INT32_MIN);
  EXPECT_LE(text.size(), 79u);
  EXPECT_EQ(shown(20, INT32_MIN).size(), 8u);
}

TEST_F(DateTimeDisplayTest, TheOffsetIsAskedOnceUntilTheTimeChanges) {
  useTimeZoneOffset(-120);
  EXPECT_EQ(shown(20, 0), "02:00:00");
  corehost::setTimeZoneOffset(std::chrono::minutes(0));
  EXPECT_EQ(shown(20, 0), "02:00:00");  // the first answer is kept
  callOn(canvas, "onTimeChange()V");
  EXPECT_EQ(shown(20, 0), "00:00:00");
}

}  // namespace
