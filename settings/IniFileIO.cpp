#include "settings/IniFileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace {

std::string Reason(int err) { return std::generic_category().message(err); }

TFileWriteResult Failure(int err) { return TError(Reason(err), err); }

// The file a path finally names; the path itself when it is no link or a dangling one.
std::string ResolveLinks(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char buf[PATH_MAX];
  if (realpath(path.c_str(), buf) == nullptr) return path;
  return buf;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Temporary files are named ".NAME.PID.XXXXXX", so that the one a killed save left behind can
// be told from one that a running save is still writing.
std::string TemporaryPrefix(const std::string& name) { return "." + name + "."; }

// Removes the temporary files of saves whose process no longer runs (killed in the middle of a
// save). Files of a process that still runs (or of another user's, which cannot be asked) stay.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::string prefix = TemporaryPrefix(name);
  const pid_t self = getpid();
  while (const dirent* entry = readdir(dir)) {
    const std::string_view file = entry->d_name;
    if (file.size() <= prefix.size() + 7 || file.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string_view rest = file.substr(prefix.size());  // PID.XXXXXX
    const std::size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string_view::npos || rest.size() - dot - 1 != 6) continue;
    long long pid = 0;
    bool digits = dot <= 10;
    for (std::size_t i = 0; digits && i < dot; ++i) {
      digits = rest[i] >= '0' && rest[i] <= '9';
      pid = pid * 10 + (rest[i] - '0');
    }
    if (!digits || pid <= 0) continue;
    // A save of this process is over by now; another process is asked whether it still runs.
    const bool stale = pid == self || (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
    if (stale) unlinkat(dirfd(dir), entry->d_name, 0);
  }
  closedir(dir);
}

}  // namespace

TFileReadResult ReadWholeFile(const std::string& path) {
  TFileReadResult r;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    int err = errno;
    if (err == ENOENT || err == ENOTDIR) return r;  // Missing
    r.status = TFileReadResult::Status::Failed;
    r.reason = Reason(err);
    return r;
  }
  struct stat st {};
  r.status = TFileReadResult::Status::Failed;
  if (fstat(fd, &st) != 0) {
    r.reason = Reason(errno);
  } else if (S_ISDIR(st.st_mode)) {
    r.reason = Reason(EISDIR);
  } else if (static_cast<unsigned long long>(st.st_size) > MaxSettingsFileSize) {
    r.reason = Reason(EFBIG);
  } else {
    char buf[65536];
    for (;;) {
      ssize_t n = read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        r.reason = Reason(errno);
        break;
      }
      if (n == 0) {
        r.status = TFileReadResult::Status::Ok;
        break;
      }
      // A file that grows while it is read (a pipe, a device) is cut off at the limit.
      if (r.bytes.size() + static_cast<std::size_t>(n) > MaxSettingsFileSize) {
        r.reason = Reason(EFBIG);
        break;
      }
      r.bytes.append(buf, static_cast<std::size_t>(n));
    }
  }
  close(fd);
  if (r.status != TFileReadResult::Status::Ok) r.bytes.clear();
  return r;
}

TFileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveLinks(path);
  const std::string folder = FolderOf(target);
  std::string name = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
  std::string tmp = folder + "/" + TemporaryPrefix(name) + std::to_string(getpid()) + ".XXXXXX";

  struct stat old {};
  bool hadOld = stat(target.c_str(), &old) == 0;
  if (hadOld && S_ISDIR(old.st_mode)) return Failure(EISDIR);
  // The rename would replace a file the user made read-only; respect that as writing in place
  // would. A file nobody may write is read-only for root too, whom the bits do not stop.
  if (hadOld && (old.st_mode & 0222) == 0) return Failure(EACCES);
  if (hadOld && access(target.c_str(), W_OK) != 0) return Failure(errno);

  int fd = mkostemp(tmp.data(), O_CLOEXEC);
  if (fd < 0) return Failure(errno);

  int err = 0;
  if (fchmod(fd, hadOld ? (old.st_mode & 07777) : 0644) != 0) err = errno;
  if (err == 0 && !WriteAll(fd, bytes)) err = errno;
  if (err == 0 && fsync(fd) != 0) err = errno;
  if (close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && rename(tmp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(tmp.c_str());
    return Failure(err);
  }
  // The rename itself must reach the disk too; a failure here no longer risks the contents.
  if (int dfd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
    fsync(dfd);
    close(dfd);
  }
  RemoveStaleTemporaries(folder, name);
  return {};
}

TFileWriteResult CreateFolders(const std::string& path) {
  if (path.empty()) return Failure(ENOENT);
  std::string partial;
  std::size_t pos = 0;
  while (pos <= path.size()) {
    std::size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    partial = path.substr(0, slash);
    pos = slash + 1;
    if (partial.empty()) continue;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return Failure(errno);
  }
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return Failure(errno);
  if (!S_ISDIR(st.st_mode)) return Failure(ENOTDIR);
  return {};
}
