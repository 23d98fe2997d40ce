// Every field descriptor the natives use, held by name against the VM class
// layouts: a wrong offset or width fails here at once, and so does a field
// the layout has and no descriptor names.
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

namespace {

using tamri::FieldKind;
using tamri::NamedField;
using vmhost::ClassDef;
using vmhost::FieldDef;
using vmhost::FieldType;

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

// The field types each kind of descriptor reads.
constexpr std::pair<FieldKind, FieldType> kShapes[] = {
    {FieldKind::Int, FieldType::Int},   {FieldKind::Int, FieldType::UInt},
    {FieldKind::Coord, FieldType::Int}, {FieldKind::Byte, FieldType::Byte},
    {FieldKind::Byte, FieldType::Bool}, {FieldKind::Char, FieldType::Char},
    {FieldKind::Ref, FieldType::Ref}};

// The declared fields and the descriptors name the same fields, each once,
// at the same offsets and of the same shapes.
void expectSameFields(std::span<const FieldDef> declared,
                      std::initializer_list<std::span<const NamedField>> parts) {
  std::set<std::string_view> names;
  for (const std::span<const NamedField> part : parts) {
    for (const NamedField& field : part) {
      names.insert(field.name);
      const auto match = std::ranges::find(declared, std::string_view(field.name), &FieldDef::name);
      ASSERT_NE(match, declared.end()) << field.name;
      EXPECT_EQ(field.offset, match->offset) << field.name;
      EXPECT_EQ(std::ranges::count(kShapes, std::pair(field.kind, match->type)), 1) << field.name;
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
  expectSameFields(vmhost::classByPath("gpclasses/graphics/CgpCanvas")->staticFields,
                   {tamri::canvas_statics::kFields});
}

}  // namespace
