// stb_image's decoders, kept to one translation unit (stb_image_decoder.cpp):
// PNG, BMP and JPEG from memory only, as 8-bit RGBA.
#pragma once

namespace gdi {

// The size a file's header gives, or false when stb_image cannot read it.
bool readImageSize(const unsigned char* bytes, int size, int* width, int* height);
// The pixels, 4 bytes each (R, G, B, A), or null when decoding fails; free
// them with releaseRgba.
unsigned char* decodeRgba(const unsigned char* bytes, int size, int* width, int* height);
void releaseRgba(unsigned char* pixels);

}  // namespace gdi
