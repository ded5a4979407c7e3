#pragma once
// The input/output error of file reading: a code in the runtime's numbering and its text
// from the message table ("File not found", "Read beyond end of file", "I/O error %d", ...).

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// The largest file read as a song. Real songs, karaoke files with long lyrics included, stay
// below a megabyte; a larger file is a disk image, a video or a recording chosen by mistake, and
// is refused before a byte of it is read, so that choosing it costs no memory.
constexpr std::size_t MaxMidiFileBytes = std::size_t{64} << 20;

class EInOutError : public std::runtime_error {
 public:
  // The codes users know from the runtime; any other code is shown as "I/O error <code>".
  static constexpr int32_t FileNotFound = 2;
  static constexpr int32_t InvalidFilename = 3;
  static constexpr int32_t TooManyOpenFiles = 4;
  static constexpr int32_t FileAccessDenied = 5;
  static constexpr int32_t ReadBeyondEnd = 38;
  // Beyond the runtime's numbers: a folder where a file was expected, and a file larger than
  // MaxMidiFileBytes.
  static constexpr int32_t IsFolder = 1001;
  static constexpr int32_t FileTooLarge = 1002;

  explicit EInOutError(int32_t errorCode);
  int32_t ErrorCode() const { return errorCode_; }
  // FileTooLarge: the size found (for a pipe or device, the bytes it gave before the limit).
  uint64_t FileSize() const { return fileSize_; }
  static EInOutError TooLarge(uint64_t size);

  // The error for a failed system call with the given errno value.
  static EInOutError FromErrno(int errnoValue);
  // The message text for a code.
  static std::string MessageFor(int32_t errorCode);

 private:
  EInOutError(int32_t errorCode, std::string message, uint64_t fileSize);
  int32_t errorCode_;
  uint64_t fileSize_ = 0;
};

// Reads a whole file into memory. Throws EInOutError when it cannot be opened or read, when it
// is a folder, and when it is larger than MaxMidiFileBytes (then before reading it).
std::string ReadFileBytes(const std::string& path);
