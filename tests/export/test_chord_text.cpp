// The chord text of a song replayed through the engine, and its ChordPro and grid forms.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <stdexcept>

#include "SmfWriter.h"
#include "chords/untChords.h"
#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "midi/MidiFile.h"

namespace {

// Four beats of 480 ticks: "Mary had a lit-" as lyric events, one per beat, tempo 100.
std::string MarySong() {
  smf::Track conductor;
  conductor.Meta(0, 3, "Mary").Meta(0, 0x51, std::string("\x09\x27\xC0", 3)).Meta(0, 2, "public domain");
  smf::Track lyrics;
  lyrics.Meta(10, 5, "/Ma").Meta(480, 5, "ry ").Meta(480, 5, "had a ").Meta(480, 5, "lit-");
  return smf::File({conductor, lyrics});
}

TChordTextInput MaryInput() {
  TChordTextInput input;
  input.cells = {"Am", "Am", "Dm", "E"};
  input.beatLength = 480;
  input.dateTime = "07.12.2026 10:00:00";
  return input;
}

TEST(BuildChordText, ReplaysTheSongAndPlacesTheChords) {
  TMidiFile engine;
  engine.LoadFromBytes(MarySong());
  const TChordText text = BuildChordText(engine, MaryInput());
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{" ", " Mary", "TEMPO=100 ", "//Mary", "//public domain",
                                                    "Am   Dm    E", "Mary had a lit-", "",
                                                    "//Created with Cantaro by Tabulist Software",
                                                    "//07.12.2026 10:00:00"}));
  EXPECT_EQ(engine.PositionTicks(), 0);
}

// A syllable sung on a beat's first tick stands under that beat's chord; one a tick earlier
// under the beat before.
TEST(BuildChordText, ASyllableOnABeatsFirstTickTakesThatBeatsChord) {
  struct Case {
    int32_t firstSyllable;
    const char* chords;
  } cases[] = {{480, "[G]one [Am]two"}, {479, "[C]one [G]  [Am]two"}};
  for (const Case& c : cases) {
    smf::Track conductor;
    conductor.Meta(0, 3, "Beats");
    smf::Track lyrics;
    lyrics.Meta(c.firstSyllable, 5, "/one ").Meta(960 - c.firstSyllable, 5, "two");
    TMidiFile engine;
    engine.LoadFromBytes(smf::File({conductor, lyrics}));
    TChordTextInput input = MaryInput();
    input.cells = {"C", "G", "Am", "F"};
    const std::string pro = ChordProString(BuildChordText(engine, input));
    EXPECT_NE(pro.find(c.chords), std::string::npos) << c.firstSyllable << "\n" << pro;
  }
}

TEST(BuildChordText, HeaderCarriesTranspositionAndBothKeys) {
  TMidiFile engine;
  engine.LoadFromBytes(MarySong());
  TChordTextInput input = MaryInput();
  input.transposition = 2;
  input.key = 10;  // A#(Bb) up two semitones is C
  EXPECT_EQ(BuildChordText(engine, input).Lines()[2], "TEMPO=100 TRANSPOS=-2 A#(Bb)-->C");
  input.transposition = -11;
  input.key = 0;
  EXPECT_EQ(BuildChordText(engine, input).Lines()[2], "TEMPO=100 TRANSPOS=11 C-->C#(Db)");
}

// The text is built from the song alone: the player's handlers hear nothing, its position and
// its mute state stay, and a muted track's lyrics still reach the text.
TEST(BuildChordText, ReadsTheSongAndLeavesThePlayerAlone) {
  TMidiFile engine;
  engine.LoadFromBytes(MarySong());
  int events = 0, updates = 0;
  engine.SetOnMidiEvent([&](PMidiEventEx, int32_t) { ++events; });
  engine.SetOnUpdateEvent([&](TMidiFile&) { ++updates; });
  engine.Seek(960, false);
  const TChordText plain = BuildChordText(engine, MaryInput());
  EXPECT_EQ(events, 0);
  EXPECT_EQ(updates, 0);
  EXPECT_EQ(engine.PositionTicks(), 960);
  for (int32_t t = 0; t < engine.NumberOfTracks(); ++t) engine.TrackAt(t).SetMuted(true);
  EXPECT_EQ(BuildChordText(engine, MaryInput()).Lines(), plain.Lines());
}

TEST(BuildChordText, KaraokeFileWithLegacyLyrics) {
  smf::Track t0, t1, t2;
  t0.Meta(0, 3, "Song");
  t2.Meta(0, 1, "@T\xC2\xE5\xF7\xE5\xF0").Meta(0, 1, "@T\xCF\xE5\xE2\xE5\xF6");  // @TВечер, @TПевец
  t2.Meta(100, 1, "/\xC2\xE5\xF7\xE5\xF0").Meta(480, 1, "\xED\xE8\xE9");  // Вечер ний
  const std::string bytes = smf::File({t0, t1, t2});
  TMidiFile engine;
  engine.LoadFromBytes(bytes);
  TChordTextInput input;
  input.cells = {"Am", "Dm"};
  input.beatLength = 480;
  input.karaoke = true;
  input.commExport = false;
  input.dateTime = "now";
  const TChordText text = BuildChordText(engine, input);
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{" Певец", " Вечер", "TEMPO=120 ", "Am   Dm", "Вечерний", "",
                                                    "//Created with Cantaro by Tabulist Software", "//now"}));
}

TEST(BuildChordText, NoBeatsStillGivesTheFrame) {
  TMidiFile engine;
  engine.LoadFromBytes(MarySong());
  TChordTextInput input;
  input.dateTime = "d t";
  EXPECT_EQ(BuildChordText(engine, input).Lines().size(), 6u);
}

// A small ChordPro reader: directives, and lyric lines split into (chord, syllable) pairs.
struct ParsedChordPro {
  std::map<std::string, std::string> directives;
  std::vector<std::string> comments;
  std::vector<std::vector<std::pair<std::string, std::string>>> lines;
};

ParsedChordPro ParseChordPro(const std::string& text) {
  ParsedChordPro parsed;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("# ", 0) == 0) {
      parsed.comments.push_back(line.substr(2));
      continue;
    }
    if (line.rfind("{", 0) == 0) {
      const size_t colon = line.find(':');
      const size_t close = line.find('}');
      if (colon == std::string::npos || close == std::string::npos || close < colon)
        throw std::runtime_error("bad directive: " + line);
      const std::string name = line.substr(1, colon - 1);
      const std::string value = line.substr(colon + 2, close - colon - 2);
      if (name == "comment") parsed.comments.push_back(value);
      else parsed.directives[name] = value;
      continue;
    }
    std::vector<std::pair<std::string, std::string>> pieces{{"", ""}};
    for (size_t i = 0; i < line.size();) {
      if (line[i] == '[') {
        const size_t close = line.find(']', i);
        if (close == std::string::npos) throw std::runtime_error("open marker: " + line);
        pieces.push_back({line.substr(i + 1, close - i - 1), ""});
        i = close + 1;
      } else {
        pieces.back().second += line[i++];
      }
    }
    if (pieces.front().second.empty()) pieces.erase(pieces.begin());
    parsed.lines.push_back(pieces);
  }
  return parsed;
}

TEST(ChordPro, ParsesBackToTheSameChordsOverTheSameSyllables) {
  TMidiFile engine;
  engine.LoadFromBytes(MarySong());
  TChordTextInput input = MaryInput();
  input.key = 9;
  input.transposition = 3;
  input.keyWithMode = "C";
  const TChordText text = BuildChordText(engine, input);
  const ParsedChordPro parsed = ParseChordPro(ChordProString(text));
  EXPECT_EQ(parsed.directives.at("title"), "Mary");
  EXPECT_EQ(parsed.directives.count("subtitle"), 0u);
  EXPECT_EQ(parsed.directives.at("key"), "C");
  EXPECT_EQ(parsed.directives.at("tempo"), "100");
  EXPECT_EQ(parsed.directives.at("copyright"), "public domain");
  EXPECT_EQ(parsed.comments,
            (std::vector<std::string>{"Created with Cantaro by Tabulist Software", "07.12.2026 10:00:00"}));
  ASSERT_GE(parsed.lines.size(), 1u);
  EXPECT_EQ(parsed.lines[0], (std::vector<std::pair<std::string, std::string>>{
                                 {"Am", "Mary "}, {"Dm", "had a "}, {"E", "lit-"}}));
}

TEST(ChordPro, InstrumentalLineBecomesALineOfMarkers) {
  TChordTextBuilder builder({});
  for (const char* chord : {"C", "G", "Am"}) {
    builder.BeginBeat();
    builder.EndBeat(chord);
  }
  builder.BeginBeat();
  builder.CollectText(0xFF, 5, "/Привет", 2000, 1);
  builder.EndBeat("F");
  const TChordText text = builder.Finish(120, 0, -1, "", "", "x");
  const std::string pro = ChordProString(text);
  EXPECT_NE(pro.find("[C] [G] [Am]\n[F]Привет\n"), std::string::npos) << pro;
  EXPECT_EQ(pro.find("{key:"), std::string::npos);
}

// The file's texts: the title and the credits become directives, the rest "#" lines (none
// without comments); the tempo is the opening one, not the last change.
TEST(ChordPro, CreditsTempoAndTimeFromTheFile) {
  smf::Track conductor;
  conductor.Meta(0, 3, "Minuet")
      .Meta(0, 0x58, std::string("\x03\x02\x18\x08", 4))
      .Meta(0, 0x51, std::string("\x07\x44\x1E", 3))  // 126 bpm
      .Meta(0, 1, "Words: A. Poet; music: traditional")
      .Meta(0, 1, "Performer: The Band")
      .Meta(0, 1, "Harpsichord")
      .Meta(1400, 0x51, std::string("\x0B\x71\xB0", 3));  // 80 bpm
  smf::Track melody;
  melody.Meta(10, 5, "/La ").Meta(480, 5, "la");
  const std::string bytes = smf::File({conductor, melody});
  TMidiFile engine;
  engine.LoadFromBytes(bytes);
  TChordTextInput input = MaryInput();
  for (const bool comments : {true, false}) {
    input.commExport = comments;
    const std::string pro = ChordProString(BuildChordText(engine, input));
    const ParsedChordPro parsed = ParseChordPro(pro);
    EXPECT_EQ(parsed.directives, (std::map<std::string, std::string>{{"title", "Minuet"},
                                                                     {"lyricist", "A. Poet"},
                                                                     {"composer", "traditional"},
                                                                     {"artist", "The Band"},
                                                                     {"tempo", "126"},
                                                                     {"time", "3/4"}}))
        << pro;
    std::vector<std::string> comments_seen = parsed.comments;
    comments_seen.resize(comments_seen.size() - 2);  // the signature
    EXPECT_EQ(comments_seen, comments ? std::vector<std::string>{"Harpsichord"} : std::vector<std::string>{})
        << pro;
  }
  // Not transposed, the plain text's header keeps the tempo in force at the end.
  EXPECT_EQ(BuildChordText(engine, input).Lines()[2], "TEMPO=80 ");
}

TEST(ChordPro, EverySungLineOpensWithItsChord) {
  struct Row {
    std::vector<std::pair<const char*, const char*>> beats;  // chord, lyric
    std::string expected;
  };
  const Row rows[] = {
      {{{"C", "/one "}, {"C", "/two "}, {"G", "three"}}, "[C]one\n[C]two [G]three\n"},
      {{{"C", "/one "}, {"", "/two "}, {"G", "/three"}}, "[C]one\n[C]two\n[G]three\n"},
      {{{"Am", "/one "}, {"Am", "two "}, {"Am", "/three"}}, "[Am]one two\n[Am]three\n"},
      {{{"", "/no "}, {"", "chord"}}, "no chord\n"},
  };
  for (const Row& row : rows) {
    TChordTextBuilder builder({});
    int32_t time = 100;
    for (const auto& [chord, lyric] : row.beats) {
      builder.BeginBeat();
      builder.CollectText(0xFF, 5, lyric, time, 1);
      builder.EndBeat(chord);
      time += 480;
    }
    const std::string pro = ChordProString(builder.Finish(120, 0, -1, "", "", "x"));
    EXPECT_NE(pro.find("}\n" + row.expected + "\n# Created"), std::string::npos) << pro;
  }
}

TEST(ChordPro, CreditsOfLabelledTexts) {
  using R = TCreditRole;
  const std::pair<const char*, std::vector<TCredit>> rows[] = {
      {"Words: A; music: B", {{R::Lyricist, "A"}, {R::Composer, "B"}}},
      {"Слова: Н. А. Некрасов, 1861", {{R::Lyricist, "Н. А. Некрасов, 1861"}}},
      {"Музыка: народная", {{R::Composer, "народная"}}},
      {"Words and music: C", {{R::Composer, "C"}, {R::Lyricist, "C"}}},
      {"ARTIST:  D ", {{R::Artist, "D"}}},
      {"Christian Petzold, Minuet in G", {}},
      {"Time: 3:15; Words:", {}},
      {"", {}},
  };
  for (const auto& [text, credits] : rows) EXPECT_EQ(CreditsOfText(text), credits) << text;
}

TEST(ChordPro, AChordLineOverNoLyricsStaysALineOfMarkersEvenWhenLyricsFollow) {
  // An instrumental passage, then a lyric line that brings no chord of its own (it goes on
  // with the last one), then a lyric line with its chords.
  TChordText text;
  text.lines = {{TTextLineKind::Chords, "C   G   Am", false},
                {TTextLineKind::Lyrics, "Привет, мир", false},
                {TTextLineKind::Chords, "F     C", true},
                {TTextLineKind::Lyrics, "Пока, мир", false}};
  EXPECT_EQ(ChordProString(text), "{tempo: 120}\n[C] [G] [Am]\n[Am]Привет, мир\n[F]Пока, [C]мир\n");
}

TEST(ChordPro, MarkersLandAtCharacterColumnsOfCyrillicLyrics) {
  EXPECT_EQ(MergeChordsIntoLyrics("Am   Dm  E", "Вечерний звон"), "[Am]Вечер[Dm]ний [E]звон");
  EXPECT_EQ(MergeChordsIntoLyrics("C       G", "ab"), "[C]ab[G]");
  EXPECT_EQ(MergeChordsIntoLyrics("", "only words  "), "only words");
}

TEST(BeatGrid, RowsOfFourTabSeparatedCells) {
  EXPECT_EQ(BeatGridString({}), "");
  EXPECT_EQ(BeatGridString({"C", "", "G", "?", "Am"}), "0\tC\t\tG\t?\n1\tAm\t\t\t\n");
}

}  // namespace
