// The module's entry points: the version query, the marker in the file's
// data, and each class initialisation registering its natives in order (the
// exports themselves: the module_exports test).
#include "canvas_test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

// The same text on every call, and in the library's data after its marker.
TEST(ModuleEntry, TheVersionAndItsMarkerInTheLibrary) {
  EXPECT_EQ(std::pair(std::string(GetDLMAppVersion()), GetDLMAppVersion()),
            std::pair(std::string("1.2.0.2004"), GetDLMAppVersion()));
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

class RegistrationTest : public tamri_test::VmTest {};

// The whole table, 136 natives: each initialisation registers exactly its
// class's natives, in the class's order, every class is somebody's, and
// every native, overloads included, has its own entry point.
TEST_F(RegistrationTest, EveryClassRegistersItsNativesInTheClassOrder) {
  const std::vector<std::string> table = tamri_test::registrationTable();
  ASSERT_EQ(table.size(), 136u);
  // The initialisations in the order their classes first appear: all natives
  // are registered again at the end.
  vmhost::clearNatives();
  std::vector<std::string> classes, registered;
  for (const std::string& line : table) {
    const std::string classPath = line.substr(0, line.find(' '));
    if (std::ranges::find(classes, classPath) != classes.end()) continue;
    classes.push_back(classPath);
    const auto init = std::ranges::find(tamri::kClassInits, exportNameOf(classPath),
                                        &tamri::ClassInitExport::exportName);
    ASSERT_NE(init, std::end(tamri::kClassInits)) << classPath;
    init->init();
  }
  std::set<NativeEntryPoint> entries;
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    registered.push_back(native.classPath + " " + native.nameAndSignature);
    entries.insert(native.entry);
  }
  EXPECT_EQ(registered, table);
  EXPECT_EQ(std::tuple(classes.size(), entries.size(), tamri_test::traceWith("osERfatalError")),
            std::tuple(size_t{16}, size_t{136}, std::vector<std::string>{}));
}

}  // namespace
