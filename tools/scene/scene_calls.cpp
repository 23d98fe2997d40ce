#include "tools/scene/scene_calls.h"

namespace scene {
namespace {

const NamedItem& objectNamed(const std::string& name, const std::string& place,
                             const NameTable& names) {
  const NamedItem* item = names.find(name);
  if (!item) fail(place, "unknown object " + name);
  if (item->kind != ItemKind::Object)
    fail(place, name + " is " + kindText(*item) + ", not an object");
  return *item;
}

// The native a receiver of `cls` reaches: its class's own, else a superclass's.
const vmhost::NativeRecord* nativeOf(const vmhost::ClassDef& cls, const std::string& nameSig) {
  for (const vmhost::ClassDef* c = &cls; c;
       c = c->superPath ? vmhost::classByPath(c->superPath) : nullptr) {
    if (const vmhost::NativeRecord* native = vmhost::findNative(c->path, nameSig)) return native;
  }
  return nullptr;
}

bool isTwoWordType(const std::string& type) { return type == "J" || type == "D"; }

// "on": the receiver object and its native.
void bindReceiver(NativeCall& call, const Json& json, const std::string& place,
                  const NameTable& names, const std::string& nameSig) {
  std::string name = requireString(json, member(place, "on"));
  if (name.starts_with('@')) name.erase(0, 1);
  const NamedItem& object = objectNamed(name, member(place, "on"), names);
  const vmhost::NativeRecord* native = nativeOf(*object.cls, nameSig);
  if (!native) {
    fail(member(place, "native"),
         "no native " + nameSig + " registered for " + object.cls->path + " or its superclasses");
  }
  if (vmhost::isStaticMethod(native->classPath, nameSig)) {
    fail(member(place, "on"),
         nameSig + " is a class native of " + native->classPath + "; call it with \"class\"");
  }
  call.receiver = name;
  call.native = *native;
  call.label = name + "." + nameSig;
}

// "class": a class native, called without `this`.
void bindClass(NativeCall& call, const Json& json, const std::string& place,
               const std::string& nameSig) {
  const std::string& path = requireString(json, member(place, "class"));
  const vmhost::NativeRecord* native = vmhost::findNative(path, nameSig);
  if (!native && !vmhost::classByPath(path)) fail(member(place, "class"), "unknown class " + path);
  if (!native) fail(member(place, "native"), "no native " + nameSig + " registered for " + path);
  if (!vmhost::isStaticMethod(path, nameSig)) {
    fail(member(place, "class"), nameSig + " of " + path + " needs an object; call it with \"on\"");
  }
  call.native = *native;
  call.label = path + "." + nameSig;
}

void bindArguments(NativeCall& call, const Json* args, const std::string& place,
                   const NameTable& names, const Scene& scene) {
  const std::string argsPlace = member(place, "args");
  static const Json kNone = Json::array();
  const Json& list = args ? *args : kNone;
  requireArray(list, argsPlace, "arguments");
  const std::vector<std::string>& params = call.signature.params;
  if (list.size() != params.size()) {
    fail(argsPlace, call.native.nameAndSignature + " takes " + std::to_string(params.size()) +
                        (params.size() == 1 ? " argument" : " arguments") + ", got " +
                        std::to_string(list.size()));
  }
  for (size_t i = 0; i < params.size(); ++i) {
    const std::string argPlace = element(argsPlace, i);
    if (vmhost::isReferenceType(params[i])) {
      Value value;
      value.kind = Value::Kind::Reference;
      value.name = names.referenceName(list[i], argPlace);
      names.checkFits(value.name, params[i], argPlace);
      call.arguments.push_back(std::move(value));
      continue;
    }
    const auto type = scalarFieldType(params[i]);
    if (!type) fail(member(place, "native"), "parameter type " + params[i] + " is not supported");
    Value value = scalarValue(list[i], *type, argPlace);
    if (value.kind == Value::Kind::Surface && !scene.surface)
      fail(argPlace, "\"surface\" given, but the scene has no surface");
    call.arguments.push_back(std::move(value));
  }
}

// "result": "object.field" receives what the native returns.
void bindResult(NativeCall& call, const Json& json, const std::string& place,
                const NameTable& names) {
  const std::string resultPlace = member(place, "result");
  const std::string& target = requireString(json, resultPlace);
  const size_t dot = target.find('.');
  if (dot == std::string::npos)
    fail(resultPlace, "expected \"object.field\", got " + shortText(json));
  const std::string name = target.substr(0, dot);
  const std::string fieldName = target.substr(dot + 1);
  const NamedItem& object = objectNamed(name, resultPlace, names);
  const vmhost::FieldDef* field = vmhost::findField(*object.cls, fieldName);
  if (!field) fail(resultPlace, "unknown field " + fieldName + " of " + object.cls->path);
  const std::string& result = call.signature.result;
  if (result == "V") fail(resultPlace, call.native.nameAndSignature + " returns nothing");
  const bool referenceResult = vmhost::isReferenceType(result);
  const bool referenceField = field->type == vmhost::FieldType::Ref;
  if (referenceResult != referenceField) {
    fail(resultPlace, std::string("field ") + fieldName +
                          (referenceField ? " holds a reference" : " holds a scalar") + ", but " +
                          call.native.nameAndSignature + " returns " + result);
  }
  call.resultObject = name;
  call.resultField = field;
}

}  // namespace

NativeCall loadCall(const Json& json, const std::string& place, const NameTable& names,
                    const Scene& scene) {
  requireObject(json, place, "\"on\" or \"class\", \"native\", \"args\" and \"result\"");
  checkKeys(json, place, {"on", "class", "native", "args", "result", "note"});
  if (!json.contains("native")) fail(place, "missing \"native\"");
  const std::string& nameSig = requireString(json["native"], member(place, "native"));
  NativeCall call;
  call.signature = vmhost::parseSignature(nameSig);
  if (!call.signature.valid) {
    fail(member(place, "native"),
         "malformed name and signature \"" + nameSig + "\"; expected e.g. \"draw(I)V\"");
  }
  if (isTwoWordType(call.signature.result))
    fail(member(place, "native"), "result type " + call.signature.result + " is not supported");

  const bool on = json.contains("on");
  const bool onClass = json.contains("class");
  if (on && onClass) fail(place, "give either \"on\" or \"class\", not both");
  if (!on && !onClass) fail(place, "missing \"on\" (an object) or \"class\" (a class path)");
  if (on) {
    bindReceiver(call, json["on"], place, names, nameSig);
  } else {
    bindClass(call, json["class"], place, nameSig);
  }
  bindArguments(call, json.contains("args") ? &json["args"] : nullptr, place, names, scene);
  if (json.contains("result")) bindResult(call, json["result"], place, names);
  return call;
}

PrintRequest loadPrint(const Json& json, const std::string& place, const NameTable& names) {
  const std::string& text = requireString(json, place);
  const size_t dot = text.find('.');
  PrintRequest request;
  request.name = text.substr(0, dot);
  if (dot == std::string::npos) {
    if (!names.find(request.name)) fail(place, "unknown name " + request.name);
    return request;
  }
  const NamedItem& object = objectNamed(request.name, place, names);
  const std::string fieldName = text.substr(dot + 1);
  request.field = vmhost::findField(*object.cls, fieldName);
  if (!request.field) fail(place, "unknown field " + fieldName + " of " + object.cls->path);
  return request;
}

}  // namespace scene
