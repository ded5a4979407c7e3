#include "ui/presenter/StringGrid.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

TStringGrid::TStringGrid(int colCount, int rowCount)
    : colCount_(std::max(1, colCount)), rowCount_(std::max(1, rowCount)),
      cells_(static_cast<size_t>(colCount_ * rowCount_)) {}

void TStringGrid::SetRowCount(int rows) {
  rows = std::max(1, rows);
  cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(colCount_));
  rowCount_ = rows;
  Row = std::min(Row, rowCount_ - 1);
}

const std::string& TStringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return kEmpty;
  return cells_[static_cast<size_t>(row) * colCount_ + col];
}

void TStringGrid::SetCell(int col, int row, std::string text) {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return;
  cells_[static_cast<size_t>(row) * colCount_ + col] = std::move(text);
}

void TStringGrid::ClearRow(int row) {
  for (int c = 0; c < colCount_; ++c) SetCell(c, row, std::string());
}
