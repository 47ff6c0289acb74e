#include "DialogKeys.h"

#include <algorithm>

#include "../driver/Keyboard.h"
#include "../driver/WindowQueries.h"
#include "DialogRenderer.h"
#include "LabelText.h"
#include "../win32/ComboBoxControl.h"
#include "../win32/DialogNavigation.h"
#include "../win32/FrontEnd.h"
#include "../win32/TabControl.h"

namespace terminal {

namespace {

bool IsClass(HWND hwnd, std::u16string_view name) { return hwnd != nullptr && driver::ClassName(hwnd) == name; }

// A control takes input while it and the windows between it and the dialog are enabled.
bool TakesInput(HWND control, HWND dialog) {
  for (HWND hwnd = control; hwnd != nullptr && hwnd != dialog; hwnd = GetParent(hwnd)) {
    if (!IsWindowEnabled(hwnd)) return false;
  }
  return IsWindowVisible(control);
}

driver::Key DriverKey(KeyCode key, bool shift) {
  switch (key) {
    case KeyCode::Tab:
      return shift ? driver::Key::ShiftTab : driver::Key::Tab;
    case KeyCode::Enter:
      return driver::Key::Enter;
    case KeyCode::Backspace:
      return driver::Key::Backspace;
    case KeyCode::Delete:
      return driver::Key::Delete;
    case KeyCode::Left:
      return driver::Key::Left;
    case KeyCode::Right:
      return driver::Key::Right;
    case KeyCode::Up:
      return driver::Key::Up;
    case KeyCode::Down:
      return driver::Key::Down;
    case KeyCode::Home:
      return driver::Key::Home;
    case KeyCode::End:
      return driver::Key::End;
    case KeyCode::PageUp:
      return driver::Key::CtrlPageUp;
    case KeyCode::PageDown:
      return driver::Key::CtrlPageDown;
    case KeyCode::Escape:
    case KeyCode::F4:
      break;
  }
  return driver::Key::Escape;
}

// A position in an edit's text, in UTF-16 units, from a cell index.
size_t UnitIndex(const std::u16string& text, size_t cell) {
  size_t unit = 0;
  for (size_t i = 0; i < cell && unit < text.size(); ++i) {
    const bool pair = text[unit] >= 0xD800 && text[unit] < 0xDC00 && unit + 1 < text.size();
    unit += pair ? 2 : 1;
  }
  return unit;
}

}  // namespace

void DialogKeys::Apply(const Input& input) {
  // A list closes when its combo box loses the focus.
  if (m_view.popup != nullptr && GetFocus() != m_view.popup) m_view.popup = nullptr;
  if (m_view.popup != nullptr && ListInput(input)) return;
  switch (input.kind) {
    case Input::Kind::Key:
      Key(input);
      break;
    case Input::Kind::Char:
      if (input.alt)
        Mnemonic(input.ch);
      else
        Char(input.ch);
      break;
    case Input::Kind::Click:
      Click(input.at);
      break;
    case Input::Kind::Resize:
    case Input::Kind::Closed:
      break;
  }
}

bool DialogKeys::ListInput(const Input& input) {
  if (input.kind == Input::Kind::Resize) return true;
  const auto count = static_cast<int>(SendMessageW(m_view.popup, CB_GETCOUNT, 0, 0));
  const auto move = [this, count](int to) { m_view.highlight = std::clamp(to, 0, std::max(count - 1, 0)); };
  if (input.kind == Input::Kind::Click) {
    const std::optional<PopupBox> box = DialogRenderer::Popup(m_layout, m_view, m_origin, m_gridRows);
    if (!box) {
      CloseList(false);
      return false;
    }
    const int line = input.at.row - box->corner.row - 1;
    const bool inside = input.at.col > box->corner.col && input.at.col < box->corner.col + box->width - 1;
    if (inside && line >= 0 && line < box->shown) {
      m_view.highlight = box->first + line;
      CloseList(true);
      return true;
    }
    // A click on the combo box itself closes the list; one elsewhere goes on to its target.
    const PlacedControl* combo = m_layout.Find(m_view.popup);
    CloseList(false);
    return combo == m_layout.ControlAt(input.at.row - m_origin.row, input.at.col - m_origin.col);
  }
  if (input.kind == Input::Kind::Char && !input.alt) {
    const char16_t typed[] = {static_cast<char16_t>(input.ch), 0};
    const auto found = SendMessageW(m_view.popup, CB_FINDSTRING, static_cast<WPARAM>(m_view.highlight),
                                    reinterpret_cast<LPARAM>(typed));
    if (found != CB_ERR) m_view.highlight = static_cast<int>(found);
    return true;
  }
  if (input.kind != Input::Kind::Key) {
    CloseList(false);
    return false;
  }
  switch (input.key) {
    case KeyCode::Up:
    case KeyCode::Down:
      if (input.alt) {
        CloseList(true);
      } else {
        move(m_view.highlight + (input.key == KeyCode::Up ? -1 : 1));
      }
      return true;
    case KeyCode::Home:
      move(0);
      return true;
    case KeyCode::End:
      move(count - 1);
      return true;
    case KeyCode::PageUp:
    case KeyCode::PageDown:
      if (input.ctrl) break;
      move(m_view.highlight + (input.key == KeyCode::PageUp ? -8 : 8));
      return true;
    case KeyCode::Enter:
    case KeyCode::F4:
      CloseList(true);
      return true;
    case KeyCode::Escape:
      CloseList(false);
      return true;
    case KeyCode::Tab:
      CloseList(true);
      return false;
    default:
      break;
  }
  CloseList(false);
  return false;
}

void DialogKeys::OpenList(HWND combo) {
  if (SendMessageW(combo, CB_GETCOUNT, 0, 0) <= 0) return;
  m_view.popup = combo;
  m_view.highlight = std::max(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)), 0);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
}

void DialogKeys::CloseList(bool pick) {
  const HWND combo = m_view.popup;
  m_view.popup = nullptr;
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  if (pick && m_view.highlight != static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0))) {
    platform::ComboBoxControl::Pick(combo, m_view.highlight);
  }
}

void DialogKeys::Key(const Input& input) {
  const HWND dialog = m_layout.dialog;
  const HWND focus = GetFocus();
  const bool onCombo = IsClass(focus, u"ComboBox");
  switch (input.key) {
    case KeyCode::Escape:
      driver::PressKey(dialog, driver::Key::Escape);
      return;
    case KeyCode::F4:
      if (onCombo) OpenList(focus);
      return;
    case KeyCode::PageUp:
    case KeyCode::PageDown:
      if (input.ctrl) driver::PressKey(dialog, DriverKey(input.key, false));
      return;
    case KeyCode::Up:
    case KeyCode::Down:
      if (input.alt) {
        if (onCombo) OpenList(focus);
        return;
      }
      break;
    default:
      break;
  }
  // Left and Right on a sheet's tabs move to the page beside the current one.
  const HWND tabs = driver::SheetTabs(dialog);
  if (focus != nullptr && focus == tabs && (input.key == KeyCode::Left || input.key == KeyCode::Right)) {
    const auto current = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    const int next = current + (input.key == KeyCode::Left ? -1 : 1);
    if (next >= 0 && next < static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0))) {
      platform::TabControl::Pick(tabs, next);
    }
    return;
  }
  const bool selecting = input.shift && input.key != KeyCode::Tab;
  if (selecting) platform::SetKeyDown(VK_SHIFT, true);
  driver::PressKey(dialog, DriverKey(input.key, input.shift));
  if (selecting) platform::SetKeyDown(VK_SHIFT, false);
}

void DialogKeys::Char(char32_t ch) {
  const HWND focus = GetFocus();
  if (ch == U' ') {
    driver::PressKey(m_layout.dialog, driver::Key::Space);
  } else if (IsClass(focus, u"Edit")) {
    if (ch >= 0x10000) {
      driver::TypeChar(m_layout.dialog, static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10)));
      driver::TypeChar(m_layout.dialog, static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF)));
    } else {
      driver::TypeChar(m_layout.dialog, static_cast<char16_t>(ch));
    }
  } else if (IsClass(focus, u"ComboBox")) {
    // A drop-down list moves to the next item that starts with the letter.
    const char16_t typed[] = {static_cast<char16_t>(ch), 0};
    const auto current = SendMessageW(focus, CB_GETCURSEL, 0, 0);
    const auto found = SendMessageW(focus, CB_FINDSTRING, static_cast<WPARAM>(current), reinterpret_cast<LPARAM>(typed));
    if (found != CB_ERR && found != current) platform::ComboBoxControl::Pick(focus, static_cast<int>(found));
  } else {
    // Where the focus takes no text, a letter works as its mnemonic.
    Mnemonic(ch);
  }
}

// The control whose text carries the mnemonic, counting from the one after the focus. A
// label passes the focus to the next control that takes it; a button or check box is
// clicked, unless another control shares the mnemonic: then the focus only moves to it.
void DialogKeys::Mnemonic(char32_t ch) {
  const char32_t wanted = LowerCase(ch);
  const HWND dialog = m_layout.dialog;
  const std::vector<HWND> controls = platform::ControlsInTabOrder(dialog);
  const auto count = static_cast<long>(controls.size());
  const auto focusAt = std::find(controls.begin(), controls.end(), GetFocus());
  const long start = focusAt == controls.end() ? 0 : (focusAt - controls.begin()) + 1;
  std::vector<long> matches;
  for (long i = 0; i < count; ++i) {
    const long at = (start + i) % count;
    const HWND control = controls[static_cast<size_t>(at)];
    const bool labelled = IsClass(control, u"Button") ||
                          (IsClass(control, u"Static") && !(GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX));
    if (labelled && TakesInput(control, dialog) && MnemonicOf(driver::WindowText(control)) == wanted) matches.push_back(at);
  }
  if (matches.empty()) return;
  const HWND target = controls[static_cast<size_t>(matches.front())];
  const auto type = GetWindowLongPtrW(target, GWL_STYLE) & BS_TYPEMASK;
  if (IsClass(target, u"Static") || (IsClass(target, u"Button") && type == BS_GROUPBOX)) {
    for (long i = 1; i < count; ++i) {
      const HWND next = controls[static_cast<size_t>((matches.front() + i) % count)];
      if (platform::IsTabStop(next)) {
        platform::FocusDialogControl(next);
        return;
      }
    }
    return;
  }
  if (matches.size() > 1) {
    SetFocus(target);
    return;
  }
  SetFocus(target);
  SendMessageW(target, BM_CLICK, 0, 0);
}

void DialogKeys::Click(Point at) {
  const int row = at.row - m_origin.row;
  const int col = at.col - m_origin.col;
  const int tab = m_layout.TabAt(row, col);
  if (tab >= 0) {
    platform::TabControl::Pick(driver::SheetTabs(m_layout.dialog), tab);
    return;
  }
  const PlacedControl* control = m_layout.ControlAt(row, col);
  if (control == nullptr || !TakesInput(control->hwnd, m_layout.dialog)) return;
  const HWND hwnd = control->hwnd;
  switch (control->kind) {
    case ControlKind::Edit: {
      SetFocus(hwnd);
      if (GetFocus() != hwnd) return;
      // The caret goes to the clicked character, or after the text.
      const auto scrolled = m_view.scroll.find(hwnd);
      const size_t offset = scrolled == m_view.scroll.end() ? 0 : scrolled->second;
      const std::u16string text = driver::WindowText(hwnd);
      const auto caret = static_cast<LPARAM>(UnitIndex(text, offset + static_cast<size_t>(col - control->col)));
      SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(caret), caret);
      return;
    }
    case ControlKind::ComboBox:
      SetFocus(hwnd);
      if (GetFocus() == hwnd) OpenList(hwnd);
      return;
    case ControlKind::CheckBox:
    case ControlKind::PushButton:
      SetFocus(hwnd);
      SendMessageW(hwnd, BM_CLICK, 0, 0);
      return;
    default:
      return;
  }
}

}  // namespace terminal
