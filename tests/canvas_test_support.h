// A canvas to call the CgpCanvas natives on, with a pen whose colours,
// styles and widths all differ, and the module-wide transform cleared.
#pragma once

#include "canvas/canvas_transform.h"
#include "vm_test_support.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tamri_test {

inline constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";

// The canvas class's 80 natives in the VM class's order.
inline const std::vector<std::string> kCanvasOrder = {
    "drawThickArc(IIIIIII)V",
    "drawRect(IIII)V",
    "drawRoundRect(IIIIII)V",
    "fillRect(IIII)V",
    "fillRect(IIIIIIBI)V",
    "fillRectWithBorder(IIIIII)V",
    "fillRectWithBorder(IIIIIIIIIIIII)V",
    "fillRoundRect(IIIIII)V",
    "drawOval(IIII)V",
    "fillOvalWithBorder(IIIIIIIIII)V",
    "fillOval(IIII)V",
    "fillOval(IIIIIIBI)V",
    "drawLine(IIII)V",
    "drawLine(IIIIIIBI)V",
    "drawLine(IIIIIIIII)V",
    "drawPolygon([I[II)V",
    "fillPolygon([I[II)V",
    "fillPolygon([I[IIIIBI)V",
    "fillPolygon([I[IIIIIIBI)V",
    "fillPolygonWithBorder([IIIIIIII)V",
    "fillPolygonWithBorder([IIIIIIIIB)V",
    "drawString(Ljava/lang/String;II)V",
    "drawString(Ljava/lang/String;IIII)V",
    "drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;)V",
    "drawString(Ljava/lang/String;IIIIZ)V",
    "drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;I)V",
    "drawString(Ljava/lang/String;IIIIZI)V",
    "drawString(Ljava/lang/String;IIIIIIIIILgpclasses/graphics/CgpFont;Z)V",
    "drawStringWithBorder(IIILjava/lang/String;IIII)V",
    "drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILgpclasses/graphics/CgpFont;)V",
    "drawStringWithBackground(ILjava/lang/String;IIII)V",
    "drawArc(IIIIII)V",
    "drawArc(IIIIIIIIII)V",
    "drawArc(IIIIIIIIIIII)V",
    "fillArc(IIIIII)V",
    "drawPie(IIIIII)V",
    "fillPieWithBorder(IIIIIIIIIIII)V",
    "fillPieWithBorder(IIIIIIIIIIIIII)V",
    "fillPieWithBorder(IIIIIIIIIIIIIIZ)V",
    "drawImage(Lgpclasses/graphics/CgpGraphicFile;II)V",
    "drawNumber(IIIIII)V",
    "drawNumber(IIIIZIIII)V",
    "drawNumber(IIIIIIILgpclasses/graphics/CgpFont;)V",
    "drawNumber(IIIIIIZIIIIIILgpclasses/graphics/CgpFont;)V",
    "drawNumber(IIIIIZIIIIIII)V",
    "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V",
    "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V",
    "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V",
    "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V",
    "nativeDrawFloat(FIIIZIIIIIII)V",
    "nativeDrawFloat(FIIIZIIIIIIILgpclasses/graphics/CgpFont;)V",
    "nativeDrawFloat(FIIIZZIIIIIILgpclasses/graphics/CgpFont;)V",
    "drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V",
    "onTimeChange()V",
    "drawPolyline([I[IIIIIII)V",
    "drawPolyline([IIIIIII)V",
    "drawBezier([IIIIII)V",
    "drawScale(IIIIZIIIII)V",
    "drawScale(IIIIIIIIIIII)V",
    "drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
    "fillTriangleWithBorder(IIIIIIIIBIII)V",
    "drawBevelButton(IIIIIIIIII)V",
    "rotatePtX(II)I",
    "rotatePtY(II)I",
    "preciseRotatePtX(II)I",
    "preciseRotatePtY(II)I",
    "preCalculatePolygonParams(I[I[I[I[I)V",
    "fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V",
    "drawMarks([I[IIIIII)V",
    "setTransform(IIFF)V",
    "setTransform(II)V",
    "resetTransform()V",
    "fillPath(Ljava/lang/String;I)V",
    "drawPath(Ljava/lang/String;II)V",
    "fillAndDrawPath(Ljava/lang/String;III)V",
    "setClip(IIII)V",
    "clipRect(IIII)V",
    "getClipBounds()Lgpclasses/graphics/CgpArea;",
    "getClipBounds(Lgpclasses/graphics/CgpArea;)Z",
    "removeClipArea()V"};

// The natives that draw thick arcs, rectangles, ovals, lines, polygons, arcs,
// pies, polylines, Bezier lines, triangles and bevel buttons, in the class
// order.
inline std::vector<std::string> canvasShapeNatives() {
  const std::pair<const char*, const char*> groups[] = {
      {"drawThickArc(IIIIIII)V", "fillPolygonWithBorder([IIIIIIIIB)V"},
      {"drawArc(IIIIII)V", "fillPieWithBorder(IIIIIIIIIIIIIIZ)V"},
      {"drawPolyline([I[IIIIIII)V", "drawBezier([IIIIII)V"},
      {"fillTriangleWithBorder(IIIIIIIIBIII)V", "drawBevelButton(IIIIIIIIII)V"}};
  std::vector<std::string> natives;
  for (const auto& [first, last] : groups) {
    const auto from = std::find(kCanvasOrder.begin(), kCanvasOrder.end(), first);
    const auto to = std::find(kCanvasOrder.begin(), kCanvasOrder.end(), last);
    natives.insert(natives.end(), from, to + 1);
  }
  return natives;
}

class CanvasTest : public VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    tamri::canvasTransform() = {};
    canvas = makeObject(kCanvas, {{"color", 0x112233},
                                  {"backColor", 0x445566},
                                  {"fillStyle", 3},
                                  {"lineWidth", 2},
                                  {"lineStyle", 4},
                                  {"surface", 1}});
  }
  // Calls a native of the canvas with int scalars (bytes in their low 8 bits).
  vmhost::CallResult call(const char* nameSig, std::vector<int32_t> ints,
                          std::vector<jword> arrays = {}) {
    std::vector<uint32_t> words(ints.begin(), ints.end());
    return callOn(canvas, nameSig, words, arrays);
  }
  // Calls a class native of the canvas (no `this`).
  static vmhost::CallResult callClass(const char* nameSig, std::vector<int32_t> ints,
                                      std::vector<jword> references = {}) {
    const vmhost::NativeRecord* native = vmhost::findNative(kCanvas, nameSig);
    if (!native) {
      ADD_FAILURE() << "no native " << nameSig;
      return {};
    }
    const std::vector<uint32_t> words(ints.begin(), ints.end());
    const vmhost::CallResult result = vmhost::callNative(*native, 0, references, words);
    EXPECT_TRUE(result.balanced) << nameSig;
    return result;
  }
  void setPen(const char* field, int64_t value) { vmhost::setField(canvas, field, value); }
  static std::vector<std::string> drawn() { return traceWith("osGX"); }
  static std::vector<int32_t> elements(jword array) { return vmhost::intArray(array); }

  jword canvas = 0;
};

using Lines = std::vector<std::string>;

}  // namespace tamri_test
