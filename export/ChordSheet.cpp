#include "export/ChordSheet.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kBeatsPerRow = 4;

int32_t BeatTick(int64_t beat, int32_t beatLength) {
  return static_cast<int32_t>(std::min<int64_t>(beat * beatLength, std::numeric_limits<int32_t>::max()));
}

bool HasLyrics(const std::vector<TPlacedLine>& placement) {
  return std::any_of(placement.begin(), placement.end(),
                     [](const TPlacedLine& line) { return line.kind == TPlacedLineKind::Lyrics; });
}

TSheetLineKind KindOf(TPlacedLineKind kind) {
  switch (kind) {
    case TPlacedLineKind::Instrumental: return TSheetLineKind::Instrumental;
    case TPlacedLineKind::Paragraph: return TSheetLineKind::Paragraph;
    default: return TSheetLineKind::Lyrics;
  }
}

// Rows of four beats, as the beat grid shows them: every beat in its column, a chord repeated
// where the grid repeats it.
std::vector<TSheetLine> BarLines(const std::vector<std::string>& cells) {
  std::vector<TSheetLine> lines;
  for (size_t b = 0; b < cells.size(); ++b) {
    if (b % kBeatsPerRow == 0) lines.push_back({TSheetLineKind::Bars, {}});
    lines.back().pieces.push_back({static_cast<int32_t>(b), cells[b], std::string()});
  }
  return lines;
}

// The syllables of one beat may hold the end of a word and the start of the next ("на ко"):
// they become one piece per word, the chord with the first, so that a line can break between
// them.
void AppendSplitAtWords(std::vector<TSheetPiece>& pieces, const TPlacedPiece& placed) {
  TSheetPiece piece{placed.beat, placed.chord, std::string()};
  const std::string& text = placed.text;
  for (size_t i = 0; i < text.size(); ++i) {
    piece.text += text[i];
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] != ' ') {
      pieces.push_back(std::move(piece));
      piece = TSheetPiece{placed.beat, std::string(), std::string()};
    }
  }
  pieces.push_back(std::move(piece));
}

// A word starts with the piece when the syllables before it end with a space.
bool StartsWord(const TSheetLine& line, int piece) {
  if (piece == 0) return true;
  const std::string& before = line.pieces[static_cast<size_t>(piece) - 1].text;
  const std::string& own = line.pieces[static_cast<size_t>(piece)].text;
  return before.empty() || before.back() == ' ' || (!own.empty() && own.front() == ' ');
}

}  // namespace

TChordSheet MakeChordSheet(const TChordText& text, const TChordSheetInput& input) {
  TChordSheet sheet;
  sheet.title = text.title1;
  sheet.subtitle = text.title2;
  sheet.key = input.key;
  sheet.tempo = text.tempo;
  sheet.beatLength = input.beatLength;
  if (input.beatLength <= 0) return sheet;

  if (HasLyrics(text.placement)) {
    // A sung line opens with the chord sounding at its start, as songbooks print it, also
    // when the chord went on from the line before.
    std::string sounding;
    for (const TPlacedLine& placed : text.placement) {
      TSheetLine line{KindOf(placed.kind), {}};
      for (const TPlacedPiece& p : placed.pieces) AppendSplitAtWords(line.pieces, p);
      if (line.kind == TSheetLineKind::Lyrics && !line.pieces.empty() && line.pieces.front().chord.empty())
        line.pieces.front().chord = sounding;
      for (const TSheetPiece& p : line.pieces)
        if (!p.chord.empty()) sounding = p.chord;
      // Paragraph breaks of a sheet never stand first or twice in a row.
      if (line.kind == TSheetLineKind::Paragraph &&
          (sheet.lines.empty() || sheet.lines.back().kind == TSheetLineKind::Paragraph))
        continue;
      if (line.kind != TSheetLineKind::Paragraph && line.pieces.empty()) continue;
      sheet.lines.push_back(std::move(line));
    }
    while (!sheet.lines.empty() && sheet.lines.back().kind == TSheetLineKind::Paragraph) sheet.lines.pop_back();
  } else {
    sheet.lines = BarLines(input.cells);
  }

  // Tick ranges: a line starts at the beat of its first piece and ends where the next one
  // starts (the last one at the end of the last beat). A line whose first piece shares its
  // beat with the end of the line before starts at the end of that beat's share instead, so
  // the two never claim the same tick.
  const int32_t songEnd = BeatTick(static_cast<int64_t>(input.cells.size()), input.beatLength);
  int32_t lastBeatBefore = -1;
  for (TSheetLine& line : sheet.lines) {
    if (line.kind == TSheetLineKind::Paragraph) continue;
    const int32_t first = line.pieces.front().beat;
    line.startTick = BeatTick(first, input.beatLength);
    if (first <= lastBeatBefore) line.startTick = BeatTick(static_cast<int64_t>(first) + 1, input.beatLength) - 1;
    lastBeatBefore = line.pieces.back().beat;
  }
  int32_t next = std::max(songEnd, sheet.lines.empty() ? 0 : sheet.lines.back().startTick);
  for (auto it = sheet.lines.rbegin(); it != sheet.lines.rend(); ++it) {
    if (it->kind == TSheetLineKind::Paragraph) {
      it->startTick = it->endTick = next;
      continue;
    }
    it->endTick = std::max(next, it->startTick);
    next = it->startTick;
  }
  return sheet;
}

int TChordSheet::LineAt(int32_t tick) const {
  int found = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == TSheetLineKind::Paragraph) continue;
    if (lines[i].startTick > tick) break;
    found = static_cast<int>(i);
  }
  return found;
}

std::optional<TSheetChordRef> TChordSheet::ChordAt(int32_t tick) const {
  if (beatLength <= 0 || tick < 0) return std::nullopt;
  const int32_t beat = tick / beatLength;
  std::optional<TSheetChordRef> found;
  for (size_t l = 0; l < lines.size(); ++l) {
    const std::vector<TSheetPiece>& pieces = lines[l].pieces;
    for (size_t p = 0; p < pieces.size(); ++p) {
      if (pieces[p].beat > beat) return found;
      if (!pieces[p].chord.empty()) found = TSheetChordRef{static_cast<int>(l), static_cast<int>(p)};
    }
  }
  return found;
}

int TChordSheet::NextLine(int line) const {
  for (size_t i = static_cast<size_t>(std::max(line + 1, 0)); i < lines.size(); ++i)
    if (lines[i].kind != TSheetLineKind::Paragraph) return static_cast<int>(i);
  return -1;
}

std::vector<TSheetRow> LayoutChordSheet(const TChordSheet& sheet, const TSheetMeasure& measure) {
  std::vector<TSheetRow> rows;
  // The rows of four beats share one column width: the widest chord's.
  double barColumn = 0;
  for (const TSheetLine& line : sheet.lines)
    if (line.kind == TSheetLineKind::Bars)
      for (const TSheetPiece& p : line.pieces)
        barColumn = std::max(barColumn, measure.chordWidth(p.chord) + measure.chordGap);
  barColumn = std::max(barColumn, measure.chordWidth("Am") + measure.chordGap);

  for (size_t l = 0; l < sheet.lines.size(); ++l) {
    const TSheetLine& line = sheet.lines[l];
    TSheetRow row{static_cast<int>(l), false, {}};
    double x = 0;
    for (size_t p = 0; p < line.pieces.size(); ++p) {
      const TSheetPiece& piece = line.pieces[p];
      double advance = measure.textWidth(piece.text);
      if (line.kind == TSheetLineKind::Bars) advance = barColumn;
      else if (!piece.chord.empty()) advance = std::max(advance, measure.chordWidth(piece.chord) + measure.chordGap);
      if (measure.width > 0 && !row.cells.empty() && x + advance > measure.width) {
        // Break before the last word that started in this row, else right here.
        size_t keep = row.cells.size();
        for (size_t c = row.cells.size(); c-- > 1;) {
          if (StartsWord(line, row.cells[c].piece)) {
            keep = c;
            break;
          }
        }
        std::vector<TSheetCell> carried(row.cells.begin() + static_cast<std::ptrdiff_t>(keep), row.cells.end());
        row.cells.resize(keep);
        rows.push_back(std::move(row));
        row = TSheetRow{static_cast<int>(l), true, {}};
        x = 0;
        for (TSheetCell cell : carried) {
          cell.x = x;
          x += cell.advance;
          row.cells.push_back(cell);
        }
      }
      row.cells.push_back({static_cast<int>(p), x, advance});
      x += advance;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}
