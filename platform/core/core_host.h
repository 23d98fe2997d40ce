// Host side of the platform core: what tests and tools set up before the
// module runs, and what they read back afterwards.
//
// Configuration. Values live in memory; with a configuration file every
// successful set rewrites the file. On first use the file named by the
// environment variable TAMRI_CONFIG is loaded (and later written); without it
// the configuration stays in memory only. The file format is described in
// ini_text.h.
//
// Trace lines written by the platform core (texts quoted as host::quoted does):
//   osCGsetINT32("Language", "UserApplicationLanguageNum2", 5) -> true
//   osCGgetINT32("Language", "UserApplicationLanguageElements", false) -> true 3
//   osCGgetINT32("Language", "SystemLanguageElements", false) -> false
//   osCGsetUNICHAR("Language", "UserApplicationLanguageName0", "English") -> true
//   osCGgetUNICHAR("Language", "UserApplicationLanguageName0", false, 40) -> true "English"
//   osCGgetUNICHAR("Language", "UserApplicationLanguageName1", false, 40) -> false
//   osBLgetSystemLanguageCode(0) -> true "en"
//   osBLgetSystemLanguageCode(3) -> false
//   osTMgetGMTTimeZoneOffset() -> true -60
//   osERfatalError("TamriGraphics", "gpClasses_Graphics_CgpArc", 42, "message text")
// The string, number and mathematics functions (osUT) write no trace lines.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "morvcore.h"

namespace corehost {

// Empties the configuration and keeps it in memory only (TAMRI_CONFIG is then
// no longer consulted).
MORV_API void resetConfiguration();

// Replaces the configuration by the file's contents and writes every later
// change to it. A missing or unreadable file gives an empty configuration and
// false; the file is then created by the first set.
MORV_API bool loadConfiguration(const std::string& path);

// Keeps the current values and writes them, now and after every set, to
// `path`; an empty path keeps the configuration in memory only. Returns
// whether the file could be written.
MORV_API bool setConfigurationPath(const std::string& path);
MORV_API std::string configurationPath();

// The stored text of a key (UTF-8), or nothing when the key is missing.
MORV_API std::optional<std::string> configurationValue(const std::string& section,
                                                       const std::string& key);

// The system's languages in order, as codes such as "en" or "de"; codes longer
// than OS_BL_LANGUAGE_CODE_CAPACITY - 1 characters are cut. The initial list
// is "en", "de", "fr".
MORV_API void setSystemLanguages(const std::vector<std::string>& codes);

// Pins the offset that osTMgetGMTTimeZoneOffset reports (GMT = local time +
// offset, so one hour east of Greenwich is -60 minutes); no value returns to
// the C library's local time.
MORV_API void setTimeZoneOffset(std::optional<std::chrono::minutes> offset);

}  // namespace corehost
