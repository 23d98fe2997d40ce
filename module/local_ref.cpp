#include "module/local_ref.h"

namespace tamri {
namespace {

jword loadWord(const uint8_t* at) {
  jword word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Slot k of the pointer-stack frame: FP[-(k + 1)].
jword& frameSlot(jword k) { return (*get_pfp())[-1 - static_cast<int32_t>(k)]; }

// Pushes one pointer-stack slot and returns its handle.
jword pushSlot(jword contents) {
  jword*& sp = *get_psp();
  const jword k = static_cast<jword>(*get_pfp() - sp);
  *--sp = contents;
  return kFirstOwnSlotHandle + k;
}

}  // namespace

jword resolveWord(jword reference) {
  if (reference < kFirstArgumentHandle) return reference;
  jword object = reference;
  if (reference < kFirstDirectReference) {
    const jword k = reference < kFirstOwnSlotHandle ? reference - kFirstArgumentHandle
                                                    : reference - kFirstOwnSlotHandle;
    object = frameSlot(k);
    if (object == 0) return 0;
  }
  return loadWord(ivmHeapBase() + object - 12);
}

LocalRef LocalRef::empty() { return LocalRef(pushSlot(0)); }

LocalRef::LocalRef(jword reference, bool keepInSlot)
    : value_(keepInSlot ? pushSlot(reference) : reference) {}

LocalRef::~LocalRef() {
  if (value_ >= kFirstOwnSlotHandle && value_ < kFirstDirectReference) ++*get_psp();
}

LocalRef& LocalRef::operator=(jword wordHoldingReference) {
  const FieldBlock block = fieldBlockOf(wordHoldingReference);
  const jword kept = block ? tendPtr(block) : 0;
  if (value_ >= kFirstOwnSlotHandle && value_ < kFirstDirectReference) {
    frameSlot(value_ - kFirstOwnSlotHandle) = kept;
  } else if (value_ >= kFirstArgumentHandle && value_ < kFirstOwnSlotHandle) {
    value_ = pushSlot(kept);
  } else {
    value_ = kept;
  }
  return *this;
}

}  // namespace tamri
