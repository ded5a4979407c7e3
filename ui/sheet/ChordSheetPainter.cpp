#include "ui/sheet/ChordSheetPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <string_view>

#include "base/untMesConst.h"

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QFontMetricsF Metrics(const QFont& font, const QPaintDevice* device) {
  return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

bool LineHasChords(const TSheetLine& line) {
  return std::any_of(line.pieces.begin(), line.pieces.end(), [](const TSheetPiece& p) { return !p.chord.empty(); });
}

bool LineHasText(const TSheetLine& line) { return line.kind == TSheetLineKind::Lyrics; }

}  // namespace

TSheetLook PaneLook(const QFont& base) {
  TSheetLook look;
  look.text = base;
  look.text.setStyleHint(QFont::SansSerif);
  look.text.setFixedPitch(false);
  look.text.setPointSizeF(std::max(base.pointSizeF(), 10.0));
  look.chord = look.text;
  look.chord.setBold(true);
  look.title = look.text;
  look.title.setBold(true);
  look.title.setPointSizeF(look.text.pointSizeF() * 1.4);
  return look;
}

TSheetLook StageLook(const QFont& base, double pointSize) {
  TSheetLook look = PaneLook(base);
  look.text.setPointSizeF(pointSize);
  look.chord.setPointSizeF(pointSize);
  look.title.setPointSizeF(pointSize * 1.2);
  look.ink = QColor(0xf0, 0xf0, 0xf0);
  look.chordInk = QColor(0xff, 0xd2, 0x4a);
  look.paper = QColor(0x10, 0x10, 0x14);
  look.lineMark = QColor(0x2c, 0x36, 0x52);
  look.chordMark = QColor(0x9a, 0x5b, 0x00);
  look.dim = QColor(0x80, 0x80, 0x88);
  look.dimOtherLines = true;
  look.margin = pointSize;
  return look;
}

TSheetLook PaperLook() {
  TSheetLook look;
  look.text = QFont(QStringLiteral("Sans Serif"));
  look.text.setStyleHint(QFont::SansSerif);
  look.text.setPointSizeF(11);
  // Letters stay letters (no "fl" ligature), so a PDF reader finds the words as they are sung.
  look.text.setStyleStrategy(QFont::PreferNoShaping);
  look.chord = look.text;
  look.chord.setBold(true);
  look.title = look.text;
  look.title.setBold(true);
  look.title.setPointSizeF(16);
  look.chordInk = Qt::black;
  look.lineMark = Qt::transparent;
  look.chordMark = Qt::transparent;
  look.margin = 0;
  return look;
}

void TChordSheetPainter::Lay(const TChordSheet& sheet, const TSheetLook& look, double width,
                             const QPaintDevice* device) {
  sheet_ = &sheet;
  look_ = look;
  width_ = width;
  const QFontMetricsF text = Metrics(look.text, device);
  const QFontMetricsF chord = Metrics(look.chord, device);
  const QFontMetricsF title = Metrics(look.title, device);
  textHeight_ = text.lineSpacing();
  textAscent_ = text.ascent();
  chordHeight_ = chord.lineSpacing();
  chordAscent_ = chord.ascent();
  titleHeight_ = title.lineSpacing();
  titleAscent_ = title.ascent();

  title_ = Q(sheet.title.empty() ? Mes(MesId::SSheetUntitled) : sheet.title);
  subtitle_ = Q(sheet.subtitle);
  QString details;
  if (!sheet.key.empty()) details = Q(MesFormat(MesId::SSheetKey, sheet.key));
  if (sheet.tempo > 0) {
    if (!details.isEmpty()) details += QStringLiteral("    ");
    details += Q(MesFormat(MesId::SSheetTempo, sheet.tempo));
  }
  details_ = details;
  capo_.clear();
  if (sheet.capo.fret > 0) {
    std::string names;
    for (const std::string& n : sheet.capo.names) names += (names.empty() ? "" : " ") + n;
    capo_ = Q(MesFormat(MesId::SSheetCapoPlay, MesFormat(MesId::SSheetCapo, sheet.capo.fret), names));
  }
  stripTop_ = look.margin + titleHeight_ + (subtitle_.isEmpty() ? 0 : textHeight_) +
              (details_.isEmpty() ? 0 : textHeight_) + (capo_.isEmpty() ? 0 : textHeight_);
  double strip = 0;
  if (sheet.instrument != TDiagramInstrument::None && !sheet.diagrams.empty()) {
    const QSizeF cell = DiagramCellSize(sheet.instrument, textHeight_);
    // A name wider than the cell widens every cell, so the names stay apart.
    double widest = 0;
    for (const TSheetDiagram& d : sheet.diagrams) widest = std::max(widest, chord.horizontalAdvance(Q(d.name)));
    cellWidth_ = std::max(cell.width(), widest + textHeight_ * 0.5);
    cellHeight_ = cell.height() + chordHeight_;
    cellsPerRow_ = std::max(1, static_cast<int>((width - 2 * look.margin) / cellWidth_));
    const int rows = (static_cast<int>(sheet.diagrams.size()) + cellsPerRow_ - 1) / cellsPerRow_;
    strip = textHeight_ * 0.4 + rows * cellHeight_;
  }
  headerHeight_ = stripTop_ + strip + textHeight_ * 0.6;

  TSheetMeasure measure;
  measure.chordWidth = [chord](std::string_view s) { return chord.horizontalAdvance(Q(s)); };
  measure.textWidth = [text](std::string_view s) { return text.horizontalAdvance(Q(s)); };
  measure.chordGap = chord.horizontalAdvance(QStringLiteral("  "));
  measure.width = std::max(1.0, width - 2 * look.margin);
  rows_ = LayoutChordSheet(sheet, measure);

  boxes_.clear();
  double y = headerHeight_;
  for (size_t r = 0; r < rows_.size(); ++r) {
    const TSheetLine& line = sheet.lines[static_cast<size_t>(rows_[r].line)];
    TBox box{static_cast<int>(r), rows_[r].line, y, 0, 0};
    if (line.kind == TSheetLineKind::Paragraph) {
      box.height = textHeight_ * 0.6;
    } else {
      box.chordBand = LineHasChords(line) || line.kind != TSheetLineKind::Lyrics ? chordHeight_ : 0;
      box.height = box.chordBand + (LineHasText(line) ? textHeight_ : 0) + textHeight_ * 0.25;
    }
    y += box.height;
    boxes_.push_back(box);
  }
}

void TChordSheetPainter::PaintHeader(QPainter& painter, double top) const {
  double y = top + look_.margin;
  painter.setPen(look_.ink);
  painter.setFont(look_.title);
  painter.drawText(QPointF(look_.margin, y + titleAscent_), title_);
  y += titleHeight_;
  painter.setFont(look_.text);
  if (!subtitle_.isEmpty()) {
    painter.drawText(QPointF(look_.margin, y + textAscent_), subtitle_);
    y += textHeight_;
  }
  if (!details_.isEmpty()) {
    painter.setPen(look_.dim);
    painter.drawText(QPointF(look_.margin, y + textAscent_), details_);
    y += textHeight_;
  }
  if (!capo_.isEmpty()) {
    painter.setPen(look_.ink);
    painter.drawText(QPointF(look_.margin, y + textAscent_), capo_);
  }
  if (!sheet_ || sheet_->instrument == TDiagramInstrument::None) return;
  const double stripY = top + stripTop_ + textHeight_ * 0.4;
  for (size_t i = 0; i < sheet_->diagrams.size(); ++i) {
    const int row = static_cast<int>(i) / cellsPerRow_, col = static_cast<int>(i) % cellsPerRow_;
    const QRectF cell(look_.margin + col * cellWidth_, stripY + row * cellHeight_, cellWidth_, cellHeight_);
    PaintDiagram(painter, sheet_->diagrams[i], cell);
  }
}

QSizeF DiagramCellSize(TDiagramInstrument instrument, double lineHeight) {
  if (instrument == TDiagramInstrument::Piano) return QSizeF(lineHeight * 5.6, lineHeight * 2.6);
  return QSizeF(lineHeight * 3.6, lineHeight * 4.4);
}

void TChordSheetPainter::PaintDiagram(QPainter& painter, const TSheetDiagram& diagram, const QRectF& cell) const {
  painter.save();
  painter.setFont(look_.chord);
  painter.setPen(look_.chordInk);
  const QString name = Q(diagram.name);
  const double nameWidth = QFontMetricsF(look_.chord, painter.device()).horizontalAdvance(name);
  painter.drawText(QPointF(cell.left() + (cell.width() - nameWidth) / 2, cell.top() + chordAscent_), name);
  const double pad = textHeight_ * 0.25;
  const QRectF area(cell.left() + pad, cell.top() + chordHeight_, cell.width() - 2 * pad,
                    cell.height() - chordHeight_ - pad);
  if (sheet_->instrument == TDiagramInstrument::Piano) {
    PaintPiano(painter, diagram.keys, area);
  } else if (diagram.shape) {
    PaintGuitar(painter, *diagram.shape, area);
  } else {
    // No shape is known: the chord's tones say what to play.
    QString tones;
    for (const std::string& t : diagram.tones) tones += (tones.isEmpty() ? "" : " ") + Q(t);
    painter.setFont(look_.text);
    painter.setPen(look_.dim);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tones);
  }
  painter.restore();
}

void TChordSheetPainter::PaintGuitar(QPainter& painter, const TGuitarShape& shape, const QRectF& area) const {
  constexpr int frets = 4;
  const double mark = textHeight_ * 0.6;  // the row of "x" and "o" above the nut
  const double gridLeft = area.left() + textHeight_ * 0.9;
  const double gridWidth = std::max(1.0, area.right() - gridLeft - textHeight_ * 0.2);
  const double stringGap = gridWidth / (GuitarStringCount - 1);
  const double gridTop = area.top() + mark;
  const double fretGap = std::max(1.0, (area.bottom() - gridTop) / frets);
  // Shapes low on the neck start at the nut; others name their first fret beside it.
  const int first = shape.HighestFret() <= frets ? 1 : shape.LowestFret();
  const double thin = std::max(0.5, textHeight_ / 18);
  painter.setPen(QPen(look_.ink, thin));
  for (int s = 0; s < GuitarStringCount; ++s)
    painter.drawLine(QPointF(gridLeft + s * stringGap, gridTop), QPointF(gridLeft + s * stringGap, gridTop + frets * fretGap));
  for (int f = 0; f <= frets; ++f)
    painter.drawLine(QPointF(gridLeft, gridTop + f * fretGap), QPointF(gridLeft + gridWidth, gridTop + f * fretGap));
  if (first == 1) {
    painter.setPen(QPen(look_.ink, thin * 4));
    painter.drawLine(QPointF(gridLeft, gridTop), QPointF(gridLeft + gridWidth, gridTop));
  } else {
    QFont small = look_.text;
    small.setPointSizeF(look_.text.pointSizeF() * 0.7);
    painter.setFont(small);
    painter.setPen(look_.ink);
    painter.drawText(QRectF(area.left(), gridTop, gridLeft - area.left() - thin * 4, fretGap),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(first));
  }
  const double dot = std::min(stringGap, fretGap) * 0.7;
  painter.setPen(QPen(look_.ink, thin * 1.5));
  for (int s = 0; s < GuitarStringCount; ++s) {
    const int fret = shape.frets[static_cast<size_t>(s)];
    const double x = gridLeft + s * stringGap;
    if (fret <= 0) {
      // Open strings a ring, muted ones a cross, above the nut.
      const double r = std::min(mark, stringGap) * 0.3;
      const QPointF c(x, gridTop - mark / 2);
      painter.setBrush(Qt::NoBrush);
      if (fret == 0) {
        painter.drawEllipse(c, r, r);
      } else {
        painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        painter.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
      }
      continue;
    }
    if (fret - first >= frets) continue;
    painter.setBrush(look_.ink);
    painter.drawEllipse(QPointF(x, gridTop + (fret - first + 0.5) * fretGap), dot / 2, dot / 2);
  }
  if (shape.barre > 0 && shape.barre - first < frets) {
    // The barre across the strings it holds: from the lowest string it presses to the top.
    int from = 0;
    while (from < GuitarStringCount && shape.frets[static_cast<size_t>(from)] < shape.barre) ++from;
    if (from < GuitarStringCount - 1) {
      const double y = gridTop + (shape.barre - first + 0.5) * fretGap;
      painter.setPen(QPen(look_.ink, dot * 0.8, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(gridLeft + from * stringGap, y), QPointF(gridLeft + gridWidth, y));
    }
  }
  painter.setBrush(Qt::NoBrush);
}

void TChordSheetPainter::PaintPiano(QPainter& painter, const std::vector<int>& keys, const QRectF& area) const {
  static constexpr int WhiteOf[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
  static constexpr int Below[12] = {0, 0, 0, 2, 0, 0, 5, 0, 7, 0, 9, 0};  // a black key's white key on its left
  constexpr int whites = 14;
  const double kw = area.width() / whites;
  const double kh = area.height();
  const double thin = std::max(0.5, textHeight_ / 18);
  const QColor marked = look_.chordInk;
  auto pressed = [&](int key) { return std::find(keys.begin(), keys.end(), key) != keys.end(); };
  painter.setPen(QPen(look_.ink, thin));
  for (int w = 0; w < whites; ++w) {
    const int octave = w / 7, white = w % 7;
    int key = 0;
    for (int k = 0; k < 12; ++k)
      if (WhiteOf[k] == white) key = octave * 12 + k;
    // A keyboard keeps its colours on the dark stage too.
    painter.setBrush(pressed(key) ? marked : QColor(Qt::white));
    painter.drawRect(QRectF(area.left() + w * kw, area.top(), kw, kh));
  }
  for (int key = 0; key < 24; ++key) {
    const int k = key % 12;
    if (WhiteOf[k] >= 0) continue;
    const int w = (key / 12) * 7 + WhiteOf[Below[k]];
    painter.setBrush(pressed(key) ? marked : QColor(Qt::black));
    painter.drawRect(QRectF(area.left() + (w + 1) * kw - kw * 0.3, area.top(), kw * 0.6, kh * 0.6));
  }
  painter.setBrush(Qt::NoBrush);
}

void TChordSheetPainter::PaintRow(QPainter& painter, const TBox& box, double scroll, int line,
                                  std::optional<TSheetChordRef> chord, int next) const {
  if (!sheet_) return;
  const TSheetRow& row = rows_[static_cast<size_t>(box.row)];
  const TSheetLine& sheetLine = sheet_->lines[static_cast<size_t>(row.line)];
  if (sheetLine.kind == TSheetLineKind::Paragraph) return;
  const double top = box.y - scroll;
  if (row.line == line && look_.lineMark.alpha() > 0)
    painter.fillRect(QRectF(0, top, width_, box.height), look_.lineMark);
  const bool dim = look_.dimOtherLines && row.line != line && row.line != next;
  const double x0 = look_.margin;
  for (const TSheetCell& cell : row.cells) {
    const TSheetPiece& piece = sheetLine.pieces[static_cast<size_t>(cell.piece)];
    if (!piece.chord.empty()) {
      const QString name = Q(piece.chord);
      const bool current = chord && chord->line == row.line && chord->piece == cell.piece;
      if (current && look_.chordMark.alpha() > 0) {
        const double w = QFontMetricsF(look_.chord, painter.device()).horizontalAdvance(name);
        QPainterPath mark;
        mark.addRoundedRect(QRectF(x0 + cell.x - 2, top, w + 4, chordHeight_), 3, 3);
        painter.fillPath(mark, look_.chordMark);
      }
      painter.setFont(look_.chord);
      painter.setPen(dim ? look_.dim : look_.chordInk);
      painter.drawText(QPointF(x0 + cell.x, top + chordAscent_), name);
    }
    if (!piece.text.empty() && LineHasText(sheetLine)) {
      painter.setFont(look_.text);
      painter.setPen(dim ? look_.dim : look_.ink);
      painter.drawText(QPointF(x0 + cell.x, top + box.chordBand + textAscent_), Q(piece.text));
    }
  }
}

QRectF TChordSheetPainter::LineRect(int line) const {
  QRectF area;
  for (const TBox& box : boxes_)
    if (box.line == line) area = area.united(QRectF(0, box.y, width_, box.height));
  return area;
}

QRectF TChordSheetPainter::ChordArea(int beat) const {
  if (!sheet_) return QRectF();
  for (const TBox& box : boxes_) {
    const TSheetRow& row = rows_[static_cast<size_t>(box.row)];
    const TSheetLine& line = sheet_->lines[static_cast<size_t>(row.line)];
    for (const TSheetCell& cell : row.cells) {
      const TSheetPiece& piece = line.pieces[static_cast<size_t>(cell.piece)];
      if (piece.beat == beat && (!piece.chord.empty() || line.kind == TSheetLineKind::Bars))
        return QRectF(look_.margin + cell.x, box.y, std::max(1.0, cell.advance), std::max(chordHeight_, 1.0));
    }
  }
  return QRectF();
}

std::optional<int> TChordSheetPainter::BeatAt(double x, double y) const {
  if (!sheet_) return std::nullopt;
  for (const TBox& box : boxes_) {
    if (y < box.y || y >= box.y + box.height) continue;
    const TSheetRow& row = rows_[static_cast<size_t>(box.row)];
    const TSheetLine& line = sheet_->lines[static_cast<size_t>(row.line)];
    // A click on a chord, or on the syllables under it, names the chord's beat.
    std::optional<int> found;
    for (const TSheetCell& cell : row.cells) {
      const TSheetPiece& piece = line.pieces[static_cast<size_t>(cell.piece)];
      if (x - look_.margin < cell.x) break;
      if (!piece.chord.empty()) found = piece.beat;
      else if (line.kind == TSheetLineKind::Bars) found = std::nullopt;
    }
    if (line.kind == TSheetLineKind::Bars && !row.cells.empty()) {
      // In rows of four beats every column is its beat, with a chord or without.
      for (const TSheetCell& cell : row.cells)
        if (x - look_.margin >= cell.x && x - look_.margin < cell.x + cell.advance)
          return line.pieces[static_cast<size_t>(cell.piece)].beat;
      return std::nullopt;
    }
    return found;
  }
  return std::nullopt;
}
