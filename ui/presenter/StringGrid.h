#pragma once
// The shapes of the window's controls as plain data: a string grid's cells, a row of the
// track list, the three beat-length commands.

#include <string>
#include <vector>

// A grid of texts addressed as Cells(column, row), row 0 and column 0 being headers, with a
// current cell; what a string grid of the window holds.
class TStringGrid {
 public:
  explicit TStringGrid(int colCount = 2, int rowCount = 2);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  // Rows added are empty; rows removed lose their texts.
  void SetRowCount(int rows);

  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);
  // Empties every cell of the given row.
  void ClearRow(int row);

  int Col = 1;
  int Row = 1;

 private:
  int colCount_;
  int rowCount_;
  std::vector<std::string> cells_;
};

// One row of the track list: number (from 1), track name, instrument name, ticked = enabled.
struct TTrackRow {
  std::string Caption;
  std::string Name;
  std::string Instrument;
  bool Checked = true;
};

// The three beat-length commands; exactly one of them is checked.
enum class TBeatCommand { actIncBeat, actDefBeat, actDecBeat };
