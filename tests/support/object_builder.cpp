#include "object_builder.h"

#include <cstring>

namespace tamri_test {
namespace {

constexpr int kMaxDepth = 3;

bool nameHas(const char* name, std::string_view part) {
  return std::string_view(name).find(part) != std::string_view::npos;
}

// Element type of an array type: "[I" -> "I", "[Ljava/lang/String;" -> "Ljava/lang/String;".
std::string_view elementType(std::string_view arrayType) { return arrayType.substr(1); }

}  // namespace

int64_t TypicalValues::fieldValue(const vmhost::FieldDef& field) {
  if (nameHas(field.name, "Color") || nameHas(field.name, "Colour")) return 0x336699;
  if (nameHas(field.name, "Count") || nameHas(field.name, "count")) return 3;
  if (nameHas(field.name, "Handle") || nameHas(field.name, "handle")) return 0;
  if (nameHas(field.name, "Separator")) return field.name[0] == 'd' ? '.' : ',';
  switch (field.type) {
    case vmhost::FieldType::Byte:
    case vmhost::FieldType::Bool:
      return 1;
    case vmhost::FieldType::Float: {
      const float value = 1.5f;
      uint32_t bits;
      std::memcpy(&bits, &value, 4);
      return bits;
    }
    default:
      return 10 + (field.offset % 40);
  }
}

uint32_t TypicalValues::scalar(std::string_view type) {
  if (type == "Z" || type == "B") return 1;
  if (type == "F") {
    const float value = 12.5f;
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return bits;
  }
  return 20 + static_cast<uint32_t>(next++ % 10);
}

int32_t TypicalValues::arrayLength(std::string_view) { return 16; }
int32_t TypicalValues::arrayElement() { return 5 + (next++ * 7) % 50; }
std::u16string TypicalValues::text() { return u"Tamri 12.5"; }

jword buildReference(std::string_view vmType, ValueSource& values, int depth) {
  if (depth > kMaxDepth || values.nullReference()) return 0;
  if (vmType == "Ljava/lang/String;") return vmhost::newString(values.text());
  if (vmType.size() > 2 && vmType.front() == 'L' && vmType.back() == ';')
    return buildObject(vmType.substr(1, vmType.size() - 2), values, depth + 1);
  if (vmType.empty() || vmType.front() != '[') return 0;
  const int32_t length = values.arrayLength(vmType);
  if (length < 0) return 0;
  if (vmType == "[I") {
    std::vector<int32_t> elements(static_cast<size_t>(length));
    for (int32_t& e : elements) e = values.arrayElement();
    return vmhost::newIntArray(elements);
  }
  std::vector<jword> elements(static_cast<size_t>(length));
  for (jword& e : elements) e = buildReference(elementType(vmType), values, depth + 1);
  return vmhost::newRefArray(elements);
}

jword buildObject(std::string_view classPath, ValueSource& values, int depth) {
  const jword object = vmhost::newObject(classPath);
  if (!object) return 0;
  for (const vmhost::ClassDef* c = vmhost::classOf(object); c;
       c = c->superPath ? vmhost::classByPath(c->superPath) : nullptr) {
    for (const vmhost::FieldDef& field : c->fields) {
      const int64_t value = field.type == vmhost::FieldType::Ref
                                ? buildReference(field.refType, values, depth + 1)
                                : values.fieldValue(field);
      vmhost::setField(object, field.name, value);
    }
  }
  return object;
}

bool isClassNative(const vmhost::NativeRecord& native) {
  return vmhost::isStaticMethod(native.classPath, native.nameAndSignature);
}

NativeArguments buildArguments(const vmhost::NativeRecord& native, ValueSource& values) {
  NativeArguments args;
  if (!isClassNative(native)) args.self = buildObject(native.classPath, values);
  const vmhost::Signature signature = vmhost::parseSignature(native.nameAndSignature);
  for (const std::string& type : signature.params) {
    if (vmhost::isReferenceType(type)) {
      args.references.push_back(buildReference(type, values));
    } else {
      args.scalars.push_back(values.scalar(type));
    }
  }
  return args;
}

}  // namespace tamri_test
