// The module's entry points: the version query, the marker in the file's
// data, and each class initialisation registering its natives in order.
#include "canvas_test_support.h"

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

TEST_F(RegistrationTest, ScaleRegistersItsDraw) {
  EXPECT_EQ(registeredBy(gpclasses_graphics_CgpScale_init),
            (std::vector<std::string>{"gpclasses/graphics/CgpScale draw(I)V"}));
  EXPECT_TRUE(tamri_test::traceWith("osERfatalError").empty());
}

TEST_F(RegistrationTest, CanvasRegistersWhatItHasInTheClassOrder) {
  ASSERT_EQ(tamri_test::kCanvasOrder.size(), 80u);
  const std::string prefix = "gpclasses/graphics/CgpCanvas ";
  std::vector<std::string> registered;
  for (const std::string& line : registeredBy(gpclasses_graphics_CgpCanvas_init)) {
    ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
    registered.push_back(line.substr(prefix.size()));
  }
  for (const std::string& native : registered) {
    EXPECT_NE(std::find(tamri_test::kCanvasOrder.begin(), tamri_test::kCanvasOrder.end(), native),
              tamri_test::kCanvasOrder.end())
        << native << " is not a canvas native";
  }
  // Each once, in the class's order.
  std::vector<std::string> inOrder;
  for (const std::string& native : tamri_test::kCanvasOrder) {
    if (std::count(registered.begin(), registered.end(), native) > 0) inOrder.push_back(native);
  }
  EXPECT_EQ(registered, inOrder);
  // The shapes, bevel buttons and the transform are all there.
  std::vector<std::string> expected = tamri_test::canvasShapeNatives();
  expected.insert(expected.end(),
                  {"setTransform(IIFF)V", "setTransform(II)V", "resetTransform()V"});
  // The scales, rotation and marks, paths and clipping.
  const auto at = [](const char* name) {
    return std::find(tamri_test::kCanvasOrder.begin(), tamri_test::kCanvasOrder.end(), name);
  };
  expected.insert(expected.end(), at("drawScale(IIIIZIIIII)V"),
                  at("drawScaleWithSubDivision(IIIIIIIIIIIIII)V") + 1);
  expected.insert(expected.end(), at("rotatePtX(II)I"), at("drawMarks([I[IIIIII)V") + 1);
  expected.insert(expected.end(), at("fillPath(Ljava/lang/String;I)V"),
                  tamri_test::kCanvasOrder.end());
  for (const std::string& native : expected) {
    EXPECT_EQ(std::count(registered.begin(), registered.end(), native), 1) << native;
  }
}

TEST_F(RegistrationTest, FontAndTextRegisterTheirNativesInOrder) {
  EXPECT_EQ(
      registeredBy(gpclasses_graphics_CgpFont_init),
      (std::vector<std::string>{
          "gpclasses/graphics/CgpFont calcTextMetrics(Ljava/lang/String;)V",
          "gpclasses/graphics/CgpFont createFont()I", "gpclasses/graphics/CgpFont deleteFont()V",
          "gpclasses/graphics/CgpFont isAgfaFont()Z", "gpclasses/graphics/CgpFont isTcpFont()Z"}));
  EXPECT_EQ(registeredBy(gpclasses_graphics_CgpText_init),
            (std::vector<std::string>{"gpclasses/graphics/CgpText draw(II)V"}));
}

TEST_F(RegistrationTest, TheCanvasRegistersItsTenStringNatives) {
  const std::vector<std::string> registered = registeredBy(gpclasses_graphics_CgpCanvas_init);
  int strings = 0;
  for (const std::string& native : tamri_test::kCanvasOrder) {
    if (native.rfind("drawString", 0) != 0) continue;
    ++strings;
    EXPECT_EQ(
        std::count(registered.begin(), registered.end(), "gpclasses/graphics/CgpCanvas " + native),
        1)
        << native;
  }
  EXPECT_EQ(strings, 10);
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
