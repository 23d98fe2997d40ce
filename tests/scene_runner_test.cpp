// The scene runner's library driven with the module linked in: exact traces
// of scenes, values through fields, arguments and results, and the messages
// that reject bad scenes before any native runs.
#include "tools/scene/scene_runner.h"
#include "module/module_exports.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "platform/ivm/vm_host.h"
#include "support/allocation_counter.h"
#include "tools/scene/module_loader.h"
#include "tools/scene/scene_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";

// Natives of this test, on the root graphic class, which the module leaves
// alone. Each writes what it received to the trace.
uint32_t scalarArg(int index) { return (*get_npfp())[-1 - index]; }
jword pointerSlot(int index) { return (*get_pfp())[-1 - index]; }

// (this, I, B, Z, String, [I, F) -> I: the scalars in declared order from
// the value stack, `this` then the references from the pointer stack.
void echoArguments() {
  std::string line = "echo";
  for (int i = 0; i < 4; ++i) line += " " + std::to_string(scalarArg(i));
  for (int i = 0; i < 3; ++i) line += " " + vmhost::describe(pointerSlot(i));
  host::traceLine(line);
  (*get_npfp())[-1] = static_cast<uint32_t>(-7);
}
// (I[I)V as a class native: no `this`, so the array is the first slot.
void echoClassArguments() {
  host::traceLine("echo " + std::to_string(scalarArg(0)) + " " + vmhost::describe(pointerSlot(0)));
}
void returnThis() {}  // `this` already lies in the result slot
void returnTrue() { (*get_npfp())[-1] = 1; }
void returnText() { (*get_pfp())[-1] = vmhost::newStringUtf8("a \"b\""); }
void leaveAWord() { *--*get_npsp() = 0; }

void registerModuleOnce() {
  static const bool registered = [] {
    std::map<std::string, scene::InitExport> inits;
    for (const tamri::ClassInitExport& e : tamri::kClassInits) inits[e.exportName] = e.init;
    const scene::LinkedModule module(GetDLMAppVersion, inits);
    scene::registerModuleNatives(module);
    return true;
  }();
  static_cast<void>(registered);
}

void registerTestNatives() {
  registerNativeMethod(kGraphics, "sceneTestEcho(IBZLjava/lang/String;[IF)I", echoArguments);
  registerNativeMethod(kGraphics, "sceneTestEchoClass(I[I)V", echoClassArguments);
  vmhost::declareStaticMethod(kGraphics, "sceneTestEchoClass(I[I)V");
  registerNativeMethod(kGraphics, "sceneTestThis()Lgpclasses/baseclasses/CgpGraphics;", returnThis);
  registerNativeMethod(kGraphics, "sceneTestTrue()Z", returnTrue);
  registerNativeMethod(kGraphics, "sceneTestText()Ljava/lang/String;", returnText);
  registerNativeMethod(kGraphics, "sceneTestUnbalanced()V", leaveAWord);
}

class SceneRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registerModuleOnce();
    moduleNatives_ = vmhost::natives();
    registerTestNatives();
  }
  // Other suites walk the whole table: they must never meet the test natives.
  void TearDown() override {
    vmhost::clearNatives();
    for (const vmhost::NativeRecord& native : moduleNatives_)
      registerNativeMethod(native.classPath.c_str(), native.nameAndSignature.c_str(), native.entry);
  }

  static scene::Scene load(const std::string& json) {
    scene::SceneLoad load = scene::loadScene(json, "scene.json");
    EXPECT_EQ(load.error, "");
    return std::move(load.scene);
  }

  // The trace without method binding, which a process does once per method.
  static Lines traceOf(const scene::SceneRun& run) {
    Lines lines;
    std::copy_if(run.trace.begin(), run.trace.end(), std::back_inserter(lines),
                 [](const std::string& line) { return !line.starts_with("RegisterMethod("); });
    return lines;
  }

  static Lines traceOf(const std::string& json) { return traceOf(scene::runScene(load(json))); }

  static std::string errorOf(const std::string& json) {
    return scene::loadScene(json, "scene.json").error;
  }

  std::vector<vmhost::NativeRecord> moduleNatives_;
};

std::string exampleScene(const std::string& name) {
  std::ifstream file(std::string(TAMRI_SOURCE_DIR) + "/examples/" + name);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<uint32_t> pixelsOf(int32_t surface, int32_t width, int32_t height) {
  std::vector<uint32_t> pixels;
  for (int32_t i = 0; i < width * height; ++i)
    pixels.push_back(gdihost::pixel(surface, i % width, i / width));
  return pixels;
}

// A panel keeps its screen and draws it again on every frame: the session
// sets the panel up once, and its first frame draws what a whole run draws
// (after the set-up alone only the gauge face stands), without the module
// allocating anything.
TEST_F(SceneRunnerTest, ASessionDrawsTheScenesCallsAgainOnEveryFrame) {
  if (!gdihost::rasterAvailable()) GTEST_SKIP() << "no raster backend";
  const scene::Scene panel = load(exampleScene("panel.json"));
  const scene::SceneRun run = scene::runScene(panel);
  const std::vector<uint32_t> whole = pixelsOf(run.surface, 800, 480);
  scene::SceneSession session(panel);
  const bool setUpAlone = pixelsOf(session.opening().surface, 800, 480) != whole;
  tamri_test::resetAllocationCounts();
  tamri_test::setCountingAllocations(true);
  const bool balanced = session.runFrame() && session.runFrame();
  tamri_test::setCountingAllocations(false);
  EXPECT_EQ((std::vector{run.ok(), session.opening().ok(), setUpAlone, balanced,
                         tamri_test::moduleAllocations() == 0,
                         pixelsOf(session.opening().surface, 800, 480) == whole}),
            std::vector(6, true));
}

// Arguments reach the natives in declared order; results are written by
// type and stored in fields; an unbalanced call is marked and the run goes on.
TEST_F(SceneRunnerTest, ArgumentsResultsAndFieldsPassThroughTheFrame) {
  const scene::SceneRun run = scene::runScene(load(R"({
    "strings": {"title": "Hi"}, "intArrays": {"pts": [1, 2]},
    "objects": {"g": {"class": "gpclasses/graphics/CgpRectangle"},
                "keeper": {"class": "gpclasses/graphics/CgpComplexObj"}},
    "calls": [{"on": "g", "native": "sceneTestEcho(IBZLjava/lang/String;[IF)I",
               "args": ["#0000FF", -1, true, "@title", "@pts", 1.5]},
              {"on": "g", "native": "sceneTestEcho(IBZLjava/lang/String;[IF)I",
               "args": [4294967295, 255, false, null, "@pts", -2], "result": "keeper.rotationPointX"},
              {"class": "gpclasses/baseclasses/CgpGraphics",
               "native": "sceneTestEchoClass(I[I)V", "args": ["none", "@pts"]},
              {"on": "g", "native": "sceneTestThis()Lgpclasses/baseclasses/CgpGraphics;"},
              {"on": "g", "native": "sceneTestUnbalanced()V"},
              {"on": "g", "native": "sceneTestTrue()Z", "result": "g.rotated"},
              {"on": "g", "native": "sceneTestText()Ljava/lang/String;"}],
    "print": ["g.rotated", "keeper.rotationPointX"]
  })"));
  EXPECT_FALSE(run.balanced);
  EXPECT_FALSE(run.ok());
  Lines trace = traceOf(run);
  ASSERT_EQ(trace.size(), 12u);
  // The string's handle is the VM's to choose.
  EXPECT_TRUE(trace[9].starts_with("result g.sceneTestText()Ljava/lang/String; -> #")) << trace[9];
  EXPECT_TRUE(trace[9].ends_with(R"( "a \"b\"")")) << trace[9];
  trace.erase(trace.begin() + 9);
  EXPECT_EQ(trace, (Lines{"echo 255 4294967295 1 1069547520 @g @title @pts",
                          "result g.sceneTestEcho(IBZLjava/lang/String;[IF)I -> -7",
                          "echo 4294967295 4294967295 0 3221225472 @g null @pts",
                          "result g.sceneTestEcho(IBZLjava/lang/String;[IF)I -> -7",
                          "echo 2147483648 @pts",
                          "result gpclasses/baseclasses/CgpGraphics.sceneTestEchoClass(I[I)V -> "
                          "void",
                          "result g.sceneTestThis()Lgpclasses/baseclasses/CgpGraphics; -> @g",
                          "result g.sceneTestUnbalanced()V -> unbalanced stacks",
                          "result g.sceneTestTrue()Z -> true", "field g.rotated = 1",
                          "field keeper.rotationPointX = -7"}));
}

// Scene texts and messages with "~" for "gpclasses/graphics/Cgp".
std::string expand(std::string text) {
  for (size_t at; (at = text.find('~')) != std::string::npos;)
    text.replace(at, 1, "gpclasses/graphics/Cgp");
  return text;
}

// A readout drawn twice, the separators changed between the two calls; the
// set-up runs first, and its separators hold on in the calls. A second run
// starts afresh from the scene's own separators. The texts follow the call's
// first 36 characters, "osGXsimpleText(0, {0, 0, 8, 8}, 0, \"".
TEST_F(SceneRunnerTest, SeparatorsAndTheTimeZoneAreTheScenesOwn) {
  const std::string readout = R"({"on": "c", "native": "nativeDrawFloat(FIIIZIIIIIII)V",
      "args": [1234.5, 4, 1, 1, false, 1, 0, 0, 0, 0, 9, 9]})";
  const std::string json =
      expand(R"({"separators": {"group": "'"}, "timeZoneOffset": -90, "setup": [)" + readout +
             R"(, {"separators": {"decimal": ","}}], "objects": {"c": {"class": "~Canvas"}},
      "calls": [)" +
             readout + R"(, {"on": "c", "native": "drawDateTime(IIIIIIIL~Font;)V",
      "args": [20, 0, 0, 0, 9, 9, 0, null]}]})");
  const Lines t = traceOf(json);
  EXPECT_EQ(traceOf(json), t);  // a second run starts afresh
  const auto text = [&](size_t i) { return t.at(i).substr(36, t.at(i).find("\", ") - 36); };
  EXPECT_EQ((Lines{std::to_string(t.size()), text(0), t.at(2), text(3), t.at(5), text(6)}),
            (Lines{"8", "1234.5", "separators decimal \",\" group \"'\"", "1234,5",
                   "osTMgetGMTTimeZoneOffset() -> true -90", "01:30:00"}));
}

TEST_F(SceneRunnerTest, BadScenesAreRejectedWithWhereAndWhy) {
  const std::string objects = R"("strings": {"title": "T"}, "intArrays": {"pts": [1]},
    "objects": {"g": {"class": "~PolyLine"}})";
  // The second call of a scene whose first call is good.
  const auto withCall = [&](const std::string& call) {
    return "{" + objects + R"(, "calls": [{"on": "g", "native": "draw(I)V", "args": [1]}, )" +
           call + "]}";
  };
  const std::string echo = R"({"on": "g", "native": "sceneTestEcho(IBZLjava/lang/String;[IF)I", )";
  const std::pair<std::string, std::string> cases[] = {
      {R"({"objects": {"a": {"class": "~PolyLin"}}})", "objects.a.class: unknown class ~PolyLin"},
      {R"({"objects": {"line1": {"class": "~PolyLine", "fields": {"pointz": 2}}}})",
       "objects.line1.fields.pointz: unknown field of ~PolyLine"},
      {R"({"objects": {"a": {"class": "~Area"}},
           "calls": [{"on": "a", "native": "draw(I)V", "args": [1]}]})",
       "calls[0].native: no native draw(I)V registered for ~Area or its superclasses"},
      {R"({"calls": [{"class": "~Font", "native": "x()V"}]})",
       "calls[0].native: no native x()V registered for ~Font"},
      {R"({"calls": [{"class": "nowhere/Cgp", "native": "x()V"}]})",
       "calls[0].class: unknown class nowhere/Cgp"},
      {R"({"calls": [{"on": "ghost", "native": "draw(I)V", "args": [1]}]})",
       "calls[0].on: unknown object ghost"},
      {R"({"objects": {"line1": {"class": "~PolyLine", "fields": {"points": "@pts"}}}})",
       "objects.line1.fields.points: unknown name @pts"},
      {R"({"objects": {"g": {"class": "~PolyLine"}}, "print": ["g.pointz"]})",
       "print[0]: unknown field pointz of ~PolyLine"},
      // Class and instance natives are called their own way.
      {R"({"calls": [{"class": "~PolyLine", "native": "draw(I)V", "args": [1]}]})",
       "calls[0].class: draw(I)V of ~PolyLine needs an object; call it with \"on\""},
      {withCall(R"({"on": "g", "native": "sceneTestEchoClass(I[I)V", "args": [1, "@pts"]})"),
       "calls[1].on: sceneTestEchoClass(I[I)V is a class native of "
       "gpclasses/baseclasses/CgpGraphics; call it with \"class\""},
      // Argument counts and types.
      {withCall(R"({"on": "g", "native": "movePoints(II)V", "args": [1]})"),
       "calls[1].args: movePoints(II)V takes 2 arguments, got 1"},
      {"{" + objects + R"(, "calls": [{"on": "g", "native": "draw(I)V"}]})",
       "calls[0].args: draw(I)V takes 1 argument, got 0"},
      {withCall(R"({"on": "g", "native": "draw(I)V", "args": ["@pts"]})"),
       "calls[1].args[0]: expected an int, a colour (\"#RRGGBB\", \"none\") or \"surface\", got "
       "\"@pts\""},
      {withCall(R"({"on": "g", "native": "draw(I)V", "args": [2.5]})"),
       "calls[1].args[0]: expected an int, got 2.5"},
      {withCall(R"({"on": "g", "native": "draw(I)V", "args": [4294967296]})"),
       "calls[1].args[0]: value 4294967296 is out of range for an int (-2147483648..4294967295)"},
      {withCall(echo + R"("args": [1, 1, true, "@pts", "@pts", 1]})"),
       "calls[1].args[3]: @pts is an int array; expected Ljava/lang/String;"},
      {withCall(echo + R"("args": [1, 1, true, "@title", 5, 1]})"),
       "calls[1].args[4]: expected a reference (\"@name\" or null), got 5"},
      {withCall(R"({"on": "g", "native": "draw(I)V", "args": [1], "result": "g.x1"})"),
       "calls[1].result: draw(I)V returns nothing"},
      {withCall(R"({"on": "g", "native": "draw(I)V", "args": [{}]})"),
       "calls[1].args[0]: missing \"word\""},
      {withCall(R"({"set": "pts.x", "value": 1})"),
       "calls[1].set: expected \"object.field\" of a declared object"},
      {withCall(R"({"set": "g.pointz", "value": 1})"),
       "calls[1].value: unknown field of ~PolyLine"},
      // References against the field's type.
      {R"({"strings": {"t": "x"},
           "objects": {"line": {"class": "~PolyLine", "fields": {"points": "@t"}}}})",
       "objects.line.fields.points: @t is a string; expected [I"},
      {R"({"objects": {"f": {"class": "~Area"},
           "t": {"class": "~Text", "fields": {"textFont": "@f"}}}})",
       "objects.t.fields.textFont: @f is a ~Area object; expected L~Font;"},
      {R"({"objects": {"a": {"class": "~Area"},
           "c": {"class": "~ComplexObj", "fields": {"children": "@kids"}}},
           "refArrays": {"kids": ["@a"]}})",
       "objects.c.fields.children: @kids holds @a, but @a is a ~Area object; "
       "expected [Lgpclasses/baseclasses/CgpGraphics;"},
      // The structure.
      {R"({"colour": 1})",
       "colour: unknown key; expected one of description, surface, separators, timeZoneOffset, "
       "strings, intArrays, refArrays, objects, setup, calls, print"},
      {R"({"strings": {"a": "x"}, "intArrays": {"a": [1]}})",
       "intArrays.a: name a is already used by strings.a"},
      {R"({"strings": {"a.b": "x"}})",
       "strings.a.b: invalid name \"a.b\"; names use letters, digits, '_' and '-'"},
      {R"({"refArrays": {"a": ["@b"], "b": []}})",
       "refArrays.a[0]: @b is not declared before a; a reference array holds only reference "
       "arrays declared before it"},
      {R"({"surface": {"width": 0, "height": 10}})", "surface.width: expected 1..4096, got 0"},
      {R"({"surface": {"width": 10, "height": 10, "background": "#12345"}})",
       "surface.background: expected a colour (\"#RRGGBB\", \"#AARRGGBB\", \"none\" or an int), "
       "got \"#12345\""},
      {R"({"separators": {"decimal": "ab"}})",
       "separators.decimal: expected one character (one UTF-16 unit), got \"ab\""},
      {R"({"objects": {"g": {"class": "~PolyLine"}},
           "calls": [{"on": "g", "native": "draw(I)V", "args": ["surface"]}]})",
       "calls[0].args[0]: \"surface\" given, but the scene has no surface"},
      {R"({"calls": [{"class": "~Font", "native": "draw"}]})",
       "calls[0].native: malformed name and signature \"draw\"; expected e.g. \"draw(I)V\""},
      {std::string(100000, '[') + std::string(100000, ']'),
       "expected an object of scene sections, got an array"},
      // Malformed JSON: where, then the parser's own words.
      {"{\n  \"strings\": {\"a\": \"x\",}\n}", "line 2, column 24: malformed JSON: "},
      {"", "line 1, column 1: malformed JSON: "},
  };
  for (const auto& [json, message] : cases) {
    const std::string error = errorOf(expand(json));
    const bool prefix = message.ends_with("malformed JSON: ");
    EXPECT_EQ(prefix ? error.substr(0, message.size() + 12) : error,
              "scene.json: " + expand(message))
        << json.substr(0, 200);
  }
  // Subclasses fit, and null fits anything.
  EXPECT_EQ(errorOf(expand(R"({"objects": {"p": {"class": "~Pie"},
                                    "c": {"class": "~ComplexObj",
                                          "fields": {"children": "@kids"}}},
                       "refArrays": {"kids": ["@p", null]}})")),
            "");
}

TEST_F(SceneRunnerTest, ModuleInitsRegisterEachClassOnce) {
  const scene::LinkedModule module(GetDLMAppVersion, {{"gpclasses_graphics_CgpPolyLine_init",
                                                       gpclasses_graphics_CgpPolyLine_init}});
  const size_t before = vmhost::natives().size();
  EXPECT_TRUE(scene::registerModuleNatives(module).empty());
  EXPECT_EQ(vmhost::natives().size(), before);
  EXPECT_EQ((Lines{scene::initExportName("gpclasses/graphics/CgpPolyLine"),
                   scene::initExportName("Loose")}),
            (Lines{"gpclasses_graphics_CgpPolyLine_init", ""}));
}

}  // namespace
