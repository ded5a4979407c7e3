// Any bytes as a song, driven through the whole analysis the way a user who answers Yes to
// every question would: load, beat length, key, chord search with and without the key-aware
// table, transposition, the variants of a beat, simplification, and every written form of
// the chords and the lead sheet. Nothing may crash, hang or run out of memory, and what comes out must hold
// together: one beat per grid cell, valid UTF-8 in every text.
//
// The options come from the last bytes of the input, which stay part of the file: a MIDI
// file ends in an end-of-track event whose bytes the mutations may change freely.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <pugixml.hpp>

#include "chords/untChords.h"
#include "chords/untKeysense.h"
#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "export/CodePage.h"
#include "export/LeadSheet.h"
#include "export/MusicXmlWriter.h"
#include "export/SongAnalysis.h"
#include "export/WriteText.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "settings/untVars.h"
#include "song/SongSession.h"
#include "ui/presenter/SongPresenter.h"

namespace {

class YesPrompter final : public Prompter {
 public:
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons, TPromptIcon) override {
    return TPromptAnswer::Yes;
  }
  void Information(const std::string&, const std::string& text) override { Check(text); }
  void Warning(const std::string&, const std::string& text) override { Check(text); }
  void Error(const std::string&, const std::string& text) override { Check(text); }
  void Message(const std::string& text) override { Check(text); }

 private:
  static void Check(const std::string& text) {
    if (!IsValidUtf8(text)) std::abort();
  }
};

const TKeysenseTable& ShippedKeysense() {
  static const TKeysenseTable table = [] {
    TFileReadResult r = ReadWholeFile(std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini");
    TIniFile ini(r.bytes);
    TKeysenseTable t;
    LoadKeysenseTable(t, ini.ReadString("Keysense", "Main", ""), ini.ReadString("Keysense", "Added", ""));
    return t;
  }();
  return table;
}

uint8_t Option(const uint8_t* data, size_t size, size_t fromEnd) {
  return fromEnd < size ? data[size - 1 - fromEnd] : 0;
}

// A search costs per beat a few microseconds in this instrumented build plus a pass over
// every key held across it, and the road searches up to five times (one of them at half
// the beat). A song over this budget takes only the cheap steps, so that one input stays
// well within the fuzzer's time limit; longer songs are the tests' business.
constexpr int64_t kSearchBudget = 4'000'000;

bool WithinSearchBudget(TMidiFile& file) {
  int64_t noteOns = 0;
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t)
    for (const TMidiEventEx& e : file.TrackAt(t).Events())
      noteOns += (e.Status & 0xF0) == 0x90 && (e.Status & 0x0F) != 9 && e.Data2 > 0;
  const int64_t heldAtMost = std::min<int64_t>(noteOns, 128 * 15);
  const int64_t shortest = std::max<int32_t>(file.BeatTicks() / 2, 1);
  const int64_t beats = std::max<int32_t>(file.SongLength(), 0) / shortest + 1;
  return beats * (50 + heldAtMost) <= kSearchBudget;
}

// The grid shows one cell per beat, four to a row, and nothing more.
void CheckGrid(const TSongPresenter& s) {
  const size_t beats = s.Session().beats().size();
  if (beats > static_cast<size_t>(TSongSession::MaxSongBeats)) std::abort();
  if (static_cast<size_t>(s.grdSong().RowCount()) != beats / BeatsPerRow + 2) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t a = Option(data, size, 0);
  const uint8_t b = Option(data, size, 1);
  const uint8_t c = Option(data, size, 2);

  TSettings settings;
  if ((c >> 6) <= 2) settings.NoteSet = static_cast<NoteNotation>(c >> 6);
  YesPrompter prompter;
  NullStatusSink status;
  TSongSession session(prompter, status, TSongOptions{.keysense = (a & 0x01) != 0, .keysenseTable = ShippedKeysense(), .notation = settings.NoteSet});
  TSongPresenter presenter(session, settings);
  presenter.FillKeyList();
  presenter.FillTransposeList(true);
  TExportOptions textOptions;
  textOptions.commExport = a & 0x02;
  textOptions.textCodepage = (a & 0x0C) == 0x04 ? 1252 : (a & 0x0C) == 0x08 ? 20866 : 1251;
  textOptions.notation = settings.NoteSet;

  // Bytes that hold no track are reported and leave the session as it was; any other file, cut
  // short or not, is opened with what it holds. Neither throws.
  session.LoadSongFromBytes("fuzz.mid", std::string(reinterpret_cast<const char*>(data), size));

  if (!WithinSearchBudget(session.MidiFile)) {
    // Only a song beyond the most beats is cheap to search: the search refuses it at once.
    const int32_t beat = std::max<int32_t>(session.beatLength(), 2);
    if (std::max<int32_t>(session.MidiFile.SongLength(), 0) / beat + 1 > TSongSession::MaxSongBeats) {
      presenter.actSearchSongChordsExecute();
      if (!session.beats().empty()) std::abort();
    }
    presenter.actFindRootExecute();
    CheckGrid(presenter);
    return 0;
  }

  // The beat length before the search (three commands; the default is checked already).
  switch ((a >> 4) & 0x03) {
    case 1: presenter.actIncBeatExecute(); break;
    case 2: presenter.actDecBeatExecute(); break;
    default: break;
  }
  // The key: detected, picked by hand, or left unknown (Keysense then asks to detect it).
  switch ((a >> 6) & 0x03) {
    case 1: presenter.actFindRootExecute(); break;
    case 2: presenter.cbRootOrigSelect(b % 13 - 1); break;
    default: break;
  }

  presenter.actSearchSongChordsExecute();
  CheckGrid(presenter);

  presenter.SetTransposition(static_cast<int>(b % 23) - 11);
  CheckGrid(presenter);
  if (c & 0x01) {
    // A second search without the table, over the shifted notes.
    TSongOptions flipped = session.Options();
    flipped.keysense = !flipped.keysense;
    session.SetOptions(std::move(flipped));
    presenter.actSearchSongChordsExecute();
  }
  if (c & 0x02) presenter.actDecBeatExecute();
  else if (c & 0x04) presenter.actIncBeatExecute();
  CheckGrid(presenter);

  const int beats = static_cast<int>(session.beats().size());
  if (beats > 0) {
    const int beat = static_cast<int>((static_cast<unsigned>(b) << 8 | c) % static_cast<unsigned>(beats));
    int col = 0, row = 0;
    TSongPresenter::BeatCell(beat, col, row);
    presenter.SetSongCell(col, row);
    session.TakeBeatVariants(beat);
    presenter.SelectVariantRow(1 + (c >> 4));
    presenter.actPlaySelectedChordExecute();
    presenter.actSetSelectedChordExecute();
  }
  if (c & 0x08) session.SimplifyChords();
  CheckGrid(presenter);

  TChordTextInput input = ChordTextInputOf(session, textOptions);
  input.dateTime = "01.01.2026 12:00:00";
  const TChordText text = BuildChordText(session.MidiFile, input);
  for (const std::string& line : text.Lines())
    if (!IsValidUtf8(line)) std::abort();
  if (!IsValidUtf8(ChordTextString(text))) std::abort();
  if (!IsValidUtf8(ChordProString(text))) std::abort();
  if (!IsValidUtf8(BeatGridString(input.cells))) std::abort();

  // The lead sheet, its melody chosen or the track the options name: well-formed XML or a reason.
  TAnalysisRequest request;
  request.text = textOptions;
  request.melodyTrack = (c & 0x30) == 0x30 ? b % 4 : 0;
  const TResult<TLeadSheet> sheet = LeadSheetOf(SongAnalysisOf(session, "fuzz.mid", request));
  if (sheet) {
    const std::string xml = MusicXmlOf(sheet.Value(), "Melody");
    pugi::xml_document doc;
    if (!IsValidUtf8(xml) || !doc.load_string(xml.c_str())) std::abort();
  } else if (!IsValidUtf8(sheet.Error().Text)) {
    std::abort();
  }
  return 0;
}
