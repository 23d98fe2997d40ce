#include "raster_fonts.h"

#include "utf_text.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>
#include <pango/pangofc-fontmap.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

namespace gdi::raster {
namespace {

constexpr int32_t kDefaultPixelSize = 16;
// Longest name looked at; the module's names are far shorter.
constexpr size_t kNameLimit = 4096;
// Resolved names (and smooth twins) remembered before the memory is cleared
// and started again.
constexpr size_t kResolvedLimit = 256;

// Names fontconfig maps to a face of its choosing.
constexpr std::array<const char*, 8> kGenericFamilies = {
    "sans-serif", "sans", "serif", "monospace", "mono", "system-ui", "cursive", "fantasy"};

// Faces lighter than semi-bold are emboldened when 600 or more is asked for;
// upright faces lean right by a fifth of their height when a slant is asked
// for. As rules of the layer's own fontconfig set, they hold for the faces
// that characters fall back to as well.
constexpr const char* kSyntheticFaces = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="slant"><const>roman</const></test>
    <test target="pattern" name="slant" compare="not_eq"><const>roman</const></test>
    <edit name="matrix" mode="assign">
      <times><name>matrix</name>
        <matrix><double>1</double><double>0.2</double><double>0</double><double>1</double></matrix>
      </times>
    </edit>
    <edit name="slant" mode="assign"><const>oblique</const></edit>
  </match>
  <match target="font">
    <test name="weight" compare="less"><const>demibold</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>demibold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
</fontconfig>)";

// Where a name leads: a family and the font file fontconfig picks for it.
struct ResolvedFace {
  std::string family;
  std::string file;
  int32_t index = 0;
  bool fallback = false;
  bool found = false;
};

using ResolveKey = std::tuple<std::string, int32_t, int32_t>;

void release(LoadedFont& font) {
  if (font.description) pango_font_description_free(font.description);
  font.description = nullptr;
}

struct FontLibrary {
  std::vector<std::string> pinnedFiles;  // empty: the system's fonts
  FcConfig* config = nullptr;            // made on first use
  PangoFontMap* fontMap = nullptr;
  PangoContext* context = nullptr;
  uint64_t generation = 0;
  std::set<std::string> addedFiles;  // font files named by path, joined to the set
  std::map<ResolveKey, ResolvedFace> resolved;
  std::map<std::string, bool> agfaByFile;
  std::map<FONTHANDLE, LoadedFont> loaded;
  std::map<cairo_scaled_font_t*, cairo_scaled_font_t*> smooth;

  void dropSmoothTwins() {
    for (auto& [crisp, twin] : smooth) {
      cairo_scaled_font_destroy(twin);
      cairo_scaled_font_destroy(crisp);
    }
    smooth.clear();
  }
  // Forgets the font set; the next use makes it again.
  void dropFontSet() {
    dropSmoothTwins();
    if (context) g_object_unref(context);
    if (fontMap) g_object_unref(fontMap);
    if (config) FcConfigDestroy(config);
    context = nullptr, fontMap = nullptr, config = nullptr;
    addedFiles.clear();
    resolved.clear();
    agfaByFile.clear();
    ++generation;
  }

  // fontconfig's own caches stay: Cairo may still hold faces made from them
  // when the process ends.
  ~FontLibrary() {
    for (auto& [handle, font] : loaded) release(font);
    dropFontSet();
  }
};

FontLibrary& library() {
  static FontLibrary instance;
  return instance;
}

// The layer's fontconfig set: the system's fonts or the pinned files, with
// the rules for synthetic faces; Pango lays out and falls back within it.
FontLibrary& fontSet() {
  FontLibrary& lib = library();
  if (lib.context) return lib;
  if (lib.pinnedFiles.empty()) {
    lib.config = FcInitLoadConfigAndFonts();
  } else {
    lib.config = FcConfigCreate();
    for (const std::string& file : lib.pinnedFiles)
      FcConfigAppFontAddFile(lib.config, reinterpret_cast<const FcChar8*>(file.c_str()));
  }
  FcConfigParseAndLoadFromMemory(lib.config, reinterpret_cast<const FcChar8*>(kSyntheticFaces),
                                 FcTrue);
  lib.fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(lib.fontMap), lib.config);
  lib.context = pango_font_map_create_context(lib.fontMap);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  // Whole-pixel advances and extents: text measures in whole pixels.
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(lib.context, options);
  cairo_font_options_destroy(options);
  return lib;
}

FcConfig* fontConfig() { return fontSet().config; }

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
  FcChar8* family = nullptr;
  if (!face || FcPatternGetString(face, FC_FILE, 0, &file) != FcResultMatch ||
      FcPatternGetString(face, FC_FAMILY, 0, &family) != FcResultMatch)
    return result;
  int index = 0;
  FcPatternGetInteger(face, FC_INDEX, 0, &index);
  result.family = reinterpret_cast<const char*>(family);
  result.file = reinterpret_cast<const char*>(file);
  result.index = index;
  result.fallback = fallback;
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
  FontLibrary& lib = fontSet();
  const ResolveKey key{name, request.weight, request.slant};
  if (const auto known = lib.resolved.find(key); known != lib.resolved.end()) return known->second;
  ResolvedFace result;
  if (!name.empty() && name.front() == '/') result = resolveFile(name);
  if (!result.found) result = resolveFamily(name, request);
  if (lib.resolved.size() >= kResolvedLimit) lib.resolved.clear();
  lib.resolved.emplace(key, result);
  return result;
}

// A font file named by its path joins the set, so that Pango finds its family.
void joinFontSet(const std::string& file) {
  FontLibrary& lib = fontSet();
  if (!lib.addedFiles.insert(file).second) return;
  FcConfigAppFontAddFile(lib.config, reinterpret_cast<const FcChar8*>(file.c_str()));
  pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(lib.fontMap));
  ++lib.generation;
}

PangoFontDescription* describe(const std::string& family, const FontRequest& request) {
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, family.c_str());
  pango_font_description_set_weight(description, static_cast<PangoWeight>(request.weight));
  pango_font_description_set_style(description, request.slant == 1   ? PANGO_STYLE_ITALIC
                                                : request.slant == 2 ? PANGO_STYLE_OBLIQUE
                                                                     : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(description, request.pixelSize * PANGO_SCALE);
  return description;
}

// A file FreeType cannot read leaves the face without glyphs or extents.
bool faceReadable(cairo_scaled_font_t* font) {
  if (!font || cairo_scaled_font_status(font) != CAIRO_STATUS_SUCCESS) return false;
  FT_Face face = cairo_ft_scaled_font_lock_face(font);
  if (face) cairo_ft_scaled_font_unlock_face(font);
  return face != nullptr;
}

// Fills in the font from the face Pango picks for its description; false
// when Cairo cannot use that face.
bool describePrimaryFace(LoadedFont& font) {
  PangoFont* primary = pango_context_load_font(fontSet().context, font.description);
  if (!primary) return false;
  cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(primary));
  const bool readable = faceReadable(scaled);
  if (readable) {
    cairo_font_extents_t extents;
    cairo_scaled_font_extents(scaled, &extents);
    font.ascent = std::max(0, static_cast<int32_t>(std::ceil(extents.ascent)));
    font.descent = std::max(0, static_cast<int32_t>(std::ceil(extents.descent)));
    if (font.lineHeight() < 1) font.descent = 1;
    FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(primary));
    FcChar8* file = nullptr;
    FcBool embolden = FcFalse;
    FcMatrix* matrix = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) == FcResultMatch)
      font.file = reinterpret_cast<const char*>(file);
    FcPatternGetBool(pattern, FC_EMBOLDEN, 0, &embolden);
    font.syntheticBold = embolden == FcTrue;
    font.syntheticOblique =
        FcPatternGetMatrix(pattern, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix->xy != 0;
  }
  g_object_unref(primary);
  return readable;
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
  const std::string utf8 = utf8Name(name);
  const ResolvedFace face = resolve(utf8, request);
  if (!face.found) return false;
  if (!face.fallback && utf8.starts_with('/')) joinFontSet(face.file);
  LoadedFont font;
  font.pixelSize = request.pixelSize;
  font.fallback = face.fallback;
  font.description = describe(face.family, request);
  if (!describePrimaryFace(font)) {
    release(font);
    return false;
  }
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
  FontLibrary& lib = library();
  for (auto& [handle, font] : lib.loaded) release(font);
  lib.loaded.clear();
  ++lib.generation;
}

PangoContext* textContext() { return fontSet().context; }

uint64_t fontGeneration() { return library().generation; }

cairo_scaled_font_t* smoothTwin(PangoFont* font) {
  cairo_scaled_font_t* crisp = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font));
  if (!crisp) return nullptr;
  FontLibrary& lib = library();
  if (const auto known = lib.smooth.find(crisp); known != lib.smooth.end()) return known->second;
  if (lib.smooth.size() >= kResolvedLimit) lib.dropSmoothTwins();
  // The face's own pattern says crisp, and Cairo lets that win over the
  // options of the scaled font: the twin gets a face of its own.
  FcPattern* pattern = FcPatternDuplicate(pango_fc_font_get_pattern(PANGO_FC_FONT(font)));
  FcPatternDel(pattern, FC_ANTIALIAS);
  FcPatternAddBool(pattern, FC_ANTIALIAS, FcTrue);
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
  FcPatternDestroy(pattern);
  cairo_matrix_t fontMatrix, ctm;
  cairo_scaled_font_get_font_matrix(crisp, &fontMatrix);
  cairo_scaled_font_get_ctm(crisp, &ctm);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_scaled_font_get_font_options(crisp, options);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_scaled_font_t* twin = cairo_scaled_font_create(face, &fontMatrix, &ctm, options);
  cairo_font_options_destroy(options);
  cairo_font_face_destroy(face);  // the scaled font keeps it
  if (cairo_scaled_font_status(twin) != CAIRO_STATUS_SUCCESS) {
    cairo_scaled_font_destroy(twin);
    return nullptr;
  }
  lib.smooth.emplace(cairo_scaled_font_reference(crisp), twin);
  return twin;
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
  lib.dropFontSet();
  lib.pinnedFiles = files;
}

}  // namespace gdi::raster
