// Every field descriptor the natives use, held by name against the class
// layouts the VM side declares: a wrong offset or width fails here at once,
// and so does a field the layout has and no descriptor names.
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

#include <span>
#include <string_view>

namespace {

using tamri::FieldKind;
using tamri::NamedField;
using vmhost::FieldType;

struct Record {
  const char* classPath;
  std::span<const NamedField> fields;
  std::span<const NamedField> levelFields = {};  // a shape's fill level
};

// One line per class record.
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

const NamedField* named(std::span<const NamedField> fields, std::string_view name) {
  for (const NamedField& field : fields) {
    if (name == field.name) return &field;
  }
  return nullptr;
}

TEST(RecordFields, EveryDescriptorMatchesTheClassLayoutByName) {
  for (const Record& record : kRecords) {
    SCOPED_TRACE(record.classPath);
    const vmhost::ClassDef* cls = vmhost::classByPath(record.classPath);
    ASSERT_NE(cls, nullptr);
    for (std::span<const NamedField> part : {record.fields, record.levelFields}) {
      for (const NamedField& field : part) {
        const vmhost::FieldDef* declared = vmhost::findField(*cls, field.name);
        ASSERT_NE(declared, nullptr) << field.name;
        EXPECT_EQ(field.offset, declared->offset) << field.name;
        EXPECT_TRUE(sameShape(field.kind, declared->type)) << field.name;
      }
    }
    // The class's own fields, each named exactly once.
    EXPECT_EQ(record.fields.size() + record.levelFields.size(), cls->fields.size());
    for (const vmhost::FieldDef& declared : cls->fields) {
      EXPECT_TRUE(named(record.fields, declared.name) || named(record.levelFields, declared.name))
          << declared.name;
    }
  }
}

TEST(RecordFields, TheSeparatorStaticsMatchTheCanvasClassStatics) {
  const vmhost::ClassDef* cls = vmhost::classByPath("gpclasses/graphics/CgpCanvas");
  ASSERT_NE(cls, nullptr);
  ASSERT_EQ(std::size(tamri::canvas_statics::kFields), cls->staticFields.size());
  for (const vmhost::FieldDef& declared : cls->staticFields) {
    const NamedField* field = named(tamri::canvas_statics::kFields, declared.name);
    ASSERT_NE(field, nullptr) << declared.name;
    EXPECT_EQ(field->offset, declared.offset) << declared.name;
    EXPECT_TRUE(sameShape(field->kind, declared.type)) << declared.name;
  }
}

}  // namespace
