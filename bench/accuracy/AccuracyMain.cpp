// cantaro_accuracy: how often the chord search agrees with people's chord labels.
//
//   cantaro_accuracy [--corpus pop|folk|FOLDER] [--keysense on|off] [--key detect|none|C..B]
//                    [--ini FILE] [--main TOKENS] [--added TOKENS] [--worst N] [--song NAME]
//                    [--label-track N] [--trace FILE] [--judge start|most]
//                    [--model FILE|none] [--first N] [--last N]
//
// Runs the song session on every song of the corpus and prints the agreement over all beats
// with a label (root, major/minor, full chord, beats without a chord) and the worst songs.
// The key-aware table comes from the settings file (--ini, default the one in the source
// tree, else the INI folder beside the program), or from --main/--added for trying a table.
// The learned chord model (--model, default data/chord-model.txt of the source tree) is
// measured beside the table; --first and --last keep the songs whose names are numbers in
// that range (the songs a model was not trained on).

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "bench/accuracy/AccuracyRun.h"
#include "chords/untKeysense.h"
#include "base/untMesConst.h"
#include "chords/ChordModel.h"
#include "song/ChordContinuity.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"

namespace fs = std::filesystem;

namespace {

struct TArgs {
  std::string Corpus = "pop";
  TAccuracyOptions Options;
  std::string Ini;
  std::string Main, Added;
  bool TableGiven = false;
  int Worst = 10;
  std::string Song;
  std::string Trace;
  enum class TContinuity { Off, On, Both } Continuity = TContinuity::Both;
  std::vector<double> Penalties;
  std::string Model;  // empty: the shipped one; "none": no model
  long First = -1, Last = -1;
};

[[noreturn]] void Usage(const std::string& why) {
  if (!why.empty()) std::cerr << "cantaro_accuracy: " << why << "\n";
  std::cerr << "usage: cantaro_accuracy [--corpus pop|folk|FOLDER] [--keysense on|off]\n"
               "                        [--key detect|none|C..B] [--ini FILE]\n"
               "                        [--main TOKENS] [--added TOKENS] [--worst N]\n"
               "                        [--song NAME] [--label-track N] [--trace FILE]\n"
               "                        [--judge start|most] [--continuity off|on|both]\n"
               "                        [--penalties P,P,...] [--model FILE|none]\n"
               "                        [--first N] [--last N]\n";
  std::exit(2);
}

int ParseCount(const std::string& text, const char* what) {
  try {
    size_t used = 0;
    const int v = std::stoi(text, &used);
    if (used == text.size() && v >= 0) return v;
  } catch (const std::exception&) {
  }
  Usage(std::string("bad ") + what + ": " + text);
}

std::vector<double> ParsePenalties(const std::string& text) {
  std::vector<double> list;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    try {
      size_t used = 0;
      const double p = std::stod(item, &used);
      if (used == item.size() && p >= 0) {
        list.push_back(p);
        continue;
      }
    } catch (const std::exception&) {
    }
    Usage("bad penalty: " + item);
  }
  if (list.empty()) Usage("--penalties takes a list of numbers");
  return list;
}

TArgs ParseArgs(int argc, char** argv) {
  TArgs a;
  for (int i = 1; i < argc; ++i) {
    const std::string opt = argv[i];
    if (opt == "--help" || opt == "-h") Usage("");
    if (i + 1 >= argc) Usage("missing value after " + opt);
    const std::string v = argv[++i];
    if (opt == "--corpus") {
      a.Corpus = v;
    } else if (opt == "--keysense") {
      if (v != "on" && v != "off") Usage("--keysense takes on or off");
      a.Options.Keysense = v == "on";
    } else if (opt == "--judge") {
      if (v != "start" && v != "most") Usage("--judge takes start or most");
      a.Options.Judging = v == "start" ? TBeatJudging::Start : TBeatJudging::Most;
    } else if (opt == "--key") {
      if (v == "detect") {
        a.Options.Key = TKeyMode::Detect;
      } else if (v == "none") {
        a.Options.Key = TKeyMode::None;
      } else {
        const int pc = NoteNameToPitchClass(v, NoteNotation::English);
        if (pc < 0 || pc > 11 || v.size() > 2 || (v.size() == 2 && v[1] != '#' && v[1] != 'b'))
          Usage("--key takes detect, none or a major key C, C#, ..., B");
        a.Options.Key = TKeyMode::Fixed;
        a.Options.FixedKey = (pc + 12) % 12;
      }
    } else if (opt == "--ini") {
      a.Ini = v;
    } else if (opt == "--main") {
      a.Main = v;
      a.TableGiven = true;
    } else if (opt == "--added") {
      a.Added = v;
      a.TableGiven = true;
    } else if (opt == "--worst") {
      a.Worst = ParseCount(v, "--worst");
    } else if (opt == "--song") {
      a.Song = v;
    } else if (opt == "--label-track") {
      a.Options.LabelTrack = ParseCount(v, "--label-track");
    } else if (opt == "--trace") {
      a.Trace = v;
    } else if (opt == "--continuity") {
      if (v == "off") a.Continuity = TArgs::TContinuity::Off;
      else if (v == "on") a.Continuity = TArgs::TContinuity::On;
      else if (v == "both") a.Continuity = TArgs::TContinuity::Both;
      else Usage("--continuity takes off, on or both");
    } else if (opt == "--model") {
      a.Model = v;
    } else if (opt == "--first") {
      a.First = ParseCount(v, "--first");
    } else if (opt == "--last") {
      a.Last = ParseCount(v, "--last");
    } else if (opt == "--penalties") {
      a.Penalties = ParsePenalties(v);
    } else {
      Usage("unknown option " + opt);
    }
  }
  return a;
}

std::string ProgramDir(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path().string();
}

// The table being worked on is the one in the source tree; the copy beside the program is
// only refreshed when the build is configured again.
std::string DefaultIni(const std::string& programDir) {
  const fs::path source = fs::path(CANTARO_SOURCE_DIR) / "INI" / "cantaro.ini";
  if (fs::exists(source)) return source.string();
  return (fs::path(programDir) / "INI" / "cantaro.ini").string();
}

// The learned model to measure, or none; exits naming the fault of a damaged file.
std::shared_ptr<const TChordModel> LoadModel(const std::string& given, std::string& source) {
  if (given == "none") return nullptr;
  const std::string path = given.empty() ? (fs::path(CANTARO_SOURCE_DIR) / "data" / "chord-model.txt").string() : given;
  const TFileReadResult file = ReadWholeFile(path);
  if (file.status != TFileReadResult::Status::Ok) {
    if (given.empty()) return nullptr;
    std::cerr << "cantaro_accuracy: cannot read " << path << "\n";
    std::exit(1);
  }
  TChordModelRead read = ReadChordModel(file.bytes);
  if (!read.Model) {
    std::cerr << "cantaro_accuracy: " << path << ": " << MesLines(ChordModelFaultText(read)) << "\n";
    std::exit(1);
  }
  source = path + (read.Model->Comment.empty() ? "" : " (" + read.Model->Comment + ")");
  return std::make_shared<const TChordModel>(std::move(*read.Model));
}

std::string CorpusFolder(const std::string& corpus) {
  if (corpus == "pop" || corpus == "folk")
    return (fs::path(CANTARO_SHARED_DIR) / "corpus" / corpus).string();
  return corpus;
}

std::string Describe(const TArgs& a, const std::string& table) {
  std::string key = a.Options.Key == TKeyMode::Detect ? "detected"
                    : a.Options.Key == TKeyMode::None ? "unknown"
                    : "fixed " + PitchClassName(static_cast<int8_t>(a.Options.FixedKey), AccidentalSpelling::Sharps, NoteNotation::English);
  return "corpus " + a.Corpus + ", Keysense " + (a.Options.Keysense ? "on" : "off") + ", key " + key +
         (a.Options.Keysense ? ", table " + table : "") +
         (a.Options.Judging == TBeatJudging::Most ? ", judged by the label of most of the beat" : "");
}

// One line per beat with a label, for studying a table without running the search again:
// song, beat, key tonic (-1 without the table), asked (1 when the table was asked), the
// twelve weights by pitch class, then plain recognition's chord (present, pitch-class bits,
// root, bass) and the label (pitch-class bits, root, bass, family 0 other / 1 major /
// 2 minor). The beat's chord is the table's choice from the weights when it gives one,
// else plain recognition's.
void WriteTrace(std::ostream& out, const TSongMeasure& m) {
  for (const TBeatVerdict& v : m.Verdicts) {
    if (!v.Label) continue;
    const TBeatTrace& t = m.Trace[static_cast<size_t>(v.Beat)];
    out << m.Accuracy.Name << ' ' << v.Beat << ' ' << m.KeyTonic << ' ' << (t.Asked ? 1 : 0);
    for (int32_t w : t.Weights) out << ' ' << w;
    const TBeatChord& f = t.Fallback;
    out << ' ' << (f.Present ? 1 : 0) << ' ' << f.Tones << ' ' << int(f.Root) << ' ' << int(f.Bass) << ' '
        << v.Label->Tones << ' ' << int(v.Label->Root) << ' ' << int(v.Label->Bass) << ' '
        << int(v.Label->Family) << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  TArgs args = ParseArgs(argc, argv);
  std::string tableSource;
  try {
    if (args.TableGiven) {
      LoadKeysenseTable(args.Options.Table, args.Main, args.Added);
      tableSource = "given";
    } else {
      const std::string ini = args.Ini.empty() ? DefaultIni(ProgramDir(argv[0])) : args.Ini;
      const TFileReadResult file = ReadWholeFile(ini);
      if (file.status != TFileReadResult::Status::Ok) {
        std::cerr << "cantaro_accuracy: cannot read " << ini << "\n";
        return 1;
      }
      const TIniFile settings(file.bytes);
      LoadKeysenseTable(args.Options.Table, settings.ReadString("Keysense", "Main", ""), settings.ReadString("Keysense", "Added", ""));
      tableSource = ini;
    }
  } catch (const std::exception& e) {
    std::cerr << "cantaro_accuracy: the chord table: " << e.what() << "\n";
    return 1;
  }
  tableSource += " (" + std::to_string(args.Options.Table.size()) + " chords)";

  std::vector<TCorpusSong> songs;
  try {
    songs = ListCorpus(CorpusFolder(args.Corpus));
  } catch (const std::exception& e) {
    std::cerr << "cantaro_accuracy: " << e.what() << "\n";
    return 1;
  }
  if (!args.Song.empty()) std::erase_if(songs, [&](const TCorpusSong& s) { return s.Name != args.Song; });
  std::erase_if(songs, [&](const TCorpusSong& s) { return !InSongRange(s.Name, args.First, args.Last); });
  std::string modelSource;
  const std::shared_ptr<const TChordModel> model = LoadModel(args.Model, modelSource);
  if (songs.empty()) {
    std::cerr << "cantaro_accuracy: no songs in " << CorpusFolder(args.Corpus) << "\n";
    return 1;
  }

  std::ofstream trace;
  if (!args.Trace.empty()) {
    trace.open(args.Trace);
    if (!trace) {
      std::cerr << "cantaro_accuracy: cannot write " << args.Trace << "\n";
      return 1;
    }
  }

  std::string title = Describe(args, tableSource);
  if (args.First >= 0 || args.Last >= 0)
    title += ", songs " + (args.First >= 0 ? std::to_string(args.First) : std::string()) + ".." +
             (args.Last >= 0 ? std::to_string(args.Last) : std::string());
  if (model) title += "\nlearned model " + modelSource;

  // Tuning: one traced search per song, every penalty judged from its weights.
  if (!args.Penalties.empty()) {
    std::vector<TChoiceResults> choices;
    for (double p : args.Penalties) {
      char name[48];
      std::snprintf(name, sizeof name, "penalty %.4g", p);
      choices.push_back({name, {}});
    }
    for (const TCorpusSong& song : songs) {
      TSongMeasure m = MeasureSong(song, args.Options, true);
      if (trace.is_open() && m.Accuracy.Error.empty()) WriteTrace(trace, m);
      for (size_t i = 0; i < args.Penalties.size(); ++i) {
        TSongAccuracy a = m.Accuracy;
        if (a.Error.empty() && m.KeyTonic >= 0)
          a.Counts = CountVerdicts(JudgeContinuity(m, args.Options.Table, args.Penalties[i], args.Options.Judging));
        choices[i].Songs.push_back(std::move(a));
      }
    }
    std::cout << title << "\n" << FormatChoiceComparison(choices, 0);
    return 0;
  }

  std::vector<TChoiceResults> choices;
  if (args.Continuity != TArgs::TContinuity::On) choices.push_back({"continuity off", {}});
  if (args.Continuity != TArgs::TContinuity::Off) choices.push_back({"continuity on", {}});
  if (model) choices.push_back({"learned model", {}});
  for (const TCorpusSong& song : songs) {
    // A trace holds the weights, which do not depend on the choice.
    if (trace.is_open()) {
      TSongMeasure m = MeasureSong(song, args.Options, true);
      if (m.Accuracy.Error.empty()) WriteTrace(trace, m);
    }
    for (TChoiceResults& choice : choices) {
      TAccuracyOptions options = args.Options;
      options.Continuity = choice.Name == "continuity on";
      if (choice.Name == "learned model") options.Model = model;
      TSongMeasure m = MeasureSong(song, options);
      if (!args.Song.empty()) std::cout << choice.Name << ":\n" << FormatBeatVerdicts(m.Verdicts);
      choice.Songs.push_back(std::move(m.Accuracy));
    }
  }
  if (choices.size() == 1) {
    std::cout << FormatAccuracyReport(choices.front().Songs,
                                      {title + ", " + choices.front().Name, args.Worst});
    return 0;
  }
  // Both: the comparison, then the full report of each.
  std::cout << title << "\n" << FormatChoiceComparison(choices, args.Worst);
  for (const TChoiceResults& choice : choices)
    std::cout << "\n" << FormatAccuracyReport(choice.Songs, {choice.Name, args.Worst});
  return 0;
}
