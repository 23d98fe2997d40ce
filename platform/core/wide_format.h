// The formatter behind osUTusprintf, for the platform core's own use.
#pragma once

#include <cstdarg>

#include "platform_export.h"

namespace morv {

// Formats into at most `capacity` characters, terminator included; returns the
// number of characters written.
int32_t formatWide(unichar* buffer, int32_t capacity, const unichar* format, va_list arguments);

}  // namespace morv
