#include "images/image_natives.h"

#include "canvas/canvas_record.h"
#include "canvas/canvas_transform.h"
#include "images/graphic_file_record.h"

namespace tamri {

stImageHandle createImageOf(int32_t surface, int32_t x, int32_t y, int32_t w, int32_t h,
                            int32_t* status) {
  if (w == 0 || h == 0) return osGXcreateImage(surface, nullptr, status);
  const POINTRECT region{x, y, x + w - 1, y + h - 1};
  return osGXcreateImage(surface, &region, status);
}

void drawGraphicFileAt(int32_t surface, const uint8_t* graphicFile, int32_t x, int32_t y) {
  namespace g = graphic;
  const auto width = static_cast<int16_t>(read(graphicFile, g::x2) - read(graphicFile, g::x1));
  const auto height = static_cast<int16_t>(read(graphicFile, g::y2) - read(graphicFile, g::y1));
  osGXimage(surface, APOINT{x, y}, width, height,
            static_cast<stImageHandle>(read(graphicFile, graphic_file::imageHandle)),
            read(graphicFile, graphic_file::imageOption), 0);
}

void drawGraphicFileOnCanvas(const LocalRef& canvas, const LocalRef& graphicFile, int32_t x,
                             int32_t y) {
  const uint8_t* file = graphicFile.resolve();
  if (!file) return;
  const CanvasTransform& transform = canvasTransform();
  drawGraphicFileAt(read(canvas.resolve(), canvas::surface), file, x + transform.translateX,
                    y + transform.translateY);
}

}  // namespace tamri
