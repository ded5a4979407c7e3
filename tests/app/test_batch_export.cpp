// Export of many songs at once: folders searched, results under the output folder, bad songs
// reported while the rest completes, JSON Lines on one stream, a clean stop.
#include <gtest/gtest.h>

#include <QProcess>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/midi/MidiBytes.h"
#include "app/AtomicFile.h"
#include "app/BatchExport.h"
#include "app/BatchInputs.h"
#include "app/BatchProgress.h"
#include "app/CommandLine.h"
#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "midi/MidiFile.h"
#include "settings/untVars.h"
#include "tests/export/JsonSchemaCheck.h"

namespace fs = std::filesystem;
using nlohmann::json;

// The PDF of the batch is painted with Qt's fonts; fontconfig keeps its caches to the end.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

const fs::path kExamples = fs::path(CANTARO_SOURCE_DIR) / "examples";
const std::string kCantaro = std::string(CANTARO_BINARY_DIR) + "/bin/cantaro";

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& p, const std::string& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
}

struct Outcome {
  int code;
  std::string out, err;
};

class BatchExport : public testing::Test {
 protected:
  void SetUp() override {
    root = fs::path(testing::TempDir()) / ("cantaro-batch-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override {
    fs::remove_all(root);
  }

  static Outcome Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCommandLine(args, out, err);
    return {code, out.str(), err.str()};
  }
  static Outcome Batch(std::vector<std::string> args, const TBatchHooks& hooks) {
    const TCliParse parse = ParseCommandLine(args);
    EXPECT_TRUE(parse.error.empty()) << parse.error;
    std::ostringstream out, err;
    const int code = RunBatchExport(parse.options, LoadCliSettings(parse.options, err), out, err, hooks);
    return {code, out.str(), err.str()};
  }

  // A folder of songs: the three examples at the top, in a subfolder and with other cases of
  // their extensions, and files that are no songs.
  fs::path SongFolder() {
    const fs::path in = root / "in";
    fs::create_directories(in / "sub" / "deeper");
    fs::copy_file(kExamples / "korobeiniki.kar", in / "korobeiniki.kar");
    fs::copy_file(kExamples / "mary-had-a-little-lamb.mid", in / "sub" / "Mary.MID");
    fs::copy_file(kExamples / "minuet-in-g.mid", in / "sub" / "deeper" / "minuet.Midi");
    WriteAll(in / "notes.txt", "not a song");
    WriteAll(in / "sub" / "cover.png", "not a song either");
    return in;
  }

  std::vector<fs::path> FilesUnder(const fs::path& dir) {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
      if (e.is_regular_file()) files.push_back(e.path().lexically_relative(dir));
    std::sort(files.begin(), files.end());
    return files;
  }

  fs::path root;
};

TEST_F(BatchExport, AFolderIsSearchedRecursivelyAndEachResultLandsUnderItsRelativePath) {
  const fs::path in = SongFolder();
  const Outcome run = Cli({"--export", in.string(), "-o", (root / "out").string(), "--format", "json", "--key", "auto"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(FilesUnder(root / "out"),
            (std::vector<fs::path>{"korobeiniki.json", "sub/Mary.json", "sub/deeper/minuet.json"}));
  for (const fs::path& f : FilesUnder(root / "out")) {
    const std::string text = ReadAll(root / "out" / f);
    const std::vector<std::string> errors = schemacheck::CheckAnalysisText(text);
    EXPECT_TRUE(errors.empty()) << f << ": " << errors.front();
  }
  EXPECT_EQ(json::parse(ReadAll(root / "out" / "sub" / "Mary.json"))["file"], (in / "sub" / "Mary.MID").string());
  EXPECT_NE(run.err.find(MesFormat(MesId::SBatchSummary, 3, 3, 0)), std::string::npos) << run.err;
}

TEST_F(BatchExport, EveryFormatWritesItsOwnExtensionAndTheTextIsTheOneSongExportsText) {
  const fs::path in = SongFolder();
  for (const auto& [format, ext] : std::vector<std::pair<std::string, std::string>>{
           {"text", ".txt"}, {"chordpro", ".cho"}, {"grid", ".tsv"}, {"midi", ".mid"}, {"pdf", ".pdf"}}) {
    const fs::path out = root / ("out-" + format);
    const Outcome run = Cli({"--export", in.string(), "-o", out.string(), "--format", format, "--key", "C", "--quiet"});
    ASSERT_EQ(run.code, 0) << format << ": " << run.err;
    EXPECT_TRUE(fs::exists(out / ("korobeiniki" + ext))) << format;
    EXPECT_TRUE(fs::exists(out / "sub" / ("Mary" + ext))) << format;
  }
  // The batch writes what the one-song export writes (but for the signature's time).
  const Outcome single = Cli({"--export", (in / "korobeiniki.kar").string(), "--key", "C", "--format", "grid"});
  ASSERT_EQ(single.code, 0);
  EXPECT_EQ(ReadAll(root / "out-grid" / "korobeiniki.tsv"), single.out);
  TMidiFile midi;
  midi.SetFilename((root / "out-midi" / "korobeiniki.mid").string());
  EXPECT_EQ(midi.LoadFile(), 7) << "six tracks and the chord track";
  EXPECT_EQ(midi.TrackAt(6).Name(), "Chords");
  EXPECT_EQ(ReadAll(root / "out-pdf" / "sub" / "Mary.pdf").rfind("%PDF-", 0), 0u);
}

TEST_F(BatchExport, AResultGetsThePermissionsTheUsersMaskGivesANewFile) {
  const fs::path in = SongFolder();
  // The mask is the process's: put back whatever happens below.
  struct KeepMask {
    mode_t mask = ::umask(022);
    ~KeepMask() { ::umask(mask); }
  } keep;
  for (const mode_t mask : {022, 027, 077, 002}) {
    ::umask(mask);
    const fs::path out = root / ("out-" + std::to_string(mask));
    const Outcome run = Cli({"--export", in.string(), "-o", out.string(), "--format", "text", "--key", "C", "--quiet"});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const fs::path& f : FilesUnder(out)) {
      struct stat st {};
      ASSERT_EQ(::stat((out / f).c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask) << f << " under the mask " << std::oct << mask;
    }
  }
}

TEST_F(BatchExport, ResultsInsideTheSongFolderAreNotTakenForSongsTheNextTime) {
  const fs::path in = SongFolder();
  const fs::path out = in / "with-chords";
  for (int run = 0; run < 2; ++run) {
    const Outcome r = Cli({"--export", in.string(), "-o", out.string(), "--format", "midi", "--key", "C", "--quiet"});
    ASSERT_EQ(r.code, 0) << r.err;
  }
  EXPECT_EQ(FilesUnder(out), (std::vector<fs::path>{"korobeiniki.mid", "sub/Mary.mid", "sub/deeper/minuet.mid"}));
}

TEST_F(BatchExport, SeveralSongsOrAFolderNeedAnOutputFolderExceptForJsonLines) {
  const fs::path in = SongFolder();
  const Outcome noFolder = Cli({"--export", in.string(), "--format", "json"});
  EXPECT_EQ(noFolder.code, kExitUsage);
  EXPECT_NE(noFolder.err.find(Mes(MesId::SBatchNeedsFolder)), std::string::npos);
  const Outcome two = Cli({"--export", (in / "korobeiniki.kar").string(), (in / "sub" / "Mary.MID").string()});
  EXPECT_EQ(two.code, kExitUsage);
  EXPECT_EQ(Cli({"--export", in.string(), "--jobs", "0"}).code, kExitUsage);
  EXPECT_EQ(Cli({"--export", in.string(), "--jobs", "x"}).code, kExitUsage);
  EXPECT_EQ(Cli({"--export", in.string(), "-o", (root / "o").string(), "--key", "Q#"}).code, kExitUsage);
}

TEST_F(BatchExport, JsonLinesStreamOneValidDocumentPerSongInTheOrderOfTheSongs) {
  const fs::path in = SongFolder();
  for (const char* jobs : {"1", "3"}) {
    const Outcome run = Cli({"--export", in.string(), "--format", "jsonl", "--jobs", jobs});
    ASSERT_EQ(run.code, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> files;
    for (std::string line; std::getline(lines, line);) {
      const std::vector<std::string> errors = schemacheck::CheckAnalysisText(line);
      EXPECT_TRUE(errors.empty()) << errors.front();
      files.push_back(json::parse(line)["file"]);
    }
    EXPECT_EQ(files, (std::vector<std::string>{(in / "korobeiniki.kar").string(), (in / "sub" / "Mary.MID").string(),
                                               (in / "sub" / "deeper" / "minuet.Midi").string()}));
  }
  // Into a file: the same lines, the file written whole.
  const Outcome toFile = Cli({"--export", in.string(), "--format", "jsonl", "-o", (root / "all.jsonl").string()});
  ASSERT_EQ(toFile.code, 0) << toFile.err;
  EXPECT_EQ(FilesUnder(root), (std::vector<fs::path>{"all.jsonl", "in/korobeiniki.kar", "in/notes.txt", "in/sub/Mary.MID",
                                                     "in/sub/cover.png", "in/sub/deeper/minuet.Midi"}));
}

TEST_F(BatchExport, JsonLinesIntoAFolderAreRefusedBeforeAnySongIsAnalysed) {
  fs::create_directories(root / "folder");
  const Outcome run = Cli({"--export", kExamples.string(), "--format", "jsonl", "-o", (root / "folder").string()});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err.find(MesFormat(MesId::SCliWriteError, (root / "folder").string(), "")), 0u) << run.err;
  EXPECT_TRUE(FilesUnder(root / "folder").empty());
}

TEST_F(BatchExport, SongsAnalysedOnSeveralThreadsGiveWhatOneThreadGives) {
  // Songs of different keys, lengths and options meet on the threads at once.
  const fs::path in = root / "in";
  const fs::path pop = fs::path(CANTARO_SHARED_DIR) / "corpus" / "pop";
  if (fs::is_directory(pop)) {
    std::vector<fs::path> songs;
    for (const auto& e : fs::directory_iterator(pop))
      if (e.path().extension() == ".mid") songs.push_back(e.path());
    std::sort(songs.begin(), songs.end());
    if (songs.size() > 24) songs.resize(24);
    for (const fs::path& song : songs) WriteAll(in / song.filename(), ReadAll(song));
  } else {
    for (int i = 0; i < 4; ++i)
      for (const char* name : {"korobeiniki.kar", "mary-had-a-little-lamb.mid", "minuet-in-g.mid"})
        WriteAll(in / (std::to_string(i) + name), ReadAll(kExamples / name));
  }
  for (const char* keysense : {"on", "off"}) {
    const std::vector<std::string> args = {"--export", in.string(), "--format", "jsonl", "--key", "auto",
                                           "--keysense", keysense, "--quiet"};
    std::vector<std::string> one = args, three = args;
    one.insert(one.end(), {"--jobs", "1"});
    three.insert(three.end(), {"--jobs", "3"});
    const Outcome single = Cli(one);
    const Outcome parallel = Cli(three);
    ASSERT_EQ(single.code, 0) << single.err;
    ASSERT_EQ(parallel.code, 0) << parallel.err;
    EXPECT_GT(single.out.size(), 1000u);
    EXPECT_TRUE(single.out == parallel.out) << "keysense " << keysense;
  }
}

TEST_F(BatchExport, OneSongAsJsonGoesToStandardOutputOrTheFileNamed) {
  const std::string song = (kExamples / "mary-had-a-little-lamb.mid").string();
  const Outcome out = Cli({"--export", song, "--format", "json", "--transpose", "2"});
  ASSERT_EQ(out.code, 0) << out.err;
  EXPECT_TRUE(schemacheck::CheckAnalysisText(out.out).empty());
  EXPECT_EQ(json::parse(out.out)["transposition"], 2);
  const Outcome file = Cli({"--export", song, "--format", "midi", "-o", (root / "mary-chords.mid").string()});
  ASSERT_EQ(file.code, 0) << file.err;
  EXPECT_EQ(ReadAll(root / "mary-chords.mid").substr(0, 4), "MThd");
}

TEST_F(BatchExport, ADamagedSongGivesWhatItHoldsAndItsJsonSaysItIsNotAll) {
  // Two notes of a chord, then the chunk ends inside a third event.
  WriteAll(root / "cut.mid", MidiBytes().Header(1, 2, 96).Track({0x00, 0xFF, 0x2F, 0x00}).Track(
                                 {0x00, 0x90, 0x3C, 0x40, 0x00, 0x90, 0x40, 0x40, 0x00, 0x90, 0x43, 0x40, 0x60, 0x80,
                                  0x3C, 0x00, 0x00, 0x80, 0x40, 0x00, 0x00, 0x80, 0x43, 0x00, 0x10, 0x90, 0x3E}));
  const Outcome out = Cli({"--export", (root / "cut.mid").string(), "--format", "json"});
  ASSERT_EQ(out.code, 0) << out.err;
  const json doc = json::parse(out.out);
  EXPECT_GT(doc["beats"].size(), 0u);
  ASSERT_EQ(doc["warnings"].size(), 1u) << out.out;
  EXPECT_EQ(doc["warnings"][0], MesFormat(MesId::SDamagedFile, 1));
  EXPECT_NE(out.err.find(MesFormat(MesId::SDamagedFile, 1)), std::string::npos) << out.err;
  // A whole song has none.
  const Outcome whole = Cli({"--export", (kExamples / "mary-had-a-little-lamb.mid").string(), "--format", "json"});
  EXPECT_TRUE(json::parse(whole.out)["warnings"].empty());
}

TEST_F(BatchExport, BadSongsAreReportedByNameAndTheRestCompletes) {
  const fs::path in = SongFolder();
  WriteAll(in / "empty.mid", "");
  WriteAll(in / "text.mid", "this is not a MIDI file at all, only text with a song's name");
  fs::create_directories(in / "folder.mid");  // a folder with a song's name is not searched as a song
  WriteAll(in / "folder.mid" / "inside.kar", ReadAll(kExamples / "korobeiniki.kar"));
  const fs::path missing = root / "missing.mid";
  const fs::path out = root / "out";

  const Outcome run = Cli({"--export", in.string(), missing.string(), "-o", out.string(), "--format", "json"});
  EXPECT_EQ(run.code, kExitFailure) << run.err;
  EXPECT_NE(run.err.find((in / "empty.mid").string() + ": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find((in / "text.mid").string() + ": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(missing.string() + ": " + MesFormat(MesId::SSongFileNotFound, missing.string())),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find(MesFormat(MesId::SBatchSummary, 4, 7, 3)), std::string::npos) << run.err;
  EXPECT_TRUE(fs::exists(out / "korobeiniki.json"));
  EXPECT_TRUE(fs::exists(out / "folder.mid" / "inside.json"));
  EXPECT_FALSE(fs::exists(out / "empty.json"));
  EXPECT_FALSE(fs::exists(out / "text.json"));
}

TEST_F(BatchExport, AFolderGivenAsASongCannotBeReadAndIsReported) {
  fs::create_directories(root / "song.mid");
  TCliOptions options;
  options.command = TCliCommand::Export;
  options.file = (root / "song.mid").string();
  options.inputs = {(root / "song.mid").string(), (kExamples / "minuet-in-g.mid").string()};
  options.format = FindOutputFormat("json");
  options.output = (root / "out").string();
  // A folder named directly is searched, and holds no songs.
  std::ostringstream out, err;
  EXPECT_EQ(RunBatchExport(options, LoadCliSettings(options, err), out, err), kExitFailure);
  EXPECT_NE(err.str().find(MesFormat(MesId::SBatchNoSongs, (root / "song.mid").string())), std::string::npos) << err.str();
  EXPECT_TRUE(fs::exists(root / "out" / "minuet-in-g.json"));
}

TEST_F(BatchExport, TwoSongsWithTheSameResultWriteTheFirstAndReportTheSecond) {
  const fs::path in = root / "in";
  fs::create_directories(in);
  fs::copy_file(kExamples / "korobeiniki.kar", in / "song.kar");
  fs::copy_file(kExamples / "minuet-in-g.mid", in / "song.mid");
  const Outcome run = Cli({"--export", in.string(), "-o", (root / "out").string(), "--format", "json", "--quiet"});
  EXPECT_EQ(run.code, kExitFailure);
  const std::string result = (root / "out" / "song.json").string();
  EXPECT_NE(run.err.find((in / "song.mid").string() + ": " +
                         MesFormat(MesId::SBatchSameOutput, result, (in / "song.kar").string())),
            std::string::npos)
      << run.err;
  EXPECT_EQ(json::parse(ReadAll(result))["file"], (in / "song.kar").string());
}

TEST_F(BatchExport, AResultNeverReplacesTheSongItself) {
  const fs::path in = root / "in";
  fs::create_directories(in);
  fs::copy_file(kExamples / "minuet-in-g.mid", in / "minuet.mid");
  const std::string before = ReadAll(in / "minuet.mid");
  const Outcome run = Cli({"--export", in.string(), "-o", in.string(), "--format", "midi"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_NE(run.err.find(MesFormat(MesId::SBatchOverwritesSong, (in / "minuet.mid").string())), std::string::npos)
      << run.err;
  EXPECT_EQ(ReadAll(in / "minuet.mid"), before);
}

TEST_F(BatchExport, AnOutputFolderThatCannotBeCreatedIsReportedAndNothingIsAnalysed) {
  WriteAll(root / "plain-file", "x");
  const Outcome run = Cli({"--export", kExamples.string(), "-o", (root / "plain-file" / "out").string(), "--format", "json"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err.rfind(Mes(MesId::SBatchOutputFolder).substr(0, 20), 0), 0u) << run.err;
  EXPECT_EQ(ReadAll(root / "plain-file"), "x");
}

TEST_F(BatchExport, AResultThatCannotBeWrittenFailsThatSongOnlyAndLeavesNoTemporaryFile) {
  const fs::path in = SongFolder();
  const fs::path out = root / "out";
  fs::create_directories(out / "korobeiniki.json");  // a folder where the result should go
  const Outcome run = Cli({"--export", in.string(), "-o", out.string(), "--format", "json"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_NE(run.err.find((out / "korobeiniki.json").string()), std::string::npos) << run.err;
  EXPECT_TRUE(fs::exists(out / "sub" / "Mary.json"));
  for (const fs::path& f : FilesUnder(out)) EXPECT_NE(f.filename().string()[0], '.') << f;
}

fs::path CopiesOf(const fs::path& folder, const fs::path& song, int count) {
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "song%03d.mid", i);
    fs::copy_file(song, folder / name);
  }
  return folder;
}

TEST_F(BatchExport, ASongThatVanishesDuringTheRunIsReportedAndTheOthersComplete) {
  const fs::path in = CopiesOf(root / "in", kExamples / "minuet-in-g.mid", 10);
  TBatchHooks hooks;
  hooks.songDone = [&](int done) {
    if (done == 1) fs::remove(in / "song009.mid");
  };
  const Outcome run = Batch({"--export", in.string(), "-o", (root / "out").string(), "--format", "json", "--jobs", "1"}, hooks);
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_NE(run.err.find((in / "song009.mid").string() + ": "), std::string::npos) << run.err;
  EXPECT_EQ(FilesUnder(root / "out").size(), 9u);
  EXPECT_FALSE(fs::exists(root / "out" / "song009.json"));
}

TEST_F(BatchExport, AFailedSongLeavesAnEarlierResultOfItsNameAsItWas) {
  const fs::path in = root / "in";
  WriteAll(in / "broken.mid", "MThd but nothing after");
  WriteAll(root / "out" / "broken.json", "the result of an earlier run");
  const Outcome run = Cli({"--export", in.string(), "-o", (root / "out").string(), "--format", "json"});
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(ReadAll(root / "out" / "broken.json"), "the result of an earlier run");
}

TEST_F(BatchExport, AStopFinishesTheSongsUnderWayAndLeavesOnlyWholeResults) {
  const fs::path in = CopiesOf(root / "in", kExamples / "minuet-in-g.mid", 24);
  std::atomic<bool> stop{false};
  TBatchHooks hooks;
  hooks.stop = &stop;
  hooks.songDone = [&](int done) {
    if (done == 2) stop = true;
  };
  const Outcome run = Batch({"--export", in.string(), "-o", (root / "out").string(), "--format", "json", "--jobs", "2"}, hooks);
  EXPECT_EQ(run.code, kExitInterrupted);
  const std::vector<fs::path> written = FilesUnder(root / "out");
  EXPECT_GE(written.size(), 2u);
  EXPECT_LE(written.size(), 2u + 6u) << "no more than the songs under way";
  for (const fs::path& f : written) {
    EXPECT_NE(f.filename().string()[0], '.') << "a temporary file stayed: " << f;
    EXPECT_TRUE(schemacheck::CheckAnalysisText(ReadAll(root / "out" / f)).empty()) << f;
  }
  EXPECT_NE(run.err.find(MesFormat(MesId::SBatchInterrupted, int(written.size()), 24, 0)), std::string::npos) << run.err;
}

TEST_F(BatchExport, CtrlCStopsTheProgramCleanly) {
  const fs::path in = CopiesOf(root / "in", kExamples / "minuet-in-g.mid", 400);
  const fs::path out = root / "out";
  QProcess cantaro;
  cantaro.start(QString::fromStdString(kCantaro),
                {"--export", QString::fromStdString(in.string()), "-o", QString::fromStdString(out.string()), "--format",
                 "json", "--jobs", "2"});
  ASSERT_TRUE(cantaro.waitForStarted(10000));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline && (!fs::exists(out) || FilesUnder(out).size() < 3))
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ::kill(static_cast<pid_t>(cantaro.processId()), SIGINT);
  ASSERT_TRUE(cantaro.waitForFinished(60000));
  const std::vector<fs::path> written = FilesUnder(out);
  if (written.size() == 400u) GTEST_SKIP() << "the run ended before the interruption reached it";
  EXPECT_EQ(cantaro.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(cantaro.exitCode(), kExitInterrupted) << cantaro.readAllStandardError().toStdString();
  for (const fs::path& f : written) {
    EXPECT_NE(f.filename().string()[0], '.') << "a temporary file stayed: " << f;
    EXPECT_TRUE(schemacheck::CheckAnalysisText(ReadAll(out / f)).empty()) << f;
  }
}

TEST(BatchInputs, SongFilesAreKnownByTheirExtensionInAnyCase) {
  for (const char* name : {"a.mid", "a.MID", "b.Midi", "c.kar", "d.KAR", "dir/e.mid"}) EXPECT_TRUE(IsSongFileName(name)) << name;
  for (const char* name : {"a.txt", "a.mid.txt", "mid", "a.mi", "a", ".mid.bak"}) EXPECT_FALSE(IsSongFileName(name)) << name;
}

TEST(BatchInputs, ResultsMapToTheOutputFolderAndCollisionsAreMarked) {
  std::vector<TBatchItem> items(4);
  items[0].input = "/music/rock/a.kar";
  items[0].name = "music/rock/a.kar";
  items[0].relative = "rock/a.kar";
  items[1].input = "/music/rock/a.mid";
  items[1].name = "music/rock/a.mid";
  items[1].relative = "rock/a.mid";
  items[2].input = "/elsewhere/b.MID";
  items[2].name = "/elsewhere/b.MID";
  items[2].relative = "b.MID";
  items[3].input = "/music/b";
  items[3].name = "music/b";
  items[3].relative = "b";
  MapBatchOutputs(items, "/out", ".json");
  EXPECT_EQ(items[0].output, fs::path("/out/rock/a.json"));
  EXPECT_TRUE(items[0].skip.empty());
  EXPECT_EQ(items[1].skip, MesFormat(MesId::SBatchSameOutput, "/out/rock/a.json", "music/rock/a.kar"));
  EXPECT_EQ(items[2].output, fs::path("/out/b.json"));
  EXPECT_FALSE(items[3].skip.empty()) << "b and b.MID give the same result";
}

TEST(BatchCommandLine, SeveralSongsJobsAndQuietAreOptionsOfTheExport) {
  TCliParse p = ParseCommandLine({"--export", "a.mid", "b.kar", "songs/", "-o", "out", "--jobs", "3", "-q"});
  ASSERT_TRUE(p.error.empty()) << p.error;
  EXPECT_EQ(p.options.inputs, (std::vector<std::string>{"a.mid", "b.kar", "songs/"}));
  EXPECT_EQ(p.options.file, "a.mid");
  EXPECT_EQ(p.options.jobs, 3);
  EXPECT_TRUE(p.options.quiet);
  p = ParseCommandLine({"a.mid", "b.mid", "--format", "jsonl"});
  ASSERT_TRUE(p.error.empty()) << p.error;
  EXPECT_EQ(p.options.inputs.size(), 2u);
  EXPECT_EQ(p.options.format, FindOutputFormat("jsonl"));
  EXPECT_FALSE(ParseCommandLine({"--export", "a.mid", "--jobs", "257"}).error.empty());
  EXPECT_FALSE(ParseCommandLine({"--events", "a.mid", "b.mid"}).error.empty()) << "other commands take one file";
  // The one-song text export keeps to its own road.
  p = ParseCommandLine({"--export", (kExamples / "minuet-in-g.mid").string()});
  EXPECT_FALSE(IsBatchExport(p.options));
  p = ParseCommandLine({"--export", (kExamples / "minuet-in-g.mid").string(), "--format", "json"});
  EXPECT_TRUE(IsBatchExport(p.options));
  p = ParseCommandLine({"--export", kExamples.string(), "-o", "x"});
  EXPECT_TRUE(IsBatchExport(p.options));
}

TEST(BatchProgressDisplay, ShowsSongsDoneTheRateAndTheTimeLeft) {
  std::ostringstream err;
  const auto start = TBatchProgress::Clock::now();
  TBatchProgress progress(err, TProgressStyle::Lines, 100, start);
  EXPECT_EQ(progress.Text(50, start + std::chrono::seconds(10)), MesFormat(MesId::SBatchProgress, 50, 100, "5.0", "0:10"));
  EXPECT_EQ(progress.Text(0, start + std::chrono::seconds(1)), MesFormat(MesId::SBatchProgress, 0, 100, "0.0", "?"));
  EXPECT_EQ(progress.Text(1, start + std::chrono::seconds(4000)).find("4:"), std::string::npos);
  // Plain lines: at most one every few seconds, and the last one always.
  progress.Update(1, start + std::chrono::milliseconds(100));
  EXPECT_EQ(err.str(), "");
  progress.Update(60, start + std::chrono::seconds(6));
  progress.Update(61, start + std::chrono::seconds(7));
  progress.Update(100, start + std::chrono::seconds(8));
  EXPECT_EQ(err.str(), progress.Text(60, start + std::chrono::seconds(6)) + "\n" +
                           progress.Text(100, start + std::chrono::seconds(8)) + "\n");
}

TEST(BatchProgressDisplay, OnATerminalTheBarIsRedrawnInPlaceAndMessagesGoAboveIt) {
  std::ostringstream err;
  const auto start = TBatchProgress::Clock::now();
  TBatchProgress bar(err, TProgressStyle::Bar, 4, start);
  bar.Update(2, start + std::chrono::seconds(1));
  EXPECT_EQ(err.str().rfind("\r[############............] ", 0), 0u) << err.str();
  err.str("");
  bar.Message("song.mid: broken");
  EXPECT_EQ(err.str().rfind("\r\x1b[Ksong.mid: broken\n\r[", 0), 0u) << err.str();
  err.str("");
  bar.Finish();
  EXPECT_EQ(err.str(), "\r\x1b[K");
  EXPECT_EQ(ProgressStyleFor(true, true), TProgressStyle::None);
  EXPECT_EQ(ProgressStyleFor(false, false), TProgressStyle::Lines);
}

TEST(AtomicFileWriting, AFileAppearsWholeOrNotAtAll) {
  const fs::path dir = fs::path(testing::TempDir()) / ("cantaro-atomic-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  EXPECT_TRUE(WriteFileAtomically(dir / "a" / "b.txt", "new").Ok());
  EXPECT_EQ(ReadAll(dir / "a" / "b.txt"), "new");
  {
    TAtomicFile file;
    ASSERT_TRUE(file.Open(dir / "a" / "b.txt"));
    ASSERT_TRUE(file.Append("half of a"));
    // dropped without Commit: an interruption
  }
  EXPECT_EQ(ReadAll(dir / "a" / "b.txt"), "new");
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir / "a")) ++entries;
  EXPECT_EQ(entries, 1u) << "no temporary file stays";
  WriteAll(dir / "file", "x");
  const TStatus refused = WriteFileAtomically(dir / "file" / "c.txt", "y");
  ASSERT_FALSE(refused.Ok());
  EXPECT_FALSE(refused.Error().Text.empty());
  fs::remove_all(dir);
}

}  // namespace
