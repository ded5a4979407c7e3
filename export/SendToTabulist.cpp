#include "export/SendToTabulist.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "base/untMesConst.h"
#include "export/TabulistPeer.h"
#include "song/Prompter.h"

namespace {

std::string WithSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + '/';
}

// Written beside the target and renamed over it, so the editor never reads half a text.
void WriteHandoffFile(const std::string& fileName, const std::string& content) {
  const std::string temporary = fileName + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw std::runtime_error(MesFormat(MesId::SHandoffWriteError, fileName));
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, fileName, error);
  if (error) {
    std::filesystem::remove(temporary, error);
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
  const std::string folder = pathTabulist.empty() ? WithSeparator(programFolder) : pathTabulist;
  const std::string handoffFile = TabulistHandoffFile(folder);
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
