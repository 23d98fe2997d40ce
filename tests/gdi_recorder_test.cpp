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

TEST_F(GdiRecorder, LinesRecordEveryArgument) {
  osGXdrawLine(1, 2, 30, 40, 3, 2, 0x00FF0000, INT32_MIN, 1);
  EXPECT_EQ(lastLine(), "osGXdrawLine(1, 2, 30, 40, 3, 2, 0x00FF0000, 0x80000000, 1)");

  const APOINT points[] = {{0, 0}, {10, 5}, {-3, 7}};
  osGXdrawPolyline(2, points, 1, 1, 0x123456, 0, 3);
  EXPECT_EQ(lastLine(), "osGXdrawPolyline(2, [{0, 0}, {10, 5}], 1, 1, 0x00123456, 0x00000000, 3)");
  osGXdrawBezierLine(0, points, 1, 1, 0, 0, 0);
  EXPECT_EQ(lastLine(), "osGXdrawBezierLine(0, [], 1, 1, 0x00000000, 0x00000000, 0)");
  osGXfillPolygon(-4, nullptr, 1, 2, -1, false);
  EXPECT_EQ(lastLine(), "osGXfillPolygon(-4, [], 0x00000001, 0x00000002, -1, false)");
  osGXdrawPolygon(3, points, 2, 5, 6, 4);
  EXPECT_EQ(lastLine(),
            "osGXdrawPolygon(3, [{0, 0}, {10, 5}, {-3, 7}], 2, 0x00000005, 0x00000006, 4)");
}

TEST_F(GdiRecorder, RecordsAreWrittenInBraces) {
  const POINTRECT ellipse{1, 2, 3, 4};
  const POINTLINE startEnd{5, 6, 7, 8};
  const PLANECOL colours{1, 2, 3};
  const PLANEATTRIB attributes{5, -1, 2, 1};
  osGXpie(7, &ellipse, &startEnd, &colours, &attributes, nullptr, true);
  EXPECT_EQ(lastLine(),
            "osGXpie(7, {1, 2, 3, 4}, {5, 6, 7, 8}, {0x00000001, 0x00000002, 0x00000003}, "
            "{5, -1, 2, 1}, null, true)");

  osGXdrawArc(&ellipse, &startEnd, 0xFF, 0, 1, 2, &ellipse, false);
  EXPECT_EQ(lastLine(),
            "osGXdrawArc({1, 2, 3, 4}, {5, 6, 7, 8}, 0x000000FF, 0x00000000, 1, 2, "
            "{1, 2, 3, 4}, false)");

  const TEXTCOL textColours{0xFFFFFF, INT32_MIN, 0};
  const TEXTATTRIB textAttributes{2, {0, 0, 1, 1, 1, 9, 1}};
  const unichar text[] = {'H', 'i'};
  osGXtext(3, &ellipse, &textColours, &textAttributes, 4, text, 2, true);
  EXPECT_EQ(lastLine(),
            "osGXtext(3, {1, 2, 3, 4}, {0x00FFFFFF, 0x80000000, 0x00000000}, "
            "{2, [0, 0, 1, 1, 1, 9, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 4, " +
                host::quoted(text, 2) + ", 2, true)");
}

TEST_F(GdiRecorder, FontHandlesAreNumberedAndUnknownOnesMeasureNothing) {
  const unichar name[] = {'A', 'r', 'i', 'a', 'l', 0};
  EXPECT_EQ(osGXloadFont(name, 1, 2, 3), 1u);
  EXPECT_EQ(lastLine(), "osGXloadFont(" + host::quoted(name, 5) + ", 1, 2, 3) -> 1");
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 2u);
  EXPECT_FALSE(osGXisAgfaFont(name));
  EXPECT_EQ(lastLine(), "osGXisAgfaFont(" + host::quoted(name, 5) + ") -> false");

  int32_t width = -1, height = -1, third = -1;
  osGXgetTextMetrics(2, name, 5, &width, &height, &third);
  if (!gdihost::rasterAvailable()) {
    // Without the raster every font is a cell of 8 by 16 with its baseline at 12.
    EXPECT_EQ(std::vector<int32_t>({width, height, third}), std::vector<int32_t>({40, 16, 12}));
  }
  EXPECT_EQ(lastLine(), "osGXgetTextMetrics(2, " + host::quoted(name, 5) + ", 5) -> {" +
                            std::to_string(width) + ", " + std::to_string(height) + ", " +
                            std::to_string(third) + "}");

  // Unloaded twice, and a handle never made: both are known to be no font.
  osGXunloadFont(2);
  osGXunloadFont(2);
  EXPECT_EQ(lastLine(), "osGXunloadFont(2)");
  for (FONTHANDLE unknown : {2u, 7u, 0u}) {
    osGXgetTextMetrics(unknown, name, 5, &width, &height, &third);
    EXPECT_EQ(std::vector<int32_t>({width, height, third}), std::vector<int32_t>({0, 0, 0}));
  }
  // Handles are never given twice.
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 3u);

  int32_t status = 0;
  EXPECT_EQ(osGXcreateImage(1, nullptr, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_NO_SURFACE);
  EXPECT_EQ(lastLine(), "osGXcreateImage(1, null) -> 0 {6}");

  gdihost::reset();
  EXPECT_EQ(osGXloadFont(nullptr, 0, 0, 0), 1u);
}

TEST_F(GdiRecorder, TheFontTableHasALimit) {
  host::setTraceRecording(false);
  const unichar name[] = {'x', 0};
  for (int i = 1; i <= 1024; ++i) ASSERT_EQ(osGXloadFont(name, 0, 0, 0), FONTHANDLE(i));
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 0u);
  osGXunloadFont(5);
  EXPECT_EQ(osGXloadFont(name, 0, 0, 0), 1025u);
}

TEST_F(GdiRecorder, RecordingOffKeepsStateButWritesNothing) {
  host::setTraceRecording(false);
  osGXsetClipArea(1, 2, 3, 4, 9);
  osGXdrawLine(0, 0, 1, 1, 1, 1, 0, 0, 0);
  host::setTraceRecording(true);
  EXPECT_TRUE(host::traceLines().empty());
  int32_t l = 0, t = 0, r = 0, b = 0;
  EXPECT_TRUE(osGXgetClipArea(&l, &t, &r, &b, 9));
  EXPECT_EQ(lastLine(), "osGXgetClipArea(9) -> true {1, 2, 3, 4}");
}

TEST_F(GdiRecorder, ClipAreasBelongToEachSurface) {
  int32_t l = 7, t = 7, r = 7, b = 7;
  EXPECT_FALSE(osGXgetClipArea(&l, &t, &r, &b, 1));
  EXPECT_EQ(lastLine(), "osGXgetClipArea(1) -> false");
  EXPECT_EQ(std::vector<int32_t>({l, t, r, b}), std::vector<int32_t>({7, 7, 7, 7}));

  osGXsetClipArea(0, 0, 99, 99, 1);
  osGXsetClipArea(9, 8, 5, 4, -3);  // reversed corners are kept as given
  EXPECT_TRUE(osGXgetClipArea(&l, &t, &r, &b, 1));
  EXPECT_EQ(lastLine(), "osGXgetClipArea(1) -> true {0, 0, 99, 99}");
  EXPECT_TRUE(osGXgetClipArea(&l, &t, &r, &b, -3));
  EXPECT_EQ(std::vector<int32_t>({l, t, r, b}), std::vector<int32_t>({9, 8, 5, 4}));

  osGXsetClipArea(10, 20, 30, 40, 1);
  EXPECT_TRUE(osGXgetClipArea(nullptr, &t, nullptr, &b, 1));
  EXPECT_EQ(t, 20);
  EXPECT_EQ(b, 40);

  osGXremoveClipArea(1);
  EXPECT_EQ(lastLine(), "osGXremoveClipArea(1)");
  EXPECT_FALSE(osGXgetClipArea(&l, &t, &r, &b, 1));
  EXPECT_TRUE(osGXgetClipArea(&l, &t, &r, &b, -3));
  gdihost::reset();
  EXPECT_FALSE(osGXgetClipArea(&l, &t, &r, &b, -3));
}

TEST_F(GdiRecorder, ClipFillAnimationIsKept) {
  osGXsetClipFillAnimation(1);
  EXPECT_TRUE(gdihost::clipFillAnimation());
  EXPECT_EQ(lastLine(), "osGXsetClipFillAnimation(1)");
  osGXsetClipFillAnimation(0);
  EXPECT_FALSE(gdihost::clipFillAnimation());
  osGXsetClipFillAnimation(1);
  gdihost::reset();
  EXPECT_FALSE(gdihost::clipFillAnimation());
}

std::vector<int32_t> corners(const POINTRECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST(GdiLineGeometry, SegmentsGrowByHalfTheWidth) {
  EXPECT_EQ(corners(gdi::segmentBounds({0, 0}, {10, 5}, 5)), std::vector<int32_t>({-2, -2, 12, 7}));
  EXPECT_EQ(corners(gdi::segmentBounds({10, 5}, {0, 0}, 2)), std::vector<int32_t>({0, 0, 11, 6}));
  EXPECT_EQ(corners(gdi::segmentBounds({10, 5}, {0, 0}, 1)), std::vector<int32_t>({0, 0, 10, 5}));
  EXPECT_EQ(corners(gdi::segmentBounds({10, 5}, {0, 0}, -7)), std::vector<int32_t>({0, 0, 10, 5}));
  EXPECT_EQ(corners(gdi::segmentBounds({INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN}, 127)),
            std::vector<int32_t>({INT32_MAX - 63, INT32_MIN, INT32_MAX, INT32_MIN + 63}));
}

TEST(GdiLineGeometry, ArrowSizeFollowsTheWidth) {
  EXPECT_EQ(gdi::arrowLength(1), 7);
  EXPECT_EQ(gdi::arrowHalfWidth(1), 3);
  EXPECT_EQ(gdi::arrowLength(0), 7);
  EXPECT_EQ(gdi::arrowLength(5), 19);
  EXPECT_EQ(gdi::arrowHalfWidth(5), 9);
  EXPECT_FALSE(gdi::arrowMark({3, 3}, {3, 3}, 4).has_value());
}

TEST_F(GdiRecorder, LineBoundingRectCoversTheArrowOnTheSecondEnd) {
  struct Case {
    APOINT first, second;
    int8_t width;
    std::vector<int32_t> expected;
  };
  const Case cases[] = {
      {{0, 0}, {20, 0}, 1, {0, -3, 20, 3}},      // wings at (13, +-3)
      {{20, 0}, {0, 0}, 1, {0, -3, 20, 3}},      // start end: wings at (7, +-3)
      {{0, 0}, {40, 0}, 5, {-2, -9, 42, 9}},     // wings at (21, +-9)
      {{10, 10}, {10, 30}, 2, {5, 10, 15, 31}},  // wings at (5, 20), (15, 20)
      {{0, 0}, {10, 5}, 5, {-11, -12, 12, 7}},   // arrow longer than the segment
      {{3, 3}, {3, 3}, 9, {-1, -1, 7, 7}},       // no direction, no mark
  };
  for (const Case& c : cases) {
    POINTRECT out{};
    osGXgetLineBoundingRect(c.first, c.second, c.width, &out);
    EXPECT_EQ(corners(out), c.expected) << lastLine();
  }
  EXPECT_EQ(lastLine(), "osGXgetLineBoundingRect({3, 3}, {3, 3}, 9) -> {-1, -1, 7, 7}");
  osGXgetLineBoundingRect({0, 0}, {1, 0}, 1, nullptr);
  EXPECT_EQ(lastLine(), "osGXgetLineBoundingRect({0, 0}, {1, 0}, 1) -> {-6, -3, 1, 3}");
}

}  // namespace
