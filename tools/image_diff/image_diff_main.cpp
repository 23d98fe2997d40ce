// tamri-image-diff: compares a rendered PNG with its reference pixel by
// pixel (image_compare.h); the images match when the sizes agree and every
// pixel matches. With --diff it writes the picture of the differences.
//
// Usage: tamri-image-diff REFERENCE.png RESULT.png [--tolerance N] [--diff DIFF.png]
// Exit status: 0 the images match, 1 they differ, 2 a file cannot be read or
// written, or bad usage.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include "image_compare.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using regression::Comparison;
using regression::Image;

constexpr int kDefaultTolerance = 0;

bool readPng(const std::string& path, Image& image) {
  int channels = 0;
  std::unique_ptr<unsigned char, decltype(&stbi_image_free)> pixels(
      stbi_load(path.c_str(), &image.width, &image.height, &channels, 4), stbi_image_free);
  if (!pixels) return false;
  image.rgba.assign(pixels.get(), pixels.get() + size_t(image.width) * image.height * 4);
  return true;
}

int usage() {
  std::fprintf(
      stderr,
      "usage: tamri-image-diff REFERENCE.png RESULT.png [--tolerance N] [--diff DIFF.png]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::string diffPath;
  int tolerance = kDefaultTolerance;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--tolerance" && i + 1 < argc) {
      char* end = nullptr;
      const long value = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || value < 0 || value > 255) return usage();
      tolerance = static_cast<int>(value);
    } else if (arg == "--diff" && i + 1 < argc) {
      diffPath = argv[++i];
    } else if (arg.rfind("--", 0) == 0) {
      return usage();
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return usage();

  Image reference, result;
  for (auto [path, image] : {std::pair{&files[0], &reference}, {&files[1], &result}}) {
    if (!readPng(*path, *image)) {
      std::fprintf(stderr, "tamri-image-diff: cannot read %s as PNG\n", path->c_str());
      return 2;
    }
  }
  const Comparison c = regression::compareImages(reference, result, tolerance);
  if (!c.sameSize) {
    std::printf("sizes differ: the reference is %dx%d, the result %dx%d\n", reference.width,
                reference.height, result.width, result.height);
    return 1;
  }
  if (!diffPath.empty() && !stbi_write_png(diffPath.c_str(), c.picture.width, c.picture.height, 4,
                                           c.picture.rgba.data(), c.picture.width * 4)) {
    std::fprintf(stderr, "tamri-image-diff: cannot write %s\n", diffPath.c_str());
    return 2;
  }
  if (c.beyond == 0) {
    if (c.within > 0)
      std::printf("%ld pixels differ within the tolerance of %d (largest difference %d)\n",
                  c.within, tolerance, c.largestDelta);
    return 0;
  }
  std::printf(
      "%ld pixels differ by more than %d (largest difference %d), within (%d, %d)-(%d, %d); "
      "%ld more within the tolerance\n",
      c.beyond, tolerance, c.largestDelta, c.left, c.top, c.right, c.bottom, c.within);
  return 1;
}
