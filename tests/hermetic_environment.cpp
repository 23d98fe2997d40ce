// The suite never reads or writes the user's own configuration and never
// sees a language list from the shell: whatever the environment holds, the
// configuration starts in memory and the system languages come from the
// locale until a test says otherwise.
#include "platform/core/core_host.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class HermeticEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("TAMRI_CONFIG", "", 1);
    unsetenv("TAMRI_SYSTEM_LANGUAGES");
    corehost::resetConfiguration();
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new HermeticEnvironment);

}  // namespace
