// The VM stand-in's own rules that natives and tools lean on.
#include "vm_test_support.h"

#include <climits>
#include <cstring>

namespace {

using tamri_test::makeObject;

class VmHeapTest : public tamri_test::VmTest {};

TEST_F(VmHeapTest, ReferencesAreWordsOfThe32BitHeapAndEmptyValuesRoundTrip) {
  EXPECT_TRUE(vmhost::intArray(vmhost::newIntArray({})).empty());
  EXPECT_TRUE(vmhost::refArray(vmhost::newRefArray({})).empty());
  EXPECT_EQ(vmhost::stringText(vmhost::newString(u"")), u"");
  EXPECT_EQ(vmhost::stringUtf8(vmhost::newStringUtf8("Grüße €")), "Grüße €");
  const jword a = makeObject("gpclasses/graphics/CgpPolyLine");
  const jword b = makeObject("gpclasses/graphics/CgpPolyLine");
  EXPECT_GE(a, 768u);
  EXPECT_NE(a, b);
  EXPECT_EQ(vmhost::fieldBlock(a), ivmHeapBase() + a);
  EXPECT_EQ(vmhost::kindOf(a), "gpclasses/graphics/CgpPolyLine");
  EXPECT_EQ(vmhost::fieldBlock(a + 4), nullptr);  // no object starts there
  EXPECT_EQ(tendPtr(vmhost::fieldBlock(b)), b);
}

TEST_F(VmHeapTest, ClassStaticDataHoldsTheCanvasSeparators) {
  vmhost::setStaticField("gpclasses/graphics/CgpCanvas", "decimalSeparator", u',');
  IvmClass* canvas = findClass(c2jString("gpclasses/graphics/CgpCanvas"));
  ASSERT_NE(canvas, nullptr);
  const auto* statics = static_cast<const uint8_t*>(staticDataFromClass(canvas));
  EXPECT_EQ(statics[4], ',');
  EXPECT_EQ(c2jString("gpclasses/graphics/CgpCanvas"), c2jString("gpclasses/graphics/CgpCanvas"));
  // A path one character short, one whose "a" is U+0161 (its low byte is
  // "a"), a reference that is no string: no class.
  EXPECT_EQ(findClass(c2jString("gpclasses/graphics/CgpCanva")), nullptr);
  EXPECT_EQ(findClass(vmhost::newString(u"gpclasses/graphics/CgpCanv\u0161s")), nullptr);
  EXPECT_EQ(findClass(vmhost::newObject("gpclasses/graphics/CgpCanvas")), nullptr);
  EXPECT_EQ(findClass(0), nullptr);
  // A path longer than any class path is refused before it is read.
  EXPECT_EQ(findClass(vmhost::newString(std::u16string(300, u'a'))), nullptr);
  // A forged offset whose sum with the length wraps round is refused too.
  const jword forged = vmhost::newString(u"gpclasses/graphics/CgpCanvas");
  const uint32_t wrapping = 0xFFFFFFF0u;
  std::memcpy(vmhost::fieldBlock(forged) + 4, &wrapping, sizeof wrapping);
  EXPECT_EQ(findClass(forged), nullptr);
}

TEST_F(VmHeapTest, HostMethodsWrapLikeTheVmsIntArithmetic) {
  // shift places the object 1515 right of its design position, past INT_MAX.
  const jword object = makeObject("gpclasses/graphics/CgpArc",
                                  {{"x1", INT_MAX}, {"x2", INT_MAX}, {"baseX1", INT_MAX}});
  const uint32_t args[] = {1515, 0};
  const int16_t id = vmhost::methodIdentifier("gpclasses/baseclasses/CgpGraphics", "shift(II)V");
  jword*& psp = *get_psp();
  jword*& npsp = *get_npsp();
  jword* const pointerBefore = psp;
  *--psp = object;
  *--npsp = args[0];
  *--npsp = args[1];
  fastInvokeVirtual(vmhost::methodByIdentifier(id));
  EXPECT_EQ(psp, pointerBefore);
  EXPECT_EQ(vmhost::getField(object, "x1"), static_cast<int32_t>(INT_MIN + 1514));
}

// The VM's store check keeps each reference field to its declared type: a
// group's CgpGraphics[] takes shapes and groups, never a font, a string or an
// int array, so the group natives only ever meet graphic members.
TEST_F(VmHeapTest, ReferenceFieldsHoldOnlyTheirDeclaredType) {
  const jword group = makeObject("gpclasses/graphics/CgpComplexObj");
  const jword arc = makeObject("gpclasses/graphics/CgpArc");
  const jword font = vmhost::newObject("gpclasses/graphics/CgpFont");
  const jword shapes = vmhost::newRefArray(std::vector<jword>{arc, 0, group});
  vmhost::setField(group, "children", shapes);
  EXPECT_EQ(vmhost::getField(group, "children"), shapes);
  for (const jword misfit :
       std::vector<jword>{vmhost::newRefArray(std::vector<jword>{arc, font}),
                          vmhost::newRefArray(std::vector<jword>{vmhost::newString(u"a")}),
                          vmhost::newRefArray(std::vector<jword>{vmhost::newIntArray({})}),
                          vmhost::newIntArray(std::vector<int32_t>{1, 2}), font}) {
    vmhost::setField(group, "children", misfit);
    EXPECT_EQ(vmhost::getField(group, "children"), shapes) << vmhost::kindOf(misfit);
  }
  vmhost::setField(group, "children", 0);
  EXPECT_EQ(vmhost::getField(group, "children"), 0);
}

}  // namespace
