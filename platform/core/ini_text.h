// The text form of the configuration: an INI file in UTF-8.
//
//   [Language]
//   UserApplicationLanguageNum2=5
//   UserApplicationLanguageName0=English
//
// Spaces around section names, keys and values are not part of them; lines
// starting with ";" or "#" are comments. Any other line that is neither a
// section header nor key=value, a header without its "]" or with more after
// it, a zero byte and bytes that are not UTF-8 make the file damaged from
// that line on. In values, "\\", "\n", "\r", "\t" and
// "\uXXXX" stand for the characters that the file cannot hold as they are
// (leading and trailing spaces are written as "\u0020").
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "utf_text.h"

namespace morv {

struct IniSection {
  UniString name;
  std::vector<std::pair<UniString, UniString>> entries;  // key, value, in file order
};

struct IniDocument {
  std::vector<IniSection> sections;

  const UniString* find(const UniString& section, const UniString& key) const;
  void set(const UniString& section, const UniString& key, const UniString& value);
};

struct IniReading {
  IniDocument document;    // every entry before the first damaged line
  size_t damagedLine = 0;  // 1-based; 0 when the whole text is sound
};

IniReading readIni(std::string_view text);
std::string formatIni(const IniDocument& document);

// Whether a name can be written and read back unchanged.
bool isValidSectionName(const UniString& name);
bool isValidKey(const UniString& key);

}  // namespace morv
