#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "settings/IniFileIO.h"
#include "tests/settings/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

class ScratchFolder : public ScratchDir {
 protected:
  // Entries in the folder: a leftover temporary file shows up here.
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(root_), fs::directory_iterator()));
  }
};

}  // namespace

TEST_F(ScratchFolder, ReplacesTheFileAndKeepsItsPermissions) {
  std::string file = Path("cantaro.ini");
  Write(file, "old contents that are longer than the new ones");
  chmod(file.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(file, "new"));
  EXPECT_EQ(Read(file), "new");
  struct stat st {};
  stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(FileCount(), 1u);
}

// A file the user may not write is not replaced, though the folder would allow the rename:
// one that nobody may write (also when the program runs as root), and, in a child that becomes
// another user and keeps root's group, one that only its owner may write. A file its group
// may write is replaced.
TEST_F(ScratchFolder, AFileTheUserMayNotWriteIsNotReplaced) {
  const std::string file = Path("cantaro.ini");
  for (const mode_t mode : {0444, 0400}) {
    Write(file, "old");
    chmod(file.c_str(), mode);
    const TFileWriteResult r = WriteFileAtomically(file, "new");
    EXPECT_FALSE(r.Ok()) << std::oct << mode;
    EXPECT_EQ(r.Error().Text, std::generic_category().message(EACCES));
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(FileCount(), 1u);
    chmod(file.c_str(), 0644);
  }
  if (geteuid() != 0) GTEST_SKIP() << "becoming another user needs root";
  chmod(root_.c_str(), 0777);
  const struct {
    mode_t mode;
    bool replaced;
  } cases[] = {{0644, false}, {0664, true}};
  for (const auto& c : cases) {
    Write(file, "old");
    chmod(file.c_str(), c.mode);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (setuid(65534) != 0) _exit(2);  // user nobody, still in group root
      _exit(WriteFileAtomically(file, "new") ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.replaced ? 0 : 1) << std::oct << c.mode;
    EXPECT_EQ(Read(file), c.replaced ? "new" : "old") << std::oct << c.mode;
    EXPECT_EQ(FileCount(), 1u);
    fs::remove(file);
  }
}

TEST_F(ScratchFolder, ALinkedSettingsFileStaysALink) {
  std::string real = Path("real.ini"), link = Path("cantaro.ini");
  Write(real, "old");
  fs::create_symlink(real, link);
  ASSERT_TRUE(WriteFileAtomically(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(real), "new");
}

TEST_F(ScratchFolder, AFailedWriteSaysWhyAndLeavesNothingBehind) {
  TFileWriteResult r = WriteFileAtomically(Path("missing/cantaro.ini"), "x");
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.Error().Text, std::generic_category().message(ENOENT));
  EXPECT_EQ(r.Error().Code, ENOENT);

  fs::create_directory(Path("cantaro.ini"));  // the target is a folder: keep it
  r = WriteFileAtomically(Path("cantaro.ini"), "x");
  EXPECT_FALSE(r.Ok());
  EXPECT_TRUE(fs::is_directory(Path("cantaro.ini")));
  EXPECT_EQ(FileCount(), 1u);
}

// A save that was killed leaves ".NAME.PID.XXXXXX"; the next save removes it when that process
// is gone, and keeps the one of a process that still runs (it may be saving right now) and
// files that only look similar.
TEST_F(ScratchFolder, ASuccessfulWriteRemovesTheLeftoversOfKilledWritesOnly) {
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
  const std::string file = Path("cantaro.ini");
  const std::string dead = Path(".cantaro.ini." + std::to_string(gone) + ".Ab12Cd");
  const std::string own = Path(".cantaro.ini." + std::to_string(getpid()) + ".Ab12Cd");
  const std::string alive = Path(".cantaro.ini." + std::to_string(getppid()) + ".Ab12Cd");
  const std::vector<std::string> kept = {alive, Path(".cantaro.ini.bak"), Path(".cantaro.ini.12.toolong"),
                                         Path(".other.ini." + std::to_string(gone) + ".Ab12Cd")};
  for (const std::string& f : kept) Write(f, "x");
  Write(dead, "half");
  Write(own, "half");
  ASSERT_TRUE(WriteFileAtomically(file, "new"));
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_FALSE(fs::exists(own));
  for (const std::string& f : kept) EXPECT_TRUE(fs::exists(f)) << f;
  EXPECT_EQ(FileCount(), 1u + kept.size());
}

TEST_F(ScratchFolder, ReadingTellsAMissingFileFromAnUnreadableOne) {
  EXPECT_EQ(ReadWholeFile(Path("none.ini")).status, TFileReadResult::Status::Missing);
  EXPECT_EQ(ReadWholeFile(Path("none/x.ini")).status, TFileReadResult::Status::Missing);
  fs::create_directory(Path("folder.ini"));
  TFileReadResult r = ReadWholeFile(Path("folder.ini"));
  EXPECT_EQ(r.status, TFileReadResult::Status::Failed);
  EXPECT_FALSE(r.reason.empty());

  std::string bytes("a\0b\r\nc", 6);
  Write(Path("bin.ini"), bytes);
  r = ReadWholeFile(Path("bin.ini"));
  EXPECT_EQ(r.status, TFileReadResult::Status::Ok);
  EXPECT_EQ(r.bytes, bytes);
}

TEST_F(ScratchFolder, CreatesNestedFolders) {
  ASSERT_TRUE(CreateFolders(Path("a/b/c/")));
  EXPECT_TRUE(fs::is_directory(Path("a/b/c")));
  Write(Path("file"), "x");
  EXPECT_FALSE(CreateFolders(Path("file/sub")));
}
