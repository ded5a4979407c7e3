#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/accuracy/AccuracyRun.h"
#include "chords/ChordModel.h"
#include "song/Prompter.h"
#include "song/SongSession.h"
#include "tools/chordmodel/ChordModelTraining.h"

namespace {

namespace fs = std::filesystem;

struct ExampleSong {
  const char* file;
  int chordTrack;  // the accompaniment: one block of notes per beat, what the chords are
  std::vector<std::string> chords;
};

const std::vector<ExampleSong> kExamples = {
    {"korobeiniki.kar", 4, {"Am", "E7", "Dm"}},
    {"mary-had-a-little-lamb.mid", 2, {"C", "G", "G7"}},
    {"minuet-in-g.mid", 2, {"G", "C", "Am", "D", "D7"}},
};

std::string Example(const char* file) { return (fs::path(CANTARO_SOURCE_DIR) / "examples" / file).string(); }

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Counts what the session asks or tells; answers nothing.
class CountingPrompter final : public Prompter {
 public:
  int asked = 0;
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons, TPromptIcon) override {
    ++asked;
    return TPromptAnswer::Cancel;
  }
  void Information(const std::string&, const std::string&) override { ++asked; }
  void Warning(const std::string&, const std::string&) override { ++asked; }
  void Error(const std::string&, const std::string&) override { ++asked; }
  void Message(const std::string&) override { ++asked; }
};

// The song searched with the model: every beat's chosen chord name beside the name of its
// chord track's label at the beat's start ("" where there is none).
struct Named {
  std::vector<std::string> chosen, labelled;
};

Named SearchWithModel(const ExampleSong& song, std::shared_ptr<const TChordModel> model) {
  CountingPrompter prompter;
  NullStatusSink status;
  TSongOptions options;
  options.chordModel = std::move(model);
  TSongSession session(prompter, status, options);
  EXPECT_TRUE(session.LoadSong(Example(song.file)));
  TCorpusSong corpusSong;
  corpusSong.MidiPath = Example(song.file);
  const TTruthLabels labels = ReadSongLabels(corpusSong, session.MidiFile, song.chordTrack);
  session.FindChords();
  // The model asks nothing (no question about the key), and the key is still found to be named.
  EXPECT_EQ(prompter.asked, 0) << song.file;
  EXPECT_GE(session.key(), 0) << song.file;
  Named n;
  for (size_t b = 0; b < session.beats().size(); ++b) {
    const TVariants& v = session.beats()[b];
    // The chosen chord leads the variants; the others follow by the model's probability.
    if (v.HasChord()) {
      EXPECT_EQ(v.chosen, 0) << song.file << ", beat " << b;
    }
    n.chosen.push_back(v.HasChord() ? ChordName(v.Chord(), NoteNotation::English) : "");
    const TTruthLabel* label = LabelAt(labels, static_cast<int32_t>(b) * session.beatLength());
    n.labelled.push_back(label ? SpellChordName(label->Tones, label->Root, label->Bass) : "");
  }
  return n;
}

double Agreement(const Named& n) {
  int beats = 0, hits = 0;
  for (size_t b = 0; b < n.chosen.size(); ++b) {
    if (n.labelled[b].empty()) continue;
    ++beats;
    hits += n.chosen[b] == n.labelled[b];
  }
  return beats ? static_cast<double>(hits) / beats : 0;
}

TEST(ChordModelSongs, ARetrainOnTheExamplesReadsBackAndNamesTheirChords) {
  std::vector<TTrainingBeat> beats;
  for (const ExampleSong& song : kExamples) {
    std::vector<TTrainingBeat> more = LabelledBeats({Example(song.file), "", song.chordTrack, true});
    EXPECT_GT(more.size(), 50u) << song.file;
    beats.insert(beats.end(), more.begin(), more.end());
  }
  TTrainingOptions options;
  options.BatchSize = 64;  // a few hundred beats: enough steps to learn them
  const TChordModel trained = TrainChordModel(beats, options);
  EXPECT_EQ(TrainChordModel(beats, options), trained) << "training is deterministic";

  const TChordModelRead read = ReadChordModel(WriteChordModel(trained));
  ASSERT_TRUE(read.Model) << ChordModelFaultText(read);
  const auto model = std::make_shared<const TChordModel>(*read.Model);
  for (const ExampleSong& song : kExamples) {
    const Named n = SearchWithModel(song, model);
    EXPECT_GT(Agreement(n), 0.9) << song.file;
    for (const std::string& chord : song.chords)
      EXPECT_NE(std::find(n.chosen.begin(), n.chosen.end(), chord), n.chosen.end()) << song.file << ": " << chord;
  }
}

TEST(ChordModelSongs, TheShippedModelHearsTheSeventhOfTheKaraokeExample) {
  const TChordModelRead read = ReadChordModel(ReadText((fs::path(CANTARO_SOURCE_DIR) / "data" / "chord-model.txt").string()));
  ASSERT_TRUE(read.Model) << ChordModelFaultText(read);
  const Named n = SearchWithModel(kExamples[0], std::make_shared<const TChordModel>(*read.Model));
  int e7 = 0, named = 0;
  for (size_t b = 0; b < n.chosen.size(); ++b) {
    if (n.labelled[b] != "E7") continue;
    ++e7;
    named += n.chosen[b] == "E7";
  }
  EXPECT_GT(e7, 10);
  EXPECT_GE(named, e7 * 9 / 10) << named << " of " << e7 << " E7 beats named E7";
}

}  // namespace
