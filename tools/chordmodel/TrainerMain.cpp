// Trains the learned chord model on labelled songs and writes its file:
//
//   cantaro_chord_trainer -o data/chord-model.txt [--first N] [--last N] [--label-track N]
//                         [--hear-labels] [--epochs N] [--comment TEXT] [--notice FILE]
//                         FOLDER|FILE...
//
// A folder gives its MIDI and karaoke files in name order; --first and --last keep the songs
// whose names are numbers in that range (the pop collection's 001..450). Songs with a
// "<name>.truth.tsv" beside them take their labels from it and are heard whole; the others
// take them from the label track (index 2 unless given), which is muted unless --hear-labels
// says that it is part of the music (as the accompaniment of the example songs is).
// --notice puts a text (the licence of the songs trained on) in comment lines at the top.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/accuracy/AccuracyRun.h"
#include "tools/chordmodel/ChordModelTraining.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: cantaro_chord_trainer -o FILE [--first N] [--last N] [--label-track N] [--hear-labels]\n"
               "                             [--epochs N] [--comment TEXT] [--notice FILE] FOLDER|FILE...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, comment, notice;
  long first = -1, last = -1;
  int labelTrack = 2;
  bool hear = false;
  TTrainingOptions options;
  std::vector<std::string> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool more = i + 1 < argc;
    if (a == "-o" && more) out = argv[++i];
    else if (a == "--first" && more) first = std::atol(argv[++i]);
    else if (a == "--last" && more) last = std::atol(argv[++i]);
    else if (a == "--label-track" && more) labelTrack = std::atoi(argv[++i]);
    else if (a == "--epochs" && more) options.Epochs = std::atoi(argv[++i]);
    else if (a == "--comment" && more) comment = argv[++i];
    else if (a == "--notice" && more) notice = argv[++i];
    else if (a == "--hear-labels") hear = true;
    else if (!a.empty() && a[0] == '-') return Usage();
    else inputs.push_back(a);
  }
  if (out.empty() || inputs.empty()) return Usage();

  const auto started = std::chrono::steady_clock::now();
  std::vector<TTrainingBeat> beats;
  int songs = 0;
  try {
    for (const std::string& input : inputs) {
      std::vector<TCorpusSong> list;
      if (std::filesystem::is_directory(input)) {
        list = ListCorpus(input);
      } else {
        TCorpusSong s;
        s.Name = std::filesystem::path(input).stem().string();
        s.MidiPath = input;
        list.push_back(s);
      }
      for (const TCorpusSong& s : list) {
        if (!InSongRange(s.Name, first, last)) continue;
        // A song without labels (or unreadable) teaches nothing: it is named and left out.
        try {
          std::vector<TTrainingBeat> more = LabelledBeats({s.MidiPath, s.TablePath, labelTrack, hear});
          beats.insert(beats.end(), more.begin(), more.end());
          ++songs;
        } catch (const std::runtime_error& e) {
          std::fprintf(stderr, "left out: %s\n", e.what());
        }
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  if (beats.empty()) {
    std::fprintf(stderr, "no labelled beats in the songs given\n");
    return 1;
  }
  std::printf("%d songs, %zu labelled beats\n", songs, beats.size());
  TChordModel model = TrainChordModel(beats, options, [](int epoch, double loss) {
    std::printf("epoch %d: loss %.4f\n", epoch, loss);
    std::fflush(stdout);
  });
  model.Comment = comment.empty() ? "trained on " + std::to_string(songs) + " songs, " + std::to_string(beats.size()) +
                                        " beats"
                                  : comment;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("class accuracy on the training beats: %.2f %%\n", 100 * ClassAccuracy(model, beats));
  std::printf("read and trained in %.1f s\n", seconds);

  std::string text;
  if (!notice.empty()) {
    std::ifstream in(notice);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", notice.c_str());
      return 1;
    }
    for (std::string line; std::getline(in, line);) text += line.empty() ? "#\n" : "# " + line + "\n";
  }
  text += WriteChordModel(model);
  const std::string temporary = out + ".new";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
      std::fprintf(stderr, "cannot write %s\n", temporary.c_str());
      return 1;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, out, ec);
  if (ec) {
    std::fprintf(stderr, "cannot write %s: %s\n", out.c_str(), ec.message().c_str());
    return 1;
  }
  std::printf("wrote %s\n", out.c_str());
  return 0;
}
