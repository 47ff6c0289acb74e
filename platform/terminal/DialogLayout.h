#pragma once
// Where each control of a dialog, or of a property sheet and its active page, stands in
// character cells: 4 horizontal and 8 vertical dialog units make a cell, so every control
// stands where its template puts it. Coordinates are those of the dialog's client area.
// A text wider than its control (proportional text in a template often is) takes free
// cells beside the control, keeping a blank cell to its neighbours, and is cut off only
// where there is no room.

#include <string>
#include <vector>

#include "../win32/WinUser.h"

namespace terminal {

enum class ControlKind { Label, CheckBox, Edit, ComboBox, GroupBox, PushButton, Tabs };

struct PlacedControl {
  HWND hwnd = nullptr;
  ControlKind kind = ControlKind::Label;
  int row = 0;  // frames (group boxes, tabs): the top row
  int col = 0;
  int width = 0;
  int bottom = 0;  // frames: the bottom row; other controls: the row
  // Labels and check boxes (a check box's text includes its box): where the text is drawn.
  int textCol = 0;
  int textWidth = 0;
  bool textCut = false;  // the text did not fit: its last cell shows an ellipsis
};

struct PlacedTab {
  std::u32string title;  // shortened with an ellipsis when the titles do not fit
  int col = 0;  // the title's cells, without the separators on either side
  int width = 0;
};

class DialogLayout {
 public:
  static DialogLayout Of(HWND dialog);

  HWND dialog = nullptr;
  int rows = 0;
  int cols = 0;
  // Frames first (they are drawn below the rest), then the other controls in window order.
  std::vector<PlacedControl> controls;
  // A property sheet's tabs; titleRow is the row of their titles.
  std::vector<PlacedTab> tabs;
  int titleRow = 0;
  int activeTab = -1;

  // The control that a click on the cell reaches (frames never do); null for none.
  const PlacedControl* ControlAt(int row, int col) const;
  const PlacedControl* Find(HWND hwnd) const;
  // The tab whose title is at the cell; -1 for none.
  int TabAt(int row, int col) const;
};

}  // namespace terminal
