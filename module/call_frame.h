// Reading a native's scalar arguments and writing its result. Scalars lie in
// declared order at FP[-1], FP[-2], ... of the value argument stack, one word
// each; results go into the first word of the native's own frame.
#pragma once

#include "module/local_ref.h"

#include <cstring>

namespace tamri {

inline uint32_t scalarWord(int32_t index) { return (*get_npfp())[-1 - index]; }

inline int32_t intArg(int32_t index) { return static_cast<int32_t>(scalarWord(index)); }
// Bytes are the word's lowest byte, read with their sign.
inline int8_t byteArg(int32_t index) { return static_cast<int8_t>(scalarWord(index) & 0xFF); }
inline uint8_t unsignedByteArg(int32_t index) {
  return static_cast<uint8_t>(scalarWord(index) & 0xFF);
}
inline bool boolArg(int32_t index) { return (scalarWord(index) & 0xFF) != 0; }
inline float floatArg(int32_t index) {
  const uint32_t bits = scalarWord(index);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void returnInt(int32_t value) { (*get_npfp())[-1] = static_cast<uint32_t>(value); }
inline void returnBool(bool value) { (*get_npfp())[-1] = value ? 1u : 0u; }
// Object and string results overwrite `this` (or the first reference).
inline void returnReference(jword reference) { (*get_pfp())[-1] = reference; }
inline void returnObject(const LocalRef& object) {
  const FieldBlock block = object.resolve();
  returnReference(block ? tendPtr(block) : 0);
}

}  // namespace tamri
