#include "CursesScreen.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <stdexcept>

#include <ncursesw/curses.h>
#include <ncursesw/term.h>

#include "LabelText.h"

namespace terminal {

namespace {

constexpr int kEscapeWaitMs = 30;

int LearnKey(const char* name) {
  const char* sequence = tigetstr(name);
  if (sequence == nullptr || sequence == reinterpret_cast<char*>(-1)) return -1;
  const int code = key_defined(sequence);
  return code > 0 ? code : -1;
}

attr_t Attributes(std::uint8_t style) {
  attr_t attributes = A_NORMAL;
  if (style & kTitle) attributes |= A_BOLD;
  if (style & (kMnemonic | kField)) attributes |= A_UNDERLINE;
  if (style & kFocus) attributes |= (style & kField) ? A_BOLD : A_REVERSE;
  if (style & kSelection) attributes |= A_REVERSE;
  if (style & kDisabled) attributes |= A_DIM;
  return attributes;
}

// Line drawing goes through the terminal's own line characters.
chtype LineCharacter(char32_t ch) {
  switch (ch) {
    case kHorizontal:
      return ACS_HLINE;
    case kVertical:
      return ACS_VLINE;
    case kTopLeft:
      return ACS_ULCORNER;
    case kTopRight:
      return ACS_URCORNER;
    case kBottomLeft:
      return ACS_LLCORNER;
    case kBottomRight:
      return ACS_LRCORNER;
    default:
      return 0;
  }
}

}  // namespace

CursesScreen::CursesScreen() {
  std::setlocale(LC_ALL, "");
  // Text is drawn as UTF-8 whatever the locale says, as every current terminal takes it.
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
  m_output = std::fopen("/dev/tty", "w");
  SCREEN* screen = newterm(nullptr, m_output ? m_output : stdout, stdin);
  if (screen == nullptr) {
    if (m_output) std::fclose(m_output);
    const char* term = std::getenv("TERM");
    throw std::runtime_error(std::string("cannot use the terminal (TERM=") + (term ? term : "") + ")");
  }
  m_screen = screen;
  set_term(screen);
  raw();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  set_escdelay(kEscapeWaitMs);
  mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
  mouseinterval(0);
  m_ctrlPageDown = LearnKey("kNXT5");
  m_ctrlPageUp = LearnKey("kPRV5");
  m_altDown = LearnKey("kDN3");
  m_altUp = LearnKey("kUP3");
}

CursesScreen::~CursesScreen() {
  endwin();
  delscreen(static_cast<SCREEN*>(m_screen));
  if (m_output) std::fclose(m_output);
}

Point CursesScreen::Size() { return Point{getmaxy(stdscr), getmaxx(stdscr)}; }

void CursesScreen::Show(const CellGrid& grid) {
  werase(stdscr);
  for (int row = 0; row < grid.Rows(); ++row) {
    for (int col = 0; col < grid.Cols(); ++col) {
      const Cell& cell = grid.At(row, col);
      const attr_t attributes = Attributes(cell.style);
      wmove(stdscr, row, col);
      if (const chtype line = LineCharacter(cell.ch)) {
        waddch(stdscr, line | attributes);
      } else if (cell.ch < 0x80 && cell.ch >= 0x20) {
        waddch(stdscr, static_cast<chtype>(cell.ch) | attributes);
      } else {
        wattrset(stdscr, static_cast<int>(attributes));
        waddstr(stdscr, ToUtf8(std::u32string_view(&cell.ch, 1)).c_str());
        wattrset(stdscr, A_NORMAL);
      }
    }
  }
  if (grid.caret) {
    curs_set(1);
    wmove(stdscr, grid.caret->row, grid.caret->col);
  } else {
    curs_set(0);
  }
  wrefresh(stdscr);
}

char32_t CursesScreen::Utf8(int lead) {
  const int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (length == 0) return U'\uFFFD';
  char32_t c = static_cast<char32_t>(lead) & (0x3F >> length);
  for (int i = 0; i < length; ++i) {
    const int next = wgetch(stdscr);
    if (next < 0x80 || next > 0xBF) return U'\uFFFD';
    c = (c << 6) | (static_cast<char32_t>(next) & 0x3F);
  }
  return c;
}

bool CursesScreen::FromKeyCode(int code, Input& input) const {
  if (code == m_ctrlPageDown || code == m_ctrlPageUp) {
    input = Input::Key(code == m_ctrlPageDown ? KeyCode::PageDown : KeyCode::PageUp, false, true);
    return true;
  }
  if (code == m_altDown || code == m_altUp) {
    input = Input::Key(code == m_altDown ? KeyCode::Down : KeyCode::Up, false, false, true);
    return true;
  }
  switch (code) {
    case KEY_RESIZE:
      input = Input::Resize();
      return true;
    case KEY_BTAB:
      input = Input::Key(KeyCode::Tab, true);
      return true;
    case KEY_ENTER:
      input = Input::Key(KeyCode::Enter);
      return true;
    case KEY_BACKSPACE:
      input = Input::Key(KeyCode::Backspace);
      return true;
    case KEY_DC:
      input = Input::Key(KeyCode::Delete);
      return true;
    case KEY_LEFT:
    case KEY_SLEFT:
      input = Input::Key(KeyCode::Left, code == KEY_SLEFT);
      return true;
    case KEY_RIGHT:
    case KEY_SRIGHT:
      input = Input::Key(KeyCode::Right, code == KEY_SRIGHT);
      return true;
    case KEY_HOME:
    case KEY_SHOME:
      input = Input::Key(KeyCode::Home, code == KEY_SHOME);
      return true;
    case KEY_END:
    case KEY_SEND:
      input = Input::Key(KeyCode::End, code == KEY_SEND);
      return true;
    case KEY_UP:
      input = Input::Key(KeyCode::Up);
      return true;
    case KEY_DOWN:
      input = Input::Key(KeyCode::Down);
      return true;
    case KEY_PPAGE:
      input = Input::Key(KeyCode::PageUp);
      return true;
    case KEY_NPAGE:
      input = Input::Key(KeyCode::PageDown);
      return true;
    default:
      if (code == KEY_F(4)) {
        input = Input::Key(KeyCode::F4);
        return true;
      }
      return false;
  }
}

bool CursesScreen::Escaped(Input& input) {
  wtimeout(stdscr, kEscapeWaitMs);
  const int next = wgetch(stdscr);
  std::string sequence;
  if (next == '[' || next == 'O') {
    for (int c = wgetch(stdscr); c != ERR; c = wgetch(stdscr)) {
      sequence += static_cast<char>(c);
      if (c >= 0x40 && c <= 0x7E) break;
    }
  }
  wtimeout(stdscr, -1);
  if (next == ERR || next == 27) {
    input = Input::Key(KeyCode::Escape);
    return true;
  }
  if (next == '[' || next == 'O') {
    struct Known {
      const char* sequence;
      Input input;
    };
    const Known known[] = {
        {"6;5~", Input::Key(KeyCode::PageDown, false, true)}, {"5;5~", Input::Key(KeyCode::PageUp, false, true)},
        {"1;3B", Input::Key(KeyCode::Down, false, false, true)}, {"1;3A", Input::Key(KeyCode::Up, false, false, true)},
        {"Z", Input::Key(KeyCode::Tab, true)},
    };
    for (const Known& each : known) {
      if (sequence == each.sequence) {
        input = each.input;
        return true;
      }
    }
    if (!sequence.empty()) return false;
  }
  if (next == KEY_DOWN || next == KEY_UP) {
    input = Input::Key(next == KEY_DOWN ? KeyCode::Down : KeyCode::Up, false, false, true);
    return true;
  }
  if (next >= 0x20 && next < 0x7F) {
    input = Input::Char(static_cast<char32_t>(next), true);
    return true;
  }
  if (next >= 0xC0 && next < 0x100) {
    input = Input::Char(Utf8(next), true);
    return true;
  }
  return false;
}

Input CursesScreen::Read() {
  for (;;) {
    const int c = wgetch(stdscr);
    Input input;
    if (c == ERR) return Input::Closed();
    if (c == KEY_MOUSE) {
      MEVENT event{};
      if (getmouse(&event) == OK && (event.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) {
        return Input::Click(Point{event.y, event.x});
      }
      continue;
    }
    if (c >= KEY_MIN) {
      if (FromKeyCode(c, input)) return input;
      continue;
    }
    switch (c) {
      case '\t':
        return Input::Key(KeyCode::Tab);
      case '\r':
      case '\n':
        return Input::Key(KeyCode::Enter);
      case 3:  // Ctrl+C
        return Input::Key(KeyCode::Escape);
      case 8:
      case 127:
        return Input::Key(KeyCode::Backspace);
      case 27:
        if (Escaped(input)) return input;
        continue;
      default:
        break;
    }
    if (c >= 0x20 && c < 0x7F) return Input::Char(static_cast<char32_t>(c));
    if (c >= 0xC0 && c < 0x100) return Input::Char(Utf8(c));
  }
}

}  // namespace terminal
