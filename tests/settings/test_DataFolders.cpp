// Where the shipped files and the hand-off file are looked for, by the layout around the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/EnvVar.h"
#include "settings/ChordModelStore.h"
#include "settings/DataFolders.h"
#include "tests/settings/ScratchDir.h"

namespace fs = std::filesystem;

namespace {


class DataFolders : public ScratchDir {
 protected:
  std::string Dir(const std::string& relative) {
    fs::create_directories(root_ / relative);
    return (root_ / relative).string() + "/";
  }
  void Shipped(const std::string& dataFolder) { Write(dataFolder + "INI/cantaro.ini", "[Keysense]\n"); }
};

}  // namespace

TEST_F(DataFolders, AnInstalledCopyReadsShareCantaroBesideItsBinFolder) {
  const std::string bin = Dir("usr/bin");
  const std::string share = Dir("usr/share/cantaro");
  Shipped(share);
  const TDataFolders f = FindDataFolders(bin);
  EXPECT_EQ(f.Layout, TDataLayout::Installed);
  EXPECT_EQ(f.Data, share);
  EXPECT_EQ(f.Examples, share + "examples/");
  EXPECT_EQ(f.Manual, Path("usr/share/doc/cantaro/manual") + "/");
  EXPECT_EQ(f.Problem, "");
  EXPECT_EQ(ShippedSettingsPath(f), share + "INI/cantaro.ini");
}

TEST_F(DataFolders, TheLayoutsAreTriedInstalledThenBuildTreeThenPortable) {
  const std::string bin = Dir("b/bin");
  Shipped(bin);  // INI/ beside the program: a portable copy...
  EXPECT_EQ(FindDataFolders(bin).Layout, TDataLayout::Portable);
  EXPECT_EQ(FindDataFolders(bin).Data, bin);
  EXPECT_EQ(FindDataFolders(bin).Examples, bin + "examples/");

  // ...unless it is the bin folder of a build, whose examples are those of its sources...
  const std::string source = Dir("src");
  Dir("src/examples");
  Write(Path("b/CMakeCache.txt"), "# cache\nCMAKE_HOME_DIRECTORY:INTERNAL=" + Path("src") + "\n");
  TDataFolders f = FindDataFolders(bin);
  EXPECT_EQ(f.Layout, TDataLayout::BuildTree);
  EXPECT_EQ(f.Data, bin);
  EXPECT_EQ(f.Examples, source + "examples/");
  EXPECT_EQ(f.Manual, bin + "manual/");

  // ...and an installed share folder comes first of all.
  Shipped(Dir("b/share/cantaro"));
  EXPECT_EQ(FindDataFolders(bin).Layout, TDataLayout::Installed);
  EXPECT_EQ(FindDataFolders(bin).Data, Path("b/share/cantaro") + "/");
}

TEST_F(DataFolders, AMissingOrDamagedDataFolderIsNamed) {
  const std::string bin = Dir("opt/bin");
  TDataFolders f = FindDataFolders(bin);
  EXPECT_EQ(f.Layout, TDataLayout::Installed);
  EXPECT_EQ(f.Problem, Path("opt/share/cantaro") + "/");  // normalised, no "bin/.."

  Dir("opt/share/cantaro/INI");  // there, but without the settings file
  EXPECT_EQ(FindDataFolders(bin).Problem, Path("opt/share/cantaro") + "/");

  // A build whose cache names no source folder still finds its files beside the program.
  const std::string build = Dir("build/bin");
  Shipped(build);
  Write(Path("build/CMakeCache.txt"), "nothing here\n");
  f = FindDataFolders(build);
  EXPECT_EQ(f.Layout, TDataLayout::BuildTree);
  EXPECT_EQ(f.Examples, build + "examples/");
  EXPECT_EQ(f.Problem, "");
}

TEST_F(DataFolders, TheUsersRuntimeFolderFollowsTheXdgVariablesInOrder) {
  struct Case {
    std::optional<std::string> runtime, cache, home;
    std::string folder;
  } cases[] = {
      {"/run/user/1000", "/c", "/h", "/run/user/1000/cantaro/"},
      {"/run/user/1000/", std::nullopt, std::nullopt, "/run/user/1000/cantaro/"},
      {std::nullopt, "/home/u/.cache", "/home/u", "/home/u/.cache/cantaro/"},
      {"relative/run", "/c", "/h", "/c/cantaro/"},  // a relative path counts as unset
      {"", "", "/home/u", "/home/u/.cache/cantaro/"},
      {std::nullopt, std::nullopt, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    EnvVar runtime("XDG_RUNTIME_DIR", c.runtime), cache("XDG_CACHE_HOME", c.cache), home("HOME", c.home);
    EXPECT_EQ(UserRuntimeFolder(), c.folder) << c.runtime.value_or("-") << " " << c.cache.value_or("-");
  }
}

TEST_F(DataFolders, TheHandoffFolderIsTheEditorsOwnOnlyForACopyThatKeepsItsFilesBesideIt) {
  EnvVar runtime("XDG_RUNTIME_DIR", Path("run"));
  const std::string portable = Dir("portable");
  Dir("portable/INI");
  EXPECT_EQ(HandoffFolderFor(portable), portable);
  EXPECT_EQ(HandoffFolderFor(Path("portable")), portable);

  const std::string installed = Dir("usr/bin");
  EXPECT_EQ(HandoffFolderFor(installed), Path("run") + "/cantaro/");
}

namespace {

class ChordModelFiles : public DataFolders {
 protected:
  std::string Model(const std::string& folder, const std::string& text) {
    const std::string dir = Dir(folder);
    Write(dir + ChordModelFileName, text);
    return dir;
  }
};

}  // namespace

TEST_F(ChordModelFiles, TheFirstFolderHoldingTheModelGivesItAndAProblemIsNamed) {
  TChordModel weights;
  weights.Comment = "second";
  const std::string good = WriteChordModel(weights);
  std::string damaged = good;
  damaged.replace(damaged.find("\nmaj 0"), 6, "\nmaj x");
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;  // folder, contents
    std::vector<std::string> folders;
    bool loads;
    std::vector<std::string> named;  // what the problem names
  } cases[] = {
      {"found in the first folder", {{"a", good}}, {"a", "b"}, true, {}},
      {"found in the second folder", {{"b", good}}, {"a", "b"}, true, {}},
      {"a damaged first file is not skipped", {{"a", damaged}, {"b", good}}, {"a", "b"}, false, {"a/chord-model.txt", "\"x\""}},
      {"missing everywhere", {}, {"a", "b"}, false, {"chord-model.txt", "/a/", "/b/"}},
  };
  for (const Case& c : cases) {
    fs::remove_all(root_);
    fs::create_directories(root_);
    for (const auto& [folder, text] : c.files) Model(folder, text);
    std::vector<std::string> folders;
    for (const std::string& f : c.folders) folders.push_back(Dir(f));
    const TChordModelLoad load = LoadChordModel(folders);
    EXPECT_EQ(static_cast<bool>(load.Model), c.loads) << c.what;
    EXPECT_EQ(load.Problem.empty(), c.loads) << c.what;
    if (load.Model) EXPECT_EQ(load.Model->Comment, "second") << c.what;
    for (const std::string& part : c.named) EXPECT_NE(load.Problem.find(part), std::string::npos) << c.what << ": " << part;
  }
}
