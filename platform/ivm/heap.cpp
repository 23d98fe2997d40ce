#include "heap_layout.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TAMRI_HEAP_REDZONES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMRI_HEAP_REDZONES 1
#endif
#endif

#if defined(TAMRI_HEAP_REDZONES)
#include <sanitizer/asan_interface.h>
#define HEAP_POISON(at, size) ASAN_POISON_MEMORY_REGION(at, size)
#define HEAP_UNPOISON(at, size) ASAN_UNPOISON_MEMORY_REGION(at, size)
#else
#define HEAP_POISON(at, size) static_cast<void>(0)
#define HEAP_UNPOISON(at, size) static_cast<void>(0)
#endif

namespace vmhost::heap {
namespace {

constexpr uint32_t kArenaBytes = 64u << 20;
// Unused bytes after every block: under the address sanitizer they stay
// poisoned, so reading past the end of an array is caught.
constexpr uint32_t kRedZoneBytes = 16;

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
    if (a.bytes) HEAP_POISON(a.bytes, kArenaBytes);
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
  const uint32_t used = kHeaderBytes + (bytes < 4 ? 4 : bytes);
  const uint32_t end = header + kHeaderBytes + alignUp(bytes < 4 ? 4 : bytes) + kRedZoneBytes;
  if (end > kArenaBytes) return 0;
  const jword ref = header + kHeaderBytes;
  HEAP_UNPOISON(a.bytes + header, used);
  std::memset(a.bytes + header, 0, used);
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
  if (a.bytes) {
    HEAP_UNPOISON(a.bytes, a.next + kHeaderBytes);
    std::memset(a.bytes, 0, a.next + kHeaderBytes);
    HEAP_POISON(a.bytes, kArenaBytes);
  }
  a.next = kFirstReference - kHeaderBytes;
  a.objects.clear();
}

}  // namespace vmhost::heap
