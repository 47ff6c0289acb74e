#include "ControlPainter.h"

#include <algorithm>

#include "../driver/WindowQueries.h"
#include "../win32/WindowManager.h"

namespace terminal {

namespace {

// The cell index of a position given in UTF-16 units.
size_t CellIndex(std::u16string_view text, size_t unit) {
  return ToCells(text.substr(0, std::min(unit, text.size()))).size();
}

}  // namespace

void ControlPainter::Paint(const PlacedControl& control, bool enabled, bool focused, bool isDefault) {
  const std::uint8_t style = enabled ? 0 : kDisabled;
  switch (control.kind) {
    case ControlKind::Label:
      Label(control, style);
      break;
    case ControlKind::CheckBox:
      CheckBox(control, style, focused);
      break;
    case ControlKind::Edit:
      Edit(control, style, focused);
      break;
    case ControlKind::ComboBox:
      ComboBox(control, style, focused);
      break;
    case ControlKind::GroupBox:
      GroupBox(control, style);
      break;
    case ControlKind::PushButton:
      PushButton(control, style, focused, isDefault);
      break;
    case ControlKind::Tabs:
      break;
  }
}

void ControlPainter::Text(int row, int col, int width, const LabelText& label, std::uint8_t style) {
  m_grid.Write(m_origin.row + row, m_origin.col + col, label.text, style, width);
  if (label.mnemonic >= 0 && label.mnemonic < width) {
    m_grid.AddStyle(m_origin.row + row, m_origin.col + col + label.mnemonic, 1, kMnemonic);
  }
}

void ControlPainter::Label(const PlacedControl& control, std::uint8_t style) {
  const bool prefix = !(GetWindowLongPtrW(control.hwnd, GWL_STYLE) & SS_NOPREFIX);
  const std::u16string text = driver::WindowText(control.hwnd);
  Text(control.row, control.textCol, control.textWidth, prefix ? ParseLabel(text) : LabelText{ToCells(text)}, style);
  MarkCut(control, style);
}

void ControlPainter::MarkCut(const PlacedControl& control, std::uint8_t style) {
  if (control.textCut && control.textWidth > 0) {
    m_grid.Put(m_origin.row + control.row, m_origin.col + control.textCol + control.textWidth - 1, kEllipsis, style);
  }
}

void ControlPainter::CheckBox(const PlacedControl& control, std::uint8_t style, bool focused) {
  const bool checked = SendMessageW(control.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
  LabelText label = ParseLabel(driver::WindowText(control.hwnd));
  const bool hasText = !label.text.empty();
  label.text = std::u32string(checked ? U"[x] " : U"[ ] ") + label.text;
  if (label.mnemonic >= 0) label.mnemonic += 4;
  Text(control.row, control.textCol, control.textWidth, label, style);
  MarkCut(control, style);
  // The focus marks the text, or the box when there is none.
  if (focused) {
    const int skip = hasText ? 4 : 0;
    m_grid.AddStyle(m_origin.row + control.row, m_origin.col + control.textCol + skip,
                    std::max(0, std::min(control.textWidth, hasText ? control.textWidth : 3) - skip), kFocus);
  }
}

void ControlPainter::Edit(const PlacedControl& control, std::uint8_t style, bool focused) {
  const platform::WindowPtr edit = platform::FindWindowObject(control.hwnd);
  if (!edit) return;
  const std::u32string text = ToCells(edit->text);
  const size_t length = text.size();
  const size_t caret = CellIndex(edit->text, edit->selectionCaret);
  const size_t selStart = CellIndex(edit->text, std::min(edit->selectionAnchor, edit->selectionCaret));
  const size_t selEnd = CellIndex(edit->text, std::max(edit->selectionAnchor, edit->selectionCaret));
  const auto width = static_cast<size_t>(control.width);
  // Scrolled just enough to keep the caret in view, while the edit has the focus.
  size_t offset = 0;
  if (focused) {
    offset = m_view.scroll[control.hwnd];
    if (caret < offset) offset = caret;
    if (caret >= offset + width) offset = caret - width + 1;
    if (offset + width > length + 1) offset = length + 1 > width ? length + 1 - width : 0;
    m_view.scroll[control.hwnd] = offset;
  } else {
    m_view.scroll.erase(control.hwnd);
  }
  const bool readOnly = (edit->style & ES_READONLY) != 0;
  const std::uint8_t base = static_cast<std::uint8_t>(style | (readOnly ? 0 : kField) | (focused ? kFocus : 0));
  const int row = m_origin.row + control.row;
  for (size_t i = 0; i < width; ++i) {
    const size_t at = offset + i;
    std::uint8_t cellStyle = base;
    if (focused && at >= selStart && at < selEnd) cellStyle |= kSelection;
    m_grid.Put(row, m_origin.col + control.col + static_cast<int>(i), at < length ? text[at] : readOnly ? U' ' : U'_', cellStyle);
  }
  if (focused) m_grid.caret = Point{row, m_origin.col + control.col + static_cast<int>(caret - offset)};
}

void ControlPainter::ComboBox(const PlacedControl& control, std::uint8_t style, bool focused) {
  const std::u32string text = ToCells(driver::WindowText(control.hwnd));
  const std::uint8_t base = static_cast<std::uint8_t>(style | kField | (focused ? kFocus : 0));
  const int row = m_origin.row + control.row;
  const int col = m_origin.col + control.col;
  const int room = control.width - 1;
  m_grid.Fill(row, col, room, U'_', base);
  m_grid.Write(row, col, text, base, room);
  m_grid.Put(row, col + room, kDownArrow, base);
}

void ControlPainter::GroupBox(const PlacedControl& control, std::uint8_t style) {
  const int right = control.col + control.width - 1;
  m_grid.Frame(m_origin.row + control.row, m_origin.col + control.col, m_origin.row + control.bottom, m_origin.col + right, style);
  LabelText caption = ParseLabel(driver::WindowText(control.hwnd));
  if (caption.text.empty()) return;
  const int room = control.width - 4;
  if (room <= 0) return;
  m_grid.Put(m_origin.row + control.row, m_origin.col + control.col + 1, U' ', style);
  Text(control.row, control.col + 2, room, caption, style);
  const int shown = std::min(static_cast<int>(caption.text.size()), room);
  m_grid.Put(m_origin.row + control.row, m_origin.col + control.col + 2 + shown, U' ', style);
}

void ControlPainter::PushButton(const PlacedControl& control, std::uint8_t style, bool focused, bool isDefault) {
  LabelText label = ParseLabel(driver::WindowText(control.hwnd));
  const int row = m_origin.row + control.row;
  const int col = m_origin.col + control.col;
  const std::uint8_t base = static_cast<std::uint8_t>(style | (focused ? kFocus : 0));
  m_grid.Fill(row, col, control.width, U' ', base);
  m_grid.Put(row, col, isDefault ? U'<' : U'[', base);
  m_grid.Put(row, col + control.width - 1, isDefault ? U'>' : U']', base);
  const int room = std::max(control.width - 2, 0);
  const int length = std::min(static_cast<int>(label.text.size()), room);
  Text(control.row, control.col + 1 + (room - length) / 2, length, label, base);
}

}  // namespace terminal
