// MORVcore: the platform core module (strings, formatting, maths,
// configuration, system languages, time zone, fatal-error report).
#pragma once

#include "platform_export.h"

#include <stdarg.h>
#include <stdbool.h>

#if defined(MORV_BUILD)
#define MORV_API PLATFORM_EXPORT
#else
#define MORV_API PLATFORM_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Error report. `format` is a wide printf format (see osUTusprintf).
MORV_API void osERfatalError(const unichar* moduleName, const char* sourceFile, int32_t line,
                             const unichar* format, ...);

// Maths. Angles of the fast functions are in tenths of a degree, any value.
MORV_API double osUTfastsin(int16_t tenthsOfDegree);
MORV_API double osUTfastcos(int16_t tenthsOfDegree);
MORV_API double osUTsqrt(double value);
MORV_API double osUTpow(double base, double exponent);
MORV_API int32_t osUTabs(int32_t value);
MORV_API double osUTatan(double value);
MORV_API double osUTfabs(double value);
MORV_API double osUTlog10(double value);

// Wide strings (UTF-16, zero-terminated). A null text reads as the empty text
// (copying from null empties the target); a null target is left alone.
// osUTitou writes radix 2 to 36 in lower-case digits, "-" before a negative
// value in radix 10, the 32-bit two's complement in any other radix.
MORV_API int32_t osUTustrlen(const unichar* text);
MORV_API int32_t osUTustrncmp(const unichar* a, const unichar* b, int32_t count);
MORV_API unichar* osUTustrcpy(unichar* target, const unichar* source);
MORV_API unichar* osUTustrcat(unichar* target, const unichar* source);
MORV_API unichar* osUTustrrchr(const unichar* text, unichar character);
MORV_API unichar osUTtoupper(unichar character);
MORV_API unichar* osUTitou(int32_t value, unichar* buffer, int32_t radix);
// Wide printf into `buffer`; returns the number of characters written.
// Conversions: d i u o x X c s (wide text) hs (narrow UTF-8 text) f F e E g G
// a A p and %%, with the flags - + space 0 #, width and precision (also `*`)
// and the lengths hh h l ll j z t L. Widths and precisions above 512 count as
// 512. The caller's buffer must hold the whole text and its terminator.
MORV_API int32_t osUTusprintf(unichar* buffer, const unichar* format, ...);
// The same, writing at most `capacity` characters including the terminator;
// returns the number of characters written.
MORV_API int32_t osUTusnprintf(unichar* buffer, int32_t capacity, const unichar* format, ...);
MORV_API int32_t osUTvusnprintf(unichar* buffer, int32_t capacity, const unichar* format,
                                va_list arguments);
MORV_API void* osUTmemcpy(void* target, const void* source, uint32_t size);
MORV_API void* osUTmemset(void* target, int32_t value, uint32_t size);

// Time: the offset of local time from GMT in minutes, counted so that
// GMT = local time + offset (one hour east of Greenwich gives -60).
MORV_API bool osTMgetGMTTimeZoneOffset(int32_t* offsetMinutes);

// Configuration: values in named sections, keys and values as text. The get
// functions deliver the value and true, or 0 (an empty text) and false when the
// key is missing or, for integers, not a whole 32-bit number. With
// `createIfMissing` a missing key is first stored as 0 (an empty text).
// `capacity` counts the terminator; longer texts are cut to capacity - 1.
// The set functions store the value and return true when it was kept (and,
// with a configuration file, written); a set that returns false changes nothing.
MORV_API bool osCGgetINT32(const unichar* section, const unichar* key, bool createIfMissing,
                           int32_t* value);
MORV_API bool osCGsetINT32(const unichar* section, const unichar* key, int32_t value);
MORV_API bool osCGgetUNICHAR(const unichar* section, const unichar* key, bool createIfMissing,
                             int32_t capacity, unichar* buffer);
MORV_API bool osCGsetUNICHAR(const unichar* section, const unichar* key, const unichar* value);

// System languages: the code ("en", "de", ...) of the language at `position`
// of the system's list, or an empty text and false beyond its end. `code`
// holds at least OS_BL_LANGUAGE_CODE_CAPACITY characters.
#define OS_BL_LANGUAGE_CODE_CAPACITY 16
MORV_API bool osBLgetSystemLanguageCode(int32_t position, unichar* code);

#ifdef __cplusplus
}
#endif
