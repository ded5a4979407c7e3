#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/untMesConst.h"
#include "chords/untKeysense.h"
#include "midi/MidiOut.h"
#include "song/LyricsView.h"
#include "ui/NoticeBar.h"
#include "ui/Controls.h"
#include "ui/MidiPiano.h"
#include "ui/untAbout.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/export/ScriptedEditor.h"

using uitest::Example;

// Fontconfig keeps a cache for the life of the process, which the leak checker reports.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST_F(MainWindowTest, TheFileNamedAtStartOpensAfterTheSettingsAndBecomesTheFirstRecentFile) {
  const std::string file = Example("korobeiniki.kar");
  Open({file});
  EXPECT_TRUE(prompter.Calls().empty());
  EXPECT_EQ(w().lvTracks->model()->rowCount(), w().MidiFile().NumberOfTracks());
  EXPECT_GT(w().lvTracks->model()->rowCount(), 2);
  EXPECT_TRUE(w().windowTitle().endsWith(QString::fromStdString(" - " + file)));
  EXPECT_FALSE(w().edtLength->text().isEmpty());
  EXPECT_EQ(w().cbTranspos->currentText(), "0");
  EXPECT_EQ(w().cbTranspos->count(), 23);
  EXPECT_EQ(w().cbRootOrig->count(), 12);
  EXPECT_EQ(w().cbRootOrig->itemText(0), QString::fromUtf8("C или Am"));
  EXPECT_TRUE(w().actDefBeat->isChecked());

  ASSERT_TRUE(w().MRUMenu->menuAction()->isVisible());
  ASSERT_EQ(w().MRUMenu->actions().size(), 1);
  EXPECT_EQ(w().MRUMenu->actions()[0]->text(), QString::fromStdString(file));
  EXPECT_EQ(w().MRUMenu->actions()[0]->data().toInt(), 100);
  // The output device was opened on the way.
  EXPECT_TRUE(w().MidiOut().IsOpen());
}

TEST_F(MainWindowTest, AFileNamedRelativelyAtStartIsRememberedWithItsWholePath) {
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(std::string(CANTARO_SOURCE_DIR) + "/examples");
  Open({"korobeiniki.kar"});
  std::filesystem::current_path(was);
  EXPECT_TRUE(prompter.Calls().empty());
  ASSERT_EQ(w().MRUMenu->actions().size(), 1);
  const QString remembered = w().MRUMenu->actions()[0]->text();
  EXPECT_TRUE(std::filesystem::path(remembered.toStdString()).is_absolute()) << remembered.toStdString();
  EXPECT_TRUE(std::filesystem::exists(remembered.toStdString())) << remembered.toStdString();
}

TEST_F(MainWindowTest, AMissingFileOnTheCommandLineIsReportedAndTheWindowStays) {
  Open({"/no/such/song.mid"});
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_EQ(prompter.Last().Text, "Файл /no/such/song.mid не найден");
  EXPECT_TRUE(w().isVisible());
  EXPECT_FALSE(w().MRUMenu->menuAction()->isVisible());
}

TEST_F(MainWindowTest, ChordSearchFillsTheBeatGridAndADoubleClickShowsTheBeatsVariants) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  EXPECT_TRUE(prompter.Calls().empty());
  EXPECT_EQ(BeatCell(w().grdSong, 0), "C");
  EXPECT_EQ(BeatCell(w().grdSong, 4), "G7");
  EXPECT_EQ(w().grdSong->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("Бит 1"));
  EXPECT_EQ(w().grdSong->model()->index(1, 0).data().toString(), "1");  // row label
  EXPECT_TRUE(w().StatusText().isEmpty());

  // A double click plays the beat, marks its notes and lists its variants.
  const int b = 4;
  QModelIndex cell = w().grdSong->model()->index(b / 4, b % 4 + 1);
  DoubleClick(w().grdSong, cell);
  EXPECT_EQ(w().Session().fragmentStart(), b * w().Session().beatLength());
  const TVariants& beat = w().Session().beats()[static_cast<size_t>(b)];
  ASSERT_FALSE(beat.chords.empty());
  EXPECT_EQ(w().grdVariants->model()->rowCount(), static_cast<int>(beat.chords.size()));
  EXPECT_EQ(w().grdVariants->model()->index(0, 1).data().toString(), BeatCell(w().grdSong, b));
  EXPECT_EQ(w().stVariants->text(),
            QString::fromStdString(MesFormat(MesId::SSongVariantsFound, static_cast<int>(beat.chords.size()))));
  EXPECT_EQ(w().mmMarked->model()->rowCount(), static_cast<int>(beat.notes.size()));
  EXPECT_FALSE(w().btnAutoSearchMarked->isChecked());
  EXPECT_FALSE(recorder->ShortWords().empty());  // the beat sounded
  EXPECT_FALSE(w().MidiFile().Playing());
  // Without advancing, the cursor stays on the beat.
  EXPECT_EQ(w().grdSong->currentIndex(), cell);
}

TEST_F(MainWindowTest, AVariantIsPlayedWhenClickedAndAppliedToTheBeatAfterConfirmation) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  const int b = 4;
  QModelIndex cell = w().grdSong->model()->index(b / 4, b % 4 + 1);
  w().grdSong->setCurrentIndex(cell);
  w().actEditBit->trigger();
  // "Автопоиск" down: the variants of the beat's marked notes, all of them.
  QTest::mouseClick(w().btnAutoSearchMarked, Qt::LeftButton);
  EXPECT_TRUE(w().btnAutoSearchMarked->isChecked());
  ASSERT_GT(w().grdVariants->model()->rowCount(), 1);
  recorder->ClearMessages();

  QModelIndex second = w().grdVariants->model()->index(1, 1);
  const QString name = second.data().toString();
  ASSERT_FALSE(name.isEmpty());
  QTest::mouseClick(w().grdVariants->viewport(), Qt::LeftButton, {}, w().grdVariants->visualRect(second).center());
  EXPECT_TRUE(w().TimerAutoStop->isActive());
  EXPECT_GT(w().mmMarked->model()->rowCount(), 1);
  int noteOns = 0;
  for (uint32_t word : recorder->ShortWords()) noteOns += (word & 0xF0) == 0x90 && (word >> 16) == 127;
  EXPECT_EQ(noteOns, w().mmMarked->model()->rowCount());
  w().TimerAutoStopTimer();
  EXPECT_FALSE(w().TimerAutoStop->isActive());
  EXPECT_EQ(CountWord(uitest::Word(0xB0, 120, 0)), 1);  // sound off, channel 1

  prompter.Answer(TPromptAnswer::Yes);
  w().btnSetSelectedChord->click();
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Caption, "Подтверждение");
  EXPECT_EQ(BeatCell(w().grdSong, b), name);
  EXPECT_EQ(w().Presenter().BeatChordName(b), name.toStdString());
}

TEST_F(MainWindowTest, TransposingThroughTheListShiftsTheChordsAndTheCurrentKey) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  w().cbRootOrig->setCurrentIndex(0);
  emit w().cbRootOrig->activated(0);
  EXPECT_EQ(w().stRootNew->text(), QString::fromUtf8("C или Am"));

  w().cbTranspos->setCurrentIndex(9);  // +2
  emit w().cbTranspos->activated(9);
  EXPECT_EQ(w().Session().transposition(), 2);
  EXPECT_EQ(BeatCell(w().grdSong, 0), "D");
  EXPECT_EQ(BeatCell(w().grdSong, 4), "A7");
  EXPECT_EQ(w().stRootNew->text(), QString::fromUtf8("D или Bm"));

  // The open list names the keys; the closed one plain numbers.
  w().cbTranspos->showPopup();
  EXPECT_EQ(w().cbTranspos->itemText(9), "+2  D");
  w().cbTranspos->hidePopup();
  EXPECT_EQ(w().cbTranspos->itemText(9), "+2");
  EXPECT_EQ(w().cbTranspos->currentIndex(), 9);
}

TEST_F(MainWindowTest, ChoosingATranspositionInTheOpenListTransposes) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  w().cbRootOrig->setCurrentIndex(0);
  emit w().cbRootOrig->activated(0);

  // As a user does it: open the list, go up two entries from "0" and take the entry. The
  // list goes back to plain numbers as it closes, before the combo box hears of the choice.
  w().cbTranspos->showPopup();
  QAbstractItemView* list = w().cbTranspos->view();
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(w().Session().transposition(), 2);
  EXPECT_EQ(w().cbTranspos->currentText(), "+2");
  EXPECT_EQ(BeatCell(w().grdSong, 0), "D");
  EXPECT_EQ(w().stRootNew->text(), QString::fromUtf8("D или Bm"));
}

TEST_F(MainWindowTest, AnUntickedTrackIsMutedAndLeftOutOfTheSearch) {
  Open({Example("mary-had-a-little-lamb.mid")});
  QAbstractItemModel* tracks = w().lvTracks->model();
  for (int i = 0; i < tracks->rowCount(); ++i)
    EXPECT_EQ(tracks->index(i, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  w().actTracksMute->trigger();
  for (int i = 0; i < tracks->rowCount(); ++i) {
    EXPECT_EQ(tracks->index(i, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(w().MidiFile().TrackAt(i).Muted());
  }
  w().actSearchSongChords->trigger();
  EXPECT_EQ(BeatCell(w().grdSong, 4), "");  // nothing sounds

  w().actTracksTurnOn->trigger();
  tracks->setData(tracks->index(2, 0), Qt::Unchecked, Qt::CheckStateRole);
  EXPECT_TRUE(w().MidiFile().TrackAt(2).Muted());
  EXPECT_FALSE(w().MidiFile().TrackAt(1).Muted());
  EXPECT_FALSE(w().Presenter().lvTracks()[2].Checked);
}

TEST_F(MainWindowTest, TheEventViewShowsTheSelectedTrackAndFollowsTheBeatGrid) {
  Open({Example("mary-had-a-little-lamb.mid")});
  QAbstractItemModel* events = w().grdTrack->model();
  EXPECT_EQ(events->rowCount(), w().MidiFile().TrackAt(0).EventCount());
  EXPECT_EQ(events->headerData(4, Qt::Horizontal).toString(), "Info");
  EXPECT_EQ(events->index(0, 2).data().toString(), "$FF");
  EXPECT_EQ(events->index(0, 3).data().toString(), "$03");
  EXPECT_EQ(events->index(0, 4).data().toString(), "Mary Had a Little Lamb");

  w().lvTracks->setCurrentIndex(w().lvTracks->model()->index(1, 0));
  EXPECT_EQ(events->rowCount(), w().MidiFile().TrackAt(1).EventCount());
  EXPECT_EQ(events->index(4, 2).data().toString(), "$90");
  EXPECT_EQ(events->index(4, 3).data().toString(), "E4");
  EXPECT_EQ(events->index(4, 4).data().toString(), "105");

  w().actSearchSongChords->trigger();
  // Beat 0 starts before the melody's first note: the first event row.
  w().grdSong->setCurrentIndex(w().grdSong->model()->index(0, 2));
  w().grdSong->setCurrentIndex(w().grdSong->model()->index(0, 1));
  EXPECT_EQ(w().grdTrack->currentIndex().row(), 0);
  // The melody's first note begins a beat: the first of the events at its tick.
  const TMidiTrack& melody = w().MidiFile().TrackAt(1);
  const int32_t tick = melody.EventAt(3)->Time;
  const int beat = tick / w().Session().beatLength();
  ASSERT_EQ(tick % w().Session().beatLength(), 0);
  w().grdSong->setCurrentIndex(w().grdSong->model()->index(beat / 4, beat % 4 + 1));
  EXPECT_EQ(w().grdTrack->currentIndex().row(), 3);
  EXPECT_EQ(w().grdTrack->selectionModel()->selectedRows().size(), 1);

  // Ctrl+End in the beat grid: the event view marks the one event row of the last beat.
  w().grdSong->setFocus();
  QTest::keyClick(w().grdSong, Qt::Key_End, Qt::ControlModifier);
  ASSERT_GT(w().grdSong->currentIndex().row(), 0);
  const QModelIndexList selected = w().grdTrack->selectionModel()->selectedRows();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(selected[0].row(), w().grdTrack->currentIndex().row());
}

TEST_F(MainWindowTest, ArrowKeysWrapAtTheEndsOfTheBeatRows) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  QAbstractItemModel* m = w().grdSong->model();
  w().grdSong->setFocus();
  w().grdSong->setCurrentIndex(m->index(2, 4));
  QTest::keyClick(w().grdSong, Qt::Key_Right);
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(3, 1));
  QTest::keyClick(w().grdSong, Qt::Key_Left);
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(2, 4));
  w().grdSong->setCurrentIndex(m->index(0, 1));
  QTest::keyClick(w().grdSong, Qt::Key_Left);
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(0, 1));
  const int last = m->rowCount() - 1;
  w().grdSong->setCurrentIndex(m->index(last, 4));
  QTest::keyClick(w().grdSong, Qt::Key_Right);
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(last, 4));
  EXPECT_EQ(w().Presenter().grdSong().Row, last + 1);
  EXPECT_EQ(w().Presenter().grdSong().Col, 4);
}

TEST_F(MainWindowTest, ARightClickMakesTheClickedBeatCurrentAxisByAxis) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  QAbstractItemModel* m = w().grdSong->model();
  w().grdSong->setCurrentIndex(m->index(1, 2));
  w().grdSongMouseDown(Qt::RightButton, 4, 0);  // header of the fourth beat column
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(1, 4));
  w().grdSongMouseDown(Qt::RightButton, 0, 3);  // row label of the third data row
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(2, 4));
  w().grdSongMouseDown(Qt::RightButton, -1, -1);  // outside all cells
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(2, 4));
  w().grdSongMouseDown(Qt::LeftButton, 1, 1);  // other buttons are the grid's
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(2, 4));
  // Through the real mouse too: a right click on a cell.
  QModelIndex cell = m->index(0, 3);
  QTest::mouseClick(w().grdSong->viewport(), Qt::RightButton, {}, w().grdSong->visualRect(cell).center());
  EXPECT_EQ(w().Presenter().grdSong().Col, 3);
  EXPECT_EQ(w().Presenter().grdSong().Row, 1);
}

TEST_F(MainWindowTest, SpacePlaysTheCurrentBeatAndMovesOnWrappingAtTheRowEnd) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  QAbstractItemModel* m = w().grdSong->model();
  w().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
  w().grdSong->setFocus();
  w().grdSong->setCurrentIndex(m->index(1, 4));  // beat 7
  QTest::keyClick(w().grdSong, Qt::Key_Space);
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(2, 1));
  EXPECT_FALSE(w().FollowPlayback());
  EXPECT_FALSE(recorder->ShortWords().empty());
  // An empty cell after the last beat plays nothing.
  const int beats = static_cast<int>(w().Session().beats().size());
  w().grdSong->setCurrentIndex(m->index(beats / 4, beats % 4 + 1));
  recorder->ClearMessages();
  w().actPlayBit->trigger();
  EXPECT_TRUE(recorder->ShortWords().empty());
}

TEST_F(MainWindowTest, PlayingSendsTheSongFollowsItInTheGridAndStopsSilencingEverything) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  w().actPlay->trigger();
  ASSERT_TRUE(w().MidiFile().Playing());
  EXPECT_EQ(w().actPlay->text(), QString::fromUtf8("Стоп"));
  EXPECT_EQ(w().StatusText(), QString::fromUtf8("Проигрывание мелодии..."));
  clock.Advance(5000);
  EXPECT_GT(w().MidiFile().PositionTicks(), 0);
  int noteOns = 0;
  for (uint32_t word : recorder->ShortWords()) noteOns += (word & 0xF0) == 0x90 && (word >> 16) > 0;
  EXPECT_GT(noteOns, 3);
  int sounding = 0;
  for (int n = 0; n < 128; ++n) sounding += w().MidiPiano().IsSounding(n);
  EXPECT_GT(sounding, 0);
  EXPECT_EQ(w().edtTicks->text(),
            QString::fromStdString(w().MidiFile().FormatTicks(w().MidiFile().PositionTicks())));
  std::string time = FormatTime(w().MidiFile().PositionMs());
  EXPECT_EQ(w().edtTime->text().toStdString(), time.substr(0, time.size() - 4));
  const int beat = w().MidiFile().PositionTicks() / w().Session().beatLength();
  EXPECT_EQ(w().grdSong->currentIndex(), w().grdSong->model()->index(beat / 4, beat % 4 + 1));
  EXPECT_FALSE(w().mmText->toPlainText().isEmpty());  // the melody's lyric events

  recorder->ClearMessages();
  w().actPlay->trigger();
  EXPECT_FALSE(w().MidiFile().Playing());
  EXPECT_EQ(w().actPlay->text(), QString::fromUtf8("Пуск"));
  EXPECT_TRUE(w().StatusText().isEmpty());
  for (int ch = 0; ch < 16; ++ch) EXPECT_EQ(CountWord(uitest::Word(0xB0 | ch, 120, 0)), 1);
  for (int n = 0; n < 128; ++n) EXPECT_FALSE(w().MidiPiano().IsSounding(n));

  // Play goes on from where it stopped; Rewind goes back and reopens the device.
  const int32_t at = w().MidiFile().PositionTicks();
  w().actPlay->trigger();
  EXPECT_GE(w().MidiFile().PositionTicks(), at);
  const int opens = recorder->OpenCount();
  w().actRewind->trigger();
  EXPECT_FALSE(w().MidiFile().Playing());
  EXPECT_EQ(w().MidiFile().PositionTicks(), 0);
  EXPECT_EQ(recorder->OpenCount(), opens + 1);
}

TEST_F(MainWindowTest, TheSongRunsToItsEndAndTheNextPlayStartsFromTheBeginning) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actPlay->trigger();
  clock.Advance(120000);
  EXPECT_FALSE(w().MidiFile().Playing());
  EXPECT_EQ(w().actPlay->text(), QString::fromUtf8("Пуск"));
  w().actPlay->trigger();
  EXPECT_TRUE(w().MidiFile().Playing());
  EXPECT_LT(w().MidiFile().PositionTicks(), w().Session().beatLength());
}

TEST_F(MainWindowTest, KaraokeTextEventsBuildTheLyricsLineByLine) {
  Open({Example("korobeiniki.kar")});
  ASSERT_TRUE(w().Session().karaoke());
  w().actPlay->trigger();
  clock.Advance(20000);
  const QString lyrics = w().mmText->toPlainText();
  EXPECT_GT(lyrics.count(QLatin1Char('\n')), 1) << lyrics.toStdString();
  EXPECT_FALSE(lyrics.contains(QLatin1Char('/')));
  EXPECT_EQ(lyrics.toStdString(), LyricsDisplayText(w().Presenter().mmText()));
}

TEST_F(MainWindowTest, RepeatStartsAtTheFragmentStartAndRewindResetsIt) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  w().grdSong->setCurrentIndex(w().grdSong->model()->index(2, 1));  // beat 8
  w().actSetFragmentStart->trigger();
  const int32_t start = 8 * w().Session().beatLength();
  EXPECT_EQ(w().Session().fragmentStart(), start);
  w().actRepeat->trigger();
  EXPECT_TRUE(w().MidiFile().Playing());
  EXPECT_EQ(w().MidiFile().PositionTicks(), start);
  w().actRewind->trigger();
  EXPECT_EQ(w().Session().fragmentStart(), 0);
}

TEST_F(MainWindowTest, TheComputerKeyboardPlaysNotesAroundTheMiddleC) {
  Open();
  QWidget* focus = w().grdSong;
  w().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
  focus->setFocus();
  QTest::keyPress(focus, Qt::Key_E);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 127)), 1);
  EXPECT_TRUE(w().MidiPiano().IsSounding(60));
  QTest::keyPress(focus, Qt::Key_E, Qt::NoModifier);  // the key repeats while held
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 127)), 1);
  QTest::keyRelease(focus, Qt::Key_E);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 0)), 1);
  EXPECT_FALSE(w().MidiPiano().IsSounding(60));

  recorder->ClearMessages();
  QTest::keyClick(focus, Qt::Key_E, Qt::ControlModifier);
  QTest::keyClick(focus, Qt::Key_E, Qt::ShiftModifier);
  EXPECT_TRUE(recorder->ShortWords().empty());

  // Holding E across an octave shift ends it at the shift; its release then does nothing.
  QTest::keyPress(focus, Qt::Key_E);
  QTest::keyClick(focus, Qt::Key_Backslash);
  EXPECT_EQ(w().MidiPiano().StartOctave(), 5);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 0)), 1);
  QTest::keyRelease(focus, Qt::Key_E);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 0)), 1);
  QTest::keyClick(focus, Qt::Key_E);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 72, 127)), 1);
  QTest::keyClick(focus, Qt::Key_QuoteLeft);
  EXPECT_EQ(w().MidiPiano().StartOctave(), 4);

  S().PlayKeys = false;
  recorder->ClearMessages();
  QTest::keyClick(focus, Qt::Key_E);
  QTest::keyClick(focus, Qt::Key_Backslash);
  EXPECT_TRUE(recorder->ShortWords().empty());
  EXPECT_EQ(w().MidiPiano().StartOctave(), 4);
}

TEST_F(MainWindowTest, WithOriginalPitchKeptTheOutputUndoesTheTranspositionAndThePianoShowsIt) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().Presenter().SetTransposition(2);
  S().MidiOutNoTranspose = true;
  recorder->ClearMessages();
  w().PlayNote(62, 127);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 127)), 1);
  EXPECT_TRUE(w().MidiPiano().IsSounding(62));

  TMidiEventEx drum;
  drum.Status = 0x99;
  drum.Data1 = 38;
  drum.Data2 = 100;
  w().MidiFileMidiEvent(&drum, 1);
  EXPECT_EQ(CountWord(uitest::Word(0x99, 38, 100)), 1);  // drums are never shifted
  EXPECT_FALSE(w().MidiPiano().IsSounding(38));          // nor shown
  TMidiEventEx note;
  note.Status = 0x90;
  note.Data1 = 62;
  note.Data2 = 90;
  w().MidiFileMidiEvent(&note, 1);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 90)), 1);
  EXPECT_EQ(w().MidiPiano().KeyLevel(62), 2);
}

TEST_F(MainWindowTest, AnOutputDeviceThatWillNotOpenIsToldOnceInABarNotABox) {
  recorder->FailOpen(0, TMidiOutErrc::Allocated);
  Open({Example("mary-had-a-little-lamb.mid")});
  EXPECT_TRUE(prompter.Calls().empty());
  ASSERT_TRUE(w().pnlNoticeBar->isVisible());
  EXPECT_EQ(w().pnlNoticeBar->stText->text().toStdString(), MesFormat(MesId::SOutputBarPort, "Recorder"));
  EXPECT_EQ(w().pnlNoticeBar->btnAction->text().toStdString(), Mes(MesId::SOutputBarOptions));
  // It stands above the panels, across their width.
  EXPECT_LT(w().pnlNoticeBar->geometry().bottom(), w().lvTracks->mapTo(w().centralWidget(), QPoint(0, 0)).y());
  w().pnlNoticeBar->btnClose->click();
  EXPECT_FALSE(w().pnlNoticeBar->isVisible());
  w().actRewind->trigger();
  // Playing without a device shows the notes and reports nothing.
  w().actPlay->trigger();
  clock.Advance(5000);
  QCoreApplication::processEvents();
  EXPECT_TRUE(prompter.Calls().empty());
  EXPECT_FALSE(w().pnlNoticeBar->isVisible());
  EXPECT_TRUE(recorder->ShortWords().empty());
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsWithTheRecentFiles) {
  const std::string file = Example("minuet-in-g.mid");
  Open({file});
  S().OctaveCnt = 5;
  EXPECT_TRUE(w().close());
  const std::string ini = ReadFile(SettingsFile());
  EXPECT_NE(ini.find("MRU1=" + file), std::string::npos) << ini;
  EXPECT_NE(ini.find("OctaveCnt=5"), std::string::npos);
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedOnceAndTheWindowStillCloses) {
  Open();
  // The settings folder's place is taken by a file: nothing can be saved there.
  std::filesystem::path blocked = scratch / "blocked";
  std::ofstream(blocked) << "x";
  SetConfigHome(blocked.string());
  EXPECT_TRUE(w().close());
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_FALSE(w().isVisible());
}

TEST_F(MainWindowTest, CommandsCarryTheirCaptionsKeysAndHints) {
  Open();
  struct Row {
    QAction* action;
    const char* caption;
    QKeySequence key;
    const char* tooltip;
    const char* status;
  } rows[] = {
      {w().actLoad, "Открыть...", QKeySequence(Qt::Key_F3), "Открыть...", "Загрузка караоке или миди-файла"},
      {w().actSearchSongChords, "Искать аккорды!", QKeySequence(Qt::Key_F8), "Искать аккорды!",
       "Запуск определителя аккордов"},
      {w().actRewind, "К началу", QKeySequence(Qt::CTRL | Qt::Key_F2), "К началу", "Перемотка к началу"},
      {w().actRepeat, "Повторить", QKeySequence(Qt::ALT | Qt::Key_F2), "Играть повторно с начала фрагмента",
       "Играть повторно с начала фрагмента"},
      {w().actTracksMute, "Заглушить все треки", QKeySequence(Qt::CTRL | Qt::Key_F12), nullptr,
       "Исключение из обработки и заглушка всех треков композиции"},
      {w().actQuit, "Выйти", QKeySequence(Qt::Key_F10), nullptr, "Выход из программы"},
      {w().actManual, "Руководство пользователя", QKeySequence(Qt::SHIFT | Qt::Key_F1), nullptr,
       "Открыть руководство пользователя программы"},
      {w().actPlayBitMenuItem, "Играть бит", QKeySequence(Qt::Key_Space), nullptr,
       "Проигрывание текущего бита и переход к следующему"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.caption);
    EXPECT_EQ(r.action->text(), QString::fromUtf8(r.caption));
    EXPECT_EQ(r.action->shortcut(), r.key);
    if (r.tooltip) EXPECT_EQ(r.action->toolTip(), QString::fromUtf8(r.tooltip));
    EXPECT_EQ(r.action->statusTip(), QString::fromUtf8(r.status));
  }
  // The described 27, the manual, the export, and the chord sheet's pane, performing view, print and PDF.
  EXPECT_EQ(w().ActionList().size(), 33u);
  EXPECT_EQ(w().grdSongMenu->actions().size(), 5);
  EXPECT_EQ(w().lvTracksMenu->actions()[0], w().actTracksTurnOn);
  EXPECT_EQ(w().grdVariantsMenu->actions()[1], w().actPlaySelectedChord);
}

TEST_F(MainWindowTest, TheButtonsBesideTheGridsExplainThemselves) {
  Open();
  struct Row {
    QWidget* control;
    const char* tooltip;
    const char* status;
  } rows[] = {
      {w().btnAutoSearchMarked, "Автопоиск аккордов в  помеченных нотах", "Автопоиск аккордов в  помеченных нотах"},
      {w().btnSimplify, "Упростить аккорды",
       "Упрощение аккордов композиции. Внимание: при упрощении теряется точность следования аккордов оригиналу!"},
      {w().btnMarkedPlay, "Прослушать выбранные ноты", "Прослушать выбранные ноты"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.tooltip);
    EXPECT_EQ(r.control->toolTip(), QString::fromUtf8(r.tooltip));
    EXPECT_EQ(r.control->statusTip(), QString::fromUtf8(r.status));
  }
}

TEST_F(MainWindowTest, TheCompactLayoutHidesTheEventsAndLyricsAndTheExpandedOneShowsThem) {
  S().FormOpened = false;
  Open();
  auto bottom = [this](QWidget* c) { return c->mapTo(&w(), QPoint(0, c->height())).y(); };
  EXPECT_FALSE(w().grdTrack->isVisible());
  EXPECT_FALSE(w().mmText->isVisible());
  // The beat grid ends with the variants.
  EXPECT_EQ(bottom(w().grdSong), bottom(w().grdVariants));
  const int compact = w().height();
  S().FormOpened = true;
  w().ApplySettings();
  EXPECT_TRUE(w().grdTrack->isVisible());
  EXPECT_TRUE(w().mmText->isVisible());
  // It reaches down beside the event grid, and the window grew by that row.
  EXPECT_EQ(bottom(w().grdSong), bottom(w().grdTrack));
  EXPECT_GE(w().height(), compact + w().grdTrack->minimumHeight() + 5);
  S().FormOpened = false;
  w().ApplySettings();
  EXPECT_NEAR(w().height(), compact, 6);
  EXPECT_EQ(bottom(w().grdSong), bottom(w().grdVariants));
}

TEST_F(MainWindowTest, ALargerWindowGivesItsRoomToTheGridsTheLyricsAndThePiano) {
  S().FormOpened = true;
  Open({Example("mary-had-a-little-lamb.mid")});
  QWidget* grown[] = {w().grdSong, w().grdTrack, w().mmText};
  std::vector<QSize> before;
  for (QWidget* c : grown) before.push_back(c->size());
  const int pianoWidth = w().MidiPianoView->width();
  const int tracksWidth = w().lvTracks->width();
  w().resize(w().size() + QSize(300, 200));
  QCoreApplication::processEvents();
  for (size_t i = 0; i < before.size(); ++i) {
    SCOPED_TRACE(grown[i]->objectName().toStdString());
    EXPECT_GT(grown[i]->width(), before[i].width());
    EXPECT_GT(grown[i]->height(), before[i].height());
  }
  EXPECT_GT(w().MidiPianoView->width(), pianoWidth);
  EXPECT_EQ(w().lvTracks->width(), tracksWidth);
  // The arrangement stays: piano right of the tracks, the panels below it in their order,
  // the events and lyrics below the variants, the beat grid at the right beside them.
  auto at = [this](QWidget* c) { return QRect(c->mapTo(&w(), QPoint(0, 0)), c->size()); };
  EXPECT_LT(at(w().lvTracks).right(), at(w().MidiPianoView).left());
  EXPECT_LT(at(w().MidiPianoView).bottom(), at(w().grdVariants).top());
  EXPECT_LT(at(w().mmMarked).right(), at(w().grdVariants).left());
  EXPECT_LT(at(w().grdVariants).right(), at(w().grdSong).left());
  EXPECT_LT(at(w().grdVariants).bottom(), at(w().grdTrack).top());
  EXPECT_LT(at(w().grdTrack).right(), at(w().mmText).left());
  EXPECT_LT(at(w().mmText).right(), at(w().grdSong).left());
  // The beat columns share the wider grid.
  EXPECT_GT(w().grdSong->columnWidth(1), 60);
  EXPECT_NEAR(w().grdSong->columnWidth(1), w().grdSong->columnWidth(4), 1);
}

TEST_F(MainWindowTest, ASongFileDroppedOnTheWindowOpens) {
  Open();
  const std::string file = Example("minuet-in-g.mid");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w(), &drop);
  EXPECT_EQ(w().MidiFile().Filename(), file);
  EXPECT_GT(w().lvTracks->model()->rowCount(), 0);
}

TEST_F(MainWindowTest, NotesHeldFromTheKeyboardEndWhenTheWindowLosesTheFocus) {
  Open();
  w().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
  w().grdSong->setFocus();
  QTest::keyPress(w().grdSong, Qt::Key_E);
  ASSERT_TRUE(w().MidiPiano().IsSounding(60));
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 0)), 1);
  EXPECT_FALSE(w().MidiPiano().IsSounding(60));
  EXPECT_TRUE(w().KeyboardPlayer().HeldKeyNotes().empty());
}

TEST_F(MainWindowTest, MarkedKeysAreListedAndTheirChordsFoundWhileAutoSearchIsDown) {
  Open();
  ASSERT_TRUE(w().btnAutoSearchMarked->isChecked());
  for (int note : {60, 64, 67}) w().MidiPiano().SetMarked(note, true);
  QCoreApplication::processEvents();
  QAbstractItemModel* marked = w().mmMarked->model();
  ASSERT_EQ(marked->rowCount(), 3);
  EXPECT_EQ(marked->index(0, 0).data().toString(), "60 - C4");
  EXPECT_EQ(w().grdVariants->model()->rowCount(), 5);
  EXPECT_EQ(w().grdVariants->model()->index(0, 1).data().toString(), "C");
  EXPECT_EQ(w().grdVariants->model()->index(0, 2).data().toString(), "C4 E4 G4 ");
  EXPECT_EQ(w().stVariants->text(), QString::fromUtf8("Всего найдено 5 вариантов аккорда:"));

  // Delete removes the selected note; the variants follow.
  w().mmMarked->setCurrentIndex(marked->index(1, 0));  // 64 - E4
  QTest::keyClick(w().mmMarked, Qt::Key_Delete);
  EXPECT_FALSE(w().MidiPiano().IsMarked(64));
  ASSERT_EQ(marked->rowCount(), 2);
  EXPECT_EQ(w().grdVariants->model()->index(0, 1).data().toString(), "C5");
  // A double click on the last line removes it and selects the new last line.
  DoubleClick(w().mmMarked, marked->index(1, 0));
  EXPECT_EQ(marked->rowCount(), 1);
  EXPECT_EQ(w().mmMarked->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, ThePianoPlaysUnderTheLeftButtonAndMarksWithTheRightOne) {
  Open();
  TMidiPiano* piano = w().MidiPianoView;
  w().btnAutoSearchMarked->click();  // up
  ASSERT_FALSE(w().btnAutoSearchMarked->isChecked());
  const QPoint c4 = piano->KeyRect(60).center() + QPoint(0, piano->height() / 3);
  QTest::mousePress(piano, Qt::LeftButton, {}, c4);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 127)), 1);
  EXPECT_TRUE(w().MidiPiano().IsSounding(60));
  QTest::mouseRelease(piano, Qt::LeftButton, {}, c4);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 0)), 1);

  QTest::mouseClick(piano, Qt::RightButton, {}, c4);
  QCoreApplication::processEvents();
  EXPECT_TRUE(w().MidiPiano().IsMarked(60));
  EXPECT_TRUE(w().btnAutoSearchMarked->isChecked());  // marking by mouse puts it down
  EXPECT_EQ(w().mmMarked->model()->rowCount(), 1);

  // "Прослушать" sounds the marked keys while held.
  recorder->ClearMessages();
  QTest::mousePress(w().btnMarkedPlay, Qt::LeftButton);
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 127)), 1);
  QTest::mouseRelease(w().btnMarkedPlay, Qt::LeftButton);
  EXPECT_EQ(CountWord(uitest::Word(0xB0, 120, 0)), 1);
  EXPECT_FALSE(w().MidiPiano().IsSounding(60));

  // The scroll buttons move the keyboard by an octave.
  w().btnScrollPianoRight->click();
  EXPECT_EQ(w().MidiPiano().StartOctave(), 5);
  w().btnScrollPianoLeft->click();
  w().btnScrollPianoLeft->click();
  EXPECT_EQ(w().MidiPiano().StartOctave(), 3);
}

TEST_F(MainWindowTest, TheBeatLengthCommandsAskAndOnlyYesChangesTheCheckedOne) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  const int32_t standard = w().MidiFile().BeatTicks();
  const int beats = static_cast<int>(w().Session().beats().size());

  prompter.Answer(TPromptAnswer::No);
  w().actIncBeat->trigger();
  EXPECT_TRUE(w().actDefBeat->isChecked());
  EXPECT_FALSE(w().actIncBeat->isChecked());
  EXPECT_EQ(w().Session().beatLength(), standard);

  prompter.Answer(TPromptAnswer::Yes);
  w().actIncBeat->trigger();
  EXPECT_TRUE(w().actIncBeat->isChecked());
  EXPECT_EQ(w().Session().beatLength(), 2 * standard);
  EXPECT_LT(static_cast<int>(w().Session().beats().size()), beats);
  EXPECT_EQ(BeatCell(w().grdSong, 0), "C");
  EXPECT_EQ(prompter.Unexpected(), 0u);
}

TEST_F(MainWindowTest, WithKeysenseTheSearchOffersToFindTheKeyFirst) {
  Open({Example("mary-had-a-little-lamb.mid")}, /*keysense=*/true);
  prompter.Answer(TPromptAnswer::Yes);
  w().actSearchSongChords->trigger();
  ASSERT_GE(prompter.Calls().size(), 2u);
  EXPECT_EQ(prompter.Calls()[0].Kind, ScriptedPrompter::TKind::Question);
  EXPECT_EQ(prompter.Calls()[1].Kind, ScriptedPrompter::TKind::Information);
  EXPECT_EQ(w().cbRootOrig->currentIndex(), 0);  // C major
  EXPECT_EQ(w().stRootNew->text(), QString::fromUtf8("C или Am"));
  EXPECT_EQ(BeatCell(w().grdSong, 0), "C");
}

TEST_F(MainWindowTest, ANoGivenWithDoNotAskAgainIsKeptAndTheNoticeGoesToTheStatusBar) {
  Open({Example("mary-had-a-little-lamb.mid")}, /*keysense=*/true);
  prompter.AnswerRemembering(TPromptAnswer::No);
  w().actSearchSongChords->trigger();
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Calls()[0].RememberText, Mes(MesId::SDontAskAgain));
  EXPECT_EQ(S().KeysenseKeyAnswer, TRememberedAnswer::No);
  EXPECT_EQ(w().StatusText().toStdString(), Mes(MesId::SSongKeysenseOff));
  // The next song, and the options applied in between, ask nothing.
  w().ApplySettings();
  w().LoadSong(Example("minuet-in-g.mid"));
  w().actSearchSongChords->trigger();
  EXPECT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Unexpected(), 0u);
  EXPECT_EQ(w().StatusText().toStdString(), Mes(MesId::SSongKeysenseOff));
  // Cleared on the options' chords page, the question comes again.
  S().KeysenseKeyAnswer = TRememberedAnswer::None;
  w().ApplySettings();
  w().LoadSong(Example("mary-had-a-little-lamb.mid"));
  prompter.Answer(TPromptAnswer::No);
  w().actSearchSongChords->trigger();
  ASSERT_EQ(prompter.Calls().size(), 3u);
  EXPECT_EQ(prompter.Calls()[2].Kind, ScriptedPrompter::TKind::Message);
}

TEST_F(MainWindowTest, TheContinuitySettingReachesTheSearchAndItsVariants) {
  Open({Example("mary-had-a-little-lamb.mid")}, /*keysense=*/true);
  LoadKeysenseTable(S().KeysenseTable, "C0 G0 F0 A1 D1 E1", "");  // the settings file here has no table
  EXPECT_FALSE(w().Session().Options().continuity);
  S().KeysenseContinuity = true;
  w().ApplySettings();
  EXPECT_TRUE(w().Session().Options().continuity);
  w().Session().SetKey(0);
  w().actSearchSongChords->trigger();
  EXPECT_EQ(BeatCell(w().grdSong, 0), "C");
  // A table beat now offers the table's other chords that fit it, and its exact variants.
  w().Session().TakeBeatVariants(0);
  const TVariants& v = w().Session().Variants();
  ASSERT_GT(v.chords.size(), 1u);
  EXPECT_EQ(ChordName(v.Chord(), NoteNotation::English), "C");
  EXPECT_EQ(prompter.Unexpected(), 0u);
}

TEST_F(MainWindowTest, ARecentFileOpensFromItsMenuEntryAndMovesToTheTop) {
  const std::string first = Example("mary-had-a-little-lamb.mid");
  const std::string second = Example("minuet-in-g.mid");
  Open({first});
  w().LoadSong(second);
  ASSERT_EQ(w().MRUMenu->actions().size(), 2);
  QAction* older = w().MRUMenu->actions()[1];
  EXPECT_EQ(older->text(), QString::fromStdString(first));
  EXPECT_EQ(older->data().toInt(), 101);
  older->trigger();
  EXPECT_EQ(w().MidiFile().Filename(), first);
  QCoreApplication::processEvents();  // the old entries go when the loop gets to them
  ASSERT_EQ(w().MRUMenu->actions().size(), 2);
  EXPECT_EQ(w().MRUMenu->actions()[0]->text(), QString::fromStdString(first));
  EXPECT_EQ(w().MRUMenu->actions()[0]->data().toInt(), 100);
}

TEST_F(MainWindowTest, ASpeedFromTheTempoListScalesPlayback) {
  Open({Example("mary-had-a-little-lamb.mid")});
  emit w().cbBpm->activated(1);  // "* 2"
  EXPECT_EQ(w().MidiFile().SpeedNumerator(), 2);
  EXPECT_EQ(w().MidiFile().SpeedDenominator(), 1);
  EXPECT_EQ(w().cbBpm->currentText(), "* 2");
  w().actPlay->trigger();
  clock.Advance(1000);
  EXPECT_EQ(w().cbBpm->currentText(), QString::number(w().MidiFile().CurrentBpm()));
  EXPECT_EQ(w().MidiFile().CurrentBpm(), 224);
}

TEST_F(MainWindowTest, ARightClickOnABeatColumnsHeaderMovesOnlyTheColumn) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  QAbstractItemModel* m = w().grdSong->model();
  w().grdSong->setCurrentIndex(m->index(2, 1));
  QHeaderView* header = w().grdSong->horizontalHeader();
  const QPoint at(header->sectionViewportPosition(3) + header->sectionSize(3) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::RightButton, {}, at);
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(2, 3));
  // The row labels stand in the fixed column: a right click there moves only the row.
  const QRect label = w().grdSong->visualRect(m->index(4, 0));
  QTest::mouseClick(w().grdSong->viewport(), Qt::RightButton, {}, label.center());
  EXPECT_EQ(w().grdSong->currentIndex(), m->index(4, 3));
}

TEST_F(MainWindowTest, ThePositionDisplaysShowALongSongsReadingWhole) {
  Open();
  // Bars of three digits: a long song, or one with short bars.
  for (QLineEdit* display : {w().edtTicks, w().edtLength}) {
    display->setText(QStringLiteral("188:03.479"));
    EXPECT_LE(display->fontMetrics().horizontalAdvance(display->text()) + 8, display->width())
        << display->objectName().toStdString();
  }
  w().edtTime->setText(QStringLiteral("0:58:59"));
  EXPECT_LE(w().edtTime->fontMetrics().horizontalAdvance(w().edtTime->text()) + 8, w().edtTime->width());
}

TEST_F(MainWindowTest, TheLongestKeyNameShowsWholeInTheKeyBoxAndAsTheCurrentKey) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().cbRootOrig->setCurrentIndex(6);  // F#(Gb) или D#(Eb)m
  emit w().cbRootOrig->activated(6);
  QCoreApplication::processEvents();
  const QString key = w().stRootNew->text();
  ASSERT_EQ(key, QString::fromUtf8("F#(Gb) или D#(Eb)m"));
  QCoreApplication::processEvents();
  // The current key stands in the tool bar itself, not behind its extension button.
  EXPECT_TRUE(w().stRootNew->isVisible());
  EXPECT_LE(w().stRootNew->geometry().right(), w().ToolBarKey->contentsRect().right());
  EXPECT_GE(w().stRootNew->width(), w().stRootNew->fontMetrics().horizontalAdvance(key));
  // The closed key box: the text and the arrow.
  EXPECT_GE(w().cbRootOrig->width(), w().cbRootOrig->fontMetrics().horizontalAdvance(key) + 20);
}

TEST_F(MainWindowTest, AChordNameCutShortInItsCellShowsWholeAsTheCellsTooltip) {
  Open();
  for (int n : {60, 64, 67, 69, 74}) w().MidiPiano().SetMarked(n, true);
  QCoreApplication::processEvents();
  auto* grid = qobject_cast<TGridView*>(w().grdVariants);
  ASSERT_NE(grid, nullptr);
  QAbstractItemModel* m = grid->model();
  ASSERT_GT(m->rowCount(), 1);
  const QModelIndex name = m->index(0, 1);
  EXPECT_FALSE(grid->CellTextCut(name)) << name.data().toString().toStdString();
  grid->setColumnWidth(1, 12);
  EXPECT_TRUE(grid->CellTextCut(name));
  EXPECT_FALSE(grid->CellTextCut(m->index(0, 0)));  // "1" fits
}

TEST_F(MainWindowTest, TheHelpMenuOffersTheManualAndOnlyTheConfiguredAddresses) {
  Open();
  QMenu* help = nullptr;
  for (QAction* a : w().menuBar()->actions())
    if (a->menu() && a->text() == QString::fromStdString(Mes(MesId::SMenuHelp))) help = a->menu();
  ASSERT_NE(help, nullptr);
  const QList<QAction*> items = help->actions();
  ASSERT_EQ(items.size(), 5);
  EXPECT_EQ(items[0], w().actManual);
  EXPECT_EQ(items[1], w().actEmail);
  EXPECT_EQ(items[2], w().actHomePage);
  EXPECT_TRUE(items[3]->isSeparator());
  EXPECT_EQ(items[4], w().actAbout);
  // This build names no web or mail address: those two commands are not offered.
  EXPECT_EQ(w().actEmail->isVisible(), !ProjectAddresses().Email.empty());
  EXPECT_EQ(w().actHomePage->isVisible(), !ProjectAddresses().HomePage.empty());
  EXPECT_TRUE(w().actManual->isVisible());
}

// F2 hands the chord text over and puts the beat grid's cursor back on the first beat.
TEST_F(MainWindowTest, HandingTheTextOverPutsTheGridCursorBackOnTheFirstBeat) {
  ScriptedEditor editor;
  editor.running = true;
  editor.answers = {1};
  editor.folder = (scratch / "prog").string() + "/";
  // A portable copy: the editor takes the file from its own folder.
  std::filesystem::create_directories(scratch / "prog" / "INI");
  tabulist = &editor;
  Open({Example("mary-had-a-little-lamb.mid")});
  S().PathTabulist = editor.folder;
  w().actSearchSongChords->trigger();
  w().grdSong->setCurrentIndex(w().grdSong->model()->index(1, 3));
  ASSERT_EQ(w().Presenter().grdSong().Row, 2);
  w().actWriteText->trigger();
  EXPECT_EQ(editor.requests, 1);
  ASSERT_EQ(editor.seenFiles.size(), 1u);
  EXPECT_NE(editor.seenFiles[0].find("Mary Had a Little Lamb"), std::string::npos);
  EXPECT_EQ(w().Presenter().grdSong().Col, 1);
  EXPECT_EQ(w().Presenter().grdSong().Row, 1);
  EXPECT_EQ(S().PathTabulist, editor.folder);
}

TEST_F(MainWindowTest, ADamagedFileLoadsWhatItHoldsAndSaysSoInTheStatusBar) {
  const std::string cut = testing::TempDir() + "/cantaro-window-cut.mid";
  {
    std::ofstream f(cut, std::ios::binary);
    const unsigned char bytes[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96,
                                   'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0x90, 60, 64,
                                   'M', 'T', 'r', 'k', 0, 0, 0, 7, 0, 0x90, 62, 64, 0, 0x90, 64};
    f.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
  }
  Open({cut});
  EXPECT_EQ(w().StatusText(), QString::fromStdString(MesFormat(MesId::SDamagedFile, 1)));
  EXPECT_EQ(w().MidiFile().NumberOfTracks(), 2);
  EXPECT_EQ(w().MidiFile().TrackAt(1).EventCount(), 1);
  // The next whole file clears the notice.
  w().LoadSong(Example("mary-had-a-little-lamb.mid"));
  EXPECT_TRUE(w().StatusText().isEmpty());
}

namespace {

// The bytes of a file, and the offsets of its track chunks.
std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::size_t> TrackChunkOffsets(const std::string& bytes) {
  std::vector<std::size_t> offsets;
  for (std::size_t pos = 0; pos + 8 <= bytes.size();) {
    const auto* h = reinterpret_cast<const unsigned char*>(bytes.data() + pos);
    const std::size_t length = (std::size_t{h[4]} << 24) | (h[5] << 16) | (h[6] << 8) | h[7];
    if (bytes.compare(pos, 4, "MTrk") == 0) offsets.push_back(pos);
    pos += 8 + length;
  }
  return offsets;
}

}  // namespace

// A karaoke file cut in the middle of its lyrics track: the whole tracks before it and the
// events of the cut one up to the cut are there, the track list names them all, and the status
// bar says the file is damaged.
TEST_F(MainWindowTest, ATruncatedKaraokeFileShowsItsWholeTracksAndTheTrackCutShort) {
  const std::string song = Example("korobeiniki.kar");
  const std::string bytes = FileBytes(song);
  const std::vector<std::size_t> chunks = TrackChunkOffsets(bytes);
  ASSERT_GE(chunks.size(), 4u);
  TMidiFile whole;
  ASSERT_EQ(whole.LoadFromBytes(bytes), static_cast<int32_t>(chunks.size()));
  const int32_t cutTrack = 2;  // the lyrics
  const std::size_t cutAt = chunks[cutTrack] + (chunks[cutTrack + 1] - chunks[cutTrack]) / 2;
  const std::string cut = (scratch / "korobeiniki-cut.kar").string();
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, cutAt);

  Open({Example("mary-had-a-little-lamb.mid")});
  w().LoadSong(cut);
  EXPECT_EQ(prompter.Calls().size(), 0u) << prompter.Last().Text;
  const TMidiFile& file = w().MidiFile();
  EXPECT_EQ(file.Filename(), cut);
  ASSERT_EQ(file.NumberOfTracks(), cutTrack + 1);
  ASSERT_EQ(w().lvTracks->model()->rowCount(), cutTrack + 1);
  for (int32_t t = 0; t < cutTrack; ++t) {
    EXPECT_EQ(file.TrackAt(t).EventCount(), whole.TrackAt(t).EventCount()) << "track " << t;
    EXPECT_EQ(file.TrackAt(t).Name(), whole.TrackAt(t).Name());
  }
  const TMidiTrack& shortTrack = file.TrackAt(cutTrack);
  ASSERT_GT(shortTrack.EventCount(), 0);
  ASSERT_LT(shortTrack.EventCount(), whole.TrackAt(cutTrack).EventCount());
  for (int32_t e = 0; e < shortTrack.EventCount(); ++e) {
    const TMidiEventEx& got = *shortTrack.EventAt(e);
    const TMidiEventEx& want = *whole.TrackAt(cutTrack).EventAt(e);
    ASSERT_EQ(got.Time, want.Time) << e;
    ASSERT_EQ(got.Status, want.Status) << e;
    ASSERT_EQ(got.Text(), want.Text()) << e;
  }
  const TReadCompleteness& c = file.Completeness();
  ASSERT_EQ(c.CutTracks.size(), 1u);
  EXPECT_EQ(c.CutTracks[0].Track, cutTrack);
  EXPECT_EQ(c.CutTracks[0].Tick, shortTrack.EventAt(shortTrack.EventCount() - 1)->Time);
  EXPECT_EQ(c.MissingTracks, static_cast<int32_t>(chunks.size()) - cutTrack - 1);
  EXPECT_EQ(w().StatusText(), QString::fromStdString(MesFormat(MesId::SDamagedFileCutMissing, 1, c.MissingTracks)));
  EXPECT_EQ(w().windowTitle().toStdString(), "Cantaro - " + cut);
}

// Files that hold no song: each is named in its error box, and the song that was open stays
// open with its tracks, chords and title.
TEST_F(MainWindowTest, AFileThatCannotBeOpenedIsNamedAndTheOpenSongStaysOpen) {
  namespace fs = std::filesystem;
  const std::string letter = (scratch / "letter.mid").string();
  std::ofstream(letter) << "Not a song, only a letter.\n";
  const std::string empty = (scratch / "empty.kar").string();
  std::ofstream(empty).close();
  const std::string folder = (scratch / "songs.mid").string();
  fs::create_directories(folder);
  const std::string huge = (scratch / "huge.mid").string();
  std::ofstream(huge).close();
  fs::resize_file(huge, std::uintmax_t{100} << 20);  // sparse

  const std::string song = Example("korobeiniki.kar");
  Open({song});
  w().actSearchSongChords->trigger();
  const QString title = w().windowTitle();
  const int tracks = w().lvTracks->model()->rowCount();
  const QString firstChord = BeatCell(w().grdSong, 0);
  ASSERT_GT(tracks, 0);
  ASSERT_FALSE(firstChord.isEmpty());
  prompter.Clear();

  for (const std::string& path : {letter, empty, folder, huge}) {
    w().LoadSong(path);
    ASSERT_EQ(prompter.Calls().size(), 1u) << path;
    EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
    EXPECT_NE(prompter.Last().Text.find(path), std::string::npos) << prompter.Last().Text;
    prompter.Clear();
    EXPECT_EQ(w().windowTitle(), title) << path;
    EXPECT_EQ(w().MidiFile().Filename(), song);
    EXPECT_EQ(w().lvTracks->model()->rowCount(), tracks) << path;
    EXPECT_EQ(BeatCell(w().grdSong, 0), firstChord) << path;
  }
  fs::remove(huge);
  // The song plays on as before.
  w().actPlay->trigger();
  clock.Advance(500);
  EXPECT_TRUE(w().MidiFile().Playing());
}

TEST_F(MainWindowTest, ADeviceThatGoesAwayDuringPlaybackIsReportedOnceAndPlaybackStops) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actPlay->trigger();
  clock.Advance(1000);
  ASSERT_TRUE(w().MidiFile().Playing());
  recorder->Disconnect(0);
  clock.Advance(1000);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_FALSE(w().MidiFile().Playing());
  EXPECT_EQ(w().actPlay->text(), QString::fromUtf8("Пуск"));
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_NE(prompter.Last().Text.find(Mes(MesId::SMidiOutErrDeviceGone)), std::string::npos) << prompter.Last().Text;
}
