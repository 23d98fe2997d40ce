#include "trace_call.h"

#include "host_trace.h"

#include <algorithm>

namespace gdi {

std::string rectText(const POINTRECT& rect) {
  return "{" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
         std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + "}";
}

std::string pointText(APOINT point) {
  return "{" + std::to_string(point.x) + ", " + std::to_string(point.y) + "}";
}

TraceCall::TraceCall(std::string_view operation) : line_(operation) { line_ += '('; }

void TraceCall::separate() {
  if (!first_) line_ += ", ";
  first_ = false;
}

TraceCall& TraceCall::number(int64_t value) {
  separate();
  line_ += std::to_string(value);
  return *this;
}

TraceCall& TraceCall::colour(int32_t value) {
  separate();
  line_ += host::hexColour(value);
  return *this;
}

TraceCall& TraceCall::flag(bool value) {
  separate();
  line_ += value ? "true" : "false";
  return *this;
}

TraceCall& TraceCall::text(const unichar* characters, int32_t count) {
  separate();
  line_ += characters ? host::quoted(characters, std::max(count, 0)) : "null";
  return *this;
}

TraceCall& TraceCall::name(const unichar* characters) {
  int32_t length = 0;
  if (characters) {
    while (characters[length] != 0) ++length;
  }
  return text(characters, length);
}

TraceCall& TraceCall::point(APOINT value) {
  separate();
  line_ += pointText(value);
  return *this;
}

TraceCall& TraceCall::points(int32_t count, const APOINT* values) {
  separate();
  if (count > 0 && !values) {
    line_ += "null";
    return *this;
  }
  line_ += '[';
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) line_ += ", ";
    line_ += pointText(values[i]);
  }
  line_ += ']';
  return *this;
}

TraceCall& TraceCall::rect(const POINTRECT* value) {
  separate();
  line_ += value ? rectText(*value) : "null";
  return *this;
}

TraceCall& TraceCall::line(const POINTLINE* value) {
  separate();
  if (!value) {
    line_ += "null";
    return *this;
  }
  line_ += "{" + std::to_string(value->x1) + ", " + std::to_string(value->y1) + ", " +
           std::to_string(value->x2) + ", " + std::to_string(value->y2) + "}";
  return *this;
}

TraceCall& TraceCall::planeColours(const PLANECOL* value) {
  separate();
  if (!value) {
    line_ += "null";
    return *this;
  }
  line_ += "{" + host::hexColour(value->lineColor) + ", " + host::hexColour(value->backColor) +
           ", " + host::hexColour(value->fillColor) + "}";
  return *this;
}

TraceCall& TraceCall::planeAttributes(const PLANEATTRIB* value) {
  separate();
  if (!value) {
    line_ += "null";
    return *this;
  }
  line_ += "{" + std::to_string(value->lineWidth) + ", " + std::to_string(value->lineStyle) + ", " +
           std::to_string(value->fillStyle) + ", " + std::to_string(value->extra) + "}";
  return *this;
}

TraceCall& TraceCall::textColours(const TEXTCOL* value) {
  separate();
  if (!value) {
    line_ += "null";
    return *this;
  }
  line_ += "{" + host::hexColour(value->textColor) + ", " + host::hexColour(value->backColor) +
           ", " + host::hexColour(value->secondColor) + "}";
  return *this;
}

TraceCall& TraceCall::textAttributes(const TEXTATTRIB* value) {
  separate();
  if (!value) {
    line_ += "null";
    return *this;
  }
  line_ += "{" + std::to_string(value->layout) + ", [";
  for (size_t i = 0; i < sizeof value->attributes; ++i) {
    if (i > 0) line_ += ", ";
    line_ += std::to_string(value->attributes[i]);
  }
  line_ += "]}";
  return *this;
}

void TraceCall::record(std::string_view result) {
  line_ += ')';
  if (!result.empty()) {
    line_ += " -> ";
    line_ += result;
  }
  host::traceLine(line_);
}

}  // namespace gdi
