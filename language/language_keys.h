// Keys of the language settings in the configuration section "Language".
// Indexed keys are a name followed by the index in decimal with no
// separator ("UserApplicationLanguageNum2"), built in a buffer of 40
// characters: a key has at most 39.
#pragma once

#include "platform/platform_export.h"

namespace tamri {

inline constexpr const unichar* kLanguageSection = u"Language";
inline constexpr int32_t kLanguageKeyCapacity = 40;

struct LanguageKey {
  unichar text[kLanguageKeyCapacity];
};

// False, with no key, for a negative index or one whose key would pass 39
// characters: such an index names no setting.
bool buildIndexedKey(LanguageKey& key, const unichar* name, int32_t index);

}  // namespace tamri
