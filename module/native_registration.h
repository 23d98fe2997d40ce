// Registration of a class's natives with the VM, one table per class.
#pragma once

#include "platform/ivm/ivm.h"

#include <span>

namespace tamri {

// The module's name in fatal-error reports.
inline constexpr unichar kModuleName[] = u"TamriGraphics";

struct NativeMethod {
  const char* nameAndSignature;
  NativeEntryPoint entry;
};

struct NativeClass {
  const char* classPath;   // "gpclasses/graphics/CgpArc"
  const char* dottedName;  // "gpclasses.graphics.CgpArc", for the error report
  const char* sourceFile;  // "gpClasses_Graphics_CgpArc", for the error report
  std::span<const NativeMethod> natives;
};

// Runs the class's native-support check (reporting a failure through the
// fatal-error report and going on), then registers every native in table
// order. Returns what the last registration returned.
int32_t registerNativeClass(const NativeClass& cls, int32_t checkLine);

}  // namespace tamri
