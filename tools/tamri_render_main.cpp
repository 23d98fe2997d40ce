// tamri-render: runs a JSON scene through the module's natives as the
// runtime would, and writes the drawn surface as PNG and/or the trace.
// Exit status: 0 done, 1 the run or an output failed, 2 bad scene or usage.
#include "platform/gdi/gdi_host.h"
#include "tools/scene/module_loader.h"
#include "tools/scene/scene_loader.h"
#include "tools/scene/scene_runner.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadInput = 2;

struct Options {
  std::string scenePath;
  std::string pngPath;
  std::string tracePath;
  std::string modulePath = TAMRI_MODULE_PATH;
  bool listNatives = false;
  bool version = false;
};

int complain(const std::string& message, int status) {
  std::cerr << "tamri-render: " << message << "\n";
  return status;
}

bool readText(const std::string& path, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), {});
    return !std::cin.bad();
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  text.assign(std::istreambuf_iterator<char>(file), {});
  return !file.bad();
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream file;
  std::ostream* out = &std::cout;
  if (path != "-") {
    file.open(path, std::ios::binary);
    out = &file;
  }
  for (const std::string& line : lines) *out << line << '\n';
  out->flush();
  return static_cast<bool>(*out);
}

int renderScene(const Options& options, std::vector<std::string> trace) {
  std::string text;
  if (!readText(options.scenePath, text))
    return complain("cannot read " + options.scenePath, kBadInput);
  const std::string sourceName = options.scenePath == "-" ? "<stdin>" : options.scenePath;
  const scene::SceneLoad load = scene::loadScene(text, sourceName);
  if (!load.ok()) {
    std::cerr << load.error << "\n";
    return kBadInput;
  }
  if (!options.pngPath.empty() && !load.scene.surface) {
    std::cerr << sourceName << ": surface: missing; -o needs the scene's surface\n";
    return kBadInput;
  }

  const scene::SceneRun run = scene::runScene(load.scene);
  if (!run.error.empty()) return complain(sourceName + ": " + run.error, kFailed);
  trace.insert(trace.end(), run.trace.begin(), run.trace.end());

  int status = run.balanced ? kDone : kFailed;
  if (!run.balanced) complain("a native left the VM's stacks unbalanced (see the trace)", kFailed);
  if (!options.tracePath.empty() && !writeLines(options.tracePath, trace))
    status = complain("cannot write the trace to " + options.tracePath, kFailed);
  if (!options.pngPath.empty() && !gdihost::writePng(run.surface, options.pngPath)) {
    const std::string reason =
        gdihost::rasterAvailable() ? "" : " (this build has no raster backend)";
    status = complain("cannot write " + options.pngPath + reason, kFailed);
  }
  return status;
}

int run(const Options& options) {
  std::string error;
  const auto module = scene::LibraryModule::open(options.modulePath, error);
  if (!module) return complain("cannot load the module: " + error, kFailed);

  if (options.version) {
    const scene::VersionExport version = module->version();
    if (!version) return complain(options.modulePath + " exports no GetDLMAppVersion", kFailed);
    std::cout << version() << "\n";
    return kDone;
  }
  std::vector<std::string> initTrace = scene::registerModuleNatives(*module);
  if (options.listNatives) {
    for (const std::string& line : scene::nativeTableLines()) std::cout << line << "\n";
    return kDone;
  }
  if (options.scenePath.empty()) return complain("no scene given (see --help)", kBadInput);
  if (options.pngPath.empty() && options.tracePath.empty())
    return complain("nothing to write: give -o FILE.png and/or --trace FILE", kBadInput);
  return renderScene(options, std::move(initTrace));
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Runs a JSON scene through the TamriGraphics natives and writes the drawn "
      "surface as PNG and/or the ordered trace of the platform calls."};
  Options options;
  app.add_option("scene", options.scenePath, "Scene file (JSON); - reads standard input");
  app.add_option("-o,--output", options.pngPath, "Write the scene's surface as PNG");
  app.add_option("--trace", options.tracePath, "Write the trace; - writes to standard output");
  app.add_option("--module", options.modulePath, "The module library to load")
      ->capture_default_str();
  app.add_flag("--list-natives", options.listNatives,
               "Print the registration table: class path and name with signature, one a line");
  app.add_flag("--version", options.version, "Print the module's version");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kDone : kBadInput;
  }
  try {
    return run(options);
  } catch (const std::exception& e) {
    return complain(e.what(), kFailed);
  }
}
