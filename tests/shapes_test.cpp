// Draw natives of the retained shapes, driven through the VM frame: the
// exact drawing-layer calls for the plain shape, its fallbacks and its
// bad input.
#include "vm_test_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::FieldValues;
using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

// Colours, widths and styles that cannot be mistaken for each other.
const FieldValues kLook{{"fillColor", 0x0000F1}, {"backColor", 0x0000B2}, {"lineColor", 0x0000C3},
                        {"lineWidth", 3},        {"lineStyle", 2},        {"fillStyle", 4}};

class ShapeTest : public tamri_test::VmTest {
 protected:
  static jword shape(const char* cls, FieldValues fields) {
    FieldValues all = kLook;
    all.insert(all.end(), fields.begin(), fields.end());
    return makeObject((std::string("gpclasses/graphics/") + cls).c_str(), all);
  }
  static Lines drawn(jword object, const char* native = "draw(I)V") {
    host::traceClear();
    callOn(object, native, {5});
    return traceWith("osGX");
  }
};

const FieldValues kArc{{"x1", 10},     {"y1", 20},     {"x2", 60},    {"y2", 45},
                       {"arcX1", 10},  {"arcY1", 20},  {"arcX2", 60}, {"arcY2", 70},
                       {"startX", 60}, {"startY", 45}, {"endX", 10},  {"endY", 44}};

TEST_F(ShapeTest, ArcTakesItsEllipseEndPointsAndBoundsAndFlatBecomesALine) {
  const jword arc = shape("CgpArc", kArc);
  const std::string call =
      "osGXdrawArc({10, 20, 60, 70}, {60, 45, 10, 44}, 0x000000C3, "
      "0x000000B2, 2, 3, {10, 20, 60, 45}, ";
  EXPECT_EQ(drawn(arc), Lines{call + "false)"});
  vmhost::setField(arc, "boundsFlag", 2);
  EXPECT_EQ(drawn(arc), Lines{call + "true)"});
  // A flat arc or ellipse becomes a line between the corners.
  const Lines line{"osGXdrawLine(10, 20, 10, 45, 3, 2, 0x000000C3, 0x000000B2, 0)"};
  EXPECT_EQ(drawn(shape("CgpArc", tamri_test::joined(kArc, {{"x2", 10}}))), line);
  EXPECT_EQ(drawn(shape("CgpEllipse", {{"x1", 10}, {"y1", 20}, {"x2", 10}, {"y2", 45}})), line);
  EXPECT_EQ(drawn(shape("CgpEllipse", {{"x1", 10}, {"y1", 45}, {"x2", 60}, {"y2", 45}})),
            Lines{"osGXdrawLine(10, 45, 60, 45, 3, 2, 0x000000C3, 0x000000B2, 0)"});
}

TEST_F(ShapeTest, BezierNeedsFourPointsThatTheArrayHolds) {
  const jword curve = shape(
      "CgpBezier",
      {{"pointCount", 4}, {"points", makeIntArray({1, 2, 3, 4, 5, 6, 7, 8, 9})}, {"lineEnds", 3}});
  const std::string bezier =
      "osGXdrawBezierLine(4, [{1, 2}, {3, 4}, {5, 6}, {7, 8}], 3, 2, 0x000000C3, 0x000000B2, 3)";
  // Four points, then five of which the array holds four whole ones; three
  // points, an array of three and a half points or none draw nothing.
  Lines all;
  for (const FieldValues& change : std::vector<FieldValues>{
           {},
           {{"pointCount", 5}},
           {{"pointCount", 3}},
           {{"pointCount", 4}, {"points", makeIntArray({1, 2, 3, 4, 5, 6, 7})}},
           {{"points", 0}}}) {
    for (const auto& [name, value] : change) vmhost::setField(curve, name, value);
    for (const std::string& line : drawn(curve)) all.push_back(line);
  }
  EXPECT_EQ(all, (Lines{bezier, bezier}));
}

TEST_F(ShapeTest, EllipseFillsOnlyForAPositiveStyleAndAlwaysOutlines) {
  const jword disc = shape("CgpEllipse", {{"x1", 10}, {"y1", 20}, {"x2", 60}, {"y2", 45}});
  EXPECT_EQ(drawn(disc), (Lines{"osGXfillEllipse(10, 20, 60, 45, 0x000000F1, 4, 0x000000B2)",
                                "osGXdrawEllipse(10, 20, 60, 45, 0x000000C3, 2, 3, 0x000000B2)"}));
  vmhost::setField(disc, "fillStyle", -1);
  vmhost::setField(disc, "lineWidth", 0);
  EXPECT_EQ(drawn(disc), Lines{"osGXdrawEllipse(10, 20, 60, 45, 0x000000C3, 2, 0, 0x000000B2)"});
}

TEST_F(ShapeTest, EllipseWithALevelDrawsNothingWhenFlat) {
  const FieldValues level{{"levelDirX", 1}, {"levelPctX", 50}, {"levelBackStyle", 1}};
  FieldValues flat = level;
  flat.insert(flat.end(), {{"x1", 10}, {"y1", 20}, {"x2", 10}, {"y2", 45}});
  EXPECT_TRUE(drawn(shape("CgpEllipse", flat)).empty());
  FieldValues round = level;
  round.insert(round.end(),
               {{"x1", 10}, {"y1", 20}, {"x2", 60}, {"y2", 45}, {"levelBackColor", 7}});
  EXPECT_EQ(drawn(shape("CgpEllipse", round)),
            (Lines{"osGXfillEllipse(10, 20, 60, 45, 0x00000007, 1, 0x000000B2)",
                   "osGXdrawEllipse(10, 20, 60, 45, 0x000000C3, 2, 3, 0x000000B2)",
                   "osGXsetClipFillAnimation(1)", "osGXgetClipArea(5) -> false",
                   "osGXsetClipArea(10, 20, 35, 45, 5)",
                   "osGXfillEllipse(10, 20, 60, 45, 0x000000F1, 4, 0x000000B2)",
                   "osGXdrawEllipse(10, 20, 60, 45, 0x000000C3, 2, 3, 0x000000B2)",
                   "osGXremoveClipArea(5)", "osGXsetClipFillAnimation(0)"}));
}

const FieldValues kBox{{"x1", 10},     {"y1", 20},         {"x2", 60},
                       {"y2", 45},     {"rectWidth", 51},  {"rectHeight", 26},
                       {"rounded", 1}, {"cornerWidth", 6}, {"cornerHeight", 4}};

TEST_F(ShapeTest, RectanglePassesItsCornersAndHidesAtZeroSize) {
  const jword box = shape("CgpRectangle", kBox);
  EXPECT_EQ(drawn(box),
            (Lines{"osGXfillRectangle(10, 20, 60, 45, 3, 0x000000F1, 4, 0x000000B2, 1, 6, 4)",
                   "osGXdrawRectangle(10, 20, 60, 45, 3, 2, 0x000000C3, 0x000000B2, 1, 6, 4)"}));
  vmhost::setField(box, "rectWidth", 0);
  EXPECT_TRUE(drawn(box).empty());
  vmhost::setField(box, "rectWidth", 51);
  vmhost::setField(box, "rectHeight", 0);
  EXPECT_TRUE(drawn(box).empty());
}

TEST_F(ShapeTest, RectangleOutlineNeedsWidthAndStyleUnlessALevelIsOn) {
  FieldValues thin = kBox;
  thin.insert(thin.end(), {{"lineWidth", 0}, {"fillStyle", 1}});
  EXPECT_EQ(drawn(shape("CgpRectangle", thin)),
            Lines{"osGXfillRectangle(10, 20, 60, 45, 0, 0x000000F1, 1, 0x000000B2, 1, 6, 4)"});
  FieldValues thinnest = kBox;
  thinnest.insert(thinnest.end(), {{"lineWidth", 1}, {"lineStyle", 1}, {"fillStyle", 0}});
  EXPECT_EQ(drawn(shape("CgpRectangle", thinnest)),
            Lines{"osGXdrawRectangle(10, 20, 60, 45, 1, 1, 0x000000C3, 0x000000B2, 1, 6, 4)"});
  FieldValues unstyled = kBox;
  unstyled.push_back({"lineStyle", 0});
  EXPECT_EQ(drawn(shape("CgpRectangle", unstyled)).size(), 1u);
  thin.insert(thin.end(), {{"levelDirY", 12}, {"levelPctY", 40}});
  EXPECT_EQ(traceWith("osGXdrawRectangle").size(), 0u);
  EXPECT_EQ(drawn(shape("CgpRectangle", thin)).size(), 8u);
  EXPECT_EQ(traceWith("osGXdrawRectangle").size(), 2u);
  EXPECT_EQ(traceWith("osGXsetClipArea")[0], "osGXsetClipArea(10, 20, 60, 30, 5)");
}

TEST_F(ShapeTest, AWidthByteOf255IsMinusOneAndReversedCornersPassAsStored) {
  FieldValues wide = kBox;
  wide.insert(wide.end(), {{"lineWidth", 255}, {"x1", 60}, {"x2", 10}});
  EXPECT_EQ(drawn(shape("CgpRectangle", wide)),
            Lines{"osGXfillRectangle(60, 20, 10, 45, -1, 0x000000F1, 4, 0x000000B2, 1, 6, 4)"});
  wide.insert(wide.end(), {{"levelDirX", 1}, {"levelPctX", 50}});
  const Lines levelled = drawn(shape("CgpRectangle", wide));
  EXPECT_EQ(levelled[0],
            "osGXdrawRectangle(60, 20, 10, 45, -1, 2, 0x000000C3, 0x000000B2, 1, 6, 4)");
  // The level's formulas run on the reversed extent: x1 + (-50 x 50) / 100.
  EXPECT_EQ(levelled[3], "osGXsetClipArea(60, 20, 35, 45, 5)");
}

const FieldValues kPie{{"x1", 10},     {"y1", 20},     {"x2", 60},    {"y2", 45},
                       {"arcX1", 11},  {"arcY1", 21},  {"arcX2", 61}, {"arcY2", 71},
                       {"startX", 61}, {"startY", 46}, {"endX", 11},  {"endY", 47}};

TEST_F(ShapeTest, PieHandsFillAndOutlineToOneCall) {
  FieldValues fields = kPie;
  fields.push_back({"boundsFlag", 1});
  EXPECT_EQ(drawn(shape("CgpPie", fields)),
            Lines{"osGXpie(5, {11, 21, 61, 71}, {61, 46, 11, 47}, {0x000000C3, 0x000000B2, "
                  "0x000000F1}, {3, 2, 4, 1}, {10, 20, 60, 45}, true)"});
}

TEST_F(ShapeTest, FlatPieOutlinesItsRectangleInBothLevelSteps) {
  FieldValues flat = kPie;
  flat.insert(flat.end(), {{"y2", 20}, {"levelDirY", 4}, {"levelPctY", 50}});
  const std::string outline =
      "osGXdrawRectangle(10, 20, 60, 20, 3, 2, 0x000000C3, 0x000000B2, 0, 0, 0)";
  EXPECT_EQ(drawn(shape("CgpPie", flat)),
            (Lines{outline, "osGXsetClipFillAnimation(1)", "osGXgetClipArea(5) -> false",
                   "osGXsetClipArea(10, 20, 60, 20, 5)", outline, "osGXremoveClipArea(5)",
                   "osGXsetClipFillAnimation(0)"}));
}

TEST_F(ShapeTest, PieLevelBackgroundIsDrawnWhateverItsStyle) {
  FieldValues fields = kPie;
  fields.insert(fields.end(), {{"levelDirX", 3}, {"levelPctX", 20}, {"levelBackColor", 0x99}});
  const Lines lines = drawn(shape("CgpPie", fields));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0],
            "osGXpie(5, {11, 21, 61, 71}, {61, 46, 11, 47}, {0x000000C3, 0x000000B2, "
            "0x00000099}, {3, 2, 0, 1}, {10, 20, 60, 45}, false)");
  EXPECT_EQ(lines[3], "osGXsetClipArea(50, 20, 60, 45, 5)");
  EXPECT_EQ(lines[4],
            "osGXpie(5, {11, 21, 61, 71}, {61, 46, 11, 47}, {0x000000C3, 0x000000B2, "
            "0x000000F1}, {3, 2, 4, 1}, {10, 20, 60, 45}, false)");
}

class PolygonTest : public ShapeTest {
 protected:
  static jword polygon(FieldValues fields) {
    FieldValues all{{"pointCount", 3}, {"points", makeIntArray({1, 2, 30, 4, 5, 60})}};
    all.insert(all.end(), fields.begin(), fields.end());
    return shape("CgpPolygon", all);
  }
  static Lines drawn(jword object) { return ShapeTest::drawn(object, "drawPolygon(I)V"); }
};

const std::string kCorners = "3, [{1, 2}, {30, 4}, {5, 60}]";

TEST_F(PolygonTest, FillsThenOutlines) {
  EXPECT_EQ(drawn(polygon({{"fillFlag", 1}})),
            (Lines{"osGXfillPolygon(" + kCorners + ", 0x000000F1, 0x000000B2, 4, true)",
                   "osGXdrawPolygon(" + kCorners + ", 3, 0x000000C3, 0x000000B2, 2)"}));
  EXPECT_EQ(drawn(polygon({{"fillStyle", 2}, {"lineWidth", 0}})),
            Lines{"osGXfillPolygon(" + kCorners + ", 0x000000F1, 0x000000B2, 2, false)"});
  EXPECT_EQ(drawn(polygon({{"fillStyle", 0}, {"lineStyle", -1}})), Lines{});
  // Width and style 1 are the thinnest outline.
  EXPECT_EQ(drawn(polygon({{"fillStyle", 0}, {"lineStyle", 1}, {"lineWidth", 1}})),
            Lines{"osGXdrawPolygon(" + kCorners + ", 1, 0x000000C3, 0x000000B2, 1)"});
}

TEST_F(PolygonTest, SolidFillWithoutVisibleOutlineHasItsEdgesInTheFillColour) {
  const Lines edges{"osGXfillPolygon(" + kCorners + ", 0x000000F1, 0x000000B2, 1, false)",
                    "osGXdrawPolygon(" + kCorners + ", 1, 0x000000F1, 0x00000000, 1)"};
  EXPECT_EQ(drawn(polygon({{"fillStyle", 1}, {"lineStyle", 0}, {"lineWidth", 0}})), edges);
  EXPECT_EQ(drawn(polygon({{"fillStyle", 1}, {"lineColor", INT32_MIN}})), edges);
  EXPECT_EQ(drawn(polygon({{"fillStyle", 1}, {"lineColor", -2}})), edges);
  // Only the solid fill gets them.
  EXPECT_EQ(drawn(polygon({{"fillStyle", 2}, {"lineStyle", 0}})).size(), 1u);
}

TEST_F(PolygonTest, LevelOutlinesTwiceThroughTheRecordsRectangle) {
  const Lines lines = drawn(polygon({{"fillStyle", 1},
                                     {"lineStyle", 0},
                                     {"x1", 0},
                                     {"y1", 0},
                                     {"x2", 100},
                                     {"y2", 60},
                                     {"levelDirY", 40},
                                     {"levelPctY", -50},
                                     {"levelBackColor", 0xAB}}));
  const std::string edges = "osGXdrawPolygon(" + kCorners + ", 1, 0x000000F1, 0x00000000, 1)";
  EXPECT_EQ(lines, (Lines{edges, "osGXsetClipFillAnimation(1)", "osGXgetClipArea(5) -> false",
                          "osGXsetClipArea(0, 30, 100, 45, 5)",
                          "osGXfillPolygon(" + kCorners + ", 0x000000F1, 0x000000B2, 1, false)",
                          edges, "osGXremoveClipArea(5)", "osGXsetClipFillAnimation(0)"}));
}

TEST_F(PolygonTest, CountsAreLimitedToTheCornersTheArrayHolds) {
  EXPECT_EQ(drawn(polygon({{"pointCount", 2}})), Lines{});
  EXPECT_EQ(drawn(polygon({{"pointCount", -3}})), Lines{});
  EXPECT_EQ(drawn(polygon({{"points", 0}})), Lines{});
  EXPECT_EQ(drawn(polygon({{"points", makeIntArray({1, 2, 3, 4, 5})}})), Lines{});
  const Lines beyond = drawn(polygon({{"pointCount", 300}}));
  ASSERT_EQ(beyond.size(), 2u);
  EXPECT_EQ(beyond[0].rfind("osGXfillPolygon(" + kCorners, 0), 0u);
}

}  // namespace
