#pragma once
// A message box on the terminal: a box in the middle of the screen with the caption in its
// frame, the text with its line breaks kept (long lines wrapped at spaces) and an OK button.

#include <string>
#include <vector>

#include "CellGrid.h"

namespace terminal {

class MessageBoxView {
 public:
  MessageBoxView(const std::u16string& text, const std::u16string& caption);

  // The cells the box needs on a screen of this width.
  int Rows(int screenCols) const;
  int Cols(int screenCols) const;
  // Draws the box in the middle of the grid.
  void Draw(CellGrid& grid) const;
  // True when the cell is on the OK button of the box as drawn on a grid of this size.
  bool IsOnButton(Point at, int gridRows, int gridCols) const;

 private:
  std::vector<std::u32string> Lines(int screenCols) const;
  Point Corner(int gridRows, int gridCols) const;

  std::vector<std::u32string> m_paragraphs;
  std::u32string m_caption;
};

}  // namespace terminal
