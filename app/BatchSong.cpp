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
#include "export/AnalysisJson.h"
#include "export/ChordText.h"
#include "export/SongExport.h"
#include "song/SongSession.h"

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

bool IsAutoKey(std::string key) {
  for (char& c : key) c = char(std::tolower(static_cast<unsigned char>(c)));
  return key == "auto";
}

std::mutex& AnalysisLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

TExportFormat ExportFormatOf(TCliFormat format) {
  switch (format) {
    case TCliFormat::ChordPro: return TExportFormat::ChordPro;
    case TCliFormat::Grid: return TExportFormat::Grid;
    case TCliFormat::Json: return TExportFormat::Json;
    case TCliFormat::JsonLines: return TExportFormat::JsonLines;
    case TCliFormat::Midi: return TExportFormat::Midi;
    default: return TExportFormat::Text;
  }
}

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
  NullStatusSink status;

  TSongExportContent content;
  TAnalysisDocument document;
  const bool jsonFormat = options.format == TCliFormat::Json || options.format == TCliFormat::JsonLines;
  {
    std::unique_lock<std::mutex> lock(AnalysisLock(), std::defer_lock);
    if (!kAnalysisThreadSafe) lock.lock();
    TSongSession session(prompter, status, settings.song);
    if (!session.LoadSongFromBytes(name, std::move(bytes))) {
      result.failed = true;
      result.messages = prompter.errors;
      return result;
    }
    // A damaged file still gives what it holds; its report and its JSON say that it is not all.
    if (const std::string damage = DamagedFileNotice(session.MidiFile.Completeness()); !damage.empty())
      prompter.warnings.push_back(MesLines(damage));
    if (options.beat == TCliBeat::Double) session.ChangeBeatLength(TBeatLength::Double);
    else if (options.beat == TCliBeat::Half) session.ChangeBeatLength(TBeatLength::Half);
    const int key =
        options.key.empty() || IsAutoKey(options.key) ? -1 : ParseCliKey(options.key, settings.text.notation).ValueOr(-1);
    if (key >= 0) session.SetKey(key);
    else if (!options.key.empty()) session.FindKey();
    session.FindChords();
    if (options.transpose != 0) session.Transpose(options.transpose);

    TAnalysisContext context;
    context.file = name;
    context.codePage = CodePageFromNumber(settings.text.textCodepage);
    context.notation = settings.text.notation;
    context.errors = prompter.errors;
    context.warnings = prompter.warnings;
    // The JSON text is made from the plain document after the session is gone, so it needs no
    // lock: it is most of the work of a JSON export.
    if (jsonFormat) document = AnalysisOfSession(session, context);
    else content = ExportSongContent(session, ExportFormatOf(options.format), context, settings.text);
  }
  if (jsonFormat) {
    content.ok = true;
    content.bytes = options.format == TCliFormat::Json ? AnalysisJsonDocument(document) : AnalysisJsonLine(document);
  }
  if (!content.ok) {
    result.failed = true;
    result.messages = std::move(content.messages);
    return result;
  }
  result.messages = std::move(content.messages);
  for (const std::string& e : prompter.errors) result.messages.push_back(e);
  for (const std::string& w : prompter.warnings) result.messages.push_back(w);
  result.failed = !prompter.errors.empty();
  result.produced = true;
  result.content = std::move(content.bytes);
  return result;
}
