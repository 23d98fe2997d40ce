// The pointer and value argument stacks, and calling a native on them.
#include "host_trace.h"
#include "vm_stacks.h"

#include <array>

namespace vmhost {
namespace {

constexpr size_t kStackWords = 1 << 16;

struct Stacks {
  std::array<jword, kStackWords> pointerWords{};
  std::array<jword, kStackWords> valueWords{};
  StackPointers pointers{};
  Stacks() { reset(); }
  void reset() {
    jword* pointerTop = pointerWords.data() + kStackWords;
    jword* valueTop = valueWords.data() + kStackWords;
    pointers = {pointerTop, pointerTop, valueTop, valueTop};
  }
};

Stacks& all() {
  static Stacks s;
  return s;
}

}  // namespace

StackPointers& stacks() { return all().pointers; }
void resetStacks() { all().reset(); }
size_t pointerStackRoom() { return static_cast<size_t>(stacks().psp - all().pointerWords.data()); }
size_t valueStackRoom() { return static_cast<size_t>(stacks().npsp - all().valueWords.data()); }

CallResult callNative(const NativeRecord& native, jword self, std::span<const jword> references,
                      std::span<const uint32_t> scalars) {
  CallResult result;
  StackPointers& s = stacks();
  const size_t pointerWords = references.size() + (self ? 1 : 0);
  // Leave generous room for the slots the native and its callbacks push.
  if (pointerStackRoom() < pointerWords + 1024 || valueStackRoom() < scalars.size() + 1024)
    return result;
  const StackPointers saved = s;

  // Each frame holds at least one word, so a result slot always exists.
  s.pfp = s.psp;
  if (self) *--s.psp = self;
  for (jword r : references) *--s.psp = r;
  if (pointerWords == 0) *--s.psp = 0;
  jword* const pointerTop = s.psp;
  s.npfp = s.npsp;
  for (uint32_t w : scalars) *--s.npsp = w;
  if (scalars.empty()) *--s.npsp = 0;
  jword* const valueTop = s.npsp;

  // The native's own work counts as module work, even inside a callback.
  const int platformDepth = host::platformDepth();
  host::platformDepth() = 0;
  native.entry();
  host::platformDepth() = platformDepth;

  result.balanced =
      s.psp == pointerTop && s.npsp == valueTop && s.pfp == saved.psp && s.npfp == saved.npsp;
  result.value = s.npfp[-1];
  result.reference = s.pfp[-1];
  s = saved;
  return result;
}

}  // namespace vmhost

extern "C" {
IVM_API jword** get_pfp(void) { return &vmhost::stacks().pfp; }
IVM_API jword** get_psp(void) { return &vmhost::stacks().psp; }
IVM_API jword** get_npfp(void) { return &vmhost::stacks().npfp; }
IVM_API jword** get_npsp(void) { return &vmhost::stacks().npsp; }
}
