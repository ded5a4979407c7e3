#pragma once
// The plain records of the song model: one beat's analysis and the grids and lists that
// the window shows, kept here as data named after their controls.

#include <cstdint>
#include <string>
#include <vector>

#include "chords/untChords.h"

// One beat's analysis: the notes that sounded long enough (ascending, each once), the
// ranked chord candidates (best first) and the index of the chord the beat shows.
struct TVariants {
  TNotes notes;
  TChords chords;
  int32_t chosen = 0;

  bool HasChord() const { return chosen >= 0 && static_cast<size_t>(chosen) < chords.size(); }
  const TChord& Chord() const { return chords[static_cast<size_t>(chosen)]; }
};

using TBeats = std::vector<TVariants>;

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
