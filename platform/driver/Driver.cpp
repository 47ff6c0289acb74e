#include "Driver.h"

#include <algorithm>

#include "ScriptedUser.h"
#include "Utf8.h"
#include "WindowQueries.h"
#include "../win32/FrontEnd.h"
#include "../win32/TabControl.h"

namespace driver {

Driver::Driver(ScriptedUser& user, HWND window) : m_user(user), m_window(window) {}

void Driver::Fail(const Where& where, const std::string& message) const { m_user.FailFromDriver(where, message); }

HWND Driver::Control(int id, Where where) const {
  HWND page = reinterpret_cast<HWND>(SendMessageW(m_window, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND control = page ? GetDlgItem(page, id) : nullptr;
  if (!control) control = GetDlgItem(m_window, id);
  if (!control) Fail(where, "there is no control " + std::to_string(id));
  return control;
}

void Driver::RequireOpen(const Where& where, const char* action) const {
  if (Closed()) Fail(where, std::string(action) + ": the dialog is closed");
}

HWND Driver::Reachable(int id, const Where& where, const char* action) const {
  RequireOpen(where, action);
  HWND control = Control(id, where);
  std::string what = std::string(action) + " " + std::to_string(id) + ": the control is ";
  if (!IsWindowVisible(control)) Fail(where, what + "hidden");
  if (!IsWindowEnabled(control)) Fail(where, what + "disabled");
  return control;
}

HWND Driver::TabControl(const Where& where) const {
  HWND tab = SheetTabs(m_window);
  if (!tab) Fail(where, "the window is not a property sheet");
  return tab;
}

void Driver::Focus(int id, Where where) {
  m_user.BeginAction(where);
  HWND control = Reachable(id, where, "focus");
  SetFocus(control);
  if (ClassName(control) == u"Edit") {
    auto end = static_cast<LPARAM>(GetWindowTextLengthW(control));
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(end), end);
  }
  m_user.AfterAction();
}

void Driver::SelectAll(int id, Where where) {
  m_user.BeginAction(where);
  HWND control = Reachable(id, where, "select-all");
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
  m_user.AfterAction();
}

void Driver::Type(std::u16string_view text, Where where) {
  m_user.BeginAction(where);
  for (char16_t ch : text) {
    RequireOpen(where, "type");
    HWND focus = GetFocus();
    if (!focus || (focus != m_window && !IsChild(m_window, focus))) Fail(where, "type: no control of the dialog has the focus");
    TypeChar(m_window, ch);
    m_user.AfterAction();
  }
}

void Driver::Press(Key key, Where where) {
  m_user.BeginAction(where);
  RequireOpen(where, "key");
  // The page keys need a sheet.
  if (key == Key::CtrlPageDown || key == Key::CtrlPageUp) TabControl(where);
  PressKey(m_window, key);
  m_user.AfterAction();
}

void Driver::Click(int id, Where where) {
  m_user.BeginAction(where);
  HWND control = Reachable(id, where, "click");
  SetFocus(control);
  if (ClassName(control) == u"Button") SendMessageW(control, BM_CLICK, 0, 0);
  m_user.AfterAction();
}

void Driver::Choose(int id, std::u16string_view item, Where where) {
  m_user.BeginAction(where);
  HWND combo = Reachable(id, where, "choose");
  std::vector<std::u16string> items = Items(id, where);
  auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end()) Fail(where, "choose " + std::to_string(id) + ": no item " + Quoted(item) + " among " + QuotedList(items));
  SetFocus(combo);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(found - items.begin()), 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  m_user.AfterAction();
}

void Driver::Page(std::u16string_view title, Where where) {
  m_user.BeginAction(where);
  RequireOpen(where, "page");
  std::vector<std::u16string> titles = Pages(where);
  auto found = std::find(titles.begin(), titles.end(), title);
  if (found == titles.end()) Fail(where, "page: no tab " + Quoted(title) + " among " + QuotedList(titles));
  // A click on the tab: the tab control asks the sheet, which validates the page being left.
  platform::TabControl::Pick(TabControl(where), static_cast<int>(found - titles.begin()));
  m_user.AfterAction();
}

void Driver::Ok(Where where) { Click(IDOK, where); }

void Driver::Cancel(Where where) { Click(IDCANCEL, where); }

std::u16string Driver::Text(int id, Where where) const { return WindowText(Control(id, where)); }

bool Driver::Enabled(int id, Where where) const { return IsWindowEnabled(Control(id, where)); }

bool Driver::Visible(int id, Where where) const { return IsWindowVisible(Control(id, where)); }

bool Driver::Checked(int id, Where where) const { return SendMessageW(Control(id, where), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool Driver::Focused(int id, Where where) const { return GetFocus() == Control(id, where); }

bool Driver::ReadOnly(int id, Where where) const {
  return (GetWindowLongPtrW(Control(id, where), GWL_STYLE) & ES_READONLY) != 0;
}

std::pair<int, int> Driver::Selection(int id, Where where) const {
  DWORD start = 0, end = 0;
  SendMessageW(Control(id, where), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

std::vector<std::u16string> Driver::Items(int id, Where where) const { return ComboItems(Control(id, where)); }

std::u16string Driver::Selected(int id, Where where) const {
  HWND combo = Control(id, where);
  return ComboItem(combo, static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
}

std::vector<std::u16string> Driver::Pages(Where where) const { return TabTitles(TabControl(where)); }

std::u16string Driver::ActivePage(Where where) const {
  HWND tab = TabControl(where);
  auto current = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
  std::vector<std::u16string> titles = Pages(where);
  return current >= 0 && current < static_cast<int>(titles.size()) ? titles[static_cast<size_t>(current)] : u"";
}

std::u16string Driver::Title() const { return WindowText(m_window); }

bool Driver::Closed() const { return platform::IsDialogEnded(m_window); }

INT_PTR Driver::Result() const { return Closed() ? platform::DialogResult(m_window) : 0; }

}  // namespace driver
