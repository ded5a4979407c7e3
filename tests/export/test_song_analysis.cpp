// The one recipe from a song to its analysis, and the key named with its mode.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <tuple>

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
  return FindOutputFormat(format)->write(*outcome.analysis).Value().bytes;
}

}  // namespace

// Keys as the program holds them (a major tonic), with the mode given by hand and the
// detector's best key (its tonic and mode; -1: not detected).
TEST(KeyWithMode, TheGivenModeThenTheDetectorsThenMajor) {
  const std::tuple<int, std::optional<bool>, int, bool, int, const char*> cases[] = {
      // key, given mode, detected tonic, detected minor, transposition, name
      {-1, std::nullopt, -1, false, 0, ""},
      {0, true, -1, false, 0, "Am"},
      {0, false, 9, true, 0, "C"},
      {0, std::nullopt, 9, true, 0, "Am"},
      {0, std::nullopt, 9, true, 3, "Cm"},
      {2, std::nullopt, 9, true, 0, "D"},  // the detector's key has another signature
      {7, std::nullopt, -1, false, -2, "F"},
  };
  for (const auto& [entry, given, tonic, minor, transposition, name] : cases) {
    TSongKey key;
    key.key = entry;
    key.minor = given;
    if (tonic >= 0) key.evidence = TKeyEvidence{{}, TKeyResult{{tonic, minor, 100}, {}}};
    EXPECT_EQ(KeyWithModeName(key, transposition, NoteNotation::English), name) << entry << " " << tonic;
  }
  TSongKey aMinor;
  aMinor.key = 0;
  aMinor.minor = true;
  EXPECT_EQ(KeyWithModeName(aMinor, 0, NoteNotation::Italian), "LAm");
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
    auto undated = [](std::string s) { return s.substr(0, s.find("# Created")); };
    EXPECT_EQ(undated(a), undated(karaoke));
    EXPECT_EQ(b, minuet);
  }
  EXPECT_NE(karaoke.find("{key: Hm}"), std::string::npos) << karaoke;
}
