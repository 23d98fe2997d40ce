#include "canvas/canvas_text.h"

#include "canvas/canvas_record.h"
#include "text/text_records.h"

namespace tamri {
namespace {

// What a missing canvas reads as.
constexpr uint8_t kNoCanvas[36] = {};

}  // namespace

const uint8_t* thisCanvasRecord() {
  const uint8_t* canvas = fieldBlockOf(kFirstArgumentHandle);
  return canvas ? canvas : kNoCanvas;
}

TEXTCOL canvasColours(const uint8_t* canvas) {
  return {read(canvas, canvas::color), kNoColour, read(canvas, canvas::secondColor)};
}

FONTHANDLE canvasFont(const uint8_t* canvas) {
  return static_cast<FONTHANDLE>(read(canvas, canvas::font));
}

int32_t canvasSurface(const uint8_t* canvas) { return read(canvas, canvas::surface); }

}  // namespace tamri
