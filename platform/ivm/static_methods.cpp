// Which native methods the VM classes declare static: those are called with
// no `this`, their first reference argument in the first pointer slot.
#include "vm_host.h"

namespace vmhost {
namespace {

struct StaticMethod {
  const char* classPath;
  const char* nameSig;
};

constexpr StaticMethod kStaticMethods[] = {
    {"gpclasses/graphics/CgpCanvas", "fillPath(Ljava/lang/String;I)V"},
    {"gpclasses/graphics/CgpCanvas", "drawPath(Ljava/lang/String;II)V"},
    {"gpclasses/graphics/CgpCanvas", "fillAndDrawPath(Ljava/lang/String;III)V"},
    {"gpclasses/graphics/CgpCanvas", "preCalculatePolygonParams(I[I[I[I[I)V"},
    {"gpclasses/graphics/CgpGraphicFile", "createImage(IIIII[I)I"},
    {"gpclasses/graphics/CgpGraphicFile", "loadImage(Ljava/lang/String;[I)I"},
    {"gpclasses/graphics/CgpGraphicFile", "unloadImage(I)V"},
    {"gpclasses/graphics/CgpScreenCapture", "createImage(IIIII)I"},
};

// Static methods that hosts declare for natives of their own.
std::vector<std::pair<std::string, std::string>>& declaredStaticMethods() {
  static std::vector<std::pair<std::string, std::string>> declared;
  return declared;
}

}  // namespace

bool isStaticMethod(std::string_view classPath, std::string_view nameSig) {
  for (const StaticMethod& m : kStaticMethods) {
    if (classPath == m.classPath && nameSig == m.nameSig) return true;
  }
  for (const auto& [path, name] : declaredStaticMethods()) {
    if (classPath == path && nameSig == name) return true;
  }
  return false;
}

void declareStaticMethod(std::string_view classPath, std::string_view nameSig) {
  if (!isStaticMethod(classPath, nameSig))
    declaredStaticMethods().emplace_back(std::string(classPath), std::string(nameSig));
}

}  // namespace vmhost
