// The text form of the configuration: an INI file in UTF-8.
//
//   [Language]
//   UserApplicationLanguageNum2=5
//   UserApplicationLanguageName0=English
//
// Lines end in "\n" or "\r\n". Spaces around section names, keys and values
// are not part of them. Lines starting with ";" or "#" are comments and may
// hold any bytes (a Latin-1 comment is still a comment). A header is "[name]"
// with nothing after its "]"; an entry is key=value with a key. Any other
// line, and a header or entry holding a zero byte or bytes that are not
// UTF-8, is damaged: the reader skips it. Entries before the first header,
// and after a damaged one until the next sound header, belong to no section. When a key occurs
// twice in a section, or in two sections of the same name, the last one holds. In values, "\\",
// "\n", "\r", "\t" and "\uXXXX" stand for the characters that the file cannot hold as they are
// (leading and trailing spaces are written as "\u0020").
//
// The writer changes one key and keeps every other byte: the value of the
// line that holds the key is replaced in place; a new key goes on a line of
// its own after the last entry or damaged line of the last section of that
// name, and a new section at the end, after a blank line. New lines end in
// the style of the text's first line break.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "utf_text.h"

namespace morv {

// What the reader makes of a text, for one key.
struct IniReading {
  std::optional<UniString> value;  // the key's value, when a sound line holds it
  size_t damagedLines = 0;         // lines skipped
  size_t firstDamagedLine = 0;     // 1-based; 0 when every line is sound
};

IniReading readIni(std::string_view text, const UniString& section, const UniString& key);

// The text with `key` of `section` set to `value`; the name must be valid.
std::string withIniValue(std::string_view text, const UniString& section, const UniString& key,
                         const UniString& value);

// Whether a name can be written and read back unchanged.
bool isValidSectionName(const UniString& name);
bool isValidKey(const UniString& key);

}  // namespace morv
