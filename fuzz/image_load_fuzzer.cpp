// Image files from random bytes: each input is written to a file and loaded
// through osGXloadImage as a panel would load it; what loads is drawn, scaled
// and cropped, and unloaded again. Any crash, leak, sanitizer report or image
// left in the table is a finding.
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

// One file per fuzzing process, rewritten for every input; plain arrays, so
// that the clean-up at exit finds them still there.
char narrowPath[64];
char16_t widePath[64];

void choosePath() {
  std::snprintf(narrowPath, sizeof narrowPath, "/tmp/tamri_image_fuzz_%d.img",
                static_cast<int>(getpid()));
  for (size_t i = 0; i < sizeof narrowPath; ++i) widePath[i] = narrowPath[i];
  std::atexit([] { std::remove(narrowPath); });
}

bool writeInput(const uint8_t* bytes, size_t size) {
  FILE* file = std::fopen(narrowPath, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const bool setUp = [] {
    host::setTraceRecording(false);
    choosePath();
    return true;
  }();
  static_cast<void>(setUp);
  gdihost::reset();
  // Decoding is what is fuzzed, not the time it takes to fill huge images.
  gdihost::setImagePixelLimit(256 * 256);
  const int32_t surface = gdihost::createSurface(32, 32, 0xFFFFFF);
  if (!writeInput(bytes, size)) return 0;

  int32_t status = -1;
  const stImageHandle image = osGXloadImage(widePath, &status);
  if ((image != 0) != (status == OS_GX_IMAGE_OK)) {
    std::fprintf(stderr, "handle %u with status %d\n", image, status);
    std::abort();
  }
  if (image != 0) {
    osGXimage(surface, {-3, 2}, 40, 20, image, 0, 0);
    osGXimage(surface, {5, -7}, 9, 30, image, 1, 0);
    osGXimage(surface, {1, 1}, 7, 7, image, 2, 0);
    osGXunloadImage(image);
  }
  if (gdihost::imageCount() != 0) {
    std::fprintf(stderr, "an image stayed in the table\n");
    std::abort();
  }
  return 0;
}
