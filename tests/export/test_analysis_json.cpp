// The analysis of a song as JSON: every document the shipped schema accepts, and the values
// in it those of the analysed song.
#include <gtest/gtest.h>

#include <filesystem>

#include "JsonSchemaCheck.h"
#include "SmfWriter.h"
#include "export/AnalysisJson.h"
#include "export/AnalysisOfSession.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kExamples = std::string(CANTARO_SOURCE_DIR) + "/examples/";

class AnalysisJsonTest : public testing::Test {
 protected:
  // Loads and analyses a song the way the command line does (key detected first).
  TAnalysisDocument Analyse(const std::string& path, int transpose = 0) {
    session = std::make_unique<TSongSession>(prompter, status);
    for (int i = 0; i < 4; ++i) prompter.Answer(TPromptAnswer::Yes);
    EXPECT_TRUE(session->LoadSong(path));
    session->FindKey();
    session->FindChords();
    if (transpose) session->Transpose(transpose);
    return AnalysisDocumentOf(SongAnalysisOf(*session, fs::path(path).filename().string(), {}));
  }

  ScriptedPrompter prompter;
  RecordingStatusSink status;
  std::unique_ptr<TSongSession> session;
};

void ExpectValid(const std::string& text, const std::string& what) {
  const std::vector<std::string> errors = schemacheck::CheckAnalysisText(text);
  EXPECT_TRUE(errors.empty()) << what << ": " << (errors.empty() ? "" : errors.front()) << " (" << errors.size()
                              << " errors)";
}

TEST_F(AnalysisJsonTest, EveryExampleSongGivesADocumentTheSchemaAccepts) {
  for (const char* name : {"korobeiniki.kar", "mary-had-a-little-lamb.mid", "minuet-in-g.mid"}) {
    const TAnalysisDocument doc = Analyse(kExamples + name);
    ExpectValid(AnalysisJsonDocument(doc), name);
    const std::string line = AnalysisJsonLine(doc);
    EXPECT_EQ(line.find('\n'), line.size() - 1) << name << ": a JSON line holds no line break inside";
    ExpectValid(line, name);
  }
}

TEST_F(AnalysisJsonTest, TheSongsOfTheSharedCorpusGiveValidDocuments) {
  const fs::path pop = fs::path(CANTARO_SHARED_DIR) / "corpus" / "pop";
  if (!fs::is_directory(pop)) GTEST_SKIP() << "no shared corpus at " << pop;
  std::vector<fs::path> songs;
  for (const auto& e : fs::directory_iterator(pop))
    if (e.path().extension() == ".mid") songs.push_back(e.path());
  std::sort(songs.begin(), songs.end());
  if (songs.size() > 25) songs.resize(25);
  for (const fs::path& song : songs) ExpectValid(AnalysisJsonDocument(Analyse(song.string(), 3)), song.string());
}

TEST_F(AnalysisJsonTest, TheValidatorRejectsWhatTheSchemaForbids) {
  json doc = json::parse(AnalysisJsonDocument(Analyse(kExamples + "mary-had-a-little-lamb.mid")));
  ASSERT_TRUE(schemacheck::AnalysisSchema().Check(doc).empty());
  json missing = doc;
  missing.erase("beats");
  EXPECT_FALSE(schemacheck::AnalysisSchema().Check(missing).empty());
  json wrongType = doc;
  wrongType["beats"][0]["tick"] = "0";
  EXPECT_FALSE(schemacheck::AnalysisSchema().Check(wrongType).empty());
  json extra = doc;
  extra["key"]["mood"] = "happy";
  EXPECT_FALSE(schemacheck::AnalysisSchema().Check(extra).empty());
  json outOfRange = doc;
  outOfRange["transposition"] = 12;
  EXPECT_FALSE(schemacheck::AnalysisSchema().Check(outOfRange).empty());
}

TEST_F(AnalysisJsonTest, BeatsCarryTheChosenChordItsRankTheVariantsAndTheNotes) {
  const TAnalysisDocument doc = Analyse(kExamples + "mary-had-a-little-lamb.mid");
  const TBeats& beats = session->beats();
  ASSERT_EQ(doc.beats.size(), beats.size());
  ASSERT_GT(beats.size(), 8u);
  int withChord = 0;
  for (size_t b = 0; b < beats.size(); ++b) {
    const TAnalysisBeat& a = doc.beats[b];
    EXPECT_EQ(a.tick, int32_t(b) * session->beatLength());
    EXPECT_EQ(a.ms, session->MidiFile.TicksToMs(a.tick));
    EXPECT_EQ(a.notes, std::vector<int32_t>(beats[b].notes.begin(), beats[b].notes.end()));
    ASSERT_EQ(a.variants.size(), beats[b].chords.size());
    EXPECT_EQ(a.chord.has_value(), beats[b].HasChord());
    if (!a.chord) continue;
    ++withChord;
    EXPECT_EQ(a.chord->name, BeatChordText(session->Model(), int(b), NoteNotation::English));
    EXPECT_EQ(*a.rank, beats[b].chosen);
    EXPECT_EQ(a.variants[size_t(*a.rank)].name, a.chord->name);
  }
  EXPECT_GT(withChord, 4);
}

TEST_F(AnalysisJsonTest, AChordIsWrittenAsItsParts) {
  // C/E: the root C, the bass E, a major triad; Am9: extension 9 over a minor seventh chord.
  TChords slash = RecognizeChords({52, 60, 67}, RecognitionMode::AllVariants);
  auto it = std::find_if(slash.begin(), slash.end(), [](const TChord& c) { return ChordName(c, NoteNotation::English) == "C/E"; });
  ASSERT_NE(it, slash.end());
  const TAnalysisChord ce = AnalysisChord(*it, NoteNotation::English);
  EXPECT_EQ(ce.root, 0);
  EXPECT_EQ(ce.rootName, "C");
  EXPECT_EQ(ce.bass, 4);
  EXPECT_EQ(ce.bassName, "E");
  EXPECT_EQ(ce.suffix, "");
  EXPECT_EQ(ce.pitchClasses, (std::vector<int32_t>{0, 4, 7}));
  EXPECT_EQ(ce.extension, 0);
  EXPECT_EQ(ce.tones.front() % 12, 4) << "the bass is the lowest tone";

  TChords nine = RecognizeChords({57, 60, 64, 67, 71}, RecognitionMode::AllVariants);
  auto am9 = std::find_if(nine.begin(), nine.end(), [](const TChord& c) { return ChordName(c, NoteNotation::English) == "Am9"; });
  ASSERT_NE(am9, nine.end());
  const TAnalysisChord a = AnalysisChord(*am9, NoteNotation::English);
  EXPECT_EQ(a.root, 9);
  EXPECT_EQ(a.suffix, "m");
  EXPECT_EQ(a.extension, 9);
  EXPECT_FALSE(a.added);
  EXPECT_EQ(a.pitchClasses, (std::vector<int32_t>{0, 4, 7, 9, 11}));

  EXPECT_EQ(AnalysisChord(*am9, NoteNotation::Italian).name, "LAm9");
  EXPECT_EQ(AnalysisChord(*am9, NoteNotation::Italian).rootName, "LA");
  EXPECT_EQ(AnalysisChord(*am9, NoteNotation::English).name, "Am9") << "the notation is a value, not a setting";
}

TEST_F(AnalysisJsonTest, TheKeyCarriesTheDetectorsCountsAndRunnerUp) {
  const TAnalysisDocument doc = Analyse(kExamples + "mary-had-a-little-lamb.mid", 2);
  ASSERT_TRUE(doc.key.entry.has_value());
  EXPECT_EQ(*doc.key.entry, session->key());
  EXPECT_EQ(doc.key.source, "detected");
  EXPECT_EQ(*doc.key.current, (*doc.key.entry + 2) % 12);
  ASSERT_TRUE(doc.key.detection.has_value());
  ASSERT_TRUE(doc.key.detection->best.has_value());
  const TAnalysisKeyCandidate& best = *doc.key.detection->best;
  // The entry is the major tonic standing for the key; a minor key stands as its relative major.
  EXPECT_EQ(best.minor ? (best.tonic + 3) % 12 : best.tonic, *doc.key.entry);
  // The counts belong to the song as written, whatever the transposition.
  TAnalysisDocument plain = Analyse(kExamples + "mary-had-a-little-lamb.mid");
  EXPECT_EQ(plain.key.detection->counts, doc.key.detection->counts);
  EXPECT_EQ(doc.transposition, 2);
}

TEST_F(AnalysisJsonTest, LyricsAreSyllablesWithTheirTimesAndLineMarks) {
  smf::Track t0;
  t0.Meta(0, 0x51, std::string("\x07\xA1\x20", 3));  // 500000 us per quarter: 1 ms per tick at 500
  smf::Track t1;
  t1.Meta(0, 0x05, "@TTitle")
      .Meta(480, 0x05, "/Ma")
      .Meta(240, 0x05, "ry ")
      .Meta(240, 0x05, "\\")
      .Meta(0, 0x05, "had")
      .Meta(480, 0x05, "@Lsomething")
      .On(0, 0, 60)
      .Off(480, 0, 60);
  const std::string bytes = smf::File({t0, t1}, 480);
  TSongSession s(prompter, status);
  ASSERT_TRUE(s.LoadSongFromBytes("lyrics.mid", bytes));
  const std::vector<TAnalysisSyllable> lyrics = AnalysisLyrics(s.MidiFile.Song(), s.karaoke(), TCodePage::Cp1251);
  ASSERT_EQ(lyrics.size(), 3u);
  EXPECT_EQ(lyrics[0].text, "Ma");
  EXPECT_EQ(lyrics[0].tick, 480);
  EXPECT_EQ(lyrics[0].ms, 500);
  EXPECT_TRUE(lyrics[0].newLine);
  EXPECT_FALSE(lyrics[0].newParagraph);
  EXPECT_EQ(lyrics[1].text, "ry ");
  EXPECT_FALSE(lyrics[1].newLine);
  // A paragraph mark alone starts the paragraph at the next syllable.
  EXPECT_EQ(lyrics[2].text, "had");
  EXPECT_TRUE(lyrics[2].newParagraph);
  EXPECT_TRUE(lyrics[2].newLine);

  // Syllables on two tracks make one text in the order they are sung.
  smf::Track first, second;
  first.Meta(240, 0x05, "/one ").Meta(960, 0x05, "three").On(0, 0, 60).Off(480, 0, 60);
  second.Meta(480, 0x05, "two ").On(0, 1, 55).Off(240, 1, 55).On(0, 1, 57).Off(240, 1, 57);
  TSongSession two(prompter, status);
  ASSERT_TRUE(two.LoadSongFromBytes("two-tracks.mid", smf::File({t0, first, second}, 480)));
  std::vector<std::string> texts;
  for (const TAnalysisSyllable& l : AnalysisLyrics(two.MidiFile.Song(), two.karaoke(), TCodePage::Cp1251))
    texts.push_back(l.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"one ", "two ", "three"}));
}

TEST_F(AnalysisJsonTest, TheWrittenTimesAreMillisecondsOfTheTempoMapNotTicks) {
  // 480 ticks per quarter at 120 beats a minute (500 ms a quarter), twice as fast from tick 960.
  smf::Track t0;
  t0.Meta(0, 0x51, std::string("\x07\xA1\x20", 3)).Meta(960, 0x51, std::string("\x03\xD0\x90", 3));
  smf::Track t1;
  t1.On(0, 0, 60).On(0, 0, 64).On(0, 0, 67).Meta(1440, 0x05, "lo");  // a syllable in the faster part
  t1.Off(960, 0, 60).Off(0, 0, 64).Off(0, 0, 67);
  TSongSession s(prompter, status);
  ASSERT_TRUE(s.LoadSongFromBytes("tempo.mid", smf::File({t0, t1}, 480)));
  s.FindChords();
  const json parsed = json::parse(AnalysisJsonDocument(AnalysisDocumentOf(SongAnalysisOf(s, "tempo.mid", {}))));
  ASSERT_EQ(parsed["beatLength"], 480);
  const auto msOfTick = [](int tick) { return tick <= 960 ? tick * 500 / 480 : 1000 + (tick - 960) * 250 / 480; };
  ASSERT_GE(parsed["beats"].size(), 5u);
  for (const json& beat : parsed["beats"]) {
    const int tick = beat["tick"];
    EXPECT_EQ(beat["ms"], msOfTick(tick)) << "beat at tick " << tick;
  }
  ASSERT_EQ(parsed["tempoMap"].size(), 2u);
  EXPECT_EQ(parsed["tempoMap"][1]["ms"], 1000);
  ASSERT_FALSE(parsed["lyrics"].empty());
  EXPECT_EQ(parsed["lyrics"].back()["tick"], 1440);
  EXPECT_EQ(parsed["lyrics"].back()["ms"], 1250);
  EXPECT_EQ(parsed["length"]["ms"], msOfTick(parsed["length"]["ticks"]));
}

TEST_F(AnalysisJsonTest, TextsThatAreNotUtf8AreDecodedFromTheCodePageAndStayValidJson) {
  smf::Track t0;
  t0.Meta(0, 0x03, "\xCF\xE5\xF1\xED\xFF").On(0, 0, 60).Off(480, 0, 60);  // "Песня" in Windows-1251
  TSongSession s(prompter, status);
  ASSERT_TRUE(s.LoadSongFromBytes("cp1251.mid", smf::File({t0})));
  const TAnalysisDocument doc = AnalysisDocumentOf(SongAnalysisOf(s, "cp1251.mid", {}));
  ASSERT_EQ(doc.tracks.size(), 1u);
  EXPECT_EQ(doc.tracks[0].name, "Песня");
  EXPECT_EQ(doc.tracks[0].channels, std::vector<int32_t>{0});
  EXPECT_EQ(doc.tracks[0].notes, 1);
  ExpectValid(AnalysisJsonDocument(doc), "cp1251.mid");
  EXPECT_EQ(json::parse(AnalysisJsonDocument(doc))["tracks"][0]["name"], "Песня");
}

TEST_F(AnalysisJsonTest, ARefusedSongKeepsItsErrorAndHasNoBeats) {
  TAnalysisDocument doc = Analyse(kExamples + "minuet-in-g.mid");
  doc.beats.clear();
  doc.errors = {"Композиция слишком длинная"};
  const json parsed = json::parse(AnalysisJsonDocument(doc));
  EXPECT_EQ(parsed["errors"][0], "Композиция слишком длинная");
  EXPECT_TRUE(parsed["beats"].empty());
  ExpectValid(parsed.dump(), "refused");
}

}  // namespace
