// Field layouts of the VM classes whose fields the module reads or writes.
// The module addresses fields by byte offset; tools and tests address them by
// name through these tables, so the two must agree offset for offset.
// Gaps between fields belong to the VM side and are never touched by natives.
#include "vm_host.h"

#include <algorithm>
#include <span>

namespace vmhost {
namespace {

constexpr int32_t widthOf(FieldType type) {
  switch (type) {
    case FieldType::Byte:
    case FieldType::Bool:
      return 1;
    case FieldType::Short:
    case FieldType::Char:
      return 2;
    default:
      return 4;
  }
}

constexpr FieldDef intField(const char* name, int32_t offset) {
  return {name, FieldType::Int, offset, nullptr};
}
constexpr FieldDef uintField(const char* name, int32_t offset) {
  return {name, FieldType::UInt, offset, nullptr};
}
constexpr FieldDef byteField(const char* name, int32_t offset) {
  return {name, FieldType::Byte, offset, nullptr};
}
constexpr FieldDef charField(const char* name, int32_t offset) {
  return {name, FieldType::Char, offset, nullptr};
}
constexpr FieldDef refField(const char* name, int32_t offset, const char* refType) {
  return {name, FieldType::Ref, offset, refType};
}

// A block ends at its last field (or its superclass's block) rounded up to a
// whole word; an empty block still takes one word.
constexpr int32_t blockSizeFor(std::span<const FieldDef> fields, int32_t superSize = 0) {
  int32_t end = std::max(superSize, 4);
  for (const FieldDef& field : fields) end = std::max(end, field.offset + widthOf(field.type));
  return (end + 3) / 4 * 4;
}

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";
constexpr const char* kArc = "gpclasses/graphics/CgpArc";

constexpr const char* kIntArray = "[I";
constexpr const char* kString = "Ljava/lang/String;";
constexpr const char* kFont = "Lgpclasses/graphics/CgpFont;";
constexpr const char* kGraphicsArray = "[Lgpclasses/baseclasses/CgpGraphics;";

// Shared record of every retained graphic object.
constexpr FieldDef kGraphicsFields[] = {
    intField("x1", 0),
    intField("y1", 4),
    intField("x2", 8),
    intField("y2", 12),
    intField("baseX1", 16),
    intField("baseY1", 20),
    intField("baseX2", 24),
    intField("baseY2", 28),
    intField("stateFlags", 32),
    byteField("rotated", 39),
    intField("rotationAngle", 40),  // thousandths of a radian
    intField("rotCenterX", 52),
    intField("rotCenterY", 56),
    intField("fillColor", 96),
    intField("backColor", 100),
    intField("lineColor", 104),
    intField("anchorX", 108),
    intField("anchorY", 112),
    intField("baseAnchorX", 116),
    intField("baseAnchorY", 120),
    intField("baseRotCenterX", 124),
    intField("baseRotCenterY", 128),
    byteField("lineStyle", 132),
    byteField("lineWidth", 133),
    byteField("fillStyle", 134),
    byteField("hasBackground", 136),
};
constexpr int32_t kGraphicsSize = blockSizeFor(kGraphicsFields);
static_assert(kGraphicsSize == 140, "subclass fields start at 140");

constexpr FieldDef kArcFields[] = {
    intField("arcX1", 140), intField("arcX2", 144),  intField("arcY1", 148),
    intField("arcY2", 152), intField("startX", 172), intField("startY", 176),
    intField("endX", 180),  intField("endY", 184),   byteField("boundsFlag", 204),
};
constexpr int32_t kArcSize = blockSizeFor(kArcFields, kGraphicsSize);

// The pie is an arc with a fill level.
constexpr FieldDef kPieFields[] = {
    intField("levelBackColor", 208),  intField("levelPctX", 212),  intField("levelPctY", 216),
    byteField("levelBackStyle", 220), byteField("levelDirX", 221), byteField("levelDirY", 222),
};
static_assert(kPieFields[0].offset >= kArcSize, "pie fields follow the arc's block");

constexpr FieldDef kBezierFields[] = {
    intField("pointCount", 140),
    refField("points", 144, kIntArray),
    byteField("lineEnds", 152),
};

constexpr FieldDef kEllipseFields[] = {
    intField("levelBackColor", 140),  intField("levelPctX", 144),  intField("levelPctY", 148),
    byteField("levelBackStyle", 152), byteField("levelDirX", 153), byteField("levelDirY", 154),
};

constexpr FieldDef kRectangleFields[] = {
    intField("rectWidth", 148),       intField("rectHeight", 152),
    intField("cornerWidth", 156),     intField("cornerHeight", 160),
    intField("levelBackColor", 164),  intField("levelPctX", 168),
    intField("levelPctY", 172),       byteField("rounded", 176),
    byteField("levelBackStyle", 177), byteField("levelDirX", 178),
    byteField("levelDirY", 179),
};

constexpr FieldDef kPolygonFields[] = {
    intField("pointCount", 140),     refField("points", 144, kIntArray),
    intField("levelBackColor", 156), intField("levelPctX", 160),
    intField("levelPctY", 164),      byteField("levelBackStyle", 168),
    byteField("levelDirX", 169),     byteField("levelDirY", 170),
    byteField("fillFlag", 171),
};

constexpr FieldDef kPolyLineFields[] = {
    intField("pointCount", 140),
    refField("points", 144, kIntArray),
    refField("corePoints", 148, kIntArray),
    byteField("lineEnds", 152),
};

constexpr FieldDef kComplexObjFields[] = {
    refField("children", 140, kGraphicsArray),
    intField("rotationPointX", 148),
    intField("rotationPointY", 152),
};

constexpr FieldDef kScaleFields[] = {
    intField("scaleStartAngle", 140),  intField("scaleEndAngle", 144),
    intField("scaleStep", 148),        intField("scaleInnerRadius", 152),
    intField("scaleOuterRadius", 160), intField("scaleDivisions", 168),
    byteField("scaleCircular", 172),   byteField("scaleVertical", 173),
};

constexpr FieldDef kTextFields[] = {
    intField("textSecondColor", 140), intField("textLayoutCode", 144),
    refField("text", 148, kString),   refField("textFont", 152, kFont),
    byteField("textAttribute2", 158), byteField("textAttribute6", 159),
    byteField("textAttribute7", 160), byteField("textAttribute1", 161),
};

constexpr FieldDef kGraphicFileFields[] = {
    intField("imageHandle", 140),
    intField("imageOption", 144),
};

// Records of their own, not graphic objects.
constexpr FieldDef kCanvasFields[] = {
    intField("color", 0),      intField("backColor", 4),       intField("secondColor", 8),
    intField("fillStyle", 12), uintField("font", 16),          intField("lineWidth", 20),
    intField("lineStyle", 24), byteField("textAttribute", 28), intField("surface", 32),
};
constexpr FieldDef kCanvasStatics[] = {
    charField("decimalSeparator", 4),
    charField("groupSeparator", 6),
};

// The three load bytes are kept in the order 3, 1, 2.
constexpr FieldDef kFontFields[] = {
    refField("fontName", 0, kString), uintField("fontHandle", 4),  intField("textWidth", 8),
    intField("textHeight", 12),       intField("thirdMetric", 16), byteField("fontParam3", 20),
    byteField("fontParam1", 21),      byteField("fontParam2", 22),
};

// Only the rectangle shares its place with the graphic object record.
constexpr FieldDef kListBoxFields[] = {
    intField("x1", 0),
    intField("y1", 4),
    intField("x2", 8),
    intField("y2", 12),
    intField("homeX1", 32),
    intField("homeY1", 36),
    intField("homeX2", 40),
    intField("homeY2", 44),
    intField("firstColor", 100),
    intField("textColor", 104),
    intField("backColor", 108),
    byteField("frameWidthByte", 141),
    refField("listFont", 144, kFont),
    intField("listHandle", 148),
    intField("pointY", 156),
    intField("rowLimit", 164),
    byteField("titleFlag", 176),
};

constexpr FieldDef kAreaFields[] = {
    intField("x1", 0),
    intField("y1", 4),
    intField("x2", 8),
    intField("y2", 12),
};

constexpr std::span<const FieldDef> kNoFields{};

constexpr ClassDef graphicsSubclass(const char* path, std::span<const FieldDef> fields) {
  return {path, kGraphics, blockSizeFor(fields, kGraphicsSize), fields, 0, kNoFields};
}

constexpr ClassDef rootClass(const char* path, std::span<const FieldDef> fields) {
  return {path, nullptr, blockSizeFor(fields), fields, 0, kNoFields};
}

constexpr ClassDef kClasses[] = {
    rootClass(kGraphics, kGraphicsFields),
    graphicsSubclass(kArc, kArcFields),
    graphicsSubclass("gpclasses/graphics/CgpBezier", kBezierFields),
    graphicsSubclass("gpclasses/graphics/CgpEllipse", kEllipseFields),
    graphicsSubclass("gpclasses/graphics/CgpRectangle", kRectangleFields),
    {"gpclasses/graphics/CgpPie", kArc, blockSizeFor(kPieFields, kArcSize), kPieFields, 0,
     kNoFields},
    graphicsSubclass("gpclasses/graphics/CgpPolygon", kPolygonFields),
    graphicsSubclass("gpclasses/graphics/CgpPolyLine", kPolyLineFields),
    graphicsSubclass("gpclasses/graphics/CgpComplexObj", kComplexObjFields),
    graphicsSubclass("gpclasses/graphics/CgpScale", kScaleFields),
    graphicsSubclass("gpclasses/graphics/CgpText", kTextFields),
    graphicsSubclass("gpclasses/graphics/CgpGraphicFile", kGraphicFileFields),
    {"gpclasses/graphics/CgpCanvas", nullptr, blockSizeFor(kCanvasFields), kCanvasFields,
     blockSizeFor(kCanvasStatics), kCanvasStatics},
    rootClass("gpclasses/graphics/CgpFont", kFontFields),
    rootClass("gpclasses/graphics/CgpListBox", kListBoxFields),
    rootClass("gpclasses/graphics/CgpArea", kAreaFields),
    // Only class natives; the objects carry nothing the module reads.
    rootClass("gpclasses/graphics/CgpScreenCapture", kNoFields),
    rootClass("gpclasses/baseclasses/CgpLanguageMgr", kNoFields),
};

}  // namespace

IVM_API std::span<const ClassDef> classLayouts() { return kClasses; }

}  // namespace vmhost
