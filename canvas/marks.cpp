#include "canvas/marks.h"

#include "module/vm_arrays.h"
#include "platform/gdi/osgx.h"

#include <algorithm>
#include <span>

namespace tamri {
namespace {

// A line of a mark, its ends in half sizes from the point: -1, 0 or 1.
struct MarkLine {
  int8_t x1, y1, x2, y2;
};

constexpr MarkLine kDiagonalCross[] = {{-1, -1, 1, 1}, {1, -1, -1, 1}};
constexpr MarkLine kDiamondAndCross[] = {{-1, 0, 0, -1}, {0, -1, 1, 0}, {1, 0, 0, 1},
                                         {0, 1, -1, 0},  {-1, 0, 1, 0}, {0, -1, 0, 1}};
constexpr std::span<const MarkLine> kDiamond{kDiamondAndCross, 4};
constexpr std::span<const MarkLine> kUprightCross{kDiamondAndCross + 4, 2};
constexpr MarkLine kTriangleDown[] = {{-1, -1, 1, -1}, {1, -1, 0, 1}, {0, 1, -1, -1}};
constexpr MarkLine kTriangleUp[] = {{-1, 1, 0, -1}, {0, -1, 1, 1}, {1, 1, -1, 1}};

enum class Outline { None, FilledCircle, Circle, Square };

struct MarkShape {
  Outline outline;
  std::span<const MarkLine> lines;
};

// By mark type, 0 to 10; the outline comes before the lines.
constexpr MarkShape kMarkShapes[] = {
    {Outline::None, {}},
    {Outline::FilledCircle, {}},
    {Outline::Circle, {}},
    {Outline::None, kDiagonalCross},
    {Outline::None, kDiamond},
    {Outline::None, kDiamondAndCross},
    {Outline::None, kUprightCross},
    {Outline::Square, {}},
    {Outline::Square, kDiagonalCross},
    {Outline::None, kTriangleDown},
    {Outline::None, kTriangleUp},
};

constexpr int16_t kWidth = 1;
constexpr int16_t kSolid = 1;
constexpr int32_t kNoBackground = 0;

void drawMark(const MarkShape& shape, int32_t x, int32_t y, int32_t h, int32_t color) {
  switch (shape.outline) {
    case Outline::FilledCircle:
      osGXfillEllipse(x - h, y - h, x + h, y + h, color, kSolid, kNoBackground);
      break;
    case Outline::Circle:
      osGXdrawEllipse(x - h, y - h, x + h, y + h, color, kSolid, kWidth, kNoBackground);
      break;
    case Outline::Square:
      osGXdrawRectangle(x - h, y - h, x + h, y + h, kWidth, kSolid, color, kNoBackground, 0, 1, 1);
      break;
    case Outline::None:
      break;
  }
  for (const MarkLine& l : shape.lines) {
    osGXdrawLine(x + l.x1 * h, y + l.y1 * h, x + l.x2 * h, y + l.y2 * h, kWidth, kSolid, color,
                 kNoBackground, 0);
  }
}

}  // namespace

void drawPointMarks(jword xs, jword ys, int32_t first, int32_t count, const MarkStyle& style) {
  if (style.markType < 1 || style.markType >= static_cast<int32_t>(std::size(kMarkShapes))) return;
  const IntArrayView xv = intArrayOf(xs), yv = intArrayOf(ys);
  if (!xv.elements || !yv.elements) return;
  const int64_t held = std::min(xv.length, yv.length);
  const int64_t from = std::max<int64_t>(first, 0);
  const int64_t to = std::min<int64_t>(static_cast<int64_t>(first) + count, held);
  const MarkShape& shape = kMarkShapes[style.markType];
  const int32_t h = style.size / 2;
  for (int64_t i = from; i < to; ++i)
    drawMark(shape, xv.elements[i], yv.elements[i], h, style.color);
}

}  // namespace tamri
