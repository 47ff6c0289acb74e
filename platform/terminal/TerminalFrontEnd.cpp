#include "TerminalFrontEnd.h"

#include <algorithm>

#include "../driver/Keyboard.h"
#include "DialogKeys.h"
#include "DialogRenderer.h"

namespace terminal {

namespace {

// The key help, as much of it as the screen is wide.
constexpr std::u32string_view kDialogHelp[] = {U"Tab move",   U"Space toggle", U"Enter OK",
                                               U"Esc cancel", U"Alt+letter jump", U"F4 list"};
constexpr std::u32string_view kSheetHelp = U"Ctrl+PgDn/PgUp page";
constexpr std::u32string_view kBoxHelp = U"Enter OK";
constexpr std::u32string_view kSeparator = U" · ";

std::u32string Number(int n) {
  std::u32string text;
  for (char c : std::to_string(n)) text.push_back(static_cast<char32_t>(c));
  return text;
}

}  // namespace

TerminalFrontEnd::TerminalFrontEnd(Screen& screen) : m_screen(screen), m_previous(platform::SetFrontEnd(this)) {}

TerminalFrontEnd::~TerminalFrontEnd() { platform::SetFrontEnd(m_previous); }

void TerminalFrontEnd::Cancel(HWND dialog) {
  SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  driver::PumpMessages();
  if (!platform::IsDialogEnded(dialog)) EndDialog(dialog, IDCANCEL);
}

void TerminalFrontEnd::RunModal(HWND dialog) {
  if (m_closed) {
    Cancel(dialog);
    return;
  }
  m_dialogs.push_back(dialog);
  driver::PumpMessages();
  while (!platform::IsDialogEnded(dialog)) {
    const Picture picture = Compose();
    m_screen.Show(picture.grid);
    const Input input = m_screen.Read();
    if (input.kind == Input::Kind::Closed) {
      m_closed = true;
      Cancel(dialog);
      break;
    }
    if (picture.fits) {
      DialogKeys(picture.front, m_views[dialog], picture.origin, picture.grid.Rows()).Apply(input);
    } else if (input.kind == Input::Kind::Key && input.key == KeyCode::Escape) {
      driver::PressKey(dialog, driver::Key::Escape);
    }
    driver::PumpMessages();
  }
  m_views.erase(dialog);
  m_dialogs.pop_back();
}

int TerminalFrontEnd::ShowMessageBox(HWND, const std::u16string& text, const std::u16string& caption, UINT) {
  if (m_closed) return IDOK;
  m_boxes.emplace_back(text, caption);
  for (;;) {
    const Picture picture = Compose();
    m_screen.Show(picture.grid);
    const Input input = m_screen.Read();
    if (input.kind == Input::Kind::Closed) {
      m_closed = true;
      break;
    }
    const bool key = input.kind == Input::Kind::Key && (input.key == KeyCode::Enter || input.key == KeyCode::Escape);
    const bool space = input.kind == Input::Kind::Char && input.ch == U' ';
    const bool click = input.kind == Input::Kind::Click && picture.fits &&
                       m_boxes.back().IsOnButton(input.at, picture.grid.Rows(), picture.grid.Cols());
    if (key || space || click) break;
  }
  m_boxes.pop_back();
  return IDOK;
}

TerminalFrontEnd::Picture TerminalFrontEnd::Compose() {
  const Point size = m_screen.Size();
  Picture picture;
  picture.grid = CellGrid(size.row, size.col);
  CellGrid& grid = picture.grid;
  std::vector<DialogLayout> layouts;
  int rows = 0;
  int cols = 0;
  for (HWND dialog : m_dialogs) {
    layouts.push_back(DialogLayout::Of(dialog));
    rows = std::max(rows, DialogRenderer::Rows(layouts.back()));
    cols = std::max(cols, DialogRenderer::Cols(layouts.back()));
  }
  for (const MessageBoxView& box : m_boxes) {
    rows = std::max(rows, box.Rows(size.col));
    cols = std::max(cols, box.Cols(size.col));
  }
  if (rows > size.row || cols > size.col) {
    ShowTooSmall(grid, rows, cols);
    return picture;
  }
  picture.fits = true;
  // The key help takes the last row where there is room for it.
  const bool help = rows < size.row;
  const int area = size.row - (help ? 1 : 0);
  for (size_t i = 0; i < layouts.size(); ++i) {
    const DialogLayout& layout = layouts[i];
    const Point origin{(area - DialogRenderer::Rows(layout)) / 2 + 1, (size.col - DialogRenderer::Cols(layout)) / 2 + 1};
    const bool front = i + 1 == layouts.size();
    DialogRenderer::Draw(layout, m_views[layout.dialog], grid, origin, front && m_boxes.empty());
    if (front) {
      picture.front = layout;
      picture.origin = origin;
    }
  }
  if (!m_boxes.empty()) grid.caret.reset();
  for (const MessageBoxView& box : m_boxes) box.Draw(grid);
  if (help) {
    std::vector<std::u32string_view> items;
    if (!m_boxes.empty()) {
      items.push_back(kBoxHelp);
    } else {
      items.assign(std::begin(kDialogHelp), std::end(kDialogHelp));
      if (!picture.front.tabs.empty()) items.insert(items.begin() + 4, kSheetHelp);
    }
    std::u32string text;
    for (std::u32string_view item : items) {
      const size_t length = text.size() + (text.empty() ? 0 : kSeparator.size()) + item.size();
      if (length > static_cast<size_t>(size.col)) break;
      if (!text.empty()) text += kSeparator;
      text += item;
    }
    grid.Write(size.row - 1, (size.col - static_cast<int>(text.size())) / 2, text);
  }
  return picture;
}

void TerminalFrontEnd::ShowTooSmall(CellGrid& grid, int rows, int cols) const {
  const Point size{grid.Rows(), grid.Cols()};
  const std::vector<std::u32string> lines = {
      U"The terminal is too small for this window.",
      U"It needs " + Number(cols) + U" columns and " + Number(rows) + U" rows; it has " + Number(size.col) + U" and " +
          Number(size.row) + U".",
      U"Enlarge it, or press Escape to cancel.",
  };
  int row = std::max((size.row - static_cast<int>(lines.size())) / 2, 0);
  for (const std::u32string& line : lines) {
    grid.Write(row++, std::max((size.col - static_cast<int>(line.size())) / 2, 0), line);
  }
}

}  // namespace terminal
