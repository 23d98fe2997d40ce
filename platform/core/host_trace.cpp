// The shared ordered trace and the text helpers of the trace lines.
#include "host_trace.h"

#include <cstdio>
#include "spin_lock.h"

#include "utf_text.h"

namespace host {
namespace {

struct Trace {
  morv::SpinLock mutex;
  std::vector<std::string> lines;
  bool recording = true;
};

Trace& trace() {
  static Trace instance;
  return instance;
}

void appendEscape(std::string& out, unichar unit) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
  out += escape;
}

bool isHighSurrogate(unichar unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(unichar unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Control characters and the non-characters are shown as escapes so that a
// trace line stays one printable line.
bool isPrintable(uint32_t codePoint) {
  if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0)) return false;
  if (codePoint == 0xFFFE || codePoint == 0xFFFF) return false;
  return true;
}

}  // namespace

void traceLine(std::string_view line) {
  Trace& t = trace();
  morv::LockGuard lock(t.mutex);
  if (t.recording) t.lines.emplace_back(line);
}

const std::vector<std::string>& traceLines() { return trace().lines; }

void traceClear() {
  Trace& t = trace();
  morv::LockGuard lock(t.mutex);
  t.lines.clear();
}

void setTraceRecording(bool on) {
  Trace& t = trace();
  morv::LockGuard lock(t.mutex);
  t.recording = on;
}

bool traceRecording() {
  Trace& t = trace();
  morv::LockGuard lock(t.mutex);
  return t.recording;
}

// Every platform operation counts itself in and out: the counter lives in
// the static thread storage of the executable's start-up libraries, reached
// without a call to the dynamic loader.
int& platformDepth() {
#if defined(__ELF__)
  [[gnu::tls_model("initial-exec")]]
#endif
  thread_local int depth = 0;
  return depth;
}

std::string quoted(const unichar* text, int32_t count) {
  if (text == nullptr) return "null";
  std::string out = "\"";
  for (int32_t i = 0; i < count; ++i) {
    const unichar unit = text[i];
    if (unit == u'"') {
      out += "\\\"";
    } else if (unit == u'\\') {
      out += "\\\\";
    } else if (unit == u'\n') {
      out += "\\n";
    } else if (isHighSurrogate(unit) && i + 1 < count && isLowSurrogate(text[i + 1])) {
      const uint32_t codePoint = 0x10000 + ((unit - 0xD800u) << 10) + (text[i + 1] - 0xDC00u);
      morv::appendUtf8(out, codePoint);
      ++i;
    } else if (isHighSurrogate(unit) || isLowSurrogate(unit) || !isPrintable(unit)) {
      appendEscape(out, unit);
    } else {
      morv::appendUtf8(out, unit);
    }
  }
  out += '"';
  return out;
}

std::string hexColour(int32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(colour));
  return text;
}

}  // namespace host
