#include "raster_fonts.h"

#include "utf_text.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace gdi::raster {
namespace {

constexpr int32_t kDefaultPixelSize = 16;
// Slant of synthetic oblique faces: x moves by this much of the height.
constexpr double kObliqueShear = 0.2;
// Longest name looked at; the module's names are far shorter.
constexpr size_t kNameLimit = 4096;
// Resolved names remembered before the memory is cleared and started again.
constexpr size_t kResolvedLimit = 256;

// Names fontconfig maps to a face of its choosing.
constexpr std::array<const char*, 8> kGenericFamilies = {
    "sans-serif", "sans", "serif", "monospace", "mono", "system-ui", "cursive", "fantasy"};

// Where a name leads: a font file and what the face there offers.
struct ResolvedFace {
  std::string file;
  int32_t index = 0;
  bool fallback = false;
  bool bold = false;    // the face itself is bold (or heavier)
  bool sloped = false;  // the face itself is italic or oblique
  bool found = false;
};

using ResolveKey = std::tuple<std::string, int32_t, int32_t>;

void release(LoadedFont& font);

struct FontLibrary {
  FcConfig* pinned = nullptr;  // only the pinned files; null: the system's fonts
  std::map<ResolveKey, ResolvedFace> resolved;
  std::map<std::string, bool> agfaByFile;
  std::map<FONTHANDLE, LoadedFont> loaded;

  // fontconfig keeps its patterns through offsets that leak checkers cannot
  // follow: everything it holds is handed back when the process ends.
  ~FontLibrary() {
    for (auto& [handle, font] : loaded) release(font);
    if (pinned) FcConfigDestroy(pinned);
    FcFini();
  }
};

FontLibrary& library() {
  static FontLibrary instance;
  return instance;
}

FcConfig* fontConfig() { return library().pinned ? library().pinned : FcConfigGetCurrent(); }

std::string utf8Name(const unichar* name) {
  if (!name) return {};
  size_t length = 0;
  while (length < kNameLimit && name[length] != 0) ++length;
  return morv::toUtf8(name, length);
}

bool isGenericFamily(const std::string& name) {
  return std::any_of(kGenericFamilies.begin(), kGenericFamilies.end(), [&](const char* generic) {
    return FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8*>(generic),
                              reinterpret_cast<const FcChar8*>(name.c_str())) == 0;
  });
}

// Family names compare as fontconfig compares them: blanks and ASCII case
// do not count ("dejavusans" names "DejaVu Sans").
std::string familyKey(const char* name) {
  std::string key;
  for (const char* c = name; *c; ++c) {
    if (*c != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  }
  return key;
}

bool hasFamily(FcPattern* face, const std::string& family) {
  const std::string wanted = familyKey(family.c_str());
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(face, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
    if (familyKey(reinterpret_cast<const char*>(value)) == wanted) return true;
  }
  return false;
}

ResolvedFace faceOf(FcPattern* face, bool fallback) {
  ResolvedFace result;
  FcChar8* file = nullptr;
  if (!face || FcPatternGetString(face, FC_FILE, 0, &file) != FcResultMatch) return result;
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(face, FC_INDEX, 0, &index);
  FcPatternGetInteger(face, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(face, FC_SLANT, 0, &slant);
  result.file = reinterpret_cast<const char*>(file);
  result.index = index;
  result.fallback = fallback;
  result.bold = weight >= FC_WEIGHT_DEMIBOLD;
  result.sloped = slant != FC_SLANT_ROMAN;
  result.found = true;
  return result;
}

// fontconfig's best face for the family, weight and slant; null when it has none.
FcPattern* bestMatch(const std::string& family, const FontRequest& request) {
  FcPattern* wanted = FcPatternCreate();
  if (!family.empty())
    FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(wanted, FC_WEIGHT, FcWeightFromOpenType(request.weight));
  FcPatternAddInteger(wanted, FC_SLANT,
                      request.slant == 1   ? FC_SLANT_ITALIC
                      : request.slant == 2 ? FC_SLANT_OBLIQUE
                                           : FC_SLANT_ROMAN);
  FcConfigSubstitute(fontConfig(), wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(fontConfig(), wanted, &result);
  FcPatternDestroy(wanted);
  return match;
}

// A name that starts with '/' is a font file of its own.
ResolvedFace resolveFile(const std::string& path) {
  int count = 0;
  FcPattern* face =
      FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(path.c_str()), 0, nullptr, &count);
  ResolvedFace result = faceOf(face, false);
  if (face) FcPatternDestroy(face);
  return result;
}

ResolvedFace resolveFamily(const std::string& name, const FontRequest& request) {
  if (!name.empty()) {
    FcPattern* match = bestMatch(name, request);
    const bool named = match && (hasFamily(match, name) || isGenericFamily(name));
    ResolvedFace result = named ? faceOf(match, false) : ResolvedFace{};
    if (match) FcPatternDestroy(match);
    if (result.found) return result;
  }
  // Names that match nothing get the default face, or whatever fontconfig
  // offers when even that is missing.
  FcPattern* match = bestMatch(kFallbackFamily, request);
  ResolvedFace result = faceOf(match, true);
  if (match) FcPatternDestroy(match);
  return result;
}

ResolvedFace resolve(const std::string& name, const FontRequest& request) {
  FontLibrary& lib = library();
  const ResolveKey key{name, request.weight, request.slant};
  if (const auto known = lib.resolved.find(key); known != lib.resolved.end()) return known->second;
  ResolvedFace result;
  if (!name.empty() && name.front() == '/') result = resolveFile(name);
  if (!result.found) result = resolveFamily(name, request);
  if (lib.resolved.size() >= kResolvedLimit) lib.resolved.clear();
  lib.resolved.emplace(key, result);
  return result;
}

cairo_scaled_font_t* scaledFont(cairo_font_face_t* face, const FontRequest& request, bool oblique,
                                cairo_antialias_t antialias) {
  cairo_matrix_t fontMatrix;
  const double size = request.pixelSize;
  // Glyph y grows downwards, so the top of a glyph (negative y) leans right.
  cairo_matrix_init(&fontMatrix, size, 0, oblique ? -kObliqueShear * size : 0, size, 0, 0);
  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, antialias);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  // Whole-pixel advances and extents: text measures in whole pixels.
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_scaled_font_t* font = cairo_scaled_font_create(face, &fontMatrix, &identity, options);
  cairo_font_options_destroy(options);
  if (cairo_scaled_font_status(font) != CAIRO_STATUS_SUCCESS) {
    cairo_scaled_font_destroy(font);
    return nullptr;
  }
  return font;
}

void release(LoadedFont& font) {
  if (font.crisp) cairo_scaled_font_destroy(font.crisp);
  if (font.smooth) cairo_scaled_font_destroy(font.smooth);
}

// A file FreeType cannot read leaves the face without glyphs or extents.
bool faceReadable(cairo_scaled_font_t* font) {
  FT_Face face = cairo_ft_scaled_font_lock_face(font);
  if (face) cairo_ft_scaled_font_unlock_face(font);
  return face != nullptr;
}

// Builds the font from a resolved face; false when Cairo cannot use it.
bool makeFont(const ResolvedFace& face, const FontRequest& request, LoadedFont& font) {
  font.file = face.file;
  font.pixelSize = request.pixelSize;
  font.fallback = face.fallback;
  font.syntheticBold = request.weight >= 600 && !face.bold;
  font.syntheticOblique = request.slant != 0 && !face.sloped;

  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(face.file.c_str()));
  FcPatternAddInteger(pattern, FC_INDEX, face.index);
  FcPatternAddBool(pattern, FC_EMBOLDEN, font.syntheticBold ? FcTrue : FcFalse);
  cairo_font_face_t* fontFace = cairo_ft_font_face_create_for_pattern(pattern);
  FcPatternDestroy(pattern);
  font.crisp = scaledFont(fontFace, request, font.syntheticOblique, CAIRO_ANTIALIAS_NONE);
  font.smooth = scaledFont(fontFace, request, font.syntheticOblique, CAIRO_ANTIALIAS_GRAY);
  cairo_font_face_destroy(fontFace);  // the scaled fonts keep it
  if (!font.crisp || !font.smooth || !faceReadable(font.crisp)) {
    release(font);
    return false;
  }
  cairo_font_extents_t extents;
  cairo_scaled_font_extents(font.crisp, &extents);
  font.ascent = std::max(0, static_cast<int32_t>(std::ceil(extents.ascent)));
  font.descent = std::max(0, static_cast<int32_t>(std::ceil(extents.descent)));
  if (font.lineHeight() < 1) font.descent = 1;
  return true;
}

bool readAgfaVendor(const ResolvedFace& face) {
  static FT_Library freetype = [] {
    FT_Library made = nullptr;
    return FT_Init_FreeType(&made) == 0 ? made : nullptr;
  }();
  FT_Face ftFace = nullptr;
  if (!freetype || FT_New_Face(freetype, face.file.c_str(), face.index, &ftFace) != 0) return false;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ftFace, FT_SFNT_OS2));
  const bool agfa = FT_IS_SCALABLE(ftFace) && os2 && std::memcmp(os2->achVendID, "AGFA", 4) == 0;
  FT_Done_Face(ftFace);
  return agfa;
}

}  // namespace

FontRequest fontRequestOf(uint8_t sizeByte, uint8_t weightByte, uint8_t slantByte) {
  FontRequest request;
  request.pixelSize = sizeByte == 0 ? kDefaultPixelSize : sizeByte;
  request.weight = weightByte == 0 ? 400 : std::min<int32_t>(weightByte, 9) * 100;
  request.slant = slantByte == 1 || slantByte == 2 ? slantByte : 0;
  return request;
}

bool loadFont(FONTHANDLE handle, const unichar* name, const FontRequest& request) {
  const ResolvedFace face = resolve(utf8Name(name), request);
  if (!face.found) return false;
  LoadedFont font;
  if (!makeFont(face, request, font)) return false;
  FontLibrary& lib = library();
  if (auto old = lib.loaded.find(handle); old != lib.loaded.end()) {
    release(old->second);
    lib.loaded.erase(old);
  }
  lib.loaded.emplace(handle, std::move(font));
  return true;
}

void unloadFont(FONTHANDLE handle) {
  FontLibrary& lib = library();
  const auto found = lib.loaded.find(handle);
  if (found == lib.loaded.end()) return;
  release(found->second);
  lib.loaded.erase(found);
}

const LoadedFont* findFont(FONTHANDLE handle) {
  const auto found = library().loaded.find(handle);
  return found == library().loaded.end() ? nullptr : &found->second;
}

void resetFonts() {
  for (auto& [handle, font] : library().loaded) release(font);
  library().loaded.clear();
}

bool isAgfaFont(const unichar* name) {
  const ResolvedFace face = resolve(utf8Name(name), fontRequestOf(0, 0, 0));
  if (!face.found || face.fallback) return false;
  FontLibrary& lib = library();
  const std::string key = face.file + "#" + std::to_string(face.index);
  if (const auto known = lib.agfaByFile.find(key); known != lib.agfaByFile.end())
    return known->second;
  const bool agfa = readAgfaVendor(face);
  if (lib.agfaByFile.size() >= kResolvedLimit) lib.agfaByFile.clear();
  lib.agfaByFile.emplace(key, agfa);
  return agfa;
}

void useFontFiles(const std::vector<std::string>& files) {
  FontLibrary& lib = library();
  if (lib.pinned) FcConfigDestroy(lib.pinned);
  lib.pinned = nullptr;
  lib.resolved.clear();
  lib.agfaByFile.clear();
  if (files.empty()) return;
  lib.pinned = FcConfigCreate();
  for (const std::string& file : files)
    FcConfigAppFontAddFile(lib.pinned, reinterpret_cast<const FcChar8*>(file.c_str()));
}

}  // namespace gdi::raster
