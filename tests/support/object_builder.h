// Builds VM objects and native arguments from the class layouts, so that
// every registered native can be called without knowing its class: the
// allocation check fills them with typical values, the fuzzer with random ones.
#pragma once

#include "platform/ivm/vm_host.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tamri_test {

// Where field values, lengths and scalars come from.
struct ValueSource {
  virtual ~ValueSource() = default;
  virtual int64_t fieldValue(const vmhost::FieldDef& field) = 0;
  virtual uint32_t scalar(std::string_view type) = 0;
  // Elements of a new array; -1 asks for null instead of an array.
  virtual int32_t arrayLength(std::string_view arrayType) = 0;
  virtual int32_t arrayElement() = 0;
  virtual std::u16string text() = 0;
  // Whether a reference should be null rather than a fresh object.
  virtual bool nullReference() = 0;
};

// Fixed, plausible values: counts that fit their arrays, texts, colours.
struct TypicalValues : ValueSource {
  int64_t fieldValue(const vmhost::FieldDef& field) override;
  uint32_t scalar(std::string_view type) override;
  int32_t arrayLength(std::string_view arrayType) override;
  int32_t arrayElement() override;
  std::u16string text() override;
  bool nullReference() override { return false; }
  int32_t next = 0;
};

// A value of a VM type: an object of a class path, an array or a string.
jword buildReference(std::string_view vmType, ValueSource& values, int depth = 0);
jword buildObject(std::string_view classPath, ValueSource& values, int depth = 0);

struct NativeArguments {
  jword self = 0;  // 0 for a class native
  std::vector<jword> references;
  std::vector<uint32_t> scalars;
};

// Whether the native is a class native (no `this`).
bool isClassNative(const vmhost::NativeRecord& native);
NativeArguments buildArguments(const vmhost::NativeRecord& native, ValueSource& values);

}  // namespace tamri_test
