// The fatal-error report: one line on the standard error stream and one trace
// line. The runtime decides what happens next; the report itself returns.
#include <cstdio>
#include <string>

#include "host_trace.h"
#include "utf_text.h"
#include "wide_format.h"

namespace {

constexpr int32_t kMessageCapacity = 1024;

std::string quotedNarrow(const char* text) {
  if (text == nullptr) return "null";
  const morv::UniString wide = morv::fromUtf8(text);
  return host::quoted(wide.data(), static_cast<int32_t>(wide.size()));
}

std::string quotedWide(const unichar* text) {
  return host::quoted(text, static_cast<int32_t>(morv::uniLength(text)));
}

}  // namespace

extern "C" void osERfatalError(const unichar* moduleName, const char* sourceFile, int32_t line,
                               const unichar* format, ...) {
  host::PlatformScope scope;
  unichar message[kMessageCapacity];
  va_list arguments;
  va_start(arguments, format);
  int32_t length = 0;
  try {
    length = morv::formatWide(message, kMessageCapacity, format, arguments);
  } catch (...) {
    message[0] = 0;
  }
  va_end(arguments);
  try {
    const std::string module = morv::toUtf8(moduleName, morv::uniLength(moduleName));
    const std::string text = morv::toUtf8(message, static_cast<size_t>(length));
    std::fprintf(stderr, "%s: fatal error in %s line %d: %s\n", module.c_str(),
                 sourceFile != nullptr ? sourceFile : "(unknown)", static_cast<int>(line),
                 text.c_str());
    std::fflush(stderr);
    host::traceLine("osERfatalError(" + quotedWide(moduleName) + ", " + quotedNarrow(sourceFile) +
                    ", " + std::to_string(line) + ", " + host::quoted(message, length) + ")");
  } catch (...) {
    // Out of memory while reporting: the report is lost, the caller goes on.
  }
}
