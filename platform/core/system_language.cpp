// The system's language list: nine positions, 0 to 8, each holding a
// language code ("en", "de", ...) or nothing. Where the list comes from, the
// first that applies:
//   1. a list the host set (corehost::setSystemLanguages);
//   2. the environment variable TAMRI_SYSTEM_LANGUAGES, codes by position
//      separated by commas ("en,,fr": English at 0, French at 2);
//   3. the configuration, section "Language", keys "SystemLanguage0" to
//      "SystemLanguage8", when any of them is present;
//   4. the language of the process's locale (LC_ALL, LC_MESSAGES or LANG,
//      the letters before "_", "." or "@"; "C" and "POSIX" are English) at
//      position 0, "en" when none is set.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core_host.h"
#include "host_trace.h"
#include "spin_lock.h"
#include "utf_text.h"

namespace {

constexpr int32_t kPositions = 9;
constexpr size_t kCodeLength = OS_BL_LANGUAGE_CODE_CAPACITY - 1;

struct HostLanguages {
  morv::SpinLock mutex;
  std::optional<std::vector<std::string>> codes;
};

HostLanguages& hostLanguages() {
  static HostLanguages instance;
  return instance;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string fromEnvironment(const char* list, int32_t position) {
  std::string_view rest(list);
  for (int32_t i = 0; i < position; ++i) {
    const size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return "";
    rest.remove_prefix(comma + 1);
  }
  return std::string(trimmed(rest.substr(0, rest.find(','))));
}

std::optional<std::string> fromConfiguration(int32_t position) {
  bool any = false;
  std::optional<std::string> wanted;
  for (int32_t i = 0; i < kPositions; ++i) {
    const auto value =
        corehost::configurationValue("Language", "SystemLanguage" + std::to_string(i));
    any = any || value.has_value();
    if (i == position) wanted = value;
  }
  if (!any) return std::nullopt;
  return wanted.value_or("");
}

std::string localeLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == 0) continue;
    const std::string_view text(value);
    const std::string_view language = text.substr(0, text.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX") return "en";
    return std::string(language);
  }
  return "en";
}

std::string codeAt(int32_t position) {
  if (position < 0 || position >= kPositions) return "";
  {
    HostLanguages& host = hostLanguages();
    morv::LockGuard lock(host.mutex);
    if (host.codes) {
      return static_cast<size_t>(position) < host.codes->size() ? (*host.codes)[position] : "";
    }
  }
  if (const char* list = std::getenv("TAMRI_SYSTEM_LANGUAGES"))
    return fromEnvironment(list, position);
  if (const std::optional<std::string> configured = fromConfiguration(position)) return *configured;
  return position == 0 ? localeLanguage() : "";
}

}  // namespace

extern "C" bool osBLgetSystemLanguageCode(int32_t position, unichar* code) {
  host::PlatformScope scope;
  try {
    morv::UniString found = morv::fromUtf8(codeAt(position));
    if (found.size() > kCodeLength) found.resize(kCodeLength);
    if (code != nullptr) {
      std::copy(found.begin(), found.end(), code);
      code[found.size()] = 0;
    }
    const bool present = !found.empty();
    host::traceLine("osBLgetSystemLanguageCode(" + std::to_string(position) + ") -> " +
                    (present ? "true " + host::quoted(found.data(), int32_t(found.size()))
                             : std::string("false")));
    return present;
  } catch (...) {
    if (code != nullptr) code[0] = 0;
    return false;
  }
}

namespace corehost {

void setSystemLanguages(const std::vector<std::string>& codes) {
  HostLanguages& host = hostLanguages();
  morv::LockGuard lock(host.mutex);
  host.codes = codes;
}

void useConfiguredSystemLanguages() {
  HostLanguages& host = hostLanguages();
  morv::LockGuard lock(host.mutex);
  host.codes.reset();
}

}  // namespace corehost
