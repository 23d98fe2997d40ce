// Host side of the platform core: what tests and tools set up before the
// module runs, and what they read back afterwards.
//
// Configuration. Values live in memory and, with a configuration file, in
// that file, which every successful set replaces whole, durably and
// atomically (durable_file.h): a process killed at any moment leaves the old
// file or the new one. On first use the file is chosen thus: the environment
// variable TAMRI_CONFIG names it (set but empty: memory only); without it the
// file is $XDG_CONFIG_HOME/tamri/config.ini, else $HOME/.config/tamri/config.ini
// (%APPDATA%\Tamri\config.ini on Windows), whose folder is made on the first
// write; with none of these the configuration stays in memory only. A missing
// file reads as empty. A damaged file (ini_text.h) or one that cannot be read
// is reported once through osERfatalError and read as far as it is sound; the
// next set replaces it. The file format is described in ini_text.h.
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

// Forgets the values, then chooses and reads the file again as on first
// use; true when there was a file to read.
MORV_API bool reopenConfiguration();

// Keeps the current values and writes them, now and after every set, to
// `path`; an empty path keeps the configuration in memory only. Returns
// whether the file could be written.
MORV_API bool setConfigurationPath(const std::string& path);
MORV_API std::string configurationPath();

// The stored text of a key (UTF-8), or nothing when the key is missing.
MORV_API std::optional<std::string> configurationValue(const std::string& section,
                                                       const std::string& key);

// The system's languages by position (0 to 8), as codes such as "en" or
// "de"; an empty code leaves its position empty, and codes longer than
// OS_BL_LANGUAGE_CODE_CAPACITY - 1 characters are cut. The list stands until
// useConfiguredSystemLanguages(), which returns to the environment, the
// configuration and the locale (see system_language.cpp).
MORV_API void setSystemLanguages(const std::vector<std::string>& codes);
MORV_API void useConfiguredSystemLanguages();

// Pins the offset that osTMgetGMTTimeZoneOffset reports (GMT = local time +
// offset, so one hour east of Greenwich is -60 minutes); no value returns to
// the C library's local time.
MORV_API void setTimeZoneOffset(std::optional<std::chrono::minutes> offset);

}  // namespace corehost
