#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "settings/IniFileIO.h"

namespace fs = std::filesystem;

namespace {

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "cantaro-io-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  // Files in the folder other than the given ones: a leftover temporary file shows up here.
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

}  // namespace

TEST_F(ScratchFolder, ReplacesTheFileAndKeepsItsPermissions) {
  std::string file = Path("cantaro.ini");
  std::ofstream(file) << "old contents that are longer than the new ones";
  chmod(file.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(file, "new"));
  EXPECT_EQ(Contents(file), "new");
  struct stat st {};
  stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(ScratchFolder, ALinkedSettingsFileStaysALink) {
  std::string real = Path("real.ini"), link = Path("cantaro.ini");
  std::ofstream(real) << "old";
  fs::create_symlink(real, link);
  ASSERT_TRUE(WriteFileAtomically(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(real), "new");
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
  std::ofstream(Path("bin.ini"), std::ios::binary) << bytes;
  r = ReadWholeFile(Path("bin.ini"));
  EXPECT_EQ(r.status, TFileReadResult::Status::Ok);
  EXPECT_EQ(r.bytes, bytes);
}

TEST_F(ScratchFolder, CreatesNestedFolders) {
  ASSERT_TRUE(CreateFolders(Path("a/b/c/")));
  EXPECT_TRUE(fs::is_directory(Path("a/b/c")));
  std::ofstream(Path("file")) << "x";
  EXPECT_FALSE(CreateFolders(Path("file/sub")));
}
