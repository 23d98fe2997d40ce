// Image files: PNG and BMP decoded by stb_image, JPEG by libjpeg-turbo, into
// the layer's premultiplied ARGB words. Every answer is one of the
// OS_GX_IMAGE_ codes.
#pragma once

#include "image_table.h"

#include <cstddef>

namespace gdi {

// Decodes a whole file held in memory.
int32_t decodeImage(const uint8_t* bytes, size_t size, Image& out);

// Reads the file at a zero-terminated UTF-16 path and decodes it.
int32_t loadImageFile(const unichar* path, Image& out);

}  // namespace gdi
