// Natives work in fixed buffers: apart from the list box, whose models live
// on the heap, no native may allocate. Every allocation made while a native
// runs, outside the platform's own operations, is counted
// (support/allocation_counter.h), and so is every release, so that the list
// box's own allocations can be balanced.
#include "listbox/list_box_table.h"
#include "platform/core/host_trace.h"
#include "support/allocation_counter.h"
#include "support/object_builder.h"
#include "vm_test_support.h"

namespace {

constexpr const char* kListBox = "gpclasses/graphics/CgpListBox";

class AllocationTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    // The first touch of thread storage in a shared library may allocate.
    static_cast<void>(host::platformDepth());
  }
};

TEST_F(AllocationTest, NoNativeButTheListBoxAllocates) {
  if (!tamri_test::allocationsCounted()) GTEST_SKIP() << "the address sanitizer owns malloc";
  const jword screen = static_cast<jword>(gdihost::createSurface(64, 64, 0xFFFFFF));
  gdihost::selectTarget(static_cast<int32_t>(screen));
  host::setTraceRecording(false);  // the recorder is platform work; keep the run lean

  ASSERT_FALSE(vmhost::natives().empty());
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    if (native.classPath == kListBox) continue;
    tamri_test::TypicalValues values;
    const tamri_test::NativeArguments args = tamri_test::buildArguments(native, values);
    tamri_test::resetAllocationCounts();
    tamri_test::setCountingAllocations(true);
    const vmhost::CallResult result =
        vmhost::callNative(native, args.self, args.references, args.scalars);
    tamri_test::setCountingAllocations(false);
    EXPECT_TRUE(result.balanced) << native.classPath << " " << native.nameAndSignature;
    EXPECT_EQ(tamri_test::moduleAllocations(), 0)
        << native.classPath << " " << native.nameAndSignature << " allocated";
  }
  host::setTraceRecording(true);
}

// The list box allocates its model when it is constructed and frees all of
// it when it is deleted; filling, scrolling and drawing allocate nothing.
class ListBoxAllocationTest : public AllocationTest {
 protected:
  void SetUp() override {
    AllocationTest::SetUp();
    gdihost::selectTarget(gdihost::createSurface(64, 64, 0xFFFFFF));
    host::setTraceRecording(false);
  }
  void TearDown() override { host::setTraceRecording(true); }

  // Runs a list-box native with the counter on; arguments are built before.
  static void counted(jword self, const char* nameSig, std::vector<uint32_t> scalars = {},
                      std::vector<jword> references = {}) {
    const vmhost::NativeRecord* native = vmhost::findNative(kListBox, nameSig);
    ASSERT_NE(native, nullptr) << nameSig;
    tamri_test::setCountingAllocations(true);
    const vmhost::CallResult result = vmhost::callNative(*native, self, references, scalars);
    tamri_test::setCountingAllocations(false);
    EXPECT_TRUE(result.balanced) << nameSig;
  }
  static jword strings(std::initializer_list<const char*> texts) {
    std::vector<jword> elements;
    for (const char* text : texts) elements.push_back(vmhost::newStringUtf8(text));
    return vmhost::newRefArray(elements);
  }
  static jword listBox() {
    return tamri_test::makeObject(kListBox, {{"x1", 0},
                                             {"y1", 0},
                                             {"x2", 63},
                                             {"y2", 63},
                                             {"backColor", 0xEEEEEE},
                                             {"rowLimit", 8},
                                             {"pointY", 30}});
  }
  static void construct(jword box, int32_t columns, int32_t rows) {
    const jword widths = tamri_test::makeIntArray({20, 30, 40});
    const jword maxLengths = tamri_test::makeIntArray({4, 8, 16});
    counted(box, "constructListBox(II[I[I)V",
            {static_cast<uint32_t>(columns), static_cast<uint32_t>(rows)}, {widths, maxLengths});
  }
  // Every native that works on a model, once or more.
  static void fill(jword box) {
    const jword row = strings({"12:00", "Pump 3", "pressure low"});
    const jword font = tamri_test::makeObject("gpclasses/graphics/CgpFont");
    counted(box, "setFrame(IIBB)V", {0, 0, 2, 1});
    counted(box, "setRule(IIBB)V", {0, 0, 1, 1});
    counted(box, "setTitle([Ljava/lang/String;Lgpclasses/graphics/CgpFont;III)V", {0, 0, 12},
            {row, font});
    for (int i = 0; i < 7; ++i) counted(box, "insertRow([Ljava/lang/String;IZ)V", {0, 1}, {row});
    counted(box, "insertRow([Ljava/lang/String;IZ)V", {0, 0}, {row});
    counted(box, "setRowContent(I[Ljava/lang/String;)V", {2}, {row});
    counted(box, "setRowColor(III)V", {3, 0xFF0000, 0xFFFF00});
    counted(box, "setCursor(I)V", {2});
    counted(box, "removeRow(I)V", {4});
    counted(box, "setContents([Ljava/lang/String;II)V", {0, 4}, {row});
    counted(box, "getRowPos()I");
    counted(box, "move(II)V", {3, 4});
    counted(box, "draw(I)V", {1});
    counted(box, "resetCursor()V");
    counted(box, "wipeOut()V");
  }
};

TEST_F(ListBoxAllocationTest, OnlyConstructionAllocates) {
  if (!tamri_test::allocationsCounted()) GTEST_SKIP() << "the address sanitizer owns malloc";
  const jword box = listBox();
  tamri_test::resetAllocationCounts();
  construct(box, 3, 6);
  EXPECT_GT(tamri_test::moduleAllocations(), 0);  // the counter does see the module allocate
  tamri_test::resetAllocationCounts();
  fill(box);
  EXPECT_EQ(tamri_test::moduleAllocations(), 0);
  EXPECT_EQ(tamri_test::moduleReleases(), 0);
  counted(box, "deleteListBox()V");
  EXPECT_EQ(tamri_test::moduleAllocations(), 0);
  EXPECT_GT(tamri_test::moduleReleases(), 0);
}

// Under the address sanitizer the counter is off and LeakSanitizer checks
// at exit that nothing was lost; models still in the table are counted here.
TEST_F(ListBoxAllocationTest, AThousandListBoxesLeaveNothingBehind) {
  tamri_test::resetAllocationCounts();
  for (int i = 0; i < 1000; ++i) {
    const jword box = listBox();
    construct(box, 1 + i % 3, 2 + i % 9);
    if (i % 2) construct(box, 3, 5);  // constructed again: the first model goes
    fill(box);
    counted(box, "deleteListBox()V");
  }
  EXPECT_EQ(tamri::liveListBoxModels(), 0);
  if (tamri_test::allocationsCounted()) {
    EXPECT_GE(tamri_test::moduleAllocations(), 1000);
    EXPECT_EQ(tamri_test::moduleAllocations(), tamri_test::moduleReleases());
  }
}

}  // namespace
