// drawDateTime and onTimeChange through the VM frame: the thirteen formats,
// the calendar, the time zone asked of the platform once until a time change.
#include "value_display_support.h"

namespace {

using namespace tamri_test;

constexpr const char* kDateTime = "drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V";
// 2024-03-07 14:05:09 GMT.
constexpr int32_t kSeventhOfMarch = 1709820309;

class DateTimeDisplayTest : public ValueDisplayTest {
 protected:
  std::string shown(int32_t code, int32_t time) {
    return drawnText(kDateTime, {word(code), word(time), 0, 0, 9, 9, 0}, {font});
  }
};

TEST_F(DateTimeDisplayTest, EveryFormatCodeOnTheCanvasSurfaceInTheGivenColourAndFont) {
  EXPECT_EQ(draw(kDateTime, {1, kSeventhOfMarch, 10, 20, 100, 30, 0xABCDEF}, {font}),
            simpleText("3, {10, 20, 109, 49}, 9", "2024/03/07",
                       "{0x00ABCDEF, 0x80000000, 0x00000000}, 1, 1"));
  const std::pair<int32_t, const char*> formats[] = {
      {1, "2024/03/07"}, {2, "2024/07/03"}, {3, "03/07/2024"}, {4, "07/03/2024"}, {5, "24/03/07"},
      {6, "24/07/03"},   {7, "03/07/24"},   {8, "07/03/24"},   {9, "20240307"},   {10, "03/07"},
      {11, "240307"},    {12, "07/03"},     {20, "14:05:09"},  {0, " "},          {13, " "},
      {19, " "},         {21, " "},         {-1, " "},         {INT32_MIN, " "}};
  for (const auto& [code, text] : formats) EXPECT_EQ(shown(code, kSeventhOfMarch), text) << code;
}

// The two ends of 32-bit time, the short year of the first, and offsets: east of Greenwich in its
// last hour local time does not wrap, and offsets far beyond the host's reach the full calendar
// (2100 is not a leap year; the proleptic calendar runs on before year 0).
TEST_F(DateTimeDisplayTest, TheEndsOf32BitTimeAndTheOffset) {
  using R = std::tuple<int32_t, int32_t, int32_t, const char*>;
  const std::vector<R> rows(
      {R{0, 9, INT32_MAX, "20380119"}, R{0, 20, INT32_MAX, "03:14:07"},
       R{0, 5, INT32_MIN, "01/12/13"}, R{0, 20, INT32_MIN, "20:45:52"},
       R{-60, 20, kSeventhOfMarch, "15:05:09"}, R{60, 20, kSeventhOfMarch, "13:05:09"},
       R{60, 1, 1800, "1969/12/31"}, R{-60, 1, INT32_MAX, "2038/01/19"},
       R{-60, 20, INT32_MAX, "04:14:07"}, R{-32668000, 1, 2147462400, "2100/03/01"},
       R{-32668000, 1, 2147462400 - 86400, "2100/02/28"}, R{INT32_MAX, 1, INT32_MIN, "-2182/11/20"},
       R{INT32_MAX, 20, INT32_MIN, "18:38:52"}});
  for (const auto& [offset, code, time, text] : rows) {
    useTimeZoneOffset(offset);
    EXPECT_EQ(shown(code, time), text) << offset << " " << code << " " << time;
  }
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
