// The VM class layouts, self-consistent and at the offsets the runtime's VM
// uses, and every field descriptor the natives use held by name against
// them: a wrong offset or width fails here at once, and so does a field the
// layout has and no descriptor names.
#include "canvas/area_record.h"
#include "canvas/canvas_record.h"
#include "images/graphic_file_record.h"
#include "listbox/list_box_record.h"
#include "module/graphic_record.h"
#include "platform/ivm/vm_host.h"
#include "shapes/arc_record.h"
#include "shapes/bezier_record.h"
#include "shapes/ellipse_record.h"
#include "shapes/pie_record.h"
#include "shapes/polygon_record.h"
#include "shapes/rectangle_record.h"
#include "transform/complex_obj_record.h"
#include "transform/polyline_record.h"
#include "transform/scale_record.h"
#include "valuedisplay/separators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tamri::FieldKind;
using tamri::NamedField;
using vmhost::ClassDef;
using vmhost::FieldDef;
using vmhost::FieldType;

int32_t widthOf(FieldType type) {
  if (type == FieldType::Byte || type == FieldType::Bool) return 1;
  return type == FieldType::Short || type == FieldType::Char ? 2 : 4;
}

// Checks that the fields lie in [begin, end) and that no two share a byte.
void expectDisjointWithin(std::span<const FieldDef> fields, int32_t begin, int32_t end) {
  std::vector<bool> used(end > 0 ? end : 0, false);
  std::set<std::string_view> names;
  for (const FieldDef& field : fields) {
    SCOPED_TRACE(field.name);
    const int32_t width = widthOf(field.type);
    EXPECT_TRUE(names.insert(field.name).second);
    EXPECT_EQ(field.type == FieldType::Ref, field.refType != nullptr);
    ASSERT_GE(field.offset, begin);
    ASSERT_LE(field.offset + width, end);
    for (int32_t byte = field.offset; byte < field.offset + width; ++byte) {
      EXPECT_FALSE(used[byte]) << "overlap at byte " << byte;
      used[byte] = true;
    }
  }
}

TEST(ClassLayouts, EveryClassIsConsistent) {
  std::set<std::string_view> paths;
  for (const ClassDef& cls : vmhost::classLayouts()) {
    SCOPED_TRACE(cls.path);
    EXPECT_TRUE(paths.insert(cls.path).second);
    EXPECT_GE(cls.blockSize, 4);
    EXPECT_EQ(cls.blockSize % 4, 0);
    const ClassDef* super = cls.superPath ? vmhost::classByPath(cls.superPath) : nullptr;
    EXPECT_EQ(super == nullptr, cls.superPath == nullptr);
    const int32_t firstOwnOffset = super ? super->blockSize : 0;
    EXPECT_GE(cls.blockSize, firstOwnOffset);
    expectDisjointWithin(cls.fields, firstOwnOffset, cls.blockSize);
    expectDisjointWithin(cls.staticFields, 0, cls.staticSize);
  }
}

// What the descriptors below do not carry: sizes, reference types, records
// without a descriptor table.
TEST(ClassLayouts, OffsetsAndTypesTheRuntimesClassesHave) {
  const auto field = [](const char* cls, const char* name) {
    const FieldDef* f = vmhost::findField(*vmhost::classByPath(cls), name);
    return std::pair{f->offset, std::string(f->refType ? f->refType : "")};
  };
  const ClassDef* canvas = vmhost::classByPath("gpclasses/graphics/CgpCanvas");
  EXPECT_EQ(vmhost::classByPath("gpclasses/baseclasses/CgpGraphics")->blockSize, 140);
  EXPECT_EQ(canvas->superPath, nullptr);
  EXPECT_GE(canvas->staticSize, 8);
  EXPECT_EQ(field("gpclasses/graphics/CgpText", "stateFlags"), std::pair(32, std::string()));
  EXPECT_EQ(field("gpclasses/graphics/CgpPie", "startX").first, 172);
  EXPECT_EQ(field("gpclasses/graphics/CgpPolyLine", "corePoints").second, "[I");
  EXPECT_EQ(field("gpclasses/graphics/CgpComplexObj", "children").second,
            "[Lgpclasses/baseclasses/CgpGraphics;");
  EXPECT_EQ(field("gpclasses/graphics/CgpFont", "fontHandle").first, 4);
  EXPECT_EQ(field("gpclasses/graphics/CgpFont", "fontParam3").first, 20);
  EXPECT_NE(vmhost::classByPath("gpclasses/baseclasses/CgpLanguageMgr"), nullptr);
}

struct Record {
  const char* classPath;
  std::span<const NamedField> fields;
  std::span<const NamedField> levelFields = {};  // a shape's fill level
};

const Record kRecords[] = {
    {"gpclasses/baseclasses/CgpGraphics", tamri::graphic::kFields},
    {"gpclasses/graphics/CgpPolyLine", tamri::polyline::kFields},
    {"gpclasses/graphics/CgpCanvas", tamri::canvas::kFields},
    {"gpclasses/graphics/CgpArc", tamri::arc::kFields},
    {"gpclasses/graphics/CgpBezier", tamri::bezier::kFields},
    {"gpclasses/graphics/CgpEllipse", tamri::ellipse::kFields},
    {"gpclasses/graphics/CgpRectangle", tamri::rectangle::kFields, tamri::rectangle::kLevelFields},
    {"gpclasses/graphics/CgpPie", tamri::pie::kFields},
    {"gpclasses/graphics/CgpPolygon", tamri::polygon::kFields, tamri::polygon::kLevelFields},
    {"gpclasses/graphics/CgpComplexObj", tamri::complex_obj::kFields},
    {"gpclasses/graphics/CgpGraphicFile", tamri::graphic_file::kFields},
    {"gpclasses/graphics/CgpScale", tamri::scale::kFields},
    {"gpclasses/graphics/CgpArea", tamri::area::kFields},
    {"gpclasses/graphics/CgpListBox", tamri::list_box::kFields},
};

bool sameShape(FieldKind kind, FieldType type) {
  switch (kind) {
    case FieldKind::Int:
      return type == FieldType::Int || type == FieldType::UInt;
    case FieldKind::Coord:
      return type == FieldType::Int;
    case FieldKind::Byte:
      return type == FieldType::Byte || type == FieldType::Bool;
    case FieldKind::Char:
      return type == FieldType::Char;
    case FieldKind::Ref:
      return type == FieldType::Ref;
  }
  return false;
}

// The declared fields and the descriptors name the same fields, each once,
// at the same offsets and of the same shapes.
void expectSameFields(std::span<const FieldDef> declared,
                      std::initializer_list<std::span<const NamedField>> parts) {
  std::set<std::string_view> names;
  for (const std::span<const NamedField> part : parts) {
    for (const NamedField& field : part) {
      names.insert(field.name);
      const auto match = std::find_if(declared.begin(), declared.end(), [&](const FieldDef& d) {
        return field.name == std::string_view(d.name);
      });
      ASSERT_NE(match, declared.end()) << field.name;
      EXPECT_EQ(field.offset, match->offset) << field.name;
      EXPECT_TRUE(sameShape(field.kind, match->type)) << field.name;
    }
  }
  EXPECT_EQ(names.size(), declared.size());
}

TEST(RecordFields, EveryDescriptorMatchesTheClassLayoutByName) {
  for (const Record& record : kRecords) {
    SCOPED_TRACE(record.classPath);
    const ClassDef* cls = vmhost::classByPath(record.classPath);
    ASSERT_NE(cls, nullptr);
    expectSameFields(cls->fields, {record.fields, record.levelFields});
  }
  const ClassDef* canvas = vmhost::classByPath("gpclasses/graphics/CgpCanvas");
  expectSameFields(canvas->staticFields, {tamri::canvas_statics::kFields});
}

}  // namespace
