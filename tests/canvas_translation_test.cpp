// The canvas translation moves exactly the shape natives that take it: run
// every shape native of the canvas once without and once with a translation,
// on the same typical arguments, and compare what reaches the drawing layer.
#include "canvas_test_support.h"
#include "support/object_builder.h"

#include <set>

namespace {

const std::set<std::string> kTranslated = {
    "fillRectWithBorder(IIIIIIIIIIIII)V", "fillOvalWithBorder(IIIIIIIIII)V", "drawLine(IIIIIIIII)V",
    "fillPolygonWithBorder([IIIIIIIIB)V", "drawPolyline([IIIIIII)V",         "drawBezier([IIIIII)V",
};

class CanvasTranslationTest : public tamri_test::CanvasTest {
 protected:
  // What the native draws on fresh typical arguments under the translation.
  std::vector<std::string> drawnWith(const vmhost::NativeRecord& native, int32_t tx, int32_t ty) {
    tamri::canvasTransform() = {};
    call("setTransform(II)V", {tx, ty});
    host::traceClear();
    tamri_test::TypicalValues values;
    const tamri_test::NativeArguments args = tamri_test::buildArguments(native, values);
    vmhost::callNative(native, args.self, args.references, args.scalars);
    return drawn();
  }
};

TEST_F(CanvasTranslationTest, OnlyTheListedNativesMoveWithTheTranslation) {
  const std::vector<std::string> shapes = tamri_test::canvasShapeNatives();
  ASSERT_EQ(shapes.size(), 25u);
  for (const std::string& name : shapes) {
    const vmhost::NativeRecord* native = vmhost::findNative(tamri_test::kCanvas, name);
    ASSERT_NE(native, nullptr) << name;
    const std::vector<std::string> plain = drawnWith(*native, 0, 0);
    const std::vector<std::string> moved = drawnWith(*native, 1000, 2000);
    EXPECT_FALSE(plain.empty()) << name << " drew nothing";
    if (kTranslated.count(name)) {
      EXPECT_NE(plain, moved) << name << " ignores the translation";
    } else {
      EXPECT_EQ(plain, moved) << name << " takes the translation";
    }
  }
}

}  // namespace
