// Host side of the VM stand-in: what tools and tests use to build VM objects,
// call natives through the argument stacks, and stand in for VM methods.
#pragma once

#include "ivm.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vmhost {

enum class FieldType { Int, UInt, Byte, Bool, Short, Char, Float, Ref };

struct FieldDef {
  const char* name;
  FieldType type;
  int32_t offset;
  // For Ref fields: the VM type the field holds ("[I", "Ljava/lang/String;",
  // "[Ljava/lang/String;", "Lgpclasses/graphics/CgpFont;", ...); else nullptr.
  const char* refType;
};

struct ClassDef {
  const char* path;       // slash-separated class path
  const char* superPath;  // nullptr for a root class
  int32_t blockSize;      // bytes of the instance field block
  std::span<const FieldDef> fields;
  int32_t staticSize;  // bytes of the static field block
  std::span<const FieldDef> staticFields;
};

// Every VM class whose fields the module reads, with its field layout.
IVM_API std::span<const ClassDef> classLayouts();
IVM_API const ClassDef* classByPath(std::string_view path);
// Looks a field up in the class and its superclasses; nullptr if absent.
IVM_API const FieldDef* findField(const ClassDef& cls, std::string_view name);
IVM_API const FieldDef* findStaticField(const ClassDef& cls, std::string_view name);
IVM_API bool isSubclassOf(const ClassDef& cls, std::string_view ancestorPath);

// ---- heap ------------------------------------------------------------------
// Drops every object, string and array and resets both stacks.
IVM_API void resetHeap();
// Zeroed object of a known class; 0 when the class is unknown or the heap is full.
IVM_API jword newObject(std::string_view classPath);
IVM_API jword newIntArray(std::span<const int32_t> elements);
IVM_API jword newRefArray(std::span<const jword> elements);
IVM_API jword newString(std::u16string_view text);
IVM_API jword newStringUtf8(std::string_view text);

// What kind of thing a reference names: a class path, "[I", "[L" (reference
// array), "[C" (character array) or "java/lang/String"; empty for no object.
IVM_API std::string kindOf(jword ref);
IVM_API const ClassDef* classOf(jword ref);
IVM_API uint8_t* fieldBlock(jword ref);  // nullptr for 0 or a word that is no object
IVM_API bool isObject(jword ref);

IVM_API void setField(jword object, std::string_view field, int64_t value);
IVM_API int64_t getField(jword object, std::string_view field);
IVM_API void setFloatField(jword object, std::string_view field, float value);
IVM_API float getFloatField(jword object, std::string_view field);
IVM_API void setStaticField(std::string_view classPath, std::string_view field, int64_t value);
IVM_API int64_t getStaticField(std::string_view classPath, std::string_view field);

IVM_API std::vector<int32_t> intArray(jword array);
IVM_API std::vector<jword> refArray(jword array);
IVM_API std::u16string stringText(jword string);
IVM_API std::string stringUtf8(jword string);

// Names objects for the trace ("@name"); unnamed objects show as "#<word>".
IVM_API void nameObject(jword ref, std::string name);
IVM_API std::string describe(jword ref);

// ---- natives ---------------------------------------------------------------
struct NativeRecord {
  std::string classPath;
  std::string nameAndSignature;
  NativeEntryPoint entry;
};

IVM_API const std::vector<NativeRecord>& natives();
// Whether the VM class declares the method static (called with no `this`).
IVM_API bool isStaticMethod(std::string_view classPath, std::string_view nameSig);
IVM_API void declareStaticMethod(std::string_view classPath, std::string_view nameSig);
IVM_API const NativeRecord* findNative(std::string_view classPath, std::string_view nameSig);
IVM_API void clearNatives();

// A VM method signature split into its parameter types and result type,
// each as written in the signature ("I", "[I", "Ljava/lang/String;", ...).
struct Signature {
  std::string name;
  std::vector<std::string> params;
  std::string result;
  bool valid = false;
};
IVM_API Signature parseSignature(std::string_view nameAndSignature);
IVM_API bool isReferenceType(std::string_view type);

struct CallResult {
  uint32_t value = 0;     // value-stack FP[-1] after the call
  jword reference = 0;    // pointer-stack FP[-1] after the call
  bool balanced = false;  // both stack pointers back where the frame left them
};

// Calls a native as the VM would: `self` (0 for a class native) and the
// reference arguments on the pointer stack, the scalars on the value stack.
IVM_API CallResult callNative(const NativeRecord& native, jword self,
                              std::span<const jword> references, std::span<const uint32_t> scalars);

// ---- VM methods that natives call back ---------------------------------------
// A host-side VM method: receives the receiver and its scalar arguments and
// returns the object result (0 for none or void).
using HostMethod = jword (*)(jword self, std::span<const uint32_t> scalars);

// Installs (or replaces) a VM method of a class. Virtual dispatch prefers a
// native of the receiver's class, then a host method, walking up the classes.
IVM_API void setHostMethod(std::string_view classPath, std::string_view nameSig, HostMethod method);
IVM_API void restoreDefaultHostMethods();
// Calls a native of the receiver's class by name, if one is registered;
// returns whether one ran. Used by host methods that forward to natives.
IVM_API bool callOwnNative(jword self, std::string_view nameSig, std::span<const uint32_t> scalars);

}  // namespace vmhost

namespace vmhost {
// The method table behind JivoTamri: one identifier per (class, method).
IVM_API int16_t methodIdentifier(std::string_view classPath, std::string_view nameSig);
IVM_API IvmMethod* methodByIdentifier(int16_t identifier);
}  // namespace vmhost
