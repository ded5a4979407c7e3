// The main window on a desktop: where it opens, where the keys go, what it says when the
// sound cannot play, and what a user sees of its controls.
#include <QAbstractButton>
#include <QCheckBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPalette>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
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

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>

#include "base/untMesConst.h"
#include "midi/MidiOutService.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/ControlProbe.h"
#include "ui/ChordSheetView.h"
#include "ui/ColorBox.h"
#include "ui/Contrast.h"
#include "ui/Controls.h"
#include "ui/MidiPiano.h"
#include "ui/NoticeBar.h"
#include "ui/QtPrompter.h"
#include "ui/ToolkitLanguage.h"
#include "ui/untOptions.h"
#include <QTabWidget>

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
  // At its narrowest the window puts its tool bars in two rows, and needs their height.
  w().resize(w().minimumSizeHint());
  QCoreApplication::processEvents();
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

TEST(QtPrompter, AQuestionThatOffersToRememberReturnsTheTickWithTheAnswer) {
  uitest::App();
  TQtPrompter prompter(nullptr);
  struct Case {
    bool tick;
    QMessageBox::StandardButton press;
    TPromptAnswer answer;
    bool remember;
  } cases[] = {{true, QMessageBox::No, TPromptAnswer::No, true},
               {false, QMessageBox::Yes, TPromptAnswer::Yes, false},
               {true, QMessageBox::Yes, TPromptAnswer::Yes, true}};
  for (const Case& c : cases) {
    QString tickText;
    QTimer::singleShot(0, [&tickText, c] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible() && box->checkBox()) {
          tickText = box->checkBox()->text();
          box->checkBox()->setChecked(c.tick);
          box->button(c.press)->click();
        }
    });
    const TPromptReply reply = prompter.QuestionRemembered("Подтверждение", "Вопрос?", TPromptButtons::YesNo,
                                                           TPromptIcon::Question, "Больше не спрашивать");
    EXPECT_EQ(tickText, QStringLiteral("Больше не спрашивать"));
    EXPECT_EQ(reply.answer, c.answer);
    EXPECT_EQ(reply.remember, c.remember);
  }
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
  QCoreApplication::processEvents();
  const auto controls = VisibleControls(&w());
  EXPECT_GT(controls.size(), 20u);
  for (const TControlRect& c : controls) EXPECT_FALSE(c.TextCut) << c.Name.toStdString();
}

// ---- At any scale -------------------------------------------------------------------------

namespace {

// The runs of one colour along a row of an image, as (start, length) pairs.
std::vector<std::pair<int, int>> ColourRuns(const QImage& image, int y, const QColor& colour) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < image.width(); ++x) {
    if (image.pixelColor(x, y) != colour) continue;
    if (!runs.empty() && runs.back().first + runs.back().second == x)
      ++runs.back().second;
    else
      runs.push_back({x, 1});
  }
  return runs;
}

}  // namespace

// Run by the test below in a process of its own for each screen and scale (a process has one
// scale): the tool bars hide no control and cut no caption, at the default width and at the
// narrowest, and the piano's outlines are one device pixel wide.
TEST_F(MainWindowTest, DISABLED_AtThisScreensScaleEveryControlShowsWhole) {
  Open({Example("korobeiniki.kar")});
  const QRect avail = w().screen()->availableGeometry();
  const qreal ratio = w().devicePixelRatioF();
  std::vector<QWidget*> described = {w().edtTime, w().edtTicks, w().edtLength, w().cbBpm, w().cbRootOrig,
                                     w().cbTranspos, w().stRootNew};
  for (const char* name : {"stBpm", "stRoot", "stColon"}) described.push_back(w().findChild<QWidget*>(name));
  for (QAction* a : {w().actLoad, w().actSearchSongChords, w().actWriteText, w().actRewind, w().actPlay,
                     w().actOptions, w().actFindRoot}) {
    QWidget* b = w().ToolBar->widgetForAction(a);
    described.push_back(b ? b : w().ToolBarKey->widgetForAction(a));
  }
  for (int width : {w().width(), w().minimumSizeHint().width()}) {
    SCOPED_TRACE(width);
    w().resize(width, w().height());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_LE(w().frameGeometry().width(), avail.width());
    for (QToolBar* bar : {w().ToolBar, w().ToolBarKey}) {
      auto* more = bar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
      EXPECT_TRUE(!more || !more->isVisible()) << bar->objectName().toStdString() << " hides controls";
    }
    for (QWidget* c : described) {
      ASSERT_NE(c, nullptr);
      const std::string name = c->objectName().toStdString();
      EXPECT_TRUE(c->isVisible()) << name;
      EXPECT_GE(c->width(), c->minimumSizeHint().width()) << name;
      EXPECT_TRUE(c->parentWidget()->contentsRect().contains(c->geometry())) << name;
      EXPECT_FALSE(ControlTextCut(c)) << name;
    }
    for (const TControlRect& c : VisibleControls(&w())) {
      EXPECT_FALSE(c.TextCut) << c.Name.toStdString();
      EXPECT_TRUE(avail.contains(c.Global)) << c.Name.toStdString();
    }
  }
  // The piano's lower row: every white key framed by lines of one device pixel.
  const QImage piano = w().MidiPianoView->grab().toImage();
  ASSERT_EQ(piano.width(), static_cast<int>(std::lround(w().MidiPianoView->width() * ratio)));
  const QColor border = ColorToQColor(S().Border);
  const auto runs = ColourRuns(piano, piano.height() - static_cast<int>(3 * ratio), border);
  const int whiteKeys = w().MidiPiano().OctaveCount() * 7;
  EXPECT_EQ(static_cast<int>(runs.size()), 2 * whiteKeys);
  for (const auto& [x, length] : runs) EXPECT_EQ(length, 1) << "at x " << x;
}

TEST(ScaledWindow, EveryControlShowsWholeAtLargeFontsAndScales) {
  uitest::App();
  struct Case {
    const char* screen;  // WIDTHxHEIGHT@DPI
    const char* scale;
  } cases[] = {{"1280x800@144", "1"},    {"1600x1000@96", "1.25"}, {"1600x1000@96", "1.5"},
               {"1600x1000@96", "2"},    {"1920x1200@96", "1.25"}, {"1920x1200@96", "1.5"},
               {"1920x1200@96", "2"},    {"2560x1600@96", "1.25"}, {"2560x1600@96", "1.5"},
               {"2560x1600@96", "2"}};
  for (const Case& c : cases) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CANTARO_TEST_SCREEN"), QString::fromLatin1(c.screen));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(c.scale));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=MainWindowTest.DISABLED_AtThisScreensScaleEveryControlShowsWhole")});
    ASSERT_TRUE(child.waitForFinished(120000)) << c.screen;
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << c.screen << " at scale " << c.scale << "\n" << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << c.screen;
  }
}

// ---- A dark desktop -----------------------------------------------------------------------

namespace {

// The colours of a dark desktop theme.
QPalette DarkPalette() {
  QPalette p;
  const QColor window(0x35, 0x35, 0x35), base(0x24, 0x24, 0x24), text(0xe8, 0xe8, 0xe8);
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase}) p.setColor(role, window);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                    QPalette::BrightText})
    p.setColor(role, text);
  p.setColor(QPalette::Highlight, QColor(0x2a, 0x62, 0xb0));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
  p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
  p.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
  p.setColor(QPalette::Mid, QColor(0x2a, 0x2a, 0x2a));
  p.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
  p.setColor(QPalette::Shadow, Qt::black);
  return p;
}

// The contrast of the text drawn in an area of an image: its commonest colour is the
// background, the pixel that stands out most from it the ink (the core of a glyph).
double TextContrast(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++counts[image.pixel(x, y)];
  if (counts.empty()) return 0;
  const QColor background(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                            return a.second < b.second;
                          })->first);
  double best = 1;
  for (const auto& [rgb, n] : counts) best = std::max(best, ContrastRatio(QColor(rgb), background));
  return best;
}

// The contrast of a widget's text within a rectangle of its own (in its pixels).
double GrabbedContrast(QWidget* w, const QRect& area) {
  const QImage image = w->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const QRect device(QPoint(static_cast<int>(area.left() * ratio), static_cast<int>(area.top() * ratio)),
                     QSize(static_cast<int>(area.width() * ratio), static_cast<int>(area.height() * ratio)));
  return TextContrast(image, device);
}

}  // namespace

TEST_F(MainWindowTest, EveryTextReadsOnItsBackgroundInALightAndADarkPalette) {
  const QPalette light = QApplication::palette();
  for (bool dark : {false, true}) {
    SCOPED_TRACE(dark ? "dark" : "light");
    QApplication::setPalette(dark ? DarkPalette() : light);
    preset.FormOpened = true;
    Open({Example("korobeiniki.kar")});
    w().actSearchSongChords->trigger();
    w().Session().TakeBeatVariants(4);
    QCoreApplication::processEvents();
    int checked = 0;
    auto expectReadable = [&checked](QWidget* w, const QRect& area, const QString& what) {
      EXPECT_GE(GrabbedContrast(w, area), LegibleContrast) << what.toStdString();
      ++checked;
    };
    // Labels and displays: their text on their own background.
    for (QLabel* label : w().findChildren<QLabel*>())
      if (label->isVisible() && !label->text().trimmed().isEmpty() && label->pixmap().isNull())
        expectReadable(label, label->contentsRect(), label->objectName() + QStringLiteral(": ") + label->text());
    for (QLineEdit* display : {w().edtTime, w().edtTicks, w().edtLength})
      expectReadable(display, display->contentsRect().adjusted(2, 2, -2, -2), display->objectName());
    expectReadable(w().cbBpm->lineEdit(), w().cbBpm->lineEdit()->rect(), QStringLiteral("cbBpm"));
    // Grids: every cell with text in their first rows, and their headers.
    for (QAbstractItemView* grid : std::initializer_list<QAbstractItemView*>{w().grdSong, w().grdVariants,
                                                                               w().grdTrack, w().lvTracks}) {
      QAbstractItemModel* m = grid->model();
      for (int row = 0; row < std::min(3, m->rowCount()); ++row)
        for (int col = 0; col < m->columnCount(); ++col) {
          const QModelIndex index = m->index(row, col);
          const QRect cell = grid->visualRect(index).adjusted(2, 2, -2, -2);
          if (index.data().toString().trimmed().isEmpty() || cell.width() < 8 || !grid->viewport()->rect().contains(cell))
            continue;
          expectReadable(grid->viewport(), cell, grid->objectName() + QStringLiteral(" ") + index.data().toString());
        }
    }
    for (QHeaderView* header : w().findChildren<QHeaderView*>())
      if (header->isVisible() && header->count() > 0 && header->orientation() == Qt::Horizontal)
        expectReadable(header, header->rect().adjusted(2, 2, -2, -2), QStringLiteral("header of ") + header->parent()->objectName());
    EXPECT_GT(checked, 30);
    // The chord sheet: its chord names (one of them marked as sounding) and its lines.
    auto* sheet = w().findChild<TChordSheetView*>();
    ASSERT_NE(sheet, nullptr);
    sheet->SetPosition(0, true);
    QCoreApplication::processEvents();
    for (int beat : {0, 4, 8}) {
      const QRect chord = sheet->ChordRect(beat);
      if (!chord.isEmpty()) expectReadable(sheet->viewport(), chord, QStringLiteral("chord of beat %1").arg(beat));
    }
    if (sheet->HighlightedLine() >= 0) {
      const QRect line = sheet->LineViewRect(sheet->HighlightedLine());
      expectReadable(sheet->viewport(), line, QStringLiteral("the sung line"));
    }
    window.reset();
  }
  QApplication::setPalette(light);
}

TEST(Contrast, ADesignedColourStaysWhereItReadsAndMovesJustEnoughWhereItDoesNot) {
  const QColor white(Qt::white), dark(0x24, 0x24, 0x24), chordBlue(0x1a, 0x4f, 0xa0);
  EXPECT_NEAR(ContrastRatio(Qt::black, white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(white, white), 1.0, 1e-9);
  EXPECT_EQ(Legible(chordBlue, white), chordBlue);
  const QColor moved = Legible(chordBlue, dark);
  EXPECT_GE(ContrastRatio(moved, dark), LegibleContrast);
  EXPECT_LT(ContrastRatio(moved, dark), LegibleContrast + 1.5);  // no further than needed
  EXPECT_NEAR(moved.hslHueF(), chordBlue.hslHueF(), 0.02);       // still blue
  // The sheet's look on a dark pane: the chord names, the details and both marks read.
  TSheetLook look;
  look.paper = dark;
  look.ink = QColor(0xe8, 0xe8, 0xe8);
  const TSheetLook fixed = LegibleLook(look);
  for (const QColor& ink : {fixed.chordInk, fixed.dim}) EXPECT_GE(ContrastRatio(ink, fixed.paper), LegibleContrast);
  for (const QColor& mark : {fixed.lineMark, fixed.chordMark})
    for (const QColor& ink : {fixed.ink, fixed.chordInk}) EXPECT_GE(ContrastRatio(ink, mark), LegibleContrast);
  // The light look is the designed one.
  TSheetLook paper;
  const TSheetLook same = LegibleLook(paper);
  EXPECT_EQ(same.chordInk, paper.chordInk);
  EXPECT_EQ(same.lineMark, paper.lineMark);
  EXPECT_EQ(same.chordMark, paper.chordMark);
}

// ---- When the sound cannot play ---------------------------------------------------------

TEST_F(MainWindowTest, ASynthesizerWithoutAudioSaysSoAndTheStatusBarShowsThatPlayingIsSilent) {
  recorder->FailOpen(0, TMidiOutErrc::NoAudio);
  TMainWindowServices services;
  services.prompter = &prompter;
  services.midiOutService = recorder;
  services.poster = poster;
  services.playback = clock.Services();
  S().FormOpened = true;
  window = std::make_unique<TTestWindow>(std::vector<std::string>{}, services);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  // No box: a bar in the window names the device and leads to the options' device page.
  EXPECT_TRUE(prompter.Calls().empty());
  ASSERT_TRUE(w().pnlNoticeBar->isVisible());
  EXPECT_EQ(w().pnlNoticeBar->stText->text().toStdString(), MesFormat(MesId::SOutputBarNoAudio, "Recorder"));
  EXPECT_EQ(w().grdTrack->columnWidth(0), 30);
  EXPECT_TRUE(w().stSilent->isVisible());
  EXPECT_EQ(w().stSilent->text().toStdString(), Mes(MesId::SOutputSilent));
  // Its button opens the options on the page of the output device.
  int page = -1;
  QTimer::singleShot(0, [&page] {
    if (auto* dlg = qobject_cast<TfrmOptions*>(QApplication::activeModalWidget())) {
      page = dlg->Opts->currentIndex();
      dlg->reject();
    }
  });
  w().pnlNoticeBar->btnAction->click();
  EXPECT_EQ(page, OptionsPageMidi);
  EXPECT_FALSE(w().pnlNoticeBar->isVisible());
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
