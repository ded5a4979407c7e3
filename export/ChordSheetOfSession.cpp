#include "export/ChordSheetOfSession.h"

#include <algorithm>
#include <limits>

#include "chords/untChords.h"
#include "midi/MidiFile.h"
#include "song/SongSession.h"

std::string SheetKeyName(const TSongSession& session, NoteNotation notation) {
  const TSongModel& model = session.Model();
  if (!model.key.Known()) return std::string();
  const bool minor = model.key.evidence && model.key.evidence->result.best.minor &&
                     model.key.evidence->result.KeyEntry() == model.key.key;
  const int major = model.key.TonicAfter(model.transposition);
  const int tonic = minor ? (major + 9) % 12 : major;
  return PitchClassName(static_cast<int8_t>(tonic), AccidentalSpelling::Sharps, notation) + (minor ? "m" : "");
}

TChordText ChordTextOfSong(const TSongSession& session, const TChordTextInput& input) {
  const TMidiFile& file = session.MidiFile;
  TChordTextOptions options;
  options.karaoke = input.karaoke;
  options.commExport = input.commExport;
  options.codePage = input.codePage;
  options.textsAreUtf8 = MidiTextsAreUtf8(file);
  TChordTextBuilder builder(options);

  // Per beat, each track's events before the beat's end, track after track: the order in
  // which a seek of the player passes them.
  std::vector<size_t> next(static_cast<size_t>(file.NumberOfTracks()), 0);
  int32_t end = 0;
  if (input.beatLength > 0) {
    for (size_t b = 0; b < input.cells.size(); ++b) {
      builder.BeginBeat();
      end = static_cast<int32_t>(
          std::min<int64_t>(static_cast<int64_t>(b + 1) * input.beatLength, std::numeric_limits<int32_t>::max()));
      for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
        const TMidiTrack& track = file.TrackAt(t);
        const auto events = track.Events();
        size_t& i = next[static_cast<size_t>(t)];
        for (; i < events.size() && events[i].Time < end; ++i)
          builder.CollectText(events[i].Status, events[i].Data1, events[i].Text(), events[i].Time, track.TrackNo());
      }
      builder.EndBeat(input.cells[b]);
    }
  }
  // The tempo in force where the walk ended, the speed ratio applied.
  const TempoEntry& tempo = file.TempoAtTick(end);
  int32_t bpm = 120;
  if (tempo.Tempo > 0)
    bpm = static_cast<int32_t>(int64_t{60000000 / tempo.Tempo} * std::max<int>(file.SpeedNumerator(), 1) /
                               std::max<int>(file.SpeedDenominator(), 1));
  TChordText text = builder.Finish(bpm, input.transposition, input.key, std::string(), std::string(), input.dateTime);
  text.notation = input.notation;
  return text;
}

TChordSheet ChordSheetOfSession(const TSongSession& session, const TExportOptions& options) {
  TChordTextInput input = ChordTextInputOf(session, options);
  input.commExport = false;
  input.dateTime = "-";
  const TChordText text = ChordTextOfSong(session, input);
  return MakeChordSheet(text, {input.cells, input.beatLength, SheetKeyName(session, options.notation)});
}
