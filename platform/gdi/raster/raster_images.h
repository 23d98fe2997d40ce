// Images on raster surfaces: copying a region of a surface into an image,
// and drawing an image into a box.
#pragma once

#include "image_table.h"

namespace gdi::raster {

// Copies the inclusive region (the whole surface when null) into `out`;
// answers with an OS_GX_IMAGE_ code. Clip areas do not limit a copy.
int32_t captureRegion(int32_t surface, const POINTRECT* region, Image& out);

// Draws the image in the box of width x height pixels at `position`, as
// `option` says (see osGXimage), through the surface's clip area.
void drawImage(int32_t surface, APOINT position, int32_t width, int32_t height, const Image& image,
               int32_t option);

}  // namespace gdi::raster
