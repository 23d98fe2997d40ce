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

// How the painted part of an axis grows: from the low edge (left or top),
// from the centre line both ways, from the high edge (right or bottom), or
// from the centre line towards the high edge (right) or the low edge (up)
// for a positive amount and the other way for a negative one.
enum class Growth { FromLowEdge, BothWays, FromHighEdge, TowardsHighEdge, TowardsLowEdge };

Growth horizontalGrowth(int32_t part) {
  switch (part) {
    case 1:
      return Growth::FromLowEdge;
    case 2:
      return Growth::BothWays;
    case 3:
      return Growth::FromHighEdge;
    default:  // 16
      return Growth::TowardsHighEdge;
  }
}

Growth verticalGrowth(int32_t part) {
  switch (part) {
    case 12:
      return Growth::FromLowEdge;
    case 8:
      return Growth::BothWays;
    case 4:
      return Growth::FromHighEdge;
    default:  // 40
      return Growth::TowardsLowEdge;
  }
}

// The extents are differences of the corners, without the + 1 of an
// inclusive width. A negative amount enters the same formulas and gives a
// span whose ends come in reverse order.
Span levelSpan(Span shape, int32_t amount, Growth growth) {
  if (amount == 0) return {0, 0};
  const int32_t extent = shape.high - shape.low;
  const int32_t mid = shape.low + extent / 2;
  const int32_t half = halfShare(extent, amount);
  switch (growth) {
    case Growth::FromLowEdge:
      return {shape.low, shape.low + share(extent, amount)};
    case Growth::BothWays:
      return {mid - half, mid + half};
    case Growth::FromHighEdge:
      return {shape.high - share(extent, amount), shape.high};
    case Growth::TowardsHighEdge:
      return amount > 0 ? Span{mid, mid + half} : Span{mid + half, mid};
    case Growth::TowardsLowEdge:
      return amount > 0 ? Span{mid - half, mid} : Span{mid, mid - half};
  }
  return shape;
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
    const Span span = levelSpan({bounds.left, bounds.right}, amountX, horizontalGrowth(part));
    clip.left = span.low;
    clip.right = span.high;
  }
  if (const int32_t part = code & kVerticalBits) {
    const Span span = levelSpan({bounds.top, bounds.bottom}, amountY, verticalGrowth(part));
    clip.top = span.low;
    clip.bottom = span.high;
  }
  return clip;
}

void setClipFillAnimation(bool on) { osGXsetClipFillAnimation(on ? 1 : 0); }

}  // namespace tamri
