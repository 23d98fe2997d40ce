#include "canvas/scales.h"

#include "canvas/canvas_transform.h"

namespace tamri {
namespace {

constexpr int32_t kEveryTick = 1;

// Ticks from the circle inscribed in the box's width, about the box's centre
// moved by the translation.
void roundTicks(const ScaleBox& box, const RoundScale& round, const TickPen& pen,
                int32_t divisions) {
  const int32_t radius = (box.x2 - box.x1 + 1) / 2;
  const int32_t centreX = translatedX(box.x1 + radius);
  const int32_t centreY = translatedY((box.y1 + box.y2 + 1) / 2);
  arcScaleTicks(round.startAngle, round.endAngle, round.tickRadius, radius, centreX, centreY, pen,
                divisions);
}

}  // namespace

void drawCanvasStraightScale(const ScaleBox& box, bool vertical, const TickPen& pen,
                             int32_t divisions) {
  if (divisions <= 0) return;
  linearScaleTicks(translatedX(box.x1), translatedY(box.y1), translatedX(box.x2),
                   translatedY(box.y2), pen, divisions, kEveryTick, vertical ? 1 : 0);
}

void drawCanvasRoundScale(const ScaleBox& box, const RoundScale& round, const TickPen& pen,
                          int32_t divisions) {
  if (divisions <= 0) return;
  roundTicks(box, round, pen, divisions);
}

void drawCanvasSubdividedScale(const ScaleBox& box, int32_t inset, const RoundScale& round,
                               const TickPen& pen, int32_t divisions, int32_t subdivisions) {
  if (divisions <= 0) return;
  roundTicks(box, round, pen, divisions);
  if (subdivisions <= 0) return;
  const int64_t fine = (static_cast<int64_t>(subdivisions) + 1) * divisions;
  if (fine > kMaxScaleDivisions) return;
  const ScaleBox inner{box.x1 + inset, box.y1 + inset, box.x2 - inset, box.y2 - inset};
  roundTicks(inner, round, pen, static_cast<int32_t>(fine));
}

}  // namespace tamri
