#include "ini_text.h"

#include <cstdio>

namespace morv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isBlank(unichar c) { return c == u' ' || c == u'\t'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Undoes the escapes of a value; an unknown escape stands for itself.
UniString unescapeValue(std::string_view text) {
  UniString out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      appendUtf16(out, decodeUtf8(text, i));
      continue;
    }
    const char escaped = text[i + 1];
    if (escaped == 'n') {
      out += u'\n', i += 2;
    } else if (escaped == 'r') {
      out += u'\r', i += 2;
    } else if (escaped == 't') {
      out += u'\t', i += 2;
    } else if (escaped == '\\') {
      out += u'\\', i += 2;
    } else if (escaped == 'u' && i + 6 <= text.size()) {
      int value = 0;
      bool valid = true;
      for (size_t k = i + 2; k < i + 6; ++k) {
        const int digit = hexValue(text[k]);
        valid = valid && digit >= 0;
        value = value * 16 + digit;
      }
      if (valid && value != 0) {
        out += static_cast<unichar>(value), i += 6;
      } else {
        out += u'\\', ++i;
      }
    } else {
      out += u'\\', ++i;
    }
  }
  return out;
}

void appendEscape(std::string& out, unichar unit) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
  out += escape;
}

std::string escapeValue(const UniString& value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    const unichar unit = value[i];
    const bool edge = i == 0 || i + 1 == value.size();
    if (unit == u'\\') {
      out += "\\\\";
    } else if (unit == u'\n') {
      out += "\\n";
    } else if (unit == u'\r') {
      out += "\\r";
    } else if (unit == u'\t') {
      out += "\\t";
    } else if (unit == u' ' && edge) {
      appendEscape(out, unit);
    } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < value.size() && value[i + 1] >= 0xDC00 &&
               value[i + 1] <= 0xDFFF) {
      out += toUtf8(&value[i], 2);
      ++i;
    } else if ((unit >= 0xD800 && unit <= 0xDFFF) || unit < 0x20) {
      appendEscape(out, unit);
    } else {
      appendUtf8(out, unit);
    }
  }
  return out;
}

enum class LineKind { Blank, Section, Entry, Damaged };

LineKind kindOf(std::string_view line) {
  if (line.empty() || line.front() == ';' || line.front() == '#') return LineKind::Blank;
  if (line.find('\0') != std::string_view::npos) return LineKind::Damaged;
  if (line.front() == '[') {
    const size_t close = line.find(']');
    return close == line.size() - 1 ? LineKind::Section : LineKind::Damaged;
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || trim(line.substr(0, equals)).empty())
    return LineKind::Damaged;
  return LineKind::Entry;
}

// False when a byte sequence is not UTF-8 (a zero byte counts as damage too).
bool isSoundUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    const char32_t decoded = decodeUtf8(text, i);
    if (decoded == 0) return false;
    if (decoded == 0xFFFD && text.substr(start, i - start) != "\xEF\xBF\xBD") return false;
  }
  return true;
}

bool hasLineBreak(const UniString& text) {
  return text.find(u'\n') != UniString::npos || text.find(u'\r') != UniString::npos;
}

bool isTrimmed(const UniString& text) {
  return !text.empty() && !isBlank(text.front()) && !isBlank(text.back());
}

}  // namespace

const UniString* IniDocument::find(const UniString& section, const UniString& key) const {
  for (const IniSection& candidate : sections) {
    if (candidate.name != section) continue;
    for (const auto& [entryKey, value] : candidate.entries) {
      if (entryKey == key) return &value;
    }
  }
  return nullptr;
}

void IniDocument::set(const UniString& section, const UniString& key, const UniString& value) {
  IniSection* target = nullptr;
  for (IniSection& candidate : sections) {
    if (candidate.name == section) target = &candidate;
  }
  if (target == nullptr) target = &sections.emplace_back(IniSection{section, {}});
  for (auto& [entryKey, entryValue] : target->entries) {
    if (entryKey == key) {
      entryValue = value;
      return;
    }
  }
  target->entries.emplace_back(key, value);
}

IniReading readIni(std::string_view text) {
  IniReading reading;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  UniString section;
  for (size_t number = 1; !text.empty(); ++number) {
    const size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    std::string_view line = trim(raw);
    if (!line.empty() && line.back() == '\r') line = trim(line.substr(0, line.size() - 1));
    const LineKind kind = kindOf(line);
    if (kind == LineKind::Damaged || !isSoundUtf8(raw)) {
      reading.damagedLine = number;
      break;
    }
    if (kind == LineKind::Section) {
      section = fromUtf8(trim(line.substr(1, line.size() - 2)));
    } else if (kind == LineKind::Entry) {
      const size_t equals = line.find('=');
      reading.document.set(section, fromUtf8(trim(line.substr(0, equals))),
                           unescapeValue(trim(line.substr(equals + 1))));
    }
  }
  return reading;
}

std::string formatIni(const IniDocument& document) {
  std::string out;
  for (const IniSection& section : document.sections) {
    if (section.entries.empty()) continue;
    if (!out.empty()) out += '\n';
    out += '[' + toUtf8(section.name) + "]\n";
    for (const auto& [key, value] : section.entries) {
      out += toUtf8(key) + '=' + escapeValue(value) + '\n';
    }
  }
  return out;
}

bool isValidSectionName(const UniString& name) {
  return isTrimmed(name) && !hasLineBreak(name) && name.find(u']') == UniString::npos;
}

bool isValidKey(const UniString& key) {
  return isTrimmed(key) && !hasLineBreak(key) && key.find(u'=') == UniString::npos &&
         key.front() != u'[' && key.front() != u';' && key.front() != u'#';
}

}  // namespace morv
