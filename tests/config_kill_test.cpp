// The configuration file shared by processes. A process killed at any moment
// while it writes leaves a file that parses whole and holds the old value or
// the new one, never a torn file, and its lock file locks nothing. Writers
// that set different keys at the same moment lose none of them. A writer
// that cannot get the lock in time fails and changes nothing.
#include "platform/core/core_host.h"
#include "platform/core/host_trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "vm_test_support.h"

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
  const std::filesystem::directory_iterator entries(folder);
  return static_cast<int>(std::count_if(begin(entries), end(entries), [](const auto& entry) {
    return entry.path().filename().string().rfind("config.ini.tmp-", 0) == 0;
  }));
}

class ConfigurationProcesses : public ::testing::Test {
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

// Many kills come while the writer holds the lock: the next writer gets it.
TEST_F(ConfigurationProcesses, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
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
    // Every other writer is first let finish one write, so that the writers
    // get on however slowly a loaded machine runs them.
    int32_t seen = stored;
    ASSERT_EQ(read(report[0], &seen, sizeof seen), sizeof seen);  // starting
    seen = stored;
    if (kill % 2 == 1) ASSERT_EQ(read(report[0], &seen, sizeof seen), sizeof seen);
    usleep(static_cast<useconds_t>(pause(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_TRUE(waitpid(child, &status, 0) == child && WIFSIGNALED(status)) << status;
    const int32_t confirmed = lastReported(report[0], seen);
    close(report[0]);

    host::traceClear();
    ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
    ASSERT_TRUE(host::traceLines().empty()) << "kill " << kill << ": " << host::traceLines()[0];
    const int32_t found =
        std::stoi(corehost::configurationValue("Language", "Counter").value_or("no counter"));
    // The value last confirmed, or the one being written when the kill came.
    ASSERT_TRUE(found == confirmed || found == confirmed + 1)
        << "kill " << kill << ": file holds " << found << ", last stored " << confirmed;
    ASSERT_EQ(corehost::configurationValue("Language", "Padding")->size(), padding.size());
    stored = found;
  }
  // The writers got on, and kills came in the middle of a write, before its
  // temporary file was renamed. How many do depends on the machine's speed:
  // under the sanitizers on a loaded machine about one in twenty.
  EXPECT_GT(stored, kKills / 4);
  EXPECT_GE(leftOverTemporaryFiles(folder_), kKills / 40);
}

std::u16string keyOf(int process, int round) {
  const std::string key = "P" + std::to_string(process) + "R" + std::to_string(round);
  return std::u16string(key.begin(), key.end());
}

constexpr int kProcesses = 4;
constexpr int kRounds = 50;

// Round after round, released at the same moment, sets its own key; reads
// the key the next process set in the round before; reports both through
// `done`.
[[noreturn]] void setOwnKeys(int process, int goFd, int doneFd) {
  host::setTraceRecording(false);
  for (int round = 0; round < kRounds; ++round) {
    char go = 0;
    if (read(goFd, &go, 1) != 1) _exit(3);
    bool ok = osCGsetINT32(kSection, keyOf(process, round).c_str(), round);
    int32_t seen = round - 1;
    if (round > 0)
      ok = osCGgetINT32(kSection, keyOf((process + 1) % kProcesses, round - 1).c_str(), false,
                        &seen) &&
           ok;
    const char result = ok && seen == round - 1 ? 1 : 0;
    if (write(doneFd, &result, 1) != 1) _exit(3);
  }
  _exit(0);
}

TEST_F(ConfigurationProcesses, WritersSettingKeysAtTheSameMomentLoseNone) {
  corehost::loadConfiguration(path_.string());
  int done[2];
  ASSERT_EQ(pipe(done), 0);
  int go[kProcesses];
  pid_t children[kProcesses];
  for (int process = 0; process < kProcesses; ++process) {
    int pair[2];
    ASSERT_EQ(pipe(pair), 0);
    children[process] = fork();
    ASSERT_GE(children[process], 0);
    if (children[process] == 0) setOwnKeys(process, pair[0], done[1]);
    close(pair[0]);
    go[process] = pair[1];
  }
  int failed = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (int process = 0; process < kProcesses; ++process) ASSERT_EQ(write(go[process], "g", 1), 1);
    for (int process = 0; process < kProcesses; ++process) {
      char result = 0;
      ASSERT_EQ(read(done[0], &result, 1), 1);
      failed += result == 0;
    }
  }
  for (int process = 0; process < kProcesses; ++process) {
    close(go[process]);
    int status = 0;
    waitpid(children[process], &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  close(done[0]);
  close(done[1]);
  int lost = 0;
  for (int key = 0; key < kProcesses * kRounds; ++key) {
    int32_t value = -1;
    const int round = key % kRounds;
    lost += !osCGgetINT32(kSection, keyOf(key / kRounds, round).c_str(), false, &value) ||
            value != round;
  }
  EXPECT_EQ(failed, 0) << "sets or reads that failed, of " << kProcesses * kRounds;
  EXPECT_EQ(lost, 0) << "keys lost of " << kProcesses * kRounds << " set by " << kProcesses
                     << " processes in " << kRounds << " rounds";
}

// A writer that holds the lock past the wait makes a set fail, changing
// nothing; once that writer is killed, the lock file it leaves locks nothing.
TEST_F(ConfigurationProcesses, ASetThatCannotGetTheLockFailsAndChangesNothing) {
  corehost::loadConfiguration(path_.string());
  ASSERT_TRUE(osCGsetINT32(kSection, kCounter, 11));
  const std::string before = tamri_test::fileText(path_);
  const std::string lockPath = path_.string() + ".lock";
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    const int fd = open(lockPath.c_str(), O_RDWR);
    if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(ready[1], "h", 1) != 1) _exit(3);
    pause();
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(read(ready[0], &held, 1), 1);
  EXPECT_FALSE(osCGsetINT32(kSection, kCounter, 12));
  EXPECT_EQ(tamri_test::fileText(path_), before);
  int32_t value = 0;
  EXPECT_TRUE(osCGgetINT32(kSection, kCounter, false, &value));
  EXPECT_EQ(value, 11);

  ::kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  ASSERT_TRUE(std::filesystem::exists(lockPath));
  EXPECT_TRUE(osCGsetINT32(kSection, kCounter, 13));
  EXPECT_TRUE(osCGgetINT32(kSection, kCounter, false, &value));
  EXPECT_EQ(value, 13);
}

}  // namespace
