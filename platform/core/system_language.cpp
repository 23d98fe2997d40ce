// The system's language list, which the host sets and the runtime reads.
#include "spin_lock.h"

#include "core_host.h"
#include "host_trace.h"
#include "utf_text.h"

namespace {

struct SystemLanguages {
  morv::SpinLock mutex;
  std::vector<morv::UniString> codes{morv::fromUtf8("en"), morv::fromUtf8("de"),
                                     morv::fromUtf8("fr")};
};

SystemLanguages& systemLanguages() {
  static SystemLanguages instance;
  return instance;
}

}  // namespace

extern "C" bool osBLgetSystemLanguageCode(int32_t position, unichar* code) {
  host::PlatformScope scope;
  try {
    morv::UniString found;
    {
      SystemLanguages& languages = systemLanguages();
      morv::LockGuard lock(languages.mutex);
      if (position >= 0 && static_cast<size_t>(position) < languages.codes.size()) {
        found = languages.codes[position];
      }
    }
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
  std::vector<morv::UniString> converted;
  for (const std::string& code : codes) {
    morv::UniString wide = morv::fromUtf8(code);
    if (wide.size() >= OS_BL_LANGUAGE_CODE_CAPACITY) wide.resize(OS_BL_LANGUAGE_CODE_CAPACITY - 1);
    converted.push_back(std::move(wide));
  }
  SystemLanguages& languages = systemLanguages();
  morv::LockGuard lock(languages.mutex);
  languages.codes = std::move(converted);
}

}  // namespace corehost
