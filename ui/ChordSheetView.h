#pragma once
// The chord sheet in the window: the lyrics with the chords over their syllables in a
// proportional font, the line being sung highlighted and kept in view, the chord sounding
// marked. A click on a chord names its beat (the window selects it as the beat grid would); a
// double click asks for what a double click on the beat does. The same view, in its stage
// look (large, light on dark, the sung line high up with the next one below it), is the
// performing view.

#include <QAbstractScrollArea>

#include <optional>

#include "export/ChordSheet.h"
#include "ui/sheet/ChordSheetPainter.h"

// A look with its chord names, details and marks made readable on its paper (at least 4.5:1),
// the designed colours kept where they already are: the pane takes the desktop's colours,
// which may be dark.
TSheetLook LegibleLook(TSheetLook look);

class TChordSheetView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TChordSheetView(QWidget* parent = nullptr);

  // The sheet to show; `placeholder` is shown instead while the sheet is empty.
  void SetSheet(TChordSheet sheet, const QString& placeholder);
  const TChordSheet& Sheet() const { return sheet_; }
  // The playback position: the line and chord it has reached are marked; with `follow` the
  // line is scrolled into view.
  void SetPosition(int32_t tick, bool follow);
  // The performing view's look, or the pane's.
  void SetStage(bool stage);
  bool Stage() const { return stage_; }

  int HighlightedLine() const { return line_; }
  std::optional<TSheetChordRef> CurrentChord() const { return chord_; }
  // Where the chord of a beat stands in the viewport (empty when it is not on the sheet), for
  // tests that click it.
  QRect ChordRect(int beat) const;
  // The row box's area of the line in the viewport.
  QRect LineViewRect(int line) const;

 signals:
  void chordClicked(int beat);
  void chordDoubleClicked(int beat);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void Relayout();
  void KeepLineInView();
  std::optional<int> BeatAtViewport(const QPoint& pos) const;

  TChordSheet sheet_;
  QString placeholder_;
  TChordSheetPainter painter_;
  bool stage_ = false;
  int line_ = -1;
  std::optional<TSheetChordRef> chord_;
  int32_t tick_ = -1;
};
