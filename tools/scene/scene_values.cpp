#include "tools/scene/scene_values.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace scene {
namespace {

using vmhost::FieldType;

constexpr int64_t kIntLow = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntHigh = std::numeric_limits<uint32_t>::max();  // taken as the 32-bit pattern

struct ScalarKind {
  const char* what;
  int64_t low;
  int64_t high;
};

ScalarKind kindOf(FieldType type) {
  switch (type) {
    case FieldType::Byte:
      return {"a byte", -128, 255};
    case FieldType::Short:
      return {"a short", -32768, 65535};
    case FieldType::Char:
      return {"a character", 0, 65535};
    case FieldType::Bool:
      return {"a boolean", 0, 1};
    case FieldType::Float:
      return {"a number", 0, 0};
    default:
      return {"an int", kIntLow, kIntHigh};
  }
}

// The integer in `json` within [low, high]; fails naming `what` otherwise.
int64_t integerValue(const Json& json, const ScalarKind& kind, const std::string& place) {
  if (!json.is_number_integer())
    fail(place, std::string("expected ") + kind.what + ", got " + shortText(json));
  const bool tooLarge =
      json.is_number_unsigned() && json.get<uint64_t>() > static_cast<uint64_t>(kind.high);
  const int64_t value = tooLarge ? 0 : json.get<int64_t>();
  if (tooLarge || value < kind.low || value > kind.high) {
    fail(place, "value " + shortText(json) + " is out of range for " + kind.what + " (" +
                    std::to_string(kind.low) + ".." + std::to_string(kind.high) + ")");
  }
  return value;
}

std::optional<uint32_t> hexDigits(std::string_view digits) {
  uint32_t value = 0;
  for (char c : digits) {
    uint32_t digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value << 4 | digit;
  }
  return value;
}

std::optional<uint32_t> colourText(std::string_view text) {
  if (text == "none") return 0x80000000u;
  if (text.size() != 7 && text.size() != 9) return std::nullopt;
  if (text[0] != '#') return std::nullopt;
  return hexDigits(text.substr(1));
}

// UTF-16 units of a text the JSON parser has already checked to be UTF-8.
std::u16string utf16Of(std::string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < text.size(); ++k)
      code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += static_cast<size_t>(extra) + 1;
    if (code >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

uint32_t floatBits(const Json& json, const std::string& place) {
  if (!json.is_number()) fail(place, "expected a number, got " + shortText(json));
  const double value = json.get<double>();
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
    fail(place, "value " + shortText(json) + " is out of range for a float");
  const auto narrowed = static_cast<float>(value);
  uint32_t bits;
  std::memcpy(&bits, &narrowed, sizeof bits);
  return bits;
}

}  // namespace

std::optional<FieldType> scalarFieldType(std::string_view parameterType) {
  if (parameterType.size() != 1) return std::nullopt;
  switch (parameterType[0]) {
    case 'I':
      return FieldType::Int;
    case 'B':
      return FieldType::Byte;
    case 'Z':
      return FieldType::Bool;
    case 'S':
      return FieldType::Short;
    case 'C':
      return FieldType::Char;
    case 'F':
      return FieldType::Float;
    default:
      return std::nullopt;
  }
}

Value scalarValue(const Json& json, FieldType type, const std::string& place) {
  Value value;
  // {"word": n}: the stack word itself, with bits the type would not hold (a
  // byte's upper bits, a float's NaN), as a VM may leave them.
  if (json.is_object()) {
    checkKeys(json, place, {"word"});
    if (!json.contains("word")) fail(place, "missing \"word\"");
    value.word = static_cast<uint32_t>(
        integerValue(json["word"], kindOf(FieldType::Int), member(place, "word")));
    return value;
  }
  switch (type) {
    case FieldType::Int:
    case FieldType::UInt:
      if (json.is_string()) {
        const std::string& text = json.get_ref<const std::string&>();
        if (text == "surface") {
          value.kind = Value::Kind::Surface;
          return value;
        }
        if (const auto colour = colourText(text)) {
          value.word = *colour;
          return value;
        }
        fail(place, "expected an int, a colour (\"#RRGGBB\", \"none\") or \"surface\", got " +
                        shortText(json));
      }
      value.word = static_cast<uint32_t>(integerValue(json, kindOf(type), place));
      return value;
    case FieldType::Byte:
      value.word = static_cast<uint32_t>(
          static_cast<int32_t>(static_cast<int8_t>(integerValue(json, kindOf(type), place))));
      return value;
    case FieldType::Short:
      value.word = static_cast<uint32_t>(
          static_cast<int32_t>(static_cast<int16_t>(integerValue(json, kindOf(type), place))));
      return value;
    case FieldType::Char:
      value.word = characterValue(json, place);
      return value;
    case FieldType::Bool:
      if (json.is_boolean()) {
        value.word = json.get<bool>() ? 1 : 0;
      } else {
        value.word = static_cast<uint32_t>(integerValue(json, kindOf(type), place));
      }
      return value;
    case FieldType::Float:
      value.word = floatBits(json, place);
      return value;
    case FieldType::Ref:
      break;
  }
  fail(place, "not a scalar");
}

int32_t intValue(const Json& json, const std::string& place) {
  return static_cast<int32_t>(integerValue(json, kindOf(FieldType::Int), place));
}

uint32_t colourValue(const Json& json, const std::string& place) {
  if (json.is_string()) {
    if (const auto colour = colourText(json.get_ref<const std::string&>())) return *colour;
    fail(place, "expected a colour (\"#RRGGBB\", \"#AARRGGBB\", \"none\" or an int), got " +
                    shortText(json));
  }
  return static_cast<uint32_t>(integerValue(json, kindOf(FieldType::Int), place));
}

char16_t characterValue(const Json& json, const std::string& place) {
  if (json.is_string()) {
    const std::u16string units = utf16Of(json.get_ref<const std::string&>());
    if (units.size() != 1)
      fail(place, "expected one character (one UTF-16 unit), got " + shortText(json));
    return units[0];
  }
  return static_cast<char16_t>(integerValue(json, kindOf(FieldType::Char), place));
}

bool isValidName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    const bool letterOrDigit =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letterOrDigit && c != '_' && c != '-') return false;
  }
  return true;
}

}  // namespace scene
