// How the panel's graphic classes show an object in each display state. The
// plain, reversed, disabled and secured variants draw the object with its
// own draw native, the reversed and disabled ones with their colours changed
// for the while; the background and the bad-quality mark are drawn here.
#include "host_methods.h"
#include "osgx.h"

#include <array>

namespace vmhost::host_methods {
namespace {

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";
constexpr int32_t kNoColour = INT32_MIN;
constexpr int32_t kMarkRed = 0xE00000;
constexpr int32_t kSecuredGrey = 0x808080;
constexpr int8_t kSolid = 1;
constexpr int8_t kDashed = 2;
constexpr int8_t kCrossHatch = 6;
constexpr int8_t kDiagonalCrossHatch = 7;

bool isColour(int32_t colour) { return colour >= 0; }

// Reverse video: each colour turned into its complement.
int32_t inverted(int32_t colour) { return isColour(colour) ? colour ^ 0xFFFFFF : colour; }

// A light grey as bright as the colour, washed out.
int32_t greyed(int32_t colour) {
  if (!isColour(colour)) return colour;
  const int32_t luma =
      (((colour >> 16) & 0xFF) * 30 + ((colour >> 8) & 0xFF) * 59 + (colour & 0xFF) * 11) / 100;
  const int32_t level = 0x70 + luma / 2;
  return level << 16 | level << 8 | level;
}

void drawWithOwnNative(jword self, uint32_t surface) {
  const std::array<uint32_t, 1> one{surface};
  const std::array<uint32_t, 2> two{surface, 0};
  if (!callOwnNative(self, "draw(I)V", one) && !callOwnNative(self, "drawPolygon(I)V", one))
    callOwnNative(self, "draw(II)V", two);
}

// Draws with the line and fill colours changed, then puts them back.
void drawWithColours(jword self, uint32_t surface, int32_t (*change)(int32_t)) {
  const int32_t line = field(self, "lineColor"), fill = field(self, "fillColor");
  setField(self, "lineColor", change(line));
  setField(self, "fillColor", change(fill));
  drawWithOwnNative(self, surface);
  setField(self, "lineColor", line);
  setField(self, "fillColor", fill);
}

// Covers the bounding rectangle with hatch lines that let the object show.
void hatchOver(jword self, int32_t colour, int8_t hatch) {
  osGXfillRectangle(field(self, "x1"), field(self, "y1"), field(self, "x2"), field(self, "y2"), 0,
                    colour, hatch, kNoColour, 0, 0, 0);
}

uint32_t surfaceOf(std::span<const uint32_t> scalars) { return scalars.empty() ? 0 : scalars[0]; }

jword draw(jword self, std::span<const uint32_t> scalars) {
  drawWithOwnNative(self, surfaceOf(scalars));
  return 0;
}

jword drawReverse(jword self, std::span<const uint32_t> scalars) {
  drawWithColours(self, surfaceOf(scalars), inverted);
  return 0;
}

jword drawDisabled(jword self, std::span<const uint32_t> scalars) {
  drawWithColours(self, surfaceOf(scalars), greyed);
  return 0;
}

// Drawn, then hatched over in grey: the operator may not use it.
jword drawSecured(jword self, std::span<const uint32_t> scalars) {
  drawWithOwnNative(self, surfaceOf(scalars));
  hatchOver(self, kSecuredGrey, kCrossHatch);
  return 0;
}

// The bounding rectangle filled in the object's background colour.
jword drawBackground(jword self, std::span<const uint32_t>) {
  if (field(self, "hasBackground") == 0) return 0;
  const int32_t back = field(self, "backColor");
  osGXfillRectangle(field(self, "x1"), field(self, "y1"), field(self, "x2"), field(self, "y2"), 0,
                    back, kSolid, back, 0, 0, 0);
  return 0;
}

// A red diagonal hatch and a dashed red frame over what was drawn.
jword drawBadQuality(jword self, std::span<const uint32_t>) {
  hatchOver(self, kMarkRed, kDiagonalCrossHatch);
  osGXdrawRectangle(field(self, "x1"), field(self, "y1"), field(self, "x2"), field(self, "y2"), 1,
                    kDashed, kMarkRed, kNoColour, 0, 0, 0);
  return 0;
}

}  // namespace

void installDisplayMethods() {
  setHostMethod(kGraphics, "draw(I)V", draw);
  setHostMethod(kGraphics, "drawReverse(I)V", drawReverse);
  setHostMethod(kGraphics, "drawDisabled(I)V", drawDisabled);
  setHostMethod(kGraphics, "drawSecured(I)V", drawSecured);
  setHostMethod(kGraphics, "drawBackground(I)V", drawBackground);
  setHostMethod(kGraphics, "drawBadQuality(I)V", drawBadQuality);
}

}  // namespace vmhost::host_methods
