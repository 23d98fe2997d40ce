// Fonts of the raster: a name is resolved through fontconfig to a family,
// weight and slant, which Pango lays text out in; characters the family
// lacks come from the other installed fonts, as fontconfig orders them. All
// fonts share one Pango context whose glyphs have crisp edges and whole-pixel
// metrics; smooth-edged twins of its Cairo fonts draw at the same places.
#pragma once

#include "osgx.h"

#include <cairo.h>
#include <pango/pango.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gdi::raster {

// What the three load bytes ask for.
struct FontRequest {
  int32_t pixelSize;  // em size in pixels
  int32_t weight;     // 100 (thin) to 900 (black), 400 regular, 700 bold
  int32_t slant;      // 0 upright, 1 italic, 2 oblique
};

// Byte 1: em size in pixels, 0 for 16. Byte 2: weight in hundreds (1 to 9,
// 0 for regular, above 9 as 9). Byte 3: 1 italic, 2 oblique, else upright.
FontRequest fontRequestOf(uint8_t sizeByte, uint8_t weightByte, uint8_t slantByte);

struct LoadedFont {
  PangoFontDescription* description = nullptr;  // family, weight, slant and pixel size
  int32_t ascent = 0;                           // whole pixels above the baseline
  int32_t descent = 0;                          // whole pixels below it
  int32_t pixelSize = 0;
  std::string file;       // the face that draws the family's own characters
  bool fallback = false;  // the name matched no face: the default face stands in
  bool syntheticBold = false;
  bool syntheticOblique = false;

  int32_t lineHeight() const { return ascent + descent; }
};

// Makes `handle` a loaded font; false when no face at all can be loaded.
bool loadFont(FONTHANDLE handle, const unichar* name, const FontRequest& request);
void unloadFont(FONTHANDLE handle);
// Null for a handle that is not loaded.
const LoadedFont* findFont(FONTHANDLE handle);
// Drops every loaded font; the font files in use stay as they are.
void resetFonts();

// The context every text is laid out in.
PangoContext* textContext();
// Changes whenever handles may stand for other fonts (a reset, other font
// files): what was laid out before is stale then.
uint64_t fontGeneration();
// The smooth-edged twin of one of the context's fonts, drawing its glyphs at
// the same places; null when Pango gives the font no Cairo font.
cairo_scaled_font_t* smoothTwin(PangoFont* font);

// True when the name resolves, without falling back, to a face whose OS/2
// table names Agfa ("AGFA") as its vendor.
bool isAgfaFont(const unichar* name);

// Restricts fonts to these files (an empty list: the system's fonts again).
void useFontFiles(const std::vector<std::string>& files);

// The face that stands in for names that match nothing.
inline constexpr const char* kFallbackFamily = "DejaVu Sans";

}  // namespace gdi::raster
