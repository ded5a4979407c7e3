// The songs bundled in examples/ read by the engine: what their ABC sources and their layouts
// promise (tracks, names, tempo map, time signature, lyrics) is what the reader finds.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiFile.h"

namespace {

const std::string kExamples = std::string(CANTARO_SOURCE_DIR) + "/examples/";

// Windows-1251 bytes of a UTF-8 text made of ASCII and Russian letters: how Russian karaoke
// files store their words.
std::string Cp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    const auto next = static_cast<unsigned char>(utf8[i + 1]);
    const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
    i += 2;
    if (code == 0x401) {
      out += '\xA8';  // Ё
    } else if (code == 0x451) {
      out += '\xB8';  // ё
    } else {
      out += static_cast<char>(0xC0 + (code - 0x410));  // А..я
    }
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                               : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

bool IsMeta(const TMidiEventEx& e, uint8_t type) { return e.Status == 0xFF && e.Data1 == type; }
bool IsNoteOn(const TMidiEventEx& e) { return (e.Status & 0xF0) == 0x90 && e.Data2 > 0; }
bool IsNoteOff(const TMidiEventEx& e) {
  return (e.Status & 0xF0) == 0x80 || ((e.Status & 0xF0) == 0x90 && e.Data2 == 0);
}
bool IsChannel(const TMidiEventEx& e) { return e.Status >= 0x80 && e.Status < 0xF0; }

std::vector<std::string> MetaTexts(const TMidiTrack& track, uint8_t type) {
  std::vector<std::string> texts;
  for (const TMidiEventEx& e : track.Events()) {
    if (IsMeta(e, type)) texts.emplace_back(e.Text());
  }
  return texts;
}

std::set<int32_t> NoteOnTicks(const TMidiTrack& track) {
  std::set<int32_t> ticks;
  for (const TMidiEventEx& e : track.Events()) {
    if (IsNoteOn(e)) ticks.insert(e.Time);
  }
  return ticks;
}

// The karaoke rule: the third track carries more meta events than other events.
bool ThirdTrackIsKaraoke(TMidiFile& file) {
  if (file.NumberOfTracks() < 3) return false;
  int count = 0;
  for (const TMidiEventEx& e : file.TrackAt(2).Events()) count += e.Status == 0xFF ? 1 : -1;
  return count > 0;
}

// The syllables of a track (text or lyric events after tick 0) as one string per line:
// "\" and "/" at the start of a syllable open a new line.
std::vector<std::string> LyricLines(const TMidiTrack& track, uint8_t type) {
  std::vector<std::string> lines;
  for (const TMidiEventEx& e : track.Events()) {
    if (!IsMeta(e, type) || e.Time == 0) continue;
    const std::string_view text = e.Text();
    if (lines.empty() || text.starts_with('/') || text.starts_with('\\')) lines.emplace_back();
    lines.back() += text;
  }
  return lines;
}

struct ExampleShape {
  const char* file;
  std::vector<std::string> names;        // track names, track 0 first
  std::vector<std::string> instruments;  // instrument names, track 0 first
  std::vector<int> channels;             // the one channel of each track, -1 for none
  uint8_t numerator;
  uint8_t denominatorPower;
  int32_t beatTicks;
  int32_t songLength;  // bars x ticks per bar
  std::vector<TempoEntry> tempoMap;
};

const std::vector<ExampleShape>& Shapes() {
  static const std::vector<ExampleShape> shapes = {
      {"korobeiniki.kar",
       {Cp1251("Коробейники"), "Soft Karaoke", "Words", "Melody", "Chords", "Bass"},
       {"", "", "", "Accordion", "Acoustic Guitar", "Acoustic Bass"},
       {-1, -1, -1, 0, 2, 1},
       4, 2, 480, 31 * 1920,
       {{500000, 0, 0}}},
      {"mary-had-a-little-lamb.mid",
       {"Mary Had a Little Lamb", "Melody", "Chords", "Bass"},
       {"", "Flute", "Acoustic Guitar", "Acoustic Bass"},
       {-1, 0, 2, 1},
       4, 2, 480, 21 * 1920,
       {{535714, 0, 0}}},
      // 126 bpm, then a ritardando over the last three bars: 112, 96 and 80 bpm. The
      // milliseconds follow from whole milliseconds per quarter (476, 535, 625).
      {"minuet-in-g.mid",
       {"Minuet in G", "Melody", "Chords", "Bass", "Drums"},
       {"", "Harpsichord", "String Ensemble", "Acoustic Bass", "Standard Kit"},
       {-1, 0, 2, 1, 9},
       3, 2, 720, 32 * 1440,
       {{476190, 0, 0}, {535714, 41760, 41412}, {625000, 43200, 43017}, {750000, 44640, 44892}}},
  };
  return shapes;
}

class ExampleSongs : public ::testing::Test {
 protected:
  TMidiFile& Load(const std::string& name) {
    file_.SetFilename(kExamples + name);
    file_.LoadFile();
    return file_;
  }
  TMidiFile file_;
};

TEST_F(ExampleSongs, EachFileHasTheTracksNamesAndTimingOfItsSource) {
  for (const ExampleShape& shape : Shapes()) {
    SCOPED_TRACE(shape.file);
    TMidiFile& file = Load(shape.file);
    ASSERT_EQ(file.NumberOfTracks(), static_cast<int32_t>(shape.names.size()));
    EXPECT_EQ(file.HeaderTracks(), file.NumberOfTracks());
    EXPECT_EQ(file.FileFormat(), TFileFormat::multi_synch);
    EXPECT_EQ(file.TicksPerQuarter(), 480);
    EXPECT_EQ(file.TimeSigNumerator(), shape.numerator);
    EXPECT_EQ(file.TimeSigDenominator(), shape.denominatorPower);
    EXPECT_EQ(file.BeatTicks(), shape.beatTicks);
    EXPECT_EQ(file.SongLength(), shape.songLength);
    for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
      SCOPED_TRACE("track " + std::to_string(t));
      const TMidiTrack& track = file.TrackAt(t);
      EXPECT_EQ(track.Name(), shape.names[t]);
      EXPECT_EQ(track.Instrument(), shape.instruments[t]);
      std::set<int> channels;
      for (const TMidiEventEx& e : track.Events()) {
        if (IsChannel(e)) channels.insert(e.Status & 0x0F);
      }
      if (shape.channels[t] < 0) {
        EXPECT_TRUE(channels.empty());
      } else {
        EXPECT_EQ(channels, std::set<int>{shape.channels[t]});
      }
      // Every track closes at the end of the song, so that no track looks shorter.
      ASSERT_GT(track.EventCount(), 0);
      const TMidiEventEx& last = track.Events().back();
      EXPECT_TRUE(IsMeta(last, 0x2F));
      EXPECT_EQ(last.Time, shape.songLength);
    }
    const std::vector<TempoEntry>& map = file.TempoMap();
    ASSERT_EQ(map.size(), shape.tempoMap.size());
    for (std::size_t i = 0; i < map.size(); ++i) {
      EXPECT_EQ(map[i].Tempo, shape.tempoMap[i].Tempo) << "entry " << i;
      EXPECT_EQ(map[i].Tick, shape.tempoMap[i].Tick) << "entry " << i;
      EXPECT_EQ(map[i].Ms, shape.tempoMap[i].Ms) << "entry " << i;
    }
  }
}

TEST_F(ExampleSongs, EveryNoteThatStartsEndsInItsTrackAndChannel) {
  for (const ExampleShape& shape : Shapes()) {
    SCOPED_TRACE(shape.file);
    TMidiFile& file = Load(shape.file);
    for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
      std::map<int, int> sounding;  // channel * 128 + key -> open note-ons
      for (const TMidiEventEx& e : file.TrackAt(t).Events()) {
        const int key = (e.Status & 0x0F) * 128 + e.Data1;
        if (IsNoteOn(e)) {
          ++sounding[key];
        } else if (IsNoteOff(e)) {
          EXPECT_GT(sounding[key], 0) << "note-off without note-on at tick " << e.Time;
          --sounding[key];
        }
      }
      for (const auto& [key, open] : sounding) {
        EXPECT_EQ(open, 0) << "track " << t << " leaves key " << key % 128 << " sounding";
      }
    }
  }
}

TEST_F(ExampleSongs, KaraokeFileCarriesItsWordsAsTextEventsOfTheThirdTrack) {
  TMidiFile& file = Load("korobeiniki.kar");
  EXPECT_TRUE(ThirdTrackIsKaraoke(file));

  EXPECT_EQ(MetaTexts(file.TrackAt(1), 0x01),
            (std::vector<std::string>{"@KMIDI KARAOKE FILE", "@V0100",
                                      Cp1251("@IСлова: Н. А. Некрасов, 1861"),
                                      Cp1251("@IМузыка: народная")}));

  const TMidiTrack& words = file.TrackAt(2);
  std::vector<std::string> header;
  int syllables = 0;
  for (const TMidiEventEx& e : words.Events()) {
    if (e.Status != 0xFF) continue;
    if (e.Data1 == 0x01 && e.Time == 0) header.emplace_back(e.Text());
    if (e.Data1 == 0x01 && e.Time > 0) ++syllables;
    EXPECT_NE(e.Data1, 0x05) << "a karaoke file keeps its words out of lyric events";
  }
  EXPECT_EQ(header, (std::vector<std::string>{"@LRUS", Cp1251("@TКоробейники"),
                                              Cp1251("@TН. Некрасов, народная мелодия")}));
  EXPECT_EQ(syllables, 3 * 32);  // three verses of four lines of 9, 7, 9 and 7 syllables

  // Three verses ("\") of four lines each ("/" opens the other three).
  const std::vector<std::string> lines = LyricLines(words, 0x01);
  ASSERT_EQ(lines.size(), 12u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].front(), i % 4 == 0 ? '\\' : '/') << "line " << i;
  }
  EXPECT_EQ(lines[0], Cp1251("\\Ой, полным-полна коробушка"));
  EXPECT_EQ(lines[1], Cp1251("/Есть и ситцы и парча."));
  EXPECT_EQ(lines[5], Cp1251("/Там до ночки погожу,"));
  EXPECT_EQ(lines[11], Cp1251("/Ближе к милому садись!"));
  // Windows-1251 bytes are no UTF-8, so the program decodes them from that code page.
  EXPECT_FALSE(IsValidUtf8(lines[0]));
  EXPECT_FALSE(IsValidUtf8(file.TrackAt(0).Name()));
}

TEST_F(ExampleSongs, SyllablesStartWithTheirMelodyNotes) {
  struct Case {
    const char* file;
    int32_t lyricTrack;
    uint8_t type;
    int32_t melodyTrack;
    std::size_t count;
  };
  for (const Case& c : {Case{"korobeiniki.kar", 2, 0x01, 3, 96},
                        Case{"mary-had-a-little-lamb.mid", 1, 0x05, 1, 52}}) {
    SCOPED_TRACE(c.file);
    TMidiFile& file = Load(c.file);
    const std::set<int32_t> notes = NoteOnTicks(file.TrackAt(c.melodyTrack));
    std::size_t count = 0;
    int32_t previous = 0;
    for (const TMidiEventEx& e : file.TrackAt(c.lyricTrack).Events()) {
      if (!IsMeta(e, c.type) || e.Time == 0) continue;
      ++count;
      EXPECT_TRUE(notes.count(e.Time)) << "syllable \"" << e.Text() << "\" at " << e.Time;
      EXPECT_GT(e.Time, previous) << "two syllables on one note";
      previous = e.Time;
    }
    EXPECT_EQ(count, c.count);
  }
}

TEST_F(ExampleSongs, LyricFileSplitsWordsWithHyphensOnTheMelodyTrack) {
  TMidiFile& file = Load("mary-had-a-little-lamb.mid");
  EXPECT_FALSE(ThirdTrackIsKaraoke(file));
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    if (t != 1) {
      EXPECT_TRUE(MetaTexts(file.TrackAt(t), 0x05).empty()) << "track " << t;
    }
  }
  const TMidiTrack& melody = file.TrackAt(1);
  EXPECT_TRUE(MetaTexts(melody, 0x01).empty());
  const std::vector<std::string> lines = LyricLines(melody, 0x05);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "\\Ma-ry had a lit-tle lamb, lit-tle lamb, lit-tle lamb,",
                       "/Ma-ry had a lit-tle lamb, its fleece was white as snow.",
                       "\\Ev-ery-where that Ma-ry went, Ma-ry went, Ma-ry went,",
                       "/Ev-ery-where that Ma-ry went the lamb was sure to go."}));
  // A syllable in the middle of a word ends in a hyphen, one at the end of a word in a
  // space, and the last of a line in neither.
  const std::vector<std::string> syllables = MetaTexts(melody, 0x05);
  EXPECT_EQ(syllables[0], "\\Ma-");
  EXPECT_EQ(syllables[1], "ry ");
  EXPECT_EQ(syllables[12], "lamb,");
}

TEST_F(ExampleSongs, InstrumentalPlaysDrumsOnChannelTenAndSlowsDownAtTheEnd) {
  TMidiFile& file = Load("minuet-in-g.mid");
  int drumNotes = 0;
  std::set<int> programmed;
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    for (const TMidiEventEx& e : file.TrackAt(t).Events()) {
      if (IsNoteOn(e) && (e.Status & 0x0F) == 9) ++drumNotes;
      if ((e.Status & 0xF0) == 0xC0) programmed.insert(e.Status & 0x0F);
    }
  }
  EXPECT_EQ(drumNotes, 32 * 3);  // one stroke on every beat of 32 bars
  EXPECT_EQ(programmed, (std::set<int>{0, 1, 2}));

  // The ritardando: each tempo slower than the one before; the song ends after
  // 28 bars at 476 ms, one at 535, one at 625 and one at 750 per quarter.
  const std::vector<TempoEntry>& map = file.TempoMap();
  for (std::size_t i = 1; i < map.size(); ++i) EXPECT_GT(map[i].Tempo, map[i - 1].Tempo);
  EXPECT_EQ(file.TicksToMs(file.SongLength()), 41412 + 1605 + 1875 + 2250);
  EXPECT_EQ(file.MsToTicks(41412), 41760);
  EXPECT_EQ(file.MsToTicks(44892 + 750), 44640 + 480);
}

// The committed files are what the recipe makes of their sources; a source edited without
// running scripts/make-examples shows here.
TEST(ExampleRecipe, CommittedFilesMatchTheirSources) {
  if (std::system("command -v abc2midi >/dev/null 2>&1 && command -v python3 >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "abc2midi or python3 is not installed";
  }
  const std::string command =
      "bash '" + std::string(CANTARO_SOURCE_DIR) + "/scripts/make-examples' --check";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
