#include "app/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace {

// The process's file mode mask as it is now, read without changing it (the kernel tells it
// in /proc/self/status); nothing where the system does not tell.
std::optional<mode_t> CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("Umask:", 0) == 0) {
      char* end = nullptr;
      const unsigned long mask = std::strtoul(line.c_str() + 6, &end, 8);
      if (end != line.c_str() + 6) return static_cast<mode_t>(mask & 0777);
    }
  return std::nullopt;
}

// The permissions a new file gets, as any other program creating it now would give it. The
// mask is read each time, so a program that changes it is followed; only where it cannot be
// read is it set and put back, once, as that is not safe while other threads create files.
mode_t NewFileMode() {
  if (const std::optional<mode_t> mask = CurrentUmask()) return static_cast<mode_t>(0666 & ~*mask);
  static const mode_t mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

}  // namespace

TAtomicFile::~TAtomicFile() { Discard(); }

void TAtomicFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

bool TAtomicFile::Open(const std::filesystem::path& target) {
  Discard();
  error_.clear();
  target_ = target;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    error_ = ec.message();
    return false;
  }
  // Hidden beside the target, so the rename stays within one file system.
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  fd_ = ::mkstemp(pattern.data());
  if (fd_ < 0) {
    error_ = std::strerror(errno);
    return false;
  }
  temp_ = pattern;
  ::fchmod(fd_, NewFileMode());
  return true;
}

bool TAtomicFile::Append(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      error_ = std::strerror(errno);
      Discard();
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool TAtomicFile::Commit() {
  if (fd_ < 0) return false;
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0 || ::rename(temp_.c_str(), target_.c_str()) != 0) {
    error_ = std::strerror(errno);
    Discard();
    return false;
  }
  temp_.clear();
  return true;
}

TStatus WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
  TAtomicFile file;
  if (!file.Open(target) || !file.Append(content) || !file.Commit()) return TError(file.Error());
  return {};
}
