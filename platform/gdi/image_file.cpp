#include "image_file.h"

#include "stb_image_decoder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace gdi {
namespace {

enum class Format { Png, Bmp, Jpeg, Unknown };

// Told by the first bytes, so that a damaged file of a known kind is told
// from a file of a kind the layer does not read.
Format formatOf(std::string_view head) {
  if (head.substr(0, 8) == std::string_view("\x89PNG\r\n\x1A\n", 8)) return Format::Png;
  if (head.substr(0, 2) == "BM") return Format::Bmp;
  if (head.substr(0, 3) == "\xFF\xD8\xFF") return Format::Jpeg;
  return Format::Unknown;
}

uint32_t premultiplied(const unsigned char* rgba) {
  const uint32_t alpha = rgba[3];
  const auto scale = [alpha](uint32_t channel) { return (channel * alpha + 127) / 255; };
  return alpha << 24 | scale(rgba[0]) << 16 | scale(rgba[1]) << 8 | scale(rgba[2]);
}

struct RgbaRelease {
  void operator()(unsigned char* pixels) const { releaseRgba(pixels); }
};

bool isSurrogate(unichar unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
bool isHighSurrogate(unichar unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(unichar unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// False when the text holds a surrogate without its partner: no file name
// can be spelt with one.
bool wellFormed(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (!isSurrogate(text[i])) continue;
    if (!isHighSurrogate(text[i]) || i + 1 == text.size() || !isLowSurrogate(text[i + 1]))
      return false;
    ++i;
  }
  return true;
}

int32_t readWholeFile(const std::filesystem::path& path, std::string& bytes) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return OS_GX_IMAGE_FILE_MISSING;
  // Folders, devices and pipes are refused before they are opened: a pipe
  // or a device could block the caller or never end.
  if (error || status.type() != std::filesystem::file_type::regular)
    return OS_GX_IMAGE_FILE_UNREADABLE;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return OS_GX_IMAGE_FILE_UNREADABLE;
  if (size > OS_GX_IMAGE_MAX_FILE_BYTES) return OS_GX_IMAGE_TOO_LARGE;
  std::ifstream file(path, std::ios::binary);
  if (!file) return OS_GX_IMAGE_FILE_UNREADABLE;
  // Read in pieces up to one past the limit, so that a file that grew since
  // its size was taken is still measured by what it holds.
  constexpr size_t kPiece = 64 * 1024;
  bytes.clear();
  while (file && bytes.size() <= OS_GX_IMAGE_MAX_FILE_BYTES) {
    const size_t had = bytes.size();
    bytes.resize(had + kPiece);
    file.read(bytes.data() + had, kPiece);
    bytes.resize(had + static_cast<size_t>(file.gcount()));
  }
  if (file.bad()) return OS_GX_IMAGE_FILE_UNREADABLE;
  if (bytes.size() > OS_GX_IMAGE_MAX_FILE_BYTES) return OS_GX_IMAGE_TOO_LARGE;
  return OS_GX_IMAGE_OK;
}

}  // namespace

int32_t decodeImage(const uint8_t* bytes, size_t size, Image& out) {
  const std::string_view head(reinterpret_cast<const char*>(bytes),
                              bytes ? std::min<size_t>(size, 8) : 0);
  if (formatOf(head) == Format::Unknown) return OS_GX_IMAGE_UNSUPPORTED;
  if (size > OS_GX_IMAGE_MAX_FILE_BYTES) return OS_GX_IMAGE_TOO_LARGE;
  const int length = static_cast<int>(size);
  int width = 0, height = 0;
  if (!readImageSize(bytes, length, &width, &height) || width <= 0 || height <= 0)
    return OS_GX_IMAGE_DAMAGED;
  if (int64_t{width} * height > OS_GX_IMAGE_MAX_PIXELS) return OS_GX_IMAGE_TOO_LARGE;

  int decodedWidth = 0, decodedHeight = 0;
  const std::unique_ptr<unsigned char, RgbaRelease> rgba(
      decodeRgba(bytes, length, &decodedWidth, &decodedHeight));
  if (!rgba || decodedWidth != width || decodedHeight != height) return OS_GX_IMAGE_DAMAGED;

  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  out.width = width;
  out.height = height;
  out.pixels.resize(count);
  for (size_t i = 0; i < count; ++i) out.pixels[i] = premultiplied(rgba.get() + 4 * i);
  return OS_GX_IMAGE_OK;
}

int32_t loadImageFile(const unichar* path, Image& out) {
  const std::u16string_view text = path ? std::u16string_view(path) : std::u16string_view();
  if (text.empty()) return OS_GX_IMAGE_FILE_MISSING;
  if (!wellFormed(text)) return OS_GX_IMAGE_BAD_PATH;
  std::string bytes;
  const int32_t read = readWholeFile(std::filesystem::path(std::u16string(text)), bytes);
  if (read != OS_GX_IMAGE_OK) return read;
  return decodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

}  // namespace gdi
