// The module's entry points: the version query, the marker in the file's
// data, and each class initialisation registering its natives in order.
#include "canvas_test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

std::vector<std::string> registeredBy(tamri::ClassInit init) {
  const std::vector<vmhost::NativeRecord> saved = vmhost::natives();
  vmhost::clearNatives();
  init();
  std::vector<std::string> lines;
  for (const vmhost::NativeRecord& native : vmhost::natives())
    lines.push_back(native.classPath + " " + native.nameAndSignature);
  vmhost::clearNatives();
  for (const vmhost::NativeRecord& native : saved)
    registerNativeMethod(native.classPath.c_str(), native.nameAndSignature.c_str(), native.entry);
  return lines;
}

// The same text on every call, and in the library's data after its marker.
TEST(ModuleEntry, TheVersionAndItsMarkerInTheLibrary) {
  EXPECT_STREQ(GetDLMAppVersion(), "1.2.0.2004");
  EXPECT_EQ(GetDLMAppVersion(), GetDLMAppVersion());
  std::ifstream file(std::string(TAMRI_BINARY_DIR) + "/module/libTamriGraphics.so",
                     std::ios::binary);
  ASSERT_TRUE(file) << "build the TamriGraphics library first";
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  EXPECT_NE(bytes.find(std::string("##DLM_AppVersion##") + GetDLMAppVersion() + '\0'),
            std::string::npos);
}

// Export names: "gpclasses_" + the package's last part + "_" + the class.
std::string exportNameOf(const std::string& classPath) {
  const size_t last = classPath.rfind('/');
  const size_t package = classPath.rfind('/', last - 1);
  return "gpclasses_" + classPath.substr(package + 1, last - package - 1) + "_" +
         classPath.substr(last + 1) + "_init";
}

// The version query and one initialisation per class, nothing else: the
// Linux library's exports are held against the same list by the
// module_exports test, the Windows DLL's by scripts/check-windows-dll.sh.
TEST(ModuleEntry, SeventeenExportsTheVersionAndOneInitPerClass) {
  std::ifstream file(std::string(TAMRI_SOURCE_DIR) + "/tests/references/exports.txt");
  std::vector<std::string> expected;
  for (std::string line; std::getline(file, line);) expected.push_back(line);
  std::vector<std::string> exports{"GetDLMAppVersion"};
  for (const tamri::ClassInitExport& e : tamri::kClassInits) exports.push_back(e.exportName);
  std::sort(exports.begin(), exports.end());
  EXPECT_EQ(expected.size(), 17u);
  EXPECT_EQ(exports, expected);
}

class RegistrationTest : public tamri_test::VmTest {};

// The whole table, 136 natives: each initialisation registers exactly its
// class's natives, in the class's order, every class is somebody's, and
// every native, overloads included, has its own entry point.
TEST_F(RegistrationTest, EveryClassRegistersItsNativesInTheClassOrder) {
  const std::vector<std::string> table = tamri_test::registrationTable();
  ASSERT_EQ(table.size(), 136u);
  std::vector<std::string> registered, classes;
  for (const std::string& line : table) {
    const std::string classPath = line.substr(0, line.find(' '));
    if (std::find(classes.begin(), classes.end(), classPath) != classes.end()) continue;
    classes.push_back(classPath);
    const auto init = std::find_if(
        std::begin(tamri::kClassInits), std::end(tamri::kClassInits),
        [&](const tamri::ClassInitExport& e) { return e.exportName == exportNameOf(classPath); });
    ASSERT_NE(init, std::end(tamri::kClassInits)) << classPath;
    const std::vector<std::string> lines = registeredBy(init->init);
    registered.insert(registered.end(), lines.begin(), lines.end());
  }
  EXPECT_EQ(classes.size(), 16u);
  EXPECT_EQ(registered, table);
  EXPECT_TRUE(tamri_test::traceWith("osERfatalError").empty());
  std::set<NativeEntryPoint> entries;
  for (const vmhost::NativeRecord& native : vmhost::natives()) entries.insert(native.entry);
  EXPECT_EQ(entries.size(), 136u);
}

}  // namespace
