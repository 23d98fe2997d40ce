// Export/import decoration for the platform stand-in libraries.
// Each library defines its own <NAME>_BUILD while compiling itself.
#pragma once

#if defined(_WIN32)
#define PLATFORM_EXPORT __declspec(dllexport)
#define PLATFORM_IMPORT __declspec(dllimport)
#else
#define PLATFORM_EXPORT __attribute__((visibility("default")))
#define PLATFORM_IMPORT __attribute__((visibility("default")))
#endif

#include <stdint.h>

// A UTF-16 code unit: every text the runtime hands around is UTF-16.
#ifdef __cplusplus
typedef char16_t unichar;
#else
typedef uint16_t unichar;
#endif
