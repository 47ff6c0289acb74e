#include "tests/platform/terminal/Snapshot.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/terminal/LabelText.h"

namespace terminal {

namespace {

char Letter(std::uint8_t style) {
  if (style & kDisabled) return 'd';
  if (style & kSelection) return 's';
  char letter = (style & kMnemonic) ? 'm' : (style & kField) ? 'f' : (style & kTitle) ? 't' : ' ';
  if (style & kFocus) letter = letter == ' ' ? '#' : static_cast<char>(letter - 'a' + 'A');
  return letter;
}

// Every row, each cell written by `write`, trailing blanks left out.
template <class Write>
std::string Rows(const CellGrid& grid, Write write) {
  std::string text;
  for (int row = 0; row < grid.Rows(); ++row) {
    std::string line;
    for (int col = 0; col < grid.Cols(); ++col) line += write(grid.At(row, col));
    text += line.erase(line.find_last_not_of(' ') + 1) + "\n";
  }
  return text;
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

}  // namespace

std::string ScreenText(const CellGrid& grid) {
  return Rows(grid, [](const Cell& cell) { return ToUtf8(std::u32string_view(&cell.ch, 1)); });
}

std::string SnapshotText(const CellGrid& grid) {
  std::string text = ScreenText(grid) + "styles:\n";
  text += Rows(grid, [](const Cell& cell) { return std::string(1, Letter(cell.style)); });
  text += grid.caret ? "caret: row " + std::to_string(grid.caret->row) + ", column " + std::to_string(grid.caret->col) + "\n"
                     : "caret: none\n";
  return text;
}

std::string CompareWithGolden(const CellGrid& grid, const std::string& name) {
  const std::string actual = SnapshotText(grid);
  const std::string golden = std::string(GOLDEN_DIR) + "/" + name + ".txt";
  if (std::getenv("TERMINAL_UPDATE_GOLDEN") != nullptr) {
    WriteFile(golden, actual);
    return {};
  }
  std::ifstream in(golden, std::ios::binary);
  if (actual == std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())) return {};
  const std::string written = std::string(ACTUAL_DIR) + "/" + name + ".actual.txt";
  WriteFile(written, actual);
  return name + ": differs from " + golden + "; diff it with the picture shown, " + written;
}

}  // namespace terminal
