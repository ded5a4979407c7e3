#include "song/SongSession.h"

#include <algorithm>

#include "chords/untKeysense.h"
#include "song/LyricsView.h"

TSongSession::TSongSession(Prompter& prompter, StatusSink& status, TSongOptions options)
    : prompter_(prompter), status_(status), options_(std::move(options)) {
  KeysenseChooser = [this](const TKeysenseWeights& w, int tonic) {
    return KeysenseChoose(ActiveKeysenseTable(), w, tonic);
  };
  MidiPiano.OnMarkKey = [this](int key, bool marked) { MarkNote(key, marked); };
}

const std::vector<KeysenseEntry>& TSongSession::ActiveKeysenseTable() const {
  return options_.keysenseTable;
}

void TSongSession::StopPlaying() {
  if (!MidiFile.Playing()) return;
  if (Playback.StopPlayback)
    Playback.StopPlayback();
  else
    MidiFile.Stop();
}

void TSongSession::RewindSong() {
  if (Playback.Rewind)
    Playback.Rewind();
  else
    MidiFile.Rewind();
  SetFragmentStart(0);
}

void TSongSession::SetTrackEnabled(int index, bool enabled) {
  if (index < 0 || index >= MidiFile.NumberOfTracks()) return;
  MidiFile.TrackAt(index).SetMuted(!enabled);
  Notify(TSongChange::Tracks, index);
}

void TSongSession::SetFragmentStart(int32_t tick) {
  model_.fragmentStart = tick;
  Notify(TSongChange::Fragment);
}

void TSongSession::AppendLyricText(std::string_view lyric) {
  AppendLyric(model_.lyrics, lyric);
  Notify(TSongChange::Lyrics);
}

void TSongSession::SetLyrics(std::string text) {
  model_.lyrics = std::move(text);
  Notify(TSongChange::Lyrics);
}
