#include "raster_stroke.h"

#include "flat_path.h"

#include "raster_canvas.h"
#include "raster_thin_line.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gdi::raster {
namespace {

struct Point {
  double x, y;
};

struct Extents {
  double left, top, right, bottom;
};

// The part [t0, t1] of a -> b inside `box` (Liang-Barsky); false when none.
bool clipSegment(Point a, Point b, const Extents& box, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double d[] = {b.x - a.x, b.y - a.y};
  const double lowGap[] = {a.x - box.left, a.y - box.top};
  const double highGap[] = {box.right - a.x, box.bottom - a.y};
  for (int axis = 0; axis < 2; ++axis) {
    for (const auto& [p, q] :
         {std::pair{-d[axis], lowGap[axis]}, std::pair{d[axis], highGap[axis]}}) {
      if (p == 0) {
        if (q < 0) return false;
        continue;
      }
      const double t = q / p;
      if (p < 0) t0 = std::max(t0, t);
      if (p > 0) t1 = std::min(t1, t);
    }
  }
  return t0 <= t1;
}

// Cuts wide dashed lines into their lit pieces, visiting only the pieces near
// the clip extents: Cairo would otherwise walk every dash of a line that
// reaches far outside the surface. Round caps on the pieces give the same
// shape as round joins where a dash turns a corner.
class DashCutter {
 public:
  DashCutter(cairo_t* cr, std::vector<double> dashes, double width) : cr_(cr), dashes_(dashes) {
    for (double length : dashes_) cycle_ += length;
    cairo_clip_extents(cr, &box_.left, &box_.top, &box_.right, &box_.bottom);
    box_ = {box_.left - width, box_.top - width, box_.right + width, box_.bottom + width};
  }

  void restart() { travelled_ = 0; }

  void segment(Point a, Point b) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double t0, t1;
    if (length > 0 && clipSegment(a, b, box_, t0, t1)) {
      cutVisible(a, b, length, travelled_ + t0 * length, travelled_ + t1 * length);
    }
    travelled_ += length;
  }

 private:
  // The lit pieces between path distances `from` and `to` on a -> b.
  void cutVisible(Point a, Point b, double length, double from, double to) {
    const double start = travelled_;
    auto at = [&](double distance) {
      const double t = (distance - start) / length;
      return Point{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
    };
    double pieceStart = from - std::fmod(from, cycle_);
    size_t index = 0;
    while (pieceStart <= to) {
      const double pieceEnd = pieceStart + dashes_[index];
      if (index % 2 == 0 && pieceEnd >= from) {
        const Point first = at(std::max(pieceStart, from));
        const Point last = at(std::min(pieceEnd, to));
        cairo_move_to(cr_, first.x, first.y);
        cairo_line_to(cr_, last.x, last.y);
      }
      pieceStart = pieceEnd;
      index = (index + 1) % dashes_.size();
    }
  }

  cairo_t* cr_;
  std::vector<double> dashes_;
  double cycle_ = 0;
  Extents box_{};
  double travelled_ = 0;
};

// Replaces the current path by its lit dash pieces.
void cutIntoDashes(cairo_t* cr, const std::vector<double>& dashes, double width) {
  DashCutter cutter(cr, dashes, width);
  walkFlatPath(
      cr, [&] { cutter.restart(); },
      [&](PathPoint from, PathPoint to) {
        cutter.segment({from.x, from.y}, {to.x, to.y});
      });
}

}  // namespace

bool drawsLine(const LineStroke& stroke) {
  return stroke.width >= 1 && stroke.style > 0 && hasColour(stroke.colour);
}

double strokeOffset(int32_t width) { return width % 2 == 1 ? 0.5 : 1.0; }

void strokePath(cairo_t* cr, const LineStroke& stroke, cairo_line_join_t join) {
  if (stroke.width == 1) return strokeThin(cr, stroke.style, stroke.colour);
  // Round caps add half a width to both ends of every dash.
  std::vector<double> dashes;
  for (int length : linePattern(stroke.style)) {
    const bool lit = dashes.size() % 2 == 0;
    dashes.push_back(static_cast<double>(lit ? length - 1 : length + 1) * stroke.width);
  }
  if (!dashes.empty()) cutIntoDashes(cr, dashes, stroke.width);
  setSourceColour(cr, stroke.colour);
  cairo_set_line_width(cr, stroke.width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, join);
  cairo_stroke(cr);
}

}  // namespace gdi::raster
