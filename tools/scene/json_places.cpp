#include "tools/scene/json_places.h"

namespace scene {

void fail(const std::string& place, const std::string& message) {
  throw SceneProblem(place, message);
}

std::string member(const std::string& place, const std::string& key) {
  return place.empty() ? key : place + "." + key;
}

std::string element(const std::string& place, size_t index) {
  return place + "[" + std::to_string(index) + "]";
}

void requireObject(const Json& json, const std::string& place, const char* what) {
  if (!json.is_object())
    fail(place, std::string("expected an object of ") + what + ", got " + shortText(json));
}

void requireArray(const Json& json, const std::string& place, const char* what) {
  if (!json.is_array())
    fail(place, std::string("expected an array of ") + what + ", got " + shortText(json));
}

const std::string& requireString(const Json& json, const std::string& place) {
  if (!json.is_string()) fail(place, "expected a string, got " + shortText(json));
  return json.get_ref<const std::string&>();
}

void checkKeys(const Json& json, const std::string& place,
               std::initializer_list<const char*> allowed) {
  for (const auto& [key, value] : json.items()) {
    bool known = false;
    for (const char* name : allowed) known = known || key == name;
    if (known) continue;
    std::string list;
    for (const char* name : allowed) list += std::string(list.empty() ? "" : ", ") + name;
    fail(member(place, key), "unknown key; expected one of " + list);
  }
}

std::string shortText(const Json& json) {
  // Containers are only named: dumping them could recurse as deep as the input.
  if (json.is_array()) return "an array";
  if (json.is_object()) return "an object";
  constexpr size_t kLongest = 40;
  std::string text = json.dump(-1, ' ', false, Json::error_handler_t::replace);
  if (text.size() > kLongest) {
    size_t cut = kLongest - 3;
    // Never split a UTF-8 sequence.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text = text.substr(0, cut) + "...";
  }
  return text;
}

}  // namespace scene
