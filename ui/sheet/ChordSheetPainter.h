#pragma once
// Paints a chord sheet with QPainter: the header (title, singer, key and tempo, the capo hint
// and the strip of chord diagrams), then the rows
// of LayoutChordSheet, the chord names in bold over their syllables. The same painter serves
// the window's pane, the performing view, the printer and the PDF, each with its own look and
// its own paint device (fonts are measured on the device they are painted on).

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

#include "export/ChordSheet.h"

class QPainter;
class QPaintDevice;

struct TSheetLook {
  QFont text;    // the syllables
  QFont chord;   // the chord names (bold)
  QFont title;   // the song's title
  QColor ink = Qt::black;
  QColor chordInk = QColor(0x1a, 0x4f, 0xa0);
  QColor paper = Qt::white;
  QColor lineMark = QColor(0xff, 0xf3, 0xb0);   // behind the line being sung
  QColor chordMark = QColor(0xff, 0xc8, 0x5a);  // behind the chord sounding
  QColor dim = QColor(0x66, 0x66, 0x66);        // header details; lines far from the one sung on stage
  bool dimOtherLines = false;                    // the performing view: only the sung and the next line bright
  double margin = 8;
};

// The look of the window's pane from its font, and of the performing view: light on dark,
// the text `scale` times larger.
TSheetLook PaneLook(const QFont& base);
TSheetLook StageLook(const QFont& base, double pointSize);
// Black on white for paper, in points.
TSheetLook PaperLook();

class TChordSheetPainter {
 public:
  // A row of the layout in the painter's coordinates (the header above it).
  struct TBox {
    int row = 0;
    int line = 0;
    double y = 0;
    double height = 0;
    double chordBand = 0;  // height of the chord names above the syllables
  };

  // Lays the sheet out for a width, measuring on the device (nullptr: the screen). The sheet
  // must outlive the painter's use of it.
  void Lay(const TChordSheet& sheet, const TSheetLook& look, double width, const QPaintDevice* device = nullptr);

  double HeaderHeight() const { return headerHeight_; }
  double Height() const { return boxes_.empty() ? headerHeight_ : boxes_.back().y + boxes_.back().height; }
  const std::vector<TBox>& Boxes() const { return boxes_; }
  const TSheetLook& Look() const { return look_; }

  // The header at the top of the given rectangle's width, origin at (0, top).
  void PaintHeader(QPainter& painter, double top) const;
  // One row, shifted up by `scroll`; `line` marks the line being sung, `chord` the chord
  // sounding, `next` the line after it (bright on stage).
  void PaintRow(QPainter& painter, const TBox& box, double scroll, int line, std::optional<TSheetChordRef> chord,
                int next) const;
  // The area of a whole line (all its rows), in layout coordinates; empty when it has none.
  QRectF LineRect(int line) const;
  // Where the chord of a beat stands, in layout coordinates; empty when no chord starts there.
  QRectF ChordArea(int beat) const;
  // The beat of the chord at a point of the layout, if a chord stands there.
  std::optional<int> BeatAt(double x, double y) const;

 private:
  const TChordSheet* sheet_ = nullptr;
  TSheetLook look_;
  double width_ = 0;
  std::vector<TSheetRow> rows_;
  std::vector<TBox> boxes_;
  double headerHeight_ = 0;
  double textHeight_ = 0, textAscent_ = 0, chordHeight_ = 0, chordAscent_ = 0;
  double titleHeight_ = 0, titleAscent_ = 0;
  QString title_, subtitle_, details_, capo_;
  // The strip: where it starts below the header's top, the size of a diagram, diagrams a row.
  double stripTop_ = 0, cellWidth_ = 0, cellHeight_ = 0;
  int cellsPerRow_ = 1;

  void PaintDiagram(QPainter& painter, const TSheetDiagram& diagram, const QRectF& cell) const;
  void PaintGuitar(QPainter& painter, const TGuitarShape& shape, const QRectF& area) const;
  void PaintPiano(QPainter& painter, const std::vector<int>& keys, const QRectF& area) const;
};

// The diagrams' own size for a text line height: a guitar's and a piano's cell.
QSizeF DiagramCellSize(TDiagramInstrument instrument, double lineHeight);
