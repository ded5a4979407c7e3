// The one recipe from a song to its analysis, and the key named with its mode.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "export/OutputFormats.h"
#include "export/SongAnalysis.h"
#include "song/KeyWithMode.h"
#include "song/Prompter.h"
#include "tests/TestFiles.h"

namespace {

std::string Example(const char* name) {
  std::ifstream in(std::string(CANTARO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Answers Yes, as the command line does.
class YesPrompter final : public Prompter {
 public:
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons buttons, TPromptIcon) override {
    return buttons == TPromptButtons::Ok ? TPromptAnswer::Ok : TPromptAnswer::Yes;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string&) override {}
  void Error(const std::string&, const std::string&) override {}
  void Message(const std::string&) override {}
};

std::string Export(const char* song, const char* format, const TAnalysisRequest& request) {
  YesPrompter prompter;
  TAnalysisOutcome outcome = AnalyseSongBytes(song, Example(song), request, prompter);
  if (!outcome.analysis) return "(unreadable)";
  return FindOutputFormat(format)->write(*outcome.analysis).bytes;
}

TKeyEvidence Detected(int tonic, bool minor) {
  TKeyEvidence e;
  e.result.best = {tonic, minor, 100};
  return e;
}

}  // namespace

TEST(KeyWithMode, TheGivenModeThenTheDetectorsThenMajor) {
  struct Case {
    const char* what;
    TSongKey key;
    int transposition;
    const char* name;
  } cases[] = {
      {"unknown", TSongKey{}, 0, ""},
      {"given minor", TSongKey{0, std::nullopt, true}, 0, "Am"},
      {"given major", TSongKey{0, Detected(9, true), false}, 0, "C"},
      {"detected minor, same signature", TSongKey{0, Detected(9, true), std::nullopt}, 0, "Am"},
      {"detected minor, transposed up three", TSongKey{0, Detected(9, true), std::nullopt}, 3, "Cm"},
      {"detected minor of another signature", TSongKey{2, Detected(9, true), std::nullopt}, 0, "D"},
      {"no mode known", TSongKey{7, std::nullopt, std::nullopt}, -2, "F"},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyWithModeName(c.key, c.transposition, NoteNotation::English), c.name) << c.what;
  EXPECT_EQ(KeyWithModeName(TSongKey{0, std::nullopt, true}, 0, NoteNotation::Italian), "LAm");
}

TEST(SongAnalysis, TheFormatTableNamesEveryFormatOnce) {
  for (const TOutputFormat& f : OutputFormats()) {
    EXPECT_EQ(FindOutputFormat(f.name), &f);
    EXPECT_EQ(f.extension.front(), '.');
    EXPECT_NE(f.write, nullptr);
  }
  EXPECT_EQ(FindOutputFormat("ChordPro"), FindOutputFormat("chordpro"));
  EXPECT_EQ(FindOutputFormat("pdfx"), nullptr);
  EXPECT_EQ(&DefaultOutputFormat(), FindOutputFormat("text"));
}

// Analyses share nothing: two songs analysed at once, each with its own request, give what
// each gives alone.
TEST(SongAnalysis, TwoSongsAtOnceGiveWhatEachGivesAlone) {
  TAnalysisRequest german;
  german.text.notation = NoteNotation::German;
  german.detectKey = true;
  german.transpose = 2;
  TAnalysisRequest english;
  english.song.keysense = false;
  english.beat = TBeatLength::Half;
  const std::string karaoke = Export("korobeiniki.kar", "chordpro", german);
  const std::string minuet = Export("minuet-in-g.mid", "json", english);
  ASSERT_NE(karaoke, "(unreadable)");
  ASSERT_NE(minuet, "(unreadable)");
  for (int round = 0; round < 3; ++round) {
    std::string a, b;
    std::thread first([&] { a = Export("korobeiniki.kar", "chordpro", german); });
    std::thread second([&] { b = Export("minuet-in-g.mid", "json", english); });
    first.join();
    second.join();
    auto undated = [](std::string s) { return s.substr(0, s.find("{comment: //")); };
    EXPECT_EQ(undated(a), undated(karaoke));
    EXPECT_EQ(b, minuet);
  }
  EXPECT_NE(karaoke.find("{key: Hm}"), std::string::npos) << karaoke;
}
