// Opening a song: reset the model, read the file into the engine.
#include <filesystem>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "base/Finally.h"
#include "song/SongSession.h"

namespace {

constexpr int kKaraokeTrack = 2;  // karaoke files carry their lyrics in the third track

bool FileExists(const std::string& fileName) {
  std::error_code ec;
  auto st = std::filesystem::status(fileName, ec);
  return !ec && std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}

}  // namespace

// What an empty or unreadable file leaves: no beats, no karaoke.
void TSongSession::ClearSongState() {
  model_.karaoke = false;
  model_.beats.clear();
}

bool TSongSession::LoadSong(const std::string& fileName) {
  if (loading_) return false;
  loading_ = true;
  TFinally done([this] { loading_ = false; });

  if (!FileExists(fileName)) {
    prompter_.Error(Mes(MesId::SCaptionError), MesFormat(MesId::SSongFileNotFound, fileName));
    return false;
  }
  MidiFile.SetFilename(fileName);
  Notify(TSongChange::Opening, 1);
  return OpenSong(fileName, [this] { MidiFile.LoadFile(); });
}

bool TSongSession::LoadSongFromBytes(const std::string& name, std::string bytes) {
  if (loading_) return false;
  loading_ = true;
  TFinally done([this] { loading_ = false; });
  MidiFile.SetFilename(name);
  Notify(TSongChange::Opening, 0);
  return OpenSong(name, [this, &bytes] { MidiFile.LoadFromBytes(std::move(bytes)); });
}

bool TSongSession::OpenSong(const std::string& fileName, const std::function<void()>& read) {
  MidiPiano.ClearMarks();
  // The variants empty: a variant of the previous song must not be applicable to a beat of
  // this one.
  model_.variants = TVariants{};
  RewindSong();
  model_.transposition = 0;
  model_.key = TSongKey{};
  model_.lyrics.clear();

  try {
    read();
  } catch (...) {
    // Whatever the engine read before the error is no song to analyse: nothing may go on
    // describing the previous file either.
    model_.beatLength = 0;
    model_.beatChoice = TBeatLength::Default;
    ClearSongState();
    Notify(TSongChange::Song, static_cast<int>(TSongLoadResult::Unreadable));
    throw;
  }

  model_.beatLength = MidiFile.BeatTicks();
  model_.beatChoice = TBeatLength::Default;
  ClearSongState();

  if (MidiFile.NumberOfTracks() == 0) {
    Notify(TSongChange::Song, static_cast<int>(TSongLoadResult::Empty));
    prompter_.Error(Mes(MesId::SCaptionError), MesFormat(MesId::SSongFileEmpty, fileName));
    return false;
  }

  if (kKaraokeTrack < MidiFile.NumberOfTracks()) {
    // Lyrics travel as meta events in that track: it is karaoke when they outnumber the rest.
    int64_t count = 0;
    for (const TMidiEventEx& e : MidiFile.TrackAt(kKaraokeTrack).Events())
      count += e.Status == MidiStatus::Meta ? 1 : -1;
    model_.karaoke = count > 0;
  }
  Notify(TSongChange::Song, static_cast<int>(TSongLoadResult::Loaded));
  return true;
}
