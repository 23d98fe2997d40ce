// Path texts on the raster: parsed straight into Cairo's current path, then
// filled or stroked like polygons and polylines. A text that stops parsing
// early is drawn as far as it was read.
#include "raster_backend.h"
#include "raster_canvas.h"
#include "raster_fill.h"
#include "raster_stroke.h"

namespace gdi::raster {
namespace {

constexpr int32_t kUnitScale = 256;

double factorOf(int32_t scale) { return (scale == 0 ? kUnitScale : scale) / double{kUnitScale}; }

// Builds the placed path on a context, or only reads the text when there is
// nothing to draw on.
class CairoPathSink : public PathSink {
 public:
  CairoPathSink(cairo_t* cr, const PathPlacement& placement, double offset)
      : cr_(cr),
        dx_(placement.translateX + offset),
        dy_(placement.translateY + offset),
        sx_(factorOf(placement.scaleX)),
        sy_(factorOf(placement.scaleY)) {}

  void moveTo(double x, double y) override {
    if (cr_) cairo_move_to(cr_, placedX(x), placedY(y));
  }
  void lineTo(double x, double y) override {
    if (cr_) cairo_line_to(cr_, placedX(x), placedY(y));
  }
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override {
    if (cr_) {
      cairo_curve_to(cr_, placedX(x1), placedY(y1), placedX(x2), placedY(y2), placedX(x),
                     placedY(y));
    }
  }
  void closePath() override {
    if (cr_) cairo_close_path(cr_);
  }

 private:
  double placedX(double x) const { return clampCoordinate(dx_ + x * sx_); }
  double placedY(double y) const { return clampCoordinate(dy_ + y * sy_); }

  cairo_t* cr_;
  double dx_, dy_, sx_, sy_;
};

}  // namespace

PathParse fillPathData(const PathPlacement& placement, const unichar* text, int32_t count,
                       int32_t colour) {
  const AreaFill fill{1, colour, 0};
  RasterCanvas canvas;
  cairo_t* cr = canvas && fillsArea(fill) ? canvas.cr() : nullptr;
  CairoPathSink sink(cr, placement, 0);
  const PathParse parse = parsePathData(text, count, sink);
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
  CairoPathSink sink(cr, placement, strokeOffset(stroke.width));
  const PathParse parse = parsePathData(text, count, sink);
  if (cr) strokePath(cr, stroke);
  return parse;
}

}  // namespace gdi::raster
