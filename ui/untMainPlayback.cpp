// Playing the song: Play/Stop, Rewind, Repeat from the fragment start, single beats; the
// engine's two events (each played event to the output, the piano and the lyrics view; the
// position to the displays and the beat grid); the output device's silence, opening and
// closing; the notes of the piano and of the marked keys.
#include <QAction>
#include <QLineEdit>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include <exception>

#include "base/untMesConst.h"
#include "export/ChordText.h"
#include "export/CodePage.h"
#include "midi/MidiOut.h"
#include "midi/PlayedEvent.h"
#include "platform/MidiInputLink.h"
#include "settings/untVars.h"
#include "base/Finally.h"
#include "song/LyricsView.h"
#include "ui/MidiPiano.h"
#include "ui/NoticeBar.h"
#include "ui/untMain.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

void SetTextNow(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  edit->setText(text);
  edit->repaint();
}
}  // namespace

void TfrmMain::ConnectPlayback() {
  TMidiFile& file = session_->MidiFile;
  file.SetOnMidiEvent([this](PMidiEventEx event, int32_t trackNo) { MidiFileMidiEvent(event, trackNo); });
  file.SetOnUpdateEvent([this](TMidiFile&) { MidiFileUpdateEvent(); });
  // A failure inside a timer step is shown once the step is over, not inside it.
  file.SetErrorReport([this](const std::string& message) {
    QTimer::singleShot(0, this, [this, message] { ShowError(message); });
  });

  session_->Playback.StopPlayback = [this] { actPlayExecute(); };
  session_->Playback.Rewind = [this] { actRewindExecute(); };
  session_->Playback.PlayMarkedNotes = [this] {
    PlayMarkedNotes();
    TimerAutoStop->start();
  };

  keyboard_.PlayNote = [this](int note, int velocity) { PlayNote(note, velocity); };
  keyboard_.ShiftOctaves = [this](int delta) { MidiPiano().ShiftOctaves(-1, delta); };
  keyboard_.BaseC = [this] {
    const TMidiPianoModel& piano = MidiPiano();
    return (piano.StartOctave() + (piano.OctaveCount() - 1) / 2) * 12;
  };
  // The piano: notes from the mouse, the note under it, marks by mouse (which press the
  // auto-search button down), octave shifts (which end the notes held from the keyboard).
  connect(MidiPianoView, &TMidiPiano::OnPlayNote, this, [this](int note, int velocity) { PlayNote(note, velocity); });
  connect(MidiPianoView, &TMidiPiano::OnHoverNote, this, [this](int, const QString& name) { stNote->setText(name); });
  connect(MidiPianoView, &TMidiPiano::OnMarkByMouse, this, [this](int) {
    presenter_->SetAutoSearchMarked(true);
    RequestRefresh();
  });
  connect(MidiPianoView, &TMidiPiano::OnShiftOctaves, this,
          [this](int startOctave) { MidiPianoShiftOctaves(static_cast<int8_t>(startOctave)); });
  // Marks change the marked-notes list and the variants the session keeps.
  auto sessionMarkKey = MidiPiano().OnMarkKey;
  MidiPiano().OnMarkKey = [this, sessionMarkKey](int key, bool marked) {
    sessionMarkKey(key, marked);
    RequestRefresh();
  };

  connect(TimerAutoStop, &QTimer::timeout, this, [this] { TimerAutoStopTimer(); });
  connect(btnMarkedPlay, &QPushButton::pressed, this, [this] { PlayMarkedNotes(); });
  connect(btnMarkedPlay, &QPushButton::released, this, [this] { SilenceOutput(); });
  connect(btnScrollPianoLeft, &QPushButton::clicked, this, [this] { MidiPiano().ShiftOctaves(-1, -1); });
  connect(btnScrollPianoRight, &QPushButton::clicked, this, [this] { MidiPiano().ShiftOctaves(-1, 1); });
}

void TfrmMain::MidiFileMidiEvent(PMidiEventEx event, int32_t TrackNo) {
  if (event->Status == 0xFF) {
    if (!IsLyricEvent(*event, session_->karaoke(), TrackNo)) return;
    session_->AppendLyricText(DecodeMidiText(event->Text(), CodePageFromNumber(settings_.TextCodepage)));
    ShowLyrics();
    return;
  }
  // A closed device was reported when it failed to open; the song then plays on the piano only.
  if (MidiOut_->IsOpen()) {
    if (auto played = PlayedMidiEvent(*event, session_->transposition(), settings_.MidiOutNoTranspose)) {
      try {
        MidiOut_->SendEventAt(*played, session_->MidiFile.EventDueUs());
      } catch (const EmidioutputError& e) {
        // A port or server that went away takes no more of the song: playback stops once
        // this step is over, and the engine reports the error once.
        if (e.Code() == uint16_t(TMidiOutErrc::DeviceGone) || e.Code() == uint16_t(TMidiOutErrc::ServerGone))
          QTimer::singleShot(0, this, [this] {
            if (session_->MidiFile.Playing()) actPlayExecute();
          });
        throw;
      }
    }
  }
  // The piano shows the notes as the song holds them (transposed), never the drums.
  if (event->Status < 0xF0 && (event->Status & 0x0F) != 9)
    MidiPiano().HandleMidiMessage(event->Status, event->Data1, event->Data2);
}

void TfrmMain::MidiFileUpdateEvent() {
  TMidiFile& file = session_->MidiFile;
  std::string time = FormatTime(file.PositionMs());
  if (time.size() > 4) time.resize(time.size() - 4);  // hours, minutes and seconds
  SetTextNow(edtTime, Q(time));
  QString bpm = QString::number(file.CurrentBpm());
  if (cbBpm->currentText() != bpm) {
    cbBpm->setEditText(bpm);
    cbBpm->repaint();
  }
  SetTextNow(edtTicks, Q(file.FormatTicks(file.PositionTicks())));
  FollowSheet(file.PositionTicks());
  if (followPlayback_) {
    presenter_->FollowPlayback(file.PositionTicks());
    SyncSongCursor();
  }
  if (file.AllTracksDone() && file.Playing()) actPlayExecute();
}

void TfrmMain::actPlayExecute() {
  TMidiFile& file = session_->MidiFile;
  if (file.Playing()) {
    file.Stop();
    SilenceOutput();
    ShowStatusHint(std::string());
    SetPlayActionPlaying(false);
  } else {
    followPlayback_ = true;
    session_->SetLyrics(std::string());
    MidiPiano().ClearMarks();
    bool started = file.PositionTicks() < file.SongLength() ? file.Play() : file.PlayFromStart();
    if (started) {
      ShowStatusHint(Mes(MesId::SPlayingHint));
      SetPlayActionPlaying(true);
    }
    RefreshFromSession();
  }
  ToolBar->update();
}

void TfrmMain::actRewindExecute() {
  if (session_->MidiFile.Playing()) actPlayExecute();
  // The device is opened anew, which also ends whatever a previous song left on it.
  CloseOutput();
  OpenOutput();
  session_->MidiFile.Rewind();
  session_->SetFragmentStart(0);
}

void TfrmMain::actRepeatExecute() {
  TMidiFile& file = session_->MidiFile;
  if (file.Playing()) {
    file.Stop();
    SilenceOutput();
    SetPlayActionPlaying(false);
  }
  followPlayback_ = true;
  session_->SetLyrics(std::string());
  ShowLyrics();
  file.Seek(session_->fragmentStart(), false);
  if (file.Play()) {
    ShowStatusHint(Mes(MesId::SPlayingHint));
    SetPlayActionPlaying(true);
  }
  ToolBar->update();
}

void TfrmMain::actSetFragmentStartExecute() {
  int b = presenter_->CurrentGridBeat();
  if (b >= 0) session_->SetFragmentStart(b * session_->beatLength());
}

void TfrmMain::PlayBit(bool advance) {
  TMidiFile& file = session_->MidiFile;
  if (playingBit_ || file.Playing()) return;
  playingBit_ = true;
  TFinally done([this] { playingBit_ = false; });
  followPlayback_ = false;
  const int b = presenter_->CurrentGridBeat();
  if (b < 0) return;

  session_->MarkBeatForPlay(b);
  RefreshFromSession();

  const int32_t start = b * session_->beatLength();
  file.Seek(start, false);
  file.PlayUntil(start + session_->beatLength());
  SilenceOutput();

  if (advance) {
    presenter_->AdvanceSongCell();
    SyncSongCursor();
  }
  RefreshFromSession();
}

void TfrmMain::TimerAutoStopTimer() {
  TimerAutoStop->stop();
  // The preview may have been started while the song played: the song stops with it, and
  // the Play command shows so.
  if (session_->MidiFile.Playing())
    actPlayExecute();
  else
    SilenceOutput();
  RefreshFromSession();
}

void TfrmMain::SilenceOutput() {
  try {
    MidiOut_->AllSoundOff();
  } catch (const EmidioutputError&) {
    // A device that has gone away sounds nothing any more.
  }
  MidiPiano().ReleaseAllKeys();
  // Keys still held on the MIDI keyboard stay lit.
  if (MidiIn_)
    for (int note : MidiIn_->Keyboard.SoundingNotes()) MidiPiano().SetKeyLevel(note, 1);
}

void TfrmMain::CloseOutput() {
  SilenceOutput();
  MidiOut_->Close();
  session_->MidiFile.SetLookAheadUs(0);
}

void TfrmMain::OpenOutput() {
  if (!MidiOut_->IsOpen()) MidiOut_->Open();
  // A device that plays at due times (JACK) is sent the song a little ahead.
  session_->MidiFile.SetLookAheadUs(MidiOut_->PlaybackLookAheadUs());
  // While the output is closed the status bar says that playing stays silent.
  stSilent->setVisible(!MidiOut_->IsOpen());
  if (MidiOut_->IsOpen()) {
    pnlNoticeBar->hide();
    return;
  }
  if (!portWarned_) WarnOutputClosed();
  portWarned_ = true;
}

void TfrmMain::PlayNote(int note, int velocity) {
  MidiPiano().HandleMidiMessage(0x90, static_cast<uint8_t>(note), static_cast<uint8_t>(velocity));
  int sent = settings_.MidiOutNoTranspose ? note - session_->transposition() : note;
  // A note that the transposition moved off the keyboard has no sound to send.
  if (sent < 0 || sent > 127 || !MidiOut_->IsOpen()) return;
  try {
    MidiOut_->SendEventLive(TMidiEvent(0x90, static_cast<uint8_t>(sent), static_cast<uint8_t>(velocity)));
  } catch (const EmidioutputError& e) {
    ShowError(e.what());
  }
}

void TfrmMain::PlayMarkedNotes() {
  for (int note = 0; note < TMidiPianoModel::NoteCount; ++note)
    if (MidiPiano().IsMarked(note)) PlayNote(note, 127);
}

void TfrmMain::MidiPianoShiftOctaves(int8_t) { keyboard_.PianoShifted(); }

void TfrmMain::actEditBitExecute() {
  actSetFragmentStartExecute();
  PlayBit(false);
}

void TfrmMain::actPlayBitExecute() { PlayBit(true); }
