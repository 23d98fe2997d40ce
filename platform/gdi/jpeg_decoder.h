// JPEG files, decoded by libjpeg-turbo into the layer's premultiplied ARGB
// words (always opaque). Every answer is one of the OS_GX_IMAGE_ codes.
#pragma once

#include "image_table.h"

#include <cstddef>

namespace gdi {

// Without libjpeg-turbo (the Windows stand-in) every JPEG file is
// unsupported. A file that libjpeg-turbo reads only with a warning (data cut short or
// corrupt) is damaged; one with more than 500 scans too, since decoding it
// could take minutes.
int32_t decodeJpeg(const uint8_t* bytes, size_t size, Image& out);

}  // namespace gdi
