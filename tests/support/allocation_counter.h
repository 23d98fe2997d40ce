// Counts what the module allocates. A program that links this library has
// its malloc, calloc, realloc and free replaced (operator new and delete of
// the C++ library reach them): while counting
// is on, every allocation and every release made outside the platform's own
// operations is counted. Under the address sanitizer, which owns malloc,
// nothing is replaced and nothing is counted.
#pragma once

namespace tamri_test {

bool allocationsCounted();
void setCountingAllocations(bool on);
// Both counts back to 0.
void resetAllocationCounts();
int moduleAllocations();
int moduleReleases();

}  // namespace tamri_test
