#include "bench/accuracy/AccuracyRun.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "chords/untKeysense.h"
#include "midi/MidiFile.h"
#include "settings/untVars.h"
#include "song/ChordContinuity.h"
#include "song/Prompter.h"
#include "song/SongSession.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Pairs every note-on of the track with the next release of the same note on the same
// channel; a note never released lasts to the end of the song.
std::vector<TLabelNote> TrackNotes(const TMidiTrack& track, int32_t songEnd) {
  std::map<int, std::deque<int32_t>> open;  // channel x 128 + note -> start ticks
  std::vector<TLabelNote> notes;
  for (const TMidiEventEx& e : track.Events()) {
    const int kind = e.Status & 0xF0;
    if (e.Status >= 0xF0 || (kind != 0x80 && kind != 0x90) || e.Data1 > 127) continue;
    const int key = (e.Status & 0x0F) * 128 + e.Data1;
    if (kind == 0x90 && e.Data2 > 0) {
      open[key].push_back(e.Time);
    } else if (auto it = open.find(key); it != open.end() && !it->second.empty()) {
      notes.push_back({it->second.front(), e.Time, e.Data1});
      it->second.pop_front();
    }
  }
  for (const auto& [key, starts] : open)
    for (int32_t s : starts) notes.push_back({s, std::max(s, songEnd), key % 128});
  return notes;
}

}  // namespace

std::vector<TCorpusSong> ListCorpus(const std::string& folder) {
  std::vector<TCorpusSong> songs;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) throw std::runtime_error("cannot read the folder " + folder + ": " + ec.message());
  for (const fs::directory_entry& entry : it) {
    if (!entry.is_regular_file()) continue;
    const fs::path& p = entry.path();
    const std::string ext = Lower(p.extension().string());
    if (ext != ".mid" && ext != ".kar") continue;
    TCorpusSong song;
    song.Name = p.stem().string();
    song.MidiPath = p.string();
    const fs::path table = p.parent_path() / (song.Name + ".truth.tsv");
    if (fs::exists(table)) song.TablePath = table.string();
    songs.push_back(std::move(song));
  }
  std::sort(songs.begin(), songs.end(),
            [](const TCorpusSong& a, const TCorpusSong& b) { return a.MidiPath < b.MidiPath; });
  return songs;
}

bool InSongRange(const std::string& name, long first, long last) {
  if (first < 0 && last < 0) return true;
  char* end = nullptr;
  const long n = std::strtol(name.c_str(), &end, 10);
  if (end == name.c_str() || *end != '\0') return false;
  return (first < 0 || n >= first) && (last < 0 || n <= last);
}

TTruthLabels ReadSongLabels(const TCorpusSong& song, const TMidiFile& midi, int labelTrack) {
  TTruthLabels labels;
  if (!song.TablePath.empty()) {
    try {
      labels = ReadTruthTable(ReadText(song.TablePath));
    } catch (const std::runtime_error& e) {
      throw std::runtime_error(song.TablePath + ": " + e.what());
    }
  } else if (labelTrack >= 0 && labelTrack < midi.NumberOfTracks()) {
    labels = LabelsFromNoteBlocks(TrackNotes(midi.TrackAt(labelTrack), midi.SongLength()));
  }
  if (labels.empty()) throw std::runtime_error("no chord labels");
  return labels;
}

TSongMeasure MeasureSong(const TCorpusSong& song, const TAccuracyOptions& options, bool trace) {
  TSongMeasure m;
  m.Accuracy.Name = song.Name;
  SilentPrompter prompter;  // declines the offer to detect the key when it is to stay unknown
  NullStatusSink status;
  TSongOptions songOptions;
  songOptions.keysense = options.Keysense;
  songOptions.continuity = options.Continuity;
  songOptions.keysenseTable = options.Table;
  songOptions.chordModel = options.Model;
  TSongSession session(prompter, status, songOptions);
  std::vector<TBeatTrace>& traces = m.Trace;
  if (trace)
    session.KeysenseChooser = [&traces](const TKeysenseWeights& w, int) -> std::optional<TChord> {
      TBeatTrace t;
      t.Weights = w;
      t.Asked = true;
      traces.push_back(t);
      return std::nullopt;
    };
  else
    session.KeysenseChooser = [&options](const TKeysenseWeights& w, int tonic) {
      return KeysenseChoose(options.Table, w, tonic);
    };

  try {
    if (!session.LoadSong(song.MidiPath)) throw std::runtime_error("the file has no tracks");
    m.Labels = ReadSongLabels(song, session.MidiFile, options.LabelTrack);
    if (song.TablePath.empty()) session.SetTrackEnabled(options.LabelTrack, false);
    switch (options.Key) {
      case TKeyMode::Detect: session.DetectKey(); break;
      case TKeyMode::Fixed: session.SetKey(options.FixedKey); break;
      case TKeyMode::None: break;
    }
    session.FindChords();
  } catch (const std::exception& e) {
    m.Accuracy.Error = e.what();
    return m;
  }

  m.BeatLength = session.beatLength();
  m.Accuracy.OnBeatGrid = ShareOnBeatGrid(m.Labels, m.BeatLength) > 0.5;
  m.Accuracy.KeyEntry = session.key();
  m.Accuracy.Keysense = options.Keysense && m.Accuracy.KeyEntry >= 0;
  if (m.Accuracy.Keysense)
    m.KeyTonic = session.Model().key.TonicAfter(session.transposition());

  const TBeats& beats = session.beats();
  if (trace && m.Accuracy.Keysense && traces.size() != beats.size()) {
    m.Accuracy.Error = "the table was asked " + std::to_string(traces.size()) + " times for " +
                       std::to_string(beats.size()) + " beats";
    return m;
  }
  traces.resize(beats.size());
  std::vector<TBeatChord> chosen(beats.size());
  for (size_t b = 0; b < beats.size(); ++b) {
    if (beats[b].HasChord()) chosen[b] = BeatChordOf(beats[b].Chord());
    if (!trace) continue;
    traces[b].Fallback = chosen[b];
    if (traces[b].Asked)
      if (auto k = KeysenseChoose(options.Table, traces[b].Weights, m.KeyTonic)) chosen[b] = BeatChordOf(*k);
  }
  if (!trace) traces.clear();
  m.Verdicts = JudgeBeats(m.Labels, chosen, m.BeatLength, options.Judging);
  m.Accuracy.Counts = CountVerdicts(m.Verdicts);
  return m;
}

std::vector<TBeatVerdict> JudgeContinuity(const TSongMeasure& traced, const TKeysenseTable& table, double changePenalty,
                                          TBeatJudging judging) {
  const size_t n = traced.Trace.size();
  std::vector<TEntryValues> values(n);
  for (size_t b = 0; b < n; ++b) {
    const TBeatTrace& t = traced.Trace[b];
    // The session keeps the values of the beats the table gives a chord, and only of them.
    if (t.Asked && !KeysenseValues(table, t.Weights, traced.KeyTonic, values[b])) values[b].clear();
  }
  const std::vector<int32_t> path = ChooseContinuousEntries(values, ContinuityGroups(table), changePenalty);
  std::vector<TBeatChord> chosen(n);
  for (size_t b = 0; b < n; ++b)
    chosen[b] = path[b] >= 0 ? BeatChordOf(KeysenseEntryChord(table[static_cast<size_t>(path[b])], traced.KeyTonic))
                             : traced.Trace[b].Fallback;
  return JudgeBeats(traced.Labels, chosen, traced.BeatLength, judging);
}
