// Host side of the platform core: what tests and tools set up before the
// module runs, and what they read back afterwards.
//
// Configuration. Values live in a configuration file, or in memory when there
// is none. Every get reads the file as it stands; every set reads it afresh
// under the lock file beside it, changes the one key's line and replaces the
// file durably and atomically (durable_file.h), keeping every other byte. A
// set that fails returns false and changes nothing. On first use the file is
// chosen thus: the environment variable TAMRI_CONFIG names it (set but empty:
// memory only); without it the file is $XDG_CONFIG_HOME/tamri/config.ini,
// else $HOME/.config/tamri/config.ini (%APPDATA%\Tamri\config.ini on
// Windows), whose folder is made on the first write; with none of these the
// configuration stays in memory only. A missing file reads as empty. A file
// that cannot be read, or one with damaged lines (ini_text.h), is reported
// once through osERfatalError. The format, the lock and the failures are
// described in docs/settings-file.md.
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

// Uses `path` as the configuration file from now on. Returns whether there
// is a file to read (a missing one is created by the first set).
MORV_API bool loadConfiguration(const std::string& path);

// Chooses the file again as on first use and forgets the values kept in
// memory; true when there is a file to read.
MORV_API bool reopenConfiguration();

// Writes the current values to `path` and uses that file from now on,
// replacing what it held; an empty path keeps the values in memory only.
// Returns whether the file could be written.
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
