// Internal layout of the stand-in VM heap: one arena addressed by 32-bit
// words. Each object has a 12-byte header before its field block:
//   field block word (R itself), [R-8] kind, [R-4] block size.
#pragma once

#include "vm_host.h"

#include <cstdint>
#include <cstring>

namespace vmhost::heap {

// Kinds below zero are the built-in shapes; zero and above index classLayouts().
enum Kind : int32_t {
  kIntArray = -1,
  kRefArray = -2,
  kCharArray = -3,
  kString = -4,
  kNoObject = -100,
};

constexpr uint32_t kHeaderBytes = 12;
constexpr uint32_t kFirstReference = 1024;

uint8_t* arena();
uint32_t arenaSize();
// Allocates a zeroed field block of `bytes` for `kind`; 0 when the arena is full.
jword allocate(int32_t kind, uint32_t bytes);
// The kind of a reference, or kNoObject for a word that names no object.
int32_t kindOf(jword ref);
uint32_t blockSize(jword ref);
void resetArena();

inline uint32_t load32(const uint8_t* at) {
  uint32_t value;
  std::memcpy(&value, at, 4);
  return value;
}
inline void store32(uint8_t* at, uint32_t value) { std::memcpy(at, &value, 4); }

}  // namespace vmhost::heap
