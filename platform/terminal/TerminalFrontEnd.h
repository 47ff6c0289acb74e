#pragma once
// The interactive front end: modal dialogs, property sheets and message boxes on a terminal.
// While it lives it is the platform's front end. Each modal loop draws the open dialogs
// (the front one active), the key help on the last row, and any message box on top; then it
// hands the next input to the front dialog. A screen too small for what is open shows a
// message saying so instead, where Escape still cancels.

#include <map>
#include <string>
#include <vector>

#include "CellGrid.h"
#include "DialogLayout.h"
#include "MessageBoxView.h"
#include "Screen.h"
#include "ViewState.h"
#include "../win32/FrontEnd.h"

namespace terminal {

class TerminalFrontEnd : public platform::FrontEnd {
 public:
  explicit TerminalFrontEnd(Screen& screen);
  ~TerminalFrontEnd() override;
  TerminalFrontEnd(const TerminalFrontEnd&) = delete;
  TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

  void RunModal(HWND dialog) override;
  int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) override;

 private:
  // What one refresh put on the screen.
  struct Picture {
    CellGrid grid{0, 0};
    bool fits = false;
    DialogLayout front;  // the front dialog as drawn
    Point origin;        // where its client area is
  };

  Picture Compose();
  void ShowTooSmall(CellGrid& grid, int rows, int cols) const;
  // Ends the dialog as Cancel would, for a terminal that went away.
  static void Cancel(HWND dialog);

  Screen& m_screen;
  platform::FrontEnd* m_previous;
  std::vector<HWND> m_dialogs;
  std::map<HWND, ViewState> m_views;
  std::vector<MessageBoxView> m_boxes;
  bool m_closed = false;
};

}  // namespace terminal
