// Natives work in fixed buffers: apart from the list box, whose models live
// on the heap, no native may allocate. Every allocation made while a native
// runs, outside the platform's own operations, is counted here.
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

std::atomic<bool> counting{false};
std::atomic<int> moduleAllocations{0};
thread_local bool insideHook = false;

void noteAllocation() {
  if (!counting.load(std::memory_order_relaxed) || insideHook) return;
  insideHook = true;
  if (host::platformDepth() == 0) moduleAllocations.fetch_add(1, std::memory_order_relaxed);
  insideHook = false;
}

}  // namespace

#if TAMRI_COUNTS_ALLOCATIONS
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);

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
    if (native.classPath == "gpclasses/graphics/CgpListBox") continue;
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

TEST_F(AllocationTest, TheCounterSeesAnAllocationInsideANative) {
  if (!TAMRI_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the address sanitizer owns malloc";
  const vmhost::NativeRecord allocating{"gpclasses/graphics/CgpArc", "leak()V", [] {
                                          volatile char* p = new char[4];
                                          delete[] p;
                                        }};
  const jword self = tamri_test::makeObject("gpclasses/graphics/CgpArc");
  moduleAllocations = 0;
  counting = true;
  vmhost::callNative(allocating, self, {}, {});
  counting = false;
  EXPECT_EQ(moduleAllocations.load(), 1);
}

}  // namespace
