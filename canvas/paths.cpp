#include "canvas/paths.h"

#include "canvas/canvas_geometry.h"
#include "canvas/canvas_transform.h"
#include "module/vm_strings.h"
#include "platform/gdi/osgx.h"

namespace tamri {
namespace {

void fill(const TextView& text, int32_t fillColor) {
  const CanvasTransform& t = canvasTransform();
  osGXfillPath(t.translateX, t.translateY, t.scaleX, t.scaleY, text.chars, text.count, fillColor);
}

void stroke(const TextView& text, int32_t lineColor, int32_t lineWidth) {
  const CanvasTransform& t = canvasTransform();
  osGXdrawPath(t.translateX, t.translateY, t.scaleX, t.scaleY, text.chars, text.count, lineColor,
               lowWord(lineWidth));
}

}  // namespace

void fillCanvasPath(jword path, int32_t fillColor) {
  const TextView text = textOf(path);
  if (text.chars) fill(text, fillColor);
}

void strokeCanvasPath(jword path, int32_t lineColor, int32_t lineWidth) {
  const TextView text = textOf(path);
  if (text.chars) stroke(text, lineColor, lineWidth);
}

void fillAndStrokeCanvasPath(jword path, int32_t fillColor, int32_t lineColor, int32_t lineWidth) {
  const TextView text = textOf(path);
  if (!text.chars) return;
  fill(text, fillColor);
  stroke(text, lineColor, lineWidth);
}

}  // namespace tamri
