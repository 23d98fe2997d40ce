#include "tools/scene/trace_text.h"

#include "platform/core/host_trace.h"
#include "tools/scene/scene_values.h"

#include <charconv>
#include <cstring>

namespace scene {
namespace {

using vmhost::FieldType;

std::string floatText(uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

template <typename Element, typename Write>
std::string listText(const std::vector<Element>& elements, Write write) {
  std::string text = "[";
  for (size_t i = 0; i < elements.size(); ++i) {
    if (i) text += ", ";
    text += write(elements[i]);
  }
  return text + "]";
}

bool isColourField(std::string_view name) {
  return name == "color" || (name.size() > 5 && name.ends_with("Color"));
}

}  // namespace

std::string scalarText(FieldType type, uint32_t word) {
  switch (type) {
    case FieldType::Byte:
      return std::to_string(static_cast<int8_t>(word & 0xFF));
    case FieldType::Short:
      return std::to_string(static_cast<int16_t>(word & 0xFFFF));
    case FieldType::Char:
      return std::to_string(word & 0xFFFF);
    case FieldType::Bool:
      return (word & 0xFF) ? "true" : "false";
    case FieldType::Float:
      return floatText(word);
    case FieldType::UInt:
    case FieldType::Ref:
      return std::to_string(word);
    case FieldType::Int:
      break;
  }
  return std::to_string(static_cast<int32_t>(word));
}

std::string contentText(jword reference) {
  const std::string kind = vmhost::kindOf(reference);
  if (kind == "[I")
    return listText(vmhost::intArray(reference), [](int32_t v) { return std::to_string(v); });
  if (kind == "[L") return listText(vmhost::refArray(reference), vmhost::describe);
  if (kind == "java/lang/String") {
    const std::u16string chars = vmhost::stringText(reference);
    return host::quoted(chars.data(), static_cast<int32_t>(chars.size()));
  }
  return {};
}

std::string referenceText(jword reference) {
  const std::string content = contentText(reference);
  return vmhost::describe(reference) + (content.empty() ? "" : " " + content);
}

std::string resultText(const std::string& resultType, const vmhost::CallResult& result) {
  if (resultType == "V") return "void";
  if (vmhost::isReferenceType(resultType)) return referenceText(result.reference);
  const auto type = scalarFieldType(resultType);
  return type ? scalarText(*type, result.value) : std::to_string(result.value);
}

std::string fieldText(jword object, const vmhost::FieldDef& field) {
  const auto word = static_cast<uint32_t>(vmhost::getField(object, field.name));
  if (field.type == FieldType::Ref) return referenceText(word);
  if (field.type == FieldType::Int && isColourField(field.name))
    return host::hexColour(static_cast<int32_t>(word));
  return scalarText(field.type, word);
}

}  // namespace scene
