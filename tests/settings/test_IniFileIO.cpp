#include <gtest/gtest.h>
#include <sys/stat.h>
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
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, std::generic_category().message(ENOENT));

  fs::create_directory(Path("cantaro.ini"));  // the target is a folder: keep it
  r = WriteFileAtomically(Path("cantaro.ini"), "x");
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(fs::is_directory(Path("cantaro.ini")));
  EXPECT_EQ(FileCount(), 1u);
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
