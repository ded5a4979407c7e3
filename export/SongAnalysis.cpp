#include "export/SongAnalysis.h"

#include <utility>

#include "base/untMesConst.h"
#include "song/Prompter.h"
#include "song/SongSession.h"

namespace {

// Passes everything on to the caller's prompter and keeps the errors and warnings for the
// analysis.
class TKeepingPrompter final : public Prompter {
 public:
  explicit TKeepingPrompter(Prompter& to) : to_(to) {}
  TPromptAnswer Question(const std::string& caption, const std::string& text, TPromptButtons buttons,
                         TPromptIcon icon) override {
    return to_.Question(caption, text, buttons, icon);
  }
  void Information(const std::string& caption, const std::string& text) override { to_.Information(caption, text); }
  void Warning(const std::string& caption, const std::string& text) override {
    warnings.push_back(MesLines(text));
    to_.Warning(caption, text);
  }
  void Error(const std::string& caption, const std::string& text) override {
    errors.push_back(MesLines(text));
    to_.Error(caption, text);
  }
  void Message(const std::string& text) override {
    warnings.push_back(MesLines(text));
    to_.Message(text);
  }

  std::vector<std::string> errors;
  std::vector<std::string> warnings;

 private:
  Prompter& to_;
};

// What an analysis takes of a session; the model is the caller's to copy or take.
TSongAnalysis AnalysisFrame(const TSongSession& session, const std::string& name, const TAnalysisRequest& request) {
  TSongAnalysis analysis;
  analysis.name = name;
  analysis.song = session.MidiFile.SharedSong();
  analysis.speedNumerator = session.MidiFile.SpeedNumerator();
  analysis.speedDenominator = session.MidiFile.SpeedDenominator();
  analysis.request = request;
  return analysis;
}

template <typename Load>
TAnalysisOutcome Analyse(const std::string& name, const TAnalysisRequest& request, Prompter& prompter, Load load) {
  TAnalysisOutcome outcome;
  TKeepingPrompter keeping(prompter);
  NullStatusSink status;
  TSongSession session(keeping, status, request.song);
  if (!load(session)) {
    outcome.errors = std::move(keeping.errors);
    return outcome;
  }
  // A damaged file still gives what it holds; its report and its JSON say that it is not all.
  if (const std::string damage = DamagedFileNotice(session.MidiFile.Completeness()); !damage.empty())
    keeping.Message(damage);
  if (request.beat != TBeatLength::Default) session.ChangeBeatLength(request.beat);
  if (request.key >= 0) session.SetKey(request.key, request.minor);
  else if (request.detectKey) session.FindKey();
  session.FindChords();
  if (request.transpose != 0) session.Transpose(request.transpose);

  TSongAnalysis analysis = AnalysisFrame(session, name, request);
  analysis.model = session.TakeModel();
  analysis.errors = std::move(keeping.errors);
  analysis.warnings = std::move(keeping.warnings);
  outcome.analysis = std::move(analysis);
  return outcome;
}

}  // namespace

std::optional<TKeySpelling> TSongAnalysis::Spelling() const {
  return SongKeySpelling(model.key, model.transposition, request.text.spellByKey, model.keySignature);
}

std::string TSongAnalysis::KeyName() const {
  return KeyWithModeName(model.key, model.transposition, request.text.notation, request.text.spellByKey,
                         model.keySignature);
}

TAnalysisOutcome AnalyseSongFile(const std::string& path, const std::string& name, const TAnalysisRequest& request,
                                 Prompter& prompter) {
  return Analyse(name, request, prompter, [&path](TSongSession& session) { return session.LoadSong(path); });
}

TAnalysisOutcome AnalyseSongBytes(const std::string& name, std::string bytes, const TAnalysisRequest& request,
                                  Prompter& prompter) {
  return Analyse(name, request, prompter, [&name, &bytes](TSongSession& session) {
    return session.LoadSongFromBytes(name, std::move(bytes));
  });
}

TSongAnalysis SongAnalysisOf(const TSongSession& session, const std::string& name, const TAnalysisRequest& request) {
  TSongAnalysis analysis = AnalysisFrame(session, name, request);
  analysis.model = session.Model();
  return analysis;
}
