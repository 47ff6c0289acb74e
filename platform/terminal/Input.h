#pragma once
// One thing a person does at the terminal: a key, a typed character, a click, or the
// terminal changing size or going away.

#include "CellGrid.h"

namespace terminal {

enum class KeyCode { Tab, Enter, Escape, Backspace, Delete, Left, Right, Up, Down, Home, End, PageUp, PageDown, F4 };

struct Input {
  enum class Kind { Key, Char, Click, Resize, Closed };

  Kind kind = Kind::Key;
  KeyCode key = KeyCode::Escape;  // Kind::Key
  char32_t ch = 0;                // Kind::Char
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  Point at;  // Kind::Click: the cell on the screen

  static Input Key(KeyCode key, bool shift = false, bool ctrl = false, bool alt = false) {
    return Input{Kind::Key, key, 0, shift, ctrl, alt, {}};
  }
  static Input Char(char32_t ch, bool alt = false) { return Input{Kind::Char, KeyCode::Escape, ch, false, false, alt, {}}; }
  static Input Click(Point at) { return Input{Kind::Click, KeyCode::Escape, 0, false, false, false, at}; }
  static Input Resize() { return Input{Kind::Resize, KeyCode::Escape, 0, false, false, false, {}}; }
  static Input Closed() { return Input{Kind::Closed, KeyCode::Escape, 0, false, false, false, {}}; }
};

}  // namespace terminal
