// The drawing layer's recorder: trace lines, clip areas, fonts and the
// bounding rectangles of marked line ends. Works with or without raster.
#include "gdi_host.h"
#include "host_trace.h"
#include "line_geometry.h"
#include "osgx.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using Ints = std::vector<int32_t>;

class GdiRecorder : public ::testing::Test {
 protected:
  void SetUp() override {
    gdihost::reset();
    host::setTraceRecording(true);
    host::traceClear();
  }
  void TearDown() override { gdihost::reset(); }

  static std::string lastLine() {
    return host::traceLines().empty() ? std::string() : host::traceLines().back();
  }
};

// The example scenes' traces pin the lines of every call; these are counts
// the arrays do not match and the records written in braces.
TEST_F(GdiRecorder, PointListsFollowTheCountAndRecordsAreWrittenInBraces) {
  const APOINT points[] = {{0, 0}, {10, 5}, {-3, 7}};
  osGXdrawPolyline(2, points, 1, 1, 0x123456, INT32_MIN, 3);
  osGXdrawBezierLine(0, points, 1, 1, 0, 0, 0);
  osGXfillPolygon(-4, nullptr, 1, 2, -1, false);
  const TEXTCOL colours{0xFFFFFF, INT32_MIN, 0};
  const TEXTATTRIB attributes{2, {0, 0, 1, 1, 1, 9, 1}};
  const POINTRECT rect{1, 2, 3, 4};
  osGXtext(3, &rect, &colours, &attributes, 4, u"Hi", 2, true);
  EXPECT_EQ(host::traceLines(),
            (Lines{"osGXdrawPolyline(2, [{0, 0}, {10, 5}], 1, 1, 0x00123456, 0x80000000, 3)",
                   "osGXdrawBezierLine(0, [], 1, 1, 0x00000000, 0x00000000, 0)",
                   "osGXfillPolygon(-4, [], 0x00000001, 0x00000002, -1, false)",
                   "osGXtext(3, {1, 2, 3, 4}, {0x00FFFFFF, 0x80000000, 0x00000000}, "
                   "{2, [0, 0, 1, 1, 1, 9, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 4, "
                   "\"Hi\", 2, true)"}));
}

TEST_F(GdiRecorder, FontHandlesAreNumberedAndUnknownOnesMeasureNothing) {
  const unichar name[] = {'A', 'r', 'i', 'a', 'l', 0};
  // The trace lines of fonts are pinned by the example scenes.
  EXPECT_EQ(osGXloadFont(name, 1, 2, 3), 1u);
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 2u);
  Ints m(3, -1);
  // Unloaded twice, and a handle never made: both are known to be no font.
  osGXunloadFont(2);
  osGXunloadFont(2);
  EXPECT_EQ(lastLine(), "osGXunloadFont(2)");
  for (FONTHANDLE unknown : {2u, 7u, 0u}) {
    osGXgetTextMetrics(unknown, name, 5, &m[0], &m[1], &m[2]);
    EXPECT_EQ(m, (Ints{0, 0, 0}));
  }
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 3u);  // handles are never given twice
  gdihost::reset();
  EXPECT_EQ(osGXloadFont(nullptr, 0, 0, 0), 1u);
  host::setTraceRecording(false);
  for (int i = 2; i <= 1024; ++i) ASSERT_EQ(osGXloadFont(name, 0, 0, 0), FONTHANDLE(i));
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 0u);  // the table is full
  osGXunloadFont(5);
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 1025u);
}

TEST_F(GdiRecorder, ClipStateIsKeptPerSurfaceThroughRecordingOffUntilReset) {
  Ints c(4, 7);
  const auto clipped = [&](int32_t surface) {
    return osGXgetClipArea(&c[0], &c[1], &c[2], &c[3], surface);
  };
  EXPECT_FALSE(clipped(1));
  EXPECT_EQ(c, (Ints{7, 7, 7, 7}));
  host::setTraceRecording(false);
  osGXsetClipArea(0, 0, 99, 99, 1);
  osGXsetClipArea(9, 8, 5, 4, -3);  // reversed corners are kept as given
  host::setTraceRecording(true);
  EXPECT_TRUE(clipped(1));
  EXPECT_EQ(lastLine(), "osGXgetClipArea(1) -> true {0, 0, 99, 99}");
  EXPECT_TRUE(clipped(-3));
  EXPECT_EQ(c, (Ints{9, 8, 5, 4}));
  osGXsetClipArea(10, 20, 30, 40, 1);
  EXPECT_TRUE(osGXgetClipArea(nullptr, &c[1], nullptr, &c[3], 1));
  EXPECT_EQ(c, (Ints{9, 20, 5, 40}));
  osGXremoveClipArea(1);
  EXPECT_EQ((std::vector{clipped(1), clipped(-3)}), (std::vector{false, true}));
  std::vector<bool> animation;
  for (const int32_t on : {1, 0, 1})
    animation.push_back((osGXsetClipFillAnimation(on), gdihost::clipFillAnimation()));
  gdihost::reset();
  animation.push_back(gdihost::clipFillAnimation());
  EXPECT_EQ(animation, (std::vector{true, false, true, false}));
  EXPECT_FALSE(clipped(-3));
}

Ints corners(const POINTRECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

TEST(GdiLineGeometry, SegmentsGrowByHalfTheWidthArrowsByTheWidth) {
  EXPECT_EQ(corners(gdi::segmentBounds({10, 5}, {0, 0}, 2)), (Ints{0, 0, 11, 6}));
  EXPECT_EQ(corners(gdi::segmentBounds({10, 5}, {0, 0}, -7)), (Ints{0, 0, 10, 5}));
  EXPECT_EQ(corners(gdi::segmentBounds({INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN}, 127)),
            (Ints{INT32_MAX - 63, INT32_MIN, INT32_MAX, INT32_MIN + 63}));
  // Other widths show in the wings below.
  EXPECT_EQ((Ints{gdi::arrowLength(0), gdi::arrowHalfWidth(0)}), (Ints{7, 3}));
}

TEST_F(GdiRecorder, LineBoundingRectCoversTheArrowOnTheSecondEnd) {
  const struct {
    APOINT first, second;
    int8_t width;
    Ints expected;
  } cases[] = {
      {{0, 0}, {20, 0}, 1, {0, -3, 20, 3}},      // wings at (13, +-3)
      {{20, 0}, {0, 0}, 1, {0, -3, 20, 3}},      // start end: wings at (7, +-3)
      {{0, 0}, {40, 0}, 5, {-2, -9, 42, 9}},     // wings at (21, +-9)
      {{10, 10}, {10, 30}, 2, {5, 10, 15, 31}},  // wings at (5, 20), (15, 20)
      {{0, 0}, {10, 5}, 5, {-11, -12, 12, 7}},   // arrow longer than the segment
      {{3, 3}, {3, 3}, 9, {-1, -1, 7, 7}},       // no direction, no mark
  };
  for (const auto& c : cases) {
    POINTRECT out{};
    osGXgetLineBoundingRect(c.first, c.second, c.width, &out);
    EXPECT_EQ(corners(out), c.expected) << lastLine();
  }
  EXPECT_EQ(lastLine(), "osGXgetLineBoundingRect({3, 3}, {3, 3}, 9) -> {-1, -1, 7, 7}");
  osGXgetLineBoundingRect({0, 0}, {1, 0}, 1, nullptr);
  EXPECT_EQ(lastLine(), "osGXgetLineBoundingRect({0, 0}, {1, 0}, 1) -> {-6, -3, 1, 3}");
}

}  // namespace
