// The module's entry points: the version query, the marker in the file's
// data, and each class initialisation registering its natives in order.
#include "vm_test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::vector<std::string> registeredBy(tamri::ClassInit init) {
  const std::vector<vmhost::NativeRecord> saved = vmhost::natives();
  vmhost::clearNatives();
  host::traceClear();
  init();
  std::vector<std::string> lines;
  for (const vmhost::NativeRecord& native : vmhost::natives())
    lines.push_back(native.classPath + " " + native.nameAndSignature);
  vmhost::clearNatives();
  for (const vmhost::NativeRecord& native : saved)
    registerNativeMethod(native.classPath.c_str(), native.nameAndSignature.c_str(), native.entry);
  return lines;
}

TEST(ModuleEntry, VersionIsTheSameTextOnEveryCall) {
  EXPECT_STREQ(GetDLMAppVersion(), "1.2.0.2004");
  EXPECT_EQ(GetDLMAppVersion(), GetDLMAppVersion());
}

TEST(ModuleEntry, TheLibraryCarriesTheVersionMarker) {
  std::ifstream file(std::string(TAMRI_BINARY_DIR) + "/module/libTamriGraphics.so",
                     std::ios::binary);
  ASSERT_TRUE(file) << "build the TamriGraphics library first";
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  EXPECT_NE(bytes.find(std::string("##DLM_AppVersion##") + GetDLMAppVersion() + '\0'),
            std::string::npos);
}

class RegistrationTest : public tamri_test::VmTest {};

TEST_F(RegistrationTest, PolyLineRegistersItsSixNativesInOrder) {
  EXPECT_EQ(registeredBy(gpclasses_graphics_CgpPolyLine_init),
            (std::vector<std::string>{"gpclasses/graphics/CgpPolyLine draw(I)V",
                                      "gpclasses/graphics/CgpPolyLine updateCorePts()V",
                                      "gpclasses/graphics/CgpPolyLine setPosition(II)V",
                                      "gpclasses/graphics/CgpPolyLine rotatePoints(I)V",
                                      "gpclasses/graphics/CgpPolyLine resizePoints(IBIB)V",
                                      "gpclasses/graphics/CgpPolyLine movePoints(II)V"}));
  EXPECT_TRUE(tamri_test::traceWith("osERfatalError").empty());
}

// The canvas class's 80 natives in the VM class's order.
const std::vector<std::string> kCanvasOrder = {
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

TEST_F(RegistrationTest, CanvasRegistersWhatItHasInTheClassOrder) {
  ASSERT_EQ(kCanvasOrder.size(), 80u);
  const std::string prefix = "gpclasses/graphics/CgpCanvas ";
  std::vector<std::string> registered;
  for (const std::string& line : registeredBy(gpclasses_graphics_CgpCanvas_init)) {
    ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
    registered.push_back(line.substr(prefix.size()));
  }
  for (const std::string& native : registered) {
    EXPECT_NE(std::find(kCanvasOrder.begin(), kCanvasOrder.end(), native), kCanvasOrder.end())
        << native << " is not a canvas native";
  }
  // Each once, in the class's order.
  std::vector<std::string> inOrder;
  for (const std::string& native : kCanvasOrder) {
    if (std::count(registered.begin(), registered.end(), native) > 0) inOrder.push_back(native);
  }
  EXPECT_EQ(registered, inOrder);
  // The shapes, bevel buttons and the transform are all there.
  const std::pair<const char*, const char*> groups[] = {
      {"drawRect(IIII)V", "fillPolygonWithBorder([IIIIIIIIB)V"},
      {"drawPolyline([I[IIIIIII)V", "drawBezier([IIIIII)V"},
      {"fillTriangleWithBorder(IIIIIIIIBIII)V", "drawBevelButton(IIIIIIIIII)V"},
      {"setTransform(IIFF)V", "resetTransform()V"}};
  for (const auto& [first, last] : groups) {
    const auto from = std::find(kCanvasOrder.begin(), kCanvasOrder.end(), first);
    const auto to = std::find(kCanvasOrder.begin(), kCanvasOrder.end(), last);
    ASSERT_LT(from, to);
    for (auto it = from; it <= to; ++it) {
      EXPECT_EQ(std::count(registered.begin(), registered.end(), *it), 1) << *it;
    }
  }
}

TEST_F(RegistrationTest, EveryInitRegistersOnlyItsOwnClassWithDistinctEntryPoints) {
  for (const tamri::ClassInitExport& e : tamri::kClassInits) {
    const std::vector<std::string> lines = registeredBy(e.init);
    ASSERT_FALSE(lines.empty()) << e.exportName;
    const std::string classPath = lines.front().substr(0, lines.front().find(' '));
    for (const std::string& line : lines) EXPECT_EQ(line.rfind(classPath + " ", 0), 0u);
  }
  std::vector<NativeEntryPoint> entries;
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    EXPECT_EQ(std::count(entries.begin(), entries.end(), native.entry), 0)
        << native.nameAndSignature;
    entries.push_back(native.entry);
  }
}

}  // namespace
