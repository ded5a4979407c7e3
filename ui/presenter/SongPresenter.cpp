#include "ui/presenter/SongPresenter.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "song/KeyWithMode.h"

namespace {

struct TSpeed {
  MesId text;
  uint8_t numerator, denominator;
};

constexpr std::array<TSpeed, 7> kSpeeds = {{
    {MesId::SSongSpeedX3, 3, 1},
    {MesId::SSongSpeedX2, 2, 1},
    {MesId::SSongSpeedX15, 3, 2},
    {MesId::SSongSpeed11, 1, 1},
    {MesId::SSongSpeedD15, 2, 3},
    {MesId::SSongSpeedD2, 1, 2},
    {MesId::SSongSpeedD3, 1, 3},
}};

constexpr int kTransposEntries = 23;  // +11 .. -11

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

std::string MarkedLine(int key, NoteNotation notation) {
  return std::to_string(key) + " - " + PitchName(static_cast<int8_t>(key), AccidentalSpelling::Sharps, notation);
}

// The key a line of the marked-notes list stands for: the number before its name.
int MarkedLineKey(const std::string& line) { return std::atoi(line.substr(0, line.find(' ')).c_str()); }

}  // namespace

TSongPresenter::TSongPresenter(TSongSession& session, TSettings& settings) : session_(session), settings_(settings) {
  observer_ = session_.Observers().Add([this](const TSongNotice& notice) { Changed(notice); });
  FillKeyList();
  FillTransposeList(false);
  LayOutSongGrid();
}

TSongPresenter::~TSongPresenter() { session_.Observers().Remove(observer_); }

void TSongPresenter::Changed(const TSongNotice& notice) {
  switch (notice.what) {
    case TSongChange::Opening:
      if (notice.index == 1) AddToMRU(settings_, session_.MidiFile.Filename());
      caption_ = CaptionWithFile(caption_, session_.MidiFile.Filename());
      // The variants grid empties with the song's variants.
      stVariants_.clear();
      grdVariants_.SetRowCount(2);
      grdVariants_.ClearRow(1);
      break;
    case TSongChange::Song:
      SongOpened();
      break;
    case TSongChange::Chords:
    case TSongChange::ChordsSimplified:
      FillSongGrid();
      break;
    case TSongChange::BeatChord: {
      int col = 0, row = 0;
      BeatCell(notice.index, col, row);
      grdSong_.SetCell(col, row, BeatChordName(notice.index));
      break;
    }
    case TSongChange::Key:
    case TSongChange::Transposition:
      ShowCurrentKey();
      if (settings_.SpellByKey) RenameBeats();
      break;
    case TSongChange::Variants:
      ShowVariants();
      break;
    case TSongChange::MarkedNotes:
      SetMarkedLines(notice.index, session_.MidiPiano.IsMarked(notice.index));
      break;
    default:
      break;
  }
}

void TSongPresenter::SongOpened() {
  ShowCurrentKey();
  lvTracks_.clear();
  lvTracksSelected_ = -1;
  edtLength_.clear();
  FillSongGrid();
  cbBpmText_ = std::to_string(session_.MidiFile.CurrentBpm());
  const TMidiFile& file = session_.MidiFile;
  for (int32_t i = 0; i < file.NumberOfTracks(); ++i) {
    const TMidiTrack& track = file.TrackAt(i);
    lvTracks_.push_back({std::to_string(i + 1), track.Name(), track.Instrument(), true});
  }
  lvTracksSelected_ = 0;
  edtLength_ = file.FormatTicks(file.SongLength());
  LayOutSongGrid();
}

bool TSongPresenter::LoadSong(const std::string& fileName) {
  if (session_.Loading()) return false;
  settings_.LoadDir = FolderOf(fileName);
  return session_.LoadSong(fileName);
}

// ---- The beat grid ------------------------------------------------------------------------

void TSongPresenter::BeatCell(int beat, int& col, int& row) {
  const TBeatPlace place = BeatPlace(beat);
  col = place.column + 1;
  row = place.row + 1;
}

int TSongPresenter::CellBeat(int col, int row) { return BeatAt({row - 1, col - 1}); }

void TSongPresenter::LayOutSongGrid() {
  grdSong_.SetCell(0, 0, Mes(MesId::SSongGridCorner));
  for (int n = 1; n <= BeatsPerRow; ++n) grdSong_.SetCell(n, 0, MesFormat(MesId::SSongGridBeat, n));
}

std::string TSongPresenter::BeatChordName(int beat) const {
  const std::optional<TChord> chord = session_.Model().ChosenChord(beat);
  return chord ? ChordNameIn(*chord, settings_.NoteSet, Spelling()) : std::string();
}

std::optional<TKeySpelling> TSongPresenter::Spelling() const {
  const TSongModel& model = session_.Model();
  return SongKeySpelling(model.key, model.transposition, settings_.SpellByKey, model.keySignature);
}

void TSongPresenter::RenameBeats() {
  const std::optional<TKeySpelling> spelling = Spelling();
  const int n = static_cast<int>(session_.beats().size());
  for (int b = 0; b < n; ++b) {
    int col = 0, row = 0;
    BeatCell(b, col, row);
    if (row < grdSong_.RowCount()) grdSong_.SetCell(col, row, BeatChordText(session_.Model(), b, settings_.NoteSet, spelling));
  }
}

void TSongPresenter::FillSongGrid() {
  grdSong_.SetRowCount(2);
  grdSong_.ClearRow(1);
  grdSong_.Row = 1;
  grdSong_.Col = 1;
  const int n = static_cast<int>(session_.beats().size());
  grdSong_.SetRowCount(n / BeatsPerRow + 2);
  for (int row = 1; row < grdSong_.RowCount(); ++row) grdSong_.ClearRow(row);
  const NoteNotation notation = settings_.NoteSet;
  const std::optional<TKeySpelling> spelling = Spelling();
  for (int b = 0; b < n; ++b) {
    int col = 0, row = 0;
    BeatCell(b, col, row);
    if (col == 1) grdSong_.SetCell(0, row, std::to_string(row - 1));
    grdSong_.SetCell(col, row, BeatChordText(session_.Model(), b, notation, spelling));
  }
}

void TSongPresenter::SetSongCell(int col, int row) {
  grdSong_.Col = std::clamp(col, 1, grdSong_.ColCount() - 1);
  grdSong_.Row = std::clamp(row, 1, std::max(1, grdSong_.RowCount() - 1));
}

void TSongPresenter::AdvanceSongCell() {
  if (grdSong_.Col < BeatsPerRow)
    SetSongCell(grdSong_.Col + 1, grdSong_.Row);
  else
    SetSongCell(1, grdSong_.Row + 1);
}

void TSongPresenter::FollowPlayback(int32_t tick) {
  const int32_t beatLength = session_.beatLength();
  if (beatLength <= 0 || tick < 0) return;
  int col = 0, row = 0;
  BeatCell(static_cast<int>(tick / beatLength), col, row);
  if (row < grdSong_.RowCount()) SetSongCell(col, row);
}

int TSongPresenter::CurrentGridBeat() const {
  if (grdSong_.Row < 1 || grdSong_.Col < 1) return -1;
  const int b = CellBeat(grdSong_.Col, grdSong_.Row);
  return b < static_cast<int>(session_.beats().size()) ? b : -1;
}

// ---- Key, transposition, speed, beat length -------------------------------------------------

void TSongPresenter::FillKeyList() {
  cbRootOrigItems_.clear();
  for (int i = 0; i < 12; ++i)
    cbRootOrigItems_.push_back(PitchClassName(static_cast<int8_t>(i), AccidentalSpelling::Both, settings_.NoteSet) +
                               Mes(MesId::SSongKeyOr) +
                               PitchClassName(static_cast<int8_t>((i + 9) % 12), AccidentalSpelling::Both, settings_.NoteSet) +
                               "m");
  ShowCurrentKey();
  ShowNoteNames();
}

void TSongPresenter::ShowCurrentKey() {
  const TSongKey& key = session_.Model().key;
  if (!key.Known() || key.key >= static_cast<int>(cbRootOrigItems_.size())) {
    stRootNew_.clear();
    return;
  }
  stRootNew_ = cbRootOrigItems_[static_cast<size_t>(key.TonicAfter(session_.transposition()))];
}

void TSongPresenter::FillTransposeList(bool withKeys) {
  cbTransposItems_.clear();
  const int key = session_.key();
  for (int n = 11; n >= -11; --n) {
    std::string item = (n > 0 ? "+" : "") + std::to_string(n);
    if (withKeys && key >= 0)
      item += "  " + PitchClassName(static_cast<int8_t>(((key + n) % 12 + 12) % 12), AccidentalSpelling::Sharps,
                                     settings_.NoteSet);
    cbTransposItems_.push_back(std::move(item));
  }
}

void TSongPresenter::cbTransposSelect(int entry) {
  if (entry < 0 || entry >= kTransposEntries) return;
  session_.Transpose(11 - entry);
}

std::vector<std::string> TSongPresenter::cbBpmItems() {
  std::vector<std::string> items;
  for (const TSpeed& s : kSpeeds) items.push_back(Mes(s.text));
  return items;
}

void TSongPresenter::edtBpmSelect(int entry) {
  if (entry < 0 || entry >= static_cast<int>(kSpeeds.size())) return;
  const TSpeed& s = kSpeeds[static_cast<size_t>(entry)];
  session_.SetSpeed(s.numerator, s.denominator);
  cbBpmText_ = Mes(s.text);
}

TBeatCommand TSongPresenter::CheckedBeatCommand() const {
  switch (session_.Model().beatChoice) {
    case TBeatLength::Double: return TBeatCommand::actIncBeat;
    case TBeatLength::Half: return TBeatCommand::actDecBeat;
    default: return TBeatCommand::actDefBeat;
  }
}

// ---- Tracks -----------------------------------------------------------------------------------

void TSongPresenter::SetTrackChecked(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(lvTracks_.size())) return;
  lvTracks_[static_cast<size_t>(index)].Checked = checked;
  session_.SetTrackEnabled(index, checked);
}

void TSongPresenter::SelectTrack(int index) {
  if (index >= -1 && index < static_cast<int>(lvTracks_.size())) lvTracksSelected_ = index;
}

// ---- Variants and marked notes ------------------------------------------------------------

void TSongPresenter::ShowVariants() {
  grdVariants_.SetRowCount(2);
  grdVariants_.ClearRow(1);
  const TVariants& variants = session_.Variants();
  const TChords& chords = variants.chords;
  const int n = static_cast<int>(chords.size());
  if (n >= grdVariants_.RowCount()) grdVariants_.SetRowCount(n + 1);
  for (int k = 0; k < n; ++k) {
    grdVariants_.SetCell(0, k + 1, std::to_string(k + 1));
    grdVariants_.SetCell(1, k + 1, ChordName(chords[static_cast<size_t>(k)], settings_.NoteSet));
    grdVariants_.SetCell(2, k + 1, VariantToneList(chords[static_cast<size_t>(k)], settings_.NoteSet));
  }
  grdVariants_.Row = std::clamp(variants.chosen + 1, 1, grdVariants_.RowCount() - 1);
  stVariants_ = MesFormat(MesId::SSongVariantsFound, n);
}

void TSongPresenter::ShowNoteNames() {
  // Same keys, so the same order: the lines sort by their numbers first.
  for (std::string& line : mmMarked_) line = MarkedLine(MarkedLineKey(line), settings_.NoteSet);
  if (session_.Variants().chords.empty()) return;
  const int row = grdVariants_.Row;
  ShowVariants();
  grdVariants_.Row = row;
}

void TSongPresenter::SelectVariantRow(int row) {
  grdVariants_.Row = std::clamp(row, 1, std::max(1, grdVariants_.RowCount() - 1));
}

void TSongPresenter::actSetSelectedChordExecute() {
  const int beat = CurrentGridBeat();
  if (beat < 0) return;
  session_.ChooseVariant(beat, grdVariants_.Row - 1);
}

// The list keeps its lines sorted as text ("100 - E7" before "60 - C4"); the selection
// follows its line when lines are added or removed above it.
void TSongPresenter::SetMarkedLines(int key, bool marked) {
  std::string line = MarkedLine(key, settings_.NoteSet);
  if (marked) {
    auto at = std::upper_bound(mmMarked_.begin(), mmMarked_.end(), line);
    int index = static_cast<int>(at - mmMarked_.begin());
    mmMarked_.insert(at, std::move(line));
    if (mmMarkedIndex_ >= index) ++mmMarkedIndex_;
  } else {
    // Found by its key, not its text: the line may name the note in the notation it was
    // marked in.
    auto at = std::find_if(mmMarked_.begin(), mmMarked_.end(),
                           [key](const std::string& l) { return MarkedLineKey(l) == key; });
    if (at == mmMarked_.end()) return;
    int index = static_cast<int>(at - mmMarked_.begin());
    mmMarked_.erase(at);
    if (mmMarkedIndex_ == index)
      mmMarkedIndex_ = -1;
    else if (mmMarkedIndex_ > index)
      --mmMarkedIndex_;
  }
}

void TSongPresenter::btnAutoSearchMarkedMouseDown() {
  // Pressing the button while it is up puts it down: the marked keys are recognised at once.
  const bool down = session_.Model().autoRecognize;
  if (!down) session_.RecognizeMarkedNotes();
  session_.SetAutoRecognize(!down);
}

void TSongPresenter::SelectMarked(int line) {
  mmMarkedIndex_ = line >= 0 && line < static_cast<int>(mmMarked_.size()) ? line : -1;
}

void TSongPresenter::RemoveSelectedMarked() {
  if (mmMarked_.empty()) return;
  session_.SetAutoRecognize(true);
  const int i = mmMarkedIndex_;
  if (i < 0) return;
  const int key = MarkedLineKey(mmMarked_[static_cast<size_t>(i)]);
  session_.MidiPiano.SetMarked(key, false);  // removes the line and recognises the rest
  const int count = static_cast<int>(mmMarked_.size());
  mmMarkedIndex_ = i < count ? i : count - 1;
}
