// The headless command line on the bundled example songs, in process and as a program.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <optional>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "app/CommandLine.h"
#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "settings/untVars.h"
#include "tests/song/SongFiles.h"
#include "tests/TestFiles.h"

namespace fs = std::filesystem;

namespace {

const std::string kExamples = std::string(CANTARO_SOURCE_DIR) + "/examples/";
const std::string kFixtures = test_files::Fixtures();
const std::string kCantaro = std::string(CANTARO_BINARY_DIR) + "/bin/cantaro";

struct CliRun {
  int code;
  std::string out, err;
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

class CommandLine : public testing::Test {
 protected:
  static CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCommandLine(args, out, err);
    return {code, out.str(), err.str()};
  }
  static std::string Scratch(const std::string& name) {
    const fs::path dir = fs::path(testing::TempDir()) / ("cantaro-cli-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return (dir / name).string();
  }
};

std::vector<std::string> Split(const std::string& line, char sep = '\t') {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(line);
  while (std::getline(in, part, sep)) parts.push_back(part);
  if (!line.empty() && line.back() == sep) parts.push_back("");
  return parts;
}

TEST_F(CommandLine, ExportsTheChordTextOfASong) {
  const CliRun run = Cli({"--export", kExamples + "mary-had-a-little-lamb.mid", "--key", "C"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = run.Lines();
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[1], " Mary Had a Little Lamb");
  EXPECT_EQ(lines[2].rfind("TEMPO=", 0), 0u);
  EXPECT_NE(lines[2].find("C-->C"), std::string::npos);
  EXPECT_EQ(lines[lines.size() - 2], "//Created with Cantaro by Tabulist Software");
  // The first sung line starts with its chord above the first syllable.
  auto lyric = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Ma-ry", 0) == 0; });
  ASSERT_NE(lyric, lines.end());
  EXPECT_EQ((lyric - 1)->substr(0, 2), "C ");
}

TEST_F(CommandLine, SongNamedAloneIsExportedToo) {
  const CliRun alone = Cli({kExamples + "mary-had-a-little-lamb.mid", "--comments", "off"});
  const CliRun explicitExport = Cli({"--export", kExamples + "mary-had-a-little-lamb.mid", "--comments", "off"});
  ASSERT_EQ(alone.code, 0) << alone.err;
  // Only the date line may differ.
  std::vector<std::string> a = alone.Lines(), b = explicitExport.Lines();
  a.pop_back();
  b.pop_back();
  EXPECT_EQ(a, b);
  for (size_t i = 3; i + 3 < a.size(); ++i) EXPECT_NE(a[i].rfind("//", 0), 0u) << a[i];
}

TEST_F(CommandLine, KaraokeLyricsComeOutAsUtf8WithTheirChords) {
  const CliRun run = Cli({kExamples + "korobeiniki.kar", "--key", "Am", "--notation", "german"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.Lines()[1], " Коробейники");
  EXPECT_NE(run.Lines()[2].find("C-->C"), std::string::npos);
  EXPECT_NE(run.out.find("Ой, полным-полна коробушка"), std::string::npos);
}

TEST_F(CommandLine, TranspositionShowsInTheHeaderAndTheChords) {
  const CliRun plain = Cli({kExamples + "mary-had-a-little-lamb.mid", "--key", "C"});
  const CliRun up = Cli({kExamples + "mary-had-a-little-lamb.mid", "--key", "C", "--transpose", "2"});
  ASSERT_EQ(up.code, 0) << up.err;
  EXPECT_EQ(up.Lines()[2].find("TRANSPOS=-2 C-->D"), up.Lines()[2].find("TRANSPOS"));
  EXPECT_NE(up.Lines()[2].find("C-->D"), std::string::npos);
  EXPECT_NE(plain.out, up.out);
}

// The ChordPro form read back gives the lyrics of the text form with the chords in front of
// the same syllables.
TEST_F(CommandLine, ChordProParsesBackToTheTextForm) {
  const std::string song = kExamples + "korobeiniki.kar";
  const CliRun text = Cli({song, "--key", "Am", "--comments", "off"});
  const CliRun pro = Cli({song, "--key", "Am", "--comments", "off", "--format", "chordpro"});
  ASSERT_EQ(pro.code, 0) << pro.err;
  std::map<std::string, std::string> directives;
  std::vector<std::string> proLyrics;
  size_t markers = 0;  // those that change the chord: a sung line repeats the one going on
  std::string sounding;
  for (const std::string& line : pro.Lines()) {
    if (line.rfind("{", 0) == 0) {
      ASSERT_EQ(line.back(), '}') << line;
      const size_t colon = line.find(": ");
      ASSERT_NE(colon, std::string::npos) << line;
      directives[line.substr(1, colon - 1)] = line.substr(colon + 2, line.size() - colon - 3);
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    std::string lyric;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '[') {
        const size_t close = line.find(']', i);
        ASSERT_NE(close, std::string::npos) << line;
        const std::string name = line.substr(i + 1, close - i - 1);
        if (name != sounding) ++markers;
        sounding = name;
        i = close;
      } else {
        lyric += line[i];
      }
    }
    while (!lyric.empty() && lyric.back() == ' ') lyric.pop_back();
    if (!lyric.empty()) proLyrics.push_back(lyric);
  }
  EXPECT_EQ(directives["title"], "Коробейники");
  // The example is in A minor: ChordPro names the key with its mode.
  EXPECT_EQ(directives["key"], "Am");
  EXPECT_EQ(directives.count("tempo"), 1u);

  // The lyric lines of the text form, right-trimmed, in order.
  std::vector<std::string> textLyrics;
  size_t chordNames = 0;
  const std::vector<std::string> lines = text.Lines();
  for (size_t i = 3; i + 3 < lines.size(); ++i) {
    std::string l = lines[i];
    while (!l.empty() && l.back() == ' ') l.pop_back();
    if (l.empty()) continue;
    const bool chordLine = i + 1 < lines.size() && lines[i].find_first_not_of(' ') != std::string::npos &&
                           (l.find_first_of("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ,!.") ==
                            std::string::npos);
    if (chordLine) {
      std::istringstream names(l);
      for (std::string n; names >> n;) ++chordNames;
    } else {
      textLyrics.push_back(l);
    }
  }
  EXPECT_EQ(proLyrics, textLyrics);
  EXPECT_EQ(markers, chordNames);
}

TEST_F(CommandLine, GridFormHasFourBeatsPerRow) {
  const CliRun run = Cli({kExamples + "minuet-in-g.mid", "--format", "grid"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = run.Lines();
  ASSERT_FALSE(lines.empty());
  for (size_t row = 0; row < lines.size(); ++row) {
    const std::vector<std::string> cells = Split(lines[row]);
    ASSERT_EQ(cells.size(), 5u) << lines[row];
    EXPECT_EQ(cells[0], std::to_string(row));
  }
  EXPECT_NE(run.out.find("G"), std::string::npos);
}

TEST_F(CommandLine, HalfBeatsGiveTwiceTheRows) {
  const CliRun normal = Cli({kExamples + "minuet-in-g.mid", "--format", "grid"});
  const CliRun half = Cli({kExamples + "minuet-in-g.mid", "--format", "grid", "--beat", "half"});
  const CliRun twice = Cli({kExamples + "minuet-in-g.mid", "--format", "grid", "--beat", "double"});
  ASSERT_EQ(half.code, 0) << half.err;
  EXPECT_NEAR(double(half.Lines().size()), 2.0 * double(normal.Lines().size()), 1.0);
  EXPECT_NEAR(double(twice.Lines().size()), double(normal.Lines().size()) / 2.0, 1.0);
}

TEST_F(CommandLine, EventsListTracksAndDecodedEvents) {
  const CliRun run = Cli({"--events", kFixtures + "MIDIOkFormat1-lyrics.mid"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = run.Lines();
  EXPECT_EQ(lines[0], "№\tИмя трэка\tИнструмент");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "#\tTime\tEvent\tData\tInfo"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "2\t0:00.000\t$FF\t$05\tHe"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "3\t0:00.000\t$91\tD6\t121"), lines.end());
  for (const std::string& line : lines)
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) && line.find('$') != std::string::npos)
      EXPECT_EQ(Split(line).size(), 5u) << line;
}

TEST_F(CommandLine, RecognizeListsRankedVariantsInTheChosenNotation) {
  struct Case {
    std::vector<std::string> args;
    std::string first;
  } cases[] = {
      {{"--recognize", "C4", "E4", "G4"}, "1\tC\tC4 E4 G4"},
      {{"--recognize", "60", "64", "67"}, "1\tC\tC4 E4 G4"},
      {{"--recognize", "G4", "E4", "C4", "E4"}, "1\tC\tC4 E4 G4"},
      {{"--recognize", "Bb3", "D4", "F4"}, "1\tA#\tA#3 D4 F4"},
      {{"--recognize", "B3", "D4", "F4", "--notation", "german"}, "1\tB\tB3 D4 F4"},
      {{"--notation", "italian", "--recognize", "LA3", "DO4", "MI4"}, "1\tLAm\tLA3 DO4 MI4"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_FALSE(run.Lines().empty());
    EXPECT_EQ(run.Lines()[0], c.first) << c.args[1];
    TearDown();
  }
}

TEST_F(CommandLine, ContinuityKeepsAPassingNoteFromChangingItsBeatsChord) {
  // C E G on four beats; on the third a long A over a short G, which beat by beat is A minor.
  songfiles::TTrackBuilder t;
  for (int32_t on : {0, 480, 1440}) t.Note(0, 60, on, on + 480).Note(0, 64, on, on + 480).Note(0, 67, on, on + 480);
  t.Note(0, 60, 960, 1440).Note(0, 64, 960, 1440).Note(0, 67, 960, 1080).Note(1, 69, 960, 1440);
  const std::string song = songfiles::WriteSong("cli-continuity.mid", {t});
  auto grid = [&](std::vector<std::string> more) {
    std::vector<std::string> args = {"--export", song, "--key", "C", "--keysense", "on", "--format", "grid"};
    args.insert(args.end(), more.begin(), more.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, 0) << run.err;
    return run.Lines().empty() ? std::string() : run.Lines()[0];
  };
  EXPECT_EQ(grid({"--continuity", "off"}), "0\tC\tC\tAm\tC");
  EXPECT_EQ(grid({"--continuity", "on"}), "0\tC\tC\tC\tC");
  EXPECT_EQ(grid({}), "0\tC\tC\tAm\tC") << "off unless the settings say otherwise";
  EXPECT_EQ(grid({"--continuity", "on", "--keysense", "off"}), grid({"--keysense", "off"}))
      << "continuity only chooses among the table's chords";
}

// The song in A minor shifted up to B-flat minor: with sharps (the default) its chords are
// A#m and D#m, spelled by key Bbm and Ebm, one song and a batch alike.
TEST_F(CommandLine, SpellingByKeyNamesTheChordsWithTheKeysFlats) {
  const std::string song = kExamples + "korobeiniki.kar";
  const std::string folder = Scratch("spelling");
  fs::create_directories(folder + "/in");
  fs::copy_file(song, folder + "/in/song.kar", fs::copy_options::overwrite_existing);
  for (const char* spelling : {"", "sharps", "key"}) {
    std::vector<std::string> args = {"--export", song, "--key", "Am", "--transpose", "1", "--format", "grid"};
    if (*spelling) args.insert(args.end(), {"--spelling", spelling});
    const CliRun one = Cli(args);
    ASSERT_EQ(one.code, 0) << one.err;
    const bool byKey = std::string(spelling) == "key";
    EXPECT_EQ(one.out.find("\tBbm") != std::string::npos, byKey) << spelling;
    EXPECT_EQ(one.out.find("\tA#m") != std::string::npos, !byKey) << spelling;
    args[1] = folder + "/in";
    const std::string out = folder + "/out-" + (*spelling ? spelling : "default");
    args.insert(args.end(), {"-o", out, "--quiet"});
    const CliRun batch = Cli(args);
    ASSERT_EQ(batch.code, 0) << batch.err;
    std::ifstream in(out + "/song.tsv");
    const std::string grid{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(grid, one.out) << spelling;
  }
}

TEST_F(CommandLine, TheLearnedModelNamesTheSeventhAndTheJsonSaysWhoChose) {
  const std::string song = kExamples + "korobeiniki.kar";
  struct Case {
    const char* method;
    const char* json;
    bool sevenths;
  } cases[] = {{"learned", "\"method\": \"learned-model\"", true}, {"table", "\"method\": \"keysense-table\"", false}};
  for (const Case& c : cases) {
    const CliRun grid = Cli({"--export", song, "--chords", c.method, "--format", "grid"});
    ASSERT_EQ(grid.code, 0) << grid.err;
    EXPECT_EQ(grid.out.find("\tE7") != std::string::npos, c.sevenths) << c.method;
    TearDown();
    const CliRun json = Cli({"--export", song, "--chords", c.method, "--format", "json"});
    ASSERT_EQ(json.code, 0) << json.err;
    EXPECT_NE(json.out.find(c.json), std::string::npos) << c.method;
    TearDown();
  }
}

TEST_F(CommandLine, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"},
      {"--export"},
      {"--export", "a.mid", "--transpose", "12"},
      {"--export", "a.mid", "--beat", "triple"},
      {"--export", "a.mid", "--format", "docx"},
      {"--export", "a.mid", "--notation", "french"},
      {"--export", "a.mid", "--keysense", "maybe"},
      {"--export", "a.mid", "--continuity", "2"},
      {"--export", "a.mid", "--chords", "neural"},
      {"--export", "a.mid", "--spelling", "flats"},
      {"--export", "a.mid", "--format", "musicxml", "--melody-track", "0"},
      {"--export", "a.mid", "--format", "musicxml", "--melody-track", "voice"},
      {"--render", "a.mid", "-o", "a.wav", "--gain", "loud"},
      {"--render", "a.mid", "-o", "a.wav", "--gain", "-6,5"},
      {"--render", "a.mid", "-o", "a.wav", "--gain", "200"},
      {"--recognize"},
      {"--recognize", "X9"},
      {"--recognize", "C4", "200"},
      {"a.mid", "b.mid"},
      {"--export", kExamples + "mary-had-a-little-lamb.mid", "--key", "Q"},
  };
  for (const auto& args : cases) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, kExitUsage) << args[0] << " " << (args.size() > 1 ? args.back() : "");
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.out.empty());
  }
}

TEST_F(CommandLine, FileErrorsNameTheFileAndExitWithOne) {
  const std::string empty = Scratch("empty.mid");
  std::ofstream(empty).close();
  const std::string letter = Scratch("letter.mid");
  std::ofstream(letter) << "Dear friend, this is no song.\n";
  const std::string folder = Scratch("folder.kar");
  std::filesystem::create_directories(folder);
  struct Case {
    std::string file, message;
  } cases[] = {
      {Scratch("missing.mid"), "Файл " + Scratch("missing.mid") + " не найден"},
      {empty, "Файл \"" + empty + "\" пуст или испорчен."},
      {letter, "Файл \"" + letter + "\" пуст или испорчен."},
      {folder, folder + " — это папка, а не файл песни"},
      {kFixtures + "MIDIBadHeaderChunk.mid", "пуст или испорчен"},
  };
  for (const Case& c : cases) {
    for (const char* command : {"--export", "--events"}) {
      if (c.file == folder && command == std::string("--export")) continue;  // a folder of songs: a batch
      const CliRun run = Cli({command, c.file});
      EXPECT_EQ(run.code, kExitFailure) << c.file;
      EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
      EXPECT_TRUE(run.out.empty());
    }
  }
}

TEST_F(CommandLine, TheVersionIsTheProjectsVersion) {
  std::ifstream cmake(std::string(CANTARO_SOURCE_DIR) + "/CMakeLists.txt");
  const std::string lists((std::istreambuf_iterator<char>(cmake)), std::istreambuf_iterator<char>());
  std::smatch m;
  ASSERT_TRUE(std::regex_search(lists, m, std::regex(R"(project\(Cantaro VERSION ([0-9.]+))")));
  const CliRun run = Cli({"--version"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.out, "cantaro " + m[1].str() + "\n");
  EXPECT_TRUE(run.err.empty());
}

TEST_F(CommandLine, ADamagedFileGivesWhatItHoldsAndANoticeOnStderr) {
  // Two tracks: the second is cut inside its second note-on.
  const std::string cut = Scratch("cut.mid");
  {
    std::ofstream f(cut, std::ios::binary);
    const unsigned char bytes[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96,
                                   'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0x90, 60, 64,
                                   'M', 'T', 'r', 'k', 0, 0, 0, 7, 0, 0x90, 62, 64, 0, 0x90, 64};
    f.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
  }
  const CliRun run = Cli({"--events", cut});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, MesFormat(MesId::SDamagedFile, 1) + "\n");
  EXPECT_NE(run.out.find("D4"), std::string::npos) << "the complete note of the cut track is listed";
  // A whole file says nothing of the kind.
  EXPECT_EQ(Cli({"--events", kExamples + "mary-had-a-little-lamb.mid"}).err, "");

  // A karaoke file cut off in its lyrics track: its chunk is longer than the file. The tracks
  // before it and the lyrics up to the cut are listed, and the chord text is made of them.
  std::ifstream song(kExamples + "korobeiniki.kar", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(song)), std::istreambuf_iterator<char>());
  const std::string karaoke = Scratch("korobeiniki-cut.kar");
  std::ofstream(karaoke, std::ios::binary) << bytes.substr(0, 700);  // inside the third track
  const CliRun events = Cli({"--events", karaoke});
  EXPECT_EQ(events.code, 0) << events.err;
  // Cut inside its third track, the file also lacks the three tracks after it.
  EXPECT_EQ(events.err, MesFormat(MesId::SDamagedFileCutMissing, 1, 3) + "\n");
  const CliRun text = Cli({"--export", karaoke});
  EXPECT_EQ(text.code, 0) << text.err;
  EXPECT_NE(text.out.find("Коробейники"), std::string::npos) << text.out;
}

TEST_F(CommandLine, OutputFileIsWrittenOrTheFailureReported) {
  const std::string target = Scratch("out.txt");
  const CliRun run = Cli({kExamples + "mary-had-a-little-lamb.mid", "-o", target});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(run.out.empty());
  std::ifstream in(target);
  std::string first, second;
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_EQ(second, " Mary Had a Little Lamb");

  const CliRun bad = Cli({kExamples + "mary-had-a-little-lamb.mid", "-o", Scratch("no/such/folder/out.txt")});
  EXPECT_EQ(bad.code, kExitFailure);
  EXPECT_NE(bad.err.find("no/such/folder/out.txt"), std::string::npos);
}

TEST_F(CommandLine, RendersTheSongToAWaveFile) {
  const std::string target = Scratch("mary.wav");
  const CliRun run =
      Cli({"--render", kExamples + "mary-had-a-little-lamb.mid", "-o", target, "--transpose", "-3", "--gain", "+1.5"});
  ASSERT_EQ(run.code, 0) << run.err;
  std::ifstream in(target, std::ios::binary);
  char header[12] = {};
  in.read(header, sizeof header);
  EXPECT_EQ(std::string(header, 4), "RIFF");
  EXPECT_EQ(std::string(header + 8, 4), "WAVE");
  EXPECT_GT(fs::file_size(target), 44100u * 4);

  EXPECT_EQ(Cli({"--render", kExamples + "mary-had-a-little-lamb.mid"}).code, kExitUsage);
  const CliRun missing = Cli({"--render", Scratch("none.mid"), "-o", target + "2"});
  EXPECT_EQ(missing.code, kExitFailure);
  EXPECT_FALSE(missing.err.empty());
}

TEST_F(CommandLine, DevicesListsTheBuiltInSynthesizerFirst) {
  const CliRun run = Cli({"--devices"});
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_FALSE(run.Lines().empty());
  EXPECT_EQ(run.Lines()[0].rfind("0: ", 0), 0u);
}

// The lead sheet: written for the track asked for; a track the song lacks and a file of
// independent sequences are refused on standard error with exit code 1.
TEST_F(CommandLine, TheLeadSheetTakesTheMelodyTrackAskedForOrSaysWhyNot) {
  const std::string mary = kExamples + "mary-had-a-little-lamb.mid";
  const CliRun chosen = Cli({"--export", mary, "--format", "musicxml"});
  ASSERT_EQ(chosen.code, 0) << chosen.err;
  EXPECT_NE(chosen.out.find("<score-partwise version=\"3.1\">"), std::string::npos);
  EXPECT_NE(chosen.out.find("<pitch>"), std::string::npos);
  TearDown();
  // Track 1 is the conductor's: no notes, the chords over rests.
  const CliRun conductor = Cli({"--export", mary, "--format", "musicxml", "--melody-track", "1"});
  ASSERT_EQ(conductor.code, 0) << conductor.err;
  EXPECT_EQ(conductor.out.find("<pitch>"), std::string::npos);
  EXPECT_NE(conductor.out.find("<harmony"), std::string::npos);
  TearDown();
  const struct {
    std::vector<std::string> args;
    std::string message;
  } refused[] = {
      {{"--export", mary, "--format", "musicxml", "--melody-track", "40"}, MesFormat(MesId::SLeadSheetNoTrack, 40)},
      {{"--export", kFixtures + "MIDIOkFormat2.mid", "--format", "musicxml"}, Mes(MesId::SLeadSheetFormat2)},
  };
  for (const auto& r : refused) {
    const CliRun run = Cli(r.args);
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_NE(run.err.find(r.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    TearDown();
  }
}

TEST_F(CommandLine, HelpListsEveryCommandAndOption) {
  const CliRun run = Cli({"--help"});
  EXPECT_EQ(run.code, 0);
  for (const char* word : {"--export", "--events", "--recognize", "--devices", "--render", "-o", "--key", "--transpose", "--beat",
                           "--notation", "--keysense", "--continuity", "--chords", "--spelling", "--comments", "--format",
                           "--codepage", "musicxml", "--melody-track"})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliParsing, KeysAndNotes) {
  const std::pair<const char*, int> keys[] = {{"C", 0},  {"Am", 0},  {"F#", 6},         {"Bb", 10},
                                              {"Em", 7}, {"11", 11}, {"G или Em", 7}};
  for (const auto& [text, key] : keys) {
    const TResult<int> parsed = ParseCliKey(text, NoteNotation::English);
    ASSERT_TRUE(parsed.Ok()) << text;
    EXPECT_EQ(parsed.Value(), key) << text;
  }
  for (const char* text : {"12", "Cmaj", "", "-1"}) {
    const TResult<int> parsed = ParseCliKey(text, NoteNotation::English);
    ASSERT_FALSE(parsed.Ok()) << text;
    EXPECT_EQ(parsed.Error().Text, MesFormat(MesId::SCliBadValue, "--key", text));
  }
  EXPECT_EQ(ParseCliNote("C4", NoteNotation::English), 60);
  EXPECT_EQ(ParseCliNote("C-1", NoteNotation::English), 0);
  EXPECT_EQ(ParseCliNote("G9", NoteNotation::English), 127);
  EXPECT_EQ(ParseCliNote("G#9", NoteNotation::English), std::nullopt);
  EXPECT_EQ(ParseCliNote("B#3", NoteNotation::English), 60);
  EXPECT_EQ(ParseCliNote("C", NoteNotation::English), std::nullopt);
  EXPECT_EQ(ParseCliNote("C+4", NoteNotation::English), std::nullopt);
  EXPECT_EQ(ParseCliNote("-3", NoteNotation::English), std::nullopt);
}

// The program run as a user runs it, with a configuration folder of its own and the locale
// given (nullopt: the variable is unset).
struct ProgramRun {
  int code;
  std::string out, err;
};
ProgramRun RunCantaro(const QStringList& args, const std::map<QString, std::optional<QString>>& env = {
                                                   {"LC_ALL", "ru_RU.UTF-8"}}) {
  static const std::string config = [] {
    std::string dir = (fs::temp_directory_path() / "cantaro-cli-XXXXXX").string();
    return mkdtemp(dir.data()) ? dir : std::string("/nonexistent");
  }();
  QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
  e.insert("XDG_CONFIG_HOME", QString::fromStdString(config));
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) e.remove(name);
  for (const auto& [name, value] : env)
    if (value) e.insert(name, *value);
  QProcess process;
  process.setProcessEnvironment(e);
  process.start(QString::fromStdString(kCantaro), args);
  if (!process.waitForFinished(60000)) return {-1, {}, {}};
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

TEST(CantaroProgram, TheCommandLineSpeaksTheSystemsLanguage) {
  using Env = std::map<QString, std::optional<QString>>;
  struct Case {
    Env env;
    const char* help;
    const char* error;
  } cases[] = {
      {{{"LC_ALL", "C"}}, "Usage:", "Unknown option: --bogus"},
      {{}, "Usage:", "Unknown option"},  // nothing set: English
      {{{"LANG", "ru_RU.UTF-8"}}, "Использование:", "Неизвестный параметр: --bogus"},
      {{{"LANG", "be_BY.UTF-8"}}, "Выкарыстанне:", "Невядомы параметр: --bogus"},
      {{{"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, "", "Opzione sconosciuta: --bogus"},
      {{{"LC_ALL", "de_DE.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, "Usage:", "Unknown option"},
      {{{"LC_ALL", "xx_YY.UTF-8@euro"}}, "Usage:", "Unknown option"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.help);
    const ProgramRun help = RunCantaro({"--help"}, c.env);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind(c.help, 0), 0u) << help.out.substr(0, 80);
    const ProgramRun bad = RunCantaro({"--bogus"}, c.env);
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find(c.error), std::string::npos) << bad.err;
  }
}

// The installed program as a user runs it.
TEST(CantaroProgram, ExitCodesAndStreams) {
  struct Case {
    QStringList args;
    int code;
    const char* inOut;
    const char* inErr;
  } cases[] = {
      {{}, 0, "--export", ""},
      {{"--bogus"}, 2, "", "--bogus"},
      {{QString::fromStdString(kExamples + "korobeiniki.kar")}, 0, "Коробейники", ""},
      {{"--export", "/nonexistent/song.kar"}, 1, "", "не найден"},
      {{"--version"}, 0, "cantaro ", ""},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunCantaro(c.args);
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_NE(run.out.find(c.inOut), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
  }
}

}  // namespace

namespace {

// What is left of a text to compare when spaces, line ends and hyphens mean nothing: a PDF
// reader breaks and joins a sheet's rows its own way.
std::string Squeezed(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\n' && c != '\r' && c != '\f' && c != '\t' && c != '-') out += c;
  return out;
}

// The chords and then the syllables of each line of the ChordPro form, line by line: the
// order in which they stand on a sheet with the chords above the syllables. Both open a sung
// line with the chord going on from the line before.
std::string SheetOrderOfChordPro(const std::string& chordPro, bool& hasLyrics) {
  std::istringstream in(chordPro);
  std::string out;
  hasLyrics = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '{' || line[0] == '#') continue;
    std::string chords, syllables;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '[') {
        const size_t end = line.find(']', i);
        chords += line.substr(i + 1, end - i - 1);
        i = end;
      } else {
        syllables += line[i];
      }
    }
    hasLyrics = hasLyrics || !Squeezed(syllables).empty();
    out += chords + syllables;
  }
  return Squeezed(out);
}

}  // namespace

// The chord sheet as a PDF: a PDF reader finds each example's chord names and syllables in the
// song's order, a song without lyrics as the beat grid's rows; above them the strip of chord
// diagrams names every distinct chord, and the capo hint stands where a capo saves a barre.
TEST(CantaroProgram, PdfSheetCarriesTheChordsAndSyllablesInTheSongsOrder) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "needs pdftotext (poppler-utils, which scripts/install-deps --test installs)";
  // The examples' chords are open ones; a semitone up, the song in A minor needs barres that a
  // capo on the first fret saves.
  // Spelled by key, the chords of the sheet and the strip are those of the other outputs.
  struct Case {
    const char* name;
    const char* transpose;
    const char* spelling;
    const char* capo;
  };
  for (const auto& [name, transpose, spelling, capo] :
       {Case{"korobeiniki.kar", "0", "sharps", nullptr}, Case{"mary-had-a-little-lamb.mid", "0", "sharps", nullptr},
        Case{"minuet-in-g.mid", "0", "sharps", nullptr}, Case{"korobeiniki.kar", "1", "key", "Каподастр1:игратьAmEDm"}}) {
    const QString song = QString::fromStdString(kExamples + name);
    const std::string pdf = (fs::path(testing::TempDir()) / (std::string(name) + transpose + ".pdf")).string();
    const QStringList request = {"--export", song, "--key", "auto", "--transpose", transpose, "--spelling", spelling};
    // Fontconfig keeps its caches to the end of a program that paints text.
    const ProgramRun run = RunCantaro(request + QStringList{"--format", "pdf", "-o", QString::fromStdString(pdf)},
                                      {{"LC_ALL", "ru_RU.UTF-8"}, {"ASAN_OPTIONS", "detect_leaks=0"}});
    ASSERT_EQ(run.code, 0) << name << ": " << run.err;

    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000)) << name;
    std::string text = Squeezed(reader.readAllStandardOutput().toStdString());
    // The page numbers at the foot of the pages stand between the rows.
    text = std::regex_replace(text, std::regex("Страница[0-9]+из[0-9]+"), "");

    bool hasLyrics = false;
    std::string expected =
        SheetOrderOfChordPro(RunCantaro(request + QStringList{"--format", "chordpro", "--comments", "off"}).out, hasLyrics);
    if (!hasLyrics) {
      // Four beats a row, every beat's chord as the grid shows it.
      expected.clear();
      std::istringstream grid(RunCantaro(request + QStringList{"--format", "grid"}).out);
      for (std::string row; std::getline(grid, row);) {
        const std::vector<std::string> cells = Split(row);
        for (size_t c = 1; c < cells.size(); ++c) expected += cells[c];
      }
      expected = Squeezed(expected);
    }
    ASSERT_GT(expected.size(), 20u) << name;
    EXPECT_NE(text.find(expected), std::string::npos) << name << "\nexpected: " << expected << "\nread: " << text;
    EXPECT_NE(text.find("Тональность"), std::string::npos) << name;
    EXPECT_NE(text.find("Темп"), std::string::npos) << name;

    const size_t header = text.find("Темп"), body = text.find(expected);
    ASSERT_LT(header, body) << name;
    const std::string strip = text.substr(header, body - header);
    std::istringstream grid(RunCantaro(request + QStringList{"--format", "grid"}).out);
    std::set<std::string> chords;
    for (std::string row; std::getline(grid, row);) {
      const std::vector<std::string> cells = Split(row);
      for (size_t c = 1; c < cells.size(); ++c)
        if (!cells[c].empty() && cells[c] != "?") chords.insert(cells[c]);
    }
    ASSERT_FALSE(chords.empty()) << name;
    for (const std::string& chord : chords)
      EXPECT_NE(strip.find(chord), std::string::npos) << name << ": " << chord << " in " << strip;
    EXPECT_EQ(strip.find("Каподастр") != std::string::npos, capo != nullptr) << name << ": " << strip;
    if (capo) EXPECT_NE(strip.find(capo), std::string::npos) << name << ": " << strip;
    if (std::string(spelling) == "key") EXPECT_NE(text.find("Тональность:BbmТемп"), std::string::npos) << text;
  }
}
