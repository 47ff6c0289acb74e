#include "MessageBoxView.h"

#include <algorithm>

#include "LabelText.h"

namespace terminal {

namespace {

constexpr int kWidest = 72;  // text columns at most, however wide the screen
constexpr int kPadding = 2;  // blank columns between the frame and the text
constexpr std::u32string_view kButton = U"<   OK   >";

}  // namespace

MessageBoxView::MessageBoxView(const std::u16string& text, const std::u16string& caption) : m_caption(ToCells(caption)) {
  std::u32string paragraph;
  for (char32_t c : ToCells(text)) {
    if (c == U'\r') continue;
    if (c == U'\n') {
      m_paragraphs.push_back(std::move(paragraph));
      paragraph.clear();
    } else {
      paragraph.push_back(c == U'\t' ? U' ' : c);
    }
  }
  m_paragraphs.push_back(std::move(paragraph));
}

std::vector<std::u32string> MessageBoxView::Lines(int screenCols) const {
  const auto width = static_cast<size_t>(std::max(std::min(kWidest, screenCols - 2 * kPadding - 2), 1));
  std::vector<std::u32string> lines;
  for (std::u32string rest : m_paragraphs) {
    while (rest.size() > width) {
      // At the last space that leaves the line short enough; a word longer than a line is cut.
      const size_t space = rest.rfind(U' ', width);
      const bool atSpace = space != std::u32string::npos && space > 0;
      const size_t cut = atSpace ? space : width;
      lines.push_back(rest.substr(0, cut));
      rest.erase(0, atSpace ? cut + 1 : cut);
    }
    lines.push_back(std::move(rest));
  }
  return lines;
}

int MessageBoxView::Rows(int screenCols) const { return static_cast<int>(Lines(screenCols).size()) + 5; }

int MessageBoxView::Cols(int screenCols) const {
  size_t widest = std::max(kButton.size(), m_caption.size() + 2);
  for (const std::u32string& line : Lines(screenCols)) widest = std::max(widest, line.size());
  return static_cast<int>(widest) + 2 * kPadding + 2;
}

Point MessageBoxView::Corner(int gridRows, int gridCols) const {
  return Point{std::max((gridRows - Rows(gridCols)) / 2, 0), std::max((gridCols - Cols(gridCols)) / 2, 0)};
}

void MessageBoxView::Draw(CellGrid& grid) const {
  const int rows = Rows(grid.Cols());
  const int cols = Cols(grid.Cols());
  const Point corner = Corner(grid.Rows(), grid.Cols());
  grid.Clear(corner.row, corner.col, rows, cols);
  grid.Frame(corner.row, corner.col, corner.row + rows - 1, corner.col + cols - 1);
  if (!m_caption.empty()) grid.Write(corner.row, corner.col + 2, U" " + m_caption + U" ", kTitle, cols - 4);
  int row = corner.row + 2;
  for (const std::u32string& line : Lines(grid.Cols())) grid.Write(row++, corner.col + 1 + kPadding, line);
  const int buttonCol = corner.col + (cols - static_cast<int>(kButton.size())) / 2;
  grid.Write(row + 1, buttonCol, kButton, kFocus);
}

bool MessageBoxView::IsOnButton(Point at, int gridRows, int gridCols) const {
  const Point corner = Corner(gridRows, gridCols);
  const int cols = Cols(gridCols);
  const int buttonCol = corner.col + (cols - static_cast<int>(kButton.size())) / 2;
  return at.row == corner.row + Rows(gridCols) - 2 && at.col >= buttonCol &&
         at.col < buttonCol + static_cast<int>(kButton.size());
}

}  // namespace terminal
