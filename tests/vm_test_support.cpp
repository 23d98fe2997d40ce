#include "vm_test_support.h"

#include <fstream>
#include <iterator>

namespace tamri_test {

void registerModuleNatives() {
  static const bool registered = [] {
    vmhost::clearNatives();
    for (const tamri::ClassInitExport& e : tamri::kClassInits) e.init();
    return true;
  }();
  static_cast<void>(registered);
}

std::string testFontFile(const char* name) { return std::string(TAMRI_TEST_FONT_DIR) + "/" + name; }

void pinTestFonts() {
  static const bool pinned = [] {
    gdihost::useFontFiles(
        {testFontFile("dejavu/DejaVuSans.ttf"), testFontFile("dejavu/DejaVuSans-Bold.ttf"),
         testFontFile("dejavu/DejaVuSansMono.ttf"), testFontFile("wqy/wqy-microhei.ttc"),
         testFontFile("lohit-devanagari/Lohit-Devanagari.ttf"), testFontFile("tlwg/Loma.ttf")});
    return true;
  }();
  static_cast<void>(pinned);
}

jword makeObject(const char* classPath, const FieldValues& fields) {
  const jword object = vmhost::newObject(classPath);
  EXPECT_NE(object, 0u) << classPath;
  for (const auto& [name, value] : fields) {
    EXPECT_NE(vmhost::findField(*vmhost::classOf(object), name), nullptr) << name;
    vmhost::setField(object, name, value);
  }
  return object;
}

jword makeIntArray(std::vector<int32_t> elements) { return vmhost::newIntArray(elements); }

FieldValues joined(FieldValues base, const FieldValues& extra) {
  base.insert(base.end(), extra.begin(), extra.end());
  return base;
}

std::vector<int64_t> readFields(jword object, std::initializer_list<const char*> names) {
  std::vector<int64_t> values;
  for (const char* name : names) values.push_back(vmhost::getField(object, name));
  return values;
}

vmhost::CallResult callOn(jword self, const char* nameSig, std::vector<uint32_t> scalars,
                          std::vector<jword> references) {
  for (const vmhost::ClassDef* c = vmhost::classOf(self); c;
       c = c->superPath ? vmhost::classByPath(c->superPath) : nullptr) {
    if (const vmhost::NativeRecord* native = vmhost::findNative(c->path, nameSig)) {
      const vmhost::CallResult result = vmhost::callNative(*native, self, references, scalars);
      EXPECT_TRUE(result.balanced) << nameSig;
      return result;
    }
  }
  ADD_FAILURE() << "no native " << nameSig;
  return {};
}

std::vector<std::string> registrationTable() {
  std::ifstream file(std::string(TAMRI_SOURCE_DIR) + "/tests/references/natives.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> traceWith(const std::string& prefix) {
  std::vector<std::string> lines;
  for (const std::string& line : host::traceLines()) {
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  }
  return lines;
}

std::string fileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void VmTest::SetUp() {
  registerModuleNatives();
  pinTestFonts();
  vmhost::resetHeap();
  vmhost::restoreDefaultHostMethods();
  gdihost::reset();
  host::setTraceRecording(true);
  host::traceClear();
}

}  // namespace tamri_test
