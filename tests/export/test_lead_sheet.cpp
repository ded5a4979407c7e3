// The lead sheet in MusicXML, read back with an XML parser: the melody against the MIDI track
// it came from, the chord symbols against the chords the program chose, the lyrics against the
// file's syllables, and every measure against its time signature.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "export/AnalysisOfSession.h"
#include "export/LeadSheet.h"
#include "export/MusicXmlWriter.h"
#include "export/OutputFormats.h"
#include "export/SongAnalysis.h"
#include "midi/MidiConstants.h"
#include "song/ScriptedPrompter.h"
#include "tests/TestFiles.h"
#include "tests/export/SmfWriter.h"

namespace {

constexpr int kDivisions = LeadSheetDivisions;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- Reading the score back ----------------------------------------------------------------

struct TReadNote {
  int32_t start = 0;  // divisions
  int32_t duration = 0;
  int pitch = -1;     // -1: a rest
  bool tieStop = false;
  std::string syllabic;
  std::string lyric;
  std::string type;
  bool triplet = false;
};

struct TReadHarmony {
  int32_t position = 0;
  int root = -1;
  int bass = -1;  // -1: none written
  std::string kind;
  std::string text;
};

struct TReadScore {
  std::vector<TReadNote> notes;
  std::vector<TReadHarmony> harmonies;
  std::vector<int> tempos;
  std::vector<std::pair<int, int>> timeSignatures;  // per measure
  int fifths = 0;
  std::string mode;
  std::string title;
  std::vector<std::string> faults;  // measures that do not add up, notes that are malformed
};

int PitchClassOf(const std::string& step, int alter) {
  static const std::map<std::string, int> naturals{{"C", 0}, {"D", 2}, {"E", 4}, {"F", 5},
                                                   {"G", 7}, {"A", 9}, {"B", 11}};
  return ((naturals.at(step) + alter) % 12 + 12) % 12;
}

TReadScore ReadScore(const std::string& xml) {
  TReadScore score;
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = doc.load_string(xml.c_str());
  if (!parsed) {
    score.faults.push_back(std::string("not XML: ") + parsed.description());
    return score;
  }
  const pugi::xml_node root = doc.child("score-partwise");
  if (std::string(root.attribute("version").value()) != "3.1") score.faults.push_back("version");
  score.title = root.child("work").child("work-title").text().as_string();
  int32_t measureStart = 0;
  int beats = 4, beatType = 4;
  int number = 0;
  for (pugi::xml_node measure : root.child("part").children("measure")) {
    ++number;
    if (measure.attribute("number").as_int() != number) score.faults.push_back("measure number " + std::to_string(number));
    if (pugi::xml_node attributes = measure.child("attributes")) {
      if (pugi::xml_node d = attributes.child("divisions"); d && d.text().as_int() != kDivisions)
        score.faults.push_back("divisions");
      if (pugi::xml_node key = attributes.child("key")) {
        score.fifths = key.child("fifths").text().as_int();
        score.mode = key.child("mode").text().as_string();
      }
      if (pugi::xml_node time = attributes.child("time")) {
        beats = time.child("beats").text().as_int();
        beatType = time.child("beat-type").text().as_int();
      }
    }
    score.timeSignatures.emplace_back(beats, beatType);
    int32_t position = 0;
    for (pugi::xml_node e : measure.children()) {
      const std::string name = e.name();
      if (name == "harmony") {
        TReadHarmony h;
        h.position = measureStart + position + e.child("offset").text().as_int();
        h.root = PitchClassOf(e.child("root").child_value("root-step"), e.child("root").child("root-alter").text().as_int());
        if (pugi::xml_node bass = e.child("bass"))
          h.bass = PitchClassOf(bass.child_value("bass-step"), bass.child("bass-alter").text().as_int());
        h.kind = e.child_value("kind");
        h.text = e.child("kind").attribute("text").value();
        score.harmonies.push_back(h);
      } else if (name == "direction") {
        if (pugi::xml_node m = e.child("direction-type").child("metronome")) score.tempos.push_back(m.child("per-minute").text().as_int());
      } else if (name == "note") {
        TReadNote n;
        n.start = measureStart + position;
        n.duration = e.child("duration").text().as_int();
        if (pugi::xml_node pitch = e.child("pitch")) {
          n.pitch = (pitch.child("octave").text().as_int() + 1) * 12 +
                    PitchClassOf(pitch.child_value("step"), 0) + pitch.child("alter").text().as_int();
        }
        for (pugi::xml_node tie : e.children("tie"))
          if (std::string(tie.attribute("type").value()) == "stop") n.tieStop = true;
        n.type = e.child_value("type");
        n.triplet = e.child("time-modification");
        if (n.type.empty() && !e.child("rest").attribute("measure")) score.faults.push_back("a note without a type");
        if (pugi::xml_node lyric = e.child("lyric")) {
          n.syllabic = lyric.child_value("syllabic");
          n.lyric = lyric.child_value("text");
        }
        score.notes.push_back(n);
        position += n.duration;
      }
    }
    const int32_t length = beats * 4 * kDivisions / beatType;
    if (position != length)
      score.faults.push_back("measure " + std::to_string(number) + " holds " + std::to_string(position) + " of " +
                             std::to_string(length));
    measureStart += length;
  }
  return score;
}

// ---- What the file and the analysis say ----------------------------------------------------

struct TMidiNote {
  int32_t tick;
  int pitch;
};

std::vector<TMidiNote> NoteOns(const TMidiSong& song, int track) {
  std::vector<TMidiNote> notes;
  if (track < 0) return notes;
  for (const TMidiEventEx& e : song.TrackAt(track).Events())
    if (MidiKind(e.Status) == MidiStatus::NoteOn && e.Data2 > 0 && MidiChannel(e.Status) != MidiPercussionChannel)
      notes.push_back({e.Time, e.Data1});
  return notes;
}

// The kind each chord type has as a plain chord (no extension, no alteration).
const char* PlainKind(int type) {
  static const char* const kinds[] = {"major",           "minor",          "dominant",          "minor-seventh",
                                      "major-seventh",   "major-minor",    "major-sixth",       "minor-sixth",
                                      "suspended-second", "suspended-fourth", "suspended-second", "suspended-fourth",
                                      "diminished-seventh", "augmented",   "power"};
  return type >= 0 && type < 15 ? kinds[type] : "";
}

// The sung words of syllables: a syllable ending in a space, or before a new line, ends its word;
// a trailing hyphen is not part of the word.
std::vector<std::string> WordsOfSyllables(const std::vector<TAnalysisSyllable>& syllables) {
  std::string text;
  for (const TAnalysisSyllable& s : syllables) {
    if (s.newLine) text += ' ';
    std::string t = s.text;
    while (!t.empty() && t.back() == ' ') {
      t.pop_back();
      t += '\x01';  // the space stays a word end
    }
    if (!t.empty() && t.back() == '-') t.pop_back();
    text += t;
  }
  std::vector<std::string> words;
  std::string word;
  for (char c : text + ' ') {
    if (c == ' ' || c == '\x01') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

std::vector<std::string> WordsOfScore(const TReadScore& score) {
  std::vector<std::string> words;
  std::string word;
  for (const TReadNote& n : score.notes) {
    if (n.lyric.empty()) continue;
    word += n.lyric;
    if (n.syllabic == "single" || n.syllabic == "end") {
      std::istringstream split(word);
      for (std::string w; split >> w;) words.push_back(w);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

TAnalysisOutcome Analyse(const std::string& name, std::string bytes, TAnalysisRequest request = {}) {
  request.detectKey = true;
  ScriptedPrompter prompter({TPromptAnswer::Yes, TPromptAnswer::Yes, TPromptAnswer::Yes});
  return AnalyseSongBytes(name, std::move(bytes), request, prompter);
}

std::string MusicXml(const TSongAnalysis& analysis) {
  TResult<TFormatOutput> out = FindOutputFormat("musicxml")->write(analysis);
  return out ? out->bytes : "(" + out.Error().Text + ")";
}

// Every check of the read-back on one song.
void ExpectReadsBack(const std::string& name, const std::string& bytes, double coverage) {
  SCOPED_TRACE(name);
  const TAnalysisOutcome outcome = Analyse(name, bytes);
  ASSERT_TRUE(outcome.analysis);
  const TSongAnalysis& a = *outcome.analysis;
  const TResult<TLeadSheet> sheet = LeadSheetOf(a);
  ASSERT_TRUE(sheet);
  const TReadScore score = ReadScore(MusicXml(a));
  EXPECT_TRUE(score.faults.empty()) << score.faults.front();
  const TMidiSong& song = a.Song();
  const int32_t tpq = song.TicksPerQuarter();
  const int32_t quantum = tpq / 4;  // a sixteenth; the grid moves a note by less

  // The melody: each written note starts where the track plays that pitch, and the track's
  // onsets are (nearly all) written.
  const std::vector<TMidiNote> midi = NoteOns(song, sheet->melodyTrack);
  ASSERT_FALSE(midi.empty());
  std::set<int32_t> written;
  for (const TReadNote& n : score.notes) {
    if (n.pitch < 0 || n.tieStop) continue;
    const int64_t tick = int64_t(n.start) * tpq / kDivisions;
    written.insert(static_cast<int32_t>(tick));
    const bool played = std::any_of(midi.begin(), midi.end(), [&](const TMidiNote& m) {
      return m.pitch == n.pitch && std::llabs(m.tick - tick) <= quantum;
    });
    EXPECT_TRUE(played) << "pitch " << n.pitch << " at tick " << tick;
  }
  std::set<int32_t> onsets;
  for (const TMidiNote& m : midi) onsets.insert(m.tick);
  std::size_t found = 0;
  for (int32_t t : onsets) {
    auto it = written.lower_bound(t - quantum);
    if (it != written.end() && *it <= t + quantum) ++found;
  }
  EXPECT_GE(double(found) / double(onsets.size()), coverage) << found << " of " << onsets.size();

  // The chord symbols: one where the chosen chord changes, its root, bass and kind.
  std::vector<std::pair<int32_t, TChord>> changes;
  for (std::size_t b = 0; b < a.model.beats.size(); ++b) {
    const std::optional<TChord> c = a.model.ChosenChord(static_cast<int>(b));
    if (c && (changes.empty() || !SameChord(changes.back().second, *c)))
      changes.emplace_back(static_cast<int32_t>(b) * a.model.beatLength, *c);
  }
  ASSERT_EQ(score.harmonies.size(), changes.size());
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const TChord& c = changes[i].second;
    const TReadHarmony& h = score.harmonies[i];
    const int root = (c.BasePitch + c.RootOffset + 120) % 12, bass = (c.BasePitch + c.BassOffset + 120) % 12;
    EXPECT_EQ(h.root, root) << i;
    EXPECT_EQ(h.bass, bass == root ? -1 : bass) << i;
    EXPECT_LE(std::llabs(int64_t(h.position) * tpq / kDivisions - changes[i].first), quantum) << i;
    if (c.Extension == 0 && c.FifthAlteration == 0) EXPECT_EQ(h.kind, PlainKind(c.ChordType)) << i;
    EXPECT_FALSE(h.kind.empty());
  }

  // The lyrics: the file's words, in order, on the melody's notes.
  const std::vector<TAnalysisSyllable> syllables =
      AnalysisLyrics(song, a.model.karaoke, CodePageFromNumber(a.request.text.textCodepage));
  EXPECT_EQ(WordsOfScore(score), WordsOfSyllables(syllables));
  // Each syllable on the note sung with it: never before it, and (nearly always) at it.
  std::vector<int64_t> sung;
  for (const TReadNote& n : score.notes)
    if (!n.lyric.empty()) sung.push_back(int64_t(n.start) * tpq / kDivisions);
  ASSERT_EQ(sung.size(), syllables.size());
  std::size_t together = 0;
  for (std::size_t i = 0; i < sung.size(); ++i) {
    EXPECT_GE(sung[i], syllables[i].tick - quantum) << syllables[i].text;
    if (std::llabs(sung[i] - syllables[i].tick) <= quantum) ++together;
  }
  EXPECT_GE(together * 10, sung.size() * 9) << together << " of " << sung.size();
}

}  // namespace

TEST(LeadSheet, TheExamplesReadBackAsTheirTracksChordsAndLyrics) {
  const std::pair<const char*, double> examples[] = {
      {"mary-had-a-little-lamb.mid", 1.0}, {"minuet-in-g.mid", 1.0}, {"korobeiniki.kar", 1.0}};
  for (const auto& [name, coverage] : examples)
    ExpectReadsBack(name, ReadFile(std::filesystem::path(CANTARO_SOURCE_DIR) / "examples" / name), coverage);
}

TEST(LeadSheet, PopSongsReadBackAsTheirTracksAndChords) {
  const std::filesystem::path pop = test_files::Shared() / "corpus" / "pop";
  SKIP_WITHOUT_SHARED(pop / "001.mid");
  // The music is one track of melody, bridge and piano: its top line is written, so a lower
  // part's onsets under a held note are not all there.
  for (const char* name : {"001.mid", "002.mid", "003.mid"}) ExpectReadsBack(name, ReadFile(pop / name), 0.9);
}

TEST(LeadSheet, TheMelodyIsTheSungTrackElseTheVoiceNeverDrumsOrMuted) {
  const int ch = 0;
  // Track 1: a voice (one note at a time, middle range); track 2: chords in a low register with
  // more notes; track 3: drums; track 4: a busier single line on the percussion channel.
  smf::Track conductor, voice, chords, drums;
  conductor.Meta(0, 0x58, std::string{4, 2, 24, 8});
  // The voice sings off the chords' beat (half a beat later).
  for (int i = 0; i < 8; ++i) voice.On(i == 0 ? 240 : 0, ch, 67 + i % 3).Off(480, ch, 67 + i % 3);
  for (int i = 0; i < 8; ++i)
    chords.On(0, 1, 48).On(0, 1, 52).On(0, 1, 55).Off(480, 1, 48).Off(0, 1, 52).Off(0, 1, 55);
  for (int i = 0; i < 32; ++i) drums.On(0, MidiPercussionChannel, 36).Off(120, MidiPercussionChannel, 36);
  const std::string file = smf::File({conductor, voice, chords, drums});
  TAnalysisOutcome plain = Analyse("voice.mid", file);
  ASSERT_TRUE(plain.analysis);
  EXPECT_EQ(LeadSheetOf(*plain.analysis)->melodyTrack, 1);

  // Syllables at the chord track's onsets make it the sung one.
  smf::Track sung;
  for (int i = 0; i < 8; ++i)
    sung.Meta(0, 0x05, "la ").On(0, 1, 48).On(0, 1, 52).On(0, 1, 55).Off(480, 1, 48).Off(0, 1, 52).Off(0, 1, 55);
  TAnalysisOutcome karaoke = Analyse("sung.mid", smf::File({conductor, voice, sung, drums}));
  ASSERT_TRUE(karaoke.analysis);
  EXPECT_EQ(LeadSheetOf(*karaoke.analysis)->melodyTrack, 2);

  // A muted voice is never chosen.
  plain.analysis->song = [&] {
    auto s = std::make_shared<TMidiSong>();
    s->LoadFromBytes(file);
    s->TrackAt(1).SetMuted(true);
    return std::shared_ptr<const TMidiSong>(s);
  }();
  EXPECT_EQ(LeadSheetOf(*plain.analysis)->melodyTrack, 2);

  // The track asked for stands over the choice; one the song does not have is an error.
  TAnalysisRequest request;
  request.melodyTrack = 3;
  TAnalysisOutcome asked = Analyse("voice.mid", file, request);
  EXPECT_EQ(LeadSheetOf(*asked.analysis)->melodyTrack, 2);
  asked.analysis->request.melodyTrack = 9;
  EXPECT_EQ(MusicXml(*asked.analysis), "(" + MesFormat(MesId::SLeadSheetNoTrack, 9) + ")");
}

// A small song with every case of the grid: an opening rest, a triplet beat beside a beat of
// sixteenths, a chord of the melody track, a note tied over the bar line, a time signature
// change, tempo changes (one of them equal once rounded), a syllable between notes.
TEST(LeadSheet, OneSongWritesRestsTripletsTiesMetersTemposAndLyrics) {
  smf::Track conductor, melody;
  auto tempo = [](int bpm10) {
    const int us = 600000000 / bpm10;
    return std::string{char(us >> 16), char(us >> 8), char(us)};
  };
  conductor.Meta(0, 0x58, std::string{4, 2, 24, 8}).Meta(0, 0x51, tempo(1000));
  conductor.Meta(1920, 0x51, tempo(1002));                        // bar 2: 100.2, written as 100: no mark
  conductor.Meta(1920, 0x58, std::string{3, 2, 24, 8});           // bar 3 in 3/4
  conductor.Meta(0, 0x51, tempo(900));                            // and 90
  // Bar 1: a quarter rest, then a triplet beat (C D E), then four sixteenths (F G A B), then a
  // C major chord (top G) held over the bar line for two quarters.
  melody.Meta(480, 0x05, "Ma").On(0, 0, 60).Off(160, 0, 60).On(0, 0, 62).Off(160, 0, 62);
  melody.Meta(0, 0x05, "ry ").On(0, 0, 64).Off(160, 0, 64);
  melody.On(0, 0, 65).Off(120, 0, 65).On(0, 0, 67).Off(120, 0, 67).On(0, 0, 69).Off(120, 0, 69).On(0, 0, 71).Off(120, 0, 71);
  melody.On(0, 0, 60).On(0, 0, 64).On(0, 0, 67).Off(960, 0, 60).Off(0, 0, 64).Off(0, 0, 67);
  // Bar 2 beats 2..4 rest; a syllable in the rest goes to the next note; bar 3 (3/4): one note.
  melody.Meta(960, 0x05, "lamb");
  melody.On(480, 0, 72).Off(1440, 0, 72);
  const TAnalysisOutcome outcome = Analyse("grid.mid", smf::File({conductor, melody}));
  ASSERT_TRUE(outcome.analysis);
  const TReadScore score = ReadScore(MusicXml(*outcome.analysis));
  ASSERT_TRUE(score.faults.empty()) << score.faults.front();

  std::vector<std::tuple<int32_t, int, int32_t, bool, std::string>> got;  // start, pitch, duration, triplet, lyric
  for (const TReadNote& n : score.notes)
    if (n.start < 3 * 4 * kDivisions) got.emplace_back(n.start, n.pitch, n.duration, n.triplet, n.lyric);
  const std::vector<std::tuple<int32_t, int, int32_t, bool, std::string>> want = {
      {0, -1, 24, false, ""},                                                        // no pickup: a rest
      {24, 60, 8, true, "Ma"}, {32, 62, 8, true, ""}, {40, 64, 8, true, "ry"},       // the triplet beat
      {48, 65, 6, false, ""},  {54, 67, 6, false, ""}, {60, 69, 6, false, ""}, {66, 71, 6, false, ""},
      {72, 67, 24, false, ""},                                                       // the chord's top, tied on
  };
  ASSERT_GE(got.size(), 10u);
  for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(got[i], want[i]) << i;
  EXPECT_EQ(std::get<1>(got[9]), 67);
  EXPECT_TRUE(score.notes[9].tieStop);
  // The rest of bar 2 is rests; the syllable sung in it lands on bar 3's note.
  const auto sungLater = std::find_if(score.notes.begin(), score.notes.end(), [](const TReadNote& n) { return n.pitch == 72; });
  ASSERT_NE(sungLater, score.notes.end());
  EXPECT_EQ(sungLater->lyric, "lamb");
  EXPECT_EQ(sungLater->start, 2 * 4 * kDivisions);
  EXPECT_EQ(score.notes[1].syllabic, "begin");
  EXPECT_EQ(score.notes[3].syllabic, "end");
  EXPECT_EQ(score.timeSignatures[0], std::make_pair(4, 4));
  EXPECT_EQ(score.timeSignatures[2], std::make_pair(3, 4));
  EXPECT_EQ(score.tempos, (std::vector<int>{100, 90}));
}

// Refused with a message: a file of independent sequences, and a song too long to print (a
// note of a damaged file ending some days later).
TEST(LeadSheet, SongsThatMakeNoScoreAreRefusedWithTheReason) {
  smf::Track t, endless;
  t.On(0, 0, 60).Off(480, 0, 60);
  endless.On(0, 0, 60).Off(0x0FFFFFFF, 0, 60);
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {smf::File({t, t}, 480, 2), Mes(MesId::SLeadSheetFormat2)},
      {smf::File({endless}, 480, 0),
       MesFormat(MesId::SLeadSheetTooLong, "long.mid", int64_t{0x0FFFFFFF} / 480, MaxLeadSheetQuarters)},
  };
  for (const auto& c : cases) {
    const TAnalysisOutcome outcome = Analyse("long.mid", c.file);
    ASSERT_TRUE(outcome.analysis);
    EXPECT_EQ(MusicXml(*outcome.analysis), "(" + c.message + ")");
  }
}

// A melody track without notes (the conductor's): chord symbols over rests, measures whole.
TEST(LeadSheet, WithoutAMelodyTheChordsStandOverRests) {
  const std::filesystem::path song = std::filesystem::path(CANTARO_SOURCE_DIR) / "examples" / "mary-had-a-little-lamb.mid";
  TAnalysisRequest request;
  request.melodyTrack = 1;
  const TAnalysisOutcome outcome = Analyse("mary.mid", ReadFile(song), request);
  ASSERT_TRUE(outcome.analysis);
  const TReadScore score = ReadScore(MusicXml(*outcome.analysis));
  EXPECT_TRUE(score.faults.empty()) << score.faults.front();
  EXPECT_GT(score.harmonies.size(), 2u);
  EXPECT_TRUE(std::all_of(score.notes.begin(), score.notes.end(), [](const TReadNote& n) { return n.pitch < 0; }));
  // Each chord symbol stands at the start of a rest.
  std::set<int32_t> restStarts;
  for (const TReadNote& n : score.notes) restStarts.insert(n.start);
  for (const TReadHarmony& h : score.harmonies) EXPECT_TRUE(restStarts.count(h.position)) << h.position;
}

// Chord symbols as notation programs know them: the kind and the degrees it does not say.
TEST(LeadSheet, ChordKindsAndDegrees) {
  auto chord = [](int type, int extension = 0, bool add = false, int extAlter = 0, int fifth = 0) {
    TChord c;
    c.BasePitch = 60;
    c.ChordType = uint8_t(type);
    c.Extension = uint8_t(extension);
    c.AddFlag = add;
    c.ExtensionAlteration = int8_t(extAlter);
    c.FifthAlteration = int8_t(fifth);
    return c;
  };
  struct TCase {
    TChord chord;
    const char* kind;
    std::vector<TXmlDegree> degrees;
    const char* text;
  };
  const TCase cases[] = {
      {chord(0), "major", {}, ""},
      {chord(3), "minor-seventh", {}, "m7"},
      {chord(11), "suspended-fourth", {{7, 0, "add"}}, "7sus4"},
      {chord(12), "diminished-seventh", {}, "dim"},
      {chord(2, 1), "dominant-ninth", {}, "79"},
      {chord(0, 1), "dominant-ninth", {}, "9"},
      {chord(1, 1, true), "minor", {{9, 0, "add"}}, "madd9"},
      {chord(6, 1, true), "major-sixth", {{9, 0, "add"}}, "6add9"},
      {chord(2, 1, false, -1), "dominant", {{9, -1, "add"}}, "79-"},
      {chord(4, 3), "major-13th", {}, "7M13"},
      {chord(2, 0, false, 0, 1), "dominant", {{5, 1, "alter"}}, "7/5+"},
      {chord(9, 1), "suspended-fourth", {{7, 0, "add"}, {9, 0, "add"}}, "sus49"},
  };
  for (const TCase& c : cases) {
    const TXmlHarmonyKind k = MusicXmlHarmonyKind(c.chord);
    EXPECT_EQ(k.kind, c.kind) << c.text;
    EXPECT_EQ(k.degrees, c.degrees) << c.text;
    EXPECT_EQ(MusicXmlKindText(c.chord), c.text);
  }
}
