#pragma once
// A file that appears whole or not at all: it is written under a temporary name in its own
// folder and renamed over the target when it is complete. Dropped without Commit (an error, an
// interruption), the temporary file is removed and an older file of that name stays as it was.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Result.h"

class TAtomicFile {
 public:
  TAtomicFile() = default;
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  // Creates the target's folders and the temporary file. False with Error() set on failure.
  bool Open(const std::filesystem::path& target);
  bool Append(std::string_view bytes);
  // Closes the temporary file and renames it to the target.
  bool Commit();
  const std::string& Error() const { return error_; }

 private:
  void Discard();
  std::filesystem::path target_;
  std::string temp_;
  int fd_ = -1;
  std::string error_;
};

// Writes a whole file atomically; the error's text is the reason.
TStatus WriteFileAtomically(const std::filesystem::path& target, std::string_view content);
