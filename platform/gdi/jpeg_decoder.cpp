#include "jpeg_decoder.h"

#if GDI_WITH_JPEG

#include <bit>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace gdi {
namespace {

constexpr int kMaxScans = 500;

struct Decoder {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  std::jmp_buf failure;
  bool warned = false;
};

Decoder& decoderOf(j_common_ptr info) { return *static_cast<Decoder*>(info->client_data); }

[[noreturn]] void fail(j_common_ptr info) { std::longjmp(decoderOf(info).failure, 1); }

// Level -1 is a warning about the data: the file is damaged.
void noteMessage(j_common_ptr info, int level) {
  if (level < 0) decoderOf(info).warned = true;
}

void limitScans(j_common_ptr info) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) fail(info);
}

// The Adobe way of storing CMYK inverts every channel.
uint32_t fromCmyk(const unsigned char* cmyk, bool inverted) {
  const auto channel = [&](int i) { return inverted ? cmyk[i] : 255u - cmyk[i]; };
  const uint32_t k = channel(3);
  return 0xFF000000u | (channel(0) * k / 255) << 16 | (channel(1) * k / 255) << 8 |
         channel(2) * k / 255;
}

// Runs after the header is read: no object with a destructor may live in
// this frame, since a failure jumps out of it. CMYK rows are read into the
// spare row after the image and converted into place.
int32_t readPixels(Decoder& d, Image& out) {
  jpeg_start_decompress(&d.info);
  const bool cmyk = d.info.out_color_space == JCS_CMYK;
  auto* cmykRow = reinterpret_cast<unsigned char*>(out.pixels.data() +
                                                   static_cast<size_t>(out.width) * out.height);
  while (d.info.output_scanline < d.info.output_height) {
    uint32_t* row = out.pixels.data() + static_cast<size_t>(d.info.output_scanline) * out.width;
    JSAMPROW target = cmyk ? cmykRow : reinterpret_cast<JSAMPROW>(row);
    jpeg_read_scanlines(&d.info, &target, 1);
    if (cmyk) {
      for (int32_t x = 0; x < out.width; ++x)
        row[x] = fromCmyk(cmykRow + 4 * x, d.info.saw_Adobe_marker);
    }
  }
  jpeg_finish_decompress(&d.info);
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  return d.warned ? OS_GX_IMAGE_DAMAGED : OS_GX_IMAGE_OK;
}

}  // namespace

int32_t decodeJpeg(const uint8_t* bytes, size_t size, Image& out) {
  // Only `d` and `out` outlive a failure; neither is rebuilt after setjmp.
  Decoder d;
  d.info.err = jpeg_std_error(&d.errors);
  d.errors.error_exit = fail;
  d.errors.emit_message = noteMessage;
  d.progress.progress_monitor = limitScans;
  jpeg_create_decompress(&d.info);
  d.info.client_data = &d;
  d.info.progress = &d.progress;
  if (setjmp(d.failure)) {
    jpeg_destroy_decompress(&d.info);
    return OS_GX_IMAGE_DAMAGED;
  }
  jpeg_mem_src(&d.info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&d.info, TRUE);
  const int32_t width = static_cast<int32_t>(d.info.image_width);
  const int32_t height = static_cast<int32_t>(d.info.image_height);
  int32_t result = OS_GX_IMAGE_TOO_LARGE;
  if (imageSizeAllowed(width, height)) {
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space =
        cmyk ? JCS_CMYK
             : (std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB);
    out.width = width;
    out.height = height;
    try {
      // One spare row: room for a CMYK row (4 bytes a pixel) before conversion.
      out.pixels.assign(static_cast<size_t>(width) * (static_cast<size_t>(height) + 1), 0);
    } catch (...) {
      jpeg_destroy_decompress(&d.info);
      throw;
    }
    result = readPixels(d, out);
  }
  jpeg_destroy_decompress(&d.info);
  return result;
}

}  // namespace gdi

#else

namespace gdi {

int32_t decodeJpeg(const uint8_t*, size_t, Image&) { return OS_GX_IMAGE_UNSUPPORTED; }

}  // namespace gdi

#endif
