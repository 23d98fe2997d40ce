#include "tools/scene/scene_loader.h"

#include "tools/scene/scene_calls.h"
#include "tools/scene/scene_names.h"

#include <algorithm>

namespace scene {
namespace {

constexpr int32_t kLargestSurface = 4096;

class Loader {
 public:
  explicit Loader(const Json& root) : root_(root) {}

  Scene load() {
    requireObject(root_, "", "scene sections");
    checkKeys(root_, "",
              {"description", "surface", "separators", "timeZoneOffset", "strings", "intArrays",
               "refArrays", "objects", "setup", "calls", "print"});
    if (const Json* surface = section("surface")) loadSurface(*surface);
    if (const Json* separators = section("separators"))
      scene_.separators = loadSeparators(*separators, "separators", scene_.separators);
    if (const Json* offset = section("timeZoneOffset"))
      scene_.timeZoneOffset = intValue(*offset, "timeZoneOffset");
    declareNames();
    loadStrings();
    loadIntArrays();
    loadRefArrays();
    loadObjectFields();
    // Separator steps carry on from the set-up into the calls.
    Separators current = scene_.separators;
    loadCalls("setup", scene_.setup, current);
    loadCalls("calls", scene_.calls, current);
    loadPrints();
    return std::move(scene_);
  }

 private:
  const Json* section(const char* key) const { return root_.contains(key) ? &root_[key] : nullptr; }

  // The entries of a name-keyed section; an absent section has none.
  const Json& namedSection(const char* key, const char* what) const {
    static const Json kEmpty = Json::object();
    const Json* json = section(key);
    if (!json) return kEmpty;
    requireObject(*json, key, what);
    return *json;
  }

  const Json& listSection(const char* key, const char* what) const {
    static const Json kEmpty = Json::array();
    const Json* json = section(key);
    if (!json) return kEmpty;
    requireArray(*json, key, what);
    return *json;
  }

  void loadSurface(const Json& json) {
    requireObject(json, "surface", "\"width\", \"height\" and \"background\"");
    checkKeys(json, "surface", {"width", "height", "background"});
    SurfaceSpec surface;
    for (auto [key, size] : {std::pair{"width", &surface.width}, {"height", &surface.height}}) {
      const std::string place = member("surface", key);
      if (!json.contains(key)) fail("surface", std::string("missing \"") + key + "\"");
      *size = intValue(json[key], place);
      if (*size < 1 || *size > kLargestSurface)
        fail(place,
             "expected 1.." + std::to_string(kLargestSurface) + ", got " + std::to_string(*size));
    }
    if (json.contains("background"))
      surface.background = colourValue(json["background"], member("surface", "background"));
    scene_.surface = surface;
  }

  // A separator not given keeps its value.
  static Separators loadSeparators(const Json& json, const std::string& place,
                                   Separators separators) {
    requireObject(json, place, "\"decimal\" and \"group\"");
    checkKeys(json, place, {"decimal", "group"});
    if (json.contains("decimal"))
      separators.decimal = characterValue(json["decimal"], member(place, "decimal"));
    if (json.contains("group"))
      separators.group = characterValue(json["group"], member(place, "group"));
    return separators;
  }

  // Every name first, so that references may point forwards.
  void declareNames() {
    for (const auto& [name, text] : namedSection("strings", "name: text").items())
      names_.declare(name, ItemKind::String, member("strings", name));
    for (const auto& [name, array] : namedSection("intArrays", "name: [ints]").items())
      names_.declare(name, ItemKind::IntArray, member("intArrays", name));
    size_t refArrayIndex = 0;
    for (const auto& [name, array] :
         namedSection("refArrays", "name: [\"@name\" or null]").items()) {
      names_.declare(name, ItemKind::RefArray, member("refArrays", name)).refArrayIndex =
          refArrayIndex++;
    }
    for (const auto& [name, object] :
         namedSection("objects", "name: {\"class\", \"fields\"}").items()) {
      const std::string place = member("objects", name);
      requireObject(object, place, "\"class\" and \"fields\"");
      checkKeys(object, place, {"class", "fields"});
      if (!object.contains("class")) fail(place, "missing \"class\"");
      const std::string& path = requireString(object["class"], member(place, "class"));
      const vmhost::ClassDef* cls = vmhost::classByPath(path);
      if (!cls) fail(member(place, "class"), "unknown class " + path);
      names_.declare(name, ItemKind::Object, place).cls = cls;
    }
  }

  void loadStrings() {
    for (const auto& [name, text] : namedSection("strings", "").items())
      scene_.strings.push_back({name, requireString(text, member("strings", name))});
  }

  void loadIntArrays() {
    for (const auto& [name, array] : namedSection("intArrays", "").items()) {
      const std::string place = member("intArrays", name);
      requireArray(array, place, "ints");
      NamedIntArray loaded{name, {}};
      for (size_t i = 0; i < array.size(); ++i)
        loaded.elements.push_back(intValue(array[i], element(place, i)));
      scene_.intArrays.push_back(std::move(loaded));
    }
  }

  void loadRefArrays() {
    for (const auto& [name, array] : namedSection("refArrays", "").items()) {
      const std::string place = member("refArrays", name);
      requireArray(array, place, "references (\"@name\" or null)");
      NamedItem& self = *names_.find(name);
      NamedRefArray loaded{name, {}};
      for (size_t i = 0; i < array.size(); ++i) {
        std::string target = names_.referenceName(array[i], element(place, i));
        const NamedItem* item = names_.find(target);
        if (item && item->kind == ItemKind::RefArray && item->refArrayIndex >= self.refArrayIndex) {
          fail(element(place, i),
               "@" + target + " is not declared before " + name +
                   "; a reference array holds only reference arrays declared before it");
        }
        loaded.elements.push_back(std::move(target));
      }
      self.elements = loaded.elements;
      scene_.refArrays.push_back(std::move(loaded));
    }
  }

  void loadObjectFields() {
    for (const auto& [name, object] : namedSection("objects", "").items()) {
      const std::string place = member("objects", name);
      NamedObject loaded{name, names_.find(name)->cls, {}};
      if (object.contains("fields")) {
        const std::string fieldsPlace = member(place, "fields");
        const Json& fields = object["fields"];
        requireObject(fields, fieldsPlace, "field name: value");
        for (const auto& [fieldName, json] : fields.items())
          loaded.fields.push_back(
              loadField(*loaded.cls, fieldName, json, member(fieldsPlace, fieldName)));
      }
      scene_.objects.push_back(std::move(loaded));
    }
  }

  FieldAssignment loadField(const vmhost::ClassDef& cls, const std::string& fieldName,
                            const Json& json, const std::string& place) const {
    FieldAssignment assignment;
    assignment.field = vmhost::findField(cls, fieldName);
    if (!assignment.field) fail(place, std::string("unknown field of ") + cls.path);
    if (assignment.field->type != vmhost::FieldType::Ref) {
      assignment.value = scalarValue(json, assignment.field->type, place);
      if (assignment.value.kind == Value::Kind::Surface && !scene_.surface)
        fail(place, "\"surface\" given, but the scene has no surface");
      return assignment;
    }
    assignment.value.kind = Value::Kind::Reference;
    assignment.value.name = names_.referenceName(json, place);
    names_.checkFits(assignment.value.name, assignment.field->refType, place);
    return assignment;
  }

  void loadCalls(const char* key, std::vector<NativeCall>& into, Separators& current) {
    const Json& calls = listSection(key, "calls");
    for (size_t i = 0; i < calls.size(); ++i) {
      const std::string place = element(key, i);
      if (calls[i].is_object() && calls[i].contains("separators")) {
        checkKeys(calls[i], place, {"separators"});
        NativeCall change;
        current = loadSeparators(calls[i]["separators"], member(place, "separators"), current);
        change.separators = current;
        into.push_back(std::move(change));
        continue;
      }
      if (calls[i].is_object() && calls[i].contains("set")) {
        into.push_back(loadFieldChange(calls[i], place));
        continue;
      }
      if (calls[i].is_object() && calls[i].contains("print")) {
        checkKeys(calls[i], place, {"print", "note"});
        NativeCall step;
        step.print = loadPrint(calls[i]["print"], member(place, "print"), names_);
        into.push_back(std::move(step));
        continue;
      }
      into.push_back(loadCall(calls[i], place, names_, scene_));
    }
  }

  // {"set": "object.field", "value": v}
  NativeCall loadFieldChange(const Json& json, const std::string& place) const {
    checkKeys(json, place, {"set", "value", "note"});
    const std::string setPlace = member(place, "set");
    const std::string& target = requireString(json["set"], setPlace);
    const size_t dot = target.find('.');
    const NamedItem* object = names_.find(target.substr(0, dot));
    if (dot == std::string::npos || !object || object->kind != ItemKind::Object)
      fail(setPlace, "expected \"object.field\" of a declared object");
    if (!json.contains("value")) fail(place, "missing \"value\"");
    NativeCall step;
    step.fieldChange = FieldChange{
        target.substr(0, dot),
        loadField(*object->cls, target.substr(dot + 1), json["value"], member(place, "value"))};
    return step;
  }

  void loadPrints() {
    const Json& prints = listSection("print", "names (\"name\" or \"name.field\")");
    for (size_t i = 0; i < prints.size(); ++i)
      scene_.prints.push_back(loadPrint(prints[i], element("print", i), names_));
  }

  const Json& root_;
  Scene scene_;
  NameTable names_;
};

std::string placed(const std::string& sourceName, const std::string& place,
                   const std::string& message) {
  return sourceName + ": " + (place.empty() ? "" : place + ": ") + message;
}

// "line 3, column 7" of the byte the parser stopped at (1-based).
std::string lineAndColumn(std::string_view text, size_t byte) {
  const size_t end = std::min(byte > 0 ? byte - 1 : 0, text.size());
  const std::string_view before = text.substr(0, end);
  const size_t line = 1 + static_cast<size_t>(std::count(before.begin(), before.end(), '\n'));
  const size_t lineStart = before.rfind('\n');
  const size_t column = end - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's own words, without its exception prefix and position. The
// text it quotes may hold broken UTF-8, so only ASCII is kept.
std::string parserReason(const std::string& what) {
  const size_t position = what.find("parse error");
  const size_t colon = what.find(": ", position == std::string::npos ? 0 : position);
  std::string reason = colon == std::string::npos ? what : what.substr(colon + 2);
  for (char& c : reason) {
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  }
  return reason;
}

}  // namespace

SceneLoad loadScene(std::string_view jsonText, const std::string& sourceName) {
  SceneLoad result;
  Json root;
  try {
    root = Json::parse(jsonText.begin(), jsonText.end());
  } catch (const Json::parse_error& error) {
    result.error = sourceName + ": " + lineAndColumn(jsonText, error.byte) +
                   ": malformed JSON: " + parserReason(error.what());
    return result;
  } catch (const std::exception& error) {
    result.error = sourceName + ": malformed JSON: " + error.what();
    return result;
  }
  try {
    result.scene = Loader(root).load();
  } catch (const SceneProblem& problem) {
    result.error = placed(sourceName, problem.place, problem.what());
  } catch (const std::exception& error) {
    result.error = placed(sourceName, "", std::string("cannot load the scene: ") + error.what());
  }
  return result;
}

}  // namespace scene
