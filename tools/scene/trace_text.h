// How the scene runner writes VM values in its own trace lines: native
// results ("result line1.draw(I)V -> void") and printed fields
// ("field line1.x1 = 10").
#pragma once

#include "platform/ivm/vm_host.h"

#include <string>

namespace scene {

// A scalar word as a field of `type` holds it: ints and bytes signed, chars
// and unsigned ints unsigned, booleans true/false, floats in their shortest
// exact form.
std::string scalarText(vmhost::FieldType type, uint32_t word);

// The contents of an array or a string: [0, 0, 10, 5], [@title, null],
// "text"; empty for other objects.
std::string contentText(jword reference);

// "@name" or "#word" or "null", followed for arrays and strings by their
// contents: [0, 0, 10, 5], [@title, null], "text".
std::string referenceText(jword reference);

// What a native of result type `resultType` returned.
std::string resultText(const std::string& resultType, const vmhost::CallResult& result);

// The value of one field of an object; fields named ...Color or color are
// written as 0xAARRGGBB.
std::string fieldText(jword object, const vmhost::FieldDef& field);

}  // namespace scene
