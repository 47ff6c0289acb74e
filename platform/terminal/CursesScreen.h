#pragma once
// The real terminal, through ncurses: takes over the terminal of standard input for its
// lifetime, draws cell grids on it and reads keys, clicks and size changes. Keys that the
// terminal's description does not name (Ctrl+PgDn, Alt+Down in many terminals) are read
// from their escape sequences; Ctrl+C cancels as Escape does.

#include <cstdio>
#include <string>

#include "Screen.h"

namespace terminal {

class CursesScreen : public Screen {
 public:
  // Throws std::runtime_error when the terminal cannot be used.
  CursesScreen();
  ~CursesScreen() override;
  CursesScreen(const CursesScreen&) = delete;
  CursesScreen& operator=(const CursesScreen&) = delete;

  Point Size() override;
  void Show(const CellGrid& grid) override;
  Input Read() override;

 private:
  // The input after an Escape byte: Escape alone, Alt with a key or character, or an escape
  // sequence; false when it means nothing here.
  bool Escaped(Input& input);
  bool FromKeyCode(int code, Input& input) const;
  // The rest of a UTF-8 sequence whose first byte was read.
  char32_t Utf8(int lead);

  std::FILE* m_output = nullptr;
  void* m_screen = nullptr;
  // Codes that ncurses gives keys it learns from the terminal's description; -1 if unknown.
  int m_ctrlPageDown = -1;
  int m_ctrlPageUp = -1;
  int m_altDown = -1;
  int m_altUp = -1;
};

}  // namespace terminal
