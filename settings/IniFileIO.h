#pragma once
// Reading a settings file whole and replacing it atomically.
//
// A settings file is replaced, never rewritten in place: the new bytes go to a temporary file
// beside it, are flushed to the disk, and the temporary file is then renamed over the old one.
// A crash, a full disk or a read-only folder therefore leaves either the old file or the new
// one, never a half-written or empty file.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Result.h"

struct TFileReadResult {
  enum class Status { Ok, Missing, Failed };
  Status status = Status::Missing;
  std::string bytes;   // the contents when Ok
  std::string reason;  // why reading failed, when Failed
};

// Success, or why writing failed.
using TFileWriteResult = TStatus;

// A settings file larger than this is not a settings file; it is refused rather than read.
constexpr std::size_t MaxSettingsFileSize = 16u << 20;

// Missing when the file (or its folder) does not exist; Failed when it exists but cannot be
// read (no permission, a folder, too large).
TFileReadResult ReadWholeFile(const std::string& path);

// Replaces the file with the bytes. A symbolic link is followed, so the file it points to is
// replaced and the link stays; an existing file keeps its permissions, and a read-only one is
// not replaced. On failure the old file
// is untouched and no temporary file is left behind; a successful write also removes the
// temporary files of earlier writes whose process was killed in the middle.
TFileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Creates the folder and its missing parents (mode 0700, as for a user's configuration).
TFileWriteResult CreateFolders(const std::string& path);
