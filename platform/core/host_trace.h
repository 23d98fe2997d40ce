// Host side of the platform stand-ins: the one ordered trace that the drawing
// layer, the VM callbacks, the configuration and the error report write to,
// and the marker that tells module work from platform work.
#pragma once

#include "morvcore.h"

#include <string>
#include <string_view>
#include <vector>

namespace host {

// Every platform operation appends one line while recording is on (the default).
MORV_API void traceLine(std::string_view line);
MORV_API const std::vector<std::string>& traceLines();
MORV_API void traceClear();
MORV_API void setTraceRecording(bool on);
MORV_API bool traceRecording();

// Depth of platform operations currently running on this thread; the
// allocation check counts only what the module itself allocates.
MORV_API int& platformDepth();

struct PlatformScope {
  PlatformScope() { ++platformDepth(); }
  ~PlatformScope() { --platformDepth(); }
  PlatformScope(const PlatformScope&) = delete;
  PlatformScope& operator=(const PlatformScope&) = delete;
};

// Text helpers shared by the stand-ins' trace lines.
MORV_API std::string quoted(const unichar* text, int32_t count);
MORV_API std::string hexColour(int32_t colour);

}  // namespace host
