#include "image_files.h"

#include <cstdio>
#include <fstream>

#include <unistd.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace tamri_test {
namespace {

void append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<size_t>(size));
}

// The image in one of stb_image_write's formats: 'p'ng, 'b'mp or 'j'peg.
std::string encoded(const TestImage& image, char format, int quality = 0) {
  std::vector<unsigned char> rgba;
  for (const uint32_t p : image.pixels)
    rgba.insert(rgba.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
  std::string out;
  const int w = image.width, h = image.height;
  if (format == 'p') stbi_write_png_to_func(append, &out, w, h, 4, rgba.data(), w * 4);
  if (format == 'b') stbi_write_bmp_to_func(append, &out, w, h, 4, rgba.data());
  if (format == 'j') stbi_write_jpg_to_func(append, &out, w, h, 4, rgba.data(), quality);
  return out;
}

}  // namespace

std::string pngBytes(const TestImage& image) { return encoded(image, 'p'); }
std::string bmpBytes(const TestImage& image) { return encoded(image, 'b'); }
std::string jpegBytes(const TestImage& image, int quality) { return encoded(image, 'j', quality); }

std::string pngHeaderBytes(int32_t width, int32_t height) {
  std::string out("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  for (const uint32_t side : {uint32_t(width), uint32_t(height)})
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(side >> shift);
  out.append("\x08\x06\0\0\0", 5);  // 8-bit RGBA, no interlace
  out.append("\0\0\0\0", 4);        // the checksum is not checked
  return out;
}

TempFolder::TempFolder() {
  static int made = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("tamri_images_" + std::to_string(getpid()) + "_" + std::to_string(++made));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

}  // namespace tamri_test
