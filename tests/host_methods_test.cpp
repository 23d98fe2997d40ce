// The VM stand-in's host methods of CgpGraphics: what the panel's classes do
// when a group shows, moves and resizes its members.
#include "vm_test_support.h"

namespace {

using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

class HostMethodsTest : public tamri_test::VmTest {
 protected:
  // Calls a CgpGraphics method virtually, as a group's native does.
  static void invoke(jword receiver, const char* nameSig, std::vector<uint32_t> scalars) {
    jword*& psp = *get_psp();
    jword*& npsp = *get_npsp();
    *--psp = receiver;
    for (uint32_t s : scalars) *--npsp = s;
    fastInvokeVirtual(vmhost::methodByIdentifier(
        vmhost::methodIdentifier("gpclasses/baseclasses/CgpGraphics", nameSig)));
  }
  static jword ellipse(tamri_test::FieldValues extra = {}) {
    tamri_test::FieldValues fields{{"x1", 10},
                                   {"y1", 20},
                                   {"x2", 30},
                                   {"y2", 40},
                                   {"lineColor", 0x102030},
                                   {"fillColor", 0xF0F0F0},
                                   {"fillStyle", 1},
                                   {"lineWidth", 1},
                                   {"lineStyle", 1},
                                   {"backColor", 0x00AA00}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject("gpclasses/graphics/CgpEllipse", fields);
  }
};

TEST_F(HostMethodsTest, BackgroundFillsTheRectangleOnlyWhenTheObjectHasOne) {
  invoke(ellipse(), "drawBackground(I)V", {1});
  invoke(ellipse({{"hasBackground", 1}}), "drawBackground(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            Lines{"osGXfillRectangle(10, 20, 30, 40, 0, 0x0000AA00, 1, 0x0000AA00, 0, 0, 0)"});
}

TEST_F(HostMethodsTest, ReversedAndDisabledDrawWithChangedColoursAndPutThemBack) {
  const jword object = ellipse();
  invoke(object, "drawReverse(I)V", {1});
  invoke(object, "drawDisabled(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (Lines{"osGXfillEllipse(10, 20, 30, 40, 0x000F0F0F, 1, 0x0000AA00)",
                   "osGXdrawEllipse(10, 20, 30, 40, 0x00EFDFCF, 1, 1, 0x0000AA00)",
                   "osGXfillEllipse(10, 20, 30, 40, 0x00E8E8E8, 1, 0x0000AA00)",
                   "osGXdrawEllipse(10, 20, 30, 40, 0x007E7E7E, 1, 1, 0x0000AA00)"}));
  EXPECT_EQ(vmhost::getField(object, "lineColor"), 0x102030);
  EXPECT_EQ(vmhost::getField(object, "fillColor"), 0xF0F0F0);
}

TEST_F(HostMethodsTest, SecuredAndBadQualityMarkWhatWasDrawn) {
  const jword object = ellipse({{"fillStyle", 0}, {"lineColor", INT32_MIN}});
  invoke(object, "drawSecured(I)V", {1});
  invoke(object, "drawBadQuality(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (Lines{"osGXdrawEllipse(10, 20, 30, 40, 0x80000000, 1, 1, 0x0000AA00)",
                   "osGXfillRectangle(10, 20, 30, 40, 0, 0x00808080, 6, 0x80000000, 0, 0, 0)",
                   "osGXfillRectangle(10, 20, 30, 40, 0, 0x00E00000, 7, 0x80000000, 0, 0, 0)",
                   "osGXdrawRectangle(10, 20, 30, 40, 1, 2, 0x00E00000, 0x80000000, 0, 0, 0)"}));
}

TEST_F(HostMethodsTest, ShiftPlacesFromTheDesignPositionAndCarriesPointsAndArcs) {
  const jword points = makeIntArray({10, 20, 30, 20, 20, 40, 99});
  const jword polygon = makeObject("gpclasses/graphics/CgpPolygon", {{"x1", 14},
                                                                     {"y1", 24},
                                                                     {"x2", 34},
                                                                     {"y2", 44},
                                                                     {"baseX1", 10},
                                                                     {"baseY1", 20},
                                                                     {"points", points}});
  invoke(polygon, "shift(II)V", {5, 2});
  // Design (10, 20) + (5, -2): the points move by (1, -6) from where they were.
  EXPECT_EQ(vmhost::intArray(points), (std::vector<int32_t>{11, 14, 31, 14, 21, 34, 99}));
  EXPECT_EQ(vmhost::getField(polygon, "x2"), 35);

  const jword pie = makeObject(
      "gpclasses/graphics/CgpPie",
      {{"x1", 10}, {"y1", 20}, {"arcX1", 10}, {"arcY2", 50}, {"startX", 7}, {"endY", -3}});
  invoke(pie, "setPosition(II)V", {110, 10});
  for (const auto& [field, value] : std::vector<std::pair<const char*, int64_t>>{
           {"arcX1", 110}, {"arcY2", 40}, {"startX", 107}, {"endY", -13}, {"y1", 10}})
    EXPECT_EQ(vmhost::getField(pie, field), value) << field;
}

TEST_F(HostMethodsTest, ResizeScalesPointsIntoTheNewRectangle) {
  const jword points = makeIntArray({10, 20, 30, 20, 20, 40});
  const jword polygon = makeObject("gpclasses/graphics/CgpPolygon", {{"x1", 10},
                                                                     {"y1", 20},
                                                                     {"x2", 30},
                                                                     {"y2", 40},
                                                                     {"baseX1", 0},
                                                                     {"baseY1", 0},
                                                                     {"baseX2", 20},
                                                                     {"baseY2", 20},
                                                                     {"points", points}});
  invoke(polygon, "resize(IB)V", {200, 6});
  // 21 pixels wide twice: 42, so 10..51.
  EXPECT_EQ(vmhost::intArray(points), (std::vector<int32_t>{10, 20, 51, 20, 30, 40}));
  invoke(polygon, "resize(IB)V", {100, 3});
  EXPECT_EQ(vmhost::getField(polygon, "y1"), 20);
  EXPECT_EQ(vmhost::getField(polygon, "y2"), 40);
}

TEST_F(HostMethodsTest, AGroupShiftPlacesItsMembersThroughItsOwnNative) {
  const jword member =
      makeObject("gpclasses/graphics/CgpEllipse", {{"x1", 20}, {"y1", 30}, {"x2", 25}, {"y2", 35}});
  const jword group = makeObject("gpclasses/graphics/CgpComplexObj",
                                 {{"x1", 20},
                                  {"y1", 30},
                                  {"baseX1", 0},
                                  {"baseY1", 0},
                                  {"children", vmhost::newRefArray(std::vector<jword>{member})}});
  invoke(group, "shift(II)V", {7, 8});
  EXPECT_EQ(vmhost::getField(member, "x1"), 7);
  EXPECT_EQ(vmhost::getField(member, "y1"), -8);
  EXPECT_EQ(vmhost::getField(group, "x2"), 12);
}

}  // namespace
