// Image files for the image tests, written on the spot: PNG, BMP and JPEG of
// given pixels (stb_image_write), and damaged or oversized ones.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tamri_test {

// Pixels as 0xAARRGGBB words (not premultiplied), rows top to bottom.
struct TestImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

std::string pngBytes(const TestImage& image);
std::string bmpBytes(const TestImage& image);  // 24-bit: alpha is dropped
std::string jpegBytes(const TestImage& image, int quality);
// The first part of a PNG file whose header gives this size.
std::string pngHeaderBytes(int32_t width, int32_t height);

// A folder of its own under the system's temporary folder, removed with it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Writes `bytes` to a file of that name in the folder; its full path.
  std::filesystem::path write(const std::string& name, const std::string& bytes) const;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tamri_test
