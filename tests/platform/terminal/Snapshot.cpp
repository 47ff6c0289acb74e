#include "tests/platform/terminal/Snapshot.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

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

void TrimRight(std::string& line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace

std::string ScreenText(const CellGrid& grid) {
  std::string text;
  for (int row = 0; row < grid.Rows(); ++row) {
    std::string line;
    for (int col = 0; col < grid.Cols(); ++col) line += ToUtf8(std::u32string_view(&grid.At(row, col).ch, 1));
    TrimRight(line);
    text += line + "\n";
  }
  return text;
}

std::string SnapshotText(const CellGrid& grid) {
  std::string text = ScreenText(grid) + "styles:\n";
  for (int row = 0; row < grid.Rows(); ++row) {
    std::string line;
    for (int col = 0; col < grid.Cols(); ++col) line += Letter(grid.At(row, col).style);
    TrimRight(line);
    text += line + "\n";
  }
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
  const std::string expected = ReadFile(golden);
  if (actual == expected) return {};
  const std::string written = std::string(ACTUAL_DIR) + "/" + name + ".actual.txt";
  WriteFile(written, actual);
  std::istringstream a(actual);
  std::istringstream e(expected);
  std::string aLine;
  std::string eLine;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, aLine));
    const bool moreE = static_cast<bool>(std::getline(e, eLine));
    if (!moreA && !moreE) break;
    if (aLine != eLine || moreA != moreE) {
      return name + ": differs from " + golden + " at line " + std::to_string(line) + "\n  expected: " + eLine +
             "\n  actual:   " + aLine + "\n(the whole picture is in " + written + ")";
    }
  }
  return name + ": differs from " + golden;
}

}  // namespace terminal
