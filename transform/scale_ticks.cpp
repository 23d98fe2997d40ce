#include "transform/scale_ticks.h"

#include "module/int_math.h"
#include "platform/core/morvcore.h"
#include "platform/gdi/osgx.h"

#include <algorithm>

namespace tamri {
namespace {

constexpr uint8_t kNoEndMarks = 0;

bool drawableDivisions(int32_t divisions) {
  return divisions >= 1 && divisions <= kMaxScaleDivisions;
}

void tick(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const TickPen& pen) {
  osGXdrawLine(x1, y1, x2, y2, pen.width, pen.style, pen.colour, pen.backColour, kNoEndMarks);
}

}  // namespace

void linearScaleTicks(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const TickPen& pen,
                      int32_t divisions, int32_t step, uint8_t vertical) {
  if (!drawableDivisions(divisions)) return;
  step = std::max(step, 1);
  if (vertical == 1) {
    // Tick 0 on y2, counting upwards; the product is taken wide so that
    // long scales with many divisions keep their places.
    const int32_t half = divisions / 2;
    const int64_t height = y2 - y1;
    for (int64_t i = 0; i <= divisions; i += step) {
      const int32_t y = y2 - static_cast<int32_t>((i * height + half) / divisions);
      tick(x1, y, x2, y, pen);
    }
    return;
  }
  // Tick 0 on x1, counting rightwards, spaced in single precision.
  const auto spacing = static_cast<float>(static_cast<double>(x2 - x1) / divisions);
  for (int64_t i = 0; i <= divisions; i += step) {
    const float offset = static_cast<float>(static_cast<int32_t>(i)) * spacing;
    const int32_t x = x1 + truncateToInt(offset + 0.5);
    tick(x, y1, x, y2, pen);
  }
}

void arcScaleTicks(int32_t startAngle, int32_t endAngle, int32_t endRadius, int32_t startRadius,
                   int32_t centreX, int32_t centreY, const TickPen& pen, int32_t divisions) {
  if (!drawableDivisions(divisions)) return;
  // In double: the angles may be any ints, and turning one more time must not wrap.
  const double turn = startAngle >= endAngle ? 360.0 : 0.0;
  const double span = (static_cast<double>(endAngle) + turn - startAngle) / divisions;
  const int32_t startTenths = startAngle * 10;
  for (int32_t i = 0; i <= divisions; ++i) {
    int16_t tenths = truncateToShort(i * span * 10.0 + startTenths);
    while (tenths >= 3600) tenths -= 3600;
    const double c = osUTfastcos(tenths);
    const double s = osUTfastsin(tenths);
    tick(truncateToInt(c * startRadius) + centreX, centreY - truncateToInt(s * startRadius),
         truncateToInt(c * endRadius) + centreX, centreY - truncateToInt(s * endRadius), pen);
  }
}

}  // namespace tamri
