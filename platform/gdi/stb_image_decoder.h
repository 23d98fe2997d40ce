// stb_image's decoders, kept to one translation unit (stb_image_decoder.cpp):
// PNG and BMP from memory only, as 8-bit RGBA. (Its JPEG decoder, as Debian
// ships it, reads and writes past its Huffman tables on damaged files;
// JPEG goes through libjpeg-turbo instead, jpeg_decoder.h.)
#pragma once

namespace gdi {

// The size a file's header gives, or false when stb_image cannot read it.
bool readImageSize(const unsigned char* bytes, int size, int* width, int* height);
// The pixels, 4 bytes each (R, G, B, A), or null when decoding fails; free
// them with releaseRgba.
unsigned char* decodeRgba(const unsigned char* bytes, int size, int* width, int* height);
void releaseRgba(unsigned char* pixels);

}  // namespace gdi
