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

using tamri_test::moduleAllocations;
using tamri_test::moduleReleases;

constexpr const char* kListBox = "gpclasses/graphics/CgpListBox";

// Runs a native with the counter on; its arguments are built before.
void counted(const vmhost::NativeRecord& native, jword self, const std::vector<jword>& references,
             const std::vector<uint32_t>& scalars) {
  tamri_test::setCountingAllocations(true);
  const vmhost::CallResult result = vmhost::callNative(native, self, references, scalars);
  tamri_test::setCountingAllocations(false);
  EXPECT_TRUE(result.balanced) << native.classPath << " " << native.nameAndSignature;
}

class AllocationTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    // The first touch of thread storage in a shared library may allocate.
    static_cast<void>(host::platformDepth());
    gdihost::selectTarget(gdihost::createSurface(64, 64, 0xFFFFFF));
    host::setTraceRecording(false);  // the recorder is platform work; keep the run lean
  }
  void TearDown() override { host::setTraceRecording(true); }
};

TEST_F(AllocationTest, NoNativeButTheListBoxAllocates) {
  if (!tamri_test::allocationsCounted()) GTEST_SKIP() << "the address sanitizer owns malloc";
  ASSERT_EQ(vmhost::natives().size(), 136u);
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    if (native.classPath == kListBox) continue;
    tamri_test::TypicalValues values;
    const tamri_test::NativeArguments args = tamri_test::buildArguments(native, values);
    tamri_test::resetAllocationCounts();
    counted(native, args.self, args.references, args.scalars);
    EXPECT_EQ(moduleAllocations(), 0) << native.classPath << " " << native.nameAndSignature;
  }
}

// The list box allocates its model when it is constructed and frees all of
// it when it is deleted; filling, scrolling and drawing allocate nothing.
void call(jword box, const char* nameSig, std::vector<uint32_t> scalars = {},
          std::vector<jword> references = {}) {
  const vmhost::NativeRecord* native = vmhost::findNative(kListBox, nameSig);
  ASSERT_NE(native, nullptr) << nameSig;
  counted(*native, box, references, scalars);
}
void construct(jword box, uint32_t columns, uint32_t rows) {
  call(box, "constructListBox(II[I[I)V", {columns, rows},
       {tamri_test::makeIntArray({20, 30, 40}), tamri_test::makeIntArray({4, 8, 16})});
}
// Every native that works on a model, once or more.
void fill(jword box) {
  const jword row = vmhost::newRefArray(std::vector<jword>{vmhost::newStringUtf8("12:00"),
                                                           vmhost::newStringUtf8("Pump 3"),
                                                           vmhost::newStringUtf8("pressure low")});
  const jword font = tamri_test::makeObject("gpclasses/graphics/CgpFont");
  call(box, "setFrame(IIBB)V", {0, 0, 2, 1});
  call(box, "setRule(IIBB)V", {0, 0, 1, 1});
  call(box, "setTitle([Ljava/lang/String;Lgpclasses/graphics/CgpFont;III)V", {0, 0, 12},
       {row, font});
  for (int i = 0; i < 8; ++i) call(box, "insertRow([Ljava/lang/String;IZ)V", {0, i < 7}, {row});
  call(box, "setRowContent(I[Ljava/lang/String;)V", {2}, {row});
  call(box, "setRowColor(III)V", {3, 0xFF0000, 0xFFFF00});
  call(box, "setCursor(I)V", {2});
  call(box, "removeRow(I)V", {4});
  call(box, "setContents([Ljava/lang/String;II)V", {0, 4}, {row});
  call(box, "move(II)V", {3, 4});
  call(box, "draw(I)V", {1});
  for (const char* nameSig : {"getRowPos()I", "resetCursor()V", "wipeOut()V"}) call(box, nameSig);
}

// Under the address sanitizer the counter is off and LeakSanitizer checks
// at exit that nothing was lost; models still in the table are counted here.
TEST_F(AllocationTest, OnlyTheListBoxsConstructionAllocatesAndItsDeletionFreesIt) {
  tamri_test::resetAllocationCounts();
  int whileFilled = 0;
  for (uint32_t i = 0; i < 1000; ++i) {
    using F = std::pair<const char*, int64_t>;
    const jword box = tamri_test::makeObject(
        kListBox,
        {F("x2", 63), F("y2", 63), F("backColor", 0xEEEEEE), F("rowLimit", 8), F("pointY", 30)});
    construct(box, 1 + i % 3, 2 + i % 9);
    if (i % 2) construct(box, 3, 5);  // constructed again: the first model goes
    const int before = moduleAllocations() + moduleReleases();
    fill(box);
    whileFilled += moduleAllocations() + moduleReleases() - before;
    call(box, "deleteListBox()V");
  }
  EXPECT_EQ(tamri::liveListBoxModels(), 0);
  if (tamri_test::allocationsCounted()) {
    EXPECT_EQ(whileFilled, 0);
    EXPECT_GE(moduleAllocations(), 1000);  // the counter does see the module allocate
    EXPECT_EQ(moduleAllocations(), moduleReleases());
  }
}

}  // namespace
