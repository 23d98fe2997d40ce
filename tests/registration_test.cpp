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

// Classes whose natives are registered in the VM class's order.
TEST_F(RegistrationTest, ClassesRegisterTheirNativesInTheClassOrder) {
  const std::pair<tamri::ClassInit, std::vector<std::string>> cases[] = {
      {gpclasses_graphics_CgpPolyLine_init,
       {"gpclasses/graphics/CgpPolyLine draw(I)V",
        "gpclasses/graphics/CgpPolyLine updateCorePts()V",
        "gpclasses/graphics/CgpPolyLine setPosition(II)V",
        "gpclasses/graphics/CgpPolyLine rotatePoints(I)V",
        "gpclasses/graphics/CgpPolyLine resizePoints(IBIB)V",
        "gpclasses/graphics/CgpPolyLine movePoints(II)V"}},
      {gpclasses_graphics_CgpFont_init,
       {"gpclasses/graphics/CgpFont calcTextMetrics(Ljava/lang/String;)V",
        "gpclasses/graphics/CgpFont createFont()I", "gpclasses/graphics/CgpFont deleteFont()V",
        "gpclasses/graphics/CgpFont isAgfaFont()Z", "gpclasses/graphics/CgpFont isTcpFont()Z"}},
  };
  for (const auto& [init, natives] : cases) EXPECT_EQ(registeredBy(init), natives);
  EXPECT_TRUE(tamri_test::traceWith("osERfatalError").empty());
  // The canvas has every native of its class, each once, in the class's order.
  std::vector<std::string> canvas;
  for (const std::string& native : tamri_test::kCanvasOrder)
    canvas.push_back("gpclasses/graphics/CgpCanvas " + native);
  EXPECT_EQ(registeredBy(gpclasses_graphics_CgpCanvas_init), canvas);
}

TEST_F(RegistrationTest, EveryInitRegistersOnlyItsOwnClassWithDistinctEntryPoints) {
  for (const tamri::ClassInitExport& e : tamri::kClassInits) {
    const std::vector<std::string> lines = registeredBy(e.init);
    ASSERT_FALSE(lines.empty()) << e.exportName;
    const std::string classPath = lines.front().substr(0, lines.front().find(' '));
    for (const std::string& line : lines) EXPECT_EQ(line.rfind(classPath + " ", 0), 0u);
  }
  // The module's classes have 136 natives between them.
  EXPECT_EQ(vmhost::natives().size(), 136u);
  std::vector<NativeEntryPoint> entries;
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    EXPECT_EQ(std::count(entries.begin(), entries.end(), native.entry), 0)
        << native.nameAndSignature;
    entries.push_back(native.entry);
  }
}

}  // namespace
