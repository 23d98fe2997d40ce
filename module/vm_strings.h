// VM strings as natives see them: UTF-16 characters in place, or copied into
// a zero-terminated wide buffer of the native's own.
#pragma once

#include "module/local_ref.h"

#include <algorithm>

namespace tamri {

struct TextView {
  const unichar* chars = nullptr;
  int32_t count = 0;
};

// The string's characters in place (not zero-terminated); empty for null.
inline TextView textOf(jword reference) {
  const FieldBlock block = fieldBlockOf(reference);
  if (!block) return {};
  const unichar* chars = peekJstring(block);
  return chars ? TextView{chars, std::max(numUniChars(block), 0)} : TextView{};
}

// Copies the string into `buffer` (capacity counts the terminator), cut to
// fit; a null string gives the empty text.
inline void copyText(jword reference, unichar* buffer, int32_t capacity) {
  if (capacity <= 0) return;
  buffer[0] = 0;
  if (const FieldBlock block = fieldBlockOf(reference)) j2wcString(block, buffer, capacity);
}

}  // namespace tamri
