#include "image_files.h"

#include <cstdio>
#include <fstream>

#include <jpeglib.h>

#include <unistd.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace tamri_test {
namespace {

std::vector<unsigned char> rgbaBytes(const TestImage& image) {
  std::vector<unsigned char> bytes;
  for (const uint32_t p : image.pixels) {
    bytes.insert(bytes.end(),
                 {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                  static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 24)});
  }
  return bytes;
}

void append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<size_t>(size));
}

uint32_t bigEndian(uint32_t value) {
  return (value >> 24) | ((value >> 8) & 0xFF00) | ((value << 8) & 0xFF0000) | (value << 24);
}

}  // namespace

std::string pngBytes(const TestImage& image) {
  std::string out;
  const std::vector<unsigned char> rgba = rgbaBytes(image);
  stbi_write_png_to_func(append, &out, image.width, image.height, 4, rgba.data(), image.width * 4);
  return out;
}

std::string bmpBytes(const TestImage& image) {
  std::string out;
  const std::vector<unsigned char> rgba = rgbaBytes(image);
  stbi_write_bmp_to_func(append, &out, image.width, image.height, 4, rgba.data());
  return out;
}

std::string jpegBytes(const TestImage& image, int quality) {
  std::string out;
  const std::vector<unsigned char> rgba = rgbaBytes(image);
  stbi_write_jpg_to_func(append, &out, image.width, image.height, 4, rgba.data(), quality);
  return out;
}

std::string cmykJpegBytes(int32_t width, int32_t height, const std::vector<uint8_t>& cmyk) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> inverted(cmyk.size());
  for (size_t i = 0; i < cmyk.size(); ++i) inverted[i] = static_cast<uint8_t>(255 - cmyk[i]);
  for (int32_t row = 0; row < height; ++row) {
    JSAMPROW line = inverted.data() + static_cast<size_t>(row) * width * 4;
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return out;
}

std::string pngHeaderBytes(int32_t width, int32_t height) {
  std::string out("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  const uint32_t size[2] = {bigEndian(static_cast<uint32_t>(width)),
                            bigEndian(static_cast<uint32_t>(height))};
  out.append(reinterpret_cast<const char*>(size), sizeof size);
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
