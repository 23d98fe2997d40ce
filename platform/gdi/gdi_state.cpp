#include "gdi_state.h"

#include <map>
#include <set>

namespace gdi {
namespace {

struct LayerState {
  std::map<int32_t, POINTRECT> clipAreas;
  bool clipFillAnimation = false;
  int32_t target = 0;
  FONTHANDLE lastFont = 0;
  std::set<FONTHANDLE> loadedFonts;
};

LayerState& state() {
  static LayerState instance;
  return instance;
}

}  // namespace

std::optional<POINTRECT> clipArea(int32_t surface) {
  const auto found = state().clipAreas.find(surface);
  if (found == state().clipAreas.end()) return std::nullopt;
  return found->second;
}

void setClipArea(int32_t surface, const POINTRECT& area) { state().clipAreas[surface] = area; }

void removeClipArea(int32_t surface) { state().clipAreas.erase(surface); }

bool clipFillAnimation() { return state().clipFillAnimation; }

void setClipFillAnimation(bool on) { state().clipFillAnimation = on; }

int32_t targetSurface() { return state().target; }

void setTargetSurface(int32_t surface) { state().target = surface; }

FONTHANDLE addFontHandle() {
  LayerState& s = state();
  if (static_cast<int32_t>(s.loadedFonts.size()) >= kMaxLoadedFonts || s.lastFont == UINT32_MAX)
    return 0;
  s.loadedFonts.insert(++s.lastFont);
  return s.lastFont;
}

bool fontLoaded(FONTHANDLE font) { return state().loadedFonts.count(font) != 0; }

bool removeFontHandle(FONTHANDLE font) { return state().loadedFonts.erase(font) != 0; }

void resetState() { state() = LayerState{}; }

}  // namespace gdi
