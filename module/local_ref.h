// References held by natives. A reference word is read in four ranges:
//   0..255    not a reference (0 is null)
//   256..511  argument slot k = word - 256 of the pointer-stack frame
//   512..767  a slot the native pushed itself, k = word - 512
//   768..     a direct reference
// LocalRef keeps the objects a native works with in pointer-stack slots for
// as long as it runs, so they stay reachable; slots are popped in reverse
// order of creation when each LocalRef goes out of scope.
#pragma once

#include "platform/ivm/ivm.h"

#include <cstdint>
#include <cstring>

namespace tamri {

using FieldBlock = uint8_t*;

constexpr jword kFirstArgumentHandle = 256;
constexpr jword kFirstOwnSlotHandle = 512;
constexpr jword kFirstDirectReference = 768;

// The word the resolver gives: unchanged below 256, otherwise the field
// block's word (0 for an empty slot).
jword resolveWord(jword reference);

// The field block of a reference word, or nullptr when it names none.
inline FieldBlock fieldBlockOf(jword reference) {
  const jword word = resolveWord(reference);
  return word >= kFirstDirectReference ? ivmHeapBase() + word : nullptr;
}

class LocalRef {
 public:
  // An argument handle: slot `index` of the pointer-stack frame (0 is `this`).
  static LocalRef argument(int32_t index) { return LocalRef(kFirstArgumentHandle + index); }
  // A fresh slot holding null.
  static LocalRef empty();
  // Holds `reference`, in a new slot when `keepInSlot` is set.
  LocalRef(jword reference, bool keepInSlot);
  ~LocalRef();

  LocalRef(const LocalRef&) = delete;
  LocalRef& operator=(const LocalRef&) = delete;
  LocalRef(LocalRef&& other) noexcept : value_(other.value_) { other.value_ = 0; }

  // Takes the object named by a word that holds a reference (an array
  // element, another LocalRef's value, a reference field).
  LocalRef& operator=(jword wordHoldingReference);

  jword value() const { return value_; }
  FieldBlock resolve() const { return fieldBlockOf(value_); }
  bool isNull() const { return resolve() == nullptr; }

 private:
  explicit LocalRef(jword value) : value_(value) {}
  jword value_;
};

}  // namespace tamri
