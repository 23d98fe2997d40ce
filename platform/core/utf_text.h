// Conversions between the runtime's UTF-16 texts and the host's UTF-8 texts.
#pragma once

#include "platform_export.h"

#include <string>
#include <string_view>

namespace morv {

using UniString = std::basic_string<unichar>;

// Lone surrogates become U+FFFD.
std::string toUtf8(const unichar* text, size_t count);
std::string toUtf8(const UniString& text);

// Malformed sequences become U+FFFD, one per offending byte.
UniString fromUtf8(std::string_view text);

// Length of a zero-terminated text; a null text has length 0.
size_t uniLength(const unichar* text);

// Decodes one UTF-8 sequence at `text[index]`, advancing `index`; malformed
// input yields U+FFFD and advances by one byte.
char32_t decodeUtf8(std::string_view text, size_t& index);
void appendUtf8(std::string& out, char32_t codePoint);
void appendUtf16(UniString& out, char32_t codePoint);

}  // namespace morv
