#include "stb_image_decoder.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#include <stb_image.h>

namespace gdi {

bool readImageSize(const unsigned char* bytes, int size, int* width, int* height) {
  int channels = 0;
  return stbi_info_from_memory(bytes, size, width, height, &channels) != 0;
}

unsigned char* decodeRgba(const unsigned char* bytes, int size, int* width, int* height) {
  int channels = 0;
  return stbi_load_from_memory(bytes, size, width, height, &channels, 4);
}

void releaseRgba(unsigned char* pixels) { stbi_image_free(pixels); }

}  // namespace gdi
