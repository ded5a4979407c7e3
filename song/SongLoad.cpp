// Opening a song: reset the model, read the file into the engine, fill the track list.
#include <filesystem>

#include "base/untMesConst.h"
#include "song/EngineScan.h"
#include "settings/untVars.h"
#include "song/SongSession.h"

namespace {

constexpr int kKaraokeTrack = 2;  // karaoke files carry their lyrics in the third track

std::string FolderOf(const std::string& fileName) {
  auto slash = fileName.find_last_of('/');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

// The window caption keeps its text up to the first " - " and names the open file after it,
// so loading one file after another never stacks names.
std::string CaptionWithFile(const std::string& caption, const std::string& fileName) {
  auto cut = caption.find(" - ");
  return (cut == std::string::npos ? caption : caption.substr(0, cut)) + " - " + fileName;
}

bool FileExists(const std::string& fileName) {
  std::error_code ec;
  auto st = std::filesystem::status(fileName, ec);
  return !ec && std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}

}  // namespace

void TSongSession::LayOutSongGrid() {
  grdSong_.SetCell(0, 0, Mes(MesId::SSongGridCorner));
  for (int n = 1; n <= 4; ++n) grdSong_.SetCell(n, 0, MesFormat(MesId::SSongGridBeat, n));
}

// What an empty file leaves: no tracks, no beats, an empty grid.
void TSongSession::ClearSongState() {
  lvTracks_.clear();
  lvTracksSelected_ = -1;
  karaoke_ = false;
  beats_.clear();
  FillSongGrid(std::string());
  LayOutSongGrid();
  edtLength_.clear();
}

bool TSongSession::LoadSong(const std::string& fileName) {
  if (loading_) return false;
  loading_ = true;
  TFinally done([this] { loading_ = false; });

  LoadDir = FolderOf(fileName);
  if (!FileExists(fileName)) {
    prompter_.Error(Mes(MesId::SCaptionError), MesFormat(MesId::SSongFileNotFound, fileName));
    return false;
  }
  AddToMRU(fileName);
  MidiFile.SetFilename(fileName);
  return OpenSong(fileName, [this] { MidiFile.LoadFile(); });
}

bool TSongSession::LoadSongFromBytes(const std::string& name, std::string bytes) {
  if (loading_) return false;
  loading_ = true;
  TFinally done([this] { loading_ = false; });
  MidiFile.SetFilename(name);
  return OpenSong(name, [this, &bytes] { MidiFile.LoadFromBytes(std::move(bytes)); });
}

bool TSongSession::OpenSong(const std::string& fileName, const std::function<void()>& read) {
  MidiPiano.ClearMarks();
  // The variants grid empties, and so does the list behind it: a variant of the previous
  // song must not be applicable to a beat of this one.
  CurrentBeat_ = TVariants{};
  stVariants_.clear();
  grdVariants_.SetRowCount(2);
  grdVariants_.ClearRow(1);
  RewindSong();
  caption_ = CaptionWithFile(caption_, fileName);

  cbTransposIndex_ = 11;
  transposition_ = 0;
  cbRootOrigIndex_ = -1;
  ShowCurrentKey();
  mmText_.clear();

  try {
    read();
  } catch (...) {
    // Whatever the engine read before the error is no song to analyse: nothing may go on
    // describing the previous file either.
    beatLength_ = 0;
    checkedBeat_ = TBeatCommand::actDefBeat;
    ClearSongState();
    throw;
  }

  beatLength_ = MidiFile.BeatTicks();
  checkedBeat_ = TBeatCommand::actDefBeat;
  cbBpmText_ = std::to_string(MidiFile.CurrentBpm());

  lvTracks_.clear();
  karaoke_ = false;
  beats_.clear();
  FillSongGrid(std::string());

  if (MidiFile.NumberOfTracks() == 0) {
    ClearSongState();
    prompter_.Error(Mes(MesId::SCaptionError), MesFormat(MesId::SSongFileEmpty, fileName));
    return false;
  }

  for (int32_t i = 0; i < MidiFile.NumberOfTracks(); ++i) {
    const TMidiTrack& track = MidiFile.TrackAt(i);
    lvTracks_.push_back({std::to_string(i + 1), track.Name(), track.Instrument(), true});
    if (i == kKaraokeTrack) {
      // Lyrics travel as meta events in that track: it is karaoke when they outnumber the rest.
      int64_t count = 0;
      for (const TMidiEventEx& e : track.Events()) count += e.Status == 0xFF ? 1 : -1;
      karaoke_ = count > 0;
    }
  }
  lvTracksSelected_ = 0;
  edtLength_ = MidiFile.FormatTicks(MidiFile.SongLength());
  LayOutSongGrid();
  return true;
}
