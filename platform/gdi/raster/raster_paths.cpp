// Path texts on the raster: parsed, placed on the surface and cut to a box
// that Cairo holds (far_path_clip.h), then filled or stroked like polygons
// and polylines. A text that stops parsing early is drawn as far as it was
// read.
#include "far_path_clip.h"
#include "raster_backend.h"
#include "raster_canvas.h"
#include "raster_fill.h"
#include "raster_stroke.h"
#include "raster_thin_path.h"

namespace gdi::raster {
namespace {

constexpr int32_t kUnitScale = 256;

double factorOf(int32_t scale) { return (scale == 0 ? kUnitScale : scale) / double{kUnitScale}; }

// Places the path's own units on the surface.
class PlacingSink : public PathSink {
 public:
  PlacingSink(PathSink& out, const PathPlacement& placement, double offset)
      : out_(out),
        dx_(placement.translateX + offset),
        dy_(placement.translateY + offset),
        sx_(factorOf(placement.scaleX)),
        sy_(factorOf(placement.scaleY)) {}

  void moveTo(double x, double y) override { out_.moveTo(placedX(x), placedY(y)); }
  void lineTo(double x, double y) override { out_.lineTo(placedX(x), placedY(y)); }
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override {
    out_.curveTo(placedX(x1), placedY(y1), placedX(x2), placedY(y2), placedX(x), placedY(y));
  }
  void closePath() override { out_.closePath(); }

 private:
  double placedX(double x) const { return dx_ + x * sx_; }
  double placedY(double y) const { return dy_ + y * sy_; }

  PathSink& out_;
  double dx_, dy_, sx_, sy_;
};

// Builds Cairo's current path; nothing without a context.
class CairoPathSink : public PathSink {
 public:
  explicit CairoPathSink(cairo_t* cr) : cr_(cr) {}

  void moveTo(double x, double y) override {
    if (cr_) cairo_move_to(cr_, x, y);
  }
  void lineTo(double x, double y) override {
    if (cr_) cairo_line_to(cr_, x, y);
  }
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override {
    if (cr_) cairo_curve_to(cr_, x1, y1, x2, y2, x, y);
  }
  void closePath() override {
    if (cr_) cairo_close_path(cr_);
  }

 private:
  cairo_t* cr_;
};

// Reads the text into `out`, placed and cut to the box ±limit.
PathParse readPlaced(const PathPlacement& placement, double offset, const unichar* text,
                     int32_t count, PathSink& out, double limit, bool closeSubpaths) {
  BoxClip clip(out, limit, closeSubpaths);
  FarCurveSplitter splitter(clip);
  PlacingSink placing(splitter, placement, offset);
  const PathParse parse = parsePathData(text, count, placing);
  clip.finish();
  return parse;
}

}  // namespace

PathParse fillPathData(const PathPlacement& placement, const unichar* text, int32_t count,
                       int32_t colour) {
  const AreaFill fill{1, colour, 0};
  RasterCanvas canvas;
  cairo_t* cr = canvas && fillsArea(fill) ? canvas.cr() : nullptr;
  CairoPathSink sink(cr);
  const PathParse parse = readPlaced(placement, 0, text, count, sink, kCairoReach, true);
  if (cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillPath(cr, fill);
  }
  return parse;
}

PathParse strokePathData(const PathPlacement& placement, const unichar* text, int32_t count,
                         const LineStroke& stroke) {
  RasterCanvas canvas;
  cairo_t* cr = canvas && drawsLine(stroke) ? canvas.cr() : nullptr;
  const double offset = strokeOffset(stroke.width);
  if (cr && stroke.width == 1) {
    ThinPathSink thin(cr, stroke.style);
    const PathParse parse = readPlaced(placement, offset, text, count, thin, kStepReach, false);
    thin.paint(stroke.colour);
    return parse;
  }
  CairoPathSink sink(cr);
  const PathParse parse = readPlaced(placement, offset, text, count, sink, kCairoReach, false);
  if (cr) strokePath(cr, stroke);
  return parse;
}

}  // namespace gdi::raster
