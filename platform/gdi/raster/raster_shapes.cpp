// Ellipses, arcs, rectangles and polygons. Outlines run through the centres
// of the border pixels; fills of rectangles and ellipses cover the inclusive
// rectangle; polygon fills cover the pixels whose centres lie inside the
// polygon through the vertices' top-left pixel corners, so the outline drawn
// afterwards completes the right and bottom edges; triangle fills cover their
// edges too, as they are often drawn without an outline (bevel mitres).
#include "raster_backend.h"
#include "raster_canvas.h"
#include "raster_fill.h"
#include "raster_stroke.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gdi::raster {
namespace {

// Corners in either order.
struct Box {
  double left, top, right, bottom;
};

Box normalised(const POINTRECT& rect, double offset, double grow) {
  const double left = std::min<double>(rect.left, rect.right);
  const double right = std::max<double>(rect.left, rect.right);
  const double top = std::min<double>(rect.top, rect.bottom);
  const double bottom = std::max<double>(rect.top, rect.bottom);
  return {clampCoordinate(left + offset), clampCoordinate(top + offset),
          clampCoordinate(right + offset + grow), clampCoordinate(bottom + offset + grow)};
}

// The outline box through the border pixel centres; the fill box on the
// outer pixel edges.
Box outlineBox(const POINTRECT& rect, double offset) { return normalised(rect, offset, 0); }
Box fillBox(const POINTRECT& rect) { return normalised(rect, 0, 1); }

void ellipsePath(cairo_t* cr, const Box& box) {
  const double rx = (box.right - box.left) / 2, ry = (box.bottom - box.top) / 2;
  cairo_save(cr);
  cairo_translate(cr, box.left + rx, box.top + ry);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr);
  cairo_close_path(cr);
}

// Elliptic corners of width x height, at most half the box each way.
void boxPath(cairo_t* cr, const Box& box, const Corners& corners) {
  const double rx = std::min(std::max(corners.width, 0) / 2.0, (box.right - box.left) / 2);
  const double ry = std::min(std::max(corners.height, 0) / 2.0, (box.bottom - box.top) / 2);
  if (!corners.rounded || rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    return;
  }
  constexpr double kQuarter = std::numbers::pi / 2;
  const struct {
    double x, y, from;
  } arcs[] = {{box.right - rx, box.top + ry, -kQuarter},
              {box.right - rx, box.bottom - ry, 0},
              {box.left + rx, box.bottom - ry, kQuarter},
              {box.left + rx, box.top + ry, 2 * kQuarter}};
  cairo_new_sub_path(cr);
  for (const auto& arc : arcs) {
    cairo_save(cr);
    cairo_translate(cr, arc.x, arc.y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, arc.from, arc.from + kQuarter);
    cairo_restore(cr);
  }
  cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, const APOINT* points, int32_t count, double offset) {
  cairo_move_to(cr, clampCoordinate(points[0].x + offset), clampCoordinate(points[0].y + offset));
  for (int32_t i = 1; i < count; ++i) {
    cairo_line_to(cr, clampCoordinate(points[i].x + offset), clampCoordinate(points[i].y + offset));
  }
  if (count == 1) {
    cairo_line_to(cr, clampCoordinate(points[0].x + offset), clampCoordinate(points[0].y + offset));
  }
  cairo_close_path(cr);
}

// The straight line between the rectangle's corners: a flat ellipse.
void strokeCornersLine(cairo_t* cr, const POINTRECT& rect, const LineStroke& stroke) {
  const double offset = strokeOffset(stroke.width);
  cairo_move_to(cr, clampCoordinate(rect.left + offset), clampCoordinate(rect.top + offset));
  cairo_line_to(cr, clampCoordinate(rect.right + offset), clampCoordinate(rect.bottom + offset));
  strokePath(cr, stroke);
}

double angleOnEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  return std::atan2((y - cy) / ry, (x - cx) / rx);
}

// An arc of the ellipse inscribed in a rectangle, as angles on the unit
// circle that Cairo scales to the ellipse: from `from` down to `to`, which
// is counter-clockwise on screen (y grows downwards).
struct ArcSpan {
  double cx, cy;  // centre, on pixel edges
  double from, to;
  bool fullTurn;
};

// Radials through the centres of the start and end pixels, on the outline
// box through the border pixel centres.
ArcSpan arcSpan(const Box& outline, const POINTLINE& startEnd) {
  const double rx = (outline.right - outline.left) / 2, ry = (outline.bottom - outline.top) / 2;
  const double cx = outline.left + rx, cy = outline.top + ry;
  const double from = angleOnEllipse(startEnd.x1 + 0.5, startEnd.y1 + 0.5, cx, cy, rx, ry);
  const double to = angleOnEllipse(startEnd.x2 + 0.5, startEnd.y2 + 0.5, cx, cy, rx, ry);
  return {cx, cy, from, to == from ? from - 2 * std::numbers::pi : to, to == from};
}

// Adds the arc of `span` on the ellipse of `box` to the current path.
void arcPath(cairo_t* cr, const Box& box, const ArcSpan& span) {
  cairo_save(cr);
  cairo_translate(cr, span.cx, span.cy);
  cairo_scale(cr, (box.right - box.left) / 2, (box.bottom - box.top) / 2);
  cairo_arc_negative(cr, 0, 0, 1, span.from, span.to);
  cairo_restore(cr);
}

bool isFlat(const Box& box) { return box.right == box.left || box.bottom == box.top; }

}  // namespace

void drawArc(const POINTRECT& ellipse, const POINTLINE& startEnd, const LineStroke& stroke,
             const POINTRECT* limit) {
  if (!drawsLine(stroke)) return;
  const Box box = outlineBox(ellipse, 0.5);
  RasterCanvas canvas;
  canvas.limitTo(limit);
  if (!canvas) return;
  if (isFlat(box)) return strokeCornersLine(canvas.cr(), ellipse, stroke);
  arcPath(canvas.cr(), box, arcSpan(box, startEnd));
  strokePath(canvas.cr(), stroke);
}

void drawPie(int32_t surface, const POINTRECT& ellipse, const POINTLINE& startEnd,
             const AreaFill& fill, const LineStroke& stroke, bool radiusLines,
             const POINTRECT* limit) {
  RasterCanvas canvas(surface);
  canvas.limitTo(limit);
  if (!canvas) return;
  cairo_t* cr = canvas.cr();
  const Box outline = outlineBox(ellipse, 0.5);
  if (isFlat(outline)) {
    if (drawsLine(stroke)) strokeCornersLine(cr, ellipse, stroke);
    return;
  }
  const ArcSpan span = arcSpan(outline, startEnd);
  if (fillsArea(fill)) {
    cairo_move_to(cr, span.cx, span.cy);
    arcPath(cr, fillBox(ellipse), span);
    cairo_close_path(cr);
    fillPath(cr, fill);
  }
  if (!drawsLine(stroke)) return;
  // Thin outlines run through pixel centres: the centre pixel's centre is
  // half a pixel off the ellipse centre on an even-sized box.
  const double centreX = std::floor(span.cx) + 0.5, centreY = std::floor(span.cy) + 0.5;
  if (radiusLines) cairo_move_to(cr, centreX, centreY);
  arcPath(cr, outline, span);
  if (radiusLines && !span.fullTurn) cairo_close_path(cr);
  strokePath(cr, stroke);
}

void drawEllipse(const POINTRECT& bounds, const LineStroke& stroke) {
  if (!drawsLine(stroke)) return;
  const Box box = outlineBox(bounds, 0.5);
  RasterCanvas canvas;
  if (!canvas) return;
  if (isFlat(box)) return strokeCornersLine(canvas.cr(), bounds, stroke);
  ellipsePath(canvas.cr(), box);
  strokePath(canvas.cr(), stroke);
}

void fillEllipse(const POINTRECT& bounds, const AreaFill& fill) {
  if (!fillsArea(fill)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  ellipsePath(canvas.cr(), fillBox(bounds));
  fillPath(canvas.cr(), fill);
}

void drawRectangle(const POINTRECT& bounds, const LineStroke& stroke, const Corners& corners) {
  if (!drawsLine(stroke)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  cairo_t* cr = canvas.cr();
  boxPath(cr, outlineBox(bounds, strokeOffset(stroke.width)), corners);
  strokePath(cr, stroke, corners.rounded ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
}

void fillRectangle(const POINTRECT& bounds, const AreaFill& fill, const Corners& corners) {
  if (!fillsArea(fill)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  boxPath(canvas.cr(), fillBox(bounds), corners);
  fillPath(canvas.cr(), fill);
}

void drawPolygon(const APOINT* points, int32_t count, const LineStroke& stroke) {
  if (!points || count < 1 || !drawsLine(stroke)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  polygonPath(canvas.cr(), points, count, strokeOffset(stroke.width));
  strokePath(canvas.cr(), stroke);
}

void fillPolygon(const APOINT* points, int32_t count, const AreaFill& fill, bool winding) {
  if (!points || count < 3 || !fillsArea(fill)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  cairo_set_fill_rule(canvas.cr(), winding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  polygonPath(canvas.cr(), points, count, 0);
  fillPath(canvas.cr(), fill);
}

void fillTriangle(const APOINT (&corners)[3], const AreaFill& fill) {
  if (!fillsArea(fill)) return;
  RasterCanvas canvas;
  if (!canvas) return;
  polygonPath(canvas.cr(), corners, 3, 0.5);
  fillPathWithRim(canvas.cr(), fill);
}

}  // namespace gdi::raster
