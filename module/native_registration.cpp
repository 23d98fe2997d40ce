#include "module/native_registration.h"

#include "platform/core/morvcore.h"

namespace tamri {
namespace {

constexpr char kFormatHead[] = "Failed to init native support for ";
constexpr char kFormatTail[] = " : %s";

// No class of this module needs anything from the VM beyond what every
// native uses; a check that does returns its error text here.
const unichar* nativeSupportError(const NativeClass&) { return nullptr; }

// Builds the report's wide format in place: head, dotted class name, tail.
void buildFormat(const char* dottedName, unichar* out, int32_t capacity) {
  int32_t n = 0;
  for (const char* part : {kFormatHead, dottedName, kFormatTail}) {
    for (const char* c = part; *c && n < capacity - 1; ++c) out[n++] = static_cast<unichar>(*c);
  }
  out[n] = 0;
}

}  // namespace

int32_t registerNativeClass(const NativeClass& cls, int32_t checkLine) {
  if (const unichar* error = nativeSupportError(cls)) {
    unichar format[160];
    buildFormat(cls.dottedName, format, 160);
    osERfatalError(kModuleName, cls.sourceFile, checkLine, format, error);
  }
  int32_t result = 0;
  for (const NativeMethod& native : cls.natives)
    result = registerNativeMethod(cls.classPath, native.nameAndSignature, native.entry);
  return result;
}

}  // namespace tamri
