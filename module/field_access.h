// Typed fields of VM objects, named by descriptor so that no native spells a
// byte offset. Ints are 32-bit little-endian; bytes are read with their sign.
#pragma once

#include "module/int_math.h"
#include "module/local_ref.h"

#include <cstring>

namespace tamri {

struct IntField {
  int32_t offset;
};
struct ByteField {
  int32_t offset;
};
struct CharField {
  int32_t offset;
};
struct RefField {
  int32_t offset;
};
// A screen coordinate. Every coordinate a native stores into a VM object is
// cut to 16 bits and sign-extended, as the panel keeps them.
struct CoordField {
  int32_t offset;
};

// A descriptor with its VM field name: each record lists its fields this way
// so that they can be held against the class layouts the VM side declares.
enum class FieldKind { Int, Coord, Byte, Char, Ref };
struct NamedField {
  constexpr NamedField(const char* n, IntField f)
      : name(n), kind(FieldKind::Int), offset(f.offset) {}
  constexpr NamedField(const char* n, CoordField f)
      : name(n), kind(FieldKind::Coord), offset(f.offset) {}
  constexpr NamedField(const char* n, ByteField f)
      : name(n), kind(FieldKind::Byte), offset(f.offset) {}
  constexpr NamedField(const char* n, CharField f)
      : name(n), kind(FieldKind::Char), offset(f.offset) {}
  constexpr NamedField(const char* n, RefField f)
      : name(n), kind(FieldKind::Ref), offset(f.offset) {}

  const char* name;
  FieldKind kind;
  int32_t offset;
};

inline int32_t read(const uint8_t* block, IntField f) {
  int32_t value;
  std::memcpy(&value, block + f.offset, sizeof value);
  return value;
}
inline void write(uint8_t* block, IntField f, int32_t value) {
  std::memcpy(block + f.offset, &value, sizeof value);
}
inline int32_t read(const uint8_t* block, CoordField f) { return read(block, IntField{f.offset}); }
inline void write(uint8_t* block, CoordField f, int32_t value) {
  write(block, IntField{f.offset}, cutTo16Bits(value));
}
inline int8_t read(const uint8_t* block, ByteField f) {
  return static_cast<int8_t>(block[f.offset]);
}
inline uint8_t readUnsigned(const uint8_t* block, ByteField f) { return block[f.offset]; }
inline void write(uint8_t* block, ByteField f, int8_t value) {
  block[f.offset] = static_cast<uint8_t>(value);
}
inline unichar read(const uint8_t* block, CharField f) {
  unichar value;
  std::memcpy(&value, block + f.offset, sizeof value);
  return value;
}
inline jword read(const uint8_t* block, RefField f) {
  jword value;
  std::memcpy(&value, block + f.offset, sizeof value);
  return value;
}
inline void write(uint8_t* block, RefField f, jword value) {
  std::memcpy(block + f.offset, &value, sizeof value);
}

}  // namespace tamri
