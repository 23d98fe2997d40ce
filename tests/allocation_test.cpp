// Natives work in fixed buffers: apart from the list box, whose models live
// on the heap, no native may allocate. Every allocation made while a native
// runs, outside the platform's own operations, is counted here, and so is
// every release, so that the list box's own allocations can be balanced.
#include "listbox/list_box_table.h"
#include "platform/core/host_trace.h"
#include "support/object_builder.h"
#include "vm_test_support.h"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define TAMRI_COUNTS_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMRI_COUNTS_ALLOCATIONS 0
#endif
#endif
#ifndef TAMRI_COUNTS_ALLOCATIONS
#define TAMRI_COUNTS_ALLOCATIONS 1
#endif

namespace {

// Only the thread that calls the native counts: threads the platform starts
// (Pango reads the font set in one of its own) are none of the module's.
thread_local bool counting = false;
std::atomic<int> moduleAllocations{0};
std::atomic<int> moduleReleases{0};

}  // namespace

#if TAMRI_COUNTS_ALLOCATIONS
namespace {

thread_local bool insideHook = false;

void noteModuleWork(std::atomic<int>& counter) {
  if (!counting || insideHook) return;
  insideHook = true;
  if (host::platformDepth() == 0) counter.fetch_add(1, std::memory_order_relaxed);
  insideHook = false;
}
void noteAllocation() { noteModuleWork(moduleAllocations); }

}  // namespace

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);

void* malloc(size_t size) {
  noteAllocation();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  noteAllocation();
  return __libc_calloc(count, size);
}
void* realloc(void* block, size_t size) {
  noteAllocation();
  return __libc_realloc(block, size);
}
void free(void* block) {
  if (block) noteModuleWork(moduleReleases);
  __libc_free(block);
}
}

void* operator new(size_t size) {
  noteAllocation();
  if (void* p = __libc_malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  noteAllocation();
  return __libc_malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
#endif

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
  if (!TAMRI_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the address sanitizer owns malloc";
  const jword screen = static_cast<jword>(gdihost::createSurface(64, 64, 0xFFFFFF));
  gdihost::selectTarget(static_cast<int32_t>(screen));
  host::setTraceRecording(false);  // the recorder is platform work; keep the run lean

  ASSERT_FALSE(vmhost::natives().empty());
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    if (native.classPath == kListBox) continue;
    tamri_test::TypicalValues values;
    const tamri_test::NativeArguments args = tamri_test::buildArguments(native, values);
    moduleAllocations = 0;
    counting = true;
    const vmhost::CallResult result =
        vmhost::callNative(native, args.self, args.references, args.scalars);
    counting = false;
    EXPECT_TRUE(result.balanced) << native.classPath << " " << native.nameAndSignature;
    EXPECT_EQ(moduleAllocations.load(), 0)
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
    counting = true;
    const vmhost::CallResult result = vmhost::callNative(*native, self, references, scalars);
    counting = false;
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
  if (!TAMRI_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the address sanitizer owns malloc";
  const jword box = listBox();
  moduleAllocations = 0;
  construct(box, 3, 6);
  EXPECT_GT(moduleAllocations.load(), 0);  // the counter does see the module allocate
  moduleAllocations = 0;
  moduleReleases = 0;
  fill(box);
  EXPECT_EQ(moduleAllocations.load(), 0);
  EXPECT_EQ(moduleReleases.load(), 0);
  counted(box, "deleteListBox()V");
  EXPECT_EQ(moduleAllocations.load(), 0);
  EXPECT_GT(moduleReleases.load(), 0);
}

// Under the address sanitizer the counter is off and LeakSanitizer checks
// at exit that nothing was lost; models still in the table are counted here.
TEST_F(ListBoxAllocationTest, AThousandListBoxesLeaveNothingBehind) {
  moduleAllocations = 0;
  moduleReleases = 0;
  for (int i = 0; i < 1000; ++i) {
    const jword box = listBox();
    construct(box, 1 + i % 3, 2 + i % 9);
    if (i % 2) construct(box, 3, 5);  // constructed again: the first model goes
    fill(box);
    counted(box, "deleteListBox()V");
  }
  EXPECT_EQ(tamri::liveListBoxModels(), 0);
  if (TAMRI_COUNTS_ALLOCATIONS) {
    EXPECT_GE(moduleAllocations.load(), 1000);
    EXPECT_EQ(moduleAllocations.load(), moduleReleases.load());
  }
}

}  // namespace
