// Builds the one trace line of a drawing-layer operation:
// name(arg, arg, ...) with an optional " -> result" part.
#pragma once

#include "osgx.h"

#include <string>
#include <string_view>

namespace gdi {

std::string rectText(const POINTRECT& rect);
std::string pointText(APOINT point);

class TraceCall {
 public:
  explicit TraceCall(std::string_view operation);

  TraceCall& number(int64_t value);
  TraceCall& colour(int32_t value);
  TraceCall& flag(bool value);
  // `count` UTF-16 characters, quoted; a null text is written as null.
  TraceCall& text(const unichar* characters, int32_t count);
  // A zero-terminated UTF-16 text.
  TraceCall& name(const unichar* characters);
  TraceCall& point(APOINT value);
  TraceCall& points(int32_t count, const APOINT* values);
  // Records; a null record is written as null.
  TraceCall& rect(const POINTRECT* value);
  TraceCall& line(const POINTLINE* value);
  TraceCall& planeColours(const PLANECOL* value);
  TraceCall& planeAttributes(const PLANEATTRIB* value);
  TraceCall& textColours(const TEXTCOL* value);
  TraceCall& textAttributes(const TEXTATTRIB* value);

  // Appends the finished line to the trace; `result` follows " -> ".
  void record(std::string_view result = {});

 private:
  void separate();
  std::string line_;
  bool first_ = true;
};

}  // namespace gdi
