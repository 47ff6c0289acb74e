#pragma once
// The picture a terminal shows: rows of cells, each one character with its styles, and the
// caret. Drawing outside the grid is cut off.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace terminal {

// What a cell means; the terminal shell decides how each looks.
enum Style : std::uint8_t {
  kMnemonic = 1,    // the underlined letter of a label
  kField = 2,       // the inside of an edit or a drop-down list
  kFocus = 4,       // the control with the focus
  kDisabled = 8,    // a control that takes no input
  kSelection = 16,  // selected text, the highlighted item of a list
  kTitle = 32,      // a window's caption, the active page's tab
};

struct Cell {
  char32_t ch = U' ';
  std::uint8_t style = 0;
};

struct Point {
  int row = 0;
  int col = 0;
};

// Line-drawing characters.
inline constexpr char32_t kHorizontal = U'─';
inline constexpr char32_t kVertical = U'│';
inline constexpr char32_t kTopLeft = U'┌';
inline constexpr char32_t kTopRight = U'┐';
inline constexpr char32_t kBottomLeft = U'└';
inline constexpr char32_t kBottomRight = U'┘';
inline constexpr char32_t kDownArrow = U'▼';
inline constexpr char32_t kEllipsis = U'…';

class CellGrid {
 public:
  CellGrid(int rows, int cols);

  int Rows() const { return m_rows; }
  int Cols() const { return m_cols; }
  bool Contains(int row, int col) const { return row >= 0 && row < m_rows && col >= 0 && col < m_cols; }
  const Cell& At(int row, int col) const { return m_cells[Index(row, col)]; }

  void Put(int row, int col, char32_t ch, std::uint8_t style = 0);
  // Writes text from the column on, at most width cells of it.
  void Write(int row, int col, std::u32string_view text, std::uint8_t style = 0, int width = 1 << 20);
  void Fill(int row, int col, int width, char32_t ch, std::uint8_t style = 0);
  // Adds styles to the cells, keeping their characters.
  void AddStyle(int row, int col, int width, std::uint8_t style);
  // A frame with its corners on the given rows and columns; the inside is left as it is.
  void Frame(int top, int left, int bottom, int right, std::uint8_t style = 0);
  // Blanks a rectangle.
  void Clear(int top, int left, int rows, int cols);

  std::optional<Point> caret;

 private:
  size_t Index(int row, int col) const { return static_cast<size_t>(row) * static_cast<size_t>(m_cols) + static_cast<size_t>(col); }

  int m_rows;
  int m_cols;
  std::vector<Cell> m_cells;
};

}  // namespace terminal
