#include "CellGrid.h"

#include <algorithm>

namespace terminal {

CellGrid::CellGrid(int rows, int cols)
    : m_rows(std::max(rows, 0)), m_cols(std::max(cols, 0)), m_cells(static_cast<size_t>(m_rows) * static_cast<size_t>(m_cols)) {}

void CellGrid::Put(int row, int col, char32_t ch, std::uint8_t style) {
  if (Contains(row, col)) m_cells[Index(row, col)] = Cell{ch, style};
}

void CellGrid::Write(int row, int col, std::u32string_view text, std::uint8_t style, int width) {
  const int count = std::min(static_cast<int>(text.size()), width);
  for (int i = 0; i < count; ++i) Put(row, col + i, text[static_cast<size_t>(i)], style);
}

void CellGrid::Fill(int row, int col, int width, char32_t ch, std::uint8_t style) {
  for (int i = 0; i < width; ++i) Put(row, col + i, ch, style);
}

void CellGrid::AddStyle(int row, int col, int width, std::uint8_t style) {
  for (int i = 0; i < width; ++i) {
    if (Contains(row, col + i)) m_cells[Index(row, col + i)].style |= style;
  }
}

void CellGrid::Frame(int top, int left, int bottom, int right, std::uint8_t style) {
  Fill(top, left + 1, right - left - 1, kHorizontal, style);
  Fill(bottom, left + 1, right - left - 1, kHorizontal, style);
  for (int row = top + 1; row < bottom; ++row) {
    Put(row, left, kVertical, style);
    Put(row, right, kVertical, style);
  }
  Put(top, left, kTopLeft, style);
  Put(top, right, kTopRight, style);
  Put(bottom, left, kBottomLeft, style);
  Put(bottom, right, kBottomRight, style);
}

void CellGrid::Clear(int top, int left, int rows, int cols) {
  for (int row = top; row < top + rows; ++row) Fill(row, left, cols, U' ');
}

}  // namespace terminal
