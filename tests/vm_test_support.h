// Drives natives the way the runtime does: objects on the stand-in heap,
// arguments on the VM's stacks, drawing-layer calls read back from the trace.
#pragma once

#include "module/module_exports.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "platform/ivm/vm_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tamri_test {

// Registers the module's natives once per test process.
void registerModuleNatives();

// Fonts come only from files of Debian's packages, so that text measures
// the same on every machine: DejaVu Sans, DejaVu Sans Bold and DejaVu Sans
// Mono (fonts-dejavu-core), and for the scripts they lack WenQuanYi Micro
// Hei (fonts-wqy-microhei), Lohit Devanagari (fonts-lohit-deva) and Loma
// (fonts-tlwg-loma-ttf). Once per process; resets keep it.
void pinTestFonts();
// A font file by its path under /usr/share/fonts/truetype.
std::string testFontFile(const char* name);

using FieldValues = std::vector<std::pair<const char*, int64_t>>;

jword makeObject(const char* classPath, const FieldValues& fields = {});
jword makeIntArray(std::vector<int32_t> elements);
// `base` followed by `extra`: where both set a field, the later value wins.
FieldValues joined(FieldValues base, const FieldValues& extra);
// Several fields of an object, in the order named.
std::vector<int64_t> readFields(jword object, std::initializer_list<const char*> names);

// Calls a native of the object's class (or a superclass) with int scalars.
vmhost::CallResult callOn(jword self, const char* nameSig, std::vector<uint32_t> scalars = {},
                          std::vector<jword> references = {});

// The registration table the module must build (tests/references/natives.txt):
// "class native" lines, class by class, each class's natives in order.
std::vector<std::string> registrationTable();

// Trace lines that start with `prefix` (all lines for an empty prefix).
std::vector<std::string> traceWith(const std::string& prefix = "");

// A file's bytes; empty when it cannot be read.
std::string fileText(const std::filesystem::path& path);

class VmTest : public ::testing::Test {
 protected:
  void SetUp() override;
};

}  // namespace tamri_test
