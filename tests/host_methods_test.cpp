// The VM stand-in's host methods of CgpGraphics: what the panel's classes do
// when a group shows, moves and resizes its members.
#include "vm_test_support.h"

namespace {

using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;
using F = std::pair<const char*, int64_t>;
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
    tamri_test::FieldValues fields({F("x1", 10), F("y1", 20), F("x2", 30), F("y2", 40),
                                    F("lineColor", 0x102030), F("fillColor", 0xF0F0F0),
                                    F("fillStyle", 1), F("lineWidth", 1), F("lineStyle", 1),
                                    F("backColor", 0x00AA00)});
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject("gpclasses/graphics/CgpEllipse", fields);
  }
};

// Background only with one; reversed and disabled colours put back after;
// secured and bad quality marks over what was drawn.
TEST_F(HostMethodsTest, TheDrawVariantsDrawWithTheirColoursAndMarks) {
  const jword object = ellipse();
  invoke(object, "drawBackground(I)V", {1});
  invoke(ellipse({F("hasBackground", 1)}), "drawBackground(I)V", {1});
  invoke(object, "drawReverse(I)V", {1});
  invoke(object, "drawDisabled(I)V", {1});
  EXPECT_EQ(vmhost::getField(object, "lineColor"), 0x102030);
  EXPECT_EQ(vmhost::getField(object, "fillColor"), 0xF0F0F0);
  const jword outline = ellipse({F("fillStyle", 0), F("lineColor", INT32_MIN)});
  invoke(outline, "drawSecured(I)V", {1});
  invoke(outline, "drawBadQuality(I)V", {1});
  EXPECT_EQ(traceWith("osGX"),
            (Lines{"osGXfillRectangle(10, 20, 30, 40, 0, 0x0000AA00, 1, 0x0000AA00, 0, 0, 0)",
                   "osGXfillEllipse(10, 20, 30, 40, 0x000F0F0F, 1, 0x0000AA00)",
                   "osGXdrawEllipse(10, 20, 30, 40, 0x00EFDFCF, 1, 1, 0x0000AA00)",
                   "osGXfillEllipse(10, 20, 30, 40, 0x00E8E8E8, 1, 0x0000AA00)",
                   "osGXdrawEllipse(10, 20, 30, 40, 0x007E7E7E, 1, 1, 0x0000AA00)",
                   "osGXdrawEllipse(10, 20, 30, 40, 0x80000000, 1, 1, 0x0000AA00)",
                   "osGXfillRectangle(10, 20, 30, 40, 0, 0x00808080, 6, 0x80000000, 0, 0, 0)",
                   "osGXfillRectangle(10, 20, 30, 40, 0, 0x00E00000, 7, 0x80000000, 0, 0, 0)",
                   "osGXdrawRectangle(10, 20, 30, 40, 1, 2, 0x00E00000, 0x80000000, 0, 0, 0)"}));
}

TEST_F(HostMethodsTest, ShiftAndResizePlaceFromTheDesignRectangleAndCarryPointsAndArcs) {
  const jword points = makeIntArray({10, 20, 30, 20, 20, 40, 99});
  const jword polygon = makeObject("gpclasses/graphics/CgpPolygon",
                                   {F("x1", 14), F("y1", 24), F("x2", 34), F("y2", 44),
                                    F("baseX1", 10), F("baseY1", 20), F("points", points)});
  invoke(polygon, "shift(II)V", {5, 2});
  // Design (10, 20) + (5, -2): the points move by (1, -6) from where they were.
  EXPECT_EQ(vmhost::intArray(points), (std::vector<int32_t>{11, 14, 31, 14, 21, 34, 99}));
  EXPECT_EQ(vmhost::getField(polygon, "x2"), 35);
  const jword pie = makeObject(
      "gpclasses/graphics/CgpPie",
      {F("x1", 10), F("y1", 20), F("arcX1", 10), F("arcY2", 50), F("startX", 7), F("endY", -3)});
  invoke(pie, "setPosition(II)V", {110, 10});
  for (const auto& [field, value] : tamri_test::FieldValues{
           F("arcX1", 110), F("arcY2", 40), F("startX", 107), F("endY", -13), F("y1", 10)})
    EXPECT_EQ(vmhost::getField(pie, field), value) << field;

  const jword corners = makeIntArray({10, 20, 30, 20, 20, 40});
  const jword scaled =
      makeObject("gpclasses/graphics/CgpPolygon",
                 {F("x1", 10), F("y1", 20), F("x2", 30), F("y2", 40), F("baseX1", 0),
                  F("baseY1", 0), F("baseX2", 20), F("baseY2", 20), F("points", corners)});
  invoke(scaled, "resize(IB)V", {200, 6});
  // 21 pixels wide twice: 42, so 10..51.
  EXPECT_EQ(vmhost::intArray(corners), (std::vector<int32_t>{10, 20, 51, 20, 30, 40}));
  invoke(scaled, "resize(IB)V", {100, 3});
  EXPECT_EQ(vmhost::getField(scaled, "y1"), 20);
  EXPECT_EQ(vmhost::getField(scaled, "y2"), 40);
}

TEST_F(HostMethodsTest, AGroupShiftPlacesItsMembersThroughItsOwnNative) {
  const jword member = makeObject("gpclasses/graphics/CgpEllipse",
                                  {F("x1", 20), F("y1", 30), F("x2", 25), F("y2", 35)});
  const jword group = makeObject("gpclasses/graphics/CgpComplexObj",
                                 {F("x1", 20), F("y1", 30), F("baseX1", 0), F("baseY1", 0),
                                  F("children", vmhost::newRefArray(std::vector<jword>{member}))});
  invoke(group, "shift(II)V", {7, 8});
  EXPECT_EQ(vmhost::getField(member, "x1"), 7);
  EXPECT_EQ(vmhost::getField(member, "y1"), -8);
  EXPECT_EQ(vmhost::getField(group, "x2"), 12);
}

}  // namespace
