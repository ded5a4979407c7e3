// Measuring songs through the real song session: labels from a muted label track or from a
// per-beat table, the key-aware table applied or not, and the corpora as they are shipped.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/accuracy/AccuracyRun.h"
#include "song/ChordContinuity.h"
#include "chords/untKeysense.h"
#include "midi/MidiFile.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "tests/TestFiles.h"

namespace fs = std::filesystem;

namespace {

const fs::path Corpus = test_files::Shared() / "corpus";

// A format 1 file with 480 ticks per quarter, written from tracks of (delta, bytes) events.
struct TTrackBytes {
  std::string bytes;
  void Event(uint32_t delta, std::initializer_list<uint8_t> data) {
    std::string v;
    v.insert(v.begin(), static_cast<char>(delta & 0x7F));
    while (delta >>= 7) v.insert(v.begin(), static_cast<char>(0x80 | (delta & 0x7F)));
    bytes += v;
    for (uint8_t b : data) bytes += static_cast<char>(b);
  }
  // Notes of one block starting `delta` after the previous event and lasting `length`.
  void Block(uint32_t delta, uint32_t length, uint8_t channel, std::initializer_list<uint8_t> pitches) {
    for (uint8_t p : pitches) {
      Event(delta, {static_cast<uint8_t>(0x90 | channel), p, 90});
      delta = 0;
    }
    uint32_t d = length;
    for (uint8_t p : pitches) {
      Event(d, {static_cast<uint8_t>(0x80 | channel), p, 0});
      d = 0;
    }
  }
};

std::string Be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

void WriteMidi(const fs::path& path, const std::vector<TTrackBytes>& tracks) {
  std::string file = "MThd" + Be32(6) + std::string("\0\1", 2) + std::string(1, '\0') +
                     static_cast<char>(tracks.size()) + std::string("\x01\xE0", 2);
  for (TTrackBytes t : tracks) {
    t.Event(0, {0xFF, 0x2F, 0x00});
    file += "MTrk" + Be32(static_cast<uint32_t>(t.bytes.size())) + t.bytes;
  }
  std::ofstream(path, std::ios::binary) << file;
}

class AccuracyRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(CANTARO_BINARY_DIR) / "truth-test" /
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    LoadKeysenseTable(table, "C0 G0 F0 A1 D1 E1", "");
  }
  // The options of a run with the fixture's key-aware table.
  TAccuracyOptions Options() const {
    TAccuracyOptions options;
    options.Table = table;
    return options;
  }
  TKeysenseTable table;

  // Music: C major for four beats, then G major for four; the label track says C, Am, G.
  TCorpusSong MakeSong(bool withLabels) {
    TTrackBytes meta, music, labels;
    meta.Event(0, {0xFF, 0x58, 4, 4, 2, 24, 8});
    meta.Event(0, {0xFF, 0x51, 3, 0x07, 0xA1, 0x20});
    for (int b = 0; b < 4; ++b) music.Block(0, 480, 0, {60, 64, 67});
    for (int b = 0; b < 4; ++b) music.Block(0, 480, 0, {55, 59, 62});
    labels.Block(0, 960, 1, {48, 52, 55});
    labels.Block(0, 960, 1, {45, 48, 52});
    labels.Block(0, 1920, 1, {43, 47, 50});
    std::vector<TTrackBytes> tracks = {meta, music};
    if (withLabels) tracks.push_back(labels);
    TCorpusSong song;
    song.Name = "made";
    song.MidiPath = (dir / "made.mid").string();
    WriteMidi(song.MidiPath, tracks);
    return song;
  }

  fs::path dir;
};

TEST_F(AccuracyRun, TheLabelTrackIsReadButNeverHeard) {
  const TCorpusSong song = MakeSong(true);
  for (bool keysense : {false, true}) {
    TAccuracyOptions options = Options();
    options.Keysense = keysense;
    const TSongMeasure m = MeasureSong(song, options);
    ASSERT_EQ(m.Accuracy.Error, "");
    EXPECT_EQ(m.BeatLength, 480);
    ASSERT_EQ(m.Labels.size(), 3u);
    EXPECT_EQ(m.Labels[1].Name, "Am");
    EXPECT_EQ(m.Accuracy.Keysense, keysense);
    EXPECT_GE(m.Accuracy.KeyEntry, 0);
    // Beats 2 and 3 play C under the Am label; had the search heard the labels, they would
    // hold A C E G and no plain triad.
    EXPECT_EQ(m.Accuracy.Counts.Beats, 8) << "the beat at the very end has no label";
    EXPECT_EQ(m.Accuracy.Counts.RootHits, 6);
    EXPECT_EQ(m.Accuracy.Counts.MajMinHits, 6);
    EXPECT_EQ(m.Accuracy.Counts.FullHits, 6);
    EXPECT_EQ(m.Accuracy.Counts.NoChord, 0);
    EXPECT_EQ(m.Verdicts[2].Chosen.Name, "C");
  }
}

TEST_F(AccuracyRun, WithoutAKeyTheTableStaysUnused) {
  TAccuracyOptions options = Options();
  options.Key = TKeyMode::None;
  const TSongMeasure m = MeasureSong(MakeSong(true), options);
  ASSERT_EQ(m.Accuracy.Error, "");
  EXPECT_EQ(m.Accuracy.KeyEntry, -1);
  EXPECT_FALSE(m.Accuracy.Keysense);
  EXPECT_EQ(m.KeyTonic, -1);

  options.Key = TKeyMode::Fixed;
  options.FixedKey = 7;
  const TSongMeasure g = MeasureSong(MakeSong(true), options);
  EXPECT_EQ(g.Accuracy.KeyEntry, 7);
  EXPECT_EQ(g.KeyTonic, 7);
}

TEST_F(AccuracyRun, SongsThatCannotBeMeasuredSayWhy) {
  TAccuracyOptions options = Options();
  EXPECT_EQ(MeasureSong(MakeSong(false), options).Accuracy.Error, "no chord labels");
  TCorpusSong missing{"missing", (dir / "missing.mid").string(), ""};
  EXPECT_NE(MeasureSong(missing, options).Accuracy.Error, "");
  TCorpusSong badTable = MakeSong(true);
  badTable.TablePath = (dir / "made.truth.tsv").string();
  std::ofstream(badTable.TablePath) << "bar\tbeat\ttick\tchord\tpcs\tbass\n1\t1\tx\tC\t0,4,7\tC\n";
  EXPECT_NE(MeasureSong(badTable, options).Accuracy.Error.find("line 2"), std::string::npos);
}

TEST_F(AccuracyRun, ATableBesideTheSongReplacesTheLabelTrack) {
  TCorpusSong song = MakeSong(true);
  std::ofstream(dir / "made.truth.tsv") << "bar\tbeat\ttick\tchord\tpcs\tbass\n"
                                           "1\t1\t0\tC\t0,4,7\tC\n"
                                           "1\t3\t960\tC\t0,4,7\tC\n"
                                           "2\t1\t1920\tG\t2,7,11\tG\n"
                                           "2\t3\t2880\tG\t2,7,11\tG\n";
  std::ofstream(dir / "notes.txt") << "not a song";
  const std::vector<TCorpusSong> listed = ListCorpus(dir.string());
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].TablePath, (dir / "made.truth.tsv").string());
  const TSongMeasure m = MeasureSong(listed[0], Options());
  ASSERT_EQ(m.Accuracy.Error, "");
  EXPECT_EQ(m.Accuracy.Counts.Beats, 8);
  EXPECT_EQ(m.Accuracy.Counts.FullHits, 8) << "the table is the truth, and all tracks are heard";
  EXPECT_THROW(ListCorpus((dir / "nowhere").string()), std::runtime_error);
}

TEST_F(AccuracyRun, TheShippedCorporaAreListedWithTheirLabels) {
  SKIP_WITHOUT_SHARED(Corpus / "pop");
  SKIP_WITHOUT_SHARED(Corpus / "folk");
  const auto pop = ListCorpus((Corpus / "pop").string());
  const auto folk = ListCorpus((Corpus / "folk").string());
  ASSERT_GE(pop.size(), 450u);
  ASSERT_EQ(folk.size(), 80u);
  EXPECT_EQ(pop.front().Name, "001");
  for (const auto& s : pop) EXPECT_EQ(s.TablePath, "") << s.Name;
  for (const auto& s : folk) EXPECT_NE(s.TablePath, "") << s.Name;
}

TEST_F(AccuracyRun, ATracedSearchJudgesExactlyAsTheSearchItself) {
  // The trace replays the table's choice from the recorded weights, so a table can be
  // studied without the search; it must agree with the search beat for beat.
  SKIP_WITHOUT_SHARED(Corpus / "pop");
  SKIP_WITHOUT_SHARED(Corpus / "folk");
  LoadKeysenseTable(table, "C0 G0 F0 A1 D1 E1 G2 E0", "A0 D0 A#0");
  TCorpusSong song{"001", (Corpus / "pop" / "001.mid").string(), ""};
  TCorpusSong tune{"ashover44", (Corpus / "folk" / "ashover44.mid").string(),
                   (Corpus / "folk" / "ashover44.truth.tsv").string()};
  for (const TCorpusSong& s : {song, tune}) {
    const TSongMeasure direct = MeasureSong(s, Options());
    const TSongMeasure traced = MeasureSong(s, Options(), true);
    ASSERT_EQ(direct.Accuracy.Error, "");
    ASSERT_EQ(traced.Accuracy.Error, "");
    EXPECT_GE(direct.Accuracy.Counts.Beats, 80) << s.Name;
    EXPECT_EQ(traced.Trace.size(), traced.Verdicts.size());
    EXPECT_TRUE(traced.Trace[10].Asked);
    ASSERT_EQ(direct.Verdicts.size(), traced.Verdicts.size());
    for (size_t b = 0; b < direct.Verdicts.size(); ++b)
      EXPECT_EQ(direct.Verdicts[b].Chosen.Name, traced.Verdicts[b].Chosen.Name) << s.Name << " beat " << b;
  }
}

TEST_F(AccuracyRun, ContinuityJudgedFromATraceAgreesWithTheSearchBeatForBeat) {
  // Tuning the change penalty judges the choice from traced weights; that must be exactly the
  // session's own choice, and a penalty of 0 exactly the beat-by-beat choice.
  LoadKeysenseTable(table, "C0 G0 F0 A1 D1 E1 G2 E0", "A0 D0 A#0");
  const TCorpusSong song{"001", (Corpus / "pop" / "001.mid").string(), ""};
  if (!fs::exists(song.MidiPath)) GTEST_SKIP() << "no pop corpus: " << song.MidiPath;
  TAccuracyOptions options = Options();
  const TSongMeasure traced = MeasureSong(song, options, true);
  const TSongMeasure off = MeasureSong(song, options);
  options.Continuity = true;
  const TSongMeasure on = MeasureSong(song, options);
  ASSERT_EQ(traced.Accuracy.Error, "");
  const auto judged = JudgeContinuity(traced, table, ChordChangePenalty, TBeatJudging::Start);
  const auto zero = JudgeContinuity(traced, table, 0.0, TBeatJudging::Start);
  ASSERT_EQ(judged.size(), on.Verdicts.size());
  ASSERT_EQ(zero.size(), off.Verdicts.size());
  size_t differ = 0;
  for (size_t b = 0; b < judged.size(); ++b) {
    EXPECT_EQ(judged[b].Chosen.Name, on.Verdicts[b].Chosen.Name) << "beat " << b;
    EXPECT_EQ(zero[b].Chosen.Name, off.Verdicts[b].Chosen.Name) << "beat " << b;
    differ += on.Verdicts[b].Chosen.Name != off.Verdicts[b].Chosen.Name;
  }
  EXPECT_GT(differ, 0u) << "the song has passing notes that continuity smooths over";
  EXPECT_GE(on.Accuracy.Counts.RootHits, off.Accuracy.Counts.RootHits);
}

// The weights the table is asked with, computed by walking the file's events straight
// through as the search describes them: per beat, every event before the beat's end, track
// by track; a release ends the latest start of its key and channel; pieces shorter than a
// sixteenth of the beat are dropped; notes still sounding are counted up to the beat's end.
std::vector<std::array<int32_t, 12>> WalkedWeights(const std::string& path, int mutedTrack) {
  TMidiFile midi;
  midi.SetFilename(path);
  midi.LoadFile();
  const int32_t length = midi.BeatTicks();
  const size_t beats = static_cast<size_t>(midi.SongLength() / length) + 1;
  std::vector<size_t> next(static_cast<size_t>(midi.NumberOfTracks()), 0);
  std::map<int, std::vector<int32_t>> open;  // channel x 128 + note -> starts
  std::vector<std::array<int32_t, 12>> weights(beats);
  for (size_t b = 0; b < beats; ++b) {
    const int32_t end = static_cast<int32_t>((b + 1) * static_cast<size_t>(length));
    auto credit = [&](int note, int32_t d) {
      if (d >= length / 16) weights[b][static_cast<size_t>(note % 12)] += d;
    };
    for (int t = 0; t < midi.NumberOfTracks(); ++t) {
      const auto events = midi.TrackAt(t).Events();
      size_t& i = next[static_cast<size_t>(t)];
      for (; i < events.size() && events[i].Time < end; ++i) {
        const TMidiEventEx& e = events[i];
        const int kind = e.Status & 0xF0, channel = e.Status & 0x0F;
        if (t == mutedTrack || e.Status == 0xFF || channel == 9 || (kind != 0x80 && kind != 0x90)) continue;
        std::vector<int32_t>& starts = open[channel * 128 + e.Data1];
        if (kind == 0x90 && e.Data2 > 0) {
          starts.push_back(e.Time);
        } else if (!starts.empty()) {
          credit(e.Data1, e.Time - starts.back());
          starts.pop_back();
        }
      }
    }
    for (auto& [key, starts] : open)
      for (int32_t& s : starts) {
        credit(key % 128, end - s);
        s = end;
      }
  }
  return weights;
}

TEST_F(AccuracyRun, TheTableHearsWhatAStraightWalkThroughTheFileHears) {
  // Merged parts strike the same key again before releasing it, and in 350 the music lies a
  // third of a beat late against tick 0: the search must weigh every beat as the walk does.
  SKIP_WITHOUT_SHARED(Corpus / "pop");
  for (const char* name : {"001", "076", "350"}) {
    const TCorpusSong song{name, (Corpus / "pop" / (std::string(name) + ".mid")).string(), ""};
    const TSongMeasure traced = MeasureSong(song, Options(), true);
    ASSERT_EQ(traced.Accuracy.Error, "") << name;
    const auto walked = WalkedWeights(song.MidiPath, 2);
    ASSERT_EQ(traced.Trace.size(), walked.size()) << name;
    size_t b = 0;
    while (b < walked.size() && traced.Trace[b].Asked && traced.Trace[b].Weights == walked[b]) ++b;
    EXPECT_EQ(b, walked.size()) << name << ": the first beat weighed otherwise";
  }
}

}  // namespace

namespace {

TAccuracyCounts MeasureCorpus(const std::string& folder, bool keysense, const TKeysenseTable& table) {
  TAccuracyOptions options;
  options.Keysense = keysense;
  options.Table = table;
  TAccuracyCounts total;
  for (const TCorpusSong& song : ListCorpus(folder)) {
    const TSongMeasure m = MeasureSong(song, options);
    EXPECT_EQ(m.Accuracy.Error, "") << song.Name;
    total += m.Accuracy.Counts;
  }
  return total;
}

TEST(ShippedChordTable, NamesTheFolkTunesAtLeastAsWellAsPlainRecognition) {
  // Tunes with a plain block-chord accompaniment: the key-aware table must not cost the
  // chords that exact recognition already finds.
  SKIP_WITHOUT_SHARED(Corpus / "folk");
  TIniFile ini;
  const TFileReadResult file = ReadWholeFile(std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini");
  ASSERT_EQ(file.status, TFileReadResult::Status::Ok);
  ini.Parse(file.bytes);
  TKeysenseTable shipped;
  LoadKeysenseTable(shipped, ini.ReadString("Keysense", "Main", ""), ini.ReadString("Keysense", "Added", ""));
  ASSERT_GE(shipped.size(), 24u);
  const std::string folk = (Corpus / "folk").string();
  const TAccuracyCounts plain = MeasureCorpus(folk, false, shipped), table = MeasureCorpus(folk, true, shipped);
  EXPECT_GT(plain.Beats, 7000);
  EXPECT_EQ(table.Beats, plain.Beats);
  EXPECT_GE(table.RootPercent(), plain.RootPercent());
  EXPECT_GE(table.MajMinPercent(), plain.MajMinPercent());
  EXPECT_GE(table.FullPercent(), plain.FullPercent());
  EXPECT_LE(table.NoChordPercent(), 1.0);
}

}  // namespace

TEST(SongRange, KeepsTheNumberedSongsOfTheRangeApart) {
  struct Case {
    const char* name;
    long first, last;
    bool in;
  } cases[] = {
      {"360", 1, 360, true},   {"361", 1, 360, false}, {"361", 361, 450, true}, {"043", 1, 360, true},
      {"043_clean", 1, 360, false}, {"folk", -1, -1, true}, {"folk", 1, -1, false}, {"450", 361, -1, true},
  };
  for (const Case& c : cases) EXPECT_EQ(InSongRange(c.name, c.first, c.last), c.in) << c.name << " " << c.first << ".." << c.last;
}
