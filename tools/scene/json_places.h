// Reading a scene's JSON with every problem tied to its place, the JSON path
// of the value ("objects.line1.fields.x1", "calls[2].args[0]").
#pragma once

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace scene {

// Objects keep their keys in file order, so heap words follow the file.
using Json = nlohmann::ordered_json;

// A problem found while loading; caught where the scene's load ends.
struct SceneProblem : std::runtime_error {
  SceneProblem(std::string where, const std::string& message)
      : std::runtime_error(message), place(std::move(where)) {}
  std::string place;
};

[[noreturn]] void fail(const std::string& place, const std::string& message);

// "objects" + "line1" gives "objects.line1"; an empty place gives the key.
std::string member(const std::string& place, const std::string& key);
// "calls" + 2 gives "calls[2]".
std::string element(const std::string& place, size_t index);

// Fail unless `json` is a JSON object (`what` says what it should hold)...
void requireObject(const Json& json, const std::string& place, const char* what);
// ...or an array...
void requireArray(const Json& json, const std::string& place, const char* what);
// ...or a string.
const std::string& requireString(const Json& json, const std::string& place);
// Fails on a key outside `allowed`.
void checkKeys(const Json& json, const std::string& place,
               std::initializer_list<const char*> allowed);

// A short rendering of a JSON value for messages.
std::string shortText(const Json& json);

}  // namespace scene
