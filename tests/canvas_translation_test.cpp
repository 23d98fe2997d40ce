// The canvas translation moves exactly the shape natives that take it: run
// every shape native of the canvas once without and once with a translation,
// on the same typical arguments, and compare what reaches the drawing layer.
#include "canvas_test_support.h"
#include "support/object_builder.h"

#include <set>

namespace {

const std::set<std::string> kTranslated = {
    "fillRectWithBorder(IIIIIIIIIIIII)V",
    "fillOvalWithBorder(IIIIIIIIII)V",
    "drawLine(IIIIIIIII)V",
    "fillPolygonWithBorder([IIIIIIIIB)V",
    "drawArc(IIIIIIIIIIII)V",
    "fillPieWithBorder(IIIIIIIIIIIIII)V",
    "drawPolyline([IIIIIII)V",
    "drawBezier([IIIIII)V",
    "drawScale(IIIIZIIIII)V",
    "drawScale(IIIIIIIIIIII)V",
    "drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
    "fillPath(Ljava/lang/String;I)V",
    "drawPath(Ljava/lang/String;II)V",
    "fillAndDrawPath(Ljava/lang/String;III)V",
};

// Arguments that make each native draw, or return, something: scalars, then
// the reference arguments as int arrays or a path text.
struct Call {
  std::vector<int32_t> scalars;
  std::vector<std::vector<int32_t>> arrays = {};
  const char* path = nullptr;
};
const std::vector<std::pair<std::string, Call>> kScalesRotationPathsAndClips = {
    {"drawScale(IIIIZIIIII)V", {{0, 0, 100, 10, 0, 1, 2, 1, 1, 4}}},
    {"drawScale(IIIIIIIIIIII)V", {{0, 0, 99, 99, 0, 180, 30, 1, 2, 1, 1, 4}}},
    {"drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
     {{0, 0, 99, 99, 5, 0, 180, 30, 1, 2, 1, 1, 4, 1}}},
    {"rotatePtX(II)I", {{100, 30}}},
    {"rotatePtY(II)I", {{100, 30}}},
    {"preciseRotatePtX(II)I", {{100, 300}}},
    {"preciseRotatePtY(II)I", {{100, 300}}},
    {"preCalculatePolygonParams(I[I[I[I[I)V", {{2}, {{3, 4}, {4, -3}, {0, 0}, {0, 0}}}},
    {"fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V",
     {{3, 50, 60, 450, 1, 2, 1, 1}, {{0, 10, 0}, {-20, 0, 5}, {20, 10, 5}, {900, 0, 2700}}}},
    {"drawMarks([I[IIIIII)V", {{0, 2, 1, 6, 8}, {{10, 20}, {30, 40}}}},
    {"fillPath(Ljava/lang/String;I)V", {{1}, {}, "M0 0 H9 V9 Z"}},
    {"drawPath(Ljava/lang/String;II)V", {{1, 1}, {}, "M0 0 H9 V9 Z"}},
    {"fillAndDrawPath(Ljava/lang/String;III)V", {{1, 2, 1}, {}, "M0 0 H9 V9 Z"}},
    {"setClip(IIII)V", {{10, 20, 30, 40}}},
    {"clipRect(IIII)V", {{10, 20, 30, 40}}},
    {"getClipBounds()Lgpclasses/graphics/CgpArea;", {}},
    {"getClipBounds(Lgpclasses/graphics/CgpArea;)Z", {}},
    {"removeClipArea()V", {}},
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

TEST_F(CanvasTranslationTest, ScalesAndPathsMoveRotationMarksAndClipsDoNot) {
  for (const auto& [name, args] : kScalesRotationPathsAndClips) {
    auto outcome = [&, &name = name, &args = args](int32_t tx, int32_t ty) {
      tamri::canvasTransform() = {};
      call("setTransform(II)V", {tx, ty});
      gdihost::reset();
      osGXsetClipArea(0, 0, 100, 100, 1);
      host::traceClear();
      std::vector<jword> references;
      if (args.path) references.push_back(vmhost::newStringUtf8(args.path));
      for (const std::vector<int32_t>& array : args.arrays)
        references.push_back(tamri_test::makeIntArray(array));
      if (name.find("CgpArea;)Z") != std::string::npos)
        references.push_back(tamri_test::makeObject("gpclasses/graphics/CgpArea"));
      const vmhost::NativeRecord* native = vmhost::findNative(tamri_test::kCanvas, name);
      const bool isClass = tamri_test::isClassNative(*native);
      const std::vector<uint32_t> words(args.scalars.begin(), args.scalars.end());
      const vmhost::CallResult result =
          vmhost::callNative(*native, isClass ? 0 : canvas, references, words);
      std::vector<std::string> seen = drawn();
      seen.push_back("result " + std::to_string(result.value));
      for (const jword reference : references) {
        for (const int32_t element : vmhost::intArray(reference))
          seen.push_back(std::to_string(element));
      }
      return seen;
    };
    const std::vector<std::string> plain = outcome(0, 0);
    EXPECT_NE(plain, std::vector<std::string>{"result 0"}) << name << " did nothing";
    if (kTranslated.count(name)) {
      EXPECT_NE(plain, outcome(1000, 2000)) << name << " ignores the translation";
    } else {
      EXPECT_EQ(plain, outcome(1000, 2000)) << name << " takes the translation";
    }
  }
}

TEST_F(CanvasTranslationTest, OnlyTheListedNativesMoveWithTheTranslation) {
  const std::vector<std::string> shapes = tamri_test::canvasShapeNatives();
  ASSERT_EQ(shapes.size(), 34u);
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
