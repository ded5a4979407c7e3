// The one recipe from a song to its analysis, and the key named with its mode.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <tuple>

#include "export/ChordSheetOfSession.h"
#include "export/OutputFormats.h"
#include "export/SongAnalysis.h"
#include "song/KeyWithMode.h"
#include "song/Prompter.h"
#include "tests/TestFiles.h"
#include "SmfWriter.h"

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

// A song in a flat key (the minuet in G shifted up to Bb major): by key every output names
// its chords and key with flats, Bb and Eb; by sharps, as ever, A# and D#. The key is spelled
// after the transposition.
TEST(SongAnalysis, EveryOutputSpellsItsNamesInTheKeyWhenAsked) {
  const auto has = [](const std::string& text, const char* name) { return text.find(name) != std::string::npos; };
  for (const bool byKey : {true, false}) {
    TAnalysisRequest request;
    request.detectKey = true;
    request.transpose = 3;
    request.text.spellByKey = byKey;
    YesPrompter prompter;
    TAnalysisOutcome outcome = AnalyseSongBytes("minuet-in-g.mid", Example("minuet-in-g.mid"), request, prompter);
    ASSERT_TRUE(outcome.analysis);
    const TSongAnalysis& a = *outcome.analysis;
    EXPECT_EQ(a.KeyName(), byKey ? "Bb" : "A#");
    const TChordSheet sheet = ChordSheetOf(a);
    std::string sheetNames = sheet.key + " ";
    for (const TSheetLine& line : sheet.lines)
      for (const TSheetPiece& piece : line.pieces) sheetNames += piece.chord + " ";
    std::vector<std::pair<std::string, std::string>> outputs = {{"sheet", sheetNames}};
    for (const char* format : {"text", "chordpro", "json", "midi"})
      outputs.emplace_back(format, FindOutputFormat(format)->write(a).Value().bytes);
    for (auto& [format, text] : outputs) {
      SCOPED_TRACE(std::string(format) + (byKey ? " by key" : " in sharps"));
      // The plain text's header names the key both ways when it keeps to sharps, as ever.
      if (!byKey)
        for (size_t at = text.find("A#(Bb)"); at != std::string::npos; at = text.find("A#(Bb)")) text.replace(at, 6, "A#");
      EXPECT_EQ(has(text, "Bb"), byKey);
      EXPECT_EQ(has(text, "Eb"), byKey);
      EXPECT_EQ(has(text, "A#"), !byKey);
      EXPECT_EQ(has(text, "D#"), !byKey);
    }
  }
}

// The file's own key signature decides between the two spellings of a six-accidental key: a
// song in F#/Gb whose file says six flats is written in Gb, one without a signature in F# (the
// usual one); transposed, the signature no longer names the key and the usual one holds.
TEST(SongAnalysis, TheFilesKeySignatureChoosesGbOrFSharp) {
  struct Case {
    const char* signature;  // the key signature event's data, empty: none
    int transpose;
    const char* key;
    const char* chords;
  };
  const Case cases[] = {
      {"\xFA\x00", 0, "Gb", "Gb Db "},  // six flats
      {"", 0, "F#", "F# C# "},
      {"\x06\x00", 0, "F#", "F# C# "},  // six sharps
      {"\xFA\x00", 1, "G", "G D "},
      {"\xFA\x00", -1, "F", "F C "},
      {"\x09\x00", 0, "F#", "F# C# "},  // no such signature: ignored
  };
  for (const Case& c : cases) {
    smf::Track track;
    if (*c.signature) track.Meta(0, 0x59, std::string(c.signature, 2));
    track.On(0, 0, 54).On(0, 0, 58).On(0, 0, 61).Off(960, 0, 54).Off(0, 0, 58).Off(0, 0, 61);
    track.On(0, 0, 49).On(0, 0, 53).On(0, 0, 56).Off(960, 0, 49).Off(0, 0, 53).Off(0, 0, 56);
    TAnalysisRequest request;
    request.key = 6;
    request.transpose = c.transpose;
    request.song.keysense = false;
    request.text.spellByKey = true;
    YesPrompter prompter;
    TAnalysisOutcome outcome = AnalyseSongBytes("gb.mid", smf::File({track}, 480, 0), request, prompter);
    ASSERT_TRUE(outcome.analysis);
    SCOPED_TRACE(std::to_string(c.transpose) + " " + c.key);
    EXPECT_EQ(outcome.analysis->KeyName(), c.key);
    std::string chords;
    for (const TSheetDiagram& d : ChordSheetOf(*outcome.analysis).diagrams) chords += d.name + " ";
    EXPECT_EQ(chords, "");  // no diagrams asked for
    outcome.analysis->request.text.diagrams = TDiagramInstrument::Piano;
    for (const TSheetDiagram& d : ChordSheetOf(*outcome.analysis).diagrams) chords += d.name + " ";
    EXPECT_EQ(chords, c.chords);
  }
}

// Every chord the examples are analysed to has a guitar shape from the shipped file or a
// movable barre: the strip shows no example's chord as bare tones.
TEST(SongAnalysis, EveryChordOfTheExamplesHasAGuitarShape) {
  std::ifstream in(std::string(CANTARO_SOURCE_DIR) + "/data/chord-shapes.txt", std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const TGuitarShapesRead shapes = ReadGuitarShapes(file);
  ASSERT_TRUE(shapes.problems.empty());
  for (const char* song : {"korobeiniki.kar", "mary-had-a-little-lamb.mid", "minuet-in-g.mid"}) {
    for (const int transpose : {0, 1, 6}) {
      TAnalysisRequest request;
      request.detectKey = true;
      request.transpose = transpose;
      request.text.diagrams = TDiagramInstrument::Guitar;
      request.text.shapes = std::make_shared<const TGuitarShapes>(shapes.shapes);
      YesPrompter prompter;
      TAnalysisOutcome outcome = AnalyseSongBytes(song, Example(song), request, prompter);
      ASSERT_TRUE(outcome.analysis) << song;
      const TChordSheet sheet = ChordSheetOf(*outcome.analysis);
      EXPECT_GE(sheet.diagrams.size(), 2u) << song;
      for (const TSheetDiagram& d : sheet.diagrams) EXPECT_TRUE(d.shape) << song << " +" << transpose << ": " << d.name;
    }
  }
}
