#include "heap_layout.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vmhost::heap {
namespace {

constexpr uint32_t kArenaBytes = 64u << 20;

struct Arena {
  uint8_t* bytes = nullptr;
  uint32_t next = kFirstReference - kHeaderBytes;
  // Every object's reference, in allocation order, so a word can be checked.
  std::vector<jword> objects;
};

Arena& state() {
  static Arena arena = [] {
    Arena a;
    a.bytes = static_cast<uint8_t*>(std::calloc(kArenaBytes, 1));
    return a;
  }();
  return arena;
}

uint32_t alignUp(uint32_t value) { return (value + 7u) & ~7u; }

}  // namespace

uint8_t* arena() { return state().bytes; }
uint32_t arenaSize() { return state().bytes ? kArenaBytes : 0; }

jword allocate(int32_t kind, uint32_t bytes) {
  Arena& a = state();
  if (!a.bytes || bytes > kArenaBytes) return 0;
  const uint32_t header = a.next;
  const uint32_t end = header + kHeaderBytes + alignUp(bytes < 4 ? 4 : bytes);
  if (end > kArenaBytes) return 0;
  const jword ref = header + kHeaderBytes;
  std::memset(a.bytes + header, 0, end - header);
  store32(a.bytes + header, ref);
  store32(a.bytes + header + 4, static_cast<uint32_t>(kind));
  store32(a.bytes + header + 8, bytes);
  a.next = alignUp(end + kHeaderBytes) - kHeaderBytes;
  a.objects.push_back(ref);
  return ref;
}

int32_t kindOf(jword ref) {
  const Arena& a = state();
  if (ref < kFirstReference || ref >= a.next) return kNoObject;
  // Binary search keeps a stray word from being taken for an object.
  auto it = std::lower_bound(a.objects.begin(), a.objects.end(), ref);
  if (it == a.objects.end() || *it != ref) return kNoObject;
  return static_cast<int32_t>(load32(a.bytes + ref - 8));
}

uint32_t blockSize(jword ref) { return load32(state().bytes + ref - 4); }

void resetArena() {
  Arena& a = state();
  if (a.bytes) std::memset(a.bytes, 0, a.next + kHeaderBytes);
  a.next = kFirstReference - kHeaderBytes;
  a.objects.clear();
}

}  // namespace vmhost::heap
