// The platform configuration: an INI document in memory, kept in a file that
// is replaced whole, durably and atomically, after every change.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include "spin_lock.h"

#include "core_host.h"
#include "durable_file.h"
#include "host_trace.h"
#include "ini_text.h"

namespace {

struct Configuration {
  morv::SpinLock mutex;
  bool initialised = false;
  std::string path;            // empty: memory only
  bool createsFolder = false;  // the default file's folder is made on first write
  morv::IniDocument document;
};

Configuration& configuration() {
  static Configuration instance;
  return instance;
}

std::filesystem::path filePath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

enum class FileState { Missing, Read, Unreadable };

FileState readFile(const std::string& path, std::string& text) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(filePath(path), error);
  if (status.type() == std::filesystem::file_type::not_found) return FileState::Missing;
  if (error || status.type() != std::filesystem::file_type::regular) return FileState::Unreadable;
  try {
    std::ifstream file(filePath(path), std::ios::binary);
    if (!file) return FileState::Unreadable;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.bad() ? FileState::Unreadable : FileState::Read;
  } catch (const std::ios_base::failure&) {
    return FileState::Unreadable;
  }
}

bool writeFile(const Configuration& config) {
  if (config.path.empty()) return true;
  const std::filesystem::path target = filePath(config.path);
  if (config.createsFolder && target.has_parent_path()) {
    std::error_code ignored;
    std::filesystem::create_directories(target.parent_path(), ignored);
  }
  return morv::replaceFileDurably(target, morv::formatIni(config.document));
}

// One report per damaged file read; the next write replaces the file with
// what could be read and the change.
void reportDamage(const std::string& path, size_t line) {
  static const unichar kModule[] = u"MORVcore";
  if (line == 0) {
    osERfatalError(kModule, "configuration", __LINE__,
                   u"The configuration file %hs cannot be read; it starts empty and the next "
                   u"change replaces it",
                   path.c_str());
  } else {
    osERfatalError(kModule, "configuration", __LINE__,
                   u"The configuration file %hs is damaged at line %d; it is read up to there "
                   u"and the next change replaces it",
                   path.c_str(), static_cast<int>(line));
  }
}

bool loadLocked(Configuration& config, const std::string& path) {
  std::string text;
  const FileState state = path.empty() ? FileState::Missing : readFile(path, text);
  morv::IniReading reading = morv::readIni(state == FileState::Read ? text : std::string());
  config.document = std::move(reading.document);
  config.path = path;
  config.createsFolder = false;
  config.initialised = true;
  if (state == FileState::Unreadable) reportDamage(path, 0);
  if (reading.damagedLine != 0) reportDamage(path, reading.damagedLine);
  return state == FileState::Read;
}

std::string environmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The file of a process that names none: TAMRI_CONFIG when it is set (empty
// keeps the configuration in memory only), else the user's configuration
// folder.
std::string defaultPath(bool& createsFolder) {
  createsFolder = false;
  if (std::getenv("TAMRI_CONFIG") != nullptr) return environmentText("TAMRI_CONFIG");
  createsFolder = true;
#if defined(_WIN32)
  const std::string appData = environmentText("APPDATA");
  if (!appData.empty()) return appData + "\\Tamri\\config.ini";
#else
  const std::string xdg = environmentText("XDG_CONFIG_HOME");
  if (!xdg.empty()) return xdg + "/tamri/config.ini";
  const std::string home = environmentText("HOME");
  if (!home.empty()) return home + "/.config/tamri/config.ini";
#endif
  createsFolder = false;
  return "";
}

// Reads the default file; true when there was one to read.
bool openDefaultLocked(Configuration& config) {
  bool createsFolder = false;
  const std::string path = defaultPath(createsFolder);
  const bool read = loadLocked(config, path);
  config.createsFolder = createsFolder;
  return read;
}

// Reads the default file on first use.
Configuration& initialisedLocked(Configuration& config) {
  if (!config.initialised) openDefaultLocked(config);
  return config;
}

bool validName(const unichar* section, const unichar* key) {
  return section != nullptr && key != nullptr &&
         morv::isValidSectionName(morv::UniString(section)) &&
         morv::isValidKey(morv::UniString(key));
}

bool parseInt32(const morv::UniString& text, int32_t& value) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) i = 1;
  if (i == text.size()) return false;
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > 2147483648LL) return false;
  }
  const int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT32_MAX) return false;
  value = static_cast<int32_t>(signedValue);
  return true;
}

morv::UniString decimal(int32_t value) {
  const std::string text = std::to_string(value);
  return morv::UniString(text.begin(), text.end());
}

std::string quotedText(const unichar* text) {
  return host::quoted(text, static_cast<int32_t>(morv::uniLength(text)));
}

std::string callPrefix(const char* function, const unichar* section, const unichar* key) {
  return std::string(function) + "(" + quotedText(section) + ", " + quotedText(key) + ", ";
}

const char* boolText(bool value) { return value ? "true" : "false"; }

// Stores a value and writes the file; false when the name cannot be stored or
// the file cannot be written.
bool store(const unichar* section, const unichar* key, const morv::UniString& value) {
  if (!validName(section, key)) return false;
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  initialisedLocked(config).document.set(section, key, value);
  return writeFile(config);
}

// Looks a value up, storing `fallback` first when asked to create it.
std::optional<morv::UniString> lookUp(const unichar* section, const unichar* key,
                                      bool createIfMissing, const morv::UniString& fallback) {
  if (!validName(section, key)) return std::nullopt;
  {
    Configuration& config = configuration();
    morv::LockGuard lock(config.mutex);
    if (const morv::UniString* value = initialisedLocked(config).document.find(section, key)) {
      return *value;
    }
  }
  if (createIfMissing && store(section, key, fallback)) return fallback;
  return std::nullopt;
}

}  // namespace

extern "C" {

bool osCGgetINT32(const unichar* section, const unichar* key, bool createIfMissing,
                  int32_t* value) {
  host::PlatformScope scope;
  try {
    int32_t result = 0;
    const auto text = lookUp(section, key, createIfMissing, decimal(0));
    const bool ok = value != nullptr && text.has_value() && parseInt32(*text, result);
    if (value != nullptr) *value = ok ? result : 0;
    host::traceLine(callPrefix("osCGgetINT32", section, key) + boolText(createIfMissing) + ") -> " +
                    boolText(ok) + (ok ? " " + std::to_string(result) : ""));
    return ok;
  } catch (...) {
    if (value != nullptr) *value = 0;
    return false;
  }
}

bool osCGsetINT32(const unichar* section, const unichar* key, int32_t value) {
  host::PlatformScope scope;
  try {
    const bool ok = store(section, key, decimal(value));
    host::traceLine(callPrefix("osCGsetINT32", section, key) + std::to_string(value) + ") -> " +
                    boolText(ok));
    return ok;
  } catch (...) {
    return false;
  }
}

bool osCGgetUNICHAR(const unichar* section, const unichar* key, bool createIfMissing,
                    int32_t capacity, unichar* buffer) {
  host::PlatformScope scope;
  try {
    const bool usable = buffer != nullptr && capacity > 0;
    const auto text = usable ? lookUp(section, key, createIfMissing, {}) : std::nullopt;
    size_t length = 0;
    if (text.has_value()) {
      length = std::min(text->size(), static_cast<size_t>(capacity - 1));
      std::copy_n(text->data(), length, buffer);
    }
    if (usable) buffer[length] = 0;
    const bool ok = text.has_value();
    host::traceLine(callPrefix("osCGgetUNICHAR", section, key) + boolText(createIfMissing) + ", " +
                    std::to_string(capacity) + ") -> " + boolText(ok) +
                    (ok ? " " + host::quoted(buffer, static_cast<int32_t>(length)) : ""));
    return ok;
  } catch (...) {
    if (buffer != nullptr && capacity > 0) buffer[0] = 0;
    return false;
  }
}

bool osCGsetUNICHAR(const unichar* section, const unichar* key, const unichar* value) {
  host::PlatformScope scope;
  try {
    const bool ok = store(section, key, value != nullptr ? value : morv::UniString());
    host::traceLine(callPrefix("osCGsetUNICHAR", section, key) + quotedText(value) + ") -> " +
                    boolText(ok));
    return ok;
  } catch (...) {
    return false;
  }
}

}  // extern "C"

namespace corehost {

void resetConfiguration() {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  config.document = {};
  config.path.clear();
  config.createsFolder = false;
  config.initialised = true;
}

bool loadConfiguration(const std::string& path) {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  return loadLocked(config, path);
}

bool reopenConfiguration() {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  return openDefaultLocked(config);
}

bool setConfigurationPath(const std::string& path) {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  initialisedLocked(config).path = path;
  config.createsFolder = false;
  return writeFile(config);
}

std::string configurationPath() {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  return initialisedLocked(config).path;
}

std::optional<std::string> configurationValue(const std::string& section, const std::string& key) {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  const morv::UniString* value =
      initialisedLocked(config).document.find(morv::fromUtf8(section), morv::fromUtf8(key));
  if (value == nullptr) return std::nullopt;
  return morv::toUtf8(*value);
}

}  // namespace corehost
