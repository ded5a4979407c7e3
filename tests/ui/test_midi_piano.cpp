// The piano widget over its key model: mouse gestures, the note under the mouse, which parts
// are repainted, and the colours keys are painted in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "chords/untChords.h"
#include "settings/untVars.h"
#include "ui/MidiPiano.h"

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
           Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// Records the regions of every paint event the widget receives.
class PaintRecorder : public QObject {
 public:
  std::vector<QRegion> regions;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(e)->region());
    return false;
  }
};

QColor Rgb(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

class MidiPianoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    piano = std::make_unique<TMidiPiano>(model, settings);
    piano->resize(617, 105);
    model.OnMarkKey = [this](int ton, bool mark) {
      events.push_back("mark " + std::to_string(ton) + (mark ? " on" : " off"));
    };
    QObject::connect(piano.get(), &TMidiPiano::OnPlayNote, [this](int ton, int velocity) {
      events.push_back("play " + std::to_string(ton) + " " + std::to_string(velocity));
    });
    QObject::connect(piano.get(), &TMidiPiano::OnMarkByMouse,
                     [this](int ton) { events.push_back("press " + std::to_string(ton)); });
  }

  // The middle of a key's upper part (black keys) or lower part (white keys).
  QPoint Centre(int note, bool upper) {
    TPianoKeyShape k = PianoKeyShape(piano->Geometry(), note - model.FirstShownNote());
    const TPianoRect& r = (upper || k.Black) ? k.Upper : k.Lower;
    return QPoint((r.Left + r.Right) / 2, upper || k.Black ? 10 : (r.Top + r.Bottom) / 2);
  }

  TSettings settings;
  TMidiPianoModel model;
  std::unique_ptr<TMidiPiano> piano;
  std::vector<std::string> events;
};

TEST_F(MidiPianoTest, KeyAtPointCountsFromTheFirstShownOctave) {
  EXPECT_EQ(piano->KeyAtPoint(170, 10), 61);
  EXPECT_EQ(piano->KeyAtPoint(170, 90), 60);
  model.ShiftOctaves(-1, +1);
  EXPECT_EQ(piano->KeyAtPoint(170, 90), 72);
  EXPECT_EQ(piano->KeyAtPoint(617, 90), -1);
}

TEST_F(MidiPianoTest, ARightClickTogglesTheMarkAfterAnnouncingIt) {
  QPoint c = Centre(60, false);
  Mouse(piano.get(), QEvent::MouseButtonPress, c, Qt::RightButton, Qt::RightButton);
  Mouse(piano.get(), QEvent::MouseButtonRelease, c, Qt::RightButton, Qt::NoButton);
  EXPECT_TRUE(model.IsMarked(60));
  Mouse(piano.get(), QEvent::MouseButtonPress, c, Qt::MiddleButton, Qt::MiddleButton);
  EXPECT_FALSE(model.IsMarked(60));
  EXPECT_EQ(events, (std::vector<std::string>{"press 60", "mark 60 on", "press 60", "mark 60 off"}));
}

TEST_F(MidiPianoTest, ClickingBesideTheKeysDoesNothing) {
  piano->resize(617, 105);
  Mouse(piano.get(), QEvent::MouseButtonPress, QPoint(-3, 50), Qt::RightButton, Qt::RightButton);
  Mouse(piano.get(), QEvent::MouseButtonPress, QPoint(700, 50), Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(piano->HeldNote(), -1);
}

TEST_F(MidiPianoTest, DraggingAlongTheUpperPartPlaysEachKeyInTurn) {
  QPoint from = Centre(60, true), to = Centre(64, true);
  Mouse(piano.get(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  for (int x = from.x(); x <= to.x(); ++x)
    Mouse(piano.get(), QEvent::MouseMove, QPoint(x, 10), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(piano->HeldNote(), 64);
  Mouse(piano.get(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(piano->HeldNote(), -1);
  EXPECT_EQ(events, (std::vector<std::string>{
                        "play 60 127", "play 60 0", "play 61 127", "play 61 0", "play 62 127",
                        "play 62 0", "play 63 127", "play 63 0", "play 64 127", "play 64 0"}));
}

TEST_F(MidiPianoTest, MovingWithoutTheButtonOnlyNamesTheKey) {
  QString name;
  QObject::connect(piano.get(), &TMidiPiano::OnHoverNote,
                   [&name](int, const QString& n) { name = n; });
  Mouse(piano.get(), QEvent::MouseMove, Centre(61, true), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(name, "C#4");
  settings.NoteSet = NoteNotation::Italian;
  Mouse(piano.get(), QEvent::MouseMove, Centre(60, false), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(name, "DO4");
  EXPECT_TRUE(events.empty());
}

TEST_F(MidiPianoTest, ReleasingOtherButtonsKeepsTheHeldNote) {
  Mouse(piano.get(), QEvent::MouseButtonPress, Centre(67, false), Qt::LeftButton, Qt::LeftButton);
  Mouse(piano.get(), QEvent::MouseButtonRelease, Centre(67, false), Qt::RightButton, Qt::LeftButton);
  EXPECT_EQ(piano->HeldNote(), 67);
  piano->ReleaseHeldNote();
  piano->ReleaseHeldNote();
  EXPECT_EQ(events, (std::vector<std::string>{"play 67 127", "play 67 0"}));
}

TEST_F(MidiPianoTest, AHeldNoteEndsWhenTheKeyboardIsHidden) {
  piano->show();
  Mouse(piano.get(), QEvent::MouseButtonPress, Centre(65, false), Qt::LeftButton, Qt::LeftButton);
  piano->hide();
  EXPECT_EQ(piano->HeldNote(), -1);
  EXPECT_EQ(events, (std::vector<std::string>{"play 65 127", "play 65 0"}));
}

TEST_F(MidiPianoTest, OnlyTheChangedKeyIsRepainted) {
  piano->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(piano.get()));
  PaintRecorder recorder;
  piano->installEventFilter(&recorder);
  QApplication::processEvents();
  recorder.regions.clear();

  model.SetKeyLevel(62, 1);
  QApplication::processEvents();
  ASSERT_EQ(recorder.regions.size(), 1u);
  QRegion painted = recorder.regions[0];
  EXPECT_TRUE(piano->KeyRect(62).contains(painted.boundingRect()));
  for (int other = 57; other <= 67; ++other)
    if (other != 62) {
      EXPECT_FALSE(painted.intersects(piano->KeyRect(other))) << other;
    }

  // A second note-on keeps the key sounding: nothing to repaint.
  recorder.regions.clear();
  model.SetKeyLevel(62, 2);
  model.SetMarked(30, true);  // not shown
  QApplication::processEvents();
  EXPECT_TRUE(recorder.regions.empty());

  // Shifting the octaves repaints the whole keyboard.
  model.ShiftOctaves(-1, -1);
  QApplication::processEvents();
  ASSERT_FALSE(recorder.regions.empty());
  EXPECT_EQ(recorder.regions.back().boundingRect(), piano->rect());
}

TEST_F(MidiPianoTest, KeysArePaintedInTheSettingsColours) {
  model.SetKeyLevel(64, 1);
  model.SetMarked(67, true);
  QImage img = piano->grab().toImage();
  EXPECT_EQ(img.pixelColor(Centre(60, false)), Rgb(settings.WhiteKey));
  EXPECT_EQ(img.pixelColor(Centre(61, true)), Rgb(settings.BlackKey));
  EXPECT_EQ(img.pixelColor(Centre(64, false)), Rgb(settings.SelectedKey));
  // A frame in the border colour; the marked key's frame and dot in the mark colour.
  QRect c = piano->KeyRect(60);
  EXPECT_EQ(img.pixelColor(c.left(), c.bottom()), Rgb(settings.Border));
  QRect g = piano->KeyRect(67);
  EXPECT_EQ(img.pixelColor(g.left(), g.bottom()), Rgb(settings.MarkedKey));
  TPianoKeyShape mark = PianoKeyShape(piano->Geometry(), 67 - 48);
  EXPECT_EQ(img.pixelColor((mark.Mark.Left + mark.Mark.Right) / 2, (mark.Mark.Top + mark.Mark.Bottom) / 2),
            Rgb(settings.MarkedKey));

  // Colours are read at every paint.
  settings.WhiteKey = 0x00FF00;
  img = piano->grab().toImage();
  EXPECT_EQ(img.pixelColor(Centre(60, false)), QColor(0, 255, 0));
}

TEST_F(MidiPianoTest, TheShiftIsSignalledWithTheNewFirstOctave) {
  std::vector<int> shifts;
  int before = 0;
  model.OnShiftOctaves = [&before](int8_t) { ++before; };
  TMidiPiano second(model, settings);  // installs its handlers over the ones already there
  QObject::connect(&second, &TMidiPiano::OnShiftOctaves, [&shifts](int s) { shifts.push_back(s); });
  model.ShiftOctaves(-1, +2);
  model.SetOctaveCount(6);     // octave 6 no longer fits: back to 4
  model.ShiftOctaves(-1, +1);  // at the limit already
  EXPECT_EQ(shifts, (std::vector<int>{6, 4}));
  EXPECT_EQ(before, 2);
}

TEST(MidiPianoLifetime, EitherTheModelOrTheWidgetMayGoFirst) {
  const TSettings settings;
  int repaints = 0;
  {
    TMidiPianoModel model;
    model.OnRepaint = [&repaints] { ++repaints; };
    { TMidiPiano piano(model, settings); }
    model.SetKeyLevel(60, 1);
    model.ShiftOctaves(-1, 1);
    EXPECT_EQ(repaints, 1);
  }
  auto model = std::make_unique<TMidiPianoModel>();
  auto piano = std::make_unique<TMidiPiano>(*model, settings);
  model.reset();
  piano.reset();
  SUCCEED();
}

}  // namespace
