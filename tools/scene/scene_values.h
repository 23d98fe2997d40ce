// Scalar values of a scene: JSON numbers, booleans, colours and characters
// turned into the words the VM stores, with range checks.
#pragma once

#include "tools/scene/json_places.h"
#include "tools/scene/scene.h"

#include <optional>
#include <string>
#include <string_view>

namespace scene {

// The field type of a scalar parameter type ("I", "B", "Z", "S", "C", "F");
// nothing for references, void and the two-word types.
std::optional<vmhost::FieldType> scalarFieldType(std::string_view parameterType);

// The word a field or parameter of `type` gets from `json`. Int fields and
// parameters also take colours and "surface" (the scene's surface handle).
Value scalarValue(const Json& json, vmhost::FieldType type, const std::string& place);

// An int (-2147483648..4294967295, kept as its 32-bit pattern); no colours.
int32_t intValue(const Json& json, const std::string& place);

// "#RRGGBB", "#AARRGGBB", "none" (0x80000000, no colour) or an int.
uint32_t colourValue(const Json& json, const std::string& place);

// A one-character string (one UTF-16 unit) or an int 0..65535.
char16_t characterValue(const Json& json, const std::string& place);

// A scene name: letters, digits, '_' and '-'.
bool isValidName(std::string_view name);

}  // namespace scene
