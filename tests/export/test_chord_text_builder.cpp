// The lyrics-with-chords builder on hand-made event streams.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/ChordTextBuilder.h"

namespace {

struct Ev {
  uint8_t type;
  std::string text;
  int32_t time;
  int32_t track = 1;
};

// One beat: its events, then the chord the grid shows.
struct Beat {
  std::vector<Ev> events;
  std::string chord;
};

TChordText Build(const std::vector<Beat>& beats, TChordTextOptions options = {}, int32_t tempo = 120,
                 int32_t transposition = 0, int32_t key = -1, std::string from = "", std::string to = "") {
  TChordTextBuilder builder(options);
  for (const Beat& beat : beats) {
    builder.BeginBeat();
    for (const Ev& e : beat.events) builder.CollectText(0xFF, e.type, e.text, e.time, e.track);
    builder.EndBeat(beat.chord);
  }
  return builder.Finish(tempo, transposition, key, from, to, "07.12.2026 10:11:12");
}

std::vector<std::string> Body(const TChordText& text) {
  std::vector<std::string> lines = text.Lines();
  // Drop the two title lines and the header in front and the three signature lines.
  return std::vector<std::string>(lines.begin() + 3, lines.end() - 3);
}

TEST(ChordTextBuilder, ChordsStandAboveTheSyllablesWhereTheyChange) {
  const TChordText text = Build({{{{5, "/Ma", 100}}, "Am"},
                                 {{{5, "ry ", 200}}, "Am"},
                                 {{{5, "had a ", 300}}, "Dm"},
                                 {{{5, "lit-", 400}}, "E"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"Am   Dm    E", "Mary had a lit-"}));
  EXPECT_EQ(text.lines[3].kind, TTextLineKind::Chords);
  EXPECT_TRUE(text.lines[3].overLyrics);
}

TEST(ChordTextBuilder, WholeTextHasTitlesHeaderAndSignatureInOrder) {
  const TChordText text =
      Build({{{{3, "Song", 0, 0}, {3, "Singer", 0, 0}, {5, "la", 10}}, "C"}}, {}, 96, 2, 0, "C", "D");
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{
                              " Singer", " Song", "TEMPO=96 TRANSPOS=-2 C-->D", "//Song", "//Singer", "C", "la", "",
                              "//Created with Cantaro by Tabulist Software", "//07.12.2026 10:11:12"}));
}

TEST(ChordTextBuilder, HeaderLineParts) {
  struct Case {
    int32_t tempo, transposition;
    const char *from, *to, *expected;
  } cases[] = {
      {120, 0, "", "", "TEMPO=120 "},
      {120, 0, "A", "A", "TEMPO=120 A-->A"},
      {90, -3, "", "", "TEMPO=90 TRANSPOS=3 "},
      {90, 11, "C#(Db)", "C", "TEMPO=90 TRANSPOS=-11 C#(Db)-->C"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TChordTextBuilder::HeaderLine(c.tempo, c.transposition, c.from, c.to), c.expected) << c.expected;
}

TEST(ChordTextBuilder, AtTTextsGiveTheTitlesSingerFirst) {
  const TChordText text = Build({{{{1, "@TEvening bells", 0, 2}, {1, "@tA singer", 0, 2}, {1, "@TThird", 0, 2}}, ""}},
                                {.karaoke = true});
  EXPECT_EQ(text.lines[0].text, " A singer");
  EXPECT_EQ(text.lines[1].text, " Evening bells");
  EXPECT_EQ(Body(text), (std::vector<std::string>{"//Evening bells", "//A singer", "//Third"}));
}

TEST(ChordTextBuilder, KaraokeTakesTextEventsOfTrackTwoAndIgnoresLyricEvents) {
  const TChordText text = Build({{{{1, "/Hel", 10, 2}, {5, "ignored", 10, 1}, {1, "not lyric", 10, 3}}, "G"},
                                 {{{1, "lo", 20, 2}}, "G"}},
                                {.karaoke = true});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"G", "Hello"}));
}

TEST(ChordTextBuilder, PlainSongTakesLyricEventsOfAnyTrackAndTextOnlyAtTickZero) {
  const TChordText text =
      Build({{{{1, "intro note", 0, 1}, {1, "later note", 50, 1}, {5, "Hel", 60, 4}}, "F"}, {{{5, "lo", 70, 1}}, ""}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"//intro note", "F", "Hello"}));
}

TEST(ChordTextBuilder, LyricAtTickZeroIsAComment) {
  const TChordText text = Build({{{{5, "Words by", 0}, {5, "sing", 5}}, "C"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"//Words by", "C", "sing"}));
}

TEST(ChordTextBuilder, WithoutCommentsNoBodyLineStartsWithSlashes) {
  const TChordText text = Build({{{{2, "(c) someone", 0}, {3, "Name", 0, 0}, {5, "@Tnot a title", 5}, {5, "go", 6}}, "C"}},
                                {.commExport = false});
  for (const std::string& line : Body(text)) EXPECT_NE(line.rfind("//", 0), 0u) << line;
  // The first "@T" text wins over the track name.
  EXPECT_EQ(text.title1, "not a title");
  EXPECT_EQ(text.title2, "");
}

TEST(ChordTextBuilder, NewParagraphGivesAnEmptyLine) {
  const TChordText text = Build({{{{5, "one", 5}}, "C"}, {{{5, "\\two", 9}}, "D"}, {{{5, "/", 12}, {5, "three", 13}}, "E"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"C", "one", "", "D", "two", "E", "three"}));
}

TEST(ChordTextBuilder, DenseChordsPadTheLyricLine) {
  const TChordText text = Build({{{{5, "/Ve", 5}}, "Am"}, {{{5, "cher", 9}}, "Dm"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"Am Dm", "Ve cher"}));
}

// Every chord of a line without lyrics keeps five columns, not only the first two, and no
// line of bare spaces is left under it.
TEST(ChordTextBuilder, InstrumentalPassageSpacesChordsFiveColumnsApart) {
  const TChordText text = Build({{{}, "C"}, {{}, "G"}, {{}, "?"}, {{}, "Am"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"C    G    ?    Am"}));
  EXPECT_FALSE(text.lines[3].overLyrics);
}

// The same holds for an instrumental line that follows a sung one: what the sung line left
// behind must not make the next line count as a lyric line.
TEST(ChordTextBuilder, AnInstrumentalLineAfterASungLineKeepsFiveColumnsAndNoBlankLyricLine) {
  const TChordText text =
      Build({{{{5, "/one ", 5}}, "C"}, {{{5, "two", 9}}, "D"}, {{{5, "/", 13}}, "G"}, {{}, "Am"}, {{}, "E"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"C   D", "one two", "G    Am   E"}));
  EXPECT_FALSE(text.lines[5].overLyrics);
  // And a sung line after the instrumental one is spaced by its syllables again.
  const TChordText back = Build({{{}, "G"}, {{}, "Am"}, {{{5, "/la", 13}}, "C"}, {{{5, "la", 17}}, "D"}});
  EXPECT_EQ(Body(back), (std::vector<std::string>{"G    Am", "C D", "lala"}));
}

TEST(ChordTextBuilder, ALongInstrumentalLineKeepsItsSpacingToTheEnd) {
  std::vector<Beat> beats;
  std::string expected;
  for (int b = 0; b < 300; ++b) {
    beats.push_back({{}, b % 2 ? "G" : "C"});
    expected += b % 2 ? "G    " : "C    ";
  }
  expected.resize(expected.size() - 4);
  EXPECT_EQ(Body(Build(beats)), (std::vector<std::string>{expected}));
}

TEST(ChordTextBuilder, DenseChordsKeepOneSpaceAfterEachName) {
  const TChordText text = Build({{{{5, "/a", 5}}, "Cmaj"}, {{{5, "b", 9}}, "Dm"}, {{{5, "c", 13}}, "E7"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"Cmaj Dm E7", "a    b  c"}));
}

TEST(ChordTextBuilder, EqualChordsSeparatedByEmptyBeatsAreWrittenOnce) {
  const TChordText text = Build({{{{5, "/x", 5}}, "C"}, {{{5, "y", 9}}, ""}, {{{5, "/z", 13}}, "C"}, {{{5, "w", 17}}, "D"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"C", "xy", " D", "zw"}));
}

TEST(ChordTextBuilder, SyllablesBeforeABreakEndThePreviousLineWithoutTheNewChord) {
  const TChordText text = Build({{{{5, "/first", 5}}, "C"}, {{{5, " end", 9}, {5, "/next", 10}}, "G"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"C", "first end", "G", "next"}));
}

TEST(ChordTextBuilder, CyrillicSyllablesCountColumnsInCharacters) {
  // "Вечер", "ний ", "звон" in Windows-1251 bytes: ten bytes would push Dm to column 11.
  const TChordText text = Build({{{{5, "/\xC2\xE5\xF7\xE5\xF0", 5}}, "Am"},
                                 {{{5, "\xED\xE8\xE9 ", 9}}, "Dm"},
                                 {{{5, "\xE7\xE2\xEE\xED", 13}}, "E"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"Am   Dm  E", "Вечерний звон"}));
}

TEST(ChordTextBuilder, Utf8LyricsStayAsTheyAre) {
  const TChordText text = Build({{{{5, "/Вечер", 5}}, "Am"}, {{{5, "ний", 9}}, "Dm"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"Am   Dm", "Вечерний"}));
}

TEST(ChordTextBuilder, AFileWithLegacyTextsDecodesEvenTextsThatLookLikeUtf8) {
  // D0 B0 is valid UTF-8 ("а") but in Windows-1251 it reads "Р°".
  const TChordText text = Build({{{{5, "/\xD0\xB0", 5}}, "C"}}, {.textsAreUtf8 = false});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"C", "Р°"}));
}

TEST(ChordTextBuilder, NulCharactersBecomeSpaces) {
  const TChordText text = Build({{{{2, std::string("a\0b", 3), 0}, {5, std::string("x\0y", 3), 5}}, "C"}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"//a b", "C", "x y"}));
}

TEST(ChordTextBuilder, IgnoresNonMetaEventsEmptyTextsAndOtherTypes) {
  TChordTextBuilder builder({});
  builder.BeginBeat();
  builder.CollectText(0x90, 5, "note", 5, 1);
  builder.CollectText(0xFF, 5, "", 5, 1);
  builder.CollectText(0xFF, 6, "marker", 5, 1);
  builder.CollectText(0xFF, 0x7F, "seq", 5, 1);
  builder.EndBeat("");
  EXPECT_TRUE(builder.Body().empty());
  EXPECT_TRUE(builder.LyricLine().empty());
}

TEST(ChordTextBuilder, LoneAtSignGivesAnEmptyComment) {
  const TChordText text = Build({{{{5, "@", 5}}, ""}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"//"}));
}

TEST(ChordTextBuilder, AtFollowedByACyrillicLetterDropsWholeCharacters) {
  const TChordText text = Build({{{{5, "@Яblah", 5}}, ""}});
  EXPECT_EQ(Body(text), (std::vector<std::string>{"//blah"}));
}

TEST(ChordTextBuilder, NoBeatsGivesTitlesHeaderAndSignatureOnly) {
  const TChordText text = Build({});
  EXPECT_EQ(text.Lines().size(), 6u);
  EXPECT_EQ(text.Lines()[2], "TEMPO=120 ");
}

}  // namespace
