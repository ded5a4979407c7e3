// Opening a song: read the file, and only when it holds a song reset the model and put the new
// song into the engine. A file that cannot be read at all, or holds no track, is reported by
// its name and leaves the song that was open as it was.
#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "base/Finally.h"
#include "song/KeyWithMode.h"
#include "song/SongSession.h"

namespace {

constexpr int kKaraokeTrack = 2;  // karaoke files carry their lyrics in the third track

}  // namespace

std::string SongReadErrorText(const std::string& fileName, const EInOutError& e) {
  switch (e.ErrorCode()) {
    case EInOutError::FileNotFound: return MesFormat(MesId::SSongFileNotFound, fileName);
    case EInOutError::IsFolder: return MesFormat(MesId::SSongFileIsFolder, fileName);
    default: return MesFormat(MesId::SSongFileReadError, fileName, e.what());
  }
}

// What an empty or unreadable file leaves: no beats, no karaoke.
void TSongSession::ClearSongState() {
  model_.karaoke = false;
  model_.beats.clear();
}

bool TSongSession::LoadSong(const std::string& fileName) {
  if (loading_) return false;
  loading_ = true;
  TFinally done([this] { loading_ = false; });

  std::string bytes;
  try {
    bytes = ReadFileBytes(fileName);
  } catch (const EInOutError& e) {
    prompter_.Error(Mes(MesId::SCaptionError), SongReadErrorText(fileName, e));
    return false;
  }
  return OpenSong(fileName, std::move(bytes), true);
}

bool TSongSession::LoadSongFromBytes(const std::string& name, std::string bytes) {
  if (loading_) return false;
  loading_ = true;
  TFinally done([this] { loading_ = false; });
  return OpenSong(name, std::move(bytes), false);
}

bool TSongSession::OpenSong(const std::string& fileName, std::string bytes, bool fromFile) {
  // The song is read apart: the open one stays untouched until the new one is known to hold a
  // track. A file cut short gives what it holds (Completeness() says what is missing).
  auto song = std::make_shared<TMidiSong>();
  song->SetFilename(fileName);
  song->LoadFromBytes(std::move(bytes));
  if (song->NumberOfTracks() == 0) {
    prompter_.Error(Mes(MesId::SCaptionError), MesFormat(MesId::SSongFileEmpty, fileName));
    return false;
  }

  MidiPiano.ClearMarks();
  // The variants empty: a variant of the previous song must not be applicable to a beat of
  // this one.
  model_.variants = TVariants{};
  RewindSong();
  MidiFile.SetSong(std::move(song));
  Notify(TSongChange::Opening, fromFile ? 1 : 0);
  model_.transposition = 0;
  model_.key = TSongKey{};
  model_.keySignature = FirstKeySignature(MidiFile.Song());
  model_.lyrics.clear();
  model_.beatLength = MidiFile.BeatTicks();
  model_.beatChoice = TBeatLength::Default;
  ClearSongState();

  if (kKaraokeTrack < MidiFile.NumberOfTracks()) {
    // Lyrics travel as meta events in that track: it is karaoke when they outnumber the rest.
    int64_t count = 0;
    for (const TMidiEventEx& e : MidiFile.TrackAt(kKaraokeTrack).Events())
      count += e.Status == MidiStatus::Meta ? 1 : -1;
    model_.karaoke = count > 0;
  }
  Notify(TSongChange::Song);
  return true;
}
