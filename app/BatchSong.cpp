#include "app/BatchSong.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <system_error>

#include "base/untMesConst.h"
#include "export/OutputFormats.h"
#include "export/SongAnalysis.h"
#include "song/SongSession.h"
#include "song/Prompter.h"

namespace {

// Answers Yes like the command line (the flags said what to do) and keeps the errors and
// warnings for the song's report; information (the key found) is not news in a batch.
class TCollectingPrompter final : public Prompter {
 public:
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons buttons, TPromptIcon) override {
    return buttons == TPromptButtons::Ok ? TPromptAnswer::Ok : TPromptAnswer::Yes;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string& text) override { warnings.push_back(MesLines(text)); }
  void Error(const std::string&, const std::string& text) override { errors.push_back(MesLines(text)); }
  void Message(const std::string& text) override { warnings.push_back(MesLines(text)); }

  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

std::mutex& AnalysisLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

TSongExport ExportSongFile(const std::string& path, const std::string& name, const TCliOptions& options,
                           const TCliSettings& settings) {
  TSongExport result;
  std::string bytes;
  try {
    // A file larger than any song is refused before it is read.
    bytes = ReadFileBytes(path);
  } catch (const EInOutError& e) {
    result.failed = true;
    result.messages.push_back(SongReadErrorText(path, e));
    return result;
  }
  return ExportSongBytes(std::move(bytes), name, options, settings);
}

TSongExport ExportSongBytes(std::string bytes, const std::string& name, const TCliOptions& options,
                            const TCliSettings& settings) {
  TSongExport result;
  TCollectingPrompter prompter;
  TAnalysisOutcome outcome;
  {
    std::unique_lock<std::mutex> lock(AnalysisLock(), std::defer_lock);
    if (!kAnalysisThreadSafe) lock.lock();
    outcome = AnalyseSongBytes(name, std::move(bytes), AnalysisRequestOf(options, settings), prompter);
  }
  if (!outcome.analysis) {
    result.failed = true;
    result.messages = std::move(outcome.errors);
    return result;
  }
  // The writer reads the analysis alone, which no other song shares: no lock.
  TResult<TFormatOutput> made = options.format->write(*outcome.analysis);
  if (!made) {
    result.failed = true;
    result.messages = {made.Error().Text};
    return result;
  }
  TFormatOutput& content = made.Value();
  result.messages = std::move(content.messages);
  for (const std::string& e : prompter.errors) result.messages.push_back(e);
  for (const std::string& w : prompter.warnings) result.messages.push_back(w);
  result.failed = !prompter.errors.empty();
  result.produced = true;
  result.content = std::move(content.bytes);
  return result;
}
