// A scene after loading: every name resolved to its kind, every field and
// native looked up, every value converted to the word the VM stores. Running
// a loaded scene cannot fail on its contents.
#pragma once

#include "platform/ivm/vm_host.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scene {

// What a field or an argument receives: a scalar word, a named item (an
// empty name is null), or the handle of the scene's surface.
struct Value {
  enum class Kind { Word, Reference, Surface };
  Kind kind = Kind::Word;
  uint32_t word = 0;
  std::string name;
};

struct SurfaceSpec {
  int32_t width = 0;
  int32_t height = 0;
  uint32_t background = 0xFFFFFF;
};

struct NamedString {
  std::string name;
  std::string text;  // UTF-8
};

struct NamedIntArray {
  std::string name;
  std::vector<int32_t> elements;
};

struct NamedRefArray {
  std::string name;
  std::vector<std::string> elements;  // item names; empty for null
};

struct FieldAssignment {
  const vmhost::FieldDef* field = nullptr;
  Value value;
};

struct NamedObject {
  std::string name;
  const vmhost::ClassDef* cls = nullptr;
  std::vector<FieldAssignment> fields;
};

// The canvas class's separator statics.
struct Separators {
  char16_t decimal = u'.';
  char16_t group = u',';
};

struct PrintRequest {
  std::string name;
  const vmhost::FieldDef* field = nullptr;  // nullptr: every field of an object
};

// A field given a new value between two calls, as VM code may.
struct FieldChange {
  std::string object;
  FieldAssignment assignment;
};

struct NativeCall {
  // Set for a step that runs no native: it changes the separators, a field,
  // or prints where it stands.
  std::optional<Separators> separators;
  std::optional<FieldChange> fieldChange;
  std::optional<PrintRequest> print;
  std::string label;     // "line1.draw(I)V" or "<class path>.<name and signature>"
  std::string receiver;  // object name; empty for a class native
  vmhost::NativeRecord native;
  vmhost::Signature signature;
  std::vector<Value> arguments;  // in declared order
  // Where the result goes, if anywhere.
  std::string resultObject;
  const vmhost::FieldDef* resultField = nullptr;

  bool runsNative() const { return !separators && !fieldChange && !print; }
};

struct Scene {
  std::optional<SurfaceSpec> surface;
  Separators separators;
  // Minutes, GMT = local time + offset; none: the host's own time zone.
  std::optional<int32_t> timeZoneOffset;
  std::vector<NamedString> strings;
  std::vector<NamedIntArray> intArrays;
  std::vector<NamedRefArray> refArrays;
  std::vector<NamedObject> objects;
  // Run once, before `calls`: what a screen does as it opens (fonts, images,
  // list boxes and their rows). `calls` are what it draws on every frame.
  std::vector<NativeCall> setup;
  std::vector<NativeCall> calls;
  std::vector<PrintRequest> prints;
};

}  // namespace scene
