#include "export/SendToTabulist.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "base/untMesConst.h"
#include "export/TabulistPeer.h"
#include "settings/DataFolders.h"
#include "song/Prompter.h"

namespace {

std::string WithSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + '/';
}

// The per-user folder of an installed copy: made for the user alone. A folder that is already
// there is used only when it is a real folder of this user; its mode is narrowed to 0700.
void PreparePrivateFolder(const std::string& folder, const std::string& fileName) {
  // Without its trailing "/", so a symbolic link is seen as one rather than followed.
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  mkdir(path.c_str(), 0700);  // an existing one is checked below
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
      ((st.st_mode & 07777) != 0700 && chmod(path.c_str(), 0700) != 0))
    throw std::runtime_error(MesFormat(MesId::SHandoffWriteError, fileName));
}

// Written beside the target (mode 0600, a name no one else can have taken) and renamed over it,
// so the editor never reads half a text and nobody else can read it.
void WriteHandoffFile(const std::string& fileName, const std::string& content) {
  std::string temporary = fileName + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) throw std::runtime_error(MesFormat(MesId::SHandoffWriteError, fileName));
  bool ok = fchmod(fd, 0600) == 0;
  for (std::size_t done = 0; ok && done < content.size();) {
    const ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = close(fd) == 0 && ok;
  if (!ok || std::rename(temporary.c_str(), fileName.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw std::runtime_error(MesFormat(MesId::SHandoffWriteError, fileName));
  }
}

// Polls until the condition holds or the limit passes; the condition is tried at least once.
template <typename Condition>
bool WaitFor(TTabulistPeer& peer, int limitMs, int pollMs, Condition condition) {
  const int64_t start = peer.NowMs();
  for (;;) {
    if (condition()) return true;
    if (peer.NowMs() - start >= limitMs) return false;
    peer.Pause(pollMs);
  }
}

int Seconds(int ms) { return (ms + 999) / 1000; }

TSendResult RefuseForeignEditor(Prompter& prompter) {
  prompter.Error(Mes(MesId::SCaptionError), Mes(MesId::SForeignTabulist));
  return TSendResult::ForeignEditor;
}

}  // namespace

std::string TabulistProgramFile(const std::string& folder) { return WithSeparator(folder) + "tabulist"; }
std::string TabulistHandoffFile(const std::string& folder) { return WithSeparator(folder) + "TEMP.$$$"; }

std::string HandoffFolderOf(const std::string& editorFolder) { return HandoffFolderFor(WithSeparator(editorFolder)); }

std::string HandoffFileContent(const std::vector<std::string>& lines) {
  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += "\r\n";
  }
  return content;
}

TSendResult SendToTabulist(const std::vector<std::string>& lines, std::string& pathTabulist,
                           const std::string& programFolder, TTabulistPeer& peer, Prompter& prompter,
                           const TSendOptions& options) {
  bool found = peer.FindEditor();
  if (!found && peer.ForeignEditor()) return RefuseForeignEditor(prompter);
  if (!found) {
    if (pathTabulist.empty()) pathTabulist = WithSeparator(programFolder);
    std::error_code error;
    if (!std::filesystem::is_regular_file(TabulistProgramFile(pathTabulist), error)) {
      prompter.Warning(Mes(MesId::SCaptionWarning), Mes(MesId::SNoTabulist));
      return TSendResult::NoEditorProgram;
    }
    found = peer.FindEditor();
    if (!found && peer.ForeignEditor()) return RefuseForeignEditor(prompter);
    if (!found && !peer.StartEditor(TabulistProgramFile(pathTabulist))) {
      prompter.Error(Mes(MesId::SCaptionError), Mes(MesId::STabulistStartFailed));
      return TSendResult::StartFailed;
    }
  }

  // An editor that already runs while the setting is empty was, in all likelihood, started
  // from beside this program: its folder is where it looks for the file (the current folder
  // would leave it waiting for a file that never comes).
  const std::string editorFolder = pathTabulist.empty() ? WithSeparator(programFolder) : pathTabulist;
  // A portable copy hands the text over in the editor's folder; an installed one, whose editor
  // lies in a system folder, in the user's own runtime folder, where the editor looks too.
  const std::string folder = HandoffFolderOf(editorFolder);
  const std::string handoffFile = TabulistHandoffFile(folder);
  if (folder.empty()) throw std::runtime_error(MesFormat(MesId::SHandoffWriteError, handoffFile));
  if (folder != WithSeparator(editorFolder)) PreparePrivateFolder(folder, handoffFile);
  WriteHandoffFile(handoffFile, HandoffFileContent(lines));
  auto dropFile = [&] {
    std::error_code ignored;
    std::filesystem::remove(handoffFile, ignored);
  };

  // Another user's program may take the name while the editor starts, or between requests:
  // the waits end at once then, and the file goes.
  bool foreign = false;
  if (!found && !WaitFor(peer, options.windowWaitMs, options.pollMs,
                         [&] { return peer.FindEditor() || (foreign = peer.ForeignEditor()); })) {
    dropFile();
    prompter.Error(Mes(MesId::SCaptionError), MesFormat(MesId::STabulistNoWindow, Seconds(options.windowWaitMs)));
    return TSendResult::NoEditorWindow;
  }
  if (!foreign && !WaitFor(peer, options.answerWaitMs, options.pollMs,
                           [&] { return peer.Request2024() == 1 || (foreign = peer.ForeignEditor()); })) {
    dropFile();
    prompter.Error(Mes(MesId::SCaptionError), MesFormat(MesId::STabulistNoAnswer, Seconds(options.answerWaitMs)));
    return TSendResult::NoAnswer;
  }

  if (foreign) {
    dropFile();
    return RefuseForeignEditor(prompter);
  }

  // An editor that removed the file itself is fine; a file that stays behind is not.
  std::error_code error;
  std::filesystem::remove(handoffFile, error);
  if (error)
    throw std::runtime_error(MesFormat(MesId::SHandoffDeleteError, handoffFile));
  peer.RaiseEditor();
  return TSendResult::Sent;
}
