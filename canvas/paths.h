// Paths given as text (the drawing layer's path syntax), filled and/or
// stroked with the canvas translation and scale. The text goes to the
// drawing layer in place, unparsed; a missing text draws nothing.
#pragma once

#include "module/local_ref.h"

#include <cstdint>

namespace tamri {

void fillCanvasPath(jword path, int32_t fillColor);
void strokeCanvasPath(jword path, int32_t lineColor, int32_t lineWidth);
// The fill first, then the outline over it.
void fillAndStrokeCanvasPath(jword path, int32_t fillColor, int32_t lineColor, int32_t lineWidth);

}  // namespace tamri
