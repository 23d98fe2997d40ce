// Fill levels of the filled shapes (ellipse, rectangle, polygon, pie): only
// a share of the shape, in per cent of its width and height and growing from
// an edge or from the centre, shows the shape's own fill; the rest shows the
// level's background fill. The shape is painted twice, the second time
// through a clip rectangle that covers that share.
#pragma once

#include "module/clip_area.h"
#include "module/field_access.h"

#include <array>

namespace tamri {

// Where a shape keeps its six fill-level fields.
struct FillLevelFields {
  IntField backColor;
  IntField amountX;
  IntField amountY;
  ByteField backStyle;
  ByteField dirX;
  ByteField dirY;
};

// The six fields by their VM names, for a class's field list.
constexpr std::array<NamedField, 6> namedFields(const FillLevelFields& f) {
  return {{{"levelBackColor", f.backColor},
           {"levelPctX", f.amountX},
           {"levelPctY", f.amountY},
           {"levelBackStyle", f.backStyle},
           {"levelDirX", f.dirX},
           {"levelDirY", f.dirY}}};
}

// Direction codes: horizontal 1 from the left edge, 2 from the centre line to
// both sides, 3 from the right edge, 16 from the centre line to the right
// (positive amount) or left (negative); vertical 4 from the bottom edge,
// 8 from the centre line up and down, 12 from the top edge, 40 from the
// centre line upwards (positive) or downwards (negative).
struct FillLevel {
  int32_t backColor = 0;
  int32_t amountX = 0;
  int32_t amountY = 0;
  uint8_t backStyle = 0;
  uint8_t dirX = 0;
  uint8_t dirY = 0;

  bool isOn() const { return dirX != 0 || dirY != 0; }
};

FillLevel readFillLevel(const uint8_t* block, const FillLevelFields& fields);

// The clip rectangle that shows the level's share of `bounds`. An axis with
// an amount of 0 collapses to 0..0; an invalid code gives `bounds` whole.
POINTRECT levelClipRect(const POINTRECT& bounds, int32_t amountX, int32_t amountY, uint8_t dirX,
                        uint8_t dirY);

void setClipFillAnimation(bool on);

// The drawing of a shape with its fill level on: `paintBackground` paints
// the whole shape in the level's background and outlines it; then, with the
// clip-fill animation on and the level's clip rectangle in place of the
// surface's clip area, `paintOwn` paints the shape's own fill and outline.
// The surface's clip area is put back (or removed when it had none) and the
// animation switched off afterwards.
template <typename PaintBackground, typename PaintOwn>
void drawWithFillLevel(int32_t surface, const POINTRECT& bounds, const FillLevel& level,
                       PaintBackground&& paintBackground, PaintOwn&& paintOwn) {
  paintBackground();
  const POINTRECT clip =
      levelClipRect(bounds, level.amountX, level.amountY, level.dirX, level.dirY);
  setClipFillAnimation(true);
  const SavedClipArea saved = saveClipArea(surface);
  osGXsetClipArea(clip.left, clip.top, clip.right, clip.bottom, surface);
  paintOwn();
  restoreClipArea(saved, surface);
  setClipFillAnimation(false);
}

// The fill-level drawing of a shape that fills and outlines in separate
// calls (ellipse, rectangle, polygon): the level's background fill when its
// style is non-zero, the shape's own fill when its style is above 0, and the
// outline both times. `fill(colour, style)` paints the whole shape.
template <typename Fill, typename Outline>
void drawLevelledShape(int32_t surface, const POINTRECT& bounds, const FillLevel& level,
                       int32_t fillColour, int8_t fillStyle, Fill&& fill, Outline&& outline) {
  drawWithFillLevel(
      surface, bounds, level,
      [&] {
        if (level.backStyle != 0) fill(level.backColor, static_cast<int8_t>(level.backStyle));
        outline();
      },
      [&] {
        if (fillStyle > 0) fill(fillColour, fillStyle);
        outline();
      });
}

}  // namespace tamri
