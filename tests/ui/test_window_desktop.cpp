// The main window on a desktop: where it opens, where the keys go, what it says when the
// sound cannot play, and what a user sees of its controls.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QWindow>

#include <map>

#include "base/untMesConst.h"
#include "midi/MidiOutService.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/ControlProbe.h"
#include "ui/Controls.h"
#include "ui/QtPrompter.h"
#include "ui/ToolkitLanguage.h"

QRect WindowPlaceOnScreen(const QRect& client, const QRect& available, int title);

using uitest::Example;

namespace {

void Activate(TfrmMain& window) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace

// ---- Where the window opens ------------------------------------------------------------

TEST_F(MainWindowTest, TheWindowOpensWithThePlaceAndSizeItWasClosedWith) {
  Open();
  const QRect placed(QPoint(23, 41), w().minimumSizeHint() + QSize(9, 7));
  ASSERT_TRUE(w().screen()->availableGeometry().contains(placed.adjusted(0, -30, 0, 0)))
      << w().minimumSizeHint().width() << "x" << w().minimumSizeHint().height();
  w().setGeometry(placed);
  QCoreApplication::processEvents();
  ASSERT_EQ(w().geometry(), placed);
  w().close();
  for (int run = 0; run < 3; ++run) {
    SCOPED_TRACE(run);
    Open();
    EXPECT_EQ(w().geometry(), placed);
    w().close();
  }
}

TEST_F(MainWindowTest, ASavedPlaceAboveTheScreenOpensWithTheTitleBarOnIt) {
  ASSERT_TRUE(SaveSettings(S(), TWindowPos{40, -12, 0, 0}));
  Open();
  const QRect available = w().screen()->availableGeometry();
  EXPECT_GE(w().frameGeometry().top(), available.top());
}

TEST(WindowPlace, TheTitleBarStaysInsideTheAvailableArea) {
  const QRect screen(0, 0, 1280, 800);
  // Above the screen: moved down below its top.
  EXPECT_EQ(WindowPlaceOnScreen(QRect(100, -30, 800, 600), screen, 20), QRect(100, 20, 800, 600));
  // Almost wholly left or right of it: enough of the title bar comes back to take it.
  EXPECT_EQ(WindowPlaceOnScreen(QRect(-750, 100, 800, 600), screen, 20), QRect(-680, 100, 800, 600));
  EXPECT_EQ(WindowPlaceOnScreen(QRect(1250, 100, 800, 600), screen, 20), QRect(1160, 100, 800, 600));
  // Below it.
  EXPECT_EQ(WindowPlaceOnScreen(QRect(100, 900, 800, 600), screen, 20), QRect(100, 200, 800, 600));
  // Larger than the screen: as large as it.
  EXPECT_EQ(WindowPlaceOnScreen(QRect(0, 0, 2000, 1000), screen, 20), QRect(0, 20, 1280, 780));
  // Inside, or partly beyond the right edge as the user left it: kept.
  EXPECT_EQ(WindowPlaceOnScreen(QRect(200, 122, 885, 483), screen, 20), QRect(200, 122, 885, 483));
  EXPECT_EQ(WindowPlaceOnScreen(QRect(410, 140, 984, 399), screen, 20), QRect(410, 140, 984, 399));
}

// ---- Where the keys go -------------------------------------------------------------------

TEST_F(MainWindowTest, AChoiceInTheToolBarListsGivesTheKeysBackToTheBeatGrid) {
  Open({Example("mary-had-a-little-lamb.mid")});
  Activate(w());
  for (QComboBox* box : {w().cbBpm, w().cbRootOrig, static_cast<QComboBox*>(w().cbTranspos)}) {
    SCOPED_TRACE(box->objectName().toStdString());
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    box->setCurrentIndex(2);
    emit box->activated(2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w().grdSong->hasFocus());
  }
  // "* 2" and then the keys E R T Y play notes; the tempo box keeps its text.
  const QString tempo = w().cbBpm->currentText();
  for (Qt::Key key : {Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_Y}) QTest::keyClick(QApplication::focusWidget(), key);
  EXPECT_EQ(w().cbBpm->currentText(), tempo);
  int played = 0;
  for (uint32_t word : recorder->ShortWords()) played += (word & 0xF0) == 0x90 && (word >> 16) == 127;
  EXPECT_EQ(played, 4);
}

TEST_F(MainWindowTest, KeysTypedIntoTheTempoFieldEditItAndDoNotPlay) {
  Open({Example("mary-had-a-little-lamb.mid")});
  Activate(w());
  QLineEdit* field = w().cbBpm->lineEdit();
  ASSERT_NE(field, nullptr);
  w().cbBpm->setFocus();
  field->clear();
  // The keys go where the platform sends them: to the focused control.
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  QTest::keyClick(focused, Qt::Key_E);
  QTest::keyClick(focused, Qt::Key_R);
  EXPECT_EQ(field->text(), QStringLiteral("er"));
  EXPECT_EQ(CountWord(uitest::Word(0x90, 60, 127)), 0);
  EXPECT_FALSE(w().MidiPiano().IsSounding(60));
}

TEST_F(MainWindowTest, AfterAQuestionSpacePlaysABeatAgain) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  Activate(w());
  w().cbRootOrig->setFocus();
  prompter.Answer(TPromptAnswer::Yes);
  w().actIncBeat->trigger();
  ASSERT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Question);
  QCoreApplication::processEvents();
  EXPECT_TRUE(w().grdSong->hasFocus());
  const QModelIndex before = w().grdSong->currentIndex();
  QTest::keyClick(w().grdSong, Qt::Key_Space);
  EXPECT_NE(w().grdSong->currentIndex(), before);  // played and moved on
}

TEST_F(MainWindowTest, TabMovesFromTheBeatGridToTheNextControlAndBack) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  Activate(w());
  w().grdSong->setFocus();
  const QModelIndex cell = w().grdSong->currentIndex();
  QTest::keyClick(w().grdSong, Qt::Key_Tab);
  EXPECT_FALSE(w().grdSong->hasFocus());
  EXPECT_NE(QApplication::focusWidget(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(w().grdSong->hasFocus());
  EXPECT_EQ(w().grdSong->currentIndex(), cell);
}

// ---- Displays and small things -------------------------------------------------------

TEST_F(MainWindowTest, TheSongLengthShowsWholeForAThousandBarsAndMore) {
  Open();
  for (QLineEdit* display : {w().edtTicks, w().edtLength}) {
    display->setText(QStringLiteral("1631:01.000"));
    EXPECT_FALSE(ControlTextCut(display)) << display->objectName().toStdString();
  }
}

TEST_F(MainWindowTest, TheEventGridShowsItsInfoColumn) {
  S().FormOpened = true;
  Open({Example("mary-had-a-little-lamb.mid")});
  QHeaderView* header = w().grdTrack->horizontalHeader();
  ASSERT_EQ(header->count(), 5);
  const int infoLeft = header->sectionViewportPosition(4);
  EXPECT_GE(infoLeft, 0);
  EXPECT_LT(infoLeft + header->fontMetrics().horizontalAdvance(QStringLiteral("Info")),
            w().grdTrack->viewport()->width());
  EXPECT_EQ(w().grdTrack->columnWidth(0), 30);
}

TEST_F(MainWindowTest, ClickingATrackNameKeepsTheCheckBoxesInSight) {
  Open({Example("korobeiniki.kar")});
  QTreeView* list = w().lvTracks;
  QAbstractItemModel* m = list->model();
  ASSERT_GT(m->rowCount(), 2);
  const QRect name = list->visualRect(m->index(2, 2));
  list->setCurrentIndex(m->index(2, 2));
  list->scrollTo(m->index(2, 2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(std::min(name.center().x(), list->viewport()->width() - 3), name.center().y()));
  EXPECT_EQ(list->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(list->currentIndex().row(), 2);
}

TEST(MessageBoxes, APlainMessageIsTitledWithTheProgramsTitle) {
  uitest::App();
  QApplication::setApplicationName(QStringLiteral("cantaro"));
  TQtPrompter prompter(nullptr);
  QString title;
  QTimer::singleShot(0, [&title] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
        title = box->windowTitle();
        box->accept();
      }
  });
  prompter.Message("Текст");
  EXPECT_EQ(title, QStringLiteral("Cantaro"));
}

TEST_F(MainWindowTest, StandardKeysOpenAndQuitBesideTheProgramsOwn) {
  Open();
  EXPECT_TRUE(w().actLoad->shortcuts().contains(QKeySequence(Qt::Key_F3)));
  EXPECT_TRUE(w().actLoad->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_O)));
  EXPECT_TRUE(w().actQuit->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
  EXPECT_TRUE(w().actAbout->shortcuts().contains(QKeySequence(Qt::Key_F1)));
  std::map<QString, QString> owner;
  for (QAction* a : w().ActionList())
    for (const QKeySequence& key : a->shortcuts()) {
      const QString k = key.toString();
      EXPECT_TRUE(owner.emplace(k, a->objectName()).second)
          << k.toStdString() << " on " << a->objectName().toStdString() << " and " << owner[k].toStdString();
    }
}

TEST_F(MainWindowTest, TheAutoSearchButtonShowsWhetherItIsDownInEveryStyle) {
  Open();
  for (const char* name : {"Fusion", "Windows"}) {
    SCOPED_TRACE(name);
    QStyle* style = QStyleFactory::create(QString::fromLatin1(name));
    if (!style) continue;
    w().btnAutoSearchMarked->setStyle(style);
    w().btnAutoSearchMarked->setChecked(true);
    const QImage down = w().btnAutoSearchMarked->grab().toImage();
    w().btnAutoSearchMarked->setChecked(false);
    const QImage up = w().btnAutoSearchMarked->grab().toImage();
    // Clearly apart: most of the face changes colour, not a shade of the same grey.
    int changed = 0;
    for (int y = 0; y < down.height(); ++y)
      for (int x = 0; x < down.width(); ++x) {
        const QColor a = down.pixelColor(x, y), b = up.pixelColor(x, y);
        changed += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 90;
      }
    EXPECT_GT(changed, down.width() * down.height() / 2);
    w().btnAutoSearchMarked->setStyle(nullptr);
    delete style;
  }
}

TEST_F(MainWindowTest, NoCaptionOfTheWindowIsCut) {
  S().FormOpened = true;
  Open({Example("korobeiniki.kar")});
  w().resize(std::max(w().width(), w().ToolBar->sizeHint().width()), w().height());
  QCoreApplication::processEvents();
  const auto controls = VisibleControls(&w());
  EXPECT_GT(controls.size(), 20u);
  for (const TControlRect& c : controls) EXPECT_FALSE(c.TextCut) << c.Name.toStdString();
}

// ---- When the sound cannot play ---------------------------------------------------------

namespace {
// Notes what the window looked like when the warning came.
class TWarningWitness final : public Prompter {
 public:
  TTestWindow* window = nullptr;
  std::vector<std::string> warnings;
  bool exposed = false;
  int eventColumn = -1;
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons, TPromptIcon) override {
    return TPromptAnswer::Cancel;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string& text) override {
    warnings.push_back(text);
    exposed = window && window->windowHandle() && window->windowHandle()->isExposed();
    eventColumn = window ? window->grdTrack->columnWidth(0) : -1;
  }
  void Error(const std::string&, const std::string&) override {}
  void Message(const std::string&) override {}
};
}  // namespace

TEST_F(MainWindowTest, ASynthesizerWithoutAudioSaysSoAndTheStatusBarShowsThatPlayingIsSilent) {
  recorder->FailOpen(0, TMidiOutErrc::NoAudio);
  TWarningWitness witness;
  TMainWindowServices services;
  services.prompter = &witness;
  services.midiOutService = recorder;
  services.poster = poster;
  services.playback = clock.Services();
  S().FormOpened = true;
  window = std::make_unique<TTestWindow>(std::vector<std::string>{}, services);
  witness.window = window.get();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  ASSERT_EQ(witness.warnings.size(), 1u);
  EXPECT_EQ(witness.warnings[0], Mes(MesId::SNoAudioWarning));
  // It stands over the finished window.
  EXPECT_TRUE(witness.exposed);
  EXPECT_EQ(witness.eventColumn, 30);
  EXPECT_TRUE(w().stSilent->isVisible());
  EXPECT_EQ(w().stSilent->text().toStdString(), Mes(MesId::SOutputSilent));
}

TEST_F(MainWindowTest, AnOpenOutputLeavesTheStatusBarWithoutTheSilenceNotice) {
  Open();
  EXPECT_FALSE(w().stSilent->isVisible());
}

TEST(ToolkitLanguage, TheInterfaceLanguageChoosesTheToolkitsTexts) {
  EXPECT_EQ(InterfaceLocaleName("/opt/cantaro/cantaro.ENU"), QStringLiteral("en"));
  EXPECT_EQ(InterfaceLocaleName("/opt/cantaro/cantaro.ita"), QStringLiteral("it"));
  EXPECT_EQ(InterfaceLocaleName("/opt/cantaro/cantaro.BEL"), QStringLiteral("be"));
  EXPECT_EQ(InterfaceLocaleName(""), QStringLiteral("ru"));  // the built-in texts
}

// ---- Variants after transposing -----------------------------------------------------------

TEST_F(MainWindowTest, AfterTransposingTheVariantsAreThoseOfTheSameBeatTransposed) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  QAbstractItemModel* song = w().grdSong->model();
  w().grdSong->setCurrentIndex(song->index(1, 1));  // beat 4: G7 before transposing
  const QString before = BeatCell(w().grdSong, 4);
  ASSERT_EQ(before, QStringLiteral("G7"));
  w().actEditBit->trigger();
  QAbstractItemModel* variants = w().grdVariants->model();
  ASSERT_EQ(variants->index(0, 1).data().toString(), before);

  w().cbTranspos->setCurrentIndex(9);  // +2
  emit w().cbTranspos->activated(9);
  QCoreApplication::processEvents();
  const QString after = BeatCell(w().grdSong, 4);
  EXPECT_EQ(after, QStringLiteral("A7"));
  EXPECT_EQ(variants->index(0, 1).data().toString(), after);

  // Putting the first variant back into that beat replaces A7 by A7, not by G7.
  w().grdSong->setCurrentIndex(song->index(1, 1));
  w().grdVariants->setCurrentIndex(variants->index(0, 1));
  prompter.Answer(TPromptAnswer::No);
  w().actSetSelectedChord->trigger();
  ASSERT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Question);
  EXPECT_EQ(prompter.Last().Text, MesFormat(MesId::SSongReplaceChord, "A7", "A7"));
}
