// The Cairo raster behind the drawing layer. Surfaces are RGB images named by
// int handles; calls without a surface draw on the selected target. Every
// drawing honours the clip area that the layer keeps for its surface.
#pragma once

#include "osgx.h"
#include "path_data.h"

#include <string>

namespace gdi::raster {

// How a line is drawn: nothing when width < 1, style <= 0 or the colour has
// its top bit set.
struct LineStroke {
  int32_t width;
  int32_t style;
  int32_t colour;
};

// How an area is filled: nothing when style <= 0; hatch styles paint the
// background colour under the hatch lines.
struct AreaFill {
  int32_t style;
  int32_t colour;
  int32_t backColour;
};

// Rounded rectangle corners: an ellipse of width x height in each corner.
struct Corners {
  bool rounded;
  int32_t width;
  int32_t height;
};

void reset();
int32_t createSurface(int32_t width, int32_t height, uint32_t background);
bool writePng(int32_t surface, const std::string& path);
uint32_t pixel(int32_t surface, int32_t x, int32_t y);

// Line ends: bit 0 marks the last point, bit 1 the first.
void drawPolyline(const APOINT* points, int32_t count, const LineStroke& stroke, uint8_t lineEnds);
void drawBezier(const APOINT* points, int32_t count, const LineStroke& stroke, uint8_t lineEnds);
// Arcs and pies run counter-clockwise on screen from the radial through the
// start point to the radial through the end point; equal radials make a full
// turn. `limit`, when given, keeps the drawing inside that rectangle.
void drawArc(const POINTRECT& ellipse, const POINTLINE& startEnd, const LineStroke& stroke,
             const POINTRECT* limit);
// The sector is filled, then outlined along its arc and, with `radiusLines`,
// along the two radii (one for a full turn).
void drawPie(int32_t surface, const POINTRECT& ellipse, const POINTLINE& startEnd,
             const AreaFill& fill, const LineStroke& stroke, bool radiusLines,
             const POINTRECT* limit);
void drawEllipse(const POINTRECT& bounds, const LineStroke& stroke);
void fillEllipse(const POINTRECT& bounds, const AreaFill& fill);
void drawRectangle(const POINTRECT& bounds, const LineStroke& stroke, const Corners& corners);
void fillRectangle(const POINTRECT& bounds, const AreaFill& fill, const Corners& corners);
void drawPolygon(const APOINT* points, int32_t count, const LineStroke& stroke);
// `winding`: true fills by the non-zero winding rule, false by even-odd.
void fillPolygon(const APOINT* points, int32_t count, const AreaFill& fill, bool winding);
// Every pixel of the triangle through the three corner pixels, edges
// included, so a triangle meets rectangles and lines on the same pixels.
void fillTriangle(const APOINT (&corners)[3], const AreaFill& fill);

// Where a path text lands: each point at translate + point × scale / 256; a
// scale of 0 is taken as 256 (no transform set yet).
struct PathPlacement {
  int32_t translateX, translateY, scaleX, scaleY;
};
// Non-zero winding, solid in the colour, over the pixels whose centres lie
// inside the path through the pixels' top-left corners (as polygons).
PathParse fillPathData(const PathPlacement& placement, const unichar* text, int32_t count,
                       int32_t colour);
// Solid, through the pixel centres (as polylines); the width is in pixels,
// whatever the scale.
PathParse strokePathData(const PathPlacement& placement, const unichar* text, int32_t count,
                         const LineStroke& stroke);

}  // namespace gdi::raster
