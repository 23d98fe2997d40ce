#include "tools/scene/scene_names.h"

namespace scene {

std::string kindText(const NamedItem& item) {
  switch (item.kind) {
    case ItemKind::String:
      return "a string";
    case ItemKind::IntArray:
      return "an int array";
    case ItemKind::RefArray:
      return "a reference array";
    case ItemKind::Object:
      return std::string("a ") + item.cls->path + " object";
  }
  return {};
}

NamedItem& NameTable::declare(const std::string& name, ItemKind kind, const std::string& place) {
  if (!isValidName(name))
    fail(place, "invalid name \"" + name + "\"; names use letters, digits, '_' and '-'");
  if (const NamedItem* earlier = find(name))
    fail(place, "name " + name + " is already used by " + earlier->place);
  NamedItem& item = items_[name];
  item.kind = kind;
  item.place = place;
  return item;
}

const NamedItem* NameTable::find(const std::string& name) const {
  const auto it = items_.find(name);
  return it == items_.end() ? nullptr : &it->second;
}

NamedItem* NameTable::find(const std::string& name) {
  const auto it = items_.find(name);
  return it == items_.end() ? nullptr : &it->second;
}

std::string NameTable::referenceName(const Json& json, const std::string& place) const {
  if (json.is_null()) return {};
  const bool isReference = json.is_string() && json.get_ref<const std::string&>().starts_with('@');
  if (!isReference) fail(place, "expected a reference (\"@name\" or null), got " + shortText(json));
  const std::string name = json.get_ref<const std::string&>().substr(1);
  if (!find(name)) fail(place, "unknown name @" + name);
  return name;
}

void NameTable::checkFits(const std::string& name, const std::string& vmType,
                          const std::string& place) const {
  if (name.empty()) return;
  const std::string reason = misfit(name, vmType);
  if (!reason.empty()) fail(place, reason + "; expected " + vmType);
}

// Why the item cannot be stored as `vmType`; empty when it can. Reference
// arrays hold only arrays declared before them, so the walk ends.
std::string NameTable::misfit(const std::string& name, std::string_view vmType) const {
  const NamedItem& item = *find(name);
  const std::string is = "@" + name + " is " + kindText(item);
  if (vmType == "Ljava/lang/Object;") return {};
  if (vmType == "Ljava/lang/String;") return item.kind == ItemKind::String ? "" : is;
  if (vmType == "[I") return item.kind == ItemKind::IntArray ? "" : is;
  if (vmType.starts_with('L') && vmType.ends_with(';')) {
    const std::string_view path = vmType.substr(1, vmType.size() - 2);
    const bool fits = item.kind == ItemKind::Object && vmhost::isSubclassOf(*item.cls, path);
    return fits ? "" : is;
  }
  const std::string_view elementType = vmType.substr(1);
  if (vmType.starts_with('[') && vmhost::isReferenceType(elementType)) {
    if (item.kind != ItemKind::RefArray) return is;
    for (const std::string& element : item.elements) {
      if (element.empty()) continue;
      const std::string reason = misfit(element, elementType);
      if (!reason.empty()) return "@" + name + " holds @" + element + ", but " + reason;
    }
    return {};
  }
  return is;  // no scene item is a char or byte array
}

}  // namespace scene
