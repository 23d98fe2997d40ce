// What every shape draw reads from the graphic object record: the bounding
// rectangle, the three colours and the line and fill styles.
#pragma once

#include "module/graphic_record.h"
#include "platform/gdi/osgx.h"

namespace tamri {

struct ShapeAttributes {
  POINTRECT bounds;
  int32_t fillColor;
  int32_t backColor;
  int32_t lineColor;
  int8_t lineStyle;
  int8_t lineWidth;
  int8_t fillStyle;

  // A rectangle without width or height stands for a line between its corners.
  bool isFlat() const { return bounds.left == bounds.right || bounds.top == bounds.bottom; }
};

inline ShapeAttributes readShapeAttributes(const uint8_t* block) {
  namespace g = graphic;
  return {{read(block, g::x1), read(block, g::y1), read(block, g::x2), read(block, g::y2)},
          read(block, g::fillColor),
          read(block, g::backColor),
          read(block, g::lineColor),
          read(block, g::lineStyle),
          read(block, g::lineWidth),
          read(block, g::fillStyle)};
}

// The straight line between the corners of the bounding rectangle, in the
// shape's line attributes, without end marks.
inline void drawCornerLine(const ShapeAttributes& a) {
  osGXdrawLine(a.bounds.left, a.bounds.top, a.bounds.right, a.bounds.bottom, a.lineWidth,
               a.lineStyle, a.lineColor, a.backColor, 0);
}

}  // namespace tamri
