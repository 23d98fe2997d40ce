// CgpPolyLine natives driven through the VM frame: exact drawing-layer calls,
// fields written back, and the VM callbacks they make.
#include "vm_test_support.h"

#include <tuple>

namespace {

using tamri_test::callOn;
using tamri_test::FieldValues;
using tamri_test::makeIntArray;
using tamri_test::readFields;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;
using Points = std::vector<int32_t>;
using Values = std::vector<int64_t>;

// A line drawn through `drawn`; its core points lie 1000 pixels away, so a
// native that reads the wrong array shows it.
jword line(Points drawn, const FieldValues& extra = {}) {
  Points core = drawn;
  for (int32_t& value : core) value += 1000;
  // clang-format off
  const FieldValues fields{{"pointCount", static_cast<int64_t>(drawn.size() / 2)},
      {"points", makeIntArray(drawn)}, {"corePoints", makeIntArray(core)}, {"lineColor", 0xFF0000},
      {"backColor", 0x00FF00}, {"lineWidth", 1}, {"lineStyle", 1}};
  // clang-format on
  return tamri_test::makeObject("gpclasses/graphics/CgpPolyLine",
                                tamri_test::joined(fields, extra));
}
// A line derived from `core`; its drawn points start far from the result.
jword lineFromCore(Points core, const FieldValues& extra) {
  Points drawn = core;
  for (int32_t& value : drawn) value = 9999 - value;
  return line(drawn, tamri_test::joined({{"corePoints", makeIntArray(core)}}, extra));
}
Points pointsOf(jword object) {
  return vmhost::intArray(static_cast<jword>(vmhost::getField(object, "points")));
}
Values rectangleOf(jword object) { return readFields(object, {"x1", "y1", "x2", "y2"}); }
Values centresOf(jword object) {
  return readFields(object, {"rotCenterX", "rotCenterY", "anchorX", "anchorY"});
}

using PolyLineTest = tamri_test::VmTest;

TEST_F(PolyLineTest, DrawPicksTheCallByThePointsTheArrayHolds) {
  // One point is a filled square of the line width; two points use the line
  // call and more the polyline; counts beyond the array draw what exists.
  const jword drawnInOrder[] = {line({0, 0}, {{"lineWidth", 5}, {"x1", 10}, {"y1", 20}}),
                                line({0, 0}, {{"lineWidth", 4}, {"x1", 10}, {"y1", 20}}),
                                line({1, 2, 3, 4}, {{"lineEnds", 3}, {"lineStyle", -2}}),
                                line({1, 2, 3, 4, 5, 6}, {{"lineEnds", 1}, {"pointCount", 300}}),
                                line({1, 2, 3, 4, 5}, {{"pointCount", 3}}),
                                line({1, 2, 3, 4}, {{"pointCount", -2}}),
                                line({1, 2, 3, 4}, {{"pointCount", 0}}),
                                line({}, {{"pointCount", 2}, {"points", 0}})};
  for (const jword object : drawnInOrder) callOn(object, "draw(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (Lines{"osGXfillRectangle(8, 18, 12, 22, 0, 0x00FF0000, 1, 0x00000000, 0, 0, 0)",
                   "osGXfillRectangle(8, 18, 11, 21, 0, 0x00FF0000, 1, 0x00000000, 0, 0, 0)",
                   "osGXdrawLine(1, 2, 3, 4, 1, -2, 0x00FF0000, 0x0000FF00, 3)",
                   "osGXdrawPolyline(3, [{1, 2}, {3, 4}, {5, 6}], 1, 1, 0x00FF0000, 0x0000FF00, 1)",
                   "osGXdrawLine(1, 2, 3, 4, 1, 1, 0x00FF0000, 0x0000FF00, 0)"}));
}

// The end marks are arrows (docs/drawing-layer.md): 3 w + 4 long and
// 3 w / 2 + 2 to each side. The line starts with an upward segment and ends
// with a downward one, so each mark widens the rectangle differently.
TEST_F(PolyLineTest, BoundingRectangleCoversThePointsTheWidthAndTheLineEnds) {
  const Points hook{5, 40, 5, 10, 50, 10, 50, 25};
  // One point has no end segment to measure; the fourth is cut to 16 bits;
  // on the hook width 6 adds a pixel on every side after the merge; two
  // points make one segment, measured from each end.
  // clang-format off
  const std::tuple<Points, FieldValues, Values> rows[] = {
      {{0, 0, 10, 5}, {{"lineWidth", 5}}, {-1, -1, 11, 6}},
      {{3, 9, -4, 12, 8, -6}, {{"lineWidth", 4}}, {-4, -6, 8, 12}},
      {{7, -3}, {{"lineWidth", 6}, {"lineEnds", 3}}, {6, -4, 8, -2}},
      {{32767, -32768, 32767, 100}, {{"lineWidth", 5}}, {32766, 32767, -32768, 101}},
      {hook, {{"lineWidth", 3}, {"lineEnds", 3}}, {-1, 9, 56, 41}},
      {hook, {{"lineWidth", 6}, {"lineEnds", 2}}, {-7, 7, 51, 44}},
      {hook, {{"lineWidth", 6}, {"lineEnds", 1}}, {4, 2, 62, 41}},
      {{50, 10, 50, 25}, {{"lineWidth", 3}, {"lineEnds", 3}}, {44, 9, 56, 26}}};
  // clang-format on
  for (const auto& [points, fields, expected] : rows) {
    const jword object = line(points, fields);
    callOn(object, "updateCorePts()V");
    EXPECT_EQ(rectangleOf(object), expected) << ::testing::PrintToString(points);
  }
  // One measurement per marked end.
  EXPECT_EQ(traceWith("osGXgetLineBoundingRect").size(), 6u);
}

// A transform of a line built from core points (or from drawn points when
// `fromCore` is false), and the points and fields it leaves.
struct TransformRow {
  bool fromCore;
  Points points;
  FieldValues fields;
  const char* native;
  std::vector<uint32_t> arguments;
  Points expectedPoints;
  std::vector<const char*> names;
  Values expected;
};

const std::vector<const char*> kCentresAndRectangle{
    "rotCenterX", "rotCenterY", "anchorX", "anchorY", "x1", "y1", "x2", "y2"};
const std::vector<const char*> kCentres{"rotCenterX", "rotCenterY", "anchorX", "anchorY"};
const std::vector<const char*> kAnchor{"anchorX", "anchorY"};
// Core points (10, 40) and (20, 70): their extent and centre at design size,
// and the new extent (30, 100, 50, 120) the VM side set before resizing.
const FieldValues kResizable{
    {"baseX1", 10},      {"baseX2", 20}, {"baseY1", 40}, {"baseY2", 70}, {"baseAnchorX", 15},
    {"baseAnchorY", 55}, {"x1", 30},     {"x2", 50},     {"y1", 100},    {"y2", 120}};

TEST_F(PolyLineTest, TransformsPlaceTurnAndScaleThePointsAndCutThemTo16Bits) {
  const uint32_t minus32768 = static_cast<uint32_t>(-32768);
  // clang-format off
  const TransformRow rows[] = {
      // movePoints moves from the design position right and up, cut to 16 bits.
      {true, {32760, -32760, 0, 0}, {{"baseRotCenterX", 32767}, {"baseRotCenterY", 5},
       {"baseAnchorX", 3}, {"baseAnchorY", -32768}}, "movePoints(II)V", {10, 10},
       {-32766, 32766, 10, -10}, kCentresAndRectangle,
       {-32759, -5, 13, 32758, -32766, -10, 10, 32766}},
      // setPosition moves the points and centres by the offset from the
      // design corner.
      {true, {3, 4, 13, 9}, {{"baseX1", 3}, {"baseY1", 4}, {"x1", 50}, {"baseRotCenterX", 6},
       {"baseRotCenterY", 8}, {"baseAnchorX", 8}, {"baseAnchorY", 5}}, "setPosition(II)V", {20, 50},
       {20, 50, 30, 55}, kCentres, {23, 54, 25, 51}},
      // Placed at (100, 200), then turned a quarter about the design centre
      // (0, 0) where placing took it: (100, 200).
      {true, {0, 0, 10, 0}, {{"baseRotCenterX", 0}, {"baseRotCenterY", 0}, {"baseAnchorX", 5},
       {"rotated", 1}, {"rotationAngle", 1570}}, "setPosition(II)V", {100, 200},
       {100, 200, 100, 210}, kCentres, {100, 200, 100, 205}},
      {true, {0, 0, 10, -3}, {{"baseRotCenterX", 20}, {"baseRotCenterY", -1}, {"baseAnchorX", 5},
       {"baseAnchorY", -2}}, "setPosition(II)V", {32767, minus32768},
       {32767, -32768, -32759, 32765}, kCentres, {-32749, 32767, -32764, 32766}},
      // rotatePoints turns about the current centre and keeps the angle.
      {false, {110, 60, 100, 70}, {{"rotCenterX", 100}, {"rotCenterY", 60}, {"rotationAngle", 7}},
       "rotatePoints(I)V", {1570}, {100, 70, 90, 60},
       {"anchorX", "anchorY", "rotationAngle", "x1", "y1", "x2", "y2"},
       {95, 65, 7, 90, 60, 100, 70}},
      // Far from the centre it stays a rotation: 60,000 pixels below the
      // centre, cut to 16 bits.
      {false, {30000, 0}, {{"rotCenterX", -30000}, {"rotCenterY", 0}}, "rotatePoints(I)V", {1570},
       {-29999, 60000 - 65536}, kAnchor, {-29999, -5536}},
      // resizePoints scales the core points from the edge anchors...
      {true, {10, 40, 20, 70}, kResizable, "resizePoints(IBIB)V", {200, 6, 50, 5},
       {30, 100, 51, 114}, {"anchorX", "anchorY", "x1", "y1", "x2", "y2"},
       {40, 107, 30, 100, 51, 114}},
      {true, {10, 40, 20, 70}, kResizable, "resizePoints(IBIB)V", {200, 2, 50, 3},
       {29, 106, 50, 120}, kAnchor, {40, 113}},
      // ...keeps the current anchor about the centre...
      {true, {10, 40, 20, 70}, tamri_test::joined(kResizable, {{"anchorX", 200}, {"anchorY", 300}}),
       "resizePoints(IBIB)V", {100, 1, 100, 4}, {195, 285, 205, 315}, kAnchor, {200, 300}},
      // ...and cuts points and anchor to 16 bits.
      {true, {0, 5, 200, 9}, {{"baseX2", 200}, {"baseY1", 5}, {"baseY2", 9}, {"baseAnchorX", 180},
       {"baseAnchorY", 7}, {"y1", 300}}, "resizePoints(IBIB)V", {20000, 6, 100, 5},
       {0, 300, 40199 - 65536, 304}, kAnchor, {36000 - 65536, 302}}};
  // clang-format on
  for (const TransformRow& r : rows) {
    SCOPED_TRACE(r.native + std::string(" to ") + ::testing::PrintToString(r.expectedPoints));
    const jword object = r.fromCore ? lineFromCore(r.points, r.fields) : line(r.points, r.fields);
    callOn(object, r.native, r.arguments);
    EXPECT_EQ(pointsOf(object), r.expectedPoints);
    Values values;
    for (const char* name : r.names) values.push_back(vmhost::getField(object, name));
    EXPECT_EQ(values, r.expected);
  }
}

TEST_F(PolyLineTest, MoveAndPlaceCallBackToTheVmSide) {
  const jword placed = lineFromCore({3, 4, 13, 9}, {});
  vmhost::nameObject(placed, "line");
  const std::string place =
      "callback direct gpclasses/baseclasses/CgpGraphics.setPosition(II)V on @line (20, 50)";
  const std::string update =
      "callback virtual gpclasses/graphics/CgpPolyLine.updateCorePts()V on @line ()";
  for (const Lines& expected : {Lines{place, update}, Lines{place, update, update}}) {
    host::traceClear();
    callOn(placed, "setPosition(II)V", {20, 50});
    EXPECT_EQ(traceWith("callback"), expected);
    vmhost::setField(placed, "rotated", 1);  // a turned line is turned again after placing
  }
  // Without core points nothing moves: only the VM side places the record.
  const jword bare = line({1, 1, 2, 2}, {{"corePoints", 0}, {"rotated", 1}});
  vmhost::nameObject(bare, "bare");
  host::traceClear();
  callOn(bare, "setPosition(II)V", {40, 40});
  EXPECT_EQ(pointsOf(bare), (Points{1, 1, 2, 2}));
  EXPECT_EQ(traceWith("callback"),
            Lines{"callback direct gpclasses/baseclasses/CgpGraphics.setPosition(II)V on @bare "
                  "(40, 40)"});
}

TEST_F(PolyLineTest, TransformsTouchNoPointBeyondTheShorterArray) {
  const jword object = line({0, 0, 10, 0, 20, 0}, {{"pointCount", 255}});
  vmhost::setField(object, "corePoints", makeIntArray({1, 1}));
  callOn(object, "movePoints(II)V", {1, 0});
  EXPECT_EQ(pointsOf(object), (Points{2, 1, 10, 0, 20, 0}));
  callOn(object, "resizePoints(IBIB)V", {100, 6, 100, 5});
  // The new extent is the moved rectangle (2, 0, 20, 1).
  EXPECT_EQ(pointsOf(object), (Points{3, 1, 10, 0, 20, 0}));
  // Rotation needs the drawn points only: all three turn about (1, 0).
  callOn(object, "rotatePoints(I)V", {3141});
  EXPECT_EQ(pointsOf(object), (Points{0, 0, -7, 0, -17, 0}));
}

// Moving and resizing derive the drawn points from the core points and need
// both arrays; rotating turns the drawn points and needs only those.
TEST_F(PolyLineTest, TransformsWithAMissingArrayDoNothing) {
  // clang-format off
  const FieldValues placed{{"rotCenterX", 11}, {"rotCenterY", 12}, {"anchorX", 13}, {"anchorY", 14},
      {"baseRotCenterX", 21}, {"baseRotCenterY", 22}, {"baseAnchorX", 23}, {"baseAnchorY", 24},
      {"x1", 1}, {"y1", 2}, {"x2", 3}, {"y2", 4}};
  // clang-format on
  const std::vector<std::tuple<const char*, const char*, std::vector<uint32_t>>> cases{
      {"points", "movePoints(II)V", {5, 6}},
      {"points", "resizePoints(IBIB)V", {150, 6, 150, 5}},
      {"points", "rotatePoints(I)V", {1570}},
      {"corePoints", "movePoints(II)V", {5, 6}},
      {"corePoints", "resizePoints(IBIB)V", {150, 6, 150, 5}}};
  for (const auto& [missing, nameSig, arguments] : cases) {
    SCOPED_TRACE(std::string(nameSig) + " without " + missing);
    const jword object = line({1, 2, 3, 4}, tamri_test::joined(placed, {{missing, 0}}));
    callOn(object, nameSig, arguments);
    EXPECT_EQ(readFields(object, {"rotCenterX", "rotCenterY", "anchorX", "anchorY", "x1", "y1",
                                  "x2", "y2"}),
              (Values{11, 12, 13, 14, 1, 2, 3, 4}));
    if (vmhost::getField(object, "points") != 0) EXPECT_EQ(pointsOf(object), (Points{1, 2, 3, 4}));
    EXPECT_EQ(traceWith("callback"), Lines{});
    host::traceClear();
  }
  // Arrays without a whole point leave the centre alone.
  for (Points tooShort : {Points{}, Points{7}}) {
    // clang-format off
    const jword object = line(tooShort, {{"anchorX", 33}, {"anchorY", 44}, {"baseAnchorX", 28},
                                         {"baseAnchorY", 39}, {"rotated", 1}});
    // clang-format on
    callOn(object, "rotatePoints(I)V", {785});
    callOn(object, "setPosition(II)V", {5, 5});
    callOn(object, "resizePoints(IBIB)V", {150, 1, 150, 4});
    EXPECT_EQ(readFields(object, {"anchorX", "anchorY"}), (Values{33, 44}));
  }
}

}  // namespace
