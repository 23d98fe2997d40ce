#include "image_file.h"

#include "jpeg_decoder.h"
#include "stb_image_decoder.h"

#include <algorithm>
#include <cstdlib>
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

uint32_t littleEndian(const uint8_t* bytes, size_t size, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i)
    value |= static_cast<uint32_t>(at + i < size ? bytes[at + i] : 0) << (8 * i);
  return value;
}

// False when an uncompressed BMP file ends before its last row: stb_image
// would read the missing rows as black.
bool bmpPixelsPresent(const uint8_t* bytes, size_t size) {
  const uint32_t dataOffset = littleEndian(bytes, size, 10, 4);
  const uint32_t headerSize = littleEndian(bytes, size, 14, 4);
  const bool core = headerSize == 12;
  const int64_t width = core ? littleEndian(bytes, size, 18, 2)
                             : static_cast<int32_t>(littleEndian(bytes, size, 18, 4));
  const int64_t height = core ? littleEndian(bytes, size, 20, 2)
                              : static_cast<int32_t>(littleEndian(bytes, size, 22, 4));
  const int64_t bitsPerPixel = littleEndian(bytes, size, core ? 24 : 28, 2);
  const uint32_t compression = core ? 0 : littleEndian(bytes, size, 30, 4);
  // 0 plain, 3 and 6 bit fields; the other kinds are compressed.
  if (compression != 0 && compression != 3 && compression != 6) return true;
  const int64_t rowBytes = (std::abs(width) * bitsPerPixel + 31) / 32 * 4;
  return int64_t{dataOffset} + rowBytes * std::abs(height) <= static_cast<int64_t>(size);
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
  const Format format = formatOf(head);
  if (format == Format::Unknown) return OS_GX_IMAGE_UNSUPPORTED;
  if (size > OS_GX_IMAGE_MAX_FILE_BYTES) return OS_GX_IMAGE_TOO_LARGE;
  if (format == Format::Jpeg) return decodeJpeg(bytes, size, out);
  const int length = static_cast<int>(size);
  int width = 0, height = 0;
  if (!readImageSize(bytes, length, &width, &height) || width <= 0 || height <= 0)
    return OS_GX_IMAGE_DAMAGED;
  if (!imageSizeAllowed(width, height)) return OS_GX_IMAGE_TOO_LARGE;
  if (format == Format::Bmp && !bmpPixelsPresent(bytes, size)) return OS_GX_IMAGE_DAMAGED;

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
