// CgpComplexObj natives through the VM frame: which of its members' VM
// methods each one calls, with which arguments and in which order, and how
// the walk copes with members that change the group while it runs.
#include "vm_test_support.h"

#include <functional>

namespace {

using tamri_test::callOn;
using tamri_test::FieldValues;
using tamri_test::makeObject;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;
using Values = std::vector<int64_t>;

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";
constexpr const char* kGroup = "gpclasses/graphics/CgpComplexObj";
constexpr int64_t kShown = 2 | 4;
const std::string kUpdateG = "updateBoundingRectangle() on @g ()";

// The rectangle x1, y1, x2, y2 (the design one, baseX1..., for `base`)
// followed by `more`.
FieldValues corners(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const FieldValues& more = {},
                    bool base = false) {
  const FieldValues rect{{base ? "baseX1" : "x1", x1},
                         {base ? "baseY1" : "y1", y1},
                         {base ? "baseX2" : "x2", x2},
                         {base ? "baseY2" : "y2", y2}};
  return tamri_test::joined(rect, more);
}

class ComplexObjTest : public tamri_test::VmTest {
 protected:
  static jword member(const char* name, FieldValues fields = {{"stateFlags", kShown}}) {
    const jword object = makeObject(kGraphics, fields);
    vmhost::nameObject(object, name);
    return object;
  }
  static jword group(const char* name, std::vector<jword> members, FieldValues fields = {}) {
    const jword object = makeObject(kGroup, fields);
    vmhost::setField(object, "children", vmhost::newRefArray(members));
    vmhost::nameObject(object, name);
    return object;
  }
  // The callbacks, shortened to "method on @receiver (arguments)" (and the
  // bounding rectangle's result type left out).
  static Lines callbacks() {
    Lines lines;
    for (std::string line : traceWith("callback ")) {
      for (const std::string_view cls :
           {"gpclasses/baseclasses/CgpGraphics.", "gpclasses/graphics/CgpComplexObj."}) {
        const size_t at = line.find(cls);
        if (at != std::string::npos) line = line.substr(at + cls.size());
      }
      const size_t result = line.find("Lgpclasses/baseclasses/CgpGraphics;");
      if (result != std::string::npos) line.erase(result, 35);
      lines.push_back(line);
    }
    return lines;
  }
  static int64_t flags(jword object) { return vmhost::getField(object, "stateFlags"); }
};

TEST_F(ComplexObjTest, DisplayVariantsFollowSecuredDisabledReversedPlain) {
  const jword members[] = {member("secured", {{"stateFlags", kShown | 64 | 16}}),
                           member("disabled", {{"stateFlags", kShown | 16}}), member("plain"),
                           member("hidden", {{"stateFlags", 2 | 32}}),
                           member("marked", {{"stateFlags", kShown | 32}, {"hasBackground", 1}})};
  const jword g = group("g", std::vector<jword>(std::begin(members), std::end(members)));
  callOn(g, "draw(I)V", {9});
  Lines draws{"drawSecured(I)V on @secured (9)", "drawDisabled(I)V on @disabled (9)",
              "draw(I)V on @plain (9)",          "drawBackground(I)V on @marked (9)",
              "draw(I)V on @marked (9)",         "drawBadQuality(I)V on @marked (9)"};
  EXPECT_EQ(callbacks(), draws);
  // Every member is marked drawn, the hidden one too.
  Values marked;
  for (const jword m : members) marked.push_back(flags(m));
  EXPECT_EQ(marked, (Values{kShown | 64 | 16 | 8, kShown | 16 | 8, kShown | 8, 2 | 32 | 8,
                            kShown | 32 | 8}));
  host::traceClear();
  vmhost::setField(g, "stateFlags", 1);
  callOn(g, "draw(I)V", {9});
  draws[2] = "drawReverse(I)V on @plain (9)";
  draws[4] = "drawReverse(I)V on @marked (9)";
  EXPECT_EQ(callbacks(), draws);
}

TEST_F(ComplexObjTest, NullMembersAreSkippedAndAMissingArrayWalksNothing) {
  const jword g = group("g", {0, member("only"), 0});
  callOn(g, "draw(I)V", {1});
  EXPECT_EQ(callbacks(), Lines{"draw(I)V on @only (1)"});
  vmhost::setField(g, "children", 0);
  for (const char* native : {"draw(I)V", "resize(IB)V", "setPosition(II)V", "rotatePoints(I)V"})
    callOn(g, native, {100, 6});
  callOn(g, "setRotationPoint(II)V", {3, static_cast<uint32_t>(-4)});
  EXPECT_EQ(callbacks(), Lines{"draw(I)V on @only (1)"});
  EXPECT_EQ(tamri_test::readFields(g, {"rotationPointX", "rotationPointY"}), (Values{3, -4}));
}

// A member's draw that runs application code changing the group.
std::function<void()> duringDraw;
jword drawThatChangesTheGroup(jword, std::span<const uint32_t>) {
  if (duringDraw) duringDraw();
  return 0;
}

TEST_F(ComplexObjTest, TheWalkStopsWhenACallbackReplacesOrShrinksTheMembers) {
  vmhost::setHostMethod(kGraphics, "draw(I)V", drawThatChangesTheGroup);
  const jword a = member("a"), b = member("b"), c = member("c");
  const jword g = group("g", {a, b, c});
  const auto drawWith = [&](jword members, const std::function<void()>& change) {
    vmhost::setField(g, "children", members);
    duringDraw = change;
    host::traceClear();
    callOn(g, "draw(I)V", {1});
    duringDraw = nullptr;
    return callbacks();
  };
  const std::vector<jword> abc{a, b, c};
  for (const jword replacement :
       {vmhost::newRefArray(abc), vmhost::newRefArray(std::vector<jword>{a, b}), jword{0}})
    EXPECT_EQ(
        drawWith(vmhost::newRefArray(abc), [&] { vmhost::setField(g, "children", replacement); }),
        Lines{"draw(I)V on @a (1)"});
  // The same array may change its members: the walk takes them as they are.
  const jword same = vmhost::newRefArray(abc);
  EXPECT_EQ(
      drawWith(same, [&] { vmhost::fieldBlock(same)[8] = 0, vmhost::fieldBlock(same)[9] = 0; }),
      (Lines{"draw(I)V on @a (1)", "draw(I)V on @c (1)"}));
}

TEST_F(ComplexObjTest, ANativeNeverWalksAGroupAgainThatItIsWalking) {
  const jword self = group("self", {}, {{"stateFlags", kShown}});
  vmhost::setField(self, "children",
                   vmhost::newRefArray(std::vector<jword>{self, member("a"), self}));
  callOn(self, "draw(I)V", {1});
  EXPECT_EQ(callbacks(),
            (Lines{"draw(I)V on @self (1)", "draw(I)V on @a (1)", "draw(I)V on @self (1)"}));
  EXPECT_TRUE(flags(self) & 8);

  const jword first = group("first", {}, {{"stateFlags", kShown}});
  const jword second = group("second", {first}, {{"stateFlags", kShown}});
  vmhost::setField(first, "children", vmhost::newRefArray(std::vector<jword>{second}));
  host::traceClear();
  callOn(first, "setPosition(II)V", {5, 5});
  callOn(first, "resize(IB)V", {150, 6});
  callOn(first, "setRotationPoint(II)V", {1, 1});
  // Each cycle ends where a native reaches a group it is walking already
  // (a member group's shift places it, so resize also leads to setPosition).
  const auto update = [](const char* group) {
    return "updateBoundingRectangle() on @" + std::string(group) + " ()";
  };
  EXPECT_EQ(callbacks(), (Lines{"setPosition(II)V on @second (5, 5)",
                                "setPosition(II)V on @first (5, 5)",
                                update("second"),
                                update("first"),
                                "shift(II)V on @second (0, 0)",
                                "setPosition(II)V on @first (0, 0)",
                                "setPosition(II)V on @second (0, 0)",
                                update("first"),
                                update("second"),
                                "resize(IB)V on @second (150, 6)",
                                "shift(II)V on @first (0, 0)",
                                "setPosition(II)V on @second (0, 0)",
                                "setPosition(II)V on @first (0, 0)",
                                update("second"),
                                update("first"),
                                "resize(IB)V on @first (150, 6)",
                                update("second"),
                                update("first"),
                                "setRotationPoint(II)V on @second (1, 1)",
                                "setRotationPoint(II)V on @first (1, 1)"}));

  // Another native may walk the group meanwhile: a member's draw places it.
  vmhost::setHostMethod(kGraphics, "draw(I)V", drawThatChangesTheGroup);
  const jword a = member("a", {{"stateFlags", kShown}, {"x1", 5}, {"y1", 5}});
  const jword b = member("b", {{"stateFlags", kShown}, {"x1", 9}, {"y1", 7}});
  const jword placed = group("placed", {a, b}, {{"x1", 5}, {"y1", 5}});
  int draws = 0;
  duringDraw = [&] {
    if (draws++ == 0) callOn(placed, "setPosition(II)V", {20, 30});
  };
  host::traceClear();
  callOn(placed, "draw(I)V", {1});
  duringDraw = nullptr;
  EXPECT_EQ(callbacks(), (Lines{"draw(I)V on @a (1)", "setPosition(II)V on @a (20, 30)",
                                "setPosition(II)V on @b (24, 32)",
                                "updateBoundingRectangle() on @placed ()", "draw(I)V on @b (1)"}));
}

TEST_F(ComplexObjTest, NestingDeeperThanTheLimitWalksNothing) {
  std::vector<jword> chain{member("leaf")};
  for (int i = 0; i < 20; ++i)
    chain.push_back(
        group(("g" + std::to_string(i)).c_str(), {chain.back()}, {{"stateFlags", kShown}}));
  // Sixteen walks run: the outermost group's and fifteen nested ones; the
  // sixteenth nested group (g3) draws nothing and the leaf is never reached.
  // From g4 down the leaf is reached.
  callOn(chain.back(), "draw(I)V", {1});
  callOn(chain[5], "draw(I)V", {1});
  Lines expected;
  for (int i = 18; i >= 3; --i) expected.push_back("draw(I)V on @g" + std::to_string(i) + " (1)");
  for (int i = 3; i >= 0; --i) expected.push_back("draw(I)V on @g" + std::to_string(i) + " (1)");
  expected.push_back("draw(I)V on @leaf (1)");
  EXPECT_EQ(callbacks(), expected);
}

class GroupResizeTest : public ComplexObjTest {
 protected:
  // Designed at (0, 0)-(99, 49), now at (10, 20)-(109, 69); the member
  // designed at (20, 10)-(39, 29).
  Lines resized(uint32_t scale, uint8_t anchor) {
    const jword a = member("a", corners(20, 10, 39, 29, {}, true));
    const jword g = group("g", {a}, corners(10, 20, 109, 69, corners(0, 0, 99, 49, {}, true)));
    host::traceClear();
    callOn(g, "resize(IB)V", {scale, anchor});
    return callbacks();
  }
  static Lines expected(const std::string& shift, const std::string& resize) {
    return {"shift(II)V on @a " + shift, "resize(IB)V on @a " + resize, kUpdateG};
  }
};

TEST_F(GroupResizeTest, EachAnchorPlacesTheMemberWhereTheGroupsMappingTakesIt) {
  // Centre kept (-41..159): the centre 29 maps to 17.6, less 9 gives 8.6.
  EXPECT_EQ(resized(200, 1), expected("(-11, -20)", "(200, 1)"));
  // Right edge kept, half as wide (59..109): 39 maps to 78.7, less 19 gives 59.7.
  EXPECT_EQ(resized(50, 2), expected("(40, -20)", "(50, 2)"));
  // Bottom edge kept (44..69): 29 maps to 58.8, less 19 gives 39.8.
  EXPECT_EQ(resized(50, 3), expected("(10, -30)", "(50, 3)"));
  // Vertical centre kept (-6..94): 19 maps to 32.8, less 9 gives 23.8.
  EXPECT_EQ(resized(200, 4), expected("(10, -14)", "(200, 4)"));
  // Top edge kept (20..120): 10 maps to 40.4.
  EXPECT_EQ(resized(200, 5), expected("(10, -30)", "(200, 5)"));
  // Any other code maps the corner into the unchanged rectangle; the byte
  // goes on with its sign.
  EXPECT_EQ(resized(200, 0xF0), expected("(10, -20)", "(200, -16)"));
}

TEST_F(ComplexObjTest, SetPositionAndRotationPointPlaceEachMemberFromTheGroup) {
  // Each member keeps its offset from the group corner, cut to 16 bits; the
  // group's own rectangle comes from its members afterwards.
  const jword a = member("a", corners(25, 40, 30, 45));
  const jword b = member("b", corners(10, 100, 12, 101));
  const jword g = group("g", {a, b}, {{"x1", 10}, {"y1", 30}});
  callOn(g, "setPosition(II)V", {32760, 7});
  EXPECT_EQ(callbacks(), (Lines{"setPosition(II)V on @a (-32761, 17)",
                                "setPosition(II)V on @b (32760, 77)", kUpdateG}));
  EXPECT_EQ(tamri_test::readFields(g, {"x1", "y2"}), (Values{-32761, 78}));
  // Each member gets the same rotation point from its own centre: group
  // centre (50, 25), member centre (5, 10).
  const jword c = member("c", corners(0, 0, 11, 21));
  const jword h = group("h", {c}, corners(0, 0, 101, 51));
  host::traceClear();
  callOn(h, "setRotationPoint(II)V", {7, static_cast<uint32_t>(-3)});
  EXPECT_EQ(callbacks(), Lines{"setRotationPoint(II)V on @c (52, 12)"});
  EXPECT_EQ(tamri_test::readFields(h, {"rotationPointX", "rotationPointY"}), (Values{7, -3}));
}

TEST_F(ComplexObjTest, UpdateBoundingRectangleUnitesTheMembersAndAnswersTheGroup) {
  const auto update = [](jword group) {
    return callOn(group, "updateBoundingRectangle()Lgpclasses/baseclasses/CgpGraphics;").reference;
  };
  const jword a = member("a", corners(5, 40, 30, 45, {{"lineWidth", 3}}));
  const jword b = member("b", corners(20, 10, 25, 90, {{"lineWidth", -4}}));
  const jword g = group("g", {a, 0, b}, {{"lineWidth", 9}});
  EXPECT_EQ(update(g), g);
  EXPECT_EQ(tamri_test::readFields(g, {"x1", "y1", "x2", "y2", "lineWidth"}),
            (Values{5, 10, 30, 90, 3}));
  // A member beyond the 16-bit range: the extremes are taken in full and cut
  // once, whatever the members' order; a group holding itself adds nothing
  // of its own old rectangle.
  const jword far = member("far", {{"x1", 7}, {"x2", 40000}});
  const jword near = member("near", {{"x1", 8}, {"x2", 100}, {"y2", 3}});
  const jword ab = group("ab", {far, near}, {{"x1", 1}, {"y2", 500}});
  const jword ba = group("ba", {near, far});
  vmhost::setField(ab, "children", vmhost::newRefArray(std::vector<jword>{far, ab, near}));
  for (const jword order : {ab, ba}) {
    update(order);
    EXPECT_EQ(tamri_test::readFields(order, {"x1", "x2", "y2"}), (Values{7, 40000 - 65536, 3}));
  }
  // No member line is wider than none.
  const jword left = member("left", corners(-50, -40, -10, -2, {{"lineWidth", -2}}));
  const jword g2 = group("g2", {left}, {{"lineWidth", 5}});
  update(g2);
  EXPECT_EQ(tamri_test::readFields(g2, {"lineWidth", "x2", "y2", "x1"}), (Values{0, -1, -1, -50}));
  const jword none = group("none", {}, {{"x1", 4}});
  vmhost::setField(none, "children", 0);
  EXPECT_EQ(update(none), none);
  EXPECT_EQ(vmhost::getField(none, "x1"), 4);
}

TEST_F(ComplexObjTest, RotatePointsOnlyTakesTheMembersExtent) {
  const jword g = group("g", {member("a", {{"x1", 3}, {"x2", 4}})});
  callOn(g, "rotatePoints(I)V", {1570});
  EXPECT_EQ(callbacks(), Lines{kUpdateG});
  EXPECT_EQ(vmhost::getField(g, "x1"), 3);
}

}  // namespace
