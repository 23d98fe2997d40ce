#include "allocation_counter.h"

#include "platform/core/host_trace.h"

#include <atomic>
#include <cstdlib>

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
std::atomic<int> allocations{0}, releases{0};

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

}  // namespace

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);

void* malloc(size_t size) { return noteModuleWork(allocations), __libc_malloc(size); }
void* calloc(size_t n, size_t size) { return noteModuleWork(allocations), __libc_calloc(n, size); }
void* realloc(void* p, size_t size) { return noteModuleWork(allocations), __libc_realloc(p, size); }
void free(void* block) {
  if (block) noteModuleWork(releases);
  __libc_free(block);
}
}

#endif

namespace tamri_test {

bool allocationsCounted() { return TAMRI_COUNTS_ALLOCATIONS; }
void setCountingAllocations(bool on) { counting = on; }
void resetAllocationCounts() { allocations = releases = 0; }
int moduleAllocations() { return allocations.load(); }
int moduleReleases() { return releases.load(); }

}  // namespace tamri_test
