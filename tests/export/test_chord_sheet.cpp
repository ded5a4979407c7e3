// The chord sheet: which chord stands over which syllable and beat, how its lines break in a
// narrow view, which line and chord playback has reached, and the sheet of the example songs
// as they stand after a search and an edit.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "chords/untChords.h"
#include "export/ChordSheet.h"
#include "export/ChordSheetOfSession.h"
#include "export/ChordText.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"

namespace {

const std::string kExamples = std::string(CANTARO_SOURCE_DIR) + "/examples/";

// One beat of a hand-made song: its lyric texts (each at a tick inside the beat) and the chord
// the grid shows.
struct Beat {
  std::vector<std::string> lyrics;
  std::string chord;
};

TChordSheet Sheet(const std::vector<Beat>& beats, int32_t beatLength = 480) {
  TChordTextBuilder builder(TChordTextOptions{.commExport = false});
  std::vector<std::string> cells;
  for (size_t b = 0; b < beats.size(); ++b) {
    builder.BeginBeat();
    for (const std::string& text : beats[b].lyrics)
      builder.CollectText(0xFF, 5, text, static_cast<int32_t>(b) * beatLength + 10, 1);
    builder.EndBeat(beats[b].chord);
    cells.push_back(beats[b].chord);
  }
  return MakeChordSheet(builder.Finish(100, 0, -1, "", "", "-"), {cells, beatLength, "Am"});
}

// A line as "kind: beat chord 'text' | ...".
std::string Describe(const TSheetLine& line) {
  static const char* kinds[] = {"lyrics", "instrumental", "paragraph", "bars"};
  std::ostringstream out;
  out << kinds[static_cast<int>(line.kind)] << ":";
  for (const TSheetPiece& p : line.pieces) out << " " << p.beat << " " << p.chord << " '" << p.text << "' |";
  return out.str();
}

std::vector<std::string> Describe(const TChordSheet& sheet) {
  std::vector<std::string> out;
  for (const TSheetLine& line : sheet.lines) out.push_back(Describe(line));
  return out;
}

TEST(ChordSheet, ChordsStandOverTheSyllablesAndBeatsTheyStartOn) {
  struct Case {
    const char* what;
    std::vector<Beat> beats;
    std::vector<std::string> expected;
  } cases[] = {
      {"a chord where it changes, over the syllables of its beat",
       {{{"/Ma"}, "Am"}, {{"ry "}, "Am"}, {{"had a "}, "Dm"}, {{"lit-"}, "E"}},
       {"lyrics: 0 Am 'Ma' | 1  'ry ' | 2 Dm 'had ' | 2  'a ' | 3 E 'lit-' |"}},
      {"a chord on a beat without a syllable stands beside the chord before it",
       {{{"/lo-"}, "C"}, {{}, "G"}, {{"ve"}, "Am"}},
       {"lyrics: 0 C 'lo-' | 1 G '' | 2 Am 've' |"}},
      {"two words of one beat, the chord with the first; a line break in a beat takes the beat's chord along",
       {{{"/one ", "two "}, "C"}, {{"three", "/four"}, "F"}, {{"five"}, "G"}},
       {"lyrics: 0 C 'one ' | 0  'two ' | 1  'three' |", "lyrics: 1 F 'four' | 2 G 'five' |"}},
      {"the end of a word and the start of the next in one beat",
       {{{"/на ко"}, "Am"}, {{"ро"}, ""}},
       {"lyrics: 0 Am 'на ' | 0  'ко' | 1  'ро' |"}},
      {"an instrumental line between sung lines, and a paragraph break",
       {{{"/la"}, "C"}, {{"/"}, "F"}, {{}, "G"}, {{"\\sing"}, "C"}},
       {"lyrics: 0 C 'la' |", "instrumental: 1 F '' | 2 G '' |", "paragraph:", "lyrics: 3 C 'sing' |"}},
      {"a sung line opens with the chord going on from the line before, sung or played",
       {{{"/one"}, "C"}, {{"/two"}, ""}, {{"/"}, "G"}, {{"/three"}, ""}},
       {"lyrics: 0 C 'one' |", "lyrics: 1 C 'two' |", "instrumental: 2 G '' |", "lyrics: 3 G 'three' |"}},
      {"a song without lyrics: four beats a row, as the grid, with every beat",
       {{{}, "C"}, {{}, "C"}, {{}, ""}, {{}, "G"}, {{}, "G7"}},
       {"bars: 0 C '' | 1 C '' | 2  '' | 3 G '' |", "bars: 4 G7 '' |"}},
  };
  for (const Case& c : cases) {
    const TChordSheet sheet = Sheet(c.beats);
    EXPECT_EQ(Describe(sheet), c.expected) << c.what;
  }
}

// Widths in characters: every character one unit, a chord keeps one unit after it.
TSheetMeasure Characters(double width = 0) {
  auto count = [](std::string_view s) { return static_cast<double>(Utf8Length(std::string(s))); };
  return {count, count, 1, width};
}

// Each row as "x:chord/text ...".
std::vector<std::string> Rows(const TChordSheet& sheet, double width) {
  std::vector<std::string> out;
  for (const TSheetRow& row : LayoutChordSheet(sheet, Characters(width))) {
    std::ostringstream s;
    s << (row.continued ? "+" : "");
    for (const TSheetCell& cell : row.cells) {
      const TSheetPiece& p = sheet.lines[static_cast<size_t>(row.line)].pieces[static_cast<size_t>(cell.piece)];
      s << cell.x << ":" << p.chord << "/" << p.text << " ";
    }
    out.push_back(s.str());
  }
  return out;
}

TEST(ChordSheet, LayoutMakesRoomForChordsAndBreaksWideLinesBeforeAWord) {
  struct Case {
    const char* what;
    std::vector<Beat> beats;
    double width;
    std::vector<std::string> expected;
  } cases[] = {
      {"two chords over one syllable stand side by side, the syllables make room",
       {{{"/lo-"}, "C"}, {{}, "Gsus4"}, {{"ve "}, "Am"}},
       0,
       {"0:C/lo- 3:Gsus4/ 9:Am/ve  "}},
      {"a chord longer than its syllable pushes the next one on",
       {{{"/a"}, "Cmaj7"}, {{"b"}, "D"}},
       0,
       {"0:Cmaj7/a 6:D/b "}},
      {"a line wider than the view goes on from the start of the word that did not fit",
       {{{"/Mary "}, "C"}, {{"had "}, "G"}, {{"a lit-"}, ""}, {{"tle "}, "C"}, {{"lamb"}, "G"}},
       16,
       {"0:C/Mary  5:G/had  9:/a  ", "+0:/lit- 4:C/tle  8:G/lamb "}},
      {"a syllable wider than the view keeps a row of its own",
       {{{"/Supercalifragilistic"}, "C"}, {{"ex"}, "G"}},
       8,
       {"0:C/Supercalifragilistic ", "+0:G/ex "}},
      {"rows of four beats have columns of the widest chord",
       {{{}, "C"}, {{}, "Cmaj7"}, {{}, ""}, {{}, "G"}, {{}, "G"}},
       0,
       {"0:C/ 6:Cmaj7/ 12:/ 18:G/ ", "0:G/ "}},
  };
  for (const Case& c : cases) EXPECT_EQ(Rows(Sheet(c.beats), c.width), c.expected) << c.what;
}

TEST(ChordSheet, PlaybackHighlightsTheLineAndChordItHasReached) {
  // Beats of 480 ticks: a sung line on beat 1, an instrumental line on beats 2-3, a paragraph
  // break, a line on beats 4-5 and one that begins within beat 5 with that beat's chord.
  const TChordSheet sheet =
      Sheet({{{}, ""}, {{"/la "}, "C"}, {{"/"}, "F"}, {{}, "G"}, {{"\\sing "}, "C"}, {{"a", "/song"}, "F"}, {{}, ""}});
  ASSERT_EQ(Describe(sheet), (std::vector<std::string>{"lyrics: 1 C 'la ' |", "instrumental: 2 F '' | 3 G '' |",
                                                         "paragraph:", "lyrics: 4 C 'sing ' | 5  'a' |",
                                                         "lyrics: 5 F 'song' |"}));
  struct Case {
    int32_t tick;
    int line;
    std::optional<TSheetChordRef> chord;
  } cases[] = {
      {0, -1, std::nullopt},           // before the first line and chord
      {479, -1, std::nullopt},
      {480, 0, TSheetChordRef{0, 0}},  // the first line starts on its first beat
      {960, 1, TSheetChordRef{1, 0}},
      {1440, 1, TSheetChordRef{1, 1}},
      {1919, 1, TSheetChordRef{1, 1}},  // the paragraph break is never the highlighted line
      {1920, 3, TSheetChordRef{3, 0}},
      {2400, 3, TSheetChordRef{4, 0}},  // the shared beat belongs to the line ending in it
      {2879, 4, TSheetChordRef{4, 0}},  // until its end, where the next line takes over
      {100000, 4, TSheetChordRef{4, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sheet.LineAt(c.tick), c.line) << c.tick;
    EXPECT_EQ(sheet.ChordAt(c.tick), c.chord) << c.tick;
  }
  EXPECT_EQ(sheet.lines[0].startTick, 480);
  EXPECT_EQ(sheet.lines[0].endTick, 960);
  EXPECT_EQ(sheet.lines[4].endTick, 7 * 480);
  EXPECT_EQ(sheet.NextLine(1), 3);
  EXPECT_EQ(sheet.NextLine(4), -1);
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::string WithoutSpaces(std::string s) {
  std::erase(s, ' ');
  return s;
}

class ChordSheetOfSong : public testing::Test {
 protected:
  // The plain chord search: no question about the key.
  static TSongOptions Plain() {
    TSongOptions options;
    options.keysense = false;
    return options;
  }
  ScriptedPrompter prompter;
  RecordingStatusSink status;
};

// The sheet of each example has the text's chords and syllables line by line, in order.
TEST_F(ChordSheetOfSong, ExamplesCarryTheTextsChordsAndSyllables) {
  for (const char* name : {"korobeiniki.kar", "mary-had-a-little-lamb.mid", "minuet-in-g.mid"}) {
    TSongSession session(prompter, status, Plain());
    ASSERT_TRUE(session.LoadSong(kExamples + name)) << name;
    session.FindChords();
    TExportOptions options;
    TChordTextInput input = ChordTextInputOf(session, options);
    input.dateTime = "-";
    const TChordSheet sheet = ChordSheetOfSession(session, options);
    ASSERT_FALSE(sheet.Empty()) << name;
    options.commExport = false;
    input.commExport = false;
    const TChordText text = BuildChordText(session.MidiFile, input);
    std::vector<std::string> textChords, textLyrics, sheetChords, sheetLyrics;
    for (const TTextLine& line : text.lines) {
      if (line.kind == TTextLineKind::Chords)
        for (const std::string& w : Words(line.text))
          if (textChords.empty() || w != textChords.back()) textChords.push_back(w);
      if (line.kind == TTextLineKind::Lyrics) textLyrics.push_back(WithoutSpaces(line.text));
    }
    bool bars = false;
    for (const TSheetLine& line : sheet.lines) {
      std::string lyrics;
      for (const TSheetPiece& p : line.pieces) {
        // A chord repeated at a line start, or in the next row of bars, is the one sounding.
        if (!p.chord.empty() && (sheetChords.empty() || p.chord != sheetChords.back()))
          sheetChords.push_back(p.chord);
        lyrics += p.text;
      }
      if (line.kind == TSheetLineKind::Lyrics) sheetLyrics.push_back(WithoutSpaces(lyrics));
      bars = bars || line.kind == TSheetLineKind::Bars;
      EXPECT_LE(line.startTick, line.endTick) << name;
    }
    EXPECT_EQ(bars, textLyrics.empty()) << name;
    if (!bars) {
      EXPECT_EQ(sheetChords, textChords) << name;
    }
    EXPECT_EQ(sheetLyrics, textLyrics) << name;
    EXPECT_EQ(sheet.title, text.title1) << name;
  }
}

TEST_F(ChordSheetOfSong, ShowsTheSongAsItStandsAfterAVariantIsChosenAndATransposition) {
  TSongSession session(prompter, status, Plain());
  ASSERT_TRUE(session.LoadSong(kExamples + "mary-had-a-little-lamb.mid"));
  session.FindChords();
  session.FindKey();
  TExportOptions options;
  const TChordSheet before = ChordSheetOfSession(session, options);
  // The first chord of the sheet with another variant, then that variant chosen.
  TSheetChordRef first;
  TSheetPiece piece;
  for (size_t l = 0; l < before.lines.size() && first.line < 0; ++l)
    for (size_t p = 0; p < before.lines[l].pieces.size() && first.line < 0; ++p) {
      const TSheetPiece& candidate = before.lines[l].pieces[p];
      if (candidate.chord.empty()) continue;
      // Every chord its notes could be named as.
      session.RecognizeNotes(session.beats()[static_cast<size_t>(candidate.beat)].notes);
      if (session.Variants().chords.size() < 2) continue;
      first = {static_cast<int>(l), static_cast<int>(p)};
      piece = candidate;
    }
  ASSERT_GE(first.line, 0);
  prompter.Answer(TPromptAnswer::Yes);
  ASSERT_TRUE(session.ChooseVariant(piece.beat, 1));
  const std::string chosen = BeatChordText(session.Model(), piece.beat, NoteNotation::English);
  ASSERT_NE(chosen, piece.chord);
  const TChordSheet after = ChordSheetOfSession(session, options);
  EXPECT_EQ(after.lines[static_cast<size_t>(first.line)].pieces[static_cast<size_t>(first.piece)].chord, chosen);
  EXPECT_EQ(after.key, "C");

  session.Transpose(2);
  const TChordSheet up = ChordSheetOfSession(session, options);
  EXPECT_EQ(up.key, "D");
  EXPECT_EQ(up.lines[static_cast<size_t>(first.line)].pieces[static_cast<size_t>(first.piece)].chord,
            BeatChordText(session.Model(), piece.beat, NoteNotation::English));
}

}  // namespace
