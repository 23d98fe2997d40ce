// The VM class layouts must match the byte offsets the natives use and must
// be self-consistent, or objects built by name would be silently corrupt.
#include "vm_host.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vmhost::ClassDef;
using vmhost::FieldDef;
using vmhost::FieldType;

int32_t widthOf(FieldType type) {
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

const ClassDef* lookUp(std::string_view path) {
  for (const ClassDef& cls : vmhost::classLayouts()) {
    if (path == cls.path) return &cls;
  }
  return nullptr;
}

// Own fields first, then the superclasses' outwards.
const FieldDef* fieldOf(std::string_view path, std::string_view name) {
  for (const ClassDef* cls = lookUp(path); cls;
       cls = cls->superPath ? lookUp(cls->superPath) : nullptr) {
    for (const FieldDef& field : cls->fields) {
      if (name == field.name) return &field;
    }
  }
  return nullptr;
}

int32_t offsetOf(std::string_view path, std::string_view name) {
  const FieldDef* field = fieldOf(path, name);
  return field ? field->offset : -1;
}

std::string refTypeOf(std::string_view path, std::string_view name) {
  const FieldDef* field = fieldOf(path, name);
  return field && field->refType ? field->refType : "";
}

// Checks that the fields lie in [begin, end) and that no two share a byte.
void expectDisjointWithin(std::span<const FieldDef> fields, int32_t begin, int32_t end,
                          const std::string& where) {
  std::vector<bool> used(end > 0 ? end : 0, false);
  std::set<std::string_view> names;
  for (const FieldDef& field : fields) {
    const int32_t width = widthOf(field.type);
    EXPECT_TRUE(names.insert(field.name).second) << where << " repeats " << field.name;
    EXPECT_EQ(field.type == FieldType::Ref, field.refType != nullptr) << where << "." << field.name;
    ASSERT_GE(field.offset, begin) << where << "." << field.name;
    ASSERT_LE(field.offset + width, end) << where << "." << field.name;
    for (int32_t byte = field.offset; byte < field.offset + width; ++byte) {
      EXPECT_FALSE(used[byte]) << where << "." << field.name << " overlaps at byte " << byte;
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
    int32_t firstOwnOffset = 0;
    if (cls.superPath) {
      const ClassDef* super = lookUp(cls.superPath);
      ASSERT_NE(super, nullptr);
      EXPECT_GE(cls.blockSize, super->blockSize);
      firstOwnOffset = super->blockSize;
    }
    expectDisjointWithin(cls.fields, firstOwnOffset, cls.blockSize, cls.path);
    expectDisjointWithin(cls.staticFields, 0, cls.staticSize, std::string(cls.path) + " statics");
  }
}

// Offsets of the records the natives name are held against these layouts in
// record_fields_test.cpp; here what those descriptors do not carry.
TEST(ClassLayouts, GraphicObjectsShareTheRecord) {
  const ClassDef* graphics = lookUp("gpclasses/baseclasses/CgpGraphics");
  ASSERT_NE(graphics, nullptr);
  EXPECT_EQ(graphics->blockSize, 140);
  EXPECT_EQ(offsetOf("gpclasses/graphics/CgpText", "stateFlags"), 32);
  EXPECT_EQ(offsetOf("gpclasses/graphics/CgpPie", "startX"), 172);
  EXPECT_EQ(refTypeOf("gpclasses/graphics/CgpPolyLine", "corePoints"), "[I");
  EXPECT_EQ(refTypeOf("gpclasses/graphics/CgpComplexObj", "children"),
            "[Lgpclasses/baseclasses/CgpGraphics;");
}

TEST(ClassLayouts, RecordsOfTheirOwn) {
  const ClassDef* canvas = lookUp("gpclasses/graphics/CgpCanvas");
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->superPath, nullptr);
  EXPECT_GE(canvas->staticSize, 8);
  EXPECT_EQ(offsetOf("gpclasses/graphics/CgpFont", "fontHandle"), 4);
  EXPECT_EQ(offsetOf("gpclasses/graphics/CgpFont", "fontParam3"), 20);
  EXPECT_NE(lookUp("gpclasses/baseclasses/CgpLanguageMgr"), nullptr);
}

}  // namespace
