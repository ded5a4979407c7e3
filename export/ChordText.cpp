#include "export/ChordText.h"
#include "midi/MidiConstants.h"

#include <algorithm>
#include <limits>

#include "chords/untChords.h"
#include "midi/EventWalk.h"
#include "midi/MidiFile.h"

namespace {

int32_t BeatEnd(size_t beat, int32_t beatLength) {
  const int64_t end = static_cast<int64_t>(beat + 1) * beatLength;
  return static_cast<int32_t>(std::min<int64_t>(end, std::numeric_limits<int32_t>::max()));
}

}  // namespace

bool MidiTextsAreUtf8(const TMidiSong& song) {
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t) {
    for (const TMidiEventEx& e : song.TrackAt(t).Events()) {
      if (e.Status == MidiStatus::Meta && e.Data1 >= MidiMeta::Text && e.Data1 <= MidiMeta::CuePoint && !IsValidUtf8(e.Text())) return false;
    }
  }
  return true;
}

TCodePage CodePageFromNumber(int32_t number) {
  switch (number) {
    case 1252: return TCodePage::Cp1252;
    case 20866: return TCodePage::Koi8r;
    default: return TCodePage::Cp1251;
  }
}

TChordText BuildChordText(const TMidiSong& song, const TChordTextInput& input) {
  TChordTextOptions options;
  options.karaoke = input.karaoke;
  options.commExport = input.commExport;
  options.codePage = input.codePage;
  options.textsAreUtf8 = MidiTextsAreUtf8(song);
  TChordTextBuilder builder(options);

  TEventWalk walk(song);
  auto collect = [&builder](const TMidiEventEx& event, int32_t trackNo) {
    builder.CollectText(event.Status, event.Data1, event.Text(), event.Time, trackNo);
  };
  if (input.beatLength > 0) {
    for (size_t b = 0; b < input.cells.size(); ++b) {
      builder.BeginBeat();
      walk.To(BeatEnd(b, input.beatLength), collect);
      builder.EndBeat(input.cells[b]);
    }
  }

  // The tempo in force where the walk ended, the speed ratio applied.
  const int32_t tempo = song.BpmAt(walk.Position(), input.speedNumerator, input.speedDenominator);
  std::string keyFrom, keyTo;
  if (input.key >= 0 && input.key < 12) {
    keyFrom = PitchClassName(static_cast<int8_t>(input.key), AccidentalSpelling::Both, input.notation);
    keyTo = PitchClassName(static_cast<int8_t>(((input.key + input.transposition) % 12 + 24) % 12),
                           AccidentalSpelling::Both, input.notation);
  }
  if (!input.keyFromName.empty()) keyFrom = input.keyFromName;
  if (!input.keyToName.empty()) keyTo = input.keyToName;
  TChordText text = builder.Finish(tempo, input.transposition, input.key, keyFrom, keyTo,
                                   input.dateTime.empty() ? SignatureDateTime() : input.dateTime);
  text.openingTempo = song.BpmAt(0, input.speedNumerator, input.speedDenominator);
  if (song.TimeSigNumerator() > 0 && song.TimeSigDenominator() < 8) {
    text.timeSignature =
        std::to_string(song.TimeSigNumerator()) + "/" + std::to_string(1 << song.TimeSigDenominator());
  }
  text.notation = input.notation;
  text.keyWithMode = input.keyWithMode;
  return text;
}

TChordText BuildChordText(const TMidiFile& engine, const TChordTextInput& input) {
  TChordTextInput atSpeed = input;
  atSpeed.speedNumerator = engine.SpeedNumerator();
  atSpeed.speedDenominator = engine.SpeedDenominator();
  return BuildChordText(engine.Song(), atSpeed);
}
