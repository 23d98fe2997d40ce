// Objects, arrays and strings on the stand-in heap, for hosts and natives.
#include "heap_layout.h"
#include "utf.h"
#include "vm_classes.h"
#include "vm_stacks.h"

#include <map>
#include <string>

namespace vmhost {
namespace {

std::map<jword, std::string>& objectNames() {
  static std::map<jword, std::string> names;
  return names;
}

// Interned strings made from narrow texts (class paths and the like), so a
// native that looks a class up on every call does not grow the heap.
std::map<std::string, jword, std::less<>>& internedStrings() {
  static std::map<std::string, jword, std::less<>> strings;
  return strings;
}

void storeField(uint8_t* block, const FieldDef& f, int64_t value) {
  uint8_t* at = block + f.offset;
  switch (f.type) {
    case FieldType::Byte:
    case FieldType::Bool:
      *at = static_cast<uint8_t>(value);
      break;
    case FieldType::Short:
    case FieldType::Char: {
      const uint16_t v = static_cast<uint16_t>(value);
      std::memcpy(at, &v, 2);
      break;
    }
    default:
      heap::store32(at, static_cast<uint32_t>(value));
  }
}

int64_t loadField(const uint8_t* block, const FieldDef& f) {
  const uint8_t* at = block + f.offset;
  switch (f.type) {
    case FieldType::Byte:
      return static_cast<int8_t>(*at);
    case FieldType::Bool:
      return *at;
    case FieldType::Short: {
      int16_t v;
      std::memcpy(&v, at, 2);
      return v;
    }
    case FieldType::Char: {
      uint16_t v;
      std::memcpy(&v, at, 2);
      return v;
    }
    case FieldType::UInt:
    case FieldType::Ref:
      return heap::load32(at);
    default:
      return static_cast<int32_t>(heap::load32(at));
  }
}

jword newCharArray(std::u16string_view text) {
  const jword array = heap::allocate(heap::kCharArray, 4 + 2 * static_cast<uint32_t>(text.size()));
  if (!array) return 0;
  uint8_t* block = fieldBlock(array);
  heap::store32(block, static_cast<uint32_t>(text.size()));
  if (!text.empty()) std::memcpy(block + 4, text.data(), 2 * text.size());
  return array;
}

}  // namespace

void resetHeap() {
  heap::resetArena();
  resetStatics();
  resetStacks();
  objectNames().clear();
  internedStrings().clear();
}

jword newObject(std::string_view classPath) {
  IvmClass* cls = classObject(classPath);
  if (!cls) return 0;
  return heap::allocate(classIndexOf(cls), static_cast<uint32_t>(classDefOf(cls)->blockSize));
}

jword newIntArray(std::span<const int32_t> elements) {
  const jword array =
      heap::allocate(heap::kIntArray, 4 + 4 * static_cast<uint32_t>(elements.size()));
  if (!array) return 0;
  uint8_t* block = fieldBlock(array);
  heap::store32(block, static_cast<uint32_t>(elements.size()));
  if (!elements.empty()) std::memcpy(block + 4, elements.data(), 4 * elements.size());
  return array;
}

jword newRefArray(std::span<const jword> elements) {
  const jword array =
      heap::allocate(heap::kRefArray, 4 + 4 * static_cast<uint32_t>(elements.size()));
  if (!array) return 0;
  uint8_t* block = fieldBlock(array);
  heap::store32(block, static_cast<uint32_t>(elements.size()));
  if (!elements.empty()) std::memcpy(block + 4, elements.data(), 4 * elements.size());
  return array;
}

jword newString(std::u16string_view text) {
  const jword chars = newCharArray(text);
  if (!chars) return 0;
  const jword string = heap::allocate(heap::kString, 12);
  if (!string) return 0;
  uint8_t* block = fieldBlock(string);
  heap::store32(block, chars);
  heap::store32(block + 4, 0);
  heap::store32(block + 8, static_cast<uint32_t>(text.size()));
  return string;
}

jword newStringUtf8(std::string_view text) { return newString(utf16FromUtf8(text)); }

jword internedString(std::string_view text) {
  auto& strings = internedStrings();
  auto it = strings.find(text);
  if (it != strings.end()) return it->second;
  const jword string = newStringUtf8(text);
  if (string) strings.emplace(std::string(text), string);
  return string;
}

std::string kindOf(jword ref) {
  const int32_t kind = heap::kindOf(ref);
  switch (kind) {
    case heap::kNoObject:
      return {};
    case heap::kIntArray:
      return "[I";
    case heap::kRefArray:
      return "[L";
    case heap::kCharArray:
      return "[C";
    case heap::kString:
      return "java/lang/String";
    default:
      return classDefOf(classObjectAt(kind))->path;
  }
}

const ClassDef* classOf(jword ref) {
  const int32_t kind = heap::kindOf(ref);
  return kind >= 0 ? classDefOf(classObjectAt(kind)) : nullptr;
}

bool isObject(jword ref) { return heap::kindOf(ref) != heap::kNoObject; }

uint8_t* fieldBlock(jword ref) {
  if (!isObject(ref)) return nullptr;
  return heap::arena() + heap::load32(heap::arena() + ref - heap::kHeaderBytes);
}

namespace {

// The VM's store check: a reference field holds null or an object of its
// declared type, and a typed reference array only elements of its element
// type (a CgpGraphics[] holds no font). Words that name no object are let
// through, so that tests can still forge references.
bool fitsType(jword value, std::string_view vmType, int depth = 0) {
  const int32_t kind = heap::kindOf(value);
  if (value == 0 || kind == heap::kNoObject || vmType == "Ljava/lang/Object;") return true;
  if (vmType == "Ljava/lang/String;") return kind == heap::kString;
  if (vmType == "[I") return kind == heap::kIntArray;
  if (vmType == "[C") return kind == heap::kCharArray;
  if (vmType.size() > 2 && vmType.front() == 'L' && vmType.back() == ';') {
    const ClassDef* cls = classOf(value);
    return cls && isSubclassOf(*cls, vmType.substr(1, vmType.size() - 2));
  }
  if (vmType.size() < 2 || vmType.front() != '[' || kind != heap::kRefArray) return false;
  constexpr int kDeepestArray = 8;  // an array may hold itself
  if (depth >= kDeepestArray) return false;
  for (const jword element : refArray(value)) {
    if (!fitsType(element, vmType.substr(1), depth + 1)) return false;
  }
  return true;
}

bool fitsField(const FieldDef& f, int64_t value) {
  return f.type != FieldType::Ref || f.refType == nullptr ||
         fitsType(static_cast<jword>(value), f.refType);
}

}  // namespace

void setField(jword object, std::string_view field, int64_t value) {
  const ClassDef* cls = classOf(object);
  const FieldDef* f = cls ? findField(*cls, field) : nullptr;
  if (f && fitsField(*f, value)) storeField(fieldBlock(object), *f, value);
}

int64_t getField(jword object, std::string_view field) {
  const ClassDef* cls = classOf(object);
  const FieldDef* f = cls ? findField(*cls, field) : nullptr;
  return f ? loadField(fieldBlock(object), *f) : 0;
}

void setFloatField(jword object, std::string_view field, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, 4);
  setField(object, field, bits);
}

float getFloatField(jword object, std::string_view field) {
  const uint32_t bits = static_cast<uint32_t>(getField(object, field));
  float value;
  std::memcpy(&value, &bits, 4);
  return value;
}

void setStaticField(std::string_view classPath, std::string_view field, int64_t value) {
  IvmClass* cls = classObject(classPath);
  const FieldDef* f = cls ? findStaticField(*classDefOf(cls), field) : nullptr;
  if (f && fitsField(*f, value)) storeField(staticBlockOf(cls), *f, value);
}

int64_t getStaticField(std::string_view classPath, std::string_view field) {
  IvmClass* cls = classObject(classPath);
  const FieldDef* f = cls ? findStaticField(*classDefOf(cls), field) : nullptr;
  return f ? loadField(staticBlockOf(cls), *f) : 0;
}

std::vector<int32_t> intArray(jword array) {
  if (heap::kindOf(array) != heap::kIntArray) return {};
  const uint8_t* block = fieldBlock(array);
  std::vector<int32_t> out(heap::load32(block));
  if (!out.empty()) std::memcpy(out.data(), block + 4, 4 * out.size());
  return out;
}

std::vector<jword> refArray(jword array) {
  if (heap::kindOf(array) != heap::kRefArray) return {};
  const uint8_t* block = fieldBlock(array);
  std::vector<jword> out(heap::load32(block));
  if (!out.empty()) std::memcpy(out.data(), block + 4, 4 * out.size());
  return out;
}

std::u16string stringText(jword string) {
  if (heap::kindOf(string) != heap::kString) return {};
  const uint8_t* block = fieldBlock(string);
  const uint8_t* chars = fieldBlock(heap::load32(block));
  if (!chars) return {};
  const uint32_t offset = heap::load32(block + 4);
  const uint32_t length = heap::load32(block + 8);
  std::u16string out(length, u'\0');
  if (length) std::memcpy(out.data(), chars + 4 + 2 * offset, 2 * length);
  return out;
}

std::string stringUtf8(jword string) { return utf8FromUtf16(stringText(string)); }

void nameObject(jword ref, std::string name) { objectNames()[ref] = std::move(name); }

std::string describe(jword ref) {
  if (ref == 0) return "null";
  auto it = objectNames().find(ref);
  if (it != objectNames().end()) return "@" + it->second;
  return "#" + std::to_string(ref);
}

}  // namespace vmhost
