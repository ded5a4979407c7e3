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
  headerHeight_ = look.margin + titleHeight_ + (subtitle_.isEmpty() ? 0 : textHeight_) +
                  (details_.isEmpty() ? 0 : textHeight_) + textHeight_ * 0.6;

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
  }
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
