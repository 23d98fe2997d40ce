// A process killed at any moment while it writes the configuration leaves a
// file that parses whole and holds the old value or the new one, never a
// torn file. The writer runs in a child process that counts up, reporting
// each value it has stored through a pipe; the parent kills it at random
// moments and reads the file back.
#include "platform/core/core_host.h"
#include "platform/core/host_trace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const unichar* const kSection = u"Language";
const unichar* const kCounter = u"Counter";
const unichar* const kPadding = u"Padding";
constexpr int kKills = 200;

// Stores counter values from `first` on, for ever, reporting each stored one
// (after a first report, -1, that it is starting).
[[noreturn]] void writeForever(int32_t first, int reportFd) {
  host::setTraceRecording(false);
  const int32_t starting = -1;
  if (write(reportFd, &starting, sizeof starting) != sizeof starting) _exit(3);
  for (int32_t value = first;; ++value) {
    if (!osCGsetINT32(kSection, kCounter, value)) _exit(2);
    if (write(reportFd, &value, sizeof value) != sizeof value) _exit(3);
  }
}

// The last value the child reported, or `fallback` when it reported none.
int32_t lastReported(int readFd, int32_t fallback) {
  int32_t value = 0;
  while (read(readFd, &value, sizeof value) == sizeof value) fallback = value;
  return fallback;
}

// Microseconds one write of the configuration takes here, on average.
int64_t microsecondsPerWrite() {
  const auto start = std::chrono::steady_clock::now();
  for (int32_t i = 0; i < 10; ++i) osCGsetINT32(kSection, kCounter, 0);
  const auto spent = std::chrono::steady_clock::now() - start;
  return std::chrono::duration_cast<std::chrono::microseconds>(spent).count() / 10 + 1;
}

int leftOverTemporaryFiles(const std::filesystem::path& folder) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().rfind("config.ini.tmp-", 0) == 0) ++count;
  return count;
}

class ConfigurationKill : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("tamri_kill_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    path_ = folder_ / "config.ini";
  }
  void TearDown() override {
    corehost::resetConfiguration();
    std::filesystem::remove_all(folder_);
  }
  std::filesystem::path folder_, path_;
};

TEST_F(ConfigurationKill, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  corehost::loadConfiguration(path_.string());
  // A long value makes every write long enough for kills to land inside it.
  const std::u16string padding(16 * 1024, u'p');
  ASSERT_TRUE(osCGsetUNICHAR(kSection, kPadding, padding.c_str()));
  ASSERT_TRUE(osCGsetINT32(kSection, kCounter, 0));

  // Kills land anywhere in the first two writes after the pause starts.
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int64_t> pause(0, 2 * microsecondsPerWrite());
  int32_t stored = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(report[0]);
      writeForever(stored + 1, report[1]);
    }
    close(report[1]);
    int32_t starting = 0;
    ASSERT_EQ(read(report[0], &starting, sizeof starting), sizeof starting);
    // Every other writer is first let finish one write, so that the writers
    // get on however slowly a loaded machine runs them.
    int32_t seen = stored;
    if (kill % 2 == 1) {
      ASSERT_EQ(read(report[0], &seen, sizeof seen), sizeof seen);
    }
    usleep(static_cast<useconds_t>(pause(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
    const int32_t confirmed = lastReported(report[0], seen);
    close(report[0]);

    host::traceClear();
    ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
    ASSERT_TRUE(host::traceLines().empty()) << "kill " << kill << ": " << host::traceLines()[0];
    const std::optional<std::string> value = corehost::configurationValue("Language", "Counter");
    ASSERT_TRUE(value.has_value()) << "kill " << kill;
    const int32_t found = std::stoi(*value);
    // The value last confirmed, or the one being written when the kill came.
    ASSERT_TRUE(found == confirmed || found == confirmed + 1)
        << "kill " << kill << ": file holds " << found << ", last stored " << confirmed;
    ASSERT_EQ(corehost::configurationValue("Language", "Padding")->size(), padding.size());
    stored = found;
  }
  // The writers got on, and many kills came in the middle of a write, before
  // its temporary file was renamed.
  EXPECT_GT(stored, kKills / 4);
  EXPECT_GT(leftOverTemporaryFiles(folder_), kKills / 10);
}

}  // namespace
