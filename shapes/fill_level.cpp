#include "shapes/fill_level.h"

namespace tamri {
namespace {

constexpr uint8_t kHorizontalBits = 19;  // 1, 2, 3 and 16
constexpr uint8_t kVerticalBits = 44;    // 4, 8, 12 and 40

bool isHorizontalPart(int32_t part) { return part == 1 || part == 2 || part == 3 || part == 16; }
bool isVerticalPart(int32_t part) { return part == 4 || part == 8 || part == 12 || part == 40; }

// One of the 24 combinations of a horizontal code (or none) with a vertical
// code (or none), other than none with none.
bool isValidCode(int32_t code) {
  const int32_t horizontal = code & kHorizontalBits;
  const int32_t vertical = code & kVerticalBits;
  return code != 0 && (horizontal | vertical) == code &&
         (horizontal == 0 || isHorizontalPart(horizontal)) &&
         (vertical == 0 || isVerticalPart(vertical));
}

// extent x amount / 100, the product taken wide so that large amounts do not
// wrap; the result is cut back to an int like every drawing coordinate.
int32_t share(int32_t extent, int32_t amount) {
  return static_cast<int32_t>(int64_t{extent} * amount / 100);
}
int32_t halfShare(int32_t extent, int32_t amount) {
  return static_cast<int32_t>(int64_t{extent} * amount / 2 / 100);
}

// The clip span of one axis, given as the low and high ends of the shape.
struct Span {
  int32_t low, high;
};

// The extents are differences of the corners, without the + 1 of an
// inclusive width. A negative amount enters the same formulas and gives a
// span whose ends come in reverse order.
Span horizontalSpan(Span shape, int32_t amount, int32_t part) {
  if (amount == 0) return {0, 0};
  const int32_t extent = shape.high - shape.low;
  const int32_t mid = shape.low + extent / 2;
  const int32_t half = halfShare(extent, amount);
  switch (part) {
    case 1:
      return {shape.low, shape.low + share(extent, amount)};
    case 2:
      return {mid - half, mid + half};
    case 3:
      return {shape.high - share(extent, amount), shape.high};
    default:  // 16: to the right for a positive amount
      return amount > 0 ? Span{mid, mid + half} : Span{mid + half, mid};
  }
}

Span verticalSpan(Span shape, int32_t amount, int32_t part) {
  if (amount == 0) return {0, 0};
  const int32_t extent = shape.high - shape.low;
  const int32_t mid = shape.low + extent / 2;
  const int32_t half = halfShare(extent, amount);
  switch (part) {
    case 4:
      return {shape.high - share(extent, amount), shape.high};
    case 8:
      return {mid - half, mid + half};
    case 12:
      return {shape.low, shape.low + share(extent, amount)};
    default:  // 40: upwards for a positive amount
      return amount > 0 ? Span{mid - half, mid} : Span{mid, mid - half};
  }
}

}  // namespace

FillLevel readFillLevel(const uint8_t* block, const FillLevelFields& fields) {
  FillLevel level;
  level.backColor = read(block, fields.backColor);
  level.amountX = read(block, fields.amountX);
  level.amountY = read(block, fields.amountY);
  level.backStyle = readUnsigned(block, fields.backStyle);
  level.dirX = readUnsigned(block, fields.dirX);
  level.dirY = readUnsigned(block, fields.dirY);
  return level;
}

POINTRECT levelClipRect(const POINTRECT& bounds, int32_t amountX, int32_t amountY, uint8_t dirX,
                        uint8_t dirY) {
  POINTRECT clip = bounds;
  const int32_t code = dirX | dirY;
  if (!isValidCode(code)) return clip;
  if (const int32_t part = code & kHorizontalBits) {
    const Span span = horizontalSpan({bounds.left, bounds.right}, amountX, part);
    clip.left = span.low;
    clip.right = span.high;
  }
  if (const int32_t part = code & kVerticalBits) {
    const Span span = verticalSpan({bounds.top, bounds.bottom}, amountY, part);
    clip.top = span.low;
    clip.bottom = span.high;
  }
  return clip;
}

void setClipFillAnimation(bool on) { osGXsetClipFillAnimation(on ? 1 : 0); }

}  // namespace tamri
