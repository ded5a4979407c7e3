#pragma once
// The input/output error of file reading: a code in the runtime's numbering and its text
// from the message table ("File not found", "Read beyond end of file", "I/O error %d", ...).

#include <cstdint>
#include <stdexcept>
#include <string>

class EInOutError : public std::runtime_error {
 public:
  // The codes users know from the runtime; any other code is shown as "I/O error <code>".
  static constexpr int32_t FileNotFound = 2;
  static constexpr int32_t InvalidFilename = 3;
  static constexpr int32_t TooManyOpenFiles = 4;
  static constexpr int32_t FileAccessDenied = 5;
  static constexpr int32_t ReadBeyondEnd = 38;

  explicit EInOutError(int32_t errorCode);
  int32_t ErrorCode() const { return errorCode_; }

  // The error for a failed system call with the given errno value.
  static EInOutError FromErrno(int errnoValue);
  // The message text for a code.
  static std::string MessageFor(int32_t errorCode);

 private:
  int32_t errorCode_;
};

// Reads a whole file into memory. Throws EInOutError when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);
