#pragma once
// TfrmMain: the program's one main window. It owns the song session (which owns the MIDI
// file engine and the piano's model) with its presenter (the controls' state made from the
// song model), the MIDI output device, the piano keyboard and the views over the presenter's
// data, and it forwards every command and gesture to the presenter or to its own playback
// routines. Its parts live in several files: untMain.cpp (start-up,
// shut-down, refreshing the views, the status bar), untMainLayout.cpp (the controls),
// untMainActions.cpp (the command table and menus), untMainSong.cpp (beat grid, variants,
// marked notes, key, transposition, speed), untMainTracks.cpp (track list and event view),
// untMainPlayback.cpp (playing, the output device) and untMainKeys.cpp (the computer
// keyboard as a piano).

#include <QKeySequence>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "midi/MidiClock.h"
#include "midi/MidiFile.h"
#include "song/Prompter.h"
#include "song/SongSession.h"
#include "ui/presenter/SongPresenter.h"
#include "ui/KeyboardPlayer.h"
#include "ui/untApplySettings.h"
#include "settings/ChordModelStore.h"
#include "settings/untVars.h"

class QAction;
class QActionGroup;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTableView;
class QTimer;
class QToolBar;
class QTreeView;
class QDockWidget;
class TChordSheetView;
class TDropDownCombo;
class TEventGridModel;
class TMidiPiano;
class TNoticeBar;
class TMainThreadPoster;
class TMidiOutService;
class TMidiInService;
class TMidiInputLink;
struct TMidiInMessage;
class TMidiOutput;
class TQtPlayback;
class TStringGridModel;
class TTabulistClient;
class TTabulistPeer;
class TTextListModel;
class TTrackListModel;

// What the window uses from its surroundings; left empty, the real ones: message boxes, the
// system's MIDI output, Qt's event loop, Qt's timers, the editor reached by its socket.
struct TMainWindowServices {
  Prompter* prompter = nullptr;
  std::shared_ptr<TMidiOutService> midiOutService;
  std::shared_ptr<TMidiInService> midiInService;
  std::shared_ptr<TMainThreadPoster> poster;
  TPlaybackServices playback;
  TTabulistPeer* tabulist = nullptr;
};

class TfrmMain : public QMainWindow, public TApplySettingsTarget {
  Q_OBJECT

 public:
  // args: the program's arguments without its name; the first one is opened at start.
  explicit TfrmMain(std::vector<std::string> args = {}, TMainWindowServices services = {},
                    QWidget* parent = nullptr);
  ~TfrmMain() override;

  TSongSession& Session() { return *session_; }
  TSongPresenter& Presenter() { return *presenter_; }
  // The window's own settings: read from the settings file when it is first shown, edited by
  // the options dialog, written when it closes.
  TSettings& Settings() { return settings_; }
  // Hands the settings the song's analysis uses (the key-aware choice, the notation) to the
  // session; the settings' application does it too.
  void UseSongOptions() override;
  void SetTimerResol(int32_t ms) override;
  TMidiOutput& MidiOut() override { return *MidiOut_; }
  TMidiFile& MidiFile() { return session_->MidiFile; }
  TMidiPianoModel& MidiPiano() { return session_->MidiPiano; }

  // The commands in the order of the command table.
  std::vector<QAction*> ActionList() const;

  // ---- Operations other parts call --------------------------------------------------
  void LoadSong(const std::string& fileName);
  // A file handed over by the desktop while the window runs (a second start of the program):
  // opened once no message box stands open, and the window comes to the front.
  void OpenFromDesktop(const std::string& fileName);
  void ApplySettings();
  void SilenceOutput();
  void OpenOutput() override;
  std::vector<TMidiInDevice> InputDevices() override;
  // Opens the MIDI keyboard named MidiInName when it is not the one open; a failure is told
  // in the status bar, naming the device.
  void OpenInput() override;
  TMidiInputLink& MidiIn() { return *MidiIn_; }
  void CloseOutput() override;
  // What putting the settings into effect does to the window.
  void SetFormOpened(bool opened) override;
  void SetShowHints(bool show) override;
  void SetPianoOctaves(int count) override;
  void FillKeyList() override;
  bool ChordsSearched() override;
  void SearchSongChords() override;
  void PlayNote(int note, int velocity);
  void PlayMarkedNotes();
  void PlayFromKey(int keyCode, int velocity);
  void ShowTrackEvents(int track);
  // Shows the session's state in every view.
  void RefreshFromSession();
  // The text the status bar shows (a control's long hint or a progress text).
  QString StatusText() const;
  bool FollowPlayback() const { return followPlayback_; }
  const TKeyboardPlayer& KeyboardPlayer() const { return keyboard_; }
  // The chord sheet: whether the performing view is on the screen, and the PDF of the sheet
  // written to a file (told in the status bar, a failure in a message).
  bool StageShown() const;
  bool ExportSheetPdf(const std::string& file);

  // Handlers that tests and timers reach directly.
  void MidiFileMidiEvent(PMidiEventEx event, int32_t TrackNo);
  void MidiFileUpdateEvent();
  void TimerAutoStopTimer();
  void MidiPianoShiftOctaves(int8_t startOctave);
  void grdSongMouseDown(Qt::MouseButton button, int gridCol, int gridRow);

 protected:
  // ---- Controls (named as the commands and gestures name them) ---------------------
  // Not part of the window's interface: its own code and a test window that re-publishes
  // them (tests/ui) use them; everything else finds a control by its object name.
  QToolBar* ToolBar = nullptr;
  // The tempo, the key, the transposition and the current key: beside ToolBar while the window
  // is wide enough for both, else in a second row below it.
  QToolBar* ToolBarKey = nullptr;
  QLineEdit* edtTime = nullptr;
  QLineEdit* edtTicks = nullptr;
  QLineEdit* edtLength = nullptr;
  QComboBox* cbBpm = nullptr;
  QComboBox* cbRootOrig = nullptr;
  TDropDownCombo* cbTranspos = nullptr;
  QLabel* stRootNew = nullptr;
  QTreeView* lvTracks = nullptr;
  QPushButton* btnScrollPianoLeft = nullptr;
  QPushButton* btnScrollPianoRight = nullptr;
  TMidiPiano* MidiPianoView = nullptr;  // the piano keyboard (MidiPiano)
  QLabel* stNote = nullptr;
  QPushButton* btnMarkedPlay = nullptr;
  QListView* mmMarked = nullptr;
  QPushButton* btnAutoSearchMarked = nullptr;
  QLabel* stVariants = nullptr;
  QPushButton* btnSetSelectedChord = nullptr;
  QTableView* grdVariants = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* btnSimplify = nullptr;
  QTableView* grdSong = nullptr;
  QTableView* grdTrack = nullptr;
  QPlainTextEdit* mmText = nullptr;
  QStatusBar* SB = nullptr;
  QLabel* stSilent = nullptr;  // in the status bar while the output device is closed
  // Above the panels: why the output device did not open, with a way to the options.
  TNoticeBar* pnlNoticeBar = nullptr;
  QMenu* MRUMenu = nullptr;
  QMenu* grdSongMenu = nullptr;
  QMenu* lvTracksMenu = nullptr;
  QMenu* grdVariantsMenu = nullptr;
  QTimer* TimerAutoStop = nullptr;
  QDockWidget* dckSheet = nullptr;  // the chord sheet's pane
  TChordSheetView* sheetView_ = nullptr;
  TChordSheetView* stageView_ = nullptr;  // the performing view's sheet
  QWidget* stageWindow_ = nullptr;

  // ---- Commands (ActionList) -------------------------------------------------------
  QAction *actLoad, *actSearchSongChords, *actWriteText, *actRewind, *actPlay, *actOptions, *actFindRoot,
      *actIncBeat, *actDefBeat, *actDecBeat, *actSetFragmentStart, *actRepeat, *actEditBit, *actPlayBit,
      *actSetSelectedChord, *actPlaySelectedChord, *actClearMarks, *actTracksMute, *actTracksTurnOn,
      *actLangBel, *actLangEng, *actLangIta, *actLangRus, *actEmail, *actHomePage, *actAbout, *actQuit,
      *actManual, *actExport, *actSheet, *actStage, *actPrint, *actExportPdf;
  // The grid's own entry for actPlayBit, with the Space key while the grid has the focus.
  QAction* actPlayBitMenuItem = nullptr;

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // untMain.cpp
  void FormCreate();
  static std::string DroppedSong(const QMimeData* data);
  void FormShow();
  // untMainGeometry.cpp: the window where it was closed, its title bar on a screen.
  void RestoreGeometry(const TWindowPos& pos);
  TWindowPos SavedGeometry() const;
  void KeepTitleBarOnScreen();
  void ScheduleControlDump();
  void WarnOutputClosed();
  void ConnectFocus();
  // After a choice in a list of the tool bar or a question, the keys go to the beat grid.
  void ReturnFocusToGrid();
  void ShowStatusHint(const std::string& text);
  void ShowError(const std::string& text);
  // Shows the session's state once the current event is handled (many changes, one refresh).
  void RequestRefresh();
  // untMainLayout.cpp
  void CreateControls();
  void CreateToolBar();
  void FitToolBar();
  // Puts the key tool bar beside or below the commands, as the window's width allows.
  void WrapToolBars();
  int ToolBarsRowWidth() const;
  void FitTrackColumns();
  void ConnectLayout();
  void FitSongColumns();
  void FitGridColumns();
  QSize DefaultSize();
  // untMainActions.cpp: the command table, one row per command.
  struct TCommand {
    QAction* TfrmMain::*Action;
    const char* Name;
    MesId Caption;
    MesId Hint;
    QKeySequence Key;
    void (TfrmMain::*Handler)();
  };
  static const std::vector<TCommand>& Commands();
  void CreateActions();
  void actQuitExecute();
  void CreateMenus();
  void ConnectDialogs();
  void BuildMRUMenu();
  void SetPlayActionPlaying(bool playing);
  // untMainSong.cpp
  void ConnectSongControls();
  void RunPresenterCommand(void (TSongPresenter::*op)());
  void actIncBeatExecute();
  void actDefBeatExecute();
  void actDecBeatExecute();
  void actSetSelectedChordExecute();
  void actPlaySelectedChordExecute();
  void actClearMarksExecute();
  // Runs a command of the session, shows an error it raises, then the session's state.
  void RunSongCommand(const std::function<void()>& command);
  void actLoadExecute();
  void actSearchSongChordsExecute();
  void actWriteTextExecute();
  void actExportExecute();
  void actFindRootExecute();
  void grdSongSelectCell(int gridCol, int gridRow);
  bool grdSongKeyDown(int key);
  void SyncSongCursor();
  void FillComboItems(QComboBox* combo, const std::vector<std::string>& items, int index);
  // untMainTracks.cpp
  void ConnectTrackControls();
  void lvTracksChange(int row, bool checked);
  void actTracksMuteExecute();
  void actTracksTurnOnExecute();
  // untMainPlayback.cpp
  void ConnectPlayback();
  // The MIDI keyboard: its notes light the piano, its chords become the marked keys while
  // "Автопоиск" is down, its messages pass to the output with MIDI thru.
  void ConnectMidiInput();
  void MidiInputThru(const TMidiInMessage& message);
  void actPlayExecute();
  void actRewindExecute();
  void actRepeatExecute();
  void actSetFragmentStartExecute();
  void PlayBit(bool advance);
  void actEditBitExecute();
  void actPlayBitExecute();
  // untMainSettings.cpp
  void actOptionsExecute();
  void actAboutExecute();
  void actHomePageExecute();
  void actEmailExecute();
  void actManualExecute();
  void SwitchLanguageTo(const std::string& code);
  void actLangBelExecute();
  void actLangEngExecute();
  void actLangItaExecute();
  void actLangRusExecute();
  void ShowLyrics();
  // untMainSheet.cpp
  void CreateSheet();
  void FitSheetBeside();
  void RefreshSheet();
  void FollowSheet(int32_t tick);
  void SheetChordClicked(int beat);
  void actSheetExecute();
  void actStageExecute();
  void actPrintExecute();
  void actExportPdfExecute();
  // untMainKeys.cpp
  bool FormKeyDown(QKeyEvent* event);
  bool FormKeyUp(QKeyEvent* event);

  std::vector<std::string> args_;
  TMainWindowServices services_;
  std::unique_ptr<Prompter> ownPrompter_;
  std::unique_ptr<Prompter> focusPrompter_;
  Prompter* prompter_ = nullptr;
  std::unique_ptr<StatusSink> status_;
  std::unique_ptr<TQtPlayback> qtPlayback_;
  std::unique_ptr<TTabulistClient> tabulistClient_;
  std::unique_ptr<TTabulistPeer> ownTabulist_;
  // Declared before everything that reads it.
  TSettings settings_;
  std::unique_ptr<TSongSession> session_;
  // Declared after the session: it leaves the session's observers before the session goes.
  std::unique_ptr<TSongPresenter> presenter_;
  std::unique_ptr<TMidiOutput> MidiOut_;
  std::unique_ptr<TMidiInputLink> MidiIn_;
  bool thruWarned_ = false;
  int sheetObserver_ = 0;  // marks the sheet for making anew when what it shows changed
  bool sheetDirty_ = true;
  NoteNotation sheetNotation_ = NoteNotation::English;
  int modelObserver_ = 0;  // the window's subscription to the song model's changes  // a failing MIDI thru is told once per device opened
  TKeyboardPlayer keyboard_;

  TStringGridModel* songModel_ = nullptr;
  TStringGridModel* variantsModel_ = nullptr;
  TTextListModel* markedModel_ = nullptr;
  TTrackListModel* tracksModel_ = nullptr;
  TEventGridModel* eventsModel_ = nullptr;
  QActionGroup* beatGroup_ = nullptr;

  // FormCreate: the heights the expanded layout restores.
  int createdHeight_ = 0;
  int createdSongHeight_ = 0;
  QGridLayout* clientLayout_ = nullptr;
  QHBoxLayout* bottomRow_ = nullptr;
  bool formLayoutSet_ = false;
  int bottomHeight_ = 0;  // what the compact layout took from the window
  int expandedHeight_ = 0;
  int compactHeight_ = 0;
  int8_t HeldNote = -1;  // the piano key held by the mouse
  bool shown_ = false;
  bool followPlayback_ = false;
  bool playingBit_ = false;
  bool portWarned_ = false;
  bool refreshing_ = false;
  bool refreshRequested_ = false;
  bool hintsShown_ = true;
  // The learned chord model, read when first chosen; a missing or damaged one is named once a
  // run, not at every change of settings.
  TChordModelLoad chordModel_;
  bool chordModelProblemShown_ = false;
  bool starting_ = false;
  QTimer* dumpTimer_ = nullptr;
  bool toolBarsWrapped_ = false;
  int lvTracksDesignWidth_ = 0;
  TWindowPos savedPos_;
  std::string settingsError_;
  std::string shownLyrics_;
};
