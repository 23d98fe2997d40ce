// Paths that reach far beyond any surface, cut down to a box around the
// origin without moving an edge that can show. Curves leaving the box are
// split: pieces inside stay curves, pieces that can reach no surface become
// straight lines. The lines are then cut to the box one side at a time
// (Sutherland-Hodgman), runs outside going along the box's edges: a fill's
// winding inside the box, and so on every surface, stays as the whole path
// gives it, and a stroke changes only along those edges, where it shows on
// no surface (surfaces and stroke widths stay below 32768 pixels).
#pragma once

#include "flat_path.h"
#include "path_data.h"

namespace gdi::raster {

// Half the side of the box that Cairo's fixed-point coordinates (±2^23)
// hold with room for the widest stroke.
inline constexpr double kCairoReach = 1 << 22;

inline bool withinCairoReach(PathPoint p) {
  return p.x >= -kCairoReach && p.x <= kCairoReach && p.y >= -kCairoReach && p.y <= kCairoReach;
}

// Cuts the lines of a path to the box ±limit; curves must lie inside it.
// With `closeSubpaths` (fills) every subpath is closed through the box, as
// a fill closes it; finish() closes the last one.
class BoxClip : public PathSink {
 public:
  BoxClip(PathSink& out, double limit, bool closeSubpaths);
  void moveTo(double x, double y) override;
  void lineTo(double x, double y) override;
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override;
  void closePath() override;
  void finish();

 private:
  // Keeps the side of one edge of the box: coordinate × sign <= limit.
  class SideClip : public PathSink {
   public:
    SideClip(PathSink& out, bool alongX, double sign, double limit)
        : out_(out), alongX_(alongX), sign_(sign), limit_(limit) {}
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void curveTo(double x1, double y1, double x2, double y2, double x, double y) override;
    void closePath() override;

   private:
    bool inside(PathPoint p) const { return (alongX_ ? p.x : p.y) * sign_ <= limit_; }
    PathPoint crossing(PathPoint from, PathPoint to) const;
    void emit(PathPoint p);

    PathSink& out_;
    bool alongX_;
    double sign_, limit_;
    PathPoint first_{0, 0}, previous_{0, 0};
    bool started_ = false;  // `out_` has a subpath going
  };

  SideClip bottom_, top_, right_, left_;
  bool closeSubpaths_;
  bool open_ = false;  // pieces since the last move or close
};

// Hands curves that leave the box ±kCairoReach on as pieces inside it and
// straight lines that no surface sees; everything else passes unchanged.
class FarCurveSplitter : public PathSink {
 public:
  explicit FarCurveSplitter(PathSink& out) : out_(out) {}
  void moveTo(double x, double y) override;
  void lineTo(double x, double y) override;
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override;
  void closePath() override;

 private:
  void split(const PathPoint (&curve)[4], int depth);

  PathSink& out_;
  PathPoint current_{0, 0}, start_{0, 0};
};

}  // namespace gdi::raster
