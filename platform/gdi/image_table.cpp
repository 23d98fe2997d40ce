#include "image_table.h"

#include <algorithm>
#include <map>

namespace gdi {
namespace {

struct ImageTable {
  std::map<stImageHandle, Image> images;
  stImageHandle lastHandle = 0;
  int64_t livePixels = 0;
  int64_t pixelLimit = OS_GX_IMAGE_MAX_PIXELS;
};

ImageTable& table() {
  static ImageTable instance;
  return instance;
}

int64_t pixelCount(const Image& image) { return int64_t{image.width} * image.height; }

}  // namespace

int64_t imagePixelLimit() { return table().pixelLimit; }

bool imageSizeAllowed(int64_t width, int64_t height) {
  return width <= OS_GX_IMAGE_MAX_SIDE && height <= OS_GX_IMAGE_MAX_SIDE &&
         width * height <= imagePixelLimit();
}

void setImagePixelLimit(int64_t pixels) {
  table().pixelLimit = std::clamp<int64_t>(pixels, 1, OS_GX_IMAGE_MAX_PIXELS);
}

stImageHandle addImage(Image&& image, int32_t& status) {
  ImageTable& t = table();
  // A handle is never given out twice: after the last one the table is full
  // for good (until a reset), rather than naming a freed image anew.
  if (static_cast<int32_t>(t.images.size()) >= kMaxLiveImages ||
      t.livePixels + pixelCount(image) > kMaxLivePixels || t.lastHandle == UINT32_MAX) {
    status = OS_GX_IMAGE_NO_ROOM;
    return 0;
  }
  const stImageHandle handle = t.lastHandle + 1;
  const int64_t pixels = pixelCount(image);
  t.images.emplace(handle, std::move(image));
  t.lastHandle = handle;
  t.livePixels += pixels;
  status = OS_GX_IMAGE_OK;
  return handle;
}

const Image* findImage(stImageHandle handle) {
  const auto found = table().images.find(handle);
  return found == table().images.end() ? nullptr : &found->second;
}

bool removeImage(stImageHandle handle) {
  ImageTable& t = table();
  const auto found = t.images.find(handle);
  if (found == t.images.end()) return false;
  t.livePixels -= pixelCount(found->second);
  t.images.erase(found);
  return true;
}

int32_t liveImageCount() { return static_cast<int32_t>(table().images.size()); }

void resetImages() { table() = ImageTable{}; }

}  // namespace gdi
