// The chord sheet in the window: shown beside the beat grid once the chords are found,
// following playback, a click on a chord acting on its beat, made anew when a chord changes,
// and the performing view on the whole screen.
#include <gtest/gtest.h>

#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <set>

#include "MainWindowFixture.h"
#include "ui/ChordSheetView.h"
#include "ui/sheet/ChordSheetPrint.h"

namespace {

using uitest::Example;

class ChordSheetWindowTest : public MainWindowTest {
 protected:
  TChordSheetView* Sheet() { return w().findChild<TChordSheetView*>(QStringLiteral("pnlSheet")); }
  TChordSheetView* Stage() { return w().findChild<TChordSheetView*>(QStringLiteral("pnlStage")); }

  // The chord of a beat as the sheet shows it, and whether one starts there.
  static const TSheetPiece* PieceOf(const TChordSheet& sheet, int beat) {
    for (const TSheetLine& line : sheet.lines)
      for (const TSheetPiece& p : line.pieces)
        if (p.beat == beat && !p.chord.empty()) return &p;
    return nullptr;
  }
};

TEST_F(ChordSheetWindowTest, AfterF8TheSheetStandsBesideTheGridAndFollowsPlayback) {
  Open({Example("korobeiniki.kar")});
  ASSERT_NE(Sheet(), nullptr);
  EXPECT_TRUE(Sheet()->Sheet().Empty());  // no chords yet: the pane says how to find them
  QTest::keyClick(&w(), Qt::Key_F8);
  QCoreApplication::processEvents();
  ASSERT_FALSE(Sheet()->Sheet().Empty());
  EXPECT_TRUE(Sheet()->isVisible());
  EXPECT_TRUE(w().grdSong->isVisible());
  EXPECT_TRUE(w().actSheet->isChecked());
  // Within the window, beside the beat grid, neither overlapping it.
  const QRect sheet(Sheet()->mapTo(&w(), QPoint(0, 0)), Sheet()->size());
  const QRect grid(w().grdSong->mapTo(&w(), QPoint(0, 0)), w().grdSong->size());
  EXPECT_TRUE(w().rect().contains(sheet)) << sheet.x() << "," << sheet.y() << " " << sheet.width() << "x" << sheet.height();
  EXPECT_FALSE(sheet.intersects(grid));
  EXPECT_GE(Sheet()->width(), 150);
  EXPECT_EQ(Sheet()->Sheet().title, "Коробейники");
  EXPECT_TRUE(Sheet()->Sheet().key.empty());  // not known yet
  w().Session().SetKey(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(Sheet()->Sheet().key, "C");

  // Playing marks the line being sung and the chord sounding, and keeps the line in view.
  w().actPlay->trigger();
  ASSERT_TRUE(w().MidiFile().Playing());
  clock.Advance(30000);
  const int32_t tick = w().MidiFile().PositionTicks();
  const int line = Sheet()->HighlightedLine();
  ASSERT_GE(line, 0);
  EXPECT_EQ(line, Sheet()->Sheet().LineAt(tick));
  EXPECT_EQ(Sheet()->CurrentChord(), Sheet()->Sheet().ChordAt(tick));
  EXPECT_TRUE(Sheet()->viewport()->rect().intersects(Sheet()->LineViewRect(line)));
  EXPECT_GT(Sheet()->verticalScrollBar()->value(), 0);  // half a minute in, the sheet has scrolled
  w().actPlay->trigger();
}

// Above the sheet a diagram for every distinct chord, the guitar's shapes by default with the
// capo that saves the barres; the options turn them into the piano's keys and spell the names
// in the key, at once.
TEST_F(ChordSheetWindowTest, TheChordStripAndTheCapoFollowTheOptions) {
  Open({Example("korobeiniki.kar")});
  QTest::keyClick(&w(), Qt::Key_F8);
  w().Session().SetKey(0, true);  // A minor, shifted a semitone up: B-flat minor, whose names take flats
  w().Session().Transpose(1);
  QCoreApplication::processEvents();
  const auto names = [](const TChordSheet& sheet) {
    std::string text;
    for (const TSheetDiagram& d : sheet.diagrams) text += d.name + (d.shape ? "+ " : " ");
    return text;
  };
  const auto capo = [](const TChordSheet& sheet) {
    std::string text = std::to_string(sheet.capo.fret);
    for (const std::string& n : sheet.capo.names) text += " " + n;
    return text;
  };
  EXPECT_EQ(Sheet()->Sheet().instrument, TDiagramInstrument::Guitar);
  EXPECT_EQ(names(Sheet()->Sheet()), "A#m+ F7+ D#m+ ");
  EXPECT_EQ(capo(Sheet()->Sheet()), "1 Am E7 Dm");
  Sheet()->grab().save(QString::fromStdString(testing::TempDir() + "sheet-guitar.png"));

  S().SpellByKey = true;
  S().ChordDiagrams = 2;
  w().ApplySettings();
  QCoreApplication::processEvents();
  EXPECT_EQ(Sheet()->Sheet().instrument, TDiagramInstrument::Piano);
  EXPECT_EQ(Sheet()->Sheet().capo.fret, 0) << "the capo is a guitarist's";
  EXPECT_EQ(names(Sheet()->Sheet()), "Bbm F7 Ebm ");
  ASSERT_EQ(Sheet()->Sheet().diagrams.size(), 3u);
  EXPECT_EQ(Sheet()->Sheet().diagrams[0].keys, (std::vector<int>{10, 13, 17}));  // Bb Db F from the C below
  EXPECT_EQ(Sheet()->Sheet().key, "Bbm");
  QString grid;  // the beat grid names them so too
  const QAbstractItemModel* cells = w().grdSong->model();
  for (int r = 0; r < cells->rowCount(); ++r)
    for (int c = 1; c < cells->columnCount(); ++c) grid += cells->index(r, c).data().toString() + " ";
  EXPECT_TRUE(grid.contains(QStringLiteral("Bbm ")) && !grid.contains(QStringLiteral("A#m"))) << grid.toStdString();
  Sheet()->grab().save(QString::fromStdString(testing::TempDir() + "sheet-piano.png"));

  S().ChordDiagrams = 0;
  w().ApplySettings();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Sheet()->Sheet().diagrams.empty());
}

TEST_F(ChordSheetWindowTest, ClickingAChordSelectsItsBeatShowsItsVariantsAndAChosenOneUpdatesTheSheet) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actSearchSongChords->trigger();
  QCoreApplication::processEvents();
  const TChordSheet& sheet = Sheet()->Sheet();
  ASSERT_FALSE(sheet.Empty());
  // A chord after the first one whose notes could be named otherwise too.
  int beat = -1;
  for (const TSheetLine& line : sheet.lines)
    for (const TSheetPiece& p : line.pieces) {
      if (beat >= 0 || p.chord.empty() || p.beat == 0) continue;
      w().Session().RecognizeNotes(w().Session().beats()[static_cast<size_t>(p.beat)].notes);
      if (w().Session().Variants().chords.size() >= 2) beat = p.beat;
    }
  ASSERT_GT(beat, 0);
  w().Session().TakeBeatVariants(0);
  QCoreApplication::processEvents();
  const QRect at = Sheet()->ChordRect(beat);
  ASSERT_FALSE(at.isEmpty());
  QTest::mouseClick(Sheet()->viewport(), Qt::LeftButton, {}, at.center());
  EXPECT_EQ(w().grdSong->currentIndex(), w().grdSong->model()->index(beat / 4, beat % 4 + 1));
  EXPECT_EQ(w().Session().Model().variantsBeat, beat);
  ASSERT_GE(w().grdVariants->model()->rowCount(), 1);
  EXPECT_EQ(w().grdVariants->model()->index(0, 1).data().toString().toStdString(), w().Presenter().BeatChordName(beat));

  // Another name of its notes chosen: the sheet shows it at once.
  w().Session().RecognizeNotes(w().Session().beats()[static_cast<size_t>(beat)].notes);
  prompter.Answer(TPromptAnswer::Yes);
  ASSERT_TRUE(w().Session().ChooseVariant(beat, 1));
  QCoreApplication::processEvents();
  const std::string chosen = w().Presenter().BeatChordName(beat);
  const TSheetPiece* piece = PieceOf(Sheet()->Sheet(), beat);
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(piece->chord, chosen);
}

TEST_F(ChordSheetWindowTest, F11ShowsThePerformingViewFullScreenAndEscLeavesIt) {
  Open({Example("korobeiniki.kar")});
  w().actSearchSongChords->trigger();
  QCoreApplication::processEvents();
  QTest::keyClick(&w(), Qt::Key_F11);
  QCoreApplication::processEvents();
  ASSERT_TRUE(w().StageShown());
  QWidget* stage = Stage()->window();
  EXPECT_TRUE(stage->isFullScreen());
  EXPECT_EQ(stage->geometry(), w().screen()->geometry());
  EXPECT_TRUE(Stage()->Stage());
  EXPECT_FALSE(Stage()->Sheet().Empty());
  EXPECT_GT(Stage()->height(), w().height() / 2);

  // It follows playback too, with the sung line high on the screen and the next one below.
  w().actPlay->trigger();
  clock.Advance(30000);
  const int line = Stage()->HighlightedLine();
  ASSERT_GE(line, 0);
  const QRect sung = Stage()->LineViewRect(line);
  EXPECT_LT(sung.top(), Stage()->viewport()->height() / 2);
  const int next = Stage()->Sheet().NextLine(line);
  if (next >= 0) {
    EXPECT_TRUE(Stage()->viewport()->rect().contains(Stage()->LineViewRect(next)));
  }
  w().actPlay->trigger();

  QTest::keyClick(stage, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_FALSE(w().StageShown());
}

}  // namespace

namespace {

// Text of one page of a PDF as a reader gets it; empty without pdftotext.
std::string PdfPageText(const std::string& pdf, int page) {
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                             QStringLiteral("-l"), QString::number(page), QString::fromStdString(pdf),
                                             QStringLiteral("-")});
  if (!reader.waitForFinished(30000)) return std::string();
  return reader.readAllStandardOutput().toStdString();
}

// A long song on paper: numbered pages, and every line on the same page as its chords.
TEST(ChordSheetPaper, PagesAreNumberedAndNoLineLeavesItsChords) {
  uitest::App();
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "needs pdftotext (poppler-utils, which scripts/install-deps --test installs)";
  TChordSheet sheet;
  sheet.title = "Long song";
  sheet.beatLength = 480;
  for (int i = 0; i < 90; ++i) {
    const std::string n = std::to_string(i);
    TSheetLine line{TSheetLineKind::Lyrics, {{2 * i, "K" + n, "line" + n + " "}, {2 * i + 1, "Q" + n, "end" + n}}};
    sheet.lines.push_back(line);
    if (i % 4 == 3) sheet.lines.push_back({TSheetLineKind::Paragraph, {}});
  }
  const std::string bytes = ChordSheetPdf(sheet, QPageSize::A4);
  const std::string pdf = (std::filesystem::path(testing::TempDir()) / "long-song.pdf").string();
  {
    std::ofstream out(pdf, std::ios::binary);
    out << bytes;
  }
  int pages = 0;
  std::set<int> seen;
  for (int page = 1; page < 20; ++page) {
    const std::string text = PdfPageText(pdf, page);
    if (text.find("line") == std::string::npos) break;
    pages = page;
    for (int i = 0; i < 90; ++i) {
      const std::string n = std::to_string(i);
      const bool lyrics = text.find("line" + n + " ") != std::string::npos;
      const bool chords = text.find("K" + n + " ") != std::string::npos;
      EXPECT_EQ(lyrics, chords) << "line " << i << " on page " << page;
      if (lyrics) seen.insert(i);
    }
    EXPECT_NE(text.find("Страница " + std::to_string(page) + " из "), std::string::npos) << page;
  }
  EXPECT_GE(pages, 3);
  EXPECT_EQ(seen.size(), 90u);
  EXPECT_NE(PdfPageText(pdf, 1).find("Long song"), std::string::npos);
}

}  // namespace
