// Polylines and Bezier lines with their arrow marks. A marked straight end
// segment stops at the base of its arrow so the tip stays sharp; when the
// segment is not longer than the arrow, the arrow alone stands for it.
#include "line_geometry.h"
#include "raster_backend.h"
#include "raster_canvas.h"
#include "raster_stroke.h"
#include "raster_thin_line.h"

#include <cmath>
#include <optional>
#include <vector>

namespace gdi::raster {
namespace {

constexpr uint8_t kMarkLast = 1;
constexpr uint8_t kMarkFirst = 2;

struct Marks {
  std::optional<ArrowMark> last;
  std::optional<ArrowMark> first;
};

Marks marksOf(const APOINT* points, int32_t count, int32_t width, uint8_t lineEnds) {
  Marks marks;
  if (count < 2) return marks;
  if (lineEnds & kMarkLast) marks.last = arrowMark(points[count - 2], points[count - 1], width);
  if (lineEnds & kMarkFirst) marks.first = arrowMark(points[1], points[0], width);
  return marks;
}

bool longerThanArrow(APOINT from, APOINT to, int32_t width) {
  return std::hypot(static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y) >
         arrowLength(width);
}

void moveTo(cairo_t* cr, APOINT point, double offset) {
  cairo_move_to(cr, clampCoordinate(point.x + offset), clampCoordinate(point.y + offset));
}

void lineTo(cairo_t* cr, APOINT point, double offset) {
  cairo_line_to(cr, clampCoordinate(point.x + offset), clampCoordinate(point.y + offset));
}

// A path of one point is a dot.
void strokePoints(cairo_t* cr, const std::vector<APOINT>& path, const LineStroke& stroke) {
  if (path.empty()) return;
  const double offset = strokeOffset(stroke.width);
  moveTo(cr, path[0], offset);
  for (const APOINT& point : path) lineTo(cr, point, offset);
  strokePath(cr, stroke);
}

// Filled triangle with a solid one-pixel rim through the corner pixels.
void drawArrow(cairo_t* cr, const ArrowMark& mark, int32_t colour) {
  moveTo(cr, mark.tip, 0.5);
  lineTo(cr, mark.wing1, 0.5);
  lineTo(cr, mark.wing2, 0.5);
  cairo_close_path(cr);
  setSourceColour(cr, colour);
  cairo_fill_preserve(cr);
  strokeThin(cr, 1, colour);
}

void drawArrows(cairo_t* cr, const Marks& marks, int32_t colour) {
  if (marks.last) drawArrow(cr, *marks.last, colour);
  if (marks.first) drawArrow(cr, *marks.first, colour);
}

}  // namespace

void drawPolyline(const APOINT* points, int32_t count, const LineStroke& stroke, uint8_t lineEnds) {
  if (!points || count < 1 || !drawsLine(stroke)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  const Marks marks = marksOf(points, count, stroke.width, lineEnds);
  std::vector<APOINT> path(points, points + count);
  if (marks.last) {
    if (longerThanArrow(points[count - 2], points[count - 1], stroke.width)) {
      path.back() = marks.last->base;
    } else {
      path.pop_back();
    }
  }
  if (marks.first && !path.empty()) {
    if (longerThanArrow(points[1], points[0], stroke.width)) {
      path.front() = marks.first->base;
    } else {
      path.erase(path.begin());
    }
  }
  if (path.size() >= 2 || count == 1) strokePoints(canvas.cr(), path, stroke);
  drawArrows(canvas.cr(), marks, stroke.colour);
}

// Cubic segments through points 0..3, 3..6, ...; points left over after the
// last whole segment are joined by straight lines. The curve runs to its end
// points, under the arrow marks.
void drawBezier(const APOINT* points, int32_t count, const LineStroke& stroke, uint8_t lineEnds) {
  if (!points || count < 1 || !drawsLine(stroke)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  cairo_t* cr = canvas.cr();
  const double offset = strokeOffset(stroke.width);
  auto at = [&](int32_t i, bool forX) {
    return clampCoordinate((forX ? points[i].x : points[i].y) + offset);
  };
  moveTo(cr, points[0], offset);
  int32_t next = 1;
  for (; next + 2 < count; next += 3) {
    cairo_curve_to(cr, at(next, true), at(next, false), at(next + 1, true), at(next + 1, false),
                   at(next + 2, true), at(next + 2, false));
  }
  for (; next < count; ++next) lineTo(cr, points[next], offset);
  if (count == 1) lineTo(cr, points[0], offset);
  strokePath(cr, stroke);
  drawArrows(cr, marksOf(points, count, stroke.width, lineEnds), stroke.colour);
}

}  // namespace gdi::raster
