#include "canvas/lines.h"

#include "canvas/canvas_transform.h"
#include "platform/gdi/osgx.h"

namespace tamri {
namespace {

constexpr uint8_t kNoEndMarks = 0;

void draw(const Segment& l, int32_t width, int16_t style, int32_t colour, int32_t back,
          uint8_t ends) {
  osGXdrawLine(l.x1, l.y1, l.x2, l.y2, lowWord(width), style, colour, back, ends);
}

}  // namespace

void drawCanvasLine(const CanvasPen& pen, const Segment& line) {
  draw(line, pen.lineWidth, lowWord(pen.lineStyle), pen.color, pen.backColor, kNoEndMarks);
}

void drawLineStyled(const Segment& line, int32_t color, int32_t backColor, int8_t lineStyle,
                    int32_t lineWidth) {
  draw(line, lineWidth, lineStyle, color, backColor, kNoEndMarks);
}

void drawTranslatedLine(Segment line, int32_t color, int32_t backColor, int32_t lineStyle,
                        int32_t lineWidth, int32_t lineEnds) {
  line = {translatedX(line.x1), translatedY(line.y1), translatedX(line.x2), translatedY(line.y2)};
  draw(line, lineWidth, lowWord(lineStyle), color, backColor, lowByte(lineEnds));
}

}  // namespace tamri
