#include "settings/DataFolders.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// "/usr/bin/../share/cantaro/" as "/usr/share/cantaro/", so a message names a folder a user
// can look for.
std::string Normal(const std::string& path) {
  std::string out = fs::path(path).lexically_normal().string();
  return WithSlash(out);
}

// The source folder a build was configured from, as its CMakeCache.txt records it.
std::string SourceFolderOfBuild(const std::string& cacheFile) {
  std::ifstream in(cacheFile);
  const std::string key = "CMAKE_HOME_DIRECTORY:INTERNAL=";
  for (std::string line; std::getline(in, line);)
    if (line.rfind(key, 0) == 0) return WithSlash(line.substr(key.size()));
  return {};
}

// An XDG folder variable counts only when it holds an absolute path, as the standard says.
std::string AbsoluteEnv(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && v[0] == '/' ? std::string(v) : std::string();
}

}  // namespace

TDataFolders FindDataFolders(const std::string& programFolder) {
  const std::string program = WithSlash(programFolder.empty() ? std::string("./") : programFolder);
  TDataFolders f;

  const std::string installed = Normal(program + "../share/cantaro/");
  if (IsFolder(installed)) {
    f.Layout = TDataLayout::Installed;
    f.Data = installed;
    f.Examples = installed + "examples/";
    f.Manual = Normal(program + "../share/doc/cantaro/") + "manual/";
  } else if (IsFile(program + "../CMakeCache.txt")) {
    f.Layout = TDataLayout::BuildTree;
    f.Data = program;
    const std::string source = SourceFolderOfBuild(program + "../CMakeCache.txt");
    // No source folder named: the files beside the program, never the working folder.
    f.Examples = !source.empty() && IsFolder(source + "examples/") ? source + "examples/" : program + "examples/";
    f.Manual = program + "manual/";
  } else if (IsFolder(program + "INI/")) {
    f.Layout = TDataLayout::Portable;
    f.Data = program;
    f.Examples = program + "examples/";
    f.Manual = program + "manual/";
  } else {
    // Nothing there: the installed layout is what was looked for first.
    f.Layout = TDataLayout::Installed;
    f.Data = installed;
    f.Examples = installed + "examples/";
    f.Manual = Normal(program + "../share/doc/cantaro/") + "manual/";
  }
  if (!IsFile(ShippedSettingsPath(f))) f.Problem = f.Data;
  return f;
}

std::string ShippedSettingsPath(const TDataFolders& folders) { return folders.Data + "INI/cantaro.ini"; }

bool KeepsFilesBesideProgram(const std::string& programFolder) {
  return IsFolder(WithSlash(programFolder) + "INI/");
}

std::string UserRuntimeFolder() {
  if (std::string runtime = AbsoluteEnv("XDG_RUNTIME_DIR"); !runtime.empty()) return WithSlash(runtime) + "cantaro/";
  if (std::string cache = AbsoluteEnv("XDG_CACHE_HOME"); !cache.empty()) return WithSlash(cache) + "cantaro/";
  if (std::string home = AbsoluteEnv("HOME"); !home.empty()) return WithSlash(home) + ".cache/cantaro/";
  return {};
}

std::string HandoffFolderFor(const std::string& editorFolder) {
  if (KeepsFilesBesideProgram(editorFolder)) return WithSlash(editorFolder);
  return UserRuntimeFolder();
}
