#include "ini_text.h"

#include <algorithm>
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

enum class LineKind { Blank, Comment, Section, BrokenHeader, Entry, Damaged };

struct Line {
  size_t next = 0;  // where the next line starts
  LineKind kind = LineKind::Blank;
  std::string_view name;                // a header's section, an entry's key
  size_t valueBegin = 0, valueEnd = 0;  // an entry's value, as offsets into the text
};

size_t bomLength(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

Line lineAt(std::string_view text, size_t begin) {
  Line line;
  const size_t lineBreak = text.find('\n', begin);
  line.next = lineBreak == std::string_view::npos ? text.size() : lineBreak + 1;
  size_t end = std::min(lineBreak, text.size());
  if (end > begin && text[end - 1] == '\r') --end;
  const std::string_view content = trim(text.substr(begin, end - begin));
  if (content.empty()) return line;
  const bool header = content.front() == '[';
  if (content.front() == ';' || content.front() == '#') {
    line.kind = LineKind::Comment;
  } else if (!isSoundUtf8(content)) {
    line.kind = header ? LineKind::BrokenHeader : LineKind::Damaged;
  } else if (header) {
    const bool closed = content.find(']') == content.size() - 1;
    line.kind = closed ? LineKind::Section : LineKind::BrokenHeader;
    if (closed) line.name = trim(content.substr(1, content.size() - 2));
  } else {
    const size_t equals = content.find('=');
    line.name = trim(content.substr(0, equals));
    line.kind =
        equals == std::string_view::npos || line.name.empty() ? LineKind::Damaged : LineKind::Entry;
    if (line.kind == LineKind::Entry) {
      const std::string_view value = trim(content.substr(equals + 1));
      line.valueBegin = static_cast<size_t>(value.data() - text.data());
      line.valueEnd = line.valueBegin + value.size();
    }
  }
  return line;
}

// Where one key of one section stands in a text.
struct KeyPlace {
  bool found = false;
  size_t valueBegin = 0, valueEnd = 0;  // the value of the key's last entry
  // Just after the last entry or damaged line of the section's last header,
  // where a new key goes; npos when the section has no header.
  size_t anchor = std::string_view::npos;
  size_t damagedLines = 0, firstDamagedLine = 0;
  bool endsBlank = true;  // the last line is blank (or there is none)
};

KeyPlace placeOf(std::string_view text, std::string_view section, std::string_view key) {
  KeyPlace place;
  bool inSection = false;
  size_t number = 0;
  for (size_t at = bomLength(text); at < text.size();) {
    const Line line = lineAt(text, at);
    at = line.next;
    ++number;
    place.endsBlank = line.kind == LineKind::Blank;
    if (line.kind == LineKind::Section || line.kind == LineKind::BrokenHeader) {
      inSection = line.kind == LineKind::Section && line.name == section;
      if (inSection) place.anchor = line.next;
    }
    if (line.kind == LineKind::Damaged || line.kind == LineKind::BrokenHeader) {
      if (place.damagedLines++ == 0) place.firstDamagedLine = number;
    }
    if (!inSection || (line.kind != LineKind::Entry && line.kind != LineKind::Damaged)) continue;
    place.anchor = line.next;
    if (line.kind == LineKind::Entry && line.name == key) {
      place.found = true;
      place.valueBegin = line.valueBegin;
      place.valueEnd = line.valueEnd;
    }
  }
  return place;
}

// The text's own line break: that of its first line, "\n" when it has none.
std::string_view lineBreakOf(std::string_view text) {
  const size_t first = text.find('\n');
  return first != std::string_view::npos && first > 0 && text[first - 1] == '\r' ? "\r\n" : "\n";
}

bool hasLineBreak(const UniString& text) {
  return text.find(u'\n') != UniString::npos || text.find(u'\r') != UniString::npos;
}

bool isTrimmed(const UniString& text) {
  return !text.empty() && !isBlank(text.front()) && !isBlank(text.back());
}

}  // namespace

IniReading readIni(std::string_view text, const UniString& section, const UniString& key) {
  const KeyPlace place = placeOf(text, toUtf8(section), toUtf8(key));
  IniReading reading;
  reading.damagedLines = place.damagedLines;
  reading.firstDamagedLine = place.firstDamagedLine;
  if (place.found) {
    reading.value = unescapeValue(text.substr(place.valueBegin, place.valueEnd - place.valueBegin));
  }
  return reading;
}

std::string withIniValue(std::string_view text, const UniString& section, const UniString& key,
                         const UniString& value) {
  const std::string sectionText = toUtf8(section);
  const std::string keyText = toUtf8(key);
  const std::string valueText = escapeValue(value);
  const KeyPlace place = placeOf(text, sectionText, keyText);
  std::string out(text);
  if (place.found) {
    return out.replace(place.valueBegin, place.valueEnd - place.valueBegin, valueText);
  }
  const std::string_view lineBreak = lineBreakOf(text);
  const std::string entry = keyText + '=' + valueText;
  if (place.anchor != std::string_view::npos) {
    // After a last line without a break, the new line needs one before it.
    const bool afterBreak = text[place.anchor - 1] == '\n';
    return out.insert(place.anchor,
                      afterBreak ? entry + std::string(lineBreak) : std::string(lineBreak) + entry);
  }
  if (text.size() > bomLength(text)) {
    if (text.back() != '\n') out += lineBreak;
    if (!place.endsBlank) out += lineBreak;
  }
  out += '[' + sectionText + ']';
  out += lineBreak;
  out += entry;
  out += lineBreak;
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
