#include "midi/InOutError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/untMesConst.h"

namespace {

constexpr int32_t kNotEnoughMemory = 8;  // the runtime's number

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

EInOutError::EInOutError(int32_t errorCode) : std::runtime_error(MessageFor(errorCode)), errorCode_(errorCode) {}

EInOutError::EInOutError(int32_t errorCode, std::string message, uint64_t fileSize)
    : std::runtime_error(std::move(message)), errorCode_(errorCode), fileSize_(fileSize) {}

EInOutError EInOutError::TooLarge(uint64_t size) {
  return EInOutError(FileTooLarge,
                     MesFormat(MesId::SFileTooLarge, std::to_string(size), std::to_string(MaxMidiFileBytes)), size);
}

std::string EInOutError::MessageFor(int32_t errorCode) {
  switch (errorCode) {
    case FileNotFound: return Mes(MesId::SFileNotFound);
    case InvalidFilename: return Mes(MesId::SInvalidFilename);
    case TooManyOpenFiles: return Mes(MesId::STooManyOpenFiles);
    case FileAccessDenied: return Mes(MesId::SFileAccessDenied);
    case ReadBeyondEnd: return Mes(MesId::SReadBeyondEnd);
    case IsFolder: return Mes(MesId::SFileIsFolder);
    default: return MesFormat(MesId::SInOutError, errorCode);
  }
}

EInOutError EInOutError::FromErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT: return EInOutError(FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return EInOutError(InvalidFilename);
    case EMFILE:
    case ENFILE: return EInOutError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS: return EInOutError(FileAccessDenied);
    case EISDIR: return EInOutError(IsFolder);
    // Numbers that would read as one of the codes above get the runtime's own number.
    case EIO: return EInOutError(30);
    case ENOMEM: return EInOutError(kNotEnoughMemory);
    case ENOSYS: return EInOutError(50);
    default: return EInOutError(errnoValue);
  }
}

std::string ReadFileBytes(const std::string& path) {
  if (path.empty()) throw EInOutError(EInOutError::FileNotFound);
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw EInOutError::FromErrno(errno);
  FileDescriptor file(fd);

  struct stat st {};
  if (::fstat(fd, &st) != 0) throw EInOutError::FromErrno(errno);
  if (S_ISDIR(st.st_mode)) throw EInOutError(EInOutError::IsFolder);

  std::string bytes;
  if (S_ISREG(st.st_mode)) {
    if (static_cast<uint64_t>(st.st_size) > MaxMidiFileBytes) throw EInOutError::TooLarge(static_cast<uint64_t>(st.st_size));
    // One byte more than the size, so that the read after the last one sees the end at once.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
  }
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > MaxMidiFileBytes) throw EInOutError::TooLarge(filled);
      // Room to notice growth of a regular file and to read pipes and devices.
      bytes.resize(bytes.size() + 65536);
    }
    ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw EInOutError::FromErrno(errno);
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}
