// tamri-image-diff: compares a rendered PNG with its reference pixel by
// pixel. Two pixels match when no channel differs by more than the
// tolerance; the images match when every pixel does and the sizes agree.
// With --diff it writes a picture of the differences: the reference faded
// to grey, pixels beyond the tolerance in red inside a pink ring, pixels
// that differ within it in orange.
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

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultTolerance = 0;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // 4 bytes a pixel, rows top down
};

bool readPng(const std::string& path, Image& image) {
  int channels = 0;
  std::unique_ptr<unsigned char, decltype(&stbi_image_free)> pixels(
      stbi_load(path.c_str(), &image.width, &image.height, &channels, 4), stbi_image_free);
  if (!pixels) return false;
  image.rgba.assign(pixels.get(), pixels.get() + size_t(image.width) * image.height * 4);
  return true;
}

int channelDelta(const unsigned char* a, const unsigned char* b) {
  int largest = 0;
  for (int c = 0; c < 4; ++c) largest = std::max(largest, std::abs(int(a[c]) - int(b[c])));
  return largest;
}

struct Comparison {
  long beyond = 0;  // pixels that differ by more than the tolerance
  long within = 0;  // pixels that differ, but within it
  int largestDelta = 0;
  int left = 0, top = 0, right = -1, bottom = -1;  // where the pixels beyond lie
  Image picture;
};

// Pixels beyond the tolerance get a pink ring two pixels wide, so that a
// single one shows on a whole screen.
void ringPixel(Image& picture, int x, int y) {
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= picture.width || py >= picture.height) continue;
      unsigned char* shown = &picture.rgba[(size_t(py) * picture.width + px) * 4];
      if (shown[0] == shown[1]) shown[0] = 255, shown[1] = 140, shown[2] = 160;
    }
  }
}

Comparison compare(const Image& reference, const Image& result, int tolerance) {
  Comparison out;
  out.picture = reference;
  out.left = reference.width;
  out.top = reference.height;
  std::vector<int> deltas(size_t(reference.width) * reference.height);
  for (size_t i = 0; i < deltas.size(); ++i) {
    deltas[i] = channelDelta(&reference.rgba[i * 4], &result.rgba[i * 4]);
    unsigned char* shown = &out.picture.rgba[i * 4];
    const int grey = (shown[0] * 3 + shown[1] * 6 + shown[2]) / 10;
    shown[0] = shown[1] = shown[2] = static_cast<unsigned char>(192 + grey / 4);
    shown[3] = 255;
  }
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      const int delta = deltas[size_t(y) * reference.width + x];
      out.largestDelta = std::max(out.largestDelta, delta);
      if (delta == 0) continue;
      if (delta <= tolerance) {
        ++out.within;
        continue;
      }
      ++out.beyond;
      ringPixel(out.picture, x, y);
      out.left = std::min(out.left, x), out.right = std::max(out.right, x);
      out.top = std::min(out.top, y), out.bottom = std::max(out.bottom, y);
    }
  }
  // The differing pixels themselves over the rings.
  for (size_t i = 0; i < deltas.size(); ++i) {
    unsigned char* shown = &out.picture.rgba[i * 4];
    if (deltas[i] > tolerance)
      shown[0] = 220, shown[1] = 0, shown[2] = 0;
    else if (deltas[i] > 0)
      shown[0] = 255, shown[1] = 150, shown[2] = 0;
  }
  return out;
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
  if (reference.width != result.width || reference.height != result.height) {
    std::printf("sizes differ: the reference is %dx%d, the result %dx%d\n", reference.width,
                reference.height, result.width, result.height);
    return 1;
  }

  const Comparison c = compare(reference, result, tolerance);
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
