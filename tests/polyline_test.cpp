// CgpPolyLine natives driven through the VM frame: exact drawing-layer calls,
// fields written back, and the VM callbacks they make.
#include "vm_test_support.h"

#include <tuple>

namespace {

using tamri_test::callOn;
using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;

constexpr const char* kPolyLine = "gpclasses/graphics/CgpPolyLine";

class PolyLineTest : public tamri_test::VmTest {
 protected:
  // A line drawn through `drawn`; its core points lie 1000 pixels away, so a
  // native that reads the wrong array shows it.
  jword line(std::vector<int32_t> drawn, tamri_test::FieldValues extra = {}) {
    std::vector<int32_t> core = drawn;
    for (int32_t& value : core) value += 1000;
    return lineWith(drawn, core, extra);
  }
  // A line derived from `core`; its drawn points start far from the result.
  jword lineFromCore(std::vector<int32_t> core, tamri_test::FieldValues extra = {}) {
    std::vector<int32_t> drawn = core;
    for (int32_t& value : drawn) value = 9999 - value;
    return lineWith(drawn, core, extra);
  }
  jword lineWith(const std::vector<int32_t>& drawn, const std::vector<int32_t>& core,
                 const tamri_test::FieldValues& extra) {
    const auto count = static_cast<int64_t>(drawn.size() / 2);
    tamri_test::FieldValues fields{{"pointCount", count},
                                   {"points", makeIntArray(drawn)},
                                   {"corePoints", makeIntArray(core)},
                                   {"lineColor", 0xFF0000},
                                   {"backColor", 0x00FF00},
                                   {"lineWidth", 1},
                                   {"lineStyle", 1}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject(kPolyLine, fields);
  }
  static std::vector<int32_t> pointsOf(jword object) {
    return vmhost::intArray(static_cast<jword>(vmhost::getField(object, "points")));
  }
  static std::vector<int64_t> fields(jword object, std::vector<const char*> names) {
    std::vector<int64_t> values;
    for (const char* name : names) values.push_back(vmhost::getField(object, name));
    return values;
  }
  static std::vector<int64_t> rectangleOf(jword object) {
    return fields(object, {"x1", "y1", "x2", "y2"});
  }
  static std::vector<int64_t> centresOf(jword object) {
    return fields(object, {"rotCenterX", "rotCenterY", "anchorX", "anchorY"});
  }
};

TEST_F(PolyLineTest, OnePointIsAFilledSquareOfTheLineWidth) {
  const jword wide = line({0, 0}, {{"lineWidth", 5}, {"x1", 10}, {"y1", 20}});
  const jword even = line({0, 0}, {{"lineWidth", 4}, {"x1", 10}, {"y1", 20}});
  callOn(wide, "draw(I)V", {1});
  callOn(even, "draw(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{
                "osGXfillRectangle(8, 18, 12, 22, 0, 0x00FF0000, 1, 0x00000000, 0, 0, 0)",
                "osGXfillRectangle(8, 18, 11, 21, 0, 0x00FF0000, 1, 0x00000000, 0, 0, 0)"}));
}

TEST_F(PolyLineTest, TwoPointsUseTheLineCallAndMoreUseThePolyline) {
  callOn(line({1, 2, 3, 4}, {{"lineEnds", 3}, {"lineStyle", -2}}), "draw(I)V", {1});
  callOn(line({1, 2, 3, 4, 5, 6}, {{"lineEnds", 1}}), "draw(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{
                "osGXdrawLine(1, 2, 3, 4, 1, -2, 0x00FF0000, 0x0000FF00, 3)",
                "osGXdrawPolyline(3, [{1, 2}, {3, 4}, {5, 6}], 1, 1, 0x00FF0000, 0x0000FF00, 1)"}));
}

TEST_F(PolyLineTest, CountsBeyondTheArrayOrMissingPointsDrawOnlyWhatExists) {
  callOn(line({1, 2, 3, 4, 5, 6}, {{"pointCount", 300}}), "draw(I)V", {1});
  callOn(line({1, 2, 3, 4, 5}, {{"pointCount", 3}}), "draw(I)V", {1});
  callOn(line({1, 2, 3, 4}, {{"pointCount", -2}}), "draw(I)V", {1});
  callOn(line({1, 2, 3, 4}, {{"pointCount", 0}}), "draw(I)V", {1});
  callOn(line({}, {{"pointCount", 2}, {"points", 0}}), "draw(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{
                "osGXdrawPolyline(3, [{1, 2}, {3, 4}, {5, 6}], 1, 1, 0x00FF0000, 0x0000FF00, 0)",
                "osGXdrawLine(1, 2, 3, 4, 1, 1, 0x00FF0000, 0x0000FF00, 0)"}));
}

TEST_F(PolyLineTest, BoundingRectangleCoversThePointsAndGrowsForWideLines) {
  const jword wide = line({0, 0, 10, 5}, {{"lineWidth", 5}});
  const jword narrow = line({3, 9, -4, 12, 8, -6}, {{"lineWidth", 4}});
  const jword single = line({7, -3}, {{"lineWidth", 6}, {"lineEnds", 3}});
  for (const jword object : {wide, narrow, single}) callOn(object, "updateCorePts()V");
  EXPECT_EQ(rectangleOf(wide), (std::vector<int64_t>{-1, -1, 11, 6}));
  EXPECT_EQ(rectangleOf(narrow), (std::vector<int64_t>{-4, -6, 8, 12}));
  // One point has no end segment to measure.
  EXPECT_EQ(rectangleOf(single), (std::vector<int64_t>{6, -4, 8, -2}));
  EXPECT_TRUE(traceWith("osGXgetLineBoundingRect").empty());
}

TEST_F(PolyLineTest, BoundingRectangleIsCutTo16Bits) {
  const jword object = line({32767, -32768, 32767, 100}, {{"lineWidth", 5}});
  callOn(object, "updateCorePts()V");
  EXPECT_EQ(rectangleOf(object), (std::vector<int64_t>{32766, 32767, -32768, 101}));
}

// The end marks are arrows (docs/drawing-layer.md): 3 w + 4 long and
// 3 w / 2 + 2 to each side. The line starts with an upward segment and ends
// with a downward one, so each mark widens the rectangle differently.
TEST_F(PolyLineTest, LineEndsMergeTheDrawingLayersEndRectangles) {
  const std::vector<int32_t> points{5, 40, 5, 10, 50, 10, 50, 25};
  const jword both = line(points, {{"lineWidth", 3}, {"lineEnds", 3}});
  const jword first = line(points, {{"lineWidth", 6}, {"lineEnds", 2}});
  const jword last = line(points, {{"lineWidth", 6}, {"lineEnds", 1}});
  const jword two = line({50, 10, 50, 25}, {{"lineWidth", 3}, {"lineEnds", 3}});
  for (const jword object : {both, first, last, two}) callOn(object, "updateCorePts()V");
  EXPECT_EQ(rectangleOf(both), (std::vector<int64_t>{-1, 9, 56, 41}));
  // Width 6 adds a pixel on every side after the merge.
  EXPECT_EQ(rectangleOf(first), (std::vector<int64_t>{-7, 7, 51, 44}));
  EXPECT_EQ(rectangleOf(last), (std::vector<int64_t>{4, 2, 62, 41}));
  // Two points: one segment, measured from each end.
  EXPECT_EQ(rectangleOf(two), (std::vector<int64_t>{44, 9, 56, 26}));
  // One measurement per marked end.
  EXPECT_EQ(traceWith("osGXgetLineBoundingRect").size(), 6u);
}

TEST_F(PolyLineTest, MovePointsMovesFromTheDesignPositionRightAndUp) {
  const jword object = lineFromCore(
      {0, 0, 10, 5},
      {{"baseRotCenterX", 7}, {"baseRotCenterY", 3}, {"baseAnchorX", 5}, {"baseAnchorY", 2}});
  callOn(object, "movePoints(II)V", {6, 4});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{6, -4, 16, 1}));
  EXPECT_EQ(centresOf(object), (std::vector<int64_t>{13, -1, 11, -2}));
  EXPECT_EQ(rectangleOf(object), (std::vector<int64_t>{6, -4, 16, 1}));
  EXPECT_EQ(traceWith("callback"),
            (std::vector<std::string>{
                "callback virtual gpclasses/graphics/CgpPolyLine.updateCorePts()V on #" +
                std::to_string(object) + " ()"}));
}

TEST_F(PolyLineTest, MovePointsCutsEveryCoordinateTo16Bits) {
  const jword object = lineFromCore({32760, -32760, 0, 0}, {{"baseRotCenterX", 32767},
                                                            {"baseRotCenterY", 5},
                                                            {"baseAnchorX", 3},
                                                            {"baseAnchorY", -32768}});
  callOn(object, "movePoints(II)V", {10, 10});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{-32766, 32766, 10, -10}));
  EXPECT_EQ(centresOf(object), (std::vector<int64_t>{-32759, -5, 13, 32758}));
  EXPECT_EQ(rectangleOf(object), (std::vector<int64_t>{-32766, -10, 10, 32766}));
}

TEST_F(PolyLineTest, SetPositionMovesThePointsAndCentresByTheOffsetFromTheDesignCorner) {
  const jword object = lineFromCore({3, 4, 13, 9}, {{"baseX1", 3},
                                                    {"baseY1", 4},
                                                    {"x1", 50},
                                                    {"baseRotCenterX", 6},
                                                    {"baseRotCenterY", 8},
                                                    {"baseAnchorX", 8},
                                                    {"baseAnchorY", 5}});
  vmhost::nameObject(object, "line");
  callOn(object, "setPosition(II)V", {20, 50});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{20, 50, 30, 55}));
  EXPECT_EQ(centresOf(object), (std::vector<int64_t>{23, 54, 25, 51}));
  EXPECT_EQ(traceWith("callback"),
            (std::vector<std::string>{
                "callback direct gpclasses/baseclasses/CgpGraphics.setPosition(II)V on @line (20, "
                "50)",
                "callback virtual gpclasses/graphics/CgpPolyLine.updateCorePts()V on @line ()"}));
}

TEST_F(PolyLineTest, SetPositionPlacesThenTurnsAboutThePlacedRotationCentre) {
  const jword object = lineFromCore({0, 0, 10, 0}, {{"baseRotCenterX", 0},
                                                    {"baseRotCenterY", 0},
                                                    {"baseAnchorX", 5},
                                                    {"rotated", 1},
                                                    {"rotationAngle", 1570}});
  callOn(object, "setPosition(II)V", {100, 200});
  // Placed at (100, 200), then turned a quarter about the design centre
  // (0, 0) where placing took it: (100, 200).
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{100, 200, 100, 210}));
  EXPECT_EQ(centresOf(object), (std::vector<int64_t>{100, 200, 100, 205}));
  EXPECT_EQ(traceWith("callback virtual").size(), 2u);
}

TEST_F(PolyLineTest, SetPositionWithoutCorePointsLeavesThePoints) {
  const jword object = line({1, 1, 2, 2}, {{"corePoints", 0}, {"rotated", 1}});
  callOn(object, "setPosition(II)V", {40, 40});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{1, 1, 2, 2}));
  EXPECT_EQ(traceWith("callback").size(), 1u);
}

TEST_F(PolyLineTest, SetPositionCutsCoordinatesTo16Bits) {
  const jword object = lineFromCore(
      {0, 0, 10, -3},
      {{"baseRotCenterX", 20}, {"baseRotCenterY", -1}, {"baseAnchorX", 5}, {"baseAnchorY", -2}});
  callOn(object, "setPosition(II)V", {32767, static_cast<uint32_t>(-32768)});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{32767, -32768, -32759, 32765}));
  EXPECT_EQ(centresOf(object), (std::vector<int64_t>{-32749, 32767, -32764, 32766}));
}

TEST_F(PolyLineTest, RotatePointsTurnsAboutTheCurrentCentreAndKeepsTheAngle) {
  const jword object =
      line({110, 60, 100, 70}, {{"rotCenterX", 100}, {"rotCenterY", 60}, {"rotationAngle", 7}});
  callOn(object, "rotatePoints(I)V", {1570});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{100, 70, 90, 60}));
  EXPECT_EQ(fields(object, {"anchorX", "anchorY", "rotationAngle"}),
            (std::vector<int64_t>{95, 65, 7}));
  EXPECT_EQ(rectangleOf(object), (std::vector<int64_t>{90, 60, 100, 70}));
}

TEST_F(PolyLineTest, RotatePointsFarFromTheCentreStaysARotation) {
  const jword object = line({30000, 0}, {{"rotCenterX", -30000}, {"rotCenterY", 0}});
  callOn(object, "rotatePoints(I)V", {1570});
  // 60,000 pixels below the centre, cut to 16 bits.
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{-29999, 60000 - 65536}));
  EXPECT_EQ(fields(object, {"anchorX", "anchorY"}), (std::vector<int64_t>{-29999, -5536}));
}

// Core points (10, 40) and (20, 70): their extent and centre at design size,
// and the new extent (30, 100, 50, 120) the VM side set before resizing.
const tamri_test::FieldValues kResizable{
    {"baseX1", 10},      {"baseX2", 20}, {"baseY1", 40}, {"baseY2", 70}, {"baseAnchorX", 15},
    {"baseAnchorY", 55}, {"x1", 30},     {"x2", 50},     {"y1", 100},    {"y2", 120}};

TEST_F(PolyLineTest, ResizePointsScalesTheCorePointsFromTheEdgeAnchors) {
  const jword leftTop = lineFromCore({10, 40, 20, 70}, kResizable);
  const jword rightBottom = lineFromCore({10, 40, 20, 70}, kResizable);
  callOn(leftTop, "resizePoints(IBIB)V", {200, 6, 50, 5});
  callOn(rightBottom, "resizePoints(IBIB)V", {200, 2, 50, 3});
  EXPECT_EQ(pointsOf(leftTop), (std::vector<int32_t>{30, 100, 51, 114}));
  EXPECT_EQ(fields(leftTop, {"anchorX", "anchorY"}), (std::vector<int64_t>{40, 107}));
  EXPECT_EQ(rectangleOf(leftTop), (std::vector<int64_t>{30, 100, 51, 114}));
  EXPECT_EQ(pointsOf(rightBottom), (std::vector<int32_t>{29, 106, 50, 120}));
  EXPECT_EQ(fields(rightBottom, {"anchorX", "anchorY"}), (std::vector<int64_t>{40, 113}));
}

TEST_F(PolyLineTest, ResizePointsAboutTheCentreKeepsTheCurrentAnchor) {
  tamri_test::FieldValues placed = kResizable;
  placed.insert(placed.end(), {{"anchorX", 200}, {"anchorY", 300}});
  const jword object = lineFromCore({10, 40, 20, 70}, placed);
  callOn(object, "resizePoints(IBIB)V", {100, 1, 100, 4});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{195, 285, 205, 315}));
  EXPECT_EQ(fields(object, {"anchorX", "anchorY"}), (std::vector<int64_t>{200, 300}));
}

TEST_F(PolyLineTest, ResizePointsCutsPointsAndAnchorTo16Bits) {
  const jword object = lineFromCore({0, 5, 200, 9}, {{"baseX2", 200},
                                                     {"baseY1", 5},
                                                     {"baseY2", 9},
                                                     {"baseAnchorX", 180},
                                                     {"baseAnchorY", 7},
                                                     {"y1", 300}});
  callOn(object, "resizePoints(IBIB)V", {20000, 6, 100, 5});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{0, 300, 40199 - 65536, 304}));
  EXPECT_EQ(fields(object, {"anchorX", "anchorY"}), (std::vector<int64_t>{36000 - 65536, 302}));
}

TEST_F(PolyLineTest, TransformsTouchNoPointBeyondTheShorterArray) {
  const jword object = line({0, 0, 10, 0, 20, 0}, {{"pointCount", 255}});
  vmhost::setField(object, "corePoints", makeIntArray({1, 1}));
  callOn(object, "movePoints(II)V", {1, 0});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{2, 1, 10, 0, 20, 0}));
  callOn(object, "resizePoints(IBIB)V", {100, 6, 100, 5});
  // The new extent is the moved rectangle (2, 0, 20, 1).
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{3, 1, 10, 0, 20, 0}));
  // Rotation needs the drawn points only: all three turn about (1, 0).
  callOn(object, "rotatePoints(I)V", {3141});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{0, 0, -7, 0, -17, 0}));
}

// Moving and resizing derive the drawn points from the core points and need
// both arrays; rotating turns the drawn points and needs only those.
TEST_F(PolyLineTest, TransformsWithAMissingArrayDoNothing) {
  const tamri_test::FieldValues placed{{"rotCenterX", 11},
                                       {"rotCenterY", 12},
                                       {"anchorX", 13},
                                       {"anchorY", 14},
                                       {"baseRotCenterX", 21},
                                       {"baseRotCenterY", 22},
                                       {"baseAnchorX", 23},
                                       {"baseAnchorY", 24},
                                       {"x1", 1},
                                       {"y1", 2},
                                       {"x2", 3},
                                       {"y2", 4}};
  const std::vector<std::tuple<const char*, const char*, std::vector<uint32_t>>> cases{
      {"points", "movePoints(II)V", {5, 6}},
      {"points", "resizePoints(IBIB)V", {150, 6, 150, 5}},
      {"points", "rotatePoints(I)V", {1570}},
      {"corePoints", "movePoints(II)V", {5, 6}},
      {"corePoints", "resizePoints(IBIB)V", {150, 6, 150, 5}}};
  for (const auto& [missing, nameSig, arguments] : cases) {
    SCOPED_TRACE(std::string(nameSig) + " without " + missing);
    tamri_test::FieldValues fields = placed;
    fields.emplace_back(missing, 0);
    const jword object = line({1, 2, 3, 4}, fields);
    callOn(object, nameSig, arguments);
    EXPECT_EQ(centresOf(object), (std::vector<int64_t>{11, 12, 13, 14}));
    EXPECT_EQ(rectangleOf(object), (std::vector<int64_t>{1, 2, 3, 4}));
    if (vmhost::getField(object, "points") != 0) {
      EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{1, 2, 3, 4}));
    }
    EXPECT_TRUE(traceWith("callback").empty());
    host::traceClear();
  }
}

TEST_F(PolyLineTest, ArraysWithoutAWholePointLeaveTheCentreAlone) {
  for (std::vector<int32_t> tooShort : {std::vector<int32_t>{}, std::vector<int32_t>{7}}) {
    const jword object = line(tooShort, {{"anchorX", 33},
                                         {"anchorY", 44},
                                         {"baseAnchorX", 28},
                                         {"baseAnchorY", 39},
                                         {"rotated", 1}});
    callOn(object, "rotatePoints(I)V", {785});
    callOn(object, "setPosition(II)V", {5, 5});
    callOn(object, "resizePoints(IBIB)V", {150, 1, 150, 4});
    EXPECT_EQ(vmhost::getField(object, "anchorX"), 33);
    EXPECT_EQ(vmhost::getField(object, "anchorY"), 44);
  }
}

}  // namespace
