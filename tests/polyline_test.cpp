// CgpPolyLine natives driven through the VM frame: exact drawing-layer calls,
// fields written back, and the VM callbacks they make.
#include "vm_test_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;

constexpr const char* kPolyLine = "gpclasses/graphics/CgpPolyLine";

class PolyLineTest : public tamri_test::VmTest {
 protected:
  jword line(std::vector<int32_t> points, tamri_test::FieldValues extra = {}) {
    const auto count = static_cast<int64_t>(points.size() / 2);
    const jword drawn = makeIntArray(points);
    const jword core = makeIntArray(points);
    tamri_test::FieldValues fields{
        {"pointCount", count},   {"points", drawn}, {"corePoints", core}, {"lineColor", 0xFF0000},
        {"backColor", 0x00FF00}, {"lineWidth", 1},  {"lineStyle", 1}};
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

TEST_F(PolyLineTest, BoundingRectangleGrowsForWideLines) {
  const jword object = line({0, 0, 10, 5}, {{"lineWidth", 5}});
  callOn(object, "updateCorePts()V");
  EXPECT_EQ(fields(object, {"x1", "y1", "x2", "y2"}), (std::vector<int64_t>{-1, -1, 11, 6}));
  EXPECT_TRUE(traceWith("osGXgetLineBoundingRect").empty());
}

TEST_F(PolyLineTest, LineEndsMergeTheDrawingLayersEndRectangles) {
  const jword object = line({0, 0, 10, 0, 20, 0}, {{"lineWidth", 3}, {"lineEnds", 3}});
  callOn(object, "updateCorePts()V");
  const std::vector<std::string> measured = traceWith("osGXgetLineBoundingRect");
  ASSERT_EQ(measured.size(), 2u);
  EXPECT_EQ(measured[0].rfind("osGXgetLineBoundingRect({10, 0}, {0, 0}, 3)", 0), 0u);
  EXPECT_EQ(measured[1].rfind("osGXgetLineBoundingRect({10, 0}, {20, 0}, 3)", 0), 0u);
  // The arrows stick out of the points on both ends and above and below.
  EXPECT_LT(vmhost::getField(object, "x1"), 0);
  EXPECT_GT(vmhost::getField(object, "x2"), 20);
  EXPECT_LT(vmhost::getField(object, "y1"), 0);
  EXPECT_GT(vmhost::getField(object, "y2"), 0);
}

TEST_F(PolyLineTest, MovePointsMovesFromTheDesignPositionRightAndUp) {
  const jword object =
      line({0, 0, 10, 5},
           {{"baseRotCenterX", 5}, {"baseRotCenterY", 2}, {"baseAnchorX", 5}, {"baseAnchorY", 2}});
  callOn(object, "movePoints(II)V", {5, 5});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{5, -5, 15, 0}));
  EXPECT_EQ(fields(object, {"rotCenterX", "rotCenterY", "anchorX", "anchorY"}),
            (std::vector<int64_t>{10, -3, 10, -3}));
  EXPECT_EQ(fields(object, {"x1", "y1", "x2", "y2"}), (std::vector<int64_t>{5, -5, 15, 0}));
  EXPECT_EQ(traceWith("callback"),
            (std::vector<std::string>{
                "callback virtual gpclasses/graphics/CgpPolyLine.updateCorePts()V on #" +
                std::to_string(object) + " ()"}));
}

TEST_F(PolyLineTest, SetPositionAtTheDesignPositionCopiesTheCorePoints) {
  const jword object = line({3, 4, 13, 9}, {{"baseX1", 3}, {"baseY1", 4}, {"x1", 50}});
  vmhost::setField(object, "points", makeIntArray({0, 0, 0, 0}));
  vmhost::nameObject(object, "line");
  callOn(object, "setPosition(II)V", {3, 4});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{3, 4, 13, 9}));
  EXPECT_EQ(traceWith("callback"),
            (std::vector<std::string>{
                "callback direct gpclasses/baseclasses/CgpGraphics.setPosition(II)V on @line (3, "
                "4)",
                "callback virtual gpclasses/graphics/CgpPolyLine.updateCorePts()V on @line ()"}));
}

TEST_F(PolyLineTest, SetPositionPlacesThenTurnsAboutThePlacedRotationCentre) {
  const jword object = line({0, 0, 10, 0}, {{"baseRotCenterX", 0},
                                            {"baseRotCenterY", 0},
                                            {"baseAnchorX", 5},
                                            {"rotated", 1},
                                            {"rotationAngle", 1570}});
  callOn(object, "setPosition(II)V", {100, 200});
  // Placed at (100, 200), then turned a quarter about the design centre
  // (0, 0) where placing took it: (100, 200).
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{100, 200, 100, 210}));
  EXPECT_EQ(fields(object, {"rotCenterX", "rotCenterY", "anchorX", "anchorY"}),
            (std::vector<int64_t>{100, 200, 100, 205}));
  EXPECT_EQ(traceWith("callback virtual").size(), 2u);
}

TEST_F(PolyLineTest, PlacingARotatedLineMovesItsTurnedShapeByTheOffset) {
  const std::vector<int32_t> design{100, 100, 110, 100, 120, 105};
  const tamri_test::FieldValues rotated{
      {"baseX1", 100},        {"baseY1", 100}, {"baseRotCenterX", 105}, {"baseRotCenterY", 100},
      {"rotationAngle", 785}, {"rotated", 1},  {"baseAnchorX", 110},    {"baseAnchorY", 102}};
  const jword atDesign = line(design, rotated);
  const jword placed = line(design, rotated);
  callOn(atDesign, "setPosition(II)V", {100, 100});
  callOn(placed, "setPosition(II)V", {40, 40});
  callOn(placed, "setPosition(II)V", {170, 190});
  std::vector<int32_t> expected = pointsOf(atDesign);
  for (size_t i = 0; i < expected.size(); ++i) expected[i] += i % 2 ? 90 : 70;
  EXPECT_EQ(pointsOf(placed), expected);
  EXPECT_NE(pointsOf(atDesign), design);  // it did turn
}

TEST_F(PolyLineTest, SetPositionWithoutCorePointsLeavesThePoints) {
  const jword object = line({1, 1, 2, 2}, {{"corePoints", 0}, {"rotated", 1}});
  callOn(object, "setPosition(II)V", {40, 40});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{1, 1, 2, 2}));
  EXPECT_EQ(traceWith("callback").size(), 1u);
}

TEST_F(PolyLineTest, SetPositionCutsCoordinatesTo16Bits) {
  const jword object = line({0, 0, 10, 0});
  callOn(object, "setPosition(II)V", {32767, 0});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{32767, 0, -32759, 0}));
}

TEST_F(PolyLineTest, RotatePointsTurnsAboutTheCurrentCentreAndKeepsTheAngle) {
  const jword object =
      line({110, 100, 100, 110}, {{"rotCenterX", 100}, {"rotCenterY", 100}, {"rotationAngle", 7}});
  callOn(object, "rotatePoints(I)V", {1570});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{100, 110, 90, 100}));
  EXPECT_EQ(fields(object, {"anchorX", "anchorY", "rotationAngle"}),
            (std::vector<int64_t>{95, 105, 7}));
}

TEST_F(PolyLineTest, ResizePointsScalesTheCorePointsIntoTheNewExtent) {
  const jword object = line({10, 10, 20, 20}, {{"baseX1", 10},
                                               {"baseX2", 20},
                                               {"baseY1", 10},
                                               {"baseY2", 20},
                                               {"baseAnchorX", 15},
                                               {"baseAnchorY", 15},
                                               {"x1", 10},
                                               {"x2", 30},
                                               {"y1", 10},
                                               {"y2", 30}});
  callOn(object, "resizePoints(IBIB)V", {200, 6, 200, 5});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{10, 10, 31, 31}));
  EXPECT_EQ(fields(object, {"anchorX", "anchorY"}), (std::vector<int64_t>{20, 20}));
}

TEST_F(PolyLineTest, TransformsTouchNoPointBeyondTheShorterArray) {
  const jword object = line({0, 0, 10, 0, 20, 0}, {{"pointCount", 255}});
  vmhost::setField(object, "corePoints", makeIntArray({1, 1}));
  callOn(object, "movePoints(II)V", {1, 0});
  EXPECT_EQ(pointsOf(object), (std::vector<int32_t>{2, 1, 10, 0, 20, 0}));
  callOn(object, "resizePoints(IBIB)V", {100, 6, 100, 5});
  callOn(object, "rotatePoints(I)V", {3141});
  EXPECT_EQ(pointsOf(object).size(), 6u);
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
