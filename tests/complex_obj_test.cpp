// CgpComplexObj walks whose members' VM methods change the group while it
// runs: these need a VM method that runs code, which a scene cannot give
// (the calls, orders and fields of plain walks are tests/scenes/groups.json).
#include "vm_test_support.h"

#include <functional>

namespace {

using tamri_test::callOn;
using tamri_test::FieldValues;
using Lines = std::vector<std::string>;

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";
constexpr int64_t kShown = 2 | 4;

jword member(const char* name, FieldValues fields = {{"stateFlags", kShown}}) {
  const jword object = tamri_test::makeObject(kGraphics, fields);
  vmhost::nameObject(object, name);
  return object;
}
jword group(const char* name, std::vector<jword> members, FieldValues fields = {}) {
  const jword object = tamri_test::makeObject("gpclasses/graphics/CgpComplexObj", fields);
  vmhost::setField(object, "children", vmhost::newRefArray(members));
  vmhost::nameObject(object, name);
  return object;
}
// The callbacks, shortened to "method on @receiver (arguments)".
Lines callbacks() {
  Lines lines;
  for (std::string line : tamri_test::traceWith("callback ")) {
    line = line.substr(line.rfind('.', line.find(" on @")) + 1);
    const size_t result = line.find("Lgpclasses/baseclasses/CgpGraphics;");
    if (result != std::string::npos) line.erase(result, 35);
    lines.push_back(line);
  }
  return lines;
}

// A member's draw that runs application code changing the group.
std::function<void()> duringDraw;
jword drawThatChangesTheGroup(jword, std::span<const uint32_t>) {
  if (duringDraw) duringDraw();
  return 0;
}

class ComplexObjTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    vmhost::setHostMethod(kGraphics, "draw(I)V", drawThatChangesTheGroup);
  }
  void TearDown() override { duringDraw = nullptr; }
  static Lines drawWith(jword g, const std::function<void()>& change) {
    duringDraw = change;
    host::traceClear();
    callOn(g, "draw(I)V", {1});
    duringDraw = nullptr;
    return callbacks();
  }
};

TEST_F(ComplexObjTest, TheWalkStopsWhenACallbackReplacesOrShrinksTheMembers) {
  const jword a = member("a"), b = member("b"), c = member("c");
  const std::vector<jword> abc{a, b, c};
  const jword g = group("g", abc);
  for (const jword replacement :
       {vmhost::newRefArray(abc), vmhost::newRefArray(std::vector<jword>{a, b}), jword{0}}) {
    vmhost::setField(g, "children", vmhost::newRefArray(abc));
    EXPECT_EQ(drawWith(g, [&] { vmhost::setField(g, "children", replacement); }),
              Lines{"draw(I)V on @a (1)"});
  }
  // The same array may change its members: the walk takes them as they are.
  const jword same = vmhost::newRefArray(abc);
  vmhost::setField(g, "children", same);
  EXPECT_EQ(drawWith(g, [&] { vmhost::fieldBlock(same)[8] = 0, vmhost::fieldBlock(same)[9] = 0; }),
            (Lines{"draw(I)V on @a (1)", "draw(I)V on @c (1)"}));
}

TEST_F(ComplexObjTest, AnotherNativeMayWalkTheGroupMeanwhile) {
  // A member's draw places the group: the draw goes on over the placed members.
  const jword a = member("a", {{"stateFlags", kShown}, {"x1", 5}, {"y1", 5}});
  const jword b = member("b", {{"stateFlags", kShown}, {"x1", 9}, {"y1", 7}});
  const jword placed = group("placed", {a, b}, {{"x1", 5}, {"y1", 5}});
  int draws = 0;
  EXPECT_EQ(drawWith(placed,
                     [&] {
                       if (draws++ == 0) callOn(placed, "setPosition(II)V", {20, 30});
                     }),
            (Lines{"draw(I)V on @a (1)", "setPosition(II)V on @a (20, 30)",
                   "setPosition(II)V on @b (24, 32)", "updateBoundingRectangle() on @placed ()",
                   "draw(I)V on @b (1)"}));
}

}  // namespace
