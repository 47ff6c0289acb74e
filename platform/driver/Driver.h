#pragma once
// Acting as a person on the modal window in front (a dialog or a property sheet), through
// Win32 messages alone. Controls are found by id on the active page first, then on the
// window itself. Every action pumps the posted messages after it.
//
// An action that a person could not do (a control that is missing, hidden or disabled, a
// page or item that is not there, anything after the window closed) and a query of a
// missing control are failures: the scripted user records them with the caller's source
// line and the script stops; the window is then cancelled.

#include <source_location>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Keyboard.h"
#include "../win32/WinUser.h"

namespace driver {

class ScriptedUser;

class Driver {
 public:
  using Where = std::source_location;

  Driver(ScriptedUser& user, HWND window);

  HWND Window() const { return m_window; }
  HWND Control(int id, Where where = Where::current()) const;

  // Clicks into the control: it takes the focus; an edit's caret goes to the end of its text.
  void Focus(int id, Where where = Where::current());
  // Focuses the control and selects its whole text.
  void SelectAll(int id, Where where = Where::current());
  // Types into the focused control key by key, replacing its selection ("\n" presses Enter).
  void Type(std::u16string_view text, Where where = Where::current());
  void Press(Key key, Where where = Where::current());
  // Clicks the control: the focus moves to it first, then a button is clicked (BM_CLICK).
  void Click(int id, Where where = Where::current());
  // Picks the item with exactly this text in a combo box.
  void Choose(int id, std::u16string_view item, Where where = Where::current());
  // Clicks the tab with this title; the sheet may refuse to leave the active page.
  void Page(std::u16string_view title, Where where = Where::current());
  void Ok(Where where = Where::current());
  void Cancel(Where where = Where::current());

  std::u16string Text(int id, Where where = Where::current()) const;
  bool Enabled(int id, Where where = Where::current()) const;
  bool Visible(int id, Where where = Where::current()) const;
  bool Checked(int id, Where where = Where::current()) const;
  bool Focused(int id, Where where = Where::current()) const;
  bool ReadOnly(int id, Where where = Where::current()) const;
  // An edit's selection, start and end; equal when only the caret is there.
  std::pair<int, int> Selection(int id, Where where = Where::current()) const;
  std::vector<std::u16string> Items(int id, Where where = Where::current()) const;
  // The selected item's text; empty when none is selected.
  std::u16string Selected(int id, Where where = Where::current()) const;
  // The sheet's tab titles in order, and the active one's.
  std::vector<std::u16string> Pages(Where where = Where::current()) const;
  std::u16string ActivePage(Where where = Where::current()) const;
  // The window's caption.
  std::u16string Title() const;
  bool Closed() const;
  // What the window was closed with (IDOK, IDCANCEL); 0 while it is open.
  INT_PTR Result() const;

 private:
  [[noreturn]] void Fail(const Where& where, const std::string& message) const;
  HWND Reachable(int id, const Where& where, const char* action) const;
  HWND TabControl(const Where& where) const;
  void RequireOpen(const Where& where, const char* action) const;

  ScriptedUser& m_user;
  HWND m_window;
};

}  // namespace driver
