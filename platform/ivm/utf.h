// UTF-8 <-> UTF-16 conversion for host-side texts.
#pragma once

#include <string>
#include <string_view>

namespace vmhost {

std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(std::u16string_view text);

}  // namespace vmhost
