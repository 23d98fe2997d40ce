// The platform configuration: an INI text kept in a file, or in memory when
// there is none. Every read reads the file as it stands, so a value another
// process stored is seen at once. Every change reads the file afresh under
// its lock, changes the one line of the key (ini_text.h) and replaces the
// file durably and atomically (durable_file.h); a change that fails leaves
// the file, and so every value, as it was.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

#include "core_host.h"
#include "durable_file.h"
#include "file_lock.h"
#include "host_trace.h"
#include "ini_text.h"
#include "spin_lock.h"

namespace {

// How long a change waits for another writer before it fails.
constexpr std::chrono::milliseconds kLockPatience(2000);

// What was last reported about the file, so that each fault is reported once.
struct Reported {
  std::string path;
  bool unreadable = false;
  size_t damagedLines = 0;
  bool operator==(const Reported&) const = default;
};

struct Configuration {
  morv::SpinLock mutex;
  bool initialised = false;
  std::string path;            // empty: memory only
  bool createsFolder = false;  // the default file's folder is made on first write
  std::string memoryText;      // the settings while there is no file
  Reported reported;
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

// Reports a file that cannot be read, or one with lines the reader skips,
// once: again only when the number of skipped lines changes.
void reportLocked(Configuration& config, const std::string& path, FileState state,
                  const morv::IniReading& reading) {
  static const unichar kModule[] = u"MORVcore";
  const Reported now{path, state == FileState::Unreadable, reading.damagedLines};
  const Reported was = std::exchange(config.reported, now);
  if (now == was) return;
  if (now.unreadable) {
    osERfatalError(kModule, "configuration", __LINE__,
                   u"The configuration file %hs cannot be read; its values read as missing and "
                   u"changes to it fail",
                   path.c_str());
  } else if (now.damagedLines != 0) {
    osERfatalError(kModule, "configuration", __LINE__,
                   u"The configuration file %hs is damaged at line %d (%d damaged lines in all); "
                   u"they are skipped and kept as they are",
                   path.c_str(), static_cast<int>(reading.firstDamagedLine),
                   static_cast<int>(now.damagedLines));
  }
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

// Where the settings live; taken under the mutex, used outside it.
struct Source {
  std::string path;  // empty: memory only
  bool createsFolder = false;
};

// The default file is chosen on first use.
Source currentSource() {
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  if (!config.initialised) {
    config.path = defaultPath(config.createsFolder);
    config.initialised = true;
  }
  return {config.path, config.createsFolder};
}

struct Snapshot {
  FileState state = FileState::Missing;
  std::string text;  // empty unless read
};

// The settings as they stand now.
Snapshot snapshotOf(const Source& source) {
  Snapshot snapshot;
  if (!source.path.empty()) {
    snapshot.state = readFile(source.path, snapshot.text);
    if (snapshot.state != FileState::Read) snapshot.text.clear();
    return snapshot;
  }
  Configuration& config = configuration();
  morv::LockGuard lock(config.mutex);
  snapshot.text = config.memoryText;
  return snapshot;
}

// Reads one key as the settings stand now, reporting a damaged file.
std::optional<morv::UniString> readValue(const morv::UniString& section, const morv::UniString& key,
                                         FileState* state = nullptr) {
  const Source source = currentSource();
  const Snapshot snapshot = snapshotOf(source);
  morv::IniReading reading = morv::readIni(snapshot.text, section, key);
  if (!source.path.empty()) {
    Configuration& config = configuration();
    morv::LockGuard lock(config.mutex);
    reportLocked(config, source.path, snapshot.state, reading);
  }
  if (state != nullptr) *state = snapshot.state;
  return std::move(reading.value);
}

// The lock that writers of a file take turns by, beside the file itself.
std::filesystem::path lockPathFor(const std::filesystem::path& target) {
  std::filesystem::path lockPath = morv::resolvedTarget(target);
  lockPath += ".lock";
  return lockPath;
}

// Replaces the file with `text`, holding its lock.
bool writeWhole(const std::filesystem::path& target, std::string_view text) {
  const morv::FileLock lock(lockPathFor(target), kLockPatience);
  return lock.held() && morv::replaceFileDurably(target, text);
}

// Whether the configuration has a file that can be read (reported once when
// it is damaged).
bool fileIsReadable() {
  FileState state = FileState::Missing;
  readValue({}, {}, &state);
  return state == FileState::Read;
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

// The value a change leaves stored, and the text to write when there is one.
struct Edit {
  morv::UniString value;
  std::optional<std::string> text;
};

// With `keepPresent` a key the text already holds is left as it is.
Edit editOf(std::string_view text, const morv::UniString& section, const morv::UniString& key,
            const morv::UniString& value, bool keepPresent) {
  if (keepPresent) {
    if (std::optional<morv::UniString> present = morv::readIni(text, section, key).value)
      return {std::move(*present), std::nullopt};
  }
  return {value, morv::withIniValue(text, section, key, value)};
}

// Stores a value: reads the file afresh under its lock, changes the key's
// line and replaces the file. Returns the value stored, or nothing when the
// name cannot be stored or the file cannot be read or written; then nothing
// has changed.
std::optional<morv::UniString> store(const unichar* section, const unichar* key,
                                     const morv::UniString& value, bool keepPresent = false) {
  if (!validName(section, key)) return std::nullopt;
  const Source source = currentSource();
  if (source.path.empty()) {
    Configuration& config = configuration();
    morv::LockGuard lock(config.mutex);
    Edit edit = editOf(config.memoryText, section, key, value, keepPresent);
    if (edit.text) config.memoryText = std::move(*edit.text);
    return std::move(edit.value);
  }
  const std::filesystem::path target = filePath(source.path);
  if (source.createsFolder && target.has_parent_path()) {
    std::error_code ignored;
    std::filesystem::create_directories(target.parent_path(), ignored);
  }
  const morv::FileLock lock(lockPathFor(target), kLockPatience);
  std::string text;
  if (!lock.held() || readFile(source.path, text) == FileState::Unreadable) return std::nullopt;
  Edit edit = editOf(text, section, key, value, keepPresent);
  if (edit.text && !morv::replaceFileDurably(target, *edit.text)) return std::nullopt;
  return std::move(edit.value);
}

// Looks a value up, storing `fallback` first when asked to create it.
std::optional<morv::UniString> lookUp(const unichar* section, const unichar* key,
                                      bool createIfMissing, const morv::UniString& fallback) {
  if (!validName(section, key)) return std::nullopt;
  if (std::optional<morv::UniString> value = readValue(section, key)) return value;
  if (createIfMissing) return store(section, key, fallback, true);
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
    const bool ok = store(section, key, decimal(value)).has_value();
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
    const bool ok = store(section, key, value != nullptr ? value : morv::UniString()).has_value();
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
  config.path.clear();
  config.createsFolder = false;
  config.memoryText.clear();
  config.reported = {};
  config.initialised = true;
}

bool loadConfiguration(const std::string& path) {
  {
    Configuration& config = configuration();
    morv::LockGuard lock(config.mutex);
    config.path = path;
    config.createsFolder = false;
    config.reported = {};
    config.initialised = true;
  }
  return fileIsReadable();
}

bool reopenConfiguration() {
  {
    Configuration& config = configuration();
    morv::LockGuard lock(config.mutex);
    config.memoryText.clear();
    config.reported = {};
    config.initialised = false;
  }
  return fileIsReadable();
}

bool setConfigurationPath(const std::string& path) {
  const Snapshot current = snapshotOf(currentSource());
  {
    Configuration& config = configuration();
    morv::LockGuard lock(config.mutex);
    config.path = path;
    config.createsFolder = false;
    if (path.empty()) config.memoryText = current.text;
  }
  return path.empty() || writeWhole(filePath(path), current.text);
}

std::string configurationPath() { return currentSource().path; }

std::optional<std::string> configurationValue(const std::string& section, const std::string& key) {
  const std::optional<morv::UniString> value =
      readValue(morv::fromUtf8(section), morv::fromUtf8(key));
  if (!value) return std::nullopt;
  return morv::toUtf8(*value);
}

}  // namespace corehost
