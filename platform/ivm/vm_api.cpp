// The C interface natives use: classes, objects and strings.
#include "heap_layout.h"
#include "host_trace.h"
#include "utf.h"
#include "vm_classes.h"

#include <algorithm>
#include <cstring>

using namespace vmhost;

extern "C" {

IVM_API uint8_t* ivmHeapBase(void) { return heap::arena(); }

// Class paths are ASCII: one read in place into a stack buffer finds every
// known class without building a string per lookup.
IVM_API IvmClass* findClass(jword classPathString) {
  host::PlatformScope scope;
  if (heap::kindOf(classPathString) != heap::kString) return nullptr;
  const uint8_t* block = fieldBlock(classPathString);
  const uint8_t* chars = fieldBlock(heap::load32(block));
  const uint32_t offset = heap::load32(block + 4);
  const uint32_t length = heap::load32(block + 8);
  char path[256];
  // Compared without a sum that could wrap past the array's length.
  if (chars == nullptr || length > sizeof path || offset > heap::load32(chars) ||
      length > heap::load32(chars) - offset)
    return nullptr;
  for (uint32_t i = 0; i < length; ++i) {
    uint16_t c;
    std::memcpy(&c, chars + 4 + 2 * (offset + i), 2);
    if (c == 0 || c > 0x7F) return nullptr;
    path[i] = static_cast<char>(c);
  }
  return classObject(std::string_view(path, length));
}

IVM_API jword newObject(IvmClass* cls) {
  host::PlatformScope scope;
  const ClassDef* def = classDefOf(cls);
  return def ? heap::allocate(classIndexOf(cls), static_cast<uint32_t>(def->blockSize)) : 0;
}

IVM_API void* staticDataFromClass(IvmClass* cls) {
  host::PlatformScope scope;
  return staticBlockOf(cls);
}

IVM_API jword c2jString(const char* text) {
  host::PlatformScope scope;
  return text ? internedString(text) : 0;
}

IVM_API jword uni2Jstring(const unichar* text, int32_t count) {
  host::PlatformScope scope;
  if (!text || count <= 0) return newString(u"");
  return newString(
      std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(count)));
}

IVM_API const unichar* peekJstring(const void* stringBlock) {
  host::PlatformScope scope;
  const auto* block = static_cast<const uint8_t*>(stringBlock);
  const uint8_t* chars = fieldBlock(heap::load32(block));
  if (!chars) return nullptr;
  return reinterpret_cast<const unichar*>(chars + 4 + 2 * heap::load32(block + 4));
}

IVM_API int32_t numUniChars(const void* stringBlock) {
  host::PlatformScope scope;
  return static_cast<int32_t>(heap::load32(static_cast<const uint8_t*>(stringBlock) + 8));
}

IVM_API void j2wcString(const void* stringBlock, unichar* buffer, int32_t capacity) {
  host::PlatformScope scope;
  if (!buffer || capacity <= 0) return;
  const unichar* chars = peekJstring(stringBlock);
  const int32_t length = chars ? numUniChars(stringBlock) : 0;
  const int32_t copied = std::clamp(length, 0, capacity - 1);
  std::copy_n(chars, copied, buffer);
  buffer[copied] = 0;
}

IVM_API jword tendPtr(const void* fieldBlock) {
  host::PlatformScope scope;
  if (!fieldBlock) return 0;
  return static_cast<jword>(static_cast<const uint8_t*>(fieldBlock) - heap::arena());
}

}  // extern "C"
