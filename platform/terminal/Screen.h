#pragma once
// What the terminal front end draws on and reads from: a real terminal (CursesScreen) or, in
// tests, a virtual one.

#include "CellGrid.h"
#include "Input.h"

namespace terminal {

class Screen {
 public:
  virtual ~Screen() = default;
  // The size in cells: rows and columns.
  virtual Point Size() = 0;
  virtual void Show(const CellGrid& grid) = 0;
  // Waits for the next input.
  virtual Input Read() = 0;
};

}  // namespace terminal
