// Path texts in SVG path data: the commands M, L, H, V, C, S, Q, T, A and Z,
// upper case absolute and lower case relative, numbers separated by white
// space and at most one comma, extra argument sets repeating their command
// (after M they are lines). Quadratic pieces and elliptical arcs reach the receiver
// as cubic Bezier pieces. Parsing stops at the first character that does not
// fit; every whole argument set before it has been handed on.
#pragma once

#include "osgx.h"

#include <string>

namespace gdi {

// Receives the path in its own units.
class PathSink {
 public:
  virtual ~PathSink() = default;
  virtual void moveTo(double x, double y) = 0;
  virtual void lineTo(double x, double y) = 0;
  virtual void curveTo(double x1, double y1, double x2, double y2, double x, double y) = 0;
  virtual void closePath() = 0;
};

// Numbers beyond this magnitude are not taken: no panel path reaches them.
inline constexpr double kLargestPathNumber = 1e9;

struct PathParse {
  bool complete = true;
  int32_t stoppedAt = 0;  // when not complete: index of the offending character, or the count
};

// Reads `count` UTF-16 characters (none for a null text or a count below 1).
GDI_API PathParse parsePathData(const unichar* text, int32_t count, PathSink& sink);

// The trace's note on a text that did not parse to its end, else empty.
std::string pathParseNote(const PathParse& parse);

}  // namespace gdi
