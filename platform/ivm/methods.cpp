// VM methods that natives call back: the identifier table behind JivoTamri,
// fastInvoke/fastInvokeVirtual, and dispatch to natives or host methods.
#include "host_trace.h"
#include "vm_stacks.h"

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <string>

// What a method resolves to on one receiver class.
struct MethodTarget {
  const vmhost::ClassDef* receiverClass;
  const vmhost::NativeRecord* native;
  vmhost::HostMethod host;
};

struct IvmMethod {
  std::string classPath;
  std::string nameSig;
  vmhost::Signature signature;
  size_t referenceParams = 0;
  // Resolutions by receiver class, valid while `targetsGeneration` is current.
  std::vector<MethodTarget> targets;
  uint32_t targetsGeneration = 0;
};

namespace vmhost {

void installDefaultHostMethods();

// Bumped whenever natives or host methods change, so cached resolutions go.
uint32_t& resolutionGeneration() {
  static uint32_t generation = 1;
  return generation;
}
void invalidateMethodResolutions() { ++resolutionGeneration(); }

namespace {

constexpr size_t kMaxArguments = 32;

std::vector<std::unique_ptr<IvmMethod>>& methods() {
  static std::vector<std::unique_ptr<IvmMethod>> table;
  return table;
}

std::map<std::string, HostMethod, std::less<>>& hostMethods() {
  static std::map<std::string, HostMethod, std::less<>> table;
  static bool initialised = false;
  if (!initialised) {
    initialised = true;
    installDefaultHostMethods();
  }
  return table;
}

std::string methodKey(std::string_view classPath, std::string_view nameSig) {
  std::string key(classPath);
  key += '.';
  key += nameSig;
  return key;
}

std::string scalarText(const std::string& type, uint32_t word) {
  if (type == "Z") return (word & 0xFF) ? "true" : "false";
  if (type == "B") return std::to_string(static_cast<int8_t>(word & 0xFF));
  if (type == "F") {
    float f;
    std::memcpy(&f, &word, 4);
    return std::to_string(f);
  }
  return std::to_string(static_cast<int32_t>(word));
}

// Finds the method on a class, preferring a native, walking up the superclasses.
MethodTarget resolve(const IvmMethod& m, const ClassDef* start) {
  for (const ClassDef* c = start; c; c = c->superPath ? classByPath(c->superPath) : nullptr) {
    if (const NativeRecord* native = findNative(c->path, m.nameSig))
      return {start, native, nullptr};
    auto it = hostMethods().find(methodKey(c->path, m.nameSig));
    if (it != hostMethods().end()) return {start, nullptr, it->second};
  }
  return {start, nullptr, nullptr};
}

// Runs the method on the receiver's class (virtual) or the method's own
// class (direct).
jword dispatch(IvmMethod& m, bool virtualDispatch, jword receiver,
               std::span<const jword> references, std::span<const uint32_t> scalars) {
  const ClassDef* start = classByPath(m.classPath);
  if (virtualDispatch && classOf(receiver)) start = classOf(receiver);
  if (m.targetsGeneration != resolutionGeneration()) {
    m.targets.clear();
    m.targetsGeneration = resolutionGeneration();
  }
  const MethodTarget* target = nullptr;
  for (const MethodTarget& t : m.targets)
    if (t.receiverClass == start) target = &t;
  if (!target) {
    m.targets.push_back(resolve(m, start));
    target = &m.targets.back();
  }
  if (target->native) return callNative(*target->native, receiver, references, scalars).reference;
  if (target->host) return target->host(receiver, scalars);
  host::traceLine("callback unresolved " + methodKey(m.classPath, m.nameSig));
  return 0;
}

void invoke(IvmMethod* m, bool virtualDispatch) {
  host::PlatformScope scope;
  if (!m) return;
  StackPointers& s = stacks();
  const size_t scalarCount = m->signature.params.size() - m->referenceParams;
  const size_t referenceCount = m->referenceParams;
  if (scalarCount > kMaxArguments || referenceCount > kMaxArguments) return;

  // The receiver was pushed first, then the references; scalars in order.
  jword* calleePfp = s.psp + 1 + referenceCount;
  jword* calleeNpfp = s.npsp + scalarCount;
  const jword receiver = calleePfp[-1];
  std::array<jword, kMaxArguments> references{};
  std::array<uint32_t, kMaxArguments> scalars{};
  for (size_t i = 0; i < referenceCount; ++i) references[i] = calleePfp[-2 - static_cast<long>(i)];
  for (size_t i = 0; i < scalarCount; ++i) scalars[i] = calleeNpfp[-1 - static_cast<long>(i)];
  s.psp = calleePfp;
  s.npsp = calleeNpfp;

  if (host::traceRecording()) {
    std::string line = "callback ";
    line += virtualDispatch ? "virtual " : "direct ";
    line += methodKey(m->classPath, m->nameSig) + " on " + describe(receiver) + " (";
    size_t scalarIndex = 0;
    for (const std::string& type : m->signature.params) {
      if (isReferenceType(type)) continue;
      if (scalarIndex) line += ", ";
      line += scalarText(type, scalars[scalarIndex++]);
    }
    host::traceLine(line + ")");
  }

  const jword result =
      dispatch(*m, virtualDispatch, receiver, std::span(references.data(), referenceCount),
               std::span(scalars.data(), scalarCount));
  if (isReferenceType(m->signature.result)) *--s.psp = result;
}

}  // namespace

void setHostMethod(std::string_view classPath, std::string_view nameSig, HostMethod method) {
  hostMethods()[methodKey(classPath, nameSig)] = method;
  invalidateMethodResolutions();
}

void restoreDefaultHostMethods() {
  hostMethods().clear();
  invalidateMethodResolutions();
  installDefaultHostMethods();
}

bool callOwnNative(jword self, std::string_view nameSig, std::span<const uint32_t> scalars) {
  for (const ClassDef* c = classOf(self); c;
       c = c->superPath ? classByPath(c->superPath) : nullptr) {
    if (const NativeRecord* native = findNative(c->path, nameSig)) {
      callNative(*native, self, {}, scalars);
      return true;
    }
  }
  return false;
}

int16_t methodIdentifier(std::string_view classPath, std::string_view nameSig) {
  auto& table = methods();
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i]->classPath == classPath && table[i]->nameSig == nameSig)
      return static_cast<int16_t>(i);
  }
  if (table.size() >= 0x7FFF) return -1;
  auto m = std::make_unique<IvmMethod>();
  m->classPath = std::string(classPath);
  m->nameSig = std::string(nameSig);
  m->signature = parseSignature(nameSig);
  for (const std::string& type : m->signature.params)
    if (isReferenceType(type)) ++m->referenceParams;
  table.push_back(std::move(m));
  return static_cast<int16_t>(table.size() - 1);
}

IvmMethod* methodByIdentifier(int16_t identifier) {
  auto& table = methods();
  if (identifier < 0 || static_cast<size_t>(identifier) >= table.size()) return nullptr;
  return table[static_cast<size_t>(identifier)].get();
}

}  // namespace vmhost

extern "C" {
IVM_API void fastInvoke(IvmMethod* method) { vmhost::invoke(method, false); }
IVM_API void fastInvokeVirtual(IvmMethod* method) { vmhost::invoke(method, true); }
}
