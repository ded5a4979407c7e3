#pragma once
// The real main window on Qt's offscreen platform, with a scripted Prompter, a recording MIDI
// output and a manual clock, its settings in a scratch folder of its own.

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "chords/untChords.h"
#include "midi/MainThreadPoster.h"
#include "midi/ManualClock.h"
#include "midi/MidiInService.h"
#include "midi/MidiOutRecorder.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "ui/untMain.h"

namespace uitest {

// The test program's one application object (tests/ui/QtTestApp.cpp).
inline QApplication& App() { return *qobject_cast<QApplication*>(QCoreApplication::instance()); }

inline std::string Example(const char* name) { return std::string(CANTARO_SOURCE_DIR) + "/examples/" + name; }

inline uint32_t Word(uint8_t status, uint8_t d1, uint8_t d2) {
  return status | (uint32_t(d1) << 8) | (uint32_t(d2) << 16);
}

}  // namespace uitest

// The window with its controls and commands published for the tests (the window keeps them
// to itself).
class TTestWindow final : public TfrmMain {
 public:
  using TfrmMain::TfrmMain;
  using TfrmMain::ToolBar;
  using TfrmMain::ToolBarKey;
  using TfrmMain::edtTime;
  using TfrmMain::edtTicks;
  using TfrmMain::edtLength;
  using TfrmMain::cbBpm;
  using TfrmMain::cbRootOrig;
  using TfrmMain::cbTranspos;
  using TfrmMain::stRootNew;
  using TfrmMain::lvTracks;
  using TfrmMain::btnScrollPianoLeft;
  using TfrmMain::btnScrollPianoRight;
  using TfrmMain::MidiPianoView;
  using TfrmMain::stNote;
  using TfrmMain::btnMarkedPlay;
  using TfrmMain::mmMarked;
  using TfrmMain::btnAutoSearchMarked;
  using TfrmMain::stVariants;
  using TfrmMain::btnSetSelectedChord;
  using TfrmMain::grdVariants;
  using TfrmMain::Label1;
  using TfrmMain::btnSimplify;
  using TfrmMain::grdSong;
  using TfrmMain::grdTrack;
  using TfrmMain::mmText;
  using TfrmMain::SB;
  using TfrmMain::stSilent;
  using TfrmMain::pnlNoticeBar;
  using TfrmMain::MRUMenu;
  using TfrmMain::grdSongMenu;
  using TfrmMain::lvTracksMenu;
  using TfrmMain::grdVariantsMenu;
  using TfrmMain::TimerAutoStop;
  using TfrmMain::actLoad;
  using TfrmMain::actSearchSongChords;
  using TfrmMain::actWriteText;
  using TfrmMain::actRewind;
  using TfrmMain::actPlay;
  using TfrmMain::actOptions;
  using TfrmMain::actFindRoot;
  using TfrmMain::actIncBeat;
  using TfrmMain::actDefBeat;
  using TfrmMain::actDecBeat;
  using TfrmMain::actSetFragmentStart;
  using TfrmMain::actRepeat;
  using TfrmMain::actEditBit;
  using TfrmMain::actPlayBit;
  using TfrmMain::actSetSelectedChord;
  using TfrmMain::actPlaySelectedChord;
  using TfrmMain::actClearMarks;
  using TfrmMain::actTracksMute;
  using TfrmMain::actTracksTurnOn;
  using TfrmMain::actLangBel;
  using TfrmMain::actLangEng;
  using TfrmMain::actLangIta;
  using TfrmMain::actLangRus;
  using TfrmMain::actEmail;
  using TfrmMain::actHomePage;
  using TfrmMain::actAbout;
  using TfrmMain::actQuit;
  using TfrmMain::actManual;
  using TfrmMain::actExport;
  using TfrmMain::actPlayBitMenuItem;
  using TfrmMain::actSheet;
  using TfrmMain::actStage;
  using TfrmMain::actPrint;
  using TfrmMain::actExportPdf;
  using TfrmMain::dckSheet;
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    uitest::App();
    namespace fs = std::filesystem;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    scratch = fs::path(::testing::TempDir()) /
              ("cantaro-ui-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(scratch);
    fs::create_directories(scratch / "prog");
    fs::create_directories(scratch / "config");
    programFolder = ProgramFolder;
    SetProgramFolder((scratch / "prog").string());
    SetConfigHome((scratch / "config").string());
    preset = TSettings{};
    recorder = std::make_shared<TMidiOutRecorder>();
    poster = std::make_shared<TManualPoster>();
  }

  ~MainWindowTest() override {
    window.reset();
    // The program's own folders again, where the tests after this one find the translations
    // and the user's configuration.
    SetConfigHome(configHome);
    SetProgramFolder(programFolder);
    std::filesystem::remove_all(scratch);
  }

  // Creates and shows the window; its first showing reads and applies the settings.
  TTestWindow& Open(std::vector<std::string> args = {}, bool keysense = false) {
    TMainWindowServices services;
    services.prompter = &prompter;
    services.midiOutService = outputOverride ? outputOverride : std::shared_ptr<TMidiOutService>(recorder);
    services.midiInService = midiIn;
    services.poster = poster;
    services.playback = clock.Services();
    services.tabulist = tabulist;
    window = std::make_unique<TTestWindow>(std::move(args), services);
    // The window starts from the test's settings (its own menu callback kept), then reads the
    // settings file when it is first shown. Chord searches ask no key question unless a test
    // wants them to.
    std::function<void()> menu = window->Settings().OnMRUChanged;
    window->Settings() = preset;
    window->Settings().OnMRUChanged = std::move(menu);
    window->Settings().Keysense = keysense;
    window->show();
    QCoreApplication::processEvents();
    // The warnings of the start wait for the window to stand on the screen.
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    window->Settings().Keysense = keysense;
    window->UseSongOptions();
    return *window;
  }

  // The settings a test gives before the window opens, which the window starts from; the
  // window's own once it is open.
  TSettings& S() { return window ? window->Settings() : preset; }
  TSettings preset;

  // The same with another output service than the recorder.
  TTestWindow& OpenWithOutput(std::shared_ptr<TMidiOutService> output, std::vector<std::string> args = {}) {
    outputOverride = std::move(output);
    return Open(std::move(args));
  }

  TTestWindow& w() { return *window; }

  // The text of a beat's cell as the beat grid shows it.
  static QString BeatCell(QTableView* grid, int beat) {
    return grid->model()->index(beat / 4, beat % 4 + 1).data().toString();
  }

  // A double click as the platform delivers it: press, release, press with double click.
  static void DoubleClick(QAbstractItemView* view, const QModelIndex& index) {
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  }

  int CountWord(uint32_t word) const {
    int n = 0;
    for (uint32_t x : recorder->ShortWords()) n += x == word;
    return n;
  }

  std::filesystem::path scratch;
  std::string programFolder;
  std::string configHome = ConfigHomeFolder();
  ScriptedPrompter prompter;
  TManualClock clock;
  std::shared_ptr<TMidiOutRecorder> recorder;
  std::shared_ptr<TManualPoster> poster;
  std::shared_ptr<TMidiOutService> outputOverride;
  // The MIDI input devices; none: the system's.
  std::shared_ptr<TMidiInService> midiIn;
  // The chord-text editor the window hands its text to; none: the window makes its own.
  TTabulistPeer* tabulist = nullptr;
  std::unique_ptr<TTestWindow> window;
};
