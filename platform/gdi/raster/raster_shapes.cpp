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

void strokeCornersLine(const POINTRECT& rect, const LineStroke& stroke) {
  const APOINT ends[] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
  drawPolyline(ends, 2, stroke, 0);
}

double angleOnEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  return std::atan2((y - cy) / ry, (x - cx) / rx);
}

}  // namespace

// Counter-clockwise on screen from the radial through the start point to the
// radial through the end point; equal radials give the whole ellipse.
void drawArc(const POINTRECT& ellipse, const POINTLINE& startEnd, const LineStroke& stroke) {
  if (!drawsLine(stroke)) return;
  const Box box = outlineBox(ellipse, 0.5);
  const double rx = (box.right - box.left) / 2, ry = (box.bottom - box.top) / 2;
  if (rx <= 0 || ry <= 0) return strokeCornersLine(ellipse, stroke);
  RasterCanvas canvas;
  if (!canvas) return;
  cairo_t* cr = canvas.cr();
  const double cx = box.left + rx, cy = box.top + ry;
  const double from = angleOnEllipse(startEnd.x1 + 0.5, startEnd.y1 + 0.5, cx, cy, rx, ry);
  double to = angleOnEllipse(startEnd.x2 + 0.5, startEnd.y2 + 0.5, cx, cy, rx, ry);
  if (to == from) to = from - 2 * std::numbers::pi;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc_negative(cr, 0, 0, 1, from, to);
  cairo_restore(cr);
  strokePath(cr, stroke);
}

void drawEllipse(const POINTRECT& bounds, const LineStroke& stroke) {
  if (!drawsLine(stroke)) return;
  const Box box = outlineBox(bounds, 0.5);
  if (box.right == box.left || box.bottom == box.top) return strokeCornersLine(bounds, stroke);
  RasterCanvas canvas;
  if (!canvas) return;
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
