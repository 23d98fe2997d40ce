// The images the drawing layer owns, by handle. Pixels are 32-bit words
// 0xAARRGGBB with the colour premultiplied by alpha (Cairo's ARGB32), rows
// top to bottom without padding.
#pragma once

#include "osgx.h"

#include <cstdint>
#include <vector>

namespace gdi {

struct Image {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// At most this many images, holding this many pixels in all, live at once.
inline constexpr int32_t kMaxLiveImages = 1024;
inline constexpr int64_t kMaxLivePixels = int64_t{64} * 1024 * 1024;

// The most pixels one image may have: OS_GX_IMAGE_MAX_PIXELS unless a host
// lowered it.
int64_t imagePixelLimit();
void setImagePixelLimit(int64_t pixels);
// Whether an image of this size may be made: no side above
// OS_GX_IMAGE_MAX_SIDE and no more pixels than imagePixelLimit().
bool imageSizeAllowed(int64_t width, int64_t height);

// Takes the image into the table: its new handle and OS_GX_IMAGE_OK, or 0
// and OS_GX_IMAGE_NO_ROOM when the table is full.
stImageHandle addImage(Image&& image, int32_t& status);
// The image of a live handle, or null for 0, a freed or an unknown handle.
const Image* findImage(stImageHandle handle);
// False when the handle names no live image.
bool removeImage(stImageHandle handle);
int32_t liveImageCount();
// Drops every image; handles start again at 1 and the pixel limit is
// OS_GX_IMAGE_MAX_PIXELS again.
void resetImages();

}  // namespace gdi
