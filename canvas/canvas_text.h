// What the canvas's text natives take from the canvas state record: its
// colours, font and surface.
#pragma once

#include "canvas/canvas_geometry.h"
#include "platform/gdi/osgx.h"

#include <cstdint>

namespace tamri {

// The canvas called on (`this`). A canvas that is not there reads as all
// zeros: no font, surface 0.
const uint8_t* thisCanvasRecord();

// Text colour, no background and the canvas's second colour.
TEXTCOL canvasColours(const uint8_t* canvas);
FONTHANDLE canvasFont(const uint8_t* canvas);
int32_t canvasSurface(const uint8_t* canvas);

}  // namespace tamri
