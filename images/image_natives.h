// What the image natives of the graphic file, the screen capture and the
// canvas share: making an image from a surface region and drawing a graphic
// file's image.
#pragma once

#include "module/local_ref.h"
#include "platform/gdi/osgx.h"

namespace tamri {

// Copies the region x, y, w, h of the surface into a new image; a zero
// width or height asks for the whole surface. The drawing layer's handle,
// its out-value in `status`.
stImageHandle createImageOf(int32_t surface, int32_t x, int32_t y, int32_t w, int32_t h,
                            int32_t* status);

// Draws the graphic file's image at (x, y), as wide and high as the file's
// bounding rectangle spans (x2 - x1 by y2 - y1).
void drawGraphicFileAt(int32_t surface, const uint8_t* graphicFile, int32_t x, int32_t y);

// The canvas form: on the canvas's surface, moved by the canvas translation;
// a null graphic file draws nothing.
void drawGraphicFileOnCanvas(const LocalRef& canvas, const LocalRef& graphicFile, int32_t x,
                             int32_t y);

}  // namespace tamri
