#include "language/language_keys.h"

#include "platform/core/morvcore.h"

namespace tamri {

bool buildIndexedKey(LanguageKey& key, const unichar* name, int32_t index) {
  if (index < 0) return false;
  unichar digits[12];  // the ten digits of the largest int and the terminator
  osUTitou(index, digits, 10);
  if (osUTustrlen(name) + osUTustrlen(digits) >= kLanguageKeyCapacity) return false;
  osUTustrcpy(key.text, name);
  osUTustrcat(key.text, digits);
  return true;
}

}  // namespace tamri
