#pragma once
// The keyboard and the mouse of the terminal mapped onto the window model, as Windows
// dialogs take them: Tab and Shift+Tab through the tab order, Space on a check box or a
// button, Enter for the default button, Escape to cancel, Ctrl+PgDn/Ctrl+PgUp for the pages
// of a sheet (Left and Right too while its tabs have the focus), Alt+letter (or the letter
// alone where the focus takes no text) for mnemonics, the arrows, F4 and Alt+Down on
// drop-down lists, the editing keys in edits; clicks on controls, tabs and list items.

#include "DialogLayout.h"
#include "Input.h"
#include "ViewState.h"

namespace terminal {

class DialogKeys {
 public:
  // layout is what the screen shows, with the dialog's client area at origin; gridRows is
  // the screen's height (where drop-down lists open).
  DialogKeys(const DialogLayout& layout, ViewState& view, Point origin, int gridRows)
      : m_layout(layout), m_view(view), m_origin(origin), m_gridRows(gridRows) {}

  void Apply(const Input& input);

 private:
  // The open list takes the input first; false when it leaves the input to the dialog.
  bool ListInput(const Input& input);
  void Key(const Input& input);
  void Char(char32_t ch);
  void Click(Point at);
  void Mnemonic(char32_t ch);
  void OpenList(HWND combo);
  void CloseList(bool pick);

  const DialogLayout& m_layout;
  ViewState& m_view;
  Point m_origin;
  int m_gridRows;
};

}  // namespace terminal
