#pragma once
// A picture as reviewable text, and its comparison with a golden file of
// tests/platform/terminal/golden. The text has the characters of every row, then a line
// "styles:" and one letter a cell (blanks for plain cells), then where the caret is:
//   m mnemonic   f field   t title   s selection   d disabled
//   upper case (M F T) the same with the focus; # a focused cell that is otherwise plain
// Trailing blanks of a row are left out. With TERMINAL_UPDATE_GOLDEN=1 in the environment
// the golden files are written instead of compared; review the change before committing it.

#include <string>

#include "platform/terminal/CellGrid.h"

namespace terminal {

std::string SnapshotText(const CellGrid& grid);
// The characters alone, rows joined by newlines (trailing blanks left out).
std::string ScreenText(const CellGrid& grid);
// Empty when the picture matches the golden file; else a message naming both files. The picture is
// then written to the test's build folder as <name>.actual.txt.
std::string CompareWithGolden(const CellGrid& grid, const std::string& name);

}  // namespace terminal
