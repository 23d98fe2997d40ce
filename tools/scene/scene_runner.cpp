#include "tools/scene/scene_runner.h"

#include "platform/core/core_host.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "tools/scene/trace_text.h"

#include <map>

namespace scene {
namespace {

constexpr const char* kCanvasClass = "gpclasses/graphics/CgpCanvas";

// A scalar result as the VM keeps a value of its type.
int64_t scalarResult(const std::string& type, uint32_t word) {
  switch (type.empty() ? 'I' : type[0]) {
    case 'Z':
      return (word & 0xFF) != 0;
    case 'B':
      return static_cast<int8_t>(word & 0xFF);
    case 'S':
      return static_cast<int16_t>(word & 0xFFFF);
    case 'C':
      return word & 0xFFFF;
    default:
      return static_cast<int32_t>(word);
  }
}

}  // namespace

// A call with its receiver and arguments already turned into words.
struct PreparedCall {
  const NativeCall* call = nullptr;
  jword self = 0;
  std::vector<jword> references;
  std::vector<uint32_t> scalars;
  jword resultObject = 0;
};

class Runner {
 public:
  explicit Runner(const Scene& scene) : scene_(scene) {}

  // A fresh heap and drawing layer with the scene's surface and items; the
  // trace is recorded from here on.
  bool open() {
    gdihost::reset();
    vmhost::resetHeap();
    vmhost::restoreDefaultHostMethods();
    if (scene_.surface) {
      const SurfaceSpec& s = *scene_.surface;
      run_.surface = gdihost::createSurface(s.width, s.height, s.background);
    }
    gdihost::selectTarget(run_.surface);
    setSeparators(scene_.separators);
    setTimeZone();
    if (!allocate()) {
      run_.error = "the VM heap cannot hold the scene's strings, arrays and objects";
      return false;
    }
    assignFields();
    host::setTraceRecording(true);
    host::traceClear();
    return true;
  }

  void runTraced(const std::vector<NativeCall>& calls) {
    for (const NativeCall& call : calls) runCall(call);
  }

  void printAll() {
    for (const PrintRequest& request : scene_.prints) print(request);
  }

  SceneRun& run() { return run_; }

  PreparedCall prepare(const NativeCall& call) const {
    PreparedCall prepared;
    prepared.call = &call;
    if (call.fieldChange) {
      prepared.self = wordOf(call.fieldChange->object);
      prepared.scalars.push_back(wordOf(call.fieldChange->assignment.value));
    }
    if (!call.runsNative()) return prepared;
    for (size_t i = 0; i < call.arguments.size(); ++i) {
      const uint32_t word = wordOf(call.arguments[i]);
      if (vmhost::isReferenceType(call.signature.params[i])) {
        prepared.references.push_back(word);
      } else {
        prepared.scalars.push_back(word);
      }
    }
    prepared.self = call.receiver.empty() ? 0 : wordOf(call.receiver);
    prepared.resultObject = wordOf(call.resultObject);
    return prepared;
  }

  // Runs a prepared call; false when the native left the stacks unbalanced.
  static bool runQuietly(const PreparedCall& prepared) {
    const NativeCall& call = *prepared.call;
    if (!call.runsNative()) {
      if (call.separators) setSeparators(*call.separators);
      if (call.fieldChange) changeField(prepared);
      return true;
    }
    const vmhost::CallResult result = invoke(prepared);
    if (result.balanced) storeResult(prepared, result);
    return result.balanced;
  }

 private:
  bool keep(const std::string& name, jword word) {
    if (!word) return false;
    vmhost::nameObject(word, name);
    words_[name] = word;
    return true;
  }

  // Reference arrays come last: they hold words of everything else.
  bool allocate() {
    for (const NamedString& s : scene_.strings)
      if (!keep(s.name, vmhost::newStringUtf8(s.text))) return false;
    for (const NamedIntArray& a : scene_.intArrays)
      if (!keep(a.name, vmhost::newIntArray(a.elements))) return false;
    for (const NamedObject& o : scene_.objects)
      if (!keep(o.name, vmhost::newObject(o.cls->path))) return false;
    for (const NamedRefArray& a : scene_.refArrays) {
      std::vector<jword> elements;
      for (const std::string& name : a.elements) elements.push_back(wordOf(name));
      if (!keep(a.name, vmhost::newRefArray(elements))) return false;
    }
    return true;
  }

  jword wordOf(const std::string& name) const {
    const auto it = words_.find(name);
    return it == words_.end() ? 0 : it->second;
  }

  uint32_t wordOf(const Value& value) const {
    switch (value.kind) {
      case Value::Kind::Reference:
        return wordOf(value.name);
      case Value::Kind::Surface:
        return static_cast<uint32_t>(run_.surface);
      case Value::Kind::Word:
        break;
    }
    return value.word;
  }

  static void changeField(const PreparedCall& prepared) {
    vmhost::setField(prepared.self, prepared.call->fieldChange->assignment.field->name,
                     prepared.scalars.front());
  }

  void assignFields() {
    for (const NamedObject& o : scene_.objects) {
      for (const FieldAssignment& f : o.fields)
        vmhost::setField(wordOf(o.name), f.field->name, wordOf(f.value));
    }
  }

  static void setSeparators(const Separators& separators) {
    vmhost::setStaticField(kCanvasClass, "decimalSeparator", separators.decimal);
    vmhost::setStaticField(kCanvasClass, "groupSeparator", separators.group);
  }

  // The scene's time zone, which the module learns of as of a time change on
  // the panel: its cached offset is dropped.
  void setTimeZone() {
    corehost::setTimeZoneOffset(scene_.timeZoneOffset
                                    ? std::optional(std::chrono::minutes(*scene_.timeZoneOffset))
                                    : std::nullopt);
    if (const vmhost::NativeRecord* timeChange =
            vmhost::findNative(kCanvasClass, "onTimeChange()V"))
      vmhost::callNative(*timeChange, 0, {}, {});
  }

  void changeSeparators(const Separators& separators) {
    setSeparators(separators);
    const unichar decimal = separators.decimal;
    const unichar group = separators.group;
    run_.trace.push_back("separators decimal " + host::quoted(&decimal, 1) + " group " +
                         host::quoted(&group, 1));
  }

  static vmhost::CallResult invoke(const PreparedCall& prepared) {
    return vmhost::callNative(prepared.call->native, prepared.self, prepared.references,
                              prepared.scalars);
  }

  static void storeResult(const PreparedCall& prepared, const vmhost::CallResult& result) {
    const NativeCall& call = *prepared.call;
    if (!call.resultField) return;
    const std::string& type = call.signature.result;
    const int64_t stored = vmhost::isReferenceType(type) ? int64_t{result.reference}
                                                         : scalarResult(type, result.value);
    vmhost::setField(prepared.resultObject, call.resultField->name, stored);
  }

  void runCall(const NativeCall& call) {
    if (call.separators) {
      changeSeparators(*call.separators);
      return;
    }
    if (call.fieldChange) {
      changeField(prepare(call));
      return;
    }
    if (call.print) {
      print(*call.print);
      return;
    }
    const PreparedCall prepared = prepare(call);
    const vmhost::CallResult result = invoke(prepared);

    const std::vector<std::string>& lines = host::traceLines();
    run_.trace.insert(run_.trace.end(), lines.begin(), lines.end());
    host::traceClear();
    std::string line = "result " + call.label + " -> ";
    if (!result.balanced) {
      run_.balanced = false;
      run_.trace.push_back(line + "unbalanced stacks");
      return;
    }
    run_.trace.push_back(line + resultText(call.signature.result, result));
    storeResult(prepared, result);
  }

  void print(const PrintRequest& request) {
    const jword word = wordOf(request.name);
    if (request.field) {
      printField(request.name, word, *request.field);
      return;
    }
    const vmhost::ClassDef* cls = vmhost::classOf(word);
    if (!cls) {
      const char* kind = vmhost::kindOf(word) == "java/lang/String" ? "string " : "array ";
      run_.trace.push_back(kind + request.name + " = " + contentText(word));
      return;
    }
    // Superclass fields first, as the field block lays them out.
    std::vector<const vmhost::ClassDef*> chain;
    for (const vmhost::ClassDef* c = cls; c;
         c = c->superPath ? vmhost::classByPath(c->superPath) : nullptr)
      chain.insert(chain.begin(), c);
    for (const vmhost::ClassDef* c : chain) {
      for (const vmhost::FieldDef& field : c->fields) printField(request.name, word, field);
    }
  }

  void printField(const std::string& name, jword object, const vmhost::FieldDef& field) {
    run_.trace.push_back("field " + name + "." + field.name + " = " + fieldText(object, field));
  }

  const Scene& scene_;
  SceneRun run_;
  std::map<std::string, jword> words_;
};

SceneRun runScene(const Scene& scene) {
  Runner runner(scene);
  if (runner.open()) {
    runner.runTraced(scene.setup);
    runner.runTraced(scene.calls);
    runner.printAll();
  }
  return std::move(runner.run());
}

SceneSession::SceneSession(const Scene& scene) : runner_(std::make_unique<Runner>(scene)) {
  if (!runner_->open()) return;
  runner_->runTraced(scene.setup);
  for (const NativeCall& call : scene.calls) frame_.push_back(runner_->prepare(call));
}

SceneSession::~SceneSession() = default;

const SceneRun& SceneSession::opening() const { return runner_->run(); }

bool SceneSession::runFrame() {
  bool balanced = true;
  for (const PreparedCall& call : frame_) balanced = Runner::runQuietly(call) && balanced;
  return balanced;
}

}  // namespace scene
