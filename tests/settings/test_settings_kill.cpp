// The settings file under a save that is killed at any moment: a child process saves the
// settings over and over, alternating two versions, and is killed at random points. Every kill
// leaves one of the two versions whole, and the next successful save clears whatever temporary
// file the killed one left behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "settings/untVars.h"
#include "tests/settings/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

class KilledSave : public ScratchDir {
 protected:
  void SetUp() override {
    // In memory when the system has a memory file system: a kill cannot interrupt the flush to
    // a disk (the process ends only after it), so on a disk every kill would land between two
    // saves instead of inside one. What a kill can break (the order of write and rename) is
    // the same there.
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string kept = oldTmp ? oldTmp : "";
    if (access("/dev/shm", W_OK) == 0) setenv("TMPDIR", "/dev/shm", 1);
    ScratchDir::SetUp();
    if (oldTmp) setenv("TMPDIR", kept.c_str(), 1); else unsetenv("TMPDIR");
    fs::create_directories(root_ / "prog" / "INI");
    savedProgramFolder_ = ProgramFolder;
    SetConfigHome((root_ / "config").string());
    SetProgramFolder((root_ / "prog").string());
    settings_ = TSettings{};
  }
  void TearDown() override {
    SetProgramFolder(savedProgramFolder_);
    ScratchDir::TearDown();
  }
  TSettings settings_;
  // Everything in the settings folder except the settings file itself.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(SettingsFile()).parent_path()))
      if (entry.path() != fs::path(SettingsFile())) names.push_back(entry.path().filename().string());
    return names;
  }
  std::string savedProgramFolder_;
};

void SleepMicroseconds(long us) {
  timespec t{us / 1000000, (us % 1000000) * 1000};
  while (nanosleep(&t, &t) != 0) {
  }
}

TEST_F(KilledSave, EveryKillLeavesTheOldOrTheNewFileAndTheNextSaveClearsTheRest) {
  // The two versions the child alternates between, as the save writes them.
  Write(SettingsFile(), "; kept by hand\n[Other]\nX=1\n");
  ASSERT_TRUE(SaveSettings(settings_, TWindowPos{111, 7}));
  const std::string first = Read(SettingsFile());
  ASSERT_TRUE(SaveSettings(settings_, TWindowPos{222, 7}));
  const std::string second = Read(SettingsFile());
  ASSERT_NE(first, second);
  ASSERT_NE(first.find("X=1"), std::string::npos);

  // The child's saves take a while (each one reaches the disk); kills fall anywhere in them.
  std::mt19937 random(20260101);
  std::uniform_int_distribution<long> delay(0, 3000);
  int sawFirst = 0, sawSecond = 0, killsWithLeftovers = 0;
  constexpr int kKills = 1000;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        if (!SaveSettings(settings_, TWindowPos{i % 2 ? 111 : 222, 7})) _exit(1);
      }
    }
    SleepMicroseconds(delay(random));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself: a save failed";

    const std::string now = Read(SettingsFile());
    ASSERT_TRUE(now == first || now == second) << "kill " << kill << " left:\n" << now;
    (now == first ? sawFirst : sawSecond)++;
    if (!Leftovers().empty()) ++killsWithLeftovers;
  }
  // The parent's own successful save clears what the last kill left.
  ASSERT_TRUE(SaveSettings(settings_, TWindowPos{111, 7}));
  EXPECT_EQ(Read(SettingsFile()), first);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});

  // The kills must have hit both versions and the middle of a save, or nothing was proven.
  EXPECT_GT(sawFirst, 0);
  EXPECT_GT(sawSecond, 0);
  EXPECT_GT(killsWithLeftovers, 0);
  RecordProperty("first", sawFirst);
  RecordProperty("second", sawSecond);
  RecordProperty("killsWithLeftovers", killsWithLeftovers);
  std::printf("kills: %d; old/new version seen %d/%d; kills that left a temporary file: %d\n", kKills, sawFirst,
              sawSecond, killsWithLeftovers);
}

}  // namespace
